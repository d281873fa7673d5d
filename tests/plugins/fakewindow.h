#pragma once

#include "plugins/plugineditor.h"
#include "plugins/pluginwindow.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace tabulet::plugins::testing {

// A plain-text editor: every "\n" is a paragraph break and ends a line (no wrapping).
class FakeEditor final : public PluginEditor
{
public:
    QString content;
    TextRange selected;
    CharacterFormat formatOfRange; // what characterFormat() answers
    std::vector<std::pair<TextRange, CharacterFormat>> formatsSet;

    int textLength() const override { return static_cast<int>(content.size()); }
    int lineCount() const override { return static_cast<int>(content.count(QLatin1Char('\n'))) + 1; }
    int lineFromPosition(int position) const override
    {
        return static_cast<int>(content.left(position).count(QLatin1Char('\n')));
    }
    int lineStart(int line) const override
    {
        if (line < 0 || line >= lineCount())
            return -1;
        int start = 0;
        for (int i = 0; i < line; ++i)
            start = static_cast<int>(content.indexOf(QLatin1Char('\n'), start)) + 1;
        return start;
    }
    TextRange selection() const override { return selected; }
    void select(TextRange range) override { selected = range; }
    QString text(TextRange range) const override { return content.mid(range.start, range.end - range.start); }
    void replace(TextRange range, const QString &text) override
    {
        content.replace(range.start, range.end - range.start, text);
        selected = {range.start + static_cast<int>(text.size()), range.start + static_cast<int>(text.size())};
    }
    TextRange find(const QString &text, int from, bool backward, bool, bool matchCase) const override
    {
        const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
        const qsizetype at =
            backward ? content.lastIndexOf(text, from - text.size(), cs) : content.indexOf(text, from, cs);
        return at < 0 ? TextRange{-1, -1} : TextRange{static_cast<int>(at), static_cast<int>(at + text.size())};
    }
    CharacterFormat characterFormat(TextRange) const override { return formatOfRange; }
    void setCharacterFormat(TextRange range, const CharacterFormat &format) override
    {
        formatsSet.emplace_back(range, format);
    }
    void copy() override { clipboard = text(selected); }
    void cut() override
    {
        copy();
        replace(selected, {});
    }
    void paste() override { replace(selected, clipboard); }

    QString clipboard;
};

class FakeWindow final : public PluginWindow
{
public:
    void runCommand(commands::CommandId id) override
    {
        commandsRun.push_back(id);
        if (onCommand)
            onCommand(id);
    }

    void markShownNoteModified() override { ++notesMarkedModified; }

    std::vector<commands::CommandId> commandsRun;
    std::function<void(commands::CommandId)> onCommand;
    int notesMarkedModified = 0;
};

struct ShownMessage
{
    QString caption;
    QString text;
    MessageIcon icon;
};

class FakeDialogs final : public PluginDialogs
{
public:
    void showMessage(const QString &caption, const QString &text, MessageIcon icon) override
    {
        shown.push_back({caption, text, icon});
        if (whileOpen)
            whileOpen();
    }
    bool askYesNo(const QString &, const QString &) override { return answerYes; }
    bool askToStopScript(const QString &pluginName, int seconds) override
    {
        stopQuestions << QStringLiteral("%1 after %2 s").arg(pluginName).arg(seconds);
        if (whileOpen)
            whileOpen();
        return stop;
    }

    std::vector<ShownMessage> shown;
    QStringList stopQuestions;
    bool answerYes = true;
    bool stop = true;
    std::function<void()> whileOpen; // runs while a box or the question is open
};

} // namespace tabulet::plugins::testing
