#include "dlgprefixname.h"
#include "dlgproperty.h"
#include "guiresources.h"
#include "objectcombobox.h"
#include "objecttablewidgetitem.h"
#include "propertydelegate.h"
#include "testtree.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlschema.h"
#include "xsattrib.h"
#include "xscomplex.h"
#include "xscontent.h"
#include "xsrestriction.h"

#include <QtTest>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QValidator>

#include <memory>

namespace {

// Records the refusals the dialogs would show.
class RecordingPrompt : public UserPrompt
{
public:
    void inform(QWidget *, const QString &, const QString &text) override { informed.append(text); }

    QStringList informed;
};

QStringList logged;

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    logged.append(text);
}

// The rows the insert command offers for a new element: every schema attribute, empty.
QList<PropertyRow> schemaRows(const QString &elementName)
{
    QList<PropertyRow> rows;
    const XsComplex *complex = XmlSchema::instance()->complexTypeOf(elementName);
    for (const XsAttrib *attribute : complex->allAttributes())
        rows.append({attribute->name, attribute->type, QString(),
                     attribute->use == QLatin1String("required") ? 0 : 1});
    return rows;
}

QStringList comboItems(const QComboBox *combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

QTableWidget *tableOf(DlgProperty &dialog)
{
    return dialog.findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

// The row whose name cell shows name, or -1.
int rowNamed(QTableWidget *table, const QString &name)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0) && table->item(row, 0)->text() == name)
            return row;
    }
    return -1;
}

void setValue(DlgProperty &dialog, const QString &name, const QString &value)
{
    QTableWidget *table = tableOf(dialog);
    const int row = rowNamed(table, name);
    QVERIFY2(row >= 0, qPrintable(name));
    table->item(row, 1)->setText(value);
}

} // namespace

class TestPropertyEditing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void choiceLists_data();
    void choiceLists();
    void patternEditors_data();
    void patternEditors();
    void complexTypePatterns_data();
    void complexTypePatterns();
    void plainEditors_data();
    void plainEditors();
    void openAndCommit_data();
    void openAndCommit();

    void comboBoxWritesTheElement();

    void rowsForANewLN();
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
    QWidget *editorFor(const QString &element, const QString &attribute, const QString &type,
                       const QString &text = QString());

    std::unique_ptr<XmlObject> m_templates;
    std::unique_ptr<QWidget> m_host;
    QStandardItemModel m_model{1, 1};
    PropertyDelegate m_delegate;
};

void TestPropertyEditing::initTestCase()
{
    initGuiResources();
    XmlSchema::instance()->load();
    m_model.setItem(0, 0, new QStandardItem);

    m_templates.reset(makeElement(QStringLiteral("DataTypeTemplates")));
    for (const char *id : {"LN_XCBR", "LN_CSWI"})
        makeElement(QStringLiteral("LNodeType"), m_templates.get(), {{"id", id}, {"lnClass", "XCBR"}});
    for (const char *id : {"DO_SPS", "DO_DPC"})
        makeElement(QStringLiteral("DOType"), m_templates.get(), {{"id", id}, {"cdc", "SPS"}});
    makeElement(QStringLiteral("DAType"), m_templates.get(), {{"id", "DA_Origin"}});
}

void TestPropertyEditing::init()
{
    m_host = std::make_unique<QWidget>();
    logged.clear();
}

void TestPropertyEditing::cleanup()
{
    XmlSchema::instance()->clearDataTemplates();
    m_host.reset();
}

QWidget *TestPropertyEditing::editorFor(const QString &element, const QString &attribute, const QString &type,
                                        const QString &text)
{
    QStandardItem *cell = m_model.item(0, 0);
    cell->setText(text);
    cell->setData(type, PropertyDelegate::TypeRole);
    cell->setData(attribute, PropertyDelegate::AttributeRole);
    cell->setData(element, PropertyDelegate::ElementRole);
    QWidget *editor = m_delegate.createEditor(m_host.get(), QStyleOptionViewItem(), cell->index());
    if (editor)
        m_delegate.setEditorData(editor, cell->index());
    return editor;
}

