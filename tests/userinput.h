#ifndef USERINPUT_H
#define USERINPUT_H

// Input as the user gives it: mouse, wheel and keyboard events on the real
// widgets, never their slots or setters.

#include "xmlobject.h"
#include "xmltreeitem.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

// The element's item in its tree, its ancestors expanded (which builds the items inside an IED).
inline QTreeWidgetItem *treeItemOf(const XmlObject *element)
{
    for (const XmlObject *e = element->parent; e; e = e->parent) {
        if (e->name == QLatin1String("IED") && e->treeItem)
            e->treeItem->treeWidget()->expandItem(e->treeItem);
    }
    QTreeWidgetItem *item = element->treeItem;
    for (QTreeWidgetItem *parent = item ? item->parent() : nullptr; parent; parent = parent->parent())
        parent->setExpanded(true);
    if (item)
        item->treeWidget()->scrollToItem(item);
    return item;
}

inline QPoint centreOf(const QTreeWidgetItem *item)
{
    // What the user sees of it: wide items reach past the viewport.
    const QTreeWidget *tree = item->treeWidget();
    return tree->visualItemRect(item).intersected(tree->viewport()->rect()).center();
}

inline bool clickInTree(const XmlObject *element)
{
    const QTreeWidgetItem *item = treeItemOf(element);
    if (item)
        QTest::mouseClick(item->treeWidget()->viewport(), Qt::LeftButton, {}, centreOf(item));
    return item;
}

// Right-clicks an element in its tree; the context menu that opened, or null.
inline QMenu *openContextMenu(const XmlObject *element)
{
    const QTreeWidgetItem *item = treeItemOf(element);
    if (!item)
        return nullptr;
    QWidget *viewport = item->treeWidget()->viewport();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, centreOf(item), viewport->mapToGlobal(centreOf(item)));
    QApplication::sendEvent(viewport, &rightClick);
    return qobject_cast<QMenu *>(QApplication::activePopupWidget());
}

// The menu's entries ("-" for a separator), all or the enabled ones; the menu closes.
inline QStringList menuEntries(QMenu *menu, bool enabledOnly = false)
{
    QStringList texts;
    for (QAction *entry : menu ? menu->actions() : QList<QAction *>()) {
        if (!enabledOnly || entry->isEnabled())
            texts.append(entry->isSeparator() ? QStringLiteral("-") : entry->text());
    }
    if (menu)
        menu->close();
    return texts;
}

// Clicks the enabled entry of that text; false (and the menu closed) when there is none.
inline bool clickEntry(QMenu *menu, const QString &command)
{
    for (QAction *entry : menu ? menu->actions() : QList<QAction *>()) {
        if (entry->text() == command && entry->isEnabled()) {
            // Clicked from a running event loop, as in the program: a command
            // that runs a modal dialog must not see the menu deleted under it.
            QEventLoop loop;
            QTimer::singleShot(0, [&] {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
                loop.quit();
            });
            loop.exec();
            return true;
        }
    }
    if (menu)
        menu->close();
    return false;
}

inline QPoint centreOf(const QTableWidgetItem *cell)
{
    QTableWidget *table = cell->tableWidget();
    table->scrollToItem(cell);
    return table->visualItemRect(cell).intersected(table->viewport()->rect()).center();
}

inline void clickCell(const QTableWidgetItem *cell)
{
    QTest::mouseClick(cell->tableWidget()->viewport(), Qt::LeftButton, {}, centreOf(cell));
}

// Clicks the check box drawn in a cell.
inline void clickCheck(const QTableWidgetItem *cell)
{
    QTableWidget *table = cell->tableWidget();
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = table->visualItemRect(cell);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box.center());
}

inline void clickHeader(QTableWidget *table, int column)
{
    QHeaderView *header = table->horizontalHeader();
    const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

// Double-clicks a cell as the window system delivers it (press and release,
// then the second press as a double-click); the editor that opened, or null.
inline QWidget *openEditor(const QTableWidgetItem *cell)
{
    if (!cell)
        return nullptr;
    QWidget *viewport = cell->tableWidget()->viewport();
    clickCell(cell);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, centreOf(cell));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, centreOf(cell));
    return cell->tableWidget()->indexWidget(cell->tableWidget()->model()->index(cell->row(), cell->column()));
}

// Where keys meant for widget land: its field that has the focus (address
// editors move it from field to field by themselves), else widget itself.
inline QWidget *keyTarget(QWidget *widget)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && widget->isAncestorOf(focus) ? focus : widget;
}

// Presses keys, each carrying its character; beyond ASCII (umlauts, other
// scripts) the key code is unknown, as from an input method.
inline void typeKeys(QWidget *widget, const QString &keys)
{
    for (const QChar key : keys) {
        if (key.unicode() < 0x80)
            QTest::keyClick(keyTarget(widget), char(key.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, keyTarget(widget), Qt::Key_unknown, QString(key), Qt::NoModifier);
    }
}

// Types text over what widget holds; a drop-down picks the first entry that
// starts with what was typed.
inline void typeText(QWidget *widget, const QString &text)
{
    if (!qobject_cast<QComboBox *>(widget)) {
        QTest::keyClick(keyTarget(widget), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(keyTarget(widget), Qt::Key_Delete);
    }
    typeKeys(widget, text);
}

// Clicks into a field (or the first field of an address editor) and types text over it.
inline void typeInto(QWidget *widget, const QString &text)
{
    QTest::mouseClick(widget->focusProxy() ? widget->focusProxy() : widget, Qt::LeftButton);
    typeText(widget, text);
}

// Enter in an editor; the delegate commits on the next turn of the event loop.
inline void commitEditor(QWidget *editor)
{
    QTest::keyClick(keyTarget(editor), Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Double-click, type over the value, Enter unless told not to; the editor,
// or null when none opened.
inline QWidget *editCell(const QTableWidgetItem *cell, const QString &text, bool enter = true)
{
    QWidget *editor = openEditor(cell);
    if (editor) {
        typeText(editor, text);
        if (enter)
            commitEditor(editor);
    }
    return editor;
}

// Opens a drop-down with a click and picks the entry with the arrow keys and
// Enter; false when there is no such entry or the list did not open and close.
inline bool chooseEntry(QComboBox *box, const QString &text)
{
    const int target = box->findText(text);
    QTest::mouseClick(box, Qt::LeftButton);
    QAbstractItemView *list = box->view();
    if (target < 0 || !list->isVisible())
        return false;
    for (int row = list->currentIndex().row(); row != target; row += row < target ? 1 : -1)
        QTest::keyClick(list, row < target ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Return);
    return !list->isVisible();
}

// Turns the mouse wheel over widget as the window system delivers it: what
// the widget does not take goes on to its parents.
inline void turnWheel(QWidget *widget, int notches)
{
    const QPoint at = widget->rect().center();
    QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    qApp->notify(widget, &wheel);
}

#endif // USERINPUT_H
