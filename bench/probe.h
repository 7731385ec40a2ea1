// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up measurement's end point, shared by the floor and the program's bench entry:
// once the window of the given name has painted for the first time and that paint has
// reached the display, print the monotonic clock ("painted <nanoseconds>") and leave the
// event loop.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace bench {

class FirstPaintExit final : public QObject {
public:
    FirstPaintExit(QString windowName, QObject *parent) : QObject(parent), m_name(std::move(windowName)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (m_seen || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const auto *widget = static_cast<const QWidget *>(watched);
        if (!widget->isWindow() || widget->objectName() != m_name)
            return false;
        m_seen = true;
        // The window paints first, then its children, then the backing store is flushed to
        // the display; a queued call runs only after all of that.
        QMetaObject::invokeMethod(this, [] {
            timespec now{};
            clock_gettime(CLOCK_MONOTONIC, &now);
            std::printf("painted %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }, Qt::QueuedConnection);
        return false;
    }

private:
    QString m_name;
    bool m_seen = false;
};

// Watches every event of the application from now on.
inline void exitAfterFirstPaint(const QString &windowName)
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintExit(windowName, QCoreApplication::instance()));
}

} // namespace bench
