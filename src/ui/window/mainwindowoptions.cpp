// The options sheet and what its OK changes in the window at once.
#include "ui/window/mainwindow.h"

#include "lang/languagefiles.h"
#include "platform/qtkeynames.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/options/optionsapply.h"
#include "ui/dialogs/options/optionssheet.h"
#include "ui/skin/skin.h"
#include "ui/tray/trayicon.h"

namespace tabulet::ui {

void MainWindow::showOptions()
{
    const settings::FolderSet &folders = m_context.folders;
    const platform::QtKeyNames keyNames;
    OptionsSheet sheet(optionsWorkOf(m_context.settings, m_context.commands, m_context.plugins.table(),
                                     lang::listLanguages(folders.languagesFolder, folders.programLanguagesFolder())),
                       m_context.texts, keyNames, folders,
                       OptionsServices::system(m_context.texts, keyNames, folders.pluginConfigFolder), this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    auto &settings = m_context.settings;
    applyOptions(sheet.work(), {settings, m_context.commands, m_context.plugins.table(),
                                [this] { registerActivationHotkey(); },
                                [this, &settings] {
                                    m_tray->chooseTrayPicture(settings.value(QStringLiteral("trayicon")), true);
                                }});
    m_skin->setShowToolTips(settings.flag(QStringLiteral("showtooltips")));
    // The notes' colours and fonts and the tabs' font and height, shown anew. The shown note
    // takes the new default font in place, as after its properties: reading it again would lay
    // a long note out twice.
    m_tabs->saveTab();
    m_tabs->applyBackground();
    applyTabFont();
    m_tabs->applyDefaultCharFormat();
    relayout();
    saveConfiguration();
}

} // namespace tabulet::ui
