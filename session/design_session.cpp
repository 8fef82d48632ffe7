#include "session/design_session.h"

#include "refdata/data_files.h"
#include "refdata/file_write.h"
#include "refdata/material.h"
#include "refdata/paths.h"
#include "refdata/wire_table.h"
#include "session/messages.h"

namespace kelvara {

namespace fs = std::filesystem;

namespace {

// Folders are worked out on the system's own names, never through their
// texts: a folder whose name is not valid UTF-8 is still found.
using NativeName = fs::path::string_type;

bool IsSeparator(fs::path::value_type c) {
    return c == '/' || c == fs::path::preferred_separator;
}

NativeName WithTrailingSeparator(NativeName name) {
    if (!name.empty() && !IsSeparator(name.back())) name.push_back(fs::path::preferred_separator);
    return name;
}

void Say(Messages& messages, Text text) {
    messages.push_back({CalcEvent::Kind::Message, Tr(kCaptionWarning), std::move(text)});
}

}  // namespace

std::vector<CalcEvent> DesignRun::Messages() const {
    std::vector<CalcEvent> out;
    for (const CalcEvent& e : report.events)
        if (e.kind == CalcEvent::Kind::Message) out.push_back(e);
    return out;
}

void DesignSession::SetProgramFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path settings = fs::absolute(folder, ec);
    if (ec) settings = folder;
    settings = settings.lexically_normal();
    programFolder_ = WithTrailingSeparator(settings.native());
    // The data root is the parent of the program folder; with no separator
    // left (a root folder) it is empty and the data files are named relative
    // to the current folder.
    NativeName s = programFolder_.native();
    while (!s.empty() && IsSeparator(s.back())) s.pop_back();
    size_t cut = NativeName::npos;
    for (size_t i = s.size(); i-- > 0;) {
        if (IsSeparator(s[i])) {
            cut = i;
            break;
        }
    }
    dataRoot_ = cut == NativeName::npos ? fs::path() : fs::path(s.substr(0, cut + 1));
}

bool DesignSession::LoadWireTable(Messages& messages) {
    ++reads_.wireTable;
    auto table = ReadWireTable(dataRoot_ / PathFromText(files::kWireTable));
    if (!table) {
        const Text root =
            dataRoot_.empty() ? Text() : PathDisplayText(WithTrailingSeparator(dataRoot_.native()));
        Say(messages, TrFormat(msg::kWireMissing, {root}));
        return false;
    }
    wires_ = std::move(*table);
    return true;
}

bool DesignSession::ListMaterials(Messages& messages) {
    ++reads_.materialLists;
    materialNames_ = kelvara::ListMaterials(dataRoot_ / PathFromText(files::kMaterialsFolder));
    if (materialNames_.empty()) {
        Say(messages, Tr(msg::kNoMaterials));
        return false;
    }
    return true;
}

int DesignSession::MaterialEntry(TextView prefix) const {
    for (size_t i = 0; i < materialNames_.size(); ++i) {
        if (StartsWithIgnoreCase(materialNames_[i], prefix)) return static_cast<int>(i);
    }
    return -1;
}

int DesignSession::SelectMaterialByName(Messages& messages) {
    if (materialNames_.empty()) return -1;
    int index = MaterialEntry(inputs_.mater);
    if (index < 0) {
        index = 0;
        Say(messages, TrFormat(msg::kMaterialNotFound, {inputs_.mater, materialNames_[0]}));
    }
    // The field holds the selected entry's full name, so the file read is
    // always one that exists.
    inputs_.mater = materialNames_[static_cast<size_t>(index)];
    return index;
}

const MaterialLossData* DesignSession::MaterialData(TextView name) {
    if (const auto it = materialFiles_.find(Text(name)); it != materialFiles_.end())
        return &it->second;
    ++reads_.materialFiles;
    MaterialLossData data;
    Text text;
    const fs::path file = dataRoot_ / PathFromText(files::kMaterialsFolder) /
                          PathFromText(Text(name) + Text(files::kMaterialExtension));
    // A file that cannot be read is tried again next time: the user may
    // mend it meanwhile.
    if (!ReadMaterialFile(file, data, text)) return nullptr;
    return &materialFiles_.emplace(Text(name), data).first->second;
}

bool DesignSession::ReadSelectedMaterial(Messages& messages) {
    if (const MaterialLossData* data = MaterialData(inputs_.mater)) {
        material_ = *data;
        loadedMaterial_ = inputs_.mater;
        return true;
    }
    Say(messages, TrFormat(msg::kMaterialUnreadable, {inputs_.mater}));
    // Back to the material whose data are loaded, so that nothing shows one
    // material while the calculation uses another.
    if (!loadedMaterial_.empty()) inputs_.mater = loadedMaterial_;
    return false;
}

