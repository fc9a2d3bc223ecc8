#include "scltableview.h"

#include "attribute.h"
#include "kestrel.h"
#include "menuloader.h"
#include "modifyrecord.h"
#include "movecommand.h"
#include "objectcombobox.h"
#include "objecttablewidgetitem.h"
#include "removecommand.h"
#include "scldocument.h"
#include "userprompt.h"
#include "xmlobject.h"
#include "xmlschema.h"
#include "xmltreebuilder.h"
#include "xmltreeitem.h"
#include "xsattrib.h"
#include "xscomplex.h"

#include <QAbstractButton>
#include <QDebug>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScrollBar>

namespace {

struct Declarations
{
    QStringList names;
    QStringList required;
    // Attributes whose value the schema fixes: nothing to choose.
    QStringList fixed;
    bool known = false;
};

// The schema does not change after start-up: its answers are kept per element name.
const Declarations &declarationsOf(const QString &elementName)
{
    static QHash<QString, Declarations> cache;
    auto found = cache.constFind(elementName);
    if (found != cache.constEnd())
        return *found;
    Declarations declarations;
    if (const XsComplex *type = XmlSchema::instance()->complexTypeOf(elementName)) {
        declarations.known = true;
        for (const XsAttrib *attribute : type->allAttributes()) {
            declarations.names.append(attribute->name);
            if (attribute->use == QLatin1String("required"))
                declarations.required.append(attribute->name);
            if (attribute->hasFixed)
                declarations.fixed.append(attribute->name);
        }
    }
    return *cache.insert(elementName, declarations);
}

} // namespace

sclTableView::sclTableView(const QString &rowName, const char *recordPattern, QWidget *parent)
    : QTableWidget(parent),
      rowName(rowName),
      recordPattern(recordPattern)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFocusPolicy(Qt::NoFocus);
    // Editing starts with a double-click only, which records the old text first.
    setEditTriggers(QAbstractItemView::DoubleClicked);
    setStyleSheet(QStringLiteral("selection-background-color:lightblue;"));
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(true);
    connect(this, &QTableWidget::itemClicked, this, &sclTableView::slotItemClicked);
    connect(this, &QTableWidget::itemDoubleClicked, this, &sclTableView::slotItemDoubleClicked);
}

sclTableView::sclTableView(QWidget *parent)
    : sclTableView(QString(), nullptr, parent)
{
}

void sclTableView::listRows(const QString &elementName, const char *pattern)
{
    rowName = elementName;
    recordPattern = pattern;
}

void sclTableView::setButtons(QAbstractButton *up, QAbstractButton *down, QAbstractButton *remove)
{
    upButton = up;
    downButton = down;
    deleteButton = remove;
    // Nothing is clicked yet.
    for (QAbstractButton *button : {upButton, downButton, deleteButton}) {
        if (button)
            button->setEnabled(false);
    }
}

void sclTableView::setParentObject(XmlObject *parent, QWidget *ownerView)
{
    parentObject = parent;
    owner = ownerView;
}

void sclTableView::clearRows()
{
    setRowCount(0);
    clearContents();
    // The clicked cell went with the rows.
    objectItem = nullptr;
}

void sclTableView::connectEditing(bool on)
{
    if (!on) {
        disconnect(this, &QTableWidget::itemChanged, this, &sclTableView::slotItemChanged);
        for (QAbstractButton *button : {upButton, downButton, deleteButton}) {
            if (button) {
                disconnect(button, nullptr, this, nullptr);
                button->setEnabled(false);
            }
        }
        return;
    }
    connect(this, &QTableWidget::itemChanged, this, &sclTableView::slotItemChanged, Qt::UniqueConnection);
    if (upButton)
        connect(upButton, &QAbstractButton::clicked, this, &sclTableView::slotUpBtn, Qt::UniqueConnection);
    if (downButton)
        connect(downButton, &QAbstractButton::clicked, this, &sclTableView::slotDownBtn, Qt::UniqueConnection);
    if (deleteButton)
        connect(deleteButton, &QAbstractButton::clicked, this, &sclTableView::slotDeleteBtn, Qt::UniqueConnection);
}

