#include "insertcommand.h"

#include "scldocument.h"
#include "xmlobject.h"

InsertCommand::InsertCommand(XmlObject *parent, int position, XmlObject *element)
    : EditCommand(EditCommand::tr("insert %1").arg(nameOf(element))),
      m_parent(parent),
      m_position(position < 0 ? parent->children.size() : position),
      m_element(element)
{
}

InsertCommand::~InsertCommand()
{
    if (!m_inserted)
        delete m_element;
}

void InsertCommand::redo(SclDocument &document)
{
    document.insertChild(m_parent, m_position, m_element);
    m_inserted = true;
}

void InsertCommand::undo(SclDocument &document)
{
    document.takeChild(m_parent, m_position);
    m_inserted = false;
}
