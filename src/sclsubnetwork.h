#ifndef SCLSUBNETWORK_H
#define SCLSUBNETWORK_H

#include "elementview.h"

#include <QWidget>

#include <memory>

class Kestrel;
class QTableWidgetItem;
class XmlObject;

namespace Ui {
class sclSubNetwork;
}

// One sub-network: its connected access points and, for the one last
// clicked, its address parameters, GOOSE and sampled value addresses.
class sclSubNetwork : public QWidget, public ElementView
{
    Q_OBJECT

public:
    explicit sclSubNetwork(Kestrel *window);
    ~sclSubNetwork() override;

    void setObject(XmlObject *element) { subNetwork = element; }
    void fillTable();

    XmlObject *shownElement() const override { return subNetwork; }
    QString title() const override;
    void refresh() override;

    XmlObject *subNetwork = nullptr; // not owned

public slots:
    // Shows the clicked access point's addresses in the three detail tables.
    void slotItemClicked(QTableWidgetItem *item);

private:
    void clearDetails();

    std::unique_ptr<Ui::sclSubNetwork> ui;
};

#endif // SCLSUBNETWORK_H
