#include "dlgprefixname.h"
#include "dlgproperty.h"
#include "guitestsupport.h"

#include <QSpinBox>
#include <QValidator>

// The property dialog and the value editors its delegate picks from the
// schema, driven as the user drives them: double-click a value, type, Enter, OK.

namespace {

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

    void valueRowAndOptionalValues();
    void okRefuses_data();
    void okRefuses();
    void addedRows();
    void addedRowNames_data();
    void addedRowNames();
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

    const QStringList booleans{"true", "false"}, unsignedRange{"0", "65535"};
    const auto row = [](const char *name, bool templates, const char *attribute, const char *type) -> QTestData & {
        return QTest::newRow(name) << templates << QString(attribute) << QString(type);
    };
    row("SubNetwork type, whatever the schema says", true, "SubNetwork.type", "tLNClassEnum")
            << QStringList{"8-MMS", "IECGOOSE", "SMV"} << "SMV" << "SMV";
    row("lnType lists LNodeTypes", true, "LN0.lnType", "tName") << QStringList{"LN_XCBR", "LN_CSWI"} << "" << "";
    row("DO type lists DOTypes", true, "DO.type", "tName") << QStringList{"DO_SPS", "DO_DPC"} << "DO_DPC" << "DO_DPC";
    row("enumeration", false, "LN.lnClass", "tLNClassEnum") << QStringList{"LPHD", "LLN0", "..."} << "XCBR" << "XCBR";
    row("enumeration, case-sensitive", false, "DA.fc", "tFCEnum") << QStringList{"..."} << "st" << "";
    row("boolean", false, "DA.dchg", "xs:boolean") << booleans << "false" << "false";
    row("boolean 1 selects nothing", false, "DA.dchg", "xs:boolean") << booleans << "1" << "";
    row("unsigned clamps", false, "DA.count", "xs:unsignedInt") << unsignedRange << "70000" << "65535";
    row("not a number reads 0", false, "DA.count", "xs:unsignedInt") << unsignedRange << "ten" << "0";
    row("integer clamps", false, "DA.offset", "xs:integer") << QStringList{"-32768", "32767"} << "-40000" << "-32768";
    row("upper-case first, digits and commas follow", false, "DO.name", "tRestrName1stU")
            << QStringList{"A1,b", "pos", "A_b"} << "" << "";
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
    QTEST(dialog.table->item(0, 1)->text(), "committed");
}

void TestPropertyEditing::valueRowAndOptionalValues()
{
    // Empty optional values are kept; a later row of the same name wins.
    Dialog dialog({{"name", "tName", "Val1", 0}, {"desc", "xs:normalizedString", "", 1}, {"value", "", "42", 1},
                   {"desc", "xs:normalizedString", "later", 1}}, "Test");
    dialog.click("okBtn");
    QCOMPARE(dialog.dialog.result(), int(QDialog::Accepted));
    const QMap<QString, QString> values{{"name", "Val1"}, {"desc", "later"}};
    QCOMPARE(dialog.dialog.values(), values);
    QCOMPARE(dialog.dialog.valueText(), QStringLiteral("42"));
}

void TestPropertyEditing::okRefuses_data()
{
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QString>("elementName");
    QTest::addColumn<QStringList>("namesAndValues"); // "*" before a name: a required value
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
    QTest::newRow("required value empty") << "LDevice" << "LN" << QStringList{"*lnType", ""}
                                          << "[lnType] is required key, Value can't be empty.";
    QTest::newRow("required value of blanks") << "LDevice" << "LN" << QStringList{"*lnType", "  "} << QString();
}

void TestPropertyEditing::okRefuses()
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
    for (int i = 0; i + 1 < namesAndValues.size(); i += 2) {
        const bool required = namesAndValues.at(i).startsWith('*');
        rows.append({QString(namesAndValues.at(i)).remove('*'), QString(), namesAndValues.at(i + 1), required ? 0 : 1});
    }
    Dialog dialog(rows, elementName, parent.get());
    dialog.click("okBtn");

    QCOMPARE(dialog.prompt->informed, refusal.isEmpty() ? QStringList() : QStringList(refusal));
    QCOMPARE(dialog.dialog.result() == QDialog::Accepted, refusal.isEmpty());
}

void TestPropertyEditing::addedRows()
{
    Dialog dialog({{"lnClass", "tLNClassEnum", "", 0}, {"desc", "xs:normalizedString", "", 1}}, "LN");
    dialog.click("addBtn");
    dialog.click("addBtn");
    QCOMPARE(dialog.table->rowCount(), 4);
    QCOMPARE(dialog.table->item(3, 0)->text(), QStringLiteral("New Item 4"));

    // Delete removes an added row only.
    dialog.clickRow(1);
    dialog.click("delBtn");
    QCOMPARE(dialog.table->rowCount(), 4);
    dialog.clickRow(2);
    dialog.click("delBtn");
    QCOMPARE(dialog.table->rowCount(), 3);
    QCOMPARE(dialog.table->item(2, 0)->text(), QStringLiteral("New Item 4"));
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
}

// Blanks alone are refused; around a name they are dropped.
void TestPropertyEditing::prefixName()
{
    DlgPrefixName dialog;
    auto *prompt = new ScriptedPrompt;
    dialog.setUserPrompt(prompt);
    dialog.show();
    for (const char *typed : {"   ", "  P1_ "}) {
        typeText(dialog.findChild<QLineEdit *>("lineEdit"), typed);
        QTest::mouseClick(dialog.findChild<QPushButton *>("okBtn"), Qt::LeftButton);
    }
    QCOMPARE(prompt->informed, QStringList("Please enter the content."));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.prefixName(), QString("P1_"));
}

QTEST_MAIN(TestPropertyEditing)
#include "tst_propertyediting.moc"
