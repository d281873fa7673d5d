#pragma once

#include <QLatin1StringView>
#include <QStringView>

#include <array>

namespace tabulet::lang {

// Every text key the program looks up, in alphabetical order. Language files supply a text for
// each; the UI names its texts from this list.
extern const std::array<QLatin1StringView, 191> kTextKeys;

// Keys of our own beyond those of the Windows version, in alphabetical order: the texts of the find
// and replace dialog, which stands where that version used the system's, the message for a note
// file that cannot be read, the messages for a data folder another copy runs on, the list manager's
// add and delete buttons, the note received incomplete, the global hotkey's problems, what could
// not be written (a full disk), the question before running the plug-ins of another data folder,
// the options' messages for a number they cannot take, the listening address and its warning, a
// theme's further problems, a note given back by its journal, what a shortcut is for, where updates
// come from, the document list's words, the tab strip's name for screen readers, the names of the
// commands that have no menu item, of a plug-in's command, of the command a shortcut is taken by
// and of the tray pictures, "LANGUAGE_NAME", the language's own name, the captions of the preset
// editor, the preset manager and the plug-in details, what a search found or replaced, a note sent,
// the About box's data folder and licence, the words of the program's own parts that had none (the
// About description, the Options caption, the built-in presets' names, the plug-in host's messages,
// the messages of printing, archives and sending, a font sample, the size of a small file), and
// "LOCALE", the language's code for Qt's own texts, dates and numbers ("de").
// A file without them leaves those parts in English.
extern const std::array<QLatin1StringView, 125> kOwnTextKeys;

// Whether the program knows this text key (keys are case-sensitive).
bool isTextKey(QStringView key);

// A text the program uses as a format, with the placeholders it supplies in order
// ('s' a text, 'd' a number; see formatPlaceholders).
struct FormattedTextKey
{
    QLatin1StringView key;
    QLatin1StringView placeholders;
};

extern const std::array<FormattedTextKey, 37> kFormattedTextKeys;

} // namespace tabulet::lang
