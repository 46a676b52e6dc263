<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>BlendMode</name>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>ディザ合成</translation>
    </message>
    <message>
        <source>Behind</source>
        <translation>背面</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>消去</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>比較（暗）</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乗算</translation>
    </message>
    <message>
        <source>Color Burn</source>
        <translation>焼き込みカラー</translation>
    </message>
    <message>
        <source>Linear Burn</source>
        <translation>焼き込み（リニア）</translation>
    </message>
    <message>
        <source>Darker Color</source>
        <translation>カラー比較（暗）</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>比較（明）</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>スクリーン</translation>
    </message>
    <message>
        <source>Color Dodge</source>
        <translation>覆い焼きカラー</translation>
    </message>
    <message>
        <source>Linear Dodge</source>
        <translation>覆い焼き（リニア）- 加算</translation>
    </message>
    <message>
        <source>Lighter Color</source>
        <translation>カラー比較（明）</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>オーバーレイ</translation>
    </message>
    <message>
        <source>Soft Light</source>
        <translation>ソフトライト</translation>
    </message>
    <message>
        <source>Hard Light</source>
        <translation>ハードライト</translation>
    </message>
    <message>
        <source>Vivid Light</source>
        <translation>ビビッドライト</translation>
    </message>
    <message>
        <source>Linear Light</source>
        <translation>リニアライト</translation>
    </message>
    <message>
        <source>Pin Light</source>
        <translation>ピンライト</translation>
    </message>
    <message>
        <source>Hard Mix</source>
        <translation>ハードミックス</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>差の絶対値</translation>
    </message>
    <message>
        <source>Exclusion</source>
        <translation>除外</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>減算</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>除算</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>輝度</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>高さ</translation>
    </message>
    <message>
        <source>Linear Height</source>
        <translation>高さ（リニア）</translation>
    </message>
</context>
<context>
    <name>BrushFileView</name>
    <message>
        <source>Stroke simplified: the preset asks for more dabs or a larger tip than a preview paints</source>
        <translation>ストロークを簡略化：このプリセットはプレビューで描ける以上のスタンプ数か大きな先端を必要とします</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>設定：%1</translation>
    </message>
    <message>
        <source>Brushes</source>
        <translation>ブラシ</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>毛先</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>摩耗</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>%1 by %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>設定：%1</translation>
    </message>
</context>
<context>
    <name>BrushInstaller</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of painting applications</comment>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed (the Refresh button at the foot of each) or it restarts</source>
        <translation>GIMP はブラシ、パターン、描画の強弱、ツールプリセットの各ダイアログを更新（各ダイアログ下部の更新ボタン）するか再起動すると新しいブラシを表示します</translation>
    </message>
    <message>
        <source>If they are running, %1, and Krita once it restarts.</source>
        <translation>起動中の場合、%1。Krita は再起動後に表示します。</translation>
    </message>
    <message>
        <source>If it is running, %1.</source>
        <translation>起動中の場合、%1。</translation>
    </message>
    <message>
        <source>If it is running, Krita shows the new brushes once it restarts.</source>
        <translation>起動中の場合、Krita は再起動後に新しいブラシを表示します。</translation>
    </message>
    <message>
        <source>“%1” was not installed: %2.</source>
        <translation>「%1」はインストールされませんでした：%2。</translation>
    </message>
    <message>
        <source>“%1” could not be installed in %2.</source>
        <translation>「%1」を %2 にインストールできませんでした。</translation>
    </message>
    <message>
        <source>“%1” was installed in %2.</source>
        <translation>「%1」を %2 にインストールしました。</translation>
    </message>
    <message>
        <source>“%1” is already installed in %2.</source>
        <translation>「%1」は %2 にインストール済みです。</translation>
    </message>
    <message>
        <source>%1: installed %2 (its brushes folder was made for it)</source>
        <translation>%1：%2 をインストールしました（ブラシフォルダーを作成しました）</translation>
    </message>
    <message>
        <source>%1: installed %2</source>
        <translation>%1：%2 をインストールしました</translation>
    </message>
    <message>
        <source>%1: already installed as %2</source>
        <translation>%1：%2 としてインストール済み</translation>
    </message>
    <message>
        <source>%1: already has %2</source>
        <translation>%1：%2 はすでにあります</translation>
    </message>
    <message>
        <source>%1: could not write %2: %3</source>
        <translation>%1：%2 を書き込めませんでした：%3</translation>
    </message>
    <message numerus="yes">
        <source>the file is damaged: only %Ln brush(es) could be read from it</source>
        <translation>
            <numerusform>ファイルが破損しています：%Ln 個のブラシしか読み込めませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ファイルが空です</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>ブラシファイルではありません</translation>
    </message>
    <message>
        <source>a brush file of version %1, which Kelbrin cannot read</source>
        <translation>Kelbrin が読めないバージョン %1 のブラシファイルです</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>読み込むためのメモリーが足りません</translation>
    </message>
    <message>
        <source>the file holds patterns but no brushes (export them as pictures instead)</source>
        <translation>ファイルにはパターンだけでブラシがありません（代わりに画像として書き出してください）</translation>
    </message>
    <message>
        <source>the file holds no brushes</source>
        <translation>ファイルにブラシがありません</translation>
    </message>
    <message>
        <source>not a brush file, or too damaged for any brush to be read</source>
        <translation>ブラシファイルではないか、破損がひどくブラシを読み込めません</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a painting application, what its pack holds</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, brush %2 %3: %4 (%5)</source>
        <translation>%1、ブラシ %2 %3: %4（%5）</translation>
    </message>
    <message>
        <source>%1, preset %2 %3: %4</source>
        <translation>%1、プリセット %2 %3: %4</translation>
    </message>
    <message>
        <source>%1, pattern %2 %3: changed (%4)</source>
        <translation>%1、パターン %2 %3: 変更（%4）</translation>
    </message>
