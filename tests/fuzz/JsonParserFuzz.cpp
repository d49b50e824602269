// Feeds arbitrary bytes to the JSON parser. A parse either fails with a parse
// error or gives a tree whose compact text parses back to the same text.

#include "UJsonTree.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (TJsonDuplicates duplicates : {TJsonDuplicates::DropDuplicates, TJsonDuplicates::KeepAll}) {
        try {
            auto root = TJsonValue::ParseString(text, duplicates);
            if (!root)
                continue;
            const QString written = root->ToString();
            // Names cut at a zero code may collide when read back, so the
            // second parse keeps every member.
            auto again = TJsonValue::ParseString(written, TJsonDuplicates::KeepAll);
            if (!again || again->ToString() != written)
                std::abort();
        } catch (const EJsonParseError&) {
        }
    }
    return 0;
}
