#include "settings/journalwriter.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tabulet::settings {

namespace {

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// Creates or empties a file in the journal folder, making the folder first when it is not there.
int createEmpty(const QString &path)
{
    ::mkdir(encoded(QFileInfo(path).path()).constData(), 0700);
    return ::open(encoded(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
}

} // namespace

JournalWriter::~JournalWriter()
{
    closeFile();
}

void JournalWriter::open(const QString &path, const NoteFileIdentity &file, const JournalContents &kept)
{
    close();
    m_path = path;
    m_base = file;
    m_keptLength = kept.base == file ? kept.wholeLength : 0;
    // What an earlier run appended counts towards the bound as a whole: at worst the journal is
    // written afresh a little early.
    m_editBytes = m_keptLength;
}

void JournalWriter::close()
{
    closeFile();
    m_path.clear();
    m_size = 0;
    m_editBytes = 0;
    m_keptLength = 0;
    m_writeAfresh = false;
}

bool JournalWriter::record(const JournalEdit &edit, const std::function<QByteArray()> &wholeNote)
{
    if (m_path.isEmpty())
        return false;
    if (m_writeAfresh) {
        // A journal that could not be written is tried again after some more typing, not at every
        // key: the whole note written then holds what was typed meanwhile.
        m_editBytes += edit.inserted.size() + 1;
        return m_editBytes >= kRetryAfter && writeAfresh(wholeNote());
    }
    if (openForAppending()) {
        const QByteArray bytes = editRecord(edit);
        if (append(bytes)) {
            m_editBytes += bytes.size();
            if (m_editBytes <= kEditBound)
                return true;
        }
    }
    return writeAfresh(wholeNote());
}

void JournalWriter::saved(const NoteFileIdentity &file)
{
    closeFile();
    if (!m_path.isEmpty())
        ::unlink(encoded(m_path).constData());
    m_base = file;
    m_size = 0;
    m_editBytes = 0;
    m_keptLength = 0;
    m_writeAfresh = false;
}

bool JournalWriter::openForAppending()
{
    if (m_fd >= 0)
        return true;
    if (m_keptLength > 0) {
        // The earlier run's journal, without a torn record at its end.
        m_fd = ::open(encoded(m_path).constData(), O_WRONLY | O_CLOEXEC);
        if (m_fd >= 0 && ::ftruncate(m_fd, m_keptLength) == 0 && ::lseek(m_fd, 0, SEEK_END) == m_keptLength) {
            m_size = m_keptLength;
            m_keptLength = 0;
            return true;
        }
        closeFile();
        m_keptLength = 0;
        return false;
    }
    m_fd = createEmpty(m_path);
    if (m_fd < 0)
        return false;
    m_size = 0;
    if (!append(baseRecord(m_base))) {
        closeFile();
        return false;
    }
    return true;
}

bool JournalWriter::append(const QByteArray &bytes)
{
    if (!writeAll(m_fd, bytes))
        return false;
    m_size += bytes.size();
    return true;
}

bool JournalWriter::writeAfresh(const QByteArray &noteRtf)
{
    closeFile();
    const QString fresh = m_path + QStringLiteral(".new");
    m_fd = createEmpty(fresh);
    m_size = 0;
    m_keptLength = 0;
    if (m_fd < 0) {
        m_editBytes = 0;
        m_writeAfresh = true;
        return false;
    }
    // The journal in its place holds until the new one is complete.
    if (!append(baseRecord(m_base)) || !append(snapshotRecord(noteRtf)) ||
        ::rename(encoded(fresh).constData(), encoded(m_path).constData()) != 0) {
        closeFile();
        ::unlink(encoded(fresh).constData());
        m_editBytes = 0;
        m_writeAfresh = true;
        return false;
    }
    m_editBytes = 0;
    m_writeAfresh = false;
    return true;
}

void JournalWriter::closeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

} // namespace tabulet::settings
