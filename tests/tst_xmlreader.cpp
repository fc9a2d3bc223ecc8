#include "canonicalxml.h"
#include "coreresources.h"
#include "testtree.h"
#include "xmlreader.h"

#include <csignal>
#include <sys/resource.h>

namespace {

const QString DataDir = QStringLiteral(KESTREL_TEST_DATA);

void walk(const Document &roots, const std::function<void(XmlObject *)> &visit)
{
    for (XmlObject *root : roots) {
        visit(root);
        walk(root->children, visit);
    }
}

// A fact's value as written in EXPECTED.txt: a number or a JSON string.
QString jsonValue(const QString &json)
{
    return QJsonDocument::fromJson(("[" + json + "]").toUtf8()).array().first().toVariant().toString();
}

// Facts about the fixture files, listed in data/EXPECTED.txt: a line naming a file ("good/FILE",
// "bad/FILE") is followed by indented lines, of which those holding " = " are facts.
QMap<QString, QStringList> expectedFacts()
{
    QMap<QString, QStringList> facts;
    QString file;
    for (const QString &line : readAll(DataDir + QStringLiteral("/EXPECTED.txt")).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("good/")) || line.startsWith(QLatin1String("bad/")))
            file = line.trimmed();
        else if (!line.startsWith(QLatin1String("  ")))
            file.clear();
        else if (!file.isEmpty() && line.contains(QLatin1String(" = ")))
            facts[file].append(line.trimmed());
    }
    return facts;
}

// The value a fact names: "elements" and "ieds" count; NAME[key=v]@attr is the attribute of the first
// element (pre-order) that matches and has it; NAME[key=v]#text (or /Val#text) the text of the first match.
QString factValue(const Document &roots, const QString &selector)
{
    QList<const XmlObject *> elements;
    walk(roots, [&](const XmlObject *e) { elements.append(e); });
    if (selector == QLatin1String("elements") || selector == QLatin1String("ieds")) {
        return QString::number(selector == QLatin1String("elements") ? elements.size()
                : std::count_if(elements.begin(), elements.end(), [](const XmlObject *e) { return e->name == "IED"; }));
    }
    static const QRegularExpression pattern(QStringLiteral(R"(^([\w:]+)(?:\[(\w+)=([^\]]*)\])?(/Val)?(?:@([\w:]+)|#text)$)"));
    const QRegularExpressionMatch m = pattern.match(selector);
    for (const XmlObject *e : elements) {
        if (e->name != m.captured(1) || (!m.captured(2).isEmpty() && e->attribute(m.captured(2)) != m.captured(3)))
            continue;
        const XmlObject *holder = m.captured(4).isEmpty() ? e : e->findChild(QStringLiteral("Val"));
        if (m.captured(5).isEmpty() && holder)
            return holder->value;
        if (e->attributes.contains(m.captured(5)))
            return e->attribute(m.captured(5));
    }
    return QStringLiteral("(no such element)");
}

} // namespace

class TestXmlReader : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void roundTrip_data();
    void roundTrip();
    void badInput_data();
    void badInput();
    void writtenFormat();
    void textChunksAndComments();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void progressIsThrottled();

private:
    QString temp(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    QTemporaryDir m_generated;
};

void TestXmlReader::initTestCase()
{
    initCoreResources();
    // The writer asks the schema which empty attributes to keep; read it before logs are checked.
    XmlSchema::instance()->load();
}

