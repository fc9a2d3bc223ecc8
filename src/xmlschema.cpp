#include "xmlschema.h"

#include "coreresources.h"
#include "xmlobject.h"
#include "xsall.h"
#include "xsany.h"
#include "xsanyattribute.h"
#include "xsattrib.h"
#include "xsattribgroup.h"
#include "xschoice.h"
#include "xscomplex.h"
#include "xscontent.h"
#include "xselement.h"
#include "xsextension.h"
#include "xskey.h"
#include "xskeyref.h"
#include "xsrestriction.h"
#include "xssequence.h"
#include "xssimple.h"
#include "xsunique.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace {

// Containers whose content is read as if it stood in their place.
const QStringList &skipList()
{
    static const QStringList list = QStringLiteral("schema,annotation,documentation,include").split(QLatin1Char(','));
    return list;
}

QString attributeOf(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1String(name)).toString();
}

} // namespace

XmlSchema *XmlSchema::instance()
{
    static XmlSchema schema;
    return &schema;
}

XmlSchema::~XmlSchema() = default;

template<typename T>
T *XmlSchema::make()
{
    auto *node = new T;
    m_nodes.emplace_back(node);
    return node;
}

void XmlSchema::unhandled(const QXmlStreamReader &xml) const
{
    qDebug().noquote() << tr("[Schema check]XSD File %1:%2 %3 unhandled")
                          .arg(currentFile).arg(xml.lineNumber()).arg(xml.name());
}

// Reads up to the end tag of the construct the reader stands on. The handler
// gets each child start tag; it returns true when it read the child up to its
// end tag. Other children are reported (unless in the skip list) and their
// content is read as if it stood here.
template<typename Handler>
void XmlSchema::readChildren(QXmlStreamReader &xml, Handler handle)
{
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (depth == 0)
                return;
            --depth;
        } else if (xml.isStartElement()) {
            if (handle(xml.name()))
                continue;
            if (!skipList().contains(xml.name()))
                unhandled(xml);
            ++depth;
        }
    }
}

void XmlSchema::load()
{
    if (m_loaded)
        return;
    m_loaded = true;
    initCoreResources();
    const QDir dir(QStringLiteral(":/Schema/Resources"));
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.xsd")}, QDir::Files,
                                                  QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files)
        parse(file.absoluteFilePath());
}

bool XmlSchema::parse(const QString &path)
{
    currentFile = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << tr("[Schema check]ReadOnly open file %1 failed.").arg(path);
        return false;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement())
            continue;
        if (xml.prefix() != QLatin1String("xs"))
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("simpleType")) {
            XsSimple *simple = readSimple(xml);
            simpleTypes.insert(simple->name, simple);
        } else if (name == QLatin1String("attributeGroup")) {
            XsAttribGroup *group = readAttribGroup(xml);
            attributeGroups.insert(group->name, group);
        } else if (name == QLatin1String("complexType")) {
            XsComplex *complex = readComplex(xml);
            complexTypes.insert(complex->name, complex);
        } else if (name == QLatin1String("element")) {
            XsElement *element = readElement(xml);
            elements.insert(element->name, element);
        } else if (name == QLatin1String("attribute")) {
            XsAttrib *attribute = readAttribute(xml);
            attributes.insert(attribute->name, attribute);
        } else if (!skipList().contains(name)) {
            unhandled(xml);
        }
    }
    return true;
}

XsElement *XmlSchema::readElement(QXmlStreamReader &xml)
{
    auto *element = make<XsElement>();
    element->name = attributeOf(xml, "name");
    element->ref = attributeOf(xml, "ref");
    element->type = attributeOf(xml, "type");
    element->minOccurs = attributeOf(xml, "minOccurs");
    element->maxOccurs = attributeOf(xml, "maxOccurs");
    if (!element->name.isEmpty() && !element->type.isEmpty())
        elementTypes.insert(element->name, element->type);
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("complexType")) {
            XsComplex *complex = readComplex(xml);
            element->complex = complex;
            if (complex->name.isEmpty()) {
                complex->name = QLatin1Char('t') + element->name;
                complex->anonymous = true;
            }
            // A type declared under that name keeps it: the anonymous type of
            // the global LN0 extends tLN0 and would otherwise become its own base.
            const XsComplex *known = complexTypes.value(complex->name);
            if (!complex->anonymous || !known || known->anonymous)
                complexTypes.insert(complex->name, complex);
        } else if (child == QLatin1String("unique")) {
            element->unique = readUnique(xml);
        } else if (child == QLatin1String("key")) {
            element->keys.append(readKey(xml));
        } else if (child == QLatin1String("keyref")) {
            element->keyRefs.append(readKeyRef(xml));
        } else if (child == QLatin1String("simpleType")) {
            element->simple = readSimple(xml);
        } else {
            return false;
        }
        return true;
    });
    return element;
}

