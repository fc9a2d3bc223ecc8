#include "insertcommand.h"
#include "schemavalidator.h"
#include "scldocument.h"
#include "setattributecommand.h"
#include "testtree.h"

#include <QtTest>

// The schema check of a document as it is in memory: each file of
// tests/data/schema breaks one rule, and EXPECTED says which, where.

namespace {

const QString SchemaDir = QStringLiteral(KESTREL_TEST_DATA "/schema/");

QStringList findingTexts(const SclDocument &document)
{
    QStringList texts;
    for (const SchemaFinding &finding : SchemaValidator::validate(document.roots()))
        texts.append(SchemaValidator::findingText(finding));
    return texts;
}

} // namespace

class TestSchemaCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { XmlSchema::instance()->load(); }
    void findings_data();
    void findings();
    void editsAreChecked();
};

void TestSchemaCheck::findings_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected"); // "PATH (line N) | words"
    for (const QString &name : QDir(SchemaDir + "EXPECTED").entryList({"*.txt"})) {
        const QString file = SchemaDir + QFileInfo(name).completeBaseName() + ".scd";
        QTest::newRow(qPrintable(name)) << file << readAll(SchemaDir + "EXPECTED/" + name).split('\n', Qt::SkipEmptyParts);
    }
    // Realistic files of the first edition that the schema accepts whole.
    QTest::newRow("station") << QString(KESTREL_TEST_DATA "/e2e/elmwood_ed1.scd") << QStringList();
    QTest::newRow("substation") << QString(KESTREL_TEST_DATA "/good/substation.scd") << QStringList();
}

void TestSchemaCheck::findings()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    SclDocument document;
    QVERIFY(document.load(file));
    const QStringList found = findingTexts(document);
    QCOMPARE(found.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QString place = "[Schema check]|--Error: " + expected.at(i).section(" | ", 0, 0) + ": ";
        QVERIFY2(found.at(i).startsWith(place) && found.at(i).contains(expected.at(i).section(" | ", 1)),
                 qPrintable(found.at(i)));
    }
}

// The document as it is now, not the file: an edit is seen, and an element
// added since the load is named without a line.
void TestSchemaCheck::editsAreChecked()
{
    SclDocument document;
    QVERIFY(document.load(SchemaDir + "valid.scd"));
    XmlObject *connectedAp = document.scl()->findDescendant("ConnectedAP");
    document.execute(std::make_unique<SetAttributeCommand>(connectedAp, "apName", QString()));
    QCOMPARE(findingTexts(document),
             QStringList{"[Schema check]|--Error: Communication/SubNetwork[name=SN1]/ConnectedAP[iedName=WY_B1] (line 19): "
                         "Element 'ConnectedAP': The attribute 'apName' is required but missing."});
    document.history().undo(document);
    QCOMPARE(findingTexts(document), QStringList());

    XmlObject *server = document.scl()->findDescendant("Server");
    document.execute(std::make_unique<InsertCommand>(server, -1, makeElement("LDevice")));
    const QString added = "[Schema check]|--Error: IED[name=WY_B1]/AccessPoint[name=AP1]/Server/LDevice: Element 'LDevice': ";
    const QStringList found = findingTexts(document);
    QVERIFY(found.contains(added + "The attribute 'inst' is required but missing."));
    for (const QString &finding : found) // its LN0 is missing too, and its key has no value
        QVERIFY2(finding.startsWith(added), qPrintable(finding));

}

QTEST_GUILESS_MAIN(TestSchemaCheck)
#include "tst_schemacheck.moc"
