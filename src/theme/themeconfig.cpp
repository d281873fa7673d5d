#include "theme/themeconfig.h"

#include "commands/commandtable.h"
#include "lang/textdecoding.h"
#include "settings/textnumber.h"

#include <tinyxml2.h>

#include <algorithm>

namespace tabulet::theme {

namespace {

using tinyxml2::XMLElement;

// Coordinates and sizes beyond this are meaningless for a window and would overflow the layout
// arithmetic, so they are held to it.
constexpr int kMaxMagnitude = 1 << 20;

QString text(const char *value)
{
    return QString::fromUtf8(value ? value : "");
}

int intAttribute(const XMLElement &element, const char *name, int fallback)
{
    const char *value = element.Attribute(name);
    if (!value)
        return fallback;
    return std::clamp(settings::leadingNumber(QString::fromUtf8(value)), -kMaxMagnitude, kMaxMagnitude);
}

bool isExactlyOne(const XMLElement &element, const char *name)
{
    const char *value = element.Attribute(name);
    return value && qstrcmp(value, "1") == 0;
}

template<typename Visit> void forEachChild(const XMLElement *parent, const char *name, Visit visit)
{
    if (!parent)
        return;
    for (const XMLElement *child = parent->FirstChildElement(name); child; child = child->NextSiblingElement(name))
        visit(*child);
}

Coordinates readCoordinates(const XMLElement &element)
{
    Coordinates coordinates;
    coordinates.x1 = intAttribute(element, "x1", 0);
    coordinates.y1 = intAttribute(element, "y1", 0);
    coordinates.x2 = intAttribute(element, "x2", 0);
    coordinates.y2 = intAttribute(element, "y2", 0);
    const QString flags = text(element.Attribute("flags"));
    coordinates.centring.x = flags.contains(u"centerx", Qt::CaseInsensitive);
    coordinates.centring.y = flags.contains(u"centery", Qt::CaseInsensitive);
    return coordinates;
}

ThemeBitmap readBitmap(const XMLElement &element)
{
    ThemeBitmap bitmap;
    if (const char *image = element.Attribute("img"))
        bitmap.imageMember = image;
    if (const char *mask = element.Attribute("mask"))
        bitmap.maskMember = mask;
    bitmap.coordinates = readCoordinates(element);
    return bitmap;
}

std::vector<ThemeBitmap> readBitmaps(const XMLElement *parent)
{
    std::vector<ThemeBitmap> bitmaps;
    forEachChild(parent, "bitmap", [&](const XMLElement &element) { bitmaps.push_back(readBitmap(element)); });
    return bitmaps;
}

void readConfig(const XMLElement &config, Subtheme &subtheme)
{
    if (const XMLElement *minsize = config.FirstChildElement("minsize")) {
        subtheme.minWidth = std::max(0, intAttribute(*minsize, "width", 0));
        subtheme.minHeight = std::max(0, intAttribute(*minsize, "height", 0));
    }
    if (const XMLElement *tabbg = config.FirstChildElement("tabbg")) {
        if (const char *colour = tabbg->Attribute("color"))
            subtheme.tabBackground = parseThemeColour(colour);
    }
    if (const XMLElement *transparency = config.FirstChildElement("transparency")) {
        subtheme.transparency = intAttribute(*transparency, "enable", 0) == 1;
        const char *key = transparency->Attribute("chromakey");
        subtheme.chromaKey = parseThemeColour(key ? key : "000000");
    }
    if (const XMLElement *tab = config.FirstChildElement("tab")) {
        ThemeTabFont &font = subtheme.tabFont;
        font.present = true;
        font.face = text(tab->Attribute("fontface"));
        font.size = intAttribute(*tab, "fontsize", 10);
        font.height = intAttribute(*tab, "height", 15);
        font.bold = isExactlyOne(*tab, "bold");
        font.italics = isExactlyOne(*tab, "italics");
    }
}

ThemeButton readButton(const XMLElement &element, const commands::CommandTable &commandTable)
{
    ThemeButton button;
    if (const char *command = element.Attribute("cmd")) {
        button.command = QString::fromUtf8(command);
        const int index = commandTable.indexOfCommand(button.command);
        if (index >= 0) {
            const commands::CommandDefinition &definition = commandTable.commands().at(index).definition;
            button.commandId = static_cast<int>(definition.id);
            button.toolTipKey = QString::fromLatin1(definition.textKey);
        }
    }
    forEachChild(&element, "state", [&](const XMLElement &state) {
        const XMLElement *bitmap = state.FirstChildElement("bitmap");
        button.states[text(state.Attribute("name"))] = bitmap ? readBitmap(*bitmap) : ThemeBitmap{};
    });
    button.x = intAttribute(element, "x", 0);
    button.y = intAttribute(element, "y", 0);
    return button;
}

// One "theme" element; false when it lacks a required part, which fails the whole package.
bool readSubtheme(const XMLElement &element, const commands::CommandTable &commandTable, ConfigResult &result)
{
    Subtheme subtheme;
    const char *title = element.Attribute("title");
    if (!title)
        result.problems << QStringLiteral("Theme has no title!");
    subtheme.title = text(title);

    const XMLElement *config = element.FirstChildElement("config");
    const XMLElement *buttons = element.FirstChildElement("buttons");
    const XMLElement *combined = element.FirstChildElement("combinedBitmaps");
    if (!config || !buttons || !combined) {
        result.failure = QStringLiteral("subtheme \"%1\" lacks config, buttons or combinedBitmaps").arg(subtheme.title);
        return false;
    }
    readConfig(*config, subtheme);

    subtheme.bitmaps = readBitmaps(element.FirstChildElement("bitmaps"));
    const QString root = QStringLiteral("ROOT");
    subtheme.rects[root] = {root, {0, 0, -1, -1, {}}};
    forEachChild(element.FirstChildElement("rects"), "rect", [&](const XMLElement &rect) {
        const char *name = rect.Attribute("name");
        if (name)
            subtheme.rects[text(name)] = {text(name), readCoordinates(rect)};
    });

    forEachChild(buttons, "button",
                 [&](const XMLElement &button) { subtheme.buttons.push_back(readButton(button, commandTable)); });

    forEachChild(combined, "combinedBitmap", [&](const XMLElement &group) {
        const char *name = group.Attribute("name");
        if (name)
            subtheme.combinedBitmaps[text(name)] = {text(name), readBitmaps(&group)};
    });

    const QString key = subtheme.title;
    result.subthemes.insert_or_assign(key, std::move(subtheme));
    return true;
}

} // namespace

settings::Colour parseThemeColour(const char *text)
{
    const settings::Colour rgb = settings::parseColourValue(QString::fromUtf8(text ? text : ""));
    return settings::colourFromRgb(static_cast<int>((rgb >> 16) & 0xFFu), static_cast<int>((rgb >> 8) & 0xFFu),
                                   static_cast<int>(rgb & 0xFFu));
}

ConfigResult parseThemeConfig(const QByteArray &xml, const commands::CommandTable &commandTable)
{
    ConfigResult result;
    // Packages made on Windows may hold Windows-1252 text; ours hold UTF-8.
    const QByteArray utf8 = lang::decodeText(xml).toUtf8();
    tinyxml2::XMLDocument document;
    if (document.Parse(utf8.constData(), static_cast<size_t>(utf8.size())) != tinyxml2::XML_SUCCESS) {
        result.failure = QStringLiteral("config.xml does not parse: %1").arg(QString::fromUtf8(document.ErrorStr()));
        return result;
    }
    const XMLElement *root = document.RootElement();
    for (const XMLElement *element = root ? root->FirstChildElement("theme") : nullptr; element;
         element = element->NextSiblingElement("theme")) {
        if (!readSubtheme(*element, commandTable, result))
            return result;
    }
    result.ok = !result.subthemes.empty();
    if (!result.ok)
        result.failure = QStringLiteral("config.xml holds no theme element");
    return result;
}

} // namespace tabulet::theme
