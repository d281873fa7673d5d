#pragma once

#include "lang/searchtext.h"

#include <QDateTime>
#include <QHash>
#include <QString>

namespace tabulet::rtf {

// The plain text of note files for searching, read through the RTF reader once and read again
// only when a file's size or modification time changed.
class NoteTextCache final
{
public:
    struct Text
    {
        QString plain;
        lang::FoldedText folded;
    };

    // The file's text, valid until the next call; nullptr when the file cannot be read.
    const Text *text(const QString &path);

private:
    struct Entry
    {
        qint64 size = -1;
        QDateTime modified;
        Text text;
    };
    QHash<QString, Entry> m_entries;
};

} // namespace tabulet::rtf
