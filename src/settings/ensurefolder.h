#pragma once

#include <QString>

#include <functional>

namespace tabulet::settings {

// Makes one folder level (parents are not made) and checks that it can be read and written.
// On failure it reports the text key of the message to show: "ARCHIVER_CREATEDIRFAILED" when the
// folder is missing and cannot be made (or a file has its name), "ARCHIVER_CREATEDIRPERMISSIONS"
// when it is there but not usable.
bool ensureFolder(const QString &path, const std::function<void(const char *textKey)> &report);

} // namespace tabulet::settings
