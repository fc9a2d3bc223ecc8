#ifndef EDITCOMMAND_H
#define EDITCOMMAND_H

#include <QCoreApplication>
#include <QString>

class SclDocument;
class XmlObject;

// One change of the document that can be taken back and made again. A
// command runs once when the document executes it; after that undo and redo
// alternate, each leaving the document exactly as it was before the other.
class EditCommand
{
    Q_DECLARE_TR_FUNCTIONS(EditCommand)

public:
    explicit EditCommand(const QString &text) : m_text(text) {}
    virtual ~EditCommand() = default;
    EditCommand(const EditCommand &) = delete;
    EditCommand &operator=(const EditCommand &) = delete;

    virtual void redo(SclDocument &document) = 0;
    virtual void undo(SclDocument &document) = 0;
    // The element to show the user after an undo or a redo: the one changed,
    // or the parent of one removed. Null when there is none.
    virtual XmlObject *subject(bool undone) const = 0;

    // What the command does, as the Undo and Redo entries show it: "delete IED P1".
    QString text() const { return m_text; }

    // How command texts name an element: "IED P1", or "DAI" for one without a name.
    static QString nameOf(const XmlObject *element);

private:
    QString m_text;
};

#endif // EDITCOMMAND_H
