#ifndef NVPROCESS_H
#define NVPROCESS_H

#include <QObject>
#include <QStringList>

// Starts a program and looks at the running processes of this computer:
// what the Update action needs to start the updater once.
class nvProcess : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts directory + programName (".exe" appended when missing) detached,
    // with commandPath and arguments as its command line. 0 when it started, -1 otherwise.
    int SystemExec(QString commandPath, QString programName, QString arguments, QString directory);
    // One line "pid,parent pid,executable name" per running process; their number.
    int listProcesses(QStringList &lines);
    // Whether a process other than this one runs the executable exeName, and its ids.
    bool findProcess(int &pid, int &parentPid, QString exeName);
};

#endif // NVPROCESS_H
