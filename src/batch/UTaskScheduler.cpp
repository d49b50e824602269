#include "UTaskScheduler.h"

#include "UException.h"

#include <QProcess>
#include <QRegularExpression>

namespace {

QString& CrontabProgramName()
{
    static QString name = QStringLiteral("crontab");
    return name;
}

const QString TaskTag = QStringLiteral(" # Ambertide task: ");

// A single-quoted word for sh; "%" is a line break to cron unless escaped.
QString ShellQuote(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString ShellUnquote(const QString& word)
{
    QString text = word.mid(1, word.size() - 2);
    text.replace(QStringLiteral("'\\''"), QStringLiteral("'"));
    return text.replace(QStringLiteral("\\%"), QStringLiteral("%"));
}

}  // namespace

void TTaskScheduler::SetCrontabProgram(const QString& program)
{
    CrontabProgramName() = program;
}

QString TTaskScheduler::CrontabProgram()
{
    return CrontabProgramName();
}

QString TTaskScheduler::CheckSchedule(const QString& schedule)
{
    static const QRegularExpression macro(
        QStringLiteral("^@(reboot|yearly|annually|monthly|weekly|daily|midnight|hourly)$"));
    static const QRegularExpression field(QStringLiteral("^[0-9*/,\\-A-Za-z]+$"));
    const QString s = schedule.trimmed();
    if (macro.match(s).hasMatch())
        return QString();
    const QStringList fields = s.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() != 5)
        return QStringLiteral("A schedule has five time fields (minute hour day month weekday): \"%1\"").arg(schedule);
    for (const QString& f : fields)
        if (!field.match(f).hasMatch())
            return QStringLiteral("Invalid schedule field \"%1\" in \"%2\"").arg(f, schedule);
    return QString();
}

QString TTaskScheduler::TaskLine(const TScheduledTask& task)
{
    return task.Schedule.simplified() + QStringLiteral(" sh ") + ShellQuote(task.BatchFile) + TaskTag + task.Name;
}

bool TTaskScheduler::ParseTaskLine(const QString& line, TScheduledTask& task)
{
    const int tag = line.lastIndexOf(TaskTag);
    if (tag < 0)
        return false;
    const QString command = line.left(tag);
    const int sh = command.indexOf(QStringLiteral(" sh '"));
    if (sh < 0 || !command.endsWith(QLatin1Char('\'')))
        return false;
    task.Name = line.mid(tag + TaskTag.size());
    task.Schedule = command.left(sh);
    task.BatchFile = ShellUnquote(command.mid(sh + 4));
    return true;
}

QStringList TTaskScheduler::ReadCrontab() const
{
    QProcess p;
    p.start(CrontabProgram(), {QStringLiteral("-l")});
    if (!p.waitForFinished(30000))
        throw Exception(QStringLiteral("Cannot run \"%1 -l\": %2").arg(CrontabProgram(), p.errorString()));
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    if (p.exitStatus() != QProcess::NormalExit)
        throw Exception(QStringLiteral("\"%1 -l\" failed").arg(CrontabProgram()));
    // A user without a crontab gets exit code 1 and "no crontab for ..." on stderr.
    if (p.exitCode() != 0) {
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        if (err.contains(QStringLiteral("no crontab"), Qt::CaseInsensitive))
            return {};
        throw Exception(QStringLiteral("\"%1 -l\" failed: %2").arg(CrontabProgram(), err.trimmed()));
    }
    QStringList lines = out.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TTaskScheduler::WriteCrontab(const QStringList& lines) const
{
    QProcess p;
    p.start(CrontabProgram(), {QStringLiteral("-")});
    if (!p.waitForStarted(30000))
        throw Exception(QStringLiteral("Cannot run \"%1 -\": %2").arg(CrontabProgram(), p.errorString()));
    QString text = lines.join(QLatin1Char('\n'));
    if (!text.isEmpty())
        text += QLatin1Char('\n');
    p.write(text.toLocal8Bit());
    p.closeWriteChannel();
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw Exception(QStringLiteral("\"%1 -\" failed: %2")
                            .arg(CrontabProgram(), QString::fromLocal8Bit(p.readAllStandardError()).trimmed()));
}

QList<TScheduledTask> TTaskScheduler::List() const
{
    QList<TScheduledTask> tasks;
    for (const QString& line : ReadCrontab()) {
        TScheduledTask task;
        if (ParseTaskLine(line, task))
            tasks.append(task);
    }
    return tasks;
}

void TTaskScheduler::CreateTask(const TScheduledTask& task)
{
    if (task.Name.trimmed().isEmpty() || task.Name.contains(QLatin1Char('\n')))
        throw Exception(QStringLiteral("Please enter a task name."));
    const QString problem = CheckSchedule(task.Schedule);
    if (!problem.isEmpty())
        throw Exception(problem);
    QStringList lines;
    for (const QString& line : ReadCrontab()) {
        TScheduledTask existing;
        if (!ParseTaskLine(line, existing) || existing.Name != task.Name)
            lines.append(line);
    }
    lines.append(TaskLine(task));
    WriteCrontab(lines);
}

bool TTaskScheduler::DeleteTask(const QString& name)
{
    QStringList lines;
    bool found = false;
    for (const QString& line : ReadCrontab()) {
        TScheduledTask existing;
        if (ParseTaskLine(line, existing) && existing.Name == name)
            found = true;
        else
            lines.append(line);
    }
    if (found)
        WriteCrontab(lines);
    return found;
}

bool TTaskScheduler::RunNow(const QString& name) const
{
    for (const TScheduledTask& task : List())
        if (task.Name == name)
            return QProcess::startDetached(QStringLiteral("sh"), {task.BatchFile});
    return false;
}
