#include "dlgxmlview.h"
#include "ui_dlgxmlview.h"

#include "xmlobject.h"

namespace {

const QString ValueKey = QStringLiteral("value");

} // namespace

void xmlText(const XmlObject *element, int depth, QString &text)
{
    const QString indent(2 * depth, QLatin1Char(' '));
    text += indent;
    text += QLatin1Char('<');
    text += element->name;
    // "value" mirrors the element text; without text it is a real attribute.
    const bool skipValue = !element->value.isEmpty();
    for (auto it = element->attributes.begin(); it != element->attributes.end(); ++it) {
        if (it.value().isEmpty() || (skipValue && it.key() == ValueKey))
            continue;
        text += QLatin1Char(' ');
        text += it.key();
        text += QLatin1String("=\"");
        text += xmlEscape(it.value());
        text += QLatin1Char('"');
    }

    if (element->children.isEmpty()) {
        if (element->value.isEmpty()) {
            text += QLatin1String("/>\n");
        } else {
            text += QLatin1Char('>');
            text += xmlEscape(element->value);
            text += QLatin1String("</");
            text += element->name;
            text += QLatin1String(">\n");
        }
        return;
    }

    text += QLatin1String(">\n");
    for (const XmlObject *child : element->children)
        xmlText(child, depth + 1, text);
    text += indent;
    text += QLatin1String("</");
    text += element->name;
    text += QLatin1String(">\n");
}

DlgXmlView::DlgXmlView(const XmlObject *element, QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::DlgXmlView>())
{
    ui->setupUi(this);
    if (element)
        xmlText(element, 0, m_text);
    // Plain text: setText() would take text that looks like markup for HTML.
    ui->textEdit->setPlainText(m_text);
}

DlgXmlView::~DlgXmlView() = default;

void DlgXmlView::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
