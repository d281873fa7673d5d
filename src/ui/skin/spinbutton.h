#pragma once

#include <QWidget>

namespace tabulet::ui {

class Skin;

// A pair of horizontal arrows drawn from the skin's combined bitmaps "spin_left_normal",
// "spin_left_mouseover", "spin_right_normal" and "spin_right_mouseover". The left arrow steps
// the position toward first(), the right arrow toward last(); the range may be given either way
// round. The half whose end is reached is drawn greyed, unless both ends are (an empty range).
class SpinButton final : public QWidget
{
    Q_OBJECT

public:
    enum class Half { None, Left, Right };

    explicit SpinButton(QWidget *parent = nullptr);

    // The skin the arrows are drawn from; not owned. Without one, plain arrows are drawn.
    void setSkin(const Skin *skin);
    // Whether the arrows belong to the tab strip: their picture then keeps 2 pixels off the top,
    // the bottom and the side facing the tabs.
    void setInsetForStrip(bool inset);

    void setRange(int first, int last);
    int first() const { return m_first; }
    int last() const { return m_last; }
    int position() const { return m_position; }
    // Limits the position to the range; a change repaints and emits positionChanged.
    void setPosition(int position);

    // The half drawn greyed, Half::None when neither end or both ends are reached.
    Half greyedHalf() const;
    // The half under the pointer, Half::None when it is elsewhere.
    Half hoveredHalf() const { return m_hovered; }

signals:
    // The user or the program moved the position.
    void positionChanged(int position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    Half halfAt(const QPoint &position) const;
    QRect pictureRect() const;

    const Skin *m_skin = nullptr;
    bool m_insetForStrip = false;
    int m_first = 0;
    int m_last = 0;
    int m_position = 0;
    Half m_hovered = Half::None;
};

} // namespace tabulet::ui
