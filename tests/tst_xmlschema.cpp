#include "testtree.h"
#include "xmlreader.h"
#include "xsattrib.h"
#include "xscomplex.h"
#include "xselement.h"
#include "xskeyref.h"
#include "xssimple.h"

namespace {

// An element and its subtree on one line: name, "name" attribute, text, children in brackets.
QString outline(const XmlObject *element)
{
    QStringList children;
    for (const XmlObject *child : element->children)
        children.append(outline(child));
    const QString name = element->attribute("name");
    const QString text = element->name + (name.isEmpty() ? "" : " " + name)
            + (element->value.isEmpty() ? "" : "=" + element->value);
    return children.isEmpty() ? text : text + "(" + children.join(", ") + ")";
}

QStringList attributeNames(const XsComplex *type)
{
    QStringList names;
    for (const XsAttrib *attribute : type->allAttributes())
        names.append(attribute->name);
    return names;
}

QStringList elementNames(const XsComplex *type)
{
    QStringList names;
    for (const XsElement *element : type->allElements())
        names.append(element->name.isEmpty() ? element->ref : element->name);
    return names;
}

} // namespace

class TestXmlSchema : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void declarations();
    void laterFilesReplaceEarlierDefinitionsUnionsJoinThem();
    void readerConstructs();
    void patternsAcceptValues_data();
    void patternsAcceptValues();
    void typeIndexes();
    void doiSkeleton();
    void linksInstancesToTypes();
    void cleanupTestCase();

private:
    XmlSchema *schema = XmlSchema::instance();
    QList<XmlObject *> m_document;
};

void TestXmlSchema::initTestCase()
{
    schema->load();
    m_document = XmlReader::load(QStringLiteral(KESTREL_TEST_DATA "/schema/types.scd"));
    QCOMPARE(m_document.size(), 1);
}

void TestXmlSchema::cleanupTestCase()
{
    XmlSchema::instance()->clearDataTemplates();
    qDeleteAll(m_document);
}

void TestXmlSchema::declarations()
{
    // A derived type's own attributes and children come before its base's.
    QCOMPARE(attributeNames(schema->complexTypeOf("LN0")), QStringList({"lnClass", "inst", "lnType", "desc"}));
    QCOMPARE(elementNames(schema->complexTypeOf("LN0")).mid(0, 12),
             QStringList({"GSEControl", "SampledValueControl", "SettingControl", "SCLControl", "Log", "DataSet",
                          "ReportControl", "LogControl", "DOI", "Inputs", "Text", "Private"}));
    QCOMPARE(attributeNames(schema->complexTypeOf("SCL")), QStringList({"xsi:schemaLocation", "xmlns", "xmlns:xsi"}));
    QCOMPARE(elementNames(schema->complexTypeOf("SCL")).mid(0, 5),
             QStringList({"Header", "Substation", "Communication", "IED", "DataTypeTemplates"}));
    // Key references are found by name, wherever declared, and each names a key of the set.
    QVERIFY(schema->keyRefs.contains("ref2LNodeTypeLLN0"));
    for (const XsKeyRef *keyRef : qAsConst(schema->keyRefs))
        QVERIFY2(schema->keys.contains(keyRef->refer), qPrintable(keyRef->name));
}

void TestXmlSchema::laterFilesReplaceEarlierDefinitionsUnionsJoinThem()
{
    // The model-description schema's anonymous LNodeType is replaced by the SCL one.
    const XsComplex *lnodeType = schema->complexType("tLNodeType");
    QVERIFY(lnodeType);
    QCOMPARE(elementNames(lnodeType).first(), QString("DO"));
    QCOMPARE(schema->complexTypeOf("LNodeType"), lnodeType);
    // What only the model-description schema defines stays.
    QVERIFY(schema->complexTypes.contains("tMICS"));
    QVERIFY(schema->complexTypeOf("NoSuchElement") == nullptr);

    // A union's members are followed, and no literal keeps the escapes of a pattern.
    const QStringList pTypes = schema->simpleType("tPTypeEnum")->allEnumerations();
    for (const char *type : {"IP", "MAC-Address", "APPID"})
        QVERIFY2(pTypes.contains(type), type);
    QVERIFY(std::none_of(pTypes.begin(), pTypes.end(), [](const QString &v) { return v.contains('\\'); }));
}

void TestXmlSchema::readerConstructs()
{
    const QString path = QStringLiteral(KESTREL_TEST_DATA "/schema/probe.xsd");

    const LogRecorder log;
    QVERIFY(schema->parse(path));
    QVERIFY(!schema->parse(QStringLiteral(KESTREL_TEST_DATA "/schema/absent.xsd")));
    QVERIFY(log.lines.filter("annotation").isEmpty());
    QVERIFY(log.lines.first().startsWith("Debug    | [Schema check]XSD File " + path + ":3 mystery unhandled"));
    QCOMPARE(schema->simpleType("tProbeUnion")->memberTypes,
             QStringList({"tPredefinedPTypeEnum", "tExtensionPTypeEnum"}));
    const XsComplex *probe = schema->complexType("tProbe");
    QCOMPARE(attributeNames(probe), QStringList({"desc"}));
    // Nested groups are flattened and the sequence does not end early.
    QCOMPARE(elementNames(probe), QStringList({"A", "B", "C", "D"}));
    QCOMPARE(schema->complexTypeOf("ProbeRoot"), schema->complexType("tProbeRoot"));
    // An anonymous type named after its element leaves a type declared under that name in place.
    QVERIFY(schema->complexType("tProbeBase") != schema->elements.value("ProbeBase")->complex);
    QCOMPARE(attributeNames(schema->complexTypeOf("ProbeBase")), QStringList({"y"}));
}

