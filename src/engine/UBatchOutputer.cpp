#include "UBatchOutputer.h"

#include "UConvertStatus.h"

void TProgressBatchOutputer::Setup(TProgressBarControl* bar, TLabelControl* statusLabel, const QString& unitWord,
                                   TLabelControl* percentLabel, TLabelControl* noticeLabel)
{
    FMonitor.Setup(bar, statusLabel, percentLabel, noticeLabel);
    FMonitor.UnitWord = unitWord;
    FMonitor.SetInterval(1);
}

void TProgressBatchOutputer::Clear()
{
    FMonitor.Reset();
    FMonitor.StartTime = TConvertStatus::Now();
    FSource.clear();
    FTarget.clear();
    FDoneCount = 0;
    FRows = 0;
}

void TProgressBatchOutputer::SetItemCount(int count)
{
    FMonitor.SetTotal(count);
    FItemCount = count;
}

void TProgressBatchOutputer::SetSource(const QString& source)
{
    FSource = source;
    FTarget.clear();
    FRows = 0;
}

void TProgressBatchOutputer::SetStatus(const QString& status)
{
    if (status != QLatin1String("Failed"))
        ++FDoneCount;
    Refresh();
}

void TProgressBatchOutputer::SetRows(int rows)
{
    FRows = rows;
    Refresh();
}

void TProgressBatchOutputer::SetTarget(const QString& target)
{
    FTarget = target;
    Refresh();
}

void TProgressBatchOutputer::Refresh()
{
    if (!FSource.isEmpty() && !FTarget.isEmpty())
        FMonitor.Progress(FDoneCount);
}

void TProgressBatchOutputer::SetTotalRecords(int count)
{
    FMonitor.AppendStatus(QStringLiteral("Total Records: ") + QString::number(count));
}

void TProgressBatchOutputer::ShowMessage(const QString& text)
{
    FMonitor.ShowNotice(text);
}

TGridBatchOutputer::TGridBatchOutputer(TItemGridControl* grid, int sourceColumn, int statusColumn, int rowsColumn,
                                       int targetColumn)
{
    Bind(grid, sourceColumn, statusColumn, rowsColumn, targetColumn);
}

TGridBatchOutputer::~TGridBatchOutputer()
{
    Unbind();
}

void TGridBatchOutputer::Bind(TItemGridControl* grid, int sourceColumn, int statusColumn, int rowsColumn,
                              int targetColumn)
{
    Unbind();
    FGrid = grid;
    FSourceColumn = sourceColumn;
    FStatusColumn = statusColumn;
    FRowsColumn = rowsColumn;
    FTargetColumn = targetColumn;
    FCurrentRow = -1;
    if (FGrid)
        FGrid->SetCellColorHandler([this](int column, int row, TColorRgb& color) { return ColorCell(column, row, color); });
}

void TGridBatchOutputer::Unbind()
{
    if (FGrid)
        FGrid->SetCellColorHandler({});
    FGrid = nullptr;
}

TColorRgb TGridBatchOutputer::StatusColor(const QString& status)
{
    if (status == QLatin1String("Failed"))
        return 0xFF0000;
    if (status == QLatin1String("Partly"))
        return 0x800080;
    if (status == QLatin1String("Success"))
        return 0x008000;
    return 0x808000;
}

bool TGridBatchOutputer::ColorCell(int column, int row, TColorRgb& color) const
{
    if (!FGrid || column != FStatusColumn || row < 0 || row >= FGrid->RowCount())
        return false;
    color = StatusColor(FGrid->Cell(column, row));
    return true;
}

void TGridBatchOutputer::SetSource(const QString& source)
{
    FSource = source;
    if (!FGrid)
        return;
    for (int row = 0; row < FGrid->RowCount(); ++row)
        if (FGrid->Cell(FSourceColumn, row) == source) {
            FCurrentRow = row;
            return;
        }
    for (int row = 0; row < FGrid->RowCount(); ++row)
        if (FGrid->Cell(FSourceColumn, row).compare(source, Qt::CaseInsensitive) == 0) {
            FCurrentRow = row;
            return;
        }
}

void TGridBatchOutputer::SetStatus(const QString& status)
{
    if (FGrid && FCurrentRow >= 0 && FCurrentRow < FGrid->RowCount())
        FGrid->SetCell(FStatusColumn, FCurrentRow, status);
}

void TGridBatchOutputer::SetRows(int rows)
{
    if (FGrid && FCurrentRow >= 0 && FCurrentRow < FGrid->RowCount())
        FGrid->SetCell(FRowsColumn, FCurrentRow, QString::number(rows));
}

void TGridBatchOutputer::SetTarget(const QString& target)
{
    if (!FGrid || FTargetColumn < 0 || FCurrentRow < 0 || FCurrentRow >= FGrid->RowCount())
        return;
    if (FGrid->ColumnKind(FTargetColumn) == TItemGridControl::TColumnKind::List) {
        if (!FGrid->ListChoices(FTargetColumn).contains(target))
            FGrid->AddListChoice(FTargetColumn, target);
    }
    FGrid->SetCell(FTargetColumn, FCurrentRow, target);
}

void TGridBatchOutputer::Clear()
{
    if (!FGrid)
        return;
    for (int row = 0; row < FGrid->RowCount(); ++row) {
        FGrid->SetCell(FStatusColumn, row, QString());
        FGrid->SetCell(FRowsColumn, row, QString());
    }
}
