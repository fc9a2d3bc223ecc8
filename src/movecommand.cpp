#include "movecommand.h"

#include "scldocument.h"
#include "xmlobject.h"

MoveCommand::MoveCommand(XmlObject *element, int to, const QString &text)
    : EditCommand(text), m_element(element), m_from(element->parent->children.indexOf(element)), m_to(to)
{
}

void MoveCommand::redo(SclDocument &document)
{
    document.moveChild(m_element->parent, m_from, m_to);
}

void MoveCommand::undo(SclDocument &document)
{
    document.moveChild(m_element->parent, m_to, m_from);
}
