#pragma once

#include <QTreeWidget>

namespace tabulet::ui {

// A list whose rows are opened by a double click or by Return. Return stays with the list: in
// a dialog it would otherwise also press the default button once the row's own dialog closed.
class RowList final : public QTreeWidget
{
    Q_OBJECT
public:
    explicit RowList(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace tabulet::ui
