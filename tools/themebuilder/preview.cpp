#include "themebuilder/preview.h"

#include "settings/colour.h"
#include "themebuilder/package.h"
#include "themebuilder/placement.h"
#include "themebuilder/themecheck.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <map>

namespace tabulet::themebuilder {

namespace {

using Images = PackageImages;

const QColor kNoteColour(0xf9, 0xf3, 0x91);
const QColor kDesktop(0x6b, 0x7f, 0x94);

QColor qColour(settings::Colour colour)
{
    return QColor(settings::redOf(colour), settings::greenOf(colour), settings::blueOf(colour));
}

// A picture stretched into possibly reversed edges, mirrored along a reversed axis.
void drawPicture(QPainter &painter, const QImage &picture, const Edges &edges)
{
    const QRect target = edges.normalised();
    if (target.isEmpty() || picture.isNull())
        return;
    painter.drawImage(target, picture.mirrored(edges.mirroredX(), edges.mirroredY()));
}

const QImage *pictureOf(const Images &images, const theme::ThemeBitmap &bitmap)
{
    const auto found = images.find(QString::fromUtf8(bitmap.imageMember));
    return found == images.end() ? nullptr : &found->second;
}

void drawBitmap(QPainter &painter, const Images &images, const theme::ThemeBitmap &bitmap, const Edges &reference)
{
    if (const QImage *picture = pictureOf(images, bitmap))
        drawPicture(painter, *picture, resolvePlacement(bitmap.coordinates, reference, picture->size()));
}

void drawCombined(QPainter &painter, const Images &images, const theme::Subtheme &subtheme, const QString &name,
                  const Edges &rect)
{
    const theme::CombinedBitmap *group = subtheme.combinedBitmap(name);
    if (!group)
        return;
    for (const theme::ThemeBitmap &bitmap : group->bitmaps)
        drawBitmap(painter, images, bitmap, rect);
}

Edges rectOf(const theme::Subtheme &subtheme, const QString &name, const Edges &reference)
{
    const theme::ThemeRect *rect = subtheme.rect(name);
    return rect ? resolvePlacement(rect->coordinates, reference, std::nullopt) : Edges{};
}

QFont tabFont(const theme::Subtheme &subtheme)
{
    const theme::ThemeTabFont &tab = subtheme.tabFont;
    QFont font(tab.face.isEmpty() ? QStringLiteral("DejaVu Sans") : tab.face);
    font.setPixelSize(tab.size * 96 / 72);
    return font;
}

struct TabGeometry
{
    QRect rect;
    QString text;
};

// Tabs as the strip places them: two pixels in from its left and top, eight pixels of room on
// each side of the text.
std::vector<TabGeometry> layoutTabs(const QStringList &texts, const QFontMetrics &metrics, int height)
{
    std::vector<TabGeometry> tabs;
    const int top = 2;
    int x = 2;
    for (const QString &text : texts) {
        const int width = std::max(10, metrics.horizontalAdvance(text) + 16);
        tabs.push_back({QRect(x, top, width, height), text});
        x += width;
    }
    return tabs;
}

void drawTab(QPainter &painter, const Images &images, const theme::Subtheme &subtheme, const TabGeometry &tab,
             const QString &look, const QColor &tabColour, bool mouseoverLook)
{
    const Edges t = Edges::of(tab.rect);
    const Edges p{t.left, t.top, t.right, t.bottom + 2};
    drawCombined(painter, images, subtheme, QStringLiteral("tab_") + look, p);
    if (tabColour.isValid()) {
        const Edges bar = rectOf(subtheme, QStringLiteral("tab_color_") + look, t);
        painter.fillRect(bar.normalised(), tabColour);
    }
    const QRect text = p.normalised().translated(1, mouseoverLook ? 3 : 4);
    painter.setPen(Qt::white);
    painter.drawText(text, Qt::AlignHCenter | Qt::AlignTop, tab.text);
    painter.setPen(Qt::black);
    painter.drawText(text.translated(-1, -1), Qt::AlignHCenter | Qt::AlignTop, tab.text);
}

void drawSpin(QPainter &painter, const Images &images, const theme::Subtheme &subtheme, const QRect &area,
              bool hoverRight)
{
    const QRect inner = area.adjusted(2, 2, 0, -2);
    const QRect left(inner.left(), inner.top(), inner.width() / 2, inner.height());
    const QRect right(left.right() + 1, inner.top(), inner.width() - left.width(), inner.height());
    drawCombined(painter, images, subtheme, QStringLiteral("spin_left_normal"), Edges::of(left));
    drawCombined(painter, images, subtheme,
                 hoverRight ? QStringLiteral("spin_right_mouseover") : QStringLiteral("spin_right_normal"),
                 Edges::of(right));
}

// The tab strip as the program paints it: the skin behind, the tabs over it, the selected tab
// raised by two pixels on its "tabbg" colour, and the arrows when the tabs do not fit.
void drawStrip(QPainter &painter, const Images &images, const theme::Subtheme &subtheme, const PreviewState &state,
               const QImage &skin, const QRect &strip)
{
    const QImage behind = skin.copy(strip);
    QImage surface = behind;
    QPainter stripPainter(&surface);
    stripPainter.setFont(tabFont(subtheme));
    const int height = subtheme.tabFont.height;
    std::vector<TabGeometry> tabs = layoutTabs(state.tabs, stripPainter.fontMetrics(), height);
    const bool overflow = !tabs.empty() && tabs.back().rect.right() >= strip.width();
    const int spinWidth = 2 * std::max(8, height - 2) + 2;
    const QColor colours[] = {QColor(0xd9, 0x4f, 0x3d), QColor(), QColor(0x3d, 0x8b, 0xd9), QColor()};
    for (int i = 0; i < int(tabs.size()); ++i) {
        if (i == state.selectedTab)
            continue;
        const bool hot = i == state.hoverTab;
        drawTab(stripPainter, images, subtheme, tabs[i], hot ? QStringLiteral("mouseover") : QStringLiteral("normal"),
                colours[i % 4], hot);
    }
    if (state.selectedTab >= 0 && state.selectedTab < int(tabs.size())) {
        TabGeometry raised = tabs[state.selectedTab];
        raised.rect.adjust(0, -2, 0, 0);
        stripPainter.fillRect(raised.rect, subtheme.tabBackground ? qColour(*subtheme.tabBackground) : QColor());
        drawTab(stripPainter, images, subtheme, raised, QStringLiteral("selected"), colours[state.selectedTab % 4],
                false);
    }
    if (overflow) {
        // The arrows are a child of the strip and paint the skin behind themselves.
        const QRect arrows(strip.width() - spinWidth, 0, spinWidth, height + 4);
        stripPainter.drawImage(arrows.topLeft(), behind.copy(arrows));
        drawSpin(stripPainter, images, subtheme, arrows, state.hoverSpinRight);
    }
    stripPainter.end();
    painter.drawImage(strip.topLeft(), surface);
}

void drawEditor(QPainter &painter, const QRect &field)
{
    painter.fillRect(field, kNoteColour);
    painter.setPen(Qt::black);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(field.adjusted(3, 1, -3, -1), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Buy milk, bread and apples.\nCall Ann about the trip on Friday.\n"
                                    "Ideas: a shelf for the hallway."));
}

const QImage *buttonPicture(const Images &images, const theme::ThemeButton &button, const PreviewState &state)
{
    const bool selected = state.selectedCommands.contains(button.command);
    const bool hovering = state.hoverCommand == button.command;
    const auto picture = [&](const char *name) -> const QImage * {
        const theme::ThemeBitmap *bitmap = button.state(QLatin1String(name));
        return bitmap ? pictureOf(images, *bitmap) : nullptr;
    };
    if (selected && hovering && picture("selected_mouseover"))
        return picture("selected_mouseover");
    if (selected && picture("selected"))
        return picture("selected");
    if (hovering && picture("mouseover"))
        return picture("mouseover");
    return picture("normal");
}

// At rest; with a button hovered, three selected and a tab hovered; with a selected button
// hovered; with more tabs than fit and an arrow hovered; at the minimum size.
std::vector<PreviewState> sampleStates(const theme::Subtheme &subtheme)
{
    const QStringList few{QStringLiteral("Shopping"), QStringLiteral("Ideas"), QStringLiteral("Call Ann")};
    const QStringList many =
        few + QStringList{QStringLiteral("Recipes"), QStringLiteral("Work"), QStringLiteral("Books"),
                          QStringLiteral("Trip"),    QStringLiteral("Misc"), QStringLiteral("Garden"),
                          QStringLiteral("Letters")};
    const QString firstCommand = subtheme.buttons.empty() ? QString() : subtheme.buttons.front().command;
    const QString secondCommand = subtheme.buttons.size() < 2 ? QString() : subtheme.buttons[1].command;

    PreviewState rest;
    rest.tabs = few;
    PreviewState busy = rest;
    busy.selectedTab = 1;
    busy.hoverTab = 2;
    busy.selectedCommands = {QStringLiteral("makeSelectionBold"), QStringLiteral("alignLeft"),
                             QStringLiteral("windowOnTop")};
    busy.hoverCommand = secondCommand;
    PreviewState selectedHovered = busy;
    selectedHovered.hoverTab = -1;
    selectedHovered.selectedCommands.insert(firstCommand);
    selectedHovered.hoverCommand = firstCommand;
    PreviewState crowded;
    crowded.tabs = many;
    crowded.selectedTab = 2;
    crowded.hoverSpinRight = true;
    PreviewState smallest = rest;
    smallest.size = QSize(subtheme.minWidth, subtheme.minHeight);
    return {rest, busy, selectedHovered, crowded, smallest};
}

} // namespace

