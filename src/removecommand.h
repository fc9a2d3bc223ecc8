#ifndef REMOVECOMMAND_H
#define REMOVECOMMAND_H

#include "editcommand.h"

// Takes an element (with its subtree) out of the document. The element is
// not freed: the command keeps it for an undo, and frees it when it goes.
class RemoveCommand : public EditCommand
{
public:
    RemoveCommand(XmlObject *element, const QString &text);
    ~RemoveCommand() override;

    void redo(SclDocument &document) override;
    void undo(SclDocument &document) override;
    XmlObject *subject(bool undone) const override { return undone ? m_element : m_parent; }

private:
    XmlObject *m_element;
    XmlObject *m_parent;
    int m_position = -1;
    bool m_removed = false;
};

#endif // REMOVECOMMAND_H
