#pragma once

#include <QDialog>

class QLineEdit;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// Asks for a note's name: one line, any text accepted (the empty text too). The caption says what
// the name is for ("New Tab", "Rename Tab").
class NameDialog final : public QDialog
{
    Q_OBJECT
public:
    NameDialog(lang::TextTable &texts, const QString &caption, const QString &name, QWidget *parent = nullptr);

    QString name() const;

private:
    QLineEdit *m_name = nullptr;
};

} // namespace tabulet::ui
