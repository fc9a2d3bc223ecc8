#include "objectcombobox.h"

#include "xmlobject.h"

#include <QDebug>

objectComboBox::objectComboBox(XmlObject *object, const QString &key)
    : object(object),
      key(key)
{
}

void objectComboBox::slotCurrentTextChanged(const QString &text)
{
    object->attributes.insert(key, text);
    qDebug().noquote() << QStringLiteral("Modify record: name = %1->%2, Val change to [%3].")
                          .arg(object->name, key, text);
}
