<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>BlendMode</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Sprenkeln</translation>
    </message>
    <message>
        <source>Behind</source>
        <translation>Dahinter auftragen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Color Burn</source>
        <translation>Farbig nachbelichten</translation>
    </message>
    <message>
        <source>Linear Burn</source>
        <translation>Linear nachbelichten</translation>
    </message>
    <message>
        <source>Darker Color</source>
        <translation>Dunklere Farbe</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Negativ multiplizieren</translation>
    </message>
    <message>
        <source>Color Dodge</source>
        <translation>Farbig abwedeln</translation>
    </message>
    <message>
        <source>Linear Dodge</source>
        <translation>Linear abwedeln (Addieren)</translation>
    </message>
    <message>
        <source>Lighter Color</source>
        <translation>Hellere Farbe</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Ineinanderkopieren</translation>
    </message>
    <message>
        <source>Soft Light</source>
        <translation>Weiches Licht</translation>
    </message>
    <message>
        <source>Hard Light</source>
        <translation>Hartes Licht</translation>
    </message>
    <message>
        <source>Vivid Light</source>
        <translation>Strahlendes Licht</translation>
    </message>
    <message>
        <source>Linear Light</source>
        <translation>Lineares Licht</translation>
    </message>
    <message>
        <source>Pin Light</source>
        <translation>Lichtpunkt</translation>
    </message>
    <message>
        <source>Hard Mix</source>
        <translation>Hart mischen</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <source>Exclusion</source>
        <translation>Ausschluss</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>Luminanz</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Linear Height</source>
        <translation>Lineare Höhe</translation>
    </message>
</context>
<context>
    <name>BrushFileView</name>
    <message>
        <source>Stroke simplified: the preset asks for more dabs or a larger tip than a preview paints</source>
        <translation>Strich vereinfacht: Die Vorgabe verlangt mehr Abdrücke oder eine größere Spitze, als eine Vorschau malt</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>Brushes</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>aufgenommen</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>berechnet</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>Borsten</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>abnutzbar</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>%1 by %2 px</source>
        <translation>%1 × %2 px</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>mit Stern</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
</context>
<context>
    <name>BrushInstaller</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of painting applications</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed (the Refresh button at the foot of each) or it restarts</source>
        <translation>zeigt GIMP die neuen Pinsel, sobald seine Pinsel, Muster, Malwerkzeugdynamiken und Werkzeugvoreinstellungen aufgefrischt sind (mit dem Knopf „Auffrischen“ unten in jedem Dialog) oder es neu startet</translation>
    </message>
    <message>
        <source>If they are running, %1, and Krita once it restarts.</source>
        <translation>Falls sie laufen, %1, und Krita nach einem Neustart.</translation>
    </message>
    <message>
        <source>If it is running, %1.</source>
        <translation>Falls es läuft, %1.</translation>
    </message>
    <message>
        <source>If it is running, Krita shows the new brushes once it restarts.</source>
        <translation>Falls es läuft, zeigt Krita die neuen Pinsel nach einem Neustart.</translation>
    </message>
    <message>
        <source>“%1” was not installed: %2.</source>
        <translation>„%1“ wurde nicht installiert: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be installed in %2.</source>
        <translation>„%1“ konnte nicht in %2 installiert werden.</translation>
    </message>
    <message>
        <source>“%1” was installed in %2.</source>
        <translation>„%1“ wurde in %2 installiert.</translation>
    </message>
    <message>
        <source>“%1” is already installed in %2.</source>
        <translation>„%1“ ist bereits in %2 installiert.</translation>
    </message>
    <message>
        <source>%1: installed %2 (its brushes folder was made for it)</source>
        <translation>%1: %2 installiert (sein Pinselordner wurde dafür angelegt)</translation>
    </message>
    <message>
        <source>%1: installed %2</source>
        <translation>%1: %2 installiert</translation>
    </message>
    <message>
        <source>%1: already installed as %2</source>
        <translation>%1: bereits als %2 installiert</translation>
    </message>
    <message>
        <source>%1: already has %2</source>
        <translation>%1: hat %2 bereits</translation>
    </message>
    <message>
        <source>%1: could not write %2: %3</source>
        <translation>%1: %2 konnte nicht geschrieben werden: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is damaged: only %Ln brush(es) could be read from it</source>
        <translation>
            <numerusform>die Datei ist beschädigt: nur %Ln Pinsel konnte aus ihr gelesen werden</numerusform>
            <numerusform>die Datei ist beschädigt: nur %Ln Pinsel konnten aus ihr gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>keine Pinseldatei</translation>
    </message>
    <message>
        <source>a brush file of version %1, which Kelbrin cannot read</source>
        <translation>eine Pinseldatei der Version %1, die Kelbrin nicht lesen kann</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>nicht genug Speicher, um sie zu lesen</translation>
    </message>
    <message>
        <source>the file holds patterns but no brushes (export them as pictures instead)</source>
        <translation>die Datei enthält Muster, aber keine Pinsel (exportieren Sie sie stattdessen als Bilder)</translation>
    </message>
    <message>
        <source>the file holds no brushes</source>
        <translation>die Datei enthält keine Pinsel</translation>
    </message>
    <message>
        <source>not a brush file, or too damaged for any brush to be read</source>
        <translation>keine Pinseldatei, oder zu beschädigt, um irgendeinen Pinsel zu lesen</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a painting application, what its pack holds</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, brush %2 %3: %4 (%5)</source>
        <translation>%1, Pinsel %2 %3: %4 (%5)</translation>
    </message>
    <message>
        <source>%1, preset %2 %3: %4</source>
        <translation>%1, Vorgabe %2 %3: %4</translation>
    </message>
    <message>
        <source>%1, pattern %2 %3: changed (%4)</source>
        <translation>%1, Muster %2 %3: geändert (%4)</translation>
    </message>
</context>
<context>
    <name>BrushSettings</name>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>fade</source>
        <translation>Verblassen</translation>
    </message>
    <message>
        <source>pen pressure</source>
        <translation>Zeichenstift-Druck</translation>
    </message>
    <message>
        <source>pen tilt</source>
        <translation>Zeichenstift-Neigung</translation>
    </message>
    <message>
        <source>stylus wheel</source>
        <translation>Stylusrad</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>initial direction</source>
        <translation>Anfangsrichtung</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Shape Dynamics</source>
        <translation>Formeigenschaften</translation>
    </message>
    <message>
        <source>Scattering</source>
        <translation>Streuung</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Struktur</translation>
    </message>
    <message>
        <source>Dual Brush</source>
        <translation>Dualer Pinsel</translation>
    </message>
    <message>
        <source>Color Dynamics</source>
        <translation>Farbeinstellungen</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Brush Pose</source>
        <translation>Pinselhaltung</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>Wet Edges</source>
        <translation>Nasse Kanten</translation>
    </message>
    <message>
        <source>Build-up</source>
        <translation>Aufbauen</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>Protect Texture</source>
        <translation>Struktur schützen</translation>
    </message>
    <message>
        <source>Brush Tip Shape</source>
        <translation>Pinselspitzenform</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Werkzeugoptionen</translation>
    </message>
    <message numerus="yes">
        <source>fade %n steps</source>
        <translation>
            <numerusform>Verblassen: %n Schritt</numerusform>
            <numerusform>Verblassen: %n Schritte</numerusform>
        </translation>
    </message>
    <message>
        <source>control %1</source>
        <translation>Steuerung %1</translation>
    </message>
    <message>
        <source>jitter %1 %</source>
        <translation>Jitter %1 %</translation>
    </message>
    <message>
        <source>minimum %1 %</source>
        <translation>Minimum %1 %</translation>
    </message>
