#pragma once
// The destination side of a session: one destination (T1ItemDestSetOptions,
// used by every convert type of this product) or, for N-to-N sessions, a set
// of destinations described by contain options (TNItemDestSetOptions).

#include "UDataConvertModel.h"
#include "UDestOptions.h"

#include <memory>

class TConvertSessionObjectFactory;

class TDestSetOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TDestSetOptions)
public:
    // Creates the destination options of destType through the factory.
    TDestSetOptions(TConvertSessionObjectFactory& factory, const QString& destType);
    ~TDestSetOptions() override;

    // Slot 5: the destination items of an N-to-N session.
    virtual void SetItems(const QStringList& items) {}
    // Slot 6.
    virtual QString GetSetDescription() const = 0;

    const QString& DestType() const { return FDestType; }
    TDestOptions& DestOptions() { return *FDestOptions; }
    const TDestOptions& DestOptions() const { return *FDestOptions; }

private:
    QString FDestType;
    std::unique_ptr<TDestOptions> FDestOptions;
};

class T1ItemDestSetOptions : public TDestSetOptions {
    AMBERTIDE_CLASS(T1ItemDestSetOptions)
public:
    T1ItemDestSetOptions(TConvertSessionObjectFactory& factory, const QString& destType);

    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    // Loads the destination options and refreshes them.
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    // The destination's set description ("DB: ..., Table: ..." for a table).
    QString GetDescription() const override { return GetSetDescription(); }
    QString GetSetDescription() const override { return DestOptions().GetSetDescription(); }
};

// What an N-to-N destination set saves, loads and compares.
class TDestSetContainOptions : public TDataConvertModel {
    AMBERTIDE_CLASS(TDestSetContainOptions)
public:
    virtual void SetItems(const QStringList& items) {}
};

class TNItemDestSetOptions : public TDestSetOptions {
    AMBERTIDE_CLASS(TNItemDestSetOptions)
public:
    TNItemDestSetOptions(TConvertSessionObjectFactory& factory, const QString& destType);
    ~TNItemDestSetOptions() override;

    void SaveToIni(TMyIniFile& ini, const QString& section) override;
    void LoadFromIni(const TMyIniFile& ini, const QString& section) override;
    bool IsEqual(const TDataConvertModel& other) const override;
    void SetItems(const QStringList& items) override;
    QString GetSetDescription() const override { return FContainOptions->GetDescription(); }

    TDestSetContainOptions& ContainOptions() { return *FContainOptions; }

private:
    std::unique_ptr<TDestSetContainOptions> FContainOptions;
};
