#include "UDBConvertObjectFactory.h"

#include "UDBTypeNames.h"
#include "UException.h"
#include "URttiUtil.h"
#include "UUniConnection.h"

QString TDBConvertObjectFactory::ConnectionType() const
{
    if (!FConnection)
        throw Exception(QStringLiteral("TDBConvertObjectFactory has no connection."));
    return NormalizeDBType(FConnection->ProviderName());
}

std::unique_ptr<TObject> TDBConvertObjectFactory::CreateWriter() const
{
    auto writer = TRttiUtil::CreateObject(DBClassName(ConnectionType(), DBRoles::Writer));
    if (auto* user = dynamic_cast<TConnectionUser*>(writer.get()))
        user->SetConnection(FConnection);
    return writer;
}

std::unique_ptr<TObject> TDBConvertObjectFactory::CreateDateFormatParser(const QString& dbType) const
{
    return TRttiUtil::CreateObject(DBClassName(dbType, DBRoles::DateFormatParser));
}

std::unique_ptr<TObject> TDBConvertObjectFactory::CreateReader() const
{
    return TRttiUtil::CreateObject(DBClassName(ConnectionType(), DBRoles::Reader));
}

void TDBConvertObjectFactory::RaiseCastError(const QString& expected, const QString& real)
{
    TRttiUtil::RaiseCastError(expected, real);
}
