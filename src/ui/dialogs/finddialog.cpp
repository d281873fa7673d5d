#include "ui/dialogs/finddialog.h"

#include "lang/formattext.h"
#include "lang/menucaption.h"
#include "lang/texttable.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

// The dialog's texts are our own: a language file without them leaves them in English.
QString ownText(lang::TextTable &texts, const char *key, const QString &english)
{
    const QString text = texts.text(QString::fromLatin1(key));
    return text.isEmpty() ? english : text;
}

} // namespace

QString FindDialog::notFoundText(lang::TextTable &texts, const QString &findText)
{
    return lang::formatText(ownText(texts, "FINDDIALOG_NOTFOUND", tr("Cannot find \"%s\".")), {findText});
}

QString FindDialog::replacedText(lang::TextTable &texts, int replaced)
{
    return lang::formatText(ownText(texts, "FINDDIALOG_REPLACED", tr("Occurrences replaced: %d")), {replaced});
}

FindDialog::FindDialog(Mode mode, const SearchState &last, lang::TextTable &texts, QWidget *parent)
    : QDialog(parent), m_mode(mode)
{
    const auto label = [&texts](const char *key, const QString &english) {
        return ownText(texts, key, english);
    };
    const QString title = mode == Mode::Find ? texts.text(QStringLiteral("ID_BUTTONMENU_SEARCH"))
                                             : texts.text(QStringLiteral("ID_BUTTONMENU_REPLACE"));
    setObjectName(mode == Mode::Find ? QStringLiteral("findDialog") : QStringLiteral("replaceDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(lang::captionOfMenuText(title));
    const SearchOptions options = SearchOptions::fromFlags(last.flags);

    auto *fields = new QFormLayout;
    m_find = new QLineEdit(last.findText, this);
    m_find->setObjectName(QStringLiteral("findText"));
    fields->addRow(label("FINDDIALOG_FINDWHAT", tr("Fi&nd what:")), m_find);
    if (mode == Mode::Replace) {
        m_replace = new QLineEdit(last.replaceText, this);
        m_replace->setObjectName(QStringLiteral("replaceText"));
        fields->addRow(label("FINDDIALOG_REPLACEWITH", tr("Re&place with:")), m_replace);
    }
    m_wholeWord = new QCheckBox(label("FINDDIALOG_WHOLEWORD", tr("Match &whole word only")), this);
    m_wholeWord->setChecked(options.wholeWord);
    m_matchCase = new QCheckBox(label("FINDDIALOG_MATCHCASE", tr("Match &case")), this);
    m_matchCase->setChecked(options.matchCase);
    auto *direction = new QGroupBox(label("FINDDIALOG_DIRECTION", tr("Direction")), this);
    auto *up = new QRadioButton(label("FINDDIALOG_UP", tr("&Up")), direction);
    m_down = new QRadioButton(label("FINDDIALOG_DOWN", tr("&Down")), direction);
    (options.downward ? m_down : up)->setChecked(true);
    auto *directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up);
    directionLayout->addWidget(m_down);

    auto *choices = new QHBoxLayout;
    auto *checks = new QVBoxLayout;
    checks->addWidget(m_wholeWord);
    checks->addWidget(m_matchCase);
    choices->addLayout(checks);
    choices->addWidget(direction);

    auto *buttons = new QVBoxLayout;
    m_findNext = new QPushButton(label("FINDDIALOG_FINDNEXT", tr("&Find Next")), this);
    m_findNext->setDefault(true);
    buttons->addWidget(m_findNext);
    connect(m_findNext, &QPushButton::clicked, this, &FindDialog::findNextRequested);
    if (mode == Mode::Replace) {
        m_replaceOne = new QPushButton(label("FINDDIALOG_REPLACE", tr("&Replace")), this);
        m_replaceAll = new QPushButton(label("FINDDIALOG_REPLACEALL", tr("Replace &All")), this);
        buttons->addWidget(m_replaceOne);
        buttons->addWidget(m_replaceAll);
        connect(m_replaceOne, &QPushButton::clicked, this, &FindDialog::replaceRequested);
        connect(m_replaceAll, &QPushButton::clicked, this, &FindDialog::replaceAllRequested);
    }
    auto *cancel = new QPushButton(label("FINDDIALOG_CANCEL", tr("Cancel")), this);
    buttons->addWidget(cancel);
    buttons->addStretch();
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);

    m_outcome = new QLabel(this);
    m_outcome->setObjectName(QStringLiteral("outcome"));
    m_outcome->setTextFormat(Qt::PlainText);
    m_outcome->setWordWrap(true);

    auto *left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(choices);
    left->addWidget(m_outcome);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_find, &QLineEdit::textChanged, this, &FindDialog::updateButtons);
    connect(m_find, &QLineEdit::textChanged, m_outcome, &QLabel::clear);
    updateButtons();
    m_find->selectAll();
}

QString FindDialog::findText() const
{
    return m_find->text();
}

QString FindDialog::replaceText() const
{
    return m_replace ? m_replace->text() : QString();
}

SearchOptions FindDialog::options() const
{
    return {m_down->isChecked(), m_wholeWord->isChecked(), m_matchCase->isChecked()};
}

void FindDialog::showOutcome(const QString &text)
{
    m_outcome->setText(text);
}

void FindDialog::updateButtons()
{
    // Nothing to look for: nothing to find or replace.
    const bool any = !m_find->text().isEmpty();
    m_findNext->setEnabled(any);
    if (m_replaceOne) {
        m_replaceOne->setEnabled(any);
        m_replaceAll->setEnabled(any);
    }
}

} // namespace tabulet::ui
