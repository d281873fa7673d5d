#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tabulet::lang {

// Text prepared for a search that ignores case and accents. Each character is folded on its own
// ("É" and "é" become "e"); combining marks are left out, and their places are kept so that a
// position found in the folded text leads back to the original.
struct FoldedText
{
    QString text;
    std::vector<qsizetype> droppedMarks; // positions in the original, ascending

    qsizetype originalPosition(qsizetype folded) const;
};

FoldedText foldForSearch(QStringView text);

// The query's words, folded; none for a query of blanks.
QStringList searchWords(QStringView query);

// A piece of the original text around the match at `position` (in the original), on one line,
// with "…" where it was cut.
QString searchExcerpt(QStringView original, qsizetype position, qsizetype length);

} // namespace tabulet::lang
