#pragma once
// A connection to one database through a provider. The one provider of this
// program is "Access", the embedded engine: Database is the file path.
// The connection owns its engine session while open.

#include "UStringList.h"

#include <QString>
#include <memory>

class TAccessDatabase;

class TUniConnection {
public:
    TUniConnection();
    TUniConnection(const TUniConnection&) = delete;
    TUniConnection& operator=(const TUniConnection&) = delete;
    ~TUniConnection();

    const QString& ProviderName() const { return FProviderName; }
    void SetProviderName(const QString& name) { FProviderName = name; }
    const QString& Database() const { return FDatabase; }
    void SetDatabase(const QString& database) { FDatabase = database; }
    const QString& Username() const { return FUsername; }
    void SetUsername(const QString& username) { FUsername = username; }
    const QString& Password() const { return FPassword; }
    void SetPassword(const QString& password) { FPassword = password; }
    const QString& Server() const { return FServer; }
    void SetServer(const QString& server) { FServer = server; }
    int Port() const { return FPort; }
    void SetPort(int port) { FPort = port; }
    bool LoginPrompt() const { return FLoginPrompt; }
    void SetLoginPrompt(bool value) { FLoginPrompt = value; }

    // Provider options as name=value ("UseUnicode", "DriverVersion", "LockTimeout", ...).
    // "LockTimeout" is how many milliseconds a statement waits for a file that
    // another connection holds before it fails with the "in use" error (5000).
    // "Synchronous" = "Full" syncs every commit to the disk; by default a commit
    // survives a killed program but not necessarily a power cut.
    TStringList& SpecificOptions() { return FSpecificOptions; }
    const TStringList& SpecificOptions() const { return FSpecificOptions; }
    QString SpecificOption(const QString& name) const { return FSpecificOptions.Values(name); }
    void SetSpecificOption(const QString& name, const QString& value) { FSpecificOptions.SetValue(name, value); }
    // "UseUnicode" read as a boolean; false when absent or not a boolean.
    bool UseUnicode() const;

    // Opens the database file; raises with a message naming the file when it
    // is missing, not in the engine's format, in use, or the password is wrong.
    void Open();
    // Rolls back an open transaction, then closes. Queries on the connection
    // are closed and unprepared.
    void Close();
    bool Connected() const;
    void SetConnected(bool value) { value ? Open() : Close(); }

    // "Access Engine " + the engine's version; raises when not connected.
    QString ServerVersion() const;
    QString ClientVersion() const;

    void StartTransaction();
    void Commit();
    void Rollback();
    bool InTransaction() const;
    // 1 while a transaction is open, else 0.
    int TransactionCount() const { return InTransaction() ? 1 : 0; }

    // Runs one statement of the Access dialect; returns the affected rows.
    int ExecSQL(const QString& sql);

    // The open engine session (nullptr when closed), for the layer's own classes.
    TAccessDatabase* Engine() const { return FEngine.get(); }

private:
    QString FProviderName;
    QString FDatabase;
    QString FUsername;
    QString FPassword;
    QString FServer;
    int FPort = 0;
    bool FLoginPrompt = false;
    TStringList FSpecificOptions;
    std::unique_ptr<TAccessDatabase> FEngine;
};