</context>
<context>
    <name>BrushViewer</name>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X und Y</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>Form %1</translation>
    </message>
    <message>
        <source>Sampled</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>Computed tip</source>
        <translation>Berechnete Spitze</translation>
    </message>
    <message>
        <source>Bristle tip (preview)</source>
        <translation>Borstenspitze (Vorschau)</translation>
    </message>
    <message>
        <source>Airbrush tip (preview)</source>
        <translation>Airbrush-Spitze (Vorschau)</translation>
    </message>
    <message>
        <source>Erodible tip (preview)</source>
        <translation>Abnutzbare Spitze (Vorschau)</translation>
    </message>
    <message>
        <source>both axes</source>
        <translation>beide Achsen</translation>
    </message>
    <message>
        <source>%1, overrides the stylus</source>
        <translation>%1, übergeht den Stift</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>In Fenster einpassen</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Schachbrett</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Hintergrund:</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Spitze</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Ausprobieren</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(ohne Namen)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Vorgabe</translation>
    </message>
    <message>
        <source>none: a stored tip no preset of the file uses</source>
        <translation>keine: eine gespeicherte Spitze, die keine Vorgabe der Datei nutzt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Stored sample</source>
        <translation>Gespeicherte Aufnahme</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>%1-bit</source>
        <translation>%1 Bit</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Beschädigt</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) lost in the file, left blank</source>
        <translation>
            <numerusform>%n Zeile in der Datei verloren, leer gelassen</numerusform>
            <numerusform>%n Zeilen in der Datei verloren, leer gelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>a drawn preview; Photoshop simulates this tip as it paints</source>
        <translation>eine gezeichnete Vorschau; Photoshop simuliert diese Spitze beim Malen</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Struktur</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation>Rundheit</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Härte</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Bristles</source>
        <translation>Borsten</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Stiffness</source>
        <translation>Steifheit</translation>
    </message>
    <message>
        <source>Granularity</source>
        <translation>Körnung</translation>
    </message>
    <message>
        <source>Spatter size</source>
        <translation>Spritzergröße</translation>
    </message>
    <message>
        <source>Spatter amount</source>
        <translation>Spritzermenge</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Weichheit</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <source>Minimum diameter</source>
        <translation>Minimaler Durchmesser</translation>
    </message>
    <message>
        <source>Tilt scale</source>
        <translation>Neigungsskalierung</translation>
    </message>
    <message>
        <source>Minimum roundness</source>
        <translation>Minimale Rundheit</translation>
    </message>
    <message>
        <source>Flip jitter</source>
        <translation>Spiegeln-Jitter</translation>
    </message>
    <message>
        <source>Brush projection</source>
        <translation>Pinselprojektion</translation>
    </message>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Streuung</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Count jitter</source>
        <translation>Anzahl-Jitter</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalieren</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Texture each tip</source>
        <translation>Jede Spitze strukturieren</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Minimum depth</source>
        <translation>Minimale Tiefe</translation>
    </message>
    <message>
        <source>Depth jitter</source>
        <translation>Tiefen-Jitter</translation>
    </message>
    <message>
        <source>Apply per tip</source>
        <translation>Pro Spitze anwenden</translation>
    </message>
    <message>
        <source>Foreground/background</source>
        <translation>Vordergrund/Hintergrund</translation>
    </message>
    <message>
        <source>Hue jitter</source>
        <translation>Farbton-Jitter</translation>
    </message>
    <message>
        <source>Saturation jitter</source>
        <translation>Sättigungs-Jitter</translation>
    </message>
    <message>
        <source>Brightness jitter</source>
        <translation>Helligkeits-Jitter</translation>
    </message>
    <message>
        <source>Purity</source>
        <translation>Reinheit</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Fluss</translation>
    </message>
    <message>
        <source>Wetness</source>
        <translation>Nässe</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>Tilt X</source>
        <translation>Neigung X</translation>
    </message>
    <message>
        <source>Tilt Y</source>
        <translation>Neigung Y</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Werkzeugoptionen</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation>Indiziert</translation>
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
        <translation>Mehrkanal</translation>
    </message>
    <message>
        <source>Duotone</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source> with alpha</source>
        <translation> mit Alpha</translation>
    </message>
    <message>
        <source> (shown as RGB)</source>
        <translation> (als RGB gezeigt)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>No settings beyond the tip</source>
        <translation>Keine Einstellungen außer der Spitze</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Show the pattern</source>
        <translation>Muster zeigen</translation>
    </message>
    <message>
        <source>Show the pattern %1</source>
        <translation>Muster %1 zeigen</translation>
    </message>
    <message>
        <source>The texture&apos;s pattern is not in this file: a plain noise stands in for it.</source>
        <translation>Das Muster der Struktur ist nicht in dieser Datei: Ein einfaches Rauschen steht dafür.</translation>
    </message>
    <message>
        <source>Simplified: the preset asks for more dabs or a larger tip than a preview paints.</source>
        <translation>Vereinfacht: Die Vorgabe verlangt mehr Abdrücke oder eine größere Spitze, als eine Vorschau malt.</translation>
    </message>
    <message>
        <source>Ink colour</source>
        <translation>Malfarbe</translation>
    </message>
    <message>
        <source>Ink…</source>
        <translation>Farbe…</translation>
    </message>
    <message>
        <source>The pen pressure a mouse paints with</source>
        <translation>Der Stiftdruck, mit dem eine Maus malt</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Als PNG speichern…</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Mouse pressure:</source>
        <translation>Mausdruck:</translation>
    </message>
    <message>
        <source>Ink Colour</source>
        <translation>Malfarbe</translation>
    </message>
    <message>
        <source>stroke</source>
        <translation>Strich</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Als PNG speichern</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
    <message>
        <source>Could Not Save</source>
        <translation>Speichern fehlgeschlagen</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>aufgenommen</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>berechnet</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>Borsten</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>abnutzbar</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a fact&apos;s label, &quot;Size:&quot;</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Brush tip</source>
        <translation>Pinselspitze</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>How the brush paints</source>
        <translation>Wie der Pinsel malt</translation>
    </message>
    <message>
        <source>Sheet to try the brush on</source>
        <translation>Blatt zum Ausprobieren des Pinsels</translation>
    </message>
    <message>
        <source>The colour strokes on the sheet are painted in</source>
        <translation>Die Farbe, in der auf dem Blatt gemalt wird</translation>
    </message>
    <message>
        <source>Tip size</source>
        <translation>Spitzengröße</translation>
    </message>
    <message>
        <source>Mouse pressure</source>
        <translation>Mausdruck</translation>
    </message>
    <message>
        <source>Wipes the strokes off the sheet</source>
        <translation>Wischt die Striche vom Blatt</translation>
    </message>
    <message>
        <source>Saves the sheet&apos;s strokes as a PNG image</source>
        <translation>Speichert die Striche des Blatts als PNG-Bild</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Round Point</source>
        <translation>Rund, spitz</translation>
    </message>
    <message>
        <source>Round Blunt</source>
        <translation>Rund, stumpf</translation>
    </message>
    <message>
        <source>Round Curve</source>
        <translation>Rund, gebogen</translation>
    </message>
    <message>
        <source>Round Angle</source>
        <translation>Rund, schräg</translation>
    </message>
    <message>
        <source>Round Fan</source>
        <translation>Rund, Fächer</translation>
    </message>
    <message>
        <source>Flat Point</source>
        <translation>Flach, spitz</translation>
    </message>
    <message>
        <source>Flat Blunt</source>
        <translation>Flach, stumpf</translation>
    </message>
    <message>
        <source>Flat Curve</source>
        <translation>Flach, gebogen</translation>
    </message>
    <message>
        <source>Flat Angle</source>
        <translation>Flach, schräg</translation>
    </message>
    <message>
        <source>Flat Fan</source>
        <translation>Flach, Fächer</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Spitz</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Flach</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Rund</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadratisch</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieckig</translation>
    </message>
</context>
<context>
    <name>BrushWindow</name>
    <message>
        <source>Thumbnail size</source>
        <translation>Vorschaugröße</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>&amp;Install in %1</source>
        <translation>In %1 &amp;installieren</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Install in %1</source>
        <translation>In %1 installieren</translation>
    </message>
    <message>
        <source>Open Brush File</source>
        <translation>Pinseldatei öffnen</translation>
    </message>
    <message>
        <source>Brush files (*.abr *.ABR);;All files (*)</source>
        <translation>Pinseldateien (*.abr *.ABR);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Looking for brush files</source>
        <translation>Pinseldateien werden gesucht</translation>
    </message>
    <message>
        <source>Fewer, larger brushes a row to the right</source>
        <translation>Nach rechts: weniger, größere Pinsel pro Reihe</translation>
    </message>
</context>
<context>
    <name>CBrushCataloguer</name>
    <message numerus="yes">
        <source>Cataloguing brushes… %1 of %Ln file(s)</source>
        <translation>
            <numerusform>Pinsel werden erfasst… %1 von %Ln Datei</numerusform>
            <numerusform>Pinsel werden erfasst… %1 von %Ln Dateien</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation>Doppelte</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Im Datei&amp;manager zeigen</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>In den &amp;Papierkorb verschieben</translation>
    </message>
    <message numerus="yes">
        <source>No duplicates found among %Ln catalogued files.</source>
        <translation>
            <numerusform>Keine Doppelten unter %Ln erfassten Datei gefunden.</numerusform>
            <numerusform>Keine Doppelten unter %Ln erfassten Dateien gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate brushes</source>
        <translation>Doppelte Pinsel</translation>
    </message>
</context>
<context>
    <name>DuplicatesModel</name>
    <message numerus="yes">
        <source>%n identical files</source>
        <translation>
            <numerusform>%n identische Datei</numerusform>
            <numerusform>%n identische Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” in %n files</source>
        <translation>
            <numerusform>„%1“ in %n Datei</numerusform>
            <numerusform>„%1“ in %n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One tip in %n files</source>
        <translation>
            <numerusform>Eine Spitze in %n Datei</numerusform>
            <numerusform>Eine Spitze in %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pinsel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
