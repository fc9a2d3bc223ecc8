#include "xmlwizardconnectedaps.h"
#include "ui_xmlwizardconnectedaps.h"

#include "childplacement.h"
#include "macaddressdelegate.h"
#include "menuloader.h"
#include "subnetworkdelegate.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlwizard.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>

#include <utility>

namespace {

enum Column {
    StateColumn,
    NameColumn,
    CbNameColumn,
    LdInstColumn,
    SubNetworkAColumn,
    MacAColumn,
    SubNetworkBColumn,
    MacBColumn
};

// A new child of parent, where the schema places an element of that name.
XmlObject *addChild(XmlObject *parent, const QString &name)
{
    auto *child = new XmlObject;
    child->name = name;
    child->parent = parent;
    parent->children.insert(ChildPlacement::positionIn(parent, name), child);
    return child;
}

void appendParameter(XmlObject *address, const QString &type, const QString &text)
{
    XmlObject *parameter = addChild(address, QStringLiteral("P"));
    parameter->attributes.insert(QStringLiteral("type"), type);
    parameter->value = text;
    parameter->attributes.insert(QStringLiteral("value"), text);
}

void appendAddress(XmlObject *connectedAp, const QString &ip, const QString &netmask, const QString &gateway)
{
    // The OSI selectors and titles are the same for every IED the wizard adds.
    static const std::pair<const char *, const char *> osiParameters[] = {
        {"OSI-TSEL", "00 01"},
        {"OSI-SSEL", "00 01"},
        {"OSI-PSEL", "00 00 00 01"},
        {"OSI-NSAP", "OSI-NSAP"},
        {"OSI-AP-Title", "1 3 9999 33"},
        {"OSI-AP-Invoke", "OSI-AP-Invoke"},
        {"OSI-AE-Qualifier", "33"},
        {"OSI-AE-Invoke", "OSI-AE-Invoke"},
    };
    XmlObject *address = addChild(connectedAp, QStringLiteral("Address"));
    appendParameter(address, QStringLiteral("IP"), ip);
    appendParameter(address, QStringLiteral("IP-SUBNET"), netmask);
    appendParameter(address, QStringLiteral("IP-GATEWAY"), gateway);
    for (const auto &[type, text] : osiParameters)
        appendParameter(address, QLatin1String(type), QLatin1String(text));
}

// The application id follows the last two bytes of the multicast address.
QString applicationId(const QString &mac)
{
    const QStringList groups = mac.split(QLatin1Char('-'));
    return groups.size() < 2 ? mac : groups.at(groups.size() - 2) + groups.last();
}

QString ldInstOf(const XmlObject *element)
{
    for (; element; element = element->parent) {
        if (element->name == QLatin1String("LDevice"))
            return element->attribute(QStringLiteral("inst"));
    }
    return QString();
}

} // namespace

XmlWizardConnectedAPS::XmlWizardConnectedAPS(XmlWizard *wizard, XmlObject *accessPoint)
    : ui(std::make_unique<Ui::XmlWizardConnectedAPS>()),
      m_wizard(wizard),
      m_accessPoint(accessPoint)
{
    ui->setupUi(this);
    setTitle(tr("AccessPoint - %1").arg(accessPoint->attribute(QStringLiteral("name"))));

    QTableWidget *table = ui->gsTableWidget;
    table->horizontalHeader()->setMinimumSectionSize(36);
    auto *subNetworks = new SubNetworkDelegate(this, communication());
    auto *macs = new MacAddressDelegate(this);
    table->setItemDelegateForColumn(SubNetworkAColumn, subNetworks);
    table->setItemDelegateForColumn(SubNetworkBColumn, subNetworks);
    table->setItemDelegateForColumn(MacAColumn, macs);
    table->setItemDelegateForColumn(MacBColumn, macs);

    connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &XmlWizardConnectedAPS::slotHeaderClicked);
    connect(ui->addSubNetWorkBtn, &QPushButton::clicked, this, &XmlWizardConnectedAPS::addSubNetwork);
}

