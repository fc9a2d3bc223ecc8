#include "logfile.h"
#include "sclcheck.h"
#include "scllog.h"
#include "testtree.h"

#include <QTextBlock>
#include <QTextDocument>

#include <memory>
#include <vector>

namespace {

QMessageLogContext context(const char *file = "src/kestrel.cpp", int line = 12)
{
    return QMessageLogContext(file, line, "function", "default");
}

} // namespace

class TestLogPanels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanupTestCase() { LogFile::setDirectory(QString()); }

    void fileLine_data();
    void fileLine();
    void eachHourHasItsOwnFile();
    void fallsBackToUserFolderThenToThePanelsAlone();

    void rowPerLevel_data();
    void rowPerLevel();

    void checkLine_data();
    void checkLine();

    void outputFromOtherThreads();

private:
    QString logFolder() const { return m_dir->path() + "/log"; }
    QByteArray logged() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLogPanels::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    LogFile::setDirectory(logFolder());
}

// Everything written in this test, the hourly files in time order.
QByteArray TestLogPanels::logged() const
{
    QByteArray all;
    const QDir folder(logFolder());
    for (const QString &name : folder.entryList({"*.log"}, QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    return all;
}

void TestLogPanels::fileLine_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("debug") << int(QtDebugMsg) << QByteArray("src/a.cpp") << "plain"
                           << QByteArray("2024-05-06 07:08:09 012 | Debug    | src/a.cpp:42 | plain\r\n");
    QTest::newRow("warning loses quotes")
            << int(QtWarningMsg) << QByteArray("a.cpp") << "Say \"hi\" to \"IED1\""
            << QByteArray("2024-05-06 07:08:09 012 | Warning  | a.cpp:42 | Say hi to IED1\r\n");
    QTest::newRow("critical keeps placeholders")
            << int(QtCriticalMsg) << QByteArray("a.cpp") << "%1 and %2"
            << QByteArray("2024-05-06 07:08:09 012 | Critical | a.cpp:42 | %1 and %2\r\n");
    QTest::newRow("fatal without file") << int(QtFatalMsg) << QByteArray() << "Prüfung"
                                        << QByteArray("2024-05-06 07:08:09 012 | Fatal    | :42 | Pr\xc3\xbc" "fung\r\n");
}

void TestLogPanels::fileLine()
{
    QFETCH(int, type);
    QFETCH(QByteArray, file);
    QFETCH(QString, text);

    const QDateTime time(QDate(2024, 5, 6), QTime(7, 8, 9, 12));
    QVERIFY(LogFile::write(time, QtMsgType(type), context(file.isNull() ? nullptr : file.constData(), 42), text));
    QCOMPARE(QDir(logFolder()).entryList(QDir::Files), QStringList{"2024-05-06-07.log"});
    QTEST(logged(), "line");
}

void TestLogPanels::eachHourHasItsOwnFile()
{
    for (const QTime &time : {QTime(9, 30), QTime(9, 59, 59, 999), QTime(10, 0)})
        QVERIFY(LogFile::write(QDateTime(QDate(2024, 12, 31), time), QtDebugMsg, context(), time.toString()));
    QCOMPARE(QDir(logFolder()).entryList(QDir::Files, QDir::Name),
             QStringList({"2024-12-31-09.log", "2024-12-31-10.log"}));
    QCOMPARE(readAll(QDir(logFolder()).filePath("2024-12-31-10.log")),
             QString("2024-12-31 10:00:00 000 | Debug    | src/kestrel.cpp:12 | 10:00:00\r\n"));
    QCOMPARE(logged().count('\n'), 3);
}

void TestLogPanels::fallsBackToUserFolderThenToThePanelsAlone()
{
    // The folder beside the program cannot be made: a file stands in its way.
    QFile blocker(m_dir->filePath("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    LogFile::setDirectory(blocker.fileName() + "/log");
    const QString fallback = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/log";
    QCOMPARE(LogFile::directory(), fallback);
    const QString written = fallback + "/1999-12-31-23.log";
    QFile::remove(written);
    QVERIFY(LogFile::write(QDateTime(QDate(1999, 12, 31), QTime(23, 59)), QtWarningMsg, context(), "kept"));
    QCOMPARE(readAll(written), QString("1999-12-31 23:59:00 000 | Warning  | src/kestrel.cpp:12 | kept\r\n"));
    QVERIFY(QFile::remove(written));
    QDir().rmdir(fallback);

    // In test mode the per-user folder lies under the home folder, which now is a file too.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", blocker.fileName().toLocal8Bit());
    const QString folder = LogFile::directory();
    const bool wrote = LogFile::write(QDateTime::currentDateTime(), QtDebugMsg, context(), "x");
    sclLog log;
    sclCheck check;
    log.output(QtWarningMsg, context(), "no file");
    check.output(QtDebugMsg, context(), "[Semantic check]no file");
    qputenv("HOME", home);

    QCOMPARE(folder, QString());
    QVERIFY(!wrote);
    QCOMPARE(log.rowCount(), 1);
    QCOMPARE(log.item(0, 2)->text(), QString("no file"));
    QCOMPARE(check.toPlainText(), QString("no file\n"));
}

void TestLogPanels::rowPerLevel_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("level");
    QTest::newRow("debug") << int(QtDebugMsg) << "Debug";
    QTest::newRow("info") << int(QtInfoMsg) << "Debug";
    QTest::newRow("warning") << int(QtWarningMsg) << "Warning";
    QTest::newRow("critical") << int(QtCriticalMsg) << "Critical";
    QTest::newRow("fatal") << int(QtFatalMsg) << "Fatal";
}

void TestLogPanels::rowPerLevel()
{
    QFETCH(int, type);

    sclLog log;
    const QDateTime before = QDateTime::currentDateTime();
    log.output(QtMsgType(type), context(), "IED \"P1\" <renamed>");
    const QDateTime after = QDateTime::currentDateTime();

    QCOMPARE(log.rowCount(), 1);
    QTEST(log.item(0, 0)->text(), "level");
    QCOMPARE(log.item(0, 2)->text(), QString("IED P1 <renamed>"));
    const QDateTime stamp = QDateTime::fromString(log.item(0, 1)->text(), "yyyy-MM-dd hh:mm:ss zzz");
    QVERIFY2(stamp >= before.addMSecs(-1) && stamp <= after, qPrintable(log.item(0, 1)->text()));
    QVERIFY(!log.item(0, 0)->icon().isNull());
    QVERIFY(logged().endsWith(" | IED P1 <renamed>\r\n"));
}

void TestLogPanels::checkLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QColor>("colour"); // invalid: no colour of its own
    QTest::addColumn<bool>("bold");

    const QColor red(0xFF, 0, 0);
    const QColor blue(0, 0, 0xFF);
    QTest::newRow("error") << "[Semantic check]|--Error: IED1 has no AccessPoint"
                           << "|--Error: IED1 has no AccessPoint" << red << false;
    QTest::newRow("warning") << "[Semantic check]|--Warn : \"LD0\" is unused"
                             << "|--Warn : LD0 is unused" << blue << false;
    QTest::newRow("plain") << "[Schema check]Done." << "Done." << QColor() << false;
    QTest::newRow("heading") << "[DataTypeTemplates check]Check LNodeType"
                             << "Check LNodeType" << QColor() << true;
    QTest::newRow("heading before error") << "[Semantic check]Check IED name |--Error"
                                          << "Check IED name |--Error" << QColor() << true;
    QTest::newRow("first tag in order, removed throughout")
            << "[Semantic check]a[Schema check]b[Schema check]c"
            << "[Semantic check]abc" << QColor() << false;
    QTest::newRow("markup shows literally") << "[Semantic check]|--Error: <LN0> & <b>x</b>"
                                            << "|--Error: <LN0> & <b>x</b>" << red << false;
}

// The line is shown without its tag, and its format does not carry over to the next.
void TestLogPanels::checkLine()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QColor, colour);
    QFETCH(bool, bold);

    sclCheck check;
    check.output(QtDebugMsg, context(), text);
    check.output(QtDebugMsg, context(), "[Schema check]after");

    QCOMPARE(check.toPlainText(), shown + "\nafter\n");
    for (QTextBlock block = check.document()->firstBlock(); block.isValid(); block = block.next()) {
        const bool first = block.blockNumber() == 0;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (first && colour.isValid())
                QCOMPARE(format.foreground().color(), colour);
            else
                QCOMPARE(format.foreground().style(), Qt::NoBrush);
            QCOMPARE(format.fontWeight(), first && bold ? 75 : int(QFont::Normal));
        }
    }
    // The file line keeps the tag.
    QVERIFY(logged().contains(" | " + text.remove('"').toUtf8() + "\r\n"));
}

