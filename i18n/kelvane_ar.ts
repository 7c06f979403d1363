<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>فارغة</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>اختر الألوان</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 إلى %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>لا قيمة</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1؛ قياسية بهذا الاتجاه</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1؛ غير قياسية بهذا الاتجاه</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>رمز من 3 أرقام</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>رمز من 4 أرقام</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>رمز حرفي</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>رمز EIA-96، 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>وصلة صفر أوم</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>القيمة بـ pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>فارغ</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>ليست علامة</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>لا يوجد رقم EIA-96 كهذا</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>خارج النطاق</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>غير قياسية؛ الأقرب في %1: %2 و %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>غير قياسية</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>أسود</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>بني</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>برتقالي</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>أصفر</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>بنفسجيبنفسج</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>رمادي</translation>
    </message>
    <message>
        <source>White</source>
        <translation>أبيض</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>ذهبي</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>فضي</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>ليس لونًا</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>لا يمكن أن تكون الحلقة %1 %2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: لا يوجد أمر كهذا</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: لا يوجد خيار كهذا</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 يتطلب قيمة</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 لا يقبل قيمة</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 يقبل واحدًا من: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 يتطلب عددًا صحيحًا من %2 إلى %3</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 يتطلب عددين X,Y، كل منهما من %2 إلى %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 يتطلب نسبة مئوية أكبر من 0 وأصغر من 100</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 مفقود</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: وسيط غير متوقع</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: قيم، أو سلسلة أو ملف قطع، لا الاثنان معًا</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: خارج النطاق، من %2 إلى %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: خارج النطاق، من %2 إلى ما دون %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 أكبر من %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: يجب أن يكون الخرج أكبر من 0 وأصغر من الدخل</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: لا توجد قطعة للاستخدام</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: أكثر من %2 قيمة مختلفة</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 حلقات: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>الرموز: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>الأقرب في %1: %2 (%3) و %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>شبكة: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>مدرجة على حدة:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>لم تُقرأ:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: لا يوجد ملف كهذا</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: لا يُسمح بقراءته</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: مجلد، وليس ملفًا</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>تتعذر قراءة %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: أكبر من %2 MB، كبير جدًا لقائمة قطع</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 يتطلب عددًا من %2 إلى %3</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 يتطلب LOW..HIGH بالدرجات °C، كل منهما من %2 إلى %3، و LOW ليس أكبر من HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 أو %2، لا الاثنان معًا</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: يجب أن يكون الخرج أكبر من المرجع %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>في أسوأ الحالات %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>المردود %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>الإزاحة %1 mm، %2 mm؛ المقياس %3 %، %4 %</translation>
    </message>
    <message>
        <source>Resistor color code</source>
        <translation>رموز ألوان المقاومات</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>اللون</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>المضاعف</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>السماحية</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>بلا حلقة</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>القيم القياسية لعقد واحد</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>تتعذر الكتابة في %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>القيم المقروءة: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>قطعي</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>قيمة واحدة أو بضع قيم في كل سطر، مثل 4k7 أو 4,7 k؛ وكتابة 1% بعد القيمة تحدد سماحيتها، وإلا فهي 5 %؛ والرمز # يبدأ تعليقًا.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>لم تُقرأ: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>السطر %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 بيكوفاراد</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 بيكوفاراد</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1 نانوفاراد</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1 نانوفاراد</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1 ميكروفاراد</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 ميكروفاراد</translation>
    </message>
    <message>
        <source>%1 ohm</source>
        <translation>%1 أوم</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 أوم</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 كيلو أوم</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 كيلو أوم</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 ميغا أوم</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 ميغا أوم</translation>
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
        <translation>حول</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 للمقاومات والمكثفات</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>حر الاستخدام والمشاركة.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>مطابقة</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>أقل بنسبة %1 بالمئة</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>أعلى بنسبة %1 بالمئة</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>زائد</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>على التوازي مع</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>البحث عن القيم</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>قطعي</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>الق&amp;طع:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>&amp;تحرير قطعي...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>ال&amp;شبكات</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>مج&amp;زئ الجهد</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>الق&amp;يمة:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>أق&amp;صى عدد للقطع:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>السلسلة</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>أقل</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>أعلى</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>أقر&amp;ب القيم القياسية:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>القيمة</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>الانحراف</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>نطاق السماحية</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>أ&amp;فضل الشبكات:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>جهد ال&amp;دخل:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>جهد ال&amp;خرج:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 &amp;من:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>إ&amp;لى:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>الخرج</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>نطاق الخرج</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>أز&amp;واج المقاومات:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>إ&amp;ظهار الحلقات</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>قطع كثيرة جدًا</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>لا قطع: حرّر قطعك</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: أقل %2، %3؛ أعلى %4، %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2، %3، من %4 إلى %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>الجهد عدد أكبر من 0، مثل 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 نطاق من القيم، مثل 1k إلى 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 من الدخل إلى الخرج، و R2 من الخرج إلى الأرضي.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>يجب أن يكون الخرج أكبر من 0 وأصغر من الدخل.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1، R2 %2: %3 فولت، %4، من %5 إلى %6 فولت</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>ليس نطاق درجات حرارة</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>ليس معاملًا</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>ليست سماحية</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>، المردود %1 بالمئة، بزيادة أو نقصان %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>درجة ال&amp;حرارة:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>إلى</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>المعامل:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>&amp;ضمن ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>أسوأ حالة</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>المردود</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>م&amp;جزئ بسيط</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>منظم، ط&amp;رف التغذية الراجعة</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>منظم، طرف &amp;الضبط</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>تيار الطرف، µ&amp;A:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>، في أسوأ الحالات من %1 إلى %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>سماحية المرجع وتيار الطرف عددان من 0، مثل 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 من الخرج إلى الطرف، و R2 من الطرف إلى الأرضي.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>يجب أن يكون الخرج أكبر من المرجع.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>، في أسوأ الحالات من %1 إلى %2 فولت</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>الملصقات</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>القيم</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>الورق</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>الم&amp;صدر:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>قيم مكتوبة</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>سلسلة</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>قطعي</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>قائمة مواد</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>مل&amp;ف قائمة المواد...</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>الق&amp;يم:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>ال&amp;سلسلة:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>م&amp;ن:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;إلى:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>ال&amp;ورقة:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>ال&amp;حلقات:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 و 5</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>ا&amp;بدأ من الملصق:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>الإزاحة أفقيًا</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>الإ&amp;زاحة:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>الإزاحة عموديًا</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>المقياس أفقيًا</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>الم&amp;قياس:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>المقياس عموديًا</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>م&amp;عاينة...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;طباعة...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>حفظ بصي&amp;غة PDF...</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>صفحة المعاي&amp;رة...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>ملصقات من قائمة مواد</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>قوائم المواد (*.csv *.tsv *.txt);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>لم يُختر ملف قائمة مواد</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>تتعذر قراءة %1</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>لا قيم</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>قيم كثيرة جدًا</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>الملصقات: %1، الأوراق: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>حفظ الملصقات بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>انقر على الحلقة<byte value="xd"/>لاختيار لونها</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>الحلقة 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>الحلقة 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>الحلقة 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>الحلقة 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>السماحية</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>اضبط عدد الحلقات<byte value="xd"/>الملونة على 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>اضبط عدد الحلقات<byte value="xd"/>الملونة على 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>يعرض قيمة المكون</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>اختيار / عرض<byte value="xd"/>سماحية المكون</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>أدخل قيمة المكون</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>اختر لضرب القيمة المدخلة<byte value="xd"/>في 1 M (1.000.000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>اختر لضرب القيمة المدخلة<byte value="xd"/>في 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>اختر لضرب القيمة المدخلة<byte value="xd"/>في 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>محدد: التقريب إلى أقرب قيمة<byte value="xd"/>قياسية. غير محدد: التقريب<byte value="xd"/>إلى الأعلى دائمًا.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>انقر لحساب<byte value="xd"/>رموز الألوان</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>يعرض القيمة المدخلة<byte value="xd"/>بالمضاعف المناسب</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>السعة</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>المقاومة</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>حلقة السماحية</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>الحلقة %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;طباعة الملصقات...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>م&amp;كون</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>م&amp;قاومة</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>م&amp;كثف</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>ال&amp;علامات...</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;بحث عن القيم...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;إظهار التلميحات</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;جدول رموز الألوان...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;حول...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;نسخ</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>رمز الألوان</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>المكون المرسوم</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 حلقات</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 حلقات</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>أدخل القيمة</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>قيمة المكون</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>تقريب للأقرب</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>احسب</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>القيمة المدخلة مع المضاعف</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>خطأ في تحويل قيمة المكون</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>جدول رموز الألوان</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>يجب أن تكون قيمة المكون عددًا بين 1 و 990M</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>العلامات</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>العلامة</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>الحلقات</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>ال&amp;رمز:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>القيمة:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>النوع:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>السلسلة:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>النطاق:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>الرموز:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>معكوسة:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 أو %2</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>السماحية</translation>
    </message>
    <message>
        <source>None</source>
        <translation>بلا</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>اختر لونًا</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>المضاعف ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>الرقم %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>ليست قيمة</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>القيمة خارج النطاق</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>ليس نص UTF-8</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>السماحية خارج النطاق</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>ليس مقاومة ولا مكثفًا</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>مصفوفة مقاومات</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>مقاومة ضبط</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>لا تُركَّب</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>علامة اقتباس غير مغلقة</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>حقول أقل من الترويسة</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>لا يوجد مرجع</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>ليس نطاق مراجع</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>لا قيمة</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>الكمية لا تطابق عدد المراجع</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: فارغ</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: ليست قائمة مواد، لا يسمّي أي سطر عمود Value أو Comment</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>المعامل الحراري خارج النطاق</translation>
    </message>
</context>
</TS>
