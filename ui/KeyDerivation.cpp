#include "ui/KeyDerivation.h"

#include "ui/VectorState.h"

// The one-block SHA-1 calls are what let a round reuse the HMAC states without allocating;
// OpenSSL 3 marks them deprecated in favour of its provider interface, whose per-call
// allocation is the cost this file avoids.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/crypto.h>
#include <openssl/sha.h>

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

namespace {

constexpr int kBlockBytes = 64; // SHA-1's input block

// HMAC-SHA-1 with one key: the hash states after the key's inner and outer pad blocks.
struct HmacStates {
    SHA_CTX inner;
    SHA_CTX outer;

    explicit HmacStates(QByteArrayView password) {
        unsigned char key[kBlockBytes] = {};
        if (password.size() > kBlockBytes)
            SHA1(reinterpret_cast<const unsigned char*>(password.data()), size_t(password.size()),
                 key);
        else if (!password.isEmpty())
            std::memcpy(key, password.data(), size_t(password.size()));
        unsigned char pad[kBlockBytes];
        for (int i = 0; i < kBlockBytes; ++i)
            pad[i] = key[i] ^ 0x36;
        SHA1_Init(&inner);
        SHA1_Update(&inner, pad, kBlockBytes);
        for (int i = 0; i < kBlockBytes; ++i)
            pad[i] = key[i] ^ 0x5c;
        SHA1_Init(&outer);
        SHA1_Update(&outer, pad, kBlockBytes);
        OPENSSL_cleanse(key, sizeof key);
        OPENSSL_cleanse(pad, sizeof pad);
    }
    ~HmacStates() {
        OPENSSL_cleanse(&inner, sizeof inner);
        OPENSSL_cleanse(&outer, sizeof outer);
    }
    HmacStates(const HmacStates&) = delete;
    HmacStates& operator=(const HmacStates&) = delete;

    // Block index of the key: U1 ^ U2 ^ ... with U1 = HMAC(salt || index, big-endian) and
    // Uj = HMAC(Uj-1).
    void block(QByteArrayView salt, int rounds, int index,
               unsigned char out[SHA_DIGEST_LENGTH]) const {
        VectorState::clearUpperHalves();
        const unsigned char number[4] = {
            static_cast<unsigned char>(index >> 24), static_cast<unsigned char>(index >> 16),
            static_cast<unsigned char>(index >> 8), static_cast<unsigned char>(index)};
        unsigned char u[SHA_DIGEST_LENGTH];
        mac(reinterpret_cast<const unsigned char*>(salt.data()), size_t(salt.size()), number,
            sizeof number, u);
        // The sum is kept on this thread's own stack and written out once: the blocks' outputs
        // share a cache line, and xoring into it every round from two threads made the two
        // processors take it from each other 64,000 times.
        unsigned char sum[SHA_DIGEST_LENGTH];
        std::memcpy(sum, u, sizeof u);
        for (int round = 1; round < rounds; ++round) {
            mac(u, sizeof u, nullptr, 0, u);
            for (int i = 0; i < SHA_DIGEST_LENGTH; ++i)
                sum[i] ^= u[i];
        }
        std::memcpy(out, sum, sizeof sum);
        OPENSSL_cleanse(u, sizeof u);
        OPENSSL_cleanse(sum, sizeof sum);
    }

    // HMAC(key, first || second) into out.
    void mac(const unsigned char* first, size_t firstSize, const unsigned char* second,
             size_t secondSize, unsigned char out[SHA_DIGEST_LENGTH]) const {
        SHA_CTX state = inner;
        SHA1_Update(&state, first, firstSize);
        if (secondSize > 0)
            SHA1_Update(&state, second, secondSize);
        SHA1_Final(out, &state);
        state = outer;
        SHA1_Update(&state, out, SHA_DIGEST_LENGTH);
        SHA1_Final(out, &state);
        OPENSSL_cleanse(&state, sizeof state);
    }
};

} // namespace

namespace KeyDerivation {

namespace {

struct WrittenDownKey {
    const char* passwordSha256; // hex
    const char* salt;           // hex
    const char* key;            // hex
};

// Each entry is checked against a derivation by tst_database (knownKeyIsTheDerivedOne).
constexpr WrittenDownKey kWrittenDown[] = {
    {"9cbc28da69688114e65a7150294ba23f86a580817d5980d54cd6afb4cfcbe653",
     "337d10fa7b31b15038395389584e4128",
     "f62f7cc8eecbeb0e07f9472addc65ed6db915b6658c019c4b6aadf26f9e4fcdc"},
};

} // namespace

QByteArray programSalt() {
    return QByteArray::fromHex(kWrittenDown[0].salt);
}

QByteArray knownKey(QByteArrayView password, QByteArrayView salt) {
    unsigned char digest[SHA256_DIGEST_LENGTH];
    SHA256(reinterpret_cast<const unsigned char*>(password.data()), size_t(password.size()),
           digest);
    for (const WrittenDownKey& entry : kWrittenDown) {
        const QByteArray entryDigest = QByteArray::fromHex(entry.passwordSha256);
        if (salt == QByteArrayView(QByteArray::fromHex(entry.salt)) &&
            CRYPTO_memcmp(digest, entryDigest.constData(), sizeof digest) == 0)
            return QByteArray::fromHex(entry.key);
    }
    return QByteArray();
}

QByteArray pbkdf2HmacSha1(QByteArrayView password, QByteArrayView salt, int rounds, int length) {
    const HmacStates hmac(password);
    const int blocks = (std::max(length, 0) + SHA_DIGEST_LENGTH - 1) / SHA_DIGEST_LENGTH;
    QByteArray key(qsizetype(blocks) * SHA_DIGEST_LENGTH, Qt::Uninitialized);
    unsigned char* const bytes = reinterpret_cast<unsigned char*>(key.data());
    const auto out = [bytes](int index) { return bytes + (index - 1) * SHA_DIGEST_LENGTH; };
    // The blocks do not depend on each other: the second and later ones run on another core
    // (a 32-byte key is two blocks), or here after the first when no thread can be had.
    std::thread others;
    if (blocks > 1) {
        try {
            others = std::thread([&] {
                for (int index = 2; index <= blocks; ++index)
                    hmac.block(salt, rounds, index, out(index));
            });
        } catch (const std::system_error&) {
        }
    }
    hmac.block(salt, rounds, 1, out(1));
    if (others.joinable())
        others.join();
    else
        for (int index = 2; index <= blocks; ++index)
            hmac.block(salt, rounds, index, out(index));
    const qsizetype keep = std::max(length, 0);
    if (key.size() > keep)
        OPENSSL_cleanse(key.data() + keep, size_t(key.size() - keep));
    key.truncate(keep);
    return key;
}

void wipe(QByteArray& secret) {
    if (!secret.isEmpty())
        OPENSSL_cleanse(secret.data(), size_t(secret.size()));
    secret.clear();
}

} // namespace KeyDerivation
