#include "theme/themecaptions.h"

#include "lang/textdecoding.h"
#include "theme/themelist.h"
#include "theme/themepackage.h"

#include <tinyxml2.h>

#include <optional>

namespace tabulet::theme {

namespace {

QString captionOf(const tinyxml2::XMLElement &element, const QByteArray &localName)
{
    const char *caption = localName.isEmpty() ? nullptr : element.Attribute(localName.constData());
    if (!caption)
        caption = element.Attribute("caption");
    return QString::fromUtf8(caption ? caption : "").trimmed();
}

} // namespace

ThemeCaptions themeCaptions(const QByteArray &configXml, const QString &language)
{
    ThemeCaptions captions;
    // Packages made on Windows may hold Windows-1252 text; ours hold UTF-8.
    const QByteArray utf8 = lang::decodeText(configXml).toUtf8();
    tinyxml2::XMLDocument document;
    if (document.Parse(utf8.constData(), static_cast<size_t>(utf8.size())) != tinyxml2::XML_SUCCESS)
        return captions;
    const tinyxml2::XMLElement *root = document.RootElement();
    if (!root)
        return captions;
    const QByteArray localName = language.isEmpty() ? QByteArray() : "caption-" + language.toUtf8();
    captions.theme = captionOf(*root, localName);
    for (const tinyxml2::XMLElement *element = root->FirstChildElement("theme"); element;
         element = element->NextSiblingElement("theme")) {
        const QString caption = captionOf(*element, localName);
        if (!caption.isEmpty())
            captions.subthemes.insert(QString::fromUtf8(element->Attribute("title") ? element->Attribute("title") : ""),
                                      caption);
    }
    return captions;
}

ThemeCaptions packageCaptions(const QString &path, const QString &language)
{
    ThemePackage package;
    if (path.isEmpty() || !package.open(path))
        return {};
    const std::optional<QByteArray> config = package.readMember(QByteArrayLiteral("config.xml"));
    return config ? themeCaptions(*config, language) : ThemeCaptions();
}

QString shownThemeName(const settings::FolderSet &folders, const QString &name, const QString &language)
{
    const QString caption = packageCaptions(themePath(folders, name), language).theme;
    return caption.isEmpty() ? name : caption;
}

} // namespace tabulet::theme