</context>
<context>
    <name>BrushSettings</name>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>fade</source>
        <translation>フェード</translation>
    </message>
    <message>
        <source>pen pressure</source>
        <translation>筆圧</translation>
    </message>
    <message>
        <source>pen tilt</source>
        <translation>ペンの傾き</translation>
    </message>
    <message>
        <source>stylus wheel</source>
        <translation>スタイラスホイール</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>initial direction</source>
        <translation>初期方向</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Shape Dynamics</source>
        <translation>シェイプ</translation>
    </message>
    <message>
        <source>Scattering</source>
        <translation>散布</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>Dual Brush</source>
        <translation>デュアルブラシ</translation>
    </message>
    <message>
        <source>Color Dynamics</source>
        <translation>カラー</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>伝達</translation>
    </message>
    <message>
        <source>Brush Pose</source>
        <translation>ブラシポーズ</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>ノイズ</translation>
    </message>
    <message>
        <source>Wet Edges</source>
        <translation>ウェットエッジ</translation>
    </message>
    <message>
        <source>Build-up</source>
        <translation>ビルドアップ</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>スムージング</translation>
    </message>
    <message>
        <source>Protect Texture</source>
        <translation>テクスチャを保護</translation>
    </message>
    <message>
        <source>Brush Tip Shape</source>
        <translation>ブラシ先端のシェイプ</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>ツールオプション</translation>
    </message>
    <message numerus="yes">
        <source>fade %n steps</source>
        <translation>
            <numerusform>フェード %n ステップ</numerusform>
        </translation>
    </message>
    <message>
        <source>control %1</source>
        <translation>コントロール %1</translation>
    </message>
    <message>
        <source>jitter %1 %</source>
        <translation>ジッター %1 %</translation>
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
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X と Y</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>シェイプ %1</translation>
    </message>
    <message>
        <source>Sampled</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>Computed tip</source>
        <translation>計算による先端</translation>
    </message>
    <message>
        <source>Bristle tip (preview)</source>
        <translation>毛先の先端（プレビュー）</translation>
    </message>
    <message>
        <source>Airbrush tip (preview)</source>
        <translation>エアブラシの先端（プレビュー）</translation>
    </message>
    <message>
        <source>Erodible tip (preview)</source>
        <translation>摩耗する先端（プレビュー）</translation>
    </message>
    <message>
        <source>both axes</source>
        <translation>両方の軸</translation>
    </message>
    <message>
        <source>%1, overrides the stylus</source>
        <translation>%1、スタイラスより優先</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>ウィンドウに合わせる</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>市松模様</translation>
    </message>
    <message>
        <source>White</source>
        <translation>白</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>黒</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>前へ</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>ズーム：</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>背景：</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>先端</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>試し描き</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>（名前なし）</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>プリセット</translation>
    </message>
    <message>
        <source>none: a stored tip no preset of the file uses</source>
        <translation>なし：ファイル内のどのプリセットも使わない保存済みの先端</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Stored sample</source>
        <translation>保存されたサンプル</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深さ</translation>
    </message>
    <message>
        <source>%1-bit</source>
        <translation>%1 ビット</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>破損</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) lost in the file, left blank</source>
        <translation>
            <numerusform>ファイル内で %n 行が失われ、空白のままです</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>画像</translation>
    </message>
    <message>
        <source>a drawn preview; Photoshop simulates this tip as it paints</source>
        <translation>描いたプレビュー。Photoshop は描画時にこの先端をシミュレートします</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>直径</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation>真円率</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>硬さ</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>シェイプ</translation>
    </message>
    <message>
        <source>Bristles</source>
        <translation>毛</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>太さ</translation>
    </message>
    <message>
        <source>Stiffness</source>
        <translation>硬さ（毛）</translation>
    </message>
    <message>
        <source>Granularity</source>
        <translation>粒状</translation>
    </message>
    <message>
        <source>Spatter size</source>
        <translation>飛沫のサイズ</translation>
    </message>
    <message>
        <source>Spatter amount</source>
        <translation>飛沫の量</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>柔らかさ</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
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
        <translation>最小の直径</translation>
    </message>
    <message>
        <source>Tilt scale</source>
        <translation>傾きのスケール</translation>
    </message>
    <message>
        <source>Minimum roundness</source>
        <translation>最小の真円率</translation>
    </message>
    <message>
        <source>Flip jitter</source>
        <translation>反転のジッター</translation>
    </message>
    <message>
        <source>Brush projection</source>
        <translation>ブラシの投影</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>散布</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数</translation>
    </message>
    <message>
        <source>Count jitter</source>
        <translation>数のジッター</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>比率</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Texture each tip</source>
        <translation>各描点にテクスチャを適用</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Minimum depth</source>
        <translation>最小の深さ</translation>
    </message>
    <message>
        <source>Depth jitter</source>
        <translation>深さのジッター</translation>
    </message>
    <message>
        <source>Apply per tip</source>
        <translation>描点ごとに適用</translation>
    </message>
    <message>
        <source>Foreground/background</source>
        <translation>描画色・背景色</translation>
    </message>
    <message>
        <source>Hue jitter</source>
        <translation>色相のジッター</translation>
    </message>
    <message>
        <source>Saturation jitter</source>
        <translation>彩度のジッター</translation>
    </message>
    <message>
        <source>Brightness jitter</source>
        <translation>明るさのジッター</translation>
    </message>
    <message>
        <source>Purity</source>
        <translation>純度</translation>
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
        <translation>湿り気</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>Tilt X</source>
        <translation>傾き X</translation>
    </message>
    <message>
        <source>Tilt Y</source>
        <translation>傾き Y</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>回転</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>筆圧</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>ツールオプション</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>スムージング</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>白黒2階調</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>グレースケール</translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation>インデックスカラー</translation>
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
        <translation>マルチチャンネル</translation>
    </message>
    <message>
        <source>Duotone</source>
        <translation>ダブルトーン</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source> with alpha</source>
        <translation>（アルファ付き）</translation>
    </message>
    <message>
        <source> (shown as RGB)</source>
        <translation>（RGB で表示）</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>No settings beyond the tip</source>
        <translation>先端以外の設定はありません</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Show the pattern</source>
        <translation>パターンを表示</translation>
    </message>
    <message>
        <source>Show the pattern %1</source>
        <translation>パターン %1 を表示</translation>
    </message>
    <message>
        <source>The texture&apos;s pattern is not in this file: a plain noise stands in for it.</source>
        <translation>テクスチャのパターンはこのファイルにありません。代わりに単純なノイズを使います。</translation>
    </message>
    <message>
        <source>Simplified: the preset asks for more dabs or a larger tip than a preview paints.</source>
        <translation>簡略化：このプリセットはプレビューで描ける以上のスタンプ数か大きな先端を必要とします。</translation>
    </message>
    <message>
        <source>Ink colour</source>
        <translation>インクの色</translation>
    </message>
    <message>
        <source>Ink…</source>
        <translation>インク…</translation>
    </message>
    <message>
        <source>The pen pressure a mouse paints with</source>
        <translation>マウスで描くときの筆圧</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>PNG で保存…</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ：</translation>
    </message>
    <message>
        <source>Mouse pressure:</source>
        <translation>マウスの筆圧：</translation>
    </message>
    <message>
        <source>Ink Colour</source>
        <translation>インクの色</translation>
    </message>
    <message>
        <source>stroke</source>
        <translation>ストローク</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>PNG で保存</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG 画像 (*.png)</translation>
    </message>
    <message>
        <source>Could Not Save</source>
        <translation>保存できませんでした</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>サンプル</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>毛先</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>摩耗</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a fact&apos;s label, &quot;Size:&quot;</comment>
        <translation>%1：</translation>
    </message>
    <message>
        <source>Brush tip</source>
        <translation>ブラシ先端</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>ズーム</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>背景</translation>
    </message>
    <message>
        <source>How the brush paints</source>
        <translation>ブラシの描き味</translation>
    </message>
    <message>
        <source>Sheet to try the brush on</source>
        <translation>ブラシを試す紙</translation>
    </message>
    <message>
        <source>The colour strokes on the sheet are painted in</source>
        <translation>紙に描く線の色</translation>
    </message>
    <message>
        <source>Tip size</source>
        <translation>先端のサイズ</translation>
    </message>
    <message>
        <source>Mouse pressure</source>
        <translation>マウスの筆圧</translation>
    </message>
    <message>
        <source>Wipes the strokes off the sheet</source>
        <translation>紙の線を消します</translation>
    </message>
    <message>
        <source>Saves the sheet&apos;s strokes as a PNG image</source>
        <translation>紙の線を PNG 画像として保存します</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Round Point</source>
        <translation>丸筆（先細）</translation>
    </message>
    <message>
        <source>Round Blunt</source>
        <translation>丸筆（平先）</translation>
    </message>
    <message>
        <source>Round Curve</source>
        <translation>丸筆（曲線）</translation>
    </message>
    <message>
        <source>Round Angle</source>
        <translation>丸筆（斜め）</translation>
    </message>
    <message>
        <source>Round Fan</source>
        <translation>丸筆（扇形）</translation>
    </message>
    <message>
        <source>Flat Point</source>
        <translation>平筆（先細）</translation>
    </message>
    <message>
        <source>Flat Blunt</source>
        <translation>平筆（平先）</translation>
    </message>
    <message>
        <source>Flat Curve</source>
        <translation>平筆（曲線）</translation>
    </message>
    <message>
        <source>Flat Angle</source>
        <translation>平筆（斜め）</translation>
    </message>
    <message>
        <source>Flat Fan</source>
        <translation>平筆（扇形）</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>ポイント</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>フラット</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>ラウンド</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>正方形</translation>
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
        <translation>サムネイルのサイズ</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>インストール(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Install in %1</source>
        <translation>%1 にインストール(&amp;I)</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Install in %1</source>
        <translation>%1 にインストール</translation>
    </message>
    <message>
        <source>Open Brush File</source>
        <translation>ブラシファイルを開く</translation>
    </message>
    <message>
        <source>Brush files (*.abr *.ABR);;All files (*)</source>
        <translation>ブラシファイル (*.abr *.ABR);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Looking for brush files</source>
        <translation>ブラシファイルを検索中</translation>
    </message>
    <message>
        <source>Fewer, larger brushes a row to the right</source>
        <translation>右へ：1 行のブラシを少なく大きく</translation>
    </message>
</context>
<context>
    <name>CBrushCataloguer</name>
    <message numerus="yes">
        <source>Cataloguing brushes… %1 of %Ln file(s)</source>
        <translation>
            <numerusform>ブラシを登録中… %Ln 個中 %1 個のファイル</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation>重複</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>ファイルマネージャーで表示(&amp;M)</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>ゴミ箱に移動(&amp;T)</translation>
    </message>
    <message numerus="yes">
        <source>No duplicates found among %Ln catalogued files.</source>
        <translation>
            <numerusform>登録済みの %Ln 個のファイルに重複はありません。</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate brushes</source>
        <translation>重複したブラシ</translation>
    </message>
</context>
<context>
    <name>DuplicatesModel</name>
    <message numerus="yes">
        <source>%n identical files</source>
        <translation>
            <numerusform>同一のファイル %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” in %n files</source>
        <translation>
            <numerusform>「%1」が %n 個のファイルに</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One tip in %n files</source>
        <translation>
            <numerusform>同じ先端が %n 個のファイルに</numerusform>
        </translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>ブラシ</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
…ほか %1 件</translation>
    </message>
    <message>
        <source>Export Brushes as Images</source>
        <translation>ブラシを画像として書き出す</translation>
    </message>
    <message>
        <source>Some brushes of “%1” could not be written.</source>
        <translation>「%1」の一部のブラシを書き込めませんでした。</translation>
    </message>
    <message>
        <source>Some brushes of “%1” were too large to write at full size.</source>
        <translation>「%1」の一部のブラシは大きすぎて実寸で書き込めませんでした。</translation>
    </message>
    <message>
        <source>Some strokes of “%1” were not painted exactly as their presets ask.</source>
        <translation>「%1」の一部のストロークはプリセットどおりに描けませんでした。</translation>
    </message>
    <message>
        <source>Use transparency</source>
        <translation>透明を使う</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>先端</translation>
    </message>
    <message>
        <source>Strokes (how each preset paints)</source>
        <translation>ストローク（各プリセットの描き方）</translation>
    </message>
    <message>
        <source>By number (0.png, 1.png, …)</source>
        <translation>番号で (0.png, 1.png, …)</translation>
    </message>
    <message>
        <source>By brush name</source>
        <translation>ブラシ名で</translation>
    </message>
    <message>
        <source>Pad numbers with zeros (007.png)</source>
        <translation>番号をゼロで埋める (007.png)</translation>
    </message>
    <message>
        <source>Open the folder when done</source>
        <translation>完了したらフォルダーを開く</translation>
    </message>
    <message>
        <source>Images of:</source>
        <translation>画像の内容：</translation>
    </message>
    <message>
        <source>Name files:</source>
        <translation>ファイル名：</translation>
    </message>
    <message>
        <source>Painting the strokes of “%1”…</source>
        <translation>「%1」のストロークを描画中…</translation>
    </message>
    <message>
        <source>Writing the brushes of “%1”…</source>
        <translation>「%1」のブラシを書き込み中…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>“%1” has no brushes to export.</source>
        <translation>「%1」には書き出すブラシがありません。</translation>
    </message>
    <message>
        <source>The folder could not be made: %1</source>
        <translation>フォルダーを作成できませんでした：%1</translation>
    </message>
    <message>
        <source>Images of</source>
        <translation>画像の内容</translation>
    </message>
    <message>
        <source>Name files</source>
        <translation>ファイル名</translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>The brush file could not be moved to the Trash.</source>
        <translation>ブラシファイルをゴミ箱に移動できませんでした。</translation>
    </message>
    <message>
        <source>Kelbrin did not write it: it belongs to another application, and Kelbrin leaves it alone.</source>
        <translation>Kelbrin が書いたファイルではありません。他のアプリケーションのものなので、Kelbrin は手を付けません。</translation>
    </message>
    <message>
        <source>Check that you may change the folder that holds the file.</source>
        <translation>ファイルのあるフォルダーを変更する権限があるか確認してください。</translation>
    </message>
    <message>
        <source>“%1” was moved to the trash.</source>
        <translation>「%1」をゴミ箱に移動しました。</translation>
    </message>
    <message>
        <source>The file could not be taken back from the trash</source>
        <translation>ゴミ箱からファイルを戻せませんでした</translation>
    </message>
    <message>
        <source>“%1” is back in %2.</source>
        <translation>「%1」を %2 に戻しました。</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>フォルダーで表示</translation>
    </message>
    <message>
        <source>GIMP and Krita get the brushes in their own formats:</source>
        <translation>GIMP と Krita にはそれぞれの形式でブラシを入れます：</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) written to %1</source>
        <translation>
            <numerusform>%Ln 枚の画像を %1 に書き出しました</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 of them drawn previews of bristle or erodible tips</source>
        <translation>、うち %1 枚は毛先または摩耗する先端の描いたプレビュー</translation>
    </message>
    <message>
        <source>, %1 could not be written</source>
        <translation>、%1 枚は書き込めませんでした</translation>
    </message>
    <message>
        <source> (stopped before the end)</source>
        <translation>（途中で停止）</translation>
    </message>