XmlWizardConnectedAPS::~XmlWizardConnectedAPS()
{
    qDeleteAll(prepared);
}

QList<XmlObject *> XmlWizardConnectedAPS::takeConnectedAps()
{
    return std::exchange(prepared, {});
}

void XmlWizardConnectedAPS::initializePage()
{
    ui->accessPointLabel->setText(m_accessPoint->attribute(QStringLiteral("name")));
    fillSubNetworks();
    ui->addSubNetWorkBtn->setEnabled(communication() != nullptr);

    // Netmask and gateway parts left empty start as 255.255.0.0; the user types what differs.
    const QStringList defaults = {QStringLiteral("255"), QStringLiteral("255"), QStringLiteral("0"),
                                  QStringLiteral("0")};
    for (QIpAddressEdit *edit : {ui->netmask1Widget, ui->gateway1Widget, ui->netmask2Widget, ui->gateway2Widget}) {
        QStringList parts = edit->text().split(QLatin1Char('.'));
        for (int i = 0; i < parts.size(); ++i) {
            if (parts.at(i).isEmpty())
                parts[i] = defaults.value(i);
        }
        edit->setParts(parts);
    }

    ui->gsTableWidget->setRowCount(0);
    addRows(m_accessPoint);
    // Wide enough for headers and texts; the MAC editors need room for six fields.
    ui->gsTableWidget->resizeColumnsToContents();
    ui->gsTableWidget->setColumnWidth(MacAColumn, 160);
    ui->gsTableWidget->setColumnWidth(MacBColumn, 160);
}

QList<XmlWizardConnectedAPS::Network> XmlWizardConnectedAPS::networks() const
{
    QList<Network> result{{ui->net1ComboBox, ui->ip1Widget, ui->netmask1Widget, ui->gateway1Widget}};
    if (ui->netBGroupBox->isChecked())
        result.append({ui->net2ComboBox, ui->ip2Widget, ui->netmask2Widget, ui->gateway2Widget});
    return result;
}

XmlObject *XmlWizardConnectedAPS::communication() const
{
    const QList<XmlObject *> roots = m_wizard->scdRoots();
    return roots.isEmpty() ? nullptr : roots.first()->findChild(QStringLiteral("Communication"));
}

XmlObject *XmlWizardConnectedAPS::findSubNetwork(const QString &name) const
{
    const XmlObject *section = communication();
    const QString trimmed = name.trimmed();
    if (!section || trimmed.isEmpty())
        return nullptr;
    return section->findChild(QStringLiteral("SubNetwork"), QStringLiteral("name"), trimmed);
}

void XmlWizardConnectedAPS::fillSubNetworks()
{
    const XmlObject *section = communication();
    for (QComboBox *box : {ui->net1ComboBox, ui->net2ComboBox}) {
        const QString chosen = box->currentText();
        box->clear();
        if (!section)
            continue;
        for (const XmlObject *child : section->children) {
            if (child->name == QLatin1String("SubNetwork"))
                box->addItem(child->attribute(QStringLiteral("name")));
        }
        // A refill after adding a SubNetwork keeps what the user had chosen.
        const int index = box->findText(chosen);
        if (index >= 0)
            box->setCurrentIndex(index);
    }
}

void XmlWizardConnectedAPS::addRows(const XmlObject *element)
{
    for (const XmlObject *child : element->children) {
        if (child->name == QLatin1String("GSEControl") || child->name == QLatin1String("SampledValueControl"))
            addRow(child);
        addRows(child);
    }
}

