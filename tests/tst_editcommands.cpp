#include "insertcommand.h"
#include "movecommand.h"
#include "removecommand.h"
#include "renameengine.h"
#include "scldocument.h"
#include "setattributecommand.h"
#include "testtree.h"
#include "xmlreader.h"
#include "xmltemplatemerge.h"

#include <QRandomGenerator>
#include <QScopeGuard>
#include <QtTest>

#include <functional>
#include <memory>

// Every change of the document is a command: undone, it leaves the document
// exactly as before; redone, exactly as after. The type indexes follow.

namespace {

const QString Station = QStringLiteral(KESTREL_TEST_DATA "/e2e/elmwood_ed2.scd");

// Every element below the roots, in document order.
QList<XmlObject *> elementsOf(const SclDocument &document)
{
    QList<XmlObject *> elements;
    const std::function<void(XmlObject *)> collect = [&](XmlObject *element) {
        for (XmlObject *child : element->children) {
            elements.append(child);
            collect(child);
        }
    };
    for (XmlObject *root : document.roots())
        collect(root);
    return elements;
}

// Whether every child names its parent as its parent.
bool linked(const XmlObject *element)
{
    return std::all_of(element->children.begin(), element->children.end(),
                       [element](const XmlObject *child) { return child->parent == element && linked(child); });
}

// Whether the type indexes find each of the document's types by its key, and nothing else.
bool indexed(const SclDocument &document)
{
    const XmlSchema *schema = XmlSchema::instance();
    const XmlObject *templates = document.scl()->findChild(QStringLiteral("DataTypeTemplates"));
    const QList<XmlObject *> types = templates ? templates->children : QList<XmlObject *>();
    const auto found = [schema](const XmlObject *type) {
        const QString id = type->attribute(QStringLiteral("id"));
        return type->name == QLatin1String("LNodeType") ? schema->lnodeTypeIndex.value(XmlSchema::lnodeTypeKey(type))
                : type->name == QLatin1String("DOType") ? schema->doTypeIndex.value(id)
                : type->name == QLatin1String("DAType") ? schema->daTypeIndex.value(id) : schema->enumTypeIndex.value(id);
    };
    const int entries = schema->lnodeTypeIndex.size() + schema->doTypeIndex.size() + schema->daTypeIndex.size()
            + schema->enumTypeIndex.size();
    return std::all_of(types.begin(), types.end(), found) && entries <= types.size();
}

void silence(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

class TestEditCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { XmlSchema::instance()->load(); }
    void init();
    void typeIndexesFollowEveryChange();
    void randomEditsUndoAndRedo();

private:
    std::unique_ptr<SclDocument> m_document;
};

void TestEditCommands::init()
{
    m_document = std::make_unique<SclDocument>();
    QVERIFY(m_document->load(Station));
}

void TestEditCommands::typeIndexesFollowEveryChange()
{
    XmlSchema *schema = XmlSchema::instance();
    XmlObject *type = m_document->scl()->findDescendant("LNodeType");
    const QString id = type->attribute("id");
    XmlObject *templates = type->parent;

    // Cut and pasted back: the choices of lnType offer it again.
    m_document->execute(std::make_unique<RemoveCommand>(type, "cut"));
    QVERIFY(!schema->templateObjects("lnType").contains(type));
    QVERIFY(!schema->findLNodeType(id));
    auto *pasted = new XmlObject(*type);
    m_document->execute(std::make_unique<InsertCommand>(templates, 0, pasted));
    QVERIFY(schema->templateObjects("lnType").contains(pasted));
    QCOMPARE(schema->findLNodeType(id), pasted);
    QCOMPARE(schema->lnodeTypeIndex.value(XmlSchema::lnodeTypeKey(pasted)), pasted);

    // A new id is found by it, the old one no more.
    m_document->execute(std::make_unique<SetAttributeCommand>(pasted, "id", "Renamed"));
    QCOMPARE(schema->findLNodeType("Renamed"), pasted);
    QVERIFY(!schema->lnodeTypeIndex.contains(id + '/' + pasted->attribute("lnClass")));
    // A data object added to the type is found through it.
    m_document->execute(std::make_unique<InsertCommand>(pasted, -1, makeElement("DO", nullptr, {{"name", "Extra"}})));
    QVERIFY(pasted->index.contains("Extra"));
    m_document->history().undo(*m_document);
    QVERIFY(!pasted->index.contains("Extra"));
    QVERIFY(indexed(*m_document));
}

// Random edits of every kind (attributes, insert, paste, cut and delete, move,
// rename, import, template check), then all undone and all redone. The seed is
// printed on a failure; KESTREL_SEED repeats a run.
void TestEditCommands::randomEditsUndoAndRedo()
{
    const quint32 seed = qEnvironmentVariableIsSet("KESTREL_SEED") ? qEnvironmentVariableIntValue("KESTREL_SEED")
                                                                    : 20261207;
    QRandomGenerator random(seed);
    const auto pick = [&](const QList<XmlObject *> &list) { return list.at(random.bounded(list.size())); };
    const XmlObject original(*m_document->scl());
    const QtMessageHandler previous = qInstallMessageHandler(silence);
    int steps = 0;
    // An import, as the wizard's Finish makes it: the ICD's new types, then its IED, one step.
    const QList<XmlObject *> icd = XmlReader::load(KESTREL_TEST_DATA "/good/relay.icd");
    const auto cleanup = qScopeGuard([&] { qDeleteAll(icd); });
    int imports = 0;
    const auto import = [&] {
        XmlObject *root = m_document->scl();
        XmlObject *templates = root->findChild(QStringLiteral("DataTypeTemplates"));
        if (!templates)
            return false;
        XmlTemplateMerge merge;
        merge.collect(icd);
        merge.compare();
        m_document->beginMacro("import");
        for (auto kind : {XmlTemplateMerge::EnumTypeKind, XmlTemplateMerge::DATypeKind, XmlTemplateMerge::DOTypeKind,
                          XmlTemplateMerge::LNodeTypeKind})
            merge.addTypes(*m_document, kind, templates);
        auto *ied = new XmlObject(*icd.first()->findChild(QStringLiteral("IED")));
        ied->attributes.insert("name", QString("Imported%1").arg(++imports));
        m_document->execute(std::make_unique<InsertCommand>(root, root->children.indexOf(templates), ied));
        m_document->endMacro();
        return true;
    };

    // One random change; false when the element drawn allows none of that kind.
    const std::function<bool(int)> edit = [&](int kind) {
        XmlObject *element = pick(elementsOf(*m_document));
        XmlObject *parent = element->parent;
        switch (kind) {
        case 0: {
            const QStringList keys = element->attributes.keys() + QStringList{"desc", "x"};
            const QString key = keys.at(random.bounded(keys.size()));
            const QString value = random.bounded(5) == 0 ? QString() : QString::number(random.generate());
            m_document->execute(std::make_unique<SetAttributeCommand>(element, key, value));
            return true;
        }
        case 1:
            m_document->execute(std::make_unique<InsertCommand>(parent, random.bounded(parent->children.size() + 1),
                                                                new XmlObject(*element)));
            return true;
        case 2:
            if (element->name == QLatin1String("DataTypeTemplates"))
                return false; // it goes whole only rarely, below
            m_document->execute(std::make_unique<RemoveCommand>(element, "delete"));
            return true;
        case 3:
            m_document->execute(std::make_unique<MoveCommand>(element, random.bounded(parent->children.size()), "move"));
            return true;
        case 4: {
            // A paste: a copy under a new name, one step.
            m_document->beginMacro("paste");
            auto *copy = new XmlObject(*element);
            m_document->execute(std::make_unique<InsertCommand>(parent, -1, copy));
            m_document->execute(std::make_unique<SetAttributeCommand>(copy, "name", copy->attribute("name") + "_New"));
            m_document->endMacro();
            return true;
        }
        case 5:
            XmlCheck::instance()->checkTemplate(*m_document);
            return true;
        case 6: {
            const QString attribute = element->name == QLatin1String("LDevice") ? "inst"
                    : element->parent && element->parent->name == QLatin1String("DataTypeTemplates") ? "id" : "name";
            if (!RenameEngine::isName(element, attribute))
                return false;
            RenameEngine(*m_document).rename(*m_document, element, attribute, element->attribute(attribute) + "R");
            return true;
        }
        case 7:
            return import();
        default:
            m_document->execute(std::make_unique<RemoveCommand>(
                    m_document->scl()->findChild(QStringLiteral("DataTypeTemplates")), "delete"));
            return true;
        }
    };
    while (steps < 1000) {
        const int roll = random.bounded(100);
        const int kind = roll < 35 ? 0 : roll < 50 ? 1 : roll < 66 ? 2 : roll < 82 ? 3 : roll < 87 ? 4 : roll < 88 ? 5
                : roll < 96 ? 6 : roll < 99 ? 7 : 8;
        if (kind == 8 && !m_document->scl()->findChild(QStringLiteral("DataTypeTemplates")))
            continue;
        if (elementsOf(*m_document).size() < 50)
            continue; // keep something to edit
        if (edit(kind))
            ++steps;
    }
    qInstallMessageHandler(previous);
    const XmlObject edited(*m_document->scl());
    QVERIFY2(linked(m_document->scl()) && indexed(*m_document), qPrintable(QString("seed %1").arg(seed)));

    while (m_document->history().canUndo())
        m_document->history().undo(*m_document);
    QString where;
    QVERIFY2(sameTree(m_document->scl(), &original, &where), qPrintable(QString("seed %1: %2").arg(seed).arg(where)));
    QVERIFY2(linked(m_document->scl()) && indexed(*m_document), qPrintable(QString("seed %1").arg(seed)));
    while (m_document->history().canRedo())
        m_document->history().redo(*m_document);
    QVERIFY2(sameTree(m_document->scl(), &edited, &where), qPrintable(QString("seed %1: %2").arg(seed).arg(where)));
    QVERIFY2(linked(m_document->scl()) && indexed(*m_document), qPrintable(QString("seed %1").arg(seed)));
}

QTEST_GUILESS_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
