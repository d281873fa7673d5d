// Printing notes to Qt's own PDF output, checked through poppler's tools as a reader would see it.
#include "ui/editor/noteprinting.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

namespace tabulet::ui {
namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCountOf(const QString &pdf)
{
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// Numbered lines "line 1" to "line n", each its own paragraph.
QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(u'\n');
}

class PrintingToPdf : public testing::Test
{
protected:
    void SetUp() override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        note.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    }
    // The first page rendered at 72 dots per inch: one dot is a point.
    QImage firstPage()
    {
        run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                         QStringLiteral("-png"), pdf, folder.filePath(QStringLiteral("page"))});
        return QImage(folder.filePath(QStringLiteral("page-1.png")));
    }

    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("note.pdf"));
    QPrinter printer{QPrinter::HighResolution};
    QTextDocument note;
};

TEST_F(PrintingToPdf, printNote_walksThePagesWithAnInchOfMarginOnWholeInches)
{
    note.setPlainText(numberedLines(110));
    const PrintResult result = printNote(note, printer, 0, -1);
    ASSERT_EQ(result.outcome, PrintResult::Outcome::Printed);
    EXPECT_FALSE(result.pageTooSmall);
    EXPECT_EQ(pageCountOf(pdf), result.pages);
    EXPECT_EQ(result.pages, 3) << "A4 is taken as 8 by 11 inches: 9 inches of text height per page";
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("line 1\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 110")));

    const QImage page = firstPage();
    ASSERT_FALSE(page.isNull());
    int left = page.width();
    int top = page.height();
    int bottom = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                left = std::min(left, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    EXPECT_NEAR(left, 72, 2);
    EXPECT_NEAR(top, 72, 4);
    EXPECT_LE(bottom, 10 * 72) << "nothing below the text rectangle of an 11-inch page";
}

struct RangeCase
{
    const char *name;
    const char *text;
    int from;
    int to;
    const char *printed; // the text pdftotext gives back, blanks trimmed
    int pages;
};

class PrintedRanges : public PrintingToPdf, public testing::WithParamInterface<RangeCase>
{
};

TEST_P(PrintedRanges, printNote_printsExactlyTheRange)
{
    const RangeCase &range = GetParam();
    note.setPlainText(QString::fromUtf8(range.text));
    const PrintResult result = printNote(note, printer, range.from, range.to);
    ASSERT_EQ(result.outcome, PrintResult::Outcome::Printed);
    EXPECT_EQ(pageCountOf(pdf), range.pages);
    EXPECT_EQ(run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified(),
              QString::fromUtf8(range.printed));
}

INSTANTIATE_TEST_SUITE_P(Notes, PrintedRanges,
                         testing::Values(RangeCase{"emptyNote", "", 0, -1, "", 1},
                                         RangeCase{"wholeNote", "alpha beta gamma", 0, -1, "alpha beta gamma", 1},
                                         RangeCase{"selection", "alpha beta gamma", 6, 10, "beta", 1},
                                         RangeCase{"selectionToTheEnd", "alpha beta gamma", 11, 16, "gamma", 1}),
                         [](const testing::TestParamInfo<RangeCase> &param) { return std::string(param.param.name); });

TEST_F(PrintingToPdf, printNote_aSelectionOverSeveralPagesPrintsOnlyItsLines)
{
    note.setPlainText(numberedLines(300));
    const QString all = note.toPlainText();
    const int from = static_cast<int>(all.indexOf(QStringLiteral("line 50\n")));
    const int to = static_cast<int>(all.indexOf(QStringLiteral("line 150\n")));
    ASSERT_EQ(printNote(note, printer, from, to).outcome, PrintResult::Outcome::Printed);
    const QString text = run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.startsWith(QStringLiteral("line 50\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 149\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("line 150")));
    EXPECT_FALSE(text.contains(QStringLiteral("line 49\n")));
    EXPECT_EQ(pageCountOf(pdf), 3);
    EXPECT_EQ(note.toPlainText(), all) << "the note is never changed by printing";
}

TEST_F(PrintingToPdf, printNote_aPageTooSmallForTheMarginsUsesTheWholeArea)
{
    printer.setPageSize(QPageSize(QSizeF(2.5, 4), QPageSize::Inch));
    note.setPlainText(QString(100000, u'x'));
    const PrintResult result = printNote(note, printer, 0, -1);
    EXPECT_EQ(result.outcome, PrintResult::Outcome::Printed);
    EXPECT_TRUE(result.pageTooSmall);
    EXPECT_GT(result.pages, 1) << "one unbroken line of 100,000 characters wraps over pages";
    EXPECT_EQ(pageCountOf(pdf), result.pages);
}

// A printer that cannot take the job (here: a file in a folder that is not there) is a failure the
// window reports, with nothing counted as printed.
TEST_F(PrintingToPdf, printNote_aPrinterThatCannotStartFails)
{
    printer.setOutputFileName(folder.filePath(QStringLiteral("missing/note.pdf")));
    note.setPlainText(numberedLines(3));
    const PrintResult result = printNote(note, printer, 0, -1);
    EXPECT_EQ(result.outcome, PrintResult::Outcome::Failed);
    EXPECT_EQ(result.pages, 0);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("missing"))));
}

} // namespace
} // namespace tabulet::ui
