<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>üres</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>Válasszon színeket</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 és %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nincs érték</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; így olvasva szabványos</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; így olvasva nem szabványos</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3 jegyű kód</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4 jegyű kód</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>betűkód</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96 kód, 1%</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>0 ohmos átkötő</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>érték pF-ban</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>üres</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>nem jelölés</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>nincs ilyen EIA-96 szám</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>tartományon kívül</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>nem szabványos; legközelebbi %1: %2 és %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>nem szabványos</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Fekete</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Barna</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Piros</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Narancs</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Sárga</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zöld</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Kék</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>Ibolya</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Szürke</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Fehér</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Arany</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Ezüst</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>nem szín</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>%1. gyűrű nem lehet %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: nincs ilyen parancs</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: nincs ilyen kapcsoló</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 értéket vár</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nem vár értéket</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 ezek egyikét várja: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 egész számot vár %2 és %3 között</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 százalékot vár, 0 fölött és 100 alatt</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>hiányzik: %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: váratlan argumentum</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: vagy értékek, vagy sorozat vagy alkatrészfájl, nem mindkettő</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: tartományon kívül, érvényes: %2 – %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: tartományon kívül, érvényes: legalább %2, de %3 alatt</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 nagyobb, mint %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: a kimenet 0 fölött és a bemenet alatt legyen</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: nincs használható alkatrész</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: több mint %2 különböző érték</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: nincs ilyen fájl</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: nincs olvasási jogosultság</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: mappa, nem fájl</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nem olvasható</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: több mint %2 MB, túl nagy alkatrészlistának</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 két számot vár X,Y alakban, mindkettőt %2 és %3 között</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 gyűrű: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>kódok: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>legközelebbi %1: %2 (%3) és %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>hálózat: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>Külön felsorolva:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>Nem olvasható:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1. sor: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 számot vár %2 és %3 között</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 LOW..HIGH értéket vár °C-ban, mindkettőt %2 és %3 között, LOW nem nagyobb HIGH-nál</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 vagy %2, nem mindkettő</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: a kimenetnek a referencia (%2) fölött kell lennie</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>legrosszabb esetben %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>kihozatal %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>Ellenállások színkódja</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Szín</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>Számjegy</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>Szorzó</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tűrés</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>nincs gyűrű</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>Egy dekád szabványos értékei</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>Eltolás %1 mm, %2 mm; méretezés %3 %, %4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nem írható</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>Beolvasott értékek: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Saját alkatrészek</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>Soronként egy vagy néhány érték, például 4k7 vagy 4,7 k; az érték utáni 1% a tűrése, különben 5 %; a # megjegyzést kezd.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>Nem olvasható: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1. sor: %2</translation>
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
        <translation>%1 ohm</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloohm</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kiloohm</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaohm</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaohm</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofarad</translation>
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
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 ellenállásokhoz és kondenzátorokhoz</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Szabadon használható és terjeszthető.</translation>
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
        <translation>pontos</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 százalékkal alatta</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 százalékkal felette</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plusz</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>párhuzamosan</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>Értékek keresése</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Saját alkatrészek</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;Alkatrészek:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>Sa&amp;ját alkatrészek szerkesztése...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>&amp;Hálózatok</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>&amp;Osztó</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Érték:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>Le&amp;gfeljebb alkatrész:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>Sor</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>Alatta</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>Felette</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>Legk&amp;özelebbi szabványos értékek:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Hálózat</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Érték</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>Eltérés</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>Tűréstartomány</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>Legjo&amp;bb hálózatok:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>Bemeneti &amp;feszültség:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>&amp;Kimeneti feszültség:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 e&amp;ttől:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;eddig:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Kimenet</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>Kimeneti tartomány</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>E&amp;llenálláspárok:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Másolás</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>&amp;Sávok mutatása</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>túl sok alkatrész</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>nincs alkatrész: szerkessze a saját alkatrészeket</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: alatta %2, %3; felette %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, %4 és %5 között</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>A feszültség 0-nál nagyobb szám, például 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 egy értéktartomány, például 1k és 1M között.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 a bemenettől a kimenetig, R2 a kimenettől a földig.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>A kimenet 0 fölött és a bemenet alatt legyen.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 V, %4, %5 és %6 V között</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>nem hőmérséklet-tartomány</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>nem együttható</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>nem tűrés</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, kihozatal %1 százalék, plusz-mínusz %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>Hőmé&amp;rséklet:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>–</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>Együttható:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>&amp;ppm/K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>T&amp;űrésen belül ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>Legrosszabb eset</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>Kihozatal</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>Egyszerű os&amp;ztó</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>Szab&amp;ályozó, visszacsatoló láb</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>Szabál&amp;yozó, beállító láb</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>Áram a lábo&amp;n, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, legrosszabb esetben %1 és %2 között</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>A referencia tűrése és a láb árama 0-tól kezdődő szám, például 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 a kimenettől a lábig, R2 a lábtól a földig.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>A kimenet a referencia fölött legyen.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, legrosszabb esetben %1 és %2 V között</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>Címkék</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Értékek</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papír</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>Fo&amp;rrás:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>Beírt értékek</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>Egy sor</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>Saját alkatrészek</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>Érté&amp;kek:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;Sor:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Ettől:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>E&amp;ddig:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>Í&amp;v:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;Gyűrűk:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 és 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>Elő&amp;nézet...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Nyom&amp;tatás...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>Mentés PD&amp;F-ként...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>nincs érték</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>túl sok érték</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>Címkék: %1, ívek: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>Címkék mentése PDF-ként</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-fájlok (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Kezdő &amp;címke:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>Vízszintes eltolás</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>E&amp;ltolás:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>Függőleges eltolás</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>Vízszintes méretezés</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>&amp;Méretezés:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>Függőleges méretezés</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>Kalibrációs &amp;oldal...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>Egy anyagjegyzék</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;Anyagjegyzék...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>Címkék anyagjegyzékből</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>Anyagjegyzékek (*.csv *.tsv *.txt);;Minden fájl (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>nincs kiválasztott anyagjegyzék</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nem olvasható</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Kattintson egy gyűrűre<byte value="xd"/>a szín kiválasztásához</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>1. gyűrű</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>2. gyűrű</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>3. gyűrű</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>4. gyűrű</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tűrés</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>A színgyűrűk számát<byte value="xd"/>4-re állítja</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>A színgyűrűk számát<byte value="xd"/>5-re állítja</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Az alkatrész értékét mutatja</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Az alkatrész tűrésének<byte value="xd"/>kiválasztása / kijelzése</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Adja meg az alkatrész értékét</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>A megadott érték szorzása<byte value="xd"/>1 M (1 000 000) értékkel</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>A megadott érték szorzása<byte value="xd"/>1 K (1000) értékkel</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>A megadott érték<byte value="xd"/>szorzása 1-gyel</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Bejelölve: a legközelebbi szabványos<byte value="xd"/>értékre kerekít. Nem bejelölve:<byte value="xd"/>mindig felfelé kerekít.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Kattintson a színkód<byte value="xd"/>kiszámításához</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>A megadott értéket mutatja<byte value="xd"/>a szorzóval</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Ellenállás</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapacitás</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fájl</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Alkatrész</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Ellenállás</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondenzátor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Elemleírások megjelenítése</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Névjegy...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Színkód</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Rajzolt alkatrész</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Tűrésgyűrű</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>%1. gyűrű</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 gyűrű</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 gyűrű</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Érték megadása</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Alkatrészérték</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>normál kerekítés</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Számítás</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Megadott érték a szorzóval</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Hiba az alkatrészérték átalakításakor</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Az alkatrészértéknek 1 és 990M közötti számnak kell lennie</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;Jelölések...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Másolás</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;Értékek keresése...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;Címkék nyomtatása...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;Színkódtáblázat...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>Színkódtáblázat</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>Jelölések</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Jelölés</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Gyűrűk</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kód:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Érték:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Típus:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Sorozat:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kódok:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 vagy %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Tartomány:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>Fordítva:</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>Tűrés</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nincs</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Szín kiválasztása</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>szorzó ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>számjegy %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>nem érték</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>érték tartományon kívül</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>tűrés tartományon kívül</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>nem UTF-8 szöveg</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>nem ellenállás vagy kondenzátor</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>ellenállástömb</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>trimmer</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>nem beültetendő</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>lezáratlan idézőjel</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>kevesebb mező, mint a fejlécben</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>nincs azonosító</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>nem azonosítótartomány</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>nincs érték</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>a mennyiség nem egyezik az azonosítók számával</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: üres</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: nem anyagjegyzék, egyik sor sem nevez meg Value vagy Comment oszlopot</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>hőmérsékleti együttható tartományon kívül</translation>
    </message>
</context>
</TS>
