#pragma once

namespace tinyxml2 {
class XMLElement;
}

namespace tabulet::settings {

// One element of the configuration file that another module fills and reads back ("commands",
// "plugins"). The configuration file creates the element under the root and hands it over.
class ConfigurationSection
{
public:
    virtual ~ConfigurationSection() = default;

    // Appends this section's children (and attributes) to the given, still empty element.
    virtual void writeSection(tinyxml2::XMLElement &element) const = 0;
    // Reads the element as it was found in the file; called only when the element exists.
    virtual void readSection(const tinyxml2::XMLElement &element) = 0;
};

} // namespace tabulet::settings
