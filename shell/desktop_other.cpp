// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/desktop.h"

#include <QImage>

// Without X11 the window system places and frames the windows itself.
namespace kolomaf::desktop {

void choosePlatform() { }

void flushDisplay() { }

void aboutToMap(const QWidget *, QPoint) { }

QMargins frameMargins(const QWidget *)
{
    return {};
}

bool framesWhereMade()
{
    return false;
}

void watchPlacement() { }

class SentPicture
{
};

std::shared_ptr<SentPicture> sendPicture(std::function<QImage()>)
{
    return nullptr;
}

bool showPicture(const QWidget *, const std::shared_ptr<SentPicture> &)
{
    return false;
}

void dropPicture(const QWidget *) { }

bool isActive(const QWidget *window)
{
    return window->isActiveWindow();
}

} // namespace kolomaf::desktop
