#ifndef UNDOCOMMAND_H
#define UNDOCOMMAND_H

#include <QCoreApplication>
#include <QUndoCommand>

#include <functional>
#include <memory>

class EditCommand;
class SclDocument;
class XmlObject;

// A document command on the window's undo stack. The command has already run
// when it is pushed: the stack's first redo() is the push itself and does nothing.
class UndoCommand : public QUndoCommand
{
    Q_DECLARE_TR_FUNCTIONS(UndoCommand)

public:
    // shown: called after each undo and redo with the element to show the user.
    using Show = std::function<void(XmlObject *element)>;

    UndoCommand(SclDocument *document, std::unique_ptr<EditCommand> command, Show shown);
    ~UndoCommand() override;

    void undo() override;
    void redo() override;

private:
    SclDocument *m_document;
    std::unique_ptr<EditCommand> m_command;
    Show m_shown;
    bool m_pushed = false;
};

#endif // UNDOCOMMAND_H
