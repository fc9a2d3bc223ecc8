#include "sclreportcontrol.h"

#include "insertcommand.h"
#include "kestrel.h"
#include "modifyrecord.h"
#include "removecommand.h"
#include "scldocument.h"
#include "sclrptenabled.h"
#include "xmlobject.h"

#include <QCheckBox>
#include <QDebug>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLineEdit>

namespace {

// The schema's default for an RptEnabled without max.
constexpr int DefaultMax = 1;

} // namespace

sclReportControl::sclReportControl(QWidget *parent)
    : sclControlTable(QStringLiteral("ReportControl"),
                      QT_TRANSLATE_NOOP("sclTableView", "Modify record: ReportControl name = %1 datSet = %2 rptID = %3"),
                      parent)
{
    flagAttributes = QStringList{QStringLiteral("buffered")};
    optionElements = QStringList{QStringLiteral("TrgOps"), QStringLiteral("OptFields")};
    connect(this, &sclTableView::elementDeleted, this, [this] {
        if (clientTable)
            clientTable->clearRows();
    });
}

void sclReportControl::setRptEnabledWidgets(QCheckBox *enabled, QDoubleSpinBox *max, QLineEdit *description,
                                            sclRptEnabled *clients)
{
    enableCheckBox = enabled;
    maxSpinBox = max;
    descLineEdit = description;
    clientTable = clients;
    // Focus comes from a click or the keyboard; the wheel alone changes nothing.
    maxSpinBox->setFocusPolicy(Qt::StrongFocus);
    maxSpinBox->installEventFilter(this);
    // They show the clicked block's settings; nothing is clicked yet.
    for (QWidget *widget : {static_cast<QWidget *>(enabled), static_cast<QWidget *>(max),
                            static_cast<QWidget *>(description)})
        widget->setEnabled(false);
}

bool sclReportControl::eventFilter(QObject *watched, QEvent *event)
{
    // A wheel passing over the box on its way through the view is not a choice of the user's.
    if (watched == maxSpinBox && event->type() == QEvent::Wheel && !maxSpinBox->hasFocus()) {
        event->ignore();
        return true;
    }
    return sclControlTable::eventFilter(watched, event);
}

void sclReportControl::connectWidgets(bool on)
{
    if (!enableCheckBox)
        return;
    if (!on) {
        disconnect(enableCheckBox, nullptr, this, nullptr);
        disconnect(maxSpinBox, nullptr, this, nullptr);
        disconnect(descLineEdit, nullptr, this, nullptr);
        return;
    }
    connect(enableCheckBox, &QCheckBox::stateChanged, this, &sclReportControl::slotStateChanged, Qt::UniqueConnection);
    connect(maxSpinBox, qOverload<double>(&QDoubleSpinBox::valueChanged), this, &sclReportControl::slotValueChanged,
            Qt::UniqueConnection);
    connect(descLineEdit, &QLineEdit::textChanged, this, &sclReportControl::slotTextChanged, Qt::UniqueConnection);
}

void sclReportControl::fillTable()
{
    connectWidgets(false);
    if (enableCheckBox) {
        enableCheckBox->setChecked(false);
        showMax(nullptr);
        descLineEdit->clear();
        enableCheckBox->setEnabled(false);
        maxSpinBox->setEnabled(false);
        descLineEdit->setEnabled(false);
    }
    if (clientTable)
        clientTable->clearRows();
    sclControlTable::fillTable();
}

QList<XmlObject *> sclReportControl::rptEnabledOf(const XmlObject *reportControl) const
{
    QList<XmlObject *> found;
    for (XmlObject *child : reportControl->children) {
        if (child->name == QLatin1String("RptEnabled"))
            found.append(child);
    }
    return found;
}

