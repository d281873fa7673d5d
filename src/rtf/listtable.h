#pragma once

#include "rtf/richtextdocument.h"

#include <map>
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
        std::vector<ListLevel> levels;
    };
    struct Override
    {
        int listId = 0;
        std::vector<std::optional<int>> starts;
    };

    // The entry being read, or null once the bounds are reached (its controls are then ignored).
    List *currentList();
    ListLevel *currentLevel();
    Override *currentOverride();
    std::optional<int> *currentOverrideStart();

    std::vector<List> m_lists;
    std::vector<Override> m_overrides;
    bool m_listTaken = false;
    bool m_levelTaken = false;
    bool m_overrideTaken = false;
    bool m_overrideLevelTaken = false;
    std::map<int, std::size_t> m_listById;         // first list of each \listid
    std::map<int, std::size_t> m_overrideByNumber; // first override of each \ls
};

} // namespace tabulet::rtf
