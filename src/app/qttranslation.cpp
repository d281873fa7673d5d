#include "app/qttranslation.h"

#include "lang/languagelocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>

namespace tabulet::app {

bool QtTranslation::apply(const QString &locale)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
    }
    // Dates and numbers are written in the language's own form.
    QLocale::setDefault(lang::languageLocale(locale, QLocale::system()));
    // A locale is a short code; anything else must not become part of a path.
    static const QRegularExpression kLocale(QStringLiteral("^[A-Za-z]{2,3}(_[A-Za-z]{2})?$"));
    if (!kLocale.match(locale).hasMatch())
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    QCoreApplication::installTranslator(translator.get());
    m_translator = std::move(translator);
    return true;
}

} // namespace tabulet::app
