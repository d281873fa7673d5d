#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

class NoteEditor;

enum class ExportFormat { Rtf, PlainText };

// RTF for a file whose extension is "rtf" in any case, plain text for every other; the name
// decides, not the filter the user chose.
ExportFormat exportFormatOf(const QString &path);

// The note as the format writes it: RTF, or its text as UTF-8.
QByteArray exportBytes(const NoteEditor &editor, ExportFormat format);

// Writes the bytes in place of the file only once all of them were written, so that a failed
// export never leaves a damaged file. False when nothing could be written.
bool writeExport(const QString &path, const QByteArray &bytes);

// The save dialog's filters: rich text (*.rtf), then plain text (*.txt), named in the language.
QStringList exportFilters(lang::TextTable &texts);

// A note's title as a file name: no folder separators or control characters.
QString exportFileName(const QString &title);

} // namespace tabulet::ui
