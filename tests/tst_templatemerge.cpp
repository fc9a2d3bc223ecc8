#include "testtree.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmltemplatemerge.h"

#include <QtTest>

#include <memory>

// The document is good/substation.scd; wizard/templates.icd brings types
// that are new to it, conflict with it, or say less than its namesakes.

namespace {

using Merge = XmlTemplateMerge;

QStringList s_log;

void record(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    s_log.append((type == QtWarningMsg ? QLatin1String("W ") : QLatin1String("D ")) + text);
}

// "id operation" of each record of a kind.
QStringList operations(const Merge &merge, Merge::Kind kind)
{
    QStringList result;
    for (const TypeRevision &revision : merge.records(kind))
        result.append(revision.type->attribute("id") + QLatin1Char(' ') + QString::number(revision.operation));
    return result;
}

// The type attribute of a child ("DA/name") of the copy of an ICD type.
QString childType(const Merge &merge, Merge::Kind kind, const QString &id, const QString &child)
{
    for (const TypeRevision &revision : merge.records(kind)) {
        if (revision.id != id)
            continue;
        const XmlObject *element = revision.type->findChild(child.section('/', 0, 0), "name", child.section('/', 1));
        return element ? element->attribute("type") : QString();
    }
    return QString();
}

const QString Insert = QString::number(TypeRevision::Insert);
const QString Ignore = QString::number(TypeRevision::Ignore);

} // namespace

class TestTemplateMerge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void compareFindsNewAndConflictingTypes();
    void newTypesAreAddedInIcdOrder();
    void prefixRenamesTheIcdReferences();
    void replaceDetachesTheDocumentsType();
    void prefixedLogicalNodeTypesAreAnnounced();

private:
    // "KIND id" of the document's types in order.
    QStringList documentTypes() const;
    XmlObject *templates() const { return m_document->roots.first()->findChild("DataTypeTemplates"); }
    // Adds the types of a kind and returns what was logged.
    QStringList add(Merge::Kind kind, QList<XmlObject *> *replaced,
                    const std::function<void(const TypeRevision &)> &beforePrefixed = {});

    std::unique_ptr<DocumentOwner> m_document;
    QList<XmlObject *> m_icd;
    Merge m_merge;
};

void TestTemplateMerge::initTestCase()
{
    XmlSchema::instance()->load();
}

void TestTemplateMerge::init()
{
    m_document = std::make_unique<DocumentOwner>(XmlReader::load(KESTREL_TEST_DATA "/good/substation.scd"));
    QVERIFY(!m_document->roots.isEmpty());
    XmlSchema::instance()->setDataTemplates(templates());
    m_icd = XmlReader::load(KESTREL_TEST_DATA "/wizard/templates.icd");
    QVERIFY(!m_icd.isEmpty());
    m_merge.collect(m_icd);
}

void TestTemplateMerge::cleanup()
{
    qDeleteAll(m_icd);
    m_icd.clear();
    m_document.reset();
}

QStringList TestTemplateMerge::documentTypes() const
{
    QStringList result;
    for (const XmlObject *type : templates()->children)
        result.append(type->name + QLatin1Char(' ') + type->attribute("id"));
    return result;
}

QStringList TestTemplateMerge::add(Merge::Kind kind, QList<XmlObject *> *replaced,
                                   const std::function<void(const TypeRevision &)> &beforePrefixed)
{
    s_log.clear();
    qInstallMessageHandler(record);
    m_merge.addTypes(kind, templates(), replaced, beforePrefixed);
    qInstallMessageHandler(nullptr);
    return s_log;
}

