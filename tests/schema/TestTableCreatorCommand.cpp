#include "TestUtil.h"
#include "UAccessTableCreator.h"
#include "UAppSettings.h"
#include "UCreateTableCommand.h"
#include "USchemaClassInit.h"
#include "UTableCreateHelper.h"
#include "UTableInfo.h"

#include <gtest/gtest.h>

namespace {

QStringList Names(const TCreateTableDesign& design)
{
    QStringList names;
    for (const TDesignColumn& c : design.Columns)
        names.append(c.Name + QLatin1Char('=') + c.DataType);
    return names;
}

TEST(TableCreatorCommand, ProposesCleanUniqueColumns)
{
    TAccessTableCreator creator;
    const QString long70 = QString(70, QLatin1Char('L'));
    struct TRow {
        const char* label;
        QStringList proposal;
        QStringList grid;
    };
    const TRow rows[] = {
        {"names differing in case", {QStringLiteral("ID=integer"), QStringLiteral("id=integer")},
         {QStringLiteral("ID=integer"), QStringLiteral("id_001=integer")}},
        {"a name twice, then a third time", {QStringLiteral("Name=memo"), QStringLiteral("Name=memo"), QStringLiteral("Name=")},
         {QStringLiteral("Name=memo"), QStringLiteral("Name_001=memo"), QStringLiteral("Name_001_001=Text(255)")}},
        {"cleaned before compared", {QStringLiteral("Order Date=datetime"), QStringLiteral("Order-Date=datetime")},
         {QStringLiteral("Order_Date=datetime"), QStringLiteral("Order_Date_001=datetime")}},
        {"long names are cut, a counter continues", {long70 + QStringLiteral("=integer"), long70 + QStringLiteral("=integer"),
                                                     long70 + QStringLiteral("=integer")},
         {QString(64, QLatin1Char('L')) + QStringLiteral("=integer"), QString(60, QLatin1Char('L')) + QStringLiteral("_001=integer"),
          QString(60, QLatin1Char('L')) + QStringLiteral("_002=integer")}},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.label);
        TCreateTableDesign design;
        design.SetTableCreator(&creator);
        design.FillFromProposal(TStringList(row.proposal));
        EXPECT_EQ(Names(design), row.grid);
        EXPECT_EQ(design.ModeEntry, TCreateTableDesign::AutoDetect);
    }
}

TEST(TableCreatorCommand, ModeBoxSetsAndRestoresTypes)
{
    TAccessTableCreator creator;
    TCreateTableDesign design;
    design.SetTableCreator(&creator);
    design.FillFromProposal(TStringList(QStringList{QStringLiteral("a=integer"), QStringLiteral("b=datetime")}));
    EXPECT_EQ(design.ModeEntries(), (QStringList{QStringLiteral("Auto Detect"), QStringLiteral("text(255)"), QStringLiteral("memo")}));
    design.ApplyMode(QStringLiteral("memo"));
    EXPECT_EQ(Names(design), (QStringList{QStringLiteral("a=memo"), QStringLiteral("b=memo")}));
    design.Columns[1].Name = QStringLiteral("renamed");
    design.ApplyMode(TCreateTableDesign::AutoDetect);
    EXPECT_EQ(Names(design), (QStringList{QStringLiteral("a=integer"), QStringLiteral("renamed=")}));
    design.Columns[0].PrimaryKey = true;
    design.Columns[0].NotNull = true;
    design.SetNotNull(0, false);
    EXPECT_FALSE(design.Columns[0].PrimaryKey);
    EXPECT_EQ(design.DeleteIndex(0), QStringLiteral("Please select the INDEX you want to delete."));
    EXPECT_EQ(design.DeleteColumn(-1), QStringLiteral("Please select the COLUMN you want to delete."));
}

