#include "ui/dialogs/sendfiledialog.h"

#include "lang/formattext.h"
#include "lang/menucaption.h"
#include "lang/texttable.h"
#include "net/connecterror.h"
#include "net/recipient.h"
#include "ui/dialogs/listmanagerdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace tabulet::ui {

SendFileDialog::SendFileDialog(lang::TextTable &texts, Job job, const QString &favorites, QWidget *parent)
    : QDialog(parent), m_texts(texts), m_job(std::move(job)), m_favorites(favorites)
{
    setObjectName(QStringLiteral("sendFileDialog"));
    setWindowTitle(texts.text(QStringLiteral("SENDFILE")));
    auto *layout = new QVBoxLayout(this);
    auto *fields = new QFormLayout;
    m_title = new QLineEdit(m_job.title, this);
    m_title->setObjectName(QStringLiteral("title"));
    m_recipient = new QComboBox(this);
    m_recipient->setObjectName(QStringLiteral("recipient"));
    m_recipient->setEditable(true);
    m_recipient->setInsertPolicy(QComboBox::NoInsert);
    m_recipient->setMinimumWidth(260);
    fields->addRow(texts.text(QStringLiteral("IDC_STATIC_TITLE")), m_title);
    fields->addRow(texts.text(QStringLiteral("IDC_STATIC_RECIPIENT")), m_recipient);
    // The label names the box; the field typed into inside it is read on its own.
    m_recipient->lineEdit()->setAccessibleName(texts.text(QStringLiteral("IDC_STATIC_RECIPIENT")).remove(u'&'));
    layout->addLayout(fields);

    auto *favouriteRow = new QHBoxLayout;
    m_addToFavourites = new QCheckBox(texts.text(QStringLiteral("ADD_TO_FAVORITES")), this);
    m_addToFavourites->setObjectName(QStringLiteral("addToFavorites"));
    auto *manage = new QPushButton(texts.text(QStringLiteral("IDC_BUTTON_MANAGE_FAVORITES")), this);
    manage->setObjectName(QStringLiteral("manageFavorites"));
    favouriteRow->addWidget(m_addToFavourites);
    favouriteRow->addStretch();
    favouriteRow->addWidget(manage);
    layout->addLayout(favouriteRow);

    layout->addWidget(new QLabel(texts.text(QStringLiteral("IDC_STATIC_PROGRESS")), this));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    auto *buttons = new QHBoxLayout;
    m_send = new QPushButton(texts.text(QStringLiteral("IDC_SEND")), this);
    m_send->setObjectName(QStringLiteral("send"));
    m_send->setDefault(true);
    m_cancel = new QPushButton(texts.text(QStringLiteral("IDCANCEL")), this);
    buttons->addStretch();
    buttons->addWidget(m_send);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);

    connect(manage, &QPushButton::clicked, this, &SendFileDialog::manageFavourites);
    connect(m_send, &QPushButton::clicked, this, &SendFileDialog::send);
    connect(m_cancel, &QPushButton::clicked, this, &SendFileDialog::reject);
    fillRecipients();
    m_recipient->setCurrentText(QString());
    m_recipient->setFocus();
}

SendFileDialog::~SendFileDialog()
{
    // The worker reads the job and reports to this dialog until it ends.
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
    }
}

void SendFileDialog::reject()
{
    // A send under way ends by itself, within the sender's stall time-out at the latest.
    if (!m_worker)
        QDialog::reject();
}

void SendFileDialog::fillRecipients()
{
    const QString typed = m_recipient->currentText();
    QStringList entries = net::favouriteEntries(m_favorites);
    entries.sort(Qt::CaseInsensitive);
    m_recipient->clear();
    m_recipient->addItems(entries);
    m_recipient->setCurrentText(typed);
}

void SendFileDialog::manageFavourites()
{
    ListManagerDialog manager(m_texts,
                              lang::captionOfMenuText(m_texts.text(QStringLiteral("IDC_BUTTON_MANAGE_FAVORITES"))),
                              net::favouriteEntries(m_favorites), QStringLiteral("ADD_NEW_RECPIENT"), this);
    if (manager.exec() != QDialog::Accepted)
        return;
    m_favorites = net::favoritesText(manager.entries());
    fillRecipients();
}

void SendFileDialog::send()
{
    const QString recipientText = m_recipient->currentText().trimmed();
    if (m_addToFavourites->isChecked())
        m_favorites = net::withFavourite(m_favorites, recipientText);
    const std::optional<net::Recipient> recipient = net::parseRecipient(recipientText);
    if (!recipient)
        return;
    m_send->setEnabled(false);
    m_cancel->setEnabled(false);
    net::TransferHeader header;
    header.sender = net::encodeTextField(m_job.sender);
    header.title = net::encodeTextField(m_title->text());
    m_worker = QThread::create([this, path = m_job.filePath, to = *recipient, header] {
        const net::SendResult result = net::sendNoteFile(path, to, header, [this](int percent) {
            QMetaObject::invokeMethod(m_progress, [this, percent] { m_progress->setValue(percent); });
        });
        QMetaObject::invokeMethod(this, [this, result] { sendingEnded(result); });
    });
    m_worker->start();
}

void SendFileDialog::sendingEnded(const net::SendResult &result)
{
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    m_result = result;
    if (result.sent()) {
        QMessageBox(QMessageBox::Information, windowTitle(),
                    lang::formatText(m_texts.text(QStringLiteral("SENDFILE_SENT")),
                                     {m_title->text(), m_recipient->currentText().trimmed()}),
                    QMessageBox::Ok, this)
            .exec();
    } else {
        // One box: why the connection failed, when that is known, and that nothing was sent.
        const QString why = net::connectErrorText(result.connectError, m_texts);
        const QString notSent = m_texts.text(QStringLiteral("SENDFILE_FAILED"));
        QMessageBox(QMessageBox::Critical, m_texts.text(QStringLiteral("DIALOG_ERROR")),
                    why.isEmpty() ? notSent : why + u'\n' + notSent, QMessageBox::Ok, this)
            .exec();
    }
    QDialog::reject();
}

} // namespace tabulet::ui
