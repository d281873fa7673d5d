#include "ui/dialogs/helpwindow.h"

#include "lang/menucaption.h"
#include "lang/texttable.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace tabulet::ui {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 560;

} // namespace

HelpWindow::HelpWindow(lang::TextTable &texts, const QString &pagePath, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("helpWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *page = new QTextBrowser(this);
    page->setObjectName(QStringLiteral("page"));
    page->setOpenExternalLinks(true);
    page->setSource(QUrl::fromLocalFile(pagePath));
    const QString title = page->documentTitle().trimmed();
    setWindowTitle(title.isEmpty() ? lang::captionOfMenuText(texts.text(QStringLiteral("ID_TRAYMENU_HELP"))) : title);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *close = buttons->addButton(texts.text(QStringLiteral("CLOSE")), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addWidget(buttons);
    resize(kWidth, kHeight);
    page->setFocus();
}

void showHelpWindow(lang::TextTable &texts, const QString &pagePath, QWidget *parent)
{
    HelpWindow *window = parent ? parent->findChild<HelpWindow *>() : nullptr;
    if (!window) {
        window = new HelpWindow(texts, pagePath, parent);
        window->show();
    }
    window->raise();
    window->activateWindow();
}

} // namespace tabulet::ui
