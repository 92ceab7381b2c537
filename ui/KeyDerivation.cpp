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
        std::memcpy(out, u, sizeof u);
        for (int round = 1; round < rounds; ++round) {
            mac(u, sizeof u, nullptr, 0, u);
            for (int i = 0; i < SHA_DIGEST_LENGTH; ++i)
                out[i] ^= u[i];
        }
        OPENSSL_cleanse(u, sizeof u);
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
