#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

#include <set>
#include <utility>

namespace tabulet::platform {

namespace {

constexpr const char *kType1 = "Type 1";

std::string stringOf(FcPattern *font, const char *object)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(font, object, 0, &value) != FcResultMatch || !value)
        return {};
    return reinterpret_cast<const char *>(value);
}

std::vector<FontFile> listFontFiles(FcConfig *config)
{
    std::vector<FontFile> files;
    FcPattern *any = FcPatternCreate();
    FcObjectSet *wanted = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FONTFORMAT, FC_FILE, nullptr);
    if (FcFontSet *fonts = FcFontList(config, any, wanted)) {
        for (int i = 0; i < fonts->nfont; ++i) {
            FcPattern *font = fonts->fonts[i];
            files.push_back({stringOf(font, FC_FAMILY), stringOf(font, FC_STYLE), stringOf(font, FC_FONTFORMAT),
                             stringOf(font, FC_FILE)});
        }
        FcFontSetDestroy(fonts);
    }
    FcObjectSetDestroy(wanted);
    FcPatternDestroy(any);
    return files;
}

std::string xmlEscaped(const std::string &text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

// Adds rules that leave the given files out, and lists the fonts anew under them.
bool leaveOut(FcConfig *config, const std::vector<std::string> &paths)
{
    std::string rules = "<?xml version=\"1.0\"?><fontconfig><selectfont><rejectfont>";
    for (const std::string &path : paths)
        rules += "<pattern><patelt name=\"file\"><string>" + xmlEscaped(path) + "</string></patelt></pattern>";
    rules += "</rejectfont></selectfont></fontconfig>";
    return FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(rules.c_str()), FcTrue) &&
           FcConfigBuildFonts(config);
}

void readFontConfiguration()
{
    FcConfig *config = FcInitLoadConfigAndFonts();
    if (!config)
        return;
    const std::vector<std::string> redundant = redundantType1Files(listFontFiles(config));
    if (redundant.empty() || leaveOut(config, redundant)) {
        // The current configuration holds its own reference.
        FcConfigSetCurrent(config);
    }
    FcConfigDestroy(config);
}

} // namespace

std::vector<std::string> redundantType1Files(const std::vector<FontFile> &fonts)
{
    std::set<std::pair<std::string, std::string>> otherwise;
    for (const FontFile &font : fonts) {
        if (font.format != kType1)
            otherwise.emplace(font.family, font.style);
    }
    std::vector<std::string> redundant;
    for (const FontFile &font : fonts) {
        if (font.format == kType1 && !font.path.empty() && otherwise.count({font.family, font.style}) != 0)
            redundant.push_back(font.path);
    }
    return redundant;
}

FontConfigurationWarmUp::FontConfigurationWarmUp() : m_reading(readFontConfiguration) {}

FontConfigurationWarmUp::~FontConfigurationWarmUp()
{
    finish();
}

void FontConfigurationWarmUp::finish()
{
    if (m_reading.joinable())
        m_reading.join();
}

} // namespace tabulet::platform