XsComplex *XmlSchema::readComplex(QXmlStreamReader &xml)
{
    auto *complex = make<XsComplex>();
    complex->name = attributeOf(xml, "name");
    complex->abstract = attributeOf(xml, "abstract");
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("complexContent") || child == QLatin1String("simpleContent")) {
            complex->content = readContent(xml, child.toString());
        } else if (child == QLatin1String("attribute")) {
            complex->attributes.append(readAttribute(xml));
        } else if (child == QLatin1String("sequence")) {
            complex->sequence = readSequence(xml);
        } else if (child == QLatin1String("anyAttribute")) {
            auto *any = make<XsAnyAttribute>();
            any->namespaces = attributeOf(xml, "namespace");
            any->processContents = attributeOf(xml, "processContents");
            complex->anyAttribute = any;
            xml.skipCurrentElement();
        } else if (child == QLatin1String("element")) {
            complex->elements.append(readElement(xml));
        } else if (child == QLatin1String("all")) {
            complex->all = readAll(xml);
        } else if (child == QLatin1String("attributeGroup")) {
            complex->attributeGroups.append(readAttribGroup(xml));
        } else {
            return false;
        }
        return true;
    });
    return complex;
}

XsContent *XmlSchema::readContent(QXmlStreamReader &xml, const QString &endTag)
{
    Q_ASSERT(xml.name() == endTag);
    auto *content = make<XsContent>();
    content->mixed = attributeOf(xml, "mixed");
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("extension"))
            content->extension = readContentExtension(xml);
        else if (child == QLatin1String("attribute"))
            content->attributes.append(readAttribute(xml));
        else if (child == QLatin1String("restriction"))
            content->restriction = readRestriction(xml);
        else
            return false;
        return true;
    });
    return content;
}

XsExtension *XmlSchema::readContentExtension(QXmlStreamReader &xml)
{
    auto *extension = make<XsExtension>();
    extension->base = attributeOf(xml, "base");
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("attribute")) {
            extension->attributes.append(readAttribute(xml));
        } else if (child == QLatin1String("attributeGroup")) {
            extension->attributeGroups.append(attributeOf(xml, "ref"));
            xml.skipCurrentElement();
        } else if (child == QLatin1String("sequence")) {
            extension->sequence = readSequence(xml);
        } else if (child == QLatin1String("element")) {
            extension->elements.append(readElement(xml));
        } else if (child == QLatin1String("choice")) {
            extension->choice = readChoice(xml);
        } else {
            return false;
        }
        return true;
    });
    return extension;
}

XsSequence *XmlSchema::readSequence(QXmlStreamReader &xml)
{
    auto *sequence = make<XsSequence>();
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("element")) {
            sequence->elements.append(readElement(xml));
        } else if (child == QLatin1String("any")) {
            auto *any = make<XsAny>();
            any->namespaces = attributeOf(xml, "namespace");
            any->processContents = attributeOf(xml, "processContents");
            any->minOccurs = attributeOf(xml, "minOccurs");
            any->maxOccurs = attributeOf(xml, "maxOccurs");
            sequence->anys.append(any);
            xml.skipCurrentElement();
        } else {
            return false;
        }
        return true;
    });
    return sequence;
}

XsChoice *XmlSchema::readChoice(QXmlStreamReader &xml)
{
    auto *choice = make<XsChoice>();
    choice->minOccurs = attributeOf(xml, "minOccurs");
    choice->maxOccurs = attributeOf(xml, "maxOccurs");
    readChildren(xml, [&](const QStringRef &child) {
        if (child != QLatin1String("element"))
            return false;
        choice->elements.append(readElement(xml));
        return true;
    });
    return choice;
}

XsAll *XmlSchema::readAll(QXmlStreamReader &xml)
{
    auto *all = make<XsAll>();
    readChildren(xml, [&](const QStringRef &child) {
        if (child != QLatin1String("element"))
            return false;
        all->elements.append(readElement(xml));
        return true;
    });
    return all;
}

