#include "window/kelvara_dlg.h"

#include <cmath>

#include "calc/design_rules.h"
#include "calc/gap_model.h"
#include "calc/new_core.h"
#include "designs/design_file.h"
#include "refdata/core_database.h"
#include "refdata/file_write.h"
#include "refdata/paths.h"
#include "session/messages.h"
#include "window/file_picker.h"

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

CKelvaraDlg::CKelvaraDlg(View& view) : view_(view), in_(session_.inputs()) {}

// --- Exchanges ---------------------------------------------------------------

void CKelvaraDlg::Show() {
    ExchangeGuard guard(exchanging_);
    ShowFields(view_, in_, kDesignFileFields);
    ShowFields(view_, in_, kCoreGroupFields);
    for (const ResultFieldDef& r : kResultFields) {
        const Text& t = results().text[r.field];
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
    if (calculationsRun() == 0) return;
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
            view_.ShowCheck(check());
        } else {
            view_.MessageBox(e.caption, e.text, View::Buttons::Ok);
        }
    }
}

void CKelvaraDlg::ShowMessages(const Messages& messages) {
    for (const CalcEvent& e : messages) view_.MessageBox(e.caption, e.text, View::Buttons::Ok);
}

void CKelvaraDlg::Warning(TextView text) {
    view_.MessageBox(Tr(kCaptionWarning), text, View::Buttons::Ok);
}

void CKelvaraDlg::ErrorMessage(TextView text) {
    view_.MessageBox(Tr(kCaptionError), text, View::Buttons::Ok);
}

void CKelvaraDlg::WriteFailed(TextView name) {
    ErrorMessage(TrFormat(msg::kWriteFailed, {name}));
}

// --- Opening -------------------------------------------------------------------

void CKelvaraDlg::SetFolders(const fs::path& currentDir) {
    session_.SetProgramFolder(currentDir);
}

void CKelvaraDlg::SetDataRoot(const fs::path& dataRoot) {
    session_.SetDataRoot(dataRoot);
}

bool CKelvaraDlg::LoadWireTable() {
    Messages messages;
    const bool ok = session_.LoadWireTable(messages);
    ShowMessages(messages);
    return ok;
}

bool CKelvaraDlg::BuildMaterialList() {
    Messages messages;
    session_.ListMaterials(messages);
    view_.ListClear(ctl::kMaterialList);
    for (const Text& name : session_.materialNames()) view_.ListAdd(ctl::kMaterialList, name);
    ShowMessages(messages);
    return !session_.materialNames().empty();
}

std::vector<Text> CKelvaraDlg::CoreListEntries() const {
    std::vector<Text> names;
    const int count = view_.ListCount(ctl::kCoreList);
    names.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) names.push_back(view_.ListItem(ctl::kCoreList, i));
    return names;
}

int CKelvaraDlg::FindListPrefix(int listId, TextView prefix, int start) const {
    const int count = view_.ListCount(listId);
    for (int i = std::max(start, 0); i < count; ++i) {
        if (StartsWithIgnoreCase(view_.ListItem(listId, i), prefix)) return i;
    }
    return -1;
}

void CKelvaraDlg::SelectMaterialByName() {
    Messages messages;
    const int index = session_.SelectMaterialByName(messages);
    ShowMessages(messages);
    view_.ListSelect(ctl::kMaterialList, index);
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
    Messages messages;
    const bool ok = session_.ReadSelectedMaterial(messages);
    ShowMessages(messages);
    // Back to the material whose data are loaded, so the list never shows
    // one material while the calculation uses another.
    if (!ok && !session_.loadedMaterial().empty()) SelectMaterialEntry(session_.loadedMaterial());
    return ok;
}

void CKelvaraDlg::LoadCoreDatabase() {
    Messages messages;
    session_.LoadCoreDatabase(messages);
    ShowMessages(messages);
}

