#include "ui/tray/trayicon.h"

#include "fakeprompts.h"
#include "lang/texttable.h"
#include "ui/applicationcontext.h"
#include "ui/tray/trayiconpictures.h"
#include "ui/tray/trayiconplacement.h"
#include "ui/window/mainwindow.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace tabulet::ui {
namespace {

// --- the pictures -------------------------------------------------------------------------

struct PictureChoice
{
    const char *name;
    const char *value;
    TrayPicture picture;
};

class TrayPictureOf : public ::testing::TestWithParam<PictureChoice>
{
};

TEST_P(TrayPictureOf, picksThePictureOfTheOption)
{
    EXPECT_EQ(trayPictureOf(QString::fromLatin1(GetParam().value)), GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Values, TrayPictureOf,
                         ::testing::Values(PictureChoice{"zero", "0", TrayPicture::ThreeNotesWhite},
                                           PictureChoice{"one", "1", TrayPicture::ThreeNotesGrey},
                                           PictureChoice{"three", "3", TrayPicture::N1},
                                           PictureChoice{"fifteen", "15", TrayPicture::GlobeBlue},
                                           PictureChoice{"sixteen", "16", TrayPicture::ThreeNotesWhite},
                                           PictureChoice{"negative", "-1", TrayPicture::ThreeNotesWhite},
                                           PictureChoice{"spaced", " 12 ", TrayPicture::RedN},
                                           PictureChoice{"text", "globe", TrayPicture::ThreeNotesWhite},
                                           PictureChoice{"empty", "", TrayPicture::ThreeNotesWhite}),
                         [](const auto &testInfo) { return std::string(testInfo.param.name); });

QImage pictureImage(TrayPicture picture, int size)
{
    return drawTrayPicture(picture, size).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    }
    return count;
}

TEST(TrayPictures, everyPictureIsDrawnAtEverySizeAndNoTwoLookAlike)
{
    for (const int size : {16, 22, 24, 32}) {
        QSet<QByteArray> seen;
        for (int i = 0; i <= kTrayPictureChoices; ++i) {
            const auto picture = static_cast<TrayPicture>(i);
            const QImage image = pictureImage(picture, size);
            ASSERT_EQ(image.size(), QSize(size, size));
            // Filled enough to be seen, and not a square that hides the tray behind it.
            const int opaque = opaquePixels(image);
            EXPECT_GT(opaque, size * size / 6) << "picture " << i << " at " << size;
            EXPECT_LT(opaque, size * size) << "picture " << i << " at " << size;
            const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
            EXPECT_FALSE(seen.contains(bytes)) << "picture " << i << " at " << size;
            seen.insert(bytes);
        }
    }
}

TEST(TrayPictures, theIconOffersTheTraySizes)
{
    const QIcon icon = trayPictureIcon(TrayPicture::GlobeGreen);
    const QList<QSize> sizes = icon.availableSizes();
    for (const int size : {16, 22, 24, 32})
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// On a screen scaled by two the icon's pixmap is the picture drawn at twice the pixels, not an
// enlarged smaller one.
TEST(TrayPictures, aScaledScreenGetsThePictureDrawnForItsPixels)
{
    for (const int size : {16, 22}) {
        const QPixmap shown = trayPictureIcon(TrayPicture::N1).pixmap(QSize(size, size), 2.0);
        EXPECT_EQ(shown.devicePixelRatio(), 2.0) << size;
        QImage pixels = shown.toImage().convertToFormat(QImage::Format_ARGB32);
        pixels.setDevicePixelRatio(1);
        EXPECT_EQ(pixels, pictureImage(TrayPicture::N1, size * 2)) << size;
    }
}

// The options name each choice in the language's words, never by an identifier such as "Pen1";
// a language file without them leaves the words in English.
TEST(TrayPictures, everyChoiceHasItsOwnWordsInEachLanguage)
{
    const QString shipped = QStringLiteral(TABULET_SOURCE_DIR "/resources/languages/");
    for (const QString &file : {shipped + "english.tabulang", shipped + "deutsch.tabulang", QString()}) {
        lang::TextTable texts;
        ASSERT_TRUE(file.isEmpty() || texts.loadLanguageFile(file)) << qPrintable(file);
        QSet<QString> words;
        for (int i = 0; i < kTrayPictureChoices; ++i)
            words.insert(trayPictureName(static_cast<TrayPicture>(i), texts));
        EXPECT_EQ(words.size(), kTrayPictureChoices) << qPrintable(file);
        EXPECT_FALSE(words.contains(QString())) << qPrintable(file);
        EXPECT_TRUE(words.contains(file.contains(u"deutsch") ? "Stift" : "Pencil")) << qPrintable(file);
    }
    lang::TextTable texts;
    EXPECT_TRUE(trayPictureName(TrayPicture::NewNote, texts).isEmpty());
}

// --- the tip and the blink --------------------------------------------------------------------

TEST(TrayTip, isCutTo63CharactersWithoutSplittingACharacter)
{
    TrayIcon tray;
    tray.setTrayTip(QString(63, QLatin1Char('a')));
    EXPECT_EQ(tray.trayTip().size(), 63);
    tray.setTrayTip(QString(80, QLatin1Char('b')));
    EXPECT_EQ(tray.trayTip(), QString(63, QLatin1Char('b')));
    // A character of two UTF-16 units that would be cut in half is left out whole.
    const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");
    tray.setTrayTip(QString(62, QLatin1Char('c')) + clef + QStringLiteral("d"));
    EXPECT_EQ(tray.trayTip(), QString(62, QLatin1Char('c')));
    tray.setTrayTip(QString(61, QLatin1Char('c')) + clef + QStringLiteral("d"));
    EXPECT_EQ(tray.trayTip(), QString(61, QLatin1Char('c')) + clef);
}

TEST(TrayTip, anEmptyTipSaysTheTrayIsEmpty)
{
    TrayIcon tray;
    tray.setTrayTip(QStringLiteral("Tabulet - a"));
    tray.setTrayTip(QString());
    EXPECT_EQ(tray.trayTip(), QStringLiteral("[empty tray]"));
}

TEST(TrayBlink, alternatesWithTheNewNotePictureAndStopsOnTheChosenOne)
{
    TrayIcon tray;
    tray.chooseTrayPicture(QStringLiteral("14"), false);
    EXPECT_EQ(tray.shownPicture(), TrayPicture::GlobeGreen);
    tray.startBlinking();
    EXPECT_TRUE(tray.isBlinking());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray.shownPicture() == TrayPicture::NewNote; }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray.shownPicture() == TrayPicture::GlobeGreen; }, 3000));
    // The options change the picture while the note waits: the blink goes on with the new one.
    tray.chooseTrayPicture(QStringLiteral("11"), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray.shownPicture() == TrayPicture::BlueN; }, 3000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return tray.shownPicture() == TrayPicture::NewNote; }, 3000));
    tray.stopBlinking();
    EXPECT_FALSE(tray.isBlinking());
    EXPECT_EQ(tray.shownPicture(), TrayPicture::BlueN);
}

