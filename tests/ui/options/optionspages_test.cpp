// Each page reads its options from the work and writes them back on OK, the bad values of a
// hand-edited configuration included.
#include "optionstesting.h"
#include "ui/dialogs/options/archivepage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

namespace tabulet::ui {
namespace {

using testing::child;
using testing::SheetRig;

struct StoredValue
{
    const char *caseName;
    const char *option;
    const char *stored;
    const char *written;
};

class OptionsRoundTrip : public ::testing::TestWithParam<StoredValue>
{
};

TEST_P(OptionsRoundTrip, okUnchanged_writesTheValueAsThePageReadsIt)
{
    SheetRig rig;
    OptionsSheet &sheet = rig.open(SheetRig::workWith({{GetParam().option, GetParam().stored}}));
    sheet.accept();
    EXPECT_EQ(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.work().settings.value(QLatin1String(GetParam().option)), QLatin1String(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Values, OptionsRoundTrip,
    ::testing::Values(StoredValue{"bgcolorRedOnly", "bgcolor", "ff", "ff"},
                      StoredValue{"bgcolorDefault", "bgcolor", "91f3f9", "91f3f9"},
                      StoredValue{"bgcolorNoHex", "bgcolor", "zz", "0"},
                      StoredValue{"bgcolorNegative", "bgcolor", "-1", "0"},
                      StoredValue{"bgcolorBeyond24Bits", "bgcolor", "1000000000", "0"},
                      StoredValue{"activatemodShiftCtrl", "activatemod", "SC", "SC"},
                      StoredValue{"activatemodCtrlAlt", "activatemod", "CA", "AC"},
                      StoredValue{"activatemodLowerCase", "activatemod", "cs", "SC"},
                      StoredValue{"tabheightText", "tabheight", "tall", "0"},
                      StoredValue{"trayiconBeyondTheList", "trayicon", "99", "0"},
                      StoredValue{"trayiconNegative", "trayicon", "-1", "0"},
                      StoredValue{"trayiconPen2", "trayicon", "7", "7"},
                      StoredValue{"portZero", "port", "0", "1614"},
                      StoredValue{"archiveDaysBeyondRange", "createarchiveinterval", "20000", "9999"},
                      StoredValue{"defaultFolderAnyPositiveNumber", "usedefaultarchivedir", "2", "1"},
                      StoredValue{"languageFileGone", "languagefile", "klingon.tabulang", "klingon.tabulang"}),
    [](const ::testing::TestParamInfo<StoredValue> &param) { return std::string(param.param.caseName); });

TEST(OptionsPages, changedControls_reachTheirOptions)
{
    SheetRig rig;
    OptionsWork work = SheetRig::workWith({{"silentautoarchive", "0"}, {"confirmexit", "1"}, {"listenfornotes", "0"}});
    work.languages = {{QStringLiteral("deutsch.tabulang"), QStringLiteral("Deutsch")},
                      {QStringLiteral("english.tabulang"), QStringLiteral("English")}};
    const QString longSender(1000, QLatin1Char('x'));
    work.settings.value(QStringLiteral("sender")) = longSender;
    OptionsSheet &sheet = rig.open(std::move(work));
    EXPECT_EQ(child<QLineEdit>(sheet, "sender")->text(), longSender) << "shown whole; only the wire cuts it";
    child<QCheckBox>(sheet, "silent")->setChecked(true);
    child<QCheckBox>(sheet, "confirmexit")->setChecked(false);
    child<QCheckBox>(sheet, "listen")->setChecked(true);
    child<QLineEdit>(sheet, "port")->setText(QStringLiteral("2000"));
    child<QLineEdit>(sheet, "listenAddress")->setText(QStringLiteral(" 10.0.0.2 "));
    EXPECT_EQ(child<QListWidget>(sheet, "languages")->item(0)->text(), "Deutsch");
    child<QListWidget>(sheet, "languages")->setCurrentRow(0);
    child<QCheckBox>(sheet, "defaultFolder")->click();
    child<QPushButton>(sheet, "browse")->click();
    sheet.accept();
    const settings::Settings &written = sheet.work().settings;
    EXPECT_EQ(written.value(QStringLiteral("silentautoarchive")), "1");
    EXPECT_EQ(written.value(QStringLiteral("confirmexit")), "0");
    EXPECT_EQ(written.value(QStringLiteral("listenfornotes")), "1");
    EXPECT_EQ(written.value(QStringLiteral("port")), "2000");
    EXPECT_EQ(written.value(QStringLiteral("listenaddress")), "10.0.0.2");
    EXPECT_EQ(written.value(QStringLiteral("languagefile")), "deutsch.tabulang");
    EXPECT_EQ(written.value(QStringLiteral("usedefaultarchivedir")), "0");
    EXPECT_EQ(written.value(QStringLiteral("customarchivedir")), "/srv/archives");
    EXPECT_EQ(written.value(QStringLiteral("sender")), longSender);
}

TEST(OptionsPages, everyMiscBoxAndTheTrayList_writeTheirOwnOption)
{
    const std::vector<const char *> flags{"autoformat",   "savealways",  "checkfornewversiononstartup",
                                          "showtooltips", "confirmexit", "oneinstance",
                                          "showtipsonstartup"};
    SheetRig rig;
    OptionsWork work = SheetRig::workWith({});
    for (const char *flag : flags)
        work.settings.value(QLatin1String(flag)) = QStringLiteral("0");
    OptionsSheet &sheet = rig.open(std::move(work));
    for (const char *flag : flags)
        child<QCheckBox>(sheet, flag)->setChecked(true);
    auto *icons = child<QTreeWidget>(sheet, "trayIcons");
    icons->setCurrentItem(icons->topLevelItem(15));
    sheet.accept();
    for (const char *flag : flags)
        EXPECT_EQ(sheet.work().settings.value(QLatin1String(flag)), "1") << flag;
    EXPECT_EQ(sheet.work().settings.value(QStringLiteral("trayicon")), "15");
    EXPECT_EQ(icons->topLevelItemCount(), 16);
}

TEST(OptionsPages, getMoreLanguages_opensThePerUserFolder_madeWhenMissing)
{
    QTemporaryDir data;
    SheetRig rig;
    rig.folders.languagesFolder = data.filePath(QStringLiteral("languages"));
    OptionsSheet &sheet = rig.open(SheetRig::workWith({}));
    child<QPushButton>(sheet, "getMoreLanguages")->click();
    EXPECT_EQ(rig.opened, QStringList{rig.folders.languagesFolder});
    EXPECT_TRUE(QFileInfo(rig.folders.languagesFolder).isDir());
}

TEST(OptionsPages, pickers_giveTheColourAndFonts)
{
    SheetRig rig;
    OptionsWork work = SheetRig::workWith({});
    OptionsServices services = rig.services();
    services.pickers.colour = [](const QColor &current, QWidget *) {
        EXPECT_EQ(current, QColor(0xF9, 0xF3, 0x91));
        return std::optional<QColor>(QColor(0x12, 0x34, 0x56));
    };
    services.pickers.font = [](const QFont &, QWidget *) {
        QFont font(QStringLiteral("DejaVu Serif"), 14);
        font.setItalic(true);
        return std::optional<QFont>(font);
    };
    OptionsSheet sheet(std::move(work), rig.texts, rig.keyNames, rig.folders, std::move(services));
    child<QPushButton>(sheet, "backgroundColour")->click();
    child<QPushButton>(*sheet.pages().widget(OptionsSheet::Tabs), "selectFont")->click();
    sheet.accept();
    const settings::Settings &written = sheet.work().settings;
    EXPECT_EQ(written.value(QStringLiteral("bgcolor")), "563412");
    EXPECT_EQ(written.value(QStringLiteral("tabfont")), "DejaVu Serif");
    EXPECT_EQ(written.value(QStringLiteral("tabfontsize")), "14");
    EXPECT_EQ(written.value(QStringLiteral("tabfontitalics")), "1");
    EXPECT_EQ(written.value(QStringLiteral("defaultfont")), "Courier") << "only the tabs' font was picked";
}

TEST(OptionsPages, hotkey_changedThroughTheShortcutDialog)
{
    SheetRig rig;
    OptionsSheet &sheet = rig.open(SheetRig::workWith({{"activatekey", "191"}, {"activatemod", "SC"}}));
    EXPECT_EQ(child<QLineEdit>(sheet, "hotkey")->text(), "Ctrl+Shift+191");
    rig.nextShortcut = std::nullopt;
    child<QPushButton>(sheet, "changeHotkey")->click();
    EXPECT_EQ(child<QLineEdit>(sheet, "hotkey")->text(), "Ctrl+Shift+191") << "Cancel keeps it";
    rig.nextShortcut = commands::Shortcut{'K', commands::Modifier::Alt | commands::Modifier::Ctrl};
    child<QPushButton>(sheet, "changeHotkey")->click();
    EXPECT_EQ(child<QLineEdit>(sheet, "hotkey")->text(), "Ctrl+Alt+K");
    EXPECT_EQ(rig.askedFor, QStringList({"Show or hide Tabulet with", "Show or hide Tabulet with"}));
    sheet.accept();
    EXPECT_EQ(sheet.work().settings.value(QStringLiteral("activatekey")), QString::number('K'));
    EXPECT_EQ(sheet.work().settings.value(QStringLiteral("activatemod")), "AC");
}

struct ArchiveFlags
{
    const char *caseName;
    bool autoArchive;
    bool deleteOld;
    bool defaultFolder;
};

class ArchiveEnabling : public ::testing::TestWithParam<ArchiveFlags>
{
};

TEST_P(ArchiveEnabling, fieldsWorkOnlyWhileTheirBoxAllowsIt_atOpeningAndAfterClicks)
{
    const ArchiveFlags flags = GetParam();
    const auto text = [](bool on) { return on ? "1" : "0"; };
    SheetRig rig;
    OptionsSheet &sheet = rig.open(SheetRig::workWith({{"autoarchive", text(flags.autoArchive)},
                                                       {"deletearchive", text(flags.deleteOld)},
                                                       {"usedefaultarchivedir", text(flags.defaultFolder)}}));
    QWidget &page = *sheet.pages().widget(OptionsSheet::Archive);
    const auto expectStates = [&](bool autoArchive, bool deleteOld, bool defaultFolder) {
        EXPECT_EQ(child<QLineEdit>(page, "createInterval")->isEnabled(), autoArchive);
        EXPECT_EQ(child<QCheckBox>(page, "silent")->isEnabled(), autoArchive);
        EXPECT_EQ(child<QLineEdit>(page, "deleteInterval")->isEnabled(), deleteOld);
        EXPECT_EQ(child<QLineEdit>(page, "archiveFolder")->isEnabled(), !defaultFolder);
        EXPECT_EQ(child<QPushButton>(page, "browse")->isEnabled(), !defaultFolder);
    };
    expectStates(flags.autoArchive, flags.deleteOld, flags.defaultFolder);
    for (const char *box : {"autoArchive", "deleteOld", "defaultFolder"})
        child<QCheckBox>(page, box)->click();
    expectStates(!flags.autoArchive, !flags.deleteOld, !flags.defaultFolder);
}

INSTANTIATE_TEST_SUITE_P(Flags, ArchiveEnabling,
                         ::testing::Values(ArchiveFlags{"allOn", true, true, true},
                                           ArchiveFlags{"allOff", false, false, false},
                                           ArchiveFlags{"mixed", true, false, true}),
                         [](const ::testing::TestParamInfo<ArchiveFlags> &param) {
                             return std::string(param.param.caseName);
                         });

struct BadNumber
{
    const char *caseName;
    const char *field;
    OptionsSheet::Page page;
    const char *typed;
    const char *message;
};

class NumberChecks : public ::testing::TestWithParam<BadNumber>
{
};

TEST_P(NumberChecks, ok_keepsTheSheetOpenOnThePageWithTheStandardMessage)
{
    const BadNumber bad = GetParam();
    SheetRig rig;
    OptionsSheet &sheet = rig.open(SheetRig::workWith({{"autoarchive", "1"}, {"deletearchive", "1"}}));
    child<QLineEdit>(sheet, bad.field)->setText(QLatin1String(bad.typed));
    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.pages().currentIndex(), bad.page);
    EXPECT_EQ(rig.warnings, QStringList{QLatin1String(bad.message)});
}

INSTANTIATE_TEST_SUITE_P(
    Fields, NumberChecks,
    ::testing::Values(BadNumber{"archiveEveryTooMany", "createInterval", OptionsSheet::Archive, "10000",
                                "between 0 and 9999"},
                      BadNumber{"archiveOlderEmpty", "deleteInterval", OptionsSheet::Archive, "", "integer"},
                      BadNumber{"tabHeightEmpty", "tabHeight", OptionsSheet::Tabs, "", "integer"},
                      BadNumber{"portEmpty", "port", OptionsSheet::Network, "", "integer"},
                      BadNumber{"portNoPort", "port", OptionsSheet::Network, "70000", "between 0 and 65535"},
                      // A name would be looked up and might be another machine's.
                      BadNumber{"listenAddressName", "listenAddress", OptionsSheet::Network, "localhost",
                                "not an address: localhost"},
                      BadNumber{"listenAddressWithPort", "listenAddress", OptionsSheet::Network, "127.0.0.1:1614",
                                "not an address: 127.0.0.1:1614"}),
    [](const ::testing::TestParamInfo<BadNumber> &param) { return std::string(param.param.caseName); });

// Listening is open to anyone who reaches the port: the page says so beside the switch.
TEST(OptionsPages, networkPage_saysListeningAsksNoSenderWhoTheyAre)
{
    SheetRig rig;
    rig.texts.loadLanguageText("IDC_STATIC_LISTENOPEN: anyone can send\n");
    OptionsSheet &sheet = rig.open(SheetRig::workWith({}));
    const auto *notice = child<QLabel>(sheet, "listenOpen");
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->text(), "anyone can send");
    EXPECT_EQ(child<QLineEdit>(sheet, "listenAddress")->text(), "") << "every address, as before";
}

TEST(NumberChecks, digitsOnly_andABadPageIsNotLeft)
{
    SheetRig rig;
    OptionsSheet &sheet = rig.open(SheetRig::workWith({}));
    sheet.show();
    sheet.pages().setCurrentIndex(OptionsSheet::Archive);
    auto *every = child<QLineEdit>(sheet, "createInterval");
    every->clear();
    QTest::keyClicks(every, QStringLiteral("-1x2"));
    EXPECT_EQ(every->text(), "12");
    every->setText(QStringLiteral("12345"));
    sheet.pages().setCurrentIndex(OptionsSheet::Network);
    EXPECT_EQ(sheet.pages().currentIndex(), OptionsSheet::Archive);
    EXPECT_EQ(rig.pagesWhenWarned, QList<int>{OptionsSheet::Archive}) << "the page in question shows while told";
    every->setText(QStringLiteral("9999"));
    sheet.pages().setCurrentIndex(OptionsSheet::Network);
    EXPECT_EQ(sheet.pages().currentIndex(), OptionsSheet::Network);
}

} // namespace
} // namespace tabulet::ui
