#include "smtpclient.h"

#include "mimemessage.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>

SmtpClient::SmtpClient(const QString &host, quint16 port, ConnectionType type, QObject *parent)
    : QObject(parent), m_socket(new QSslSocket(this)), m_host(host), m_port(port), m_type(type)
{
}

bool SmtpClient::connectToHost()
{
    if (m_type == SslConnection) {
        m_socket->connectToHostEncrypted(m_host, m_port);
        if (!waitForConnection([this] { return m_socket->isEncrypted(); }))
            return false;
    } else {
        m_socket->connectToHost(m_host, m_port);
        if (!waitForConnection([this] { return m_socket->state() == QAbstractSocket::ConnectedState; }))
            return false;
    }
    if (!expect(220) || !sayHello())
        return false;
    if (m_type != TlsConnection)
        return true;
    if (!exchange(QStringLiteral("STARTTLS"), 220))
        return false;
    m_socket->startClientEncryption();
    // The session starts afresh under encryption: greet again.
    return waitForConnection([this] { return m_socket->isEncrypted(); }) && sayHello();
}

bool SmtpClient::authenticate()
{
    if (m_authMethod == AuthPlain) {
        const QByteArray credentials = '\0' + m_user.toUtf8() + '\0' + m_password.toUtf8();
        return exchange("AUTH PLAIN " + QString::fromLatin1(credentials.toBase64()), 235,
                        AuthenticationFailedError);
    }
    return exchange(QStringLiteral("AUTH LOGIN"), 334, AuthenticationFailedError)
        && exchange(QString::fromLatin1(m_user.toUtf8().toBase64()), 334, AuthenticationFailedError)
        && exchange(QString::fromLatin1(m_password.toUtf8().toBase64()), 235, AuthenticationFailedError);
}

bool SmtpClient::authenticate(const QString &user, const QString &password, AuthMethod method)
{
    m_user = user;
    m_password = password;
    m_authMethod = method;
    return authenticate();
}

bool SmtpClient::deliver(const MimeMessage &message)
{
    if (!exchange("MAIL FROM:<" + message.sender().address() + '>', 250))
        return false;
    for (const EmailAddress &recipient : message.to() + message.cc() + message.bcc()) {
        if (!exchange("RCPT TO:<" + recipient.address() + '>', 250))
            return false;
    }
    if (!exchange(QStringLiteral("DATA"), 354))
        return false;
    // A line starting with "." gets one more, or a lone "." would end the data early.
    QByteArray data = message.toString().toUtf8();
    if (data.startsWith('.'))
        data.prepend('.');
    data.replace("\n.", "\n..");
    m_socket->write(data + "\r\n.\r\n");
    return expect(250);
}

void SmtpClient::closeSession()
{
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    // After a missing or garbled reply the two sides no longer agree on where
    // the conversation stands: there is nothing left to say.
    if (!m_inSync) {
        m_socket->abort();
        return;
    }
    sendCommand(QStringLiteral("QUIT"));
    m_socket->disconnectFromHost();
    const QDeadlineTimer deadline(m_responseTimeout);
    while (m_socket->state() != QAbstractSocket::UnconnectedState && waitForSocket(deadline))
        continue;
    m_socket->abort();
}

void SmtpClient::abort()
{
    m_aborted = true;
    // The socket belongs to the client's thread: stop the wait there.
    QMetaObject::invokeMethod(this, [this] {
        if (m_waiting)
            m_waiting->quit();
    }, Qt::QueuedConnection);
}

bool SmtpClient::sayHello()
{
    return exchange("EHLO " + m_name, 250);
}

bool SmtpClient::fail(SmtpError error, const QString &reason)
{
    m_inSync = m_inSync && (error == AuthenticationFailedError || error == ServerError || error == ClientError);
    m_errorString = reason;
    qWarning().noquote() << reason;
    emit smtpError(error);
    return false;
}

bool SmtpClient::failWaiting(SmtpError timeoutError, const QString &timeoutReason)
{
    if (m_aborted)
        return fail(AbortedError, tr("Mail to SMTP server %1 cancelled.").arg(m_host));
    return fail(timeoutError, timeoutReason);
}