void XmlWizardConnectedAPS::addRow(const XmlObject *controlBlock)
{
    QTableWidget *table = ui->gsTableWidget;
    const int row = table->rowCount();
    table->insertRow(row);

    auto *cell = new QWidget(table);
    auto *layout = new QHBoxLayout(cell);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setAlignment(Qt::AlignCenter);
    auto *check = new QCheckBox(cell);
    check->setChecked(true);
    layout->addWidget(check);
    table->setCellWidget(row, StateColumn, cell);

    // The block's identity is read from the file; only the network cells are edited.
    const auto putItem = [&](int column, const QString &text, Qt::Alignment alignment, bool editable) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(alignment | Qt::AlignVCenter);
        if (!editable)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, column, item);
        return item;
    };
    putItem(NameColumn, controlBlock->name, Qt::AlignHCenter, false)->setToolTip(controlBlock->name);
    putItem(CbNameColumn, controlBlock->attribute(QStringLiteral("name")), Qt::AlignLeft, false);
    putItem(LdInstColumn, ldInstOf(controlBlock), Qt::AlignLeft, false);
    putItem(SubNetworkAColumn, QString(), Qt::AlignLeft, true);
    putItem(MacAColumn, QString(), Qt::AlignHCenter, true);
    putItem(SubNetworkBColumn, QString(), Qt::AlignLeft, true);
    putItem(MacBColumn, QString(), Qt::AlignHCenter, true);
}

QCheckBox *XmlWizardConnectedAPS::rowCheckBox(int row) const
{
    return ui->gsTableWidget->cellWidget(row, StateColumn)->findChild<QCheckBox *>();
}

QString XmlWizardConnectedAPS::cellText(int row, int column) const
{
    return ui->gsTableWidget->item(row, column)->text().trimmed();
}

void XmlWizardConnectedAPS::addSubNetwork()
{
    const XmlObject *section = communication();
    if (section && section->treeItem) {
        MenuLoader *loader = MenuLoader::instance(m_wizard->mainWindow);
        loader->setCurrentItem(section->treeItem);
        loader->onInsertNode(QStringLiteral("SubNetwork"));
    }
    fillSubNetworks();
}

void XmlWizardConnectedAPS::slotHeaderClicked(int section)
{
    const int rows = ui->gsTableWidget->rowCount();
    if (section != StateColumn || rows == 0)
        return;
    bool allChecked = true;
    for (int row = 0; row < rows && allChecked; ++row)
        allChecked = rowCheckBox(row)->isChecked();
    for (int row = 0; row < rows; ++row)
        rowCheckBox(row)->setChecked(!allChecked);
}

bool XmlWizardConnectedAPS::refuse(const QString &text)
{
    m_wizard->prompt()->warn(this, tr("Message"), text);
    return false;
}

QString XmlWizardConnectedAPS::incompleteAddress(const Network &network)
{
    for (const QIpAddressEdit *edit : {network.ip, network.netmask, network.gateway}) {
        const QString text = edit->text();
        if (text.split(QLatin1Char('.')).contains(QString()))
            return text;
    }
    return QString();
}

bool XmlWizardConnectedAPS::checkNetworks()
{
    const QList<Network> used = networks();
    const QString emptyTexts[] = {tr("A net's subNetWork can't empty."), tr("B net's subNetWork can't empty.")};
    for (int i = 0; i < used.size(); ++i) {
        if (used.at(i).subNetwork->currentText().trimmed().isEmpty())
            return refuse(emptyTexts[i]);
        const QString address = incompleteAddress(used.at(i));
        if (!address.isNull())
            return refuse(tr("Input addr is incomplete. addr = %1.").arg(address));
    }
    if (used.size() < 2)
        return true;
    const Network &a = used.first();
    const Network &b = used.last();
    if (a.subNetwork->currentText().trimmed() == b.subNetwork->currentText().trimmed())
        return refuse(tr("The subNetWork can't the same."));
    if (a.ip->text() == b.ip->text())
        return refuse(tr("The ip address can't the same."));
    return true;
}

bool XmlWizardConnectedAPS::checkRows()
{
    for (int row = 0; row < ui->gsTableWidget->rowCount(); ++row) {
        if (!rowCheckBox(row)->isChecked())
            continue;
        const QString subNetwork = cellText(row, SubNetworkAColumn);
        if (subNetwork.isEmpty())
            return refuse(tr("The SubNetwork(A) can't empty."));
        if (subNetwork == cellText(row, SubNetworkBColumn))
            return refuse(tr("The SubNetwork can't the same."));
        const QString mac = cellText(row, MacAColumn);
        if (mac.isEmpty())
            return refuse(tr("The Mac-Address(A) can't empty."));
        if (mac == cellText(row, MacBColumn))
            return refuse(tr("The Mac-Address can't the same."));
    }
    return true;
}