void CKelvaraDlg::ShowGapLabels() {
    const bool al = in_.yes_al != 0;
    view_.SetText(ctl::kGapLabel, Tr(al ? kALReqLabel : kGapReqLabel));
    view_.SetText(ctl::kGapUnit, al ? Text() : Tr(u"мм"));
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
            Warning(Tr(msg::kSettingsUnreadable));
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
        Warning(TrFormat(notADesign ? msg::kNotADesign : msg::kDesignUnreadable,
                         {PathDisplayText(file)}));
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
    for (const Text& name : session_.cores().NamesOfFamily(in_.shape))
        view_.ListAdd(ctl::kCoreList, name);
}

void CKelvaraDlg::SelectCoreByName(Text name) {
    in_.shape = ShapeFromName(name);
    Show();
    FillCoreList();
    // The name itself, else the entry selected before (said); when none can
    // be selected nothing is calculated and the empty list shows it.
    Messages messages;
    const CoreChoice choice = session_.ChooseCore(name, in_.coreIndex, messages);
    if (choice.found) in_.coreIndex = choice.index;
    view_.ListSelect(ctl::kCoreList, in_.coreIndex);
    ShowMessages(messages);
    ShowSelectedCore();
}

void CKelvaraDlg::ShowSelectedCore() {
    if (in_.add_by_size == 1 || in_.add_by_data == 1) return;
    Take();
    in_.coreIndex = view_.ListSelection(ctl::kCoreList);
    if (in_.coreIndex == -1) return;
    session_.UseCore(view_.ListItem(ctl::kCoreList, in_.coreIndex));
    Show();
    Calculate();
}

bool CKelvaraDlg::Calculate() {
    Take();
    // The results about to be shown belong to the inputs just taken.
    SetStale(false);
    const DesignRun& run = session_.Calculate();
    ShowEvents(run.report.events);
    calculatedInputs_ = TakeCopy();
    return lastRunCompleted();
}

DesignDocument CKelvaraDlg::Document() const {
    DesignDocument d = session_.Document(view_.ListSelection(ctl::kCoreList) >= 0);
    d.designFile = designFile_;
    d.stale = resultsStale_;
    return d;
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
    view_.SetText(ctl::kGapLabel, Tr(kGapReqLabel));
    view_.SetText(ctl::kGapUnit, Tr(u"мм"));
    // The gap equivalent to the AL of the last calculation, rounded up to
    // 0.01 mm. Before any calculation there is no AL to convert and the
    // field keeps its text.
    const DesignResults& r = results();
    if (std::isfinite(r.AL) && r.AL > 0) {
        const GapForAL g = GapFromAL(r.AL, 1.0, coreRecord(), material().mu, r.gapRes);
        in_.zazor = FormatFixed(g.gap + 0.005, 2);
    }
    Show();
    Calculate();
}

void CKelvaraDlg::OnALRadio() {
    if (exchanging_) return;
    Take();
    view_.SetText(ctl::kGapLabel, Tr(kALReqLabel));
    view_.SetText(ctl::kGapUnit, Text());
    in_.zazor = view_.GetText(ctl::kResAL);
    Show();
    Calculate();
}

void CKelvaraDlg::OnExit() {
    Take();
    const fs::path ini = settingsFolder() / PathFromText(kSettingsFileName);
    if (!WriteDesignFile(ini, in_)) WriteFailed(kSettingsFileName);
}

// --- SPICE -------------------------------------------------------------------------

bool CKelvaraDlg::ExportSpice(const fs::path& file) {
    const std::string netlist = SpiceNetlistOf(Document());
    if (netlist.empty()) {
        Warning(
            Tr(u"Нет схемы для SPICE: расчет не выполнен до конца, или мертвое время td "
               u"и емкость Coss в окне «Проверка проекта» заданы неверно."));
        return false;
    }
    if (!WriteFileSafely(file, netlist)) {
        WriteFailed(PathDisplayText(file.filename()));
        return false;
    }
    return true;
}

// --- Language ----------------------------------------------------------------------

