#include "qipaddressedit.h"
#include "guitestsupport.h"
#include "xmlwizardconnectedaps.h"

#include <QCheckBox>
#include <QGroupBox>

#include <memory>

// The access point page of the import of wizard/accesspoints.icd into
// good/substation.scd, reached and filled through the wizard's widgets.

namespace {

// "type=value" of each P of an Address.
QStringList parameters(const XmlObject *address)
{
    QStringList result;
    for (const XmlObject *p : address->children)
        result.append(p->attribute("type") + '=' + p->value);
    return result;
}

// "SubNetwork: Address ip, GSE cbName/ldInst mac, ..." for a prepared ConnectedAP.
QString describe(const XmlObject *connectedAp)
{
    QStringList children;
    for (const XmlObject *child : connectedAp->children) {
        const bool block = child->name != "Address";
        const QString first = parameters(block ? child->children.first() : child).first();
        children.append((block ? child->name + ' ' + child->attribute("cbName") + '/' + child->attribute("ldInst")
                               : child->name) + ' ' + first.section('=', 1));
    }
    return connectedAp->parent->attribute("name") + ": " + children.join(", ");
}

} // namespace

class TestWizardAccessPoints : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initGuiTests(); }
    void init();
    void cleanup();
    void stateHeaderChecksAllOrNone();
    void nextValidatesThenPrepares_data();
    void nextValidatesThenPrepares();
    void addressesCarryTheirParameters();
    void missingCommunicationIsRefused();

private:
    template<typename T>
    T *widget(const QString &name) const { return m_page->findChild<T *>(name); }
    QTableWidget *table() const { return widget<QTableWidget>("gsTableWidget"); }
    QCheckBox *rowCheck(int row) const { return table()->cellWidget(row, 0)->findChild<QCheckBox *>(); }
    QString checks() const;
    void apply(const QString &step);
    // Presses Next: the warnings it gave, or the ConnectedAPs it prepared.
    QStringList next();
    XmlObject *subNetwork(const QString &name) const
    {
        return window->document().first()->findDescendant("SubNetwork", "name", name);
    }

    QTemporaryDir m_dir;
    ScriptedPrompt *m_prompt = nullptr;
    std::unique_ptr<WizardDriver> m_driver;
    XmlWizardConnectedAPS *m_page = nullptr;
    std::unique_ptr<XmlObject> m_original; // the access point as loaded
};

void TestWizardAccessPoints::init()
{
    m_prompt = openWindow(copyFixture(m_dir, "substation.scd", "s.scd"));
    m_driver = std::make_unique<WizardDriver>(window);
    QVERIFY(m_driver->load("IED9", KESTREL_TEST_DATA "/wizard/accesspoints.icd"));
    m_driver->click(QWizard::NextButton);
    m_page = qobject_cast<XmlWizardConnectedAPS *>(m_driver->wizard.currentPage());
    QVERIFY(m_page);
    m_original = std::make_unique<XmlObject>(*m_driver->wizard.icdDocument().first()->findDescendant("AccessPoint"));
}

void TestWizardAccessPoints::cleanup()
{
    // Whatever the page did, the access point it was made for stays as loaded.
    if (m_original)
        QVERIFY(sameTree(m_driver->wizard.icdDocument().first()->findDescendant("AccessPoint"), m_original.get()));
    m_original.reset();
    m_driver.reset();
    closeWindow();
}

QString TestWizardAccessPoints::checks() const
{
    QString result;
    for (int row = 0; row < table()->rowCount(); ++row)
        result += rowCheck(row)->isChecked() ? '1' : '0';
    return result;
}

