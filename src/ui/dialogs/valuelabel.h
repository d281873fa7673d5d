#pragma once

#include <QLabel>

namespace tabulet::ui {

// A value shown beside its name in a form, read-only and looking it: no input frame, plain text
// (never markup, whatever a file or a peer sent), selectable with the mouse. A
// value wider than its room is cut in the middle, where a path tells least
// ("/home/anna/…/plugins/dates.lua"), and then shows itself whole in its tool tip.
class ValueLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit ValueLabel(const QString &value, QWidget *parent = nullptr);

    const QString &value() const { return m_value; }

    // As wide as the whole value; it may be made as narrow as a few characters.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitValue();

    QString m_value;
};

} // namespace tabulet::ui
