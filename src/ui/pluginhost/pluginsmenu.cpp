#include "ui/pluginhost/pluginsmenu.h"

#include "plugins/pluginhost.h"
#include "plugins/pluginmenu.h"

#include <QMenu>

namespace tabulet::ui {

void fillPluginsMenu(QMenu &submenu, const plugins::PluginHost &host, const commands::CommandTable &commands,
                     const commands::KeyNames &keyNames)
{
    for (const plugins::PluginSubmenu &group : plugins::pluginMenu(host.callbacks(), commands, keyNames)) {
        auto *popup = new QMenu(group.label, &submenu);
        popup->setStyle(submenu.style());
        for (const plugins::PluginMenuItem &item : group.items) {
            QString text = item.text;
            // The menu draws what follows a tab as the shortcut column.
            text[text.lastIndexOf(QLatin1Char('#'))] = QLatin1Char('\t');
            popup->addAction(text)->setData(item.commandId);
        }
        submenu.addMenu(popup);
    }
}

} // namespace tabulet::ui
