#include "password.h"

#include <sodium.h>

namespace Password {

namespace {

bool ready()
{
    static const bool ok = sodium_init() >= 0;
    return ok;
}

const char kPrefix[] = "$argon2id$";

} // namespace

QString hash(const QString &password)
{
    if (!ready())
        return {};
    const QByteArray utf8 = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, utf8.constData(), quint64(utf8.size()), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                              crypto_pwhash_MEMLIMIT_INTERACTIVE, crypto_pwhash_ALG_ARGON2ID13)
        != 0)
        return {};
    return QString::fromLatin1(out);
}

bool isHash(const QString &stored)
{
    return stored.startsWith(QLatin1String(kPrefix));
}

bool verify(const QString &stored, const QString &typed)
{
    if (!isHash(stored))
        return !stored.isNull() && stored == typed;
    if (!ready())
        return false;
    const QByteArray h = stored.toLatin1();
    const QByteArray utf8 = typed.toUtf8();
    return crypto_pwhash_str_verify(h.constData(), utf8.constData(), quint64(utf8.size())) == 0;
}

bool needsRehash(const QString &stored)
{
    if (!isHash(stored))
        return true;
    if (!ready())
        return false;
    const QByteArray h = stored.toLatin1();
    return crypto_pwhash_str_needs_rehash(h.constData(), crypto_pwhash_OPSLIMIT_INTERACTIVE,
                                          crypto_pwhash_MEMLIMIT_INTERACTIVE)
        != 0;
}

} // namespace Password
