// Tabulet: a small, always-at-hand notepad of rich-text tabs.
#include "app/commandline.h"
#include "app/earlyhandover.h"
#include "app/folders.h"
#include "app/mainwindowpass.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "app/terminationwatcher.h"
#include "platform/desktopregistration.h"
#include "platform/fontwarmup.h"
#include "settings/ensurefolder.h"
#include "ui/applicationcontext.h"
#include "ui/window/keyboardfilter.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

using namespace tabulet;

namespace {

constexpr const char *kVersion = "2.1.23";

// A folder problem is shown before the language is loaded, so its texts may still be empty:
// the folder itself is named so that the user can act on it.
void ensureFolderOrReport(ui::ApplicationContext &context, const QString &path)
{
    settings::ensureFolder(path, [&](const char *textKey) {
        QMessageBox box(QMessageBox::Critical, context.texts.text(QStringLiteral("DIALOG_ERROR")),
                        context.texts.text(QString::fromLatin1(textKey)), QMessageBox::Ok);
        box.setInformativeText(QDir::toNativeSeparators(path));
        box.exec();
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    switch (app::informationRequest(arguments)) {
    case app::InformationRequest::Help:
        std::fputs(qPrintable(app::usageText()), stdout);
        return 0;
    case app::InformationRequest::Version:
        std::printf("tabulet %s\n", kVersion);
        return 0;
    case app::InformationRequest::None:
        break;
    }

    // Read before Qt takes the startup id from the environment: a second start hands it over.
    QByteArray activationToken = qgetenv("XDG_ACTIVATION_TOKEN");
    if (activationToken.isEmpty())
        activationToken = qgetenv("DESKTOP_STARTUP_ID");
    const app::CommandLine commandLine = app::parseCommandLine(arguments);
    const QString applicationData = app::applicationDataFolder();
    const app::Handover handover{arguments, QDir::currentPath(), activationToken};
    const QString dataFolder = commandLine.homeFolder.isEmpty() ? applicationData + QStringLiteral("/Tabulet")
                                                                : QDir(commandLine.homeFolder).absolutePath();
    if (app::handedOverToRunningCopy(dataFolder, app::instanceName(), handover))
        return 0;

    platform::FontConfigurationWarmUp fonts;
    QApplication application(argc, argv);
    fonts.finish();
    QApplication::setApplicationName(QStringLiteral("Tabulet"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.tabulet.Tabulet"));
    QApplication::setQuitOnLastWindowClosed(false);
    app::TerminationWatcher termination;

    ui::ApplicationContext context(
        app::computeFolderSet(QCoreApplication::applicationFilePath(), applicationData, QDir::tempPath()));
    ensureFolderOrReport(context, context.folders.dataFolder);
    ensureFolderOrReport(context, context.folders.pluginsFolder);
    ensureFolderOrReport(context, context.folders.pluginConfigFolder);

    if (!commandLine.homeFolder.isEmpty()) {
        context.folders.dataFolder = QDir(commandLine.homeFolder).absolutePath();
        ensureFolderOrReport(context, context.folders.dataFolder);
    }
    platform::registerFileTypes(context.folders.executablePath, applicationData);

    // Every key of the program passes here first: shortcuts run before the editor sees them.
    ui::KeyboardFilter keyboard(context.settings, context.commands);
    application.installEventFilter(&keyboard);
    context.plugins.setLastKeyRecord(&keyboard.lastKey());

    app::Startup startup(
        context, commandLine,
        [&keyboard](ui::ApplicationContext &passContext, const app::CommandLine &passCommandLine, QWidget *owner) {
            return std::make_unique<app::MainWindowPass>(passContext, passCommandLine, owner, keyboard);
        },
        termination);
    app::SingleInstance instance(app::instanceName(), handover);
    startup.setInstanceClaim(&instance);
    return startup.run();
}
