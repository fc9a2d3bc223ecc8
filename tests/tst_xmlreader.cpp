#include "canonicalxml.h"
#include "coreresources.h"
#include "progress.h"
#include "testtree.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString DataDir = QStringLiteral(KESTREL_TEST_DATA);

// Collects what the core logs, so that tests can check the messages.
class LogCapture
{
public:
    LogCapture() { s_lines.clear(); m_previous = qInstallMessageHandler(handler); }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    const QStringList &lines() const { return s_lines; }
    QString all() const { return s_lines.join(QLatin1Char('\n')); }

private:
    static void handler(QtMsgType type, const QMessageLogContext &, const QString &text)
    {
        static const char *const levels[] = {"debug", "warning", "critical", "fatal", "info"};
        s_lines.append(QLatin1String(levels[type]) + QLatin1String(": ") + text);
    }
    static QStringList s_lines;
    QtMessageHandler m_previous;
};
QStringList LogCapture::s_lines;

QString readAll(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

AttributeMap nonEmpty(const AttributeMap &attributes)
{
    QVector<AttributeMap::Entry> entries;
    for (auto it = attributes.begin(); it != attributes.end(); ++it) {
        if (!it.value().isEmpty())
            entries.append({it.key(), it.value()});
    }
    return AttributeMap(entries);
}

// Equal in everything the reader and writer carry: name, text, attributes
// (empty optional ones are left out of the file), children.
bool sameTree(const XmlObject *a, const XmlObject *b, QString *where)
{
    if (a->name != b->name || a->value != b->value || nonEmpty(a->attributes) != nonEmpty(b->attributes)
            || a->children.size() != b->children.size()) {
        *where = QStringLiteral("%1 (line %2) vs %3 (line %4)").arg(a->name).arg(a->lineNumber)
                     .arg(b->name).arg(b->lineNumber);
        return false;
    }
    for (int i = 0; i < a->children.size(); ++i) {
        if (!sameTree(a->children.at(i), b->children.at(i), where))
            return false;
    }
    return true;
}

void walk(const Document &roots, const std::function<void(const XmlObject *)> &visit)
{
    for (const XmlObject *root : roots) {
        visit(root);
        QList<XmlObject *> children = root->children;
        walk(children, visit);
    }
}

// Facts about the fixture files, listed in data/EXPECTED.txt as "good/FILE" followed by
// indented "elements = N", "ieds = N", "NAME[key=v]@attr = JSON" and "NAME/Val#text = JSON" lines.
QMap<QString, QStringList> expectedFacts()
{
    QMap<QString, QStringList> facts;
    QString current;
    const QStringList lines = readAll(DataDir + QStringLiteral("/EXPECTED.txt")).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("good/")))
            current = line.mid(5).trimmed();
        else if (!line.startsWith(QLatin1String("  ")))
            current.clear();
        else if (!current.isEmpty() && line.contains(QLatin1String(" = ")))
            facts[current].append(line.trimmed());
    }
    return facts;
}

// The value a fact names: the first element (pre-order) matching NAME and [key=v] that has the attribute,
// or, for #text, the text of the first match (or of its Val child).
QString factValue(const Document &roots, const QString &selector, bool *found)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^([\w:]+)(?:\[(\w+)=([^\]]*)\])?(/Val)?(?:@([\w:]+)|#text)$)"));
    const QRegularExpressionMatch m = pattern.match(selector);
    *found = false;
    QString result;
    if (!m.hasMatch())
        return result;
    walk(roots, [&](const XmlObject *e) {
        if (*found || e->name != m.captured(1))
            return;
        if (!m.captured(2).isEmpty() && e->attribute(m.captured(2)) != m.captured(3))
            return;
        if (!m.captured(5).isEmpty()) {
            if (!e->attributes.contains(m.captured(5)))
                return;
            result = e->attribute(m.captured(5));
        } else {
            const XmlObject *holder = m.captured(4).isEmpty() ? e : e->findChild(QStringLiteral("Val"));
            if (!holder)
                return;
            result = holder->value;
        }
        *found = true;
    });
    return result;
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
    void missingFile();
    void nestingLimit();
    void writtenFormat();
    void escapingSurvivesReload();
    void textChunksAndValueAttribute();
    void foreignNamespacesKept();
    void controlCharactersLeftOut();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void fullDiskKeepsOldFile();
    void progressIsThrottled();
    void countElements();

private:
    QString temp(const QString &name) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
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
        QTest::newRow(qPrintable(name)) << dir.filePath(name) << facts.value(name);
    QTest::newRow("template") << QStringLiteral(":/Xml/init") << QStringList{"elements = 20", "ieds = 1"};
}

