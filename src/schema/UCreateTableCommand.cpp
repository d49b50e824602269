#include "UCreateTableCommand.h"

#include "UDBDictionary.h"
#include "UTableCreateHelper.h"
#include "UTableCreator.h"
#include "UTableInfo.h"

namespace {
QString RowText(int row) { return QString::number(row + 1); }

QString Duplicate(const char* what, const QString& name, int first, int second)
{
    return QLatin1String(what) + QStringLiteral(" \"") + name + QStringLiteral("\" at row ") + RowText(first)
           + QStringLiteral(" and row ") + RowText(second);
}
}  // namespace

QString TCreateTableDesign::NameWithCounter(const QString& name, int limit)
{
    const int keep = limit - 4;
    int counter = 1;
    if (name.size() > keep) {
        const QString rest = name.mid(keep);
        bool ok = false;
        const int n = rest.startsWith(QLatin1Char('_')) ? rest.mid(1).toInt(&ok) : 0;
        if (ok)
            counter = n + 1;
    }
    return name.left(keep) + QLatin1Char('_') + QStringLiteral("%1").arg(counter, 3, 10, QLatin1Char('0'));
}

QStringList TCreateTableDesign::ModeEntries() const
{
    QStringList entries{AutoDetect};
    if (FCreator)
        entries += FCreator->PlainTextTypes().List();
    return entries;
}

