#pragma once

#include "commands/commandid.h"
#include "ui/dialogs/finddialog.h"
#include "ui/editor/findreplace.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QWidget;

namespace tabulet::ui {

struct ApplicationContext;
class AutoFormatter;
class NoteEditor;
class NoteTabs;

// The dialogs the editing commands ask through, so that the commands run without a person.
class EditingDialogs
{
public:
    virtual ~EditingDialogs() = default;

    // The font dialog; nothing when cancelled.
    virtual std::optional<QFont> askFont(const QFont &initial) = 0;
    // The colour dialog with pure red chosen and the shared custom colours; nothing when cancelled.
    virtual std::optional<QColor> askColour() = 0;
    // The save dialog for an export, proposing a file name; the empty text when cancelled.
    virtual QString askExportFile(const QString &proposedName, const QStringList &filters) = 0;
};

// The platform's font, colour and save-file dialogs over the note window.
class StandardEditingDialogs final : public EditingDialogs
{
public:
    explicit StandardEditingDialogs(QWidget *parent) : m_parent(parent) {}

    std::optional<QFont> askFont(const QFont &initial) override;
    std::optional<QColor> askColour() override;
    QString askExportFile(const QString &proposedName, const QStringList &filters) override;

private:
    QWidget *m_parent;
    QString m_exportFolder;
};

// The editing commands of the note window that go beyond a format toggle: clearing styles, the
// font and colour dialogs, sorting, find and replace, paste as text and export; and the
// automatic formatting while the user types. Every change marks the selected note modified.
class EditingCommands final : public QObject
{
    Q_OBJECT
public:
    EditingCommands(ApplicationContext &context, NoteTabs &tabs, NoteEditor &editor, QWidget &window);
    ~EditingCommands() override;

    // Carries out the command when it is one of these; false when it is not.
    bool run(commands::CommandId id);

    void setDialogs(std::unique_ptr<EditingDialogs> dialogs);
    // What sounds when a search finds nothing (the system's question sound unless replaced); the
    // search also says so in words.
    void setSound(std::function<void()> sound);

    const SearchState &searchState() const { return m_search; }
    // The open find or replace dialog, null when none is open.
    FindDialog *findDialog() const { return m_findDialog; }

signals:
    // The selection's format changed: the format buttons follow.
    void formatChanged();
    // An export could not be written to `path`.
    void exportFailed(const QString &path);

private:
    void chooseFont();
    void chooseColour(commands::CommandId id);
    void openFindDialog(FindDialog::Mode mode);
    void takeDialogChoices();
    void searchOnce(SearchOptions options);
    void replaceOnce();
    void replaceEverywhere();
    // In the open find dialog, else as a tip at the text cursor; the empty text clears it.
    void tellOutcome(const QString &text);
    void repeatSearch(bool downward);
    void pasteTextOnly();
    void exportNote();
    void changed();

    ApplicationContext &m_context;
    NoteTabs &m_tabs;
    NoteEditor &m_editor;
    QWidget &m_window;
    std::unique_ptr<EditingDialogs> m_dialogs;
    std::function<void()> m_sound;
    AutoFormatter *m_autoFormatter = nullptr;
    SearchState m_search;
    QPointer<FindDialog> m_findDialog;
};

} // namespace tabulet::ui
