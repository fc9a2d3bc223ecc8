#include "macaddressdelegate.h"
#include "qipaddressedit.h"
#include "qmacaddressedit.h"
#include "subnetworkdelegate.h"
#include "testtree.h"

#include <QComboBox>
#include <QMessageBox>
#include <QTableWidget>
#include <QtTest>

#include <memory>

namespace {

// A shown, active editor of the kind "ip" or "mac", so that focus changes take effect.
std::unique_ptr<AddressEdit> shownEditor(const QString &kind, const QString &text)
{
    std::unique_ptr<AddressEdit> editor;
    if (kind == QLatin1String("ip"))
        editor = std::make_unique<QIpAddressEdit>();
    else
        editor = std::make_unique<QMacAddressEdit>();
    editor->setProperty("text", text);
    editor->show();
    QApplication::setActiveWindow(editor.get());
    if (!QTest::qWaitForWindowActive(editor.get()))
        return nullptr;
    return editor;
}

QList<QLineEdit *> fieldsOf(const QWidget *editor)
{
    return editor->findChildren<QLineEdit *>();
}

int focusedField(const QWidget *editor)
{
    return fieldsOf(editor).indexOf(qobject_cast<QLineEdit *>(QApplication::focusWidget()));
}

// Types into whichever field has the focus, as a user would.
void typeKeys(const QString &keys)
{
    for (const QChar key : keys)
        QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
}

// The editor a view opened on the only cell of column 0.
QWidget *openEditor(QTableWidget &table)
{
    table.openPersistentEditor(table.item(0, 0));
    return table.indexWidget(table.model()->index(0, 0));
}

// Answers the first message box that opens and remembers what it said.
class MessageCatcher : public QObject
{
public:
    MessageCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                m_timer.stop();
                said = box->windowTitle() + '|' + box->text();
                box->accept();
            }
        });
        m_timer.start(10);
    }

    QString said;

private:
    QTimer m_timer;
};

} // namespace

class TestAddressEdits : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void typing_data();
    void typing();
    void keysAcrossFields_data();
    void keysAcrossFields();
    void octetAbove255Warns();
    void setText_data();
    void setText();
    void readOnlySlotsAndClear_data();
    void readOnlySlotsAndClear();

    void macDelegate_data();
    void macDelegate();
    void subNetworkDelegate_data();
    void subNetworkDelegate();
    void subNetworkNamesAreReadOnOpen();
};

void TestAddressEdits::initTestCase()
{
    // A locale whose digit grouping uses ".": an octet must still refuse it.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

void TestAddressEdits::typing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("focus");
    QTest::addColumn<bool>("moved");

    QTest::newRow("full octet moves on") << "ip" << "..." << 0 << "192" << "192..." << 1 << true;
    QTest::newRow("two digits stay") << "ip" << "..." << 0 << "19" << "19..." << 0 << false;
    QTest::newRow("full last octet stays") << "ip" << "..." << 3 << "255" << "...255" << 3 << false;
    QTest::newRow("digits only") << "ip" << "..." << 0 << "1a,-2" << "12..." << 0 << false;
    QTest::newRow("dot moves on") << "ip" << "..." << 0 << "10.0.0.1" << "10.0.0.1" << 3 << false;
    QTest::newRow("dot after a full octet") << "ip" << "..." << 0 << "192.168.1.10" << "192.168.1.10" << 3 << false;
    QTest::newRow("dot in an empty field") << "ip" << "..." << 1 << "." << "..." << 1 << false;
    QTest::newRow("next octet selected") << "ip" << "1.2.3.4" << 0 << "192" << "192.2.3.4" << 1 << true;
    QTest::newRow("retyping an address") << "ip" << "1.2.3.4" << 0 << "192.168" << "192.168.3.4" << 2 << true;
    QTest::newRow("full byte upper case") << "mac" << "-----" << 0 << "0c" << "0C-----" << 1 << true;
    QTest::newRow("one digit stays") << "mac" << "-----" << 0 << "a" << "A-----" << 0 << false;
    QTest::newRow("hex digits only") << "mac" << "-----" << 0 << "g:z.1" << "1-----" << 0 << false;
    QTest::newRow("dash moves on") << "mac" << "-----" << 0 << "1-2" << "1-2----" << 1 << false;
    QTest::newRow("dot moves on too") << "mac" << "-----" << 0 << "1.2" << "1-2----" << 1 << false;
    QTest::newRow("whole address") << "mac" << "-----" << 0 << "01-0c-cd-01-00-01" << "01-0C-CD-01-00-01" << 5 << false;
    QTest::newRow("next byte selected") << "mac" << "AA-BB-CC-DD-EE-FF" << 0 << "0c" << "0C-BB-CC-DD-EE-FF" << 1 << true;
}

