#ifndef WIZARDDRIVER_H
#define WIZARDDRIVER_H

// Drives the import wizard as a user does: keys into its fields, clicks on
// its buttons, cells, check boxes and headers.

#include "guitestsupport.h"
#include "xmlwizard.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// Types into whichever widget has the focus; the address editors move it on by themselves.
inline void typeKeys(const QString &keys)
{
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

// Clicks into a line edit (or the first field of an address editor), wipes
// what the field holds and types text.
inline void typeInto(QWidget *widget, const QString &text)
{
    QWidget *field = widget->focusProxy() ? widget->focusProxy() : widget;
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    typeKeys(text);
}

inline QRect cellRect(QTableWidget *table, int row, int column)
{
    return table->visualItemRect(table->item(row, column));
}

inline void clickCell(QTableWidget *table, int row, int column)
{
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cellRect(table, row, column).center());
}

// Opens a cell's editor with a double click and types keys; Enter closes it unless told not to.
inline void editCell(QTableWidget *table, int row, int column, const QString &keys, bool enter = true)
{
    clickCell(table, row, column); // QTest's double click brings no press of its own
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cellRect(table, row, column).center());
    typeKeys(keys);
    if (enter)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents(); // the view commits and closes its editor later
}

// Clicks the check box drawn in a cell.
inline void clickCheck(QTableWidget *table, int row, int column)
{
    QStyleOptionViewItem option;
    option.initFrom(table->viewport());
    option.rect = cellRect(table, row, column);
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

// A shown wizard on the window's document, wide enough for every table column.
struct WizardDriver
{
    explicit WizardDriver(Kestrel *window) : wizard(window)
    {
        wizard.resize(1200, 700);
        wizard.show();
        activate();
    }

    // Back to the wizard once pending window events (the load's progress dialog going) are handled.
    void activate()
    {
        QCoreApplication::processEvents();
        wizard.activateWindow();
        QApplication::setActiveWindow(&wizard);
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
    }

    template<typename T>
    T *find(const char *name) const { return wizard.currentPage()->findChild<T *>(name); }

    void click(QWizard::WizardButton button) { QTest::mouseClick(wizard.button(button), Qt::LeftButton); }

    // Fills the load page, picks file through Browse and presses Next; true when the wizard moved on.
    bool load(const QString &name, const QString &file, const QString &desc = QString())
    {
        typeInto(find<QLineEdit>("nameLineEdit"), name);
        typeInto(find<QLineEdit>("descLineEdit"), desc);
        static_cast<ScriptedPrompt *>(wizard.mainWindow->userPrompt())->fileName = file;
        QTest::mouseClick(find<QPushButton>("browseBtn"), Qt::LeftButton);
        click(QWizard::NextButton);
        activate();
        return wizard.currentId() != 0;
    }

    XmlWizard wizard;
};

#endif // WIZARDDRIVER_H
