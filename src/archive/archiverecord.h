#pragma once

#include <QDateTime>
#include <QString>

namespace tabulet::archive {

// One folder of the archive folder, as the scan found it.
struct ArchiveRecord
{
    QDateTime time;              // from the folder's timestamp name; the time of the scan for other names
    QString path;                // full path of the folder
    int fileCount = 0;           // files directly inside (the plug-in settings sub-folder is not counted)
    bool timestampNamed = false; // the name is a real timestamp name, not a look-alike
};

// One file to copy into an archive, or out of one.
struct CopyItem
{
    QString source;    // full path of the file
    QString subFolder; // empty for the archive's top level, else "pluginCFG"
};

// One entry to delete; files come before the folder that holds them.
struct RemovalItem
{
    QString path;
    bool isFolder = false;
};

} // namespace tabulet::archive
