#pragma once
// The controls that the progress displays drive. The user interface wraps its
// widgets in these; tests use plain recording implementations.

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

// 0xRRGGBB.
using TColorRgb = std::uint32_t;

class TProgressBarControl {
public:
    virtual ~TProgressBarControl() = default;
    virtual int Maximum() const = 0;
    virtual void SetMaximum(int value) = 0;
    virtual int Position() const = 0;
    virtual void SetPosition(int value) = 0;
    // Shows the change at once (the message loop runs only between records).
    virtual void Repaint() = 0;
};

class TLabelControl {
public:
    virtual ~TLabelControl() = default;
    virtual QString Text() const = 0;
    virtual void SetText(const QString& text) = 0;
    virtual void SetHint(const QString& hint) = 0;
    virtual void SetShowHint(bool show) = 0;
    virtual void SetFontColor(TColorRgb color) = 0;
    virtual void Repaint() = 0;
};

class TMemoControl {
public:
    virtual ~TMemoControl() = default;
    virtual void Clear() = 0;
    virtual void AddLine(const QString& line) = 0;
};

// The item list of a multi-item wizard.
class TItemGridControl {
public:
    enum class TColumnKind { Text, Button, List };
    // Asked for the font colour of a cell while painting; false keeps the default.
    using TCellColorHandler = std::function<bool(int column, int row, TColorRgb& color)>;

    virtual ~TItemGridControl() = default;
    // Data rows only (no header row).
    virtual int RowCount() const = 0;
    virtual QString Cell(int column, int row) const = 0;
    virtual void SetCell(int column, int row, const QString& text) = 0;
    virtual TColumnKind ColumnKind(int column) const = 0;
    virtual QStringList ListChoices(int column) const = 0;
    virtual void AddListChoice(int column, const QString& choice) = 0;
    // Installs (or, with an empty handler, removes) the cell-colouring handler.
    virtual void SetCellColorHandler(TCellColorHandler handler) = 0;
};
