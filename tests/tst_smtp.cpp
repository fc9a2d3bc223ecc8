#include "emailaddress.h"
#include "mimehtml.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "smtpclient.h"

#include <QRegularExpression>
#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(MimeMessage::HeaderEncoding)
Q_DECLARE_METATYPE(MimePart::Encoding)

namespace {

// Only a guard against a hung test; nothing is expected to take this long.
const int Guard = 10000;

// A scripted SMTP server on the loopback, in a thread of its own because the
// client blocks. The first reply is the greeting, then each command gets the
// next one; with none left it stays silent. After a DATA answered by 354 it
// keeps the lines up to the lone "." as data. Read commands() and data() only
// once the client has gone and wait() has returned.
class FakeSmtpServer : public QThread
{
public:
    explicit FakeSmtpServer(const QStringList &script) : m_script(script) {}
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
        const auto reply = [&]() {
            if (!m_script.isEmpty()) {
                socket->write(m_script.takeFirst().toUtf8() + "\r\n");
                socket->waitForBytesWritten(Guard);
            }
        };
        reply();
        bool inData = false;
        for (;;) {
            while (!socket->canReadLine()) {
                if (!socket->waitForReadyRead(Guard))
                    return;
            }
            QByteArray line = socket->readLine();
            if (inData) {
                inData = line != ".\r\n";
                if (inData)
                    m_data += line;
                else
                    reply();
                continue;
            }
            if (line.endsWith("\r\n"))
                line.chop(2);
            m_commands << QString::fromUtf8(line);
            inData = line == "DATA" && !m_script.isEmpty() && m_script.first().startsWith(QLatin1String("354"));
            reply();
        }
    }

private:
    QStringList m_script;
    QSemaphore m_listening;
    quint16 m_port = 0;
    QStringList m_commands;
    QByteArray m_data;
};

const QString User = QStringLiteral("kestrel@example.org");
const QString Password = QStringLiteral("s3cret pass");

// Sender and subject, To and Cc with and without names, one Bcc, a text part.
std::unique_ptr<MimeMessage> sampleMessage(const QString &text = QStringLiteral("Hello"))
{
    auto message = std::make_unique<MimeMessage>();
    message->setSender(EmailAddress(User, QStringLiteral("Kestrel")));
    message->addTo(EmailAddress(QStringLiteral("li@example.cn"), QStringLiteral("Li Lei")));
    message->addTo(EmailAddress(QStringLiteral("ops@example.cn")));
    message->addCc(EmailAddress(QStringLiteral("cc@example.cn"), QStringLiteral("Copy")));
    message->addBcc(EmailAddress(QStringLiteral("hidden@example.cn"), QStringLiteral("Hidden")));
    message->setSubject(QStringLiteral("Feedback"));
    message->addPart(new MimeText(text));
    return message;
}

// Greeting and EHLO, the replies for the log-in, then a delivery to the
// sample's four recipients.
QStringList script(const QStringList &authReplies)
{
    return QStringList{"220 fake ESMTP", "250-fake.test\r\n250-AUTH PLAIN LOGIN\r\n250 8BITMIME"}
            + authReplies
            + QStringList{"250 sender ok", "250 ok", "250 ok", "250 ok", "250 ok", "354 go on", "250 queued", "221 bye"};
}

// Connects, logs in and delivers, stopping at the first call that fails;
// returns how many succeeded. The session is closed so that the server's
// record is complete.
int converse(SmtpClient &client, FakeSmtpServer &server, const MimeMessage &message,
             SmtpClient::AuthMethod method = SmtpClient::AuthPlain)
{
    const std::function<bool()> calls[] = {[&]() { return client.connectToHost(); },
                                           [&]() { return client.authenticate(User, Password, method); },
                                           [&]() { return client.deliver(message); }};
    int succeeded = 0;
    while (succeeded < 3 && calls[succeeded]())
        ++succeeded;
    client.closeSession();
    return server.wait(Guard) ? succeeded : -1;
}

QString headerBlock(const QString &messageText)
{
    return messageText.left(messageText.indexOf(QLatin1String("Content-Type:")));
}

