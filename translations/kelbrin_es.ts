<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>BlendMode</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Disolver</translation>
    </message>
    <message>
        <source>Behind</source>
        <translation>Detrás</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Oscurecer</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Color Burn</source>
        <translation>Subexponer color</translation>
    </message>
    <message>
        <source>Linear Burn</source>
        <translation>Subexposición lineal</translation>
    </message>
    <message>
        <source>Darker Color</source>
        <translation>Color más oscuro</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Aclarar</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Trama</translation>
    </message>
    <message>
        <source>Color Dodge</source>
        <translation>Sobreexponer color</translation>
    </message>
    <message>
        <source>Linear Dodge</source>
        <translation>Sobreexposición lineal (Añadir)</translation>
    </message>
    <message>
        <source>Lighter Color</source>
        <translation>Color más claro</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Superponer</translation>
    </message>
    <message>
        <source>Soft Light</source>
        <translation>Luz suave</translation>
    </message>
    <message>
        <source>Hard Light</source>
        <translation>Luz fuerte</translation>
    </message>
    <message>
        <source>Vivid Light</source>
        <translation>Luz intensa</translation>
    </message>
    <message>
        <source>Linear Light</source>
        <translation>Luz lineal</translation>
    </message>
    <message>
        <source>Pin Light</source>
        <translation>Luz focal</translation>
    </message>
    <message>
        <source>Hard Mix</source>
        <translation>Mezcla definida</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Diferencia</translation>
    </message>
    <message>
        <source>Exclusion</source>
        <translation>Exclusión</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>Luminosidad</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Altura</translation>
    </message>
    <message>
        <source>Linear Height</source>
        <translation>Altura lineal</translation>
    </message>
</context>
<context>
    <name>BrushFileView</name>
    <message>
        <source>Stroke simplified: the preset asks for more dabs or a larger tip than a preview paints</source>
        <translation>Trazo simplificado: el ajuste preestablecido pide más toques o una punta mayor de lo que pinta una vista previa</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motivos</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Ajustes: %1</translation>
    </message>
    <message>
        <source>Brushes</source>
        <translation>Pinceles</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>muestreada</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculada</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>de cerdas</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>erosionable</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>motivo</translation>
    </message>
    <message>
        <source>%1 by %2 px</source>
        <translation>%1 por %2 px</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>favorito</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>ajustes: %1</translation>
    </message>
</context>
<context>
    <name>BrushInstaller</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of painting applications</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed (the Refresh button at the foot of each) or it restarts</source>
        <translation>GIMP muestra los pinceles nuevos en cuanto se actualizan sus Pinceles, Patrones, Dinámicas de pintura y Preajustes de herramienta (el botón Actualizar al pie de cada uno) o al reiniciarse</translation>
    </message>
    <message>
        <source>If they are running, %1, and Krita once it restarts.</source>
        <translation>Si están abiertos, %1, y Krita al reiniciarse.</translation>
    </message>
    <message>
        <source>If it is running, %1.</source>
        <translation>Si está abierto, %1.</translation>
    </message>
    <message>
        <source>If it is running, Krita shows the new brushes once it restarts.</source>
        <translation>Si está abierto, Krita muestra los pinceles nuevos al reiniciarse.</translation>
    </message>
    <message>
        <source>“%1” was not installed: %2.</source>
        <translation>«%1» no se instaló: %2.</translation>
    </message>
    <message>
        <source>“%1” could not be installed in %2.</source>
        <translation>«%1» no se pudo instalar en %2.</translation>
    </message>
    <message>
        <source>“%1” was installed in %2.</source>
        <translation>«%1» se instaló en %2.</translation>
    </message>
    <message>
        <source>“%1” is already installed in %2.</source>
        <translation>«%1» ya está instalado en %2.</translation>
    </message>
    <message>
        <source>%1: installed %2 (its brushes folder was made for it)</source>
        <translation>%1: %2 instalado (se creó su carpeta de pinceles)</translation>
    </message>
    <message>
        <source>%1: installed %2</source>
        <translation>%1: %2 instalado</translation>
    </message>
    <message>
        <source>%1: already installed as %2</source>
        <translation>%1: ya instalado como %2</translation>
    </message>
    <message>
        <source>%1: already has %2</source>
        <translation>%1: ya tiene %2</translation>
    </message>
    <message>
        <source>%1: could not write %2: %3</source>
        <translation>%1: no se pudo escribir %2: %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is damaged: only %Ln brush(es) could be read from it</source>
        <translation>
            <numerusform>el archivo está dañado: solo se pudo leer %Ln pincel</numerusform>
            <numerusform>el archivo está dañado: solo se pudieron leer %Ln pinceles</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>no es un archivo de pinceles</translation>
    </message>
    <message>
        <source>a brush file of version %1, which Kelbrin cannot read</source>
        <translation>un archivo de pinceles de la versión %1, que Kelbrin no sabe leer</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>no hay memoria suficiente para leerlo</translation>
    </message>
    <message>
        <source>the file holds patterns but no brushes (export them as pictures instead)</source>
        <translation>el archivo contiene motivos pero ningún pincel (expórtelos como imágenes)</translation>
    </message>
    <message>
        <source>the file holds no brushes</source>
        <translation>el archivo no contiene pinceles</translation>
    </message>
    <message>
        <source>not a brush file, or too damaged for any brush to be read</source>
        <translation>no es un archivo de pinceles, o está demasiado dañado para leer algún pincel</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a painting application, what its pack holds</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, brush %2 %3: %4 (%5)</source>
        <translation>%1, pincel %2 %3: %4 (%5)</translation>
    </message>
    <message>
        <source>%1, preset %2 %3: %4</source>
        <translation>%1, ajuste preestablecido %2 %3: %4</translation>
    </message>
    <message>
        <source>%1, pattern %2 %3: changed (%4)</source>
        <translation>%1, motivo %2 %3: cambiado (%4)</translation>
    </message>
</context>
<context>
    <name>BrushSettings</name>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>fade</source>
        <translation>desvanecimiento</translation>
    </message>
    <message>
        <source>pen pressure</source>
        <translation>presión de la pluma</translation>
    </message>
    <message>
        <source>pen tilt</source>
        <translation>inclinación de la pluma</translation>
    </message>
    <message>
        <source>stylus wheel</source>
        <translation>rueda del estilete</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>rotación</translation>
    </message>
    <message>
        <source>initial direction</source>
        <translation>dirección inicial</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>Shape Dynamics</source>
        <translation>Dinámica de forma</translation>
    </message>
    <message>
        <source>Scattering</source>
        <translation>Dispersión</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Dual Brush</source>
        <translation>Pincel doble</translation>
    </message>
    <message>
        <source>Color Dynamics</source>
        <translation>Dinámica de color</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferencia</translation>
    </message>
    <message>
        <source>Brush Pose</source>
        <translation>Postura del pincel</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruido</translation>
    </message>
    <message>
        <source>Wet Edges</source>
        <translation>Bordes húmedos</translation>
    </message>
    <message>
        <source>Build-up</source>
        <translation>Aerógrafo</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>Protect Texture</source>
        <translation>Proteger textura</translation>
    </message>
    <message>
        <source>Brush Tip Shape</source>
        <translation>Forma de la punta del pincel</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Opciones de herramienta</translation>
    </message>
    <message numerus="yes">
        <source>fade %n steps</source>
        <translation>
            <numerusform>desvanecimiento en %n paso</numerusform>
            <numerusform>desvanecimiento en %n pasos</numerusform>
        </translation>
    </message>
    <message>
        <source>control %1</source>
        <translation>control %1</translation>
    </message>
    <message>
        <source>jitter %1 %</source>
        <translation>fluctuación %1 %</translation>
    </message>
    <message>
        <source>minimum %1 %</source>
        <translation>mínimo %1 %</translation>
    </message>
