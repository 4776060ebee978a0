#pragma once

#include <QString>

// An exact base-10 number for sums of amounts: a signed coefficient of at least
// 38 significant digits and a power-of-ten exponent, or not-a-number.
class cwDecimalNumber
{
public:
    cwDecimalNumber();  // zero

    static cwDecimalNumber zero();
    static cwDecimalNumber notANumber();
    // Optional sign, digits, optional "." and digits, optional exponent; what follows
    // the leading number is ignored. A text with no leading number is not-a-number.
    static cwDecimalNumber decimalNumberWithString(const QString& text);

    cwDecimalNumber decimalNumberByAdding(const cwDecimalNumber& other) const;
    cwDecimalNumber decimalNumberBySubtracting(const cwDecimalNumber& other) const;

    bool isNotANumber() const;
    // -1, 0 or 1 as the number is below, at or above zero (not-a-number answers 0).
    int compareWithZero() const;

    // Plain notation: no exponent, no trailing fraction zeros, zero as "0", "NaN" for not-a-number.
    QString stringValue() const;

private:
    using Coefficient = unsigned __int128;

    cwDecimalNumber(Coefficient coefficient, long long exponent, bool negative);  // rounds to fit
    cwDecimalNumber negated() const;

    // value = (-1 if _negative) * _coefficient * 10^_exponent, with _coefficient below 10^38
    // and _exponent within -128..127; zero is never negative.
    Coefficient _coefficient = 0;
    int _exponent = 0;
    bool _negative = false;
    bool _notANumber = false;
};
