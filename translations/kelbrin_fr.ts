<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>BlendMode</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Dissolve</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>Behind</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Darken</source>
        <translation>Obscurcir</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Color Burn</source>
        <translation>Densité couleur +</translation>
    </message>
    <message>
        <source>Linear Burn</source>
        <translation>Densité linéaire +</translation>
    </message>
    <message>
        <source>Darker Color</source>
        <translation>Couleur plus foncée</translation>
    </message>
    <message>
        <source>Lighten</source>
        <translation>Éclaircir</translation>
    </message>
    <message>
        <source>Screen</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <source>Color Dodge</source>
        <translation>Densité couleur -</translation>
    </message>
    <message>
        <source>Linear Dodge</source>
        <translation>Densité linéaire - (Ajout)</translation>
    </message>
    <message>
        <source>Lighter Color</source>
        <translation>Couleur plus claire</translation>
    </message>
    <message>
        <source>Overlay</source>
        <translation>Incrustation</translation>
    </message>
    <message>
        <source>Soft Light</source>
        <translation>Lumière tamisée</translation>
    </message>
    <message>
        <source>Hard Light</source>
        <translation>Lumière crue</translation>
    </message>
    <message>
        <source>Vivid Light</source>
        <translation>Lumière vive</translation>
    </message>
    <message>
        <source>Linear Light</source>
        <translation>Lumière linéaire</translation>
    </message>
    <message>
        <source>Pin Light</source>
        <translation>Lumière ponctuelle</translation>
    </message>
    <message>
        <source>Hard Mix</source>
        <translation>Mélange maximal</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>Différence</translation>
    </message>
    <message>
        <source>Exclusion</source>
        <translation>Exclusion</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Luminosity</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Linear Height</source>
        <translation>Hauteur linéaire</translation>
    </message>
</context>
<context>
    <name>BrushFileView</name>
    <message>
        <source>Stroke simplified: the preset asks for more dabs or a larger tip than a preview paints</source>
        <translation>Trait simplifié : le préréglage demande plus de touches ou une pointe plus grande qu’un aperçu n’en peint</translation>
    </message>
    <message>
        <source>Patterns</source>
        <translation>Motifs</translation>
    </message>
    <message>
        <source>Settings: %1</source>
        <translation>Réglages : %1</translation>
    </message>
    <message>
        <source>Brushes</source>
        <translation>Brosses</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>échantillonnée</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculée</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>à poils</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>érodable</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>motif</translation>
    </message>
    <message>
        <source>%1 by %2 px</source>
        <translation>%1 sur %2 px</translation>
    </message>
    <message>
        <source>starred</source>
        <translation>favori</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>réglages : %1</translation>
    </message>
</context>
<context>
    <name>BrushInstaller</name>
    <message>
        <source>%1 and %2</source>
        <comment>the last of a list of painting applications</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>GIMP shows the new brushes once its Brushes, Patterns, Paint Dynamics and Tool Presets are refreshed (the Refresh button at the foot of each) or it restarts</source>
        <translation>GIMP montre les nouvelles brosses une fois ses Brosses, Motifs, Dynamiques de peinture et Préréglages d’outils actualisés (le bouton Actualiser au bas de chacun) ou après son redémarrage</translation>
    </message>
    <message>
        <source>If they are running, %1, and Krita once it restarts.</source>
        <translation>S’ils sont ouverts, %1, et Krita après son redémarrage.</translation>
    </message>
    <message>
        <source>If it is running, %1.</source>
        <translation>S’il est ouvert, %1.</translation>
    </message>
    <message>
        <source>If it is running, Krita shows the new brushes once it restarts.</source>
        <translation>S’il est ouvert, Krita montre les nouvelles brosses après son redémarrage.</translation>
    </message>
    <message>
        <source>“%1” was not installed: %2.</source>
        <translation>« %1 » n’a pas été installé : %2.</translation>
    </message>
    <message>
        <source>“%1” could not be installed in %2.</source>
        <translation>« %1 » n’a pas pu être installé dans %2.</translation>
    </message>
    <message>
        <source>“%1” was installed in %2.</source>
        <translation>« %1 » a été installé dans %2.</translation>
    </message>
    <message>
        <source>“%1” is already installed in %2.</source>
        <translation>« %1 » est déjà installé dans %2.</translation>
    </message>
    <message>
        <source>%1: installed %2 (its brushes folder was made for it)</source>
        <translation>%1 : %2 installé (son dossier de brosses a été créé)</translation>
    </message>
    <message>
        <source>%1: installed %2</source>
        <translation>%1 : %2 installé</translation>
    </message>
    <message>
        <source>%1: already installed as %2</source>
        <translation>%1 : déjà installé sous %2</translation>
    </message>
    <message>
        <source>%1: already has %2</source>
        <translation>%1 : a déjà %2</translation>
    </message>
    <message>
        <source>%1: could not write %2: %3</source>
        <translation>%1 : impossible d’écrire %2 : %3</translation>
    </message>
    <message numerus="yes">
        <source>the file is damaged: only %Ln brush(es) could be read from it</source>
        <translation>
            <numerusform>le fichier est endommagé : seule %Ln brosse a pu en être lue</numerusform>
            <numerusform>le fichier est endommagé : seules %Ln brosses ont pu en être lues</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>pas un fichier de brosses</translation>
    </message>
    <message>
        <source>a brush file of version %1, which Kelbrin cannot read</source>
        <translation>un fichier de brosses de version %1, que Kelbrin ne sait pas lire</translation>
    </message>
    <message>
        <source>not enough memory to read it</source>
        <translation>pas assez de mémoire pour le lire</translation>
    </message>
    <message>
        <source>the file holds patterns but no brushes (export them as pictures instead)</source>
        <translation>le fichier contient des motifs mais aucune brosse (exportez-les plutôt en images)</translation>
    </message>
    <message>
        <source>the file holds no brushes</source>
        <translation>le fichier ne contient aucune brosse</translation>
    </message>
    <message>
        <source>not a brush file, or too damaged for any brush to be read</source>
        <translation>pas un fichier de brosses, ou trop endommagé pour qu’une brosse puisse être lue</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a painting application, what its pack holds</comment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, brush %2 %3: %4 (%5)</source>
        <translation>%1, pinceau %2 %3 : %4 (%5)</translation>
    </message>
    <message>
        <source>%1, preset %2 %3: %4</source>
        <translation>%1, préréglage %2 %3 : %4</translation>
    </message>
    <message>
        <source>%1, pattern %2 %3: changed (%4)</source>
        <translation>%1, motif %2 %3 : modifié (%4)</translation>
    </message>
</context>
<context>
    <name>BrushSettings</name>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>fade</source>
        <translation>estomper</translation>
    </message>
    <message>
        <source>pen pressure</source>
        <translation>pression de la plume</translation>
    </message>
    <message>
        <source>pen tilt</source>
        <translation>inclinaison de la plume</translation>
    </message>
    <message>
        <source>stylus wheel</source>
        <translation>roue du stylet</translation>
    </message>
    <message>
        <source>rotation</source>
        <translation>rotation</translation>
    </message>
    <message>
        <source>initial direction</source>
        <translation>direction initiale</translation>
    </message>
    <message>
        <source>direction</source>
        <translation>direction</translation>
    </message>
    <message>
        <source>Shape Dynamics</source>
        <translation>Dynamique de forme</translation>
    </message>
    <message>
        <source>Scattering</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Dual Brush</source>
        <translation>Forme double</translation>
    </message>
    <message>
        <source>Color Dynamics</source>
        <translation>Dynamique de la couleur</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transfert</translation>
    </message>
    <message>
        <source>Brush Pose</source>
        <translation>Pose du pinceau</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>Wet Edges</source>
        <translation>Bords humides</translation>
    </message>
    <message>
        <source>Build-up</source>
        <translation>Aérographe</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>Protect Texture</source>
        <translation>Protéger la texture</translation>
    </message>
    <message>
        <source>Brush Tip Shape</source>
        <translation>Forme de la pointe</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Options d’outil</translation>
    </message>
    <message numerus="yes">
        <source>fade %n steps</source>
        <translation>
            <numerusform>estomper sur %n pas</numerusform>
            <numerusform>estomper sur %n pas</numerusform>
        </translation>
    </message>
    <message>
        <source>control %1</source>
        <translation>contrôle %1</translation>
    </message>
    <message>
        <source>jitter %1 %</source>
        <translation>variation %1 %</translation>
    </message>
    <message>
        <source>minimum %1 %</source>
        <translation>minimum %1 %</translation>
    </message>
