// The English catalogue: every Russian text the program shows outside its Qt
// windows, with its English translation, as an English-speaking
// power-electronics engineer reads it. Keyed by the Russian text exactly as
// the code writes it; the places {1}, {2}, … are the values the text holds.
// scripts/check_translations.py keeps it complete and free of stale entries.
#include "refdata/i18n.h"

namespace kelvara {

namespace {

constexpr CatalogueEntry kEntries[] = {
    {u"Внимание!", u"Warning!"},
    {u"Ошибка!", u"Error!"},
    {u"Величина немагнитного зазора, мм", u"Air gap, mm"},
    {u"Индуктивность сердечника (AL), нГн/виток^2", u"Core inductance factor AL, nH/turn^2"},
    {u"Требуемый немагнитный зазор, не менее", u"Required air gap, at least"},
    {u"Требуемая величина AL, не более", u"Required AL, at most"},
    {u"Материал:", u"Material:"},
    {u"Резонансная частота, кГц", u"Resonant frequency, kHz"},
    {u"Амплитуда индукции, Т", u"Peak flux density, T"},
    {u"Отношение индуктивностей Lm/Lr", u"Inductance ratio Lm/Lr"},
    {u"Добротность", u"Quality factor Q"},
    {u"Сопротивление канала Rds(on), Ом", u"On-resistance Rds(on), Ohm"},
    {u"Напряжение насыщения Uнас., В", u"Saturation voltage Vsat, V"},
    {u"Коэффициент заполнения окна", u"Window fill factor"},
    {u"Плотность тока, А/мм2", u"Current density, A/mm2"},
    {u"Питание (мин., ном., макс.), В", u"Supply (min., max.), V"},
    {u"Номинальное напряжение, В", u"Rated voltage, V"},
    {u"Номинальный ток, А", u"Rated current, A"},
    {u"Прямое падение на диодах, В", u"Diode forward drop, V"},
    {u"Диаметр провода (желаемый)", u"Wire diameter (wanted)"},
    {u"Использовать диаметры проводов", u"Use these wire diameters"},
    {u"Мертвое время td, нс", u"Dead time td, ns"},
    {u"Выходная емкость транзистора Coss, пФ", u"Transistor output capacitance Coss, pF"},
    {u"Первичная обмотка по обе стороны вторичной", u"Primary split around the secondary"},
    {u"Литцендрат первичной обмотки: диаметр жилы, мм", u"Primary litz wire: strand diameter, mm"},
    {u"Литцендрат первичной обмотки: число жил", u"Primary litz wire: number of strands"},
    {u"Литцендрат вторичной обмотки: диаметр жилы, мм",
     u"Secondary litz wire: strand diameter, mm"},
    {u"Литцендрат вторичной обмотки: число жил", u"Secondary litz wire: number of strands"},
    {u"Форма", u"Shape"},
    {u"A, мм", u"A, mm"},
    {u"B, мм", u"B, mm"},
    {u"C, мм", u"C, mm"},
    {u"D, мм", u"D, mm"},
    {u"H, мм", u"H, mm"},
    {u"h, мм", u"h, mm"},
    {u"I, мм", u"I, mm"},
    {u"Эффективная проницаемость", u"Effective permeability"},
    {u"Длина средней линии сердечника, le", u"Effective magnetic path length, le"},
    {u"Площадь сечения сердечника, Ae", u"Effective core area, Ae"},
    {u"Площадь окна сердечника, An", u"Winding window area, An"},
    {u"Объем сердечника, Ve", u"Effective core volume, Ve"},
    {u"Добавление в базу (ввод размеров)", u"Add to database (by dimensions)"},
    {u"Добавление в базу (ввод данных)", u"Add to database (by data)"},
    {u"Амплитуда индукции", u"Peak flux density"},
    {u"Мощность потерь в магнитопроводе", u"Core loss"},
    {u"Вт", u"W"},
    {u"Габаритная мощность трансформатора", u"Transformer power capability"},
    {u"Потребляемая нагрузкой мощность", u"Output power"},
    {u"Число витков первичной обмотки", u"Primary turns"},
    {u"Диаметр провода х число жил", u"Wire diameter x strands"},
    {u"Число витков вторичной обмотки", u"Secondary turns"},
    {u"Индуктив. намагнич. первич. обмотки Lm", u"Magnetizing inductance Lm"},
    {u"Резонансная индуктивность Lr", u"Resonant inductance Lr"},
    {u"Полная индуктивность первичной обмотки  Lm+Lr", u"Primary inductance Lm+Lr"},
    {u"Емкость резонансного конденсатора", u"Resonant capacitor Cr"},
    {u"нФ", u"nF"},
    {u"Частота контроллера не менее", u"Controller frequency, at least"},
    {u"кГц", u"kHz"},
    {u"Минимальная рабочая частота", u"Minimum operating frequency"},
    {u"Максимальная рабочая частота", u"Maximum operating frequency"},
    {u"Добротность максимальная", u"Maximum quality factor"},
    {u"Диаметр провода по скин-эффекту", u"Wire diameter for skin depth"},
    {u"мм", u"mm"},
    {u"Падение на транзисторах слишком велико.\nНеправильно выбраны "
     u"транзисторы.\nВелико сопротивление канала\nили напряжение насыщения.",
     u"The drop across the transistors is too high.\nThe transistors do not suit "
     u"this design:\ntheir on-resistance\nor saturation voltage is too high."},
    {u"Усиление при минимальном напряжении питания недостаточно.\nНе удалось "
     u"посчитать минимальную рабочую частоту.",
     u"Not enough gain at the lowest supply voltage.\nThe minimum operating "
     u"frequency could not be found."},
    {u"Усиление при максимальном напряжении питания недостаточно.\nНе удалось "
     u"посчитать максимальную рабочую частоту.",
     u"Not enough gain at the highest supply voltage.\nThe maximum operating "
     u"frequency could not be found."},
    {u"При заданной амплитуде индукции частотные потери в сердечнике слишком "
     u"велики.\nНе удалось посчитать мощность потерь, так как нет данных.",
     u"At this flux density the core loss at this frequency is too high.\nThe core "
     u"loss could not be calculated: the material has no data for it."},
    {u"Заданная величина индуктивности сердечника велика.\nВеличина индуктивности "
     u"сердечника установлена равной максимальному требуемому значению.",
     u"The AL value entered is too high.\nAL has been set to the largest usable "
     u"value."},
    {u"Заданная величина зазора не достаточна.\nВеличина зазора установлена равной "
     u"минимальному требуемому значению.",
     u"The air gap entered is too small.\nThe gap has been set to the smallest "
     u"required value."},
    {u"Коэффициент заполнения окна больше 0,3.\nПросчитайте размещаемость обмотки "
     u"или выберите сердечник большего размера.",
     u"The window fill factor is above 0.3.\nCheck that the windings fit, or choose "
     u"a larger core."},
    {u"Недопустимое значение: {1}.", u"Invalid value: {1}."},
    {u"Указанный желаемый диаметр {1} мм заменен на ближайший стандартный диаметр "
     u"{2} мм",
     u"The wanted diameter {1} mm has been replaced by the nearest standard diameter "
     u"{2} mm"},
    {u"Магнитная проницаемость материала", u"Material permeability"},
    {u"мкГн", u"µH"},
    {u"мГн", u"mH"},
    {u"Вы забыли перед добавлением ввести название сердечника.",
     u"Enter the name of the core before adding it."},
    {u"Вы забыли перед добавлением ввести магнитную проницаемость.",
     u"Enter the permeability before adding the core."},
    {u"Вы забыли перед добавлением ввести все размеры.",
     u"Enter all dimensions before adding the core."},
    {u"Вы забыли перед добавлением ввести все данные.", u"Enter all data before adding the core."},
    {u"да", u"yes"},
    {u"нет", u"no"},
    {u"в порядке", u"ok"},
    {u"предупреждение", u"warning"},
    {u"ошибка", u"error"},
    {u"не оценить", u"unknown"},
    {u"Транзисторы", u"Transistors"},
    {u"по Rds(on)", u"by Rds(on)"},
    {u"по Uнас.", u"by Vsat"},
    {u"Питание (мин., макс.), В", u"Supply (min., max.), V"},
    {u"Вид питания", u"Supply"},
    {u"Сетевое (AC)", u"Mains (AC)"},
    {u"Постоянное (DC)", u"DC"},
    {u"однополярное со средней точкой", u"centre tap, one polarity"},
    {u"двухполярное со средней точкой", u"centre tap, two polarities"},
    {u"мостовое", u"bridge"},
    {u"Выпрямление", u"Rectifier"},
    {u"Диаметры проводов (желаемые), мм", u"Wire diameters (wanted), mm"},
    {u"Сердечник", u"Core"},
    {u"Площадь сечения Ae, мм2", u"Effective area Ae, mm2"},
    {u"Площадь окна An, мм2", u"Window area An, mm2"},
    {u"Длина средней линии le, мм", u"Path length le, mm"},
    {u"Объем Ve, см3", u"Volume Ve, cm3"},
    {u"Эффективная проницаемость mu", u"Effective permeability mu"},
    {u"Коэффициенты AL = k1·g^k2: k1, k2", u"Coefficients of AL = k1·g^k2: k1, k2"},
    {u"Тепловое сопротивление Rth, K/Вт", u"Thermal resistance Rth, K/W"},
    {u"Материал", u"Material"},
    {u"В папке {1} отсутствует файл \"Wire.txt\".\nДо свидания!",
     u"The folder {1} has no file \"Wire.txt\".\nGoodbye!"},
    {u"В папке \"Ferrites_Materials\" отсутствуют все файлы материалов.\nДо свидания!",
     u"The folder \"Ferrites_Materials\" holds no material file.\nGoodbye!"},
    {u"В папке \"Bases_Cores\" отсутствует файл \"FerritesCores.txt\"",
     u"The folder \"Bases_Cores\" has no file \"FerritesCores.txt\""},
    {u"Не удалось прочитать файл материала \"{1}.txt\".",
     u"The material file \"{1}.txt\" could not be read."},
    {u"Не удалось прочитать файл \"Kelvara.ini\". Используются исходные данные по "
     u"умолчанию.",
     u"The file \"Kelvara.ini\" could not be read. The default inputs are used."},
    {u"Сердечник \"{1}\" не найден в базе; выбран \"{2}\".",
     u"Core \"{1}\" is not in the database; \"{2}\" is selected."},
    {u"Материал \"{1}\" не найден; выбран \"{2}\".",
     u"Material \"{1}\" not found; \"{2}\" is selected."},
    {u"Файл \"{1}\" не является файлом проекта.", u"The file \"{1}\" is not a design file."},
    {u"Результаты не соответствуют исходным данным — нажмите «Рассчитать»",
     u"The results are not those of the inputs — press \"Calculate\""},
    {u"Не удалось записать файл \"{1}\".", u"The file \"{1}\" could not be written."},
    {u"Не удалось подготовить папку данных \"{1}\".\nНе записан \"{2}\": {3}",
     u"The data folder \"{1}\" could not be prepared.\n\"{2}\" was not written: {3}"},
    {u"Не удалось открыть файл проекта \"{1}\".", u"The design file \"{1}\" could not be opened."},
    {u"Расчет резонансного полумостового преобразователя",
     u"Design of a resonant half-bridge converter"},
    {u"Kelvara, версия {1}", u"Kelvara, version {1}"},
    {u"Дата: {1}", u"Date: {1}"},
    {u"Файл проекта: {1}", u"Design file: {1}"},
    {u"Расчет не выполнен до конца.", u"The calculation did not run to its end."},
    {u"Результаты не соответствуют исходным данным: исходные данные изменены после "
     u"расчета.",
     u"The results are not those of the inputs: the inputs were changed after the "
     u"calculation."},
    {u"Исходные данные", u"Inputs"},
    {u"Величина", u"Quantity"},
    {u"Значение", u"Value"},
    {u"Сердечник и материал", u"Core and material"},
    {u"Результаты расчета", u"Results"},
    {u"Единица", u"Unit"},
    {u"Сообщения", u"Messages"},
    {u"Заголовок", u"Caption"},
    {u"Текст", u"Text"},
    {u"Сообщений нет.", u"No messages."},
    {u"Проверка проекта", u"Design check"},
    {u"Состояние", u"State"},
    {u"Что проверяется", u"What is checked"},
    {u"Норма", u"Limit"},
    {u"Примечание", u"Note"},
    {u"Проверка не выполнена: расчет не дошел до конца.",
     u"Not checked: the calculation did not run to its end."},
    {u"Обмотки на каркасе", u"Windings on the bobbin"},
    {u"Частота", u"Frequency"},
    {u"Fr={1} кГц", u"Fr={1} kHz"},
    {u"Частота контроллера не менее {1} кГц (пик усиления {2})",
     u"Controller frequency at least {1} kHz (gain peak {2})"},
    {u"Частота контроллера не менее {1} кГц", u"Controller frequency at least {1} kHz"},
    {u"{1}{2} кГц ({3})", u"{1}{2} kHz ({3})"},
    {u"Минимальное напряжение питания", u"lowest supply voltage"},
    {u"Максимальное напряжение питания", u"highest supply voltage"},
    {u"литцендрат {1}×{2} мм", u"litz {1}×{2} mm"},
    {u"провод {1} мм × {2}", u"wire {1} mm × {2}"},
    {u"Первичная: {1} вит., {2}, слоев {3}", u"Primary: {1} turns, {2}, {3} layers"},
    {u"Вторичная: {1} вит., {2}, слоев {3}", u"Secondary: {1} turns, {2}, {3} layers"},
    {u"Каркас {1} × {2} мм (оценка по окну), заполнено {3} % высоты",
     u"Bobbin {1} × {2} mm (estimated from the window), {3} % of its height used"},
    {u"Каркас {1} × {2} мм, заполнено {3} % высоты",
     u"Bobbin {1} × {2} mm, {3} % of its height used"},
    {u"Заменить файл \"{1}\"?", u"Replace the file \"{1}\"?"},
    {u"Открыть файл...", u"Open file..."},
    {u"Сохранить как...", u"Save as..."},
    {u"Открыть файл:", u"Open file:"},
    {u"Открыть", u"Open"},
    {u"Отмена", u"Cancel"},
    {u"Имя файла для сохранения:", u"File name to save as:"},
    {u"Сохранить", u"Save"},
    {u"В папке с программой отсутствует файл ReadMe.txt",
     u"The program folder has no file ReadMe.txt"},
    {u"{1}кГц, {2}В, {3}Вх{4}А", u"{1}kHz, {2}V, {3}Vx{4}A"},
    {u"Входные данные", u"Inputs"},
    {u"Uнас.", u"Vsat"},
    {u"Выходные характеристики преобразователя", u"Converter output"},
    {u"Выпрямление:", u"Rectifier:"},
    {u"Однополярн. со средней точкой", u"Centre tap, one polarity"},
    {u"Двухполярн. со средней точкой", u"Centre tap, two polarities"},
    {u"Мостовое", u"Bridge"},
    {u"ЕI", u"EI"},
    {u"Другая", u"Other"},
    {u"Размеры сердечника:", u"Core dimensions:"},
    {u"Данные сердечника:", u"Core data:"},
    {u"мм2", u"mm2"},
    {u"см3", u"cm3"},
    {u"Добавить сердечник в базу", u"Add core to the database"},
    {u"Загрузить", u"Load"},
    {u"Рассчитать", u"Calculate"},
    {u"Выход", u"Exit"},
    {u"Kelvara - Расчет резонансных цепей резонансного полумостового преобразователя "
     u"(Версия {1})",
     u"Kelvara - Resonant circuit design for the resonant half-bridge converter "
     u"(Version {1})"},
    {u"&Передаточная характеристика", u"&Transfer characteristic"},
    {u"По&мощь", u"&Help"},
    {u"&Типовая схема резонансного полумостового преобразователя",
     u"Typical &circuit of the resonant half-bridge converter"},
    {u"&О программе...", u"&About..."},
    {u"Про&верка проекта", u"Design chec&k"},
    {u"Подбор &сердечника", u"Core a&dviser"},
    {u"От&чёт...", u"&Report..."},
    {u"П&ечать...", u"&Print..."},
    {u"Передаточная характеристика", u"Transfer characteristic"},
    {u"Сохранить изображение...", u"Save picture..."},
    {u"Экспорт CSV...", u"Export CSV..."},
    {u"Передаточная характеристика.png", u"Transfer characteristic.png"},
    {u"Передаточная характеристика.csv", u"Transfer characteristic.csv"},
    {u"Помощь", u"Help"},
    {u"ОК", u"OK"},
    {u"Типовая схема резонансного полумостового преобразователя",
     u"Typical circuit of the resonant half-bridge converter"},
    {u"О программе", u"About"},
    {u"Kelvara - Расчет трансформатора и резонансных цепей резонансного "
     u"полумостового преобразователя",
     u"Kelvara - Transformer and resonant circuit design for the resonant "
     u"half-bridge converter"},
    {u" Версия ", u" Version "},
    {u"При добавлении сердечника в базу в поле комбинированного списка вводится "
     u"назавание нового сердечника.\nНет необходимости самостоятельно приписывать к "
     u"названию сердечника префикс его формы.  Префикс формы сердечника дописываются "
     u"программой автоматически.",
     u"To add a core to the database, type the name of the new core in the edit "
     u"field of this list.\nThere is no need to add the prefix of its shape to the "
     u"name: the program adds it."},
    {u"При выборе формы сердечника \"Другая\" данные взять из документации "
     u"производителя.",
     u"For the shape \"Other\", take the data from the maker's data sheet."},
    {u"Ввод размеров используется для сердечников простой геометрической формы, "
     u"таких, как кольцо или Ш-образных.\n Хотя я сделал расчет данных сердечника по "
     u"геометрическим размерам, результаты такого расчета получаются не точными, так "
     u"как данные от производителей несколько отличаются от прямого расчета по "
     u"геометрическим размерам.",
     u"Entry by dimensions is for cores of a simple shape, such as E cores.\n The "
     u"core data are calculated from the dimensions, but not exactly: the makers' "
     u"data differ somewhat from such a direct calculation."},
    {u"Ввод данных применяется при сложной геометрической форме, когда невозможен "
     u"расчет данных по геометрическим размерам.\nВ случае отсутствия в документации "
     u"производителя площади окна бобины под намотку, рассчитать площадь окна "
     u"самостоятельно.\nОбъем программа считает самостоятельно. Объем равен "
     u"произведению площади сечения сердечника на длину средней магнитной линии.",
     u"Entry by data is for cores of a complex shape whose data cannot be calculated "
     u"from the dimensions.\nIf the data sheet does not give the winding area of the "
     u"bobbin, calculate the window area yourself.\nThe program calculates the "
     u"volume: the effective area times the effective path length."},
    {u"Потери в сердечнике зависят от сочетания индукции и частоты.\nПри большой "
     u"частоте и большой индукции потери окажутся на столько большими, что нагрев "
     u"сердечника превысит разумные пределы.\nПоэтому программа сама ограничивает "
     u"максимальную индукцию в зависимости от введенного значения частоты.",
     u"The core loss depends on both the flux density and the frequency.\nAt a high "
     u"frequency and a high flux density the loss is so high that the core "
     u"overheats.\nSo choose the peak flux density to suit the frequency entered."},
    {u"Для ШИМ-контроллеров задается частота, равная половине частоты задающего "
     u"генератора микросхемы. Импульсы задающего генератора подаются на выходы по "
     u"очереди, поэтому частота на каждом выходе (и на трансформаторе) в 2 раза ниже "
     u"частоты задающего генератора.\nМикросхемы IR2153, и подобные ей этого "
     u"семейства микросхем, не являются ШИМ-контроллерами, и частота на их выходах "
     u"равна частоте задающего генератора.",
     u"For PWM controllers enter half the frequency of the controller's oscillator: "
     u"its pulses go to the outputs in turn, so the frequency at each output (and at "
     u"the transformer) is half the oscillator frequency.\nThe IR2153 and similar "
     u"chips of its family are not PWM controllers: the frequency at their outputs "
     u"equals the oscillator frequency."},
    {u"В это поле следует ввести сопротивление открытого канала Rds(on).",
     u"Enter the on-resistance Rds(on) of the transistors here."},
    {u"В это поле следует ввести напряжение насыщения биполярных или IGBT "
     u"транзисторов.\nДля полевых транзисторов в этом поле выводится расчетная "
     u"величина падения напряжения на транзисторе.",
     u"Enter the saturation voltage of bipolar or IGBT transistors here.\nFor "
     u"MOSFETs this field shows the calculated voltage drop across the transistor."},
    {u"Коэффициент заполнения окна характеризует, какую часть окна сердечника займут "
     u"все обмотки.\nКоэффициент заполнения окна может быть в диапазоне 0,1 - 0,4, в "
     u"зависимости от размера сердечника, меньшие значения соответствуют меньшим "
     u"размерам.",
     u"The window fill factor is the share of the core window that all windings "
     u"take.\nIt may lie between 0.1 and 0.4 depending on the core size; smaller "
     u"values suit smaller cores."},
    {u"Плотность тока зависит от условий охлаждения и от размеров сердечника.\nПри "
     u"естественном охлаждении следует выбирать 4 - 6 А/мм2.\nПри вентиляции "
     u"плотность тока можно выбрать больше, до 8 - 10 А/мм2.\nБольшие значения "
     u"плотности тока соответствуют маленьким сердечникам.\nПри принудительном "
     u"охлаждении допустимая плотность тока зависит от интенсивности охлаждения.",
     u"The current density depends on the cooling and on the core size.\nWith "
     u"natural convection choose 4 - 6 A/mm2.\nWith a fan it may be higher, up to 8 "
     u"- 10 A/mm2.\nHigher current densities suit small cores.\nWith forced cooling "
     u"the allowed current density depends on how strong the cooling is."},
    {u"Желаемый диаметр провода первичной обмотки.", u"Wanted wire diameter of the primary."},
    {u"Загрузка сохраненных исходных данных из файла с расширеним \".sav.\"",
     u"Load saved inputs from a \".sav\" file."},
    {u"Сохранение исходных данных в файл с расширеним \".sav\" для последующего "
     u"использования.",
     u"Save the inputs to a \".sav\" file for later use."},
    {u"Этот переключатель используется для биполярных или IGBT транзисторов.",
     u"Use this choice for bipolar or IGBT transistors."},
    {u"Этот переключатель используется для полевых транзисторов. При этом в "
     u"напряжение насыщения выводится расчетная величина падения напряжения на "
     u"транзисторе",
     u"Use this choice for MOSFETs. The saturation voltage field then shows the "
     u"calculated voltage drop across the transistor"},
    {u"не выполнена: расчет не дошел до конца",
     u"not done: the calculation did not run to its end"},
    {u"Итог: {1}", u"Summary: {1}"},
    {u"Подбор сердечника: вариантов {1}", u"Core adviser: {1} candidates"},
    {u"Ve, см3", u"Ve, cm3"},
    {u"Зазор/AL", u"Gap/AL"},
    {u"Потери", u"Losses"},
    {u"Нагрев", u"Rise"},
    {u"Ош/Пр", u"Err/Warn"},
    {u"расчет прерван", u"calculation stopped"},
    {u"Сердечник: {1}", u"Core: {1}"},
    {u"(не выбран)", u"(none selected)"},
    {u"(Ae {1} мм2, An {2} мм2, le {3} мм, mu {4}, Ve {5} см3)",
     u"(Ae {1} mm2, An {2} mm2, le {3} mm, mu {4}, Ve {5} cm3)"},
    {u"Материал: {1}", u"Material: {1}"},
    {u"Коэффициент трансформации N1/N2", u"Turns ratio N1/N2"},
    {u"{1} (расчетный {2}, {3})", u"{1} (calculated {2}, {3})"},
    {u"отклонение не более ±5 %", u"deviation within ±5 %"},
    {u"Целые числа витков заметно изменили коэффициент трансформации: выходное напряжение "
     u"будет достигаться на других частотах, чем рассчитано. Подберите N1 и N2 ближе к "
     u"расчетному отношению или измените выходное напряжение.",
     u"Whole turns have changed the turns ratio noticeably: the output voltage will be reached "
     u"at other frequencies than calculated. Choose N1 and N2 closer to the calculated ratio, or "
     u"change the output voltage."},
    {u"Отношение Lm/Lr с целыми витками", u"Lm/Lr with whole turns"},
    {u"{1} (задано {2}, {3})", u"{1} (set {2}, {3})"},
    {u"отклонение не более ±20 %", u"deviation within ±20 %"},
    {u"Lm/Lr задается зазором при целом числе витков N1 = {1}, а не расчетом. Для Lm/Lr = {2} "
     u"нужен AL около {3} нГн/виток^2: подберите под него зазор или AL.",
     u"With a whole number of turns N1 = {1}, Lm/Lr is set by the gap, not by the calculation. "
     u"Lm/Lr = {2} needs an AL of about {3} nH/turn^2: choose the gap or AL to match."},
    {u"AL против наибольшего допустимого", u"AL against the largest usable"},
    {u"{1} нГн/виток^2 (допустимо до {2})", u"{1} nH/turn^2 (usable up to {2})"},
    {u"не меньше половины допустимого", u"at least half the usable AL"},
    {u"Зазор против требуемого", u"Gap against the required one"},
    {u"{1} мм (нужно не менее {2} мм)", u"{1} mm (at least {2} mm needed)"},
    {u"не больше двух требуемых", u"at most twice the required gap"},
    {u"AL намного меньше допустимого: витков больше N1min, индукция заметно ниже заданной, "
     u"больше меди. Введите AL около {1} нГн/виток^2.",
     u"AL far below the usable value: more turns than N1min, flux density well below the one "
     u"set, more copper. Enter an AL of about {1} nH/turn^2."},
    {u"Зазор намного больше необходимого: витков больше N1min, индукция заметно ниже заданной, "
     u"больше меди. Введите зазор около {1} мм.",
     u"Gap far larger than needed: more turns than N1min, flux density well below the one set, "
     u"more copper. Enter a gap of about {1} mm."},
    {u"Запас по усилению", u"Gain margin"},
    {u"пик {1}, нужно {2} ({3})", u"peak {1}, needed {2} ({3})"},
    {u"запас не менее 10 %", u"margin at least 10 %"},
    {u"При минимальном напряжении питания усиления не хватает: минимальная рабочая частота не "
     u"найдена. Уменьшите добротность Q или отношение Lm/Lr, либо поднимите минимальное "
     u"напряжение питания.",
     u"Not enough gain at the lowest supply voltage: the minimum operating frequency was not "
     u"found. Reduce Q or the ratio Lm/Lr, or raise the lowest supply voltage."},
    {u"Запас по усилению мал: при просадке питания или перегрузке преобразователь не удержит "
     u"выходное напряжение. Уменьшите Q или Lm/Lr.",
     u"Small gain margin: on a supply dip or an overload the converter will not hold the output "
     u"voltage. Reduce Q or Lm/Lr."},
    {u"Граница емкостного режима", u"Capacitive-mode boundary"},
    {u"fmin {1} кГц, граница {2} кГц ({3})", u"fmin {1} kHz, boundary {2} kHz ({3})"},
    {u"fmin выше границы на 5 %", u"fmin 5 % above the boundary"},
    {u"Не оценить: граница емкостного режима не найдена.",
     u"Cannot estimate: the capacitive-mode boundary was not found."},
    {u"Не оценить: минимальная рабочая частота не найдена.",
     u"Cannot estimate: the minimum operating frequency was not found."},
    {u"При минимальном напряжении питания рабочая частота ниже границы емкостного режима: "
     u"транзисторы переключаются без ZVS и могут выйти из строя. Уменьшите Q или Lm/Lr, либо "
     u"поднимите минимальное напряжение питания.",
     u"At the lowest supply voltage the operating frequency is below the capacitive-mode "
     u"boundary: the transistors switch without ZVS and may fail. Reduce Q or Lm/Lr, or raise "
     u"the lowest supply voltage."},
    {u"Рабочая точка при минимальном питании близка к емкостному режиму: при перегрузке "
     u"преобразователь в него войдет. Уменьшите Q или Lm/Lr.",
     u"At the lowest supply the operating point is close to capacitive mode: an overload will "
     u"push the converter into it. Reduce Q or Lm/Lr."},
    {u"Нижняя частота контроллера", u"Lowest controller frequency"},
    {u"{1} кГц (пик усиления), граница {2} кГц", u"{1} kHz (gain peak), boundary {2} kHz"},
    {u"справочно", u"for information"},
    {u"Не оценить: нет пика усиления или границы емкостного режима.",
     u"Cannot estimate: no gain peak or no capacitive-mode boundary."},
    {u"При полной нагрузке пик усиления лежит в емкостной области, и контроллер, ограниченный "
     u"частотой {1} кГц, при перегрузке может войти в емкостный режим. Ограничьте минимальную "
     u"частоту контроллера значением {2} кГц.",
     u"At full load the gain peak lies in the capacitive region, so a controller limited to {1} "
     u"kHz can enter capacitive mode on an overload. Set the controller's minimum frequency to "
     u"{2} kHz."},
    {u"Индукция на резонансной частоте", u"Flux density at the resonant frequency"},
    {u"{1} T (задано {2} T)", u"{1} T (set {2} T)"},
    {u"не более 1.05·Bm", u"at most 1.05·Bm"},
    {u"Витков первичной обмотки меньше N1min = {1}: индукция выше заданной. Уменьшите зазор "
     u"(больше AL) или увеличьте число витков.",
     u"Fewer primary turns than N1min = {1}: the flux density is above the one set. Reduce the "
     u"gap (higher AL) or add turns."},
    {u"Индукция на минимальной частоте", u"Flux density at the minimum frequency"},
    {u"{1} T (насыщение {2} T при 100 °C)", u"{1} T (saturation {2} T at 100 °C)"},
    {u"не более 0.8·Bsat", u"at most 0.8·Bsat"},
    {u"Не оценить: в файле материала нет индукции насыщения Bmax.",
     u"Cannot estimate: the material file has no saturation flux density Bmax."},
    {u"На минимальной частоте индукция достигает насыщения: сердечник насытится. Увеличьте "
     u"число витков (уменьшите Bm), поднимите минимальную частоту или выберите сердечник "
     u"большего сечения.",
     u"At the minimum frequency the flux density reaches saturation: the core will saturate. Add "
     u"turns (lower Bm), raise the minimum frequency or choose a core with a larger "
     u"cross-section."},
    {u"На минимальной частоте индукция близка к насыщению: при нагреве и перегрузке сердечник "
     u"может насытиться. Увеличьте число витков или сечение сердечника.",
     u"At the minimum frequency the flux density is close to saturation: hot or overloaded, the "
     u"core may saturate. Add turns or choose a larger core cross-section."},
    {u"выше резонанса, ток выпрямителя непрерывный",
     u"above resonance, continuous rectifier current"},
    {u"выше резонанса, ток выпрямителя прерывистый",
     u"above resonance, discontinuous rectifier current"},
    {u"ниже резонанса, ток выпрямителя непрерывный",
     u"below resonance, continuous rectifier current"},
    {u"ниже резонанса, ток выпрямителя прерывистый",
     u"below resonance, discontinuous rectifier current"},
    {u"При минимальном питании выходное напряжение выше заданного даже на частоте 2·Fr: "
     u"частотой его не удержать. Уменьшите коэффициент трансформации (больше витков вторичной "
     u"обмотки) или увеличьте Lr.",
     u"At the lowest supply the output voltage is above the one set even at 2·Fr: frequency "
     u"control cannot hold it. Reduce the turns ratio (more secondary turns) or increase Lr."},
    {u"При максимальном питании выходное напряжение выше заданного даже на частоте 2·Fr: "
     u"частотой его не удержать. Уменьшите коэффициент трансформации (больше витков вторичной "
     u"обмотки) или увеличьте Lr.",
     u"At the highest supply the output voltage is above the one set even at 2·Fr: frequency "
     u"control cannot hold it. Reduce the turns ratio (more secondary turns) or increase Lr."},
    {u"При минимальном питании ни на одной частоте от 0.3·Fr до 2·Fr преобразователь не отдает "
     u"ток нагрузки при заданном выходном напряжении: усиления не хватает. Уменьшите Q или "
     u"Lm/Lr, либо поднимите минимальное напряжение питания.",
     u"At the lowest supply no frequency from 0.3·Fr to 2·Fr delivers the load current at the "
     u"set output voltage: not enough gain. Reduce Q or Lm/Lr, or raise the lowest supply "
     u"voltage."},
    {u"При максимальном питании ни на одной частоте от 0.3·Fr до 2·Fr преобразователь не "
     u"отдает ток нагрузки при заданном выходном напряжении: усиления не хватает. Уменьшите Q "
     u"или Lm/Lr, либо поднимите минимальное напряжение питания.",
     u"At the highest supply no frequency from 0.3·Fr to 2·Fr delivers the load current at the "
     u"set output voltage: not enough gain. Reduce Q or Lm/Lr, or raise the lowest supply "
     u"voltage."},
    {u"Модель во времени: fmin", u"Time-domain model: fmin"},
    {u"Модель во времени: fmax", u"Time-domain model: fmax"},
    {u"{1} кГц (FHA {2} кГц, {3}); на частоте FHA {4} В",
     u"{1} kHz (FHA {2} kHz, {3}); {4} V at the FHA frequency"},
    {u"FHA отличается не более чем на ±5 %", u"FHA within ±5 %"},
    {u"Не оценить: модель во временной области не решена для этих чисел.",
     u"Cannot estimate: the time-domain model has no solution for these numbers."},
    {u"На {1} кГц: {2}; ток первичной обмотки {3} А действ., {4} А пик; намагничивания {5} А "
     u"пик; Cr {6} В пик (переменная составляющая); вторичная обмотка {7} А действ.; индукция "
     u"{8} T.",
     u"At {1} kHz: {2}; primary current {3} A RMS, {4} A peak; magnetizing current {5} A peak; "
     u"Cr {6} V peak (AC component); secondary {7} A RMS; flux density {8} T."},
    {u"FHA занижает {1} на {2} %: на частоте {3} кГц выход будет {4} В вместо {5} В. Настройте "
     u"контроллер на {6} кГц. {7}",
     u"FHA underestimates {1} by {2} %: at {3} kHz the output will be {4} V instead of {5} V. "
     u"Set the controller to {6} kHz. {7}"},
    {u"FHA завышает {1} на {2} %: на частоте {3} кГц выход будет {4} В вместо {5} В. Настройте "
     u"контроллер на {6} кГц. {7}",
     u"FHA overestimates {1} by {2} %: at {3} kHz the output will be {4} V instead of {5} V. Set "
     u"the controller to {6} kHz. {7}"},
    {u"FHA не нашла {1}; модель во временной области дает {2} кГц. {3}",
     u"FHA found no {1}; the time-domain model gives {2} kHz. {3}"},
    {u"При минимальном питании средняя точка не успевает перезарядиться за мертвое время {1} "
     u"нс (ток выключения {2} А, запас заряда {3}): транзистор включается жестко, с потерями "
     u"на разряде Coss. Увеличьте мертвое время или ток намагничивания (меньше Lm: больший "
     u"зазор), либо выберите транзисторы с меньшей Coss.",
     u"At the lowest supply the midpoint does not complete its swing within the dead time of {1} "
     u"ns (turn-off current {2} A, charge margin {3}): the transistor turns on hard, dissipating "
     u"the charge of Coss. Increase the dead time or the magnetizing current (lower Lm: larger "
     u"gap), or choose transistors with a lower Coss."},
    {u"При максимальном питании средняя точка не успевает перезарядиться за мертвое время {1} "
     u"нс (ток выключения {2} А, запас заряда {3}): транзистор включается жестко, с потерями "
     u"на разряде Coss. Увеличьте мертвое время или ток намагничивания (меньше Lm: больший "
     u"зазор), либо выберите транзисторы с меньшей Coss.",
     u"At the highest supply the midpoint does not complete its swing within the dead time of "
     u"{1} ns (turn-off current {2} A, charge margin {3}): the transistor turns on hard, "
     u"dissipating the charge of Coss. Increase the dead time or the magnetizing current (lower "
     u"Lm: larger gap), or choose transistors with a lower Coss."},
    {u"При минимальном питании средняя точка не успевает перезарядиться за мертвое время {1} "
     u"нс (ток выключения {2} А): транзистор включается жестко, с потерями на разряде Coss. "
     u"Увеличьте мертвое время или ток намагничивания (меньше Lm: больший зазор), либо "
     u"выберите транзисторы с меньшей Coss.",
     u"At the lowest supply the midpoint does not complete its swing within the dead time of {1} "
     u"ns (turn-off current {2} A): the transistor turns on hard, dissipating the charge of "
     u"Coss. Increase the dead time or the magnetizing current (lower Lm: larger gap), or choose "
     u"transistors with a lower Coss."},
    {u"При максимальном питании средняя точка не успевает перезарядиться за мертвое время {1} "
     u"нс (ток выключения {2} А): транзистор включается жестко, с потерями на разряде Coss. "
     u"Увеличьте мертвое время или ток намагничивания (меньше Lm: больший зазор), либо "
     u"выберите транзисторы с меньшей Coss.",
     u"At the highest supply the midpoint does not complete its swing within the dead time of "
     u"{1} ns (turn-off current {2} A): the transistor turns on hard, dissipating the charge of "
     u"Coss. Increase the dead time or the magnetizing current (lower Lm: larger gap), or choose "
     u"transistors with a lower Coss."},
    {u"Мягкое переключение в мертвое время", u"Soft switching in the dead time"},
    {u"ток выключения {1} / {2} А, запас заряда {3} / {4}",
     u"turn-off current {1} / {2} A, charge margin {3} / {4}"},
    {u"перезаряд за td, запас не менее 20 %", u"swing within td, margin at least 20 %"},
    {u"Не оценить: нет рабочей частоты модели во временной области при минимальном питании.",
     u"Cannot estimate: the time-domain model has no operating frequency at the lowest supply."},
    {u"Не оценить: нет рабочей частоты модели во временной области при максимальном питании.",
     u"Cannot estimate: the time-domain model has no operating frequency at the highest supply."},
    {u"Перезаряд Coss завершается, но запас по заряду мал ({1}): при разбросе Coss, тока и "
     u"мертвого времени переключение может стать жестким. Увеличьте мертвое время или ток "
     u"намагничивания (меньше Lm).",
     u"The Coss swing completes, but the charge margin is small ({1}): with the spread of Coss, "
     u"current and dead time the switching may turn hard. Increase the dead time or the "
     u"magnetizing current (lower Lm)."},
    {u"Coss = 0: ключи идеальные; ток выключения положителен в обоих режимах.",
     u"Coss = 0: ideal switches; the turn-off current is positive at both supply corners."},
    {u"Ток выключения перезаряжает 2·Coss = {1} пФ за td = {2} нс с запасом: транзисторы "
     u"включаются при нулевом напряжении.",
     u"The turn-off current swings 2·Coss = {1} pF within td = {2} ns with margin: the "
     u"transistors turn on at zero voltage (ZVS)."},
    {u"Мертвое время td задано неверно: нужно число наносекунд не меньше 0 и меньше четверти "
     u"резонансного периода ({1} нс). Модель во временной области не рассчитана.",
     u"Invalid dead time td: it must be a number of nanoseconds, at least 0 and less than a "
     u"quarter of the resonant period ({1} ns). The time-domain model was not calculated."},
    {u"Выходная емкость транзистора Coss задана неверно: нужно число пикофарад от 0 до 1000000 "
     u"(1 мкФ). Модель во временной области не рассчитана.",
     u"Invalid transistor output capacitance Coss: it must be a number of picofarads from 0 to "
     u"1000000 (1 µF). The time-domain model was not calculated."},
    {u"Потери в сердечнике на fmin / fmax", u"Core loss at fmin / fmax"},
    {u"{1} / {2} Вт", u"{1} / {2} W"},
    {u"Не оценить: в таблице потерь материала нет данных для этой частоты и индукции.",
     u"Cannot estimate: the material's loss table has no data for this frequency and flux "
     u"density."},
    {u"Не оценить: рабочая частота не найдена.",
     u"Cannot estimate: the operating frequency was not found."},
    {u"Ток первичной обмотки (действующий)", u"Primary current (RMS)"},
    {u"{1} А на fmin, {2} А на fmax, {3} А на Fr", u"{1} A at fmin, {2} A at fmax, {3} A at Fr"},
    {u"Резонансный конденсатор", u"Resonant capacitor"},
    {u"{1} В амплитуда, {2} А действ.", u"{1} V peak, {2} A RMS"},
    {u"Амплитуда переменной составляющей на fmin. Если постоянную составляющую (половину "
     u"напряжения питания) блокирует только Cr, она добавляется к амплитуде: выбирайте "
     u"конденсатор с запасом по напряжению и току.",
     u"Peak of the AC component at fmin. If Cr alone blocks the DC component (half the supply "
     u"voltage), it adds to this peak: choose a capacitor with margin in voltage and current."},
    {u"Потери в меди (оценка)", u"Copper loss (estimate)"},
    {u"{1} + {2} Вт (виток {3} мм, слоев {4} + {5}, Rac/Rdc {6} / {7})",
     u"{1} + {2} W (MLT {3} mm, layers {4} + {5}, Rac/Rdc {6} / {7})"},
    {u"Оценка при 100 °C на fmin с поверхностным эффектом и эффектом близости в слоях обмоток "
     u"(Dowell; литцендрат — по жилам): сопротивление переменному току больше постоянного в "
     u"{1} раза в первичной и в {2} раза во вторичной обмотке.",
     u"Estimate at 100 °C and fmin with the skin and proximity effects in the winding layers "
     u"(Dowell; litz wire by its strands): the AC resistance is {1} times the DC resistance in "
     u"the primary and {2} times in the secondary."},
    {u"Не оценить: провод не выбран (нет таблицы проводов).",
     u"Cannot estimate: no wire chosen (no wire table)."},
    {u"Не оценить: виток не помещается по ширине каркаса.",
     u"Cannot estimate: a turn does not fit across the bobbin width."},
    {u"Не оценить: обмотки не уложить на каркас.",
     u"Cannot estimate: the windings cannot be laid on the bobbin."},
    {u"Укладка обмоток на каркас", u"Winding build on the bobbin"},
    {u"{1} % высоты ({2} из {3} мм, ширина {4} мм, каркас оценен)",
     u"{1} % of height ({2} of {3} mm, width {4} mm, bobbin estimated)"},
    {u"{1} % высоты ({2} из {3} мм, ширина {4} мм)",
     u"{1} % of height ({2} of {3} mm, width {4} mm)"},
    {u"не более 90 %", u"at most 90 %"},
    {u"Размеры каркаса оценены по окну сердечника (ширина 0.9·3w, высота 0.75·w, w = √(An/3)): "
     u"сверьте их с каркасом.",
     u"Bobbin dimensions estimated from the core window (width 0.9·3w, height 0.75·w, w = "
     u"√(An/3)): check them against the real bobbin."},
    {u"Не оценить: провод не выбран.", u"Cannot estimate: no wire chosen."},
    {u"Виток (жилы рядом) шире каркаса: выберите провод тоньше с большим числом жил, "
     u"литцендрат или сердечник с более широким окном.",
     u"A turn (strands side by side) is wider than the bobbin: choose a thinner wire with more "
     u"strands, litz wire, or a core with a wider window."},
    {u"Не оценить: неизвестна высота каркаса.", u"Cannot estimate: the bobbin height is unknown."},
    {u"Обмотки не помещаются на каркас по высоте: выберите сердечник с большим окном, "
     u"уменьшите число жил или плотность тока.",
     u"The windings do not fit the bobbin height: choose a core with a larger window, or reduce "
     u"the number of strands or the current density."},
    {u"Обмотки занимают почти всю высоту каркаса: с изоляцией и неровной укладкой они могут не "
     u"поместиться.",
     u"The windings take almost the whole bobbin height: with insulation and uneven winding they "
     u"may not fit."},
    {u"Индуктивность рассеяния (оценка)", u"Leakage inductance (estimate)"},
    {u"{1} мкГн ({2} % от Lr {3} мкГн)", u"{1} µH ({2} % of Lr {3} µH)"},
    {u"Не оценить: обмотки не уложены на каркас.",
     u"Cannot estimate: the windings are not laid on the bobbin."},
    {u"Если Lr выполняется рассеянием трансформатора, его не хватает на {1} мкГн: добавьте "
     u"внешний дроссель или разнесите обмотки (секционный каркас).",
     u"If Lr is to be the transformer's leakage inductance, it is {1} µH short: add an external "
     u"inductor or separate the windings (sectioned bobbin)."},
    {u"Рассеяние больше Lr на {1} мкГн: последовательно с Cr оно уже дает больше резонансной "
     u"индуктивности. Уменьшите его чередованием обмоток.",
     u"The leakage inductance exceeds Lr by {1} µH: in series with Cr it already gives more than "
     u"the resonant inductance. Reduce it by interleaving the windings."},
    {u"Перегрев трансформатора", u"Transformer temperature rise"},
    {u"{1} K (потери {2} Вт, Rth {3} K/Вт по базе)",
     u"{1} K (losses {2} W, Rth {3} K/W from the database)"},
    {u"{1} K (потери {2} Вт, Rth {3} K/Вт оценка)", u"{1} K (losses {2} W, Rth {3} K/W estimated)"},
    {u"не более 40 K", u"at most 40 K"},
    {u"Не оценить: неизвестны потери в сердечнике или в меди.",
     u"Cannot estimate: the core loss or the copper loss is unknown."},
    {u"Перегрев больше 60 K: трансформатор перегреется. Выберите сердечник больше, материал с "
     u"меньшими потерями, уменьшите Bm или плотность тока.",
     u"Temperature rise above 60 K: the transformer will overheat. Choose a larger core or a "
     u"lower-loss material, or reduce Bm or the current density."},
    {u"Перегрев больше 40 K: проверьте охлаждение, или выберите сердечник больше, уменьшите Bm "
     u"или плотность тока.",
     u"Temperature rise above 40 K: check the cooling, or choose a larger core, or reduce Bm or "
     u"the current density."},
    {u"Заполнение окна", u"Window fill"},
    {u"не более {1}", u"at most {1}"},
    {u"Обмотки могут не поместиться в окно: выберите сердечник с большим окном или проверьте "
     u"укладку обмоток по слоям.",
     u"The windings may not fit the window: choose a core with a larger window or check the "
     u"winding build layer by layer."},
    {u"{1} ошибка", u"{1} error"},
    {u"{1} ошибки", u"{1} errors"},
    {u"{1} ошибок", u"{1} errors"},
    {u"{1} предупреждение", u"{1} warning"},
    {u"{1} предупреждения", u"{1} warnings"},
    {u"{1} предупреждений", u"{1} warnings"},
    {u"Проверка проекта: {1}", u"Design check: {1}"},
    {u"замечаний нет", u"no issues"},
    {u"fTd={1} кГц (модель во времени, мин. питание)",
     u"fTd={1} kHz (time-domain model, lowest supply)"},
    {u"fTd={1} кГц (модель во времени, макс. питание)",
     u"fTd={1} kHz (time-domain model, highest supply)"},
    {u"{1}: fTd {2} кГц, Uhb {3} В, td {4} нс", u"fTd {2} kHz at the {1}, Uhb {3} V, td {4} ns"},
    {u"средняя точка", u"midpoint"},
    {u"В", u"V"},
    {u"ток первичной обмотки", u"primary current"},
    {u"А", u"A"},
    {u"ток намагничивания", u"magnetizing current"},
    {u"напряжение на Cr (переменная составляющая)", u"voltage across Cr (AC component)"},
    {u"ток вторичной обмотки (выпрямленный)", u"secondary current (rectified)"},
    {u"t, мкс", u"t, µs"},
    {u"Модель во временной области не решена для этой схемы.",
     u"The time-domain model has no solution for this circuit."},
    {u"Даже на 2·Fr ток выпрямителя больше тока нагрузки: рабочей частоты нет.",
     u"Even at 2·Fr the rectifier current exceeds the load current: there is no operating "
     u"frequency."},
    {u"Ни на одной частоте от 0.3·Fr до 2·Fr выход не достигает заданного напряжения.",
     u"No frequency from 0.3·Fr to 2·Fr brings the output up to the set voltage."},
    {u"Нет схемы для SPICE: расчет не выполнен до конца, или мертвое время td и емкость Coss в "
     u"окне «Проверка проекта» заданы неверно.",
     u"No circuit for SPICE: the calculation did not run to its end, or the dead time td or the "
     u"capacitance Coss in the window \"Design check\" is invalid."},
    {u"&Результаты", u"&Results"},
    {u"&Осциллограммы...", u"&Waveforms..."},
    {u"Экспорт &SPICE...", u"Export &SPICE..."},
    {u"Осциллограммы: минимальное напряжение питания", u"Waveforms: lowest supply voltage"},
    {u"Осциллограммы: максимальное напряжение питания", u"Waveforms: highest supply voltage"},
    {u"Коэффициент передачи", u"Gain"},
    {u"выкл. VT2", u"VT2 off"},
    {u"выкл. VT1", u"VT1 off"},
    // The Windows window's own texts, the waveform window's cursor and summary.
    {u"t = {1} мкс:  Uср.т. {2} В,  Iперв. {3} А,  Iнамагн. {4} А,  UCr {5} В,  Iвтор. {6} А",
     u"t = {1} µs:  Vmid {2} V,  Ipri {3} A,  Imag {4} A,  VCr {5} V,  Isec {6} A"},
    {u"перезаряд за мертвое время завершается",
     u"the midpoint swing completes within the dead time"},
    {u"перезаряд не завершается: жесткое переключение",
     u"the midpoint swing does not complete: hard switching"},
    {u"выше резонанса", u"above resonance"},
    {u"ниже резонанса", u"below resonance"},
    {u"непрерывный", u"continuous"},
    {u"прерывистый", u"discontinuous"},
    {u"fTd {1} кГц ({2}, ток выпрямителя {3}); ток выключения {4} А, {5}; ток первичной обмотки "
     u"{6} А действ., {7} А пик; индукция {8} T. Серые полосы — мертвое время, розовые — перезаряд "
     u"средней точки; красные линии — выключение транзисторов.",
     u"fTd {1} kHz ({2}, rectifier current {3}); turn-off current {4} A, {5}; primary current {6} "
     u"A RMS, {7} A peak; flux density {8} T. Grey bands: dead time; pink: the midpoint swing; red "
     u"lines: transistor turn-off."},
    {u"Coss транзистора, пФ", u"Transistor Coss, pF"},
    {u"Литцендрат первичной: жила, мм", u"Primary litz: strand, mm"},
    {u"число жил", u"strands"},
    {u"Литцендрат вторичной: жила, мм", u"Secondary litz: strand, mm"},
    {u"Первичная по обе стороны вторичной (П-В-П)",
     u"Primary on both sides of the secondary (P-S-P)"},
    {u"Полумост и обмотки (для проверки)", u"Half bridge and windings (for the check)"},
    {u"Обмотки на каркасе (в масштабе)", u"Windings on the bobbin (to scale)"},
    {u"Пересчитать", u"Recalculate"},
    {u"Проверка проекта: ", u"Design check: "},
    {u"Подробно...", u"Details..."},
    {u"Проверка проекта: расчет не выполнен до конца",
     u"Design check: the calculation did not run to its end"},
    {u"Расчет вариантов...", u"Calculating the candidates..."},
    {u"все материалы", u"all materials"},
    {u"Выбрать", u"Choose"},
    {u"Закрыть", u"Close"},
    {u"Что это значит и что делать", u"What it means and what to do"},
    {u"Осциллограммы...", u"Waveforms..."},
    {u"Проверка проекта: расчет не выполнен до конца, проверять нечего.",
     u"Design check: the calculation did not run to its end, nothing to check."},
    {u"Обмотки не уложены на каркас: провод не выбран или виток шире каркаса.",
     u"The windings are not laid on the bobbin: no wire chosen, or a turn is wider than the "
     u"bobbin."},
    {u"Копировать результаты", u"Copy results"},
    {u"Экспорт SPICE", u"Export SPICE"},
    {u"Список цепей SPICE (*.cir)", u"SPICE netlist (*.cir)"},
    {u"Отчёт HTML (*.html)", u"HTML report (*.html)"},
    {u"Документ PDF (*.pdf)", u"PDF document (*.pdf)"},
    {u"Отчёт о расчете", u"Design report"},
    {u"Сохранить изображение", u"Save picture"},
    {u"Изображение PNG (*.png)", u"PNG image (*.png)"},
    {u"Рисунок SVG (*.svg)", u"SVG drawing (*.svg)"},
    {u"Экспорт CSV", u"Export CSV"},
    {u"Таблица CSV (*.csv)", u"CSV table (*.csv)"},
    {u"Осциллограммы", u"Waveforms"},
    // The core adviser's table.
    {u"AL, нГн/виток^2", u"AL, nH/turn^2"},
    {u"Зазор, мм", u"Gap, mm"},
    {u"Bm на Fr, Т", u"Bm at Fr, T"},
    {u"B на fmin, Т", u"B at fmin, T"},
    {u"Потери, Вт", u"Losses, W"},
    {u"Перегрев, K", u"Rise, K"},
    {u"Заполнение", u"Fill"},
    {u"fmin, кГц", u"fmin, kHz"},
    {u"fmax, кГц", u"fmax, kHz"},
    {u"fTd min, кГц", u"fTd min, kHz"},
    {u"fTd max, кГц", u"fTd max, kHz"},
    {u"Мягкое перекл.", u"Soft switching"},
    {u"Ошибки / предупр.", u"Errors / warnings"},
    {u"Подбор прерван", u"Ranking cancelled"},
    {u"Рассчитано вариантов: {1} за {2} мс", u"Candidates calculated: {1} in {2} ms"},
    {u"Подбор сердечника", u"Core adviser"},
    {u"Каждый сердечник базы рассчитан с текущими исходными данными; зазор (или AL) подобран для "
     u"каждого. Порядок: сначала те, у которых модель во времени решена и переключение мягкое, "
     u"затем без ошибок и предупреждений проверки, меньший объем сердечника и меньшие потери. "
     u"Щелчок по заголовку сортирует.",
     u"Every core of the database is calculated with the present inputs, its gap (or AL) settled "
     u"for it. Order: first those whose time-domain model is solved and switches softly, then "
     u"those without errors and warnings of the check, the smaller core volume and the lower "
     u"losses. Click a heading to sort."},
};

}  // namespace

std::span<const CatalogueEntry> EnglishCatalogue() {
    return kEntries;
}

}  // namespace kelvara
