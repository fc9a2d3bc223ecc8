#include "guitestsupport.h"
#include "objectcombobox.h"
#include "sclied.h"
#include "scltableview.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace {

enum Tab { DeviceTab, NodeTab, DataSetTab, GseTab, SmvTab, InputTab, ReportTab, LogTab };

const QString Fixture = QStringLiteral(KESTREL_TEST_DATA "/views/ied.scd");

objectComboBox *choice(const QTableWidget *table, const XmlObject *element, const QString &header)
{
    const QTableWidgetItem *item = itemOf(table, element);
    return item ? qobject_cast<objectComboBox *>(table->cellWidget(item->row(), columnOf(table, header))) : nullptr;
}

// Whether element's row is the one selected (the tables select one row at most).
bool selected(const QTableWidget *table, const XmlObject *element)
{
    return table->selectionModel()->isRowSelected(itemOf(table, element)->row(), {});
}

// Every element's attributes, to show that nothing changed.
QList<AttributeMap> attributesBelow(const XmlObject *element)
{
    QList<AttributeMap> all{element->attributes};
    for (const XmlObject *child : element->children)
        all += attributesBelow(child);
    return all;
}

} // namespace

class TestIedView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup() { closeWindow(); }
    void openingShowsOneViewPerIed();
    void viewingChangesNothingEditsAreChecked();
    void logicalNodeZeroKeepsItsFixedValues_data();
    void logicalNodeZeroKeepsItsFixedValues();
    void buttonsMoveAndDelete();
    void selectingFromTheTree();
    void fcdaTableShowsAndEditsDescriptions();
    void controlBlockChoices();
    void wheelOverAChoiceScrollsTheTable_data();
    void wheelOverAChoiceScrollsTheTable();
    void rptEnabledMaxShowsTheFile_data();
    void rptEnabledMaxShowsTheFile();
    void rptEnabledFollowsTheUser();
    void inputsShowSignalDescriptions();

private:
    sclIed *view() const { return qobject_cast<sclIed *>(window->findView("IED - P1")->widget()); }
    template<typename T = sclTableView>
    T *widget(const char *name) const { return view()->findChild<T *>(name); }
    XmlObject *find(const QString &name, const QString &key, const QString &value) const
    {
        return window->document().first()->findDescendant(name, key, value);
    }
    void clickButton(const char *name) { QTest::mouseClick(widget<QPushButton>(name), Qt::LeftButton); }
    void clickRow(const char *table, const XmlObject *row) { clickCell(itemOf(widget(table), row)); }
    QList<bool> buttons(const char *up, const char *down, const char *remove) const
    {
        return {widget<QPushButton>(up)->isEnabled(), widget<QPushButton>(down)->isEnabled(),
                widget<QPushButton>(remove)->isEnabled()};
    }
    // Chooses the node in the tree, then clicks one of the view's tabs.
    void showNode(XmlObject *node, int tab)
    {
        clickInTree(node);
        auto *bar = widget<QTabWidget>("tabWidget")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
    XmlObject *m_ln0 = nullptr; // LN0 of device PROT: data sets, control blocks, inputs
};

void TestIedView::init()
{
    m_prompt = openCopy(m_dir, Fixture, m_file);
    QVERIFY(m_prompt && !window->document().isEmpty());
    clickInTree(find("IED", "name", "P1"));
    QVERIFY(window->findView("IED - P1"));
    m_ln0 = find("LDevice", "inst", "PROT")->findChild("LN0");
    logged.clear();
}

void TestIedView::openingShowsOneViewPerIed()
{
    QMdiArea *area = window->mdiArea();
    QMdiSubWindow *own = window->findView("IED - P1");
    // A faulty file with two IEDs of one name: each still gets a view of its own.
    XmlObject *other = find("IED", "name", "M1");
    other->attributes.insert("name", "P1");
    clickInTree(other);
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(qobject_cast<sclIed *>(area->activeSubWindow()->widget())->ied, other);
    // An element inside an IED brings its IED's view forward.
    clickInTree(find("FCDA", "doName", "Str"));
    QCOMPARE(area->activeSubWindow(), own);
}