</context>
<context>
    <name>BrushViewer</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>X and Y</source>
        <translation>X et Y</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>forme %1</translation>
    </message>
    <message>
        <source>Sampled</source>
        <translation>Échantillonnée</translation>
    </message>
    <message>
        <source>Computed tip</source>
        <translation>Pointe calculée</translation>
    </message>
    <message>
        <source>Bristle tip (preview)</source>
        <translation>Pointe à poils (aperçu)</translation>
    </message>
    <message>
        <source>Airbrush tip (preview)</source>
        <translation>Pointe aérographe (aperçu)</translation>
    </message>
    <message>
        <source>Erodible tip (preview)</source>
        <translation>Pointe érodable (aperçu)</translation>
    </message>
    <message>
        <source>both axes</source>
        <translation>les deux axes</translation>
    </message>
    <message>
        <source>%1, overrides the stylus</source>
        <translation>%1, prime sur le stylet</translation>
    </message>
    <message>
        <source>Fit to Window</source>
        <translation>Adapter à la fenêtre</translation>
    </message>
    <message>
        <source>Checkerboard</source>
        <translation>Damier</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivante</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Fond :</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Pointe</translation>
    </message>
    <message>
        <source>Try</source>
        <translation>Essayer</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sans nom)</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Préréglage</translation>
    </message>
    <message>
        <source>none: a stored tip no preset of the file uses</source>
        <translation>aucun : une pointe enregistrée qu’aucun préréglage du fichier n’utilise</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Stored sample</source>
        <translation>Échantillon enregistré</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>Profondeur</translation>
    </message>
    <message>
        <source>%1-bit</source>
        <translation>%1 bits</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Endommagée</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) lost in the file, left blank</source>
        <translation>
            <numerusform>%n ligne perdue dans le fichier, laissée vide</numerusform>
            <numerusform>%n lignes perdues dans le fichier, laissées vides</numerusform>
        </translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>a drawn preview; Photoshop simulates this tip as it paints</source>
        <translation>un aperçu dessiné ; Photoshop simule cette pointe en peignant</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Pas</translation>
    </message>
    <message>
        <source>off</source>
        <translation>désactivé</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Roundness</source>
        <translation>Arrondi</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureté</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Symétrie</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Bristles</source>
        <translation>Poils</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Thickness</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Stiffness</source>
        <translation>Rigidité</translation>
    </message>
    <message>
        <source>Granularity</source>
        <translation>Granularité</translation>
    </message>
    <message>
        <source>Spatter size</source>
        <translation>Taille des éclaboussures</translation>
    </message>
    <message>
        <source>Spatter amount</source>
        <translation>Quantité d’éclaboussures</translation>
    </message>
    <message>
        <source>Softness</source>
        <translation>Douceur</translation>
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
        <translation>Diamètre minimal</translation>
    </message>
    <message>
        <source>Tilt scale</source>
        <translation>Échelle d’inclinaison</translation>
    </message>
    <message>
        <source>Minimum roundness</source>
        <translation>Arrondi minimal</translation>
    </message>
    <message>
        <source>Flip jitter</source>
        <translation>Variation de la symétrie</translation>
    </message>
    <message>
        <source>Brush projection</source>
        <translation>Projection de la forme</translation>
    </message>
    <message>
        <source>on</source>
        <translation>activé</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Diffusion</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Count jitter</source>
        <translation>Variation du nombre</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Texture each tip</source>
        <translation>Texturer chaque pointe</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Minimum depth</source>
        <translation>Profondeur minimale</translation>
    </message>
    <message>
        <source>Depth jitter</source>
        <translation>Variation de la profondeur</translation>
    </message>
    <message>
        <source>Apply per tip</source>
        <translation>Appliquer à chaque pointe</translation>
    </message>
    <message>
        <source>Foreground/background</source>
        <translation>Premier plan/arrière-plan</translation>
    </message>
    <message>
        <source>Hue jitter</source>
        <translation>Variation de teinte</translation>
    </message>
    <message>
        <source>Saturation jitter</source>
        <translation>Variation de saturation</translation>
    </message>
    <message>
        <source>Brightness jitter</source>
        <translation>Variation de luminosité</translation>
    </message>
    <message>
        <source>Purity</source>
        <translation>Pureté</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Wetness</source>
        <translation>Humidité</translation>
    </message>
    <message>
        <source>Mix</source>
        <translation>Mélange</translation>
    </message>
    <message>
        <source>Tilt X</source>
        <translation>Inclinaison X</translation>
    </message>
    <message>
        <source>Tilt Y</source>
        <translation>Inclinaison Y</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pression</translation>
    </message>
    <message>
        <source>Tool Options</source>
        <translation>Options d’outil</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>Bitmap</source>
        <translation>Bitmap</translation>
    </message>
    <message>
        <source>Greyscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Indexed</source>
        <translation>Couleurs indexées</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RVB</translation>
    </message>
    <message>
        <source>CMYK</source>
        <translation>CMJN</translation>
    </message>
    <message>
        <source>Multichannel</source>
        <translation>Multicouche</translation>
    </message>
    <message>
        <source>Duotone</source>
        <translation>Bichromie</translation>
    </message>
    <message>
        <source>Lab</source>
        <translation>Lab</translation>
    </message>
    <message>
        <source> with alpha</source>
        <translation> avec alpha</translation>
    </message>
    <message>
        <source> (shown as RGB)</source>
        <translation> (affiché en RVB)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>No settings beyond the tip</source>
        <translation>Aucun réglage hormis la pointe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Show the pattern</source>
        <translation>Afficher le motif</translation>
    </message>
    <message>
        <source>Show the pattern %1</source>
        <translation>Afficher le motif %1</translation>
    </message>
    <message>
        <source>The texture&apos;s pattern is not in this file: a plain noise stands in for it.</source>
        <translation>Le motif de la texture n’est pas dans ce fichier : un simple bruit le remplace.</translation>
    </message>
    <message>
        <source>Simplified: the preset asks for more dabs or a larger tip than a preview paints.</source>
        <translation>Simplifié : le préréglage demande plus de touches ou une pointe plus grande qu’un aperçu n’en peint.</translation>
    </message>
    <message>
        <source>Ink colour</source>
        <translation>Couleur de l’encre</translation>
    </message>
    <message>
        <source>Ink…</source>
        <translation>Encre…</translation>
    </message>
    <message>
        <source>The pen pressure a mouse paints with</source>
        <translation>La pression du stylet avec laquelle peint une souris</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save as PNG…</source>
        <translation>Enregistrer en PNG…</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Mouse pressure:</source>
        <translation>Pression de la souris :</translation>
    </message>
    <message>
        <source>Ink Colour</source>
        <translation>Couleur de l’encre</translation>
    </message>
    <message>
        <source>stroke</source>
        <translation>trait</translation>
    </message>
    <message>
        <source>Save as PNG</source>
        <translation>Enregistrer en PNG</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Images PNG (*.png)</translation>
    </message>
    <message>
        <source>Could Not Save</source>
        <translation>Enregistrement impossible</translation>
    </message>
    <message>
        <source>sampled</source>
        <translation>échantillonnée</translation>
    </message>
    <message>
        <source>computed</source>
        <translation>calculée</translation>
    </message>
    <message>
        <source>bristle</source>
        <translation>à poils</translation>
    </message>
    <message>
        <source>erodible</source>
        <translation>érodable</translation>
    </message>
    <message>
        <source>%1:</source>
        <comment>a fact&apos;s label, &quot;Size:&quot;</comment>
        <translation>%1 :</translation>
    </message>
    <message>
        <source>Brush tip</source>
        <translation>Pointe de la brosse</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>How the brush paints</source>
        <translation>Comment la brosse peint</translation>
    </message>
    <message>
        <source>Sheet to try the brush on</source>
        <translation>Feuille pour essayer la brosse</translation>
    </message>
    <message>
        <source>The colour strokes on the sheet are painted in</source>
        <translation>La couleur des traits sur la feuille</translation>
    </message>
    <message>
        <source>Tip size</source>
        <translation>Taille de la pointe</translation>
    </message>
    <message>
        <source>Mouse pressure</source>
        <translation>Pression de la souris</translation>
    </message>
    <message>
        <source>Wipes the strokes off the sheet</source>
        <translation>Efface les traits de la feuille</translation>
    </message>
    <message>
        <source>Saves the sheet&apos;s strokes as a PNG image</source>
        <translation>Enregistre les traits de la feuille en image PNG</translation>
    </message>
    <message>
        <source>%1%</source>
        <comment>zoom</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Round Point</source>
        <translation>Ronde pointue</translation>
    </message>
    <message>
        <source>Round Blunt</source>
        <translation>Ronde émoussée</translation>
    </message>
    <message>
        <source>Round Curve</source>
        <translation>Ronde incurvée</translation>
    </message>
    <message>
        <source>Round Angle</source>
        <translation>Ronde biseautée</translation>
    </message>
    <message>
        <source>Round Fan</source>
        <translation>Éventail rond</translation>
    </message>
    <message>
        <source>Flat Point</source>
        <translation>Plate pointue</translation>
    </message>
    <message>
        <source>Flat Blunt</source>
        <translation>Plate émoussée</translation>
    </message>
    <message>
        <source>Flat Curve</source>
        <translation>Plate incurvée</translation>
    </message>
    <message>
        <source>Flat Angle</source>
        <translation>Plate biseautée</translation>
    </message>
    <message>
        <source>Flat Fan</source>
        <translation>Éventail plat</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Pointe</translation>
    </message>
    <message>
        <source>Flat</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carrée</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triangle</translation>
    </message>
</context>
<context>
    <name>BrushWindow</name>
    <message>
        <source>Thumbnail size</source>
        <translation>Taille des vignettes</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>&amp;Installer</translation>
    </message>
    <message>
        <source>&amp;Install in %1</source>
        <translation>&amp;Installer dans %1</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Install in %1</source>
        <translation>Installer dans %1</translation>
    </message>
    <message>
        <source>Open Brush File</source>
        <translation>Ouvrir un fichier de brosses</translation>
    </message>
    <message>
        <source>Brush files (*.abr *.ABR);;All files (*)</source>
        <translation>Fichiers de brosses (*.abr *.ABR);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Looking for brush files</source>
        <translation>Recherche des fichiers de brosses</translation>
    </message>
    <message>
        <source>Fewer, larger brushes a row to the right</source>
        <translation>Vers la droite : moins de brosses par rangée, plus grandes</translation>
    </message>
</context>
<context>
    <name>CBrushCataloguer</name>
    <message numerus="yes">
        <source>Cataloguing brushes… %1 of %Ln file(s)</source>
        <translation>
            <numerusform>Catalogage des brosses… %1 sur %Ln fichier</numerusform>
            <numerusform>Catalogage des brosses… %1 sur %Ln fichiers</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DuplicatesDialog</name>
    <message>
        <source>Duplicates</source>
        <translation>Doublons</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Afficher dans le &amp;gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mettre à la &amp;corbeille</translation>
    </message>
    <message numerus="yes">
        <source>No duplicates found among %Ln catalogued files.</source>
        <translation>
            <numerusform>Aucun doublon parmi %Ln fichier catalogué.</numerusform>
            <numerusform>Aucun doublon parmi %Ln fichiers catalogués.</numerusform>
        </translation>
    </message>
    <message>
        <source>Duplicate brushes</source>
        <translation>Brosses en double</translation>
    </message>
