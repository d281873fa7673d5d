#pragma once

#include <QDialog>

#include <functional>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::plugins {
struct PluginInfo;
}

namespace tabulet::ui {

// Where the "open settings file" button of a plug-in's details looks: the plug-in's own settings
// file when it has one, else the script's file name (after its last "/" or "\") with everything
// from its first ".lua" replaced by ".ini", in the plug-in configuration folder.
QString pluginSettingsFile(const plugins::PluginInfo &plugin, const QString &pluginConfigFolder);

// A plug-in's details, read-only: name, file, author, e-mail, home page, versions and
// description; a button that enables or disables it (closing the dialog with Accepted), a
// button that opens its settings file, and Close.
class PluginPropertiesDialog final : public QDialog
{
    Q_OBJECT
public:
    PluginPropertiesDialog(const plugins::PluginInfo &plugin, lang::TextTable &texts, const QString &pluginConfigFolder,
                           std::function<void(const QString &)> openWithDesktop, QWidget *parent = nullptr);
};

} // namespace tabulet::ui
