#pragma once

#include "ULogAppender.h"

class TFileLogAppender : public TLogAppender {
public:
    explicit TFileLogAppender(QString fileName) : FFileName(std::move(fileName)) {}
    const QString& FileName() const { return FFileName; }
    // Nothing is written for an empty file name.
    void Append(const QString& line) override;

private:
    QString FFileName;
};
