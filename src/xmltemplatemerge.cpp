#include "xmltemplatemerge.h"

#include "childplacement.h"
#include "insertcommand.h"
#include "removecommand.h"
#include "scldocument.h"
#include "xmlobject.h"
#include "xmlschema.h"

#include <QDebug>

namespace {

const int KindCount = 4;

XmlTemplateMerge::Kind kindAt(int index)
{
    return static_cast<XmlTemplateMerge::Kind>(index);
}

// The kind of a type element by its name, or -1 for anything else.
int kindOf(const QString &elementName)
{
    for (int kind = 0; kind < KindCount; ++kind) {
        if (XmlTemplateMerge::kindName(kindAt(kind)) == elementName)
            return kind;
    }
    return -1;
}

// Whether a child of the ICD's type says nothing the document's child does not:
// enumeration values by number and text, the others by every attribute.
bool sameChild(XmlTemplateMerge::Kind kind, const XmlObject *icdChild, const XmlObject *documentChild)
{
    if (kind == XmlTemplateMerge::EnumTypeKind) {
        const QString ord = QStringLiteral("ord");
        return icdChild->attribute(ord) == documentChild->attribute(ord) && icdChild->value == documentChild->value;
    }
    if (icdChild->name != documentChild->name)
        return false;
    for (auto it = icdChild->attributes.begin(); it != icdChild->attributes.end(); ++it) {
        if (documentChild->attribute(it.key()) != it.value())
            return false;
    }
    return true;
}

bool hasSameChild(XmlTemplateMerge::Kind kind, const XmlObject *documentType, const XmlObject *icdChild)
{
    for (const XmlObject *child : documentType->children) {
        if (sameChild(kind, icdChild, child))
            return true;
    }
    return false;
}

// Whether a child of some type refers to a type of kind through its type attribute.
bool refersTo(XmlTemplateMerge::Kind kind, const XmlObject *child)
{
    switch (kind) {
    case XmlTemplateMerge::EnumTypeKind:
        return child->attribute(QStringLiteral("bType")) == QLatin1String("Enum");
    case XmlTemplateMerge::DATypeKind:
        return child->attribute(QStringLiteral("bType")) == QLatin1String("Struct");
    case XmlTemplateMerge::DOTypeKind:
        return child->name == QLatin1String("SDO") || child->name == QLatin1String("DO");
    case XmlTemplateMerge::LNodeTypeKind:
        break; // logical nodes are renamed as they are added
    }
    return false;
}

} // namespace

QString XmlTemplateMerge::kindName(Kind kind)
{
    static const char *const names[KindCount] = {"EnumType", "DAType", "DOType", "LNodeType"};
    return QLatin1String(names[kind]);
}

XmlTemplateMerge::XmlTemplateMerge() = default;

XmlTemplateMerge::~XmlTemplateMerge() = default;

void XmlTemplateMerge::collect(const QList<XmlObject *> &icdRoots)
{
    for (std::vector<TypeRevision> &records : m_records)
        records.clear();
    for (const XmlObject *root : icdRoots) {
        if (root->name != QLatin1String("SCL"))
            continue;
        for (const XmlObject *templates : root->children) {
            if (templates->name != QLatin1String("DataTypeTemplates"))
                continue;
            for (const XmlObject *type : templates->children) {
                const int kind = kindOf(type->name);
                if (kind < 0)
                    continue;
                TypeRevision record;
                record.id = type->attribute(QStringLiteral("id"));
                if (kind == LNodeTypeKind)
                    record.lnClass = type->attribute(QStringLiteral("lnClass"));
                record.type = std::make_unique<XmlObject>(*type);
                m_records[kind].push_back(std::move(record));
            }
        }
    }
}

