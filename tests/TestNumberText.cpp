#include "cwNumberText.h"

#include <QTest>

#include <climits>
#include <clocale>
#include <functional>

// The amount and day rules, each case run twice: under the C locale and under a locale whose
// decimal point is ",", which must not change a single result.
class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rules_data();
    void rules();
    void validNumberKeepsOrReplacesText_data();
    void validNumberKeepsOrReplacesText();
    void currencyRounding_data();
    void currencyRounding();
    void readings_data();
    void readings();

private:
    static void addLocaleRows(const std::function<void(const char* locale, const QByteArray& prefix)>& addRows);
    void switchLocale();
};

namespace {
const char* const kCommaLocale = "de_DE.UTF-8";
}

void TestNumberText::addLocaleRows(const std::function<void(const char*, const QByteArray&)>& addRows)
{
    addRows("C", "C: ");
    addRows(kCommaLocale, "comma: ");
}

void TestNumberText::init()
{
    QVERIFY(setlocale(LC_ALL, "C"));
}

void TestNumberText::cleanup()
{
    setlocale(LC_ALL, "C");
}

void TestNumberText::switchLocale()
{
    QFETCH(QByteArray, locale);
    if (!setlocale(LC_NUMERIC, locale.constData()))
        QSKIP("the de_DE.UTF-8 locale is not installed (scripts/setup generates it)");
    if (locale != "C")
        QCOMPARE(localeconv()->decimal_point, ",");  // the locale really has a comma decimal point
}

void TestNumberText::rules_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<int>("currencyFlag");
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("dayFlag");
    QTest::addColumn<QString>("rounded");
    QTest::addColumn<int>("roundFlag");

    addLocaleRows([](const char* locale, const QByteArray& prefix) {
        auto row = [&](const char* name, const QString& input, bool valid, const QString& currency, int currencyFlag,
                       const QString& day, int dayFlag, const QString& rounded, int roundFlag) {
            QTest::newRow(prefix + name) << QByteArray(locale) << input << valid << currency << currencyFlag << day
                                         << dayFlag << rounded << roundFlag;
        };
        row("empty", "", false, "0.00", 1, "0", 1, "0", 1);
        row("zero", "0", true, "0.00", 0, "0", 1, "0", 0);
        row("zero one decimal", "0.0", true, "0.00", 0, "0", 1, "0", 0);
        row("zero two decimals", "0.00", true, "0.00", 0, "0", 1, "0", 0);
        row("zero three decimals", "0.000", false, "0.00", 1, "0", 1, "0", 1);
        row("double zero", "00", false, "0.00", 1, "0", 1, "0", 1);
        row("plus zero", "+0", false, "0.00", 1, "0", 1, "0", 1);
        row("zero point", "0.", false, "0.00", 1, "0", 1, "0", 1);
        row("point zero", ".0", false, "0.00", 1, "0", 1, "0", 1);
        row("minus zero", "-0", false, "-0.00", 1, "0", 1, "0", 1);
        row("minus zero two decimals", "-0.00", false, "-0.00", 1, "0", 1, "0", 1);
        row("blank then zero", " 0", false, "0.00", 1, "0", 1, "0", 1);
        row("blank then 7.5", " 7.5", true, "7.50", 0, "7", 0, "7", 0);
        row("trailing letters", "12abc", true, "12.00", 0, "12", 0, "12", 0);
        row("digit grouping", "1,234.50", true, "1.00", 0, "1", 0, "1", 0);
        row("comma decimal", "7,5", true, "7.00", 0, "7", 0, "7", 0);
        row("letters", "abc", false, "0.00", 1, "0", 1, "0", 1);
        row("currency sign", "$5", false, "0.00", 1, "0", 1, "0", 1);
        row("amount", "25.99", true, "25.99", 0, "25", 0, "25", 0);
        row("negative amount", "-24.23", true, "-24.23", 0, "-24", 1, "-24", 0);
        row("tiny negative", "-0.001", true, "-0.00", 0, "0", 1, "0", 0);
        row("exponent", "1e3", true, "1000.00", 0, "1", 0, "1", 0);
        row("last day", "31", true, "31.00", 0, "31", 0, "31", 0);
        row("past last day", "32", true, "32.00", 0, "32", 1, "32", 0);
        row("first day", "1", true, "1.00", 0, "1", 0, "1", 0);
    });
}

void TestNumberText::rules()
{
    switchLocale();
    QFETCH(QString, input);
    QFETCH(bool, valid);
    QFETCH(QString, currency);
    QFETCH(int, currencyFlag);
    QFETCH(QString, day);
    QFETCH(int, dayFlag);
    QFETCH(QString, rounded);
    QFETCH(int, roundFlag);

    QCOMPARE(isValidNumber(input), valid);

    // Every flag starts at a value no rule writes, so a rule that forgets to write it shows.
    int flag = 7;
    QCOMPARE(validCurrency(input, &flag), currency);
    QCOMPARE(flag, currencyFlag);
    flag = 7;
    QCOMPARE(validDay(input, &flag), day);
    QCOMPARE(flag, dayFlag);
    flag = 7;
    QCOMPARE(roundCurrency(input, &flag), rounded);
    QCOMPARE(flag, roundFlag);

    // Without a flag the texts are the same.
    QCOMPARE(validCurrency(input), currency);
    QCOMPARE(validDay(input), day);
    QCOMPARE(roundCurrency(input), rounded);
}

