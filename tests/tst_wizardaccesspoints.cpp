#include "guitestsupport.h"
#include "testtree.h"
#include "kestrel.h"
#include "qipaddressedit.h"
#include "xmlobject.h"
#include "xmlreader.h"
#include "xmlwizard.h"
#include "xmlwizardconnectedaps.h"

#include <QtTest>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

namespace {

enum Column { NameColumn = 1, SubNetworkA = 4, MacA, SubNetworkB, MacB };

// "type=text" for each P of an Address, marked when the element is not a well-formed P.
QStringList parameters(const XmlObject *address)
{
    QStringList result;
    for (const XmlObject *p : address->children) {
        QString entry = p->attribute("type") + '=' + p->value;
        if (p->name != "P" || p->parent != address || p->attribute("value") != p->value || !p->children.isEmpty())
            entry += " (malformed)";
        result.append(entry);
    }
    return result;
}

// The SubNetwork a ConnectedAP is prepared for, and its children in order.
QString describe(const XmlObject *connectedAp)
{
    QStringList children;
    for (const XmlObject *child : connectedAp->children) {
        QString entry = child->name;
        if (child->name != "Address")
            entry += ' ' + child->attribute("cbName") + '/' + child->attribute("ldInst");
        if (child->parent != connectedAp)
            entry += " (unlinked)";
        children.append(entry);
    }
    return connectedAp->parent->attribute("name") + ": " + children.join(", ");
}

} // namespace

class TestWizardAccessPoints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void tableListsTheControlBlocks();
    void headerChecksAllOrNone();
    void emptyMaskPartsArePrefilled();
    void validationStopsAtTheFirstFault();
    void missingCommunicationOrSubNetworkIsRefused();
    void connectedApsCarryTheAddresses();
    void controlBlocksShareOneConnectedApPerSubNetwork();
    void nextAgainReplacesWhatWasPrepared();

private:
    template<typename T>
    T *widget(const char *name) const { return m_page->findChild<T *>(name); }
    QIpAddressEdit *address(const char *name) const { return widget<QIpAddressEdit>(name); }
    QTableWidget *table() const { return widget<QTableWidget>("gsTableWidget"); }
    QCheckBox *rowCheck(int row) const { return table()->cellWidget(row, 0)->findChild<QCheckBox *>(); }
    QString checks() const;
    QStringList rows() const;
    QStringList items(const char *comboBox) const;
    void choose(const char *comboBox, const QString &text);
    void setCell(int row, int column, const QString &text) { table()->item(row, column)->setText(text); }
    // Network A on StationBus with complete addresses, no row chosen.
    void fillNetworkA();
    void fillNetworkB();
    // "accepted", or the warning validatePage refused with; a refusal must prepare nothing.
    QString outcome();
    XmlObject *subNetwork(const QString &name) const;

    QTemporaryDir m_dir;
    ScriptedPrompt *m_prompt = nullptr;
    XmlWizard *m_wizard = nullptr;
    XmlWizardConnectedAPS *m_page = nullptr;
    XmlObject *m_accessPoint = nullptr; // in the wizard's ICD document
    std::unique_ptr<XmlObject> m_original;
};

void TestWizardAccessPoints::initTestCase()
{
    initGuiTests();
}

void TestWizardAccessPoints::init()
{
    m_prompt = openWindow(copyFixture(m_dir, "substation.scd", "s.scd"));
    m_wizard = new XmlWizard(window);
    m_wizard->setField("iedName", " IED9 ");
    const QString icd = QStringLiteral(KESTREL_TEST_DATA "/wizard/accesspoints.icd");
    const QList<XmlObject *> roots = XmlReader::load(icd);
    QCOMPARE(roots.size(), 1);
    m_accessPoint = roots.first()->findDescendant("AccessPoint", "name", "S1");
    QVERIFY(m_accessPoint);
    m_original = std::make_unique<XmlObject>(*m_accessPoint);
    m_wizard->setIcdDocument(roots, icd);
    m_wizard->buildFilePages();
    QVERIFY(!m_wizard->accessPointPages().isEmpty());
    m_page = m_wizard->accessPointPages().first();
    m_page->initializePage();
}

