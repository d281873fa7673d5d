// Feeds arbitrary bytes to the transfer header decoder, as a peer on the network may send them,
// and checks that what it reads stays within the fields and survives being written again.
#include "net/transferheader.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tabulet::net;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (decodeHeaderStart(bytes).has_value() != (bytes.size() >= kHeaderStartSize))
        std::abort();
    const std::optional<TransferHeader> header = decodeTransferHeader(bytes);
    if (!header)
        return 0;
    for (const QByteArray &text : {header->sender, header->title}) {
        if (text.size() > kTextFieldSize || text.contains('\0'))
            std::abort();
        if (encodeTextField(decodeTextField(text)).size() > kTextFieldSize)
            std::abort();
    }
    if (header->isStopRequest())
        return 0;
    const std::optional<TransferHeader> again = decodeTransferHeader(encodeTransferHeader(*header));
    if (!again || again->kind != header->kind || again->headerSize != header->headerSize ||
        again->fileLength != header->fileLength || again->sender != header->sender || again->title != header->title)
        std::abort();
    return 0;
}
