#include "UDataConvertModel.h"

#include "UException.h"
#include "UTextCodec.h"

#include <QFile>

QString TDataConvertModel::GetDescription() const
{
    return QStringLiteral("DataConvertModel class ") + ClassName();
}

void TDataConvertModel::SaveToFile(const QString& fileName, const QString& section)
{
    TMyIniFile ini(fileName);
    ini.BeginUpdate();
    SaveToIni(ini, section);
    ini.EndUpdate();
}

void TDataConvertModel::LoadFromFile(const QString& fileName, const QString& section)
{
    const TMyIniFile ini(fileName);
    LoadFromIni(ini, section);
}

QString TDataConvertModel::FindSectionOfText(const QString& text)
{
    struct TMarker {
        const char* marker;
        const char* section;
    };
    static const TMarker markers[] = {
        {"[load]", "Load"}, {"[unload]", "Unload"}, {"[import]", "Import"},
        {"[export]", "Export"}, {"[convert]", "Convert"},
    };
    const QString lower = text.toLower();
    for (const TMarker& m : markers)
        if (lower.contains(QLatin1String(m.marker)))
            return QLatin1String(m.section);
    return QString();
}

QString TDataConvertModel::FindSectionOfFile(const QString& fileName)
{
    return FindSectionOfText(ReadSessionFileText(fileName));
}

QString ReadSessionFileText(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, f.errorString()));
    const QByteArray bytes = f.readAll();
    QString encoding = EncodingFromBom(bytes);
    if (encoding.isEmpty())
        encoding = Encodings::Ansi;
    return DecodeText(bytes, encoding);
}

QString ReadSessionString(const TMyIniFile& ini, const QString& section, const QString& key,
                          const QString& defaultValue)
{
    return ini.ReadString(section, key, defaultValue);
}

QString ReadSessionStringOrLegacy(const TMyIniFile& ini, const QString& section, const QString& key,
                                  const QString& legacyKey)
{
    const QString value = ini.ReadString(section, key, QString());
    return value.isEmpty() ? ini.ReadString(section, legacyKey, QString()) : value;
}

int ReadSessionInteger(const TMyIniFile& ini, const QString& section, const QString& key, int defaultValue)
{
    return ini.ReadInteger(section, key, defaultValue);
}

bool ReadSessionBool(const TMyIniFile& ini, const QString& section, const QString& key, bool defaultValue)
{
    bool ok = false;
    const int value = ini.ReadString(section, key, QString()).trimmed().toInt(&ok);
    return ok ? value != 0 : defaultValue;
}

void WriteSessionBool(TMyIniFile& ini, const QString& section, const QString& key, bool value)
{
    ini.WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString JoinBarList(const QStringList& items)
{
    return items.join(QLatin1Char('|'));
}

QStringList SplitBarList(const QString& text)
{
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('|'));
}
