<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>请选择颜色</translation>
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
        <translation>无值</translation>
    </message>
    <message>
        <source>%1; this way is standard</source>
        <translation>%1；此方向为标称值</translation>
    </message>
    <message>
        <source>%1; this way is not standard</source>
        <translation>%1；此方向非标称值</translation>
    </message>
    <message>
        <source>3-digit code</source>
        <translation>3位数码</translation>
    </message>
    <message>
        <source>4-digit code</source>
        <translation>4位数码</translation>
    </message>
    <message>
        <source>letter code</source>
        <translation>文字符号</translation>
    </message>
    <message>
        <source>EIA-96 code, 1 %</source>
        <translation>EIA-96 代码，1%</translation>
    </message>
    <message>
        <source>zero-ohm link</source>
        <translation>零欧电阻</translation>
    </message>
    <message>
        <source>value in pF</source>
        <translation>以 pF 为单位的数值</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>未输入</translation>
    </message>
    <message>
        <source>not a marking</source>
        <translation>不是有效标识</translation>
    </message>
    <message>
        <source>no such EIA-96 number</source>
        <translation>无此 EIA-96 编号</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>超出范围</translation>
    </message>
    <message>
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>非标称值；最接近的%1值：%2 和 %3</translation>
    </message>
    <message>
        <source>not standard</source>
        <translation>非标称值</translation>
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
        <translation>红</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>橙</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>黄</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>绿</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>蓝</translation>
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
        <translation>银</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>not a colour</source>
        <translation>不是颜色</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>第%1环不能是%2</translation>
    </message>
    <message>
        <source>%1: no such command</source>
        <translation>%1: 未知命令</translation>
    </message>
    <message>
        <source>%1: no such option</source>
        <translation>%1: 未知选项</translation>
    </message>
    <message>
        <source>%1 takes a value</source>
        <translation>%1 需要一个值</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 不接受值</translation>
    </message>
    <message>
        <source>%1 takes one of %2</source>
        <translation>%1 的值须为 %2 之一</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3</source>
        <translation>%1 需要 %2 到 %3 之间的整数</translation>
    </message>
    <message>
        <source>%1 takes a percentage above 0 and below 100</source>
        <translation>%1 需要大于 0 且小于 100 的百分比</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1: unexpected argument</source>
        <translation>%1: 多余的参数</translation>
    </message>
    <message>
        <source>%1: values, or a series or parts file, not both</source>
        <translation>%1: 不能同时指定数值和系列或元件文件</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 to %3</source>
        <translation>%1: 超出范围，应为 %2 至 %3</translation>
    </message>
    <message>
        <source>%1: out of range, from %2 up to below %3</source>
        <translation>%1: 超出范围，应大于等于 %2 且小于 %3</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 大于 %2</translation>
    </message>
    <message>
        <source>%1: the output must lie above 0 and below the input</source>
        <translation>%1: 输出必须大于 0 且小于输入</translation>
    </message>
    <message>
        <source>%1: no part to use</source>
        <translation>%1: 没有可用的元件</translation>
    </message>
    <message>
        <source>%1: more than %2 different values</source>
        <translation>%1: 不同的数值超过 %2 个</translation>
    </message>
    <message>
        <source>%1: no such file</source>
        <translation>%1: 文件不存在</translation>
    </message>
    <message>
        <source>%1: not allowed to read it</source>
        <translation>%1: 无权读取</translation>
    </message>
    <message>
        <source>%1: a folder, not a file</source>
        <translation>%1: 是文件夹，不是文件</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1: over %2 MB, too large for a parts list</source>
        <translation>%1: 超过 %2 MB，作为元件列表过大</translation>
    </message>
    <message>
        <source>%1 takes two numbers X,Y, each from %2 to %3</source>
        <translation>%1 需要两个数 X,Y，各在 %2 到 %3 之间</translation>
    </message>
    <message>
        <source>%1 bands: %2</source>
        <translation>%1色环: %2</translation>
    </message>
    <message>
        <source>codes: %1</source>
        <translation>代码: %1</translation>
    </message>
    <message>
        <source>nearest in %1: %2 (%3) and %4 (%5)</source>
        <translation>最接近的%1值: %2 (%3) 和 %4 (%5)</translation>
    </message>
    <message>
        <source>network: %1 (%2)</source>
        <translation>网络: %1 (%2)</translation>
    </message>
    <message>
        <source>Listed apart:</source>
        <translation>单独列出:</translation>
    </message>
    <message>
        <source>Not read:</source>
        <translation>未能读取:</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行: %2</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3</source>
        <translation>%1 需要 %2 至 %3 的数</translation>
    </message>
    <message>
        <source>%1 takes LOW..HIGH in °C, each from %2 to %3, LOW not above HIGH</source>
        <translation>%1 需要以 °C 为单位的 LOW..HIGH，各在 %2 至 %3 之间，LOW 不大于 HIGH</translation>
    </message>
    <message>
        <source>%1 or %2, not both</source>
        <translation>%1 或 %2，不能同时指定</translation>
    </message>
    <message>
        <source>%1: the output must lie above the reference %2</source>
        <translation>%1: 输出必须高于基准 %2</translation>
    </message>
    <message>
        <source>worst case %1 … %2</source>
        <translation>最坏情况 %1 … %2</translation>
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
        <translation>电阻色码</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Digit</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>Multiplier</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>误差</translation>
    </message>
    <message>
        <source>no band</source>
        <translation>无色环</translation>
    </message>
    <message>
        <source>Standard values of one decade</source>
        <translation>一个十倍程的标准值</translation>
    </message>
    <message>
        <source>Offset %1 mm, %2 mm; scale %3 %, %4 %</source>
        <translation>偏移 %1 mm、%2 mm；缩放 %3 %、%4 %</translation>
    </message>