void TestXmlReader::roundTrip()
{
    QFETCH(QString, file);
    QFETCH(QStringList, facts);
    QVERIFY2(!facts.isEmpty(), "every fixture lists its facts in EXPECTED.txt");

    LogCapture log;
    DocumentOwner loaded(XmlReader::load(file));
    QVERIFY2(!loaded.roots.isEmpty(), qPrintable(log.all()));

    for (const QString &fact : facts) {
        const QString selector = fact.section(QStringLiteral(" = "), 0, 0);
        const QString expected = fact.section(QStringLiteral(" = "), 1);
        int count = 0;
        if (selector == QLatin1String("elements")) {
            count = XmlReader::countElements(loaded.roots);
        } else if (selector == QLatin1String("ieds")) {
            walk(loaded.roots, [&](const XmlObject *e) { count += e->name == QLatin1String("IED"); });
        } else {
            bool found = false;
            const QString actual = factValue(loaded.roots, selector, &found);
            QVERIFY2(found, qPrintable(selector));
            const QJsonDocument json = QJsonDocument::fromJson(("[" + expected + "]").toUtf8());
            QCOMPARE(actual, json.array().first().toString());
            continue;
        }
        QCOMPARE(QString::number(count), expected);
    }

    // What the saved file says equals what the input says.
    const QString saved = temp(QStringLiteral("saved.scd"));
    QVERIFY(XmlReader::save(saved, loaded.roots));
    QString error;
    const QStringList input = canonicalXml(file, &error);
    QVERIFY2(!input.isEmpty(), qPrintable(error));
    QCOMPARE(canonicalXml(saved, &error), input);

    // It loads to an equal tree, and saving that again changes no byte.
    DocumentOwner reloaded(XmlReader::load(saved));
    QCOMPARE(reloaded.roots.size(), loaded.roots.size());
    for (int i = 0; i < loaded.roots.size(); ++i) {
        QString where;
        QVERIFY2(sameTree(loaded.roots.at(i), reloaded.roots.at(i), &where), qPrintable(where));
    }
    const QString again = temp(QStringLiteral("again.scd"));
    QVERIFY(XmlReader::save(again, reloaded.roots));
    QCOMPARE(readAll(again), readAll(saved));
    QCOMPARE(log.lines(), QStringList());
}

void TestXmlReader::badInput_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    const QDir dir(DataDir + QStringLiteral("/bad"));
    const QMap<QString, QString> reasons = {
        {"deep_nesting.scd", "nested deeper than 1000 levels"},
        {"bad_encoding.scd", "not valid UTF-8"},
        {"undeclared_prefix.scd", "vnd"},
        {"empty.scd", "Premature end of document"},
    };
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        QTest::newRow(qPrintable(name)) << dir.filePath(name) << reasons.value(name);
}

void TestXmlReader::badInput()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    LogCapture log;
    ProgressSpy progress;
    const Document roots = XmlReader::load(file, &progress);
    QVERIFY(roots.isEmpty());
    QVERIFY(progress.cancelled);
    QCOMPARE(log.lines().size(), 1);
    const QString line = log.lines().first();
    QVERIFY2(line.startsWith(QLatin1String("critical: Xml Syntax error at line:")), qPrintable(line));
    QVERIFY2(line.contains(reason), qPrintable(line));
}

void TestXmlReader::missingFile()
{
    LogCapture log;
    const QString name = temp(QStringLiteral("absent.scd"));
    QVERIFY(XmlReader::load(name).isEmpty());
    QCOMPARE(log.lines(), QStringList{QStringLiteral("warning: ReadOnly open file %1 failed.").arg(name)});
}

void TestXmlReader::nestingLimit()
{
    const auto nested = [](int levels) {
        QByteArray xml = "<SCL>";
        for (int i = 1; i < levels; ++i)
            xml += "<Private>";
        for (int i = 1; i < levels; ++i)
            xml += "</Private>";
        return xml + "</SCL>";
    };
    writeFile(temp("limit.scd"), nested(XmlReader::MaxDepth));
    writeFile(temp("over.scd"), nested(XmlReader::MaxDepth + 1));
    LogCapture log;
    DocumentOwner atLimit(XmlReader::load(temp("limit.scd")));
    QCOMPARE(XmlReader::countElements(atLimit.roots), XmlReader::MaxDepth);
    QVERIFY(XmlReader::load(temp("over.scd")).isEmpty());
    QCOMPARE(log.lines().size(), 1);
}

