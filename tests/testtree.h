#ifndef TESTTREE_H
#define TESTTREE_H

#include "xmlobject.h"

#include <QMap>

// A new element with the given attributes, appended to parent when there is one.
inline XmlObject *makeElement(const QString &name, XmlObject *parent = nullptr,
                              const QMap<QString, QString> &attributes = {})
{
    auto *element = new XmlObject;
    element->name = name;
    for (auto it = attributes.begin(); it != attributes.end(); ++it)
        element->attributes.insert(it.key(), it.value());
    if (parent) {
        element->parent = parent;
        parent->children.append(element);
    }
    return element;
}

#endif // TESTTREE_H
