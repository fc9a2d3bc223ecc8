#include "dlgsetting.h"
#include "ui_dlgsetting.h"

#include <QSettings>
#include <QTranslator>

const char *const DlgSetting::LanguageKey = "language";

DlgSetting::DlgSetting(QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::DlgSetting>())
{
    ui->setupUi(this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connect(ui->okBtn, &QPushButton::clicked, this, &DlgSetting::slotOk);
    connect(ui->cancelBtn, &QPushButton::clicked, this, &DlgSetting::reject);
}

DlgSetting::~DlgSetting() = default;

QString DlgSetting::catalogue(int language)
{
    return language == EnglishAmerican ? QStringLiteral(":/Translator/en") : QStringLiteral(":/Translator/zh");
}

void DlgSetting::setTranslator(QTranslator *translator, int language)
{
    m_translator = translator;
    m_language = language;
    if (language >= 0 && language < ui->LanguageComboBox->count())
        ui->LanguageComboBox->setCurrentIndex(language);
}

void DlgSetting::slotOk()
{
    m_language = ui->LanguageComboBox->currentIndex();
    // Loading into the installed translator sends every window a LanguageChange.
    if (m_translator)
        m_translator->load(catalogue(m_language));
    QSettings().setValue(QLatin1String(LanguageKey), m_language);
    ui->retranslateUi(this);
    accept();
}

void DlgSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
