#include "dlgabout.h"
#include "dlgemail.h"
#include "guitestsupport.h"
#include "kestrel.h"
#include "nvprocess.h"

#include <QtTest>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTcpServer>
#include <QTextEdit>
#include <QProcess>
#include <QTextBrowser>

// The about box, the process layer behind the Update action, and the action itself.
class TestPeripherals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void aboutShowsVersionAndNotes();
    void systemExecChecksTheProgramFile();
    void systemExecStartsTheProgram();
    void findProcessMatchesWholeNamesOfOthers();
    void updateWithoutUpdaterOnlyWarns();
    void feedbackChecksBeforeSending();

private:
    QTemporaryDir m_dir;
};

namespace {

// An executable shell script at path that touches marker when it runs.
void writeScript(const QString &path, const QString &marker)
{
    QFile script(path);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
}

} // namespace

void TestPeripherals::initTestCase()
{
    initGuiTests();
}

void TestPeripherals::aboutShowsVersionAndNotes()
{
    DlgAbout about;
    QCOMPARE(about.findChild<QLabel *>("versionLabel")->text(), QString("1.0.2"));
    const QString notes = about.findChild<QTextBrowser *>("textBrowser")->toPlainText();
    for (const char *heading : {" Version Description", " History Version 1.0.1", " History Version 1.0.0"})
        QVERIFY2(notes.contains(QLatin1String(heading)), heading);
    QVERIFY(notes.contains(" > Import ICD file."));
    about.show();
    about.slotOk();
    QVERIFY(!about.isVisible());
}

void TestPeripherals::systemExecChecksTheProgramFile()
{
    nvProcess process;
    const QString dir = m_dir.path(); // no trailing slash: one is added
    logged.clear();
    QCOMPARE(process.SystemExec(dir + "/Tool.exe", "Tool", QString(), dir), -1);
    QCOMPARE(logged.last(), QString("File[%1/Tool.exe] is not exists!").arg(dir));
    QCOMPARE(logged.first(), QString("Into SystemExec[%1/Tool.exe,Tool,%1/].").arg(dir));

    // An upper-case extension passes the first test but not the exact one.
    writeScript(m_dir.filePath("Tool.EXE"), m_dir.filePath("never"));
    QCOMPARE(process.SystemExec(dir + "/Tool.EXE", "Tool.EXE", QString(), dir + "/"), -1);
    QCOMPARE(logged.last(), QString("File[%1/Tool.EXE] Permission denied!").arg(dir));
    QVERIFY(!QFile::exists(m_dir.filePath("never")));
}

void TestPeripherals::systemExecStartsTheProgram()
{
    const QString marker = m_dir.filePath("started");
    writeScript(m_dir.filePath("Update.exe"), marker);
    nvProcess process;
    QCOMPARE(process.SystemExec(m_dir.filePath("Update.exe"), "Update", QString(), m_dir.path()), 0);
    // Detached: the program runs on its own; give it time to show it did.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
}

void TestPeripherals::findProcessMatchesWholeNamesOfOthers()
{
    nvProcess process;
    QStringList lines;
    QVERIFY(process.listProcesses(lines) > 1);
    const QString self = QStringLiteral("%1,").arg(QCoreApplication::applicationPid());
    const auto own = std::find_if(lines.begin(), lines.end(), [&](const QString &line) { return line.startsWith(self); });
    QVERIFY(own != lines.end());
    QCOMPARE(own->section(',', 2), QFileInfo(QCoreApplication::applicationFilePath()).fileName());

    int pid = 0;
    int parentPid = 0;
    // The program itself never counts.
    QVERIFY(!process.findProcess(pid, parentPid, QFileInfo(QCoreApplication::applicationFilePath()).fileName()));

    // A program of a name nothing else on this computer has.
    const QString name = QStringLiteral("probe%1.exe").arg(QCoreApplication::applicationPid());
    const QString probe = m_dir.filePath(name);
    QVERIFY(QFile::copy(QStandardPaths::findExecutable("sleep"), probe));
    QFile(probe).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    QProcess sleeper;
    sleeper.start(probe, {"30"});
    QVERIFY(sleeper.waitForStarted());
    QVERIFY(process.findProcess(pid, parentPid, name));
    QCOMPARE(qint64(pid), sleeper.processId());
    QCOMPARE(qint64(parentPid), QCoreApplication::applicationPid());
    // A name that only occurs inside the wanted one is another program.
    QVERIFY(!process.findProcess(pid, parentPid, "x" + name));
    sleeper.kill();
    sleeper.waitForFinished();
}

void TestPeripherals::updateWithoutUpdaterOnlyWarns()
{
    openWindow();
    QVERIFY(!QFile::exists(QCoreApplication::applicationDirPath() + "/Update.exe"));
    window->findChild<QAction *>("actionUpdate")->trigger();
    QStringList warnings;
    for (const QString &line : qAsConst(logged)) {
        if (line.startsWith("File["))
            warnings.append(line);
    }
    QCOMPARE(warnings, QStringList{QString("File[%1/Update.exe] is not exists!").arg(QCoreApplication::applicationDirPath())});
    closeWindow();
}

void TestPeripherals::feedbackChecksBeforeSending()
{
    ScriptedPrompt prompt;
    DlgEmail dialog(&prompt);
    auto *content = dialog.findChild<QTextEdit *>("contentTextEdit");
    auto *user = dialog.findChild<QLineEdit *>("userLineEdit");
    dialog.slotSendEmail();
    QCOMPARE(prompt.warnings.last(), QString("Please enter questions or suggestions the content."));
    // Blank content is content; a blank name is no name.
    content->setPlainText("   ");
    user->setText("   ");
    dialog.slotSendEmail();
    QCOMPARE(prompt.warnings.last(), QString("Please enter your name."));
    QCOMPARE(DlgEmail::subject(" Li Wei ", ""), QString("Kestrel 1.0.2 [Li Wei-]"));

    // No mailbox set up: nothing is attempted.
    QSettings settings;
    settings.remove("feedback");
    user->setText("Li Wei");
    dialog.slotSendEmail();
    QVERIFY(prompt.warnings.last().startsWith("No feedback mailbox is set up"));

    // A server that is not there: the connection fails and the dialog keeps the text.
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    settings.setValue("feedback/host", "127.0.0.1");
    settings.setValue("feedback/port", port);
    settings.setValue("feedback/account", "feedback@example.org");
    dialog.slotSendEmail();
    QCOMPARE(prompt.warnings.last(), QString("SMTP connect failed."));
    QCOMPARE(content->toPlainText(), QString("   "));
    settings.remove("feedback");
}

QTEST_MAIN(TestPeripherals)
#include "tst_peripherals.moc"