void CKelvaraDlg::OnLanguageChanged() {
    session_.RetranslateLastRun();
    {
        ExchangeGuard guard(exchanging_);
        for (const ResultFieldDef& r : kResultFields)
            view_.SetText(r.controlId, results().text[r.field]);
    }
    const bool al = view_.IsChecked(ctl::kRadioAL);
    view_.SetText(ctl::kGapLabel, Tr(al ? kALReqLabel : kGapReqLabel));
    view_.SetText(ctl::kGapUnit, al ? Text() : Tr(u"мм"));
    view_.ShowCheck(check());
    view_.ShowResultsStale(resultsStale_);
}

// --- The check window's inputs ----------------------------------------------------

namespace {

const FieldDef* LaterField(std::u16string_view key) {
    for (const FieldDef& f : kDesignExtraFields)
        if (f.key == key) return &f;
    return nullptr;
}

}  // namespace

Text CKelvaraDlg::LaterInput(std::u16string_view key) const {
    const FieldDef* f = LaterField(key);
    if (!f) return {};
    return f->kind == FieldKind::Text ? in_.*(f->text) : FormatInt(in_.*(f->number));
}

void CKelvaraDlg::OnLaterInputs(const std::vector<std::pair<Text, Text>>& values) {
    Take();
    for (const auto& [key, value] : values) {
        const FieldDef* f = LaterField(key);
        if (!f) continue;
        if (f->kind == FieldKind::Text) {
            in_.*(f->text) = value;
        } else {
            in_.*(f->number) = ParseInteger(value);
        }
    }
    NormaliseChoices(in_);
    Show();
    Calculate();
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

void CKelvaraDlg::OnAddCore() {
    Take();
    if (in_.add_by_size != 1 && in_.add_by_data != 1) return;
    const NewCore core = PrepareNewCore(in_, view_.GetText(ctl::kCoreList), session_.coreRecord());
    if (!core.record) {
        Warning(Tr(core.problem));
        return;
    }
    if (!session_.AddCore(*core.record)) {
        Warning(TrFormat(msg::kWriteFailed, {files::kUserCores}));
        return;
    }
    in_.add_by_size = 0;
    in_.add_by_data = 0;
    for (Text* t : {&in_.A, &in_.B, &in_.C, &in_.D, &in_.H, &in_.h, &in_.I}) t->clear();
    SetEnabled(view_, kMuAndDimensionEdits, false);
    SetEnabled(view_, kDataEdits, false);
    Show();
    FillCoreList();
    // The new core, searching from entry 1, round to entry 0.
    in_.coreIndex = FindCoreEntry(CoreListEntries(), in_.core, 1);
    view_.ListSelect(ctl::kCoreList, in_.coreIndex);
    ReadSelectedMaterial();
    ShowSelectedCore();
    view_.InvalidatePicture();
}

// --- Load and save ------------------------------------------------------------

void CKelvaraDlg::OnLoad() {
    const auto name = view_.PickFileToOpen(settingsFolder());
    if (!name) {
        view_.FocusControl(ctl::kCalculate);
        return;
    }
    const DesignRead read = ReadDesignFile(settingsFolder() / PathFromText(*name), in_);
    if (read.status == DesignReadStatus::NotADesign) {
        Warning(TrFormat(msg::kNotADesign, {*name}));
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
    name += TrFormat(u"{1}кГц, {2}В, {3}Вх{4}А", {in_.Fr, in_.Umax, in_.U2_1, in_.I2_1}) + u".sav";
    return name;
}

void CKelvaraDlg::OnSave() {
    Take();
    const auto name = view_.PickFileToSave(settingsFolder(), SuggestedSaveName());
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
    if (!WriteDesignFile(settingsFolder() / PathFromText(*file), in_)) {
        // Reported; the focus stays where it was.
        WriteFailed(*file);
        return;
    }
    designFile_ = *file;
    view_.FocusControl(ctl::kCalculate);
}

}  // namespace kelvara