</context>
<context>
    <name>DuplicatesModel</name>
    <message numerus="yes">
        <source>%n identical files</source>
        <translation>
            <numerusform>%n fichier identique</numerusform>
            <numerusform>%n fichiers identiques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>“%1” in %n files</source>
        <translation>
            <numerusform>« %1 » dans %n fichier</numerusform>
            <numerusform>« %1 » dans %n fichiers</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>One tip in %n files</source>
        <translation>
            <numerusform>Une pointe dans %n fichier</numerusform>
            <numerusform>Une pointe dans %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>Brosse</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
</context>
<context>
    <name>ExportController</name>
    <message>
        <source>
… and %1 more</source>
        <translation>
… et %1 de plus</translation>
    </message>
    <message>
        <source>Export Brushes as Images</source>
        <translation>Exporter les brosses en images</translation>
    </message>
    <message>
        <source>Some brushes of “%1” could not be written.</source>
        <translation>Certaines brosses de « %1 » n’ont pas pu être écrites.</translation>
    </message>
    <message>
        <source>Some brushes of “%1” were too large to write at full size.</source>
        <translation>Certaines brosses de « %1 » étaient trop grandes pour être écrites en taille réelle.</translation>
    </message>
    <message>
        <source>Some strokes of “%1” were not painted exactly as their presets ask.</source>
        <translation>Certains traits de « %1 » n’ont pas été peints exactement comme leurs préréglages le demandent.</translation>
    </message>
    <message>
        <source>Use transparency</source>
        <translation>Utiliser la transparence</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Pointes</translation>
    </message>
    <message>
        <source>Strokes (how each preset paints)</source>
        <translation>Traits (comment peint chaque préréglage)</translation>
    </message>
    <message>
        <source>By number (0.png, 1.png, …)</source>
        <translation>Par numéro (0.png, 1.png, …)</translation>
    </message>
    <message>
        <source>By brush name</source>
        <translation>Par nom de brosse</translation>
    </message>
    <message>
        <source>Pad numbers with zeros (007.png)</source>
        <translation>Compléter les numéros par des zéros (007.png)</translation>
    </message>
    <message>
        <source>Open the folder when done</source>
        <translation>Ouvrir le dossier à la fin</translation>
    </message>
    <message>
        <source>Images of:</source>
        <translation>Images des :</translation>
    </message>
    <message>
        <source>Name files:</source>
        <translation>Noms des fichiers :</translation>
    </message>
    <message>
        <source>Painting the strokes of “%1”…</source>
        <translation>Peinture des traits de « %1 »…</translation>
    </message>
    <message>
        <source>Writing the brushes of “%1”…</source>
        <translation>Écriture des brosses de « %1 »…</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>“%1” has no brushes to export.</source>
        <translation>« %1 » n’a aucune brosse à exporter.</translation>
    </message>
    <message>
        <source>The folder could not be made: %1</source>
        <translation>Le dossier n’a pas pu être créé : %1</translation>
    </message>
    <message>
        <source>Images of</source>
        <translation>Images des</translation>
    </message>
    <message>
        <source>Name files</source>
        <translation>Nommer les fichiers</translation>
    </message>
</context>
<context>
    <name>FileActionsController</name>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The brush file could not be moved to the Trash.</source>
        <translation>Le fichier de brosses n’a pas pu être mis à la corbeille.</translation>
    </message>
    <message>
        <source>Kelbrin did not write it: it belongs to another application, and Kelbrin leaves it alone.</source>
        <translation>Kelbrin ne l’a pas écrit : il appartient à une autre application, et Kelbrin n’y touche pas.</translation>
    </message>
    <message>
        <source>Check that you may change the folder that holds the file.</source>
        <translation>Vérifiez que vous pouvez modifier le dossier qui contient le fichier.</translation>
    </message>
    <message>
        <source>“%1” was moved to the trash.</source>
        <translation>« %1 » a été mis à la corbeille.</translation>
    </message>
    <message>
        <source>The file could not be taken back from the trash</source>
        <translation>Le fichier n’a pas pu être repris de la corbeille</translation>
    </message>
    <message>
        <source>“%1” is back in %2.</source>
        <translation>« %1 » est de retour dans %2.</translation>
    </message>
    <message>
        <source>Show in Folder</source>
        <translation>Afficher dans le dossier</translation>
    </message>
    <message>
        <source>GIMP and Krita get the brushes in their own formats:</source>
        <translation>GIMP et Krita reçoivent les brosses dans leurs propres formats :</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message numerus="yes">
        <source>%Ln image(s) written to %1</source>
        <translation>
            <numerusform>%Ln image écrite dans %1</numerusform>
            <numerusform>%Ln images écrites dans %1</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 of them drawn previews of bristle or erodible tips</source>
        <translation>, dont %1 aperçus dessinés de pointes à poils ou érodables</translation>
    </message>
    <message>
        <source>, %1 could not be written</source>
        <translation>, %1 n’ont pas pu être écrites</translation>
    </message>
    <message>
        <source> (stopped before the end)</source>
        <translation> (arrêté avant la fin)</translation>
    </message>
</context>
<context>
    <name>FileManagerLauncher</name>
    <message>
        <source>Neither the desktop&apos;s file manager nor xdg-open answered. The folder is:</source>
        <translation>Ni le gestionnaire de fichiers du bureau ni xdg-open n’ont répondu. Le dossier est :</translation>
    </message>
    <message>
        <source>No file manager could open the folder “%1”.</source>
        <translation>Aucun gestionnaire de fichiers n’a pu ouvrir le dossier « %1 ».</translation>
    </message>
    <message>
        <source>No file manager could show “%1”.</source>
        <translation>Aucun gestionnaire de fichiers n’a pu afficher « %1 ».</translation>
    </message>
</context>
<context>
    <name>FileOutlineView</name>
    <message>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Favourite</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Tags…</source>
        <translation>Étiquettes…</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
</context>
<context>
    <name>InstallResultDialog</name>
    <message>
        <source>Installed (its brushes folder was made)</source>
        <translation>Installé (son dossier de brosses a été créé)</translation>
    </message>
    <message>
        <source>Installed</source>
        <translation>Installé</translation>
    </message>
    <message>
        <source>Already installed as “%1”</source>
        <translation>Déjà installé sous « %1 »</translation>
    </message>
    <message>
        <source>Already installed</source>
        <translation>Déjà installé</translation>
    </message>
    <message>
        <source>Not installed: %1</source>
        <translation>Non installé : %1</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Show %1 in the file manager</source>
        <translation>Afficher %1 dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Show the %1 folder</source>
        <translation>Afficher le dossier de %1</translation>
    </message>
</context>
<context>
    <name>InstalledFileOutlineModel</name>
    <message>
        <source>%1 — Local Brushes</source>
        <comment>a painting application&apos;s second brushes folder</comment>
        <translation>%1 — Brosses locales</translation>
    </message>
</context>
<context>
    <name>LibraryController</name>
    <message>
        <source> It has been set aside as %1, and a new one is made at the next start.</source>
        <translation> Elle a été mise de côté sous %1, et une nouvelle sera créée au prochain démarrage.</translation>
    </message>
    <message>
        <source> The library is off until the next start.</source>
        <translation> La bibliothèque est désactivée jusqu’au prochain démarrage.</translation>
    </message>
    <message>
        <source>There is no brush library to keep it in.</source>
        <translation>Il n’y a pas de bibliothèque de brosses pour le conserver.</translation>
    </message>
    <message>
        <source>The brush library is not ready yet: it is being checked.</source>
        <translation>La bibliothèque de brosses n’est pas encore prête : elle est en cours de vérification.</translation>
    </message>
</context>
<context>
    <name>LibraryResultsModel</name>
    <message>
        <source>Brush %1</source>
        <translation>Brosse %1</translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, favori</translation>
    </message>
    <message>
        <source>Brush %1 in %2</source>
        <translation>Brosse %1 dans %2</translation>
    </message>
</context>
<context>
    <name>LibraryResultsView</name>
    <message>
        <source>No brushes named “%1” in the library</source>
        <translation>Aucune brosse nommée « %1 » dans la bibliothèque</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — more than %2, %2 shown</source>
        <translation>Brosses nommées « %1 » dans la bibliothèque — plus de %2, %2 affichées</translation>
    </message>
    <message>
        <source>Brushes named “%1” in the library — %2</source>
        <translation>Brosses nommées « %1 » dans la bibliothèque — %2</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Afficher dans le &amp;gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Brosse &amp;favorite</translation>
    </message>
    <message>
        <source>Brushes found in the library</source>
        <translation>Brosses trouvées dans la bibliothèque</translation>
    </message>
</context>
<context>
    <name>MarksController</name>
    <message>
        <source>&amp;Favourite Brush</source>
        <translation>Brosse &amp;favorite</translation>
    </message>
    <message>
        <source>Fa&amp;vourite File</source>
        <translation>Fichier fa&amp;vori</translation>
    </message>
    <message>
        <source>T&amp;ags…</source>
        <translation>É&amp;tiquettes…</translation>
    </message>
    <message>
        <source>&amp;Duplicates…</source>
        <translation>&amp;Doublons…</translation>
    </message>
    <message>
        <source>The brush library could not keep that</source>
        <translation>La bibliothèque de brosses n’a pas pu le conserver</translation>
    </message>
</context>
<context>
    <name>OutlineModel</name>
    <message>
        <source>Tags: %1</source>
        <translation>Étiquettes : %1</translation>
    </message>
    <message numerus="yes">
        <source>%1, folder, %n brush file(s)</source>
        <translation>
            <numerusform>%1, dossier, %n fichier de brosses</numerusform>
            <numerusform>%1, dossier, %n fichiers de brosses</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, starred</source>
        <translation>%1, favori</translation>
    </message>
