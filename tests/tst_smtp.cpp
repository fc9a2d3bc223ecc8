#include "emailaddress.h"
#include "fakesmtpserver.h"
#include "mimehtml.h"
#include "mimemessage.h"
#include "mimetext.h"
#include "smtpclient.h"

#include <QRegularExpression>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(MimeMessage::HeaderEncoding)
Q_DECLARE_METATYPE(MimePart::Encoding)

namespace {

const QString User = QStringLiteral("kestrel@example.org");

// To and Cc with and without names, one Bcc, a text part.
std::unique_ptr<MimeMessage> sampleMessage(const QString &sender = User, const QString &text = QStringLiteral("Hello"))
{
    auto message = std::make_unique<MimeMessage>();
    message->setSender(EmailAddress(sender, QStringLiteral("Kestrel")));
    for (const char *to : {"Li Lei <li@example.cn>", "ops@example.cn"})
        message->addTo(EmailAddress::fromText(to));
    message->addCc(EmailAddress(QStringLiteral("cc@example.cn"), QStringLiteral("Copy")));
    message->addBcc(EmailAddress(QStringLiteral("hidden@example.cn"), QStringLiteral("Hidden")));
    message->setSubject(QStringLiteral("Feedback"));
    message->addPart(new MimeText(text));
    return message;
}

// The lines from "From:" up to the content.
QStringList headerLines(const QString &messageText)
{
    const int from = messageText.indexOf(QLatin1String("From:"));
    return messageText.mid(from, messageText.indexOf(QLatin1String("Content-Type:")) - from).split("\r\n");
}

} // namespace

class TstSmtp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<SmtpClient::SmtpError>(); }
    void conversation_data();
    void conversation();
    void messageIdAndDate();
    void headers_data();
    void headers();
    void longEncodedSubject();
    void bodies_data();
    void bodies();
};

void TstSmtp::conversation_data()
{
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<QByteArray>("flood");
    QTest::addColumn<SmtpClient::AuthMethod>("method");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<int>("error"); // -1: delivered

    const QStringList hello{"220 fake ESMTP", "250-fake.test\r\n250-AUTH PLAIN LOGIN\r\n250 8BITMIME"};
    const QStringList delivery{"250 ok", "250 ok", "250 ok", "250 ok", "250 ok", "354 go on", "250 queued"};
    const QString ehlo = QStringLiteral("EHLO localhost");
    const QString plain = QStringLiteral("AUTH PLAIN AGtlc3RyZWxAZXhhbXBsZS5vcmcAczNjcmV0IHBhc3M=");
    const auto delivered = [](const QString &mailFrom) {
        return QStringList{mailFrom, "RCPT TO:<li@example.cn>", "RCPT TO:<ops@example.cn>", "RCPT TO:<cc@example.cn>",
                           "RCPT TO:<hidden@example.cn>", "DATA", "QUIT"};
    };
    const QStringList loggedIn = hello + QStringList("235 ok");
    const QStringList asUser = QStringList{ehlo, plain} + delivered("MAIL FROM:<kestrel@example.org>");
    const auto add = [](const char *name, const QStringList &script, const QStringList &commands, int error,
                        const QByteArray &flood = {}, const QString &sender = User,
                        const QString &text = QStringLiteral("Hello"), SmtpClient::AuthMethod method = SmtpClient::AuthPlain) {
        QTest::newRow(name) << script << flood << method << sender << text << commands << error;
    };
    add("AUTH LOGIN", hello + QStringList{"334 VXNlcm5hbWU6", "334 UGFzc3dvcmQ6", "235 ok"} + delivery,
        QStringList{ehlo, "AUTH LOGIN", "a2VzdHJlbEBleGFtcGxlLm9yZw==", "czNjcmV0IHBhc3M="}
            + delivered("MAIL FROM:<kestrel@example.org>"),
        -1, {}, User, "Hello", SmtpClient::AuthLogin);
    add("AUTH PLAIN", loggedIn + delivery, asUser, -1);
    // A lone "." would end the data early and the rest would be read as commands.
    add("dot stuffing", loggedIn + delivery, asUser, -1, {}, User, "first\n.\n.x\nlast");
    add("envelope injection", loggedIn + delivery,
        QStringList{ehlo, plain} + delivered("MAIL FROM:<me@example.org>  RCPT TO:<spam@example.com>"), -1, {},
        "me@example.org>\r\nRCPT TO:<spam@example.com");
    // Refused: the client says nothing more but QUIT.
    add("greeting 554", {"554 no service"}, {"QUIT"}, SmtpClient::ClientError);
    add("EHLO 421", {"220 hi", "421 closing"}, {ehlo, "QUIT"}, SmtpClient::ServerError);
    add("AUTH 535", hello + QStringList("535 no"), {ehlo, plain, "QUIT"}, SmtpClient::AuthenticationFailedError);
    add("MAIL FROM 451", loggedIn + QStringList("451 later"), {ehlo, plain, "MAIL FROM:<kestrel@example.org>", "QUIT"},
        SmtpClient::ServerError);
    add("end of data 552", loggedIn + delivery.mid(0, 6) + QStringList("552 too big"), asUser, SmtpClient::ClientError);
    // Out of step: each reply has its deadline and a bounded size; the connection is dropped.
    add("silent", {}, {}, SmtpClient::ResponseTimeoutError);
    add("a byte every 10 ms", {}, {}, SmtpClient::ResponseTimeoutError, "2");
    add("endless continuation lines", {}, {}, SmtpClient::InvalidResponseError, QByteArray("220-more\r\n").repeated(50));
    add("no line end", {}, {}, SmtpClient::InvalidResponseError, QByteArray(4096, 'x'));
    add("overlong line", {}, {}, SmtpClient::InvalidResponseError, "220 " + QByteArray(2000, 'x') + "\r\n");
}

