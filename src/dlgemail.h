#ifndef DLGEMAIL_H
#define DLGEMAIL_H

#include <QDialog>

#include <memory>

class MailDelivery;
class QProgressDialog;
class UserPrompt;

namespace Ui {
class DlgEmail;
}

// Sends the user's question or suggestion to the feedback mailbox. The mail
// server and the account come from the settings group "feedback": host,
// port (25), connection (tcp, ssl or starttls), account, user (the account),
// password (none: no log-in) and timeout (milliseconds for connecting and for
// each reply, 5000). The mail goes out on a thread of its own, behind a
// progress dialog whose Cancel ends it.
class DlgEmail : public QDialog
{
    Q_OBJECT

public:
    // prompt shows the refusals and results; not owned.
    DlgEmail(UserPrompt *prompt, QWidget *parent = nullptr);
    ~DlgEmail() override;

    // "Kestrel <version> [<name>-<mailbox>]".
    static QString subject(const QString &name, const QString &mailbox);

public slots:
    void slotSendEmail();

private:
    void slotSent();

    std::unique_ptr<Ui::DlgEmail> ui;
    UserPrompt *m_prompt;
    MailDelivery *m_delivery = nullptr;
    QProgressDialog *m_progress = nullptr;
};

#endif // DLGEMAIL_H
