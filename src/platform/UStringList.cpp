#include "UStringList.h"

int TStringList::IndexOf(const QString& s) const
{
    for (int i = 0; i < FItems.size(); ++i)
        if (FItems[i].compare(s, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfName(const QString& name) const
{
    for (int i = 0; i < FItems.size(); ++i) {
        const QString& item = FItems[i];
        const int eq = item.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(item).left(eq).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TStringList::Names(int index) const
{
    const QString& item = FItems[index];
    const int eq = item.indexOf(QLatin1Char('='));
    return eq >= 0 ? item.left(eq) : QString();
}

QString TStringList::ValueFromIndex(int index) const
{
    const QString& item = FItems[index];
    const int eq = item.indexOf(QLatin1Char('='));
    return eq >= 0 ? item.mid(eq + 1) : QString();
}

QString TStringList::Values(const QString& name) const
{
    const int i = IndexOfName(name);
    return i >= 0 ? ValueFromIndex(i) : QString();
}

void TStringList::SetValue(const QString& name, const QString& value)
{
    const int i = IndexOfName(name);
    if (value.isEmpty()) {
        if (i >= 0)
            FItems.removeAt(i);
        return;
    }
    const QString entry = name + QLatin1Char('=') + value;
    if (i >= 0)
        FItems[i] = entry;
    else
        FItems.append(entry);
}

QString TStringList::Text() const
{
    QString result;
    qsizetype size = 0;
    for (const QString& s : FItems)
        size += s.size() + 2;
    result.reserve(size);
    for (const QString& s : FItems) {
        result += s;
        result += QLatin1String("\r\n");
    }
    return result;
}

void TStringList::SetText(const QString& text)
{
    FItems.clear();
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            FItems.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        FItems.append(text.mid(start));
}

QString TStringList::DelimitedText(QChar delimiter) const
{
    QStringList parts;
    for (const QString& s : FItems) {
        const bool quote = s.isEmpty() ? false
            : (s.contains(delimiter) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char(' ')));
        if (quote) {
            QString q = s;
            q.replace(QLatin1String("\""), QLatin1String("\"\""));
            parts.append(QLatin1Char('"') + q + QLatin1Char('"'));
        } else {
            parts.append(s);
        }
    }
    return parts.join(delimiter);
}

void TStringList::SetDelimitedText(const QString& text, QChar delimiter)
{
    FItems.clear();
    if (text.isEmpty())
        return;
    QString current;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    current += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == delimiter) {
            FItems.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    FItems.append(current);
}

QString BoolToStr(bool value)
{
    return value ? QStringLiteral("-1") : QStringLiteral("0");
}

bool TryStrToBool(const QString& text, bool& value)
{
    const QString t = text.trimmed();
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok);
    if (ok) {
        value = n != 0;
        return true;
    }
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        value = true;
        return true;
    }
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        value = false;
        return true;
    }
    return false;
}

bool StrToBoolDef(const QString& text, bool defaultValue)
{
    bool value = defaultValue;
    return TryStrToBool(text, value) ? value : defaultValue;
}
