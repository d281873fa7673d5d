// The dialogs of the note exchange, driven as a user would, with a real listener on loopback.
#include "lang/texttable.h"
#include "net/listenerthread.h"
#include "ui/dialogs/listmanagerdialog.h"
#include "ui/dialogs/newfiledialog.h"
#include "ui/dialogs/sendfiledialog.h"

#include "printers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tabulet::ui {
namespace {

bool waitUntil(const std::function<bool()> &condition)
{
    const QDeadlineTimer deadline(10000);
    while (!condition() && !deadline.hasExpired())
        QTest::qWait(20);
    return condition();
}

// A note file in the folder; its path, empty when it could not be written.
QString writeNote(const QTemporaryDir &folder)
{
    const QString notePath = folder.filePath(QStringLiteral("tab00001.rtf"));
    QFile file(notePath);
    if (!file.open(QIODevice::WriteOnly) || file.write("{\\rtf1 hello}") < 0)
        return {};
    return notePath;
}

// Closes each message box that opens while the timer runs, keeping its text.
void closeMessageBoxes(QTimer &closer, QStringList &boxes)
{
    QObject::connect(&closer, &QTimer::timeout, &closer, [&boxes] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->accept();
        }
    });
    closer.start(20);
}

TEST(SendFileDialog, send_deliversTheNoteWithEditedTitleAddsFavouriteAndSaysSo)
{
    QTemporaryDir folder;
    const QString notePath = writeNote(folder);
    ASSERT_FALSE(notePath.isEmpty());

    net::ListenerThread listener(QHostAddress(QHostAddress::LocalHost), 0, folder.path());
    quint16 port = 0;
    std::optional<net::ReceivedNote> received;
    QObject context;
    QObject::connect(listener.listener(), &net::NoteListener::listening, &context, [&](quint16 p) { port = p; });
    QObject::connect(listener.listener(), &net::NoteListener::noteReceived, &context,
                     [&](const net::ReceivedNote &note) { received = note; });
    listener.start();
    ASSERT_TRUE(waitUntil([&] { return port != 0; }));

    lang::TextTable texts;
    texts.loadLanguageText("SENDFILE_SENT: \"%s\" went to %s.\n");
    SendFileDialog dialog(texts, {notePath, QStringLiteral("Shopping"), QStringLiteral("anna")},
                          QStringLiteral("zeta;alpha"));
    dialog.show();
    auto *recipient = dialog.findChild<QComboBox *>(QStringLiteral("recipient"));
    EXPECT_EQ(recipient->itemText(0), QStringLiteral("alpha")) << "favourites are listed sorted";

    // A recipient without a port sends nothing.
    recipient->setCurrentText(QStringLiteral("127.0.0.1:"));
    dialog.findChild<QPushButton *>(QStringLiteral("send"))->click();
    EXPECT_TRUE(dialog.isVisible());

    const QString to = QStringLiteral("127.0.0.1:%1").arg(port);
    recipient->setCurrentText(to);
    dialog.findChild<QLineEdit *>(QStringLiteral("title"))->setText(QStringLiteral("Groceries"));
    dialog.findChild<QCheckBox *>(QStringLiteral("addToFavorites"))->setChecked(true);
    QStringList boxes;
    QTimer closer;
    closeMessageBoxes(closer, boxes);
    dialog.findChild<QPushButton *>(QStringLiteral("send"))->click();
    ASSERT_TRUE(waitUntil([&] { return !dialog.isVisible() && received; }));
    EXPECT_EQ(boxes, QStringList({QStringLiteral("\"Groceries\" went to ") + to + u'.'})) << "a send says it went out";

    ASSERT_TRUE(dialog.result() && dialog.result()->sent());
    EXPECT_EQ(dialog.findChild<QProgressBar *>(QStringLiteral("progress"))->value(), 100);
    EXPECT_EQ(dialog.favorites(), QStringLiteral("zeta;alpha;") + to + u';');
    EXPECT_EQ(received->title(), QStringLiteral("Groceries"));
    EXPECT_EQ(received->sender(), QStringLiteral("anna"));
    QFile arrived(received->filePath);
    ASSERT_TRUE(arrived.open(QIODevice::ReadOnly));
    EXPECT_EQ(arrived.readAll(), QByteArray("{\\rtf1 hello}"));
}

