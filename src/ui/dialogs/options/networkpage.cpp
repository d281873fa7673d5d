#include "ui/dialogs/options/networkpage.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "net/listeningaddress.h"
#include "net/transferheader.h"
#include "settings/textnumber.h"
#include "ui/dialogs/options/numberfield.h"
#include "ui/dialogs/options/optionsservices.h"
#include "ui/dialogs/options/optionswork.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

constexpr int kHighestPort = 65535;

} // namespace

NetworkPage::NetworkPage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_texts(texts), m_services(services),
      m_sender(new QLineEdit(work.settings.value(QStringLiteral("sender")), this)),
      m_listen(new QCheckBox(texts.text(QStringLiteral("IDC_CHECK_LISTEN")), this)),
      m_address(new QLineEdit(work.settings.value(QStringLiteral("listenaddress")), this)),
      m_port(new NumberField(
          std::clamp(settings::leadingNumber(work.settings.value(QStringLiteral("port"))), 0, kHighestPort), this))
{
    m_sender->setObjectName(QStringLiteral("sender"));
    m_listen->setObjectName(QStringLiteral("listen"));
    m_address->setObjectName(QStringLiteral("listenAddress"));
    m_port->setObjectName(QStringLiteral("port"));
    m_port->setMaximumWidth(80);
    m_listen->setChecked(work.settings.flag(QStringLiteral("listenfornotes")));

    auto *send = new QGroupBox(texts.text(QStringLiteral("IDC_STATIC_SEND")), this);
    auto *sendRows = new QFormLayout(send);
    sendRows->addRow(texts.text(QStringLiteral("IDC_STATIC_IDENTIFYAS")), m_sender);

    auto *receive = new QGroupBox(texts.text(QStringLiteral("IDC_STATIC_RECEIVE")), this);
    auto *receiveRows = new QFormLayout(receive);
    receiveRows->addRow(m_listen);
    auto *open = new QLabel(texts.text(QStringLiteral("IDC_STATIC_LISTENOPEN")), this);
    open->setObjectName(QStringLiteral("listenOpen"));
    open->setWordWrap(true);
    receiveRows->addRow(open);
    receiveRows->addRow(texts.text(QStringLiteral("IDC_STATIC_LISTENADDRESS")), m_address);
    receiveRows->addRow(texts.text(QStringLiteral("IDC_STATIC_PORT")), m_port);
    // The listener starts with the program and keeps its port for the run.
    auto *later = new QLabel(texts.text(QStringLiteral("IDC_STATIC_CHANGES")), this);
    later->setWordWrap(true);
    receiveRows->addRow(later);

    auto *page = new QVBoxLayout(this);
    page->addWidget(send);
    page->addWidget(receive);
    page->addStretch();
}

bool NetworkPage::check()
{
    if (!m_port->check(0, kHighestPort, m_texts, m_services.warn))
        return false;
    if (!net::listeningAddress(m_address->text()).isNull())
        return true;
    m_services.warn(lang::formatText(m_texts.text(QStringLiteral("OPTION_LISTENADDRESS")), {m_address->text()}), this);
    m_address->setFocus();
    m_address->selectAll();
    return false;
}

void NetworkPage::write(OptionsWork &work) const
{
    const int port = m_port->number();
    work.settings.value(QStringLiteral("port")) = QString::number(port == 0 ? net::kDefaultPort : port);
    work.settings.value(QStringLiteral("sender")) = m_sender->text();
    work.settings.value(QStringLiteral("listenfornotes")) = m_listen->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    work.settings.value(QStringLiteral("listenaddress")) = m_address->text().trimmed();
}

} // namespace tabulet::ui
