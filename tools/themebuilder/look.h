// A theme's palette and metrics, read from its look.json beside config.xml.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <optional>

namespace tabulet::themebuilder {

struct Look
{
    int buttonSize = 22;
    int cornerRadius = 0; // rounded window corners, cut out with the chroma key
    std::optional<QColor> chromaKey;

    QColor outline;      // the window's one-pixel edge
    QColor bar;          // title bar, tab strip and tool bar
    QColor barHighlight; // the row under the top edge
    QColor field;        // behind the editor
    QColor fieldOutline;
    QColor separator;
    QColor grip;

    QColor ink; // button glyphs
    QColor inkSelected;
    QColor accent; // the text colour button's bar
    QColor hover;
    QColor selected;
    QColor selectedHover;
    QColor selectedOutline;

    QColor tabFace;
    QColor tabHoverFace;
    QColor tabSelectedFace;
    QColor tabOutline;

    QColor spinFace;
    QColor spinHoverFace;
    QColor spinOutline;
    QColor spinInk;
};

// Every colour must be given (six hexadecimal digits RRGGBB); a missing one is an error.
std::optional<Look> readLook(const QByteArray &json, QString *error);

} // namespace tabulet::themebuilder
