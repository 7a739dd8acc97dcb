#include "format/Format.h"

#include <QtTest>

using zedera::Decimal;

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("mask");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const char *mask, const char *value, const char *expected) {
            QTest::newRow(name) << QString::fromUtf8(mask) << QString::fromUtf8(value) << QString::fromUtf8(expected);
        };
        // grouping and decimals
        row("grouped money", ",#0.00", "1234567.891", "1.234.567,89");
        row("grouped small", ",#0.00", "12.5", "12,50");
        row("grouped zero", ",#0.00", "0", "0,00");
        row("below one", ",#0.00", "0.5", "0,50");
        row("negative takes a minus", ",#0.00", "-1234.5", "-1.234,50");
        row("comma in the middle groups all", "###,###,###0", "1234567", "1.234.567");
        row("exact thousand", "#,##0", "1000", "1.000");
        row("hundreds need no separator", "#,##0", "999", "999");
        row("no decimals rounds", ",#0", "1234.5", "1.235");
        // rounding half away from zero
        row("half up", ",0.00", "2.675", "2,68");
        row("half away on negatives", ",0.00", "-2.675", "-2,68");
        row("just below half", "0.00", "0.0049", "0,00");
        // sections
        row("negative section has its own sign", ",0.00;-,0.00", "-3.5", "-3,50");
        row("negative section without sign", "###,##0.00;0.00", "-1234.5", "1234,50");
        row("empty negative section falls back", "###,###,##0.00;;0.00", "-1234.5", "-1.234,50");
        row("zero section", "###,###,##0.00;;0.00", "0", "0,00");
        row("rounds to zero shows no sign", ",0.00;-,0.00", "-0.004", "0,00");
        row("rounds to zero with zero section", "0.00;-0.00;'zero'", "-0.001", "zero");
        // literal text
        row("currency prefix", "R$ ,0.0000;-R$ ,0.0000", "1234.5", "R$ 1.234,5000");
        row("currency prefix negative", "R$ ,0.0000;-R$ ,0.0000", "-0.25", "-R$ 0,2500");
        row("percent is plain text", ",#0.00%", "87.5", "87,50%");
        row("percent prefix", "% ,0.00;-% ,0.00", "-12", "-% 12,00");
        row("suffix", ",0.00 Lts", "1500", "1.500,00 Lts");
        row("quoted text", "0.0 'km/l'", "12.34", "12,3 km/l");
        row("leading zeros", "0000", "7", "0007");
        row("leading zeros kept short when longer", "000", "12345", "12345");
        row("optional decimals trimmed", "0.##", "3.1", "3,1");
        row("optional decimals dropped with the point", "0.##", "3", "3");
        row("a second point is ignored", "###.##0.0000;;0.0000", "5.4321", "5,4321000");
        row("no whole placeholders", ".00", "12.5", "12,50");
        row("empty mask is plain", "", "-1234.5", "-1234,5");
    }
    void numbers()
    {
        QFETCH(QString, mask);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QCOMPARE(zedera::formatNumber(mask, *Decimal::parse(value)), expected);
    }

    void wholeNumbersBeyondTheDecimalRange()
    {
        QCOMPARE(zedera::formatNumber(QStringLiteral("###,###,###,###0"), qint64(999999999999999999)),
                 QStringLiteral("999.999.999.999.999.999"));
        QCOMPARE(zedera::formatNumber(QStringLiteral(",#0"), std::numeric_limits<qint64>::min()),
                 QStringLiteral("-9.223.372.036.854.775.808"));
        QCOMPARE(zedera::formatNumber(QStringLiteral("0"), 0), QStringLiteral("0"));
    }

    void datesAndTimes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        const int century = QDate::currentDate().year() / 100 * 100;
        QTest::newRow("full") << "05/03/2024" << QDate(2024, 3, 5);
        QTest::newRow("leap day") << "29/02/2024" << QDate(2024, 2, 29);
        QTest::newRow("not a leap year") << "29/02/2023" << QDate();
        QTest::newRow("impossible day") << "31/02/2024" << QDate();
        QTest::newRow("month 13") << "01/13/2024" << QDate();
        QTest::newRow("day zero") << "00/01/2024" << QDate();
        QTest::newRow("blank mask") << "  /  /    " << QDate();
        QTest::newRow("half typed") << "12/03/2   " << QDate();
        QTest::newRow("two-digit year") << "12/03/24  " << QDate(century + 24, 3, 12);
        QTest::newRow("letters") << "ab/03/2024" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void datesAndTimes()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(zedera::parseDate(text), date);
        if (date.isValid())
            QCOMPARE(zedera::parseDate(zedera::formatDate(date)), date);
    }

    void times()
    {
        QCOMPARE(zedera::parseTime(QStringLiteral("08:05")), QTime(8, 5));
        QCOMPARE(zedera::parseTime(QStringLiteral("23:59")), QTime(23, 59));
        QVERIFY(!zedera::parseTime(QStringLiteral("24:00")).isValid());
        QVERIFY(!zedera::parseTime(QStringLiteral("12:60")).isValid());
        QVERIFY(!zedera::parseTime(QStringLiteral("  :  ")).isValid());
        QCOMPARE(zedera::formatTime(QTime(7, 3, 59)), QStringLiteral("07:03"));
        QCOMPARE(zedera::formatTime(QTime()), QString());
        QCOMPARE(zedera::formatDate(QDate()), QString());
    }

    void blankEntries()
    {
        QVERIFY(zedera::isBlankEntry(QStringLiteral("  /  /    ")));
        QVERIFY(zedera::isBlankEntry(QStringLiteral("__:__")));
        QVERIFY(zedera::isBlankEntry(QString()));
        QVERIFY(!zedera::isBlankEntry(QStringLiteral("3 /  /    ")));
    }
};

QTEST_MAIN(TestFormat)
#include "tst_format.moc"
