#ifndef USERINPUT_H
#define USERINPUT_H

// Input beside that of guitestsupport.h: elements found in the trees, the
// context menu, and any text (umlauts too) typed into a cell's editor.

#include "guitestsupport.h"
#include "xmltreeitem.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMenu>
#include <QTimer>

// The element's item in its tree; the items inside an IED are built when it is first expanded.
inline QTreeWidgetItem *treeItemOf(const XmlObject *element)
{
    for (const XmlObject *e = element->parent; e; e = e->parent) {
        if (e->name == QLatin1String("IED") && e->treeItem)
            e->treeItem->treeWidget()->expandItem(e->treeItem);
    }
    return element->treeItem;
}

inline bool clickInTree(const XmlObject *element)
{
    QTreeWidgetItem *item = treeItemOf(element);
    if (item)
        clickTreeItem(item);
    return item;
}

// Right-clicks an element in its tree; the context menu that opened, or null.
inline QMenu *openContextMenu(const XmlObject *element)
{
    QTreeWidgetItem *item = treeItemOf(element);
    if (!item)
        return nullptr;
    QTreeWidget *tree = item->treeWidget();
    tree->scrollToItem(item);
    const QPoint point = visiblePart(tree, tree->visualItemRect(item)).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, point, tree->viewport()->mapToGlobal(point));
    QApplication::sendEvent(tree->viewport(), &rightClick);
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

// Double-clicks a cell as the window system delivers it (press and release,
// then the second press as a double-click); the editor that opened, or null.
inline QWidget *openEditor(QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *cell = table->item(row, column);
    if (!cell)
        return nullptr;
    clickCell(table, cell);
    const QPoint point = visiblePart(table, table->visualItemRect(cell)).center();
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, point);
    return table->indexWidget(table->model()->index(row, column));
}

// Types text over what an editor holds, each key carrying its character; a
// drop-down picks the first entry that starts with what was typed.
inline void typeText(QWidget *editor, const QString &text)
{
    if (!qobject_cast<QComboBox *>(editor)) {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Delete);
    }
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

// Enter in an editor; the delegate commits on the next turn of the event loop.
inline void commitEditor(QWidget *editor)
{
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}

// Double-click, type, Enter; false when no editor opened.
inline bool enterInCell(QTableWidget *table, int row, int column, const QString &text)
{
    QWidget *editor = openEditor(table, row, column);
    if (editor) {
        typeText(editor, text);
        commitEditor(editor);
    }
    return editor;
}

#endif // USERINPUT_H
