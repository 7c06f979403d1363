<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk_SK">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>prázdny</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Vyberte farby</translation>
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
        <translation>žiadna hodnota</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; takto v rade</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; takto mimo radu</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3-miestny kód</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4-miestny kód</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>písmenový kód</translation>
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
        <translation>prázdne</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>nie je značenie</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>také číslo EIA-96 nie je</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>mimo rozsahu</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>mimo radu; najbližšie v %1: %2 a %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>mimo radu</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Čierna</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Hnedá</translation>
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
        <translation>Žltá</translation>
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
        <translation>Sivá</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biela</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Zlatá</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation variants="yes">
            <lengthvariant>Strieborná</lengthvariant>
            <lengthvariant>Striebor.</lengthvariant>
        </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>nie je farba</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>prúžok %1 nemôže byť %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: neznámy príkaz</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: neznáma voľba</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 vyžaduje hodnotu</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 neprijíma hodnotu</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 prijíma jednu z hodnôt %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 vyžaduje celé číslo od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 vyžaduje percento väčšie ako 0 a menšie ako 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>chýba %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: neočakávaný argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: hodnoty, alebo rad či súbor súčiastok, nie oboje</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: mimo rozsahu, od %2 do %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: mimo rozsahu, od %2 do menej ako %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 je väčšie ako %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: výstup musí byť nad 0 a pod vstupom</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: žiadna použiteľná súčiastka</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: viac ako %2 rôznych hodnôt</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: súbor neexistuje</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: čítanie nie je povolené</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: priečinok, nie súbor</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nemožno prečítať</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: nad %2 MB, príliš veľký pre zoznam súčiastok</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 vyžaduje dve čísla X,Y, každé od %2 do %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1-prúžkový kód: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kódy: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>najbližšie v %1: %2 (%3) a %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>zapojenie: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Uvedené osobitne:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Neprečítané:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riadok %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 vyžaduje číslo od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 vyžaduje LOW..HIGH v °C, každé od %2 do %3, LOW nie nad HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 alebo %2, nie oboje</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: výstup musí byť nad referenciou %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>najhorší prípad %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>výťažnosť %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Farebný kód rezistorov</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farba</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Číslica</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Násobiteľ</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>bez prúžku</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Normalizované hodnoty jednej dekády</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Posun %1 mm, %2 mm; mierka %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nemožno zapísať</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Prečítané hodnoty: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moje súčiastky</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Jedna alebo niekoľko hodnôt na riadok, napr. 4k7 alebo 4,7 k; 1% za hodnotou udáva jej toleranciu, inak 5 %; # začína komentár.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Neprečítané: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riadok %1: %2</translation>
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
        <translation>%1 ohmov</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloohmov</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaohmov</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofaradov</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofaradov</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofaradov</translation>
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
        <translation>O programe</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 pre rezistory a kondenzátory</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Voľne na používanie a šírenie.</translation>
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
        <translation>presne</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>o %1 percenta nižšie</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>o %1 percenta vyššie</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>paralelne s</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Hľadať hodnoty</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moje súčiastky</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Súčiastky:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Upraviť &amp;moje súčiastky...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Zapojenia</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>D&amp;elič</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Hodnota:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>N&amp;ajviac súčiastok:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Rad</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Nižšie</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Vyššie</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Na&amp;jbližšie normalizované hodnoty:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Zapojenie</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Hodnota</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Odchýlka</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Rozsah tolerancie</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;Najlepšie zapojenia:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Vstupné napätie:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>V&amp;ýstupné napätie:</translation>
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
        <translation>Dvojice &amp;rezistorov:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovať</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Ukázať prúžky</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>priveľa súčiastok</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>žiadne súčiastky: upravte moje súčiastky</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: nižšie %2, %3; vyššie %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, od %4 do %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Napätie je číslo väčšie ako 0, napr. 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 je rozsah hodnôt, napr. 1k až 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 zo vstupu na výstup, R2 z výstupu na zem.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Výstup musí byť nad 0 a pod vstupom.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 V, %4, od %5 do %6 V</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>nie je rozsah teplôt</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>nie je koeficient</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>nie je tolerancia</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, výťažnosť %1 percent, plus mínus %2</translation>
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
        <translation>V medz&amp;iach ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Najhorší prípad</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Výťažnosť</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Jednoduchý de&amp;lič</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulátor, pin spätnej väzby</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Regul&amp;átor, pin adjust</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Pr&amp;úd pinu, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, v najhoršom prípade od %1 do %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Tolerancia referencie a prúd pinu sú čísla od 0, napr. 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 z výstupu na pin, R2 z pinu na zem.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Výstup musí byť nad referenciou.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, v najhoršom prípade od %1 do %2 V</translation>
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
        <translation>Papier</translation>
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
        <translation>Rad</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moje súčiastky</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Hodnoty:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>R&amp;ad:</translation>
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
        <translation>Há&amp;rok:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Prúžky:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 a 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;Náhľad...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tlačiť...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Uložiť ako PD&amp;F...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>žiadne hodnoty</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>príliš veľa hodnôt</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Štítky: %1, hárky: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Uložiť štítky ako PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Súbory PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Začať od štít&amp;ku:</translation>
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
        <translation>Zvislý posun</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vodorovná mierka</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;Mierka:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Zvislá mierka</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Ka&amp;libračná strana...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Kusovník</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Vybrať kusovník...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Štítky z kusovníka</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Kusovníky (*.csv *.tsv *.txt);;Všetky súbory (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>nie je vybraný žiadny kusovník</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nemožno prečítať</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Kliknite na prúžok<byte value="xd"/>a vyberte farbu</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Prúžok 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Prúžok 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Prúžok 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Prúžok 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Nastaví počet farebných<byte value="xd"/>prúžkov na 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Nastaví počet farebných<byte value="xd"/>prúžkov na 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Zobrazuje hodnotu súčiastky</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Výber / zobrazenie<byte value="xd"/>tolerancie súčiastky</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Zadajte hodnotu súčiastky</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Vynásobí zadanú hodnotu<byte value="xd"/>číslom 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Vynásobí zadanú hodnotu<byte value="xd"/>číslom 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Vynásobí zadanú<byte value="xd"/>hodnotu číslom 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Zaškrtnuté: zaokrúhli na najbližšiu<byte value="xd"/>hodnotu radu. Nezaškrtnuté:<byte value="xd"/>vždy zaokrúhli nahor.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Kliknutím vypočítate<byte value="xd"/>farebný kód</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Zobrazuje zadanú hodnotu<byte value="xd"/>s príslušným násobiteľom</translation>
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
        <translation>&amp;Súbor</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Koniec</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>Súčias&amp;tka</translation>
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
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Zobrazovať tipy</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programe...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Farebný kód</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Nakreslená súčiastka</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Prúžok tolerancie</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Prúžok %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 prúžky</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 prúžkov</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Zadajte hodnotu</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Hodnota súčiastky</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>zaokr. na najbl.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Vypočítať</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Zadaná hodnota s násobiteľom</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Chyba pri prevode hodnoty súčiastky</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Hodnota súčiastky musí byť číslo od 1 do 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Značenie...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopírovať</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Hľadať hodnoty...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Tlačiť štítky...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tabuľka farebného kódu...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tabuľka farebného kódu</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Značenie</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Značenie</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Prúžky</translation>
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
        <translation>Rad:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kódy:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 alebo %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Rozsah:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Obrátene:</translation>
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
        <translation>Žiadna</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Vyberte farbu</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>násobiteľ ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>číslica %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>nie je hodnota</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>hodnota mimo rozsahu</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerancia mimo rozsahu</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>nie je text v UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>nie je rezistor ani kondenzátor</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>rezistorová sieť</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>neosadzovať</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>neuzavreté úvodzovky</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>menej polí ako v hlavičke</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>chýba označenie</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>nie je rozsah označení</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>chýba hodnota</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>množstvo nezodpovedá počtu označení</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: je prázdny</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: nie je kusovník, žiadny riadok neuvádza stĺpec Value ani Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>teplotný koeficient mimo rozsahu</translation>
    </message>
</context>
</TS>
