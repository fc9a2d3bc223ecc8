#ifndef ATTRIBUTE_H
#define ATTRIBUTE_H

#include <QMap>
#include <QTableWidget>

class Kestrel;
class SclDocument;
class XmlObject;

// The attribute panel: the attributes the schema declares for the selected
// element, required ones marked yellow, edited in place.
class attribute : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int RequiredMark = 18;
    static const QColor RequiredColor;

    explicit attribute(QWidget *parent = nullptr);

    void showObject(XmlObject *element, Kestrel *window);
    void refreshTable();
    // Lets go of an element that leaves the document, shows the changes of the one shown.
    void follow(SclDocument *document);
    XmlObject *shownObject() const { return object; }

public slots:
    void slotItemDoubleClicked(QTableWidgetItem *item);
    void slotItemChanged(QTableWidgetItem *item);

protected:
    void changeEvent(QEvent *event) override;

private:
    void setHeaders();

    QMap<QString, QString> values;
    QMap<QString, int> requiredMarks;
    XmlObject *object = nullptr;
    int shownRows = 0; // rows filled by the last refresh
    QString oldText;
    Kestrel *mainWindow = nullptr;
};

#endif // ATTRIBUTE_H
