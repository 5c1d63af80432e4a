<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Printing</name>
    <message>
        <location filename="../printing/cups_printer.cpp" line="+67"/>
        <source>the printer did not answer.</source>
        <translation>l&apos;imprimante n&apos;a pas répondu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the printer did not answer. The page may still come out when the printer answers again.</source>
        <translation>l&apos;imprimante n&apos;a pas répondu. La page peut encore sortir quand l&apos;imprimante répondra de nouveau.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the print system (%1) could not be reached.</source>
        <translation>le système d&apos;impression (%1) est injoignable.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no default printer is set up on this computer.</source>
        <translation>aucune imprimante par défaut n&apos;est configurée sur cet ordinateur.</translation>
    </message>
    <message>
        <location filename="../printing/print_module.cpp" line="+37"/>
        <source>the print module %1 is missing.</source>
        <translation>le module d&apos;impression %1 est introuvable.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the print module %1 belongs to another version.</source>
        <translation>le module d&apos;impression %1 appartient à une autre version.</translation>
    </message>
    <message>
        <location filename="../printing/printing.cpp" line="+131"/>
        <source>%1   Page %2 of %3</source>
        <extracomment>The date line, then the page&apos;s number: &quot;Rula · Report 2026-12-08 20:36 +01:00 Page 2 of 7&quot;</extracomment>
        <translation>%1   Page %2 sur %3</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>the file %1 could not be written: %2.</source>
        <translation>le fichier %1 n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>rula::ChartCsv</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="+93"/>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Site</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assessor</source>
        <translation>Évaluateur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Observed</source>
        <translation>Observé le</translation>
    </message>
</context>
<context>
    <name>rula::ChartTable</name>
    <message>
        <location line="-45"/>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
</context>
<context>
    <name>rula::Display</name>
    <message>
        <location filename="../app/display.cpp" line="+40"/>
        <source>rula: no display is set; start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display</source>
        <translation>rula&#xa0;: aucun affichage n&apos;est défini&#xa0;; lancez le programme depuis un bureau, ou donnez à DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland) un affichage en cours d&apos;exécution</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>rula: cannot open the display (%1); start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display</source>
        <translation>rula&#xa0;: impossible d&apos;ouvrir l&apos;affichage (%1)&#xa0;; lancez le programme depuis un bureau, ou donnez à DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland) un affichage en cours d&apos;exécution</translation>
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
        <translation>Ce programme repose sur les critères recommandés dans «&#xa0;Rula&#xa0;: une méthode d&apos;enquête
pour l&apos;étude des troubles des membres supérieurs liés au travail&#xa0;», de L. McAtamney et
E. N. Corlett, Applied Ergonomics 1993, 24(2), 91-99. Tout a été fait pour garantir
l&apos;exactitude des calculs&#xa0;; toutefois, aucune garantie, expresse ou implicite, n&apos;est
donnée avec ce programme. Évaluation posturale Rula, logiciel libre.
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
        <translation>Introduction</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
</context>
<context>
    <name>rula::Form10</name>
    <message>
        <location filename="../chart/form10.cpp" line="+52"/>
        <source>Upper Arm</source>
        <translation>Bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm</source>
        <translation>Avant-bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist Twist</source>
        <translation>Rotation poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture A</source>
        <translation>Posture A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use A</source>
        <translation>Utilisation musculaire A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load A</source>
        <translation>Force/ charge A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final A</source>
        <translation>Final A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Cou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Tronc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Jambes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture B</source>
        <translation>Posture B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use B</source>
        <translation>Utilisation musculaire B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load B</source>
        <translation>Force/ charge B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final B</source>
        <translation>Final B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final Score</source>
        <translation>Score final</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ite:</source>
        <translation>&amp;Lieu&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assessed b&amp;y:</source>
        <translation>Év&amp;alué par&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Observe&amp;d:</source>
        <translation>O&amp;bservé le&#xa0;:</translation>
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
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear Chart</source>
        <translation>Vi&amp;der le tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+312"/>
        <source>Re&amp;view</source>
        <translation>Re&amp;voir</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Ne&amp;w Assessment</source>
        <translation>&amp;Nouvelle évaluation</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+737"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="-736"/>
        <location line="+680"/>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <location line="-679"/>
        <source>Ope&amp;n…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print &amp;Report</source>
        <translation>Imprimer le ra&amp;pport</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+570"/>
        <source>Task</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <location line="-569"/>
        <location line="+61"/>
        <location line="+508"/>
        <source>Side</source>
        <translation>Côté</translation>
    </message>
    <message>
        <location line="-534"/>
        <location line="+26"/>
        <source>Row %1, %2</source>
        <translation>Ligne %1, %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Task, row %1</source>
        <translation>Tâche, ligne %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Side, row %1</source>
        <translation>Côté, ligne %1</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>%1[*] - Rula</source>
        <translation>%1[*] - Rula</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Notes, row %1:</source>
        <translation>Notes, ligne %1&#xa0;:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes:</source>
        <translation>Notes&#xa0;:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Assess the &amp;Other Side</source>
        <translation>Évaluer l&apos;autre &amp;côté</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+91"/>
        <source>&amp;Delete Row</source>
        <translation>&amp;Supprimer la ligne</translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so it cannot be reviewed.</source>
        <translation>La ligne %1 ne contient que ses scores&#xa0;: elle a été enregistrée par une version antérieure de Rula, sans les réponses dont ils découlent&#xa0;; elle ne peut donc pas être revue.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so its other side cannot be started from it.</source>
        <translation>La ligne %1 ne contient que ses scores&#xa0;: elle a été enregistrée par une version antérieure de Rula, sans les réponses dont ils découlent&#xa0;; l&apos;autre côté ne peut donc pas être évalué à partir d&apos;elle.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Which side does row %1 show?</source>
        <translation>Quel côté la ligne %1 montre-t-elle&#xa0;?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Left</source>
        <translation>&amp;Gauche</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Right</source>
        <translation>&amp;Droit</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Delete row %1? It cannot be brought back.</source>
        <translation>Supprimer la ligne %1&#xa0;? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete row %1, “%2”? It cannot be brought back.</source>
        <translation>Supprimer la ligne %1, «&#xa0;%2&#xa0;»&#xa0;? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+191"/>
        <location line="+86"/>
        <location line="+26"/>
        <location line="+31"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="-260"/>
        <source>Chart</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Title: %1</source>
        <translation>Titre&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Site: %1</source>
        <translation>Lieu&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Assessor: %1</source>
        <translation>Évaluateur&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Observed: %1</source>
        <translation>Observé le&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Clear the 1 row of the chart? It cannot be brought back.</source>
        <translation>Effacer l&apos;unique ligne du tableau&#xa0;? Elle ne pourra pas être récupérée.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Clear all %n rows of the chart? They cannot be brought back.</source>
        <translation>
            <numerusform>Effacer la ligne du tableau&#xa0;? Elle ne pourra pas être récupérée.</numerusform>
            <numerusform>Effacer les %n lignes du tableau&#xa0;? Elles ne pourront pas être récupérées.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear All &amp;Rows</source>
        <translation>&amp;Effacer toutes les lignes</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The study was changed by another program since you opened it.</source>
        <translation>L&apos;étude a été modifiée par un autre programme depuis que vous l&apos;avez ouverte.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;Anyway</source>
        <translation>Enregistrer &amp;quand même</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The study was not saved.

