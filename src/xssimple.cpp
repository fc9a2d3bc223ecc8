#include "xssimple.h"

#include "xmlschema.h"
#include "xsrestriction.h"

QStringList XsSimple::allEnumerations() const
{
    QStringList result;
    if (restriction)
        result = restriction->enumerations;
    for (const QString &member : memberTypes) {
        if (const XsSimple *type = XmlSchema::instance()->simpleType(member))
            result += type->allEnumerations();
    }
    return result;
}

QString XsSimple::regexPattern() const
{
    QString result = pattern;
    if (result.isEmpty() && restriction) {
        result = restriction->pattern;
        if (result.isEmpty()) {
            const XsSimple *base = XmlSchema::instance()->simpleType(restriction->base);
            if (base && base != this)
                result = base->regexPattern();
        }
    }
    // XSD letter classes, in the forms the SCL schema uses them.
    result.replace(QLatin1String("\\p{Lu}"), QLatin1String("[A-Z]"));
    result.replace(QLatin1String("\\p{L}"), QLatin1String("A-Za-z"));
    result.replace(QLatin1String("\\p{Ll}"), QLatin1String("[a-z]"));
    return result;
}
