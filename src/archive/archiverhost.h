#pragma once

#include <QString>

#include <functional>

namespace tabulet::archive {

// A message box the archiver asks its host to show (no owner window, one OK button).
struct ArchiverMessage
{
    enum class Kind { Information, Error };
    Kind kind = Kind::Information;
    QString caption;
    QString text;
    QString detail; // a path the user may need to act on; may be empty
};

// Reports how many files of a piece of file work are done; safe to call from any thread.
using Progress = std::function<void(int filesDone)>;
// Copies files and touches nothing but them, so it may run on another thread.
using FileWork = std::function<void(const Progress &progress)>;

// What the archiver needs of the screen: the note window shows its messages and runs its longer
// file work off the window's thread behind a progress bar; tests record and run in place.
class ArchiverHost
{
public:
    virtual ~ArchiverHost() = default;
    virtual void showMessage(const ArchiverMessage &message) = 0;
    // Runs the work over `fileCount` files and returns when it has finished.
    virtual void runFileWork(int fileCount, const FileWork &work) = 0;
};

} // namespace tabulet::archive
