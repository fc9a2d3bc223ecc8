#include "macaddressdelegate.h"
#include "qipaddressedit.h"
#include "qmacaddressedit.h"
#include "subnetworkdelegate.h"
#include "testtree.h"
#include "userinput.h"

#include <QClipboard>
#include <QMessageBox>

#include <memory>

namespace {

// Shows widget and makes it active, so that focus changes take effect.
template<typename T>
std::unique_ptr<T> onScreen(std::unique_ptr<T> widget)
{
    widget->show();
    QApplication::setActiveWindow(widget.get());
    return QTest::qWaitForWindowActive(widget.get()) ? std::move(widget) : nullptr;
}

} // namespace

class TestAddressEdits : public QObject
{
    Q_OBJECT

private slots:
    // A locale whose digit grouping uses ".": an octet must still refuse it.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void typing_data();
    void typing();
    void delegates_data();
    void delegates();
};

void TestAddressEdits::typing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("start"); // the field typed into, its text selected
    QTest::addColumn<QString>("keys"); // "<" and ">" are the arrows; "^text" pastes text
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("focus");
    QTest::addColumn<QString>("warning");

    const auto row = [](const char *name, const char *kind, const char *initial, int start, const QString &keys,
                        const char *text, int focus, const QString &warning = QString()) {
        QTest::newRow(name) << QString(kind) << QString(initial) << start << keys << QString(text) << focus << warning;
    };
    row("full octet moves on", "ip", "...", 0, "192", "192...", 1);
    row("two digits stay", "ip", "...", 0, "19", "19...", 0);
    row("octet above 255", "ip", "1.2.3.4", 1, "256", "1.255.3.4", 1,
        "256 is not acceptable value.\nPlease input the value bewteen 0 with 255.");
    // Guard the mend of the octet validation: "192.255.+7.250" was once saved.
    row("no plus sign", "ip", "...", 0, "192.255.+7.250", "192.255.7.250", 3);
    row("digits only: no minus, space, letter or comma", "ip", "...", 0, "- 1a,-2", "12...", 0);
    row("zero completes an octet", "ip", "...", 0, "007", "0.0.7.", 2);
    row("zero, then a dot", "ip", "...", 0, "0.1", "0.1..", 1);
    row("dot moves on", "ip", "...", 0, "10.0.0.1", "10.0.0.1", 3);
    row("dot in an empty field", "ip", "...", 1, ".", "...", 1);
    row("moving in selects the next octet", "ip", "1.2.3.4", 0, "192.168", "192.168.3.4", 2);
    row("address pasted", "ip", "...", 2, "^ 10.0.0.1 ", "10.0.0.1", 2);
    row("signed address pasted", "ip", "1.2.3.4", 0, "^10.+0.0.1", "1.2.3.4", 0);
    row("octet pasted", "ip", "...", 0, "^12", "12...", 0);
    row("signed octet pasted", "ip", "...", 0, "^+7", "...", 0);
    row("hex digits in upper case", "mac", "-----", 0, "g:z.0c", "0C-----", 1);
    row("whole address", "mac", "-----", 0, "01-0c-cd-01-00-01", "01-0C-CD-01-00-01", 5);
    row("moving in selects the next byte", "mac", "AA-BB-CC-DD-EE-FF", 0, "0c1", "0C-1-CC-DD-EE-FF", 1);
    row("backspace in an empty field", "ip", "12...", 1, "\b3", "13...", 0);
    row("backspace at a field's start", "ip", "12.34..", 1, "<<\b", "12.34..", 1);
    row("left at the start goes to the end", "ip", "12.34..", 1, "<<<3", "123.34..", 1);
    row("right at the end goes to the start", "ip", "12.34..", 0, ">1", "12.134..", 2);
    row("right in the last field", "ip", "...9", 3, ">", "...9", 3);
    row("backspace across bytes", "mac", "0C-----", 1, "\bD", "0D-----", 1);
    row("MAC pasted", "mac", "-----", 0, "^01-0C-CD-01-00-01", "01-0C-CD-01-00-01", 0);
    row("read-only, typed", "read-only ip", "1.2.3.4", 0, "5", "1.2.3.4", 0);
    row("read-only, pasted", "read-only ip", "1.2.3.4", 0, "^10.0.0.1", "1.2.3.4", 0);
}