QImage composeWindow(const theme::Subtheme &subtheme, const Images &images, const PreviewState &state)
{
    QImage window(state.size.expandedTo(QSize(subtheme.minWidth, subtheme.minHeight)), QImage::Format_RGB32);
    window.fill(Qt::black);
    const Edges root = Edges::of(window.rect());
    QPainter painter(&window);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const theme::ThemeBitmap &bitmap : subtheme.bitmaps)
        drawBitmap(painter, images, bitmap, root);
    const QImage skin = window.copy();
    drawEditor(painter, rectOf(subtheme, QStringLiteral("textfield"), root).normalised());
    drawStrip(painter, images, subtheme, state, skin, rectOf(subtheme, QStringLiteral("tab"), root).normalised());
    for (const theme::ThemeButton &button : subtheme.buttons) {
        if (const QImage *picture = buttonPicture(images, button, state))
            painter.drawImage(placeValue(button.x, root.left, root.right), placeValue(button.y, root.top, root.bottom),
                              *picture);
    }
    painter.end();
    if (subtheme.transparency && state.showDesktop) {
        // What the window shape leaves out shows the desktop.
        const QRgb key = qColour(subtheme.chromaKey).rgb();
        for (int y = 0; y < window.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(window.scanLine(y));
            for (int x = 0; x < window.width(); ++x)
                if ((line[x] & 0xffffff) == (key & 0xffffff))
                    line[x] = kDesktop.rgb();
        }
    }
    return window;
}

