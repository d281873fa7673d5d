#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QRegion>

class QImage;
class QWidget;

namespace tabulet::ui {

class Skin;

// The part of a painted skin that stays: every pixel except those of the key colour.
QRegion keyedShape(const QImage &skin, const QColor &key);

// Cuts the theme's key colour out of the main window: the window's shape is made from the
// painted skin, so the desktop shows through key-coloured pixels and clicks there reach the
// window below. The shape follows every layout of the skin until transparency is switched off.
class WindowShape final : public QObject
{
    Q_OBJECT

public:
    // Both must outlive the shape.
    WindowShape(QWidget &window, const Skin &skin);

    // A child window whose rectangle the shape never cuts, wherever it is placed: the note and
    // the tabs stay whole whatever colour the key is. The child must outlive the shape.
    void keepWhole(QWidget &child);

    // Applies the skin's current setting: shaped by its key colour when its transparency is
    // on, rectangular and opaque otherwise.
    void apply();
    bool isShaped() const { return m_shaped; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateMask();

    QWidget &m_window;
    const Skin &m_skin;
    QList<QWidget *> m_kept;
    bool m_shaped = false;
};

} // namespace tabulet::ui
