#include "ui/tray/trayiconpictures.h"

#include "lang/texttable.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <cmath>
#include <utility>

namespace tabulet::ui {

namespace {

// The pictures are laid out on a 32-unit square and drawn at each size on whole pixels, so that
// outlines stay sharp at 16 pixels as well as at 32.
constexpr qreal kUnits = 32.0;
constexpr std::array<int, 4> kIconSizes{16, 22, 24, 32};

const QColor kOutline(0x40, 0x40, 0x40);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperLine(0x90, 0x90, 0x90);

// The words of each choice, in the order of the choices: their text keys and the English shown
// when a language file has none.
const std::array<std::pair<const char *, const char *>, kTrayPictureChoices> kChoiceWords{{
    {"TRAYICON_NOTESWHITE", "Three Notes, White"},
    {"TRAYICON_NOTESGREY", "Three Notes, Grey"},
    {"TRAYICON_NOTESYELLOW", "Three Notes, Yellow"},
    {"TRAYICON_SQUARENWHITE", "Square N, White"},
    {"TRAYICON_SQUARENGREEN", "Square N, Green"},
    {"TRAYICON_SQUARENORANGE", "Square N, Orange"},
    {"TRAYICON_DOCUMENTPENCIL", "Document with Pencil"},
    {"TRAYICON_PENCIL", "Pencil"},
    {"TRAYICON_DOCUMENT", "Document"},
    {"TRAYICON_ARCHIVE", "Archive Box"},
    {"TRAYICON_ROUNDNDARK", "Round N, Dark"},
    {"TRAYICON_ROUNDNBLUE", "Round N, Blue"},
    {"TRAYICON_ROUNDNRED", "Round N, Red"},
    {"TRAYICON_SPHERE", "Sphere"},
    {"TRAYICON_GLOBEGREEN", "Globe, Green"},
    {"TRAYICON_GLOBEBLUE", "Globe, Blue"},
}};

class Canvas final
{
public:
    Canvas(QPixmap &pixmap, int size) : m_painter(&pixmap), m_size(size)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
    }

    QPainter &painter() { return m_painter; }
    // A length on the 32-unit square in pixels of this size.
    qreal px(qreal units) const { return units * m_size / kUnits; }
    // The width of outlines: one pixel up to 31 pixels, two from 32 on.
    qreal outline() const { return std::max(1.0, std::floor(m_size / 16.0)); }

    // A rectangle of the square on whole pixels, shrunk by half the pen so that its outline
    // covers whole pixels inside it.
    QRectF box(qreal x, qreal y, qreal width, qreal height, qreal pen) const
    {
        const qreal left = std::round(px(x));
        const qreal top = std::round(px(y));
        const qreal right = std::round(px(x + width));
        const qreal bottom = std::round(px(y + height));
        return {left + pen / 2, top + pen / 2, right - left - pen, bottom - top - pen};
    }

    void sheet(qreal x, qreal y, qreal width, qreal height, const QColor &fill)
    {
        const qreal pen = outline();
        m_painter.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        m_painter.setBrush(fill);
        m_painter.drawRect(box(x, y, width, height, pen));
    }

    // Horizontal lines of writing inside a sheet, one pixel high, every few units.
    void writing(qreal x, qreal y, qreal width, int lines, qreal spacing)
    {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(kPaperLine);
        for (int line = 0; line < lines; ++line) {
            const qreal top = std::round(px(y + line * spacing));
            m_painter.drawRect(QRectF(std::round(px(x)), top, std::round(px(width)), outline()));
        }
    }

