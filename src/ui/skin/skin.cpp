#include "ui/skin/skin.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "theme/membername.h"
#include "theme/theme.h"
#include "ui/skin/skinnedbutton.h"

#include <QMessageBox>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

namespace tabulet::ui {

namespace {

const QString kErrorCaption = QStringLiteral("ERROR");
// A theme may have thousands of problems; one box shows the first of them.
constexpr qsizetype kShownProblems = 10;

void showProblemBox(const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.exec();
}

QColor toColor(settings::Colour colour)
{
    return QColor(settings::redOf(colour), settings::greenOf(colour), settings::blueOf(colour));
}

// Pictures are drawn with raster operations, which want plain 32-bit pixels.
QImage decodeBmp(const QByteArray &bytes)
{
    QImage image;
    if (!image.loadFromData(bytes, "BMP"))
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

// The picture with each pixel of the transparent colour that borders others given their mean, so
// that smoothing blends the picture's edges with the picture and not with the key (the window's
// shape cuts those pixels away all the same).
QImage withKeyBled(const QImage &picture, QRgb key)
{
    QImage result = picture;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if ((picture.pixel(x, y) & 0xffffffu) != (key & 0xffffffu))
                continue;
            int red = 0, green = 0, blue = 0, count = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    if (!picture.valid(x + dx, y + dy))
                        continue;
                    const QRgb near = picture.pixel(x + dx, y + dy);
                    if ((near & 0xffffffu) == (key & 0xffffffu))
                        continue;
                    red += qRed(near);
                    green += qGreen(near);
                    blue += qBlue(near);
                    ++count;
                }
            }
            if (count > 0)
                result.setPixel(x, y, qRgb(red / count, green / count, blue / count));
        }
    }
    return result;
}

const SkinImage::Scaled &scaledCopy(const SkinImage &image, QSize size, qreal ratio, bool mirrorX, bool mirrorY)
{
    SkinImage::Scaled &cache = image.scaled;
    if (cache.size == size && qFuzzyCompare(cache.ratio, ratio) && cache.mirrorX == mirrorX &&
        cache.mirrorY == mirrorY && !cache.picture.isNull())
        return cache;
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    const auto stretch = [&](const QImage &source, Qt::TransformationMode mode) {
        if (source.isNull())
            return QImage();
        QImage result = source.size() == pixels ? source : source.scaled(pixels, Qt::IgnoreAspectRatio, mode);
        if (mirrorX || mirrorY)
            result = result.mirrored(mirrorX, mirrorY);
        result.setDevicePixelRatio(ratio);
        return result;
    };
    cache.size = size;
    cache.ratio = ratio;
    cache.mirrorX = mirrorX;
    cache.mirrorY = mirrorY;
    const bool smoothsKey = image.chromaKey && !qFuzzyCompare(ratio, 1.0);
    cache.picture =
        stretch(smoothsKey ? withKeyBled(image.picture, *image.chromaKey) : image.picture, Qt::SmoothTransformation);
    // A smoothed mask would leave half-cleared pixels along its edges.
    cache.mask = stretch(image.mask, Qt::FastTransformation);
    return cache;
}

} // namespace

void drawSkinImage(QPainter &painter, const SkinImage &image, int left, int top, int right, int bottom)
{
    if (image.isNull() || left == right || top == bottom)
        return;
    const QSize size(std::abs(right - left), std::abs(bottom - top));
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const SkinImage::Scaled &scaled = scaledCopy(image, size, ratio, right < left, bottom < top);
    const QPoint at(std::min(left, right), std::min(top, bottom));
    if (scaled.mask.isNull()) {
        painter.drawImage(at, scaled.picture);
        return;
    }
    const QPainter::CompositionMode mode = painter.compositionMode();
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.drawImage(at, scaled.mask);
    painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    painter.drawImage(at, scaled.picture);
    painter.setCompositionMode(mode);
}

Skin::Skin(QWidget &window, lang::TextTable &texts) : m_window(window), m_texts(texts), m_reporter(showProblemBox) {}

Skin::~Skin()
{
    release();
}

void Skin::setProblemReporter(ProblemReporter reporter)
{
    m_reporter = reporter ? std::move(reporter) : ProblemReporter(showProblemBox);
}

