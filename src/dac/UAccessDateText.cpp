#include "UAccessDateText.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>
#include <QTime>
#include <cmath>

namespace {

int MonthFromName(const QString& word)
{
    static const char* KMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                    "jul", "aug", "sep", "oct", "nov", "dec"};
    if (word.size() < 3)
        return 0;
    const QString w = word.toLower();
    for (int i = 0; i < 12; ++i)
        if (w.startsWith(QLatin1String(KMonths[i])))
            return i + 1;
    return 0;
}

bool IsWeekday(const QString& word)
{
    static const char* KDays[] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
    const QString w = word.toLower();
    for (const char* d : KDays)
        if (w.startsWith(QLatin1String(d)))
            return true;
    return false;
}

int WidenYear(const QString& digits)
{
    const int y = digits.toInt();
    if (digits.size() > 2)
        return y;
    return y < 30 ? 2000 + y : 1900 + y;
}

bool MakeDate(int y, int m, int d, QDate& date)
{
    if (y < 100 || y > 9999 || !QDate::isValid(y, m, d))
        return false;
    date = QDate(y, m, d);
    return true;
}

// Three numbers of a date without month names.
bool NumericDate(const QStringList& parts, QChar separator, QDate& date)
{
    if (parts.size() != 3)
        return false;
    const int a = parts[0].toInt(), b = parts[1].toInt(), c = parts[2].toInt();
    if (parts[0].size() >= 3)  // year first
        return MakeDate(a, b, c, date);
    if (parts[2].size() >= 3) {  // year last: month first unless it cannot be a month
        if (MakeDate(c, a, b, date))
            return true;
        return MakeDate(c, b, a, date);
    }
    // All short: "-" and "." are read year first, "/" month first.
    if (separator != QLatin1Char('/') && MakeDate(WidenYear(parts[0]), b, c, date))
        return true;
    if (MakeDate(WidenYear(parts[2]), a, b, date))
        return true;
    if (MakeDate(WidenYear(parts[2]), b, a, date))
        return true;
    return MakeDate(WidenYear(parts[0]), b, c, date);
}

bool WordDate(const QStringList& words, QDate& date)
{
    int monthAt = -1;
    int month = 0;
    QStringList numbers;
    for (int i = 0; i < words.size(); ++i) {
        bool isNumber = false;
        words[i].toInt(&isNumber);
        if (isNumber) {
            numbers.append(words[i]);
        } else if (monthAt < 0 && (month = MonthFromName(words[i])) > 0) {
            monthAt = numbers.size();
        } else {
            return false;
        }
    }
    if (monthAt < 0 || numbers.size() != 2)
        return false;
    QString day = numbers[0], year = numbers[1];
    if (numbers[0].size() >= 3) {
        year = numbers[0];
        day = numbers[1];
    } else if (numbers[1].size() < 3 && monthAt == 1) {
        // "yy mon dd": two short numbers around the month are year first
        year = numbers[0];
        day = numbers[1];
    }
    return MakeDate(WidenYear(year), month, day.toInt(), date);
}

}  // namespace

QString FormatAccessDate(const QDateTime& value)
{
    return value.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

bool TryParseAccessDateText(const QString& text, QString& stored)
{
    QString s = text.trimmed();
    if (s.isEmpty())
        return false;

    // The time: h:n[:s[.f]] [AM|PM], at the end of the text.
    static const QRegularExpression KTime(QStringLiteral(
        "(?:^|[\\sT])(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2})(?:[.,]\\d+)?)?\\s*([AaPp][Mm]?)?$"));
    QTime time(0, 0, 0);
    const auto tm = KTime.match(s);
    bool hasTime = false;
    if (tm.hasMatch()) {
        int h = tm.captured(1).toInt();
        const int n = tm.captured(2).toInt();
        const int sec = tm.captured(3).isEmpty() ? 0 : tm.captured(3).toInt();
        const QString ampm = tm.captured(4).toUpper();
        if (!ampm.isEmpty()) {
            if (h < 1 || h > 12)
                return false;
            if (ampm.startsWith(QLatin1Char('P')) && h != 12)
                h += 12;
            if (ampm.startsWith(QLatin1Char('A')) && h == 12)
                h = 0;
        }
        if (!QTime::isValid(h, n, sec))
            return false;
        time = QTime(h, n, sec);
        hasTime = true;
        s = s.left(tm.capturedStart(0)).trimmed();
    }

    QDate date(1899, 12, 30);
    if (!s.isEmpty()) {
        static const QRegularExpression KNumeric(QStringLiteral("^(\\d{1,4})([-/.])(\\d{1,2})\\2(\\d{1,4})$"));
        const auto nm = KNumeric.match(s);
        if (nm.hasMatch()) {
            if (!NumericDate({nm.captured(1), nm.captured(3), nm.captured(4)}, nm.captured(2).at(0), date))
                return false;
        } else {
            static const QRegularExpression KSplit(QStringLiteral("[\\s,\\-/.]+"));
            QStringList words = s.split(KSplit, Qt::SkipEmptyParts);
            if (!words.isEmpty() && IsWeekday(words.first()) && MonthFromName(words.first()) == 0)
                words.removeFirst();
            if (!WordDate(words, date))
                return false;
        }
    } else if (!hasTime) {
        return false;
    }
    stored = FormatAccessDate(QDateTime(date, time));
    return true;
}

bool TryAccessDateFromSerial(double serial, QString& stored)
{
    if (!std::isfinite(serial) || serial < -657434.0 || serial >= 2958466.0)
        return false;
    const double days = std::floor(serial);
    // The fraction is the time of day in both directions from day zero.
    const double fraction = std::fabs(serial - days);
    qint64 seconds = std::llround(fraction * 86400.0);
    QDate date = QDate(1899, 12, 30).addDays(static_cast<qint64>(days));
    if (seconds >= 86400) {
        date = date.addDays(1);
        seconds -= 86400;
    }
    if (date.year() < 100 || date.year() > 9999)
        return false;
    stored = FormatAccessDate(QDateTime(date, QTime(0, 0).addSecs(static_cast<int>(seconds))));
    return true;
}
