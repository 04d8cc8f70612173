<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>Category</name>
    <message>
        <source>武器</source>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>装甲</source>
        <translation>Armor</translation>
    </message>
    <message>
        <source>晶体</source>
        <translation>Implant</translation>
    </message>
</context>
<context>
    <name>ChangeWords</name>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>名字“%1”，说明“%2”</source>
        <translation>name &quot;%1&quot;, description &quot;%2&quot;</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>移动 %1：从 %2 之后 → 到 %3 之后</source>
        <translation>%1 moved: from after %2 → to after %3</translation>
    </message>
    <message>
        <source>在 %1 之后</source>
        <translation>after %1</translation>
    </message>
    <message>
        <source>最前面</source>
        <translation>the start</translation>
    </message>
    <message>
        <source>%1 %2：%3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2：%3 → %4</source>
        <translation>%1 %2: %3 → %4</translation>
    </message>
    <message>
        <source>%1：整条记录改变（%2 行 → %3 行）</source>
        <translation>%1: the whole record changes (%2 lines → %3 lines)</translation>
    </message>
    <message>
        <source>新增 %1，在 %2 之后</source>
        <translation>added %1, after %2</translation>
    </message>
    <message>
        <source>新增 %1，在文件开头</source>
        <translation>added %1, at the start of the file</translation>
    </message>
    <message>
        <source>删除 %1</source>
        <translation>removed %1</translation>
    </message>
    <message>
        <source>新增名字记录 &lt;%1&gt;：%2</source>
        <translation>added name record &lt;%1&gt;: %2</translation>
    </message>
    <message>
        <source>删除名字记录 &lt;%1&gt;</source>
        <translation>removed name record &lt;%1&gt;</translation>
    </message>
    <message>
        <source>名字记录 &lt;%1&gt;：%2 → %3</source>
        <translation>name record &lt;%1&gt;: %2 → %3</translation>
    </message>
    <message>
        <source>%1 行</source>
        <translation>%1 lines</translation>
    </message>
    <message>
        <source>冲突：%1；文件中现在是 %2</source>
        <translation>conflict: %1; the file now holds %2</translation>
    </message>
    <message>
        <source>整条记录</source>
        <translation>whole record</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>added</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>removed</translation>
    </message>
    <message>
        <source>名字记录</source>
        <translation>name record</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>place</translation>
    </message>
</context>
<context>
    <name>ChartWords</name>
    <message>
        <source>原版%1</source>
        <translation>Shipped %1</translation>
    </message>
    <message>
        <source>离群点</source>
        <translation>Outlier</translation>
    </message>
    <message>
        <source>是</source>
        <translation>yes</translation>
    </message>
</context>
<context>
    <name>CheckWords</name>
    <message>
        <source>%1：</source>
        <translation>%1: </translation>
    </message>
    <message>
        <source>警告：</source>
        <translation>warning: </translation>
    </message>
</context>
<context>
    <name>Choice</name>
    <message>
        <source>0=拳头</source>
        <translation>0 = fist</translation>
    </message>
    <message>
        <source>1=手枪</source>
        <translation>1 = pistol</translation>
    </message>
    <message>
        <source>2=散弹</source>
        <translation>2 = shotgun</translation>
    </message>
    <message>
        <source>3=机枪</source>
        <translation>3 = machine gun</translation>
    </message>
    <message>
        <source>4=火箭</source>
        <translation>4 = rocket launcher</translation>
    </message>
    <message>
        <source>5=能量</source>
        <translation>5 = energy weapon</translation>
    </message>
    <message>
        <source>手枪弹 Ammo_pistol</source>
        <translation>Pistol rounds (Ammo_pistol)</translation>
    </message>
    <message>
        <source>散弹&#x3000; Ammo_shotgun</source>
        <translation>Shotgun shells (Ammo_shotgun)</translation>
    </message>
    <message>
        <source>机枪弹 Ammo_minigun</source>
        <translation>Machine gun rounds (Ammo_minigun)</translation>
    </message>
    <message>
        <source>火箭弹 Ammo_rocket</source>
        <translation>Rockets (Ammo_rocket)</translation>
    </message>
    <message>
        <source>榴弹&#x3000; Ammo_granate</source>
        <translation>Grenades (Ammo_granate)</translation>
    </message>
    <message>
        <source>能量罐 Ammo_energy</source>
        <translation>Energy cells (Ammo_energy)</translation>
    </message>
    <message>
        <source>燃料罐 Ammo_ballon</source>
        <translation>Fuel canisters (Ammo_ballon)</translation>
    </message>
    <message>
        <source>无限１ Ammo_pistol_infinite</source>
        <translation>Infinite 1 (Ammo_pistol_infinite)</translation>
    </message>
    <message>
        <source>无限２ Ammo_energy_infinite</source>
        <translation>Infinite 2 (Ammo_energy_infinite)</translation>
    </message>
    <message>
        <source>手&#x3000;&#x3000; Ammo_hand</source>
        <translation>Hand (Ammo_hand)</translation>
    </message>
    <message>
        <source>800  子弹（小）</source>
        <translation>800: bullet (small)</translation>
    </message>
    <message>
        <source>801  子弹（大）</source>
        <translation>801: bullet (large)</translation>
    </message>
    <message>
        <source>134  榴弹</source>
        <translation>134: grenade</translation>
    </message>
    <message>
        <source>203  照明弹</source>
        <translation>203: flare</translation>
    </message>
    <message>
        <source>3027 蓝射线</source>
        <translation>3027: blue beam</translation>
    </message>
    <message>
        <source>3050 绿射线（小）</source>
        <translation>3050: green beam (small)</translation>
    </message>
    <message>
        <source>112  绿射线（大）</source>
        <translation>112: green beam (large)</translation>
    </message>
    <message>
        <source>129  红射线</source>
        <translation>129: red beam</translation>
    </message>
    <message>
        <source>231  红射线</source>
        <translation>231: red beam</translation>
    </message>
    <message>
        <source>222  火箭弹（慢）</source>
        <translation>222: rocket (slow)</translation>
    </message>
    <message>
        <source>113  火箭弹（中）</source>
        <translation>113: rocket (medium)</translation>
    </message>
    <message>
        <source>236  火箭弹（中快）</source>
        <translation>236: rocket (medium fast)</translation>
    </message>
    <message>
        <source>238  火箭弹（快）</source>
        <translation>238: rocket (fast)</translation>
    </message>
    <message>
        <source>139  火箭弹（跟踪）</source>
        <translation>139: rocket (homing)</translation>
    </message>
    <message>
        <source>214  火箭弹（核弹）</source>
        <translation>214: rocket (nuclear)</translation>
    </message>
    <message>
        <source>1392 火焰（小）</source>
        <translation>1392: flame (small)</translation>
    </message>
    <message>
        <source>1343 火焰（大）</source>
        <translation>1343: flame (large)</translation>
    </message>
    <message>
        <source>1411 离子炮（小）</source>
        <translation>1411: ion cannon (small)</translation>
    </message>
    <message>
        <source>1376 离子炮（中）</source>
        <translation>1376: ion cannon (medium)</translation>
    </message>
    <message>
        <source>1375 离子炮（大）</source>
        <translation>1375: ion cannon (large)</translation>
    </message>
    <message>
        <source>1386 缩小光波</source>
        <translation>1386: shrinking wave</translation>
    </message>
    <message>
        <source>1395 冷冻气体</source>
        <translation>1395: freezing gas</translation>
    </message>
    <message>
        <source>200  手</source>
        <translation>200: hand</translation>
    </message>
</context>
<context>
    <name>CommandWords</name>
    <message>
        <source>%1:%2: 这一行有游戏文件的编码无法识别的字节，补丁无法带上它。</source>
        <translation>%1:%2: this line holds bytes the game files&apos; code page cannot decode; a patch cannot carry it.</translation>
    </message>
    <message>
        <source>%1: 记录之外的行（注释、空行）不同；它们不属于任何物品，补丁不带这些行。</source>
        <translation>%1: lines outside the records (comments, blank lines) differ; they belong to no item, and no patch carries them.</translation>
    </message>
    <message>
        <source>已是新的值：</source>
        <translation>already the new value: </translation>
    </message>
    <message>
        <source>将修改：</source>
        <translation>would change: </translation>
    </message>
    <message>
        <source>修改：</source>
        <translation>changed: </translation>
    </message>
    <message>
        <source>没有写入任何内容，文件保持原样。
</source>
        <translation>Nothing was written; the files are as they were.
</translation>
    </message>
    <message>
        <source>%1:%2: 这一行中有单独的回车符或换行符，补丁无法带上它。</source>
        <translation>%1:%2: this line holds a lone carriage return or line feed; a patch cannot carry it.</translation>
    </message>
    <message>
        <source>“%1”是规则的计算列，不导入。</source>
        <translation>&quot;%1&quot; is a computed column of the rules; it is not imported.</translation>
    </message>
</context>
<context>
    <name>DialogWords</name>
    <message>
        <source>用户取消了操作。</source>
        <translation>The user cancelled the operation.</translation>
    </message>
</context>
<context>
    <name>EditorKey</name>
    <message>
        <source>文件</source>
        <translation>File</translation>
    </message>
    <message>
        <source>编辑</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>物品</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>打开游戏文件夹…</source>
        <translation>Open game folder…</translation>
    </message>
    <message>
        <source>与原版比较…</source>
        <translation>Compare with original…</translation>
    </message>
    <message>
        <source>导出补丁…</source>
        <translation>Export patch…</translation>
    </message>
    <message>
        <source>应用补丁…</source>
        <translation>Apply patch…</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>修改记录…</source>
        <translation>Change history…</translation>
    </message>
    <message>
        <source>查找物品…</source>
        <translation>Find item…</translation>
    </message>
    <message>
        <source>复制为新物品…</source>
        <translation>Copy as new item…</translation>
    </message>
    <message>
        <source>删除物品…</source>
        <translation>Delete item…</translation>
    </message>
    <message>
        <source>重命名…</source>
        <translation>Rename…</translation>
    </message>
    <message>
        <source>编辑名字和说明…</source>
        <translation>Edit name and description…</translation>
    </message>
    <message>
        <source>表格…</source>
        <translation>Table…</translation>
    </message>
    <message>
        <source>检查游戏文件夹…</source>
        <translation>Check game folder…</translation>
    </message>
    <message>
        <source>与原版的差异…</source>
        <translation>Differences from original…</translation>
    </message>
    <message>
        <source>快捷键…</source>
        <translation>Keyboard shortcuts…</translation>
    </message>
    <message>
        <source>关于…</source>
        <translation>About…</translation>
    </message>
    <message>
        <source>Language：改用 English</source>
        <translation>Language: switch to 中文</translation>
    </message>
    <message>
        <source>规则…</source>
        <translation>Rules…</translation>
    </message>
    <message>
        <source>合并模组…</source>
        <translation>Merge mods…</translation>
    </message>
    <message>
        <source>图表…</source>
        <translation>Chart…</translation>
    </message>
