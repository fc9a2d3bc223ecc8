#ifndef XMLTEMPLATEMERGE_H
#define XMLTEMPLATEMERGE_H

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class SclDocument;
class XmlObject;

// What becomes of one data type of an imported ICD file.
struct TypeRevision
{
    enum Operation { Insert = 1, Ignore = 2, Replace = 3, Prefix = 4 };

    int operation = Ignore;
    QString id;      // the ICD's id as read
    QString lnClass; // LNodeTypes only
    std::unique_ptr<XmlObject> type; // a copy of the ICD type; a prefix changes its id
};

// Compares the data types of an ICD document with those of the open document
// and carries out the user's decisions: types the document lacks are added,
// conflicting ones are ignored, replace the document's, or are added under a
// prefixed id with the ICD's own references renamed.
class XmlTemplateMerge
{
    Q_DECLARE_TR_FUNCTIONS(XmlTemplateMerge)

public:
    enum Kind { EnumTypeKind, DATypeKind, DOTypeKind, LNodeTypeKind };
    static QString kindName(Kind kind);

    // One conflicting child: a row of the revision table.
    struct Conflict
    {
        Kind kind;
        QString id;
    };

    XmlTemplateMerge();
    ~XmlTemplateMerge();

    // One record per type of the ICD's DataTypeTemplates, operation Ignore.
    void collect(const QList<XmlObject *> &icdRoots);
    // Looks each record up in the open document's type indexes: records
    // without a namesake become Insert; for the others, one conflict per
    // child that has no equal child in the document's type, in the order
    // EnumType, DAType, DOType, LNodeType.
    QList<Conflict> compare() const;
    // Records the decision for every record of that kind and id that the
    // document has a namesake of; a prefix renames the copy and the references
    // to it in the ICD's other types, and a later decision for the same type
    // takes an earlier prefix back.
    void choose(Kind kind, const QString &id, TypeRevision::Operation operation, const QString &prefix = QString());

    std::vector<TypeRevision> &records(Kind kind);
    const std::vector<TypeRevision> &records(Kind kind) const;
    // The open document's type a record conflicts with, or null.
    XmlObject *documentType(Kind kind, const TypeRevision &record) const;

    // Adds, replaces or prefixes the records of one kind in the document's
    // DataTypeTemplates, through its commands, logging a Modify record line for
    // each. beforePrefixed runs for each prefixed LNodeType before it is added.
    void addTypes(SclDocument &document, Kind kind, XmlObject *dataTypeTemplates,
                  const std::function<void(const TypeRevision &)> &beforePrefixed = {});

private:
    // Points the ICD's references to a type of kind at its new id.
    void renameReferences(Kind kind, const QString &oldId, const QString &newId);

    // compare() marks the records without a namesake in the document.
    mutable std::vector<TypeRevision> m_records[4];
};

#endif // XMLTEMPLATEMERGE_H
