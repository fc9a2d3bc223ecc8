#include "objectcombobox.h"

#include "modifyrecord.h"

#include <QWheelEvent>

objectComboBox::objectComboBox(XmlObject *object, const QString &key)
    : object(object),
      key(key)
{
    // Focus comes from a click or the keyboard, never from the wheel alone.
    setFocusPolicy(Qt::StrongFocus);
}

void objectComboBox::slotCurrentTextChanged(const QString &text)
{
    ModifyRecord::write(object, key, text);
    ModifyRecord::attributeSet(object, key, text);
}

void objectComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
