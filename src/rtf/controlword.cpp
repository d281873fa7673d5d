#include "rtf/controlword.h"

#include <algorithm>
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
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.name < b.name; });
    return entries;
}();

// For each first letter, the range of kEntries whose names start with it.
constexpr auto kFirstLetter = [] {
    std::array<std::pair<std::uint16_t, std::uint16_t>, 26> ranges{};
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        auto &range = ranges[static_cast<std::size_t>(kEntries[i].name.front() - 'a')];
        if (range.first == range.second)
            range.first = static_cast<std::uint16_t>(i);
        range.second = static_cast<std::uint16_t>(i + 1);
    }
    return ranges;
}();

enum Kind : std::uint8_t {
    ReadAfterIgnorable = 1,
    ReadDestination = 2,
    SkippedDestination = 4,
    Underline = 8,
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
    if (name.isEmpty() || name.front() < 'a' || name.front() > 'z')
        return ControlWord::Unknown; // every word we know is lower case
    const std::string_view key(name.data(), static_cast<std::size_t>(name.size()));
    const auto &range = kFirstLetter[static_cast<std::size_t>(name.front() - 'a')];
    const auto begin = kEntries.begin() + range.first;
    const auto end = kEntries.begin() + range.second;
    const auto found =
        std::lower_bound(begin, end, key, [](const Entry &entry, std::string_view k) { return entry.name < k; });
    if (found != end && found->name == key)
        return found->word;
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

bool isUnderline(ControlWord word)
{
    return is(word, Underline);
}

} // namespace tabulet::rtf