// Saving what the views edit is the end-to-end tests' part.
void TestIedView::viewingChangesNothingEditsAreChecked()
{
    const auto before = attributesBelow(window->document().first());
    // Every table of the view, the report clients included.
    for (int tab = NodeTab; tab <= LogTab; ++tab)
        showNode(m_ln0, tab);
    clickRow("RpTableWidget", find("ReportControl", "name", "rcA"));
    QCOMPARE(widget("CLnTableWidget")->rowCount(), 2);
    showNode(m_ln0, DataSetTab);
    XmlObject *dsA = find("DataSet", "name", "dsA");
    XmlObject *dsB = find("DataSet", "name", "dsB");
    clickRow("DataSetTableWidget", dsA);
    QCOMPARE(widget("FcdaTableWidget")->rowCount(), 4);
    QVERIFY(attributesBelow(window->document().first()) == before);

    auto *table = widget("DataSetTableWidget");
    auto *save = action("actionSave");
    QTableWidgetItem *name = cellOf(table, dsA, "name");
    QTableWidgetItem *desc = cellOf(table, dsA, "desc");
    QVERIFY(editCell(name, " "));
    QCOMPARE(m_prompt->warnings, QStringList{"This is required key, Value can't be empty."});
    QCOMPARE(name->text(), QString("dsA"));
    QCOMPARE(dsA->attribute("name"), QString("dsA"));
    QVERIFY(records().isEmpty() && !save->isEnabled());

    QVERIFY(editCell(desc, "  Trip events "));
    QCOMPARE(dsA->attribute("desc"), desc->text());
    QVERIFY(dsA->treeItem->text(0).contains("Trip events"));
    QCOMPARE(records(), QStringList{"Modify record: name = DataSet->desc, Val from [first] to [Trip events]."});
    QVERIFY(save->isEnabled());
    // The same text again is no change; an optional value may be emptied.
    QVERIFY(editCell(desc, "Trip events "));
    QVERIFY(editCell(cellOf(table, dsB, "desc"), ""));
    QCOMPARE(dsB->attributes.value("desc", "<absent>"), QString(""));
    QCOMPARE(records().size(), 2);
}

void TestIedView::logicalNodeZeroKeepsItsFixedValues_data()
{
    QTest::addColumn<QString>("lnClass");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("editable");
    QTest::newRow("LN0 lnClass") << "LLN0" << "lnClass" << "LLN0" << false;
    QTest::newRow("LN0 inst") << "LLN0" << "inst" << "" << false;
    QTest::newRow("LN0 prefix") << "LLN0" << "prefix" << "" << false;
    QTest::newRow("LN0 lnType") << "LLN0" << "lnType" << "T_LLN0" << true;
    QTest::newRow("LN inst") << "PTOC" << "inst" << "1" << true;
}

// LN0's class, instance and prefix are fixed: editing them would break every reference to LLN0.
void TestIedView::logicalNodeZeroKeepsItsFixedValues()
{
    QFETCH(QString, lnClass);
    QFETCH(QString, attribute);
    QFETCH(QString, shown);
    QFETCH(bool, editable);
    XmlObject *node = lnClass == "LLN0" ? m_ln0 : find("LN", "lnClass", lnClass);
    showNode(m_ln0, NodeTab);
    auto *table = widget("LnTableWidget");
    QTableWidgetItem *item = cellOf(table, node, attribute);
    QVERIFY(item);
    QCOMPARE(item->text(), shown);
    // Yellow asks for a value: a fixed one asks for nothing.
    QCOMPARE(yellow(item), editable);
    const AttributeMap before = node->attributes;
    QCOMPARE(editCell(item, "7") != nullptr, editable);
    QCOMPARE(item->text(), editable ? QString("7") : shown);
    QCOMPARE(node->attribute(attribute), editable ? QString("7") : shown);
    QCOMPARE(node->attributes == before, !editable);
}

