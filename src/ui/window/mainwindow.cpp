#include "ui/window/mainwindow.h"

#include "lang/formattext.h"
#include "platform/taskbar.h"
#include "settings/notefiles.h"
#include "theme/layout.h"
#include "theme/tabfont.h"
#include "ui/applicationcontext.h"
#include "ui/editor/noteeditor.h"
#include "ui/pluginhost/plugineditorbridge.h"
#include "ui/skin/skin.h"
#include "ui/skin/skinnedbutton.h"
#include "ui/skin/windowshape.h"
#include "ui/tray/trayicon.h"
#include "ui/window/activationhotkey.h"
#include "ui/window/editingcommands.h"
#include "ui/window/focusreturn.h"
#include "ui/window/idlesaver.h"
#include "ui/window/mainwindowinstall.h"
#include "ui/window/mainwindowplacement.h"
#include "ui/window/mainwindowprompts.h"
#include "ui/window/mainwindowstyle.h"
#include "ui/window/tabstrip.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

namespace tabulet::ui {

namespace {

constexpr int kArchiveCheckInterval = 60 * 1000;
constexpr int kPluginTimerInterval = 1000;
constexpr int kTipOfTheDayDelay = 100;
// The window's size before its place is restored, when the options give none.
constexpr QSize kTemplateSize(450, 200);
const QString kDefaultTheme = QStringLiteral("default");

} // namespace

MainWindow::MainWindow(ApplicationContext &context, QWidget *owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), m_context(context),
      m_prompts(std::make_unique<MessageBoxPrompts>(this, context.texts)), m_pluginBoxes(context.texts)
{
    setObjectName(QStringLiteral("noteWindow"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kTemplateSize);
    m_skin = new Skin(*this, m_context.texts);
    m_strip = new TabStrip(this);
    m_strip->setSkin(m_skin);
    m_editor = new NoteEditor(this);
    m_tabs = new NoteTabs(m_context, *m_strip, *m_editor, this);
    m_shape = new WindowShape(*this, *m_skin);
    m_shape->keepWhole(*m_editor);
    m_shape->keepWhole(*m_strip);
    new FocusReturn(*this, *m_editor);
    m_menus = new NoteMenus(m_context, *this, {}, this);
    m_showTabMenu = [this](const QPoint &position) {
        m_menus->showTabMenu(position);
    };
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &position) { m_menus->showEditorMenu(m_editor->viewport()->mapToGlobal(position)); });
    m_tray = new TrayIcon(this);
    connect(m_tray, &TrayIcon::leftDown, this, [this] { toggleVisible(ToggleForm::SingleClick); });
    connect(m_tray, &TrayIcon::leftDoubleClick, this, [this] { toggleVisible(ToggleForm::Activating); });
    m_tray->setMenuSource([this] { return m_menus->trayMenu(); });
    m_skin->setProblemReporter([this](const QString &text, const QString &caption) {
        m_prompts->tell(caption, text, WindowPrompts::Icon::Error);
    });
    connect(m_skin, &Skin::commandTriggered, this,
            [this](int id) { runCommand(static_cast<commands::CommandId>(id)); });
    connect(m_tabs, &NoteTabs::noteUnreadable, this,
            [this](const QString &path) { reportNoteFileProblem(QStringLiteral("ERROR_NOTEFILEUNREADABLE"), path); });
    connect(m_tabs, &NoteTabs::shownNoteKept, this,
            [this](const QString &path) { reportNoteFileProblem(QStringLiteral("ERROR_NOTEKEPTOPEN"), path); });
    // Told once the window is up: a note is first shown while the window is still being built.
    connect(
        m_tabs, &NoteTabs::noteRecovered, this,
        [this](const QString &title) {
            m_prompts->tell(QString(),
                            lang::formatText(m_context.texts.text(QStringLiteral("NOTE_RECOVERED")), {title}),
                            WindowPrompts::Icon::Information);
        },
        Qt::QueuedConnection);
    connect(m_tabs, &NoteTabs::selectedNoteChanged, this, &MainWindow::updateTitle);
    connect(m_tabs, &NoteTabs::selectedNoteChanged, this, &MainWindow::syncFormatButtons);
    connect(m_strip, &TabStrip::tabRightClicked, this, &MainWindow::openTabMenu);
    connect(m_editor, &QTextEdit::cursorPositionChanged, this, &MainWindow::syncFormatButtons);
    connect(m_editor, &QTextEdit::currentCharFormatChanged, this, &MainWindow::syncFormatButtons);
    m_editing = new EditingCommands(m_context, *m_tabs, *m_editor, *this);
    m_idleSaver = new IdleSaver([this] { return saveAll(); }, this);
    connect(m_tabs, &NoteTabs::noteModified, m_idleSaver, &IdleSaver::changed);
    connect(m_idleSaver, &IdleSaver::saveFailed, this, &MainWindow::reportNoteNotSaved);
    connect(m_editing, &EditingCommands::formatChanged, this, &MainWindow::syncFormatButtons);
    connect(m_editing, &EditingCommands::exportFailed, this,
            [this](const QString &path) { reportNoteFileProblem(QStringLiteral("ERROR_EXPORTNOTSAVED"), path); });
    connect(m_editor, &NoteEditor::linkActivated, this, [](const QUrl &url) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        QDesktopServices::openUrl(url);
        QGuiApplication::restoreOverrideCursor();
    });
    m_archiveTimer.setInterval(kArchiveCheckInterval);
    m_pluginTimer.setInterval(kPluginTimerInterval);
    connect(&m_archiveTimer, &QTimer::timeout, this, &MainWindow::checkArchiveSchedule);
    connect(&m_pluginTimer, &QTimer::timeout, this, &MainWindow::pluginSecondElapsed);
    m_tipTimer.setSingleShot(true);
    m_tipTimer.setInterval(kTipOfTheDayDelay);
    connect(&m_tipTimer, &QTimer::timeout, this, &MainWindow::tipOfTheDayDue);
    connectPlugins();
}