%1</source>
        <translation>L&apos;étude n&apos;a pas été enregistrée.

%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save the changes to the chart before opening another study?</source>
        <translation>Enregistrer les modifications du tableau avant d&apos;ouvrir une autre étude&#xa0;?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open &amp;Without Saving</source>
        <translation>Ouvrir &amp;sans enregistrer</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The study was not opened.

%1</source>
        <translation>L&apos;étude n&apos;a pas été ouverte.

%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The chart was not exported.

%1</source>
        <translation>Le tableau n&apos;a pas été exporté.

%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Study</source>
        <translation>Étude</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Rula studies (*.rula)</source>
        <translation>Études Rula (*.rula)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV table (*.csv)</source>
        <translation>Tableau CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save Study As</source>
        <translation>Enregistrer l&apos;étude sous</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Study</source>
        <translation>Ouvrir une étude</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export Chart</source>
        <translation>Exporter le tableau</translation>
    </message>
</context>
<context>
    <name>rula::Form2</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+137"/>
        <source>Shoulder is raised</source>
        <translation>Épaule surélevée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper arm is abducted</source>
        <translation>Bras en abduction</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leaning or supporting the weight of the arm</source>
        <translation>Appui ou soutien du poids du bras</translation>
    </message>
    <message>
        <location filename="../screens/form2.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Posture - Groupe A (bras et poignets)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper Arm Posture</source>
        <translation>Posture du bras</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Upper Arm Adjustments</source>
        <translation>Ajustements du bras</translation>
    </message>
</context>
<context>
    <name>rula::Form3</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+3"/>
        <source>Working across the mid-line or out to the side of body</source>
        <translation>Travail au-delà de la ligne médiane ou sur le côté du corps</translation>
    </message>
    <message>
        <location filename="../screens/form3.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Posture - Groupe A (bras et poignets)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower Arm Posture</source>
        <translation>Posture de l&apos;avant-bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm Adjustments</source>
        <translation>Ajustements de l&apos;avant-bras</translation>
    </message>
</context>
<context>
    <name>rula::Form4</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Wrist is bent away from the mid-line</source>
        <translation>Poignet dévié de la ligne médiane</translation>
    </message>
    <message>
        <location filename="../screens/form4.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Posture - Groupe A (bras et poignets)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Posture</source>
        <translation>Posture du poignet</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Wrist Adjustments</source>
        <translation>Ajustements du poignet</translation>
    </message>
</context>
<context>
    <name>rula::Form5</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+16"/>
        <source>Mainly in mid-range of twist</source>
        <translation>Surtout en milieu d&apos;amplitude de rotation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>At or near the end of twisting range</source>
        <translation>En fin ou près de la fin d&apos;amplitude de rotation</translation>
    </message>
    <message>
        <location filename="../screens/form5.cpp" line="+12"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Posture - Groupe A (bras et poignets)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Twist Posture</source>
        <translation>Rotation du poignet</translation>
    </message>
</context>
<context>
    <name>rula::Form6</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-15"/>
        <source>Neck is twisting</source>
        <translation>Cou en rotation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck is side-bending</source>
        <translation>Cou en inclinaison latérale</translation>
    </message>
    <message>
        <location filename="../screens/form6.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Posture - Groupe B (cou, tronc et jambes)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck Posture</source>
        <translation>Posture du cou</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Neck Adjustments</source>
        <translation>Ajustements du cou</translation>
    </message>
</context>
<context>
    <name>rula::Form7</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Trunk is twisting</source>
        <translation>Tronc en rotation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is side-bending</source>
        <translation>Tronc en inclinaison latérale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is well supported while seated</source>
        <translation>Tronc bien soutenu en position assise</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are legs and feet supported and balanced</source>
        <translation>Jambes et pieds soutenus et en équilibre</translation>
    </message>
    <message>
        <location filename="../screens/form7.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Posture - Groupe B (cou, tronc et jambes)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk Posture</source>
        <translation>Posture du tronc</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Trunk Adjustments</source>
        <translation>Ajustements du tronc</translation>
    </message>
