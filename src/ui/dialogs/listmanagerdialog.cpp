#include "ui/dialogs/listmanagerdialog.h"

#include "lang/texttable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

ListManagerDialog::ListManagerDialog(lang::TextTable &texts, const QString &caption, const QStringList &entries,
                                     const QString &addPromptKey, QWidget *parent)
    : QDialog(parent), m_addPrompt(texts.text(addPromptKey))
{
    setObjectName(QStringLiteral("listManagerDialog"));
    setWindowTitle(caption);
    m_askForEntry = [this](const QString &prompt) -> std::optional<QString> {
        bool ok = false;
        const QString value = QInputDialog::getText(this, windowTitle(), prompt, QLineEdit::Normal, {}, &ok);
        return ok ? std::optional<QString>(value) : std::nullopt;
    };
    auto *layout = new QHBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("entries"));
    m_list->addItems(entries);
    layout->addWidget(m_list);

    auto *side = new QVBoxLayout;
    auto *add = new QPushButton(texts.text(QStringLiteral("IDC_BUTTON_ADD")), this);
    add->setObjectName(QStringLiteral("add"));
    auto *remove = new QPushButton(texts.text(QStringLiteral("IDC_BUTTON_DELETE")), this);
    remove->setObjectName(QStringLiteral("delete"));
    auto *buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(texts.text(QStringLiteral("IDOK")), QDialogButtonBox::AcceptRole);
    buttons->addButton(texts.text(QStringLiteral("IDCANCEL")), QDialogButtonBox::RejectRole);
    connect(add, &QPushButton::clicked, this, &ListManagerDialog::addEntry);
    connect(remove, &QPushButton::clicked, this, &ListManagerDialog::deleteSelected);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    side->addWidget(add);
    side->addWidget(remove);
    side->addStretch();
    side->addWidget(buttons);
    layout->addLayout(side);
}

QStringList ListManagerDialog::entries() const
{
    QStringList shown;
    for (int row = 0; row < m_list->count(); ++row)
        shown << m_list->item(row)->text();
    return shown;
}

void ListManagerDialog::setAskForEntry(std::function<std::optional<QString>(const QString &)> ask)
{
    m_askForEntry = std::move(ask);
}

void ListManagerDialog::addEntry()
{
    const std::optional<QString> entry = m_askForEntry(m_addPrompt);
    if (entry && !entry->trimmed().isEmpty())
        m_list->addItem(entry->trimmed());
}

void ListManagerDialog::deleteSelected()
{
    delete m_list->currentItem();
}

} // namespace tabulet::ui
