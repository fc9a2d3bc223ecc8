#include "guitestsupport.h"
#include "kestrel.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlschema.h"
#include "xmltemplatemerge.h"
#include "xmlwizard.h"
#include "xmlwizarddatatypetemplates.h"

#include <QtTest>
#include <QLabel>
#include <QTableWidget>

#include <memory>

// The data type page of the import, on good/substation.scd with the types
// of wizard/templates.icd: five rows, for Beh, AnalogueValue (twice),
// SPS_Std and NW_PTOC.

namespace {

enum Column { TypeColumn, IdColumn, IgnoreColumn, ReplaceColumn, PrefixColumn, PrefixNameColumn };

} // namespace

class TestWizardTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void rowsAreTheConflicts();
    void idCellComparesTheTwoTypes();
    void checkBoxesAndHeaders();
    void prefixHeaderNamesTheCheckedRows();
    void validateHandsTheChoicesOver();

private:
    // Hands the wizard a newly loaded ICD and shows the page as Next would.
    void loadIcd(const QString &path);
    QTableWidget *table() const { return m_page->findChild<QTableWidget *>("typesTableWidget"); }
    // One line per row: the id, a letter per checked operation or "-", the prefix name.
    QStringList rows() const;
    // Checks a box as a click on it does.
    void click(int row, int column);
    const TypeRevision &record(XmlTemplateMerge::Kind kind, int index = 0) const
    {
        return m_wizard->templates.records(kind).at(index);
    }

    QTemporaryDir m_dir;
    ScriptedPrompt *m_prompt = nullptr;
    std::unique_ptr<XmlWizard> m_wizard;
    XmlWizardDataTypeTemplates *m_page = nullptr;
};

void TestWizardTemplates::initTestCase()
{
    initGuiTests();
}

void TestWizardTemplates::init()
{
    m_prompt = openWindow(copyFixture(m_dir, "substation.scd", "s.scd"));
    m_wizard = std::make_unique<XmlWizard>(window);
    loadIcd(KESTREL_TEST_DATA "/wizard/templates.icd");
    QVERIFY(m_page);
}

void TestWizardTemplates::cleanup()
{
    m_wizard.reset();
    closeWindow();
}

void TestWizardTemplates::loadIcd(const QString &path)
{
    m_wizard->setIcdDocument(XmlReader::load(path), path);
    m_wizard->buildFilePages();
    m_page = m_wizard->findChild<XmlWizardDataTypeTemplates *>();
    if (m_page)
        m_page->initializePage();
}

QStringList TestWizardTemplates::rows() const
{
    QStringList result;
    for (int row = 0; row < table()->rowCount(); ++row) {
        QString line = table()->item(row, IdColumn)->text() + QLatin1Char(' ');
        for (int column : {IgnoreColumn, ReplaceColumn, PrefixColumn})
            line += table()->item(row, column)->checkState() == Qt::Checked ? "IRP"[column - IgnoreColumn] : '-';
        result.append(line + QLatin1Char(' ') + table()->item(row, PrefixNameColumn)->text());
    }
    return result;
}

void TestWizardTemplates::click(int row, int column)
{
    table()->item(row, column)->setCheckState(Qt::Checked);
    m_page->slotCellChanged(row, column);
}

void TestWizardTemplates::rowsAreTheConflicts()
{
    QCOMPARE(rows(), QStringList({"Beh --- ", "AnalogueValue --- ", "AnalogueValue --- ", "SPS_Std --- ",
                                  "NW_PTOC --- "}));
    QCOMPARE(table()->item(3, TypeColumn)->text(), QString("DOType"));
    QVERIFY(!(table()->item(0, IdColumn)->flags() & Qt::ItemIsEditable));
    QVERIFY(table()->item(0, PrefixNameColumn)->flags() & Qt::ItemIsEditable);
    QVERIFY(m_page->findChild<QLabel *>("noteLabel")->text().isEmpty());

    // The document's own types against themselves: nothing to decide.
    loadIcd(KESTREL_TEST_DATA "/good/substation.scd");
    QVERIFY(m_page);
    QCOMPARE(table()->rowCount(), 0);
    QCOMPARE(m_page->findChild<QLabel *>("noteLabel")->text(), QString("Not found different type."));
    m_page->slotHeaderClicked(PrefixNameColumn);
    QVERIFY(m_page->validatePage());
    QVERIFY(m_prompt->warnings.isEmpty());
}

