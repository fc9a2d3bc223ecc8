#include "removecommand.h"

#include "scldocument.h"
#include "xmlobject.h"

RemoveCommand::RemoveCommand(XmlObject *element, const QString &text)
    : EditCommand(text), m_element(element), m_parent(element->parent)
{
}

RemoveCommand::~RemoveCommand()
{
    if (m_removed)
        delete m_element;
}

void RemoveCommand::redo(SclDocument &document)
{
    m_position = m_parent->children.indexOf(m_element);
    document.takeChild(m_parent, m_position);
    m_removed = true;
}

void RemoveCommand::undo(SclDocument &document)
{
    document.insertChild(m_parent, m_position, m_element);
    m_removed = false;
}
