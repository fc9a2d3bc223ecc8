#ifndef RENAMEENGINE_H
#define RENAMEENGINE_H

#include <QCoreApplication>
#include <QList>
#include <QString>

class SclDocument;
class XmlObject;

// One attribute (or, for "value", the text) of an element that names another element.
struct Reference
{
    XmlObject *element;
    QString attribute;
};

// The references of an SCL file to its IEDs, access points, logical devices
// and nodes, data sets, control blocks and data types, and the renames that
// carry them along: after a rename, everything that named the element names
// it by its new name.
class RenameEngine
{
    Q_DECLARE_TR_FUNCTIONS(RenameEngine)

public:
    explicit RenameEngine(const SclDocument &document) : m_document(document) {}

    // Whether changing this attribute of the element renames it for what refers to it.
    static bool isName(const XmlObject *element, const QString &attribute);
    // Whether anything in a file can name the element.
    static bool isNamed(const XmlObject *element);
    // Everything that refers to the element by the attribute; when none is
    // given, everything that refers to it by any of its names, each referrer once.
    QList<Reference> references(const XmlObject *element, const QString &attribute = QString()) const;
    // Sets the attribute and every reference through it, as one step; the number of references changed.
    int rename(SclDocument &document, XmlObject *element, const QString &attribute, const QString &value) const;

private:
    const SclDocument &m_document;
};

#endif // RENAMEENGINE_H
