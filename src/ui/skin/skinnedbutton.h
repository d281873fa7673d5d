#pragma once

#include "ui/skin/skin.h"

#include <QAbstractButton>

#include <array>

namespace tabulet::ui {

// A theme button: a child of the main window that paints the skin behind itself and then the
// picture of its current look. Pressing and releasing on it emits clicked() (dragging off before
// releasing does not); the pressed state never changes the picture.
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
    // Switches the selected look; the button repaints with the next paint.
    void setSelected(bool selected);
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

private:
    const Skin &m_skin;
    QWidget &m_window;
    int m_commandId = 0;
    QString m_commandName;
    std::array<SkinImage, 4> m_looks;
    bool m_selected = false;
    bool m_hovering = false;
};

} // namespace tabulet::ui
