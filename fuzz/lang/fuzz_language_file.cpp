// Feeds arbitrary bytes to the language file reader and uses every text it yields as a format,
// as the program does with the texts of its formatted keys.
#include "lang/formattext.h"
#include "lang/texttable.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tabulet::lang;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    TextTable table;
    table.loadLanguageText(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    for (const QString &key : table.keys()) {
        // A key never holds what the reader cuts at: a comment, a colon or blanks at its end.
        if (key.contains(QStringLiteral("//")) || key.contains(u':') || key.endsWith(u' ') || key.endsWith(u'\t'))
            std::abort();
        const QString text = table.text(key);
        if (text.contains(QStringLiteral("//")))
            std::abort();
        const QString formatted = formatText(text, {12, key});
        if (formatPlaceholders(text).isEmpty() && formatted != QString(text).replace(QStringLiteral("%%"), QStringLiteral("%")))
            std::abort();
    }
    return 0;
}
