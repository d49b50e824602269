#pragma once
// TFlatFileWriter: a file writer over one open file. Opening keeps the
// previous file as name + ".bak", writes the encoding's byte-order mark and,
// for writers with a header, the header line.

#include "UFileWriter.h"

#include <QFile>
#include <memory>

class TFlatFileWriter : public TFileWriter {
    AMBERTIDE_CLASS(TFlatFileWriter)
public:
    TFlatFileWriter();
    ~TFlatFileWriter() override;

    // Raises EInOutError when the file cannot be created.
    void OpenFile();
    void CloseFile();
    bool IsOpen() const;
    // Encoded by the encoding name.
    void WriteText(const QString& text);

    // "UTF-8 + BOM" gives EF BB BF, "Unicode" FF FE, "Unicode Big Endian" FE FF.
    static QByteArray ByteOrderMarkOf(const QString& encoding);
    // "Ansi" (any case) the ANSI code page, a name holding "UTF-8" UTF-8,
    // "Unicode Big Endian" UTF-16 big-endian, anything else UTF-16 little-endian.
    static QByteArray EncodeFor(const QString& text, const QString& encoding);

protected:
    // Written right after the byte-order mark; nothing here.
    virtual void WriteHeader() {}

private:
    std::unique_ptr<QFile> FFile;
};
