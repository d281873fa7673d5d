#pragma once

#include "ui/editor/findreplace.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The modeless find dialog, and with a replacement field the replace dialog. It only asks: the
// note window carries out each request with the dialog's texts and choices at that moment.
class FindDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Find, Replace };

    // Filled from the last search; its labels in the language where it has them (keys
    // "FINDDIALOG_..."), else in English. Deletes itself when closed.
    FindDialog(Mode mode, const SearchState &last, lang::TextTable &texts, QWidget *parent);

    Mode mode() const { return m_mode; }
    QString findText() const;
    QString replaceText() const;
    SearchOptions options() const;

    // What a search that found nothing and what Replace All tell, in the language where it has
    // these texts, else in English.
    static QString notFoundText(lang::TextTable &texts, const QString &findText);
    static QString replacedText(lang::TextTable &texts, int replaced);
    // Shows how the last request ended under the fields, until the text searched for changes;
    // the empty text clears it.
    void showOutcome(const QString &text);

signals:
    void findNextRequested();
    void replaceRequested();
    void replaceAllRequested();

private:
    void updateButtons();

    Mode m_mode;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QCheckBox *m_wholeWord = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replaceOne = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QLabel *m_outcome = nullptr;
};

} // namespace tabulet::ui
