#pragma once

#include "rtf/richtextdocument.h"

#include <QByteArray>

namespace tabulet::rtf {

// Bounds that keep hostile input from taking all memory.
inline constexpr qsizetype kMaxPictureBytes = qsizetype{32} * 1024 * 1024;
inline constexpr qsizetype kMaxTotalPictureBytes = qsizetype{128} * 1024 * 1024;
// Paragraphs plus runs of one document; past it, format changes are ignored and paragraph
// breaks become line breaks, so all text is kept.
inline constexpr qsizetype kMaxDocumentElements = qsizetype{1} << 20;

struct ReadLimits
{
    qsizetype pictureBytes = kMaxPictureBytes;
    qsizetype totalPictureBytes = kMaxTotalPictureBytes;
    qsizetype elements = kMaxDocumentElements;
};

// True when the bytes start like an RTF stream ("{\rtf", leading whitespace allowed).
bool looksLikeRtf(const QByteArray &bytes);

// Reads an RTF stream into the model. Never fails: damaged input yields what could be read,
// and bytes that are not RTF are read as plain text (UTF-8 when valid, else Windows-1252).
RichTextDocument readRtf(const QByteArray &bytes, const ReadLimits &limits = {});

// Reads plain text: one paragraph per line ("\r\n", "\n" or "\r").
RichTextDocument readPlainText(const QByteArray &bytes);

} // namespace tabulet::rtf
