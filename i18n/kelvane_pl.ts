<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>pusty</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Wybierz kolory</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 i %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>brak wartości</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; w tym kierunku z szeregu</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; w tym kierunku spoza szeregu</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>kod 3-cyfrowy</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>kod 4-cyfrowy</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>kod literowy</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>kod EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>rezystor zerowy</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>wartość w pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>puste</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>to nie oznaczenie</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>nie ma takiego numeru EIA-96</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>poza zakresem</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>spoza szeregu; najbliższe w %1: %2 i %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>spoza szeregu</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Brązowy</translation>
    </message>
    <message>
        <source>Red</source>
        <translation variants="yes">
            <lengthvariant>Czerwony</lengthvariant>
            <lengthvariant>Czerw.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Orange</source>
        <translation variants="yes">
            <lengthvariant>Pomarańczowy</lengthvariant>
            <lengthvariant>Pomar.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation variants="yes">
            <lengthvariant>Fioletowy</lengthvariant>
            <lengthvariant>Fiolet.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Złoty</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrny</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>to nie kolor</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>kolor %2 jest niedozwolony dla paska %1</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: nieznane polecenie</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: nieznana opcja</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 przyjmuje jedną z wartości: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 wymaga liczby całkowitej od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 wymaga wartości procentowej powyżej 0 i poniżej 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>brak %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: nieoczekiwany argument</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: wartości albo szereg lub plik części, nie jedno i drugie</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: poza zakresem, od %2 do %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: poza zakresem, od %2 do poniżej %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 przekracza %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: wyjście musi być powyżej 0 i poniżej wejścia</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: brak części do użycia</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: ponad %2 różnych wartości</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: nie ma takiego pliku</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: brak uprawnień do odczytu</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: to katalog, nie plik</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: ponad %2 MB, za duży na listę części</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 wymaga dwóch liczb X,Y, każdej od %2 do %3</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>kod %1-paskowy: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kody: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>najbliższe w %1: %2 (%3) i %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>układ: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Wymienione osobno:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nieodczytane:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 wymaga liczby od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 wymaga LOW..HIGH w °C, każda od %2 do %3, LOW nie powyżej HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 lub %2, nie jedno i drugie</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: wyjście musi być powyżej napięcia odniesienia %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>najgorszy przypadek %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>uzysk %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Kod barwny rezystorów</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Cyfra</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Mnożnik</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancja</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>bez paska</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Wartości znormalizowane jednej dekady</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Przesunięcie %1 mm, %2 mm; skala %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>nie można zapisać %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Odczytane wartości: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moje części</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Jedna lub kilka wartości w wierszu, np. 4k7 lub 4,7 k; 1% po wartości podaje jej tolerancję, inaczej 5 %; # zaczyna komentarz.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Nieodczytane: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>wiersz %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1 om</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 omów</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloom</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloomów</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaom</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaomów</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofaradów</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofaradów</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofaradów</translation>
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
        <translation>O programie</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 do rezystorów i kondensatorów</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Można swobodnie używać i udostępniać.</translation>
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
        <translation>dokładnie</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 procent poniżej</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 procent powyżej</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>równolegle z</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Szukaj wartości</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moje części</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Części:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;Edytuj moje części...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Układy</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>D&amp;zielnik</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Wartość:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>N&amp;ajwyżej części:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Szereg</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Poniżej</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Powyżej</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Naj&amp;bliższe wartości znormalizowane:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Układ</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Odchyłka</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Zakres tolerancji</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Na&amp;jlepsze układy:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>&amp;Napięcie wejściowe:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>Nap&amp;ięcie wyjściowe:</translation>
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
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Zakres wyjścia</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>Pary &amp;rezystorów:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Pokaż paski</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>za dużo części</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>brak części: edytuj moje części</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: poniżej %2, %3; powyżej %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, od %4 do %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>Napięcie to liczba większa od 0, np. 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 to zakres wartości, np. od 1k do 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 od wejścia do wyjścia, R2 od wyjścia do masy.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>Wyjście musi być powyżej 0 i poniżej wejścia.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 V, %4, od %5 do %6 V</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>to nie zakres temperatur</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>to nie współczynnik</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>to nie tolerancja</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, uzysk %1 procent, plus minus %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;Temperatura:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Współczynnik:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>pp&amp;m/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>W &amp;granicach ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Najgorszy przypadek</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Uzysk</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Zwykły dzie&amp;lnik</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>&amp;Stabilizator, pin sprzężenia</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Stabilizator, pin nastaw&amp;y</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Pr&amp;ąd pinu, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, w najgorszym razie od %1 do %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>Tolerancja odniesienia i prąd pinu to liczby od 0, np. 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 od wyjścia do pinu, R2 od pinu do masy.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>Wyjście musi być powyżej napięcia odniesienia.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, w najgorszym razie od %1 do %2 V</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Etykiety</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Wartości</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>Ź&amp;ródło:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Wpisane wartości</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Szereg</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Moje części</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;Wartości:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Szereg:</translation>
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
        <translation>&amp;Arkusz:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Paski:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 i 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Pod&amp;gląd...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Dr&amp;ukuj...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Zapisz jako PD&amp;F...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>brak wartości</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>za dużo wartości</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Etykiety: %1, arkusze: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Zapisz etykiety jako PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pliki PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Zacznij od &amp;etykiety:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Przesunięcie w poziomie</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>Przesu&amp;nięcie:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Przesunięcie w pionie</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Skala w poziomie</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>S&amp;kala:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Skala w pionie</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Strona ka&amp;libracji...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Wykaz elementów</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>Wykaz ele&amp;mentów...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Etykiety z wykazu elementów</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Wykazy elementów (*.csv *.tsv *.txt);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>nie wybrano wykazu elementów</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Kliknij pasek,<byte value="xd"/>aby wybrać kolor</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Pasek 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Pasek 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Pasek 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Pasek 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancja</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Ustaw liczbę pasków<byte value="xd"/>barwnych na 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Ustaw liczbę pasków<byte value="xd"/>barwnych na 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Pokazuje wartość elementu</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Wybór / wyświetlenie<byte value="xd"/>tolerancji elementu</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Wpisz wartość elementu</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Mnoży wpisaną wartość<byte value="xd"/>przez 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Mnoży wpisaną wartość<byte value="xd"/>przez 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Mnoży wpisaną<byte value="xd"/>wartość przez 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Zaznaczone: zaokrągla do najbliższej<byte value="xd"/>wartości z szeregu. Niezaznaczone:<byte value="xd"/>zawsze zaokrągla w górę.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Kliknij, aby obliczyć<byte value="xd"/>kod barwny</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Pokazuje wpisaną wartość<byte value="xd"/>z właściwym mnożnikiem</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Rezystancja</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Element</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Rezystor</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondensator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Pokazuj podpowiedzi</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Kod barwny</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Narysowany element</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Pasek tolerancji</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Pasek %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 paski</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 pasków</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Wpisz wartość</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Wartość elementu</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>zaokr. do najbl.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Wpisana wartość z mnożnikiem</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Błąd przeliczania wartości elementu</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Wartość elementu musi być liczbą od 1 do 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Oznaczenia...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Szukaj wartości...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Drukuj etykiety...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Tabela kodu barwnego...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Tabela kodu barwnego</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Oznaczenia</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Oznaczenie</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Paski</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kod:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Wartość:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Rodzaj:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Szereg:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kody:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 lub %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Zakres:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Odwrotnie:</translation>
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
        <translation>Brak</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Wybierz kolor</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>mnożnik ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>cyfra %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>to nie wartość</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>wartość poza zakresem</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tolerancja poza zakresem</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>to nie tekst UTF-8</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>to nie rezystor ani kondensator</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>sieć rezystorowa</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trymer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>nie montować</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>niezamknięty cudzysłów</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>mniej pól niż w nagłówku</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>brak oznaczenia</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>to nie zakres oznaczeń</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>brak wartości</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>ilość niezgodna z liczbą oznaczeń</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: plik jest pusty</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: to nie wykaz elementów, żaden wiersz nie nazywa kolumny Value ani Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>współczynnik temperaturowy poza zakresem</translation>
    </message>
</context>
</TS>
