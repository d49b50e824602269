#pragma once
// The command line of a database conversion tool: logon (from parameters or
// from the session file's "SourceDB"/"TargetDB" sections), then a workspace,
// a session or an SQL file.

#include "UCmdLineProcessor.h"

class TDBObjectFactory;
class TDBConvertObjectFactory;

class TDBConvertCmdLineProcessor : public TCmdLineProcessor {
public:
    void SetSourceDBObjectFactory(TDBObjectFactory* factory) { FSourceFactory = factory; }
    void SetTargetDBObjectFactory(TDBObjectFactory* factory) { FTargetFactory = factory; }
    void SetSourceDBConvertObjectFactory(TDBConvertObjectFactory* factory) { FSourceConvertFactory = factory; }
    void SetTargetDBConvertObjectFactory(TDBConvertObjectFactory* factory) { FTargetConvertFactory = factory; }

protected:
    bool Execute() override;

private:
    bool Logon();
    bool LogonOne(TDBObjectFactory* factory, bool fromParams, const QString& section, const QString& failure);
    bool SessionHasSection(const QString& section) const;
    void RunWorkspace();
    void RunSession();
    void RunSqlFile(const QString& fileName, const QString& mode);

    QString FWorkspaceFileName;
    QString FSessionFileName;
    QString FSqlFileName;
    QString FSqlMode;
    TDBObjectFactory* FSourceFactory = nullptr;
    TDBObjectFactory* FTargetFactory = nullptr;
    TDBConvertObjectFactory* FSourceConvertFactory = nullptr;
    TDBConvertObjectFactory* FTargetConvertFactory = nullptr;
};
