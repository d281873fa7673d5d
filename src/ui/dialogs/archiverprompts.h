#pragma once

#include "archive/archiverhost.h"

class QWidget;

namespace tabulet::ui {

struct ApplicationContext;

// The archiver's messages as message boxes over the note window, and its file work on a worker
// thread: the window keeps drawing, takes no input meanwhile, and shows a progress bar when the
// work lasts longer than half a second.
class ArchiverPrompts final : public archive::ArchiverHost
{
public:
    // The context must outlive the prompts.
    ArchiverPrompts(QWidget *parent, ApplicationContext &context) : m_parent(parent), m_context(context) {}

    void showMessage(const archive::ArchiverMessage &message) override;
    void runFileWork(int fileCount, const archive::FileWork &work) override;

    // True while file work runs: the minute check must not start another archive meanwhile.
    bool isBusy() const { return m_busy; }

private:
    QWidget *m_parent;
    ApplicationContext &m_context;
    bool m_busy = false;
};

} // namespace tabulet::ui
