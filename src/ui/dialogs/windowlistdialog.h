#pragma once

#include "rtf/notetextcache.h"
#include "settings/notelist.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The document list: every note with its visibility, to reorder them, show or hide them and jump
// to one. It works on a copy of the note list; exec() returns an Outcome, and for Ok and Activate
// notes() is the edited copy. The search field at the top keeps the notes whose title or text
// holds every word typed, ignoring case and accents; Enter there activates the first of them.
class WindowListDialog final : public QDialog
{
    Q_OBJECT
public:
    enum Outcome { Cancel = 0, Ok = 1, Activate = 2 };
    // A note's text for the search, valid until the next call; nullptr when there is none.
    using NoteText = std::function<const rtf::NoteTextCache::Text *(const settings::Note &)>;

    WindowListDialog(lang::TextTable &texts, const settings::NoteList &notes, NoteText noteText,
                     QWidget *parent = nullptr);

    const settings::NoteList &notes() const { return m_notes; }
    // The serial of the note to show after Activate; -1 when no row was chosen.
    int activatedSerial() const { return m_activatedSerial; }

    // The buttons' actions.
    void toggleShown();
    void moveSelected(int step);
    void activate();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillList();
    // The rows the filters and the search keep, without a selection.
    void addRows();
    // Whether the note holds every word, and the excerpt around the first word found in its text.
    bool matches(const settings::Note &note, const QStringList &words, QString &excerpt) const;
    void updateButtons();
    int selectedRow() const;
    QString statusText(const settings::Note &note) const;
    // The row's status text and its look: a hidden note's row is marked.
    void markShown(QTreeWidgetItem &row, const settings::Note &note) const;

    lang::TextTable &m_texts;
    settings::NoteList m_notes;
    NoteText m_noteText;
    int m_activatedSerial = -1;
    QLineEdit *m_search = nullptr;
    QTreeWidget *m_list = nullptr;
    QCheckBox *m_showVisible = nullptr;
    QCheckBox *m_showHidden = nullptr;
    QPushButton *m_activate = nullptr;
    QPushButton *m_showHide = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
};

} // namespace tabulet::ui
