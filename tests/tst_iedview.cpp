#include "attribute.h"
#include "guitestsupport.h"
#include "testtree.h"
#include "kestrel.h"
#include "objectcombobox.h"
#include "objecttablewidgetitem.h"
#include "sclied.h"
#include "scltableview.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmltreeitem.h"

#include <QtTest>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

#include <functional>

namespace {

enum Tab { DeviceTab, NodeTab, DataSetTab, GseTab, SmvTab, InputTab, ReportTab, LogTab };

const QString Refused = QStringLiteral("This is required key, Value can't be empty.");

// The first cell that carries element.
QTableWidgetItem *itemOf(const QTableWidget *table, const XmlObject *element)
{
    for (int r = 0; r < table->rowCount(); ++r) {
        for (int c = 0; c < table->columnCount(); ++c) {
            auto *item = dynamic_cast<objectTableWidgetItem *>(table->item(r, c));
            if (item && item->object == element)
                return item;
        }
    }
    return nullptr;
}

int row(const QTableWidget *table, const XmlObject *element)
{
    const QTableWidgetItem *item = itemOf(table, element);
    return item ? item->row() : -1;
}

int column(const QTableWidget *table, const QString &header)
{
    for (int c = 0; c < table->columnCount(); ++c) {
        if (table->horizontalHeaderItem(c)->text() == header)
            return c;
    }
    return -1;
}

// The cell in element's row under header; null when there is none.
QTableWidgetItem *cell(const QTableWidget *table, const XmlObject *element, const QString &header)
{
    const int r = row(table, element), c = column(table, header);
    return r < 0 || c < 0 ? nullptr : table->item(r, c);
}

QString textOf(const QTableWidget *table, const XmlObject *element, const QString &header)
{
    const QTableWidgetItem *item = cell(table, element, header);
    return item ? item->text() : QStringLiteral("<none>");
}

objectComboBox *choice(const QTableWidget *table, const XmlObject *element, const QString &header)
{
    const int r = row(table, element), c = column(table, header);
    return r < 0 || c < 0 ? nullptr : qobject_cast<objectComboBox *>(table->cellWidget(r, c));
}

// The one selected row; -2 (no row's index, not even a missing one's) otherwise.
int selectedRow(const QTableWidget *table)
{
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() : -2;
}

void click(sclTableView *table, const XmlObject *element)
{
    QTableWidgetItem *item = itemOf(table, element);
    QVERIFY2(item, "no row for the element");
    emit table->itemClicked(item);
}

// As a double-click and typing would.
void edit(sclTableView *table, QTableWidgetItem *item, const QString &text)
{
    QVERIFY2(item, "no cell to edit");
    table->slotItemDoubleClicked(item);
    item->setText(text);
}

QStringList entries(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; box && i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
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
    void cellEditsAreTrimmedCheckedAndSaved();
    void logicalNodeTableAndViewingChangesNothing();
    void buttonsMoveAndDelete();
    void selectingFromTheTree();
    void fcdaTableShowsAndEditsDescriptions();
    void controlBlockChoices();
    void reportControlRptEnabled();
    void inputsShowSignalDescriptions();

private:
    sclIed *view() const { return qobject_cast<sclIed *>(window->findView("IED - P1")->widget()); }
    template<typename T = sclTableView>
    T *widget(const char *name) const { return view()->findChild<T *>(name); }
    XmlObject *find(const QString &name, const QString &key, const QString &value) const
    {
        return window->document().first()->findDescendant(name, key, value);
    }
    QList<bool> buttons(const char *up, const char *down, const char *remove) const
    {
        return {widget<QPushButton>(up)->isEnabled(), widget<QPushButton>(down)->isEnabled(),
                widget<QPushButton>(remove)->isEnabled()};
    }
    // Chooses the node through the tree, as a user would, then opens one of its tabs.
    void showNode(XmlObject *node, int tab)
    {
        window->slotXmlItemClicked(node->treeItem);
        widget<QTabWidget>("tabWidget")->setCurrentIndex(tab);
        view()->slotTabBarClicked(tab);
    }

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
    XmlObject *m_ied = nullptr;
    XmlObject *m_ln0 = nullptr; // LN0 of device PROT: data sets, control blocks, inputs
};

void TestIedView::init()
{
    m_file = m_dir.filePath("ied.scd");
    QFile::remove(m_file);
    QVERIFY(QFile::copy(QStringLiteral(KESTREL_TEST_DATA "/views/ied.scd"), m_file));
    QFile(m_file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    m_prompt = openWindow(m_file);
    QVERIFY(!window->document().isEmpty());
    m_ied = find("IED", "name", "P1");
    window->slotXmlItemClicked(m_ied->treeItem);
    QVERIFY(window->findView("IED - P1"));
    m_ln0 = find("LDevice", "inst", "PROT")->findChild("LN0");
    QVERIFY(m_ln0->treeItem);
    logged.clear();
}

void TestIedView::openingShowsOneViewPerIed()
{
    // Sub-windows become active only on a shown window.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QMdiArea *area = window->mdiArea();
    QMdiSubWindow *own = window->findView("IED - P1");
    QCOMPARE(area->subWindowList().size(), 1);
    // The devices of both access points, access point by access point.
    QCOMPARE(entries(widget<QComboBox>("LdComboBox")),
             (QStringList{"LD0 - System", "PROT - Protection", "MEAS - Measurement"}));
    QCOMPARE(widget("LdTableWidget")->rowCount(), 3);
    QVERIFY(!widget<QComboBox>("LdComboBox")->isEnabled());
    QVERIFY(!widget<QComboBox>("LnComboBox")->isEnabled());

    XmlObject *other = find("IED", "name", "M1");
    window->slotXmlItemClicked(other->treeItem);
    window->slotXmlItemClicked(m_ied->treeItem);
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(area->activeSubWindow(), own);
    window->slotXmlItemClicked(other->treeItem);
    QCOMPARE(area->activeSubWindow(), window->findView("IED - M1"));
    window->slotXmlItemClicked(find("FCDA", "doName", "Str")->treeItem);
    QCOMPARE(area->subWindowList().size(), 2);
    QCOMPARE(area->activeSubWindow(), own);

    // A faulty file with two IEDs of one name: each still gets a view of its own.
    other->attributes.insert("name", "P1");
    window->slotXmlItemClicked(other->treeItem);
    QCOMPARE(area->subWindowList().size(), 3);
    QCOMPARE(qobject_cast<sclIed *>(area->activeSubWindow()->widget())->ied, other);
    window->slotXmlItemClicked(m_ied->treeItem);
    QCOMPARE(area->activeSubWindow(), own);
}

void TestIedView::cellEditsAreTrimmedCheckedAndSaved()
{
    XmlObject *dsA = find("DataSet", "name", "dsA");
    showNode(m_ln0, DataSetTab);
    auto *table = widget("DataSetTableWidget");
    auto *save = window->findChild<QAction *>("actionSave");
    QTableWidgetItem *name = cell(table, dsA, "name");
    QTableWidgetItem *desc = cell(table, dsA, "desc");
    QVERIFY(name && desc);
    QCOMPARE(name->background().color(), QColor(255, 253, 176));
    QVERIFY(desc->background().color() != attribute::RequiredColor);

    edit(table, desc, "  first ");
    edit(table, name, " ");
    QCOMPARE(m_prompt->warnings, QStringList{Refused});
    QCOMPARE(name->text(), QString("dsA"));
    QCOMPARE(dsA->attribute("name"), QString("dsA"));
    QVERIFY(logged.isEmpty());
    QVERIFY(!save->isEnabled());

    edit(table, desc, "  Trip events ");
    QCOMPARE(dsA->attribute("desc"), QString("Trip events"));
    QCOMPARE(desc->text(), QString("Trip events"));
    QVERIFY(dsA->treeItem->text(0).contains("Trip events"));
    QCOMPARE(logged.last(), QString("Modify record: name = DataSet->desc, Val from [first] to [Trip events]."));
    QVERIFY(save->isEnabled());

    save->trigger();
    QList<XmlObject *> saved = XmlReader::load(m_file);
    QList<XmlObject *> original = XmlReader::load(QStringLiteral(KESTREL_TEST_DATA "/views/ied.scd"));
    QCOMPARE(saved.size(), 1);
    XmlObject *changed = saved.first()->findDescendant("DataSet", "name", "dsA");
    QCOMPARE(changed->attribute("desc"), QString("Trip events"));
    changed->attributes.insert("desc", "first");
    QVERIFY(sameTree(saved.first(), original.first()));
    qDeleteAll(saved);
    qDeleteAll(original);

    // An optional value may be emptied: the attribute stays, empty.
    XmlObject *dsB = find("DataSet", "name", "dsB");
    edit(table, cell(table, dsB, "desc"), "");
    QVERIFY(dsB->attributes.contains("desc"));
    QCOMPARE(dsB->attribute("desc"), QString(""));
    QCOMPARE(logged.last(), QString("Modify record: name = DataSet->desc, Val from [second] to []."));
    QCOMPARE(m_prompt->warnings.size(), 1);
}

void TestIedView::logicalNodeTableAndViewingChangesNothing()
{
    QHash<const XmlObject *, AttributeMap> before;
    const std::function<void(const XmlObject *)> remember = [&](const XmlObject *e) {
        before.insert(e, e->attributes);
        for (const XmlObject *child : e->children)
            remember(child);
    };
    remember(window->document().first());
    // Every table of the view, the members and the report clients included.
    for (int tab = NodeTab; tab <= LogTab; ++tab)
        showNode(m_ln0, tab);
    showNode(m_ln0, DataSetTab);
    click(widget("DataSetTableWidget"), find("DataSet", "name", "dsA"));
    QCOMPARE(widget("FcdaTableWidget")->rowCount(), 4);
    showNode(m_ln0, ReportTab);
    click(widget("RpTableWidget"), find("ReportControl", "name", "rcA"));
    QCOMPARE(widget("CLnTableWidget")->rowCount(), 2);
    for (auto it = before.constBegin(); it != before.constEnd(); ++it)
        QVERIFY2(it.key()->attributes == it.value(), qPrintable(it.key()->name));
    QVERIFY(logged.isEmpty());

    showNode(m_ln0, NodeTab);
    auto *table = widget("LnTableWidget");
    XmlObject *ptoc = find("LN", "lnClass", "PTOC");
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(textOf(table, m_ln0, "prefix"), QString(""));
    QTableWidgetItem *ln0Inst = cell(table, m_ln0, "inst");
    QTableWidgetItem *lnInst = cell(table, ptoc, "inst");
    QVERIFY(ln0Inst && lnInst);
    QVERIFY(ln0Inst->background().color() != attribute::RequiredColor);
    QCOMPARE(lnInst->background().color(), attribute::RequiredColor);

    edit(table, lnInst, "");
    QCOMPARE(m_prompt->warnings, QStringList{Refused});
    QCOMPARE(lnInst->text(), QString("1"));
    QCOMPARE(ptoc->attribute("inst"), QString("1"));
    edit(table, ln0Inst, "7");
    edit(table, ln0Inst, "");
    QCOMPARE(m_prompt->warnings.size(), 1);
    QVERIFY(m_ln0->attributes.contains("inst"));
    QCOMPARE(m_ln0->attribute("inst"), QString(""));
    QCOMPARE(logged.last(), QString("Modify record: name = LN0->inst, Val from [7] to []."));
}

void TestIedView::buttonsMoveAndDelete()
{
    XmlObject *dsA = find("DataSet", "name", "dsA");
    XmlObject *dsB = find("DataSet", "name", "dsB");
    showNode(m_ln0, DataSetTab);
    auto *table = widget("DataSetTableWidget");
    const auto states = [this] { return buttons("DataSetUpBtn", "DataSetDownBtn", "DataSetDeleteBtn"); };
    QCOMPARE(states(), (QList<bool>{false, false, false}));
    click(table, dsA);
    QCOMPARE(states(), (QList<bool>{false, true, true}));
    click(table, dsB);
    QCOMPARE(states(), (QList<bool>{true, false, true}));

    click(table, dsA);
    widget<QPushButton>("DataSetDownBtn")->click();
    QVERIFY(m_ln0->children.indexOf(dsB) < m_ln0->children.indexOf(dsA));
    QCOMPARE(logged.last(), QString("Modify record: DataSet name = dsA desc = first, move down."));
    QCOMPARE(table->item(0, column(table, "name"))->text(), QString("dsB"));
    QCOMPARE(m_ln0->treeItem->childCount(), m_ln0->children.size());
    QCOMPARE(static_cast<XmlTreeItem *>(m_ln0->treeItem->child(0))->element(), dsB);
    click(table, dsA);
    widget<QPushButton>("DataSetUpBtn")->click();
    QVERIFY(m_ln0->children.indexOf(dsA) < m_ln0->children.indexOf(dsB));
    QCOMPARE(logged.last(), QString("Modify record: DataSet name = dsA desc = first, move up."));

    click(table, dsA);
    QCOMPARE(widget("FcdaTableWidget")->rowCount(), 4);
    m_prompt->answers = {false};
    widget<QPushButton>("DataSetDeleteBtn")->click();
    QCOMPARE(m_prompt->asked, QStringList{"Delete the element, whether to continue ?"});
    QVERIFY(m_ln0->children.contains(dsA));
    QCOMPARE(table->rowCount(), 2);
    widget<QPushButton>("DataSetDeleteBtn")->click();
    QVERIFY(!m_ln0->children.contains(dsA));
    QCOMPARE(logged.last(), QString("Modify record: DataSet name = dsA desc = first, delete."));
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(widget("FcdaTableWidget")->rowCount(), 0);
    click(table, dsB);
    QCOMPARE(states(), (QList<bool>{false, false, true}));

    // LN0 is no LN: the first LN has nothing to trade places with.
    showNode(m_ln0, NodeTab);
    XmlObject *device = m_ln0->parent;
    const QList<XmlObject *> nodes = device->children;
    click(widget("LnTableWidget"), find("LN", "lnClass", "PTOC"));
    QCOMPARE(buttons("LnUpBtn", "LnDownBtn", "LnDeleteBtn"), (QList<bool>{false, true, true}));
    logged.clear();
    widget<QPushButton>("LnUpBtn")->click();
    QCOMPARE(device->children, nodes);
    QVERIFY(logged.isEmpty());

    // Devices move within their access point; the choice above the tabs follows.
    widget<QTabWidget>("tabWidget")->setCurrentIndex(DeviceTab);
    view()->slotTabBarClicked(DeviceTab);
    QVERIFY(!widget<QComboBox>("LdComboBox")->isEnabled() && !widget<QComboBox>("LnComboBox")->isEnabled());
    auto *devices = widget("LdTableWidget");
    click(devices, device);
    QCOMPARE(buttons("upBtn", "downBtn", "deleteBtn"), (QList<bool>{true, false, true}));
    widget<QPushButton>("upBtn")->click();
    QVERIFY(device->parent->children.indexOf(device) < device->parent->children.indexOf(find("LDevice", "inst", "LD0")));
    QCOMPARE(logged.last(), QString("Modify record: LDevice inst = PROT desc = Protection, move up."));
    QCOMPARE(entries(widget<QComboBox>("LdComboBox")),
             (QStringList{"PROT - Protection", "LD0 - System", "MEAS - Measurement"}));
    QCOMPARE(devices->rowCount(), 3);
    click(devices, find("LDevice", "inst", "MEAS"));
    QCOMPARE(buttons("upBtn", "downBtn", "deleteBtn"), (QList<bool>{false, false, true}));
    // An edited description shows in the choice at once.
    edit(devices, cell(devices, device, "desc"), "Main protection");
    QCOMPARE(entries(widget<QComboBox>("LdComboBox")).first(), QString("PROT - Main protection"));
}

void TestIedView::selectingFromTheTree()
{
    XmlObject *member = find("FCDA", "doName", "A.phsA");
    window->slotXmlItemClicked(member->treeItem);
    QCOMPARE(widget<QTabWidget>("tabWidget")->currentIndex(), int(DataSetTab));
    auto *dataSets = widget("DataSetTableWidget");
    auto *members = widget("FcdaTableWidget");
    QCOMPARE(selectedRow(dataSets), row(dataSets, find("DataSet", "name", "dsA")));
    QCOMPARE(members->rowCount(), 4);
    QCOMPARE(selectedRow(members), row(members, member));
    // The selected member acts as clicked: its buttons and its data instance show.
    QVERIFY(widget<QPushButton>("FcdaDeleteBtn")->isEnabled());
    auto *instanceTree = window->findChild<QTreeWidget *>("instanceTreeWidget");
    QVERIFY(instanceTree->topLevelItemCount() > 0);

    // The instance tree shows what the clicked member refers to.
    XmlObject *start = find("DOI", "name", "Str");
    click(members, find("FCDA", "doName", "Str"));
    auto *instances = window->findChild<QTreeWidget *>("instanceTreeWidget");
    QCOMPARE(instances->topLevelItemCount(), start->children.size());
    QCOMPARE(static_cast<XmlTreeItem *>(instances->topLevelItem(0))->element(), start->children.first());

    widget<QComboBox>("LdComboBox")->setCurrentIndex(2);
    QCOMPARE(entries(widget<QComboBox>("LnComboBox")), (QStringList{"LLN0 - Meas head", "MMXU2 - Busbar"}));
    QCOMPARE(dataSets->rowCount(), 0);
}

void TestIedView::fcdaTableShowsAndEditsDescriptions()
{
    XmlObject *start = find("FCDA", "doName", "Str");
    start->attributes.insert("desc", "member"); // never shown: the column is the data object's
    showNode(m_ln0, DataSetTab);
    click(widget("DataSetTableWidget"), find("DataSet", "name", "dsA"));
    auto *table = widget("FcdaTableWidget");
    QCOMPARE(table->rowCount(), 4);
    QCOMPARE(column(table, "desc"), -1);
    QCOMPARE(textOf(table, start, "dU-Val"), QString("Start"));
    QCOMPARE(textOf(table, find("FCDA", "doName", "A.phsA"), "dU-Val"), QString("Current L1"));
    QCOMPARE(textOf(table, find("FCDA", "doName", "A.phsA.cVal"), "dU-Val"), QString("Current L1"));
    XmlObject *missing = find("FCDA", "lnInst", "9");
    QVERIFY(row(table, missing) >= 0);
    QVERIFY(!cell(table, missing, "dU-Val"));

    XmlObject *du = find("DOI", "name", "Str")->findChild("DAI", "name", "dU");
    XmlObject *val = du->findChild("Val");
    edit(table, cell(table, start, "dU-Val"), " Start stage 1 ");
    QCOMPARE(val->value, QString("Start stage 1"));
    QCOMPARE(val->attribute("value"), QString("Start stage 1"));
    QVERIFY(!du->attributes.contains("dU-Val") && !start->attributes.contains("dU-Val"));
    QCOMPARE(logged.last(), QString("Modify record: name = DAI->dU-Val, Val from [Start] to [Start stage 1]."));

    // Any cell of a row stands for the row's member: Delete takes the member, not its description.
    XmlObject *dataSet = start->parent;
    emit table->itemClicked(cell(table, start, "dU-Val"));
    widget<QPushButton>("FcdaDeleteBtn")->click();
    QVERIFY(!dataSet->children.contains(start));
    QCOMPARE(du->parent->children.count(du), 1);

    // A member whose data object is not instantiated has no description either.
    click(widget("DataSetTableWidget"), find("DataSet", "name", "dsB"));
    XmlObject *operate = find("FCDA", "doName", "Op");
    QVERIFY(row(table, operate) >= 0);
    QVERIFY(!cell(table, operate, "dU-Val"));
}

void TestIedView::controlBlockChoices()
{
    const QStringList dataSets{"dsA", "dsB"};
    showNode(m_ln0, GseTab);
    auto *gse = widget("GseTableWidget");
    XmlObject *gcA = find("GSEControl", "name", "gcA");
    objectComboBox *gone = choice(gse, gcA, "datSet");
    QVERIFY(gone);
    QCOMPARE(entries(gone), dataSets);
    QCOMPARE(gone->currentIndex(), -1);
    QCOMPARE(gcA->attribute("datSet"), QString("dsGone"));
    QCOMPARE(entries(choice(gse, find("GSEControl", "name", "gcB"), "datSet")), dataSets);
    gone->setCurrentIndex(0);
    QCOMPARE(gcA->attribute("datSet"), QString("dsA"));
    QCOMPARE(logged.last(), QString("Modify record: name = GSEControl->datSet, Val change to [dsA]."));

    showNode(m_ln0, ReportTab);
    auto *reports = widget("RpTableWidget");
    XmlObject *rcA = find("ReportControl", "name", "rcA");
    // Every trigger the schema knows gets a column, also those the block leaves out.
    for (const QString &header : QStringList{"datSet", "dchg", "qchg", "dupd", "period"})
        QVERIFY2(choice(reports, rcA, header), qPrintable(header));
    QCOMPARE(choice(reports, rcA, "datSet")->currentText(), QString("dsA"));
    QCOMPARE(choice(reports, rcA, "dchg")->currentText(), QString("true"));
    QCOMPARE(choice(reports, rcA, "dupd")->currentIndex(), -1);
    QCOMPARE(rcA->findChild("TrgOps")->attributes.keys(), QStringList{"dchg"});

    showNode(m_ln0, LogTab);
    objectComboBox *logDataSet = choice(widget("LogTableWidget"), find("LogControl", "name", "lcA"), "datSet");
    QCOMPARE(entries(logDataSet), dataSets);
    QVERIFY(logDataSet && logDataSet->currentText() == "dsB");

    showNode(m_ln0, SmvTab);
    auto *smv = widget("SmvTableWidget");
    XmlObject *svA = find("SampledValueControl", "name", "svA");
    for (const QString &header :
         QStringList{"multicast", "refreshTime", "sampleSynchronized", "sampleRate", "security", "dataRef"})
        QVERIFY2(choice(smv, svA, header), qPrintable(header));
    QCOMPARE(choice(smv, svA, "multicast")->currentText(), QString("true"));
    QCOMPARE(choice(smv, svA, "sampleRate")->currentText(), QString("true"));
}

void TestIedView::reportControlRptEnabled()
{
    showNode(m_ln0, ReportTab);
    auto *reports = widget("RpTableWidget");
    auto *enabled = widget<QCheckBox>("RpEnableCheckBox");
    auto *max = widget<QSpinBox>("RpMaxSpinBox");
    auto *desc = widget<QLineEdit>("RpDescLineEdit");
    QCOMPARE(max->minimum(), 0);
    QCOMPARE(max->maximum(), 64);
    XmlObject *rcA = find("ReportControl", "name", "rcA");
    XmlObject *rcB = find("ReportControl", "name", "rcB");

    click(reports, rcA);
    QVERIFY(enabled->isChecked());
    QCOMPARE(max->value(), 5);
    QCOMPARE(desc->text(), QString("x"));
    QVERIFY(max->isEnabled() && desc->isEnabled());
    QCOMPARE(widget("CLnTableWidget")->rowCount(), 2);

    click(reports, rcB);
    QVERIFY(!enabled->isChecked() && enabled->isEnabled());
    QVERIFY(desc->text().isEmpty());
    QVERIFY(!max->isEnabled() && !desc->isEnabled());
    QCOMPARE(widget("CLnTableWidget")->rowCount(), 0);
    QVERIFY(rcA->findChild("RptEnabled")); // showing another block leaves this one alone
    QVERIFY(logged.isEmpty());

    const int shown = max->value();
    enabled->setChecked(true);
    XmlObject *added = rcB->findChild("RptEnabled");
    QVERIFY(added);
    QCOMPARE(added->attribute("max"), QString::number(shown));
    QCOMPARE(added->attribute("desc"), QString(""));
    QCOMPARE(logged.last(),
             QString("Modify record: name = ReportControl, RptEnabled effective, max = %1, desc = .").arg(shown));
    QVERIFY(max->isEnabled() && desc->isEnabled());
    max->setValue(12);
    QCOMPARE(added->attribute("max"), QString("12"));
    QCOMPARE(logged.last(), QString("Modify record: name = RptEnabled->max, Val change to [12]."));
    enabled->setChecked(false);
    QVERIFY(!rcB->findChild("RptEnabled"));
    QCOMPARE(logged.last(), QString("Modify record: name = ReportControl, RptEnabled invalid."));
    QVERIFY(!max->isEnabled() && !desc->isEnabled());

    // A refill leaves nothing clicked: nothing to show, nothing to change.
    view()->slotTabBarClicked(ReportTab);
    QVERIFY(!enabled->isChecked());
    QCOMPARE(max->value(), 0);
    QVERIFY(desc->text().isEmpty());
    QVERIFY(!enabled->isEnabled() && !max->isEnabled() && !desc->isEnabled());
    QCOMPARE(rcA->findChild("RptEnabled")->attribute("max"), QString("5"));
}

void TestIedView::inputsShowSignalDescriptions()
{
    XmlObject *first = find("ExtRef", "lnInst", "1");
    XmlObject *second = find("ExtRef", "lnInst", "2");
    // A second Inputs element: its references are listed too.
    auto *inputs = new XmlObject;
    inputs->name = "Inputs";
    inputs->parent = m_ln0;
    auto *third = new XmlObject(*first);
    third->attributes.insert("intAddr", "PROT/MMXU1.A");
    third->parent = inputs;
    inputs->children.append(third);
    m_ln0->children.insert(m_ln0->children.indexOf(first->parent) + 1, inputs);

    showNode(m_ln0, InputTab);
    auto *table = widget("InputTableWidget");
    QCOMPARE(table->rowCount(), 3);
    const QString external = "External signal description";
    const QString internal = "Internal signal description";
    QCOMPARE(textOf(table, first, external), QString("Phase L1 current"));
    QCOMPARE(textOf(table, first, internal), QString("Start"));
    // They show other elements' text: not edited here.
    QVERIFY(!(cell(table, first, external)->flags() & Qt::ItemIsEditable));
    QVERIFY(!(cell(table, first, internal)->flags() & Qt::ItemIsEditable));
    QVERIFY(row(table, second) >= 0);
    QVERIFY(!cell(table, second, external) && !cell(table, second, internal));
    // Data object A has its dU in an SDI only: nothing to show.
    QCOMPARE(textOf(table, third, external), QString("Phase L1 current"));
    QVERIFY(!cell(table, third, internal));

    window->slotXmlItemClicked(second->treeItem);
    QCOMPARE(widget<QTabWidget>("tabWidget")->currentIndex(), int(InputTab));
    QCOMPARE(selectedRow(table), row(table, second));
}

QTEST_MAIN(TestIedView)
#include "tst_iedview.moc"
