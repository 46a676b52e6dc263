<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>BlendMode</name>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>溶解</translation>
    </message>
    <message>
        <source>Behind</source>
        <translation>背后</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>变暗</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>正片叠底</translation>
    </message>
    <message>
        <source>Color Burn</source>
        <translation>颜色加深</translation>
    </message>
    <message>
        <source>Linear Burn</source>
        <translation>线性加深</translation>
    </message>
    <message>
        <source>Darker Color</source>
        <translation>深色</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>变亮</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>滤色</translation>
    </message>
    <message>
        <source>Color Dodge</source>
        <translation>颜色减淡</translation>
    </message>
    <message>
        <source>Linear Dodge</source>
        <translation>线性减淡（添加）</translation>
    </message>
    <message>
        <source>Lighter Color</source>
        <translation>浅色</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>叠加</translation>
    </message>
    <message>
        <source>Soft Light</source>
        <translation>柔光</translation>
    </message>
    <message>
        <source>Hard Light</source>
        <translation>强光</translation>
    </message>
    <message>
        <source>Vivid Light</source>
        <translation>亮光</translation>
    </message>
    <message>
        <source>Linear Light</source>
        <translation>线性光</translation>
    </message>
    <message>
        <source>Pin Light</source>
        <translation>点光</translation>
    </message>
    <message>
        <source>Hard Mix</source>
        <translation>实色混合</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差值</translation>
    </message>
    <message>
        <source>Exclusion</source>
        <translation>排除</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>减去</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>划分</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>明度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高度</translation>
    </message>
    <message>
        <source>Linear Height</source>
        <translation>线性高度</translation>
    </message>
</context>
<context>
    <name>BrushFileView</name>
    <message>
        <source>Stroke simplified: the preset asks for more dabs or a larger tip than a preview paints</source>
        <translation>描边已简化：该预设需要的笔触数或笔尖大小超出了预览所能绘制的范围</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>图案</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>设置：%1</translation>
    </message>
    <message>
        <source>Brushes</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>取样</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>刷毛</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>侵蚀</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>图案</translation>
    </message>
    <message>
        <source>%1 by %2 px</source>
        <translation>%1 × %2 像素</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>已收藏</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>设置：%1</translation>
    </message>
</context>
<context>
    <name>BrushInstaller</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of painting applications</comment>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed (the Refresh button at the foot of each) or it restarts</source>
        <translation>GIMP 在其画笔、图案、绘画动态和工具预设对话框刷新（各对话框底部的刷新按钮）或重新启动后显示新画笔</translation>
    </message>
    <message>
        <source>If they are running, %1, and Krita once it restarts.</source>
        <translation>如果它们正在运行，%1；Krita 则在重新启动后显示。</translation>
    </message>
    <message>
        <source>If it is running, %1.</source>
        <translation>如果它正在运行，%1。</translation>
    </message>
    <message>
        <source>If it is running, Krita shows the new brushes once it restarts.</source>
        <translation>如果 Krita 正在运行，它会在重新启动后显示新画笔。</translation>
    </message>
    <message>
        <source>“%1” was not installed: %2.</source>
        <translation>“%1”未安装：%2。</translation>
    </message>
    <message>
        <source>“%1” could not be installed in %2.</source>
        <translation>无法将“%1”安装到 %2。</translation>
    </message>
    <message>
        <source>“%1” was installed in %2.</source>
        <translation>已将“%1”安装到 %2。</translation>
    </message>
    <message>
        <source>“%1” is already installed in %2.</source>
        <translation>“%1”已安装在 %2 中。</translation>
    </message>
    <message>
        <source>%1: installed %2 (its brushes folder was made for it)</source>
        <translation>%1：已安装 %2（已为其创建画笔文件夹）</translation>
    </message>
    <message>
        <source>%1: installed %2</source>
        <translation>%1：已安装 %2</translation>
    </message>
    <message>
        <source>%1: already installed as %2</source>
        <translation>%1：已作为 %2 安装</translation>
    </message>
    <message>
        <source>%1: already has %2</source>
        <translation>%1：已有 %2</translation>
    </message>
    <message>
        <source>%1: could not write %2: %3</source>
        <translation>%1：无法写入 %2：%3</translation>
    </message>
    <message numerus="yes">
        <source>the file is damaged: only %Ln brush(es) could be read from it</source>
        <translation>
            <numerusform>文件已损坏：只能读取其中 %Ln 个画笔</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>不是画笔文件</translation>
    </message>
    <message>
        <source>a brush file of version %1, which Kelbrin cannot read</source>
        <translation>Kelbrin 无法读取的版本 %1 画笔文件</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>内存不足，无法读取</translation>
    </message>
    <message>
        <source>the file holds patterns but no brushes (export them as pictures instead)</source>
        <translation>文件只含图案而没有画笔（请改为将其导出为图像）</translation>
    </message>
    <message>
        <source>the file holds no brushes</source>
        <translation>文件中没有画笔</translation>
    </message>
    <message>
        <source>not a brush file, or too damaged for any brush to be read</source>
        <translation>不是画笔文件，或损坏严重，无法读取任何画笔</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（无名称）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a painting application, what its pack holds</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, brush %2 %3: %4 (%5)</source>
        <translation>%1，画笔 %2 %3：%4（%5）</translation>
    </message>
    <message>
        <source>%1, preset %2 %3: %4</source>
        <translation>%1，预设 %2 %3：%4</translation>
    </message>
    <message>
        <source>%1, pattern %2 %3: changed (%4)</source>
        <translation>%1，图案 %2 %3：已更改（%4）</translation>
    </message>
</context>
<context>
    <name>BrushSettings</name>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>fade</source>
        <translation>渐隐</translation>
    </message>
    <message>
        <source>pen pressure</source>
        <translation>钢笔压力</translation>
    </message>
    <message>
        <source>pen tilt</source>
        <translation>钢笔斜度</translation>
    </message>
    <message>
        <source>stylus wheel</source>
        <translation>光笔轮</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>initial direction</source>
        <translation>初始方向</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Shape Dynamics</source>
        <translation>形状动态</translation>
    </message>
    <message>
        <source>Scattering</source>
        <translation>散布</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>纹理</translation>
    </message>
    <message>
        <source>Dual Brush</source>
        <translation>双重画笔</translation>
    </message>
    <message>
        <source>Color Dynamics</source>
        <translation>颜色动态</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>传递</translation>
    </message>
    <message>
        <source>Brush Pose</source>
        <translation>画笔笔势</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>杂色</translation>
    </message>
    <message>
        <source>Wet Edges</source>
        <translation>湿边</translation>
    </message>
    <message>
        <source>Build-up</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Protect Texture</source>
        <translation>保护纹理</translation>
    </message>
    <message>
        <source>Brush Tip Shape</source>
        <translation>画笔笔尖形状</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>工具选项</translation>
    </message>
    <message numerus="yes">
        <source>fade %n steps</source>
        <translation>
            <numerusform>渐隐 %n 步</numerusform>
        </translation>
    </message>
    <message>
        <source>control %1</source>
        <translation>控制 %1</translation>
    </message>
    <message>
        <source>jitter %1 %</source>
        <translation>抖动 %1 %</translation>
    </message>
    <message>
        <source>minimum %1 %</source>
        <translation>最小 %1 %</translation>
    </message>
