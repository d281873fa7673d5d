#pragma once

#include <QDialog>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The About box: the program's icon, name and version, what it is, who translated the texts, where
// this run keeps its notes, and the licence.
class AboutDialog final : public QDialog
{
    Q_OBJECT
public:
    AboutDialog(lang::TextTable &texts, const QString &dataFolder, QWidget *parent = nullptr);
};

// Makes a dialog of the note window end (as if cancelled) when the window hides or closes, so that
// a window that ends, for instance on a termination signal, never waits for a person.
void closeWithParentWindow(QDialog &dialog);

// The window title of the About box: the "About..." menu text without its dots and accelerator.
QString aboutCaption(lang::TextTable &texts);

} // namespace tabulet::ui
