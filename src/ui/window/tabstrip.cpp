#include "ui/window/tabstrip.h"

#include "theme/rect.h"
#include "ui/skin/skin.h"
#include "ui/skin/spinbutton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

namespace tabulet::ui {

namespace {

constexpr int kTabsLeft = 2;
constexpr int kTabsTop = 2;
constexpr int kTextPadding = 8; // on each side of a tab's text
constexpr int kMinTabWidth = 10;

QString lookName(TabStrip::Look look)
{
    switch (look) {
    case TabStrip::Look::Selected:
        return QStringLiteral("selected");
    case TabStrip::Look::Mouseover:
        return QStringLiteral("mouseover");
    case TabStrip::Look::Normal:
        break;
    }
    return QStringLiteral("normal");
}

// Where the colour bar goes in a tab when the theme names no rect for it.
theme::Rect defaultColourBar(TabStrip::Look look, const theme::Rect &tab)
{
    switch (look) {
    case TabStrip::Look::Selected:
        return {tab.left + 2, tab.top + 2, tab.right - 1, tab.top + 5};
    case TabStrip::Look::Mouseover:
        return {tab.left + 2, tab.top + 2, tab.right - 1, tab.top + 6};
    case TabStrip::Look::Normal:
        break;
    }
    return {tab.left + 2, tab.top + 3, tab.right - 2, tab.top + 6};
}

QRect fromEdges(int left, int top, int right, int bottom)
{
    return theme::Rect{left, top, right, bottom}.toQRect();
}

} // namespace

TabStrip::TabStrip(QWidget *parent) : QWidget(parent), m_selectedBackground(palette().button().color())
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // The skin is painted behind the tabs: there is nothing to erase.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TabStrip::~TabStrip() = default;

void TabStrip::setSkin(const Skin *skin)
{
    if (m_skin)
        disconnect(m_skin, nullptr, this, nullptr);
    m_skin = skin;
    if (m_skin) {
        connect(m_skin, &Skin::activated, this, [this] { setSelectedBackground(m_skin->tabBackground()); });
    }
    if (m_spinButton)
        m_spinButton->setSkin(skin);
    update();
}

int TabStrip::addTab(const QString &text, int noteSerial, const QColor &tabColour)
{
    m_tabs.push_back(Tab{text, noteSerial, tabColour, 0});
    measureTab(m_tabs.back(), fontMetrics());
    updateScrolling();
    update();
    announceTabs(QAccessible::ObjectReorder);
    return count() - 1;
}

void TabStrip::removeTab(int index)
{
    if (index < 0 || index >= count())
        return;
    m_tabs.erase(m_tabs.begin() + index);
    if (index == m_currentTab)
        m_currentTab = -1;
    else if (index < m_currentTab)
        --m_currentTab;
    m_hoverTab = -1;
    m_hotTab = -1;
    updateScrolling();
    update();
    announceTabs(QAccessible::ObjectReorder);
}

void TabStrip::clear()
{
    m_tabs.clear();
    m_currentTab = -1;
    m_hoverTab = -1;
    m_hotTab = -1;
    m_firstTab = 0;
    updateScrolling();
    update();
    announceTabs(QAccessible::ObjectReorder);
}

QString TabStrip::tabText(int index) const
{
    return index >= 0 && index < count() ? m_tabs[static_cast<std::size_t>(index)].text : QString();
}

void TabStrip::setTabText(int index, const QString &text)
{
    if (index < 0 || index >= count())
        return;
    Tab &tab = m_tabs[static_cast<std::size_t>(index)];
    tab.text = text;
    measureTab(tab, fontMetrics());
    updateScrolling();
    update();
    announceTabs(QAccessible::NameChanged, index);
}

int TabStrip::tabSerial(int index) const
{
    return index >= 0 && index < count() ? m_tabs[static_cast<std::size_t>(index)].serial : -1;
}

int TabStrip::indexOfSerial(int noteSerial) const
{
    const auto found =
        std::find_if(m_tabs.begin(), m_tabs.end(), [&](const Tab &tab) { return tab.serial == noteSerial; });
    return found == m_tabs.end() ? -1 : static_cast<int>(found - m_tabs.begin());
}

QColor TabStrip::tabColour(int index) const
{
    return index >= 0 && index < count() ? m_tabs[static_cast<std::size_t>(index)].colour : QColor();
}

void TabStrip::setTabColour(int index, const QColor &tabColour)
{
    if (index < 0 || index >= count())
        return;
    m_tabs[static_cast<std::size_t>(index)].colour = tabColour;
    update();
}

void TabStrip::setCurrentIndex(int index)
{
    if (index < 0 || index >= count() || index == m_currentTab)
        return;
    changeSelection(index);
}

void TabStrip::changeSelection(int index)
{
    // Neither the old nor the new selection may show half-drawn meanwhile.
    setUpdatesEnabled(false);
    m_currentTab = index;
    ensureVisible(index);
    m_hoverTab = -1;
    setUpdatesEnabled(true);
    if (m_spinButton)
        m_spinButton->setPosition(firstVisibleTab());
    repaint();
    announceTabs(QAccessible::Selection, index);
    if (hasFocus())
        announceTabs(QAccessible::Focus, index);
    emit currentChanged(index);
}

// Tells assistive technology of a change of the tabs, or of one tab.
void TabStrip::announceTabs(QAccessible::Event change, int index)
{
    QAccessibleEvent event(this, change);
    if (index >= 0)
        event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

void TabStrip::keyPressEvent(QKeyEvent *event)
{
    int wanted = -1;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        wanted = m_currentTab - 1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        wanted = m_currentTab + 1;
        break;
    case Qt::Key_Home:
        wanted = 0;
        break;
    case Qt::Key_End:
        wanted = count() - 1;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    setCurrentIndex(wanted);
    event->accept();
}

void TabStrip::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
    if (m_currentTab >= 0)
        announceTabs(QAccessible::Focus, m_currentTab);
}

void TabStrip::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

int TabStrip::tabAt(const QPoint &position) const
{
    if (m_overflowing && position.x() >= arrowsRect().left())
        return -1;
    for (int index = 0; index < count(); ++index) {
        if (tabRect(index).contains(position))
            return index;
    }
    return -1;
}

QRect TabStrip::tabRect(int index) const
{
    if (index < 0 || index >= count())
        return {};
    int left = kTabsLeft;
    for (int before = std::min(index, m_firstTab); before < std::max(index, m_firstTab); ++before)
        left += (index > m_firstTab ? 1 : -1) * m_tabs[static_cast<std::size_t>(before)].width;
    return QRect(left, kTabsTop, m_tabs[static_cast<std::size_t>(index)].width, m_tabHeight);
}

int TabStrip::firstVisibleTab() const
{
    return count() < 2 ? 0 : m_firstTab;
}

void TabStrip::setTabHeight(int pixels)
{
    m_tabHeight = std::max(1, pixels);
    updateScrolling();
    update();
}

void TabStrip::setSelectedBackground(const QColor &colour)
{
    m_selectedBackground = colour.isValid() ? colour : palette().button().color();
    update();
}

void TabStrip::measureTabs()
{
    const QFontMetrics metrics = fontMetrics();
    for (Tab &tab : m_tabs)
        measureTab(tab, metrics);
}

void TabStrip::measureTab(Tab &tab, const QFontMetrics &metrics)
{
    tab.width = std::max(kMinTabWidth, metrics.horizontalAdvance(tab.text) + 2 * kTextPadding);
}

int TabStrip::spinWidth() const
{
    const int half = std::max(8, m_tabHeight - 2);
    return 2 * half + 2;
}

QRect TabStrip::arrowsRect() const
{
    if (!m_overflowing)
        return {};
    return QRect(width() - spinWidth(), 0, spinWidth(), m_tabHeight + 4);
}

int TabStrip::lastFirstTab() const
{
    const int room = width() - spinWidth() - kTabsLeft;
    int needed = 0;
    for (int first = count() - 1; first >= 0; --first) {
        needed += m_tabs[static_cast<std::size_t>(first)].width;
        if (needed > room)
            return std::min(first + 1, count() - 1);
    }
    return 0;
}

void TabStrip::updateScrolling()
{
    int total = kTabsLeft;
    for (const Tab &tab : m_tabs)
        total += tab.width;
    m_overflowing = count() > 1 && total > width();
    if (!m_overflowing) {
        m_firstTab = 0;
        if (m_spinButton)
            m_spinButton->hide();
        return;
    }
    if (!m_spinButton) {
        m_spinButton = new SpinButton(this);
        m_spinButton->setSkin(m_skin);
        m_spinButton->setInsetForStrip(true);
        connect(m_spinButton, &SpinButton::positionChanged, this, &TabStrip::scrollTo);
    }
    m_firstTab = std::min(m_firstTab, lastFirstTab());
    m_spinButton->setGeometry(arrowsRect());
    m_spinButton->setRange(0, lastFirstTab());
    m_spinButton->setPosition(m_firstTab);
    m_spinButton->show();
}

void TabStrip::scrollTo(int firstTab)
{
    firstTab = std::clamp(firstTab, 0, m_overflowing ? lastFirstTab() : 0);
    if (firstTab == m_firstTab)
        return;
    m_firstTab = firstTab;
    if (m_spinButton)
        m_spinButton->setPosition(firstTab);
    repaint();
}

void TabStrip::ensureVisible(int index)
{
    if (!m_overflowing)
        return;
    if (index < m_firstTab) {
        scrollTo(index);
        return;
    }
    const int limit = arrowsRect().left();
    int first = m_firstTab;
    int right = tabRect(index).left() + tabRect(index).width();
    while (right > limit && first < std::min(index, lastFirstTab())) {
        right -= m_tabs[static_cast<std::size_t>(first)].width;
        ++first;
    }
    scrollTo(first);
}

void TabStrip::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (m_skin && m_skin->window().isAncestorOf(this))
        m_skin->paint(painter, QRect(mapTo(&m_skin->window(), QPoint(0, 0)), size()));
    else
        painter.fillRect(rect(), palette().window());
    painter.setFont(font());

