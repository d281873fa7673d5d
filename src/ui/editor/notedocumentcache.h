#pragma once

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QTextDocument;

namespace tabulet::ui {

// What a note file looked like when its document was read from it or written to it: a file
// replaced by another (a new inode) or written in place (a new time to the nanosecond) differs.
struct NoteFileStamp
{
    qint64 size = 0;
    qint64 modifiedNanoseconds = 0;
    quint64 device = 0;
    quint64 inode = 0;

    friend bool operator==(const NoteFileStamp &, const NoteFileStamp &) = default;

    // Nothing for a file that does not exist.
    static std::optional<NoteFileStamp> of(const QString &path);
};

// The documents of the notes shown last, kept so that going back to a long note does not read
// and convert its file again. A kept document is handed back only while its file is exactly as
// it was when the document matched it; any other change to the file makes it be read afresh.
class NoteDocumentCache final : public QObject
{
public:
    // Long notes take some megabytes each as documents: a few are enough to go back and forth.
    static constexpr int kKeptDocuments = 3;

    explicit NoteDocumentCache(QObject *parent = nullptr);

    // Keeps a document that matches the file at the path as stamped; the cache owns it now.
    // The oldest kept document goes when there are too many.
    void keep(const QString &path, QTextDocument *document, const NoteFileStamp &stamp);
    // The document kept for the path if its file is unchanged, handed over to the caller;
    // otherwise nothing, and a stale document is dropped.
    QTextDocument *take(const QString &path);

    int keptCount() const { return static_cast<int>(m_kept.size()); }

private:
    struct Kept
    {
        QString path;
        QTextDocument *document;
        NoteFileStamp stamp;
    };

    void drop(std::vector<Kept>::iterator kept);

    std::vector<Kept> m_kept; // oldest first
};

} // namespace tabulet::ui
