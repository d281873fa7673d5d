#pragma once

#include "plugins/plugineditor.h"
#include "plugins/pluginwindow.h"

namespace tabulet::plugins {

// What scripts reach while there is no note window (during shut-down, or from a timer after the
// window closed): an empty editor that ignores every change, and a window that runs nothing.
class ClosedEditor final : public PluginEditor
{
public:
    int textLength() const override { return 0; }
    int lineCount() const override { return 0; }
    int lineFromPosition(int) const override { return 0; }
    int lineStart(int) const override { return -1; }
    TextRange selection() const override { return {}; }
    void select(TextRange) override {}
    QString text(TextRange) const override { return {}; }
    void replace(TextRange, const QString &) override {}
    TextRange find(const QString &, int, bool, bool, bool) const override { return {-1, -1}; }
    CharacterFormat characterFormat(TextRange) const override { return {}; }
    void setCharacterFormat(TextRange, const CharacterFormat &) override {}
    void copy() override {}
    void cut() override {}
    void paste() override {}
};

class ClosedWindow final : public PluginWindow
{
public:
    void runCommand(commands::CommandId) override {}
    void markShownNoteModified() override {}
};

} // namespace tabulet::plugins