</context>
<context>
    <name>rula::Form8</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+7"/>
        <source>Moderate posture, not static, not lightly repetitive</source>
        <translation>Posture modérée, ni statique ni répétitive</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is mainly static (held longer than 1 minute)</source>
        <translation>Activité surtout statique (maintenue plus d&apos;une minute)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is repeated more than 4 times/minute</source>
        <translation>Activité répétée plus de 4 fois par minute</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load &lt; 5 lbs. ( 2 kg ); intermittent</source>
        <translation>Charge &lt; 5&#xa0;lb (2&#xa0;kg)&#xa0;; intermittente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); intermittent</source>
        <translation>Charge de 5&#xa0;à&#xa0;25&#xa0;lb (2&#xa0;à&#xa0;10&#xa0;kg)&#xa0;; intermittente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); static or repeated</source>
        <translation>Charge de 5&#xa0;à&#xa0;25&#xa0;lb (2&#xa0;à&#xa0;10&#xa0;kg)&#xa0;; statique ou répétée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load &gt; 25 lbs. ( 10 kg ); repeated or shocks</source>
        <translation>Charge &gt; 25&#xa0;lb (10&#xa0;kg)&#xa0;; répétée ou à-coups</translation>
    </message>
    <message>
        <location filename="../screens/form8.cpp" line="+18"/>
        <source>Frequency and Force</source>
        <translation>Fréquence et force</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Muscle Use</source>
        <translation>Utilisation musculaire</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+15"/>
        <source>Force</source>
        <translation>Force</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Group A (Arm, Wrist)</source>
        <translation>Groupe A (bras, poignet)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group B (Neck, Trunk, Legs)</source>
        <translation>Groupe B (cou, tronc, jambes)</translation>
    </message>
</context>
<context>
    <name>rula::Form9</name>
    <message>
        <location filename="../screens/form9.cpp" line="+35"/>
        <source>Final Upper Arm Score =</source>
        <translation>Score final du bras =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Lower Arm Score =</source>
        <translation>Score final de l&apos;avant-bras =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Wrist Score =</source>
        <translation>Score final du poignet =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wrist Twist Score =</source>
        <translation>Score de rotation du poignet =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture A Score =</source>
        <translation>Score de posture A =</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+35"/>
        <source>Muscle Use Score =</source>
        <translation>Score d&apos;utilisation musculaire =</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+35"/>
        <source>Force/load Score =</source>
        <translation>Score de force/charge =</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Final Wrist and Arm Score =</source>
        <translation>Score final bras et poignet =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Neck Score =</source>
        <translation>Score final du cou =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Trunk Score =</source>
        <translation>Score final du tronc =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Legs Score =</source>
        <translation>Score final des jambes =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture B Score =</source>
        <translation>Score de posture B =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Final Neck, Trunk and Leg Score =</source>
        <translation>Score final cou, tronc et jambes =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>1 or 2 = Minimum Risk</source>
        <translation>1 ou 2 = risque minimal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 or 4 = Low Risk</source>
        <translation>3 ou 4 = risque faible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 or 6 = Moderate Risk</source>
        <translation>5 ou 6 = risque modéré</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 = High Risk</source>
        <translation>7 = risque élevé</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rula - Final</source>
        <translation>Rula - Score final</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Add to chart</source>
        <translation>&amp;Ajouter au tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Goto Chart</source>
        <translation>Aller au &amp;tableau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Complete: A. Arm and Wrist Analysis</source>
        <translation>Terminé&#xa0;: A. Analyse du bras et du poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Complete: B. Neck, Trunk and Leg Analysis</source>
        <translation> Terminé&#xa0;: B. Analyse du cou, du tronc et des jambes</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Final Score</source>
        <translation>Score final</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;New Assessment</source>
        <translation>&amp;Nouvelle évaluation</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>&amp;Update Row %L1</source>
        <translation>&amp;Mettre à jour la ligne %L1</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Assess the &amp;Other Side</source>
        <translation>Évaluer l&apos;autre &amp;côté</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>upper arm</source>
        <translation>bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>avant-bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist</source>
        <translation>poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist twist</source>
        <translation>rotation du poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>cou</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trunk</source>
        <translation>tronc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group A</source>
        <translation>utilisation musculaire du groupe A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group A</source>
        <translation>force ou charge du groupe A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group B</source>
        <translation>utilisation musculaire du groupe B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group B</source>
        <translation>force ou charge du groupe B</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Not answered: %1</source>
        <translation>Sans réponse&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The answers changed after these scores: press Continue on the frequency and force screen again</source>
        <translation>Les réponses ont changé après ces scores&#xa0;: appuyez de nouveau sur Continuer à l&apos;écran Fréquence et force</translation>
    </message>
