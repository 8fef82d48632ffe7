#include "window/kelvara_dlg.h"

#include <cmath>

#include "calc/core_geometry.h"
#include "calc/design_rules.h"
#include "calc/gap_model.h"
#include "designs/design_file.h"
#include "refdata/core_database.h"
#include "refdata/file_write.h"
#include "refdata/material.h"
#include "refdata/paths.h"
#include "refdata/wire_table.h"
#include "window/file_picker.h"
#include "window/messages.h"

namespace kelvara {

namespace fs = std::filesystem;

const std::array<int, 12> kCoreDataEdits = {ctl::kMu,   ctl::kDimA, ctl::kDimB, ctl::kDimC,
                                            ctl::kDimD, ctl::kDimH, ctl::kDimh, ctl::kDimI,
                                            ctl::kAe,   ctl::kAn,   ctl::kLe,   ctl::kVe};

namespace {

// The permeability and dimension edits, and the data edits, of the core group.
constexpr std::array<int, 8> kMuAndDimensionEdits = {
    ctl::kMu, ctl::kDimA, ctl::kDimB, ctl::kDimC, ctl::kDimD, ctl::kDimH, ctl::kDimh, ctl::kDimI};
constexpr std::array<int, 4> kDataEdits = {ctl::kAe, ctl::kAn, ctl::kLe, ctl::kMu};

template <typename Ids>
void SetEnabled(View& view, const Ids& ids, bool enabled) {
    for (int id : ids) view.SetEnabled(id, enabled);
}

// Sets a flag for the duration of an exchange.
class ExchangeGuard {
  public:
    explicit ExchangeGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~ExchangeGuard() { flag_ = old_; }

