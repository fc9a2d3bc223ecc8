#include "siblingkeys.h"

#include "xmlobject.h"
#include "xmlschema.h"
#include "xsunique.h"

#include <QRegularExpression>

#include <algorithm>
#include <functional>

namespace {

bool isLogicalNode(const QString &elementName)
{
    return elementName == QLatin1String("LN") || elementName == QLatin1String("LN0");
}

// The element names a unique constraint's selector picks among the children
// of an element of that name; none when it picks nothing there.
QStringList selectedChildren(const QString &selector, const QString &parentName)
{
    static const QRegularExpression here(QStringLiteral("^\\.//?"));
    QStringList names;
    for (QString path : selector.split(QLatin1Char('|'))) {
        path = path.trimmed().remove(here);
        QStringList steps;
        for (const QString &step : path.split(QLatin1Char('/')))
            steps.append(step.section(QLatin1Char(':'), -1));
        // "./History/Hitem" picks the Hitem children of a History.
        if (steps.size() == 1 || (steps.size() == 2 && steps.first() == parentName))
            names.append(steps.last());
    }
    return names;
}

// The attribute names of a constraint's fields; none when a field is not an attribute.
QStringList attributeFields(const QStringList &fields)
{
    QStringList names;
    for (const QString &field : fields) {
        if (!field.startsWith(QLatin1Char('@')))
            return {};
        names.append(field.mid(1));
    }
    return names;
}

QStringList valuesOf(const XmlObject *element, const QStringList &fields)
{
    QStringList values;
    for (const QString &field : fields)
        values.append(element->attribute(field));
    return values;
}

// Whether something inside a logical device names a device of its own IED by its ldInst.
bool namesOwnDevice(const XmlObject *element, const QString &iedName)
{
    if (element->name == QLatin1String("FCDA") || element->name == QLatin1String("LogControl"))
        return true;
    return (element->name == QLatin1String("ExtRef") || element->name == QLatin1String("ClientLN"))
            && element->attribute(QStringLiteral("iedName")) == iedName;
}

// Points what inside a logical device or node named it by its old instance at the new one.
void carryInside(const XmlObject *parent, XmlObject *element, const KeyChange &change)
{
    const bool device = element->name == QLatin1String("LDevice");
    if (change.attribute != QLatin1String("inst") || !(device || isLogicalNode(element->name)))
        return;
    const XmlObject *ied = parent->enclosing(QStringLiteral("IED"));
    const QString iedName = ied ? ied->attribute(QStringLiteral("name")) : QString();
    const XmlObject *ownDevice = parent->enclosing(QStringLiteral("LDevice"));
    const QStringList deviceKey{QStringLiteral("ldInst")};
    const QStringList nodeKey{QStringLiteral("ldInst"), QStringLiteral("prefix"), QStringLiteral("lnClass"),
                              QStringLiteral("lnInst")};
    const QStringList oldName = device
            ? QStringList{change.from}
            : QStringList{ownDevice ? ownDevice->attribute(QStringLiteral("inst")) : QString(),
                          element->attribute(QStringLiteral("prefix")),
                          element->attribute(QStringLiteral("lnClass")), change.from};
    const QStringList &key = device ? deviceKey : nodeKey;
    const std::function<void(XmlObject *)> visit = [&](XmlObject *inside) {
        for (XmlObject *child : qAsConst(inside->children)) {
            if (namesOwnDevice(child, iedName) && valuesOf(child, key) == oldName)
                child->attributes.insert(key.last(), change.to);
            visit(child);
        }
    };
    visit(element);
}

} // namespace

SiblingKeys::SiblingKeys(const QString &parentName, const QString &elementName) : m_elementName(elementName)
{
    // A logical node is told apart by its three names together; its inst alone may repeat.
    if (isLogicalNode(elementName)) {
        m_constraints.append({{QStringLiteral("inst"), QStringLiteral("lnClass"), QStringLiteral("prefix")},
                              {elementName}});
    } else {
        for (const char *key : {"name", "id", "inst"})
            m_constraints.append({{QLatin1String(key)}, {elementName}});
    }
    for (const XsUnique *unique : qAsConst(XmlSchema::instance()->uniques)) {
        const QStringList selected = selectedChildren(unique->selector, parentName);
        const QStringList fields = attributeFields(unique->fields);
        if (!fields.isEmpty() && (selected.contains(elementName) || selected.contains(QStringLiteral("*"))))
            m_constraints.append({fields, selected});
    }
}

bool SiblingKeys::taken(const Constraint &constraint, const XmlObject *parent, const XmlObject *element) const
{
    const QStringList values = valuesOf(element, constraint.fields);
    if (values.join(QString()).isEmpty())
        return false; // nothing to tell it by
    const bool anyChild = constraint.selected.contains(QStringLiteral("*"));
    return std::any_of(parent->children.begin(), parent->children.end(), [&](const XmlObject *sibling) {
        return (anyChild || constraint.selected.contains(sibling->name))
                && valuesOf(sibling, constraint.fields) == values;
    });
}

bool SiblingKeys::takenThrough(const QString &field, const XmlObject *parent, const XmlObject *element) const
{
    return std::any_of(m_constraints.begin(), m_constraints.end(), [&](const Constraint &constraint) {
        return constraint.fields.contains(field) && taken(constraint, parent, element);
    });
}

QString SiblingKeys::candidate(const QString &value, int attempt) const
{
    static const QRegularExpression number(QStringLiteral("^(-?\\d+)?$"));
    if (number.match(value).hasMatch())
        return QString::number(value.toLongLong() + attempt);
    // Sub-networks and IEDs have always grown by one "_New" per attempt.
    if (m_elementName == QLatin1String("SubNetwork") || m_elementName == QLatin1String("IED"))
        return value + QStringLiteral("_New").repeated(attempt);
    const QString suffix = QStringLiteral("_New");
    return attempt == 1 ? value + suffix : value + suffix + QString::number(attempt);
}

QList<KeyChange> SiblingKeys::makeUnique(const XmlObject *parent, XmlObject *element)
{
    const SiblingKeys keys(parent->name, element->name);
    // Each sibling blocks at most one candidate of each constraint.
    const int attempts = 1 + parent->children.size() * keys.m_constraints.size();
    QList<KeyChange> changes;
    for (const Constraint &constraint : keys.m_constraints) {
        if (!keys.taken(constraint, parent, element))
            continue;
        const QString field = constraint.fields.first();
        const QString from = element->attribute(field);
        for (int attempt = 1; attempt <= attempts && keys.takenThrough(field, parent, element); ++attempt)
            element->attributes.insert(field, keys.candidate(from, attempt));
        changes.append({field, from, element->attribute(field)});
    }
    for (const KeyChange &change : qAsConst(changes))
        carryInside(parent, element, change);
    return changes;
}
