#pragma once

#include "ui/dialogs/options/optionspage.h"

class QCheckBox;
class QLineEdit;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class NumberField;
struct OptionsServices;

// The network page: the name sent with notes ("sender"), listening for notes
// ("listenfornotes"), the address listened on ("listenaddress"; empty for every address) and
// the port ("port"; 0 means the default 1614). It says that the listener asks no sender who
// they are.
class NetworkPage final : public OptionsPage
{
    Q_OBJECT
public:
    NetworkPage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent = nullptr);

    // The port must be one a listener can open: 0 to 65535; the address empty or one address.
    bool check() override;
    void write(OptionsWork &work) const override;

private:
    lang::TextTable &m_texts;
    OptionsServices &m_services;
    QLineEdit *m_sender;
    QCheckBox *m_listen;
    QLineEdit *m_address;
    NumberField *m_port;
};

} // namespace tabulet::ui
