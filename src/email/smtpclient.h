#ifndef SMTPCLIENT_H
#define SMTPCLIENT_H

#include <QObject>
#include <QString>

#include <optional>

class MimeMessage;
class QSslSocket;

// Sends mail through one SMTP server. Every call blocks until the server has
// answered or a time-out has passed; a failure returns false and emits smtpError.
class SmtpClient : public QObject
{
    Q_OBJECT

public:
    // TlsConnection starts plain and switches to encryption with STARTTLS.
    enum ConnectionType { TcpConnection, SslConnection, TlsConnection };
    Q_ENUM(ConnectionType)
    enum AuthMethod { AuthPlain, AuthLogin };
    Q_ENUM(AuthMethod)
    // ServerError stands for a 4xx reply, ClientError for a 5xx one.
    enum SmtpError { ConnectionTimeoutError, ResponseTimeoutError, AuthenticationFailedError, ServerError, ClientError };
    Q_ENUM(SmtpError)

    explicit SmtpClient(const QString &host = QStringLiteral("localhost"), quint16 port = 25,
                        ConnectionType type = TcpConnection, QObject *parent = nullptr);

    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    ConnectionType connectionType() const { return m_type; }
    // The name this machine gives itself in EHLO.
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    int connectionTimeout() const { return m_connectionTimeout; }
    void setConnectionTimeout(int msec) { m_connectionTimeout = msec; }
    int responseTimeout() const { return m_responseTimeout; }
    void setResponseTimeout(int msec) { m_responseTimeout = msec; }
    QString user() const { return m_user; }
    void setUser(const QString &user) { m_user = user; }
    QString password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    AuthMethod authMethod() const { return m_authMethod; }
    void setAuthMethod(AuthMethod method) { m_authMethod = method; }

    // The last reply's lines, without their line ends, and its code.
    QString lastResponse() const { return m_lastResponse; }
    int lastResponseCode() const { return m_lastResponseCode; }

    // Connects, greets and, for TlsConnection, switches to encryption.
    bool connectToHost();
    // Logs in with the user, password and method set.
    bool authenticate();
    // Sets user, password and method, then logs in.
    bool authenticate(const QString &user, const QString &password, AuthMethod method = AuthPlain);
    bool deliver(const MimeMessage &message);
    // Says QUIT and disconnects; the reply is not waited for.
    void closeSession();

signals:
    void smtpError(SmtpClient::SmtpError error);

private:
    bool sayHello();
    bool fail(SmtpError error);
    void write(const QByteArray &data);
    void sendCommand(const QString &command);
    bool readReply();
    bool expect(int code, std::optional<SmtpError> mismatch = std::nullopt);
    bool exchange(const QString &command, int code, std::optional<SmtpError> mismatch = std::nullopt);

    QSslSocket *m_socket;
    QString m_host;
    quint16 m_port;
    ConnectionType m_type;
    QString m_name = QStringLiteral("localhost");
    int m_connectionTimeout = 5000;
    int m_responseTimeout = 5000;
    QString m_user;
    QString m_password;
    AuthMethod m_authMethod = AuthPlain;
    QString m_lastResponse;
    int m_lastResponseCode = 0;
};

#endif // SMTPCLIENT_H
