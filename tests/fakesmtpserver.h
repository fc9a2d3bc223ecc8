#ifndef FAKESMTPSERVER_H
#define FAKESMTPSERVER_H

#include <QElapsedTimer>
#include <QSemaphore>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

// A scripted SMTP server on the loopback, in a thread of its own so that it
// answers whatever the client's thread does. The first reply is the greeting,
// then each command gets the next one. Once the script is spent it sends
// `flood` again and again, every 10 ms, until the client leaves (an empty
// flood: silence). After a DATA answered by 354 it keeps the lines up to
// the lone "." as data. Read commands() and data() once wait() has returned.
class FakeSmtpServer : public QThread
{
public:
    // Only a guard against a hung test; nothing is expected to take this long.
    static constexpr int Guard = 15000;

    explicit FakeSmtpServer(const QStringList &script, const QByteArray &flood = {}) : m_script(script), m_flood(flood) {}
    ~FakeSmtpServer() override { wait(); }

    quint16 listen()
    {
        start();
        m_listening.acquire();
        return m_port;
    }
    QStringList commands() const { return m_commands; }
    QByteArray data() const { return m_data; }

protected:
    void run() override
    {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        m_port = server.serverPort();
        m_listening.release();
        if (!server.waitForNewConnection(Guard))
            return;
        QTcpSocket *socket = server.nextPendingConnection();
        const auto reply = [&] {
            if (!m_script.isEmpty())
                socket->write(m_script.takeFirst().toUtf8() + "\r\n");
        };
        reply();
        bool inData = false;
        QElapsedTimer clock;
        clock.start();
        while (socket->state() == QAbstractSocket::ConnectedState && clock.elapsed() < Guard) {
            // A client that stops reading must not make this side hoard what it cannot send.
            if (m_script.isEmpty() && socket->bytesToWrite() < 65536)
                socket->write(m_flood);
            socket->waitForReadyRead(10);
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine();
                if (inData && line != ".\r\n") {
                    m_data += line;
                    continue;
                }
                if (!inData)
                    m_commands << QString::fromUtf8(line.chopped(2));
                inData = !inData && line == "DATA\r\n" && m_script.value(0).startsWith(QLatin1String("354"));
                reply();
            }
        }
    }

private:
    QStringList m_script;
    QByteArray m_flood;
    QSemaphore m_listening;
    quint16 m_port = 0;
    QStringList m_commands;
    QByteArray m_data;
};

#endif // FAKESMTPSERVER_H