MainWindow::~MainWindow()
{
    releasePlugins();
    discardWaitingNote();
    // The buttons and shape refer to the skin, the skin to the theme: release in that order.
    delete m_shape;
    m_skin->release();
    delete m_skin;
}

void MainWindow::setFilesToInstall(const QString &languageFile, const QString &themeFile)
{
    m_languageFileToInstall = languageFile;
    m_themeFileToInstall = themeFile;
}

void MainWindow::installFiles(const QString &languageFile, const QString &themeFile)
{
    setFilesToInstall(languageFile, themeFile);
    installHandedOverFiles();
}

void MainWindow::setPrompts(std::unique_ptr<WindowPrompts> prompts)
{
    m_prompts = std::move(prompts);
}

void MainWindow::setTabMenu(std::function<void(const QPoint &)> showTabMenu)
{
    m_showTabMenu = std::move(showTabMenu);
}

bool MainWindow::initialise()
{
    m_initialised = true;
    m_lastClientSize = size();
    auto &settings = m_context.settings;
    auto &configuration = m_context.configuration;
    const settings::LoadResult loaded = configuration.load(false);
    configuration.setSavingEnabled(true);
    startPlugins();
    if (!loadTheme())
        return false;
    m_skin->setShowToolTips(settings.flag(QStringLiteral("showtooltips")));
    m_strip->setAccessibleName(m_context.texts.text(QStringLiteral("NOTE_TABS")));
    installHandedOverFiles();
    applyTabFont();
    const bool listWasEmpty = m_tabs->rebuildTabs();
    if (loaded.damaged || (listWasEmpty && !configuration.isFirstRun()))
        reportDamagedConfiguration(loaded.damagedCopy);
    m_tray->chooseTrayPicture(settings.value(QStringLiteral("trayicon")), false);
    m_tray->addTrayIcon();
    m_tabs->applyDefaultCharFormat();
    m_editor->setWrapAtEdge(settings.value(QStringLiteral("wordwrap")) == QLatin1String("1"));
    m_tabs->loadTab();
    const int selected = settings.value(QStringLiteral("selectedtab")).trimmed().toInt();
    if (selected != 0)
        m_tabs->stepTab(selected);
    updateTitle();
    restorePlacement();
    startArchiveSchedule();
    m_archiveTimer.start();
    m_pluginTimer.start();
    if (settings.flag(QStringLiteral("showtipsonstartup")))
        m_tipTimer.start();
    showAndActivate();
    m_editor->setFocus();
    m_shape->apply();
    listenForNotes();
    registerActivationHotkey();
    return true;
}

