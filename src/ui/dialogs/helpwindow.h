#pragma once

#include <QDialog>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The shipped help page in a window of the program, for a desktop with nothing that opens web
// pages. Its caption is the page's title; links within the help are followed in the window, web
// addresses are handed to the desktop.
class HelpWindow final : public QDialog
{
    Q_OBJECT
public:
    HelpWindow(lang::TextTable &texts, const QString &pagePath, QWidget *parent = nullptr);
};

// Shows the page over the parent, in the help window already open there if there is one.
void showHelpWindow(lang::TextTable &texts, const QString &pagePath, QWidget *parent);

} // namespace tabulet::ui
