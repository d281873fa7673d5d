#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

namespace tabulet::app {

// Qt's own texts (standard buttons, the colour, font and file dialogs), dates and numbers in the
// language of the loaded language file, which names its locale under "LOCALE".
class QtTranslation final
{
public:
    // Replaces the installed translation with Qt's for this locale ("de"); an empty or unknown
    // locale leaves Qt's built-in English. Returns whether a translation is installed.
    bool apply(const QString &locale);

private:
    std::unique_ptr<QTranslator> m_translator;
};

} // namespace tabulet::app
