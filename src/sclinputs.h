#ifndef SCLINPUTS_H
#define SCLINPUTS_H

#include "scltableview.h"

// The input references (ExtRef) of a logical node, each with the
// descriptions of the signal it receives and of the one it feeds.
class sclInputs : public sclTableView
{
    Q_OBJECT

public:
    explicit sclInputs(QWidget *parent = nullptr);

    static const QString InternalColumn;
    static const QString ExternalColumn;
    // The dU text of the data object that intAddr names in the ExtRef's own IED; null when unresolved.
    static QString internalDescription(const XmlObject *extRef);
    // The dU text of the data object the ExtRef names in the sending IED; null when unresolved.
    static QString externalDescription(const XmlObject *extRef);

protected:
    QList<XmlObject *> rowElements() const override;
    void fillRow(XmlObject *element, int n) override;
};

#endif // SCLINPUTS_H
