#include <QtTest>
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
    void roundtrip();
    void roundtripFailuresGiveOneLine_data();
    void roundtripFailuresGiveOneLine();
    void stats();
    void schemaAnswersForEverySclElement_data();
    void schemaAnswersForEverySclElement();
    void schemaDetails();
    void checkOutput();
    void usage();

private:
    QTemporaryDir m_dir;
};

void TestCli::roundtrip()
{
    const QString out = m_dir.filePath("out.scd");
    const Result result = run({"roundtrip", DataDir + "/good/substation.scd", out});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.err, QString());
    QVERIFY(QFileInfo(out).size() > 10000);
}

void TestCli::roundtripFailuresGiveOneLine_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("reason");
    QTest::newRow("truncated") << DataDir + "/bad/truncated.scd" << "out.scd" << "Xml Syntax error at line:";
    QTest::newRow("missing input") << "no-such-file.scd" << "out.scd" << "ReadOnly open file no-such-file.scd failed.";
    QTest::newRow("unwritable output") << DataDir + "/good/relay.icd" << "missing/dir/out.scd" << "open operate failed";
}

void TestCli::roundtripFailuresGiveOneLine()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QFETCH(QString, reason);
    const Result result = run({"roundtrip", in, m_dir.filePath(out)});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.err.count('\n'), 1);
    QVERIFY2(result.err.startsWith("kestrel-cli: ") && result.err.contains(reason), qPrintable(result.err));
}

void TestCli::stats()
{
    const Result result = run({"stats", DataDir + "/good/substation.scd"});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("elements\t612\n"));
    QVERIFY(result.out.contains("IED\t3\n"));
    QVERIFY(result.out.contains("load ms\t"));
}

void TestCli::schemaAnswersForEverySclElement_data()
{
    // Element, and an attribute and a child it must list ("-" for none).
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("child");
    const QStringList rows = {
        "IED name\ttName\trequired AccessPoint", "LDevice inst\ttName\trequired LN0",
        "LN lnType\ttName\trequired DOI", "LN0 lnClass\ttLNClassEnum\trequired DataSet",
        "DOI name\ttRestrName1stU\trequired DAI", "SDI name\ttAttributeNameEnum\trequired SDI",
        "DAI valKind\ttValKindEnum\toptional Val", "DataSet name\ttName\trequired FCDA",
        "FCDA fc\ttFCEnum\trequired -", "ReportControl confRev\txs:unsignedInt\trequired RptEnabled",
        "GSEControl appID\ttName\trequired IEDName", "SampledValueControl smpRate\txs:unsignedInt\trequired SmvOpts",
        "LogControl logName\ttName\trequired TrgOps", "ExtRef iedName\ttName\toptional -",
        "ConnectedAP apName\ttName\trequired Address", "GSE cbName\ttName\trequired MinTime",
        "SMV ldInst\ttName\trequired Address", "Address - P", "P type\ttPTypeEnum\trequired -",
        "SubNetwork name\ttName\trequired ConnectedAP", "LNodeType lnClass\ttLNClassEnum\trequired DO",
        "DO type\ttName\trequired -", "DOType cdc\ttCDCEnum\trequired DA", "SDO name\ttRestrName1stL\trequired -",
        "DA bType\ttBasicTypeEnum\trequired Val", "DAType id\ttName\trequired BDA",
        "BDA bType\ttBasicTypeEnum\trequired Val", "EnumType id\ttName\trequired EnumVal",
        "EnumVal ord\txs:integer\trequired -", "Substation name\ttName\trequired VoltageLevel",
        "VoltageLevel name\ttName\trequired Bay", "Bay name\ttName\trequired ConductingEquipment",
        "Header id\txs:normalizedString\trequired History", "Hitem when\txs:normalizedString\trequired -",
        "Services - ConfDataSet", "AccessPoint name\ttName\trequired Server", "Server timeout\txs:unsignedInt\toptional LDevice",
        "Communication - SubNetwork", "DataTypeTemplates - LNodeType", "Inputs - ExtRef",
        "RptEnabled max\txs:unsignedInt\toptional ClientLN", "ConductingEquipment type\ttCommonConductingEquipmentEnum\trequired Terminal",
        "PowerTransformer type\ttPowerTransformerEnum\trequired TransformerWinding", "LNode lnClass\ttLNClassEnum\trequired -",
    };
    for (const QString &row : rows) {
        const QString element = row.section(' ', 0, 0);
        QTest::newRow(qPrintable(element)) << element << row.section(' ', 1).section(' ', 0, 0)
                                           << row.section(' ', -1);
    }
}

