#pragma once
// Reading date texts the way the Access engine does, into the one stored form
// "yyyy-mm-dd hh:nn:ss".
//
// Accepted: y-m-d and y/m/d (four-digit year first), m/d/y and d/m/y (when the
// first part cannot be a month), two-digit y-m-d with "-" or "." separators,
// month names in English ("31 jan 2020", "jan 31 2020", "20 jan 31" is year
// first), an optional leading weekday, an optional time h:n[:s[.fraction]]
// with AM/PM, a "T" between date and time, a time alone (on 1899-12-30, the
// engine's day zero). Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
// Fractions of a second are dropped. Years run from 100 to 9999.

#include <QDateTime>
#include <QString>

bool TryParseAccessDateText(const QString& text, QString& stored);
QString FormatAccessDate(const QDateTime& value);
// A day count from 1899-12-30 with the time as the fraction.
bool TryAccessDateFromSerial(double serial, QString& stored);
