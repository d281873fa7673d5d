#pragma once

#include <QByteArrayView>
#include <QString>

namespace tabulet::theme {

// A member's name as a message shows it: a long name keeps its start and its end around "…",
// so that a hostile package cannot fill a message box.
QString shownMemberName(QByteArrayView name);

} // namespace tabulet::theme