</context>
<context>
    <name>BrushViewer</name>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X 和 Y</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>形状 %1</translation>
    </message>
    <message>
        <source>Sampled</source>
        <translation>取样</translation>
    </message>
    <message>
        <source>Computed tip</source>
        <translation>计算笔尖</translation>
    </message>
    <message>
        <source>Bristle tip (preview)</source>
        <translation>刷毛笔尖（预览）</translation>
    </message>
    <message>
        <source>Airbrush tip (preview)</source>
        <translation>喷枪笔尖（预览）</translation>
    </message>
    <message>
        <source>Erodible tip (preview)</source>
        <translation>侵蚀笔尖（预览）</translation>
    </message>
    <message>
        <source>both axes</source>
        <translation>两个轴</translation>
    </message>
    <message>
        <source>%1, overrides the stylus</source>
        <translation>%1，优先于数位笔</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>适合窗口</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>棋盘格</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白色</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黑色</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>缩放：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>笔尖</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>试画</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（无名称）</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>none: a stored tip no preset of the file uses</source>
        <translation>无：文件中没有预设使用的已存储笔尖</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Stored sample</source>
        <translation>已存储的样本</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深度</translation>
    </message>
    <message>
        <source>%1-bit</source>
        <translation>%1 位</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>已损坏</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) lost in the file, left blank</source>
        <translation>
            <numerusform>文件中丢失了 %n 行，已留空</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>a drawn preview; Photoshop simulates this tip as it paints</source>
        <translation>绘制的预览；Photoshop 在绘画时模拟此笔尖</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>纹理</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>间距</translation>
    </message>
    <message>
        <source>off</source>
        <translation>关</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation>圆度</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬度</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>翻转</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>形状</translation>
    </message>
    <message>
        <source>Bristles</source>
        <translation>刷毛</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>粗细</translation>
    </message>
    <message>
        <source>Stiffness</source>
        <translation>硬度（刷毛）</translation>
    </message>
    <message>
        <source>Granularity</source>
        <translation>颗粒</translation>
    </message>
    <message>
        <source>Spatter size</source>
        <translation>喷溅大小</translation>
    </message>
    <message>
        <source>Spatter amount</source>
        <translation>喷溅量</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>柔和度</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 像素</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Minimum diameter</source>
        <translation>最小直径</translation>
    </message>
    <message>
        <source>Tilt scale</source>
        <translation>倾斜缩放比例</translation>
    </message>
    <message>
        <source>Minimum roundness</source>
        <translation>最小圆度</translation>
    </message>
    <message>
        <source>Flip jitter</source>
        <translation>翻转抖动</translation>
    </message>
    <message>
        <source>Brush projection</source>
        <translation>画笔投影</translation>
    </message>
    <message>
        <source>on</source>
        <translation>开</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>散布</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Count jitter</source>
        <translation>数量抖动</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>图案</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>对比度</translation>
    </message>
    <message>
        <source>Texture each tip</source>
        <translation>为每个笔尖设置纹理</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>Minimum depth</source>
        <translation>最小深度</translation>
    </message>
    <message>
        <source>Depth jitter</source>
        <translation>深度抖动</translation>
    </message>
    <message>
        <source>Apply per tip</source>
        <translation>应用每笔尖</translation>
    </message>
    <message>
        <source>Foreground/background</source>
        <translation>前景/背景</translation>
    </message>
    <message>
        <source>Hue jitter</source>
        <translation>色相抖动</translation>
    </message>
    <message>
        <source>Saturation jitter</source>
        <translation>饱和度抖动</translation>
    </message>
    <message>
        <source>Brightness jitter</source>
        <translation>亮度抖动</translation>
    </message>
    <message>
        <source>Purity</source>
        <translation>纯度</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>Wetness</source>
        <translation>潮湿</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Tilt X</source>
        <translation>倾斜 X</translation>
    </message>
    <message>
        <source>Tilt Y</source>
        <translation>倾斜 Y</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>旋转</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>压力</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>工具选项</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>位图</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>灰度</translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation>索引颜色</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMYK</translation>
    </message>
    <message>
        <source>Multichannel</source>
        <translation>多通道</translation>
    </message>
    <message>
        <source>Duotone</source>
        <translation>双色调</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source> with alpha</source>
        <translation>（带 Alpha）</translation>
    </message>
    <message>
        <source> (shown as RGB)</source>
        <translation>（以 RGB 显示）</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>No settings beyond the tip</source>
        <translation>除笔尖外无其他设置</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Show the pattern</source>
        <translation>显示图案</translation>
    </message>
    <message>
        <source>Show the pattern %1</source>
        <translation>显示图案 %1</translation>
    </message>
    <message>
        <source>The texture&apos;s pattern is not in this file: a plain noise stands in for it.</source>
        <translation>纹理的图案不在此文件中：以简单的杂色代替。</translation>
    </message>
    <message>
        <source>Simplified: the preset asks for more dabs or a larger tip than a preview paints.</source>
        <translation>已简化：该预设需要的笔触数或笔尖大小超出了预览所能绘制的范围。</translation>
    </message>
    <message>
        <source>Ink colour</source>
        <translation>墨水颜色</translation>
    </message>
    <message>
        <source>Ink…</source>
        <translation>墨水…</translation>
    </message>
    <message>
        <source>The pen pressure a mouse paints with</source>
        <translation>用鼠标绘画时的笔压</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>另存为 PNG…</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小：</translation>
    </message>
    <message>
        <source>Mouse pressure:</source>
        <translation>鼠标压力：</translation>
    </message>
    <message>
        <source>Ink Colour</source>
        <translation>墨水颜色</translation>
    </message>
    <message>
        <source>stroke</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>另存为 PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>Could Not Save</source>
        <translation>无法保存</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>取样</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>刷毛</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>侵蚀</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a fact&apos;s label, &quot;Size:&quot;</comment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Brush tip</source>
        <translation>笔尖</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>How the brush paints</source>
        <translation>画笔的笔触</translation>
    </message>
    <message>
        <source>Sheet to try the brush on</source>
        <translation>试笔用的画纸</translation>
    </message>
    <message>
        <source>The colour strokes on the sheet are painted in</source>
        <translation>画纸上笔画的颜色</translation>
    </message>
    <message>
        <source>Tip size</source>
        <translation>笔尖大小</translation>
    </message>
    <message>
        <source>Mouse pressure</source>
        <translation>鼠标压力</translation>
    </message>
    <message>
        <source>Wipes the strokes off the sheet</source>
        <translation>擦掉画纸上的笔画</translation>
    </message>
    <message>
        <source>Saves the sheet&apos;s strokes as a PNG image</source>
        <translation>将画纸上的笔画保存为 PNG 图像</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Round Point</source>
        <translation>圆点</translation>
    </message>
    <message>
        <source>Round Blunt</source>
        <translation>圆钝形</translation>
    </message>
    <message>
        <source>Round Curve</source>
        <translation>圆曲线</translation>
    </message>
    <message>
        <source>Round Angle</source>
        <translation>圆角</translation>
    </message>
    <message>
        <source>Round Fan</source>
        <translation>圆扇形</translation>
    </message>
    <message>
        <source>Flat Point</source>
        <translation>平点</translation>
    </message>
    <message>
        <source>Flat Blunt</source>
        <translation>平钝形</translation>
    </message>
    <message>
        <source>Flat Curve</source>
        <translation>平曲线</translation>
    </message>
    <message>
        <source>Flat Angle</source>
        <translation>平角</translation>
    </message>
    <message>
        <source>Flat Fan</source>
        <translation>平扇形</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>尖</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>平</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>圆</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>方形</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>三角形</translation>
    </message>
