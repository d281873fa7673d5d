#include "commands/commandtable.h"
#include "fakeprompts.h"
#include "lang/texttable.h"
#include "platform/qtkeynames.h"
#include "testfolders.h"
#include "ui/applicationcontext.h"
#include "ui/dialogs/aboutdialog.h"
#include "ui/dialogs/helppage.h"
#include "ui/dialogs/tipdialog.h"
#include "ui/dialogs/versioncheck.h"
#include "ui/window/mainwindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFormLayout>
#include <QLabel>
#include <QLibraryInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <functional>

namespace tabulet::ui {
namespace {

using commands::CommandId;

const QString kBuiltProgramFolder = QStringLiteral(TABULET_BINARY_DIR);

// Runs what to do with the dialog that opens next, then closes it; gives up after a while so that
// a dialog that never opens fails the test instead of hanging it.
void whenDialogOpens(std::function<void(QDialog &)> handle)
{
    auto *poll = new QTimer;
    poll->setInterval(20);
    auto deadline = std::make_shared<int>(250);
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, handle] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (dialog) {
            handle(*dialog);
            dialog->reject();
        }
        if (dialog || --*deadline == 0)
            poll->deleteLater();
    });
    poll->start();
}

// --- help page -------------------------------------------------------------------------------

TEST(HelpPage, opensTheShippedPageAsALocalFile)
{
    QUrl opened;
    EXPECT_TRUE(openHelpPage(kBuiltProgramFolder, QStringLiteral("en"), [&](const QUrl &url) {
        opened = url;
        return true;
    }));
    EXPECT_EQ(opened,
              QUrl::fromLocalFile(QDir(kBuiltProgramFolder).absoluteFilePath(QStringLiteral("help/index.html"))));
}

TEST(HelpPage, missingPage_isReportedAndNothingOpens)
{
    QTemporaryDir empty;
    bool called = false;
    EXPECT_FALSE(openHelpPage(empty.path(), QStringLiteral("de"), [&](const QUrl &) { return called = true; }));
    EXPECT_FALSE(called);
}

TEST(HelpPage, desktopRefusingThePage_isAFailure)
{
    EXPECT_FALSE(openHelpPage(kBuiltProgramFolder, QStringLiteral("en"), [](const QUrl &) { return false; }));
}

// The page of the language file's locale where the program ships one, else the English page; a
// locale that is no language name never reaches outside the help folder.
TEST(HelpPage, pageOfTheUsersLanguage_elseEnglish)
{
    const QString german = kBuiltProgramFolder + QStringLiteral("/help/de/index.html");
    const QString english = kBuiltProgramFolder + QStringLiteral("/help/index.html");
    const std::pair<const char *, QString> cases[] = {
        {"de", german}, {"de_AT", german}, {"DE-de", german}, {"en", english}, {"fr", english},
        {"", english},  {"../de", english}, {"de/..", english},
    };
    for (const auto &[locale, page] : cases)
        EXPECT_EQ(helpPagePath(kBuiltProgramFolder, QString::fromLatin1(locale)), page) << locale;
}

