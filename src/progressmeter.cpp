#include "progressmeter.h"

#include "progress.h"

#include <limits>

ProgressMeter::ProgressMeter(Progress *progress, qint64 total)
    : m_progress(progress),
      m_total(qMax<qint64>(total, 1)),
      m_next(progress ? (m_total + Steps - 1) / Steps : std::numeric_limits<qint64>::max())
{
    if (m_progress) {
        m_progress->setRange(0, Steps);
        m_progress->setValue(0);
    }
}

void ProgressMeter::report(qint64 done)
{
    const int step = int(qMin<qint64>(done * Steps / m_total, Steps));
    m_progress->setValue(step);
    // The next report is due when the count reaches the start of the next step.
    m_next = step >= Steps ? std::numeric_limits<qint64>::max()
                           : ((step + 1) * m_total + Steps - 1) / Steps;
}

void ProgressMeter::finish()
{
    if (m_progress)
        m_progress->setValue(Steps);
}

void ProgressMeter::cancel()
{
    if (m_progress)
        m_progress->cancel();
}
