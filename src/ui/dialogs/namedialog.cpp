#include "ui/dialogs/namedialog.h"

#include "lang/texttable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tabulet::ui {

NameDialog::NameDialog(lang::TextTable &texts, const QString &caption, const QString &name, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("nameDialog"));
    setWindowTitle(caption);
    auto *layout = new QVBoxLayout(this);
    auto *label = new QLabel(texts.text(QStringLiteral("OPTION_TABNAME")), this);
    m_name = new QLineEdit(name, this);
    m_name->setObjectName(QStringLiteral("name"));
    m_name->setMinimumWidth(240);
    label->setBuddy(m_name);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addWidget(buttons);
    m_name->selectAll();
    m_name->setFocus();
}

QString NameDialog::name() const
{
    return m_name->text();
}

} // namespace tabulet::ui
