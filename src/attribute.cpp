#include "attribute.h"

#include "kestrel.h"
#include "modifyrecord.h"
#include "scldocument.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlschema.h"
#include "xsattrib.h"
#include "xscomplex.h"

#include <QEvent>
#include <QHeaderView>
#include <QTimer>

const QColor attribute::RequiredColor(255, 253, 176);

attribute::attribute(QWidget *parent)
    : QTableWidget(0, 2, parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Editing starts only with a double-click, which records the old text first.
    setFocusPolicy(Qt::NoFocus);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(24);
    setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    setHeaders();
    connect(this, &QTableWidget::itemDoubleClicked, this, &attribute::slotItemDoubleClicked);
}

void attribute::setHeaders()
{
    setHorizontalHeaderLabels({tr("Name"), tr("Value")});
}

void attribute::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setHeaders();
    QTableWidget::changeEvent(event);
}

void attribute::showObject(XmlObject *element, Kestrel *window)
{
    values.clear();
    requiredMarks.clear();
    object = element;
    mainWindow = window;
    if (!element || !window) {
        // Nothing to edit: no row may lead to an element that is gone.
        object = nullptr;
        refreshTable();
        return;
    }
    const AttributeMap current = element->attributes;
    if (const XsComplex *type = XmlSchema::instance()->complexTypeOf(element->name)) {
        for (const XsAttrib *declaration : type->allAttributes()) {
            values[declaration->name] = current.value(declaration->name, QString(QLatin1String("")));
            requiredMarks[declaration->name] = declaration->use == QLatin1String("required") ? RequiredMark : 0;
        }
    }
    if (element->name == QLatin1String("P") || element->name == QLatin1String("Val")) {
        values[QStringLiteral("value")] = element->value;
        requiredMarks[QStringLiteral("value")] = RequiredMark;
    }
    refreshTable();
}

void attribute::refreshTable()
{
    shownRows = 0;
    setRowCount(0);
    clearContents();
    disconnect(this, &QTableWidget::itemChanged, this, &attribute::slotItemChanged);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        setRowCount(++shownRows);
        const QBrush background(requiredMarks.value(it.key()) == RequiredMark ? RequiredColor : QColor(Qt::white));
        const auto makeCell = [&](const QString &text) {
            auto *cell = new QTableWidgetItem(text);
            cell->setToolTip(text);
            cell->setBackground(background);
            cell->setTextAlignment(Qt::AlignCenter);
            return cell;
        };
        QTableWidgetItem *name = makeCell(it.key());
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        setItem(shownRows - 1, 0, name);
        setItem(shownRows - 1, 1, makeCell(it.value()));
    }
    resizeColumnToContents(0); // the value column stretches
    connect(this, &QTableWidget::itemChanged, this, &attribute::slotItemChanged);
}

void attribute::slotItemDoubleClicked(QTableWidgetItem *item)
{
    oldText = item->text().trimmed();
}

void attribute::slotItemChanged(QTableWidgetItem *item)
{
    if (!object || !item)
        return;
    const int row = item->row();
    const QTableWidgetItem *nameCell = row >= 0 ? this->item(row, 0) : nullptr;
    if (!nameCell)
        return;
    const QString key = nameCell->text().trimmed();
    const QString newValue = item->text().trimmed();
    if (newValue == oldText)
        return;
    if (item->background().color() == RequiredColor && newValue.isEmpty()) {
        mainWindow->userPrompt()->warn(this, tr("Message"), tr("This is required key, Value can't be empty."));
        QSignalBlocker blocker(this);
        item->setText(oldText);
        return;
    }

    XmlObject *element = object;
    const QString previous = oldText;
    if (!mainWindow->editAttribute(element, key, newValue)) {
        QSignalBlocker blocker(this);
        item->setText(previous);
        return;
    }
    // The rows are shown again once the change has been announced: item is gone then.
    oldText = newValue;
    ModifyRecord::attributeChanged(element, key, previous, newValue);
}

void attribute::follow(SclDocument *document)
{
    connect(document, &SclDocument::elementAboutToBeRemoved, this, [this](const XmlObject *element) {
        for (const XmlObject *shown = object; shown; shown = shown->parent) {
            if (shown == element) {
                showObject(nullptr, nullptr);
                return;
            }
        }
    });
    connect(document, &SclDocument::documentReset, this, [this] { showObject(nullptr, nullptr); });
    connect(document, &SclDocument::attributeChanged, this, [this](const XmlObject *element) {
        if (element == object)
            QTimer::singleShot(0, this, [this, element] {
                if (element == object)
                    showObject(object, mainWindow);
            });
    });
}
