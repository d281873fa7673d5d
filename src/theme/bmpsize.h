#pragma once

#include <QByteArray>
#include <QSize>

namespace tabulet::theme {

// Width and height from a Windows BMP header (core or info header); an invalid size when the
// bytes are not a BMP. A negative height (top-down bitmap) gives its absolute value.
QSize bmpSize(const QByteArray &bytes);

} // namespace tabulet::theme
