#ifndef SHAREDPROGRESS_H
#define SHAREDPROGRESS_H

#include "progress.h"

#include <atomic>

// Progress reported by work on another thread, handed on to a progress
// indicator of the thread that waits for it, which asks for it now and then.
class SharedProgress : public Progress
{
public:
    void setRange(int minimum, int maximum) override
    {
        m_minimum = minimum;
        m_maximum = maximum;
    }
    void setValue(int value) override { m_value = value; }
    void cancel() override {}

    // Passes on what changed since the last call.
    void forwardTo(Progress *progress)
    {
        const int minimum = m_minimum, maximum = m_maximum, value = m_value;
        if (minimum != m_shownMinimum || maximum != m_shownMaximum)
            progress->setRange(m_shownMinimum = minimum, m_shownMaximum = maximum);
        if (value != m_shownValue)
            progress->setValue(m_shownValue = value);
    }

private:
    std::atomic<int> m_minimum{0};
    std::atomic<int> m_maximum{0};
    std::atomic<int> m_value{0};
    int m_shownMinimum = 0;
    int m_shownMaximum = 0;
    int m_shownValue = 0;
};

#endif // SHAREDPROGRESS_H
