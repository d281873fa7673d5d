#pragma once

#include <QStringView>

namespace tabulet::settings {

// The number at the start of a text as the C library's atoi reads it (blanks, a sign, decimal
// digits, anything after them ignored), 0 when there is none; saturates at the int range.
int leadingNumber(QStringView text);

} // namespace tabulet::settings
