#include "cwNumberText.h"

#include <charconv>
#include <climits>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipLeadingSpace(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    return i;
}

// The text of the leading number, in the C notation strtod reads: optional sign, digits with an
// optional "." and fraction digits, optional exponent. Empty when the text does not begin with one.
std::string leadingNumber(QStringView text)
{
    qsizetype i = skipLeadingSpace(text);
    const qsizetype start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    // An exponent counts only when digits follow it: "1e" and "1e+" read as 1.
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < text.size() && isAsciiDigit(text[j])) {
            while (j < text.size() && isAsciiDigit(text[j]))
                ++j;
            i = j;
        }
    }
    std::string number(size_t(i - start), '\0');
    for (qsizetype k = start; k < i; ++k)
        number[size_t(k - start)] = char(text[k].unicode());
    return number;
}

// Conversions read with the C locale, so a user whose decimal point is "," gets the same values.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

void setFlag(int* flag, bool rejected)
{
    if (flag)
        *flag = rejected ? 1 : 0;
}

// Whether text is already in the form validCurrency gives: an optional "-", "0" or digits
// without a leading zero, ".", two digits. With at most 13 integer digits the double read from
// it lies within 10^13 * 2^-53 (about 0.001) of its value, well inside half a cent, so
// rounding that double to two decimals gives the same text back. Amounts the program saved
// are in this form.
bool isCanonicalCurrency(QStringView text)
{
    const qsizetype start = !text.isEmpty() && text[0] == u'-' ? 1 : 0;
    const qsizetype integerDigits = text.size() - start - 3;
    if (integerDigits < 1 || integerDigits > 13)
        return false;
    if (integerDigits > 1 && text[start] == u'0')
        return false;
    for (qsizetype i = start; i < text.size(); ++i) {
        if (i == text.size() - 3 ? text[i] != u'.' : !isAsciiDigit(text[i]))
            return false;
    }
    return true;
}

}  // namespace

double doubleValue(const QString& text)
{
    const std::string number = leadingNumber(text);
    return number.empty() ? 0.0 : strtod_l(number.c_str(), nullptr, cLocale());
}

float floatValue(const QString& text)
{
    const std::string number = leadingNumber(text);
    return number.empty() ? 0.0f : strtof_l(number.c_str(), nullptr, cLocale());
}

int intValue(const QString& text)
{
    const QStringView view(text);
    qsizetype i = skipLeadingSpace(view);
    bool negative = false;
    if (i < view.size() && (view[i] == u'+' || view[i] == u'-')) {
        negative = view[i] == u'-';
        ++i;
    }
    // Accumulate the magnitude, stopping to grow once it is past the 32-bit range.
    long long magnitude = 0;
    for (; i < view.size() && isAsciiDigit(view[i]); ++i) {
        if (magnitude <= INT_MAX)
            magnitude = magnitude * 10 + (view[i].unicode() - u'0');
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

bool isValidNumber(const QString& text)
{
    const double value = doubleValue(text);
    if (text == u"0" || text == u"0.0" || text == u"0.00")
        return true;
    return value != 0.0;
}

QString validNumber(const QString& text, int* flag)
{
    if (isValidNumber(text)) {
        setFlag(flag, false);
        return text;
    }
    setFlag(flag, true);
    return QStringLiteral("0");
}

QString validCurrency(const QString& text, int* flag)
{
    if (isCanonicalCurrency(text)) {
        // Of the canonical texts only "-0.00" reads as zero without being one of the zero forms.
        setFlag(flag, text == u"-0.00");
        return text;
    }
    const double value = doubleValue(text);
    setFlag(flag, !isValidNumber(text));
    // Fixed notation with two decimals, rounded on the exact binary value (ties to even),
    // independent of the locale. 330 characters hold the widest double in fixed notation.
    char buffer[330];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString validDay(const QString& text, int* flag)
{
    const int day = intValue(text);
    setFlag(flag, day < 1 || day > 31);
    return QString::number(day);
}

QString roundCurrency(const QString& text, int* flag)
{
    validNumber(text, flag);
    return QString::number(intValue(text));
}
