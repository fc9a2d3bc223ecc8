#include "renameengine.h"
#include "scldocument.h"
#include "testtree.h"

#include <QtTest>

#include <functional>

// A rename carries every reference to the renamed element along: a file
// that passed the semantic check before passes it after, and nothing names
// the old name any more. One undo takes the whole rename back.

namespace {

const QString E2eDir = QStringLiteral(KESTREL_TEST_DATA "/e2e/");

// Warnings and errors of a semantic check, with the name replaced, to compare runs.
QStringList findings(const SclDocument &document)
{
    QStringList found;
    XmlCheck *check = XmlCheck::instance();
    check->setRecorder([&](QtMsgType type, const QString &text, const XmlObject *) {
        if (type != QtDebugMsg)
            found.append(text);
    });
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    check->semanticValidate(document.roots());
    qInstallMessageHandler(previous);
    check->setRecorder({});
    return found;
}

// Every element of the kind, in document order.
QList<XmlObject *> allOf(const SclDocument &document, const QString &name)
{
    QList<XmlObject *> found;
    const std::function<void(XmlObject *)> collect = [&](XmlObject *element) {
        if (element->name == name)
            found.append(element);
        for (XmlObject *child : element->children)
            collect(child);
    };
    collect(document.scl());
    return found;
}

} // namespace

class TestRenames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { XmlSchema::instance()->load(); }
    void renameCarriesEveryReference_data();
    void renameCarriesEveryReference();
    void referrersByKind_data();
    void referrersByKind();
};

void TestRenames::renameCarriesEveryReference_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("element");
    QTest::addColumn<int>("index"); // among the elements of that name
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<int>("minimum"); // references the file certainly has to it

    for (const char *file : {"elmwood_ed1.scd", "elmwood_ed2.scd", "elmwood_ed2_1.scd"}) {
        SclDocument document;
        QVERIFY(document.load(E2eDir + file));
        const auto rows = [&](const char *element, const char *attribute, int minimum) {
            const QList<XmlObject *> elements = allOf(document, element);
            for (int i = 0; i < elements.size(); ++i) {
                const QString label = QString("%1 %2 %3").arg(file, element, elements.at(i)->attribute(attribute));
                QTest::newRow(qPrintable(label + (element == QString("LN") ? QString::number(i) : QString())))
                        << QString(file) << QString(element) << i << QString(attribute) << minimum;
            }
        };
        rows("IED", "name", 1);
        rows("AccessPoint", "name", 0);
        rows("LDevice", "inst", 0);
        rows("DataSet", "name", 0);
        rows("GSEControl", "name", 1);
        rows("SampledValueControl", "name", 1);
        rows("ReportControl", "name", 0);
        rows("LNodeType", "id", 1);
        rows("DOType", "id", 1);
        rows("DAType", "id", 1);
        rows("EnumType", "id", 1);
    }
    QTest::newRow("LN inst") << "elmwood_ed2.scd" << "LN" << 0 << "inst" << 0;
    QTest::newRow("LN prefix") << "elmwood_ed2.scd" << "LN" << 1 << "prefix" << 0;
}

void TestRenames::renameCarriesEveryReference()
{
    QFETCH(QString, file);
    QFETCH(QString, element);
    QFETCH(int, index);
    QFETCH(QString, attribute);
    QFETCH(int, minimum);

    SclDocument document;
    QVERIFY(document.load(E2eDir + file));
    const QStringList before = findings(document);
    const XmlObject original(*document.scl());
    XmlObject *renamed = allOf(document, element).at(index);
    const QString oldName = renamed->attribute(attribute);
    const QString newName = oldName + "R";
    const RenameEngine engine(document);
    const QList<Reference> references = engine.references(renamed, attribute);
    QVERIFY(references.size() >= minimum);

    QCOMPARE(engine.rename(document, renamed, attribute, newName), references.size());
    QCOMPARE(renamed->attribute(attribute), newName);
    for (const Reference &reference : references)
        QCOMPARE(reference.element->attribute(reference.attribute), newName);
    // The check finds what it found before, under the new name, and nothing else.
    QStringList expected = before;
    expected.replaceInStrings(oldName, newName);
    QCOMPARE(findings(document), expected);
    // What referred to the old name refers to the new one: it is found again.
    QCOMPARE(engine.references(renamed, attribute).size(), references.size());

    QVERIFY(document.history().canUndo());
    document.history().undo(document);
    QVERIFY(sameTree(document.scl(), &original));
    QVERIFY(!document.history().canUndo());
}

// Counted in the file by hand: what names an IED, a logical device and a GOOSE control block.
void TestRenames::referrersByKind_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("referrers");
    QTest::newRow("IED") << "IED" << "name" << "E1Q2SB1"
                         << "ConnectedAP.iedName 1, ExtRef.iedName 3, IEDName.value 2, LNode.iedName 4";
    QTest::newRow("LDevice") << "LDevice" << "inst" << "CTRL"
                             << "ExtRef.ldInst 3, ExtRef.srcLDInst 3, FCDA.ldInst 14, GSE.ldInst 1, IEDName.ldInst 2, "
                                "LNode.ldInst 4";
    QTest::newRow("GSEControl") << "GSEControl" << "name" << "gcbInterlock" << "ExtRef.srcCBName 3, GSE.cbName 1";
}

void TestRenames::referrersByKind()
{
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QString, name);
    SclDocument document;
    QVERIFY(document.load(E2eDir + "elmwood_ed2.scd"));
    const XmlObject *ied = document.scl()->findChild("IED", "name", "E1Q2SB1");
    const XmlObject *found = element == "IED" ? ied : ied->findDescendant(element, attribute, name);
    QVERIFY(found);
    QMap<QString, int> kinds;
    for (const Reference &reference : RenameEngine(document).references(found, attribute))
        ++kinds[reference.element->name + '.' + reference.attribute];
    QStringList counted;
    for (auto it = kinds.begin(); it != kinds.end(); ++it)
        counted.append(it.key() + ' ' + QString::number(it.value()));
    QTEST(counted.join(", "), "referrers");
}

QTEST_GUILESS_MAIN(TestRenames)
#include "tst_renames.moc"
