#pragma once
// The statement builder behind the create-table dialog: cleans and checks
// names, writes CREATE TABLE / CREATE INDEX in the dialect of a subclass and
// runs them through an SQL executor.

#include "UObject.h"
#include "UStringList.h"

#include <QString>
#include <memory>

class TDBHelper;
class TTableInfo;
class TFieldInfo;
class TSqlExecutor;

class TTableCreator : public TObject {
    AMBERTIDE_CLASS(TTableCreator)
public:
    TTableCreator();
    ~TTableCreator() override;

    // Slot order of the dialect operations.
    virtual void BeforeExecute() {}
    virtual void AfterExecute() {}
    virtual std::unique_ptr<TDBHelper> CreateDBHelper() = 0;
    virtual QString GetQualifiedTableName();
    virtual QString TranslateType(const QString& type) { return type; }
    virtual QString DefaultClause() = 0;
    virtual QString AutoIncrementClause() = 0;
    virtual QString TableOptions() { return QString(); }
    virtual bool KeepIndexNames() { return true; }
    virtual void FillFieldTypeList() = 0;
    virtual void FillNonKeyTypes() = 0;
    virtual void SetExecutor(TSqlExecutor* executor) { FExecutor = executor; }
    virtual int MaxTableNameLength() { return 255; }
    virtual int MaxFieldNameLength() { return 255; }
    virtual QString AdjustName(const QString& name) { return name; }
    virtual bool SupportsAutoIncrement() { return false; }
    virtual bool SupportsDefaultValue() { return true; }
    virtual bool SupportsNotNull() { return true; }
    virtual bool SupportsIndexes() { return true; }

    QString CleanTableName(const QString& name);
    QString CleanFieldName(const QString& name);
    // "" when acceptable, else the message to show.
    QString CheckTableName(const QString& name);
    QString CheckFieldName(const QString& name);
    QString CheckIndexName(const QString& name);

    void BuildStatements();
    QString GetStatementsText() const;
    bool Execute();

    void SetTableInfo(TTableInfo* info) { FTableInfo = info; }
    TTableInfo* TableInfo() const { return FTableInfo; }
    TSqlExecutor* Executor() const { return FExecutor; }
    TDBHelper* DBHelper() const { return FDBHelper.get(); }

    const QString& SQL() const { return FSQL; }
    const TStringList& ExtraStatements() const { return FExtraStatements; }
    const TStringList& UniqueFieldNames() const { return FUniqueFieldNames; }
    const QString& DefaultFieldType() const { return FDefaultFieldType; }
    const TStringList& FieldTypeList() const { return FFieldTypeList; }
    const TStringList& PlainTextTypes() const { return FPlainTextTypes; }
    const TStringList& NonKeyTypes() const { return FNonKeyTypes; }

protected:
    // Runs the construction steps that call the dialect operations; every
    // concrete subclass calls it from its own constructor, since virtual calls
    // from the base constructor would not reach the subclass.
    void Initialize();

    QString FSQL;
    TStringList FExtraStatements;
    TStringList FQuoteChars;
    TStringList FRemovedChars;
    TStringList FReplacedChars;
    TStringList FWideChars;
    TTableInfo* FTableInfo = nullptr;
    std::unique_ptr<TFieldInfo> FFieldInfo;
    TSqlExecutor* FExecutor = nullptr;
    std::unique_ptr<TDBHelper> FDBHelper;
    TStringList FUniqueFieldNames;
    QString FDefaultFieldType;
    TStringList FFieldTypeList;
    TStringList FPlainTextTypes;
    TStringList FNonKeyTypes;

private:
    QString CleanName(const QString& name, int maxLength);
    QString CheckName(const QString& name, int maxLength, const QString& what);
    void LoadFieldInfo(const QString& name);
};
