#ifndef OBJECTCOMBOBOX_H
#define OBJECTCOMBOBOX_H

#include <QComboBox>

class Kestrel;
class XmlObject;

// A table cell offering a fixed choice for one attribute of one element. The
// view fills the items and connects currentTextChanged to slotCurrentTextChanged;
// the table that receives the combo box as cell widget takes it over.
class objectComboBox : public QComboBox
{
    Q_OBJECT

public:
    objectComboBox(Kestrel *window, XmlObject *object, const QString &key);

    Kestrel *window;   // not owned
    XmlObject *object; // not owned
    QString key;

public slots:
    // Writes the text into the attribute, creating it if need be, and logs the
    // change; a rename the user does not confirm shows the old value again.
    void slotCurrentTextChanged(const QString &text);

protected:
    // A wheel turned over a box the user has not given focus scrolls the table
    // instead: passing over a cell must not change the document.
    void wheelEvent(QWheelEvent *event) override;
};

#endif // OBJECTCOMBOBOX_H
