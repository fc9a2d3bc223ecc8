#ifndef EDITHISTORY_H
#define EDITHISTORY_H

#include <memory>
#include <vector>

class EditCommand;
class SclDocument;

// The commands a document has executed, for undo and redo where no window's
// undo stack takes them: the command-line tool and the tests.
class EditHistory
{
public:
    EditHistory();
    ~EditHistory();

    // Takes a command that has already run; drops what could have been redone.
    void record(std::unique_ptr<EditCommand> command);
    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_commands.size(); }
    void undo(SclDocument &document);
    void redo(SclDocument &document);
    std::size_t count() const { return m_commands.size(); }
    void clear();

private:
    std::vector<std::unique_ptr<EditCommand>> m_commands;
    std::size_t m_done = 0;
};

#endif // EDITHISTORY_H