</context>
<context>
    <name>BrushWindow</name>
    <message>
        <source>Thumbnail size</source>
        <translation>缩略图大小</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>安装(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Install in %1</source>
        <translation>安装到 %1(&amp;I)</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Install in %1</source>
        <translation>安装到 %1</translation>
    </message>
    <message>
        <source>Open Brush File</source>
        <translation>打开画笔文件</translation>
    </message>
    <message>
        <source>Brush files (*.abr *.ABR);;All files (*)</source>
        <translation>画笔文件 (*.abr *.ABR);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Looking for brush files</source>
        <translation>正在查找画笔文件</translation>
    </message>
    <message>
        <source>Fewer, larger brushes a row to the right</source>
        <translation>向右：每行画笔更少、更大</translation>
    </message>
</context>
<context>
    <name>CBrushCataloguer</name>
    <message numerus="yes">
        <source>Cataloguing brushes… %1 of %Ln file(s)</source>
        <translation>
            <numerusform>正在编目画笔… %1 / %Ln 个文件</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation>重复项</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>在文件管理器中显示(&amp;M)</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>移到回收站(&amp;T)</translation>
    </message>
    <message numerus="yes">
        <source>No duplicates found among %Ln catalogued files.</source>
        <translation>
            <numerusform>在 %Ln 个已编目文件中未发现重复项。</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate brushes</source>
        <translation>重复的画笔</translation>
    </message>
</context>
<context>
    <name>DuplicatesModel</name>
    <message numerus="yes">
        <source>%n identical files</source>
        <translation>
            <numerusform>%n 个相同的文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” in %n files</source>
        <translation>
            <numerusform>“%1”出现在 %n 个文件中</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One tip in %n files</source>
        <translation>
            <numerusform>同一笔尖出现在 %n 个文件中</numerusform>
        </translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
…… 还有 %1 个</translation>
    </message>
    <message>
        <source>Export Brushes as Images</source>
        <translation>将画笔导出为图像</translation>
    </message>
    <message>
        <source>Some brushes of “%1” could not be written.</source>
        <translation>“%1”中的部分画笔无法写入。</translation>
    </message>
    <message>
        <source>Some brushes of “%1” were too large to write at full size.</source>
        <translation>“%1”中的部分画笔太大，无法以原始大小写入。</translation>
    </message>
    <message>
        <source>Some strokes of “%1” were not painted exactly as their presets ask.</source>
        <translation>“%1”中的部分描边未能完全按预设绘制。</translation>
    </message>
    <message>
        <source>Use transparency</source>
        <translation>使用透明</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>笔尖</translation>
    </message>
    <message>
        <source>Strokes (how each preset paints)</source>
        <translation>描边（每个预设的绘画效果）</translation>
    </message>
    <message>
        <source>By number (0.png, 1.png, …)</source>
        <translation>按编号 (0.png, 1.png, …)</translation>
    </message>
    <message>
        <source>By brush name</source>
        <translation>按画笔名称</translation>
    </message>
    <message>
        <source>Pad numbers with zeros (007.png)</source>
        <translation>编号补零 (007.png)</translation>
    </message>
    <message>
        <source>Open the folder when done</source>
        <translation>完成后打开文件夹</translation>
    </message>
    <message>
        <source>Images of:</source>
        <translation>图像内容：</translation>
    </message>
    <message>
        <source>Name files:</source>
        <translation>文件命名：</translation>
    </message>
    <message>
        <source>Painting the strokes of “%1”…</source>
        <translation>正在绘制“%1”的描边…</translation>
    </message>
    <message>
        <source>Writing the brushes of “%1”…</source>
        <translation>正在写入“%1”的画笔…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>“%1” has no brushes to export.</source>
        <translation>“%1”没有可导出的画笔。</translation>
    </message>
    <message>
        <source>The folder could not be made: %1</source>
        <translation>无法创建文件夹：%1</translation>
    </message>
    <message>
        <source>Images of</source>
        <translation>图像内容</translation>
    </message>
    <message>
        <source>Name files</source>
        <translation>文件命名</translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>The brush file could not be moved to the Trash.</source>
        <translation>无法将画笔文件移到回收站。</translation>
    </message>
    <message>
        <source>Kelbrin did not write it: it belongs to another application, and Kelbrin leaves it alone.</source>
        <translation>该文件不是 Kelbrin 写入的：它属于其他应用程序，Kelbrin 不会改动它。</translation>
    </message>
    <message>
        <source>Check that you may change the folder that holds the file.</source>
        <translation>请检查您是否有权修改该文件所在的文件夹。</translation>
    </message>
    <message>
        <source>“%1” was moved to the trash.</source>
        <translation>已将“%1”移到回收站。</translation>
    </message>
    <message>
        <source>The file could not be taken back from the trash</source>
        <translation>无法从回收站中取回文件</translation>
    </message>
    <message>
        <source>“%1” is back in %2.</source>
        <translation>“%1”已回到 %2。</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>在文件夹中显示</translation>
    </message>
    <message>
        <source>GIMP and Krita get the brushes in their own formats:</source>
        <translation>GIMP 和 Krita 以各自的格式获得画笔：</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) written to %1</source>
        <translation>
            <numerusform>已将 %Ln 张图像写入 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 of them drawn previews of bristle or erodible tips</source>
        <translation>，其中 %1 张是刷毛或侵蚀笔尖的绘制预览</translation>
    </message>
    <message>
        <source>, %1 could not be written</source>
        <translation>，%1 张无法写入</translation>
    </message>
    <message>
        <source> (stopped before the end)</source>
        <translation>（中途停止）</translation>
    </message>
</context>
<context>
    <name>FileManagerLauncher</name>
    <message>
        <source>Neither the desktop&apos;s file manager nor xdg-open answered. The folder is:</source>
        <translation>桌面的文件管理器和 xdg-open 都没有响应。文件夹是：</translation>
    </message>
    <message>
        <source>No file manager could open the folder “%1”.</source>
        <translation>没有文件管理器能打开文件夹“%1”。</translation>
    </message>
    <message>
        <source>No file manager could show “%1”.</source>
        <translation>没有文件管理器能显示“%1”。</translation>
    </message>
</context>
<context>
    <name>FileOutlineView</name>
    <message>
        <source>Show in File Manager</source>
        <translation>在文件管理器中显示</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>收藏</translation>
    </message>
    <message>
        <source>Tags…</source>
        <translation>标签…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>移到回收站</translation>
    </message>
</context>
<context>
    <name>InstallResultDialog</name>
    <message>
        <source>Installed (its brushes folder was made)</source>
        <translation>已安装（已创建画笔文件夹）</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>已安装</translation>
    </message>
    <message>
        <source>Already installed as “%1”</source>
        <translation>已作为“%1”安装</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>已安装过</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>未安装：%1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Show %1 in the file manager</source>
        <translation>在文件管理器中显示 %1</translation>
    </message>
    <message>
        <source>Show the %1 folder</source>
        <translation>显示 %1 的文件夹</translation>
    </message>
</context>
<context>
    <name>InstalledFileOutlineModel</name>
    <message>
        <source>%1 — Local Brushes</source>
        <comment>a painting application&apos;s second brushes folder</comment>
        <translation>%1 — 本地画笔</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source> It has been set aside as %1, and a new one is made at the next start.</source>
        <translation> 它已另存为 %1，下次启动时会新建一个。</translation>
    </message>
    <message>
        <source> The library is off until the next start.</source>
        <translation> 画笔库在下次启动前不可用。</translation>
    </message>
    <message>
        <source>There is no brush library to keep it in.</source>
        <translation>没有可保存它的画笔库。</translation>
    </message>
    <message>
        <source>The brush library is not ready yet: it is being checked.</source>
        <translation>画笔库尚未就绪：正在检查。</translation>
    </message>
</context>
<context>
    <name>LibraryResultsModel</name>
    <message>
        <source>Brush %1</source>
        <translation>画笔 %1</translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1，已收藏</translation>
    </message>
    <message>
        <source>Brush %1 in %2</source>
        <translation>%2 中的画笔 %1</translation>
    </message>
