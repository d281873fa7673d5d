#include "pseudolanguage.h"

#include "lang/texttable.h"

namespace tabulet::lang {

QByteArray pseudoLanguage(const QByteArray &languageFile, const QString &locale)
{
    TextTable table;
    table.loadLanguageText(languageFile);
    QString out;
    for (const QString &key : table.keys()) {
        QString text = table.text(key);
        if (key == QLatin1String("LOCALE"))
            text = locale;
        else if (!text.isEmpty())
            text = kPseudoOpen + text + kPseudoClose;
        text.replace(u'\n', QStringLiteral("\\n"));
        out += key + QStringLiteral(": ") + text + u'\n';
    }
    return out.toUtf8();
}

QString withoutMarkedParts(QStringView shown)
{
    QString rest;
    int depth = 0;
    for (const QChar c : shown) {
        if (c == kPseudoOpen)
            ++depth;
        else if (c == kPseudoClose && depth > 0)
            --depth;
        else if (depth == 0)
            rest += c;
    }
    return rest;
}

} // namespace tabulet::lang
