#include "UMyIniFile.h"

#include "UException.h"
#include "UTextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

TIniFile::TIniFile(QString fileName) : FFileName(std::move(fileName)) {}

TIniFile::~TIniFile()
{
    // A destructor must not throw; an unsaved batch is lost only when the disk refuses it.
    if (FDirty) {
        try {
            UpdateFile();
        } catch (...) {
        }
    }
}

bool TIniFile::IsSectionLine(const QString& line, QString* name)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    if (name) {
        const int close = t.indexOf(QLatin1Char(']'));
        *name = (close < 0 ? t.mid(1) : t.mid(1, close - 1)).trimmed();
    }
    return true;
}

bool TIniFile::SplitKeyLine(const QString& line, QString* key, QString* value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const int eq = t.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    if (key)
        *key = t.left(eq).trimmed();
    if (value)
        *value = t.mid(eq + 1).trimmed();
    return true;
}

void TIniFile::Reload() const
{
    // Another writer (another object, another process) may have changed the file.
    const QFileInfo info(FFileName);
    const bool exists = info.exists();
    const QDateTime stamp = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;
    if (FLoaded && (FDirty || (stamp == FLoadedStamp && size == FLoadedSize)))
        return;
    FLines.clear();
    FEncoding = QStringLiteral("Ansi");
    FLineBreak = QStringLiteral("\r\n");
    if (exists) {
        QFile f(FFileName);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = f.readAll();
            const QString enc = EncodingFromBom(bytes);
            if (!enc.isEmpty())
                FEncoding = enc;
            const QString text = DecodeText(bytes, FEncoding);
            const int firstLf = text.indexOf(QLatin1Char('\n'));
            if (firstLf > 0 && text[firstLf - 1] != QLatin1Char('\r'))
                FLineBreak = QStringLiteral("\n");
            TStringList lines;
            lines.SetText(text);
            FLines = lines.List();
        }
    }
    FLoadedStamp = stamp;
    FLoadedSize = size;
    FLoaded = true;
}

