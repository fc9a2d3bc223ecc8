#ifndef MODIFYRECORD_H
#define MODIFYRECORD_H

#include <QString>

class XmlObject;

// The "Modify record" log lines that every editor writes for a change of an
// attribute. The main window enables Save when it sees one.
class ModifyRecord
{
public:
    // "Modify record: name = E->A, Val from [old] to [new]."
    static void attributeChanged(const XmlObject *element, const QString &attribute, const QString &oldValue,
                                 const QString &newValue);
    // "Modify record: name = E->A, Val change to [new]." for choices and spin boxes.
    static void attributeSet(const XmlObject *element, const QString &attribute, const QString &newValue);
    // Writes an attribute; "value" is the element's text, kept in both places.
    static void write(XmlObject *element, const QString &attribute, const QString &value);
};

#endif // MODIFYRECORD_H
