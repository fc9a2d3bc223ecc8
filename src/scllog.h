#ifndef SCLLOG_H
#define SCLLOG_H

#include <QTableWidget>
#include <QTimer>

class QDateTime;

// The log table of the bottom dock: one coloured row per message, at most
// 1001 rows, each message also appended to the hourly log file.
class sclLog : public QTableWidget
{
    Q_OBJECT

public:
    explicit sclLog(QWidget *parent = nullptr);

    // May be called from any thread: the file line is written at once, the
    // row is added on the widget's own thread.
    void output(QtMsgType type, const QMessageLogContext &context, const QString &text);

protected:
    void changeEvent(QEvent *event) override;

private:
    void addRow(int level, const QDateTime &time, const QString &text);
    void retranslate();

    // A check logs thousands of lines in a row: the table scrolls to the last
    // once per turn of the event loop, not once per line.
    QTimer m_scrollToEnd;
};

#endif // SCLLOG_H
