#include "dialogprogress.h"

#include <QProgressDialog>

void DialogProgress::setRange(int minimum, int maximum)
{
    m_dialog->setRange(minimum, maximum);
}

void DialogProgress::setValue(int value)
{
    m_dialog->setValue(value);
}

void DialogProgress::cancel()
{
    m_dialog->cancel();
}
