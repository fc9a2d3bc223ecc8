#include "xmlobject.h"

#include <QCoreApplication>
#include <QHash>

XmlObject::XmlObject(const XmlObject &other)
    : name(other.name),
      value(other.value),
      attributes(other.attributes),
      comments(other.comments)
{
    children.reserve(other.children.size());
    for (const XmlObject *child : other.children) {
        auto *copy = new XmlObject(*child);
        copy->parent = this;
        children.append(copy);
    }
}

XmlObject::~XmlObject()
{
    qDeleteAll(children);
}

XmlObject *XmlObject::findChild(const QString &name) const
{
    for (XmlObject *child : children) {
        if (child->name == name)
            return child;
    }
    return nullptr;
}

XmlObject *XmlObject::findChild(const QString &name, const QString &key, const QString &val) const
{
    for (XmlObject *child : children) {
        if (child->name == name && child->attribute(key) == val)
            return child;
    }
    return nullptr;
}

template<typename Match>
XmlObject *XmlObject::findFirst(Match match) const
{
    for (XmlObject *child : children) {
        if (match(child))
            return child;
        if (XmlObject *found = child->findFirst(match))
            return found;
    }
    return nullptr;
}

XmlObject *XmlObject::findDescendant(const QString &name) const
{
    return findFirst([&](const XmlObject *e) { return e->name == name; });
}

XmlObject *XmlObject::findDescendant(const QString &name, const QString &key, const QString &val) const
{
    return findFirst([&](const XmlObject *e) { return e->name == name && e->attribute(key) == val; });
}

XmlObject *XmlObject::findDescendant(const QString &name, const QStringList &keys,
                                     const QStringList &vals) const
{
    if (keys.size() != vals.size())
        return nullptr;
    return findFirst([&](const XmlObject *e) {
        if (e->name != name)
            return false;
        for (int i = 0; i < keys.size(); ++i) {
            if (e->attribute(keys.at(i)) != vals.at(i))
                return false;
        }
        return true;
    });
}

XmlObject *XmlObject::findLogicalNode(const QString &name, const QString &lnKey) const
{
    return findFirst([&](const XmlObject *e) { return e->name == name && e->logicalNodeKey() == lnKey; });
}

XmlObject *XmlObject::enclosing(const QString &name) const
{
    const XmlObject *element = this;
    while (element && element->name != name)
        element = element->parent;
    return const_cast<XmlObject *>(element);
}

XmlObject *XmlObject::findReferencedNode(const QString &ldInst, const QString &prefix, const QString &lnClass,
                                         const QString &lnInst) const
{
    const XmlObject *device = findDescendant(QStringLiteral("LDevice"), QStringLiteral("inst"), ldInst);
    if (!device)
        return nullptr;
    const QStringList keys = {QStringLiteral("prefix"), QStringLiteral("lnClass"), QStringLiteral("inst")};
    const QStringList values = {prefix, lnClass, lnInst};
    XmlObject *node = device->findDescendant(QStringLiteral("LN0"), keys, values);
    return node ? node : device->findDescendant(QStringLiteral("LN"), keys, values);
}

QString XmlObject::logicalNodeKey() const
{
    return attribute(QStringLiteral("prefix")) + attribute(QStringLiteral("lnClass"))
            + attribute(QStringLiteral("inst"));
}

namespace {

// Element name to label specification: either one attribute name, the word
// "text" (the element text), or "format:attr1,attr2,..." with %1, %2, ...
const QHash<QString, QString> &labelTable()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("P"), QStringLiteral("type")},
        {QStringLiteral("SubNetwork"), QStringLiteral("name")},
        {QStringLiteral("IED"), QStringLiteral("%1 - %2:name,desc")},
        {QStringLiteral("AccessPoint"), QStringLiteral("AccessPoint - %1:name")},
        {QStringLiteral("LDevice"), QStringLiteral("%1 - %2:inst,desc")},
        {QStringLiteral("FCDA"), QStringLiteral("%1$%2%3$%4$%5:ldInst,prefix,lnClass,doName,daName")},
        {QStringLiteral("LNodeType"), QStringLiteral("%1 - %2:id,desc")},
        {QStringLiteral("DOType"), QStringLiteral("%1 - %2:id,desc")},
        {QStringLiteral("DO"), QStringLiteral("%1 - %2:name,type")},
        {QStringLiteral("SDO"), QStringLiteral("%1 - %2:name,type")},
        {QStringLiteral("DAType"), QStringLiteral("id")},
        {QStringLiteral("DA"), QStringLiteral("%1(%2) - %3:name,fc,bType")},
        {QStringLiteral("BDA"), QStringLiteral("%1 - %2:name,bType")},
        {QStringLiteral("EnumType"), QStringLiteral("id")},
        {QStringLiteral("EnumVal"), QStringLiteral("text")},
        {QStringLiteral("LN0"), QStringLiteral("lnClass")},
        {QStringLiteral("LN"), QStringLiteral("%1 - %2:lnClass,desc")},
        {QStringLiteral("DOI"), QStringLiteral("%1 - %2:name,desc")},
        {QStringLiteral("DAI"), QStringLiteral("name")},
        {QStringLiteral("SDI"), QStringLiteral("name")},
        {QStringLiteral("DataSet"), QStringLiteral("DataSet - %1:desc")},
        {QStringLiteral("ReportControl"), QStringLiteral("ReportControl - %1:desc")},
    };
    return table;
}

} // namespace

QString XmlObject::label() const
{
    const auto spec = labelTable().constFind(name);
    if (spec == labelTable().constEnd())
        return name;
    if (*spec == QLatin1String("text"))
        return value;

    const QStringList parts = spec->split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return attributes.contains(*spec) ? attributes.value(*spec) : name;

    // One pass over the format, so that a value holding "%2" is not substituted again.
    const QString &format = parts.at(0);
    const QStringList keys = parts.at(1).split(QLatin1Char(','));
    QString label;
    for (int i = 0; i < format.size(); ++i) {
        const int arg = i + 1 < format.size() && format.at(i) == QLatin1Char('%')
                ? format.at(i + 1).digitValue() : -1;
        if (arg < 1 || arg > keys.size()) {
            label += format.at(i);
            continue;
        }
        const QString text = attribute(keys.at(arg - 1));
        label += text.isEmpty() ? QCoreApplication::translate("XmlObject", "Undefined") : text;
        ++i;
    }
    return label;
}

QString xmlEscape(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': escaped += QLatin1String("&amp;"); break;
        case '<': escaped += QLatin1String("&lt;"); break;
        case '>': escaped += QLatin1String("&gt;"); break;
        case '"': escaped += QLatin1String("&quot;"); break;
        default: escaped += c;
        }
    }
    return escaped;
}