</context>
<context>
    <name>BrushViewer</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X e Y</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>forma %1</translation>
    </message>
    <message>
        <source>Sampled</source>
        <translation>Muestreada</translation>
    </message>
    <message>
        <source>Computed tip</source>
        <translation>Punta calculada</translation>
    </message>
    <message>
        <source>Bristle tip (preview)</source>
        <translation>Punta de cerdas (vista previa)</translation>
    </message>
    <message>
        <source>Airbrush tip (preview)</source>
        <translation>Punta de aerógrafo (vista previa)</translation>
    </message>
    <message>
        <source>Erodible tip (preview)</source>
        <translation>Punta erosionable (vista previa)</translation>
    </message>
    <message>
        <source>both axes</source>
        <translation>ambos ejes</translation>
    </message>
    <message>
        <source>%1, overrides the stylus</source>
        <translation>%1, prevalece sobre el lápiz</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Damero</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fondo:</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Punta</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Ajuste preestablecido</translation>
    </message>
    <message>
        <source>none: a stored tip no preset of the file uses</source>
        <translation>ninguno: una punta guardada que ningún ajuste del archivo usa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Stored sample</source>
        <translation>Muestra guardada</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profundidad</translation>
    </message>
    <message>
        <source>%1-bit</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Dañada</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) lost in the file, left blank</source>
        <translation>
            <numerusform>%n fila perdida en el archivo, dejada en blanco</numerusform>
            <numerusform>%n filas perdidas en el archivo, dejadas en blanco</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>a drawn preview; Photoshop simulates this tip as it paints</source>
        <translation>una vista previa dibujada; Photoshop simula esta punta al pintar</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>off</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Ángulo</translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation>Redondez</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Voltear</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forma</translation>
    </message>
    <message>
        <source>Bristles</source>
        <translation>Cerdas</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Grosor</translation>
    </message>
    <message>
        <source>Stiffness</source>
        <translation>Rigidez</translation>
    </message>
    <message>
        <source>Granularity</source>
        <translation>Granularidad</translation>
    </message>
    <message>
        <source>Spatter size</source>
        <translation>Tamaño de salpicadura</translation>
    </message>
    <message>
        <source>Spatter amount</source>
        <translation>Cantidad de salpicadura</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Suavidad</translation>
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
        <translation>Diámetro mínimo</translation>
    </message>
    <message>
        <source>Tilt scale</source>
        <translation>Escala de inclinación</translation>
    </message>
    <message>
        <source>Minimum roundness</source>
        <translation>Redondez mínima</translation>
    </message>
    <message>
        <source>Flip jitter</source>
        <translation>Fluctuación de volteo</translation>
    </message>
    <message>
        <source>Brush projection</source>
        <translation>Proyección del pincel</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activado</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Dispersión</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Recuento</translation>
    </message>
    <message>
        <source>Count jitter</source>
        <translation>Fluctuación del recuento</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Texture each tip</source>
        <translation>Texturizar cada punta</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>Minimum depth</source>
        <translation>Profundidad mínima</translation>
    </message>
    <message>
        <source>Depth jitter</source>
        <translation>Fluctuación de profundidad</translation>
    </message>
    <message>
        <source>Apply per tip</source>
        <translation>Aplicar por punta</translation>
    </message>
    <message>
        <source>Foreground/background</source>
        <translation>Frontal/fondo</translation>
    </message>
    <message>
        <source>Hue jitter</source>
        <translation>Fluctuación de tono</translation>
    </message>
    <message>
        <source>Saturation jitter</source>
        <translation>Fluctuación de saturación</translation>
    </message>
    <message>
        <source>Brightness jitter</source>
        <translation>Fluctuación de brillo</translation>
    </message>
    <message>
        <source>Purity</source>
        <translation>Pureza</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacidad</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flujo</translation>
    </message>
    <message>
        <source>Wetness</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mezcla</translation>
    </message>
    <message>
        <source>Tilt X</source>
        <translation>Inclinación X</translation>
    </message>
    <message>
        <source>Tilt Y</source>
        <translation>Inclinación Y</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotación</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Opciones de herramienta</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Mapa de bits</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation>Color indexado</translation>
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
        <translation>Multicanal</translation>
    </message>
    <message>
        <source>Duotone</source>
        <translation>Duotono</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source> with alpha</source>
        <translation> con alfa</translation>
    </message>
    <message>
        <source> (shown as RGB)</source>
        <translation> (mostrado como RGB)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>No settings beyond the tip</source>
        <translation>Ningún ajuste aparte de la punta</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Show the pattern</source>
        <translation>Mostrar el motivo</translation>
    </message>
    <message>
        <source>Show the pattern %1</source>
        <translation>Mostrar el motivo %1</translation>
    </message>
    <message>
        <source>The texture&apos;s pattern is not in this file: a plain noise stands in for it.</source>
        <translation>El motivo de la textura no está en este archivo: un ruido simple lo sustituye.</translation>
    </message>
    <message>
        <source>Simplified: the preset asks for more dabs or a larger tip than a preview paints.</source>
        <translation>Simplificado: el ajuste preestablecido pide más toques o una punta mayor de lo que pinta una vista previa.</translation>
    </message>
    <message>
        <source>Ink colour</source>
        <translation>Color de la tinta</translation>
    </message>
    <message>
        <source>Ink…</source>
        <translation>Tinta…</translation>
    </message>
    <message>
        <source>The pen pressure a mouse paints with</source>
        <translation>La presión del lápiz con la que pinta un ratón</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Guardar como PNG…</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Mouse pressure:</source>
        <translation>Presión del ratón:</translation>
    </message>
    <message>
        <source>Ink Colour</source>
        <translation>Color de la tinta</translation>
    </message>
    <message>
        <source>stroke</source>
        <translation>trazo</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Guardar como PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
    <message>
        <source>Could Not Save</source>
        <translation>No se pudo guardar</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>muestreada</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculada</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>de cerdas</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>erosionable</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a fact&apos;s label, &quot;Size:&quot;</comment>
        <translation>%1:</translation>
    </message>
    <message>
        <source>Brush tip</source>
        <translation>Punta del pincel</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>How the brush paints</source>
        <translation>Cómo pinta el pincel</translation>
    </message>
    <message>
        <source>Sheet to try the brush on</source>
        <translation>Hoja para probar el pincel</translation>
    </message>
    <message>
        <source>The colour strokes on the sheet are painted in</source>
        <translation>El color con que se pinta en la hoja</translation>
    </message>
    <message>
        <source>Tip size</source>
        <translation>Tamaño de la punta</translation>
    </message>
    <message>
        <source>Mouse pressure</source>
        <translation>Presión del ratón</translation>
    </message>
    <message>
        <source>Wipes the strokes off the sheet</source>
        <translation>Borra los trazos de la hoja</translation>
    </message>
    <message>
        <source>Saves the sheet&apos;s strokes as a PNG image</source>
        <translation>Guarda los trazos de la hoja como imagen PNG</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Round Point</source>
        <translation>Punta redonda</translation>
    </message>
    <message>
        <source>Round Blunt</source>
        <translation>Redondo romo</translation>
    </message>
    <message>
        <source>Round Curve</source>
        <translation>Curva redonda</translation>
    </message>
    <message>
        <source>Round Angle</source>
        <translation>Ángulo redondo</translation>
    </message>
    <message>
        <source>Round Fan</source>
        <translation>Abanico redondo</translation>
    </message>
    <message>
        <source>Flat Point</source>
        <translation>Punta plana</translation>
    </message>
    <message>
        <source>Flat Blunt</source>
        <translation>Plano romo</translation>
    </message>
    <message>
        <source>Flat Curve</source>
        <translation>Curva plana</translation>
    </message>
    <message>
        <source>Flat Angle</source>
        <translation>Ángulo plano</translation>
    </message>
    <message>
        <source>Flat Fan</source>
        <translation>Abanico plano</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Punta</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plana</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Redonda</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadrada</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
</context>
<context>
    <name>BrushWindow</name>
    <message>
        <source>Thumbnail size</source>
        <translation>Tamaño de las miniaturas</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>&amp;Install in %1</source>
        <translation>&amp;Instalar en %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Install in %1</source>
        <translation>Instalar en %1</translation>
    </message>
    <message>
        <source>Open Brush File</source>
        <translation>Abrir archivo de pinceles</translation>
    </message>
    <message>
        <source>Brush files (*.abr *.ABR);;All files (*)</source>
        <translation>Archivos de pinceles (*.abr *.ABR);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Looking for brush files</source>
        <translation>Buscando archivos de pinceles</translation>
    </message>
    <message>
        <source>Fewer, larger brushes a row to the right</source>
        <translation>Hacia la derecha: menos pinceles por fila, más grandes</translation>
    </message>
</context>
<context>
    <name>CBrushCataloguer</name>
    <message numerus="yes">
        <source>Cataloguing brushes… %1 of %Ln file(s)</source>
        <translation>
            <numerusform>Catalogando pinceles… %1 de %Ln archivo</numerusform>
            <numerusform>Catalogando pinceles… %1 de %Ln archivos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation>Duplicados</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Mostrar en el &amp;gestor de archivos</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover a la &amp;papelera</translation>
    </message>
    <message numerus="yes">
        <source>No duplicates found among %Ln catalogued files.</source>
        <translation>
            <numerusform>Ningún duplicado entre %Ln archivo catalogado.</numerusform>
            <numerusform>Ningún duplicado entre %Ln archivos catalogados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate brushes</source>
        <translation>Pinceles duplicados</translation>
    </message>
