// SPDX-License-Identifier: MIT
#include "tests/fuzz/fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzReader(ReadXspf, data, size);
}
