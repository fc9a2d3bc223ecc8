#ifndef CANONICALXML_H
#define CANONICALXML_H

#include <QString>
#include <QStringList>

// An independent reading of an XML file as lines of content, for comparing
// what a file says regardless of formatting, prefixes and attribute order:
// one line per element with its path of expanded names ({namespace}local),
// its non-empty attributes sorted by expanded name and its trimmed text, and
// one line per comment and processing instruction with the path it stands
// in. Elements in no namespace count as SCL elements, and the root's
// xsi:schemaLocation is left out: the writer sets both.
// Returns an empty list when the file does not parse.
QStringList canonicalXml(const QString &fileName, QString *error = nullptr);

#endif // CANONICALXML_H
