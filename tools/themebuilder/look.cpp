#include "themebuilder/look.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

namespace tabulet::themebuilder {

std::optional<Look> readLook(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("look.json does not parse: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    Look look;
    look.buttonSize = root.value(QLatin1String("buttonSize")).toInt(look.buttonSize);
    look.cornerRadius = root.value(QLatin1String("cornerRadius")).toInt(0);

    const QJsonObject colours = root.value(QLatin1String("colours")).toObject();
    const std::pair<const char *, QColor *> fields[] = {
        {"outline", &look.outline},
        {"bar", &look.bar},
        {"barHighlight", &look.barHighlight},
        {"field", &look.field},
        {"fieldOutline", &look.fieldOutline},
        {"separator", &look.separator},
        {"grip", &look.grip},
        {"ink", &look.ink},
        {"inkSelected", &look.inkSelected},
        {"accent", &look.accent},
        {"hover", &look.hover},
        {"selected", &look.selected},
        {"selectedHover", &look.selectedHover},
        {"selectedOutline", &look.selectedOutline},
        {"tabFace", &look.tabFace},
        {"tabHoverFace", &look.tabHoverFace},
        {"tabSelectedFace", &look.tabSelectedFace},
        {"tabOutline", &look.tabOutline},
        {"spinFace", &look.spinFace},
        {"spinHoverFace", &look.spinHoverFace},
        {"spinOutline", &look.spinOutline},
        {"spinInk", &look.spinInk},
    };
    for (const auto &[name, colour] : fields) {
        const QString text = colours.value(QLatin1String(name)).toString();
        *colour = QColor(QLatin1Char('#') + text);
        if (text.size() != 6 || !colour->isValid()) {
            *error = QStringLiteral("look.json: colour \"%1\" is missing or not RRGGBB").arg(QLatin1String(name));
            return std::nullopt;
        }
    }
    if (root.contains(QLatin1String("chromaKey"))) {
        const QColor key(QLatin1Char('#') + root.value(QLatin1String("chromaKey")).toString());
        if (!key.isValid()) {
            *error = QStringLiteral("look.json: chromaKey is not RRGGBB");
            return std::nullopt;
        }
        look.chromaKey = key;
    }
    if (look.cornerRadius > 0 && !look.chromaKey) {
        *error = QStringLiteral("look.json: rounded corners need a chromaKey");
        return std::nullopt;
    }
    return look;
}

} // namespace tabulet::themebuilder
