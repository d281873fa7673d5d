#include "ui/dialogs/options/optionsapply.h"

#include "commands/commandtable.h"
#include "plugins/plugintable.h"
#include "settings/settings.h"
#include "ui/dialogs/options/optionswork.h"

#include <initializer_list>

namespace tabulet::ui {

namespace {

void copyOptions(const settings::Settings &from, settings::Settings &to, std::initializer_list<const char *> keys)
{
    for (const char *key : keys)
        to.value(QLatin1String(key)) = from.value(QLatin1String(key));
}

} // namespace

void applyOptions(const OptionsWork &work, OptionsTargets targets)
{
    targets.commands.adoptBindings(work.commands);
    for (const plugins::PluginInfo &plugin : work.plugins)
        targets.plugins.setEnabled(plugin.path, plugin.enabled);

    const settings::Settings &from = work.settings;
    copyOptions(from, targets.settings,
                {"bgcolor", "autoformat", "savealways", "checkfornewversiononstartup", "oneinstance",
                 "showtipsonstartup", "tabheight", "tabfont", "tabfontsize", "tabfontbold", "tabfontitalics",
                 "overridetheme", "activatekey", "activatemod"});
    targets.registerHotkey();
    // The language page leaves "languagefile" in the work as it was unless one was chosen.
    copyOptions(from, targets.settings,
                {"defaultfont", "defaultfontsize", "defaultfontbold", "defaultfontitalics", "showtooltips",
                 "confirmexit", "trayicon", "languagefile"});
    targets.showTrayIcon();
    copyOptions(from, targets.settings,
                {"createarchiveinterval", "deletearchiveinterval", "autoarchive", "deletearchive",
                 "silentautoarchive", "usedefaultarchivedir", "customarchivedir"});
    copyOptions(from, targets.settings, {"port", "sender", "listenfornotes", "listenaddress"});
}

} // namespace tabulet::ui
