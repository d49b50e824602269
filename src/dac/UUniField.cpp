#include "UUniField.h"

#include "UUniDataSet.h"

QVariant TUniField::Value() const
{
    return FDataSet->FieldValue(FIndex);
}

QString TUniField::AsString() const
{
    const QVariant v = Value();
    if (v.isNull())
        return QString();
    if (FDataType == ftBoolean)
        return v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
    switch (v.typeId()) {
    case QMetaType::Double:
        return QString::number(v.toDouble(), 'g', 15);
    case QMetaType::QByteArray:
        return QString::fromUtf8(v.toByteArray());
    default:
        return v.toString();
    }
}

qint64 TUniField::AsLargeInt() const
{
    const QVariant v = Value();
    if (v.typeId() == QMetaType::Double)
        return static_cast<qint64>(v.toDouble());
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const qint64 n = v.toString().trimmed().toLongLong(&ok);
        return ok ? n : static_cast<qint64>(v.toString().trimmed().toDouble());
    }
    return v.toLongLong();
}

double TUniField::AsFloat() const
{
    return Value().toDouble();
}

bool TUniField::AsBoolean() const
{
    const QVariant v = Value();
    if (v.typeId() == QMetaType::QString) {
        const QString s = v.toString().trimmed();
        if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        return s.toLongLong() != 0;
    }
    return v.toLongLong() != 0;
}

QDateTime TUniField::AsDateTime() const
{
    const QVariant v = Value();
    if (v.isNull())
        return QDateTime();
    const QString s = v.toString();
    QDateTime d = QDateTime::fromString(s, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!d.isValid())
        d = QDateTime::fromString(s, Qt::ISODateWithMs);
    return d;
}

QByteArray TUniField::AsBytes() const
{
    const QVariant v = Value();
    if (v.typeId() == QMetaType::QString)
        return v.toString().toUtf8();
    return v.toByteArray();
}
