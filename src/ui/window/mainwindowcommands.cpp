// The commands of the note window and the flows behind them.
#include "ui/window/mainwindow.h"

#include "lang/formattext.h"
#include "lang/menucaption.h"
#include "settings/notefiles.h"
#include "settings/noterules.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/helppage.h"
#include "ui/dialogs/helpwindow.h"
#include "ui/dialogs/tipdialog.h"
#include "ui/dialogs/versioncheck.h"
#include "ui/editor/formattoggles.h"
#include "ui/editor/noteeditor.h"
#include "ui/menus/menuitems.h"
#include "ui/skin/skin.h"
#include "ui/window/editingcommands.h"
#include "ui/window/mainwindowprompts.h"
#include "ui/window/tabstrip.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>

#include <map>

namespace tabulet::ui {

namespace {

using commands::CommandId;

// Tab names are read back from the strip up to this length, as the name dialog shows them.
constexpr int kMaxShownTabName = 100;

// Clears a flag for the life of a dialog.
class FlagCleared final
{
public:
    explicit FlagCleared(bool &flag) : m_flag(flag) { m_flag = false; }
    ~FlagCleared() { m_flag = true; }
    FlagCleared(const FlagCleared &) = delete;
    FlagCleared &operator=(const FlagCleared &) = delete;

private:
    bool &m_flag;
};

} // namespace

void MainWindow::runCommand(CommandId id)
{
    switch (id) {
    case CommandId::ChangeToPrevTab:
    case CommandId::ChangeToPrevTab1:
        m_tabs->stepTab(-1);
        break;
    case CommandId::ChangeToNextTab:
    case CommandId::ChangeToNextTab1:
        m_tabs->stepTab(+1);
        break;
    case CommandId::NewTab:
        newTab();
        break;
    case CommandId::ToggleWordWrap:
        toggleWordWrap();
        break;
    case CommandId::WindowOnTop:
        toggleOnTop();
        break;
    case CommandId::Exit:
        exitWithQuestion();
        break;
    case CommandId::Minimize:
        minimise();
        break;
    case CommandId::DeleteDocument:
        removeTab(NoteTabs::Removal::Delete);
        break;
    case CommandId::HideDocument:
        removeTab(NoteTabs::Removal::Hide);
        break;
    case CommandId::Copy:
        m_editor->copy();
        break;
    case CommandId::Cut:
        m_editor->cut();
        break;
    case CommandId::Paste:
        m_editor->paste();
        break;
    case CommandId::ShowMenu:
        m_menus->showMainMenu(QCursor::pos());
        break;
    case CommandId::SelectFont:
    case CommandId::SelectTextColor:
    case CommandId::SelectBackgroundColor:
    case CommandId::SaveCopy: {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        m_editing->run(id);
        break;
    }
    case CommandId::About: {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        AboutDialog(m_context.texts, m_context.folders.dataFolder, this).exec();
        break;
    }
    case CommandId::ViewDocumentList: {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        showDocumentList();
        break;
    }
    case CommandId::Properties: {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        showNoteProperties();
        break;
    }
    case CommandId::Print: {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        printCurrentNote();
        break;
    }
    case CommandId::ShowOptions: {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        showOptions();
        break;
    }
    case CommandId::ShowArchives: {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        showArchives();
        break;
    }
    case CommandId::ShowHelp: {
        const QString locale = m_context.texts.text(QStringLiteral("LOCALE"));
        if (openHelpPage(m_context.folders.programFolder, locale))
            break;
        // Nothing on this desktop opens web pages: the program shows the page itself.
        const QString page = helpPagePath(m_context.folders.programFolder, locale);
        if (QFileInfo(page).isFile())
            showHelpWindow(m_context.texts, page, this);
        else
            m_prompts->tell(m_context.texts.text(QStringLiteral("DIALOG_ERROR")), QDir::toNativeSeparators(page),
                            WindowPrompts::Icon::Error);
        break;
    }
    case CommandId::ShowTips:
        showTipOfTheDay(m_context, this);
        break;
    case CommandId::CheckForNewVersion:
        if (const auto message = checkForNewVersion(m_context.texts, false, QApplication::applicationVersion())) {
            const FlagCleared checking(m_acceptsIncoming);
            m_prompts->tell(message->caption, message->text, WindowPrompts::Icon::Information);
        }
        break;
    default:
        if (!m_editing->run(id))
            runFormatCommand(id);
        break;
    }
    // A note that came while a command's dialog was open is offered now.
    if (m_waitingNote)
        QMetaObject::invokeMethod(this, &MainWindow::offerWaitingNote, Qt::QueuedConnection);
}

void MainWindow::runMenuItem(int id)
{
    if (const auto command = commandOfMenuItem(id))
        runCommand(*command);
    else if (id == kRenameTabItem)
        renameTab();
    else if (id == kResetPositionItem)
        resetPosition(*this);
    else if (id == kSendNoteItem)
        sendTargetNote();
}

void MainWindow::runFormatCommand(CommandId id)
{
    static const std::map<CommandId, CharacterToggle> toggles{
        {CommandId::MakeSelectionBold, CharacterToggle::Bold},
        {CommandId::MakeSelectionItalics, CharacterToggle::Italic},
        {CommandId::MakeSelectionUnderline, CharacterToggle::Underline},
        {CommandId::MakeSelectionStrikeout, CharacterToggle::StrikeOut},
        {CommandId::MakeSelectionSuperscript, CharacterToggle::Superscript},
        {CommandId::MakeSelectionSubscript, CharacterToggle::Subscript},
        {CommandId::MakeSelectionAllcaps, CharacterToggle::AllCapitals},
        {CommandId::MakeSelectionSmallcaps, CharacterToggle::SmallCapitals},
    };
    static const std::map<CommandId, rtf::Alignment> alignments{
        {CommandId::AlignLeft, rtf::Alignment::Left},
        {CommandId::AlignCenter, rtf::Alignment::Centre},
        {CommandId::AlignRight, rtf::Alignment::Right},
    };
    if (!m_tabs->selectedNote())
        return;
    if (const auto toggle = toggles.find(id); toggle != toggles.end())
        toggleCharacter(*m_editor, toggle->second);
    else if (const auto alignment = alignments.find(id); alignment != alignments.end())
        alignParagraphs(*m_editor, alignment->second);
    else if (id == CommandId::MakeSelectionBulleted)
        toggleNumbering(*m_editor, rtf::Numbering::Bullet);
    else if (id == CommandId::MakeSelectionNumbered)
        toggleNumbering(*m_editor, rtf::Numbering::Arabic);
    else
        return;
    m_tabs->markModified();
    syncFormatButtons();
}

void MainWindow::syncFormatButtons()
{
    const SelectionFormat format = selectionFormat(*m_editor);
    const auto show = [this](const char *command, const std::optional<bool> &selected) {
        if (selected)
            m_skin->setButtonSelected(QString::fromLatin1(command), *selected);
    };
    show("makeSelectionItalics", format.italic);
    show("makeSelectionBold", format.bold);
    show("makeSelectionUnderline", format.underline);
    show("makeSelectionStrikeout", format.strikeOut);
    if (format.numbering) {
        show("makeSelectionNumbered", *format.numbering == rtf::Numbering::Arabic);
        show("makeSelectionBulleted", *format.numbering == rtf::Numbering::Bullet);
    }
    if (format.alignment) {
        show("alignLeft", *format.alignment == rtf::Alignment::Left);
        show("alignCenter", *format.alignment == rtf::Alignment::Centre);
        show("alignRight", *format.alignment == rtf::Alignment::Right);
    }
}

void MainWindow::newTab()
{
    std::optional<QString> name;
    {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        name =
            m_prompts->askName(lang::captionOfMenuText(m_context.texts.text(QStringLiteral("ID_NEWTAB"))), QString());
    }
    if (!name)
        return;
    const int serial = settings::createNote(m_context.notes, m_context.folders.dataFolder, *name);
    if (serial < 0) {
        reportNoteFileProblem(QStringLiteral("ERROR_NOTENOTCREATED"), m_context.folders.dataFolder);
        return;
    }
    m_tabs->addTab(serial, *name);
}

void MainWindow::renameTab()
{
    const int tab = m_tabs->targetTab();
    if (tab < 0 || tab >= m_tabs->tabCount())
        return;
    std::optional<QString> name;
    {
        const FlagCleared dialogOpen(m_acceptsIncoming);
        name = m_prompts->askName(lang::captionOfMenuText(m_context.texts.text(QStringLiteral("ID__RENAMETAB"))),
                                  m_strip->tabText(tab).left(kMaxShownTabName));
    }
    if (name)
        m_tabs->renameTab(tab, *name);
}

void MainWindow::removeTab(NoteTabs::Removal removal)
{
    const int tab = m_tabs->targetTab();
    if (tab < 0 || tab >= m_tabs->tabCount())
        return;
    auto &texts = m_context.texts;
    if (!settings::canRemoveTab(m_tabs->tabCount())) {
        m_prompts->tell(QApplication::applicationName(), texts.text(QStringLiteral("ERROR_CANTDELETELASTTAB")),
                        WindowPrompts::Icon::None);
        return;
    }
    if (removal == NoteTabs::Removal::Hide) {
        if (m_prompts->confirm(QString(), texts.text(QStringLiteral("CONFIRM_HIDE"))))
            m_tabs->removeTab(tab, removal);
        return;
    }
    // Deleting removes the note's file: the question names the note, and No is the answer Enter gives.
    const settings::Note *note = m_tabs->noteOfTab(tab);
    if (m_prompts->askBeforeLoss(
            lang::captionOfMenuText(texts.text(QStringLiteral("ID_DELETE_TAB"))),
            lang::formatText(texts.text(QStringLiteral("CONFIRM_DELETE")), {note ? note->title : QString()})))
        m_tabs->removeTab(tab, removal);
}

void MainWindow::openTabMenu(int tab, const QPoint &globalPosition)
{
    m_tabs->setContextTab(tab);
    if (m_showTabMenu)
        m_showTabMenu(globalPosition);
    // The menu's choice has run: later commands act on the selected tab again.
    m_tabs->setContextTab(-1);
}

void MainWindow::toggleWordWrap()
{
    QString &wrap = m_context.settings.value(QStringLiteral("wordwrap"));
    wrap = wrap == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1");
    m_editor->setWrapAtEdge(wrap == QLatin1String("1"));
    saveConfiguration();
}

void MainWindow::toggleOnTop()
{
    toggleTopmost(*this);
    m_skin->setButtonSelected(QStringLiteral("windowOnTop"), isTopmost(*this));
}

void MainWindow::minimise()
{
    saveAll();
    m_hidden = true;
    hide();
}

bool MainWindow::mayEndWithUnsavedNote()
{
    const settings::Note *shown = m_tabs->selectedNote();
    if (!shown || m_tabs->saveTab())
        return true;
    const QString path = settings::noteFilePath(m_context.folders.dataFolder, shown->fileName);
    return m_prompts->askBeforeLoss(
        QApplication::applicationName(),
        lang::formatText(m_context.texts.text(QStringLiteral("QUIT_UNSAVED")), {QDir::toNativeSeparators(path)}));
}

void MainWindow::exitWithQuestion()
{
    if (!mayEndWithUnsavedNote())
        return;
    if (m_context.settings.value(QStringLiteral("confirmexit")) != QLatin1String("0") &&
        !m_prompts->confirm(QApplication::applicationName(), m_context.texts.text(QStringLiteral("REALLYQUIT")))) {
        return;
    }
    close();
}

} // namespace tabulet::ui