</context>
<context>
    <name>LibraryResultsView</name>
    <message>
        <source>No brushes named “%1” in the library</source>
        <translation>画笔库中没有名为“%1”的画笔</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — more than %2, %2 shown</source>
        <translation>画笔库中名为“%1”的画笔 — 超过 %2 个，显示 %2 个</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — %2</source>
        <translation>画笔库中名为“%1”的画笔 — %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>打开(&amp;O)</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>在文件管理器中显示(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>收藏画笔(&amp;F)</translation>
    </message>
    <message>
        <source>Brushes found in the library</source>
        <translation>在画笔库中找到的画笔</translation>
    </message>
</context>
<context>
    <name>MarksController</name>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>收藏画笔(&amp;F)</translation>
    </message>
    <message>
        <source>Fa&amp;vourite File</source>
        <translation>收藏文件(&amp;V)</translation>
    </message>
    <message>
        <source>T&amp;ags…</source>
        <translation>标签(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Duplicates…</source>
        <translation>重复项(&amp;D)…</translation>
    </message>
    <message>
        <source>The brush library could not keep that</source>
        <translation>画笔库无法保存此项</translation>
    </message>
</context>
<context>
    <name>OutlineModel</name>
    <message>
        <source>Tags: %1</source>
        <translation>标签：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1, folder, %n brush file(s)</source>
        <translation>
            <numerusform>%1，文件夹，%n 个画笔文件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1，已收藏</translation>
    </message>
</context>
<context>
    <name>OutlinesController</name>
    <message>
        <source>Filter brush files</source>
        <translation>筛选画笔文件</translation>
    </message>
    <message>
        <source>Show all files, the favourites, or the files of one tag</source>
        <translation>显示所有文件、收藏的文件或某个标签的文件</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>收藏</translation>
    </message>
    <message>
        <source>Installed Brushes</source>
        <translation>已安装的画笔</translation>
    </message>
    <message>
        <source>No favourite brush file names contain “%1”</source>
        <translation>没有收藏的画笔文件名包含“%1”</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” have names containing “%2”</source>
        <translation>带有标签“%1”的画笔文件中没有名称包含“%2”的</translation>
    </message>
    <message>
        <source>No favourite brush files here</source>
        <translation>这里没有收藏的画笔文件</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” here</source>
        <translation>这里没有带标签“%1”的画笔文件</translation>
    </message>
    <message>
        <source>No brush file names contain “%1”</source>
        <translation>没有画笔文件名包含“%1”</translation>
    </message>
    <message>
        <source>Searching for brush files…</source>
        <translation>正在搜索画笔文件…</translation>
    </message>
    <message>
        <source>No brush files found</source>
        <translation>未找到画笔文件</translation>
    </message>
    <message>
        <source>No brush files found in:</source>
        <translation>在以下位置未找到画笔文件：</translation>
    </message>
    <message>
        <source>Shows only the files whose name or tags hold these words</source>
        <translation>只显示名称或标签包含这些词的文件</translation>
    </message>
    <message>
        <source>Files shown</source>
        <translation>显示的文件</translation>
    </message>
    <message>
        <source>Brush files</source>
        <translation>画笔文件</translation>
    </message>
</context>
<context>
    <name>PackReport</name>
    <message>
        <source>loses its texture &quot;%1&quot; (the pattern is in the pack)</source>
        <translation>失去纹理“%1”（图案已在包中）</translation>
    </message>
    <message>
        <source>loses its texture &quot;%1&quot; (the file does not carry it)</source>
        <translation>失去纹理“%1”（文件中没有它）</translation>
    </message>
    <message>
        <source>characters of its name that are no text replaced or removed</source>
        <translation>名称中非文本的字符已替换或删除</translation>
    </message>
    <message>
        <source>name shortened to %1 bytes</source>
        <translation>名称缩短为 %1 字节</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer), written as 25 %</source>
        <translation>间距关闭（指针每次移动时一个笔触），写为 25 %</translation>
    </message>
    <message>
        <source>settings not carried (%1)</source>
        <translation>未转换的设置（%1）</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>模式 %1</translation>
    </message>
    <message>
        <source>opacity %1</source>
        <translation>不透明度 %1</translation>
    </message>
    <message>
        <source>flow %1</source>
        <translation>流量 %1</translation>
    </message>
    <message>
        <source>smoothing %1</source>
        <translation>平滑 %1</translation>
    </message>
    <message>
        <source>tool options not carried (%1)</source>
        <translation>未转换的工具选项（%1）</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>已更改</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>未转换</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>approximated</source>
        <translation>近似</translation>
    </message>
    <message>
        <source>no pixels to carry</source>
        <translation>没有可转换的像素</translation>
    </message>
    <message>
        <source>soft edge painted by GIMP&apos;s own curve</source>
        <translation>柔边按 GIMP 自己的曲线绘制</translation>
    </message>
    <message>
        <source>roundness raised to GIMP&apos;s 5 %</source>
        <translation>圆度提高到 GIMP 的 5 %</translation>
    </message>
    <message>
        <source>reduced to GIMP&apos;s largest radius, 4,000 pixels</source>
        <translation>缩小到 GIMP 的最大半径 4,000 像素</translation>
    </message>
    <message>
        <source>%1-bit reduced to 8-bit</source>
        <translation>%1 位减为 8 位</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 pixels</source>
        <translation>从 %1 缩放到 %2 像素</translation>
    </message>
    <message>
        <source>GIMP averages its control and its jitter rather than combining them</source>
        <translation>GIMP 对控制和抖动取平均，而不是组合</translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation>%1（控制）</translation>
    </message>
    <message>
        <source>GIMP has no input like control %1</source>
        <translation>GIMP 没有类似控制 %1 的输入</translation>
    </message>
    <message>
        <source>fades over %1 pixels (%2 steps) along GIMP&apos;s eased curve</source>
        <translation>沿 GIMP 的缓和曲线在 %1 像素（%2 步）内渐隐</translation>
    </message>
    <message>
        <source>clamped to GIMP&apos;s longest fade</source>
        <translation>限制为 GIMP 的最长渐隐</translation>
    </message>
    <message>
        <source>fades over the length of the %1, GIMP having one fade a preset</source>
        <translation>按 %1 的长度渐隐，因为 GIMP 每个预设只有一个渐隐</translation>
    </message>
    <message>
        <source>%1 jitter</source>
        <translation>%1（抖动）</translation>
    </message>
    <message>
        <source>size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>roundness</source>
        <translation>圆度</translation>
    </message>
    <message>
        <source>flip x</source>
        <translation>翻转 X</translation>
    </message>
    <message>
        <source>flip y</source>
        <translation>翻转 Y</translation>
    </message>
    <message>
        <source>hardness</source>
        <translation>硬度</translation>
    </message>
    <message>
        <source>spacing</source>
        <translation>间距</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer) written as 25 %</source>
        <translation>间距关闭（指针每次移动时一个笔触）写为 25 %</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>笔尖</translation>
    </message>
    <message>
        <source>drawn as one still tip: GIMP&apos;s paintbrush has no bristle or wearing tips</source>
        <translation>绘制为一个固定笔尖：GIMP 的画笔没有刷毛笔尖或磨损笔尖</translation>
    </message>
    <message>
        <source>tilt scale</source>
        <translation>倾斜缩放比例</translation>
    </message>
    <message>
        <source>GIMP&apos;s size follows tilt along one curve only</source>
        <translation>GIMP 的大小只沿一条曲线跟随倾斜</translation>
    </message>
    <message>
        <source>as GIMP&apos;s aspect ratio, which squashes the tip on a scale of its own</source>
        <translation>作为 GIMP 的纵横比，它按自己的比例压扁笔尖</translation>
    </message>
    <message>
        <source>flip x jitter</source>
        <translation>翻转 X 抖动</translation>
    </message>
    <message>
        <source>GIMP flips no tip at random</source>
        <translation>GIMP 不会随机翻转笔尖</translation>
    </message>
    <message>
        <source>flip y jitter</source>
        <translation>翻转 Y 抖动</translation>
    </message>
    <message>
        <source>brush projection</source>
        <translation>画笔投影</translation>
    </message>
    <message>
        <source>GIMP does not project the tip by the pen&apos;s tilt</source>
        <translation>GIMP 不按笔的倾斜投影笔尖</translation>
    </message>
    <message>
        <source>GIMP scatters along the stroke as well as across it</source>
        <translation>GIMP 沿描边方向和横向都会散布</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s %2</source>
        <translation>%1 限制为 GIMP 的 %2</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>散布</translation>
    </message>
    <message>
        <source>scatter control</source>
        <translation>散布控制</translation>
    </message>
    <message>
        <source>there is no scatter for it to drive</source>
        <translation>没有可供它控制的散布</translation>
    </message>
    <message>
        <source>count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>GIMP lays one dab at each step</source>
        <translation>GIMP 每步只落一个笔触</translation>
    </message>
    <message>
        <source>count jitter</source>
        <translation>数量抖动</translation>
    </message>
    <message>
        <source>foreground/background</source>
        <translation>前景/背景</translation>
    </message>
    <message>
        <source>picked from GIMP&apos;s foreground-to-background gradient</source>
        <translation>取自 GIMP 的前景到背景渐变</translation>
    </message>
    <message>
        <source>hue jitter</source>
        <translation>色相抖动</translation>
    </message>
    <message>
        <source>saturation jitter</source>
        <translation>饱和度抖动</translation>
    </message>
    <message>
        <source>brightness jitter</source>
        <translation>亮度抖动</translation>
    </message>
    <message>
        <source>purity</source>
        <translation>纯度</translation>
    </message>
    <message>
        <source>GIMP varies colour only along a gradient</source>
        <translation>GIMP 只沿渐变改变颜色</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>不透明度</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>流量</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush has no flow</source>
        <translation>GIMP 的画笔没有流量</translation>
    </message>
    <message>
        <source>wetness</source>
        <translation>潮湿</translation>
    </message>
    <message>
        <source>GIMP has no mixer brush</source>
        <translation>GIMP 没有混合器画笔</translation>
    </message>
    <message>
        <source>mix</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>纹理</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern</source>
        <translation>GIMP 的画笔不透过图案绘画</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern, and the file has none</source>
        <translation>GIMP 的画笔不透过图案绘画，文件中也没有图案</translation>
    </message>
    <message>
        <source>dual brush</source>
        <translation>双重画笔</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints with one tip</source>
        <translation>GIMP 的画笔只用一个笔尖绘画</translation>
    </message>
    <message>
        <source>brush pose</source>
        <translation>画笔笔势</translation>
    </message>
    <message>
        <source>GIMP takes tilt, rotation and pressure from the pen alone</source>
        <translation>GIMP 只从笔获取倾斜、旋转和压力</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>杂色</translation>
    </message>
    <message>
        <source>GIMP adds no noise to a tip&apos;s edge</source>
        <translation>GIMP 不在笔尖边缘添加杂色</translation>
    </message>
    <message>
        <source>wet edges</source>
        <translation>湿边</translation>
    </message>
    <message>
        <source>GIMP paints no wet edges</source>
        <translation>GIMP 不绘制湿边</translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>建立</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush lays no paint while held still (its airbrush does)</source>
        <translation>GIMP 的画笔静止时不落颜料（其喷枪会）</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>平滑</translation>
    </message>
    <message>
        <source>GIMP&apos;s stroke smoothing at its own weight</source>
        <translation>GIMP 自己权重的描边平滑</translation>
    </message>
    <message>
        <source>protect texture</source>
        <translation>保护纹理</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s 0 to 100 %</source>
        <translation>%1 限制为 GIMP 的 0 到 100 %</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>GIMP has no mode like %1; painted in Normal</source>
        <translation>GIMP 没有类似 %1 的模式；按正常绘制</translation>
    </message>
    <message>
        <source>as GIMP&apos;s %1</source>
        <translation>作为 GIMP 的 %1</translation>
    </message>
    <message>
        <source>airbrush tip written as a preview image</source>
        <translation>喷枪笔尖写为预览图像</translation>
    </message>
    <message>
        <source>bristle tip written as a preview image</source>
        <translation>刷毛笔尖写为预览图像</translation>
    </message>
    <message>
        <source>erodible tip written as a preview image</source>
        <translation>侵蚀笔尖写为预览图像</translation>
    </message>
    <message>
        <source>computed tip drawn as pixels</source>
        <translation>计算笔尖绘制为像素</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt elevation</source>
        <translation>笔倾斜作为 Krita 的倾斜仰角</translation>
    </message>
    <message>
        <source>the stroke&apos;s direction as Krita&apos;s drawing angle</source>
        <translation>描边方向作为 Krita 的绘画角度</translation>
    </message>
    <message>
        <source>its control (%1) is none Krita knows, left off</source>
        <translation>其控制（%1）Krita 不认识，已略去</translation>
    </message>
    <message>
        <source>%1 is beyond Krita&apos;s range, written as %2</source>
        <translation>%1 超出 Krita 的范围，写为 %2</translation>
    </message>
    <message>
        <source>as the fade of Krita&apos;s round tip, which softens its edge along another curve</source>
        <translation>作为 Krita 圆形笔尖的淡化，其边缘沿另一条曲线柔化</translation>
    </message>
    <message>
        <source>%1 dabs a step as spacing divided by %1</source>
        <translation>每步 %1 个笔触作为间距除以 %1</translation>
    </message>
    <message>
        <source>a bristle tip as its drawn picture, in Krita&apos;s pixel brush: Krita&apos;s bristle engine takes none of Photoshop&apos;s bristle settings</source>
        <translation>刷毛笔尖作为其绘制图像，用于 Krita 的像素画笔：Krita 的刷毛引擎不接受 Photoshop 的任何刷毛设置</translation>
    </message>
    <message>
        <source>an erodible tip as its drawn picture, in Krita&apos;s pixel brush, which does not wear</source>
        <translation>侵蚀笔尖作为其绘制图像，用于不会磨损的 Krita 像素画笔</translation>
    </message>
    <message>
        <source>the tip is written smaller; Krita enlarges it %1 times to the preset&apos;s %2 pixels</source>
        <translation>笔尖写得更小；Krita 将其放大 %1 倍到预设的 %2 像素</translation>
    </message>
    <message>
        <source>flip</source>
        <translation>翻转</translation>
    </message>
    <message>
        <source>Krita&apos;s tilt sensor has no scale of its own</source>
        <translation>Krita 的倾斜传感器没有自己的缩放比例</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt direction</source>
        <translation>笔倾斜作为 Krita 的倾斜方向</translation>
    </message>
    <message>
        <source>the jitter as Krita&apos;s random rotation, at the strength of the control as well</source>
        <translation>抖动作为 Krita 的随机旋转，强度也与控制相同</translation>
    </message>
    <message>
        <source>flip jitter</source>
        <translation>翻转抖动</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not lay the tip on the pen&apos;s tilt</source>
        <translation>Krita 的像素画笔不按笔的倾斜放置笔尖</translation>
    </message>
    <message>
        <source>across the stroke as Krita&apos;s Y axis</source>
        <translation>横跨描边作为 Krita 的 Y 轴</translation>
    </message>
    <message>
        <source>as closer spacing: Krita&apos;s pixel brush lays one dab a step</source>
        <translation>作为更小的间距：Krita 的像素画笔每步一个笔触</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush lays one dab a step</source>
        <translation>Krita 的像素画笔每步一个笔触</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>图案</translation>
    </message>
    <message>
        <source>the file does not carry the pattern &quot;%1&quot;</source>
        <translation>文件中没有图案“%1”</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>invert</source>
        <translation>反相</translation>
    </message>
    <message>
        <source>brightness and contrast</source>
        <translation>亮度和对比度</translation>
    </message>
    <message>
        <source>on Krita&apos;s scales, which are not Photoshop&apos;s</source>
        <translation>按 Krita 的刻度，与 Photoshop 的不同</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita has</source>
        <translation>%1 作为 Krita 具有的正片叠底</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>无模式</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>深度</translation>
    </message>
    <message>
        <source>depth jitter</source>
        <translation>深度抖动</translation>
    </message>
    <message>
        <source>texture each tip off</source>
        <translation>为每个笔尖设置纹理：关</translation>
    </message>
    <message>
        <source>Krita textures each dab</source>
        <translation>Krita 为每个笔触设置纹理</translation>
    </message>
    <message>
        <source>the file does not carry the dual brush&apos;s tip</source>
        <translation>文件中没有双重画笔的笔尖</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita&apos;s masking brush has</source>
        <translation>%1 作为 Krita 蒙版画笔具有的正片叠底</translation>
    </message>
    <message>
        <source>its angle of %1° left out</source>
        <translation>其 %1° 的角度已略去</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush is not flipped at random</source>
        <translation>Krita 的蒙版画笔不会随机翻转</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush lays one dab a step</source>
        <translation>Krita 的蒙版画笔每步一个笔触</translation>
    </message>
    <message>
        <source>as Krita&apos;s random %1 shift</source>
        <translation>作为 Krita 的随机%1偏移</translation>
    </message>
    <message>
        <source>hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>饱和度</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>as Krita&apos;s mix toward the background colour</source>
        <translation>作为 Krita 向背景色的混合</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no steady saturation shift</source>
        <translation>Krita 的像素画笔没有恒定的饱和度偏移</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not mix paint on the canvas</source>
        <translation>Krita 的像素画笔不在画布上混合颜料</translation>
    </message>
    <message>
        <source>Krita has no blend mode %1</source>
        <translation>Krita 没有混合模式 %1</translation>
    </message>
    <message>
        <source>Krita keeps smoothing with its brush tool, not in a preset</source>
        <translation>Krita 将平滑保存在画笔工具中，而非预设中</translation>
    </message>
    <message>
        <source>pose</source>
        <translation>笔势</translation>
    </message>
    <message>
        <source>Krita&apos;s presets take the pen&apos;s own tilt, rotation and pressure</source>
        <translation>Krita 的预设使用笔自身的倾斜、旋转和压力</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush adds no grain to a tip&apos;s soft edges</source>
        <translation>Krita 的像素画笔不会给笔尖柔边添加颗粒</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no wet edges</source>
        <translation>Krita 的像素画笔没有湿边</translation>
    </message>
    <message>
        <source>each Krita preset keeps its own texture</source>
        <translation>每个 Krita 预设保留自己的纹理</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n 个画笔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n 个已更改</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not carried</source>
        <translation>
            <numerusform>%n 个未转换</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n 个预设</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximated</source>
        <translation>
            <numerusform>%n 个为近似</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n 个图案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose their texture</source>
        <translation>
            <numerusform>%n 个画笔失去纹理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose settings</source>
        <translation>
            <numerusform>%n 个画笔失去设置</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of a pack</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading, a fate</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>a heading, a setting, a fate</comment>
        <translation>%1，%2：%3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a setting&apos;s fate and how</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the changes of a brush</comment>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>ReadErrorText</name>
    <message>
        <source>not a valid brush file, or damaged</source>
        <translation>不是有效的画笔文件，或已损坏</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>文件提前结束</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>错误 %1</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>不是画笔文件</translation>
    </message>
    <message>
        <source>unsupported version %1</source>
        <translation>不支持的版本 %1</translation>
    </message>