</context>
<context>
    <name>Field</name>
    <message>
        <source>可购买关卡</source>
        <translation>Buyable from stage</translation>
    </message>
    <message>
        <source>最小伤害值、最大伤害值</source>
        <translation>Minimum, maximum damage</translation>
    </message>
    <message>
        <source>发射间隔、换弹时间</source>
        <translation>Shot interval, reload time</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>该武器的宽度、高度</source>
        <translation>Width, height of the weapon</translation>
    </message>
    <message>
        <source>要求熟练度</source>
        <translation>Skill required</translation>
    </message>
    <message>
        <source>退怪距离</source>
        <translation>Knockback</translation>
    </message>
    <message>
        <source>杀伤半径</source>
        <translation>Blast radius</translation>
    </message>
    <message>
        <source>弹夹装弹数</source>
        <translation>Clip size</translation>
    </message>
    <message>
        <source>精确度</source>
        <translation>Accuracy</translation>
    </message>
    <message>
        <source>每枪发出子弹数、减少子弹数<byte value="xd"/>
</source>
        <translation>Bullets fired, ammo used per shot</translation>
    </message>
    <message>
        <source>碎尸概率</source>
        <translation>Gib chance</translation>
    </message>
    <message>
        <source>在地上时的图片</source>
        <translation>Picture on the ground</translation>
    </message>
    <message>
        <source>在菜单时的图片</source>
        <translation>Picture in the menu</translation>
    </message>
    <message>
        <source>握枪造型</source>
        <translation>Holding pose</translation>
    </message>
    <message>
        <source>弹出的弹壳</source>
        <translation>Ejected shell</translation>
    </message>
    <message>
        <source>枪声</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>该武器类别</source>
        <translation>Weapon class</translation>
    </message>
    <message>
        <source>使用弹药种类</source>
        <translation>Ammunition type</translation>
    </message>
    <message>
        <source>发射子弹种类</source>
        <translation>Projectile type</translation>
    </message>
    <message>
        <source>耐久</source>
        <translation>Durability</translation>
    </message>
    <message>
        <source>抵消伤害百分比</source>
        <translation>Damage absorbed (%)</translation>
    </message>
    <message>
        <source>该装甲的宽度、高度</source>
        <translation>Width, height of the armor</translation>
    </message>
    <message>
        <source>使用时的装甲造型</source>
        <translation>Look when worn</translation>
    </message>
    <message>
        <source>商店出售个数</source>
        <translation>Number sold in shop</translation>
    </message>
    <message>
        <source>属性个数</source>
        <translation>Number of attributes</translation>
    </message>
    <message>
        <source>要求的智力</source>
        <translation>Intelligence required</translation>
    </message>
    <message>
        <source>属性值随机范围</source>
        <translation>Attribute value range</translation>
    </message>
    <message>
        <source>最小伤害值</source>
        <translation>Minimum damage</translation>
    </message>
    <message>
        <source>最大伤害值</source>
        <translation>Maximum damage</translation>
    </message>
    <message>
        <source>发射间隔</source>
        <translation>Shot interval</translation>
    </message>
    <message>
        <source>换弹时间</source>
        <translation>Reload time</translation>
    </message>
    <message>
        <source>该武器的宽度</source>
        <translation>Width of the weapon</translation>
    </message>
    <message>
        <source>该武器的高度</source>
        <translation>Height of the weapon</translation>
    </message>
    <message>
        <source>每枪发出子弹数</source>
        <translation>Bullets per shot</translation>
    </message>
    <message>
        <source>减少子弹数</source>
        <translation>Ammo used per shot</translation>
    </message>
    <message>
        <source>该装甲的宽度</source>
        <translation>Width of the armor</translation>
    </message>
    <message>
        <source>该装甲的高度</source>
        <translation>Height of the armor</translation>
    </message>
    <message>
        <source>属性值随机下限</source>
        <translation>Attribute value minimum</translation>
    </message>
    <message>
        <source>属性值随机上限</source>
        <translation>Attribute value maximum</translation>
    </message>
</context>
<context>
    <name>FieldHelp</name>
    <message>
        <source>在X关时可以买到，改成2的话第一个商店就能买到</source>
        <translation>Can be bought from stage X; 2 puts it in the first shop</translation>
    </message>
    <message>
        <source>武器占地，X是横向 Y是纵向 比如2 3就是宽2格高3格</source>
        <translation>Inventory space, X across and Y down: 2 3 is 2 cells wide and 3 high</translation>
    </message>
    <message>
        <source>需要技能等级</source>
        <translation>Skill level needed</translation>
    </message>
    <message>
        <source>价格</source>
        <translation>Price</translation>
    </message>
    <message>
        <source>:最小-最大伤害值</source>
        <translation>: minimum-maximum damage</translation>
    </message>
    <message>
        <source>X=每两发间隔时间 Y=换弹夹所需时间</source>
        <translation>X = time between two shots, Y = time to change the clip</translation>
    </message>
    <message>
        <source>损伤半径,X越大范围越大</source>
        <translation>Damage radius: the larger X, the larger the area</translation>
    </message>
    <message>
        <source>一个弹夹装弹数</source>
        <translation>Rounds in one clip</translation>
    </message>
    <message>
        <source>精度，越大越不准</source>
        <translation>Spread: the larger, the less accurate</translation>
    </message>
    <message>
        <source>X是每一枪发出子弹数，<byte value="xd"/>
Y是<byte value="xd"/>
开一枪减少多少子弹<byte value="xd"/>
</source>
        <translation>X is the number of bullets each shot fires,<byte value="xd"/>
Y is<byte value="xd"/>
the ammunition one shot uses<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>武器类别，0=拳头，1=手枪 2=散弹 3=机枪 4=火箭 5-能量</source>
        <translation>Weapon class: 0 = fist, 1 = pistol, 2 = shotgun, 3 = machine gun, 4 = rocket, 5 = energy</translation>
    </message>
    <message>
        <source>使用弹药种类</source>
        <translation>Ammunition it uses</translation>
    </message>
    <message>
        <source>发射子弹种类</source>
        <translation>Projectile it fires</translation>
    </message>
    <message>
        <source>减一为大图</source>
        <translation>One less is the large picture</translation>
    </message>
