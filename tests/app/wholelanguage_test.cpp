// Every text a person sees comes from the language file or from Qt's own translations. The
// program runs in a pseudo-language (each text of the English file in ⟦…⟧, Qt's texts and dates in
// German); each window its menus open is opened the way the menus do it, and every shown text
// without the markers is reported.
#include "app/qttranslation.h"
#include "platform/qtkeynames.h"
#include "plugins/pluginmenu.h"
#include "pseudolanguage.h"
#include "testfolders.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/newfiledialog.h"
#include "ui/dialogs/options/keyboardpage.h"
#include "ui/dialogs/options/pluginspage.h"
#include "ui/menus/menuitems.h"
#include "ui/menus/menus.h"
#include "ui/window/mainwindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>

#include <functional>
#include <iostream>

namespace tabulet::app {
namespace {

using commands::CommandId;

// Texts that do not come from the language file by design; the check passes over them and names them.
struct KnownException
{
    const char *where; // a part of the place the text is shown
    const char *text;  // the bare part of the text, as reported
    const char *why;
};
const KnownException kKnownExceptions[] = {
    {"› tip", "", "the tips are a file of their own per language, not texts of the language file"},
    {"› shortcuts tool tip", "", "the keyboard page's tool tips give each command's name as the configuration stores it"},
    {"› languages", "", "each language is listed by its own name from its own file, its file name in the tool tip"},
    {"⟦Themes⟧", "", "the themes name themselves in their own files, a caption per language"},
    {"PluginPropertiesDialog › fileName", "", "the plug-in's file, a path, cut in the middle where it is long"},
};

const KnownException *knownException(const QString &where, const QString &bare)
{
    for (const KnownException &known : kKnownExceptions) {
        if (where.contains(QString::fromUtf8(known.where)) &&
            (*known.text == '\0' || bare.trimmed() == QString::fromUtf8(known.text)))
            return &known;
    }
    return nullptr;
}

// Qt's text for a standard button (translated by Qt's own translations), or none.
QString qtButtonText(const QAbstractButton &button)
{
    int standard = QDialogButtonBox::NoButton;
    if (const auto *box = qobject_cast<const QDialogButtonBox *>(button.parentWidget()))
        standard = box->standardButton(const_cast<QAbstractButton *>(&button));
    if (standard == QDialogButtonBox::NoButton)
        return QString();
    QDialogButtonBox probe;
    return probe.addButton(static_cast<QDialogButtonBox::StandardButton>(standard))->text();
}

class WholeLanguage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QApplication::setApplicationName(QStringLiteral("Tabulet"));
        QFile english(QStringLiteral(TABULET_SOURCE_DIR "/resources/languages/english.tabulang"));
        ASSERT_TRUE(english.open(QIODevice::ReadOnly));
        const QByteArray pseudo = lang::pseudoLanguage(english.readAll(), QStringLiteral("de"));
        QDir().mkpath(context.folders.languagesFolder);
        writeFile(QDir(context.folders.languagesFolder).filePath(QStringLiteral("pseudo.tabulang")), pseudo);
        context.texts.loadLanguageText(pseudo);
        qtTranslation.apply(context.texts.text(QStringLiteral("LOCALE")));

        // The notes and names a person typed carry the markers too: they are not the program's.
        writeFile(dataFile(QStringLiteral("tab00001.rtf")), "{\\rtf1\\ansi \xe2\x9f\xa6shopping\xe2\x9f\xa7\\par}");
        writeFile(dataFile(QStringLiteral("tab00002.rtf")), "{\\rtf1\\ansi \xe2\x9f\xa6ideas\xe2\x9f\xa7\\par}");
        writeFile(dataFile(QStringLiteral("tab00003.rtf")), "{\\rtf1\\ansi \xe2\x9f\xa6old\xe2\x9f\xa7\\par}");
        writeFile(
            dataFile(QStringLiteral("tbu_config.xml")),
            "<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n"
            "<option key=\"languagefile\" val=\"pseudo.tabulang\"/>\n"
            "<option key=\"showtipsonstartup\" val=\"0\"/>\n"
            "<option key=\"confirmexit\" val=\"1\"/>\n"
            "<option key=\"sender\" val=\"\xe2\x9f\xa6me\xe2\x9f\xa7\"/>\n"
            "</options>\n<notes>\n"
            "<note id=\"0\" title=\"\xe2\x9f\xa6Shopping\xe2\x9f\xa7\" filename=\"tab00001.rtf\" visible=\"1\"/>\n"
            "<note id=\"1\" title=\"\xe2\x9f\xa6Ideas\xe2\x9f\xa7\" filename=\"tab00002.rtf\" visible=\"1\"/>\n"
            "<note id=\"2\" title=\"\xe2\x9f\xa6Old\xe2\x9f\xa7\" filename=\"tab00003.rtf\" visible=\"0\"/>\n"
            "</notes>\n</config>\n");
        mainWindow = std::make_unique<ui::MainWindow>(context);
        ASSERT_TRUE(mainWindow->initialise());
        // The plug-ins' names and entries are their scripts' own texts.
        const platform::QtKeyNames keyNames;
        for (const plugins::PluginSubmenu &group :
             plugins::pluginMenu(context.plugins.callbacks(), context.commands, keyNames)) {
            scriptTexts << group.label;
            for (const plugins::PluginMenuItem &item : group.items)
                scriptTexts << item.text.section(u'#', 0, 0);
        }
        context.plugins.table().forEach([this](const plugins::Plugin &plugin) {
            scriptTexts << plugin.displayName() << plugin.description << plugin.author;
        });
    }