… und %1 weitere</translation>
    </message>
    <message>
        <source>Export Brushes as Images</source>
        <translation>Pinsel als Bilder exportieren</translation>
    </message>
    <message>
        <source>Some brushes of “%1” could not be written.</source>
        <translation>Einige Pinsel aus „%1“ konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Some brushes of “%1” were too large to write at full size.</source>
        <translation>Einige Pinsel aus „%1“ waren zu groß, um sie in voller Größe zu schreiben.</translation>
    </message>
    <message>
        <source>Some strokes of “%1” were not painted exactly as their presets ask.</source>
        <translation>Einige Striche aus „%1“ wurden nicht genau so gemalt, wie ihre Vorgaben es verlangen.</translation>
    </message>
    <message>
        <source>Use transparency</source>
        <translation>Transparenz verwenden</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Spitzen</translation>
    </message>
    <message>
        <source>Strokes (how each preset paints)</source>
        <translation>Striche (wie jede Vorgabe malt)</translation>
    </message>
    <message>
        <source>By number (0.png, 1.png, …)</source>
        <translation>Nach Nummer (0.png, 1.png, …)</translation>
    </message>
    <message>
        <source>By brush name</source>
        <translation>Nach Pinselname</translation>
    </message>
    <message>
        <source>Pad numbers with zeros (007.png)</source>
        <translation>Nummern mit Nullen auffüllen (007.png)</translation>
    </message>
    <message>
        <source>Open the folder when done</source>
        <translation>Ordner danach öffnen</translation>
    </message>
    <message>
        <source>Images of:</source>
        <translation>Bilder von:</translation>
    </message>
    <message>
        <source>Name files:</source>
        <translation>Dateinamen:</translation>
    </message>
    <message>
        <source>Painting the strokes of “%1”…</source>
        <translation>Striche von „%1“ werden gemalt…</translation>
    </message>
    <message>
        <source>Writing the brushes of “%1”…</source>
        <translation>Pinsel von „%1“ werden geschrieben…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>“%1” has no brushes to export.</source>
        <translation>„%1“ enthält keine Pinsel zum Exportieren.</translation>
    </message>
    <message>
        <source>The folder could not be made: %1</source>
        <translation>Der Ordner konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Images of</source>
        <translation>Bilder von</translation>
    </message>
    <message>
        <source>Name files</source>
        <translation>Dateien benennen</translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>The brush file could not be moved to the Trash.</source>
        <translation>Die Pinseldatei konnte nicht in den Papierkorb verschoben werden.</translation>
    </message>
    <message>
        <source>Kelbrin did not write it: it belongs to another application, and Kelbrin leaves it alone.</source>
        <translation>Kelbrin hat sie nicht geschrieben: Sie gehört zu einer anderen Anwendung, und Kelbrin lässt sie in Ruhe.</translation>
    </message>
    <message>
        <source>Check that you may change the folder that holds the file.</source>
        <translation>Prüfen Sie, ob Sie den Ordner mit der Datei ändern dürfen.</translation>
    </message>
    <message>
        <source>“%1” was moved to the trash.</source>
        <translation>„%1“ wurde in den Papierkorb verschoben.</translation>
    </message>
    <message>
        <source>The file could not be taken back from the trash</source>
        <translation>Die Datei konnte nicht aus dem Papierkorb zurückgeholt werden</translation>
    </message>
    <message>
        <source>“%1” is back in %2.</source>
        <translation>„%1“ ist wieder in %2.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Im Ordner zeigen</translation>
    </message>
    <message>
        <source>GIMP and Krita get the brushes in their own formats:</source>
        <translation>GIMP und Krita erhalten die Pinsel in ihren eigenen Formaten:</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) written to %1</source>
        <translation>
            <numerusform>%Ln Bild nach %1 geschrieben</numerusform>
            <numerusform>%Ln Bilder nach %1 geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 of them drawn previews of bristle or erodible tips</source>
        <translation>, davon %1 gezeichnete Vorschauen von Borsten- oder abnutzbaren Spitzen</translation>
    </message>
    <message>
        <source>, %1 could not be written</source>
        <translation>, %1 konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source> (stopped before the end)</source>
        <translation> (vor dem Ende angehalten)</translation>
    </message>
</context>
<context>
    <name>FileManagerLauncher</name>
    <message>
        <source>Neither the desktop&apos;s file manager nor xdg-open answered. The folder is:</source>
        <translation>Weder der Dateimanager der Arbeitsumgebung noch xdg-open hat geantwortet. Der Ordner ist:</translation>
    </message>
    <message>
        <source>No file manager could open the folder “%1”.</source>
        <translation>Kein Dateimanager konnte den Ordner „%1“ öffnen.</translation>
    </message>
    <message>
        <source>No file manager could show “%1”.</source>
        <translation>Kein Dateimanager konnte „%1“ zeigen.</translation>
    </message>
</context>
<context>
    <name>FileOutlineView</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorit</translation>
    </message>
    <message>
        <source>Tags…</source>
        <translation>Schlagwörter…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
</context>
<context>
    <name>InstallResultDialog</name>
    <message>
        <source>Installed (its brushes folder was made)</source>
        <translation>Installiert (sein Pinselordner wurde angelegt)</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installiert</translation>
    </message>
    <message>
        <source>Already installed as “%1”</source>
        <translation>Bereits als „%1“ installiert</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>Bereits installiert</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>Nicht installiert: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Show %1 in the file manager</source>
        <translation>%1 im Dateimanager zeigen</translation>
    </message>
    <message>
        <source>Show the %1 folder</source>
        <translation>Den Ordner von %1 zeigen</translation>
    </message>
</context>
<context>
    <name>InstalledFileOutlineModel</name>
    <message>
        <source>%1 — Local Brushes</source>
        <comment>a painting application&apos;s second brushes folder</comment>
        <translation>%1 — Lokale Pinsel</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source> It has been set aside as %1, and a new one is made at the next start.</source>
        <translation> Sie wurde als %1 beiseitegelegt, und beim nächsten Start wird eine neue angelegt.</translation>
    </message>
    <message>
        <source> The library is off until the next start.</source>
        <translation> Die Bibliothek ist bis zum nächsten Start aus.</translation>
    </message>
    <message>
        <source>There is no brush library to keep it in.</source>
        <translation>Es gibt keine Pinselbibliothek, die es aufbewahren könnte.</translation>
    </message>
    <message>
        <source>The brush library is not ready yet: it is being checked.</source>
        <translation>Die Pinselbibliothek ist noch nicht bereit: Sie wird geprüft.</translation>
    </message>
</context>
<context>
    <name>LibraryResultsModel</name>
    <message>
        <source>Brush %1</source>
        <translation>Pinsel %1</translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, mit Stern</translation>
    </message>
    <message>
        <source>Brush %1 in %2</source>
        <translation>Pinsel %1 in %2</translation>
    </message>
</context>
<context>
    <name>LibraryResultsView</name>
    <message>
        <source>No brushes named “%1” in the library</source>
        <translation>Keine Pinsel namens „%1“ in der Bibliothek</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — more than %2, %2 shown</source>
        <translation>Pinsel namens „%1“ in der Bibliothek — mehr als %2, %2 gezeigt</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — %2</source>
        <translation>Pinsel namens „%1“ in der Bibliothek — %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Im Datei&amp;manager zeigen</translation>
    </message>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Pinsel als &amp;Favorit</translation>
    </message>
    <message>
        <source>Brushes found in the library</source>
        <translation>In der Bibliothek gefundene Pinsel</translation>
    </message>
</context>
<context>
    <name>MarksController</name>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Pinsel als &amp;Favorit</translation>
    </message>
    <message>
        <source>Fa&amp;vourite File</source>
        <translation>Datei als Fa&amp;vorit</translation>
    </message>
    <message>
        <source>T&amp;ags…</source>
        <translation>&amp;Schlagwörter…</translation>
    </message>
    <message>
        <source>&amp;Duplicates…</source>
        <translation>&amp;Doppelte…</translation>
    </message>
    <message>
        <source>The brush library could not keep that</source>
        <translation>Die Pinselbibliothek konnte das nicht speichern</translation>
    </message>
</context>
<context>
    <name>OutlineModel</name>
    <message>
        <source>Tags: %1</source>
        <translation>Schlagwörter: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, folder, %n brush file(s)</source>
        <translation>
            <numerusform>%1, Ordner, %n Pinseldatei</numerusform>
            <numerusform>%1, Ordner, %n Pinseldateien</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, mit Stern</translation>
    </message>