    const QRect dirty = event->rect();
    for (int index = 0; index < count(); ++index) {
        const QRect tab = tabRect(index);
        if (index != m_currentTab && tab.intersects(dirty))
            paintTab(painter, index, tab, index == m_hotTab ? Look::Mouseover : Look::Normal);
    }
    if (m_currentTab >= 0) {
        const QRect raised = tabRect(m_currentTab).adjusted(0, -2, 0, 0);
        if (raised.intersects(dirty) && raised.left() > 0) {
            painter.fillRect(raised, m_selectedBackground);
            paintTab(painter, m_currentTab, raised, Look::Selected);
            if (hasFocus())
                paintFocusRect(painter);
        }
    }
}

void TabStrip::paintTab(QPainter &painter, int index, const QRect &tabRect, TabStrip::Look look) const
{
    const Tab &tab = m_tabs[static_cast<std::size_t>(index)];
    const QRect picture = tabRect.adjusted(0, 0, 0, 2);
    const QString name = lookName(look);
    if (m_skin)
        m_skin->drawCombined(painter, QStringLiteral("tab_") + name, picture);

    if (tab.colour.isValid()) {
        std::optional<QRect> bar;
        if (m_skin)
            bar = m_skin->findRect(QStringLiteral("tab_color_") + name, tabRect);
        painter.fillRect(bar.value_or(defaultColourBar(look, theme::Rect::fromQRect(tabRect)).toQRect()), tab.colour);
    }

    // Embossed: white first, black one pixel up and left.
    QRect text = picture.translated(1, look == TabStrip::Look::Mouseover ? 3 : 4);
    const int tabRight = tabRect.left() + tabRect.width();
    QRect white = text;
    QRect black = text.translated(-1, -1);
    int alignment = Qt::AlignHCenter;
    if (m_overflowing && tabRight >= arrowsRect().left()) {
        // Reaching under the arrows: left-aligned, ending short of them.
        const int extra = look == TabStrip::Look::Selected && index != firstVisibleTab() ? 3 : 0;
        const int arrows = arrowsRect().left();
        white = fromEdges(tabRect.left() + 4 + extra, text.top(), arrows - 5, text.bottom() + 1);
        black = fromEdges(tabRect.left() + 3 + extra, text.top() - 1, arrows - 6, text.bottom());
        alignment = Qt::AlignLeft;
    }
    const int flags = alignment | Qt::AlignTop | Qt::TextSingleLine;
    // The light halo reads as an emboss on a light strip; the unselected tabs of a dark strip
    // have darker faces, on which it only blurs the label.
    const bool darkStrip = m_selectedBackground.lightness() < 128;
    if (look == TabStrip::Look::Selected || !darkStrip) {
        painter.setPen(Qt::white);
        painter.drawText(white, flags, tab.text);
    }
    painter.setPen(Qt::black);
    painter.drawText(black, flags, tab.text);
}

