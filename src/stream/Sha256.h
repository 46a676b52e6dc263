#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <openssl/sha.h>

// SHA-256 through OpenSSL, which uses the processor's SHA instructions where it has them:
// several times the speed of QCryptographicHash, and hashing whole brush files is most of what
// cataloguing a collection and marking a converted pack cost. OpenSSL's plain SHA256_* calls,
// deprecated in favour of EVP, are used on purpose: EVP loads OpenSSL's configuration and
// providers first, 2.4 MB more at the peak of a convert for the same digest.
class Sha256
{
public:
    Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void addData(QByteArrayView data);
    // The 32 bytes of the digest; the hash is spent after it.
    QByteArray result();

private:
    SHA256_CTX mContext;
};
