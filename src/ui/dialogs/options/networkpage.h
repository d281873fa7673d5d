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
// ("listenfornotes") and the port listened on ("port"; 0 means the default 1614).
class NetworkPage final : public OptionsPage
{
    Q_OBJECT
public:
    NetworkPage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent = nullptr);

    // The port must be one a listener can open: 0 to 65535.
    bool check() override;
    void write(OptionsWork &work) const override;

private:
    lang::TextTable &m_texts;
    OptionsServices &m_services;
    QLineEdit *m_sender;
    QCheckBox *m_listen;
    NumberField *m_port;
};

} // namespace tabulet::ui