// The multi-line EHLO reply must be read whole, or every later reply would be
// off by one. Each failure is reported once, within a second of the reply's deadline.
void TstSmtp::conversation()
{
    QFETCH(QStringList, script);
    QFETCH(QByteArray, flood);
    QFETCH(SmtpClient::AuthMethod, method);
    QFETCH(QString, sender);
    QFETCH(QString, text);
    QFETCH(int, error);

    FakeSmtpServer server(script, flood);
    SmtpClient client(QStringLiteral("127.0.0.1"), server.listen());
    client.setResponseTimeout(1000);
    QSignalSpy errors(&client, &SmtpClient::smtpError);
    const auto message = sampleMessage(sender, text);
    QElapsedTimer clock;
    clock.start();
    // Stops at the first call that fails; the server's record ends with the session.
    if (client.connectToHost() && client.authenticate(User, QStringLiteral("s3cret pass"), method))
        client.deliver(*message);
    client.closeSession();
    QVERIFY(server.wait(FakeSmtpServer::Guard));
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QTEST(server.commands(), "commands");
    QCOMPARE(errors.count(), error < 0 ? 0 : 1);
    if (error >= 0)
        QCOMPARE(errors.first().first().value<SmtpClient::SmtpError>(), SmtpClient::SmtpError(error));
    else
        QCOMPARE(server.data().replace("\r\n..", "\r\n."), message->toString().toUtf8() + "\r\n");
}

// RFC 5322: <unique@domain>, the domain the sender's, kept however often the message is written.
void TstSmtp::messageIdAndDate()
{
    static const QRegularExpression header(QStringLiteral("^Message-ID: <([A-Za-z0-9!#$%&'*+/=?^_`{|}~.-]+@[a-z.]+)>\r$"),
                                           QRegularExpression::MultilineOption);
    const auto idOf = [](const MimeMessage &message) { return header.match(message.toString()).captured(1); };
    const auto message = sampleMessage();
    const QString id = idOf(*message);
    QVERIFY2(id.endsWith(QLatin1String("@example.org")), qPrintable(message->toString()));
    QVERIFY(idOf(*sampleMessage()) != id);
    message->setSender(EmailAddress(QStringLiteral("feedback")));
    QVERIFY(idOf(*message).endsWith(QLatin1String("@localhost")));

    // A dated message says when, in the mail's own format whatever the locale.
    message->setDate(QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3), Qt::OffsetFromUTC, 8 * 3600));
    QVERIFY(message->toString().startsWith(QStringLiteral("Date: 07 Dec 2026 09:05:03 +0800\r\nMessage-ID: <")));
}

