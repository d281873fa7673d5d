#pragma once

#include <QObject>
#include <QPoint>

#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QTextEdit;

namespace tabulet::commands {
class KeyNames;
}
namespace tabulet::theme {
class Theme;
}

namespace tabulet::ui {

struct ApplicationContext;
struct MenuEntry;
class MenuStyle;

// What the menus ask of the note window they belong to, and where their choices go.
class MenuHost
{
public:
    virtual ~MenuHost() = default;

    virtual bool isOnTop() const = 0;
    // The editor whose selection the editor menu's check marks show.
    virtual const QTextEdit &noteEditor() const = 0;
    virtual const theme::Theme &currentTheme() const = 0;
    // Carries out a menu item id as its command (menu ids and command ids both reach it).
    virtual void runMenuItem(int id) = 0;
    // Loads another installed theme, or another subtheme of the current one, and redraws.
    virtual void loadThemeFromMenu(const QString &name) = 0;
    virtual void selectSubthemeFromMenu(const QString &title) = 0;
};

// The five popup menus of the note window.
enum class MenuKind { Tab, Window, Main, Editor, Tray };

// Builds the popup menus translated through the text table, with shortcuts in their own column,
// check marks, greyed items and our own drawing, and carries out their choices.
class NoteMenus final : public QObject
{
    Q_OBJECT
public:
    // keyNames gives the shortcut texts; nullptr uses the desktop's key names. host and context
    // must outlive the menus.
    NoteMenus(ApplicationContext &context, MenuHost &host, std::unique_ptr<commands::KeyNames> keyNames = {},
              QObject *parent = nullptr);
    ~NoteMenus() override;

    // A fresh menu of that kind as the window is now (check marks, greyed Paste, the themes and
    // plug-in submenus filled). Each action's data() is its item id; separators have none.
    std::unique_ptr<QMenu> buildMenu(MenuKind kind);

    // Each opens its menu at a global position, waits until it closes and carries out the choice.
    void showTabMenu(const QPoint &globalPosition);
    void showWindowMenu(const QPoint &globalPosition);
    void showMainMenu(const QPoint &globalPosition);
    void showEditorMenu(const QPoint &globalPosition);

    // The tray icon's menu, owned here. It is translated afresh each time it opens; a choice runs
    // as the command of its id.
    QMenu *trayMenu();

    // The plug-in host's part: filling the Plugins submenu with the plug-ins' entries (its
    // placeholder removed first; a separator and the link to more plug-ins follow) and running a
    // chosen id (true when a plug-in entry ran). Until it is set the submenu shows the
    // placeholder, a separator and the link.
    void setPluginMenus(std::function<void(QMenu &submenu)> fill, std::function<bool(int id)> run);

    // A choice of the main or the editor menu: offered to the plug-ins, then to the themes
    // submenu, and only when neither takes it carried out as a command.
    void dispatchChoice(int id);

private:
    void fillMenu(QMenu &menu, MenuKind kind);
    void addEntries(QMenu &menu, const std::vector<MenuEntry> &entries);
    QMenu *addSubmenu(QMenu &menu, const QString &title);
    void fillPluginsMenu(QMenu &submenu);
    void fillThemesMenu(QMenu &submenu);
    bool themeMenuCommand(int id);
    int execute(QMenu &menu, const QPoint &globalPosition);

    ApplicationContext &m_context;
    MenuHost &m_host;
    std::unique_ptr<commands::KeyNames> m_keyNames;
    std::unique_ptr<MenuStyle> m_style;
    std::unique_ptr<QMenu> m_trayMenu;
    std::function<void(QMenu &)> m_fillPlugins;
    std::function<bool(int)> m_runPluginCommand;
};

} // namespace tabulet::ui