void TestCli::schemaAnswersForEverySclElement()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QString, child);
    const Result result = run({"schema", element});
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = result.out.split('\n', Qt::SkipEmptyParts);
    if (attribute != "-")
        QVERIFY2(lines.contains(attribute), qPrintable(result.out));
    if (child != "-")
        QVERIFY2(!lines.filter(QRegularExpression("^child\t" + child + "\t")).isEmpty(), qPrintable(result.out));
}

void TestCli::schemaDetails()
{
    const Result simple = run({"schema", "--simple", "tRestrName1stU"});
    QCOMPARE(simple.exitCode, 0);
    QCOMPARE(simple.out, QString("pattern\t[A-Z][\\d,A-Za-z]*\n"));
    const Result enums = run({"schema", "--simple", "tFCEnum"});
    QVERIFY(enums.out.startsWith("enumeration\t"));
    QVERIFY(enums.out.contains("enumeration\tST\n"));
    const Result unique = run({"schema", "--unique", "uniqueLNInLDevice"});
    QCOMPARE(unique.out, QString("selector\t./scl:LN\nfield\t@inst\nfield\t@lnClass\nfield\t@prefix\n"));
    QCOMPARE(run({"schema", "NoSuchElement"}).exitCode, 1);
    QCOMPARE(run({"schema", "--unique", "nope"}).exitCode, 1);
}

void TestCli::checkOutput()
{
    // A copy of a file in which the second IED takes the first one's name.
    QFile clean(DataDir + "/good/substation.scd");
    QVERIFY(clean.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(clean.readAll());
    QCOMPARE(run({"check", "semantic", DataDir + "/good/crlf.scd"}).exitCode, 0);
    const QString faulty = m_dir.filePath("dup.scd");
    text.replace("name=\"Q01_BCU\"", "name=\"Q01_PROT\"");
    QFile out(faulty);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(text.toUtf8());
    out.close();

    const Result plain = run({"check", "semantic", faulty});
    QCOMPARE(plain.exitCode, 1);
    const QStringList warnings = plain.out.split('\n').filter("Warning  | [Semantic check]|--Warn : IED name = Q01_PROT repetition!");
    QCOMPARE(warnings.size(), 2);
    QVERIFY(plain.out.startsWith("Debug    | [Semantic check]"));

    const Result json = run({"check", "semantic", faulty, "--format", "json"});
    QCOMPARE(json.exitCode, 1);
    const QJsonArray findings = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QVERIFY(!findings.isEmpty());
    int reported = 0;
    for (const QJsonValue &value : findings) {
        const QJsonObject finding = value.toObject();
        QCOMPARE(finding.value("section").toString(), QString("Semantic check"));
        if (!finding.value("text").toString().contains("IED name = Q01_PROT repetition!"))
            continue;
        ++reported;
        QCOMPARE(finding.value("severity").toString(), QString("Warn"));
        QCOMPARE(finding.value("level").toString(), QString("Warning"));
        const int line = finding.value("line").toInt();
        QVERIFY2(text.split('\n').value(line - 1).contains("<IED name=\"Q01_PROT\""), qPrintable(QString::number(line)));
    }
    QCOMPARE(reported, 2);

    const QString cleaned = m_dir.filePath("cleaned.scd");
    const Result templates = run({"check", "templates", clean.fileName(), "-o", cleaned});
    QCOMPARE(templates.exitCode, 0);
    QVERIFY(QFileInfo::exists(cleaned));
    QCOMPARE(run({"check", "semantic", m_dir.filePath("missing.scd")}).exitCode, 2);
}

void TestCli::usage()
{
    const Result help = run({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains("roundtrip IN OUT"));
    QCOMPARE(run({}).exitCode, 2);
    QCOMPARE(run({"frobnicate"}).exitCode, 2);
    QCOMPARE(run({"roundtrip", "only-one"}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
