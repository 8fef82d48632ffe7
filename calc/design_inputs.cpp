#include "calc/design_inputs.h"

namespace kelvara {

namespace {
using K = FieldKind;
using D = DesignInputs;

constexpr FieldDef TextField(std::u16string_view key, Text D::*m, int id,
                             std::u16string_view label) {
    return FieldDef{key, K::Text, m, nullptr, {id, 0, 0, 0, 0}, 1, 0, label};
}
}  // namespace

const std::array<FieldDef, 23> kDesignFileFields = {{
    TextField(u"core", &D::core, ctl::kCoreList, u""),
    TextField(u"mater", &D::mater, ctl::kMaterialList, u"Материал:"),
    TextField(u"zazor", &D::zazor, ctl::kZazor, kGapRadioLabel),
    {u"yes_al", K::Choice, nullptr, &D::yes_al, {ctl::kRadioGap, ctl::kRadioAL}, 2, 0, u""},
    TextField(u"Fr", &D::Fr, ctl::kFr, u"Резонансная частота, кГц"),
    TextField(u"Bm", &D::Bm, ctl::kBm, u"Амплитуда индукции, Т"),
    TextField(u"kL", &D::kL, ctl::kKL, u"Отношение индуктивностей Lm/Lr"),
    TextField(u"Q", &D::Q, ctl::kQ, u"Добротность"),
    TextField(u"Rds", &D::Rds, ctl::kRds, u"Сопротивление канала Rds(on), Ом"),
    TextField(u"Unas", &D::Unas, ctl::kUnas, u"Напряжение насыщения Uнас., В"),
    {u"rds", K::Choice, nullptr, &D::rds, {ctl::kRadioUnas, ctl::kRadioRds}, 2, 1, u""},
    TextField(u"ko", &D::ko, ctl::kKo, u"Коэффициент заполнения окна"),
    TextField(u"j", &D::j, ctl::kJ, u"Плотность тока, А/мм2"),
    TextField(u"Umin", &D::Umin, ctl::kUmin, u"Питание (мин., ном., макс.), В"),
    TextField(u"Umax", &D::Umax, ctl::kUmax, u"Питание (мин., ном., макс.), В"),
    {u"setevoe", K::Choice, nullptr, &D::setevoe, {ctl::kRadioDC, ctl::kRadioAC}, 2, 0, u""},
    TextField(u"U2_1", &D::U2_1, ctl::kU2_1, u"Номинальное напряжение, В"),
    TextField(u"I2_1", &D::I2_1, ctl::kI2_1, u"Номинальный ток, А"),
    TextField(u"Ud", &D::Ud, ctl::kUd, u"Прямое падение на диодах, В"),
    {u"vypr", K::Choice, nullptr, &D::vypr, {ctl::kVypr0, ctl::kVypr1, ctl::kVypr2}, 3, 0, u""},
    TextField(u"d11", &D::d11, ctl::kD11, u"Диаметр провода (желаемый)"),
    TextField(u"d21", &D::d21, ctl::kD21, u"Диаметр провода (желаемый)"),
    {u"yes_d", K::Flag, nullptr, &D::yes_d, {ctl::kYesD}, 1, 0, u"Использовать диаметры проводов"},
}};

const std::array<FieldDef, 15> kCoreGroupFields = {{
    {u"shape",
     K::Choice,
     nullptr,
     &D::shape,
     {ctl::kShapeE, ctl::kShapeEI, ctl::kShapeER, ctl::kShapeETD, ctl::kShapeOther},
     5,
     3,
     u"Форма"},
    TextField(u"A", &D::A, ctl::kDimA, u"A, мм"),
    TextField(u"B", &D::B, ctl::kDimB, u"B, мм"),
    TextField(u"C", &D::C, ctl::kDimC, u"C, мм"),
    TextField(u"D", &D::D, ctl::kDimD, u"D, мм"),
    TextField(u"H", &D::H, ctl::kDimH, u"H, мм"),
    TextField(u"h", &D::h, ctl::kDimh, u"h, мм"),
    TextField(u"I", &D::I, ctl::kDimI, u"I, мм"),
    TextField(u"mu", &D::mu, ctl::kMu, u"Эффективная проницаемость"),
    TextField(u"le", &D::le, ctl::kLe, u"Длина средней линии сердечника, le"),
    TextField(u"Ae", &D::Ae, ctl::kAe, u"Площадь сечения сердечника, Ae"),
    TextField(u"An", &D::An, ctl::kAn, u"Площадь окна сердечника, An"),
    TextField(u"Ve", &D::Ve, ctl::kVe, u"Объем сердечника, Ve"),
    {u"add_by_size",
     K::Flag,
     nullptr,
     &D::add_by_size,
     {ctl::kAddBySize},
     1,
     0,
     u"Добавление в базу (ввод размеров)"},
    {u"add_by_data",
     K::Flag,
     nullptr,
     &D::add_by_data,
     {ctl::kAddByData},
     1,
     0,
     u"Добавление в базу (ввод данных)"},
}};

int32_t ChoiceCount(const FieldDef& f) {
    return f.kind == FieldKind::Flag ? 2 : f.controlCount;
}

void NormaliseChoices(DesignInputs& in) {
    for (const FieldDef& f : kDesignFileFields) {
        if (f.kind == FieldKind::Text) continue;
        int32_t& v = in.*(f.number);
        if (v < 0 || v >= ChoiceCount(f)) v = f.fallback;
    }
}

double ToNumber(Text& field) {
    ReplaceAll(field, u',', u'.');
    return ParseDecimal(field);
}

double ToNumberQ(Text& field) {
    if (field.empty()) field = u"0.4";
    return ToNumber(field);
}

}  // namespace kelvara