void TestPropertyEditing::choiceLists_data()
{
    QTest::addColumn<bool>("withTemplates");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("leadingItems");
    QTest::addColumn<int>("count");

    const QStringList subNetworkTypes{"8-MMS", "IECGOOSE", "SMV"};
    QTest::newRow("SubNetwork type") << false << "SubNetwork" << "type" << "xs:normalizedString"
                                     << subNetworkTypes << 3;
    QTest::newRow("SubNetwork type, whatever the schema says") << true << "SubNetwork" << "type"
                                                               << "tLNClassEnum" << subNetworkTypes << 3;
    QTest::newRow("lnType lists LNodeTypes") << true << "LN" << "lnType" << "tName"
                                             << QStringList{"LN_XCBR", "LN_CSWI"} << 2;
    QTest::newRow("LN0 lnType too") << true << "LN0" << "lnType" << "tName"
                                    << QStringList{"LN_XCBR", "LN_CSWI"} << 2;
    QTest::newRow("DO type lists DOTypes") << true << "DO" << "type" << "tName"
                                           << QStringList{"DO_SPS", "DO_DPC"} << 2;
    QTest::newRow("enumeration") << false << "LN" << "lnClass" << "tLNClassEnum"
                                 << QStringList{"LPHD", "LLN0"} << -1;
    QTest::newRow("boolean") << false << "DA" << "dchg" << "xs:boolean" << QStringList{"true", "false"} << 2;
}

void TestPropertyEditing::choiceLists()
{
    QFETCH(bool, withTemplates);
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QString, type);
    QFETCH(QStringList, leadingItems);
    QFETCH(int, count);

    if (withTemplates)
        XmlSchema::instance()->setDataTemplates(m_templates.get());
    auto *combo = qobject_cast<QComboBox *>(editorFor(element, attribute, type));
    QVERIFY(combo);
    QCOMPARE(combo->parentWidget(), m_host.get());
    const QStringList items = comboItems(combo);
    QCOMPARE(items.mid(0, leadingItems.size()), leadingItems);
    if (count >= 0)
        QCOMPARE(items.size(), count);
    else
        QVERIFY2(items.size() > 50, "the logical node classes of the schema");
    QVERIFY(combo->itemIcon(0).isNull());
}

void TestPropertyEditing::patternEditors_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("refused");

    QTest::newRow("upper-case first") << "tRestrName1stU" << "Pos1" << "pos";
    QTest::newRow("lower-case first") << "tRestrName1stL" << "stVal" << "StVal";
    QTest::newRow("digits and commas follow") << "tRestrName1stU" << "A1,b" << "A_b";
}

void TestPropertyEditing::patternEditors()
{
    QFETCH(QString, type);
    QFETCH(QString, accepted);
    QFETCH(QString, refused);

    auto *edit = qobject_cast<QLineEdit *>(editorFor("DO", "name", type));
    QVERIFY(edit);
    QVERIFY(edit->validator());
    int position = 0;
    QCOMPARE(edit->validator()->validate(accepted, position), QValidator::Acceptable);
    QCOMPARE(edit->validator()->validate(refused, position), QValidator::Invalid);
}

void TestPropertyEditing::complexTypePatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("refused");

    QTest::newRow("own pattern, rewritten") << "\\p{Lu}+" << "xs:string" << "ABC" << "Abc";
    QTest::newRow("pattern of the base type") << QString() << "tRestrName1stU" << "Pos1" << "pos";
}

void TestPropertyEditing::complexTypePatterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, base);
    QFETCH(QString, accepted);
    QFETCH(QString, refused);

    // The SCL schema types no attribute this way; a complex type of our own shows the rule.
    XsRestriction restriction;
    restriction.base = base;
    restriction.pattern = pattern;
    XsContent content;
    content.restriction = &restriction;
    XsComplex complex;
    complex.name = QStringLiteral("tTestCode");
    complex.content = &content;
    XmlSchema::instance()->complexTypes.insert(complex.name, &complex);

    auto *edit = qobject_cast<QLineEdit *>(editorFor("Test", "code", complex.name));
    XmlSchema::instance()->complexTypes.remove(complex.name);
    QVERIFY(edit);
    QVERIFY(edit->validator());
    int position = 0;
    QCOMPARE(edit->validator()->validate(accepted, position), QValidator::Acceptable);
    QCOMPARE(edit->validator()->validate(refused, position), QValidator::Invalid);
}