void TestXmlReader::writtenFormat()
{
    std::unique_ptr<XmlObject> scl(makeElement("SCL"));
    XmlReader::setRootNamespaces(scl.get());
    XmlObject *header = makeElement("Header", scl.get());
    header->attributes.insert("version", "1");
    header->attributes.insert("id", "H");
    header->attributes.insert("revision", ""); // empty: not written
    XmlObject *subNetwork = makeElement("SubNetwork", makeElement("Communication", scl.get()));
    subNetwork->attributes.insert("name", "W1");
    XmlObject *bitRate = makeElement("BitRate", subNetwork);
    bitRate->value = "100";
    bitRate->attributes.insert("value", "100");
    bitRate->attributes.insert("unit", "b/s");
    makeElement("Val", subNetwork)->value = "  spaced  ";
    // Empty values are left out unless the schema requires the attribute.
    XmlObject *ln0 = makeElement("LN0", makeElement("LDevice", makeElement("Server", makeElement("AccessPoint", makeElement("IED", scl.get())))));
    ln0->attributes.insert("inst", "");
    ln0->attributes.insert("desc", "");
    ln0->attributes.insert("lnClass", "LLN0");

    const QString file = temp("format.scd");
    QVERIFY(XmlReader::save(file, {scl.get()}));
    const QString expected = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<SCL xmlns=\"http://www.iec.ch/61850/2003/SCL\" xmlns:velm=\"%1\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xsi:schemaLocation=\"http://www.iec.ch/61850/2003/SCL SCL.xsd\">\n"
            "  <Header id=\"H\" version=\"1\"/>\n"
            "  <Communication>\n"
            "    <SubNetwork name=\"W1\">\n"
            "      <BitRate unit=\"b/s\">100</BitRate>\n"
            "      <Val>  spaced  </Val>\n"
            "    </SubNetwork>\n"
            "  </Communication>\n"
            "  <IED>\n"
            "    <AccessPoint>\n"
            "      <Server>\n"
            "        <LDevice>\n"
            "          <LN0 inst=\"\" lnClass=\"LLN0\"/>\n"
            "        </LDevice>\n"
            "      </Server>\n"
            "    </AccessPoint>\n"
            "  </IED>\n"
            "</SCL>\n").arg(XmlReader::VendorNamespace);
    QCOMPARE(readAll(file), expected);
    // Line numbers count from the line after the declaration.
    QCOMPARE(scl->lineNumber, 1);
    QCOMPARE(header->lineNumber, 2);
    QCOMPARE(subNetwork->lineNumber, 4);
    QCOMPARE(bitRate->lineNumber, 5);
}

void TestXmlReader::escapingSurvivesReload()
{
    std::unique_ptr<XmlObject> root(makeElement("SCL"));
    XmlObject *text = makeElement("Text", root.get());
    const QString attribute = QStringLiteral("a\tb\nc\r\nd & <e> \"f\" 'g'");
    const QString body = QStringLiteral("x < y && \"z\"\r\nline two\tend");
    text->attributes.insert("source", attribute);
    text->value = body;
    const QString file = temp("escape.scd");
    QVERIFY(XmlReader::save(file, {root.get()}));
    QVERIFY(readAll(file).contains(QLatin1String("source=\"a&#9;b&#10;c&#13;&#10;d &amp; &lt;e&gt; &quot;f&quot; 'g'\"")));
    QVERIFY(readAll(file).contains(QLatin1String("x &lt; y &amp;&amp; &quot;z&quot;&#13;\nline two\tend</Text>")));

    DocumentOwner reloaded(XmlReader::load(file));
    QCOMPARE(reloaded.roots.size(), 1);
    const XmlObject *reloadedText = reloaded.roots.first()->findChild("Text");
    QCOMPARE(reloadedText->attribute("source"), attribute);
    QCOMPARE(reloadedText->value, body);
    QCOMPARE(reloadedText->attribute("value"), body.trimmed());
    // A multi-line text moves the following start tags down; line numbers follow.
    QVERIFY(XmlReader::save(file, reloaded.roots));
    QCOMPARE(reloadedText->lineNumber, 2);
}

void TestXmlReader::textChunksAndValueAttribute()
{
    writeFile(temp("chunks.scd"),
              "<SCL><Val>ab<!-- note -->cd<![CDATA[<e>]]></Val><Val>  </Val>"
              "<Private type=\"t\">lead<x:Item xmlns:x=\"urn:x\" value=\"7\"/>tail</Private></SCL>");
    DocumentOwner doc(XmlReader::load(temp("chunks.scd")));
    QCOMPARE(doc.roots.size(), 1);
    const XmlObject *scl = doc.roots.first();
    QCOMPARE(scl->children.at(0)->value, QString("abcd<e>"));
    QCOMPARE(scl->children.at(1)->value, QString());
    QVERIFY(!scl->children.at(1)->attributes.contains("value"));
    const XmlObject *privateElement = scl->children.at(2);
    QCOMPARE(privateElement->value, QString("leadtail"));
    // A real attribute named "value" (vendor content) is kept and written back.
    const XmlObject *item = privateElement->children.first();
    QCOMPARE(item->name, QString("x:Item"));
    QCOMPARE(item->attribute("value"), QString("7"));

    QVERIFY(XmlReader::save(temp("chunks.out.scd"), doc.roots));
    DocumentOwner reloaded(XmlReader::load(temp("chunks.out.scd")));
    QString where;
    QVERIFY2(sameTree(scl, reloaded.roots.first(), &where), qPrintable(where));
}

