#include "attribute.h"
#include "guitestsupport.h"
#include "testtree.h"
#include "kestrel.h"
#include "sclcommunication.h"
#include "sclhistory.h"
#include "sclsubnetwork.h"
#include "scltableview.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmltreeitem.h"

#include <QtTest>
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>

class TestCommViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void eachElementOpensOneView();
    void connectedApShowsItsAddresses();
    void editedCellsWriteTheirElement();
    void deleteTakesOutElementAndItsView();
    void upAndDownReorderTheDocument();
    void renamedOrDeletedSubNetworkLeavesNoViewBehind();

private:
    // Opens the window on a copy of a fixture; false when the copy did not load.
    bool open(const QString &fixture);
    XmlObject *root() const { return window->document().first(); }
    XmlObject *communication() const { return root()->findChild("Communication"); }
    XmlObject *subNetwork(const QString &name) const { return communication()->findChild("SubNetwork", "name", name); }
    QWidget *openView(XmlObject *element, const QString &title);

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

namespace {

sclTableView *table(QWidget *view, const char *name)
{
    return view->findChild<sclTableView *>(name);
}

QPushButton *button(QWidget *view, const char *name)
{
    return view->findChild<QPushButton *>(name);
}

QStringList headers(const QTableWidget *table)
{
    QStringList result;
    for (int c = 0; c < table->columnCount(); ++c)
        result.append(table->horizontalHeaderItem(c)->text());
    return result;
}

QTableWidgetItem *cell(const QTableWidget *table, int row, const QString &header)
{
    const int c = headers(table).indexOf(header);
    return c < 0 ? nullptr : table->item(row, c);
}

QStringList columnTexts(const QTableWidget *table, const QString &header)
{
    QStringList result;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem *item = cell(table, row, header);
        result.append(item ? item->text() : QStringLiteral("<none>"));
    }
    return result;
}

bool yellow(const QTableWidgetItem *item)
{
    return item->background().color() == attribute::RequiredColor;
}

void clickRow(sclTableView *table, int row)
{
    emit table->itemClicked(table->item(row, 0));
}

// As a double-click and typing would.
void edit(sclTableView *table, QTableWidgetItem *item, const QString &text)
{
    table->slotItemDoubleClicked(item);
    item->setText(text);
}

QStringList childNames(const XmlObject *parent, const QString &name, const QString &key)
{
    QStringList result;
    for (const XmlObject *child : parent->children) {
        if (child->name == name)
            result.append(child->attribute(key));
    }
    return result;
}

} // namespace

void TestCommViews::initTestCase()
{
    initGuiTests();
    QVERIFY(m_dir.isValid());
}

void TestCommViews::cleanup()
{
    closeWindow();
}

