#include "UOrderedPatternSet.h"

#include "UException.h"

namespace {

bool IsSpaceCode(ushort u)
{
    return u == ' ' || (u >= 9 && u <= 13);
}

void AddRange(TCharSignature& s, ushort from, ushort to)
{
    for (ushort u = from; u <= to; ++u)
        s.Add(QChar(u));
}

void AddDigits(TCharSignature& s) { AddRange(s, '0', '9'); }

void AddSpaces(TCharSignature& s)
{
    AddRange(s, 9, 13);
    s.Add(QLatin1Char(' '));
}

void AddWord(TCharSignature& s)
{
    AddDigits(s);
    AddRange(s, 'A', 'Z');
    AddRange(s, 'a', 'z');
    s.Add(QLatin1Char('_'));
    s.NonAscii = true;  // on the safe side of the matcher's tables
}

// What the escape at pattern[i] ("\d", "\s", "\.", ...) can match. Returns
// false for escapes this reader does not know, which callers treat as "any".
bool AddEscape(TCharSignature& s, QChar e)
{
    switch (e.unicode()) {
    case 'd': AddDigits(s); return true;
    case 's': AddSpaces(s); return true;
    case 'w': AddWord(s); return true;
    default:
        if (e.isLetterOrNumber())
            return false;
        s.Add(e);  // an escaped punctuation character stands for itself
        return true;
    }
}

struct TPatternSignatures {
    TCharSignature Possible;
    TCharSignature Required;
};

// A conservative reading of a pattern: Possible may hold more than the
// pattern can match and Required less than it must, never the other way
// round. Anything not understood makes Possible "all characters" and drops
// the requirement.
TPatternSignatures ReadPattern(const QString& p)
{
    TPatternSignatures result;
    TCharSignature& possible = result.Possible;
    TCharSignature required;
    int depth = 0;
    const qsizetype n = p.size();
    auto optionalNext = [&](qsizetype next) {
        return next < n && (p[next] == QLatin1Char('?') || p[next] == QLatin1Char('*') ||
                            (p[next] == QLatin1Char('{') && next + 1 < n && p[next + 1] == QLatin1Char('0')));
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = p[i];
        if (c == QLatin1Char('\\')) {
            if (i + 1 >= n)
                return {TCharSignature::All(), {}};
            const QChar e = p[++i];
            TCharSignature one;
            if (!AddEscape(one, e))
                return {TCharSignature::All(), {}};
            possible.Merge(one);
            if (depth == 0 && !optionalNext(i + 1)) {
                if (e == QLatin1Char('s'))
                    required.Space = true;
                else if (e != QLatin1Char('d') && e != QLatin1Char('w'))
                    required.Add(e);
            }
            continue;
        }
        if (c == QLatin1Char('[')) {
            qsizetype j = i + 1;
            const bool negated = j < n && p[j] == QLatin1Char('^');
            if (negated) {
                // A negated class admits nearly everything.
                possible = TCharSignature::All();
            }
            if (negated)
                ++j;
            bool first = true;
            for (; j < n && (first || p[j] != QLatin1Char(']')); ++j) {
                first = false;
                QChar m = p[j];
                if (m == QLatin1Char('\\') && j + 1 < n) {
                    if (!negated && !AddEscape(possible, p[++j]))
                        possible = TCharSignature::All();
                    if (negated)
                        ++j;
                    continue;
                }
                if (!negated && j + 2 < n && p[j + 1] == QLatin1Char('-') && p[j + 2] != QLatin1Char(']')) {
                    AddRange(possible, m.unicode(), p[j + 2].unicode());
                    j += 2;
                    continue;
                }
                if (!negated)
                    possible.Add(m);
            }
            if (j >= n)
                return {TCharSignature::All(), {}};
            i = j;  // at "]"
            continue;
        }
        switch (c.unicode()) {
        case '(':
            ++depth;
            if (i + 1 < n && p[i + 1] == QLatin1Char('?')) {
                if (i + 2 < n && p[i + 2] == QLatin1Char(':'))
                    i += 2;
                else
                    return {TCharSignature::All(), {}};
            }
            continue;
        case ')': --depth; continue;
        case '|':
            // Top-level branches: each may end anywhere and need nothing.
            if (depth == 0)
                return {TCharSignature::All(), {}};
            continue;
        case '^': case '$': case '?': case '*': case '+': continue;
        case '{':
            // A quantifier: skip its digits.
            while (i < n && p[i] != QLatin1Char('}'))
                ++i;
            continue;
        case '.':
            possible = TCharSignature::All();
            continue;
        default:
            possible.Add(c);
            if (depth == 0 && !optionalNext(i + 1))
                required.Add(c);
        }
    }
    result.Required = required;
    // Without "$" at the end a match may stop anywhere, so the rest of the
    // text can hold anything.
    if (!p.endsWith(QLatin1Char('$')) || p.endsWith(QStringLiteral("\\$")))
        result.Possible = TCharSignature::All();
    return result;
}

}  // namespace

void TCharSignature::Add(QChar c)
{
    const ushort u = c.unicode();
    if (u < 64)
        Low |= uint64_t(1) << u;
    else if (u < 128)
        High |= uint64_t(1) << (u - 64);
    else
        NonAscii = true;
    if (IsSpaceCode(u))
        Space = true;
}

void TCharSignature::Merge(const TCharSignature& other)
{
    Low |= other.Low;
    High |= other.High;
    NonAscii |= other.NonAscii;
    Space |= other.Space;
}

bool TCharSignature::Contains(const TCharSignature& other) const
{
    return (other.Low & ~Low) == 0 && (other.High & ~High) == 0 && (!other.NonAscii || NonAscii) &&
           (!other.Space || Space);
}

TCharSignature TCharSignature::Of(const QString& text)
{
    TCharSignature s;
    qsizetype n = text.size();
    // "$" also matches before a final line feed, which is then no part of the match.
    if (n > 0 && text[n - 1] == QLatin1Char('\n'))
        --n;
    for (qsizetype i = 0; i < n; ++i)
        s.Add(text[i]);
    return s;
}

TCharSignature TCharSignature::All()
{
    TCharSignature s;
    s.Low = s.High = ~uint64_t(0);
    s.NonAscii = s.Space = true;
    return s;
}

TOrderedPatternSet::TOrderedPatternSet(const QStringList& patterns)
{
    for (const QString& pattern : patterns) {
        TEntry entry;
        entry.Pattern.setPattern(pattern);
        if (!entry.Pattern.isValid())
            throw Exception(QStringLiteral("Invalid pattern ") + pattern + QStringLiteral(": ") +
                            entry.Pattern.errorString());
        entry.Pattern.optimize();
        const TPatternSignatures signatures = ReadPattern(pattern);
        entry.Possible = signatures.Possible;
        entry.Required = signatures.Required;
        FEntries.append(std::move(entry));
    }
}

int TOrderedPatternSet::FirstMatch(const QString& text) const
{
    const TCharSignature signature = TCharSignature::Of(text);
    for (int i = 0; i < FEntries.size(); ++i) {
        const TEntry& entry = FEntries[i];
        if (!entry.Possible.Contains(signature) || !signature.Contains(entry.Required))
            continue;
        if (entry.Pattern.match(text).hasMatch())
            return i;
    }
    return -1;
}