void TestXmlReader::foreignNamespacesKept()
{
    DocumentOwner doc(XmlReader::load(DataDir + QStringLiteral("/good/vendor_extensions.scd")));
    QCOMPARE(doc.roots.size(), 1);
    const XmlObject *scl = doc.roots.first();
    // The root keeps its own attributes and gets the fixed namespace attributes.
    QVERIFY(!scl->attribute("version").isEmpty());
    QCOMPARE(scl->attribute("xmlns"), XmlReader::SclNamespace);
    QCOMPARE(scl->attribute("xsi:schemaLocation"), XmlReader::SclNamespace + " SCL.xsd");
    // xsi:type does not overwrite the address type.
    const XmlObject *p = scl->findDescendant("P", "xsi:type", "tP_IP");
    QVERIFY(p);
    QCOMPARE(p->attribute("type"), QString("IP"));
    QCOMPARE(p->label(), QString("IP"));

    QVERIFY(XmlReader::save(temp("vendor.scd"), doc.roots));
    const QString saved = readAll(temp("vendor.scd"));
    QVERIFY(saved.contains(QLatin1String("xsi:type=\"tP_IP\"")));
    QVERIFY(saved.contains(QLatin1String("acme:hmiColour=\"#FF8000\"")));
}

void TestXmlReader::controlCharactersLeftOut()
{
    std::unique_ptr<XmlObject> root(makeElement("SCL"));
    root->attributes.insert("desc", QStringLiteral("a") + QChar(0x01) + QStringLiteral("b"));
    LogCapture log;
    QVERIFY(XmlReader::save(temp("control.scd"), {root.get()}));
    QCOMPARE(log.lines().size(), 1);
    QVERIFY(log.lines().first().startsWith("warning: "));
    DocumentOwner reloaded(XmlReader::load(temp("control.scd")));
    QCOMPARE(reloaded.roots.first()->attribute("desc"), QString("ab"));
}

void TestXmlReader::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("folder missing") << QStringLiteral("missing/sub/out.scd");
    QTest::newRow("parent is a file") << QStringLiteral("plain.txt/out.scd");
    QTest::newRow("target is a folder") << QStringLiteral("folder");
}

void TestXmlReader::failedSaveKeepsOldFile()
{
    QFETCH(QString, target);
    writeFile(temp("plain.txt"), "old content");
    QDir(m_dir->path()).mkpath("folder");
    std::unique_ptr<XmlObject> root(makeElement("SCL"));
    LogCapture log;
    QVERIFY(!XmlReader::save(temp(target), {root.get()}));
    QCOMPARE(log.lines().size(), 1);
    QVERIFY2(log.lines().first().startsWith("critical: Save file " + temp(target)), qPrintable(log.all()));
    QCOMPARE(readAll(temp("plain.txt")), QString("old content"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"plain.txt"});
}

void TestXmlReader::fullDiskKeepsOldFile()
{
    // A file size limit makes writes fail as a full disk does.
    const QString target = temp("full.scd");
    writeFile(target, "previous version");
    std::unique_ptr<XmlObject> root(makeElement("SCL"));
    for (int i = 0; i < 20000; ++i)
        makeElement("Private", root.get())->attributes.insert("desc", QString(20, QLatin1Char('x')));

    struct rlimit old;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 64 * 1024;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    LogCapture log;
    const bool saved = XmlReader::save(target, {root.get()});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!saved);
    QCOMPARE(log.lines().size(), 1);
    QVERIFY2(log.lines().first().startsWith("critical: Save file " + target), qPrintable(log.all()));
    QCOMPARE(readAll(target), QString("previous version"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"full.scd"});
}

void TestXmlReader::progressIsThrottled()
{
    std::unique_ptr<XmlObject> root(makeElement("SCL"));
    for (int i = 0; i < 50000; ++i)
        makeElement("DAI", root.get())->attributes.insert("name", QString::number(i));

    ProgressSpy saving;
    QVERIFY(XmlReader::save(temp("progress.scd"), {root.get()}, &saving));
    ProgressSpy loading;
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

void TestXmlReader::countElements()
{
    std::unique_ptr<XmlObject> a(makeElement("SCL"));
    makeElement("Val", makeElement("DAI", a.get()));
    std::unique_ptr<XmlObject> b(makeElement("SCL"));
    QCOMPARE(XmlReader::countElements({a.get(), b.get()}), 4);
    QCOMPARE(XmlReader::countElements({}), 0);
}

QTEST_GUILESS_MAIN(TestXmlReader)
#include "tst_xmlreader.moc"
