#pragma once
// The encipherment of remembered logon passwords (registry and session files):
// DES in 8-byte blocks under a key built from an MD5 digest, the text padded
// with NUL bytes to whole blocks, each byte written as two lower-case hex digits.
// This keeps passwords out of plain sight; it is not strong protection.

#include <QString>

// Raises "Error: the last char is NULL char." for a password ending in NUL,
// since the padding could not be told apart from it. "" stays "".
QString EncryptPassword(const QString& password);
// Raises "Error: not a Hex String" for a value that is not whole blocks of hex digits.
QString DecryptPassword(const QString& hexText);