bool sclTableView::lists(const XmlObject *element) const
{
    return element->name == rowName;
}

QList<XmlObject *> sclTableView::rowElements() const
{
    QList<XmlObject *> rows;
    for (XmlObject *child : parentObject->children) {
        if (lists(child))
            rows.append(child);
    }
    return rows;
}

void sclTableView::fillTable()
{
    clearRows();
    connectEditing(false);
    if (!parentObject || parentObject->children.isEmpty())
        return;
    int n = 0;
    for (XmlObject *element : rowElements()) {
        setRowCount(++n);
        fillRow(element, n);
    }
    resizeColumnsToContents();
    connectEditing(true);
}

void sclTableView::refill()
{
    const XmlObject *clicked = clickedObject();
    const int scrolled = verticalScrollBar()->value();
    objectItem = nullptr;
    fillTable();
    verticalScrollBar()->setValue(scrolled);
    for (int row = 0; clicked && row < rowCount(); ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            const auto *cell = dynamic_cast<objectTableWidgetItem *>(item(row, column));
            if (cell && cell->object == clicked) {
                setCurrentItem(item(row, column));
                selectRow(row);
                emit itemClicked(item(row, column));
                return;
            }
        }
    }
}

SclDocument *sclTableView::document() const
{
    return mainWindow ? mainWindow->sclDocument() : nullptr;
}

void sclTableView::fillRow(XmlObject *element, int n)
{
    if (element->attributes.isEmpty())
        return;
    for (const QString &name : completeAttributes(element))
        addAttributeCell(n - 1, element, name);
}

QStringList sclTableView::completeAttributes(const XmlObject *element)
{
    const Declarations &declarations = declarationsOf(element->name);
    if (!declarations.known)
        return {};
    QStringList names = element->attributes.keys();
    for (const QString &name : declarations.names) {
        if (!element->attributes.contains(name))
            names.append(name);
    }
    names.sort();
    return names;
}

bool sclTableView::schemaRequires(const XmlObject *element, const QString &attribute)
{
    return declarationsOf(element->name).required.contains(attribute);
}

bool sclTableView::isRequired(const XmlObject *element, const QString &attribute) const
{
    return schemaRequires(element, attribute);
}

bool sclTableView::isFixed(const XmlObject *element, const QString &attribute) const
{
    return declarationsOf(element->name).fixed.contains(attribute);
}

int sclTableView::columnFor(const QString &name, const QString &caption)
{
    auto found = columnMap.constFind(name);
    if (found != columnMap.constEnd())
        return *found;
    const int column = createdColumns++;
    columnMap.insert(name, column);
    setColumnCount(createdColumns);
    auto *header = new QTableWidgetItem(caption.isEmpty() ? name : caption);
    header->setFont(QFont(QStringLiteral("Times"), 10, QFont::Bold));
    header->setTextAlignment(Qt::AlignCenter);
    setHorizontalHeaderItem(column, header);
    return column;
}

void sclTableView::resetColumns()
{
    createdColumns = 0;
    columnMap.clear();
    setColumnCount(0);
}

objectTableWidgetItem *sclTableView::addCell(int row, const QString &column, XmlObject *element,
                                             const QString &text, bool required)
{
    const int columnIndex = columnFor(column);
    auto *cell = new objectTableWidgetItem(text, element);
    cell->setToolTip(text);
    if (required)
        cell->setBackground(attribute::RequiredColor);
    cell->setTextAlignment(Qt::AlignCenter);
    cell->setFlags(cell->flags() | Qt::ItemIsEditable);
    setItem(row, columnIndex, cell);
    return cell;
}

objectTableWidgetItem *sclTableView::addAttributeCell(int row, XmlObject *element, const QString &name)
{
    // A fixed value is shown as it stands: there is nothing to fill, and editing it would only break the file.
    const bool fixed = isFixed(element, name);
    objectTableWidgetItem *cell = addCell(row, name, element, element->attribute(name),
                                          !fixed && isRequired(element, name));
    if (fixed)
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
    return cell;
}

