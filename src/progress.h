#ifndef PROGRESS_H
#define PROGRESS_H

// What long document operations report their progress to. The editor plugs a
// progress dialog in behind it; command-line tools and tests pass none.
class Progress
{
public:
    virtual ~Progress() = default;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual void setValue(int value) = 0;
    // The operation stopped on an error: take the indicator down.
    virtual void cancel() = 0;
};

#endif // PROGRESS_H
