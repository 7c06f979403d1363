<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>tukša</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Izvēlieties krāsas</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>no %1 līdz %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 un %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nav vērtības</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; šajā virzienā ir rindā</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; šajā virzienā nav rindā</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3 ciparu kods</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4 ciparu kods</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>burtu kods</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96 kods, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nulles omu rezistors</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>vērtība pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>tukšs</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>nav marķējums</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>nav tāda EIA-96 numura</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>ārpus diapazona</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>nav rindā; tuvākās %1: %2 un %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>nav rindā</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Melna</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brūna</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Sarkana</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Oranža</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Dzeltena</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zaļa</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Zila</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Violeta</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Pelēka</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Balta</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Zelta</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Sudraba</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>nav krāsa</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>josla %1 nevar būt %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: nav tādas komandas</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: nav tādas opcijas</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 prasa vērtību</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nepieņem vērtību</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 pieņem vienu no vērtībām: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 prasa veselu skaitli no %2 līdz %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 prasa procentus virs 0 un zem 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>trūkst %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: negaidīts arguments</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: vai nu vērtības, vai rinda vai detaļu fails, ne abi kopā</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: ārpus diapazona, no %2 līdz %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: ārpus diapazona, vismaz %2 un zem %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 ir virs %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: izejai jābūt virs 0 un zem ieejas</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: nav lietojamu detaļu</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: vairāk nekā %2 dažādu vērtību</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: nav tāda faila</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: nav atļaujas to lasīt</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: mape, nevis fails</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nevar nolasīt</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: virs %2 MB, pārāk liels detaļu sarakstam</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 prasa divus skaitļus X,Y, katru no %2 līdz %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 joslas: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kodi: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>tuvākās %1: %2 (%3) un %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>slēgums: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Uzskaitīts atsevišķi:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nenolasīts:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rinda %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 prasa skaitli no %2 līdz %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 prasa LOW..HIGH °C, katru no %2 līdz %3, LOW ne virs HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 vai %2, ne abi kopā</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: izejai jābūt virs references %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>sliktākajā gadījumā %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>iznākums %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Rezistoru krāsu kods</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Krāsa</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Cipars</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Reizinātājs</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Pielaide</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>bez joslas</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Vienas dekādes standartvērtības</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Nobīde %1 mm, %2 mm; mērogs %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nevar ierakstīt</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Nolasītās vērtības: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Manas detaļas</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Viena vai dažas vērtības rindā, piemēram, 4k7 vai 4,7 k; 1% pēc vērtības dod tās pielaidi, citādi 5 %; # sāk komentāru.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Nenolasīts: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>rinda %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 oms</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 omi</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kilooms</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloomi</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaoms</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaomi</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofarads</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofaradi</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarads</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofaradi</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofarads</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofaradi</translation>
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
        <translation>Par programmu</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 rezistoriem un kondensatoriem</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Brīvi lietojama un izplatāma.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Labi</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>precīzi</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>par %1 procentiem zemāk</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>par %1 procentiem augstāk</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>paralēli ar</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Meklēt vērtības</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Manas detaļas</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Detaļas:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Labot &amp;manas detaļas...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Slēgumi</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>D&amp;alītājs</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Vērtība:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>N&amp;e vairāk detaļu:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Rinda</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Zemāk</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Augstāk</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>&amp;Tuvākās standarta vērtības:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Slēgums</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Vērtība</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Novirze</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Pielaides diapazons</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>La&amp;bākie slēgumi:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Ieejas spriegums:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>I&amp;zejas spriegums:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;no:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;līdz:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Izeja</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Izejas diapazons</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>&amp;Rezistoru pāri:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopēt</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>Rādīt &amp;joslas</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>pārāk daudz detaļu</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>nav detaļu: labojiet manas detaļas</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: zemāk %2, %3; augstāk %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, no %4 līdz %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Spriegums ir skaitlis virs 0, piemēram, 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 ir vērtību diapazons, piemēram, no 1k līdz 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 no ieejas uz izeju, R2 no izejas uz zemi.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Izejai jābūt virs 0 un zem ieejas.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 V, %4, no %5 līdz %6 V</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>nav temperatūras diapazons</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>nav koeficients</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>nav pielaide</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, iznākums %1 procenti, plus mīnus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Temperat&amp;ūra:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>līdz</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Koeficients:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>&amp;ppm/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>R&amp;obežās ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Sliktākais gadījums</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Iznākums</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Vienkāršs dal&amp;ītājs</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Re&amp;gulators, atgriezeniskās saites izvads</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Reg&amp;ulators, pielāgošanas izvads</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Izvada str&amp;āva, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, sliktākajā gadījumā no %1 līdz %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>References pielaide un izvada strāva ir skaitļi no 0, piemēram, 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 no izejas uz izvadu, R2 no izvada uz zemi.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Izejai jābūt virs references.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, sliktākajā gadījumā no %1 līdz %2 V</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Uzlīmes</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Vērtības</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papīrs</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Avots:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Ievadītās vērtības</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Rinda</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Manas detaļas</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Vērtības:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Rinda:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;No:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;Līdz:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>La&amp;pa:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Joslas:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 un 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Priekš&amp;skatīt...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukāt...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Saglabāt PD&amp;F...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>nav vērtību</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>pārāk daudz vērtību</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Uzlīmes: %1, lapas: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Saglabāt uzlīmes kā PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF faili (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Sākt no &amp;uzlīmes:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Horizontālā nobīde</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>N&amp;obīde:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Vertikālā nobīde</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Horizontālais mērogs</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;Mērogs:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Vertikālais mērogs</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>&amp;Kalibrēšanas lapa...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Materiālu saraksts</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Ma&amp;teriālu saraksts...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Uzlīmes no materiālu saraksta</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Materiālu saraksti (*.csv *.tsv *.txt);;Visi faili (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>nav izvēlēts materiālu saraksts</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nevar nolasīt</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Noklikšķiniet uz joslas,<byte value="xd"/>lai izvēlētos krāsu</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Josla 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Josla 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Josla 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Josla 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Pielaide</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Iestata 4 krāsu<byte value="xd"/>joslas</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Iestata 5 krāsu<byte value="xd"/>joslas</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Rāda komponenta vērtību</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Izvēlas / rāda<byte value="xd"/>komponenta pielaidi</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Ievadiet komponenta vērtību</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Reizina ievadīto vērtību<byte value="xd"/>ar 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Reizina ievadīto vērtību<byte value="xd"/>ar 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Reizina ievadīto<byte value="xd"/>vērtību ar 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Atzīmēts: noapaļo līdz tuvākajai<byte value="xd"/>rindas vērtībai. Neatzīmēts:<byte value="xd"/>vienmēr noapaļo uz augšu.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Noklikšķiniet, lai<byte value="xd"/>aprēķinātu krāsu kodu</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Rāda ievadīto vērtību<byte value="xd"/>ar atbilstošo reizinātāju</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Pretestība</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapacitāte</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fails</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Iziet</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponents</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Rezistors</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondensators</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Palīdzība</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Rādīt padomus</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Par programmu...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Krāsu kods</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Uzzīmētais komponents</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Pielaides josla</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Josla %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 joslas</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 joslas</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Ievadiet vērtību</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Komponenta vērtība</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>noapaļ. uz tuvāko</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Aprēķināt</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Ievadītā vērtība ar reizinātāju</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Kļūda, pārvēršot komponenta vērtību</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Komponenta vērtībai jābūt skaitlim no 1 līdz 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Marķējums...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopēt</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>Meklēt &amp;vērtības...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Drukāt uzlīmes...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>Krāsu koda &amp;tabula...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Krāsu koda tabula</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Marķējums</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Marķējums</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Joslas</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kods:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Vērtība:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Veids:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Rinda:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kodi:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 vai %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Diapazons:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Otrādi:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Pielaide</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nav</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Izvēlieties krāsu</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>reizinātājs ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>cipars %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>nav vērtība</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>vērtība ārpus diapazona</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>pielaide ārpus diapazona</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>nav UTF-8 teksts</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>nav ne rezistors, ne kondensators</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>rezistoru masīvs</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimeris</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>nemontēt</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>neaizvērtas pēdiņas</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>mazāk lauku nekā galvenē</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>nav apzīmējuma</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>nav apzīmējumu diapazons</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nav vērtības</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>daudzums neatbilst apzīmējumu skaitam</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: tukšs</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: nav materiālu saraksts, neviena rinda nenosauc kolonnu Value vai Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>temperatūras koeficients ārpus diapazona</translation>
    </message>
</context>
</TS>