XsAttrib *XmlSchema::readAttribute(QXmlStreamReader &xml)
{
    auto *attribute = make<XsAttrib>();
    attribute->name = attributeOf(xml, "name");
    attribute->type = attributeOf(xml, "type");
    attribute->use = attributeOf(xml, "use");
    attribute->hasFixed = xml.attributes().hasAttribute(QLatin1String("fixed"));
    attribute->fixed = attributeOf(xml, "fixed");
    readChildren(xml, [&](const QStringRef &child) {
        if (child != QLatin1String("simpleType"))
            return false;
        attribute->simple = readSimple(xml);
        return true;
    });
    return attribute;
}

XsAttribGroup *XmlSchema::readAttribGroup(QXmlStreamReader &xml)
{
    auto *group = make<XsAttribGroup>();
    group->name = attributeOf(xml, "name");
    if (group->name.isEmpty())
        group->name = attributeOf(xml, "ref");
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("attribute"))
            group->attributes.append(readAttribute(xml));
        else if (child == QLatin1String("attributeGroup"))
            group->attributeGroups.append(readAttribGroup(xml));
        else
            return false;
        return true;
    });
    return group;
}

XsSimple *XmlSchema::readSimple(QXmlStreamReader &xml)
{
    auto *simple = make<XsSimple>();
    simple->name = attributeOf(xml, "name");
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("restriction")) {
            simple->restriction = readRestriction(xml);
        } else if (child == QLatin1String("union")) {
            simple->memberTypes = attributeOf(xml, "memberTypes").split(QLatin1Char(' '), Qt::SkipEmptyParts);
            xml.skipCurrentElement();
        } else {
            return false;
        }
        return true;
    });
    return simple;
}

XsRestriction *XmlSchema::readRestriction(QXmlStreamReader &xml)
{
    auto *restriction = make<XsRestriction>();
    restriction->base = attributeOf(xml, "base");
    readChildren(xml, [&](const QStringRef &child) {
        if (child == QLatin1String("attribute")) {
            restriction->attributes.append(readAttribute(xml));
            return true;
        }
        QString *facet = nullptr;
        if (child == QLatin1String("enumeration"))
            restriction->enumerations.append(attributeOf(xml, "value"));
        else if (child == QLatin1String("pattern"))
            facet = &restriction->pattern;
        else if (child == QLatin1String("minLength"))
            facet = &restriction->minLength;
        else if (child == QLatin1String("maxLength"))
            facet = &restriction->maxLength;
        else if (child == QLatin1String("minInclusive"))
            facet = &restriction->minInclusive;
        else
            return false;
        if (facet)
            *facet = attributeOf(xml, "value");
        xml.skipCurrentElement();
        return true;
    });
    return restriction;
}

namespace {

// Reads the selector and fields shared by xs:unique, xs:key and xs:keyref.
template<typename Constraint, typename ReadChildren>
void readConstraint(QXmlStreamReader &xml, Constraint *constraint, ReadChildren readChildren)
{
    constraint->name = attributeOf(xml, "name");
    readChildren([&](const QStringRef &child) {
        if (child == QLatin1String("selector"))
            constraint->selector = attributeOf(xml, "xpath");
        else if (child == QLatin1String("field"))
            constraint->fields.append(attributeOf(xml, "xpath"));
        else
            return false;
        xml.skipCurrentElement();
        return true;
    });
}

} // namespace

XsUnique *XmlSchema::readUnique(QXmlStreamReader &xml)
{
    auto *unique = make<XsUnique>();
    readConstraint(xml, unique, [&](auto handle) { readChildren(xml, handle); });
    uniques.insert(unique->name, unique);
    return unique;
}

XsKey *XmlSchema::readKey(QXmlStreamReader &xml)
{
    auto *key = make<XsKey>();
    readConstraint(xml, key, [&](auto handle) { readChildren(xml, handle); });
    keys.insert(key->name, key);
    return key;
}

XsKeyRef *XmlSchema::readKeyRef(QXmlStreamReader &xml)
{
    auto *keyRef = make<XsKeyRef>();
    keyRef->refer = attributeOf(xml, "refer");
    readConstraint(xml, keyRef, [&](auto handle) { readChildren(xml, handle); });
    keyRefs.insert(keyRef->name, keyRef);
    return keyRef;
}

XsComplex *XmlSchema::complexTypeOf(const QString &elementName) const
{
    return complexType(elementTypes.value(elementName, QLatin1Char('t') + elementName));
}