</context>
<context>
    <name>OutlinesController</name>
    <message>
        <source>Filter brush files</source>
        <translation>Filtrer les fichiers</translation>
    </message>
    <message>
        <source>Show all files, the favourites, or the files of one tag</source>
        <translation>Afficher tous les fichiers, les favoris ou les fichiers d’une étiquette</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Installed Brushes</source>
        <translation>Brosses installées</translation>
    </message>
    <message>
        <source>No favourite brush file names contain “%1”</source>
        <translation>Aucun nom de fichier de brosses favori ne contient « %1 »</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” have names containing “%2”</source>
        <translation>Aucun fichier de brosses étiqueté « %1 » n’a de nom contenant « %2 »</translation>
    </message>
    <message>
        <source>No favourite brush files here</source>
        <translation>Aucun fichier de brosses favori ici</translation>
    </message>
    <message>
        <source>No brush files tagged “%1” here</source>
        <translation>Aucun fichier de brosses étiqueté « %1 » ici</translation>
    </message>
    <message>
        <source>No brush file names contain “%1”</source>
        <translation>Aucun nom de fichier de brosses ne contient « %1 »</translation>
    </message>
    <message>
        <source>Searching for brush files…</source>
        <translation>Recherche des fichiers de brosses…</translation>
    </message>
    <message>
        <source>No brush files found</source>
        <translation>Aucun fichier de brosses trouvé</translation>
    </message>
    <message>
        <source>No brush files found in:</source>
        <translation>Aucun fichier de brosses trouvé dans :</translation>
    </message>
    <message>
        <source>Shows only the files whose name or tags hold these words</source>
        <translation>N’affiche que les fichiers dont le nom ou les étiquettes contiennent ces mots</translation>
    </message>
    <message>
        <source>Files shown</source>
        <translation>Fichiers affichés</translation>
    </message>
    <message>
        <source>Brush files</source>
        <translation>Fichiers de brosses</translation>
    </message>
