#include "UGUIProgressMonitor.h"

#include "UConvertStatus.h"

void TGUIProgressMonitor::Setup(TProgressBarControl* bar, TLabelControl* statusLabel, TLabelControl* percentLabel,
                                TLabelControl* noticeLabel)
{
    FBar = bar;
    FStatusLabel = statusLabel;
    FPercentLabel = percentLabel;
    FNoticeLabel = noticeLabel;
    if (FNoticeLabel) {
        FNoticeLabel->SetFontColor(0x0000FF);
        FNoticeLabel->SetShowHint(true);
    }
    if (FStatusLabel)
        FStatusLabel->SetShowHint(true);
    UnitWord = QStringLiteral("records");
    Reset();
}

void TGUIProgressMonitor::SetTotal(int total)
{
    FTotalUnknown = total == -1;
    if (FBar) {
        FBar->SetMaximum(FTotalUnknown ? 0 : total);
        FBar->Repaint();
    }
    FTotal = total;
}

void TGUIProgressMonitor::SetPosition(int value)
{
    if (!FBar)
        return;
    if (FTotalUnknown)
        FBar->SetMaximum(value + 1);
    const int maximum = FBar->Maximum();
    FBar->SetPosition(value < 0 ? 0 : (value > maximum ? maximum : value));
    FBar->Repaint();
}

void TGUIProgressMonitor::ShowPercent(int value)
{
    if (FPercentLabel) {
        FPercentLabel->SetText(QString::asprintf("%.0f %%", value * 100.0 / FTotal));
        FPercentLabel->Repaint();
    }
}

void TGUIProgressMonitor::Progress(int value)
{
    if (value % FInterval != 0)
        return;
    SetPosition(value);
    QString totalText;
    if (FTotal > 0) {
        ShowPercent(value);
        totalText = QString::number(FTotal);
    } else {
        totalText = QStringLiteral("> ") + QString::number(value);
    }
    const double elapsed = TConvertStatus::Now() - StartTime;
    const double remaining = value > 0 && FTotal > 0 ? elapsed / (double(value) / FTotal) - elapsed : 0;
    ShowStatus(QString::number(value) + QLatin1Char(' ') + UnitWord + QStringLiteral(" / ") + totalText
               + QLatin1Char(' ') + UnitWord + QStringLiteral("    Elapsed: ") + ElapsedTimeText(elapsed)
               + QStringLiteral("    Remaining: ") + ElapsedTimeText(remaining));
}

void TGUIProgressMonitor::Finish(int value)
{
    SetPosition(value);
    if (FTotalUnknown && FBar) {
        FBar->SetMaximum(value);
        FBar->Repaint();
    }
    if (FTotal > 0)
        ShowPercent(value);
}

void TGUIProgressMonitor::Reset()
{
    if (FBar) {
        FBar->SetPosition(0);
        FBar->Repaint();
    }
    for (TLabelControl* label : {FStatusLabel, FPercentLabel, FNoticeLabel})
        if (label) {
            label->SetText(QString());
            label->Repaint();
        }
}

void TGUIProgressMonitor::ShowNotice(const QString& text)
{
    if (!FNoticeLabel)
        return;
    FNoticeLabel->SetText(text);
    FNoticeLabel->SetHint(text);
    FNoticeLabel->Repaint();
}

void TGUIProgressMonitor::ShowStatus(const QString& text)
{
    if (!FStatusLabel)
        return;
    FStatusLabel->SetText(text);
    FStatusLabel->SetHint(text);
    FStatusLabel->Repaint();
}

void TGUIProgressMonitor::AppendStatus(const QString& text)
{
    ShowStatus((FStatusLabel ? FStatusLabel->Text() : QString()) + QStringLiteral("    ") + text);
}
