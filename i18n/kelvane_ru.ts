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
        <source>not a value</source>
        <translation>не значение</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>цвет %2 недопустим для полосы %1</translation>
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
        <source>Select colors</source>
        <translation>Выберите цвета</translation>
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
</context>
<context>
    <name>TMarkings</name>
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
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>нестандартный; ближайшие из %1: %2 и %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 или %2</translation>
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
</TS>
