#pragma once
// Metadata reads of a connection, as a forward-only data set.
//
// Kinds, their restrictions and their fields (restrictions left empty match all):
//   "Tables":         restrictions TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE ("TABLE" or "VIEW");
//                     fields TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, TABLE_TYPE
//   "Columns":        restrictions TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME;
//                     fields TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, COLUMN_POSITION (from 1),
//                     DATA_TYPE (the Access type name: VARCHAR, LONGCHAR, BYTE, SMALLINT, INTEGER, REAL,
//                     DOUBLE, CURRENCY, DECIMAL, DATETIME, BIT, COUNTER, LONGBINARY), DATA_LENGTH,
//                     DATA_PRECISION, DATA_SCALE, NULLABLE (1 or 0), DEFAULT_VALUE
//   "Indexes":        restrictions TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, INDEX_NAME;
//                     fields TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, INDEX_CATALOG, INDEX_SCHEMA,
//                     INDEX_NAME, UNIQUE (1 or 0), PRIMARY_KEY (1 or 0)
//   "IndexColumns":   restrictions as "Indexes";
//                     fields TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, INDEX_CATALOG, INDEX_SCHEMA,
//                     INDEX_NAME, COLUMN_NAME, COLUMN_POSITION (within the index, from 1), SORT_ORDER
//   "SpecialColumns": the columns that identify a row (the primary key, else the first unique index);
//                     restrictions TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME;
//                     fields TABLE_CATALOG, TABLE_SCHEMA, TABLE_NAME, COLUMN_NAME, COLUMN_POSITION
//                     (within the key, from 1), DATA_TYPE
// TABLE_CATALOG is the database path; TABLE_SCHEMA is always empty. Table names
// in restrictions compare without letter case, as Access does.

#include "UUniDataSet.h"
#include "UStringList.h"

#include <QVariant>
#include <vector>

class TUniConnection;

class TUniMetaData : public TUniDataSet {
public:
    explicit TUniMetaData(TUniConnection* connection = nullptr) : FConnection(connection) {}

    TUniConnection* Connection() const { return FConnection; }
    void SetConnection(TUniConnection* connection) { FConnection = connection; }
    const QString& MetaDataKind() const { return FKind; }
    void SetMetaDataKind(const QString& kind) { FKind = kind; }
    // name=value restrictions
    TStringList& Restrictions() { return FRestrictions; }

    // The kinds this layer answers.
    static QStringList MetaDataKinds();

    // Raises "Unknown metadata kind: <kind>" for another kind; engine errors pass on.
    void Open() override;
    void Close() override;

    QVariant FieldValue(int index) const override;

protected:
    bool FetchNext() override;

private:
    TUniConnection* FConnection;
    QString FKind;
    TStringList FRestrictions;
    std::vector<std::vector<QVariant>> FRows;
    int FCurrent = -1;
};
