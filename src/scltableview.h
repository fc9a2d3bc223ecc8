#ifndef SCLTABLEVIEW_H
#define SCLTABLEVIEW_H

#include <QMap>
#include <QStringList>
#include <QTableWidget>

class Kestrel;
class SclDocument;
class QAbstractButton;
class XmlObject;
class objectComboBox;
class objectTableWidgetItem;

// A table that lists the children of one element of the document, one element
// per row and one attribute per column. Cells are edited in place; the Up,
// Down and Delete buttons of the view holding the table move the clicked
// element among its siblings or take it out of the document. Every change is
// applied to the document at once and logged as a modify record.
class sclTableView : public QTableWidget
{
    Q_OBJECT

public:
    // rowName: the element name listed. recordPattern: the move and delete
    // message, each %n standing for the attribute named just before it.
    sclTableView(const QString &rowName, const char *recordPattern, QWidget *parent = nullptr);
    // A table whose rows a view's form chooses later, with listRows().
    explicit sclTableView(QWidget *parent = nullptr);
    void listRows(const QString &elementName, const char *pattern);

    // Questions and the removal of deleted elements go through the main window.
    void setWindow(Kestrel *window) { mainWindow = window; }
    void setButtons(QAbstractButton *up, QAbstractButton *down, QAbstractButton *remove);
    // The element whose children the next fill lists, and the view holding this table.
    void setParentObject(XmlObject *parent, QWidget *ownerView);

    virtual void fillTable();
    // Fills the table again, the clicked element clicked again when it is still listed.
    void refill();
    // Row count 0, contents cleared; columns and headers stay.
    void clearRows();
    // Index of the clicked element among its parent's children, or -1.
    int getPostion() const;
    // Selects and shows the row whose cell in the key attribute's column
    // carries element, as if the user had clicked it.
    bool selectElement(const XmlObject *element, const QString &keyAttribute);
    // The attributes the table shows for an element: its own and every one the
    // schema declares for it, by name. Empty when the schema has no declaration.
    // Showing them never adds anything to the document.
    static QStringList completeAttributes(const XmlObject *element);
    static bool schemaRequires(const XmlObject *element, const QString &attribute);
    // The move and delete message for element, without its ending.
    static QString record(const char *pattern, const XmlObject *element);

    int createdColumns = 0;
    XmlObject *parentObject = nullptr; // not owned
    QWidget *owner = nullptr;          // the view whose form holds this table
    QMap<QString, int> columnMap;
    QString oldText;
    objectTableWidgetItem *objectItem = nullptr; // owned by the table

signals:
    // After Delete; the element has left the document.
    void elementDeleted(XmlObject *element);

public slots:
    virtual void slotItemClicked(QTableWidgetItem *item);
    void slotItemDoubleClicked(QTableWidgetItem *item);
    virtual void slotItemChanged(QTableWidgetItem *item);
    void slotUpBtn();
    void slotDownBtn();
    void slotDeleteBtn();

protected:
    // Whether the table lists element as a row of its own.
    virtual bool lists(const XmlObject *element) const;
    // The elements listed, one per row, in document order.
    virtual QList<XmlObject *> rowElements() const;
    // Fills table row n - 1 from the element's attributes.
    virtual void fillRow(XmlObject *element, int n);
    virtual bool isRequired(const XmlObject *element, const QString &attribute) const;
    // Whether the attribute's value is fixed for this element, so that its cell is read-only.
    virtual bool isFixed(const XmlObject *element, const QString &attribute) const;
    // Whether emptying this cell is refused.
    virtual bool refusesEmpty(const objectTableWidgetItem *item, const QString &attribute) const;
    // The attribute an edited cell writes: the header of its column.
    virtual QString editedAttribute(const objectTableWidgetItem *item) const;
    // Writes an accepted edit into the element; false when the user took it back.
    virtual bool writeValue(XmlObject *element, const QString &attribute, const QString &value);

    // The column of an attribute, made with its header when first met. The
    // header shows the name unless a caption is given; edits write the header's text.
    int columnFor(const QString &name, const QString &caption = QString());
    void resetColumns();
    objectTableWidgetItem *addCell(int row, const QString &column, XmlObject *element, const QString &text,
                                   bool required);
    // The cell of one attribute of element, in the attribute's column.
    objectTableWidgetItem *addAttributeCell(int row, XmlObject *element, const QString &name);
    // A cell offering fixed choices for one attribute of element.
    objectComboBox *addChoice(int row, const QString &column, XmlObject *element, const QString &attribute,
                              const QStringList &choices);
    void setButtonStates(bool first, bool last);
    void connectEditing(bool on);
    // The document the rows belong to: every change goes through it.
    SclDocument *document() const;
    XmlObject *clickedObject() const;

    Kestrel *mainWindow = nullptr;
    QString rowName;
    const char *recordPattern = nullptr;

private:
    void move(int offset);

    QAbstractButton *upButton = nullptr;
    QAbstractButton *downButton = nullptr;
    QAbstractButton *deleteButton = nullptr;
};

#endif // SCLTABLEVIEW_H
