#pragma once

#include "ui/tray/trayiconpictures.h"

#include <QMenu>
#include <QObject>
#include <QPoint>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>

namespace tabulet::ui {

// The program's icon in the notification area: its picture, its tool tip, its blinking while a
// received note waits, and the clicks on it. Picture and tip are set first and reach the tray
// with addTrayIcon() or updateTrayIcon().
class TrayIcon final : public QObject
{
    Q_OBJECT
public:
    // The longest tip the tray shows.
    static constexpr int kMaxTipLength = 63;

    explicit TrayIcon(QObject *parent = nullptr);

    // Puts the icon into the tray. Without a tray (none runs yet) the icon is not shown and is
    // put there as soon as a tray appears. True when the icon is shown.
    bool addTrayIcon();
    void removeTrayIcon();
    // Shows the current picture and tip, when the icon is in the tray.
    void updateTrayIcon();
    bool iconShown() const { return m_iconShown; }

    // Where the menu a right click opens comes from, asked at each click so that the menu is
    // made only when first wanted. It opens with its bottom edge at the pointer (its top when
    // there is no room above); the menu's owner carries out its choices.
    void setMenuSource(std::function<QMenu *()> source);

    // The tip: the text cut to 63 characters, "[empty tray]" for an empty text.
    void setTrayTip(const QString &text);
    const QString &trayTip() const { return m_tip; }

    void setTrayPicture(TrayPicture picture);
    TrayPicture trayPicture() const { return m_picture; }
    // The picture of the "trayicon" value; readd takes the icon out of the tray and puts it back.
    void chooseTrayPicture(const QString &trayiconValue, bool readd);

    // Every 500 ms the icon turns to the new-note picture and back to the chosen one. The turn
    // goes on where the previous blinking stopped; stopping shows the chosen picture again.
    void startBlinking();
    void stopBlinking();
    bool isBlinking() const { return m_blinkTimer.isActive(); }
    // What the tray shows now: the chosen picture, or the new-note one during a blink.
    TrayPicture shownPicture() const { return m_shown; }

signals:
    // The left button went down on the icon; the single-click show or hide.
    void leftDown();
    // A left double-click on the icon: show and activate unless already in front.
    void leftDoubleClick();
    // The right button went down on the icon at this screen position: the tray menu.
    void rightDown(const QPoint &globalPosition);

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void onBlinkTick();
    void show(TrayPicture picture);
    void onTrayHostAppeared();
    void popUpMenu(const QPoint &globalPosition);

    QSystemTrayIcon m_icon;
    std::function<QMenu *()> m_menuSource;
    QTimer m_blinkTimer;
    QString m_tip = QStringLiteral("[empty tray]");
    TrayPicture m_picture = TrayPicture::ThreeNotesWhite;
    TrayPicture m_shown = TrayPicture::ThreeNotesWhite;
    bool m_iconShown = false;
    bool m_wanted = false;
    bool m_blinkShowsNewNote = false;
};

// Cuts a tip to the tray's length without splitting a character made of two UTF-16 units.
QString cutTrayTip(const QString &text);

} // namespace tabulet::ui
