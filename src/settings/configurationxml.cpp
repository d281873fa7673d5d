#include "settings/configurationxml.h"

#include "settings/configurationsection.h"
#include "settings/notefiles.h"
#include "settings/notelist.h"
#include "settings/optiondefaults.h"
#include "settings/presetlist.h"
#include "settings/settings.h"
#include "settings/xmlvalues.h"

#include <lang/textdecoding.h>

#include <tinyxml2.h>

namespace tabulet::settings {

namespace {

constexpr const char *kComment =
    "This is the generated config file for Tabulet. Don't change unless you know exactly what you are doing";

Note readNote(const tinyxml2::XMLElement &element)
{
    Note note;
    note.title = xml::text(element, "title");
    note.fileName = plainNoteFileName(xml::text(element, "filename"));
    note.visible = !xml::has(element, "visible") || xml::number(element, "visible") > 0;
    if (xml::has(element, "selection"))
        note.selection = xml::number(element, "selection");
    if (xml::has(element, "usepreset"))
        note.usePreset = xml::number(element, "usepreset") > 0;
    note.preset = xml::text(element, "preset");
    note.hasTitleColour = xml::readColourChild(element, "titlecolor", note.titleColour);
    note.hasBackground = xml::readColourChild(element, "bgcolor", note.background);
    if (const tinyxml2::XMLElement *font = element.FirstChildElement("font")) {
        note.hasFont = true;
        note.font = xml::readFont(*font);
    }
    return note;
}

void writeNote(tinyxml2::XMLElement &notes, int id, const Note &note)
{
    tinyxml2::XMLElement *element = notes.InsertNewChildElement("note");
    element->SetAttribute("id", id);
    element->SetAttribute("title", note.title.toUtf8().constData());
    element->SetAttribute("filename", note.fileName.toUtf8().constData());
    element->SetAttribute("visible", note.visible ? 1 : 0);
    element->SetAttribute("selection", note.selection);
    element->SetAttribute("preset", note.preset.toUtf8().constData());
    element->SetAttribute("usepreset", note.usePreset ? 1 : 0);
    if (note.hasTitleColour)
        xml::appendColour(*element, "titlecolor", note.titleColour);
    if (note.hasBackground)
        xml::appendColour(*element, "bgcolor", note.background);
    if (note.hasFont)
        xml::appendFont(*element, note.font);
}

} // namespace

XmlReadOutcome readConfigurationXml(const QByteArray &bytes, bool optionsOnly, const ConfigurationContent &content)
{
    // Files of the Windows version hold Windows-1252 text; ours hold UTF-8.
    const QByteArray utf8 = lang::decodeText(bytes).toUtf8();
    tinyxml2::XMLDocument document;
    if (document.Parse(utf8.constData(), static_cast<std::size_t>(utf8.size())) != tinyxml2::XML_SUCCESS)
        return XmlReadOutcome::Unparsable;
    const tinyxml2::XMLElement *root = document.RootElement();
    if (!root)
        return XmlReadOutcome::NoRoot;

    const tinyxml2::XMLElement *options = root->FirstChildElement("options");
    if (!options)
        return XmlReadOutcome::NoOptions;
    for (const tinyxml2::XMLElement *option = options->FirstChildElement("option"); option;
         option = option->NextSiblingElement("option")) {
        if (xml::has(*option, "key") && xml::has(*option, "val"))
            content.settings.value(xml::text(*option, "key")) = xml::text(*option, "val");
    }

    const tinyxml2::XMLElement *notes = root->FirstChildElement("notes");
    if (!notes)
        return XmlReadOutcome::NoNotes;
    if (optionsOnly)
        return XmlReadOutcome::Complete;
    content.notes.clear();
    for (const tinyxml2::XMLElement *note = notes->FirstChildElement("note"); note;
         note = note->NextSiblingElement("note"))
        content.notes.append(readNote(*note));

    if (const tinyxml2::XMLElement *plugins = root->FirstChildElement("plugins"))
        content.plugins.readSection(*plugins);
    if (const tinyxml2::XMLElement *commands = root->FirstChildElement("commands"))
        content.commands.readSection(*commands);
    content.presets.readPresets(*root);
    return XmlReadOutcome::Complete;
}

QByteArray writeConfigurationXml(const ConfigurationContent &content)
{
    tinyxml2::XMLDocument document;
    document.InsertEndChild(document.NewDeclaration(R"(xml version="1.0" standalone="no" )"));
    document.InsertEndChild(document.NewComment(kComment));
    tinyxml2::XMLElement *root = document.NewElement("config");
    document.InsertEndChild(root);
    root->SetAttribute("version", "1.1");

    tinyxml2::XMLElement *options = root->InsertNewChildElement("options");
    const Settings &settings = content.settings;
    for (const OptionDefault &row : kOptionDefaults) {
        tinyxml2::XMLElement *option = options->InsertNewChildElement("option");
        option->SetAttribute("key", row.key.data());
        option->SetAttribute("val", settings.value(row.key).toUtf8().constData());
    }

    tinyxml2::XMLElement *notes = root->InsertNewChildElement("notes");
    int id = 0;
    for (const Note &note : content.notes)
        writeNote(*notes, id++, note);

    content.plugins.writeSection(*root->InsertNewChildElement("plugins"));
    content.commands.writeSection(*root->InsertNewChildElement("commands"));
    content.presets.writePresets(*root);

    tinyxml2::XMLPrinter printer;
    document.Print(&printer);
    return xml::wellFormed({printer.CStr(), printer.CStrSize() - 1});
}

} // namespace tabulet::settings
