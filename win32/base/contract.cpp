#include "win32/base/contract.h"

#include <cstdio>
#include <cstdlib>

namespace w32 {

void contractFailure(const char* file, int line, const char* message) {
    std::fprintf(stderr, "win32: %s:%d: %s\n", file, line, message);
    std::abort();
}

}  // namespace w32
