#include "app/qttranslation.h"
#include "app/startup.h"
#include "app/terminationwatcher.h"
#include "printers.h"
#include "settings/datafolderlock.h"
#include "ui/applicationcontext.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace tabulet;

namespace {

// Stands in for the note window: records what it saw and ends as told.
class FakeWindow final : public app::NoteWindow
{
public:
    explicit FakeWindow(std::function<bool(ui::ApplicationContext &)> body, ui::ApplicationContext &context)
        : m_body(std::move(body)), m_context(context)
    {
    }
    void run() override { m_restart = m_body(m_context); }
    void closeWithoutAsking() override { ++closedWithoutAsking; }
    void saveAll() override { std::fputs("saved from memory\n", stderr); }
    bool restartRequested() const override { return m_restart; }
    void takeHandover(const app::CommandLine &commandLine, const QByteArray &token) override
    {
        handedOver.push_back({commandLine.themeFile, QString::fromUtf8(token)});
    }

    static inline int closedWithoutAsking = 0;
    static inline std::vector<std::pair<QString, QString>> handedOver;

private:
    std::function<bool(ui::ApplicationContext &)> m_body;
    ui::ApplicationContext &m_context;
    bool m_restart = false;
};

// Answers the claim as told and keeps the receiver, so that a test can hand over.
class FakeClaim final : public app::InstanceClaim
{
public:
    explicit FakeClaim(bool first) : m_first(first) {}
    bool claim(Receiver handoverReceiver) override
    {
        ++claims;
        receiver = std::move(handoverReceiver);
        return m_first;
    }
    bool nameHeldByOtherUser() const override { return otherUserHoldsName; }
    void withdraw() override { withdrawn = true; }
    int claims = 0;
    Receiver receiver;
    bool otherUserHoldsName = false;
    bool withdrawn = false;

private:
    bool m_first;
};

class Startup : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folders.dataFolder = root.filePath("data");
        folders.programFolder = root.filePath("program");
        QDir().mkpath(folders.dataFolder);
        QDir().mkpath(folders.programLanguagesFolder());
        writeFile(folders.programLanguagesFolder() + "/english.tabulang", "IDOK: OK\n");
        FakeWindow::closedWithoutAsking = 0;
        FakeWindow::handedOver.clear();
    }

    static void writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // Runs start-up with a window whose runs are the given bodies, one per pass.
    int runPasses(std::vector<std::function<bool(ui::ApplicationContext &)>> bodies)
    {
        ui::ApplicationContext context(folders);
        std::size_t pass = 0;
        app::Startup startup(
            context, {},
            [&](ui::ApplicationContext &passContext, const app::CommandLine &, QWidget *) {
                return std::make_unique<FakeWindow>(bodies.at(pass++), passContext);
            },
            termination);
        startup.setInstanceClaim(claim);
        const int code = startup.run();
        passes = static_cast<int>(pass);
        return code;
    }

    QTemporaryDir root;
    settings::FolderSet folders;
    app::TerminationWatcher termination;
    app::InstanceClaim *claim = nullptr;
    int passes = 0;
};

} // namespace

TEST_F(Startup, aPass_loadsOptionsAndLanguageBeforeTheWindowAndKeepsSavingOff)
{
    bool sawSavingOff = false;
    const int code = runPasses({[&](ui::ApplicationContext &context) {
        sawSavingOff = !context.configuration.savingEnabled();
        EXPECT_EQ(context.settings.value("wordwrap"), "1");
        EXPECT_EQ(context.texts.text("IDOK"), "OK");
        return false;
    }});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(passes, 1);
    EXPECT_TRUE(sawSavingOff);
}

TEST_F(Startup, restartRequest_runsAnotherPassThatReadsTheRestoredFiles)
{
    const int code = runPasses({
        [&](ui::ApplicationContext &context) {
            context.configuration.load(false);
            context.configuration.setSavingEnabled(true);
            context.settings.value("wordwrap") = "1";
            context.configuration.save();
            // What an archive restore does: new files underneath, no save of the old state.
            writeFile(folders.dataFolder + "/tbu_config.xml",
                      "<?xml version=\"1.0\" standalone=\"no\" ?><config version=\"1.1\"><options>"
                      "<option key=\"wordwrap\" val=\"0\"/></options><notes/></config>");
            context.configuration.setDoNotSave(true);
            return true;
        },
        [&](ui::ApplicationContext &context) {
            EXPECT_EQ(context.settings.value("wordwrap"), "0");
            return false;
        },
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(passes, 2);
}

TEST_F(Startup, terminationSignal_closesTheWindowWithoutAskingAndEndsThePasses)
{
    runPasses({[&](ui::ApplicationContext &) {
        std::raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([] { return FakeWindow::closedWithoutAsking == 1; }, 2000));
        return true; // a restart asked for at the same time is not honoured
    }});
    EXPECT_EQ(passes, 1);
    EXPECT_TRUE(termination.isTerminationRequested());
}

// The display going away makes Qt call exit() from inside the window's run.
TEST_F(Startup, exitFromInsideThePass_savesFromMemoryAndEndsWithStatus1)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runPasses({[](ui::ApplicationContext &) -> bool { std::exit(0); }}), ::testing::ExitedWithCode(1),
                "saved from memory");
}

