#include "ui/dialogs/options/numberfield.h"

#include "lang/formattext.h"
#include "lang/texttable.h"

#include <QRegularExpressionValidator>

namespace tabulet::ui {

namespace {

// Enough digits for every number the options hold, too few to overflow when read.
constexpr int kMaxDigits = 9;

} // namespace

NumberField::NumberField(int value, QWidget *parent) : QLineEdit(QString::number(value), parent)
{
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
    setMaxLength(kMaxDigits);
}

int NumberField::number() const
{
    return text().toInt();
}

bool NumberField::check(int lowest, int highest, lang::TextTable &texts,
                        const std::function<void(const QString &, QWidget *)> &warn)
{
    QString problem;
    if (text().isEmpty()) {
        problem = texts.text(QStringLiteral("OPTION_ENTERINTEGER"));
    } else if (number() < lowest || number() > highest) {
        problem = lang::formatText(texts.text(QStringLiteral("OPTION_INTEGERRANGE")),
                                   {lowest, highest});
    }
    if (problem.isEmpty())
        return true;
    warn(problem, this);
    setFocus();
    selectAll();
    return false;
}

} // namespace tabulet::ui
