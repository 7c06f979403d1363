<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk_UA">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Виберіть кольори</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>від %1 до %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 і %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>немає номіналу</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; у цьому напрямку стандартний</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; у цьому напрямку нестандартний</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-значний код</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-значний код</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>літерний код</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>код EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>перемичка 0 Ом</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>номінал у pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>порожньо</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>не маркування</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>немає такого номера EIA-96</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>поза діапазоном</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>нестандартний; найближчі з %1: %2 і %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>нестандартний</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Чорний</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation variants="yes">
            <lengthvariant>Коричневий</lengthvariant>
            <lengthvariant>Коричн.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Red</source>
        <translation variants="yes">
            <lengthvariant>Червоний</lengthvariant>
            <lengthvariant>Червон.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Orange</source>
        <translation variants="yes">
            <lengthvariant>Оранжевий</lengthvariant>
            <lengthvariant>Оранж.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жовтий</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелений</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синій</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation variants="yes">
            <lengthvariant>Фіолетовий</lengthvariant>
            <lengthvariant>Фіолет.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сірий</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Білий</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Золотий</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Срібний</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>не колір</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>колір %2 неприпустимий для смуги %1</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: невідома команда</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: невідомий параметр</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 потребує значення</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не приймає значення</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 приймає одне зі значень: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 приймає ціле число від %2 до %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 приймає відсоток більше 0 і менше 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>бракує %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: зайвий аргумент</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: або значення, або ряд чи файл деталей, не разом</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: поза діапазоном, від %2 до %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: поза діапазоном, не менше %2 і менше %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 більше за %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: вихід має бути більше 0 і менше входу</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: немає придатних деталей</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: понад %2 різних значень</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: немає такого файлу</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: немає прав на читання</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: це тека, а не файл</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не вдається прочитати %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: понад %2 MB, завеликий для списку деталей</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 приймає два числа X,Y, кожне від %2 до %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1-смугове маркування: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>коди: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>найближчі з %1: %2 (%3) і %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>коло: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Перелічені окремо:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Не прочитано:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>рядок %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 приймає число від %2 до %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 приймає LOW..HIGH у °C, кожне від %2 до %3, LOW не вище HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 або %2, не разом</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: вихід має бути вище опорної напруги %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>у найгіршому разі %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>вихід придатних %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Кольорове маркування резисторів</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Колір</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Цифра</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Множник</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>без смуги</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Стандартні номінали однієї декади</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Зсув %1 mm, %2 mm; масштаб %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>не вдається записати %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Прочитано значень: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Мої деталі</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Одне чи кілька значень у рядку, наприклад 4k7 або 4,7 k; 1% після значення задає його допуск, інакше 5 %; # починає коментар.</translation>
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
        <translation>рядок %1: %2</translation>
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
        <translation>%1 омів</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 кілоом</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 кілоомів</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 мегаом</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 мегаомів</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 пікофарад</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 пікофарад</translation>
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
        <translation>%1 мікрофарад</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 мікрофарад</translation>
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
        <translation>Про програму</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 для резисторів і конденсаторів</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Вільне використання та поширення.</translation>
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
        <translation>на %1 відсотка нижче</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>на %1 відсотка вище</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>паралельно з</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Підбір номіналів</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Мої деталі</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>Д&amp;еталі:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;Змінити мої деталі...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Кола</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Подільник</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Номінал:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>Деталей не &amp;більше:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Ряд</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Нижче</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Вище</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>На&amp;йближчі стандартні номінали:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Коло</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значення</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Відхилення</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Діапазон допуску</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Н&amp;айкращі кола:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>В&amp;хідна напруга:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>В&amp;ихідна напруга:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;від:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;до:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Діапазон виходу</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Пари &amp;резисторів:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>К&amp;опіювати</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Показати &amp;смуги</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>забагато деталей</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>немає деталей: змініть мої деталі</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: нижче %2, %3; вище %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, від %4 до %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Напруга — число більше 0, наприклад 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 — діапазон значень, наприклад від 1k до 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 від входу до виходу, R2 від виходу до землі.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Вихід має бути більше 0 і менше входу.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 В, %4, від %5 до %6 В</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>не діапазон температур</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>не коефіцієнт</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>не допуск</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, вихід придатних %1 відсотка, плюс-мінус %2</translation>
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
        <translation>Коефіцієнт:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>&amp;У межах ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Найгірший випадок</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Вихід придатних</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Простий под&amp;ільник</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Стабі&amp;лізатор, вивід зворотного зв&apos;язку</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Стабілізатор, вивід підстро&amp;ювання</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Стру&amp;м виводу, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, у найгіршому разі від %1 до %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Допуск опорної напруги і струм виводу — числа від 0, наприклад 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 від виходу до виводу, R2 від виводу до землі.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Вихід має бути вище опорної напруги.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, у найгіршому разі від %1 до %2 В</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Етикетки</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Номінали</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Папір</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Джерело:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Введені номінали</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Ряд</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Мої деталі</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Номінали:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Ряд:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Від:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>Д&amp;о:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;Аркуш:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Смуги:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 і 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Перегляд...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Дру&amp;к...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Зберегти як P&amp;DF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>немає номіналів</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>забагато номіналів</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Етикеток: %1, аркушів: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Зберегти етикетки як PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файли PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Почати з &amp;етикетки:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Зсув по горизонталі</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>&amp;Зсув:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Зсув по вертикалі</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Масштаб по горизонталі</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;Масштаб:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Масштаб по вертикалі</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Сторінка ка&amp;лібрування...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Перелік елементів</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Файл переліку...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Етикетки з переліку елементів</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Переліки елементів (*.csv *.tsv *.txt);;Усі файли (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>перелік елементів не вибрано</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>не вдається прочитати %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Клацніть на смугу,<byte value="xd"/>щоб вибрати колір</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Смуга 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Смуга 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Смуга 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Смуга 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Допуск</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Маркування<byte value="xd"/>з 4 смуг</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Маркування<byte value="xd"/>з 5 смуг</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Показує номінал компонента</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Вибір / показ<byte value="xd"/>допуску компонента</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Введіть номінал компонента</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Помножити введене значення<byte value="xd"/>на 1 M (1 000 000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Помножити введене значення<byte value="xd"/>на 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Помножити введене<byte value="xd"/>значення на 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Увімкнено: округлювати до найближчого<byte value="xd"/>стандартного номіналу. Вимкнено:<byte value="xd"/>завжди округлювати вгору.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Натисніть, щоб розрахувати<byte value="xd"/>кольорове маркування</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Показує введене<byte value="xd"/>значення з множником</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Опір</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Ємність</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
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
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Відображати підказки</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Про програму...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Кольорове маркування</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Намальований компонент</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Смуга допуску</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Смуга %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 смуги</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 смуг</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Введення номіналу</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Номінал компонента</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>округл. до найбл.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Розрахувати</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Введене значення з множником</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Помилка перетворення номіналу</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Номінал має бути числом від 1 до 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Маркування...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копіювати</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Підбір номіналів...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Друк етикеток...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Таблиця кольорового маркування...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Таблиця кольорового маркування</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Маркування</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Маркування</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Смуги</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Код:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Номінал:</translation>
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
        <translation>Коди:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 або %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Діапазон:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Навпаки:</translation>
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
        <translation>Немає</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Вибір кольору</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>множник ×%1</translation>
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
        <translation>не значення</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>значення поза діапазоном</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>допуск поза діапазоном</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>не текст у UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>не резистор і не конденсатор</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>резисторна збірка</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>підстроювальний елемент</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>не встановлювати</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>незакрита лапка</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>полів менше, ніж у заголовку</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>немає позначення</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>не діапазон позначень</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>немає номіналу</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>кількість не збігається з числом позначень</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: файл порожній</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: не перелік елементів, жоден рядок не називає стовпець Value або Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>температурний коефіцієнт поза діапазоном</translation>
    </message>
</context>
</TS>
