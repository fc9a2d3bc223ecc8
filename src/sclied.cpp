#include "sclied.h"
#include "ui_sclied.h"

#include "kestrel.h"
#include "objecttablewidgetitem.h"
#include "xmlobject.h"

#include <QHeaderView>

namespace {

enum Tab { DeviceTab, NodeTab, DataSetTab, GseTab, SmvTab, InputTab, ReportTab, LogTab };

} // namespace

sclIed::sclIed(Kestrel *window)
    : QWidget(window),
      ui(std::make_unique<Ui::sclIed>())
{
    ui->setupUi(this);
    ui->LdComboBox->setEnabled(false);
    ui->LnComboBox->setEnabled(false);
    ui->tabWidget->setCurrentIndex(DeviceTab);

    const auto attach = [&](sclTableView *table, QAbstractButton *up, QAbstractButton *down, QAbstractButton *remove) {
        table->setWindow(window);
        table->setButtons(up, down, remove);
        table->setParentObject(nullptr, this);
    };
    attach(ui->LdTableWidget, ui->upBtn, ui->downBtn, ui->deleteBtn);
    attach(ui->LnTableWidget, ui->LnUpBtn, ui->LnDownBtn, ui->LnDeleteBtn);
    attach(ui->DataSetTableWidget, ui->DataSetUpBtn, ui->DataSetDownBtn, ui->DataSetDeleteBtn);
    attach(ui->FcdaTableWidget, ui->FcdaUpBtn, ui->FcdaDownBtn, ui->FcdaDeleteBtn);
    attach(ui->GseTableWidget, ui->GseUpBtn, ui->GseDownBtn, ui->GseDeleteBtn);
    attach(ui->SmvTableWidget, ui->SmvUpBtn, ui->SmvDownBtn, ui->SmvDeleteBtn);
    attach(ui->InputTableWidget, ui->InputUpBtn, ui->InputDownBtn, ui->InputDeleteBtn);
    attach(ui->RpTableWidget, ui->RpUpBtn, ui->RpDownBtn, ui->RpDeleteBtn);
    attach(ui->CLnTableWidget, ui->CLnUpBtn, ui->CLnDownBtn, ui->CLnDeleteBtn);
    attach(ui->LogTableWidget, ui->LogUpBtn, ui->LogDownBtn, ui->LogDeleteBtn);
    ui->RpTableWidget->setRptEnabledWidgets(ui->RpEnableCheckBox, ui->RpMaxSpinBox, ui->RpDescLineEdit,
                                            ui->CLnTableWidget);

    connect(ui->LdComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &sclIed::slotLdCurrentIndexChanged);
    connect(ui->LnComboBox, qOverload<int>(&QComboBox::activated), this, &sclIed::slotLnActivated);
    connect(ui->tabWidget, &QTabWidget::tabBarClicked, this, &sclIed::slotTabBarClicked);
    connect(ui->DataSetTableWidget, &QTableWidget::itemClicked, this, &sclIed::slotDataSetItemClicked);
    connect(ui->DataSetTableWidget, &sclTableView::elementDeleted, ui->FcdaTableWidget, &sclTableView::clearRows);
    connect(ui->FcdaTableWidget, &sclFcda::fcdaSelected, window, &Kestrel::showInstance);
    // The device and node choices follow the document through refresh().
}

sclIed::~sclIed() = default;

XmlObject *sclIed::entryObject(const QComboBox *box, int index)
{
    if (index < 0 || index >= box->count())
        return nullptr;
    return reinterpret_cast<XmlObject *>(box->itemData(index, Qt::UserRole).value<quint64>());
}

int sclIed::entryIndex(const QComboBox *box, const XmlObject *element)
{
    return element ? box->findData(QVariant::fromValue(reinterpret_cast<quint64>(element)), Qt::UserRole) : -1;
}

void sclIed::fillTable()
{
    if (!ied)
        return;
    ui->LdTableWidget->setParentObject(ied, this);
    ui->LdTableWidget->fillTable();
    fillDeviceChoice();
}