objectComboBox *sclTableView::addChoice(int row, const QString &column, XmlObject *element,
                                        const QString &attributeName, const QStringList &choices)
{
    const int columnIndex = columnFor(column);
    auto *box = new objectComboBox(mainWindow, element, attributeName);
    box->addItems(choices);
    // A value outside the choices leaves the box empty; nothing is written until the user chooses.
    box->setCurrentIndex(choices.indexOf(element->attribute(attributeName)));
    connect(box, &QComboBox::currentTextChanged, box, &objectComboBox::slotCurrentTextChanged);
    setCellWidget(row, columnIndex, box);
    return box;
}

void sclTableView::setButtonStates(bool first, bool last)
{
    if (upButton)
        upButton->setEnabled(!first);
    if (downButton)
        downButton->setEnabled(!last);
    if (deleteButton)
        deleteButton->setEnabled(true);
}

void sclTableView::slotItemClicked(QTableWidgetItem *item)
{
    objectItem = dynamic_cast<objectTableWidgetItem *>(item);
    // A row stands for its element whichever cell was clicked: some cells
    // show a related element (a member's description, say).
    for (int column = 0; objectItem && objectItem->object && !lists(objectItem->object) && column < columnCount();
         ++column) {
        auto *cell = dynamic_cast<objectTableWidgetItem *>(this->item(item->row(), column));
        if (cell && cell->object && lists(cell->object))
            objectItem = cell;
    }
    const XmlObject *element = clickedObject();
    if (!element || !element->parent) {
        qWarning().noquote() << tr("objectItem invaild.");
        return;
    }
    // Up and Down trade places with the nearest sibling of the same kind: they
    // are offered only where there is one.
    int count = 0;
    int position = -1;
    for (const XmlObject *sibling : element->parent->children) {
        if (sibling->name != element->name)
            continue;
        if (sibling == element)
            position = count;
        ++count;
    }
    setButtonStates(position == 0, position == count - 1);
}

void sclTableView::slotItemDoubleClicked(QTableWidgetItem *item)
{
    oldText = item->text().trimmed();
}

QString sclTableView::editedAttribute(const objectTableWidgetItem *item) const
{
    const QTableWidgetItem *header = horizontalHeaderItem(item->column());
    return header ? header->text().trimmed() : QString();
}

bool sclTableView::refusesEmpty(const objectTableWidgetItem *item, const QString &attributeName) const
{
    return isRequired(item->object, attributeName);
}

bool sclTableView::writeValue(XmlObject *element, const QString &attributeName, const QString &value)
{
    return mainWindow->editAttribute(element, attributeName, value);
}

void sclTableView::slotItemChanged(QTableWidgetItem *item)
{
    auto *cell = dynamic_cast<objectTableWidgetItem *>(item);
    if (!cell)
        return;
    const QString attributeName = editedAttribute(cell);
    const QString newValue = cell->text().trimmed();
    if (newValue == oldText || !cell->object || attributeName.isEmpty() || !document())
        return;
    if (newValue.isEmpty() && refusesEmpty(cell, attributeName)) {
        if (mainWindow)
            mainWindow->userPrompt()->warn(this, tr("Message"), tr("This is required key, Value can't be empty."));
        const QSignalBlocker blocker(this);
        cell->setText(oldText);
        return;
    }
    XmlObject *element = cell->object;
    if (!writeValue(element, attributeName, newValue)) {
        const QSignalBlocker blocker(this);
        cell->setText(oldText);
        return;
    }
    {
        const QSignalBlocker blocker(this);
        cell->setText(newValue);
        cell->setToolTip(newValue);
    }
    ModifyRecord::attributeChanged(element, attributeName, oldText, newValue);
    oldText = newValue;
    resizeColumnsToContents();
}

XmlObject *sclTableView::clickedObject() const
{
    return objectItem ? objectItem->object : nullptr;
}