void TstSmtp::headers_data()
{
    QTest::addColumn<MimeMessage::HeaderEncoding>("encoding");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("subjectLine");

    QTest::newRow("plain, not ASCII") << MimeMessage::Plain << "张三 <li@example.cn>" << "反馈"
                                      << "From: =?utf-8?B?5byg5LiJ?= <li@example.cn>" << "Subject: =?utf-8?B?5Y+N6aaI?=";
    QTest::newRow("plain with specials") << MimeMessage::Plain << "Li, \"Lei\" <li@example.cn>" << "a, b"
                                         << "From: \"Li, \\\"Lei\\\"\" <li@example.cn>" << "Subject: a, b";
    QTest::newRow("Base64") << MimeMessage::Base64 << "  Li Lei   < li@example.cn > " << ""
                            << "From: =?utf-8?B?TGkgTGVp?= <li@example.cn>" << "Subject: ";
    QTest::newRow("quoted-printable") << MimeMessage::QuotedPrintable << QString::fromUtf8("Zoë Ünal <li@example.cn>")
                                      << "a=b?_c" << "From: =?utf-8?Q?Zo=C3=AB_=C3=9Cnal?= <li@example.cn>"
                                      << "Subject: =?utf-8?Q?a=3Db=3F=5Fc?=";
    QTest::newRow("bare address") << MimeMessage::Plain << " li@example.cn " << "Hi" << "From: <li@example.cn>"
                                  << "Subject: Hi";
    QTest::newRow("line breaks") << MimeMessage::Plain << "Me\rX-B: 2 <me@example.org\nX-A: 1>"
                                 << "Hi\r\nBcc: spam@example.com" << "From: \"Me X-B: 2\" <me@example.org X-A: 1>"
                                 << "Subject: Hi  Bcc: spam@example.com";
}

// The sender as a user types it; no value may break a header into two.
void TstSmtp::headers()
{
    QFETCH(MimeMessage::HeaderEncoding, encoding);
    QFETCH(QString, sender);
    QFETCH(QString, subject);

    MimeMessage message;
    message.setHeaderEncoding(encoding);
    message.setSender(EmailAddress::fromText(sender));
    message.setSubject(subject);
    const QStringList lines = headerLines(message.toString());
    QTEST(lines.value(0), "from");
    QTEST(lines.value(1), "subjectLine");
    QCOMPARE(lines.mid(2), QStringList({"MIME-Version: 1.0", ""}));
}

// Encoded words stay within 75 characters and split between characters, never inside one.
void TstSmtp::longEncodedSubject()
{
    const QString subject = QString::fromUtf8("关于变电站配置描述文件的编辑器的一些意见和建议").repeated(3);
    MimeMessage message;
    message.setSubject(subject);
    const QStringList lines = headerLines(message.toString());
    const QString header = lines.mid(1, lines.size() - 3).join("\r\n");
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

void TstSmtp::bodies_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<MimePart::Encoding>("encoding");
    QTest::addColumn<QString>("body");

    const auto qp = MimePart::QuotedPrintable;
    QTest::newRow("ASCII") << "Line one\nline two" << MimePart::SevenBit << "Line one\r\nline two\r\n";
    QTest::newRow("Chinese") << QString::fromUtf8("变电站配置描述文件的编辑器").repeated(10) << MimePart::Base64 << "";
    QTest::newRow("ASCII line over 998") << QString(999, 'a') << MimePart::Base64 << "";
    QTest::newRow("QP not ASCII") << QString::fromUtf8("été") << qp << "=C3=A9t=C3=A9\r\n";
    QTest::newRow("QP blanks") << "a b\tc \r\nd\t\ne " << qp << "a b\tc=20\r\nd=09\r\ne=20\r\n";
    QTest::newRow("QP escape at the limit") << QString(74, 'a') + "=b" << qp << QString(74, 'a') + "=\r\n=3Db\r\n";
}

// Text goes as it is only when it is ASCII in short lines. Soft breaks keep
// quoted-printable lines within 76 characters and never split an escape;
// Base64 comes in lines of 76 characters that decode to the text.
void TstSmtp::bodies()
{
    QFETCH(QString, text);
    QFETCH(MimePart::Encoding, encoding);

    MimeHtml part(text);
    if (encoding == MimePart::QuotedPrintable)
        part.setEncoding(encoding);
    QCOMPARE(part.encoding(), encoding);
    const QString written = part.toString().section(QLatin1String("\r\n\r\n"), 1);
    if (encoding != MimePart::Base64) {
        QTEST(written, "body");
        return;
    }
    QStringList lines = written.split(QLatin1String("\r\n"));
    QCOMPARE(lines.takeLast(), QString());
    for (int i = 0; i < lines.size(); ++i)
        QVERIFY(i + 1 == lines.size() ? lines.at(i).size() <= 76 : lines.at(i).size() == 76);
    QCOMPARE(QString::fromUtf8(QByteArray::fromBase64(lines.join(QString()).toLatin1())), text);
}

QTEST_GUILESS_MAIN(TstSmtp)
#include "tst_smtp.moc"