void sclIed::fillDeviceChoice()
{
    const QSignalBlocker blocker(ui->LdComboBox);
    ui->LdComboBox->clear();
    const QIcon icon(QStringLiteral(":/Kestrel/ld"));
    for (const XmlObject *device : ui->LdTableWidget->devices())
        ui->LdComboBox->addItem(icon, deviceText(device), QVariant::fromValue(reinterpret_cast<quint64>(device)));
    fillLnComboBox(ui->LdComboBox->currentIndex());
}

void sclIed::fillLnComboBox(int deviceIndex)
{
    const QSignalBlocker blocker(ui->LnComboBox);
    ui->LnComboBox->clear();
    const XmlObject *device = entryObject(ui->LdComboBox, deviceIndex);
    if (!device)
        return;
    const QIcon icon(QStringLiteral(":/Kestrel/ln"));
    for (const XmlObject *child : device->children) {
        if (!child->name.contains(QLatin1String("LN")))
            continue;
        ui->LnComboBox->addItem(icon, nodeText(child), QVariant::fromValue(reinterpret_cast<quint64>(child)));
    }
}

QString sclIed::deviceText(const XmlObject *device)
{
    return device->attribute(QStringLiteral("inst")) + QStringLiteral(" - ") + device->attribute(QStringLiteral("desc"));
}

QString sclIed::nodeText(const XmlObject *node)
{
    return node->attribute(QStringLiteral("lnClass")) + node->attribute(QStringLiteral("inst")) + QStringLiteral(" - ")
            + node->attribute(QStringLiteral("desc"));
}

void sclIed::slotLdCurrentIndexChanged(int index)
{
    fillLnComboBox(index);
    refreshTab(ui->tabWidget->currentIndex());
}

void sclIed::slotLnActivated(int)
{
    refreshTab(ui->tabWidget->currentIndex());
}

void sclIed::slotTabBarClicked(int index)
{
    refreshTab(index);
}

sclTableView *sclIed::nodeTable(int tab) const
{
    switch (tab) {
    case DataSetTab: return ui->DataSetTableWidget;
    case GseTab: return ui->GseTableWidget;
    case SmvTab: return ui->SmvTableWidget;
    case InputTab: return ui->InputTableWidget;
    case ReportTab: return ui->RpTableWidget;
    case LogTab: return ui->LogTableWidget;
    default: return nullptr;
    }
}

void sclIed::refreshTab(int index)
{
    if (index <= DeviceTab) {
        ui->LdComboBox->setEnabled(false);
        ui->LnComboBox->setEnabled(false);
        return;
    }
    ui->LdComboBox->setEnabled(true);
    if (index == NodeTab) {
        ui->LnComboBox->setEnabled(false);
        if (XmlObject *device = entryObject(ui->LdComboBox, ui->LdComboBox->currentIndex())) {
            ui->LnTableWidget->setParentObject(device, this);
            ui->LnTableWidget->refill();
        }
        return;
    }
    ui->LnComboBox->setEnabled(true);
    XmlObject *node = entryObject(ui->LnComboBox, ui->LnComboBox->currentIndex());
    sclTableView *table = nodeTable(index);
    if (!node || !table)
        return;
    // The data set clicked before, when it is still there, shows its members again.
    if (index == DataSetTab)
        ui->FcdaTableWidget->clearRows();
    table->setParentObject(node, this);
    table->refill();
}

void sclIed::showTab(int index)
{
    ui->tabWidget->setCurrentIndex(index);
    refreshTab(index);
}

void sclIed::slotDataSetItemClicked(QTableWidgetItem *item)
{
    const auto *cell = dynamic_cast<objectTableWidgetItem *>(item);
    if (!cell || !cell->object)
        return;
    ui->FcdaTableWidget->setParentObject(cell->object, this);
    ui->FcdaTableWidget->refill();
}

