#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QListWidget;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// Edits a list of names: add (asking with a prompt), delete the selected one. OK hands back the
// list as shown; Cancel leaves the caller's list as it was.
class ListManagerDialog final : public QDialog
{
    Q_OBJECT
public:
    // addPromptKey: the text key of the question the add button asks.
    ListManagerDialog(lang::TextTable &texts, const QString &caption, const QStringList &entries,
                      const QString &addPromptKey, QWidget *parent = nullptr);

    QStringList entries() const;

    // Where the add button gets a new name; an input box unless replaced (by tests).
    void setAskForEntry(std::function<std::optional<QString>(const QString &prompt)> ask);

private:
    void addEntry();
    void deleteSelected();

    QListWidget *m_list = nullptr;
    QString m_addPrompt;
    std::function<std::optional<QString>(const QString &)> m_askForEntry;
};

} // namespace tabulet::ui
