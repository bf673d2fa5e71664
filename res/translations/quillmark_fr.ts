<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CDesignSequenceRow</name>
    <message>
        <source>Zeros pad the number to this many digits (0: none)</source>
        <translation>Des zéros complètent le numéro à ce nombre de chiffres (0 : aucun)</translation>
    </message>
    <message>
        <source>Added for each next label</source>
        <translation>Ajouté pour chaque étiquette suivante</translation>
    </message>
    <message>
        <source>The first label&apos;s number</source>
        <translation>Le numéro de la première étiquette</translation>
    </message>
    <message>
        <source>Numbers&apos; digits</source>
        <translation>Chiffres des numéros</translation>
    </message>
    <message>
        <source>Numbers step</source>
        <translation>Pas des numéros</translation>
    </message>
    <message>
        <source>Numbers start at</source>
        <translation>Les numéros commencent à</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>chiffres</translation>
    </message>
    <message>
        <source>step</source>
        <translation>pas</translation>
    </message>
</context>
<context>
    <name>DesignPage</name>
    <message>
        <source>does not scan</source>
        <translation>ne se lit pas</translation>
    </message>
    <message>
        <source>reads as &quot;%1&quot;</source>
        <translation>se lit « %1 »</translation>
    </message>
    <message>
        <source>%1 (page %2, label %3), %4: %5</source>
        <translation>%1 (page %2, étiquette %3), %4 : %5</translation>
    </message>
</context>
<context>
    <name>CLabelPrinterDialog</name>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>The labels could not be sent.</source>
        <translation>Les étiquettes n’ont pas pu être envoyées.</translation>
    </message>
    <message>
        <source>Quillmark labels</source>
        <translation>Étiquettes Quillmark</translation>
    </message>
    <message>
        <source>Label %1 is too large for the printer at %2 dpi.</source>
        <translation>L’étiquette %1 est trop grande pour l’imprimante à %2 ppp.</translation>
    </message>
    <message>
        <source>Name the printer, its address or a file first.</source>
        <translation>Indiquez d’abord l’imprimante, son adresse ou un fichier.</translation>
    </message>
    <message>
        <source>a file, or a device such as /dev/usb/lp0</source>
        <translation>un fichier, ou un périphérique comme /dev/usb/lp0</translation>
    </message>
    <message>
        <source>host or host:port (port 9100 unless given)</source>
        <translation>hôte ou hôte:port (port 9100 sauf indication)</translation>
    </message>
    <message>
        <source>the CUPS queue of the label printer</source>
        <translation>la file CUPS de l’imprimante d’étiquettes</translation>
    </message>
    <message>
        <source>S&amp;end labels</source>
        <translation>Envoyer &amp;les étiquettes</translation>
    </message>
    <message>
        <source>Test &amp;label</source>
        <translation>Étiquette de &amp;test</translation>
    </message>
    <message>
        <source>&amp;Media:</source>
        <translation>&amp;Média :</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Vitesse :</translation>
    </message>
    <message>
        <source>&amp;Darkness:</source>
        <translation>&amp;Densité :</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>&amp;Résolution :</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Imprimante :</translation>
    </message>
    <message>
        <source>Send &amp;to:</source>
        <translation>&amp;Envoyer à :</translation>
    </message>
    <message>
        <source>cutter</source>
        <translation>coupe</translation>
    </message>
    <message>
        <source>peel</source>
        <translation>pelage</translation>
    </message>
    <message>
        <source>tear-off</source>
        <translation>détachement</translation>
    </message>
    <message>
        <source> in/s</source>
        <translation> po/s</translation>
    </message>
    <message>
        <source>the printer&apos;s own</source>
        <translation>celle de l’imprimante</translation>
    </message>
    <message>
        <source>File or device</source>
        <translation>Fichier ou périphérique</translation>
    </message>
    <message>
        <source>Network printer (raw port)</source>
        <translation>Imprimante réseau (port brut)</translation>
    </message>
    <message>
        <source>CUPS queue</source>
        <translation>File CUPS</translation>
    </message>
    <message>
        <source>Print to Label Printer</source>
        <translation>Imprimer sur une imprimante d’étiquettes</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>enter what you measured in Print Labels, Calibrate.</source>
        <translation>saisissez vos mesures dans Imprimer des étiquettes, Étalonner.</translation>
    </message>
    <message>
        <source>then from the crosshair to the last mark across and down;</source>
        <translation>puis de la croix jusqu’au dernier repère en largeur et en hauteur ;</translation>
    </message>
    <message>
        <source>Measure from the paper&apos;s left and top edges to the crosshair&apos;s lines,</source>
        <translation>Mesurez des bords gauche et haut du papier jusqu’aux lignes de la croix,</translation>
    </message>
    <message>
        <source>Calibration page for %1, printed without correction.</source>
        <translation>Page d’étalonnage pour %1, imprimée sans correction.</translation>
    </message>
</context>
<context>
    <name>CCalibrationDialog</name>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source>These measures would have the printer draw lengths more than 10 % long or short: measure again from the crosshair.</source>
        <translation>Selon ces mesures, l’imprimante tracerait les longueurs plus de 10 % trop longues ou trop courtes : mesurez à nouveau depuis la croix.</translation>
    </message>
    <message>
        <source>Crosshair to the %1 mark &amp;down:</source>
        <translation>De la croix au repère %1 en hau&amp;teur :</translation>
    </message>
    <message>
        <source>Crosshair to the %1 mark &amp;across:</source>
        <translation>De la croix au repère %1 en &amp;largeur :</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Top edge to the crosshair:</source>
        <translation>Bord &amp;haut jusqu’à la croix :</translation>
    </message>
    <message>
        <source>&amp;Left edge to the crosshair:</source>
        <translation>Bord &amp;gauche jusqu’à la croix :</translation>
    </message>
    <message>
        <source>Measured &amp;in:</source>
        <translation>&amp;Mesuré en :</translation>
    </message>
    <message>
        <source>in</source>
        <translation>po</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>&amp;Print calibration page...</source>
        <translation>&amp;Imprimer la page d’étalonnage...</translation>
    </message>
    <message>
        <source>Print the calibration page, then measure on the paper, as exactly as you can: from its left and top edges to the crosshair&apos;s lines, and from the crosshair to the last mark across and down.</source>
        <translation>Imprimez la page d’étalonnage, puis mesurez sur le papier, aussi exactement que possible : de ses bords gauche et haut jusqu’aux lignes de la croix, et de la croix jusqu’au dernier repère en largeur et en hauteur.</translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation>Étalonner %1</translation>
    </message>
</context>
<context>
    <name>LabelCatalog</name>
    <message>
        <source>%1 %2: its equivalent %3 is not in the catalog</source>
        <translation>%1 %2 : son équivalent %3 n’est pas dans le catalogue</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1 : ligne %2 : %3</translation>
    </message>
    <message>
        <source>the template has no label</source>
        <translation>le modèle n’a pas d’étiquette</translation>
    </message>
    <message>
        <source>unknown element &lt;%1&gt;</source>
        <translation>élément inconnu &lt;%1&gt;</translation>
    </message>
    <message>
        <source>more than one label shape</source>
        <translation>plus d’une forme d’étiquette</translation>
    </message>
    <message>
        <source>unknown paper size &quot;%1&quot;</source>
        <translation>format de papier inconnu « %1 »</translation>
    </message>
    <message>
        <source>a template without a brand and a part number</source>
        <translation>un modèle sans marque ni référence</translation>
    </message>
    <message>
        <source>the label has no layout</source>
        <translation>l’étiquette n’a pas de disposition</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is no count of labels</source>
        <translation>%1=« %2 » n’est pas un nombre d’étiquettes</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is no length</source>
        <translation>%1=« %2 » n’est pas une longueur</translation>
    </message>
</context>
<context>
    <name>AlignmentPage</name>
    <message>
        <source>Alignment page for %1: %2 x %3 in labels, %4 across, %5 down</source>
        <translation>Page d’alignement pour %1 : étiquettes de %2 x %3 po, %4 en largeur, %5 en hauteur</translation>
    </message>
    <message>
        <source>Correction in force: %1 in right, %2 in down; scale %3 % across, %4 % down</source>
        <translation>Correction appliquée : %1 po vers la droite, %2 po vers le bas ; échelle %3 % en largeur, %4 % en hauteur</translation>
    </message>
    <message>
        <source>The arrow&apos;s edge goes into the printer first.</source>
        <translation>Le bord de la flèche entre le premier dans l’imprimante.</translation>
    </message>
    <message>
        <source>Hold this page over a sheet of labels against the light:</source>
        <translation>Tenez cette page sur une planche d’étiquettes à contre-jour :</translation>
    </message>
    <message>
        <source>every outline should lie on a label&apos;s edge.</source>
        <translation>chaque contour doit tomber sur le bord d’une étiquette.</translation>
    </message>
</context>
<context>
    <name>AchievedSize</name>
    <message>
        <source>%1 dpi ×%2</source>
        <translation>%1 ppp ×%2</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 ppp</translation>
    </message>
    <message>
        <source>Bars at their own true size @ %1</source>
        <translation>Barres à leur taille réelle @ %1</translation>
    </message>
    <message>
        <source>X %1 mil = %2 %3 @ %4</source>
        <translation>X %1 mil = %2 %3 @ %4</translation>
    </message>
    <message>
        <source>, ratio %1</source>
        <translation>, rapport %1</translation>
    </message>
    <message>
        <source> — %1 mil cannot be drawn within 10 % at this resolution</source>
        <translation> — %1 mil ne peuvent être tracés à 10 % près à cette résolution</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>text after a closing quote</source>
        <translation>texte après un guillemet fermant</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field</source>
        <translation>un guillemet dans un champ sans guillemets</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>un champ entre guillemets n’est pas fermé</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>Corvane Quillmark V%1.%2, Build %3.</source>
        <translation>Corvane Quillmark V%1.%2, build %3.</translation>
    </message>
    <message>
        <source>Corvane Quillmark, version unknown.</source>
        <translation>Corvane Quillmark, version inconnue.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Icône du programme</translation>
    </message>
