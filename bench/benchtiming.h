#ifndef BENCHTIMING_H
#define BENCHTIMING_H

#include <QElapsedTimer>

#include <functional>

// The best of a few runs of work, in milliseconds; cleanup runs after each, untimed.
inline double bestOfMs(int runs, const std::function<void()> &work, const std::function<void()> &cleanup = {})
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
        if (cleanup)
            cleanup();
    }
    return best;
}

#endif // BENCHTIMING_H
