// The reference-data tests use the shared test folder and file helpers.
#pragma once

#include "support/temp_dir.h"

namespace kelvara::test {

using testing::TempDir;
using testing::Utf16Bytes;
using testing::WriteBytes;

inline void WriteUtf16File(const std::filesystem::path& file, TextView text, bool mark = true) {
    testing::WriteUtf16(file, text, mark);
}

}  // namespace kelvara::test
