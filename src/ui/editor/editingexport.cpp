#include "ui/editor/editingexport.h"

#include "lang/formattext.h"
#include "lang/texttable.h"
#include "settings/wholefile.h"
#include "ui/editor/noteeditor.h"

#include <QFileInfo>

namespace tabulet::ui {

ExportFormat exportFormatOf(const QString &path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0 ? ExportFormat::Rtf
                                                                                            : ExportFormat::PlainText;
}

QByteArray exportBytes(const NoteEditor &editor, ExportFormat format)
{
    if (format == ExportFormat::Rtf)
        return editor.noteBytes();
    return editor.toPlainText().toUtf8();
}

bool writeExport(const QString &path, const QByteArray &bytes)
{
    return settings::writeWholeFile(path, bytes);
}

QStringList exportFilters(lang::TextTable &texts)
{
    // The names come from a language file: placed as texts, never used as the format.
    return {lang::formatText(QStringLiteral("%s (RTF) (*.rtf)"), {texts.text(QStringLiteral("RICHEDIT_FILE"))}),
            lang::formatText(QStringLiteral("%s (TXT) (*.txt)"), {texts.text(QStringLiteral("TEXT_FILE"))})};
}

QString exportFileName(const QString &title)
{
    QString name = title;
    for (QChar &character : name) {
        if (character == QLatin1Char('/') || character == QLatin1Char('\\') ||
            character.category() == QChar::Other_Control)
            character = QLatin1Char('_');
    }
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("note");
    return name;
}

} // namespace tabulet::ui