void TestWizardTemplates::idCellComparesTheTwoTypes()
{
    QList<const XmlObject *> shown;
    m_page->showComparison = [&shown](const XmlObject *icdType, const XmlObject *documentType) {
        shown << icdType << documentType;
    };
    m_page->slotCellChanged(3, TypeColumn);
    m_page->slotCellChanged(3, IdColumn);
    // A logical node type is compared with the document's of its class.
    m_page->slotCellChanged(4, IdColumn);
    XmlSchema *schema = XmlSchema::instance();
    QCOMPARE(shown, QList<const XmlObject *>({record(XmlTemplateMerge::DOTypeKind).type.get(),
                                              schema->findDOType("SPS_Std"),
                                              record(XmlTemplateMerge::LNodeTypeKind).type.get(),
                                              schema->lnodeTypeIndex.value("NW_PTOC/PTOC")}));
}

void TestWizardTemplates::checkBoxesAndHeaders()
{
    // The three operations of a row exclude each other; unchecking leaves the others.
    click(1, IgnoreColumn);
    click(1, ReplaceColumn);
    click(2, PrefixColumn);
    table()->item(2, PrefixColumn)->setCheckState(Qt::Unchecked);
    m_page->slotCellChanged(2, PrefixColumn);
    QCOMPARE(rows().mid(1, 2), QStringList({"AnalogueValue -R- ", "AnalogueValue --- "}));

    // A header checks its column in every row, or clears it where it was checked everywhere.
    m_page->slotHeaderClicked(IdColumn);
    click(0, PrefixColumn);
    m_page->slotHeaderClicked(ReplaceColumn);
    QCOMPARE(rows(), QStringList({"Beh -R- ", "AnalogueValue -R- ", "AnalogueValue -R- ", "SPS_Std -R- ",
                                  "NW_PTOC -R- "}));
    m_page->slotHeaderClicked(ReplaceColumn);
    QCOMPARE(rows(), QStringList({"Beh --- ", "AnalogueValue --- ", "AnalogueValue --- ", "SPS_Std --- ",
                                  "NW_PTOC --- "}));
}

void TestWizardTemplates::prefixHeaderNamesTheCheckedRows()
{
    QStringList answers = {"K_", ""};
    m_page->askPrefix = [&answers] { return answers.takeFirst(); };
    m_page->slotHeaderClicked(PrefixNameColumn);
    QCOMPARE(m_prompt->warnings, QStringList{"Not found the selected prefix."});
    QCOMPARE(answers.size(), 2);

    click(0, PrefixColumn);
    click(3, PrefixColumn);
    m_page->slotHeaderClicked(PrefixNameColumn);
    // Cancelled: the names stay.
    m_page->slotHeaderClicked(PrefixNameColumn);
    QVERIFY(answers.isEmpty());
    QCOMPARE(rows(), QStringList({"Beh --P K_", "AnalogueValue --- ", "AnalogueValue --- ", "SPS_Std --P K_",
                                  "NW_PTOC --- "}));
    QCOMPARE(m_prompt->warnings.size(), 1);
}

void TestWizardTemplates::validateHandsTheChoicesOver()
{
    m_page->slotHeaderClicked(ReplaceColumn);
    click(0, PrefixColumn);
    table()->item(0, PrefixNameColumn)->setText("K_");
    click(3, IgnoreColumn);
    table()->item(4, ReplaceColumn)->setCheckState(Qt::Unchecked);
    QVERIFY(!m_page->validatePage());
    click(4, PrefixColumn);
    table()->item(4, PrefixNameColumn)->setText("  ");
    QVERIFY(!m_page->validatePage());
    QCOMPARE(m_prompt->warnings, QStringList({"Please select operation of the NW_PTOC.",
                                              "Please enter prefix name of the NW_PTOC."}));
    QCOMPARE(record(XmlTemplateMerge::DATypeKind).operation, int(TypeRevision::Ignore));

    table()->item(4, PrefixNameColumn)->setText(" X ");
    QVERIFY(m_page->validatePage());
    QCOMPARE(record(XmlTemplateMerge::EnumTypeKind).type->attribute("id"), QString("K_Beh"));
    QCOMPARE(record(XmlTemplateMerge::DOTypeKind).type->findChild("DA", "name", "dir")->attribute("type"),
             QString("K_Beh"));
    QCOMPARE(record(XmlTemplateMerge::DATypeKind).operation, int(TypeRevision::Replace));
    QCOMPARE(record(XmlTemplateMerge::DOTypeKind).operation, int(TypeRevision::Ignore));
    QCOMPARE(record(XmlTemplateMerge::LNodeTypeKind).type->attribute("id"), QString("XNW_PTOC"));
    QCOMPARE(record(XmlTemplateMerge::LNodeTypeKind, 1).type->attribute("id"), QString("NW_PTOC"));

    // Back and Next again start over.
    m_page->initializePage();
    QCOMPARE(rows().first(), QString("Beh --- "));
    QCOMPARE(record(XmlTemplateMerge::EnumTypeKind).type->attribute("id"), QString("Beh"));
}

QTEST_MAIN(TestWizardTemplates)
#include "tst_wizardtemplates.moc"
