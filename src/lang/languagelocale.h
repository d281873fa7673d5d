#pragma once

#include <QLocale>
#include <QString>

namespace tabulet::lang {

// The locale in which dates and numbers are written for a language file's "LOCALE" ("de"): the
// system's own when it is of that language (so "en" on a British system keeps British dates),
// else the language's; the system's when the code names no language.
QLocale languageLocale(const QString &code, const QLocale &system);

} // namespace tabulet::lang
