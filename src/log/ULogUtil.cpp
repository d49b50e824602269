#include "ULogUtil.h"

#include "UException.h"
#include "UTextCodec.h"
#include "UUserLocale.h"

#include <QFile>
#include <mutex>

namespace {
std::mutex LogFileLock;
}

QString FormatLogStamp(const QDateTime& time)
{
    const QChar sep = TUserLocale::TimeSeparator();
    const QTime t = time.time();
    return time.date().toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char(' ')
        + QStringLiteral("%1%2%3%4%5%6%7")
              .arg(t.hour(), 2, 10, QLatin1Char('0'))
              .arg(sep)
              .arg(t.minute(), 2, 10, QLatin1Char('0'))
              .arg(sep)
              .arg(t.second(), 2, 10, QLatin1Char('0'))
              .arg(sep)
              .arg(t.msec(), 3, 10, QLatin1Char('0'));
}

void AppendLogLine(const QString& fileName, const QString& text)
{
    if (fileName.isEmpty())
        return;
    const QByteArray bytes = EncodeText(QLatin1Char('[') + FormatLogStamp(QDateTime::currentDateTime())
                                            + QStringLiteral("] ") + text + QStringLiteral("\r\n"),
                                        Encodings::Ansi, false);
    // No handle is kept between lines: another program may read or move the log at any time.
    std::lock_guard<std::mutex> guard(LogFileLock);
    QFile f(fileName);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        throw EInOutError(f.errorString());
    if (f.write(bytes) != bytes.size())
        throw EInOutError(f.errorString());
    f.close();
}
