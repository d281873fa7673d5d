#pragma once

#include <QObject>

#include <functional>

namespace tabulet::app {

// Holds work the first window does not need until that window is on the screen: the work runs
// once, from the event loop, after the first widget of the program has painted.
class AfterFirstPaint final : public QObject
{
public:
    explicit AfterFirstPaint(std::function<void()> work);
    ~AfterFirstPaint() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_work;
};

} // namespace tabulet::app
