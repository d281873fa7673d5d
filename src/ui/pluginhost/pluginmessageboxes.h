#pragma once

#include "plugins/pluginwindow.h"

namespace tabulet::ui {

// The plug-in host's message boxes: without an owner window, modal to the calling code.
class PluginMessageBoxes final : public plugins::PluginDialogs
{
public:
    void showMessage(const QString &caption, const QString &text, plugins::MessageIcon icon) override;
    bool askYesNo(const QString &caption, const QString &text) override;
    bool askToStopScript(const QString &pluginName, int seconds) override;
};

} // namespace tabulet::ui
