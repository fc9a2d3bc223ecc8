#include "setattributecommand.h"

#include "scldocument.h"
#include "xmlobject.h"

namespace {

const QString ValueKey = QStringLiteral("value");

} // namespace

SetAttributeCommand::SetAttributeCommand(XmlObject *element, const QString &key, const QString &value)
    : EditCommand(EditCommand::tr("edit %1 of %2").arg(key, nameOf(element))),
      m_element(element),
      m_key(key),
      m_newValue(value),
      m_oldValue(element->attributes.contains(key) ? element->attribute(key) : QString()),
      m_oldText(element->value)
{
}

void SetAttributeCommand::redo(SclDocument &document)
{
    if (m_key == ValueKey && !m_newValue.isNull())
        document.setText(m_element, m_newValue);
    if (m_newValue.isNull())
        document.removeAttribute(m_element, m_key);
    else
        document.setAttribute(m_element, m_key, m_newValue);
}

void SetAttributeCommand::undo(SclDocument &document)
{
    if (m_key == ValueKey && !m_newValue.isNull())
        document.setText(m_element, m_oldText);
    if (m_oldValue.isNull())
        document.removeAttribute(m_element, m_key);
    else
        document.setAttribute(m_element, m_key, m_oldValue);
}
