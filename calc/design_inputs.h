// The record of everything the user states about one design, and the one
// table of its fields (key, kind, default, label) that the design files, the
// input check, the window and the tests share.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "refdata/core_database.h"
#include "refdata/i18n.h"
#include "refdata/text.h"

namespace kelvara {

struct DesignInputs {
    // Stored in design files, in file order. Texts are what the user typed;
    // the calculation reads them as numbers in the units written beside them.
    Text core = u"E 40/16/12";  // selected core's name
    Text mater = u"N87 Epcos";  // selected material's name
    Text zazor = u"0.5";        // gap, mm (yes_al = 0) or AL, nH/turn² (yes_al = 1)
    int32_t yes_al = 0;         // 0 gap, 1 AL
    Text Fr = u"100";           // resonant frequency, kHz
    Text Bm = u"0,12";          // flux-density amplitude, T
    Text kL = u"5";             // inductance ratio Lm/Lr
    Text Q;                     // quality factor (empty: 0.4)
    Text Rds = u"0,85";         // transistor on-resistance Rds(on), Ω
    Text Unas = u"1";           // transistor saturation voltage, V
    int32_t rds = 1;            // 0 saturation voltage, 1 on-resistance
    Text ko = u"0,3";           // window fill factor
    Text j = u"5";              // current density, A/mm²
    Text Umin = u"260";         // lowest supply, V
    Text Umax = u"330";         // highest supply, V
    int32_t setevoe = 0;        // supply kind: 0 DC, 1 AC mains
    Text U2_1 = u"24";          // output voltage, V
    Text I2_1 = u"9";           // output current, A
    Text Ud = u"0,8";           // rectifier diode forward drop, V
    int32_t vypr = 0;    // rectifier: 0 centre tap, one polarity; 1 centre tap, two; 2 bridge
    Text d11 = u"0,63";  // wanted primary wire diameter, mm
    Text d21 = u"0,63";  // wanted secondary wire diameter, mm
    int32_t yes_d = 0;   // 1: use d11 and d21

    // Stored after the 23 keys above; a file without them reads these defaults.
    Text tdead = u"200";  // dead time of the half bridge, ns
    Text coss = u"200";   // output capacitance of one transistor, pF
    int32_t inter = 0;    // windings: 0 primary then secondary, 1 primary halves around it
    Text litz1d, litz1n;  // primary of litz: strand diameter, mm, and strands (empty: the wire)
    Text litz2d, litz2n;  // secondary of litz, the same

