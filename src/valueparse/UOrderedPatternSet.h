#pragma once
// An ordered list of anchored patterns answered as one: which is the first
// pattern that matches a whole text. The patterns are joined into a single
// alternation compiled once, so a text that matches nothing costs one JIT run
// instead of one match call per pattern (each call allocates its own match
// data). Alternatives are tried left to right, which keeps the list order as
// the priority.

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

class TOrderedPatternSet {
public:
    // Every pattern must be anchored with "^" and "$" itself.
    explicit TOrderedPatternSet(const QStringList& patterns);

    // Index of the first pattern that matches text, -1 when none does.
    int FirstMatch(const QString& text) const;

    int Count() const { return FGroups.size(); }

private:
    QRegularExpression FCombined;
    QList<int> FGroups;  // the capture group that wraps each pattern
};
