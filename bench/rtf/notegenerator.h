#pragma once

#include <QByteArray>

namespace tabulet::bench {

// A note in the rich-edit dialect of at least the given size: paragraphs of mixed character
// formats, bullets and numbers, alignments, spacing, tab stops, links, Unicode and code-page
// characters, and a small picture now and then. The same size always gives the same bytes.
QByteArray generateNote(qsizetype minimumBytes);

} // namespace tabulet::bench
