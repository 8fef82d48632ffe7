<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>Kelvara</name>
    <message>
        <source>Мертвое время td, нс</source>
        <translation>Dead time td, ns</translation>
    </message>
    <message>
        <source>Coss транзистора, пФ</source>
        <translation>Transistor Coss, pF</translation>
    </message>
    <message>
        <source>Литцендрат первичной: жила, мм</source>
        <translation>Primary litz: strand, mm</translation>
    </message>
    <message>
        <source>число жил</source>
        <translation>strands</translation>
    </message>
    <message>
        <source>Литцендрат вторичной: жила, мм</source>
        <translation>Secondary litz: strand, mm</translation>
    </message>
    <message>
        <source>Проверка проекта: &lt;b&gt;&lt;span style=&quot;color:%1&quot;&gt;%2&lt;/span&gt;&lt;/b&gt;</source>
        <translation>Design check: &lt;b&gt;&lt;span style=&quot;color:%1&quot;&gt;%2&lt;/span&gt;&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png);;Рисунок SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>Экспорт CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Передаточная характеристика</source>
        <translation>Transfer characteristic</translation>
    </message>
</context>
<context>
    <name>kelvara::ui::AdviserWindow</name>
    <message>
        <source>Подбор сердечника</source>
        <translation>Core adviser</translation>
    </message>
    <message>
        <source>все материалы</source>
        <translation>all materials</translation>
    </message>
    <message>
        <source>Каждый сердечник базы рассчитан с текущими исходными данными; зазор (или AL) подобран для каждого. Порядок: сначала те, у которых модель во времени решена и переключение мягкое, затем без ошибок и предупреждений проверки, меньший объем сердечника и меньшие потери. Щелчок по заголовку сортирует.</source>
        <translation>Every core of the database is calculated with the present inputs, its gap (or AL) settled for it. Order: first those whose time-domain model is solved and switches softly, then those without errors and warnings of the check, the smaller core volume and the lower losses. Click a heading to sort.</translation>
    </message>
    <message>
        <source>Сердечник</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Материал</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Ve, см3</source>
        <translation>Ve, cm3</translation>
    </message>
    <message>
        <source>AL, нГн/виток^2</source>
        <translation>AL, nH/turn^2</translation>
    </message>
    <message>
        <source>Зазор, мм</source>
        <translation>Gap, mm</translation>
    </message>
    <message>
        <source>Bm на Fr, Т</source>
        <translation>Bm at Fr, T</translation>
    </message>
    <message>
        <source>B на fmin, Т</source>
        <translation>B at fmin, T</translation>
    </message>
    <message>
        <source>Потери, Вт</source>
        <translation>Losses, W</translation>
    </message>
    <message>
        <source>Перегрев, K</source>
        <translation>Rise, K</translation>
    </message>
    <message>
        <source>Заполнение</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>fmin, кГц</source>
        <translation>fmin, kHz</translation>
    </message>
    <message>
        <source>fmax, кГц</source>
        <translation>fmax, kHz</translation>
    </message>
    <message>
        <source>Ошибки / предупр.</source>
        <translation>Errors / warnings</translation>
    </message>
    <message>
        <source>Выбрать</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Расчет вариантов...</source>
        <translation>Calculating the candidates...</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Подбор прерван</source>
        <translation>Ranking cancelled</translation>
    </message>
    <message>
        <source>Рассчитано вариантов: %1 за %2 мс</source>
        <translation>Candidates calculated: %1 in %2 ms</translation>
    </message>
    <message>
        <source>расчет прерван</source>
        <translation>calculation stopped</translation>
    </message>
    <message>
        <source>fTd min, кГц</source>
        <translation>fTd min, kHz</translation>
    </message>
    <message>
        <source>fTd max, кГц</source>
        <translation>fTd max, kHz</translation>
    </message>
    <message>
        <source>Мягкое перекл.</source>
        <translation>Soft switching</translation>
    </message>
    <message>
        <source>да</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>kelvara::ui::CheckWindow</name>
    <message>
        <source>Проверка проекта</source>
        <translation>Design check</translation>
    </message>
    <message>
        <source>Что проверяется</source>
        <translation>What is checked</translation>
    </message>
    <message>
        <source>Значение</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Норма</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Что это значит и что делать</source>
        <translation>What it means and what to do</translation>
    </message>
    <message>
        <source>Полумост и обмотки (для проверки)</source>
        <translation>Half bridge and windings (for the check)</translation>
    </message>
    <message>
        <source>Первичная по обе стороны вторичной (П-В-П)</source>
        <translation>Primary split around the secondary (P-S-P)</translation>
    </message>
    <message>
        <source>Пересчитать</source>
        <translation>Recalculate</translation>
    </message>
    <message>
        <source>Обмотки на каркасе (в масштабе)</source>
        <translation>Windings on the bobbin (to scale)</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Проверка проекта: расчет не выполнен до конца, проверять нечего.</source>
        <translation>Design check: the calculation did not run to its end, nothing to check.</translation>
    </message>
    <message>
        <source>Осциллограммы...</source>
        <translation>Waveforms...</translation>
    </message>
