#include "rtf/unbrokenrun.h"

#include <algorithm>

namespace tabulet::rtf {

namespace {

// White space a line may break at; the no-break spaces join instead.
bool breaksLine(QChar c)
{
    return c.isSpace() && c != QChar(0x00A0) && c != QChar(0x2007) && c != QChar(0x202F);
}

class UnbrokenRuns final
{
public:
    void add(QChar c)
    {
        m_run = breaksLine(c) ? 0 : m_run + 1;
        m_longest = std::max(m_longest, m_run);
    }

    void add(QStringView text)
    {
        for (const QChar c : text)
            add(c);
    }

    // Most notes are mostly ASCII: one byte, one character, nothing to decode.
    void addUtf8(const QByteArray &text)
    {
        const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return static_cast<uchar>(c) < 0x80; });
        if (!ascii) {
            add(QString::fromUtf8(text));
            return;
        }
        for (const char c : text)
            add(QChar(QLatin1Char(c)));
    }

    qsizetype longest() const { return m_longest; }

private:
    qsizetype m_longest = 0;
    qsizetype m_run = 0;
};

} // namespace

qsizetype longestUnbrokenRun(QStringView text)
{
    UnbrokenRuns runs;
    runs.add(text);
    return runs.longest();
}

qsizetype longestUnbrokenRun(const RichTextDocument &document)
{
    UnbrokenRuns runs;
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        if (i > 0)
            runs.add(QChar(QLatin1Char('\n')));
        for (const Run &run : document.paragraphs[i].runs) {
            if (run.isPicture())
                runs.add(QChar(QChar::ObjectReplacementCharacter));
            else
                runs.addUtf8(run.text);
        }
    }
    return runs.longest();
}

} // namespace tabulet::rtf