bool XmlWizardConnectedAPS::validatePage()
{
    XmlWizard::commitOpenEditor(ui->gsTableWidget);
    if (!communication())
        return refuse(tr("Not found Communication, Please add back to the main window."));
    if (!checkNetworks() || !checkRows())
        return false;
    const QList<Network> used = networks();
    QList<XmlObject *> subNetworks;
    for (const Network &network : used) {
        XmlObject *subNetwork = findSubNetwork(network.subNetwork->currentText());
        if (!subNetwork)
            return refuse(tr("Not found SubNetwork %1.").arg(network.subNetwork->currentText().trimmed()));
        subNetworks.append(subNetwork);
    }

    qDeleteAll(prepared);
    prepared.clear();
    QHash<XmlObject *, XmlObject *> connectedAps;
    for (int i = 0; i < used.size(); ++i) {
        XmlObject *connectedAp = newConnectedAp(subNetworks.at(i));
        const Network &network = used.at(i);
        appendAddress(connectedAp, network.ip->text().trimmed(), network.netmask->text().trimmed(),
                      network.gateway->text().trimmed());
        connectedAps.insert(subNetworks.at(i), connectedAp);
    }
    addControlBlocks(connectedAps);
    return true;
}

XmlObject *XmlWizardConnectedAPS::newConnectedAp(XmlObject *subNetwork)
{
    auto *connectedAp = new XmlObject;
    connectedAp->name = QStringLiteral("ConnectedAP");
    connectedAp->attributes.insert(QStringLiteral("iedName"), field(QStringLiteral("iedName")).toString().trimmed());
    connectedAp->attributes.insert(QStringLiteral("apName"), m_accessPoint->attribute(QStringLiteral("name")).trimmed());
    // Finish puts it among the SubNetwork's children.
    connectedAp->parent = subNetwork;
    prepared.append(connectedAp);
    return connectedAp;
}

void XmlWizardConnectedAPS::addControlBlocks(QHash<XmlObject *, XmlObject *> &connectedAps)
{
    const std::pair<int, int> networkColumns[] = {{SubNetworkAColumn, MacAColumn}, {SubNetworkBColumn, MacBColumn}};
    for (int row = 0; row < ui->gsTableWidget->rowCount(); ++row) {
        if (!rowCheckBox(row)->isChecked())
            continue;
        const bool goose = cellText(row, NameColumn) == QLatin1String("GSEControl");
        for (const auto &[subNetworkColumn, macColumn] : networkColumns) {
            XmlObject *subNetwork = findSubNetwork(cellText(row, subNetworkColumn));
            if (!subNetwork)
                continue;
            // One ConnectedAP per SubNetwork: a second one of the same IED and access point would be invalid.
            XmlObject *&connectedAp = connectedAps[subNetwork];
            if (!connectedAp)
                connectedAp = newConnectedAp(subNetwork);
            XmlObject *block = addChild(connectedAp, goose ? QStringLiteral("GSE") : QStringLiteral("SMV"));
            block->attributes.insert(QStringLiteral("cbName"), cellText(row, CbNameColumn));
            block->attributes.insert(QStringLiteral("ldInst"), cellText(row, LdInstColumn));
            const QString mac = cellText(row, macColumn);
            XmlObject *address = addChild(block, QStringLiteral("Address"));
            appendParameter(address, QStringLiteral("MAC-Address"), mac);
            appendParameter(address, QStringLiteral("APPID"), applicationId(mac));
            appendParameter(address, QStringLiteral("VLAN-PRIORITY"), QStringLiteral("6"));
            appendParameter(address, QStringLiteral("VLAN-ID"), QStringLiteral("0"));
        }
    }
}
