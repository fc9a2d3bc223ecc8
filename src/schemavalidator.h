#ifndef SCHEMAVALIDATOR_H
#define SCHEMAVALIDATOR_H

#include <QCoreApplication>
#include <QList>
#include <QString>

class Progress;
class XmlObject;

// One place where the document breaks the schema.
struct SchemaFinding
{
    const XmlObject *element; // null when the finding is about no element (an unreadable schema)
    QString message;
};

// Validates a document, as it is in memory, against the embedded SCL schema
// with libxml2's XML Schema 1.0 validator: structure and order, occurrences,
// attributes and their simple types, unique, key and keyref constraints.
// The document is handed over as a libxml2 tree built from ours, each node
// pointing back to its element, so that findings name elements, not lines.
class SchemaValidator
{
    Q_DECLARE_TR_FUNCTIONS(SchemaValidator)

public:
    // The findings, in the validator's order; empty when the document is valid.
    // Reads the tree only: it may run on a worker thread while nothing edits the document.
    static QList<SchemaFinding> validate(const QList<XmlObject *> &roots, Progress *progress = nullptr);

    // "IED[name=P1]/AccessPoint[name=S1]/Server/LDevice[inst=LD0]/LN0": how findings name an element.
    static QString pathOf(const XmlObject *element);
    // The check panel's line for a finding, with the element's line in the file when it has one.
    static QString findingText(const SchemaFinding &finding);
};

#endif // SCHEMAVALIDATOR_H