void TestXmlSchema::patternsAcceptValues_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");
    // The letter class that opens a logical device name once became the text "A-Za-z".
    QTest::newRow("logical device name") << "tRestrLdName" << "LD0" << true;
    QTest::newRow("logical device name of a digit first") << "tRestrLdName" << "0LD" << false;
    QTest::newRow("address kind with a hyphen") << "tExtensionPTypeEnum" << "VLAN-X1" << true;
}

void TestXmlSchema::patternsAcceptValues()
{
    QFETCH(QString, type);
    QFETCH(QString, value);
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(schema->simpleType(type)->regexPattern()));
    QVERIFY(pattern.isValid());
    QTEST(pattern.match(value).hasMatch(), "accepted");
}

void TestXmlSchema::typeIndexes()
{
    XmlObject *templates = m_document.first()->findChild("DataTypeTemplates");
    const LogRecorder log;
    schema->setDataTemplates(templates);
    QCOMPARE(log.lines, QStringList{"Debug    | [Schema check]Warning: Unhandled type"});

    // Two LNodeTypes may share an id when their classes differ.
    QCOMPARE(schema->lnodeTypeIndex.keys().size(), 3);
    QVERIFY(schema->lnodeTypeIndex.contains("XCBR_T/XSWI"));
    QCOMPARE(schema->findLNodeType("XCBR_T"), schema->lnodeTypeIndex.value("XCBR_T/XCBR"));

    const XmlObject *dpc = schema->doTypeIndex.value("DPC_T");
    QCOMPARE(dpc->index.value("Oper"), dpc->children.at(1));
    QCOMPARE(dpc->index.value("Oper_T"), dpc->children.at(1));
    const XmlObject *enumType = schema->enumTypeIndex.value("CtlModels");
    QCOMPARE(enumType->index.value("direct-with-normal-security"), enumType->children.at(1));
    QCOMPARE(enumType->index.value("0"), enumType->children.at(0));
}

void TestXmlSchema::doiSkeleton()
{
    std::unique_ptr<XmlObject> doi(schema->doiObject("Pos", "DPC_T"));
    QCOMPARE(outline(doi.get()), "DOI Pos(DAI stVal(Val=ToDo), SDI Oper(DAI ctlVal(Val=ToDo), DAI ctlNum(Val=ToDo)))");
    QCOMPARE(doi->attribute("desc"), QString(" "));
    QCOMPARE(doi->children.at(1)->parent, doi.get());
    // A quality attribute has no type of its own and becomes a leaf.
    QCOMPARE(outline(std::unique_ptr<XmlObject>(schema->doiObject("Mod", "INC_T")).get()),
             "DOI Mod(DAI ctlModel(Val=ToDo), DAI q(Val=ToDo))");
    // A type that contains itself stops instead of recursing forever.
    QCOMPARE(outline(std::unique_ptr<XmlObject>(schema->doiObject("A", "LOOP_T")).get()), "DOI A(SDI phsA)");
    const LogRecorder log;
    QVERIFY(schema->doiObject("X", "NoSuchType") == nullptr);
    QCOMPARE(log.lines, QStringList{"Debug    | Fail to find DOType NoSuchType"});
}

void TestXmlSchema::linksInstancesToTypes()
{
    const auto typeOf = [this](const XmlObject *element) { return schema->instanceType(element); };
    const XmlObject *ied = m_document.first()->findChild("IED");
    const XmlObject *ln0 = ied->findDescendant("LN0");
    QCOMPARE(typeOf(ln0), schema->lnodeTypeIndex.value("LN0T/LLN0"));
    const XmlObject *mod = ln0->findChild("DOI");
    QCOMPARE(typeOf(mod), schema->doTypeIndex.value("INC_T"));
    QCOMPARE(typeOf(mod->findChild("DAI", "name", "ctlModel")), schema->enumTypeIndex.value("CtlModels"));
    QVERIFY(typeOf(mod->findChild("DAI", "name", "q")) == nullptr);
    const XmlObject *oper = ied->findDescendant("LN", "lnClass", "XCBR")->findDescendant("SDI");
    QCOMPARE(typeOf(oper), schema->daTypeIndex.value("Oper_T"));

    // Same id, other class: no link, and nothing below it either.
    const XmlObject *cswi = ied->findDescendant("LN", "lnClass", "CSWI");
    QVERIFY(typeOf(cswi) == nullptr);
    QVERIFY(typeOf(cswi->findChild("DOI")) == nullptr);
}

QTEST_GUILESS_MAIN(TestXmlSchema)
#include "tst_xmlschema.moc"
