#include "sclcommunication.h"
#include "ui_sclcommunication.h"

#include "kestrel.h"
#include "xmlobject.h"

sclCommunication::sclCommunication(Kestrel *window)
    : QWidget(window),
      ui(std::make_unique<Ui::sclCommunication>())
{
    ui->setupUi(this);
    ui->tableWidget->listRows(QStringLiteral("SubNetwork"), QT_TRANSLATE_NOOP("sclTableView", "Modify record: SubNetwork name = %1 type = %2"));
    ui->tableWidget->setWindow(window);
    ui->tableWidget->setButtons(ui->upBtn, ui->downBtn, ui->deleteBtn);
}

sclCommunication::~sclCommunication() = default;

void sclCommunication::fillTable()
{
    ui->tableWidget->setParentObject(communication, this);
    ui->tableWidget->fillTable();
}

QString sclCommunication::title() const
{
    return QStringLiteral("Communication");
}

void sclCommunication::refresh()
{
    ui->tableWidget->refill();
}