// The built page carries the shortcut of every listed command that has a caption.
TEST(HelpPage, shippedPage_listsTheDefaultShortcuts)
{
    QFile file(helpPagePath(kBuiltProgramFolder));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(file.readAll());
    EXPECT_FALSE(page.contains(QStringLiteral("<!-- shortcuts -->")));
    lang::TextTable english;
    ASSERT_TRUE(english.loadLanguageFile(kBuiltProgramFolder + QStringLiteral("/languages/english.tabulang")));
    const commands::CommandTable commands;
    EXPECT_TRUE(page.contains(shortcutRows(commands, english, platform::QtKeyNames())));
    EXPECT_TRUE(page.contains(QStringLiteral("<td>Bold</td><td><kbd>Ctrl+Shift+B</kbd></td>")));
    EXPECT_TRUE(page.contains(QStringLiteral("<kbd>F1</kbd>")));

    QFile germanFile(helpPagePath(kBuiltProgramFolder, QStringLiteral("de")));
    ASSERT_TRUE(germanFile.open(QIODevice::ReadOnly));
    const QString germanPage = QString::fromUtf8(germanFile.readAll());
    lang::TextTable german;
    ASSERT_TRUE(german.loadLanguageFile(kBuiltProgramFolder + QStringLiteral("/languages/deutsch.tabulang")));
    EXPECT_TRUE(germanPage.contains(QStringLiteral("<html lang=\"de\">")));
    // Its keys are named as a German desktop names them.
    QTranslator germanKeyNames;
    ASSERT_TRUE(germanKeyNames.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&germanKeyNames);
    EXPECT_TRUE(germanPage.contains(shortcutRows(commands, german, platform::QtKeyNames())));
    EXPECT_TRUE(germanPage.contains(QStringLiteral("<kbd>Strg+Umschalt+B</kbd>")));
    QCoreApplication::removeTranslator(&germanKeyNames);
}

TEST(HelpPage, rows_followTheBindingsAndEscapeCaptions)
{
    commands::CommandTable commands;
    commands.setBinding(QStringLiteral("about"), commands::vk::F4, commands::Modifier::Alt);
    commands.setBinding(QStringLiteral("makeSelectionBold"), 0, {});
    lang::TextTable texts;
    texts.loadLanguageText("IDC_ABOUT: &About <Tabulet>...\nTOOL_BOLD: Bold\n");
    const QString rows = shortcutRows(commands, texts, platform::QtKeyNames());
    EXPECT_TRUE(rows.contains(QStringLiteral("<tr><td>About &lt;Tabulet&gt;</td><td><kbd>Alt+F4</kbd></td></tr>")));
    EXPECT_TRUE(rows.contains(QStringLiteral("<tr><td>Bold</td><td></td></tr>")));
    // Commands that are not listed, or have no caption, have no row.
    EXPECT_FALSE(rows.contains(QStringLiteral("PageUp")));
    EXPECT_FALSE(rows.contains(QStringLiteral("Ctrl+T")));
    EXPECT_EQ(fillHelpPage(QStringLiteral("<table>\n<!-- shortcuts -->\n</table>"), rows),
              QStringLiteral("<table>\n") + rows + QStringLiteral("\n</table>"));
    EXPECT_EQ(fillHelpPage(QStringLiteral("no marker"), rows), QStringLiteral("no marker"));
}

// --- tips ------------------------------------------------------------------------------------

TipList threeTips()
{
    return TipList::fromText("first\nsecond\nthird\n");
}

TEST(TipList, readsOneTipPerLine_skippingCommentsAndBlankLines)
{
    const TipList tips = TipList::fromText("# a comment\r\n\r\n  one tip  \r\ntwo\\nlines\n\n   \n#x\n");
    ASSERT_EQ(tips.size(), 2);
    EXPECT_EQ(tips.at(0), QStringLiteral("one tip"));
    EXPECT_EQ(tips.at(1), QStringLiteral("two\nlines"));
    EXPECT_TRUE(TipList::fromText("").isEmpty());
    EXPECT_TRUE(TipList::load(QStringLiteral("/nonexistent/tips.txt")).isEmpty());
}

struct StoredTip
{
    const char *name;
    const char *currentTip;
    qsizetype index;
};

class TipIndex : public ::testing::TestWithParam<StoredTip>
{
};

