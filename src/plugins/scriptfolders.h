#pragma once

#include <QStringList>

namespace tabulet::plugins {

// Every "*.lua" file below the folders, in the order the folders are given: in each folder its
// scripts by name, then each sub-folder the same way, depth first. A file reached twice (the
// same folder given twice, a link back up the tree) is listed once. Missing folders give nothing.
QStringList listScripts(const QStringList &folders);

} // namespace tabulet::plugins
