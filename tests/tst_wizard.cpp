#include "guitestsupport.h"
#include "kestrel.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmlwizard.h"
#include "xmlwizardconnectedaps.h"

#include <QtTest>
#include <QAction>
#include <QLineEdit>
#include <QTreeWidget>

// The import as a whole: the load page, the pages built for the file, and
// what Finish and Cancel leave in the document.
class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void loadPageRefusesWhatCannotBeImported();
    void filePagesFollowTheLoadedFile();
    void finishGraftsIedConnectionsAndTypes();
    void prefixedNodeTypeIsUsedByTheImportedIed();
    void cancelLeavesTheDocumentAlone();

private:
    XmlObject *scd() const { return window->document().first(); }
    // Fills the load page and goes on as Next would; false when the page refused.
    bool load(XmlWizard &wizard, const QString &name, const QString &file, const QString &desc = QString());
    static QString wizardData(const char *file) { return QStringLiteral(KESTREL_TEST_DATA "/wizard/") + file; }

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

namespace {

QStringList childNames(const XmlObject *element)
{
    QStringList names;
    for (const XmlObject *child : element->children)
        names.append(child->name);
    return names;
}

QString saved(const QList<XmlObject *> &roots, const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("snapshot.scd"));
    XmlReader::save(path, roots);
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

} // namespace

void TestWizard::initTestCase()
{
    initGuiTests();
}

void TestWizard::init()
{
    m_file = copyFixture(m_dir, "substation.scd", "s.scd");
    m_prompt = openWindow(m_file);
    QVERIFY(!window->document().isEmpty());
}

void TestWizard::cleanup()
{
    closeWindow();
}

bool TestWizard::load(XmlWizard &wizard, const QString &name, const QString &file, const QString &desc)
{
    wizard.setField(QStringLiteral("iedName"), name);
    wizard.setField(QStringLiteral("iedDesc"), desc);
    wizard.setField(QStringLiteral("fileName"), file);
    return wizard.page(0)->validatePage();
}

void TestWizard::loadPageRefusesWhatCannotBeImported()
{
    XmlWizard wizard(window);
    QVERIFY(!load(wizard, "Q01_BCU", wizardData("simple.icd")));
    QCOMPARE(m_prompt->warnings.last(), QString("IED name Q01_BCU already exist, Please input again."));
    QVERIFY(wizard.icdDocument().isEmpty());

    const QString missing = m_dir.filePath("missing.icd");
    QVERIFY(!load(wizard, "NEW1", missing));
    QCOMPARE(m_prompt->warnings.last(), QString("Load file %1 failed.").arg(missing));
    // A well-formed file without an IED has nothing to import.
    QVERIFY(!load(wizard, "NEW1", wizardData("no_ied.icd")));
    QVERIFY(wizard.icdDocument().isEmpty());

    // The new name goes to the file's IED; an empty description keeps the file's.
    QVERIFY(load(wizard, "NEW1", wizardData("simple.icd")));
    const XmlObject *ied = wizard.icdDocument().first()->findChild("IED");
    QCOMPARE(ied->attribute("name"), QString("NEW1"));
    QCOMPARE(ied->attribute("desc"), QString("Simple relay"));
    QVERIFY(load(wizard, "NEW1", wizardData("simple.icd"), " Bay 7 relay "));
    QCOMPARE(wizard.icdDocument().first()->findChild("IED")->attribute("desc"), QString("Bay 7 relay"));
}

void TestWizard::filePagesFollowTheLoadedFile()
{
    XmlWizard wizard(window);
    QVERIFY(load(wizard, "NEW1", QStringLiteral(KESTREL_TEST_DATA "/good/relay.icd")));
    wizard.page(1)->initializePage();
    // One page for the access point with control blocks, then types and summary.
    QCOMPARE(wizard.accessPointPages().size(), 1);
    QCOMPARE(wizard.pageIds().size(), 5);

    // Another file: the pages are built for it, none for the earlier one stays.
    QVERIFY(load(wizard, "NEW1", wizardData("simple.icd")));
    QCOMPARE(wizard.pageIds().size(), 2);
    wizard.page(1)->initializePage();
    QCOMPARE(wizard.accessPointPages().size(), 0);
    QCOMPARE(wizard.pageIds().size(), 4);
    // Entering the check page again without a new load keeps the pages.
    const QList<int> ids = wizard.pageIds();
    wizard.page(1)->initializePage();
    QCOMPARE(wizard.pageIds(), ids);
}

