#pragma once

#include <QByteArrayView>

namespace tabulet::rtf {

// The control words the reader acts on, named as they are spelled in RTF.
#define TABULET_RTF_CONTROL_WORDS(X)                                                                                   \
    X(aftnsep)                                                                                                         \
    X(annotation)                                                                                                      \
    X(ansi)                                                                                                            \
    X(ansicpg)                                                                                                         \
    X(atnauthor)                                                                                                       \
    X(atnid)                                                                                                           \
    X(author)                                                                                                          \
    X(b)                                                                                                               \
    X(bin) X(blue) X(bullet) X(buptim) X(caps) X(cb) X(cell) X(cf) X(chcbpat) X(colorschememapping) X(colortbl)        \
        X(column) X(comment) X(company) X(cpg) X(creatim) X(datastore) X(deff) X(dn) X(doccomm) X(docvar) X(emdash) X( \
            emspace) X(endash) X(enspace) X(f) X(fcharset) X(fi) X(field) X(fldinst) X(fldrslt) X(fldtype) X(fonttbl)  \
            X(footer) X(footerf) X(footerl) X(footerr) X(footnote) X(fs) X(ftnsep) X(ftnsepc) X(generator) X(green)    \
                X(header) X(headerf) X(headerl) X(headerr) X(highlight) X(i) X(ilvl) X(info) X(intbl) X(jpegblip)      \
                    X(keywords) X(latentstyles) X(ldblquote) X(levelnfc) X(levelnfcn) X(levelstartat) X(lfolevel)      \
                        X(li) X(lin) X(line) X(list) X(listid) X(listlevel) X(listoverride) X(listoverridetable) X(    \
                            listtable) X(listtext) X(lquote) X(ls) X(ltrmark) X(mac) X(nestcell) X(nonesttables)       \
                            X(nonshppict) X(nosupersub) X(objclass) X(objdata) X(objname) X(operator_) X(page) X(      \
                                par) X(pard) X(pc) X(pca) X(pgdsctbl) X(pichgoal) X(pich) X(picprop) X(picscalex)      \
                                X(picscaley) X(pict) X(picwgoal) X(picw) X(plain) X(pn) X(pndec) X(pnlcltr) X(         \
                                    pnlcrm) X(pnlvl) X(pnlvlblt) X(pnlvlbody) X(pnlvlcont) X(pnseclvl) X(pnstart)      \
                                    X(pntext) X(pnucltr) X(pnucrm) X(pngblip) X(printim) X(private_) X(qc) X(qd) X(qj) \
                                        X(ql) X(                                                                       \
                                            qmspace) X(qr) X(rdblquote) X(red) X(revtbl) X(revtim) X(ri) X(rin) X(row) \
                                            X(rquote) X(rsidtbl) X(                                                    \
                                                rtlmark) X(sa) X(sb) X(scaps) X(sect)                                  \
                                                X(shppict) X(shpinst) X(shprslt) X(sl) X(slmult) X(sn)                 \
                                                    X(strike) X(striked) X(stylesheet) X(sub) X(subject) X(super) X(   \
                                                        tab) X(tb) X(tc) X(template_)                                  \
                                                        X(themedata) X(title) X(tqc) X(tqdec) X(tqr) X(tx) X(txe)      \
                                                            X(u) X(uc) X(ud) X(ul) X(uld) X(uldash)                    \
                                                                X(uldashd) X(uldashdd) X(uldb) X(ulhair) X(ulhwave)    \
                                                                    X(ulldash) X(ulnone) X(ulth) X(ulthd) X(ulthdash)  \
                                                                        X(ulthdashd) X(ulthdashdd) X(ulthldash)        \
                                                                            X(ululdbwave) X(ulw) X(ulwave) X(up)       \
                                                                                X(upr) X(userprops)                    \
                                                                                    X(wgrffmtfilter) X(xe) X(xmlnstbl) \
                                                                                        X(zwbo) X(zwj) X(zwnj)

enum class ControlWord {
    Unknown,
#define TABULET_RTF_ENUMERATOR(name) name,
    TABULET_RTF_CONTROL_WORDS(TABULET_RTF_ENUMERATOR)
#undef TABULET_RTF_ENUMERATOR
};

// The control word spelled by name (letters only), or Unknown.
ControlWord controlWordOf(QByteArrayView name);

// Destinations still read when they follow "\*"; every other "{\* ...}" group is skipped.
bool isReadAfterIgnorable(ControlWord word);

// Destinations the reader reads (tables, numbering, fields, pictures), with or without "\*".
bool isReadDestination(ControlWord word);

// Destinations whose groups are skipped with all they hold.
bool isSkippedDestination(ControlWord word);

// Controls that change the paragraph format (\pard, alignment, indents, spacing, tabs, lists).
bool isParagraphControl(ControlWord word);

// Underline controls: every \ul... word but \ulnone turns underline on.
bool isUnderline(ControlWord word);

// The value of a hexadecimal digit, or -1.
constexpr int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace tabulet::rtf
