<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>ריק</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>בחרו צבעים</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 עד %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 ו-%2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>אין ערך</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1; תקני בכיוון זה</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1; לא תקני בכיוון זה</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>קוד בן 3 ספרות</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>קוד בן 4 ספרות</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>קוד אותיות</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>קוד EIA-96, 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>גשר אפס אוהם</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>ערך ב-pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>ריק</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>אינו סימון</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>אין מספר EIA-96 כזה</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>מחוץ לטווח</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>לא תקני; הקרובים ב-%1: %2 ו-%3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>לא תקני</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>שחור</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>חום</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>אדום</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>כתום</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>צהוב</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>ירוק</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>כחול</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>סגול</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>אפור</translation>
    </message>
    <message>
        <source>White</source>
        <translation>לבן</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>זהב</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>כסף</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>אינו צבע</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>פס %1 אינו יכול להיות %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: אין פקודה כזו</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: אין אפשרות כזו</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 דורש ערך</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 אינו מקבל ערך</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 מקבל אחד מאלה: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 דורש מספר שלם מ-%2 עד %3</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 דורש שני מספרים X,Y, כל אחד מ-%2 עד %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 דורש אחוז גדול מ-0 וקטן מ-100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>חסר %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: ארגומנט לא צפוי</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: ערכים, או סדרה או קובץ רכיבים, לא שניהם</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: מחוץ לטווח, מ-%2 עד %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: מחוץ לטווח, מ-%2 עד פחות מ-%3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 גדול מ-%2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: היציאה חייבת להיות גדולה מ-0 וקטנה מהכניסה</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: אין רכיב לשימוש</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: יותר מ-%2 ערכים שונים</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 פסים: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>קודים: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>הקרובים ב-%1: %2 (%3) ו-%4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>רשת: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>רשומים בנפרד:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>לא נקראו:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>שורה %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: אין קובץ כזה</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: אין הרשאה לקרוא אותו</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: תיקייה, לא קובץ</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>לא ניתן לקרוא את %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: מעל %2 MB, גדול מדי לרשימת רכיבים</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 דורש מספר מ-%2 עד %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 דורש LOW..HIGH ב-°C, כל אחד מ-%2 עד %3, LOW לא מעל HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 או %2, לא שניהם</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: היציאה חייבת להיות מעל הייחוס %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>במקרה הגרוע %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>תפוקה %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>היסט %1 mm, %2 mm; קנה מידה %3 %, %4 %</translation>
    </message>
    <message>
        <source>Resistor color code</source>
        <translation>קוד הצבעים של נגדים</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>צבע</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>ספרה</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>מכפיל</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>סבולת</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>ללא פס</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>ערכי תקן של עשור אחד</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>לא ניתן לכתוב אל %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>ערכים שנקראו: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>הרכיבים שלי</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>ערך אחד או כמה בכל שורה, כגון 4k7 או 4,7 k; הכיתוב 1% אחרי ערך קובע את הסבולת שלו, אחרת 5 %; התו # פותח הערה.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>לא נקראו: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>שורה %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 פיקופרד</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 פיקופרד</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 ננופרד</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 ננופרד</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 מיקרופרד</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 מיקרופרד</translation>
    </message>
    <message>
        <source>%1 ohm</source>
        <translation>%1 אוהם</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 אוהם</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 קילו-אוהם</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 קילו-אוהם</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 מגה-אוהם</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 מגה-אוהם</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <comment>decimal point</comment>
        <translation>%1.%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 לנגדים ולקבלים</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>חופשי לשימוש ולשיתוף.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>מדויק</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 אחוז מתחת</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 אחוז מעל</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>ועוד</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>במקביל עם</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>חיפוש ערכים</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>הרכיבים שלי</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;רכיבים:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>עריכת הר&amp;כיבים שלי...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>ר&amp;שתות</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>מח&amp;לק מתח</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;ערך:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>&amp;מרב רכיבים:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>סדרה</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>מתחת</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>מעל</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>ערכי &amp;תקן קרובים:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>רשת</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>ערך</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>סטייה</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>טווח סבולת</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>הרשתות ה&amp;טובות:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>מתח כ&amp;ניסה:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>מתח י&amp;ציאה:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 ה&amp;חל מ:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>ע&amp;ד:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>יציאה</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>טווח יציאה</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>&amp;זוגות נגדים:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>העת&amp;קה</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>הצגת &amp;פסים</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>יותר מדי רכיבים</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>אין רכיבים: ערכו את הרכיבים שלכם</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: מתחת %2, %3; מעל %4, %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2, %3, מ-%4 עד %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>מתח הוא מספר גדול מ-0, כגון 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 הוא טווח ערכים, כגון 1k עד 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 מהכניסה ליציאה, R2 מהיציאה להארקה.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>היציאה חייבת להיות גדולה מ-0 וקטנה מהכניסה.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1, R2 %2: %3 וולט, %4, מ-%5 עד %6 וולט</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>אינו טווח טמפרטורות</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>אינו מקדם</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>אינה סבולת</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>, תפוקה %1 אחוז, פלוס מינוס %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>טמפרט&amp;ורה:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>עד</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>מקדם:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>&amp;בתוך ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>המקרה הגרוע</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>תפוקה</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>מחלק ר&amp;גיל</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>מ&amp;ייצב, פין משוב</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>מייצב, פי&amp;ן כוונון</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>זר&amp;ם הפין, µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>, במקרה הגרוע מ-%1 עד %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>סבולת הייחוס וזרם הפין הם מספרים מ-0, כגון 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 מהיציאה לפין, R2 מהפין להארקה.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>היציאה חייבת להיות מעל הייחוס.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>, במקרה הגרוע מ-%1 עד %2 וולט</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>תוויות</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>ערכים</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>נייר</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>מקו&amp;ר:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>ערכים מוקלדים</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>סדרה</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>הרכיבים שלי</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>רשימת חומרים</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>רשימ&amp;ת חומרים...</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>&amp;ערכים:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;סדרה:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>החל &amp;מ:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>ע&amp;ד:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>&amp;גיליון:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;פסים:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 ו-5</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>הת&amp;חלה בתווית:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>היסט אופקי</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>היס&amp;ט:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>היסט אנכי</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>קנה מידה אופקי</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>ק&amp;נה מידה:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>קנה מידה אנכי</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>ת&amp;צוגה מקדימה...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;הדפסה...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>&amp;שמירה כ-PDF...</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>דף כיו&amp;ל...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>תוויות מרשימת חומרים</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>רשימות חומרים (*.csv *.tsv *.txt);;כל הקבצים (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>לא נבחר קובץ רשימת חומרים</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>לא ניתן לקרוא את %1</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>אין ערכים</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>יותר מדי ערכים</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>תוויות: %1, גיליונות: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>שמירת התוויות כ-PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>קובצי PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>לחצו על פס<byte value="xd"/>כדי לבחור צבע</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>פס 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>פס 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>פס 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>פס 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>סבולת</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>קביעת מספר פסי<byte value="xd"/>הצבע ל-4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>קביעת מספר פסי<byte value="xd"/>הצבע ל-5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>מציג את ערך הרכיב</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>בחירה / הצגה של<byte value="xd"/>סבולת הרכיב</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>הזנת ערך הרכיב</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>בחרו כדי להכפיל את הערך<byte value="xd"/>ב-1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>בחרו כדי להכפיל את הערך<byte value="xd"/>ב-1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>בחרו כדי להכפיל את הערך<byte value="xd"/>ב-1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>מסומן: עיגול לערך התקני<byte value="xd"/>הקרוב. לא מסומן: עיגול<byte value="xd"/>כלפי מעלה תמיד.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>לחצו לחישוב<byte value="xd"/>קוד הצבעים</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>מציג את הערך שהוזן<byte value="xd"/>עם המכפיל המתאים</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>קיבול</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>התנגדות</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>פס סבולת</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>פס %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;הדפסת תוויות...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;רכיב</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;נגד</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;קבל</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;סימונים...</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;חיפוש ערכים...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;עזרה</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;הצגת תיאורי כלים</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;טבלת קוד צבעים...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;אודות...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;העתקה</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>קוד צבעים</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>הרכיב המצויר</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 פסים</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 פסים</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>הזנת ערך</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>ערך הרכיב</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>עיגול לקרוב</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>חישוב</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>הערך שהוזן עם המכפיל</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>שגיאה בהמרת ערך הרכיב</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>טבלת קוד צבעים</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>ערך הרכיב חייב להיות מספר בין 1 ל-990M</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>סימונים</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>סימון</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>פסים</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;קוד:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>ערך:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>סוג:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>סדרה:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>טווח:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>קודים:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>הפוך:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 או %2</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>סבולת</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ללא</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>בחירת צבע</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>מכפיל ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>ספרה %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>אינו ערך</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>ערך מחוץ לטווח</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>אינו טקסט UTF-8</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>סבולת מחוץ לטווח</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>אינו נגד או קבל</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>מערך נגדים</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>נגד כוונון</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>לא להרכיב</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>מירכאה שלא נסגרה</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>פחות שדות מאשר בכותרת</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>אין מזהה</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>אינו טווח מזהים</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>אין ערך</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>הכמות אינה תואמת את המזהים</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: אין בו דבר</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: אינו רשימת חומרים, אף שורה אינה נותנת שם לעמודת Value או Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>מקדם טמפרטורה מחוץ לטווח</translation>
    </message>
</context>
</TS>
