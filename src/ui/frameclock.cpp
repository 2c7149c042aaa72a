#include "frameclock.h"

#include <QTimer>

namespace zantrel {

TimerClock::TimerClock(QObject* parent) : FrameClock(parent), m_timer(new QTimer(this)) {
    connect(m_timer, &QTimer::timeout, this, &FrameClock::ticked);
}

void TimerClock::start(int milliseconds) {
    m_timer->start(milliseconds);
}

void TimerClock::stop() {
    m_timer->stop();
}

bool TimerClock::isActive() const {
    return m_timer->isActive();
}

int TimerClock::interval() const {
    return m_timer->interval();
}

} // namespace zantrel
