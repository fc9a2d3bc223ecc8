#include "guitestsupport.h"
#include "xmlwizarddatatypetemplates.h"

#include <memory>

// The data type page of the import of wizard/templates.icd into
// good/substation.scd, used through clicks and keys: five rows, for Beh,
// AnalogueValue (twice), SPS_Std and NW_PTOC.

enum Column { TypeColumn, IdColumn, IgnoreColumn, ReplaceColumn, PrefixColumn, PrefixNameColumn };

class TestWizardTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup() { m_driver.reset(); closeWindow(); }
    void idCellComparesTheTwoTypes();
    void checkBoxesAndHeaders();
    void nextHandsTheChoicesOver();

private:
    QTableWidget *table() const { return m_page->findChild<QTableWidget *>("typesTableWidget"); }
    // One line per row: the id, a letter per checked operation or "-", the prefix name.
    QStringList rows() const;
    const TypeRevision &record(XmlTemplateMerge::Kind kind, int index = 0) const
    {
        return m_driver->wizard.templates.records(kind).at(index);
    }

    const QStringList m_unchosen{"Beh --- ", "AnalogueValue --- ", "AnalogueValue --- ", "SPS_Std --- ",
                                 "NW_PTOC --- "};
    QTemporaryDir m_dir;
    ScriptedPrompt *m_prompt = nullptr;
    std::unique_ptr<WizardDriver> m_driver;
    XmlWizardDataTypeTemplates *m_page = nullptr;
};

void TestWizardTemplates::init()
{
    m_prompt = openWindow(copyFixture(m_dir, "substation.scd", "s.scd"));
    m_driver = std::make_unique<WizardDriver>(window);
    QVERIFY(m_driver->load("NEW1", KESTREL_TEST_DATA "/wizard/templates.icd"));
    m_driver->click(QWizard::NextButton);
    m_page = qobject_cast<XmlWizardDataTypeTemplates *>(m_driver->wizard.currentPage());
    QVERIFY(m_page);
    QCOMPARE(rows(), m_unchosen);
}

QStringList TestWizardTemplates::rows() const
{
    QStringList result;
    for (int row = 0; row < table()->rowCount(); ++row) {
        QString line = table()->item(row, IdColumn)->text() + ' ';
        for (int column : {IgnoreColumn, ReplaceColumn, PrefixColumn})
            line += table()->item(row, column)->checkState() == Qt::Checked ? "IRP"[column - IgnoreColumn] : '-';
        result.append(line + ' ' + table()->item(row, PrefixNameColumn)->text());
    }
    return result;
}

void TestWizardTemplates::idCellComparesTheTwoTypes()
{
    QList<const XmlObject *> shown;
    m_page->showComparison = [&shown](const XmlObject *icdType, const XmlObject *documentType) {
        shown << icdType << documentType;
    };
    clickCell(table()->item(3, TypeColumn));
    clickCell(table()->item(3, IdColumn));
    // A logical node type is compared with the document's of its class.
    clickCell(table()->item(4, IdColumn));
    XmlSchema *schema = XmlSchema::instance();
    QCOMPARE(shown, QList<const XmlObject *>({record(XmlTemplateMerge::DOTypeKind).type.get(),
                                              schema->findDOType("SPS_Std"),
                                              record(XmlTemplateMerge::LNodeTypeKind).type.get(),
                                              schema->lnodeTypeIndex.value("NW_PTOC/PTOC")}));
}

void TestWizardTemplates::checkBoxesAndHeaders()
{
    // The three operations of a row exclude each other; unchecking leaves the others.
    clickCheck(table()->item(1, IgnoreColumn));
    clickCheck(table()->item(1, ReplaceColumn));
    clickCheck(table()->item(2, PrefixColumn));
    clickCheck(table()->item(2, PrefixColumn));
    QCOMPARE(rows().mid(1, 2), QStringList({"AnalogueValue -R- ", "AnalogueValue --- "}));

    // A header checks its column in every row, or clears it where it was checked everywhere.
    clickHeader(table(), IdColumn);
    clickCheck(table()->item(0, PrefixColumn));
    clickHeader(table(), ReplaceColumn);
    QCOMPARE(rows().join(','), QString("Beh -R- ,AnalogueValue -R- ,AnalogueValue -R- ,SPS_Std -R- ,NW_PTOC -R- "));
    clickHeader(table(), ReplaceColumn);
    QCOMPARE(rows(), m_unchosen);

    // The prefix name header asks for a name for the rows that take a prefix.
    QStringList answers = {"K_", ""};
    m_page->askPrefix = [&answers] { return answers.takeFirst(); };
    clickHeader(table(), PrefixNameColumn);
    QCOMPARE(m_prompt->warnings, QStringList{"Not found the selected prefix."});
    clickCheck(table()->item(0, PrefixColumn));
    clickCheck(table()->item(3, PrefixColumn));
    // A name still being typed into a cell gives way to the one asked for.
    editCell(table()->item(3, PrefixNameColumn), "Z_", false);
    clickHeader(table(), PrefixNameColumn);
    // Cancelled: the names stay.
    clickHeader(table(), PrefixNameColumn);
    QVERIFY(answers.isEmpty());
    clickCell(table()->item(1, TypeColumn));
    QCOMPARE(rows().join(','), QString("Beh --P K_,AnalogueValue --- ,AnalogueValue --- ,SPS_Std --P K_,NW_PTOC --- "));
}

void TestWizardTemplates::nextHandsTheChoicesOver()
{
    clickHeader(table(), ReplaceColumn);
    clickCheck(table()->item(0, PrefixColumn));
    editCell(table()->item(0, PrefixNameColumn), "K_");
    clickCheck(table()->item(3, IgnoreColumn));
    clickCheck(table()->item(4, ReplaceColumn));
    m_driver->click(QWizard::NextButton);
    clickCheck(table()->item(4, PrefixColumn));
    editCell(table()->item(4, PrefixNameColumn), "  ");
    m_driver->click(QWizard::NextButton);
    QCOMPARE(m_prompt->warnings, QStringList({"Please select operation of the NW_PTOC.",
                                              "Please enter prefix name of the NW_PTOC."}));

    editCell(table()->item(4, PrefixNameColumn), " X ");
    m_driver->click(QWizard::NextButton);
    QVERIFY(m_driver->wizard.currentPage() != m_page);
    QCOMPARE(record(XmlTemplateMerge::EnumTypeKind).type->attribute("id"), QString("K_Beh"));
    QCOMPARE(record(XmlTemplateMerge::DATypeKind).operation, int(TypeRevision::Replace));
    QCOMPARE(record(XmlTemplateMerge::DOTypeKind).operation, int(TypeRevision::Ignore));
    QCOMPARE(record(XmlTemplateMerge::LNodeTypeKind).type->attribute("id"), QString("XNW_PTOC"));

    // Back and Next again start over.
    m_driver->click(QWizard::BackButton);
    m_driver->click(QWizard::BackButton);
    m_driver->click(QWizard::NextButton);
    QCOMPARE(rows(), m_unchosen);
    QCOMPARE(record(XmlTemplateMerge::EnumTypeKind).type->attribute("id"), QString("Beh"));
}

QTEST_MAIN(TestWizardTemplates)
#include "tst_wizardtemplates.moc"
