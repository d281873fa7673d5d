#include "ui/editor/textformats.h"

#include <QFont>
#include <QTextList>

#include <algorithm>
#include <cmath>

namespace tabulet::ui {

namespace {

QColor toQColor(const rtf::Colour &colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// A brush that paints a colour, or none for an unset or empty brush (automatic colour).
std::optional<rtf::Colour> toColour(const QTextFormat &format, int brushProperty)
{
    if (!format.hasProperty(brushProperty))
        return std::nullopt;
    const QBrush brush = format.brushProperty(brushProperty);
    if (brush.style() == Qt::NoBrush)
        return std::nullopt;
    const QColor colour = brush.color().toRgb();
    return rtf::Colour{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                       static_cast<std::uint8_t>(colour.blue())};
}

QString firstFamily(const QTextCharFormat &format)
{
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? QString() : families.first();
}

int halfPoints(qreal points)
{
    return static_cast<int>(std::clamp(std::round(points * 2.0), 1.0, 32767.0));
}

QTextOption::TabType toTabType(rtf::TabAlignment alignment)
{
    switch (alignment) {
    case rtf::TabAlignment::Left:
        return QTextOption::LeftTab;
    case rtf::TabAlignment::Centre:
        return QTextOption::CenterTab;
    case rtf::TabAlignment::Right:
        return QTextOption::RightTab;
    case rtf::TabAlignment::Decimal:
        return QTextOption::DelimiterTab;
    }
    return QTextOption::LeftTab;
}

rtf::TabAlignment toTabAlignment(QTextOption::TabType type)
{
    switch (type) {
    case QTextOption::LeftTab:
        return rtf::TabAlignment::Left;
    case QTextOption::CenterTab:
        return rtf::TabAlignment::Centre;
    case QTextOption::RightTab:
        return rtf::TabAlignment::Right;
    case QTextOption::DelimiterTab:
        return rtf::TabAlignment::Decimal;
    }
    return rtf::TabAlignment::Left;
}

Qt::Alignment toQtAlignment(rtf::Alignment alignment)
{
    switch (alignment) {
    case rtf::Alignment::Left:
        return Qt::AlignLeft;
    case rtf::Alignment::Centre:
        return Qt::AlignHCenter;
    case rtf::Alignment::Right:
        return Qt::AlignRight;
    case rtf::Alignment::Justified:
        return Qt::AlignJustify;
    }
    return Qt::AlignLeft;
}

rtf::Alignment toAlignment(Qt::Alignment alignment)
{
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    if (horizontal & Qt::AlignHCenter)
        return rtf::Alignment::Centre;
    if (horizontal & Qt::AlignJustify)
        return rtf::Alignment::Justified;
    if (horizontal & (Qt::AlignRight | Qt::AlignTrailing))
        return rtf::Alignment::Right;
    return rtf::Alignment::Left;
}

void setLineSpacing(QTextBlockFormat &block, const rtf::LineSpacing &spacing)
{
    switch (spacing.rule) {
    case rtf::LineSpacingRule::Single:
        return;
    case rtf::LineSpacingRule::Proportional:
        block.setLineHeight(spacing.value, QTextBlockFormat::ProportionalHeight);
        return;
    case rtf::LineSpacingRule::AtLeast:
        block.setLineHeight(toPixels(spacing.value), QTextBlockFormat::MinimumHeight);
        return;
    case rtf::LineSpacingRule::Exactly:
        block.setLineHeight(toPixels(spacing.value), QTextBlockFormat::FixedHeight);
        return;
    }
}

rtf::LineSpacing toLineSpacing(const QTextBlockFormat &block)
{
    switch (block.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        return {rtf::LineSpacingRule::Proportional, static_cast<int>(std::round(block.lineHeight()))};
    case QTextBlockFormat::MinimumHeight:
        return {rtf::LineSpacingRule::AtLeast, toTwips(block.lineHeight())};
    case QTextBlockFormat::FixedHeight:
        return {rtf::LineSpacingRule::Exactly, toTwips(block.lineHeight())};
    default:
        return {};
    }
}

} // namespace

int toTwips(qreal pixels)
{
    const double twips = std::round(pixels * kTwipsPerPixel);
    return static_cast<int>(std::clamp(twips, -1.0e9, 1.0e9));
}

void setOffset(QTextCharFormat &format, int offsetHalfPoints, int sizeHalfPoints)
{
    format.setProperty(propertyId(BridgeProperty::OffsetHalfPoints), offsetHalfPoints);
    // Qt raises text by a share of its font's height.
    format.setBaselineOffset(sizeHalfPoints > 0 ? 100.0 * offsetHalfPoints / sizeHalfPoints : 0.0);
}

QTextCharFormat toCharFormat(const rtf::CharacterFormat &format)
{
    QTextCharFormat result;
    // Weight and slant are always written: the editor's default font may be bold or italic.
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    if (format.underline)
        result.setFontUnderline(true);
    if (format.strikeOut)
        result.setFontStrikeOut(true);
    if (format.verticalPosition == rtf::VerticalPosition::Superscript)
        result.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (format.verticalPosition == rtf::VerticalPosition::Subscript)
        result.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (format.offsetHalfPoints != 0)
        setOffset(result, format.offsetHalfPoints, format.sizeHalfPoints);
    if (format.allCapitals) {
        result.setFontCapitalization(QFont::AllUppercase);
        if (format.smallCapitals)
            result.setProperty(propertyId(BridgeProperty::SmallCapitalsToo), true);
    } else if (format.smallCapitals) {
        result.setFontCapitalization(QFont::SmallCaps);
    }
    if (!format.fontFace.isEmpty())
        result.setFontFamilies(QStringList{format.fontFace});
    result.setFontPointSize(format.sizeHalfPoints / 2.0);
    if (format.textColour)
        result.setForeground(toQColor(*format.textColour));
    if (format.fillColour)
        result.setBackground(toQColor(*format.fillColour));
    if (!format.linkTarget.isEmpty()) {
        result.setAnchor(true);
        result.setAnchorHref(format.linkTarget);
    }
    return result;
}

QTextCharFormat capitalsFormat(bool allCapitals, bool smallCapitals)
{
    QTextCharFormat result;
    if (allCapitals)
        result.setFontCapitalization(QFont::AllUppercase);
    else
        result.setFontCapitalization(smallCapitals ? QFont::SmallCaps : QFont::MixedCase);
    result.setProperty(propertyId(BridgeProperty::SmallCapitalsToo), allCapitals && smallCapitals);
    return result;
}

rtf::CharacterFormat toCharacterFormat(const QTextCharFormat &format, const QFont &defaultFont)
{
    rtf::CharacterFormat result;
    result.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold
                                                              : defaultFont.weight() >= QFont::DemiBold;
    result.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaultFont.italic();
    result.underline = format.fontUnderline();
    result.strikeOut = format.fontStrikeOut();
    result.offsetHalfPoints = format.intProperty(propertyId(BridgeProperty::OffsetHalfPoints));
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript:
        result.verticalPosition = rtf::VerticalPosition::Superscript;
        break;
    case QTextCharFormat::AlignSubScript:
        result.verticalPosition = rtf::VerticalPosition::Subscript;
        break;
    default:
        break;
    }
    switch (format.fontCapitalization()) {
    case QFont::AllUppercase:
        result.allCapitals = true;
        result.smallCapitals = format.boolProperty(propertyId(BridgeProperty::SmallCapitalsToo));
        break;
    case QFont::SmallCaps:
        result.smallCapitals = true;
        break;
    default:
        break;
    }
    result.fontFace = firstFamily(format);
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        result.sizeHalfPoints = halfPoints(format.fontPointSize());
    else if (format.hasProperty(QTextFormat::FontPixelSize) && format.intProperty(QTextFormat::FontPixelSize) > 0)
        result.sizeHalfPoints = halfPoints(format.intProperty(QTextFormat::FontPixelSize) * 0.75); // pasted HTML
    else if (defaultFont.pointSizeF() > 0)
        result.sizeHalfPoints = halfPoints(defaultFont.pointSizeF());
    result.textColour = toColour(format, QTextFormat::ForegroundBrush);
    result.fillColour = toColour(format, QTextFormat::BackgroundBrush);
    if (format.isAnchor())
        result.linkTarget = format.anchorHref();
    return result;
}

QTextBlockFormat toBlockFormat(const rtf::ParagraphFormat &format)
{
    QTextBlockFormat result;
    result.setAlignment(toQtAlignment(format.alignment));
    result.setLeftMargin(toPixels(format.startIndent));
    result.setRightMargin(toPixels(format.rightIndent));
    result.setTextIndent(toPixels(format.firstLineIndent));
    result.setTopMargin(toPixels(format.spaceBefore));
    result.setBottomMargin(toPixels(format.spaceAfter));
    setLineSpacing(result, format.lineSpacing);
    if (!format.tabStops.empty()) {
        QList<QTextOption::Tab> tabs;
        tabs.reserve(static_cast<qsizetype>(format.tabStops.size()));
        for (const rtf::TabStop &stop : format.tabStops) {
            const QTextOption::TabType type = toTabType(stop.alignment);
            tabs.append(QTextOption::Tab(toPixels(stop.position), type,
                                         type == QTextOption::DelimiterTab ? QLatin1Char('.') : QChar()));
        }
        result.setTabPositions(tabs);
    }
    return result;
}

QTextListFormat toListFormat(const rtf::ParagraphFormat &format)
{
    QTextListFormat result;
    switch (format.numbering) {
    case rtf::Numbering::None:
    case rtf::Numbering::Bullet:
        result.setStyle(QTextListFormat::ListDisc);
        break;
    case rtf::Numbering::Arabic:
        result.setStyle(QTextListFormat::ListDecimal);
        break;
    case rtf::Numbering::LowerLetter:
        result.setStyle(QTextListFormat::ListLowerAlpha);
        break;
    case rtf::Numbering::UpperLetter:
        result.setStyle(QTextListFormat::ListUpperAlpha);
        break;
    case rtf::Numbering::LowerRoman:
        result.setStyle(QTextListFormat::ListLowerRoman);
        break;
    case rtf::Numbering::UpperRoman:
        result.setStyle(QTextListFormat::ListUpperRoman);
        break;
    }
    result.setIndent(1);
    if (format.numbering != rtf::Numbering::Bullet)
        result.setProperty(propertyId(BridgeProperty::NumberingStart), format.numberingStart);
    return result;
}

rtf::Numbering toNumbering(QTextListFormat::Style style)
{
    switch (style) {
    case QTextListFormat::ListDecimal:
        return rtf::Numbering::Arabic;
    case QTextListFormat::ListLowerAlpha:
        return rtf::Numbering::LowerLetter;
    case QTextListFormat::ListUpperAlpha:
        return rtf::Numbering::UpperLetter;
    case QTextListFormat::ListLowerRoman:
        return rtf::Numbering::LowerRoman;
    case QTextListFormat::ListUpperRoman:
        return rtf::Numbering::UpperRoman;
    default:
        return rtf::Numbering::Bullet;
    }
}

rtf::ParagraphFormat toParagraphFormat(const QTextBlockFormat &format, const QTextList *list)
{
    rtf::ParagraphFormat result;
    result.alignment = toAlignment(format.alignment());
    result.startIndent = toTwips(format.leftMargin());
    result.rightIndent = toTwips(format.rightMargin());
    result.firstLineIndent = toTwips(format.textIndent());
    result.spaceBefore = toTwips(format.topMargin());
    result.spaceAfter = toTwips(format.bottomMargin());
    result.lineSpacing = toLineSpacing(format);
    for (const QTextOption::Tab &tab : format.tabPositions())
        result.tabStops.push_back({toTwips(tab.position), toTabAlignment(tab.type)});
    if (list) {
        const QTextListFormat listFormat = list->format();
        result.numbering = toNumbering(listFormat.style());
        const int start = propertyId(BridgeProperty::NumberingStart);
        if (result.numbering != rtf::Numbering::Bullet && listFormat.hasProperty(start))
            result.numberingStart = listFormat.intProperty(start);
    }
    return result;
}

} // namespace tabulet::ui
