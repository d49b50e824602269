#include "TestUtil.h"

#include "UException.h"

#include <QFile>
#include <stdexcept>

TTestDir::TTestDir()
{
    if (!FDir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QByteArray ReadFileBytes(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

QString ReadFileText(const QString& fileName)
{
    return QString::fromUtf8(ReadFileBytes(fileName));
}

void WriteFileBytes(const QString& fileName, const QByteArray& bytes)
{
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + fileName.toStdString());
}

void WriteFileText(const QString& fileName, const QString& text)
{
    WriteFileBytes(fileName, text.toUtf8());
}

QString TestDataPath(const QString& name)
{
    return QStringLiteral(AMBERTIDE_TEST_DATA "/") + name;
}

QString ErrorOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return QString();
}
