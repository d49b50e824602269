#pragma once
// A conversion tool whose source or target is a database: the database object
// factories (through the global stores) and the command-line road.

#include "UConvertApp.h"

class TDBObjectFactory;
class TDBConvertObjectFactory;

class TDBConvertApp : public TConvertApp {
    AMBERTIDE_CLASS(TDBConvertApp)
public:
    TDBConvertApp();
    ~TDBConvertApp() override;

    // "TDBConvertApp not create." when there is none.
    static TDBConvertApp* DBConvertInstance();

    bool RunCommandLine() override;
    QString GetSystemInfo() const override;
    void InitObjects() override;
    void FreeObjects() override;
    TLogonOption* GetSourceLogonOption() const override;
    TLogonOption* GetTargetLogonOption() const override;
    // Slot 12 and 13.
    virtual void InitSourceDBType() {}
    virtual void InitTargetDBType();
    // Slot 14.
    virtual bool IsSameDB() const { return false; }
    // The short code of the product's target database ("Mdb").
    virtual QString TargetDBCode() const { return QString(); }

    // "DB Type: " + type + CR LF + "Version: " + server version, when connected.
    QString GetSourceDBDescription() const;
    QString GetTargetDBDescription() const;

    const QString& SourceDBType() const { return FSourceDBType; }
    const QString& TargetDBType() const { return FTargetDBType; }
    TDBObjectFactory* SourceDBObjectFactory() const { return FSourceFactory.get(); }
    TDBObjectFactory* TargetDBObjectFactory() const { return FTargetFactory; }
    TDBConvertObjectFactory* SourceDBConvertObjectFactory() const { return FSourceConvertFactory.get(); }
    TDBConvertObjectFactory* TargetDBConvertObjectFactory() const { return FTargetConvertFactory.get(); }

protected:
    QString FSourceDBType;
    QString FTargetDBType;

private:
    static QString Description(const TDBObjectFactory* factory);

    std::unique_ptr<TDBObjectFactory> FSourceFactory;
    std::unique_ptr<TDBObjectFactory> FOwnedTargetFactory;  // empty when the target is the source factory
    TDBObjectFactory* FTargetFactory = nullptr;
    std::unique_ptr<TDBConvertObjectFactory> FSourceConvertFactory;
    std::unique_ptr<TDBConvertObjectFactory> FTargetConvertFactory;
};

// "My" -> "Mysql", "Ora" -> "Oracle", "PG" -> "Postgres", "Sql" -> "MsSql",
// "Mdb" -> "Access"; other codes unchanged (exact, case-sensitive).
QString NormalizeDBCode(const QString& code);