</context>
<context>
    <name>FieldMarks</name>
    <message>
        <source>原版：%1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>无</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>FileWords</name>
    <message>
        <source>补丁 (*.patch);;所有文件 (*)</source>
        <translation>Patches (*.patch);;All files (*)</translation>
    </message>
    <message>
        <source>应用补丁</source>
        <translation>Apply patch</translation>
    </message>
    <message>
        <source>应用补丁 %1</source>
        <translation>Apply patch %1</translation>
    </message>
    <message>
        <source>导出补丁</source>
        <translation>Export patch</translation>
    </message>
    <message>
        <source>导入 CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv);;所有文件 (*)</source>
        <translation>CSV (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>导入 CSV：%1</source>
        <translation>Import CSV: %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>list 游戏文件夹 [类别]</source>
        <translation>list GAME_FOLDER [CATEGORY]</translation>
    </message>
    <message>
        <source>按文件中的顺序列出物品（与窗口的物品列表相同），每个一行：
类别、编号、名字，用制表符分开。</source>
        <translation>Lists the items in file order (as the window&apos;s item list does), one per line:
category, id and name, separated by tabs.</translation>
    </message>
    <message>
        <source>get 游戏文件夹 物品 键 [--nth K]</source>
        <translation>get GAME_FOLDER ITEM KEY [--nth K]</translation>
    </message>
    <message>
        <source>显示物品记录中这个键的完整的值。</source>
        <translation>Prints the whole value of this key in the item&apos;s record.</translation>
    </message>
    <message>
        <source>set 游戏文件夹 物品 键 (值 | --calc 算式) [--nth K] [--dry-run]</source>
        <translation>set GAME_FOLDER ITEMS KEY (VALUE | --calc EXPRESSION) [--nth K] [--dry-run]</translation>
    </message>
    <message>
        <source>修改物品这个键的值，规则和拒绝与在窗口中输入这个字段时相同；
物品可以是模式：* 和 ? 匹配编号中的任意几个和任意一个字符（weapon/shotgun_*）。
--calc 对值中的每个数做表格的算术：*1.1、+5 或 -5，保留原来的小数位数。
所有修改一次原子地保存；每个修改输出一行：物品、键、旧值、新值。
--dry-run 把修改作为补丁输出，不写入。</source>
        <translation>Changes the item&apos;s value of this key, by the rules and refusals of typing into its field;
ITEMS may be a pattern: * and ? stand for any characters of the id and any one (weapon/shotgun_*).
--calc does the table&apos;s arithmetic on every number of the value: *1.1, +5 or -5, keeping its decimals.
All changes are saved at once, atomically; each prints one line: item, key, old value, new value.
--dry-run prints the changes as a patch and writes nothing.</translation>
    </message>
    <message>
        <source>check 游戏文件夹 [--json]</source>
        <translation>check GAME_FOLDER [--json]</translation>
    </message>
    <message>
        <source>diff 原版文件夹 文件夹 [--json | --patch]</source>
        <translation>diff BASE_FOLDER FOLDER [--json | --patch]</translation>
    </message>
    <message>
        <source>列出文件夹相对原版文件夹的修改，每个一行；--json 输出 JSON 数组，
--patch 输出补丁文件。两个文件夹的记录和名字记录相同时退出码是 0，不同时是 1，
读不了文件夹时是 3。</source>
        <translation>Lists what FOLDER changes against BASE_FOLDER, one change per line; --json prints a JSON array,
--patch a patch file. The exit status is 0 when both hold the same records and name records, 1 otherwise,
3 when a folder cannot be read.</translation>
    </message>
    <message>
        <source>apply 文件夹 补丁 [--dry-run] [--skip-conflicts] [--rejects 文件]</source>
        <translation>apply FOLDER PATCH [--dry-run] [--skip-conflicts] [--rejects FILE]</translation>
    </message>
    <message>
        <source>把补丁应用到文件夹（三方合并：文件中是旧值才修改，已是新值就算完成）。
有冲突时什么都不写；--skip-conflicts 写入其余的修改，--rejects 把冲突的修改
写成补丁文件（没有冲突时是不含修改的补丁）。--dry-run 只列出将要做的修改。</source>
        <translation>Applies the patch to the folder, three-way: a change is made where the file holds its old value,
and counts as done where it holds the new one. On a conflict nothing is written; --skip-conflicts
writes the rest, --rejects also writes the conflicting changes to FILE as a patch (one without changes when none conflicts). --dry-run only lists the changes.</translation>
    </message>
    <message>
        <source>export 文件夹 类别 [文件.csv]</source>
        <translation>export FOLDER CATEGORY [FILE.csv]</translation>
    </message>
    <message>
        <source>把一个类别的物品写成 CSV 表格（UTF-8，带 BOM）；不给文件时写到标准输出。</source>
        <translation>Writes a category&apos;s items as a CSV sheet (UTF-8 with a BOM); to standard output when no file is given.</translation>
    </message>
    <message>
        <source>import 文件夹 类别 文件.csv [--dry-run]</source>
        <translation>import FOLDER CATEGORY FILE.csv [--dry-run]</translation>
    </message>
    <message>
        <source>按 CSV 表格修改物品：按引用对行，按标题或键对列，规则与在表格中输入相同；
有任何问题时什么都不写。--dry-run 只列出将要做的修改。</source>
        <translation>Changes items by a CSV sheet: rows by reference, columns by caption or key, by the rules of typing into the table;
with any problem nothing is written. --dry-run only lists the changes.</translation>
    </message>
    <message>
        <source>显示本帮助。</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>显示版本。</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>  weapon-editor [游戏文件夹]
      打开编辑器窗口；给出游戏文件夹时，打开其中的 weapon.cfg。
</source>
        <translation>  weapon-editor [GAME_FOLDER]
      Opens the editor&apos;s window; given a game folder, opens its weapon.cfg.
</translation>
    </message>
    <message>
        <source>
第一个参数是下面的命令时，不开窗口，在命令行完成：

</source>
        <translation>
With one of these commands as the first argument, no window opens and the command line does the work:

</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>  weapon-editor [--base 原版文件夹] [--rules 规则文件]... [--code-page 代码页] [--lang en]
                [游戏文件夹]
</source>
        <translation>  weapon-editor [--base BASE_FOLDER] [--rules RULES_FILE]... [--code-page CODE_PAGE] [--lang en]
                [GAME_FOLDER]
</translation>
    </message>
    <message>
        <source>检查游戏文件夹，每个问题一行：“文件:行: 说明”（整个文件的问题是“文件: 说明”）；
--json 时输出 JSON 数组，每项有 file、line（整个文件为 0）、code、message。
规则文件的检查也在其中，带上检查的代码；有规则文件时每项还有 severity，
规则的问题有 rule（规则文件和行）。只有警告时退出码是 0。</source>
        <translation>Checks the game folder, one problem per line: &quot;FILE:LINE: message&quot; (&quot;FILE: message&quot; for the whole file);
with --json a JSON array whose entries have file, line (0 for the whole file), code and message.
The rules files&apos; checks are among them, with the check&apos;s code; with a rules file every entry
also has severity, and a rule&apos;s problem has rule (the rules file and line). Warnings alone exit 0.</translation>
    </message>
    <message>
        <source>columns 文件夹 类别 [--json | --csv]</source>
        <translation>columns FOLDER CATEGORY [--json | --csv]</translation>
    </message>
    <message>
        <source>列出一个类别的物品，每个一行：引用、名字、各字段和规则的计算列，
用制表符分开；--json 输出 JSON 数组，--csv 输出与 export 相同的表格。</source>
        <translation>Lists a category&apos;s items, one per line: reference, name, each field and the rules&apos; computed
columns, separated by tabs; --json prints a JSON array, --csv the same sheet as export.</translation>
    </message>
    <message>
        <source>run 文件夹 配方 [--dry-run] [--patch]</source>
        <translation>run FOLDER RECIPE [--dry-run] [--patch]</translation>
    </message>
    <message>
        <source>运行规则文件中的配方，像 set 一样一次原子地保存它的所有修改，
每个修改输出一行：物品、键、旧值、新值；配方有任何问题时什么都不写。
--dry-run 只列出修改，--patch 把修改作为补丁输出，都不写入。</source>
        <translation>Runs a recipe of the rules files and saves all its changes in one atomic save, as set does,
one line per change: item, key, old value, new value; a recipe with any problem writes nothing.
--dry-run only lists the changes, --patch prints them as a patch; neither writes.</translation>
    </message>
    <message>
        <source>rules 文件夹</source>
        <translation>rules FOLDER</translation>
    </message>
    <message>
        <source>列出规则文件定义的计算列、检查和配方（文件:行），以及规则文件的错误；
有错误时退出码是 1。</source>
        <translation>Lists the computed columns, checks and recipes the rules files define (FILE:LINE), and the
rules files&apos; errors; exits 1 when there is an error.</translation>
    </message>
    <message>
        <source>
游戏文件夹中的 weapon-rules.lua 是模组的规则（Lua）：计算列、检查和配方。
--rules 文件：再读这个规则文件（可以写多次，按顺序读），--base 原版文件夹：
规则中 item.base 读的文件夹；两者都可以写在任何位置。diff 和 apply 不用规则。
规则文件有错误时，命令照常进行，错误写到标准错误。
</source>
        <translation>
weapon-rules.lua in the game folder holds the mod&apos;s rules (Lua): computed columns, checks and
recipes. --rules FILE: read this rules file too (may be given several times, read in order);
--base ORIGINAL: the folder item.base reads in rules; both may stand anywhere. diff and apply
use no rules. With an error in a rules file, commands go on, the error on standard error.
</translation>
    </message>
    <message>
        <source>merge 原版文件夹 模组... (--into 新文件夹 | --patch | --json) [--strict] [--choices 文件]</source>
        <translation>merge BASE_FOLDER MOD... (--into NEW_FOLDER | --patch | --json) [--strict] [--choices FILE]</translation>
    </message>
    <message>
        <source>合并模组列表：模组是游戏文件夹或补丁文件，按优先级从低到高排列，后面的胜出。
逐个键、记录、名字记录、位置和图片合并；每个冲突输出一行：物品、内容、
每个模组的值（= 表示与原版相同）、胜出的模组序号。--into 把合并结果写到
新的或空的文件夹（只写 weapon.cfg、Text/Weapon.txt 和 Images/weapon），
--patch 把合并结果作为相对原版的补丁输出，--json 输出每个决定（只有它时
什么都不写）。--strict 有冲突时什么都不写；--choices 文件：每行一个冲突
（它输出的那一行的前两列）、制表符和胜出的模组序号。
没有冲突时退出码是 0，有冲突时是 1（合并结果照样写出，除非 --strict）。</source>
        <translation>Merges a mod list: each mod a game folder or a patch file, lowest priority first; a later one wins.
Merged per key, record, name record, place and picture; each conflict prints one line: item, what,
each mod&apos;s value (= for the same as the base) and the number of the mod that wins. --into writes the
merge to a new or empty folder (weapon.cfg, Text/Weapon.txt and Images/weapon only),
--patch prints it as one patch against the base, --json prints every decision (alone, it
writes nothing). --strict writes nothing on a conflict; --choices FILE: one conflict a line
(the first two columns of its line), a tab and the number of the mod that wins.
Exit status 0 without conflicts, 1 with conflicts (the merge is still written unless --strict).</translation>
    </message>
    <message>
        <source>
物品写成“类别/编号”，类别是 weapon、armor 或 implant，例如 weapon/heand。
几条记录编号相同时，--nth K 选按文件顺序的第 K 条（从 1 数起），默认第一条；
也可以写成“类别/编号#K”，例如 weapon/dup#2。编号中的 #、*、? 和 \ 写成
\#、\*、\? 和 \\。
键是 weapon.cfg 中的键，例如 Cost、Damage、Class。
补丁文件、模组列表和 CSV 表格的格式见 README。合并几个模组用 merge。
--code-page 代码页：按这个代码页读写 weapon.cfg 和 Weapon.txt，可以写在命令行的
任何位置，窗口和每个命令都一样。代码页是 %1 之一；
默认是系统的 ANSI 代码页（Windows 以外是 GBK）。
--lang en：界面、帮助和消息用英文（--lang zh 用中文，这是默认），同样可以写在
任何位置。
以 - 开头的值（例如负数）照常写；写在 -- 之后的参数都不作选项。
要在窗口中打开名字和命令相同的文件夹，请写成路径，例如 ./list。

输出是 UTF-8，消息写到标准错误。
退出码：0 成功；1 操作被拒绝，或 check 发现了问题；2 用法错误；3 输出无法写出。
</source>
        <translation>
An item is written CATEGORY/ID, the category one of weapon, armor or implant: weapon/heand.
Where several records share an id, --nth K picks the K-th in file order (from 1), the first by default;
so does CATEGORY/ID#K, as in weapon/dup#2. In an id, #, *, ? and \ are written
\#, \*, \? and \\.
A key is a key of weapon.cfg: Cost, Damage, Class, ...
The README describes the patch file, the mod list and the CSV sheet. To merge several mods, use merge.
--code-page CODE_PAGE: reads and writes weapon.cfg and Weapon.txt in this code page, anywhere on
the command line, for the window and every command. The code page is one of %1;
the default is the system&apos;s ANSI code page (GBK off Windows).
--lang en: the interface, the help and the messages in English (--lang zh: in Chinese, the default),
anywhere on the command line too.
A value that begins with - (a negative number) is written as it is; after -- no argument is an option.
To open a folder named like a command in the window, write it as a path: ./list.

Output is UTF-8; messages go to standard error.
Exit status: 0 success; 1 refused, or check found problems; 2 arguments not as the usage says;
3 output that could not be written.
</translation>
    </message>
</context>
<context>
    <name>HelpWords</name>
    <message>
        <source>编辑器增加的操作和快捷键（也都在菜单中）：
</source>
        <translation>The actions and keys the editor adds (all of them also in the menus):
</translation>
    </message>
    <message>
        <source> 或 </source>
        <translation> or </translation>
    </message>
    <message>
        <source>（焦点在物品列表中时，也在列表的右键菜单中）</source>
        <translation> (while the item list has the focus; also in its context menu)</translation>
    </message>
    <message>
        <source>规则
  文件：游戏文件夹中的 weapon-rules.lua（Lua 5.4）在打开文件夹时读入；--rules 文件（可写多次）按顺序再读入别的规则文件。规则文件被修改后会自动重新读取，撤销记录不受影响。
  三种规则：column 计算列（表达式或函数）；check 检查（返回 true 表示没有问题，false 或一段文字表示有问题；key 指出所查的字段，severity = &quot;warning&quot; 为警告）；recipe 配方（按需运行的批量修改）。
  物品：item.id、item.ref、item.category、item.name、item.description；按键名读字段（数字、两个数的表、文字，没有时为 nil）；item:raw(键)、item.columns[名字]、item.base（原版中的同一物品：--base 或“与原版比较…”给出的文件夹）。配方中用 game:items(模式) 和 game:item(引用)，给字段赋值即是修改。
  安全：规则在沙箱中运行，只有 string、table、math、utf8 和安全的基本函数，不能读写文件，也不能运行程序；每次运行有步数上限，整体有内存上限，超过即停止并指出规则和行号。
  规则出现在：检查游戏文件夹（F7）列出检查的问题和规则文件的错误；工具 → 规则… 列出计算列、检查、配方和错误，运行配方先预览修改，应用后是一步撤销；表格（Ctrl+T）显示计算列；命令行的 check、columns、run 和 rules 也使用规则。
</source>
        <translation>Rules
  The file: weapon-rules.lua in the game folder (Lua 5.4) is read when the folder opens; --rules FILE (as often as wanted) reads more rules files after it, in order. A rules file that changes is read again by itself; the history is not touched.
  Three kinds of rule: column, a computed column (an expression or a function); check, a check (true when the item is fine, false or a message when it is not; key names the field it judges, severity = &quot;warning&quot; makes it a warning); recipe, a batch edit run on request.
  The item: item.id, item.ref, item.category, item.name, item.description; each field by its key (a number, a table of two numbers, a text; nil when missing); item:raw(KEY), item.columns[NAME], item.base (the same item as shipped: the folder of --base or of “Compare with original…”). In a recipe, game:items(PATTERN) and game:item(REF); assigning a field is a change.
  Safety: rules run in a sandbox with only string, table, math, utf8 and the safe base functions; they cannot read or write files or run programs; each run has a budget of steps and the whole a memory limit, and a rule that goes past them is stopped, named with its line.
  Where rules show: the folder check (F7) lists the checks&apos; problems and the rules files&apos; errors; Tools → Rules… lists the columns, checks, recipes and errors, and a recipe run shows its changes first, then is one undo step; the table (Ctrl+T) shows the computed columns; the commands check, columns, run and rules use them too.
</translation>
    </message>
</context>
<context>
    <name>Manual</name>
    <message>
        <source>用法</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>命令</source>
        <translation>COMMANDS</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>FILES</translation>
    </message>
    <message>
        <source>游戏文件夹中的 weapon.cfg：武器、装甲和晶体的数据。
游戏文件夹中的 Text/Weapon.txt：物品的名字和说明。
游戏文件夹中的 Images/weapon/*.tga：物品的图片。
两个数据文件按游戏的代码页读写（--code-page），每次修改原子地保存。</source>
        <translation>weapon.cfg in the game folder: the data of the weapons, armors and implants.
Text/Weapon.txt in the game folder: the items&apos; names and descriptions.
Images/weapon/*.tga in the game folder: the items&apos; pictures.
Both data files are read and written in the game&apos;s code page (--code-page); every change is saved atomically.</translation>
    </message>
    <message>
        <source>列出一个游戏文件夹的武器：
    weapon-editor list ~/game weapon
把所有霰弹枪的价格提高 10%，先看将要做的修改：
    weapon-editor set ~/game &apos;weapon/shotgun_*&apos; Cost --calc &apos;*1.1&apos; --dry-run
把模组和原版的差异写成补丁，再应用到另一个文件夹：
    weapon-editor diff ~/original ~/mod --patch &gt; mod.patch
    weapon-editor apply ~/game mod.patch
用英文界面打开编辑器窗口，与原版比较：
    weapon-editor --lang en --base ~/original ~/game</source>
        <translation>List the weapons of a game folder:
    weapon-editor list ~/game weapon
Raise the price of every shotgun by 10%, seeing the changes first:
    weapon-editor set ~/game &apos;weapon/shotgun_*&apos; Cost --calc &apos;*1.1&apos; --dry-run
Write what a mod changes against the game as shipped as a patch, and apply it to another folder:
    weapon-editor diff ~/original ~/mod --patch &gt; mod.patch
    weapon-editor apply ~/game mod.patch
Open the editor&apos;s window in English, compared with the game as shipped:
    weapon-editor --lang en --base ~/original ~/game</translation>
    </message>
    <message>
        <source>例子</source>
        <translation>EXAMPLES</translation>
    </message>
    <message>
        <source>用户命令</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>weapon\-editor \- 编辑游戏文件夹中 weapon.cfg 的武器、装甲和晶体数据
</source>
        <translation>weapon\-editor \- edit the weapons, armors and implants of a game folder&apos;s weapon.cfg
</translation>
    </message>
    <message>
        <source>描述</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>不给命令时打开编辑器窗口：每个字段的修改立刻原子地保存到游戏文件中，
文件中其余的字节保持原样。给出命令时，不开窗口，在命令行完成。</source>
        <translation>Without a command, opens the editor&apos;s window: every change of a field is saved at once, atomically,
into the game&apos;s files, every other byte of them kept. With a command, no window opens and the command line does the work.</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>DETAILS</translation>
    </message>
</context>
<context>
    <name>MergeCommandWords</name>
    <message>
        <source>合并结果已写到“%1”：%2 处修改，模组的 %3 个图片。
</source>
        <translation>The merge is written to &quot;%1&quot;: %2 changes, %3 pictures of the mods.
</translation>
    </message>
    <message>
        <source>模组 %1：</source>
        <translation>Mod %1: </translation>
    </message>
    <message>
        <source>有 %1 个冲突没有选择胜出者（--strict）：什么都没有写。</source>
        <translation>%1 conflicts have no chosen winner (--strict): nothing was written.</translation>
    </message>
</context>
<context>
    <name>MergeWords</name>
    <message>
        <source>“%1”和“%2”是同一个模组，列表中只能有一次。</source>
        <translation>&quot;%1&quot; and &quot;%2&quot; are the same mod; the list may hold it once.</translation>
    </message>
    <message>
        <source>“%1”就是原版文件夹，不能作为模组。</source>
        <translation>&quot;%1&quot; is the base folder itself; it cannot be a mod.</translation>
    </message>
    <message>
        <source>“%1”已经存在且不是空文件夹；合并结果只写到新的或空的文件夹。</source>
        <translation>&quot;%1&quot; exists and is not an empty folder; a merge is written only to a new or empty folder.</translation>
    </message>
    <message>
        <source>“%1”在输入“%2”之中；合并结果不能写到输入的文件夹里。</source>
        <translation>&quot;%1&quot; is inside the input &quot;%2&quot;; a merge cannot be written into an input&apos;s folder.</translation>
    </message>
    <message>
        <source>文件不是 UTF-8 文本。</source>
        <translation>the file is not UTF-8 text.</translation>
    </message>
    <message>
        <source>第一行应为“weapon-editor mod list 1”，这不是模组列表文件。</source>
        <translation>the first line should be &quot;weapon-editor mod list 1&quot;; this is not a mod list file.</translation>
    </message>
    <message>
        <source>这一行应为“base”或“mod”、制表符和路径。</source>
        <translation>this line should be &quot;base&quot; or &quot;mod&quot;, a tab and a path.</translation>
    </message>
    <message>
        <source>模组列表应有且只有一行“base”（原版文件夹）。</source>
        <translation>a mod list has exactly one &quot;base&quot; line (the base folder).</translation>
    </message>
    <message>
        <source>选择应为“物品、制表符、内容、制表符、模组的序号”，序号从 1 数起，且列表中有这个模组。</source>
        <translation>a choice is &quot;item, tab, what, tab, the mod&apos;s number&quot;, counted from 1, of a mod the list has.</translation>
    </message>
    <message>
        <source>“%1”不存在。</source>
        <translation>&quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>模组 %1（%2）</source>
        <translation>mod %1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2：有游戏文件的编码无法识别的字节，这个修改没有带进合并结果。</source>
        <translation>%1 %2: holds bytes the game files&apos; code page cannot decode; this change is not carried into the merge.</translation>
    </message>
    <message>
        <source>%1 %2：有单独的回车符或换行符，这个修改没有带进合并结果。</source>
        <translation>%1 %2: holds a lone carriage return or line feed; this change is not carried into the merge.</translation>
    </message>
    <message>
        <source>%1 %2：记录之外的行（注释、空行）与原版不同，合并结果用原版的这些行。</source>
        <translation>%1 %2: the lines outside the records (comments, blank lines) differ from the base&apos;s; the merge keeps the base&apos;s.</translation>
    </message>
    <message>
        <source>模组 %1（%2）的“%3”是为另一个版本做的：它的原值与原版文件夹不符，没有应用。</source>
        <translation>mod %1 (%2): &quot;%3&quot; was made for another version: its base value is not the base folder&apos;s; it is not applied.</translation>
    </message>
    <message>
        <source>选择“%1 → %2”没有用上：合并中没有这个冲突，或这个模组不能在其中胜出。</source>
        <translation>the choice &quot;%1 → %2&quot; was not used: the merge has no such conflict, or that mod cannot win it.</translation>
    </message>
    <message>
        <source>与原版相同</source>
        <translation>same as the base</translation>
    </message>
    <message>
        <source>为另一个版本做的修改，未应用</source>
        <translation>made for another version, not applied</translation>
    </message>
    <message>
        <source>冲突中落选</source>
        <translation>loses a conflict</translation>
    </message>
    <message>
        <source>冲突中胜出</source>
        <translation>wins a conflict</translation>
    </message>
    <message>
        <source>与另一个模组相同</source>
        <translation>same as another mod</translation>
    </message>
    <message>
        <source>只有这个模组修改</source>
        <translation>changed by this mod alone</translation>
    </message>
    <message>
        <source>冲突：采用 %1（已选择）</source>
        <translation>conflict: %1 taken (chosen)</translation>
    </message>
    <message>
        <source>冲突：%1 胜出（优先级）</source>
        <translation>conflict: %1 wins (priority)</translation>
    </message>
    <message>
        <source>%1 字节</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>图片文件</source>
        <translation>picture file</translation>
    </message>
    <message>
        <source>名字记录</source>
        <translation>Name records</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Pictures</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>数据错误！</source>
        <translation>Data error!</translation>
    </message>
    <message>
        <source>数值太大，无法写入。</source>
        <translation>The number is too large to be written.</translation>
    </message>
    <message>
        <source>“%1”：其中的数或计算结果的绝对值达到 2^53，无法准确计算，不能写入。</source>
        <translation>“%1”: a number in it or a result is 2^53 or more in magnitude, which cannot be computed exactly; it is not written.</translation>
    </message>
    <message>
        <source>命令的输出无法写出（%1）。</source>
        <translation>The command&apos;s output could not be written (%1).</translation>
    </message>
    <message>
        <source>“%1”是游戏文件夹中的游戏文件，输出不能写到它上面。</source>
        <translation>“%1” is one of the game folder&apos;s files; output is not written over it.</translation>
    </message>
    <message>
        <source>内容中不能有换行符。</source>
        <translation>The text cannot hold a line break.</translation>
    </message>
    <message>
        <source>内容中不能有控制字符（%1）。</source>
        <translation>The text cannot hold a control character (%1).</translation>
    </message>
    <message>
        <source>“%1”不能作为键：键不能是空的，不能有“=”或换行符，也不能是记录的开头（Weapon、Armor、Implant）。</source>
        <translation>&quot;%1&quot; cannot be a key: a key is not empty, holds no &quot;=&quot; and no line break, and does not open a record (Weapon, Armor, Implant).</translation>
    </message>
    <message>
        <source>一条记录至少要有一行。</source>
        <translation>A record needs at least one line.</translation>
    </message>
    <message>
        <source>“%1”这一行会把记录分开，不能写入。</source>
        <translation>The line &quot;%1&quot; would split the record and cannot be written.</translation>
    </message>
    <message>
        <source>还没有原版文件夹：先用“文件 → 与原版比较…”选择原版的游戏文件夹。</source>
        <translation>There is no base folder yet: choose the game as shipped with &quot;文件 → 与原版比较…&quot; (File → Compare with the game as shipped) first.</translation>
    </message>
    <message>
        <source>有 %1 处修改与文件现在的内容冲突。</source>
        <translation>%1 changes conflict with what the files hold now.</translation>
    </message>
    <message>
        <source>“%1”不是这一类物品的字段（标题要写字段的名字或键）。</source>
        <translation>&quot;%1&quot; is no field of this category (a heading is a field&apos;s caption or key).</translation>
    </message>
    <message>
        <source>字符“%1”无法保存在游戏文件的编码中。</source>
        <translation>The character &quot;%1&quot; cannot be saved in the game files&apos; code page.</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>The folder &quot;%1&quot; does not exist.</translation>
    </message>
    <message>
        <source>文件夹“%1”中没有 weapon.cfg。</source>
        <translation>The folder &quot;%1&quot; holds no weapon.cfg.</translation>
    </message>
    <message>
        <source>无法打开文件夹“%1”。</source>
        <translation>The folder &quot;%1&quot; cannot be opened.</translation>
    </message>
    <message>
        <source>驱动器“%1”没有准备好，无法读取。</source>
        <translation>The drive &quot;%1&quot; is not ready and cannot be read.</translation>
    </message>
    <message>
        <source>当前文件夹中没有选中的 weapon.cfg。</source>
        <translation>No weapon.cfg of the current folder is chosen.</translation>
    </message>
    <message>
        <source>类别必须是“武器”、“装甲”或“晶体”之一。</source>
        <translation>The category must be one of &quot;武器&quot; (weapons), &quot;装甲&quot; (armors) or &quot;晶体&quot; (implants).</translation>
    </message>
    <message>
        <source>文件“%1”中没有第%2行。</source>
        <translation>The file &quot;%1&quot; has no line %2.</translation>
    </message>
    <message>
        <source>文件“%1”是空的。</source>
        <translation>The file &quot;%1&quot; is empty.</translation>
    </message>
    <message>
        <source>找不到文件“%1”。</source>
        <translation>The file &quot;%1&quot; cannot be found.</translation>
    </message>
    <message>
        <source>“%1”是一个文件夹，不是文件。</source>
        <translation>&quot;%1&quot; is a folder, not a file.</translation>
    </message>
    <message>
        <source>没有读取文件“%1”的权限。</source>
        <translation>There is no permission to read the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>无法读取文件“%1”（%2）。</source>
        <translation>The file &quot;%1&quot; cannot be read (%2).</translation>
    </message>
    <message>
        <source>文件“%1”是只读的。</source>
        <translation>The file &quot;%1&quot; is read-only.</translation>
    </message>
    <message>
        <source>无法在文件“%1”所在的文件夹中建立临时文件（文件夹可能没有写入权限）。</source>
        <translation>No temporary file can be made in the folder of the file &quot;%1&quot; (the folder may not be writable).</translation>
    </message>
    <message>
        <source>保存文件“%1”时磁盘空间不足。</source>
        <translation>The disk ran out of space while saving the file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>无法用新内容替换文件“%1”（文件可能被其他程序占用）。</source>
        <translation>The file &quot;%1&quot; cannot be replaced by its new content (another program may be using it).</translation>
    </message>
    <message>
        <source>无法保存文件“%1”（%2）。</source>
        <translation>The file &quot;%1&quot; cannot be saved (%2).</translation>
    </message>
    <message>
        <source>文件“%1”已被其他程序修改。</source>
        <translation>The file &quot;%1&quot; has been changed by another program.</translation>
    </message>
    <message>
        <source>编辑器的另一个进程正在保存文件“%1”所在的文件夹，等了 %2 秒仍未结束。</source>
        <translation>Another process of the editor is saving in the folder of the file &quot;%1&quot; and had not finished after %2 seconds.</translation>
    </message>
    <message>
        <source>编号不能为空。</source>
        <translation>The id cannot be empty.</translation>
    </message>
    <message>
        <source>编号的开头和结尾不能是空格。</source>
        <translation>The id cannot begin or end with a blank.</translation>
    </message>
    <message>
        <source>编号中不能有换行符。</source>
        <translation>The id cannot hold a line break.</translation>
    </message>
    <message>
        <source>这个类别中已经有编号为“%1”的物品。</source>
        <translation>This category has an item with the id &quot;%1&quot; already.</translation>
    </message>
    <message>
        <source>编号“%1”留给游戏的特殊记录，不能使用。</source>
        <translation>The id &quot;%1&quot; belongs to a special record of the game and cannot be used.</translation>
    </message>
    <message>
        <source>说明中不能有空行（空行会结束名字记录）。</source>
        <translation>The description cannot hold a blank line (a blank line ends the name record).</translation>
    </message>
    <message>
        <source>名字文件中没有“%1”的名字记录。新的名字记录来自“复制为新物品”：复制一件有名字的物品，再修改它的名字和说明。</source>
        <translation>The name file has no name record of &quot;%1&quot;. New name records come from copying an item: copy an item that has a name, then change its name and description.</translation>
    </message>
    <message>
        <source>一次只能修改一列：请只选择同一列中的格子。</source>
        <translation>Only one column can be changed at a time: choose cells of one column only.</translation>
    </message>
    <message>
        <source>“%1”不是数字，无法计算。</source>
        <translation>&quot;%1&quot; is not a number and cannot be calculated.</translation>
    </message>
    <message>
        <source>有 %1 个格子显示“无”（物品没有这一项），没有修改。</source>
        <translation>%1 cells show &quot;无&quot; (the item has no such key) and were not changed.</translation>
    </message>
    <message>
        <source>名字文件中已经有“%1”的名字记录，这件物品与它共用这条记录。</source>
        <translation>The name file has a name record of &quot;%1&quot; already; this item shares it.</translation>
    </message>
    <message>
        <source>文件“%1”中没有物品“%2”。</source>
        <translation>The file &quot;%1&quot; has no item &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>物品的记录中没有“%1=”这一行。</source>
        <translation>The item&apos;s record has no line &quot;%1=&quot;.</translation>
    </message>
    <message>
        <source>“%1”不是这一类物品在编辑器中可以修改的键。</source>
        <translation>&quot;%1&quot; is no key of this category that the editor changes.</translation>
    </message>
    <message>
        <source>没有“%1”这个命令。</source>
        <translation>There is no command &quot;%1&quot;. </translation>
    </message>
    <message>
        <source>运行 weapon-editor help 查看用法。</source>
        <translation>Run weapon-editor help for the usage.</translation>
    </message>
    <message>
        <source>命令 %1 的参数不对。用法：</source>
        <translation>The arguments of the command %1 are not as its usage says. Usage:</translation>
    </message>
    <message>
        <source>“%1”不是物品的名字：物品要写成“类别/编号”，类别是 weapon、armor 或 implant，例如 weapon/heand。</source>
        <translation>&quot;%1&quot; names no item: an item is written CATEGORY/ID, the category one of weapon, armor or implant, as in weapon/heand.</translation>
    </message>
    <message>
        <source>“%1”不是类别：类别是 weapon、armor 或 implant。</source>
        <translation>&quot;%1&quot; is no category: the categories are weapon, armor and implant.</translation>
    </message>
    <message>
        <source>--nth 后面要写一个从 1 起的整数，“%1”不是。</source>
        <translation>--nth takes a whole number from 1 up; &quot;%1&quot; is not one.</translation>
    </message>
    <message>
        <source>--code-page 后面要写代码页的名字（%1），“%2”不是。</source>
        <translation>--code-page takes the name of a code page (%1); &quot;%2&quot; is not one.</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>--lang 后面要写 zh（中文）或 en（英文），“%1”不是。</source>
        <translation>--lang takes zh (Chinese) or en (English); &quot;%1&quot; is neither.</translation>
    </message>
    <message>
        <source>无法启动编辑器窗口的程序“%1”（%2）。</source>
        <translation>The editor&apos;s window program &quot;%1&quot; cannot be started (%2).</translation>
    </message>
    <message>
        <source>编号“%1”在这一类物品中重复：前面已有编号相同的记录。</source>
        <translation>The id &quot;%1&quot; is used twice in this category: an earlier record has the same id.</translation>
    </message>
    <message>
        <source>“%1”：武器类别必须是 0 到 5 中的一个数字。</source>
        <translation>&quot;%1&quot;: a weapon&apos;s class must be one digit from 0 to 5.</translation>
    </message>
    <message>
        <source>“%1”：这个键的值必须是数字。</source>
        <translation>&quot;%1&quot;: the value of this key must be a number.</translation>
    </message>
    <message>
        <source>“%1”：两个数之间必须有空格。</source>
        <translation>&quot;%1&quot;: the two numbers need a blank between them.</translation>
    </message>
    <message>
        <source>物品“%1”的记录没有结束行。</source>
        <translation>The record of the item &quot;%1&quot; has no end line.</translation>
    </message>
    <message>
        <source>物品“%1”在名字文件中没有名字。</source>
        <translation>The item &quot;%1&quot; has no name in the name file.</translation>
    </message>
    <message>
        <source>找不到物品的图片“%1”。</source>
        <translation>The item&apos;s picture &quot;%1&quot; cannot be found.</translation>
    </message>
    <message>
        <source>物品的记录中没有 VidMENU 行，无法知道它的图片。</source>
        <translation>The item&apos;s record has no VidMENU line, so its picture is unknown.</translation>
    </message>
    <message>
        <source>由 VidMENU 的值“%1”得不出图片的文件名。</source>
        <translation>The VidMENU value &quot;%1&quot; gives no picture file name.</translation>
    </message>
    <message>
        <source>图片“%1”无法解码。</source>
        <translation>The picture &quot;%1&quot; cannot be decoded.</translation>
    </message>
    <message>
        <source>图片“%1”不完整：文件比图片需要的短。</source>
        <translation>The picture &quot;%1&quot; is truncated: the file is shorter than its pixels need.</translation>
    </message>
    <message>
        <source>这一行有游戏文件的编码无法识别的字节。</source>
        <translation>This line holds bytes the game files&apos; code page cannot decode.</translation>
    </message>
    <message>
        <source>第 %1 行在“%2”之后有单独的回车符或换行符（不是 CR LF），别的程序可能把它当作两行；编辑器不修改这一行。</source>
        <translation>Line %1 holds a lone CR or LF (not CR LF) after &quot;%2&quot;, which other programs may read as two lines; the editor does not change this line.</translation>
    </message>
    <message>
        <source>没有写入任何内容，文件保持原样。</source>
        <translation> Nothing was written; the files are as they were.</translation>
    </message>
    <message>
        <source>物品列表没有改变。</source>
        <translation> The item list is unchanged.</translation>
    </message>
    <message>
        <source>物品的名字和说明将显示为空。</source>
        <translation> The items&apos; names and descriptions will show empty.</translation>
    </message>
    <message>
        <source>没有写入任何内容。编辑器已重新读取文件，撤销记录已清除。</source>
        <translation> Nothing was written. The editor has read the files again, and the undo history is cleared.</translation>
    </message>
    <message>
        <source>weapon.cfg 已恢复原样，两个文件都没有改变。</source>
        <translation> weapon.cfg has its old bytes back; neither file changed.</translation>
    </message>
    <message>
        <source>物品“%1”：</source>
        <translation>Item &quot;%1&quot;: </translation>
    </message>
    <message>
        <source>文件“%1”的行尾不是 CR LF（只有 LF 或 CR）：编辑器只读写以 CR LF 分行的游戏文件。</source>
        <translation>The line ends of the file &quot;%1&quot; are not CR LF (only LF or CR): the editor reads and writes only game files whose lines end with CR LF.</translation>
    </message>
    <message>
        <source>这组修改把同一处改了两次（同一个键、同一条记录或同一个名字记录，或同一个引用既添加又删除）。</source>
        <translation>The set changes one thing twice (one key, one record or one name record, or adds and removes one reference).</translation>
    </message>
    <message>
        <source>这一行与第 %1 行改的是同一处（同一个键、同一条记录或同一个名字记录，或同一个引用既添加又删除）。</source>
        <translation>This line changes what line %1 changes (one key, one record or one name record, or adds and removes one reference).</translation>
    </message>
    <message>
        <source>记录的第一行“%1”不属于这件物品：它要写物品的类别和编号（名字记录写“&lt;编号&gt;”）。</source>
        <translation>The record&apos;s first line &quot;%1&quot; is not its item&apos;s: it names the item&apos;s category and id (a name record&apos;s, &quot;&lt;id&gt;&quot;).</translation>
    </message>
    <message>
        <source>“%1”有游戏文件的编码无法识别的字节，或有单独的回车符或换行符，补丁无法带上它。</source>
        <translation>&quot;%1&quot; holds bytes the game files&apos; code page cannot decode, or a lone carriage return or line feed; a patch cannot carry it.</translation>
    </message>
    <message>
        <source>补丁不是 UTF-8 文本。</source>
        <translation>The patch is no UTF-8 text.</translation>
    </message>
    <message>
        <source>第一行必须是“weapon-editor patch 1”。</source>
        <translation>The first line must be &quot;weapon-editor patch 1&quot;.</translation>
    </message>
    <message>
        <source>最后一行没有换行符：补丁可能不完整（被截断了），不能应用。</source>
        <translation>The last line has no line feed: the patch may be cut off, and is not applied.</translation>
    </message>
    <message>
        <source>一行要有五列，用制表符分开；这一行有 %1 列。</source>
        <translation>A line has five columns separated by tabs; this one has %1.</translation>
    </message>
    <message>
        <source>不认识的种类“%1”：种类是 key、record、add、remove、names 或 move。</source>
        <translation>Unknown kind &quot;%1&quot;: the kinds are key, record, add, remove, names and move.</translation>
    </message>
    <message>
        <source>不认识的转义“%1”：只有 \\、\t、\n、\r、\#、\e 和 \-。</source>
        <translation>Unknown escape &quot;%1&quot;: there are only \\, \t, \n, \r, \#, \e and \-.</translation>
    </message>
    <message>
        <source>列的末尾是单独的反斜杠：反斜杠要和它后面的字符组成转义（反斜杠本身写作 \\）。</source>
        <translation>A lone backslash ends the column: a backslash makes an escape with the character after it (a backslash itself is written \\).</translation>
    </message>
    <message>
        <source>键后面的 # 要跟一个从 1 起的整数，“%1”不是（键中的 # 写作 \#）。</source>
        <translation>The # after a key takes a whole number from 1 up; &quot;%1&quot; is not one (a # of the key is written \#).</translation>
    </message>
    <message>
        <source>key 这一种修改的第三列要写键。</source>
        <translation>A change of the kind key has its key in the third column.</translation>
    </message>
    <message>
        <source>“%1”不是物品的引用（类别/编号）。</source>
        <translation>&quot;%1&quot; is no item reference (CATEGORY/ID).</translation>
    </message>
    <message>
        <source>第三列“%1”：只有 add 和 names 写所跟随的记录，其他种类写 -。</source>
        <translation>Third column &quot;%1&quot;: only add and names name the record they follow; the other kinds have -.</translation>
    </message>
    <message>
        <source>%1 这一种修改要写旧的行，新的写 -。</source>
        <translation>A change of the kind %1 has the old lines, and - for the new.</translation>
    </message>
    <message>
        <source>%1 这一种修改要写新的行，旧的写 -。</source>
        <translation>A change of the kind %1 has the new lines, and - for the old.</translation>
    </message>
    <message>
        <source>%1 这一种修改要写旧的和新的行。</source>
        <translation>A change of the kind %1 has the old and the new lines.</translation>
    </message>
    <message>
        <source>“%1”：move 这一种修改要写物品（名字记录写 &lt;编号&gt;），第三列写 -，然后是它原来和现在跟随的记录（最前面写 -）。</source>
        <translation>&quot;%1&quot;: a move takes the item (&lt;id&gt; for a name record), - in the third column, then the records it followed before and follows now (- for first).</translation>
    </message>
    <message>
        <source>names 这一种修改至少要写旧的或新的行。</source>
        <translation>A change of the kind names needs the old or the new lines.</translation>
    </message>
    <message>
        <source>名字文件再次出现“&lt;%1&gt;”：只有第一条是这个编号的名字记录。</source>
        <translation>The name file opens &quot;&lt;%1&gt;&quot; again: only the first is the id&apos;s name record.</translation>
    </message>
</context>
<context>
    <name>PromptWords</name>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>RuleCommandWords</name>
    <message>
        <source>（共 %1 件物品的这一列出错）</source>
        <translation> (this column failed for %1 items)</translation>
    </message>
    <message>
        <source>没有“%1”这个配方（weapon-editor rules 列出读入的配方）。</source>
        <translation>There is no recipe &quot;%1&quot; (weapon-editor rules lists the recipes read).</translation>
    </message>
</context>
<context>
    <name>RuleWords</name>
    <message>
        <source>%1
配方被拒绝：没有写入任何内容，文件保持原样。</source>
        <translation>%1
The recipe is refused: nothing was written, the files are as they were.</translation>
    </message>
    <message>
        <source>配方“%1”没有修改任何内容。</source>
        <translation>The recipe &quot;%1&quot; changes nothing.</translation>
    </message>
    <message>
        <source>文件夹中没有 %1，也没有用 --rules 给出规则文件。</source>
        <translation>The folder has no %1, and no rules file was given with --rules.</translation>
    </message>
    <message>
        <source>: 计算列 %1/%2</source>
        <translation>: column %1/%2</translation>
    </message>
    <message>
        <source>: 检查 %1/%2（%3）：%4</source>
        <translation>: check %1/%2 (%3): %4</translation>
    </message>
    <message>
        <source>: 配方 %1：%2</source>
        <translation>: recipe %1: %2</translation>
    </message>
    <message>
        <source>无法读取规则文件（%1）。</source>
        <translation>The rules file cannot be read (%1).</translation>
    </message>
    <message>
        <source>规则文件不是 UTF-8 文本：从这一行起无法按 UTF-8 读取，整个文件的规则都没有读入。</source>
        <translation>The rules file is not UTF-8 text: from this line on it does not read as UTF-8, and none of the file&apos;s rules were read.</translation>
    </message>
    <message>
        <source>Lua 语法错误（%1），整个文件的规则都没有读入。</source>
        <translation>Lua syntax error (%1); none of the file&apos;s rules were read.</translation>
    </message>
    <message>
        <source>运行出错：%1</source>
        <translation>error while running: %1</translation>
    </message>
    <message>
        <source>运行的步数超过了上限（可能是死循环，或太费时的模式匹配），已停止。</source>
        <translation>stopped: it ran past its limit of steps (a loop without end, or a pattern match too costly).</translation>
    </message>
    <message>
        <source>占用的内存超过了上限，已停止。</source>
        <translation>stopped: it used more memory than the limit.</translation>
    </message>
    <message>
        <source>规则的写法不对（%1）。</source>
        <translation>the rule is not written as rules are (%1).</translation>
    </message>
    <message>
        <source>没有“%1”这个类别：类别是 weapon、armor 或 implant。</source>
        <translation>there is no category &quot;%1&quot;: the categories are weapon, armor and implant.</translation>
    </message>
    <message>
        <source>“%1”不是这一类物品的键。</source>
        <translation>&quot;%1&quot; is not a key of this category.</translation>
    </message>
    <message>
        <source>“%1”这个名字前面已经有规则用了。</source>
        <translation>the name &quot;%1&quot; is taken by an earlier rule.</translation>
    </message>
    <message>
        <source>计算列不能叫“%1”：这是字段的名字或键，或表格的标题。</source>
        <translation>a computed column cannot be called &quot;%1&quot;: that is a field&apos;s caption or key, or a sheet heading.</translation>
    </message>
    <message>
        <source>计算列互相引用，形成循环：%1。</source>
        <translation>computed columns read each other in a cycle: %1.</translation>
    </message>
    <message>
        <source>没有“%1”这个计算列。</source>
        <translation>there is no computed column &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>文件中没有物品“%1”。</source>
        <translation>the file has no item &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>结果不能使用（%1）。</source>
        <translation>the result cannot be used (%1).</translation>
    </message>
    <message>
        <source>值“%1”不能写入：%2</source>
        <translation>the value &quot;%1&quot; cannot be written: %2</translation>
    </message>
    <message>
        <source>规则“%1”：</source>
        <translation>rule &quot;%1&quot;: </translation>
    </message>
    <message>
        <source>警告</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>error</translation>
    </message>
    <message>
        <source>（在 %1）</source>
        <translation> (at %1)</translation>
    </message>
</context>
<context>
    <name>SheetWords</name>
    <message>
        <source>引号之后还有字符。</source>
        <translation>There are characters after the closing quote.</translation>
    </message>
    <message>
        <source>引号没有结束。</source>
        <translation>A quote is not closed.</translation>
    </message>
    <message>
        <source>不是 UTF-8 文本。</source>
        <translation>This is not UTF-8 text.</translation>
    </message>
    <message>
        <source>表是空的：第一行要写各列的标题。</source>
        <translation>The sheet is empty: its first line must hold the column headings.</translation>
    </message>
    <message>
        <source>这一列与第 %1 列是同一个字段，一个字段只能有一列。</source>
        <translation>This column is the same field as column %1: a field may have one column only.</translation>
    </message>
    <message>
        <source>这一行有 %1 格，表头有 %2 格。</source>
        <translation>This line has %1 cells; the heading line has %2.</translation>
    </message>
    <message>
        <source>第 %1 行第 %2 列：</source>
        <translation>Line %1, column %2: </translation>
    </message>
    <message>
        <source>第 %1 行：</source>
        <translation>Line %1: </translation>
    </message>
</context>
<context>
    <name>StepWords</name>
    <message>
        <source>配方 %1</source>
        <translation>Recipe %1</translation>
    </message>
</context>
<context>
    <name>wed::CategoryTable</name>
    <message>
        <source>编号</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>原版：%1</source>
        <translation>Original: %1</translation>
    </message>
    <message>
        <source>新增</source>
        <translation>Added</translation>
    </message>
</context>
<context>
    <name>wed::ChartWindow</name>
    <message>
        <source>有问题 </source>
        <translation>Problem </translation>
    </message>
    <message>
        <source>离群 </source>
        <translation>Outlier </translation>
    </message>
    <message>
        <source>图表: %1</source>
        <translation>Chart: %1</translation>
    </message>
    <message>
        <source>&amp;X：</source>
        <translation>&amp;X:</translation>
    </message>
    <message>
        <source>&amp;Y：</source>
        <translation>&amp;Y:</translation>
    </message>
    <message>
        <source>对数</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>X 轴用对数刻度</source>
        <translation>Logarithmic X axis</translation>
    </message>
    <message>
        <source>Y 轴用对数刻度</source>
        <translation>Logarithmic Y axis</translation>
    </message>
    <message>
        <source>X 轴的列</source>
        <translation>Column of the X axis</translation>
    </message>
    <message>
        <source>Y 轴的列</source>
        <translation>Column of the Y axis</translation>
    </message>
    <message>
        <source>导出图片…</source>
        <translation>Export picture…</translation>
    </message>
    <message>
        <source>导出数据…</source>
        <translation>Export data…</translation>
    </message>
    <message>
        <source>图表</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>图表中的物品，离群点在前</source>
        <translation>Items of the chart, outliers first</translation>
    </message>
    <message>
        <source>“%1”一列没有数值，无法作图。</source>
        <translation>The column “%1” holds no numbers: nothing to plot.</translation>
    </message>
    <message>
        <source>%1 件物品没有数值</source>
        <translation>%1 items have no number</translation>
    </message>
    <message>
        <source>对数刻度略去了 %1 件数值不大于 0 的物品</source>
        <translation>the logarithmic scale leaves out %1 items whose value is not above 0</translation>
    </message>
    <message>
        <source>%1 个点，%2 个离群点</source>
        <translation>%1 points, %2 outliers</translation>
    </message>
    <message>
        <source>少于 3 个点：不画直线，也不找离群点。</source>
        <translation>Fewer than 3 points: no line, and no outliers.</translation>
    </message>
    <message>
        <source>所有点的 X 值都相同：不画直线，也不找离群点。</source>
        <translation>Every point has the same X: no line, and no outliers.</translation>
    </message>
    <message>
        <source>数值太大，无法计算直线：不找离群点。</source>
        <translation>The values are too large for a line: no outliers.</translation>
    </message>
    <message>
        <source>%1 %2
%3：%4
%5：%6</source>
        <translation>%1 %2
%3: %4
%5: %6</translation>
    </message>
    <message>
        <source>导出图片</source>
        <translation>Export picture</translation>
    </message>
    <message>
        <source>图表-%1.png</source>
        <translation>chart-%1.png</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>按窗口的两倍大小导出吗？（否：按窗口大小）</source>
        <translation>Export at twice the window&apos;s size? (No: at the window&apos;s size)</translation>
    </message>
    <message>
        <source>导出数据</source>
        <translation>Export data</translation>
    </message>
    <message>
        <source>图表-%1.csv</source>
        <translation>chart-%1.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
</context>
<context>
    <name>wed::ComparisonWindow</name>
    <message>
        <source>与原版比较</source>
        <translation>Compare with original</translation>
    </message>
    <message>
        <source>物品</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>字段</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>原版</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>与原版不同之处</source>
        <translation>Differences from the original</translation>
    </message>
    <message>
        <source>还原</source>
        <translation>Revert</translation>
    </message>
    <message>
        <source>还原 %1 处修改</source>
        <translation>Revert %1 changes</translation>
    </message>
</context>
<context>
    <name>wed::Document</name>
    <message>
        <source>表格：%1 个物品的%2</source>
        <translation>Table: %2 of %1 items</translation>
    </message>
    <message>
        <source>复制 %1 为 %2</source>
        <translation>Copy %1 as %2</translation>
    </message>
    <message>
        <source>删除 %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>重命名 %1 为 %2</source>
        <translation>Rename %1 to %2</translation>
    </message>
    <message>
        <source>%1 的名字和说明</source>
        <translation>Name and description of %1</translation>
    </message>
</context>
<context>
    <name>wed::EditorActions</name>
    <message>
        <source>文件已被其他程序修改，已重新读取；撤销记录从这里重新开始。</source>
        <translation>Another program changed the file; it has been read again, and the undo history starts over here.</translation>
    </message>
    <message>
        <source>编辑游戏文件夹中 weapon.cfg 的武器、装甲和晶体数据。
每次修改都立刻原子地写入文件；撤销、比较、补丁和表格见菜单。</source>
        <translation>Edits the weapon, armor and implant data in the weapon.cfg of a game folder.
Every change is written to the file at once, atomically; undo, comparison, patches and tables are in the menus.</translation>
    </message>
    <message>
        <source>本程序是自由软件，按 GNU 通用公共许可证第 3 版或更新版本（GPL-3.0-or-later）发布。</source>
        <translation>This program is free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>新的编号：</source>
        <translation>New ID:</translation>
    </message>
    <message>
        <source>复制为新物品</source>
        <translation>Copy as new item</translation>
    </message>
    <message>
        <source>重命名</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>要删除%1“%2”%3吗？它在 weapon.cfg 中的记录将被删除。</source>
        <translation>Delete %1 “%2”%3? Its record in weapon.cfg will be deleted.</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>删除物品</source>
        <translation>Delete item</translation>
    </message>
    <message>
        <source>%1 的名字和说明</source>
        <translation>Name and description of %1</translation>
    </message>
    <message>
        <source>规则文件已被修改，已重新读取，其中有错误（见“工具 → 规则…”）。</source>
        <translation>A rules file changed; the rules were read again, and they have errors (see “Tools → Rules…”).</translation>
    </message>
    <message>
        <source>规则文件已被修改，已重新读取。</source>
        <translation>A rules file changed; the rules were read again.</translation>
    </message>
</context>
<context>
    <name>wed::Form1</name>
    <message>
        <source>★★★ 以下属性注意保留空格！★★★</source>
        <translation>★★★ Keep the spaces in the values below! ★★★</translation>
    </message>
    <message>
        <source>估计价格</source>
        <translation>Estimate price</translation>
    </message>
    <message>
        <source>价格范围</source>
        <translation>Price range</translation>
    </message>
    <message>
        <source>物品列表</source>
        <translation>Item list</translation>
    </message>
    <message>
        <source>驱动器</source>
        <translation>Drive</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>物品数据文件</source>
        <translation>Item data file</translation>
    </message>
    <message>
        <source>小图</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>大图</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>物品图片</source>
        <translation>Item picture</translation>
    </message>
    <message>
        <source>名字</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
</context>
<context>
    <name>wed::HistoryModel</name>
    <message>
        <source>打开文件时</source>
        <translation>When the file was opened</translation>
    </message>
</context>
<context>
    <name>wed::HistoryWindow</name>
    <message>
        <source>修改记录</source>
        <translation>Change history</translation>
    </message>
</context>
<context>
    <name>wed::ItemListBox</name>
    <message>
        <source>查找编号或名字</source>
        <translation>Find ID or name</translation>
    </message>
    <message>
        <source>查找物品</source>
        <translation>Find item</translation>
    </message>
</context>
<context>
    <name>wed::ItemListView</name>
    <message>
        <source>新增</source>
        <translation>Added</translation>
    </message>
    <message>
        <source>已修改</source>
        <translation>Modified</translation>
    </message>
</context>
<context>
    <name>wed::MergeTree</name>
    <message>
        <source>原版</source>
        <translation>the base</translation>
    </message>
    <message>
        <source>（已选择）</source>
        <translation> (chosen)</translation>
    </message>
    <message>
        <source>（已选择 %1）</source>
        <translation> (chosen: %1)</translation>
    </message>
    <message numerus="yes">
        <source>%n 处冲突</source>
        <translation>
            <numerusform>%n conflict</numerusform>
            <numerusform>%n conflicts</numerusform>
        </translation>
    </message>
    <message>
        <source>物品 / 字段</source>
        <translation>Item / field</translation>
    </message>
    <message>
        <source>结果</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>wed::ModListPane</name>
    <message>
        <source>选择原版…</source>
        <translation>Choose base…</translation>
    </message>
    <message>
        <source>添加文件夹…</source>
        <translation>Add folder…</translation>
    </message>
    <message>
        <source>添加补丁…</source>
        <translation>Add patch…</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>移除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>选择原版</source>
        <translation>Choose the base</translation>
    </message>
    <message>
        <source>模组（上面的先加载，下面的优先）</source>
        <translation>Mods (loaded from the top; lower ones win)</translation>
    </message>
    <message>
        <source>原版：%1</source>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>添加模组文件夹</source>
        <translation>Add a mod folder</translation>
    </message>
    <message>
        <source>添加模组补丁</source>
        <translation>Add a mod patch</translation>
    </message>
</context>
<context>
    <name>wed::ModListWindow</name>
    <message>
        <source>采用此值</source>
        <translation>Take this value</translation>
    </message>
    <message>
        <source>取消选择</source>
        <translation>Undo choice</translation>
    </message>
    <message>
        <source>打开列表…</source>
        <translation>Open list…</translation>
    </message>
    <message>
        <source>保存列表…</source>
        <translation>Save list…</translation>
    </message>
    <message>
        <source>写入新文件夹…</source>
        <translation>Write to new folder…</translation>
    </message>
    <message>
        <source>应用到当前文件夹</source>
        <translation>Apply to open folder</translation>
    </message>
    <message>
        <source>导出补丁…</source>
        <translation>Export patch…</translation>
    </message>
    <message>
        <source>模组列表 (*.txt);;所有文件 (*)</source>
        <translation>Mod lists (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>合并模组</source>
        <translation>Merge mods</translation>
    </message>
    <message>
        <source>只显示冲突</source>
        <translation>Conflicts only</translation>
    </message>
    <message>
        <source>各模组的修改</source>
        <translation>The mods&apos; changes</translation>
    </message>
    <message numerus="yes">
        <source>%n 处修改</source>
        <translation>
            <numerusform>%n change</numerusform>
            <numerusform>%n changes</numerusform>
        </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%n 处冲突</source>
        <translation>
            <numerusform>%n conflict</numerusform>
            <numerusform>%n conflicts</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 处未选择</source>
        <translation>
            <numerusform>%n not chosen</numerusform>
            <numerusform>%n not chosen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n 处无法带入</source>
        <translation>
            <numerusform>%n not carried</numerusform>
            <numerusform>%n not carried</numerusform>
        </translation>
    </message>
    <message>
        <source>打开模组列表</source>
        <translation>Open mod list</translation>
    </message>
    <message>
        <source>保存模组列表</source>
        <translation>Save mod list</translation>
    </message>
    <message>
        <source>写入新文件夹</source>
        <translation>Write to a new folder</translation>
    </message>
    <message>
        <source>合并结果已写入 %1。</source>
        <translation>The merge was written to %1.</translation>
    </message>
    <message numerus="yes">
        <source>合并 %n 个模组</source>
        <translation>
            <numerusform>merge of %n mod</numerusform>
            <numerusform>merge of %n mods</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>图片不随修改记录写入当前文件夹；要带上模组的 %n 张图片，请用“写入新文件夹…”。</source>
        <translation>
            <numerusform>Pictures are not written to the open folder with the history; to take the mods&apos; %n picture, use “Write to new folder…”.</numerusform>
            <numerusform>Pictures are not written to the open folder with the history; to take the mods&apos; %n pictures, use “Write to new folder…”.</numerusform>
        </translation>
    </message>
    <message>
        <source>还没有原版文件夹：先用“选择原版…”选择原版的游戏文件夹。</source>
        <translation>No base folder yet: choose the game folder as shipped with “Choose base…” first.</translation>
    </message>
</context>
<context>
    <name>wed::PatchPreviewDialog</name>
    <message>
        <source>将修改</source>
        <translation>Will change</translation>
    </message>
    <message>
        <source>已是新的值</source>
        <translation>Already the new value</translation>
    </message>
    <message>
        <source>冲突</source>
        <translation>Conflict</translation>
    </message>
    <message>
        <source>应用补丁</source>
        <translation>Apply patch</translation>
    </message>
    <message>
        <source>状态</source>
        <translation>State</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>文件中现在</source>
        <translation>In the file now</translation>
    </message>
    <message>
        <source>补丁的原值</source>
        <translation>Patch’s old value</translation>
    </message>
    <message>
        <source>补丁的新值</source>
        <translation>Patch’s new value</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>应用（跳过冲突）</source>
        <translation>Apply (skip conflicts)</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wed::ProblemWindow</name>
    <message>
        <source>没有发现问题。</source>
        <translation>No problems found.</translation>
    </message>
    <message>
        <source>检查游戏文件夹</source>
        <translation>Check game folder</translation>
    </message>
    <message>
        <source>发现的问题</source>
        <translation>Problems found</translation>
    </message>
</context>
<context>
    <name>wed::RulesDialog</name>
    <message>
        <source>读入的规则文件：%1</source>
        <translation>Rules files read: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>规则</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>运行配方</source>
        <translation>Run recipe</translation>
    </message>
    <message>
        <source>规则文件定义的计算列、检查和配方</source>
        <translation>The computed columns, checks and recipes the rules files define</translation>
    </message>
</context>
<context>
    <name>wed::SheetImportDialog</name>
    <message>
        <source>导入 CSV</source>
        <translation>Import CSV</translation>
    </message>
    <message>
        <source>表中有 %1 处问题，改正之后才能导入：</source>
        <translation>The sheet has %1 problems; correct them before importing:</translation>
    </message>
    <message>
        <source>表中的值与文件相同，没有要修改的内容。</source>
        <translation>The sheet’s values are those of the file; there is nothing to change.</translation>
    </message>
    <message>
        <source>导入将做 %1 处修改：</source>
        <translation>Importing makes %1 changes:</translation>
    </message>
    <message>
        <source>应用</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>wed::TableWindow</name>
    <message>
        <source>表格: %1</source>
        <translation>Table: %1</translation>
    </message>
    <message>
        <source>查找编号或名字</source>
        <translation>Find ID or name</translation>
    </message>
    <message>
        <source>查找物品</source>
        <translation>Find item</translation>
    </message>
    <message>
        <source>导出CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>导入 CSV…</source>
        <translation>Import CSV…</translation>
    </message>
    <message>
        <source>导出CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>以所选两列作图…</source>
        <translation>Chart of the two selected columns…</translation>
    </message>
    <message>
        <source>请选中两列：左边一列作 X 轴，右边一列作 Y 轴。</source>
        <translation>Select two columns: the left one for the X axis, the right one for the Y axis.</translation>
    </message>
</context>
</TS>
