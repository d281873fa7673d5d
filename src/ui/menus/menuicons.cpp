#include "ui/menus/menuicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <map>

namespace tabulet::ui {

namespace {

enum class Picture {
    Print,
    Copy,
    Cut,
    Paste,
    Options,
    NewTab,
    DeleteTab,
    Help,
    Search,
    Replace,
    Font,
    TextColour,
    FillColour
};

constexpr int kSize = 16;
const QColor kInk(0x30, 0x30, 0x30);
const QColor kPaper(0xfa, 0xfa, 0xfa);
const QColor kAccent(0x2a, 0x6f, 0xc9);

void drawSheet(QPainter &painter, const QRectF &rect)
{
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(kPaper);
    painter.drawRect(rect);
}

void drawLens(QPainter &painter, QPointF centre)
{
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(QColor(0xd8, 0xe8, 0xfa));
    painter.drawEllipse(centre, 3.5, 3.5);
    painter.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(2.8, 2.8), centre + QPointF(6, 6));
}

void drawLetterA(QPainter &painter, const QColor &colour)
{
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRectF(0, -1, kSize, 12), Qt::AlignCenter, QStringLiteral("A"));
}

void draw(QPainter &painter, Picture picture)
{
    switch (picture) {
    case Picture::Print:
        drawSheet(painter, QRectF(4.5, 1.5, 7, 5));
        painter.setBrush(QColor(0xb0, 0xb0, 0xb0));
        painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        drawSheet(painter, QRectF(4.5, 10.5, 7, 4));
        break;
    case Picture::Copy:
        drawSheet(painter, QRectF(1.5, 1.5, 8, 10));
        drawSheet(painter, QRectF(6.5, 4.5, 8, 10));
        break;
    case Picture::Cut:
        painter.setPen(QPen(kInk, 1.5));
        painter.drawLine(QPointF(4, 1), QPointF(10.5, 10));
        painter.drawLine(QPointF(12, 1), QPointF(5.5, 10));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        painter.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
        break;
    case Picture::Paste:
        painter.setPen(QPen(kInk, 1));
        painter.setBrush(QColor(0xc8, 0x9a, 0x5a));
        painter.drawRect(QRectF(2.5, 2.5, 10, 12));
        painter.setBrush(QColor(0x90, 0x90, 0x90));
        painter.drawRect(QRectF(5.5, 1.5, 4, 2));
        drawSheet(painter, QRectF(7.5, 6.5, 7, 8));
        break;
    case Picture::Options: {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kInk, 1));
        painter.setBrush(QColor(0x9a, 0xa4, 0xb0));
        QPainterPath gear;
        for (int tooth = 0; tooth < 8; ++tooth) {
            QTransform turn;
            turn.translate(8, 8);
            turn.rotate(tooth * 45.0);
            gear.addPolygon(turn.map(QPolygonF(QRectF(-1.5, -7.5, 3, 4))));
        }
        gear.addEllipse(QPointF(8, 8), 5, 5);
        painter.drawPath(gear.simplified());
        painter.setBrush(kPaper);
        painter.drawEllipse(QPointF(8, 8), 2, 2);
        break;
    }
    case Picture::NewTab:
        drawSheet(painter, QRectF(2.5, 1.5, 9, 13));
        painter.setPen(QPen(QColor(0x2e, 0x9e, 0x3e), 2));
        painter.drawLine(QPointF(12, 8), QPointF(12, 15));
        painter.drawLine(QPointF(8.5, 11.5), QPointF(15.5, 11.5));
        break;
    case Picture::DeleteTab:
        drawSheet(painter, QRectF(2.5, 1.5, 9, 13));
        painter.setPen(QPen(QColor(0xc8, 0x28, 0x28), 2));
        painter.drawLine(QPointF(9, 8), QPointF(15, 14));
        painter.drawLine(QPointF(15, 8), QPointF(9, 14));
        break;
    case Picture::Help: {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kAccent);
        painter.drawEllipse(QRectF(1, 1, 14, 14));
        QFont font = painter.font();
        font.setPixelSize(11);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Picture::Search:
        painter.setRenderHint(QPainter::Antialiasing);
        drawLens(painter, QPointF(6, 6));
        break;
    case Picture::Replace:
        painter.setRenderHint(QPainter::Antialiasing);
        drawSheet(painter, QRectF(1.5, 1.5, 8, 10));
        drawLens(painter, QPointF(9, 9));
        break;
    case Picture::Font:
        painter.setRenderHint(QPainter::Antialiasing);
        drawLetterA(painter, kInk);
        painter.fillRect(QRectF(2, 13, 12, 2), kInk);
        break;
    case Picture::TextColour:
        painter.setRenderHint(QPainter::Antialiasing);
        drawLetterA(painter, kInk);
        painter.fillRect(QRectF(1, 12, 14, 3), QColor(0xd0, 0x20, 0x20));
        break;
    case Picture::FillColour:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(kInk, 1));
        painter.setBrush(kPaper);
        painter.drawPolygon(QPolygonF({QPointF(3, 6), QPointF(8, 1), QPointF(13, 6), QPointF(8, 11)}));
        painter.fillRect(QRectF(1, 12, 14, 3), QColor(0xf0, 0xd0, 0x20));
        break;
    }
}

QIcon drawnIcon(Picture picture)
{
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap(kSize * scale, kSize * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        draw(painter, picture);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

struct IconChoice
{
    Picture picture;
    const char *themeName; // the freedesktop icon name
};

} // namespace

QIcon menuIcon(int itemId)
{
    static const std::map<int, IconChoice> icons{
        {170, {Picture::Print, "document-print"}},
        {155, {Picture::Copy, "edit-copy"}},
        {156, {Picture::Cut, "edit-cut"}},
        {157, {Picture::Paste, "edit-paste"}},
        {161, {Picture::Options, "preferences-system"}},
        {1010, {Picture::Options, "preferences-system"}},
        {133, {Picture::NewTab, "document-new"}},
        {135, {Picture::DeleteTab, "edit-delete"}},
        {172, {Picture::Help, "help-contents"}},
        {200, {Picture::Search, "edit-find"}},
        {201, {Picture::Replace, "edit-find-replace"}},
        {149, {Picture::Font, "preferences-desktop-font"}},
        {150, {Picture::TextColour, "format-text-color"}},
        {151, {Picture::FillColour, "format-fill-color"}},
    };
    const auto found = icons.find(itemId);
    if (found == icons.end())
        return {};
    const IconChoice &choice = found->second;
    return QIcon::fromTheme(QString::fromLatin1(choice.themeName), drawnIcon(choice.picture));
}

} // namespace tabulet::ui