</context>
<context>
    <name>DuplicatesModel</name>
    <message numerus="yes">
        <source>%n identical files</source>
        <translation>
            <numerusform>%n archivo idéntico</numerusform>
            <numerusform>%n archivos idénticos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” in %n files</source>
        <translation>
            <numerusform>«%1» en %n archivo</numerusform>
            <numerusform>«%1» en %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One tip in %n files</source>
        <translation>
            <numerusform>Una punta en %n archivo</numerusform>
            <numerusform>Una punta en %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Pincel</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
… y %1 más</translation>
    </message>
    <message>
        <source>Export Brushes as Images</source>
        <translation>Exportar pinceles como imágenes</translation>
    </message>
    <message>
        <source>Some brushes of “%1” could not be written.</source>
        <translation>Algunos pinceles de «%1» no se pudieron escribir.</translation>
    </message>
    <message>
        <source>Some brushes of “%1” were too large to write at full size.</source>
        <translation>Algunos pinceles de «%1» eran demasiado grandes para escribirlos a tamaño completo.</translation>
    </message>
    <message>
        <source>Some strokes of “%1” were not painted exactly as their presets ask.</source>
        <translation>Algunos trazos de «%1» no se pintaron exactamente como piden sus ajustes preestablecidos.</translation>
    </message>
    <message>
        <source>Use transparency</source>
        <translation>Usar transparencia</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Puntas</translation>
    </message>
    <message>
        <source>Strokes (how each preset paints)</source>
        <translation>Trazos (cómo pinta cada ajuste preestablecido)</translation>
    </message>
    <message>
        <source>By number (0.png, 1.png, …)</source>
        <translation>Por número (0.png, 1.png, …)</translation>
    </message>
    <message>
        <source>By brush name</source>
        <translation>Por nombre de pincel</translation>
    </message>
    <message>
        <source>Pad numbers with zeros (007.png)</source>
        <translation>Rellenar números con ceros (007.png)</translation>
    </message>
    <message>
        <source>Open the folder when done</source>
        <translation>Abrir la carpeta al terminar</translation>
    </message>
    <message>
        <source>Images of:</source>
        <translation>Imágenes de:</translation>
    </message>
    <message>
        <source>Name files:</source>
        <translation>Nombrar archivos:</translation>
    </message>
    <message>
        <source>Painting the strokes of “%1”…</source>
        <translation>Pintando los trazos de «%1»…</translation>
    </message>
    <message>
        <source>Writing the brushes of “%1”…</source>
        <translation>Escribiendo los pinceles de «%1»…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>“%1” has no brushes to export.</source>
        <translation>«%1» no tiene pinceles que exportar.</translation>
    </message>
    <message>
        <source>The folder could not be made: %1</source>
        <translation>No se pudo crear la carpeta: %1</translation>
    </message>
    <message>
        <source>Images of</source>
        <translation>Imágenes de</translation>
    </message>
    <message>
        <source>Name files</source>
        <translation>Nombrar los archivos</translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>The brush file could not be moved to the Trash.</source>
        <translation>El archivo de pinceles no se pudo mover a la papelera.</translation>
    </message>
    <message>
        <source>Kelbrin did not write it: it belongs to another application, and Kelbrin leaves it alone.</source>
        <translation>Kelbrin no lo escribió: pertenece a otra aplicación, y Kelbrin no lo toca.</translation>
    </message>
    <message>
        <source>Check that you may change the folder that holds the file.</source>
        <translation>Compruebe que puede modificar la carpeta que contiene el archivo.</translation>
    </message>
    <message>
        <source>“%1” was moved to the trash.</source>
        <translation>«%1» se movió a la papelera.</translation>
    </message>
    <message>
        <source>The file could not be taken back from the trash</source>
        <translation>El archivo no se pudo recuperar de la papelera</translation>
    </message>
    <message>
        <source>“%1” is back in %2.</source>
        <translation>«%1» vuelve a estar en %2.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Mostrar en la carpeta</translation>
    </message>
    <message>
        <source>GIMP and Krita get the brushes in their own formats:</source>
        <translation>GIMP y Krita reciben los pinceles en sus propios formatos:</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) written to %1</source>
        <translation>
            <numerusform>%Ln imagen escrita en %1</numerusform>
            <numerusform>%Ln imágenes escritas en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 of them drawn previews of bristle or erodible tips</source>
        <translation>, %1 de ellas vistas previas dibujadas de puntas de cerdas o erosionables</translation>
    </message>
    <message>
        <source>, %1 could not be written</source>
        <translation>, %1 no se pudieron escribir</translation>
    </message>
    <message>
        <source> (stopped before the end)</source>
        <translation> (detenido antes del final)</translation>
    </message>
</context>
<context>
    <name>FileManagerLauncher</name>
    <message>
        <source>Neither the desktop&apos;s file manager nor xdg-open answered. The folder is:</source>
        <translation>Ni el gestor de archivos del escritorio ni xdg-open respondieron. La carpeta es:</translation>
    </message>
    <message>
        <source>No file manager could open the folder “%1”.</source>
        <translation>Ningún gestor de archivos pudo abrir la carpeta «%1».</translation>
    </message>
    <message>
        <source>No file manager could show “%1”.</source>
        <translation>Ningún gestor de archivos pudo mostrar «%1».</translation>
    </message>
</context>
<context>
    <name>FileOutlineView</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Mostrar en el gestor de archivos</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favorito</translation>
    </message>
    <message>
        <source>Tags…</source>
        <translation>Etiquetas…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover a la papelera</translation>
    </message>
</context>
<context>
    <name>InstallResultDialog</name>
    <message>
        <source>Installed (its brushes folder was made)</source>
        <translation>Instalado (se creó su carpeta de pinceles)</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Instalado</translation>
    </message>
    <message>
        <source>Already installed as “%1”</source>
        <translation>Ya instalado como «%1»</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>Ya instalado</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>No instalado: %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show %1 in the file manager</source>
        <translation>Mostrar %1 en el gestor de archivos</translation>
    </message>
    <message>
        <source>Show the %1 folder</source>
        <translation>Mostrar la carpeta de %1</translation>
    </message>
</context>
<context>
    <name>InstalledFileOutlineModel</name>
    <message>
        <source>%1 — Local Brushes</source>
        <comment>a painting application&apos;s second brushes folder</comment>
        <translation>%1 — Pinceles locales</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source> It has been set aside as %1, and a new one is made at the next start.</source>
        <translation> Se ha apartado como %1, y se creará una nueva en el próximo inicio.</translation>
    </message>
    <message>
        <source> The library is off until the next start.</source>
        <translation> La biblioteca está desactivada hasta el próximo inicio.</translation>
    </message>
    <message>
        <source>There is no brush library to keep it in.</source>
        <translation>No hay biblioteca de pinceles donde guardarlo.</translation>
    </message>
    <message>
        <source>The brush library is not ready yet: it is being checked.</source>
        <translation>La biblioteca de pinceles aún no está lista: se está comprobando.</translation>
    </message>
</context>
<context>
    <name>LibraryResultsModel</name>
    <message>
        <source>Brush %1</source>
        <translation>Pincel %1</translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, favorito</translation>
    </message>
    <message>
        <source>Brush %1 in %2</source>
        <translation>Pincel %1 en %2</translation>
    </message>
</context>
<context>
    <name>LibraryResultsView</name>
    <message>
        <source>No brushes named “%1” in the library</source>
        <translation>Ningún pincel llamado «%1» en la biblioteca</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — more than %2, %2 shown</source>
        <translation>Pinceles llamados «%1» en la biblioteca — más de %2, se muestran %2</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — %2</source>
        <translation>Pinceles llamados «%1» en la biblioteca — %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Mostrar en el &amp;gestor de archivos</translation>
    </message>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Pincel &amp;favorito</translation>
    </message>
    <message>
        <source>Brushes found in the library</source>
        <translation>Pinceles encontrados en la biblioteca</translation>
    </message>
</context>
<context>
    <name>MarksController</name>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Pincel &amp;favorito</translation>
    </message>
    <message>
        <source>Fa&amp;vourite File</source>
        <translation>Archivo fa&amp;vorito</translation>
    </message>
    <message>
        <source>T&amp;ags…</source>
        <translation>&amp;Etiquetas…</translation>
    </message>
    <message>
        <source>&amp;Duplicates…</source>
        <translation>&amp;Duplicados…</translation>
    </message>
    <message>
        <source>The brush library could not keep that</source>
        <translation>La biblioteca de pinceles no pudo guardarlo</translation>
    </message>
</context>
<context>
    <name>OutlineModel</name>
    <message>
        <source>Tags: %1</source>
        <translation>Etiquetas: %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, folder, %n brush file(s)</source>
        <translation>
            <numerusform>%1, carpeta, %n archivo de pinceles</numerusform>
            <numerusform>%1, carpeta, %n archivos de pinceles</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, favorito</translation>
    </message>
