#include "compoundcommand.h"

void CompoundCommand::redo(SclDocument &document)
{
    for (const auto &command : m_commands)
        command->redo(document);
}

void CompoundCommand::undo(SclDocument &document)
{
    for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it)
        (*it)->undo(document);
}

XmlObject *CompoundCommand::subject(bool undone) const
{
    if (m_commands.empty())
        return nullptr;
    return undone ? m_commands.front()->subject(true) : m_commands.back()->subject(false);
}
