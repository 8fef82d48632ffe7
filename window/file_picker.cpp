#include "window/file_picker.h"

#include <algorithm>
#include <system_error>

#include "refdata/i18n.h"
#include "refdata/paths.h"

namespace kelvara {

namespace fs = std::filesystem;

namespace {

bool EndsWithIgnoreCase(TextView name, TextView ending) {
    return name.size() >= ending.size() &&
           StartsWithIgnoreCase(name.substr(name.size() - ending.size()), ending);
}

}  // namespace

std::vector<Text> ListDesignFiles(const fs::path& folder) {
    std::vector<Text> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return names;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) break;
        std::error_code fe;
        if (!it->is_regular_file(fe) || fe) continue;
        // A name that has no text cannot be shown, nor opened by what is shown.
        const std::optional<Text> name = PathText(it->path().filename());
        if (!name) continue;
        if (EndsWithIgnoreCase(*name, u".sav") || EndsWithIgnoreCase(*name, u".ini"))
            names.push_back(*name);
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const Text& a, const Text& b) { return LessIgnoreCase(a, b); });
    return names;
}

std::optional<Text> SaveFileName(TextView chosen) {
    Text name(chosen);
    if (name.find(u".sav") == Text::npos) name += u".sav";
    size_t slash = name.rfind(u'/');
    if constexpr (fs::path::preferred_separator != '/') {
        const size_t other = name.rfind(static_cast<char16_t>(fs::path::preferred_separator));
        if (other != Text::npos && (slash == Text::npos || other > slash)) slash = other;
    }
    const TextView file = slash == Text::npos ? TextView(name) : TextView(name).substr(slash + 1);
    if (file == u".sav") return std::nullopt;
    return name;
}

FilePicker::FilePicker(Kind kind, fs::path folder, Text presetName)
    : kind_(kind), folder_(std::move(folder)), name_(std::move(presetName)) {
    Refill();
}

void FilePicker::Refill() {
    entries_ = ListDesignFiles(folder_);
    selection_ = -1;
}

void FilePicker::Select(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size())) {
        selection_ = -1;
        return;
    }
    selection_ = index;
    name_ = entries_[static_cast<size_t>(index)];
}

bool FilePicker::Accept() {
    if (selection_ >= 0) {
        name_ = entries_[static_cast<size_t>(selection_)];
        return true;
    }
    // A refill clears the selection but not the name edit: the file named
    // there is opened while the folder still lists it.
    return !name_.empty() && std::find(entries_.begin(), entries_.end(), name_) != entries_.end();
}

bool FilePicker::Save(const Question& ask) {
    const std::optional<Text> file = SaveFileName(name_);
    if (!file) return false;
    // Whatever the name came from, the file that will really be written
    // decides; a folder of that name is no file to replace (the write fails).
    std::error_code ec;
    const fs::file_status status = fs::status(folder_ / PathFromText(*file), ec);
    if (!fs::exists(status) || fs::is_directory(status)) return true;
    return ask(Tr(u"Внимание!"), TrFormat(u"Заменить файл \"{1}\"?", {*file}));
}

bool FilePicker::DoubleClick(const Question& ask) {
    if (selection_ < 0) return false;
    name_ = entries_[static_cast<size_t>(selection_)];
    return kind_ == Kind::Save ? Save(ask) : true;
}

}  // namespace kelvara
