#include "widgets/PictureIconEngine.h"

#include <QPainter>

PictureIconEngine::PictureIconEngine(QList<Picture> pictures)
    : pictures(std::move(pictures))
    , loaded(this->pictures.size())
{ }

PictureIconEngine::Picture &PictureIconEngine::pictureFor(const QSize &size)
{
    const int wanted = qMax(size.width(), size.height());
    for (Picture &picture : pictures) {
        if (picture.size >= wanted)
            return picture;
    }
    return pictures.last();
}

QPixmap PictureIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    if (pictures.isEmpty() || size.isEmpty())
        return {};
    const Picture &picture = pictureFor(size);
    QPixmap &pixmap = loaded[&picture - pictures.constData()];
    if (pixmap.isNull())
        pixmap.load(picture.path);
    if (pixmap.size() == size)
        return pixmap;
    return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void PictureIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                              QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
    drawn.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), drawn);
}

QList<QSize> PictureIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    QList<QSize> sizes;
    for (const Picture &picture : std::as_const(pictures))
        sizes.append(QSize(picture.size, picture.size));
    return sizes;
}

QSize PictureIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    if (pictures.isEmpty())
        return {};
    const int largest = pictureFor(size).size;
    return size.boundedTo(QSize(largest, largest));
}

QIconEngine *PictureIconEngine::clone() const
{
    return new PictureIconEngine(*this);
}

QString PictureIconEngine::key() const
{
    return QStringLiteral("PictureIconEngine");
}
