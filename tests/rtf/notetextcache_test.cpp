// The search's cache of note texts: read once, read again when the file changes.
#include "rtf/notetextcache.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tabulet::rtf {
namespace {

void writeFile(const QString &path, const QByteArray &bytes, const QDateTime &modified)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.flush();
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
}

TEST(NoteTextCache, text_isReadAgainOnlyWhenSizeOrTimeChanged)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tab00001.rtf"));
    const QDateTime monday(QDate(2024, 3, 4), QTime(9, 0));
    writeFile(path, "{\\rtf1\\ansi Caf\\'e9 {\\b menu}\\par}", monday);
    NoteTextCache cache;
    ASSERT_NE(cache.text(path), nullptr);
    EXPECT_EQ(cache.text(path)->plain, QStringLiteral("Café menu"));
    EXPECT_EQ(cache.text(path)->folded.text, QStringLiteral("cafe menu"));

    // Same size and time: the cached text stays, even though the bytes differ.
    writeFile(path, "{\\rtf1\\ansi Tea\\'e9 {\\b menu}\\par}", monday);
    EXPECT_EQ(cache.text(path)->plain, QStringLiteral("Café menu"));
    writeFile(path, "{\\rtf1\\ansi Tea\\'e9 {\\b menu}\\par}", monday.addSecs(60));
    EXPECT_EQ(cache.text(path)->plain, QStringLiteral("Teaé menu"));
    writeFile(path, "{\\rtf1\\ansi Tea {\\b menu}\\par}", monday.addSecs(60));
    EXPECT_EQ(cache.text(path)->plain, QStringLiteral("Tea menu")) << "a new size is enough";

    QFile::remove(path);
    EXPECT_EQ(cache.text(path), nullptr);
}

} // namespace
} // namespace tabulet::rtf