void TestIedView::buttonsMoveAndDelete()
{
    XmlObject *dsA = find("DataSet", "name", "dsA");
    showNode(m_ln0, DataSetTab);
    QCOMPARE(buttons("DataSetUpBtn", "DataSetDownBtn", "DataSetDeleteBtn"), (QList<bool>{false, false, false}));
    clickRow("DataSetTableWidget", dsA);
    QCOMPARE(buttons("DataSetUpBtn", "DataSetDownBtn", "DataSetDeleteBtn"), (QList<bool>{false, true, true}));
    clickButton("DataSetDeleteBtn");
    // Its control blocks would name nothing: the question says so.
    QCOMPARE(m_prompt->asked, QStringList{"Delete the element, whether to continue ?\n"
                                          "10 references in the file name it: they will name nothing."});
    QVERIFY(!m_ln0->children.contains(dsA));
    QCOMPARE(logged.last(), QString("Modify record: DataSet name = dsA desc = first, delete."));
    QCOMPARE(columnTexts(widget("DataSetTableWidget"), "name"), QStringList{"dsB"});
    QCOMPARE(widget("FcdaTableWidget")->rowCount(), 0);

    // LN0 is no LN: the first LN has nothing to trade places with.
    showNode(m_ln0, NodeTab);
    clickRow("LnTableWidget", find("LN", "lnClass", "PTOC"));
    QCOMPARE(buttons("LnUpBtn", "LnDownBtn", "LnDeleteBtn"), (QList<bool>{false, true, true}));

    // Devices move within their access point; the choice above the tabs follows.
    XmlObject *device = m_ln0->parent;
    showNode(m_ln0, DeviceTab);
    clickRow("LdTableWidget", device);
    clickButton("upBtn");
    QCOMPARE(logged.last(), QString("Modify record: LDevice inst = PROT desc = Protection, move up."));
    // The devices of both access points, access point by access point.
    QCOMPARE(entries(widget<QComboBox>("LdComboBox")),
             (QStringList{"PROT - Protection", "LD0 - System", "MEAS - Measurement"}));
    clickRow("LdTableWidget", find("LDevice", "inst", "MEAS"));
    QCOMPARE(buttons("upBtn", "downBtn", "deleteBtn"), (QList<bool>{false, false, true}));
    // An edited description shows in the choice at once.
    QVERIFY(editCell(cellOf(widget("LdTableWidget"), device, "desc"), "Main"));
    QCOMPARE(entries(widget<QComboBox>("LdComboBox")).first(), QString("PROT - Main"));
}

void TestIedView::selectingFromTheTree()
{
    XmlObject *member = find("FCDA", "doName", "A.phsA");
    clickInTree(member);
    QCOMPARE(widget<QTabWidget>("tabWidget")->currentIndex(), int(DataSetTab));
    auto *dataSets = widget("DataSetTableWidget");
    auto *members = widget("FcdaTableWidget");
    QVERIFY(selected(dataSets, find("DataSet", "name", "dsA")) && selected(members, member));
    // The selected member acts as clicked: its buttons and its data instance show.
    QVERIFY(widget<QPushButton>("FcdaDeleteBtn")->isEnabled());
    auto *instances = window->findChild<QTreeWidget *>("instanceTreeWidget");
    QVERIFY(instances->topLevelItemCount() > 0);
    clickRow("FcdaTableWidget", find("FCDA", "doName", "Str"));
    QCOMPARE(static_cast<XmlTreeItem *>(instances->topLevelItem(0))->element(),
             find("DOI", "name", "Str")->children.first());

    QVERIFY(chooseEntry(widget<QComboBox>("LdComboBox"), "MEAS - Measurement"));
    QCOMPARE(entries(widget<QComboBox>("LnComboBox")), (QStringList{"LLN0 - Meas head", "MMXU2 - Busbar"}));
    QCOMPARE(dataSets->rowCount(), 0);
}