</context>
<context>
    <name>OutlinesController</name>
    <message>
        <source>Filter brush files</source>
        <translation>Filtrar archivos</translation>
    </message>
    <message>
        <source>Show all files, the favourites, or the files of one tag</source>
        <translation>Mostrar todos los archivos, los favoritos o los archivos de una etiqueta</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Installed Brushes</source>
        <translation>Pinceles instalados</translation>
    </message>
    <message>
        <source>No favourite brush file names contain “%1”</source>
        <translation>Ningún nombre de archivo de pinceles favorito contiene «%1»</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” have names containing “%2”</source>
        <translation>Ningún archivo de pinceles con la etiqueta «%1» tiene un nombre que contenga «%2»</translation>
    </message>
    <message>
        <source>No favourite brush files here</source>
        <translation>No hay archivos de pinceles favoritos aquí</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” here</source>
        <translation>No hay archivos de pinceles con la etiqueta «%1» aquí</translation>
    </message>
    <message>
        <source>No brush file names contain “%1”</source>
        <translation>Ningún nombre de archivo de pinceles contiene «%1»</translation>
    </message>
    <message>
        <source>Searching for brush files…</source>
        <translation>Buscando archivos de pinceles…</translation>
    </message>
    <message>
        <source>No brush files found</source>
        <translation>No se encontraron archivos de pinceles</translation>
    </message>
    <message>
        <source>No brush files found in:</source>
        <translation>No se encontraron archivos de pinceles en:</translation>
    </message>
    <message>
        <source>Shows only the files whose name or tags hold these words</source>
        <translation>Muestra solo los archivos cuyo nombre o etiquetas contienen estas palabras</translation>
    </message>
    <message>
        <source>Files shown</source>
        <translation>Archivos mostrados</translation>
    </message>
    <message>
        <source>Brush files</source>
        <translation>Archivos de pinceles</translation>
    </message>
