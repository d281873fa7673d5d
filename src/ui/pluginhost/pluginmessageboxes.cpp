#include "ui/pluginhost/pluginmessageboxes.h"

#include "lang/formattext.h"
#include "lang/texttable.h"

#include <QMessageBox>
#include <QPushButton>

namespace tabulet::ui {

namespace {

QMessageBox::Icon toIcon(plugins::MessageIcon icon)
{
    switch (icon) {
    case plugins::MessageIcon::Error:
        return QMessageBox::Critical;
    case plugins::MessageIcon::Warning:
        return QMessageBox::Warning;
    case plugins::MessageIcon::Question:
        return QMessageBox::Question;
    case plugins::MessageIcon::Information:
        return QMessageBox::Information;
    case plugins::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void PluginMessageBoxes::showMessage(const QString &caption, const QString &text, plugins::MessageIcon icon)
{
    QMessageBox box(toIcon(icon), caption, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool PluginMessageBoxes::askYesNo(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

bool PluginMessageBoxes::askToStopScript(const QString &pluginName, int seconds)
{
    QMessageBox box(QMessageBox::Warning, m_texts.text(QStringLiteral("PLUGIN_NOTRESPONDING")),
                    lang::formatText(m_texts.text(QStringLiteral("PLUGIN_NOTRESPONDING_TEXT")), {pluginName, seconds}),
                    QMessageBox::NoButton);
    box.setTextFormat(Qt::PlainText);
    QPushButton *stop = box.addButton(m_texts.text(QStringLiteral("PLUGIN_STOP")), QMessageBox::AcceptRole);
    box.addButton(m_texts.text(QStringLiteral("PLUGIN_LETRUN")), QMessageBox::RejectRole);
    box.setDefaultButton(stop);
    box.exec();
    return box.clickedButton() == stop;
}

} // namespace tabulet::ui
