#include "theme/themepackage.h"

#include <QFile>

#include <zip.h>

#include <algorithm>

namespace tabulet::theme {

namespace {

QString zipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    const QString text = QString::fromUtf8(zip_error_strerror(&error));
    zip_error_fini(&error);
    return text;
}

QString zipErrorText(zip_error_t *error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

// Reads one opened member to its end, refusing more than the limit.
std::optional<QByteArray> readAll(zip_file_t *file, qint64 limit, QString *error)
{
    QByteArray data;
    char buffer[64 * 1024];
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer, sizeof buffer);
        if (got < 0) {
            setError(error, QString::fromUtf8(zip_file_strerror(file)));
            return std::nullopt;
        }
        if (got == 0)
            return data;
        if (data.size() + got > limit) {
            setError(error, QStringLiteral("member larger than allowed"));
            return std::nullopt;
        }
        data.append(buffer, static_cast<qsizetype>(got));
    }
}

} // namespace

struct ThemePackage::Archive
{
    zip_t *zip = nullptr;
    QByteArray bytes; // backs an archive opened from memory; must outlive zip

    ~Archive()
    {
        if (zip)
            zip_discard(zip);
    }
};

ThemePackage::ThemePackage(Limits limits) : m_limits(limits) {}
ThemePackage::ThemePackage() = default;
ThemePackage::~ThemePackage() = default;
ThemePackage::ThemePackage(ThemePackage &&) noexcept = default;
ThemePackage &ThemePackage::operator=(ThemePackage &&) noexcept = default;

bool ThemePackage::open(const QString &path, QString *error)
{
    m_archive.reset();
    m_totalRead = 0;
    int code = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!zip) {
        setError(error, zipErrorText(code));
        return false;
    }
    m_archive = std::make_unique<Archive>();
    m_archive->zip = zip;
    return true;
}

bool ThemePackage::openBytes(const QByteArray &bytes, QString *error)
{
    m_archive.reset();
    m_totalRead = 0;
    // libzip takes an empty buffer for an empty archive; a file of no bytes is refused, so are these.
    if (bytes.isEmpty()) {
        setError(error, zipErrorText(ZIP_ER_NOZIP));
        return false;
    }
    auto archive = std::make_unique<Archive>();
    archive->bytes = bytes;
    zip_error_t zipError;
    zip_error_init(&zipError);
    zip_source_t *source = zip_source_buffer_create(archive->bytes.constData(),
                                                    static_cast<zip_uint64_t>(archive->bytes.size()), 0, &zipError);
    if (!source) {
        setError(error, zipErrorText(&zipError));
        zip_error_fini(&zipError);
        return false;
    }
    archive->zip = zip_open_from_source(source, ZIP_RDONLY, &zipError);
    if (!archive->zip) {
        zip_source_free(source);
        setError(error, zipErrorText(&zipError));
        zip_error_fini(&zipError);
        return false;
    }
    zip_error_fini(&zipError);
    m_archive = std::move(archive);
    return true;
}

bool ThemePackage::isOpen() const
{
    return m_archive && m_archive->zip;
}

std::optional<QByteArray> ThemePackage::readMember(const QByteArray &name, QString *error)
{
    if (!isOpen()) {
        setError(error, QStringLiteral("no package"));
        return std::nullopt;
    }
    zip_t *zip = m_archive->zip;
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    zip_int64_t index = -1;
    for (zip_int64_t i = 0; i < count && index < 0; ++i) {
        const auto at = static_cast<zip_uint64_t>(i);
        // Stored bytes first; names written in a legacy code page also match in their UTF-8 form.
        const char *raw = zip_get_name(zip, at, ZIP_FL_ENC_RAW);
        const char *decoded = zip_get_name(zip, at, ZIP_FL_ENC_GUESS);
        if ((raw && name == raw) || (decoded && name == decoded))
            index = i;
    }
    if (index < 0) {
        setError(error, QStringLiteral("no such member"));
        return std::nullopt;
    }

    const auto at = static_cast<zip_uint64_t>(index);
    const qint64 limit = std::max<qint64>(0, std::min(m_limits.member, m_limits.total - m_totalRead));
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat_index(zip, at, 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) &&
        stat.size > static_cast<zip_uint64_t>(limit)) {
        setError(error, QStringLiteral("member larger than allowed"));
        return std::nullopt;
    }
    zip_file_t *file = zip_fopen_index(zip, at, 0);
    if (!file) {
        setError(error, QString::fromUtf8(zip_strerror(zip)));
        return std::nullopt;
    }
    std::optional<QByteArray> data = readAll(file, limit, error);
    zip_fclose(file);
    if (data)
        m_totalRead += data->size();
    return data;
}

bool ThemePackage::countDecoded(qint64 bytes)
{
    if (bytes < 0 || bytes > m_limits.total - m_totalRead)
        return false;
    m_totalRead += bytes;
    return true;
}

} // namespace tabulet::theme
