#include "sclcheck.h"

#include "logfile.h"

#include <QDateTime>
#include <QMouseEvent>
#include <QMutex>
#include <QTextBlock>
#include <QThread>

#include <algorithm>
#include <iterator>

namespace {

// Tested in this order; only the first one found is removed.
const char *const sectionTags[] = {"[Schema check]", "[Semantic check]", "[DataTypeTemplates check]", "[Where used]"};

const char *const headings[] = {"Check SubNetwork name", "Check IED name", "Check LNodeType",
                                "Check DOType", "Check DAType", "Check EnumType"};

// The element a line of the text stands for; it goes with its line when the text is cleared.
class ElementLink : public QTextBlockUserData
{
public:
    ElementLink(const XmlObject *element, int generation) : element(element), generation(generation) {}
    const XmlObject *element;
    int generation; // the document's state the link was made in
};

QMutex &fileMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

sclCheck::sclCheck(QWidget *parent)
    : QTextEdit(parent)
{
    m_scrollToEnd.setSingleShot(true);
    m_scrollToEnd.setInterval(0);
    connect(&m_scrollToEnd, &QTimer::timeout, this, [this] { moveCursor(QTextCursor::End); });
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

void sclCheck::outputFor(const QString &text, const XmlObject *element)
{
    output(QtDebugMsg, QMessageLogContext(), text);
    linkLastLine(element);
}

void sclCheck::linkLastLine(const XmlObject *element)
{
    // The line is the last but one block: the last is the empty one after its line end.
    if (element && document()->blockCount() >= 2)
        document()->findBlockByNumber(document()->blockCount() - 2).setUserData(new ElementLink(element, m_generation));
}

void sclCheck::forgetElements()
{
    // Every removal comes here: links of an older generation are dead, none needs a visit.
    ++m_generation;
}

void sclCheck::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTextEdit::mouseDoubleClickEvent(event);
    const auto *link = dynamic_cast<ElementLink *>(cursorForPosition(event->pos()).block().userData());
    if (link && link->generation == m_generation)
        emit elementActivated(const_cast<XmlObject *>(link->element)); // the document is the window's to change
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
    // Plain text with a format: names such as <LN0> show as written.
    QTextCharFormat format;
    if (heading)
        format.setFontWeight(75);
    else if (text.contains("|--Error"))
        format.setForeground(QColor(0xFF, 0, 0));
    else if (text.contains("|--Warn"))
        format.setForeground(QColor(0, 0, 0xFF));
    cursor.insertText(text, format);
    cursor.insertText("\n", QTextCharFormat());
    m_scrollToEnd.start();
}