void Skin::reportProblems(const QStringList &texts) const
{
    if (texts.isEmpty())
        return;
    QString text = texts.mid(0, kShownProblems).join(QLatin1Char('\n'));
    if (texts.size() > kShownProblems) {
        text += QLatin1Char('\n') + lang::formatText(m_texts.text(QStringLiteral("THEME_MOREPROBLEMS")),
                                                     {static_cast<int>(texts.size() - kShownProblems)});
    }
    m_reporter(text, kErrorCaption);
}

void Skin::setShowToolTips(bool show)
{
    m_showToolTips = show;
    for (SkinnedButton *button : m_buttonWindows)
        applyToolTip(*button);
}

void Skin::activate(theme::Theme &theme)
{
    release();
    m_theme = &theme;
    if (theme::Subtheme *subtheme = theme.current()) {
        decodePictures(*subtheme);
        createButtons(*subtheme);
    }
    emit activated();
}

void Skin::release()
{
    const std::vector<SkinnedButton *> buttons = std::exchange(m_buttonWindows, {});
    for (SkinnedButton *button : buttons)
        delete button;
    m_buttonsByIndex.clear();
    m_images.clear();
    m_theme = nullptr;
}

void Skin::decodePictures(theme::Subtheme &subtheme)
{
    QStringList problems;
    for (theme::ThemeButton &button : subtheme.buttons) {
        if (button.commandId == 0)
            continue;
        for (auto &[name, bitmap] : button.states)
            decode(bitmap, problems);
    }
    for (theme::ThemeBitmap &bitmap : subtheme.bitmaps)
        decode(bitmap, problems);
    for (auto &[name, combined] : subtheme.combinedBitmaps) {
        for (theme::ThemeBitmap &bitmap : combined.bitmaps)
            decode(bitmap, problems);
    }
    reportProblems(problems);
}

// The package reader has already reported members it could not find; a member that is there
// but is no picture is reported the same way, and the bitmap draws nothing.
void Skin::decode(theme::ThemeBitmap &bitmap, QStringList &problems)
{
    if (!bitmap.picture)
        return;
    SkinImage image;
    image.picture = decodeBmp(bitmap.picture->image);
    if (image.isNull()) {
        problems << theme::shownMemberName(bitmap.imageMember) + QStringLiteral(": unable to open file");
        return;
    }
    // A mask that cannot be decoded leaves the picture without one; picture and mask are each
    // stretched to the drawing rectangle, so their sizes need not agree.
    if (!bitmap.picture->mask.isEmpty())
        image.mask = decodeBmp(bitmap.picture->mask);
    if (m_theme && m_theme->transparency())
        image.chromaKey = chromaKey().rgb();
    bitmap.picture->size = image.size();
    m_images.insert_or_assign(&bitmap, std::move(image));
}

void Skin::createButtons(const theme::Subtheme &subtheme)
{
    static const std::array<std::pair<const char *, SkinnedButton::Look>, 4> kLooks{{
        {"normal", SkinnedButton::Look::Normal},
        {"mouseover", SkinnedButton::Look::Mouseover},
        {"selected", SkinnedButton::Look::Selected},
        {"selected_mouseover", SkinnedButton::Look::SelectedMouseover},
    }};
    for (std::size_t index = 0; index < subtheme.buttons.size(); ++index) {
        const theme::ThemeButton &themeButton = subtheme.buttons[index];
        if (!themeButton.hasWindow())
            continue;
        auto *button = new SkinnedButton(*this, m_window, themeButton.commandId, themeButton.command);
        for (const auto &[stateName, look] : kLooks) {
            const theme::ThemeBitmap *state = themeButton.state(QString::fromLatin1(stateName));
            const auto image = state ? m_images.find(state) : m_images.end();
            if (image != m_images.end())
                button->setLookImage(look, image->second);
        }
        button->resize(button->sizeHint());
        applyToolTip(*button);
        // Hidden until the first layout places it.
        button->hide();
        connect(button, &QAbstractButton::clicked, this,
                [this, id = themeButton.commandId] { emit commandTriggered(id); });
        // The window may destroy its children before the skin goes.
        connect(button, &QObject::destroyed, this, [this, button, index] {
            std::erase(m_buttonWindows, button);
            m_buttonsByIndex.erase(static_cast<int>(index));
        });
        m_buttonWindows.push_back(button);
        m_buttonsByIndex.emplace(static_cast<int>(index), button);
    }
}

