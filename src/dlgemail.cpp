#include "dlgemail.h"
#include "ui_dlgemail.h"

#include "dlgabout.h"
#include "emailaddress.h"
#include "maildelivery.h"
#include "mimehtml.h"
#include "mimemessage.h"
#include "smtpclient.h"
#include "userprompt.h"

#include <QProgressDialog>
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
    int timeout = 5000;

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
        const int timeout = settings.value(QStringLiteral("timeout")).toInt();
        if (timeout > 0)
            account.timeout = timeout;
        return account;
    }

    bool isComplete() const { return !host.isEmpty() && !address.isEmpty() && port != 0; }

    std::unique_ptr<SmtpClient> client() const
    {
        auto smtp = std::make_unique<SmtpClient>(host, port, connection);
        smtp->setUser(user);
        smtp->setPassword(password);
        smtp->setAuthMethod(SmtpClient::AuthLogin);
        smtp->setConnectionTimeout(timeout);
        smtp->setResponseTimeout(timeout);
        return smtp;
    }
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
    if (m_delivery)
        return; // one mail at a time
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
    auto message = std::make_unique<MimeMessage>();
    message->setSender(EmailAddress(account.address));
    message->addTo(EmailAddress(account.address));
    message->setSubject(subject(ui->userLineEdit->text(), ui->mailboxLineEdit->text()));
    message->setDate(QDateTime::currentDateTime());
    message->addPart(new MimeHtml(ui->contentTextEdit->toHtml()));

    m_delivery = new MailDelivery(account.client(), std::move(message), this);
    connect(m_delivery, &MailDelivery::finished, this, &DlgEmail::slotSent);
    m_progress = new QProgressDialog(tr("Sending the mail ..."), tr("Cancel"), 0, 0, this);
    m_progress->setWindowTitle(tr("Feedback"));
    connect(m_progress, &QProgressDialog::canceled, m_delivery, &MailDelivery::cancel);
    m_progress->open();
    m_delivery->start();
}

void DlgEmail::slotSent()
{
    const MailDelivery::Stage stage = m_delivery->stage();
    const bool cancelled = m_delivery->error() == SmtpClient::AbortedError;
    const QString reason = m_delivery->errorString();
    m_delivery->deleteLater();
    m_delivery = nullptr;
    m_progress->deleteLater();
    m_progress = nullptr;

    const QString title = tr("Message");
    if (stage == MailDelivery::Delivered) {
        m_prompt->warn(this, title, tr("Send email succeed, Thank you for your support."));
        close();
        return;
    }
    if (cancelled)
        return; // the user knows, and the log says so
    const QString failures[] = {tr("SMTP connect failed."), tr("Login failed."),
                                tr("Send email failed, Please check the network is normal.")};
    m_prompt->warn(this, title, failures[stage] + '\n' + reason);
}
