#include "ui/editor/documentpictures.h"

#include "ui/editor/textformats.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QTextDocument>
#include <QUrl>

namespace tabulet::ui {

namespace {

std::optional<rtf::PictureType> sniffType(const QByteArray &bytes)
{
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return rtf::PictureType::Png;
    if (bytes.startsWith("\xff\xd8\xff"))
        return rtf::PictureType::Jpeg;
    return std::nullopt;
}

QByteArray encodePng(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// The image bytes stored under a resource, as PNG or JPEG; empty when there is no usable image.
QByteArray imageBytes(const QVariant &resource)
{
    switch (resource.typeId()) {
    case QMetaType::QByteArray: {
        const QByteArray bytes = resource.toByteArray();
        if (sniffType(bytes))
            return bytes;
        const QImage image = QImage::fromData(bytes);
        return image.isNull() ? QByteArray() : encodePng(image);
    }
    case QMetaType::QImage:
        return encodePng(resource.value<QImage>());
    case QMetaType::QPixmap:
        return encodePng(resource.value<QPixmap>().toImage());
    default:
        return {};
    }
}

QSize imageSize(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    return reader.size();
}

} // namespace

QTextImageFormat addPicture(QTextDocument &document, const rtf::Picture &picture, const QTextCharFormat &format)
{
    const QByteArray hash = QCryptographicHash::hash(picture.data, QCryptographicHash::Sha1).toHex();
    const QString name = QStringLiteral("tabulet-picture:") + QString::fromLatin1(hash);
    const QUrl url(name);
    if (!document.resource(QTextDocument::ImageResource, url).isValid())
        document.addResource(QTextDocument::ImageResource, url, picture.data);

    QTextImageFormat image;
    image.merge(format);
    image.setName(name);
    if (picture.displayWidth > 0)
        image.setWidth(picture.displayWidth / kTwipsPerPixel);
    if (picture.displayHeight > 0)
        image.setHeight(picture.displayHeight / kTwipsPerPixel);
    image.setProperty(propertyId(BridgeProperty::PictureType), static_cast<int>(picture.type));
    image.setProperty(propertyId(BridgeProperty::PicturePixelWidth), picture.pixelWidth);
    image.setProperty(propertyId(BridgeProperty::PicturePixelHeight), picture.pixelHeight);
    return image;
}

std::optional<rtf::Picture> pictureOf(const QTextDocument &document, const QTextImageFormat &format)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(format.name()));
    const bool ours = format.hasProperty(propertyId(BridgeProperty::PictureType));
    rtf::Picture picture;
    if (ours && resource.typeId() == QMetaType::QByteArray) {
        // Our own pictures keep their bytes even where no image reader understands them.
        picture.data = resource.toByteArray();
        const int type = format.intProperty(propertyId(BridgeProperty::PictureType));
        picture.type =
            type == static_cast<int>(rtf::PictureType::Jpeg) ? rtf::PictureType::Jpeg : rtf::PictureType::Png;
    } else {
        picture.data = imageBytes(resource);
        const std::optional<rtf::PictureType> type = sniffType(picture.data);
        if (!type)
            return std::nullopt;
        picture.type = *type;
    }
    if (ours) {
        picture.pixelWidth = format.intProperty(propertyId(BridgeProperty::PicturePixelWidth));
        picture.pixelHeight = format.intProperty(propertyId(BridgeProperty::PicturePixelHeight));
    } else {
        const QSize size = imageSize(picture.data);
        picture.pixelWidth = std::max(size.width(), 0);
        picture.pixelHeight = std::max(size.height(), 0);
    }
    // A pasted image without a set size is shown at its own size.
    if (format.hasProperty(QTextFormat::ImageWidth))
        picture.displayWidth = toTwips(format.width());
    else if (!ours)
        picture.displayWidth = toTwips(picture.pixelWidth);
    if (format.hasProperty(QTextFormat::ImageHeight))
        picture.displayHeight = toTwips(format.height());
    else if (!ours)
        picture.displayHeight = toTwips(picture.pixelHeight);
    return picture;
}

} // namespace tabulet::ui
