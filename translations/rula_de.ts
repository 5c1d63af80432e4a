<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Printing</name>
    <message>
        <location filename="../printing/cups_printer.cpp" line="+67"/>
        <source>the printer did not answer.</source>
        <translation>der Drucker hat nicht geantwortet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the printer did not answer. The page may still come out when the printer answers again.</source>
        <translation>der Drucker hat nicht geantwortet. Die Seite kann noch gedruckt werden, sobald der Drucker wieder antwortet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the print system (%1) could not be reached.</source>
        <translation>das Drucksystem (%1) war nicht erreichbar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no default printer is set up on this computer.</source>
        <translation>auf diesem Computer ist kein Standarddrucker eingerichtet.</translation>
    </message>
    <message>
        <location filename="../printing/print_module.cpp" line="+37"/>
        <source>the print module %1 is missing.</source>
        <translation>das Druckmodul %1 fehlt.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the print module %1 belongs to another version.</source>
        <translation>das Druckmodul %1 gehört zu einer anderen Version.</translation>
    </message>
    <message>
        <location filename="../printing/printing.cpp" line="+131"/>
        <source>%1   Page %2 of %3</source>
        <extracomment>The date line, then the page&apos;s number: &quot;Rula · Report 2026-12-08 20:36 +01:00 Page 2 of 7&quot;</extracomment>
        <translation>%1   Seite %2 von %3</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>the file %1 could not be written: %2.</source>
        <translation>die Datei %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>rula::ChartCsv</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="+93"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Site</source>
        <translation>Ort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assessor</source>
        <translation>Beurteilt von</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Observed</source>
        <translation>Beobachtet am</translation>
    </message>
</context>
<context>
    <name>rula::ChartTable</name>
    <message>
        <location line="-45"/>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
</context>
<context>
    <name>rula::Display</name>
    <message>
        <location filename="../app/display.cpp" line="+40"/>
        <source>rula: no display is set; start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display</source>
        <translation>rula: keine Anzeige festgelegt; starten Sie das Programm von einer Arbeitsfläche aus, oder setzen Sie DISPLAY (X11) oder WAYLAND_DISPLAY (Wayland) auf eine laufende Anzeige</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>rula: cannot open the display (%1); start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display</source>
        <translation>rula: die Anzeige lässt sich nicht öffnen (%1); starten Sie das Programm von einer Arbeitsfläche aus, oder setzen Sie DISPLAY (X11) oder WAYLAND_DISPLAY (Wayland) auf eine laufende Anzeige</translation>
    </message>
</context>
<context>
    <name>rula::Form1</name>
    <message>
        <location filename="../screens/form1.cpp" line="+27"/>
        <source>The attached program is based upon the standards recommended &quot;Rula: a survey method 
for the investigation of work-related upper limb disorders&quot;, by L. McAtamney and
E. N. Corlett in Applied Ergonomics 1993, 24(2), 91-99.&quot;  Every effort has been made to 
ensure the accuracy of the calculations, however, no warranty, either expressed or implied 
has been offered with this program.  Rula posture assessment, free software.
</source>
        <extracomment>Each line must fit the box without wrapping; the last sentence is the footer&apos;s two lines (&quot;Rula posture assessment&quot;, &quot;Free software&quot;) joined</extracomment>
        <translation>Das vorliegende Programm beruht auf dem Verfahren aus „Rula: a survey method 
for the investigation of work-related upper limb disorders“ von L. McAtamney und
E. N. Corlett, Applied Ergonomics 1993, 24(2), 91-99.  Die Berechnungen wurden 
sorgfältig geprüft, doch wird für dieses Programm keine Gewähr übernommen, 
weder ausdrücklich noch stillschweigend.  Rula-Haltungsbeurteilung, freie Software.
</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Rula</source>
        <translation>Rula</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
</context>
<context>
    <name>rula::Form10</name>
    <message>
        <location filename="../chart/form10.cpp" line="+52"/>
        <source>Upper Arm</source>
        <translation>Oberarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm</source>
        <translation>Unterarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Hand- gelenk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist Twist</source>
        <translation>Drehung Hand- gelenk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture A</source>
        <translation>Haltung A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use A</source>
        <translation>Muskel- aktivität A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load A</source>
        <translation>Kraft/ Last A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final A</source>
        <translation>Endwert A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Nacken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Rumpf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Beine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture B</source>
        <translation>Haltung B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use B</source>
        <translation>Muskel- aktivität B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load B</source>
        <translation>Kraft/ Last B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final B</source>
        <translation>Endwert B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final Score</source>
        <translation>Endwert</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ite:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assessed b&amp;y:</source>
        <translation>Beurteilt &amp;von:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Observe&amp;d:</source>
        <translation>Beob&amp;achtet:</translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+273"/>
        <source>Rula</source>
        <translation>Rula</translation>
    </message>
    <message>
        <location line="-259"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear Chart</source>
        <translation>Tabelle &amp;leeren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+312"/>
        <source>Re&amp;view</source>
        <translation>Über&amp;prüfen</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Ne&amp;w Assessment</source>
        <translation>&amp;Neue Beurteilung</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+737"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="-736"/>
        <location line="+680"/>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <location line="-679"/>
        <source>Ope&amp;n…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print &amp;Report</source>
        <translation>Be&amp;richt drucken</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+570"/>
        <source>Task</source>
        <translation>Tätigkeit</translation>
    </message>
    <message>
        <location line="-569"/>
        <location line="+61"/>
        <location line="+508"/>
        <source>Side</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location line="-534"/>
        <location line="+26"/>
        <source>Row %1, %2</source>
        <translation>Zeile %1, %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Task, row %1</source>
        <translation>Tätigkeit, Zeile %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Side, row %1</source>
        <translation>Seite, Zeile %1</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>%1[*] - Rula</source>
        <translation>%1[*] - Rula</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Notes, row %1:</source>
        <translation>Notizen, Zeile %1:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes:</source>
        <translation>Notizen:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Assess the &amp;Other Side</source>
        <translation>Andere &amp;Seite beurteilen</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+91"/>
        <source>&amp;Delete Row</source>
        <translation>Zeile &amp;löschen</translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so it cannot be reviewed.</source>
        <translation>Zeile %1 enthält nur ihre Punktwerte: Sie wurde von einer früheren Version von Rula ohne die zugehörigen Antworten gespeichert und kann daher nicht überprüft werden.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so its other side cannot be started from it.</source>
        <translation>Zeile %1 enthält nur ihre Punktwerte: Sie wurde von einer früheren Version von Rula ohne die zugehörigen Antworten gespeichert, daher kann die Beurteilung der anderen Seite nicht von ihr ausgehen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Which side does row %1 show?</source>
        <translation>Welche Seite zeigt Zeile %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Right</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Delete row %1? It cannot be brought back.</source>
        <translation>Zeile %1 löschen? Sie kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete row %1, “%2”? It cannot be brought back.</source>
        <translation>Zeile %1, „%2“, löschen? Sie kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+191"/>
        <location line="+86"/>
        <location line="+26"/>
        <location line="+31"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="-260"/>
        <source>Chart</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Title: %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Site: %1</source>
        <translation>Ort: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Assessor: %1</source>
        <translation>Beurteilt von: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Observed: %1</source>
        <translation>Beobachtet am: %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Clear the 1 row of the chart? It cannot be brought back.</source>
        <translation>Die eine Zeile der Tabelle löschen? Sie kann nicht wiederhergestellt werden.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Clear all %n rows of the chart? They cannot be brought back.</source>
        <translation>
            <numerusform>Die %n Zeile der Tabelle löschen? Sie kann nicht wiederhergestellt werden.</numerusform>
            <numerusform>Alle %n Zeilen der Tabelle löschen? Sie können nicht wiederhergestellt werden.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear All &amp;Rows</source>
        <translation>Alle Zeilen &amp;löschen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The study was changed by another program since you opened it.</source>
        <translation>Die Studie wurde seit dem Öffnen von einem anderen Programm geändert.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;Anyway</source>
        <translation>&amp;Trotzdem speichern</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Replace</source>
        <translation>&amp;Ersetzen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The study was not saved.

