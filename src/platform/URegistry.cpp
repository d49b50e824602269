#include "URegistry.h"

#include "UException.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString& StoreFileName()
{
    static QString name;
    return name;
}

const QString SlashEscape = QStringLiteral("_$slash$_");

}  // namespace

void TRegistry::SetStoreFile(const QString& fileName)
{
    StoreFileName() = fileName;
}

QString TRegistry::StoreFile()
{
    if (StoreFileName().isEmpty())
        StoreFileName() = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Corvella/registry.ini");
    return StoreFileName();
}

TRegistry::TRegistry()
{
    const QString file = StoreFile();
    QDir().mkpath(QFileInfo(file).absolutePath());
    FIni = std::make_unique<TMyIniFile>(file);
}

TRegistry::~TRegistry() = default;

QString TRegistry::SectionOf(const QString& key) const
{
    const bool absolute = key.startsWith(QLatin1Char('\\')) || FCurrent.isEmpty();
    QStringList parts;
    for (QString part : key.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        parts.append(part.replace(QLatin1Char('/'), SlashEscape));
    const QString relative = parts.join(QLatin1Char('/'));
    if (absolute)
        return relative;
    return relative.isEmpty() ? FCurrent : FCurrent + QLatin1Char('/') + relative;
}

QString TRegistry::ValueKey(const QString& name)
{
    return name.isEmpty() ? QStringLiteral("@") : name;
}

bool TRegistry::KeyExists(const QString& key) const
{
    const QString section = SectionOf(key);
    if (FIni->SectionExists(section))
        return true;
    TStringList sections;
    FIni->ReadSections(sections);
    const QString prefix = section + QLatin1Char('/');
    for (const QString& s : sections)
        if (s.startsWith(prefix, Qt::CaseInsensitive))
            return true;
    return false;
}

bool TRegistry::OpenKey(const QString& key, bool canCreate)
{
    const QString section = SectionOf(key);
    if (!KeyExists(key)) {
        if (!canCreate)
            return false;
        FIni->AddSection(section);
    }
    FCurrent = section;
    FReadOnly = false;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const QString& key)
{
    if (!OpenKey(key, false))
        return false;
    FReadOnly = true;
    return true;
}

void TRegistry::CloseKey()
{
    FCurrent.clear();
    FReadOnly = false;
}

bool TRegistry::DeleteKey(const QString& key)
{
    const QString section = SectionOf(key);
    if (!KeyExists(key))
        return false;
    TStringList sections;
    FIni->ReadSections(sections);
    const QString prefix = section + QLatin1Char('/');
    FIni->BeginUpdate();
    for (const QString& s : sections)
        if (s.compare(section, Qt::CaseInsensitive) == 0 || s.startsWith(prefix, Qt::CaseInsensitive))
            FIni->EraseSection(s);
    FIni->EndUpdate();
    return true;
}

QString TRegistry::CurrentPath() const
{
    QString path = FCurrent;
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return path.replace(SlashEscape, QStringLiteral("/"));
}

bool TRegistry::ValueExists(const QString& name) const
{
    return !FCurrent.isEmpty() && FIni->ValueExists(FCurrent, ValueKey(name));
}

QString TRegistry::ReadString(const QString& name) const
{
    return FCurrent.isEmpty() ? QString() : FIni->ReadString(FCurrent, ValueKey(name), QString());
}

void TRegistry::WriteString(const QString& name, const QString& value)
{
    if (FCurrent.isEmpty() || FReadOnly)
        throw Exception(QStringLiteral("Failed to set data for '%1'").arg(name));
    FIni->WriteString(FCurrent, ValueKey(name), value);
}

int TRegistry::ReadInteger(const QString& name, int defaultValue) const
{
    return FCurrent.isEmpty() ? defaultValue : FIni->ReadInteger(FCurrent, ValueKey(name), defaultValue);
}

void TRegistry::WriteInteger(const QString& name, int value)
{
    WriteString(name, QString::number(value));
}

bool TRegistry::ReadBool(const QString& name, bool defaultValue) const
{
    return StrToBoolDef(ReadString(name), defaultValue);
}

void TRegistry::WriteBool(const QString& name, bool value)
{
    WriteString(name, BoolToStr(value));
}

bool TRegistry::DeleteValue(const QString& name)
{
    if (!ValueExists(name))
        return false;
    FIni->DeleteKey(FCurrent, ValueKey(name));
    return true;
}

void TRegistry::GetKeyNames(TStringList& names) const
{
    names.Clear();
    TStringList sections;
    FIni->ReadSections(sections);
    const QString prefix = FCurrent.isEmpty() ? QString() : FCurrent + QLatin1Char('/');
    for (const QString& s : sections) {
        if (!s.startsWith(prefix, Qt::CaseInsensitive) || s.size() == prefix.size())
            continue;
        const QString child = s.mid(prefix.size()).section(QLatin1Char('/'), 0, 0);
        if (!child.isEmpty() && names.IndexOf(child) < 0)
            names.Add(child);
    }
}

void TRegistry::GetValueNames(TStringList& names) const
{
    names.Clear();
    if (FCurrent.isEmpty())
        return;
    FIni->ReadSection(FCurrent, names);
}
