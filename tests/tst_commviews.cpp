#include "guitestsupport.h"
#include "scltableview.h"

#include <QTabWidget>

namespace {

const QString CommFixture = QStringLiteral(KESTREL_TEST_DATA "/views/comm.scd");
const QString Substation = QStringLiteral(KESTREL_TEST_DATA "/good/substation.scd");

// The element at element's place in another copy of its document.
XmlObject *samePlace(const XmlObject *element, XmlObject *root)
{
    const XmlObject *parent = element->parent;
    return parent ? samePlace(parent, root)->children.value(parent->children.indexOf(const_cast<XmlObject *>(element)))
                  : root;
}

} // namespace

class TestCommViews : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void cleanup() { closeWindow(); }
    void connectedApShowsItsAddresses();
    void editedCellsWriteTheirElement_data();
    void editedCellsWriteTheirElement();
    void deleteTakesOutElementAndItsView();
    void upAndDownReorderTheDocument();

private:
    static sclTableView *table(QWidget *view, const char *name) { return view->findChild<sclTableView *>(name); }
    static QPushButton *button(QWidget *view, const char *name) { return view->findChild<QPushButton *>(name); }
    static void clickRow(sclTableView *table, int row) { clickCell(table->item(row, 0)); }
    bool open(const QString &fixture)
    {
        m_prompt = openCopy(m_dir, fixture, m_file);
        return m_prompt && window->document().size() == 1 && communication();
    }
    XmlObject *root() const { return window->document().first(); }
    XmlObject *communication() const { return root()->findChild("Communication"); }
    XmlObject *subNetwork(const QString &name) const { return communication()->findChild("SubNetwork", "name", name); }
    // Opens (or brings forward) the view of element with a click in the tree.
    QWidget *openView(XmlObject *element, const QString &title) const
    {
        clickInTree(element);
        QMdiSubWindow *sub = window->findView(title);
        return sub && window->mdiArea()->activeSubWindow() == sub ? sub->widget() : nullptr;
    }

    QTemporaryDir m_dir;
    QString m_file;
    ScriptedPrompt *m_prompt = nullptr;
};

void TestCommViews::connectedApShowsItsAddresses()
{
    QVERIFY(open(CommFixture));
    QWidget *view = openView(subNetwork("Station"), "SubNetwork - Station");
    sclTableView *aps = table(view, "ConnectedAPTableWidget");
    sclTableView *address = table(view, "AddressTableWidget");
    sclTableView *gse = table(view, "GSETableWidget");
    auto *tabs = view->findChild<QTabWidget *>("tabWidget");

    clickRow(aps, 0);
    QStringList parameters;
    for (int c = 0; c < address->columnCount(); ++c) {
        parameters.append(address->horizontalHeaderItem(c)->text() + "=" + address->item(0, c)->text());
        QVERIFY(yellow(address->item(0, c)));
    }
    QCOMPARE(parameters, QStringList({"IP=10.0.0.1", "IP-SUBNET=255.255.255.0", "IP-GATEWAY=10.0.0.254",
                                      "OSI-AP-Title=1,3,9999,33"}));
    QCOMPARE(columnTexts(gse, "cbName"), QStringList({"gcbA", "gcbB"}));
    QCOMPARE(columnTexts(gse, "MinTime"), QStringList({"2", "8"}));
    QVERIFY(!yellow(gse->item(0, columnOf(gse, "MaxTime"))));
    QCOMPARE(tabs->currentIndex(), 1);

    // An access point without GOOSE must not keep showing the previous one's.
    clickRow(aps, 1);
    QCOMPARE(columnTexts(address, "IP"), QStringList{"10.0.0.3"});
    QCOMPARE(gse->rowCount(), 0);
    QCOMPARE(tabs->currentIndex(), 0);
    clickRow(aps, 2);
    QCOMPARE(address->rowCount() + gse->rowCount() + table(view, "SMVTableWidget")->rowCount(), 0);
}

