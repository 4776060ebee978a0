#include "cwDecimalNumber.h"

#include <QTest>

class TestDecimalNumber : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void arithmetic_data();
    void arithmetic();
    void zeroAndNotANumber();
    void longSumsStayExact();
};

namespace {

cwDecimalNumber number(const QString& text)
{
    return cwDecimalNumber::decimalNumberWithString(text);
}

int signOfWritten(const QString& text)
{
    if (text == u"0" || text == u"NaN")
        return 0;
    return text.startsWith(u'-') ? -1 : 1;
}

}  // namespace

void TestDecimalNumber::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");

    auto row = [](const char* name, const QString& text, const QString& written) {
        QTest::newRow(name) << text << written;
    };
    row("plain", "150.75", "150.75");
    row("trailing fraction zeros dropped", "1000.00", "1000");
    row("negative", "-0.5", "-0.5");
    row("exponent", "1e3", "1000");
    row("negative exponent", "25E-3", "0.025");
    row("exponent and fraction", "1.5e1", "15");
    row("signed exponent", "+2e+2", "200");
    row("exponent without digits", "1e", "1");
    row("trailing text ignored", "12abc", "12");
    row("leading white space", " 7.5", "7.5");
    row("fraction only", ".5", "0.5");
    row("leading zeros", "007.250", "7.25");
    row("zero", "0.00", "0");
    row("negative zero", "-0", "0");
    row("zero with huge exponent", "0e999999999", "0");
    row("empty", "", "NaN");
    row("letters", "abc", "NaN");
    row("currency sign", "$5", "NaN");
    row("sign only", "-", "NaN");
    row("point only", ".", "NaN");
    row("written not-a-number reads back", "NaN", "NaN");
    row("38 digits kept", "12345678901234567890123456789012345678", "12345678901234567890123456789012345678");
    row("38 fraction digits kept", "-0.12345678901234567890123456789012345678",
        "-0.12345678901234567890123456789012345678");
    row("39th digit rounds up", "123456789012345678901234567890123456789",
        "123456789012345678901234567890123456790");
    row("39th digit half to even", "0.123456789012345678901234567890123456785",
        "0.12345678901234567890123456789012345678");
    row("rounding carries a digit", "99999999999999999999999999999999999999.5",
        "100000000000000000000000000000000000000");
    row("largest order", "9e164", "9" + QString(164, u'0'));
    row("too large to hold", "1e165", "NaN");
    row("too small becomes zero", "1e-200", "0");
    row("huge written exponent", "1e99999999999999999999", "NaN");
    row("huge negative written exponent", "-1e-99999999999999999999", "0");
}

void TestDecimalNumber::reading()
{
    QFETCH(QString, text);
    QFETCH(QString, written);

    const cwDecimalNumber value = number(text);
    QCOMPARE(value.stringValue(), written);
    QCOMPARE(value.isNotANumber(), written == u"NaN");
    QCOMPARE(value.compareWithZero(), signOfWritten(written));
}

void TestDecimalNumber::arithmetic_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<char>("operation");
    QTest::addColumn<QString>("right");
    QTest::addColumn<QString>("result");

    auto row = [](const char* name, const QString& left, char operation, const QString& right, const QString& result) {
        QTest::newRow(name) << left << operation << right << result;
    };
    row("sum keeps decimals", "100.50", '+', "50.25", "150.75");
    row("difference drops zero fraction", "2000", '-', "1000.00", "1000");
    row("difference to zero", "100", '-', "100.00", "0");
    row("difference drops trailing zero", "100", '-', "25.50", "74.5");
    row("exponent read", "1e3", '+', "0", "1000");
    row("negative result", "0", '-', "0.5", "-0.5");
    row("deposit lowers", "900", '+', "-100", "800");
    row("below zero", "5", '-', "7.25", "-2.25");
    row("minus a negative", "1", '-', "-1", "2");
    row("remain", "2000", '-', "950.75", "1049.25");
    row("exact where binary is not", "-0.1", '+', "-0.2", "-0.3");
    row("cancels to zero", "0.1", '+', "-0.1", "0");
    row("different scales", "0.001", '+', "1000", "1000.001");
    row("not-a-number left", "abc", '+', "1", "NaN");
    row("not-a-number right", "1", '-', "abc", "NaN");
    row("carry past 38 digits", "99999999999999999999999999999999999999", '+', "1",
        "100000000000000000000000000000000000000");
    row("small addend within precision", "1e30", '+', "0.0000001", "1000000000000000000000000000000.0000001");
    row("small addend beyond precision", "1e30", '+', "0.00000001", "1000000000000000000000000000000");
    row("38th digit from a subtraction", "1e30", '-', "0.00000006", "999999999999999999999999999999.99999994");
    row("39th digit from a subtraction rounds", "1e30", '-', "0.000000006", "999999999999999999999999999999.99999999");
    row("39th digit from a sum rounds", "1e30", '+', "0.00000006", "1000000000000000000000000000000.0000001");
    row("39th digit tie from a sum goes to even", "1e30", '+', "0.00000005", "1000000000000000000000000000000");
    row("39th digit tie from a sum goes to even up", "1e30", '+', "0.00000015",
        "1000000000000000000000000000000.0000002");
    row("overflow is not a number", "9e164", '+', "9e164", "NaN");
}

void TestDecimalNumber::arithmetic()
{
    QFETCH(QString, left);
    QFETCH(char, operation);
    QFETCH(QString, right);
    QFETCH(QString, result);

    const cwDecimalNumber value = operation == '+' ? number(left).decimalNumberByAdding(number(right))
                                                   : number(left).decimalNumberBySubtracting(number(right));
    QCOMPARE(value.stringValue(), result);
    QCOMPARE(value.compareWithZero(), signOfWritten(result));
    QCOMPARE(value.isNotANumber(), result == u"NaN");
}

void TestDecimalNumber::zeroAndNotANumber()
{
    QCOMPARE(cwDecimalNumber().stringValue(), QStringLiteral("0"));
    QCOMPARE(cwDecimalNumber::zero().decimalNumberByAdding(number("12.5")).stringValue(), QStringLiteral("12.5"));
    QCOMPARE(cwDecimalNumber::zero().decimalNumberBySubtracting(number("12.5")).stringValue(), QStringLiteral("-12.5"));
    QVERIFY(cwDecimalNumber::notANumber().isNotANumber());
    QCOMPARE(cwDecimalNumber::notANumber().compareWithZero(), 0);
    QCOMPARE(number("3").decimalNumberByAdding(cwDecimalNumber::notANumber()).stringValue(), QStringLiteral("NaN"));
}

void TestDecimalNumber::longSumsStayExact()
{
    cwDecimalNumber sum = cwDecimalNumber::zero();
    const cwDecimalNumber cent = number("0.01");
    for (int i = 0; i < 10000; ++i)
        sum = sum.decimalNumberByAdding(cent);
    QCOMPARE(sum.stringValue(), QStringLiteral("100"));
    for (int i = 0; i < 3; ++i)
        sum = sum.decimalNumberBySubtracting(number("33.33"));
    QCOMPARE(sum.stringValue(), QStringLiteral("0.01"));
}

QTEST_APPLESS_MAIN(TestDecimalNumber)
#include "TestDecimalNumber.moc"