</context>
<context>
    <name>PackReport</name>
    <message>
        <source>loses its texture &quot;%1&quot; (the pattern is in the pack)</source>
        <translation>perd sa texture « %1 » (le motif est dans le paquet)</translation>
    </message>
    <message>
        <source>loses its texture &quot;%1&quot; (the file does not carry it)</source>
        <translation>perd sa texture « %1 » (le fichier ne la contient pas)</translation>
    </message>
    <message>
        <source>characters of its name that are no text replaced or removed</source>
        <translation>caractères du nom qui ne sont pas du texte remplacés ou supprimés</translation>
    </message>
    <message>
        <source>name shortened to %1 bytes</source>
        <translation>nom raccourci à %1 octets</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer), written as 25 %</source>
        <translation>pas désactivé (une touche à chaque mouvement du pointeur), écrit à 25 %</translation>
    </message>
    <message>
        <source>settings not carried (%1)</source>
        <translation>réglages non repris (%1)</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>mode %1</translation>
    </message>
    <message>
        <source>opacity %1</source>
        <translation>opacité %1</translation>
    </message>
    <message>
        <source>flow %1</source>
        <translation>flux %1</translation>
    </message>
    <message>
        <source>smoothing %1</source>
        <translation>lissage %1</translation>
    </message>
    <message>
        <source>tool options not carried (%1)</source>
        <translation>options d’outil non reprises (%1)</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>modifié</translation>
    </message>
    <message>
        <source>not carried</source>
        <translation>non repris</translation>
    </message>
    <message>
        <source>kept</source>
        <translation>conservé</translation>
    </message>
    <message>
        <source>approximated</source>
        <translation>approché</translation>
    </message>
    <message>
        <source>no pixels to carry</source>
        <translation>aucun pixel à reprendre</translation>
    </message>
    <message>
        <source>soft edge painted by GIMP&apos;s own curve</source>
        <translation>bord doux peint selon la courbe propre à GIMP</translation>
    </message>
    <message>
        <source>roundness raised to GIMP&apos;s 5 %</source>
        <translation>arrondi relevé aux 5 % de GIMP</translation>
    </message>
    <message>
        <source>reduced to GIMP&apos;s largest radius, 4,000 pixels</source>
        <translation>réduit au plus grand rayon de GIMP, 4 000 pixels</translation>
    </message>
    <message>
        <source>%1-bit reduced to 8-bit</source>
        <translation>%1 bits réduits à 8 bits</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 pixels</source>
        <translation>mis à l’échelle de %1 à %2 pixels</translation>
    </message>
    <message>
        <source>GIMP averages its control and its jitter rather than combining them</source>
        <translation>GIMP fait la moyenne du contrôle et de la variation au lieu de les combiner</translation>
    </message>
    <message>
        <source>%1 control</source>
        <translation>%1 (contrôle)</translation>
    </message>
    <message>
        <source>GIMP has no input like control %1</source>
        <translation>GIMP n’a aucune entrée comme le contrôle %1</translation>
    </message>
    <message>
        <source>fades over %1 pixels (%2 steps) along GIMP&apos;s eased curve</source>
        <translation>s’estompe sur %1 pixels (%2 pas) selon la courbe adoucie de GIMP</translation>
    </message>
    <message>
        <source>clamped to GIMP&apos;s longest fade</source>
        <translation>limité à l’estompage le plus long de GIMP</translation>
    </message>
    <message>
        <source>fades over the length of the %1, GIMP having one fade a preset</source>
        <translation>s’estompe sur la longueur de %1, GIMP n’ayant qu’un estompage par préréglage</translation>
    </message>
    <message>
        <source>%1 jitter</source>
        <translation>%1 (variation)</translation>
    </message>
    <message>
        <source>size</source>
        <translation>taille</translation>
    </message>
    <message>
        <source>angle</source>
        <translation>angle</translation>
    </message>
    <message>
        <source>roundness</source>
        <translation>arrondi</translation>
    </message>
    <message>
        <source>flip x</source>
        <translation>symétrie X</translation>
    </message>
    <message>
        <source>flip y</source>
        <translation>symétrie Y</translation>
    </message>
    <message>
        <source>hardness</source>
        <translation>dureté</translation>
    </message>
    <message>
        <source>spacing</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>spacing off (a dab at each move of the pointer) written as 25 %</source>
        <translation>pas désactivé (une touche à chaque mouvement du pointeur) écrit à 25 %</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>pointe</translation>
    </message>
    <message>
        <source>drawn as one still tip: GIMP&apos;s paintbrush has no bristle or wearing tips</source>
        <translation>dessinée comme une pointe fixe : le pinceau de GIMP n’a pas de pointe à poils ni de pointe qui s’use</translation>
    </message>
    <message>
        <source>tilt scale</source>
        <translation>échelle d’inclinaison</translation>
    </message>
    <message>
        <source>GIMP&apos;s size follows tilt along one curve only</source>
        <translation>la taille de GIMP ne suit l’inclinaison que selon une seule courbe</translation>
    </message>
    <message>
        <source>as GIMP&apos;s aspect ratio, which squashes the tip on a scale of its own</source>
        <translation>comme rapport d’aspect de GIMP, qui écrase la pointe selon sa propre échelle</translation>
    </message>
    <message>
        <source>flip x jitter</source>
        <translation>variation de la symétrie X</translation>
    </message>
    <message>
        <source>GIMP flips no tip at random</source>
        <translation>GIMP ne retourne aucune pointe au hasard</translation>
    </message>
    <message>
        <source>flip y jitter</source>
        <translation>variation de la symétrie Y</translation>
    </message>
    <message>
        <source>brush projection</source>
        <translation>projection de la forme</translation>
    </message>
    <message>
        <source>GIMP does not project the tip by the pen&apos;s tilt</source>
        <translation>GIMP ne projette pas la pointe selon l’inclinaison du stylet</translation>
    </message>
    <message>
        <source>GIMP scatters along the stroke as well as across it</source>
        <translation>GIMP diffuse le long du trait comme en travers</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s %2</source>
        <translation>%1 limité aux %2 de GIMP</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>diffusion</translation>
    </message>
    <message>
        <source>scatter control</source>
        <translation>contrôle de la diffusion</translation>
    </message>
    <message>
        <source>there is no scatter for it to drive</source>
        <translation>il n’y a aucune diffusion à piloter</translation>
    </message>
    <message>
        <source>count</source>
        <translation>nombre</translation>
    </message>
    <message>
        <source>GIMP lays one dab at each step</source>
        <translation>GIMP pose une touche à chaque pas</translation>
    </message>
    <message>
        <source>count jitter</source>
        <translation>variation du nombre</translation>
    </message>
    <message>
        <source>foreground/background</source>
        <translation>premier plan/arrière-plan</translation>
    </message>
    <message>
        <source>picked from GIMP&apos;s foreground-to-background gradient</source>
        <translation>pris dans le dégradé premier plan-arrière-plan de GIMP</translation>
    </message>
    <message>
        <source>hue jitter</source>
        <translation>variation de teinte</translation>
    </message>
    <message>
        <source>saturation jitter</source>
        <translation>variation de saturation</translation>
    </message>
    <message>
        <source>brightness jitter</source>
        <translation>variation de luminosité</translation>
    </message>
    <message>
        <source>purity</source>
        <translation>pureté</translation>
    </message>
    <message>
        <source>GIMP varies colour only along a gradient</source>
        <translation>GIMP ne fait varier la couleur que le long d’un dégradé</translation>
    </message>
    <message>
        <source>opacity</source>
        <translation>opacité</translation>
    </message>
    <message>
        <source>flow</source>
        <translation>flux</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush has no flow</source>
        <translation>le pinceau de GIMP n’a pas de flux</translation>
    </message>
    <message>
        <source>wetness</source>
        <translation>humidité</translation>
    </message>
    <message>
        <source>GIMP has no mixer brush</source>
        <translation>GIMP n’a pas de pinceau mélangeur</translation>
    </message>
    <message>
        <source>mix</source>
        <translation>mélange</translation>
    </message>
    <message>
        <source>texture</source>
        <translation>texture</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern</source>
        <translation>le pinceau de GIMP ne peint à travers aucun motif</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints through no pattern, and the file has none</source>
        <translation>le pinceau de GIMP ne peint à travers aucun motif, et le fichier n’en contient pas</translation>
    </message>
    <message>
        <source>dual brush</source>
        <translation>forme double</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush paints with one tip</source>
        <translation>le pinceau de GIMP peint avec une seule pointe</translation>
    </message>
    <message>
        <source>brush pose</source>
        <translation>pose du pinceau</translation>
    </message>
    <message>
        <source>GIMP takes tilt, rotation and pressure from the pen alone</source>
        <translation>GIMP prend l’inclinaison, la rotation et la pression du stylet seul</translation>
    </message>
    <message>
        <source>noise</source>
        <translation>bruit</translation>
    </message>
    <message>
        <source>GIMP adds no noise to a tip&apos;s edge</source>
        <translation>GIMP n’ajoute aucun bruit au bord d’une pointe</translation>
    </message>
    <message>
        <source>wet edges</source>
        <translation>bords humides</translation>
    </message>
    <message>
        <source>GIMP paints no wet edges</source>
        <translation>GIMP ne peint pas de bords humides</translation>
    </message>
    <message>
        <source>build-up</source>
        <translation>aérographe</translation>
    </message>
    <message>
        <source>GIMP&apos;s paintbrush lays no paint while held still (its airbrush does)</source>
        <translation>le pinceau de GIMP ne dépose rien quand il est immobile (son aérographe, si)</translation>
    </message>
    <message>
        <source>smoothing</source>
        <translation>lissage</translation>
    </message>
    <message>
        <source>GIMP&apos;s stroke smoothing at its own weight</source>
        <translation>le lissage de trait de GIMP, à son propre poids</translation>
    </message>
    <message>
        <source>protect texture</source>
        <translation>protéger la texture</translation>
    </message>
    <message>
        <source>%1 clamped to GIMP&apos;s 0 to 100 %</source>
        <translation>%1 limité à la plage de 0 à 100 % de GIMP</translation>
    </message>
    <message>
        <source>mode</source>
        <translation>mode</translation>
    </message>
    <message>
        <source>GIMP has no mode like %1; painted in Normal</source>
        <translation>GIMP n’a aucun mode comme %1 ; peint en Normal</translation>
    </message>
    <message>
        <source>as GIMP&apos;s %1</source>
        <translation>comme le %1 de GIMP</translation>
    </message>
    <message>
        <source>airbrush tip written as a preview image</source>
        <translation>pointe d’aérographe écrite comme image d’aperçu</translation>
    </message>
    <message>
        <source>bristle tip written as a preview image</source>
        <translation>pointe à poils écrite comme image d’aperçu</translation>
    </message>
    <message>
        <source>erodible tip written as a preview image</source>
        <translation>pointe érodable écrite comme image d’aperçu</translation>
    </message>
    <message>
        <source>computed tip drawn as pixels</source>
        <translation>pointe calculée dessinée en pixels</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt elevation</source>
        <translation>inclinaison du stylet comme élévation d’inclinaison de Krita</translation>
    </message>
    <message>
        <source>the stroke&apos;s direction as Krita&apos;s drawing angle</source>
        <translation>la direction du trait comme angle de dessin de Krita</translation>
    </message>
    <message>
        <source>its control (%1) is none Krita knows, left off</source>
        <translation>son contrôle (%1) est inconnu de Krita, laissé de côté</translation>
    </message>
    <message>
        <source>%1 is beyond Krita&apos;s range, written as %2</source>
        <translation>%1 dépasse la plage de Krita, écrit à %2</translation>
    </message>
    <message>
        <source>as the fade of Krita&apos;s round tip, which softens its edge along another curve</source>
        <translation>comme l’estompage de la pointe ronde de Krita, qui adoucit son bord selon une autre courbe</translation>
    </message>
    <message>
        <source>%1 dabs a step as spacing divided by %1</source>
        <translation>%1 touches par pas comme pas divisé par %1</translation>
    </message>
    <message>
        <source>a bristle tip as its drawn picture, in Krita&apos;s pixel brush: Krita&apos;s bristle engine takes none of Photoshop&apos;s bristle settings</source>
        <translation>une pointe à poils sous forme de son image dessinée, dans le pinceau pixel de Krita : le moteur à poils de Krita ne reprend aucun réglage de poils de Photoshop</translation>
    </message>
    <message>
        <source>an erodible tip as its drawn picture, in Krita&apos;s pixel brush, which does not wear</source>
        <translation>une pointe érodable sous forme de son image dessinée, dans le pinceau pixel de Krita, qui ne s’use pas</translation>
    </message>
    <message>
        <source>the tip is written smaller; Krita enlarges it %1 times to the preset&apos;s %2 pixels</source>
        <translation>la pointe est écrite plus petite ; Krita l’agrandit %1 fois jusqu’aux %2 pixels du préréglage</translation>
    </message>
    <message>
        <source>flip</source>
        <translation>symétrie</translation>
    </message>
    <message>
        <source>Krita&apos;s tilt sensor has no scale of its own</source>
        <translation>le capteur d’inclinaison de Krita n’a pas d’échelle propre</translation>
    </message>
    <message>
        <source>pen tilt as Krita&apos;s tilt direction</source>
        <translation>inclinaison du stylet comme direction d’inclinaison de Krita</translation>
    </message>
    <message>
        <source>the jitter as Krita&apos;s random rotation, at the strength of the control as well</source>
        <translation>la variation comme rotation aléatoire de Krita, à la force du contrôle aussi</translation>
    </message>
    <message>
        <source>flip jitter</source>
        <translation>variation de la symétrie</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not lay the tip on the pen&apos;s tilt</source>
        <translation>le pinceau pixel de Krita ne couche pas la pointe selon l’inclinaison du stylet</translation>
    </message>
    <message>
        <source>across the stroke as Krita&apos;s Y axis</source>
        <translation>en travers du trait comme axe Y de Krita</translation>
    </message>
    <message>
        <source>as closer spacing: Krita&apos;s pixel brush lays one dab a step</source>
        <translation>comme un pas plus serré : le pinceau pixel de Krita pose une touche par pas</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush lays one dab a step</source>
        <translation>le pinceau pixel de Krita pose une touche par pas</translation>
    </message>
    <message>
        <source>pattern</source>
        <translation>motif</translation>
    </message>
    <message>
        <source>the file does not carry the pattern &quot;%1&quot;</source>
        <translation>le fichier ne contient pas le motif « %1 »</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>échelle</translation>
    </message>
    <message>
        <source>invert</source>
        <translation>inverser</translation>
    </message>
    <message>
        <source>brightness and contrast</source>
        <translation>luminosité et contraste</translation>
    </message>
    <message>
        <source>on Krita&apos;s scales, which are not Photoshop&apos;s</source>
        <translation>sur les échelles de Krita, qui ne sont pas celles de Photoshop</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita has</source>
        <translation>%1 comme Produit, que Krita possède</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>aucun mode</translation>
    </message>
    <message>
        <source>depth</source>
        <translation>profondeur</translation>
    </message>
    <message>
        <source>depth jitter</source>
        <translation>variation de la profondeur</translation>
    </message>
    <message>
        <source>texture each tip off</source>
        <translation>texturer chaque pointe désactivé</translation>
    </message>
    <message>
        <source>Krita textures each dab</source>
        <translation>Krita texture chaque touche</translation>
    </message>
    <message>
        <source>the file does not carry the dual brush&apos;s tip</source>
        <translation>le fichier ne contient pas la pointe de la forme double</translation>
    </message>
    <message>
        <source>%1 as Multiply, which Krita&apos;s masking brush has</source>
        <translation>%1 comme Produit, que possède le pinceau de masquage de Krita</translation>
    </message>
    <message>
        <source>its angle of %1° left out</source>
        <translation>son angle de %1° laissé de côté</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush is not flipped at random</source>
        <translation>le pinceau de masquage de Krita n’est pas retourné au hasard</translation>
    </message>
    <message>
        <source>Krita&apos;s masking brush lays one dab a step</source>
        <translation>le pinceau de masquage de Krita pose une touche par pas</translation>
    </message>
    <message>
        <source>as Krita&apos;s random %1 shift</source>
        <translation>comme décalage aléatoire de %1 de Krita</translation>
    </message>
    <message>
        <source>hue</source>
        <translation>teinte</translation>
    </message>
    <message>
        <source>saturation</source>
        <translation>saturation</translation>
    </message>
    <message>
        <source>brightness</source>
        <translation>luminosité</translation>
    </message>
    <message>
        <source>control</source>
        <translation>contrôle</translation>
    </message>
    <message>
        <source>as Krita&apos;s mix toward the background colour</source>
        <translation>comme mélange de Krita vers la couleur d’arrière-plan</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no steady saturation shift</source>
        <translation>le pinceau pixel de Krita n’a pas de décalage de saturation constant</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush does not mix paint on the canvas</source>
        <translation>le pinceau pixel de Krita ne mélange pas la peinture sur la toile</translation>
    </message>
    <message>
        <source>Krita has no blend mode %1</source>
        <translation>Krita n’a pas de mode de fusion %1</translation>
    </message>
    <message>
        <source>Krita keeps smoothing with its brush tool, not in a preset</source>
        <translation>Krita garde le lissage avec son outil pinceau, pas dans un préréglage</translation>
    </message>
    <message>
        <source>pose</source>
        <translation>pose</translation>
    </message>
    <message>
        <source>Krita&apos;s presets take the pen&apos;s own tilt, rotation and pressure</source>
        <translation>les préréglages de Krita prennent l’inclinaison, la rotation et la pression du stylet lui-même</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush adds no grain to a tip&apos;s soft edges</source>
        <translation>le pinceau pixel de Krita n’ajoute pas de grain aux bords doux d’une pointe</translation>
    </message>
    <message>
        <source>Krita&apos;s pixel brush has no wet edges</source>
        <translation>le pinceau pixel de Krita n’a pas de bords humides</translation>
    </message>
    <message>
        <source>each Krita preset keeps its own texture</source>
        <translation>chaque préréglage de Krita garde sa propre texture</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n pinceau</numerusform>
            <numerusform>%n pinceaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed</source>
        <translation>
            <numerusform>%n modifié</numerusform>
            <numerusform>%n modifiés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not carried</source>
        <translation>
            <numerusform>%n non repris</numerusform>
            <numerusform>%n non repris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n preset(s)</source>
        <translation>
            <numerusform>%n préréglage</numerusform>
            <numerusform>%n préréglages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximated</source>
        <translation>
            <numerusform>%n approché</numerusform>
            <numerusform>%n approchés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n motif</numerusform>
            <numerusform>%n motifs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose their texture</source>
        <translation>
            <numerusform>%n pinceau perd sa texture</numerusform>
            <numerusform>%n pinceaux perdent leur texture</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es) lose settings</source>
        <translation>
            <numerusform>%n pinceau perd des réglages</numerusform>
            <numerusform>%n pinceaux perdent des réglages</numerusform>
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
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <comment>a heading, a setting, a fate</comment>
        <translation>%1, %2 : %3</translation>
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
        <translation>pas un fichier de brosses valide, ou endommagé</translation>
    </message>
    <message>
        <source>the file ended early</source>
        <translation>le fichier s’arrête trop tôt</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>error %1</source>
        <translation>erreur %1</translation>
    </message>
    <message>
        <source>not a brush file</source>
        <translation>pas un fichier de brosses</translation>
    </message>
    <message>
        <source>unsupported version %1</source>
        <translation>version %1 non prise en charge</translation>
    </message>
