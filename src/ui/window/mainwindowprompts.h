#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The questions and messages of the note window's flows, so that the flows can be run without
// a person in front of them.
class WindowPrompts
{
public:
    enum class Icon { None, Information, Question, Warning, Error };

    virtual ~WindowPrompts() = default;

    // A message with an OK button.
    virtual void tell(const QString &caption, const QString &text, Icon icon) = 0;
    // OK and Cancel; true for OK.
    virtual bool confirm(const QString &caption, const QString &text) = 0;
    // Yes and No with a question icon; true for Yes.
    virtual bool askYesNo(const QString &caption, const QString &text) = 0;
    // Yes and No with a warning icon and No as the default, for a Yes that may lose or risk
    // something.
    virtual bool askBeforeLoss(const QString &caption, const QString &text) = 0;
    // The name dialog under a caption, filled with a name; nothing when cancelled.
    virtual std::optional<QString> askName(const QString &caption, const QString &name) = 0;
};

// The prompts as message boxes and the name dialog over a parent window.
class MessageBoxPrompts final : public WindowPrompts
{
public:
    MessageBoxPrompts(QWidget *parent, lang::TextTable &texts) : m_parent(parent), m_texts(texts) {}

    void tell(const QString &caption, const QString &text, Icon icon) override;
    bool confirm(const QString &caption, const QString &text) override;
    bool askYesNo(const QString &caption, const QString &text) override;
    bool askBeforeLoss(const QString &caption, const QString &text) override;
    std::optional<QString> askName(const QString &caption, const QString &name) override;

private:
    // Gives the focus back to the parent when a dialog ends.
    class DialogScope final
    {
    public:
        explicit DialogScope(QWidget *parent) : m_parent(parent) {}
        ~DialogScope();
        DialogScope(const DialogScope &) = delete;
        DialogScope &operator=(const DialogScope &) = delete;

    private:
        QWidget *m_parent;
    };

    QWidget *m_parent;
    lang::TextTable &m_texts;
};

} // namespace tabulet::ui
