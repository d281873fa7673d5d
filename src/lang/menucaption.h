#pragma once

#include <QString>

namespace tabulet::lang {

// A menu or button text as a window title: without its accelerator marks ("&&" stays one "&")
// and without the dots that say a dialog follows ("Rename Tab..." gives "Rename Tab").
QString captionOfMenuText(const QString &menuText);

} // namespace tabulet::lang
