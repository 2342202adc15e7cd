// Vector versions of the busiest loops, chosen when the program starts.
#pragma once

// The busiest passes are plain loops over arrays that the compiler turns into vector code;
// on x86-64 each also gets versions for AVX-512 and AVX2 processors, chosen when the program
// starts. Vector code does the very same integer and IEEE operations, one per lane, so every
// result is the same bit for bit (and nothing is fused: the build forbids contraction). A build
// with KELMORA_PROCESSOR_PATHS off has only the plain versions.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(KELMORA_NO_PROCESSOR_PATHS)
#if defined(__has_feature)
#if !__has_feature(address_sanitizer)
#define KELMORA_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
#else
#define KELMORA_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#endif
#endif
#ifndef KELMORA_VECTOR_CLONES
#define KELMORA_VECTOR_CLONES
#endif
