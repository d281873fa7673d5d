#include "launch/handovermessage.h"

#include <climits>
#include <cstdlib>

#include <unistd.h>

namespace tabulet::launch {

namespace {

void appendNumber(std::string &bytes, std::uint32_t number)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<char>((number >> shift) & 0xff));
}

void appendString(std::string &bytes, const std::string &text)
{
    appendNumber(bytes, static_cast<std::uint32_t>(text.size()));
    bytes += text;
}

std::string workingFolder()
{
    char folder[PATH_MAX];
    return ::getcwd(folder, sizeof folder) ? folder : "/";
}

std::string activationToken()
{
    for (const char *name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        const char *token = std::getenv(name);
        if (token && token[0])
            return token;
    }
    return {};
}

} // namespace

std::string encodeHandover(const std::vector<std::string> &arguments, const std::string &workingFolder,
                           const std::string &activationToken)
{
    std::string payload;
    appendNumber(payload, kHandoverMagic);
    appendNumber(payload, static_cast<std::uint32_t>(arguments.size()));
    for (const std::string &argument : arguments)
        appendString(payload, argument);
    appendString(payload, workingFolder);
    appendString(payload, activationToken);
    std::string frame;
    appendNumber(frame, static_cast<std::uint32_t>(payload.size()));
    return frame + payload;
}

std::string handoverOfThisStart(const std::vector<std::string> &arguments)
{
    return encodeHandover(arguments, workingFolder(), activationToken());
}

} // namespace tabulet::launch
