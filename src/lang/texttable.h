#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace tabulet::lang {

// The process-wide table of user-visible texts, filled from ".tabulang" files. Each line of a
// file holds "KEY: text"; "//" starts a comment anywhere, "\n" in a text is a line break and a
// later line replaces an earlier one. Keys are case-sensitive.
class TextTable final
{
public:
    // Language files larger than this are refused as if they could not be opened: real files
    // are a few kilobytes, and a huge one would only cost memory and start-up time.
    static constexpr qint64 kMaxFileSize = 4 * 1024 * 1024;

    // Lays the entries of the file over the table (entries the file does not name stay).
    // Returns false and leaves the table unchanged when the file cannot be read or is too large.
    bool loadLanguageFile(const QString &path);

    // Lays the entries of file contents over the table. Bytes are UTF-8 when valid, else
    // Windows-1252.
    void loadLanguageText(const QByteArray &bytes);

    // The text of a key; a key not in the table gives the empty text and is entered with it.
    QString text(const QString &key);

    bool contains(const QString &key) const { return m_texts.contains(key); }
    qsizetype size() const { return m_texts.size(); }
    // The keys in the table, sorted.
    QStringList keys() const;

private:
    QHash<QString, QString> m_texts;
};

// The bytes of a language file; nothing when it cannot be read or is larger than
// TextTable::kMaxFileSize.
std::optional<QByteArray> readLanguageFile(const QString &path);

} // namespace tabulet::lang