QString bodyOf(const MimePart &part)
{
    const QString text = part.toString();
    return text.mid(text.indexOf(QLatin1String("\r\n\r\n")) + 4);
}

QByteArray unstuffed(QByteArray data)
{
    return data.replace("\r\n..", "\r\n.");
}

} // namespace

class TstSmtp : public QObject
{
    Q_OBJECT

private slots:
    void conversation_data();
    void conversation();
    void failures_data();
    void failures();
    void nothingListening();
    void dotStuffing();
    void envelopeInjection();
    void headers();
    void encodedHeaders_data();
    void encodedHeaders();
    void headerInjection();
    void longEncodedSubject();
    void multipartStructure();
    void textEncoding_data();
    void textEncoding();
    void quotedPrintable_data();
    void quotedPrintable();
    void addressFromText_data();
    void addressFromText();
};

void TstSmtp::conversation_data()
{
    QTest::addColumn<SmtpClient::AuthMethod>("method");
    QTest::addColumn<QStringList>("authReplies");
    QTest::addColumn<QStringList>("authCommands");

    QTest::newRow("AUTH LOGIN") << SmtpClient::AuthLogin
                                << QStringList{"334 VXNlcm5hbWU6", "334 UGFzc3dvcmQ6", "235 ok"}
                                << QStringList{"AUTH LOGIN", "a2VzdHJlbEBleGFtcGxlLm9yZw==", "czNjcmV0IHBhc3M="};
    QTest::newRow("AUTH PLAIN") << SmtpClient::AuthPlain << QStringList{"235 ok"}
                                << QStringList{"AUTH PLAIN AGtlc3RyZWxAZXhhbXBsZS5vcmcAczNjcmV0IHBhc3M="};
}

// The multi-line EHLO reply must be read whole, or every later reply would be off by one.
void TstSmtp::conversation()
{
    QFETCH(SmtpClient::AuthMethod, method);
    QFETCH(QStringList, authReplies);
    QFETCH(QStringList, authCommands);

    FakeSmtpServer server(script(authReplies));
    SmtpClient client(QStringLiteral("127.0.0.1"), server.listen());
    client.setName(QStringLiteral("kestrel.test"));
    QSignalSpy errors(&client, &SmtpClient::smtpError);
    const auto message = sampleMessage();

    QCOMPARE(converse(client, server, *message, method), 3);
    QCOMPARE(errors.count(), 0);
    QCOMPARE(client.lastResponse(), QStringLiteral("250 queued"));
    const QStringList delivery{"MAIL FROM:<kestrel@example.org>", "RCPT TO:<li@example.cn>",
                               "RCPT TO:<ops@example.cn>", "RCPT TO:<cc@example.cn>",
                               "RCPT TO:<hidden@example.cn>", "DATA", "QUIT"};
    QCOMPARE(server.commands(), QStringList("EHLO kestrel.test") + authCommands + delivery);
    QCOMPARE(server.data(), message->toString().toUtf8() + "\r\n");
}

void TstSmtp::failures_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<SmtpClient::AuthMethod>("method");
    QTest::addColumn<int>("responseTimeout");
    QTest::addColumn<int>("succeeded");
    QTest::addColumn<int>("commandsSent");
    QTest::addColumn<SmtpClient::SmtpError>("error");

    const QStringList hello{"220 hi", "250 hello"};
    const QStringList loggedIn = hello + QStringList{"235 ok"};
    QTest::newRow("greeting 554") << QStringList{"554 no service"} << SmtpClient::AuthPlain << 5000
                                  << 0 << 0 << SmtpClient::ClientError;
    QTest::newRow("EHLO 421") << QStringList{"220 hi", "421 closing"} << SmtpClient::AuthPlain << 5000
                              << 0 << 1 << SmtpClient::ServerError;
    QTest::newRow("silent server") << QStringList() << SmtpClient::AuthPlain << 300
                                   << 0 << 0 << SmtpClient::ResponseTimeoutError;
    QTest::newRow("AUTH PLAIN 535") << hello + QStringList{"535 bad credentials"} << SmtpClient::AuthPlain
                                    << 5000 << 1 << 2 << SmtpClient::AuthenticationFailedError;
    QTest::newRow("AUTH LOGIN 535") << hello + QStringList{"334 a", "334 b", "535 bad credentials"}
                                    << SmtpClient::AuthLogin << 5000 << 1 << 4
                                    << SmtpClient::AuthenticationFailedError;
    QTest::newRow("AUTH LOGIN not offered") << hello + QStringList{"504 unknown"} << SmtpClient::AuthLogin
                                            << 5000 << 1 << 2 << SmtpClient::AuthenticationFailedError;
    QTest::newRow("MAIL FROM 451") << loggedIn + QStringList{"451 try later"} << SmtpClient::AuthPlain
                                   << 5000 << 2 << 3 << SmtpClient::ServerError;
    QTest::newRow("RCPT TO 550") << loggedIn + QStringList{"250 ok", "550 no such user"}
                                 << SmtpClient::AuthPlain << 5000 << 2 << 4 << SmtpClient::ClientError;
    QTest::newRow("end of data 552") << loggedIn + QStringList{"250 ok", "250 ok", "250 ok", "250 ok",
                                                               "250 ok", "354 go on", "552 too big"}
                                     << SmtpClient::AuthPlain << 5000 << 2 << 8 << SmtpClient::ClientError;
}