void TestPropertyEditing::plainEditors_data()
{
    QTest::addColumn<bool>("withTemplates");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("type");

    QTest::newRow("lnType, no LNodeType open") << false << "LN" << "lnType" << "tName";
    QTest::newRow("DA type gets no DAType list") << true << "DA" << "type" << "tAnyName";
    QTest::newRow("BDA type gets no DAType list") << true << "BDA" << "type" << "tAnyName";
    QTest::newRow("type of a non-DO element") << true << "SDO" << "type" << "tName";
    QTest::newRow("simple type without facets") << false << "IED" << "name" << "tName";
    QTest::newRow("complex type without pattern") << false << "Voltage" << "value" << "tVoltage";
    QTest::newRow("other built-in type") << false << "LN" << "desc" << "xs:normalizedString";
    QTest::newRow("added row, no roles") << false << QString() << QString() << QString();
}

void TestPropertyEditing::plainEditors()
{
    QFETCH(bool, withTemplates);
    QFETCH(QString, element);
    QFETCH(QString, attribute);
    QFETCH(QString, type);

    if (withTemplates)
        XmlSchema::instance()->setDataTemplates(m_templates.get());
    auto *edit = qobject_cast<QLineEdit *>(editorFor(element, attribute, type));
    QVERIFY(edit);
    QVERIFY(!edit->validator());
}

void TestPropertyEditing::openAndCommit_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("cellText");
    QTest::addColumn<QString>("committed");

    QTest::newRow("boolean chosen") << "xs:boolean" << "false" << "false";
    QTest::newRow("boolean 1 selects nothing") << "xs:boolean" << "1" << "";
    QTest::newRow("enumeration is case-sensitive") << "tFCEnum" << "st" << "";
    QTest::newRow("enumeration literal") << "tFCEnum" << "MX" << "MX";
    QTest::newRow("unsigned clamps above") << "xs:unsignedInt" << "70000" << "65535";
    QTest::newRow("unsigned clamps below") << "xs:unsignedInt" << "-5" << "0";
    QTest::newRow("not a number reads 0") << "xs:unsignedInt" << "ten" << "0";
    QTest::newRow("integer clamps below") << "xs:integer" << "-40000" << "-32768";
    QTest::newRow("integer clamps above") << "xs:integer" << "40000" << "32767";
    QTest::newRow("plain text kept") << "xs:normalizedString" << " two words " << " two words ";
}

void TestPropertyEditing::openAndCommit()
{
    QFETCH(QString, type);
    QFETCH(QString, cellText);
    QFETCH(QString, committed);

    QWidget *editor = editorFor("DA", "attr", type, cellText);
    QVERIFY(editor);
    const QModelIndex index = m_model.index(0, 0);
    m_delegate.setModelData(editor, &m_model, index);
    QCOMPARE(index.data().toString(), committed);
}

void TestPropertyEditing::comboBoxWritesTheElement()
{
    std::unique_ptr<XmlObject> ln(makeElement("LN", nullptr, {{"lnClass", "XCBR"}}));
    QTableWidget table(1, 2);
    auto *item = new objectTableWidgetItem(QStringLiteral("XCBR"), ln.get());
    table.setItem(0, 0, item);
    QCOMPARE(item->type(), 0);
    QCOMPARE(static_cast<objectTableWidgetItem *>(table.item(0, 0))->object, ln.get());

    auto *combo = new objectComboBox(ln.get(), QStringLiteral("lnType"));
    QVERIFY(!combo->parentWidget());
    QCOMPARE(combo->count(), 0);
    combo->addItems({"LN_XCBR", "LN_CSWI"});
    table.setCellWidget(0, 1, combo);
    QCOMPARE(combo->parentWidget(), table.viewport());
    connect(combo, &QComboBox::currentTextChanged, combo, &objectComboBox::slotCurrentTextChanged);

    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    combo->setCurrentIndex(1);
    combo->setCurrentIndex(-1);
    qInstallMessageHandler(previous);

    QVERIFY(ln->attributes.contains("lnType"));
    QCOMPARE(ln->attribute("lnType"), QString());
    QCOMPARE(logged, QStringList({"Modify record: name = LN->lnType, Val change to [LN_CSWI].",
                                  "Modify record: name = LN->lnType, Val change to []."}));
}

