#pragma once

#include "commands/commandtarget.h"
#include "net/receivednote.h"
#include "rtf/notetextcache.h"
#include "theme/theme.h"
#include "ui/dialogs/archiverprompts.h"
#include "ui/menus/menus.h"
#include "ui/pluginhost/pluginmessageboxes.h"
#include "ui/tray/trayiconplacement.h"
#include "ui/window/mainwindowframe.h"
#include "ui/window/mainwindowtabs.h"
#include "ui/window/plugincommandgate.h"

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace tabulet::ui {

struct ApplicationContext;
class EditingCommands;
class IdleSaver;
class ActivationHotkey;
class NoteEditor;
class PluginEditorBridge;
class Skin;
class TabStrip;
class TrayIcon;
class WindowPrompts;
class WindowShape;

// The note window: a frameless window drawn by the theme, with the tab strip and the note
// editor inside, that carries out the commands. It runs from initialise() until it closes.
class MainWindow final : public QWidget, public commands::CommandTarget, public MenuHost
{
    Q_OBJECT
public:
    // owner keeps the window off the taskbar; the context must outlive the window.
    explicit MainWindow(ApplicationContext &context, QWidget *owner = nullptr);
    ~MainWindow() override;

    // Language and theme files handed over at start; initialise() installs them.
    void setFilesToInstall(const QString &languageFile, const QString &themeFile);
    // Language and theme files handed over by a later start; empty paths are skipped.
    void installFiles(const QString &languageFile, const QString &themeFile);
    // What the flows ask and tell through; message boxes unless replaced.
    void setPrompts(std::unique_ptr<WindowPrompts> prompts);
    // Opens the tab menu at a global position and returns when it has closed. While it is open
    // the tab commands act on the tab it was opened on. Until one is set, no menu opens.
    void setTabMenu(std::function<void(const QPoint &globalPosition)> showTabMenu);

    // Loads the configuration, the theme, the notes and the window's place, then shows the
    // window. False when no theme at all could be loaded: the window cannot be shown then.
    bool initialise();

    // A command from a shortcut, a menu, a theme button or a plug-in.
    void runCommand(commands::CommandId id) override;
    // A menu item: its command, or the rename flow.
    void runMenuItem(int id) override;

    // Asks for a name and adds a note with a tab of that name.
    void newTab();
    // Renames the tab the tab menu is open on, else the selected tab.
    void renameTab();

    // Ends the window the way the exit command does, without asking; everything is saved.
    void closeWithoutAsking();
    // Saves the open note and then the configuration; false when the note could not be written.
    bool saveAll();
    // Writes the configuration; the first failure after a success is told.
    bool saveConfiguration();
    void showAndActivate();
    // Shows or hides the window, as the tray icon's clicks and the hotkey ask.
    void toggleVisible(ToggleForm form);
    // Registers the hotkey of the options "activatekey" and "activatemod" in place of the
    // earlier one (at start and when the options change).
    void registerActivationHotkey();
    // Hidden by the minimise command (the window is then reached from the tray or the hotkey).
    bool isHiddenToTray() const { return m_hidden; }
    // False while a dialog of the window is open: received notes wait meanwhile.
    bool acceptsIncoming() const { return m_acceptsIncoming; }
    bool restartRequested() const { return m_restartRequested; }
    // How often the archive schedule is checked (a minute) and the plug-ins' timer event comes (a
    // second); tests shorten them.
    void setTimerPeriods(std::chrono::milliseconds archiveCheck, std::chrono::milliseconds pluginTimer);

    void relayout();
    void applyTabFont();
    int tabHeight() const { return m_tabHeight; }
    // Shows on the format buttons what the selection is: bold, italic, underline, strike-out,
    // bullets, numbering and alignment, each only where it is the same over the whole selection.
    void syncFormatButtons();

    NoteTabs &tabs() { return *m_tabs; }
    NoteEditor &editor() { return *m_editor; }
    TabStrip &tabStrip() { return *m_strip; }
    Skin &skin() { return *m_skin; }
    TrayIcon &trayIcon() { return *m_tray; }
    EditingCommands &editing() { return *m_editing; }
    IdleSaver &idleSaver() { return *m_idleSaver; }
    const theme::Theme &theme() const { return m_theme; }
    NoteMenus &menus() { return *m_menus; }

    // What the menus ask of the window.
    bool isOnTop() const override { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
    const QTextEdit &noteEditor() const override;
    const theme::Theme &currentTheme() const override { return m_theme; }
    void loadThemeFromMenu(const QString &name) override;
    void selectSubthemeFromMenu(const QString &title) override;

signals:
    // The window has closed; the pass that runs it ends.
    void closed();
    // Every second: the plug-ins' timer event.
    void pluginSecondElapsed();
    // Once, shortly after the window is shown, when the tip of the day is shown at start.
    void tipOfTheDayDue();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool loadTheme();
    void activateTheme();
    void redrawTheme();
    void fitToScreen();
    void reportDamagedConfiguration(const QString &keptCopy);
    void reportNoteNotSaved();
    void reportConfigurationNotSaved();
    // An error message whose text names the note's file.
    void reportNoteFileProblem(const QString &textKey, const QString &path);
    void installHandedOverFiles();
    void restorePlacement();
    void layout(QSize size);
    void updateTitle();
    FrameArea frameAreaAt(QPoint position) const;

    // Notes over the network (mainwindowincoming.cpp).
    void listenForNotes();
    void offerWaitingNote();
    void importReceivedNote(const QString &receivedFile, const QString &title);
    void discardWaitingNote();
    // Sends the note the tab menu is open on, else the selected one.
    void sendTargetNote();

    // The plug-ins (mainwindowplugins.cpp): the window's part wired up, the scripts started
    // once the configuration is read, and everything released when the window goes.
    void connectPlugins();
    void startPlugins();
    void releasePlugins();

    // The commands (mainwindowcommands.cpp).
    void runFormatCommand(commands::CommandId id);
    void removeTab(NoteTabs::Removal removal);
    void openTabMenu(int tab, const QPoint &globalPosition);
    void toggleWordWrap();
    void toggleOnTop();
    void minimise();
    void exitWithQuestion();
    // True when the shown note is saved, or cannot be and the user agrees to lose its changes.
    bool mayEndWithUnsavedNote();

    // The notes as a whole (mainwindownotes.cpp).
    void showDocumentList();
    void showNoteProperties();
    void printCurrentNote();

    // The options sheet; its OK applies the options at once (mainwindowoptions.cpp).
    void showOptions();

    // The archives (mainwindowarchive.cpp).
    void startArchiveSchedule();
    void checkArchiveSchedule();
    void showArchives();

    ApplicationContext &m_context;
    theme::Theme m_theme;
    Skin *m_skin = nullptr;
    TabStrip *m_strip = nullptr;
    NoteEditor *m_editor = nullptr;
    NoteTabs *m_tabs = nullptr;
    WindowShape *m_shape = nullptr;
    TrayIcon *m_tray = nullptr;
    NoteMenus *m_menus = nullptr;
    EditingCommands *m_editing = nullptr;
    IdleSaver *m_idleSaver = nullptr;
    std::unique_ptr<WindowPrompts> m_prompts;
    std::unique_ptr<ActivationHotkey> m_hotkey;
    std::unique_ptr<PluginEditorBridge> m_pluginEditor;
    PluginMessageBoxes m_pluginBoxes;
    PluginCommandGate *m_pluginCommands = nullptr;
    std::function<void(const QPoint &)> m_showTabMenu;
    FrameDragger m_dragger{*this};
    ArchiverPrompts m_archiverPrompts{this, m_context};
    // The notes' texts for the document list's search, kept between its openings.
    rtf::NoteTextCache m_noteTexts;
    QTimer m_archiveTimer;
    QTimer m_pluginTimer;
    QTimer m_tipTimer;
    QString m_languageFileToInstall;
    QString m_themeFileToInstall;
    QSize m_lastClientSize;
    int m_tabHeight = 15;
    bool m_initialised = false;
    bool m_hidden = false;
    bool m_acceptsIncoming = true;
    // Received, and offered once no dialog of the window is open.
    std::optional<net::ReceivedNote> m_waitingNote;
    bool m_restartRequested = false;
    bool m_closed = false;
    bool m_configurationFailureReported = false;
};

} // namespace tabulet::ui
