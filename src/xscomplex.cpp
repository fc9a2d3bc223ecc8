#include "xscomplex.h"

#include "xmlschema.h"
#include "xsall.h"
#include "xsattribgroup.h"
#include "xschoice.h"
#include "xscontent.h"
#include "xsextension.h"
#include "xsrestriction.h"
#include "xssequence.h"

QList<XsAttrib *> XsComplex::allAttributes() const
{
    const XmlSchema *schema = XmlSchema::instance();
    QList<XsAttrib *> result = attributes;
    if (content) {
        result += content->attributes;
        if (const XsExtension *extension = content->extension) {
            result += extension->attributes;
            for (const QString &group : extension->attributeGroups)
                result += schema->groupAttributes(group);
            if (const XsComplex *base = schema->complexType(extension->base))
                result += base->allAttributes();
        }
        if (content->restriction)
            result += content->restriction->attributes;
    }
    for (const XsAttribGroup *group : attributeGroups)
        result += schema->groupAttributes(group->name);
    return result;
}

QList<XsElement *> XsComplex::allElements() const
{
    QList<XsElement *> result = elements;
    if (sequence)
        result += sequence->elements;
    if (content && content->extension) {
        const XsExtension *extension = content->extension;
        result += extension->elements;
        if (extension->choice)
            result += extension->choice->elements;
        if (extension->sequence)
            result += extension->sequence->elements;
        if (const XsComplex *base = XmlSchema::instance()->complexType(extension->base))
            result += base->allElements();
    }
    if (all)
        result += all->elements;
    return result;
}
