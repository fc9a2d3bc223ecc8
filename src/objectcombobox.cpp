#include "objectcombobox.h"

#include "modifyrecord.h"

#include <QWheelEvent>

objectComboBox::objectComboBox(SclDocument *document, XmlObject *object, const QString &key)
    : document(document),
      object(object),
      key(key)
{
    // Focus comes from a click or the keyboard, never from the wheel alone.
    setFocusPolicy(Qt::StrongFocus);
}

void objectComboBox::slotCurrentTextChanged(const QString &text)
{
    ModifyRecord::write(*document, object, key, text);
    ModifyRecord::attributeSet(object, key, text);
}

void objectComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