%1</source>
        <translation>Die Studie wurde nicht gespeichert.

%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save the changes to the chart before opening another study?</source>
        <translation>Änderungen an der Tabelle speichern, bevor eine andere Studie geöffnet wird?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open &amp;Without Saving</source>
        <translation>&amp;Ohne Speichern öffnen</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The study was not opened.

%1</source>
        <translation>Die Studie wurde nicht geöffnet.

%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The chart was not exported.

%1</source>
        <translation>Die Tabelle wurde nicht exportiert.

%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Study</source>
        <translation>Studie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Rula studies (*.rula)</source>
        <translation>Rula-Studien (*.rula)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV table (*.csv)</source>
        <translation>CSV-Tabelle (*.csv)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save Study As</source>
        <translation>Studie speichern unter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Study</source>
        <translation>Studie öffnen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export Chart</source>
        <translation>Tabelle exportieren</translation>
    </message>
</context>
<context>
    <name>rula::Form2</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+137"/>
        <source>Shoulder is raised</source>
        <translation>Schulter ist angehoben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper arm is abducted</source>
        <translation>Oberarm ist abduziert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leaning or supporting the weight of the arm</source>
        <translation>Arm ist angelehnt oder abgestützt</translation>
    </message>
    <message>
        <location filename="../screens/form2.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Haltung - Gruppe A (Arme und Handgelenke)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper Arm Posture</source>
        <translation>Haltung Oberarm</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Upper Arm Adjustments</source>
        <translation>Korrekturen Oberarm</translation>
    </message>
</context>
<context>
    <name>rula::Form3</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+3"/>
        <source>Working across the mid-line or out to the side of body</source>
        <translation>Arbeit über die Körpermitte hinweg oder seitlich neben dem Körper</translation>
    </message>
    <message>
        <location filename="../screens/form3.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Haltung - Gruppe A (Arme und Handgelenke)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower Arm Posture</source>
        <translation>Haltung Unterarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm Adjustments</source>
        <translation>Korrekturen Unterarm</translation>
    </message>
</context>
<context>
    <name>rula::Form4</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Wrist is bent away from the mid-line</source>
        <translation>Handgelenk ist aus der Mittellinie abgewinkelt</translation>
    </message>
    <message>
        <location filename="../screens/form4.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Haltung - Gruppe A (Arme und Handgelenke)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Posture</source>
        <translation>Haltung Handgelenk</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Wrist Adjustments</source>
        <translation>Korrekturen Handgelenk</translation>
    </message>
</context>
<context>
    <name>rula::Form5</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+16"/>
        <source>Mainly in mid-range of twist</source>
        <translation>Überwiegend im mittleren Drehbereich</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>At or near the end of twisting range</source>
        <translation>Am oder nahe dem Ende des Drehbereichs</translation>
    </message>
    <message>
        <location filename="../screens/form5.cpp" line="+12"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Haltung - Gruppe A (Arme und Handgelenke)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Twist Posture</source>
        <translation>Haltung Handgelenkdrehung</translation>
    </message>
</context>
<context>
    <name>rula::Form6</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-15"/>
        <source>Neck is twisting</source>
        <translation>Nacken ist gedreht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck is side-bending</source>
        <translation>Nacken ist seitlich geneigt</translation>
    </message>
    <message>
        <location filename="../screens/form6.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Haltung - Gruppe B (Nacken, Rumpf und Beine)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck Posture</source>
        <translation>Haltung Nacken</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Neck Adjustments</source>
        <translation>Korrekturen Nacken</translation>
    </message>
</context>
<context>
    <name>rula::Form7</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Trunk is twisting</source>
        <translation>Rumpf ist gedreht</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is side-bending</source>
        <translation>Rumpf ist seitlich geneigt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is well supported while seated</source>
        <translation>Rumpf ist im Sitzen gut abgestützt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are legs and feet supported and balanced</source>
        <translation>Beine und Füße abgestützt und im Gleichgewicht</translation>
    </message>
    <message>
        <location filename="../screens/form7.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Haltung - Gruppe B (Nacken, Rumpf und Beine)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk Posture</source>
        <translation>Haltung Rumpf</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Trunk Adjustments</source>
        <translation>Korrekturen Rumpf</translation>
    </message>
