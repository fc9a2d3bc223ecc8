#include "dlgemail.h"
#include "fakesmtpserver.h"
#include "guitestsupport.h"
#include "nvprocess.h"

#include <QProcess>
#include <QProgressDialog>
#include <QSettings>
#include <QTextEdit>

// The process layer behind the Update action, and the feedback mail.
class TestPeripherals : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void systemExecRunsOnlyAnExactProgramFile();
    void findProcessMatchesWholeNamesOfOthers();
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
    writeFile(path, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    QFile(path).setPermissions(QFile(path).permissions() | QFile::ExeOwner);
}

// Types the question and the name, then presses Send, as a user would.
void typeAndSend(DlgEmail &dialog, const QString &content, const QString &name)
{
    typeKeys(dialog.findChild<QTextEdit *>("contentTextEdit"), content);
    typeKeys(dialog.findChild<QLineEdit *>("userLineEdit"), name);
    QTest::mouseClick(dialog.findChild<QPushButton *>("sendBtn"), Qt::LeftButton);
}

} // namespace

void TestPeripherals::systemExecRunsOnlyAnExactProgramFile()
{
    nvProcess process;
    const QString dir = m_dir.path(); // no trailing slash: one is added
    logged.clear();
    QCOMPARE(process.SystemExec(dir + "/Tool.exe", "Tool", QString(), dir), -1);
    QCOMPARE(logged.last(), QString("File[%1/Tool.exe] is not exists!").arg(dir));

    // An upper-case extension passes the first test but not the exact one.
    writeScript(m_dir.filePath("Tool.EXE"), m_dir.filePath("never"));
    QCOMPARE(process.SystemExec(dir + "/Tool.EXE", "Tool.EXE", QString(), dir + "/"), -1);
    QCOMPARE(logged.last(), QString("File[%1/Tool.EXE] Permission denied!").arg(dir));
    QVERIFY(!QFile::exists(m_dir.filePath("never")));

    writeScript(m_dir.filePath("Update.exe"), m_dir.filePath("started"));
    QCOMPARE(process.SystemExec(m_dir.filePath("Update.exe"), "Update", QString(), dir), 0);
    // Detached: the program runs on its own; give it time to show it did.
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir.filePath("started")), 10000);
}

void TestPeripherals::findProcessMatchesWholeNamesOfOthers()
{
    nvProcess process;
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
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("cancelAfter");
    QTest::addColumn<QString>("warning");

    const QString connectFailed = QStringLiteral("SMTP connect failed.");
    const QStringList hello{"220 hi", "250 hi"};
    QTest::newRow("relay without AUTH") << hello + QStringList{"250 ok", "250 ok", "354 go", "250 ok"} << QByteArray()
                                        << QString() << 0 << "Send email succeed, Thank you for your support.";
    QTest::newRow("login refused") << hello + QStringList{"334 a", "334 b", "535 no"} << QByteArray() << "pw" << 0
                                   << "Login failed.";
    QTest::newRow("endless continuation lines") << QStringList() << QByteArray("220-more\r\n").repeated(50) << "pw" << 0
                                                << connectFailed;
    QTest::newRow("a byte every 10 ms") << QStringList() << QByteArray("2") << "pw" << 0 << connectFailed;
    QTest::newRow("no line end") << QStringList() << QByteArray(4096, 'x') << "pw" << 0 << connectFailed;
    QTest::newRow("silent at RCPT TO") << hello + QStringList("250 ok") << QByteArray() << QString() << 0
                                       << "Send email failed, Please check the network is normal.";
    // Cancel drops the connection at once, and there is nothing to tell.
    QTest::newRow("cancelled") << QStringList() << QByteArray() << "pw" << 200 << QString();
}

// The mail ends in good time whatever the server does, and the window keeps
// painting meanwhile; only a delivered mail closes the dialog.
void TestPeripherals::feedbackMail()
{
    QFETCH(QStringList, script);
    QFETCH(QByteArray, flood);
    QFETCH(QString, password);
    QFETCH(int, cancelAfter);
    QFETCH(QString, warning);

    FakeSmtpServer server(script, flood);
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
    QVERIFY2(longestGap < 250, qPrintable(QString::number(longestGap)));
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    // A failure says where it stopped, then why.
    QCOMPARE(prompt.warnings.size(), warning.isEmpty() ? 0 : 1);
    QCOMPARE(prompt.warnings.value(0).section('\n', 0, 0), warning);
    const bool delivered = warning.startsWith("Send email succeed");
    QCOMPARE(prompt.warnings.value(0).section('\n', 1).isEmpty(), delivered || warning.isEmpty());
    QCOMPARE(dialog.isVisible(), !delivered);
    QVERIFY(server.wait(1000));
    if (!delivered)
        return;
    QVERIFY(!server.commands().join('\n').contains("AUTH"));
    // An empty address field leaves the name alone in the brackets.
    QVERIFY(server.data().contains("\r\nSubject: Kestrel 1.0.2 [Li Wei-]\r\n"));
}

QTEST_MAIN(TestPeripherals)
#include "tst_peripherals.moc"
