#pragma once
// Small text routines shared by the date and number parsers.

#include <QString>

namespace ValueText {

// When text starts with quote: the text up to the closing quote, a doubled
// quote inside standing for one (the rest of the text when there is no
// closing quote). Any other text is returned as it is.
QString Unquote(const QString& text, QChar quote);

// The text before / after the first occurrence of sep; empty when sep does
// not occur.
QString Before(const QString& text, const QString& sep);
QString After(const QString& text, const QString& sep);

// The first occurrence of what replaced by with; the text itself when absent.
QString ReplaceFirst(const QString& text, const QString& what, const QString& with);

// The first / last n characters; empty for n <= 0.
QString Left(const QString& text, qsizetype n);
QString Right(const QString& text, qsizetype n);

}  // namespace ValueText
