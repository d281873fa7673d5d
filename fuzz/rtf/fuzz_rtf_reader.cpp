// Reads arbitrary bytes as a note, then checks that what the writer makes of the result reads
// back to the same document.
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tabulet::rtf;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const RichTextDocument document = readRtf(input);
    const QByteArray written = writeRtf(document);
    if (writeRtf(readRtf(written)) != written)
        std::abort();
    return 0;
}
