#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QCheckBox;
class QLabel;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

struct ApplicationContext;

// The tips ship with the program in <program folder>/tips: "tips.txt" in English, and one file
// per language named after its language file ("deutsch.txt" for "deutsch.tabulang").
class TipList final
{
public:
    // The tips of a tips file: one tip per line, UTF-8; empty lines and lines starting with "#"
    // are left out, and "\n" in a tip starts a new line as in language files.
    static TipList fromText(const QByteArray &bytes);
    // The tips file for a language: the language's own when it ships one, else the English one.
    static QString filePath(const QString &programFolder, const QString &languageFile);
    // Empty when the file cannot be read.
    static TipList load(const QString &path);

    bool isEmpty() const { return m_tips.isEmpty(); }
    qsizetype size() const { return m_tips.size(); }
    const QString &at(qsizetype index) const { return m_tips.at(index); }

    // The index a stored "currenttip" stands for: its number wrapped into the list, so that a
    // shorter tips file or a damaged value still gives a tip. 0 for anything not a number.
    qsizetype indexOf(const QString &currentTip) const;

    // Files larger than this are not tips files; they are not read.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;

private:
    QStringList m_tips;
};

// The tip of the day: one tip, a check box for showing tips at start and a button for another
// tip. "currenttip" names the tip shown next; every tip shown moves it on, wrapping at the end.
class TipDialog final : public QDialog
{
    Q_OBJECT
public:
    // pick gives the index of a random tip below its argument; QRandomGenerator unless given.
    TipDialog(TipList tips, lang::TextTable &texts, const QString &currentTip, bool showOnStartup,
              QWidget *parent = nullptr, std::function<qsizetype(qsizetype)> pick = {});

    QString shownTip() const;
    // The "currenttip" to keep: the number of the tip shown next time.
    const QString &currentTip() const { return m_currentTip; }
    bool showOnStartup() const;
    // Shows the tip "currenttip" names and moves "currenttip" on.
    void showNextTip();
    // Shows a random tip other than the one shown (when there are two or more).
    void showRandomTip();

private:
    void display(qsizetype index);

    TipList m_tips;
    QString m_currentTip;
    std::function<qsizetype(qsizetype)> m_pick;
    qsizetype m_shown = -1;
    QLabel *m_tip = nullptr;
    QCheckBox *m_showOnStartup = nullptr;
};

// Opens the tip of the day over the parent with the tips for the configured language, and keeps
// "currenttip" and "showtipsonstartup" in the configuration. Nothing opens without tips.
void showTipOfTheDay(ApplicationContext &context, QWidget *parent);

} // namespace tabulet::ui
