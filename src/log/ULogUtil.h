#pragma once
// The file line writer: one process-wide lock around open, append, close.

#include <QDateTime>
#include <QString>

// "yyyy-mm-dd hh:mm:ss:zzz" with the user's time separator in place of the colons.
QString FormatLogStamp(const QDateTime& time);
// Appends "[" + stamp + "] " + text + CR LF in the system's encoding. Does
// nothing for an empty file name; a failed write raises EInOutError.
void AppendLogLine(const QString& fileName, const QString& text);
