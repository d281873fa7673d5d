#pragma once

#include <QByteArray>

namespace tabulet::plugins {

// What the file events work on, shared by all plug-ins. The buffers may hold zero bytes; the
// file names (in the file system's encoding) end at their first zero byte. They keep their last
// values between notes.
struct FileBuffers
{
    QByteArray loadBuffer;
    QByteArray saveBuffer;
    QByteArray loadFileName;
    QByteArray saveFileName;
};

// The last key pressed anywhere in the program, as plug-ins read it.
struct LastKey
{
    int virtualKey = 0;
    int modifierBits = 0; // Alt 1, Shift 2, Ctrl 4
    int character = 0;    // the character the note editor received for it, 0 when none
};

} // namespace tabulet::plugins
