// Every write of the program goes through here: whole files replaced safely
// (a temporary file beside the target, then renamed over it), records
// appended with a roll-back, and empty files created. A failure keeps its
// reason, so a message or a log can name it.
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace kelvara {

struct WriteResult {
    std::error_code error;  // empty when the write succeeded
    explicit operator bool() const { return !error; }
};

// Replaces `target` with `bytes`: the bytes go to a temporary file beside
// it (one name per target), which is flushed to the disk and renamed over
// the target, and the folder is flushed after the rename. A symbolic link is
// written through: the file it names is replaced and the link stays. A file
// without any write permission bit is not replaced (permission_denied). On
// failure the old file (if any) is untouched and no temporary file is left
// behind.
WriteResult WriteFileSafely(const std::filesystem::path& target, std::string_view bytes);

// Appends `bytes` to `target`, creating it when it is missing. On failure the
// file is cut back to its old size (or removed when it was created here).
WriteResult AppendWithRollback(const std::filesystem::path& target, std::string_view bytes);

// Creates an empty `target` when nothing of that name exists (a file that
// exists but cannot be read is left alone).
WriteResult CreateIfMissing(const std::filesystem::path& target);

// Creates `folder` and the folders above it that are missing. A folder that
// exists already is no failure; a file of that name is (not_a_directory).
WriteResult CreateFolders(const std::filesystem::path& folder);

}  // namespace kelvara
