#ifndef ADDRESSEDITITEM_H
#define ADDRESSEDITITEM_H

#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

// One field of a composite address editor. Keys that walk across a field
// border (the separator, Backspace in an empty field, the arrows at either
// end) move the focus to the neighbouring field, so the composite types like
// a single line. Adds no signals or slots, hence no Q_OBJECT.
class AddressEditItem : public QLineEdit
{
public:
    // Makes this field the successor of previous (which may be null).
    void linkAfter(AddressEditItem *previous)
    {
        m_previous = previous;
        if (previous)
            previous->m_next = this;
    }

    // Whether text could have been typed into the field: no longer than the
    // field, not rejected by its validator. Empty and partial input count.
    virtual bool accepts(const QString &text) const
    {
        QString copy = text;
        int pos = 0;
        return text.length() <= maxLength()
            && (!validator() || validator()->validate(copy, pos) != QValidator::Invalid);
    }

protected:
    // separatorKey moves on like "." does.
    AddressEditItem(Qt::Key separatorKey, QWidget *parent)
        : QLineEdit(parent), m_separatorKey(separatorKey)
    {
        setAlignment(Qt::AlignCenter);
    }

    void moveToNext()
    {
        if (m_next)
            enter(m_next);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if ((key == Qt::Key_Period || key == m_separatorKey) && !awaitingInput()) {
            moveToNext();
        } else if (key == Qt::Key_Backspace && text().isEmpty() && m_previous) {
            enterAtEnd(m_previous);
            m_previous->backspace();
        } else if (key == Qt::Key_Left && cursorPosition() == 0 && m_previous) {
            enterAtEnd(m_previous);
        } else if (key == Qt::Key_Right && cursorPosition() == text().length() && m_next) {
            enter(m_next);
            m_next->setCursorPosition(0);
        }
        // The separator itself is refused by the validator; everything else
        // edits this field as usual.
        QLineEdit::keyPressEvent(event);
    }

private:
    // Empty or wholly selected, as after moving in. A separator typed then
    // follows a field that moved on by itself and must not skip this one.
    bool awaitingInput() const { return selectedText() == text(); }

    static void enter(AddressEditItem *field)
    {
        field->setFocus(Qt::OtherFocusReason);
        field->selectAll();
    }

    // Selecting all leaves the cursor at the end; moving it there again drops the selection.
    static void enterAtEnd(AddressEditItem *field)
    {
        enter(field);
        field->setCursorPosition(field->cursorPosition());
    }

    AddressEditItem *m_next = nullptr;
    AddressEditItem *m_previous = nullptr;
    Qt::Key m_separatorKey;
};

#endif // ADDRESSEDITITEM_H
