#include "app/qttranslation.h"
#include "app/startup.h"
#include "app/terminationwatcher.h"
#include "printers.h"
#include "ui/applicationcontext.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>

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

    static inline int closedWithoutAsking = 0;

private:
    std::function<bool(ui::ApplicationContext &)> m_body;
    ui::ApplicationContext &m_context;
    bool m_restart = false;
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
        const int code = startup.run();
        passes = static_cast<int>(pass);
        return code;
    }

    QTemporaryDir root;
    settings::FolderSet folders;
    app::TerminationWatcher termination;
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

TEST(QtTranslation, aLocaleThatIsNoCode_isNotLoaded)
{
    app::QtTranslation translation;
    EXPECT_FALSE(translation.apply("../../tmp/x"));
    EXPECT_FALSE(translation.apply(""));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Yes");
}
