#include "scldocument.h"
#include "testtree.h"
#include "xmlreader.h"

#include <algorithm>

// The files of tests/data/check are small documents with one kind of fault
// each (and clean.scd / templates_clean.scd with none). For every NAME.scd,
// EXPECTED/NAME.txt holds what a run of the check logs, one line each as
// "LEVEL | TEXT" (LEVEL padded to eight characters), in order, and last
// "RESULT | true" or "RESULT | false". Files named templates_* go through
// the DataTypeTemplates check, the others through the semantic check.

namespace {

const QString CheckDir = QStringLiteral(KESTREL_TEST_DATA "/check/");

// The lines a check logs, then its result line.
QStringList logOf(const std::function<bool()> &check)
{
    const LogRecorder log;
    const bool result = check();
    return log.lines + QStringList(QLatin1String("RESULT | ") + QLatin1String(result ? "true" : "false"));
}

QStringList semanticRun(const Document &roots, Progress *progress = nullptr)
{
    return logOf([&] { return XmlCheck::instance()->semanticValidate(roots, progress); });
}

QStringList templateRun(SclDocument &document)
{
    return logOf([&] { return XmlCheck::instance()->checkTemplate(document); });
}

QStringList expectedLines(const QString &name)
{
    return readAll(CheckDir + QLatin1String("EXPECTED/") + name + QLatin1String(".txt"))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// "KIND id" of type elements, in order.
QStringList typeNames(const QList<XmlObject *> &types)
{
    QStringList names;
    for (const XmlObject *type : types)
        names.append(type->name + QLatin1Char(' ') + type->attribute(QStringLiteral("id")));
    return names;
}

void addRows(bool templates)
{
    QTest::addColumn<QString>("name");
    for (const QString &file : QDir(CheckDir).entryList({QStringLiteral("*.scd")}, QDir::Files, QDir::Name)) {
        if (file.startsWith(QLatin1String("templates_")) == templates)
            QTest::newRow(qPrintable(file)) << QFileInfo(file).completeBaseName();
    }
}

} // namespace

class TestXmlCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { XmlSchema::instance()->load(); }
    void semanticCheck_data() { addRows(false); }
    void semanticCheck();
    void templateCheck_data() { addRows(true); }
    void templateCheck();
    void semanticCheckSeesEditsSinceTheLoad();
};

void TestXmlCheck::semanticCheck()
{
    QFETCH(QString, name);
    const QStringList expected = expectedLines(name);
    DocumentOwner document(XmlReader::load(CheckDir + name + QLatin1String(".scd")));
    QVERIFY(!document.roots.isEmpty());
    const XmlObject before(*document.roots.first());

    // A second run finds the same: nothing of the first carries over.
    ProgressSpy progress;
    for (int run = 0; run < 2; ++run) {
        progress.values.clear();
        QCOMPARE(semanticRun(document.roots, &progress), expected);
    }
    // Every element is visited once, and the progress moves forward to its end.
    QCOMPARE(XmlCheck::instance()->visited, XmlReader::countElements(document.roots));
    QCOMPARE(progress.values.last(), progress.maximum);
    QVERIFY(std::is_sorted(progress.values.begin(), progress.values.end()));
    // The check changes nothing.
    QVERIFY(sameTree(document.roots.first(), &before));
}

void TestXmlCheck::templateCheck()
{
    QFETCH(QString, name);
    const QStringList expected = expectedLines(name);
    SclDocument document;
    QVERIFY(document.load(CheckDir + name + QLatin1String(".scd")));
    const XmlObject before(*document.scl());
    QStringList types = typeNames(document.scl()->findChild("DataTypeTemplates")->children);

    QCOMPARE(templateRun(document), expected);

    // Exactly the types announced as deleted have left the document.
    QStringList deleted;
    const QRegularExpression record(QStringLiteral("\\| Modify record: (\\w+) = (\\S+) deleted successfully\\.$"));
    for (const QString &line : expected) {
        const QRegularExpressionMatch match = record.match(line);
        if (match.hasMatch())
            deleted.append(match.captured(1) + QLatin1Char(' ') + match.captured(2));
    }
    for (const QString &type : deleted)
        QVERIFY(types.removeOne(type));
    QCOMPARE(typeNames(document.scl()->findChild("DataTypeTemplates")->children), types);
    // All the deletions are one step, which an undo takes back whole.
    QCOMPARE(document.history().count(), std::size_t(deleted.isEmpty() ? 0 : 1));
    document.history().undo(document);
    QVERIFY(sameTree(document.scl(), &before));
    document.history().redo(document);

    // Saved and loaded again, the file keeps what was left, and that is all in use.
    QTemporaryDir dir;
    QVERIFY(document.save(dir.filePath(QStringLiteral("checked.scd"))));
    SclDocument reloaded;
    QVERIFY(reloaded.load(dir.filePath(QStringLiteral("checked.scd"))));
    QCOMPARE(typeNames(reloaded.scl()->findChild("DataTypeTemplates")->children), types);
    QCOMPARE(templateRun(reloaded).last(), QStringLiteral("RESULT | true"));
}

void TestXmlCheck::semanticCheckSeesEditsSinceTheLoad()
{
    // Semantic check: a logical node of a type added after the load resolves,
    // and so do its data references.
    DocumentOwner document(XmlReader::load(CheckDir + QLatin1String("clean.scd")));
    XmlObject *templates = document.roots.first()->findChild("DataTypeTemplates");
    makeElement("DO", makeElement("LNodeType", templates, {{"id", "CSWI_T"}, {"lnClass", "CSWI"}}),
                {{"name", "Pos"}, {"type", "DPC_T"}});
    XmlObject *device = document.roots.first()->findDescendant("LDevice");
    XmlObject *ln = makeElement("LN", device, {{"lnClass", "CSWI"}, {"inst", "1"}, {"lnType", "CSWI_T"}});
    XmlObject *doi = makeElement("DOI", ln, {{"name", "Pos"}});
    makeElement("DAI", makeElement("SDI", doi, {{"name", "Oper"}}), {{"name", "ctlVal"}});
    makeElement("FCDA", device->findDescendant("DataSet"),
                {{"ldInst", "PROT"}, {"lnClass", "CSWI"}, {"lnInst", "1"}, {"doName", "Pos"}, {"daName", "stVal"},
                 {"fc", "ST"}});
    QCOMPARE(semanticRun(document.roots), expectedLines(QStringLiteral("clean")));
}

QTEST_GUILESS_MAIN(TestXmlCheck)
#include "tst_xmlcheck.moc"