int TIniFile::FindSection(const QString& section) const
{
    QString name;
    for (int i = 0; i < FLines.size(); ++i)
        if (IsSectionLine(FLines[i], &name) && name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TIniFile::SectionEnd(int sectionLine) const
{
    int i = sectionLine + 1;
    while (i < FLines.size() && !IsSectionLine(FLines[i]))
        ++i;
    return i;
}

int TIniFile::FindKey(int sectionLine, const QString& ident) const
{
    const int end = SectionEnd(sectionLine);
    QString key;
    for (int i = sectionLine + 1; i < end; ++i)
        if (SplitKeyLine(FLines[i], &key, nullptr) && key.compare(ident, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString TIniFile::ReadValue(const QString& section, const QString& ident, const QString& defaultValue, int limit) const
{
    Reload();
    const int s = FindSection(section);
    if (s < 0)
        return defaultValue;
    const int k = FindKey(s, ident);
    if (k < 0)
        return defaultValue;
    QString value;
    SplitKeyLine(FLines[k], nullptr, &value);
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first)
            value = value.mid(1, value.size() - 2);
    }
    if (value.size() > limit)
        value.truncate(limit);
    return value;
}

QString TIniFile::ReadString(const QString& section, const QString& ident, const QString& defaultValue) const
{
    return ReadValue(section, ident, defaultValue, OrdinaryValueLimit);
}

QString TMyIniFile::ReadString(const QString& section, const QString& ident, const QString& defaultValue) const
{
    return ReadValue(section, ident, defaultValue, LongValueLimit);
}

void TIniFile::WriteString(const QString& section, const QString& ident, const QString& value)
{
    Reload();
    const QString line = ident + QLatin1Char('=') + value;
    int s = FindSection(section);
    if (s < 0) {
        FLines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        FLines.append(line);
    } else {
        const int k = FindKey(s, ident);
        if (k >= 0) {
            QString oldKey;
            SplitKeyLine(FLines[k], &oldKey, nullptr);
            FLines[k] = oldKey + QLatin1Char('=') + value;
        } else {
            // After the last non-blank line of the section, so a blank separator stays below it.
            int at = SectionEnd(s);
            while (at - 1 > s && FLines[at - 1].trimmed().isEmpty())
                --at;
            FLines.insert(at, line);
        }
    }
    Changed();
}

int TIniFile::ReadInteger(const QString& section, const QString& ident, int defaultValue) const
{
    const QString text = ReadString(section, ident, QString()).trimmed();
    bool ok = false;
    int value = 0;
    if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok);
    return ok ? value : defaultValue;
}

void TIniFile::WriteInteger(const QString& section, const QString& ident, int value)
{
    WriteString(section, ident, QString::number(value));
}

bool TIniFile::ReadBool(const QString& section, const QString& ident, bool defaultValue) const
{
    return StrToBoolDef(ReadString(section, ident, QString()), defaultValue);
}

void TIniFile::WriteBool(const QString& section, const QString& ident, bool value)
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool TIniFile::SectionExists(const QString& section) const
{
    Reload();
    return FindSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& ident) const
{
    Reload();
    const int s = FindSection(section);
    return s >= 0 && FindKey(s, ident) >= 0;
}

void TIniFile::ReadSection(const QString& section, TStringList& idents) const
{
    idents.Clear();
    Reload();
    const int s = FindSection(section);
    if (s < 0)
        return;
    const int end = SectionEnd(s);
    QString key;
    for (int i = s + 1; i < end; ++i)
        if (SplitKeyLine(FLines[i], &key, nullptr))
            idents.Add(key);
}

void TIniFile::ReadSections(TStringList& sections) const
{
    sections.Clear();
    Reload();
    QString name;
    for (const QString& line : FLines)
        if (IsSectionLine(line, &name) && sections.IndexOf(name) < 0)
            sections.Add(name);
}

void TIniFile::ReadSectionValues(const QString& section, TStringList& values) const
{
    values.Clear();
    TStringList idents;
    ReadSection(section, idents);
    for (const QString& ident : idents)
        values.Add(ident + QLatin1Char('=') + ReadValue(section, ident, QString(), LongValueLimit));
}

void TIniFile::AddSection(const QString& section)
{
    Reload();
    if (FindSection(section) >= 0)
        return;
    FLines.append(QLatin1Char('[') + section + QLatin1Char(']'));
    Changed();
}

void TIniFile::EraseSection(const QString& section)
{
    Reload();
    const int s = FindSection(section);
    if (s < 0)
        return;
    FLines.erase(FLines.begin() + s, FLines.begin() + SectionEnd(s));
    Changed();
}

void TIniFile::DeleteKey(const QString& section, const QString& ident)
{
    Reload();
    const int s = FindSection(section);
    if (s < 0)
        return;
    const int k = FindKey(s, ident);
    if (k < 0)
        return;
    FLines.removeAt(k);
    Changed();
}

void TIniFile::BeginUpdate()
{
    ++FUpdateCount;
}

void TIniFile::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FDirty)
        UpdateFile();
}

void TIniFile::Changed()
{
    FDirty = true;
    if (FUpdateCount == 0)
        UpdateFile();
}

void TIniFile::UpdateFile()
{
    if (!FDirty)
        return;
    QString text;
    for (const QString& line : FLines) {
        text += line;
        text += FLineBreak;
    }
    // Written whole to a temporary file and then renamed over the original, so a
    // crash or a full disk leaves the old file or the new one, never a torn one.
    QSaveFile f(FFileName);
    const bool ok = f.open(QIODevice::WriteOnly) && f.write(EncodeText(text, FEncoding, true)) >= 0 && f.commit();
    if (!ok)
        throw EInOutError(QStringLiteral("Unable to write to %1").arg(FFileName));
    FDirty = false;
    const QFileInfo info(FFileName);
    FLoadedStamp = info.lastModified();
    FLoadedSize = info.size();
}
