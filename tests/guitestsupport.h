#ifndef GUITESTSUPPORT_H
#define GUITESTSUPPORT_H

// What the editor's widget tests share: a main window whose messages are
// both shown and recorded, scripted answers to its questions, and copies of
// the fixture files to work on.

#include "guiresources.h"
#include "kestrel.h"
#include "userprompt.h"
#include "xmlschema.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

// Answers the window's questions as a test says, and remembers what was asked.
class ScriptedPrompt : public UserPrompt
{
public:
    bool confirm(QWidget *, const QString &, const QString &text) override
    {
        asked.append(text);
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    void inform(QWidget *, const QString &, const QString &text) override { informed.append(text); }
    void warn(QWidget *, const QString &, const QString &text) override { warnings.append(text); }
    QString openFileName(QWidget *, const QString &, const QString &) override { return fileName; }
    QString saveFileName(QWidget *, const QString &, const QString &) override { return fileName; }

    QList<bool> answers;
    QStringList asked;
    QStringList informed;
    QStringList warnings;
    QString fileName;
};

inline Kestrel *window = nullptr;
inline QStringList logged;

inline void recordAndShow(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    logged.append(text);
    if (window)
        window->messageOutput(type, context, text);
}

// Keeps the tests out of the user's settings and routes every message through the window.
inline void initGuiTests()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Norvane"));
    // One settings file per test program: they run side by side.
    QCoreApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).baseName());
    initGuiResources();
    XmlSchema::instance()->load();
    qInstallMessageHandler(recordAndShow);
}

// A writable copy of a file of tests/data/good.
inline QString copyFixture(const QTemporaryDir &dir, const QString &fixture, const QString &name)
{
    const QString path = dir.filePath(name);
    QFile::remove(path);
    QFile::copy(QStringLiteral(KESTREL_TEST_DATA "/good/") + fixture, path);
    QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// A new main window with scripted answers, on file when one is given; the log starts empty.
inline ScriptedPrompt *openWindow(const QString &file = QString())
{
    window = new Kestrel;
    auto *prompt = new ScriptedPrompt;
    window->setUserPrompt(prompt);
    if (!file.isEmpty())
        window->openFile(file);
    logged.clear();
    return prompt;
}

inline void closeWindow()
{
    delete window; // takes the menu loader and its clipboard with it
    window = nullptr;
}

#endif // GUITESTSUPPORT_H
