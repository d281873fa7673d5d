#include "ui/window/tabstripaccessible.h"

#include "ui/window/tabstrip.h"

#include <QPointer>
#include <QWindow>

namespace tabulet::ui {

namespace {

// One tab of the strip, by its index; it is gone while the strip has fewer tabs.
class PageTabAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    PageTabAccessible(TabStrip &strip, int index) : m_strip(&strip), m_index(index) {}

    bool isValid() const override { return m_strip && m_index < m_strip->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_strip ? m_strip->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_strip); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? m_strip->tabText(m_index) : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool current = m_strip->currentIndex() == m_index;
        state.selectable = true;
        state.selected = current;
        state.focusable = true;
        state.focused = current && m_strip->hasFocus();
        state.invisible = !m_strip->isVisible();
        state.offscreen = rect().isEmpty();
        return state;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_strip->tabRect(m_index).intersected(m_strip->rect());
        return tab.isEmpty() ? QRect() : QRect(m_strip->mapToGlobal(tab.topLeft()), tab.size());
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && isValid())
            m_strip->setCurrentIndex(m_index);
    }

private:
    QPointer<TabStrip> m_strip;
    int m_index;
};

} // namespace

TabStripAccessible::TabStripAccessible(TabStrip &strip) : QAccessibleWidget(&strip, QAccessible::PageTabList) {}

TabStripAccessible::~TabStripAccessible()
{
    for (const QAccessible::Id id : m_tabs)
        QAccessible::deleteAccessibleInterface(id);
}

TabStrip &TabStripAccessible::strip() const
{
    return *static_cast<TabStrip *>(widget());
}

int TabStripAccessible::childCount() const
{
    return strip().count();
}

QAccessibleInterface *TabStripAccessible::child(int index) const
{
    if (index < 0 || index >= strip().count())
        return nullptr;
    while (static_cast<int>(m_tabs.size()) <= index) {
        const int made = static_cast<int>(m_tabs.size());
        m_tabs.push_back(QAccessible::registerAccessibleInterface(new PageTabAccessible(strip(), made)));
    }
    return QAccessible::accessibleInterface(m_tabs[static_cast<std::size_t>(index)]);
}

int TabStripAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (std::size_t index = 0; index < m_tabs.size(); ++index) {
        if (QAccessible::accessibleInterface(m_tabs[index]) == child)
            return static_cast<int>(index) < strip().count() ? static_cast<int>(index) : -1;
    }
    return -1;
}

QAccessibleInterface *TabStripAccessible::childAt(int x, int y) const
{
    return child(strip().tabAt(strip().mapFromGlobal(QPoint(x, y))));
}

} // namespace tabulet::ui