</context>
<context>
    <name>ReadMessageBar</name>
    <message>
        <source>Not a brush file</source>
        <translation>Pas un fichier de brosses</translation>
    </message>
    <message>
        <source>Not a brush file Kelbrin can read (version %1)</source>
        <translation>Pas un fichier de brosses que Kelbrin sait lire (version %1)</translation>
    </message>
    <message>
        <source>This file is damaged: %1 and %2 could be read</source>
        <translation>Ce fichier est endommagé : %1 et %2 ont pu être lus</translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln brosse</numerusform>
            <numerusform>%Ln brosses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln pattern(s)</source>
        <translation>
            <numerusform>%Ln motif</numerusform>
            <numerusform>%Ln motifs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This file is damaged: %Ln brush(es) could be read</source>
        <translation>
            <numerusform>Ce fichier est endommagé : %Ln brosse a pu être lue</numerusform>
            <numerusform>Ce fichier est endommagé : %Ln brosses ont pu être lues</numerusform>
        </translation>
    </message>
    <message>
        <source>not enough memory to read this file</source>
        <translation>pas assez de mémoire pour lire ce fichier</translation>
    </message>
</context>
<context>
    <name>ReadingController</name>
    <message numerus="yes">
        <source>Reading… %Ln brush(es)</source>
        <translation>
            <numerusform>Lecture… %Ln brosse</numerusform>
            <numerusform>Lecture… %Ln brosses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln brush(es)</source>
        <translation>
            <numerusform>%Ln brosse</numerusform>
            <numerusform>%Ln brosses</numerusform>
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
            <numerusform>%Ln motif</numerusform>
            <numerusform>%Ln motifs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln sampled</source>
        <translation>
            <numerusform>%Ln échantillonnée</numerusform>
            <numerusform>%Ln échantillonnées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln computed</source>
        <translation>
            <numerusform>%Ln calculée</numerusform>
            <numerusform>%Ln calculées</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln bristle</source>
        <translation>
            <numerusform>%Ln à poils</numerusform>
            <numerusform>%Ln à poils</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln erodible</source>
        <translation>
            <numerusform>%Ln érodable</numerusform>
            <numerusform>%Ln érodables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> — %Ln selected</source>
        <translation>
            <numerusform> — %Ln sélectionnée</numerusform>
            <numerusform> — %Ln sélectionnées</numerusform>
        </translation>
    </message>
    <message>
        <source>Reading the brush file</source>
        <translation>Lecture du fichier de brosses</translation>
    </message>
</context>
<context>
    <name>ScratchCanvas</name>
    <message>
        <source>Could not write the picture to %1.</source>
        <translation>Impossible d’écrire l’image dans %1.</translation>
    </message>
</context>
<context>
    <name>TagsDialog</name>
    <message>
        <source>Tags of “%1”</source>
        <translation>Étiquettes de « %1 »</translation>
    </message>
    <message>
        <source>New tag</source>
        <translation>Nouvelle étiquette</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>Words of your own to find this file by: the box beside the filter shows the files that have one.</source>
        <translation>Vos propres mots pour retrouver ce fichier : la liste à côté du filtre montre les fichiers qui en ont un.</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>Étiquettes</translation>
    </message>
</context>
<context>
    <name>WatchLimitBar</name>
    <message>
        <source>Hide this message</source>
        <translation>Masquer ce message</translation>
    </message>
    <message>
        <source>Not every folder can be watched for changes: the system&apos;s limit (fs.inotify.max_user_watches) is reached. Kelbrin looks at the others every %1 s instead, so changes there show up late.
To raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (to keep it, put that setting in a file in /etc/sysctl.d/)</source>
        <translation>Tous les dossiers ne peuvent pas être surveillés : la limite du système (fs.inotify.max_user_watches) est atteinte. Kelbrin regarde les autres toutes les %1 s à la place, les changements y apparaissent donc en retard.
Pour relever la limite : sudo sysctl fs.inotify.max_user_watches=524288 (pour la garder, mettez ce réglage dans un fichier de /etc/sysctl.d/)</translation>
    </message>
</context>
<context>
    <name>WindowMenus</name>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Show &amp;Strokes</source>
        <translation>Afficher les &amp;traits</translation>
    </message>
    <message>
        <source>Strokes</source>
        <translation>Traits</translation>
    </message>
    <message>
        <source>Show how each brush paints</source>
        <translation>Montrer comment peint chaque brosse</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Export as Images…</source>
        <translation>&amp;Exporter en images…</translation>
    </message>
    <message>
        <source>Export &amp;Selected…</source>
        <translation>Exporter la &amp;sélection…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Show in File &amp;Manager</source>
        <translation>Afficher dans le &amp;gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>&amp;Install</source>
        <translation>I&amp;nstaller</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mettre à la &amp;corbeille</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Kelbrin &amp;Help</source>
        <translation>&amp;Aide de Kelbrin</translation>
    </message>
    <message>
        <source>&amp;About Kelbrin</source>
        <translation>À &amp;propos de Kelbrin</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Find Brush Files</source>
        <translation>C&amp;hercher des fichiers de brosses</translation>
    </message>
    <message>
        <source>&amp;View Brush</source>
        <translation>&amp;Voir la brosse</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Reset Zoom</source>
        <translation>Ta&amp;ille réelle</translation>
    </message>
    <message>
        <source>Show &amp;Names</source>
        <translation>Afficher les &amp;noms</translation>
    </message>
    <message>
        <source>Show &amp;All Folders</source>
        <translation>Afficher tous les &amp;dossiers</translation>
    </message>
    <message>
        <source>&amp;Theme</source>
        <translation>T&amp;hème</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <translation>&amp;Système</translation>
    </message>
    <message>
        <source>&amp;Light</source>
        <translation>&amp;Clair</translation>
    </message>
    <message>
        <source>&amp;Dark</source>
        <translation>&amp;Sombre</translation>
    </message>
    <message>
        <source>No Recent Files</source>
        <translation>Aucun fichier récent</translation>
    </message>
    <message>
        <source>Kelbrin Help</source>
        <translation>Aide de Kelbrin</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; shows the brushes in Photoshop brush files.&lt;/p&gt;&lt;p&gt;Open a file with File ▸ Open… or drop it on the window. Change the thumbnail size with the slider, Ctrl+wheel or View ▸ Zoom In and Zoom Out (Ctrl+0 goes back); Home and End jump to the first and last brushes.&lt;/p&gt;&lt;p&gt;Click a brush to select it, Ctrl or Shift and click to select more, Ctrl+A for all. Double-click or press Space to see it large; Left and Right step through the file. Ctrl+C copies the brush as a picture; drag brushes out to drop them as PNG files.&lt;/p&gt;&lt;p&gt;File ▸ Export as Images… writes every brush as a PNG file into a new folder; Export Selected… only the selected ones.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Kelbrin&lt;/b&gt; montre les brosses des fichiers de brosses Photoshop.&lt;/p&gt;&lt;p&gt;Ouvrez un fichier par Fichier ▸ Ouvrir… ou déposez-le sur la fenêtre. Changez la taille des vignettes avec le curseur, Ctrl+molette ou Affichage ▸ Zoom avant et Zoom arrière (Ctrl+0 revient) ; Début et Fin sautent à la première et à la dernière brosse.&lt;/p&gt;&lt;p&gt;Cliquez sur une brosse pour la sélectionner, Ctrl ou Maj et clic pour en sélectionner d’autres, Ctrl+A pour toutes. Double-cliquez ou appuyez sur Espace pour la voir en grand ; Gauche et Droite parcourent le fichier. Ctrl+C copie la brosse comme image ; glissez des brosses hors de la fenêtre pour les déposer en fichiers PNG.&lt;/p&gt;&lt;p&gt;Fichier ▸ Exporter en images… écrit chaque brosse en fichier PNG dans un nouveau dossier ; Exporter la sélection… seulement celles sélectionnées.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Browse the brushes in Photoshop brush files (.abr): find them all, look at every brush, export them as images. Kelbrin never changes a brush file.&lt;/p&gt;&lt;p&gt;The licence is in the copyright file installed with Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Kelbrin %1&lt;/h3&gt;&lt;p&gt;Parcourez les brosses des fichiers de brosses Photoshop (.abr) : trouvez-les toutes, regardez chaque brosse, exportez-les en images. Kelbrin ne modifie jamais un fichier de brosses.&lt;/p&gt;&lt;p&gt;La licence se trouve dans le fichier copyright installé avec Kelbrin (/usr/share/doc/kelbrin/copyright).&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About Kelbrin</source>
        <translation>À propos de Kelbrin</translation>
    </message>
    <message>
        <source>Move the brush file to the trash</source>
        <translation>Mettre le fichier de brosses à la corbeille</translation>
    </message>
    <message>
        <source>Save the brushes as PNG images</source>
        <translation>Enregistrer les brosses en images PNG</translation>
    </message>
