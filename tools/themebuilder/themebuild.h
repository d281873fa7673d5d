// Turns a theme's sources (config.xml and look.json) into the members of its package: the
// document as written, and every image it names, painted from the look.
//
// Where an image goes decides what is painted: a subtheme's plain bitmaps are pieces of its
// window skin, the bitmaps of "tab_*" and "spin_*" groups pieces of one tab or scroll arrow, a
// button state the button's glyph in that look. A piece is cut from the element painted whole at
// a nominal size; along an axis where the piece stretches with the window it must be uniform, so
// the package looks crisp at every size.
#pragma once

#include "theme/subtheme.h"
#include "themebuilder/look.h"
#include "themebuilder/package.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <map>
#include <optional>
#include <vector>

namespace tabulet::themebuilder {

// The images by member name; an image named twice must come out the same both times.
std::optional<std::map<QString, QImage>> paintThemeImages(const QByteArray &config, const Look &look, QString *error);

// config.xml first, then the images in name order as 24-bit BMP files.
std::optional<std::vector<PackageMember>> buildThemeMembers(const QByteArray &config, const Look &look, QString *error);

// The piece of an element painted whole that a placement picks out (one pixel along a stretched
// axis); nothing when the placement is reversed or empty, or the piece is not uniform along an
// axis that stretches.
std::optional<QImage> cutPiece(const QImage &element, const theme::Coordinates &placement, QString *error);

} // namespace tabulet::themebuilder