</context>
<context>
    <name>CBarcodeMainView</name>
    <message>
        <source>What a scanner reads from the symbol on the printer at %1 dpi, zoom %2</source>
        <translation>Ce qu’un scanner lit du symbole sur l’imprimante à %1 ppp, zoom %2</translation>
    </message>
    <message>
        <source>What a scanner reads from the symbol on the screen at %1 dpi, zoom %2</source>
        <translation>Ce qu’un scanner lit du symbole à l’écran à %1 ppp, zoom %2</translation>
    </message>
    <message>
        <source>The settings could not be stored in %1.</source>
        <translation>Les paramètres n’ont pas pu être enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>CBarcodeOutput</name>
    <message>
        <source>%1 is saved at true size, but it does not scan printed at %2 dpi.</source>
        <translation>%1 est enregistré à taille réelle, mais ne se lit pas une fois imprimé à %2 ppp.</translation>
    </message>
    <message>
        <source> It does at Density %1.</source>
        <translation> Il se lit avec une densité de %1.</translation>
    </message>
    <message>
        <source>A tile of the barcode (%1 x %2 in) is larger than the printable area (%3 x %4 in). Nothing was printed.</source>
        <translation>Une case du code-barres (%1 x %2 po) dépasse la zone imprimable (%3 x %4 po). Rien n’a été imprimé.</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>L’imprimante n’a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>points</translation>
    </message>
    <message>
        <source>The bitmap could not be encoded.</source>
        <translation>L’image bitmap n’a pas pu être encodée.</translation>
    </message>
    <message>
        <source>The barcode is too large to copy as a bitmap.</source>
        <translation>Le code-barres est trop grand pour être copié en bitmap.</translation>
    </message>
    <message>
        <source>The barcode is too large to save: %1.</source>
        <translation>Le code-barres est trop grand pour être enregistré : %1.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>, true size — the zoom applies to bitmaps only</source>
        <translation>, taille réelle — le zoom ne s’applique qu’aux bitmaps</translation>
    </message>
    <message>
        <source>Graphics Files (*.bmp)</source>
        <translation>Fichiers graphiques (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>Fichiers PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Files%1 (*.svg)</source>
        <translation>Fichiers SVG%1 (*.svg)</translation>
    </message>
    <message>
        <source>PDF Files%1 (*.pdf)</source>
        <translation>Fichiers PDF%1 (*.pdf)</translation>
    </message>
    <message>
        <source>ZPL Label Printer Files (*.zpl)</source>
        <translation>Fichiers d&apos;imprimante d&apos;étiquettes ZPL (*.zpl)</translation>
    </message>
    <message>
        <source>Cannot save the barcode to %1:
%2</source>
        <translation>Impossible d’enregistrer le code-barres dans %1 :
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
</context>
<context>
    <name>CBarcodeView</name>
    <message>
        <source>Barcode: none</source>
        <translation>Code-barres : aucun</translation>
    </message>
    <message>
        <source>Barcode: %1, no text, %2 inches</source>
        <translation>Code-barres : %1, sans texte, %2 pouces</translation>
    </message>
    <message>
        <source>Barcode: %1, %2, %3 inches</source>
        <translation>Code-barres : %1, %2, %3 pouces</translation>
    </message>
    <message>
        <source>The symbol at its true size times the zoom. Copy, Print and Save take it out of the program; its menu holds them.</source>
        <translation>Le symbole à sa taille réelle multipliée par le zoom. Copier, Imprimer et Enregistrer le font sortir du programme ; son menu les propose.</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Non dessiné : %1</translation>
    </message>
</context>
<context>
    <name>CInputPanel</name>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>The bars&apos; height in inches; Enter draws the symbol</source>
        <translation>La hauteur des barres en pouces ; Entrée trace le symbole</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>The symbol&apos;s length in inches, first bar to last</source>
        <translation>La longueur du symbole en pouces, de la première barre à la dernière</translation>
    </message>
    <message>
        <source>Symbology</source>
        <translation>Symbologie</translation>
    </message>
    <message>
        <source>The kind of barcode; it decides which characters the Text field takes</source>
        <translation>Le type de code-barres ; il détermine les caractères que le champ Texte accepte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>The data the barcode carries; Enter draws the symbol</source>
        <translation>Les données que porte le code-barres ; Entrée trace le symbole</translation>
    </message>
    <message>
        <source>Prints the text under the bars</source>
        <translation>Imprime le texte sous les barres</translation>
    </message>
    <message>
        <source>Fills the view with copies of the symbol</source>
        <translation>Remplit la vue de copies du symbole</translation>
    </message>
    <message>
        <source>Width: %1 inches</source>
        <translation>Largeur : %1 pouces</translation>
    </message>
</context>
<context>
    <name>CLabelSourceBox</name>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>&amp;Text field</source>
        <translation>Champ &amp;Texte</translation>
    </message>
    <message>
        <source>Se&amp;quence</source>
        <translation>S&amp;équence</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Fic&amp;hier</translation>
    </message>
    <message>
        <source>P&amp;refix:</source>
        <translation>&amp;Préfixe :</translation>
    </message>
    <message>
        <source>&amp;Suffix:</source>
        <translation>Su&amp;ffixe :</translation>
    </message>
    <message>
        <source>First num&amp;ber:</source>
        <translation>Premier &amp;numéro :</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>Pa&amp;s :</translation>
    </message>
    <message>
        <source>Cou&amp;nt:</source>
        <translation>Nomb&amp;re :</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Chiffres :</translation>
    </message>
    <message>
        <source>Numbers shorter than this get leading zeros</source>
        <translation>Les nombres plus courts reçoivent des zéros en tête</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>F&amp;ichier :</translation>
    </message>
    <message>
        <source>Label file</source>
        <translation>Fichier d’étiquettes</translation>
    </message>
    <message>
        <source>one label per line, or a CSV file</source>
        <translation>une étiquette par ligne, ou un fichier CSV</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>P&amp;arcourir...</translation>
    </message>
    <message>
        <source>Te&amp;xt column:</source>
        <translation>Colonne du te&amp;xte :</translation>
    </message>
    <message>
        <source>Text column</source>
        <translation>Colonne du texte</translation>
    </message>
    <message>
        <source>Caption colu&amp;mn:</source>
        <translation>Colonne de l’intit&amp;ulé :</translation>
    </message>
    <message>
        <source>Caption column</source>
        <translation>Colonne de l’intitulé</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>Intitu&amp;lé :</translation>
    </message>
    <message>
        <source>A line of text above every symbol</source>
        <translation>Une ligne de texte au-dessus de chaque symbole</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 n’existe pas</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 dépasse %2 Mo</translation>
    </message>
    <message>
        <source>Copies of the symbol in the Text field: %1</source>
        <translation>Copies du symbole du champ Texte : %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(vide)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Label files (*.txt *.csv);;All files (*)</source>
        <translation>Fichiers d’étiquettes (*.txt *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>the Text field is empty</source>
        <translation>le champ Texte est vide</translation>
    </message>
    <message>
        <source>the step must be a whole number</source>
        <translation>le pas doit être un nombre entier</translation>
    </message>
    <message>
        <source>the first number must be a whole number</source>
        <translation>le premier numéro doit être un nombre entier</translation>
    </message>
    <message>
        <source>choose a file of labels</source>
        <translation>choisissez un fichier d’étiquettes</translation>
    </message>
    <message>
        <source>the CSV file has no header row</source>
        <translation>le fichier CSV n’a pas de ligne d’en-tête</translation>
    </message>
    <message>
        <source>the file holds no labels</source>
        <translation>le fichier ne contient aucune étiquette</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Zoom %1×</source>
        <translation>Zoom %1×</translation>
    </message>
</context>
<context>
    <name>CPrintLabelsDialog</name>
    <message>
        <source>Print Labels: the first %1 of %2 sheets shown; Print prints all %2</source>
        <translation>Imprimer des étiquettes : les %1 premières des %2 feuilles affichées ; Imprimer imprime les %2</translation>
    </message>
    <message>
        <source>To label p&amp;rinter...</source>
        <translation>Vers une imprimante d’étiq&amp;uettes...</translation>
    </message>
    <message>
        <source>part number, brand or words: 5160, L7160, address</source>
        <translation>référence, marque ou mots : 5160, L7160, address</translation>
    </message>
    <message>
        <source>Fi&amp;nd stock:</source>
        <translation>&amp;Chercher :</translation>
    </message>
    <message>
        <source>The calibration page could not be printed.</source>
        <translation>La page d’étalonnage n’a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Print Calibration Page</source>
        <translation>Imprimer la page d’étalonnage</translation>
    </message>
    <message>
        <source>Printer offset for %1 (scale %2 % across, %3 % down):</source>
        <translation>Décalage de l’imprimante pour %1 (échelle %2 % en largeur, %3 % en hauteur) :</translation>
    </message>
    <message>
        <source>Print a page of rulers and type in what you measure: the offset and scale that put labels where they belong on this printer</source>
        <translation>Imprimer une page de règles et saisir ce que vous mesurez : le décalage et l’échelle qui placent les étiquettes au bon endroit sur cette imprimante</translation>
    </message>
    <message>
        <source>Cali&amp;brate...</source>
        <translation>Étalo&amp;nner...</translation>
    </message>
    <message>
        <source>Bar &amp;height:</source>
        <translation>Hauteur des ba&amp;rres :</translation>
    </message>
    <message>
        <source>The bars&apos; height on the labels, in inches; the main window&apos;s Height to begin with</source>
        <translation>La hauteur des barres sur les étiquettes, en pouces ; au départ celle de la fenêtre principale</translation>
    </message>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer des étiquettes</translation>
    </message>
    <message>
        <source>Negative values move the print left or up</source>
        <translation>Les valeurs négatives déplacent l’impression vers la gauche ou vers le haut</translation>
    </message>
    <message>
        <source>Label stock</source>
        <translation>Support d’étiquettes</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source>page, grid (columns x rows), label, margins (top x left) and pitch (across x down), each pair in in or mm; margins and pitch may be left out</source>
        <translation>page, grid (colonnes x lignes), label (étiquette), margins (marges haut x gauche) et pitch (pas horizontal x vertical), chaque paire en in ou mm ; margins et pitch sont facultatifs</translation>
    </message>
    <message>
        <source>La&amp;yout:</source>
        <translation>&amp;Disposition :</translation>
    </message>
    <message>
        <source>C&amp;ustom:</source>
        <translation>P&amp;ersonnalisée :</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Print label &amp;outlines</source>
        <translation>Imprimer les c&amp;ontours des étiquettes</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Droite :</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Bas :</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>Commencer à l’éti&amp;quette :</translation>
    </message>
    <message>
        <source>&amp;Copies of each label:</source>
        <translation>Nom&amp;bre de copies par étiquette :</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Première feuille</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Impri&amp;mer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Aperçu a&amp;vant impression...</translation>
    </message>
    <message>
        <source>Print ali&amp;gnment page</source>
        <translation>Imprimer la page d’ali&amp;gnement</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> sur %1</translation>
    </message>
    <message>
        <source>The layout cannot be used: %1</source>
        <translation>La disposition est inutilisable : %1</translation>
    </message>
    <message>
        <source>No labels: %1</source>
        <translation>Aucune étiquette : %1</translation>
    </message>
    <message>
        <source>line %1: there is no text</source>
        <translation>ligne %1 : il n’y a pas de texte</translation>
    </message>
    <message>
        <source>Nothing is printed while any label cannot be drawn: %1 of %2:</source>
        <translation>Rien n’est imprimé tant qu’une étiquette ne peut pas être tracée : %1 sur %2 :</translation>
    </message>
    <message>
        <source>Nothing can be printed: %1</source>
        <translation>Rien ne peut être imprimé : %1</translation>
    </message>
    <message>
        <source>Nothing is printed while any symbol is larger than its label: %1 of %2:</source>
        <translation>Rien n’est imprimé tant qu’un symbole dépasse son étiquette : %1 sur %2 :</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... et %1 de plus</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 label</source>
        <translation>%1 étiquette</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 étiquettes</translation>
    </message>
    <message>
        <source>one sheet</source>
        <translation>une feuille</translation>
    </message>
    <message>
        <source>%1 sheets; the first is shown</source>
        <translation>%1 feuilles ; la première est affichée</translation>
    </message>
    <message>
        <source>Printer offset for %1:</source>
        <translation>Décalage de l’imprimante %1 :</translation>
    </message>
    <message>
        <source>PDF output</source>
        <translation>Sortie PDF</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Les étiquettes n’ont pas pu être imprimées.</translation>
    </message>
    <message>
        <source>Print Alignment Page</source>
        <translation>Imprimer la page d’alignement</translation>
    </message>
    <message>
        <source>The alignment page could not be printed.</source>
        <translation>La page d’alignement n’a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Printer offset to the right</source>
        <translation>Décalage de l’imprimante vers la droite</translation>
    </message>
    <message>
        <source>Printer offset down</source>
        <translation>Décalage de l’imprimante vers le bas</translation>
    </message>
    <message>
        <source>Unit of the printer offset</source>
        <translation>Unité du décalage de l’imprimante</translation>
    </message>
    <message>
        <source>Labels that cannot be printed</source>
        <translation>Étiquettes impossibles à imprimer</translation>
    </message>
    <message>
        <source>The first sheet of labels as it prints, the stock&apos;s labels outlined faintly</source>
        <translation>La première planche d’étiquettes telle qu’elle s’imprime, les étiquettes du support légèrement tracées</translation>
    </message>
    <message>
        <source>The first free label of a partly used sheet</source>
        <translation>La première étiquette libre d’une planche entamée</translation>
    </message>
    <message>
        <source>How many times each label is printed</source>
        <translation>Nombre d’impressions de chaque étiquette</translation>
    </message>
</context>
<context>
    <name>CQuillmarkApp</name>
    <message>
        <source>%1 is not a plain file and is not read: the default settings are used.</source>
        <translation>%1 n’est pas un fichier ordinaire et n’est pas lu : les paramètres par défaut sont utilisés.</translation>
    </message>
</context>
<context>
    <name>CQuillmarkDoc</name>
    <message>
        <source>Help cannot be shown: the help file %1 was not found.</source>
        <translation>L’aide ne peut pas être affichée : le fichier d’aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>Help cannot be shown: no program to open the help file %1 was found.</source>
        <translation>L’aide ne peut pas être affichée : aucun programme pour ouvrir le fichier d’aide %1 n’a été trouvé.</translation>
    </message>
    <message>
        <source>quillmark.htm</source>
        <translation>quillmark_fr.htm</translation>
    </message>
</context>
<context>
    <name>CSettingsDialog</name>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Barcode Settings</source>
        <translation>Paramètres du code-barres</translation>
    </message>
    <message>
        <source> mils</source>
        <translation> mil</translation>
    </message>
    <message>
        <source>&amp;Density (narrow bar):</source>
        <translation>&amp;Densité (barre étroite) :</translation>
    </message>
    <message>
        <source>&amp;Ratio (wide to narrow):</source>
        <translation>&amp;Rapport (large sur étroite) :</translation>
    </message>
    <message>
        <source>As typed (upper case)</source>
        <translation>Telle que saisie (majuscules)</translation>
    </message>
    <message>
        <source>Shortest (keeps lower case)</source>
        <translation>La plus courte (garde les minuscules)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <source>Top and bottom</source>
        <translation>Haut et bas</translation>
    </message>
    <message>
        <source>Code 128 &amp;code sets:</source>
        <translation>Jeux de &amp;caractères Code 128 :</translation>
    </message>
    <message>
        <source>ITF-14 &amp;bearer bars:</source>
        <translation>&amp;Barres de support ITF-14 :</translation>
    </message>
    <message>
        <source>EAN quiet zone &amp;marks (&lt; and &gt;)</source>
        <translation>&amp;Marques de zone de silence EAN (&lt; et &gt;)</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> points</translation>
    </message>
    <message>
        <source>Printed bar &amp;width reduction:</source>
        <translation>Réduction de la lar&amp;geur des barres imprimées :</translation>
    </message>
    <message>
        <source>Preview at actual size</source>
        <translation>Aperçu en taille réelle</translation>
    </message>
    <message>
        <source>wide bar %1 mils = %2</source>
        <translation>barre large %1 mil = %2</translation>
    </message>
    <message>
        <source>Symbol length: %1 inches = %2</source>
        <translation>Longueur du symbole : %1 pouces = %2</translation>
    </message>
    <message>
        <source>none: bars print as drawn</source>
        <translation>aucune : les barres s’impriment telles que tracées</translation>
    </message>
    <message>
        <source>= %1 mils off every bar at the printer&apos;s %2 dpi</source>
        <translation>= %1 mil en moins sur chaque barre aux %2 ppp de l’imprimante</translation>
    </message>
    <message>
        <source>The narrow bar&apos;s width in mils; every bar and space is a multiple of it</source>
        <translation>La largeur de la barre étroite en mils ; chaque barre et chaque espace en est un multiple</translation>
    </message>
    <message>
        <source>How many times wider a wide bar is than a narrow one</source>
        <translation>Combien de fois une barre large est plus large qu’une étroite</translation>
    </message>
    <message>
        <source>Code 128 code sets</source>
        <translation>Jeux de codes Code 128</translation>
    </message>
    <message>
        <source>As typed keeps Code 128 in upper case; shortest keeps lower case and uses the fewest symbol characters</source>
        <translation>« Tel que saisi » garde le Code 128 en majuscules ; « le plus court » garde les minuscules et utilise le moins de caractères de symbole</translation>
    </message>
    <message>
        <source>ITF-14 bearer bars</source>
        <translation>Barres de support ITF-14</translation>
    </message>
    <message>
        <source>The bars around an ITF-14 symbol</source>
        <translation>Les barres autour d’un symbole ITF-14</translation>
    </message>
    <message>
        <source>Prints &gt; and &lt; at the ends of the EAN quiet zones</source>
        <translation>Imprime &gt; et &lt; aux extrémités des zones de silence EAN</translation>
    </message>
    <message>
        <source>Printer dots taken off every printed bar, for printers that spread ink</source>
        <translation>Points d’imprimante retirés de chaque barre imprimée, pour les imprimantes dont l’encre s’étale</translation>
    </message>
    <message>
        <source>The main window&apos;s symbol with these settings</source>
        <translation>Le symbole de la fenêtre principale avec ces réglages</translation>
    </message>
    <message>
        <source> dot</source>
        <translation> point</translation>
    </message>
</context>
<context>
    <name>FieldValues</name>
    <message>
        <source>Height &quot;%1&quot; is less than %2 in: %3 in is used instead.</source>
        <translation>La hauteur « %1 » est inférieure à %2 po : %3 po sont utilisés à la place.</translation>
    </message>
    <message>
        <source>Height &quot;%1&quot; is not a number of inches: %2 in is used instead.</source>
        <translation>La hauteur « %1 » n’est pas un nombre de pouces : %2 po sont utilisés à la place.</translation>
    </message>
    <message>
        <source>Height &quot;%1&quot;: &quot;%2&quot; after the number is not read; %3 in is used.</source>
        <translation>Hauteur « %1 » : « %2 » après le nombre n’est pas lu ; %3 in est utilisé.</translation>
    </message>
</context>
<context>
    <name>FileCommit</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d’écrire %1 : %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>la sortie standard</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <source>%1 was another user&apos;s file and is now yours (only an administrator may give a file away)</source>
        <translation>%1 appartenait à un autre utilisateur et vous appartient désormais (seul un administrateur peut céder un fichier)</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>impossible de remplacer %1 : %2</translation>
    </message>
    <message>
        <source>cannot flush %1 to the disk: %2</source>
        <translation>impossible d’écrire %1 sur le disque : %2</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>elle est fermée</translation>
    </message>
    <message>
        <source>its folder is the system&apos;s and takes no files</source>
        <translation>son dossier appartient au système et n’accepte aucun fichier</translation>
    </message>
</context>
<context>
    <name>InputRule</name>
    <message>
        <source>takes digits only</source>
        <translation>n’accepte que des chiffres</translation>
    </message>
    <message>
        <source>takes 8-bit (Latin-1) characters only</source>
        <translation>n’accepte que des caractères 8 bits (Latin-1)</translation>
    </message>
    <message>
        <source>refuses it</source>
        <translation>le refuse</translation>
    </message>
    <message>
        <source>has no encoding for it</source>
        <translation>n’a pas de codage pour lui</translation>
    </message>
    <message>
        <source>character %1 at position %2: %3 %4</source>
        <translation>caractère %1 en position %2 : %3 %4</translation>
    </message>
    <message>
        <source>%1 digits: %2 takes at most %3</source>
        <translation>%1 chiffres : %2 en accepte au plus %3</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MB; split it into smaller batches</source>
        <translation>%1 contient plus de %2 Mo ; divisez-le en lots plus petits</translation>
    </message>
    <message>
        <source>the CSV input has no header row</source>
        <translation>l’entrée CSV n’a pas de ligne d’en-tête</translation>
    </message>
    <message>
        <source>the CSV header names &quot;%1&quot; twice (columns %2 and %3)</source>
        <translation>l’en-tête CSV nomme « %1 » deux fois (colonnes %2 et %3)</translation>
    </message>
    <message>
        <source>the CSV header&apos;s column %1, &quot;%2&quot;, is none of symbology, text, height, output and caption: it is not used</source>
        <translation>la colonne %1 de l’en-tête CSV, « %2 », n’est ni symbology, ni text, ni height, ni output, ni caption : elle n’est pas utilisée</translation>
    </message>
    <message>
        <source>the CSV header names no &quot;text&quot; column</source>
        <translation>l’en-tête CSV ne nomme aucune colonne « text »</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>pas de texte</translation>
    </message>
    <message>
        <source>cannot read standard input: it is closed</source>
        <translation>impossible de lire l’entrée standard : elle est fermée</translation>
    </message>
</context>
<context>
    <name>LabelData</name>
    <message>
        <source>the count must be 1 to %1</source>
        <translation>le nombre doit être compris entre 1 et %1</translation>
    </message>
    <message>
        <source>the number&apos;s width must be 0 to %1 digits</source>
        <translation>la largeur du numéro doit être de 0 à %1 chiffres</translation>
    </message>
    <message>
        <source>the sequence&apos;s numbers leave the range of whole numbers</source>
        <translation>les numéros de la séquence sortent de la plage des nombres entiers</translation>
    </message>
    <message>
        <source>the CSV file has no header row</source>
        <translation>le fichier CSV n’a pas de ligne d’en-tête</translation>
    </message>
    <message>
        <source>the CSV file has no column &quot;%1&quot;</source>
        <translation>le fichier CSV n’a pas de colonne « %1 »</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line %1: there is no text</source>
        <translation>ligne %1 : il n’y a pas de texte</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer des étiquettes</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Impression de la page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 po</translation>
    </message>
    <message>
        <source>it must stay inside the %1 label of %2, %3 in from its edge</source>
        <translation>il doit rester dans l’étiquette %1 de %2, à %3 po du bord</translation>
    </message>
    <message>
        <source>rectangular</source>
        <translation>rectangulaire</translation>
    </message>
    <message>
        <source>elliptic</source>
        <translation>ovale</translation>
    </message>
    <message>
        <source>round</source>
        <translation>ronde</translation>
    </message>
    <message>
        <source>the label is %1</source>
        <translation>l’étiquette mesure %1</translation>
    </message>
    <message>
        <source>the first label must be 1 to %1 on %2</source>
        <translation>la première étiquette doit être comprise entre 1 et %1 sur %2</translation>
    </message>
    <message>
        <source>copies must be 1 to %1</source>
        <translation>le nombre de copies doit être compris entre 1 et %1</translation>
    </message>
    <message>
        <source>%1 labels of %2 copies each are more than the %3 one run takes</source>
        <translation>%1 étiquettes de %2 copies chacune dépassent les %3 qu’un passage accepte</translation>
    </message>
    <message>
        <source>there are no labels to print</source>
        <translation>il n’y a aucune étiquette à imprimer</translation>
    </message>
    <message>
        <source>line %1: the symbol takes %2 x %3 in with its quiet zones%4; </source>
        <translation>ligne %1 : le symbole occupe %2 x %3 po avec ses zones de silence%4 ; </translation>
    </message>
    <message>
        <source> and caption</source>
        <translation> et son intitulé</translation>
    </message>
    <message>
        <source>line %1 (page %2, label %3): %4</source>
        <translation>ligne %1 (page %2, étiquette %3) : %4</translation>
    </message>
    <message>
        <source>reads as &quot;%1&quot;</source>
        <translation>se lit « %1 »</translation>
    </message>
    <message>
        <source>does not scan</source>
        <translation>ne se lit pas</translation>
    </message>
    <message>
        <source>the first label must be 1: %1 holds one label</source>
        <translation>la première étiquette doit être 1 : %1 ne contient qu’une étiquette</translation>
    </message>
</context>
<context>
    <name>OutputFormat</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
</context>
<context>
    <name>PrintSetup</name>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l’impression</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 of %2 done, %3 failed (%4 %)</source>
        <translation>%1 sur %2 traités, %3 en échec (%4 %)</translation>
    </message>
    <message>
        <source>%1 of %2 written (%3 %)</source>
        <translation>%1 sur %2 écrits (%3 %)</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 attend un nombre entier de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>Draws barcodes at true size into BMP, PNG, SVG or PDF files.
Symbologies: %1, or their names as the desktop program lists them.
Batch and CSV inputs are read as UTF-8; in output patterns {n} is the entry&apos;s number, zero-padded, and {text} its data text made safe for a file name.
With --sheet the symbols are drawn at true size on label stock, one label each, into one PDF file, or into BMP or PNG pages at --dpi named with {page}.</source>
        <translation>Trace des codes-barres à taille réelle dans des fichiers BMP, PNG, SVG ou PDF.
Symbologies : %1, ou leurs noms tels que le programme de bureau les affiche.
Les entrées par lot et CSV sont lues en UTF-8 ; dans les modèles de sortie, {n} est le numéro de l’entrée, complété de zéros, et {text} son texte de données rendu sûr pour un nom de fichier.
Avec --sheet, les symboles sont tracés à taille réelle sur un support d’étiquettes, un par étiquette, dans un fichier PDF, ou dans des pages BMP ou PNG à --dpi nommées avec {page}.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Affiche la version du programme.</translation>
    </message>
    <message>
        <source>The symbology (name or alias, any case).</source>
        <translation>La symbologie (nom ou alias, casse indifférente).</translation>
    </message>
    <message>
        <source>The output file (- for standard output, with --format), or for a batch a pattern with {n} or {text}.</source>
        <translation>Le fichier de sortie (- pour la sortie standard, avec --format), ou pour un lot un modèle avec {n} ou {text}.</translation>
    </message>
    <message>
        <source>Draws one symbol per line of the file (- for standard input).</source>
        <translation>Trace un symbole par ligne du fichier (- pour l’entrée standard).</translation>
    </message>
    <message>
        <source>Draws one symbol per row of a CSV file whose header names columns among symbology, text, height and output (- for standard input).</source>
        <translation>Trace un symbole par ligne d’un fichier CSV dont l’en-tête nomme des colonnes parmi symbology, text, height et output (- pour l’entrée standard).</translation>
    </message>
    <message>
        <source>%1 (default: from the output&apos;s extension).</source>
        <translation>%1 (par défaut : d’après l’extension de la sortie).</translation>
    </message>
    <message>
        <source>The narrow element in mils (default: the program&apos;s setting).</source>
        <translation>L’élément étroit en mil (par défaut : le réglage du programme).</translation>
    </message>
    <message>
        <source>Wide element = ratio x narrow (default: the program&apos;s setting).</source>
        <translation>Élément large = rapport x étroit (par défaut : le réglage du programme).</translation>
    </message>
    <message>
        <source>Code 128: typed (the code sets the text&apos;s code-change characters give, upper case) or auto (the fewest symbol characters, lower case kept) (default: the program&apos;s setting).</source>
        <translation>Code 128 : typed (les jeux de caractères que donnent les caractères de changement du texte, en majuscules) ou auto (le moins de caractères de symbole, minuscules conservées) (par défaut : le réglage du programme).</translation>
    </message>
    <message>
        <source>ITF-14: frame, top-bottom or none (default: the program&apos;s setting).</source>
        <translation>ITF-14 : frame (cadre), top-bottom (haut et bas) ou none (aucune) (par défaut : le réglage du programme).</translation>
    </message>
    <message>
        <source>The bar height in inches (default 0.75).</source>
        <translation>La hauteur des barres en pouces (par défaut 0.75).</translation>
    </message>
    <message>
        <source>Scales the whole symbol, 1 to 8 (default 1).</source>
        <translation>Met à l’échelle tout le symbole, de 1 à 8 (par défaut 1).</translation>
    </message>
    <message>
        <source>Quarter turns counter-clockwise, 0 to 3 (default 0).</source>
        <translation>Quarts de tour dans le sens antihoraire, de 0 à 3 (par défaut 0).</translation>
    </message>
    <message>
        <source>Leaves out the human-readable text.</source>
        <translation>Omet le texte lisible.</translation>
    </message>
    <message>
        <source>Resolution of BMP and PNG output (default %1).</source>
        <translation>Résolution des sorties BMP et PNG (par défaut %1).</translation>
    </message>
    <message>
        <source>Makes every bar of BMP and PNG output (and of the pages --verify reads) this many dots narrower and every space as much wider, for printers that spread ink, 0 to %1 (default 0).</source>
        <translation>Rend chaque barre des sorties BMP et PNG (et des pages que lit --verify) plus étroite d’autant de points et chaque espace plus large d’autant, pour les imprimantes dont l’encre s’étale, de 0 à %1 (par défaut 0).</translation>
    </message>
    <message>
        <source>EAN-13 and EAN-8 get their quiet zone marks (&gt; and &lt;): on or off (default: the program&apos;s setting).</source>
        <translation>EAN-13 et EAN-8 reçoivent leurs marques de zone de silence (&gt; et &lt;) : on ou off (par défaut : le réglage du programme).</translation>
    </message>
    <message>
        <source>Drops characters the symbology refuses instead of failing.</source>
        <translation>Supprime les caractères que la symbologie refuse au lieu d’échouer.</translation>
    </message>
    <message>
        <source>Reads every output back as a scanner would (at --dpi) and fails the entry that does not scan as its label.</source>
        <translation>Relit chaque sortie comme le ferait un scanner (à --dpi) et fait échouer l’entrée qui ne se lit pas comme son libellé.</translation>
    </message>
    <message>
        <source>Symbols drawn at once, 1 to %1 (default: one per core).</source>
        <translation>Symboles tracés en même temps, de 1 à %1 (par défaut : un par cœur).</translation>
    </message>
    <message>
        <source>Draws the symbols as labels on a sheet: a name --list-sheets shows (the system&apos;s label catalog by brand and part, &quot;Avery 5160&quot;), a continuous roll by its width (continuous-62mm), or page=WxH,grid=CxR,label=WxH[,margins=TOPxLEFT][,pitch=XxY] with lengths in in or mm (8.5x11in).</source>
        <translation>Trace les symboles comme étiquettes sur une feuille : un nom qu’affiche --list-sheets (le catalogue d’étiquettes du système par marque et référence, « Avery 5160 »), un rouleau continu par sa largeur (continuous-62mm), ou page=WxH,grid=CxR,label=WxH[,margins=TOPxLEFT][,pitch=XxY] avec des longueurs en in ou mm (8.5x11in).</translation>
    </message>
    <message>
        <source>Lists the built-in label stock and the system&apos;s label catalog; with words after it, only the stock whose name and description hold them all (5160, address).</source>
        <translation>Liste les supports d’étiquettes intégrés et le catalogue d’étiquettes du système ; suivi de mots, seulement ceux dont le nom et la description les contiennent tous (5160, address).</translation>
    </message>
    <message>
        <source>The first label used on the first sheet, from 1 (default 1).</source>
        <translation>La première étiquette utilisée sur la première feuille, à partir de 1 (par défaut 1).</translation>
    </message>
    <message>
        <source>Labels of each text, one after another (default 1).</source>
        <translation>Étiquettes de chaque texte, l’une après l’autre (par défaut 1).</translation>
    </message>
    <message>
        <source>A line of text above every label&apos;s symbol (a CSV caption column gives each its own).</source>
        <translation>Une ligne de texte au-dessus du symbole de chaque étiquette (une colonne CSV caption donne à chacune la sienne).</translation>
    </message>
    <message>
        <source>Draws each label&apos;s outline on the sheet.</source>
        <translation>Trace le contour de chaque étiquette sur la feuille.</translation>
    </message>
    <message>
        <source>The data text of a single symbol.</source>
        <translation>Le texte de données d’un seul symbole.</translation>
    </message>
    <message>
        <source>one data text only; quote a text with blanks</source>
        <translation>un seul texte de données ; mettez entre guillemets un texte avec des espaces</translation>
    </message>
    <message>
        <source>give one data text, --batch or --csv</source>
        <translation>indiquez un texte de données, --batch ou --csv</translation>
    </message>
    <message>
        <source>the data text is empty</source>
        <translation>le texte de données est vide</translation>
    </message>
    <message>
        <source>unknown symbology &quot;%1&quot;; known: %2</source>
        <translation>symbologie inconnue « %1 » ; connues : %2</translation>
    </message>
    <message>
        <source>--symbology is missing</source>
        <translation>--symbology manque</translation>
    </message>
    <message>
        <source>--output is missing</source>
        <translation>--output manque</translation>
    </message>
    <message>
        <source>--%1 is for label sheets: give --sheet</source>
        <translation>--%1 est pour les feuilles d’étiquettes : indiquez --sheet</translation>
    </message>
    <message>
        <source>--sheet: %1; --list-sheets shows the stock there is</source>
        <translation>--sheet : %1 ; --list-sheets affiche les supports disponibles</translation>
    </message>
    <message>
        <source>labels are drawn at true size: --zoom does not go with --sheet</source>
        <translation>les étiquettes sont tracées à taille réelle : --zoom ne va pas avec --sheet</translation>
    </message>
    <message>
        <source>a batch needs {n} or {text} in --output, or every line would overwrite the last</source>
        <translation>un lot a besoin de {n} ou {text} dans --output, sinon chaque ligne écraserait la précédente</translation>
    </message>
    <message>
        <source>--format takes %1, not &quot;%2&quot;</source>
        <translation>--format attend %1, pas « %2 »</translation>
    </message>
    <message>
        <source>cannot tell the format of &quot;%1&quot;; name it %2, or give --format</source>
        <translation>impossible de déterminer le format de « %1 » ; nommez-le %2, ou indiquez --format</translation>
    </message>
    <message>
        <source>--code-sets takes auto or typed, not &quot;%1&quot;</source>
        <translation>--code-sets attend auto ou typed, pas « %1 »</translation>
    </message>
    <message>
        <source>--bearer-bars takes frame, top-bottom or none, not &quot;%1&quot;</source>
        <translation>--bearer-bars attend frame, top-bottom ou none, pas « %1 »</translation>
    </message>
    <message>
        <source>--height takes a length in inches above 0, not &quot;%1&quot;</source>
        <translation>--height attend une longueur en pouces supérieure à 0, pas « %1 »</translation>
    </message>
    <message>
        <source>--quiet-zone-marks takes on or off, not &quot;%1&quot;</source>
        <translation>--quiet-zone-marks attend on ou off, pas « %1 »</translation>
    </message>
    <message>
        <source>--height takes at most %1 inches (no output holds more), not &quot;%2&quot;</source>
        <translation>--height attend au plus %1 pouces (aucune sortie n’en contient plus), pas « %2 »</translation>
    </message>
    <message>
        <source>CSV output column: below (paths below the current folder only) or any (absolute paths and .. too) (default below).</source>
        <translation>Colonne output du CSV : below (chemins sous le dossier courant seulement) ou any (chemins absolus et .. aussi) (par défaut below).</translation>
    </message>
    <message>
        <source>--output-paths takes below or any, not &quot;%1&quot;</source>
        <translation>--output-paths attend below ou any, pas « %1 »</translation>
    </message>
    <message>
        <source>Fills a short EAN or UPC number with zeros on the right instead of refusing it.</source>
        <translation>Complète à droite par des zéros un numéro EAN ou UPC trop court au lieu de le refuser.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Enregistrer	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Imprimer...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print &amp;Labels...</source>
        <translation>Imprimer des é&amp;tiquettes...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Configuration de l’impression...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Annuler	Ctrl+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>Co&amp;uper	Ctrl+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Copier	Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>C&amp;oller	Ctrl+V</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Barre d’outils</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Zoom a&amp;vant	Ctrl++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Zoom a&amp;rrière	Ctrl+-</translation>
    </message>
    <message>
        <source>Turn &amp;Left	Ctrl+[</source>
        <translation>Pivoter à &amp;gauche	Ctrl+[</translation>
    </message>
    <message>
        <source>Turn &amp;Right	Ctrl+]</source>
        <translation>Pivoter à &amp;droite	Ctrl+]</translation>
    </message>
    <message>
        <source>&amp;Barcode Settings...</source>
        <translation>&amp;Paramètres du code-barres...</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Rubriques d’aide	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Copy	 Ctrl+C</source>
        <translation>&amp;Copier	 Ctrl+C</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl+P</source>
        <translation>&amp;Imprimer	Ctrl+P</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Imprimer le document actif</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Afficher des pages entières</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print the symbol on sheets or rolls of labels, one or many texts</source>
        <translation>Imprimer le symbole sur des feuilles ou rouleaux d’étiquettes, avec un ou plusieurs textes</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Imprimer des étiquettes</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Changer l’imprimante et les options d’impression</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Configuration de l’impression</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Quitter l’application ; propose d’enregistrer les documents</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Annuler la dernière action</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Couper la sélection et la placer dans le Presse-papiers</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Copier la sélection et la placer dans le Presse-papiers</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Insérer le contenu du Presse-papiers</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Afficher ou masquer la barre d’outils</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Barre d’outils oui/non</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Afficher ou masquer la barre d’état</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Barre d’état oui/non</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Lister les rubriques d’aide</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Rubriques d’aide</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations sur le programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Show the barcode one step larger</source>
        <translation>Afficher le code-barres un cran plus grand</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Show the barcode one step smaller</source>
        <translation>Afficher le code-barres un cran plus petit</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Turn the barcode a quarter turn counter-clockwise</source>
        <translation>Faire pivoter le code-barres d’un quart de tour dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Pivoter à gauche</translation>
    </message>
    <message>
        <source>Turn the barcode a quarter turn clockwise</source>
        <translation>Faire pivoter le code-barres d’un quart de tour dans le sens horaire</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Pivoter à droite</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Zoom avant (Ctrl++)</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Zoom arrière (Ctrl+-)</translation>
    </message>
    <message>
        <source>Turn Left (Ctrl+[)</source>
        <translation>Pivoter à gauche (Ctrl+[)</translation>
    </message>
    <message>
        <source>Turn Right (Ctrl+])</source>
        <translation>Pivoter à droite (Ctrl+])</translation>
    </message>
    <message>
        <source>Change the narrow bar width and the wide-to-narrow ratio</source>
        <translation>Modifier la largeur de la barre étroite et le rapport large sur étroite</translation>
    </message>
    <message>
        <source>Barcode Settings</source>
        <translation>Paramètres du code-barres</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>Ha&amp;uteur</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>&amp;Symbology:</source>
        <translation>&amp;Symbologie</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>Show Te&amp;xt</source>
        <translation>Li&amp;bellé</translation>
    </message>
    <message>
        <source>T&amp;ile mode</source>
        <translation>&amp;Mosaïque</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Quillmark</source>
        <translation>À propos de Quillmark</translation>
    </message>
    <message>
        <source>Alphanumeric characters(A-Z, 0-9, +-/%$*SPACE)</source>
        <translation>Caractères alphanumériques (A-Z, 0-9, +-/%$*ESPACE)</translation>
    </message>
    <message>
        <source>Any alphanumeric characters.</source>
        <translation>Tous caractères alphanumériques.</translation>
    </message>
    <message>
        <source>Numeric character ( 0~9) only.</source>
        <translation>Chiffres (0~9) uniquement.</translation>
    </message>
    <message>
        <source>GS1 data: each Application Identifier in parentheses, then its data, e.g. (01)09501101530003(17)251231(10)AB-123</source>
        <translation>Données GS1 : chaque identifiant d’application (AI) entre parenthèses, puis ses données, p. ex. (01)09501101530003(17)251231(10)AB-123</translation>
    </message>
    <message>
        <source>13 digits (0~9), or 14 with the check digit.</source>
        <translation>13 chiffres (0~9), ou 14 avec le chiffre de contrôle.</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>note: %1</source>
        <translation>remarque : %1</translation>
    </message>
    <message>
        <source>bytes that are not UTF-8</source>
        <translation>des octets qui ne sont pas de l’UTF-8</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>%1 is written by an earlier line already</source>
        <translation>%1 est déjà écrit par une ligne précédente</translation>
    </message>
    <message>
        <source>unknown symbology &quot;%1&quot;</source>
        <translation>symbologie inconnue « %1 »</translation>
    </message>
    <message>
        <source>no symbology: give a symbology column or --symbology</source>
        <translation>pas de symbologie : indiquez une colonne symbology ou --symbology</translation>
    </message>
    <message>
        <source>height &quot;%1&quot; is no length in inches above 0</source>
        <translation>la hauteur « %1 » n’est pas une longueur en pouces supérieure à 0</translation>
    </message>
    <message>
        <source>no output: give an output column or --output</source>
        <translation>pas de sortie : indiquez une colonne output ou --output</translation>
    </message>
    <message>
        <source>cannot be read back: the symbol is too large for a bitmap at %1 dpi (at most %2 pixels a side)</source>
        <translation>relecture impossible : le symbole est trop grand pour une bitmap à %1 ppp (au plus %2 pixels de côté)</translation>
    </message>
    <message>
        <source>note: at %1 dpi the narrow element is %2 mils, not %3 (a whole number of dots)</source>
        <translation>remarque : à %1 ppp l’élément étroit fait %2 mil, pas %3 (un nombre entier de points)</translation>
    </message>
    <message>
        <source>note: %1 is not a plain file and is not read; the default Density and Ratio are used</source>
        <translation>remarque : %1 n’est pas un fichier ordinaire et n’est pas lu ; la densité et le rapport par défaut sont utilisés</translation>
    </message>
    <message>
        <source>height &quot;%1&quot; is more than %2 inches: no output holds it</source>
        <translation>la hauteur « %1 » dépasse %2 pouces : aucune sortie ne la contient</translation>
    </message>
    <message>
        <source>output &quot;%1&quot; is not below the current folder; give --output-paths any to allow it</source>
        <translation>la sortie « %1 » n’est pas sous le dossier courant ; --output-paths any l’autorise</translation>
    </message>
</context>
<context>
    <name>ScanCheck</name>
    <message>
        <source>⚠ Scans: %1, but not with every reader</source>
        <translation>⚠ Se lit : %1, mais pas avec tous les lecteurs</translation>
    </message>
    <message>
        <source>⚠ Scans: %1, but not with every reader; Density %2 reads with both</source>
        <translation>⚠ Se lit : %1, mais pas avec tous les lecteurs ; avec une densité de %2 les deux le lisent</translation>
    </message>
    <message>
        <source>⚠ Scans: %1, but not with every reader; zoom %2 reads with both</source>
        <translation>⚠ Se lit : %1, mais pas avec tous les lecteurs ; au zoom %2 les deux le lisent</translation>
    </message>
    <message>
        <source>✓ Scans: %1</source>
        <translation>✓ Se lit : %1</translation>
    </message>
    <message>
        <source>Scans as %1 — the label shows %2</source>
        <translation>Se lit %1 — le libellé affiche %2</translation>
    </message>
    <message>
        <source>No data: the text is empty</source>
        <translation>Aucune donnée : le texte est vide</translation>
    </message>
    <message>
        <source>⚠ No data: the text is empty; the symbol reads %1</source>
        <translation>⚠ Aucune donnée : le texte est vide ; le symbole se lit %1</translation>
    </message>
    <message>
        <source>No data: the bars leave out all that the label shows</source>
        <translation>Aucune donnée : les barres omettent tout ce qu’affiche le libellé</translation>
    </message>
    <message>
        <source>Scans as %1 — the label shows %2 that the bars leave out</source>
        <translation>Se lit %1 — le libellé affiche %2 que les barres omettent</translation>
    </message>
    <message>
        <source>Does not scan: wide and narrow bars are equal at Ratio 1</source>
        <translation>Ne se lit pas : barres larges et étroites sont égales au rapport 1</translation>
    </message>
    <message>
        <source>Not checked: the reader used here takes %1 digits or more, not %2</source>
        <translation>Non vérifié : le lecteur utilisé ici accepte %1 chiffres ou plus, pas %2</translation>
    </message>
    <message>
        <source>Does not scan at this size; it does at zoom %1</source>
        <translation>Ne se lit pas à cette taille ; se lit au zoom %1</translation>
    </message>
    <message>
        <source>Does not scan at this size; it does at Density %1</source>
        <translation>Ne se lit pas à cette taille ; se lit à la densité %1</translation>
    </message>
    <message>
        <source>Does not scan at this size</source>
        <translation>Ne se lit pas à cette taille</translation>
    </message>
    <message>
        <source>Not checked: the symbol readers cannot be loaded (%1)</source>
        <translation>Non vérifié : les lecteurs de symboles ne peuvent pas être chargés (%1)</translation>
    </message>
    <message>
        <source>⚠ %1 of %2 digits: the symbol carries %3</source>
        <translation>⚠ %1 chiffres sur %2 : le symbole porte %3</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>&quot;%1&quot;: a continuous roll is named by its width, such as continuous-62mm or continuous-2in (at most 200 inches)</source>
        <translation>« %1 » : un rouleau continu se nomme par sa largeur, comme continuous-62mm ou continuous-2in (au plus 200 pouces)</translation>
    </message>
    <message>
        <source>a sheet needs at least one column and one row</source>
        <translation>une feuille doit avoir au moins une colonne et une ligne</translation>
    </message>
    <message>
        <source>a label needs a width and a height</source>
        <translation>une étiquette doit avoir une largeur et une hauteur</translation>
    </message>
    <message>
        <source>the pitch is smaller than the label: labels would overlap</source>
        <translation>le pas est plus petit que l’étiquette : les étiquettes se chevaucheraient</translation>
    </message>
    <message>
        <source>the labels do not fit the page</source>
        <translation>les étiquettes ne tiennent pas sur la page</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; (page, grid, label, margins and pitch are known)</source>
        <translation>champ inconnu « %1 » (page, grid, label, margins et pitch sont connus)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no columns x rows</source>
        <translation>« %1 » n’est pas colonnes x lignes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no width x height in in or mm</source>
        <translation>« %1 » n’est pas largeur x hauteur en in ou mm</translation>
    </message>
    <message>
        <source>a custom sheet needs page=, grid= and label=</source>
        <translation>une feuille personnalisée a besoin de page=, grid= et label=</translation>
    </message>
    <message>
        <source>unknown sheet &quot;%1&quot;</source>
        <translation>feuille inconnue « %1 »</translation>
    </message>
    <message>
        <source>%1 x %2 labels of %3 on %4</source>
        <translation>%1 x %2 étiquettes de %3 sur %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a sheet has at most 1000 columns and 1000 rows</source>
        <translation>« %1 » : une planche a au plus 1000 colonnes et 1000 lignes</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a length passes the largest page, 200 inches (5080 mm)</source>
        <translation>« %1 » : une longueur dépasse la plus grande page, 200 pouces (5080 mm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>« %1 » est donné deux fois</translation>
    </message>
</context>
<context>
    <name>SheetRun</name>
    <message>
        <source>a sheet takes one symbology: give --symbology</source>
        <translation>une feuille n’accepte qu’une symbologie : indiquez --symbology</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>note: on a sheet every label takes the command line&apos;s symbology, height and output; those columns are not used</source>
        <translation>remarque : sur une feuille, chaque étiquette prend la symbologie, la hauteur et la sortie de la ligne de commande ; ces colonnes ne sont pas utilisées</translation>
    </message>
    <message>
        <source>%1 of %2 labels cannot be drawn; nothing was written</source>
        <translation>%1 étiquettes sur %2 ne peuvent pas être tracées ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>%1 labels do not fit %2; nothing was written</source>
        <translation>%1 étiquettes ne tiennent pas sur %2 ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>a sheet is written as one PDF document, or as BMP or PNG pages: not as SVG</source>
        <translation>une feuille s’écrit en un document PDF, ou en pages BMP ou PNG : pas en SVG</translation>
    </message>
    <message>
        <source>the labels fill %1 pages: name the pages with {page} in --output</source>
        <translation>les étiquettes remplissent %1 pages : nommez les pages avec {page} dans --output</translation>
    </message>
    <message>
        <source>page %1 is too large for a bitmap at %2 dpi</source>
        <translation>la page %1 est trop grande pour une bitmap à %2 ppp</translation>
    </message>
    <message>
        <source>%1 more lines do not fit either</source>
        <translation>%1 autres lignes ne tiennent pas non plus</translation>
    </message>
    <message>
        <source>1 label does not fit %1; nothing was written</source>
        <translation>1 étiquette ne tient pas sur %1 ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>a sheet&apos;s pages are named with {page}; {n} and {text} name the files of a batch</source>
        <translation>les pages d’une planche se nomment avec {page} ; {n} et {text} nomment les fichiers d’un lot</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>the caption&apos;s character &quot;%1&quot; (U+%2): no font here has it</source>
        <translation>le caractère « %1 » (U+%2) de la légende : aucune police ici ne l’a</translation>
    </message>
</context>
<context>
    <name>StandardsAdvice</name>
    <message>
        <source>GS1: X %1 mm, %2 the %3 to %4 mm range; bars %5 mm high, %6 %7 mm for this X; quiet zones %8 X each side, %9 %10</source>
        <translation>GS1 : X %1 mm, %2 de la plage %3 à %4 mm ; barres de %5 mm de haut, %6 %7 mm pour ce X ; zones de silence de %8 X de chaque côté, %9 %10</translation>
    </message>
    <message>
        <source>within</source>
        <translation>à l’intérieur</translation>
    </message>
    <message>
        <source>below</source>
        <translation>en dessous</translation>
    </message>
    <message>
        <source>above</source>
        <translation>au-dessus</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>au moins</translation>
    </message>
    <message>
        <source>short of</source>
        <translation>moins que</translation>
    </message>
</context>
<context>
    <name>SymbolRender</name>
    <message>
        <source>the symbol takes %1 x %2 inches at zoom %3; no output holds more than %4 inches a side</source>
        <translation>le symbole occupe %1 x %2 pouces au zoom %3 ; aucune sortie ne dépasse %4 pouces de côté</translation>
    </message>
    <message>
        <source>the symbol is too large for a bitmap at %1 dpi (at most %2 pixels a side)</source>
        <translation>le symbole est trop grand pour une bitmap à %1 ppp (au plus %2 pixels de côté)</translation>
    </message>
    <message>
        <source>the bitmap could not be encoded</source>
        <translation>la bitmap n’a pas pu être encodée</translation>
    </message>
</context>
<context>
    <name>Symbology</name>
    <message>
        <source>byte 0x%1</source>
        <translation>octet 0x%1</translation>
    </message>
    <message>
        <source>(%1) takes digits only: %2 at position %3 of its data</source>
        <translation>(%1) n’accepte que des chiffres : %2 en position %3 de ses données</translation>
    </message>
    <message>
        <source>(%1): %2 at position %3 of its data is not in the GS1 character set</source>
        <translation>(%1) : %2 en position %3 de ses données n’est pas dans le jeu de caractères GS1</translation>
    </message>
    <message>
        <source>(%1) takes %2 digits, not %3</source>
        <translation>(%1) attend %2 chiffres, pas %3</translation>
    </message>
    <message>
        <source>(%1) takes %2 to %3 characters, not %4</source>
        <translation>(%1) attend de %2 à %3 caractères, pas %4</translation>
    </message>
    <message>
        <source>(%1) check digit %2 is wrong: it should be %3</source>
        <translation>(%1) le chiffre de contrôle %2 est faux : il devrait être %3</translation>
    </message>
    <message>
        <source>GS1-128 data starts with an Application Identifier in parentheses, such as (01)</source>
        <translation>les données GS1-128 commencent par un identifiant d’application (AI) entre parenthèses, comme (01)</translation>
    </message>
    <message>
        <source>the &quot;(&quot; at position %1 is never closed</source>
        <translation>la parenthèse « ( » en position %1 n’est jamais fermée</translation>
    </message>
    <message>
        <source>(%1) has no data</source>
        <translation>(%1) n’a pas de données</translation>
    </message>
    <message>
        <source>the data is %1 characters long; a GS1-128 symbol holds at most %2</source>
        <translation>les données font %1 caractères ; un symbole GS1-128 en contient au plus %2</translation>
    </message>
    <message>
        <source>ITF-14 takes 13 digits, or 14 with the check digit</source>
        <translation>ITF-14 attend 13 chiffres, ou 14 avec le chiffre de contrôle</translation>
    </message>
    <message>
        <source>ITF-14 check digit %1 is wrong: it should be %2</source>
        <translation>le chiffre de contrôle ITF-14 %1 est faux : il devrait être %2</translation>
    </message>
    <message>
        <source>%1 takes %2 digits, or %3 with its check digit; &quot;%4&quot; has %5</source>
        <translation>%1 prend %2 chiffres, ou %3 avec son chiffre de contrôle ; « %4 » en a %5</translation>
    </message>
    <message>
        <source>%1 check digit %2 is wrong: it should be %3</source>
        <translation>le chiffre de contrôle %1 %2 est faux : il devrait être %3</translation>
    </message>
    <message>
        <source>UPC E %1 stands for UPC-A %2, whose UPC-E form is %3</source>
        <translation>UPC E %1 représente UPC-A %2, dont la forme UPC-E est %3</translation>
    </message>
    <message>
        <source>(%1) %2 is no date (%3)</source>
        <translation>(%1) %2 n’est pas une date (%3)</translation>
    </message>
    <message>
        <source>(%1) %2 is no time of day (%3)</source>
        <translation>(%1) %2 n’est pas une heure (%3)</translation>
    </message>
    <message>
        <source>(%1) %2 is no ISO 3166 country number</source>
        <translation>(%1) %2 n’est pas un numéro de pays ISO 3166</translation>
    </message>
    <message>
        <source>(%1) %2 is no ISO 3166 two-letter country code</source>
        <translation>(%1) %2 n’est pas un code de pays ISO 3166 à deux lettres</translation>
    </message>
    <message>
        <source>(%1) %2 is no ISO 4217 currency number</source>
        <translation>(%1) %2 n’est pas un numéro de devise ISO 4217</translation>
    </message>
    <message>
        <source>(%1) %2 does not pass its &quot;%3&quot; check</source>
        <translation>(%1) %2 ne passe pas son contrôle « %3 »</translation>
    </message>
    <message>
        <source>(%1): %2 at position %3 of its data is not one of 0-9, A-Z, #, - and /</source>
        <translation>(%1) : %2 à la position %3 de ses données n’est pas l’un de 0-9, A-Z, #, - et /</translation>
    </message>
    <message>
        <source>(%1) takes %2 characters, not %3</source>
        <translation>(%1) prend %2 caractères, pas %3</translation>
    </message>
    <message>
        <source>(%1) takes its data as %2, not %3 characters</source>
        <translation>(%1) prend ses données sous la forme %2, pas %3 caractères</translation>
    </message>
    <message>
        <source>(%1) stands twice with other data</source>
        <translation>(%1) figure deux fois avec d’autres données</translation>
    </message>
    <message>
        <source>(%1) may not stand with (%2)</source>
        <translation>(%1) ne peut pas figurer avec (%2)</translation>
    </message>
    <message>
        <source>(%1) needs %2 with it</source>
        <translation>(%1) exige %2 avec lui</translation>
    </message>
    <message>
        <source>(%1) needs one of %2 with it</source>
        <translation>(%1) exige l’un de %2 avec lui</translation>
    </message>
    <message>
        <source>(%1): &quot;)&quot; at position %2 of its data: write a parenthesis in data as \( or \)</source>
        <translation>(%1) : « ) » à la position %2 de ses données : une parenthèse dans les données s’écrit \( ou \)</translation>
    </message>
    <message>
        <source>the backslash at position %1 stands only before a parenthesis of data</source>
        <translation>la barre oblique inverse à la position %1 ne se place que devant une parenthèse de données</translation>
    </message>
    <message>
        <source>the &quot;(&quot; at position %1 starts no Application Identifier: there is no AI (%2) (write a parenthesis in data as \( or \))</source>
        <translation>la « ( » à la position %1 n’ouvre aucun identifiant d’application : l’AI (%2) n’existe pas (une parenthèse dans les données s’écrit \( ou \))</translation>
    </message>
    <message>
        <source>an FNC1 right after the first letter %1 reads as an AIM mark, not as a separator: put another character first</source>
        <translation>un FNC1 juste après la première lettre %1 se lit comme une marque AIM, pas comme un séparateur : placez un autre caractère devant</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>quillmark-render, version unknown</source>
        <translation>quillmark-render, version inconnue</translation>
    </message>
    <message>
        <source>quillmark-render %1.%2, build %3</source>
        <translation>quillmark-render %1.%2, build %3</translation>
    </message>
    <message>
        <source>argument %1 holds bytes that are not UTF-8</source>
        <translation>l’argument %1 contient des octets qui ne sont pas de l’UTF-8</translation>
    </message>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>impossible d’écrire la sortie standard : %1</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>elle est fermée</translation>
    </message>
</context>
<context>
    <name>MessageNumber</name>
    <message>
        <source>C</source>
        <translation>fr</translation>
    </message>
</context>
<context>
    <name>SymbolReaders</name>
    <message>
        <source>%1 has no readers</source>
        <translation>%1 ne contient aucun lecteur</translation>
    </message>
    <message>
        <source>the program&apos;s folder is unknown</source>
        <translation>le dossier du programme est inconnu</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 n’est pas installé</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>is no key here (%1 are)</source>
        <translation>n’est pas une clé ici (les clés sont %1)</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>manque</translation>
    </message>
    <message>
        <source>takes a text in quotes</source>
        <translation>prend un texte entre guillemets</translation>
    </message>
    <message>
        <source>takes true or false</source>
        <translation>prend true ou false</translation>
    </message>
    <message>
        <source>takes a number from %1 to %2</source>
        <translation>prend un nombre de %1 à %2</translation>
    </message>
    <message>
        <source>takes a whole number</source>
        <translation>prend un nombre entier</translation>
    </message>
    <message>
        <source>takes %1, not &quot;%2&quot;</source>
        <translation>prend %1, pas « %2 »</translation>
    </message>
    <message>
        <source>takes four numbers [x, y, width, height] in the design&apos;s unit, the width and height 0 or more</source>
        <translation>prend quatre nombres [x, y, largeur, hauteur] dans l’unité du modèle, largeur et hauteur de 0 ou plus</translation>
    </message>
    <message>
        <source>takes an object { }</source>
        <translation>prend un objet { }</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no symbology this program draws</source>
        <translation>« %1 » n’est pas une symbologie que ce programme dessine</translation>
    </message>
    <message>
        <source>is larger than the size, %1 pt</source>
        <translation>est plus grand que la taille, %1 pt</translation>
    </message>
    <message>
        <source>a line runs across or down: its width or its height is 0</source>
        <translation>une ligne est horizontale ou verticale : sa largeur ou sa hauteur vaut 0</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>line 1: a design is one JSON object { }</source>
        <translation>ligne 1 : un modèle est un objet JSON { }</translation>
    </message>
    <message>
        <source>is %1: the file is from a newer version of the program, which reads version %2</source>
        <translation>vaut %1 : le fichier vient d’une version plus récente du programme, celle-ci lit la version %2</translation>
    </message>
    <message>
        <source>takes a list [ ] of objects</source>
        <translation>prend une liste [ ] d’objets</translation>
    </message>
    <message>
        <source>cannot read the design &quot;%1&quot;: %2</source>
        <translation>impossible de lire le modèle « %1 » : %2</translation>
    </message>
    <message>
        <source>the design &quot;%1&quot;: %2</source>
        <translation>le modèle « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>DesignLayout</name>
    <message>
        <source>there is no data for the barcode</source>
        <translation>le code-barres n’a pas de données</translation>
    </message>
    <message>
        <source>%1: its box reaches past the label, %2 x %3 in</source>
        <translation>%1 : son cadre dépasse l’étiquette, %2 x %3 in</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2 : %3</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>label %1</source>
        <translation>étiquette %1</translation>
    </message>
    <message>
        <source>the stock &quot;%1&quot;: %2</source>
        <translation>le support « %1 » : %2</translation>
    </message>
    <message>
        <source>the font &quot;%1&quot; is not on this system; &quot;%2&quot; is used instead</source>
        <translation>la police « %1 » n’est pas sur ce système ; « %2 » est utilisée à la place</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 x %3 at %4 pt; its box is %5 x %6</source>
        <translation>« %1 » occupe %2 x %3 à %4 pt ; son cadre fait %5 x %6</translation>
    </message>
    <message>
        <source>its box leaves no room for bars</source>
        <translation>son cadre ne laisse pas de place aux barres</translation>
    </message>
    <message>
        <source>the symbol of &quot;%1&quot; takes %2 x %3 with its quiet zones; its box is %4 x %5</source>
        <translation>le symbole de « %1 » occupe %2 x %3 avec ses zones de silence ; son cadre fait %4 x %5</translation>
    </message>
</context>
<context>
    <name>DesignRun</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>bytes that are not UTF-8</source>
        <translation>des octets qui ne sont pas de l’UTF-8</translation>
    </message>
    <message>
        <source>the CSV input has no header row naming its columns</source>
        <translation>l’entrée CSV n’a pas de ligne d’en-tête nommant ses colonnes</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>%1 champs là où l’en-tête en nomme %2</translation>
    </message>
    <message>
        <source>%1 more faults like these</source>
        <translation>%1 autres erreurs de ce genre</translation>
    </message>
    <message>
        <source>%1 of %2 labels cannot be printed as designed; nothing was written</source>
        <translation>%1 étiquettes sur %2 ne peuvent pas être imprimées comme prévu ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>the design &quot;%1&quot;: %2</source>
        <translation>le modèle « %1 » : %2</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>remarque : %1</translation>
    </message>
    <message>
        <source>the first label must be 1 to %1 on %2</source>
        <translation>la première étiquette doit être de 1 à %1 sur %2</translation>
    </message>
    <message>
        <source>there are no labels to print</source>
        <translation>il n’y a aucune étiquette à imprimer</translation>
    </message>
    <message>
        <source>designed labels are written as one PDF document, as BMP or PNG pages, or in ZPL to a label printer</source>
        <translation>les étiquettes conçues s’écrivent en un document PDF, en pages BMP ou PNG, ou en ZPL vers une imprimante d’étiquettes</translation>
    </message>
    <message>
        <source>the labels fill %1 pages: name the pages with {page} in --output</source>
        <translation>les étiquettes remplissent %1 pages : nommez les pages avec {page} dans --output</translation>
    </message>
    <message>
        <source>page %1 is too large for a bitmap at %2 dpi</source>
        <translation>la page %1 est trop grande pour une image bitmap à %2 ppp</translation>
    </message>
</context>
<context>
    <name>LabelDesign</name>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>it takes a start, a step and digits, no more</source>
        <translation>il prend un début, un pas et des chiffres, pas plus</translation>
    </message>
    <message>
        <source>the field at character %1 numbers with &quot;%2&quot;: %3</source>
        <translation>le champ au caractère %1 numérote avec « %2 » : %3</translation>
    </message>
    <message>
        <source>object %1</source>
        <translation>objet %1</translation>
    </message>
    <message>
        <source>object &quot;%1&quot;</source>
        <translation>objet « %1 »</translation>
    </message>
    <message>
        <source>a &quot;}&quot; at character %1 closes no field (write &quot;}}&quot; for the brace itself)</source>
        <translation>un « } » au caractère %1 ne ferme aucun champ (écrivez « }} » pour l’accolade elle-même)</translation>
    </message>
    <message>
        <source>the field begun at character %1 is not closed with &quot;}&quot; (write &quot;{{&quot; for the brace itself)</source>
        <translation>le champ commencé au caractère %1 n’est pas fermé par « } » (écrivez « {{ » pour l’accolade elle-même)</translation>
    </message>
    <message>
        <source>the field at character %1 names nothing</source>
        <translation>le champ au caractère %1 ne nomme rien</translation>
    </message>
    <message>
        <source>the field {%1} needs a column, and the data has none</source>
        <translation>le champ {%1} demande une colonne, et les données n’en ont aucune</translation>
    </message>
    <message>
        <source>the field {%1} names no column of the data (%2)</source>
        <translation>le champ {%1} ne nomme aucune colonne des données (%2)</translation>
    </message>
</context>
<context>
    <name>PrinterLink</name>
    <message>
        <source>sending to %1 failed: %2</source>
        <translation>l&apos;envoi à %1 a échoué : %2</translation>
    </message>
    <message>
        <source>the printer took nothing for %1 s</source>
        <translation>l&apos;imprimante n&apos;a rien pris pendant %1 s</translation>
    </message>
    <message>
        <source>sending to the queue %1 failed: %2</source>
        <translation>l&apos;envoi à la file %1 a échoué : %2</translation>
    </message>
    <message>
        <source>the queue %1 did not take the job: %2</source>
        <translation>la file %1 n&apos;a pas pris la tâche : %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no printer address: give socket://HOST or socket://HOST:PORT</source>
        <translation>« %1 » n&apos;est pas une adresse d&apos;imprimante : donnez socket://HÔTE ou socket://HÔTE:PORT</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>connexion à %1 impossible : %2</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1 s</translation>
    </message>
    <message>
        <source>there is no printer queue %1: %2</source>
        <translation>il n&apos;y a pas de file d&apos;impression %1 : %2</translation>
    </message>
    <message>
        <source>the queue %1 refused the job: %2</source>
        <translation>la file %1 a refusé la tâche : %2</translation>
    </message>
</context>
<context>
    <name>PrinterOptions</name>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 prend un nombre entier de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>--media-mode takes tear-off, peel, cutter or printer, not &quot;%1&quot;</source>
        <translation>--media-mode prend tear-off, peel, cutter ou printer, pas « %1 »</translation>
    </message>
    <message>
        <source>--media-type takes direct, transfer or printer, not &quot;%1&quot;</source>
        <translation>--media-type prend direct, transfer ou printer, pas « %1 »</translation>
    </message>
    <message>
        <source>--label-home takes X,Y in dots, each from 0 to %1, not &quot;%2&quot;</source>
        <translation>--label-home prend X,Y en points, chacun de 0 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>Sends the labels as a raw job to this CUPS queue (with --sheet; ZPL), printed as the printer&apos;s stored profile says.</source>
        <translation>Envoie les étiquettes en tâche brute à cette file CUPS (avec --sheet ; ZPL), imprimées selon le profil enregistré de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Prints as this stored label printer profile says (for socket:// and file outputs).</source>
        <translation>Imprime selon ce profil d&apos;imprimante d&apos;étiquettes enregistré (pour les sorties socket:// et fichier).</translation>
    </message>
    <message>
        <source>Stores the printer settings given as the profile of --printer or --printer-profile.</source>
        <translation>Enregistre les réglages d&apos;imprimante donnés comme profil de --printer ou --printer-profile.</translation>
    </message>
    <message>
        <source>The printer&apos;s darkness, 0 to %1 (default: the printer&apos;s).</source>
        <translation>Le contraste de l&apos;imprimante, de 0 à %1 (par défaut : celui de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>The print speed in inches a second, %1 to %2 (default: the printer&apos;s).</source>
        <translation>La vitesse d&apos;impression en pouces par seconde, de %1 à %2 (par défaut : celle de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>After printing: tear-off, peel, cutter (default: the printer&apos;s).</source>
        <translation>Après l&apos;impression : tear-off (détacher), peel (décoller), cutter (couper) (par défaut : celui de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>direct (thermal) or transfer (ribbon) (default: the printer&apos;s).</source>
        <translation>direct (thermique direct) ou transfer (ruban) (par défaut : celui de l&apos;imprimante).</translation>
    </message>
    <message>
        <source>Moves the label&apos;s image right and down by X,Y dots.</source>
        <translation>Déplace l&apos;image de l&apos;étiquette de X,Y points vers la droite et le bas.</translation>
    </message>
    <message>
        <source>label printer options go with --sheet and --format zpl</source>
        <translation>les options d&apos;imprimante d&apos;étiquettes vont avec --sheet et --format zpl</translation>
    </message>
    <message>
        <source>--printer sends the labels to a queue: give no --output</source>
        <translation>--printer envoie les étiquettes à une file : ne donnez pas --output</translation>
    </message>
    <message>
        <source>--save-printer-profile stores a profile under --printer or --printer-profile: give one</source>
        <translation>--save-printer-profile enregistre un profil sous --printer ou --printer-profile : donnez-en un</translation>
    </message>
    <message>
        <source>there is no stored label printer profile &quot;%1&quot;</source>
        <translation>il n&apos;y a pas de profil d&apos;imprimante d&apos;étiquettes enregistré « %1 »</translation>
    </message>
    <message>
        <source>the printer profile &quot;%1&quot; could not be stored</source>
        <translation>le profil d&apos;imprimante « %1 » n&apos;a pas pu être enregistré</translation>
    </message>
</context>
<context>
    <name>PrinterProfile</name>
    <message>
        <source>a label printer prints at 203, 300 or 600 dpi, not at %1</source>
        <translation>une imprimante d&apos;étiquettes imprime à 203, 300 ou 600 dpi, pas à %1</translation>
    </message>
    <message>
        <source>the darkness is from 0 to %1, not %2</source>
        <translation>le contraste va de 0 à %1, pas %2</translation>
    </message>
    <message>
        <source>the print speed is from %1 to %2 inches a second, not %3</source>
        <translation>la vitesse d&apos;impression va de %1 à %2 pouces par seconde, pas %3</translation>
    </message>
    <message>
        <source>the bar width reduction is from 0 to %1 dots, not %2</source>
        <translation>la réduction de largeur des barres va de 0 à %1 points, pas %2</translation>
    </message>
    <message>
        <source>the label home moves from 0 to %1 dots right and down</source>
        <translation>l&apos;origine de l&apos;étiquette se déplace de 0 à %1 points vers la droite et le bas</translation>
    </message>
</context>
<context>
    <name>PrinterRun</name>
    <message>
        <source>label %1 is too large for the printer at %2 dpi</source>
        <translation>l&apos;étiquette %1 est trop grande pour l&apos;imprimante à %2 dpi</translation>
    </message>
    <message>
        <source>a %1 label at %2 dpi is larger than a printer takes</source>
        <translation>une étiquette %1 à %2 dpi est plus grande que ce qu&apos;une imprimante accepte</translation>
    </message>
    <message>
        <source>note: the bars run across the direction of travel with narrow bars of %1 dots at %2 dpi, which a thermal head prints unevenly below %3 dots: give a larger --density, or --turn 0</source>
        <translation>remarque : les barres sont perpendiculaires au sens de défilement, avec des barres étroites de %1 points à %2 dpi, qu&apos;une tête thermique imprime inégalement sous %3 points : donnez une --density plus grande, ou --turn 0</translation>
    </message>
</context>
<context>
    <name>Symbology</name>
    <message>
        <source>an add-on takes 2 or 5 digits: &quot;%1&quot; is no add-on</source>
        <translation>un add-on a 2 ou 5 chiffres : « %1 » n’en est pas un</translation>
    </message>
    <message>
        <source>%1 takes digits, hyphens and spaces: &quot;%2&quot; is none of them</source>
        <translation>%1 prend des chiffres, des tirets et des espaces : « %2 » n’en est pas</translation>
    </message>
    <message>
        <source>ISBN takes 10 digits (the last may be X) or 13: &quot;%1&quot; has %2</source>
        <translation>un ISBN a 10 chiffres (le dernier peut être X) ou 13 : « %1 » en a %2</translation>
    </message>
    <message>
        <source>ISBN-13 starts with 978 or 979 (979-0 is ISMN): &quot;%1&quot;</source>
        <translation>un ISBN-13 commence par 978 ou 979 (979-0 est un ISMN) : « %1 »</translation>
    </message>
    <message>
        <source>ISSN takes 8 digits (the last may be X), as 0317-8471: &quot;%1&quot;</source>
        <translation>un ISSN a 8 chiffres (le dernier peut être X), comme 0317-8471 : « %1 »</translation>
    </message>
    <message>
        <source>ISSN sequence variant takes 2 digits: &quot;%1&quot;</source>
        <translation>la variante de l’ISSN a 2 chiffres : « %1 »</translation>
    </message>
    <message>
        <source>ISMN takes 13 digits from 979-0, or M and 9 digits: &quot;%1&quot;</source>
        <translation>un ISMN a 13 chiffres commençant par 979-0, ou M et 9 chiffres : « %1 »</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>ISBN-13 or ISBN-10, hyphens allowed, e.g. 978-1-56581-231-4; a space or + and a 5-digit price add-on may follow.</source>
        <translation>ISBN-13 ou ISBN-10, tirets admis, p. ex. 978-1-56581-231-4 ; une espace ou + et un add-on de prix à 5 chiffres peuvent suivre.</translation>
    </message>
    <message>
        <source>ISSN, e.g. 0317-8471; then the sequence variant (00 if none) and a 2-digit issue add-on may follow, e.g. 0317-8471 00 05.</source>
        <translation>ISSN, p. ex. 0317-8471 ; puis la variante (00 par défaut) et un add-on de numéro à 2 chiffres peuvent suivre, p. ex. 0317-8471 00 05.</translation>
    </message>
    <message>
        <source>ISMN, e.g. 979-0-2600-0043-8 or M-2600-0043-8; an add-on may follow.</source>
        <translation>ISMN, p. ex. 979-0-2600-0043-8 ou M-2600-0043-8 ; un add-on peut suivre.</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Draws labels of a design file on its stock (or --sheet), one per record of --csv or line of --batch (its field {text}), or --count of them numbered by {n}.</source>
        <translation>Dessine les étiquettes d’un fichier de modèle sur son support (ou --sheet), une par enregistrement de --csv ou ligne de --batch (son champ {text}), ou --count d’entre elles numérotées par {n}.</translation>
    </message>
    <message>
        <source>With --design: this many labels, 1 to %1, numbered by {n}.</source>
        <translation>Avec --design : ce nombre d’étiquettes, de 1 à %1, numérotées par {n}.</translation>
    </message>
    <message>
        <source>--count is for label designs: give --design</source>
        <translation>--count sert aux modèles d’étiquettes : donnez --design</translation>
    </message>
    <message>
        <source>a design takes one of --csv, --batch or --count</source>
        <translation>un modèle prend l’une des options --csv, --batch ou --count</translation>
    </message>
    <message>
        <source>--%1 does not go with --design: the design sets each object&apos;s own</source>
        <translation>--%1 ne va pas avec --design : le modèle fixe celui de chaque objet</translation>
    </message>
    <message>
        <source>--%1 does not go with --design yet</source>
        <translation>--%1 ne va pas encore avec --design</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>EAN and UPC add-ons: the modules between the symbol and its add-on, 7 to 12 (default: the program&apos;s setting, 9).</source>
        <translation>Add-ons EAN et UPC : les modules entre le symbole et son add-on, de 7 à 12 (par défaut : le réglage du programme, 9).</translation>
    </message>
</context>
<context>
    <name>GradeRun</name>
    <message>
        <source>SC %1</source>
        <translation>SC %1</translation>
    </message>
    <message>
        <source>Rmin %1 of Rmax %2</source>
        <translation>Rmin %1 sur Rmax %2</translation>
    </message>
    <message>
        <source>ECmin %1</source>
        <translation>ECmin %1</translation>
    </message>
    <message>
        <source>MOD %1</source>
        <translation>MOD %1</translation>
    </message>
    <message>
        <source>defects %1</source>
        <translation>défauts %1</translation>
    </message>
    <message>
        <source>decode not graded</source>
        <translation>décodage non évalué</translation>
    </message>
    <message>
        <source>decode fails (0.0)</source>
        <translation>décodage en échec (0.0)</translation>
    </message>
    <message>
        <source>decode passes, quiet zones %1 and %2 modules of %3 and %4 (%5)</source>
        <translation>décodage réussi, zones de silence %1 et %2 modules sur %3 et %4 (%5)</translation>
    </message>
    <message>
        <source>decodability %1</source>
        <translation>décodabilité %1</translation>
    </message>
    <message>
        <source>decodability not graded</source>
        <translation>décodabilité non évaluée</translation>
    </message>
    <message>
        <source>line %1 at row %2: %3; grade %4</source>
        <translation>ligne %1 à la rangée %2 : %3 ; note %4</translation>
    </message>
    <message>
        <source>symbol contrast</source>
        <translation>contraste du symbole</translation>
    </message>
    <message>
        <source>minimum reflectance</source>
        <translation>réflectance minimale</translation>
    </message>
    <message>
        <source>minimum edge contrast</source>
        <translation>contraste de bord minimal</translation>
    </message>
    <message>
        <source>modulation</source>
        <translation>modulation</translation>
    </message>
    <message>
        <source>defects</source>
        <translation>défauts</translation>
    </message>
    <message>
        <source>quiet zone</source>
        <translation>zone de silence</translation>
    </message>
    <message>
        <source>decode</source>
        <translation>décodage</translation>
    </message>
    <message>
        <source>decodability</source>
        <translation>décodabilité</translation>
    </message>
    <message>
        <source>cannot read the image &quot;%1&quot;: %2</source>
        <translation>impossible de lire l’image « %1 » : %2</translation>
    </message>
    <message>
        <source>no bars found in &quot;%1&quot; to grade</source>
        <translation>aucune barre à évaluer dans « %1 »</translation>
    </message>
    <message>
        <source>symbol: %1 &quot;%2&quot;, bars in rows %3 to %4, module %5 pixels</source>
        <translation>symbole : %1 « %2 », barres dans les rangées %3 à %4, module %5 pixels</translation>
    </message>
    <message>
        <source>symbol: not decoded (decode not graded), bars in rows %1 to %2</source>
        <translation>symbole : non décodé (décodage non évalué), barres dans les rangées %1 à %2</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Grades the print quality of the symbol in an image (PNG or BMP, a module at least 3 pixels wide), scan line by scan line; an estimate, not a calibrated verifier&apos;s grade.</source>
        <translation>Évalue la qualité d’impression du symbole d’une image (PNG ou BMP, un module d’au moins 3 pixels de large), ligne de balayage par ligne de balayage ; une estimation, pas la note d’un vérificateur étalonné.</translation>
    </message>
</context>
<context>
    <name>CDesignerWindow</name>
    <message>
        <source>Change Numbers</source>
        <translation>Modifier les numéros</translation>
    </message>
    <message>
        <source>{n} from:</source>
        <translation>{n} depuis :</translation>
    </message>
    <message>
        <source>Select &amp;Next Object</source>
        <translation>Sélectionner l’objet suivan&amp;t</translation>
    </message>
    <message>
        <source>The stock &quot;%1&quot; cannot be used: %2</source>
        <translation>Le support « %1 » ne peut pas être utilisé : %2</translation>
    </message>
    <message>
        <source>The design cannot be saved as it is: %1</source>
        <translation>La maquette ne peut pas être enregistrée telle quelle : %1</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Unité :</translation>
    </message>
    <message>
        <source>Change Unit</source>
        <translation>Changer d’unité</translation>
    </message>
    <message>
        <source>Object and data</source>
        <translation>Objet et données</translation>
    </message>
    <message>
        <source>Label designs (*.qmd);;All files (*)</source>
        <translation>Maquettes d’étiquette (*.qmd);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Première feuille</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message>
        <source>Change Stock</source>
        <translation>Changer de support</translation>
    </message>
    <message>
        <source>A stock name such as letter-3x10 or roll-4x6in, or a custom layout</source>
        <translation>Un nom de support comme letter-3x10 ou roll-4x6in, ou une disposition personnalisée</translation>
    </message>
    <message>
        <source>Stoc&amp;k:</source>
        <translation>&amp;Support :</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Fic&amp;hier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Open Label Design</source>
        <translation>Ouvrir une maquette d’étiquette</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>E&amp;xporter en PDF...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insertion</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objets</translation>
    </message>
    <message>
        <source>&amp;Barcode</source>
        <translation>&amp;Code-barres</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Texte</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Ligne</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rectangle</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <source>This record prints as designed.</source>
        <translation>Cet enregistrement s’imprime comme conçu.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] - Label Designer</source>
        <translation>%1[*] – Concepteur d’étiquettes</translation>
    </message>
    <message>
        <source>Label Designer</source>
        <translation>Concepteur d’étiquettes</translation>
    </message>
    <message>
        <source>The design could not be saved in %1: %2</source>
        <translation>La maquette n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>Save Label Design</source>
        <translation>Enregistrer la maquette d’étiquette</translation>
    </message>
    <message>
        <source>Save the changes to the design before closing it?</source>
        <translation>Enregistrer les modifications de la maquette avant de la fermer ?</translation>
    </message>
    <message>
        <source>Nothing can be printed: %1</source>
        <translation>Rien ne peut être imprimé : %1</translation>
    </message>
    <message>
        <source>There are no labels to print: %1</source>
        <translation>Il n’y a aucune étiquette à imprimer : %1</translation>
    </message>
    <message>
        <source>Nothing was printed:
%1</source>
        <translation>Rien n’a été imprimé :
%1</translation>
    </message>
    <message>
        <source>Print Designed Labels</source>
        <translation>Imprimer les étiquettes conçues</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Les étiquettes n’ont pas pu être imprimées.</translation>
    </message>
    <message>
        <source>Label Designer: the first %1 of %2 sheets shown; Print prints all %2</source>
        <translation>Concepteur d’étiquettes : les %1 premières feuilles sur %2 affichées ; Imprimer imprime les %2</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>CDesignProperties</name>
    <message>
        <source> mil</source>
        <translation> mil</translation>
    </message>
    <message>
        <source>Narrow bar:</source>
        <translation>Barre étroite :</translation>
    </message>
    <message>
        <source>Click an object on the label, or add one from the Insert menu.</source>
        <translation>Cliquez sur un objet de l’étiquette, ou ajoutez-en un depuis le menu Insertion.</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objet</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Gauche :</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Haut :</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>Ha&amp;uteur :</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Insert fiel&amp;d</source>
        <translation>Insérer un &amp;champ</translation>
    </message>
    <message>
        <source>S&amp;ymbology:</source>
        <translation>S&amp;ymbologie :</translation>
    </message>
    <message>
        <source>D&amp;ata:</source>
        <translation>&amp;Données :</translation>
    </message>
    <message>
        <source>Bars fill the box</source>
        <translation>Les barres remplissent le cadre</translation>
    </message>
    <message>
        <source>Bar height:</source>
        <translation>Hauteur des barres :</translation>
    </message>
    <message>
        <source>Show text</source>
        <translation>Afficher le texte</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>90° left</source>
        <translation>90° à gauche</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>90° right</source>
        <translation>90° à droite</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Rotation :</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>&amp;Texte :</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Alignement :</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>Shrink to fit, down to</source>
        <translation>Réduire pour tenir, jusqu’à</translation>
    </message>
    <message>
        <source>Least size</source>
        <translation>Taille minimale</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Épaisseur :</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Rempli</translation>
    </message>
    <message>
        <source> in</source>
        <translation> po</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
</context>
<context>
    <name>CDesignDataPanel</name>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Numbered sequence</source>
        <translation>Suite numérotée</translation>
    </message>
    <message>
        <source>Lines of a file</source>
        <translation>Lignes d’un fichier</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <source>&amp;Records from:</source>
        <translation>&amp;Enregistrements de :</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Fichier de données</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>&amp;Parcourir...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Fichier :</translation>
    </message>
    <message>
        <source>Labels:</source>
        <translation>Étiquettes :</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Premier enregistrement</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Enregistrement précédent</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Enregistrement suivant</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Dernier enregistrement</translation>
    </message>
    <message>
        <source>Records from a file</source>
        <translation>Enregistrements d’un fichier</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>aucun enregistrement</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <translation>Enregistrement %1 sur %2</translation>
    </message>
</context>
<context>
    <name>CDesignCanvas</name>
    <message>
        <source>Label</source>
        <translation>Étiquette</translation>
    </message>
</context>
<context>
    <name>DesignMenu</name>
    <message>
        <source>New Label &amp;Design</source>
        <translation>&amp;Nouvelle maquette d’étiquette</translation>
    </message>
    <message>
        <source>&amp;Open Label Design...</source>
        <translation>&amp;Ouvrir une maquette d’étiquette...</translation>
    </message>
    <message>
        <source>Open Label Design</source>
        <translation>Ouvrir une maquette d’étiquette</translation>
    </message>
    <message>
        <source>Label designs (*.qmd);;All files (*)</source>
        <translation>Maquettes d’étiquette (*.qmd);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Recent Desi&amp;gns</source>
        <translation>Maquettes &amp;récentes</translation>
    </message>
    <message>
        <source>Save Label Desig&amp;n</source>
        <translation>Enregistrer la &amp;maquette</translation>
    </message>
    <message>
        <source>Save Label Design &amp;As...</source>
        <translation>Enregistrer la maquette &amp;sous...</translation>
    </message>
</context>
<context>
    <name>DesignData</name>
    <message>
        <source>Choose the file the records come from.</source>
        <translation>Choisissez le fichier d’où viennent les enregistrements.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text.</source>
        <translation>%1 n’est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3 fields where the header names %4</source>
        <translation>%1, ligne %2 : %3 champs là où l’en-tête en nomme %4</translation>
    </message>
    <message>
        <source>%1 has no header row naming its columns.</source>
        <translation>%1 n’a pas de ligne d’en-tête nommant ses colonnes.</translation>
    </message>
</context>
<context>
    <name>DesignJob</name>
    <message>
        <source>%1 of %2 labels cannot be printed as designed.</source>
        <translation>%1 étiquettes sur %2 ne peuvent pas être imprimées comme conçues.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 ne peut pas être écrit : %2</translation>
    </message>
</context>
<context>
    <name>CPrintLabelsDialog</name>
    <message>
        <source>&amp;Design...</source>
        <translation>Mise en page et st&amp;yle...</translation>
    </message>
</context>
<context>
    <name>GradeRun</name>
    <message>
        <source>With --verify: grades each symbol as the printer is to print it, at --dpi with --bar-reduction, its bars spread by this many mils (%1 to %2; negative: narrower), measured with the reference aperture for its narrow element; names the parameter at fault.</source>
        <translation>Avec --verify : note chaque symbole tel que l&apos;imprimante l&apos;imprimera, à --dpi avec --bar-reduction, ses barres élargies de ce nombre de mils (%1 à %2 ; négatif : plus étroites), mesuré avec l&apos;ouverture de référence pour son élément étroit ; nomme le paramètre en cause.</translation>
    </message>
    <message>
        <source>--grade-print takes a gain in mils from %1 to %2, not &quot;%3&quot;</source>
        <translation>--grade-print prend un élargissement en mils de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>--grade-print grades the symbols --verify reads back: give --verify</source>
        <translation>--grade-print note les symboles que --verify relit : indiquez --verify</translation>
    </message>
</context>
<context>
    <name>GradeRun</name>
    <message>
        <source>decode passes (%1)</source>
        <translation>décodage réussi (%1)</translation>
    </message>
</context>
<context>
    <name>GradeRun</name>
    <message>
        <source>--grade-print grades a file&apos;s one symbol: not with --%1</source>
        <translation>--grade-print note le symbole unique d’un fichier : pas avec --%1</translation>
    </message>
</context>
<context>
    <name>PlannedGrade</name>
    <message>
        <source>planned print at %1 dpi: no bars to grade (none drawn, or too large a bitmap)</source>
        <translation>impression prévue à %1 dpi : aucune barre à noter (aucune dessinée, ou image trop grande)</translation>
    </message>
    <message>
        <source>bars as drawn</source>
        <translation>barres telles que dessinées</translation>
    </message>
    <message>
        <source>bars %1 mils wider</source>
        <translation>barres plus larges de %1 mils</translation>
    </message>
    <message>
        <source>bars %1 mils narrower</source>
        <translation>barres plus étroites de %1 mils</translation>
    </message>
    <message>
        <source>planned print at %1 dpi, %2, %3-mil aperture: %4</source>
        <translation>impression prévue à %1 dpi, %2, ouverture de %3 mils : %4</translation>
    </message>
    <message>
        <source>, held down by %1</source>
        <translation>, abaissée par %1</translation>
    </message>
</context>
<context>
    <name>CGradeScanDialog</name>
    <message>
        <source>%1 of %2 / %3</source>
        <translation>%1 sur %2 / %3</translation>
    </message>
    <message>
        <source>Quiet zones</source>
        <translation>Zones de silence</translation>
    </message>
    <message>
        <source>Grade of a Scan</source>
        <translation>Note d&apos;un scan</translation>
    </message>
    <message>
        <source>%1, held down by %2</source>
        <translation>%1, abaissée par %2</translation>
    </message>
    <message>
        <source>Estimated %1</source>
        <translation>Estimation : %1</translation>
    </message>
    <message>
        <source>An estimate: a scanner is not a calibrated verifier. Its light, its optics and its reflectance scale are not a verifier&apos;s, so the grade of a scan may differ from a verifier&apos;s grade of the same label.</source>
        <translation>Une estimation : un scanner n&apos;est pas un vérificateur étalonné. Sa lumière, son optique et son échelle de réflectance ne sont pas celles d&apos;un vérificateur ; la note d&apos;un scan peut donc différer de celle qu&apos;un vérificateur donne à la même étiquette.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Symbol contrast</source>
        <translation>Contraste du symbole</translation>
    </message>
    <message>
        <source>Rmin / Rmax</source>
        <translation>Rmin / Rmax</translation>
    </message>
    <message>
        <source>Edge contrast</source>
        <translation>Contraste des bords</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Defects</source>
        <translation>Défauts</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Décodage</translation>
    </message>
    <message>
        <source>Decodability</source>
        <translation>Décodabilité</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>not graded</source>
        <translation>non noté</translation>
    </message>
    <message>
        <source>fails (0.0)</source>
        <translation>échoue (0.0)</translation>
    </message>
    <message>
        <source>passes (%1)</source>
        <translation>réussit (%1)</translation>
    </message>
    <message>
        <source>Reflectance in percent along the scan line at row %1, the global threshold dashed</source>
        <translation>Réflectance en pour cent le long de la ligne de balayage à la ligne %1, le seuil global en tirets</translation>
    </message>
    <message>
        <source>Grade a Scan</source>
        <translation>Noter un scan</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp);;All files (*)</source>
        <translation>Images (*.png *.bmp);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Cannot read the image &quot;%1&quot;: %2</source>
        <translation>Impossible de lire l&apos;image « %1 » : %2</translation>
    </message>
    <message>
        <source>No bars found in &quot;%1&quot; to grade: the image should show the symbol with its bars upright, a module at least 3 pixels wide.</source>
        <translation>Aucune barre à noter dans « %1 » : l&apos;image doit montrer le symbole aux barres verticales, un module d&apos;au moins 3 pixels de large.</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Grade a Scan...</source>
        <translation>&amp;Noter un scan...</translation>
    </message>
    <message>
        <source>Grades the print quality of a barcode in a scanned image (an estimate)</source>
        <translation>Note la qualité d&apos;impression d&apos;un code-barres dans une image scannée (une estimation)</translation>
    </message>
</context>
<context>
    <name>CBarcodeMainView</name>
    <message>
        <source>Print Preview: %1</source>
        <translation>Aperçu avant impression : %1</translation>
    </message>
</context>
</TS>
