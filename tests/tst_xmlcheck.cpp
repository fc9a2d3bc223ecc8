#include "progress.h"
#include "testtree.h"
#include "xmlcheck.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"

#include <QtTest>

#include <algorithm>

// The files of tests/data/check are small documents with one kind of fault
// each (and clean.scd / templates_clean.scd with none). For every NAME.scd,
// EXPECTED/NAME.txt holds what a run of the check logs, one line each as
// "LEVEL | TEXT" (LEVEL padded to eight characters), in order, and last
// "RESULT | true" or "RESULT | false". Files named templates_* go through
// the DataTypeTemplates check, the others through the semantic check.

namespace {

const QString CheckDir = QStringLiteral(KESTREL_TEST_DATA "/check");

QString logLine(QtMsgType type, const QString &text)
{
    static const char *const levels[] = {"Debug   ", "Warning ", "Critical", "Fatal   ", "Info    "};
    return QLatin1String(levels[type]) + QLatin1String(" | ") + text;
}

// Collects what is logged while it lives.
class LogCapture
{
public:
    LogCapture() { s_lines.clear(); m_previous = qInstallMessageHandler(handler); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    QStringList lines() const { return s_lines; }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        s_lines.append(logLine(type, text));
    }
    static QStringList s_lines;
    QtMessageHandler m_previous;
};
QStringList LogCapture::s_lines;

// The type elements a template check unlinked; the test frees them.
struct RemovedTypes
{
    ~RemovedTypes() { qDeleteAll(list); }
    QList<XmlObject *> list;
};

// The lines a check logs, then its result line.
QStringList logOf(const std::function<bool()> &check)
{
    QStringList lines;
    bool result;
    {
        LogCapture capture;
        result = check();
        lines = capture.lines();
    }
    lines.append(QLatin1String("RESULT | ") + QLatin1String(result ? "true" : "false"));
    return lines;
}

QStringList semanticRun(const Document &roots, Progress *progress = nullptr)
{
    return logOf([&] { return XmlCheck::instance()->semanticValidate(roots, progress); });
}

QStringList templateRun(const Document &roots, RemovedTypes &removed)
{
    XmlCheck *check = XmlCheck::instance();
    const QStringList lines = logOf([&] { return check->checkTemplate(roots); });
    removed.list.append(check->removed);
    check->removed.clear();
    return lines;
}

QStringList expectedLines(const QString &name)
{
    QFile file(CheckDir + QLatin1String("/EXPECTED/") + name + QLatin1String(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// Empty when the lists are equal, else where they part and both runs.
QString difference(const QStringList &actual, const QStringList &expected)
{
    if (actual == expected)
        return {};
    int i = 0;
    while (i < actual.size() && i < expected.size() && actual.at(i) == expected.at(i))
        ++i;
    const QString none = QStringLiteral("<no line>");
    return QStringLiteral("line %1 differs\n  actual:   %2\n  expected: %3\nwhole run:\n%4")
        .arg(QString::number(i + 1), actual.value(i, none), expected.value(i, none),
             actual.join(QLatin1Char('\n')));
}

QByteArray savedBytes(const Document &roots)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("saved.scd"));
    if (!XmlReader::save(fileName, roots))
        return {};
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

XmlObject *dataTypeTemplates(const Document &roots)
{
    return roots.isEmpty() ? nullptr : roots.first()->findChild(QStringLiteral("DataTypeTemplates"));
}

// "KIND id" of each type element, in document order.
QStringList typeNames(const Document &roots)
{
    QStringList names;
    if (XmlObject *templates = dataTypeTemplates(roots)) {
        for (const XmlObject *type : templates->children)
            names.append(type->name + QLatin1Char(' ') + type->attribute(QStringLiteral("id")));
    }
    return names;
}

void addRows(bool templates)
{
    QTest::addColumn<QString>("name");
    const QStringList files = QDir(CheckDir).entryList({QStringLiteral("*.scd")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        if (file.startsWith(QLatin1String("templates_")) == templates)
            QTest::newRow(qPrintable(file)) << QFileInfo(file).completeBaseName();
    }
}

} // namespace

class TestXmlCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void semanticCheck_data();
    void semanticCheck();
    void templateCheck_data();
    void templateCheck();
    void recorderGetsLinesAndElements();
    void runsSeeEditsSinceTheLoad();
};

void TestXmlCheck::initTestCase()
{
    XmlSchema::instance()->load();
    QVERIFY(QDir(CheckDir).exists());
}

void TestXmlCheck::semanticCheck_data()
{
    addRows(false);
}

void TestXmlCheck::semanticCheck()
{
    QFETCH(QString, name);
    const QStringList expected = expectedLines(name);
    QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("no EXPECTED/%1.txt").arg(name)));
    DocumentOwner document(XmlReader::load(CheckDir + QLatin1Char('/') + name + QLatin1String(".scd")));
    QVERIFY(!document.roots.isEmpty());
    const QByteArray before = savedBytes(document.roots);
    QVERIFY(!before.isEmpty());

