#pragma once

#include "ui/skin/skin.h"

#include <QAbstractButton>

#include <array>
#include <vector>

namespace tabulet::ui {

// A theme button: a child of the main window that paints the skin behind itself and then the
// picture of its current look. Pressing and releasing on it emits clicked() (dragging off before
// releasing does not); the pressed state never changes the picture.
//
// It takes the focus only when asked (setFocus): then the arrow keys move the focus to the
// previous or next button of the window, Space and Enter press it, and a frame shows the focus.
class SkinnedButton final : public QAbstractButton
{
    Q_OBJECT

public:
    enum class Look { Normal, Mouseover, Selected, SelectedMouseover };

    // skin paints the background; window is the window the skin belongs to (the parent).
    SkinnedButton(const Skin &skin, QWidget &window, int commandId, const QString &commandName);

    int commandId() const { return m_commandId; }
    const QString &commandName() const { return m_commandName; }

    // The picture of a look; a null image leaves the look absent.
    void setLookImage(Look look, const SkinImage &image);
    bool hasLook(Look look) const;

    bool isSelected() const { return m_selected; }
    // Switches the selected look; the button repaints with the next paint. A button whose
    // selected look is ever set is a toggle (assistive technology reads it as checked or not).
    void setSelected(bool selected);
    bool isToggle() const { return m_toggle; }
    bool isHovering() const { return m_hovering; }

    // The look painted now: selected and hovered prefer "selected_mouseover", then "selected";
    // hovered prefers "mouseover"; otherwise, or when those are absent, "normal".
    Look shownLook() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    const Skin &m_skin;
    QWidget &m_window;
    int m_commandId = 0;
    QString m_commandName;
    std::array<SkinImage, 4> m_looks;
    void focusNeighbour(int step);

    bool m_selected = false;
    bool m_toggle = false;
    bool m_hovering = false;
};

// The window's buttons that the keyboard reaches, in reading order (rows from the top, each from
// the left): shown, enabled, and with a picture.
std::vector<SkinnedButton *> reachableButtons(const QWidget &window);

} // namespace tabulet::ui
