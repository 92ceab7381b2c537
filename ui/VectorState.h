#pragma once

// Something Qt runs when it starts its windows returns with the upper halves of the processor's
// 256-bit vector registers still in use (Qt 6.4's string hash, for one, has a 256-bit path that
// ends without vzeroupper), and every thread started afterwards inherits that state. While it
// lasts, each older-style vector instruction pays for a transition: OpenSSL's SHA-1 and AES code,
// which the key derivation and the decryption of every page read run on, ran three times slower
// in the program than on its own. Clearing the state costs a cycle, so it is cleared before such
// work, in the thread that does it.
namespace VectorState {

inline void clearUpperHalves() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool hasAvx = __builtin_cpu_supports("avx");
    // vzeroupper keeps the low 128 bits of every register, all that code built without AVX
    // (as ours is) ever uses, so nothing the compiler holds in them is lost.
    if (hasAvx)
        __asm__ volatile("vzeroupper");
#endif
}

} // namespace VectorState
