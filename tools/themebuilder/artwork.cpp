#include "themebuilder/artwork.h"

#include "themebuilder/placement.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tabulet::themebuilder {

namespace {

// Whether the pixel (x, y) lies inside the rectangle [left, right) x [top, bottom) with corners
// rounded by radius, judged at the pixel's centre. Deciding per pixel keeps the outline free of
// blended pixels, which would show as a fringe around a colour-keyed window.
bool insideRounded(int x, int y, const QRect &rect, int radius)
{
    if (!rect.contains(x, y))
        return false;
    if (radius <= 0)
        return true;
    const double px = x + 0.5;
    const double py = y + 0.5;
    const double cx = std::clamp(px, rect.left() + double(radius), rect.left() + rect.width() - double(radius));
    const double cy = std::clamp(py, rect.top() + double(radius), rect.top() + rect.height() - double(radius));
    return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= double(radius) * radius;
}

void paintWindowEdge(QImage &image, const Look &look)
{
    const QRect outer = image.rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const int radius = look.cornerRadius;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (!insideRounded(x, y, outer, radius))
                line[x] = look.chromaKey->rgb();
            else if (!insideRounded(x, y, inner, radius - 1))
                line[x] = look.outline.rgb();
            else if (!insideRounded(x, y - 1, inner, radius - 1))
                line[x] = look.barHighlight.rgb(); // a lit top edge, following the corners
        }
    }
}

Edges resolvedRect(const theme::Subtheme &subtheme, const QString &name, const Edges &root)
{
    const theme::ThemeRect *rect = subtheme.rect(name);
    return rect ? resolvePlacement(rect->coordinates, root, std::nullopt) : Edges{};
}

void paintField(QPainter &painter, const theme::Subtheme &subtheme, const Look &look, const Edges &root)
{
    const QRect field = resolvedRect(subtheme, QStringLiteral("textfield"), root).normalised();
    if (field.isEmpty())
        return;
    // The tabs stand on the field's top edge; the other three sides get a hairline.
    painter.fillRect(field.adjusted(-1, 0, 1, 1), look.fieldOutline);
    painter.fillRect(field, look.field);
}

void paintGrip(QPainter &painter, const theme::Subtheme &subtheme, const Look &look, const Edges &root)
{
    const QRect grip = resolvedRect(subtheme, QStringLiteral("grip"), root).normalised();
    for (int y = grip.top(); y + 2 <= grip.top() + grip.height(); y += 4)
        for (int x = grip.left(); x + 2 <= grip.left() + grip.width(); x += 4)
            painter.fillRect(x, y, 2, 2, look.grip);
}

void paintSeparators(QPainter &painter, const theme::Subtheme &subtheme, const Look &look, const Edges &root)
{
    for (const auto &[name, rect] : subtheme.rects) {
        if (name.startsWith(QLatin1String("separator")))
            painter.fillRect(resolvePlacement(rect.coordinates, root, std::nullopt).normalised(), look.separator);
    }
}

// A shape with rounded top corners whose sides run on past the bottom edge, so that the bottom
// rows of a tab stretch without a seam.
QPainterPath roundedTop(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.moveTo(rect.left(), rect.bottom() + 2);
    path.lineTo(rect.left(), rect.top() + radius);
    path.arcTo(QRectF(rect.left(), rect.top(), 2 * radius, 2 * radius), 180, -90);
    path.lineTo(rect.right() - radius, rect.top());
    path.arcTo(QRectF(rect.right() - 2 * radius, rect.top(), 2 * radius, 2 * radius), 90, -90);
    path.lineTo(rect.right(), rect.bottom() + 2);
    return path;
}

} // namespace

QImage paintSkin(const theme::Subtheme &subtheme, const Look &look, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(look.bar);
    const Edges root = Edges::of(image.rect());
    {
        QPainter painter(&image);
        paintField(painter, subtheme, look, root);
        paintGrip(painter, subtheme, look, root);
        paintSeparators(painter, subtheme, look, root);
    }
    paintWindowEdge(image, look);
    return image;
}

QImage paintTab(const Look &look, TabLook tabLook, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(look.bar);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor face = tabLook == TabLook::Selected    ? look.tabSelectedFace
                        : tabLook == TabLook::Mouseover ? look.tabHoverFace
                                                        : look.tabFace;
    const QPainterPath outline = roundedTop(QRectF(0.5, 0.5, size.width() - 1, size.height()), 3.5);
    QPainterPath body = outline;
    body.closeSubpath();
    painter.fillPath(body, face);
    painter.strokePath(outline, QPen(look.tabOutline, 1.0));
    return image;
}

QImage paintSpinFace(const Look &look, bool mouseover, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(look.bar);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath face;
    face.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 2.5, 2.5);
    painter.fillPath(face, mouseover ? look.spinHoverFace : look.spinFace);
    painter.strokePath(face, QPen(look.spinOutline, 1.0));
    return image;
}

QImage paintSpinArrow(const Look &look, ArrowDirection direction, bool mouseover, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(mouseover ? look.spinHoverFace : look.spinFace);
    QPainter painter(&image);
    drawArrow(painter, direction, size, look.spinInk);
    return image;
}

QImage paintButton(const Look &look, const QString &command, ButtonLook buttonLook, const QImage &background)
{
    QImage image = background.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QRectF plate(0.5, 0.5, image.width() - 1, image.height() - 1);
    QPainterPath shape;
    shape.addRoundedRect(plate, 4, 4);
    switch (buttonLook) {
    case ButtonLook::Normal:
        break;
    case ButtonLook::Mouseover:
        painter.fillPath(shape, look.hover);
        break;
    case ButtonLook::Selected:
    case ButtonLook::SelectedMouseover:
        painter.fillPath(shape, buttonLook == ButtonLook::Selected ? look.selected : look.selectedHover);
        painter.strokePath(shape, QPen(look.selectedOutline, 1.0));
        break;
    }
    const bool selected = buttonLook == ButtonLook::Selected || buttonLook == ButtonLook::SelectedMouseover;
    painter.translate((image.width() - kGlyphSize) / 2, (image.height() - kGlyphSize) / 2);
    drawGlyph(painter, command, selected ? look.inkSelected : look.ink, look.accent);
    return image;
}

} // namespace tabulet::themebuilder
