#pragma once

#include "app/commandline.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tabulet::app {

// What a second start hands to the running copy: its arguments as a list (no length limit, no
// quoting), the folder it was started in (relative paths are its own), and the token the desktop
// gave it to bring a window forward (DESKTOP_STARTUP_ID on X11, XDG_ACTIVATION_TOKEN on Wayland).
struct Handover
{
    QStringList arguments;
    QString workingFolder;
    QByteArray activationToken;
};

// A handover larger than this is not one: the running copy drops the connection.
inline constexpr qint64 kMaxHandoverBytes = 1024 * 1024;

// The bytes sent on the instance socket: a 32-bit big-endian length, then the handover.
QByteArray encodeHandover(const Handover &handover);

// Reads one handover from the start of bytes. Returns the handover and sets complete when the
// bytes hold all of it; nothing and complete false while more bytes are needed; nothing and
// complete true when the bytes are not a handover (wrong length, size or content).
std::optional<Handover> decodeHandover(const QByteArray &bytes, bool *complete);

// The switches of a handover, with the file paths made absolute against its working folder.
CommandLine commandLineOf(const Handover &handover);

} // namespace tabulet::app
