#include "app/startup.h"

#include "app/firstruntheme.h"
#include "app/terminationwatcher.h"
#include "archive/archiverestore.h"
#include "lang/languagefiles.h"
#include "net/incomingfolder.h"
#include "net/listenerthread.h"
#include "net/listeningaddress.h"
#include "settings/datafolderlock.h"
#include "ui/applicationcontext.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>

#include <utility>

namespace tabulet::app {

namespace {

// Once per process, when the options ask for it; the address and port are read when it starts.
void startNoteListener(ui::ApplicationContext &context)
{
    if (context.noteListener || !context.settings.flag(QStringLiteral("listenfornotes")))
        return;
    bool isPort = false;
    const quint16 port = context.settings.value(QStringLiteral("port")).trimmed().toUShort(&isPort);
    context.noteListener = std::make_unique<net::ListenerThread>(
        net::listeningAddress(context.settings.value(QStringLiteral("listenaddress"))),
        isPort ? port : net::kDefaultPort, net::incomingNotesFolder(context.folders.dataFolder));
    context.noteListener->start();
}

} // namespace

Startup::Startup(ui::ApplicationContext &context, CommandLine commandLine, NoteWindowFactory createWindow,
                 TerminationWatcher &termination)
    : m_context(context), m_commandLine(std::move(commandLine)), m_createWindow(std::move(createWindow)),
      m_termination(termination)
{
    m_context.configuration.setFirstRunHandler(FirstRunTheme());
    m_terminationConnection =
        QObject::connect(&termination, &TerminationWatcher::terminationRequested, [this] { onTermination(); });
    // The desktop session is ending: close as the exit command does, before the session manager
    // ends the process.
    m_sessionEndConnection = QObject::connect(qApp, &QGuiApplication::commitDataRequest, [this] { onTermination(); });
}

Startup::~Startup()
{
    QObject::disconnect(m_terminationConnection);
    QObject::disconnect(m_sessionEndConnection);
}

int Startup::run()
{
    while (runPass()) {
    }
    // Our own listener ends in-process: no stop request over the network.
    if (m_context.noteListener)
        m_context.noteListener->stop();
    return m_exitCode;
}

bool Startup::runPass()
{
    m_context.configuration.setSavingEnabled(false);
    // A pass after an archive restore writes again once it has read the restored files.
    m_context.configuration.setDoNotSave(false);
    m_context.configuration.load(true);
    if (!claimInstance())
        return false;
    // A restore cut short is ended by the copy that owns the data folder, before its files are read.
    if (archive::finishInterruptedRestore(m_context.folders.dataFolder) != archive::InterruptedRestore::None)
        m_context.configuration.load(true);
    if (!loadLanguage()) {
        QMessageBox::critical(nullptr, QStringLiteral("Vostrel: ERROR"),
                              QStringLiteral("Unable to open language file. Program will exit"));
        return false;
    }
    if (!ownDataFolder())
        return false;
    m_qtTranslation.apply(m_context.texts.text(QStringLiteral("LOCALE")));
    startNoteListener(m_context);
    if (m_termination.isTerminationRequested())
        return false;

    QWidget hiddenOwner;
    hiddenOwner.setAttribute(Qt::WA_DontShowOnScreen);
    std::unique_ptr<NoteWindow> window = m_createWindow(m_context, m_commandLine, &hiddenOwner);
    m_window = window.get();
    window->run();
    m_window = nullptr;
    return window->restartRequested() && !m_termination.isTerminationRequested();
}

bool Startup::loadLanguage()
{
    return lang::loadConfiguredLanguage(m_context.texts, m_context.settings.value(QStringLiteral("languagefile")),
                                        m_context.folders.languagesFolder, m_context.folders.programLanguagesFolder());
}

bool Startup::claimInstance()
{
    const bool firstPass = std::exchange(m_firstPass, false);
    if (!firstPass || !m_instanceClaim || !m_context.settings.flag(QStringLiteral("oneinstance")))
        return true;
    return m_instanceClaim->claim([this](const Handover &handover) { takeHandover(handover); });
}

// Taken once and held until the process ends; shown in the language just loaded.
bool Startup::ownDataFolder()
{
    if (m_dataFolderLock)
        return true;
    m_dataFolderLock = std::make_unique<settings::DataFolderLock>(m_context.folders.dataFolder);
    if (m_dataFolderLock->state() != settings::DataFolderLock::State::HeldElsewhere)
        return true;
    lang::TextTable &texts = m_context.texts;
    QString text = texts.text(QStringLiteral("ERROR_DATAFOLDERINUSE"));
    if (m_instanceClaim) {
        m_instanceClaim->withdraw();
        if (m_instanceClaim->nameHeldByOtherUser())
            text = texts.text(QStringLiteral("ERROR_INSTANCENAMETAKEN")) + QStringLiteral("\n\n") + text;
    }
    QMessageBox box(QMessageBox::Critical, texts.text(QStringLiteral("DIALOG_ERROR")), text, QMessageBox::Ok);
    box.setInformativeText(QDir::toNativeSeparators(m_context.folders.dataFolder));
    box.exec();
    m_exitCode = 1;
    return false;
}

// Between passes there is no window to act on: the handover only ended the other start.
void Startup::takeHandover(const Handover &handover)
{
    if (m_window)
        m_window->takeHandover(commandLineOf(handover), handover.activationToken);
}

void Startup::onTermination()
{
    if (m_window)
        m_window->closeWithoutAsking();
}

} // namespace tabulet::app
