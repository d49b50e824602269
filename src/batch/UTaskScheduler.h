#pragma once
// Scheduled tasks over the user's crontab: a task is one line that runs a
// batch file with sh, tagged with a comment that names the task. Every other
// line of the crontab stays as it was.

#include <QString>
#include <QList>

struct TScheduledTask {
    QString Name;
    QString Schedule;   // the five time fields, or a macro such as "@daily"
    QString BatchFile;
};

class TTaskScheduler {
public:
    // The crontab program; tests use a stand-in with the same "-l" and "-" calls.
    static void SetCrontabProgram(const QString& program);
    static QString CrontabProgram();

    QList<TScheduledTask> List() const;
    // Replaces a task of the same name.
    void CreateTask(const TScheduledTask& task);
    // False when there is no such task.
    bool DeleteTask(const QString& name);
    // Starts the task's batch file now, detached; false when there is no such task.
    bool RunNow(const QString& name) const;

    // "" when the schedule is usable, else the reason.
    static QString CheckSchedule(const QString& schedule);
    static QString TaskLine(const TScheduledTask& task);
    // Parses one line written by TaskLine; false for every other line.
    static bool ParseTaskLine(const QString& line, TScheduledTask& task);

private:
    QStringList ReadCrontab() const;
    void WriteCrontab(const QStringList& lines) const;
};