</context>
<context>
    <name>OutlinesController</name>
    <message>
        <source>Filter brush files</source>
        <translation>Pinseldateien filtern</translation>
    </message>
    <message>
        <source>Show all files, the favourites, or the files of one tag</source>
        <translation>Alle Dateien, die Favoriten oder die Dateien eines Schlagworts zeigen</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Installed Brushes</source>
        <translation>Installierte Pinsel</translation>
    </message>
    <message>
        <source>No favourite brush file names contain “%1”</source>
        <translation>Kein Name einer favorisierten Pinseldatei enthält „%1“</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” have names containing “%2”</source>
        <translation>Keine Pinseldatei mit dem Schlagwort „%1“ hat „%2“ im Namen</translation>
    </message>
    <message>
        <source>No favourite brush files here</source>
        <translation>Hier sind keine favorisierten Pinseldateien</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” here</source>
        <translation>Hier sind keine Pinseldateien mit dem Schlagwort „%1“</translation>
    </message>
    <message>
        <source>No brush file names contain “%1”</source>
        <translation>Kein Pinseldateiname enthält „%1“</translation>
    </message>
    <message>
        <source>Searching for brush files…</source>
        <translation>Pinseldateien werden gesucht…</translation>
    </message>
    <message>
        <source>No brush files found</source>
        <translation>Keine Pinseldateien gefunden</translation>
    </message>
    <message>
        <source>No brush files found in:</source>
        <translation>Keine Pinseldateien gefunden in:</translation>
    </message>
    <message>
        <source>Shows only the files whose name or tags hold these words</source>
        <translation>Zeigt nur die Dateien, deren Name oder Schlagwörter diese Wörter enthalten</translation>
    </message>
    <message>
        <source>Files shown</source>
        <translation>Gezeigte Dateien</translation>
    </message>
    <message>
        <source>Brush files</source>
        <translation>Pinseldateien</translation>
    </message>