void TestWizardAccessPoints::cleanup()
{
    // Whatever the page did, the access point it was made for stays as loaded.
    if (m_accessPoint)
        QVERIFY(sameTree(m_accessPoint, m_original.get()));
    delete m_wizard;
    m_wizard = nullptr;
    m_page = nullptr;
    m_accessPoint = nullptr;
    m_original.reset();
    closeWindow();
}

QString TestWizardAccessPoints::checks() const
{
    QString result;
    for (int row = 0; row < table()->rowCount(); ++row)
        result += rowCheck(row)->isChecked() ? '1' : '0';
    return result;
}

QStringList TestWizardAccessPoints::rows() const
{
    QStringList result;
    for (int row = 0; row < table()->rowCount(); ++row) {
        QStringList cells{rowCheck(row)->isChecked() ? "on" : "off"};
        for (int column = 1; column < table()->columnCount(); ++column)
            cells.append(table()->item(row, column)->text());
        result.append(cells.join('|'));
    }
    return result;
}

QStringList TestWizardAccessPoints::items(const char *comboBox) const
{
    auto *box = widget<QComboBox>(comboBox);
    QStringList result;
    for (int i = 0; i < box->count(); ++i)
        result.append(box->itemText(i));
    return result;
}

void TestWizardAccessPoints::choose(const char *comboBox, const QString &text)
{
    auto *box = widget<QComboBox>(comboBox);
    box->setCurrentIndex(box->findText(text));
}

void TestWizardAccessPoints::fillNetworkA()
{
    choose("net1ComboBox", "StationBus");
    address("ip1Widget")->setText("10.0.1.5");
    address("netmask1Widget")->setText("255.255.255.0");
    address("gateway1Widget")->setText("10.0.1.1");
    for (int row = 0; row < table()->rowCount(); ++row)
        rowCheck(row)->setChecked(false);
}

void TestWizardAccessPoints::fillNetworkB()
{
    widget<QGroupBox>("netBGroupBox")->setChecked(true);
    choose("net2ComboBox", "GooseBus");
    address("ip2Widget")->setText("10.0.2.5");
}

QString TestWizardAccessPoints::outcome()
{
    const int before = m_prompt->warnings.size();
    if (m_page->validatePage())
        return "accepted";
    if (!m_page->connectedAps().isEmpty())
        return "refused, yet prepared";
    return m_prompt->warnings.mid(before).join(" + ");
}

XmlObject *TestWizardAccessPoints::subNetwork(const QString &name) const
{
    return window->document().first()->findDescendant("SubNetwork", "name", name);
}

void TestWizardAccessPoints::tableListsTheControlBlocks()
{
    QCOMPARE(m_page->title(), QString("AccessPoint - S1"));
    QCOMPARE(widget<QLabel>("accessPointLabel")->text(), QString("S1"));
    const QStringList subNetworks{"StationBus", "GooseBus", "ProcessBus"};
    QCOMPARE(items("net1ComboBox"), subNetworks);
    QCOMPARE(items("net2ComboBox"), subNetworks);
    QVERIFY(!widget<QGroupBox>("netBGroupBox")->isChecked());

    const QStringList expected{"on|GSEControl|gcbTrip|PROT||||", "on|SampledValueControl|smvMeas|MU||||",
                               "on|GSEControl|gcbPos|CTRL||||"};
    QCOMPARE(rows(), expected);
    QCOMPARE(table()->item(1, NameColumn)->toolTip(), QString("SampledValueControl"));
    QVERIFY(!(table()->item(0, NameColumn)->flags() & Qt::ItemIsEditable));
    for (int column : {SubNetworkA, MacA, SubNetworkB, MacB})
        QVERIFY(table()->item(0, column)->flags() & Qt::ItemIsEditable);

    // Coming back to the page lists the blocks afresh, not twice.
    setCell(0, MacA, "01-0C-CD-01-00-01");
    m_page->initializePage();
    QCOMPARE(rows(), expected);
    QCOMPARE(items("net1ComboBox"), subNetworks);
}

