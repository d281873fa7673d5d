#include "ui/window/mainwindowprompts.h"

#include "ui/dialogs/namedialog.h"

#include <QMessageBox>
#include <QWidget>

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

MessageBoxPrompts::DialogScope::~DialogScope()
{
    // Window managers may hand the focus elsewhere when a dialog closes; the keys belong to the
    // note window again.
    if (m_parent && m_parent->isVisible())
        m_parent->activateWindow();
}

void MessageBoxPrompts::tell(const QString &caption, const QString &text, Icon icon)
{
    const DialogScope scope(m_parent);
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, m_parent);
    box.exec();
}

bool MessageBoxPrompts::confirm(const QString &caption, const QString &text)
{
    const DialogScope scope(m_parent);
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok | QMessageBox::Cancel, m_parent);
    return box.exec() == QMessageBox::Ok;
}

bool MessageBoxPrompts::askYesNo(const QString &caption, const QString &text)
{
    const DialogScope scope(m_parent);
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

bool MessageBoxPrompts::askBeforeLoss(const QString &caption, const QString &text)
{
    const DialogScope scope(m_parent);
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> MessageBoxPrompts::askName(const QString &caption, const QString &name)
{
    const DialogScope scope(m_parent);
    NameDialog dialog(m_texts, caption, name, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.name();
}

} // namespace tabulet::ui