</context>
<context>
    <name>PackReport</name>
    <message>
        <source>loses its texture &quot;%1&quot; (the pattern is in the pack)</source>
        <translation>verliert seine Struktur „%1“ (das Muster liegt im Paket)</translation>
    </message>
    <message>
        <source>loses its texture &quot;%1&quot; (the file does not carry it)</source>
        <translation>verliert seine Struktur „%1“ (die Datei enthält sie nicht)</translation>
    </message>
    <message>
        <source>characters of its name that are no text replaced or removed</source>
        <translation>Zeichen im Namen, die kein Text sind, ersetzt oder entfernt</translation>
    </message>
    <message>
        <source>name shortened to %1 bytes</source>
        <translation>Name auf %1 Byte gekürzt</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer), written as 25 %</source>
        <translation>Abstand aus (ein Tupfer bei jeder Bewegung des Zeigers), als 25 % geschrieben</translation>
    </message>
    <message>
        <source>settings not carried (%1)</source>
        <translation>Einstellungen nicht übernommen (%1)</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>Modus %1</translation>
    </message>
    <message>
        <source>opacity %1</source>
        <translation>Deckkraft %1</translation>
    </message>
    <message>
        <source>flow %1</source>
        <translation>Fluss %1</translation>
    </message>
    <message>
        <source>smoothing %1</source>
        <translation>Glättung %1</translation>
    </message>
    <message>
        <source>tool options not carried (%1)</source>
        <translation>Werkzeugoptionen nicht übernommen (%1)</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>nicht übernommen</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>beibehalten</translation>
    </message>
    <message>
        <source>approximated</source>
        <translation>angenähert</translation>
    </message>
    <message>
        <source>no pixels to carry</source>
        <translation>keine Pixel zu übernehmen</translation>
    </message>
    <message>
        <source>soft edge painted by GIMP&apos;s own curve</source>
        <translation>weiche Kante mit GIMPs eigener Kurve gemalt</translation>
    </message>
    <message>
        <source>roundness raised to GIMP&apos;s 5 %</source>
        <translation>Rundheit auf GIMPs 5 % angehoben</translation>
    </message>
    <message>
        <source>reduced to GIMP&apos;s largest radius, 4,000 pixels</source>
        <translation>auf GIMPs größten Radius verkleinert, 4.000 Pixel</translation>
    </message>
    <message>
        <source>%1-bit reduced to 8-bit</source>
        <translation>%1 Bit auf 8 Bit reduziert</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 pixels</source>
        <translation>von %1 auf %2 Pixel skaliert</translation>
    </message>
    <message>
        <source>GIMP averages its control and its jitter rather than combining them</source>
        <translation>GIMP mittelt Steuerung und Jitter, statt sie zu verbinden</translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation>%1 (Steuerung)</translation>
    </message>
    <message>
        <source>GIMP has no input like control %1</source>
        <translation>GIMP hat keine Eingabe wie Steuerung %1</translation>
    </message>
    <message>
        <source>fades over %1 pixels (%2 steps) along GIMP&apos;s eased curve</source>
        <translation>verblasst über %1 Pixel (%2 Schritte) entlang GIMPs weicher Kurve</translation>
    </message>
    <message>
        <source>clamped to GIMP&apos;s longest fade</source>
        <translation>auf GIMPs längstes Verblassen begrenzt</translation>
    </message>
    <message>
        <source>fades over the length of the %1, GIMP having one fade a preset</source>
        <translation>verblasst über die Länge von %1, da GIMP ein Verblassen je Vorgabe hat</translation>
    </message>
    <message>
        <source>%1 jitter</source>
        <translation>%1 (Jitter)</translation>
    </message>
    <message>
        <source>size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>roundness</source>
        <translation>Rundheit</translation>
    </message>
    <message>
        <source>flip x</source>
        <translation>X spiegeln</translation>
    </message>
    <message>
        <source>flip y</source>
        <translation>Y spiegeln</translation>
    </message>
    <message>
        <source>hardness</source>
        <translation>Härte</translation>
    </message>
    <message>
        <source>spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer) written as 25 %</source>
        <translation>Abstand aus (ein Tupfer bei jeder Bewegung des Zeigers) als 25 % geschrieben</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>Spitze</translation>
    </message>
    <message>
        <source>drawn as one still tip: GIMP&apos;s paintbrush has no bristle or wearing tips</source>
        <translation>als eine feste Spitze gezeichnet: GIMPs Pinsel hat keine Borsten- oder Abnutzungsspitzen</translation>
    </message>
    <message>
        <source>tilt scale</source>
        <translation>Neigungsskalierung</translation>
    </message>
    <message>
        <source>GIMP&apos;s size follows tilt along one curve only</source>
        <translation>GIMPs Größe folgt der Neigung nur entlang einer Kurve</translation>
    </message>
    <message>
        <source>as GIMP&apos;s aspect ratio, which squashes the tip on a scale of its own</source>
        <translation>als GIMPs Seitenverhältnis, das die Spitze auf eigener Skala staucht</translation>
    </message>
    <message>
        <source>flip x jitter</source>
        <translation>X-Spiegeln-Jitter</translation>
    </message>
    <message>
        <source>GIMP flips no tip at random</source>
        <translation>GIMP spiegelt keine Spitze zufällig</translation>
    </message>
    <message>
        <source>flip y jitter</source>
        <translation>Y-Spiegeln-Jitter</translation>
    </message>
    <message>
        <source>brush projection</source>
        <translation>Pinselprojektion</translation>
    </message>
    <message>
        <source>GIMP does not project the tip by the pen&apos;s tilt</source>
        <translation>GIMP projiziert die Spitze nicht nach der Neigung des Stifts</translation>
    </message>
    <message>
        <source>GIMP scatters along the stroke as well as across it</source>
        <translation>GIMP streut entlang des Strichs wie auch quer dazu</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s %2</source>
        <translation>%1 auf GIMPs %2 begrenzt</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>Streuung</translation>
    </message>
    <message>
        <source>scatter control</source>
        <translation>Streuung (Steuerung)</translation>
    </message>
    <message>
        <source>there is no scatter for it to drive</source>
        <translation>es gibt keine Streuung, die sie steuern könnte</translation>
    </message>
    <message>
        <source>count</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>GIMP lays one dab at each step</source>
        <translation>GIMP setzt bei jedem Schritt einen Tupfer</translation>
    </message>
    <message>
        <source>count jitter</source>
        <translation>Anzahl-Jitter</translation>
    </message>
    <message>
        <source>foreground/background</source>
        <translation>Vordergrund/Hintergrund</translation>
    </message>
    <message>
        <source>picked from GIMP&apos;s foreground-to-background gradient</source>
        <translation>aus GIMPs Verlauf von Vorder- zu Hintergrundfarbe genommen</translation>
    </message>
    <message>
        <source>hue jitter</source>
        <translation>Farbton-Jitter</translation>
    </message>
    <message>
        <source>saturation jitter</source>
        <translation>Sättigungs-Jitter</translation>
    </message>
    <message>
        <source>brightness jitter</source>
        <translation>Helligkeits-Jitter</translation>
    </message>
    <message>
        <source>purity</source>
        <translation>Reinheit</translation>
    </message>
    <message>
        <source>GIMP varies colour only along a gradient</source>
        <translation>GIMP variiert die Farbe nur entlang eines Verlaufs</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>Fluss</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush has no flow</source>
        <translation>GIMPs Pinsel hat keinen Fluss</translation>
    </message>
    <message>
        <source>wetness</source>
        <translation>Nässe</translation>
    </message>
    <message>
        <source>GIMP has no mixer brush</source>
        <translation>GIMP hat keinen Mischpinsel</translation>
    </message>
    <message>
        <source>mix</source>
        <translation>Mischung</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>Struktur</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern</source>
        <translation>GIMPs Pinsel malt durch kein Muster</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern, and the file has none</source>
        <translation>GIMPs Pinsel malt durch kein Muster, und die Datei enthält keins</translation>
    </message>
    <message>
        <source>dual brush</source>
        <translation>Dualer Pinsel</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints with one tip</source>
        <translation>GIMPs Pinsel malt mit einer Spitze</translation>
    </message>
    <message>
        <source>brush pose</source>
        <translation>Pinselhaltung</translation>
    </message>
    <message>
        <source>GIMP takes tilt, rotation and pressure from the pen alone</source>
        <translation>GIMP nimmt Neigung, Drehung und Druck nur vom Stift</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>GIMP adds no noise to a tip&apos;s edge</source>
        <translation>GIMP fügt der Kante einer Spitze kein Rauschen hinzu</translation>
    </message>
    <message>
        <source>wet edges</source>
        <translation>Nasse Kanten</translation>
    </message>
    <message>
        <source>GIMP paints no wet edges</source>
        <translation>GIMP malt keine nassen Kanten</translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>Aufbauen</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush lays no paint while held still (its airbrush does)</source>
        <translation>GIMPs Pinsel trägt im Stillstand keine Farbe auf (seine Airbrush schon)</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>GIMP&apos;s stroke smoothing at its own weight</source>
        <translation>GIMPs Strichglättung mit eigener Stärke</translation>
    </message>
    <message>
        <source>protect texture</source>
        <translation>Struktur schützen</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s 0 to 100 %</source>
        <translation>%1 auf GIMPs 0 bis 100 % begrenzt</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>GIMP has no mode like %1; painted in Normal</source>
        <translation>GIMP hat keinen Modus wie %1; in Normal gemalt</translation>
    </message>
    <message>
        <source>as GIMP&apos;s %1</source>
        <translation>als GIMPs %1</translation>
    </message>
    <message>
        <source>airbrush tip written as a preview image</source>
        <translation>Airbrush-Spitze als Vorschaubild geschrieben</translation>
    </message>
    <message>
        <source>bristle tip written as a preview image</source>
        <translation>Borstenspitze als Vorschaubild geschrieben</translation>
    </message>
    <message>
        <source>erodible tip written as a preview image</source>
        <translation>abnutzbare Spitze als Vorschaubild geschrieben</translation>
    </message>
    <message>
        <source>computed tip drawn as pixels</source>
        <translation>berechnete Spitze als Pixel gezeichnet</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt elevation</source>
        <translation>Stiftneigung als Kritas Neigungshöhe</translation>
    </message>
    <message>
        <source>the stroke&apos;s direction as Krita&apos;s drawing angle</source>
        <translation>die Richtung des Strichs als Kritas Zeichenwinkel</translation>
    </message>
    <message>
        <source>its control (%1) is none Krita knows, left off</source>
        <translation>seine Steuerung (%1) kennt Krita nicht, weggelassen</translation>
    </message>
    <message>
        <source>%1 is beyond Krita&apos;s range, written as %2</source>
        <translation>%1 liegt außerhalb von Kritas Bereich, als %2 geschrieben</translation>
    </message>
    <message>
        <source>as the fade of Krita&apos;s round tip, which softens its edge along another curve</source>
        <translation>als Verblassen von Kritas runder Spitze, die ihre Kante entlang einer anderen Kurve weich macht</translation>
    </message>
    <message>
        <source>%1 dabs a step as spacing divided by %1</source>
        <translation>%1 Tupfer je Schritt als durch %1 geteilter Abstand</translation>
    </message>
    <message>
        <source>a bristle tip as its drawn picture, in Krita&apos;s pixel brush: Krita&apos;s bristle engine takes none of Photoshop&apos;s bristle settings</source>
        <translation>eine Borstenspitze als ihr gezeichnetes Bild, in Kritas Pixelpinsel: Kritas Borsten-Engine übernimmt keine von Photoshops Borsteneinstellungen</translation>
    </message>
    <message>
        <source>an erodible tip as its drawn picture, in Krita&apos;s pixel brush, which does not wear</source>
        <translation>eine abnutzbare Spitze als ihr gezeichnetes Bild, in Kritas Pixelpinsel, der sich nicht abnutzt</translation>
    </message>
    <message>
        <source>the tip is written smaller; Krita enlarges it %1 times to the preset&apos;s %2 pixels</source>
        <translation>die Spitze wird kleiner geschrieben; Krita vergrößert sie %1-fach auf die %2 Pixel der Vorgabe</translation>
    </message>
    <message>
        <source>flip</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Krita&apos;s tilt sensor has no scale of its own</source>
        <translation>Kritas Neigungssensor hat keine eigene Skalierung</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt direction</source>
        <translation>Stiftneigung als Kritas Neigungsrichtung</translation>
    </message>
    <message>
        <source>the jitter as Krita&apos;s random rotation, at the strength of the control as well</source>
        <translation>der Jitter als Kritas zufällige Drehung, auch mit der Stärke der Steuerung</translation>
    </message>
    <message>
        <source>flip jitter</source>
        <translation>Spiegeln-Jitter</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not lay the tip on the pen&apos;s tilt</source>
        <translation>Kritas Pixelpinsel legt die Spitze nicht nach der Neigung des Stifts</translation>
    </message>
    <message>
        <source>across the stroke as Krita&apos;s Y axis</source>
        <translation>quer zum Strich als Kritas Y-Achse</translation>
    </message>
    <message>
        <source>as closer spacing: Krita&apos;s pixel brush lays one dab a step</source>
        <translation>als engerer Abstand: Kritas Pixelpinsel setzt einen Tupfer je Schritt</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush lays one dab a step</source>
        <translation>Kritas Pixelpinsel setzt einen Tupfer je Schritt</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>Muster</translation>
    </message>
    <message>
        <source>the file does not carry the pattern &quot;%1&quot;</source>
        <translation>die Datei enthält das Muster „%1“ nicht</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <source>brightness and contrast</source>
        <translation>Helligkeit und Kontrast</translation>
    </message>
    <message>
        <source>on Krita&apos;s scales, which are not Photoshop&apos;s</source>
        <translation>auf Kritas Skalen, die nicht die von Photoshop sind</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita has</source>
        <translation>%1 als Multiplizieren, das Krita hat</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>kein Modus</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>Tiefe</translation>
    </message>
    <message>
        <source>depth jitter</source>
        <translation>Tiefen-Jitter</translation>
    </message>
    <message>
        <source>texture each tip off</source>
        <translation>Jede Spitze strukturieren aus</translation>
    </message>
    <message>
        <source>Krita textures each dab</source>
        <translation>Krita strukturiert jeden Tupfer</translation>
    </message>
    <message>
        <source>the file does not carry the dual brush&apos;s tip</source>
        <translation>die Datei enthält die Spitze des dualen Pinsels nicht</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita&apos;s masking brush has</source>
        <translation>%1 als Multiplizieren, das Kritas Maskierungspinsel hat</translation>
    </message>
    <message>
        <source>its angle of %1° left out</source>
        <translation>sein Winkel von %1° weggelassen</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush is not flipped at random</source>
        <translation>Kritas Maskierungspinsel wird nicht zufällig gespiegelt</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush lays one dab a step</source>
        <translation>Kritas Maskierungspinsel setzt einen Tupfer je Schritt</translation>
    </message>
    <message>
        <source>as Krita&apos;s random %1 shift</source>
        <translation>als Kritas zufällige Verschiebung: %1</translation>
    </message>
    <message>
        <source>hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>as Krita&apos;s mix toward the background colour</source>
        <translation>als Kritas Mischung zur Hintergrundfarbe hin</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no steady saturation shift</source>
        <translation>Kritas Pixelpinsel hat keine gleichmäßige Sättigungsverschiebung</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not mix paint on the canvas</source>
        <translation>Kritas Pixelpinsel mischt keine Farbe auf der Leinwand</translation>
    </message>
    <message>
        <source>Krita has no blend mode %1</source>
        <translation>Krita hat keinen Füllmodus %1</translation>
    </message>
    <message>
        <source>Krita keeps smoothing with its brush tool, not in a preset</source>
        <translation>Krita speichert die Glättung beim Pinselwerkzeug, nicht in einer Vorgabe</translation>
    </message>
    <message>
        <source>pose</source>
        <translation>Haltung</translation>
    </message>
    <message>
        <source>Krita&apos;s presets take the pen&apos;s own tilt, rotation and pressure</source>
        <translation>Kritas Vorgaben nehmen Neigung, Drehung und Druck des Stifts selbst</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush adds no grain to a tip&apos;s soft edges</source>
        <translation>Kritas Pixelpinsel fügt den weichen Kanten einer Spitze keine Körnung hinzu</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no wet edges</source>
        <translation>Kritas Pixelpinsel hat keine nassen Kanten</translation>
    </message>
    <message>
        <source>each Krita preset keeps its own texture</source>
        <translation>jede Krita-Vorgabe behält ihre eigene Struktur</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n Pinsel</numerusform>
            <numerusform>%n Pinsel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n geändert</numerusform>
            <numerusform>%n geändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not carried</source>
        <translation>
            <numerusform>%n nicht übernommen</numerusform>
            <numerusform>%n nicht übernommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n Vorgabe</numerusform>
            <numerusform>%n Vorgaben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximated</source>
        <translation>
            <numerusform>%n angenähert</numerusform>
            <numerusform>%n angenähert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n Muster</numerusform>
            <numerusform>%n Muster</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose their texture</source>
        <translation>
            <numerusform>%n Pinsel verliert seine Struktur</numerusform>
            <numerusform>%n Pinsel verlieren ihre Struktur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose settings</source>
        <translation>
            <numerusform>%n Pinsel verliert Einstellungen</numerusform>
            <numerusform>%n Pinsel verlieren Einstellungen</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the counts of a pack</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a heading, a fate</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>a heading, a setting, a fate</comment>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a setting&apos;s fate and how</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the changes of a brush</comment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>ReadErrorText</name>
    <message>
        <source>not a valid brush file, or damaged</source>
        <translation>keine gültige Pinseldatei, oder beschädigt</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>die Datei endete zu früh</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>keine Pinseldatei</translation>
    </message>
    <message>
        <source>unsupported version %1</source>
        <translation>Version %1 wird nicht unterstützt</translation>
    </message>
