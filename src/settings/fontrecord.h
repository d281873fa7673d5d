#pragma once

#include <QString>

namespace tabulet::settings {

// A text font as notes, presets and options describe it; size in points.
struct FontRecord
{
    QString face = QStringLiteral("Arial");
    int size = 10;
    bool bold = false;
    bool italic = false;

    bool operator==(const FontRecord &) const = default;
};

} // namespace tabulet::settings
