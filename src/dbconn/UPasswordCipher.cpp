#include "UPasswordCipher.h"

#include "UException.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <cstring>

// The one-block DES routines of libcrypto need no provider, unlike the EVP
// cipher "des-ecb", which OpenSSL 3 keeps in its optional legacy provider.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/des.h>

namespace {

constexpr int BlockSize = 8;
const char PadChar = '\0';

// Built at run time so that the key text never sits in the binary as it is.
DES_key_schedule KeySchedule()
{
    const QByteArray seed = QByteArrayLiteral("Cv\x6clA");
    const QByteArray digest = QCryptographicHash::hash(seed, QCryptographicHash::Md5).toHex();
    DES_cblock key;
    for (int i = 0; i < BlockSize; ++i)
        key[i] = static_cast<unsigned char>(digest[i]);
    DES_key_schedule schedule;
    DES_set_key_unchecked(&key, &schedule);
    return schedule;
}

QByteArray RunBlocks(const QByteArray& data, int direction)
{
    DES_key_schedule schedule = KeySchedule();
    QByteArray out(data.size(), '\0');
    for (int pos = 0; pos < data.size(); pos += BlockSize) {
        DES_cblock in;
        DES_cblock res;
        memcpy(in, data.constData() + pos, BlockSize);
        DES_ecb_encrypt(&in, &res, &schedule, direction);
        memcpy(out.data() + pos, res, BlockSize);
    }
    return out;
}

bool IsHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

}  // namespace

QString EncryptPassword(const QString& password)
{
    if (password.isEmpty())
        return QString();
    if (password.endsWith(QChar(0)))
        throw Exception(QStringLiteral("Error: the last char is NULL char."));
    QByteArray data = password.toUtf8();
    while (data.size() % BlockSize != 0)
        data.append(PadChar);
    return QString::fromLatin1(RunBlocks(data, DES_ENCRYPT).toHex());
}

QString DecryptPassword(const QString& hexText)
{
    if (hexText.isEmpty())
        return QString();
    // A stored value that is cut or edited is reported the same way as one that is not hex at all.
    bool hex = hexText.size() % (2 * BlockSize) == 0;
    for (QChar c : hexText)
        hex = hex && IsHexDigit(c);
    if (!hex)
        throw Exception(QStringLiteral("Error: not a Hex String"));
    QByteArray data = RunBlocks(QByteArray::fromHex(hexText.toLatin1()), DES_DECRYPT);
    while (!data.isEmpty() && data.endsWith(PadChar))
        data.chop(1);
    return QString::fromUtf8(data);
}
