#include "archive/archivefiles.h"

#include "settings/notefiles.h"
#include "settings/notelist.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace tabulet::archive {
namespace {

constexpr qint64 kCopyChunk = 64 * 1024;

// Files of a folder (no folders, no devices or pipes), sorted by name.
QStringList filesOf(const QString &folder, const QStringList &patterns)
{
    QStringList names;
    for (QDirIterator it(folder, patterns, QDir::Files | QDir::Hidden); it.hasNext();) {
        it.next();
        names << it.fileName();
    }
    std::sort(names.begin(), names.end());
    return names;
}

QString canonicalFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QString() : canonical + QLatin1Char('/');
}

} // namespace

bool isArchivedTopLevelName(const QString &name)
{
    return name.compare(kLegacyFile, Qt::CaseInsensitive) == 0 ||
           name.compare(kConfigurationFile, Qt::CaseInsensitive) == 0 ||
           name.endsWith(QLatin1StringView(".rtf"), Qt::CaseInsensitive);
}

bool staysInside(const QString &path, const QString &folder)
{
    const QString inside = canonicalFolder(folder);
    if (inside.isEmpty())
        return false;
    QFileInfo info(QDir::cleanPath(QDir(folder).absoluteFilePath(path)));
    QString rest;
    // Climb to the nearest part that exists: only existing parts can be links.
    while (!info.exists() && !info.isSymLink()) {
        rest = QLatin1Char('/') + info.fileName() + rest;
        const QString parent = info.path();
        if (parent == info.filePath())
            return false;
        info = QFileInfo(parent);
    }
    const QString canonical = info.canonicalFilePath();
    if (canonical.isEmpty())
        return false; // a dangling link leads nowhere we can vouch for
    return (canonical + rest + QLatin1Char('/')).startsWith(inside);
}

std::vector<CopyItem> collectFiles(const QString &dataFolder, const settings::NoteList &notes, bool allNotes)
{
    const QDir data(dataFolder);
    const QString pluginSettings = data.filePath(kPluginSettingsFolder);
    // Only links can lead out: a file that is none, in a folder that is none, stays inside.
    const bool pluginSettingsLinked = QFileInfo(pluginSettings).isSymLink();
    std::vector<CopyItem> items;
    const auto append = [&](const QString &path, const QString &subFolder) {
        const bool linked = QFileInfo(path).isSymLink() || (!subFolder.isEmpty() && pluginSettingsLinked);
        if (!linked || staysInside(path, dataFolder))
            items.push_back({path, subFolder});
    };
    append(data.filePath(kLegacyFile), {});
    append(data.filePath(kConfigurationFile), {});

    for (const QString &name : filesOf(pluginSettings, {}))
        append(QDir(pluginSettings).filePath(name), kPluginSettingsFolder);

    if (allNotes) {
        for (const QString &name : filesOf(dataFolder, {QStringLiteral("*.rtf")}))
            append(data.filePath(name), {});
    } else {
        for (const settings::Note &note : notes) {
            const QString path = settings::noteFilePath(dataFolder, note.fileName);
            if (!path.isEmpty())
                append(path, {});
        }
    }
    return items;
}

bool copyNewFile(const QString &source, const QString &target, QString *error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *error = in.errorString();
        return false;
    }
    // NewOnly: the system refuses an existing target (a symbolic link included) in the same call
    // that creates the file.
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        *error = out.errorString();
        return false;
    }
    // One buffer on the stack: a note is copied in one read and one write, with no allocation.
    std::array<char, kCopyChunk> chunk;
    bool copied = true;
    while (copied) {
        const qint64 read = in.read(chunk.data(), kCopyChunk);
        if (read <= 0) {
            copied = read == 0;
            if (!copied)
                *error = in.errorString();
            break;
        }
        if (out.write(chunk.data(), read) != read) {
            *error = out.errorString();
            copied = false;
        }
    }
    out.close();
    if (copied && out.error() != QFileDevice::NoError) {
        *error = out.errorString();
        copied = false;
    }
    if (!copied)
        out.remove();
    return copied;
}

} // namespace tabulet::archive
