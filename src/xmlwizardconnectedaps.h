#ifndef XMLWIZARDCONNECTEDAPS_H
#define XMLWIZARDCONNECTEDAPS_H

#include <QHash>
#include <QList>
#include <QWizardPage>

#include <memory>

class QCheckBox;
class QComboBox;
class QIpAddressEdit;
class XmlObject;
class XmlWizard;

namespace Ui {
class XmlWizardConnectedAPS;
}

// Connects one access point of the ICD file to the open document's
// sub-networks: the station networks A and, when wanted, B with their
// addresses, and each GOOSE and sampled value block with its multicast
// address. What Finish adds is prepared when the page is left with Next.
class XmlWizardConnectedAPS : public QWizardPage
{
    Q_OBJECT

public:
    // accessPoint belongs to the wizard's ICD document; it is read, never changed.
    XmlWizardConnectedAPS(XmlWizard *wizard, XmlObject *accessPoint);
    ~XmlWizardConnectedAPS() override;

    void initializePage() override;
    bool validatePage() override;

    // The ConnectedAP elements the last successful validatePage prepared. Each
    // has its SubNetwork of the open document as parent but is not yet among
    // its children.
    const QList<XmlObject *> &connectedAps() const { return prepared; }
    // Hands the prepared elements over; the page no longer owns them.
    QList<XmlObject *> takeConnectedAps();

public slots:
    void slotHeaderClicked(int section);

private:
    // The widgets of network A or B.
    struct Network
    {
        QComboBox *subNetwork;
        QIpAddressEdit *ip;
        QIpAddressEdit *netmask;
        QIpAddressEdit *gateway;
    };
    // The networks the user connects: A, and B when its box is checked.
    QList<Network> networks() const;

    XmlObject *communication() const;
    XmlObject *findSubNetwork(const QString &name) const;
    void fillSubNetworks();
    // Adds a row for every control block below element.
    void addRows(const XmlObject *element);
    void addRow(const XmlObject *controlBlock);
    QCheckBox *rowCheckBox(int row) const;
    QString cellText(int row, int column) const;
    void addSubNetwork();

    // Shows text as a warning; always false, for validatePage to return.
    bool refuse(const QString &text);
    bool checkNetworks();
    bool checkRows();
    // The first incomplete address of the network, or a null string.
    static QString incompleteAddress(const Network &network);

    XmlObject *newConnectedAp(XmlObject *subNetwork);
    // Puts each chosen control block into the ConnectedAP of its SubNetwork,
    // adding one where connectedAps (SubNetwork to ConnectedAP) has none.
    void addControlBlocks(QHash<XmlObject *, XmlObject *> &connectedAps);

    std::unique_ptr<Ui::XmlWizardConnectedAPS> ui;
    XmlWizard *m_wizard; // not owned
    XmlObject *m_accessPoint; // not owned
    QList<XmlObject *> prepared;
};

#endif // XMLWIZARDCONNECTEDAPS_H
