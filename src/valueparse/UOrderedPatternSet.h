#pragma once
// An ordered list of anchored patterns: which is the first pattern that
// matches a whole text. Each pattern is compiled once. Before a pattern is
// run, a signature of the characters in the text is compared with what the
// pattern can match and what it must contain, so most patterns that cannot
// match cost two mask tests instead of a match call (each call allocates
// its own match data).

#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstdint>

// Which characters occur in a text: the ASCII ones bit by bit, the others as one flag.
struct TCharSignature {
    uint64_t Low = 0;   // code points 0-63
    uint64_t High = 0;  // code points 64-127
    bool NonAscii = false;
    bool Space = false;  // any white space

    void Add(QChar c);
    void Merge(const TCharSignature& other);
    bool Contains(const TCharSignature& other) const;

    static TCharSignature Of(const QString& text);
    static TCharSignature All();
};

class TOrderedPatternSet {
public:
    // Every pattern must be anchored with "^" itself.
    explicit TOrderedPatternSet(const QStringList& patterns);

    // Index of the first pattern that matches text, -1 when none does.
    int FirstMatch(const QString& text) const;

    int Count() const { return FEntries.size(); }

private:
    struct TEntry {
        QRegularExpression Pattern;
        TCharSignature Possible;  // every character a match can contain
        TCharSignature Required;  // characters every match contains
    };
    QList<TEntry> FEntries;
};