</context>
<context>
    <name>rula::Form8</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+7"/>
        <source>Moderate posture, not static, not lightly repetitive</source>
        <translation>Gemäßigte Haltung, weder statisch noch oft wiederholt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is mainly static (held longer than 1 minute)</source>
        <translation>Tätigkeit überwiegend statisch (länger als 1 Minute gehalten)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is repeated more than 4 times/minute</source>
        <translation>Tätigkeit wird mehr als viermal pro Minute wiederholt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load &lt; 5 lbs. ( 2 kg ); intermittent</source>
        <translation>Last &lt; 5 lbs. ( 2 kg ); intermittierend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); intermittent</source>
        <translation>Last 5-25 lbs. ( 2-10 kg ); intermittierend</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); static or repeated</source>
        <translation>Last 5-25 lbs. ( 2-10 kg ); statisch oder wiederholt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load &gt; 25 lbs. ( 10 kg ); repeated or shocks</source>
        <translation>Last &gt; 25 lbs. ( 10 kg ); wiederholt oder stoßartig</translation>
    </message>
    <message>
        <location filename="../screens/form8.cpp" line="+18"/>
        <source>Frequency and Force</source>
        <translation>Häufigkeit und Kraft</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Muscle Use</source>
        <translation>Muskelaktivität</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+15"/>
        <source>Force</source>
        <translation>Kraft</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Group A (Arm, Wrist)</source>
        <translation>Gruppe A (Arm, Handgelenk)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group B (Neck, Trunk, Legs)</source>
        <translation>Gruppe B (Nacken, Rumpf, Beine)</translation>
    </message>
</context>
<context>
    <name>rula::Form9</name>
    <message>
        <location filename="../screens/form9.cpp" line="+35"/>
        <source>Final Upper Arm Score =</source>
        <translation>Punktwert Oberarm =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Lower Arm Score =</source>
        <translation>Punktwert Unterarm =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Wrist Score =</source>
        <translation>Punktwert Handgelenk =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wrist Twist Score =</source>
        <translation>Handgelenkdrehung =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture A Score =</source>
        <translation>Haltungspunktwert A =</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+35"/>
        <source>Muscle Use Score =</source>
        <translation>Muskelaktivität =</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+35"/>
        <source>Force/load Score =</source>
        <translation>Kraft/Last =</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Final Wrist and Arm Score =</source>
        <translation>Endwert Arm und Handgelenk =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Neck Score =</source>
        <translation>Punktwert Nacken =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Trunk Score =</source>
        <translation>Punktwert Rumpf =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Legs Score =</source>
        <translation>Punktwert Beine =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture B Score =</source>
        <translation>Haltungspunktwert B =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Final Neck, Trunk and Leg Score =</source>
        <translation>Endwert Nacken, Rumpf und Beine =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>1 or 2 = Minimum Risk</source>
        <translation>1 oder 2 = Minimales Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 or 4 = Low Risk</source>
        <translation>3 oder 4 = Geringes Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 or 6 = Moderate Risk</source>
        <translation>5 oder 6 = Mittleres Risiko</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 = High Risk</source>
        <translation>7 = Hohes Risiko</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rula - Final</source>
        <translation>Rula - Endergebnis</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Add to chart</source>
        <translation>In Tabelle &amp;aufnehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Goto Chart</source>
        <translation>Zur &amp;Tabelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Complete: A. Arm and Wrist Analysis</source>
        <translation>Abgeschlossen: A. Analyse Arm und Handgelenk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Complete: B. Neck, Trunk and Leg Analysis</source>
        <translation> Abgeschlossen: B. Analyse Nacken, Rumpf und Beine</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Final Score</source>
        <translation>Endpunktwert</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;New Assessment</source>
        <translation>&amp;Neue Beurteilung</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>&amp;Update Row %L1</source>
        <translation>Zeile %L1 a&amp;ktualisieren</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Assess the &amp;Other Side</source>
        <translation>Andere &amp;Seite beurteilen</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>upper arm</source>
        <translation>Oberarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>Unterarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist</source>
        <translation>Handgelenk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist twist</source>
        <translation>Handgelenkdrehung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>Nacken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trunk</source>
        <translation>Rumpf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group A</source>
        <translation>Muskelaktivität Gruppe A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group A</source>
        <translation>Kraft/Last Gruppe A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group B</source>
        <translation>Muskelaktivität Gruppe B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group B</source>
        <translation>Kraft/Last Gruppe B</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Not answered: %1</source>
        <translation>Nicht beantwortet: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The answers changed after these scores: press Continue on the frequency and force screen again</source>
        <translation>Die Antworten wurden nach diesen Punktwerten geändert: Klicken Sie im Fenster „Häufigkeit und Kraft“ erneut auf „Weiter“</translation>
    </message>
</context>
<context>
    <name>rula::PhotoFile</name>
    <message>
        <location filename="../photo/decoder_module.cpp" line="+26"/>
        <source>the decoder module %1 belongs to another version.</source>
        <translation>das Decodermodul %1 gehört zu einer anderen Version.</translation>
    </message>
    <message>
        <location filename="../photo/decoder_module.h" line="+44"/>
        <source>%1 is not a photo Rula can open</source>
        <translation>%1 ist kein Foto, das Rula öffnen kann</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends too early (truncated)</source>
        <translation>%1 endet zu früh (abgeschnitten)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be decoded: %2</source>
        <translation>%1 kann nicht dekodiert werden: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2 × %3 pixels: too large to open (at most %4 megapixels)</source>
        <translation>%1 hat %2 × %3 Pixel: zu groß zum Öffnen (höchstens %4 Megapixel)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>out of memory</source>
        <translation>zu wenig Arbeitsspeicher</translation>
    </message>
    <message>
        <location filename="../photo/kept_photo.cpp" line="+66"/>
        <location line="+10"/>
        <source>The kept photo cannot be opened: %1</source>
        <translation>Das gespeicherte Foto kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <location filename="../photo/photo_file.cpp" line="+31"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>%1 is a folder</source>
        <translation>%1 ist ein Ordner</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a named pipe</source>
        <translation>%1 ist eine benannte Pipe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a device</source>
        <translation>%1 ist ein Gerät</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a socket</source>
        <translation>%1 ist ein Socket</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is a HEIC photo, and the decoder for HEIC is missing: %2</source>
        <translation>%1 ist ein HEIC-Foto, und der Decoder für HEIC fehlt: %2</translation>
    </message>
