#include "logfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

static QString &directoryOverride()
{
    static QString path;
    return path;
}

static QString createdOrEmpty(const QString &path)
{
    return QDir().mkpath(path) ? path : QString();
}

void LogFile::setDirectory(const QString &path)
{
    directoryOverride() = path;
}

QString LogFile::directory()
{
    const QString beside = directoryOverride().isEmpty()
            ? QCoreApplication::applicationDirPath() + "/log"
            : directoryOverride();
    const QString folder = createdOrEmpty(beside);
    if (!folder.isEmpty())
        return folder;
    // An installed program may not write beside itself; the user's own folder still keeps the record.
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return appData.isEmpty() ? QString() : createdOrEmpty(appData + "/log");
}

int LogFile::level(QtMsgType type)
{
    switch (type) {
    case QtWarningMsg:
        return 1;
    case QtCriticalMsg:
        return 2;
    case QtFatalMsg:
        return 3;
    case QtDebugMsg:
    case QtInfoMsg:
        break;
    }
    return 0;
}

QString LogFile::messageText(const QString &text)
{
    return QString(text).remove('"');
}

bool LogFile::write(const QDateTime &time, QtMsgType type, const QMessageLogContext &context,
                    const QString &text)
{
    // Fixed width, untranslated, so that the file lines up and can be searched.
    static const char *const levelTexts[] = {"Debug   ", "Warning ", "Critical", "Fatal   "};

    const QString folder = directory();
    if (folder.isEmpty())
        return false;
    QFile file(folder + '/' + time.toString("yyyy-MM-dd-hh") + ".log");
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // One multi-argument arg(), so that a "%1" inside the message is not substituted again.
    const QString line = QString("%1 | %2 | %3:%4 | %5")
            .arg(time.toString("yyyy-MM-dd hh:mm:ss zzz"), QString(levelTexts[level(type)]),
                 QString::fromUtf8(context.file), QString::number(context.line), messageText(text));
    // Written as bytes: a text-mode device would turn the CR LF into CR CR LF on Windows.
    const QByteArray bytes = line.toUtf8() + "\r\n";
    return file.write(bytes) == bytes.size() && file.flush();
}
