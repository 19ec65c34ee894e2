#pragma once

#include <QString>

// Passwords are stored as Argon2id hashes in the libsodium string form
// ("$argon2id$v=19$..."). A row written before hashing still holds the plain
// password; it is accepted once and then replaced by its hash.
namespace Password {

QString hash(const QString &password);           // empty on failure (out of memory)
bool isHash(const QString &stored);
// True when `typed` matches `stored`, hashed or plain. Plain passwords are
// compared exactly: letter case counts.
bool verify(const QString &stored, const QString &typed);
// True when a stored value should be replaced by a fresh hash.
bool needsRehash(const QString &stored);

} // namespace Password