// One user action, "what=keys": an address editor ("ip1", "netmask2") typed
// into; a SubNetwork ("net1", "net2") chosen by typing its name; "B" toggles
// network B; "r1" toggles row 1; "r1c5=keys" edits a cell and presses Enter,
// "r1c5~keys" leaves the editor open.
void TestWizardAccessPoints::apply(const QString &step)
{
    const QStringList parts = step.split(QRegularExpression("[=~]"));
    const QString what = parts.first();
    const QString keys = parts.value(1);
    if (what == "B") {
        auto *box = widget<QGroupBox>("netBGroupBox");
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Space);
    } else if (auto *box = widget<QComboBox>(what + "ComboBox")) {
        box->setFocus(Qt::TabFocusReason);
        typeKeys(box, keys);
    } else if (what.startsWith('r') && what.contains('c')) {
        const QTableWidgetItem *cell = table()->item(what.mid(1).section('c', 0, 0).toInt(), what.section('c', 1).toInt());
        if (keys.isEmpty())
            openEditor(cell);
        else
            editCell(cell, keys, step.contains('='));
    } else if (what.startsWith('r')) {
        QTest::mouseClick(rowCheck(what.mid(1).toInt()), Qt::LeftButton);
    } else {
        typeInto(widget<QIpAddressEdit>(what + "Widget"), keys);
    }
}

QStringList TestWizardAccessPoints::next()
{
    const int warned = m_prompt->warnings.size();
    m_driver->click(QWizard::NextButton);
    QStringList result = m_prompt->warnings.mid(warned);
    if (m_driver->wizard.currentPage() == m_page) {
        if (!m_page->connectedAps().isEmpty())
            result.append("refused, yet prepared");
        return result;
    }
    for (const XmlObject *connectedAp : m_page->connectedAps())
        result.append(describe(connectedAp));
    return result;
}

void TestWizardAccessPoints::stateHeaderChecksAllOrNone()
{
    apply("r1");
    clickHeader(table(), 2);
    QCOMPARE(checks(), QString("101"));
    clickHeader(table(), 0);
    QCOMPARE(checks(), QString("111"));
    clickHeader(table(), 0);
    QCOMPARE(checks(), QString("000"));
}

void TestWizardAccessPoints::nextValidatesThenPrepares_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("outcome");
    const auto row = [](const char *name, const QStringList &steps, const QStringList &outcome) {
        QTest::newRow(name) << steps << outcome;
    };
    const QString a = "ip1=10.0.1.5";
    row("address incomplete", {}, {"Input addr is incomplete. addr = ...."});
    row("empty octet", {"ip1=10.1.5"}, {"Input addr is incomplete. addr = 10.1.5.."});
    row("B on A's SubNetwork", {a, "B", "ip2=10.0.2.5"}, {"The subNetWork can't the same."});
    row("B with A's address", {a, "B", "net2=GooseBus", "ip2=10.0.1.5"}, {"The ip address can't the same."});
    row("B off is not looked at", {a}, {"The SubNetwork(A) can't empty."});
    row("row on one SubNetwork twice", {a, "r0c4=ProcessBus", "r0c6=ProcessBus"}, {"The SubNetwork can't the same."});
    row("row without MAC", {a, "r0c4=ProcessBus"}, {"The Mac-Address(A) can't empty."});
    row("row with one MAC twice", {a, "r0c4=ProcessBus", "r0c5=010ccd010001", "r0c7=010ccd010001"},
        {"The Mac-Address can't the same."});
    row("signs stay out of addresses", {"ip1=10.0.+1.5", "r0", "r1", "r2"}, {"StationBus: Address 10.0.1.5"});
    row("blocks join one ConnectedAP per SubNetwork",
        {a, "B", "net2=GooseBus", "ip2=10.0.2.5", "r0c4=StationBus", "r0c5=010ccd010001", "r0c6=ProcessBus",
         "r0c7=010ccd010101", "r1c4=ProcessBus", "r1c5=010ccd044000", "r1c6=GooseBus", "r1c7=010ccd044001",
         "r2c4=StationBus", "r2c5=010ccd010002", "r2c6=ProcessBus", "r2c7=0a"},
        {"StationBus: Address 10.0.1.5, GSE gcbTrip/PROT 01-0C-CD-01-00-01, GSE gcbPos/CTRL 01-0C-CD-01-00-02",
         "GooseBus: Address 10.0.2.5, SMV smvMeas/MU 01-0C-CD-04-40-01",
         "ProcessBus: GSE gcbTrip/PROT 01-0C-CD-01-01-01, GSE gcbPos/CTRL 0A-00-00-00-00-00, "
         "SMV smvMeas/MU 01-0C-CD-04-40-00"});
    // Guard the mend that commits an open cell editor before the page reads its table.
    const QString gse = "StationBus: Address 10.0.1.5, GSE gcbTrip/PROT ";
    row("MAC typed, editor open", {a, "r1", "r2", "r0c4=StationBus", "r0c5~010ccd010001"},
        {gse + "01-0C-CD-01-00-01"});
    row("MAC shown, editor open", {a, "r1", "r2", "r0c4=StationBus", "r0c5~"}, {gse + "00-00-00-00-00-00"});
    row("SubNetwork chosen, editor open", {a, "r1", "r2", "r0c5=010ccd010001", "r0c4~ProcessBus"},
        {"StationBus: Address 10.0.1.5", "ProcessBus: GSE gcbTrip/PROT 01-0C-CD-01-00-01"});
}