    // A second run finds the same: nothing of the first carries over.
    ProgressSpy progress;
    QStringList lines;
    for (int run = 0; run < 2; ++run) {
        progress.values.clear();
        lines = semanticRun(document.roots, &progress);
        const QString diff = difference(lines, expected);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
    QCOMPARE(XmlCheck::instance()->semanticResult, lines.last() == QLatin1String("RESULT | true"));

    // Every element is visited once, and the progress moves forward to its end.
    QCOMPARE(XmlCheck::instance()->visited, XmlReader::countElements(document.roots));
    QVERIFY(!progress.values.isEmpty());
    QCOMPARE(progress.values.last(), progress.maximum);
    QVERIFY(std::is_sorted(progress.values.begin(), progress.values.end()));
    QVERIFY(!progress.cancelled);

    // The check reports and changes nothing.
    QCOMPARE(savedBytes(document.roots), before);
}

void TestXmlCheck::templateCheck_data()
{
    addRows(true);
}

void TestXmlCheck::templateCheck()
{
    QFETCH(QString, name);
    const QStringList expected = expectedLines(name);
    QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("no EXPECTED/%1.txt").arg(name)));
    DocumentOwner document(XmlReader::load(CheckDir + QLatin1Char('/') + name + QLatin1String(".scd")));
    QVERIFY(!document.roots.isEmpty());
    const QStringList typesBefore = typeNames(document.roots);

    RemovedTypes removed;
    const QStringList lines = templateRun(document.roots, removed);
    const QString diff = difference(lines, expected);
    QVERIFY2(diff.isEmpty(), qPrintable(diff));
    QCOMPARE(XmlCheck::instance()->templateResult, lines.last() == QLatin1String("RESULT | true"));

    // Exactly the types announced as deleted have left the document.
    QStringList deleted;
    const QRegularExpression record(QStringLiteral("^Modify record: (\\w+) = (\\S+) deleted successfully\\.$"));
    for (const QString &line : expected) {
        const QRegularExpressionMatch match = record.match(line.mid(line.indexOf(QLatin1String(" | ")) + 3));
        if (match.hasMatch())
            deleted.append(match.captured(1) + QLatin1Char(' ') + match.captured(2));
    }
    QStringList typesAfter = typesBefore;
    for (const QString &type : deleted)
        QVERIFY(typesAfter.removeOne(type));
    QCOMPARE(typeNames(document.roots), typesAfter);
    // The unlinked elements are handed over in the order deleted.
    QStringList handedOver;
    for (const XmlObject *type : removed.list)
        handedOver.append(type->name + QLatin1Char(' ') + type->attribute(QStringLiteral("id")));
    QCOMPARE(handedOver, deleted);

    // Saved and loaded again, the file keeps what was left, and that is all in use.
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("checked.scd"));
    QVERIFY(XmlReader::save(saved, document.roots));
    DocumentOwner reloaded(XmlReader::load(saved));
    QCOMPARE(typeNames(reloaded.roots), typesAfter);
    const QStringList again = templateRun(reloaded.roots, removed);
    QCOMPARE(again.size(), 5);
    QCOMPARE(again.last(), QStringLiteral("RESULT | true"));
}

void TestXmlCheck::recorderGetsLinesAndElements()
{
    XmlCheck *check = XmlCheck::instance();
    QStringList recorded;
    QList<const XmlObject *> elements;
    check->setRecorder([&](QtMsgType type, const QString &text, const XmlObject *element) {
        recorded.append(logLine(type, text));
        elements.append(element);
    });

    DocumentOwner semantic(XmlReader::load(CheckDir + QLatin1String("/connectedap_bad_ied.scd")));
    QVERIFY(!semantic.roots.isEmpty());
    QStringList lines = semanticRun(semantic.roots);
    lines.removeLast();
    QCOMPARE(recorded, lines);
    // The faults are about the ConnectedAP elements that name no IED.
    const XmlObject *subNetwork = semantic.roots.first()->findDescendant(QStringLiteral("SubNetwork"));
    QVERIFY(subNetwork);
    QCOMPARE(elements.value(1), subNetwork->children.at(1));
    QCOMPARE(elements.value(2), subNetwork->children.at(2));
    QCOMPARE(elements.value(3), subNetwork->children.at(3));

    recorded.clear();
    elements.clear();
    DocumentOwner templates(XmlReader::load(CheckDir + QLatin1String("/templates_other_class.scd")));
    QVERIFY(!templates.roots.isEmpty());
    const XmlObject *unused = dataTypeTemplates(templates.roots)->children.at(1);
    QCOMPARE(unused->attribute(QStringLiteral("id")), QStringLiteral("XCBR_T"));
    RemovedTypes removed;
    lines = templateRun(templates.roots, removed);
    lines.removeLast();
    check->setRecorder(XmlCheck::Recorder());
    QCOMPARE(recorded, lines);
    // The deletion's warning and its record are both about the type deleted.
    QCOMPARE(elements.value(1), unused);
    QCOMPARE(elements.value(2), unused);

    // Without a recorder the lines only go to the log.
    recorded.clear();
    lines = templateRun(templates.roots, removed);
    QCOMPARE(lines.size(), 5);
    QVERIFY(recorded.isEmpty());
}

