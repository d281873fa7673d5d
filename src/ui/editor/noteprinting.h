#pragma once

class QPrinter;
class QTextDocument;

namespace tabulet::ui {

struct PrintResult
{
    enum class Outcome { Printed, Cancelled, Failed };
    Outcome outcome = Outcome::Failed;
    int pages = 0;
    // The page is under three whole inches in width or height: with an inch of margin on each
    // side nothing would fit, so the whole printable area was used instead.
    bool pageTooSmall = false;
};

// Prints the characters [from, to) of the note as its document formats them, on the printer's
// job (named by the caller). The page is the printable area cut down to whole inches, the text
// one inch inside it. The document is laid out once for the page and its pages are walked, so
// the time grows with the page count. The note's own document is left untouched.
PrintResult printNote(const QTextDocument &note, QPrinter &printer, int from, int to);

} // namespace tabulet::ui
