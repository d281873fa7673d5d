#include "rtf/controlword.h"

#include <algorithm>
#include <array>
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

template<std::size_t N> constexpr bool isOneOf(ControlWord word, const std::array<ControlWord, N> &words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

} // namespace

ControlWord controlWordOf(QByteArrayView name)
{
    const std::string_view key(name.data(), static_cast<std::size_t>(name.size()));
    const auto found = std::lower_bound(kEntries.begin(), kEntries.end(), key,
                                        [](const Entry &entry, std::string_view k) { return entry.name < k; });
    if (found != kEntries.end() && found->name == key)
        return found->word;
    return ControlWord::Unknown;
}

bool isReadAfterIgnorable(ControlWord word)
{
    using enum ControlWord;
    constexpr std::array words{fldinst, fldrslt, shppict, shpinst, pn, listtable, listoverridetable, ud};
    return isOneOf(word, words);
}

bool isReadDestination(ControlWord word)
{
    using enum ControlWord;
    constexpr std::array words{fonttbl, colortbl, listtable, listoverridetable, pn,  upr,
                               fldinst, fldrslt,  shppict,   shpinst,           pict};
    return isOneOf(word, words);
}

bool isSkippedDestination(ControlWord word)
{
    using enum ControlWord;
    constexpr std::array words{
        aftnsep,      annotation, atnauthor,    atnid,      author,   buptim,     colorschememapping,
        comment,      company,    creatim,      datastore,  doccomm,  docvar,     fldtype,
        footer,       footerf,    footerl,      footerr,    footnote, ftnsep,     ftnsepc,
        generator,    header,     headerf,      headerl,    headerr,  info,       keywords,
        latentstyles, listtext,   nonesttables, nonshppict, objclass, objdata,    objname,
        operator_,    pgdsctbl,   picprop,      pnseclvl,   pntext,   printim,    private_,
        revtbl,       revtim,     rsidtbl,      shprslt,    sn,       stylesheet, subject,
        tc,           template_,  themedata,    title,      txe,      userprops,  wgrffmtfilter,
        xe,           xmlnstbl};
    return isOneOf(word, words);
}

bool isUnderline(ControlWord word)
{
    using enum ControlWord;
    constexpr std::array words{ul,   uld,   uldash,   uldashd,   uldashdd,   uldb,      ulhair,     ulhwave, ulldash,
                               ulth, ulthd, ulthdash, ulthdashd, ulthdashdd, ulthldash, ululdbwave, ulw,     ulwave};
    return isOneOf(word, words);
}

} // namespace tabulet::rtf
