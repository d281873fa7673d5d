#pragma once

#include <functional>
#include <memory>

class QByteArray;
class QWidget;

namespace tabulet::ui {
struct ApplicationContext;
}

namespace tabulet::app {

struct CommandLine;

// What start-up needs of the note window of one pass.
class NoteWindow
{
public:
    virtual ~NoteWindow() = default;

    // Initialises the window (it loads the full configuration and turns saving on), shows it and
    // returns when it has closed.
    virtual void run() = 0;
    // Ends the run the way the exit command does, without asking: the open note and the
    // configuration are saved first.
    virtual void closeWithoutAsking() = 0;
    // Writes the open note and the configuration from what is in memory, asking nothing and
    // showing nothing: the display may be gone.
    virtual void saveAll() = 0;
    // Whether the run ended so that start-up runs another pass (after an archive restore).
    virtual bool restartRequested() const = 0;
    // A second start handed over its command line: show or hide the window (--toggle), or come
    // to the front and install the language or theme file it names. The token is the one the
    // desktop gave that start to bring a window forward.
    virtual void takeHandover(const CommandLine &commandLine, const QByteArray &activationToken) = 0;
};

// Creates the note window of a pass as a child of the hidden owner window, which keeps the note
// window off the taskbar.
using NoteWindowFactory = std::function<std::unique_ptr<NoteWindow>(ui::ApplicationContext &context,
                                                                    const CommandLine &commandLine, QWidget *owner)>;

} // namespace tabulet::app
