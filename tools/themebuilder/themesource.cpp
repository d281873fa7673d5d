#include "themebuilder/themesource.h"

#include <tinyxml2.h>

namespace tabulet::themebuilder {

namespace {

using tinyxml2::XMLElement;

int intAttribute(const XMLElement &element, const char *name, int fallback)
{
    return element.IntAttribute(name, fallback);
}

QString textAttribute(const XMLElement &element, const char *name)
{
    const char *value = element.Attribute(name);
    return value ? QString::fromUtf8(value) : QString();
}

QColor colourAttribute(const XMLElement &element, const char *name, QColor fallback)
{
    const char *value = element.Attribute(name);
    if (!value)
        return fallback;
    bool ok = false;
    const uint rgb = QByteArray(value).toUInt(&ok, 16);
    return ok ? QColor::fromRgb(static_cast<QRgb>(rgb)) : QColor(Qt::black);
}

Placement readPlacement(const XMLElement &element)
{
    Placement placement;
    placement.x1 = intAttribute(element, "x1", 0);
    placement.y1 = intAttribute(element, "y1", 0);
    placement.x2 = intAttribute(element, "x2", 0);
    placement.y2 = intAttribute(element, "y2", 0);
    const QString flags = textAttribute(element, "flags");
    if (flags.contains(QLatin1String("centerx"), Qt::CaseInsensitive))
        placement.flags |= CentreX;
    if (flags.contains(QLatin1String("centery"), Qt::CaseInsensitive))
        placement.flags |= CentreY;
    return placement;
}

BitmapSource readBitmap(const XMLElement &element)
{
    return {textAttribute(element, "img"), textAttribute(element, "mask"), readPlacement(element)};
}

std::vector<BitmapSource> readBitmaps(const XMLElement *parent)
{
    std::vector<BitmapSource> bitmaps;
    for (const XMLElement *child = parent ? parent->FirstChildElement("bitmap") : nullptr; child;
         child = child->NextSiblingElement("bitmap"))
        bitmaps.push_back(readBitmap(*child));
    return bitmaps;
}

void readConfig(const XMLElement &config, SubthemeSource &subtheme)
{
    if (const XMLElement *minsize = config.FirstChildElement("minsize")) {
        subtheme.minWidth = intAttribute(*minsize, "width", 0);
        subtheme.minHeight = intAttribute(*minsize, "height", 0);
    }
    if (const XMLElement *tabbg = config.FirstChildElement("tabbg"))
        subtheme.tabBackground = colourAttribute(*tabbg, "color", QColor());
    if (const XMLElement *transparency = config.FirstChildElement("transparency")) {
        subtheme.transparency = intAttribute(*transparency, "enable", 0) == 1;
        subtheme.chromaKey = colourAttribute(*transparency, "chromakey", Qt::black);
    }
    if (const XMLElement *tab = config.FirstChildElement("tab")) {
        subtheme.hasTabFont = true;
        subtheme.tabFontFace = textAttribute(*tab, "fontface");
        subtheme.tabFontSize = intAttribute(*tab, "fontsize", 10);
        subtheme.tabHeight = intAttribute(*tab, "height", 15);
    }
}

bool readSubtheme(const XMLElement &theme, SubthemeSource &subtheme, QString *error)
{
    subtheme.title = textAttribute(theme, "title");
    const XMLElement *config = theme.FirstChildElement("config");
    const XMLElement *buttons = theme.FirstChildElement("buttons");
    const XMLElement *combined = theme.FirstChildElement("combinedBitmaps");
    if (!config || !buttons || !combined) {
        *error = QStringLiteral("subtheme \"%1\" lacks config, buttons or combinedBitmaps").arg(subtheme.title);
        return false;
    }
    readConfig(*config, subtheme);
    subtheme.bitmaps = readBitmaps(theme.FirstChildElement("bitmaps"));
    subtheme.rects[QStringLiteral("ROOT")] = Placement{0, 0, -1, -1, 0};
    if (const XMLElement *rects = theme.FirstChildElement("rects")) {
        for (const XMLElement *rect = rects->FirstChildElement("rect"); rect; rect = rect->NextSiblingElement("rect")) {
            const QString name = textAttribute(*rect, "name");
            if (!name.isEmpty())
                subtheme.rects[name] = readPlacement(*rect);
        }
    }
    for (const XMLElement *button = buttons->FirstChildElement("button"); button;
         button = button->NextSiblingElement("button")) {
        ButtonSource source;
        source.command = textAttribute(*button, "cmd");
        for (const XMLElement *state = button->FirstChildElement("state"); state;
             state = state->NextSiblingElement("state")) {
            if (const XMLElement *bitmap = state->FirstChildElement("bitmap"))
                source.states[textAttribute(*state, "name")] = readBitmap(*bitmap);
        }
        source.x = intAttribute(*button, "x", 0);
        source.y = intAttribute(*button, "y", 0);
        subtheme.buttons.push_back(std::move(source));
    }
    for (const XMLElement *group = combined->FirstChildElement("combinedBitmap"); group;
         group = group->NextSiblingElement("combinedBitmap")) {
        const QString name = textAttribute(*group, "name");
        if (!name.isEmpty())
            subtheme.combined[name] = readBitmaps(group);
    }
    return true;
}

} // namespace

const Placement *SubthemeSource::rect(const QString &name) const
{
    const auto found = rects.find(name);
    return found == rects.end() ? nullptr : &found->second;
}

std::optional<ThemeSource> parseThemeConfig(const QByteArray &document, QString *error)
{
    tinyxml2::XMLDocument xml;
    if (xml.Parse(document.constData(), static_cast<size_t>(document.size())) != tinyxml2::XML_SUCCESS) {
        *error = QStringLiteral("config.xml does not parse: %1").arg(QString::fromUtf8(xml.ErrorStr()));
        return std::nullopt;
    }
    const XMLElement *root = xml.RootElement();
    ThemeSource source;
    for (const XMLElement *theme = root ? root->FirstChildElement("theme") : nullptr; theme;
         theme = theme->NextSiblingElement("theme")) {
        SubthemeSource subtheme;
        if (!readSubtheme(*theme, subtheme, error))
            return std::nullopt;
        source.subthemes.push_back(std::move(subtheme));
    }
    if (source.subthemes.empty()) {
        *error = QStringLiteral("config.xml holds no theme element");
        return std::nullopt;
    }
    return source;
}

} // namespace tabulet::themebuilder
