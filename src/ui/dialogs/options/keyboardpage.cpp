#include "ui/dialogs/options/keyboardpage.h"

#include "commands/commandcaption.h"
#include "commands/shortcuttext.h"
#include "lang/texttable.h"
#include "plugins/pluginmenu.h"
#include "ui/dialogs/options/optionsservices.h"
#include "ui/dialogs/options/optionswork.h"
#include "ui/dialogs/options/rowlist.h"

#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

constexpr int kColumnWidth = 200;

} // namespace

KeyboardPage::KeyboardPage(OptionsWork &work, lang::TextTable &texts, const commands::KeyNames &keyNames,
                           OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_work(work), m_keyNames(keyNames), m_services(services), m_list(new RowList(this))
{
    m_list->setObjectName(QStringLiteral("shortcuts"));
    m_list->setHeaderLabels({texts.text(QStringLiteral("IDC_COMMAND")), texts.text(QStringLiteral("IDC_HOTKEY"))});
    m_list->setColumnWidth(0, kColumnWidth);
    m_list->setColumnWidth(1, kColumnWidth);

    QList<QTreeWidgetItem *> rows;
    const auto &table = work.commands.commands();
    for (int index = 0; index < static_cast<int>(table.size()); ++index) {
        const commands::Command &command = table[static_cast<std::size_t>(index)];
        if (!command.definition.listed)
            continue;
        auto *row =
            new QTreeWidgetItem({commands::commandCaption(command.definition, texts),
                                 commands::shortcutText(command.shortcut.key, command.shortcut.modifiers, keyNames)});
        row->setData(0, Qt::UserRole, index);
        row->setToolTip(0, QLatin1String(command.definition.name));
        rows.append(row);
    }
    for (const commands::PluginBinding &binding : work.commands.pluginBindings())
        m_pluginNames.append(binding.name);
    m_pluginNames.sort();
    for (int place = 0; place < m_pluginNames.size(); ++place) {
        const commands::PluginBinding *binding = work.commands.pluginBinding(m_pluginNames[place]);
        auto *row =
            new QTreeWidgetItem({plugins::pluginCommandCaption(m_pluginNames[place], texts),
                                 commands::shortcutText(binding->shortcut.key, binding->shortcut.modifiers, keyNames)});
        row->setData(0, Qt::UserRole, kFirstPluginRow + place);
        row->setToolTip(0, m_pluginNames[place]);
        rows.append(row);
    }
    m_list->addTopLevelItems(rows);
    connect(m_list, &QTreeWidget::itemActivated, this, &KeyboardPage::changeShortcut);

    auto *page = new QVBoxLayout(this);
    page->addWidget(new QLabel(texts.text(QStringLiteral("IDC_STATIC_CLICK_COMMANDS")), this));
    page->addWidget(m_list);
}

void KeyboardPage::changeShortcut(QTreeWidgetItem *row)
{
    const int remembered = row->data(0, Qt::UserRole).toInt();
    QString name;
    commands::Shortcut current;
    if (remembered < kFirstPluginRow) {
        const commands::Command &command = m_work.commands.commands()[static_cast<std::size_t>(remembered)];
        name = QLatin1String(command.definition.name);
        current = command.shortcut;
    } else {
        name = m_pluginNames[remembered - kFirstPluginRow];
        current = m_work.commands.pluginBinding(name)->shortcut;
    }
    const std::optional<commands::Shortcut> entered =
        m_services.askShortcut(row->text(0), current, m_work.commands, this);
    if (!entered)
        return;
    m_work.commands.setBinding(name, entered->key, entered->modifiers);
    row->setText(1, commands::shortcutText(entered->key, entered->modifiers, m_keyNames));
}

} // namespace tabulet::ui
