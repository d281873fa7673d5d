#include "themebuilder/themebuild.h"

#include "themebuilder/artwork.h"
#include "themebuilder/glyphs.h"
#include "themebuilder/placement.h"
#include "themebuilder/themecheck.h"

#include <QBuffer>

namespace tabulet::themebuilder {

namespace {

constexpr QSize kNominalWindow(480, 300);
constexpr int kNominalTabWidth = 64;
constexpr QSize kNominalSpinHalf(12, 16);
constexpr int kSpinArrowSize = 8;

bool columnsUniform(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left() + 1; x <= area.right(); ++x)
            if (image.pixel(x, y) != image.pixel(area.left(), y))
                return false;
    return true;
}

bool rowsUniform(const QImage &image, const QRect &area)
{
    for (int y = area.top() + 1; y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != image.pixel(x, area.top()))
                return false;
    return true;
}

class ImageSet final
{
public:
    explicit ImageSet(QString *error) : m_error(error) {}

    bool add(const QByteArray &member, const QImage &image)
    {
        if (member.isEmpty())
            return true;
        const QString name = QString::fromUtf8(member);
        const QImage normalised = image.convertToFormat(QImage::Format_RGB32);
        const auto [slot, inserted] = m_images.emplace(name, normalised);
        if (!inserted && slot->second != normalised) {
            *m_error = QStringLiteral("%1 is used for two different pictures").arg(name);
            return false;
        }
        return true;
    }