TEST_F(Startup, languageWithALocale_translatesQtsOwnTexts)
{
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        GTEST_SKIP() << "Qt's translations are not installed";
    writeFile(folders.programLanguagesFolder() + "/english.tabulang", "IDOK: OK\nLOCALE: de\n");
    QString yes;
    runPasses({[&](ui::ApplicationContext &) {
        yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
        return false;
    }});
    EXPECT_EQ(yes, "&Ja");
}

TEST_F(Startup, laterCopy_handsOverOnceAndNeverBuildsItsWindow)
{
    FakeClaim laterCopy(false);
    claim = &laterCopy;
    EXPECT_EQ(runPasses({}), 0);
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(laterCopy.claims, 1);
}

TEST_F(Startup, oneInstanceOff_claimsNothing)
{
    writeFile(folders.dataFolder + "/tbu_config.xml",
              "<?xml version=\"1.0\" standalone=\"no\" ?><config version=\"1.1\"><options>"
              "<option key=\"oneinstance\" val=\"0\"/></options><notes/></config>");
    FakeClaim claimNotAsked(false);
    claim = &claimNotAsked;
    runPasses({[](ui::ApplicationContext &) { return false; }});
    EXPECT_EQ(claimNotAsked.claims, 0);
    EXPECT_EQ(passes, 1);
}

// Handovers reach the window of the running pass, with relative paths taken from where the later
// copy started; between passes there is nothing to act on. Only the first pass claims.
TEST_F(Startup, handover_reachesTheRunningWindowWithAbsolutePaths)
{
    FakeClaim firstCopy(true);
    claim = &firstCopy;
    runPasses({[&](ui::ApplicationContext &) {
                   firstCopy.receiver({{"-theme", "my themes/\"odd\" one.tabutheme"}, "/home/ann", "id_TIME42"});
                   return true;
               },
               [](ui::ApplicationContext &) { return false; }});
    firstCopy.receiver({{"-theme", "late.tabutheme"}, "/", ""});
    EXPECT_EQ(firstCopy.claims, 1);
    ASSERT_EQ(FakeWindow::handedOver.size(), 1u);
    EXPECT_EQ(FakeWindow::handedOver[0].first, "/home/ann/my themes/\"odd\" one.tabutheme");
    EXPECT_EQ(FakeWindow::handedOver[0].second, "id_TIME42");
}

// Two copies on one data folder lose what the other typed: a start whose folder another running
// copy owns says so, naming the folder, and ends before any window; a claim it made answers no
// later start. It holds with the option "oneinstance" off too, and with the instance name held by
// another user, which the message adds. Another data folder still runs side by side.
TEST_F(Startup, dataFolderOwnedByAnotherCopy_endsWithAMessageBeforeAnyWindow)
{
    writeFile(folders.programLanguagesFolder() + "/english.tabulang",
              "ERROR_DATAFOLDERINUSE: Already in use\nERROR_INSTANCENAMETAKEN: Name taken\n");
    settings::DataFolderLock runningCopy(folders.dataFolder);
    ASSERT_EQ(runningCopy.state(), settings::DataFolderLock::State::Owned);
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = box->text() + " | " + box->informativeText();
            box->accept();
        }
    });
    poll.start(20);
    const QString folder = QDir::toNativeSeparators(folders.dataFolder);

    writeFile(folders.dataFolder + "/tbu_config.xml",
              "<?xml version=\"1.0\" standalone=\"no\" ?><config version=\"1.1\"><options>"
              "<option key=\"oneinstance\" val=\"0\"/></options><notes/></config>");
    EXPECT_EQ(runPasses({}), 1);
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(shown, "Already in use | " + folder);

    QFile::remove(folders.dataFolder + "/tbu_config.xml");
    FakeClaim firstWithoutName(true);
    firstWithoutName.otherUserHoldsName = true;
    claim = &firstWithoutName;
    EXPECT_EQ(runPasses({}), 1);
    EXPECT_EQ(passes, 0);
    EXPECT_TRUE(firstWithoutName.withdrawn);
    EXPECT_EQ(shown, "Name taken\n\nAlready in use | " + folder);

    folders.dataFolder = root.filePath("other");
    QDir().mkpath(folders.dataFolder);
    EXPECT_EQ(runPasses({[](ui::ApplicationContext &) { return false; }}), 0);
    EXPECT_EQ(passes, 1);
}

TEST(QtTranslation, aLocaleThatIsNoCode_isNotLoaded)
{
    app::QtTranslation translation;
    EXPECT_FALSE(translation.apply("../../tmp/x"));
    EXPECT_FALSE(translation.apply(""));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}
