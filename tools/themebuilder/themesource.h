// The parts of a theme's config.xml that the builder and the preview need: where every picture
// goes, which look each button state shows, and the subtheme's metrics.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace tabulet::themebuilder {

enum CentreFlag { CentreX = 1, CentreY = 2 };

// Coordinates as written in the file: negative values count from the right or bottom edge.
struct Placement
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int flags = 0;
};

struct BitmapSource
{
    QString image; // member name, empty when the bitmap draws nothing
    QString mask;
    Placement placement;
};

struct ButtonSource
{
    QString command;
    int x = 0;
    int y = 0;
    std::map<QString, BitmapSource> states; // by state name
};

struct SubthemeSource
{
    QString title;
    int minWidth = 0;
    int minHeight = 0;
    QColor tabBackground;
    bool transparency = false;
    QColor chromaKey = Qt::black;
    bool hasTabFont = false;
    QString tabFontFace;
    int tabFontSize = 10;
    int tabHeight = 15;
    std::map<QString, Placement> rects;
    std::vector<BitmapSource> bitmaps;
    std::vector<ButtonSource> buttons;
    std::map<QString, std::vector<BitmapSource>> combined;

    const Placement *rect(const QString &name) const;
};

struct ThemeSource
{
    std::vector<SubthemeSource> subthemes; // document order
};

// Reads the document; on a malformed document or a subtheme without its required elements
// returns nothing and says why in *error.
std::optional<ThemeSource> parseThemeConfig(const QByteArray &document, QString *error);

} // namespace tabulet::themebuilder