// Runs this thread's events until the socket has news, the deadline passes or
// abort() is called; false for the last two.
bool SmtpClient::waitForSocket(const QDeadlineTimer &deadline)
{
    if (m_aborted || deadline.hasExpired())
        return false;
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(deadline.remainingTime()), &loop, &QEventLoop::quit);
    connect(m_socket, &QAbstractSocket::stateChanged, &loop, &QEventLoop::quit);
    connect(m_socket, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    connect(m_socket, &QSslSocket::encrypted, &loop, &QEventLoop::quit);
    m_waiting = &loop;
    loop.exec();
    m_waiting = nullptr;
    return !m_aborted && !deadline.hasExpired();
}

bool SmtpClient::waitForConnection(const std::function<bool()> &established)
{
    const QDeadlineTimer deadline(m_connectionTimeout);
    while (!established()) {
        if (m_socket->state() == QAbstractSocket::UnconnectedState) {
            return fail(ConnectionTimeoutError, tr("Connection to SMTP server %1:%2 failed: %3")
                                                    .arg(m_host).arg(m_port).arg(m_socket->errorString()));
        }
        if (!waitForSocket(deadline)) {
            return failWaiting(ConnectionTimeoutError, tr("Connection to SMTP server %1:%2 not established within %3 ms.")
                                                           .arg(m_host).arg(m_port).arg(m_connectionTimeout));
        }
    }
    return true;
}

// A command is one line: a line break in an address would smuggle in commands of its own.
void SmtpClient::sendCommand(const QString &command)
{
    m_socket->write(QString(command).replace('\r', ' ').replace('\n', ' ').toUtf8() + "\r\n");
}

// The whole reply must come within the response time-out, in lines of bounded
// length and number: a server that drips, or talks without end, is cut off.
bool SmtpClient::readReply()
{
    const QDeadlineTimer deadline(m_responseTimeout);
    const QString tooLong = tr("SMTP server %1 sent a reply line longer than %2 octets.").arg(m_host).arg(MaxReplyLineLength);
    QStringList lines;
    m_lastResponse.clear();
    m_lastResponseCode = 0;
    for (;;) {
        while (m_socket->canReadLine()) {
            const QByteArray line = m_socket->readLine();
            if (line.size() > MaxReplyLineLength)
                return fail(InvalidResponseError, tooLong);
            if (lines.size() == MaxReplyLines)
                return fail(InvalidResponseError, tr("SMTP server %1 sent a reply of more than %2 lines.")
                                                      .arg(m_host).arg(MaxReplyLines));
            lines << QString::fromUtf8(line).remove('\r').remove('\n');
            m_lastResponse = lines.join('\n');
            // "250-" announces more lines; "250 " or a bare "250" is the last.
            const QString &last = lines.last();
            if (last.size() < 4 || last.at(3) != '-') {
                m_lastResponseCode = last.leftRef(3).toInt();
                return true;
            }
        }
        if (m_socket->bytesAvailable() > MaxReplyLineLength)
            return fail(InvalidResponseError, tooLong);
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            return fail(ResponseTimeoutError, tr("SMTP server %1 closed the connection.").arg(m_host));
        if (!waitForSocket(deadline)) {
            return failWaiting(ResponseTimeoutError, tr("SMTP server %1 sent no whole reply within %2 ms.")
                                                         .arg(m_host).arg(m_responseTimeout));
        }
    }
}

bool SmtpClient::expect(int code, std::optional<SmtpError> mismatch)
{
    if (!readReply())
        return false;
    if (m_lastResponseCode == code)
        return true;
    const bool permanent = m_lastResponseCode >= 500 && m_lastResponseCode < 600;
    return fail(mismatch.value_or(permanent ? ClientError : ServerError),
                tr("SMTP server %1 answered \"%2\" where %3 was expected.").arg(m_host, m_lastResponse).arg(code));
}

bool SmtpClient::exchange(const QString &command, int code, std::optional<SmtpError> mismatch)
{
    sendCommand(command);
    return expect(code, mismatch);
}
