#include "objectcombobox.h"

#include "kestrel.h"
#include "modifyrecord.h"
#include "xmlobject.h"

#include <QWheelEvent>

objectComboBox::objectComboBox(Kestrel *window, XmlObject *object, const QString &key)
    : window(window),
      object(object),
      key(key)
{
    // Focus comes from a click or the keyboard, never from the wheel alone.
    setFocusPolicy(Qt::StrongFocus);
}

void objectComboBox::slotCurrentTextChanged(const QString &text)
{
    if (!window->editAttribute(object, key, text)) {
        const QSignalBlocker blocker(this);
        setCurrentText(object->attribute(key));
        return;
    }
    ModifyRecord::attributeSet(object, key, text);
}

void objectComboBox::wheelEvent(QWheelEvent *event)
{
    if (hasFocus())
        QComboBox::wheelEvent(event);
    else
        event->ignore();
}
