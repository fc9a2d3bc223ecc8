#ifndef SCLFCDA_H
#define SCLFCDA_H

#include "scltableview.h"

// The members of a data set. Each row also shows, in the "dU-Val" column, the
// description (dU) of the data object the member refers to, and edits it there.
class sclFcda : public sclTableView
{
    Q_OBJECT

public:
    explicit sclFcda(QWidget *parent = nullptr);

    static const QString DescriptionColumn;
    // The DOI (or its SDI) that the member names, or null.
    static XmlObject *dataObject(const XmlObject *fcda);

signals:
    // A member was clicked: the window shows the data instance it refers to.
    void fcdaSelected(const XmlObject *fcda);

public slots:
    void slotItemClicked(QTableWidgetItem *item) override;

protected:
    void fillRow(XmlObject *element, int n) override;
    bool writeValue(XmlObject *element, const QString &attribute, const QString &value) override;
};

#endif // SCLFCDA_H
