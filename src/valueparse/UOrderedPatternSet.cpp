#include "UOrderedPatternSet.h"

#include "UException.h"

TOrderedPatternSet::TOrderedPatternSet(const QStringList& patterns)
{
    QString combined;
    int group = 1;
    for (const QString& pattern : patterns) {
        const QRegularExpression single(pattern);
        if (!single.isValid())
            throw Exception(QStringLiteral("Invalid pattern ") + pattern + QStringLiteral(": ") +
                            single.errorString());
        if (!combined.isEmpty())
            combined += QLatin1Char('|');
        combined += QLatin1Char('(') + pattern + QLatin1Char(')');
        FGroups.append(group);
        group += 1 + single.captureCount();
    }
    FCombined.setPattern(combined);
    FCombined.optimize();
}

int TOrderedPatternSet::FirstMatch(const QString& text) const
{
    if (FGroups.isEmpty())
        return -1;
    const QRegularExpressionMatch match =
        FCombined.match(text, 0, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
    if (!match.hasMatch())
        return -1;
    // Only the groups of the alternative that matched are set.
    for (int i = 0; i < FGroups.size(); ++i)
        if (match.capturedStart(FGroups[i]) >= 0)
            return i;
    return -1;
}
