<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>prázdný</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Vyberte barvy</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 až %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>žádná hodnota</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; takto v řadě</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; takto mimo řadu</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3místný kód</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4místný kód</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>písmenný kód</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>kód EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nulový rezistor</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>hodnota v pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prázdné</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>není značení</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>takové číslo EIA-96 není</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>mimo rozsah</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>mimo řadu; nejbližší v %1: %2 a %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>mimo řadu</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Černá</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Hnědá</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation variants="yes">
            <lengthvariant>Oranžová</lengthvariant>
            <lengthvariant>Oranž.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žlutá</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Fialová</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Šedá</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Zlatá</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Stříbrná</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>není barva</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>proužek %1 nemůže být %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: neznámý příkaz</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: neznámá volba</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nepřijímá hodnotu</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 přijímá jednu z hodnot %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 vyžaduje celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 vyžaduje procento větší než 0 a menší než 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>chybí %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: neočekávaný argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: hodnoty, nebo řada či soubor součástek, ne obojí</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: mimo rozsah, od %2 do %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: mimo rozsah, od %2 do méně než %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 je větší než %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: výstup musí být nad 0 a pod vstupem</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: žádná použitelná součástka</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: více než %2 různých hodnot</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: soubor neexistuje</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: čtení není povoleno</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: složka, ne soubor</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nelze přečíst</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: přes %2 MB, příliš velký pro seznam součástek</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 vyžaduje dvě čísla X,Y, každé od %2 do %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1proužkový kód: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kódy: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>nejbližší v %1: %2 (%3) a %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>zapojení: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Uvedeno zvlášť:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nepřečteno:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>řádek %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 vyžaduje číslo od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 vyžaduje LOW..HIGH v °C, každé od %2 do %3, LOW ne nad HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 nebo %2, ne obojí</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: výstup musí být nad referencí %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>nejhorší případ %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>výtěžnost %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Barevný kód rezistorů</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Číslice</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Násobitel</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>bez proužku</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Normalizované hodnoty jedné dekády</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Posun %1 mm, %2 mm; měřítko %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nelze zapsat</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Přečtené hodnoty: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mé součástky</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Jedna či několik hodnot na řádek, např. 4k7 nebo 4,7 k; 1% za hodnotou udává její toleranci, jinak 5 %; # začíná komentář.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Nepřečteno: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>řádek %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 ohmů</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloohmů</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaohmů</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofaradů</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofaradů</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofaradů</translation>
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
        <translation>O programu</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 pro rezistory a kondenzátory</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Volně k používání a šíření.</translation>
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
        <translation>přesně</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>o %1 procenta níže</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>o %1 procenta výše</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>paralelně s</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Hledat hodnoty</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mé součástky</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Součástky:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Upravit &amp;mé součástky...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Zapojení</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>D&amp;ělič</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Hodnota:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>N&amp;ejvýše součástek:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Řada</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Níže</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Výše</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Ne&amp;jbližší normalizované hodnoty:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Zapojení</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Odchylka</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Rozsah tolerance</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Nejlepší zapojení:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Vstupní napětí:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>V&amp;ýstupní napětí:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;od:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;do:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Výstup</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Rozsah výstupu</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Dvojice &amp;rezistorů:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Ukázat proužky</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>příliš mnoho součástek</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>žádné součástky: upravte mé součástky</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: níže %2, %3; výše %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, od %4 do %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Napětí je číslo větší než 0, např. 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 je rozsah hodnot, např. 1k až 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 ze vstupu na výstup, R2 z výstupu na zem.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Výstup musí být nad 0 a pod vstupem.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 V, %4, od %5 do %6 V</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>není rozsah teplot</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>není koeficient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>není tolerance</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, výtěžnost %1 procent, plus minus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;Teplota:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>až</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Koeficient:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>&amp;ppm/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>V mez&amp;ích ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Nejhorší případ</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Výtěžnost</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Prostý dě&amp;lič</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulátor, pin zpětné vazby</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regulátor, pin &amp;adjust</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Proud p&amp;inu, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, v nejhorším případě od %1 do %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Tolerance reference a proud pinu jsou čísla od 0, např. 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 z výstupu na pin, R2 z pinu na zem.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Výstup musí být nad referencí.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, v nejhorším případě od %1 do %2 V</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Štítky</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Hodnoty</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papír</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Zdroj:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Zadané hodnoty</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Řada</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Mé součástky</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Hodnoty:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>Ř&amp;ada:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Od:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Do:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>A&amp;rch:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Proužky:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 a 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Náhled...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tisk...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Uložit jako PD&amp;F...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>žádné hodnoty</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>příliš mnoho hodnot</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Štítky: %1, archy: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Uložit štítky jako PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Soubory PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Začít od štít&amp;ku:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Vodorovný posun</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Po&amp;sun:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Svislý posun</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vodorovné měřítko</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;Měřítko:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Svislé měřítko</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Ka&amp;librační stránka...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Kusovník</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Vybrat kusovník...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Štítky z kusovníku</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Kusovníky (*.csv *.tsv *.txt);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>není vybrán žádný kusovník</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nelze přečíst</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Klikněte na proužek<byte value="xd"/>a vyberte barvu</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Proužek 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Proužek 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Proužek 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Proužek 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerance</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Nastaví počet barevných<byte value="xd"/>proužků na 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Nastaví počet barevných<byte value="xd"/>proužků na 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Zobrazuje hodnotu součástky</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Volba / zobrazení<byte value="xd"/>tolerance součástky</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Zadejte hodnotu součástky</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Vynásobí zadanou hodnotu<byte value="xd"/>číslem 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Vynásobí zadanou hodnotu<byte value="xd"/>číslem 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Vynásobí zadanou<byte value="xd"/>hodnotu číslem 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Zaškrtnuto: zaokrouhlí na nejbližší<byte value="xd"/>hodnotu řady. Nezaškrtnuto:<byte value="xd"/>vždy zaokrouhlí nahoru.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Kliknutím vypočítáte<byte value="xd"/>barevný kód</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Zobrazuje zadanou hodnotu<byte value="xd"/>s příslušným násobitelem</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Odpor</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapacita</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>Součás&amp;tka</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Rezistor</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondenzátor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Zobrazovat tipy</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Barevný kód</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Nakreslená součástka</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Proužek tolerance</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Proužek %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 proužky</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 proužků</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Zadejte hodnotu</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Hodnota součástky</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>zaokr. na nejbližší</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Vypočítat</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Zadaná hodnota s násobitelem</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Chyba při převodu hodnoty součástky</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Hodnota součástky musí být číslo od 1 do 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Značení...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovat</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Hledat hodnoty...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Tisk štítků...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tabulka barevného kódu...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tabulka barevného kódu</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Značení</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Značení</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Proužky</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kód:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Hodnota:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Druh:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Řada:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kódy:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 nebo %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Rozsah:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Obráceně:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Tol.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Žádná</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Vyberte barvu</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>násobitel ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>číslice %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>není hodnota</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>hodnota mimo rozsah</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerance mimo rozsah</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>není text v UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>není rezistor ani kondenzátor</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>rezistorová síť</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimr</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>neosazovat</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>neuzavřené uvozovky</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>méně polí než v záhlaví</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>chybí označení</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>není rozsah označení</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>chybí hodnota</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>množství neodpovídá počtu označení</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: je prázdný</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: není kusovník, žádný řádek neuvádí sloupec Value ani Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>teplotní koeficient mimo rozsah</translation>
    </message>
</context>
</TS>
