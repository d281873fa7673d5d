#include "settings/keptsection.h"

#include <tinyxml2.h>

namespace tabulet::settings {

namespace {

void copyContent(const tinyxml2::XMLElement &from, tinyxml2::XMLElement &to)
{
    for (const tinyxml2::XMLAttribute *attribute = from.FirstAttribute(); attribute; attribute = attribute->Next())
        to.SetAttribute(attribute->Name(), attribute->Value());
    for (const tinyxml2::XMLNode *child = from.FirstChild(); child; child = child->NextSibling())
        to.InsertEndChild(child->DeepClone(to.GetDocument()));
}

} // namespace

KeptSection::KeptSection() : m_document(std::make_unique<tinyxml2::XMLDocument>()) {}

KeptSection::~KeptSection() = default;

void KeptSection::writeSection(tinyxml2::XMLElement &element) const
{
    if (const tinyxml2::XMLElement *kept = m_document->RootElement())
        copyContent(*kept, element);
}

void KeptSection::readSection(const tinyxml2::XMLElement &element)
{
    clear();
    tinyxml2::XMLElement *kept = m_document->NewElement(element.Name());
    m_document->InsertEndChild(kept);
    copyContent(element, *kept);
}

void KeptSection::clear()
{
    m_document->Clear();
}

} // namespace tabulet::settings
