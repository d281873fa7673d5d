#include "ui/notedocumentcache.h"

#include <QFileInfo>
#include <QTextDocument>

#include <algorithm>

namespace tabulet::ui {

std::optional<NoteFileStamp> NoteFileStamp::of(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return std::nullopt;
    return NoteFileStamp{file.size(), file.lastModified()};
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