</context>
<context>
    <name>Paper</name>
    <message>
        <source>%1 cannot be written</source>
        <translation>无法写入 %1</translation>
    </message>
</context>
<context>
    <name>PartsEditor</name>
    <message>
        <source>Values read: %1</source>
        <translation>已读取的值: %1</translation>
    </message>
    <message>
        <source>My parts</source>
        <translation>我的元件</translation>
    </message>
    <message>
        <source>One value or a few a line, as 4k7 or 4,7 k; 1% after a value gives its tolerance, 5 % otherwise; # begins a comment.</source>
        <translation>每行一个或几个值，例如 4k7 或 4,7 k；值后的 1% 为其容差，否则为 5 %；# 开始注释。</translation>
    </message>
</context>
<context>
    <name>PartsFile</name>
    <message>
        <source>Not read: %1</source>
        <translation>未能读取: %1</translation>
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
        <translation>%1欧姆</translation>
    </message>
    <message>
        <source>%1 ohms</source>
        <translation>%1欧姆</translation>
    </message>
    <message>
        <source>%1 kilohm</source>
        <translation>%1千欧</translation>
    </message>
    <message>
        <source>%1 kilohms</source>
        <translation>%1千欧</translation>
    </message>
    <message>
        <source>%1 megohm</source>
        <translation>%1兆欧</translation>
    </message>
    <message>
        <source>%1 megohms</source>
        <translation>%1兆欧</translation>
    </message>
    <message>
        <source>%1 picofarad</source>
        <translation>%1皮法</translation>
    </message>
    <message>
        <source>%1 picofarads</source>
        <translation>%1皮法</translation>
    </message>
    <message>
        <source>%1 nanofarad</source>
        <translation>%1纳法</translation>
    </message>
    <message>
        <source>%1 nanofarads</source>
        <translation>%1纳法</translation>
    </message>
    <message>
        <source>%1 microfarad</source>
        <translation>%1微法</translation>
    </message>
    <message>
        <source>%1 microfarads</source>
        <translation>%1微法</translation>
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
        <translation>关于</translation>
    </message>
    <message>
        <source>Resistor and capacitor Kelvane v%1</source>
        <translation>用于电阻和电容的 Kelvane v%1</translation>
    </message>
    <message>
        <source>Free to use and share.</source>
        <translation>可自由使用和分享。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TFinder</name>
    <message>
        <source>exact</source>
        <translation>精确</translation>
    </message>
    <message>
        <source>%1 percent below</source>
        <translation>低 %1 个百分点</translation>
    </message>
    <message>
        <source>%1 percent above</source>
        <translation>高 %1 个百分点</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>串联</translation>
    </message>
    <message>
        <source>in parallel with</source>
        <translation>并联</translation>
    </message>
    <message>
        <source>Find values</source>
        <translation>查找阻值</translation>
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
        <translation>编辑我的元件(&amp;E)...</translation>
    </message>
    <message>
        <source>&amp;Networks</source>
        <translation>网络(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Divider</source>
        <translation>分压器(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>阻值(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Most parts:</source>
        <translation>最多元件数(&amp;M):</translation>
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
        <translation>最接近的标准值(&amp;R):</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>网络</translation>
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
        <translation>容差范围</translation>
    </message>
    <message>
        <source>&amp;Best networks:</source>
        <translation>最佳网络(&amp;B):</translation>
    </message>
    <message>
        <source>&amp;Input voltage:</source>
        <translation>输入电压(&amp;I):</translation>
    </message>
    <message>
        <source>&amp;Output voltage:</source>
        <translation>输出电压(&amp;O):</translation>
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
        <translation>输出</translation>
    </message>
    <message>
        <source>Output range</source>
        <translation>输出范围</translation>
    </message>
    <message>
        <source>Resistor pair&amp;s:</source>
        <translation>电阻对(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>S&amp;how bands</source>
        <translation>显示色环(&amp;H)</translation>
    </message>
    <message>
        <source>too many parts</source>
        <translation>元件太多</translation>
    </message>
    <message>
        <source>no parts: edit my parts</source>
        <translation>没有元件: 请编辑我的元件</translation>
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
        <translation>电压是大于 0 的数，例如 3,3。</translation>
    </message>
    <message>
        <source>R1 + R2 is a range of values, as 1k to 1M.</source>
        <translation>R1 + R2 是一个阻值范围，例如 1k 至 1M。</translation>
    </message>
    <message>
        <source>R1 from the input to the output, R2 from the output to ground.</source>
        <translation>R1 从输入到输出，R2 从输出到地。</translation>
    </message>
    <message>
        <source>The output must be above 0 and below the input.</source>
        <translation>输出必须大于 0 且小于输入。</translation>
    </message>
    <message>
        <source>R1 %1, R2 %2: %3 volts, %4, from %5 to %6 volts</source>
        <translation>R1 %1，R2 %2: %3 伏，%4，%5 至 %6 伏</translation>
    </message>
    <message>
        <source>not a temperature range</source>
        <translation>不是温度范围</translation>
    </message>
    <message>
        <source>not a coefficient</source>
        <translation>不是系数</translation>
    </message>
    <message>
        <source>not a tolerance</source>
        <translation>不是容差</translation>
    </message>
    <message>
        <source>, yield %1 percent, give or take %2</source>
        <translation>，良率百分之 %1，误差 %2</translation>
    </message>
    <message>
        <source>Temper&amp;ature:</source>
        <translation>温度(&amp;A):</translation>
    </message>
    <message>
        <source>to</source>
        <translation>至</translation>
    </message>
    <message>
        <source>Coefficient:</source>
        <translation>系数:</translation>
    </message>
    <message>
        <source>ppm/&amp;K</source>
        <translation>ppm/&amp;K</translation>
    </message>
    <message>
        <source>&amp;Within ±</source>
        <translation>范围(&amp;W) ±</translation>
    </message>
    <message>
        <source>Worst case</source>
        <translation>最坏情况</translation>
    </message>
    <message>
        <source>Yield</source>
        <translation>良率</translation>
    </message>
    <message>
        <source>P&amp;lain divider</source>
        <translation>普通分压器(&amp;L)</translation>
    </message>
    <message>
        <source>Re&amp;gulator, feedback pin</source>
        <translation>稳压器，反馈引脚(&amp;G)</translation>
    </message>
    <message>
        <source>Regulator, ad&amp;just pin</source>
        <translation>稳压器，调整引脚(&amp;J)</translation>
    </message>
    <message>
        <source>Vref:</source>
        <translation>Vref:</translation>
    </message>
    <message>
        <source>Pin c&amp;urrent, µA:</source>
        <translation>引脚电流 µA(&amp;U):</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2</source>
        <translation>，最坏情况 %1 至 %2</translation>
    </message>
    <message>
        <source>The reference&apos;s tolerance and the pin&apos;s current are numbers from 0, as 1.</source>
        <translation>基准的容差和引脚电流是不小于 0 的数，例如 1。</translation>
    </message>
    <message>
        <source>R1 from the output to the pin, R2 from the pin to ground.</source>
        <translation>R1 从输出到引脚，R2 从引脚到地。</translation>
    </message>
    <message>
        <source>The output must be above the reference.</source>
        <translation>输出必须高于基准。</translation>
    </message>
    <message>
        <source>, at worst from %1 to %2 volts</source>
        <translation>，最坏情况 %1 至 %2 伏</translation>
    </message>
</context>
<context>
    <name>TLabels</name>
    <message>
        <source>Labels</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>纸张</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>来源(&amp;T):</translation>
    </message>
    <message>
        <source>Typed values</source>
        <translation>输入的数值</translation>
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
        <translation>数值(&amp;V):</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>系列(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>从(&amp;F):</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>到(&amp;O):</translation>
    </message>
    <message>
        <source>S&amp;heet:</source>
        <translation>标签纸(&amp;H):</translation>
    </message>
    <message>
        <source>&amp;Bands:</source>
        <translation>色环(&amp;B):</translation>
    </message>
    <message>
        <source>4 and 5</source>
        <translation>4 和 5</translation>
    </message>
    <message>
        <source>P&amp;review...</source>
        <translation>预览(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Save as P&amp;DF...</source>
        <translation>另存为 PDF(&amp;D)...</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>没有数值</translation>
    </message>
    <message>
        <source>too many values</source>
        <translation>数值过多</translation>
    </message>
    <message>
        <source>Labels: %1, sheets: %2</source>
        <translation>标签：%1，页数：%2</translation>
    </message>
    <message>
        <source>Save labels as PDF</source>
        <translation>将标签另存为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>起始标签(&amp;L):</translation>
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
        <translation>水平缩放</translation>
    </message>
    <message>
        <source>S&amp;cale:</source>
        <translation>缩放(&amp;C):</translation>
    </message>
    <message>
        <source>Scale down</source>
        <translation>垂直缩放</translation>
    </message>
    <message>
        <source>Calibration pa&amp;ge...</source>
        <translation>校准页(&amp;G)...</translation>
    </message>
    <message>
        <source>A BOM</source>
        <translation>物料清单</translation>
    </message>
    <message>
        <source>BO&amp;M file...</source>
        <translation>物料清单(&amp;M)...</translation>
    </message>
    <message>
        <source>Labels from a BOM</source>
        <translation>从物料清单生成标签</translation>
    </message>
    <message>
        <source>Bills of materials (*.csv *.tsv *.txt);;All files (*)</source>
        <translation>物料清单 (*.csv *.tsv *.txt);;所有文件 (*)</translation>
    </message>
    <message>
        <source>no BOM file chosen</source>
        <translation>未选择物料清单文件</translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
</context>
<context>
    <name>TMainform</name>
    <message>
        <source>Click on band to <byte value="xd"/>select color</source>
        <translation>点击色环<byte value="xd"/>选择颜色</translation>
    </message>
    <message>
        <source>Band 1</source>
        <translation>第1环</translation>
    </message>
    <message>
        <source>Band 2</source>
        <translation>第2环</translation>
    </message>
    <message>
        <source>Band 3</source>
        <translation>第3环</translation>
    </message>
    <message>
        <source>Band 4</source>
        <translation>第4环</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>误差</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 4</source>
        <translation>将色环数<byte value="xd"/>设为 4</translation>
    </message>
    <message>
        <source>Set number of<byte value="xd"/>colorbands to 5</source>
        <translation>将色环数<byte value="xd"/>设为 5</translation>
    </message>
    <message>
        <source>Display component value</source>
        <translation>显示元件值</translation>
    </message>
    <message>
        <source>Select / display<byte value="xd"/> component tolerance</source>
        <translation>选择 / 显示<byte value="xd"/>元件误差</translation>
    </message>
    <message>
        <source>Enter component value</source>
        <translation>输入元件值</translation>
    </message>
    <message>
        <source>Select to multiply entered value<byte value="xd"/>with 1 M (1.000.000)</source>
        <translation>将输入值<byte value="xd"/>乘以 1 M (1,000,000)</translation>
    </message>
    <message>
        <source>Select to multiply entered <byte value="xd"/>value with 1 K (1000)</source>
        <translation>将输入值<byte value="xd"/>乘以 1 K (1000)</translation>
    </message>
    <message>
        <source>Select to multiply entered<byte value="xd"/> value with 1</source>
        <translation>将输入值<byte value="xd"/>乘以 1</translation>
    </message>
    <message>
        <source>Select to round componentvalue<byte value="xd"/>to nearest standard value. De select<byte value="xd"/>to always round up.</source>
        <translation>选中：取最接近的标称值；<byte value="xd"/>不选：总是向上取标称值。</translation>
    </message>
    <message>
        <source>Click to calculate <byte value="xd"/>colorcode</source>
        <translation>点击计算<byte value="xd"/>色码</translation>
    </message>
    <message>
        <source>Display entered value<byte value="xd"/>with right multiplier</source>
        <translation>显示乘以倍率后的<byte value="xd"/>输入值</translation>
    </message>
    <message>
        <source>Resistance</source>
        <translation>阻值</translation>
    </message>
    <message>
        <source>Capacitance</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Component</source>
        <translation>元件(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Resistor</source>
        <translation>电阻(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Capasitor</source>
        <translation>电容(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Show ToolTips</source>
        <translation>显示工具提示(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>Color code</source>
        <translation>色码</translation>
    </message>
    <message>
        <source>Drawn component</source>
        <translation>元件图示</translation>
    </message>
    <message>
        <source>Tolerance band</source>
        <translation>误差环</translation>
    </message>
    <message>
        <source>Band %1</source>
        <translation>第%1环</translation>
    </message>
    <message>
        <source>4 bands</source>
        <translation>4色环</translation>
    </message>
    <message>
        <source>5 bands</source>
        <translation>5色环</translation>
    </message>
    <message>
        <source>Enter value</source>
        <translation>输入数值</translation>
    </message>
    <message>
        <source>Component value</source>
        <translation>元件值</translation>
    </message>
    <message>
        <source>round to nearest</source>
        <translation>四舍五入</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Entered value with multiplier</source>
        <translation>乘以倍率后的输入值</translation>
    </message>
    <message>
        <source>Error converting componentvalue</source>
        <translation>元件值转换出错</translation>
    </message>
    <message>
        <source>Componentvalue must be a number between 1 and 990M</source>
        <translation>元件值必须是 1 到 990M 之间的数字</translation>
    </message>
    <message>
        <source>&amp;Markings...</source>
        <translation>标识(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Find values...</source>
        <translation>查找阻值(&amp;F)...</translation>
    </message>
    <message>
        <source>&amp;Print labels...</source>
        <translation>打印标签(&amp;P)...</translation>
    </message>
    <message>
        <source>Color code &amp;chart...</source>
        <translation>色码表(&amp;C)...</translation>
    </message>
    <message>
        <source>Color code chart</source>
        <translation>色码表</translation>
    </message>
</context>
<context>
    <name>TMarkings</name>
    <message>
        <source>Markings</source>
        <translation>标识</translation>
    </message>
    <message>
        <source>Marking</source>
        <translation>标识</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>色环</translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation>代码(&amp;C)：</translation>
    </message>
    <message>
        <source>Value:</source>
        <translation>数值：</translation>
    </message>
    <message>
        <source>Kind:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Series:</source>
        <translation>系列：</translation>
    </message>
    <message>
        <source>Codes:</source>
        <translation>代码：</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>范围：</translation>
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
        <translation>误差</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>Tselectcolor</name>
    <message>
        <source>Select color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>multiplier ×%1</source>
        <translation>倍率 ×%1</translation>
    </message>
    <message>
        <source>digit %1</source>
        <translation>有效数字 %1</translation>
    </message>
</context>
<context>
    <name>Values</name>
    <message>
        <source>not a value</source>
        <translation>不是有效数值</translation>
    </message>
    <message>
        <source>value out of range</source>
        <translation>数值超出范围</translation>
    </message>
    <message>
        <source>tolerance out of range</source>
        <translation>误差超出范围</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>not a resistor or capacitor</source>
        <translation>不是电阻或电容</translation>
    </message>
    <message>
        <source>resistor array</source>
        <translation>排阻</translation>
    </message>
    <message>
        <source>trimmer</source>
        <translation>微调元件</translation>
    </message>
    <message>
        <source>do not populate</source>
        <translation>不贴装</translation>
    </message>
    <message>
        <source>a quote not closed</source>
        <translation>引号未闭合</translation>
    </message>
    <message>
        <source>fewer fields than the header</source>
        <translation>字段少于表头</translation>
    </message>
    <message>
        <source>no reference</source>
        <translation>没有位号</translation>
    </message>
    <message>
        <source>not a reference range</source>
        <translation>不是位号范围</translation>
    </message>
    <message>
        <source>no value</source>
        <translation>缺少数值</translation>
    </message>
    <message>
        <source>quantity not that of the references</source>
        <translation>数量与位号数不符</translation>
    </message>
    <message>
        <source>%1: nothing in it</source>
        <translation>%1: 没有内容</translation>
    </message>
    <message>
        <source>%1: no bill of materials, no line names a Value or Comment column</source>
        <translation>%1: 不是物料清单，没有一行指明 Value 或 Comment 列</translation>
    </message>
    <message>
        <source>temperature coefficient out of range</source>
        <translation>温度系数超出范围</translation>
    </message>
</context>
</TS>