void TestWizardAccessPoints::headerChecksAllOrNone()
{
    QHeaderView *header = table()->horizontalHeader();
    rowCheck(1)->setChecked(false);
    emit header->sectionClicked(2);
    QCOMPARE(checks(), QString("101"));
    emit header->sectionClicked(0);
    QCOMPARE(checks(), QString("111"));
    emit header->sectionClicked(0);
    QCOMPARE(checks(), QString("000"));
    emit header->sectionClicked(0);
    QCOMPARE(checks(), QString("111"));
}

void TestWizardAccessPoints::emptyMaskPartsArePrefilled()
{
    for (const char *name : {"netmask1Widget", "gateway1Widget", "netmask2Widget", "gateway2Widget"})
        QCOMPARE(address(name)->text(), QString("255.255.0.0"));
    QCOMPARE(address("ip1Widget")->text(), QString("..."));
    QCOMPARE(address("ip2Widget")->text(), QString("..."));

    // What the user typed stays; only the parts left empty are filled.
    address("netmask1Widget")->setParts({"", "254", "", "7"});
    address("gateway2Widget")->setParts({"10", "", "", ""});
    m_page->initializePage();
    QCOMPARE(address("netmask1Widget")->text(), QString("255.254.0.7"));
    QCOMPARE(address("gateway2Widget")->text(), QString("10.255.0.0"));
    QCOMPARE(address("ip1Widget")->text(), QString("..."));
}

void TestWizardAccessPoints::validationStopsAtTheFirstFault()
{
    choose("net1ComboBox", QString());
    QCOMPARE(outcome(), QString("A net's subNetWork can't empty."));
    choose("net1ComboBox", "StationBus");
    QCOMPARE(outcome(), QString("Input addr is incomplete. addr = ...."));
    address("ip1Widget")->setText("10..1.5");
    QCOMPARE(outcome(), QString("Input addr is incomplete. addr = 10..1.5."));
    address("ip1Widget")->setText("10.0.1.5");
    address("gateway1Widget")->setParts({"10", "0", "1", ""});
    QCOMPARE(outcome(), QString("Input addr is incomplete. addr = 10.0.1.."));
    address("gateway1Widget")->setText("10.0.1.1");
    // Network B is not looked at while it is off, though its IP is empty.
    QCOMPARE(outcome(), QString("The SubNetwork(A) can't empty."));

    widget<QGroupBox>("netBGroupBox")->setChecked(true);
    choose("net2ComboBox", QString());
    QCOMPARE(outcome(), QString("B net's subNetWork can't empty."));
    choose("net2ComboBox", "StationBus");
    QCOMPARE(outcome(), QString("Input addr is incomplete. addr = ...."));
    address("ip2Widget")->setText("10.0.1.5");
    QCOMPARE(outcome(), QString("The subNetWork can't the same."));
    choose("net2ComboBox", "GooseBus");
    QCOMPARE(outcome(), QString("The ip address can't the same."));
    address("ip2Widget")->setText("10.0.2.5");

    QCOMPARE(outcome(), QString("The SubNetwork(A) can't empty."));
    setCell(0, SubNetworkA, "ProcessBus");
    setCell(0, SubNetworkB, "ProcessBus");
    QCOMPARE(outcome(), QString("The SubNetwork can't the same."));
    setCell(0, SubNetworkB, "");
    QCOMPARE(outcome(), QString("The Mac-Address(A) can't empty."));
    setCell(0, MacA, "01-0C-CD-01-00-01");
    setCell(0, MacB, "01-0C-CD-01-00-01");
    QCOMPARE(outcome(), QString("The Mac-Address can't the same."));
    setCell(0, MacB, "");
    // The next checked row is looked at; unchecked ones are not.
    QCOMPARE(outcome(), QString("The SubNetwork(A) can't empty."));
    rowCheck(1)->setChecked(false);
    rowCheck(2)->setChecked(false);
    QCOMPARE(outcome(), QString("accepted"));
}