int TCreateTableDesign::ColumnIndexOf(const QString& name) const
{
    for (size_t i = 0; i < Columns.size(); ++i)
        if (Columns[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void TCreateTableDesign::FillFromProposal(const TStringList& nameTypes)
{
    Columns.clear();
    Indexes.clear();
    FDetectedTypes.Clear();
    const int limit = FCreator->MaxFieldNameLength();
    for (int i = 0; i < nameTypes.Count(); ++i) {
        QString name = FCreator->CleanFieldName(nameTypes.Names(i));
        while (ColumnIndexOf(name) >= 0)
            name = NameWithCounter(name, limit);
        TDesignColumn column;
        column.Name = name;
        column.DataType = nameTypes.ValueFromIndex(i);
        if (column.DataType.isEmpty())
            column.DataType = FCreator->DefaultFieldType();
        FDetectedTypes.SetValue(name, column.DataType);
        Columns.push_back(column);
    }
    ModeEntry = AutoDetect;
}

void TCreateTableDesign::FillFromTableInfo(const TTableInfo& info)
{
    Schema = info.Schema;
    TableName = info.TableName;
    TStringList nameTypes;
    for (const QString& field : info.FieldNames)
        nameTypes.Add(field + QLatin1Char('=') + info.FieldTypes.Values(field));
    FillFromProposal(nameTypes);
    for (int i = 0; i < info.FieldNames.Count() && i < static_cast<int>(Columns.size()); ++i) {
        const QString& field = info.FieldNames[i];
        TDesignColumn& column = Columns[i];
        column.DefaultValue = info.DefaultValues.Values(field);
        column.NotNull = info.IsNotNull(field);
        column.PrimaryKey = info.IsPrimaryKey(field);
        column.AutoIncrement = info.IsAutoIncrement(field);
    }
    for (int i = 0; i < info.IndexColumns.Count(); ++i) {
        TDesignIndex index;
        index.Name = info.IndexColumns.Names(i);
        QStringList columns = info.IndexColumns.ValueFromIndex(i).split(QLatin1Char(','));
        for (QString& c : columns)
            c = FCreator->AdjustName(c);
        index.Columns = columns.join(QLatin1Char(','));
        index.IndexType = info.IndexTypes.Values(index.Name) == QLatin1String("UNIQUE") ? QStringLiteral("UNIQUE")
                                                                                          : QStringLiteral("NON_UNIQUE");
        Indexes.push_back(index);
    }
}

void TCreateTableDesign::ApplyMode(const QString& entry)
{
    ModeEntry = entry;
    for (TDesignColumn& column : Columns)
        column.DataType = entry == AutoDetect ? DetectedType(column.Name) : entry;
}

void TCreateTableDesign::SetNotNull(int row, bool value)
{
    TDesignColumn& column = Columns[row];
    column.NotNull = value;
    if (!value) {
        column.PrimaryKey = false;
        column.AutoIncrement = false;
    }
}

void TCreateTableDesign::InsertColumn(int afterRow)
{
    const int at = Columns.empty() ? 0 : std::min<int>(afterRow + 1, static_cast<int>(Columns.size()));
    Columns.insert(Columns.begin() + at, TDesignColumn());
}

void TCreateTableDesign::InsertIndex(int afterRow)
{
    const int at = Indexes.empty() ? 0 : std::min<int>(afterRow + 1, static_cast<int>(Indexes.size()));
    Indexes.insert(Indexes.begin() + at, TDesignIndex());
}

QString TCreateTableDesign::DeleteColumn(int row)
{
    if (row < 0 || row >= static_cast<int>(Columns.size()))
        return QStringLiteral("Please select the COLUMN you want to delete.");
    Columns.erase(Columns.begin() + row);
    return QString();
}

QString TCreateTableDesign::DeleteIndex(int row)
{
    if (row < 0 || row >= static_cast<int>(Indexes.size()))
        return QStringLiteral("Please select the INDEX you want to delete.");
    Indexes.erase(Indexes.begin() + row);
    return QString();
}

TDesignProblem TCreateTableDesign::Validate() const
{
    auto problem = [](QString message, TDesignProblem::TPlace place, int row = -1, const char* cell = "") {
        TDesignProblem p;
        p.Message = std::move(message);
        p.Place = place;
        p.Row = row;
        p.Cell = QLatin1String(cell);
        return p;
    };
    const QString table = TableName.trimmed();
    if (table.isEmpty())
        return problem(QStringLiteral("Please input Table Name"), TDesignProblem::TableName);
    QString message = FCreator->CheckTableName(table);
    if (!message.isEmpty())
        return problem(message, TDesignProblem::TableName);
    if (Columns.empty())
        return problem(QStringLiteral("No Field, Please add"), TDesignProblem::ColumnRow);

    for (int r = 0; r < static_cast<int>(Columns.size()); ++r) {
        const TDesignColumn& column = Columns[r];
        const QString name = column.Name.trimmed();
        const QString type = column.DataType.trimmed();
        if (name.isEmpty())
            return problem(QStringLiteral("Please input Field Name, Row: ") + RowText(r), TDesignProblem::ColumnRow, r,
                           "Field Name");
        message = FCreator->CheckFieldName(name);
        if (!message.isEmpty())
            return problem(message + QStringLiteral(" Row: ") + RowText(r), TDesignProblem::ColumnRow, r, "Field Name");
        if (type.isEmpty())
            return problem(QStringLiteral("Please select Data Type, Row: ") + RowText(r), TDesignProblem::ColumnRow, r,
                           "Data Type");
        if (column.PrimaryKey && FCreator->NonKeyTypes().IndexOf(type) >= 0)
            return problem(QStringLiteral("can not set primary key to data type ") + type, TDesignProblem::ColumnRow, r,
                           "Data Type");
        for (int q = 0; q < r; ++q)
            if (Columns[q].Name.trimmed() == name)
                return problem(Duplicate("Duplicate column name", name, q, r), TDesignProblem::ColumnRow, r, "Field Name");
    }
    for (int r = 0; r < static_cast<int>(Indexes.size()); ++r) {
        const TDesignIndex& index = Indexes[r];
        const QString name = index.Name.trimmed();
        if (name.isEmpty())
            return problem(QStringLiteral("Please input Index Name, Row: ") + RowText(r), TDesignProblem::IndexRow, r,
                           "Index Name");
        message = FCreator->CheckIndexName(name);
        if (!message.isEmpty())
            return problem(message + QStringLiteral(" Row: ") + RowText(r), TDesignProblem::IndexRow, r, "Index Name");
        if (index.Columns.trimmed().isEmpty())
            return problem(QStringLiteral("Please input Columns, Row: ") + RowText(r), TDesignProblem::IndexRow, r,
                           "Columns");
        for (int q = 0; q < r; ++q)
            if (Indexes[q].Name.trimmed() == name)
                return problem(Duplicate("Duplicate index name", name, q, r), TDesignProblem::IndexRow, r, "Index Name");
    }
    return TDesignProblem();
}

std::unique_ptr<TTableInfo> TCreateTableDesign::Collect() const
{
    auto info = std::make_unique<TTableInfo>();
    info->Schema = Schema;
    info->TableName = TableName.trimmed();
    for (const TDesignColumn& column : Columns) {
        const QString name = column.Name.trimmed();
        info->FieldNames.Add(name);
        info->FieldTypes.SetValue(name, column.DataType.trimmed());
        info->NotNulls.SetValue(name, BoolToStr(column.NotNull));
        info->PrimaryKeys.SetValue(name, BoolToStr(column.PrimaryKey));
        info->AutoIncrements.SetValue(name, BoolToStr(column.AutoIncrement));
        info->DefaultValues.SetValue(name, column.DefaultValue.trimmed());
    }
    for (const TDesignIndex& index : Indexes) {
        const QString name = index.Name.trimmed();
        info->IndexColumns.SetValue(name, index.Columns.trimmed());
        info->IndexTypes.SetValue(name, index.IndexType == QLatin1String("UNIQUE") ? QStringLiteral("UNIQUE")
                                                                                   : QStringLiteral("NON_UNIQUE"));
    }
    return info;
}

void TCreateTableCommand::SetTableCreator(TTableCreator* creator)
{
    FCreator = creator;
    FDesign.SetTableCreator(creator);
}

bool TCreateTableCommand::SchemaVisible() const
{
    return FDictionary && FDictionary->SupportsSchemas();
}

TStringList TCreateTableCommand::ProposedColumns() const
{
    if (!FHelper)
        return TStringList();
    if (!FHelper->FieldDBTypes.IsEmpty())
        return FHelper->FieldDBTypes;
    TStringList proposal;
    TStringList taken;
    for (int i = 0; i < FHelper->FieldNameList.Count(); ++i) {
        QString name = FHelper->FieldNameList[i];
        if (name.isEmpty())
            name = QStringLiteral("Field_") + QString::number(i);
        if (taken.IndexOf(name) >= 0)
            for (int n = 2;; ++n) {
                const QString candidate = name + QLatin1Char('_') + QString::number(n);
                if (taken.IndexOf(candidate) < 0) {
                    name = candidate;
                    break;
                }
            }
        taken.Add(name);
        proposal.Add(name + QLatin1Char('=') + FCreator->DefaultFieldType());
    }
    return proposal;
}

void TCreateTableCommand::PrepareForSource()
{
    FDesign.Schema = FHelper ? FHelper->Schema : QString();
    if (FDictionary && FDictionary->SupportsSchemas() && FDesign.Schema.isEmpty())
        FDesign.Schema = FDictionary->GetDefaultSchema();
    FDesign.TableName = FHelper ? FCreator->CleanTableName(FHelper->TableName) : QString();
    FDesign.FillFromProposal(ProposedColumns());
}

void TCreateTableCommand::PrepareForTableInfo(const TTableInfo& info)
{
    FDesign.FillFromTableInfo(info);
}

bool TCreateTableCommand::ShowForSource()
{
    PrepareForSource();
    return FView && FView->ShowModal(*this);
}

bool TCreateTableCommand::ShowForTableInfo(const TTableInfo& info)
{
    PrepareForTableInfo(info);
    return FView && FView->ShowModal(*this);
}

TCreateTableCommand::TOutcome TCreateTableCommand::Create()
{
    TOutcome outcome;
    outcome.Problem = FDesign.Validate();
    if (!outcome.Problem.IsEmpty())
        return outcome;
    FLastInfo = FDesign.Collect();
    FCreator->SetTableInfo(FLastInfo.get());
    outcome.Created = FCreator->Execute();
    outcome.Text = (outcome.Created ? QStringLiteral("Table created.") : QStringLiteral("Table create failed."))
                   + QStringLiteral("\r\n") + FCreator->GetStatementsText();
    return outcome;
}

QString TCreateTableCommand::ViewSql()
{
    FLastInfo = FDesign.Collect();
    FCreator->SetTableInfo(FLastInfo.get());
    FCreator->BuildStatements();
    return FCreator->GetStatementsText();
}
