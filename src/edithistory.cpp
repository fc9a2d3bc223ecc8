#include "edithistory.h"

#include "editcommand.h"

EditHistory::EditHistory() = default;
EditHistory::~EditHistory() = default;

void EditHistory::record(std::unique_ptr<EditCommand> command)
{
    m_commands.resize(m_done);
    m_commands.push_back(std::move(command));
    m_done = m_commands.size();
}

void EditHistory::undo(SclDocument &document)
{
    if (canUndo())
        m_commands[--m_done]->undo(document);
}

void EditHistory::redo(SclDocument &document)
{
    if (canRedo())
        m_commands[m_done++]->redo(document);
}

void EditHistory::clear()
{
    // Newest first: a later command may hold elements an earlier one refers to.
    while (!m_commands.empty())
        m_commands.pop_back();
    m_done = 0;
}
