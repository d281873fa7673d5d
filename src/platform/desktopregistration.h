#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tabulet::platform {

// Registers the program as the handler of its language (.tabulang) and theme (.tabutheme) files:
// one desktop entry per switch and a shared-mime-info package under the user's data folder.
// Everything is silent: a file that cannot be written is skipped. Returns the files it (re)wrote;
// a file whose content would not change is left alone.
QStringList registerFileTypes(const QString &executablePath, const QString &dataHome);

// The Exec line of a desktop entry that runs the executable with the switch and the opened file.
QString desktopExecLine(const QString &executablePath, const QString &switchName);

// The contents written by registerFileTypes, exposed for inspection.
QByteArray desktopEntry(const QString &executablePath, const QString &switchName);
QByteArray mimePackage();

} // namespace tabulet::platform