XsComplex *XmlSchema::complexType(const QString &typeName) const
{
    return complexTypes.value(typeName);
}

XsSimple *XmlSchema::simpleType(const QString &typeName) const
{
    return simpleTypes.value(typeName);
}

XsUnique *XmlSchema::unique(const QString &name) const
{
    return uniques.value(name);
}

QList<XsAttrib *> XmlSchema::groupAttributes(const QString &groupName) const
{
    const XsAttribGroup *group = attributeGroups.value(groupName);
    if (!group)
        return {};
    QList<XsAttrib *> result = group->attributes;
    for (const XsAttribGroup *nested : group->attributeGroups)
        result += groupAttributes(nested->name);
    return result;
}

QList<XmlObject *> XmlSchema::templateObjects(const QString &key) const
{
    if (key == QLatin1String("lnType"))
        return definitions(QStringLiteral("LNodeType"));
    if (key == QLatin1String("DOType") || key == QLatin1String("DAType"))
        return definitions(key);
    return {};
}

QList<XmlObject *> XmlSchema::definitions(const QString &elementName) const
{
    QList<XmlObject *> types;
    if (!templateOwner)
        return types;
    for (XmlObject *type : qAsConst(templateOwner->children)) {
        if (type->name == elementName)
            types.append(type);
    }
    return types;
}

namespace {

XmlObject *firstWithId(const QList<XmlObject *> &types, const QString &id)
{
    for (XmlObject *type : types) {
        if (type->attribute(QStringLiteral("id")) == id)
            return type;
    }
    return nullptr;
}

// Index of a type element's children by name and by type; a later child wins.
void indexChildren(XmlObject *type, const QString &childName, bool byEmptyType)
{
    type->index.clear();
    for (XmlObject *child : qAsConst(type->children)) {
        if (!childName.isEmpty() && child->name != childName)
            continue;
        type->index.insert(child->attribute(QStringLiteral("name")), child);
        const QString childType = child->attribute(QStringLiteral("type"));
        if (byEmptyType || !childType.isEmpty())
            type->index.insert(childType, child);
    }
}

void indexEnumValues(XmlObject *type)
{
    type->index.clear();
    for (XmlObject *child : qAsConst(type->children)) {
        if (child->name != QLatin1String("EnumVal"))
            continue;
        type->index.insert(child->value, child);
        type->index.insert(child->attribute(QStringLiteral("ord")), child);
    }
}

// Another type of the same key, when there is one, takes the place of the one that goes.
void removeType(QHash<QString, XmlObject *> &index, const QString &key, const XmlObject *type,
                const XmlObject *owner, QString (*keyOf)(const XmlObject *))
{
    if (index.value(key) != type)
        return;
    index.remove(key);
    for (XmlObject *other : owner ? owner->children : QList<XmlObject *>()) {
        if (other != type && other->name == type->name && keyOf(other) == key)
            index.insert(key, other);
    }
}

QString idOf(const XmlObject *type)
{
    return type->attribute(QStringLiteral("id"));
}

} // namespace

XmlObject *XmlSchema::findLNodeType(const QString &id) const
{
    return firstWithId(definitions(QStringLiteral("LNodeType")), id);
}

XmlObject *XmlSchema::findDOType(const QString &id) const
{
    return firstWithId(definitions(QStringLiteral("DOType")), id);
}

XmlObject *XmlSchema::findDAType(const QString &id) const
{
    return firstWithId(definitions(QStringLiteral("DAType")), id);
}

QString XmlSchema::lnodeTypeKey(const XmlObject *type)
{
    return type->attribute(QStringLiteral("id")) + QLatin1Char('/') + type->attribute(QStringLiteral("lnClass"));
}

void XmlSchema::setDataTemplates(XmlObject *dataTypeTemplates)
{
    templateOwner = dataTypeTemplates;
    if (!dataTypeTemplates)
        return;
    for (XmlObject *type : qAsConst(dataTypeTemplates->children))
        addTemplate(type);
}

void XmlSchema::addTemplate(XmlObject *type)
{
    const QString id = QStringLiteral("id");
    if (type->name == QLatin1String("LNodeType")) {
        indexChildren(type, QStringLiteral("DO"), true);
        lnodeTypeIndex.insert(lnodeTypeKey(type), type);
    } else if (type->name == QLatin1String("DOType")) {
        indexChildren(type, QString(), false);
        doTypeIndex.insert(type->attribute(id), type);
    } else if (type->name == QLatin1String("DAType")) {
        indexChildren(type, QStringLiteral("BDA"), false);
        daTypeIndex.insert(type->attribute(id), type);
    } else if (type->name == QLatin1String("EnumType")) {
        indexEnumValues(type);
        enumTypeIndex.insert(type->attribute(id), type);
    } else {
        qDebug().noquote() << tr("[Schema check]Warning: Unhandled type");
    }
}