int sclTableView::getPostion() const
{
    if (!objectItem) {
        qWarning().noquote() << tr("objectItem invaild.");
        return -1;
    }
    const XmlObject *element = objectItem->object;
    if (!element || !element->parent)
        return -1;
    return element->parent->children.indexOf(const_cast<XmlObject *>(element));
}

QString sclTableView::record(const char *pattern, const XmlObject *element)
{
    // The attribute names come from the untranslated pattern, the wording from the catalogue.
    if (!pattern)
        return QString();
    static const QRegularExpression placeholder(QStringLiteral("(\\w+) = %(\\d+)"));
    QStringList values;
    for (auto match = placeholder.globalMatch(QLatin1String(pattern)); match.hasNext();)
        values.append(element->attribute(match.next().captured(1)));
    QString text = QCoreApplication::translate("sclTableView", pattern);
    static const QRegularExpression number(QStringLiteral("%(\\d+)"));
    QString filled;
    int from = 0;
    for (auto match = number.globalMatch(text); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        const int index = found.captured(1).toInt() - 1;
        filled += text.midRef(from, found.capturedStart() - from);
        filled += index >= 0 && index < values.size() ? values.at(index) : found.captured();
        from = found.capturedEnd();
    }
    return filled + text.midRef(from);
}

void sclTableView::slotUpBtn()
{
    move(-1);
}

void sclTableView::slotDownBtn()
{
    move(1);
}

void sclTableView::move(int offset)
{
    const int position = getPostion();
    if (position < 0)
        return;
    XmlObject *element = objectItem->object;
    XmlObject *parent = element->parent;
    // The element trades places with its nearest sibling of the same kind: a
    // swap with a neighbour of another kind would break the order the schema
    // prescribes while the table showed no change at all.
    int target = position + offset;
    while (target >= 0 && target < parent->children.size() && parent->children.at(target)->name != element->name)
        target += offset;
    if (target < 0 || target >= parent->children.size() || !document())
        return;
    // The neighbour takes the element's place, so that elements of other kinds between them stay.
    XmlObject *neighbour = parent->children.at(target);
    const QString text = offset < 0 ? tr("move up %1").arg(EditCommand::nameOf(element))
                                    : tr("move down %1").arg(EditCommand::nameOf(element));
    document()->beginMacro(text);
    document()->execute(std::make_unique<MoveCommand>(element, target, text));
    document()->execute(std::make_unique<MoveCommand>(neighbour, position, text));
    document()->endMacro();
    qDebug().noquote() << record(recordPattern, element) + (offset < 0 ? tr(", move up.") : tr(", move down."));
    refill();
}

void sclTableView::slotDeleteBtn()
{
    if (!objectItem) {
        qWarning().noquote() << tr("objectItem invaild.");
        return;
    }
    if (!mainWindow || !objectItem->object)
        return;
    const QString question = tr("Delete the element, whether to continue ?")
            + MenuLoader::danglingWarning(mainWindow->referencesTo(objectItem->object));
    if (!mainWindow->userPrompt()->confirm(this, tr("Kestrel"), question))
        return;
    if (getPostion() < 0)
        return;
    XmlObject *element = objectItem->object;
    objectItem = nullptr;
    // The command keeps the element for an undo.
    document()->execute(std::make_unique<RemoveCommand>(element, tr("delete %1").arg(EditCommand::nameOf(element))));
    qDebug().noquote() << record(recordPattern, element) + tr(", delete.");
    fillTable();
    emit elementDeleted(element);
}

bool sclTableView::selectElement(const XmlObject *element, const QString &keyAttribute)
{
    const int column = columnMap.value(keyAttribute, -1);
    if (column < 0)
        return false;
    for (int row = 0; row < rowCount(); ++row) {
        const auto *cell = dynamic_cast<objectTableWidgetItem *>(item(row, column));
        if (cell && cell->object == element) {
            scrollToItem(cell);
            setCurrentItem(item(row, column));
            selectRow(row);
            // A row shown as selected acts as the clicked one: the buttons,
            // and whatever the view shows for it, follow.
            emit itemClicked(item(row, column));
            return true;
        }
    }
    clearSelection();
    return false;
}
