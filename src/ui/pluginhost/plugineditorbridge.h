#pragma once

#include "plugins/plugineditor.h"

class QTextEdit;
class QTextCursor;

namespace tabulet::ui {

// The note editor as plug-ins see it. Positions are the document's: one per character, paragraph
// break and picture, as the RTF bridge counts them. Lines are paragraphs, so that a script's line
// numbers do not change with the window's width. Reading never moves the user's selection.
class PluginEditorBridge final : public plugins::PluginEditor
{
public:
    explicit PluginEditorBridge(QTextEdit &editor) : m_editor(editor) {}

    int textLength() const override;
    int lineCount() const override;
    int lineFromPosition(int position) const override;
    int lineStart(int line) const override;

    plugins::TextRange selection() const override;
    void select(plugins::TextRange range) override;
    QString text(plugins::TextRange range) const override;
    void replace(plugins::TextRange range, const QString &text) override;

    plugins::TextRange find(const QString &text, int from, bool backward, bool wholeWord,
                            bool matchCase) const override;

    plugins::CharacterFormat characterFormat(plugins::TextRange range) const override;
    void setCharacterFormat(plugins::TextRange range, const plugins::CharacterFormat &format) override;

    void copy() override;
    void cut() override;
    void paste() override;

private:
    // A cursor over the range, both ends held inside the document.
    QTextCursor cursorOver(plugins::TextRange range) const;
    int clamped(int position) const;

    QTextEdit &m_editor;
};

} // namespace tabulet::ui