void XmlSchema::clearDataTemplates()
{
    templateOwner = nullptr;
    lnodeTypeIndex.clear();
    doTypeIndex.clear();
    daTypeIndex.clear();
    enumTypeIndex.clear();
}

void XmlSchema::removeLNodeType(XmlObject *type)
{
    removeType(lnodeTypeIndex, lnodeTypeKey(type), type, templateOwner, &XmlSchema::lnodeTypeKey);
}

void XmlSchema::removeDOType(XmlObject *type)
{
    removeType(doTypeIndex, idOf(type), type, templateOwner, &idOf);
}

void XmlSchema::removeDAType(XmlObject *type)
{
    removeType(daTypeIndex, idOf(type), type, templateOwner, &idOf);
}

void XmlSchema::removeEnumType(XmlObject *type)
{
    removeType(enumTypeIndex, idOf(type), type, templateOwner, &idOf);
}

XmlObject *XmlSchema::doiObject(const QString &doName, const QString &typeId) const
{
    const XmlObject *type = findDOType(typeId);
    if (!type)
        type = findDAType(typeId);
    if (!type) {
        qDebug().noquote() << tr("Fail to find DOType %1").arg(typeId);
        return nullptr;
    }
    auto *doi = new XmlObject;
    doi->name = QStringLiteral("DOI");
    doi->attributes.insert(QStringLiteral("name"), doName);
    doi->attributes.insert(QStringLiteral("desc"), QStringLiteral(" "));
    QList<const XmlObject *> chain;
    fillDoi(doi, type, chain);
    return doi;
}

void XmlSchema::fillDoi(XmlObject *node, const XmlObject *type, QList<const XmlObject *> &chain) const
{
    // A type that contains itself, directly or not, would never end: such a
    // branch stops where the type repeats.
    if (chain.contains(type))
        return;
    chain.append(type);
    for (const XmlObject *member : type->children) {
        auto *child = new XmlObject;
        child->parent = node;
        node->children.append(child);
        child->attributes.insert(QStringLiteral("name"), member->attribute(QStringLiteral("name")));
        const QString memberType = member->attribute(QStringLiteral("type"));
        const XmlObject *structure = findDOType(memberType);
        if (!structure)
            structure = findDAType(memberType);
        if (structure) {
            child->name = QStringLiteral("SDI");
            fillDoi(child, structure, chain);
        } else {
            child->name = QStringLiteral("DAI");
            auto *val = new XmlObject;
            val->name = QStringLiteral("Val");
            val->value = QStringLiteral("ToDo");
            val->parent = child;
            child->children.append(val);
        }
    }
    chain.removeLast();
}

XmlObject *XmlSchema::instanceType(const XmlObject *element) const
{
    const auto attr = [](const XmlObject *e, const char *name) { return e->attribute(QLatin1String(name)); };
    if (element->name == QLatin1String("LN") || element->name == QLatin1String("LN0"))
        return lnodeTypeIndex.value(attr(element, "lnType") + QLatin1Char('/') + attr(element, "lnClass"));
    if (element->name != QLatin1String("DOI") && element->name != QLatin1String("SDI")
            && element->name != QLatin1String("DAI"))
        return nullptr;

    const XmlObject *parentType = element->parent ? instanceType(element->parent) : nullptr;
    if (!parentType)
        return nullptr;
    const XmlObject *member = parentType->index.value(attr(element, "name"));
    if (!member)
        return nullptr;
    const QString memberType = attr(member, "type");
    if (element->name == QLatin1String("DOI"))
        return doTypeIndex.value(memberType);
    if (element->name == QLatin1String("SDI")) {
        if (member->name == QLatin1String("SDO"))
            return doTypeIndex.value(memberType);
        if ((member->name == QLatin1String("DA") || member->name == QLatin1String("BDA"))
                && attr(member, "bType") == QLatin1String("Struct"))
            return daTypeIndex.value(memberType);
        return nullptr;
    }
    if (element->name == QLatin1String("DAI") && attr(member, "bType") == QLatin1String("Enum"))
        return enumTypeIndex.value(memberType);
    return nullptr;
}