void TestNumberText::validNumberKeepsOrReplacesText_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedFlag");

    addLocaleRows([](const char* locale, const QByteArray& prefix) {
        auto row = [&](const char* name, const QString& input, const QString& expected, int flag) {
            QTest::newRow(prefix + name) << QByteArray(locale) << input << expected << flag;
        };
        row("trailing text kept", "12abc", "12abc", 0);
        row("blank kept", " 7.5", " 7.5", 0);
        row("not reformatted", "1e3", "1e3", 0);
        row("zero form", "0.00", "0.00", 0);
        row("letters", "abc", "0", 1);
        row("other zero form", "0.000", "0", 1);
        row("empty", "", "0", 1);
    });
}

void TestNumberText::validNumberKeepsOrReplacesText()
{
    switchLocale();
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QFETCH(int, expectedFlag);

    int flag = 7;
    QCOMPARE(validNumber(input, &flag), expected);
    QCOMPARE(flag, expectedFlag);
    QCOMPARE(validNumber(input), expected);
}

void TestNumberText::currencyRounding_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    addLocaleRows([](const char* locale, const QByteArray& prefix) {
        auto row = [&](const char* name, const QString& input, const QString& expected) {
            QTest::newRow(prefix + name) << QByteArray(locale) << input << expected;
        };
        row("binary value below the half", "2.675", "2.67");
        row("binary value above the half", "1.005000001", "1.01");
        row("exact half to even below", "0.125", "0.12");
        row("exact half to even above", "0.375", "0.38");
        row("negative half to even", "-0.625", "-0.62");
        row("rounds up into the integer", "9.999", "10.00");
        row("fraction only", ".5", "0.50");
        row("exponent without digits", "1e", "1.00");
        row("negative exponent", "25E-1", "2.50");
        row("plus sign", "+4.5", "4.50");
        row("large", "123456789012.346", "123456789012.35");
        row("no grouping", "1234567", "1234567.00");
        // Texts already in two-decimal form: kept where reading and rounding gives them back,
        // rewritten where it does not.
        row("two decimals", "0.05", "0.05");
        row("two decimals negative", "-45.20", "-45.20");
        row("thirteen integer digits", "9999999999999.99", "9999999999999.99");
        row("fourteen integer digits", "99999999999999.99", "99999999999999.98");
        row("beyond double precision", "12345678901234567.89", "12345678901234568.00");
        row("leading zero", "01.50", "1.50");
        row("three decimals", "1.505", "1.50");
        row("trailing blank", "1.50 ", "1.50");
    });
}

void TestNumberText::currencyRounding()
{
    switchLocale();
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(validCurrency(input), expected);
}

void TestNumberText::readings_data()
{
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<double>("doubleReading");
    QTest::addColumn<int>("intReading");
    QTest::addColumn<float>("floatReading");

    addLocaleRows([](const char* locale, const QByteArray& prefix) {
        auto row = [&](const char* name, const QString& input, double d, int i, float f) {
            QTest::newRow(prefix + name) << QByteArray(locale) << input << d << i << f;
        };
        row("fraction cut toward zero", "12.99", 12.99, 12, 12.99f);
        row("negative fraction cut toward zero", "-3.7", -3.7, -3, -3.7f);
        row("exponent stops the integer", "1e3", 1000.0, 1, 1000.0f);
        row("leading white space", "\t\n 42x", 42.0, 42, 42.0f);
        row("plus sign", "+8", 8.0, 8, 8.0f);
        row("sign without digits", "-x", 0.0, 0, 0.0f);
        row("point without digits", ".", 0.0, 0, 0.0f);
        row("exponent sign without digits", "5e-", 5.0, 5, 5.0f);
        row("comma is not a decimal point", "3,75", 3.0, 3, 3.0f);
        row("no hexadecimal", "0x1A", 0.0, 0, 0.0f);
        row("no infinity word", "inf", 0.0, 0, 0.0f);
        row("no not-a-number word", "nan", 0.0, 0, 0.0f);
        row("largest int", "2147483647", 2147483647.0, INT_MAX, 2147483647.0f);
        row("int saturates above", "2147483648", 2147483648.0, INT_MAX, 2147483648.0f);
        row("int saturates far above", "99999999999999999999", 1e20, INT_MAX, 1e20f);
        row("smallest int", "-2147483648", -2147483648.0, INT_MIN, -2147483648.0f);
        row("int saturates below", "-2147483649", -2147483649.0, INT_MIN, -2147483649.0f);
        row("int saturates past 64 bits", "18446744073709551617", 18446744073709551617.0, INT_MAX,
            18446744073709551617.0f);
        row("single precision rounds", "16777217", 16777217.0, 16777217, 16777216.0f);
        // Just above the halfway point between two floats, but at it once held in double precision.
        row("single precision rounds once", "1.0000000596046448", 1.0000000596046448, 1, 1.00000011920928955078125f);
    });
}

void TestNumberText::readings()
{
    switchLocale();
    QFETCH(QString, input);
    QFETCH(double, doubleReading);
    QFETCH(int, intReading);
    QFETCH(float, floatReading);

    // Exact comparisons: a reading must be the correctly rounded value, not merely close to it.
    QVERIFY2(doubleValue(input) == doubleReading, qPrintable(QString::number(doubleValue(input), 'g', 17)));
    QCOMPARE(intValue(input), intReading);
    QVERIFY2(floatValue(input) == floatReading, qPrintable(QString::number(floatValue(input), 'g', 9)));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "TestNumberText.moc"
