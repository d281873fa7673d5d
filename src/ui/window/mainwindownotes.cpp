// The commands on the notes as a whole: the document list, a note's properties, printing.
#include "ui/window/mainwindow.h"

#include "settings/notefiles.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/tabpropertiesdialog.h"
#include "ui/dialogs/windowlistdialog.h"
#include "ui/editor/noteeditor.h"
#include "ui/editor/noteprinting.h"
#include "ui/window/mainwindowprompts.h"
#include "ui/window/tabstrip.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace tabulet::ui {

namespace {

void copyStyle(const settings::Note &from, settings::Note &to)
{
    to.hasTitleColour = from.hasTitleColour;
    to.titleColour = from.titleColour;
    to.hasTextColour = from.hasTextColour;
    to.textColour = from.textColour;
    to.hasBackground = from.hasBackground;
    to.background = from.background;
    to.hasFont = from.hasFont;
    to.font = from.font;
    to.usePreset = from.usePreset;
    to.preset = from.preset;
}

} // namespace

void MainWindow::showDocumentList()
{
    // The tabs may be rebuilt from the copy and the shown note read again: it goes to its file
    // first, and stays shown when it cannot.
    if (!m_tabs->leaveShownNote())
        return;
    const auto noteText = [&](const settings::Note &note) {
        return m_noteTexts.text(settings::noteFilePath(m_context.folders.dataFolder, note.fileName));
    };
    WindowListDialog dialog(m_context.texts, m_context.notes, noteText, this);
    const int outcome = dialog.exec();
    if (outcome == WindowListDialog::Cancel)
        return;
    const settings::Note *shown = m_tabs->selectedNote();
    const int shownSerial = shown ? shown->serial : -1;
    settings::NoteList notes = dialog.notes();
    // A hidden note activated is shown again: it needs a tab to be selected.
    if (const int activated = notes.indexOfSerial(dialog.activatedSerial());
        outcome == WindowListDialog::Activate && activated >= 0)
        notes[activated].visible = true;
    if (!(notes == m_context.notes)) {
        // Order and visibility reach the configuration file at the next save point.
        m_context.notes = std::move(notes);
        m_tabs->rebuildTabs();
        m_tabs->applyDefaultCharFormat();
        m_tabs->loadTab();
        m_tabs->selectTab(m_strip->indexOfSerial(shownSerial), true);
        // The shown note may keep its tab index while the tabs around it moved.
        m_context.settings.value(QStringLiteral("selectedtab")) = QString::number(m_tabs->selectedTab());
        updateTitle();
    }
    if (outcome == WindowListDialog::Activate)
        m_tabs->selectTab(m_strip->indexOfSerial(dialog.activatedSerial()), true);
}

void MainWindow::showNoteProperties()
{
    const settings::Note *note = m_tabs->noteOfTab(m_tabs->targetTab());
    if (!note)
        return;
    const int serial = note->serial;
    TabPropertiesDialog dialog(m_context.texts, *note, m_context.presets, m_context.folders.dataFolder, this);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (dialog.presetsChanged())
        m_context.presets = dialog.presets();
    const int index = m_context.notes.indexOfSerial(serial);
    if (accepted && index >= 0)
        copyStyle(dialog.note(), m_context.notes[index]);
    if (accepted || dialog.presetsChanged()) {
        m_tabs->applyTabColours();
        m_tabs->applyDefaultCharFormat();
        m_tabs->applyBackground();
    }
}

void MainWindow::printCurrentNote()
{
    const settings::Note *note = m_tabs->selectedNote();
    if (!note)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(note->title);
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    const QTextCursor selection = m_editor->textCursor();
    dialog.setOption(QAbstractPrintDialog::PrintSelection, selection.hasSelection());
    if (selection.hasSelection())
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // What the editor shows is printed, saved or not.
    const bool onlySelection = printer.printRange() == QPrinter::Selection && selection.hasSelection();
    const PrintResult result =
        ui::printNote(*m_editor->document(), printer, onlySelection ? selection.selectionStart() : 0,
                      onlySelection ? selection.selectionEnd() : -1);
    const QString caption = QApplication::applicationName();
    if (result.outcome == PrintResult::Outcome::Failed) {
        m_prompts->tell(caption, m_context.texts.text(QStringLiteral("PRINT_FAILED")), WindowPrompts::Icon::Warning);
    } else if (result.outcome == PrintResult::Outcome::Printed && result.pageTooSmall) {
        m_prompts->tell(caption, m_context.texts.text(QStringLiteral("PRINT_PAGETOOSMALL")),
                        WindowPrompts::Icon::Warning);
    }
}

} // namespace tabulet::ui
