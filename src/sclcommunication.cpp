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
    // A renamed sub-network's view would keep the old title; the tree opens it afresh.
    connect(ui->tableWidget, &sclTableView::attributeEdited, window,
            [window](XmlObject *, const QString &attribute, const QString &oldValue) {
                if (attribute == QLatin1String("name"))
                    window->closeViews(QStringLiteral("SubNetwork - %1").arg(oldValue));
            });
}

sclCommunication::~sclCommunication() = default;

void sclCommunication::fillTable()
{
    ui->tableWidget->setParentObject(communication, this);
    ui->tableWidget->fillTable();
}
