#include "UValueText.h"

namespace ValueText {

QString Unquote(const QString& text, QChar quote)
{
    if (text.isEmpty() || text.front() != quote)
        return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == quote) {
            if (i + 1 < text.size() && text[i + 1] == quote) {
                result += quote;
                ++i;
                continue;
            }
            break;
        }
        result += c;
    }
    return result;
}

QString Before(const QString& text, const QString& sep)
{
    const qsizetype at = text.indexOf(sep);
    return at < 0 ? QString() : text.left(at);
}

QString After(const QString& text, const QString& sep)
{
    const qsizetype at = text.indexOf(sep);
    return at < 0 ? QString() : text.mid(at + sep.size());
}

QString ReplaceFirst(const QString& text, const QString& what, const QString& with)
{
    const qsizetype at = text.indexOf(what);
    if (at < 0 || what.isEmpty())
        return text;
    QString result = text;
    result.replace(at, what.size(), with);
    return result;
}

QString Left(const QString& text, qsizetype n)
{
    return n <= 0 ? QString() : text.left(n);
}

QString Right(const QString& text, qsizetype n)
{
    return n <= 0 ? QString() : text.right(n);
}

}  // namespace ValueText