void MainWindow::registerActivationHotkey()
{
    if (!m_hotkey) {
        m_hotkey = std::make_unique<ActivationHotkey>(platform::makeGlobalHotkey(), [this](const QString &message) {
            m_prompts->tell(m_context.texts.text(QStringLiteral("DIALOG_ERROR")), message,
                            WindowPrompts::Icon::Warning);
        });
        connect(&m_hotkey->hotkey(), &platform::GlobalHotkey::activated, this,
                [this] { toggleVisible(ToggleForm::Activating); });
    }
    m_hotkey->registerFrom(m_context.settings, m_context.texts);
}

bool MainWindow::loadTheme()
{
    auto &settings = m_context.settings;
    const QString wanted = settings.value(QStringLiteral("theme"));
    theme::LoadResult result = m_theme.loadTheme(wanted, m_context.folders, settings, m_context.commands);
    m_skin->reportProblems(result.problems);
    // A theme that cannot be read must not lock the user out: the shipped one takes its place.
    if (!result.ok && wanted != kDefaultTheme) {
        settings.value(QStringLiteral("subtheme")).clear();
        result = m_theme.loadTheme(kDefaultTheme, m_context.folders, settings, m_context.commands);
        m_skin->reportProblems(result.problems);
    }
    if (!result.ok)
        return false;
    activateTheme();
    return true;
}

void MainWindow::activateTheme()
{
    m_skin->activate(m_theme);
    // A theme may ask for more than any screen has: the window never outgrows its screen.
    setMinimumSize(m_theme.minimumSize(screen()->availableSize()));
    m_strip->setSelectedBackground(m_skin->tabBackground());
}

// After another theme or subtheme: the tab font, the layout and the window's shape anew.
void MainWindow::redrawTheme()
{
    applyTabFont();
    fitToScreen();
    layout(size());
    m_shape->apply();
    // The new buttons show the selection's format and the window's place on top as before.
    syncFormatButtons();
    m_skin->setButtonSelected(QStringLiteral("windowOnTop"), isOnTop());
    saveConfiguration();
}

// A theme that asks for a larger window grows it in place: it is moved back onto its screen.
void MainWindow::fitToScreen()
{
    const QScreen *shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shownOn)
        return;
    setGeometry(theme::fitWindow(geometry(), minimumSize(), shownOn->availableGeometry()));
}

void MainWindow::loadThemeFromMenu(const QString &name)
{
    m_skin->release();
    m_context.settings.value(QStringLiteral("theme")) = name;
    if (loadTheme())
        redrawTheme();
}

void MainWindow::selectSubthemeFromMenu(const QString &title)
{
    m_skin->release();
    m_skin->reportProblems(m_theme.selectSubtheme(title, m_context.settings).problems);
    activateTheme();
    redrawTheme();
}

const QTextEdit &MainWindow::noteEditor() const
{
    return *m_editor;
}

void MainWindow::reportDamagedConfiguration(const QString &keptCopy)
{
    QString text = m_context.texts.text(QStringLiteral("CORRUPT_INIFILE"));
    // Where the damaged file was kept, so that nothing of it is lost to the user.
    if (!keptCopy.isEmpty())
        text += QStringLiteral("\n\n") + QDir::toNativeSeparators(keptCopy);
    m_prompts->tell(m_context.texts.text(QStringLiteral("DIALOG_ERROR")), text, WindowPrompts::Icon::Warning);
}

void MainWindow::installHandedOverFiles()
{
    if (!m_languageFileToInstall.isEmpty()) {
        installFile(InstallKind::Language, m_languageFileToInstall, m_context.folders.languagesFolder,
                    m_context.folders.programLanguagesFolder(), *m_prompts, m_context.texts, m_context.settings);
    }
    if (!m_themeFileToInstall.isEmpty()) {
        installFile(InstallKind::Theme, m_themeFileToInstall, m_context.folders.themesFolder,
                    m_context.folders.programThemesFolder(), *m_prompts, m_context.texts, m_context.settings);
    }
}

