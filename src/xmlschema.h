#ifndef XMLSCHEMA_H
#define XMLSCHEMA_H

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QXmlStreamReader;
class XmlObject;
class XsAll;
class XsAttrib;
class XsAttribGroup;
class XsChoice;
class XsComplex;
class XsContent;
class XsElement;
class XsExtension;
class XsKey;
class XsKeyRef;
class XsNode;
class XsRestriction;
class XsSequence;
class XsSimple;
class XsUnique;

// The SCL schema, read once from the embedded XSD set, and the indexes of the
// open document's data type templates. Definitions refer to each other by
// name and are resolved when a query runs.
class XmlSchema
{
    Q_DECLARE_TR_FUNCTIONS(XmlSchema)

public:
    static XmlSchema *instance();
    ~XmlSchema();

    // Reads every XSD file of the embedded set, once per process.
    void load();
    bool parse(const QString &path);

    XsElement *readElement(QXmlStreamReader &xml);
    XsComplex *readComplex(QXmlStreamReader &xml);
    XsContent *readContent(QXmlStreamReader &xml, const QString &endTag);
    XsExtension *readContentExtension(QXmlStreamReader &xml);
    XsSequence *readSequence(QXmlStreamReader &xml);
    XsChoice *readChoice(QXmlStreamReader &xml);
    XsAll *readAll(QXmlStreamReader &xml);
    XsAttrib *readAttribute(QXmlStreamReader &xml);
    XsAttribGroup *readAttribGroup(QXmlStreamReader &xml);
    XsSimple *readSimple(QXmlStreamReader &xml);
    XsRestriction *readRestriction(QXmlStreamReader &xml);
    XsUnique *readUnique(QXmlStreamReader &xml);
    XsKey *readKey(QXmlStreamReader &xml);
    XsKeyRef *readKeyRef(QXmlStreamReader &xml);

    XsComplex *complexTypeOf(const QString &elementName) const;
    XsComplex *complexType(const QString &typeName) const;
    XsSimple *simpleType(const QString &typeName) const;
    XsUnique *unique(const QString &name) const;
    // The attributes of a named attribute group, those of nested groups included.
    QList<XsAttrib *> groupAttributes(const QString &groupName) const;

    // The type elements whose ids a cell of this attribute may take: "lnType", "DOType", "DAType".
    QList<XmlObject *> templateObjects(const QString &key) const;
    // The document's type definitions of that element name, in document order.
    QList<XmlObject *> definitions(const QString &elementName) const;
    XmlObject *findLNodeType(const QString &id) const;
    XmlObject *findDOType(const QString &id) const;
    XmlObject *findDAType(const QString &id) const;

    void setDataTemplates(XmlObject *dataTypeTemplates);
    // Indexes one type element added to the document's DataTypeTemplates.
    void addTemplate(XmlObject *type);
    void clearDataTemplates();
    void removeLNodeType(XmlObject *type);
    void removeDOType(XmlObject *type);
    void removeDAType(XmlObject *type);
    void removeEnumType(XmlObject *type);

    // A new DOI with one DAI or SDI per attribute of the data object's type, leaves holding "ToDo".
    XmlObject *doiObject(const QString &doName, const QString &typeId) const;

    static QString lnodeTypeKey(const XmlObject *type);
    // The type definition an LN, LN0, DOI, SDI (of a structure) or DAI (of an
    // enumeration) instantiates, found through its ancestors; null when none.
    XmlObject *instanceType(const XmlObject *element) const;

    XmlObject *templateOwner = nullptr;
    QHash<QString, XmlObject *> lnodeTypeIndex;
    QHash<QString, XmlObject *> doTypeIndex;
    QHash<QString, XmlObject *> daTypeIndex;
    QHash<QString, XmlObject *> enumTypeIndex;
    QString currentFile;
    QMap<QString, XsSimple *> simpleTypes;
    QMap<QString, XsAttribGroup *> attributeGroups;
    QMap<QString, XsComplex *> complexTypes;
    QMap<QString, XsElement *> elements;
    QMap<QString, XsAttrib *> attributes;
    QMap<QString, QString> elementTypes;
    QMap<QString, XsUnique *> uniques;
    // Every xs:key and xs:keyref by its name, wherever it is declared.
    QMap<QString, XsKey *> keys;
    QMap<QString, XsKeyRef *> keyRefs;

private:
    XmlSchema() = default;

    template<typename T> T *make();
    template<typename Handler> void readChildren(QXmlStreamReader &xml, Handler handle);
    void unhandled(const QXmlStreamReader &xml) const;
    void fillDoi(XmlObject *node, const XmlObject *type, QList<const XmlObject *> &chain) const;

    std::vector<std::unique_ptr<XsNode>> m_nodes;
    bool m_loaded = false;
};

#endif // XMLSCHEMA_H
