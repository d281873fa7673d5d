#include "platform/programicon.h"

namespace tabulet::platform {

QIcon programIcon()
{
    QIcon builtIn;
    for (const int size : {16, 24, 32, 48, 64, 128})
        builtIn.addFile(QStringLiteral(":/tabulet/icons/%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QStringLiteral("org.tabulet.Tabulet"), builtIn);
}

} // namespace tabulet::platform
