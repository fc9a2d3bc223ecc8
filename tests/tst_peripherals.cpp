#include "dlgabout.h"
#include "dlgemail.h"
#include "fakesmtpserver.h"
#include "guitestsupport.h"
#include "kestrel.h"
#include "nvprocess.h"

#include <QtTest>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTextBrowser>
#include <QTextEdit>

// The about box, the process layer behind the Update action, the action itself and the feedback mail.
class TestPeripherals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void aboutShowsVersionAndNotes();
    void systemExecChecksTheProgramFile();
    void systemExecStartsTheProgram();
    void findProcessMatchesWholeNamesOfOthers();
    void updateWithoutUpdaterOnlyWarns();
    void feedbackChecksBeforeSending();
    void feedbackMail_data();
    void feedbackMail();

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

// Types the question and the name, then presses Send, as a user would.
void typeAndSend(DlgEmail &dialog, const QString &content, const QString &name)
{
    QTest::keyClicks(dialog.findChild<QTextEdit *>("contentTextEdit"), content);
    QTest::keyClicks(dialog.findChild<QLineEdit *>("userLineEdit"), name);
    QTest::mouseClick(dialog.findChild<QPushButton *>("sendBtn"), Qt::LeftButton);
}

} // namespace

void TestPeripherals::aboutShowsVersionAndNotes()
{
    DlgAbout about;
    QCOMPARE(about.findChild<QLabel *>("versionLabel")->text(), QString("1.0.2"));
    QVERIFY(about.findChild<QTextBrowser *>("textBrowser")->toPlainText().contains(" > Import ICD file."));
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
    const QString ownName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^%1,").arg(QCoreApplication::applicationPid())))
                 .value(0).section(',', 2),
             ownName);
    int pid = 0;
    int parentPid = 0;
    // The program itself never counts.
    QVERIFY(!process.findProcess(pid, parentPid, ownName));

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
    QCOMPARE(logged.filter(QRegularExpression("^File\\[")),
             QStringList(QString("File[%1/Update.exe] is not exists!").arg(QCoreApplication::applicationDirPath())));
    closeWindow();
}

void TestPeripherals::feedbackChecksBeforeSending()
{
    QSettings().remove("feedback");
    ScriptedPrompt prompt;
    DlgEmail dialog(&prompt);
    dialog.show();
    typeAndSend(dialog, QString(), QString());
    QCOMPARE(prompt.warnings.last(), QString("Please enter questions or suggestions the content."));
    // Blank content is content; a blank name is no name.
    typeAndSend(dialog, "   ", "   ");
    QCOMPARE(prompt.warnings.last(), QString("Please enter your name."));
    // No mailbox set up: nothing is attempted.
    typeAndSend(dialog, QString(), "Li Wei");
    QVERIFY(prompt.warnings.last().startsWith("No feedback mailbox is set up"));
}

void TestPeripherals::feedbackMail_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QByteArray>("flood");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("cancelAfter");
    QTest::addColumn<QString>("warning");

    const QString connectFailed = QStringLiteral("SMTP connect failed.\n");
    QTest::newRow("relay without AUTH") << QStringList{"220 relay", "250 relay", "250 ok", "250 ok", "354 go", "250 ok"}
                                        << QByteArray() << 50 << QString() << 0
                                        << "Send email succeed, Thank you for your support.";
    QTest::newRow("login refused") << QStringList{"220 hi", "250 hi", "334 a", "334 b", "535 no"} << QByteArray() << 50
                                   << "pw" << 0 << "Login failed.\n";
    QTest::newRow("endless continuation lines") << QStringList() << QByteArray("220-more\r\n").repeated(50) << 1
                                                << "pw" << 0 << connectFailed;
    QTest::newRow("a byte every 50 ms") << QStringList() << QByteArray("2") << 50 << "pw" << 0 << connectFailed;
    QTest::newRow("no line end") << QStringList() << QByteArray(4096, 'x') << 1 << "pw" << 0 << connectFailed;
    QTest::newRow("silent at RCPT TO") << QStringList{"220 hi", "250 hi", "250 ok"} << QByteArray() << 50 << QString()
                                       << 0 << "Send email failed, Please check the network is normal.\n";
    // Cancel drops the connection at once, and there is nothing to tell.
    QTest::newRow("cancelled") << QStringList() << QByteArray() << 50 << "pw" << 200 << QString();
}

// The mail ends in good time whatever the server does, and the window keeps
// painting meanwhile; only a delivered mail closes the dialog.
void TestPeripherals::feedbackMail()
{
    QFETCH(QStringList, script);
    QFETCH(QByteArray, flood);
    QFETCH(int, interval);
    QFETCH(QString, password);
    QFETCH(int, cancelAfter);
    QFETCH(QString, warning);

    FakeSmtpServer server(script, flood, interval);
    QSettings settings;
    settings.setValue("feedback/host", "127.0.0.1");
    settings.setValue("feedback/port", server.listen());
    settings.setValue("feedback/account", "feedback@example.org");
    settings.setValue("feedback/password", password);
    // A cancelled mail must not wait for its deadline.
    settings.setValue("feedback/timeout", cancelAfter ? 20000 : 1000);
    ScriptedPrompt prompt;
    DlgEmail dialog(&prompt);
    dialog.show();

    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] { longestGap = std::max(longestGap, sinceTick.restart()); });
    ticker.start(20);
    sinceTick.start();
    QElapsedTimer clock;
    clock.start();
    typeAndSend(dialog, "The tree is slow.", "Li Wei");
    if (cancelAfter) {
        QTest::qWait(cancelAfter);
        QProgressDialog *progress = dialog.findChild<QProgressDialog *>();
        QVERIFY(progress && progress->isVisible());
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.findChild<QProgressDialog *>(), 30000);
    QTest::qWait(50);
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(longestGap < 250, qPrintable(QString::number(longestGap)));
    QCOMPARE(prompt.warnings.size(), warning.isEmpty() ? 0 : 1);
    QVERIFY2(prompt.warnings.value(0).startsWith(warning), qPrintable(prompt.warnings.value(0)));
    const bool delivered = !warning.isEmpty() && !warning.endsWith('\n');
    QCOMPARE(dialog.isVisible(), !delivered);
    QVERIFY(server.wait(1000));
    if (!delivered) {
        QCOMPARE(dialog.findChild<QTextEdit *>("contentTextEdit")->toPlainText(), QString("The tree is slow."));
        return;
    }
    QVERIFY(!server.commands().join('\n').contains("AUTH"));
    // An empty address field leaves the name alone in the brackets.
    QVERIFY(server.data().contains("\r\nSubject: Kestrel 1.0.2 [Li Wei-]\r\n"));
}

QTEST_MAIN(TestPeripherals)
#include "tst_peripherals.moc"
