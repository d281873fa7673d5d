#include "ui/dialogs/valuelabel.h"

#include <QFontMetricsF>

#include <cmath>

namespace tabulet::ui {
namespace {

// The least room a value keeps, in average characters.
constexpr int kMinimumCharacters = 12;

} // namespace

ValueLabel::ValueLabel(const QString &value, QWidget *parent) : QLabel(parent), m_value(value)
{
    setTextFormat(Qt::PlainText);
    // Selectable with the mouse only: Tab passes over it to the dialog's controls.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    // Whole until it is laid out and knows its room.
    setText(m_value);
}

QSize ValueLabel::sizeHint() const
{
    const QMargins margins = contentsMargins();
    // Rounded up and a pixel more: the eliding measures in fractions of a pixel.
    const int width = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(m_value))) + 1;
    return {width + 2 * margin() + margins.left() + margins.right(), QLabel::sizeHint().height()};
}

QSize ValueLabel::minimumSizeHint() const
{
    return {std::min(sizeHint().width(), fontMetrics().averageCharWidth() * kMinimumCharacters),
            QLabel::minimumSizeHint().height()};
}

void ValueLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fitValue();
}

void ValueLabel::fitValue()
{
    const QString shown = fontMetrics().elidedText(m_value, Qt::ElideMiddle, contentsRect().width() - 2 * margin());
    if (shown != text())
        setText(shown);
    setToolTip(shown == m_value ? QString() : m_value);
}

} // namespace tabulet::ui
