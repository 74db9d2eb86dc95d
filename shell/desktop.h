// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <functional>
#include <memory>

class QImage;
class QWidget;

// What the program needs to know of the desktop beyond what Qt tells: the
// window manager's frames, which decide where a centred window must go
// before it is first mapped. Built for X11 where it is there; elsewhere
// there is no frame to know of.
namespace kolomaf::desktop {

// Where a Wayland session offers an X server and the user has not chosen a
// platform, the program runs through X: there it can place its windows and
// give them the keyboard. Before the application is made.
void choosePlatform();

// Sends the requests queued for the X display now instead of when the event
// loop next runs.
void flushDisplay();

// A window's native window is made and about to be mapped with its frame's
// top-left corner at `frameTopLeft`: the window manager is asked for its
// frame now, or, where it does not answer, the placement is watched to learn
// the frame from.
void aboutToMap(const QWidget *window, QPoint frameTopLeft);

// The frame around the program's windows, title bar included: the window's
// own where the manager has set it, else what was learnt from another
// window. Waits a moment for the first answer. Zero without a manager.
QMargins frameMargins(const QWidget *window);

// Whether the window manager holds the window active. Qt's own idea of it
// runs ahead where the manager ignored a request to activate another one.
bool isActive(const QWidget *window);

// Whether the manager frames a window where it was made, and takes a move
// before the window is mapped for a move of its frame to the frame's own
// offset (weston's XWayland manager). There a window made anew must be made
// in its place, without a move.
bool framesWhereMade();

// Makes sure Qt learns where the window manager puts and moves the
// program's windows, where the manager does not say so itself. Before the
// first window is mapped.
void watchPlacement();

// A picture for showPicture(), drawn and sent to the X server on a thread
// and a connection of its own while the program goes on, from before the
// application is made; null where the program is not to run on X, or on a
// server elsewhere. Dropping the last reference ends that connection, and
// the picture on the server with it.
class SentPicture;
std::shared_ptr<SentPicture> sendPicture(std::function<QImage()> draw);

// Has the window system show the sent picture in a window made but not yet
// mapped, from the moment it is mapped and until dropPicture() (before the
// picture's last reference goes), without the
// program drawing: the X server paints it as the window's background. Waits
// a moment for the picture to arrive. False where that cannot be done
// exactly (no X, another size or pixel format) or the picture is late.
bool showPicture(const QWidget *window, const std::shared_ptr<SentPicture> &picture);
void dropPicture(const QWidget *window);

} // namespace kolomaf::desktop
