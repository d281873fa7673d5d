#include "themebuilder/package.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>

#include <zip.h>

#include <ctime>

namespace tabulet::themebuilder {

namespace {

// 2024-01-01 12:00:00 UTC; what matters is that it never changes.
constexpr time_t kMemberTime = 1704110400;

QString zipError(zip_t *archive)
{
    return QString::fromLocal8Bit(zip_strerror(archive));
}

bool addMember(zip_t *archive, const PackageMember &member, QString *error)
{
    zip_source_t *source =
        zip_source_buffer(archive, member.bytes.constData(), static_cast<zip_uint64_t>(member.bytes.size()), 0);
    if (!source) {
        *error = zipError(archive);
        return false;
    }
    const QByteArray name = member.name.toUtf8();
    const zip_int64_t index = zip_file_add(archive, name.constData(), source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        *error = zipError(archive);
        return false;
    }
    const auto entry = static_cast<zip_uint64_t>(index);
    if (zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, 9) != 0 ||
        zip_file_set_mtime(archive, entry, kMemberTime, 0) != 0) {
        *error = zipError(archive);
        return false;
    }
    return true;
}

QString openError(int code)
{
    zip_error_t zipError;
    zip_error_init_with_code(&zipError, code);
    QString text = QString::fromLocal8Bit(zip_error_strerror(&zipError));
    zip_error_fini(&zipError);
    return text;
}

} // namespace

bool writePackage(const QString &path, const std::vector<PackageMember> &members, QString *error)
{
    // libzip writes its own file; it is built in a private folder and then copied through QSaveFile.
    QTemporaryDir work;
    if (!work.isValid()) {
        *error = QStringLiteral("no temporary folder: %1").arg(work.errorString());
        return false;
    }
    const QByteArray zipPath = QFile::encodeName(work.filePath(QStringLiteral("package.zip")));
    int code = 0;
    zip_t *archive = zip_open(zipPath.constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        *error = openError(code);
        return false;
    }
    for (const PackageMember &member : members) {
        if (!addMember(archive, member, error)) {
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        *error = zipError(archive);
        zip_discard(archive);
        return false;
    }

    QFile built(QFile::decodeName(zipPath));
    if (!built.open(QIODevice::ReadOnly)) {
        *error = built.errorString();
        return false;
    }
    QSaveFile target(path);
    if (!target.open(QIODevice::WriteOnly) || target.write(built.readAll()) < 0 || !target.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, target.errorString());
        return false;
    }
    return true;
}

std::optional<std::vector<PackageMember>> readPackage(const QString &path, QString *error)
{
    int code = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
    if (!archive) {
        *error = QStringLiteral("%1: %2").arg(path, openError(code));
        return std::nullopt;
    }
    std::vector<PackageMember> members;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < count; ++index) {
        zip_stat_t stat;
        zip_file_t *file = nullptr;
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &stat) == 0)
            file = zip_fopen_index(archive, static_cast<zip_uint64_t>(index), 0);
        QByteArray bytes(file ? static_cast<qsizetype>(stat.size) : 0, Qt::Uninitialized);
        const zip_int64_t read = file ? zip_fread(file, bytes.data(), stat.size) : -1;
        if (file)
            zip_fclose(file);
        if (read != static_cast<zip_int64_t>(stat.size)) {
            *error = QStringLiteral("%1: member %2 is damaged: %3").arg(path).arg(index).arg(zipError(archive));
            zip_discard(archive);
            return std::nullopt;
        }
        members.push_back({QString::fromUtf8(stat.name), bytes});
    }
    zip_discard(archive);
    return members;
}

} // namespace tabulet::themebuilder
