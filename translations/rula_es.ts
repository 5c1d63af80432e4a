<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Printing</name>
    <message>
        <location filename="../printing/cups_printer.cpp" line="+67"/>
        <source>the printer did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the printer did not answer. The page may still come out when the printer answers again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the print system (%1) could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no default printer is set up on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../printing/print_module.cpp" line="+37"/>
        <source>the print module %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the print module %1 belongs to another version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../printing/printing.cpp" line="+131"/>
        <source>%1   Page %2 of %3</source>
        <extracomment>The date line, then the page&apos;s number: &quot;Rula · Report 2026-12-08 20:36 +01:00 Page 2 of 7&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+99"/>
        <source>the file %1 could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::ChartCsv</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="+93"/>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Site</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assessor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Observed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::ChartTable</name>
    <message>
        <location line="-45"/>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Rula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form10</name>
    <message>
        <location filename="../chart/form10.cpp" line="+52"/>
        <source>Upper Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist Twist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assessed b&amp;y:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Observe&amp;d:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+28"/>
        <location line="+273"/>
        <source>Rula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-259"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+312"/>
        <source>Re&amp;view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Ne&amp;w Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+737"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-736"/>
        <location line="+680"/>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-679"/>
        <source>Ope&amp;n…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print &amp;Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+570"/>
        <source>Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-569"/>
        <location line="+61"/>
        <location line="+508"/>
        <source>Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-534"/>
        <location line="+26"/>
        <source>Row %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Task, row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Side, row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+134"/>
        <source>%1[*] - Rula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Notes, row %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Assess the &amp;Other Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+91"/>
        <source>&amp;Delete Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so it cannot be reviewed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so its other side cannot be started from it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Which side does row %1 show?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Delete row %1? It cannot be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete row %1, “%2”? It cannot be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+191"/>
        <location line="+86"/>
        <location line="+26"/>
        <location line="+31"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-260"/>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Title: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Site: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Assessor: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Observed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Clear the 1 row of the chart? It cannot be brought back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Clear all %n rows of the chart? They cannot be brought back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear All &amp;Rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The study was changed by another program since you opened it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The study was not saved.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save the changes to the chart before opening another study?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open &amp;Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The study was not opened.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The chart was not exported.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Rula studies (*.rula)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV table (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save Study As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export Chart</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form2</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+137"/>
        <source>Shoulder is raised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper arm is abducted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leaning or supporting the weight of the arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form2.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper Arm Posture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Upper Arm Adjustments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form3</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+3"/>
        <source>Working across the mid-line or out to the side of body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form3.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower Arm Posture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm Adjustments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form4</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Wrist is bent away from the mid-line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form4.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Posture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Wrist Adjustments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form5</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+16"/>
        <source>Mainly in mid-range of twist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>At or near the end of twisting range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form5.cpp" line="+12"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Twist Posture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form6</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-15"/>
        <source>Neck is twisting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck is side-bending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form6.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck Posture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Neck Adjustments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form7</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Trunk is twisting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is side-bending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is well supported while seated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are legs and feet supported and balanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form7.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk Posture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Trunk Adjustments</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form8</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+7"/>
        <source>Moderate posture, not static, not lightly repetitive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is mainly static (held longer than 1 minute)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is repeated more than 4 times/minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load &lt; 5 lbs. ( 2 kg ); intermittent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); intermittent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); static or repeated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load &gt; 25 lbs. ( 10 kg ); repeated or shocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form8.cpp" line="+18"/>
        <source>Frequency and Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Muscle Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+15"/>
        <source>Force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Group A (Arm, Wrist)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group B (Neck, Trunk, Legs)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::Form9</name>
    <message>
        <location filename="../screens/form9.cpp" line="+35"/>
        <source>Final Upper Arm Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Lower Arm Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Wrist Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wrist Twist Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture A Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+35"/>
        <source>Muscle Use Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+35"/>
        <source>Force/load Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Final Wrist and Arm Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Neck Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Trunk Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Legs Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture B Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Final Neck, Trunk and Leg Score =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>1 or 2 = Minimum Risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 or 4 = Low Risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 or 6 = Moderate Risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 = High Risk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rula - Final</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Add to chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Goto Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Complete: A. Arm and Wrist Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Complete: B. Neck, Trunk and Leg Analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Final Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;New Assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>&amp;Update Row %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Assess the &amp;Other Side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist twist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Not answered: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The answers changed after these scores: press Continue on the frequency and force screen again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::PhotoFile</name>
    <message>
        <location filename="../photo/decoder_module.cpp" line="+26"/>
        <source>the decoder module %1 belongs to another version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../photo/decoder_module.h" line="+44"/>
        <source>%1 is not a photo Rula can open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends too early (truncated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be decoded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2 × %3 pixels: too large to open (at most %4 megapixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../photo/kept_photo.cpp" line="+66"/>
        <location line="+10"/>
        <source>The kept photo cannot be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../photo/photo_file.cpp" line="+31"/>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+229"/>
        <source>%1 is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a named pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is a HEIC photo, and the decoder for HEIC is missing: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::PhotoView</name>
    <message>
        <location filename="../photo/photo_view.cpp" line="+38"/>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+222"/>
        <source>plumb line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>No photo is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for the other end of the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for one end of something vertical for the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter. Esc gives up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point, Esc goes back to placing the %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks for the %1: move the cross with the arrow keys, Shift for larger steps, and press Enter to place it. N and P select a point placed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks which way the worker faces first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All six points are placed. N and P select a point to move with the arrow keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open a photo, or drop one here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::PhotoWindow</name>
    <message>
        <location filename="../photo/angle_words.cpp" line="+32"/>
        <source>Trunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1: flexion %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1: leaning back %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1 of flexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 leaning back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: extension %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised forward %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised behind the trunk %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised behind the trunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 forward or behind the trunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Wrist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>%1: flexion or extension %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 of flexion or extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or less</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+21"/>
        <source>under %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+23"/>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 to under %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1 and under %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: not measured yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>band %1, base score %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no option of the %1 screen fits; choose it by eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; on an edge, which counts in the band with the higher score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; near the edge of a band</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; check by eye: rounded shoulders can read as extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: not measured; the %2 screen is left as it was</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: chosen on the %2 screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no option of the %2 screen fits; choose it by eye</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: not chosen; check by eye: rounded shoulders can read as extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A click on a screen changes the choice there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plumb line: camera tilted %1: corrected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+174"/>
        <source>hip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shoulder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elbow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../photo/angle_words.cpp" line="-168"/>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>wrist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>knuckle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../photo/photo_window.cpp" line="+113"/>
        <source>Open a photo of the worker seen from the side.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the other end of the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click one end of something vertical for the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Which way does the worker face?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click the %1, or press Esc, move the cross with the arrow keys and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the %1, or move the cross with the arrow keys and press Enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drag a point to move it, or select it (N and P select from the keyboard) and use the arrow keys.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing not chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+64"/>
        <location line="+73"/>
        <source>Photo - Rula</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Open a Photo…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the photo from the side, with the camera at shoulder height and square to the body, and the whole worker in the frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing &amp;left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing &amp;right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Draw a Plum&amp;b Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Right side facing the camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side facing the camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Side:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The upper arm is measured against the trunk line, as the shoulder&apos;s flexion is; so is the neck, from the shoulder to the ear, taking the ear to be over the shoulder when the neck is upright. Only the trunk is measured against the vertical.
A side view cannot show a raised shoulder, abduction, a supported arm, working across the mid-line or out to the side, wrist deviation and twist, neck or trunk twist and side-bend, the legs&apos; support, or whether a seated trunk is well supported: these stay yours to judge. A limb moving out of the photo&apos;s plane reads smaller than it is: an arm raised %1° in the scapular plane reads about %2°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Use These Angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chooses the posture on the upper arm, lower arm, wrist, neck and trunk screens; the frequency and force screen stays yours.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Opening %1… Esc gives up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment… Esc gives up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open a Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Photos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+265"/>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::PictureBox</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-153"/>
        <source>Upper arm 20° back to 20° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm hanging down, between 20° behind and 20° in front of the vertical. Base score 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm in extension beyond 20°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm reaching behind the body, more than 20° of extension. Base score 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm 20° to 45° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 20° and 45°. Base score 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm 45° to 90° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 45° and 90°. Base score 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm over 90° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward beyond 90°, above the shoulder. Base score 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lower arm 60° to 100° of elbow flexion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standing figure with the elbow bent between 60° and 100°. Base score 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm below 60° or beyond 100°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm raised beyond 100° or lowered to between 0° and 60° of elbow flexion. Base score 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrist neutral, 0°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand and forearm in a straight line: the wrist is not bent. Base score 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent up to 15°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by up to 15°. Base score 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrist bent more than 15°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by more than 15°. Base score 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Neck 0° to 10° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 0° and 10°. Base score 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Neck 10° to 20° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 10° and 20°. Base score 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Neck over 20° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward more than 20°. Base score 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck in extension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent backwards. Base score 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Trunk upright, 0°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upright trunk. Base score 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trunk 0° to 20° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 0° and 20°. Base score 2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trunk 20° to 60° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 20° and 60°. Base score 3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trunk over 60° forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward more than 60°. Base score 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Arms across the mid-line or out to the side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Person seen from above: the arms reach across the mid-line of the body or swing out to the side. Adds 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent away from the mid-line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand seen from above, bent to either side of the mid-line. Adds 1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/form1.cpp" line="-36"/>
        <source>Rula logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo of the Rula posture assessment program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/drawing_module.cpp" line="+39"/>
        <source>in extension</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::RecoveryCopy</name>
    <message>
        <location filename="../study/recovery_copy.cpp" line="+176"/>
        <source>%1: no recovery copy can be kept there</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::RecoveryKeeper</name>
    <message>
        <location filename="../app/recovery_keeper.cpp" line="+154"/>
        <source>Rula closed with unsaved changes at %1. Recover them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rula closed with unsaved changes on %1 at %2. Recover them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::ScreenShell</name>
    <message>
        <location filename="../screens/screen_shell.cpp" line="+66"/>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk and legs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency and force</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Open a Study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Measure on a &amp;Photo…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Nothing was printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+71"/>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close &amp;Without Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+180"/>
        <source>&amp;Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../screens/screen_shell.h" line="+50"/>
        <source>Rula posture assessment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save the changes to the chart before closing?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::SideField</name>
    <message>
        <location filename="../chart/chart_fields.cpp" line="+191"/>
        <source>Side not said</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::SideLetter</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="-32"/>
        <source>L</source>
        <comment>left side</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R</source>
        <comment>right side</comment>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-584"/>
        <source>row %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a list</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an object</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nothing</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, not a text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not true or false</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not [x, y]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not an object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+35"/>
        <source>holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds a line break other than \n (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>holds a control character (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>holds half a character (a lone surrogate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>longer than %n characters (%1)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>blank (null), but this score is never blank (%1 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+293"/>
        <source>%1 is not a whole number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="-290"/>
        <source>%1 is not a score this program gives (%2 to %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a score of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a side (&quot;left&quot;, &quot;right&quot; or null)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not an answer of this program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 is not one of its answers (null, %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n numbers, not two ([x, y])</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not a key of a photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>type %1 is not &quot;image/jpeg&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a size in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the data is not base64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the JPEG ends too early (truncated)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the JPEG gives no size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 × %2 pixels: too large (at most %3 megapixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 × %2 pixels: a study keeps photos of at most %3 pixels on their long side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the JPEG is to be turned (EXIF orientation %1); a study keeps photos upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the JPEG is %1 × %2 pixels, not %3 × %4 as given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of a measurement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not &quot;left&quot; or &quot;right&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a key of the points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a key of a plumb line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of the angles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not the angle its points give (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+4"/>
        <source>%1 is not a key of a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the scores are not those of its answers (%1 %2, where its answers give %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a Rula study (no &quot;format&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a Rula study (format %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>written by a newer Rula: format %1; this one reads format %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>version: %1 is not a version of the format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a key of a study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+17"/>
        <source>observed: %1 is not a date (YYYY-MM-DD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>observed: %1 is not a date the chart shows (%2 to %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>rows: %n rows; a chart holds at most %1</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 at byte %2: a whole number is written in digits alone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 at byte %2: a number is written as %3, the shortest text that reads back as it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is given twice (at byte %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+36"/>
        <source>truncated: the JSON ends at byte %1 before it is complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not JSON: %1 at byte %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>larger than %1 MiB (%2 bytes); a study of ten rows with photos is far smaller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+55"/>
        <source>not JSON: the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is UTF-16; studies are UTF-8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file starts with a byte-order mark; studies are written without one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Rula study (a list, not an object)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a folder, not a study file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a named pipe, not a study file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device, not a study file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a socket, not a study file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+54"/>
        <source>not saved: the chart cannot be kept as it is (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rula::StudyReport</name>
    <message>
        <location filename="../report/study_report.cpp" line="+67"/>
        <source>Upper arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Posture score A (Table A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture score B (Table B)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Left side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right side</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Side not said</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no posture chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>not chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Row %L1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row %L1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The photo kept with this row could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This row was kept by an earlier version of Rula, without its answers: only its scores are known.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 of %L2</source>
        <extracomment>A segment&apos;s score against the worst it can be: &quot;3 of 6&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Final score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Action level %L1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No final score: an answer is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+29"/>
        <source>acceptable if not maintained or repeated for long periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>further investigation is needed and changes may be required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+3"/>
        <source>investigation and changes are required soon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>investigation and changes are required immediately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Upper arm: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Legs: %1: yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs: %1: no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
