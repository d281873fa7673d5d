#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

class QPainter;
class QWidget;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::theme {
class Theme;
struct PaintStep;
struct Subtheme;
struct ThemeBitmap;
} // namespace tabulet::theme

namespace tabulet::ui {

class SkinnedButton;

// One decoded picture of the theme, with its optional mask (black where the picture shows,
// white where the background shows through).
struct SkinImage
{
    QImage picture;
    QImage mask;
    // The theme's transparent colour, when it has one: smoothing for a scaled screen must not
    // mix it into the picture's edges.
    std::optional<QRgb> chromaKey;

    bool isNull() const { return picture.isNull(); }
    QSize size() const { return picture.size(); }

    // The last stretched and mirrored copies, kept because layouts repeat the same sizes.
    struct Scaled
    {
        QSize size;
        qreal ratio = 1;
        bool mirrorX = false;
        bool mirrorY = false;
        QImage picture;
        QImage mask;
    };
    mutable Scaled scaled;
};

// Draws a picture stretched to a rectangle given by its edges as the theme resolves them: a
// right edge left of the left edge (or a bottom above the top) mirrors the picture along that
// axis. With a mask the area under the mask's black is cleared first and the picture is OR-ed
// over it, so the background stays where the mask is white (and the picture black). On a device
// with more pixels than points (a scaled screen) the picture is smoothed to its pixels.
void drawSkinImage(QPainter &painter, const SkinImage &image, int left, int top, int right, int bottom);

// The drawing side of the loaded theme for one window: decodes the current subtheme's pictures,
// creates its buttons on the window, lays out, paints the skin and the combined bitmaps, and
// reports the theme's problems to the user.
class Skin final : public QObject
{
    Q_OBJECT

public:
    // Shows one problem of the theme; by default an error message box without owner.
    using ProblemReporter = std::function<void(const QString &text, const QString &caption)>;

    // window is the main window: the buttons become its children, and every rectangle is in
    // its coordinates. Both must outlive the skin.
    Skin(QWidget &window, lang::TextTable &texts);
    ~Skin() override;

    QWidget &window() const { return m_window; }

    void setProblemReporter(ProblemReporter reporter);
    // Shows the texts (the problems a theme load returns) in one message with the caption
    // "ERROR": the first few, and how many more there are.
    void reportProblems(const QStringList &texts) const;

    // Tool tips on the buttons (Settings "showtooltips"); may change while active.
    void setShowToolTips(bool show);
    bool showsToolTips() const { return m_showToolTips; }

    // Decodes every picture of the theme's current subtheme (reporting pictures that cannot be
    // decoded) and creates the button windows. Releases a previous activation first. The theme
    // must stay alive, and its current subtheme unchanged, until release() or the next
    // activate(); layout() lays the theme out.
    void activate(theme::Theme &theme);
    // Destroys the button windows and drops every picture.
    void release();
    bool isActive() const { return m_theme != nullptr; }

    // Resolves the rects, places the buttons and the plain bitmaps for the window rectangle in
    // window coordinates (the whole window: it has no system frame).
    void layout(const QRect &windowRect);
    QRect windowRect() const { return m_windowRect; }

    // A named rect from the last layout, normalised; nothing when the subtheme has none.
    std::optional<QRect> findRect(const QString &name) const;
    // A named rect resolved against a reference rectangle with its own centring.
    std::optional<QRect> findRect(const QString &name, const QRect &reference) const;

    // Paints the plain bitmaps that meet area (window coordinates) in document order; the
    // painter's origin stands for area's top-left corner.
    void paint(QPainter &painter, const QRect &area) const;
    // The skin of the whole window from the last layout, over black where no bitmap lies (as a
    // fresh off-screen surface starts), as the window shape needs it.
    QImage render() const;
    // Draws the combined bitmap of that name into a rectangle; an unknown name draws nothing.
    void drawCombined(QPainter &painter, const QString &name, const QRect &rect) const;
    bool hasCombined(const QString &name) const;

    // Sets the selected look of every button of that command and repaints it.
    void setButtonSelected(const QString &commandName, bool selected);
    // The first button of that command, nullptr when none has a window.
    SkinnedButton *button(const QString &commandName) const;
    const std::vector<SkinnedButton *> &buttons() const { return m_buttonWindows; }

    // The current subtheme's colour under the selected tab, and its colour key.
    QColor tabBackground() const;
    bool transparencyEnabled() const;
    QColor chromaKey() const;

signals:
    // A button was clicked; the id of its command.
    void commandTriggered(int commandId);
    // The pictures and buttons of a subtheme are ready (after activate()).
    void activated();
    // layout() placed everything for a new window rectangle.
    void laidOut();

private:
    void decodePictures(theme::Subtheme &subtheme);
    void decode(theme::ThemeBitmap &bitmap, QStringList &problems);
    void createButtons(const theme::Subtheme &subtheme);
    void applyToolTip(SkinnedButton &button) const;
    void drawSteps(QPainter &painter, const std::vector<theme::PaintStep> &steps) const;

    QWidget &m_window;
    lang::TextTable &m_texts;
    ProblemReporter m_reporter;
    bool m_showToolTips = true;
    theme::Theme *m_theme = nullptr;
    QRect m_windowRect;
    std::map<const theme::ThemeBitmap *, SkinImage> m_images;
    std::vector<SkinnedButton *> m_buttonWindows;
    std::map<int, SkinnedButton *> m_buttonsByIndex; // by index into the subtheme's buttons
};

} // namespace tabulet::ui