void DesignSession::LoadCoreDatabase(Messages& messages) {
    ++reads_.coreFiles;
    const CoreFiles files = ReadCoreFiles(dataRoot_);
    if (!files.shippedFound) Say(messages, Tr(msg::kNoCoreFile));
    cores_ = CoreDatabase(JoinCoreTexts(files.shipped, files.user));
}

CoreChoice DesignSession::ChooseCore(TextView name, int start, Messages& messages) const {
    CoreChoice c;
    c.shape = ShapeFromName(name);
    c.names = cores_.NamesOfFamily(c.shape);
    const int found = FindCoreEntry(c.names, name, 0);
    c.found = found >= 0;
    const int index = c.found ? found : start;
    c.index = index >= 0 && index < static_cast<int>(c.names.size()) ? index : -1;
    // Calculating another core than the design names is said.
    if (!c.found && c.index >= 0) {
        Say(messages, TrFormat(msg::kCoreNotFound, {name, c.names[static_cast<size_t>(c.index)]}));
    }
    return c;
}

void DesignSession::UseCore(TextView name) {
    inputs_.core = Text(name);
    const CoreData data = cores_.Lookup(name);
    inputs_.Ae = data.Ae;
    inputs_.An = data.An;
    inputs_.le = data.le;
    inputs_.mu = data.mu;
    inputs_.Ve = data.Ve;
    coreRecord_ = data.record;
}

bool DesignSession::AddCore(TextView record) {
    const fs::path file =
        dataRoot_ / PathFromText(files::kCoresFolder) / PathFromText(files::kUserCores);
    // The file first: when it cannot be written, nothing changes in memory.
    if (!AppendWithRollback(file, EncodeUtf16LE(record))) return false;
    cores_.Append(record);
    return true;
}

const DesignRun& DesignSession::Calculate() {
    ++calculations_;
    runInputs_ = inputs_;
    run_.report = RunCalculation(inputs_, coreRecord_, material_, wires_);
    run_.check = CheckDesign(inputs_, run_.report.results, coreRecord_, material_);
    return run_;
}

void DesignSession::RetranslateLastRun() {
    if (calculations_ == 0) return;
    DesignInputs in = runInputs_;
    run_.report = RunCalculation(in, coreRecord_, material_, wires_);
    run_.check = CheckDesign(in, run_.report.results, coreRecord_, material_);
}

bool DesignSession::ApplyDesign(Messages& messages, bool& coreSelected) {
    coreSelected = false;
    if (!ListMaterials(messages)) return false;
    // The design's material is selected and read before its core is, so the
    // calculation uses it.
    SelectMaterialByName(messages);
    ReadSelectedMaterial(messages);
    LoadCoreDatabase(messages);
    const CoreChoice choice = ChooseCore(inputs_.core, 0, messages);
    inputs_.shape = choice.shape;
    if (choice.index < 0) return true;
    inputs_.coreIndex = choice.index;
    UseCore(choice.names[static_cast<size_t>(choice.index)]);
    coreSelected = true;
    const DesignRun& run = Calculate();
    for (const CalcEvent& e : run.report.events)
        if (e.kind == CalcEvent::Kind::Message) messages.push_back(e);
    return true;
}

std::vector<NamedMaterial> DesignSession::AdviserMaterials(bool allMaterials) {
    std::vector<NamedMaterial> out;
    if (!allMaterials) {
        out.push_back({inputs_.mater, material_});
        return out;
    }
    for (const Text& name : materialNames_) {
        if (const MaterialLossData* data = MaterialData(name)) out.push_back({name, *data});
    }
    return out;
}

Ranking DesignSession::Rank(const DesignInputs& design, bool allMaterials,
                            const RankProgress& progress) {
    Ranking r;
    const std::vector<NamedMaterial> materials = AdviserMaterials(allMaterials);
    r.candidates = EvaluateCandidates(design, cores_, materials, wires_, 0, progress, &r.cancelled);
    if (r.cancelled) {
        r.candidates.clear();
        return r;
    }
    RankCandidates(r.candidates);
    return r;
}

DesignDocument DesignSession::Document(bool coreSelected) const {
    DesignDocument d;
    d.inputs = inputs_;
    d.results = run_.report.results;
    d.core = coreRecord_;
    d.coreSelected = coreSelected;
    d.messages = run_.Messages();
    d.check = run_.check;
    d.calculated = run_.completed();
    return d;
}

}  // namespace kelvara