void TestCommViews::editedCellsWriteTheirElement_data()
{
    QTest::addColumn<QString>("detail");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("record"); // none: refused
    const QString address = "AddressTableWidget", gse = "GSETableWidget";
    QTest::newRow("address parameter") << address << 0 << "IP" << " 10.0.0.2 " << "10.0.0.2"
                                       << "Modify record: name = P->value, Val from [10.0.0.1] to [10.0.0.2].";
    QTest::newRow("empty address parameter") << address << 0 << "IP-GATEWAY" << "" << "10.0.0.254" << "";
    QTest::newRow("control block reference") << gse << 1 << "cbName" << "gcbC" << "gcbC"
                                             << "Modify record: name = GSE->cbName, Val from [gcbB] to [gcbC].";
    // The times are element texts, each of its own GSE.
    QTest::newRow("retransmission time") << gse << 1 << "MinTime" << "16" << "16"
                                         << "Modify record: name = MinTime->value, Val from [8] to [16].";
    // A time may change but not vanish: an empty one would not be a valid file.
    QTest::newRow("empty retransmission time") << gse << 1 << "MinTime" << "" << "8" << "";
}

void TestCommViews::editedCellsWriteTheirElement()
{
    QFETCH(QString, detail);
    QFETCH(int, row);
    QFETCH(QString, header);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, record);
    QVERIFY(open(CommFixture));
    QWidget *view = openView(subNetwork("Station"), "SubNetwork - Station");
    clickRow(table(view, "ConnectedAPTableWidget"), 0);
    sclTableView *details = table(view, qPrintable(detail));
    QTableWidgetItem *item = details->item(row, columnOf(details, header));
    XmlObject *element = static_cast<objectTableWidgetItem *>(item)->object;
    const QString attribute = element->name == "GSE" ? header : QStringLiteral("value");
    QVERIFY(editCell(item, typed));
    QCOMPARE(element->attribute(attribute), stored);
    QCOMPARE(element->value, attribute == "value" ? stored : QString());
    QCOMPARE(item->text(), stored);
    QCOMPARE(records(), record.isEmpty() ? QStringList() : QStringList{record});
    QCOMPARE(m_prompt->warnings.size(), record.isEmpty() ? 1 : 0);

    QCOMPARE(action("actionSave")->isEnabled(), !record.isEmpty());
    if (record.isEmpty())
        return;
    // Saved, the file is the fixture with the edit, and the check finds nothing in it that it did not before.
    action("actionSave")->trigger();
    DocumentOwner saved(XmlReader::load(m_file)), original(XmlReader::load(CommFixture));
    QCOMPARE(saved.roots.size(), 1);
    const QStringList before = semanticFindings(original.roots);
    for (const QString &finding : semanticFindings(saved.roots))
        QVERIFY2(before.contains(finding), qPrintable(finding));
    XmlObject *same = samePlace(element, original.roots.first());
    same->attributes.insert(attribute, stored);
    if (attribute == "value")
        same->value = stored;
    QVERIFY(sameTree(saved.roots.first(), original.roots.first()));
}

