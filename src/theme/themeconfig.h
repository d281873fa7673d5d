#pragma once

#include "theme/subtheme.h"

#include <QByteArray>
#include <QStringList>

namespace tabulet::commands {
class CommandTable;
}

namespace tabulet::theme {

using SubthemeMap = std::map<QString, Subtheme, ByteOrder>;

struct ConfigResult
{
    bool ok = false;       // false: the package fails
    SubthemeMap subthemes; // what was read, also on failure
    QStringList problems;  // messages for the user (caption "ERROR"), in the order they arose
    QString failure;       // why ok is false, for tools that check themes; the program shows none
};

// Reads a package's "config.xml". Each "theme" of the root element is a subtheme, stored by
// title; one without "config", "buttons" or "combinedBitmaps" fails the package, and so does a
// document without any subtheme. Button commands are looked up in the command table.
ConfigResult parseThemeConfig(const QByteArray &xml, const commands::CommandTable &commandTable);

// "RRGGBB" as written in themes, to 0xBBGGRR; text that is not hexadecimal reads as black.
settings::Colour parseThemeColour(const char *text);

} // namespace tabulet::theme