void TestIedView::fcdaTableShowsAndEditsDescriptions()
{
    XmlObject *start = find("FCDA", "doName", "Str");
    showNode(m_ln0, DataSetTab);
    clickRow("DataSetTableWidget", find("DataSet", "name", "dsA"));
    auto *table = widget("FcdaTableWidget");
    // A structured name reaches one SDI deep; a member without a data object has no description.
    QCOMPARE(columnTexts(table, "dU-Val"), (QStringList{"Start", "Current L1", "Current L1", "<none>"}));

    XmlObject *du = find("DOI", "name", "Str")->findChild("DAI", "name", "dU");
    QVERIFY(editCell(cellOf(table, start, "dU-Val"), " Start stage 1 "));
    QCOMPARE(du->findChild("Val")->value, QString("Start stage 1"));
    QVERIFY(!du->attributes.contains("dU-Val") && !start->attributes.contains("dU-Val"));
    QCOMPARE(logged.last(), QString("Modify record: name = DAI->dU-Val, Val from [Start] to [Start stage 1]."));

    // Any cell of a row stands for the row's member: Delete takes the member, not its description.
    clickCell(cellOf(table, start, "dU-Val"));
    clickButton("FcdaDeleteBtn");
    QVERIFY(!find("DataSet", "name", "dsA")->children.contains(start));
    QCOMPARE(du->parent->children.count(du), 1);
}

void TestIedView::controlBlockChoices()
{
    showNode(m_ln0, GseTab);
    XmlObject *gcA = find("GSEControl", "name", "gcA");
    // A data set that does not exist is not offered, and nothing is written for it.
    objectComboBox *dataSet = choice(widget("GseTableWidget"), gcA, "datSet");
    QCOMPARE(entries(dataSet), (QStringList{"dsA", "dsB"}));
    QCOMPARE(dataSet->currentIndex(), -1);
    QVERIFY(chooseEntry(dataSet, "dsB"));
    QCOMPARE(gcA->attribute("datSet"), QString("dsB"));
    QCOMPARE(records(), QStringList{"Modify record: name = GSEControl->datSet, Val change to [dsB]."});

    // Every trigger the schema knows gets a column, also those the block leaves out.
    showNode(m_ln0, ReportTab);
    XmlObject *rcA = find("ReportControl", "name", "rcA");
    QCOMPARE(choice(widget("RpTableWidget"), rcA, "dchg")->currentText(), QString("true"));
    QCOMPARE(choice(widget("RpTableWidget"), rcA, "dupd")->currentIndex(), -1);
    QCOMPARE(rcA->findChild("TrgOps")->attributes.keys(), QStringList{"dchg"});
    QVERIFY(chooseEntry(choice(widget("RpTableWidget"), rcA, "dupd"), "false"));
    QCOMPARE(rcA->findChild("TrgOps")->attribute("dupd"), QString("false"));
}

void TestIedView::wheelOverAChoiceScrollsTheTable_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("header");
    QTest::newRow("GSEControl datSet") << int(GseTab) << "GseTableWidget" << "datSet";
    QTest::newRow("GSEControl type") << int(GseTab) << "GseTableWidget" << "type";
    QTest::newRow("SMV multicast") << int(SmvTab) << "SmvTableWidget" << "multicast";
    QTest::newRow("SmvOpts") << int(SmvTab) << "SmvTableWidget" << "sampleRate";
    QTest::newRow("Report buffered") << int(ReportTab) << "RpTableWidget" << "buffered";
    QTest::newRow("TrgOps") << int(ReportTab) << "RpTableWidget" << "dchg";
    QTest::newRow("OptFields") << int(ReportTab) << "RpTableWidget" << "seqNum";
    QTest::newRow("LogControl logEna") << int(LogTab) << "LogTableWidget" << "logEna";
}

// A wheel turned while the pointer passes over a drop-down scrolls the table and changes nothing.
void TestIedView::wheelOverAChoiceScrollsTheTable()
{
    QFETCH(int, tab);
    QFETCH(QString, table);
    QFETCH(QString, header);
    window->findView("IED - P1")->resize(700, 190);
    showNode(m_ln0, tab);
    auto *blocks = widget(qPrintable(table));
    const auto before = attributesBelow(m_ln0);
    auto *box = qobject_cast<objectComboBox *>(blocks->cellWidget(0, columnOf(blocks, header)));
    QVERIFY(box);
    const QString shown = box->currentText();
    QScrollBar *bar = blocks->verticalScrollBar();
    QVERIFY2(bar->maximum() > 0 && bar->value() == 0, "the table must have room to scroll down");
    turnWheel(box, -1);
    QCOMPARE(box->currentText(), shown);
    QVERIFY(attributesBelow(m_ln0) == before);
    QVERIFY(records().isEmpty());
    QVERIFY(!action("actionSave")->isEnabled());
    QVERIFY(bar->value() > 0);
}