void TestWizardAccessPoints::missingCommunicationOrSubNetworkIsRefused()
{
    fillNetworkA();
    XmlObject *stationBus = subNetwork("StationBus");
    stationBus->attributes.insert("name", "StationBus2");
    QCOMPARE(outcome(), QString("Not found SubNetwork StationBus."));
    stationBus->attributes.insert("name", "StationBus");

    XmlObject *root = window->document().first();
    XmlObject *communication = root->findChild("Communication");
    const int at = root->children.indexOf(communication);
    root->children.removeAt(at);
    m_page->initializePage();
    QVERIFY(!widget<QPushButton>("addSubNetWorkBtn")->isEnabled());
    QVERIFY(items("net1ComboBox").isEmpty());
    QCOMPARE(outcome(), QString("Not found Communication, Please add back to the main window."));
    root->children.insert(at, communication);
    m_page->initializePage();
    QVERIFY(widget<QPushButton>("addSubNetWorkBtn")->isEnabled());
}

void TestWizardAccessPoints::connectedApsCarryTheAddresses()
{
    fillNetworkA();
    fillNetworkB();
    QCOMPARE(outcome(), QString("accepted"));
    const QList<XmlObject *> prepared = m_page->connectedAps();
    QCOMPARE(prepared.size(), 2);
    const QStringList osi{"OSI-TSEL=00 01", "OSI-SSEL=00 01", "OSI-PSEL=00 00 00 01", "OSI-NSAP=OSI-NSAP",
                          "OSI-AP-Title=1 3 9999 33", "OSI-AP-Invoke=OSI-AP-Invoke", "OSI-AE-Qualifier=33",
                          "OSI-AE-Invoke=OSI-AE-Invoke"};
    const QStringList addresses[] = {
        QStringList{"IP=10.0.1.5", "IP-SUBNET=255.255.255.0", "IP-GATEWAY=10.0.1.1"} + osi,
        QStringList{"IP=10.0.2.5", "IP-SUBNET=255.255.0.0", "IP-GATEWAY=255.255.0.0"} + osi};
    const QString subNetworks[] = {"StationBus", "GooseBus"};
    for (int i = 0; i < 2; ++i) {
        const XmlObject *connectedAp = prepared.at(i);
        QCOMPARE(connectedAp->name, QString("ConnectedAP"));
        QCOMPARE(connectedAp->attributes.keys(), QStringList({"apName", "iedName"}));
        QCOMPARE(connectedAp->attribute("iedName"), QString("IED9"));
        QCOMPARE(connectedAp->attribute("apName"), QString("S1"));
        QCOMPARE(connectedAp->parent, subNetwork(subNetworks[i]));
        QVERIFY(!connectedAp->parent->children.contains(const_cast<XmlObject *>(connectedAp)));
        QCOMPARE(describe(connectedAp), subNetworks[i] + ": Address");
        QCOMPARE(parameters(connectedAp->children.first()), addresses[i]);
    }
}

