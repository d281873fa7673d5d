#include "lang/menucaption.h"

namespace tabulet::lang {

QString captionOfMenuText(const QString &menuText)
{
    QString caption;
    caption.reserve(menuText.size());
    for (qsizetype i = 0; i < menuText.size(); ++i) {
        if (menuText[i] != u'&')
            caption += menuText[i];
        else if (i + 1 < menuText.size() && menuText[i + 1] == u'&')
            caption += menuText[++i];
    }
    caption = caption.trimmed();
    while (caption.endsWith(u'.') || caption.endsWith(QChar(0x2026)))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace tabulet::lang