TEST(TrayIcon, withoutATrayTheIconIsNotShownAndUpdatesAreHarmless)
{
    if (QSystemTrayIcon::isSystemTrayAvailable())
        GTEST_SKIP() << "a tray runs here";
    TrayIcon tray;
    EXPECT_FALSE(tray.addTrayIcon());
    EXPECT_FALSE(tray.iconShown());
    tray.setTrayTip(QStringLiteral("tip"));
    tray.updateTrayIcon();
    tray.removeTrayIcon();
    EXPECT_FALSE(tray.iconShown());
}

// --- window placement -------------------------------------------------------------------------

struct ToggleCase
{
    const char *name;
    ToggleForm form;
    bool hidden;
    bool minimised;
    bool foreground;
    bool shows;
};

class ToggleVisible : public ::testing::TestWithParam<ToggleCase>
{
};

TEST_P(ToggleVisible, showsOrHides)
{
    const ToggleCase &c = GetParam();
    EXPECT_EQ(toggleShows(c.form, c.hidden, c.minimised, c.foreground), c.shows);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ToggleVisible,
    ::testing::Values(ToggleCase{"clickShowsHidden", ToggleForm::SingleClick, true, false, false, true},
                      ToggleCase{"clickHidesInFront", ToggleForm::SingleClick, false, false, true, false},
                      ToggleCase{"clickHidesBehindOthers", ToggleForm::SingleClick, false, false, false, false},
                      ToggleCase{"hotkeyShowsHidden", ToggleForm::Activating, true, false, false, true},
                      ToggleCase{"hotkeyBringsForwardBehindOthers", ToggleForm::Activating, false, false, false, true},
                      ToggleCase{"hotkeyRestoresMinimised", ToggleForm::Activating, false, true, true, true},
                      ToggleCase{"hotkeyHidesInFront", ToggleForm::Activating, false, false, true, false}),
    [](const auto &testInfo) { return std::string(testInfo.param.name); });

TEST(ResetPosition, placesTheWindowTenPixelsIntoTheWorkArea)
{
    // A panel 24 pixels high along the top of the screen.
    EXPECT_EQ(resetPlacement(QRect(0, 24, 1024, 744)), QRect(10, 34, 450, 300));
    EXPECT_EQ(resetPlacement(QRect(1024, 0, 1280, 1024)), QRect(1034, 10, 450, 300));
}

