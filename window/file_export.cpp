#include "window/file_export.h"

#include "refdata/file_write.h"

namespace kelvara {

bool WriteExportFile(const std::filesystem::path& file, std::string_view bytes) {
    return !bytes.empty() && static_cast<bool>(WriteFileSafely(file, bytes));
}

}  // namespace kelvara
