#include "ui/dialogs/newfiledialog.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "ui/dialogs/valuelabel.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

NewFileDialog::NewFileDialog(lang::TextTable &texts, const Offer &offer, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("newFileDialog"));
    setWindowTitle(texts.text(QStringLiteral("IDC_NEW_NOTE")));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(texts.text(QStringLiteral("IDC_STATIC_NEWFILE_RECEIVED")), this));
    if (offer.receivedBytes < offer.sentBytes) {
        auto *incomplete = new QLabel(
            lang::formatText(texts.text(QStringLiteral("NEWFILE_INCOMPLETE")), {offer.receivedBytes, offer.sentBytes}),
            this);
        incomplete->setObjectName(QStringLiteral("incomplete"));
        incomplete->setWordWrap(true);
        layout->addWidget(incomplete);
    }
    auto *fields = new QFormLayout;
    auto *sender = new ValueLabel(offer.sender, this);
    sender->setObjectName(QStringLiteral("sender"));
    m_title = new QLineEdit(offer.title, this);
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setMinimumWidth(260);
    fields->addRow(texts.text(QStringLiteral("IDC_STATIC_SENDER")), sender);
    fields->addRow(texts.text(QStringLiteral("IDC_STATIC_TITLE")), m_title);
    layout->addLayout(fields);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *accept = buttons->addButton(texts.text(QStringLiteral("ID_ACCEPT_NOTE")), QDialogButtonBox::AcceptRole);
    buttons->addButton(texts.text(QStringLiteral("ID_DECLINE_NOTE")), QDialogButtonBox::RejectRole);
    accept->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_title->selectAll();
    m_title->setFocus();
}

QString NewFileDialog::title() const
{
    return m_title->text();
}

} // namespace tabulet::ui
