#include "URttiUtil.h"

#include "UException.h"
#include "ULog.h"

#include <QHash>

namespace {

QHash<QString, TRttiUtil::TCreateFunc>& Classes()
{
    static QHash<QString, TRttiUtil::TCreateFunc> classes;
    return classes;
}

}  // namespace

void TRttiUtil::RegisterClass(const QString& qualifiedName, TCreateFunc create)
{
    const QString key = qualifiedName.toLower();
    if (!Classes().contains(key))
        Classes().insert(key, std::move(create));
}

bool TRttiUtil::IsRegistered(const QString& qualifiedName)
{
    return Classes().contains(qualifiedName.toLower());
}

std::unique_ptr<TObject> TRttiUtil::CreateObject(const QString& qualifiedName)
{
    const auto it = Classes().constFind(qualifiedName.toLower());
    if (it == Classes().constEnd()) {
        const QString message = QStringLiteral("Can not find class type: ") + qualifiedName;
        TLog::Global().Error(message);
        throw Exception(message);
    }
    return it.value()();
}

void TRttiUtil::RaiseCastError(const QString& expected, const QString& real)
{
    throw Exception(QStringLiteral("Cast Error: ") + TObject::StaticClassName() + QStringLiteral(" to ") + expected
                    + QStringLiteral(", Real type: ") + real);
}
