#include "ui/editor/notedocumentcache.h"

#include <QFile>
#include <QTextDocument>

#include <algorithm>

#include <sys/stat.h>

namespace tabulet::ui {

std::optional<NoteFileStamp> NoteFileStamp::of(const QString &path)
{
    struct stat file = {};
    if (::stat(QFile::encodeName(path).constData(), &file) != 0 || !S_ISREG(file.st_mode))
        return std::nullopt;
    return NoteFileStamp{static_cast<qint64>(file.st_size),
                         static_cast<qint64>(file.st_mtim.tv_sec) * 1'000'000'000 + file.st_mtim.tv_nsec,
                         static_cast<quint64>(file.st_dev), static_cast<quint64>(file.st_ino)};
}

NoteDocumentCache::NoteDocumentCache(QObject *parent) : QObject(parent) {}

void NoteDocumentCache::keep(const QString &path, QTextDocument *document, const NoteFileStamp &stamp)
{
    const auto same = std::find_if(m_kept.begin(), m_kept.end(), [&](const Kept &kept) { return kept.path == path; });
    if (same != m_kept.end())
        drop(same);
    if (static_cast<int>(m_kept.size()) == kKeptDocuments)
        drop(m_kept.begin());
    document->setParent(this);
    m_kept.push_back({path, document, stamp});
}

QTextDocument *NoteDocumentCache::take(const QString &path)
{
    const auto kept = std::find_if(m_kept.begin(), m_kept.end(), [&](const Kept &entry) { return entry.path == path; });
    if (kept == m_kept.end())
        return nullptr;
    QTextDocument *document = kept->document;
    const bool unchanged = NoteFileStamp::of(path) == kept->stamp;
    if (!unchanged) {
        drop(kept);
        return nullptr;
    }
    m_kept.erase(kept);
    document->setParent(nullptr);
    return document;
}

void NoteDocumentCache::drop(std::vector<Kept>::iterator kept)
{
    delete kept->document;
    m_kept.erase(kept);
}

} // namespace tabulet::ui
