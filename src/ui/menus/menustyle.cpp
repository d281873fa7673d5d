#include "ui/menus/menustyle.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace tabulet::ui {

namespace {

QColor average(const QColor &a, const QColor &b)
{
    return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
}

void drawEtchedLine(QPainter &painter, const QPalette &palette, int left, int right, int y)
{
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(left, y, right, y);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(left, y + 1, right, y + 1);
}

// The check mark, centred in the strip.
void drawCheckMark(QPainter &painter, const QRect &strip, const QColor &colour)
{
    const QPointF centre = QRectF(strip).center();
    QPainterPath tick;
    tick.moveTo(centre + QPointF(-4, 0));
    tick.lineTo(centre + QPointF(-1.5, 3));
    tick.lineTo(centre + QPointF(4, -3.5));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPath(tick);
    painter.restore();
}

} // namespace

MenuStyle::MenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void MenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect rect = item->rect;
    const QPalette &palette = item->palette;
    const QColor background = palette.color(QPalette::Window);
    const QColor greyText = palette.color(QPalette::Disabled, QPalette::WindowText);
    const QRect strip(rect.left(), rect.top(), kStripWidth, rect.height());
    painter->save();
    painter->fillRect(rect, background);
    painter->fillRect(strip, average(background, greyText));
    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        drawEtchedLine(*painter, palette, rect.left() + kLabelLeft - 2, rect.right() - 2, rect.center().y());
        painter->restore();
        return;
    }
    const bool enabled = item->state.testFlag(State_Enabled);
    const bool highlighted = enabled && item->state.testFlag(State_Selected);
    QColor textColour = enabled ? palette.color(QPalette::WindowText) : greyText;
    if (highlighted) {
        painter->fillRect(rect, palette.color(QPalette::Highlight));
        textColour = palette.color(QPalette::HighlightedText);
    }
    if (item->checked) {
        drawCheckMark(*painter, strip, textColour);
    } else if (!item->icon.isNull()) {
        const QRect iconRect(strip.left() + (kStripWidth - kIconSize) / 2, rect.top() + (rect.height() - kIconSize) / 2,
                             kIconSize, kIconSize);
        item->icon.paint(painter, iconRect, Qt::AlignCenter, enabled ? QIcon::Normal : QIcon::Disabled);
    }
    const int tab = item->text.indexOf(QLatin1Char('\t'));
    const QString label = tab < 0 ? item->text : item->text.left(tab);
    const QString shortcut = tab < 0 ? QString() : item->text.mid(tab + 1);
    painter->setFont(item->font);
    painter->setPen(textColour);
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    painter->drawText(rect.adjusted(kLabelLeft, 0, 0, 0), flags | Qt::AlignLeft, label);
    if (!shortcut.isEmpty())
        painter->drawText(rect.adjusted(0, 0, -kShortcutRightMargin, 0), flags | Qt::AlignRight, shortcut);
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOption arrow = *option;
        arrow.rect = QRect(rect.right() - kShortcutRightMargin, rect.top(), kShortcutRightMargin, rect.height());
        arrow.palette.setColor(QPalette::ButtonText, textColour);
        proxy()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
    painter->restore();
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &contentsSize,
                                  const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return {kSeparatorWidth, kMinimumItemHeight / 2};
    // The menu adds the widest shortcut to every item itself.
    return {contentsSize.width() + kExtraWidth, std::max(contentsSize.height(), kMinimumItemHeight)};
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_SmallIconSize:
        return kIconSize;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 0;
    case PM_MenuPanelWidth:
        return 2;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
    // A greyed item is never highlighted, also not by the keyboard.
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace tabulet::ui