void MainWindow::restorePlacement()
{
    const std::optional<QRect> saved = savedPlacement(m_context.settings);
    if (!saved)
        return;
    QRect wanted = *saved;
    wanted.setSize(wanted.size().expandedTo(minimumSize()).expandedTo(QSize(1, 1)));
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    if (const QScreen *primary = QGuiApplication::primaryScreen())
        screens.prepend(primary->availableGeometry());
    // No place was ever kept: the window opens in the middle of the primary screen, where the
    // user looks, rather than in its corner.
    if (m_context.configuration.isFirstRun() && !screens.isEmpty())
        wanted = centredOn(wanted.size(), screens.front());
    const QRect place = keepOnScreen(wanted, screens);
    setGeometry(place);
    // Tells the window manager that the place was chosen, also when it is where the window is
    // already: otherwise it places the window by its own rules.
    if (QWindow *window = windowHandle())
        window->setPosition(place.topLeft());
}

void MainWindow::setTimerPeriods(std::chrono::milliseconds archiveCheck, std::chrono::milliseconds pluginTimer)
{
    m_archiveTimer.setInterval(archiveCheck);
    m_pluginTimer.setInterval(pluginTimer);
}

void MainWindow::showAndActivate()
{
    m_hidden = false;
    // The window manager forgets a window's states when it is put away.
    platform::keepOffTaskbar(this);
    if (isOnTop())
        platform::keepAbove(this, true);
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::toggleVisible(ToggleForm form)
{
    if (toggleShows(form, m_hidden || !isVisible(), isMinimized(), isActiveWindow())) {
        showAndActivate();
        return;
    }
    m_hidden = true;
    hide();
}

bool MainWindow::saveAll()
{
    const bool noteSaved = m_tabs->saveTab();
    // The note's failure is told by itself; the configuration's, from the same cause, is not
    // told twice.
    if (!noteSaved)
        m_configurationFailureReported = true;
    saveConfiguration();
    return noteSaved;
}

bool MainWindow::saveConfiguration()
{
    if (m_context.configuration.save() != settings::SaveResult::Failed) {
        m_configurationFailureReported = false;
        return true;
    }
    if (!m_configurationFailureReported) {
        m_configurationFailureReported = true;
        // Told from the event loop: saves run inside focus changes and closing, too.
        QMetaObject::invokeMethod(this, &MainWindow::reportConfigurationNotSaved, Qt::QueuedConnection);
    }
    return false;
}

void MainWindow::reportConfigurationNotSaved()
{
    reportNoteFileProblem(QStringLiteral("ERROR_CONFIGNOTSAVED"), m_context.configuration.filePath());
}

void MainWindow::reportNoteNotSaved()
{
    if (const settings::Note *note = m_tabs->selectedNote()) {
        reportNoteFileProblem(QStringLiteral("ERROR_NOTENOTSAVED"),
                              settings::noteFilePath(m_context.folders.dataFolder, note->fileName));
    }
}

void MainWindow::reportNoteFileProblem(const QString &textKey, const QString &path)
{
    m_prompts->tell(m_context.texts.text(QStringLiteral("DIALOG_ERROR")),
                    lang::formatText(m_context.texts.text(textKey), {QDir::toNativeSeparators(path)}),
                    WindowPrompts::Icon::Error);
}

void MainWindow::closeWithoutAsking()
{
    close();
    // A question or dialog still open keeps its own event loop, and with it the program, running.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
            dialog->reject();
    }
}

void MainWindow::relayout()
{
    layout(m_lastClientSize);
}

void MainWindow::layout(QSize size)
{
    m_lastClientSize = size;
    m_skin->layout(QRect(QPoint(0, 0), size));
    const std::optional<QRect> textField = m_skin->findRect(QStringLiteral("textfield"));
    const std::optional<QRect> tab = m_skin->findRect(QStringLiteral("tab"));
    if (textField && tab) {
        m_editor->setGeometry(QRect(QPoint(textField->left(), tab->top() + m_tabHeight + 4), textField->bottomRight()));
        m_strip->setGeometry(*tab);
    } else {
        // A theme without the two areas still gets a usable window.
        m_strip->setGeometry(0, 0, size.width(), m_tabHeight + 4);
        m_editor->setGeometry(0, m_tabHeight + 4, size.width(), std::max(0, size.height() - m_tabHeight - 4));
    }
    update();
}

