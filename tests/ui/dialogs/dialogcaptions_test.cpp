// Every dialog names what it is for, in the language of the texts: no caption is empty, none is
// only the program's name, no two dialogs share one, and the note's properties name the note.
#include "fakeprompts.h"
#include "lang/texttable.h"
#include "plugins/plugin.h"
#include "settings/presetlist.h"
#include "testfolders.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/newfiledialog.h"
#include "ui/dialogs/options/pluginpropertiesdialog.h"
#include "ui/dialogs/presetpropertiesdialog.h"
#include "ui/dialogs/sendfiledialog.h"
#include "ui/dialogs/tabpropertiesdialog.h"
#include "ui/menus/menuitems.h"
#include "ui/window/mainwindow.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <functional>

namespace tabulet::ui {
namespace {

const QString kNoteTitle = QStringLiteral("Shopping");

// A note window over one note titled "Shopping", asking through fake prompts.
struct WindowWithOneNote
{
    explicit WindowWithOneNote(const QString &languageFile)
    {
        context.texts.loadLanguageFile(languageFile);
        QFile configuration(QDir(context.folders.dataFolder).filePath(QStringLiteral("tbu_config.xml")));
        if (configuration.open(QIODevice::WriteOnly))
            configuration.write("<?xml version=\"1.0\" ?>\n<config version=\"1.1\">\n<options>\n<option "
                                "key=\"showtipsonstartup\" val=\"0\"/>\n</options>\n<notes>\n<note id=\"0\" "
                                "title=\"Shopping\" filename=\"tab00001.rtf\" visible=\"1\"/>\n</notes>\n</config>\n");
        configuration.close();
        window = std::make_unique<MainWindow>(context);
        window->setPrompts(std::make_unique<FakePrompts>(log));
        window->initialise();
    }

    QTemporaryDir work;
    ApplicationContext context{foldersIn(work)};
    FakePrompts::Log log;
    std::unique_ptr<MainWindow> window;
};

struct CaptionOf
{
    const char *dialog;
    std::function<QString(WindowWithOneNote &)> caption;
};

settings::Note shoppingNote()
{
    settings::Note note;
    note.title = kNoteTitle;
    note.fileName = QStringLiteral("tab00001.rtf");
    return note;
}

const std::vector<CaptionOf> kDialogs = {
    {"newTab",
     [](WindowWithOneNote &w) {
         w.window->runCommand(commands::CommandId::NewTab);
         return w.log.nameCaptions.value(0);
     }},
    {"renameTab",
     [](WindowWithOneNote &w) {
         w.window->runMenuItem(kRenameTabItem);
         return w.log.nameCaptions.value(0);
     }},
    {"noteProperties",
     [](WindowWithOneNote &w) {
         return TabPropertiesDialog(w.context.texts, shoppingNote(), {}, w.context.folders.dataFolder).windowTitle();
     }},
    {"presetManager",
     [](WindowWithOneNote &w) {
         TabPropertiesDialog properties(w.context.texts, shoppingNote(), {}, w.context.folders.dataFolder);
         QString caption;
         properties.setRunDialog([&](QDialog &manager) {
             caption = manager.windowTitle();
             return int(QDialog::Rejected);
         });
         properties.managePresets();
         return caption;
     }},
    {"presetEditor",
     [](WindowWithOneNote &w) {
         return PresetPropertiesDialog(w.context.texts, {}).windowTitle();
     }},
    {"pluginDetails",
     [](WindowWithOneNote &w) {
         plugins::PluginInfo plugin;
         plugin.name = QStringLiteral("Date");
         return PluginPropertiesDialog(plugin, w.context.texts, QString(), [](const QString &) {}).windowTitle();
     }},
    {"sendNote",
     [](WindowWithOneNote &w) {
         return SendFileDialog(w.context.texts, {QString(), kNoteTitle, QStringLiteral("anna")}, QString())
             .windowTitle();
     }},
    {"noteReceived",
     [](WindowWithOneNote &w) {
         return NewFileDialog(w.context.texts, {QStringLiteral("anna"), kNoteTitle, 10, 10}).windowTitle();
     }},
};

class DialogCaptions : public testing::TestWithParam<const char *>
{
};

TEST_P(DialogCaptions, eachDialogNamesWhatItIsFor)
{
    const QString languageFile = QStringLiteral(TABULET_SOURCE_DIR "/resources/languages/") + GetParam();
    QSet<QString> seen;
    for (const CaptionOf &row : kDialogs) {
        WindowWithOneNote window(languageFile);
        const QString caption = row.caption(window);
        EXPECT_FALSE(caption.trimmed().isEmpty()) << row.dialog;
        EXPECT_NE(caption, QStringLiteral("Tabulet")) << row.dialog;
        EXPECT_FALSE(caption.contains(u'&') || caption.endsWith(u'.')) << row.dialog << ": " << caption.toStdString();
        EXPECT_FALSE(seen.contains(caption)) << row.dialog << " shares its caption: " << caption.toStdString();
        seen.insert(caption);
        if (QLatin1String(row.dialog) == QLatin1String("noteProperties")) {
            EXPECT_TRUE(caption.contains(kNoteTitle)) << caption.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, DialogCaptions, testing::Values("english.tabulang", "deutsch.tabulang"),
                         [](const testing::TestParamInfo<const char *> &testInfo) {
                             return QString::fromLatin1(testInfo.param).section(u'.', 0, 0).toStdString();
                         });

} // namespace
} // namespace tabulet::ui