void sclReportControl::slotItemClicked(QTableWidgetItem *item)
{
    connectWidgets(false);
    sclControlTable::slotItemClicked(item);
    const XmlObject *reportControl = clickedObject();
    if (!reportControl || !enableCheckBox)
        return;
    const QList<XmlObject *> enabled = rptEnabledOf(reportControl);
    for (XmlObject *rptEnabled : enabled) {
        enableCheckBox->setEnabled(true);
        maxSpinBox->setEnabled(true);
        descLineEdit->setEnabled(true);
        enableCheckBox->setChecked(true);
        showMax(rptEnabled);
        descLineEdit->setText(rptEnabled->attribute(QStringLiteral("desc")));
        if (clientTable) {
            clientTable->setParentObject(rptEnabled, owner);
            clientTable->fillTable();
        }
    }
    if (enabled.isEmpty()) {
        enableCheckBox->setEnabled(true);
        enableCheckBox->setChecked(false);
        descLineEdit->clear();
        // What a new RptEnabled will mean, not what the last block held.
        showMax(nullptr);
        maxSpinBox->setEnabled(false);
        descLineEdit->setEnabled(false);
        if (clientTable)
            clientTable->clearRows();
    }
    connectWidgets(true);
}

void sclReportControl::showMax(const XmlObject *rptEnabled)
{
    const QString max = rptEnabled ? rptEnabled->attribute(QStringLiteral("max")) : QString();
    bool number = true;
    const uint value = max.isEmpty() ? DefaultMax : max.toUInt(&number);
    // Not a number: 0 is shown, the attribute keeps its text until the user sets one.
    const QSignalBlocker blocker(maxSpinBox);
    maxSpinBox->setValue(number ? value : 0);
}

XmlObject *sclReportControl::currentReportControl() const
{
    // The clicked row's block; after a refill nothing is clicked and nothing may change.
    XmlObject *element = clickedObject();
    return element && element->name == QLatin1String("ReportControl") ? element : nullptr;
}

void sclReportControl::slotStateChanged(int state)
{
    XmlObject *reportControl = currentReportControl();
    if (!reportControl)
        return;
    if (!document())
        return;
    if (state == Qt::Unchecked) {
        document()->beginMacro(tr("disable reports of %1").arg(EditCommand::nameOf(reportControl)));
        for (XmlObject *rptEnabled : rptEnabledOf(reportControl))
            document()->execute(std::make_unique<RemoveCommand>(rptEnabled, QString()));
        document()->endMacro();
        descLineEdit->clear();
        showMax(nullptr);
        maxSpinBox->setEnabled(false);
        descLineEdit->setEnabled(false);
        if (clientTable)
            clientTable->clearRows();
        qDebug().noquote() << tr("Modify record: name = %1, RptEnabled invalid.").arg(reportControl->name);
    } else {
        // Nothing the user has not set: max stays at the schema's default until the box is turned.
        auto *rptEnabled = new XmlObject;
        rptEnabled->name = QStringLiteral("RptEnabled");
        document()->execute(std::make_unique<InsertCommand>(reportControl, -1, rptEnabled));
        maxSpinBox->setEnabled(true);
        descLineEdit->setEnabled(true);
        if (clientTable) {
            clientTable->setParentObject(rptEnabled, owner);
            clientTable->fillTable();
        }
        qDebug().noquote() << tr("Modify record: name = %1, RptEnabled effective, max = %2, desc = %3.")
                              .arg(reportControl->name, maxSpinBox->cleanText(), descLineEdit->text());
    }
}

void sclReportControl::slotValueChanged(double value)
{
    XmlObject *reportControl = currentReportControl();
    if (!reportControl)
        return;
    const QString max = QString::number(qulonglong(value));
    for (XmlObject *rptEnabled : rptEnabledOf(reportControl)) {
        ModifyRecord::write(*document(), rptEnabled, QStringLiteral("max"), max);
        ModifyRecord::attributeSet(rptEnabled, QStringLiteral("max"), max);
    }
}

void sclReportControl::slotTextChanged(const QString &text)
{
    XmlObject *reportControl = currentReportControl();
    if (!reportControl)
        return;
    for (XmlObject *rptEnabled : rptEnabledOf(reportControl)) {
        ModifyRecord::write(*document(), rptEnabled, QStringLiteral("desc"), text);
        ModifyRecord::attributeSet(rptEnabled, QStringLiteral("desc"), text);
    }
}