void TestTemplateMerge::compareFindsNewAndConflictingTypes()
{
    // One conflict per differing child; a child with fewer attributes, or an
    // enumeration with fewer values, is none. Logical node types are told
    // apart by class as well.
    QStringList conflicts;
    for (const Merge::Conflict &conflict : m_merge.compare())
        conflicts.append(Merge::kindName(conflict.kind) + QLatin1Char(' ') + conflict.id);
    QCOMPARE(conflicts, QStringList({"EnumType Beh", "DAType AnalogueValue", "DAType AnalogueValue",
                                     "DOType SPS_Std", "LNodeType NW_PTOC"}));
    QCOMPARE(operations(m_merge, Merge::EnumTypeKind),
             QStringList({"Beh " + Ignore, "Health " + Ignore, "NEW_B " + Insert, "NEW_A " + Insert}));
    QCOMPARE(operations(m_merge, Merge::LNodeTypeKind),
             QStringList({"NW_PTOC " + Ignore, "NW_PTOC " + Insert, "NEW_GGIO " + Insert}));
    QCOMPARE(m_merge.records(Merge::LNodeTypeKind).at(1).lnClass, QString("PTRC"));

    // The records hold copies: the ICD can go, and a new collect starts afresh.
    qDeleteAll(m_icd);
    m_icd.clear();
    QCOMPARE(childType(m_merge, Merge::DATypeKind, "NEW_Struct", "BDA/mode"), QString("Beh"));
    m_merge.collect({});
    QVERIFY(m_merge.compare().isEmpty());
}

void TestTemplateMerge::newTypesAreAddedInIcdOrder()
{
    m_merge.compare();
    const QStringList before = documentTypes();
    QList<XmlObject *> replaced;
    QCOMPARE(add(Merge::EnumTypeKind, &replaced), QStringList({
        "D Modify record: Import ICD file, insert EnumType = NEW_B.",
        "D Modify record: Import ICD file, insert EnumType = NEW_A."}));
    QCOMPARE(add(Merge::LNodeTypeKind, &replaced), QStringList({
        "D Modify record: Import ICD file, insert LNodeType = NW_PTOC.",
        "D Modify record: Import ICD file, insert LNodeType = NEW_GGIO."}));
    QVERIFY(replaced.isEmpty());
    QCOMPARE(documentTypes(), before + QStringList({"EnumType NEW_B", "EnumType NEW_A", "LNodeType NW_PTOC",
                                                    "LNodeType NEW_GGIO"}));

    // Later lookups find the added types.
    XmlObject *added = templates()->children.last();
    QCOMPARE(added->parent, templates());
    QCOMPARE(XmlSchema::instance()->lnodeTypeIndex.value("NEW_GGIO/GGIO"), added);
    QVERIFY(added->index.contains("Pos"));
    m_merge.collect(m_icd);
    m_merge.compare();
    QCOMPARE(operations(m_merge, Merge::EnumTypeKind).last(), QString("NEW_A " + Ignore));
}

void TestTemplateMerge::prefixRenamesTheIcdReferences()
{
    m_merge.compare();
    m_merge.choose(Merge::EnumTypeKind, "Beh", TypeRevision::Prefix, "K_");
    m_merge.choose(Merge::DATypeKind, "AnalogueValue", TypeRevision::Prefix, "K_");
    m_merge.choose(Merge::DOTypeKind, "SPS_Std", TypeRevision::Prefix, "K_");

    // Enumerations are named by Enum attributes, structures by Struct ones,
    // data object types by sub data objects and data objects. The data
    // object type Beh is no enumeration.
    const Merge::Kind da = Merge::DATypeKind;
    const Merge::Kind dob = Merge::DOTypeKind;
    QCOMPARE(childType(m_merge, dob, "Beh", "DA/stVal"), QString("K_Beh"));
    QCOMPARE(childType(m_merge, da, "NEW_Struct", "BDA/mode"), QString("K_Beh"));
    QCOMPARE(childType(m_merge, da, "NEW_Struct", "BDA/health"), QString("Health"));
    QCOMPARE(childType(m_merge, Merge::LNodeTypeKind, "NEW_GGIO", "DO/Beh"), QString("Beh"));
    QCOMPARE(childType(m_merge, da, "NEW_Struct", "BDA/mag"), QString("K_AnalogueValue"));
    QCOMPARE(childType(m_merge, dob, "NEW_DPC", "SDO/sub"), QString("K_SPS_Std"));
    QCOMPARE(childType(m_merge, Merge::LNodeTypeKind, "NEW_GGIO", "DO/Ind1"), QString("K_SPS_Std"));

    QList<XmlObject *> replaced;
    QCOMPARE(add(Merge::EnumTypeKind, &replaced).first(),
             QString("D Modify record: Import ICD file, insert EnumType = K_Beh."));
    XmlSchema *schema = XmlSchema::instance();
    QCOMPARE(schema->enumTypeIndex.value("K_Beh")->children.size(), 2);
    // The document's own type and its users are left alone.
    QCOMPARE(schema->enumTypeIndex.value("Beh")->children.size(), 5);
    QCOMPARE(schema->findDOType("INC_Mod")->findChild("DA", "name", "stVal")->attribute("type"), QString("Beh"));

    // Two rows of one type may carry different choices: the last holds.
    m_merge.choose(Merge::DATypeKind, "AnalogueValue", TypeRevision::Prefix, "B_");
    QCOMPARE(childType(m_merge, dob, "NEW_DPC", "DA/mag"), QString("B_AnalogueValue"));
    m_merge.choose(Merge::DATypeKind, "AnalogueValue", TypeRevision::Replace);
    QCOMPARE(childType(m_merge, dob, "NEW_DPC", "DA/mag"), QString("AnalogueValue"));
    QCOMPARE(operations(m_merge, da).first(), "AnalogueValue " + QString::number(TypeRevision::Replace));
}