TEST(TableCreatorCommand, ValidatesInOrder)
{
    TAccessTableCreator creator;
    auto make = [&](const QString& table) {
        TCreateTableDesign design;
        design.SetTableCreator(&creator);
        design.TableName = table;
        design.FillFromProposal(TStringList(QStringList{QStringLiteral("id=Integer"), QStringLiteral("name=Text(255)")}));
        return design;
    };
    struct TRow {
        const char* label;
        std::function<void(TCreateTableDesign&)> edit;
        QString message;
        TDesignProblem::TPlace place;
        int row;
    };
    const TRow rows[] = {
        {"fine", [](TCreateTableDesign&) {}, QString(), TDesignProblem::None, -1},
        {"no table name", [](TCreateTableDesign& d) { d.TableName = QStringLiteral("  "); },
         QStringLiteral("Please input Table Name"), TDesignProblem::TableName, -1},
        {"typed table name with hyphen", [](TCreateTableDesign& d) { d.TableName = QStringLiteral("my-table"); },
         QStringLiteral("Table Name can not contain char \" -  \"."), TDesignProblem::TableName, -1},
        {"no columns", [](TCreateTableDesign& d) { d.Columns.clear(); }, QStringLiteral("No Field, Please add"),
         TDesignProblem::ColumnRow, -1},
        {"empty field name", [](TCreateTableDesign& d) { d.Columns[1].Name = QStringLiteral(" "); },
         QStringLiteral("Please input Field Name, Row: 2"), TDesignProblem::ColumnRow, 1},
        {"typed field name with a blank", [](TCreateTableDesign& d) { d.Columns[1].Name = QStringLiteral("Order Date"); },
         QStringLiteral("Field Name can not contain char \"    \". Row: 2"), TDesignProblem::ColumnRow, 1},
        {"70-character field name", [](TCreateTableDesign& d) { d.Columns[0].Name = QString(70, QLatin1Char('x')); },
         QStringLiteral("Field Name length can not > 64. Row: 1"), TDesignProblem::ColumnRow, 0},
        {"no type", [](TCreateTableDesign& d) { d.Columns[0].DataType.clear(); },
         QStringLiteral("Please select Data Type, Row: 1"), TDesignProblem::ColumnRow, 0},
        {"memo key", [](TCreateTableDesign& d) { d.Columns[1].DataType = QStringLiteral("Memo"); d.Columns[1].PrimaryKey = true; },
         QStringLiteral("can not set primary key to data type Memo"), TDesignProblem::ColumnRow, 1},
        {"duplicate column", [](TCreateTableDesign& d) { d.Columns[1].Name = QStringLiteral("id "); },
         QStringLiteral("Duplicate column name \"id\" at row 1 and row 2"), TDesignProblem::ColumnRow, 1},
        {"empty index name", [](TCreateTableDesign& d) { d.InsertIndex(0); d.Indexes[0].Columns = QStringLiteral("id"); },
         QStringLiteral("Please input Index Name, Row: 1"), TDesignProblem::IndexRow, 0},
        {"index name with a dot", [](TCreateTableDesign& d) { d.InsertIndex(0); d.Indexes[0].Name = QStringLiteral("ix.a"); },
         QStringLiteral("Index Name can not contain char \" .  \". Row: 1"), TDesignProblem::IndexRow, 0},
        {"index without columns", [](TCreateTableDesign& d) { d.InsertIndex(0); d.Indexes[0].Name = QStringLiteral("ix"); },
         QStringLiteral("Please input Columns, Row: 1"), TDesignProblem::IndexRow, 0},
        {"duplicate index", [](TCreateTableDesign& d) {
             d.Indexes = {{QStringLiteral("ix"), QStringLiteral("id")}, {QStringLiteral("ix"), QStringLiteral("name")}}; },
         QStringLiteral("Duplicate index name \"ix\" at row 1 and row 2"), TDesignProblem::IndexRow, 1},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(row.label);
        TCreateTableDesign design = make(QStringLiteral("Orders"));
        row.edit(design);
        const TDesignProblem problem = design.Validate();
        EXPECT_EQ(problem.Message, row.message);
        EXPECT_EQ(problem.Place, row.place);
        EXPECT_EQ(problem.Row, row.row);
    }
}