  private:
    bool& flag_;
    bool old_;
};

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

template <typename Fields>
void ShowFields(View& view, const DesignInputs& in, const Fields& fields) {
    for (const FieldDef& f : fields) {
        const FieldControls& c = ControlsOf(f);
        switch (f.kind) {
            case FieldKind::Text:
                if (c.ids[0] == ctl::kCoreList || c.ids[0] == ctl::kMaterialList) break;
                if (view.GetText(c.ids[0]) != in.*(f.text)) view.SetText(c.ids[0], in.*(f.text));
                break;
            case FieldKind::Choice:
                for (int b = 0; b < c.count; ++b) view.SetChecked(c.ids[b], in.*(f.number) == b);
                break;
            case FieldKind::Flag:
                // A flag outside 0..2 is shown as 0; only 1 shows a check mark.
                view.SetChecked(c.ids[0], in.*(f.number) == 1);
                break;
        }
    }
}

template <typename Fields>
void TakeFields(const View& view, DesignInputs& in, const Fields& fields) {
    for (const FieldDef& f : fields) {
        const FieldControls& c = ControlsOf(f);
        switch (f.kind) {
            case FieldKind::Text:
                if (c.ids[0] == ctl::kCoreList || c.ids[0] == ctl::kMaterialList) break;
                in.*(f.text) = view.GetText(c.ids[0]);
                break;
            case FieldKind::Choice: {
                int32_t checked = -1;
                for (int b = 0; b < c.count; ++b) {
                    if (view.IsChecked(c.ids[b])) {
                        checked = b;
                        break;
                    }
                }
                in.*(f.number) = checked;
                break;
            }
            case FieldKind::Flag:
                in.*(f.number) = view.IsChecked(c.ids[0]) ? 1 : 0;
                break;
        }
    }
}

// Whether two records hold the same values in the fields the controls show.
template <typename Fields>
bool SameFields(const DesignInputs& a, const DesignInputs& b, const Fields& fields) {
    for (const FieldDef& f : fields) {
        if (f.kind == FieldKind::Text ? a.*(f.text) != b.*(f.text)
                                      : a.*(f.number) != b.*(f.number)) {
            return false;
        }
    }
    return true;
}

}  // namespace

CKelvaraDlg::CKelvaraDlg(View& view) : view_(view) {}

// --- Exchanges ---------------------------------------------------------------

void CKelvaraDlg::Show() {
    ExchangeGuard guard(exchanging_);
    ShowFields(view_, in_, kDesignFileFields);
    ShowFields(view_, in_, kCoreGroupFields);
    for (const ResultFieldDef& r : kResultFields) {
        const Text& t = res_.text[r.field];
        if (view_.GetText(r.controlId) != t) view_.SetText(r.controlId, t);
    }
}

void CKelvaraDlg::Take() {
    ExchangeGuard guard(exchanging_);
    TakeFields(view_, in_, kDesignFileFields);
    TakeFields(view_, in_, kCoreGroupFields);
}

DesignInputs CKelvaraDlg::TakeCopy() const {
    DesignInputs copy = in_;
    TakeFields(view_, copy, kDesignFileFields);
    TakeFields(view_, copy, kCoreGroupFields);
    return copy;
}

// --- Results that belong to earlier inputs --------------------------------------

void CKelvaraDlg::SetStale(bool stale) {
    if (stale == resultsStale_) return;
    resultsStale_ = stale;
    view_.ShowResultsStale(stale);
}

void CKelvaraDlg::UpdateStale() {
    // Before the first calculation there are no results to belong to anything.
    if (calculationsRun_ == 0) return;
    const DesignInputs now = TakeCopy();
    SetStale(!SameFields(now, calculatedInputs_, kDesignFileFields) ||
             !SameFields(now, calculatedInputs_, kCoreGroupFields));
}

void CKelvaraDlg::OnInputChanged() {
    if (exchanging_) return;
    UpdateStale();
}

// --- Messages ----------------------------------------------------------------

void CKelvaraDlg::ShowEvents(const std::vector<CalcEvent>& events) {
    for (const CalcEvent& e : events) {
        if (e.kind == CalcEvent::Kind::Refresh) {
            Show();
            view_.ShowCheck(check_);
        } else {
            view_.MessageBox(e.caption, e.text, View::Buttons::Ok);
        }
    }
}

void CKelvaraDlg::Warning(TextView text) {
    view_.MessageBox(kCaptionWarning, text, View::Buttons::Ok);
}

void CKelvaraDlg::ErrorMessage(TextView text) {
    view_.MessageBox(kCaptionError, text, View::Buttons::Ok);
}

void CKelvaraDlg::WriteFailed(TextView name) {
    Text text(msg::kWriteFailedBefore);
    text += name;
    text += msg::kWriteFailedAfter;
    ErrorMessage(text);
}

// --- Opening -------------------------------------------------------------------

void CKelvaraDlg::SetFolders(const fs::path& currentDir) {
    std::error_code ec;
    fs::path settings = fs::absolute(currentDir, ec);
    if (ec) settings = currentDir;
    settings = settings.lexically_normal();
    settingsFolder_ = WithTrailingSeparator(settings.native());
    // The data root is the parent of the settings folder; with no separator
    // left (a root folder) it is empty and the data files are named relative
    // to the current folder.
    NativeName s = settingsFolder_.native();
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

void CKelvaraDlg::SetDataRoot(const fs::path& dataRoot) {
    dataRoot_ = dataRoot;
}

bool CKelvaraDlg::LoadWireTable() {
    auto table = ReadWireTable(dataRoot_ / "Wire.txt");
    if (!table) {
        Text text(msg::kWireMissingBefore);
        if (!dataRoot_.empty()) text += PathDisplayText(WithTrailingSeparator(dataRoot_.native()));
        text += msg::kWireMissingAfter;
        Warning(text);
        return false;
    }
    wires_ = std::move(*table);
    return true;
}

bool CKelvaraDlg::BuildMaterialList() {
    view_.ListClear(ctl::kMaterialList);
    for (const Text& name : ListMaterials(dataRoot_ / "Ferrites_Materials")) {
        view_.ListAdd(ctl::kMaterialList, name);
    }
    if (view_.ListCount(ctl::kMaterialList) == 0) {
        Warning(msg::kNoMaterials);
        return false;
    }
    return true;
}

int CKelvaraDlg::FindCoreEntry(TextView name, int start) const {
    const int count = view_.ListCount(ctl::kCoreList);
    if (count == 0) return -1;
    // An entry equal to the name first: a core "E 40" is never taken for
    // "E 40/16/12". Only then the first entry that begins with the name.
    for (int k = 0; k < count; ++k) {
        const int i = (start + k) % count;
        if (view_.ListItem(ctl::kCoreList, i) == name) return i;
    }
    for (int k = 0; k < count; ++k) {
        const int i = (start + k) % count;
        if (StartsWithIgnoreCase(view_.ListItem(ctl::kCoreList, i), name)) return i;
    }
    return -1;
}

int CKelvaraDlg::FindListPrefix(int listId, TextView prefix, int start) const {
    const int count = view_.ListCount(listId);
    for (int i = std::max(start, 0); i < count; ++i) {
        if (StartsWithIgnoreCase(view_.ListItem(listId, i), prefix)) return i;
    }
    return -1;
}

void CKelvaraDlg::SelectMaterialByName() {
    int index = FindListPrefix(ctl::kMaterialList, in_.mater, 0);
    if (index < 0) {
        index = 0;
        Text text(msg::kMaterialNotFoundBefore);
        text += in_.mater;
        text += msg::kMaterialNotFoundMiddle;
        text += view_.ListItem(ctl::kMaterialList, index);
        text += msg::kNotFoundAfter;
        Warning(text);
    }
    view_.ListSelect(ctl::kMaterialList, index);
    // The field holds the selected entry's full name, so the file read is
    // always one that exists.
    in_.mater = view_.ListItem(ctl::kMaterialList, index);
}

fs::path CKelvaraDlg::MaterialFile(TextView name) const {
    Text file(name);
    file += u".txt";
    return dataRoot_ / "Ferrites_Materials" / PathFromText(file);
}

void CKelvaraDlg::SelectMaterialEntry(TextView name) {
    const int count = view_.ListCount(ctl::kMaterialList);
    for (int i = 0; i < count; ++i) {
        if (view_.ListItem(ctl::kMaterialList, i) == name) {
            view_.ListSelect(ctl::kMaterialList, i);
            return;
        }
    }
}

bool CKelvaraDlg::ReadSelectedMaterial() {
    if (ReadMaterialFile(MaterialFile(in_.mater), material_, materialText_)) {
        loadedMaterial_ = in_.mater;
        return true;
    }
    Text text(msg::kMaterialUnreadableBefore);
    text += in_.mater;
    text += msg::kMaterialUnreadableAfter;
    Warning(text);
    if (!loadedMaterial_.empty()) {
        // Back to the material whose data are loaded, so the list never shows
        // one material while the calculation uses another.
        in_.mater = loadedMaterial_;
        SelectMaterialEntry(loadedMaterial_);
    }
    return false;
}

void CKelvaraDlg::LoadCoreDatabase() {
    const CoreFiles files = ReadCoreFiles(dataRoot_);
    if (!files.shippedFound) Warning(msg::kNoCoreFile);
    coreText_ = JoinCoreTexts(files.shipped, files.user);
}

void CKelvaraDlg::ShowGapLabels() {
    const bool al = in_.yes_al != 0;
    view_.SetText(ctl::kGapLabel, Text(al ? kALReqLabel : kGapReqLabel));
    view_.SetText(ctl::kGapUnit, al ? Text() : Text(u"мм"));
}

void CKelvaraDlg::EnableTransistorEdits() {
    view_.SetEnabled(ctl::kUnas, in_.rds != 1);
    view_.SetEnabled(ctl::kRds, in_.rds == 1);
}

bool CKelvaraDlg::Open(const fs::path& currentDir) {
    const fs::path ini = currentDir / PathFromText(kSettingsFileName);
    // A file that cannot be read, or that holds no inputs (no key), keeps the
    // defaults.
    if (!ReadDesignFile(ini, in_)) {
        std::error_code ec;
        if (fs::status(ini, ec).type() == fs::file_type::not_found) {
            if (!WriteDesignFile(ini, in_)) WriteFailed(kSettingsFileName);
        } else {
            // It holds the inputs of earlier runs: left as it is until the
            // exit writes it.
            Warning(msg::kSettingsUnreadable);
        }
    }
    SetFolders(currentDir);
    if (!LoadWireTable()) return false;
    if (in_.mater.empty()) in_.mater = kDefaultMaterial;
    if (!ApplyDesign(ApplyMode::Opening)) return false;
    for (int id : kCoreDataEdits) view_.SetEnabled(id, false);
    return true;
}

bool CKelvaraDlg::ApplyDesign(ApplyMode mode) {
    Show();
    ShowGapLabels();
    EnableTransistorEdits();
    if (mode == ApplyMode::Opening && !BuildMaterialList()) return false;
    // The design's material is selected and read before its core is, so the
    // calculation uses it.
    SelectMaterialByName();
    ReadSelectedMaterial();
    if (mode == ApplyMode::Opening) LoadCoreDatabase();
    SelectCoreByName(in_.core);
    return true;
}

bool CKelvaraDlg::OpenDesign(const fs::path& file) {
    const DesignRead read = ReadDesignFile(file, in_);
    if (!read) {
        const bool notADesign = read.status == DesignReadStatus::NotADesign;
        Text text(notADesign ? msg::kNotADesignBefore : msg::kDesignUnreadableBefore);
        text += PathDisplayText(file);
        text += notADesign ? msg::kNotADesignAfter : msg::kDesignUnreadableAfter;
        Warning(text);
        return false;
    }
    designFile_ = PathDisplayText(file.filename());
    ApplyDesign(ApplyMode::Loading);
    view_.InvalidatePicture();
    return true;
}

// --- Core list -------------------------------------------------------------

void CKelvaraDlg::FillCoreList() {
    Take();
    view_.ListClear(ctl::kCoreList);
    for (const Text& name : CoreNamesOfFamily(coreText_, in_.shape))
        view_.ListAdd(ctl::kCoreList, name);
}

void CKelvaraDlg::SelectCoreByName(Text name) {
    in_.shape = ShapeFromName(name);
    Show();
    FillCoreList();
    const int found = FindCoreEntry(name, 0);
    if (found >= 0) in_.coreIndex = found;
    view_.ListSelect(ctl::kCoreList, in_.coreIndex);
    const int selected = view_.ListSelection(ctl::kCoreList);
    // Calculating another core than the design names is said; when none can
    // be selected nothing is calculated and the empty list shows it.
    if (found < 0 && selected >= 0) {
        Text text(msg::kCoreNotFoundBefore);
        text += name;
        text += msg::kCoreNotFoundMiddle;
        text += view_.ListItem(ctl::kCoreList, selected);
        text += msg::kNotFoundAfter;
        Warning(text);
    }
    ShowSelectedCore();
}

void CKelvaraDlg::ShowSelectedCore() {
    if (in_.add_by_size == 1 || in_.add_by_data == 1) return;
    Take();
    in_.coreIndex = view_.ListSelection(ctl::kCoreList);
    if (in_.coreIndex == -1) return;
    in_.core = view_.ListItem(ctl::kCoreList, in_.coreIndex);
    const CoreData data = LookupCore(coreText_, in_.core);
    in_.Ae = data.Ae;
    in_.An = data.An;
    in_.le = data.le;
    in_.mu = data.mu;
    in_.Ve = data.Ve;
    coreRec_ = data.record;
    Show();
    Calculate();
}

bool CKelvaraDlg::Calculate() {
    Take();
    ++calculationsRun_;
    // The results about to be shown belong to the inputs just taken.
    SetStale(false);
    CalcReport report = RunCalculation(in_, coreRec_, material_, wires_);
    res_ = std::move(report.results);
    lastRunCompleted_ = report.completed;
    check_ = CheckDesign(in_, res_, coreRec_, material_);
    lastMessages_.clear();
    for (const CalcEvent& e : report.events)
        if (e.kind == CalcEvent::Kind::Message) lastMessages_.push_back(e);
    ShowEvents(report.events);
    calculatedInputs_ = TakeCopy();
    return lastRunCompleted_;
}

// --- Handlers --------------------------------------------------------------

void CKelvaraDlg::OnKoChanged() {
    if (exchanging_) return;
    Take();
    const Text limit(rule::kMaxWindowFillInput);
    if (ParseDecimal(Replaced(in_.ko, u',', u'.')) > ParseDecimal(limit)) in_.ko = limit;
    Show();
    UpdateStale();
}

void CKelvaraDlg::OnRadioUnas() {
    if (exchanging_) return;
    view_.SetEnabled(ctl::kUnas, true);
    view_.SetEnabled(ctl::kRds, false);
    UpdateStale();
}

void CKelvaraDlg::OnRadioRds() {
    if (exchanging_) return;
    view_.SetEnabled(ctl::kUnas, false);
    view_.SetEnabled(ctl::kRds, true);
    UpdateStale();
}

void CKelvaraDlg::OnRadioDC() {
    if (exchanging_) return;
    if (in_.setevoe == 1) {
        Take();
        // Mains voltages become the rectified DC, rounded half away from
        // zero; a comma ends the number here.
        in_.Umin = FormatFixed(std::round(ParseDecimal(in_.Umin) * rule::kMainsRectifiedFactor), 0);
        in_.Umax = FormatFixed(std::round(ParseDecimal(in_.Umax) * rule::kMainsRectifiedFactor), 0);
        Show();
    }
    UpdateStale();
}

void CKelvaraDlg::OnRadioAC() {
    if (exchanging_) return;
    Take();
    in_.Umin = rule::kMainsUmin;
    in_.Umax = rule::kMainsUmax;
    Show();
    UpdateStale();
}

void CKelvaraDlg::OnShapeChanged() {
    if (exchanging_) return;
    FillCoreList();
    if (in_.coreIndex > view_.ListCount(ctl::kCoreList) - 1) in_.coreIndex = 0;
    view_.ListSelect(ctl::kCoreList, in_.coreIndex);
    ShowSelectedCore();
    view_.InvalidatePicture();
    // While a core is being added nothing was calculated.
    UpdateStale();
}

void CKelvaraDlg::OnUseDiametersClicked() {
    if (exchanging_) return;
    Calculate();
}

void CKelvaraDlg::OnCoreTextEdited() {
    if (exchanging_) return;
    if (in_.add_by_size == 1 || in_.add_by_data == 1) return;
    view_.ListSelect(ctl::kCoreList, in_.coreIndex);
    Show();
}

void CKelvaraDlg::OnCoreSelected() {
    if (exchanging_) return;
    ShowSelectedCore();
}

void CKelvaraDlg::OnMaterialSelected() {
    if (exchanging_) return;
    ApplySelectedMaterial();
}

bool CKelvaraDlg::ApplySelectedMaterial() {
    Take();
    if (in_.add_by_size == 1 || in_.add_by_data == 1) {
        // The choice does not count while a core is being added; the list
        // goes back to the material in use, so it never shows another one.
        SelectMaterialEntry(in_.mater);
        return false;
    }
    const int sel = view_.ListSelection(ctl::kMaterialList);
    if (sel < 0) return false;
    in_.mater = view_.ListItem(ctl::kMaterialList, sel);
    if (!ReadSelectedMaterial()) return false;
    Show();
    Calculate();
    return true;
}

bool CKelvaraDlg::OnMaterialTextEntered() {
    if (exchanging_) return false;
    const Text typed = view_.GetText(ctl::kMaterialList);
    const int selected = view_.ListSelection(ctl::kMaterialList);
    // Nothing typed since the last choice.
    if (selected >= 0 && view_.ListItem(ctl::kMaterialList, selected) == typed) return false;
    const int found = typed.empty() ? -1 : FindListPrefix(ctl::kMaterialList, typed, 0);
    if (found < 0) {
        SelectMaterialEntry(in_.mater);
        return false;
    }
    view_.ListSelect(ctl::kMaterialList, found);
    // The material in use, now shown by its whole name.
    if (view_.ListItem(ctl::kMaterialList, found) == in_.mater) return false;
    return ApplySelectedMaterial();
}

void CKelvaraDlg::OnGapRadio() {
    if (exchanging_) return;
    Take();
    view_.SetText(ctl::kGapLabel, Text(kGapReqLabel));
    view_.SetText(ctl::kGapUnit, u"мм");
    // The gap equivalent to the AL of the last calculation, rounded up to
    // 0.01 mm. Before any calculation there is no AL to convert and the
    // field keeps its text.
    if (std::isfinite(res_.AL) && res_.AL > 0) {
        const GapForAL g = GapFromAL(res_.AL, 1.0, coreRec_, material_.mu, res_.gapRes);
        in_.zazor = FormatFixed(g.gap + 0.005, 2);
    }
    Show();
    Calculate();
}

void CKelvaraDlg::OnALRadio() {
    if (exchanging_) return;
    Take();
    view_.SetText(ctl::kGapLabel, Text(kALReqLabel));
    view_.SetText(ctl::kGapUnit, Text());
    in_.zazor = view_.GetText(ctl::kResAL);
    Show();
    Calculate();
}

void CKelvaraDlg::OnExit() {
    Take();
    const fs::path ini = settingsFolder_ / PathFromText(kSettingsFileName);
    if (!WriteDesignFile(ini, in_)) WriteFailed(kSettingsFileName);
}

// --- Adding a core ------------------------------------------------------------

void CKelvaraDlg::ClearCoreFields() {
    for (Text* t : {&in_.mu, &in_.Ve, &in_.le, &in_.An, &in_.Ae, &in_.I, &in_.h, &in_.H, &in_.D,
                    &in_.C, &in_.B, &in_.A}) {
        t->clear();
    }
}

void CKelvaraDlg::OnAddBySize() {
    if (exchanging_) return;
    Take();
    if (in_.add_by_size == 0) {
        // Leaving the mode shows the core selected before again.
        SetEnabled(view_, kMuAndDimensionEdits, false);
        view_.ListSelect(ctl::kCoreList, in_.coreIndex);
        ShowSelectedCore();
    } else if (in_.shape == kShapeOther) {
        // No dimensions can be entered for "Другая".
        in_.add_by_size = 0;
    } else {
        SetEnabled(view_, kDataEdits, false);
        SetEnabled(view_, kMuAndDimensionEdits, true);
        view_.SetEnabled(ctl::kDimI, in_.shape == 1);
        in_.add_by_data = 0;
        ClearCoreFields();
        view_.ListSelect(ctl::kCoreList, -1);
    }
    Show();
    view_.InvalidatePicture();
    UpdateStale();
}

void CKelvaraDlg::OnAddByData() {
    if (exchanging_) return;
    Take();
    if (in_.add_by_data == 1) {
        SetEnabled(view_, kMuAndDimensionEdits, false);
        SetEnabled(view_, kDataEdits, true);
        in_.add_by_size = 0;
        ClearCoreFields();
        view_.ListSelect(ctl::kCoreList, -1);
    } else {
        // Leaving the mode disables the data edits and shows the core
        // selected before again, as leaving the dimension mode does.
        SetEnabled(view_, kDataEdits, false);
        view_.ListSelect(ctl::kCoreList, in_.coreIndex);
        ShowSelectedCore();
    }
    Show();
    view_.InvalidatePicture();
    UpdateStale();
}

bool CKelvaraDlg::AppendToUserCoreFile(TextView record) {
    const fs::path file = dataRoot_ / "Bases_Cores" / "UserFerritesCores.txt";
    return static_cast<bool>(AppendWithRollback(file, EncodeUtf16LE(record)));
}

void CKelvaraDlg::OnAddCore() {
    Take();
    if (in_.add_by_size != 1 && in_.add_by_data != 1) return;
    in_.core = view_.GetText(ctl::kCoreList);
    if (in_.core.empty()) {
        Warning(u"Вы забыли перед добавлением ввести название сердечника.");
        return;
    }
    if (in_.mu.empty()) {
        Warning(u"Вы забыли перед добавлением ввести магнитную проницаемость.");
        return;
    }
    static constexpr std::u16string_view kPrefixes[] = {u"E ", u"EI ", u"ER ", u"ETD "};
    if (in_.shape >= 0 && in_.shape <= 3) {
        const std::u16string_view prefix = kPrefixes[in_.shape];
        if (in_.core.find(prefix) == Text::npos) in_.core.insert(0, prefix);
    }
    if (in_.add_by_size == 1) {
        if (in_.H.empty() || in_.h.empty() || in_.D.empty() || in_.C.empty() || in_.B.empty() ||
            in_.A.empty()) {
            Warning(u"Вы забыли перед добавлением ввести все размеры.");
            return;
        }
        CoreDimensions dims;
        dims.A = ToNumber(in_.A);
        dims.B = ToNumber(in_.B);
        dims.C = ToNumber(in_.C);
        dims.D = ToNumber(in_.D);
        dims.h = ToNumber(in_.h);
        dims.H = ToNumber(in_.H);
        dims.I = ToNumber(in_.I);
        if (in_.shape == kShapeEI && in_.I.empty()) {
            Warning(u"Вы забыли перед добавлением ввести все размеры.");
            return;
        }
        // "Другая" chosen while the mode was on: no formula applies, and the
        // numbers of the core shown last are written.
        if (const auto g = CoreFromDimensions(in_.shape, dims)) {
            coreRec_.Ae = g->Ae;
            coreRec_.An = g->An;
            coreRec_.le = g->le;
        }
        in_.Ae = FormatFixed(coreRec_.Ae, 2);
        in_.An = FormatFixed(coreRec_.An, 2);
        in_.le = FormatFixed(coreRec_.le, 1);
    } else if (in_.le.empty() || in_.An.empty() || in_.Ae.empty()) {
        Warning(u"Вы забыли перед добавлением ввести все данные.");
        return;
    }
    const Text record = CoreRecordText(in_.core, in_.Ae, in_.An, in_.le, in_.mu);
    // The file first: when it cannot be written, nothing changes in memory.
    if (!AppendToUserCoreFile(record)) {
        Warning(u"Не удалось записать файл \"UserFerritesCores.txt\".");
        return;
    }
    coreText_ += record;
    in_.add_by_size = 0;
    in_.add_by_data = 0;
    for (Text* t : {&in_.A, &in_.B, &in_.C, &in_.D, &in_.H, &in_.h, &in_.I}) t->clear();
    SetEnabled(view_, kMuAndDimensionEdits, false);
    SetEnabled(view_, kDataEdits, false);
    Show();
    FillCoreList();
    // The new core, searching from entry 1, round to entry 0.
    in_.coreIndex = FindCoreEntry(in_.core, 1);
    view_.ListSelect(ctl::kCoreList, in_.coreIndex);
    ReadSelectedMaterial();
    ShowSelectedCore();
    view_.InvalidatePicture();
}

// --- Load and save ------------------------------------------------------------

void CKelvaraDlg::OnLoad() {
    const auto name = view_.PickFileToOpen(settingsFolder_);
    if (!name) {
        view_.FocusControl(ctl::kCalculate);
        return;
    }
    const DesignRead read = ReadDesignFile(settingsFolder_ / PathFromText(*name), in_);
    if (read.status == DesignReadStatus::NotADesign) {
        Text text(msg::kNotADesignBefore);
        text += *name;
        text += msg::kNotADesignAfter;
        Warning(text);
        return;
    }
    if (!read) return;
    designFile_ = *name;
    ApplyDesign(ApplyMode::Loading);
    view_.InvalidatePicture();
    view_.FocusControl(ctl::kCalculate);
    // A design whose core cannot be selected is shown without a calculation.
    UpdateStale();
}

Text CKelvaraDlg::SuggestedSaveName() const {
    Text name = in_.core + u", " + in_.mater + u", ";
    ReplaceAll(name, u'/', u'x');
    name += in_.Fr + u"кГц, " + in_.Umax + u"В, " + in_.U2_1 + u"Вх" + in_.I2_1 + u"А" + u".sav";
    return name;
}

void CKelvaraDlg::OnSave() {
    Take();
    const auto name = view_.PickFileToSave(settingsFolder_, SuggestedSaveName());
    if (!name) {
        view_.FocusControl(ctl::kCalculate);
        return;
    }
    // The picker only closes with a name that names a file; one that does
    // not writes nothing.
    const std::optional<Text> file = SaveFileName(*name);
    if (!file) {
        view_.FocusControl(ctl::kCalculate);
        return;
    }
    if (!WriteDesignFile(settingsFolder_ / PathFromText(*file), in_)) {
        // Reported; the focus stays where it was.
        WriteFailed(*file);
        return;
    }
    designFile_ = *file;
    view_.FocusControl(ctl::kCalculate);
}

}  // namespace kelvara
