#pragma once
// What stands behind the create-table dialog: the column and index rows it
// edits, the proposal it starts from, its checks and the creation. The dialog
// only shows and edits a TCreateTableDesign and calls the command.

#include "UStringList.h"
#include "UTableInfo.h"

#include <QString>
#include <memory>
#include <vector>

class TDBDictionary;
class TTableCreateHelper;
class TTableCreator;
class TTableInfo;

struct TDesignColumn {
    QString Name;
    QString DataType;
    QString DefaultValue;
    bool NotNull = false;
    bool PrimaryKey = false;
    bool AutoIncrement = false;
};

struct TDesignIndex {
    QString Name;
    QString Columns;  // comma-separated
    QString IndexType = QStringLiteral("NON_UNIQUE");
};

// The first failed check: its message and where the focus goes.
struct TDesignProblem {
    enum TPlace { None, TableName, ColumnRow, IndexRow };
    QString Message;
    TPlace Place = None;
    int Row = -1;       // counted from 0
    QString Cell;       // "Field Name", "Data Type", "Index Name", "Columns"
    bool IsEmpty() const { return Message.isEmpty(); }
};

class TCreateTableDesign {
public:
    static inline const QString AutoDetect = QStringLiteral("Auto Detect");

    void SetTableCreator(TTableCreator* creator) { FCreator = creator; }  // not owned
    TTableCreator* TableCreator() const { return FCreator; }

    QString Schema;
    QString TableName;
    std::vector<TDesignColumn> Columns;
    std::vector<TDesignIndex> Indexes;
    QString ModeEntry = AutoDetect;

    // "Auto Detect" followed by the creator's plain-text types.
    QStringList ModeEntries() const;
    // The type first proposed for a column name ("" when none).
    QString DetectedType(const QString& name) const { return FDetectedTypes.Values(name); }

    // name=type proposal: names cleaned and made unique, empty types defaulted.
    void FillFromProposal(const TStringList& nameTypes);
    void FillFromTableInfo(const TTableInfo& info);
    // A plain type for every row, or back to each row's detected type.
    void ApplyMode(const QString& entry);
    // Clearing "Not Null" also clears "Primary Key" and "Auto Increament".
    void SetNotNull(int row, bool value);
    void InsertColumn(int afterRow);
    void InsertIndex(int afterRow);
    // "" or the message for a missing selection.
    QString DeleteColumn(int row);
    QString DeleteIndex(int row);

    TDesignProblem Validate() const;
    std::unique_ptr<TTableInfo> Collect() const;

    // For a limit L: the first L - 4 characters, "_" and a three-digit counter
    // that continues a counter the name already carries.
    static QString NameWithCounter(const QString& name, int limit);

private:
    int ColumnIndexOf(const QString& name) const;

    TTableCreator* FCreator = nullptr;
    TStringList FDetectedTypes;
};

// Shows the design and lets the user edit it; the user interface implements it.
class TCreateTableView {
public:
    virtual ~TCreateTableView() = default;
    // Modal; true when a table was created while it was shown.
    virtual bool ShowModal(class TCreateTableCommand& command) = 0;
};

class TCreateTableCommand {
public:
    void SetDictionary(TDBDictionary* dictionary) { FDictionary = dictionary; }  // not owned
    void SetTableCreator(TTableCreator* creator);                               // not owned
    void SetHelper(TTableCreateHelper* helper) { FHelper = helper; }            // not owned
    void SetView(TCreateTableView* view) { FView = view; }                       // not owned

    TDBDictionary* Dictionary() const { return FDictionary; }
    TTableCreator* TableCreator() const { return FCreator; }
    TCreateTableDesign& Design() { return FDesign; }
    bool SchemaVisible() const;

    // The columns proposed from the helper: its types, or its bare names.
    TStringList ProposedColumns() const;
    void PrepareForSource();
    void PrepareForTableInfo(const TTableInfo& info);
    bool ShowForSource();
    bool ShowForTableInfo(const TTableInfo& info);
    QString GetTableName() const { return FDesign.TableName; }

    // OK pressed: checks, then creates. The outcome text is what the message
    // form shows ("Table created." or "Table create failed." and the
    // statements); database errors are raised.
    struct TOutcome {
        TDesignProblem Problem;
        bool Created = false;
        QString Text;
    };
    TOutcome Create();
    // "View SQL": the statements of the design as it stands, unchecked.
    QString ViewSql();

private:
    TCreateTableDesign FDesign;
    TDBDictionary* FDictionary = nullptr;
    TTableCreator* FCreator = nullptr;
    TTableCreateHelper* FHelper = nullptr;
    TCreateTableView* FView = nullptr;
    std::unique_ptr<TTableInfo> FLastInfo;  // the table creator refers to it
};