void TestXmlReader::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestXmlReader::roundTrip_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("facts");
    const QMap<QString, QStringList> facts = expectedFacts();
    const QDir dir(DataDir + QStringLiteral("/good"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << dir.filePath(name) << facts.value(QLatin1String("good/") + name);
    QTest::newRow("template") << QStringLiteral(":/Xml/init") << QStringList{"elements = 20", "ieds = 1"};
    // Nested as deep as the reader allows (one level more is in bad/deep_nesting.scd).
    const QString deep = m_generated.filePath(QStringLiteral("deepest.scd"));
    writeFile(deep, "<SCL>" + QByteArray("<Private>").repeated(XmlReader::MaxDepth - 1)
                            + QByteArray("</Private>").repeated(XmlReader::MaxDepth - 1) + "</SCL>");
    QTest::newRow("deepest (generated)") << deep << QStringList{"elements = 1000"};
}

void TestXmlReader::roundTrip()
{
    QFETCH(QString, file);
    QFETCH(QStringList, facts);
    QVERIFY2(!facts.isEmpty(), "every fixture lists its facts in EXPECTED.txt");

    LogRecorder log;
    DocumentOwner loaded(XmlReader::load(file));
    QVERIFY2(!loaded.roots.isEmpty(), qPrintable(log.lines.join('\n')));

    for (const QString &fact : facts)
        QCOMPARE(factValue(loaded.roots, fact.section(" = ", 0, 0)), jsonValue(fact.section(" = ", 1)));

    // What the saved file says, comments included, equals what the input says.
    const QString saved = temp(QStringLiteral("saved.scd"));
    QVERIFY(XmlReader::save(saved, loaded.roots));
    QString error;
    const QStringList input = canonicalXml(file, &error);
    QVERIFY2(!input.isEmpty(), qPrintable(error));
    QCOMPARE(canonicalXml(saved, &error), input);

    // Saving what the saved file loads to changes no byte, and the trees are equal.
    DocumentOwner reloaded(XmlReader::load(saved));
    const QString again = temp(QStringLiteral("again.scd"));
    QVERIFY(XmlReader::save(again, reloaded.roots));
    QCOMPARE(readAll(again), readAll(saved));
    // The file leaves out empty attributes unless the schema requires them: compare without any.
    walk(loaded.roots + reloaded.roots, [](XmlObject *e) {
        for (const QString &key : e->attributes.keys()) {
            if (e->attributes.value(key).isEmpty())
                e->attributes.remove(key);
        }
    });
    QString where;
    QCOMPARE(reloaded.roots.size(), 1);
    QVERIFY2(sameTree(loaded.roots.first(), reloaded.roots.first(), &where), qPrintable(where));
    QCOMPARE(log.lines, QStringList());
}

void TestXmlReader::badInput_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    const QMap<QString, QStringList> facts = expectedFacts();
    const QDir dir(DataDir + QStringLiteral("/bad"));
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        const QString reason = facts.value(QLatin1String("bad/") + name).value(0).section(QStringLiteral(" = "), 1);
        QTest::newRow(qPrintable(name)) << dir.filePath(name) << (reason.isEmpty() ? QString() : jsonValue(reason));
    }
    // 0.9 MB of references to one entity of 4,000 characters: 880 million characters once expanded.
    const QString bomb = m_generated.filePath(QStringLiteral("entity_expansion.scd"));
    writeFile(bomb, "<?xml version=\"1.0\"?>\n<!DOCTYPE SCL [<!ENTITY e \"" + QByteArray(4000, 'x')
              + "\">]>\n<SCL><Private>" + QByteArray("&e; ").repeated(220000) + "</Private></SCL>\n");
    QTest::newRow("entity_expansion (generated)") << bomb << QStringLiteral("expand to more than 10000000 characters");
}

void TestXmlReader::badInput()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    LogRecorder log;
    ProgressSpy progress;
    QElapsedTimer timer;
    timer.start(); // the entity expansion once took minutes, or aborted
    const Document roots = XmlReader::load(file, &progress);
    QVERIFY(timer.elapsed() < 20000);
    QVERIFY(roots.isEmpty());
    QVERIFY(progress.cancelled);
    QCOMPARE(log.lines.size(), 1);
    QVERIFY2(log.lines.first().startsWith("Critical | Xml Syntax error at line:") && log.lines.first().contains(reason),
             qPrintable(log.lines.first()));
}

void TestXmlReader::writtenFormat()
{
    std::unique_ptr<XmlObject> scl(makeElement("SCL"));
    XmlReader::setRootNamespaces(scl.get());
    scl->comments = {XmlComment{XmlComment::Before, 0, "acme-editor", "view=\"tree\""},
                     XmlComment{XmlComment::After, 0, {}, " end "}};
    // Empty values are left out unless the schema requires the attribute. A control character and
    // unpaired surrogates cannot be written at all: they are left out with a word, not written as "?".
    const QString tool = QStringLiteral("a\tb\nc\r\nd & <e> \"f\" 'g' \U0001D11E") + QChar(0x01) + QChar(0xD800);
    XmlObject *header = makeElement("Header", scl.get(), {{"version", "1"}, {"id", "H"}, {"revision", ""}, {"toolID", tool}});
    header->value = QStringLiteral("x < y\r\nline two\tend") + QChar(0xDC00);
    header->comments = {XmlComment{XmlComment::Before, 0, {}, " first "}};
    XmlObject *subNetwork = makeElement("SubNetwork", scl.get(), {{"name", "W1"}});
    XmlObject *bitRate = makeElement("BitRate", subNetwork, {{"value", "100"}, {"unit", "b/s"}});
    bitRate->value = " 100 ";
    bitRate->comments = {XmlComment{XmlComment::Inside, 2, {}, " note "}};
    // Only a comment that was never parsed can hold "--" or end in "-": it must not end early.
    subNetwork->comments = {XmlComment{XmlComment::Inside, 0, {}, "a--b-"}};
    makeElement("LN0", scl.get(), {{"inst", ""}, {"desc", ""}, {"lnClass", "LLN0"}});

    const QString file = temp("format.scd");
    LogRecorder log;
    QVERIFY(XmlReader::save(file, {scl.get()}));
    QCOMPARE(log.lines,
             QStringList("Warning  | Save file " + file + ": 3 characters that XML cannot hold were left out."));
    QCOMPARE(readAll(file), QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<?acme-editor view=\"tree\"?>\n"
            "<SCL xmlns=\"http://www.iec.ch/61850/2003/SCL\" xmlns:velm=\"%1\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xsi:schemaLocation=\"http://www.iec.ch/61850/2003/SCL SCL.xsd\">\n"
            "  <!-- first -->\n"
            "  <Header id=\"H\" toolID=\"a&#9;b&#10;c&#13;&#10;d &amp; &lt;e&gt; &quot;f&quot; 'g' \U0001D11E\" "
            "version=\"1\">x &lt; y&#13;\nline two\tend</Header>\n"
            "  <SubNetwork name=\"W1\">\n"
            "    <BitRate unit=\"b/s\"> 1<!-- note -->00 </BitRate>\n"
            "    <!--a- -b- -->\n"
            "  </SubNetwork>\n"
            "  <LN0 inst=\"\" lnClass=\"LLN0\"/>\n"
            "</SCL>\n"
            "<!-- end -->\n").arg(XmlReader::VendorNamespace));
    // Line numbers count from the line after the declaration, and follow multi-line texts.
    QCOMPARE(scl->lineNumber, 2);
    QCOMPARE(header->lineNumber, 4);
    QCOMPARE(bitRate->lineNumber, 7);
    DocumentOwner reloaded(XmlReader::load(file));
    QCOMPARE(reloaded.roots.value(0)->findChild("Header")->attribute("toolID"), tool.chopped(2));
}

