#pragma once
// Batch outputers show one step per item of a multi-item session: a progress
// bar over the items (TProgressBatchOutputer) or the item grid of the wizard
// (TGridBatchOutputer).

#include "UGUIProgressMonitor.h"
#include "UObject.h"

#include <QString>

class TBatchOutputer : public TObject {
    AMBERTIDE_CLASS(TBatchOutputer)
public:
    virtual void SetSource(const QString& source) = 0;
    virtual void SetStatus(const QString& status) = 0;
    virtual void SetRows(int rows) = 0;
    virtual void SetTarget(const QString& target) = 0;
    virtual void Clear() = 0;
    virtual void SetItemCount(int count) = 0;
    virtual void SetTotalRecords(int count) = 0;
    virtual void ShowMessage(const QString& text) = 0;
};

class TProgressBatchOutputer : public TBatchOutputer {
    AMBERTIDE_CLASS(TProgressBatchOutputer)
public:
    // unitWord is the session's source unit, "files" for instance.
    void Setup(TProgressBarControl* bar, TLabelControl* statusLabel, const QString& unitWord,
               TLabelControl* percentLabel, TLabelControl* noticeLabel);
    void SetSource(const QString& source) override;
    void SetStatus(const QString& status) override;
    void SetRows(int rows) override;
    void SetTarget(const QString& target) override;
    void Clear() override;
    void SetItemCount(int count) override;
    void SetTotalRecords(int count) override;
    void ShowMessage(const QString& text) override;

    TGUIProgressMonitor& Monitor() { return FMonitor; }
    int DoneCount() const { return FDoneCount; }

private:
    void Refresh();

    QString FSource;
    QString FTarget;
    int FDoneCount = 0;
    int FRows = 0;
    int FItemCount = 0;
    TGUIProgressMonitor FMonitor;
};

class TGridBatchOutputer : public TBatchOutputer {
    AMBERTIDE_CLASS(TGridBatchOutputer)
public:
    TGridBatchOutputer() = default;
    // targetColumn may be -1 when the grid shows no target.
    TGridBatchOutputer(TItemGridControl* grid, int sourceColumn, int statusColumn, int rowsColumn, int targetColumn);
    ~TGridBatchOutputer() override;
    void Bind(TItemGridControl* grid, int sourceColumn, int statusColumn, int rowsColumn, int targetColumn);
    void Unbind();

    void SetSource(const QString& source) override;
    void SetStatus(const QString& status) override;
    void SetRows(int rows) override;
    void SetTarget(const QString& target) override;
    void Clear() override;
    void SetItemCount(int count) override {}
    void SetTotalRecords(int count) override {}
    void ShowMessage(const QString& text) override {}

    int CurrentRow() const { return FCurrentRow; }
    // Font colour of a status cell: red "Failed", purple "Partly", green
    // "Success", olive anything else.
    static TColorRgb StatusColor(const QString& status);

private:
    bool ColorCell(int column, int row, TColorRgb& color) const;

    QString FSource;
    int FCurrentRow = -1;
    int FSourceColumn = 0;
    int FStatusColumn = 1;
    int FRowsColumn = 2;
    int FTargetColumn = -1;
    TItemGridControl* FGrid = nullptr;
};
