#include "modifyrecord.h"

#include "scldocument.h"
#include "setattributecommand.h"
#include "xmlobject.h"

#include <QDebug>

void ModifyRecord::attributeChanged(const XmlObject *element, const QString &attribute, const QString &oldValue,
                                    const QString &newValue)
{
    qDebug().noquote() << QStringLiteral("Modify record: name = %1->%2, Val from [%3] to [%4].")
                          .arg(element->name, attribute, oldValue, newValue);
}

void ModifyRecord::attributeSet(const XmlObject *element, const QString &attribute, const QString &newValue)
{
    qDebug().noquote() << QStringLiteral("Modify record: name = %1->%2, Val change to [%3].")
                          .arg(element->name, attribute, newValue);
}

void ModifyRecord::write(SclDocument &document, XmlObject *element, const QString &attribute, const QString &value)
{
    if (element->attribute(attribute) == value && element->attributes.contains(attribute))
        return;
    document.execute(std::make_unique<SetAttributeCommand>(element, attribute, value));
}