</context>
<context>
    <name>kelvara::ui::MainWindow</name>
    <message>
        <source>Итог проверки последнего расчета</source>
        <translation>Summary of the check of the last calculation</translation>
    </message>
    <message>
        <source> &amp;nbsp; &lt;span style=&quot;color:%1&quot;&gt;Проверка проекта: %2&lt;/span&gt; &amp;nbsp; &lt;a href=&quot;check&quot;&gt;Подробно...&lt;/a&gt;</source>
        <translation> &amp;nbsp; &lt;span style=&quot;color:%1&quot;&gt;Design check: %2&lt;/span&gt; &amp;nbsp; &lt;a href=&quot;check&quot;&gt;Details...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>&lt;span style=&quot;color:%1&quot;&gt;Проверка проекта: расчет не выполнен до конца&lt;/span&gt;</source>
        <translation>&lt;span style=&quot;color:%1&quot;&gt;Design check: the calculation did not run to its end&lt;/span&gt;</translation>
    </message>
    <message>
        <source> &amp;nbsp; &lt;a href=&quot;check&quot;&gt;Подробно...&lt;/a&gt;</source>
        <translation> &amp;nbsp; &lt;a href=&quot;check&quot;&gt;Details...&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Отчёт о расчете</source>
        <translation>Design report</translation>
    </message>
    <message>
        <source>Отчёт HTML (*.html);;Документ PDF (*.pdf)</source>
        <translation>HTML report (*.html);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Печать отчёта</source>
        <translation>Print the report</translation>
    </message>
    <message>
        <source>Копировать результаты</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>Экспорт SPICE</source>
        <translation>Export SPICE</translation>
    </message>
    <message>
        <source>Список цепей SPICE (*.cir)</source>
        <translation>SPICE netlist (*.cir)</translation>
    </message>
</context>
<context>
    <name>kelvara::ui::WaveformView</name>
    <message>
        <source>t = %1 мкс:  Uср.т. %2 В,  Iперв. %3 А,  Iнамагн. %4 А,  UCr %5 В,  Iвтор. %6 А</source>
        <translation>t = %1 µs:  Vmid %2 V,  Ipri %3 A,  Imag %4 A,  VCr %5 V,  Isec %6 A</translation>
    </message>
</context>
<context>
    <name>kelvara::ui::WaveformWindow</name>
    <message>
        <source>Осциллограммы</source>
        <translation>Waveforms</translation>
    </message>
    <message>
        <source>Минимальное напряжение питания</source>
        <translation>Lowest supply voltage</translation>
    </message>
    <message>
        <source>Максимальное напряжение питания</source>
        <translation>Highest supply voltage</translation>
    </message>
    <message>
        <source>Сохранить изображение...</source>
        <translation>Save picture...</translation>
    </message>
    <message>
        <source>Экспорт CSV...</source>
        <translation>Export CSV...</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ошибка!</source>
        <translation>Error!</translation>
    </message>
    <message>
        <source>Не удалось записать файл &quot;%1&quot;.</source>
        <translation>The file &quot;%1&quot; could not be written.</translation>
    </message>
    <message>
        <source>Сохранить изображение</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Изображение PNG (*.png);;Рисунок SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG drawing (*.svg)</translation>
    </message>
    <message>
        <source>Экспорт CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>перезаряд за мертвое время завершается</source>
        <translation>the midpoint swing completes within the dead time</translation>
    </message>
    <message>
        <source>перезаряд не завершается: жесткое переключение</source>
        <translation>the midpoint swing does not complete: hard switching</translation>
    </message>
    <message>
        <source>fTd %1 кГц (%2, ток выпрямителя %3); ток выключения %4 А, %5; ток первичной обмотки %6 А действ., %7 А пик; индукция %8 T. Серые полосы — мертвое время, розовые — перезаряд средней точки; красные линии — выключение транзисторов.</source>
        <translation>fTd %1 kHz (%2, rectifier current %3); turn-off current %4 A, %5; primary current %6 A RMS, %7 A peak; flux density %8 T. Grey bands: dead time; pink: the midpoint swing; red lines: transistor turn-off.</translation>
    </message>
    <message>
        <source>выше резонанса</source>
        <translation>above resonance</translation>
    </message>
    <message>
        <source>ниже резонанса</source>
        <translation>below resonance</translation>
    </message>
    <message>
        <source>непрерывный</source>
        <translation>continuous</translation>
    </message>
    <message>
        <source>прерывистый</source>
        <translation>discontinuous</translation>
    </message>
</context>
<context>
    <name>kelvara::ui::WindingView</name>
    <message>
        <source>Обмотки не уложены на каркас: провод не выбран или виток шире каркаса.</source>
        <translation>The windings are not laid on the bobbin: no wire chosen, or a turn is wider than the bobbin.</translation>
    </message>
</context>
</TS>
