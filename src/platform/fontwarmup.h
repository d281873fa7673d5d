#pragma once

#include <string>
#include <thread>
#include <vector>

namespace tabulet::platform {

// A font file as the font configuration lists it.
struct FontFile
{
    std::string family;
    std::string style;
    std::string format; // "TrueType", "CFF", "Type 1", ...
    std::string path;
};

// The Type 1 files whose family and style the system also has in another format (the URW fonts
// come both ways). They look the same, but FreeType takes several times as long to open them,
// and the window would pick either copy by chance.
std::vector<std::string> redundantType1Files(const std::vector<FontFile> &fonts);

// Reads the system's font configuration on a second thread while Qt starts up, leaving out the
// redundant Type 1 copies: the first text the window measures would otherwise wait for it.
// Finished, at the latest, when the object goes.
class FontConfigurationWarmUp final
{
public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp();
    FontConfigurationWarmUp(const FontConfigurationWarmUp &) = delete;
    FontConfigurationWarmUp &operator=(const FontConfigurationWarmUp &) = delete;

    // Waits until the configuration is read; call before anything measures or draws text.
    void finish();

private:
    std::thread m_reading;
};

} // namespace tabulet::platform
