#include "bench/PaintMarker.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

PaintMarker::PaintMarker(WindowTest isTarget, std::function<void()> onPainted)
    : isTarget(std::move(isTarget))
    , onPainted(std::move(onPainted))
{
    QCoreApplication::instance()->installEventFilter(this);
}

PaintMarker::~PaintMarker()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void PaintMarker::rearm(WindowTest test)
{
    isTarget = std::move(test);
    seen = false;
    flushed = false;
}

bool PaintMarker::eventFilter(QObject *watched, QEvent *event)
{
    if (seen || event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    const auto *widget = static_cast<QWidget *>(watched);
    if (!isTarget || !isTarget(widget->window()))
        return false;
    seen = true;
    QMetaObject::invokeMethod(
            this,
            [this] {
                flushed = true;
                if (onPainted)
                    onPainted();
            },
            Qt::QueuedConnection);
    return false;
}