    // Core group, not stored in design files.
    int32_t shape = kShapeETD;
    Text A, B, C, D, H, h, I;  // dimensions of a core being added, mm
    Text mu, le, Ae, An, Ve;   // µe, le mm, Ae mm², An mm², Ve cm³
    int32_t add_by_size = 0;
    int32_t add_by_data = 0;
    int32_t coreIndex = 0;  // selected entry of the core list; not shown
};

enum class FieldKind { Text, Choice, Flag };

struct FieldDef {
    std::u16string_view key;  // design-file key (the field's name)
    FieldKind kind;
    Text DesignInputs::*text = nullptr;       // text fields
    int32_t DesignInputs::*number = nullptr;  // choice and flag fields
    int32_t values = 0;                       // values a choice or flag can take (0 … values−1)
    int32_t fallback = 0;       // default of a choice or flag (taken for invalid values)
    std::u16string_view label;  // the field's label, as messages name it
};

// Labels of the gap/AL field in its two modes, and of the result it switches.
inline constexpr std::u16string_view kGapRadioLabel =
    KELVARA_TR_NOOP(u"Величина немагнитного зазора, мм");
inline constexpr std::u16string_view kALRadioLabel =
    KELVARA_TR_NOOP(u"Индуктивность сердечника (AL), нГн/виток^2");
inline constexpr std::u16string_view kGapReqLabel =
    KELVARA_TR_NOOP(u"Требуемый немагнитный зазор, не менее");
inline constexpr std::u16string_view kALReqLabel =
    KELVARA_TR_NOOP(u"Требуемая величина AL, не более");

namespace detail {
using D = DesignInputs;
constexpr FieldDef TextField(std::u16string_view key, Text D::*m, std::u16string_view label) {
    return FieldDef{key, FieldKind::Text, m, nullptr, 0, 0, label};
}
constexpr FieldDef ChoiceField(std::u16string_view key, int32_t D::*m, int32_t values,
                               int32_t fallback, std::u16string_view label = {}) {
    return FieldDef{key, FieldKind::Choice, nullptr, m, values, fallback, label};
}
constexpr FieldDef FlagField(std::u16string_view key, int32_t D::*m, std::u16string_view label) {
    return FieldDef{key, FieldKind::Flag, nullptr, m, 2, 0, label};
}
}  // namespace detail

// The 23 fields of a design file, in file order.
inline constexpr std::array<FieldDef, 23> kDesignFileFields = {{
    detail::TextField(u"core", &DesignInputs::core, u""),
    detail::TextField(u"mater", &DesignInputs::mater, KELVARA_TR_NOOP(u"Материал:")),
    detail::TextField(u"zazor", &DesignInputs::zazor, kGapRadioLabel),
    detail::ChoiceField(u"yes_al", &DesignInputs::yes_al, 2, 0),
    detail::TextField(u"Fr", &DesignInputs::Fr, KELVARA_TR_NOOP(u"Резонансная частота, кГц")),
    detail::TextField(u"Bm", &DesignInputs::Bm, KELVARA_TR_NOOP(u"Амплитуда индукции, Т")),
    detail::TextField(u"kL", &DesignInputs::kL, KELVARA_TR_NOOP(u"Отношение индуктивностей Lm/Lr")),
    detail::TextField(u"Q", &DesignInputs::Q, KELVARA_TR_NOOP(u"Добротность")),
    detail::TextField(u"Rds", &DesignInputs::Rds,
                      KELVARA_TR_NOOP(u"Сопротивление канала Rds(on), Ом")),
    detail::TextField(u"Unas", &DesignInputs::Unas,
                      KELVARA_TR_NOOP(u"Напряжение насыщения Uнас., В")),
    detail::ChoiceField(u"rds", &DesignInputs::rds, 2, 1),
    detail::TextField(u"ko", &DesignInputs::ko, KELVARA_TR_NOOP(u"Коэффициент заполнения окна")),
    detail::TextField(u"j", &DesignInputs::j, KELVARA_TR_NOOP(u"Плотность тока, А/мм2")),
    detail::TextField(u"Umin", &DesignInputs::Umin,
                      KELVARA_TR_NOOP(u"Питание (мин., ном., макс.), В")),
    detail::TextField(u"Umax", &DesignInputs::Umax,
                      KELVARA_TR_NOOP(u"Питание (мин., ном., макс.), В")),
    detail::ChoiceField(u"setevoe", &DesignInputs::setevoe, 2, 0),
    detail::TextField(u"U2_1", &DesignInputs::U2_1, KELVARA_TR_NOOP(u"Номинальное напряжение, В")),
    detail::TextField(u"I2_1", &DesignInputs::I2_1, KELVARA_TR_NOOP(u"Номинальный ток, А")),
    detail::TextField(u"Ud", &DesignInputs::Ud, KELVARA_TR_NOOP(u"Прямое падение на диодах, В")),
    detail::ChoiceField(u"vypr", &DesignInputs::vypr, 3, 0),
    detail::TextField(u"d11", &DesignInputs::d11, KELVARA_TR_NOOP(u"Диаметр провода (желаемый)")),
    detail::TextField(u"d21", &DesignInputs::d21, KELVARA_TR_NOOP(u"Диаметр провода (желаемый)")),
    detail::FlagField(u"yes_d", &DesignInputs::yes_d,
                      KELVARA_TR_NOOP(u"Использовать диаметры проводов")),
}};

// The fields written after the 23, in file order. Files without them (older
// ones, hand-written ones) read each field's default; they never count as the
// keys that make a file a design.
inline constexpr std::array<FieldDef, 7> kDesignExtraFields = {{
    detail::TextField(u"tdead", &DesignInputs::tdead, KELVARA_TR_NOOP(u"Мертвое время td, нс")),
    detail::TextField(u"coss", &DesignInputs::coss,
                      KELVARA_TR_NOOP(u"Выходная емкость транзистора Coss, пФ")),
    detail::ChoiceField(u"inter", &DesignInputs::inter, 2, 0,
                        KELVARA_TR_NOOP(u"Первичная обмотка по обе стороны вторичной")),
    detail::TextField(u"litz1d", &DesignInputs::litz1d,
                      KELVARA_TR_NOOP(u"Литцендрат первичной обмотки: диаметр жилы, мм")),
    detail::TextField(u"litz1n", &DesignInputs::litz1n,
                      KELVARA_TR_NOOP(u"Литцендрат первичной обмотки: число жил")),
    detail::TextField(u"litz2d", &DesignInputs::litz2d,
                      KELVARA_TR_NOOP(u"Литцендрат вторичной обмотки: диаметр жилы, мм")),
    detail::TextField(u"litz2n", &DesignInputs::litz2n,
                      KELVARA_TR_NOOP(u"Литцендрат вторичной обмотки: число жил")),
}};

// The core group's fields that design files do not store (coreIndex is not a field).
inline constexpr std::array<FieldDef, 15> kCoreGroupFields = {{
    detail::ChoiceField(u"shape", &DesignInputs::shape, 5, kShapeETD, KELVARA_TR_NOOP(u"Форма")),
    detail::TextField(u"A", &DesignInputs::A, KELVARA_TR_NOOP(u"A, мм")),
    detail::TextField(u"B", &DesignInputs::B, KELVARA_TR_NOOP(u"B, мм")),
    detail::TextField(u"C", &DesignInputs::C, KELVARA_TR_NOOP(u"C, мм")),
    detail::TextField(u"D", &DesignInputs::D, KELVARA_TR_NOOP(u"D, мм")),
    detail::TextField(u"H", &DesignInputs::H, KELVARA_TR_NOOP(u"H, мм")),
    detail::TextField(u"h", &DesignInputs::h, KELVARA_TR_NOOP(u"h, мм")),
    detail::TextField(u"I", &DesignInputs::I, KELVARA_TR_NOOP(u"I, мм")),
    detail::TextField(u"mu", &DesignInputs::mu, KELVARA_TR_NOOP(u"Эффективная проницаемость")),
    detail::TextField(u"le", &DesignInputs::le,
                      KELVARA_TR_NOOP(u"Длина средней линии сердечника, le")),
    detail::TextField(u"Ae", &DesignInputs::Ae, KELVARA_TR_NOOP(u"Площадь сечения сердечника, Ae")),
    detail::TextField(u"An", &DesignInputs::An, KELVARA_TR_NOOP(u"Площадь окна сердечника, An")),
    detail::TextField(u"Ve", &DesignInputs::Ve, KELVARA_TR_NOOP(u"Объем сердечника, Ve")),
    detail::FlagField(u"add_by_size", &DesignInputs::add_by_size,
                      KELVARA_TR_NOOP(u"Добавление в базу (ввод размеров)")),
    detail::FlagField(u"add_by_data", &DesignInputs::add_by_data,
                      KELVARA_TR_NOOP(u"Добавление в базу (ввод данных)")),
}};

// The field of a key (design-file, extra or core-group), or nullptr.
constexpr const FieldDef* FindField(std::u16string_view key) {
    for (const FieldDef& f : kDesignFileFields)
        if (f.key == key) return &f;
    for (const FieldDef& f : kDesignExtraFields)
        if (f.key == key) return &f;
    for (const FieldDef& f : kCoreGroupFields)
        if (f.key == key) return &f;
    return nullptr;
}

// A choice that names none of its values, or a flag other than 0 or 1, takes
// its default.
void NormaliseChoices(DesignInputs& in);

// Reads a text field as a number: every "," in the field itself becomes ".",
// then the longest leading decimal number is read (0 when there is none).
double ToNumber(Text& field);
// The same for Q: an empty Q first becomes "0.4".
double ToNumberQ(Text& field);

}  // namespace kelvara