void MainWindow::applyTabFont()
{
    const theme::TabFontChoice choice = theme::chooseTabFont(m_theme.current(), m_context.settings);
    const int dotsPerInch = logicalDpiY();
    m_tabHeight = theme::tabHeight(choice.height, theme::fontPixels(choice.pointSize, dotsPerInch));
    m_strip->setFont(tabFont(choice, dotsPerInch));
    m_strip->setTabHeight(m_tabHeight);
}

void MainWindow::updateTitle()
{
    const settings::Note *note = m_tabs->selectedNote();
    const QString name = note ? note->title : QString();
    QString title = lang::formatText(m_context.texts.text(QStringLiteral("ID_TRAY_TOOLTIP")), {name});
    setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
    m_editor->setAccessibleName(name);
    m_tray->setTrayTip(title);
    m_tray->updateTrayIcon();
}

FrameArea MainWindow::frameAreaAt(QPoint position) const
{
    return ui::frameAreaAt(position, size(), m_skin->findRect(QStringLiteral("dragbar")));
}

void MainWindow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.fillRect(area, palette().window());
    painter.translate(area.topLeft());
    m_skin->paint(painter, area);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!m_initialised || m_hidden || isMinimized())
        return;
    layout(size());
    m_context.settings.value(QStringLiteral("w")) = QString::number(width());
    m_context.settings.value(QStringLiteral("h")) = QString::number(height());
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (!m_initialised || m_hidden)
        return;
    m_context.settings.value(QStringLiteral("x")) = QString::number(x());
    m_context.settings.value(QStringLiteral("y")) = QString::number(y());
}

void MainWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_initialised && !m_closed && !isActiveWindow())
        saveAll();
    // Back from a dialog: a note that came meanwhile is offered now.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_waitingNote)
        QMetaObject::invokeMethod(this, &MainWindow::offerWaitingNote, Qt::QueuedConnection);
    // Minimised by the window manager: hidden to the tray instead of iconic, once the event is over.
    if (event->type() == QEvent::WindowStateChange && m_initialised && !m_closed && isMinimized()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                setWindowState(windowState() & ~Qt::WindowMinimized);
                minimise();
            },
            Qt::QueuedConnection);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_closed) {
        event->accept();
        return;
    }
    // Closed by the window manager: asked like the exit command when the note cannot be saved.
    if (event->spontaneous() && m_initialised && !mayEndWithUnsavedNote()) {
        event->ignore();
        return;
    }
    m_closed = true;
    if (m_initialised)
        saveAll();
    m_idleSaver->stop();
    m_archiveTimer.stop();
    m_pluginTimer.stop();
    m_tipTimer.stop();
    m_tray->removeTrayIcon();
    event->accept();
    emit closed();
}

// F6 moves the focus from the note to the tabs, on to the theme buttons and back to the note;
// Escape brings it back to the note (the window is never closed by Escape).
void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        m_editor->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F6 && event->modifiers() == Qt::NoModifier) {
        const std::vector<SkinnedButton *> buttons = reachableButtons(*this);
        if (m_editor->hasFocus() && m_strip->count() > 0)
            m_strip->setFocus(Qt::TabFocusReason);
        else if (!qobject_cast<SkinnedButton *>(focusWidget()) && !buttons.empty())
            buttons.front()->setFocus(Qt::TabFocusReason);
        else
            m_editor->setFocus(Qt::TabFocusReason);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton &&
        m_dragger.press(frameAreaAt(event->position().toPoint()), event->globalPosition())) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragger.follow(event->globalPosition())) {
        event->accept();
        return;
    }
    setCursor(cursorOf(frameAreaAt(event->position().toPoint())));
    QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && frameAreaAt(event->position().toPoint()) != FrameArea::Client) {
        event->accept();
        m_menus->showWindowMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton && m_dragger.release()) {
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace tabulet::ui
