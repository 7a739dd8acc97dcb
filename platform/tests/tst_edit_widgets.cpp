#include "widgets/ButtonEdit.h"
#include "widgets/DateEdit.h"
#include "widgets/FieldRules.h"
#include "widgets/NumericEdit.h"

#include "ScriptedDialogService.h"

#include <QAction>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QtTest>

using namespace zedera;
using zedera::testing::ScriptedDialogService;

namespace {

// A shown, active window with the edit under test and a neighbour to move the focus to.
template <typename Edit>
struct Form {
    QWidget window;
    Edit *edit = new Edit(&window);
    QLineEdit *other = new QLineEdit(&window);

    Form()
    {
        auto *layout = new QHBoxLayout(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        window.show();
        QApplication::setActiveWindow(&window);
        (void)QTest::qWaitForWindowActive(&window);
        leave();
    }
    void enter() { edit->setFocus(Qt::TabFocusReason); }
    void leave() { other->setFocus(Qt::TabFocusReason); }
};

} // namespace

class TestEditWidgets : public QObject {
    Q_OBJECT
private slots:
    void decimalShowsMaskOnlyWithoutFocus_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("editing");
        QTest::newRow("consumption") << ",0.00;-,0.00" << 2 << "1234.5" << "1.234,50" << "1234,50";
        QTest::newRow("negative") << ",0.00;-,0.00" << 2 << "-3.456" << "-3,46" << "-3,46";
        QTest::newRow("percentage") << "% ,0.00;-% ,0.00" << 2 << "87.5" << "% 87,50" << "87,50";
        QTest::newRow("unit price") << "R$ ,0.0000;-R$ ,0.0000" << 4 << "5.4321" << "R$ 5,4321" << "5,4321";
        QTest::newRow("no mask") << "" << 2 << "7" << "7,00" << "7,00";
    }
    void decimalShowsMaskOnlyWithoutFocus()
    {
        QFETCH(QString, mask);
        QFETCH(int, decimals);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QFETCH(QString, editing);
        Form<DecimalEdit> f;
        f.edit->setDecimals(decimals);
        f.edit->setDisplayFormat(mask);
        f.edit->setValue(*Decimal::parse(value));
        QCOMPARE(f.edit->text(), shown);
        f.enter();
        QVERIFY(f.edit->hasFocus());
        QCOMPARE(f.edit->text(), editing);
        QCOMPARE(f.edit->selectedText(), editing); // tabbing in selects, typing replaces
        f.leave();
        QCOMPARE(f.edit->text(), shown);
        QCOMPARE(f.edit->value(), Decimal::parse(value)->rounded(decimals));
    }

