#ifndef MAILDELIVERY_H
#define MAILDELIVERY_H

#include "smtpclient.h"

#include <QObject>

#include <memory>

class MimeMessage;
class QThread;

// Delivers one message on a thread of its own: connect, log in when a
// password is set, deliver, say QUIT. The thread that starts it keeps running
// its events, and finished() comes back to it.
class MailDelivery : public QObject
{
    Q_OBJECT

public:
    // How far the conversation got.
    enum Stage { Connecting, LoggingIn, Delivering, Delivered };

    // The client, with its user, password and method set, and the message.
    MailDelivery(std::unique_ptr<SmtpClient> client, std::unique_ptr<MimeMessage> message,
                 QObject *parent = nullptr);
    // Cancels a delivery under way and waits for its thread.
    ~MailDelivery() override;

    void start();
    // Ends the conversation promptly; finished() follows with AbortedError.
    void cancel();

    // Valid once finished() has come.
    Stage stage() const { return m_stage; }
    SmtpClient::SmtpError error() const { return m_error; }
    QString errorString() const { return m_errorString; }

signals:
    void finished();

private:
    void run();

    std::unique_ptr<SmtpClient> m_client;
    std::unique_ptr<MimeMessage> m_message;
    QThread *m_thread;
    Stage m_stage = Connecting;
    SmtpClient::SmtpError m_error = SmtpClient::AbortedError;
    QString m_errorString;
};

#endif // MAILDELIVERY_H