</context>
<context>
    <name>rula::PhotoFile</name>
    <message>
        <location filename="../photo/decoder_module.cpp" line="+26"/>
        <source>the decoder module %1 belongs to another version.</source>
        <translation>le module de décodage %1 appartient à une autre version.</translation>
    </message>
    <message>
        <location filename="../photo/decoder_module.h" line="+44"/>
        <source>%1 is not a photo Rula can open</source>
        <translation>%1 n&apos;est pas une photo que Rula peut ouvrir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends too early (truncated)</source>
        <translation>%1 se termine trop tôt (tronqué)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be decoded: %2</source>
        <translation>%1 ne peut pas être décodé&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2 × %3 pixels: too large to open (at most %4 megapixels)</source>
        <translation>%1 mesure %2 × %3 pixels&#xa0;: trop grand pour être ouvert (%4 mégapixels au plus)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>out of memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <location filename="../photo/kept_photo.cpp" line="+66"/>
        <location line="+10"/>
        <source>The kept photo cannot be opened: %1</source>
        <translation>La photo enregistrée ne peut pas être ouverte&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../photo/photo_file.cpp" line="+31"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>%1 is a folder</source>
        <translation>%1 est un dossier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a named pipe</source>
        <translation>%1 est un tube nommé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a device</source>
        <translation>%1 est un périphérique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a socket</source>
        <translation>%1 est un socket</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is a HEIC photo, and the decoder for HEIC is missing: %2</source>
        <translation>%1 est une photo HEIC, et le décodeur HEIC est introuvable&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>rula::PhotoView</name>
    <message>
        <location filename="../photo/photo_view.cpp" line="+38"/>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <location line="+222"/>
        <source>plumb line</source>
        <translation>fil à plomb</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>No photo is open.</source>
        <translation>Aucune photo n&apos;est ouverte.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for the other end of the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter.</source>
        <translation>Attend l&apos;autre extrémité du fil à plomb&#xa0;: déplacez la croix avec les flèches, Maj pour de plus grands pas, et appuyez sur Entrée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for one end of something vertical for the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter. Esc gives up.</source>
        <translation>Attend une extrémité d&apos;un objet vertical pour le fil à plomb&#xa0;: déplacez la croix avec les flèches, Maj pour de plus grands pas, et appuyez sur Entrée. Échap abandonne.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point, Esc goes back to placing the %2.</source>
        <translation>Point «&#xa0;%1&#xa0;» sélectionné&#xa0;: les flèches le déplacent, Maj pour de plus grands pas. N et P sélectionnent le point suivant et le précédent, Échap revient au placement du point «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point.</source>
        <translation>Point «&#xa0;%1&#xa0;» sélectionné&#xa0;: les flèches le déplacent, Maj pour de plus grands pas. N et P sélectionnent le point suivant et le précédent.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks for the %1: move the cross with the arrow keys, Shift for larger steps, and press Enter to place it. N and P select a point placed.</source>
        <translation>Attend le point «&#xa0;%1&#xa0;»&#xa0;: déplacez la croix avec les flèches, Maj pour de plus grands pas, et appuyez sur Entrée pour le placer. N et P sélectionnent un point placé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks which way the worker faces first.</source>
        <translation>Demande d&apos;abord de quel côté le travailleur est tourné.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All six points are placed. N and P select a point to move with the arrow keys.</source>
        <translation>Les six points sont placés. N et P sélectionnent un point à déplacer avec les flèches.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open a photo, or drop one here.</source>
        <translation>Ouvrez une photo, ou déposez-en une ici.</translation>
    </message>
</context>
<context>
    <name>rula::PhotoWindow</name>
    <message>
        <location filename="../photo/angle_words.cpp" line="+32"/>
        <source>Trunk</source>
        <translation>Tronc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trunk</source>
        <translation>tronc</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1: flexion %2</source>
        <translation>%1&#xa0;: flexion %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1: leaning back %2</source>
        <translation>%1&#xa0;: inclinaison arrière %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1 of flexion</source>
        <translation>%1 de flexion</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 leaning back</source>
        <translation>%1 d&apos;inclinaison arrière</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck</source>
        <translation>Cou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>cou</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: extension %2</source>
        <translation>%1&#xa0;: extension %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of extension</source>
        <translation>%1 d&apos;extension</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upper arm</source>
        <translation>Bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>upper arm</source>
        <translation>bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised forward %2</source>
        <translation>%1&#xa0;: levé vers l&apos;avant %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised behind the trunk %2</source>
        <translation>%1&#xa0;: levé en arrière du tronc %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised forward</source>
        <translation>%1 vers l&apos;avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised behind the trunk</source>
        <translation>%1 en arrière du tronc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 forward or behind the trunk</source>
        <translation>%1 en avant ou en arrière du tronc</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower arm</source>
        <translation>Avant-bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>avant-bras</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Wrist</source>
        <translation>Poignet</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>%1: flexion or extension %2</source>
        <translation>%1&#xa0;: flexion ou extension %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 of flexion or extension</source>
        <translation>%1 de flexion ou d&apos;extension</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 or more</source>
        <translation>%1 ou plus</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or less</source>
        <translation>%1 ou moins</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+21"/>
        <source>under %1</source>
        <translation>moins de %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+23"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 to under %2</source>
        <translation>%1 à moins de %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1 to %2</source>
        <translation>plus de %1 à %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1 and under %2</source>
        <translation>plus de %1 et moins de %2</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: not measured yet</source>
        <translation>%1&#xa0;: pas encore mesuré</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>band %1, base score %2</source>
        <translation>plage %1, score de base %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no option of the %1 screen fits; choose it by eye</source>
        <translation>aucune option de l&apos;écran «&#xa0;%1&#xa0;» ne convient&#xa0;; choisissez à l&apos;œil</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; on an edge, which counts in the band with the higher score</source>
        <translation>%1&#xa0;; sur une limite, comptée dans la plage au score le plus élevé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; near the edge of a band</source>
        <translation>%1&#xa0;; près de la limite d&apos;une plage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; check by eye: rounded shoulders can read as extension</source>
        <translation>%1&#xa0;; vérifiez à l&apos;œil&#xa0;: des épaules voûtées peuvent se lire comme une extension</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: not measured; the %2 screen is left as it was</source>
        <translation>%1&#xa0;: non mesuré&#xa0;; l&apos;écran «&#xa0;%2&#xa0;» reste tel quel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: chosen on the %2 screen</source>
        <translation>%1&#xa0;: choisi sur l&apos;écran «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no option of the %2 screen fits; choose it by eye</source>
        <translation>%1&#xa0;: aucune option de l&apos;écran «&#xa0;%2&#xa0;» ne convient&#xa0;; choisissez à l&apos;œil</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: not chosen; check by eye: rounded shoulders can read as extension</source>
        <translation>%1&#xa0;: non choisi&#xa0;; vérifiez à l&apos;œil&#xa0;: des épaules voûtées peuvent se lire comme une extension</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A click on a screen changes the choice there.</source>
        <translation>Un clic sur un écran y change le choix.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plumb line: camera tilted %1: corrected</source>
        <translation>Fil à plomb&#xa0;: appareil incliné de %1&#xa0;: corrigé</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+174"/>
        <source>hip</source>
        <translation>hanche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shoulder</source>
        <translation>épaule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear</source>
        <translation>oreille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elbow</source>
        <translation>coude</translation>
    </message>
    <message>
        <location filename="../photo/angle_words.cpp" line="-168"/>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>wrist</source>
        <translation>poignet</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>knuckle</source>
        <translation>jointure</translation>
    </message>
    <message>
        <location filename="../photo/photo_window.cpp" line="+113"/>
        <source>Open a photo of the worker seen from the side.</source>
        <translation>Ouvrez une photo du travailleur vu de profil.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the other end of the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Cliquez sur l&apos;autre extrémité du fil à plomb, ou amenez-y la croix avec les flèches et appuyez sur Entrée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click one end of something vertical for the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Cliquez sur une extrémité d&apos;un objet vertical pour le fil à plomb, ou amenez-y la croix avec les flèches et appuyez sur Entrée</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Which way does the worker face?</source>
        <translation>De quel côté le travailleur est-il tourné&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click the %1, or press Esc, move the cross with the arrow keys and press Enter</source>
        <translation>Cliquez sur le point «&#xa0;%1&#xa0;», ou appuyez sur Échap, déplacez la croix avec les flèches et appuyez sur Entrée</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the %1, or move the cross with the arrow keys and press Enter</source>
        <translation>Cliquez sur le point «&#xa0;%1&#xa0;», ou déplacez la croix avec les flèches et appuyez sur Entrée</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drag a point to move it, or select it (N and P select from the keyboard) and use the arrow keys.</source>
        <translation>Faites glisser un point pour le déplacer, ou sélectionnez-le (N et P le font au clavier) et utilisez les flèches.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing not chosen</source>
        <translation>Orientation non choisie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing left</source>
        <translation>Tourné vers la gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing right</source>
        <translation>Tourné vers la droite</translation>
    </message>
    <message>
        <location line="+64"/>
        <location line="+73"/>
        <source>Photo - Rula</source>
        <translation>Photo - Rula</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>&amp;Open a Photo…</source>
        <translation>&amp;Ouvrir une photo…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the photo from the side, with the camera at shoulder height and square to the body, and the whole worker in the frame.</source>
        <translation>Prenez la photo de profil, l&apos;appareil à hauteur d&apos;épaule et perpendiculaire au corps, le travailleur entier dans le cadre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing &amp;left</source>
        <translation>Tourné vers la &amp;gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing &amp;right</source>
        <translation>Tourné vers la &amp;droite</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Draw a Plum&amp;b Line</source>
        <translation>Tracer un &amp;fil à plomb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Right side facing the camera</source>
        <translation>Côté droit face à l&apos;appareil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side facing the camera</source>
        <translation>Côté gauche face à l&apos;appareil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Side:</source>
        <translation>&amp;Côté&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Angles</source>
        <translation>Angles</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The upper arm is measured against the trunk line, as the shoulder&apos;s flexion is; so is the neck, from the shoulder to the ear, taking the ear to be over the shoulder when the neck is upright. Only the trunk is measured against the vertical.
