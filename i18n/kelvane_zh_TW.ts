<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>BandPanel</name>
    <message>
        <source>empty</source>
        <translation>空</translation>
    </message>
</context>
<context>
    <name>Bands</name>
    <message>
        <source>Select colors</source>
        <translation>請選擇顏色</translation>
    </message>
</context>
<context>
    <name>Codes</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>無值</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1；此方向為標稱值</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1；此方向非標稱值</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3位數碼</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4位數碼</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>文字符號</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96 代碼，1%</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>零歐姆電阻</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>以 pF 為單位的數值</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>未輸入</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>不是有效標示</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>無此 EIA-96 編號</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>超出範圍</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>非標稱值；最接近的%1值：%2 和 %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>非標稱值</translation>
    </message>
</context>
<context>
    <name>Colour</name>
    <message>
        <source>Black</source>
        <translation>黑</translation>
    </message>
    <message>
        <source>Brown</source>
        <translation>棕</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>紅</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黃</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>綠</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>藍</translation>
    </message>
    <message>
        <source>Violet</source>
        <translation>紫</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>灰</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Gold</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>銀</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>不是顏色</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>第%1環不能是%2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: 未知指令</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: 未知選項</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 需要一個值</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 的值須為 %2 之一</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 需要 %2 到 %3 之間的整數</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 需要大於 0 且小於 100 的百分比</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: 多餘的引數</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: 不能同時指定數值和系列或元件檔案</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: 超出範圍，應為 %2 至 %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: 超出範圍，應大於等於 %2 且小於 %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 大於 %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: 輸出必須大於 0 且小於輸入</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: 沒有可用的元件</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: 不同的數值超過 %2 個</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: 檔案不存在</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: 無權讀取</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: 是資料夾，不是檔案</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>無法讀取 %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: 超過 %2 MB，作為元件清單過大</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 需要兩個數 X,Y，各在 %2 到 %3 之間</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1色環: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>代碼: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>最接近的%1值: %2 (%3) 和 %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>網路: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>單獨列出:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>未能讀取:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 需要 %2 至 %3 的數</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 需要以 °C 為單位的 LOW..HIGH，各在 %2 至 %3 之間，LOW 不大於 HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 或 %2，不能同時指定</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: 輸出必須高於基準 %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>最壞情況 %1 … %2</translation>
    </message>
    <message>
        <source>yield %1 ± %2</source>
        <translation>良率 %1 ± %2</translation>
    </message>
