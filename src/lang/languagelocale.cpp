#include "lang/languagelocale.h"

namespace tabulet::lang {

QLocale languageLocale(const QString &code, const QLocale &system)
{
    const QLocale language(code);
    if (code.isEmpty() || language.language() == QLocale::C || language.language() == system.language())
        return system;
    return language;
}

} // namespace tabulet::lang