void TestAddressEdits::typing()
{
    QFETCH(QString, kind);
    QFETCH(QString, initial);
    QFETCH(int, start);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, focus);
    QFETCH(bool, moved);

    const auto editor = shownEditor(kind, initial);
    QVERIFY(editor);
    const QList<QLineEdit *> fields = fieldsOf(editor.get());
    fields.at(start)->setFocus();
    fields.at(start)->selectAll();
    typeKeys(keys);

    QCOMPARE(editor->text(), text);
    QCOMPARE(focusedField(editor.get()), focus);
    // A field just moved into is selected, so typing replaces what it held.
    if (moved)
        QCOMPARE(fields.at(focus)->selectedText(), fields.at(focus)->text());
}

void TestAddressEdits::keysAcrossFields_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("initial");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("focus");
    QTest::addColumn<int>("focusCursor");

    const int backspace = Qt::Key_Backspace;
    const int left = Qt::Key_Left;
    const int right = Qt::Key_Right;
    QTest::newRow("backspace in an empty field") << "ip" << "12..." << 1 << 0 << backspace << "1..." << 0 << 1;
    QTest::newRow("backspace in the first field") << "ip" << "...7" << 0 << 0 << backspace << "...7" << 0 << 0;
    QTest::newRow("backspace at a field's start") << "ip" << "12.34.." << 1 << 0 << backspace << "12.34.." << 1 << 0;
    QTest::newRow("left at the start") << "ip" << "12.34.." << 1 << 0 << left << "12.34.." << 0 << 2;
    QTest::newRow("left inside a field") << "ip" << "12.34.." << 1 << 1 << left << "12.34.." << 1 << 0;
    QTest::newRow("right at the end") << "ip" << "12.34.." << 0 << 2 << right << "12.34.." << 1 << 0;
    QTest::newRow("right in the last field") << "ip" << "...9" << 3 << 1 << right << "...9" << 3 << 1;
    QTest::newRow("backspace across bytes") << "mac" << "0C-----" << 1 << 0 << backspace << "0-----" << 0 << 1;
    QTest::newRow("left across bytes") << "mac" << "0C-1F----" << 1 << 0 << left << "0C-1F----" << 0 << 2;
    QTest::newRow("right across bytes") << "mac" << "0C-1F----" << 0 << 2 << right << "0C-1F----" << 1 << 0;
}

void TestAddressEdits::keysAcrossFields()
{
    QFETCH(QString, kind);
    QFETCH(QString, initial);
    QFETCH(int, start);
    QFETCH(int, cursor);
    QFETCH(int, key);
    QFETCH(QString, text);
    QFETCH(int, focus);
    QFETCH(int, focusCursor);

    const auto editor = shownEditor(kind, initial);
    QVERIFY(editor);
    const QList<QLineEdit *> fields = fieldsOf(editor.get());
    fields.at(start)->setFocus();
    fields.at(start)->setCursorPosition(cursor);
    QTest::keyClick(fields.at(start), Qt::Key(key));

    QCOMPARE(editor->text(), text);
    QCOMPARE(focusedField(editor.get()), focus);
    QCOMPARE(fields.at(focus)->cursorPosition(), focusCursor);
    QVERIFY(!fields.at(focus)->hasSelectedText());
}

void TestAddressEdits::octetAbove255Warns()
{
    const auto editor = shownEditor("ip", "1.2.3.4");
    QVERIFY(editor);
    fieldsOf(editor.get()).at(1)->setFocus();
    fieldsOf(editor.get()).at(1)->selectAll();

    MessageCatcher catcher;
    typeKeys("256");

    QCOMPARE(catcher.said, QString("Message|256 is not acceptable value.\nPlease input the value bewteen 0 with 255."));
    QCOMPARE(editor->text(), QString("1.255.3.4"));
}

