#pragma once

#include <QWidget>

namespace tabulet::ui {

struct OptionsWork;

// One page of the options sheet. It shows the values of the work it was made from and writes
// them back into a work when the sheet's OK is pressed; until then it changes nothing.
class OptionsPage : public QWidget
{
public:
    using QWidget::QWidget;

    // Whether the page's values can be taken; when not, the user has been told why and the
    // field in question has the focus.
    virtual bool check() { return true; }
    virtual void write(OptionsWork &work) const = 0;
};

} // namespace tabulet::ui
