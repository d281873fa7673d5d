// Opens arbitrary bytes as a theme package and reads its description and the pictures it names.
#include "commands/commandtable.h"
#include "theme/bmpsize.h"
#include "theme/themeconfig.h"
#include "theme/themepackage.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tabulet::theme;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const tabulet::commands::CommandTable commandTable;
    ThemePackage package;
    if (!package.openBytes(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size))))
        return 0;
    const std::optional<QByteArray> config = package.readMember(QByteArrayLiteral("config.xml"));
    if (!config)
        return 0;
    if (config->size() > ThemePackage::kMaxMemberSize)
        std::abort();
    const ConfigResult result = parseThemeConfig(*config, commandTable);
    for (const auto &[title, subtheme] : result.subthemes) {
        for (const ThemeBitmap &bitmap : subtheme.bitmaps) {
            if (const std::optional<QByteArray> image = package.readMember(bitmap.imageMember))
                bmpSize(*image);
        }
    }
    return 0;
}
