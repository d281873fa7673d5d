#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

using namespace tabulet::platform;

TEST(FontWarmUp, type1CopiesAreLeftOutOnlyWhereAnotherFormatHasTheSameFace)
{
    const std::vector<FontFile> fonts = {
        {"Nimbus Sans", "Regular", "CFF", "/fonts/otf/NimbusSans-Regular.otf"},
        {"Nimbus Sans", "Regular", "Type 1", "/fonts/t1/NimbusSans-Regular.t1"},
        {"Nimbus Sans", "Regular", "Type 1", "/fonts/X11/NimbusSans-Regular.pfb"},
        // Only as Type 1 in this style: kept.
        {"Nimbus Sans", "Bold", "Type 1", "/fonts/t1/NimbusSans-Bold.t1"},
        // A family only in Type 1: kept.
        {"Old Face", "Regular", "Type 1", "/fonts/t1/OldFace.pfb"},
        {"DejaVu Sans", "Book", "TrueType", "/fonts/ttf/DejaVuSans.ttf"},
    };
    EXPECT_EQ(redundantType1Files(fonts),
              (std::vector<std::string>{"/fonts/t1/NimbusSans-Regular.t1", "/fonts/X11/NimbusSans-Regular.pfb"}));
    EXPECT_TRUE(redundantType1Files({}).empty());
}

// Whatever fonts this machine has: after the warm-up, the font list Qt reads has no Type 1 copy
// of a face it also has in another format, and every face is still there.
TEST(FontWarmUp, currentConfigurationKeepsEveryFaceOnce)
{
    FcConfig *system = FcInitLoadConfigAndFonts();
    ASSERT_NE(system, nullptr);
    auto faces = [](FcConfig *config) {
        std::set<std::pair<std::string, std::string>> all;
        std::set<std::pair<std::string, std::string>> type1;
        std::set<std::pair<std::string, std::string>> others;
        FcPattern *any = FcPatternCreate();
        FcObjectSet *wanted = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FONTFORMAT, nullptr);
        FcFontSet *fonts = FcFontList(config, any, wanted);
        for (int i = 0; fonts && i < fonts->nfont; ++i) {
            FcChar8 *family = nullptr;
            FcChar8 *style = nullptr;
            FcChar8 *format = nullptr;
            FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family);
            FcPatternGetString(fonts->fonts[i], FC_STYLE, 0, &style);
            FcPatternGetString(fonts->fonts[i], FC_FONTFORMAT, 0, &format);
            const std::pair<std::string, std::string> face{family ? reinterpret_cast<char *>(family) : "",
                                                           style ? reinterpret_cast<char *>(style) : ""};
            all.insert(face);
            (format && std::string(reinterpret_cast<char *>(format)) == "Type 1" ? type1 : others).insert(face);
        }
        if (fonts)
            FcFontSetDestroy(fonts);
        FcObjectSetDestroy(wanted);
        FcPatternDestroy(any);
        return std::make_tuple(all, type1, others);
    };
    const auto [systemFaces, systemType1, systemOthers] = faces(system);
    FcConfigDestroy(system);

    FontConfigurationWarmUp warmUp;
    warmUp.finish();
    const auto [faces1, type1, others] = faces(nullptr);
    EXPECT_EQ(faces1, systemFaces);
    for (const auto &face : type1)
        EXPECT_EQ(others.count(face), 0U) << face.first << " " << face.second;
    // Fontconfig keeps patterns as offsets, which the leak checker cannot follow: free them.
    FcFini();
}
