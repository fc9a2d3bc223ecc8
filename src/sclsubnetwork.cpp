#include "sclsubnetwork.h"
#include "ui_sclsubnetwork.h"

#include "kestrel.h"
#include "objecttablewidgetitem.h"
#include "xmlobject.h"

sclSubNetwork::sclSubNetwork(Kestrel *window)
    : QWidget(window),
      ui(std::make_unique<Ui::sclSubNetwork>())
{
    ui->setupUi(this);
    ui->ConnectedAPTableWidget->listRows(
        QStringLiteral("ConnectedAP"),
        QT_TRANSLATE_NOOP("sclTableView", "Modify record: ConnectedAP iedName = %1 apName = %2"));
    ui->ConnectedAPTableWidget->setWindow(window);
    ui->ConnectedAPTableWidget->setButtons(ui->upBtn, ui->downBtn, ui->deleteBtn);
    for (sclTableView *table : {static_cast<sclTableView *>(ui->AddressTableWidget),
                                static_cast<sclTableView *>(ui->GSETableWidget),
                                static_cast<sclTableView *>(ui->SMVTableWidget)})
        table->setWindow(window);
    connect(ui->ConnectedAPTableWidget, &QTableWidget::itemClicked, this, &sclSubNetwork::slotItemClicked);
    connect(ui->ConnectedAPTableWidget, &sclTableView::elementDeleted, this, &sclSubNetwork::clearDetails);
}

sclSubNetwork::~sclSubNetwork() = default;

void sclSubNetwork::fillTable()
{
    ui->ConnectedAPTableWidget->setParentObject(subNetwork, this);
    ui->ConnectedAPTableWidget->fillTable();
}

void sclSubNetwork::clearDetails()
{
    ui->AddressTableWidget->clearRows();
    ui->GSETableWidget->clearRows();
    ui->SMVTableWidget->clearRows();
}

void sclSubNetwork::slotItemClicked(QTableWidgetItem *item)
{
    const auto *cell = dynamic_cast<objectTableWidgetItem *>(item);
    if (!cell || !cell->object)
        return;
    // A kind the access point lacks would otherwise keep showing the previous one's rows.
    clearDetails();
    int addresses = 0;
    int gses = 0;
    int smvs = 0;
    for (XmlObject *child : cell->object->children) {
        sclAddressTable *table = nullptr;
        int row = 0;
        int tab = 0;
        if (child->name == QLatin1String("Address")) {
            table = ui->AddressTableWidget;
            row = ++addresses;
        } else if (child->name == QLatin1String("GSE")) {
            table = ui->GSETableWidget;
            row = ++gses;
            tab = 1;
        } else if (child->name == QLatin1String("SMV")) {
            table = ui->SMVTableWidget;
            row = ++smvs;
            tab = 2;
        } else {
            continue;
        }
        table->setParentObject(child, this);
        table->fill(row);
        ui->tabWidget->setCurrentIndex(tab);
    }
}

QString sclSubNetwork::title() const
{
    return QStringLiteral("SubNetwork - %1").arg(subNetwork->attribute(QStringLiteral("name")));
}

void sclSubNetwork::refresh()
{
    // The clicked access point, when it is still there, shows its addresses again.
    clearDetails();
    ui->ConnectedAPTableWidget->refill();
}
