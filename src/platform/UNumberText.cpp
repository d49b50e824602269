#include "UNumberText.h"

#include <charconv>

double TextToDouble(QStringView text, bool* ok)
{
    char buffer[64];
    const qsizetype n = text.size();
    qsizetype length = 0;
    if (n > 0 && n < static_cast<qsizetype>(sizeof buffer)) {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if ((u < '0' || u > '9') && u != '.' && u != '-' && u != '+' && u != 'e' && u != 'E') {
                length = 0;
                break;
            }
            buffer[length++] = static_cast<char>(u);
        }
    }
    if (length > 0) {
        const char* first = buffer;
        const char* last = buffer + length;
        // from_chars takes no plus sign; a second sign after it stays an error.
        if (*first == '+' && length > 1 && buffer[1] != '-' && buffer[1] != '+')
            ++first;
        double value = 0;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error == std::errc() && end == last) {
            if (ok)
                *ok = true;
            return value;
        }
    }
    // Blanks, other scripts' digits, "inf", overflow: Qt decides.
    return text.toDouble(ok);
}
