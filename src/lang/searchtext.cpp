#include "lang/searchtext.h"

#include <QRegularExpression>

#include <algorithm>

namespace tabulet::lang {
namespace {

constexpr qsizetype kExcerptBefore = 20;
constexpr qsizetype kExcerptAfter = 40;

bool isMark(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_SpacingCombining ||
           category == QChar::Mark_Enclosing;
}

// The base letter of a canonically composed character ("é" → "e"), folded.
QChar foldCharacter(QChar c)
{
    if (c.decompositionTag() == QChar::Canonical) {
        const QString parts = c.decomposition();
        if (!parts.isEmpty() && !parts.at(0).isSurrogate())
            c = foldCharacter(parts.at(0));
    }
    return c.toCaseFolded();
}

} // namespace

qsizetype FoldedText::originalPosition(qsizetype folded) const
{
    // Every mark left out before the wanted place shifts it by one.
    qsizetype original = folded;
    for (const qsizetype mark : droppedMarks) {
        if (mark > original)
            break;
        ++original;
    }
    return original;
}

FoldedText foldForSearch(QStringView text)
{
    FoldedText folded;
    folded.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isMark(c))
            folded.droppedMarks.push_back(i);
        else
            folded.text.append(foldCharacter(c));
    }
    return folded;
}

QStringList searchWords(QStringView query)
{
    return foldForSearch(query).text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QString searchExcerpt(QStringView original, qsizetype position, qsizetype length)
{
    const qsizetype from = std::max<qsizetype>(0, position - kExcerptBefore);
    const qsizetype to = std::min(original.size(), position + length + kExcerptAfter);
    QString excerpt = original.mid(from, to - from).toString().simplified();
    if (from > 0)
        excerpt.prepend(QChar(0x2026));
    if (to < original.size())
        excerpt.append(QChar(0x2026));
    return excerpt;
}

} // namespace tabulet::lang
