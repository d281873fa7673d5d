#include "app/plainnotewindow.h"

#include "lang/formattext.h"
#include "platform/taskbar.h"
#include "settings/noterules.h"
#include "ui/applicationcontext.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QTabBar>
#include <QVBoxLayout>

namespace tabulet::app {

PlainNoteWindow::PlainNoteWindow(ui::ApplicationContext &context, QWidget *owner)
    : QWidget(owner, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("noteWindow"));
    auto *layout = new QVBoxLayout(this);
    m_tabs = new QTabBar(this);
    m_placeholder = new QLabel(this);
    m_placeholder->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_tabs);
    layout->addWidget(m_placeholder, 1);
    connect(m_tabs, &QTabBar::currentChanged, this, &PlainNoteWindow::showSelectedNote);
}

void PlainNoteWindow::run()
{
    loadNotes();
    auto &settings = m_context.settings;
    resize(settings.value(QStringLiteral("w")).toInt(), settings.value(QStringLiteral("h")).toInt());
    move(settings.value(QStringLiteral("x")).toInt(), settings.value(QStringLiteral("y")).toInt());
    platform::keepOffTaskbar(this);
    show();
    platform::keepOffTaskbar(this);
    m_loop.exec();
}

void PlainNoteWindow::loadNotes()
{
    auto &configuration = m_context.configuration;
    const settings::LoadResult loaded = configuration.load(false);
    configuration.setSavingEnabled(true);
    if (loaded.damaged || (m_context.notes.isEmpty() && !configuration.isFirstRun())) {
        QMessageBox box(QMessageBox::Warning, m_context.texts.text(QStringLiteral("DIALOG_ERROR")),
                        m_context.texts.text(QStringLiteral("CORRUPT_INIFILE")), QMessageBox::Ok, this);
        // Where the damaged file was kept, so that nothing of it is lost to the user.
        box.setInformativeText(QDir::toNativeSeparators(loaded.damagedCopy));
        box.exec();
    }
    settings::ensureOneNote(m_context.notes);
    for (const settings::Note &note : m_context.notes) {
        if (note.visible)
            m_tabs->setTabData(m_tabs->addTab(note.title), note.serial);
    }
    m_tabs->setCurrentIndex(m_context.settings.value(QStringLiteral("selectedtab")).toInt());
    showSelectedNote();
}

void PlainNoteWindow::showSelectedNote()
{
    const QString title = m_tabs->tabText(m_tabs->currentIndex());
    setWindowTitle(lang::formatText(m_context.texts.text(QStringLiteral("ID_TRAY_TOOLTIP")), {title}));
    m_placeholder->setText(title);
}

void PlainNoteWindow::closeWithoutAsking()
{
    close();
}

void PlainNoteWindow::closeEvent(QCloseEvent *event)
{
    if (m_tabs->currentIndex() >= 0)
        m_context.settings.value(QStringLiteral("selectedtab")) = QString::number(m_tabs->currentIndex());
    m_context.configuration.save();
    event->accept();
    m_loop.quit();
}

} // namespace tabulet::app