</context>
<context>
    <name>rula::PhotoView</name>
    <message>
        <location filename="../photo/photo_view.cpp" line="+38"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location line="+222"/>
        <source>plumb line</source>
        <translation>Lotlinie</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>No photo is open.</source>
        <translation>Kein Foto geöffnet.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for the other end of the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter.</source>
        <translation>Erwartet das andere Ende der Lotlinie: Bewegen Sie das Kreuz mit den Pfeiltasten (mit Umschalttaste in größeren Schritten) und drücken Sie die Eingabetaste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for one end of something vertical for the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter. Esc gives up.</source>
        <translation>Erwartet ein Ende von etwas Senkrechtem für die Lotlinie: Bewegen Sie das Kreuz mit den Pfeiltasten (mit Umschalttaste in größeren Schritten) und drücken Sie die Eingabetaste. Esc bricht ab.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point, Esc goes back to placing the %2.</source>
        <translation>Punkt %1 ist ausgewählt: Die Pfeiltasten bewegen ihn, mit Umschalttaste in größeren Schritten. N und P wählen den nächsten und den vorigen Punkt, Esc kehrt zum Setzen des Punkts %2 zurück.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point.</source>
        <translation>Punkt %1 ist ausgewählt: Die Pfeiltasten bewegen ihn, mit Umschalttaste in größeren Schritten. N und P wählen den nächsten und den vorigen Punkt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks for the %1: move the cross with the arrow keys, Shift for larger steps, and press Enter to place it. N and P select a point placed.</source>
        <translation>Erwartet den Punkt %1: Bewegen Sie das Kreuz mit den Pfeiltasten (mit Umschalttaste in größeren Schritten) und setzen Sie ihn mit der Eingabetaste. N und P wählen einen gesetzten Punkt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks which way the worker faces first.</source>
        <translation>Fragt zuerst, in welche Richtung die Person blickt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All six points are placed. N and P select a point to move with the arrow keys.</source>
        <translation>Alle sechs Punkte sind gesetzt. N und P wählen einen Punkt, der sich mit den Pfeiltasten bewegen lässt.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open a photo, or drop one here.</source>
        <translation>Öffnen Sie ein Foto oder ziehen Sie eines hierher.</translation>
    </message>
</context>
<context>
    <name>rula::PhotoWindow</name>
    <message>
        <location filename="../photo/angle_words.cpp" line="+32"/>
        <source>Trunk</source>
        <translation>Rumpf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trunk</source>
        <translation>Rumpf</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1: flexion %2</source>
        <translation>%1: Flexion %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1: leaning back %2</source>
        <translation>%1: nach hinten geneigt %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1 of flexion</source>
        <translation>%1 Flexion</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 leaning back</source>
        <translation>%1 nach hinten geneigt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck</source>
        <translation>Nacken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>Nacken</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: extension %2</source>
        <translation>%1: Extension %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of extension</source>
        <translation>%1 Extension</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upper arm</source>
        <translation>Oberarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>upper arm</source>
        <translation>Oberarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised forward %2</source>
        <translation>%1: nach vorn gehoben %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised behind the trunk %2</source>
        <translation>%1: hinter den Rumpf gehoben %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised forward</source>
        <translation>%1 nach vorn gehoben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised behind the trunk</source>
        <translation>%1 hinter den Rumpf gehoben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 forward or behind the trunk</source>
        <translation>%1 nach vorn oder hinter den Rumpf</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower arm</source>
        <translation>Unterarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>Unterarm</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Wrist</source>
        <translation>Handgelenk</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>%1: flexion or extension %2</source>
        <translation>%1: Flexion oder Extension %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 of flexion or extension</source>
        <translation>%1 Flexion oder Extension</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 or more</source>
        <translation>%1 oder mehr</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or less</source>
        <translation>%1 oder weniger</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+21"/>
        <source>under %1</source>
        <translation>unter %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+23"/>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 to under %2</source>
        <translation>%1 bis unter %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1 to %2</source>
        <translation>über %1 bis %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1 and under %2</source>
        <translation>über %1 und unter %2</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: not measured yet</source>
        <translation>%1: noch nicht gemessen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>band %1, base score %2</source>
        <translation>Bereich %1, Grundpunktwert %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no option of the %1 screen fits; choose it by eye</source>
        <translation>keine Option im Fenster „%1“ passt; nach Augenmaß wählen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; on an edge, which counts in the band with the higher score</source>
        <translation>%1; auf einer Grenze, die zum Bereich mit dem höheren Punktwert zählt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; near the edge of a band</source>
        <translation>%1; nahe an einer Bereichsgrenze</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; check by eye: rounded shoulders can read as extension</source>
        <translation>%1; nach Augenmaß prüfen: Nach vorn fallende Schultern können wie eine Extension wirken</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: not measured; the %2 screen is left as it was</source>
        <translation>%1: nicht gemessen; das Fenster „%2“ bleibt unverändert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: chosen on the %2 screen</source>
        <translation>%1: im Fenster „%2“ gewählt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no option of the %2 screen fits; choose it by eye</source>
        <translation>%1: keine Option im Fenster „%2“ passt; nach Augenmaß wählen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: not chosen; check by eye: rounded shoulders can read as extension</source>
        <translation>%1: nicht gewählt; nach Augenmaß prüfen: Nach vorn fallende Schultern können wie eine Extension wirken</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A click on a screen changes the choice there.</source>
        <translation>Ein Klick in einem Fenster ändert die Wahl dort.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plumb line: camera tilted %1: corrected</source>
        <translation>Lotlinie: Kamera um %1 geneigt: korrigiert</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+174"/>
        <source>hip</source>
        <translation>Hüfte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shoulder</source>
        <translation>Schulter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear</source>
        <translation>Ohr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elbow</source>
        <translation>Ellbogen</translation>
    </message>
    <message>
        <location filename="../photo/angle_words.cpp" line="-168"/>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>wrist</source>
        <translation>Handgelenk</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>knuckle</source>
        <translation>Fingerknöchel</translation>
    </message>
    <message>
        <location filename="../photo/photo_window.cpp" line="+113"/>
        <source>Open a photo of the worker seen from the side.</source>
        <translation>Öffnen Sie ein Foto der Person, seitlich aufgenommen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the other end of the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Klicken Sie auf das andere Ende der Lotlinie oder bewegen Sie das Kreuz mit den Pfeiltasten dorthin und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click one end of something vertical for the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Klicken Sie auf ein Ende von etwas Senkrechtem für die Lotlinie oder bewegen Sie das Kreuz mit den Pfeiltasten dorthin und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Which way does the worker face?</source>
        <translation>In welche Richtung blickt die Person?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click the %1, or press Esc, move the cross with the arrow keys and press Enter</source>
        <translation>Klicken Sie auf den Punkt %1 oder drücken Sie Esc, bewegen Sie das Kreuz mit den Pfeiltasten und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the %1, or move the cross with the arrow keys and press Enter</source>
        <translation>Klicken Sie auf den Punkt %1 oder bewegen Sie das Kreuz mit den Pfeiltasten und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drag a point to move it, or select it (N and P select from the keyboard) and use the arrow keys.</source>
        <translation>Ziehen Sie einen Punkt, um ihn zu verschieben, oder wählen Sie ihn aus (N und P wählen per Tastatur) und verwenden Sie die Pfeiltasten.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing not chosen</source>
        <translation>Blickrichtung nicht gewählt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing left</source>
        <translation>Blickrichtung links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing right</source>
        <translation>Blickrichtung rechts</translation>
    </message>
    <message>
        <location line="+64"/>
        <location line="+73"/>
        <source>Photo - Rula</source>
        <translation>Foto - Rula</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Open a Photo…</source>
        <translation>&amp;Foto öffnen…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the photo from the side, with the camera at shoulder height and square to the body, and the whole worker in the frame.</source>
        <translation>Fotografieren Sie von der Seite, mit der Kamera auf Schulterhöhe und rechtwinklig zum Körper, die ganze Person im Bild.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing &amp;left</source>
        <translation>Blick nach &amp;links</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing &amp;right</source>
        <translation>Blick nach &amp;rechts</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Draw a Plum&amp;b Line</source>
        <translation>Lotlinie &amp;zeichnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation>Rück&amp;gängig</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Right side facing the camera</source>
        <translation>Rechte Seite zur Kamera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side facing the camera</source>
        <translation>Linke Seite zur Kamera</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Side:</source>
        <translation>&amp;Seite:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Angles</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The upper arm is measured against the trunk line, as the shoulder&apos;s flexion is; so is the neck, from the shoulder to the ear, taking the ear to be over the shoulder when the neck is upright. Only the trunk is measured against the vertical.