TEST_P(TipIndex, storedNumber_isWrappedIntoTheList)
{
    EXPECT_EQ(threeTips().indexOf(QString::fromLatin1(GetParam().currentTip)), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(TipList, TipIndex,
                         ::testing::Values(StoredTip{"first", "0", 0}, StoredTip{"last", "2", 2},
                                           StoredTip{"pastTheEnd", "3", 0}, StoredTip{"farPastTheEnd", "8", 2},
                                           StoredTip{"negative", "-1", 2}, StoredTip{"spaces", " 1 ", 1},
                                           StoredTip{"empty", "", 0}, StoredTip{"notANumber", "abc", 0},
                                           StoredTip{"tooLong", "99999999999999999999999", 0}),
                         [](const ::testing::TestParamInfo<StoredTip> &tip) { return std::string(tip.param.name); });

TEST(TipList, languageWithItsOwnTips_getsThem_othersGetEnglish)
{
    QTemporaryDir program;
    QDir(program.path()).mkpath(QStringLiteral("tips"));
    QFile own(program.filePath(QStringLiteral("tips/deutsch.txt")));
    ASSERT_TRUE(own.open(QIODevice::WriteOnly));
    const QString english = program.path() + QStringLiteral("/tips/tips.txt");
    EXPECT_EQ(TipList::filePath(program.path(), QStringLiteral("deutsch.tabulang")), own.fileName());
    EXPECT_EQ(TipList::filePath(program.path(), QStringLiteral("english.tabulang")), english);
    EXPECT_EQ(TipList::filePath(program.path(), QStringLiteral("klingon.tabulang")), english);
    EXPECT_EQ(TipList::filePath(program.path(), QString()), english);
    // A configured name never leads out of the tips folder.
    EXPECT_EQ(TipList::filePath(program.path(), QStringLiteral("../tips/deutsch.tabulang")), english);
}

TEST(TipList, shippedTipsFiles_holdTheSameNumberOfTips)
{
    const TipList english = TipList::load(kBuiltProgramFolder + QStringLiteral("/tips/tips.txt"));
    const TipList german = TipList::load(kBuiltProgramFolder + QStringLiteral("/tips/deutsch.txt"));
    EXPECT_GE(english.size(), 10);
    EXPECT_EQ(german.size(), english.size());
}

lang::TextTable &tipTexts()
{
    static lang::TextTable texts;
    texts.loadLanguageText("ID_TIPOFTHEDAY: Tip of the Day\nID_RANDOMTIP: Random Tip\nCLOSE: Close\n"
                           "ID_SHOWTIPOFTHEDAY: Show at start\n");
    return texts;
}

TEST(TipDialog, showsTheStoredTipAndMovesOn_wrappingAtTheEnd)
{
    TipDialog dialog(threeTips(), tipTexts(), QStringLiteral("2"), true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tip of the Day"));
    EXPECT_EQ(dialog.shownTip(), QStringLiteral("third"));
    EXPECT_EQ(dialog.currentTip(), QStringLiteral("0"));
    dialog.showNextTip();
    EXPECT_EQ(dialog.shownTip(), QStringLiteral("first"));
    EXPECT_EQ(dialog.currentTip(), QStringLiteral("1"));
}

TEST(TipDialog, randomTip_isNeverTheOneShown)
{
    for (qsizetype draw = 0; draw < 2; ++draw) {
        TipDialog dialog(threeTips(), tipTexts(), QStringLiteral("1"), true, nullptr, [draw](qsizetype bound) {
            EXPECT_EQ(bound, 2);
            return draw;
        });
        const QString before = dialog.shownTip();
        dialog.findChild<QPushButton *>(QStringLiteral("randomTip"))->click();
        EXPECT_NE(dialog.shownTip(), before) << draw;
        // A random tip leaves the order of the daily tips alone.
        EXPECT_EQ(dialog.currentTip(), QStringLiteral("2"));
    }
}

TEST(TipDialog, singleTip_hasNoRandomTip)
{
    TipDialog dialog(TipList::fromText("only\n"), tipTexts(), QStringLiteral("5"), false);
    EXPECT_EQ(dialog.shownTip(), QStringLiteral("only"));
    EXPECT_FALSE(dialog.findChild<QPushButton *>(QStringLiteral("randomTip"))->isEnabled());
    dialog.showRandomTip();
    EXPECT_EQ(dialog.shownTip(), QStringLiteral("only"));
    EXPECT_FALSE(dialog.showOnStartup());
}

TEST(TipDialog, markupInATip_isShownAsWritten)
{
    TipDialog dialog(TipList::fromText("<b>bold</b> & <img src=x>\n"), tipTexts(), QStringLiteral("0"), true);
    const auto *label = dialog.findChild<QLabel *>(QStringLiteral("tip"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QStringLiteral("<b>bold</b> & <img src=x>"));
}

// --- About ----------------------------------------------------------------------------------

TEST(AboutDialog, captionIsTheMenuTextWithoutDotsOrAccelerator)
{
    lang::TextTable texts;
    EXPECT_EQ(aboutCaption(texts), QStringLiteral("Tabulet"));
    texts.loadLanguageText("IDC_ABOUT: &\xc3\x9c"
                           "ber Tabulet...\n");
    EXPECT_EQ(aboutCaption(texts), QStringLiteral("\u00dcber Tabulet"));
}

// A window that ends (on a termination signal too) must not wait for its dialog.
TEST(AboutDialog, endsWhenItsWindowHides)
{
    QWidget window;
    window.show();
    lang::TextTable texts;
    AboutDialog dialog(texts, QStringLiteral("/data"), &window);
    QTimer::singleShot(50, &window, &QWidget::hide);
    // Should the dialog stay, it is accepted later, and the test fails instead of hanging.
    QTimer::singleShot(5000, &dialog, &QDialog::accept);
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
}

// --- the window's commands -------------------------------------------------------------------

class DialogCommands : public ::testing::Test
{
protected:
    void open(const char *showTipsOnStartup = "0")
    {
        context.texts.loadLanguageText("VERSION_FROMPACKAGES: This is %s, from packages\nIDC_ABOUT: &About...\n"
                                       "TRANSLATION: <i>by us</i>\nIDOK: OK\nID_TIPOFTHEDAY: Tip of the Day\n"
                                       "ABOUT_DATAFOLDER: Data folder:\nABOUT_LICENSE: Free, with no warranty.\n");
        QFile configuration(QDir(context.folders.dataFolder).filePath(QStringLiteral("tbu_config.xml")));
        ASSERT_TRUE(configuration.open(QIODevice::WriteOnly));
        configuration.write(QByteArray("<?xml version=\"1.0\" ?>\n<config version=\"1.1\">\n<options>\n"
                                       "<option key=\"showtipsonstartup\" val=\"") +
                            showTipsOnStartup +
                            "\"/>\n</options>\n<notes>\n<note id=\"0\" title=\"A\" filename=\"tab00001.rtf\" "
                            "visible=\"1\"/>\n</notes>\n</config>\n");
        configuration.close();
        window = std::make_unique<MainWindow>(context);
        window->setPrompts(std::make_unique<FakePrompts>(log));
        ASSERT_TRUE(window->initialise());
    }

    QString savedConfiguration() const
    {
        QFile file(QDir(context.folders.dataFolder).filePath(QStringLiteral("tbu_config.xml")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    QTemporaryDir work;
    ApplicationContext context{foldersIn(work)};
    std::unique_ptr<MainWindow> window;
    FakePrompts::Log log;
};

TEST_F(DialogCommands, checkForNewVersion_namesTheVersionAndThePackages)
{
    QApplication::setApplicationVersion(QStringLiteral("2.1.0"));
    open();
    window->runCommand(CommandId::CheckForNewVersion);
    EXPECT_EQ(log.told, QStringList({QStringLiteral("This is 2.1.0, from packages")}));
    EXPECT_TRUE(window->acceptsIncoming());
    // At start the check is quiet: nothing to tell without a newer version.
    EXPECT_FALSE(checkForNewVersion(context.texts, true, QStringLiteral("2.1.0")));
}

TEST_F(DialogCommands, showHelp_withoutTheShippedPage_namesTheMissingFile)
{
    open();
    QTemporaryDir elsewhere;
    context.folders.programFolder = elsewhere.path();
    window->runCommand(CommandId::ShowHelp);
    EXPECT_EQ(log.told, QStringList({QDir::toNativeSeparators(elsewhere.path() + QStringLiteral("/help/index.html"))}));
}

TEST_F(DialogCommands, about_showsIconNameVersionTranslationLabelledFolderAndLicence_withReceivedNotesWaiting)
{
    open();
    bool acceptedMeanwhile = true;
    QString title;
    QStringList shown;
    QString folderLabel;
    bool iconShown = false;
    whenDialogOpens([&](QDialog &dialog) {
        acceptedMeanwhile = window->acceptsIncoming();
        title = dialog.windowTitle();
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            shown << label->text();
        const auto *form = dialog.findChild<QFormLayout *>();
        const auto *label =
            form ? qobject_cast<QLabel *>(form->labelForField(dialog.findChild<QLabel *>(QStringLiteral("dataFolder"))))
                 : nullptr;
        folderLabel = label ? label->text() : QString();
        const auto *icon = dialog.findChild<QLabel *>(QStringLiteral("icon"));
        iconShown = icon && !icon->pixmap().isNull();
    });
    window->runCommand(CommandId::About);
    EXPECT_FALSE(acceptedMeanwhile);
    EXPECT_TRUE(window->acceptsIncoming());
    EXPECT_EQ(title, QStringLiteral("About"));
    EXPECT_TRUE(shown.contains(QStringLiteral("Tabulet 2.1.23")));
    EXPECT_TRUE(shown.contains(QStringLiteral("<i>by us</i>")));
    EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(context.folders.dataFolder)));
    EXPECT_EQ(folderLabel, QStringLiteral("Data folder:"));
    EXPECT_TRUE(shown.contains(QStringLiteral("Free, with no warranty.")));
    EXPECT_TRUE(iconShown);
}

TEST_F(DialogCommands, showTips_keepsTheNextTipAndTheStartChoice)
{
    open();
    context.settings.value(QStringLiteral("currenttip")) = QStringLiteral("1");
    context.settings.value(QStringLiteral("showtipsonstartup")) = QStringLiteral("1");
    QString shown;
    whenDialogOpens([&](QDialog &dialog) {
        shown = dialog.findChild<QLabel *>(QStringLiteral("tip"))->text();
        dialog.findChild<QCheckBox *>(QStringLiteral("showOnStartup"))->setChecked(false);
    });
    window->runCommand(CommandId::ShowTips);
    const TipList english = TipList::load(kBuiltProgramFolder + QStringLiteral("/tips/tips.txt"));
    EXPECT_EQ(shown, english.at(1));
    EXPECT_EQ(context.settings.value(QStringLiteral("currenttip")), QStringLiteral("2"));
    EXPECT_TRUE(savedConfiguration().contains(QStringLiteral("<option key=\"showtipsonstartup\" val=\"0\"/>")));
    EXPECT_TRUE(savedConfiguration().contains(QStringLiteral("<option key=\"currenttip\" val=\"2\"/>")));
}

TEST_F(DialogCommands, tipOfTheDay_isDueOnceShortlyAfterStart_whenChosen)
{
    open("1");
    QSignalSpy due(window.get(), &MainWindow::tipOfTheDayDue);
    EXPECT_TRUE(due.wait(2000));
    QTest::qWait(200);
    EXPECT_EQ(due.count(), 1);
}

TEST_F(DialogCommands, tipOfTheDay_isNotDue_whenTurnedOff)
{
    open("0");
    QSignalSpy due(window.get(), &MainWindow::tipOfTheDayDue);
    QTest::qWait(300);
    EXPECT_EQ(due.count(), 0);
}

} // namespace
} // namespace tabulet::ui
