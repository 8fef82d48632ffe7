#include "calc/new_core.h"

#include "calc/core_geometry.h"
#include "refdata/core_database.h"
#include "refdata/i18n.h"

namespace kelvara {

namespace {

constexpr std::u16string_view kNoName =
    KELVARA_TR_NOOP(u"Вы забыли перед добавлением ввести название сердечника.");
constexpr std::u16string_view kNoMu =
    KELVARA_TR_NOOP(u"Вы забыли перед добавлением ввести магнитную проницаемость.");
constexpr std::u16string_view kNoDimensions =
    KELVARA_TR_NOOP(u"Вы забыли перед добавлением ввести все размеры.");
constexpr std::u16string_view kNoData =
    KELVARA_TR_NOOP(u"Вы забыли перед добавлением ввести все данные.");

NewCore Refused(std::u16string_view problem) {
    return NewCore{std::nullopt, problem};
}

}  // namespace

NewCore PrepareNewCore(DesignInputs& in, const Text& name, CoreRecord& shown) {
    in.core = name;
    if (in.core.empty()) return Refused(kNoName);
    if (in.mu.empty()) return Refused(kNoMu);
    // The family's prefix, unless the name holds it already.
    static constexpr std::u16string_view kPrefixes[] = {u"E ", u"EI ", u"ER ", u"ETD "};
    if (in.shape >= 0 && in.shape <= 3) {
        const std::u16string_view prefix = kPrefixes[in.shape];
        if (in.core.find(prefix) == Text::npos) in.core.insert(0, prefix);
    }
    if (in.add_by_size == 1) {
        if (in.H.empty() || in.h.empty() || in.D.empty() || in.C.empty() || in.B.empty() ||
            in.A.empty()) {
            return Refused(kNoDimensions);
        }
        CoreDimensions dims;
        dims.A = ToNumber(in.A);
        dims.B = ToNumber(in.B);
        dims.C = ToNumber(in.C);
        dims.D = ToNumber(in.D);
        dims.h = ToNumber(in.h);
        dims.H = ToNumber(in.H);
        dims.I = ToNumber(in.I);
        if (in.shape == kShapeEI && in.I.empty()) return Refused(kNoDimensions);
        // "Другая" chosen while the mode was on: no formula applies, and the
        // numbers of the core shown last are written.
        if (const auto g = CoreFromDimensions(in.shape, dims)) {
            shown.Ae = g->Ae;
            shown.An = g->An;
            shown.le = g->le;
        }
        in.Ae = FormatFixed(shown.Ae, 2);
        in.An = FormatFixed(shown.An, 2);
        in.le = FormatFixed(shown.le, 1);
    } else if (in.le.empty() || in.An.empty() || in.Ae.empty()) {
        return Refused(kNoData);
    }
    return NewCore{CoreRecordText(in.core, in.Ae, in.An, in.le, in.mu), {}};
}

}  // namespace kelvara
