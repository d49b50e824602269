#include "UDBObjectFactory.h"

#include "UDBDictionary.h"
#include "UDBHelper.h"
#include "UDBLogon.h"
#include "UDBTypeNames.h"
#include "URttiUtil.h"
#include "UUniConnection.h"
#include "UUniSqlExecutor.h"

TDBObjectFactory::TDBObjectFactory(const QString& dbType) : FDBType(dbType)
{
    FLogon = std::make_unique<TDBLogon>(dbType);
    FDictionary = CreateDBObject<TDBDictionary>(FLogon->Connection().ProviderName(), DBRoles::DBDictionary);
    FDictionary->SetConnection(&FLogon->Connection());
    FSqlExecutor = std::make_unique<TUniSqlExecutor>(&FLogon->Connection());
}

TDBObjectFactory::~TDBObjectFactory() = default;

TUniConnection& TDBObjectFactory::Connection() const
{
    return FLogon->Connection();
}

std::unique_ptr<TDBHelper> TDBObjectFactory::CreateDBHelper(const QString& dbType)
{
    return CreateDBObject<TDBHelper>(dbType, DBRoles::DBHelper);
}

std::unique_ptr<TObject> TDBObjectFactory::CreateTableCreator(const QString& dbType)
{
    return TRttiUtil::CreateObject(DBClassName(dbType, DBRoles::TableCreator));
}
