<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CDesignSequenceRow</name>
    <message>
        <source>Zeros pad the number to this many digits (0: none)</source>
        <translation>Nullen füllen die Nummer auf so viele Stellen auf (0: keine)</translation>
    </message>
    <message>
        <source>Added for each next label</source>
        <translation>Wird für jedes weitere Etikett addiert</translation>
    </message>
    <message>
        <source>The first label&apos;s number</source>
        <translation>Die Nummer des ersten Etiketts</translation>
    </message>
    <message>
        <source>Numbers&apos; digits</source>
        <translation>Stellen der Nummern</translation>
    </message>
    <message>
        <source>Numbers step</source>
        <translation>Schritt der Nummern</translation>
    </message>
    <message>
        <source>Numbers start at</source>
        <translation>Nummern beginnen bei</translation>
    </message>
    <message>
        <source>digits</source>
        <translation>Stellen</translation>
    </message>
    <message>
        <source>step</source>
        <translation>Schritt</translation>
    </message>
</context>
<context>
    <name>DesignPage</name>
    <message>
        <source>does not scan</source>
        <translation>ist nicht lesbar</translation>
    </message>
    <message>
        <source>reads as &quot;%1&quot;</source>
        <translation>liest sich als „%1“</translation>
    </message>
    <message>
        <source>%1 (page %2, label %3), %4: %5</source>
        <translation>%1 (Seite %2, Etikett %3), %4: %5</translation>
    </message>
</context>
<context>
    <name>CLabelPrinterDialog</name>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>The labels could not be sent.</source>
        <translation>Die Etiketten konnten nicht gesendet werden.</translation>
    </message>
    <message>
        <source>Quillmark labels</source>
        <translation>Quillmark-Etiketten</translation>
    </message>
    <message>
        <source>Label %1 is too large for the printer at %2 dpi.</source>
        <translation>Etikett %1 ist für den Drucker bei %2 dpi zu groß.</translation>
    </message>
    <message>
        <source>Name the printer, its address or a file first.</source>
        <translation>Nennen Sie zuerst den Drucker, seine Adresse oder eine Datei.</translation>
    </message>
    <message>
        <source>a file, or a device such as /dev/usb/lp0</source>
        <translation>eine Datei oder ein Gerät wie /dev/usb/lp0</translation>
    </message>
    <message>
        <source>host or host:port (port 9100 unless given)</source>
        <translation>Rechner oder Rechner:Port (Port 9100, wenn nicht angegeben)</translation>
    </message>
    <message>
        <source>the CUPS queue of the label printer</source>
        <translation>die CUPS-Warteschlange des Etikettendruckers</translation>
    </message>
    <message>
        <source>S&amp;end labels</source>
        <translation>Etiketten &amp;senden</translation>
    </message>
    <message>
        <source>Test &amp;label</source>
        <translation>Test&amp;etikett</translation>
    </message>
    <message>
        <source>&amp;Media:</source>
        <translation>&amp;Medium:</translation>
    </message>
    <message>
        <source>&amp;Speed:</source>
        <translation>&amp;Geschwindigkeit:</translation>
    </message>
    <message>
        <source>&amp;Darkness:</source>
        <translation>Sch&amp;wärzung:</translation>
    </message>
    <message>
        <source>&amp;Resolution:</source>
        <translation>Au&amp;flösung:</translation>
    </message>
    <message>
        <source>&amp;Printer:</source>
        <translation>&amp;Drucker:</translation>
    </message>
    <message>
        <source>Send &amp;to:</source>
        <translation>Senden &amp;an:</translation>
    </message>
    <message>
        <source>cutter</source>
        <translation>Schneiden</translation>
    </message>
    <message>
        <source>peel</source>
        <translation>Ablösen</translation>
    </message>
    <message>
        <source>tear-off</source>
        <translation>Abreißen</translation>
    </message>
    <message>
        <source> in/s</source>
        <translation> in/s</translation>
    </message>
    <message>
        <source>the printer&apos;s own</source>
        <translation>wie am Drucker eingestellt</translation>
    </message>
    <message>
        <source>File or device</source>
        <translation>Datei oder Gerät</translation>
    </message>
    <message>
        <source>Network printer (raw port)</source>
        <translation>Netzwerkdrucker (Rohdatenport)</translation>
    </message>
    <message>
        <source>CUPS queue</source>
        <translation>CUPS-Warteschlange</translation>
    </message>
    <message>
        <source>Print to Label Printer</source>
        <translation>An Etikettendrucker drucken</translation>
    </message>
</context>
<context>
    <name>Calibration</name>
    <message>
        <source>enter what you measured in Print Labels, Calibrate.</source>
        <translation>geben Sie die Maße unter Etiketten drucken, Kalibrieren ein.</translation>
    </message>
    <message>
        <source>then from the crosshair to the last mark across and down;</source>
        <translation>dann vom Fadenkreuz bis zur letzten Marke quer und längs;</translation>
    </message>
    <message>
        <source>Measure from the paper&apos;s left and top edges to the crosshair&apos;s lines,</source>
        <translation>Messen Sie vom linken und oberen Rand des Papiers bis zu den Linien des Fadenkreuzes,</translation>
    </message>
    <message>
        <source>Calibration page for %1, printed without correction.</source>
        <translation>Kalibrierseite für %1, ohne Korrektur gedruckt.</translation>
    </message>
</context>
<context>
    <name>CCalibrationDialog</name>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>These measures would have the printer draw lengths more than 10 % long or short: measure again from the crosshair.</source>
        <translation>Nach diesen Maßen zeichnete der Drucker Längen um mehr als 10 % zu lang oder zu kurz: messen Sie noch einmal vom Fadenkreuz aus.</translation>
    </message>
    <message>
        <source>Crosshair to the %1 mark &amp;down:</source>
        <translation>Fadenkreuz bis zur Marke %1 läng&amp;s:</translation>
    </message>
    <message>
        <source>Crosshair to the %1 mark &amp;across:</source>
        <translation>Fadenkreuz bis zur Marke %1 &amp;quer:</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>&amp;Top edge to the crosshair:</source>
        <translation>&amp;Oberer Rand bis Fadenkreuz:</translation>
    </message>
    <message>
        <source>&amp;Left edge to the crosshair:</source>
        <translation>&amp;Linker Rand bis Fadenkreuz:</translation>
    </message>
    <message>
        <source>Measured &amp;in:</source>
        <translation>&amp;Gemessen in:</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>&amp;Print calibration page...</source>
        <translation>Kalibrierseite &amp;drucken...</translation>
    </message>
    <message>
        <source>Print the calibration page, then measure on the paper, as exactly as you can: from its left and top edges to the crosshair&apos;s lines, and from the crosshair to the last mark across and down.</source>
        <translation>Drucken Sie die Kalibrierseite und messen Sie auf dem Papier so genau Sie können: von seinem linken und oberen Rand bis zu den Linien des Fadenkreuzes und vom Fadenkreuz bis zur letzten Marke quer und längs.</translation>
    </message>
    <message>
        <source>Calibrate %1</source>
        <translation>%1 kalibrieren</translation>
    </message>
</context>
<context>
    <name>LabelCatalog</name>
    <message>
        <source>%1 %2: its equivalent %3 is not in the catalog</source>
        <translation>%1 %2: die Entsprechung %3 ist nicht im Katalog</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: Zeile %2: %3</translation>
    </message>
    <message>
        <source>the template has no label</source>
        <translation>die Vorlage hat kein Etikett</translation>
    </message>
    <message>
        <source>unknown element &lt;%1&gt;</source>
        <translation>unbekanntes Element &lt;%1&gt;</translation>
    </message>
    <message>
        <source>more than one label shape</source>
        <translation>mehr als eine Etikettenform</translation>
    </message>
    <message>
        <source>unknown paper size &quot;%1&quot;</source>
        <translation>unbekanntes Papierformat „%1“</translation>
    </message>
    <message>
        <source>a template without a brand and a part number</source>
        <translation>eine Vorlage ohne Marke und Teilenummer</translation>
    </message>
    <message>
        <source>the label has no layout</source>
        <translation>das Etikett hat keine Anordnung</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is no count of labels</source>
        <translation>%1=„%2“ ist keine Anzahl von Etiketten</translation>
    </message>
    <message>
        <source>%1=&quot;%2&quot; is no length</source>
        <translation>%1=„%2“ ist keine Länge</translation>
    </message>
</context>
<context>
    <name>AlignmentPage</name>
    <message>
        <source>Alignment page for %1: %2 x %3 in labels, %4 across, %5 down</source>
        <translation>Ausrichtungsseite für %1: Etiketten %2 x %3 in, %4 nebeneinander, %5 untereinander</translation>
    </message>
    <message>
        <source>Correction in force: %1 in right, %2 in down; scale %3 % across, %4 % down</source>
        <translation>Eingestellte Korrektur: %1 in nach rechts, %2 in nach unten; Maßstab %3 % quer, %4 % längs</translation>
    </message>
    <message>
        <source>The arrow&apos;s edge goes into the printer first.</source>
        <translation>Die Kante mit dem Pfeil läuft zuerst in den Drucker.</translation>
    </message>
    <message>
        <source>Hold this page over a sheet of labels against the light:</source>
        <translation>Halten Sie diese Seite über einen Etikettenbogen gegen das Licht:</translation>
    </message>
    <message>
        <source>every outline should lie on a label&apos;s edge.</source>
        <translation>jeder Umriss sollte auf dem Rand eines Etiketts liegen.</translation>
    </message>
</context>
<context>
    <name>AchievedSize</name>
    <message>
        <source>%1 dpi ×%2</source>
        <translation>%1 dpi ×%2</translation>
    </message>
    <message>
        <source>%1 dpi</source>
        <translation>%1 dpi</translation>
    </message>
    <message>
        <source>Bars at their own true size @ %1</source>
        <translation>Balken in ihrer wahren Größe @ %1</translation>
    </message>
    <message>
        <source>X %1 mil = %2 %3 @ %4</source>
        <translation>X %1 mil = %2 %3 @ %4</translation>
    </message>
    <message>
        <source>, ratio %1</source>
        <translation>, %1:1</translation>
    </message>
    <message>
        <source> — %1 mil cannot be drawn within 10 % at this resolution</source>
        <translation> — %1 mil lassen sich bei dieser Auflösung nicht auf 10 % genau zeichnen</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>text after a closing quote</source>
        <translation>Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>a quote inside an unquoted field</source>
        <translation>ein Anführungszeichen in einem Feld ohne Anführungszeichen</translation>
    </message>
    <message>
        <source>a quoted field is not closed</source>
        <translation>ein Feld in Anführungszeichen wird nicht geschlossen</translation>
    </message>
</context>
<context>
    <name>CAboutBox</name>
    <message>
        <source>Corvane Quillmark V%1.%2, Build %3.</source>
        <translation>Corvane Quillmark V%1.%2, Build %3.</translation>
    </message>
    <message>
        <source>Corvane Quillmark, version unknown.</source>
        <translation>Corvane Quillmark, Version unbekannt.</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Programmsymbol</translation>
    </message>
</context>
<context>
    <name>CBarcodeMainView</name>
    <message>
        <source>What a scanner reads from the symbol on the printer at %1 dpi, zoom %2</source>
        <translation>Was ein Scanner aus dem Symbol auf dem Drucker liest, bei %1 dpi, Zoom %2</translation>
    </message>
    <message>
        <source>What a scanner reads from the symbol on the screen at %1 dpi, zoom %2</source>
        <translation>Was ein Scanner aus dem Symbol auf dem Bildschirm liest, bei %1 dpi, Zoom %2</translation>
    </message>
    <message>
        <source>The settings could not be stored in %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>CBarcodeOutput</name>
    <message>
        <source>%1 is saved at true size, but it does not scan printed at %2 dpi.</source>
        <translation>%1 ist in wahrer Größe gespeichert, ist aber mit %2 dpi gedruckt nicht lesbar.</translation>
    </message>
    <message>
        <source> It does at Density %1.</source>
        <translation> Mit Modulbreite %1 ist er lesbar.</translation>
    </message>
    <message>
        <source>A tile of the barcode (%1 x %2 in) is larger than the printable area (%3 x %4 in). Nothing was printed.</source>
        <translation>Eine Kachel des Barcodes (%1 x %2 in) ist größer als der bedruckbare Bereich (%3 x %4 in). Es wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer could not be opened.</source>
        <translation>Der Drucker konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>The bitmap could not be encoded.</source>
        <translation>Die Bitmap konnte nicht kodiert werden.</translation>
    </message>
    <message>
        <source>The barcode is too large to copy as a bitmap.</source>
        <translation>Der Barcode ist zu groß, um ihn als Bitmap zu kopieren.</translation>
    </message>
    <message>
        <source>The barcode is too large to save: %1.</source>
        <translation>Der Barcode ist zu groß zum Speichern: %1.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>, true size — the zoom applies to bitmaps only</source>
        <translation>, wahre Größe — der Zoom gilt nur für Bitmaps</translation>
    </message>
    <message>
        <source>Graphics Files (*.bmp)</source>
        <translation>Grafikdateien (*.bmp)</translation>
    </message>
    <message>
        <source>PNG Files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>SVG Files%1 (*.svg)</source>
        <translation>SVG-Dateien%1 (*.svg)</translation>
    </message>
    <message>
        <source>PDF Files%1 (*.pdf)</source>
        <translation>PDF-Dateien%1 (*.pdf)</translation>
    </message>
    <message>
        <source>ZPL Label Printer Files (*.zpl)</source>
        <translation>ZPL-Etikettendruckerdateien (*.zpl)</translation>
    </message>
    <message>
        <source>Cannot save the barcode to %1:
