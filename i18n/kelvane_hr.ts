<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hr_HR">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>prazan</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>Crna</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>Smeđa</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Crvena</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation variants="yes">
            <lengthvariant>Narančasta</lengthvariant>
            <lengthvariant>Naranč.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žuta</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelena</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Plava</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation variants="yes">
            <lengthvariant>Ljubičasta</lengthvariant>
            <lengthvariant>Ljubič.</lengthvariant>
        </translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Siva</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bijela</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>Zlatna</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Srebrna</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>nije boja</translation>
    </message>
    <message>
        <source>not a value</source>
        <translation>nije vrijednost</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>prsten %1 ne može biti %2</translation>
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
        <translation>%1 oma</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 kiloom</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 kilooma</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 megaom</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 megaoma</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 pikofarad</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 pikofarada</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 nanofarad</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 nanofarada</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 mikrofarad</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 mikrofarada</translation>
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
        <translation>Kelvane v%1 za otpornike i kondenzatore</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>Slobodno za korištenje i dijeljenje.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>Kliknite prsten<byte value="xd"/>za odabir boje</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>Prsten 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>Prsten 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>Prsten 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>Prsten 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancija</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>Postavlja broj prstenova<byte value="xd"/>u boji na 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>Postavlja broj prstenova<byte value="xd"/>u boji na 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>Prikazuje vrijednost komponente</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>Odabir / prikaz<byte value="xd"/>tolerancije komponente</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>Unesite vrijednost komponente</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>Množi unesenu vrijednost<byte value="xd"/>s 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>Množi unesenu vrijednost<byte value="xd"/>s 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>Množi unesenu<byte value="xd"/>vrijednost s 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>Označeno: zaokružuje na najbližu<byte value="xd"/>vrijednost iz niza. Neoznačeno:<byte value="xd"/>uvijek zaokružuje naviše.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>Kliknite za izračun<byte value="xd"/>koda boja</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>Prikazuje unesenu vrijednost<byte value="xd"/>s odgovarajućim množiteljem</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>Otpor</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>Kapacitet</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datoteka</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Izlaz</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;Komponenta</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;Otpornik</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;Kondenzator</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoć</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;Prikaži savjete</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programu...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>Kod boja</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>Nacrtana komponenta</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>Prsten tolerancije</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>Prsten %1</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 prst.</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 prst.</translation>
    </message>
    <message>
        <source>Select colors</source>
        <translation>Odaberite boje</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>Unos vrijednosti</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>Vrijednost komponente</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>zaokr. na najbližu</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Izračunaj</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>Unesena vrijednost s množiteljem</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>Pogreška pri pretvorbi vrijednosti komponente</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>Vrijednost komponente mora biti broj od 1 do 990M</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>O&amp;znake...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>3-digit code</source>
        <translation>troznamenkasti kod</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>četveroznamenkasti kod</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>slovni kod</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>kod EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>nulti otpornik</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>prazno</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>nije oznaka</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>nema takvog broja EIA-96</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>izvan opsega</translation>
    </message>
    <message>
        <source>Markings</source>
        <translation>Oznake</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>Oznaka</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Prstenovi</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;Kod:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>Vrijednost:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>Vrsta:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>Niz:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>Kodovi:</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>nije iz niza; najbliže u %1: %2 i %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ili %2</translation>
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
        <translation>Nema</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>Odaberite boju</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>množitelj ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>znamenka %1</translation>
    </message>
</context>
</TS>
