#ifndef TREEFOLLOWER_H
#define TREEFOLLOWER_H

#include <QObject>

class QTreeWidgetItem;
class SclDocument;
class XmlObject;

// Keeps the items of the SCL and types trees in step with the document: an
// inserted element gets its items where it stands, a removed one loses them,
// a moved one takes its items along, a changed one shows its new label.
class TreeFollower : public QObject
{
    Q_OBJECT

public:
    explicit TreeFollower(SclDocument *document);

signals:
    // The IED names and type ids the filters complete may have changed.
    void namesChanged();
    // A DataTypeTemplates section came into the document: the types tree is built anew.
    void templatesInserted();

private:
    void inserted(XmlObject *element);
    void aboutToRemove(XmlObject *element);
    void moved(XmlObject *element);
    void changed(XmlObject *element, const QString &key);
    // Where the element's item goes among the items of its parent's item.
    static int itemPosition(const XmlObject *element, const QTreeWidgetItem *parentItem);
    // An IED's items are made when it is first opened: until then nothing inside it has any.
    static bool childrenShown(const XmlObject *parent);
    // The filters' names are gathered again once the event loop turns.
    void noteNames();

    bool m_namesPending = false;

};

#endif // TREEFOLLOWER_H