</context>
<context>
    <name>PackReport</name>
    <message>
        <source>loses its texture &quot;%1&quot; (the pattern is in the pack)</source>
        <translation>pierde su textura «%1» (el motivo está en el paquete)</translation>
    </message>
    <message>
        <source>loses its texture &quot;%1&quot; (the file does not carry it)</source>
        <translation>pierde su textura «%1» (el archivo no la contiene)</translation>
    </message>
    <message>
        <source>characters of its name that are no text replaced or removed</source>
        <translation>caracteres del nombre que no son texto sustituidos o eliminados</translation>
    </message>
    <message>
        <source>name shortened to %1 bytes</source>
        <translation>nombre acortado a %1 bytes</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer), written as 25 %</source>
        <translation>espaciado desactivado (una pincelada en cada movimiento del puntero), escrito como 25 %</translation>
    </message>
    <message>
        <source>settings not carried (%1)</source>
        <translation>ajustes no trasladados (%1)</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>modo %1</translation>
    </message>
    <message>
        <source>opacity %1</source>
        <translation>opacidad %1</translation>
    </message>
    <message>
        <source>flow %1</source>
        <translation>flujo %1</translation>
    </message>
    <message>
        <source>smoothing %1</source>
        <translation>suavizado %1</translation>
    </message>
    <message>
        <source>tool options not carried (%1)</source>
        <translation>opciones de herramienta no trasladadas (%1)</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>no trasladado</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservado</translation>
    </message>
    <message>
        <source>approximated</source>
        <translation>aproximado</translation>
    </message>
    <message>
        <source>no pixels to carry</source>
        <translation>no hay píxeles que trasladar</translation>
    </message>
    <message>
        <source>soft edge painted by GIMP&apos;s own curve</source>
        <translation>borde suave pintado con la curva propia de GIMP</translation>
    </message>
    <message>
        <source>roundness raised to GIMP&apos;s 5 %</source>
        <translation>redondez elevada al 5 % de GIMP</translation>
    </message>
    <message>
        <source>reduced to GIMP&apos;s largest radius, 4,000 pixels</source>
        <translation>reducido al radio máximo de GIMP, 4.000 píxeles</translation>
    </message>
    <message>
        <source>%1-bit reduced to 8-bit</source>
        <translation>%1 bits reducidos a 8 bits</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 pixels</source>
        <translation>escalado de %1 a %2 píxeles</translation>
    </message>
    <message>
        <source>GIMP averages its control and its jitter rather than combining them</source>
        <translation>GIMP promedia el control y la fluctuación en lugar de combinarlos</translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation>%1 (control)</translation>
    </message>
    <message>
        <source>GIMP has no input like control %1</source>
        <translation>GIMP no tiene ninguna entrada como el control %1</translation>
    </message>
    <message>
        <source>fades over %1 pixels (%2 steps) along GIMP&apos;s eased curve</source>
        <translation>se desvanece en %1 píxeles (%2 pasos) según la curva suavizada de GIMP</translation>
    </message>
    <message>
        <source>clamped to GIMP&apos;s longest fade</source>
        <translation>limitado al desvanecimiento más largo de GIMP</translation>
    </message>
    <message>
        <source>fades over the length of the %1, GIMP having one fade a preset</source>
        <translation>se desvanece a lo largo de %1, pues GIMP tiene un desvanecimiento por ajuste</translation>
    </message>
    <message>
        <source>%1 jitter</source>
        <translation>%1 (fluctuación)</translation>
    </message>
    <message>
        <source>size</source>
        <translation>tamaño</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>ángulo</translation>
    </message>
    <message>
        <source>roundness</source>
        <translation>redondez</translation>
    </message>
    <message>
        <source>flip x</source>
        <translation>voltear X</translation>
    </message>
    <message>
        <source>flip y</source>
        <translation>voltear Y</translation>
    </message>
    <message>
        <source>hardness</source>
        <translation>dureza</translation>
    </message>
    <message>
        <source>spacing</source>
        <translation>espaciado</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer) written as 25 %</source>
        <translation>espaciado desactivado (una pincelada en cada movimiento del puntero) escrito como 25 %</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>punta</translation>
    </message>
    <message>
        <source>drawn as one still tip: GIMP&apos;s paintbrush has no bristle or wearing tips</source>
        <translation>dibujada como una punta fija: el pincel de GIMP no tiene puntas de cerdas ni que se desgasten</translation>
    </message>
    <message>
        <source>tilt scale</source>
        <translation>escala de inclinación</translation>
    </message>
    <message>
        <source>GIMP&apos;s size follows tilt along one curve only</source>
        <translation>el tamaño de GIMP sigue la inclinación con una sola curva</translation>
    </message>
    <message>
        <source>as GIMP&apos;s aspect ratio, which squashes the tip on a scale of its own</source>
        <translation>como relación de aspecto de GIMP, que aplasta la punta en su propia escala</translation>
    </message>
    <message>
        <source>flip x jitter</source>
        <translation>fluctuación de volteo X</translation>
    </message>
    <message>
        <source>GIMP flips no tip at random</source>
        <translation>GIMP no voltea ninguna punta al azar</translation>
    </message>
    <message>
        <source>flip y jitter</source>
        <translation>fluctuación de volteo Y</translation>
    </message>
    <message>
        <source>brush projection</source>
        <translation>proyección del pincel</translation>
    </message>
    <message>
        <source>GIMP does not project the tip by the pen&apos;s tilt</source>
        <translation>GIMP no proyecta la punta según la inclinación de la pluma</translation>
    </message>
    <message>
        <source>GIMP scatters along the stroke as well as across it</source>
        <translation>GIMP dispersa a lo largo del trazo además de a través</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s %2</source>
        <translation>%1 limitado al %2 de GIMP</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>dispersión</translation>
    </message>
    <message>
        <source>scatter control</source>
        <translation>control de dispersión</translation>
    </message>
    <message>
        <source>there is no scatter for it to drive</source>
        <translation>no hay dispersión que controlar</translation>
    </message>
    <message>
        <source>count</source>
        <translation>recuento</translation>
    </message>
    <message>
        <source>GIMP lays one dab at each step</source>
        <translation>GIMP deposita una pincelada en cada paso</translation>
    </message>
    <message>
        <source>count jitter</source>
        <translation>fluctuación del recuento</translation>
    </message>
    <message>
        <source>foreground/background</source>
        <translation>frontal/fondo</translation>
    </message>
    <message>
        <source>picked from GIMP&apos;s foreground-to-background gradient</source>
        <translation>tomado del degradado de frontal a fondo de GIMP</translation>
    </message>
    <message>
        <source>hue jitter</source>
        <translation>fluctuación de tono</translation>
    </message>
    <message>
        <source>saturation jitter</source>
        <translation>fluctuación de saturación</translation>
    </message>
    <message>
        <source>brightness jitter</source>
        <translation>fluctuación de brillo</translation>
    </message>
    <message>
        <source>purity</source>
        <translation>pureza</translation>
    </message>
    <message>
        <source>GIMP varies colour only along a gradient</source>
        <translation>GIMP solo varía el color a lo largo de un degradado</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacidad</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>flujo</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush has no flow</source>
        <translation>el pincel de GIMP no tiene flujo</translation>
    </message>
    <message>
        <source>wetness</source>
        <translation>humedad</translation>
    </message>
    <message>
        <source>GIMP has no mixer brush</source>
        <translation>GIMP no tiene pincel mezclador</translation>
    </message>
    <message>
        <source>mix</source>
        <translation>mezcla</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>textura</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern</source>
        <translation>el pincel de GIMP no pinta a través de ningún motivo</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern, and the file has none</source>
        <translation>el pincel de GIMP no pinta a través de ningún motivo, y el archivo no tiene ninguno</translation>
    </message>
    <message>
        <source>dual brush</source>
        <translation>pincel doble</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints with one tip</source>
        <translation>el pincel de GIMP pinta con una sola punta</translation>
    </message>
    <message>
        <source>brush pose</source>
        <translation>postura del pincel</translation>
    </message>
    <message>
        <source>GIMP takes tilt, rotation and pressure from the pen alone</source>
        <translation>GIMP toma la inclinación, la rotación y la presión solo de la pluma</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>ruido</translation>
    </message>
    <message>
        <source>GIMP adds no noise to a tip&apos;s edge</source>
        <translation>GIMP no añade ruido al borde de una punta</translation>
    </message>
    <message>
        <source>wet edges</source>
        <translation>bordes húmedos</translation>
    </message>
    <message>
        <source>GIMP paints no wet edges</source>
        <translation>GIMP no pinta bordes húmedos</translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>aerógrafo</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush lays no paint while held still (its airbrush does)</source>
        <translation>el pincel de GIMP no deposita pintura mientras está quieto (su aerógrafo sí)</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>suavizado</translation>
    </message>
    <message>
        <source>GIMP&apos;s stroke smoothing at its own weight</source>
        <translation>el suavizado de trazo de GIMP, con su propio peso</translation>
    </message>
    <message>
        <source>protect texture</source>
        <translation>proteger textura</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s 0 to 100 %</source>
        <translation>%1 limitado al 0 a 100 % de GIMP</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>modo</translation>
    </message>
    <message>
        <source>GIMP has no mode like %1; painted in Normal</source>
        <translation>GIMP no tiene ningún modo como %1; pintado en Normal</translation>
    </message>
    <message>
        <source>as GIMP&apos;s %1</source>
        <translation>como %1 de GIMP</translation>
    </message>
    <message>
        <source>airbrush tip written as a preview image</source>
        <translation>punta de aerógrafo escrita como imagen de vista previa</translation>
    </message>
    <message>
        <source>bristle tip written as a preview image</source>
        <translation>punta de cerdas escrita como imagen de vista previa</translation>
    </message>
    <message>
        <source>erodible tip written as a preview image</source>
        <translation>punta erosionable escrita como imagen de vista previa</translation>
    </message>
    <message>
        <source>computed tip drawn as pixels</source>
        <translation>punta calculada dibujada como píxeles</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt elevation</source>
        <translation>inclinación de la pluma como elevación de inclinación de Krita</translation>
    </message>
    <message>
        <source>the stroke&apos;s direction as Krita&apos;s drawing angle</source>
        <translation>la dirección del trazo como ángulo de dibujo de Krita</translation>
    </message>
    <message>
        <source>its control (%1) is none Krita knows, left off</source>
        <translation>su control (%1) no lo conoce Krita, omitido</translation>
    </message>
    <message>
        <source>%1 is beyond Krita&apos;s range, written as %2</source>
        <translation>%1 está fuera del rango de Krita, escrito como %2</translation>
    </message>
    <message>
        <source>as the fade of Krita&apos;s round tip, which softens its edge along another curve</source>
        <translation>como el desvanecimiento de la punta redonda de Krita, que suaviza su borde con otra curva</translation>
    </message>
    <message>
        <source>%1 dabs a step as spacing divided by %1</source>
        <translation>%1 pinceladas por paso como espaciado dividido entre %1</translation>
    </message>
    <message>
        <source>a bristle tip as its drawn picture, in Krita&apos;s pixel brush: Krita&apos;s bristle engine takes none of Photoshop&apos;s bristle settings</source>
        <translation>una punta de cerdas como su imagen dibujada, en el pincel de píxeles de Krita: el motor de cerdas de Krita no toma ningún ajuste de cerdas de Photoshop</translation>
    </message>
    <message>
        <source>an erodible tip as its drawn picture, in Krita&apos;s pixel brush, which does not wear</source>
        <translation>una punta erosionable como su imagen dibujada, en el pincel de píxeles de Krita, que no se desgasta</translation>
    </message>
    <message>
        <source>the tip is written smaller; Krita enlarges it %1 times to the preset&apos;s %2 pixels</source>
        <translation>la punta se escribe más pequeña; Krita la amplía %1 veces hasta los %2 píxeles del ajuste</translation>
    </message>
    <message>
        <source>flip</source>
        <translation>voltear</translation>
    </message>
    <message>
        <source>Krita&apos;s tilt sensor has no scale of its own</source>
        <translation>el sensor de inclinación de Krita no tiene escala propia</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt direction</source>
        <translation>inclinación de la pluma como dirección de inclinación de Krita</translation>
    </message>
    <message>
        <source>the jitter as Krita&apos;s random rotation, at the strength of the control as well</source>
        <translation>la fluctuación como rotación aleatoria de Krita, también con la intensidad del control</translation>
    </message>
    <message>
        <source>flip jitter</source>
        <translation>fluctuación de volteo</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not lay the tip on the pen&apos;s tilt</source>
        <translation>el pincel de píxeles de Krita no inclina la punta según la pluma</translation>
    </message>
    <message>
        <source>across the stroke as Krita&apos;s Y axis</source>
        <translation>a través del trazo como eje Y de Krita</translation>
    </message>
    <message>
        <source>as closer spacing: Krita&apos;s pixel brush lays one dab a step</source>
        <translation>como espaciado más cercano: el pincel de píxeles de Krita deposita una pincelada por paso</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush lays one dab a step</source>
        <translation>el pincel de píxeles de Krita deposita una pincelada por paso</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>motivo</translation>
    </message>
    <message>
        <source>the file does not carry the pattern &quot;%1&quot;</source>
        <translation>el archivo no contiene el motivo «%1»</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>escala</translation>
    </message>
    <message>
        <source>invert</source>
        <translation>invertir</translation>
    </message>
    <message>
        <source>brightness and contrast</source>
        <translation>brillo y contraste</translation>
    </message>
    <message>
        <source>on Krita&apos;s scales, which are not Photoshop&apos;s</source>
        <translation>en las escalas de Krita, que no son las de Photoshop</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita has</source>
        <translation>%1 como Multiplicar, que Krita tiene</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>ningún modo</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>profundidad</translation>
    </message>
    <message>
        <source>depth jitter</source>
        <translation>fluctuación de profundidad</translation>
    </message>
    <message>
        <source>texture each tip off</source>
        <translation>texturizar cada punta desactivado</translation>
    </message>
    <message>
        <source>Krita textures each dab</source>
        <translation>Krita texturiza cada pincelada</translation>
    </message>
    <message>
        <source>the file does not carry the dual brush&apos;s tip</source>
        <translation>el archivo no contiene la punta del pincel doble</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita&apos;s masking brush has</source>
        <translation>%1 como Multiplicar, que tiene el pincel de máscara de Krita</translation>
    </message>
    <message>
        <source>its angle of %1° left out</source>
        <translation>su ángulo de %1° omitido</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush is not flipped at random</source>
        <translation>el pincel de máscara de Krita no se voltea al azar</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush lays one dab a step</source>
        <translation>el pincel de máscara de Krita deposita una pincelada por paso</translation>
    </message>
    <message>
        <source>as Krita&apos;s random %1 shift</source>
        <translation>como desplazamiento aleatorio de %1 de Krita</translation>
    </message>
    <message>
        <source>hue</source>
        <translation>tono</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>saturación</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>brillo</translation>
    </message>
    <message>
        <source>control</source>
        <translation>control</translation>
    </message>
    <message>
        <source>as Krita&apos;s mix toward the background colour</source>
        <translation>como mezcla de Krita hacia el color de fondo</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no steady saturation shift</source>
        <translation>el pincel de píxeles de Krita no tiene un desplazamiento de saturación fijo</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not mix paint on the canvas</source>
        <translation>el pincel de píxeles de Krita no mezcla pintura en el lienzo</translation>
    </message>
    <message>
        <source>Krita has no blend mode %1</source>
        <translation>Krita no tiene el modo de fusión %1</translation>
    </message>
    <message>
        <source>Krita keeps smoothing with its brush tool, not in a preset</source>
        <translation>Krita guarda el suavizado con su herramienta de pincel, no en un ajuste</translation>
    </message>
    <message>
        <source>pose</source>
        <translation>postura</translation>
    </message>
    <message>
        <source>Krita&apos;s presets take the pen&apos;s own tilt, rotation and pressure</source>
        <translation>los ajustes de Krita toman la inclinación, la rotación y la presión de la propia pluma</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush adds no grain to a tip&apos;s soft edges</source>
        <translation>el pincel de píxeles de Krita no añade grano a los bordes suaves de una punta</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no wet edges</source>
        <translation>el pincel de píxeles de Krita no tiene bordes húmedos</translation>
    </message>
    <message>
        <source>each Krita preset keeps its own texture</source>
        <translation>cada ajuste de Krita conserva su propia textura</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n pincel</numerusform>
            <numerusform>%n pinceles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n cambiado</numerusform>
            <numerusform>%n cambiados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not carried</source>
        <translation>
            <numerusform>%n no trasladado</numerusform>
            <numerusform>%n no trasladados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n ajuste preestablecido</numerusform>
            <numerusform>%n ajustes preestablecidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximated</source>
        <translation>
            <numerusform>%n aproximado</numerusform>
            <numerusform>%n aproximados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n motivo</numerusform>
            <numerusform>%n motivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose their texture</source>
        <translation>
            <numerusform>%n pincel pierde su textura</numerusform>
            <numerusform>%n pinceles pierden su textura</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose settings</source>
        <translation>
            <numerusform>%n pincel pierde ajustes</numerusform>
            <numerusform>%n pinceles pierden ajustes</numerusform>
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
        <translation>no es un archivo de pinceles válido, o está dañado</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>error %1</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>no es un archivo de pinceles</translation>
    </message>
    <message>
        <source>unsupported version %1</source>
        <translation>versión %1 no compatible</translation>
    </message>
