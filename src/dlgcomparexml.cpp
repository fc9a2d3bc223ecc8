#include "dlgcomparexml.h"
#include "ui_dlgcomparexml.h"

#include "dlgxmlview.h"
#include "xmlobject.h"

#include <QScrollBar>
#include <QSet>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

namespace {

QStringList lines(const QTextEdit *pane)
{
    QStringList result;
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next())
        result.append(block.text());
    return result;
}

QSet<QString> trimmed(const QStringList &lines)
{
    QSet<QString> result;
    for (const QString &line : lines)
        result.insert(line.trimmed());
    return result;
}

} // namespace

DlgCompareXml::DlgCompareXml(const XmlObject *icdElement, const XmlObject *scdElement, QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::DlgCompareXml>()),
      icdObject(icdElement),
      scdObject(scdElement)
{
    ui->setupUi(this);
    showIds();

    connect(ui->icdTextEdit->verticalScrollBar(), &QScrollBar::valueChanged,
            this, &DlgCompareXml::slotIcdVerticalScrollBarVMove);
    connect(ui->scdTextEdit->verticalScrollBar(), &QScrollBar::valueChanged,
            this, &DlgCompareXml::slotScdVerticalScrollBarVMove);
    connect(ui->icdTextEdit->horizontalScrollBar(), &QScrollBar::valueChanged,
            this, &DlgCompareXml::slotIcdHorizontalScrollBarVMove);
    connect(ui->scdTextEdit->horizontalScrollBar(), &QScrollBar::valueChanged,
            this, &DlgCompareXml::slotScdHorizontalScrollBarVMove);

    QString text;
    xmlText(icdObject, 0, text);
    ui->icdTextEdit->setPlainText(text);
    text.clear();
    xmlText(scdObject, 0, text);
    ui->scdTextEdit->setPlainText(text);

    highlightDifferences();
}

DlgCompareXml::~DlgCompareXml() = default;

void DlgCompareXml::slotIcdVerticalScrollBarVMove(int value)
{
    follow(ui->scdTextEdit->verticalScrollBar(), value);
}

void DlgCompareXml::slotScdVerticalScrollBarVMove(int value)
{
    follow(ui->icdTextEdit->verticalScrollBar(), value);
}

void DlgCompareXml::slotIcdHorizontalScrollBarVMove(int value)
{
    follow(ui->scdTextEdit->horizontalScrollBar(), value);
}

void DlgCompareXml::slotScdHorizontalScrollBarVMove(int value)
{
    follow(ui->icdTextEdit->horizontalScrollBar(), value);
}

void DlgCompareXml::follow(QScrollBar *bar, int value)
{
    // The shorter pane clamps the value; its answer must not pull the pane
    // being scrolled back to that clamp.
    if (m_following)
        return;
    m_following = true;
    bar->setValue(value);
    m_following = false;
}

void DlgCompareXml::showIds()
{
    ui->icdLabel->setText(icdObject->attribute(QStringLiteral("id")));
    ui->scdLabel->setText(scdObject->attribute(QStringLiteral("id")));
}

void DlgCompareXml::highlightDifferences()
{
    // Order and indentation do not matter: a line counts as present when an
    // equal line occurs anywhere on the other side.
    const QStringList icdLines = lines(ui->icdTextEdit);
    const QStringList scdLines = lines(ui->scdTextEdit);
    const QSet<QString> icdPresent = trimmed(icdLines);
    const QSet<QString> scdPresent = trimmed(scdLines);

    QSet<QString> marked;
    for (const QString &line : icdLines) {
        if (!scdPresent.contains(line.trimmed()) && !marked.contains(line)) {
            marked.insert(line);
            highlightFirst(line, ui->icdTextEdit);
        }
    }
    marked.clear();
    for (const QString &line : scdLines) {
        if (!icdPresent.contains(line.trimmed()) && !marked.contains(line)) {
            marked.insert(line);
            highlightFirst(line, ui->scdTextEdit);
        }
    }
    // A format change while a long text is still being laid out in the
    // background ends that layout early, and the pane could not be scrolled
    // to its end: lay the whole text out again.
    for (QTextEdit *pane : {ui->icdTextEdit, ui->scdTextEdit})
        pane->document()->markContentsDirty(0, pane->document()->characterCount());
}

void DlgCompareXml::highlightFirst(const QString &line, QTextEdit *pane)
{
    // Whole lines, compared exactly: a substring or case-blind search could
    // land on a line both sides share.
    for (QTextBlock block = pane->document()->begin(); block.isValid(); block = block.next()) {
        if (block.text() != line)
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setBackground(QBrush(Qt::yellow));
        cursor.mergeCharFormat(format);
        return;
    }
}

void DlgCompareXml::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        // Retranslation puts the placeholders back.
        showIds();
    }
    QDialog::changeEvent(event);
}