    // The letter N drawn as three strokes inside the given box of the square.
    void letterN(qreal x, qreal y, qreal width, qreal height, const QColor &colour)
    {
        const qreal pen = std::max(2.0, std::round(px(3.5)));
        const qreal left = std::round(px(x)) + pen / 2;
        const qreal right = std::round(px(x + width)) - pen / 2;
        const qreal top = std::round(px(y)) + pen / 2;
        const qreal bottom = std::round(px(y + height)) - pen / 2;
        QPainterPath path;
        path.moveTo(left, bottom);
        path.lineTo(left, top);
        path.lineTo(right, bottom);
        path.lineTo(right, top);
        m_painter.setPen(QPen(colour, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPath(path);
    }

    void roundTile(const QColor &fill)
    {
        const qreal pen = outline();
        m_painter.setPen(QPen(kOutline, pen));
        m_painter.setBrush(fill);
        m_painter.drawRoundedRect(box(2, 2, 28, 28, pen), px(5), px(5));
    }

    QRectF disc(const QBrush &fill)
    {
        const qreal pen = outline();
        const QRectF area = box(2, 2, 28, 28, pen);
        m_painter.setPen(QPen(kOutline, pen));
        m_painter.setBrush(fill);
        m_painter.drawEllipse(area);
        return area;
    }

    // A pencil lying from the lower left to the upper right, its tip at the lower left.
    void pencil(qreal length, qreal thickness)
    {
        m_painter.save();
        m_painter.translate(px(16), px(16));
        m_painter.rotate(-45);
        const qreal half = px(length) / 2;
        const qreal side = px(thickness) / 2;
        const qreal tip = px(thickness) * 1.2;
        m_painter.setPen(QPen(kOutline, outline(), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        m_painter.setBrush(QColor(0xf2, 0xc0, 0x30));
        m_painter.drawRect(QRectF(-half + tip, -side, 2 * half - tip, 2 * side));
        m_painter.setBrush(QColor(0xe8, 0xc8, 0x98));
        m_painter.drawPolygon(QPolygonF{QPointF(-half, 0), QPointF(-half + tip, -side), QPointF(-half + tip, side)});
        m_painter.setBrush(QColor(0xe0, 0x70, 0x80));
        m_painter.drawRect(QRectF(half - tip * 0.8, -side, tip * 0.8, 2 * side));
        m_painter.restore();
    }

    void globe(const QColor &sea, const QColor &grid)
    {
        QRadialGradient shade(px(12), px(11), px(20));
        shade.setColorAt(0, sea.lighter(150));
        shade.setColorAt(1, sea);
        const QRectF area = disc(shade);
        const qreal pen = outline();
        m_painter.setPen(QPen(grid, pen));
        m_painter.setBrush(Qt::NoBrush);
        const QPointF centre = area.center();
        m_painter.drawEllipse(centre, area.width() / 4, area.height() / 2);
        m_painter.drawLine(QPointF(centre.x(), area.top()), QPointF(centre.x(), area.bottom()));
        m_painter.drawLine(QPointF(area.left(), centre.y()), QPointF(area.right(), centre.y()));
        const qreal quarter = area.height() / 4;
        const qreal reach = area.width() * 0.43;
        m_painter.drawLine(QPointF(centre.x() - reach, centre.y() - quarter),
                           QPointF(centre.x() + reach, centre.y() - quarter));
        m_painter.drawLine(QPointF(centre.x() - reach, centre.y() + quarter),
                           QPointF(centre.x() + reach, centre.y() + quarter));
    }

private:
    QPainter m_painter;
    int m_size;
};

void drawThreeNotes(Canvas &canvas, const QColor &fill)
{
    canvas.sheet(1, 1, 18, 21, fill.darker(115));
    canvas.sheet(6, 5, 18, 21, fill.darker(107));
    canvas.sheet(12, 10, 19, 21, fill);
    canvas.writing(15, 15, 13, 4, 4);
}

void drawDocument(Canvas &canvas)
{
    QPainter &painter = canvas.painter();
    const qreal pen = canvas.outline();
    const QRectF page = canvas.box(5, 1, 22, 30, pen);
    const qreal fold = std::round(canvas.px(8));
    QPainterPath outline;
    outline.moveTo(page.topLeft());
    outline.lineTo(page.right() - fold, page.top());
    outline.lineTo(page.right(), page.top() + fold);
    outline.lineTo(page.bottomRight());
    outline.lineTo(page.bottomLeft());
    outline.closeSubpath();
    painter.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(kPaper);
    painter.drawPath(outline);
    painter.setBrush(QColor(0xd8, 0xd8, 0xd8));
    painter.drawPolygon(QPolygonF{QPointF(page.right() - fold, page.top()),
                                  QPointF(page.right() - fold, page.top() + fold),
                                  QPointF(page.right(), page.top() + fold)});
    canvas.writing(9, 12, 14, 4, 4);
}

void drawArchive(Canvas &canvas)
{
    QPainter &painter = canvas.painter();
    const QColor cardboard(0xc8, 0x96, 0x5a);
    canvas.sheet(4, 12, 24, 18, cardboard);
    canvas.sheet(2, 5, 28, 8, cardboard.lighter(115));
    const qreal pen = canvas.outline();
    painter.setPen(QPen(kOutline, pen));
    painter.setBrush(kPaper);
    painter.drawRect(canvas.box(11, 16, 10, 5, pen));
}

void drawEnvelope(Canvas &canvas)
{
    QPainter &painter = canvas.painter();
    const qreal pen = canvas.outline();
    const QRectF body = canvas.box(1, 8, 28, 20, pen);
    painter.setPen(QPen(kOutline, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(kPaper);
    painter.drawRect(body);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(
        QPolygonF{body.topLeft(), QPointF(body.center().x(), body.center().y() + canvas.px(1)), body.topRight()});
    painter.setPen(QPen(QColor(0x90, 0x10, 0x10), pen));
    painter.setBrush(QColor(0xe0, 0x20, 0x20));
    painter.drawEllipse(canvas.box(20, 1, 11, 11, pen));
}

} // namespace

TrayPicture trayPictureOf(const QString &trayiconValue)
{
    bool isNumber = false;
    const int value = trayiconValue.trimmed().toInt(&isNumber);
    if (!isNumber || value < 0 || value >= kTrayPictureChoices)
        return TrayPicture::ThreeNotesWhite;
    return static_cast<TrayPicture>(value);
}

QString trayPictureName(TrayPicture picture, lang::TextTable &texts)
{
    const auto index = static_cast<std::size_t>(picture);
    if (index >= kChoiceWords.size())
        return {};
    const QString words = texts.text(QString::fromLatin1(kChoiceWords.at(index).first));
    return words.isEmpty() ? QString::fromLatin1(kChoiceWords.at(index).second) : words;
}

QPixmap drawTrayPicture(TrayPicture picture, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    Canvas canvas(pixmap, size);
    switch (picture) {
    case TrayPicture::ThreeNotesWhite:
        drawThreeNotes(canvas, kPaper);
        break;
    case TrayPicture::ThreeNotesGrey:
        drawThreeNotes(canvas, QColor(0xc4, 0xc4, 0xc4));
        break;
    case TrayPicture::ThreeNotesYellow:
        drawThreeNotes(canvas, QColor(0xff, 0xee, 0x70));
        break;
    case TrayPicture::N1:
        canvas.roundTile(kPaper);
        canvas.letterN(9, 8, 14, 16, Qt::black);
        break;
    case TrayPicture::N2:
        canvas.roundTile(QColor(0x3a, 0x9a, 0x3a));
        canvas.letterN(9, 8, 14, 16, Qt::white);
        break;
    case TrayPicture::N3:
        canvas.roundTile(QColor(0xe0, 0x7b, 0x00));
        canvas.letterN(9, 8, 14, 16, Qt::white);
        break;
    case TrayPicture::Pen1:
        drawDocument(canvas);
        canvas.pencil(30, 6);
        break;
    case TrayPicture::Pen2:
        canvas.pencil(38, 11);
        break;
    case TrayPicture::Doc1:
        drawDocument(canvas);
        break;
    case TrayPicture::Arc1:
        drawArchive(canvas);
        break;
    case TrayPicture::DarkN:
        canvas.disc(QColor(0x33, 0x33, 0x33));
        canvas.letterN(10, 9, 12, 14, Qt::white);
        break;
    case TrayPicture::BlueN:
        canvas.disc(QColor(0x2a, 0x5d, 0xb0));
        canvas.letterN(10, 9, 12, 14, Qt::white);
        break;
    case TrayPicture::RedN:
        canvas.disc(QColor(0xc0, 0x28, 0x2d));
        canvas.letterN(10, 9, 12, 14, Qt::white);
        break;
    case TrayPicture::Sphere: {
        QRadialGradient shade(canvas.px(11), canvas.px(10), canvas.px(22));
        shade.setColorAt(0, Qt::white);
        shade.setColorAt(0.35, QColor(0x8a, 0x6c, 0xd8));
        shade.setColorAt(1, QColor(0x38, 0x20, 0x80));
        canvas.disc(shade);
        break;
    }
    case TrayPicture::GlobeGreen:
        canvas.globe(QColor(0x2e, 0x8b, 0x3a), QColor(0xd8, 0xf0, 0xd0));
        break;
    case TrayPicture::GlobeBlue:
        canvas.globe(QColor(0x22, 0x5c, 0xc0), QColor(0xd0, 0xe0, 0xf8));
        break;
    case TrayPicture::NewNote:
        drawEnvelope(canvas);
        break;
    }
    return pixmap;
}

QIcon trayPictureIcon(TrayPicture picture)
{
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addPixmap(drawTrayPicture(picture, size));
    // For screens scaled by two each of these pixel sizes and each doubled one, drawn on its own
    // pixel grid: an unscaled tray's small slot is then filled without shrinking a larger picture.
    for (const int pixels : {16, 22, 24, 32, 44, 48, 64}) {
        QPixmap pixmap = drawTrayPicture(picture, pixels);
        pixmap.setDevicePixelRatio(2.0);
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace tabulet::ui
