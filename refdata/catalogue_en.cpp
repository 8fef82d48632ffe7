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
    {u"Подбор &сердечника", u"Core &adviser"},
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
};

}  // namespace

std::span<const CatalogueEntry> EnglishCatalogue() {
    return kEntries;
}

}  // namespace kelvara