</context>
<context>
    <name>FileManagerLauncher</name>
    <message>
        <source>Neither the desktop&apos;s file manager nor xdg-open answered. The folder is:</source>
        <translation>デスクトップのファイルマネージャーも xdg-open も応答しませんでした。フォルダーは次のとおりです：</translation>
    </message>
    <message>
        <source>No file manager could open the folder “%1”.</source>
        <translation>フォルダー「%1」を開けるファイルマネージャーがありませんでした。</translation>
    </message>
    <message>
        <source>No file manager could show “%1”.</source>
        <translation>「%1」を表示できるファイルマネージャーがありませんでした。</translation>
    </message>
</context>
<context>
    <name>FileOutlineView</name>
    <message>
        <source>Show in File Manager</source>
        <translation>ファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Tags…</source>
        <translation>タグ…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>ゴミ箱に移動</translation>
    </message>
</context>
<context>
    <name>InstallResultDialog</name>
    <message>
        <source>Installed (its brushes folder was made)</source>
        <translation>インストール済み（ブラシフォルダーを作成）</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>Already installed as “%1”</source>
        <translation>「%1」としてインストール済み</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>インストール済み</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>未インストール：%1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Show %1 in the file manager</source>
        <translation>%1 をファイルマネージャーで表示</translation>
    </message>
    <message>
        <source>Show the %1 folder</source>
        <translation>%1 のフォルダーを表示</translation>
    </message>
</context>
<context>
    <name>InstalledFileOutlineModel</name>
    <message>
        <source>%1 — Local Brushes</source>
        <comment>a painting application&apos;s second brushes folder</comment>
        <translation>%1 — ローカルブラシ</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source> It has been set aside as %1, and a new one is made at the next start.</source>
        <translation> %1 として退避しました。次回の起動時に新しく作成します。</translation>
    </message>
    <message>
        <source> The library is off until the next start.</source>
        <translation> ライブラリは次回の起動まで無効です。</translation>
    </message>
    <message>
        <source>There is no brush library to keep it in.</source>
        <translation>保存先のブラシライブラリがありません。</translation>
    </message>
    <message>
        <source>The brush library is not ready yet: it is being checked.</source>
        <translation>ブラシライブラリはまだ準備できていません。確認中です。</translation>
    </message>
</context>
<context>
    <name>LibraryResultsModel</name>
    <message>
        <source>Brush %1</source>
        <translation>ブラシ %1</translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1、お気に入り</translation>
    </message>
    <message>
        <source>Brush %1 in %2</source>
        <translation>%2 のブラシ %1</translation>
    </message>
