#pragma once

#include <QDialog>

class QLineEdit;

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// Offers a note received over the network: who sent it, and its title, which the user may
// change before accepting. A note cut short on the way says how much of it came.
class NewFileDialog final : public QDialog
{
    Q_OBJECT
public:
    struct Offer
    {
        QString sender;
        QString title;
        qint64 receivedBytes = 0;
        qint64 sentBytes = 0; // what the sender announced
    };

    NewFileDialog(lang::TextTable &texts, const Offer &offer, QWidget *parent = nullptr);

    // The title as the user left it.
    QString title() const;

private:
    QLineEdit *m_title = nullptr;
};

} // namespace tabulet::ui
