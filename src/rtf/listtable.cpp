#include "rtf/listtable.h"

#include <algorithm>

namespace tabulet::rtf {

namespace {

// Bounds on what hostile input can make the table hold.
constexpr std::size_t kMaxLists = 1 << 16;
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

ListTable::List *ListTable::currentList()
{
    return m_listTaken ? &m_lists.back() : nullptr;
}

ListLevel *ListTable::currentLevel()
{
    return m_listTaken && m_levelTaken ? &m_lists.back().levels.back() : nullptr;
}

ListTable::Override *ListTable::currentOverride()
{
    return m_overrideTaken ? &m_overrides.back() : nullptr;
}

std::optional<int> *ListTable::currentOverrideStart()
{
    return m_overrideTaken && m_overrideLevelTaken ? &m_overrides.back().starts.back() : nullptr;
}

void ListTable::beginList()
{
    m_listTaken = m_lists.size() < kMaxLists;
    m_levelTaken = false;
    if (m_listTaken)
        m_lists.emplace_back();
}

void ListTable::beginLevel()
{
    List *list = currentList();
    m_levelTaken = list && list->levels.size() < kMaxLevels;
    if (m_levelTaken)
        list->levels.emplace_back();
}

void ListTable::setLevelFormat(int levelnfc)
{
    if (ListLevel *level = currentLevel())
        level->numbering = numberingOfLevelFormat(levelnfc);
}

void ListTable::setLevelStart(int start)
{
    if (ListLevel *level = currentLevel())
        level->start = start;
}

void ListTable::setListId(int id)
{
    if (currentList())
        m_listById.emplace(id, m_lists.size() - 1);
}

void ListTable::beginOverride()
{
    m_overrideTaken = m_overrides.size() < kMaxLists;
    m_overrideLevelTaken = false;
    if (m_overrideTaken)
        m_overrides.emplace_back();
}

void ListTable::beginOverrideLevel()
{
    Override *override = currentOverride();
    m_overrideLevelTaken = override && override->starts.size() < kMaxLevels;
    if (m_overrideLevelTaken)
        override->starts.emplace_back();
}

void ListTable::setOverrideListId(int id)
{
    if (Override * override = currentOverride())
        override->listId = id;
}

void ListTable::setOverrideStart(int start)
{
    if (std::optional<int> *overrideStart = currentOverrideStart())
        *overrideStart = start;
}

void ListTable::setOverrideNumber(int ls)
{
    if (currentOverride())
        m_overrideByNumber.emplace(ls, m_overrides.size() - 1);
}

std::optional<ListLevel> ListTable::levelOf(int ls, int level) const
{
    const auto override = m_overrideByNumber.find(ls);
    if (override == m_overrideByNumber.end())
        return std::nullopt;
    const Override &entry = m_overrides[override->second];
    const auto list = m_listById.find(entry.listId);
    if (list == m_listById.end() || m_lists[list->second].levels.empty())
        return std::nullopt;
    const std::vector<ListLevel> &levels = m_lists[list->second].levels;
    const auto index = static_cast<std::size_t>(std::clamp<int>(level, 0, static_cast<int>(levels.size()) - 1));
    ListLevel result = levels[index];
    if (index < entry.starts.size() && entry.starts[index])
        result.start = *entry.starts[index];
    return result;
}

} // namespace tabulet::rtf
