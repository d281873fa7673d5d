#include "ui/dialogs/enterhotkeydialog.h"

#include "commands/commandcaption.h"
#include "lang/formattext.h"
#include "lang/texttable.h"
#include "plugins/pluginmenu.h"
#include "ui/dialogs/myhotkeyctrl.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tabulet::ui {

EnterHotkeyDialog::EnterHotkeyDialog(const QString &boundTo, int key, commands::Modifiers modifiers,
                                     commands::CommandTable table, lang::TextTable &texts,
                                     const commands::KeyNames &keyNames, QWidget *parent)
    : QDialog(parent), m_table(std::move(table)), m_texts(texts), m_field(new MyHotKeyCtrl(keyNames, this)),
      m_conflict(new QLabel(this))
{
    setWindowTitle(texts.text(QStringLiteral("ENTER_HOTKEY")));
    m_field->setHotKey(key, modifiers);
    m_conflict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts.text(QStringLiteral("IDOK")));
    buttons->button(QDialogButtonBox::Cancel)->setText(texts.text(QStringLiteral("IDCANCEL")));
    // The field takes Return for itself; the buttons are clicked or reached with Tab.
    buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_field, &MyHotKeyCtrl::changed, this, &EnterHotkeyDialog::showConflict);

    auto *boundToLine = new QLabel(lang::formatText(texts.text(QStringLiteral("ENTER_HOTKEY_FOR")), {boundTo}), this);
    boundToLine->setObjectName(QStringLiteral("boundTo"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(boundToLine);
    layout->addWidget(m_field);
    layout->addWidget(m_conflict);
    layout->addWidget(buttons);
    m_field->setFocus();
    showConflict();
}

int EnterHotkeyDialog::key() const
{
    return m_field->key();
}

commands::Modifiers EnterHotkeyDialog::modifiers() const
{
    return m_field->modifiers();
}

QString EnterHotkeyDialog::conflictText() const
{
    return m_conflict->text();
}

// Only a key with at least one modifier is a shortcut worth warning about: F3 alone never is. A
// built-in command wins a shortcut it shares with a plug-in's, so it is the one named.
void EnterHotkeyDialog::showConflict()
{
    QString takenBy;
    if (key() != 0 && modifiers()) {
        if (const int index = m_table.indexOfShortcut(key(), modifiers()); index >= 0)
            takenBy = commands::commandCaption(m_table.commands()[static_cast<std::size_t>(index)].definition, m_texts);
        else if (const commands::PluginBinding *binding = m_table.pluginBindingOfShortcut(key(), modifiers()))
            takenBy = plugins::pluginCommandCaption(binding->name, m_texts);
    }
    QString usedBy = m_texts.text(QStringLiteral("SHORTCUT_USEDBY"));
    if (usedBy.isEmpty())
        usedBy = QStringLiteral("This shortcut is already used by: %s");
    m_conflict->setText(takenBy.isEmpty() ? QString() : lang::formatText(usedBy, {takenBy}));
}

} // namespace tabulet::ui