A side view cannot show a raised shoulder, abduction, a supported arm, working across the mid-line or out to the side, wrist deviation and twist, neck or trunk twist and side-bend, the legs&apos; support, or whether a seated trunk is well supported: these stay yours to judge. A limb moving out of the photo&apos;s plane reads smaller than it is: an arm raised %1° in the scapular plane reads about %2°.</source>
        <translation>Le bras est mesuré par rapport à la ligne du tronc, comme la flexion de l&apos;épaule&#xa0;; le cou aussi, de l&apos;épaule à l&apos;oreille, l&apos;oreille étant tenue pour au-dessus de l&apos;épaule quand le cou est droit. Seul le tronc est mesuré par rapport à la verticale.
Une vue de profil ne peut montrer ni une épaule surélevée, ni l&apos;abduction, ni un bras en appui, ni le travail au-delà de la ligne médiane ou sur le côté, ni la déviation et la rotation du poignet, ni la rotation et l&apos;inclinaison latérale du cou ou du tronc, ni l&apos;appui des jambes, ni si un tronc assis est bien soutenu&#xa0;: c&apos;est à vous d&apos;en juger. Un membre qui sort du plan de la photo paraît plus petit qu&apos;il n&apos;est&#xa0;: un bras levé de %1° dans le plan de l&apos;omoplate se lit environ %2°.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Use These Angles</source>
        <translation>&amp;Utiliser ces angles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chooses the posture on the upper arm, lower arm, wrist, neck and trunk screens; the frequency and force screen stays yours.</source>
        <translation>Choisit la posture sur les écrans du bras, de l&apos;avant-bras, du poignet, du cou et du tronc&#xa0;; l&apos;écran Fréquence et force reste à vous.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Opening %1… Esc gives up.</source>
        <translation>Ouverture de %1… Échap abandonne.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment… Esc gives up.</source>
        <translation>Ouverture de la photo enregistrée avec l&apos;évaluation… Échap abandonne.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening %1…</source>
        <translation>Ouverture de %1…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment…</source>
        <translation>Ouverture de la photo enregistrée avec l&apos;évaluation…</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open a Photo</source>
        <translation>Ouvrir une photo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Photos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;All files (*)</source>
        <translation>Photos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+265"/>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was printed: %1</source>
        <translation>Rien n&apos;a été imprimé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>rula::PictureBox</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-153"/>
        <source>Upper arm 20° back to 20° forward</source>
        <translation>Bras de 20° en arrière à 20° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm hanging down, between 20° behind and 20° in front of the vertical. Base score 1.</source>
        <translation>Bras pendant, entre 20° en arrière et 20° en avant de la verticale. Score de base 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm in extension beyond 20°</source>
        <translation>Bras en extension au-delà de 20°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm reaching behind the body, more than 20° of extension. Base score 2.</source>
        <translation>Bras tendu en arrière du corps, plus de 20° d&apos;extension. Score de base 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm 20° to 45° forward</source>
        <translation>Bras de 20° à 45° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 20° and 45°. Base score 2.</source>
        <translation>Bras levé vers l&apos;avant entre 20° et 45°. Score de base 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm 45° to 90° forward</source>
        <translation>Bras de 45° à 90° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 45° and 90°. Base score 3.</source>
        <translation>Bras levé vers l&apos;avant entre 45° et 90°. Score de base 3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm over 90° forward</source>
        <translation>Bras à plus de 90° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward beyond 90°, above the shoulder. Base score 4.</source>
        <translation>Bras levé vers l&apos;avant au-delà de 90°, au-dessus de l&apos;épaule. Score de base 4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lower arm 60° to 100° of elbow flexion</source>
        <translation>Avant-bras entre 60° et 100° de flexion du coude</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standing figure with the elbow bent between 60° and 100°. Base score 1.</source>
        <translation>Personne debout, le coude fléchi entre 60° et 100°. Score de base 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm below 60° or beyond 100°</source>
        <translation>Avant-bras sous 60° ou au-delà de 100°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm raised beyond 100° or lowered to between 0° and 60° of elbow flexion. Base score 2.</source>
        <translation>Avant-bras levé au-delà de 100° ou abaissé entre 0° et 60° de flexion du coude. Score de base 2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrist neutral, 0°</source>
        <translation>Poignet neutre, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand and forearm in a straight line: the wrist is not bent. Base score 1.</source>
        <translation>Main et avant-bras alignés&#xa0;: le poignet n&apos;est pas fléchi. Score de base 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent up to 15°</source>
        <translation>Poignet fléchi jusqu&apos;à 15°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by up to 15°. Base score 2.</source>
        <translation>Poignet fléchi vers le haut ou le bas jusqu&apos;à 15°. Score de base 2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrist bent more than 15°</source>
        <translation>Poignet fléchi de plus de 15°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by more than 15°. Base score 3.</source>
        <translation>Poignet fléchi vers le haut ou le bas de plus de 15°. Score de base 3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Neck 0° to 10° forward</source>
        <translation>Cou de 0° à 10° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 0° and 10°. Base score 1.</source>
        <translation>Tête penchée en avant entre 0° et 10°. Score de base 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Neck 10° to 20° forward</source>
        <translation>Cou de 10° à 20° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 10° and 20°. Base score 2.</source>
        <translation>Tête penchée en avant entre 10° et 20°. Score de base 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Neck over 20° forward</source>
        <translation>Cou à plus de 20° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward more than 20°. Base score 3.</source>
        <translation>Tête penchée en avant de plus de 20°. Score de base 3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck in extension</source>
        <translation>Cou en extension</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent backwards. Base score 4.</source>
        <translation>Tête penchée en arrière. Score de base 4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Trunk upright, 0°</source>
        <translation>Tronc droit, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upright trunk. Base score 1.</source>
        <translation>Tronc droit. Score de base 1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trunk 0° to 20° forward</source>
        <translation>Tronc de 0° à 20° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 0° and 20°. Base score 2.</source>
        <translation>Tronc penché en avant entre 0° et 20°. Score de base 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trunk 20° to 60° forward</source>
        <translation>Tronc de 20° à 60° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 20° and 60°. Base score 3.</source>
        <translation>Tronc penché en avant entre 20° et 60°. Score de base 3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trunk over 60° forward</source>
        <translation>Tronc à plus de 60° en avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward more than 60°. Base score 4.</source>
        <translation>Tronc penché en avant de plus de 60°. Score de base 4.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Arms across the mid-line or out to the side</source>
        <translation>Bras au-delà de la ligne médiane ou sur le côté</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Person seen from above: the arms reach across the mid-line of the body or swing out to the side. Adds 1.</source>
        <translation>Personne vue de dessus&#xa0;: les bras passent au-delà de la ligne médiane du corps ou s&apos;écartent sur le côté. Ajoute 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent away from the mid-line</source>
        <translation>Poignet dévié de la ligne médiane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand seen from above, bent to either side of the mid-line. Adds 1.</source>
        <translation>Main vue de dessus, déviée d&apos;un côté ou de l&apos;autre de la ligne médiane. Ajoute 1.</translation>
    </message>
    <message>
        <location filename="../screens/form1.cpp" line="-36"/>
        <source>Rula logo</source>
        <translation>Logo de Rula</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo of the Rula posture assessment program</source>
        <translation>Le logo du programme d&apos;évaluation posturale Rula</translation>
    </message>
    <message>
        <location filename="../screens/drawing_module.cpp" line="+39"/>
        <source>in extension</source>
        <translation>en extension</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryCopy</name>
    <message>
        <location filename="../study/recovery_copy.cpp" line="+176"/>
        <source>%1: no recovery copy can be kept there</source>
        <translation>%1&#xa0;: aucune copie de récupération ne peut y être conservée</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryKeeper</name>
    <message>
        <location filename="../app/recovery_keeper.cpp" line="+154"/>
        <source>Rula closed with unsaved changes at %1. Recover them?</source>
        <translation>Rula s&apos;est fermé avec des modifications non enregistrées à %1. Les récupérer&#xa0;?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rula closed with unsaved changes on %1 at %2. Recover them?</source>
        <translation>Rula s&apos;est fermé avec des modifications non enregistrées le %1 à %2. Les récupérer&#xa0;?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
