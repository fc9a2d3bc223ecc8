#ifndef MOVECOMMAND_H
#define MOVECOMMAND_H

#include "editcommand.h"

// Moves an element among its siblings, to another position under the same parent.
class MoveCommand : public EditCommand
{
public:
    MoveCommand(XmlObject *element, int to, const QString &text);

    void redo(SclDocument &document) override;
    void undo(SclDocument &document) override;
    XmlObject *subject(bool) const override { return m_element; }

private:
    XmlObject *m_element;
    int m_from;
    int m_to;
};

#endif // MOVECOMMAND_H
