#pragma once

#include "settings/colour.h"
#include "theme/rect.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace tabulet::theme {

// Orders titles and names as their UTF-8 bytes compare, so "Autumn" comes before "blue".
struct ByteOrder
{
    bool operator()(const QString &a, const QString &b) const;
};

// The "flags" of a rect or bitmap: centre the picture (or the rectangle) on these axes.
struct Centring
{
    bool x = false;
    bool y = false;

    friend bool operator==(const Centring &, const Centring &) = default;
};

// Window-relative coordinates: values >= 0 count from the left/top edge of the reference,
// negative ones from its exclusive right/bottom edge plus one (-1 is the edge itself).
// An absent attribute reads as 0.
struct Coordinates
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Centring centring;
};

struct ThemeRect
{
    QString name;
    Coordinates coordinates;
};

// The bytes of one picture read from the package. Decoding is the drawing code's business; the
// size comes from the BMP header when it is readable, else the drawing code sets it.
struct ThemePicture
{
    QByteArray image;
    QByteArray mask; // empty when no mask is named or it could not be read
    QSize size;      // invalid while unknown
};

struct ThemeBitmap
{
    QByteArray imageMember; // empty: stored but draws nothing
    QByteArray maskMember;
    Coordinates coordinates;
    std::optional<ThemePicture> picture; // present once read from the package
};

struct ThemeButton
{
    QString command;    // "cmd" as written
    int commandId = 0;  // 0 when "cmd" names no command: the button gets no window
    QString toolTipKey; // empty for commands without a caption text key
    int x = 0;
    int y = 0;
    std::map<QString, ThemeBitmap> states; // "normal", "mouseover", "selected", "selected_mouseover", ...

    const ThemeBitmap *state(const QString &name) const;
    // Buttons with a command and a "normal" state get a window.
    bool hasWindow() const;
    // The size of the normal picture; 0 x 0 when it is missing or not read.
    QSize size() const;
};

struct CombinedBitmap
{
    QString name;
    std::vector<ThemeBitmap> bitmaps; // document order
};

// The tab font a subtheme carries when its "config" has a "tab" element.
struct ThemeTabFont
{
    bool present = false;
    QString face;
    bool bold = false;
    bool italics = false;
    int size = 10;   // points
    int height = 15; // pixels
};

struct Subtheme
{
    QString title;
    ThemeTabFont tabFont;
    int minWidth = 0; // 0: no minimum
    int minHeight = 0;
    std::optional<settings::Colour> tabBackground; // absent: the system's button face
    bool transparency = false;
    settings::Colour chromaKey = 0; // 0xBBGGRR
    std::map<QString, ThemeRect, ByteOrder> rects;
    std::vector<ThemeBitmap> bitmaps; // plain bitmaps, document order
    std::vector<ThemeButton> buttons; // document order
    std::map<QString, CombinedBitmap, ByteOrder> combinedBitmaps;

    const ThemeRect *rect(const QString &name) const;
    const CombinedBitmap *combinedBitmap(const QString &name) const;
    QSize minimumSize() const { return {minWidth, minHeight}; }
};

} // namespace tabulet::theme