TEST(TableCreatorCommand, ProposesFromTheHelper)
{
    RegisterSchemaClasses();
    TAccessTableCreator creator;
    TTableCreateHelper helper;
    helper.TableName = QStringLiteral("my-table");
    helper.BuildFieldTypes(TStringList(QStringList{QStringLiteral("ID=ftInteger"), QStringLiteral("id=ftString"),
                                                   QStringLiteral("when=ftTimeStamp"), QStringLiteral("v=ftFloat")}),
                           QStringLiteral("Access"));
    EXPECT_EQ(helper.FieldDBTypes.List(), (QStringList{QStringLiteral("ID=integer"), QStringLiteral("id=text(255)"),
                                                       QStringLiteral("when=timestamp"), QStringLiteral("v=number")}));
    TCreateTableCommand command;
    command.SetTableCreator(&creator);
    command.SetHelper(&helper);
    command.PrepareForSource();
    EXPECT_EQ(command.GetTableName(), QStringLiteral("my_table"));
    EXPECT_EQ(Names(command.Design()), (QStringList{QStringLiteral("ID=integer"), QStringLiteral("id_001=text(255)"),
                                                    QStringLiteral("when=timestamp"), QStringLiteral("v=number")}));

    // Names only: gaps get a positional name, repeats a number.
    helper.FieldDBTypes.Clear();
    helper.FieldNameList = TStringList(QStringList{QStringLiteral("a"), QString(), QStringLiteral("a"), QStringLiteral("A")});
    EXPECT_EQ(command.ProposedColumns().List(), (QStringList{QStringLiteral("a=Text(255)"), QStringLiteral("Field_1=Text(255)"),
                                                             QStringLiteral("a_2=Text(255)"), QStringLiteral("A_3=Text(255)")}));
}

TEST(TableCreatorCommand, CollectsTheGridIntoATableDescription)
{
    TAccessTableCreator creator;
    TCreateTableDesign design;
    design.SetTableCreator(&creator);
    design.TableName = QStringLiteral(" Orders ");
    design.Columns = {{QStringLiteral(" id "), QStringLiteral(" Integer "), QString(), true, true, false},
                      {QStringLiteral("code"), QStringLiteral("Text(10)"), QString(), false, false, false}};
    design.Indexes = {{QStringLiteral("ux_code"), QStringLiteral(" code "), QStringLiteral("UNIQUE")}};
    const auto info = design.Collect();
    EXPECT_EQ(info->TableName, QStringLiteral("Orders"));
    EXPECT_EQ(info->FieldNames.List(), (QStringList{QStringLiteral("id"), QStringLiteral("code")}));
    EXPECT_EQ(info->FieldTypes.Values(QStringLiteral("id")), QStringLiteral("Integer"));
    EXPECT_TRUE(info->IsPrimaryKey(QStringLiteral("id")));
    EXPECT_FALSE(info->IsNotNull(QStringLiteral("code")));
    EXPECT_EQ(info->IndexColumns.Values(QStringLiteral("ux_code")), QStringLiteral("code"));
    EXPECT_EQ(info->IndexTypes.Values(QStringLiteral("ux_code")), QStringLiteral("UNIQUE"));

    TCreateTableDesign shown;
    shown.SetTableCreator(&creator);
    shown.FillFromTableInfo(*info);
    EXPECT_EQ(shown.TableName, QStringLiteral("Orders"));
    EXPECT_TRUE(shown.Columns[0].PrimaryKey && shown.Columns[0].NotNull);
    ASSERT_EQ(shown.Indexes.size(), 1u);
    EXPECT_EQ(shown.Indexes[0].IndexType, QStringLiteral("UNIQUE"));
}

}  // namespace
