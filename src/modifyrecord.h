#ifndef MODIFYRECORD_H
#define MODIFYRECORD_H

#include <QString>

class SclDocument;
class XmlObject;

// The "Modify record" log lines that every editor writes for a change of an
// attribute, and the change itself.
class ModifyRecord
{
public:
    // "Modify record: name = E->A, Val from [old] to [new]."
    static void attributeChanged(const XmlObject *element, const QString &attribute, const QString &oldValue,
                                 const QString &newValue);
    // "Modify record: name = E->A, Val change to [new]." for choices and spin boxes.
    static void attributeSet(const XmlObject *element, const QString &attribute, const QString &newValue);
    // Writes an attribute through the document, as one step to undo; "value"
    // is the element's text, kept in both places.
    static void write(SclDocument &document, XmlObject *element, const QString &attribute, const QString &value);
};

#endif // MODIFYRECORD_H
