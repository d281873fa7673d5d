#pragma once

#include <thread>

namespace tabulet::platform {

// Reads the system's font configuration on a second thread while Qt starts up: the first text
// the window measures would otherwise wait some milliseconds for it. Finished, at the latest,
// when the object goes.
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