std::optional<PackageContents> readPackageContents(const QString &packagePath, QString *error)
{
    const std::optional<std::vector<PackageMember>> members = readPackage(packagePath, error);
    if (!members)
        return std::nullopt;
    PackageImages images;
    QByteArray config;
    for (const PackageMember &member : *members) {
        if (member.name == QLatin1String("config.xml"))
            config = member.bytes;
        else
            images[member.name] = QImage::fromData(member.bytes, "BMP");
    }
    std::optional<theme::SubthemeMap> subthemes = readCheckedTheme(config, error);
    if (!subthemes)
        return std::nullopt;
    return PackageContents{std::move(*subthemes), std::move(images)};
}

QImage renderPreviewSheet(const QString &packagePath, QString *error)
{
    const std::optional<PackageContents> contents = readPackageContents(packagePath, error);
    if (!contents)
        return {};
    const Images &images = contents->images;

    // Two windows a row; every subtheme starts a new row.
    constexpr int margin = 16;
    constexpr int columns = 2;
    std::vector<std::vector<QImage>> rows;
    for (const auto &[title, subtheme] : contents->subthemes) {
        const std::vector<PreviewState> states = sampleStates(subtheme);
        for (std::size_t i = 0; i < states.size(); ++i) {
            if (i % columns == 0)
                rows.emplace_back();
            rows.back().push_back(composeWindow(subtheme, images, states[i]));
        }
    }
    QSize sheetSize(margin, margin);
    for (const std::vector<QImage> &row : rows) {
        int width = margin;
        int height = 0;
        for (const QImage &window : row) {
            width += window.width() + margin;
            height = std::max(height, window.height());
        }
        sheetSize = QSize(std::max(sheetSize.width(), width), sheetSize.height() + height + margin);
    }
    QImage sheet(sheetSize, QImage::Format_RGB32);
    sheet.fill(kDesktop);
    QPainter painter(&sheet);
    int y = margin;
    for (const std::vector<QImage> &row : rows) {
        int x = margin;
        int height = 0;
        for (const QImage &window : row) {
            painter.drawImage(x, y, window);
            x += window.width() + margin;
            height = std::max(height, window.height());
        }
        y += height + margin;
    }
    return sheet;
}

} // namespace tabulet::themebuilder
