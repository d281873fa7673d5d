// Reads arbitrary bytes as a note's journal and checks that what was read, written again as
// records, reads back the same and no longer than the bytes it came from.
#include "settings/notejournal.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tabulet::settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const JournalContents read = readJournal(bytes);
    if (read.wholeLength > bytes.size())
        std::abort();
    if (!read.base)
        return 0;
    QByteArray written = baseRecord(*read.base);
    if (read.snapshot)
        written += snapshotRecord(*read.snapshot);
    for (const JournalEdit &edit : read.edits)
        written += editRecord(edit);
    const JournalContents again = readJournal(written);
    if (again.base != read.base || again.snapshot != read.snapshot || again.edits != read.edits ||
        again.wholeLength != written.size())
        std::abort();
    return 0;
}
