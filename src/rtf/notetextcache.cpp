#include "rtf/notetextcache.h"

#include "rtf/rtfreader.h"

#include <QFile>
#include <QFileInfo>

namespace tabulet::rtf {

const NoteTextCache::Text *NoteTextCache::text(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        m_entries.remove(path);
        return nullptr;
    }
    const auto cached = m_entries.constFind(path);
    if (cached != m_entries.constEnd() && cached->size == info.size() && cached->modified == info.lastModified())
        return &cached->text;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_entries.remove(path);
        return nullptr;
    }
    Entry entry;
    entry.size = info.size();
    entry.modified = info.lastModified();
    entry.text.plain = readRtf(file.readAll()).plainText();
    entry.text.folded = lang::foldForSearch(entry.text.plain);
    return &m_entries.insert(path, std::move(entry))->text;
}

} // namespace tabulet::rtf