%2</source>
        <translation>Der Barcode kann nicht in %1 gespeichert werden:
%2</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ist bereits vorhanden.
Möchten Sie die Datei ersetzen?</translation>
    </message>
</context>
<context>
    <name>CBarcodeView</name>
    <message>
        <source>Barcode: none</source>
        <translation>Barcode: keiner</translation>
    </message>
    <message>
        <source>Barcode: %1, no text, %2 inches</source>
        <translation>Barcode: %1, kein Text, %2 Zoll</translation>
    </message>
    <message>
        <source>Barcode: %1, %2, %3 inches</source>
        <translation>Barcode: %1, %2, %3 Zoll</translation>
    </message>
    <message>
        <source>The symbol at its true size times the zoom. Copy, Print and Save take it out of the program; its menu holds them.</source>
        <translation>Das Symbol in seiner wahren Größe mal dem Zoom. Kopieren, Drucken und Speichern bringen es aus dem Programm; sein Menü enthält sie.</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Nicht gezeichnet: %1</translation>
    </message>
</context>
<context>
    <name>CInputPanel</name>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>The bars&apos; height in inches; Enter draws the symbol</source>
        <translation>Die Höhe der Balken in Zoll; die Eingabetaste zeichnet das Symbol</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>The symbol&apos;s length in inches, first bar to last</source>
        <translation>Die Länge des Symbols in Zoll, vom ersten bis zum letzten Balken</translation>
    </message>
    <message>
        <source>Symbology</source>
        <translation>Symbologie</translation>
    </message>
    <message>
        <source>The kind of barcode; it decides which characters the Text field takes</source>
        <translation>Die Art des Barcodes; sie bestimmt, welche Zeichen das Textfeld annimmt</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>The data the barcode carries; Enter draws the symbol</source>
        <translation>Die Daten, die der Barcode trägt; die Eingabetaste zeichnet das Symbol</translation>
    </message>
    <message>
        <source>Prints the text under the bars</source>
        <translation>Druckt den Text unter die Balken</translation>
    </message>
    <message>
        <source>Fills the view with copies of the symbol</source>
        <translation>Füllt die Ansicht mit Kopien des Symbols</translation>
    </message>
    <message>
        <source>Width: %1 inches</source>
        <translation>Breite: %1 Zoll</translation>
    </message>