void TestWizardAccessPoints::nextValidatesThenPrepares()
{
    QFETCH(QStringList, steps);
    for (const QString &step : steps)
        apply(step);
    QTEST(next(), "outcome");
}

void TestWizardAccessPoints::addressesCarryTheirParameters()
{
    // Coming back to the page lists the blocks afresh: not twice, none left unchecked.
    m_driver->click(QWizard::BackButton);
    m_driver->click(QWizard::NextButton);
    QCOMPARE(checks(), QString("111"));
    // The netmask is typed; the gateway keeps what the page put there.
    for (const char *step : {"ip1=10.0.1.5", "netmask1=255.255.255.0", "r1", "r2", "r0c4=StationBus",
                             "r0c5=010ccd010203"})
        apply(step);
    const int children = subNetwork("StationBus")->children.size();
    // Next again, after Back, prepares afresh: nothing twice.
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(next().size(), 1);
        m_driver->click(QWizard::BackButton);
    }
    const XmlObject *connectedAp = m_page->connectedAps().first();
    QCOMPARE(connectedAp->attributes.keys(), QStringList({"apName", "iedName"}));
    QCOMPARE(connectedAp->attributes.values(), QStringList({"S1", "IED9"}));
    QCOMPARE(parameters(connectedAp->children.first()).mid(0, 3),
             QStringList({"IP=10.0.1.5", "IP-SUBNET=255.255.255.0", "IP-GATEWAY=255.255.0.0"}));
    QCOMPARE(parameters(connectedAp->children.last()->children.first()),
             QStringList({"MAC-Address=01-0C-CD-01-02-03", "APPID=0203", "VLAN-PRIORITY=6", "VLAN-ID=0"}));
    // Prepared, not yet attached: Finish does that.
    QCOMPARE(connectedAp->parent, subNetwork("StationBus"));
    QCOMPARE(subNetwork("StationBus")->children.size(), children);
}

void TestWizardAccessPoints::missingCommunicationIsRefused()
{
    XmlObject *root = window->document().first();
    XmlObject *communication = root->findChild("Communication");
    root->children.removeOne(communication);
    m_driver->click(QWizard::BackButton);
    m_driver->click(QWizard::NextButton);
    QVERIFY(!widget<QPushButton>("addSubNetWorkBtn")->isEnabled());
    QCOMPARE(next(), QStringList{"Not found Communication, Please add back to the main window."});
    root->children.append(communication);
}

QTEST_MAIN(TestWizardAccessPoints)
#include "tst_wizardaccesspoints.moc"
