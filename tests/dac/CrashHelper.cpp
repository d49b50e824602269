// Writes rows into an engine file until it is killed. Arguments: the file,
// then "hold" (commit 2,000 rows in batches of 1,000, insert 500 more in an
// open transaction, print "ready" and wait) or "stream" (batches of 1,000 rows
// without end, "ready" after the first commit).

#include "UUniConnection.h"
#include "UUniQuery.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    TUniConnection connection;
    connection.SetProviderName(QStringLiteral("Access"));
    connection.SetDatabase(QString::fromLocal8Bit(argv[1]));
    connection.Open();
    const bool hold = QByteArray(argv[2]) == "hold";
    TUniQuery q(&connection);
    q.SetSQL(QStringLiteral("insert into [t] ([n],[s]) values (:n,:s)"));
    q.Prepare();
    connection.StartTransaction();
    for (int i = 0;; ++i) {
        q.ParamByName(QStringLiteral("n")).SetAsInteger(i);
        q.ParamByName(QStringLiteral("s")).SetAsString(QStringLiteral("row %1 with some text to fill pages").arg(i));
        q.Execute();
        if ((i + 1) % 1000 == 0) {
            connection.Commit();
            connection.StartTransaction();
            if (i + 1 == 1000 && !hold) {
                std::puts("ready");
                std::fflush(stdout);
            }
        }
        if (hold && i + 1 == 2500) {
            std::puts("ready");
            std::fflush(stdout);
            for (;;)
                pause();
        }
    }
}