void TestCommViews::deleteTakesOutElementAndItsView()
{
    QVERIFY(open(Substation));
    QWidget *comm = openView(communication(), "Communication");
    sclTableView *subNetworks = table(comm, "tableWidget");
    XmlObject *station = subNetwork("StationBus");
    QVERIFY(openView(station, "SubNetwork - StationBus"));
    // A renamed sub-network's view takes the new name.
    QVERIFY(openView(communication(), "Communication"));
    QVERIFY(editCell(cellOf(subNetworks, station, "name"), "LAN"));
    QCOMPARE(station->attribute("name"), QString("LAN"));
    QTRY_VERIFY(window->findView("SubNetwork - LAN", station));
    QVERIFY(!window->findView("SubNetwork - StationBus"));

    QVERIFY(openView(communication(), "Communication"));
    clickRow(subNetworks, 0);
    m_prompt->answers = {false};
    QTest::mouseClick(button(comm, "deleteBtn"), Qt::LeftButton);
    QCOMPARE(m_prompt->asked, QStringList{"Delete the element, whether to continue ?"});
    QVERIFY(communication()->children.contains(station) && window->findView("SubNetwork - LAN"));
    QTest::mouseClick(button(comm, "deleteBtn"), Qt::LeftButton);
    QVERIFY(!window->findView("SubNetwork - LAN"));
    QCOMPARE(communication()->treeItem->childCount(), 2);
    QCOMPARE(logged.last(), QString("Modify record: SubNetwork name = LAN type = 8-MMS, delete."));
    QCOMPARE(columnTexts(subNetworks, "name"), QStringList({"GooseBus", "ProcessBus"}));

    // Deleting the shown access point leaves no details of it behind.
    QWidget *process = openView(subNetwork("ProcessBus"), "SubNetwork - ProcessBus");
    clickRow(table(process, "ConnectedAPTableWidget"), 0);
    QCOMPARE(table(process, "SMVTableWidget")->rowCount(), 1);
    QTest::mouseClick(button(process, "deleteBtn"), Qt::LeftButton);
    QCOMPARE(logged.last(), QString("Modify record: ConnectedAP iedName = Q01_MU apName = PB, delete."));
    QCOMPARE(columnTexts(table(process, "ConnectedAPTableWidget"), "iedName"), QStringList{"Q01_PROT"});
    for (const char *name : {"AddressTableWidget", "GSETableWidget", "SMVTableWidget"})
        QCOMPARE(table(process, name)->rowCount(), 0);

    // The last row can be deleted too, and an empty section opens as an empty table.
    QVERIFY(openView(communication(), "Communication"));
    for (int left = 2; left > 0; --left) {
        clickRow(subNetworks, 0);
        QCOMPARE(button(comm, "downBtn")->isEnabled(), left > 1);
        QTest::mouseClick(button(comm, "deleteBtn"), Qt::LeftButton);
    }
    QVERIFY(!window->findView("SubNetwork - ProcessBus"));
    delete window->findView("Communication");
    QCOMPARE(table(openView(communication(), "Communication"), "tableWidget")->rowCount(), 0);
}

void TestCommViews::upAndDownReorderTheDocument()
{
    QVERIFY(open(Substation));
    QWidget *comm = openView(communication(), "Communication");
    sclTableView *subNetworks = table(comm, "tableWidget");
    // A second click in the tree brings the open view forward instead of opening another.
    QVERIFY(openView(subNetwork("StationBus"), "SubNetwork - StationBus"));
    QCOMPARE(openView(communication(), "Communication"), comm);
    clickRow(subNetworks, 1);
    QVERIFY(button(comm, "upBtn")->isEnabled() && button(comm, "downBtn")->isEnabled());
    clickRow(subNetworks, 0);
    QTest::mouseClick(button(comm, "downBtn"), Qt::LeftButton);
    QCOMPARE(columnTexts(subNetworks, "name"), QStringList({"GooseBus", "StationBus", "ProcessBus"}));
    QCOMPARE(logged.last(), QString("Modify record: SubNetwork name = StationBus type = 8-MMS, move down."));
    // The moved row stays the clicked one, ready to move on.
    QCOMPARE(subNetworks->currentRow(), 1);
    QVERIFY(button(comm, "upBtn")->isEnabled() && button(comm, "downBtn")->isEnabled());
    clickRow(subNetworks, 2);
    QTest::mouseClick(button(comm, "upBtn"), Qt::LeftButton);
    QCOMPARE(columnTexts(subNetworks, "name"), QStringList({"GooseBus", "ProcessBus", "StationBus"}));
    // The table shows the document's new order, and the tree follows it.
    for (int i = 0; i < communication()->children.size(); ++i)
        QCOMPARE(static_cast<XmlTreeItem *>(communication()->treeItem->child(i))->element(),
                 communication()->children.at(i));

    XmlObject *history = root()->findChild("Header")->findChild("History");
    QWidget *historyView = openView(history, "History");
    QCOMPARE(columnTexts(table(historyView, "tableWidget"), "version"), QStringList({"1", "2", "3"}));
    clickRow(table(historyView, "tableWidget"), 0);
    QTest::mouseClick(button(historyView, "downBtn"), Qt::LeftButton);
    QCOMPARE(columnTexts(table(historyView, "tableWidget"), "version"), QStringList({"2", "1", "3"}));
    QVERIFY(logged.last().startsWith("Modify record: Hitem who = J. Miller when = 2023-11-02T09:15:00 "));
}

QTEST_MAIN(TestCommViews)
#include "tst_commviews.moc"