void Skin::applyToolTip(SkinnedButton &button) const
{
    const theme::Subtheme *subtheme = m_theme ? m_theme->current() : nullptr;
    QString tip;
    if (subtheme) {
        const auto themeButton =
            std::find_if(subtheme->buttons.begin(), subtheme->buttons.end(), [&](const theme::ThemeButton &candidate) {
                return candidate.command == button.commandName();
            });
        if (themeButton != subtheme->buttons.end() && !themeButton->toolTipKey.isEmpty())
            tip = m_texts.text(themeButton->toolTipKey).replace(QLatin1Char('#'), QStringLiteral("     "));
    }
    // Assistive technology names the button by its caption even while tool tips are off.
    button.setAccessibleName(tip.simplified());
    button.setToolTip(m_showToolTips ? tip : QString());
}

void Skin::layout(const QRect &windowRect)
{
    m_windowRect = windowRect;
    if (!m_theme) {
        emit laidOut();
        return;
    }
    const theme::ThemeLayout &placed = m_theme->layoutTheme(theme::Rect::fromQRect(windowRect));
    for (const theme::ButtonPlacement &placement : placed.buttons) {
        const auto button = m_buttonsByIndex.find(placement.buttonIndex);
        if (button == m_buttonsByIndex.end())
            continue;
        button->second->setGeometry(QRect(placement.geometry.topLeft(), button->second->sizeHint()));
        button->second->show();
    }
    emit laidOut();
}

std::optional<QRect> Skin::findRect(const QString &name) const
{
    if (!m_theme)
        return std::nullopt;
    const std::optional<theme::Rect> rect = m_theme->findRect(name);
    return rect ? std::optional<QRect>(rect->toQRect()) : std::nullopt;
}

std::optional<QRect> Skin::findRect(const QString &name, const QRect &reference) const
{
    if (!m_theme)
        return std::nullopt;
    const std::optional<theme::Rect> rect = m_theme->findRect(name, theme::Rect::fromQRect(reference));
    return rect ? std::optional<QRect>(rect->toQRect()) : std::nullopt;
}

void Skin::paint(QPainter &painter, const QRect &area) const
{
    if (m_theme)
        drawSteps(painter, m_theme->paintTheme(theme::Rect::fromQRect(area)));
}

QImage Skin::render() const
{
    QImage image(m_windowRect.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paint(painter, m_windowRect);
    return image;
}

void Skin::drawCombined(QPainter &painter, const QString &name, const QRect &rect) const
{
    if (m_theme)
        drawSteps(painter, m_theme->paintCombined(name, theme::Rect::fromQRect(rect)));
}

bool Skin::hasCombined(const QString &name) const
{
    const theme::Subtheme *subtheme = m_theme ? m_theme->current() : nullptr;
    return subtheme && subtheme->combinedBitmap(name);
}

void Skin::drawSteps(QPainter &painter, const std::vector<theme::PaintStep> &steps) const
{
    for (const theme::PaintStep &step : steps) {
        const auto image = m_images.find(step.bitmap);
        if (image == m_images.end())
            continue;
        const theme::Rect &to = step.destination;
        drawSkinImage(painter, image->second, to.left, to.top, to.right, to.bottom);
    }
}

void Skin::setButtonSelected(const QString &commandName, bool selected)
{
    for (SkinnedButton *button : m_buttonWindows) {
        if (button->commandName() == commandName)
            button->setSelected(selected);
    }
}

SkinnedButton *Skin::button(const QString &commandName) const
{
    const auto found = std::find_if(m_buttonWindows.begin(), m_buttonWindows.end(),
                                    [&](const SkinnedButton *button) { return button->commandName() == commandName; });
    return found == m_buttonWindows.end() ? nullptr : *found;
}

QColor Skin::tabBackground() const
{
    const std::optional<settings::Colour> colour = m_theme ? m_theme->tabBackground() : std::nullopt;
    return colour ? toColor(*colour) : QColor();
}

bool Skin::transparencyEnabled() const
{
    return m_theme && m_theme->transparency();
}

QColor Skin::chromaKey() const
{
    return toColor(m_theme ? m_theme->chromaKey() : 0);
}

} // namespace tabulet::ui