void TestAddressEdits::typing()
{
    QFETCH(QString, kind);
    QFETCH(QString, initial);
    QFETCH(int, start);
    QFETCH(QString, keys);
    QFETCH(int, focus);
    QFETCH(QString, warning);

    std::unique_ptr<AddressEdit> editor(kind.endsWith("ip") ? static_cast<AddressEdit *>(new QIpAddressEdit)
                                                           : new QMacAddressEdit);
    editor->setProperty("text", initial);
    editor->setReadOnly(kind.startsWith("read-only"));
    editor = onScreen(std::move(editor));
    QVERIFY(editor);
    const QList<QLineEdit *> fields = editor->findChildren<QLineEdit *>();
    fields.at(start)->setFocus();
    fields.at(start)->selectAll();
    QString said; // what a message box said before it was answered
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&said] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            said = box->text();
            box->accept();
        }
    });
    answer.start(10);
    if (keys.startsWith('^')) {
        QGuiApplication::clipboard()->setText(keys.mid(1));
        QTest::keyClick(fields.at(start), Qt::Key_V, Qt::ControlModifier);
    } else {
        for (const QChar key : keys) {
            if (key == '<' || key == '>')
                QTest::keyClick(QApplication::focusWidget(), key == '<' ? Qt::Key_Left : Qt::Key_Right);
            else
                typeKeys(editor.get(), key);
        }
    }

    QTEST(editor->text(), "text");
    QCOMPARE(said, warning);
    // Offscreen, no widget has the focus after a message box.
    if (warning.isEmpty())
        QCOMPARE(fields.indexOf(qobject_cast<QLineEdit *>(QApplication::focusWidget())), focus);
}

void TestAddressEdits::delegates_data()
{
    QTest::addColumn<QString>("start"); // "MAC", or the element a SubNetwork choice starts from
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("shown"); // the MAC editor's text, or the choices
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("committed");

    const auto row = [](const char *name, const char *start, const char *cell, const char *shown, const char *keys,
                        const char *committed) {
        QTest::newRow(name) << QString(start) << QString(cell) << QString(shown) << QString(keys) << QString(committed);
    };
    row("MAC without dash", "MAC", "010CCD010001", "00-00-00-00-00-00", "01", "01-00-00-00-00-00");
    row("MAC with too few bytes", "MAC", "01-0c", "01-0c-00-00-00-00", "", "01-0c-00-00-00-00");
    // SubNetwork names are read when the cell is opened: NetB is renamed NetC before.
    row("SubNetwork kept", "ConnectedAP", "NetC", "|NetA|NetC", "", "NetC");
    row("SubNetwork of another case", "ConnectedAP", "netc", "|NetA|NetC", "", "");
    row("outside Communication", "IED", "NetA", "", "", "");
}

void TestAddressEdits::delegates()
{
    QFETCH(QString, start);
    QFETCH(QString, cell);
    QFETCH(QString, keys);

    const std::unique_ptr<XmlObject> scl(makeElement("SCL"));
    XmlObject *communication = makeElement("Communication", scl.get());
    makeElement("ConnectedAP", makeElement("SubNetwork", communication, {{"name", "NetA"}}));
    makeElement("SubNetwork", communication);
    makeElement("Private", communication, {{"name", "NotANet"}});
    XmlObject *renamed = makeElement("SubNetwork", communication, {{"name", "NetB"}});
    makeElement("IED", scl.get(), {{"name", "IED1"}});
    QAbstractItemDelegate *delegate = start == "MAC" ? static_cast<QAbstractItemDelegate *>(new MacAddressDelegate)
                                                     : new SubNetworkDelegate(nullptr, scl->findDescendant(start));
    auto table = std::make_unique<QTableWidget>(1, 1);
    delegate->setParent(table.get());
    table->setItemDelegate(delegate);
    table->setItem(0, 0, new QTableWidgetItem(cell));
    table = onScreen(std::move(table));
    QVERIFY(table);
    renamed->attributes.insert("name", "NetC");

    QWidget *editor = openEditor(table->item(0, 0));
    QStringList choices;
    const auto *combo = qobject_cast<QComboBox *>(editor);
    for (int i = 0; combo && i < combo->count(); ++i)
        choices << combo->itemText(i);
    QTEST(start == "MAC" ? qobject_cast<QMacAddressEdit *>(editor)->text() : choices.join('|'), "shown");
    typeKeys(editor, keys);
    commitEditor(editor);
    QTEST(table->item(0, 0)->text(), "committed");
}

QTEST_MAIN(TestAddressEdits)
#include "tst_addressedits.moc"