void TestAddressEdits::setText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("taken");

    QTest::newRow("four octets") << "ip" << "10.0.0.1" << true;
    QTest::newRow("empty octets") << "ip" << "..." << true;
    QTest::newRow("three octets") << "ip" << "10.0.0" << false;
    QTest::newRow("five octets") << "ip" << "10.0.0.1.5" << false;
    QTest::newRow("empty text") << "ip" << "" << false;
    QTest::newRow("octet above 255") << "ip" << "10.0.0.256" << false;
    QTest::newRow("octet too long") << "ip" << "0010.0.0.1" << false;
    QTest::newRow("letter in an octet") << "ip" << "10.0.x.1" << false;
    QTest::newRow("six bytes") << "mac" << "01-0C-CD-01-00-01" << true;
    QTest::newRow("lower case kept") << "mac" << "01-0c-cd-01-00-01" << true;
    QTest::newRow("four bytes") << "mac" << "01-0C-CD-01" << false;
    QTest::newRow("colons") << "mac" << "01:0C:CD:01:00:01" << false;
    QTest::newRow("non-hex byte") << "mac" << "01-0C-CD-01-00-0G" << false;
    QTest::newRow("byte too long") << "mac" << "01-0C-CD-01-00-001" << false;
}

void TestAddressEdits::setText()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(bool, taken);

    const QString before = kind == QLatin1String("ip") ? "1.2.3.4" : "AA-BB-CC-DD-EE-FF";
    const auto editor = shownEditor(kind, before);
    QVERIFY(editor);
    QCOMPARE(editor->property("text").toString(), before);

    QSignalSpy changed(editor.get(), SIGNAL(textChanged(QString)));
    QSignalSpy edited(editor.get(), SIGNAL(textEdited(QString)));
    QVERIFY(QMetaObject::invokeMethod(editor.get(), "setText", Q_ARG(QString, text)));

    QCOMPARE(editor->text(), taken ? text : before);
    const QList<QVariantList> expected = taken ? QList<QVariantList>{{text}} : QList<QVariantList>{};
    QCOMPARE(QList<QVariantList>(changed), expected);
    QCOMPARE(QList<QVariantList>(edited), expected);
}

void TestAddressEdits::readOnlySlotsAndClear_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("empty");

    QTest::newRow("ip") << "ip" << "10.0.0.1" << "...";
    QTest::newRow("mac") << "mac" << "01-0C-CD-01-00-01" << "-----";
}

void TestAddressEdits::readOnlySlotsAndClear()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QString, empty);

    const auto editor = shownEditor(kind, text);
    QVERIFY(editor);
    const QList<QLineEdit *> fields = fieldsOf(editor.get());
    QSignalSpy changed(editor.get(), SIGNAL(textChanged(QString)));
    QSignalSpy edited(editor.get(), SIGNAL(textEdited(QString)));

    QCOMPARE(editor->property("readOnly").toBool(), false);
    QVERIFY(editor->setProperty("readOnly", true));
    QVERIFY(std::all_of(fields.begin(), fields.end(), [](QLineEdit *f) { return f->isReadOnly(); }));
    fields.at(0)->setFocus();
    typeKeys("1");
    QCOMPARE(editor->text(), text);

    editor->setReadOnly(false);
    QCOMPARE(editor->property("readOnly").toBool(), false);
    QVERIFY(std::none_of(fields.begin(), fields.end(), [](QLineEdit *f) { return f->isReadOnly(); }));
    fields.at(0)->selectAll();
    typeKeys("1");
    const QString typed = editor->text();
    QVERIFY(typed != text);
    // Typing is not reported; the owner asks for the signals when it wants them.
    QCOMPARE(changed.count() + edited.count(), 0);

    QVERIFY(QMetaObject::invokeMethod(editor.get(), "ipChanged"));
    QCOMPARE(QList<QVariantList>(changed), QList<QVariantList>{{typed}});
    QCOMPARE(edited.count(), 0);
    QVERIFY(QMetaObject::invokeMethod(editor.get(), "ipEdited"));
    QCOMPARE(QList<QVariantList>(edited), QList<QVariantList>{{typed}});

    QVERIFY(QMetaObject::invokeMethod(editor.get(), "clear"));
    QCOMPARE(editor->text(), empty);
}

