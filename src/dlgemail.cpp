#include "dlgemail.h"
#include "ui_dlgemail.h"

#include "dlgabout.h"
#include "emailaddress.h"
#include "mimehtml.h"
#include "mimemessage.h"
#include "smtpclient.h"
#include "userprompt.h"

#include <QSettings>

namespace {

// Where feedback goes: a deployment's own server and mailbox, never built in.
struct FeedbackAccount
{
    QString host;
    quint16 port = 25;
    SmtpClient::ConnectionType connection = SmtpClient::TcpConnection;
    QString address;
    QString user;
    QString password;

    static FeedbackAccount fromSettings()
    {
        QSettings settings;
        settings.beginGroup(QStringLiteral("feedback"));
        FeedbackAccount account;
        account.host = settings.value(QStringLiteral("host")).toString().trimmed();
        account.port = static_cast<quint16>(settings.value(QStringLiteral("port"), 25).toUInt());
        const QString connection = settings.value(QStringLiteral("connection")).toString().trimmed().toLower();
        if (connection == QLatin1String("ssl"))
            account.connection = SmtpClient::SslConnection;
        else if (connection == QLatin1String("starttls"))
            account.connection = SmtpClient::TlsConnection;
        account.address = settings.value(QStringLiteral("account")).toString().trimmed();
        account.user = settings.value(QStringLiteral("user"), account.address).toString().trimmed();
        account.password = settings.value(QStringLiteral("password")).toString();
        return account;
    }

    bool isComplete() const { return !host.isEmpty() && !address.isEmpty() && port != 0; }
};

} // namespace

DlgEmail::DlgEmail(UserPrompt *prompt, QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::DlgEmail>()),
      m_prompt(prompt)
{
    ui->setupUi(this);
    connect(ui->sendBtn, &QPushButton::clicked, this, &DlgEmail::slotSendEmail);
}

DlgEmail::~DlgEmail() = default;

QString DlgEmail::subject(const QString &name, const QString &mailbox)
{
    return QStringLiteral("Kestrel %1 [%2-%3]").arg(QLatin1String(DlgAbout::Version), name.trimmed(), mailbox.trimmed());
}

void DlgEmail::slotSendEmail()
{
    const QString title = tr("Message");
    if (ui->contentTextEdit->toPlainText().isEmpty()) {
        m_prompt->warn(this, title, tr("Please enter questions or suggestions the content."));
        return;
    }
    if (ui->userLineEdit->text().trimmed().isEmpty()) {
        m_prompt->warn(this, title, tr("Please enter your name."));
        return;
    }
    const FeedbackAccount account = FeedbackAccount::fromSettings();
    if (!account.isComplete()) {
        m_prompt->warn(this, title, tr("No feedback mailbox is set up on this computer: the settings group "
                                       "\"feedback\" needs host and account (and port, connection, user, password "
                                       "as the server wants them)."));
        return;
    }
    MimeMessage message;
    message.setSender(EmailAddress(account.address));
    message.addTo(EmailAddress(account.address));
    message.setSubject(subject(ui->userLineEdit->text(), ui->mailboxLineEdit->text()));
    message.setDate(QDateTime::currentDateTime());
    message.addPart(new MimeHtml(ui->contentTextEdit->toHtml()));

    SmtpClient client(account.host, account.port, account.connection);
    if (!client.connectToHost()) {
        m_prompt->warn(this, title, tr("SMTP connect failed."));
        return;
    }
    if (!client.authenticate(account.user, account.password, SmtpClient::AuthLogin)) {
        m_prompt->warn(this, title, tr("Login failed."));
        return;
    }
    if (!client.deliver(message)) {
        m_prompt->warn(this, title, tr("Send email failed, Please check the network is normal."));
        return;
    }
    m_prompt->warn(this, title, tr("Send email succeed, Thank you for your support."));
    client.closeSession();
    close();
}