    void typingIsFilteredAndReadAsItGoes_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letters refused") << "1a2b,5x" << "12,5" << "12.5" << "12,50";
        QTest::newRow("keypad point is the comma") << "3.75" << "3,75" << "3.75" << "3,75";
        QTest::newRow("no third decimal") << "1,239" << "1,23" << "1.23" << "1,23";
        QTest::newRow("one comma only") << "1,2,3" << "1,23" << "1.23" << "1,23";
        QTest::newRow("minus only in front") << "-4-2" << "-42" << "-42" << "-42,00";
        QTest::newRow("grouped thousands") << "1234567,8" << "1234567,8" << "1234567.8" << "1.234.567,80";
    }
    void typingIsFilteredAndReadAsItGoes()
    {
        QFETCH(QString, keys);
        QFETCH(QString, typed);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        Form<DecimalEdit> f;
        f.edit->setDisplayFormat(QStringLiteral(",0.00;-,0.00"));
        QSignalSpy changed(f.edit, &NumericEdit::valueChanged);
        f.enter();
        QTest::keyClicks(f.edit, keys);
        QCOMPARE(f.edit->text(), typed);
        // The value is there before the focus leaves: Enter handlers read it at once.
        QCOMPARE(f.edit->value(), *Decimal::parse(value));
        QVERIFY(!changed.isEmpty());
        f.leave();
        QCOMPARE(f.edit->text(), shown);
    }

    void emptyAndTextFromCode()
    {
        Form<DecimalEdit> f;
        f.edit->setDisplayFormat(QStringLiteral("R$ ,0.00"));
        QVERIFY(f.edit->isEmpty());
        QCOMPARE(f.edit->text(), QString());
        f.edit->setValue(Decimal(0));
        QVERIFY(!f.edit->isEmpty());
        QCOMPARE(f.edit->text(), QStringLiteral("R$ 0,00"));
        f.edit->clear(); // what a window does when it clears its fields
        QVERIFY(f.edit->isEmpty());
        QCOMPARE(f.edit->value(), Decimal(0));
        QCOMPARE(f.edit->text(), QString());
        f.edit->setText(QStringLiteral("R$ 1.234,56"));
        QCOMPARE(f.edit->value(), *Decimal::parse(u"1234.56"));
        f.enter();
        f.edit->selectAll();
        QTest::keyClick(f.edit, Qt::Key_Delete);
        f.leave();
        QVERIFY(f.edit->isEmpty());

        f.edit->setAllowNegative(false);
        f.enter();
        QTest::keyClicks(f.edit, QStringLiteral("-5"));
        QCOMPARE(f.edit->value(), Decimal(5));
    }

    void integerKeepsItsMask()
    {
        Form<IntegerEdit> f;
        f.edit->setDisplayFormat(QStringLiteral("0000"));
        f.edit->setValue(42);
        QCOMPARE(f.edit->text(), QStringLiteral("0042"));
        f.edit->setDisplayFormat(QStringLiteral("###,###,###,###0"));
        f.enter();
        f.edit->selectAll();
        QTest::keyClicks(f.edit, QStringLiteral("123456789,5"));
        QCOMPARE(f.edit->text(), QStringLiteral("1234567895")); // no decimals
        f.leave();
        QCOMPARE(f.edit->text(), QStringLiteral("1.234.567.895"));
        QCOMPARE(f.edit->value(), qint64(1234567895));
    }

    void dateRoundTripsAndTellsBlankFromWrong()
    {
        Form<DateEdit> f;
        QVERIFY(f.edit->isBlank());
        QVERIFY(!f.edit->date().isValid());
        QCOMPARE(f.edit->displayText(), QStringLiteral("  /  /    "));
        f.edit->setDate(QDate(2024, 3, 5));
        QCOMPARE(f.edit->displayText(), QStringLiteral("05/03/2024"));
        QCOMPARE(f.edit->date(), QDate(2024, 3, 5));
        f.edit->setDate(QDate());
        QVERIFY(f.edit->isBlank());

        f.enter();
        f.edit->home(false);
        QTest::keyClicks(f.edit, QStringLiteral("31022024"));
        QVERIFY(!f.edit->isBlank());
        QVERIFY(!f.edit->date().isValid());
        f.edit->selectAll();
        f.edit->home(false);
        QTest::keyClicks(f.edit, QStringLiteral("29022024"));
        QCOMPARE(f.edit->date(), QDate(2024, 2, 29));
    }

    void f2OpensTheCalendar()
    {
        ScriptedDialogService boxes;
        Form<DateEdit> f;
        f.edit->setDate(QDate(2024, 3, 5));
        QSignalSpy picked(f.edit, &DateEdit::datePicked);
        QDate offered;
        boxes.expectExec(QStringLiteral("calendario"), [&offered](QDialog &d) {
            auto *calendar = d.findChild<QCalendarWidget *>();
            offered = calendar->selectedDate();
            calendar->setSelectedDate(QDate(2024, 4, 10));
            return int(QDialog::Accepted);
        });
        f.enter();
        QTest::keyClick(f.edit, Qt::Key_F2);
        QCOMPARE(offered, QDate(2024, 3, 5)); // the calendar starts on the field's date
        QCOMPARE(f.edit->date(), QDate(2024, 4, 10));
        QCOMPARE(picked.size(), 1);

        boxes.expectExec(int(QDialog::Rejected)); // Esc on the calendar keeps the date
        QTest::keyClick(f.edit, Qt::Key_F2);
        QCOMPARE(f.edit->date(), QDate(2024, 4, 10));

        f.edit->setReadOnly(true); // a read-only field opens nothing (the double would object)
        QTest::keyClick(f.edit, Qt::Key_F2);
        f.edit->buttonAction()->trigger();
        QCOMPARE(boxes.pendingExecs(), 0);
    }

    void time()
    {
        Form<TimeEdit> f;
        QVERIFY(f.edit->isBlank());
        QCOMPARE(f.edit->displayText(), QStringLiteral("  :  "));
        f.enter();
        f.edit->home(false);
        QTest::keyClicks(f.edit, QStringLiteral("0830"));
        QCOMPARE(f.edit->time(), QTime(8, 30));
        f.edit->setTime(QTime(23, 5));
        QCOMPARE(f.edit->displayText(), QStringLiteral("23:05"));
        f.edit->home(false);
        QTest::keyClicks(f.edit, QStringLiteral("2460"));
        QVERIFY(!f.edit->isBlank());
        QVERIFY(!f.edit->time().isValid());
    }

    void pickerAsksOnF2AndButton()
    {
        Form<PickerEdit> f;
        f.edit->setDigitsOnly(true);
        QSignalSpy asked(f.edit, &PickerEdit::pickRequested);
        f.enter();
        QTest::keyClicks(f.edit, QStringLiteral("1a2"));
        QCOMPARE(f.edit->text(), QStringLiteral("12"));
        QTest::keyClick(f.edit, Qt::Key_F2);
        QCOMPARE(asked.size(), 1);
        f.edit->buttonAction()->trigger();
        QCOMPARE(asked.size(), 2);
        QTest::keyClick(f.edit, Qt::Key_F2, Qt::ShiftModifier); // only the plain key
        QCOMPARE(asked.size(), 2);
    }

    // A search field is upper case for names and digits-only for codes, switching as the user
    // picks the column: the two rules must not undo each other.
    void caseAndDigitRulesCombine()
    {
        QLineEdit edit;
        makeUpperCase(&edit, 8);
        QTest::keyClicks(&edit, QStringLiteral("sao"));
        edit.setCursorPosition(1);
        QTest::keyClicks(&edit, QStringLiteral("x"));
        QCOMPARE(edit.text(), QStringLiteral("SXAO"));
        QCOMPARE(edit.cursorPosition(), 2);

        edit.clear();
        makeDigitsOnly(&edit, 3);
        QTest::keyClicks(&edit, QStringLiteral("1a2b34"));
        QCOMPARE(edit.text(), QStringLiteral("123"));

        clearDigitsOnly(&edit);
        edit.clear();
        QTest::keyClicks(&edit, QStringLiteral("ab1"));
        QCOMPARE(edit.text(), QStringLiteral("AB1"));

        QLineEdit mail;
        makeLowerCase(&mail, 60);
        QTest::keyClicks(&mail, QStringLiteral("Ana@X.Gov"));
        QCOMPARE(mail.text(), QStringLiteral("ana@x.gov"));
    }
};

QTEST_MAIN(TestEditWidgets)
#include "tst_edit_widgets.moc"
