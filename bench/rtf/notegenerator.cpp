#include "notegenerator.h"

#include <QBuffer>
#include <QImage>

#include <array>

namespace tabulet::bench {

namespace {

constexpr std::array kWords = {"note",    "tabulet", "quick",   "brown", "fox",    "jumps",  "over",  "the",
                               "lazy",    "dog",     "meeting", "at",    "noon",   "bring",  "paper", "ideas",
                               "archive", "plug-in", "theme",   "tray",  "window", "hotkey", "list",  "order"};

// Character formats that open a group around a word; the group ends them again.
constexpr std::array kWordFormats = {
    "\\b ",   "\\i ",   "\\ul ", "\\strike ",   "\\super ",      "\\sub ",      "\\caps ", "\\scaps ",
    "\\cf1 ", "\\cf3 ", "\\f1 ", "\\f2\\fs28 ", "\\highlight2 ", "\\b\\i\\ul ", "\\fs16 ", "\\cf2\\highlight4 ",
};

// Code-page and Unicode characters: e acute, a German sharp s, Cyrillic, Chinese, an emoji.
constexpr std::array kSpecials = {"caf\\'e9",
                                  "Stra\\'dfe",
                                  "\\u1078?\\u1080?\\u1090?",
                                  "\\u20013?\\u25991?",
                                  "\\u-10179?\\u-8704?",
                                  "\\emdash ",
                                  "\\ldblquote x\\rdblquote "};

// A small PNG, as the hex digits of a picture group.
QByteArray pictureHex()
{
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toHex();
}

class Generator final
{
public:
    QByteArray generate(qsizetype minimumBytes)
    {
        m_out.reserve(minimumBytes + 4096);
        m_out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                 "{\\f1\\fmodern\\fcharset0 Courier New;}{\\f2\\froman\\fcharset0 Times New Roman;}"
                 "{\\f3\\fnil\\fcharset2 Symbol;}}\r\n"
                 "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green0\\blue255;"
                 "\\red255\\green255\\blue0;}\r\n"
                 "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
        for (int paragraph = 0; m_out.size() < minimumBytes; ++paragraph)
            writeParagraph(paragraph);
        m_out += "\\pard\\f0\\fs20\\par\r\n}\r\n";
        return m_out;
    }

private:
    // A cheap deterministic sequence, so that every run measures the same note.
    unsigned next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 16) & 0x7fff;
    }

    void writeParagraph(int index)
    {
        switch (index % 8) {
        case 0:
            m_out += "\\pard ";
            break;
        case 1:
            m_out += "\\pard\\qc\\sb120\\sa120 ";
            break;
        case 2:
            m_out +=
                "\\pard{\\pntext\\f3\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf3\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 ";
            break;
        case 3:
            m_out += "\\pard{\\pntext\\f0 ";
            m_out += QByteArray::number(index % 20 + 1);
            m_out += ".\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pndec{\\pntxta.}}\\fi-360\\li720 ";
            break;
        case 4:
            m_out += "\\pard\\qr\\sl360\\slmult1 ";
            break;
        case 5:
            m_out += "\\pard\\tx720\\tqr\\tx4000\\tqc\\tx6000 ";
            break;
        case 6:
            m_out += "\\pard\\qj\\li360\\ri360 ";
            break;
        default:
            m_out += "\\pard{\\pntext\\f0 ii.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart1\\pnlcrm{\\pntxta.}}"
                     "\\fi-360\\li720 ";
            break;
        }
        const unsigned words = 20 + next() % 60;
        for (unsigned word = 0; word < words; ++word)
            writeWord();
        m_out += "\\par\r\n";
    }

    void writeWord()
    {
        const unsigned pick = next() % 100;
        const char *word = kWords[next() % kWords.size()];
        if (pick < 55) {
            m_out += word;
        } else if (pick < 85) {
            m_out += '{';
            m_out += kWordFormats[next() % kWordFormats.size()];
            m_out += word;
            m_out += '}';
        } else if (pick < 92) {
            m_out += kSpecials[next() % kSpecials.size()];
        } else if (pick < 95) {
            m_out += "{\\field{\\*\\fldinst{HYPERLINK \"https://example.org/";
            m_out += word;
            m_out += "\"}}{\\fldrslt{\\ul\\cf3 ";
            m_out += word;
            m_out += "}}}";
        } else if (pick < 98) {
            m_out += "\\tab ";
            m_out += word;
        } else if (pick < 99) {
            m_out += "\\line ";
        } else {
            m_out += "{\\pict\\pngblip\\picw16\\pich16\\picwgoal240\\pichgoal240 ";
            m_out += m_pictureHex;
            m_out += '}';
        }
        m_out += ' ';
    }

    QByteArray m_out;
    const QByteArray m_pictureHex = pictureHex();
    unsigned m_state = 20261207u;
};

} // namespace

QByteArray generateNote(qsizetype minimumBytes)
{
    return Generator().generate(minimumBytes);
}

} // namespace tabulet::bench
