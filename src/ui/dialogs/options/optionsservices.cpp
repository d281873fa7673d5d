#include "ui/dialogs/options/optionsservices.h"

#include "lang/texttable.h"
#include "ui/dialogs/enterhotkeydialog.h"
#include "ui/dialogs/options/pluginpropertiesdialog.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace tabulet::ui {

OptionsServices OptionsServices::system(lang::TextTable &texts, const commands::KeyNames &keyNames,
                                        const QString &pluginConfigFolder)
{
    OptionsServices services;
    services.askShortcut = [&texts, &keyNames](const QString &boundTo, const commands::Shortcut &current,
                                               const commands::CommandTable &bindings,
                                               QWidget *parent) -> std::optional<commands::Shortcut> {
        EnterHotkeyDialog dialog(boundTo, current.key, current.modifiers, bindings, texts, keyNames, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return commands::Shortcut{dialog.key(), dialog.modifiers()};
    };
    services.openWithDesktop = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
    services.showPluginDetails = [&texts, pluginConfigFolder, open = services.openWithDesktop](
                                     const plugins::PluginInfo &plugin, QWidget *parent) {
        return PluginPropertiesDialog(plugin, texts, pluginConfigFolder, open, parent).exec() == QDialog::Accepted;
    };
    services.askFolder = [](const QString &title, const QString &start, QWidget *parent) {
        return QFileDialog::getExistingDirectory(parent, title, start);
    };
    services.warn = [&texts](const QString &text, QWidget *parent) {
        QMessageBox::warning(parent, texts.text(QStringLiteral("OPTIONS")), text);
    };
    return services;
}

} // namespace tabulet::ui
