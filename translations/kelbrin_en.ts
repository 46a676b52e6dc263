<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>BlendMode</name>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Behind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Burn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear Burn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darker Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Dodge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear Dodge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighter Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vivid Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exclusion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linear Height</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrushFileView</name>
    <message>
        <source>Stroke simplified: the preset asks for more dabs or a larger tip than a preview paints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brushes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sampled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bristle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erodible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 by %2 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>starred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrushInstaller</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of painting applications</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed (the Refresh button at the foot of each) or it restarts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If they are running, %1, and Krita once it restarts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If it is running, %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If it is running, Krita shows the new brushes once it restarts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was not installed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” could not be installed in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was installed in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is already installed in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: installed %2 (its brushes folder was made for it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: installed %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: already installed as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: already has %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: could not write %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the file is damaged: only %Ln brush(es) could be read from it</source>
        <translation>
            <numerusform>the file is damaged: only %Ln brush could be read from it</numerusform>
            <numerusform>the file is damaged: only %Ln brushes could be read from it</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a brush file of version %1, which Kelbrin cannot read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds patterns but no brushes (export them as pictures instead)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds no brushes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a brush file, or too damaged for any brush to be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a painting application, what its pack holds</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, brush %2 %3: %4 (%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, preset %2 %3: %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, pattern %2 %3: changed (%4)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrushSettings</name>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pen pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pen tilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stylus wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>initial direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape Dynamics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scattering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Dynamics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush Pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wet Edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protect Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush Tip Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>fade %n steps</source>
        <translation>
            <numerusform>fade %n step</numerusform>
            <numerusform>fade %n steps</numerusform>
        </translation>
    </message>
    <message>
        <source>control %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jitter %1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimum %1 %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrushViewer</name>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sampled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computed tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bristle tip (preview)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airbrush tip (preview)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erodible tip (preview)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both axes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sampled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>computed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bristle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erodible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, overrides the stylus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: a stored tip no preset of the file uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) lost in the file, left blank</source>
        <translation>
            <numerusform>%n row lost in the file, left blank</numerusform>
            <numerusform>%n rows lost in the file, left blank</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a drawn preview; Photoshop simulates this tip as it paints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bristles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stiffness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Granularity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spatter size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spatter amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Softness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum roundness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Texture each tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depth jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply per tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foreground/background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hue jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturation jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wetness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tilt Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multichannel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duotone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> with alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (shown as RGB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings beyond the tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the pattern %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The texture&apos;s pattern is not in this file: a plain noise stands in for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified: the preset asks for more dabs or a larger tip than a preview paints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ink colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ink…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pen pressure a mouse paints with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse pressure:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ink Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stroke</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could Not Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a fact&apos;s label, &quot;Size:&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the brush paints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet to try the brush on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour strokes on the sheet are painted in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wipes the strokes off the sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the sheet&apos;s strokes as a PNG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Blunt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Fan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Blunt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat Fan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrushWindow</name>
    <message>
        <source>Thumbnail size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Brush File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush files (*.abr *.ABR);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looking for brush files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewer, larger brushes a row to the right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CBrushCataloguer</name>
    <message numerus="yes">
        <source>Cataloguing brushes… %1 of %Ln file(s)</source>
        <translation>
            <numerusform>Cataloguing brushes… %1 of %Ln file</numerusform>
            <numerusform>Cataloguing brushes… %1 of %Ln files</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>No duplicates found among %Ln catalogued files.</source>
        <translation>
            <numerusform>No duplicates found among %Ln catalogued file.</numerusform>
            <numerusform>No duplicates found among %Ln catalogued files.</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate brushes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DuplicatesModel</name>
    <message numerus="yes">
        <source>%n identical files</source>
        <translation>
            <numerusform>%n identical file</numerusform>
            <numerusform>%n identical files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” in %n files</source>
        <translation>
            <numerusform>“%1” in %n file</numerusform>
            <numerusform>“%1” in %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One tip in %n files</source>
        <translation>
            <numerusform>One tip in %n file</numerusform>
            <numerusform>One tip in %n files</numerusform>
        </translation>
    </message>
    <message>
        <source>Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>
… and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Brushes as Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some brushes of “%1” could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some brushes of “%1” were too large to write at full size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some strokes of “%1” were not painted exactly as their presets ask.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strokes (how each preset paints)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By number (0.png, 1.png, …)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By brush name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pad numbers with zeros (007.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the folder when done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images of:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Painting the strokes of “%1”…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing the brushes of “%1”…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” has no brushes to export.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The brush file could not be moved to the Trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelbrin did not write it: it belongs to another application, and Kelbrin leaves it alone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check that you may change the folder that holds the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) written to %1</source>
        <translation>
            <numerusform>%Ln image written to %1</numerusform>
            <numerusform>%Ln images written to %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 of them drawn previews of bristle or erodible tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (stopped before the end)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was moved to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be taken back from the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is back in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP and Krita get the brushes in their own formats:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManagerLauncher</name>
    <message>
        <source>Neither the desktop&apos;s file manager nor xdg-open answered. The folder is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager could open the folder “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager could show “%1”.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileOutlineView</name>
    <message>
        <source>Show in File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallResultDialog</name>
    <message>
        <source>Installed (its brushes folder was made)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already installed as “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show %1 in the file manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the %1 folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstalledFileOutlineModel</name>
    <message>
        <source>%1 — Local Brushes</source>
        <comment>a painting application&apos;s second brushes folder</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source> It has been set aside as %1, and a new one is made at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The library is off until the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no brush library to keep it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The brush library is not ready yet: it is being checked.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryResultsModel</name>
    <message>
        <source>Brush %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush %1 in %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryResultsView</name>
    <message>
        <source>No brushes named “%1” in the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — more than %2, %2 shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brushes found in the library</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MarksController</name>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fa&amp;vourite File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ags…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Duplicates…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The brush library could not keep that</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlineModel</name>
    <message>
        <source>Tags: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1, folder, %n brush file(s)</source>
        <translation>
            <numerusform>%1, folder, %n brush file</numerusform>
            <numerusform>%1, folder, %n brush files</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutlinesController</name>
    <message>
        <source>Filter brush files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all files, the favourites, or the files of one tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed Brushes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No favourite brush file names contain “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No brush files tagged “%1” have names containing “%2”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No favourite brush files here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No brush files tagged “%1” here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No brush file names contain “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching for brush files…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No brush files found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No brush files found in:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the files whose name or tags hold these words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PackReport</name>
    <message>
        <source>loses its texture &quot;%1&quot; (the pattern is in the pack)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loses its texture &quot;%1&quot; (the file does not carry it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>characters of its name that are no text replaced or removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name shortened to %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer), written as 25 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>settings not carried (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opacity %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flow %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smoothing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tool options not carried (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not carried</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>approximated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no pixels to carry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>soft edge painted by GIMP&apos;s own curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>roundness raised to GIMP&apos;s 5 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reduced to GIMP&apos;s largest radius, 4,000 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1-bit reduced to 8-bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scaled from %1 to %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP averages its control and its jitter rather than combining them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP has no input like control %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fades over %1 pixels (%2 steps) along GIMP&apos;s eased curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clamped to GIMP&apos;s longest fade</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fades over the length of the %1, GIMP having one fade a preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>roundness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flip x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flip y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hardness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer) written as 25 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drawn as one still tip: GIMP&apos;s paintbrush has no bristle or wearing tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tilt scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP&apos;s size follows tilt along one curve only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as GIMP&apos;s aspect ratio, which squashes the tip on a scale of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flip x jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP flips no tip at random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flip y jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brush projection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP does not project the tip by the pen&apos;s tilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP scatters along the stroke as well as across it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scatter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scatter control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no scatter for it to drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP lays one dab at each step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>count jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>foreground/background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>picked from GIMP&apos;s foreground-to-background gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hue jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saturation jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brightness jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>purity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP varies colour only along a gradient</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush has no flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wetness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP has no mixer brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern, and the file has none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dual brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints with one tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brush pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP takes tilt, rotation and pressure from the pen alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>noise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP adds no noise to a tip&apos;s edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wet edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP paints no wet edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush lays no paint while held still (its airbrush does)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP&apos;s stroke smoothing at its own weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>protect texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s 0 to 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIMP has no mode like %1; painted in Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as GIMP&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>airbrush tip written as a preview image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bristle tip written as a preview image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>erodible tip written as a preview image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>computed tip drawn as pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt elevation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stroke&apos;s direction as Krita&apos;s drawing angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its control (%1) is none Krita knows, left off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is beyond Krita&apos;s range, written as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the fade of Krita&apos;s round tip, which softens its edge along another curve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dabs a step as spacing divided by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a bristle tip as its drawn picture, in Krita&apos;s pixel brush: Krita&apos;s bristle engine takes none of Photoshop&apos;s bristle settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an erodible tip as its drawn picture, in Krita&apos;s pixel brush, which does not wear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tip is written smaller; Krita enlarges it %1 times to the preset&apos;s %2 pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s tilt sensor has no scale of its own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the jitter as Krita&apos;s random rotation, at the strength of the control as well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flip jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not lay the tip on the pen&apos;s tilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>across the stroke as Krita&apos;s Y axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as closer spacing: Krita&apos;s pixel brush lays one dab a step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush lays one dab a step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not carry the pattern &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brightness and contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on Krita&apos;s scales, which are not Photoshop&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>depth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>depth jitter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>texture each tip off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita textures each dab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file does not carry the dual brush&apos;s tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita&apos;s masking brush has</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its angle of %1° left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush is not flipped at random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush lays one dab a step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as Krita&apos;s random %1 shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>saturation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as Krita&apos;s mix toward the background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no steady saturation shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not mix paint on the canvas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita has no blend mode %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita keeps smoothing with its brush tool, not in a preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s presets take the pen&apos;s own tilt, rotation and pressure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush adds no grain to a tip&apos;s soft edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no wet edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each Krita preset keeps its own texture</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n brush</numerusform>
            <numerusform>%n brushes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n changed</numerusform>
            <numerusform>%n changed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not carried</source>
        <translation>
            <numerusform>%n not carried</numerusform>
            <numerusform>%n not carried</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n preset</numerusform>
            <numerusform>%n presets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximated</source>
        <translation>
            <numerusform>%n approximated</numerusform>
            <numerusform>%n approximated</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n pattern</numerusform>
            <numerusform>%n patterns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose their texture</source>
        <translation>
            <numerusform>%n brush loses its texture</numerusform>
            <numerusform>%n brushes lose their texture</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose settings</source>
        <translation>
            <numerusform>%n brush loses settings</numerusform>
            <numerusform>%n brushes lose settings</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of a pack</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading, a fate</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>a heading, a setting, a fate</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a setting&apos;s fate and how</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the changes of a brush</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadErrorText</name>
    <message>
        <source>not a valid brush file, or damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unsupported version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadMessageBar</name>
    <message>
        <source>Not a brush file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a brush file Kelbrin can read (version %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is damaged: %1 and %2 could be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln brush</numerusform>
            <numerusform>%Ln brushes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln pattern</numerusform>
            <numerusform>%Ln patterns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file is damaged: %Ln brush(es) could be read</source>
        <translation>
            <numerusform>This file is damaged: %Ln brush could be read</numerusform>
            <numerusform>This file is damaged: %Ln brushes could be read</numerusform>
        </translation>
    </message>
    <message>
        <source>not enough memory to read this file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadingController</name>
    <message numerus="yes">
        <source>Reading… %Ln brush(es)</source>
        <translation>
            <numerusform>Reading… %Ln brush</numerusform>
            <numerusform>Reading… %Ln brushes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln brush</numerusform>
            <numerusform>%Ln brushes</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1)</source>
        <comment>the kinds of the brushes counted</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln pattern</numerusform>
            <numerusform>%Ln patterns</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sampled</source>
        <translation>
            <numerusform>%Ln sampled</numerusform>
            <numerusform>%Ln sampled</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln computed</source>
        <translation>
            <numerusform>%Ln computed</numerusform>
            <numerusform>%Ln computed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bristle</source>
        <translation>
            <numerusform>%Ln bristle</numerusform>
            <numerusform>%Ln bristle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln erodible</source>
        <translation>
            <numerusform>%Ln erodible</numerusform>
            <numerusform>%Ln erodible</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %Ln selected</source>
        <translation>
            <numerusform> — %Ln selected</numerusform>
            <numerusform> — %Ln selected</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the brush file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScratchCanvas</name>
    <message>
        <source>Could not write the picture to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagsDialog</name>
    <message>
        <source>Tags of “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words of your own to find this file by: the box beside the filter shows the files that have one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tags</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatchLimitBar</name>
    <message>
        <source>Hide this message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not every folder can be watched for changes: the system&apos;s limit (fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s instead, so changes there show up late.
To raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in /etc/sysctl.d/)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Strokes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show how each brush paints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export as Images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export &amp;Selected…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelbrin &amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Kelbrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Brush Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;All Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelbrin Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; shows the brushes in Photoshop brush files.&lt;/p&gt;&lt;p&gt;Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home and End jump to the first and last brushes.&lt;/p&gt;&lt;p&gt;Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. Double-click or press Space to see it large; Left and Right step through the file. Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.&lt;/p&gt;&lt;p&gt;File ▸ Export as Images… writes every brush as a PNG file into a new folder; Export Selected… only the selected ones.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Browse the brushes in Photoshop brush files (.abr): find them all, look at every brush, export them as images. Kelbrin never changes a brush file.&lt;/p&gt;&lt;p&gt;The licence is in the copyright file installed with Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Kelbrin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the brush file to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the brushes as PNG images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelbrin</name>
    <message>
        <source>Browse the brushes in Photoshop brush files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open FILE, save a picture of the window to OUT and quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without showing a window, wait until the search for brush files has done its first pass, print both outlines with every folder open, and quit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --dump-outlines: print every folder (Show All Folders).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A brush file to show (a path or a file:// URI).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kelbrin-cli</name>
    <message>
        <source>unexpected argument %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read brush files and list their brushes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write the brushes of FILE (tips, or strokes) as PNG files into a new folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paint a brush&apos;s stroke in black on white into a PNG file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write each file&apos;s brushes in GIMP&apos;s or Krita&apos;s own formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show brush files as the folder outline shows them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find brush files (everywhere, or below the folders)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the installed painting applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy a brush file into every application&apos;s brushes folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move files to the trash (--yes: delete those no trash takes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bring the brush library up to date (everywhere, or below the folders)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the library&apos;s brushes whose names hold TEXT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list identical files and tips found in more than one file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give a file tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>take tags from a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the tags, or the files with TAG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>usage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--to gimp or --to krita is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown --to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no FILE and DIR given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no DIR given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DIR must name a new folder, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one FILE at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file and at least one tag are needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one text to search for is needed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most one tag is taken</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--switch-after needs a brush count (0 or more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--switch-after takes exactly two files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no --out PNG given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--name takes a brush&apos;s name, not &quot;&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--brush and --name both choose the brush; give one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--brush takes a brush&apos;s number, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--seed takes a number from 0 to 4294967295, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--exclude and --restrict cannot be combined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <comment>the synopsis of kelbrin-cli</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>commands:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print one JSON document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gimp (a brushes folder per file) or krita (a bundle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>where to write (default: the current folder)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black paint on a clear background instead of ink on white</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name the files after their brushes (Soft Round.png) instead of their number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write each preset&apos;s stroke (400 x 160, the S-curve, seed 1) instead of its tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>go on reporting changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stop watching after N seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print one JSON object per line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the longest event-loop stall at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the counts as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the brushes as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the groups as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print as JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list the tips the file stores, in its own order, instead of its presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leave FILE1 for FILE2 after N brushes, as the window does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paint brush N, by its number in the listing (default 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paint the first brush named TEXT, or whose name holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the image&apos;s size in pixels (default 400x160)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the preview&apos;s S-curve (default), a straight line, or points from a JSON file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the seed of the brush&apos;s randomness (default 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PNG file to write (replaced if it exists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete the files no trash takes, as if asked and answered yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sort the top level shallowest first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the full view: the root and each volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>never a level unless it holds a file itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every folder inside it is a level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leave out what lies below it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep only what lies below it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>then run the commands of FILE (- for standard input)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; nothing exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no brushes; nothing exported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exporting the %1 and %2 read before the error</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n brush</numerusform>
            <numerusform>%n brushes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n pattern</numerusform>
            <numerusform>%n patterns</numerusform>
        </translation>
    </message>
    <message>
        <source>exporting the %1 read before the error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s)</source>
        <translation>
            <numerusform>Wrote %n file</numerusform>
            <numerusform>Wrote %n files</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pattern(s) into patterns/</source>
        <translation>
            <numerusform>Wrote %n pattern into patterns/</numerusform>
            <numerusform>Wrote %n patterns into patterns/</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no painting application is installed (see kelbrin-cli apps)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has been set aside as %1; the next command starts a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the library could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files looked at: %2 read (%3 not to the end), %4 unchanged, %5 not written, %6 removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>library: %1 files, %2 brushes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the search could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identical files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>identical tips:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than 16 MB, too large for a path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is the brush file itself; not replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot use the path %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; nothing painted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no brushes; nothing painted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no brush named %1 among its %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no brush %1; the brushes read before the damage are 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no brush %1; its brushes are 0 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brush %1 has a tip of no pixels; it paints nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brush %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the stroke was simplified: its preset asks for more dabs, or a larger tip, than one stroke may paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the texture&apos;s pattern %1 is not in the file; plain noise stands in for it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>brush %1 %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>preset %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pattern %1 changed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no brushes or patterns; nothing converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>converting the %1 read before the error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not every folder can be watched for changes (the system&apos;s limit fs.inotify.max_user_watches is reached), so the others are read again every %1 s and changes there show up late; to raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (and that setting in a file in /etc/sysctl.d/ to keep it)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
