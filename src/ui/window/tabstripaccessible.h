#pragma once

#include <QAccessibleWidget>

#include <vector>

namespace tabulet::ui {

class TabStrip;

// The tab strip as assistive technology sees it: a page-tab list with one page tab per note,
// named by the note's title, selected when shown; a tab's "Press" action selects it as a click
// does. The tabs' interfaces are made when first asked for and live as long as this one.
class TabStripAccessible final : public QAccessibleWidget
{
public:
    explicit TabStripAccessible(TabStrip &strip);
    ~TabStripAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    TabStrip &strip() const;

    mutable std::vector<QAccessible::Id> m_tabs;
};

} // namespace tabulet::ui