</context>
<context>
    <name>ReadMessageBar</name>
    <message>
        <source>Not a brush file</source>
        <translation>不是画笔文件</translation>
    </message>
    <message>
        <source>Not a brush file Kelbrin can read (version %1)</source>
        <translation>不是 Kelbrin 能读取的画笔文件（版本 %1）</translation>
    </message>
    <message>
        <source>This file is damaged: %1 and %2 could be read</source>
        <translation>此文件已损坏：读取了 %1 和 %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln 个画笔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln 个图案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file is damaged: %Ln brush(es) could be read</source>
        <translation>
            <numerusform>此文件已损坏：读取了 %Ln 个画笔</numerusform>
        </translation>
    </message>
    <message>
        <source>not enough memory to read this file</source>
        <translation>内存不足，无法读取此文件</translation>
    </message>
</context>
<context>
    <name>ReadingController</name>
    <message numerus="yes">
        <source>Reading… %Ln brush(es)</source>
        <translation>
            <numerusform>正在读取… %Ln 个画笔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln 个画笔</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1)</source>
        <comment>the kinds of the brushes counted</comment>
        <translation>（%1）</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln 个图案</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sampled</source>
        <translation>
            <numerusform>取样 %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln computed</source>
        <translation>
            <numerusform>计算 %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bristle</source>
        <translation>
            <numerusform>刷毛 %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln erodible</source>
        <translation>
            <numerusform>侵蚀 %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %Ln selected</source>
        <translation>
            <numerusform> — 已选 %Ln 个</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the brush file</source>
        <translation>正在读取画笔文件</translation>
    </message>
