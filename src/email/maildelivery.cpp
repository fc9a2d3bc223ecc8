#include "maildelivery.h"

#include "mimemessage.h"

#include <QThread>

MailDelivery::MailDelivery(std::unique_ptr<SmtpClient> client, std::unique_ptr<MimeMessage> message,
                           QObject *parent)
    : QObject(parent),
      m_client(std::move(client)),
      m_message(std::move(message)),
      m_thread(QThread::create([this] { run(); }))
{
    m_thread->setParent(this);
    // The results are written before the thread ends and read after.
    connect(m_thread, &QThread::finished, this, &MailDelivery::finished);
    connect(m_client.get(), &SmtpClient::smtpError, m_client.get(), [this](SmtpClient::SmtpError error) {
        m_error = error;
        m_errorString = m_client->errorString();
    });
}

MailDelivery::~MailDelivery()
{
    cancel();
    m_thread->wait();
}

void MailDelivery::start()
{
    m_client->moveToThread(m_thread);
    m_thread->start();
}

void MailDelivery::cancel()
{
    m_client->abort();
}

void MailDelivery::run()
{
    if (m_client->connectToHost()) {
        m_stage = LoggingIn;
        // An internal relay may take mail without a log-in, and offer none.
        if (m_client->password().isEmpty() || m_client->authenticate()) {
            m_stage = Delivering;
            if (m_client->deliver(*m_message))
                m_stage = Delivered;
        }
    }
    m_client->closeSession();
    // Home again, so that it can be deleted where it was made.
    m_client->moveToThread(thread());
}
