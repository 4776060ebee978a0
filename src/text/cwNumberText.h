#pragma once

#include <QString>

// The amount and day rules: the one place that decides whether a text is an acceptable
// number, amount or day, and how it is normalised. Pure functions; a flag, when given,
// receives 0 for accepted and 1 for rejected. None depends on the process locale.

bool isValidNumber(const QString& text);
QString validNumber(const QString& text, int* flag = nullptr);
QString validCurrency(const QString& text, int* flag = nullptr);
QString validDay(const QString& text, int* flag = nullptr);
QString roundCurrency(const QString& text, int* flag = nullptr);

// The three numeric readings of a text's leading number.
double doubleValue(const QString& text);  // leading number, double precision, 0 when none
int intValue(const QString& text);        // leading integer, saturating at 32 bits, 0 when none
float floatValue(const QString& text);    // leading number in single precision
