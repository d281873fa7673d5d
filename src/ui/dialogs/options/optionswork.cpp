#include "ui/dialogs/options/optionswork.h"

#include "plugins/plugintable.h"

namespace tabulet::ui {

OptionsWork optionsWorkOf(const settings::Settings &settings, const commands::CommandTable &commands,
                          const plugins::PluginTable &plugins, std::vector<lang::InstalledLanguage> languages)
{
    OptionsWork work{settings, commands, {}, std::move(languages)};
    work.plugins.reserve(static_cast<std::size_t>(plugins.size()));
    plugins.forEach([&work](const plugins::Plugin &plugin) {
        work.plugins.push_back(static_cast<const plugins::PluginInfo &>(plugin));
    });
    return work;
}

} // namespace tabulet::ui
