#ifndef LOGFILE_H
#define LOGFILE_H

#include <QString>
#include <QtGlobal>

class QDateTime;

// The hourly log file that both message panels append to: one line per
// message, in "log" beside the program, or in the per-user data folder when
// that cannot be created. The callers serialise their own writes.
class LogFile
{
public:
    // Replaces the folder beside the program, for tests; empty restores it.
    // Set it before anything logs.
    static void setDirectory(const QString &path);
    // The folder the next line goes to, created if need be; empty when
    // neither folder can be created.
    static QString directory();

    // 0 debug, 1 warning, 2 critical, 3 fatal; info counts as debug.
    static int level(QtMsgType type);
    // The logger quotes streamed strings; neither the file nor the panels show the quotes.
    static QString messageText(const QString &text);

    // Appends the line for this message to the file of time's hour; false
    // when nothing could be written.
    static bool write(const QDateTime &time, QtMsgType type, const QMessageLogContext &context,
                      const QString &text);
};

#endif // LOGFILE_H