</context>
<context>
    <name>rula::ScreenShell</name>
    <message>
        <location filename="../screens/screen_shell.cpp" line="+66"/>
        <source>Introduction</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm</source>
        <translation>Bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Avant-bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Rotation du poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Cou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk and legs</source>
        <translation>Tronc et jambes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency and force</source>
        <translation>Fréquence et force</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final score</source>
        <translation>Score final</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Open a Study</source>
        <translation>Ouvrir une étude</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Measure on a &amp;Photo…</source>
        <translation>Mesurer sur une &amp;photo…</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Nothing was printed: %1</source>
        <translation>Rien n&apos;a été imprimé&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close &amp;Without Saving</source>
        <translation>Fermer &amp;sans enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+180"/>
        <source>&amp;Continue</source>
        <translation>&amp;Continuer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../screens/screen_shell.h" line="+50"/>
        <source>Rula posture assessment</source>
        <translation>Évaluation posturale Rula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software</source>
        <translation>Logiciel libre</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save the changes to the chart before closing?</source>
        <translation>Enregistrer les modifications du tableau avant de fermer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>rula::SideField</name>
    <message>
        <location filename="../chart/chart_fields.cpp" line="+191"/>
        <source>Side not said</source>
        <translation>Côté non précisé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side</source>
        <translation>Côté gauche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation>Côté droit</translation>
    </message>