</context>
<context>
    <name>LibraryResultsView</name>
    <message>
        <source>No brushes named “%1” in the library</source>
        <translation>ライブラリに「%1」という名前のブラシはありません</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — more than %2, %2 shown</source>
        <translation>ライブラリ内の「%1」という名前のブラシ — %2 件以上、%2 件を表示</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — %2</source>
        <translation>ライブラリ内の「%1」という名前のブラシ — %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>開く(&amp;O)</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>ファイルマネージャーで表示(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>お気に入りのブラシ(&amp;F)</translation>
    </message>
    <message>
        <source>Brushes found in the library</source>
        <translation>ライブラリで見つかったブラシ</translation>
    </message>
</context>
<context>
    <name>MarksController</name>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>お気に入りのブラシ(&amp;F)</translation>
    </message>
    <message>
        <source>Fa&amp;vourite File</source>
        <translation>お気に入りのファイル(&amp;V)</translation>
    </message>
    <message>
        <source>T&amp;ags…</source>
        <translation>タグ(&amp;A)…</translation>
    </message>
    <message>
        <source>&amp;Duplicates…</source>
        <translation>重複(&amp;D)…</translation>
    </message>
    <message>
        <source>The brush library could not keep that</source>
        <translation>ブラシライブラリに保存できませんでした</translation>
    </message>
</context>
<context>
    <name>OutlineModel</name>
    <message>
        <source>Tags: %1</source>
        <translation>タグ：%1</translation>
    </message>
    <message numerus="yes">
        <source>%1, folder, %n brush file(s)</source>
        <translation>
            <numerusform>%1、フォルダー、ブラシファイル %n 個</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1、お気に入り</translation>
    </message>
</context>
<context>
    <name>OutlinesController</name>
    <message>
        <source>Filter brush files</source>
        <translation>絞り込み</translation>
    </message>
    <message>
        <source>Show all files, the favourites, or the files of one tag</source>
        <translation>すべてのファイル、お気に入り、またはタグの付いたファイルを表示</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>お気に入り</translation>
    </message>
    <message>
        <source>Installed Brushes</source>
        <translation>インストール済みのブラシ</translation>
    </message>
    <message>
        <source>No favourite brush file names contain “%1”</source>
        <translation>「%1」を名前に含むお気に入りのブラシファイルはありません</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” have names containing “%2”</source>
        <translation>タグ「%1」の付いたブラシファイルで名前に「%2」を含むものはありません</translation>
    </message>
    <message>
        <source>No favourite brush files here</source>
        <translation>ここにお気に入りのブラシファイルはありません</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” here</source>
        <translation>ここにタグ「%1」の付いたブラシファイルはありません</translation>
    </message>
    <message>
        <source>No brush file names contain “%1”</source>
        <translation>「%1」を名前に含むブラシファイルはありません</translation>
    </message>
    <message>
        <source>Searching for brush files…</source>
        <translation>ブラシファイルを検索中…</translation>
    </message>
    <message>
        <source>No brush files found</source>
        <translation>ブラシファイルが見つかりません</translation>
    </message>
    <message>
        <source>No brush files found in:</source>
        <translation>次の場所にブラシファイルが見つかりません：</translation>
    </message>
    <message>
        <source>Shows only the files whose name or tags hold these words</source>
        <translation>名前またはタグにこの語を含むファイルだけを表示します</translation>
    </message>
    <message>
        <source>Files shown</source>
        <translation>表示するファイル</translation>
    </message>
    <message>
        <source>Brush files</source>
        <translation>ブラシファイル</translation>
    </message>
</context>
<context>
    <name>PackReport</name>
    <message>
        <source>loses its texture &quot;%1&quot; (the pattern is in the pack)</source>
        <translation>テクスチャ「%1」が失われる（パターンはパックに含まれる）</translation>
    </message>
    <message>
        <source>loses its texture &quot;%1&quot; (the file does not carry it)</source>
        <translation>テクスチャ「%1」が失われる（ファイルに含まれていない）</translation>
    </message>
    <message>
        <source>characters of its name that are no text replaced or removed</source>
        <translation>名前の文字でないものを置き換えまたは削除</translation>
    </message>
    <message>
        <source>name shortened to %1 bytes</source>
        <translation>名前を %1 バイトに短縮</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer), written as 25 %</source>
        <translation>間隔オフ（ポインターが動くたびに描点）、25 % として書き出し</translation>
    </message>
    <message>
        <source>settings not carried (%1)</source>
        <translation>移せなかった設定（%1）</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>モード %1</translation>
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
        <translation>スムージング %1</translation>
    </message>
    <message>
        <source>tool options not carried (%1)</source>
        <translation>移せなかったツールオプション（%1）</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>移せず</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>そのまま</translation>
    </message>
    <message>
        <source>approximated</source>
        <translation>近似</translation>
    </message>
    <message>
        <source>no pixels to carry</source>
        <translation>移すピクセルがない</translation>
    </message>
    <message>
        <source>soft edge painted by GIMP&apos;s own curve</source>
        <translation>柔らかい縁は GIMP 独自のカーブで描画</translation>
    </message>
    <message>
        <source>roundness raised to GIMP&apos;s 5 %</source>
        <translation>真円率を GIMP の 5 % に引き上げ</translation>
    </message>
    <message>
        <source>reduced to GIMP&apos;s largest radius, 4,000 pixels</source>
        <translation>GIMP の最大半径 4,000 ピクセルに縮小</translation>
    </message>
    <message>
        <source>%1-bit reduced to 8-bit</source>
        <translation>%1 ビットを 8 ビットに削減</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 pixels</source>
        <translation>%1 から %2 ピクセルに拡大・縮小</translation>
    </message>
    <message>
        <source>GIMP averages its control and its jitter rather than combining them</source>
        <translation>GIMP はコントロールとジッターを組み合わせず平均する</translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation>%1（コントロール）</translation>
    </message>
    <message>
        <source>GIMP has no input like control %1</source>
        <translation>GIMP にはコントロール %1 に当たる入力がない</translation>
    </message>
    <message>
        <source>fades over %1 pixels (%2 steps) along GIMP&apos;s eased curve</source>
        <translation>GIMP のなめらかなカーブに沿って %1 ピクセル（%2 ステップ）でフェード</translation>
    </message>
    <message>
        <source>clamped to GIMP&apos;s longest fade</source>
        <translation>GIMP の最長フェードに制限</translation>
    </message>
    <message>
        <source>fades over the length of the %1, GIMP having one fade a preset</source>
        <translation>GIMP はプリセットごとにフェードが 1 つなので、%1 の長さでフェード</translation>
    </message>
    <message>
        <source>%1 jitter</source>
        <translation>%1（ジッター）</translation>
    </message>
    <message>
        <source>size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>roundness</source>
        <translation>真円率</translation>
    </message>
    <message>
        <source>flip x</source>
        <translation>X 反転</translation>
    </message>
    <message>
        <source>flip y</source>
        <translation>Y 反転</translation>
    </message>
    <message>
        <source>hardness</source>
        <translation>硬さ</translation>
    </message>
    <message>
        <source>spacing</source>
        <translation>間隔</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer) written as 25 %</source>
        <translation>間隔オフ（ポインターが動くたびに描点）を 25 % として書き出し</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>先端</translation>
    </message>
    <message>
        <source>drawn as one still tip: GIMP&apos;s paintbrush has no bristle or wearing tips</source>
        <translation>固定した先端として描画：GIMP のブラシには毛先の先端も摩耗する先端もない</translation>
    </message>
    <message>
        <source>tilt scale</source>
        <translation>傾きのスケール</translation>
    </message>
    <message>
        <source>GIMP&apos;s size follows tilt along one curve only</source>
        <translation>GIMP のサイズは 1 本のカーブでしか傾きに従わない</translation>
    </message>
    <message>
        <source>as GIMP&apos;s aspect ratio, which squashes the tip on a scale of its own</source>
        <translation>GIMP の縦横比として。先端を独自の尺度でつぶす</translation>
    </message>
    <message>
        <source>flip x jitter</source>
        <translation>X 反転のジッター</translation>
    </message>
    <message>
        <source>GIMP flips no tip at random</source>
        <translation>GIMP は先端をランダムに反転しない</translation>
    </message>
    <message>
        <source>flip y jitter</source>
        <translation>Y 反転のジッター</translation>
    </message>
    <message>
        <source>brush projection</source>
        <translation>ブラシの投影</translation>
    </message>
    <message>
        <source>GIMP does not project the tip by the pen&apos;s tilt</source>
        <translation>GIMP はペンの傾きで先端を投影しない</translation>
    </message>
    <message>
        <source>GIMP scatters along the stroke as well as across it</source>
        <translation>GIMP はストロークを横切る方向だけでなく沿う方向にも散布する</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s %2</source>
        <translation>%1 を GIMP の %2 に制限</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>散布</translation>
    </message>
    <message>
        <source>scatter control</source>
        <translation>散布のコントロール</translation>
    </message>
    <message>
        <source>there is no scatter for it to drive</source>
        <translation>コントロールする散布がない</translation>
    </message>
    <message>
        <source>count</source>
        <translation>数</translation>
    </message>
    <message>
        <source>GIMP lays one dab at each step</source>
        <translation>GIMP は各ステップに描点を 1 つ置く</translation>
    </message>
    <message>
        <source>count jitter</source>
        <translation>数のジッター</translation>
    </message>
    <message>
        <source>foreground/background</source>
        <translation>描画色・背景色</translation>
    </message>
    <message>
        <source>picked from GIMP&apos;s foreground-to-background gradient</source>
        <translation>GIMP の描画色から背景色へのグラデーションから取得</translation>
    </message>
    <message>
        <source>hue jitter</source>
        <translation>色相のジッター</translation>
    </message>
    <message>
        <source>saturation jitter</source>
        <translation>彩度のジッター</translation>
    </message>
    <message>
        <source>brightness jitter</source>
        <translation>明るさのジッター</translation>
    </message>
    <message>
        <source>purity</source>
        <translation>純度</translation>
    </message>
    <message>
        <source>GIMP varies colour only along a gradient</source>
        <translation>GIMP はグラデーションに沿ってしか色を変えない</translation>
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
        <translation>GIMP のブラシには流量がない</translation>
    </message>
    <message>
        <source>wetness</source>
        <translation>湿り気</translation>
    </message>
    <message>
        <source>GIMP has no mixer brush</source>
        <translation>GIMP には混合ブラシがない</translation>
    </message>
    <message>
        <source>mix</source>
        <translation>混合</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>テクスチャ</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern</source>
        <translation>GIMP のブラシはパターンを通して描かない</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern, and the file has none</source>
        <translation>GIMP のブラシはパターンを通して描かず、ファイルにもパターンがない</translation>
    </message>
    <message>
        <source>dual brush</source>
        <translation>デュアルブラシ</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints with one tip</source>
        <translation>GIMP のブラシは 1 つの先端で描く</translation>
    </message>
    <message>
        <source>brush pose</source>
        <translation>ブラシポーズ</translation>
    </message>
    <message>
        <source>GIMP takes tilt, rotation and pressure from the pen alone</source>
        <translation>GIMP は傾き・回転・筆圧をペンからのみ取る</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>ノイズ</translation>
    </message>
    <message>
        <source>GIMP adds no noise to a tip&apos;s edge</source>
        <translation>GIMP は先端の縁にノイズを加えない</translation>
    </message>
    <message>
        <source>wet edges</source>
        <translation>ウェットエッジ</translation>
    </message>
    <message>
        <source>GIMP paints no wet edges</source>
        <translation>GIMP はウェットエッジを描かない</translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>ビルドアップ</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush lays no paint while held still (its airbrush does)</source>
        <translation>GIMP のブラシは静止中に絵の具を置かない（エアブラシは置く）</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>スムージング</translation>
    </message>
    <message>
        <source>GIMP&apos;s stroke smoothing at its own weight</source>
        <translation>GIMP 独自の強さでのストロークのスムージング</translation>
    </message>
    <message>
        <source>protect texture</source>
        <translation>テクスチャを保護</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s 0 to 100 %</source>
        <translation>%1 を GIMP の 0〜100 % に制限</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>GIMP has no mode like %1; painted in Normal</source>
        <translation>GIMP には %1 のようなモードがない。通常で描画</translation>
    </message>
    <message>
        <source>as GIMP&apos;s %1</source>
        <translation>GIMP の %1 として</translation>
    </message>
    <message>
        <source>airbrush tip written as a preview image</source>
        <translation>エアブラシ先端をプレビュー画像として書き出し</translation>
    </message>
    <message>
        <source>bristle tip written as a preview image</source>
        <translation>毛先の先端をプレビュー画像として書き出し</translation>
    </message>
    <message>
        <source>erodible tip written as a preview image</source>
        <translation>摩耗する先端をプレビュー画像として書き出し</translation>
    </message>
    <message>
        <source>computed tip drawn as pixels</source>
        <translation>計算された先端をピクセルとして描画</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt elevation</source>
        <translation>ペンの傾きを Krita の傾きの仰角として</translation>
    </message>
    <message>
        <source>the stroke&apos;s direction as Krita&apos;s drawing angle</source>
        <translation>ストロークの方向を Krita の描画角度として</translation>
    </message>
    <message>
        <source>its control (%1) is none Krita knows, left off</source>
        <translation>そのコントロール（%1）は Krita にないため省略</translation>
    </message>
    <message>
        <source>%1 is beyond Krita&apos;s range, written as %2</source>
        <translation>%1 は Krita の範囲外のため %2 として書き出し</translation>
    </message>
    <message>
        <source>as the fade of Krita&apos;s round tip, which softens its edge along another curve</source>
        <translation>Krita の丸い先端のフェードとして。縁は別のカーブで柔らかくなる</translation>
    </message>
    <message>
        <source>%1 dabs a step as spacing divided by %1</source>
        <translation>1 ステップ %1 描点を間隔 ÷ %1 として</translation>
    </message>
    <message>
        <source>a bristle tip as its drawn picture, in Krita&apos;s pixel brush: Krita&apos;s bristle engine takes none of Photoshop&apos;s bristle settings</source>
        <translation>毛先の先端を描画した画像として Krita のピクセルブラシで：Krita の毛ブラシエンジンは Photoshop の毛の設定を一切受け取らない</translation>
    </message>
    <message>
        <source>an erodible tip as its drawn picture, in Krita&apos;s pixel brush, which does not wear</source>
        <translation>摩耗する先端を描画した画像として、すり減らない Krita のピクセルブラシで</translation>
    </message>
    <message>
        <source>the tip is written smaller; Krita enlarges it %1 times to the preset&apos;s %2 pixels</source>
        <translation>先端は小さく書き出し、Krita がプリセットの %2 ピクセルまで %1 倍に拡大</translation>
    </message>
    <message>
        <source>flip</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>Krita&apos;s tilt sensor has no scale of its own</source>
        <translation>Krita の傾きセンサーには独自のスケールがない</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt direction</source>
        <translation>ペンの傾きを Krita の傾きの方向として</translation>
    </message>
    <message>
        <source>the jitter as Krita&apos;s random rotation, at the strength of the control as well</source>
        <translation>ジッターを Krita のランダムな回転として、コントロールの強さでも</translation>
    </message>
    <message>
        <source>flip jitter</source>
        <translation>反転のジッター</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not lay the tip on the pen&apos;s tilt</source>
        <translation>Krita のピクセルブラシはペンの傾きに先端を合わせない</translation>
    </message>
    <message>
        <source>across the stroke as Krita&apos;s Y axis</source>
        <translation>ストロークを横切る方向を Krita の Y 軸として</translation>
    </message>
    <message>
        <source>as closer spacing: Krita&apos;s pixel brush lays one dab a step</source>
        <translation>より狭い間隔として：Krita のピクセルブラシは 1 ステップに描点 1 つ</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush lays one dab a step</source>
        <translation>Krita のピクセルブラシは 1 ステップに描点 1 つ</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>the file does not carry the pattern &quot;%1&quot;</source>
        <translation>ファイルにパターン「%1」が含まれていない</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>比率</translation>
    </message>
    <message>
        <source>invert</source>
        <translation>反転</translation>
    </message>
    <message>
        <source>brightness and contrast</source>
        <translation>明るさとコントラスト</translation>
    </message>
    <message>
        <source>on Krita&apos;s scales, which are not Photoshop&apos;s</source>
        <translation>Photoshop とは異なる Krita の尺度で</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita has</source>
        <translation>%1 を Krita にある乗算として</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>モードなし</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>深さ</translation>
    </message>
    <message>
        <source>depth jitter</source>
        <translation>深さのジッター</translation>
    </message>
    <message>
        <source>texture each tip off</source>
        <translation>各描点にテクスチャを適用：オフ</translation>
    </message>
    <message>
        <source>Krita textures each dab</source>
        <translation>Krita は描点ごとにテクスチャを適用する</translation>
    </message>
    <message>
        <source>the file does not carry the dual brush&apos;s tip</source>
        <translation>ファイルにデュアルブラシの先端が含まれていない</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita&apos;s masking brush has</source>
        <translation>%1 を Krita のマスクブラシにある乗算として</translation>
    </message>
    <message>
        <source>its angle of %1° left out</source>
        <translation>その角度 %1° は省略</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush is not flipped at random</source>
        <translation>Krita のマスクブラシはランダムに反転しない</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush lays one dab a step</source>
        <translation>Krita のマスクブラシは 1 ステップに描点 1 つ</translation>
    </message>
    <message>
        <source>as Krita&apos;s random %1 shift</source>
        <translation>Krita のランダムな%1のずれとして</translation>
    </message>
    <message>
        <source>hue</source>
        <translation>色相</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>彩度</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>明るさ</translation>
    </message>
    <message>
        <source>control</source>
        <translation>コントロール</translation>
    </message>
    <message>
        <source>as Krita&apos;s mix toward the background colour</source>
        <translation>Krita の背景色への混合として</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no steady saturation shift</source>
        <translation>Krita のピクセルブラシには一定の彩度のずれがない</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not mix paint on the canvas</source>
        <translation>Krita のピクセルブラシはカンバス上で絵の具を混ぜない</translation>
    </message>
    <message>
        <source>Krita has no blend mode %1</source>
        <translation>Krita には描画モード %1 がない</translation>
    </message>
    <message>
        <source>Krita keeps smoothing with its brush tool, not in a preset</source>
        <translation>Krita はスムージングをプリセットではなくブラシツールに保持する</translation>
    </message>
    <message>
        <source>pose</source>
        <translation>ポーズ</translation>
    </message>
    <message>
        <source>Krita&apos;s presets take the pen&apos;s own tilt, rotation and pressure</source>
        <translation>Krita のプリセットはペン自体の傾き・回転・筆圧を使う</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush adds no grain to a tip&apos;s soft edges</source>
        <translation>Krita のピクセルブラシは先端の柔らかい縁に粒状感を加えない</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no wet edges</source>
        <translation>Krita のピクセルブラシにはウェットエッジがない</translation>
    </message>
    <message>
        <source>each Krita preset keeps its own texture</source>
        <translation>Krita の各プリセットは自分のテクスチャを保つ</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>ブラシ %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n 個を変更</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not carried</source>
        <translation>
            <numerusform>%n 個は移せず</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n preset(s)</source>
        <translation>
            <numerusform>プリセット %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximated</source>
        <translation>
            <numerusform>%n 個は近似</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>パターン %n 個</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose their texture</source>
        <translation>
            <numerusform>%n 個のブラシはテクスチャを失う</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose settings</source>
        <translation>
            <numerusform>%n 個のブラシは設定を失う</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of a pack</comment>
        <translation>、</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading, a fate</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>a heading, a setting, a fate</comment>
        <translation>%1、%2: %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a setting&apos;s fate and how</comment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the changes of a brush</comment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>ReadErrorText</name>
    <message>
        <source>not a valid brush file, or damaged</source>
        <translation>有効なブラシファイルではないか、破損しています</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>ファイルが途中で終わっています</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>エラー %1</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>ブラシファイルではありません</translation>
    </message>
    <message>
        <source>unsupported version %1</source>
        <translation>バージョン %1 には対応していません</translation>
    </message>
