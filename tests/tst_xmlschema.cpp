#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xsattrib.h"
#include "xsattribgroup.h"
#include "xscomplex.h"
#include "xselement.h"
#include "xssimple.h"
#include "xsunique.h"

#include <QtTest>

namespace {

QStringList debugLines;
void captureDebug(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtDebugMsg)
        debugLines.append(text);
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

// A DataTypeTemplates section with the cases the type services distinguish.
const char *const Templates = R"(<SCL>
  <IED name="I1"><AccessPoint name="S1"><Server><LDevice inst="LD0">
    <LN0 lnClass="LLN0" inst="" lnType="LN0T">
      <DOI name="Mod"><DAI name="ctlModel"><Val>status-only</Val></DAI><DAI name="q"/></DOI>
    </LN0>
    <LN lnClass="XCBR" inst="1" lnType="XCBR_T"><DOI name="Pos"><SDI name="Oper"><DAI name="ctlVal"/></SDI></DOI></LN>
    <LN lnClass="CSWI" inst="1" lnType="XCBR_T"><DOI name="Pos"/></LN>
  </LDevice></Server></AccessPoint></IED>
  <DataTypeTemplates>
    <LNodeType id="LN0T" lnClass="LLN0"><DO name="Mod" type="INC_T"/></LNodeType>
    <LNodeType id="XCBR_T" lnClass="XCBR"><DO name="Pos" type="DPC_T"/></LNodeType>
    <LNodeType id="XCBR_T" lnClass="XSWI"><DO name="Pos" type="DPC_T"/></LNodeType>
    <DOType id="INC_T" cdc="INC">
      <DA name="ctlModel" fc="CF" bType="Enum" type="CtlModels"/>
      <DA name="q" fc="ST" bType="Quality"/>
    </DOType>
    <DOType id="DPC_T" cdc="DPC">
      <DA name="stVal" fc="ST" bType="Dbpos"/>
      <DA name="Oper" fc="CO" bType="Struct" type="Oper_T"/>
    </DOType>
    <DOType id="LOOP_T" cdc="WYE"><SDO name="phsA" type="LOOP_T"/></DOType>
    <DAType id="Oper_T"><BDA name="ctlVal" bType="BOOLEAN"/><BDA name="ctlNum" bType="INT8U"/></DAType>
    <EnumType id="CtlModels"><EnumVal ord="0">status-only</EnumVal><EnumVal ord="1">direct-with-normal-security</EnumVal></EnumType>
    <Private type="x"/>
  </DataTypeTemplates>
</SCL>)";

} // namespace

class TestXmlSchema : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void laterFilesReplaceEarlierDefinitions();
    void attributesFollowTheDerivationChain();
    void childrenFollowTheDerivationChain();
    void enumerationsAndPatterns();
    void uniqueConstraints();
    void readerConstructs();
    void loadReadsOnce();
    void typeIndexes();
    void doiSkeleton();
    void linksInstancesToTypes();
    void removeAndClear();

private:
    XmlSchema *schema = XmlSchema::instance();
    QTemporaryDir m_dir;
    QList<XmlObject *> m_document;
};

