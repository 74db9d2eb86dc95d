// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QWidget;

namespace kolomaf {

// A picture rendered once per size and cached; keeps the SVG's aspect ratio,
// centred in the given size.
QPixmap renderPicture(const QString &resource, QSize size, qreal dpr, QString *cacheKey = nullptr);
// Starts drawing the pictures the window's visible controls will paint, on
// another thread, so the first paint finds them drawn. Those under a caption
// need its font: pass captioned once the fonts are read.
void drawPicturesAhead(QWidget *window, bool captioned);
// Waits for what is still being drawn ahead and forgets what no control
// took.
void dropPicturesDrawnAhead();
// Drops one drawn picture from the cache and forgets its key.
void forgetPicture(QString &cacheKey);
// A window icon drawn from a picture at the usual sizes. Drawn here, since
// an icon read from the SVG file would keep a renderer and its own copies.
QIcon pictureIcon(const QString &resource);
// The picture a control draws: drawn once per size, and given back with
// release() when the control's window goes.
class DrawnPicture
{
public:
    explicit DrawnPicture(const QString &resource)
        : m_resource(resource)
    {
    }
    const QString &resource() const { return m_resource; }
    QPixmap at(QSize size, qreal dpr) { return renderPicture(m_resource, size, dpr, &m_cacheKey); }
    void release() { forgetPicture(m_cacheKey); }

private:
    QString m_resource;
    QString m_cacheKey;
};

// Drops the cached pictures the window's controls drew; they are drawn
// again when the window next shows.
void releasePictures(QWidget *window);

} // namespace kolomaf
