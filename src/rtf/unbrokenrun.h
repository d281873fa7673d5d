#pragma once

#include <QStringView>

namespace tabulet::rtf {

// The most characters in a row the text holds without white space a line could break at
// (spaces, tabs, line and paragraph breaks; not the no-break spaces).
qsizetype longestUnbrokenRun(QStringView text);

} // namespace tabulet::rtf
