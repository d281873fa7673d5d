#pragma once

#include "ui/dialogs/options/optionspage.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

struct OptionsServices;

// The plug-ins page: every plug-in with "Enabled" or "Disabled". Activating a row shows the
// plug-in's details; closing them with the state button flips the work's flag, which the
// plug-ins act on from the next start.
class PluginsPage final : public OptionsPage
{
    Q_OBJECT
public:
    // work must outlive the page: its flags are edited in place.
    PluginsPage(OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent = nullptr);

    // The flags are already in the work.
    void write(OptionsWork &) const override {}

    QTreeWidget &list() { return *m_list; }

private:
    void showDetails(QTreeWidgetItem *row);
    QString stateText(bool enabled) const;

    OptionsWork &m_work;
    OptionsServices &m_services;
    QString m_enabled;
    QString m_disabled;
    QTreeWidget *m_list;
};

} // namespace tabulet::ui