void TestPropertyEditing::rowsForANewLN()
{
    DlgProperty dialog(nullptr, schemaRows("LN"), "LN");
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Property Editor"));
    QVERIFY(dialog.findChild<QPushButton *>("cancelbtn")->isDefault());
    QVERIFY(!dialog.findChild<QPushButton *>("okBtn")->isDefault());

    QTableWidget *table = tableOf(dialog);
    QCOMPARE(table->rowCount(), 5);
    QVERIFY(qobject_cast<PropertyDelegate *>(table->itemDelegateForColumn(1)));
    QVERIFY(!table->itemDelegateForColumn(0));

    const QColor required(255, 253, 176);
    const QMap<QString, bool> expectRequired{
        {"lnClass", true}, {"inst", true}, {"lnType", true}, {"prefix", false}, {"desc", false}};
    for (auto it = expectRequired.begin(); it != expectRequired.end(); ++it) {
        const int row = rowNamed(table, it.key());
        QVERIFY2(row >= 0, qPrintable(it.key()));
        const QTableWidgetItem *name = table->item(row, 0);
        const QTableWidgetItem *value = table->item(row, 1);
        QVERIFY(!(name->flags() & Qt::ItemIsEditable));
        QVERIFY(value->flags() & Qt::ItemIsEditable);
        QCOMPARE(name->background().color() == required, it.value());
        QCOMPARE(value->background().color() == required, it.value());
        QCOMPARE(value->data(Qt::UserRole).toInt() == DlgProperty::RequiredMark, it.value());
        QCOMPARE(value->data(PropertyDelegate::AttributeRole).toString(), it.key());
        QCOMPARE(value->data(PropertyDelegate::ElementRole).toString(), QStringLiteral("LN"));
    }
    QCOMPARE(table->item(rowNamed(table, "inst"), 1)->data(PropertyDelegate::TypeRole).toString(),
             QStringLiteral("xs:unsignedInt"));
}

void TestPropertyEditing::requiredValues_data()
{
    QTest::addColumn<QString>("lnClass");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("empty refused") << "" << false;
    QTest::newRow("blanks kept") << "  " << true;
}

void TestPropertyEditing::requiredValues()
{
    QFETCH(QString, lnClass);
    QFETCH(bool, accepted);

    DlgProperty dialog(nullptr, schemaRows("LN"), "LN");
    auto *prompt = new RecordingPrompt;
    dialog.setUserPrompt(prompt);
    setValue(dialog, "lnClass", lnClass);
    setValue(dialog, "inst", "1");
    setValue(dialog, "lnType", "LN_XCBR");
    dialog.slotOk();

    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    if (accepted) {
        QVERIFY(prompt->informed.isEmpty());
        QCOMPARE(dialog.values().value("lnClass"), lnClass);
        QVERIFY(dialog.values().contains("desc"));
    } else {
        QCOMPARE(prompt->informed, QStringList("[lnClass] is required key, Value can't be empty."));
        QVERIFY(dialog.values().isEmpty());
    }
}

void TestPropertyEditing::valueRowAndOptionalValues()
{
    const QList<PropertyRow> rows{{"name", "tName", "Val1", 0},
                                  {"desc", "xs:normalizedString", "", 1},
                                  {"value", "", "42", 1},
                                  {"desc", "xs:normalizedString", "later", 1}};
    DlgProperty dialog(nullptr, rows, "Test");
    dialog.slotOk();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QMap<QString, QString> expected{{"name", "Val1"}, {"desc", "later"}};
    QCOMPARE(dialog.values(), expected);
    QCOMPARE(dialog.valueText(), QStringLiteral("42"));
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
                                          << QStringList{"prefix", "Q0", "lnClass", "XCBR", "inst", "2"}
                                          << QString();
    QTest::newRow("LN without the prefix") << "LDevice" << "LN"
                                           << QStringList{"lnClass", "XCBR", "inst", "1"} << QString();
    QTest::newRow("LN0 against LN0 only") << "LDevice" << "LN0"
                                          << QStringList{"lnClass", "LLN0", "inst", ""} << lnKey;
    QTest::newRow("LN0 with an LN's key") << "LDevice" << "LN0"
                                          << QStringList{"prefix", "Q0", "lnClass", "XCBR", "inst", "1"}
                                          << QString();
    QTest::newRow("SubNetwork by its own name") << "Communication" << "SubNetwork"
                                                << QStringList{"name", "Bus"}
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
    DlgProperty dialog(parent.get(), rows, elementName);
    auto *prompt = new RecordingPrompt;
    dialog.setUserPrompt(prompt);
    dialog.slotOk();

    if (refusal.isEmpty()) {
        QVERIFY(prompt->informed.isEmpty());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    } else {
        QCOMPARE(prompt->informed, QStringList(refusal));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.values().isEmpty());
    }
}