</context>
<context>
    <name>ReadMessageBar</name>
    <message>
        <source>Not a brush file</source>
        <translation>ブラシファイルではありません</translation>
    </message>
    <message>
        <source>Not a brush file Kelbrin can read (version %1)</source>
        <translation>Kelbrin が読めるブラシファイルではありません（バージョン %1）</translation>
    </message>
    <message>
        <source>This file is damaged: %1 and %2 could be read</source>
        <translation>このファイルは破損しています：%1 と %2 を読み込めました</translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln 個のブラシ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln 個のパターン</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file is damaged: %Ln brush(es) could be read</source>
        <translation>
            <numerusform>このファイルは破損しています：%Ln 個のブラシを読み込めました</numerusform>
        </translation>
    </message>
    <message>
        <source>not enough memory to read this file</source>
        <translation>このファイルを読み込むためのメモリーが足りません</translation>
    </message>
</context>
<context>
    <name>ReadingController</name>
    <message numerus="yes">
        <source>Reading… %Ln brush(es)</source>
        <translation>
            <numerusform>読み込み中… %Ln 個のブラシ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln 個のブラシ</numerusform>
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
            <numerusform>%Ln 個のパターン</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sampled</source>
        <translation>
            <numerusform>サンプル %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln computed</source>
        <translation>
            <numerusform>計算 %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bristle</source>
        <translation>
            <numerusform>毛先 %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln erodible</source>
        <translation>
            <numerusform>摩耗 %Ln</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %Ln selected</source>
        <translation>
            <numerusform> — %Ln 個を選択</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the brush file</source>
        <translation>ブラシファイルを読み込み中</translation>
    </message>
