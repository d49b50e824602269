#include "UDestTableCreator.h"

#include "UCreateTableCommand.h"
#include "UDBObjectFactory.h"
#include "UException.h"
#include "UTableCreateHelper.h"
#include "UTableCreator.h"

namespace {
std::unique_ptr<TTableCreator> CreateTableCreatorFor(TDBObjectFactory& factory)
{
    std::unique_ptr<TObject> object = TDBObjectFactory::CreateTableCreator(factory.GetDBType());
    if (auto* creator = dynamic_cast<TTableCreator*>(object.get())) {
        object.release();
        return std::unique_ptr<TTableCreator>(creator);
    }
    throw Exception(QStringLiteral("Cast Error: TObject to TTableCreator, Real type: ") + object->ClassName());
}

void Wire(TCreateTableCommand& command, TDBObjectFactory& factory, TTableCreator& creator, TTableCreateHelper& helper)
{
    creator.SetExecutor(&factory.GetSqlExecutor());
    command.SetDictionary(&factory.GetDictionary());
    command.SetTableCreator(&creator);
    command.SetHelper(&helper);
}
}  // namespace

TDestTableCreator::TDestTableCreator(TDBObjectFactory& factory)
    : FDBType(factory.GetDBType()), FTableCreator(CreateTableCreatorFor(factory)),
      FHelper(std::make_unique<TTableCreateHelper>()), FCommand(std::make_unique<TCreateTableCommand>())
{
    Wire(*FCommand, factory, *FTableCreator, *FHelper);
}

TDestTableCreator::~TDestTableCreator() = default;

void TDestTableCreator::SetView(TCreateTableView* view)
{
    FCommand->SetView(view);
}

bool TDestTableCreator::CreateTable()
{
    FHelper->Schema = FSchema;
    FHelper->TableName = FSource ? FSource->ProposedTableName() : QString();
    TStringList kinds;
    if (FSource) {
        FSource->RefreshFieldTypes();
        kinds = FSource->GetFieldTypeNames();
    }
    FHelper->BuildFieldTypes(kinds, FDBType);
    return FCommand->ShowForSource();
}

QString TDestTableCreator::GetTableName() const
{
    return FCommand->GetTableName();
}

bool TNewTableCreator::CreateTable()
{
    std::unique_ptr<TTableCreator> creator = CreateTableCreatorFor(FFactory);
    TTableCreateHelper helper;
    TCreateTableCommand command;
    Wire(command, FFactory, *creator, helper);
    command.SetView(FView);
    const bool created = command.ShowForSource();
    FTableName = command.GetTableName();
    return created;
}
