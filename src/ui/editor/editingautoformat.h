#pragma once

#include <QObject>

#include <functional>

class QTextEdit;

namespace tabulet::ui {

// Formats while the user types, on every move of the caret while `enabled` says so: "+-" before
// the caret becomes "±"; a paragraph without numbering that holds only "- ", "* ", ". " (bullets),
// "1. ", "a. ", "A. ", "i. " or "I. " (numbers) before the caret becomes a bulleted or numbered one
// and the marker goes. Each is
// one undoable step, and an undo is not formatted again (the marker it brings back stays).
class AutoFormatter final : public QObject
{
    Q_OBJECT
public:
    AutoFormatter(QTextEdit &editor, std::function<bool()> enabled, QObject *parent = nullptr);

    // Formats what stands before the caret now. True when something changed.
    bool formatAtCaret();

    // Text put in by a command (a replacement, sorted lines) stays exactly as the command made it.
    class Pause final
    {
    public:
        explicit Pause(AutoFormatter &formatter) : m_formatter(formatter) { ++m_formatter.m_paused; }
        ~Pause() { --m_formatter.m_paused; }
        Pause(const Pause &) = delete;
        Pause &operator=(const Pause &) = delete;

    private:
        AutoFormatter &m_formatter;
    };

private:
    void caretMoved();

    QTextEdit &m_editor;
    std::function<bool()> m_enabled;
    int m_undoSteps = 0;
    bool m_formatting = false;
    int m_paused = 0;
};

} // namespace tabulet::ui