</context>
<context>
    <name>CLabelSourceBox</name>
    <message>
        <source>Labels</source>
        <translation>Etiketten</translation>
    </message>
    <message>
        <source>&amp;Text field</source>
        <translation>&amp;Textfeld</translation>
    </message>
    <message>
        <source>Se&amp;quence</source>
        <translation>F&amp;olge</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Dat&amp;ei</translation>
    </message>
    <message>
        <source>P&amp;refix:</source>
        <translation>P&amp;räfix:</translation>
    </message>
    <message>
        <source>&amp;Suffix:</source>
        <translation>Su&amp;ffix:</translation>
    </message>
    <message>
        <source>First num&amp;ber:</source>
        <translation>Erste &amp;Nummer:</translation>
    </message>
    <message>
        <source>St&amp;ep:</source>
        <translation>Schr&amp;itt:</translation>
    </message>
    <message>
        <source>Cou&amp;nt:</source>
        <translation>An&amp;zahl:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Stellen:</translation>
    </message>
    <message>
        <source>Numbers shorter than this get leading zeros</source>
        <translation>Kürzere Zahlen erhalten führende Nullen</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>D&amp;atei:</translation>
    </message>
    <message>
        <source>Label file</source>
        <translation>Etikettendatei</translation>
    </message>
    <message>
        <source>one label per line, or a CSV file</source>
        <translation>ein Etikett pro Zeile, oder eine CSV-Datei</translation>
    </message>
    <message>
        <source>Bro&amp;wse...</source>
        <translation>Dur&amp;chsuchen...</translation>
    </message>
    <message>
        <source>Te&amp;xt column:</source>
        <translation>Te&amp;xtspalte:</translation>
    </message>
    <message>
        <source>Text column</source>
        <translation>Textspalte</translation>
    </message>
    <message>
        <source>Caption colu&amp;mn:</source>
        <translation>Beschriftungss&amp;palte:</translation>
    </message>
    <message>
        <source>Caption column</source>
        <translation>Beschriftungsspalte</translation>
    </message>
    <message>
        <source>C&amp;aption:</source>
        <translation>Besc&amp;hriftung:</translation>
    </message>
    <message>
        <source>A line of text above every symbol</source>
        <translation>Eine Textzeile über jedem Symbol</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB</source>
        <translation>%1 ist größer als %2 MB</translation>
    </message>
    <message>
        <source>Copies of the symbol in the Text field: %1</source>
        <translation>Kopien des Symbols im Textfeld: %1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(leer)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Label files (*.txt *.csv);;All files (*)</source>
        <translation>Etikettendateien (*.txt *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>the Text field is empty</source>
        <translation>das Textfeld ist leer</translation>
    </message>
    <message>
        <source>the step must be a whole number</source>
        <translation>die Schrittweite muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>the first number must be a whole number</source>
        <translation>die erste Nummer muss eine ganze Zahl sein</translation>
    </message>
    <message>
        <source>choose a file of labels</source>
        <translation>wählen Sie eine Etikettendatei</translation>
    </message>
    <message>
        <source>the CSV file has no header row</source>
        <translation>die CSV-Datei hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>the file holds no labels</source>
        <translation>die Datei enthält keine Etiketten</translation>
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
        <translation>Etiketten drucken: die ersten %1 von %2 Bogen gezeigt; Drucken druckt alle %2</translation>
    </message>
    <message>
        <source>To label p&amp;rinter...</source>
        <translation>An Etikettend&amp;rucker...</translation>
    </message>
    <message>
        <source>part number, brand or words: 5160, L7160, address</source>
        <translation>Teilenummer, Marke oder Wörter: 5160, L7160, address</translation>
    </message>
    <message>
        <source>Fi&amp;nd stock:</source>
        <translation>Etiketten &amp;finden:</translation>
    </message>
    <message>
        <source>The calibration page could not be printed.</source>
        <translation>Die Kalibrierseite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Print Calibration Page</source>
        <translation>Kalibrierseite drucken</translation>
    </message>
    <message>
        <source>Printer offset for %1 (scale %2 % across, %3 % down):</source>
        <translation>Druckerversatz für %1 (Maßstab %2 % quer, %3 % längs):</translation>
    </message>
    <message>
        <source>Print a page of rulers and type in what you measure: the offset and scale that put labels where they belong on this printer</source>
        <translation>Eine Seite mit Linealen drucken und eingeben, was Sie messen: Versatz und Maßstab, die die Etiketten auf diesem Drucker an ihren Platz bringen</translation>
    </message>
    <message>
        <source>Cali&amp;brate...</source>
        <translation>Kal&amp;ibrieren...</translation>
    </message>
    <message>
        <source>Bar &amp;height:</source>
        <translation>Balkenh&amp;öhe:</translation>
    </message>
    <message>
        <source>The bars&apos; height on the labels, in inches; the main window&apos;s Height to begin with</source>
        <translation>Die Höhe der Balken auf den Etiketten in Zoll; zu Beginn die Höhe des Hauptfensters</translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <source>Negative values move the print left or up</source>
        <translation>Negative Werte verschieben den Druck nach links oder oben</translation>
    </message>
    <message>
        <source>Label stock</source>
        <translation>Etikettenbogen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source>page, grid (columns x rows), label, margins (top x left) and pitch (across x down), each pair in in or mm; margins and pitch may be left out</source>
        <translation>page (Seite), grid (Spalten x Zeilen), label (Etikett), margins (Ränder oben x links) und pitch (Abstand quer x abwärts), jedes Paar in in oder mm; margins und pitch können entfallen</translation>
    </message>
    <message>
        <source>La&amp;yout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>C&amp;ustom:</source>
        <translation>Ben&amp;utzerdefiniert:</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Print label &amp;outlines</source>
        <translation>Etikettenu&amp;mrisse drucken</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Rechts:</translation>
    </message>
    <message>
        <source>Down:</source>
        <translation>Unten:</translation>
    </message>
    <message>
        <source>Start at &amp;label:</source>
        <translation>&amp;Beginnen bei Etikett:</translation>
    </message>
    <message>
        <source>&amp;Copies of each label:</source>
        <translation>&amp;Kopien je Etikett:</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Erster Bogen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Print ali&amp;gnment page</source>
        <translation>Ausrichtun&amp;gsseite drucken</translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> von %1</translation>
    </message>
    <message>
        <source>The layout cannot be used: %1</source>
        <translation>Das Layout kann nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>No labels: %1</source>
        <translation>Keine Etiketten: %1</translation>
    </message>
    <message>
        <source>line %1: there is no text</source>
        <translation>Zeile %1: es gibt keinen Text</translation>
    </message>
    <message>
        <source>Nothing is printed while any label cannot be drawn: %1 of %2:</source>
        <translation>Es wird nichts gedruckt, solange ein Etikett nicht gezeichnet werden kann: %1 von %2:</translation>
    </message>
    <message>
        <source>Nothing can be printed: %1</source>
        <translation>Es kann nichts gedruckt werden: %1</translation>
    </message>
    <message>
        <source>Nothing is printed while any symbol is larger than its label: %1 of %2:</source>
        <translation>Es wird nichts gedruckt, solange ein Symbol größer als sein Etikett ist: %1 von %2:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... und %1 weitere</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>%1 label</source>
        <translation>%1 Etikett</translation>
    </message>
    <message>
        <source>%1 labels</source>
        <translation>%1 Etiketten</translation>
    </message>
    <message>
        <source>one sheet</source>
        <translation>einem Bogen</translation>
    </message>
    <message>
        <source>%1 sheets; the first is shown</source>
        <translation>%1 Bogen; der erste wird gezeigt</translation>
    </message>
    <message>
        <source>Printer offset for %1:</source>
        <translation>Druckerversatz für %1:</translation>
    </message>
    <message>
        <source>PDF output</source>
        <translation>PDF-Ausgabe</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Die Etiketten konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Print Alignment Page</source>
        <translation>Ausrichtungsseite drucken</translation>
    </message>
    <message>
        <source>The alignment page could not be printed.</source>
        <translation>Die Ausrichtungsseite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Printer offset to the right</source>
        <translation>Druckerversatz nach rechts</translation>
    </message>
    <message>
        <source>Printer offset down</source>
        <translation>Druckerversatz nach unten</translation>
    </message>
    <message>
        <source>Unit of the printer offset</source>
        <translation>Einheit des Druckerversatzes</translation>
    </message>
    <message>
        <source>Labels that cannot be printed</source>
        <translation>Etiketten, die nicht gedruckt werden können</translation>
    </message>
    <message>
        <source>The first sheet of labels as it prints, the stock&apos;s labels outlined faintly</source>
        <translation>Der erste Etikettenbogen, wie er gedruckt wird, die Etiketten des Bogens schwach umrissen</translation>
    </message>
    <message>
        <source>The first free label of a partly used sheet</source>
        <translation>Das erste freie Etikett eines angebrochenen Bogens</translation>
    </message>
    <message>
        <source>How many times each label is printed</source>
        <translation>Wie oft jedes Etikett gedruckt wird</translation>
    </message>
</context>
<context>
    <name>CQuillmarkApp</name>
    <message>
        <source>%1 is not a plain file and is not read: the default settings are used.</source>
        <translation>%1 ist keine gewöhnliche Datei und wird nicht gelesen: Es gelten die Standardeinstellungen.</translation>
    </message>
</context>
<context>
    <name>CQuillmarkDoc</name>
    <message>
        <source>Help cannot be shown: the help file %1 was not found.</source>
        <translation>Die Hilfe kann nicht angezeigt werden: Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Help cannot be shown: no program to open the help file %1 was found.</source>
        <translation>Die Hilfe kann nicht angezeigt werden: Es wurde kein Programm gefunden, das die Hilfedatei %1 öffnet.</translation>
    </message>
    <message>
        <source>quillmark.htm</source>
        <translation>quillmark_de.htm</translation>
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
        <translation>Barcode-Einstellungen</translation>
    </message>
    <message>
        <source> mils</source>
        <translation> mil</translation>
    </message>
    <message>
        <source>&amp;Density (narrow bar):</source>
        <translation>&amp;Modulbreite (schmaler Balken):</translation>
    </message>
    <message>
        <source>&amp;Ratio (wide to narrow):</source>
        <translation>&amp;Verhältnis (breit zu schmal):</translation>
    </message>
    <message>
        <source>As typed (upper case)</source>
        <translation>Wie eingegeben (Großbuchstaben)</translation>
    </message>
    <message>
        <source>Shortest (keeps lower case)</source>
        <translation>Kürzeste (behält Kleinbuchstaben)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Rahmen</translation>
    </message>
    <message>
        <source>Top and bottom</source>
        <translation>Oben und unten</translation>
    </message>
    <message>
        <source>Code 128 &amp;code sets:</source>
        <translation>Code 128 &amp;Zeichensätze:</translation>
    </message>
    <message>
        <source>ITF-14 &amp;bearer bars:</source>
        <translation>ITF-14 &amp;Tragbalken:</translation>
    </message>
    <message>
        <source>EAN quiet zone &amp;marks (&lt; and &gt;)</source>
        <translation>EAN-&amp;Ruhezonenzeichen (&lt; und &gt;)</translation>
    </message>
    <message>
        <source> dots</source>
        <translation> Punkte</translation>
    </message>
    <message>
        <source>Printed bar &amp;width reduction:</source>
        <translation>Balken&amp;breitenreduktion im Druck:</translation>
    </message>
    <message>
        <source>Preview at actual size</source>
        <translation>Vorschau in Originalgröße</translation>
    </message>
    <message>
        <source>wide bar %1 mils = %2</source>
        <translation>breiter Balken %1 mil = %2</translation>
    </message>
    <message>
        <source>Symbol length: %1 inches = %2</source>
        <translation>Symbollänge: %1 Zoll = %2</translation>
    </message>
    <message>
        <source>none: bars print as drawn</source>
        <translation>keine: Balken werden wie gezeichnet gedruckt</translation>
    </message>
    <message>
        <source>= %1 mils off every bar at the printer&apos;s %2 dpi</source>
        <translation>= %1 mil weniger an jedem Balken bei den %2 dpi des Druckers</translation>
    </message>
    <message>
        <source>The narrow bar&apos;s width in mils; every bar and space is a multiple of it</source>
        <translation>Die Breite des schmalen Balkens in mil; jeder Balken und jede Lücke ist ein Vielfaches davon</translation>
    </message>
    <message>
        <source>How many times wider a wide bar is than a narrow one</source>
        <translation>Wie viel Mal breiter ein breiter Balken als ein schmaler ist</translation>
    </message>
    <message>
        <source>Code 128 code sets</source>
        <translation>Code-128-Zeichensätze</translation>
    </message>
    <message>
        <source>As typed keeps Code 128 in upper case; shortest keeps lower case and uses the fewest symbol characters</source>
        <translation>„Wie eingegeben“ hält Code 128 in Großbuchstaben; „kürzeste“ behält Kleinbuchstaben und braucht die wenigsten Symbolzeichen</translation>
    </message>
    <message>
        <source>ITF-14 bearer bars</source>
        <translation>ITF-14-Tragbalken</translation>
    </message>
    <message>
        <source>The bars around an ITF-14 symbol</source>
        <translation>Die Balken um ein ITF-14-Symbol</translation>
    </message>
    <message>
        <source>Prints &gt; and &lt; at the ends of the EAN quiet zones</source>
        <translation>Druckt &gt; und &lt; an den Enden der EAN-Ruhezonen</translation>
    </message>
    <message>
        <source>Printer dots taken off every printed bar, for printers that spread ink</source>
        <translation>Druckerpunkte, die jedem gedruckten Balken abgezogen werden, für Drucker, deren Farbe verläuft</translation>
    </message>
    <message>
        <source>The main window&apos;s symbol with these settings</source>
        <translation>Das Symbol des Hauptfensters mit diesen Einstellungen</translation>
    </message>
    <message>
        <source> dot</source>
        <translation> Punkt</translation>
    </message>
</context>
<context>
    <name>FieldValues</name>
    <message>
        <source>Height &quot;%1&quot; is less than %2 in: %3 in is used instead.</source>
        <translation>Höhe „%1“ ist kleiner als %2 in: Stattdessen werden %3 in verwendet.</translation>
    </message>
    <message>
        <source>Height &quot;%1&quot; is not a number of inches: %2 in is used instead.</source>
        <translation>Höhe „%1“ ist keine Zahl von Zoll: Stattdessen werden %2 in verwendet.</translation>
    </message>
    <message>
        <source>Height &quot;%1&quot;: &quot;%2&quot; after the number is not read; %3 in is used.</source>
        <translation>Höhe „%1“: „%2“ nach der Zahl wird nicht gelesen; %3 in werden verwendet.</translation>
    </message>
</context>
<context>
    <name>FileCommit</name>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>die Standardausgabe</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <source>%1 was another user&apos;s file and is now yours (only an administrator may give a file away)</source>
        <translation>%1 gehörte einem anderen Benutzer und gehört nun Ihnen (nur ein Administrator kann eine Datei abgeben)</translation>
    </message>
    <message>
        <source>cannot replace %1: %2</source>
        <translation>%1 kann nicht ersetzt werden: %2</translation>
    </message>
    <message>
        <source>cannot flush %1 to the disk: %2</source>
        <translation>%1 kann nicht auf die Festplatte geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>sie ist geschlossen</translation>
    </message>
    <message>
        <source>its folder is the system&apos;s and takes no files</source>
        <translation>ihr Ordner gehört dem System und nimmt keine Dateien auf</translation>
    </message>
</context>
<context>
    <name>InputRule</name>
    <message>
        <source>takes digits only</source>
        <translation>nimmt nur Ziffern an</translation>
    </message>
    <message>
        <source>takes 8-bit (Latin-1) characters only</source>
        <translation>nimmt nur 8-Bit-Zeichen (Latin-1) an</translation>
    </message>
    <message>
        <source>refuses it</source>
        <translation>lehnt es ab</translation>
    </message>
    <message>
        <source>has no encoding for it</source>
        <translation>hat keine Kodierung dafür</translation>
    </message>
    <message>
        <source>character %1 at position %2: %3 %4</source>
        <translation>Zeichen %1 an Position %2: %3 %4</translation>
    </message>
    <message>
        <source>%1 digits: %2 takes at most %3</source>
        <translation>%1 Ziffern: %2 nimmt höchstens %3 an</translation>
    </message>
</context>
<context>
    <name>Inputs</name>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 MB; split it into smaller batches</source>
        <translation>%1 enthält mehr als %2 MB; teilen Sie die Datei in kleinere Stapel auf</translation>
    </message>
    <message>
        <source>the CSV input has no header row</source>
        <translation>die CSV-Eingabe hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>the CSV header names &quot;%1&quot; twice (columns %2 and %3)</source>
        <translation>die CSV-Kopfzeile nennt „%1“ zweimal (Spalten %2 und %3)</translation>
    </message>
    <message>
        <source>the CSV header&apos;s column %1, &quot;%2&quot;, is none of symbology, text, height, output and caption: it is not used</source>
        <translation>Spalte %1 der CSV-Kopfzeile, „%2“, ist keine von symbology, text, height, output und caption: sie wird nicht verwendet</translation>
    </message>
    <message>
        <source>the CSV header names no &quot;text&quot; column</source>
        <translation>die CSV-Kopfzeile nennt keine Spalte „text“</translation>
    </message>
    <message>
        <source>no text</source>
        <translation>kein Text</translation>
    </message>
    <message>
        <source>cannot read standard input: it is closed</source>
        <translation>die Standardeingabe kann nicht gelesen werden: sie ist geschlossen</translation>
    </message>
</context>
<context>
    <name>LabelData</name>
    <message>
        <source>the count must be 1 to %1</source>
        <translation>die Anzahl muss zwischen 1 und %1 liegen</translation>
    </message>
    <message>
        <source>the number&apos;s width must be 0 to %1 digits</source>
        <translation>die Breite der Nummer muss 0 bis %1 Stellen betragen</translation>
    </message>
    <message>
        <source>the sequence&apos;s numbers leave the range of whole numbers</source>
        <translation>die Nummern der Folge verlassen den Bereich der ganzen Zahlen</translation>
    </message>
    <message>
        <source>the CSV file has no header row</source>
        <translation>die CSV-Datei hat keine Kopfzeile</translation>
    </message>
    <message>
        <source>the CSV file has no column &quot;%1&quot;</source>
        <translation>die CSV-Datei hat keine Spalte „%1“</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line %1: there is no text</source>
        <translation>Zeile %1: es gibt keinen Text</translation>
    </message>
</context>
<context>
    <name>LabelPrinting</name>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Seite %1 von %2 wird gedruckt</translation>
    </message>
</context>
<context>
    <name>LabelSheet</name>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 in</translation>
    </message>
    <message>
        <source>it must stay inside the %1 label of %2, %3 in from its edge</source>
        <translation>es muss innerhalb des %1 Etiketts von %2 bleiben, %3 in vom Rand</translation>
    </message>
    <message>
        <source>rectangular</source>
        <translation>rechteckigen</translation>
    </message>
    <message>
        <source>elliptic</source>
        <translation>ovalen</translation>
    </message>
    <message>
        <source>round</source>
        <translation>runden</translation>
    </message>
    <message>
        <source>the label is %1</source>
        <translation>das Etikett misst %1</translation>
    </message>
    <message>
        <source>the first label must be 1 to %1 on %2</source>
        <translation>das erste Etikett muss auf %2 zwischen 1 und %1 liegen</translation>
    </message>
    <message>
        <source>copies must be 1 to %1</source>
        <translation>die Kopien müssen zwischen 1 und %1 liegen</translation>
    </message>
    <message>
        <source>%1 labels of %2 copies each are more than the %3 one run takes</source>
        <translation>%1 Etiketten zu je %2 Kopien sind mehr als die %3, die ein Durchlauf fasst</translation>
    </message>
    <message>
        <source>there are no labels to print</source>
        <translation>es gibt keine Etiketten zu drucken</translation>
    </message>
    <message>
        <source>line %1: the symbol takes %2 x %3 in with its quiet zones%4; </source>
        <translation>Zeile %1: das Symbol braucht mit seinen Ruhezonen%4 %2 x %3 in; </translation>
    </message>
    <message>
        <source> and caption</source>
        <translation> und Beschriftung</translation>
    </message>
    <message>
        <source>line %1 (page %2, label %3): %4</source>
        <translation>Zeile %1 (Seite %2, Etikett %3): %4</translation>
    </message>
    <message>
        <source>reads as &quot;%1&quot;</source>
        <translation>liest sich als „%1“</translation>
    </message>
    <message>
        <source>does not scan</source>
        <translation>ist nicht lesbar</translation>
    </message>
    <message>
        <source>the first label must be 1: %1 holds one label</source>
        <translation>das erste Etikett muss 1 sein: %1 fasst ein Etikett</translation>
    </message>
</context>
<context>
    <name>OutputFormat</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
</context>
<context>
    <name>PrintSetup</name>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
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
        <translation>%1 von %2 erledigt, %3 fehlgeschlagen (%4 %)</translation>
    </message>
    <message>
        <source>%1 of %2 written (%3 %)</source>
        <translation>%1 von %2 geschrieben (%3 %)</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>Draws barcodes at true size into BMP, PNG, SVG or PDF files.
Symbologies: %1, or their names as the desktop program lists them.
Batch and CSV inputs are read as UTF-8; in output patterns {n} is the entry&apos;s number, zero-padded, and {text} its data text made safe for a file name.
With --sheet the symbols are drawn at true size on label stock, one label each, into one PDF file, or into BMP or PNG pages at --dpi named with {page}.</source>
        <translation>Zeichnet Barcodes in wahrer Größe in BMP-, PNG-, SVG- oder PDF-Dateien.
Symbologien: %1, oder ihre Namen, wie das Desktopprogramm sie auflistet.
Stapel- und CSV-Eingaben werden als UTF-8 gelesen; in Ausgabemustern ist {n} die Nummer des Eintrags, mit Nullen aufgefüllt, und {text} sein Datentext, als Dateiname sicher gemacht.
Mit --sheet werden die Symbole in wahrer Größe auf Etikettenbögen gezeichnet, je eines pro Etikett, in eine PDF-Datei oder in BMP- oder PNG-Seiten mit --dpi, benannt mit {page}.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Zeigt die Version des Programms.</translation>
    </message>
    <message>
        <source>The symbology (name or alias, any case).</source>
        <translation>Die Symbologie (Name oder Alias, Groß-/Kleinschreibung beliebig).</translation>
    </message>
    <message>
        <source>The output file (- for standard output, with --format), or for a batch a pattern with {n} or {text}.</source>
        <translation>Die Ausgabedatei (- für die Standardausgabe, mit --format), oder für einen Stapel ein Muster mit {n} oder {text}.</translation>
    </message>
    <message>
        <source>Draws one symbol per line of the file (- for standard input).</source>
        <translation>Zeichnet ein Symbol pro Zeile der Datei (- für die Standardeingabe).</translation>
    </message>
    <message>
        <source>Draws one symbol per row of a CSV file whose header names columns among symbology, text, height and output (- for standard input).</source>
        <translation>Zeichnet ein Symbol pro Zeile einer CSV-Datei, deren Kopfzeile Spalten unter symbology, text, height und output nennt (- für die Standardeingabe).</translation>
    </message>
    <message>
        <source>%1 (default: from the output&apos;s extension).</source>
        <translation>%1 (Standard: aus der Endung der Ausgabe).</translation>
    </message>
    <message>
        <source>The narrow element in mils (default: the program&apos;s setting).</source>
        <translation>Das schmale Element in mil (Standard: die Einstellung des Programms).</translation>
    </message>
    <message>
        <source>Wide element = ratio x narrow (default: the program&apos;s setting).</source>
        <translation>Breites Element = Verhältnis x schmales (Standard: die Einstellung des Programms).</translation>
    </message>
    <message>
        <source>Code 128: typed (the code sets the text&apos;s code-change characters give, upper case) or auto (the fewest symbol characters, lower case kept) (default: the program&apos;s setting).</source>
        <translation>Code 128: typed (die Zeichensätze, die die Umschaltzeichen des Textes angeben, Großbuchstaben) oder auto (die wenigsten Symbolzeichen, Kleinbuchstaben bleiben) (Standard: die Einstellung des Programms).</translation>
    </message>
    <message>
        <source>ITF-14: frame, top-bottom or none (default: the program&apos;s setting).</source>
        <translation>ITF-14: frame (Rahmen), top-bottom (oben und unten) oder none (keine) (Standard: die Einstellung des Programms).</translation>
    </message>
    <message>
        <source>The bar height in inches (default 0.75).</source>
        <translation>Die Balkenhöhe in Zoll (Standard 0.75).</translation>
    </message>
    <message>
        <source>Scales the whole symbol, 1 to 8 (default 1).</source>
        <translation>Skaliert das ganze Symbol, 1 bis 8 (Standard 1).</translation>
    </message>
    <message>
        <source>Quarter turns counter-clockwise, 0 to 3 (default 0).</source>
        <translation>Vierteldrehungen gegen den Uhrzeigersinn, 0 bis 3 (Standard 0).</translation>
    </message>
    <message>
        <source>Leaves out the human-readable text.</source>
        <translation>Lässt den Klartext weg.</translation>
    </message>
    <message>
        <source>Resolution of BMP and PNG output (default %1).</source>
        <translation>Auflösung der BMP- und PNG-Ausgabe (Standard %1).</translation>
    </message>
    <message>
        <source>Makes every bar of BMP and PNG output (and of the pages --verify reads) this many dots narrower and every space as much wider, for printers that spread ink, 0 to %1 (default 0).</source>
        <translation>Macht jeden Balken der BMP- und PNG-Ausgabe (und der Seiten, die --verify liest) um so viele Punkte schmaler und jede Lücke um so viel breiter, für Drucker, deren Farbe verläuft, 0 bis %1 (Standard 0).</translation>
    </message>
    <message>
        <source>EAN-13 and EAN-8 get their quiet zone marks (&gt; and &lt;): on or off (default: the program&apos;s setting).</source>
        <translation>EAN-13 und EAN-8 erhalten ihre Ruhezonenzeichen (&gt; und &lt;): on oder off (Standard: die Einstellung des Programms).</translation>
    </message>
    <message>
        <source>Drops characters the symbology refuses instead of failing.</source>
        <translation>Lässt Zeichen weg, die die Symbologie ablehnt, statt abzubrechen.</translation>
    </message>
    <message>
        <source>Reads every output back as a scanner would (at --dpi) and fails the entry that does not scan as its label.</source>
        <translation>Liest jede Ausgabe zurück, wie ein Scanner es täte (mit --dpi), und lässt den Eintrag scheitern, der sich nicht als sein Etikettentext scannen lässt.</translation>
    </message>
    <message>
        <source>Symbols drawn at once, 1 to %1 (default: one per core).</source>
        <translation>Gleichzeitig gezeichnete Symbole, 1 bis %1 (Standard: eines pro Kern).</translation>
    </message>
    <message>
        <source>Draws the symbols as labels on a sheet: a name --list-sheets shows (the system&apos;s label catalog by brand and part, &quot;Avery 5160&quot;), a continuous roll by its width (continuous-62mm), or page=WxH,grid=CxR,label=WxH[,margins=TOPxLEFT][,pitch=XxY] with lengths in in or mm (8.5x11in).</source>
        <translation>Zeichnet die Symbole als Etiketten auf einen Bogen: ein Name, den --list-sheets zeigt (den Etikettenkatalog des Systems nach Marke und Teilenummer, „Avery 5160“), eine Endlosrolle nach ihrer Breite (continuous-62mm) oder page=WxH,grid=CxR,label=WxH[,margins=TOPxLEFT][,pitch=XxY] mit Längen in in oder mm (8.5x11in).</translation>
    </message>
    <message>
        <source>Lists the built-in label stock and the system&apos;s label catalog; with words after it, only the stock whose name and description hold them all (5160, address).</source>
        <translation>Listet die eingebauten Etiketten und den Etikettenkatalog des Systems auf; mit Wörtern dahinter nur die, deren Name und Beschreibung alle enthalten (5160, address).</translation>
    </message>
    <message>
        <source>The first label used on the first sheet, from 1 (default 1).</source>
        <translation>Das erste verwendete Etikett auf dem ersten Bogen, ab 1 (Standard 1).</translation>
    </message>
    <message>
        <source>Labels of each text, one after another (default 1).</source>
        <translation>Etiketten je Text, nacheinander (Standard 1).</translation>
    </message>
    <message>
        <source>A line of text above every label&apos;s symbol (a CSV caption column gives each its own).</source>
        <translation>Eine Textzeile über dem Symbol jedes Etiketts (eine CSV-Spalte caption gibt jedem seine eigene).</translation>
    </message>
    <message>
        <source>Draws each label&apos;s outline on the sheet.</source>
        <translation>Zeichnet den Umriss jedes Etiketts auf den Bogen.</translation>
    </message>
    <message>
        <source>The data text of a single symbol.</source>
        <translation>Der Datentext eines einzelnen Symbols.</translation>
    </message>
    <message>
        <source>one data text only; quote a text with blanks</source>
        <translation>nur ein Datentext; setzen Sie einen Text mit Leerzeichen in Anführungszeichen</translation>
    </message>
    <message>
        <source>give one data text, --batch or --csv</source>
        <translation>geben Sie einen Datentext, --batch oder --csv an</translation>
    </message>
    <message>
        <source>the data text is empty</source>
        <translation>der Datentext ist leer</translation>
    </message>
    <message>
        <source>unknown symbology &quot;%1&quot;; known: %2</source>
        <translation>unbekannte Symbologie „%1“; bekannt: %2</translation>
    </message>
    <message>
        <source>--symbology is missing</source>
        <translation>--symbology fehlt</translation>
    </message>
    <message>
        <source>--output is missing</source>
        <translation>--output fehlt</translation>
    </message>
    <message>
        <source>--%1 is for label sheets: give --sheet</source>
        <translation>--%1 ist für Etikettenbögen: geben Sie --sheet an</translation>
    </message>
    <message>
        <source>--sheet: %1; --list-sheets shows the stock there is</source>
        <translation>--sheet: %1; --list-sheets zeigt die vorhandenen Etiketten</translation>
    </message>
    <message>
        <source>labels are drawn at true size: --zoom does not go with --sheet</source>
        <translation>Etiketten werden in wahrer Größe gezeichnet: --zoom passt nicht zu --sheet</translation>
    </message>
    <message>
        <source>a batch needs {n} or {text} in --output, or every line would overwrite the last</source>
        <translation>ein Stapel braucht {n} oder {text} in --output, sonst überschriebe jede Zeile die vorige</translation>
    </message>
    <message>
        <source>--format takes %1, not &quot;%2&quot;</source>
        <translation>--format nimmt %1, nicht „%2“</translation>
    </message>
    <message>
        <source>cannot tell the format of &quot;%1&quot;; name it %2, or give --format</source>
        <translation>das Format von „%1“ ist nicht erkennbar; benennen Sie die Datei %2, oder geben Sie --format an</translation>
    </message>
    <message>
        <source>--code-sets takes auto or typed, not &quot;%1&quot;</source>
        <translation>--code-sets nimmt auto oder typed, nicht „%1“</translation>
    </message>
    <message>
        <source>--bearer-bars takes frame, top-bottom or none, not &quot;%1&quot;</source>
        <translation>--bearer-bars nimmt frame, top-bottom oder none, nicht „%1“</translation>
    </message>
    <message>
        <source>--height takes a length in inches above 0, not &quot;%1&quot;</source>
        <translation>--height nimmt eine Länge in Zoll über 0, nicht „%1“</translation>
    </message>
    <message>
        <source>--quiet-zone-marks takes on or off, not &quot;%1&quot;</source>
        <translation>--quiet-zone-marks nimmt on oder off, nicht „%1“</translation>
    </message>
    <message>
        <source>--height takes at most %1 inches (no output holds more), not &quot;%2&quot;</source>
        <translation>--height nimmt höchstens %1 Zoll (keine Ausgabe fasst mehr), nicht „%2“</translation>
    </message>
    <message>
        <source>CSV output column: below (paths below the current folder only) or any (absolute paths and .. too) (default below).</source>
        <translation>CSV-Spalte output: below (nur Pfade unterhalb des aktuellen Ordners) oder any (auch absolute Pfade und ..) (Standard below).</translation>
    </message>
    <message>
        <source>--output-paths takes below or any, not &quot;%1&quot;</source>
        <translation>--output-paths nimmt below oder any, nicht „%1“</translation>
    </message>
    <message>
        <source>Fills a short EAN or UPC number with zeros on the right instead of refusing it.</source>
        <translation>Füllt eine zu kurze EAN- oder UPC-Nummer rechts mit Nullen auf, statt sie abzulehnen.</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Speichern	Strg+S</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>&amp;Drucken...	Strg+P</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>Print &amp;Labels...</source>
        <translation>&amp;Etiketten drucken...</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Dr&amp;uckereinrichtung...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Rückgängig	Strg+Z</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>&amp;Ausschneiden	Strg+X</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>&amp;Kopieren	Strg+C</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>&amp;Einfügen	Strg+V</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Symbolleiste</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>S&amp;tatusleiste</translation>
    </message>
    <message>
        <source>Zoom &amp;In	Ctrl++</source>
        <translation>Ver&amp;größern	Strg++</translation>
    </message>
    <message>
        <source>Zoom &amp;Out	Ctrl+-</source>
        <translation>Ver&amp;kleinern	Strg+-</translation>
    </message>
    <message>
        <source>Turn &amp;Left	Ctrl+[</source>
        <translation>Nach &amp;links drehen	Strg+[</translation>
    </message>
    <message>
        <source>Turn &amp;Right	Ctrl+]</source>
        <translation>Nach &amp;rechts drehen	Strg+]</translation>
    </message>
    <message>
        <source>&amp;Barcode Settings...</source>
        <translation>&amp;Barcode-Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Help Topics	F1</source>
        <translation>&amp;Hilfethemen	F1</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Copy	 Ctrl+C</source>
        <translation>&amp;Kopieren	 Strg+C</translation>
    </message>
    <message>
        <source>&amp;Print	Ctrl+P</source>
        <translation>&amp;Drucken	Strg+P</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Das aktive Dokument speichern</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Print the active document</source>
        <translation>Das aktive Dokument drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Display full pages</source>
        <translation>Ganze Seiten anzeigen</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print the symbol on sheets or rolls of labels, one or many texts</source>
        <translation>Das Symbol auf Etikettenbögen oder -rollen drucken, mit einem oder vielen Texten</translation>
    </message>
    <message>
        <source>Print Labels</source>
        <translation>Etiketten drucken</translation>
    </message>
    <message>
        <source>Change the printer and printing options</source>
        <translation>Den Drucker und die Druckoptionen ändern</translation>
    </message>
    <message>
        <source>Print Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents</source>
        <translation>Die Anwendung beenden; fragt, ob Dokumente gespeichert werden sollen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>Die letzte Aktion rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>Die Auswahl ausschneiden und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>Die Auswahl kopieren und in die Zwischenablage legen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>Den Inhalt der Zwischenablage einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>Die Symbolleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle ToolBar</source>
        <translation>Symbolleiste ein/aus</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Toggle StatusBar</source>
        <translation>Statusleiste ein/aus</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Die Hilfethemen auflisten</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Programminformationen, Versionsnummer und Copyright anzeigen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Show the barcode one step larger</source>
        <translation>Den Barcode eine Stufe größer zeigen</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Show the barcode one step smaller</source>
        <translation>Den Barcode eine Stufe kleiner zeigen</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Turn the barcode a quarter turn counter-clockwise</source>
        <translation>Den Barcode eine Vierteldrehung gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Turn the barcode a quarter turn clockwise</source>
        <translation>Den Barcode eine Vierteldrehung im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Turn Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Zoom In (Ctrl++)</source>
        <translation>Vergrößern (Strg++)</translation>
    </message>
    <message>
        <source>Zoom Out (Ctrl+-)</source>
        <translation>Verkleinern (Strg+-)</translation>
    </message>
    <message>
        <source>Turn Left (Ctrl+[)</source>
        <translation>Nach links drehen (Strg+[)</translation>
    </message>
    <message>
        <source>Turn Right (Ctrl+])</source>
        <translation>Nach rechts drehen (Strg+])</translation>
    </message>
    <message>
        <source>Change the narrow bar width and the wide-to-narrow ratio</source>
        <translation>Die Breite des schmalen Balkens und das Verhältnis breit zu schmal ändern</translation>
    </message>
    <message>
        <source>Barcode Settings</source>
        <translation>Barcode-Einstellungen</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>Höh&amp;e:</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>B&amp;reite:</translation>
    </message>
    <message>
        <source>&amp;Symbology:</source>
        <translation>&amp;Symbologie:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>Show Te&amp;xt</source>
        <translation>&amp;Klartext</translation>
    </message>
    <message>
        <source>T&amp;ile mode</source>
        <translation>Ka&amp;cheln</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Quillmark</source>
        <translation>Über Quillmark</translation>
    </message>
    <message>
        <source>Alphanumeric characters(A-Z, 0-9, +-/%$*SPACE)</source>
        <translation>Alphanumerische Zeichen (A-Z, 0-9, +-/%$*LEERZEICHEN)</translation>
    </message>
    <message>
        <source>Any alphanumeric characters.</source>
        <translation>Beliebige alphanumerische Zeichen.</translation>
    </message>
    <message>
        <source>Numeric character ( 0~9) only.</source>
        <translation>Nur Ziffern (0~9).</translation>
    </message>
    <message>
        <source>GS1 data: each Application Identifier in parentheses, then its data, e.g. (01)09501101530003(17)251231(10)AB-123</source>
        <translation>GS1-Daten: jeder Anwendungsbezeichner (AI) in Klammern, dann seine Daten, z. B. (01)09501101530003(17)251231(10)AB-123</translation>
    </message>
    <message>
        <source>13 digits (0~9), or 14 with the check digit.</source>
        <translation>13 Ziffern (0~9) oder 14 mit der Prüfziffer.</translation>
    </message>
</context>
<context>
    <name>Runner</name>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>bytes that are not UTF-8</source>
        <translation>Bytes, die kein UTF-8 sind</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>%1 is written by an earlier line already</source>
        <translation>%1 wird bereits von einer früheren Zeile geschrieben</translation>
    </message>
    <message>
        <source>unknown symbology &quot;%1&quot;</source>
        <translation>unbekannte Symbologie „%1“</translation>
    </message>
    <message>
        <source>no symbology: give a symbology column or --symbology</source>
        <translation>keine Symbologie: geben Sie eine Spalte symbology oder --symbology an</translation>
    </message>
    <message>
        <source>height &quot;%1&quot; is no length in inches above 0</source>
        <translation>Höhe „%1“ ist keine Länge in Zoll über 0</translation>
    </message>
    <message>
        <source>no output: give an output column or --output</source>
        <translation>keine Ausgabe: geben Sie eine Spalte output oder --output an</translation>
    </message>
    <message>
        <source>cannot be read back: the symbol is too large for a bitmap at %1 dpi (at most %2 pixels a side)</source>
        <translation>kann nicht zurückgelesen werden: das Symbol ist zu groß für eine Bitmap mit %1 dpi (höchstens %2 Pixel je Seite)</translation>
    </message>
    <message>
        <source>note: at %1 dpi the narrow element is %2 mils, not %3 (a whole number of dots)</source>
        <translation>Hinweis: bei %1 dpi ist das schmale Element %2 mil, nicht %3 (eine ganze Zahl von Punkten)</translation>
    </message>
    <message>
        <source>note: %1 is not a plain file and is not read; the default Density and Ratio are used</source>
        <translation>Hinweis: %1 ist keine gewöhnliche Datei und wird nicht gelesen; es gelten die Standardwerte für Modulbreite und Verhältnis</translation>
    </message>
    <message>
        <source>height &quot;%1&quot; is more than %2 inches: no output holds it</source>
        <translation>Höhe „%1“ ist mehr als %2 Zoll: keine Ausgabe fasst sie</translation>
    </message>
    <message>
        <source>output &quot;%1&quot; is not below the current folder; give --output-paths any to allow it</source>
        <translation>Ausgabe „%1“ liegt nicht unterhalb des aktuellen Ordners; --output-paths any erlaubt sie</translation>
    </message>
</context>
<context>
    <name>ScanCheck</name>
    <message>
        <source>⚠ Scans: %1, but not with every reader</source>
        <translation>⚠ Lesbar: %1, aber nicht mit jedem Leser</translation>
    </message>
    <message>
        <source>⚠ Scans: %1, but not with every reader; Density %2 reads with both</source>
        <translation>⚠ Lesbar: %1, aber nicht mit jedem Leser; mit Modulbreite %2 lesen beide</translation>
    </message>
    <message>
        <source>⚠ Scans: %1, but not with every reader; zoom %2 reads with both</source>
        <translation>⚠ Lesbar: %1, aber nicht mit jedem Leser; bei Zoom %2 lesen beide</translation>
    </message>
    <message>
        <source>✓ Scans: %1</source>
        <translation>✓ Lesbar: %1</translation>
    </message>
    <message>
        <source>Scans as %1 — the label shows %2</source>
        <translation>Liest sich als %1 — der Klartext zeigt %2</translation>
    </message>
    <message>
        <source>No data: the text is empty</source>
        <translation>Keine Daten: der Text ist leer</translation>
    </message>
    <message>
        <source>⚠ No data: the text is empty; the symbol reads %1</source>
        <translation>⚠ Keine Daten: der Text ist leer; das Symbol liest sich als %1</translation>
    </message>
    <message>
        <source>No data: the bars leave out all that the label shows</source>
        <translation>Keine Daten: den Balken fehlt alles, was der Klartext zeigt</translation>
    </message>
    <message>
        <source>Scans as %1 — the label shows %2 that the bars leave out</source>
        <translation>Liest sich als %1 — der Klartext zeigt %2, was den Balken fehlt</translation>
    </message>
    <message>
        <source>Does not scan: wide and narrow bars are equal at Ratio 1</source>
        <translation>Nicht lesbar: breite und schmale Balken sind bei Verhältnis 1 gleich</translation>
    </message>
    <message>
        <source>Not checked: the reader used here takes %1 digits or more, not %2</source>
        <translation>Nicht geprüft: der hier verwendete Leser nimmt %1 Ziffern oder mehr, nicht %2</translation>
    </message>
    <message>
        <source>Does not scan at this size; it does at zoom %1</source>
        <translation>In dieser Größe nicht lesbar; bei Zoom %1 schon</translation>
    </message>
    <message>
        <source>Does not scan at this size; it does at Density %1</source>
        <translation>In dieser Größe nicht lesbar; bei Modulbreite %1 schon</translation>
    </message>
    <message>
        <source>Does not scan at this size</source>
        <translation>In dieser Größe nicht lesbar</translation>
    </message>
    <message>
        <source>Not checked: the symbol readers cannot be loaded (%1)</source>
        <translation>Nicht geprüft: die Symbolleser lassen sich nicht laden (%1)</translation>
    </message>
    <message>
        <source>⚠ %1 of %2 digits: the symbol carries %3</source>
        <translation>⚠ %1 von %2 Ziffern: das Symbol trägt %3</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <source>&quot;%1&quot;: a continuous roll is named by its width, such as continuous-62mm or continuous-2in (at most 200 inches)</source>
        <translation>„%1“: eine Endlosrolle wird nach ihrer Breite benannt, etwa continuous-62mm oder continuous-2in (höchstens 200 Zoll)</translation>
    </message>
    <message>
        <source>a sheet needs at least one column and one row</source>
        <translation>ein Bogen braucht mindestens eine Spalte und eine Zeile</translation>
    </message>
    <message>
        <source>a label needs a width and a height</source>
        <translation>ein Etikett braucht eine Breite und eine Höhe</translation>
    </message>
    <message>
        <source>the pitch is smaller than the label: labels would overlap</source>
        <translation>der Abstand ist kleiner als das Etikett: Etiketten würden sich überlappen</translation>
    </message>
    <message>
        <source>the labels do not fit the page</source>
        <translation>die Etiketten passen nicht auf die Seite</translation>
    </message>
    <message>
        <source>unknown field &quot;%1&quot; (page, grid, label, margins and pitch are known)</source>
        <translation>unbekanntes Feld „%1“ (bekannt sind page, grid, label, margins und pitch)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no columns x rows</source>
        <translation>„%1“ ist nicht Spalten x Zeilen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no width x height in in or mm</source>
        <translation>„%1“ ist nicht Breite x Höhe in in oder mm</translation>
    </message>
    <message>
        <source>a custom sheet needs page=, grid= and label=</source>
        <translation>ein benutzerdefinierter Bogen braucht page=, grid= und label=</translation>
    </message>
    <message>
        <source>unknown sheet &quot;%1&quot;</source>
        <translation>unbekannter Bogen „%1“</translation>
    </message>
    <message>
        <source>%1 x %2 labels of %3 on %4</source>
        <translation>%1 x %2 Etiketten zu %3 auf %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a sheet has at most 1000 columns and 1000 rows</source>
        <translation>„%1“: ein Bogen hat höchstens 1000 Spalten und 1000 Zeilen</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a length passes the largest page, 200 inches (5080 mm)</source>
        <translation>„%1“: eine Länge überschreitet die größte Seite, 200 Zoll (5080 mm)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice</source>
        <translation>„%1“ ist zweimal angegeben</translation>
    </message>
</context>
<context>
    <name>SheetRun</name>
    <message>
        <source>a sheet takes one symbology: give --symbology</source>
        <translation>ein Bogen nimmt eine Symbologie: geben Sie --symbology an</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>note: on a sheet every label takes the command line&apos;s symbology, height and output; those columns are not used</source>
        <translation>Hinweis: auf einem Bogen nimmt jedes Etikett Symbologie, Höhe und Ausgabe der Befehlszeile; diese Spalten werden nicht verwendet</translation>
    </message>
    <message>
        <source>%1 of %2 labels cannot be drawn; nothing was written</source>
        <translation>%1 von %2 Etiketten können nicht gezeichnet werden; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 labels do not fit %2; nothing was written</source>
        <translation>%1 Etiketten passen nicht auf %2; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>a sheet is written as one PDF document, or as BMP or PNG pages: not as SVG</source>
        <translation>ein Bogen wird als ein PDF-Dokument oder als BMP- oder PNG-Seiten geschrieben: nicht als SVG</translation>
    </message>
    <message>
        <source>the labels fill %1 pages: name the pages with {page} in --output</source>
        <translation>die Etiketten füllen %1 Seiten: benennen Sie die Seiten mit {page} in --output</translation>
    </message>
    <message>
        <source>page %1 is too large for a bitmap at %2 dpi</source>
        <translation>Seite %1 ist zu groß für eine Bitmap mit %2 dpi</translation>
    </message>
    <message>
        <source>%1 more lines do not fit either</source>
        <translation>%1 weitere Zeilen passen ebenfalls nicht</translation>
    </message>
    <message>
        <source>1 label does not fit %1; nothing was written</source>
        <translation>1 Etikett passt nicht auf %1; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>a sheet&apos;s pages are named with {page}; {n} and {text} name the files of a batch</source>
        <translation>die Seiten eines Bogens werden mit {page} benannt; {n} und {text} benennen die Dateien eines Stapels</translation>
    </message>
</context>
<context>
    <name>SheetText</name>
    <message>
        <source>the caption&apos;s character &quot;%1&quot; (U+%2): no font here has it</source>
        <translation>die Beschriftung enthält das Zeichen „%1“ (U+%2): keine Schrift hier hat es</translation>
    </message>
</context>
<context>
    <name>StandardsAdvice</name>
    <message>
        <source>GS1: X %1 mm, %2 the %3 to %4 mm range; bars %5 mm high, %6 %7 mm for this X; quiet zones %8 X each side, %9 %10</source>
        <translation>GS1: X %1 mm, %2 des Bereichs %3 bis %4 mm; Balken %5 mm hoch, %6 %7 mm für dieses X; Ruhezonen %8 X je Seite, %9 %10</translation>
    </message>
    <message>
        <source>within</source>
        <translation>innerhalb</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unterhalb</translation>
    </message>
    <message>
        <source>above</source>
        <translation>oberhalb</translation>
    </message>
    <message>
        <source>at least</source>
        <translation>mindestens</translation>
    </message>
    <message>
        <source>short of</source>
        <translation>unter</translation>
    </message>
</context>
<context>
    <name>SymbolRender</name>
    <message>
        <source>the symbol takes %1 x %2 inches at zoom %3; no output holds more than %4 inches a side</source>
        <translation>das Symbol braucht bei Zoom %3 %1 x %2 Zoll; keine Ausgabe fasst mehr als %4 Zoll je Seite</translation>
    </message>
    <message>
        <source>the symbol is too large for a bitmap at %1 dpi (at most %2 pixels a side)</source>
        <translation>das Symbol ist zu groß für eine Bitmap mit %1 dpi (höchstens %2 Pixel je Seite)</translation>
    </message>
    <message>
        <source>the bitmap could not be encoded</source>
        <translation>die Bitmap konnte nicht kodiert werden</translation>
    </message>
</context>
<context>
    <name>Symbology</name>
    <message>
        <source>byte 0x%1</source>
        <translation>Byte 0x%1</translation>
    </message>
    <message>
        <source>(%1) takes digits only: %2 at position %3 of its data</source>
        <translation>(%1) nimmt nur Ziffern an: %2 an Position %3 seiner Daten</translation>
    </message>
    <message>
        <source>(%1): %2 at position %3 of its data is not in the GS1 character set</source>
        <translation>(%1): %2 an Position %3 seiner Daten gehört nicht zum GS1-Zeichensatz</translation>
    </message>
    <message>
        <source>(%1) takes %2 digits, not %3</source>
        <translation>(%1) verlangt %2 Ziffern, nicht %3</translation>
    </message>
    <message>
        <source>(%1) takes %2 to %3 characters, not %4</source>
        <translation>(%1) verlangt %2 bis %3 Zeichen, nicht %4</translation>
    </message>
    <message>
        <source>(%1) check digit %2 is wrong: it should be %3</source>
        <translation>(%1) Prüfziffer %2 ist falsch: richtig ist %3</translation>
    </message>
    <message>
        <source>GS1-128 data starts with an Application Identifier in parentheses, such as (01)</source>
        <translation>GS1-128-Daten beginnen mit einem Anwendungsbezeichner (AI) in Klammern, etwa (01)</translation>
    </message>
    <message>
        <source>the &quot;(&quot; at position %1 is never closed</source>
        <translation>die Klammer „(“ an Position %1 wird nie geschlossen</translation>
    </message>
    <message>
        <source>(%1) has no data</source>
        <translation>(%1) hat keine Daten</translation>
    </message>
    <message>
        <source>the data is %1 characters long; a GS1-128 symbol holds at most %2</source>
        <translation>die Daten sind %1 Zeichen lang; ein GS1-128-Symbol fasst höchstens %2</translation>
    </message>
    <message>
        <source>ITF-14 takes 13 digits, or 14 with the check digit</source>
        <translation>ITF-14 verlangt 13 Ziffern, oder 14 mit der Prüfziffer</translation>
    </message>
    <message>
        <source>ITF-14 check digit %1 is wrong: it should be %2</source>
        <translation>ITF-14-Prüfziffer %1 ist falsch: richtig ist %2</translation>
    </message>
    <message>
        <source>%1 takes %2 digits, or %3 with its check digit; &quot;%4&quot; has %5</source>
        <translation>%1 verlangt %2 Ziffern, oder %3 mit der Prüfziffer; „%4“ hat %5</translation>
    </message>
    <message>
        <source>%1 check digit %2 is wrong: it should be %3</source>
        <translation>%1-Prüfziffer %2 ist falsch: richtig ist %3</translation>
    </message>
    <message>
        <source>UPC E %1 stands for UPC-A %2, whose UPC-E form is %3</source>
        <translation>UPC E %1 steht für UPC-A %2, dessen UPC-E-Form %3 ist</translation>
    </message>
    <message>
        <source>(%1) %2 is no date (%3)</source>
        <translation>(%1) %2 ist kein Datum (%3)</translation>
    </message>
    <message>
        <source>(%1) %2 is no time of day (%3)</source>
        <translation>(%1) %2 ist keine Uhrzeit (%3)</translation>
    </message>
    <message>
        <source>(%1) %2 is no ISO 3166 country number</source>
        <translation>(%1) %2 ist keine Ländernummer nach ISO 3166</translation>
    </message>
    <message>
        <source>(%1) %2 is no ISO 3166 two-letter country code</source>
        <translation>(%1) %2 ist kein zweibuchstabiger Ländercode nach ISO 3166</translation>
    </message>
    <message>
        <source>(%1) %2 is no ISO 4217 currency number</source>
        <translation>(%1) %2 ist keine Währungsnummer nach ISO 4217</translation>
    </message>
    <message>
        <source>(%1) %2 does not pass its &quot;%3&quot; check</source>
        <translation>(%1) %2 besteht seine Prüfung „%3“ nicht</translation>
    </message>
    <message>
        <source>(%1): %2 at position %3 of its data is not one of 0-9, A-Z, #, - and /</source>
        <translation>(%1): %2 an Position %3 seiner Daten ist keines von 0-9, A-Z, #, - und /</translation>
    </message>
    <message>
        <source>(%1) takes %2 characters, not %3</source>
        <translation>(%1) verlangt %2 Zeichen, nicht %3</translation>
    </message>
    <message>
        <source>(%1) takes its data as %2, not %3 characters</source>
        <translation>(%1) verlangt seine Daten als %2, nicht %3 Zeichen</translation>
    </message>
    <message>
        <source>(%1) stands twice with other data</source>
        <translation>(%1) steht zweimal mit anderen Daten</translation>
    </message>
    <message>
        <source>(%1) may not stand with (%2)</source>
        <translation>(%1) darf nicht zusammen mit (%2) stehen</translation>
    </message>
    <message>
        <source>(%1) needs %2 with it</source>
        <translation>(%1) braucht %2 dazu</translation>
    </message>
    <message>
        <source>(%1) needs one of %2 with it</source>
        <translation>(%1) braucht eines von %2 dazu</translation>
    </message>
    <message>
        <source>(%1): &quot;)&quot; at position %2 of its data: write a parenthesis in data as \( or \)</source>
        <translation>(%1): „)“ an Position %2 seiner Daten: eine Klammer in Daten wird als \( oder \) geschrieben</translation>
    </message>
    <message>
        <source>the backslash at position %1 stands only before a parenthesis of data</source>
        <translation>der umgekehrte Schrägstrich an Position %1 steht nur vor einer Klammer in Daten</translation>
    </message>
    <message>
        <source>the &quot;(&quot; at position %1 starts no Application Identifier: there is no AI (%2) (write a parenthesis in data as \( or \))</source>
        <translation>die Klammer „(“ an Position %1 beginnt keinen Anwendungsbezeichner: einen AI (%2) gibt es nicht (eine Klammer in Daten wird als \( oder \) geschrieben)</translation>
    </message>
    <message>
        <source>an FNC1 right after the first letter %1 reads as an AIM mark, not as a separator: put another character first</source>
        <translation>ein FNC1 direkt nach dem ersten Buchstaben %1 wird als AIM-Kennung gelesen, nicht als Trennzeichen: stellen Sie ein anderes Zeichen voran</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>quillmark-render, version unknown</source>
        <translation>quillmark-render, Version unbekannt</translation>
    </message>
    <message>
        <source>quillmark-render %1.%2, build %3</source>
        <translation>quillmark-render %1.%2, Build %3</translation>
    </message>
    <message>
        <source>argument %1 holds bytes that are not UTF-8</source>
        <translation>Argument %1 enthält Bytes, die kein UTF-8 sind</translation>
    </message>
    <message>
        <source>cannot write standard output: %1</source>
        <translation>die Standardausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>it is closed</source>
        <translation>sie ist geschlossen</translation>
    </message>
</context>
<context>
    <name>MessageNumber</name>
    <message>
        <source>C</source>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>SymbolReaders</name>
    <message>
        <source>%1 has no readers</source>
        <translation>%1 enthält keine Leser</translation>
    </message>
    <message>
        <source>the program&apos;s folder is unknown</source>
        <translation>der Ordner des Programms ist unbekannt</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
</context>
<context>
    <name>DesignFile</name>
    <message>
        <source>is no key here (%1 are)</source>
        <translation>ist hier kein Schlüssel (Schlüssel sind %1)</translation>
    </message>
    <message>
        <source>is missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>takes a text in quotes</source>
        <translation>nimmt einen Text in Anführungszeichen</translation>
    </message>
    <message>
        <source>takes true or false</source>
        <translation>nimmt true oder false</translation>
    </message>
    <message>
        <source>takes a number from %1 to %2</source>
        <translation>nimmt eine Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>takes a whole number</source>
        <translation>nimmt eine ganze Zahl</translation>
    </message>
    <message>
        <source>takes %1, not &quot;%2&quot;</source>
        <translation>nimmt %1, nicht „%2“</translation>
    </message>
    <message>
        <source>takes four numbers [x, y, width, height] in the design&apos;s unit, the width and height 0 or more</source>
        <translation>nimmt vier Zahlen [x, y, Breite, Höhe] in der Einheit des Entwurfs, Breite und Höhe 0 oder mehr</translation>
    </message>
    <message>
        <source>takes an object { }</source>
        <translation>nimmt ein Objekt { }</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no symbology this program draws</source>
        <translation>„%1“ ist keine Symbologie, die dieses Programm zeichnet</translation>
    </message>
    <message>
        <source>is larger than the size, %1 pt</source>
        <translation>ist größer als die Schriftgröße, %1 pt</translation>
    </message>
    <message>
        <source>a line runs across or down: its width or its height is 0</source>
        <translation>eine Linie läuft waagerecht oder senkrecht: ihre Breite oder ihre Höhe ist 0</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>line 1: a design is one JSON object { }</source>
        <translation>Zeile 1: ein Entwurf ist ein JSON-Objekt { }</translation>
    </message>
    <message>
        <source>is %1: the file is from a newer version of the program, which reads version %2</source>
        <translation>ist %1: die Datei stammt aus einer neueren Version des Programms, diese liest Version %2</translation>
    </message>
    <message>
        <source>takes a list [ ] of objects</source>
        <translation>nimmt eine Liste [ ] von Objekten</translation>
    </message>
    <message>
        <source>cannot read the design &quot;%1&quot;: %2</source>
        <translation>der Entwurf „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the design &quot;%1&quot;: %2</source>
        <translation>der Entwurf „%1“: %2</translation>
    </message>
</context>
<context>
    <name>DesignLayout</name>
    <message>
        <source>there is no data for the barcode</source>
        <translation>für den Strichcode gibt es keine Daten</translation>
    </message>
    <message>
        <source>%1: its box reaches past the label, %2 x %3 in</source>
        <translation>%1: sein Rahmen reicht über das Etikett hinaus, %2 x %3 in</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
    <message>
        <source>line %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>label %1</source>
        <translation>Etikett %1</translation>
    </message>
    <message>
        <source>the stock &quot;%1&quot;: %2</source>
        <translation>das Etikettenmaterial „%1“: %2</translation>
    </message>
    <message>
        <source>the font &quot;%1&quot; is not on this system; &quot;%2&quot; is used instead</source>
        <translation>die Schrift „%1“ ist auf diesem System nicht vorhanden; stattdessen wird „%2“ verwendet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; takes %2 x %3 at %4 pt; its box is %5 x %6</source>
        <translation>„%1“ braucht %2 x %3 bei %4 pt; sein Rahmen ist %5 x %6</translation>
    </message>
    <message>
        <source>its box leaves no room for bars</source>
        <translation>sein Rahmen lässt keinen Platz für Striche</translation>
    </message>
    <message>
        <source>the symbol of &quot;%1&quot; takes %2 x %3 with its quiet zones; its box is %4 x %5</source>
        <translation>das Symbol von „%1“ braucht mit seinen Ruhezonen %2 x %3; sein Rahmen ist %4 x %5</translation>
    </message>
</context>
<context>
    <name>DesignRun</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>bytes that are not UTF-8</source>
        <translation>Bytes, die kein UTF-8 sind</translation>
    </message>
    <message>
        <source>the CSV input has no header row naming its columns</source>
        <translation>die CSV-Eingabe hat keine Kopfzeile, die ihre Spalten benennt</translation>
    </message>
    <message>
        <source>%1 fields where the header names %2</source>
        <translation>%1 Felder, wo die Kopfzeile %2 nennt</translation>
    </message>
    <message>
        <source>%1 more faults like these</source>
        <translation>%1 weitere solche Fehler</translation>
    </message>
    <message>
        <source>%1 of %2 labels cannot be printed as designed; nothing was written</source>
        <translation>%1 von %2 Etiketten können nicht wie entworfen gedruckt werden; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the design &quot;%1&quot;: %2</source>
        <translation>der Entwurf „%1“: %2</translation>
    </message>
    <message>
        <source>note: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
    <message>
        <source>the first label must be 1 to %1 on %2</source>
        <translation>das erste Etikett muss 1 bis %1 auf %2 sein</translation>
    </message>
    <message>
        <source>there are no labels to print</source>
        <translation>es gibt keine Etiketten zu drucken</translation>
    </message>
    <message>
        <source>designed labels are written as one PDF document, as BMP or PNG pages, or in ZPL to a label printer</source>
        <translation>entworfene Etiketten werden als ein PDF-Dokument, als BMP- oder PNG-Seiten oder in ZPL an einen Etikettendrucker geschrieben</translation>
    </message>
    <message>
        <source>the labels fill %1 pages: name the pages with {page} in --output</source>
        <translation>die Etiketten füllen %1 Seiten: benennen Sie die Seiten mit {page} in --output</translation>
    </message>
    <message>
        <source>page %1 is too large for a bitmap at %2 dpi</source>
        <translation>Seite %1 ist zu groß für eine Bitmap mit %2 dpi</translation>
    </message>
</context>
<context>
    <name>LabelDesign</name>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>it takes a start, a step and digits, no more</source>
        <translation>es nimmt Start, Schritt und Stellen, nicht mehr</translation>
    </message>
    <message>
        <source>the field at character %1 numbers with &quot;%2&quot;: %3</source>
        <translation>das Feld an Zeichen %1 zählt mit „%2“: %3</translation>
    </message>
    <message>
        <source>object %1</source>
        <translation>Objekt %1</translation>
    </message>
    <message>
        <source>object &quot;%1&quot;</source>
        <translation>Objekt „%1“</translation>
    </message>
    <message>
        <source>a &quot;}&quot; at character %1 closes no field (write &quot;}}&quot; for the brace itself)</source>
        <translation>ein „}“ bei Zeichen %1 schließt kein Feld (schreiben Sie „}}“ für die Klammer selbst)</translation>
    </message>
    <message>
        <source>the field begun at character %1 is not closed with &quot;}&quot; (write &quot;{{&quot; for the brace itself)</source>
        <translation>das bei Zeichen %1 begonnene Feld wird nicht mit „}“ geschlossen (schreiben Sie „{{“ für die Klammer selbst)</translation>
    </message>
    <message>
        <source>the field at character %1 names nothing</source>
        <translation>das Feld bei Zeichen %1 nennt nichts</translation>
    </message>
    <message>
        <source>the field {%1} needs a column, and the data has none</source>
        <translation>das Feld {%1} braucht eine Spalte, und die Daten haben keine</translation>
    </message>
    <message>
        <source>the field {%1} names no column of the data (%2)</source>
        <translation>das Feld {%1} nennt keine Spalte der Daten (%2)</translation>
    </message>
</context>
<context>
    <name>PrinterLink</name>
    <message>
        <source>sending to %1 failed: %2</source>
        <translation>Senden an %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the printer took nothing for %1 s</source>
        <translation>der Drucker hat %1 s lang nichts angenommen</translation>
    </message>
    <message>
        <source>sending to the queue %1 failed: %2</source>
        <translation>Senden an die Warteschlange %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the queue %1 did not take the job: %2</source>
        <translation>die Warteschlange %1 hat den Auftrag nicht angenommen: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no printer address: give socket://HOST or socket://HOST:PORT</source>
        <translation>„%1“ ist keine Druckeradresse: geben Sie socket://HOST oder socket://HOST:PORT an</translation>
    </message>
    <message>
        <source>cannot connect to %1: %2</source>
        <translation>keine Verbindung zu %1: %2</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>there is no printer queue %1: %2</source>
        <translation>es gibt keine Druckerwarteschlange %1: %2</translation>
    </message>
    <message>
        <source>the queue %1 refused the job: %2</source>
        <translation>die Warteschlange %1 hat den Auftrag abgelehnt: %2</translation>
    </message>
</context>
<context>
    <name>PrinterOptions</name>
    <message>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;</source>
        <translation>--%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>--media-mode takes tear-off, peel, cutter or printer, not &quot;%1&quot;</source>
        <translation>--media-mode nimmt tear-off, peel, cutter oder printer, nicht „%1“</translation>
    </message>
    <message>
        <source>--media-type takes direct, transfer or printer, not &quot;%1&quot;</source>
        <translation>--media-type nimmt direct, transfer oder printer, nicht „%1“</translation>
    </message>
    <message>
        <source>--label-home takes X,Y in dots, each from 0 to %1, not &quot;%2&quot;</source>
        <translation>--label-home nimmt X,Y in Punkten, jeweils von 0 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>Sends the labels as a raw job to this CUPS queue (with --sheet; ZPL), printed as the printer&apos;s stored profile says.</source>
        <translation>Sendet die Etiketten als Rohdaten-Auftrag an diese CUPS-Warteschlange (mit --sheet; ZPL), gedruckt wie das gespeicherte Profil des Druckers es sagt.</translation>
    </message>
    <message>
        <source>Prints as this stored label printer profile says (for socket:// and file outputs).</source>
        <translation>Druckt wie dieses gespeicherte Etikettendrucker-Profil es sagt (für socket://- und Dateiausgaben).</translation>
    </message>
    <message>
        <source>Stores the printer settings given as the profile of --printer or --printer-profile.</source>
        <translation>Speichert die angegebenen Druckereinstellungen als Profil von --printer oder --printer-profile.</translation>
    </message>
    <message>
        <source>The printer&apos;s darkness, 0 to %1 (default: the printer&apos;s).</source>
        <translation>Die Schwärzung des Druckers, 0 bis %1 (Vorgabe: die des Druckers).</translation>
    </message>
    <message>
        <source>The print speed in inches a second, %1 to %2 (default: the printer&apos;s).</source>
        <translation>Die Druckgeschwindigkeit in Zoll pro Sekunde, %1 bis %2 (Vorgabe: die des Druckers).</translation>
    </message>
    <message>
        <source>After printing: tear-off, peel, cutter (default: the printer&apos;s).</source>
        <translation>Nach dem Druck: tear-off (Abreißen), peel (Spenden), cutter (Schneiden) (Vorgabe: die des Druckers).</translation>
    </message>
    <message>
        <source>direct (thermal) or transfer (ribbon) (default: the printer&apos;s).</source>
        <translation>direct (Thermodirekt) oder transfer (Farbband) (Vorgabe: die des Druckers).</translation>
    </message>
    <message>
        <source>Moves the label&apos;s image right and down by X,Y dots.</source>
        <translation>Verschiebt das Bild des Etiketts um X,Y Punkte nach rechts und unten.</translation>
    </message>
    <message>
        <source>label printer options go with --sheet and --format zpl</source>
        <translation>Etikettendrucker-Optionen gehören zu --sheet und --format zpl</translation>
    </message>
    <message>
        <source>--printer sends the labels to a queue: give no --output</source>
        <translation>--printer sendet die Etiketten an eine Warteschlange: geben Sie kein --output an</translation>
    </message>
    <message>
        <source>--save-printer-profile stores a profile under --printer or --printer-profile: give one</source>
        <translation>--save-printer-profile speichert ein Profil unter --printer oder --printer-profile: geben Sie eines an</translation>
    </message>
    <message>
        <source>there is no stored label printer profile &quot;%1&quot;</source>
        <translation>es gibt kein gespeichertes Etikettendrucker-Profil „%1“</translation>
    </message>
    <message>
        <source>the printer profile &quot;%1&quot; could not be stored</source>
        <translation>das Druckerprofil „%1“ konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>PrinterProfile</name>
    <message>
        <source>a label printer prints at 203, 300 or 600 dpi, not at %1</source>
        <translation>ein Etikettendrucker druckt mit 203, 300 oder 600 dpi, nicht mit %1</translation>
    </message>
    <message>
        <source>the darkness is from 0 to %1, not %2</source>
        <translation>die Schwärzung reicht von 0 bis %1, nicht %2</translation>
    </message>
    <message>
        <source>the print speed is from %1 to %2 inches a second, not %3</source>
        <translation>die Druckgeschwindigkeit reicht von %1 bis %2 Zoll pro Sekunde, nicht %3</translation>
    </message>
    <message>
        <source>the bar width reduction is from 0 to %1 dots, not %2</source>
        <translation>die Strichbreitenreduzierung reicht von 0 bis %1 Punkten, nicht %2</translation>
    </message>
    <message>
        <source>the label home moves from 0 to %1 dots right and down</source>
        <translation>der Etikettenursprung verschiebt sich um 0 bis %1 Punkte nach rechts und unten</translation>
    </message>
</context>
<context>
    <name>PrinterRun</name>
    <message>
        <source>label %1 is too large for the printer at %2 dpi</source>
        <translation>Etikett %1 ist zu groß für den Drucker mit %2 dpi</translation>
    </message>
    <message>
        <source>a %1 label at %2 dpi is larger than a printer takes</source>
        <translation>ein Etikett %1 mit %2 dpi ist größer, als ein Drucker annimmt</translation>
    </message>
    <message>
        <source>note: the bars run across the direction of travel with narrow bars of %1 dots at %2 dpi, which a thermal head prints unevenly below %3 dots: give a larger --density, or --turn 0</source>
        <translation>Hinweis: die Striche laufen quer zur Druckrichtung, mit schmalen Strichen von %1 Punkten bei %2 dpi, die ein Thermokopf unter %3 Punkten ungleichmäßig druckt: geben Sie eine größere --density oder --turn 0 an</translation>
    </message>
</context>
<context>
    <name>Symbology</name>
    <message>
        <source>an add-on takes 2 or 5 digits: &quot;%1&quot; is no add-on</source>
        <translation>ein Add-on hat 2 oder 5 Ziffern: „%1“ ist kein Add-on</translation>
    </message>
    <message>
        <source>%1 takes digits, hyphens and spaces: &quot;%2&quot; is none of them</source>
        <translation>%1 nimmt Ziffern, Bindestriche und Leerzeichen: „%2“ ist nichts davon</translation>
    </message>
    <message>
        <source>ISBN takes 10 digits (the last may be X) or 13: &quot;%1&quot; has %2</source>
        <translation>ISBN hat 10 Ziffern (die letzte darf X sein) oder 13: „%1“ hat %2</translation>
    </message>
    <message>
        <source>ISBN-13 starts with 978 or 979 (979-0 is ISMN): &quot;%1&quot;</source>
        <translation>ISBN-13 beginnt mit 978 oder 979 (979-0 ist ISMN): „%1“</translation>
    </message>
    <message>
        <source>ISSN takes 8 digits (the last may be X), as 0317-8471: &quot;%1&quot;</source>
        <translation>ISSN hat 8 Ziffern (die letzte darf X sein), etwa 0317-8471: „%1“</translation>
    </message>
    <message>
        <source>ISSN sequence variant takes 2 digits: &quot;%1&quot;</source>
        <translation>die Variante der ISSN hat 2 Ziffern: „%1“</translation>
    </message>
    <message>
        <source>ISMN takes 13 digits from 979-0, or M and 9 digits: &quot;%1&quot;</source>
        <translation>ISMN hat 13 Ziffern ab 979-0, oder M und 9 Ziffern: „%1“</translation>
    </message>
</context>
<context>
    <name>Resources</name>
    <message>
        <source>ISBN-13 or ISBN-10, hyphens allowed, e.g. 978-1-56581-231-4; a space or + and a 5-digit price add-on may follow.</source>
        <translation>ISBN-13 oder ISBN-10, Bindestriche erlaubt, z. B. 978-1-56581-231-4; ein Leerzeichen oder + und ein fünfstelliges Preis-Add-on dürfen folgen.</translation>
    </message>
    <message>
        <source>ISSN, e.g. 0317-8471; then the sequence variant (00 if none) and a 2-digit issue add-on may follow, e.g. 0317-8471 00 05.</source>
        <translation>ISSN, z. B. 0317-8471; dann dürfen die Variante (00, wenn keine) und ein zweistelliges Ausgaben-Add-on folgen, z. B. 0317-8471 00 05.</translation>
    </message>
    <message>
        <source>ISMN, e.g. 979-0-2600-0043-8 or M-2600-0043-8; an add-on may follow.</source>
        <translation>ISMN, z. B. 979-0-2600-0043-8 oder M-2600-0043-8; ein Add-on darf folgen.</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Draws labels of a design file on its stock (or --sheet), one per record of --csv or line of --batch (its field {text}), or --count of them numbered by {n}.</source>
        <translation>Zeichnet Etiketten einer Entwurfsdatei auf ihr Etikettenmaterial (oder --sheet), eines je Datensatz von --csv oder Zeile von --batch (ihr Feld {text}), oder --count davon, nummeriert mit {n}.</translation>
    </message>
    <message>
        <source>With --design: this many labels, 1 to %1, numbered by {n}.</source>
        <translation>Mit --design: so viele Etiketten, 1 bis %1, nummeriert mit {n}.</translation>
    </message>
    <message>
        <source>--count is for label designs: give --design</source>
        <translation>--count ist für Etikettenentwürfe: geben Sie --design an</translation>
    </message>
    <message>
        <source>a design takes one of --csv, --batch or --count</source>
        <translation>ein Entwurf nimmt eines von --csv, --batch oder --count</translation>
    </message>
    <message>
        <source>--%1 does not go with --design: the design sets each object&apos;s own</source>
        <translation>--%1 passt nicht zu --design: der Entwurf legt für jedes Objekt dessen eigenes fest</translation>
    </message>
    <message>
        <source>--%1 does not go with --design yet</source>
        <translation>--%1 passt noch nicht zu --design</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>EAN and UPC add-ons: the modules between the symbol and its add-on, 7 to 12 (default: the program&apos;s setting, 9).</source>
        <translation>Add-ons von EAN und UPC: die Module zwischen Symbol und Add-on, 7 bis 12 (Vorgabe: die Einstellung des Programms, 9).</translation>
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
        <translation>Rmin %1 von Rmax %2</translation>
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
        <translation>Defekte %1</translation>
    </message>
    <message>
        <source>decode not graded</source>
        <translation>Decodierung nicht bewertet</translation>
    </message>
    <message>
        <source>decode fails (0.0)</source>
        <translation>Decodierung scheitert (0.0)</translation>
    </message>
    <message>
        <source>decode passes, quiet zones %1 and %2 modules of %3 and %4 (%5)</source>
        <translation>Decodierung gelingt, Ruhezonen %1 und %2 Module von %3 und %4 (%5)</translation>
    </message>
    <message>
        <source>decodability %1</source>
        <translation>Decodierbarkeit %1</translation>
    </message>
    <message>
        <source>decodability not graded</source>
        <translation>Decodierbarkeit nicht bewertet</translation>
    </message>
    <message>
        <source>line %1 at row %2: %3; grade %4</source>
        <translation>Linie %1 in Zeile %2: %3; Note %4</translation>
    </message>
    <message>
        <source>symbol contrast</source>
        <translation>Symbolkontrast</translation>
    </message>
    <message>
        <source>minimum reflectance</source>
        <translation>minimale Reflexion</translation>
    </message>
    <message>
        <source>minimum edge contrast</source>
        <translation>minimaler Kantenkontrast</translation>
    </message>
    <message>
        <source>modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>defects</source>
        <translation>Defekte</translation>
    </message>
    <message>
        <source>quiet zone</source>
        <translation>Ruhezone</translation>
    </message>
    <message>
        <source>decode</source>
        <translation>Decodierung</translation>
    </message>
    <message>
        <source>decodability</source>
        <translation>Decodierbarkeit</translation>
    </message>
    <message>
        <source>cannot read the image &quot;%1&quot;: %2</source>
        <translation>kann das Bild „%1“ nicht lesen: %2</translation>
    </message>
    <message>
        <source>no bars found in &quot;%1&quot; to grade</source>
        <translation>keine Balken in „%1“ zu bewerten gefunden</translation>
    </message>
    <message>
        <source>symbol: %1 &quot;%2&quot;, bars in rows %3 to %4, module %5 pixels</source>
        <translation>Symbol: %1 „%2“, Balken in den Zeilen %3 bis %4, Modul %5 Pixel</translation>
    </message>
    <message>
        <source>symbol: not decoded (decode not graded), bars in rows %1 to %2</source>
        <translation>Symbol: nicht decodiert (Decodierung nicht bewertet), Balken in den Zeilen %1 bis %2</translation>
    </message>
</context>
<context>
    <name>RenderOptions</name>
    <message>
        <source>Grades the print quality of the symbol in an image (PNG or BMP, a module at least 3 pixels wide), scan line by scan line; an estimate, not a calibrated verifier&apos;s grade.</source>
        <translation>Bewertet die Druckqualität des Symbols in einem Bild (PNG oder BMP, ein Modul mindestens 3 Pixel breit), Scanlinie für Scanlinie; eine Schätzung, nicht die Note eines kalibrierten Prüfgeräts.</translation>
    </message>
</context>
<context>
    <name>CDesignerWindow</name>
    <message>
        <source>Change Numbers</source>
        <translation>Nummern ändern</translation>
    </message>
    <message>
        <source>{n} from:</source>
        <translation>{n} ab:</translation>
    </message>
    <message>
        <source>Select &amp;Next Object</source>
        <translation>&amp;Nächstes Objekt wählen</translation>
    </message>
    <message>
        <source>The stock &quot;%1&quot; cannot be used: %2</source>
        <translation>Das Material „%1“ kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>The design cannot be saved as it is: %1</source>
        <translation>Das Design kann so nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Unit:</source>
        <translation>Einheit:</translation>
    </message>
    <message>
        <source>Change Unit</source>
        <translation>Einheit ändern</translation>
    </message>
    <message>
        <source>Object and data</source>
        <translation>Objekt und Daten</translation>
    </message>
    <message>
        <source>Label designs (*.qmd);;All files (*)</source>
        <translation>Etikettendesigns (*.qmd);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>First sheet</source>
        <translation>Erstes Blatt</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message>
        <source>Change Stock</source>
        <translation>Material ändern</translation>
    </message>
    <message>
        <source>A stock name such as letter-3x10 or roll-4x6in, or a custom layout</source>
        <translation>Ein Materialname wie letter-3x10 oder roll-4x6in oder ein eigenes Layout</translation>
    </message>
    <message>
        <source>Stoc&amp;k:</source>
        <translation>&amp;Material:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>Dat&amp;ei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open Label Design</source>
        <translation>Etikettendesign öffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>Als PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>Ei&amp;nfügen</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>Objekte</translation>
    </message>
    <message>
        <source>&amp;Barcode</source>
        <translation>&amp;Strichcode</translation>
    </message>
    <message>
        <source>&amp;Text</source>
        <translation>&amp;Text</translation>
    </message>
    <message>
        <source>&amp;Line</source>
        <translation>&amp;Linie</translation>
    </message>
    <message>
        <source>&amp;Rectangle</source>
        <translation>&amp;Rechteck</translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>This record prints as designed.</source>
        <translation>Dieser Datensatz wird wie entworfen gedruckt.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] - Label Designer</source>
        <translation>%1[*] – Etikettendesigner</translation>
    </message>
    <message>
        <source>Label Designer</source>
        <translation>Etikettendesigner</translation>
    </message>
    <message>
        <source>The design could not be saved in %1: %2</source>
        <translation>Das Design konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Save Label Design</source>
        <translation>Etikettendesign speichern</translation>
    </message>
    <message>
        <source>Save the changes to the design before closing it?</source>
        <translation>Die Änderungen am Design vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Nothing can be printed: %1</source>
        <translation>Nichts kann gedruckt werden: %1</translation>
    </message>
    <message>
        <source>There are no labels to print: %1</source>
        <translation>Es gibt keine Etiketten zu drucken: %1</translation>
    </message>
    <message>
        <source>Nothing was printed:
%1</source>
        <translation>Nichts wurde gedruckt:
%1</translation>
    </message>
    <message>
        <source>Print Designed Labels</source>
        <translation>Entworfene Etiketten drucken</translation>
    </message>
    <message>
        <source>The labels could not be printed.</source>
        <translation>Die Etiketten konnten nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Label Designer: the first %1 of %2 sheets shown; Print prints all %2</source>
        <translation>Etikettendesigner: die ersten %1 von %2 Blättern gezeigt; Drucken druckt alle %2</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
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
        <translation>Schmaler Balken:</translation>
    </message>
    <message>
        <source>Click an object on the label, or add one from the Insert menu.</source>
        <translation>Klicken Sie auf ein Objekt des Etiketts oder fügen Sie eines über das Menü Einfügen hinzu.</translation>
    </message>
    <message>
        <source>Object</source>
        <translation>Objekt</translation>
    </message>
    <message>
        <source>Na&amp;me:</source>
        <translation>N&amp;ame:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>B&amp;reite:</translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Insert fiel&amp;d</source>
        <translation>&amp;Feld einfügen</translation>
    </message>
    <message>
        <source>S&amp;ymbology:</source>
        <translation>&amp;Symbologie:</translation>
    </message>
    <message>
        <source>D&amp;ata:</source>
        <translation>Da&amp;ten:</translation>
    </message>
    <message>
        <source>Bars fill the box</source>
        <translation>Balken füllen den Rahmen</translation>
    </message>
    <message>
        <source>Bar height:</source>
        <translation>Balkenhöhe:</translation>
    </message>
    <message>
        <source>Show text</source>
        <translation>Text anzeigen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>90° left</source>
        <translation>90° links</translation>
    </message>
    <message>
        <source>180°</source>
        <translation>180°</translation>
    </message>
    <message>
        <source>90° right</source>
        <translation>90° rechts</translation>
    </message>
    <message>
        <source>Turn:</source>
        <translation>Drehung:</translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation>Te&amp;xt:</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Centre</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Alignment:</source>
        <translation>Ausrichtung:</translation>
    </message>
    <message>
        <source>Wrap lines</source>
        <translation>Zeilen umbrechen</translation>
    </message>
    <message>
        <source>Shrink to fit, down to</source>
        <translation>Verkleinern bis zum Passen, höchstens auf</translation>
    </message>
    <message>
        <source>Least size</source>
        <translation>Kleinste Größe</translation>
    </message>
    <message>
        <source>Thickness:</source>
        <translation>Stärke:</translation>
    </message>
    <message>
        <source>Filled</source>
        <translation>Gefüllt</translation>
    </message>
    <message>
        <source> in</source>
        <translation> in</translation>
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
        <translation>Daten</translation>
    </message>
    <message>
        <source>Numbered sequence</source>
        <translation>Nummernfolge</translation>
    </message>
    <message>
        <source>Lines of a file</source>
        <translation>Zeilen einer Datei</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>CSV-Datei</translation>
    </message>
    <message>
        <source>&amp;Records from:</source>
        <translation>Datensät&amp;ze aus:</translation>
    </message>
    <message>
        <source>Data file</source>
        <translation>Datendatei</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>D&amp;urchsuchen...</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Labels:</source>
        <translation>Etiketten:</translation>
    </message>
    <message>
        <source>First record</source>
        <translation>Erster Datensatz</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Vorheriger Datensatz</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Nächster Datensatz</translation>
    </message>
    <message>
        <source>Last record</source>
        <translation>Letzter Datensatz</translation>
    </message>
    <message>
        <source>Records from a file</source>
        <translation>Datensätze aus einer Datei</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Textdateien (*.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>no records</source>
        <translation>keine Datensätze</translation>
    </message>
    <message>
        <source>%1/%2</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>Record %1 of %2</source>
        <translation>Datensatz %1 von %2</translation>
    </message>
</context>
<context>
    <name>CDesignCanvas</name>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
</context>
<context>
    <name>DesignMenu</name>
    <message>
        <source>New Label &amp;Design</source>
        <translation>&amp;Neues Etikettendesign</translation>
    </message>
    <message>
        <source>&amp;Open Label Design...</source>
        <translation>Etikettendesign ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Open Label Design</source>
        <translation>Etikettendesign öffnen</translation>
    </message>
    <message>
        <source>Label designs (*.qmd);;All files (*)</source>
        <translation>Etikettendesigns (*.qmd);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Recent Desi&amp;gns</source>
        <translation>&amp;Zuletzt verwendete Designs</translation>
    </message>
    <message>
        <source>Save Label Desig&amp;n</source>
        <translation>Etikettendesign spe&amp;ichern</translation>
    </message>
    <message>
        <source>Save Label Design &amp;As...</source>
        <translation>Etikettendesign speichern unte&amp;r...</translation>
    </message>
</context>
<context>
    <name>DesignData</name>
    <message>
        <source>Choose the file the records come from.</source>
        <translation>Wählen Sie die Datei, aus der die Datensätze kommen.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is not UTF-8 text.</source>
        <translation>%1 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>%1, line %2: %3 fields where the header names %4</source>
        <translation>%1, Zeile %2: %3 Felder, wo die Kopfzeile %4 nennt</translation>
    </message>
    <message>
        <source>%1 has no header row naming its columns.</source>
        <translation>%1 hat keine Kopfzeile, die ihre Spalten benennt.</translation>
    </message>
</context>
<context>
    <name>DesignJob</name>
    <message>
        <source>%1 of %2 labels cannot be printed as designed.</source>
        <translation>%1 von %2 Etiketten können nicht wie entworfen gedruckt werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>CPrintLabelsDialog</name>
    <message>
        <source>&amp;Design...</source>
        <translation>Ent&amp;werfen...</translation>
    </message>
</context>
<context>
    <name>GradeRun</name>
    <message>
        <source>With --verify: grades each symbol as the printer is to print it, at --dpi with --bar-reduction, its bars spread by this many mils (%1 to %2; negative: narrower), measured with the reference aperture for its narrow element; names the parameter at fault.</source>
        <translation>Mit --verify: bewertet jedes Symbol, wie der Drucker es drucken wird, bei --dpi mit --bar-reduction, seine Striche um so viele mils verbreitert (%1 bis %2; negativ: schmaler), gemessen mit der Referenzblende für sein schmales Element; nennt den Parameter, der die Note senkt.</translation>
    </message>
    <message>
        <source>--grade-print takes a gain in mils from %1 to %2, not &quot;%3&quot;</source>
        <translation>--grade-print nimmt eine Verbreiterung in mils von %1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--grade-print grades the symbols --verify reads back: give --verify</source>
        <translation>--grade-print bewertet die Symbole, die --verify zurückliest: geben Sie --verify an</translation>
    </message>
</context>
<context>
    <name>GradeRun</name>
    <message>
        <source>decode passes (%1)</source>
        <translation>Decodierung gelingt (%1)</translation>
    </message>
</context>
<context>
    <name>GradeRun</name>
    <message>
        <source>--grade-print grades a file&apos;s one symbol: not with --%1</source>
        <translation>--grade-print bewertet das eine Symbol einer Datei: nicht mit --%1</translation>
    </message>
</context>
<context>
    <name>PlannedGrade</name>
    <message>
        <source>planned print at %1 dpi: no bars to grade (none drawn, or too large a bitmap)</source>
        <translation>geplanter Druck mit %1 dpi: keine Striche zu bewerten (keine gezeichnet, oder eine zu große Bitmap)</translation>
    </message>
    <message>
        <source>bars as drawn</source>
        <translation>Striche wie gezeichnet</translation>
    </message>
    <message>
        <source>bars %1 mils wider</source>
        <translation>Striche %1 mils breiter</translation>
    </message>
    <message>
        <source>bars %1 mils narrower</source>
        <translation>Striche %1 mils schmaler</translation>
    </message>
    <message>
        <source>planned print at %1 dpi, %2, %3-mil aperture: %4</source>
        <translation>geplanter Druck mit %1 dpi, %2, Blende %3 mils: %4</translation>
    </message>
    <message>
        <source>, held down by %1</source>
        <translation>, gesenkt durch %1</translation>
    </message>
</context>
<context>
    <name>CGradeScanDialog</name>
    <message>
        <source>%1 of %2 / %3</source>
        <translation>%1 von %2 / %3</translation>
    </message>
    <message>
        <source>Quiet zones</source>
        <translation>Ruhezonen</translation>
    </message>
    <message>
        <source>Grade of a Scan</source>
        <translation>Note eines Scans</translation>
    </message>
    <message>
        <source>%1, held down by %2</source>
        <translation>%1, gesenkt durch %2</translation>
    </message>
    <message>
        <source>Estimated %1</source>
        <translation>Geschätzt: %1</translation>
    </message>
    <message>
        <source>An estimate: a scanner is not a calibrated verifier. Its light, its optics and its reflectance scale are not a verifier&apos;s, so the grade of a scan may differ from a verifier&apos;s grade of the same label.</source>
        <translation>Eine Schätzung: Ein Scanner ist kein kalibriertes Prüfgerät. Sein Licht, seine Optik und seine Reflexionsskala sind nicht die eines Prüfgeräts; die Note eines Scans kann daher von der Note abweichen, die ein Prüfgerät demselben Etikett gibt.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Symbol contrast</source>
        <translation>Symbolkontrast</translation>
    </message>
    <message>
        <source>Rmin / Rmax</source>
        <translation>Rmin / Rmax</translation>
    </message>
    <message>
        <source>Edge contrast</source>
        <translation>Kantenkontrast</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Defects</source>
        <translation>Defekte</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Decodierung</translation>
    </message>
    <message>
        <source>Decodability</source>
        <translation>Decodierbarkeit</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>not graded</source>
        <translation>nicht bewertet</translation>
    </message>
    <message>
        <source>fails (0.0)</source>
        <translation>misslingt (0.0)</translation>
    </message>
    <message>
        <source>passes (%1)</source>
        <translation>gelingt (%1)</translation>
    </message>
    <message>
        <source>Reflectance in percent along the scan line at row %1, the global threshold dashed</source>
        <translation>Reflexion in Prozent entlang der Scanlinie in Zeile %1, die globale Schwelle gestrichelt</translation>
    </message>
    <message>
        <source>Grade a Scan</source>
        <translation>Scan bewerten</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp);;All files (*)</source>
        <translation>Bilder (*.png *.bmp);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Cannot read the image &quot;%1&quot;: %2</source>
        <translation>Das Bild „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>No bars found in &quot;%1&quot; to grade: the image should show the symbol with its bars upright, a module at least 3 pixels wide.</source>
        <translation>In „%1“ wurden keine Striche zum Bewerten gefunden: Das Bild sollte das Symbol mit aufrechten Strichen zeigen, ein Modul mindestens 3 Pixel breit.</translation>
    </message>
    <message>
        <source>T&amp;ools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Grade a Scan...</source>
        <translation>Scan &amp;bewerten...</translation>
    </message>
    <message>
        <source>Grades the print quality of a barcode in a scanned image (an estimate)</source>
        <translation>Bewertet die Druckqualität eines Strichcodes in einem gescannten Bild (eine Schätzung)</translation>
    </message>
</context>
<context>
    <name>CBarcodeMainView</name>
    <message>
        <source>Print Preview: %1</source>
        <translation>Druckvorschau: %1</translation>
    </message>
</context>
</TS>
