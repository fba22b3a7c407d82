#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Notices the first Paint event delivered to any widget of a chosen window and then calls back,
// one posted-event turn later: by then the whole window has been painted and its backing store
// flushed, since Qt paints and flushes a window within one update request.
class PaintMarker : public QObject
{
public:
    using WindowTest = std::function<bool(const QWidget *window)>;

    // An empty test watches no window until rearm() names one.
    explicit PaintMarker(WindowTest isTarget = {}, std::function<void()> onPainted = {});
    ~PaintMarker() override;

    // Forgets the last paint so that the next one is reported again.
    void rearm(WindowTest isTarget);
    bool painted() const { return flushed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowTest isTarget;
    std::function<void()> onPainted;
    bool seen = false;
    bool flushed = false;
};
