#include "dlgprefixname.h"
#include "ui_dlgprefixname.h"

#include "userprompt.h"

DlgPrefixName::DlgPrefixName(QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::DlgPrefixName>()),
      m_prompt(std::make_unique<UserPrompt>())
{
    ui->setupUi(this);
    connect(ui->okBtn, &QPushButton::clicked, this, &DlgPrefixName::slotOk);
    connect(ui->cancelbtn, &QPushButton::clicked, this, &DlgPrefixName::reject);
}

DlgPrefixName::~DlgPrefixName() = default;

void DlgPrefixName::setUserPrompt(UserPrompt *prompt)
{
    m_prompt.reset(prompt);
}

void DlgPrefixName::slotOk()
{
    const QString text = ui->lineEdit->text().trimmed();
    if (text.isEmpty()) {
        m_prompt->inform(this, tr("Message"), tr("Please enter the content."));
        return;
    }
    m_prefix = text;
    accept();
}
