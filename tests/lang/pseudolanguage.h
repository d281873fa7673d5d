#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace tabulet::lang {

// A language for finding texts that do not come from the language file: every text of a language
// file wrapped in kPseudoOpen and kPseudoClose, keys kept, formats keeping their placeholders, and
// "LOCALE" set to a real locale so that Qt's own texts and dates stay those of a language.
inline constexpr QChar kPseudoOpen = u'⟦';
inline constexpr QChar kPseudoClose = u'⟧';

// The pseudo-language file (UTF-8) made from the contents of a language file. Empty texts stay
// empty: they mean "nothing shown".
QByteArray pseudoLanguage(const QByteArray &languageFile, const QString &locale);

// What is left of a shown text once the marked parts are cut out.
QString withoutMarkedParts(QStringView shown);

} // namespace tabulet::lang
