#include "scldocument.h"
#include "testtree.h"
#include "xmlreader.h"
#include "xmltemplatemerge.h"

#include <memory>

// The document is good/substation.scd; wizard/templates.icd brings types
// that are new to it, conflict with it, or say less than its namesakes.

namespace {

using Merge = XmlTemplateMerge;

// The type a child ("DA/name") of the copy of an ICD type refers to.
QString childType(const Merge &merge, Merge::Kind kind, const QString &id, const QString &child)
{
    for (const TypeRevision &revision : merge.records(kind)) {
        if (revision.id == id)
            return revision.type->findChild(child.section('/', 0, 0), "name", child.section('/', 1))->attribute("type");
    }
    return QString();
}

} // namespace

class TestTemplateMerge : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { XmlSchema::instance()->load(); }
    void init();
    void cleanup();
    void addTypes_data();
    void addTypes();
    void prefixRenamesTheIcdReferences();
    void replacingAGoneTypeFails();

private:
    // "KIND id" of the document's types in order.
    QStringList documentTypes() const;
    XmlObject *templates() const { return m_document->scl()->findChild("DataTypeTemplates"); }

    std::unique_ptr<SclDocument> m_document;
    QList<XmlObject *> m_icd;
    Merge m_merge;
};

void TestTemplateMerge::init()
{
    m_document = std::make_unique<SclDocument>();
    QVERIFY(m_document->load(KESTREL_TEST_DATA "/good/substation.scd"));
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
        result.append(type->name + ' ' + type->attribute("id"));
    return result;
}

void TestTemplateMerge::addTypes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("chosen"); // the type given the operation, with the prefix "K_"
    QTest::addColumn<int>("operation");
    QTest::addColumn<QStringList>("added"); // after the last type of their kind
    const auto row = [](const char *name, Merge::Kind kind, const char *chosen, TypeRevision::Operation operation,
                        const QStringList &added) {
        QTest::newRow(name) << int(kind) << QString(chosen) << int(operation) << added;
    };
    row("new ones in ICD order", Merge::EnumTypeKind, "", TypeRevision::Ignore, {"EnumType NEW_B", "EnumType NEW_A"});
    row("a class of its own is new", Merge::LNodeTypeKind, "", TypeRevision::Ignore,
        {"LNodeType NW_PTOC", "LNodeType NEW_GGIO"});
    row("prefixed", Merge::EnumTypeKind, "Beh", TypeRevision::Prefix,
        {"EnumType K_Beh", "EnumType NEW_B", "EnumType NEW_A"});
    row("replaced, after the last of its kind", Merge::DOTypeKind, "SPS_Std", TypeRevision::Replace,
        {"DOType SPS_Std", "DOType NEW_DPC", "DOType Beh"});
}

void TestTemplateMerge::addTypes()
{
    QFETCH(int, kind);
    QFETCH(QString, chosen);
    QFETCH(int, operation);
    QFETCH(QStringList, added);

    const auto typeKind = Merge::Kind(kind);
    m_merge.compare();
    m_merge.choose(typeKind, chosen, TypeRevision::Operation(operation), "K_");
    QStringList expected = documentTypes();
    XmlObject *old = templates()->findChild(Merge::kindName(typeKind), "id", chosen);
    if (operation == TypeRevision::Replace)
        expected.removeOne(Merge::kindName(typeKind) + ' ' + chosen);
    const int last = expected.lastIndexOf(QRegularExpression(Merge::kindName(typeKind) + " .*"));
    expected = expected.mid(0, last + 1) + added + expected.mid(last + 1);

    const XmlObject before(*m_document->scl());
    m_merge.addTypes(*m_document, typeKind, templates());
    QCOMPARE(documentTypes(), expected);
    QVERIFY(!old || templates()->children.contains(old) == (operation != TypeRevision::Replace));
    // Each change is a command: undone, they leave the document as it was.
    while (m_document->history().canUndo())
        m_document->history().undo(*m_document);
    QVERIFY(sameTree(m_document->scl(), &before));
    while (m_document->history().canRedo())
        m_document->history().redo(*m_document);
    // Later lookups find what was added: nothing of the kind is new any more.
    m_merge.collect(m_icd);
    m_merge.compare();
    for (const TypeRevision &revision : m_merge.records(typeKind))
        QVERIFY(revision.operation != TypeRevision::Insert);
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
    QCOMPARE(childType(m_merge, Merge::DOTypeKind, "Beh", "DA/stVal"), QString("K_Beh"));
    QCOMPARE(childType(m_merge, Merge::DATypeKind, "NEW_Struct", "BDA/mode"), QString("K_Beh"));
    QCOMPARE(childType(m_merge, Merge::DATypeKind, "NEW_Struct", "BDA/health"), QString("Health"));
    QCOMPARE(childType(m_merge, Merge::LNodeTypeKind, "NEW_GGIO", "DO/Beh"), QString("Beh"));
    QCOMPARE(childType(m_merge, Merge::DATypeKind, "NEW_Struct", "BDA/mag"), QString("K_AnalogueValue"));
    QCOMPARE(childType(m_merge, Merge::DOTypeKind, "NEW_DPC", "SDO/sub"), QString("K_SPS_Std"));
    QCOMPARE(childType(m_merge, Merge::LNodeTypeKind, "NEW_GGIO", "DO/Ind1"), QString("K_SPS_Std"));

    QTest::ignoreMessage(QtDebugMsg, "Modify record: Import ICD file, insert EnumType = K_Beh.");
    m_merge.addTypes(*m_document, Merge::EnumTypeKind, templates());
    // The document's own type and its users are left alone.
    XmlSchema *schema = XmlSchema::instance();
    QCOMPARE(schema->enumTypeIndex.value("Beh")->children.size(), 5);
    QCOMPARE(schema->findDOType("INC_Mod")->findChild("DA", "name", "stVal")->attribute("type"), QString("Beh"));

    // Two rows of one type may carry different choices: the last holds.
    m_merge.choose(Merge::DATypeKind, "AnalogueValue", TypeRevision::Prefix, "B_");
    QCOMPARE(childType(m_merge, Merge::DOTypeKind, "NEW_DPC", "DA/mag"), QString("B_AnalogueValue"));
    m_merge.choose(Merge::DATypeKind, "AnalogueValue", TypeRevision::Replace);
    QCOMPARE(childType(m_merge, Merge::DOTypeKind, "NEW_DPC", "DA/mag"), QString("AnalogueValue"));
}

void TestTemplateMerge::replacingAGoneTypeFails()
{
    m_merge.compare();
    m_merge.choose(Merge::EnumTypeKind, "Health", TypeRevision::Replace);
    XmlSchema::instance()->removeEnumType(XmlSchema::instance()->enumTypeIndex.value("Health"));
    QTest::ignoreMessage(QtWarningMsg, "Import ICD file, replace EnumType Health failed.");
    XmlObject *health = templates()->findChild("EnumType", "id", "Health");
    m_merge.addTypes(*m_document, Merge::EnumTypeKind, templates());
    QVERIFY(templates()->children.contains(health));
}

QTEST_GUILESS_MAIN(TestTemplateMerge)
#include "tst_templatemerge.moc"
