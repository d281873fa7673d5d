#include "commands/commandcaption.h"

#include "lang/menucaption.h"
#include "lang/texttable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tabulet::commands {

namespace {

// Commands reached by their shortcuts alone have no menu item and so no caption key of their own.
constexpr std::array<std::pair<CommandId, const char *>, 6> kShortcutOnlyKeys{{
    {CommandId::ChangeToPrevTab, "COMMAND_PREVTAB"},
    {CommandId::ChangeToPrevTab1, "COMMAND_PREVTAB"},
    {CommandId::ChangeToNextTab, "COMMAND_NEXTTAB"},
    {CommandId::ChangeToNextTab1, "COMMAND_NEXTTAB"},
    {CommandId::SearchPrev, "COMMAND_SEARCHPREV"},
    {CommandId::SearchNext, "COMMAND_SEARCHNEXT"},
}};

const char *nameKeyOf(const CommandDefinition &definition)
{
    if (*definition.textKey != '\0')
        return definition.textKey;
    const auto found = std::find_if(kShortcutOnlyKeys.begin(), kShortcutOnlyKeys.end(),
                                    [&](const auto &entry) { return entry.first == definition.id; });
    return found == kShortcutOnlyKeys.end() ? "" : found->second;
}

} // namespace

QString plainCaption(const QString &menuText)
{
    // The shortcut follows a tab, or "#" in language files.
    qsizetype end = 0;
    while (end < menuText.size() && menuText.at(end) != u'\t' && menuText.at(end) != u'#')
        ++end;
    return lang::captionOfMenuText(menuText.left(end));
}

QString commandCaption(const CommandDefinition &definition, lang::TextTable &texts)
{
    const char *key = nameKeyOf(definition);
    const QString caption = *key == '\0' ? QString() : plainCaption(texts.text(QString::fromLatin1(key)));
    return caption.isEmpty() ? QString::fromLatin1(definition.name) : caption;
}

} // namespace tabulet::commands
