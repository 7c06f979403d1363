<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Выберите цвета</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>от %1 до %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>нет номинала</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; в этом направлении стандартный</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; в этом направлении нестандартный</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-значный код</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-значный код</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>буквенный код</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>код EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>перемычка 0 Ом</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>номинал в pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>пусто</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>не маркировка</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>нет такого номера EIA-96</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>вне диапазона</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>нестандартный; ближайшие из %1: %2 и %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>нестандартный</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Чёрный</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation variants="yes">
            <lengthvariant>Коричневый</lengthvariant>
            <lengthvariant>Коричн.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation variants="yes">
            <lengthvariant>Оранжевый</lengthvariant>
            <lengthvariant>Оранж.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жёлтый</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation variants="yes">
            <lengthvariant>Фиолетовый</lengthvariant>
            <lengthvariant>Фиолет.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Серый</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белый</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотой</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation variants="yes">
            <lengthvariant>Серебряный</lengthvariant>
            <lengthvariant>Серебр.</lengthvariant>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>не цвет</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>цвет %2 недопустим для полосы %1</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: неизвестная команда</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: неизвестный параметр</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 требует значения</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не принимает значения</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 принимает одно из значений: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 принимает целое число от %2 до %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 принимает процент больше 0 и меньше 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>отсутствует %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: лишний аргумент</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: либо значения, либо ряд или файл деталей, не вместе</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: вне диапазона, от %2 до %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: вне диапазона, не менее %2 и меньше %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 больше %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: выход должен быть больше 0 и меньше входа</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: нет подходящих деталей</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: более %2 различных значений</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: нет такого файла</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: нет прав на чтение</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: это папка, а не файл</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: более %2 MB, слишком большой для списка деталей</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 принимает два числа X,Y, каждое от %2 до %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1-полосная маркировка: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>коды: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>ближайшие из %1: %2 (%3) и %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>цепь: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Перечислены отдельно:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Не прочитано:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 принимает число от %2 до %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 принимает LOW..HIGH в °C, каждое от %2 до %3, LOW не выше HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 или %2, не вместе</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: выход должен быть выше опорного напряжения %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>в худшем случае %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>выход годных %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Цветовая маркировка резисторов</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Цифра</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Множитель</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>без полосы</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Стандартные номиналы одной декады</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Смещение %1 mm, %2 mm; масштаб %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>не удаётся записать %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Прочитано значений: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Мои детали</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Одно или несколько значений в строке, например 4k7 или 4,7 k; 1% после значения задаёт его допуск, иначе 5 %; # начинает комментарий.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Не прочитано: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>строка %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ом</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ом</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 килоом</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 килоом</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 мегаом</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 мегаом</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 пикофарад</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 пикофарад</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 нанофарад</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 нанофарад</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 микрофарад</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 микрофарад</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <comment>decimal point</comment>
        <translation>%1,%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 для резисторов и конденсаторов</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Свободно использовать и распространять.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>точно</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>на %1 процента ниже</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>на %1 процента выше</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>параллельно с</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Подбор номиналов</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Мои детали</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>Д&amp;етали:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;Изменить мои детали...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Цепи</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>Де&amp;литель</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Номинал:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>Деталей не &amp;более:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Ряд</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Ниже</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Выше</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Ближайшие &amp;стандартные номиналы:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Цепь</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Отклонение</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Диапазон допуска</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Л&amp;учшие цепи:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Входное напряжение:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>В&amp;ыходное напряжение:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;от:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;до:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Диапазон выхода</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Пары &amp;резисторов:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Показать полосы</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>слишком много деталей</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>нет деталей: измените мои детали</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: ниже %2, %3; выше %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, от %4 до %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Напряжение — число больше 0, например 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 — диапазон значений, например от 1k до 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 от входа к выходу, R2 от выхода к земле.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Выход должен быть больше 0 и меньше входа.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 В, %4, от %5 до %6 В</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>не диапазон температур</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>не коэффициент</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>не допуск</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, выход годных %1 процента, плюс-минус %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;Температура:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Коэффициент:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>В предел&amp;ах ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Худший случай</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Выход годных</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Просто&amp;й делитель</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Стабили&amp;затор, вывод обратной связи</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Стабилизатор, вывод ре&amp;гулировки</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Ток вывода, µ&amp;A:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, в худшем случае от %1 до %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Допуск опорного напряжения и ток вывода — числа от 0, например 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 от выхода к выводу, R2 от вывода к земле.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Выход должен быть выше опорного напряжения.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, в худшем случае от %1 до %2 В</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Этикетки</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Номиналы</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Бумага</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Источник:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Введённые номиналы</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Ряд</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Мои детали</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Номиналы:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Ряд:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;От:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;До:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Ли&amp;ст:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>По&amp;лосы:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 и 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Предпросмотр...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Пе&amp;чать...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Сохранить в P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>нет номиналов</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>слишком много номиналов</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Этикеток: %1, листов: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Сохранить этикетки в PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Начать с &amp;этикетки:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Смещение по горизонтали</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>С&amp;мещение:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Смещение по вертикали</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Масштаб по горизонтали</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>М&amp;асштаб:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Масштаб по вертикали</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Страница &amp;калибровки...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Перечень</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Файл перечня...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Этикетки из перечня элементов</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Перечни элементов (*.csv *.tsv *.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>перечень элементов не выбран</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Щёлкните по полосе,<byte value="xd"/>чтобы выбрать цвет</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Полоса 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Полоса 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Полоса 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Полоса 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Маркировка<byte value="xd"/>из 4 полос</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Маркировка<byte value="xd"/>из 5 полос</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Показывает номинал компонента</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Выбор / показ<byte value="xd"/>допуска компонента</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Введите номинал компонента</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Умножить введённое значение<byte value="xd"/>на 1 M (1 000 000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Умножить введённое значение<byte value="xd"/>на 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Умножить введённое<byte value="xd"/>значение на 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Включено: округлять до ближайшего<byte value="xd"/>стандартного номинала. Выключено:<byte value="xd"/>всегда округлять вверх.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Нажмите, чтобы рассчитать<byte value="xd"/>цветовую маркировку</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Показывает введённое<byte value="xd"/>значение с множителем</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Сопротивление</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Компонент</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Резистор</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Конденсатор</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Показывать подсказки</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Цветовая маркировка</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Нарисованный компонент</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Полоса допуска</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Полоса %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 полосы</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 полос</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Ввод номинала</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Номинал компонента</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>округл. до ближ.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Введённое значение с множителем</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Ошибка преобразования номинала</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Номинал должен быть числом от 1 до 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Маркировка...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Подбор номиналов...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Печать этикеток...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Таблица цветовой маркировки...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Таблица цветовой маркировки</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Маркировка</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Маркировка</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Полосы</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Код:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Номинал:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Тип:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Ряд:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Коды:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Диапазон:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Обратно:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Доп.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Выбор цвета</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>множитель ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>цифра %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>не значение</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>значение вне диапазона</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>допуск вне диапазона</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>не текст в UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>не резистор и не конденсатор</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>резисторная сборка</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>подстроечный элемент</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>не устанавливать</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>незакрытая кавычка</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>полей меньше, чем в заголовке</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>нет обозначения</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>не диапазон обозначений</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>нет номинала</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>количество не совпадает с числом обозначений</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: файл пуст</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: не перечень элементов, ни одна строка не называет столбец Value или Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>температурный коэффициент вне диапазона</translation>
    </message>
</context>
</TS>
