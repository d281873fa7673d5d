#include "ui/menus/menus.h"

#include "commands/commandtable.h"
#include "platform/qtkeynames.h"
#include "theme/theme.h"
#include "theme/themecaptions.h"
#include "theme/themelist.h"
#include "theme/themesmenu.h"
#include "ui/applicationcontext.h"
#include "ui/editor/formattoggles.h"
#include "ui/menus/menuicons.h"
#include "ui/menus/menuitems.h"
#include "ui/menus/menustyle.h"

#include <QDesktopServices>
#include <QDir>
#include <QMenu>
#include <QTextEdit>
#include <QUrl>

#include <algorithm>

namespace tabulet::ui {

namespace {

// Every action of the menu and its submenus with that item id.
QList<QAction *> actionsWithId(const QMenu &menu, int id)
{
    QList<QAction *> found;
    for (QAction *action : menu.actions()) {
        if (QMenu *submenu = action->menu())
            found += actionsWithId(*submenu, id);
        else if (!action->isSeparator() && action->data().toInt() == id)
            found.append(action);
    }
    return found;
}

void setChecked(const QMenu &menu, int id, bool checked)
{
    for (QAction *action : actionsWithId(menu, id)) {
        action->setCheckable(true);
        action->setChecked(checked);
    }
}

void setEnabled(const QMenu &menu, int id, bool enabled)
{
    for (QAction *action : actionsWithId(menu, id))
        action->setEnabled(enabled);
}

// True when every character of the selection has the attribute; with no selection, the
// format that typing would use.
bool wholeSelection(const QTextEdit &editor, bool (*has)(const rtf::CharacterFormat &))
{
    const std::vector<rtf::CharacterFormat> formats = selectedFragmentFormats(editor);
    return std::all_of(formats.begin(), formats.end(), has);
}

// The editor menu's check marks and greyed items for the editor as it is now: Copy and Cut need
// a selection, Paste something to paste, and Word Wrap shows whether lines wrap.
void markEditorState(const QMenu &menu, const QTextEdit &editor)
{
    const bool canPaste = !editor.isReadOnly() && editor.canPaste();
    setEnabled(menu, 157, canPaste);
    setEnabled(menu, 158, canPaste);
    const bool hasSelection = editor.textCursor().hasSelection();
    setEnabled(menu, 155, hasSelection);
    setEnabled(menu, 156, hasSelection && !editor.isReadOnly());
    setChecked(menu, 171, editor.lineWrapMode() != QTextEdit::NoWrap);
    using Format = rtf::CharacterFormat;
    setChecked(menu, 146, wholeSelection(editor, [](const Format &f) { return f.bold; }));
    setChecked(menu, 147, wholeSelection(editor, [](const Format &f) { return f.italic; }));
    setChecked(menu, 148, wholeSelection(editor, [](const Format &f) { return f.underline; }));
    setChecked(menu, 180, wholeSelection(editor, [](const Format &f) { return f.strikeOut; }));
    setChecked(menu, 32788, wholeSelection(editor, [](const Format &f) {
                   return f.verticalPosition == rtf::VerticalPosition::Superscript;
               }));
    setChecked(menu, 32794, wholeSelection(editor, [](const Format &f) {
                   return f.verticalPosition == rtf::VerticalPosition::Subscript;
               }));
    setChecked(menu, 32792, wholeSelection(editor, [](const Format &f) { return f.allCapitals; }));
    setChecked(menu, 32793, wholeSelection(editor, [](const Format &f) { return f.smallCapitals; }));
    const SelectionFormat paragraphs = selectionFormat(editor);
    setChecked(menu, 152, paragraphs.numbering == rtf::Numbering::Bullet);
    setChecked(menu, 154, paragraphs.numbering == rtf::Numbering::Arabic);
    setChecked(menu, 175, paragraphs.alignment == rtf::Alignment::Left);
    setChecked(menu, 176, paragraphs.alignment == rtf::Alignment::Centre);
    setChecked(menu, 177, paragraphs.alignment == rtf::Alignment::Right);
}

void openFolder(const QString &folder)
{
    QDir().mkpath(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

} // namespace

NoteMenus::NoteMenus(ApplicationContext &context, MenuHost &host, std::unique_ptr<commands::KeyNames> keyNames,
                     QObject *parent)
    : QObject(parent), m_context(context), m_host(host), m_keyNames(std::move(keyNames)),
      m_style(std::make_unique<MenuStyle>())
{
    if (!m_keyNames)
        m_keyNames = std::make_unique<platform::QtKeyNames>();
}

NoteMenus::~NoteMenus() = default;

std::unique_ptr<QMenu> NoteMenus::buildMenu(MenuKind kind)
{
    auto menu = std::make_unique<QMenu>();
    fillMenu(*menu, kind);
    return menu;
}

void NoteMenus::fillMenu(QMenu &menu, MenuKind kind)
{
    menu.clear();
    qDeleteAll(menu.findChildren<QMenu *>(Qt::FindDirectChildrenOnly));
    menu.setStyle(m_style.get());
    addEntries(menu, menuEntries(kind));
    if (kind == MenuKind::Main)
        setChecked(menu, 173, m_host.isOnTop());
    else if (kind == MenuKind::Editor)
        markEditorState(menu, m_host.noteEditor());
}

void NoteMenus::addEntries(QMenu &menu, const std::vector<MenuEntry> &entries)
{
    auto &texts = m_context.texts;
    for (const MenuEntry &entry : entries) {
        const QString textKey = QString::fromLatin1(entry.textKey);
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            menu.addSeparator();
            break;
        case MenuEntry::Kind::Item: {
            const auto &commandTable = m_context.commands;
            QString caption =
                commandTable.menuCaption(texts, *m_keyNames, textKey, commandTable.commandOfTextKey(textKey));
            // The menu draws what follows a tab as the shortcut column.
            if (const int mark = caption.indexOf(QLatin1Char('#')); mark >= 0)
                caption[mark] = QLatin1Char('\t');
            QAction *action = menu.addAction(menuIcon(entry.id), caption);
            action->setData(entry.id);
            break;
        }
        case MenuEntry::Kind::Submenu:
            addEntries(*addSubmenu(menu, texts.text(textKey)), entry.children);
            break;
        case MenuEntry::Kind::Plugins: {
            QMenu *submenu = addSubmenu(menu, texts.text(textKey));
            // What the submenu shows until the plug-in host fills it.
            submenu->addAction(texts.text(QStringLiteral("PLUGINS_NONE")))->setEnabled(false);
            fillPluginsMenu(*submenu);
            break;
        }
        case MenuEntry::Kind::Themes:
            fillThemesMenu(*addSubmenu(menu, texts.text(textKey)));
            break;
        }
    }
}

QMenu *NoteMenus::addSubmenu(QMenu &menu, const QString &title)
{
    auto *submenu = new QMenu(title, &menu);
    submenu->setStyle(m_style.get());
    menu.addMenu(submenu);
    return submenu;
}

void NoteMenus::fillPluginsMenu(QMenu &submenu)
{
    if (m_fillPlugins) {
        delete submenu.actions().constFirst();
        m_fillPlugins(submenu);
    }
    submenu.addSeparator();
    submenu.addAction(m_context.texts.text(QStringLiteral("GETMOREPLUGINS")))->setData(kMorePluginsItem);
}

void NoteMenus::fillThemesMenu(QMenu &submenu)
{
    const theme::Theme &current = m_host.currentTheme();
    const auto items = theme::themesMenuItems(theme::listThemes(m_context.folders), current.name(),
                                              current.listSubthemes(), current.currentTitle());
    // Themes show their captions in the program's language; they are still chosen by name.
    const QString language = m_context.texts.text(QStringLiteral("LOCALE"));
    const theme::ThemeCaptions currentCaptions = theme::packageCaptions(current.path(), language);
    for (const theme::ThemesMenuItem &item : items) {
        QString text = item.text;
        switch (item.kind) {
        case theme::ThemesMenuItem::Kind::Separator:
            submenu.addSeparator();
            continue;
        case theme::ThemesMenuItem::Kind::Theme:
            text = theme::shownThemeName(m_context.folders, item.text, language);
            break;
        case theme::ThemesMenuItem::Kind::Subtheme:
            text = currentCaptions.subthemes.value(item.text, item.text);
            break;
        case theme::ThemesMenuItem::Kind::MoreThemes:
            text = m_context.texts.text(item.text);
            break;
        }
        QAction *action = submenu.addAction(text);
        action->setData(item.id);
        action->setCheckable(item.kind != theme::ThemesMenuItem::Kind::MoreThemes);
        action->setChecked(item.checked);
    }
}

bool NoteMenus::themeMenuCommand(int id)
{
    const theme::Theme &current = m_host.currentTheme();
    const theme::ThemeMenuChoice choice =
        theme::themeMenuChoice(id, theme::listThemes(m_context.folders), current.listSubthemes());
    switch (choice.kind) {
    case theme::ThemeMenuChoice::Kind::Theme:
        m_host.loadThemeFromMenu(choice.name);
        return true;
    case theme::ThemeMenuChoice::Kind::Subtheme:
        m_host.selectSubthemeFromMenu(choice.name);
        return true;
    case theme::ThemeMenuChoice::Kind::MoreThemes:
        // Further themes are installed by putting them into the per-user themes folder.
        openFolder(m_context.folders.themesFolder);
        return false;
    case theme::ThemeMenuChoice::Kind::None:
        break;
    }
    return false;
}

void NoteMenus::setPluginMenus(std::function<void(QMenu &)> fill, std::function<bool(int)> run)
{
    m_fillPlugins = std::move(fill);
    m_runPluginCommand = std::move(run);
}

void NoteMenus::dispatchChoice(int id)
{
    if (m_runPluginCommand && m_runPluginCommand(id))
        return;
    if (id == kMorePluginsItem) {
        openFolder(m_context.folders.pluginsFolder);
        return;
    }
    if (themeMenuCommand(id))
        return;
    m_host.runMenuItem(id);
}

int NoteMenus::execute(QMenu &menu, const QPoint &globalPosition)
{
    const QAction *chosen = menu.exec(globalPosition);
    return chosen ? chosen->data().toInt() : 0;
}

void NoteMenus::showTabMenu(const QPoint &globalPosition)
{
    const auto menu = buildMenu(MenuKind::Tab);
    if (const int id = execute(*menu, globalPosition))
        m_host.runMenuItem(id);
}

void NoteMenus::showWindowMenu(const QPoint &globalPosition)
{
    const auto menu = buildMenu(MenuKind::Window);
    if (const int id = execute(*menu, globalPosition))
        m_host.runMenuItem(id);
}

void NoteMenus::showMainMenu(const QPoint &globalPosition)
{
    const auto menu = buildMenu(MenuKind::Main);
    if (const int id = execute(*menu, globalPosition))
        dispatchChoice(id);
}

void NoteMenus::showEditorMenu(const QPoint &globalPosition)
{
    const auto menu = buildMenu(MenuKind::Editor);
    if (const int id = execute(*menu, globalPosition))
        dispatchChoice(id);
}

QMenu *NoteMenus::trayMenu()
{
    if (!m_trayMenu) {
        m_trayMenu = std::make_unique<QMenu>();
        fillMenu(*m_trayMenu, MenuKind::Tray);
        // Translated afresh each time: the language may have changed meanwhile.
        connect(m_trayMenu.get(), &QMenu::aboutToShow, this, [this] { fillMenu(*m_trayMenu, MenuKind::Tray); });
        connect(m_trayMenu.get(), &QMenu::triggered, this, [this](const QAction *action) {
            if (const int id = action->data().toInt())
                m_host.runMenuItem(id);
        });
    }
    return m_trayMenu.get();
}

} // namespace tabulet::ui
