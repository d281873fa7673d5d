// Tabulet: a small, always-at-hand notepad of rich-text tabs. Started by the launcher (launch/),
// which answers --help and --version and hands a later start over to the running copy.
#include "app/afterfirstpaint.h"
#include "app/commandline.h"
#include "app/folders.h"
#include "app/mainwindowpass.h"
#include "app/singleinstance.h"
#include "app/startup.h"
#include "app/terminationwatcher.h"
#include "launch/handovermessage.h"
#include "launch/instancesocket.h"
#include "launch/programpath.h"
#include "launch/version.h"
#include "platform/desktopregistration.h"
#include "platform/fontwarmup.h"
#include "platform/programicon.h"
#include "settings/ensurefolder.h"
#include "ui/applicationcontext.h"
#include "ui/window/accessibility.h"
#include "ui/window/keyboardfilter.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdlib>
#include <string>
#include <vector>

using namespace tabulet;

namespace {

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
    const std::vector<std::string> argumentBytes(argv + 1, argv + argc);
    QStringList arguments;
    for (const std::string &argument : argumentBytes)
        arguments << QString::fromLocal8Bit(argument);
    // Made before Qt takes the startup id from the environment: the running copy needs it.
    const std::string handover = launch::handoverOfThisStart(argumentBytes);
    // The launcher's path stands for the program: the program folder lies beside it, and the
    // desktop entries start it.
    QString executablePath = qEnvironmentVariable(launch::kLauncherVariable);
    ::unsetenv(launch::kLauncherVariable);
    const app::CommandLine commandLine = app::parseCommandLine(arguments);

    platform::FontConfigurationWarmUp fonts;
    QApplication application(argc, argv);
    fonts.finish();
    QApplication::setApplicationName(QStringLiteral("Tabulet"));
    QApplication::setApplicationVersion(QString::fromLatin1(launch::kVersion));
    QApplication::setDesktopFileName(QStringLiteral("org.tabulet.Tabulet"));
    // Looking the icon up in the desktop's icon theme and handing every size to the window
    // manager costs the first window milliseconds: the icon follows once the window is shown.
    app::AfterFirstPaint programIcon([] { QApplication::setWindowIcon(platform::programIcon()); });
    QApplication::setQuitOnLastWindowClosed(false);
    ui::installAccessibility();
    app::TerminationWatcher termination;

    if (executablePath.isEmpty())
        executablePath = QCoreApplication::applicationFilePath();
    const QString applicationData = app::applicationDataFolder();
    ui::ApplicationContext context(app::computeFolderSet(executablePath, applicationData, QDir::tempPath()));
    ensureFolderOrReport(context, context.folders.dataFolder);
    ensureFolderOrReport(context, context.folders.pluginsFolder);
    ensureFolderOrReport(context, context.folders.pluginConfigFolder);

    if (!commandLine.homeFolder.isEmpty()) {
        context.folders.dataFolder = QDir(commandLine.homeFolder).absolutePath();
        ensureFolderOrReport(context, context.folders.dataFolder);
    }
    // On a first start this writes the desktop's entries and waits for its database tools.
    app::AfterFirstPaint fileTypes(
        [&] { platform::registerFileTypes(context.folders.executablePath, applicationData); });

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
    app::SingleInstance instance(QString::fromStdString(launch::instanceName()), handover);
    startup.setInstanceClaim(&instance);
    return startup.run();
}