void TestTemplateMerge::replaceDetachesTheDocumentsType()
{
    m_merge.compare();
    m_merge.choose(Merge::DOTypeKind, "SPS_Std", TypeRevision::Replace);
    XmlObject *old = XmlSchema::instance()->findDOType("SPS_Std");
    QStringList expected = documentTypes();
    expected.removeOne("DOType SPS_Std");

    QList<XmlObject *> replaced;
    QCOMPARE(add(Merge::DOTypeKind, &replaced), QStringList({
        "D Modify record: Import ICD file, replace DOType = SPS_Std.",
        "D Modify record: Import ICD file, insert DOType = NEW_DPC.",
        "D Modify record: Import ICD file, insert DOType = Beh."}));
    QCOMPARE(documentTypes(), expected + QStringList({"DOType SPS_Std", "DOType NEW_DPC", "DOType Beh"}));
    QVERIFY(XmlSchema::instance()->findDOType("SPS_Std")->findChild("DA", "name", "dir"));
    // Still whole for the instances that point at it until they are relinked.
    QCOMPARE(replaced, QList<XmlObject *>{old});
    QCOMPARE(old->parent, templates());
    QCOMPARE(old->children.size(), 3);
    qDeleteAll(replaced);

    // A type that is gone cannot be replaced.
    m_merge.choose(Merge::EnumTypeKind, "Health", TypeRevision::Replace);
    XmlSchema::instance()->removeEnumType(XmlSchema::instance()->enumTypeIndex.value("Health"));
    replaced.clear();
    expected = documentTypes();
    QCOMPARE(add(Merge::EnumTypeKind, &replaced).first(), QString("W Import ICD file, replace EnumType Health failed."));
    QCOMPARE(documentTypes(), expected + QStringList({"EnumType NEW_B", "EnumType NEW_A"}));
    QVERIFY(replaced.isEmpty());
}

void TestTemplateMerge::prefixedLogicalNodeTypesAreAnnounced()
{
    m_merge.compare();
    // The type of that id but another class is new to the document: it stays as it is.
    m_merge.choose(Merge::LNodeTypeKind, "NW_PTOC", TypeRevision::Prefix, "X");
    QList<XmlObject *> replaced;
    const QStringList log = add(Merge::LNodeTypeKind, &replaced, [](const TypeRevision &revision) {
        const bool added = XmlSchema::instance()->lnodeTypeIndex.contains("XNW_PTOC/" + revision.lnClass);
        qDebug().noquote() << "before" << revision.lnClass << added;
    });
    QCOMPARE(log, QStringList({"D before PTOC false",
                               "D Modify record: Import ICD file, add prefix LNodeType = XNW_PTOC.",
                               "D Modify record: Import ICD file, insert LNodeType = NW_PTOC.",
                               "D Modify record: Import ICD file, insert LNodeType = NEW_GGIO."}));
    QVERIFY(XmlSchema::instance()->lnodeTypeIndex.contains("NW_PTOC/PTRC"));
}

QTEST_GUILESS_MAIN(TestTemplateMerge)
#include "tst_templatemerge.moc"
