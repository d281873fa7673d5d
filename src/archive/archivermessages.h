#pragma once

#include "archive/archiverhost.h"

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::archive {

// Makes one folder level like settings::ensureFolder, showing its message through the host.
bool ensureFolderOrTell(const QString &path, lang::TextTable &texts, ArchiverHost &host);

// "ARCHIVER_FILESCOPIED" with the number of files copied and the archive's folder.
ArchiverMessage filesCopiedMessage(lang::TextTable &texts, int filesCopied, const QString &archivePath);

// The message for a file an archive or a restore could not copy, and why.
ArchiverMessage copyFailedMessage(lang::TextTable &texts, const QString &source, const QString &reason);

} // namespace tabulet::archive
