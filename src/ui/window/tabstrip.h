#pragma once

#include <QAccessible>
#include <QColor>
#include <QString>
#include <QWidget>

#include <vector>

namespace tabulet::ui {

class Skin;
class SpinButton;

// The row of note tabs above the editor. Every tab is painted from the skin's combined bitmaps
// "tab_normal", "tab_mouseover" and "tab_selected", with a bar in the note's own tab colour and
// embossed text; the skin shows through wherever no tab is drawn. When the tabs do not fit, a
// SpinButton at the right end scrolls them. The strip only displays and reports: what a
// selection or a right click means is the main window's business.
//
// Tab rectangles follow the tab control the themes were made for: tabs start 2 pixels in and
// 2 pixels down, all tabHeight() high; the selected tab is drawn 2 pixels taller at the top;
// tabs scrolled out to the left have a left edge of 0 or less.
//
// It takes the focus only when asked (setFocus); then the arrow keys, Home and End select
// another tab. Assistive technology sees it as a page-tab list (TabStripAccessible).
class TabStrip final : public QWidget
{
    Q_OBJECT

public:
    // The three pictures of a tab.
    enum class Look { Normal, Mouseover, Selected };

    explicit TabStrip(QWidget *parent = nullptr);
    ~TabStrip() override;

    // The skin the tabs are painted from, and whose window the strip lies in; not owned. Without
    // one (or before it is activated) only the colour bars and texts are drawn.
    void setSkin(const Skin *skin);

    // Appends a tab and returns its index; the selection does not change (a first tab is not
    // selected until setCurrentIndex). noteSerial is the note's serial (the item data);
    // tabColour is the note's own tab colour, invalid for none (no bar).
    int addTab(const QString &text, int noteSerial, const QColor &tabColour = QColor());
    // Removing the selected tab leaves no selection, without notice; the program selects anew.
    void removeTab(int index);
    void clear();
    int count() const { return static_cast<int>(m_tabs.size()); }

    QString tabText(int index) const;
    void setTabText(int index, const QString &text);
    // The serial of the tab's note, -1 for an index out of range.
    int tabSerial(int index) const;
    // Index of the tab carrying that note serial, or -1.
    int indexOfSerial(int noteSerial) const;
    QColor tabColour(int index) const;
    void setTabColour(int index, const QColor &tabColour);

    // The selected tab, -1 when there is none.
    int currentIndex() const { return m_currentTab; }
    // Selects a tab from the program: scrolls it into view, repaints at once and emits
    // currentChanged exactly as a click would. The current index or one out of range is ignored.
    void setCurrentIndex(int index);

    // The tab drawn with the mouse-over look, -1 when none.
    int hotTab() const { return m_hotTab; }
    // The tab at a point in the strip's coordinates, -1 when none.
    int tabAt(const QPoint &position) const;
    // A tab's rectangle in the strip's coordinates (scrolled tabs included); empty when out of
    // range.
    QRect tabRect(int index) const;
    // The leftmost tab not scrolled out (0 with fewer than two tabs).
    int firstVisibleTab() const;

    // The tab height in pixels; the strip's font (QWidget::setFont) draws the tab texts.
    int tabHeight() const { return m_tabHeight; }
    void setTabHeight(int pixels);

    // Fills the selected tab under its picture: the theme's "tabbg", taken at each activation of
    // the skin; the palette's button colour until then, or when set invalid.
    QColor selectedBackground() const { return m_selectedBackground; }
    void setSelectedBackground(const QColor &colour);

    // Whether the tabs overflow and the scroll arrows are shown.
    bool hasScrollArrows() const { return m_overflowing; }
    // The scroll arrows, nullptr until the tabs first overflow; they stay afterwards.
    SpinButton *spinButton() const { return m_spinButton; }

signals:
    // The selection changed, by a click or by setCurrentIndex.
    void currentChanged(int index);
    // A right click: the tab under the pointer (-1 outside every tab) and the global position.
    void tabRightClicked(int index, const QPoint &globalPosition);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    struct Tab
    {
        QString text;
        int serial = -1;
        QColor colour;
        int width = 0;
    };
    void measureTabs();
    static void measureTab(Tab &tab, const QFontMetrics &metrics);
    void updateScrolling();
    void scrollTo(int firstTab);
    void ensureVisible(int index);
    void changeSelection(int index);
    int spinWidth() const;
    // The scroll position that shows the last tab at the right end.
    int lastFirstTab() const;
    QRect arrowsRect() const;
    void paintTab(QPainter &painter, int index, const QRect &tabRect, Look look) const;
    void paintFocusRect(QPainter &painter) const;
    void announceTabs(QAccessible::Event change, int index = -1);

    std::vector<Tab> m_tabs;
    const Skin *m_skin = nullptr;
    SpinButton *m_spinButton = nullptr;
    int m_currentTab = -1;
    int m_hoverTab = -1;
    int m_hotTab = -1;
    int m_firstTab = 0; // scroll position: the first tab not scrolled out
    int m_tabHeight = 15;
    bool m_overflowing = false;
    QColor m_selectedBackground;
};

} // namespace tabulet::ui
