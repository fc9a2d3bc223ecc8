#ifndef SETATTRIBUTECOMMAND_H
#define SETATTRIBUTECOMMAND_H

#include "editcommand.h"

// Sets one attribute of an element, or removes it when the value is null.
// "value" stands for the element's text as well, as the editors show it.
class SetAttributeCommand : public EditCommand
{
public:
    SetAttributeCommand(XmlObject *element, const QString &key, const QString &value);

    void redo(SclDocument &document) override;
    void undo(SclDocument &document) override;
    XmlObject *subject(bool) const override { return m_element; }

private:
    XmlObject *m_element;
    QString m_key;
    QString m_newValue;
    QString m_oldValue; // null when the element lacked the attribute
    QString m_oldText;
};

#endif // SETATTRIBUTECOMMAND_H
