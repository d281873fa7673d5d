#include "launch/launchoptions.h"

#include <tinyxml2.h>

#include <cstdlib>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulet::launch {

std::string userDataHome()
{
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/')
        return dataHome;
    const char *home = std::getenv("HOME");
    if (!home || !home[0])
        return {};
    return std::string(home) + "/.local/share";
}

std::string dataFolder(const Switches &switches)
{
    return switches.homeFolder.empty() ? userDataHome() + "/Tabulet" : switches.homeFolder;
}

namespace {

// The program reads no larger configuration either.
constexpr off_t kMaxConfigurationBytes = off_t(64) * 1024 * 1024;

// The bytes of a regular file; nothing for anything else. Opened without blocking, so that a pipe
// or device in the file's place cannot hold the start.
std::optional<std::string> readRegularFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat status = {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kMaxConfigurationBytes) {
        bytes.emplace(static_cast<std::size_t>(status.st_size), '\0');
        std::size_t done = 0;
        while (done < bytes->size()) {
            const ssize_t n = ::read(fd, bytes->data() + done, bytes->size() - done);
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        bytes->resize(done);
    }
    ::close(fd);
    return bytes;
}

} // namespace

bool oneInstance(const std::string &dataFolder)
{
    const std::optional<std::string> bytes = readRegularFile(dataFolder + "/tbu_config.xml");
    tinyxml2::XMLDocument document;
    if (!bytes || document.Parse(bytes->data(), bytes->size()) != tinyxml2::XML_SUCCESS)
        return true;
    const tinyxml2::XMLElement *root = document.RootElement();
    const tinyxml2::XMLElement *options = root ? root->FirstChildElement("options") : nullptr;
    bool on = true;
    // The last of several options of one key counts, as when the program reads the file.
    for (const tinyxml2::XMLElement *option = options ? options->FirstChildElement("option") : nullptr; option;
         option = option->NextSiblingElement("option")) {
        const char *key = option->Attribute("key");
        const char *value = option->Attribute("val");
        if (key && value && std::string_view(key) == "oneinstance")
            on = std::string_view(value) == "1";
    }
    return on;
}

} // namespace tabulet::launch
