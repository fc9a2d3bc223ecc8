#ifndef SMTPCLIENT_H
#define SMTPCLIENT_H

#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <optional>

class MimeMessage;
class QDeadlineTimer;
class QEventLoop;
class QSslSocket;

// Sends mail through one SMTP server. Every call returns once the server has
// answered, a deadline has passed or abort() was called; meanwhile it runs the
// events of its own thread, so give it a thread of its own (see MailDelivery)
// rather than the interface's. A failure returns false, logs one line and
// emits smtpError.
class SmtpClient : public QObject
{
    Q_OBJECT

public:
    // TlsConnection starts plain and switches to encryption with STARTTLS.
    enum ConnectionType { TcpConnection, SslConnection, TlsConnection };
    Q_ENUM(ConnectionType)
    enum AuthMethod { AuthPlain, AuthLogin };
    Q_ENUM(AuthMethod)
    // ServerError stands for a 4xx reply, ClientError for a 5xx one;
    // InvalidResponseError for a reply with longer or more lines than SMTP allows.
    enum SmtpError {
        ConnectionTimeoutError,
        ResponseTimeoutError,
        AuthenticationFailedError,
        ServerError,
        ClientError,
        InvalidResponseError,
        AbortedError
    };
    Q_ENUM(SmtpError)

    // SMTP allows 512 octets a reply line; the margin is for servers that stretch it.
    static constexpr int MaxReplyLineLength = 1000;
    static constexpr int MaxReplyLines = 100;

    explicit SmtpClient(const QString &host = QStringLiteral("localhost"), quint16 port = 25,
                        ConnectionType type = TcpConnection, QObject *parent = nullptr);

    QString host() const { return m_host; }
    quint16 port() const { return m_port; }
    ConnectionType connectionType() const { return m_type; }
    // The name this machine gives itself in EHLO.
    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    // How long connecting, and the encryption handshake, may take.
    int connectionTimeout() const { return m_connectionTimeout; }
    void setConnectionTimeout(int msec) { m_connectionTimeout = msec; }
    // How long one whole reply may take, from the command to its last line,
    // however the server spreads it out.
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
    // Why the last call failed, in words for the user.
    QString errorString() const { return m_errorString; }

    // Connects, greets and, for TlsConnection, switches to encryption.
    bool connectToHost();
    // Logs in with the user, password and method set.
    bool authenticate();
    // Sets user, password and method, then logs in.
    bool authenticate(const QString &user, const QString &password, AuthMethod method = AuthPlain);
    bool deliver(const MimeMessage &message);
    // Says QUIT and disconnects; the reply is not waited for. After a failure
    // the connection is simply dropped.
    void closeSession();
    // Ends the conversation at once, from any thread: the call under way
    // fails with AbortedError, and so does every later one.
    void abort();

signals:
    void smtpError(SmtpClient::SmtpError error);

private:
    bool sayHello();
    bool fail(SmtpError error, const QString &reason);
    bool failWaiting(SmtpError timeoutError, const QString &timeoutReason);
    bool waitForSocket(const QDeadlineTimer &deadline);
    bool waitForConnection(const std::function<bool()> &established);
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
    QString m_errorString;
    // False once a reply went missing or came garbled.
    bool m_inSync = true;
    std::atomic_bool m_aborted{false};
    QEventLoop *m_waiting = nullptr;
};

#endif // SMTPCLIENT_H