</context>
<context>
    <name>ScratchCanvas</name>
    <message>
        <source>Could not write the picture to %1.</source>
        <translation>%1 に画像を書き込めませんでした。</translation>
    </message>
</context>
<context>
    <name>TagsDialog</name>
    <message>
        <source>Tags of “%1”</source>
        <translation>「%1」のタグ</translation>
    </message>
    <message>
        <source>New tag</source>
        <translation>新しいタグ</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>追加(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>削除(&amp;R)</translation>
    </message>
    <message>
        <source>Words of your own to find this file by: the box beside the filter shows the files that have one.</source>
        <translation>このファイルを探すための自分の言葉です。絞り込み欄の横のボックスで、タグの付いたファイルを表示できます。</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
</context>
<context>
    <name>WatchLimitBar</name>
    <message>
        <source>Hide this message</source>
        <translation>このメッセージを隠す</translation>
    </message>
    <message>
        <source>Not every folder can be watched for changes: the system&apos;s limit (fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s instead, so changes there show up late.
To raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in /etc/sysctl.d/)</source>
        <translation>システムの上限 (fs.inotify.max_user_watches) に達したため、すべてのフォルダーの変更は監視できません。Kelbrin は残りのフォルダーを %1 秒ごとに確認するので、そこでの変更は遅れて表示されます。
上限を上げるには：sudo sysctl fs.inotify.max_user_watches=524288（保持するには /etc/sysctl.d/ 内のファイルにこの設定を書きます）</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Install</source>
        <translation>インストール</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>ゴミ箱に移動</translation>
    </message>
    <message>
        <source>Show &amp;Strokes</source>
        <translation>ストロークを表示(&amp;S)</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>ストローク</translation>
    </message>
    <message>
        <source>Show how each brush paints</source>
        <translation>各ブラシの描き方を表示</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>最近使ったファイル(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Export as Images…</source>
        <translation>画像として書き出す(&amp;E)…</translation>
    </message>
    <message>
        <source>Export &amp;Selected…</source>
        <translation>選択範囲を書き出す(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>ファイルマネージャーで表示(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>インストール(&amp;I)</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>ゴミ箱に移動(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Kelbrin &amp;Help</source>
        <translation>Kelbrin ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Kelbrin</source>
        <translation>Kelbrin について(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>すべて選択(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Find Brush Files</source>
        <translation>ブラシファイルを検索(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;View Brush</source>
        <translation>ブラシを見る(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>実寸(&amp;R)</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>名前を表示(&amp;N)</translation>
    </message>
    <message>
        <source>Show &amp;All Folders</source>
        <translation>すべてのフォルダーを表示(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>テーマ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>システム(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>ライト(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>ダーク(&amp;D)</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>最近使ったファイルはありません</translation>
    </message>
    <message>
        <source>Kelbrin Help</source>
        <translation>Kelbrin ヘルプ</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; shows the brushes in Photoshop brush files.&lt;/p&gt;&lt;p&gt;Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home and End jump to the first and last brushes.&lt;/p&gt;&lt;p&gt;Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. Double-click or press Space to see it large; Left and Right step through the file. Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.&lt;/p&gt;&lt;p&gt;File ▸ Export as Images… writes every brush as a PNG file into a new folder; Export Selected… only the selected ones.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; は Photoshop のブラシファイルに入っているブラシを表示します。&lt;/p&gt;&lt;p&gt;ファイル ▸ 開く… でファイルを開くか、ウィンドウにドロップします。サムネイルのサイズはスライダー、Ctrl+ホイール、または表示 ▸ 拡大・縮小で変えられます（Ctrl+0 で戻ります）。Home と End で最初と最後のブラシへ移動します。&lt;/p&gt;&lt;p&gt;クリックでブラシを選択し、Ctrl か Shift を押しながらクリックで追加選択、Ctrl+A ですべて選択します。ダブルクリックか Space で大きく表示し、左右キーでファイル内を移動します。Ctrl+C でブラシを画像としてコピーし、ブラシをドラッグすると PNG ファイルとしてドロップできます。&lt;/p&gt;&lt;p&gt;ファイル ▸ 画像として書き出す… はすべてのブラシを PNG ファイルとして新しいフォルダーに書き出します。選択範囲を書き出す… は選択したものだけです。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Browse the brushes in Photoshop brush files (.abr): find them all, look at every brush, export them as images. Kelbrin never changes a brush file.&lt;/p&gt;&lt;p&gt;The licence is in the copyright file installed with Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Photoshop のブラシファイル (.abr) のブラシを閲覧します。すべて見つけ、どのブラシも確認し、画像として書き出せます。Kelbrin がブラシファイルを変更することはありません。&lt;/p&gt;&lt;p&gt;ライセンスは Kelbrin と一緒にインストールされる copyright ファイル (/usr/share/doc/kelbrin/copyright) にあります。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Kelbrin</source>
        <translation>Kelbrin について</translation>
    </message>
    <message>
        <source>Move the brush file to the trash</source>
        <translation>ブラシファイルをゴミ箱に移動</translation>
    </message>
    <message>
        <source>Save the brushes as PNG images</source>
        <translation>ブラシを PNG 画像として保存</translation>
    </message>
</context>
<context>
    <name>kelbrin</name>
    <message>
        <source>Browse the brushes in Photoshop brush files.</source>
        <translation>Photoshop のブラシファイルのブラシを閲覧します。</translation>
    </message>
    <message>
        <source>Open FILE, save a picture of the window to OUT and quit.</source>
        <translation>FILE を開き、ウィンドウの画像を OUT に保存して終了します。</translation>
    </message>
    <message>
        <source>Without showing a window, wait until the search for brush files has done its first pass, print both outlines with every folder open, and quit.</source>
        <translation>ウィンドウを表示せずにブラシファイル検索の初回が終わるまで待ち、すべてのフォルダーを開いた両方のツリーを出力して終了します。</translation>
    </message>
    <message>
        <source>With --dump-outlines: print every folder (Show All Folders).</source>
        <translation>--dump-outlines と併用：すべてのフォルダーを出力します（すべてのフォルダーを表示）。</translation>
    </message>
    <message>
        <source>A brush file to show (a path or a file:// URI).</source>
        <translation>表示するブラシファイル（パスまたは file:// URI）。</translation>
    </message>
</context>
<context>
    <name>kelbrin-cli</name>
    <message>
        <source>read brush files and list their brushes</source>
        <translation>ブラシファイルを読み込み、ブラシを一覧表示する</translation>
    </message>
    <message>
        <source>write the brushes of FILE (tips, or strokes) as PNG files into a new folder</source>
        <translation>FILE のブラシ（先端またはストローク）を PNG ファイルとして新しいフォルダーに書き出す</translation>
    </message>
    <message>
        <source>paint a brush&apos;s stroke in black on white into a PNG file</source>
        <translation>ブラシのストロークを白地に黒で PNG ファイルに描く</translation>
    </message>
    <message>
        <source>write each file&apos;s brushes in GIMP&apos;s or Krita&apos;s own formats</source>
        <translation>各ファイルのブラシを GIMP または Krita 独自の形式で書き出す</translation>
    </message>
    <message>
        <source>show brush files as the folder outline shows them</source>
        <translation>フォルダーツリーと同じようにブラシファイルを表示する</translation>
    </message>
    <message>
        <source>find brush files (everywhere, or below the folders)</source>
        <translation>ブラシファイルを検索する（全体、または指定フォルダー以下）</translation>
    </message>
    <message>
        <source>list the installed painting applications</source>
        <translation>インストールされているペイントアプリケーションを一覧表示する</translation>
    </message>
    <message>
        <source>copy a brush file into every application&apos;s brushes folder</source>
        <translation>ブラシファイルを各アプリケーションのブラシフォルダーにコピーする</translation>
    </message>
    <message>
        <source>move files to the trash (--yes: delete those no trash takes)</source>
        <translation>ファイルをゴミ箱に移動する（--yes：ゴミ箱が受け付けないものは削除）</translation>
    </message>
    <message>
        <source>bring the brush library up to date (everywhere, or below the folders)</source>
        <translation>ブラシライブラリを最新にする（全体、または指定フォルダー以下）</translation>
    </message>
    <message>
        <source>list the library&apos;s brushes whose names hold TEXT</source>
        <translation>名前に TEXT を含むライブラリのブラシを一覧表示する</translation>
    </message>
    <message>
        <source>list identical files and tips found in more than one file</source>
        <translation>複数のファイルにある同一のファイルと先端を一覧表示する</translation>
    </message>
    <message>
        <source>give a file tags</source>
        <translation>ファイルにタグを付ける</translation>
    </message>
    <message>
        <source>take tags from a file</source>
        <translation>ファイルからタグを外す</translation>
    </message>
    <message>
        <source>list the tags, or the files with TAG</source>
        <translation>タグ、または TAG の付いたファイルを一覧表示する</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>オプション：</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>このヘルプを表示</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <translation>詳しくは「%1」を実行してください。</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>使い方：</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <comment>the synopsis of kelbrin-cli</comment>
        <translation>コマンド [引数]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>コマンド</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>コマンド：</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>不明なコマンド %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>想定外の引数 %1</translation>
    </message>
    <message>
        <source>--to gimp or --to krita is needed</source>
        <translation>--to gimp または --to krita が必要です</translation>
    </message>
    <message>
        <source>unknown --to &quot;%1&quot;</source>
        <translation>不明な --to「%1」</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>FILE が指定されていません</translation>
    </message>
    <message>
        <source>no FILE and DIR given</source>
        <translation>FILE と DIR が指定されていません</translation>
    </message>
    <message>
        <source>no DIR given</source>
        <translation>DIR が指定されていません</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>引数が多すぎます</translation>
    </message>
    <message>
        <source>DIR must name a new folder, not &quot;%1&quot;</source>
        <translation>DIR には「%1」ではなく新しいフォルダーを指定してください</translation>
    </message>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds には秒数を整数で指定してください</translation>
    </message>
    <message>
        <source>one FILE at a time</source>
        <translation>FILE は一度に一つです</translation>
    </message>
    <message>
        <source>a file and at least one tag are needed</source>
        <translation>ファイルと一つ以上のタグが必要です</translation>
    </message>
    <message>
        <source>one text to search for is needed</source>
        <translation>検索するテキストが一つ必要です</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>引数は取りません</translation>
    </message>
    <message>
        <source>at most one tag is taken</source>
        <translation>タグは一つまでです</translation>
    </message>
    <message>
        <source>--switch-after needs a brush count (0 or more)</source>
        <translation>--switch-after にはブラシの数（0 以上）が必要です</translation>
    </message>
    <message>
        <source>--switch-after takes exactly two files</source>
        <translation>--switch-after にはファイルをちょうど二つ指定します</translation>
    </message>
    <message>
        <source>no --out PNG given</source>
        <translation>--out PNG が指定されていません</translation>
    </message>
    <message>
        <source>--name takes a brush&apos;s name, not &quot;&quot;</source>
        <translation>--name にはブラシの名前を指定します（空の「」は不可）</translation>
    </message>
    <message>
        <source>--brush and --name both choose the brush; give one</source>
        <translation>--brush と --name はどちらもブラシを選びます。一つだけ指定してください</translation>
    </message>
    <message>
        <source>--brush takes a brush&apos;s number, not &quot;%1&quot;</source>
        <translation>--brush には「%1」ではなくブラシの番号を指定します</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size には「%2」ではなく 幅x高さ（それぞれ 1～%1 ピクセル）を指定します</translation>
    </message>
    <message>
        <source>--seed takes a number from 0 to 4294967295, not &quot;%1&quot;</source>
        <translation>--seed には「%1」ではなく 0～4294967295 の数を指定します</translation>
    </message>
    <message>
        <source>--exclude and --restrict cannot be combined</source>
        <translation>--exclude と --restrict は同時に使えません</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>PATH が指定されていません</translation>
    </message>
    <message>
        <source>print one JSON document</source>
        <translation>JSON ドキュメントを一つ出力する</translation>
    </message>
    <message>
        <source>gimp (a brushes folder per file) or krita (a bundle)</source>
        <translation>gimp（ファイルごとのブラシフォルダー）または krita（バンドル）</translation>
    </message>
    <message>
        <source>where to write (default: the current folder)</source>
        <translation>書き出し先（既定：現在のフォルダー）</translation>
    </message>
    <message>
        <source>black paint on a clear background instead of ink on white</source>
        <translation>白地のインクではなく透明な背景に黒で描く</translation>
    </message>
    <message>
        <source>name the files after their brushes (Soft Round.png) instead of their number</source>
        <translation>番号ではなくブラシ名でファイルに名前を付ける (Soft Round.png)</translation>
    </message>
    <message>
        <source>write each preset&apos;s stroke (400 x 160, the S-curve, seed 1) instead of its tip</source>
        <translation>先端ではなく各プリセットのストローク（400 x 160、S 字カーブ、シード 1）を書き出す</translation>
    </message>
    <message>
        <source>go on reporting changes</source>
        <translation>変更を報告し続ける</translation>
    </message>
    <message>
        <source>stop watching after N seconds</source>
        <translation>N 秒後に監視をやめる</translation>
    </message>
    <message>
        <source>print one JSON object per line</source>
        <translation>1 行に一つの JSON オブジェクトを出力する</translation>
    </message>
    <message>
        <source>print the longest event-loop stall at the end</source>
        <translation>最後にイベントループの最長の停止を出力する</translation>
    </message>
    <message>
        <source>print the counts as JSON</source>
        <translation>件数を JSON で出力する</translation>
    </message>
    <message>
        <source>print the brushes as JSON</source>
        <translation>ブラシを JSON で出力する</translation>
    </message>
    <message>
        <source>print the groups as JSON</source>
        <translation>グループを JSON で出力する</translation>
    </message>
    <message>
        <source>print as JSON</source>
        <translation>JSON で出力する</translation>
    </message>
    <message>
        <source>list the tips the file stores, in its own order, instead of its presets</source>
        <translation>プリセットではなく、ファイルが保存している先端をその順に一覧表示する</translation>
    </message>
    <message>
        <source>leave FILE1 for FILE2 after N brushes, as the window does</source>
        <translation>ウィンドウと同じく、N 個のブラシの後に FILE1 から FILE2 へ切り替える</translation>
    </message>
    <message>
        <source>paint brush N, by its number in the listing (default 0)</source>
        <translation>一覧での番号でブラシ N を描く（既定 0）</translation>
    </message>
    <message>
        <source>paint the first brush named TEXT, or whose name holds it</source>
        <translation>TEXT という名前、または名前に TEXT を含む最初のブラシを描く</translation>
    </message>
    <message>
        <source>the image&apos;s size in pixels (default 400x160)</source>
        <translation>画像のサイズ（ピクセル、既定 400x160）</translation>
    </message>
    <message>
        <source>the preview&apos;s S-curve (default), a straight line, or points from a JSON file</source>
        <translation>プレビューの S 字カーブ（既定）、直線、または JSON ファイルの点</translation>
    </message>
    <message>
        <source>the seed of the brush&apos;s randomness (default 1)</source>
        <translation>ブラシの乱数のシード（既定 1）</translation>
    </message>
    <message>
        <source>the PNG file to write (replaced if it exists)</source>
        <translation>書き出す PNG ファイル（既存なら置き換え）</translation>
    </message>
    <message>
        <source>delete the files no trash takes, as if asked and answered yes</source>
        <translation>ゴミ箱が受け付けないファイルを、はいと答えたものとして削除する</translation>
    </message>
    <message>
        <source>sort the top level shallowest first</source>
        <translation>最上位を浅い順に並べる</translation>
    </message>
    <message>
        <source>print the full view: the root and each volume</source>
        <translation>完全な表示を出力する：ルートと各ボリューム</translation>
    </message>
    <message>
        <source>never a level unless it holds a file itself</source>
        <translation>それ自体がファイルを含まない限り階層にしない</translation>
    </message>
    <message>
        <source>every folder inside it is a level</source>
        <translation>その中のすべてのフォルダーを階層にする</translation>
    </message>
    <message>
        <source>leave out what lies below it</source>
        <translation>その下にあるものを除外する</translation>
    </message>
    <message>
        <source>keep only what lies below it</source>
        <translation>その下にあるものだけを残す</translation>
    </message>
    <message>
        <source>then run the commands of FILE (- for standard input)</source>
        <translation>続けて FILE のコマンドを実行する（- で標準入力）</translation>
    </message>
    <message>
        <source>%1; nothing exported</source>
        <translation>%1。何も書き出していません</translation>
    </message>
    <message>
        <source>no brushes; nothing exported</source>
        <translation>ブラシがありません。何も書き出していません</translation>
    </message>
    <message>
        <source>exporting the %1 and %2 read before the error</source>
        <translation>エラーの前に読み込んだ %1 と %2 を書き出します</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n 個のブラシ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n 個のパターン</numerusform>
        </translation>
    </message>
    <message>
        <source>exporting the %1 read before the error</source>
        <translation>エラーの前に読み込んだ %1 を書き出します</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>フォルダー %1 を作成できません</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 を作成しました</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s)</source>
        <translation>
            <numerusform>%n 個のファイルを書き出しました</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pattern(s) into patterns/</source>
        <translation>
            <numerusform>%n 個のパターンを patterns/ に書き出しました</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>書き出しました：%1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>書き出せませんでした：%1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ファイルではありません</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>そのようなファイルはありません</translation>
    </message>
    <message>
        <source>no painting application is installed (see kelbrin-cli apps)</source>
        <translation>ペイントアプリケーションがインストールされていません（kelbrin-cli apps を参照）</translation>
    </message>
    <message>
        <source>It has been set aside as %1; the next command starts a new one.</source>
        <translation>%1 として退避しました。次のコマンドで新しいライブラリを作ります。</translation>
    </message>
    <message>
        <source>the library could not be written</source>
        <translation>ライブラリに書き込めませんでした</translation>
    </message>
    <message>
        <source>%1 files looked at: %2 read (%3 not to the end), %4 unchanged, %5 not written, %6 removed</source>
        <translation>%1 個のファイルを確認：%2 個を読み込み（%3 個は最後まで読めず）、%4 個は変更なし、%5 個は書き込めず、%6 個を削除</translation>
    </message>
    <message>
        <source>library: %1 files, %2 brushes</source>
        <translation>ライブラリ：%1 個のファイル、%2 個のブラシ</translation>
    </message>
    <message>
        <source>the search could not be started</source>
        <translation>検索を開始できませんでした</translation>
    </message>
    <message>
        <source>identical files:</source>
        <translation>同一のファイル：</translation>
    </message>
    <message>
        <source>identical tips:</source>
        <translation>同一の先端：</translation>
    </message>
    <message>
        <source>larger than 16 MB, too large for a path</source>
        <translation>16 MB を超えており、パスとしては大きすぎます</translation>
    </message>
    <message>
        <source>%1 is the brush file itself; not replaced</source>
        <translation>%1 はブラシファイルそのものです。置き換えません</translation>
    </message>
    <message>
        <source>no points</source>
        <translation>点がありません</translation>
    </message>
    <message>
        <source>cannot use the path %1: %2</source>
        <translation>パス %1 は使えません：%2</translation>
    </message>
    <message>
        <source>%1; nothing painted</source>
        <translation>%1。何も描いていません</translation>
    </message>
    <message>
        <source>no brushes; nothing painted</source>
        <translation>ブラシがありません。何も描いていません</translation>
    </message>
    <message>
        <source>no brush named %1 among its %2</source>
        <translation>%2 の中に %1 という名前のブラシはありません</translation>
    </message>
    <message>
        <source>no brush %1; the brushes read before the damage are 0 to %2</source>
        <translation>ブラシ %1 はありません。破損箇所の前に読み込んだブラシは 0 から %2 です</translation>
    </message>
    <message>
        <source>no brush %1; its brushes are 0 to %2</source>
        <translation>ブラシ %1 はありません。ブラシは 0 から %2 です</translation>
    </message>
    <message>
        <source>brush %1 has a tip of no pixels; it paints nothing</source>
        <translation>ブラシ %1 の先端にはピクセルがありません。何も描きません</translation>
    </message>
    <message>
        <source>brush %1</source>
        <translation>ブラシ %1</translation>
    </message>
    <message>
        <source>the stroke was simplified: its preset asks for more dabs, or a larger tip, than one stroke may paint</source>
        <translation>ストロークを簡略化しました：プリセットが 1 本のストロークで描ける以上のスタンプ数か大きな先端を求めています</translation>
    </message>
    <message>
        <source>the texture&apos;s pattern %1 is not in the file; plain noise stands in for it</source>
        <translation>テクスチャのパターン %1 がファイルにありません。代わりに単純なノイズを使います</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>そのようなファイルやフォルダーはありません</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>スクリプト %1 を読み込めません：%2</translation>
    </message>
    <message>
        <source>brush %1 %2: %3</source>
        <translation>ブラシ %1 %2：%3</translation>
    </message>
    <message>
        <source>preset %1 %2</source>
        <translation>プリセット %1 %2</translation>
    </message>
    <message>
        <source>pattern %1 changed: %2</source>
        <translation>パターン %1 を変更：%2</translation>
    </message>
    <message>
        <source>no brushes or patterns; nothing converted</source>
        <translation>ブラシもパターンもありません。何も変換していません</translation>
    </message>
    <message>
        <source>converting the %1 read before the error</source>
        <translation>エラーの前に読み込んだ %1 を変換します</translation>
    </message>
    <message>
        <source>not every folder can be watched for changes (the system&apos;s limit fs.inotify.max_user_watches is reached), so the others are read again every %1 s and changes there show up late; to raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (and that setting in a file in /etc/sysctl.d/ to keep it)</source>
        <translation>すべてのフォルダーの変更は監視できません（システムの上限 fs.inotify.max_user_watches に達しました）。残りは %1 秒ごとに読み直すため、そこでの変更は遅れて表示されます。上限を上げるには：sudo sysctl fs.inotify.max_user_watches=524288（維持するには、この設定を /etc/sysctl.d/ 内のファイルに書きます）</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>そのようなフォルダーはありません</translation>
    </message>
</context>
</TS>
