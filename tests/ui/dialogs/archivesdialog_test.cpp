#include "archive/archiver.h"
#include "archive/archiverhost.h"
#include "archive/clock.h"
#include "lang/filefacttexts.h"
#include "lang/texttable.h"
#include "settings/folderset.h"
#include "settings/notelist.h"
#include "settings/settings.h"
#include "ui/dialogs/archivesdialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace tabulet::ui {
namespace {

class SteppingClock final : public archive::Clock
{
public:
    QDateTime now() const override { return moment; }
    QDateTime moment{QDate(2024, 3, 1), QTime(10, 30)};
};

class QuietHost final : public archive::ArchiverHost
{
public:
    void showMessage(const archive::ArchiverMessage &message) override { messages << message.text; }
    void runFileWork(int, const archive::FileWork &work) override
    {
        work([](int) {});
    }
    QStringList messages;
};

class ArchivesBrowser : public testing::Test
{
protected:
    ArchivesBrowser()
    {
        folders.dataFolder = root.path();
        settings.applyDefaults();
        texts.loadLanguageText("ARCHIVER_FILESCOPIED: %d copied to %s\nIDC_ARCHIVE_NOW: Archive Now\n");
        settings::Note note;
        note.fileName = QStringLiteral("tab00001.rtf");
        notes.append(note);
        writeNote("archived");
        archiver.setUp(host);
    }

    void writeNote(const QByteArray &text)
    {
        QFile file(root.filePath(QStringLiteral("tab00001.rtf")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QStringList rows(ArchivesDialog &dialog) const
    {
        const auto *list = dialog.findChild<QTreeWidget *>();
        QStringList shown;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            shown << list->topLevelItem(i)->text(0) + u'|' + list->topLevelItem(i)->text(1);
        return shown;
    }

    QTemporaryDir root;
    settings::FolderSet folders;
    settings::Settings settings;
    settings::NoteList notes;
    lang::TextTable texts;
    SteppingClock clock;
    QuietHost host;
    archive::Archiver archiver{folders, settings, notes, texts, clock};
};

TEST_F(ArchivesBrowser, listsTheNewestFirstAndRestoresTheChosenOneAfterArchivingFirst)
{
    archiver.archiveNow(true, host);
    clock.moment = clock.moment.addDays(2);
    QDir(root.filePath(QStringLiteral("archive"))).mkdir(QStringLiteral("not_an_archive"));
    ArchivesDialog dialog(archiver, host, texts);
    const QString older = lang::dateTimeText(QDateTime(QDate(2024, 3, 1), QTime(10, 30)));
    const QString now = lang::dateTimeText(clock.moment);
    // The look-alike reads as "now" and sorts after the digits: it comes first.
    EXPECT_EQ(rows(dialog), QStringList({now + "|0", older + "|1"}));

    // Get without a chosen row does nothing.
    dialog.getSelected();
    EXPECT_EQ(dialog.result(), 0);

    clock.moment = clock.moment.addSecs(60);
    for (auto *button : dialog.findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("Archive Now"))
            button->click();
    }
    EXPECT_EQ(rows(dialog).size(), 3);
    EXPECT_EQ(host.messages.size(), 1);

    writeNote("changed");
    auto *list = dialog.findChild<QTreeWidget *>();
    list->setCurrentItem(list->topLevelItem(2)); // the oldest archive
    bool asked = false;
    dialog.setArchiveFirstQuestion([&] {
        asked = true;
        return ArchivesDialog::BeforeRestore::ArchiveFirst;
    });
    clock.moment = clock.moment.addSecs(60);
    dialog.getSelected();
    EXPECT_TRUE(asked);
    EXPECT_EQ(dialog.result(), ArchivesDialog::kRestored);
    EXPECT_EQ(rows(dialog).size(), 4) << "the current state was archived before the restore";
    QFile restored(root.filePath(QStringLiteral("tab00001.rtf")));
    ASSERT_TRUE(restored.open(QIODevice::ReadOnly));
    EXPECT_EQ(restored.readAll(), "archived");
}

// The question before a restore offers Cancel, which Escape gives: the current notes stay.
TEST_F(ArchivesBrowser, questionBeforeRestore_escapeCancels_andKeepsTheCurrentNotes)
{
    texts.loadLanguageText("ARCHIVE_YES: Yes\nARCHIVE_NO: No\nIDCANCEL: Cancel\n");
    archiver.archiveNow(true, host);
    writeNote("changed");
    ArchivesDialog dialog(archiver, host, texts);
    auto *list = dialog.findChild<QTreeWidget *>();
    list->setCurrentItem(list->topLevelItem(0));
    QStringList buttons;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &dialog, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            for (const QAbstractButton *button : box->buttons())
                buttons << button->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    answer.start(20);
    dialog.getSelected();
    answer.stop();

    EXPECT_EQ(buttons.size(), 3) << buttons.join(u'|').toStdString();
    EXPECT_TRUE(buttons.contains(QStringLiteral("Cancel")));
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(rows(dialog).size(), 1) << "nothing archived";
    QFile current(root.filePath(QStringLiteral("tab00001.rtf")));
    ASSERT_TRUE(current.open(QIODevice::ReadOnly));
    EXPECT_EQ(current.readAll(), "changed");
}

} // namespace
} // namespace tabulet::ui
