#include "lang/texttable.h"

#include "lang/textdecoding.h"

#include <QFile>

#include <algorithm>

namespace tabulet::lang {

namespace {

// White space is that of the C locale: a non-breaking space is part of a text, since
// translators use it on purpose (for instance before a French question mark).
bool isBlank(QChar c)
{
    switch (c.unicode()) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
        return true;
    default:
        return false;
    }
}

QStringView trimmedLeft(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && isBlank(text[start]))
        ++start;
    return text.sliced(start);
}

QStringView trimmedRight(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return text.first(end);
}

} // namespace

std::optional<QByteArray> readLanguageFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Read one byte past the limit so that files whose size the system does not report
    // (pipes, devices) are bounded too.
    QByteArray bytes = file.read(TextTable::kMaxFileSize + 1);
    if (bytes.size() > TextTable::kMaxFileSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

bool TextTable::loadLanguageFile(const QString &path)
{
    const std::optional<QByteArray> bytes = readLanguageFile(path);
    if (!bytes)
        return false;
    loadLanguageText(*bytes);
    return true;
}

void TextTable::loadLanguageText(const QByteArray &bytes)
{
    const QString contents = decodeText(bytes);
    const QStringView all(contents);
    qsizetype lineStart = 0;
    while (lineStart <= all.size()) {
        qsizetype lineEnd = all.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = all.size();
        QStringView line = all.sliced(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;

        const qsizetype comment = line.indexOf(u"//");
        if (comment >= 0)
            line.truncate(comment);
        line = trimmedRight(trimmedLeft(line));
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0)
            continue;
        const QString key = trimmedRight(line.first(colon)).toString();
        QString value = trimmedLeft(line.sliced(colon + 1)).toString();
        value.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        m_texts.insert(key, value);
    }
}

QString TextTable::text(const QString &key)
{
    return m_texts[key];
}

QStringList TextTable::keys() const
{
    QStringList sorted = m_texts.keys();
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

} // namespace tabulet::lang