void TabStrip::paintFocusRect(QPainter &painter) const
{
    theme::Rect focus = theme::Rect::fromQRect(tabRect(m_currentTab));
    if (m_currentTab != firstVisibleTab())
        focus.left -= 3;
    if (tabAt(QPoint(focus.right + 5, focus.bottom - 4)) >= 0)
        focus.right += 3;
    const int arrows = arrowsRect().left();
    if (!m_overflowing || focus.right < arrows) {
        focus.left += 3;
        focus.right -= 3;
    } else {
        focus.left += 3;
        focus.right = arrows - 6;
    }
    focus.top += 1;
    painter.save();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(focus.toQRect().adjusted(0, 0, -1, -1));
    painter.restore();
}

void TabStrip::mousePressEvent(QMouseEvent *event)
{
    const int index = tabAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        emit tabRightClicked(index, event->globalPosition().toPoint());
        return;
    }
    if (event->button() == Qt::LeftButton && index >= 0 && index != m_currentTab)
        changeSelection(index);
}

void TabStrip::mouseMoveEvent(QMouseEvent *event)
{
    const int index = tabAt(event->position().toPoint());
    if (index != m_hoverTab) {
        m_hoverTab = index;
        m_hotTab = index;
        repaint();
    }
    QWidget::mouseMoveEvent(event);
}

void TabStrip::leaveEvent(QEvent *event)
{
    const int wasHovered = m_hoverTab;
    m_hotTab = -1;
    m_hoverTab = -1;
    // The selected tab looks the same hovered or not: no need to repaint for it.
    if (wasHovered >= 0 && wasHovered != m_currentTab)
        repaint();
    QWidget::leaveEvent(event);
}

void TabStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateScrolling();
}

void TabStrip::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureTabs();
        updateScrolling();
        update();
    }
}

} // namespace tabulet::ui
