#ifndef SCLCHECK_H
#define SCLCHECK_H

#include <QTextEdit>
#include <QTimer>

class XmlObject;

// The check text of the bottom dock: the checkers' lines without their
// section tag, errors red, warnings blue, headings bold. Each message is also
// appended to the hourly log file, tag and all.
class sclCheck : public QTextEdit
{
    Q_OBJECT

public:
    explicit sclCheck(QWidget *parent = nullptr);

    // May be called from any thread: the file line is written at once, the
    // text is appended on the widget's own thread.
    void output(QtMsgType type, const QMessageLogContext &context, const QString &text);
    // A line that stands for an element of the document: a double-click on it shows the element.
    void outputFor(const QString &text, const XmlObject *element);
    // The last line appended stands for the element (none when it is null).
    void linkLastLine(const XmlObject *element);
    // The document changed under the lines: none leads to an element any more.
    void forgetElements();

signals:
    void elementActivated(XmlObject *element);

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void appendLine(QString text);

    // Scrolls to the last line once per turn of the event loop, not once per line.
    QTimer m_scrollToEnd;
    int m_generation = 0;
};

#endif // SCLCHECK_H