</context>
<context>
    <name>ScratchCanvas</name>
    <message>
        <source>Could not write the picture to %1.</source>
        <translation>无法将图像写入 %1。</translation>
    </message>
</context>
<context>
    <name>TagsDialog</name>
    <message>
        <source>Tags of “%1”</source>
        <translation>“%1”的标签</translation>
    </message>
    <message>
        <source>New tag</source>
        <translation>新标签</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>添加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>移除(&amp;R)</translation>
    </message>
    <message>
        <source>Words of your own to find this file by: the box beside the filter shows the files that have one.</source>
        <translation>用于查找此文件的自定义词语：筛选框旁的列表会显示带有标签的文件。</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
</context>
<context>
    <name>WatchLimitBar</name>
    <message>
        <source>Hide this message</source>
        <translation>隐藏此消息</translation>
    </message>
    <message>
        <source>Not every folder can be watched for changes: the system&apos;s limit (fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s instead, so changes there show up late.
To raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in /etc/sysctl.d/)</source>
        <translation>无法监视所有文件夹的变化：已达到系统上限 (fs.inotify.max_user_watches)。Kelbrin 改为每 %1 秒检查其余文件夹，因此那里的变化会延迟显示。
提高上限：sudo sysctl fs.inotify.max_user_watches=524288（要永久保留，请将该设置写入 /etc/sysctl.d/ 中的文件）</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Install</source>
        <translation>安装</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>移到回收站</translation>
    </message>
    <message>
        <source>Show &amp;Strokes</source>
        <translation>显示描边(&amp;S)</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>描边</translation>
    </message>
    <message>
        <source>Show how each brush paints</source>
        <translation>显示每个画笔的绘画效果</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>打开(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Export as Images…</source>
        <translation>导出为图像(&amp;E)…</translation>
    </message>
    <message>
        <source>Export &amp;Selected…</source>
        <translation>导出所选(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>打印(&amp;P)…</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>在文件管理器中显示(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>安装(&amp;I)</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>移到回收站(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Kelbrin &amp;Help</source>
        <translation>Kelbrin 帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Kelbrin</source>
        <translation>关于 Kelbrin(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>全选(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find Brush Files</source>
        <translation>查找画笔文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View Brush</source>
        <translation>查看画笔(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>放大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>缩小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>实际大小(&amp;R)</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>显示名称(&amp;N)</translation>
    </message>
    <message>
        <source>Show &amp;All Folders</source>
        <translation>显示所有文件夹(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>主题(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>跟随系统(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>浅色(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>深色(&amp;D)</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>没有最近打开的文件</translation>
    </message>
    <message>
        <source>Kelbrin Help</source>
        <translation>Kelbrin 帮助</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; shows the brushes in Photoshop brush files.&lt;/p&gt;&lt;p&gt;Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home and End jump to the first and last brushes.&lt;/p&gt;&lt;p&gt;Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. Double-click or press Space to see it large; Left and Right step through the file. Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.&lt;/p&gt;&lt;p&gt;File ▸ Export as Images… writes every brush as a PNG file into a new folder; Export Selected… only the selected ones.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; 显示 Photoshop 画笔文件中的画笔。&lt;/p&gt;&lt;p&gt;用 文件 ▸ 打开… 打开文件，或将文件拖放到窗口上。用滑块、Ctrl+滚轮或 视图 ▸ 放大、缩小 改变缩略图大小（Ctrl+0 恢复）；Home 和 End 跳到第一个和最后一个画笔。&lt;/p&gt;&lt;p&gt;单击画笔将其选中，按住 Ctrl 或 Shift 单击可多选，Ctrl+A 全选。双击或按空格键放大查看；左右方向键在文件中逐个浏览。Ctrl+C 将画笔复制为图像；将画笔拖出可作为 PNG 文件放下。&lt;/p&gt;&lt;p&gt;文件 ▸ 导出为图像… 将每个画笔写为 PNG 文件放入新文件夹；导出所选… 只导出选中的画笔。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Browse the brushes in Photoshop brush files (.abr): find them all, look at every brush, export them as images. Kelbrin never changes a brush file.&lt;/p&gt;&lt;p&gt;The licence is in the copyright file installed with Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;浏览 Photoshop 画笔文件 (.abr) 中的画笔：全部找出、逐一查看、导出为图像。Kelbrin 从不修改画笔文件。&lt;/p&gt;&lt;p&gt;许可证见随 Kelbrin 安装的 copyright 文件 (/usr/share/doc/kelbrin/copyright)。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Kelbrin</source>
        <translation>关于 Kelbrin</translation>
    </message>
    <message>
        <source>Move the brush file to the trash</source>
        <translation>将画笔文件移到回收站</translation>
    </message>
    <message>
        <source>Save the brushes as PNG images</source>
        <translation>将画笔保存为 PNG 图像</translation>
    </message>
</context>
<context>
    <name>kelbrin</name>
    <message>
        <source>Browse the brushes in Photoshop brush files.</source>
        <translation>浏览 Photoshop 画笔文件中的画笔。</translation>
    </message>
    <message>
        <source>Open FILE, save a picture of the window to OUT and quit.</source>
        <translation>打开 FILE，将窗口图像保存到 OUT 后退出。</translation>
    </message>
    <message>
        <source>Without showing a window, wait until the search for brush files has done its first pass, print both outlines with every folder open, and quit.</source>
        <translation>不显示窗口，等待画笔文件搜索完成第一遍，输出展开所有文件夹的两个文件夹树，然后退出。</translation>
    </message>
    <message>
        <source>With --dump-outlines: print every folder (Show All Folders).</source>
        <translation>与 --dump-outlines 一起使用：输出每个文件夹（显示所有文件夹）。</translation>
    </message>
    <message>
        <source>A brush file to show (a path or a file:// URI).</source>
        <translation>要显示的画笔文件（路径或 file:// URI）。</translation>
    </message>
</context>
<context>
    <name>kelbrin-cli</name>
    <message>
        <source>read brush files and list their brushes</source>
        <translation>读取画笔文件并列出其中的画笔</translation>
    </message>
    <message>
        <source>write the brushes of FILE (tips, or strokes) as PNG files into a new folder</source>
        <translation>将 FILE 的画笔（笔尖或描边）写为 PNG 文件放入新文件夹</translation>
    </message>
    <message>
        <source>paint a brush&apos;s stroke in black on white into a PNG file</source>
        <translation>将画笔的描边以白底黑色绘制到 PNG 文件中</translation>
    </message>
    <message>
        <source>write each file&apos;s brushes in GIMP&apos;s or Krita&apos;s own formats</source>
        <translation>以 GIMP 或 Krita 自己的格式写出每个文件的画笔</translation>
    </message>
    <message>
        <source>show brush files as the folder outline shows them</source>
        <translation>按文件夹树的方式显示画笔文件</translation>
    </message>
    <message>
        <source>find brush files (everywhere, or below the folders)</source>
        <translation>查找画笔文件（所有位置，或指定文件夹之下）</translation>
    </message>
    <message>
        <source>list the installed painting applications</source>
        <translation>列出已安装的绘画应用程序</translation>
    </message>
    <message>
        <source>copy a brush file into every application&apos;s brushes folder</source>
        <translation>将画笔文件复制到每个应用程序的画笔文件夹</translation>
    </message>
    <message>
        <source>move files to the trash (--yes: delete those no trash takes)</source>
        <translation>将文件移到回收站（--yes：删除回收站不接受的文件）</translation>
    </message>
    <message>
        <source>bring the brush library up to date (everywhere, or below the folders)</source>
        <translation>更新画笔库（所有位置，或指定文件夹之下）</translation>
    </message>
    <message>
        <source>list the library&apos;s brushes whose names hold TEXT</source>
        <translation>列出画笔库中名称包含 TEXT 的画笔</translation>
    </message>
    <message>
        <source>list identical files and tips found in more than one file</source>
        <translation>列出出现在多个文件中的相同文件和笔尖</translation>
    </message>
    <message>
        <source>give a file tags</source>
        <translation>为文件添加标签</translation>
    </message>
    <message>
        <source>take tags from a file</source>
        <translation>移除文件的标签</translation>
    </message>
    <message>
        <source>list the tags, or the files with TAG</source>
        <translation>列出标签，或带有 TAG 的文件</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>未知选项 %1</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>显示此帮助</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <translation>运行“%1”了解详情。</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>用法：</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <comment>the synopsis of kelbrin-cli</comment>
        <translation>命令 [参数]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>命令：</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>未知命令 %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>意外的参数 %1</translation>
    </message>
    <message>
        <source>--to gimp or --to krita is needed</source>
        <translation>需要 --to gimp 或 --to krita</translation>
    </message>
    <message>
        <source>unknown --to &quot;%1&quot;</source>
        <translation>未知的 --to“%1”</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>未指定 FILE</translation>
    </message>
    <message>
        <source>no FILE and DIR given</source>
        <translation>未指定 FILE 和 DIR</translation>
    </message>
    <message>
        <source>no DIR given</source>
        <translation>未指定 DIR</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>参数过多</translation>
    </message>
    <message>
        <source>DIR must name a new folder, not &quot;%1&quot;</source>
        <translation>DIR 必须是新文件夹，而不是“%1”</translation>
    </message>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds 需要整数秒</translation>
    </message>
    <message>
        <source>one FILE at a time</source>
        <translation>一次只能一个 FILE</translation>
    </message>
    <message>
        <source>a file and at least one tag are needed</source>
        <translation>需要一个文件和至少一个标签</translation>
    </message>
    <message>
        <source>one text to search for is needed</source>
        <translation>需要一个搜索文本</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>不接受参数</translation>
    </message>
    <message>
        <source>at most one tag is taken</source>
        <translation>最多接受一个标签</translation>
    </message>
    <message>
        <source>--switch-after needs a brush count (0 or more)</source>
        <translation>--switch-after 需要画笔数量（0 或更多）</translation>
    </message>
    <message>
        <source>--switch-after takes exactly two files</source>
        <translation>--switch-after 需要正好两个文件</translation>
    </message>
    <message>
        <source>no --out PNG given</source>
        <translation>未指定 --out PNG</translation>
    </message>
    <message>
        <source>--name takes a brush&apos;s name, not &quot;&quot;</source>
        <translation>--name 需要画笔名称，不能为空“”</translation>
    </message>
    <message>
        <source>--brush and --name both choose the brush; give one</source>
        <translation>--brush 和 --name 都用于选择画笔；只能指定一个</translation>
    </message>
    <message>
        <source>--brush takes a brush&apos;s number, not &quot;%1&quot;</source>
        <translation>--brush 需要画笔编号，而不是“%1”</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size 需要 宽x高（各为 1 到 %1 像素），而不是“%2”</translation>
    </message>
    <message>
        <source>--seed takes a number from 0 to 4294967295, not &quot;%1&quot;</source>
        <translation>--seed 需要 0 到 4294967295 之间的数，而不是“%1”</translation>
    </message>
    <message>
        <source>--exclude and --restrict cannot be combined</source>
        <translation>--exclude 和 --restrict 不能同时使用</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>未指定 PATH</translation>
    </message>
    <message>
        <source>print one JSON document</source>
        <translation>输出一个 JSON 文档</translation>
    </message>
    <message>
        <source>gimp (a brushes folder per file) or krita (a bundle)</source>
        <translation>gimp（每个文件一个画笔文件夹）或 krita（一个资源包）</translation>
    </message>
    <message>
        <source>where to write (default: the current folder)</source>
        <translation>写入位置（默认：当前文件夹）</translation>
    </message>
    <message>
        <source>black paint on a clear background instead of ink on white</source>
        <translation>在透明背景上用黑色绘制，而不是白底墨水</translation>
    </message>
    <message>
        <source>name the files after their brushes (Soft Round.png) instead of their number</source>
        <translation>按画笔名称（Soft Round.png）而不是编号命名文件</translation>
    </message>
    <message>
        <source>write each preset&apos;s stroke (400 x 160, the S-curve, seed 1) instead of its tip</source>
        <translation>写出每个预设的描边（400 x 160、S 曲线、种子 1）而不是笔尖</translation>
    </message>
    <message>
        <source>go on reporting changes</source>
        <translation>持续报告变化</translation>
    </message>
    <message>
        <source>stop watching after N seconds</source>
        <translation>N 秒后停止监视</translation>
    </message>
    <message>
        <source>print one JSON object per line</source>
        <translation>每行输出一个 JSON 对象</translation>
    </message>
    <message>
        <source>print the longest event-loop stall at the end</source>
        <translation>最后输出事件循环最长的停顿</translation>
    </message>
    <message>
        <source>print the counts as JSON</source>
        <translation>以 JSON 输出计数</translation>
    </message>
    <message>
        <source>print the brushes as JSON</source>
        <translation>以 JSON 输出画笔</translation>
    </message>
    <message>
        <source>print the groups as JSON</source>
        <translation>以 JSON 输出分组</translation>
    </message>
    <message>
        <source>print as JSON</source>
        <translation>以 JSON 输出</translation>
    </message>
    <message>
        <source>list the tips the file stores, in its own order, instead of its presets</source>
        <translation>按文件自身的顺序列出其存储的笔尖，而不是预设</translation>
    </message>
    <message>
        <source>leave FILE1 for FILE2 after N brushes, as the window does</source>
        <translation>像窗口一样，在 N 个画笔后从 FILE1 切换到 FILE2</translation>
    </message>
    <message>
        <source>paint brush N, by its number in the listing (default 0)</source>
        <translation>绘制画笔 N（按列表中的编号，默认 0）</translation>
    </message>
    <message>
        <source>paint the first brush named TEXT, or whose name holds it</source>
        <translation>绘制第一个名为 TEXT 或名称包含它的画笔</translation>
    </message>
    <message>
        <source>the image&apos;s size in pixels (default 400x160)</source>
        <translation>图像大小（像素，默认 400x160）</translation>
    </message>
    <message>
        <source>the preview&apos;s S-curve (default), a straight line, or points from a JSON file</source>
        <translation>预览的 S 曲线（默认）、直线或 JSON 文件中的点</translation>
    </message>
    <message>
        <source>the seed of the brush&apos;s randomness (default 1)</source>
        <translation>画笔随机性的种子（默认 1）</translation>
    </message>
    <message>
        <source>the PNG file to write (replaced if it exists)</source>
        <translation>要写入的 PNG 文件（已存在则替换）</translation>
    </message>
    <message>
        <source>delete the files no trash takes, as if asked and answered yes</source>
        <translation>删除回收站不接受的文件，如同已回答“是”</translation>
    </message>
    <message>
        <source>sort the top level shallowest first</source>
        <translation>顶层按由浅到深排序</translation>
    </message>
    <message>
        <source>print the full view: the root and each volume</source>
        <translation>输出完整视图：根目录和每个卷</translation>
    </message>
    <message>
        <source>never a level unless it holds a file itself</source>
        <translation>除非本身含有文件，否则不作为一层</translation>
    </message>
    <message>
        <source>every folder inside it is a level</source>
        <translation>其中每个文件夹都是一层</translation>
    </message>
    <message>
        <source>leave out what lies below it</source>
        <translation>排除其下的内容</translation>
    </message>
    <message>
        <source>keep only what lies below it</source>
        <translation>只保留其下的内容</translation>
    </message>
    <message>
        <source>then run the commands of FILE (- for standard input)</source>
        <translation>然后执行 FILE 中的命令（- 表示标准输入）</translation>
    </message>
    <message>
        <source>%1; nothing exported</source>
        <translation>%1；未导出任何内容</translation>
    </message>
    <message>
        <source>no brushes; nothing exported</source>
        <translation>没有画笔；未导出任何内容</translation>
    </message>
    <message>
        <source>exporting the %1 and %2 read before the error</source>
        <translation>正在导出出错前读取的 %1 和 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n 个画笔</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n 个图案</numerusform>
        </translation>
    </message>
    <message>
        <source>exporting the %1 read before the error</source>
        <translation>正在导出出错前读取的 %1</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>已创建 %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s)</source>
        <translation>
            <numerusform>已写入 %n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pattern(s) into patterns/</source>
        <translation>
            <numerusform>已将 %n 个图案写入 patterns/</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>已写入：%1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>无法写入：%1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>不是文件</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>没有这个文件</translation>
    </message>
    <message>
        <source>no painting application is installed (see kelbrin-cli apps)</source>
        <translation>未安装任何绘画程序（见 kelbrin-cli apps）</translation>
    </message>
    <message>
        <source>It has been set aside as %1; the next command starts a new one.</source>
        <translation>它已被另存为 %1；下一条命令将新建一个。</translation>
    </message>
    <message>
        <source>the library could not be written</source>
        <translation>无法写入库</translation>
    </message>
    <message>
        <source>%1 files looked at: %2 read (%3 not to the end), %4 unchanged, %5 not written, %6 removed</source>
        <translation>已检查 %1 个文件：读取 %2 个（%3 个未读到结尾），%4 个未变，%5 个未写入，%6 个已移除</translation>
    </message>
    <message>
        <source>library: %1 files, %2 brushes</source>
        <translation>库：%1 个文件，%2 个画笔</translation>
    </message>
    <message>
        <source>the search could not be started</source>
        <translation>无法开始搜索</translation>
    </message>
    <message>
        <source>identical files:</source>
        <translation>相同的文件：</translation>
    </message>
    <message>
        <source>identical tips:</source>
        <translation>相同的笔尖：</translation>
    </message>
    <message>
        <source>larger than 16 MB, too large for a path</source>
        <translation>大于 16 MB，作为路径太大</translation>
    </message>
    <message>
        <source>%1 is the brush file itself; not replaced</source>
        <translation>%1 就是画笔文件本身；未替换</translation>
    </message>
    <message>
        <source>no points</source>
        <translation>没有点</translation>
    </message>
    <message>
        <source>cannot use the path %1: %2</source>
        <translation>无法使用路径 %1：%2</translation>
    </message>
    <message>
        <source>%1; nothing painted</source>
        <translation>%1；未绘制任何内容</translation>
    </message>
    <message>
        <source>no brushes; nothing painted</source>
        <translation>没有画笔；未绘制任何内容</translation>
    </message>
    <message>
        <source>no brush named %1 among its %2</source>
        <translation>其 %2 中没有名为 %1 的画笔</translation>
    </message>
    <message>
        <source>no brush %1; the brushes read before the damage are 0 to %2</source>
        <translation>没有画笔 %1；损坏处之前读取的画笔为 0 到 %2</translation>
    </message>
    <message>
        <source>no brush %1; its brushes are 0 to %2</source>
        <translation>没有画笔 %1；其画笔为 0 到 %2</translation>
    </message>
    <message>
        <source>brush %1 has a tip of no pixels; it paints nothing</source>
        <translation>画笔 %1 的笔尖没有像素；不会绘制任何内容</translation>
    </message>
    <message>
        <source>brush %1</source>
        <translation>画笔 %1</translation>
    </message>
    <message>
        <source>the stroke was simplified: its preset asks for more dabs, or a larger tip, than one stroke may paint</source>
        <translation>描边已简化：其预设要求的笔触数或笔尖大小超出了一次描边可绘制的范围</translation>
    </message>
    <message>
        <source>the texture&apos;s pattern %1 is not in the file; plain noise stands in for it</source>
        <translation>纹理的图案 %1 不在文件中；以普通噪点代替</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>没有这个文件或文件夹</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>无法读取脚本 %1：%2</translation>
    </message>
    <message>
        <source>brush %1 %2: %3</source>
        <translation>画笔 %1 %2：%3</translation>
    </message>
    <message>
        <source>preset %1 %2</source>
        <translation>预设 %1 %2</translation>
    </message>
    <message>
        <source>pattern %1 changed: %2</source>
        <translation>图案 %1 已更改：%2</translation>
    </message>
    <message>
        <source>no brushes or patterns; nothing converted</source>
        <translation>没有画笔或图案；未转换任何内容</translation>
    </message>
    <message>
        <source>converting the %1 read before the error</source>
        <translation>正在转换出错前读取的 %1</translation>
    </message>
    <message>
        <source>not every folder can be watched for changes (the system&apos;s limit fs.inotify.max_user_watches is reached), so the others are read again every %1 s and changes there show up late; to raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (and that setting in a file in /etc/sysctl.d/ to keep it)</source>
        <translation>并非每个文件夹都能监视变化（已达到系统上限 fs.inotify.max_user_watches），因此其余文件夹每 %1 秒重新读取一次，其中的变化会延迟显示；要提高上限：sudo sysctl fs.inotify.max_user_watches=524288（要保留此设置，请将其写入 /etc/sysctl.d/ 中的文件）</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>不是文件夹</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>没有这个文件夹</translation>
    </message>
</context>
</TS>