A side view cannot show a raised shoulder, abduction, a supported arm, working across the mid-line or out to the side, wrist deviation and twist, neck or trunk twist and side-bend, the legs&apos; support, or whether a seated trunk is well supported: these stay yours to judge. A limb moving out of the photo&apos;s plane reads smaller than it is: an arm raised %1° in the scapular plane reads about %2°.</source>
        <translation>Der Oberarm wird gegen die Rumpflinie gemessen, wie die Flexion der Schulter; ebenso der Nacken, von der Schulter zum Ohr, wobei das Ohr bei aufrechtem Nacken über der Schulter angenommen wird. Nur der Rumpf wird gegen die Senkrechte gemessen.
Eine Seitenansicht zeigt keine angehobene Schulter, keine Abduktion, keinen abgestützten Arm, keine Arbeit über die Körpermitte oder seitlich neben dem Körper, kein Abwinkeln oder Drehen des Handgelenks, kein Drehen oder seitliches Neigen von Nacken oder Rumpf, nicht die Abstützung der Beine und nicht, ob ein sitzender Rumpf gut abgestützt ist: Dies bleibt Ihrem Urteil überlassen. Bewegt sich eine Gliedmaße aus der Bildebene heraus, wird ihr Winkel zu klein gemessen: Ein in der Skapulaebene um %1° gehobener Arm ergibt etwa %2°.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Use These Angles</source>
        <translation>&amp;Winkel übernehmen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chooses the posture on the upper arm, lower arm, wrist, neck and trunk screens; the frequency and force screen stays yours.</source>
        <translation>Wählt die Haltung in den Fenstern Oberarm, Unterarm, Handgelenk, Nacken und Rumpf; das Fenster „Häufigkeit und Kraft“ bleibt Ihnen überlassen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Opening %1… Esc gives up.</source>
        <translation>%1 wird geöffnet… Esc bricht ab.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment… Esc gives up.</source>
        <translation>Das mit der Beurteilung gespeicherte Foto wird geöffnet… Esc bricht ab.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening %1…</source>
        <translation>%1 wird geöffnet…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment…</source>
        <translation>Das mit der Beurteilung gespeicherte Foto wird geöffnet…</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open a Photo</source>
        <translation>Foto öffnen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Photos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;All files (*)</source>
        <translation>Fotos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+265"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was printed: %1</source>
        <translation>Es wurde nichts gedruckt: %1</translation>
    </message>
