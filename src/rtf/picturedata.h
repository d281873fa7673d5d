#pragma once

#include "rtf/richtextdocument.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace tabulet::rtf {

// A \pict group as it is read: its type, size controls and data, bounded in size.
class PictureData final
{
public:
    void reset();

    void setType(std::optional<PictureType> type) { m_type = type; }
    void setPixelWidth(int value) { m_pixelWidth = value; }
    void setPixelHeight(int value) { m_pixelHeight = value; }
    void setGoalWidth(int value) { m_goalWidth = value; }
    void setGoalHeight(int value) { m_goalHeight = value; }
    void setScaleX(int percent) { m_scaleX = percent; }
    void setScaleY(int percent) { m_scaleY = percent; }

    // Hexadecimal text; other characters (white space) are ignored.
    void appendHex(QByteArrayView text, qsizetype limit);
    // count bytes of \bin data from input at pos (fewer when the input ends).
    void appendBinary(const QByteArray &input, qsizetype pos, qint64 count, qsizetype limit);

    qsizetype size() const { return m_data.size(); }

    // The picture, when it is PNG or JPEG and its data was complete and within the limit.
    std::optional<Picture> picture() const;

private:
    std::optional<PictureType> m_type;
    QByteArray m_data;
    int m_pendingNibble = -1;
    bool m_tooLarge = false;
    int m_pixelWidth = 0;
    int m_pixelHeight = 0;
    int m_goalWidth = 0;
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
};

// The pixel size stored in a PNG or JPEG file's header, or nothing when it cannot be found.
std::optional<std::pair<int, int>> imagePixelSize(PictureType type, const QByteArray &data);

} // namespace tabulet::rtf
