// Theme packages as ZIP archives: written with a fixed time stamp on every member, so that the same
// sources always give the same bytes, and read back whole into memory.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tabulet::themebuilder {

struct PackageMember
{
    QString name;
    QByteArray bytes;
};

// Members are stored in the given order, deflated. Writes through a temporary file renamed over
// the target, so a failed build never leaves half a package.
bool writePackage(const QString &path, const std::vector<PackageMember> &members, QString *error);

// Every member in archive order, each read completely (a damaged member fails the whole read).
std::optional<std::vector<PackageMember>> readPackage(const QString &path, QString *error);

} // namespace tabulet::themebuilder