</context>
<context>
    <name>ReadMessageBar</name>
    <message>
        <source>Not a brush file</source>
        <translation>Keine Pinseldatei</translation>
    </message>
    <message>
        <source>Not a brush file Kelbrin can read (version %1)</source>
        <translation>Keine Pinseldatei, die Kelbrin lesen kann (Version %1)</translation>
    </message>
    <message>
        <source>This file is damaged: %1 and %2 could be read</source>
        <translation>Diese Datei ist beschädigt: %1 und %2 konnten gelesen werden</translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln Pinsel</numerusform>
            <numerusform>%Ln Pinsel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln Muster</numerusform>
            <numerusform>%Ln Muster</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file is damaged: %Ln brush(es) could be read</source>
        <translation>
            <numerusform>Diese Datei ist beschädigt: %Ln Pinsel konnte gelesen werden</numerusform>
            <numerusform>Diese Datei ist beschädigt: %Ln Pinsel konnten gelesen werden</numerusform>
        </translation>
    </message>
    <message>
        <source>not enough memory to read this file</source>
        <translation>nicht genug Speicher, um diese Datei zu lesen</translation>
    </message>
</context>
<context>
    <name>ReadingController</name>
    <message numerus="yes">
        <source>Reading… %Ln brush(es)</source>
        <translation>
            <numerusform>Lesen… %Ln Pinsel</numerusform>
            <numerusform>Lesen… %Ln Pinsel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln Pinsel</numerusform>
            <numerusform>%Ln Pinsel</numerusform>
        </translation>
    </message>
    <message>
        <source> (%1)</source>
        <comment>the kinds of the brushes counted</comment>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln Muster</numerusform>
            <numerusform>%Ln Muster</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sampled</source>
        <translation>
            <numerusform>%Ln aufgenommen</numerusform>
            <numerusform>%Ln aufgenommen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln computed</source>
        <translation>
            <numerusform>%Ln berechnet</numerusform>
            <numerusform>%Ln berechnet</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bristle</source>
        <translation>
            <numerusform>%Ln Borsten</numerusform>
            <numerusform>%Ln Borsten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln erodible</source>
        <translation>
            <numerusform>%Ln abnutzbar</numerusform>
            <numerusform>%Ln abnutzbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %Ln selected</source>
        <translation>
            <numerusform> — %Ln ausgewählt</numerusform>
            <numerusform> — %Ln ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the brush file</source>
        <translation>Die Pinseldatei wird gelesen</translation>
    </message>
</context>
<context>
    <name>ScratchCanvas</name>
    <message>
        <source>Could not write the picture to %1.</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TagsDialog</name>
    <message>
        <source>Tags of “%1”</source>
        <translation>Schlagwörter von „%1“</translation>
    </message>
    <message>
        <source>New tag</source>
        <translation>Neues Schlagwort</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Words of your own to find this file by: the box beside the filter shows the files that have one.</source>
        <translation>Eigene Wörter, um diese Datei wiederzufinden: Das Feld neben dem Filter zeigt die Dateien, die eines haben.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Schlagwörter</translation>
    </message>
</context>
<context>
    <name>WatchLimitBar</name>
    <message>
        <source>Hide this message</source>
        <translation>Diese Meldung ausblenden</translation>
    </message>
    <message>
        <source>Not every folder can be watched for changes: the system&apos;s limit (fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s instead, so changes there show up late.
To raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in /etc/sysctl.d/)</source>
        <translation>Nicht jeder Ordner kann auf Änderungen überwacht werden: Die Grenze des Systems (fs.inotify.max_user_watches) ist erreicht. Kelbrin sieht stattdessen alle %1 s nach den übrigen, daher erscheinen Änderungen dort verspätet.
