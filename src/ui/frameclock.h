#pragma once

#include <QObject>

class QTimer;

namespace zantrel {

// What drives an animation: a timer in the program; the tests tick one by hand, so that no
// test waits for time to pass.
class FrameClock : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual int interval() const = 0;

signals:
    void ticked();
};

// The program's clock: a QTimer.
class TimerClock : public FrameClock {
    Q_OBJECT
public:
    explicit TimerClock(QObject* parent);
    void start(int milliseconds) override;
    void stop() override;
    bool isActive() const override;
    int interval() const override;

private:
    QTimer* m_timer;
};

} // namespace zantrel
