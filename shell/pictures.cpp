// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pictures.h"

#include "shell/controls.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace kolomaf {

QPixmap renderPicture(const QString &resource, QSize size, qreal dpr, QString *cacheKey)
{
    if (size.isEmpty())
        return {};
    const QSize device = size * dpr;
    const QString key = QStringLiteral("%1@%2x%3").arg(resource).arg(device.width()).arg(device.height());
    if (cacheKey)
        *cacheKey = key;
    QPixmap pm;
    if (QPixmapCache::find(key, &pm))
        return pm;
    // The parsed picture is not kept: each size is drawn once and cached,
    // and a parsed tree would hold far more memory than its pixels.
    QSvgRenderer renderer(resource);
    QSvgRenderer *r = &renderer;
    pm = QPixmap(device);
    pm.fill(Qt::transparent);
    if (r->isValid()) {
        QSizeF natural = r->defaultSize();
        natural.scale(QSizeF(device), Qt::KeepAspectRatio);
        const QRectF target((device.width() - natural.width()) / 2, (device.height() - natural.height()) / 2,
            natural.width(), natural.height());
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        r->render(&p, target);
    }
    pm.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pm);
    return pm;
}

QIcon pictureIcon(const QString &resource)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64})
        icon.addPixmap(renderPicture(resource, QSize(side, side), 1));
    return icon;
}

void releasePictures(QWidget *window)
{
    for (Picture *p : window->findChildren<Picture *>())
        p->releasePicture();
    for (PictureButton *b : window->findChildren<PictureButton *>())
        b->releasePicture();
}

void forgetPicture(QString &cacheKey)
{
    if (!cacheKey.isEmpty())
        QPixmapCache::remove(cacheKey);
    cacheKey.clear();
}

} // namespace kolomaf
