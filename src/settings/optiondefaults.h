#pragma once

#include <QLatin1String>

#include <array>

namespace tabulet::settings {

struct OptionDefault
{
    QLatin1String key;
    QLatin1String value;
};

// Every option the program knows, with its default. The order is the order in which the
// configuration file lists them; only these keys are written there.
inline constexpr std::array<OptionDefault, 46> kOptionDefaults{{
    {QLatin1String("autoformat"), QLatin1String("1")},
    {QLatin1String("tabfont"), QLatin1String("Arial")},
    {QLatin1String("tabfontsize"), QLatin1String("8")},
    {QLatin1String("tabfontbold"), QLatin1String("0")},
    {QLatin1String("tabfontitalics"), QLatin1String("0")},
    {QLatin1String("tabheight"), QLatin1String("16")},
    {QLatin1String("defaultfont"), QLatin1String("Courier")},
    {QLatin1String("defaultfontsize"), QLatin1String("10")},
    {QLatin1String("defaultfontbold"), QLatin1String("0")},
    {QLatin1String("defaultfontitalics"), QLatin1String("0")},
    {QLatin1String("selectedtab"), QLatin1String("0")},
    {QLatin1String("checkfornewversiononstartup"), QLatin1String("0")},
    {QLatin1String("savealways"), QLatin1String("0")},
    {QLatin1String("showtooltips"), QLatin1String("1")},
    {QLatin1String("confirmexit"), QLatin1String("1")},
    {QLatin1String("wordwrap"), QLatin1String("1")},
    {QLatin1String("activatekey"), QLatin1String("191")},
    {QLatin1String("activatemod"), QLatin1String("3")},
    {QLatin1String("oneinstance"), QLatin1String("1")},
    {QLatin1String("trayicon"), QLatin1String("0")},
    {QLatin1String("languagefile"), QLatin1String("english.tabulang")},
    {QLatin1String("bgcolor"), QLatin1String("91f3f9")},
    {QLatin1String("w"), QLatin1String("450")},
    {QLatin1String("h"), QLatin1String("200")},
    {QLatin1String("x"), QLatin1String("0")},
    {QLatin1String("y"), QLatin1String("0")},
    {QLatin1String("customarchivedir"), QLatin1String("")},
    {QLatin1String("usedefaultarchivedir"), QLatin1String("1")},
    {QLatin1String("createarchiveinterval"), QLatin1String("15")},
    {QLatin1String("deletearchiveinterval"), QLatin1String("200")},
    {QLatin1String("autoarchive"), QLatin1String("1")},
    {QLatin1String("deletearchive"), QLatin1String("0")},
    {QLatin1String("lastarchiving"), QLatin1String("0")},
    {QLatin1String("scriptdebug"), QLatin1String("0")},
    {QLatin1String("silentautoarchive"), QLatin1String("1")},
    {QLatin1String("theme"), QLatin1String("default")},
    {QLatin1String("subtheme"), QLatin1String("full")},
    {QLatin1String("overridetheme"), QLatin1String("1")},
    {QLatin1String("awaitconnection"), QLatin1String("1")},
    {QLatin1String("favorites"), QLatin1String("")},
    {QLatin1String("sender"), QLatin1String("")},
    {QLatin1String("port"), QLatin1String("1614")},
    {QLatin1String("listenfornotes"), QLatin1String("0")},
    {QLatin1String("listenaddress"), QLatin1String("")},
    {QLatin1String("showtipsonstartup"), QLatin1String("1")},
    {QLatin1String("currenttip"), QLatin1String("0")},
}};

} // namespace tabulet::settings
