#include "sclhistory.h"
#include "ui_sclhistory.h"

#include "kestrel.h"

sclHistory::sclHistory(Kestrel *window)
    : QWidget(window),
      ui(std::make_unique<Ui::sclHistory>())
{
    ui->setupUi(this);
    ui->tableWidget->listRows(QStringLiteral("Hitem"), QT_TRANSLATE_NOOP("sclTableView", "Modify record: Hitem who = %1 when = %2 what = %3 why = %4 version = %5 revision = %6"));
    ui->tableWidget->setWindow(window);
    ui->tableWidget->setButtons(ui->upBtn, ui->downBtn, ui->deleteBtn);
}

sclHistory::~sclHistory() = default;

void sclHistory::fillTable()
{
    ui->tableWidget->setParentObject(history, this);
    ui->tableWidget->fillTable();
}

QString sclHistory::title() const
{
    return QStringLiteral("History");
}

void sclHistory::refresh()
{
    ui->tableWidget->refill();
}
