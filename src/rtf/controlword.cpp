#include "rtf/controlword.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string_view>

namespace tabulet::rtf {

namespace {

struct Entry
{
    std::string_view name;
    ControlWord word;
};

// Enumerators that would clash with C++ keywords carry a trailing "_" that RTF does not.
constexpr std::string_view spelling(std::string_view enumerator)
{
    return enumerator.ends_with('_') ? enumerator.substr(0, enumerator.size() - 1) : enumerator;
}

constexpr auto kEntries = [] {
    std::array entries{
#define TABULET_RTF_ENTRY(name) Entry{spelling(#name), ControlWord::name},
        TABULET_RTF_CONTROL_WORDS(TABULET_RTF_ENTRY)
#undef TABULET_RTF_ENTRY
    };
    return entries;
}();

// An open-addressing table of the names, so that a lookup hashes the name once and compares
// it with one entry, rarely two, without allocating.
constexpr std::size_t kTableSize = 1024; // a power of two, over four times the number of words

constexpr std::uint32_t hashOf(std::string_view name)
{
    std::uint32_t hash = 2166136261u; // FNV-1a
    for (const char c : name)
        hash = (hash ^ static_cast<std::uint8_t>(c)) * 16777619u;
    return hash;
}

constexpr auto kTable = [] {
    std::array<std::int16_t, kTableSize> indices{};
    indices.fill(-1);
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        std::size_t at = hashOf(kEntries[i].name) & (kTableSize - 1);
        while (indices[at] >= 0)
            at = (at + 1) & (kTableSize - 1);
        indices[at] = static_cast<std::int16_t>(i);
    }
    return indices;
}();

static_assert(kEntries.size() * 4 < kTableSize);

enum Kind : std::uint8_t {
    ReadAfterIgnorable = 1,
    ReadDestination = 2,
    SkippedDestination = 4,
    Underline = 8,
    ParagraphControl = 16,
};

// What kind of word each control word is, by its enumerator.
constexpr auto kKinds = [] {
    using enum ControlWord;
    std::array<std::uint8_t, kEntries.size() + 1> kinds{};
    const auto mark = [&kinds](Kind kind, std::initializer_list<ControlWord> words) {
        for (const ControlWord word : words)
            kinds[static_cast<std::size_t>(word)] |= kind;
    };
    mark(ReadAfterIgnorable, {fldinst, fldrslt, shppict, shpinst, pn, listtable, listoverridetable, ud});
    mark(ReadDestination,
         {fonttbl, colortbl, listtable, listoverridetable, pn, upr, fldinst, fldrslt, shppict, shpinst, pict});
    mark(SkippedDestination,
         {aftnsep,      annotation, atnauthor,    atnid,      author,   buptim,     colorschememapping,
          comment,      company,    creatim,      datastore,  doccomm,  docvar,     fldtype,
          footer,       footerf,    footerl,      footerr,    footnote, ftnsep,     ftnsepc,
          generator,    header,     headerf,      headerl,    headerr,  info,       keywords,
          latentstyles, listtext,   nonesttables, nonshppict, objclass, objdata,    objname,
          operator_,    pgdsctbl,   picprop,      pnseclvl,   pntext,   printim,    private_,
          revtbl,       revtim,     rsidtbl,      shprslt,    sn,       stylesheet, subject,
          tc,           template_,  themedata,    title,      txe,      userprops,  wgrffmtfilter,
          xe,           xmlnstbl});
    mark(ParagraphControl,
         {pard, ql, qc, qr, qj, qd, li, lin, ri, rin, fi, sb, sa, sl, slmult, tqr, tqc, tqdec, tx, tb, ls, ilvl});
    mark(Underline, {ul, uld, uldash, uldashd, uldashdd, uldb, ulhair, ulhwave, ulldash, ulth, ulthd, ulthdash,
                     ulthdashd, ulthdashdd, ulthldash, ululdbwave, ulw, ulwave});
    return kinds;
}();

constexpr bool is(ControlWord word, Kind kind)
{
    return (kKinds[static_cast<std::size_t>(word)] & kind) != 0;
}

} // namespace

ControlWord controlWordOf(QByteArrayView name)
{
    const std::string_view key(name.data(), static_cast<std::size_t>(name.size()));
    for (std::size_t at = hashOf(key) & (kTableSize - 1); kTable[at] >= 0; at = (at + 1) & (kTableSize - 1)) {
        const Entry &entry = kEntries[static_cast<std::size_t>(kTable[at])];
        if (entry.name == key)
            return entry.word;
    }
    return ControlWord::Unknown;
}

bool isReadAfterIgnorable(ControlWord word)
{
    return is(word, ReadAfterIgnorable);
}

bool isReadDestination(ControlWord word)
{
    return is(word, ReadDestination);
}

bool isSkippedDestination(ControlWord word)
{
    return is(word, SkippedDestination);
}

bool isParagraphControl(ControlWord word)
{
    return is(word, ParagraphControl);
}

bool isUnderline(ControlWord word)
{
    return is(word, Underline);
}

} // namespace tabulet::rtf
