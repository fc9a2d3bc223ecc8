#include "undocommand.h"

#include "editcommand.h"
#include "scldocument.h"

#include <QDebug>

UndoCommand::UndoCommand(SclDocument *document, std::unique_ptr<EditCommand> command, Show shown)
    : QUndoCommand(command->text()), m_document(document), m_command(std::move(command)), m_shown(std::move(shown))
{
}

UndoCommand::~UndoCommand() = default;

void UndoCommand::undo()
{
    m_command->undo(*m_document);
    qDebug().noquote() << tr("Undo %1 successfully.").arg(text());
    m_shown(m_command->subject(true));
}

void UndoCommand::redo()
{
    if (!m_pushed) {
        m_pushed = true;
        return;
    }
    m_command->redo(*m_document);
    qDebug().noquote() << tr("Redo %1 successfully.").arg(text());
    m_shown(m_command->subject(false));
}
