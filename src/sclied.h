#ifndef SCLIED_H
#define SCLIED_H

#include "elementview.h"

#include <QWidget>

#include <memory>

class Kestrel;
class QComboBox;
class QTableWidgetItem;
class XmlObject;
class sclTableView;

namespace Ui {
class sclIed;
}

// One IED of the document: its logical devices and, for the logical device
// and logical node chosen below the tabs, their logical nodes, data sets,
// control blocks and inputs, each in an editable table.
class sclIed : public QWidget, public ElementView
{
    Q_OBJECT

public:
    explicit sclIed(Kestrel *window);
    ~sclIed() override;

    void setIed(XmlObject *element) { ied = element; }
    // Lists the IED's logical devices in the table and the device choice.
    void fillTable();
    // Shows element (the IED itself or anything the views list) in its tab, its row selected.
    void select(XmlObject *element);

    XmlObject *shownElement() const override { return ied; }
    QString title() const override;
    void refresh() override;

    XmlObject *ied = nullptr; // not owned

public slots:
    void slotLdCurrentIndexChanged(int index);
    void slotLnActivated(int index);
    void slotTabBarClicked(int index);
    void slotDataSetItemClicked(QTableWidgetItem *item);

private:
    // What select() looks for, found by walking up from the element to its IED.
    struct Enclosing
    {
        XmlObject *fcda = nullptr;
        XmlObject *extRef = nullptr;
        XmlObject *reportControl = nullptr;
        XmlObject *gseControl = nullptr;
        XmlObject *smvControl = nullptr;
        XmlObject *logControl = nullptr;
        XmlObject *dataSet = nullptr;
        XmlObject *inputs = nullptr;
        XmlObject *logicalNode = nullptr;
        XmlObject *device = nullptr;
    };
    static Enclosing enclosingOf(XmlObject *element);

    // The device choice, in the order of the device table.
    void fillDeviceChoice();
    void fillLnComboBox(int deviceIndex);
    static QString deviceText(const XmlObject *device);
    static QString nodeText(const XmlObject *node);
    void refreshTab(int index);
    void showTab(int index);
    // The table of a tab that lists the chosen logical node's children.
    sclTableView *nodeTable(int tab) const;
    static XmlObject *entryObject(const QComboBox *box, int index);
    static int entryIndex(const QComboBox *box, const XmlObject *element);

    std::unique_ptr<Ui::sclIed> ui;
};

#endif // SCLIED_H
