<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fa">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>خالی</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>انتخاب رنگ‌ها</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 تا %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 و %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>بدون مقدار</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1؛ در این جهت استاندارد است</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1؛ در این جهت استاندارد نیست</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>کد 3 رقمی</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>کد 4 رقمی</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>کد حرفی</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>کد EIA-96، 1 %</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>اتصال صفر اهم</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>مقدار بر حسب pF</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>خالی</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>نشانه‌گذاری نیست</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>چنین شمارهٔ EIA-96 وجود ندارد</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>خارج از محدوده</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>استاندارد نیست؛ نزدیک‌ترین در %1: %2 و %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>استاندارد نیست</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>سیاه</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>قهوه‌ای</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>قرمز</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>نارنجی</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>زرد</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>سبز</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>آبی</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>بنفش</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>خاکستریطوسی</translation>
    </message>
    <message>
        <source>White</source>
        <translation>سفید</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>طلایی</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>نقره‌ای</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>رنگ نیست</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>نوار %1 نمی‌تواند %2 باشد</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: چنین فرمانی وجود ندارد</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: چنین گزینه‌ای وجود ندارد</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 یک مقدار می‌گیرد</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 مقداری نمی‌گیرد</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 یکی از این‌ها را می‌گیرد: %2</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 یک عدد صحیح از %2 تا %3 می‌گیرد</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 دو عدد X,Y می‌گیرد، هر یک از %2 تا %3</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 یک درصد بزرگ‌تر از 0 و کوچک‌تر از 100 می‌گیرد</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>%1 وارد نشده است</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: آرگومان غیرمنتظره</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: مقدارها، یا یک سری یا فایل قطعه‌ها، نه هر دو</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: خارج از محدوده، از %2 تا %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: خارج از محدوده، از %2 تا کمتر از %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 بزرگ‌تر از %2 است</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: خروجی باید بزرگ‌تر از 0 و کوچک‌تر از ورودی باشد</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: قطعه‌ای برای استفاده نیست</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: بیش از %2 مقدار متفاوت</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1 نوار: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>کدها: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>نزدیک‌ترین در %1: %2 (%3) و %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>شبکه: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>جداگانه فهرست‌شده:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>خوانده نشد:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>خط %1: %2</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: چنین فایلی وجود ندارد</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: اجازهٔ خواندن آن نیست</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: یک پوشه است، نه فایل</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 خوانده نمی‌شود</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: بیش از %2 MB، برای فهرست قطعه‌ها بیش از حد بزرگ است</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 عددی از %2 تا %3 می‌گیرد</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 بازهٔ LOW..HIGH را بر حسب °C می‌گیرد، هر یک از %2 تا %3، و LOW نه بیشتر از HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 یا %2، نه هر دو</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: خروجی باید بزرگ‌تر از مرجع %2 باشد</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>در بدترین حالت %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>بازده %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>جابه‌جایی %1 mm، %2 mm؛ مقیاس %3 %، %4 %</translation>
    </message>
    <message>
        <source>Resistor color code</source>
        <translation>کد رنگی مقاومت‌ها</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>رنگ</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>رقم</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>ضریب</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>تلرانس</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>بدون نوار</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>مقدارهای استاندارد یک دهه</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 نوشته نمی‌شود</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>مقدارهای خوانده‌شده: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>قطعه‌های من</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>یک یا چند مقدار در هر خط، مانند 4k7 یا 4,7 k؛ نوشتن 1% پس از یک مقدار تلرانس آن را تعیین می‌کند، وگرنه 5 %؛ نویسهٔ # آغاز یک توضیح است.</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>خوانده نشد: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>خط %1: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 picofarad</source>
        <translation>%1 پیکوفاراد</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1 پیکوفاراد</translation>
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
        <translation>%1 میکروفاراد</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1 میکروفاراد</translation>
    </message>
    <message>
        <source>%1 ohm</source>
        <translation>%1 اهم</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1 اهم</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1 کیلواهم</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1 کیلواهم</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1 مگااهم</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1 مگااهم</translation>
    </message>
    <message>
        <source>%1.%2</source>
        <comment>decimal point</comment>
        <translation>%1٫%2</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>درباره</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>Kelvane v%1 برای مقاومت‌ها و خازن‌ها</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>استفاده و هم‌رسانی آزاد است.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>تأیید</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>دقیق</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>%1 درصد کمتر</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>%1 درصد بیشتر</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>به‌علاوهٔ</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>موازی با</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>یافتن مقدارها</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>قطعه‌های من</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>&amp;قطعه‌ها:</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>ویرای&amp;ش قطعه‌های من...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>شب&amp;که‌ها</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>تق&amp;سیم‌کنندهٔ ولتاژ</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;مقدار:</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>بیشترین ت&amp;عداد قطعه:</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>سری</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>کمتر</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>بیشتر</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>&amp;نزدیک‌ترین مقدارهای استاندارد:</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>شبکه</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>مقدار</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>انحراف</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>محدودهٔ تلرانس</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>&amp;بهترین شبکه‌ها:</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>ولتاژ &amp;ورودی:</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>ولتاژ &amp;خروجی:</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 ا&amp;ز:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;تا:</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>خروجی</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>محدودهٔ خروجی</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>ج&amp;فت مقاومت‌ها:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>ک&amp;پی</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>نمایش نوا&amp;رها</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>قطعه‌ها بیش از حد زیاد است</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>قطعه‌ای نیست: قطعه‌های خود را ویرایش کنید</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: کمتر %2، %3؛ بیشتر %4، %5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2، %3، از %4 تا %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>ولتاژ عددی بزرگ‌تر از 0 است، مانند 3,3.</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 محدوده‌ای از مقدارهاست، مانند 1k تا 1M.</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 از ورودی به خروجی، R2 از خروجی به زمین.</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>خروجی باید بزرگ‌تر از 0 و کوچک‌تر از ورودی باشد.</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1، R2 %2: %3 ولت، %4، از %5 تا %6 ولت</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>بازهٔ دما نیست</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>ضریب نیست</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>تلرانس نیست</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>، بازده %1 درصد، با خطای %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>&amp;دما:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>تا</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>ضریب:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>در م&amp;حدودهٔ ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>بدترین حالت</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>بازده</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>تقس&amp;یم‌کنندهٔ ساده</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>ر&amp;گولاتور، پایهٔ فیدبک</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>رگو&amp;لاتور، پایهٔ تنظیم</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>&amp;جریان پایه، µA:</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>، در بدترین حالت از %1 تا %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>تلرانس مرجع و جریان پایه عددهایی از 0 هستند، مانند 1.</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 از خروجی به پایه، R2 از پایه به زمین.</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>خروجی باید بزرگ‌تر از مرجع باشد.</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>، در بدترین حالت از %1 تا %2 ولت</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>برچسب‌ها</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>مقدارها</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>کاغذ</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>منب&amp;ع:</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>مقدارهای تایپ‌شده</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>یک سری</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>قطعه‌های من</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>یک فهرست قطعات</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>&amp;فهرست قطعات...</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>مق&amp;دارها:</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>&amp;سری:</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>ا&amp;ز:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>&amp;تا:</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>بر&amp;گه:</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>&amp;نوارها:</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 و 5</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>برچسب &amp;شروع:</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>جابه‌جایی افقی</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>&amp;جابه‌جایی:</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>جابه‌جایی عمودی</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>مقیاس افقی</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>م&amp;قیاس:</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>مقیاس عمودی</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>&amp;پیش‌نمایش...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;چاپ...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>&amp;ذخیرهٔ PDF...</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>صفحهٔ &amp;کالیبراسیون...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>برچسب‌ها از فهرست قطعات</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>فهرست‌های قطعات (*.csv *.tsv *.txt);;همهٔ فایل‌ها (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>فایل فهرست قطعات انتخاب نشده است</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 خوانده نمی‌شود</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>بدون مقدار</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>مقدارها بیش از حد زیاد است</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>برچسب‌ها: %1، برگه‌ها: %2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>ذخیرهٔ برچسب‌ها به‌صورت PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>فایل‌های PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>روی نوار کلیک کنید<byte value="xd"/>تا رنگ آن را انتخاب کنید</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>نوار 1</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>نوار 2</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>نوار 3</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>نوار 4</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>تلرانس</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>تنظیم تعداد نوارهای<byte value="xd"/>رنگی روی 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>تنظیم تعداد نوارهای<byte value="xd"/>رنگی روی 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>مقدار قطعه را نشان می‌دهد</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>انتخاب / نمایش<byte value="xd"/>تلرانس قطعه</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>مقدار قطعه را وارد کنید</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>برای ضرب مقدار واردشده<byte value="xd"/>در 1 M (1.000.000) انتخاب کنید</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>برای ضرب مقدار واردشده<byte value="xd"/>در 1 K (1000) انتخاب کنید</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>برای ضرب مقدار واردشده<byte value="xd"/>در 1 انتخاب کنید</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>انتخاب‌شده: گرد کردن به نزدیک‌ترین<byte value="xd"/>مقدار استاندارد. انتخاب‌نشده: همیشه<byte value="xd"/>گرد کردن به بالا.</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>برای محاسبهٔ<byte value="xd"/>کد رنگی کلیک کنید</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>مقدار واردشده را<byte value="xd"/>با ضریب مناسب نشان می‌دهد</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>ظرفیت</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>مقاومت</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>نوار تلرانس</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>نوار %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;پرونده</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>&amp;چاپ برچسب‌ها...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>&amp;قطعه</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>&amp;مقاومت</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>&amp;خازن</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>&amp;نشانه‌گذاری‌ها...</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>&amp;یافتن مقدارها...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;راهنما</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>&amp;نمایش راهنمای ابزار</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>&amp;جدول کد رنگی...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;درباره...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;کپی</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>کد رنگی</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>قطعهٔ رسم‌شده</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4 نوار</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5 نوار</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>ورود مقدار</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>مقدار قطعه</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>گرد متعارف</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>محاسبه</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>مقدار واردشده با ضریب</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>خطا در تبدیل مقدار قطعه</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>جدول کد رنگی</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>مقدار قطعه باید عددی بین 1 و 990M باشد</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>نشانه‌گذاری‌ها</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>نشانه‌گذاری</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>نوارها</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>&amp;کد:</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>مقدار:</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>نوع:</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>سری:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>محدوده:</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>کدها:</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>وارونه:</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 یا %2</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>تلرانس</translation>
    </message>
    <message>
        <source>None</source>
        <translation>هیچ</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>انتخاب رنگ</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>ضریب ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>رقم %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>مقدار نیست</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>مقدار خارج از محدوده</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>متن UTF-8 نیست</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>تلرانس خارج از محدوده</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>نه مقاومت است نه خازن</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>آرایهٔ مقاومت</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>تریمر</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>نصب نشود</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>نقل‌قول بسته نشده</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>فیلدها کمتر از سرستون</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>بدون مرجع</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>محدودهٔ مرجع نیست</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>بدون مقدار</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>تعداد با مرجع‌ها نمی‌خواند</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: خالی است</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: فهرست قطعات نیست؛ هیچ خطی ستون Value یا Comment را نام نمی‌برد</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>ضریب دمایی خارج از محدوده</translation>
    </message>
</context>
</TS>
