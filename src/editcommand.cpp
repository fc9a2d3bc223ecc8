#include "editcommand.h"

#include "xmlobject.h"

QString EditCommand::nameOf(const XmlObject *element)
{
    for (const char *key : {"name", "id", "inst"}) {
        const QString value = element->attribute(QLatin1String(key));
        if (!value.isEmpty())
            return element->name + QLatin1Char(' ') + value;
    }
    return element->name;
}
