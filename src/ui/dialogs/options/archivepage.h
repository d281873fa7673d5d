#pragma once

#include "ui/dialogs/options/optionspage.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class NumberField;
struct OptionsServices;

// The archive page: automatic archiving every so many days (silent or not), deleting archives
// older than so many days, and the folder archives go to. Each number field and its labels work
// only while its check box is ticked; the folder field only while the default folder is not used.
class ArchivePage final : public OptionsPage
{
    Q_OBJECT
public:
    static constexpr int kMaxDays = 9999;

    ArchivePage(const OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent = nullptr);

    // Both numbers within 0 to 9999.
    bool check() override;
    void write(OptionsWork &work) const override;

private:
    void updateEnabled();
    void browse();

    lang::TextTable &m_texts;
    OptionsServices &m_services;
    QCheckBox *m_autoArchive;
    QLabel *m_every;
    NumberField *m_createInterval;
    QLabel *m_everyDays;
    QCheckBox *m_silent;
    QCheckBox *m_deleteOld;
    QLabel *m_olderThan;
    NumberField *m_deleteInterval;
    QLabel *m_olderDays;
    QCheckBox *m_defaultFolder;
    QLineEdit *m_folder;
    QPushButton *m_browse;
};

} // namespace tabulet::ui