void TestXmlSchema::initTestCase()
{
    schema->load();
    QFile file(m_dir.filePath("templates.scd"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Templates);
    file.close();
    m_document = XmlReader::load(file.fileName());
    QCOMPARE(m_document.size(), 1);
}

void TestXmlSchema::laterFilesReplaceEarlierDefinitions()
{
    QCOMPARE(schema->complexTypeOf("SCL"), schema->complexTypes.value("tSCL"));
    QCOMPARE(schema->complexTypeOf("P"), schema->complexTypes.value("tP"));
    QCOMPARE(schema->elementTypes.value("Header"), QString("tHeader"));
    QVERIFY(schema->complexTypeOf("Header"));
    QCOMPARE(attributeNames(schema->complexTypeOf("Header")).first(), QString("id"));
    // The model-description schema's anonymous LNodeType is replaced by the SCL one.
    const XsComplex *lnodeType = schema->complexType("tLNodeType");
    QVERIFY(lnodeType);
    QCOMPARE(elementNames(lnodeType).first(), QString("DO"));
    QCOMPARE(schema->complexTypeOf("LNodeType"), lnodeType);
    // What only the model-description schema defines stays.
    QVERIFY(schema->complexTypes.contains("tMICS"));
    QVERIFY(schema->complexTypeOf("NoSuchElement") == nullptr);
}

void TestXmlSchema::attributesFollowTheDerivationChain()
{
    // The derived type's own extension attributes come before the base's.
    QCOMPARE(attributeNames(schema->complexTypeOf("LN")),
             QStringList({"lnClass", "inst", "prefix", "lnType", "desc"}));
    QCOMPARE(attributeNames(schema->complexTypeOf("SCL")),
             QStringList({"xsi:schemaLocation", "xmlns", "xmlns:xsi"}));
    const QList<XsAttrib *> fcda = schema->complexTypeOf("FCDA")->allAttributes();
    const auto fc = std::find_if(fcda.begin(), fcda.end(), [](XsAttrib *a) { return a->name == "fc"; });
    QVERIFY(fc != fcda.end());
    QCOMPARE((*fc)->type, QString("tFCEnum"));
    QCOMPARE((*fc)->use, QString("required"));
}

void TestXmlSchema::childrenFollowTheDerivationChain()
{
    QCOMPARE(elementNames(schema->complexTypeOf("LN0")),
             QStringList({"GSEControl", "SampledValueControl", "SettingControl", "SCLControl", "Log",
                          "DataSet", "ReportControl", "LogControl", "DOI", "Inputs", "Text", "Private"}));
    const QStringList scl = elementNames(schema->complexTypeOf("SCL"));
    QCOMPARE(scl.mid(0, 5), QStringList({"Header", "Substation", "Communication", "IED", "DataTypeTemplates"}));
    QVERIFY(elementNames(schema->complexTypeOf("Address")).contains("P"));
}

void TestXmlSchema::enumerationsAndPatterns()
{
    const QStringList pTypes = schema->simpleType("tPTypeEnum")->allEnumerations();
    QVERIFY(pTypes.contains("IP"));
    QVERIFY(pTypes.contains("MAC-Address"));
    QVERIFY(pTypes.contains("APPID"));
    QVERIFY(std::none_of(pTypes.begin(), pTypes.end(), [](const QString &v) { return v.contains('\\'); }));
    const QStringList fcs = schema->simpleType("tFCEnum")->allEnumerations();
    for (const char *fc : {"ST", "MX", "CO", "CF", "DC", "SP", "SV", "SG", "SE", "EX"})
        QVERIFY2(fcs.contains(fc), fc);
    QCOMPARE(schema->simpleType("tRestrName1stU")->regexPattern(), QString("[A-Z][\\d,A-Za-z]*"));
    QCOMPARE(schema->simpleType("tRestrName1stL")->regexPattern(), QString("[a-z][\\d,A-Za-z]*"));
    QVERIFY(QRegularExpression(schema->simpleType("tRestrName1stU")->regexPattern()).isValid());
}

void TestXmlSchema::uniqueConstraints()
{
    const XsUnique *ln = schema->unique("uniqueLNInLDevice");
    QVERIFY(ln);
    QCOMPARE(ln->selector, QString("./scl:LN"));
    QCOMPARE(ln->fields, QStringList({"@inst", "@lnClass", "@prefix"}));
    QVERIFY(schema->unique("uniqueSubNetwork"));
}

void TestXmlSchema::readerConstructs()
{
    const QString path = m_dir.filePath("probe.xsd");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"(<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:annotation><xs:documentation>Probe<xs:mystery/></xs:documentation></xs:annotation>
  <xs:simpleType name="tProbeUnion"><xs:union memberTypes="tPredefinedPTypeEnum  tExtensionPTypeEnum"/></xs:simpleType>
  <xs:complexType name="tProbe">
    <xs:sequence><xs:element name="A"/><xs:choice><xs:element name="B"/><xs:sequence><xs:element name="C"/></xs:sequence></xs:choice><xs:element name="D"/></xs:sequence>
    <xs:attributeGroup ref="agDesc"/>
  </xs:complexType>
  <xs:element name="ProbeRoot"><xs:complexType><xs:attribute name="x" type="xs:string"/></xs:complexType></xs:element>
  <other:thing xmlns:other="urn:other"/>
</xs:schema>)");
    file.close();

    debugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    QVERIFY(schema->parse(path));
    QVERIFY(!schema->parse(m_dir.filePath("absent.xsd")));
    qInstallMessageHandler(previous);

    QCOMPARE(debugLines.filter("mystery").size(), 1);
    QVERIFY(debugLines.filter("annotation").isEmpty());
    QVERIFY(debugLines.first().startsWith("[Schema check]XSD File " + path + ":2 mystery unhandled"));
    QCOMPARE(schema->simpleType("tProbeUnion")->memberTypes, QStringList({"tPredefinedPTypeEnum", "tExtensionPTypeEnum"}));
    const XsComplex *probe = schema->complexType("tProbe");
    QCOMPARE(probe->attributeGroups.size(), 1);
    QCOMPARE(probe->attributeGroups.first()->name, QString("agDesc"));
    QVERIFY(probe->attributeGroups.first()->attributes.isEmpty());
    QCOMPARE(attributeNames(probe), QStringList({"desc"}));
    // Nested groups are flattened and the sequence does not end early.
    QCOMPARE(elementNames(probe), QStringList({"A", "B", "C", "D"}));
    QCOMPARE(schema->complexTypeOf("ProbeRoot"), schema->complexType("tProbeRoot"));
}

void TestXmlSchema::loadReadsOnce()
{
    const int types = schema->complexTypes.size();
    debugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    schema->load();
    qInstallMessageHandler(previous);
    QCOMPARE(schema->complexTypes.size(), types);
    QVERIFY(debugLines.isEmpty());
}

