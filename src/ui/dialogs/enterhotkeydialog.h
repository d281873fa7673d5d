#pragma once

#include "commands/commandtable.h"

#include <QDialog>

class QLabel;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class MyHotKeyCtrl;

// Asks for a shortcut: what it is for, the shortcut field, a line naming the command or the
// plug-in's command that already uses the combination (which does not block OK), OK and Cancel.
// Escape cancels.
class EnterHotkeyDialog final : public QDialog
{
    Q_OBJECT
public:
    // boundTo: what the shortcut is for, as the user sees it (a command, a plug-in). table: a
    // copy of the command table to look for conflicts in (the options dialog passes the one it
    // edits); texts and keyNames must outlive the dialog.
    EnterHotkeyDialog(const QString &boundTo, int key, commands::Modifiers modifiers, commands::CommandTable table,
                      lang::TextTable &texts, const commands::KeyNames &keyNames, QWidget *parent = nullptr);

    // The field's key and modifiers (what OK hands back).
    int key() const;
    commands::Modifiers modifiers() const;
    // The conflict line naming the command that has the shortcut by its caption, or empty.
    QString conflictText() const;
    MyHotKeyCtrl &field() { return *m_field; }

private:
    void showConflict();

    commands::CommandTable m_table;
    lang::TextTable &m_texts;
    MyHotKeyCtrl *m_field;
    QLabel *m_conflict;
};

} // namespace tabulet::ui