    void TearDown() override
    {
        if (mainWindow)
            mainWindow->closeWithoutAsking();
        qtTranslation.apply(QString());
    }

    // The note window's test folders, with plug-in folders of their own.
    static settings::FolderSet foldersIn(const QTemporaryDir &work)
    {
        settings::FolderSet folders = ui::foldersIn(work);
        folders.pluginsFolder = work.filePath(QStringLiteral("plugins"));
        folders.pluginConfigFolder = work.filePath(QStringLiteral("pluginconfig"));
        return folders;
    }

    QString dataFile(const QString &name) const { return QDir(context.folders.dataFolder).filePath(name); }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Notes a shown text without markers, less what a person typed or the system named.
    void check(const QString &where, const QString &shown)
    {
        QString bare = lang::withoutMarkedParts(shown);
        for (const QString &path : {context.folders.dataFolder, work.path()})
            bare.remove(QDir::toNativeSeparators(path));
        bare.remove(QApplication::applicationName());
        for (const settings::Note &note : context.notes)
            bare.remove(note.fileName);
        if (scriptTexts.contains(bare.trimmed()))
            return;
        QStringList words = bare.split(QRegularExpression(QStringLiteral("[\\s,;()]+")), Qt::SkipEmptyParts);
        // Shortcut texts, as the desktop writes them.
        words.removeIf([](const QString &word) {
            const QKeySequence keys(word, QKeySequence::NativeText);
            return !keys.isEmpty() && keys.toString(QKeySequence::NativeText) == word && word.size() > 1;
        });
        const bool hasLetters = std::any_of(words.cbegin(), words.cend(), [](const QString &word) {
            return std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetter(); });
        });
        if (!hasLetters)
            return;
        if (const KnownException *known = knownException(where, words.join(u' ')))
            knownSeen.insert(QString::fromUtf8(known->why));
        else if (!findings.contains(shown))
            findings.insert(shown, where);
    }

    void checkItems(const QString &where, const QAbstractItemModel &model, const QModelIndex &parent = {})
    {
        if (!parent.isValid()) {
            for (int column = 0; column < model.columnCount(); ++column)
                check(where + QStringLiteral(" header"), model.headerData(column, Qt::Horizontal).toString());
        }
        for (int row = 0; row < model.rowCount(parent); ++row) {
            for (int column = 0; column < model.columnCount(parent); ++column) {
                const QModelIndex index = model.index(row, column, parent);
                check(where, model.data(index, Qt::DisplayRole).toString());
                check(where + QStringLiteral(" tool tip"), model.data(index, Qt::ToolTipRole).toString());
            }
            checkItems(where, model, model.index(row, 0, parent));
        }
    }

    void checkMenu(const QString &where, const QMenu &menu)
    {
        check(where, menu.title());
        for (const QAction *action : menu.actions()) {
            // The shortcut stands in its own column after a tab.
            const QString text = action->text().section(u'\t', 0, 0);
            check(where, text);
            if (const QString keys = action->text().section(u'\t', 1); !isShortcutText(keys))
                check(where + QStringLiteral(" shortcut"), keys);
            check(where + QStringLiteral(" tool tip"), action->toolTip().section(u'\t', 0, 0));
            if (action->menu())
                checkMenu(where + QStringLiteral(" › ") + action->text(), *action->menu());
        }
    }

    // A shortcut as the menus write it ("Ctrl + Shift + B"), in the words of Qt's translation.
    static bool isShortcutText(QString text)
    {
        text.replace(QStringLiteral(" + "), QStringLiteral("+"));
        return text.isEmpty() || !QKeySequence(text, QKeySequence::NativeText).isEmpty();
    }

    static QString plainText(const QString &text)
    {
        return Qt::mightBeRichText(text) ? QTextDocumentFragment::fromHtml(text).toPlainText() : text;
    }

    void checkWidget(const QString &window, QWidget &widget)
    {
        const QString name =
            widget.objectName().isEmpty() ? QString::fromLatin1(widget.metaObject()->className()) : widget.objectName();
        const QString where = window + QStringLiteral(" › ") + name;
        check(where + QStringLiteral(" tool tip"), widget.toolTip());
        if (const auto *label = qobject_cast<QLabel *>(&widget))
            check(where, plainText(label->text()));
        if (const auto *button = qobject_cast<QAbstractButton *>(&widget);
            button && button->text() != qtButtonText(*button))
            check(where, button->text());
        if (const auto *group = qobject_cast<QGroupBox *>(&widget))
            check(where, group->title());
        if (const auto *combo = qobject_cast<QComboBox *>(&widget);
            combo && !qobject_cast<const QFontComboBox *>(combo)) {
            for (int item = 0; item < combo->count(); ++item)
                check(where, combo->itemText(item));
        }
        if (const auto *tabs = qobject_cast<QTabWidget *>(&widget)) {
            for (int tab = 0; tab < tabs->count(); ++tab)
                check(where, tabs->tabText(tab));
        }
        if (const auto *line = qobject_cast<QLineEdit *>(&widget))
            check(where, line->placeholderText());
        if (const auto *spin = qobject_cast<QAbstractSpinBox *>(&widget))
            check(where, spin->specialValueText());
        if (const auto *edit = qobject_cast<QTextEdit *>(&widget); edit && edit->isReadOnly())
            check(where, edit->toPlainText());
        if (const auto *view = qobject_cast<QAbstractItemView *>(&widget);
            view && view->model() && !qobject_cast<const QHeaderView *>(view))
            checkItems(where, *view->model());
        if (const auto *menu = qobject_cast<QMenu *>(&widget))
            checkMenu(where, *menu);
    }

    // Every shown window and all that is in it, hidden pages too.
    void checkWindows(const QString &step)
    {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->isVisible() || qobject_cast<QMenu *>(top))
                continue;
            const QString window = step + QStringLiteral(": ") + QString::fromLatin1(top->metaObject()->className());
            check(window + QStringLiteral(" caption"), top->windowTitle());
            checkWidget(window, *top);
            for (QWidget *child : top->findChildren<QWidget *>()) {
                if (child->window() == top)
                    checkWidget(window, *child);
            }
        }
    }

    static void closeModal(QWidget &modal)
    {
        if (auto *box = qobject_cast<QMessageBox *>(&modal)) {
            QAbstractButton *button = box->escapeButton() ? box->escapeButton() : box->defaultButton();
            if (button) {
                button->click();
                return;
            }
        }
        if (auto *dialog = qobject_cast<QDialog *>(&modal))
            dialog->reject();
        else
            modal.close();
    }

    // Runs open(); the modal windows it brings up are checked and closed, the first after
    // inside() has run on it. Windows it leaves open without a modal loop are checked after it.
    void throughWindow(const QString &step, const std::function<void()> &open,
                       const std::function<void(QWidget &)> &inside = {})
    {
        QWidget *outer = QApplication::activeModalWidget();
        QWidgetList shownBefore = QApplication::topLevelWidgets();
        shownBefore.removeIf([](const QWidget *top) { return !top->isVisible(); });
        int seen = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == outer || !modal->isVisible())
                return;
            poll.stop();
            checkWindows(step);
            if (seen++ == 0 && inside)
                inside(*modal);
            closeModal(*modal);
            poll.start();
        });
        poll.start();
        open();
        poll.stop();
        checkWindows(step);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!shownBefore.contains(top) && top->isVisible() && !qobject_cast<QMenu *>(top)) {
                ++seen;
                top->close();
            }
        }
        // Windows that delete themselves on closing are gone before the next step.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_GT(seen, 0) << "no window for " << step.toStdString();
    }

    QAbstractButton &buttonOf(QWidget &window, const char *key)
    {
        const QString text = context.texts.text(QLatin1String(key));
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (button->text() == text)
                return *button;
        }
        ADD_FAILURE() << "no button " << key;
        static QPushButton none;
        return none;
    }

    // The report: each bare text once, with where it was first seen.
    std::string report() const
    {
        QString out;
        for (auto found = findings.cbegin(); found != findings.cend(); ++found)
            out += QStringLiteral("\n  \"%1\"  (%2)").arg(found.key(), found.value());
        return out.toStdString();
    }

    QTemporaryDir work;
    ui::ApplicationContext context{foldersIn(work)};
    QtTranslation qtTranslation;
    std::unique_ptr<ui::MainWindow> mainWindow;
    QMap<QString, QString> findings;
    QSet<QString> scriptTexts;
    QSet<QString> knownSeen;
};