Um die Grenze anzuheben: sudo sysctl fs.inotify.max_user_watches=524288 (um sie zu behalten, diese Einstellung in eine Datei in /etc/sysctl.d/ schreiben)</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb</translation>
    </message>
    <message>
        <source>Show &amp;Strokes</source>
        <translation>&amp;Striche zeigen</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>Striche</translation>
    </message>
    <message>
        <source>Show how each brush paints</source>
        <translation>Zeigen, wie jeder Pinsel malt</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Export as Images…</source>
        <translation>Als Bilder &amp;exportieren…</translation>
    </message>
    <message>
        <source>Export &amp;Selected…</source>
        <translation>&amp;Auswahl exportieren…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Im Datei&amp;manager zeigen</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installieren</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>In den &amp;Papierkorb verschieben</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Kelbrin &amp;Help</source>
        <translation>Kelbrin-&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Kelbrin</source>
        <translation>Ü&amp;ber Kelbrin</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles auswählen</translation>
    </message>
    <message>
        <source>&amp;Find Brush Files</source>
        <translation>Pinseldateien s&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;View Brush</source>
        <translation>Pinsel &amp;ansehen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>&amp;Namen zeigen</translation>
    </message>
    <message>
        <source>Show &amp;All Folders</source>
        <translation>Alle Or&amp;dner zeigen</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>&amp;Farbschema</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;System</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Hell</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Dunkel</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Keine zuletzt geöffneten Dateien</translation>
    </message>
    <message>
        <source>Kelbrin Help</source>
        <translation>Kelbrin-Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; shows the brushes in Photoshop brush files.&lt;/p&gt;&lt;p&gt;Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home and End jump to the first and last brushes.&lt;/p&gt;&lt;p&gt;Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. Double-click or press Space to see it large; Left and Right step through the file. Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.&lt;/p&gt;&lt;p&gt;File ▸ Export as Images… writes every brush as a PNG file into a new folder; Export Selected… only the selected ones.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; zeigt die Pinsel in Photoshop-Pinseldateien.&lt;/p&gt;&lt;p&gt;Öffnen Sie eine Datei mit Datei ▸ Öffnen… oder ziehen Sie sie auf das Fenster. Die Vorschaugröße ändern der Schieberegler, Strg+Mausrad oder Ansicht ▸ Vergrößern und Verkleinern (Strg+0 setzt zurück); Pos1 und Ende springen zum ersten und letzten Pinsel.&lt;/p&gt;&lt;p&gt;Ein Klick wählt einen Pinsel, Strg oder Umschalt und Klick wählen weitere, Strg+A alle. Doppelklick oder Leertaste zeigt ihn groß; Links und Rechts gehen durch die Datei. Strg+C kopiert den Pinsel als Bild; aus dem Fenster gezogene Pinsel werden als PNG-Dateien abgelegt.&lt;/p&gt;&lt;p&gt;Datei ▸ Als Bilder exportieren… schreibt jeden Pinsel als PNG-Datei in einen neuen Ordner; Auswahl exportieren… nur die ausgewählten.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Browse the brushes in Photoshop brush files (.abr): find them all, look at every brush, export them as images. Kelbrin never changes a brush file.&lt;/p&gt;&lt;p&gt;The licence is in the copyright file installed with Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Die Pinsel in Photoshop-Pinseldateien (.abr) durchsehen: alle finden, jeden Pinsel ansehen, sie als Bilder exportieren. Kelbrin ändert nie eine Pinseldatei.&lt;/p&gt;&lt;p&gt;Die Lizenz steht in der mit Kelbrin installierten Copyright-Datei (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Kelbrin</source>
        <translation>Über Kelbrin</translation>
    </message>
    <message>
        <source>Move the brush file to the trash</source>
        <translation>Die Pinseldatei in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Save the brushes as PNG images</source>
        <translation>Die Pinsel als PNG-Bilder speichern</translation>
    </message>
</context>
<context>
    <name>kelbrin</name>
    <message>
        <source>Browse the brushes in Photoshop brush files.</source>
        <translation>Die Pinsel in Photoshop-Pinseldateien durchsehen.</translation>
    </message>
    <message>
        <source>Open FILE, save a picture of the window to OUT and quit.</source>
        <translation>FILE öffnen, ein Bild des Fensters nach OUT speichern und beenden.</translation>
    </message>
    <message>
        <source>Without showing a window, wait until the search for brush files has done its first pass, print both outlines with every folder open, and quit.</source>
        <translation>Ohne ein Fenster zu zeigen warten, bis die Suche nach Pinseldateien ihren ersten Durchgang beendet hat, beide Übersichten mit allen Ordnern geöffnet ausgeben und beenden.</translation>
    </message>
    <message>
        <source>With --dump-outlines: print every folder (Show All Folders).</source>
        <translation>Mit --dump-outlines: jeden Ordner ausgeben (Alle Ordner zeigen).</translation>
    </message>
    <message>
        <source>A brush file to show (a path or a file:// URI).</source>
        <translation>Eine zu zeigende Pinseldatei (ein Pfad oder eine file://-URI).</translation>
    </message>
</context>
<context>
    <name>kelbrin-cli</name>
    <message>
        <source>read brush files and list their brushes</source>
        <translation>Pinseldateien lesen und ihre Pinsel auflisten</translation>
    </message>
    <message>
        <source>write the brushes of FILE (tips, or strokes) as PNG files into a new folder</source>
        <translation>die Pinsel von FILE (Spitzen oder Striche) als PNG-Dateien in einen neuen Ordner schreiben</translation>
    </message>
    <message>
        <source>paint a brush&apos;s stroke in black on white into a PNG file</source>
        <translation>den Strich eines Pinsels schwarz auf weiß in eine PNG-Datei malen</translation>
    </message>
    <message>
        <source>write each file&apos;s brushes in GIMP&apos;s or Krita&apos;s own formats</source>
        <translation>die Pinsel jeder Datei in den eigenen Formaten von GIMP oder Krita schreiben</translation>
    </message>
    <message>
        <source>show brush files as the folder outline shows them</source>
        <translation>Pinseldateien so zeigen, wie die Ordnerübersicht sie zeigt</translation>
    </message>
    <message>
        <source>find brush files (everywhere, or below the folders)</source>
        <translation>Pinseldateien suchen (überall oder unterhalb der Ordner)</translation>
    </message>
    <message>
        <source>list the installed painting applications</source>
        <translation>die installierten Malprogramme auflisten</translation>
    </message>
    <message>
        <source>copy a brush file into every application&apos;s brushes folder</source>
        <translation>eine Pinseldatei in den Pinselordner jedes Programms kopieren</translation>
    </message>
    <message>
        <source>move files to the trash (--yes: delete those no trash takes)</source>
        <translation>Dateien in den Papierkorb verschieben (--yes: löschen, was kein Papierkorb nimmt)</translation>
    </message>
    <message>
        <source>bring the brush library up to date (everywhere, or below the folders)</source>
        <translation>die Pinselbibliothek auf den neuesten Stand bringen (überall oder unterhalb der Ordner)</translation>
    </message>
    <message>
        <source>list the library&apos;s brushes whose names hold TEXT</source>
        <translation>die Pinsel der Bibliothek auflisten, deren Namen TEXT enthalten</translation>
    </message>
    <message>
        <source>list identical files and tips found in more than one file</source>
        <translation>identische Dateien und Spitzen auflisten, die in mehr als einer Datei stehen</translation>
    </message>
    <message>
        <source>give a file tags</source>
        <translation>einer Datei Schlagwörter geben</translation>
    </message>
    <message>
        <source>take tags from a file</source>
        <translation>einer Datei Schlagwörter nehmen</translation>
    </message>
    <message>
        <source>list the tags, or the files with TAG</source>
        <translation>die Schlagwörter auflisten oder die Dateien mit TAG</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>Option %1 ist unbekannt</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe zeigen</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <translation>Mehr Informationen mit „%1“.</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <comment>the synopsis of kelbrin-cli</comment>
        <translation>BEFEHL [ARGUMENTE]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>BEFEHL</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>Befehle:</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>Befehl %1 ist unbekannt</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>--to gimp or --to krita is needed</source>
        <translation>--to gimp oder --to krita wird benötigt</translation>
    </message>
    <message>
        <source>unknown --to &quot;%1&quot;</source>
        <translation>unbekanntes --to „%1“</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>keine FILE angegeben</translation>
    </message>
    <message>
        <source>no FILE and DIR given</source>
        <translation>weder FILE noch DIR angegeben</translation>
    </message>
    <message>
        <source>no DIR given</source>
        <translation>kein DIR angegeben</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>zu viele Argumente</translation>
    </message>
    <message>
        <source>DIR must name a new folder, not &quot;%1&quot;</source>
        <translation>DIR muss einen neuen Ordner nennen, nicht „%1“</translation>
    </message>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds braucht eine ganze Zahl von Sekunden</translation>
    </message>
    <message>
        <source>one FILE at a time</source>
        <translation>nur eine FILE auf einmal</translation>
    </message>
    <message>
        <source>a file and at least one tag are needed</source>
        <translation>eine Datei und mindestens ein Schlagwort werden benötigt</translation>
    </message>
    <message>
        <source>one text to search for is needed</source>
        <translation>ein Suchtext wird benötigt</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>keine Argumente erlaubt</translation>
    </message>
    <message>
        <source>at most one tag is taken</source>
        <translation>höchstens ein Schlagwort erlaubt</translation>
    </message>
    <message>
        <source>--switch-after needs a brush count (0 or more)</source>
        <translation>--switch-after braucht eine Pinselanzahl (0 oder mehr)</translation>
    </message>
    <message>
        <source>--switch-after takes exactly two files</source>
        <translation>--switch-after nimmt genau zwei Dateien</translation>
    </message>
    <message>
        <source>no --out PNG given</source>
        <translation>kein --out PNG angegeben</translation>
    </message>
    <message>
        <source>--name takes a brush&apos;s name, not &quot;&quot;</source>
        <translation>--name nimmt den Namen eines Pinsels, nicht „“</translation>
    </message>
    <message>
        <source>--brush and --name both choose the brush; give one</source>
        <translation>--brush und --name wählen beide den Pinsel; nur eines angeben</translation>
    </message>
    <message>
        <source>--brush takes a brush&apos;s number, not &quot;%1&quot;</source>
        <translation>--brush nimmt die Nummer eines Pinsels, nicht „%1“</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size nimmt BREITExHÖHE, je 1 bis %1 Pixel, nicht „%2“</translation>
    </message>
    <message>
        <source>--seed takes a number from 0 to 4294967295, not &quot;%1&quot;</source>
        <translation>--seed nimmt eine Zahl von 0 bis 4294967295, nicht „%1“</translation>
    </message>
    <message>
        <source>--exclude and --restrict cannot be combined</source>
        <translation>--exclude und --restrict lassen sich nicht kombinieren</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>kein PATH angegeben</translation>
    </message>
    <message>
        <source>print one JSON document</source>
        <translation>ein JSON-Dokument ausgeben</translation>
    </message>
    <message>
        <source>gimp (a brushes folder per file) or krita (a bundle)</source>
        <translation>gimp (ein Pinselordner je Datei) oder krita (ein Bundle)</translation>
    </message>
    <message>
        <source>where to write (default: the current folder)</source>
        <translation>wohin geschrieben wird (Vorgabe: der aktuelle Ordner)</translation>
    </message>
    <message>
        <source>black paint on a clear background instead of ink on white</source>
        <translation>schwarze Farbe auf durchsichtigem Grund statt Tinte auf Weiß</translation>
    </message>
    <message>
        <source>name the files after their brushes (Soft Round.png) instead of their number</source>
        <translation>die Dateien nach ihren Pinseln benennen (Soft Round.png) statt nach ihrer Nummer</translation>
    </message>
    <message>
        <source>write each preset&apos;s stroke (400 x 160, the S-curve, seed 1) instead of its tip</source>
        <translation>den Strich jeder Vorgabe schreiben (400 x 160, die S-Kurve, Startwert 1) statt ihrer Spitze</translation>
    </message>
    <message>
        <source>go on reporting changes</source>
        <translation>weiter Änderungen melden</translation>
    </message>
    <message>
        <source>stop watching after N seconds</source>
        <translation>nach N Sekunden mit dem Beobachten aufhören</translation>
    </message>
    <message>
        <source>print one JSON object per line</source>
        <translation>ein JSON-Objekt je Zeile ausgeben</translation>
    </message>
    <message>
        <source>print the longest event-loop stall at the end</source>
        <translation>am Ende den längsten Stillstand der Ereignisschleife ausgeben</translation>
    </message>
    <message>
        <source>print the counts as JSON</source>
        <translation>die Zahlen als JSON ausgeben</translation>
    </message>
    <message>
        <source>print the brushes as JSON</source>
        <translation>die Pinsel als JSON ausgeben</translation>
    </message>
    <message>
        <source>print the groups as JSON</source>
        <translation>die Gruppen als JSON ausgeben</translation>
    </message>
    <message>
        <source>print as JSON</source>
        <translation>als JSON ausgeben</translation>
    </message>
    <message>
        <source>list the tips the file stores, in its own order, instead of its presets</source>
        <translation>die Spitzen auflisten, die die Datei speichert, in ihrer eigenen Reihenfolge, statt ihrer Vorgaben</translation>
    </message>
    <message>
        <source>leave FILE1 for FILE2 after N brushes, as the window does</source>
        <translation>nach N Pinseln von FILE1 zu FILE2 wechseln, wie das Fenster es tut</translation>
    </message>
    <message>
        <source>paint brush N, by its number in the listing (default 0)</source>
        <translation>Pinsel N malen, nach seiner Nummer in der Auflistung (Vorgabe 0)</translation>
    </message>
    <message>
        <source>paint the first brush named TEXT, or whose name holds it</source>
        <translation>den ersten Pinsel malen, der TEXT heißt oder ihn im Namen trägt</translation>
    </message>
    <message>
        <source>the image&apos;s size in pixels (default 400x160)</source>
        <translation>die Bildgröße in Pixeln (Vorgabe 400x160)</translation>
    </message>
    <message>
        <source>the preview&apos;s S-curve (default), a straight line, or points from a JSON file</source>
        <translation>die S-Kurve der Vorschau (Vorgabe), eine gerade Linie oder Punkte aus einer JSON-Datei</translation>
    </message>
    <message>
        <source>the seed of the brush&apos;s randomness (default 1)</source>
        <translation>der Startwert des Zufalls des Pinsels (Vorgabe 1)</translation>
    </message>
    <message>
        <source>the PNG file to write (replaced if it exists)</source>
        <translation>die zu schreibende PNG-Datei (wird ersetzt, falls vorhanden)</translation>
    </message>
    <message>
        <source>delete the files no trash takes, as if asked and answered yes</source>
        <translation>die Dateien löschen, die kein Papierkorb nimmt, als wäre mit Ja geantwortet</translation>
    </message>
    <message>
        <source>sort the top level shallowest first</source>
        <translation>die oberste Ebene von flach nach tief sortieren</translation>
    </message>
    <message>
        <source>print the full view: the root and each volume</source>
        <translation>die volle Ansicht ausgeben: die Wurzel und jeden Datenträger</translation>
    </message>
    <message>
        <source>never a level unless it holds a file itself</source>
        <translation>nie eine Ebene, außer sie enthält selbst eine Datei</translation>
    </message>
    <message>
        <source>every folder inside it is a level</source>
        <translation>jeder Ordner darin ist eine Ebene</translation>
    </message>
    <message>
        <source>leave out what lies below it</source>
        <translation>auslassen, was darunter liegt</translation>
    </message>
    <message>
        <source>keep only what lies below it</source>
        <translation>nur behalten, was darunter liegt</translation>
    </message>
    <message>
        <source>then run the commands of FILE (- for standard input)</source>
        <translation>danach die Befehle aus FILE ausführen (- für die Standardeingabe)</translation>
    </message>
    <message>
        <source>%1; nothing exported</source>
        <translation>%1; nichts exportiert</translation>
    </message>
    <message>
        <source>no brushes; nothing exported</source>
        <translation>keine Pinsel; nichts exportiert</translation>
    </message>
    <message>
        <source>exporting the %1 and %2 read before the error</source>
        <translation>die %1 und %2, die vor dem Fehler gelesen wurden, werden exportiert</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n Pinsel</numerusform>
            <numerusform>%n Pinsel</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n Muster</numerusform>
            <numerusform>%n Muster</numerusform>
        </translation>
    </message>
    <message>
        <source>exporting the %1 read before the error</source>
        <translation>die %1, die vor dem Fehler gelesen wurden, werden exportiert</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 angelegt</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s)</source>
        <translation>
            <numerusform>%n Datei geschrieben</numerusform>
            <numerusform>%n Dateien geschrieben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pattern(s) into patterns/</source>
        <translation>
            <numerusform>%n Muster in patterns/ geschrieben</numerusform>
            <numerusform>%n Muster in patterns/ geschrieben</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Geschrieben: %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Konnte nicht schreiben: %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>no painting application is installed (see kelbrin-cli apps)</source>
        <translation>kein Malprogramm ist installiert (siehe kelbrin-cli apps)</translation>
    </message>
    <message>
        <source>It has been set aside as %1; the next command starts a new one.</source>
        <translation>Sie wurde als %1 beiseitegelegt; der nächste Befehl beginnt eine neue.</translation>
    </message>
    <message>
        <source>the library could not be written</source>
        <translation>die Bibliothek konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1 files looked at: %2 read (%3 not to the end), %4 unchanged, %5 not written, %6 removed</source>
        <translation>%1 Dateien angesehen: %2 gelesen (%3 nicht bis zum Ende), %4 unverändert, %5 nicht geschrieben, %6 entfernt</translation>
    </message>
    <message>
        <source>library: %1 files, %2 brushes</source>
        <translation>Bibliothek: %1 Dateien, %2 Pinsel</translation>
    </message>
    <message>
        <source>the search could not be started</source>
        <translation>die Suche konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>identical files:</source>
        <translation>identische Dateien:</translation>
    </message>
    <message>
        <source>identical tips:</source>
        <translation>identische Spitzen:</translation>
    </message>
    <message>
        <source>larger than 16 MB, too large for a path</source>
        <translation>größer als 16 MB, zu groß für einen Pfad</translation>
    </message>
    <message>
        <source>%1 is the brush file itself; not replaced</source>
        <translation>%1 ist die Pinseldatei selbst; nicht ersetzt</translation>
    </message>
    <message>
        <source>no points</source>
        <translation>keine Punkte</translation>
    </message>
    <message>
        <source>cannot use the path %1: %2</source>
        <translation>der Pfad %1 ist nicht verwendbar: %2</translation>
    </message>
    <message>
        <source>%1; nothing painted</source>
        <translation>%1; nichts gemalt</translation>
    </message>
    <message>
        <source>no brushes; nothing painted</source>
        <translation>keine Pinsel; nichts gemalt</translation>
    </message>
    <message>
        <source>no brush named %1 among its %2</source>
        <translation>kein Pinsel namens %1 unter ihren %2</translation>
    </message>
    <message>
        <source>no brush %1; the brushes read before the damage are 0 to %2</source>
        <translation>kein Pinsel %1; die vor dem Schaden gelesenen Pinsel sind 0 bis %2</translation>
    </message>
    <message>
        <source>no brush %1; its brushes are 0 to %2</source>
        <translation>kein Pinsel %1; ihre Pinsel sind 0 bis %2</translation>
    </message>
    <message>
        <source>brush %1 has a tip of no pixels; it paints nothing</source>
        <translation>Pinsel %1 hat eine Spitze ohne Pixel; er malt nichts</translation>
    </message>
    <message>
        <source>brush %1</source>
        <translation>Pinsel %1</translation>
    </message>
    <message>
        <source>the stroke was simplified: its preset asks for more dabs, or a larger tip, than one stroke may paint</source>
        <translation>der Strich wurde vereinfacht: seine Vorgabe verlangt mehr Tupfer oder eine größere Spitze, als ein Strich malen darf</translation>
    </message>
    <message>
        <source>the texture&apos;s pattern %1 is not in the file; plain noise stands in for it</source>
        <translation>das Muster %1 der Struktur ist nicht in der Datei; einfaches Rauschen steht dafür ein</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>keine solche Datei und kein solcher Ordner</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>das Skript %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>brush %1 %2: %3</source>
        <translation>Pinsel %1 %2: %3</translation>
    </message>
    <message>
        <source>preset %1 %2</source>
        <translation>Vorgabe %1 %2</translation>
    </message>
    <message>
        <source>pattern %1 changed: %2</source>
        <translation>Muster %1 geändert: %2</translation>
    </message>
    <message>
        <source>no brushes or patterns; nothing converted</source>
        <translation>keine Pinsel oder Muster; nichts umgewandelt</translation>
    </message>
    <message>
        <source>converting the %1 read before the error</source>
        <translation>die %1, die vor dem Fehler gelesen wurden, werden umgewandelt</translation>
    </message>
    <message>
        <source>not every folder can be watched for changes (the system&apos;s limit fs.inotify.max_user_watches is reached), so the others are read again every %1 s and changes there show up late; to raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (and that setting in a file in /etc/sysctl.d/ to keep it)</source>
        <translation>nicht jeder Ordner kann auf Änderungen beobachtet werden (die Systemgrenze fs.inotify.max_user_watches ist erreicht), daher werden die übrigen alle %1 s neu gelesen und Änderungen dort erscheinen verspätet; um die Grenze anzuheben: sudo sysctl fs.inotify.max_user_watches=524288 (und diese Einstellung in einer Datei in /etc/sysctl.d/, um sie zu behalten)</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>kein Ordner</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>kein solcher Ordner</translation>
    </message>
</context>
</TS>
