#ifndef SCLREPORTCONTROL_H
#define SCLREPORTCONTROL_H

#include "sclcontroltable.h"

class QCheckBox;
class QLineEdit;
class QDoubleSpinBox;
class sclRptEnabled;

// The report control blocks of a logical node. The clicked block's RptEnabled
// (whether clients are configured, how many, and their description) is shown
// and edited in widgets beside the table; its clients fill the client table.
class sclReportControl : public sclControlTable
{
    Q_OBJECT

public:
    explicit sclReportControl(QWidget *parent = nullptr);

    void setRptEnabledWidgets(QCheckBox *enabled, QDoubleSpinBox *max, QLineEdit *description, sclRptEnabled *clients);
    void fillTable() override;

public slots:
    void slotItemClicked(QTableWidgetItem *item) override;
    void slotStateChanged(int state);
    void slotValueChanged(double value);
    void slotTextChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectWidgets(bool on);
    XmlObject *currentReportControl() const;
    QList<XmlObject *> rptEnabledOf(const XmlObject *reportControl) const;
    // Shows max as the file holds it, or the schema's default when it is absent.
    void showMax(const XmlObject *rptEnabled);

    QCheckBox *enableCheckBox = nullptr;
    QDoubleSpinBox *maxSpinBox = nullptr;
    QLineEdit *descLineEdit = nullptr;
    sclRptEnabled *clientTable = nullptr;
};

#endif // SCLREPORTCONTROL_H