// Each failure is reported once, and the client says nothing more but QUIT.
void TstSmtp::failures()
{
    QFETCH(QStringList, script);
    QFETCH(SmtpClient::AuthMethod, method);
    QFETCH(int, responseTimeout);
    QFETCH(int, succeeded);
    QFETCH(int, commandsSent);
    QFETCH(SmtpClient::SmtpError, error);

    FakeSmtpServer server(script);
    SmtpClient client(QStringLiteral("127.0.0.1"), server.listen());
    client.setResponseTimeout(responseTimeout);
    QSignalSpy errors(&client, &SmtpClient::smtpError);
    const auto message = sampleMessage();

    QCOMPARE(converse(client, server, *message, method), succeeded);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().value<SmtpClient::SmtpError>(), error);
    QCOMPARE(server.commands().size(), commandsSent + 1);
    QCOMPARE(server.commands().last(), QStringLiteral("QUIT"));
}

void TstSmtp::nothingListening()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();

    SmtpClient client(QStringLiteral("127.0.0.1"), port);
    QSignalSpy errors(&client, &SmtpClient::smtpError);
    QVERIFY(!client.connectToHost());
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().first().value<SmtpClient::SmtpError>(), SmtpClient::ConnectionTimeoutError);
}

// A lone "." in the text would end the data early and the rest would be read as commands.
void TstSmtp::dotStuffing()
{
    FakeSmtpServer server(script({"235 ok"}));
    SmtpClient client(QStringLiteral("127.0.0.1"), server.listen());
    const auto message = sampleMessage(QStringLiteral("first\n.\n.x\nlast"));

    QCOMPARE(converse(client, server, *message), 3);
    QVERIFY(server.data().contains("\r\nfirst\r\n..\r\n..x\r\nlast\r\n"));
    QCOMPARE(unstuffed(server.data()), message->toString().toUtf8() + "\r\n");
}

void TstSmtp::envelopeInjection()
{
    FakeSmtpServer server(script({"235 ok"}));
    SmtpClient client(QStringLiteral("127.0.0.1"), server.listen());
    const auto message = sampleMessage();
    message->setSender(EmailAddress(QStringLiteral("me@example.org>\r\nRCPT TO:<spam@example.com")));

    QCOMPARE(converse(client, server, *message), 3);
    QCOMPARE(server.commands().at(2), QStringLiteral("MAIL FROM:<me@example.org>  RCPT TO:<spam@example.com>"));
    QVERIFY(!server.commands().contains(QStringLiteral("RCPT TO:<spam@example.com>")));
}

void TstSmtp::headers()
{
    const auto message = sampleMessage();
    QCOMPARE(headerBlock(message->toString()),
             QStringLiteral("From: Kestrel <kestrel@example.org>\r\n"
                            "To: Li Lei <li@example.cn>, <ops@example.cn>\r\n"
                            "Cc: Copy <cc@example.cn>\r\n"
                            "Subject: Feedback\r\n"
                            "MIME-Version: 1.0\r\n"));
    // A dated message says when, in the mail's own format whatever the locale.
    message->setDate(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3), Qt::OffsetFromUTC, 8 * 3600));
    QVERIFY(message->toString().startsWith(QStringLiteral("Date: 07 Dec 2026 09:05:03 +0800\r\nFrom: Kestrel")));
}

