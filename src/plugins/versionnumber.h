#pragma once

#include <QString>

#include <optional>

namespace tabulet::plugins {

// The program version that plug-ins compare their required version with.
inline constexpr char kProgramVersion[] = "2.1.23";

// The number of a version string "major.minor.patch": (major × 100 + minor) × 1000 + patch. Each
// part counts its leading digits only ("3b" is 3, "x" is 0). Two parts are major and minor. No
// dot at all or more than three parts: nothing.
std::optional<long long> versionNumber(const QString &version);

} // namespace tabulet::plugins