</context>
<context>
    <name>rula::SideLetter</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="-32"/>
        <source>L</source>
        <comment>left side</comment>
        <translation>G</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>R</source>
        <comment>right side</comment>
        <translation>D</translation>
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
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="-584"/>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a list</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>une liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an object</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>un objet</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nothing</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>rien</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, not a text</source>
        <translation>%1, pas un texte</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a number</source>
        <translation>%1, pas un nombre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not true or false</source>
        <translation>%1, ni true ni false</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not [x, y]</source>
        <translation>%1, pas [x, y]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a list</source>
        <translation>%1, pas une liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not an object</source>
        <translation>%1, pas un objet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a date</source>
        <translation>%1, pas une date</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is missing</source>
        <translation>%1 manque</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>holds a line break</source>
        <translation>contient un saut de ligne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds a line break other than \n (U+%1)</source>
        <translation>contient un saut de ligne autre que \n (U+%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>holds a control character (U+%1)</source>
        <translation>contient un caractère de contrôle (U+%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>holds half a character (a lone surrogate)</source>
        <translation>contient un demi-caractère (un substitut isolé)</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>longer than %n characters (%1)</source>
        <translation>
            <numerusform>plus long que %n caractère (%1)</numerusform>
            <numerusform>plus long que %n caractères (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>blank (null), but this score is never blank (%1 to %2)</source>
        <translation>vide (null), mais ce score n&apos;est jamais vide (%1 à %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+293"/>
        <source>%1 is not a whole number</source>
        <translation>%1 n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>%1 is not a score this program gives (%2 to %3)</source>
        <translation>%1 n&apos;est pas un score que ce programme donne (%2 à %3)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a score of this program</source>
        <translation>%1 n&apos;est pas un score de ce programme</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a side (&quot;left&quot;, &quot;right&quot; or null)</source>
        <translation>%1 n&apos;est pas un côté (&quot;left&quot;, &quot;right&quot; ou null)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not an answer of this program</source>
        <translation>%1 n&apos;est pas une réponse de ce programme</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 is not one of its answers (null, %2)</source>
        <translation>%1 n&apos;est pas l&apos;une de ses réponses (null, %2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not from %2 to %3</source>
        <translation>%1 n&apos;est pas entre %2 et %3</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n numbers, not two ([x, y])</source>
        <translation>
            <numerusform>%n nombre, pas deux ([x, y])</numerusform>
            <numerusform>%n nombres, pas deux ([x, y])</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not a key of a photo</source>
        <translation>%1 n&apos;est pas une clé d&apos;une photo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>type %1 is not &quot;image/jpeg&quot;</source>
        <translation>le type %1 n&apos;est pas &quot;image/jpeg&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a size in pixels</source>
        <translation>%1 n&apos;est pas une taille en pixels</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the data is not base64</source>
        <translation>les données ne sont pas en base64</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a JPEG</source>
        <translation>pas un JPEG</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the JPEG ends too early (truncated)</source>
        <translation>le JPEG se termine trop tôt (tronqué)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the JPEG gives no size</source>
        <translation>le JPEG n&apos;indique pas de taille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 × %2 pixels: too large (at most %3 megapixels)</source>
        <translation>%1 × %2 pixels&#xa0;: trop grand (%3 mégapixels au plus)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 × %2 pixels: a study keeps photos of at most %3 pixels on their long side</source>
        <translation>%1 × %2 pixels&#xa0;: une étude conserve des photos de %3 pixels au plus sur leur grand côté</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the JPEG is to be turned (EXIF orientation %1); a study keeps photos upright</source>
        <translation>le JPEG doit être tourné (orientation EXIF %1)&#xa0;; une étude conserve les photos droites</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the JPEG is %1 × %2 pixels, not %3 × %4 as given</source>
        <translation>le JPEG mesure %1 × %2 pixels, pas %3 × %4 comme indiqué</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of a measurement</source>
        <translation>%1 n&apos;est pas une clé d&apos;une mesure</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not &quot;left&quot; or &quot;right&quot;</source>
        <translation>%1 n&apos;est ni &quot;left&quot; ni &quot;right&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a key of the points</source>
        <translation>%1 n&apos;est pas une clé des points</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a key of a plumb line</source>
        <translation>%1 n&apos;est pas une clé d&apos;un fil à plomb</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of the angles</source>
        <translation>%1 n&apos;est pas une clé des angles</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not the angle its points give (%2)</source>
        <translation>%1 n&apos;est pas l&apos;angle que donnent ses points (%2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+4"/>
        <source>%1 is not a key of a row</source>
        <translation>%1 n&apos;est pas une clé d&apos;une ligne</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the scores are not those of its answers (%1 %2, where its answers give %3)</source>
        <translation>les scores ne sont pas ceux de ses réponses (%1 %2, alors que ses réponses donnent %3)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a Rula study (no &quot;format&quot;)</source>
        <translation>pas une étude Rula (pas de &quot;format&quot;)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a Rula study (format %1)</source>
        <translation>pas une étude Rula (format %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>written by a newer Rula: format %1; this one reads format %2</source>
        <translation>écrit par un Rula plus récent&#xa0;: format %1&#xa0;; celui-ci lit le format %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>version: %1 is not a version of the format</source>
        <translation>version&#xa0;: %1 n&apos;est pas une version du format</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a key of a study</source>
        <translation>%1 n&apos;est pas une clé d&apos;une étude</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>observed: %1 is not a date (YYYY-MM-DD)</source>
        <translation>observed&#xa0;: %1 n&apos;est pas une date (AAAA-MM-JJ)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>observed: %1 is not a date the chart shows (%2 to %3)</source>
        <translation>observed&#xa0;: %1 n&apos;est pas une date que le tableau affiche (%2 à %3)</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>rows: %n rows; a chart holds at most %1</source>
        <translation>
            <numerusform>rows&#xa0;: %n ligne&#xa0;; un tableau en contient %1 au plus</numerusform>
            <numerusform>rows&#xa0;: %n lignes&#xa0;; un tableau en contient %1 au plus</numerusform>
        </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 at byte %2: a whole number is written in digits alone</source>
        <translation>%1 à l&apos;octet %2&#xa0;: un nombre entier s&apos;écrit en chiffres seuls</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 at byte %2: a number is written as %3, the shortest text that reads back as it</source>
        <translation>%1 à l&apos;octet %2&#xa0;: un nombre s&apos;écrit %3, le texte le plus court qui se relit à l&apos;identique</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is given twice (at byte %2)</source>
        <translation>%1 est donné deux fois (à l&apos;octet %2)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>truncated: the JSON ends at byte %1 before it is complete</source>
        <translation>tronqué&#xa0;: le JSON s&apos;arrête à l&apos;octet %1 avant d&apos;être complet</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not JSON: %1 at byte %2</source>
        <translation>pas du JSON&#xa0;: %1 à l&apos;octet %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>larger than %1 MiB (%2 bytes); a study of ten rows with photos is far smaller</source>
        <translation>plus de %1 Mio (%2 octets)&#xa0;; une étude de dix lignes avec photos est bien plus petite</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>not JSON: the file is empty</source>
        <translation>pas du JSON&#xa0;: le fichier est vide</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is UTF-16; studies are UTF-8</source>
        <translation>le fichier est en UTF-16&#xa0;; les études sont en UTF-8</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file starts with a byte-order mark; studies are written without one</source>
        <translation>le fichier commence par une marque d&apos;ordre des octets&#xa0;; les études s&apos;écrivent sans</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Rula study (a list, not an object)</source>
        <translation>pas une étude Rula (une liste, pas un objet)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a folder, not a study file</source>
        <translation>un dossier, pas un fichier d&apos;étude</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a named pipe, not a study file</source>
        <translation>un tube nommé, pas un fichier d&apos;étude</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device, not a study file</source>
        <translation>un périphérique, pas un fichier d&apos;étude</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a socket, not a study file</source>
        <translation>un socket, pas un fichier d&apos;étude</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>not saved: the chart cannot be kept as it is (%1)</source>
        <translation>non enregistré&#xa0;: le tableau ne peut pas être conservé tel quel (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not saved: %1</source>
        <translation>non enregistré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>rula::StudyReport</name>
    <message>
        <location filename="../report/study_report.cpp" line="+68"/>
        <source>Upper arm</source>
        <translation>Bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Avant-bras</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Rotation poignet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Cou</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Tronc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Jambes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Posture score A (Table A)</source>
        <translation>Score de posture A (tableau A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A</source>
        <translation>Utilisation musculaire A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A</source>
        <translation>Force ou charge A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score C</source>
        <translation>Score C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture score B (Table B)</source>
        <translation>Score de posture B (tableau B)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B</source>
        <translation>Utilisation musculaire B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B</source>
        <translation>Force ou charge B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score D</source>
        <translation>Score D</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left side</source>
        <translation>Côté gauche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right side</source>
        <translation>Côté droit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Side not said</source>
        <translation>Côté non précisé</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no posture chosen</source>
        <translation>aucune posture choisie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>; </source>
        <extracomment>Between a posture and each ticked box on the report, as the language sets a semicolon</extracomment>
        <translation>&#xa0;; </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>not chosen</source>
        <translation>non choisi</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Row %L1</source>
        <translation>Ligne %L1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row %L1: %2</source>
        <translation>Ligne %L1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The photo kept with this row could not be read.</source>
        <translation>La photo enregistrée avec cette ligne n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This row was kept by an earlier version of Rula, without its answers: only its scores are known.</source>
        <translation>Cette ligne a été enregistrée par une version antérieure de Rula, sans ses réponses&#xa0;: seuls ses scores sont connus.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 of %L2</source>
        <extracomment>A segment&apos;s score against the worst it can be: &quot;3 of 6&quot;</extracomment>
        <translation>%1 sur %L2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Final score</source>
        <translation>Score final</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Action level %L1: %2</source>
        <translation>Niveau d&apos;action %L1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No final score: an answer is missing.</source>
        <translation>Pas de score final&#xa0;: il manque une réponse.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No notes.</source>
        <translation>Aucune note.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>acceptable if not maintained or repeated for long periods</source>
        <translation>acceptable si la posture n&apos;est pas maintenue ou répétée sur de longues périodes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>further investigation is needed and changes may be required</source>
        <translation>une étude plus approfondie est nécessaire et des changements peuvent être requis</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>investigation and changes are required soon</source>
        <translation>une étude et des changements sont requis rapidement</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>investigation and changes are required immediately</source>
        <translation>une étude et des changements sont requis immédiatement</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Upper arm: %1</source>
        <translation>Bras&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm: %1</source>
        <translation>Avant-bras&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist: %1</source>
        <translation>Poignet&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist: %1</source>
        <translation>Rotation du poignet&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck: %1</source>
        <translation>Cou&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk: %1</source>
        <translation>Tronc&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Legs: %1: yes</source>
        <translation>Jambes&#xa0;: %1&#xa0;: oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs: %1: no</source>
        <translation>Jambes&#xa0;: %1&#xa0;: non</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A: %1</source>
        <translation>Utilisation musculaire A&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A: %1</source>
        <translation>Force ou charge A&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B: %1</source>
        <translation>Utilisation musculaire B&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B: %1</source>
        <translation>Force ou charge B&#xa0;: %1</translation>
    </message>
</context>
</TS>
