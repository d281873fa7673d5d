#include "rtf/listtable.h"

#include <algorithm>

namespace tabulet::rtf {

namespace {

// Bounds on what hostile input can make the table hold.
constexpr std::size_t kMaxLists = 1024;
constexpr std::size_t kMaxLevels = 9;

Numbering numberingOfLevelFormat(int levelnfc)
{
    switch (levelnfc) {
    case 1:
        return Numbering::UpperRoman;
    case 2:
        return Numbering::LowerRoman;
    case 3:
        return Numbering::UpperLetter;
    case 4:
        return Numbering::LowerLetter;
    case 23:
        return Numbering::Bullet;
    case 255:
        return Numbering::None;
    default:
        return Numbering::Arabic; // decimal and its variants (leading zero, full width, ...)
    }
}

} // namespace

void ListTable::beginList()
{
    if (m_lists.size() < kMaxLists)
        m_lists.emplace_back();
}

void ListTable::beginLevel()
{
    if (!m_lists.empty() && m_lists.back().levels.size() < kMaxLevels)
        m_lists.back().levels.emplace_back();
}

void ListTable::setLevelFormat(int levelnfc)
{
    if (!m_lists.empty() && !m_lists.back().levels.empty())
        m_lists.back().levels.back().numbering = numberingOfLevelFormat(levelnfc);
}

void ListTable::setLevelStart(int start)
{
    if (!m_lists.empty() && !m_lists.back().levels.empty())
        m_lists.back().levels.back().start = start;
}

void ListTable::setListId(int id)
{
    if (!m_lists.empty())
        m_lists.back().id = id;
}

void ListTable::beginOverride()
{
    if (m_overrides.size() < kMaxLists)
        m_overrides.emplace_back();
}

void ListTable::beginOverrideLevel()
{
    if (!m_overrides.empty() && m_overrides.back().starts.size() < kMaxLevels)
        m_overrides.back().starts.emplace_back();
}

void ListTable::setOverrideListId(int id)
{
    if (!m_overrides.empty())
        m_overrides.back().listId = id;
}

void ListTable::setOverrideStart(int start)
{
    if (!m_overrides.empty() && !m_overrides.back().starts.empty())
        m_overrides.back().starts.back() = start;
}

void ListTable::setOverrideNumber(int ls)
{
    if (!m_overrides.empty())
        m_overrides.back().number = ls;
}

std::optional<ListLevel> ListTable::levelOf(int ls, int level) const
{
    const auto override = std::find_if(m_overrides.begin(), m_overrides.end(),
                                       [ls](const Override &entry) { return entry.number == ls; });
    if (override == m_overrides.end())
        return std::nullopt;
    const auto list =
        std::find_if(m_lists.begin(), m_lists.end(), [&](const List &entry) { return entry.id == override->listId; });
    if (list == m_lists.end() || list->levels.empty())
        return std::nullopt;
    const auto index = static_cast<std::size_t>(std::clamp<int>(level, 0, static_cast<int>(list->levels.size()) - 1));
    ListLevel result = list->levels[index];
    if (index < override->starts.size() && override->starts[index])
        result.start = *override->starts[index];
    return result;
}

} // namespace tabulet::rtf
