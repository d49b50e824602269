#include "UJsonWriter.h"

namespace {

const char16_t HexDigits[] = u"0123456789ABCDEF";

void AppendUnicodeEscape(QString& out, char16_t c)
{
    const char16_t esc[6] = {u'\\', u'u', HexDigits[(c >> 12) & 15], HexDigits[(c >> 8) & 15],
                             HexDigits[(c >> 4) & 15], HexDigits[c & 15]};
    out.append(reinterpret_cast<const QChar*>(esc), 6);
}

}  // namespace

void TJsonWriter::String(QStringView text)
{
    FText += u'"';
    const char16_t* p = text.utf16();
    const qsizetype n = text.size();
    qsizetype run = 0;  // start of the pending run of characters written as they are
    auto flush = [&](qsizetype i) {
        if (i > run)
            FText.append(reinterpret_cast<const QChar*>(p + run), i - run);
        run = i + 1;
    };
    qsizetype i = 0;
    for (; i < n; ++i) {
        const char16_t c = p[i];
        if (c >= 32 && c < 256 && c != u'"' && c != u'\\' && c != u'/')
            continue;
        if (c == 0)
            break;  // a zero code ends the text: nothing after it is written
        flush(i);
        switch (c) {
        case u'"': FText += u"\\\""; break;
        case u'\\': FText += u"\\\\"; break;
        case u'/': FText += u"\\/"; break;
        case 8: FText += u"\\b"; break;
        case 9: FText += u"\\t"; break;
        case 10: FText += u"\\n"; break;
        case 12: FText += u"\\f"; break;
        case 13: FText += u"\\r"; break;
        default: AppendUnicodeEscape(FText, c); break;
        }
    }
    if (i > run)
        FText.append(reinterpret_cast<const QChar*>(p + run), i - run);
    FText += u'"';
}

QString TJsonWriter::Escape(QStringView text)
{
    TJsonWriter writer;
    writer.String(text);
    return writer.TakeText();
}
