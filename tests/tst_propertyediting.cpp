#include "dlgprefixname.h"
#include "dlgproperty.h"
#include "guitestsupport.h"
#include "xsattrib.h"
#include "xscomplex.h"

#include <QSpinBox>
#include <QValidator>

// The property dialog and the value editors its delegate picks from the
// schema, driven as the user drives them: double-click a value, type, Enter, OK.

namespace {

// The rows the insert command offers for a new element: every schema attribute, empty.
QList<PropertyRow> schemaRows(const QString &elementName)
{
    QList<PropertyRow> rows;
    for (const XsAttrib *attribute : XmlSchema::instance()->complexTypeOf(elementName)->allAttributes())
        rows.append({attribute->name, attribute->type, QString(), attribute->use == QLatin1String("required") ? 0 : 1});
    return rows;
}

// A property dialog on screen, with a prompt that records its refusals.
struct Dialog
{
    Dialog(const QList<PropertyRow> &rows, const QString &element, XmlObject *parent = nullptr)
        : dialog(parent, rows, element), prompt(new ScriptedPrompt)
    {
        dialog.setUserPrompt(prompt);
        dialog.show();
        table = dialog.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
    }
    void click(const char *button) { QTest::mouseClick(dialog.findChild<QPushButton *>(button), Qt::LeftButton); }
    void clickRow(int row) { clickCell(table->item(row, 0)); }
    QWidget *open(int row) { return openEditor(table->item(row, 1)); }
    // Types into the value cell of the row of that name.
    void enter(const QString &name, const QString &text)
    {
        const QList<QTableWidgetItem *> names = table->findItems(name, Qt::MatchExactly);
        QVERIFY(!names.isEmpty() && editCell(table->item(names.first()->row(), 1), text));
    }

    DlgProperty dialog;
    ScriptedPrompt *prompt;
    QTableWidget *table;
};

} // namespace

class TestPropertyEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { XmlSchema::instance()->clearDataTemplates(); }

    void editorsFollowTheSchema_data();
    void editorsFollowTheSchema();

    void requiredValues_data();
    void requiredValues();
    void valueRowAndOptionalValues();
    void uniqueKeys_data();
    void uniqueKeys();
    void addedRows();
    void addedRowNames_data();
    void addedRowNames();
    void prefixName_data();
    void prefixName();

private:
    std::unique_ptr<XmlObject> m_templates;
};

void TestPropertyEditing::initTestCase()
{
    initGuiTests();
    m_templates.reset(makeElement(QStringLiteral("DataTypeTemplates")));
    for (const char *id : {"LN_XCBR", "LN_CSWI"})
        makeElement(QStringLiteral("LNodeType"), m_templates.get(), {{"id", id}, {"lnClass", "XCBR"}});
    for (const char *id : {"DO_SPS", "DO_DPC"})
        makeElement(QStringLiteral("DOType"), m_templates.get(), {{"id", id}, {"cdc", "SPS"}});
    makeElement(QStringLiteral("DAType"), m_templates.get(), {{"id", "DA_Origin"}});
}

void TestPropertyEditing::editorsFollowTheSchema_data()
{
    QTest::addColumn<bool>("withTemplates");
    QTest::addColumn<QString>("attribute"); // element.attribute
    QTest::addColumn<QString>("type");
    // A drop-down's entries (the first ones only when the row ends in "..."),
    // a spin box's range, or a text a line edit's validator takes and one it refuses.
    QTest::addColumn<QStringList>("expected");
    // The value the editor opens on, and what it makes of it when left with Enter.
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<QString>("committed");

    const QStringList networks{"8-MMS", "IECGOOSE", "SMV"}, booleans{"true", "false"}, unsignedRange{"0", "65535"};
    const auto row = [](const char *name, bool templates, const char *attribute, const char *type) -> QTestData & {
        return QTest::newRow(name) << templates << QString(attribute) << QString(type);
    };
    row("SubNetwork type", false, "SubNetwork.type", "xs:normalizedString") << networks << "SMV" << "SMV";
    row("SubNetwork type, whatever the schema says", true, "SubNetwork.type", "tLNClassEnum") << networks << "" << "";
    row("lnType lists LNodeTypes", true, "LN0.lnType", "tName") << QStringList{"LN_XCBR", "LN_CSWI"} << "" << "";
    row("DO type lists DOTypes", true, "DO.type", "tName") << QStringList{"DO_SPS", "DO_DPC"} << "DO_DPC" << "DO_DPC";
    row("enumeration", false, "LN.lnClass", "tLNClassEnum") << QStringList{"LPHD", "LLN0", "..."} << "XCBR" << "XCBR";
    row("enumeration, case-sensitive", false, "DA.fc", "tFCEnum") << QStringList{"..."} << "st" << "";
    row("boolean", false, "DA.dchg", "xs:boolean") << booleans << "false" << "false";
    row("boolean 1 selects nothing", false, "DA.dchg", "xs:boolean") << booleans << "1" << "";
    row("unsigned clamps", false, "DA.count", "xs:unsignedInt") << unsignedRange << "70000" << "65535";
    row("not a number reads 0", false, "DA.count", "xs:unsignedInt") << unsignedRange << "ten" << "0";
    row("integer clamps", false, "DA.offset", "xs:integer") << QStringList{"-32768", "32767"} << "-40000" << "-32768";
    row("upper-case first", false, "DO.name", "tRestrName1stU") << QStringList{"Pos1", "pos"} << "" << "";
    row("digits and commas follow", false, "DO.name", "tRestrName1stU") << QStringList{"A1,b", "A_b"} << "" << "";
    row("lnType, no LNodeType open", false, "LN.lnType", "tName") << QStringList() << "" << "";
    row("DA type gets no DAType list", true, "DA.type", "tAnyName") << QStringList() << "" << "";
    row("type of a non-DO element", true, "SDO.type", "tName") << QStringList() << "" << "";
    row("complex type without pattern", false, "Voltage.value", "tVoltage") << QStringList() << "" << "";
    row("plain text kept", false, "LN.desc", "xs:normalizedString") << QStringList() << " two words " << " two words ";
}

