#include "sclcheck.h"

#include "logfile.h"

#include <QDateTime>
#include <QMutex>
#include <QThread>

#include <algorithm>
#include <iterator>

namespace {

// Tested in this order; only the first one found is removed.
const char *const sectionTags[] = {"[Schema check]", "[Semantic check]", "[DataTypeTemplates check]"};

const char *const headings[] = {"Check SubNetwork name", "Check IED name", "Check LNodeType",
                                "Check DOType", "Check DAType", "Check EnumType"};

QMutex &fileMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

sclCheck::sclCheck(QWidget *parent)
    : QTextEdit(parent)
{
}

void sclCheck::output(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    {
        QMutexLocker locker(&fileMutex());
        LogFile::write(QDateTime::currentDateTime(), type, context, text);
    }
    // Not held while the text is appended: a message logged by the widgets
    // themselves would come back here and deadlock.
    const QString message = LogFile::messageText(text);
    if (QThread::currentThread() == thread())
        appendLine(message);
    else
        QMetaObject::invokeMethod(this, [this, message] { appendLine(message); }, Qt::QueuedConnection);
}

void sclCheck::appendLine(QString text)
{
    for (const char *tag : sectionTags) {
        if (text.contains(QLatin1String(tag))) {
            text.remove(QLatin1String(tag));
            break;
        }
    }

    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    const bool heading = std::any_of(std::begin(headings), std::end(headings),
                                     [&text](const char *word) { return text.contains(QLatin1String(word)); });
    if (heading) {
        QTextCharFormat bold;
        bold.setFontWeight(75);
        cursor.insertText(text, bold);
    } else {
        QString open = "<font>";
        if (text.contains("|--Error"))
            open = "<font color=\"#FF0000\">";
        else if (text.contains("|--Warn"))
            open = "<font color=\"#0000FF\">";
        // Messages quote element names such as <LN0>; they must show, not vanish as tags.
        cursor.insertHtml(open + text.toHtmlEscaped() + "</font>");
    }
    cursor.insertText("\n", QTextCharFormat());
    moveCursor(QTextCursor::End);
}
