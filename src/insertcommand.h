#ifndef INSERTCOMMAND_H
#define INSERTCOMMAND_H

#include "editcommand.h"

#include <memory>

// Puts a new element (with its subtree) under a parent at a position.
// While the element is out of the document, the command owns it.
class InsertCommand : public EditCommand
{
public:
    // position -1: after the last child.
    InsertCommand(XmlObject *parent, int position, XmlObject *element);
    ~InsertCommand() override;

    void redo(SclDocument &document) override;
    void undo(SclDocument &document) override;
    XmlObject *subject(bool undone) const override { return undone ? m_parent : m_element; }

private:
    XmlObject *m_parent;
    int m_position;
    XmlObject *m_element;
    bool m_inserted = false;
};

#endif // INSERTCOMMAND_H
