#pragma once

#include "settings/configurationsection.h"

#include <memory>

namespace tinyxml2 {
class XMLDocument;
}

namespace tabulet::settings {

// Keeps an element of the configuration file exactly as it was read and writes it back
// unchanged; stands in for a module that is not there to read its own section.
class KeptSection final : public ConfigurationSection
{
public:
    KeptSection();
    ~KeptSection() override;

    void writeSection(tinyxml2::XMLElement &element) const override;
    void readSection(const tinyxml2::XMLElement &element) override;
    void clear();

private:
    std::unique_ptr<tinyxml2::XMLDocument> m_document; // its one element holds what was read
};

} // namespace tabulet::settings
