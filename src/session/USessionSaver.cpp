#include "USessionSaver.h"

#include "UAppFolders.h"
#include "UConvertSession.h"

#include <QFile>
#include <QFileInfo>

QString TSessionSaver::DialogLabel() const
{
    QString text = FSession.GetNameOrDescription();
    text.replace(QLatin1String("\r\n"), QLatin1String("  "));
    text.replace(QLatin1Char('\n'), QLatin1String("  "));
    text.replace(QLatin1Char('\r'), QLatin1String("  "));
    return QStringLiteral("Save Session (") + text + QLatin1Char(')');
}

bool TSessionSaver::ResolveFileName(const QString& text, const QString& defaultExt, QString& fileName, QString& error)
{
    QString name = text.trimmed();
    if (name.isEmpty()) {
        error = QStringLiteral("Please choose/enter Sessoin file.");
        return false;
    }
    const QFileInfo info(name);
    if (info.fileName() == name) {
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        name = GetDocumentsFolder() + name;
    }
    if (QFileInfo(name).suffix().isEmpty())
        name += QLatin1Char('.') + defaultExt;
    if (!QFileInfo::exists(name)) {
        QFile f(name);
        if (!f.open(QIODevice::WriteOnly) || f.write("\r\n") != 2) {
            error = QStringLiteral("Can not create Session file \"%1\": %2, please select another file.")
                        .arg(name, f.errorString());
            return false;
        }
    }
    fileName = name;
    error.clear();
    return true;
}

void TSessionSaver::Save(const QString& fileName, bool makeBatchFile)
{
    FMakeBatchFile = makeBatchFile;
    FSession.SaveToFile(fileName);
}
