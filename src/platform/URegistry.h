#pragma once
// The current user's registry, kept in one INI file. A key path such as
// "Software\Corvella\Ambertide" is a section "[Software/Corvella/Ambertide]";
// a "/" inside one key name is written "_$slash$_". Key and value names
// compare without letter case, as in the registry.

#include "UMyIniFile.h"
#include "UStringList.h"

#include <memory>

class TRegistry {
public:
    TRegistry();
    ~TRegistry();

    // The store file; tests point it at a temporary file.
    static void SetStoreFile(const QString& fileName);
    static QString StoreFile();

    // A path starting with "\" or given with no key open is absolute,
    // anything else is below the open key.
    bool OpenKey(const QString& key, bool canCreate);
    bool OpenKeyReadOnly(const QString& key);
    void CloseKey();
    bool KeyExists(const QString& key) const;
    // Removes the key with its values and all its subkeys.
    bool DeleteKey(const QString& key);
    // The open key, written with "\".
    QString CurrentPath() const;

    bool ValueExists(const QString& name) const;
    QString ReadString(const QString& name) const;
    void WriteString(const QString& name, const QString& value);
    int ReadInteger(const QString& name, int defaultValue) const;
    void WriteInteger(const QString& name, int value);
    bool ReadBool(const QString& name, bool defaultValue) const;
    // Written "-1" and "0".
    void WriteBool(const QString& name, bool value);
    bool DeleteValue(const QString& name);

    // Names of the open key's direct subkeys, as stored.
    void GetKeyNames(TStringList& names) const;
    void GetValueNames(TStringList& names) const;

private:
    QString SectionOf(const QString& key) const;
    static QString ValueKey(const QString& name);

    std::unique_ptr<TMyIniFile> FIni;
    QString FCurrent;   // section of the open key, "" when none
    bool FReadOnly = false;
};
