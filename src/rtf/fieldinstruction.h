#pragma once

#include <QString>

namespace tabulet::rtf {

// The link target of a field instruction such as `HYPERLINK "https://example.org" \l "part"`;
// empty when the field is not a hyperlink. A \l anchor is appended after "#".
QString hyperlinkTarget(const QString &instruction);

// The instruction text that hyperlinkTarget reads back as the given target.
QString hyperlinkInstruction(const QString &target);

} // namespace tabulet::rtf
