#pragma once

#include <QLineEdit>

#include <functional>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// A field that takes decimal digits only, for the options' numbers.
class NumberField final : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberField(int value, QWidget *parent = nullptr);

    // The number typed; 0 for an empty field (check() refuses that first).
    int number() const;
    // Tells with the standard message when the field is empty or its number lies outside
    // [lowest, highest], and then takes the focus. True when the number can be taken.
    bool check(int lowest, int highest, lang::TextTable &texts,
               const std::function<void(const QString &, QWidget *)> &warn);
};

} // namespace tabulet::ui
