#include "db/Decimal.h"

#include <QtTest>

using zedera::Decimal;

class TestDecimal : public QObject {
    Q_OBJECT
private slots:
    void parseAndPrint_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("decimalPoint");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "1234.56" << "." << "1234.5600";
        QTest::newRow("integer") << "12" << "." << "12.0000";
        QTest::newRow("negative fraction") << "-0.5" << "." << "-0.5000";
        QTest::newRow("fifth place rounds up") << "0.00005" << "." << "0.0001";
        QTest::newRow("fifth place rounds down") << "0.00004" << "." << "0.0000";
        QTest::newRow("comma point") << "1234,56" << "," << "1234.5600";
        QTest::newRow("database text without zeros") << "1" << "." << "1.0000";
    }
    void parseAndPrint()
    {
        QFETCH(QString, input);
        QFETCH(QString, decimalPoint);
        QFETCH(QString, expected);
        const auto d = Decimal::parse(input, decimalPoint.at(0));
        QVERIFY(d.has_value());
        QCOMPARE(d->toString(), expected);
    }

    void rejectsGarbage()
    {
        for (const char *bad : {"", "abc", "1.2.3", "--1", "1e5", "."})
            QVERIFY2(!Decimal::parse(QString::fromLatin1(bad)).has_value(), bad);
    }

    void roundsHalfAwayFromZero_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("places");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0.285") << "0.285" << 2 << "0.29";
        QTest::newRow("1.005") << "1.005" << 2 << "1.01";
        QTest::newRow("2.675") << "2.675" << 2 << "2.68";
        QTest::newRow("-0.005") << "-0.005" << 2 << "-0.01";
        QTest::newRow("0.0049") << "0.0049" << 2 << "0.00";
        QTest::newRow("whole") << "2.5" << 0 << "3";
    }
    void roundsHalfAwayFromZero()
    {
        QFETCH(QString, value);
        QFETCH(int, places);
        QFETCH(QString, expected);
        QCOMPARE(Decimal::parse(value)->rounded(places).toString(places), expected);
    }

    void arithmeticIsExact()
    {
        // A thousand fuellings of 0.10 add up to exactly 100, which doubles do not.
        Decimal sum;
        for (int i = 0; i < 1000; ++i)
            sum += *Decimal::parse(u"0.10");
        QCOMPARE(sum, Decimal(100));

        // litres x unit price, rounded at the fourth place
        QCOMPARE((*Decimal::parse(u"45.37") * *Decimal::parse(u"5.899")).toString(), QStringLiteral("267.6376"));
        QCOMPARE((Decimal(10) / Decimal(3)).toString(), QStringLiteral("3.3333"));
        QCOMPARE((Decimal(-2) / Decimal(3)).toString(), QStringLiteral("-0.6667"));
        QCOMPARE(Decimal(5) / Decimal(0), Decimal());
        // Large money values do not overflow in products.
        QCOMPARE((*Decimal::parse(u"9999999.99") * Decimal(1000)).toString(2), QStringLiteral("9999999990.00"));
    }

    void fromDatabaseValues()
    {
        QCOMPARE(Decimal::fromVariant(QVariant(QStringLiteral("1234.56"))).toString(2), QStringLiteral("1234.56"));
        QCOMPARE(Decimal::fromVariant(QVariant(7)), Decimal(7));
        QCOMPARE(Decimal::fromVariant(QVariant()), Decimal());
        QCOMPARE(Decimal::parse(u"0.29")->toDatabaseString(), QStringLiteral("0.29"));
        QCOMPARE(Decimal::parse(u"0.2851")->toDatabaseString(), QStringLiteral("0.29"));
    }
};

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
