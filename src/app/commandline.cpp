#include "app/commandline.h"

#include "launch/switches.h"

namespace tabulet::app {

CommandLine parseCommandLine(const QStringList &arguments)
{
    std::vector<std::string> bytes;
    bytes.reserve(static_cast<std::size_t>(arguments.size()));
    for (const QString &argument : arguments)
        bytes.push_back(argument.toLocal8Bit().toStdString());
    const launch::Switches switches = launch::parseSwitches(bytes);
    const auto text = [](const std::string &value) { return QString::fromLocal8Bit(value); };
    return {text(switches.homeFolder), text(switches.languageFile), text(switches.themeFile), switches.toggle};
}

} // namespace tabulet::app
