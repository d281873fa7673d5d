#pragma once

#include "settings/preset.h"

#include <vector>

namespace tinyxml2 {
class XMLElement;
}

namespace tabulet::settings {

// The ordered presets. A new list holds the six built-in presets.
class PresetList final
{
public:
    PresetList();

    static std::vector<Preset> builtInPresets();

    // Index of the first preset with exactly that name, or -1.
    int indexOfPreset(const QString &name) const;
    // Appends a copy and returns its index.
    int addPreset(const Preset &preset);
    // Removes the first preset with that name; false when there is none.
    bool removePreset(const QString &name);
    // The preset a note of that preset name uses: the named one, else the first; nullptr only
    // when the list is empty.
    const Preset *presetForName(const QString &name) const;

    // Appends the "presets" element to the root of the configuration document.
    void writePresets(tinyxml2::XMLElement &root) const;
    // Replaces the list with the presets under the root's "presets" element; the built-ins come
    // back when there are none.
    void readPresets(const tinyxml2::XMLElement &root);

    int size() const { return static_cast<int>(m_presets.size()); }
    bool isEmpty() const { return m_presets.empty(); }
    Preset &operator[](int index) { return m_presets.at(static_cast<std::size_t>(index)); }
    const Preset &operator[](int index) const { return m_presets.at(static_cast<std::size_t>(index)); }
    auto begin() const { return m_presets.begin(); }
    auto end() const { return m_presets.end(); }

private:
    std::vector<Preset> m_presets;
};

} // namespace tabulet::settings
