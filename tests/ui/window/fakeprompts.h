#pragma once

#include "ui/window/mainwindowprompts.h"

#include <QStringList>

#include <deque>

namespace tabulet::ui {

// Answers the window's questions from a script and records everything it was asked or told.
class FakePrompts final : public WindowPrompts
{
public:
    struct Log
    {
        QStringList told;  // texts of tell()
        QStringList asked; // texts of confirm(), askYesNo() and askBeforeLoss()
        QStringList namesOffered;
        QStringList nameCaptions; // captions of askName()
    };

    explicit FakePrompts(Log &log) : m_log(log) {}

    std::deque<bool> answers;                 // confirm() and askYesNo(); true when it runs out
    std::deque<std::optional<QString>> names; // askName(); cancelled when it runs out

    void tell(const QString &, const QString &text, Icon) override { m_log.told << text; }
    bool confirm(const QString &, const QString &text) override { return answer(text); }
    bool askYesNo(const QString &, const QString &text) override { return answer(text); }
    bool askBeforeLoss(const QString &, const QString &text) override { return answer(text); }
    std::optional<QString> askName(const QString &caption, const QString &name) override
    {
        m_log.nameCaptions << caption;
        m_log.namesOffered << name;
        if (names.empty())
            return std::nullopt;
        std::optional<QString> next = names.front();
        names.pop_front();
        return next;
    }

private:
    bool answer(const QString &text)
    {
        m_log.asked << text;
        if (answers.empty())
            return true;
        const bool next = answers.front();
        answers.pop_front();
        return next;
    }

    Log &m_log;
};

} // namespace tabulet::ui
