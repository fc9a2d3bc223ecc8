#include "dlgabout.h"
#include "ui_dlgabout.h"

const char *const DlgAbout::Version = "1.0.2";

DlgAbout::DlgAbout(QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::DlgAbout>())
{
    ui->setupUi(this);
    ui->authorLabel->setText(tr("The Kestrel team, Norvane"));
    ui->versionLabel->setText(QLatin1String(Version));
    const QStringList notes = {
        tr(" Version Description"),
        tr(" > Element table views: IED, Communication, SubNetwork and History."),
        tr(" > Import ICD file."),
        tr(" > Feedback mail and updater launch."),
        QString(),
        tr(" History Version 1.0.1"),
        tr(" > Added: File drag and drop function."),
        tr(" > Semantic check and DataTypeTemplates check."),
        tr(" > Chinese and English switch."),
        QString(),
        tr(" History Version 1.0.0"),
        tr(" > SCL file open, edit and save."),
        tr(" > Attribute editing from the SCL schema."),
    };
    ui->textBrowser->setPlainText(notes.join(QLatin1Char('\n')));
    connect(ui->okButton, &QPushButton::clicked, this, &DlgAbout::slotOk);
}

DlgAbout::~DlgAbout() = default;

void DlgAbout::slotOk()
{
    close();
}