    std::map<QString, QImage> take() { return std::move(m_images); }

private:
    QString *m_error;
    std::map<QString, QImage> m_images;
};

bool rejectMask(const theme::ThemeBitmap &bitmap, QString *error)
{
    if (bitmap.maskMember.isEmpty())
        return true;
    *error = QStringLiteral("%1: the shipped themes paint opaque pieces and use no masks")
                 .arg(QString::fromUtf8(bitmap.maskMember));
    return false;
}

bool addPieces(ImageSet &images, const std::vector<theme::ThemeBitmap> &bitmaps, const QImage &element, QString *error)
{
    for (const theme::ThemeBitmap &bitmap : bitmaps) {
        if (!rejectMask(bitmap, error))
            return false;
        const std::optional<QImage> piece = cutPiece(element, bitmap.coordinates, error);
        if (!piece) {
            *error = QString::fromUtf8(bitmap.imageMember) + QStringLiteral(": ") + *error;
            return false;
        }
        if (!images.add(bitmap.imageMember, *piece))
            return false;
    }
    return true;
}

std::optional<ButtonLook> buttonLookOf(const QString &state)
{
    if (state == QLatin1String("normal"))
        return ButtonLook::Normal;
    if (state == QLatin1String("mouseover"))
        return ButtonLook::Mouseover;
    if (state == QLatin1String("selected"))
        return ButtonLook::Selected;
    if (state == QLatin1String("selected_mouseover"))
        return ButtonLook::SelectedMouseover;
    return std::nullopt;
}

bool addButtons(ImageSet &images, const theme::Subtheme &subtheme, const Look &look, const QImage &skin, QString *error)
{
    const Edges root = Edges::of(skin.rect());
    for (const theme::ThemeButton &button : subtheme.buttons) {
        if (!hasGlyph(button.command)) {
            *error = QStringLiteral("no glyph for the button command \"%1\"").arg(button.command);
            return false;
        }
        const QRect place(placeValue(button.x, root.left, root.right), placeValue(button.y, root.top, root.bottom),
                          look.buttonSize, look.buttonSize);
        const QSize smallest = QSize(subtheme.minWidth, subtheme.minHeight).expandedTo(QSize(1, 1));
        const QRect placeWhenSmallest(placeValue(button.x, 0, smallest.width()),
                                      placeValue(button.y, 0, smallest.height()), look.buttonSize, look.buttonSize);
        if (!skin.rect().contains(place) ||
            (subtheme.minWidth > 0 && !QRect(QPoint(), smallest).contains(placeWhenSmallest))) {
            *error = QStringLiteral("the button \"%1\" lies outside the window").arg(button.command);
            return false;
        }
        for (const auto &[state, bitmap] : button.states) {
            const std::optional<ButtonLook> buttonLook = buttonLookOf(state);
            if (!buttonLook) {
                *error = QStringLiteral("%1: unknown button state \"%2\"").arg(button.command, state);
                return false;
            }
            if (!rejectMask(bitmap, error) ||
                !images.add(bitmap.imageMember, paintButton(look, button.command, *buttonLook, skin.copy(place))))
                return false;
        }
    }
    return true;
}

bool addTabGroup(ImageSet &images, const QString &name, const std::vector<theme::ThemeBitmap> &bitmaps,
                 const theme::Subtheme &subtheme, const Look &look, QString *error)
{
    const TabLook tabLook = name.endsWith(QLatin1String("selected"))    ? TabLook::Selected
                            : name.endsWith(QLatin1String("mouseover")) ? TabLook::Mouseover
                                                                        : TabLook::Normal;
    return addPieces(images, bitmaps, paintTab(look, tabLook, QSize(kNominalTabWidth, subtheme.tabFont.height + 2)),
                     error);
}

bool addSpinGroup(ImageSet &images, const QString &name, const std::vector<theme::ThemeBitmap> &bitmaps,
                  const Look &look, QString *error)
{
    const bool mouseover = name.endsWith(QLatin1String("_mouseover"));
    const ArrowDirection direction =
        name.startsWith(QLatin1String("spin_left")) ? ArrowDirection::Left : ArrowDirection::Right;
    const QImage face = paintSpinFace(look, mouseover, kNominalSpinHalf);
    for (const theme::ThemeBitmap &bitmap : bitmaps) {
        const bool centred = bitmap.coordinates.centring == theme::Centring{true, true};
        if (centred) {
            if (!images.add(bitmap.imageMember, paintSpinArrow(look, direction, mouseover, kSpinArrowSize)))
                return false;
        } else if (!addPieces(images, {bitmap}, face, error)) {
            return false;
        }
    }
    return true;
}

bool addCombined(ImageSet &images, const theme::Subtheme &subtheme, const Look &look, QString *error)
{
    for (const auto &[name, group] : subtheme.combinedBitmaps) {
        bool ok = false;
        if (name.startsWith(QLatin1String("tab_")))
            ok = addTabGroup(images, name, group.bitmaps, subtheme, look, error);
        else if (name.startsWith(QLatin1String("spin_")))
            ok = addSpinGroup(images, name, group.bitmaps, look, error);
        else
            *error = QStringLiteral("no picture for the combined bitmap \"%1\"").arg(name);
        if (!ok)
            return false;
    }
    return true;
}

QByteArray bmpBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace

std::optional<QImage> cutPiece(const QImage &element, const theme::Coordinates &placement, QString *error)
{
    const Edges edges = resolvePlacement(placement, Edges::of(element.rect()), std::nullopt);
    if (edges.mirroredX() || edges.mirroredY() || edges.width() == 0 || edges.height() == 0 ||
        !element.rect().contains(edges.normalised()) ||
        (fixedWidth(placement) && edges.width() != placement.x2 - placement.x1) ||
        (fixedHeight(placement) && edges.height() != placement.y2 - placement.y1)) {
        *error =
            QStringLiteral("the piece is empty, reversed, or not the size its placement gives at the nominal size");
        return std::nullopt;
    }
    QRect area = edges.normalised();
    if (!fixedWidth(placement)) {
        if (!columnsUniform(element, area)) {
            *error = QStringLiteral("the piece stretches sideways but its columns differ");
            return std::nullopt;
        }
        area.setLeft(area.left() + area.width() / 2);
        area.setWidth(1);
    }
    if (!fixedHeight(placement)) {
        if (!rowsUniform(element, area)) {
            *error = QStringLiteral("the piece stretches downwards but its rows differ");
            return std::nullopt;
        }
        area.setTop(area.top() + area.height() / 2);
        area.setHeight(1);
    }
    return element.copy(area);
}

std::optional<std::map<QString, QImage>> paintThemeImages(const QByteArray &config, const Look &look, QString *error)
{
    const std::optional<theme::SubthemeMap> subthemes = readCheckedTheme(config, error);
    if (!subthemes)
        return std::nullopt;
    ImageSet images(error);
    for (const auto &[title, subtheme] : *subthemes) {
        const QSize size = kNominalWindow.expandedTo(QSize(subtheme.minWidth, subtheme.minHeight));
        const QImage skin = paintSkin(subtheme, look, size);
        if (!addPieces(images, subtheme.bitmaps, skin, error) || !addButtons(images, subtheme, look, skin, error) ||
            !addCombined(images, subtheme, look, error)) {
            *error = QStringLiteral("subtheme \"%1\": %2").arg(title, *error);
            return std::nullopt;
        }
    }
    return images.take();
}

std::optional<std::vector<PackageMember>> buildThemeMembers(const QByteArray &config, const Look &look, QString *error)
{
    const std::optional<std::map<QString, QImage>> images = paintThemeImages(config, look, error);
    if (!images)
        return std::nullopt;
    std::vector<PackageMember> members{{QStringLiteral("config.xml"), config}};
    for (const auto &[name, image] : *images)
        members.push_back({name, bmpBytes(image)});
    return members;
}

} // namespace tabulet::themebuilder