sclIed::Enclosing sclIed::enclosingOf(XmlObject *element)
{
    Enclosing found;
    const auto remember = [](XmlObject *&slot, XmlObject *e) {
        if (!slot)
            slot = e;
    };
    for (XmlObject *e = element; e && e->name != QLatin1String("IED"); e = e->parent) {
        const QString &name = e->name;
        if (name == QLatin1String("FCDA"))
            remember(found.fcda, e);
        else if (name == QLatin1String("ExtRef"))
            remember(found.extRef, e);
        else if (name == QLatin1String("ReportControl"))
            remember(found.reportControl, e);
        else if (name == QLatin1String("GSEControl"))
            remember(found.gseControl, e);
        else if (name == QLatin1String("SampledValueControl"))
            remember(found.smvControl, e);
        else if (name == QLatin1String("LogControl"))
            remember(found.logControl, e);
        else if (name == QLatin1String("DataSet"))
            remember(found.dataSet, e);
        else if (name == QLatin1String("Inputs"))
            remember(found.inputs, e);
        else if (name == QLatin1String("LDevice"))
            remember(found.device, e);
        else if (name.contains(QLatin1String("LN")))
            remember(found.logicalNode, e);
    }
    return found;
}

void sclIed::select(XmlObject *element)
{
    if (!element)
        return;
    const Enclosing enclosing = enclosingOf(element);
    const int deviceIndex = entryIndex(ui->LdComboBox, enclosing.device);
    if (deviceIndex < 0)
        return;
    ui->tabWidget->setCurrentIndex(DeviceTab);
    {
        const QSignalBlocker blocker(ui->LdComboBox);
        ui->LdComboBox->setCurrentIndex(deviceIndex);
    }
    slotLdCurrentIndexChanged(deviceIndex);
    if (element == enclosing.device) {
        ui->LdTableWidget->selectElement(element, QStringLiteral("inst"));
        return;
    }
    const int nodeIndex = entryIndex(ui->LnComboBox, enclosing.logicalNode);
    if (nodeIndex < 0)
        return;
    ui->LnComboBox->setCurrentIndex(nodeIndex);
    showTab(NodeTab);
    if (element == enclosing.logicalNode) {
        ui->LnTableWidget->selectElement(element, QStringLiteral("lnClass"));
        return;
    }
    const QString name = QStringLiteral("name");
    if (enclosing.reportControl) {
        showTab(ReportTab);
        ui->RpTableWidget->selectElement(enclosing.reportControl, name);
    } else if (enclosing.gseControl) {
        showTab(GseTab);
        ui->GseTableWidget->selectElement(enclosing.gseControl, name);
    } else if (enclosing.smvControl) {
        showTab(SmvTab);
        ui->SmvTableWidget->selectElement(enclosing.smvControl, name);
    } else if (enclosing.logControl) {
        showTab(LogTab);
        ui->LogTableWidget->selectElement(enclosing.logControl, name);
    } else if (enclosing.dataSet) {
        showTab(DataSetTab);
        // Selecting the data set fills its members, among which the FCDA is then selected.
        if (ui->DataSetTableWidget->selectElement(enclosing.dataSet, name) && enclosing.fcda)
            ui->FcdaTableWidget->selectElement(enclosing.fcda, QStringLiteral("fc"));
    } else if (enclosing.inputs) {
        showTab(InputTab);
        if (enclosing.extRef)
            ui->InputTableWidget->selectElement(enclosing.extRef, QStringLiteral("iedName"));
    }
}

QString sclIed::title() const
{
    return QStringLiteral("IED - %1").arg(ied->attribute(QStringLiteral("name")));
}

void sclIed::refresh()
{
    const XmlObject *device = entryObject(ui->LdComboBox, ui->LdComboBox->currentIndex());
    const XmlObject *node = entryObject(ui->LnComboBox, ui->LnComboBox->currentIndex());
    ui->LdTableWidget->refill();
    {
        const QSignalBlocker blocker(ui->LdComboBox);
        fillDeviceChoice();
        ui->LdComboBox->setCurrentIndex(qMax(0, entryIndex(ui->LdComboBox, device)));
    }
    fillLnComboBox(ui->LdComboBox->currentIndex());
    ui->LnComboBox->setCurrentIndex(qMax(0, entryIndex(ui->LnComboBox, node)));
    refreshTab(ui->tabWidget->currentIndex());
}
