#pragma once
// Helpers shared by the tests: temporary folders and small file routines.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <ostream>

// Readable QString values in GoogleTest failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray& b, std::ostream* os) { *os << '"' << b.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '[' << l.join(QStringLiteral("|")).toStdString() << ']'; }

// A fresh folder removed with the object; Path() ends without "/".
class TTestDir {
public:
    TTestDir();
    QString Path() const { return FDir.path(); }
    QString File(const QString& name) const { return FDir.filePath(name); }

private:
    QTemporaryDir FDir;
};

QByteArray ReadFileBytes(const QString& fileName);
QString ReadFileText(const QString& fileName);  // UTF-8
void WriteFileBytes(const QString& fileName, const QByteArray& bytes);
void WriteFileText(const QString& fileName, const QString& text);  // UTF-8, no mark
QString TestDataPath(const QString& name);
// The message of the Exception that f raises, "" when it raises none.
QString ErrorOf(const std::function<void()>& f);
