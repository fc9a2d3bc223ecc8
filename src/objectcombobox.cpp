#include "objectcombobox.h"

#include "modifyrecord.h"

objectComboBox::objectComboBox(XmlObject *object, const QString &key)
    : object(object),
      key(key)
{
}

void objectComboBox::slotCurrentTextChanged(const QString &text)
{
    ModifyRecord::write(object, key, text);
    ModifyRecord::attributeSet(object, key, text);
}
