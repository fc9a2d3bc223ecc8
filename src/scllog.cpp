#include "scllog.h"

#include "guiresources.h"

#include "logfile.h"

#include <QDateTime>
#include <QEvent>
#include <QHeaderView>
#include <QMutex>
#include <QThread>

namespace {

struct Level
{
    const char *text;
    const char *icon;
    QRgb colour;
};

// Indexed by LogFile::level().
const Level levels[] = {
    {QT_TRANSLATE_NOOP("sclLog", "Debug"), ":/Kestrel/debug", qRgb(184, 255, 176)},
    {QT_TRANSLATE_NOOP("sclLog", "Warning"), ":/Kestrel/warning", qRgb(255, 253, 176)},
    {QT_TRANSLATE_NOOP("sclLog", "Critical"), ":/Kestrel/critical", qRgb(255, 189, 176)},
    {QT_TRANSLATE_NOOP("sclLog", "Fatal"), ":/Kestrel/fatal", qRgb(176, 213, 255)},
};

constexpr int MaxRows = 1001;

QMutex &fileMutex()
{
    static QMutex mutex;
    return mutex;
}

} // namespace

sclLog::sclLog(QWidget *parent)
    : QTableWidget(0, 3, parent)
{
    initGuiResources();
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setShowGrid(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setStyleSheet("selection-background-color:lightblue;");
    retranslate();
    m_scrollToEnd.setSingleShot(true);
    m_scrollToEnd.setInterval(0);
    connect(&m_scrollToEnd, &QTimer::timeout, this, &QAbstractItemView::scrollToBottom);
}

void sclLog::output(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QDateTime now = QDateTime::currentDateTime();
    {
        QMutexLocker locker(&fileMutex());
        LogFile::write(now, type, context, text);
    }
    // Not held while the row is added: a message logged by the widgets
    // themselves would come back here and deadlock.
    const int level = LogFile::level(type);
    const QString message = LogFile::messageText(text);
    if (QThread::currentThread() == thread())
        addRow(level, now, message);
    else
        QMetaObject::invokeMethod(this, [this, level, now, message] { addRow(level, now, message); },
                                  Qt::QueuedConnection);
}

void sclLog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QTableWidget::changeEvent(event);
}

void sclLog::addRow(int level, const QDateTime &time, const QString &text)
{
    if (rowCount() >= MaxRows)
        setRowCount(0);

    static const QIcon icons[] = {QIcon(levels[0].icon), QIcon(levels[1].icon), QIcon(levels[2].icon),
                                  QIcon(levels[3].icon)};
    const Level &look = levels[level];
    const QColor colour(look.colour);
    const QString levelText = tr(look.text);
    const QString timeText = time.toString("yyyy-MM-dd hh:mm:ss zzz");

    auto *levelItem = new QTableWidgetItem(icons[level], levelText);
    levelItem->setTextAlignment(Qt::AlignCenter);
    auto *timeItem = new QTableWidgetItem(timeText);
    timeItem->setTextAlignment(Qt::AlignCenter);
    auto *textItem = new QTableWidgetItem(text);
    textItem->setTextAlignment(Qt::AlignVCenter | Qt::AlignLeft);

    const int row = rowCount();
    insertRow(row);
    int column = 0;
    for (QTableWidgetItem *item : {levelItem, timeItem, textItem}) {
        item->setToolTip(item->text());
        item->setBackground(colour);
        setItem(row, column++, item);
    }
    m_scrollToEnd.start();
}

void sclLog::retranslate()
{
    setHorizontalHeaderLabels({tr("Type", "log column"), tr("Time", "log column"),
                               tr("Message", "log column")});
}
