#pragma once

#include <QPointer>
#include <QWidget>

// Freezes a widget's painting for a bulk change and repaints it once when the scope ends,
// on the failure path as surely as on the normal one.
class UpdateLock {
public:
    explicit UpdateLock(QWidget* widget) : m_widget(widget) {
        if (m_widget) {
            m_wasEnabled = m_widget->updatesEnabled();
            m_widget->setUpdatesEnabled(false);
        }
    }
    ~UpdateLock() { release(); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;

    void release() {
        if (m_widget && m_locked) {
            m_widget->setUpdatesEnabled(m_wasEnabled);
            m_widget->update();
        }
        m_locked = false;
    }

private:
    QPointer<QWidget> m_widget;
    bool m_wasEnabled = true;
    bool m_locked = true;
};