bool TestCommViews::open(const QString &fixture)
{
    if (fixture == QLatin1String("comm.scd")) {
        // copyFixture reads the good files only.
        m_file = m_dir.filePath("comm.scd");
        QFile::remove(m_file);
        QFile::copy(QStringLiteral(KESTREL_TEST_DATA "/views/comm.scd"), m_file);
        QFile(m_file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    } else {
        m_file = copyFixture(m_dir, fixture, "s.scd");
    }
    m_prompt = openWindow(m_file);
    return window->document().size() == 1 && root()->findChild("Communication");
}

QWidget *TestCommViews::openView(XmlObject *element, const QString &title)
{
    window->slotXmlItemClicked(element->treeItem);
    QMdiSubWindow *sub = window->findView(title);
    return sub ? sub->widget() : nullptr;
}

void TestCommViews::eachElementOpensOneView()
{
    QVERIFY(open("substation.scd"));
    window->show(); // a hidden area activates nothing
    QMdiArea *area = window->mdiArea();
    auto *comm = qobject_cast<sclCommunication *>(openView(communication(), "Communication"));
    QVERIFY(comm);
    QCOMPARE(comm->communication, communication());
    QCOMPARE(columnTexts(table(comm, "tableWidget"), "name"), QStringList({"StationBus", "GooseBus", "ProcessBus"}));
    for (const char *name : {"upBtn", "downBtn", "deleteBtn"})
        QVERIFY(!button(comm, name)->isEnabled());

    auto *station = qobject_cast<sclSubNetwork *>(openView(subNetwork("StationBus"), "SubNetwork - StationBus"));
    QVERIFY(station);
    QCOMPARE(columnTexts(table(station, "ConnectedAPTableWidget"), "iedName"), QStringList({"Q01_PROT", "Q01_BCU"}));
    QWidget *goose = openView(subNetwork("GooseBus"), "SubNetwork - GooseBus");
    QVERIFY(goose && goose != station);

    XmlObject *history = root()->findChild("Header")->findChild("History");
    auto *historyView = qobject_cast<sclHistory *>(openView(history, "History"));
    QVERIFY(historyView);
    QCOMPARE(columnTexts(table(historyView, "tableWidget"), "version"), QStringList({"1", "2", "3"}));
    QCOMPARE(area->subWindowList().size(), 4);

    // A second click brings the open view forward instead of opening another.
    QCOMPARE(openView(communication(), "Communication"), comm);
    QCOMPARE(area->activeSubWindow(), window->findView("Communication"));
    QCOMPARE(openView(subNetwork("StationBus"), "SubNetwork - StationBus"), station);
    QCOMPARE(area->activeSubWindow(), window->findView("SubNetwork - StationBus"));
    QCOMPARE(openView(history, "History"), historyView);
    QCOMPARE(area->subWindowList().size(), 4);
}

void TestCommViews::connectedApShowsItsAddresses()
{
    QVERIFY(open("comm.scd"));
    QWidget *view = openView(subNetwork("Station"), "SubNetwork - Station");
    QVERIFY(view);
    sclTableView *aps = table(view, "ConnectedAPTableWidget");
    sclTableView *address = table(view, "AddressTableWidget");
    sclTableView *gse = table(view, "GSETableWidget");
    sclTableView *smv = table(view, "SMVTableWidget");
    auto *tabs = view->findChild<QTabWidget *>("tabWidget");
    QCOMPARE(columnTexts(aps, "iedName"), QStringList({"BCU1", "BCU2", "BCU3"}));

    clickRow(aps, 0);
    QCOMPARE(address->rowCount(), 1);
    QCOMPARE(headers(address), QStringList({"IP", "IP-SUBNET", "IP-GATEWAY", "OSI-AP-Title"}));
    QStringList texts;
    for (int c = 0; c < address->columnCount(); ++c) {
        texts.append(address->item(0, c)->text());
        QVERIFY(yellow(address->item(0, c)));
    }
    QCOMPARE(texts, QStringList({"10.0.0.1", "255.255.255.0", "10.0.0.254", "1,3,9999,33"}));

    QCOMPARE(gse->rowCount(), 2);
    QCOMPARE(columnTexts(gse, "cbName"), QStringList({"gcbA", "gcbB"}));
    QCOMPARE(columnTexts(gse, "MAC-Address"), QStringList({"01-0C-CD-01-00-01", "01-0C-CD-01-00-02"}));
    QCOMPARE(columnTexts(gse, "MinTime"), QStringList({"2", "8"}));
    QCOMPARE(columnTexts(gse, "MaxTime"), QStringList({"1000", "4000"}));
    QVERIFY(yellow(cell(gse, 0, "cbName")));
    QVERIFY(yellow(cell(gse, 1, "MAC-Address")));
    QVERIFY(!yellow(cell(gse, 0, "MinTime")) && !yellow(cell(gse, 1, "MaxTime")));
    QCOMPARE(smv->rowCount(), 0);
    QCOMPARE(tabs->currentIndex(), 1);

    // An access point without GOOSE must not keep showing the previous one's.
    clickRow(aps, 1);
    QCOMPARE(address->rowCount(), 1);
    QCOMPARE(cell(address, 0, "IP")->text(), QString("10.0.0.3"));
    QCOMPARE(gse->rowCount(), 0);
    QCOMPARE(tabs->currentIndex(), 0);

    clickRow(aps, 2);
    QCOMPARE(address->rowCount(), 0);
    QCOMPARE(gse->rowCount(), 0);
    QCOMPARE(smv->rowCount(), 0);
}

void TestCommViews::editedCellsWriteTheirElement()
{
    QVERIFY(open("comm.scd"));
    QWidget *view = openView(subNetwork("Station"), "SubNetwork - Station");
    QVERIFY(view);
    clickRow(table(view, "ConnectedAPTableWidget"), 0);
    sclTableView *address = table(view, "AddressTableWidget");
    sclTableView *gse = table(view, "GSETableWidget");
    XmlObject *ap = subNetwork("Station")->findChild("ConnectedAP", "iedName", "BCU1");
    XmlObject *ip = ap->findChild("Address")->findChild("P", "type", "IP");

    edit(address, cell(address, 0, "IP"), "10.0.0.2");
    QCOMPARE(ip->value, QString("10.0.0.2"));
    QCOMPARE(ip->attribute("value"), QString("10.0.0.2"));
    QCOMPARE(logged.last(), QString("Modify record: name = P->value, Val from [10.0.0.1] to [10.0.0.2]."));

    const int records = logged.size();
    edit(address, cell(address, 0, "IP-GATEWAY"), "");
    QCOMPARE(m_prompt->warnings, QStringList{"This is required key, Value can't be empty."});
    QCOMPARE(ap->findChild("Address")->findChild("P", "type", "IP-GATEWAY")->value, QString("10.0.0.254"));
    QCOMPARE(cell(address, 0, "IP-GATEWAY")->text(), QString("10.0.0.254"));
    QCOMPARE(logged.size(), records);

    auto *save = window->findChild<QAction *>("actionSave");
    QVERIFY(save->isEnabled());
    save->trigger();
    QList<XmlObject *> reloaded = XmlReader::load(m_file);
    QList<XmlObject *> original = XmlReader::load(QStringLiteral(KESTREL_TEST_DATA "/views/comm.scd"));
    QCOMPARE(reloaded.size(), 1);
    QCOMPARE(original.size(), 1);
    XmlObject *savedAp = reloaded.first()->findDescendant("ConnectedAP", "iedName", "BCU1");
    XmlObject *savedIp = savedAp->findDescendant("P", "type", "IP");
    QCOMPARE(savedIp->value, QString("10.0.0.2"));
    // With the old address back the access point is as it was read.
    savedIp->value = "10.0.0.1";
    savedIp->attributes.insert("value", "10.0.0.1");
    QVERIFY(sameTree(savedAp, original.first()->findDescendant("ConnectedAP", "iedName", "BCU1")));
    qDeleteAll(reloaded);
    qDeleteAll(original);

    // The control block's own cells are attributes; its times are element texts.
    XmlObject *second = ap->findChild("GSE", "cbName", "gcbB");
    edit(gse, cell(gse, 1, "cbName"), "gcbC");
    QCOMPARE(second->attribute("cbName"), QString("gcbC"));
    QVERIFY(second->value.isEmpty());
    QCOMPARE(logged.last(), QString("Modify record: name = GSE->cbName, Val from [gcbB] to [gcbC]."));
    edit(gse, cell(gse, 1, "MinTime"), "16");
    QCOMPARE(second->findChild("MinTime")->value, QString("16"));
    QCOMPARE(ap->findChild("GSE", "cbName", "gcbA")->findChild("MinTime")->value, QString("2"));
    QCOMPARE(logged.last(), QString("Modify record: name = MinTime->value, Val from [8] to [16]."));
    // A time may change but not vanish: an empty one would not be a valid file.
    edit(gse, cell(gse, 1, "MinTime"), "");
    QCOMPARE(second->findChild("MinTime")->value, QString("16"));
    QCOMPARE(cell(gse, 1, "MinTime")->text(), QString("16"));
    QCOMPARE(m_prompt->warnings.last(), QString("This is required key, Value can't be empty."));
}

void TestCommViews::deleteTakesOutElementAndItsView()
{
    QVERIFY(open("substation.scd"));
    QWidget *comm = openView(communication(), "Communication");
    QVERIFY(openView(subNetwork("StationBus"), "SubNetwork - StationBus"));
    sclTableView *subNetworks = table(comm, "tableWidget");

    clickRow(subNetworks, 0);
    m_prompt->answers = {false};
    button(comm, "deleteBtn")->click();
    QCOMPARE(m_prompt->asked.size(), 1);
    QCOMPARE(childNames(communication(), "SubNetwork", "name"), QStringList({"StationBus", "GooseBus", "ProcessBus"}));
    QCOMPARE(subNetworks->rowCount(), 3);
    QVERIFY(window->findView("SubNetwork - StationBus"));
    QVERIFY(logged.filter("delete").isEmpty());

    clickRow(subNetworks, 0);
    button(comm, "deleteBtn")->click();
    QVERIFY(!window->findView("SubNetwork - StationBus"));
    QCOMPARE(childNames(communication(), "SubNetwork", "name"), QStringList({"GooseBus", "ProcessBus"}));
    QCOMPARE(communication()->treeItem->childCount(), 2);
    QCOMPARE(logged.last(), QString("Modify record: SubNetwork name = StationBus type = 8-MMS, delete."));
    QCOMPARE(columnTexts(subNetworks, "name"), QStringList({"GooseBus", "ProcessBus"}));
    QVERIFY(!button(comm, "deleteBtn")->isEnabled());

    // Deleting the shown access point leaves no details of it behind.
    QWidget *process = openView(subNetwork("ProcessBus"), "SubNetwork - ProcessBus");
    QVERIFY(process);
    sclTableView *aps = table(process, "ConnectedAPTableWidget");
    clickRow(aps, 0);
    QCOMPARE(table(process, "SMVTableWidget")->rowCount(), 1);
    QCOMPARE(process->findChild<QTabWidget *>("tabWidget")->currentIndex(), 2);
    button(process, "deleteBtn")->click();
    QCOMPARE(logged.last(), QString("Modify record: ConnectedAP iedName = Q01_MU apName = PB, delete."));
    QCOMPARE(childNames(subNetwork("ProcessBus"), "ConnectedAP", "iedName"), QStringList{"Q01_PROT"});
    for (const char *name : {"AddressTableWidget", "GSETableWidget", "SMVTableWidget"})
        QCOMPARE(table(process, name)->rowCount(), 0);

    // The last row can be deleted too, and an empty section opens as an empty table.
    for (int left = 2; left > 0; --left) {
        clickRow(subNetworks, 0);
        QVERIFY(!button(comm, "upBtn")->isEnabled());
        QCOMPARE(button(comm, "downBtn")->isEnabled(), left > 1);
        button(comm, "deleteBtn")->click();
        QCOMPARE(subNetworks->rowCount(), left - 1);
    }
    QVERIFY(!window->findView("SubNetwork - ProcessBus"));
    QVERIFY(communication()->children.isEmpty());
    window->closeViews("Communication");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    comm = openView(communication(), "Communication");
    QVERIFY(comm);
    QCOMPARE(table(comm, "tableWidget")->rowCount(), 0);
    QVERIFY(!button(comm, "deleteBtn")->isEnabled());
}

void TestCommViews::upAndDownReorderTheDocument()
{
    QVERIFY(open("substation.scd"));
    QWidget *comm = openView(communication(), "Communication");
    QVERIFY(comm);
    sclTableView *subNetworks = table(comm, "tableWidget");
    QPushButton *up = button(comm, "upBtn");
    QPushButton *down = button(comm, "downBtn");
    const QList<std::pair<int, std::pair<bool, bool>>> states = {{0, {false, true}}, {1, {true, true}}, {2, {true, false}}};
    for (const auto &state : states) {
        clickRow(subNetworks, state.first);
        QCOMPARE(up->isEnabled(), state.second.first);
        QCOMPARE(down->isEnabled(), state.second.second);
        QVERIFY(button(comm, "deleteBtn")->isEnabled());
    }

    clickRow(subNetworks, 0);
    down->click();
    QCOMPARE(childNames(communication(), "SubNetwork", "name"), QStringList({"GooseBus", "StationBus", "ProcessBus"}));
    QCOMPARE(columnTexts(subNetworks, "name"), QStringList({"GooseBus", "StationBus", "ProcessBus"}));
    QCOMPARE(logged.last(), QString("Modify record: SubNetwork name = StationBus type = 8-MMS, move down."));
    QVERIFY(!up->isEnabled() && !down->isEnabled());
    clickRow(subNetworks, 2);
    up->click();
    QCOMPARE(childNames(communication(), "SubNetwork", "name"), QStringList({"GooseBus", "ProcessBus", "StationBus"}));
    QCOMPARE(logged.last(), QString("Modify record: SubNetwork name = ProcessBus type = SMV, move up."));
    // The tree follows the document.
    QTreeWidgetItem *item = communication()->treeItem;
    QCOMPARE(item->childCount(), 3);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(static_cast<XmlTreeItem *>(item->child(i))->element(), communication()->children.at(i));

    XmlObject *history = root()->findChild("Header")->findChild("History");
    QWidget *historyView = openView(history, "History");
    QVERIFY(historyView);
    clickRow(table(historyView, "tableWidget"), 0);
    button(historyView, "downBtn")->click();
    QCOMPARE(childNames(history, "Hitem", "version"), QStringList({"2", "1", "3"}));
    QCOMPARE(columnTexts(table(historyView, "tableWidget"), "version"), QStringList({"2", "1", "3"}));
    QCOMPARE(logged.last(), QString("Modify record: Hitem who = J. Miller when = 2023-11-02T09:15:00 "
                                    "what = Initial single line and IED allocation why = Project start "
                                    "version = 1 revision = A, move down."));
}

void TestCommViews::renamedOrDeletedSubNetworkLeavesNoViewBehind()
{
    QVERIFY(open("substation.scd"));
    QWidget *comm = openView(communication(), "Communication");
    QVERIFY(openView(subNetwork("StationBus"), "SubNetwork - StationBus"));
    sclTableView *subNetworks = table(comm, "tableWidget");
    XmlObject *station = subNetwork("StationBus");
    edit(subNetworks, cell(subNetworks, 0, "name"), "LAN");
    QCOMPARE(station->attribute("name"), QString("LAN"));
    // The view under the old title goes; the tree reopens it under the new one.
    QVERIFY(!window->findView("SubNetwork - StationBus"));
    QVERIFY(openView(station, "SubNetwork - LAN"));
    clickRow(subNetworks, 0);
    button(comm, "deleteBtn")->click();
    QVERIFY(!communication()->children.contains(station));
    bool stale = false;
    for (QMdiSubWindow *sub : window->mdiArea()->subWindowList()) {
        if (auto *view = qobject_cast<sclSubNetwork *>(sub->widget()))
            stale = stale || view->subNetwork == station;
    }
    QVERIFY(!stale);
}

QTEST_MAIN(TestCommViews)
#include "tst_commviews.moc"
