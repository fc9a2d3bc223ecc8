#ifndef PROGRESSMETER_H
#define PROGRESSMETER_H

#include <QtGlobal>

class Progress;

// Turns a count of work done (bytes, elements) into a few hundred progress
// steps, so that a progress dialog, which repaints on every value, is only
// touched when its bar would visibly move. advance() is cheap enough to call
// once per element or token.
class ProgressMeter
{
public:
    static constexpr int Steps = 500;

    ProgressMeter(Progress *progress, qint64 total);

    void advance(qint64 done)
    {
        if (done >= m_next)
            report(done);
    }
    void finish();
    void cancel();

private:
    void report(qint64 done);

    Progress *m_progress;
    qint64 m_total;
    qint64 m_next;
};

#endif // PROGRESSMETER_H
