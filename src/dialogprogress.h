#ifndef DIALOGPROGRESS_H
#define DIALOGPROGRESS_H

#include "progress.h"

class QProgressDialog;

// Lets the reader, writer and checks drive the main window's progress dialog.
class DialogProgress : public Progress
{
public:
    explicit DialogProgress(QProgressDialog *dialog) : m_dialog(dialog) {}

    void setRange(int minimum, int maximum) override;
    void setValue(int value) override;
    void cancel() override;

private:
    QProgressDialog *m_dialog;
};

#endif // DIALOGPROGRESS_H