void TestWizard::finishGraftsIedConnectionsAndTypes()
{
    XmlWizard wizard(window);
    QVERIFY(load(wizard, "NEW1", wizardData("simple.icd"), "Imported"));
    wizard.page(1)->initializePage();
    wizard.templates.collect(wizard.icdDocument());
    const QList<XmlTemplateMerge::Conflict> conflicts = wizard.templates.compare();
    QCOMPARE(conflicts.size(), 1); // NW_LPHD's extra DO
    wizard.templates.choose(XmlTemplateMerge::LNodeTypeKind, "NW_LPHD", TypeRevision::Ignore);
    const int typesBefore = scd()->findChild("DataTypeTemplates")->children.size();

    wizard.accept();
    XmlObject *ied = scd()->findChild("IED", "name", "NEW1");
    QVERIFY(ied);
    QCOMPARE(ied->parent, scd());
    // Placed before the data types, which stay last.
    QCOMPARE(childNames(scd()).last(), QString("DataTypeTemplates"));
    QCOMPARE(scd()->children.indexOf(ied), scd()->children.size() - 2);
    XmlObject *types = scd()->findChild("DataTypeTemplates");
    QCOMPARE(types->children.size(), typesBefore + 3);
    QVERIFY(types->findChild("LNodeType", "id", "SIM_LLN0"));
    QVERIFY(types->findChild("DOType", "id", "SIM_Mod"));
    QVERIFY(types->findChild("EnumType", "id", "SIM_Beh"));
    QVERIFY(logged.contains("Modify record: Import ICD file, add IED = NEW1 - Imported."));
    QVERIFY(logged.contains("Modify record: Import ICD file, insert EnumType = SIM_Beh."));

    // The trees show the new IED and types; instances are linked to them.
    QVERIFY(ied->treeItem);
    QVERIFY(window->findChild<QAction *>("actionSave")->isEnabled());
    const XmlObject *ln0 = ied->findDescendant("LN0");
    QCOMPARE(ln0->typeObject, types->findChild("LNodeType", "id", "SIM_LLN0"));

    // What Finish grafted is what the saved file holds.
    window->findChild<QAction *>("actionSave")->trigger();
    QList<XmlObject *> reloaded = XmlReader::load(m_file);
    QVERIFY(reloaded.first()->findChild("IED", "name", "NEW1"));
    QVERIFY(reloaded.first()->findChild("DataTypeTemplates")->findChild("EnumType", "id", "SIM_Beh"));
    qDeleteAll(reloaded);
}

void TestWizard::prefixedNodeTypeIsUsedByTheImportedIed()
{
    XmlWizard wizard(window);
    QVERIFY(load(wizard, "NEW1", wizardData("simple.icd")));
    wizard.page(1)->initializePage();
    wizard.templates.collect(wizard.icdDocument());
    wizard.templates.compare();
    wizard.templates.choose(XmlTemplateMerge::LNodeTypeKind, "NW_LPHD", TypeRevision::Prefix, "X_");
    XmlObject *own = XmlSchema::instance()->findLNodeType("NW_LPHD");
    const QList<XmlObject *> ownUsers = [&] {
        QList<XmlObject *> users;
        std::function<void(XmlObject *)> walk = [&](XmlObject *e) {
            if (e->attribute("lnType") == "NW_LPHD")
                users.append(e);
            for (XmlObject *c : e->children)
                walk(c);
        };
        walk(scd());
        return users;
    }();
    QVERIFY(!ownUsers.isEmpty());

    wizard.accept();
    const XmlObject *phd = scd()->findChild("IED", "name", "NEW1")->findDescendant("LN", "lnClass", "LPHD");
    QCOMPARE(phd->attribute("lnType"), QString("X_NW_LPHD"));
    QVERIFY(logged.contains("Modify record: Import ICD file, alter LN NW_LPHD to X_NW_LPHD."));
    QVERIFY(logged.contains("Modify record: Import ICD file, add prefix LNodeType = X_NW_LPHD."));
    // The document's own type and its users are untouched.
    XmlObject *types = scd()->findChild("DataTypeTemplates");
    QVERIFY(types->children.contains(own));
    QCOMPARE(own->children.size(), 3);
    for (const XmlObject *user : ownUsers)
        QCOMPARE(user->attribute("lnType"), QString("NW_LPHD"));
    QCOMPARE(types->findChild("LNodeType", "id", "X_NW_LPHD")->children.size(), 4);
}

void TestWizard::cancelLeavesTheDocumentAlone()
{
    const QString before = saved(window->document(), m_dir);
    {
        XmlWizard wizard(window);
        QVERIFY(load(wizard, "NEW1", QStringLiteral(KESTREL_TEST_DATA "/good/relay.icd")));
        wizard.page(1)->initializePage();
        wizard.reject();
    }
    QCOMPARE(saved(window->document(), m_dir), before);
    QVERIFY(!window->findChild<QAction *>("actionSave")->isEnabled());
    QVERIFY(!scd()->findChild("IED", "name", "NEW1"));
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
