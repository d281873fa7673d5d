#pragma once

#include "rtf/richtextdocument.h"

#include <QTextImageFormat>

#include <optional>

class QTextDocument;

namespace tabulet::ui {

// Registers the picture's bytes as an image resource of the document and returns the image
// format that shows it at its display size. The resource is named after the bytes' hash, so the
// same picture inserted twice is stored once.
QTextImageFormat addPicture(QTextDocument &document, const rtf::Picture &picture, const QTextCharFormat &format);

// The picture an image format shows. Pictures put in by addPicture come back byte for byte;
// other images of the document (pasted ones) are stored as PNG. None when the document holds no
// image under that name.
std::optional<rtf::Picture> pictureOf(const QTextDocument &document, const QTextImageFormat &format);

} // namespace tabulet::ui
