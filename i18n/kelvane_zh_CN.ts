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
        <source>not a value</source>
        <translation>不是有效数值</translation>
    </message>
    <message>
        <source>band %1 cannot be %2</source>
        <translation>第%1环不能是%2</translation>
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
        <source>Select colors</source>
        <translation>请选择颜色</translation>
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
</context>
<context>
    <name>TMarkings</name>
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
        <source>not standard; nearest %1: %2 and %3</source>
        <translation>非标称值；最接近的%1值：%2 和 %3</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 或 %2</translation>
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
</TS>
