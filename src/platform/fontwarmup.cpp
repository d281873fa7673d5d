#include "platform/fontwarmup.h"

#include <fontconfig/fontconfig.h>

namespace tabulet::platform {

FontConfigurationWarmUp::FontConfigurationWarmUp()
    : m_reading([] {
          // Parses the configuration files and maps the font caches, as Qt's first font use would.
          FcInit();
          FcPattern *any = FcPatternCreate();
          FcObjectSet *wanted = FcObjectSetBuild(FC_FAMILY, FC_FILE, nullptr);
          FcFontSetDestroy(FcFontList(nullptr, any, wanted));
          FcObjectSetDestroy(wanted);
          FcPatternDestroy(any);
      })
{
}

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