</context>
<context>
    <name>ReadMessageBar</name>
    <message>
        <source>Not a brush file</source>
        <translation>No es un archivo de pinceles</translation>
    </message>
    <message>
        <source>Not a brush file Kelbrin can read (version %1)</source>
        <translation>No es un archivo de pinceles que Kelbrin sepa leer (versión %1)</translation>
    </message>
    <message>
        <source>This file is damaged: %1 and %2 could be read</source>
        <translation>Este archivo está dañado: se pudieron leer %1 y %2</translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln pincel</numerusform>
            <numerusform>%Ln pinceles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln motivo</numerusform>
            <numerusform>%Ln motivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file is damaged: %Ln brush(es) could be read</source>
        <translation>
            <numerusform>Este archivo está dañado: se pudo leer %Ln pincel</numerusform>
            <numerusform>Este archivo está dañado: se pudieron leer %Ln pinceles</numerusform>
        </translation>
    </message>
    <message>
        <source>not enough memory to read this file</source>
        <translation>no hay memoria suficiente para leer este archivo</translation>
    </message>
</context>
<context>
    <name>ReadingController</name>
    <message numerus="yes">
        <source>Reading… %Ln brush(es)</source>
        <translation>
            <numerusform>Leyendo… %Ln pincel</numerusform>
            <numerusform>Leyendo… %Ln pinceles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln pincel</numerusform>
            <numerusform>%Ln pinceles</numerusform>
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
            <numerusform>%Ln motivo</numerusform>
            <numerusform>%Ln motivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sampled</source>
        <translation>
            <numerusform>%Ln muestreada</numerusform>
            <numerusform>%Ln muestreadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln computed</source>
        <translation>
            <numerusform>%Ln calculada</numerusform>
            <numerusform>%Ln calculadas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bristle</source>
        <translation>
            <numerusform>%Ln de cerdas</numerusform>
            <numerusform>%Ln de cerdas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln erodible</source>
        <translation>
            <numerusform>%Ln erosionable</numerusform>
            <numerusform>%Ln erosionables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %Ln selected</source>
        <translation>
            <numerusform> — %Ln seleccionado</numerusform>
            <numerusform> — %Ln seleccionados</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the brush file</source>
        <translation>Leyendo el archivo de pinceles</translation>
    </message>
</context>
<context>
    <name>ScratchCanvas</name>
    <message>
        <source>Could not write the picture to %1.</source>
        <translation>No se pudo escribir la imagen en %1.</translation>
    </message>
</context>
<context>
    <name>TagsDialog</name>
    <message>
        <source>Tags of “%1”</source>
        <translation>Etiquetas de «%1»</translation>
    </message>
    <message>
        <source>New tag</source>
        <translation>Etiqueta nueva</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Words of your own to find this file by: the box beside the filter shows the files that have one.</source>
        <translation>Palabras propias para encontrar este archivo: la lista junto al filtro muestra los archivos que tienen una.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Etiquetas</translation>
    </message>
</context>
<context>
    <name>WatchLimitBar</name>
    <message>
        <source>Hide this message</source>
        <translation>Ocultar este mensaje</translation>
    </message>
    <message>
        <source>Not every folder can be watched for changes: the system&apos;s limit (fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s instead, so changes there show up late.
To raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in /etc/sysctl.d/)</source>
        <translation>No se pueden vigilar los cambios de todas las carpetas: se alcanzó el límite del sistema (fs.inotify.max_user_watches). Kelbrin revisa las demás cada %1 s, así que los cambios allí aparecen con retraso.
Para subir el límite: sudo sysctl fs.inotify.max_user_watches=524288 (para conservarlo, ponga ese ajuste en un archivo de /etc/sysctl.d/)</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mover a la papelera</translation>
    </message>
    <message>
        <source>Show &amp;Strokes</source>
        <translation>Mostrar &amp;trazos</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>Trazos</translation>
    </message>
    <message>
        <source>Show how each brush paints</source>
        <translation>Mostrar cómo pinta cada pincel</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Export as Images…</source>
        <translation>&amp;Exportar como imágenes…</translation>
    </message>
    <message>
        <source>Export &amp;Selected…</source>
        <translation>Exportar selecci&amp;ón…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Mostrar en el &amp;gestor de archivos</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Instalar</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover a la pape&amp;lera</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Kelbrin &amp;Help</source>
        <translation>&amp;Ayuda de Kelbrin</translation>
    </message>
    <message>
        <source>&amp;About Kelbrin</source>
        <translation>A&amp;cerca de Kelbrin</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>&amp;Find Brush Files</source>
        <translation>&amp;Buscar archivos de pinceles</translation>
    </message>
    <message>
        <source>&amp;View Brush</source>
        <translation>Ve&amp;r pincel</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>Tamaño &amp;original</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>Mostrar &amp;nombres</translation>
    </message>
    <message>
        <source>Show &amp;All Folders</source>
        <translation>Mostrar todas las &amp;carpetas</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;ema</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Sistema</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Claro</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Oscuro</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>No hay archivos recientes</translation>
    </message>
    <message>
        <source>Kelbrin Help</source>
        <translation>Ayuda de Kelbrin</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; shows the brushes in Photoshop brush files.&lt;/p&gt;&lt;p&gt;Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home and End jump to the first and last brushes.&lt;/p&gt;&lt;p&gt;Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. Double-click or press Space to see it large; Left and Right step through the file. Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.&lt;/p&gt;&lt;p&gt;File ▸ Export as Images… writes every brush as a PNG file into a new folder; Export Selected… only the selected ones.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; muestra los pinceles de los archivos de pinceles de Photoshop.&lt;/p&gt;&lt;p&gt;Abra un archivo con Archivo ▸ Abrir… o suéltelo sobre la ventana. Cambie el tamaño de las miniaturas con el control deslizante, Ctrl+rueda o Ver ▸ Ampliar y Reducir (Ctrl+0 vuelve atrás); Inicio y Fin saltan al primer y al último pincel.&lt;/p&gt;&lt;p&gt;Haga clic en un pincel para seleccionarlo, Ctrl o Mayús y clic para seleccionar más, Ctrl+A para todos. Doble clic o Espacio lo muestra en grande; Izquierda y Derecha recorren el archivo. Ctrl+C copia el pincel como imagen; arrastre pinceles fuera para soltarlos como archivos PNG.&lt;/p&gt;&lt;p&gt;Archivo ▸ Exportar como imágenes… escribe cada pincel como archivo PNG en una carpeta nueva; Exportar selección… solo los seleccionados.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Browse the brushes in Photoshop brush files (.abr): find them all, look at every brush, export them as images. Kelbrin never changes a brush file.&lt;/p&gt;&lt;p&gt;The licence is in the copyright file installed with Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Explore los pinceles de los archivos de pinceles de Photoshop (.abr): encuéntrelos todos, mire cada pincel, expórtelos como imágenes. Kelbrin nunca modifica un archivo de pinceles.&lt;/p&gt;&lt;p&gt;La licencia está en el archivo copyright instalado con Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Kelbrin</source>
        <translation>Acerca de Kelbrin</translation>
    </message>
    <message>
        <source>Move the brush file to the trash</source>
        <translation>Mover el archivo de pinceles a la papelera</translation>
    </message>
    <message>
        <source>Save the brushes as PNG images</source>
        <translation>Guardar los pinceles como imágenes PNG</translation>
    </message>
