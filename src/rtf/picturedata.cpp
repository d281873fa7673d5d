#include "rtf/picturedata.h"

#include "rtf/controlword.h"

#include <algorithm>
#include <limits>

namespace tabulet::rtf {

namespace {

constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

int clampToInt(qint64 value)
{
    return static_cast<int>(std::clamp<qint64>(value, 0, std::numeric_limits<int>::max()));
}

quint32 bigEndian(const QByteArray &data, qsizetype pos, int bytes)
{
    quint32 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | static_cast<unsigned char>(data.at(pos + i));
    return value;
}

std::optional<std::pair<int, int>> pngSize(const QByteArray &data)
{
    if (data.size() < 24 || !data.startsWith("\x89PNG\r\n\x1a\n") || data.mid(12, 4) != "IHDR")
        return std::nullopt;
    return std::pair{clampToInt(bigEndian(data, 16, 4)), clampToInt(bigEndian(data, 20, 4))};
}

std::optional<std::pair<int, int>> jpegSize(const QByteArray &data)
{
    if (!data.startsWith("\xFF\xD8"))
        return std::nullopt;
    qsizetype pos = 2;
    while (pos + 4 <= data.size()) {
        if (static_cast<unsigned char>(data.at(pos)) != 0xFF)
            return std::nullopt;
        const auto marker = static_cast<unsigned char>(data.at(pos + 1));
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        const auto length = static_cast<qsizetype>(bigEndian(data, pos + 2, 2));
        const bool startOfFrame =
            marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (pos + 9 > data.size())
                return std::nullopt;
            return std::pair{static_cast<int>(bigEndian(data, pos + 7, 2)),
                             static_cast<int>(bigEndian(data, pos + 5, 2))};
        }
        if (length < 2)
            return std::nullopt;
        pos += 2 + length;
    }
    return std::nullopt;
}

} // namespace

void PictureData::reset()
{
    *this = PictureData{};
}

void PictureData::appendHex(QByteArrayView text, qsizetype limit)
{
    if (m_tooLarge)
        return;
    // Room for every byte the digits can make; cut back to what they made.
    const qsizetype start = m_data.size();
    m_data.resize(start + std::min<qsizetype>((text.size() + 1) / 2, limit + 1 - start));
    char *out = m_data.data() + start;
    char *const end = m_data.data() + m_data.size();
    for (const char c : text) {
        const int nibble = hexValue(c);
        if (nibble < 0)
            continue;
        if (m_pendingNibble < 0) {
            m_pendingNibble = nibble;
            continue;
        }
        if (out == end || out - m_data.data() >= limit) {
            m_tooLarge = true;
            m_data = QByteArray();
            return;
        }
        *out++ = static_cast<char>(m_pendingNibble * 16 + nibble);
        m_pendingNibble = -1;
    }
    m_data.truncate(out - m_data.data());
}

void PictureData::appendBinary(const QByteArray &input, qsizetype pos, qint64 count, qsizetype limit)
{
    if (m_tooLarge)
        return;
    const qsizetype available = std::min<qint64>(count, input.size() - pos);
    if (m_data.size() + available > limit) {
        m_tooLarge = true;
        m_data = QByteArray();
        return;
    }
    m_data.append(input.constData() + pos, available);
}

std::optional<Picture> PictureData::picture() const
{
    if (!m_type || m_tooLarge || m_data.isEmpty())
        return std::nullopt;
    Picture picture;
    picture.type = *m_type;
    picture.data = m_data;
    if (const auto size = imagePixelSize(*m_type, m_data)) {
        picture.pixelWidth = size->first;
        picture.pixelHeight = size->second;
    } else {
        picture.pixelWidth = std::max(m_pixelWidth, 0);
        picture.pixelHeight = std::max(m_pixelHeight, 0);
    }
    const qint64 width = m_goalWidth > 0 ? m_goalWidth : qint64{picture.pixelWidth} * kTwipsPerPixel;
    const qint64 height = m_goalHeight > 0 ? m_goalHeight : qint64{picture.pixelHeight} * kTwipsPerPixel;
    picture.displayWidth = clampToInt(width * std::max(m_scaleX, 1) / 100);
    picture.displayHeight = clampToInt(height * std::max(m_scaleY, 1) / 100);
    return picture;
}

std::optional<std::pair<int, int>> imagePixelSize(PictureType type, const QByteArray &data)
{
    return type == PictureType::Png ? pngSize(data) : jpegSize(data);
}

} // namespace tabulet::rtf
