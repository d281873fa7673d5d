#include "commands/commandcaption.h"

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
    QString caption;
    caption.reserve(menuText.size());
    for (qsizetype i = 0; i < menuText.size(); ++i) {
        const QChar c = menuText.at(i);
        if (c == u'\t' || c == u'#')
            break;
        if (c == u'&') {
            // "&&" is a written "&"; a single one marks the next letter as the accelerator.
            if (i + 1 < menuText.size() && menuText.at(i + 1) == u'&') {
                caption += c;
                ++i;
            }
            continue;
        }
        caption += c;
    }
    caption = caption.trimmed();
    if (caption.endsWith(QStringLiteral("...")))
        caption.chop(3);
    else if (caption.endsWith(QChar(0x2026)))
        caption.chop(1);
    return caption.trimmed();
}

QString commandCaption(const CommandDefinition &definition, lang::TextTable &texts)
{
    const char *key = nameKeyOf(definition);
    const QString caption = *key == '\0' ? QString() : plainCaption(texts.text(QString::fromLatin1(key)));
    return caption.isEmpty() ? QString::fromLatin1(definition.name) : caption;
}

} // namespace tabulet::commands