</context>
<context>
    <name>kelbrin</name>
    <message>
        <source>Browse the brushes in Photoshop brush files.</source>
        <translation>Explorar los pinceles de los archivos de pinceles de Photoshop.</translation>
    </message>
    <message>
        <source>Open FILE, save a picture of the window to OUT and quit.</source>
        <translation>Abrir FILE, guardar una imagen de la ventana en OUT y salir.</translation>
    </message>
    <message>
        <source>Without showing a window, wait until the search for brush files has done its first pass, print both outlines with every folder open, and quit.</source>
        <translation>Sin mostrar ventana, esperar a que la búsqueda de archivos de pinceles haga su primera pasada, imprimir ambos esquemas con todas las carpetas abiertas y salir.</translation>
    </message>
    <message>
        <source>With --dump-outlines: print every folder (Show All Folders).</source>
        <translation>Con --dump-outlines: imprimir todas las carpetas (Mostrar todas las carpetas).</translation>
    </message>
    <message>
        <source>A brush file to show (a path or a file:// URI).</source>
        <translation>Un archivo de pinceles que mostrar (una ruta o un URI file://).</translation>
    </message>
</context>
<context>
    <name>kelbrin-cli</name>
    <message>
        <source>read brush files and list their brushes</source>
        <translation>leer archivos de pinceles y listar sus pinceles</translation>
    </message>
    <message>
        <source>write the brushes of FILE (tips, or strokes) as PNG files into a new folder</source>
        <translation>escribir los pinceles de FILE (puntas o trazos) como archivos PNG en una carpeta nueva</translation>
    </message>
    <message>
        <source>paint a brush&apos;s stroke in black on white into a PNG file</source>
        <translation>pintar el trazo de un pincel en negro sobre blanco en un archivo PNG</translation>
    </message>
    <message>
        <source>write each file&apos;s brushes in GIMP&apos;s or Krita&apos;s own formats</source>
        <translation>escribir los pinceles de cada archivo en los formatos propios de GIMP o Krita</translation>
    </message>
    <message>
        <source>show brush files as the folder outline shows them</source>
        <translation>mostrar los archivos de pinceles como los muestra el esquema de carpetas</translation>
    </message>
    <message>
        <source>find brush files (everywhere, or below the folders)</source>
        <translation>buscar archivos de pinceles (en todas partes, o bajo las carpetas)</translation>
    </message>
    <message>
        <source>list the installed painting applications</source>
        <translation>listar las aplicaciones de pintura instaladas</translation>
    </message>
    <message>
        <source>copy a brush file into every application&apos;s brushes folder</source>
        <translation>copiar un archivo de pinceles en la carpeta de pinceles de cada aplicación</translation>
    </message>
    <message>
        <source>move files to the trash (--yes: delete those no trash takes)</source>
        <translation>mover archivos a la papelera (--yes: borrar los que ninguna papelera acepta)</translation>
    </message>
    <message>
        <source>bring the brush library up to date (everywhere, or below the folders)</source>
        <translation>poner al día la biblioteca de pinceles (en todas partes, o bajo las carpetas)</translation>
    </message>
    <message>
        <source>list the library&apos;s brushes whose names hold TEXT</source>
        <translation>listar los pinceles de la biblioteca cuyo nombre contiene TEXT</translation>
    </message>
    <message>
        <source>list identical files and tips found in more than one file</source>
        <translation>listar archivos idénticos y puntas que están en más de un archivo</translation>
    </message>
    <message>
        <source>give a file tags</source>
        <translation>poner etiquetas a un archivo</translation>
    </message>
    <message>
        <source>take tags from a file</source>
        <translation>quitar etiquetas a un archivo</translation>
    </message>
    <message>
        <source>list the tags, or the files with TAG</source>
        <translation>listar las etiquetas, o los archivos con TAG</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>opciones:</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <translation>Pruebe «%1» para más información.</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>uso:</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <comment>the synopsis of kelbrin-cli</comment>
        <translation>ORDEN [ARGUMENTOS]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>ORDEN</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>órdenes:</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>orden desconocida %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argumento inesperado %1</translation>
    </message>
    <message>
        <source>--to gimp or --to krita is needed</source>
        <translation>se necesita --to gimp o --to krita</translation>
    </message>
    <message>
        <source>unknown --to &quot;%1&quot;</source>
        <translation>--to «%1» desconocido</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>no se indicó FILE</translation>
    </message>
    <message>
        <source>no FILE and DIR given</source>
        <translation>no se indicaron FILE ni DIR</translation>
    </message>
    <message>
        <source>no DIR given</source>
        <translation>no se indicó DIR</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>demasiados argumentos</translation>
    </message>
    <message>
        <source>DIR must name a new folder, not &quot;%1&quot;</source>
        <translation>DIR debe nombrar una carpeta nueva, no «%1»</translation>
    </message>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds necesita un número entero de segundos</translation>
    </message>
    <message>
        <source>one FILE at a time</source>
        <translation>un solo FILE a la vez</translation>
    </message>
    <message>
        <source>a file and at least one tag are needed</source>
        <translation>se necesitan un archivo y al menos una etiqueta</translation>
    </message>
    <message>
        <source>one text to search for is needed</source>
        <translation>se necesita un texto que buscar</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>no se admiten argumentos</translation>
    </message>
    <message>
        <source>at most one tag is taken</source>
        <translation>se admite una etiqueta como mucho</translation>
    </message>
    <message>
        <source>--switch-after needs a brush count (0 or more)</source>
        <translation>--switch-after necesita un número de pinceles (0 o más)</translation>
    </message>
    <message>
        <source>--switch-after takes exactly two files</source>
        <translation>--switch-after admite exactamente dos archivos</translation>
    </message>
    <message>
        <source>no --out PNG given</source>
        <translation>no se indicó --out PNG</translation>
    </message>
    <message>
        <source>--name takes a brush&apos;s name, not &quot;&quot;</source>
        <translation>--name admite el nombre de un pincel, no «»</translation>
    </message>
    <message>
        <source>--brush and --name both choose the brush; give one</source>
        <translation>--brush y --name eligen ambos el pincel; indique uno</translation>
    </message>
    <message>
        <source>--brush takes a brush&apos;s number, not &quot;%1&quot;</source>
        <translation>--brush admite el número de un pincel, no «%1»</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size admite ANCHOxALTO, cada uno de 1 a %1 píxeles, no «%2»</translation>
    </message>
    <message>
        <source>--seed takes a number from 0 to 4294967295, not &quot;%1&quot;</source>
        <translation>--seed admite un número de 0 a 4294967295, no «%1»</translation>
    </message>
    <message>
        <source>--exclude and --restrict cannot be combined</source>
        <translation>--exclude y --restrict no se pueden combinar</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>no se indicó PATH</translation>
    </message>
    <message>
        <source>print one JSON document</source>
        <translation>imprimir un documento JSON</translation>
    </message>
    <message>
        <source>gimp (a brushes folder per file) or krita (a bundle)</source>
        <translation>gimp (una carpeta de pinceles por archivo) o krita (un paquete)</translation>
    </message>
    <message>
        <source>where to write (default: the current folder)</source>
        <translation>dónde escribir (por omisión: la carpeta actual)</translation>
    </message>
    <message>
        <source>black paint on a clear background instead of ink on white</source>
        <translation>pintura negra sobre fondo transparente en vez de tinta sobre blanco</translation>
    </message>
    <message>
        <source>name the files after their brushes (Soft Round.png) instead of their number</source>
        <translation>nombrar los archivos según sus pinceles (Soft Round.png) en vez de su número</translation>
    </message>
    <message>
        <source>write each preset&apos;s stroke (400 x 160, the S-curve, seed 1) instead of its tip</source>
        <translation>escribir el trazo de cada ajuste (400 x 160, la curva en S, semilla 1) en vez de su punta</translation>
    </message>
    <message>
        <source>go on reporting changes</source>
        <translation>seguir informando de los cambios</translation>
    </message>
    <message>
        <source>stop watching after N seconds</source>
        <translation>dejar de vigilar tras N segundos</translation>
    </message>
    <message>
        <source>print one JSON object per line</source>
        <translation>imprimir un objeto JSON por línea</translation>
    </message>
    <message>
        <source>print the longest event-loop stall at the end</source>
        <translation>imprimir al final la parada más larga del bucle de eventos</translation>
    </message>
    <message>
        <source>print the counts as JSON</source>
        <translation>imprimir los recuentos como JSON</translation>
    </message>
    <message>
        <source>print the brushes as JSON</source>
        <translation>imprimir los pinceles como JSON</translation>
    </message>
    <message>
        <source>print the groups as JSON</source>
        <translation>imprimir los grupos como JSON</translation>
    </message>
    <message>
        <source>print as JSON</source>
        <translation>imprimir como JSON</translation>
    </message>
    <message>
        <source>list the tips the file stores, in its own order, instead of its presets</source>
        <translation>listar las puntas que guarda el archivo, en su propio orden, en vez de sus ajustes</translation>
    </message>
    <message>
        <source>leave FILE1 for FILE2 after N brushes, as the window does</source>
        <translation>pasar de FILE1 a FILE2 tras N pinceles, como hace la ventana</translation>
    </message>
    <message>
        <source>paint brush N, by its number in the listing (default 0)</source>
        <translation>pintar el pincel N, por su número en el listado (por omisión 0)</translation>
    </message>
    <message>
        <source>paint the first brush named TEXT, or whose name holds it</source>
        <translation>pintar el primer pincel llamado TEXT, o cuyo nombre lo contiene</translation>
    </message>
    <message>
        <source>the image&apos;s size in pixels (default 400x160)</source>
        <translation>el tamaño de la imagen en píxeles (por omisión 400x160)</translation>
    </message>
    <message>
        <source>the preview&apos;s S-curve (default), a straight line, or points from a JSON file</source>
        <translation>la curva en S de la vista previa (por omisión), una línea recta o puntos de un archivo JSON</translation>
    </message>
    <message>
        <source>the seed of the brush&apos;s randomness (default 1)</source>
        <translation>la semilla del azar del pincel (por omisión 1)</translation>
    </message>
    <message>
        <source>the PNG file to write (replaced if it exists)</source>
        <translation>el archivo PNG que escribir (se reemplaza si existe)</translation>
    </message>
    <message>
        <source>delete the files no trash takes, as if asked and answered yes</source>
        <translation>borrar los archivos que ninguna papelera acepta, como si se respondiera que sí</translation>
    </message>
    <message>
        <source>sort the top level shallowest first</source>
        <translation>ordenar el nivel superior de menos a más profundo</translation>
    </message>
    <message>
        <source>print the full view: the root and each volume</source>
        <translation>imprimir la vista completa: la raíz y cada volumen</translation>
    </message>
    <message>
        <source>never a level unless it holds a file itself</source>
        <translation>nunca un nivel salvo que contenga un archivo</translation>
    </message>
    <message>
        <source>every folder inside it is a level</source>
        <translation>cada carpeta dentro es un nivel</translation>
    </message>
    <message>
        <source>leave out what lies below it</source>
        <translation>omitir lo que hay debajo</translation>
    </message>
    <message>
        <source>keep only what lies below it</source>
        <translation>conservar solo lo que hay debajo</translation>
    </message>
    <message>
        <source>then run the commands of FILE (- for standard input)</source>
        <translation>después ejecutar las órdenes de FILE (- para la entrada estándar)</translation>
    </message>
    <message>
        <source>%1; nothing exported</source>
        <translation>%1; no se exportó nada</translation>
    </message>
    <message>
        <source>no brushes; nothing exported</source>
        <translation>ningún pincel; no se exportó nada</translation>
    </message>
    <message>
        <source>exporting the %1 and %2 read before the error</source>
        <translation>se exportan los %1 y %2 leídos antes del error</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n pincel</numerusform>
            <numerusform>%n pinceles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n motivo</numerusform>
            <numerusform>%n motivos</numerusform>
        </translation>
    </message>
    <message>
        <source>exporting the %1 read before the error</source>
        <translation>se exportan los %1 leídos antes del error</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Creada %1</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s)</source>
        <translation>
            <numerusform>Escrito %n archivo</numerusform>
            <numerusform>Escritos %n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pattern(s) into patterns/</source>
        <translation>
            <numerusform>Escrito %n motivo en patterns/</numerusform>
            <numerusform>Escritos %n motivos en patterns/</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Escrito: %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>No se pudo escribir: %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>no existe el archivo</translation>
    </message>
    <message>
        <source>no painting application is installed (see kelbrin-cli apps)</source>
        <translation>no hay ningún programa de pintura instalado (véase kelbrin-cli apps)</translation>
    </message>
    <message>
        <source>It has been set aside as %1; the next command starts a new one.</source>
        <translation>Se ha apartado como %1; la próxima orden empieza una nueva.</translation>
    </message>
    <message>
        <source>the library could not be written</source>
        <translation>no se pudo escribir la biblioteca</translation>
    </message>
    <message>
        <source>%1 files looked at: %2 read (%3 not to the end), %4 unchanged, %5 not written, %6 removed</source>
        <translation>%1 archivos examinados: %2 leídos (%3 no hasta el final), %4 sin cambios, %5 no escritos, %6 quitados</translation>
    </message>
    <message>
        <source>library: %1 files, %2 brushes</source>
        <translation>biblioteca: %1 archivos, %2 pinceles</translation>
    </message>
    <message>
        <source>the search could not be started</source>
        <translation>no se pudo iniciar la búsqueda</translation>
    </message>
    <message>
        <source>identical files:</source>
        <translation>archivos idénticos:</translation>
    </message>
    <message>
        <source>identical tips:</source>
        <translation>puntas idénticas:</translation>
    </message>
    <message>
        <source>larger than 16 MB, too large for a path</source>
        <translation>más de 16 MB, demasiado grande para un trayecto</translation>
    </message>
    <message>
        <source>%1 is the brush file itself; not replaced</source>
        <translation>%1 es el propio archivo de pinceles; no se reemplaza</translation>
    </message>
    <message>
        <source>no points</source>
        <translation>ningún punto</translation>
    </message>
    <message>
        <source>cannot use the path %1: %2</source>
        <translation>no se puede usar el trayecto %1: %2</translation>
    </message>
    <message>
        <source>%1; nothing painted</source>
        <translation>%1; no se pintó nada</translation>
    </message>
    <message>
        <source>no brushes; nothing painted</source>
        <translation>ningún pincel; no se pintó nada</translation>
    </message>
    <message>
        <source>no brush named %1 among its %2</source>
        <translation>ningún pincel llamado %1 entre sus %2</translation>
    </message>
    <message>
        <source>no brush %1; the brushes read before the damage are 0 to %2</source>
        <translation>no hay pincel %1; los pinceles leídos antes del daño son del 0 al %2</translation>
    </message>
    <message>
        <source>no brush %1; its brushes are 0 to %2</source>
        <translation>no hay pincel %1; sus pinceles son del 0 al %2</translation>
    </message>
    <message>
        <source>brush %1 has a tip of no pixels; it paints nothing</source>
        <translation>el pincel %1 tiene una punta sin píxeles; no pinta nada</translation>
    </message>
    <message>
        <source>brush %1</source>
        <translation>pincel %1</translation>
    </message>
    <message>
        <source>the stroke was simplified: its preset asks for more dabs, or a larger tip, than one stroke may paint</source>
        <translation>el trazo se simplificó: su ajuste preestablecido pide más toques, o una punta mayor, de los que un trazo puede pintar</translation>
    </message>
    <message>
        <source>the texture&apos;s pattern %1 is not in the file; plain noise stands in for it</source>
        <translation>el motivo %1 de la textura no está en el archivo; lo sustituye un ruido simple</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>no existe el archivo o la carpeta</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>no se puede leer el guion %1: %2</translation>
    </message>
    <message>
        <source>brush %1 %2: %3</source>
        <translation>pincel %1 %2: %3</translation>
    </message>
    <message>
        <source>preset %1 %2</source>
        <translation>ajuste preestablecido %1 %2</translation>
    </message>
    <message>
        <source>pattern %1 changed: %2</source>
        <translation>motivo %1 cambiado: %2</translation>
    </message>
    <message>
        <source>no brushes or patterns; nothing converted</source>
        <translation>ningún pincel ni motivo; no se convirtió nada</translation>
    </message>
    <message>
        <source>converting the %1 read before the error</source>
        <translation>se convierten los %1 leídos antes del error</translation>
    </message>
    <message>
        <source>not every folder can be watched for changes (the system&apos;s limit fs.inotify.max_user_watches is reached), so the others are read again every %1 s and changes there show up late; to raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (and that setting in a file in /etc/sysctl.d/ to keep it)</source>
        <translation>no se pueden vigilar los cambios de todas las carpetas (se alcanzó el límite del sistema fs.inotify.max_user_watches), así que las demás se vuelven a leer cada %1 s y sus cambios aparecen con retraso; para subir el límite: sudo sysctl fs.inotify.max_user_watches=524288 (y ese ajuste en un archivo de /etc/sysctl.d/ para conservarlo)</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>no existe la carpeta</translation>
    </message>
</context>
</TS>
