#pragma once
// Per-user settings read at start-up: the show-launch flag (registry value
// "NotShowLaunch"), and "config.ini" in the program's data folder with the
// default field type of new tables and the database read buffer.

#include <QString>

namespace AppSettings {
inline const QString RegistryKey = QStringLiteral("Software\\Corvella\\Ambertide");
}

// UAppSettings
bool GetShowLaunch();
void SetShowLaunch(bool show);
// Reads "NotShowLaunch"; a missing or non-boolean value leaves show-launch on.
void LoadAppSettings();
// Writes the negated flag at once as "-1" or "0".
void SaveAppSettings();

// UDBImportSettings: [DBImport] DefaultFieldType, read only when config.ini exists.
QString GetDefaultFieldType();
void SetDefaultFieldType(const QString& fieldType);
void LoadDBImportSettings();
// Written by the options dialog.
void SaveDBImportSettings();

// UDBReadSettings: [DBRead] ReadBuffer, and [Unload] ReadBuffer when the first reads as 50.
int GetReadBufferSetting();  // as read
int GetReadBuffer();         // values outside 1..65535 become 50
void LoadDBReadSettings();

QString ConfigIniFileName();