void TestIedView::rptEnabledMaxShowsTheFile_data()
{
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("shown");
    QTest::newRow("above the old limit of 64") << "rcC" << "99";
    QTest::newRow("absent: the schema's default") << "rcD" << "1";
    QTest::newRow("no RptEnabled: what a new one means") << "rcB" << "1";
}

// The box shows what the file holds, whatever the block clicked before held, and showing it writes nothing.
void TestIedView::rptEnabledMaxShowsTheFile()
{
    QFETCH(QString, block);
    QFETCH(QString, shown);
    showNode(m_ln0, ReportTab);
    auto *max = widget<QAbstractSpinBox>("RpMaxSpinBox");
    const auto before = attributesBelow(m_ln0);
    clickRow("RpTableWidget", find("ReportControl", "name", "rcA"));
    QCOMPARE(max->text(), QString("5"));
    clickRow("RpTableWidget", find("ReportControl", "name", block));
    QCOMPARE(max->text(), shown);
    turnWheel(max, 1); // passing over the box on the way through the view
    QCOMPARE(max->text(), shown);
    QVERIFY(attributesBelow(m_ln0) == before);
    QVERIFY(records().isEmpty());
}

void TestIedView::rptEnabledFollowsTheUser()
{
    showNode(m_ln0, ReportTab);
    auto *enabled = widget<QCheckBox>("RpEnableCheckBox");
    auto *max = widget<QAbstractSpinBox>("RpMaxSpinBox");
    auto *desc = widget<QLineEdit>("RpDescLineEdit");
    XmlObject *rcA = find("ReportControl", "name", "rcA");
    XmlObject *rcB = find("ReportControl", "name", "rcB");
    QVERIFY(!enabled->isEnabled() && !max->isEnabled() && !desc->isEnabled());

    clickRow("RpTableWidget", rcA);
    QVERIFY(enabled->isChecked() && max->isEnabled() && desc->isEnabled());
    QCOMPARE(desc->text(), QString("x"));
    typeInto(max, "12");
    commitEditor(max);
    QCOMPARE(rcA->findChild("RptEnabled")->attribute("max"), QString("12"));
    // Typing is one change, not one per digit.
    QCOMPARE(records(), QStringList{"Modify record: name = RptEnabled->max, Val change to [12]."});

    clickRow("RpTableWidget", rcB);
    QVERIFY(!enabled->isChecked() && enabled->isEnabled());
    QVERIFY(desc->text().isEmpty() && !max->isEnabled() && !desc->isEnabled());
    QTest::mouseClick(enabled, Qt::LeftButton);
    QVERIFY(max->isEnabled() && desc->isEnabled());
    // A new one holds nothing the user has not set: max means the schema's default.
    QCOMPARE(rcB->findChild("RptEnabled")->attributes.keys(), QStringList());
    QCOMPARE(records().last(), QString("Modify record: name = ReportControl, RptEnabled effective, max = 1, desc = ."));
    QTest::mouseClick(enabled, Qt::LeftButton);
    QVERIFY(!rcB->findChild("RptEnabled"));
    QCOMPARE(records().last(), QString("Modify record: name = ReportControl, RptEnabled invalid."));
    QVERIFY(rcA->findChild("RptEnabled")); // the other block keeps its own
}

void TestIedView::inputsShowSignalDescriptions()
{
    showNode(m_ln0, InputTab);
    auto *table = widget("InputTableWidget");
    // The second refers to nothing; data object A has its dU in an SDI only.
    QCOMPARE(columnTexts(table, "External signal description"),
             (QStringList{"Phase L1 current", "<none>", "Phase L1 current"}));
    QCOMPARE(columnTexts(table, "Internal signal description"), (QStringList{"Start", "<none>", "<none>"}));
    // They show other elements' text: not edited here.
    QVERIFY(!editCell(table->item(0, columnOf(table, "Internal signal description")), "x"));
}

QTEST_MAIN(TestIedView)
#include "tst_iedview.moc"
