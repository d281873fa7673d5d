#pragma once

#include "ui/dialogs/options/optionspage.h"

#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace tabulet::commands {
class KeyNames;
}
namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

struct OptionsServices;

// The keyboard page: every listed command by its caption in the current language with its
// shortcut, then the plug-ins' bindings by their entries' menu texts; a row's tool tip is the
// name the configuration stores. Activating a row asks for a new shortcut and gives it to the work's
// bindings at once; the sheet's Cancel drops them with the rest of the work.
class KeyboardPage final : public OptionsPage
{
    Q_OBJECT
public:
    // Rows of plug-in bindings remember this number plus their place; command rows their index.
    static constexpr int kFirstPluginRow = 1000;

    // work must outlive the page: its bindings are edited in place.
    KeyboardPage(OptionsWork &work, lang::TextTable &texts, const commands::KeyNames &keyNames,
                 OptionsServices &services, QWidget *parent = nullptr);

    // The bindings are already in the work.
    void write(OptionsWork &) const override {}

    QTreeWidget &list() { return *m_list; }

private:
    void changeShortcut(QTreeWidgetItem *row);

    OptionsWork &m_work;
    const commands::KeyNames &m_keyNames;
    OptionsServices &m_services;
    QStringList m_pluginNames; // sorted, as the rows show them
    QTreeWidget *m_list;
};

} // namespace tabulet::ui
