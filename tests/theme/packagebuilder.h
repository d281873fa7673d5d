#pragma once

// Builds theme packages and BMP pictures in code for the tests.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <zip.h>

#include <stdexcept>
#include <vector>

namespace tabulet::theme::test {

struct Member
{
    QByteArray name;
    QByteArray data;
    bool stored = false; // kept uncompressed instead of deflated
};

// Writes a ZIP archive of the members to the path.
inline void writePackage(const QString &path, const std::vector<Member> &members)
{
    int code = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip)
        throw std::runtime_error("cannot create package");
    for (const Member &member : members) {
        // The buffers live in `members` until zip_close.
        zip_source_t *source = zip_source_buffer(zip, member.data.constData(), member.data.size(), 0);
        const zip_int64_t index = zip_file_add(zip, member.name.constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(zip);
            throw std::runtime_error("cannot add member");
        }
        zip_set_file_compression(zip, static_cast<zip_uint64_t>(index), member.stored ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 0);
    }
    if (zip_close(zip) != 0)
        throw std::runtime_error("cannot write package");
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read file");
    return file.readAll();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write file");
}

// Replaces every occurrence of `from` by `to` (same length) in the file: a way to give two
// members the same stored name or to damage stored data.
inline void patchFile(const QString &path, const QByteArray &from, const QByteArray &to)
{
    QByteArray bytes = readFile(path);
    if (from.size() != to.size() || !bytes.contains(from))
        throw std::runtime_error("nothing to patch");
    bytes.replace(from, to);
    writeFile(path, bytes);
}

// A 24-bit bottom-up BMP of the given size, every pixel the colour (0xRRGGBB).
inline QByteArray bmp(int width, int height, quint32 rgb = 0x336699)
{
    const int rowSize = (width * 3 + 3) & ~3;
    const int pixelBytes = rowSize * height;
    QByteArray bytes(54 + pixelBytes, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    data[0] = 'B';
    data[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(bytes.size()), data + 2);
    qToLittleEndian<quint32>(54, data + 10);
    qToLittleEndian<quint32>(40, data + 14);
    qToLittleEndian<qint32>(width, data + 18);
    qToLittleEndian<qint32>(height, data + 22);
    qToLittleEndian<quint16>(1, data + 26);
    qToLittleEndian<quint16>(24, data + 28);
    qToLittleEndian<quint32>(static_cast<quint32>(pixelBytes), data + 34);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uchar *pixel = data + 54 + y * rowSize + x * 3;
            pixel[0] = static_cast<uchar>(rgb & 0xFF);
            pixel[1] = static_cast<uchar>((rgb >> 8) & 0xFF);
            pixel[2] = static_cast<uchar>((rgb >> 16) & 0xFF);
        }
    }
    return bytes;
}

// A "theme" element with the three required children around the given inner XML.
inline QByteArray subthemeXml(const QByteArray &title, const QByteArray &inner = {})
{
    QByteArray xml = "<theme title=\"" + title + "\"><config/>" + inner;
    if (!inner.contains("<buttons"))
        xml += "<buttons/>";
    if (!inner.contains("<combinedBitmaps"))
        xml += "<combinedBitmaps/>";
    return xml + "</theme>";
}

inline QByteArray configXml(const QByteArray &themes)
{
    return "<?xml version=\"1.0\"?>\n<tabulettheme>" + themes + "</tabulettheme>";
}

} // namespace tabulet::theme::test
