#include "rtf/fieldinstruction.h"

namespace tabulet::rtf {

namespace {

struct Argument
{
    QString text;
    bool quoted = false;

    bool isSwitch(char letter) const
    {
        return !quoted && text.size() == 2 && text.at(0) == QLatin1Char('\\') &&
               text.at(1).toLower() == QLatin1Char(letter);
    }
};

// Reads one argument at pos: a quoted string with backslash escapes, or a word.
Argument readArgument(const QString &text, qsizetype &pos)
{
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
    QString argument;
    argument.reserve(text.size() - pos);
    if (pos < text.size() && text.at(pos) == QLatin1Char('"')) {
        ++pos;
        while (pos < text.size() && text.at(pos) != QLatin1Char('"')) {
            if (text.at(pos) == QLatin1Char('\\') && pos + 1 < text.size())
                ++pos;
            argument += text.at(pos++);
        }
        ++pos;
        return {argument, true};
    }
    while (pos < text.size() && !text.at(pos).isSpace())
        argument += text.at(pos++);
    return {argument, false};
}

} // namespace

QString hyperlinkTarget(const QString &instruction)
{
    qsizetype pos = 0;
    if (readArgument(instruction, pos).text.compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive) != 0)
        return {};
    QString target;
    QString anchor;
    while (pos < instruction.size()) {
        const Argument argument = readArgument(instruction, pos);
        if (argument.isSwitch('l'))
            anchor = readArgument(instruction, pos).text;
        else if (argument.isSwitch('o') || argument.isSwitch('t'))
            readArgument(instruction, pos); // tooltip or target frame
        else if (target.isEmpty() && (argument.quoted || !argument.text.startsWith(QLatin1Char('\\'))))
            target = argument.text; // other switches (\m, \n, \h) have no value
    }
    if (!anchor.isEmpty())
        target += QLatin1Char('#') + anchor;
    target.removeIf([](QChar c) { return c.unicode() < 0x20; }); // never part of an address
    return target;
}

QString hyperlinkInstruction(const QString &target)
{
    QString quoted = target;
    quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    quoted.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1String("HYPERLINK \"") + quoted + QLatin1Char('"');
}

} // namespace tabulet::rtf
