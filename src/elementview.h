#ifndef ELEMENTVIEW_H
#define ELEMENTVIEW_H

#include <QString>

class XmlObject;

// A view of the central area that shows one element of the document and what lies inside it.
class ElementView
{
public:
    virtual ~ElementView() = default;

    virtual XmlObject *shownElement() const = 0;
    // The sub-window's title: "IED - P1".
    virtual QString title() const = 0;
    // Shows the element as the document now has it, keeping the user's choices that still exist.
    virtual void refresh() = 0;
};

#endif // ELEMENTVIEW_H