TEST_F(WholeLanguage, everyWindowTheMenusOpen_showsOnlyTextsOfTheLanguage)
{
    checkWindows(QStringLiteral("window"));
    for (const auto kind : {ui::MenuKind::Tab, ui::MenuKind::Window, ui::MenuKind::Main, ui::MenuKind::Editor})
        checkMenu(QStringLiteral("menu %1").arg(static_cast<int>(kind)), *mainWindow->menus().buildMenu(kind));
    checkMenu(QStringLiteral("tray menu"), *mainWindow->menus().trayMenu());

    const auto command = [this](CommandId id) {
        return [this, id] {
            mainWindow->runCommand(id);
        };
    };
    throughWindow(QStringLiteral("about"), command(CommandId::About));
    throughWindow(QStringLiteral("tip of the day"), command(CommandId::ShowTips));
    throughWindow(QStringLiteral("document list"), command(CommandId::ViewDocumentList));
    throughWindow(QStringLiteral("note properties"), command(CommandId::Properties), [this](QWidget &properties) {
        throughWindow(
            QStringLiteral("preset manager"), [&] { buttonOf(properties, "ID_MANAGE_PRESETS").click(); },
            [this](QWidget &manager) {
                throughWindow(QStringLiteral("add preset"), [&] { buttonOf(manager, "IDC_BUTTON_ADD").click(); });
            });
    });
    throughWindow(QStringLiteral("options"), command(CommandId::ShowOptions), [this](QWidget &sheet) {
        auto *plugins = sheet.findChild<ui::PluginsPage *>()->findChild<QTreeWidget *>();
        ASSERT_GT(plugins->topLevelItemCount(), 0);
        throughWindow(QStringLiteral("plug-in details"),
                      [&] { emit plugins->itemActivated(plugins->topLevelItem(0), 0); });
        auto *shortcuts = sheet.findChild<ui::KeyboardPage *>()->findChild<QTreeWidget *>();
        throughWindow(QStringLiteral("enter shortcut"),
                      [&] { emit shortcuts->itemActivated(shortcuts->topLevelItem(0), 1); });
    });
    throughWindow(QStringLiteral("archives"), command(CommandId::ShowArchives), [this](QWidget &archives) {
        throughWindow(QStringLiteral("archive now"), [&] { buttonOf(archives, "IDC_ARCHIVE_NOW").click(); });
        checkWindows(QStringLiteral("archives with an archive"));
    });
    throughWindow(QStringLiteral("new tab"), command(CommandId::NewTab));
    throughWindow(QStringLiteral("rename tab"), [this] { mainWindow->runMenuItem(ui::kRenameTabItem); });
    throughWindow(
        QStringLiteral("send"), [this] { mainWindow->runMenuItem(ui::kSendNoteItem); },
        [this](QWidget &send) {
            throughWindow(QStringLiteral("favourites"), [&] { buttonOf(send, "IDC_BUTTON_MANAGE_FAVORITES").click(); });
            // A recipient that refuses the connection: the failure is told.
            throughWindow(QStringLiteral("send failed"), [&] {
                send.findChild<QComboBox *>(QStringLiteral("recipient"))->setCurrentText(QStringLiteral("127.0.0.1:1"));
                buttonOf(send, "IDC_SEND").click();
                EXPECT_TRUE(QTest::qWaitFor([&] { return !send.isVisible(); }, 20000));
            });
        });
    throughWindow(QStringLiteral("received note"), [this] {
        ui::NewFileDialog(context.texts, {QStringLiteral("⟦someone⟧"), QStringLiteral("⟦a note⟧"), 10, 20},
                          mainWindow.get())
            .exec();
    });
    throughWindow(QStringLiteral("search"), command(CommandId::Search));
    throughWindow(QStringLiteral("replace"), command(CommandId::Replace));
    throughWindow(QStringLiteral("hide"), command(CommandId::HideDocument));
    throughWindow(QStringLiteral("delete"), command(CommandId::DeleteDocument));
    throughWindow(QStringLiteral("exit"), command(CommandId::Exit));

    EXPECT_TRUE(scriptTexts.contains(QStringLiteral("Wortzählung"))) << "the shipped plug-ins speak the language";
    EXPECT_TRUE(findings.isEmpty()) << "texts not from the language file:" << report();
    for (const QString &why : knownSeen)
        std::cout << "passed over: " << why.toStdString() << '\n';
}

} // namespace
} // namespace tabulet::app
