// The pictures of a shipped theme, each painted whole at a nominal size. The package's images are
// pieces cut from these (see themebuild.h), so every piece of one element matches its neighbours.
#pragma once

#include "theme/subtheme.h"
#include "themebuilder/glyphs.h"
#include "themebuilder/look.h"

#include <QImage>
#include <QSize>

namespace tabulet::themebuilder {

enum class ButtonLook { Normal, Mouseover, Selected, SelectedMouseover };
enum class TabLook { Normal, Mouseover, Selected };

// The window behind the editor, the tab strip and the buttons, laid out by the subtheme's rects
// "textfield", "grip" and those whose names begin with "separator".
QImage paintSkin(const theme::Subtheme &subtheme, const Look &look, QSize size);

// One tab, its outside corners in the strip's colour.
QImage paintTab(const Look &look, TabLook tabLook, QSize size);

// One half of the tab strip's scroll arrows without its arrow.
QImage paintSpinFace(const Look &look, bool mouseover, QSize size);

// The arrow drawn centred on a spin face.
QImage paintSpinArrow(const Look &look, ArrowDirection direction, bool mouseover, int size);

// A button of the given look over the skin that lies behind it.
QImage paintButton(const Look &look, const QString &command, ButtonLook buttonLook, const QImage &background);

} // namespace tabulet::themebuilder
