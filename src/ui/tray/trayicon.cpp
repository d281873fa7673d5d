#include "ui/tray/trayicon.h"

#include "platform/trayhostwatch.h"

#include <utility>

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace tabulet::ui {

namespace {

constexpr int kBlinkInterval = 500;

} // namespace

QString cutTrayTip(const QString &text)
{
    if (text.size() <= TrayIcon::kMaxTipLength)
        return text;
    QString cut = text.left(TrayIcon::kMaxTipLength);
    if (cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

TrayIcon::TrayIcon(QObject *parent) : QObject(parent)
{
    m_icon.setIcon(trayPictureIcon(m_picture));
    m_icon.setToolTip(m_tip);
    m_blinkTimer.setInterval(kBlinkInterval);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
    connect(&m_blinkTimer, &QTimer::timeout, this, &TrayIcon::onBlinkTick);
    // A tray host that starts after the program gets the icon at once; queued, so that the
    // toolkit has seen the new host first.
    connect(new platform::TrayHostWatch(this), &platform::TrayHostWatch::trayHostAppeared, this,
            &TrayIcon::onTrayHostAppeared, Qt::QueuedConnection);
}

void TrayIcon::onTrayHostAppeared()
{
    if (m_wanted && !m_iconShown)
        addTrayIcon();
}

bool TrayIcon::addTrayIcon()
{
    m_wanted = true;
    if (m_iconShown)
        return true;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return false;
    m_icon.setIcon(trayPictureIcon(m_shown));
    m_icon.setToolTip(m_tip);
    m_icon.show();
    m_iconShown = m_icon.isVisible();
    return m_iconShown;
}

void TrayIcon::removeTrayIcon()
{
    m_wanted = false;
    if (!m_iconShown)
        return;
    m_icon.hide();
    m_iconShown = false;
}

void TrayIcon::updateTrayIcon()
{
    if (!m_iconShown)
        return;
    m_icon.setIcon(trayPictureIcon(m_shown));
    m_icon.setToolTip(m_tip);
}

void TrayIcon::setTrayTip(const QString &text)
{
    m_tip = text.isEmpty() ? QStringLiteral("[empty tray]") : cutTrayTip(text);
}

void TrayIcon::setTrayPicture(TrayPicture picture)
{
    m_picture = picture;
    if (!isBlinking() || !m_blinkShowsNewNote)
        m_shown = picture;
}

void TrayIcon::chooseTrayPicture(const QString &trayiconValue, bool readd)
{
    setTrayPicture(trayPictureOf(trayiconValue));
    if (readd) {
        removeTrayIcon();
        addTrayIcon();
    }
}

void TrayIcon::startBlinking()
{
    if (!isBlinking())
        m_blinkTimer.start();
}

void TrayIcon::stopBlinking()
{
    m_blinkTimer.stop();
    show(m_picture);
}

void TrayIcon::onBlinkTick()
{
    m_blinkShowsNewNote = !m_blinkShowsNewNote;
    show(m_blinkShowsNewNote ? TrayPicture::NewNote : m_picture);
}

void TrayIcon::show(TrayPicture picture)
{
    m_shown = picture;
    updateTrayIcon();
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        emit leftDown();
        break;
    case QSystemTrayIcon::DoubleClick:
        emit leftDoubleClick();
        break;
    case QSystemTrayIcon::Context: {
        const QPoint position = QCursor::pos();
        emit rightDown(position);
        popUpMenu(position);
        break;
    }
    case QSystemTrayIcon::MiddleClick:
    case QSystemTrayIcon::Unknown:
        break;
    }
}

void TrayIcon::setMenuSource(std::function<QMenu *()> source)
{
    m_menuSource = std::move(source);
}

void TrayIcon::popUpMenu(const QPoint &globalPosition)
{
    QMenu *menu = m_menuSource ? m_menuSource() : nullptr;
    if (!menu)
        return;
    const QSize size = menu->sizeHint();
    QPoint topLeft(globalPosition.x(), globalPosition.y() - size.height());
    const QScreen *screen = QGuiApplication::screenAt(globalPosition);
    // A tray along the top of the screen leaves no room above the pointer.
    if (screen && topLeft.y() < screen->geometry().top())
        topLeft.setY(globalPosition.y());
    menu->popup(topLeft);
}

} // namespace tabulet::ui
