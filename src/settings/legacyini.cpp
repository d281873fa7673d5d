#include "settings/legacyini.h"

#include "settings/notefiles.h"
#include "settings/notelist.h"
#include "settings/settings.h"
#include "settings/textnumber.h"

#include <lang/textdecoding.h>

#include <QStringList>

namespace tabulet::settings {

namespace {

void readOption(QStringView line, Settings &settings)
{
    const qsizetype comment = line.indexOf(u'#');
    if (comment >= 0)
        line = line.left(comment);
    line = line.trimmed();
    const qsizetype equals = line.indexOf(u'=');
    if (line.isEmpty() || equals < 0)
        return;
    // The old writer put a blank before "=", and the old reader always dropped the character
    // there; a key written as "wordwrap=0" therefore loses its last letter. Kept so that such
    // files read as they always did.
    const QString key = line.left(qMax<qsizetype>(equals - 1, 0)).trimmed().toString().toLower();
    settings.value(key) = line.mid(equals + 1).trimmed().toString();
}

QString noteOptionKey(int number)
{
    return QStringLiteral("tab%1").arg(number, 2, 10, QLatin1Char('0'));
}

// "visible|r,g,b|file|title"; older values lack the flag, the colour, or both.
Note readNote(const QString &value)
{
    QStringList fields = value.split(u'|');
    if (fields.first().size() != 1)
        fields.prepend(QStringLiteral("1"));
    Note note;
    note.visible = fields.first() == QLatin1String("1");
    if (fields.size() > 1) {
        if (fields.at(1).contains(u',')) {
            const QStringList channels = fields.at(1).split(u',');
            if (channels.size() == 3) {
                note.titleColour = colourFromRgb(leadingNumber(channels.at(0)), leadingNumber(channels.at(1)),
                                                 leadingNumber(channels.at(2)));
                note.hasTitleColour = true;
            }
        } else if (!fields.at(1).isEmpty()) {
            fields.insert(1, QString());
        }
    }
    if (fields.size() > 2)
        note.fileName = plainNoteFileName(fields.at(2).trimmed());
    // A title holding "|" was split with the rest; it is put together again.
    if (fields.size() > 3)
        note.title = fields.mid(3).join(u'|').trimmed();
    return note;
}

} // namespace

void readLegacyIni(const QByteArray &bytes, Settings &settings, NoteList &notes)
{
    const QString text = lang::decodeText(bytes);
    for (const QStringView line : QStringView(text).split(u'\n'))
        readOption(line, settings);

    for (int number = 0; number <= 9; ++number) {
        QString &old = settings.value(QStringLiteral("tab%1").arg(number));
        if (old.isEmpty())
            continue;
        settings.value(noteOptionKey(number)) = old;
        old.clear();
    }

    notes.clear();
    for (int number = 0; number <= 99; ++number) {
        const QString value = settings.value(noteOptionKey(number));
        if (!value.isEmpty())
            notes.append(readNote(value));
    }
}

} // namespace tabulet::settings
