#ifndef COMPOUNDCOMMAND_H
#define COMPOUNDCOMMAND_H

#include "editcommand.h"

#include <memory>
#include <vector>

// Several commands that undo and redo as one step: a paste with its
// renames, an import, the deletions of the template check, a rename with
// the references it carries along.
class CompoundCommand : public EditCommand
{
public:
    explicit CompoundCommand(const QString &text) : EditCommand(text) {}

    // Takes a command that has already run.
    void append(std::unique_ptr<EditCommand> command) { m_commands.push_back(std::move(command)); }
    bool isEmpty() const { return m_commands.empty(); }

    void redo(SclDocument &document) override;
    void undo(SclDocument &document) override;
    XmlObject *subject(bool undone) const override;

private:
    std::vector<std::unique_ptr<EditCommand>> m_commands;
};

#endif // COMPOUNDCOMMAND_H
