#include "nvprocess.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

struct ProcessStatus
{
    char state = 0;
    int parentPid = -1;
};

// The state and parent id of a process, from the fields after its name in
// /proc/<pid>/stat (the name may itself hold blanks and brackets).
ProcessStatus statusOf(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = stat.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 2 || fields.at(0).isEmpty())
        return {};
    return {fields.at(0).at(0), fields.at(1).toInt()};
}

// The file name of the executable; the kernel's short name when the link cannot be read.
QString executableOf(const QString &pid)
{
    const QString target = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
    if (!target.isEmpty())
        return QFileInfo(target).fileName();
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(comm.readAll()).trimmed();
}

} // namespace

int nvProcess::SystemExec(QString commandPath, QString programName, QString arguments, QString directory)
{
    if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/')))
        directory += QLatin1Char('/');
    qDebug().noquote() << tr("Into SystemExec[%1,%2,%3].").arg(commandPath, programName, directory);
    if (programName.right(4).toLower() != QLatin1String(".exe"))
        programName += QLatin1String(".exe");
    const QString path = directory + programName;
    if (!QFileInfo::exists(path)) {
        qWarning().noquote() << tr("File[%1] is not exists!").arg(path);
        return -1;
    }
    if (!path.endsWith(QLatin1String(".exe"))) {
        qWarning().noquote() << tr("File[%1] Permission denied!").arg(path);
        return -1;
    }
    QProcess process;
    process.setProgram(commandPath);
    process.setArguments(QProcess::splitCommand(arguments));
    if (!process.startDetached()) {
        qWarning().noquote() << tr("CreateProcess returned %1!").arg(static_cast<int>(process.error()));
        return -1;
    }
    return 0;
}

int nvProcess::listProcesses(QStringList &lines)
{
    const QStringList pids = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    int count = 0;
    for (const QString &pid : pids) {
        bool numeric = false;
        pid.toInt(&numeric);
        const ProcessStatus status = numeric ? statusOf(pid) : ProcessStatus();
        // A zombie has ended; it only waits for its parent to notice.
        if (status.state == 0 || status.state == 'Z')
            continue;
        const QString name = executableOf(pid);
        if (name.isEmpty())
            continue; // gone meanwhile
        lines.append(QStringLiteral("%1,%2,%3").arg(pid).arg(status.parentPid).arg(name));
        ++count;
    }
    return count;
}

bool nvProcess::findProcess(int &pid, int &parentPid, QString exeName)
{
    QStringList lines;
    if (listProcesses(lines) == 0)
        return false;
    const qint64 self = QCoreApplication::applicationPid();
    for (const QString &line : qAsConst(lines)) {
        // The name may hold commas; it is everything after the second one.
        const int first = line.indexOf(QLatin1Char(','));
        const int second = line.indexOf(QLatin1Char(','), first + 1);
        const int id = line.left(first).toInt();
        if (id == self)
            continue;
        // The whole name must match: a process whose name merely occurs in
        // exeName (say "date" in "Update.exe") is another program.
        if (line.mid(second + 1) == exeName) {
            pid = id;
            parentPid = line.mid(first + 1, second - first - 1).toInt();
            return true;
        }
    }
    return false;
}