</context>
<context>
    <name>rula::PictureBox</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-153"/>
        <source>Upper arm 20° back to 20° forward</source>
        <translation>Oberarm 20° nach hinten bis 20° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm hanging down, between 20° behind and 20° in front of the vertical. Base score 1.</source>
        <translation>Oberarm hängt herab, zwischen 20° hinter und 20° vor der Senkrechten. Grundpunktwert 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm in extension beyond 20°</source>
        <translation>Oberarm in Extension über 20°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm reaching behind the body, more than 20° of extension. Base score 2.</source>
        <translation>Oberarm reicht hinter den Körper, mehr als 20° Extension. Grundpunktwert 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm 20° to 45° forward</source>
        <translation>Oberarm 20° bis 45° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 20° and 45°. Base score 2.</source>
        <translation>Oberarm zwischen 20° und 45° nach vorn gehoben. Grundpunktwert 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm 45° to 90° forward</source>
        <translation>Oberarm 45° bis 90° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 45° and 90°. Base score 3.</source>
        <translation>Oberarm zwischen 45° und 90° nach vorn gehoben. Grundpunktwert 3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm over 90° forward</source>
        <translation>Oberarm über 90° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward beyond 90°, above the shoulder. Base score 4.</source>
        <translation>Oberarm über 90° nach vorn gehoben, über Schulterhöhe. Grundpunktwert 4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lower arm 60° to 100° of elbow flexion</source>
        <translation>Unterarm 60° bis 100° Ellbogenbeugung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standing figure with the elbow bent between 60° and 100°. Base score 1.</source>
        <translation>Stehende Figur, der Ellbogen zwischen 60° und 100° gebeugt. Grundpunktwert 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm below 60° or beyond 100°</source>
        <translation>Unterarm unter 60° oder über 100°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm raised beyond 100° or lowered to between 0° and 60° of elbow flexion. Base score 2.</source>
        <translation>Unterarm über 100° gehoben oder auf 0° bis 60° Ellbogenbeugung gesenkt. Grundpunktwert 2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrist neutral, 0°</source>
        <translation>Handgelenk neutral, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand and forearm in a straight line: the wrist is not bent. Base score 1.</source>
        <translation>Hand und Unterarm in einer Linie: Das Handgelenk ist nicht abgewinkelt. Grundpunktwert 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent up to 15°</source>
        <translation>Handgelenk bis 15° abgewinkelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by up to 15°. Base score 2.</source>
        <translation>Handgelenk bis zu 15° nach oben oder unten abgewinkelt. Grundpunktwert 2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrist bent more than 15°</source>
        <translation>Handgelenk über 15° abgewinkelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by more than 15°. Base score 3.</source>
        <translation>Handgelenk mehr als 15° nach oben oder unten abgewinkelt. Grundpunktwert 3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Neck 0° to 10° forward</source>
        <translation>Nacken 0° bis 10° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 0° and 10°. Base score 1.</source>
        <translation>Kopf zwischen 0° und 10° nach vorn geneigt. Grundpunktwert 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Neck 10° to 20° forward</source>
        <translation>Nacken 10° bis 20° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 10° and 20°. Base score 2.</source>
        <translation>Kopf zwischen 10° und 20° nach vorn geneigt. Grundpunktwert 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Neck over 20° forward</source>
        <translation>Nacken über 20° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward more than 20°. Base score 3.</source>
        <translation>Kopf mehr als 20° nach vorn geneigt. Grundpunktwert 3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck in extension</source>
        <translation>Nacken in Extension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent backwards. Base score 4.</source>
        <translation>Kopf nach hinten geneigt. Grundpunktwert 4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Trunk upright, 0°</source>
        <translation>Rumpf aufrecht, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upright trunk. Base score 1.</source>
        <translation>Aufrechter Rumpf. Grundpunktwert 1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trunk 0° to 20° forward</source>
        <translation>Rumpf 0° bis 20° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 0° and 20°. Base score 2.</source>
        <translation>Rumpf zwischen 0° und 20° nach vorn gebeugt. Grundpunktwert 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trunk 20° to 60° forward</source>
        <translation>Rumpf 20° bis 60° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 20° and 60°. Base score 3.</source>
        <translation>Rumpf zwischen 20° und 60° nach vorn gebeugt. Grundpunktwert 3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trunk over 60° forward</source>
        <translation>Rumpf über 60° nach vorn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward more than 60°. Base score 4.</source>
        <translation>Rumpf mehr als 60° nach vorn gebeugt. Grundpunktwert 4.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Arms across the mid-line or out to the side</source>
        <translation>Arme über die Körpermitte oder seitlich hinaus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Person seen from above: the arms reach across the mid-line of the body or swing out to the side. Adds 1.</source>
        <translation>Person von oben gesehen: Die Arme greifen über die Körpermitte oder schwenken seitlich nach außen. Plus 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent away from the mid-line</source>
        <translation>Handgelenk aus der Mittellinie abgewinkelt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand seen from above, bent to either side of the mid-line. Adds 1.</source>
        <translation>Hand von oben gesehen, zu einer Seite der Mittellinie abgewinkelt. Plus 1.</translation>
    </message>
    <message>
        <location filename="../screens/form1.cpp" line="-36"/>
        <source>Rula logo</source>
        <translation>Rula-Logo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo of the Rula posture assessment program</source>
        <translation>Das Logo des Rula-Programms zur Haltungsbeurteilung</translation>
    </message>
    <message>
        <location filename="../screens/drawing_module.cpp" line="+39"/>
        <source>in extension</source>
        <translation>in Extension</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryCopy</name>
    <message>
        <location filename="../study/recovery_copy.cpp" line="+176"/>
        <source>%1: no recovery copy can be kept there</source>
        <translation>%1: Dort kann keine Wiederherstellungskopie abgelegt werden</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryKeeper</name>
    <message>
        <location filename="../app/recovery_keeper.cpp" line="+154"/>
        <source>Rula closed with unsaved changes at %1. Recover them?</source>
        <translation>Rula wurde um %1 mit nicht gespeicherten Änderungen beendet. Wiederherstellen?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rula closed with unsaved changes on %1 at %2. Recover them?</source>
        <translation>Rula wurde am %1 um %2 mit nicht gespeicherten Änderungen beendet. Wiederherstellen?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
</context>
<context>
    <name>rula::ScreenShell</name>
    <message>
        <location filename="../screens/screen_shell.cpp" line="+66"/>
        <source>Introduction</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm</source>
        <translation>Oberarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Unterarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Handgelenk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Handgelenkdrehung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Nacken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk and legs</source>
        <translation>Rumpf und Beine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency and force</source>
        <translation>Häufigkeit und Kraft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final score</source>
        <translation>Endpunktwert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart</source>
        <translation>Tabelle</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Open a Study</source>
        <translation>Studie öffnen</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Measure on a &amp;Photo…</source>
        <translation>Am &amp;Foto messen…</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Nothing was printed: %1</source>
        <translation>Es wurde nichts gedruckt: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close &amp;Without Saving</source>
        <translation>Schließen &amp;ohne Speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <location line="+180"/>
        <source>&amp;Continue</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../screens/screen_shell.h" line="+50"/>
        <source>Rula posture assessment</source>
        <translation>Rula-Haltungsbeurteilung</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software</source>
        <translation>Freie Software</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save the changes to the chart before closing?</source>
        <translation>Änderungen an der Tabelle vor dem Schließen speichern?</translation>
    </message>
