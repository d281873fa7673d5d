#pragma once

#include "rtf/richtextdocument.h"

#include <optional>
#include <vector>

namespace tabulet::rtf {

struct ListLevel
{
    Numbering numbering = Numbering::Arabic;
    int start = 1;
};

// The numbering definitions of a \listtable and \listoverridetable, fed control by control
// while they are read, and asked for the numbering of a paragraph's \lsN \ilvlN.
class ListTable final
{
public:
    void beginList();
    void beginLevel();
    void setLevelFormat(int levelnfc);
    void setLevelStart(int start);
    void setListId(int id);

    void beginOverride();
    void beginOverrideLevel();
    void setOverrideListId(int id);
    void setOverrideStart(int start);
    void setOverrideNumber(int ls);

    std::optional<ListLevel> levelOf(int ls, int level) const;

private:
    struct List
    {
        int id = 0;
        std::vector<ListLevel> levels;
    };
    struct Override
    {
        int number = 0;
        int listId = 0;
        std::vector<std::optional<int>> starts;
    };

    std::vector<List> m_lists;
    std::vector<Override> m_overrides;
};

} // namespace tabulet::rtf
