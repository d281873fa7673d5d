#pragma once

#include "plugins/pluginwindow.h"

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The plug-in host's message boxes: without an owner window, modal to the calling code.
class PluginMessageBoxes final : public plugins::PluginDialogs
{
public:
    explicit PluginMessageBoxes(lang::TextTable &texts) : m_texts(texts) {}

    void showMessage(const QString &caption, const QString &text, plugins::MessageIcon icon) override;
    bool askYesNo(const QString &caption, const QString &text) override;
    bool askToStopScript(const QString &pluginName, int seconds) override;

private:
    lang::TextTable &m_texts;
};

} // namespace tabulet::ui
