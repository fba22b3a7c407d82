#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>
#include <QString>

// An icon drawn at several sizes, each from a picture file that is read only when something asks
// for that size. QIcon's own file engine reads every file when it is added (and loads every image
// plugin to learn a file's format); a window on a platform that never asks for its icon, or asks
// later, pays nothing at start-up.
class PictureIconEngine : public QIconEngine
{
public:
    struct Picture
    {
        int size;
        QString path;
    };

    explicit PictureIconEngine(QList<Picture> pictures);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    // The smallest picture at least as large as asked, or the largest.
    Picture &pictureFor(const QSize &size);

    QList<Picture> pictures;
    QList<QPixmap> loaded;
};