void TestXmlReader::textChunksAndComments()
{
    writeFile(temp("chunks.scd"), "<SCL><Val>ab<!-- note -->cd<![CDATA[<e>]]></Val><Val>  </Val>"
                                  "<P>lead<x/><?pi a?></P></SCL><!--x-->");
    DocumentOwner doc(XmlReader::load(temp("chunks.scd")));
    const XmlObject *scl = doc.roots.value(0);
    QCOMPARE(scl->children.size(), 3); // comments are never children
    QCOMPARE(scl->comments, QVector<XmlComment>({XmlComment{XmlComment::After, 0, {}, "x"}}));
    QCOMPARE(scl->children.at(0)->value, QString("abcd<e>"));
    QCOMPARE(scl->children.at(0)->comments, QVector<XmlComment>({XmlComment{XmlComment::Inside, 2, {}, " note "}}));
    QCOMPARE(scl->children.at(1)->value, QString());
    QVERIFY(!scl->children.at(1)->attributes.contains("value"));
    QCOMPARE(scl->children.at(2)->comments, QVector<XmlComment>({XmlComment{XmlComment::Inside, 0, "pi", "a"}}));
}

void TestXmlReader::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("sizeLimit"); // a file size limit makes writes fail as a full disk does
    QTest::newRow("folder missing") << QStringLiteral("missing/sub/out.scd") << 0;
    QTest::newRow("parent is a file") << QStringLiteral("plain.txt/out.scd") << 0;
    QTest::newRow("target is a folder") << QStringLiteral("folder") << 0;
    QTest::newRow("disk full") << QStringLiteral("plain.txt") << 64 * 1024;
}

void TestXmlReader::failedSaveKeepsOldFile()
{
    QFETCH(QString, target);
    QFETCH(int, sizeLimit);
    writeFile(temp("plain.txt"), "old content");
    QDir(m_dir->path()).mkpath("folder");
    std::unique_ptr<XmlObject> root(makeElement("SCL"));
    for (int i = 0; i < 20000; ++i)
        makeElement("Private", root.get(), {{"desc", QString(20, QLatin1Char('x'))}});

    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    const struct rlimit limited = {sizeLimit > 0 ? rlim_t(sizeLimit) : old.rlim_cur, old.rlim_max};
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    LogRecorder log;
    const bool saved = XmlReader::save(temp(target), {root.get()});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(log.lines.size(), 1);
    QVERIFY2(log.lines.first().startsWith("Critical | Save file " + temp(target)), qPrintable(log.lines.first()));
    QCOMPARE(readAll(temp("plain.txt")), QString("old content"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"plain.txt"});
}

void TestXmlReader::progressIsThrottled()
{
    std::unique_ptr<XmlObject> root(makeElement("SCL"));
    for (int i = 0; i < 50000; ++i)
        makeElement("DAI", root.get(), {{"name", QString::number(i)}});

    ProgressSpy saving, loading;
    QVERIFY(XmlReader::save(temp("progress.scd"), {root.get()}, &saving));
    DocumentOwner doc(XmlReader::load(temp("progress.scd"), &loading));
    QCOMPARE(doc.roots.size(), 1);
    for (const ProgressSpy *spy : {&saving, &loading}) {
        QCOMPARE(spy->minimum, 0);
        QVERIFY(spy->values.size() > 10);
        QVERIFY2(spy->values.size() <= spy->maximum + 2, qPrintable(QString::number(spy->values.size())));
        QCOMPARE(spy->values.last(), spy->maximum);
        QVERIFY(std::is_sorted(spy->values.begin(), spy->values.end()));
        QVERIFY(!spy->cancelled);
    }
}

QTEST_GUILESS_MAIN(TestXmlReader)
#include "tst_xmlreader.moc"