TEST(KeepOnDesktop, movesTheWindowBackKeepingItsSize)
{
    const QRect desktop(0, 0, 1024, 768);
    EXPECT_EQ(keepOnDesktop(QRect(100, 100, 450, 200), desktop), QRect(100, 100, 450, 200));
    EXPECT_EQ(keepOnDesktop(QRect(900, 700, 450, 200), desktop), QRect(574, 568, 450, 200));
    EXPECT_EQ(keepOnDesktop(QRect(-50, -20, 450, 200), desktop), QRect(0, 0, 450, 200));
    // Larger than the desktop: the top left corner, with the drag bar, stays in reach.
    EXPECT_EQ(keepOnDesktop(QRect(300, 300, 1200, 900), desktop), QRect(0, 0, 1200, 900));
}

TEST(ResetPosition, movesAndSizesTheWindowOnItsScreen)
{
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(300, 250, 200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    resetPosition(window);
    const QRect workArea = window.screen()->availableGeometry();
    EXPECT_EQ(window.geometry(), QRect(workArea.topLeft() + QPoint(10, 10), QSize(450, 300)));
}

TEST(Topmost, togglesWithoutMovingTheWindow)
{
    QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
    window.setGeometry(120, 80, 300, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    toggleTopmost(window);
    EXPECT_TRUE(isTopmost(window));
    EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));
    EXPECT_TRUE(window.isVisible());
    toggleTopmost(window);
    EXPECT_FALSE(isTopmost(window));
    EXPECT_EQ(window.geometry(), QRect(120, 80, 300, 200));
}

// --- the note window's tray -------------------------------------------------------------------

class NoteWindowTray : public ::testing::Test
{
protected:
    void SetUp() override
    {
        context.folders.dataFolder = work.filePath(QStringLiteral("data"));
        context.folders.programFolder = QStringLiteral(TABULET_BINARY_DIR);
        context.folders.themesFolder = work.filePath(QStringLiteral("themes"));
        context.folders.languagesFolder = work.filePath(QStringLiteral("languages"));
        context.folders.tempFolder = QDir::tempPath() + QLatin1Char('/');
        QDir().mkpath(context.folders.dataFolder);
        context.texts.loadLanguageText("ID_TRAY_TOOLTIP: Notes - %s\n");
    }

    void open(const QByteArray &secondTitle, const char *trayicon = "0")
    {
        QFile file(QDir(context.folders.dataFolder).filePath(QStringLiteral("tbu_config.xml")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\" standalone=\"no\" ?>\n<config version=\"1.1\">\n<options>\n"
                   "<option key=\"trayicon\" val=\"" +
                   QByteArray(trayicon) +
                   "\"/>\n</options>\n<notes>\n"
                   "<note id=\"0\" title=\"First\" filename=\"tab00001.rtf\" visible=\"1\"/>\n"
                   "<note id=\"1\" title=\"" +
                   secondTitle +
                   "\" filename=\"tab00002.rtf\" visible=\"1\"/>\n"
                   "</notes>\n</config>\n");
        file.close();
        window = std::make_unique<MainWindow>(context);
        window->setPrompts(std::make_unique<FakePrompts>(log));
        ASSERT_TRUE(window->initialise());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QTemporaryDir work;
    ApplicationContext context{settings::FolderSet{}};
    std::unique_ptr<MainWindow> window;
    FakePrompts::Log log;
};

TEST_F(NoteWindowTray, theTipNamesTheNoteShownAndIsCut)
{
    const QByteArray longName(70, 'x');
    open(longName, "9");
    EXPECT_EQ(window->trayIcon().trayPicture(), TrayPicture::Arc1);
    EXPECT_EQ(window->trayIcon().trayTip(), QStringLiteral("Notes - First"));
    window->tabs().stepTab(1);
    EXPECT_EQ(window->trayIcon().trayTip(), (QStringLiteral("Notes - ") + QString::fromLatin1(longName)).left(63));
}

TEST_F(NoteWindowTray, aClickHidesTheWindowAndTheNextShowsIt)
{
    open("Second");
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    emit window->trayIcon().leftDown();
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isHiddenToTray());
    emit window->trayIcon().leftDown();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isHiddenToTray());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

TEST_F(NoteWindowTray, aDoubleClickShowsAMinimisedWindowAgain)
{
    open("Second");
    window->runCommand(commands::CommandId::Minimize);
    ASSERT_TRUE(window->isHiddenToTray());
    emit window->trayIcon().leftDoubleClick();
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isHiddenToTray());
}

TEST_F(NoteWindowTray, minimisedByTheWindowManagerItGoesToTheTray)
{
    open("Second");
    window->setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isHiddenToTray(); }, 3000));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isMinimized()) << "shown again, it comes back in its normal state";
    emit window->trayIcon().leftDown();
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace tabulet::ui
