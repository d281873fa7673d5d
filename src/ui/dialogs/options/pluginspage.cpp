#include "ui/dialogs/options/pluginspage.h"

#include "lang/texttable.h"
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

PluginsPage::PluginsPage(OptionsWork &work, lang::TextTable &texts, OptionsServices &services, QWidget *parent)
    : OptionsPage(parent), m_work(work), m_services(services), m_enabled(texts.text(QStringLiteral("ENABLED"))),
      m_disabled(texts.text(QStringLiteral("DISABLED"))), m_list(new RowList(this))
{
    m_list->setObjectName(QStringLiteral("plugins"));
    m_list->setHeaderLabels({texts.text(QStringLiteral("IDC_STATIC_PLUGINNAME_NOCOLON")),
                             texts.text(QStringLiteral("IDC_STATIC_ENABLEDDISABLED"))});
    m_list->setColumnWidth(0, kColumnWidth);
    m_list->setColumnWidth(1, kColumnWidth);
    QList<QTreeWidgetItem *> rows;
    rows.reserve(static_cast<qsizetype>(work.plugins.size()));
    for (std::size_t index = 0; index < work.plugins.size(); ++index) {
        const plugins::PluginInfo &plugin = work.plugins[index];
        auto *row = new QTreeWidgetItem({plugin.displayName(), stateText(plugin.enabled)});
        row->setData(0, Qt::UserRole, static_cast<int>(index));
        rows.append(row);
    }
    m_list->addTopLevelItems(rows);
    connect(m_list, &QTreeWidget::itemActivated, this, &PluginsPage::showDetails);

    auto *page = new QVBoxLayout(this);
    page->addWidget(new QLabel(texts.text(QStringLiteral("IDC_STATIC_CLICK_PLUGINS")), this));
    page->addWidget(m_list);
}

void PluginsPage::showDetails(QTreeWidgetItem *row)
{
    plugins::PluginInfo &plugin = m_work.plugins[static_cast<std::size_t>(row->data(0, Qt::UserRole).toInt())];
    if (!m_services.showPluginDetails(plugin, this))
        return;
    plugin.enabled = !plugin.enabled;
    row->setText(1, stateText(plugin.enabled));
}

QString PluginsPage::stateText(bool enabled) const
{
    return enabled ? m_enabled : m_disabled;
}

} // namespace tabulet::ui
