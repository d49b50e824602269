#pragma once
// The two ways to the create-table dialog: a new target table proposed from
// the source of a wizard (TDestTableCreator), and an empty new table from the
// database tools (TNewTableCreator).

#include "UStringList.h"

#include <QString>
#include <memory>

class TCreateTableCommand;
class TCreateTableView;
class TDBObjectFactory;
class TTableCreateHelper;
class TTableCreator;

// What the table proposal needs of the wizard's source options.
class TTableSourceProposal {
public:
    virtual ~TTableSourceProposal() = default;
    virtual QString ProposedTableName() = 0;
    // Refreshes the source columns' field kinds from sample rows.
    virtual void RefreshFieldTypes() = 0;
    // name=ftKind per source column.
    virtual TStringList GetFieldTypeNames() = 0;
};

class TDestTableCreator {
public:
    explicit TDestTableCreator(TDBObjectFactory& factory);
    ~TDestTableCreator();

    void SetSource(TTableSourceProposal* source) { FSource = source; }  // not owned
    void SetView(TCreateTableView* view);                               // not owned
    void SetSchema(const QString& schema) { FSchema = schema; }
    bool CreateTable();
    QString GetTableName() const;

    TCreateTableCommand& Command() { return *FCommand; }
    TTableCreateHelper& Helper() { return *FHelper; }
    TTableCreator& TableCreator() { return *FTableCreator; }

private:
    QString FDBType;
    QString FSchema;
    TTableSourceProposal* FSource = nullptr;
    std::unique_ptr<TTableCreator> FTableCreator;
    std::unique_ptr<TTableCreateHelper> FHelper;
    std::unique_ptr<TCreateTableCommand> FCommand;
};

class TNewTableCreator {
public:
    explicit TNewTableCreator(TDBObjectFactory& factory) : FFactory(factory) {}
    void SetView(TCreateTableView* view) { FView = view; }  // not owned
    bool CreateTable();
    const QString& TableName() const { return FTableName; }

private:
    TDBObjectFactory& FFactory;
    TCreateTableView* FView = nullptr;
    QString FTableName;
};
