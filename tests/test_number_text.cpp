#include "base/failure.h"
#include "base/number_text.h"

#include <QTest>
#include <cmath>

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void signPositionForm_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << " 0";
        QTest::newRow("positive") << qint64(5) << " 5";
        QTest::newRow("two digits") << qint64(15) << " 15";
        QTest::newRow("minus one") << qint64(-1) << "-1";
        QTest::newRow("minus two") << qint64(-2) << "-2";
        QTest::newRow("16-bit max") << qint64(32767) << " 32767";
        QTest::newRow("16-bit min") << qint64(-32768) << "-32768";
        QTest::newRow("past 16 bits") << qint64(40000) << " 40000";
    }
    void signPositionForm()
    {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(signPosition(value), text);
    }

    void leadingNumberReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("trailing words") << "12 codes" << 12.0;
        QTest::newRow("blanks inside digits") << " 1 2 3" << 123.0;
        QTest::newRow("tabs and line feeds") << "\t4\n2" << 42.0;
        QTest::newRow("carriage return stops") << "4\r2" << 4.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("negative") << "-2" << -2.0;
        QTest::newRow("explicit plus") << "+7" << 7.0;
        QTest::newRow("fraction") << "3.25x" << 3.25;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("point alone") << "." << 0.0;
        QTest::newRow("exponent") << "1.5e2" << 150.0;
        QTest::newRow("exponent with D") << "2D3" << 2000.0;
        QTest::newRow("negative exponent") << "25E-1" << 2.5;
        QTest::newRow("exponent below the smallest number") << "1e-400" << 0.0;
        QTest::newRow("incomplete exponent") << "7e" << 7.0;
        QTest::newRow("incomplete signed exponent") << "7e+" << 7.0;
        QTest::newRow("hexadecimal") << "&H1F" << 31.0;
        QTest::newRow("hexadecimal lower case") << "&hff|3" << 255.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("octal stops at 8") << "&O178" << 15.0;
        QTest::newRow("ampersand alone") << "&" << 0.0;
        QTest::newRow("ampersand other") << "&X1" << 0.0;
        QTest::newRow("second sign stops") << "5-3" << 5.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("blank between sign and digit") << "- 4" << -4.0;
    }
    void leadingNumberReading()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(leadingNumber(text), value);
    }

    void hugeNumbersReadAsLarge()
    {
        QVERIFY(leadingNumber(u"1e400") > 1e300);
        QVERIFY(leadingNumber(u"-1e400") < -1e300);
    }

    void roundingTo16Bits_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("half to even down") << 2.5 << 2;
        QTest::newRow("half to even up") << 3.5 << 4;
        QTest::newRow("negative half") << -2.5 << -2;
        QTest::newRow("just below half") << 2.49 << 2;
        QTest::newRow("just above half") << 2.51 << 3;
        QTest::newRow("max") << 32767.0 << 32767;
        QTest::newRow("max plus fraction") << 32767.4 << 32767;
        QTest::newRow("min") << -32768.0 << -32768;
        QTest::newRow("min half rounds to even") << -32768.5 << -32768;
    }
    void roundingTo16Bits()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(int(toInt16(value)), rounded);
    }

    void overflowOutside16Bits_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("32767.5 rounds to 32768") << 32767.5;
        QTest::newRow("32768") << 32768.0;
        QTest::newRow("-32769") << -32769.0;
        QTest::newRow("-32768.6") << -32768.6;
        QTest::newRow("infinity") << HUGE_VAL;
        QTest::newRow("not a number") << std::nan("");
    }
    void overflowOutside16Bits()
    {
        QFETCH(double, value);
        try {
            toInt16(value);
            QFAIL("no overflow");
        } catch (const Failure& failure) {
            QCOMPARE(failure.number, FailureNumber::Overflow);
        }
    }

    void leadingInt16CombinesBoth()
    {
        QCOMPARE(int(leadingInt16(u"12 codes")), 12);
        QCOMPARE(int(leadingInt16(u"&HFF")), 255);
        QCOMPARE(int(leadingInt16(u"2.5")), 2);
        QVERIFY_THROWS_EXCEPTION(Failure, leadingInt16(u"70000"));
    }

    void strictNumbers()
    {
        QCOMPARE(int(strictInt16(u" 7")), 7);
        QCOMPARE(int(strictInt16(u"-1 ")), -1);
        QCOMPARE(int(strictInt16(u"12")), 12);
        for (const char* bad : {"", "abc", "7x", "COM1"}) {
            try {
                strictInt16(QString::fromLatin1(bad));
                QFAIL(bad);
            } catch (const Failure& failure) {
                QCOMPARE(failure.number, FailureNumber::TypeMismatch);
            }
        }
        QVERIFY_THROWS_EXCEPTION(Failure, strictInt16(u"99999"));
    }
};

QTEST_GUILESS_MAIN(NumberTextTest)
#include "test_number_text.moc"
