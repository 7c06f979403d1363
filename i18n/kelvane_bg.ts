<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg_BG">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>празно</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Изберете цветове</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 до %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>няма номинал</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; в тази посока е стандартен</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; в тази посока е нестандартен</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-цифрен код</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-цифрен код</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>буквен код</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>код EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>нулев резистор</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>номинал в pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>празно</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>не е маркировка</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>няма такъв номер EIA-96</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>извън обхвата</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>нестандартен; най-близки от %1: %2 и %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>нестандартен</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Черен</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Кафяв</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Червен</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Оранжев</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Жълт</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелен</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Син</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation variants="yes">
            <lengthvariant>Виолетов</lengthvariant>
            <lengthvariant>Виолет.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Сив</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Бял</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Злато</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Сребро</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>не е цвят</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>ивица %1 не може да бъде %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: няма такава команда</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: няма такава опция</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 изисква стойност</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 не приема стойност</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 приема една от стойностите: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 изисква цяло число от %2 до %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 изисква процент над 0 и под 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>липсва %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: неочакван аргумент</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: стойности или серия, или файл с части, но не и двете</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: извън обхвата, от %2 до %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: извън обхвата, от %2 до под %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 е над %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: изходът трябва да е над 0 и под входа</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: няма части за използване</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: повече от %2 различни стойности</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: няма такъв файл</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: няма права за четене</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: папка, а не файл</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 не може да бъде прочетен</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: над %2 MB, твърде голям за списък с части</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 изисква две числа X,Y, всяко от %2 до %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 ивици: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>кодове: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>най-близки от %1: %2 (%3) и %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>верига: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Изброени отделно:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Непрочетени:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ред %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 изисква число от %2 до %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 изисква LOW..HIGH в °C, всяко от %2 до %3, LOW не над HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 или %2, но не и двете</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: изходът трябва да е над опорното напрежение %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>в най-лошия случай %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>добив %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Цветен код на резистори</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвят</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Цифра</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Множител</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Толеранс</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>без пръстен</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Стандартни стойности за една декада</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Отместване %1 mm, %2 mm; мащаб %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 не може да бъде записан</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Прочетени стойности: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Моите части</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Една или няколко стойности на ред, например 4k7 или 4,7 k; 1% след стойност дава допуска ѝ, иначе 5 %; # започва коментар.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Непрочетени: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ред %1: %2</translation>
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
        <translation>%1 ома</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 килоом</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 килоома</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 мегаом</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 мегаома</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 пикофарад</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 пикофарада</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 нанофарад</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 нанофарада</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 микрофарад</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 микрофарада</translation>
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
        <translation>Относно</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 за резистори и кондензатори</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Свободно за ползване и споделяне.</translation>
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
        <translation>с %1 процента под</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>с %1 процента над</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>успоредно с</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Търсене на стойности</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Моите части</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Части:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Промяна на &amp;моите части...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Вериги</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>Д&amp;елител</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Стойност:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>&amp;Най-много части:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Ред</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Под</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Над</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Най-&amp;близки стандартни стойности:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Верига</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Стойност</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Отклонение</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Обхват на допуска</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Н&amp;ай-добри вериги:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>В&amp;ходно напрежение:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Изходно напрежение:</translation>
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
        <translation>Изход</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Обхват на изхода</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Двойки &amp;резистори:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копиране</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Показване на ивиците</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>твърде много части</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>няма части: променете моите части</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: под %2, %3; над %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, от %4 до %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Напрежението е число над 0, например 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 е обхват от стойности, например от 1k до 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 от входа към изхода, R2 от изхода към маса.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Изходът трябва да е над 0 и под входа.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 V, %4, от %5 до %6 V</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>не е температурен обхват</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>не е коефициент</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>не е допуск</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, добив %1 процента, плюс-минус %2</translation>
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
        <translation>Коефициент:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>На&amp;й-много ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Най-лош случай</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Добив</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Обикновен де&amp;лител</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Ре&amp;гулатор, извод за обратна връзка</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Рег&amp;улатор, извод за настройка</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Ток на и&amp;звода, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, в най-лошия случай от %1 до %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Допускът на опорното напрежение и токът на извода са числа от 0, например 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 от изхода към извода, R2 от извода към маса.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Изходът трябва да е над опорното напрежение.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, в най-лошия случай от %1 до %2 V</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Етикети</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Стойности</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Хартия</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Източник:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Въведени стойности</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Серия</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Моите части</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Стойности:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>С&amp;ерия:</translation>
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
        <translation>&amp;Лист:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Пръстени:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 и 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>П&amp;реглед...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Пе&amp;чат...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Запис като &amp;PDF...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>няма стойности</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>твърде много стойности</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Етикети: %1, листове: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Запис на етикетите като PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF файлове (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Начален е&amp;тикет:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Хоризонтално отместване</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>От&amp;местване:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Вертикално отместване</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Хоризонтален мащаб</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>М&amp;ащаб:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Вертикален мащаб</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Страница за &amp;калибриране...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Списък материали</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Файл на списъка...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Етикети от списък на материалите</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Списъци на материалите (*.csv *.tsv *.txt);;Всички файлове (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>не е избран списък на материалите</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 не може да бъде прочетен</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Щракнете върху ивица,<byte value="xd"/>за да изберете цвят</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Ивица 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Ивица 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Ивица 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Ивица 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Толеранс</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Маркировка<byte value="xd"/>с 4 ивици</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Маркировка<byte value="xd"/>с 5 ивици</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Показва номинала на компонента</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Избор / показване на<byte value="xd"/>толеранса на компонента</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Въведете номинала на компонента</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Умножаване на въведената<byte value="xd"/>стойност по 1 M (1 000 000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Умножаване на въведената<byte value="xd"/>стойност по 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Умножаване на въведената<byte value="xd"/>стойност по 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Отметнато: закръгляне до най-близкия<byte value="xd"/>стандартен номинал. Без отметка:<byte value="xd"/>винаги закръгляне нагоре.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Щракнете, за да изчислите<byte value="xd"/>цветния код</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Показва въведената<byte value="xd"/>стойност с множителя</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Съпротивление</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Капацитет</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Изход</translation>
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
        <translation>&amp;Кондензатор</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Помощ</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Показване на подсказки</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Относно...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Цветен код</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Нарисуван компонент</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Ивица за толеранс</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Ивица %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 ивици</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 ивици</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Въвеждане на номинал</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Номинал на компонента</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>до най-близкия</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Изчисли</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Въведена стойност с множител</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Грешка при преобразуване на номинала</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Номиналът трябва да е число между 1 и 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Маркировки...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копиране</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Търсене на стойности...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Печат на етикети...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Таблица на цветния код...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Таблица на цветния код</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Маркировки</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Маркировка</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Ивици</translation>
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
        <translation>Вид:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Ред:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Кодове:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Обхват:</translation>
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
        <translation>Тол.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Няма</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Избор на цвят</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>множител ×%1</translation>
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
        <translation>не е стойност</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>стойност извън обхвата</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>толеранс извън обхвата</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>не е текст в UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>не е резистор или кондензатор</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>резисторна матрица</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>тример</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>не се монтира</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>незатворени кавички</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>по-малко полета от заглавния ред</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>няма означение</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>не е диапазон от означения</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>няма стойност</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>количеството не съответства на означенията</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: празен файл</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: не е списък на материалите, няма ред с колона Value или Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>температурен коефициент извън обхвата</translation>
    </message>
</context>
</TS>
