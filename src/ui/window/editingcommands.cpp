#include "ui/window/editingcommands.h"

#include "settings/note.h"
#include "ui/applicationcontext.h"
#include "ui/editor/editingautoformat.h"
#include "ui/editor/editingexport.h"
#include "ui/editor/editingsort.h"
#include "ui/editor/editingstyles.h"
#include "ui/editor/noteeditor.h"
#include "ui/window/mainwindowtabs.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QToolTip>

namespace tabulet::ui {

using commands::CommandId;

std::optional<QFont> StandardEditingDialogs::askFont(const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> StandardEditingDialogs::askColour()
{
    installCustomColours();
    const QColor colour = QColorDialog::getColor(Qt::red, m_parent);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

QString StandardEditingDialogs::askExportFile(const QString &proposedName, const QStringList &filters)
{
    if (m_exportFolder.isEmpty())
        m_exportFolder = QDir::homePath();
    QFileDialog dialog(m_parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    dialog.setDirectory(m_exportFolder);
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString file = dialog.selectedFiles().constFirst();
    m_exportFolder = QFileInfo(file).absolutePath();
    return file;
}

EditingCommands::EditingCommands(ApplicationContext &context, NoteTabs &tabs, NoteEditor &editor, QWidget &window)
    : QObject(&window), m_context(context), m_tabs(tabs), m_editor(editor), m_window(window),
      m_dialogs(std::make_unique<StandardEditingDialogs>(&window)), m_sound([] { QApplication::beep(); })
{
    m_autoFormatter = new AutoFormatter(
        editor, [this] { return m_context.settings.flag(QStringLiteral("autoformat")); }, this);
}

EditingCommands::~EditingCommands() = default;

void EditingCommands::setDialogs(std::unique_ptr<EditingDialogs> dialogs)
{
    m_dialogs = std::move(dialogs);
}

void EditingCommands::setSound(std::function<void()> sound)
{
    m_sound = std::move(sound);
}

bool EditingCommands::run(CommandId id)
{
    switch (id) {
    case CommandId::ClearAllStyles:
    case CommandId::SelectFont:
    case CommandId::SelectTextColor:
    case CommandId::SelectBackgroundColor:
    case CommandId::SortAscending:
    case CommandId::SortDescending:
    case CommandId::Search:
    case CommandId::Replace:
    case CommandId::SearchNext:
    case CommandId::SearchPrev:
    case CommandId::PasteTextOnly:
    case CommandId::SaveCopy:
        break;
    default:
        return false;
    }
    if (!m_tabs.selectedNote())
        return true;
    // Only what the user types or pastes is formatted on the way.
    std::optional<AutoFormatter::Pause> pause;
    if (id != CommandId::PasteTextOnly)
        pause.emplace(*m_autoFormatter);
    switch (id) {
    case CommandId::ClearAllStyles:
        clearStyles(m_editor);
        changed();
        break;
    case CommandId::SelectFont:
        chooseFont();
        break;
    case CommandId::SelectTextColor:
    case CommandId::SelectBackgroundColor:
        chooseColour(id);
        break;
    case CommandId::SortAscending:
    case CommandId::SortDescending:
        if (sortLines(m_editor, id == CommandId::SortAscending ? SortOrder::Ascending : SortOrder::Descending))
            m_tabs.markModified();
        break;
    case CommandId::Search:
        openFindDialog(FindDialog::Mode::Find);
        break;
    case CommandId::Replace:
        openFindDialog(FindDialog::Mode::Replace);
        break;
    case CommandId::SearchNext:
    case CommandId::SearchPrev:
        repeatSearch(id == CommandId::SearchNext);
        break;
    case CommandId::PasteTextOnly:
        pasteTextOnly();
        break;
    default:
        exportNote();
        break;
    }
    return true;
}

void EditingCommands::changed()
{
    m_tabs.markModified();
    emit formatChanged();
}

void EditingCommands::chooseFont()
{
    if (const std::optional<QFont> font = m_dialogs->askFont(selectionFont(m_editor))) {
        applyFont(m_editor, *font);
        changed();
    }
}

void EditingCommands::chooseColour(CommandId id)
{
    const std::optional<QColor> colour = m_dialogs->askColour();
    if (!colour)
        return;
    if (id == CommandId::SelectTextColor)
        applyTextColour(m_editor, *colour);
    else
        applyFillColour(m_editor, *colour);
    changed();
}

void EditingCommands::openFindDialog(FindDialog::Mode mode)
{
    if (m_findDialog)
        return;
    m_findDialog = new FindDialog(mode, m_search, m_context.texts, &m_window);
    connect(m_findDialog, &FindDialog::findNextRequested, this, [this] {
        takeDialogChoices();
        searchOnce(SearchOptions::fromFlags(m_search.flags));
    });
    connect(m_findDialog, &FindDialog::replaceRequested, this, &EditingCommands::replaceOnce);
    connect(m_findDialog, &FindDialog::replaceAllRequested, this, &EditingCommands::replaceEverywhere);
    m_findDialog->show();
}

void EditingCommands::takeDialogChoices()
{
    const FindDialog *dialog = m_findDialog;
    if (!dialog)
        return;
    m_search.findText = dialog->findText();
    if (dialog->mode() == FindDialog::Mode::Replace)
        m_search.replaceText = dialog->replaceText();
    m_search.flags = dialog->options().flags();
}

void EditingCommands::searchOnce(SearchOptions options)
{
    m_search.flags = options.flags();
    if (searchStep(m_editor, m_search.findText, options) != SearchResult::NotFound) {
        tellOutcome(QString());
        return;
    }
    m_sound();
    tellOutcome(FindDialog::notFoundText(m_context.texts, m_search.findText));
}

void EditingCommands::tellOutcome(const QString &text)
{
    if (m_findDialog)
        m_findDialog->showOutcome(text);
    else if (!text.isEmpty())
        QToolTip::showText(m_editor.viewport()->mapToGlobal(m_editor.cursorRect().bottomLeft()), text, &m_editor);
}

void EditingCommands::replaceOnce()
{
    const AutoFormatter::Pause pause(*m_autoFormatter);
    takeDialogChoices();
    const SearchOptions options = SearchOptions::fromFlags(m_search.flags);
    if (replaceSelection(m_editor, m_search.findText, m_search.replaceText, options))
        m_tabs.markModified();
    searchOnce(options);
}

void EditingCommands::replaceEverywhere()
{
    const AutoFormatter::Pause pause(*m_autoFormatter);
    takeDialogChoices();
    const int replaced =
        replaceAll(m_editor, m_search.findText, m_search.replaceText, SearchOptions::fromFlags(m_search.flags));
    if (replaced > 0)
        m_tabs.markModified();
    tellOutcome(FindDialog::replacedText(m_context.texts, replaced));
    // Everything was replaced: the search has come round to where it began.
    m_sound();
}

void EditingCommands::repeatSearch(bool downward)
{
    SearchOptions options = SearchOptions::fromFlags(m_search.flags);
    options.downward = downward;
    searchOnce(options);
}

void EditingCommands::pasteTextOnly()
{
    const QString text = QApplication::clipboard()->text();
    if (text.isEmpty() || m_editor.isReadOnly())
        return;
    QTextCursor cursor = m_editor.textCursor();
    cursor.insertText(text);
    m_editor.setTextCursor(cursor);
    m_editor.ensureCursorVisible();
    m_tabs.markModified();
}

void EditingCommands::exportNote()
{
    m_tabs.saveTab();
    const settings::Note *note =
        m_tabs.noteOfTab(m_tabs.contextTab() >= 0 ? m_tabs.contextTab() : m_tabs.selectedTab());
    if (!note)
        return;
    const QString path = m_dialogs->askExportFile(exportFileName(note->title), exportFilters(m_context.texts));
    if (path.isEmpty())
        return;
    if (!writeExport(path, exportBytes(m_editor, exportFormatOf(path))))
        emit exportFailed(path);
}

} // namespace tabulet::ui