void TestAddressEdits::macDelegate_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("shown");

    QTest::newRow("empty cell") << "" << "00-00-00-00-00-00";
    QTest::newRow("address") << "01-0C-CD-01-00-01" << "01-0C-CD-01-00-01";
    QTest::newRow("no dash") << "010CCD010001" << "00-00-00-00-00-00";
    QTest::newRow("too few bytes, case kept") << "01-0c" << "01-0c-00-00-00-00";
    QTest::newRow("too many bytes") << "01-02-03-04-05-06-07" << "01-02-03-04-05-06";
}

void TestAddressEdits::macDelegate()
{
    QFETCH(QString, cell);
    QFETCH(QString, shown);

    QTableWidget table(1, 1);
    auto *delegate = new MacAddressDelegate(&table);
    table.setItemDelegate(delegate);
    table.setItem(0, 0, new QTableWidgetItem(cell));
    table.show();

    auto *editor = qobject_cast<QMacAddressEdit *>(openEditor(table));
    QVERIFY(editor);
    QCOMPARE(editor->text(), shown);
    QCOMPARE(editor->geometry(), table.visualItemRect(table.item(0, 0)));
    emit delegate->commitData(editor);
    QCOMPARE(table.item(0, 0)->text(), shown);

    editor->setText("01-0C-CD-04-00-2A");
    emit delegate->commitData(editor);
    QCOMPARE(table.item(0, 0)->text(), QString("01-0C-CD-04-00-2A"));
}

void TestAddressEdits::subNetworkDelegate_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("committed");

    const QStringList nets{"", "NetA", "NetB"};
    QTest::newRow("below a SubNetwork") << "ConnectedAP" << "NetB" << nets << "NetB";
    QTest::newRow("from the Communication") << "Communication" << "" << nets << "";
    QTest::newRow("name in another case") << "ConnectedAP" << "netb" << nets << "";
    QTest::newRow("outside Communication") << "IED" << "NetA" << QStringList{""} << "";
    QTest::newRow("no element") << "" << "NetA" << QStringList{""} << "";
}

void TestAddressEdits::subNetworkDelegate()
{
    QFETCH(QString, start);
    QFETCH(QString, cell);
    QFETCH(QStringList, choices);
    QFETCH(QString, committed);

    const std::unique_ptr<XmlObject> scl(makeElement("SCL"));
    XmlObject *communication = makeElement("Communication", scl.get());
    makeElement("ConnectedAP", makeElement("SubNetwork", communication, {{"name", "NetA"}}));
    makeElement("SubNetwork", communication);
    makeElement("Private", communication, {{"name", "NotANet"}});
    makeElement("SubNetwork", communication, {{"name", "NetB"}});
    makeElement("IED", scl.get(), {{"name", "IED1"}});

    QTableWidget table(1, 1);
    auto *delegate = new SubNetworkDelegate(&table, start.isEmpty() ? nullptr : scl->findDescendant(start));
    table.setItemDelegate(delegate);
    table.setItem(0, 0, new QTableWidgetItem(cell));
    table.show();

    auto *combo = qobject_cast<QComboBox *>(openEditor(table));
    QVERIFY(combo);
    QStringList offered;
    for (int i = 0; i < combo->count(); ++i)
        offered << combo->itemText(i);
    QCOMPARE(offered, choices);
    QCOMPARE(combo->geometry(), table.visualItemRect(table.item(0, 0)));
    emit delegate->commitData(combo);
    QCOMPARE(table.item(0, 0)->text(), committed);
}

void TestAddressEdits::subNetworkNamesAreReadOnOpen()
{
    const std::unique_ptr<XmlObject> communication(makeElement("Communication"));
    XmlObject *net = makeElement("SubNetwork", communication.get(), {{"name", "NetA"}});
    SubNetworkDelegate delegate(nullptr, communication.get());
    QWidget parent;

    delete delegate.createEditor(&parent, QStyleOptionViewItem(), QModelIndex());
    net->attributes.insert("name", "NetC");
    auto *combo = qobject_cast<QComboBox *>(delegate.createEditor(&parent, QStyleOptionViewItem(), QModelIndex()));
    QVERIFY(combo);
    QCOMPARE(combo->itemText(1), QString("NetC"));
}

QTEST_MAIN(TestAddressEdits)
#include "tst_addressedits.moc"
