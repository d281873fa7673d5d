#include "settings/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>

using namespace tabulet;

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A small file system of its own, so that a disk can be filled; needs root.
class SmallDisk
{
public:
    SmallDisk() : m_path(m_root.filePath(QStringLiteral("disk")))
    {
        QDir().mkpath(m_path);
        m_mounted = ::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, "size=256k") == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString filePath(const QString &name) const { return m_path + u'/' + name; }
    QStringList files() const { return QDir(m_path).entryList(QDir::Files | QDir::Hidden); }

private:
    QTemporaryDir m_root;
    QString m_path;
    bool m_mounted = false;
};

} // namespace

TEST(WholeFile, replacesTheOldContentWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tab00001.rtf"));
    put(path, "old note");
    const QByteArray bytes(300000, 'n');
    EXPECT_TRUE(settings::writeWholeFile(path, bytes));
    EXPECT_EQ(contentOf(path), bytes);
    EXPECT_TRUE(settings::writeWholeFile(path, QByteArray()));
    EXPECT_EQ(contentOf(path), QByteArray());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("tab00001.rtf")});
}

TEST(WholeFile, aFullDiskKeepsTheOldFileAndSaysSo)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "a small file system can be mounted only as root";
    const QString note = disk.filePath(QStringLiteral("tab00001.rtf"));
    const QString configuration = disk.filePath(QStringLiteral("tbu_config.xml"));
    put(note, "{\\rtf1 the old note}");
    put(configuration, "<config/>");
    // Fills the disk to its last block.
    {
        QFile filler(disk.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
    // Larger and smaller than a write buffer: both used to be cut and renamed over the old file.
    for (const qsizetype size : {qsizetype(100), qsizetype(20000), qsizetype(1 << 20)}) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(settings::writeWholeFile(note, QByteArray(size, 'x')));
        EXPECT_EQ(contentOf(note), QByteArray("{\\rtf1 the old note}"));
        EXPECT_FALSE(settings::writeWholeFile(configuration, QByteArray(size, '<')));
        EXPECT_EQ(contentOf(configuration), QByteArray("<config/>"));
    }
    EXPECT_EQ(disk.files().size(), 3) << "no temporary file is left behind: " << disk.files().join(u' ').toStdString();
    // Room again: the next write succeeds.
    QFile::remove(disk.filePath(QStringLiteral("filler")));
    EXPECT_TRUE(settings::writeWholeFile(note, "{\\rtf1 the new note}"));
    EXPECT_EQ(contentOf(note), QByteArray("{\\rtf1 the new note}"));
}

TEST(WholeFile, aPlaceThatCannotBeWrittenIsRefused)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("folder/tab00001.rtf")));
    for (const QString &path :
         {dir.filePath(QStringLiteral("missing/tab00001.rtf")), dir.filePath(QStringLiteral("folder/tab00001.rtf"))}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(settings::writeWholeFile(path, "text"));
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("folder/tab00001.rtf"))).isDir());
}
