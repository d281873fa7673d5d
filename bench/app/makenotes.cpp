// Writes a data folder of formatted notes for the start-up benchmark:
// makenotes FOLDER COUNT MIN_KIB MAX_KIB
#include "rtf/richtextdocument.h"
#include "rtf/rtfwriter.h"
#include "settings/configurationfile.h"
#include "settings/folderset.h"
#include "settings/notefiles.h"
#include "settings/notelist.h"
#include "settings/presetlist.h"
#include "settings/settings.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cstdio>

using namespace tabulet;

namespace {

rtf::RichTextDocument formattedNote(QRandomGenerator &random, int bytes)
{
    static const char *const words[] = {"notes", "tabulet", "meeting", "remember", "buy", "milk", "call", "Anna",
                                        "project", "deadline", "ideas", "weekend", "garden", "books", "travel"};
    rtf::RichTextDocument document;
    document.paragraphs.clear();
    int written = 0;
    while (written < bytes) {
        rtf::Paragraph paragraph;
        if (random.bounded(5) == 0)
            paragraph.format.numbering = rtf::Numbering::Bullet;
        for (int r = 0; r < 4; ++r) {
            rtf::CharacterFormat format;
            format.bold = random.bounded(4) == 0;
            format.italic = random.bounded(5) == 0;
            format.underline = random.bounded(7) == 0;
            format.fontFace = QStringLiteral("Arial");
            format.sizeHalfPoints = 16 + 4 * static_cast<int>(random.bounded(4));
            QByteArray text;
            for (int w = 0; w < 6; ++w)
                text += QByteArray(words[random.bounded(15)]) + ' ';
            rtf::appendText(paragraph, text, format);
            written += static_cast<int>(text.size()) + 20;
        }
        document.paragraphs.push_back(paragraph);
    }
    return document;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: makenotes FOLDER COUNT MIN_KIB MAX_KIB\n");
        return 2;
    }
    settings::FolderSet folders;
    folders.dataFolder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folders.dataFolder);
    const int count = std::atoi(argv[2]);
    const int minBytes = std::atoi(argv[3]) * 1024;
    const int maxBytes = std::atoi(argv[4]) * 1024;

    settings::Settings options;
    settings::NoteList notes;
    settings::PresetList presets;
    QRandomGenerator random(1614);
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("tab%1.rtf").arg(i + 1, 5, 10, QLatin1Char('0'));
        QSaveFile file(folders.dataFolder + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(rtf::writeRtf(formattedNote(random, minBytes + random.bounded(maxBytes - minBytes + 1))));
        if (!file.commit())
            return 1;
        settings::Note note;
        note.title = QStringLiteral("Note %1").arg(i + 1);
        note.fileName = name;
        notes.append(note);
    }
    settings::ConfigurationFile configuration(folders, options, notes, presets);
    options.applyDefaults();
    options.value(QStringLiteral("confirmexit")) = QStringLiteral("0");
    return configuration.save() == settings::SaveResult::Failed ? 1 : 0;
}
