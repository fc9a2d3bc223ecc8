#ifndef MENULOADER_H
#define MENULOADER_H

#include <QCoreApplication>
#include <QObject>

class Kestrel;
class QMenu;
class SclDocument;
class XmlObject;
class XmlTreeItem;

// The tree's context menu and the structural edits it offers: view, copy,
// cut, paste, delete, move and insert what the schema allows.
class MenuLoader : public QObject
{
    Q_OBJECT

public:
    // What a deletion question adds when other elements name the one to delete; empty when none does.
    static QString danglingWarning(int references);

    // The one instance, created on the first call with the main window as its parent.
    static MenuLoader *instance(Kestrel *mainWindow = nullptr);
    ~MenuLoader() override;

    // A menu for the element, deleted when it closes; its commands act on item.
    QMenu *createMenu(XmlObject *element, XmlTreeItem *item);
    void setCurrentItem(XmlTreeItem *item);
    XmlTreeItem *currentTreeItem() const;
    const XmlObject *clipboardElement() const { return clipboard; }

    bool canMoveUp(const XmlObject *element) const;
    bool canMoveDown(const XmlObject *element) const;
    bool canInsert(XmlTreeItem *item, const QString &childName) const;

public slots:
    void slotMapped(const QString &text);
    void onCopy();
    void onCut();
    void onPaste();
    void onDelete();
    void onUp();
    void onDown();
    void onInsertNode(const QString &name);

private:
    explicit MenuLoader(Kestrel *mainWindow);

    struct Entry
    {
        QString text;
        QString icon;
    };
    QList<Entry> menuEntries(const XmlObject *element) const;
    bool isEnabled(const QString &text) const;
    // The element the menu was opened on, or null when its item is gone.
    XmlObject *currentElement() const;
    bool preparePaste(XmlTreeItem *item, XmlObject *pasted) const;
    void move(int offset);
    SclDocument *document() const;

    XmlTreeItem *currentItem = nullptr;
    quint64 currentSerial = 0;
    XmlObject *clipboard = nullptr;
    Kestrel *mainWindow;
};

#endif // MENULOADER_H
