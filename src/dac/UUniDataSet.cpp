#include "UUniDataSet.h"

#include "UException.h"

TUniDataSet::~TUniDataSet() = default;

void TUniDataSet::Close()
{
    FActive = false;
    FEof = true;
    FRecNo = 0;
}

void TUniDataSet::SetOpened(bool hasRow)
{
    FActive = true;
    FEof = !hasRow;
    FRecNo = hasRow ? 1 : 0;
}

void TUniDataSet::Next()
{
    if (!FActive || FEof)
        return;
    if (FetchNext())
        ++FRecNo;
    else
        FEof = true;
}

TUniField* TUniDataSet::FindField(const QString& name) const
{
    for (const auto& f : FFields)
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    return nullptr;
}

TUniField& TUniDataSet::FieldByName(const QString& name) const
{
    if (TUniField* f = FindField(name))
        return *f;
    throw Exception(QStringLiteral("Field '%1' not found").arg(name));
}

QStringList TUniDataSet::FieldNames() const
{
    QStringList names;
    for (const auto& f : FFields)
        names.append(f->FieldName());
    return names;
}

TUniField& TUniDataSet::AddField(const QString& name, TFieldType type, int size, int precision, int scale)
{
    FFields.push_back(std::make_unique<TUniField>(this, static_cast<int>(FFields.size()), name, type,
                                                  size, precision, scale));
    return *FFields.back();
}
