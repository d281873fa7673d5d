#include "ui/mainwindowprompts.h"

#include "ui/namedialog.h"

#include <QMessageBox>

namespace tabulet::ui {

namespace {

QMessageBox::Icon boxIcon(WindowPrompts::Icon icon)
{
    switch (icon) {
    case WindowPrompts::Icon::Information:
        return QMessageBox::Information;
    case WindowPrompts::Icon::Question:
        return QMessageBox::Question;
    case WindowPrompts::Icon::Warning:
        return QMessageBox::Warning;
    case WindowPrompts::Icon::Error:
        return QMessageBox::Critical;
    case WindowPrompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void MessageBoxPrompts::tell(const QString &caption, const QString &text, Icon icon)
{
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxPrompts::confirm(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    return box.exec() == QMessageBox::Ok;
}

bool MessageBoxPrompts::askYesNo(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompts::askName(const QString &name)
{
    NameDialog dialog(m_texts, name, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

} // namespace tabulet::ui
