#include "guitestsupport.h"

#include <QLabel>
#include <QTextEdit>

// The import as a user makes it, through the wizard's pages and buttons, on
// a copy of good/substation.scd.
class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup() { closeWindow(); }
    void loadPage_data();
    void loadPage();
    void filePagesFollowTheLoadedFileAndCancelChangesNothing();
    void importSavesAFileThatLoadsAndChecks();
    void prefixedNodeTypeIsUsedByTheImportedIed();

private:
    XmlObject *scd() const { return window->document().first(); }

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestWizard::init()
{
    m_prompt = openWindow(m_file = copyFixture(m_dir, "substation.scd", "s.scd"));
    QVERIFY(!window->document().isEmpty());
}

void TestWizard::loadPage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("desc");
    QTest::addColumn<QString>("outcome"); // the warning (%1 the file), or the IED's description
    const auto row = [](const char *name, const char *ied, const QString &file, const char *desc,
                        const char *outcome) {
        QTest::newRow(name) << QString(ied) << file << QString(desc) << QString(outcome).replace("%1", file);
    };
    const QString simple = KESTREL_TEST_DATA "/wizard/simple.icd";
    row("name taken", "Q01_BCU", simple, "", "IED name Q01_BCU already exist, Please input again.");
    row("no file", "NEW1", KESTREL_TEST_DATA "/missing.icd", "", "Load file %1 failed.");
    row("no IED in the file", "NEW1", KESTREL_TEST_DATA "/wizard/no_ied.icd", "", "Load file %1 failed.");
    row("the file's description", "NEW1", simple, "", "Simple relay");
    row("a description given", "NEW1", simple, " Bay 7 ", "Bay 7");
}

void TestWizard::loadPage()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QFETCH(QString, desc);
    QFETCH(QString, outcome);
    WizardDriver driver(window);
    if (!driver.load(name, file, desc)) {
        QCOMPARE(m_prompt->warnings, QStringList{outcome});
        QVERIFY(driver.wizard.icdDocument().isEmpty());
        return;
    }
    const XmlObject *ied = driver.wizard.icdDocument().first()->findChild("IED");
    QCOMPARE(ied->attribute("name"), name);
    QCOMPARE(ied->attribute("desc"), outcome);
}

// Each file loaded builds its own pages; Cancel then leaves the document as it was.
void TestWizard::filePagesFollowTheLoadedFileAndCancelChangesNothing()
{
    const XmlObject before(*scd());
    {
        WizardDriver driver(window);
        QVERIFY(driver.load("NEW1", KESTREL_TEST_DATA "/good/relay.icd"));
        // One page for the access point with control blocks, then types and summary.
        QCOMPARE(driver.wizard.accessPointPages().size(), 1);
        QCOMPARE(driver.wizard.pageIds().size(), 5);
        driver.click(QWizard::NextButton);
        typeInto(driver.find<QWidget>("ip1Widget"), "10.0.0.9");
        // Another file: the pages are built for it, none for the earlier one stays.
        driver.click(QWizard::BackButton);
        driver.click(QWizard::BackButton);
        QVERIFY(driver.load("NEW1", KESTREL_TEST_DATA "/wizard/simple.icd"));
        QCOMPARE(driver.wizard.accessPointPages().size(), 0);
        QCOMPARE(driver.wizard.pageIds().size(), 4);
        driver.click(QWizard::CancelButton);
    }
    QVERIFY(sameTree(scd(), &before));
    QVERIFY(!action("actionSave")->isEnabled());
}

void TestWizard::importSavesAFileThatLoadsAndChecks()
{
    WizardDriver driver(window);
    QVERIFY(driver.load("NEW1", KESTREL_TEST_DATA "/good/relay.icd", "Imported"));
    driver.click(QWizard::NextButton);
    auto *table = driver.find<QTableWidget>("gsTableWidget");
    QVERIFY(table);
    typeInto(driver.find<QWidget>("ip1Widget"), "192.255.+7.250");
    editCell(table->item(0, 4), "StationBus");
    editCell(table->item(0, 5), "010ccd010009", false);
    driver.click(QWizard::NextButton);
    QCOMPARE(m_prompt->warnings, QStringList());
    // No type of the file differs from the document's namesake: nothing to decide.
    QCOMPARE(driver.find<QLabel>("noteLabel")->text(), QString("Not found different type."));
    driver.click(QWizard::NextButton);
    const QString summary = driver.find<QTextEdit>("textEdit")->toPlainText();
    QVERIFY2(summary.contains("Add ConnectedAP = NEW1 - AP1. IP: 192.255.7.250 MAC-Address: 01-0C-CD-01-00-09"),
             qPrintable(summary));
    driver.click(QWizard::FinishButton);

    XmlObject *ied = scd()->findChild("IED", "name", "NEW1");
    QVERIFY(ied && ied->treeItem);
    QCOMPARE(scd()->children.indexOf(ied), scd()->children.indexOf(scd()->findChild("DataTypeTemplates")) - 1);
    QVERIFY(logged.contains("Modify record: Import ICD file, add IED = NEW1 - Imported."));
    QVERIFY(logged.contains("Modify record: Import ICD file, Add ConnectedAP = NEW1 - AP1."));

    QAction *save = action("actionSave");
    QVERIFY(save->isEnabled());
    save->trigger();
    const DocumentOwner reloaded(XmlReader::load(m_file));
    QCOMPARE(reloaded.roots.size(), 1);
    QVERIFY(sameTree(reloaded.roots.first(), scd()));
    // The document's capacity warnings stay; the import adds no error.
    XmlCheck::instance()->semanticValidate(reloaded.roots);
    QCOMPARE(logged.filter("|--Error"), QStringList());
}

void TestWizard::prefixedNodeTypeIsUsedByTheImportedIed()
{
    XmlObject *own = scd()->findDescendant("LNodeType", "id", "NW_LPHD");
    const XmlObject ownBefore(*own);
    WizardDriver driver(window);
    QVERIFY(driver.load("NEW1", KESTREL_TEST_DATA "/wizard/simple.icd"));
    driver.click(QWizard::NextButton);
    auto *table = driver.find<QTableWidget>("typesTableWidget");
    QCOMPARE(table->rowCount(), 1); // NW_LPHD has one DO more
    clickCheck(table->item(0, 4));
    // Guard the mend that commits an open cell editor: the prefix is still being typed when Alt+N goes on.
    editCell(table->item(0, 5), "X_", false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY(driver.find<QTextEdit>("textEdit"));
    QCOMPARE(m_prompt->warnings, QStringList());
    driver.click(QWizard::FinishButton);

    const XmlObject *phd = scd()->findChild("IED", "name", "NEW1")->findDescendant("LN", "lnClass", "LPHD");
    QCOMPARE(phd->attribute("lnType"), QString("X_NW_LPHD"));
    QVERIFY(logged.contains("Modify record: Import ICD file, alter LN NW_LPHD to X_NW_LPHD."));
    QVERIFY(logged.contains("Modify record: Import ICD file, add prefix LNodeType = X_NW_LPHD."));
    // The document's own type is untouched.
    QCOMPARE(scd()->findDescendant("LNodeType", "id", "NW_LPHD"), own);
    QVERIFY(sameTree(own, &ownBefore));
}

QTEST_MAIN(TestWizard)
#include "tst_wizard.moc"
