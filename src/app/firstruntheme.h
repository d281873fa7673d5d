#pragma once

#include "platform/colourscheme.h"

#include <functional>
#include <optional>
#include <utility>

namespace tabulet::settings {
class Settings;
}

namespace tabulet::app {

// The theme of a first start: the shipped dark theme when the desktop prefers dark windows,
// else the defaults' theme. The desktop is asked once per process, at the first start only.
class FirstRunTheme final
{
public:
    using SchemeLookup = std::function<platform::ColourScheme()>;

    explicit FirstRunTheme(SchemeLookup lookup = platform::desktopColourScheme) : m_lookup(std::move(lookup)) {}

    // Sets "theme" to "dark" and the notes' "bgcolor" to a dark grey for a desktop that prefers
    // dark; leaves both to the defaults otherwise.
    void operator()(settings::Settings &settings);

private:
    SchemeLookup m_lookup;
    std::optional<platform::ColourScheme> m_scheme;
};

} // namespace tabulet::app
