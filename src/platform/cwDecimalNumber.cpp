#include "cwDecimalNumber.h"

#include <array>

namespace {

using Coefficient = unsigned __int128;

constexpr int kDigits = 38;  // significant digits a coefficient holds
constexpr long long kMinExponent = -128;
constexpr long long kMaxExponent = 127;
constexpr long long kExponentReadLimit = 1000000000;  // larger written exponents saturate here

constexpr std::array<Coefficient, kDigits + 1> makePowersOfTen()
{
    std::array<Coefficient, kDigits + 1> powers{};
    Coefficient power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}

constexpr std::array<Coefficient, kDigits + 1> kPowerOfTen = makePowersOfTen();
constexpr Coefficient kCoefficientLimit = kPowerOfTen[kDigits];  // 10^38, first value too wide

// value / 10^digits, rounded to nearest with ties to even.
Coefficient divideRounded(Coefficient value, long long digits)
{
    if (digits <= 0)
        return value;
    // Every coefficient, even an unrounded sum, is below 10^39: dividing by 10^39 or more gives 0.
    if (digits > kDigits)
        return 0;
    const Coefficient divisor = kPowerOfTen[digits];
    Coefficient quotient = value / divisor;
    const Coefficient remainder = value % divisor;
    const Coefficient half = divisor / 2;
    if (remainder > half || (remainder == half && (quotient & 1)))
        ++quotient;
    return quotient;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

cwDecimalNumber::cwDecimalNumber() = default;

cwDecimalNumber::cwDecimalNumber(Coefficient coefficient, long long exponent, bool negative)
{
    if (coefficient >= kCoefficientLimit) {
        coefficient = divideRounded(coefficient, 1);
        ++exponent;
    }
    if (exponent < kMinExponent) {
        coefficient = divideRounded(coefficient, kMinExponent - exponent);
        exponent = kMinExponent;
    }
    if (coefficient == 0)
        return;  // zero, whatever the sign and scale
    while (exponent > kMaxExponent && coefficient < kPowerOfTen[kDigits - 1]) {
        coefficient *= 10;
        --exponent;
    }
    if (exponent > kMaxExponent) {
        _notANumber = true;  // too large to hold: no value is better than a wrong one
        return;
    }
    _coefficient = coefficient;
    _exponent = int(exponent);
    _negative = negative;
}

cwDecimalNumber cwDecimalNumber::zero()
{
    return cwDecimalNumber();
}

cwDecimalNumber cwDecimalNumber::notANumber()
{
    cwDecimalNumber number;
    number._notANumber = true;
    return number;
}

cwDecimalNumber cwDecimalNumber::decimalNumberWithString(const QString& text)
{
    const QStringView view(text);
    qsizetype i = 0;
    while (i < view.size() && view[i].isSpace())
        ++i;
    bool negative = false;
    if (i < view.size() && (view[i] == u'+' || view[i] == u'-')) {
        negative = view[i] == u'-';
        ++i;
    }

    Coefficient coefficient = 0;
    long long exponent = 0;
    int significant = 0;     // digits taken into the coefficient, leading zeros not counted
    int firstDropped = -1;   // the first digit beyond the precision, for rounding
    bool restDropped = false;  // whether any later dropped digit was not zero
    qsizetype digits = 0;
    auto takeDigit = [&](int digit, bool fraction) {
        ++digits;
        if (significant == 0 && digit == 0) {
            if (fraction)
                --exponent;
            return;
        }
        if (significant < kDigits) {
            coefficient = coefficient * 10 + Coefficient(digit);
            ++significant;
            if (fraction)
                --exponent;
            return;
        }
        if (!fraction)
            ++exponent;
        if (firstDropped < 0)
            firstDropped = digit;
        else if (digit != 0)
            restDropped = true;
    };
    for (; i < view.size() && isAsciiDigit(view[i]); ++i)
        takeDigit(view[i].unicode() - u'0', false);
    if (i < view.size() && view[i] == u'.') {
        for (++i; i < view.size() && isAsciiDigit(view[i]); ++i)
            takeDigit(view[i].unicode() - u'0', true);
    }
    if (digits == 0)
        return notANumber();

    if (firstDropped > 5 || (firstDropped == 5 && (restDropped || (coefficient & 1))))
        ++coefficient;  // may reach 10^38; the constructor rounds that back

    // An exponent counts only when digits follow it: "1e" reads as 1.
    if (i < view.size() && (view[i] == u'e' || view[i] == u'E')) {
        qsizetype j = i + 1;
        bool negativeExponent = false;
        if (j < view.size() && (view[j] == u'+' || view[j] == u'-')) {
            negativeExponent = view[j] == u'-';
            ++j;
        }
        long long written = 0;
        for (; j < view.size() && isAsciiDigit(view[j]); ++j) {
            if (written < kExponentReadLimit)
                written = written * 10 + (view[j].unicode() - u'0');
        }
        exponent += negativeExponent ? -written : written;
    }
    return cwDecimalNumber(coefficient, exponent, negative);
}

cwDecimalNumber cwDecimalNumber::negated() const
{
    cwDecimalNumber number = *this;
    if (!_notANumber && _coefficient != 0)
        number._negative = !_negative;
    return number;
}

cwDecimalNumber cwDecimalNumber::decimalNumberByAdding(const cwDecimalNumber& other) const
{
    if (_notANumber || other._notANumber)
        return notANumber();
    if (other._coefficient == 0)
        return *this;
    if (_coefficient == 0)
        return other;

    const bool thisIsCoarser = _exponent >= other._exponent;
    const cwDecimalNumber& coarse = thisIsCoarser ? *this : other;
    const cwDecimalNumber& fine = thisIsCoarser ? other : *this;

    // Bring the coarser operand to the finer exponent as far as one guard digit beyond the precision
    // allows (below 2 * 10^38, so the sum stays below 3 * 10^38 and fits); the rest of the gap is
    // taken from the finer operand, rounded. The constructor rounds the sum to 38 digits.
    Coefficient coarseCoefficient = coarse._coefficient;
    long long exponent = coarse._exponent;
    while (exponent > fine._exponent && coarseCoefficient < kCoefficientLimit / 5) {
        coarseCoefficient *= 10;
        --exponent;
    }
    const Coefficient fineCoefficient = divideRounded(fine._coefficient, exponent - fine._exponent);

    if (coarse._negative == fine._negative)
        return cwDecimalNumber(coarseCoefficient + fineCoefficient, exponent, coarse._negative);
    if (coarseCoefficient >= fineCoefficient)
        return cwDecimalNumber(coarseCoefficient - fineCoefficient, exponent, coarse._negative);
    return cwDecimalNumber(fineCoefficient - coarseCoefficient, exponent, fine._negative);
}

cwDecimalNumber cwDecimalNumber::decimalNumberBySubtracting(const cwDecimalNumber& other) const
{
    return decimalNumberByAdding(other.negated());
}

bool cwDecimalNumber::isNotANumber() const
{
    return _notANumber;
}

int cwDecimalNumber::compareWithZero() const
{
    if (_notANumber || _coefficient == 0)
        return 0;
    return _negative ? -1 : 1;
}

QString cwDecimalNumber::stringValue() const
{
    if (_notANumber)
        return QStringLiteral("NaN");
    if (_coefficient == 0)
        return QStringLiteral("0");

    char digits[kDigits];
    int length = 0;
    for (Coefficient rest = _coefficient; rest != 0; rest /= 10)
        digits[length++] = char('0' + int(rest % 10));
    // digits holds the coefficient from its last digit; drop fraction zeros from that end.
    int start = 0;
    int exponent = _exponent;
    while (exponent < 0 && digits[start] == '0') {
        ++start;
        ++exponent;
    }

    QString text;
    text.reserve(2 + (length - start) + qAbs(exponent) + 1);
    if (_negative)
        text += u'-';
    const int fractionLength = exponent < 0 ? -exponent : 0;
    const int integerLength = (length - start) - fractionLength;
    if (integerLength <= 0) {
        text += u"0.";
        text += QString(-integerLength, u'0');
    }
    for (int k = length - 1; k >= start; --k) {
        if (k - start + 1 == fractionLength && integerLength > 0)
            text += u'.';
        text += QLatin1Char(digits[k]);
    }
    if (exponent > 0)
        text += QString(exponent, u'0');
    return text;
}
