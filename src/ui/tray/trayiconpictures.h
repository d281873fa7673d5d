#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tabulet::lang {
class TextTable;
}

namespace tabulet::ui {

// The pictures the tray icon can show. The first sixteen are the choices of the option
// "trayicon", in the order of its values; NewNote is shown in turn with the chosen one while a
// received note waits.
enum class TrayPicture {
    ThreeNotesWhite,
    ThreeNotesGrey,
    ThreeNotesYellow,
    N1,
    N2,
    N3,
    Pen1,
    Pen2,
    Doc1,
    Arc1,
    DarkN,
    BlueN,
    RedN,
    Sphere,
    GlobeGreen,
    GlobeBlue,
    NewNote,
};

// How many pictures the option "trayicon" chooses from.
constexpr int kTrayPictureChoices = 16;

// The picture of a "trayicon" value: its number 1 to 15 picks that picture; 0 and every other
// value, also text that is no number, pick the white notes.
TrayPicture trayPictureOf(const QString &trayiconValue);

// The words the options show beside one of the choices, in the current language ("Pencil"); in
// English when the language file has none, empty for NewNote, which is never chosen.
QString trayPictureName(TrayPicture picture, lang::TextTable &texts);

// The picture drawn for one square size in pixels; every size is drawn on its own pixel grid.
QPixmap drawTrayPicture(TrayPicture picture, int size);

// The picture at 16, 22, 24 and 32 points, each also at twice as many pixels for scaled screens,
// for the tray (or a list) to pick the size it shows.
QIcon trayPictureIcon(TrayPicture picture);

} // namespace tabulet::ui
