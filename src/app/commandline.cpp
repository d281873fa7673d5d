#include "app/commandline.h"

namespace tabulet::app {

namespace {

QString *valueSlot(CommandLine &commandLine, const QString &switchName)
{
    const QString name = switchName.toLower();
    if (name == QLatin1String("homedir"))
        return &commandLine.homeFolder;
    if (name == QLatin1String("language"))
        return &commandLine.languageFile;
    if (name == QLatin1String("theme"))
        return &commandLine.themeFile;
    return nullptr;
}

} // namespace

CommandLine parseCommandLine(const QStringList &arguments)
{
    CommandLine commandLine;
    QString *pendingValue = nullptr;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--toggle")) {
            commandLine.toggle = true;
            pendingValue = nullptr;
            continue;
        }
        if (argument.startsWith(QLatin1Char('-'))) {
            pendingValue = valueSlot(commandLine, argument.mid(1));
            continue;
        }
        if (pendingValue) {
            *pendingValue = argument;
            pendingValue = nullptr;
        }
    }
    return commandLine;
}

InformationRequest informationRequest(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return InformationRequest::Help;
        if (argument == QLatin1String("--version"))
            return InformationRequest::Version;
    }
    return InformationRequest::None;
}

QString usageText()
{
    return QStringLiteral("Usage: tabulet [-homedir FOLDER] [-language FILE] [-theme FILE] [--show | --toggle]\n"
                          "\n"
                          "Tabulet keeps short rich-text notes as tabs of one small window.\n"
                          "\n"
                          "  -homedir FOLDER   keep the configuration and the notes in FOLDER for this run\n"
                          "  -language FILE    install the language file FILE (.tabulang)\n"
                          "  -theme FILE       install the theme package FILE (.tabutheme)\n"
                          "  --show            bring the running copy's window to the front (start it when none runs)\n"
                          "  --toggle          show or hide the running copy's window (start it when none runs);\n"
                          "                    bind it to a key where the desktop gives programs no global hotkey\n"
                          "  --help            show this text and exit\n"
                          "  --version         show the version and exit\n"
                          "\n"
                          "One copy runs per user: a second start hands its switches to the running copy and ends.\n"
                          "Notes and settings live in $XDG_DATA_HOME/Tabulet (default ~/.local/share/Tabulet).\n");
}

} // namespace tabulet::app
