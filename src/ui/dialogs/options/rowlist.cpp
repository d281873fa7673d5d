#include "ui/dialogs/options/rowlist.h"

#include <QKeyEvent>

namespace tabulet::ui {

RowList::RowList(QWidget *parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
}

void RowList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentItem()) {
        emit itemActivated(currentItem(), currentColumn());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

} // namespace tabulet::ui