TEST(SendFileDialog, refusedConnection_isToldInOneBox)
{
    QTemporaryDir folder;
    const QString notePath = writeNote(folder);
    ASSERT_FALSE(notePath.isEmpty());
    // A port that was free a moment ago: nobody listens there.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const quint16 closedPort = probe.serverPort();
    probe.close();

    lang::TextTable texts;
    texts.loadLanguageText("CONNECT_REFUSED: Abgelehnt.\nSENDFILE_FAILED: Nicht gesendet.\n");
    SendFileDialog dialog(texts, {notePath, QStringLiteral("Shopping"), QStringLiteral("anna")}, QString());
    dialog.show();
    QStringList boxes;
    QTimer closer;
    closeMessageBoxes(closer, boxes);
    dialog.findChild<QComboBox *>(QStringLiteral("recipient"))
        ->setCurrentText(QStringLiteral("127.0.0.1:%1").arg(closedPort));
    dialog.findChild<QPushButton *>(QStringLiteral("send"))->click();
    ASSERT_TRUE(waitUntil([&] { return !dialog.isVisible(); }));
    QTest::qWait(200);

    ASSERT_TRUE(dialog.result() && !dialog.result()->sent());
    ASSERT_EQ(boxes.size(), 1) << boxes.join(u'|').toStdString();
    EXPECT_EQ(boxes.front(), QStringLiteral("Abgelehnt.\nNicht gesendet.")) << "why, and that nothing was sent";
}

TEST(ListManagerDialog, editsTheListItIsGiven)
{
    lang::TextTable texts;
    ListManagerDialog manager(texts, QStringLiteral("Favourites"), {QStringLiteral("a"), QStringLiteral("b")},
                              QStringLiteral("ADD_NEW_RECPIENT"));
    manager.setAskForEntry([](const QString &) { return std::optional<QString>(QStringLiteral(" c ")); });
    manager.findChild<QPushButton *>(QStringLiteral("add"))->click();
    manager.findChild<QListWidget *>(QStringLiteral("entries"))->setCurrentRow(0);
    manager.findChild<QPushButton *>(QStringLiteral("delete"))->click();
    EXPECT_EQ(manager.entries(), QStringList({QStringLiteral("b"), QStringLiteral("c")}));
}

TEST(NewFileDialog, tellsOnlyAnIncompleteNoteHowMuchCame)
{
    lang::TextTable texts;
    texts.loadLanguageText("NEWFILE_INCOMPLETE: %d of %d bytes came.\n");
    NewFileDialog whole(texts, {QStringLiteral("bob"), QStringLiteral("Hi"), 10, 10});
    EXPECT_EQ(whole.findChild<QLabel *>(QStringLiteral("incomplete")), nullptr);

    NewFileDialog cut(texts, {QStringLiteral("bob"), QStringLiteral("Hi"), 4, 10});
    ASSERT_NE(cut.findChild<QLabel *>(QStringLiteral("incomplete")), nullptr);
    EXPECT_EQ(cut.findChild<QLabel *>(QStringLiteral("incomplete"))->text(), QStringLiteral("4 of 10 bytes came."));
    cut.findChild<QLineEdit *>(QStringLiteral("title"))->setText(QStringLiteral("Renamed"));
    EXPECT_EQ(cut.title(), QStringLiteral("Renamed"));
}

TEST(NewFileDialog, showsTheSenderAsReadOnlyPlainText)
{
    lang::TextTable texts;
    // A peer names itself: markup in the name is shown as it came, never drawn.
    NewFileDialog dialog(texts, {QStringLiteral("<b>bob</b>"), QStringLiteral("Hi"), 2, 2});
    EXPECT_EQ(dialog.findChild<QLineEdit *>(QStringLiteral("sender")), nullptr) << "no input field for the sender";
    const auto *sender = dialog.findChild<QLabel *>(QStringLiteral("sender"));
    ASSERT_NE(sender, nullptr);
    EXPECT_EQ(sender->text(), QStringLiteral("<b>bob</b>"));
    EXPECT_EQ(sender->textFormat(), Qt::PlainText);
    EXPECT_TRUE(sender->textInteractionFlags().testFlag(Qt::TextSelectableByMouse)) << "it can still be copied";
}

} // namespace
} // namespace tabulet::ui