void TestLogPanels::outputFromOtherThreads()
{
    sclLog log;
    sclCheck check;
    constexpr int Workers = 4;
    constexpr int PerWorker = 100;
    std::vector<std::unique_ptr<QThread>> workers;
    for (int w = 0; w < Workers; ++w) {
        workers.emplace_back(QThread::create([&log, w] {
            for (int i = 0; i < PerWorker; ++i)
                log.output(QtWarningMsg, context(), QString("worker %1 message %2").arg(w).arg(i));
        }));
    }
    workers.emplace_back(QThread::create([&check] {
        check.output(QtDebugMsg, context(), "[Semantic check]|--Error: from a worker");
    }));
    for (auto &worker : workers)
        worker->start();
    for (auto &worker : workers)
        QVERIFY(worker->wait(10000));

    // The widgets have not been touched yet: their changes wait for this thread's event loop.
    QCOMPARE(log.rowCount(), 0);
    QCOMPARE(check.toPlainText(), QString());
    // The file lines are there already, none torn.
    const QList<QByteArray> lines = logged().split('\n');
    QCOMPARE(lines.size(), Workers * PerWorker + 2);
    for (int i = 0; i + 1 < lines.size(); ++i)
        QVERIFY2(lines.at(i).endsWith("worker\r") || QRegularExpression(R"(\| worker \d message \d+\r$)")
                         .match(QString::fromUtf8(lines.at(i))).hasMatch(), lines.at(i).constData());

    QTRY_COMPARE(log.rowCount(), Workers * PerWorker);
    QTRY_COMPARE(check.toPlainText(), QString("|--Error: from a worker\n"));
}

QTEST_MAIN(TestLogPanels)
#include "tst_logpanels.moc"
