#include "theme/bmpsize.h"

#include <QtEndian>

#include <cstdlib>
#include <limits>

namespace tabulet::theme {

namespace {

constexpr qsizetype kFileHeaderSize = 14;
constexpr quint32 kCoreHeaderSize = 12; // 16-bit width and height
constexpr quint32 kInfoHeaderSize = 40; // and every later header, which starts the same way

} // namespace

QSize bmpSize(const QByteArray &bytes)
{
    if (bytes.size() < kFileHeaderSize + 4 || !bytes.startsWith("BM"))
        return {};
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(data + kFileHeaderSize);
    if (headerSize == kCoreHeaderSize && bytes.size() >= kFileHeaderSize + 8) {
        const int width = qFromLittleEndian<quint16>(data + kFileHeaderSize + 4);
        const int height = qFromLittleEndian<quint16>(data + kFileHeaderSize + 6);
        if (width > 0 && height > 0)
            return {width, height};
        return {};
    }
    if (headerSize >= kInfoHeaderSize && bytes.size() >= kFileHeaderSize + 12) {
        const qint32 width = qFromLittleEndian<qint32>(data + kFileHeaderSize + 4);
        const qint64 height = std::llabs(static_cast<qint64>(qFromLittleEndian<qint32>(data + kFileHeaderSize + 8)));
        if (width > 0 && height > 0 && height <= std::numeric_limits<qint32>::max())
            return {width, static_cast<int>(height)};
    }
    return {};
}

} // namespace tabulet::theme
