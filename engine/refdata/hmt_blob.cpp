// The stored Hazardous Materials Table, linked into the library as read-only
// data straight from the generator's output (no copy, no source array).
#include <cstddef>

#ifndef DRAVLEN_HMT_BIN
#error "DRAVLEN_HMT_BIN must name the generated table"
#endif

__asm__(".section .rodata\n"
        ".balign 16\n"
        ".globl dravlen_hmt_begin\n"
        ".hidden dravlen_hmt_begin\n"
        "dravlen_hmt_begin:\n"
        ".incbin \"" DRAVLEN_HMT_BIN "\"\n"
        ".globl dravlen_hmt_end\n"
        ".hidden dravlen_hmt_end\n"
        "dravlen_hmt_end:\n"
        ".byte 0\n"
        ".previous\n");

extern "C" const char dravlen_hmt_begin[];
extern "C" const char dravlen_hmt_end[];

namespace dravlen {

const char *EmbeddedHmtData() { return dravlen_hmt_begin; }
size_t EmbeddedHmtSize() { return size_t(dravlen_hmt_end - dravlen_hmt_begin); }

} // namespace dravlen
