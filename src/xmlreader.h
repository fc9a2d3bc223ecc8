#ifndef XMLREADER_H
#define XMLREADER_H

#include <QCoreApplication>
#include <QList>
#include <QString>

class Progress;
class XmlObject;

// Loads SCL files into XmlObject trees and saves them back as UTF-8 XML.
//
// Elements and attributes in the SCL namespace (or in none) are held under
// their local names. Those in any other namespace (vendor extensions,
// xsi:type) keep their qualified name as written, and every namespace
// declaration stays as an attribute on the element that made it, so an open
// and save leaves foreign content intact. So do comments and processing
// instructions: they are kept beside the element they stand next to and
// written back in place.
//
// What the file cannot say without loss is refused with the reason: bytes
// that are not valid UTF-8 or UTF-16, names that XML does not allow,
// entities kept in other files (which are never read), entity references
// that would expand beyond a fixed budget, nesting beyond MaxDepth.
class XmlReader
{
    Q_DECLARE_TR_FUNCTIONS(XmlReader)

public:
    // Deeper documents are refused, so that no recursive walk can exhaust the stack.
    static constexpr int MaxDepth = 1000;

    static const QString SclNamespace;
    static const QString VendorNamespace;
    static const QString SchemaInstanceNamespace;

    // The roots, owned by the caller; empty (and a logged reason) on any failure.
    static QList<XmlObject *> load(const QString &fileName, Progress *progress = nullptr);
    // Writes through a temporary file that replaces fileName only once
    // everything is written; on failure the old file is untouched and the
    // reason logged. Renumbers lineNumber of every written element.
    static bool save(const QString &fileName, const QList<XmlObject *> &roots,
                     Progress *progress = nullptr);
    static int countElements(const QList<XmlObject *> &roots);

    // The attributes every SCL root carries in memory and in the saved file.
    static void setRootNamespaces(XmlObject *root);
};

#endif // XMLREADER_H
