#include "testtree.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Result
{
    int exitCode = -1;
    QString out;
    QString err;
};

Result run(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(KESTREL_CLI), arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString DataDir = QStringLiteral(KESTREL_TEST_DATA);

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void roundtrip_data();
    void roundtrip();
    void commands_data();
    void commands();
    void checkOutput();
    void renameEveryIed_data();
    void renameEveryIed();

private:
    QTemporaryDir m_dir;
};

void TestCli::roundtrip_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("reason"); // empty: it must succeed
    QTest::newRow("good") << DataDir + "/good/substation.scd" << "out.scd" << "";
    QTest::newRow("truncated") << DataDir + "/bad/truncated.scd" << "out.scd" << "Xml Syntax error at line:";
    QTest::newRow("surrogate") << DataDir + "/bad/surrogate_in_attribute_name.scd" << "out.scd" << "not valid UTF-16";
    QTest::newRow("missing input") << "no-such-file.scd" << "out.scd" << "ReadOnly open file no-such-file.scd failed.";
    QTest::newRow("unwritable output") << DataDir + "/good/relay.icd" << "missing/dir/out.scd" << "open operate failed";
}

void TestCli::roundtrip()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QFETCH(QString, reason);
    const Result result = run({"roundtrip", in, m_dir.filePath(out)});
    if (reason.isEmpty()) {
        QCOMPARE(result.err, QString());
        QCOMPARE(result.exitCode, 0);
        QVERIFY(QFileInfo(m_dir.filePath(out)).size() > 10000);
        return;
    }
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY2(result.err.startsWith("kestrel-cli: ") && result.err.contains(reason), qPrintable(result.err));
}

void TestCli::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // a part of what it must print
    QTest::newRow("stats") << QStringList{"stats", DataDir + "/good/substation.scd"} << 0 << "elements\t612\nIED\t3\n";
    QTest::newRow("schema attribute") << QStringList{"schema", "IED"} << 0 << "\nname\ttName\trequired\n";
    QTest::newRow("schema child") << QStringList{"schema", "IED"} << 0 << "\nchild\tAccessPoint\tunbounded\n";
    QTest::newRow("schema pattern") << QStringList{"schema", "--simple", "tRestrName1stU"} << 0
                                    << "pattern\t[A-Z][\\d,A-Za-z]*\n";
    QTest::newRow("schema unique") << QStringList{"schema", "--unique", "uniqueLNInLDevice"} << 0
                                   << "selector\t./scl:LN\nfield\t@inst\nfield\t@lnClass\nfield\t@prefix\n";
    QTest::newRow("schema unknown element") << QStringList{"schema", "NoSuchElement"} << 1 << "";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "roundtrip IN OUT";
    QTest::newRow("no command") << QStringList{} << 2 << "";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << 2 << "";
    QTest::newRow("missing argument") << QStringList{"roundtrip", "only-one"} << 2 << "";
    QTest::newRow("check missing file") << QStringList{"check", "semantic", m_dir.filePath("missing.scd")} << 2 << "";
    QTest::newRow("check clean file") << QStringList{"check", "semantic", DataDir + "/good/crlf.scd"} << 0 << "";
    const QString station = DataDir + "/good/substation.scd";
    const QString renamed = m_dir.filePath("renamed.scd");
    QTest::newRow("rename to a taken name") << QStringList{"rename", station, "--ied", "Q01_BCU", "Q01_MU", "-o", renamed}
                                            << 1 << "";
    QTest::newRow("rename an unknown IED") << QStringList{"rename", station, "--ied", "Q09", "Q10", "-o", renamed}
                                           << 1 << "";
    QTest::newRow("rename to no name") << QStringList{"rename", station, "--ied", "Q01_BCU", "9 x", "-o", renamed}
                                       << 1 << "";
    QTest::newRow("rename without output") << QStringList{"rename", station, "--ied", "Q01_BCU", "B"} << 2 << "";
    QTest::newRow("rename a missing file") << QStringList{"rename", m_dir.filePath("missing.scd"), "--ied", "A", "B",
                                                          "-o", renamed} << 2 << "";
}

void TestCli::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    const Result result = run(arguments);
    QTEST(result.exitCode, "exitCode");
    QVERIFY2(result.out.contains(output), qPrintable(result.out));
}

void TestCli::checkOutput()
{
    // A copy of a file in which the second IED takes the first one's name.
    const QString clean = DataDir + "/good/substation.scd";
    const QString text = readAll(clean).replace("name=\"Q01_BCU\"", "name=\"Q01_PROT\"");
    const QString faulty = m_dir.filePath("dup.scd");
    writeFile(faulty, text.toUtf8());

    const Result plain = run({"check", "semantic", faulty});
    QCOMPARE(plain.exitCode, 1);
    QVERIFY(plain.out.startsWith("Debug    | [Semantic check]"));
    QCOMPARE(plain.out.count("Warning  | [Semantic check]|--Warn : IED name = Q01_PROT repetition! "), 2);

    const Result json = run({"check", "semantic", faulty, "--format", "json"});
    QCOMPARE(json.exitCode, 1);
    int reported = 0;
    for (const QJsonValue &value : QJsonDocument::fromJson(json.out.toUtf8()).array()) {
        const QJsonObject finding = value.toObject();
        QCOMPARE(finding.value("section").toString(), QString("Semantic check"));
        if (!finding.value("text").toString().contains("IED name = Q01_PROT repetition!"))
            continue;
        ++reported;
        QCOMPARE(finding.value("severity").toString() + " " + finding.value("level").toString(), QString("Warn Warning"));
        QVERIFY(text.split('\n').value(finding.value("line").toInt() - 1).contains("<IED name=\"Q01_PROT\""));
    }
    QCOMPARE(reported, 2);

    const QString cleaned = m_dir.filePath("cleaned.scd");
    QCOMPARE(run({"check", "templates", clean, "-o", cleaned}).exitCode, 0);
    QVERIFY(QFileInfo::exists(cleaned));
}

void TestCli::renameEveryIed_data()
{
    QTest::addColumn<QString>("ied");
    for (const char *ied : {"E1Q1SB1", "E1Q2SB1", "E1Q1MU1", "HMI01"})
        QTest::newRow(ied) << QString(ied);
}

// Each IED of a station with GOOSE and sampled value subscriptions and report
// clients, renamed: nothing names it by its old name, and the check passes.
void TestCli::renameEveryIed()
{
    QFETCH(QString, ied);
    const QString renamed = m_dir.filePath(ied + ".scd");
    const Result result = run({"rename", DataDir + "/e2e/elmwood_ed2.scd", "--ied", ied, "New" + ied, "-o", renamed});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.startsWith("renamed IED " + ied + " to New" + ied + ", "), qPrintable(result.out));
    const QString text = readAll(renamed);
    QVERIFY(!text.contains('"' + ied + '"') && !text.contains('>' + ied + '<'));
    QCOMPARE(run({"check", "semantic", renamed}).exitCode, 0);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