void TestWizardAccessPoints::controlBlocksShareOneConnectedApPerSubNetwork()
{
    fillNetworkA();
    fillNetworkB();
    for (int row = 0; row < 3; ++row)
        rowCheck(row)->setChecked(true);
    setCell(0, SubNetworkA, "StationBus");
    setCell(0, MacA, "01-0C-CD-01-00-01");
    setCell(0, SubNetworkB, "ProcessBus");
    setCell(0, MacB, "01-0C-CD-01-01-01");
    setCell(1, SubNetworkA, "ProcessBus");
    setCell(1, MacA, "01-0C-CD-04-40-00");
    setCell(1, SubNetworkB, "GooseBus");
    setCell(1, MacB, "01-0C-CD-04-40-01");
    setCell(2, SubNetworkA, "StationBus");
    setCell(2, MacA, "01-0C-CD-01-00-02");
    setCell(2, SubNetworkB, "ProcessBus");
    setCell(2, MacB, "0A");
    QCOMPARE(outcome(), QString("accepted"));

    // Blocks on a network's SubNetwork join its ConnectedAP; those on ProcessBus share one new
    // ConnectedAP, GSE ahead of SMV whatever the row order.
    const QList<XmlObject *> prepared = m_page->connectedAps();
    QStringList described;
    for (const XmlObject *connectedAp : prepared)
        described.append(describe(connectedAp));
    QCOMPARE(described, QStringList({"StationBus: Address, GSE gcbTrip/PROT, GSE gcbPos/CTRL",
                                     "GooseBus: Address, SMV smvMeas/MU",
                                     "ProcessBus: GSE gcbTrip/PROT, GSE gcbPos/CTRL, SMV smvMeas/MU"}));
    const XmlObject *shared = prepared.last();
    QCOMPARE(shared->attribute("iedName"), QString("IED9"));
    QCOMPARE(shared->attribute("apName"), QString("S1"));

    const XmlObject *trip = prepared.first()->children.at(1);
    QCOMPARE(trip->attributes.keys(), QStringList({"cbName", "ldInst"}));
    QCOMPARE(trip->children.size(), 1);
    QCOMPARE(trip->children.first()->parent, trip);
    QCOMPARE(parameters(trip->children.first()),
             QStringList({"MAC-Address=01-0C-CD-01-00-01", "APPID=0001", "VLAN-PRIORITY=6", "VLAN-ID=0"}));
    QCOMPARE(parameters(shared->children.at(2)->children.first()).mid(0, 2),
             QStringList({"MAC-Address=01-0C-CD-04-40-00", "APPID=4000"}));
    // A MAC address without two groups to take the id from gives itself.
    QCOMPARE(parameters(shared->children.at(1)->children.first()).mid(0, 2),
             QStringList({"MAC-Address=0A", "APPID=0A"}));

    // What Finish does: afterwards each SubNetwork holds the access point once.
    m_wizard->addConnectAps();
    QVERIFY(m_page->connectedAps().isEmpty());
    for (const char *name : {"StationBus", "GooseBus", "ProcessBus"}) {
        int found = 0;
        for (const XmlObject *child : subNetwork(name)->children)
            found += child->attribute("iedName") == "IED9" && child->attribute("apName") == "S1";
        QCOMPARE(found, 1);
    }
}

void TestWizardAccessPoints::nextAgainReplacesWhatWasPrepared()
{
    fillNetworkA();
    rowCheck(0)->setChecked(true);
    setCell(0, SubNetworkA, "StationBus");
    setCell(0, MacA, "01-0C-CD-01-00-01");
    const int children = subNetwork("StationBus")->children.size();
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(outcome(), QString("accepted"));
        QCOMPARE(m_page->connectedAps().size(), 1);
        QCOMPARE(describe(m_page->connectedAps().first()), QString("StationBus: Address, GSE gcbTrip/PROT"));
    }
    QCOMPARE(subNetwork("StationBus")->children.size(), children);

    // Elements handed over are no longer the page's: preparing anew leaves them alone.
    const QList<XmlObject *> taken = m_page->takeConnectedAps();
    QCOMPARE(taken.size(), 1);
    QVERIFY(m_page->connectedAps().isEmpty());
    QCOMPARE(outcome(), QString("accepted"));
    QCOMPARE(describe(taken.first()), QString("StationBus: Address, GSE gcbTrip/PROT"));
    qDeleteAll(taken);
}

QTEST_MAIN(TestWizardAccessPoints)
#include "tst_wizardaccesspoints.moc"