void TstSmtp::encodedHeaders_data()
{
    QTest::addColumn<MimeMessage::HeaderEncoding>("encoding");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("subjectLine");

    QTest::newRow("plain, not ASCII") << MimeMessage::Plain << "张三" << "反馈"
                                      << "From: =?utf-8?B?5byg5LiJ?= <li@example.cn>"
                                      << "Subject: =?utf-8?B?5Y+N6aaI?=";
    QTest::newRow("plain with specials") << MimeMessage::Plain << "Li, \"Lei\"" << "a, b"
                                         << "From: \"Li, \\\"Lei\\\"\" <li@example.cn>" << "Subject: a, b";
    QTest::newRow("Base64") << MimeMessage::Base64 << "Li Lei" << ""
                            << "From: =?utf-8?B?TGkgTGVp?= <li@example.cn>" << "Subject: ";
    QTest::newRow("quoted-printable") << MimeMessage::QuotedPrintable << QString::fromUtf8("Zoë Ünal")
                                      << "a=b?_c" << "From: =?utf-8?Q?Zo=C3=AB_=C3=9Cnal?= <li@example.cn>"
                                      << "Subject: =?utf-8?Q?a=3Db=3F=5Fc?=";
}

void TstSmtp::encodedHeaders()
{
    QFETCH(MimeMessage::HeaderEncoding, encoding);
    QFETCH(QString, name);
    QFETCH(QString, subject);
    QFETCH(QString, from);
    QFETCH(QString, subjectLine);

    MimeMessage message;
    message.setHeaderEncoding(encoding);
    message.setSender(EmailAddress(QStringLiteral("li@example.cn"), name));
    message.setSubject(subject);
    const QStringList lines = headerBlock(message.toString()).split(QLatin1String("\r\n"));
    QCOMPARE(lines.at(0), from);
    QCOMPARE(lines.at(1), subjectLine);
}

void TstSmtp::headerInjection()
{
    const auto message = sampleMessage();
    message->setSubject(QStringLiteral("Hi\r\nBcc: spam@example.com"));
    message->setSender(EmailAddress(QStringLiteral("me@example.org\nX-A: 1"), QStringLiteral("Me\rX-B: 2")));

    const QStringList lines = headerBlock(message->toString()).split(QLatin1String("\r\n"));
    QCOMPARE(lines.at(0), QStringLiteral("From: \"Me X-B: 2\" <me@example.org X-A: 1>"));
    QCOMPARE(lines.at(3), QStringLiteral("Subject: Hi  Bcc: spam@example.com"));
    QCOMPARE(lines.size(), 6);
}

// Encoded words stay within 75 characters and split between characters, never inside one.
void TstSmtp::longEncodedSubject()
{
    const QString subject = QString::fromUtf8("关于变电站配置描述文件的编辑器的一些意见和建议").repeated(3);
    MimeMessage message;
    message.setSubject(subject);
    const QString header = headerBlock(message.toString()).section(QLatin1String("\r\n"), 1, -3);
    QVERIFY(header.startsWith(QLatin1String("Subject: =?utf-8?B?")));

    static const QRegularExpression word(QStringLiteral("=\\?utf-8\\?B\\?([^?]*)\\?="));
    QString decoded;
    int words = 0;
    for (auto match = word.globalMatch(header); match.hasNext(); ++words) {
        const QRegularExpressionMatch found = match.next();
        QVERIFY(found.capturedLength() <= 75);
        decoded += QString::fromUtf8(QByteArray::fromBase64(found.captured(1).toLatin1()));
    }
    QCOMPARE(decoded, subject);
    QCOMPARE(header.count(QLatin1String("\r\n ")), words - 1);
}

