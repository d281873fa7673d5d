#pragma once

namespace tabulet::launch {

inline constexpr const char *kVersion = "2.1.23";

} // namespace tabulet::launch