void TestXmlCheck::runsSeeEditsSinceTheLoad()
{
    // Template check: a type added with a logical node using it is kept, an
    // added type nothing uses is deleted.
    {
        DocumentOwner document(XmlReader::load(CheckDir + QLatin1String("/templates_clean.scd")));
        QVERIFY(!document.roots.isEmpty());
        RemovedTypes removed;
        QCOMPARE(templateRun(document.roots, removed), expectedLines(QStringLiteral("templates_clean")));

        XmlObject *templates = dataTypeTemplates(document.roots);
        XmlObject *used = makeElement(QStringLiteral("LNodeType"), templates,
                                      {{"id", "PTRC_T"}, {"lnClass", "PTRC"}});
        makeElement(QStringLiteral("DO"), used, {{"name", "Str"}, {"type", "SPS_T"}});
        XmlObject *spare = makeElement(QStringLiteral("LNodeType"), templates,
                                       {{"id", "SPARE_T"}, {"lnClass", "PTRC"}});
        makeElement(QStringLiteral("DO"), spare, {{"name", "Op"}, {"type", "SPS_T"}});
        XmlObject *device = document.roots.first()->findDescendant(QStringLiteral("LDevice"));
        QVERIFY(device);
        makeElement(QStringLiteral("LN"), device, {{"lnClass", "PTRC"}, {"inst", "1"}, {"lnType", "PTRC_T"}});

        const QStringList lines = templateRun(document.roots, removed);
        const QStringList expected = {
            QStringLiteral("Warning  | [DataTypeTemplates check]Check LNodeType ......"),
            QStringLiteral("Warning  | [DataTypeTemplates check]LNodeType id = SPARE_T unused, this LNodeType will be deleted."),
            QStringLiteral("Debug    | Modify record: LNodeType = SPARE_T deleted successfully."),
            QStringLiteral("Warning  | [DataTypeTemplates check]Check DOType ......"),
            QStringLiteral("Warning  | [DataTypeTemplates check]Check DAType ......"),
            QStringLiteral("Warning  | [DataTypeTemplates check]Check EnumType ......"),
            QStringLiteral("RESULT | false"),
        };
        const QString diff = difference(lines, expected);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
        QVERIFY(templates->children.contains(used));
        QCOMPARE(removed.list, QList<XmlObject *>{spare});
    }

    // Semantic check: a logical node of a type added after the load resolves,
    // and so do its data references.
    {
        DocumentOwner document(XmlReader::load(CheckDir + QLatin1String("/clean.scd")));
        QVERIFY(!document.roots.isEmpty());
        const QStringList clean = expectedLines(QStringLiteral("clean"));
        QCOMPARE(semanticRun(document.roots), clean);

        XmlObject *templates = dataTypeTemplates(document.roots);
        XmlObject *type = makeElement(QStringLiteral("LNodeType"), templates,
                                      {{"id", "CSWI_T"}, {"lnClass", "CSWI"}});
        makeElement(QStringLiteral("DO"), type, {{"name", "Pos"}, {"type", "DPC_T"}});
        XmlObject *device = document.roots.first()->findDescendant(QStringLiteral("LDevice"));
        QVERIFY(device);
        XmlObject *ln = makeElement(QStringLiteral("LN"), device,
                                    {{"lnClass", "CSWI"}, {"inst", "1"}, {"lnType", "CSWI_T"}});
        XmlObject *doi = makeElement(QStringLiteral("DOI"), ln, {{"name", "Pos"}});
        XmlObject *sdi = makeElement(QStringLiteral("SDI"), doi, {{"name", "Oper"}});
        makeElement(QStringLiteral("DAI"), sdi, {{"name", "ctlVal"}});
        XmlObject *dataSet = device->findDescendant(QStringLiteral("DataSet"));
        QVERIFY(dataSet);
        makeElement(QStringLiteral("FCDA"), dataSet, {{"ldInst", "PROT"}, {"lnClass", "CSWI"}, {"lnInst", "1"},
                                                      {"doName", "Pos"}, {"daName", "stVal"}, {"fc", "ST"}});
        const QString diff = difference(semanticRun(document.roots), clean);
        QVERIFY2(diff.isEmpty(), qPrintable(diff));
    }
}

QTEST_GUILESS_MAIN(TestXmlCheck)
#include "tst_xmlcheck.moc"
