#pragma once

#include "net/notesender.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QThread;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// Sends one note's file to another running copy: the user picks a recipient ("host" or
// "host:port", typed or from the favourites) and may change the title that goes with it. The
// send runs on a worker thread while the progress bar moves; a box says whether the note went
// out, and the dialog closes.
class SendFileDialog final : public QDialog
{
    Q_OBJECT
public:
    struct Job
    {
        QString filePath; // the note's file as last saved
        QString title;
        QString sender; // the option "sender"
    };

    SendFileDialog(lang::TextTable &texts, Job job, const QString &favorites, QWidget *parent = nullptr);
    ~SendFileDialog() override;

    // The option "favorites" as the user left it (changed by the manager or by adding).
    const QString &favorites() const { return m_favorites; }
    // Set when the send has ended: whether every byte went out.
    std::optional<net::SendResult> result() const { return m_result; }

    void reject() override;

private:
    void fillRecipients();
    void manageFavourites();
    void send();
    void sendingEnded(const net::SendResult &result);

    lang::TextTable &m_texts;
    Job m_job;
    QString m_favorites;
    QLineEdit *m_title = nullptr;
    QComboBox *m_recipient = nullptr;
    QCheckBox *m_addToFavourites = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_send = nullptr;
    QPushButton *m_cancel = nullptr;
    QThread *m_worker = nullptr;
    std::optional<net::SendResult> m_result;
};

} // namespace tabulet::ui
