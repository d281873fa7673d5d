// Format helpers that the editing commands merge into a selection.
#include "ui/editor/textformats.h"

#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

using namespace tabulet;

namespace {

TEST(CapitalsFormat, togglesAllAndSmallCapitalsIndependently)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("word"));
    cursor.select(QTextCursor::Document);

    const std::pair<bool, bool> steps[] = {{true, false}, {true, true}, {false, true}, {true, true}, {false, false}};
    for (const auto &[all, small] : steps) {
        cursor.mergeCharFormat(ui::capitalsFormat(all, small));
        QTextCursor inside(&document);
        inside.setPosition(2);
        const rtf::CharacterFormat read = ui::toCharacterFormat(inside.charFormat(), document.defaultFont());
        EXPECT_EQ(read.allCapitals, all) << all << small;
        EXPECT_EQ(read.smallCapitals, small) << all << small;
    }
}

} // namespace