void TestPropertyEditing::editorsFollowTheSchema()
{
    QFETCH(bool, withTemplates);
    QFETCH(QString, attribute);
    QFETCH(QString, type);
    QFETCH(QStringList, expected);
    QFETCH(QString, cellText);
    QFETCH(QString, committed);

    if (withTemplates)
        XmlSchema::instance()->setDataTemplates(m_templates.get());
    Dialog dialog({{attribute.section('.', 1), type, cellText, 1}}, attribute.section('.', 0, 0));
    QWidget *editor = dialog.open(0);
    QVERIFY(editor);
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const bool more = expected.removeAll("...") > 0;
        QCOMPARE(more ? entries(combo).mid(0, expected.size()) : entries(combo), expected);
    } else if (auto *spin = qobject_cast<QSpinBox *>(editor)) {
        QCOMPARE(QStringList({QString::number(spin->minimum()), QString::number(spin->maximum())}), expected);
    } else {
        auto *edit = qobject_cast<QLineEdit *>(editor);
        QVERIFY(edit);
        QCOMPARE(edit->validator() != nullptr, !expected.isEmpty());
        int position = 0;
        for (int i = 0; i < expected.size(); ++i) {
            const QValidator::State state = edit->validator()->validate(expected[i], position);
            QCOMPARE(state, i ? QValidator::Invalid : QValidator::Acceptable);
        }
    }
    commitEditor(editor);
    QCOMPARE(dialog.table->item(0, 1)->text(), committed);
}

void TestPropertyEditing::requiredValues_data()
{
    QTest::addColumn<QString>("lnType");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("empty refused") << "" << "[lnType] is required key, Value can't be empty.";
    QTest::newRow("blanks kept") << "  " << "";
}

void TestPropertyEditing::requiredValues()
{
    QFETCH(QString, lnType);
    QFETCH(QString, refusal);

    Dialog dialog(schemaRows("LN"), "LN");
    dialog.enter("lnClass", "XCBR"); // typed into the drop-down of the classes
    dialog.enter("inst", "1");
    if (!lnType.isEmpty())
        dialog.enter("lnType", lnType);
    dialog.click("okBtn");

    QCOMPARE(dialog.prompt->informed, refusal.isEmpty() ? QStringList() : QStringList(refusal));
    QCOMPARE(dialog.dialog.result() == QDialog::Accepted, refusal.isEmpty());
    const QMap<QString, QString> values{{"lnClass", "XCBR"}, {"inst", "1"}, {"lnType", lnType}, {"prefix", ""},
                                        {"desc", ""}};
    QCOMPARE(dialog.dialog.values(), refusal.isEmpty() ? values : decltype(values)());
}

void TestPropertyEditing::valueRowAndOptionalValues()
{
    // Empty optional values are kept; a later row of the same name wins.
    Dialog dialog({{"name", "tName", "Val1", 0}, {"desc", "xs:normalizedString", "", 1}, {"value", "", "42", 1},
                   {"desc", "xs:normalizedString", "later", 1}},
                  "Test");
    dialog.click("okBtn");
    QCOMPARE(dialog.dialog.result(), int(QDialog::Accepted));
    const QMap<QString, QString> values{{"name", "Val1"}, {"desc", "later"}};
    QCOMPARE(dialog.dialog.values(), values);
    QCOMPARE(dialog.dialog.valueText(), QStringLiteral("42"));
}

void TestPropertyEditing::uniqueKeys_data()
{
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QString>("elementName");
    QTest::addColumn<QStringList>("namesAndValues");
    QTest::addColumn<QString>("refusal");

    const QString lnKey = QStringLiteral("The item should be unique. The key fields: inst,lnClass,prefix.");
    QTest::newRow("LN repeating a key") << "LDevice" << "LN"
                                        << QStringList{"prefix", "Q0", "lnClass", "XCBR", "inst", "1"} << lnKey;
    QTest::newRow("LN with another inst") << "LDevice" << "LN"
                                          << QStringList{"prefix", "Q0", "lnClass", "XCBR", "inst", "2"} << QString();
    QTest::newRow("LN0 against LN0 only") << "LDevice" << "LN0" << QStringList{"lnClass", "LLN0", "inst", ""} << lnKey;
    QTest::newRow("LN0 with an LN's key") << "LDevice" << "LN0"
                                          << QStringList{"prefix", "Q0", "lnClass", "XCBR", "inst", "1"} << QString();
    QTest::newRow("SubNetwork by its own name") << "Communication" << "SubNetwork" << QStringList{"name", "Bus"}
                                                << "The item should be unique. The key fields: name.";
    QTest::newRow("IED has no constraint") << "SCL" << "IED" << QStringList{"name", "IED1"} << QString();
}

