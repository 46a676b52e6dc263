// See the header for why these deprecated calls.
#define OPENSSL_SUPPRESS_DEPRECATED
#include "stream/Sha256.h"

Sha256::Sha256()
{
    SHA256_Init(&mContext);
}

void Sha256::addData(QByteArrayView data)
{
    SHA256_Update(&mContext, data.data(), size_t(data.size()));
}

QByteArray Sha256::result()
{
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256_Final(digest, &mContext);
    return QByteArray(reinterpret_cast<const char*>(digest), sizeof digest);
}
