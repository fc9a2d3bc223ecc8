#include "xssimple.h"

#include "xmlschema.h"
#include "xsrestriction.h"

#include <algorithm>
#include <iterator>

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

namespace {

// The XSD letter classes the SCL schema uses, and the letters they stand for.
struct LetterClass
{
    QLatin1String xsd;
    QLatin1String range;
};
const LetterClass letterClasses[] = {
    {QLatin1String("\\p{Lu}"), QLatin1String("A-Z")},
    {QLatin1String("\\p{Ll}"), QLatin1String("a-z")},
    {QLatin1String("\\p{L}"), QLatin1String("A-Za-z")},
};

// Writes the letter classes as QRegularExpression knows them: a range inside a
// bracket expression, a bracket expression of its own elsewhere (tRestrLdName
// begins with \p{L}).
QString withLetterRanges(const QString &xsdPattern)
{
    QString result;
    bool inBracket = false;
    for (int i = 0; i < xsdPattern.size(); ++i) {
        const QStringRef rest = xsdPattern.midRef(i);
        const auto letters = std::find_if(std::begin(letterClasses), std::end(letterClasses),
                                          [&](const LetterClass &letter) { return rest.startsWith(letter.xsd); });
        if (letters != std::end(letterClasses)) {
            result += inBracket ? QString(letters->range) : QLatin1Char('[') + letters->range + QLatin1Char(']');
            i += letters->xsd.size() - 1;
        } else if (rest.startsWith(QLatin1Char('\\'))) {
            result += rest.left(2); // an escape stays whole: \] ends no bracket expression
            ++i;
        } else {
            if (rest.at(0) == QLatin1Char('['))
                inBracket = true;
            else if (rest.at(0) == QLatin1Char(']'))
                inBracket = false;
            result += rest.at(0);
        }
    }
    return result;
}

} // namespace

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
    return withLetterRanges(result);
}
