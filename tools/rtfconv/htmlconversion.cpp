#include "rtfconv/htmlconversion.h"

#include <QStringList>

namespace tabulet::rtfconv {

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString hex(const rtf::Colour &colour)
{
    return QStringLiteral("#%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'));
}

// A face name as a CSS string; the attribute around it is escaped separately.
QString cssString(const QString &text)
{
    QString result = QStringLiteral("'");
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('\''))
            result += QLatin1Char('\\');
        result += c.isPrint() ? c : QLatin1Char(' ');
    }
    return result + QLatin1Char('\'');
}

QString points(int halfPoints)
{
    return halfPoints % 2 == 0 ? QString::number(halfPoints / 2) : QString::number(halfPoints / 2.0, 'f', 1);
}

QString spanStyle(const rtf::CharacterFormat &format)
{
    QStringList style;
    if (format.textColour)
        style << QStringLiteral("color:") + hex(*format.textColour);
    if (format.fillColour)
        style << QStringLiteral("background-color:") + hex(*format.fillColour);
    if (!format.fontFace.isEmpty())
        style << QStringLiteral("font-family:") + cssString(format.fontFace);
    style << QStringLiteral("font-size:") + points(format.sizeHalfPoints) + QStringLiteral("pt");
    if (format.allCapitals)
        style << QStringLiteral("text-transform:uppercase");
    if (format.smallCapitals)
        style << QStringLiteral("font-variant:small-caps");
    return style.join(QLatin1Char(';'));
}

// Links that would run script when followed keep their text but lose the link.
bool isSafeLink(const QString &target)
{
    const QString scheme = target.section(QLatin1Char(':'), 0, 0).trimmed().toLower();
    return scheme != QLatin1String("javascript") && scheme != QLatin1String("vbscript") &&
           scheme != QLatin1String("data");
}

QString pictureHtml(const rtf::Picture &picture)
{
    const QString mime =
        picture.type == rtf::PictureType::Png ? QStringLiteral("image/png") : QStringLiteral("image/jpeg");
    QString html =
        QStringLiteral("<img src=\"data:%1;base64,%2\"").arg(mime, QString::fromLatin1(picture.data.toBase64()));
    // Twips to CSS pixels (96 a inch).
    if (picture.displayWidth > 0)
        html += QStringLiteral(" width=\"%1\"").arg(qRound(picture.displayWidth / 15.0));
    if (picture.displayHeight > 0)
        html += QStringLiteral(" height=\"%1\"").arg(qRound(picture.displayHeight / 15.0));
    return html + QLatin1Char('>');
}

QString runHtml(const rtf::Run &run)
{
    if (run.picture)
        return pictureHtml(*run.picture);
    const rtf::CharacterFormat &format = run.format;
    QStringList tags;
    if (format.bold)
        tags << QStringLiteral("b");
    if (format.italic)
        tags << QStringLiteral("i");
    if (format.underline)
        tags << QStringLiteral("u");
    if (format.strikeOut)
        tags << QStringLiteral("s");
    if (format.verticalPosition == rtf::VerticalPosition::Superscript)
        tags << QStringLiteral("sup");
    else if (format.verticalPosition == rtf::VerticalPosition::Subscript)
        tags << QStringLiteral("sub");

    QString html = QStringLiteral("<span style=\"") + escaped(spanStyle(format)) + QStringLiteral("\">");
    for (const QString &tag : tags)
        html += QLatin1Char('<') + tag + QLatin1Char('>');
    html += escaped(QString::fromUtf8(run.text)).replace(QChar::LineSeparator, QStringLiteral("<br>"));
    for (auto tag = tags.crbegin(); tag != tags.crend(); ++tag)
        html += QStringLiteral("</") + *tag + QLatin1Char('>');
    return html + QStringLiteral("</span>");
}

// The runs of a paragraph; neighbouring runs of one link share one <a>.
QString runsHtml(const std::vector<rtf::Run> &runs)
{
    QString html;
    QString openLink;
    for (const rtf::Run &run : runs) {
        const QString link = isSafeLink(run.format.linkTarget) ? run.format.linkTarget : QString();
        if (link != openLink) {
            if (!openLink.isEmpty())
                html += QStringLiteral("</a>");
            if (!link.isEmpty())
                html += QStringLiteral("<a href=\"") + escaped(link) + QStringLiteral("\">");
            openLink = link;
        }
        html += runHtml(run);
    }
    if (!openLink.isEmpty())
        html += QStringLiteral("</a>");
    return html.isEmpty() ? QStringLiteral("<br>") : html; // an empty paragraph keeps its line
}

QString alignmentStyle(rtf::Alignment alignment)
{
    switch (alignment) {
    case rtf::Alignment::Left:
        return {};
    case rtf::Alignment::Centre:
        return QStringLiteral(" style=\"text-align:center\"");
    case rtf::Alignment::Right:
        return QStringLiteral(" style=\"text-align:right\"");
    case rtf::Alignment::Justified:
        return QStringLiteral(" style=\"text-align:justify\"");
    }
    return {};
}

QString listOpening(const rtf::ParagraphFormat &format)
{
    QString type;
    switch (format.numbering) {
    case rtf::Numbering::None:
    case rtf::Numbering::Bullet:
        return QStringLiteral("<ul>");
    case rtf::Numbering::Arabic:
        type = QStringLiteral("1");
        break;
    case rtf::Numbering::LowerLetter:
        type = QStringLiteral("a");
        break;
    case rtf::Numbering::UpperLetter:
        type = QStringLiteral("A");
        break;
    case rtf::Numbering::LowerRoman:
        type = QStringLiteral("i");
        break;
    case rtf::Numbering::UpperRoman:
        type = QStringLiteral("I");
        break;
    }
    return QStringLiteral("<ol type=\"%1\" start=\"%2\">").arg(type).arg(format.numberingStart);
}

// Consecutive paragraphs of one numbering (and, for numbers, one start) form one list.
bool continuesList(const rtf::ParagraphFormat &list, const rtf::ParagraphFormat &paragraph)
{
    return list.numbering == paragraph.numbering &&
           (paragraph.numbering == rtf::Numbering::Bullet || list.numberingStart == paragraph.numberingStart);
}

} // namespace

QString toHtml(const rtf::RichTextDocument &document)
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                                  "<style>p, li { margin: 0; white-space: pre-wrap; }</style>\n"
                                  "</head>\n<body>\n");
    const rtf::ParagraphFormat *list = nullptr;
    auto closeList = [&] {
        if (list)
            html += list->numbering == rtf::Numbering::Bullet ? QStringLiteral("</ul>\n") : QStringLiteral("</ol>\n");
        list = nullptr;
    };
    for (const rtf::Paragraph &paragraph : document.paragraphs) {
        const rtf::ParagraphFormat &format = paragraph.format;
        if (format.numbering == rtf::Numbering::None) {
            closeList();
            html += QStringLiteral("<p") + alignmentStyle(format.alignment) + QLatin1Char('>') +
                    runsHtml(paragraph.runs) + QStringLiteral("</p>\n");
            continue;
        }
        if (!list || !continuesList(*list, format)) {
            closeList();
            html += listOpening(format) + QLatin1Char('\n');
            list = &format;
        }
        html += QStringLiteral("<li") + alignmentStyle(format.alignment) + QLatin1Char('>') + runsHtml(paragraph.runs) +
                QStringLiteral("</li>\n");
    }
    closeList();
    return html + QStringLiteral("</body>\n</html>\n");
}

} // namespace tabulet::rtfconv