</context>
<context>
    <name>kelbrin</name>
    <message>
        <source>Browse the brushes in Photoshop brush files.</source>
        <translation>Parcourir les brosses des fichiers de brosses Photoshop.</translation>
    </message>
    <message>
        <source>Open FILE, save a picture of the window to OUT and quit.</source>
        <translation>Ouvrir FILE, enregistrer une image de la fenêtre dans OUT et quitter.</translation>
    </message>
    <message>
        <source>Without showing a window, wait until the search for brush files has done its first pass, print both outlines with every folder open, and quit.</source>
        <translation>Sans montrer de fenêtre, attendre que la recherche des fichiers de brosses ait fait son premier passage, afficher les deux arborescences avec tous les dossiers ouverts, et quitter.</translation>
    </message>
    <message>
        <source>With --dump-outlines: print every folder (Show All Folders).</source>
        <translation>Avec --dump-outlines : afficher chaque dossier (Afficher tous les dossiers).</translation>
    </message>
    <message>
        <source>A brush file to show (a path or a file:// URI).</source>
        <translation>Un fichier de brosses à montrer (un chemin ou une URI file://).</translation>
    </message>
</context>
<context>
    <name>kelbrin-cli</name>
    <message>
        <source>read brush files and list their brushes</source>
        <translation>lire des fichiers de brosses et lister leurs brosses</translation>
    </message>
    <message>
        <source>write the brushes of FILE (tips, or strokes) as PNG files into a new folder</source>
        <translation>écrire les brosses de FILE (pointes ou traits) en fichiers PNG dans un nouveau dossier</translation>
    </message>
    <message>
        <source>paint a brush&apos;s stroke in black on white into a PNG file</source>
        <translation>peindre le trait d’une brosse en noir sur blanc dans un fichier PNG</translation>
    </message>
    <message>
        <source>write each file&apos;s brushes in GIMP&apos;s or Krita&apos;s own formats</source>
        <translation>écrire les brosses de chaque fichier dans les formats propres à GIMP ou à Krita</translation>
    </message>
    <message>
        <source>show brush files as the folder outline shows them</source>
        <translation>montrer les fichiers de brosses comme l’arborescence des dossiers les montre</translation>
    </message>
    <message>
        <source>find brush files (everywhere, or below the folders)</source>
        <translation>chercher des fichiers de brosses (partout, ou sous les dossiers)</translation>
    </message>
    <message>
        <source>list the installed painting applications</source>
        <translation>lister les logiciels de peinture installés</translation>
    </message>
    <message>
        <source>copy a brush file into every application&apos;s brushes folder</source>
        <translation>copier un fichier de brosses dans le dossier de brosses de chaque logiciel</translation>
    </message>
    <message>
        <source>move files to the trash (--yes: delete those no trash takes)</source>
        <translation>mettre des fichiers à la corbeille (--yes : supprimer ceux qu’aucune corbeille ne prend)</translation>
    </message>
    <message>
        <source>bring the brush library up to date (everywhere, or below the folders)</source>
        <translation>mettre à jour la bibliothèque de brosses (partout, ou sous les dossiers)</translation>
    </message>
    <message>
        <source>list the library&apos;s brushes whose names hold TEXT</source>
        <translation>lister les brosses de la bibliothèque dont le nom contient TEXT</translation>
    </message>
    <message>
        <source>list identical files and tips found in more than one file</source>
        <translation>lister les fichiers identiques et les pointes présentes dans plus d’un fichier</translation>
    </message>
    <message>
        <source>give a file tags</source>
        <translation>donner des étiquettes à un fichier</translation>
    </message>
    <message>
        <source>take tags from a file</source>
        <translation>retirer des étiquettes d’un fichier</translation>
    </message>
    <message>
        <source>list the tags, or the files with TAG</source>
        <translation>lister les étiquettes, ou les fichiers portant TAG</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>options:</source>
        <translation>options :</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>Try &apos;%1&apos; for more information.</source>
        <translation>Essayez « %1 » pour plus d’informations.</translation>
    </message>
    <message>
        <source>usage:</source>
        <translation>utilisation :</translation>
    </message>
    <message>
        <source>COMMAND [ARGS]</source>
        <comment>the synopsis of kelbrin-cli</comment>
        <translation>COMMANDE [ARGUMENTS]</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>COMMANDE</translation>
    </message>
    <message>
        <source>commands:</source>
        <translation>commandes :</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>argument inattendu %1</translation>
    </message>
    <message>
        <source>--to gimp or --to krita is needed</source>
        <translation>--to gimp ou --to krita est nécessaire</translation>
    </message>
    <message>
        <source>unknown --to &quot;%1&quot;</source>
        <translation>--to « %1 » inconnu</translation>
    </message>
    <message>
        <source>no FILE given</source>
        <translation>aucun FILE donné</translation>
    </message>
    <message>
        <source>no FILE and DIR given</source>
        <translation>ni FILE ni DIR donnés</translation>
    </message>
    <message>
        <source>no DIR given</source>
        <translation>aucun DIR donné</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>trop d’arguments</translation>
    </message>
    <message>
        <source>DIR must name a new folder, not &quot;%1&quot;</source>
        <translation>DIR doit nommer un nouveau dossier, pas « %1 »</translation>
    </message>
    <message>
        <source>--seconds needs a whole number of seconds</source>
        <translation>--seconds demande un nombre entier de secondes</translation>
    </message>
    <message>
        <source>one FILE at a time</source>
        <translation>un seul FILE à la fois</translation>
    </message>
    <message>
        <source>a file and at least one tag are needed</source>
        <translation>un fichier et au moins une étiquette sont nécessaires</translation>
    </message>
    <message>
        <source>one text to search for is needed</source>
        <translation>un texte à chercher est nécessaire</translation>
    </message>
    <message>
        <source>no arguments are taken</source>
        <translation>aucun argument n’est accepté</translation>
    </message>
    <message>
        <source>at most one tag is taken</source>
        <translation>une étiquette au plus est acceptée</translation>
    </message>
    <message>
        <source>--switch-after needs a brush count (0 or more)</source>
        <translation>--switch-after demande un nombre de brosses (0 ou plus)</translation>
    </message>
    <message>
        <source>--switch-after takes exactly two files</source>
        <translation>--switch-after prend exactement deux fichiers</translation>
    </message>
    <message>
        <source>no --out PNG given</source>
        <translation>aucun --out PNG donné</translation>
    </message>
    <message>
        <source>--name takes a brush&apos;s name, not &quot;&quot;</source>
        <translation>--name prend le nom d’une brosse, pas « »</translation>
    </message>
    <message>
        <source>--brush and --name both choose the brush; give one</source>
        <translation>--brush et --name choisissent tous deux la brosse ; n’en donnez qu’un</translation>
    </message>
    <message>
        <source>--brush takes a brush&apos;s number, not &quot;%1&quot;</source>
        <translation>--brush prend le numéro d’une brosse, pas « %1 »</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT, each 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size prend LARGEURxHAUTEUR, chacune de 1 à %1 pixels, pas « %2 »</translation>
    </message>
    <message>
        <source>--seed takes a number from 0 to 4294967295, not &quot;%1&quot;</source>
        <translation>--seed prend un nombre de 0 à 4294967295, pas « %1 »</translation>
    </message>
    <message>
        <source>--exclude and --restrict cannot be combined</source>
        <translation>--exclude et --restrict ne peuvent pas être combinés</translation>
    </message>
    <message>
        <source>no PATH given</source>
        <translation>aucun PATH donné</translation>
    </message>
    <message>
        <source>print one JSON document</source>
        <translation>afficher un document JSON</translation>
    </message>
    <message>
        <source>gimp (a brushes folder per file) or krita (a bundle)</source>
        <translation>gimp (un dossier de brosses par fichier) ou krita (un paquet)</translation>
    </message>
    <message>
        <source>where to write (default: the current folder)</source>
        <translation>où écrire (par défaut : le dossier courant)</translation>
    </message>
    <message>
        <source>black paint on a clear background instead of ink on white</source>
        <translation>peinture noire sur fond transparent au lieu d’encre sur blanc</translation>
    </message>
    <message>
        <source>name the files after their brushes (Soft Round.png) instead of their number</source>
        <translation>nommer les fichiers d’après leurs brosses (Soft Round.png) au lieu de leur numéro</translation>
    </message>
    <message>
        <source>write each preset&apos;s stroke (400 x 160, the S-curve, seed 1) instead of its tip</source>
        <translation>écrire le trait de chaque préréglage (400 x 160, la courbe en S, graine 1) au lieu de sa pointe</translation>
    </message>
    <message>
        <source>go on reporting changes</source>
        <translation>continuer à signaler les changements</translation>
    </message>
    <message>
        <source>stop watching after N seconds</source>
        <translation>arrêter de surveiller après N secondes</translation>
    </message>
    <message>
        <source>print one JSON object per line</source>
        <translation>afficher un objet JSON par ligne</translation>
    </message>
    <message>
        <source>print the longest event-loop stall at the end</source>
        <translation>afficher à la fin le plus long blocage de la boucle d’événements</translation>
    </message>
    <message>
        <source>print the counts as JSON</source>
        <translation>afficher les totaux en JSON</translation>
    </message>
    <message>
        <source>print the brushes as JSON</source>
        <translation>afficher les brosses en JSON</translation>
    </message>
    <message>
        <source>print the groups as JSON</source>
        <translation>afficher les groupes en JSON</translation>
    </message>
    <message>
        <source>print as JSON</source>
        <translation>afficher en JSON</translation>
    </message>
    <message>
        <source>list the tips the file stores, in its own order, instead of its presets</source>
        <translation>lister les pointes que le fichier enregistre, dans son propre ordre, au lieu de ses préréglages</translation>
    </message>
    <message>
        <source>leave FILE1 for FILE2 after N brushes, as the window does</source>
        <translation>passer de FILE1 à FILE2 après N brosses, comme le fait la fenêtre</translation>
    </message>
    <message>
        <source>paint brush N, by its number in the listing (default 0)</source>
        <translation>peindre la brosse N, d’après son numéro dans la liste (par défaut 0)</translation>
    </message>
    <message>
        <source>paint the first brush named TEXT, or whose name holds it</source>
        <translation>peindre la première brosse nommée TEXT, ou dont le nom le contient</translation>
    </message>
    <message>
        <source>the image&apos;s size in pixels (default 400x160)</source>
        <translation>la taille de l’image en pixels (par défaut 400x160)</translation>
    </message>
    <message>
        <source>the preview&apos;s S-curve (default), a straight line, or points from a JSON file</source>
        <translation>la courbe en S de l’aperçu (par défaut), une ligne droite, ou des points d’un fichier JSON</translation>
    </message>
    <message>
        <source>the seed of the brush&apos;s randomness (default 1)</source>
        <translation>la graine du hasard de la brosse (par défaut 1)</translation>
    </message>
    <message>
        <source>the PNG file to write (replaced if it exists)</source>
        <translation>le fichier PNG à écrire (remplacé s’il existe)</translation>
    </message>
    <message>
        <source>delete the files no trash takes, as if asked and answered yes</source>
        <translation>supprimer les fichiers qu’aucune corbeille ne prend, comme si l’on avait répondu oui</translation>
    </message>
    <message>
        <source>sort the top level shallowest first</source>
        <translation>trier le premier niveau du moins profond au plus profond</translation>
    </message>
    <message>
        <source>print the full view: the root and each volume</source>
        <translation>afficher la vue complète : la racine et chaque volume</translation>
    </message>
    <message>
        <source>never a level unless it holds a file itself</source>
        <translation>jamais un niveau, sauf s’il contient lui-même un fichier</translation>
    </message>
    <message>
        <source>every folder inside it is a level</source>
        <translation>chaque dossier qu’il contient est un niveau</translation>
    </message>
    <message>
        <source>leave out what lies below it</source>
        <translation>laisser de côté ce qui se trouve en dessous</translation>
    </message>
    <message>
        <source>keep only what lies below it</source>
        <translation>ne garder que ce qui se trouve en dessous</translation>
    </message>
    <message>
        <source>then run the commands of FILE (- for standard input)</source>
        <translation>puis exécuter les commandes de FILE (- pour l’entrée standard)</translation>
    </message>
    <message>
        <source>%1; nothing exported</source>
        <translation>%1 ; rien n’a été exporté</translation>
    </message>
    <message>
        <source>no brushes; nothing exported</source>
        <translation>aucune brosse ; rien n’a été exporté</translation>
    </message>
    <message>
        <source>exporting the %1 and %2 read before the error</source>
        <translation>export des %1 et %2 lus avant l’erreur</translation>
    </message>
    <message numerus="yes">
        <source>%n brush(es)</source>
        <translation>
            <numerusform>%n brosse</numerusform>
            <numerusform>%n brosses</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pattern(s)</source>
        <translation>
            <numerusform>%n motif</numerusform>
            <numerusform>%n motifs</numerusform>
        </translation>
    </message>
    <message>
        <source>exporting the %1 read before the error</source>
        <translation>export des %1 lues avant l’erreur</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>%1 créé</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n file(s)</source>
        <translation>
            <numerusform>%n fichier écrit</numerusform>
            <numerusform>%n fichiers écrits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n pattern(s) into patterns/</source>
        <translation>
            <numerusform>%n motif écrit dans patterns/</numerusform>
            <numerusform>%n motifs écrits dans patterns/</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote %1</source>
        <translation>Écrit : %1</translation>
    </message>
    <message>
        <source>Could not write %1</source>
        <translation>Impossible d’écrire : %1</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>no painting application is installed (see kelbrin-cli apps)</source>
        <translation>aucune application de peinture n’est installée (voir kelbrin-cli apps)</translation>
    </message>
    <message>
        <source>It has been set aside as %1; the next command starts a new one.</source>
        <translation>Elle a été mise de côté sous le nom %1 ; la prochaine commande en commence une nouvelle.</translation>
    </message>
    <message>
        <source>the library could not be written</source>
        <translation>la bibliothèque n’a pas pu être écrite</translation>
    </message>
    <message>
        <source>%1 files looked at: %2 read (%3 not to the end), %4 unchanged, %5 not written, %6 removed</source>
        <translation>%1 fichiers examinés : %2 lus (%3 pas jusqu’au bout), %4 inchangés, %5 non écrits, %6 retirés</translation>
    </message>
    <message>
        <source>library: %1 files, %2 brushes</source>
        <translation>bibliothèque : %1 fichiers, %2 brosses</translation>
    </message>
    <message>
        <source>the search could not be started</source>
        <translation>la recherche n’a pas pu démarrer</translation>
    </message>
    <message>
        <source>identical files:</source>
        <translation>fichiers identiques :</translation>
    </message>
    <message>
        <source>identical tips:</source>
        <translation>pointes identiques :</translation>
    </message>
    <message>
        <source>larger than 16 MB, too large for a path</source>
        <translation>plus de 16 Mo, trop grand pour un tracé</translation>
    </message>
    <message>
        <source>%1 is the brush file itself; not replaced</source>
        <translation>%1 est le fichier de brosses lui-même ; non remplacé</translation>
    </message>
    <message>
        <source>no points</source>
        <translation>aucun point</translation>
    </message>
    <message>
        <source>cannot use the path %1: %2</source>
        <translation>impossible d’utiliser le tracé %1 : %2</translation>
    </message>
    <message>
        <source>%1; nothing painted</source>
        <translation>%1 ; rien n’a été peint</translation>
    </message>
    <message>
        <source>no brushes; nothing painted</source>
        <translation>aucune brosse ; rien n’a été peint</translation>
    </message>
    <message>
        <source>no brush named %1 among its %2</source>
        <translation>aucune brosse nommée %1 parmi ses %2</translation>
    </message>
    <message>
        <source>no brush %1; the brushes read before the damage are 0 to %2</source>
        <translation>pas de brosse %1 ; les brosses lues avant le dommage vont de 0 à %2</translation>
    </message>
    <message>
        <source>no brush %1; its brushes are 0 to %2</source>
        <translation>pas de brosse %1 ; ses brosses vont de 0 à %2</translation>
    </message>
    <message>
        <source>brush %1 has a tip of no pixels; it paints nothing</source>
        <translation>la brosse %1 a une pointe sans pixels ; elle ne peint rien</translation>
    </message>
    <message>
        <source>brush %1</source>
        <translation>brosse %1</translation>
    </message>
    <message>
        <source>the stroke was simplified: its preset asks for more dabs, or a larger tip, than one stroke may paint</source>
        <translation>le trait a été simplifié : son préréglage demande plus d’empreintes, ou une pointe plus grande, qu’un trait ne peut en peindre</translation>
    </message>
    <message>
        <source>the texture&apos;s pattern %1 is not in the file; plain noise stands in for it</source>
        <translation>le motif %1 de la texture n’est pas dans le fichier ; un simple bruit le remplace</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>impossible de lire le script %1 : %2</translation>
    </message>
    <message>
        <source>brush %1 %2: %3</source>
        <translation>brosse %1 %2 : %3</translation>
    </message>
    <message>
        <source>preset %1 %2</source>
        <translation>préréglage %1 %2</translation>
    </message>
    <message>
        <source>pattern %1 changed: %2</source>
        <translation>motif %1 modifié : %2</translation>
    </message>
    <message>
        <source>no brushes or patterns; nothing converted</source>
        <translation>aucune brosse ni motif ; rien n’a été converti</translation>
    </message>
    <message>
        <source>converting the %1 read before the error</source>
        <translation>conversion des %1 lues avant l’erreur</translation>
    </message>
    <message>
        <source>not every folder can be watched for changes (the system&apos;s limit fs.inotify.max_user_watches is reached), so the others are read again every %1 s and changes there show up late; to raise the limit: sudo sysctl fs.inotify.max_user_watches=524288 (and that setting in a file in /etc/sysctl.d/ to keep it)</source>
        <translation>tous les dossiers ne peuvent pas être surveillés (la limite du système fs.inotify.max_user_watches est atteinte) : les autres sont relus toutes les %1 s et leurs changements apparaissent en retard ; pour relever la limite : sudo sysctl fs.inotify.max_user_watches=524288 (et ce réglage dans un fichier de /etc/sysctl.d/ pour le garder)</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>pas un dossier</translation>
    </message>
    <message>
        <source>no such folder</source>
        <translation>dossier introuvable</translation>
    </message>
</context>
</TS>
