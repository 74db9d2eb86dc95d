// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/pictures.h"

#include "shell/controls.h"

#include <QHash>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <future>
#include <vector>

namespace kolomaf {

namespace {

QString pictureKey(const QString &resource, QSize device)
{
    return QStringLiteral("%1@%2x%3").arg(resource).arg(device.width()).arg(device.height());
}

// Into an image, not a pixmap, so that it may be drawn on another thread.
QImage drawPicture(const QString &resource, QSize device)
{
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // The parsed picture is not kept: each size is drawn once and cached,
    // and a parsed tree would hold far more memory than its pixels.
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QSizeF natural = renderer.defaultSize();
        natural.scale(QSizeF(device), Qt::KeepAspectRatio);
        const QRectF target((device.width() - natural.width()) / 2, (device.height() - natural.height()) / 2,
            natural.width(), natural.height());
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p, target);
    }
    return image;
}

// Pictures being drawn ahead on another thread, by cache key, and the
// tasks drawing them.
QHash<QString, std::shared_future<QImage>> &drawingAhead()
{
    static QHash<QString, std::shared_future<QImage>> pending;
    return pending;
}
std::vector<std::future<void>> &drawers()
{
    static std::vector<std::future<void>> tasks;
    return tasks;
}

} // namespace

QPixmap renderPicture(const QString &resource, QSize size, qreal dpr, QString *cacheKey)
{
    if (size.isEmpty())
        return {};
    const QSize device = size * dpr;
    const QString key = pictureKey(resource, device);
    if (cacheKey)
        *cacheKey = key;
    QPixmap pm;
    if (QPixmapCache::find(key, &pm))
        return pm;
    const std::shared_future<QImage> ahead = drawingAhead().take(key);
    pm = QPixmap::fromImage(ahead.valid() ? ahead.get() : drawPicture(resource, device));
    pm.setDevicePixelRatio(dpr);
    QPixmapCache::insert(key, pm);
    return pm;
}

void drawPicturesAhead(QWidget *window, bool captioned)
{
    struct Job
    {
        QString resource;
        QSize device;
        std::promise<QImage> image;
    };
    std::vector<Job> jobs;
    const qreal dpr = window->devicePixelRatioF();
    const auto add = [&](QWidget *w, const QString &resource, QSize size) {
        if (resource.isEmpty() || size.isEmpty() || !w->isVisibleTo(window))
            return;
        const QSize device = size * dpr;
        const QString key = pictureKey(resource, device);
        QPixmap cached;
        if (drawingAhead().contains(key) || QPixmapCache::find(key, &cached))
            return;
        jobs.push_back({resource, device, {}});
        drawingAhead().insert(key, jobs.back().image.get_future().share());
    };
    if (!captioned)
        for (Picture *p : window->findChildren<Picture *>())
            add(p, p->resource(), p->size());
    for (PictureButton *b : window->findChildren<PictureButton *>())
        if (b->text().isEmpty() != captioned)
            add(b, b->resource(), b->pictureRect().size());
    if (jobs.empty())
        return;
    // One task draws them all, in the order they will be painted; each is
    // ready as soon as it is drawn.
    drawers().push_back(std::async(std::launch::async, [jobs = std::move(jobs)]() mutable {
        for (Job &job : jobs)
            job.image.set_value(drawPicture(job.resource, job.device));
    }));
}

void dropPicturesDrawnAhead()
{
    drawers().clear();
    drawingAhead().clear();
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