QList<XmlTemplateMerge::Conflict> XmlTemplateMerge::compare() const
{
    QList<Conflict> conflicts;
    for (int index = 0; index < KindCount; ++index) {
        const Kind kind = kindAt(index);
        for (TypeRevision &record : m_records[index]) {
            const XmlObject *existing = documentType(kind, record);
            if (!existing) {
                record.operation = TypeRevision::Insert;
                continue;
            }
            for (const XmlObject *child : record.type->children) {
                if (!hasSameChild(kind, existing, child))
                    conflicts.append({kind, record.id});
            }
        }
    }
    return conflicts;
}

void XmlTemplateMerge::choose(Kind kind, const QString &id, TypeRevision::Operation operation, const QString &prefix)
{
    const QString idKey = QStringLiteral("id");
    for (TypeRevision &record : m_records[kind]) {
        // A logical node type of another class than the conflicting one is still new.
        if (record.id != id || !documentType(kind, record))
            continue;
        record.operation = operation;
        // Renaming from the copy's current id lets a later choice override an earlier prefix.
        const QString oldId = record.type->attribute(idKey);
        const QString newId = operation == TypeRevision::Prefix ? prefix + record.id : record.id;
        if (newId == oldId)
            continue;
        record.type->attributes.insert(idKey, newId);
        renameReferences(kind, oldId, newId);
    }
}

void XmlTemplateMerge::renameReferences(Kind kind, const QString &oldId, const QString &newId)
{
    const QString typeKey = QStringLiteral("type");
    for (std::vector<TypeRevision> &records : m_records) {
        for (TypeRevision &record : records) {
            for (XmlObject *child : qAsConst(record.type->children)) {
                if (refersTo(kind, child) && child->attribute(typeKey) == oldId)
                    child->attributes.insert(typeKey, newId);
            }
        }
    }
}

std::vector<TypeRevision> &XmlTemplateMerge::records(Kind kind)
{
    return m_records[kind];
}

const std::vector<TypeRevision> &XmlTemplateMerge::records(Kind kind) const
{
    return m_records[kind];
}

XmlObject *XmlTemplateMerge::documentType(Kind kind, const TypeRevision &record) const
{
    const XmlSchema *schema = XmlSchema::instance();
    switch (kind) {
    case EnumTypeKind:
        return schema->enumTypeIndex.value(record.id);
    case DATypeKind:
        return schema->findDAType(record.id);
    case DOTypeKind:
        return schema->findDOType(record.id);
    case LNodeTypeKind:
        // Logical node types of one id may differ by class.
        return schema->lnodeTypeIndex.value(record.id + QLatin1Char('/') + record.lnClass);
    }
    return nullptr;
}

void XmlTemplateMerge::addTypes(SclDocument &document, Kind kind, XmlObject *dataTypeTemplates,
                                const std::function<void(const TypeRevision &)> &beforePrefixed)
{
    // Each type goes after the last of its kind.
    const ChildPlacement placement(dataTypeTemplates->name);
    for (const TypeRevision &record : m_records[kind]) {
        QString line;
        switch (record.operation) {
        case TypeRevision::Replace: {
            XmlObject *existing = documentType(kind, record);
            if (!existing) {
                qWarning().noquote() << tr("Import ICD file, replace %1 %2 failed.").arg(kindName(kind), record.id);
                continue;
            }
            document.execute(std::make_unique<RemoveCommand>(existing, QString()));
            line = tr("Modify record: Import ICD file, replace %1 = %2.");
            break;
        }
        case TypeRevision::Prefix:
            if (kind == LNodeTypeKind) {
                if (beforePrefixed)
                    beforePrefixed(record);
                line = tr("Modify record: Import ICD file, add prefix %1 = %2.");
                break;
            }
            Q_FALLTHROUGH();
        case TypeRevision::Insert:
            line = tr("Modify record: Import ICD file, insert %1 = %2.");
            break;
        default: // Ignore: the document's type stays
            continue;
        }
        auto *copy = new XmlObject(*record.type);
        const int position = placement.position(dataTypeTemplates, copy->name);
        document.execute(std::make_unique<InsertCommand>(dataTypeTemplates, position, copy));
        qDebug().noquote() << line.arg(kindName(kind), copy->attribute(QStringLiteral("id")));
    }
}
