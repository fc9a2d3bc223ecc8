#include "smtpclient.h"

#include "mimemessage.h"

#include <QDebug>
#include <QSslSocket>

SmtpClient::SmtpClient(const QString &host, quint16 port, ConnectionType type, QObject *parent)
    : QObject(parent), m_socket(new QSslSocket(this)), m_host(host), m_port(port), m_type(type)
{
}

bool SmtpClient::connectToHost()
{
    bool connected;
    if (m_type == SslConnection) {
        m_socket->connectToHostEncrypted(m_host, m_port);
        connected = m_socket->waitForEncrypted(m_connectionTimeout);
    } else {
        m_socket->connectToHost(m_host, m_port);
        connected = m_socket->waitForConnected(m_connectionTimeout);
    }
    if (!connected) {
        qDebug() << "SMTP connection to" << m_host << "failed:" << m_socket->errorString();
        return fail(ConnectionTimeoutError);
    }
    if (!expect(220) || !sayHello())
        return false;
    if (m_type != TlsConnection)
        return true;
    if (!exchange(QStringLiteral("STARTTLS"), 220))
        return false;
    m_socket->startClientEncryption();
    if (!m_socket->waitForEncrypted(m_connectionTimeout)) {
        qDebug() << "STARTTLS with" << m_host << "failed:" << m_socket->errorString();
        return fail(ConnectionTimeoutError);
    }
    // The session starts afresh under encryption: greet again.
    return sayHello();
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
    write(data + "\r\n.\r\n");
    return expect(250);
}

void SmtpClient::closeSession()
{
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    sendCommand(QStringLiteral("QUIT"));
    m_socket->disconnectFromHost();
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->waitForDisconnected(m_responseTimeout);
}

bool SmtpClient::sayHello()
{
    return exchange("EHLO " + m_name, 250);
}

bool SmtpClient::fail(SmtpError error)
{
    emit smtpError(error);
    return false;
}

void SmtpClient::write(const QByteArray &data)
{
    m_socket->write(data);
    // A write that fails shows as a missing reply.
    while (m_socket->bytesToWrite() > 0 && m_socket->waitForBytesWritten(m_responseTimeout))
        continue;
}

// A command is one line: a line break in an address would smuggle in commands of its own.
void SmtpClient::sendCommand(const QString &command)
{
    write(QString(command).replace('\r', ' ').replace('\n', ' ').toUtf8() + "\r\n");
}

bool SmtpClient::readReply()
{
    QStringList lines;
    m_lastResponse.clear();
    m_lastResponseCode = 0;
    for (;;) {
        while (!m_socket->canReadLine()) {
            if (!m_socket->waitForReadyRead(m_responseTimeout))
                return fail(ResponseTimeoutError);
        }
        lines << QString::fromUtf8(m_socket->readLine()).remove('\r').remove('\n');
        m_lastResponse = lines.join('\n');
        // "250-" announces more lines; "250 " or a bare "250" is the last.
        const QString &line = lines.last();
        if (line.size() < 4 || line.at(3) != '-') {
            m_lastResponseCode = line.leftRef(3).toInt();
            return true;
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
    return fail(mismatch.value_or(permanent ? ClientError : ServerError));
}

bool SmtpClient::exchange(const QString &command, int code, std::optional<SmtpError> mismatch)
{
    sendCommand(command);
    return expect(code, mismatch);
}