void TestXmlSchema::typeIndexes()
{
    XmlObject *templates = m_document.first()->findChild("DataTypeTemplates");
    debugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    schema->setDataTemplates(templates);
    qInstallMessageHandler(previous);
    QCOMPARE(debugLines, QStringList{"[Schema check]Warning: Unhandled type"});

    QCOMPARE(schema->templateOwner, templates);
    QCOMPARE(schema->lnodeTypeIndex.keys().size(), 3);
    QVERIFY(schema->lnodeTypeIndex.contains("XCBR_T/XCBR"));
    QVERIFY(schema->lnodeTypeIndex.contains("XCBR_T/XSWI"));
    QCOMPARE(schema->findLNodeType("XCBR_T"), schema->lnodeTypeIndex.value("XCBR_T/XCBR"));
    QCOMPARE(schema->lnodeTypes.size(), 3);
    QCOMPARE(schema->doTypes.size(), 3);
    QCOMPARE(schema->templateObjects("DAType"), schema->daTypes);
    QVERIFY(schema->templateObjects("type").isEmpty());

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
    QVERIFY(doi);
    QCOMPARE(doi->name, QString("DOI"));
    QCOMPARE(doi->attribute("name"), QString("Pos"));
    QCOMPARE(doi->attribute("desc"), QString(" "));
    QCOMPARE(doi->children.size(), 2);
    const XmlObject *stVal = doi->children.at(0);
    QCOMPARE(stVal->name, QString("DAI"));
    QCOMPARE(stVal->children.first()->name, QString("Val"));
    QCOMPARE(stVal->children.first()->value, QString("ToDo"));
    const XmlObject *oper = doi->children.at(1);
    QCOMPARE(oper->name, QString("SDI"));
    QCOMPARE(oper->parent, doi.get());
    QCOMPARE(oper->children.size(), 2);
    QCOMPARE(oper->children.at(1)->attribute("name"), QString("ctlNum"));

    // A quality attribute has no type of its own and becomes a leaf.
    std::unique_ptr<XmlObject> mod(schema->doiObject("Mod", "INC_T"));
    QCOMPARE(mod->children.at(1)->attribute("name"), QString("q"));
    QCOMPARE(mod->children.at(1)->name, QString("DAI"));

    // A type that contains itself stops instead of recursing forever.
    std::unique_ptr<XmlObject> loop(schema->doiObject("A", "LOOP_T"));
    QCOMPARE(loop->children.size(), 1);
    QVERIFY(loop->children.first()->children.isEmpty());

    debugLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(captureDebug);
    QVERIFY(schema->doiObject("X", "NoSuchType") == nullptr);
    qInstallMessageHandler(previous);
    QCOMPARE(debugLines, QStringList{"Fail to find DOType NoSuchType"});
}

void TestXmlSchema::linksInstancesToTypes()
{
    linkTypes(m_document);
    const XmlObject *ied = m_document.first()->findChild("IED");
    const XmlObject *ln0 = ied->findDescendant("LN0");
    QCOMPARE(ln0->typeObject, schema->lnodeTypeIndex.value("LN0T/LLN0"));
    const XmlObject *mod = ln0->findChild("DOI");
    QCOMPARE(mod->typeObject, schema->doTypeIndex.value("INC_T"));
    QCOMPARE(mod->findChild("DAI", "name", "ctlModel")->typeObject, schema->enumTypeIndex.value("CtlModels"));
    QVERIFY(mod->findChild("DAI", "name", "q")->typeObject == nullptr);

    const XmlObject *xcbr = ied->findDescendant("LN", "lnClass", "XCBR");
    QCOMPARE(xcbr->typeObject, schema->lnodeTypeIndex.value("XCBR_T/XCBR"));
    const XmlObject *oper = xcbr->findDescendant("SDI");
    QCOMPARE(oper->typeObject, schema->daTypeIndex.value("Oper_T"));

    // Same id, other class: no link, and nothing below it either.
    const XmlObject *cswi = ied->findDescendant("LN", "lnClass", "CSWI");
    QVERIFY(cswi->typeObject == nullptr);
    QVERIFY(cswi->findChild("DOI")->typeObject == nullptr);
}

void TestXmlSchema::removeAndClear()
{
    XmlObject *xswi = schema->lnodeTypeIndex.value("XCBR_T/XSWI");
    schema->removeLNodeType(xswi);
    QVERIFY(!schema->lnodeTypeIndex.contains("XCBR_T/XSWI"));
    QVERIFY(!schema->lnodeTypes.contains(xswi));
    XmlObject *enumType = schema->enumTypeIndex.value("CtlModels");
    schema->removeEnumType(enumType);
    QVERIFY(schema->enumTypes.isEmpty());
    schema->clearDataTemplates();
    QVERIFY(schema->templateOwner == nullptr);
    QVERIFY(schema->lnodeTypeIndex.isEmpty() && schema->doTypes.isEmpty() && schema->daTypeIndex.isEmpty());
    qDeleteAll(m_document);
    m_document.clear();
}

QTEST_GUILESS_MAIN(TestXmlSchema)
#include "tst_xmlschema.moc"