void TestPropertyEditing::uniqueKeys()
{
    QFETCH(QString, parentName);
    QFETCH(QString, elementName);
    QFETCH(QStringList, namesAndValues);
    QFETCH(QString, refusal);

    std::unique_ptr<XmlObject> parent(makeElement(parentName));
    makeElement("LN0", parent.get(), {{"lnClass", "LLN0"}, {"inst", ""}, {"lnType", "T0"}});
    makeElement("LN", parent.get(), {{"prefix", "Q0"}, {"lnClass", "XCBR"}, {"inst", "1"}, {"lnType", "T1"}});
    makeElement("SubNetwork", parent.get(), {{"name", "Bus"}});
    makeElement("IED", parent.get(), {{"name", "IED1"}});
    QList<PropertyRow> rows;
    for (int i = 0; i + 1 < namesAndValues.size(); i += 2)
        rows.append({namesAndValues.at(i), QString(), namesAndValues.at(i + 1), 1});
    Dialog dialog(rows, elementName, parent.get());
    dialog.click("okBtn");

    QCOMPARE(dialog.prompt->informed, refusal.isEmpty() ? QStringList() : QStringList(refusal));
    QCOMPARE(dialog.dialog.result() == QDialog::Accepted, refusal.isEmpty());
}

void TestPropertyEditing::addedRows()
{
    Dialog dialog(schemaRows("LN"), "LN");
    dialog.click("addBtn");
    dialog.click("addBtn");
    QCOMPARE(dialog.table->rowCount(), 7);
    QCOMPARE(dialog.table->item(5, 0)->text(), QStringLiteral("New Item 6"));
    QCOMPARE(dialog.table->item(6, 0)->text(), QStringLiteral("New Item 7"));

    // Delete removes an added row only.
    dialog.clickRow(2);
    dialog.click("delBtn");
    QCOMPARE(dialog.table->rowCount(), 7);
    dialog.clickRow(5);
    dialog.click("delBtn");
    QCOMPARE(dialog.table->rowCount(), 6);
    QCOMPARE(dialog.table->item(5, 0)->text(), QStringLiteral("New Item 7"));
}

void TestPropertyEditing::addedRowNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("default name has a blank") << "New Item 2" << false;
    QTest::newRow("starts with a digit") << "1st" << false;
    QTest::newRow("undeclared prefix") << "ext:tag" << false;
    QTest::newRow("namespace declaration") << "xmlns" << false;
    QTest::newRow("letters, digits, marks") << "_vendor-tag.2" << true;
    QTest::newRow("non-ASCII letters") << "größe" << true;
    QTest::newRow("predeclared xml prefix") << "xml:lang" << true;
}

void TestPropertyEditing::addedRowNames()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);

    Dialog dialog({{"desc", "xs:normalizedString", "", 1}}, "LN");
    dialog.click("addBtn"); // starts editing the new row's name
    QWidget *nameEditor = dialog.table->indexWidget(dialog.table->model()->index(1, 0));
    QVERIFY(nameEditor);
    typeText(nameEditor, name);
    commitEditor(nameEditor);
    dialog.enter(name, "x");
    dialog.click("okBtn");

    QCOMPARE(dialog.dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.dialog.values().value(name), accepted ? QStringLiteral("x") : QString());
    QCOMPARE(dialog.prompt->informed.size(), accepted ? 0 : 1);
    const QString refusal = dialog.prompt->informed.value(0);
    QVERIFY2(accepted || refusal.startsWith(QStringLiteral("[%1] is not a valid attribute name").arg(name)),
             qPrintable(refusal));
}

void TestPropertyEditing::prefixName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("blanks around") << "  P1_ " << "P1_";
    QTest::newRow("blanks only") << "   " << "";
}

void TestPropertyEditing::prefixName()
{
    QFETCH(QString, typed);
    QFETCH(QString, prefix);

    DlgPrefixName dialog;
    auto *prompt = new ScriptedPrompt;
    dialog.setUserPrompt(prompt);
    dialog.show();
    typeText(dialog.findChild<QLineEdit *>("lineEdit"), typed);
    QTest::mouseClick(dialog.findChild<QPushButton *>("okBtn"), Qt::LeftButton);

    QCOMPARE(dialog.prefixName(), prefix);
    QCOMPARE(dialog.result() == QDialog::Accepted, !prefix.isEmpty());
    QCOMPARE(prompt->informed, prefix.isEmpty() ? QStringList("Please enter the content.") : QStringList());
}

QTEST_MAIN(TestPropertyEditing)
#include "tst_propertyediting.moc"
