#include "ui/FirstFrame.h"

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace {

// Waits for the window's first paint event. The window, then its children, are painted and the
// frame is shown within the handling of that one event: work queued from there runs after it.
class FirstFrameWatcher : public QObject {
public:
    FirstFrameWatcher(QWidget* window, std::function<void()> work)
        : QObject(window), m_work(std::move(work)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_queued) {
            m_queued = true;
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_work();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> m_work;
    bool m_queued = false;
};

} // namespace

void runAfterFirstFrame(QWidget* window, std::function<void()> work) {
    new FirstFrameWatcher(window, std::move(work));
}
