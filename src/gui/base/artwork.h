#pragma once
// The console's own look: every picture is drawn here with QPainter (banners, tab pictures, decorations,
// map previews, the hand pointer), and the window font with a fallback of the same width class.
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tvx::art {

// Tahoma at the given size; where Tahoma is missing, a condensed sans of about its width, so that captions
// laid out for Tahoma still fit their labels.
QFont tahoma(double points, bool bold = false);

// The fixed-pitch font of the terminal, list and reader boxes.
QFont fixedFont(double points);

// The hand-shaped pointer of every clickable picture and label.
QCursor handCursor();

// Banners behind the tab row and the status row, and the bottom band (drawn at their design sizes and
// stretched by their labels).
QPixmap topBanner(QSize size);
QPixmap statusBanner(QSize size);
QPixmap bottomBanner(QSize size);

// The eight tab pictures, left to right; each says what it does.
enum class Tab { Reset, Players, Chat, Settings, Maps, Admin, Terminal, Exit };
QPixmap tabPicture(Tab tab, QSize size);

// Small decorations: the players page's tip picture, the maps page's compass, the bullet beside the admin
// page's commands and the background of the map rotation buttons.
QPixmap tipPicture(QSize size);
QPixmap compassPicture(QSize size);
QPixmap commandBullet(QSize size);
QPixmap buttonBackground(QSize size);
// The warning box's icon: a speech bubble with an exclamation mark.
QPixmap warningIcon(QSize size);

// A preview for one map name; the empty name gives the default preview shown before a map is chosen.
QPixmap mapPreview(const QString& mapName, QSize size);

// The RCON Server Tool's pictures: the banner behind its title, its connect and disconnect buttons, the
// console picture beside its command line, its chat's send button and its window icon.
enum class ConsolePicture { Banner, Connect, Disconnect, Console, SendChat, Icon };
QPixmap consolePicture(ConsolePicture which, QSize size);

} // namespace tvx::art