void TestPropertyEditing::addedRows()
{
    DlgProperty dialog(nullptr, schemaRows("LN"), "LN");
    QTableWidget *table = tableOf(dialog);
    dialog.slotAdd();
    dialog.slotAdd();
    QCOMPARE(table->rowCount(), 7);
    QCOMPARE(table->item(5, 0)->text(), QStringLiteral("New Item 6"));
    QCOMPARE(table->item(6, 0)->text(), QStringLiteral("New Item 7"));
    QVERIFY(table->item(6, 0)->flags() & Qt::ItemIsEditable);
    QCOMPARE(table->item(6, 1)->text(), QString());
    QVERIFY(table->item(6, 1)->data(PropertyDelegate::TypeRole).isNull());

    table->setCurrentCell(-1, -1);
    dialog.slotDelete();
    QCOMPARE(table->rowCount(), 7);
    table->setCurrentCell(2, 1);
    dialog.slotDelete();
    QCOMPARE(table->rowCount(), 7);
    table->setCurrentCell(5, 0);
    dialog.slotDelete();
    QCOMPARE(table->rowCount(), 6);
    QCOMPARE(table->item(5, 0)->text(), QStringLiteral("New Item 7"));

    table->item(5, 0)->setText("vendor");
    table->item(5, 1)->setText("Norvane");
    setValue(dialog, "lnClass", "XCBR");
    setValue(dialog, "inst", "1");
    setValue(dialog, "lnType", "LN_XCBR");
    dialog.slotOk();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.values().value("vendor"), QStringLiteral("Norvane"));
}

void TestPropertyEditing::addedRowNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("default name has a blank") << "New Item 1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("starts with a digit") << "1st" << false;
    QTest::newRow("undeclared prefix") << "ext:tag" << false;
    QTest::newRow("namespace declaration") << "xmlns" << false;
    QTest::newRow("markup inside") << "a=\"\" b" << false;
    QTest::newRow("quote") << "a\"" << false;
    QTest::newRow("letters, digits, marks") << "_vendor-tag.2" << true;
    QTest::newRow("non-ASCII letters") << "größe" << true;
    QTest::newRow("predeclared xml prefix") << "xml:lang" << true;
}

void TestPropertyEditing::addedRowNames()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);

    DlgProperty dialog(nullptr, {{"desc", "xs:normalizedString", "", 1}}, "LN");
    auto *prompt = new RecordingPrompt;
    dialog.setUserPrompt(prompt);
    dialog.slotAdd();
    QTableWidget *table = tableOf(dialog);
    table->item(1, 0)->setText(name);
    table->item(1, 1)->setText("x");
    dialog.slotOk();

    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    if (accepted) {
        QCOMPARE(dialog.values().value(name), QStringLiteral("x"));
    } else {
        QCOMPARE(prompt->informed.size(), 1);
        QVERIFY2(prompt->informed.first().startsWith(QStringLiteral("[%1] is not a valid attribute name").arg(name)),
                 qPrintable(prompt->informed.first()));
        QVERIFY(dialog.values().isEmpty());
    }
}

void TestPropertyEditing::prefixName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("prefix");

    QTest::newRow("blanks around") << "  P1_ " << "P1_";
    QTest::newRow("blanks only") << "   " << "";
    QTest::newRow("nothing") << "" << "";
}

void TestPropertyEditing::prefixName()
{
    QFETCH(QString, typed);
    QFETCH(QString, prefix);

    DlgPrefixName dialog;
    auto *prompt = new RecordingPrompt;
    dialog.setUserPrompt(prompt);
    QVERIFY(dialog.findChild<QPushButton *>("cancelbtn")->isDefault());
    dialog.findChild<QLineEdit *>("lineEdit")->setText(typed);
    dialog.findChild<QPushButton *>("okBtn")->click();

    QCOMPARE(dialog.prefixName(), prefix);
    QCOMPARE(dialog.result() == QDialog::Accepted, !prefix.isEmpty());
    QCOMPARE(prompt->informed, prefix.isEmpty() ? QStringList("Please enter the content.") : QStringList());
}

QTEST_MAIN(TestPropertyEditing)
#include "tst_propertyediting.moc"