</context>
<context>
    <name>LabelPages</name>
    <message>
        <source>Resistor color code</source>
        <translation>電阻色碼</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>數字</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>誤差</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>無色環</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>一個十倍程的標準值</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>偏移 %1 mm、%2 mm；縮放 %3 %、%4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>無法寫入 %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>已讀取的值: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>我的元件</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>每行一個或幾個值，例如 4k7 或 4,7 k；值後的 1% 為其容差，否則為 5 %；# 開始註解。</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>未能讀取: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行: %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>%1 ohm</source>
        <translation>%1歐姆</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1歐姆</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1千歐姆</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1千歐姆</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1百萬歐姆</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1百萬歐姆</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1皮法拉</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1皮法拉</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1奈法拉</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1奈法拉</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1微法拉</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1微法拉</translation>
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
        <translation>關於</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>適用於電阻與電容的 Kelvane v%1</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>可自由使用與分享。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>精確</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>低 %1 個百分點</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>高 %1 個百分點</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>串聯</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>並聯</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>尋找阻值</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>我的元件</translation>
    </message>
    <message>
        <source>&amp;Parts:</source>
        <translation>元件(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Edit my parts...</source>
        <translation>編輯我的元件(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>網路(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>分壓器(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>阻值(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>最多元件數(&amp;M):</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>Below</source>
        <translation>下方</translation>
    </message>
    <message>
        <source>Above</source>
        <translation>上方</translation>
    </message>
    <message>
        <source>Nea&amp;rest standard values:</source>
        <translation>最接近的標準值(&amp;R):</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>網路</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>阻值</translation>
    </message>
    <message>
        <source>Deviation</source>
        <translation>偏差</translation>
    </message>
    <message>
        <source>Tolerance range</source>
        <translation>容差範圍</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>最佳網路(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>輸入電壓(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>輸出電壓(&amp;O):</translation>
    </message>
    <message>
        <source>R1 + R2 &amp;from:</source>
        <translation>R1 + R2 自(&amp;F):</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>至(&amp;T):</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>輸出範圍</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>電阻對(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>顯示色環(&amp;H)</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>元件太多</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>沒有元件: 請編輯我的元件</translation>
    </message>
    <message>
        <source>%1: below %2, %3; above %4, %5</source>
        <translation>%1: 下方 %2，%3；上方 %4，%5</translation>
    </message>
    <message>
        <source>%1: %2, %3, from %4 to %5</source>
        <translation>%1: %2，%3，%4 至 %5</translation>
    </message>
    <message>
        <source>A voltage is a number above 0, as 3,3.</source>
        <translation>電壓是大於 0 的數，例如 3,3。</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 是一個阻值範圍，例如 1k 至 1M。</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 從輸入到輸出，R2 從輸出到地。</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>輸出必須大於 0 且小於輸入。</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1，R2 %2: %3 伏，%4，%5 至 %6 伏</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>不是溫度範圍</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>不是係數</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>不是容差</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>，良率百分之 %1，誤差 %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>溫度(&amp;A):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>係數:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>範圍(&amp;W) ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>最壞情況</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>良率</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>一般分壓器(&amp;L)</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>穩壓器，回授接腳(&amp;G)</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>穩壓器，調整接腳(&amp;J)</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>接腳電流 µA(&amp;U):</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>，最壞情況 %1 至 %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>基準的容差和接腳電流是不小於 0 的數，例如 1。</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 從輸出到接腳，R2 從接腳到地。</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>輸出必須高於基準。</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>，最壞情況 %1 至 %2 伏</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>數值</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>紙張</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>來源(&amp;T):</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>輸入的數值</translation>
    </message>
    <message>
        <source>A series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>我的元件</translation>
    </message>
    <message>
        <source>&amp;Values:</source>
        <translation>數值(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>系列(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>從(&amp;F):</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>到(&amp;O):</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>標籤紙(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>色環(&amp;B):</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 和 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>預覽(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>列印(&amp;P)...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>另存為 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>沒有數值</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>數值過多</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>標籤：%1，頁數：%2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>將標籤另存為 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 檔案 (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>起始標籤(&amp;L):</translation>
    </message>
    <message>
        <source>Offset across</source>
        <translation>水平偏移</translation>
    </message>
    <message>
        <source>Offs&amp;et:</source>
        <translation>偏移(&amp;E):</translation>
    </message>
    <message>
        <source>Offset down</source>
        <translation>垂直偏移</translation>
    </message>
    <message>
        <source>Scale across</source>
        <translation>水平縮放</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>縮放(&amp;C):</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>垂直縮放</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>校準頁(&amp;G)...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>物料清單</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>物料清單(&amp;M)...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>從物料清單產生標籤</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>物料清單 (*.csv *.tsv *.txt);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>未選擇物料清單檔案</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>無法讀取 %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>點選色環<byte value="xd"/>以選擇顏色</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>第1環</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>第2環</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>第3環</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>第4環</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>誤差</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>將色環數<byte value="xd"/>設為 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>將色環數<byte value="xd"/>設為 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>顯示元件值</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>選擇 / 顯示<byte value="xd"/>元件誤差</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>輸入元件值</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>將輸入值<byte value="xd"/>乘以 1 M (1,000,000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>將輸入值<byte value="xd"/>乘以 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>將輸入值<byte value="xd"/>乘以 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>勾選：取最接近的標稱值；<byte value="xd"/>不勾選：一律向上取標稱值。</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>按一下以計算<byte value="xd"/>色碼</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>顯示乘上倍率後的<byte value="xd"/>輸入值</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>電阻值</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>電容值</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>元件(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>電阻(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>電容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>顯示工具提示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>色碼</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>元件圖示</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>誤差環</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>第%1環</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4色環</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5色環</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>輸入數值</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>元件值</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>四捨五入</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>乘上倍率後的輸入值</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>元件值轉換錯誤</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>元件值必須是 1 到 990M 之間的數字</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>標示(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>複製(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>尋找阻值(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>列印標籤(&amp;P)...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>色碼表(&amp;C)...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>色碼表</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>標示</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>標示</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>色環</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>代碼(&amp;C)：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>數值：</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>系列：</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>代碼：</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>範圍：</translation>
    </message>
    <message>
        <source>Reversed:</source>
        <comment>the bands read from the other end</comment>
        <translation>反向：</translation>
    </message>
</context>
<context>
    <name>TTolform</name>
    <message>
        <source>Tol.</source>
        <translation>誤差</translation>
    </message>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>選擇顏色</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>倍率 ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>有效數字 %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>不是有效數值</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>數值超出範圍</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>誤差超出範圍</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>不是電阻或電容</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>排阻</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>微調元件</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>不打件</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>引號未閉合</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>欄位少於表頭</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>沒有位號</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>不是位號範圍</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>缺少數值</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>數量與位號數不符</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: 沒有內容</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: 不是物料清單，沒有一行指明 Value 或 Comment 欄</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>溫度係數超出範圍</translation>
    </message>
</context>
</TS>
