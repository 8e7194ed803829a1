#include "program_setup.h"

#include <malloc.h>

void PrepareProcess() {
    // Every chunk and sentence frees and reallocates the same few buffers; by
    // default the allocator hands the top of the heap back to the kernel each
    // time and takes it again, which costs more than the synthesis itself.
    mallopt(M_TRIM_THRESHOLD, 32 << 20);
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
}

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}