</context>
<context>
    <name>rula::SideField</name>
    <message>
        <location filename="../chart/chart_fields.cpp" line="+191"/>
        <source>Side not said</source>
        <translation>Seite nicht angegeben</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side</source>
        <translation>Linke Seite</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation>Rechte Seite</translation>
    </message>
</context>
<context>
    <name>rula::SideLetter</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="-32"/>
        <source>L</source>
        <comment>left side</comment>
        <translation>L</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R</source>
        <comment>right side</comment>
        <translation>R</translation>
    </message>
</context>
<context>
    <name>rula::StudyFile</name>
    <message>
        <location filename="../study/study_file.cpp" line="+240"/>
        <location line="+589"/>
        <source>%1: %2</source>
        <extracomment>Where in the file, then what is wrong there: &quot;row 3, FinalScore: 9 is not a score this program gives (1 to 7)&quot;
----------
The file&apos;s name, then what is wrong with it</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-584"/>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a list</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>eine Liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an object</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nothing</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>nichts</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, not a text</source>
        <translation>%1, kein Text</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a number</source>
        <translation>%1, keine Zahl</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not true or false</source>
        <translation>%1, nicht true oder false</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not [x, y]</source>
        <translation>%1, nicht [x, y]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a list</source>
        <translation>%1, keine Liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not an object</source>
        <translation>%1, kein Objekt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a date</source>
        <translation>%1, kein Datum</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>holds a line break</source>
        <translation>enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds a line break other than \n (U+%1)</source>
        <translation>enthält einen anderen Zeilenumbruch als \n (U+%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>holds a control character (U+%1)</source>
        <translation>enthält ein Steuerzeichen (U+%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>holds half a character (a lone surrogate)</source>
        <translation>enthält ein halbes Zeichen (ein einzelnes Surrogat)</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>longer than %n characters (%1)</source>
        <translation>
            <numerusform>länger als %n Zeichen (%1)</numerusform>
            <numerusform>länger als %n Zeichen (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>blank (null), but this score is never blank (%1 to %2)</source>
        <translation>leer (null), aber dieser Punktwert ist nie leer (%1 bis %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+293"/>
        <source>%1 is not a whole number</source>
        <translation>%1 ist keine ganze Zahl</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>%1 is not a score this program gives (%2 to %3)</source>
        <translation>%1 ist kein Punktwert, den dieses Programm vergibt (%2 bis %3)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a score of this program</source>
        <translation>%1 ist kein Punktwert dieses Programms</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a side (&quot;left&quot;, &quot;right&quot; or null)</source>
        <translation>%1 ist keine Seite (&quot;left&quot;, &quot;right&quot; oder null)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not an answer of this program</source>
        <translation>%1 ist keine Antwort dieses Programms</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 is not one of its answers (null, %2)</source>
        <translation>%1 ist keine seiner Antworten (null, %2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not from %2 to %3</source>
        <translation>%1 liegt nicht zwischen %2 und %3</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n numbers, not two ([x, y])</source>
        <translation>
            <numerusform>%n Zahl, nicht zwei ([x, y])</numerusform>
            <numerusform>%n Zahlen, nicht zwei ([x, y])</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not a key of a photo</source>
        <translation>%1 ist kein Schlüssel eines Fotos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>type %1 is not &quot;image/jpeg&quot;</source>
        <translation>Typ %1 ist nicht &quot;image/jpeg&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a size in pixels</source>
        <translation>%1 ist keine Größe in Pixeln</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the data is not base64</source>
        <translation>die Daten sind kein Base64</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a JPEG</source>
        <translation>kein JPEG</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the JPEG ends too early (truncated)</source>
        <translation>das JPEG endet zu früh (abgeschnitten)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the JPEG gives no size</source>
        <translation>das JPEG gibt keine Größe an</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 × %2 pixels: too large (at most %3 megapixels)</source>
        <translation>%1 × %2 Pixel: zu groß (höchstens %3 Megapixel)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 × %2 pixels: a study keeps photos of at most %3 pixels on their long side</source>
        <translation>%1 × %2 Pixel: Eine Studie speichert Fotos mit höchstens %3 Pixeln an der langen Seite</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the JPEG is to be turned (EXIF orientation %1); a study keeps photos upright</source>
        <translation>das JPEG muss gedreht werden (EXIF-Ausrichtung %1); eine Studie speichert Fotos aufrecht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the JPEG is %1 × %2 pixels, not %3 × %4 as given</source>
        <translation>das JPEG hat %1 × %2 Pixel, nicht %3 × %4 wie angegeben</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of a measurement</source>
        <translation>%1 ist kein Schlüssel einer Messung</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not &quot;left&quot; or &quot;right&quot;</source>
        <translation>%1 ist nicht &quot;left&quot; oder &quot;right&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a key of the points</source>
        <translation>%1 ist kein Schlüssel der Punkte</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a key of a plumb line</source>
        <translation>%1 ist kein Schlüssel einer Lotlinie</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of the angles</source>
        <translation>%1 ist kein Schlüssel der Winkel</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not the angle its points give (%2)</source>
        <translation>%1 ist nicht der Winkel, den seine Punkte ergeben (%2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+4"/>
        <source>%1 is not a key of a row</source>
        <translation>%1 ist kein Schlüssel einer Zeile</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the scores are not those of its answers (%1 %2, where its answers give %3)</source>
        <translation>die Punktwerte passen nicht zu den Antworten (%1 %2, wo die Antworten %3 ergeben)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a Rula study (no &quot;format&quot;)</source>
        <translation>keine Rula-Studie (kein &quot;format&quot;)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a Rula study (format %1)</source>
        <translation>keine Rula-Studie (Format %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>written by a newer Rula: format %1; this one reads format %2</source>
        <translation>von einem neueren Rula geschrieben: Format %1; dieses liest Format %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>version: %1 is not a version of the format</source>
        <translation>version: %1 ist keine Version des Formats</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a key of a study</source>
        <translation>%1 ist kein Schlüssel einer Studie</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>observed: %1 is not a date (YYYY-MM-DD)</source>
        <translation>observed: %1 ist kein Datum (JJJJ-MM-TT)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>observed: %1 is not a date the chart shows (%2 to %3)</source>
        <translation>observed: %1 ist kein Datum, das die Tabelle zeigt (%2 bis %3)</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>rows: %n rows; a chart holds at most %1</source>
        <translation>
            <numerusform>rows: %n Zeile; eine Tabelle fasst höchstens %1</numerusform>
            <numerusform>rows: %n Zeilen; eine Tabelle fasst höchstens %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 at byte %2: a whole number is written in digits alone</source>
        <translation>%1 bei Byte %2: Eine ganze Zahl wird nur mit Ziffern geschrieben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 at byte %2: a number is written as %3, the shortest text that reads back as it</source>
        <translation>%1 bei Byte %2: Eine Zahl wird als %3 geschrieben, der kürzeste Text, der dieselbe Zahl ergibt</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is given twice (at byte %2)</source>
        <translation>%1 ist doppelt angegeben (bei Byte %2)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>truncated: the JSON ends at byte %1 before it is complete</source>
        <translation>abgeschnitten: Das JSON endet bei Byte %1, bevor es vollständig ist</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not JSON: %1 at byte %2</source>
        <translation>kein JSON: %1 bei Byte %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>larger than %1 MiB (%2 bytes); a study of ten rows with photos is far smaller</source>
        <translation>größer als %1 MiB (%2 Byte); eine Studie mit zehn Zeilen und Fotos ist weit kleiner</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>not JSON: the file is empty</source>
        <translation>kein JSON: Die Datei ist leer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is UTF-16; studies are UTF-8</source>
        <translation>die Datei ist UTF-16; Studien sind UTF-8</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file starts with a byte-order mark; studies are written without one</source>
        <translation>die Datei beginnt mit einer Byte-Order-Mark; Studien werden ohne sie geschrieben</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Rula study (a list, not an object)</source>
        <translation>keine Rula-Studie (eine Liste, kein Objekt)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a folder, not a study file</source>
        <translation>ein Ordner, keine Studiendatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a named pipe, not a study file</source>
        <translation>eine benannte Pipe, keine Studiendatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device, not a study file</source>
        <translation>ein Gerät, keine Studiendatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a socket, not a study file</source>
        <translation>ein Socket, keine Studiendatei</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>not saved: the chart cannot be kept as it is (%1)</source>
        <translation>nicht gespeichert: Die Tabelle kann so nicht gespeichert werden (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not saved: %1</source>
        <translation>nicht gespeichert: %1</translation>
    </message>
</context>
<context>
    <name>rula::StudyReport</name>
    <message>
        <location filename="../report/study_report.cpp" line="+68"/>
        <source>Upper arm</source>
        <translation>Oberarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Unterarm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Handgelenk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Nacken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Rumpf</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Beine</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Posture score A (Table A)</source>
        <translation>Haltungspunktwert A (Tabelle A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A</source>
        <translation>Muskelaktivität A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A</source>
        <translation>Kraft/Last A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score C</source>
        <translation>Punktwert C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture score B (Table B)</source>
        <translation>Haltungspunktwert B (Tabelle B)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B</source>
        <translation>Muskelaktivität B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B</source>
        <translation>Kraft/Last B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score D</source>
        <translation>Punktwert D</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left side</source>
        <translation>Linke Seite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right side</source>
        <translation>Rechte Seite</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Side not said</source>
        <translation>Seite nicht angegeben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no posture chosen</source>
        <translation>keine Haltung gewählt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; </source>
        <extracomment>Between a posture and each ticked box on the report, as the language sets a semicolon</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Row %L1</source>
        <translation>Zeile %L1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row %L1: %2</source>
        <translation>Zeile %L1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The photo kept with this row could not be read.</source>
        <translation>Das mit dieser Zeile gespeicherte Foto konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This row was kept by an earlier version of Rula, without its answers: only its scores are known.</source>
        <translation>Diese Zeile wurde von einer früheren Version von Rula ohne ihre Antworten gespeichert: Nur ihre Punktwerte sind bekannt.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Scores</source>
        <translation>Punktwerte</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 of %L2</source>
        <extracomment>A segment&apos;s score against the worst it can be: &quot;3 of 6&quot;</extracomment>
        <translation>%1 von %L2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Final score</source>
        <translation>Endpunktwert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Action level %L1: %2</source>
        <translation>Maßnahmenstufe %L1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No final score: an answer is missing.</source>
        <translation>Kein Endpunktwert: Eine Antwort fehlt.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No notes.</source>
        <translation>Keine Notizen.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>acceptable if not maintained or repeated for long periods</source>
        <translation>akzeptabel, wenn nicht über längere Zeit beibehalten oder wiederholt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>further investigation is needed and changes may be required</source>
        <translation>weitere Untersuchung nötig, Änderungen können erforderlich sein</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>investigation and changes are required soon</source>
        <translation>Untersuchung und Änderungen bald erforderlich</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>investigation and changes are required immediately</source>
        <translation>Untersuchung und Änderungen sofort erforderlich</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Upper arm: %1</source>
        <translation>Oberarm: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm: %1</source>
        <translation>Unterarm: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist: %1</source>
        <translation>Handgelenk: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist: %1</source>
        <translation>Handgelenkdrehung: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck: %1</source>
        <translation>Nacken: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk: %1</source>
        <translation>Rumpf: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Legs: %1: yes</source>
        <translation>Beine: %1: ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs: %1: no</source>
        <translation>Beine: %1: nein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A: %1</source>
        <translation>Muskelaktivität A: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A: %1</source>
        <translation>Kraft/Last A: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B: %1</source>
        <translation>Muskelaktivität B: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B: %1</source>
        <translation>Kraft/Last B: %1</translation>
    </message>
</context>
</TS>