void TstSmtp::multipartStructure()
{
    MimeMessage message;
    message.addPart(new MimeText(QStringLiteral("plain")));
    message.addPart(new MimeHtml(QStringLiteral("<p>html</p>")));
    const QString b = message.content().boundary();
    QVERIFY(!b.isEmpty());
    QVERIFY(b != MimeMultiPart().boundary());

    QCOMPARE(message.toString().section(QLatin1String("MIME-Version: 1.0\r\n"), 1),
             "Content-Type: multipart/mixed; boundary=" + b + "\r\n"
             "Content-Transfer-Encoding: 7bit\r\n\r\n"
             "--" + b + "\r\n"
             "Content-Type: text/plain; charset=utf-8\r\n"
             "Content-Transfer-Encoding: 7bit\r\n\r\n"
             "plain\r\n"
             "--" + b + "\r\n"
             "Content-Type: text/html; charset=utf-8\r\n"
             "Content-Transfer-Encoding: 7bit\r\n\r\n"
             "<p>html</p>\r\n"
             "--" + b + "--\r\n");
}

void TstSmtp::textEncoding_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<MimePart::Encoding>("encoding");

    QTest::newRow("ASCII") << "Line one\nline two" << MimePart::SevenBit;
    QTest::newRow("Chinese") << QString::fromUtf8("变电站配置描述文件的编辑器").repeated(10) << MimePart::Base64;
    QTest::newRow("ASCII line over 998") << QString(999, 'a') << MimePart::Base64;
}

// Base64 comes in lines of 76 characters that decode to the text.
void TstSmtp::textEncoding()
{
    QFETCH(QString, text);
    QFETCH(MimePart::Encoding, encoding);

    const std::unique_ptr<MimeText> parts[] = {std::make_unique<MimeText>(text), std::make_unique<MimeHtml>(text)};
    for (const auto &part : parts) {
        QCOMPARE(part->encoding(), encoding);
        if (encoding != MimePart::Base64)
            continue;
        QStringList lines = bodyOf(*part).split(QLatin1String("\r\n"));
        QCOMPARE(lines.takeLast(), QString());
        for (int i = 0; i < lines.size(); ++i)
            QVERIFY(i + 1 == lines.size() ? lines.at(i).size() <= 76 : lines.at(i).size() == 76);
        QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(lines.join(QString()).toLatin1())), text);
    }
}

void TstSmtp::quotedPrintable_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("encoded");

    QTest::newRow("equals sign") << QByteArray("a=b") << "a=3Db\r\n";
    QTest::newRow("not ASCII") << QByteArray("\xc3\xa9t\xc3\xa9") << "=C3=A9t=C3=A9\r\n";
    QTest::newRow("blanks") << QByteArray("a b\tc \r\nd\t\ne ") << "a b\tc=20\r\nd=09\r\ne=20\r\n";
    QTest::newRow("long line") << QByteArray(100, 'a')
                               << QString(75, 'a') + "=\r\n" + QString(25, 'a') + "\r\n";
    QTest::newRow("escape at the limit") << QByteArray(74, 'a') + '='
                                         << QString(74, 'a') + "=\r\n=3D\r\n";
}

// Soft breaks keep lines within 76 characters and never split an escape.
void TstSmtp::quotedPrintable()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, encoded);

    MimePart part;
    part.setEncoding(MimePart::QuotedPrintable);
    part.setContent(content);
    QCOMPARE(bodyOf(part), encoded);
}

void TstSmtp::addressFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("name");

    QTest::newRow("name and address") << "Li Lei <li@example.cn>" << "li@example.cn" << "Li Lei";
    QTest::newRow("padded") << "  Li Lei   < li@example.cn > " << "li@example.cn" << "Li Lei";
    QTest::newRow("brackets only") << "<li@example.cn>" << "li@example.cn" << "";
    QTest::newRow("bare address") << " li@example.cn " << "li@example.cn" << "";
}

void TstSmtp::addressFromText()
{
    QFETCH(QString, text);
    QFETCH(QString, address);
    QFETCH(QString, name);

    const EmailAddress parsed = EmailAddress::fromText(text);
    QCOMPARE(parsed.address(), address);
    QCOMPARE(parsed.name(), name);
}

QTEST_GUILESS_MAIN(TstSmtp)
#include "tst_smtp.moc"
