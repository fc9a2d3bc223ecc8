#ifndef BENCHTIMING_H
#define BENCHTIMING_H

#include <QElapsedTimer>
#include <QFile>
#include <QXmlStreamReader>

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

// What every figure is measured against: one token pass of the parser over the file.
inline void rawPass(const QString &fileName)
{
    QFile file(fileName);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    qint64 tokens = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        ++tokens;
    }
    if (xml.hasError() || tokens == 0)
        qFatal("raw pass failed on %s", qPrintable(fileName));
}

#endif // BENCHTIMING_H
