<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Printing</name>
    <message>
        <location filename="../printing/cups_printer.cpp" line="+67"/>
        <source>the printer did not answer.</source>
        <translation>la impresora no respondió.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the printer did not answer. The page may still come out when the printer answers again.</source>
        <translation>la impresora no respondió. La página puede salir todavía cuando la impresora vuelva a responder.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the print system (%1) could not be reached.</source>
        <translation>no se pudo acceder al sistema de impresión (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no default printer is set up on this computer.</source>
        <translation>este ordenador no tiene configurada ninguna impresora predeterminada.</translation>
    </message>
    <message>
        <location filename="../printing/print_module.cpp" line="+37"/>
        <source>the print module %1 is missing.</source>
        <translation>falta el módulo de impresión %1.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the print module %1 belongs to another version.</source>
        <translation>el módulo de impresión %1 es de otra versión.</translation>
    </message>
    <message>
        <location filename="../printing/printing.cpp" line="+131"/>
        <source>%1   Page %2 of %3</source>
        <extracomment>The date line, then the page&apos;s number: &quot;Rula · Report 2026-12-08 20:36 +01:00 Page 2 of 7&quot;</extracomment>
        <translation>%1   Página %2 de %3</translation>
    </message>
    <message>
        <location line="+99"/>
        <source>the file %1 could not be written: %2.</source>
        <translation>no se pudo escribir el archivo %1: %2.</translation>
    </message>
</context>
<context>
    <name>rula::ChartCsv</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="+93"/>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Site</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assessor</source>
        <translation>Evaluador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Observed</source>
        <translation>Observado</translation>
    </message>
</context>
<context>
    <name>rula::ChartTable</name>
    <message>
        <location line="-45"/>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
</context>
<context>
    <name>rula::Display</name>
    <message>
        <location filename="../app/display.cpp" line="+40"/>
        <source>rula: no display is set; start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display</source>
        <translation>rula: no hay ninguna pantalla gráfica indicada; inicie el programa desde un escritorio o asigne a DISPLAY (X11) o WAYLAND_DISPLAY (Wayland) una pantalla gráfica en funcionamiento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>rula: cannot open the display (%1); start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display</source>
        <translation>rula: no se puede abrir la pantalla gráfica (%1); inicie el programa desde un escritorio o asigne a DISPLAY (X11) o WAYLAND_DISPLAY (Wayland) una pantalla gráfica en funcionamiento</translation>
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
        <translation>Este programa se basa en los criterios recomendados en «Rula: a survey method
for the investigation of work-related upper limb disorders», de L. McAtamney y
E. N. Corlett, Applied Ergonomics 1993, 24(2), 91-99.  Se ha hecho todo lo posible
por asegurar la exactitud de los cálculos; no obstante, este programa no ofrece
ninguna garantía, ni expresa ni implícita.  Evaluación postural Rula, software libre.
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
        <translation>Introducción</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
</context>
<context>
    <name>rula::Form10</name>
    <message>
        <location filename="../chart/form10.cpp" line="+52"/>
        <source>Upper Arm</source>
        <translation>Brazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm</source>
        <translation>Antebrazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist Twist</source>
        <translation>Giro de muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture A</source>
        <translation>Postura A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use A</source>
        <translation>Actividad muscular A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load A</source>
        <translation>Fuerza/ carga A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final A</source>
        <translation>Final A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Cuello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Piernas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture B</source>
        <translation>Postura B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use B</source>
        <translation>Actividad muscular B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load B</source>
        <translation>Fuerza/ carga B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final B</source>
        <translation>Final B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final Score</source>
        <translation>Puntuación final</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ite:</source>
        <translation>&amp;Lugar:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assessed b&amp;y:</source>
        <translation>Evaluado &amp;por:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Observe&amp;d:</source>
        <translation>&amp;Observado:</translation>
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
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear Chart</source>
        <translation>&amp;Vaciar tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>C&amp;opy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+312"/>
        <source>Re&amp;view</source>
        <translation>&amp;Revisar</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Ne&amp;w Assessment</source>
        <translation>&amp;Nueva evaluación</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+737"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="-736"/>
        <location line="+680"/>
        <source>Save &amp;As…</source>
        <translation>Guardar co&amp;mo…</translation>
    </message>
    <message>
        <location line="-679"/>
        <source>Ope&amp;n…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print &amp;Report</source>
        <translation>Imprimir in&amp;forme</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+570"/>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <location line="-569"/>
        <location line="+61"/>
        <location line="+508"/>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <location line="-534"/>
        <location line="+26"/>
        <source>Row %1, %2</source>
        <translation>Fila %1, %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Task, row %1</source>
        <translation>Tarea, fila %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Side, row %1</source>
        <translation>Lado, fila %1</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>%1[*] - Rula</source>
        <translation>%1[*] - Rula</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Notes, row %1:</source>
        <translation>Notas, fila %1:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Assess the &amp;Other Side</source>
        <translation>&amp;Evaluar el otro lado</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+91"/>
        <source>&amp;Delete Row</source>
        <translation>&amp;Borrar fila</translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so it cannot be reviewed.</source>
        <translation>La fila %1 solo contiene sus puntuaciones: la guardó una versión anterior de Rula, sin las respuestas de las que salieron, así que no se puede revisar.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so its other side cannot be started from it.</source>
        <translation>La fila %1 solo contiene sus puntuaciones: la guardó una versión anterior de Rula, sin las respuestas de las que salieron, así que no se puede empezar desde ella la evaluación del otro lado.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Which side does row %1 show?</source>
        <translation>¿Qué lado muestra la fila %1?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Left</source>
        <translation>&amp;Izquierdo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Right</source>
        <translation>&amp;Derecho</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Delete row %1? It cannot be brought back.</source>
        <translation>¿Borrar la fila %1? No se podrá recuperar.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete row %1, “%2”? It cannot be brought back.</source>
        <translation>¿Borrar la fila %1, «%2»? No se podrá recuperar.</translation>
    </message>
    <message>
        <location line="+20"/>
        <location line="+191"/>
        <location line="+86"/>
        <location line="+26"/>
        <location line="+31"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="-260"/>
        <source>Chart</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Title: %1</source>
        <translation>Título: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Site: %1</source>
        <translation>Lugar: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Assessor: %1</source>
        <translation>Evaluador: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Observed: %1</source>
        <translation>Observado: %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Clear the 1 row of the chart? It cannot be brought back.</source>
        <translation>¿Borrar la única fila de la tabla? No se podrá recuperar.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Clear all %n rows of the chart? They cannot be brought back.</source>
        <translation>
            <numerusform>¿Borrar %n fila de la tabla? No se podrá recuperar.</numerusform>
            <numerusform>¿Borrar las %n filas de la tabla? No se podrán recuperar.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear All &amp;Rows</source>
        <translation>&amp;Borrar todas las filas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The study was changed by another program since you opened it.</source>
        <translation>Otro programa ha cambiado el estudio desde que usted lo abrió.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;Anyway</source>
        <translation>&amp;Guardar de todos modos</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The study was not saved.

%1</source>
        <translation>El estudio no se ha guardado.

%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save the changes to the chart before opening another study?</source>
        <translation>¿Guardar los cambios de la tabla antes de abrir otro estudio?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open &amp;Without Saving</source>
        <translation>Abrir &amp;sin guardar</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The study was not opened.

%1</source>
        <translation>El estudio no se ha abierto.

%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The chart was not exported.

%1</source>
        <translation>La tabla no se ha exportado.

%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Study</source>
        <translation>Estudio</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Rula studies (*.rula)</source>
        <translation>Estudios de Rula (*.rula)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV table (*.csv)</source>
        <translation>Tabla CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save Study As</source>
        <translation>Guardar estudio como</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Study</source>
        <translation>Abrir estudio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export Chart</source>
        <translation>Exportar tabla</translation>
    </message>
</context>
<context>
    <name>rula::Form2</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+137"/>
        <source>Shoulder is raised</source>
        <translation>Hombro elevado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper arm is abducted</source>
        <translation>Brazo separado del cuerpo (abducción)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leaning or supporting the weight of the arm</source>
        <translation>Brazo apoyado o con su peso sostenido</translation>
    </message>
    <message>
        <location filename="../screens/form2.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (brazos y muñecas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper Arm Posture</source>
        <translation>Postura del brazo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Upper Arm Adjustments</source>
        <translation>Ajustes del brazo</translation>
    </message>
</context>
<context>
    <name>rula::Form3</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+3"/>
        <source>Working across the mid-line or out to the side of body</source>
        <translation>Trabaja cruzando la línea media o a un lado del cuerpo</translation>
    </message>
    <message>
        <location filename="../screens/form3.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (brazos y muñecas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower Arm Posture</source>
        <translation>Postura del antebrazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm Adjustments</source>
        <translation>Ajustes del antebrazo</translation>
    </message>
</context>
<context>
    <name>rula::Form4</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Wrist is bent away from the mid-line</source>
        <translation>Muñeca desviada de la línea media</translation>
    </message>
    <message>
        <location filename="../screens/form4.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (brazos y muñecas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Posture</source>
        <translation>Postura de la muñeca</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Wrist Adjustments</source>
        <translation>Ajustes de la muñeca</translation>
    </message>
</context>
<context>
    <name>rula::Form5</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+16"/>
        <source>Mainly in mid-range of twist</source>
        <translation>Principalmente en el rango medio de giro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>At or near the end of twisting range</source>
        <translation>En el extremo del rango de giro o cerca de él</translation>
    </message>
    <message>
        <location filename="../screens/form5.cpp" line="+12"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (brazos y muñecas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Twist Posture</source>
        <translation>Giro de muñeca</translation>
    </message>
</context>
<context>
    <name>rula::Form6</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-15"/>
        <source>Neck is twisting</source>
        <translation>Cuello girado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck is side-bending</source>
        <translation>Cuello inclinado lateralmente</translation>
    </message>
    <message>
        <location filename="../screens/form6.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Postura - Grupo B (cuello, tronco y piernas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck Posture</source>
        <translation>Postura del cuello</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Neck Adjustments</source>
        <translation>Ajustes del cuello</translation>
    </message>
</context>
<context>
    <name>rula::Form7</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Trunk is twisting</source>
        <translation>Tronco girado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is side-bending</source>
        <translation>Tronco inclinado lateralmente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is well supported while seated</source>
        <translation>Tronco bien apoyado estando sentado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are legs and feet supported and balanced</source>
        <translation>Piernas y pies apoyados y equilibrados</translation>
    </message>
    <message>
        <location filename="../screens/form7.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Postura - Grupo B (cuello, tronco y piernas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk Posture</source>
        <translation>Postura del tronco</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Trunk Adjustments</source>
        <translation>Ajustes del tronco</translation>
    </message>
</context>
<context>
    <name>rula::Form8</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+7"/>
        <source>Moderate posture, not static, not lightly repetitive</source>
        <translation>Postura moderada, ni estática ni ligeramente repetitiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is mainly static (held longer than 1 minute)</source>
        <translation>Actividad principalmente estática (mantenida más de 1 minuto)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is repeated more than 4 times/minute</source>
        <translation>Actividad repetida más de 4 veces/minuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load &lt; 5 lbs. ( 2 kg ); intermittent</source>
        <translation>Carga &lt; 5 lb ( 2 kg ); intermitente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); intermittent</source>
        <translation>Carga de 5-25 lb ( 2-10 kg ); intermitente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); static or repeated</source>
        <translation>Carga de 5-25 lb ( 2-10 kg ); estática o repetida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load &gt; 25 lbs. ( 10 kg ); repeated or shocks</source>
        <translation>Carga &gt; 25 lb ( 10 kg ); repetida o con golpes</translation>
    </message>
    <message>
        <location filename="../screens/form8.cpp" line="+18"/>
        <source>Frequency and Force</source>
        <translation>Frecuencia y fuerza</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Muscle Use</source>
        <translation>Actividad muscular</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+15"/>
        <source>Force</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Group A (Arm, Wrist)</source>
        <translation>Grupo A (brazo, muñeca)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group B (Neck, Trunk, Legs)</source>
        <translation>Grupo B (cuello, tronco, piernas)</translation>
    </message>
</context>
<context>
    <name>rula::Form9</name>
    <message>
        <location filename="../screens/form9.cpp" line="+35"/>
        <source>Final Upper Arm Score =</source>
        <translation>Puntuación del brazo =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Lower Arm Score =</source>
        <translation>Puntuación del antebrazo =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Wrist Score =</source>
        <translation>Puntuación de la muñeca =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wrist Twist Score =</source>
        <translation>Puntuación del giro de muñeca =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture A Score =</source>
        <translation>Puntuación postural A =</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+35"/>
        <source>Muscle Use Score =</source>
        <translation>Puntuación de actividad muscular =</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+35"/>
        <source>Force/load Score =</source>
        <translation>Puntuación de fuerza/carga =</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Final Wrist and Arm Score =</source>
        <translation>Puntuación final de brazo y muñeca =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Neck Score =</source>
        <translation>Puntuación del cuello =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Trunk Score =</source>
        <translation>Puntuación del tronco =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Legs Score =</source>
        <translation>Puntuación de las piernas =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture B Score =</source>
        <translation>Puntuación postural B =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Final Neck, Trunk and Leg Score =</source>
        <translation>Puntuación final de cuello, tronco y piernas =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>1 or 2 = Minimum Risk</source>
        <translation>1 o 2 = Riesgo mínimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 or 4 = Low Risk</source>
        <translation>3 o 4 = Riesgo bajo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 or 6 = Moderate Risk</source>
        <translation>5 o 6 = Riesgo moderado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 = High Risk</source>
        <translation>7 = Riesgo alto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rula - Final</source>
        <translation>Rula - Puntuación final</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Add to chart</source>
        <translation>Aña&amp;dir a la tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Goto Chart</source>
        <translation>&amp;Ver la tabla</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Complete: A. Arm and Wrist Analysis</source>
        <translation>Completo: A. Análisis de brazo y muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Complete: B. Neck, Trunk and Leg Analysis</source>
        <translation> Completo: B. Análisis de cuello, tronco y piernas</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Final Score</source>
        <translation>Puntuación final</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;New Assessment</source>
        <translation>&amp;Nueva evaluación</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>&amp;Update Row %L1</source>
        <translation>Ac&amp;tualizar fila %L1</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Assess the &amp;Other Side</source>
        <translation>&amp;Evaluar el otro lado</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>upper arm</source>
        <translation>brazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>antebrazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist</source>
        <translation>muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist twist</source>
        <translation>giro de muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>cuello</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trunk</source>
        <translation>tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group A</source>
        <translation>actividad muscular del grupo A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group A</source>
        <translation>fuerza o carga del grupo A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group B</source>
        <translation>actividad muscular del grupo B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group B</source>
        <translation>fuerza o carga del grupo B</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Not answered: %1</source>
        <translation>Sin respuesta: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The answers changed after these scores: press Continue on the frequency and force screen again</source>
        <translation>Las respuestas han cambiado después de estas puntuaciones: vuelva a pulsar Continuar en la pantalla de frecuencia y fuerza</translation>
    </message>
</context>
<context>
    <name>rula::PhotoFile</name>
    <message>
        <location filename="../photo/decoder_module.cpp" line="+26"/>
        <source>the decoder module %1 belongs to another version.</source>
        <translation>el módulo decodificador %1 es de otra versión.</translation>
    </message>
    <message>
        <location filename="../photo/decoder_module.h" line="+44"/>
        <source>%1 is not a photo Rula can open</source>
        <translation>%1 no es una foto que Rula pueda abrir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends too early (truncated)</source>
        <translation>%1 termina antes de tiempo (truncado)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be decoded: %2</source>
        <translation>%1 no se puede decodificar: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2 × %3 pixels: too large to open (at most %4 megapixels)</source>
        <translation>%1 tiene %2 × %3 píxeles: demasiado grande para abrirlo (como máximo %4 megapíxeles)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <location filename="../photo/kept_photo.cpp" line="+66"/>
        <location line="+10"/>
        <source>The kept photo cannot be opened: %1</source>
        <translation>No se puede abrir la foto guardada: %1</translation>
    </message>
    <message>
        <location filename="../photo/photo_file.cpp" line="+31"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 no se puede leer: %2</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>%1 is a folder</source>
        <translation>%1 es una carpeta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a named pipe</source>
        <translation>%1 es una tubería con nombre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a device</source>
        <translation>%1 es un dispositivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a socket</source>
        <translation>%1 es un socket</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is a HEIC photo, and the decoder for HEIC is missing: %2</source>
        <translation>%1 es una foto HEIC y falta el decodificador de HEIC: %2</translation>
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
        <translation>plomada</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>No photo is open.</source>
        <translation>No hay ninguna foto abierta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for the other end of the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter.</source>
        <translation>Pide el otro extremo de la plomada: mueva la cruz con las flechas, Mayús para pasos más largos, y pulse Intro.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for one end of something vertical for the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter. Esc gives up.</source>
        <translation>Pide un extremo de algo vertical para la plomada: mueva la cruz con las flechas, Mayús para pasos más largos, y pulse Intro. Esc cancela.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point, Esc goes back to placing the %2.</source>
        <translation>El punto «%1» está seleccionado: las flechas lo mueven, Mayús para pasos más largos. N y P seleccionan el punto siguiente y el anterior; Esc vuelve a colocar el punto «%2».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point.</source>
        <translation>El punto «%1» está seleccionado: las flechas lo mueven, Mayús para pasos más largos. N y P seleccionan el punto siguiente y el anterior.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks for the %1: move the cross with the arrow keys, Shift for larger steps, and press Enter to place it. N and P select a point placed.</source>
        <translation>Pide el punto «%1»: mueva la cruz con las flechas, Mayús para pasos más largos, y pulse Intro para colocarlo. N y P seleccionan un punto ya colocado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks which way the worker faces first.</source>
        <translation>Primero pregunta hacia dónde mira el trabajador.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All six points are placed. N and P select a point to move with the arrow keys.</source>
        <translation>Los seis puntos están colocados. N y P seleccionan un punto para moverlo con las flechas.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open a photo, or drop one here.</source>
        <translation>Abra una foto o suéltela aquí.</translation>
    </message>
</context>
<context>
    <name>rula::PhotoWindow</name>
    <message>
        <location filename="../photo/angle_words.cpp" line="+32"/>
        <source>Trunk</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>trunk</source>
        <translation>tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1: flexion %2</source>
        <translation>%1: flexión %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1: leaning back %2</source>
        <translation>%1: inclinación hacia atrás %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1 of flexion</source>
        <translation>%1 de flexión</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 leaning back</source>
        <translation>%1 de inclinación hacia atrás</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck</source>
        <translation>Cuello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>cuello</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: extension %2</source>
        <translation>%1: extensión %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of extension</source>
        <translation>%1 de extensión</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upper arm</source>
        <translation>Brazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>upper arm</source>
        <translation>brazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised forward %2</source>
        <translation>%1: elevado hacia delante %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised behind the trunk %2</source>
        <translation>%1: elevado por detrás del tronco %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised forward</source>
        <translation>%1 hacia delante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised behind the trunk</source>
        <translation>%1 por detrás del tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 forward or behind the trunk</source>
        <translation>%1 hacia delante o por detrás del tronco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower arm</source>
        <translation>Antebrazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>antebrazo</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Wrist</source>
        <translation>Muñeca</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>%1: flexion or extension %2</source>
        <translation>%1: flexión o extensión %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 of flexion or extension</source>
        <translation>%1 de flexión o extensión</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 or more</source>
        <translation>%1 o más</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or less</source>
        <translation>%1 o menos</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+21"/>
        <source>under %1</source>
        <translation>menos de %1</translation>
    </message>
    <message>
        <location line="-19"/>
        <location line="+23"/>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <location line="-23"/>
        <source>%1 to under %2</source>
        <translation>%1 a menos de %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>more than %1 to %2</source>
        <translation>más de %1 a %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1 and under %2</source>
        <translation>más de %1 y menos de %2</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: not measured yet</source>
        <translation>%1: aún sin medir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>band %1, base score %2</source>
        <translation>tramo de %1, puntuación base %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no option of the %1 screen fits; choose it by eye</source>
        <translation>ninguna opción de la pantalla de %1 encaja; elíjala a ojo</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; on an edge, which counts in the band with the higher score</source>
        <translation>%1; en un límite, que cuenta en el tramo de mayor puntuación</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; near the edge of a band</source>
        <translation>%1; cerca del límite de un tramo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; check by eye: rounded shoulders can read as extension</source>
        <translation>%1; compruébelo a ojo: unos hombros encorvados pueden parecer extensión</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: not measured; the %2 screen is left as it was</source>
        <translation>%1: sin medir; la pantalla de %2 queda como estaba</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: chosen on the %2 screen</source>
        <translation>%1: elegido en la pantalla de %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no option of the %2 screen fits; choose it by eye</source>
        <translation>%1: ninguna opción de la pantalla de %2 encaja; elíjala a ojo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: not chosen; check by eye: rounded shoulders can read as extension</source>
        <translation>%1: sin elegir; compruébelo a ojo: unos hombros encorvados pueden parecer extensión</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A click on a screen changes the choice there.</source>
        <translation>Un clic en una pantalla cambia allí la elección.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plumb line: camera tilted %1: corrected</source>
        <translation>Plomada: cámara inclinada %1: corregido</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+174"/>
        <source>hip</source>
        <translation>cadera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shoulder</source>
        <translation>hombro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear</source>
        <translation>oreja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elbow</source>
        <translation>codo</translation>
    </message>
    <message>
        <location filename="../photo/angle_words.cpp" line="-168"/>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>wrist</source>
        <translation>muñeca</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>knuckle</source>
        <translation>nudillo</translation>
    </message>
    <message>
        <location filename="../photo/photo_window.cpp" line="+113"/>
        <source>Open a photo of the worker seen from the side.</source>
        <translation>Abra una foto del trabajador visto de lado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the other end of the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Haga clic en el otro extremo de la plomada, o lleve allí la cruz con las flechas y pulse Intro</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click one end of something vertical for the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Haga clic en un extremo de algo vertical para la plomada, o lleve allí la cruz con las flechas y pulse Intro</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Which way does the worker face?</source>
        <translation>¿Hacia dónde mira el trabajador?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click the %1, or press Esc, move the cross with the arrow keys and press Enter</source>
        <translation>Haga clic en el punto «%1», o pulse Esc, mueva la cruz con las flechas y pulse Intro</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the %1, or move the cross with the arrow keys and press Enter</source>
        <translation>Haga clic en el punto «%1», o mueva la cruz con las flechas y pulse Intro</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drag a point to move it, or select it (N and P select from the keyboard) and use the arrow keys.</source>
        <translation>Arrastre un punto para moverlo, o selecciónelo (N y P seleccionan desde el teclado) y use las flechas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing not chosen</source>
        <translation>Orientación sin elegir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing left</source>
        <translation>Mira a la izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing right</source>
        <translation>Mira a la derecha</translation>
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
        <translation>&amp;Abrir una foto…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the photo from the side, with the camera at shoulder height and square to the body, and the whole worker in the frame.</source>
        <translation>Tome la foto de lado, con la cámara a la altura del hombro y perpendicular al cuerpo, y con todo el trabajador en el encuadre.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing &amp;left</source>
        <translation>Mira a la &amp;izquierda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing &amp;right</source>
        <translation>Mira a la &amp;derecha</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Draw a Plum&amp;b Line</source>
        <translation>&amp;Trazar una plomada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Right side facing the camera</source>
        <translation>Lado derecho hacia la cámara</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side facing the camera</source>
        <translation>Lado izquierdo hacia la cámara</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Side:</source>
        <translation>&amp;Lado:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Angles</source>
        <translation>Ángulos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The upper arm is measured against the trunk line, as the shoulder&apos;s flexion is; so is the neck, from the shoulder to the ear, taking the ear to be over the shoulder when the neck is upright. Only the trunk is measured against the vertical.
A side view cannot show a raised shoulder, abduction, a supported arm, working across the mid-line or out to the side, wrist deviation and twist, neck or trunk twist and side-bend, the legs&apos; support, or whether a seated trunk is well supported: these stay yours to judge. A limb moving out of the photo&apos;s plane reads smaller than it is: an arm raised %1° in the scapular plane reads about %2°.</source>
        <translation>El brazo se mide respecto a la línea del tronco, como la flexión del hombro; también el cuello, del hombro a la oreja, tomando la oreja sobre el hombro cuando el cuello está erguido. Solo el tronco se mide respecto a la vertical.
Una vista lateral no muestra un hombro elevado, la abducción, un brazo apoyado, el trabajo cruzando la línea media o hacia el lado, la desviación y el giro de la muñeca, el giro y la inclinación lateral del cuello o del tronco, el apoyo de las piernas, ni si un tronco sentado está bien apoyado: eso queda a su juicio. Un miembro que sale del plano de la foto parece menor de lo que es: un brazo elevado %1° en el plano de la escápula se lee como unos %2°.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Use These Angles</source>
        <translation>&amp;Usar estos ángulos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chooses the posture on the upper arm, lower arm, wrist, neck and trunk screens; the frequency and force screen stays yours.</source>
        <translation>Elige la postura en las pantallas de brazo, antebrazo, muñeca, cuello y tronco; la pantalla de frecuencia y fuerza queda a su cargo.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Opening %1… Esc gives up.</source>
        <translation>Abriendo %1… Esc cancela.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment… Esc gives up.</source>
        <translation>Abriendo la foto guardada con la evaluación… Esc cancela.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening %1…</source>
        <translation>Abriendo %1…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment…</source>
        <translation>Abriendo la foto guardada con la evaluación…</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open a Photo</source>
        <translation>Abrir una foto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Photos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;All files (*)</source>
        <translation>Fotos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;Todos los archivos (*)</translation>
    </message>
    <message>
        <location line="+265"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was printed: %1</source>
        <translation>No se imprimió nada: %1</translation>
    </message>
</context>
<context>
    <name>rula::PictureBox</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-153"/>
        <source>Upper arm 20° back to 20° forward</source>
        <translation>Brazo de 20° atrás a 20° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm hanging down, between 20° behind and 20° in front of the vertical. Base score 1.</source>
        <translation>Brazo colgando, entre 20° por detrás y 20° por delante de la vertical. Puntuación base 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm in extension beyond 20°</source>
        <translation>Brazo en extensión de más de 20°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm reaching behind the body, more than 20° of extension. Base score 2.</source>
        <translation>Brazo hacia atrás del cuerpo, con más de 20° de extensión. Puntuación base 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm 20° to 45° forward</source>
        <translation>Brazo de 20° a 45° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 20° and 45°. Base score 2.</source>
        <translation>Brazo elevado hacia delante entre 20° y 45°. Puntuación base 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm 45° to 90° forward</source>
        <translation>Brazo de 45° a 90° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 45° and 90°. Base score 3.</source>
        <translation>Brazo elevado hacia delante entre 45° y 90°. Puntuación base 3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm over 90° forward</source>
        <translation>Brazo más de 90° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward beyond 90°, above the shoulder. Base score 4.</source>
        <translation>Brazo elevado hacia delante más de 90°, por encima del hombro. Puntuación base 4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lower arm 60° to 100° of elbow flexion</source>
        <translation>Antebrazo de 60° a 100° de flexión del codo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standing figure with the elbow bent between 60° and 100°. Base score 1.</source>
        <translation>Figura de pie con el codo flexionado entre 60° y 100°. Puntuación base 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm below 60° or beyond 100°</source>
        <translation>Antebrazo a menos de 60° o más de 100°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm raised beyond 100° or lowered to between 0° and 60° of elbow flexion. Base score 2.</source>
        <translation>Antebrazo elevado más de 100° o bajado hasta entre 0° y 60° de flexión del codo. Puntuación base 2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrist neutral, 0°</source>
        <translation>Muñeca neutra, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand and forearm in a straight line: the wrist is not bent. Base score 1.</source>
        <translation>Mano y antebrazo en línea recta: la muñeca no está doblada. Puntuación base 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent up to 15°</source>
        <translation>Muñeca doblada hasta 15°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by up to 15°. Base score 2.</source>
        <translation>Muñeca doblada hacia arriba o hacia abajo hasta 15°. Puntuación base 2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrist bent more than 15°</source>
        <translation>Muñeca doblada más de 15°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by more than 15°. Base score 3.</source>
        <translation>Muñeca doblada hacia arriba o hacia abajo más de 15°. Puntuación base 3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Neck 0° to 10° forward</source>
        <translation>Cuello de 0° a 10° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 0° and 10°. Base score 1.</source>
        <translation>Cabeza inclinada hacia delante entre 0° y 10°. Puntuación base 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Neck 10° to 20° forward</source>
        <translation>Cuello de 10° a 20° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 10° and 20°. Base score 2.</source>
        <translation>Cabeza inclinada hacia delante entre 10° y 20°. Puntuación base 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Neck over 20° forward</source>
        <translation>Cuello más de 20° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward more than 20°. Base score 3.</source>
        <translation>Cabeza inclinada hacia delante más de 20°. Puntuación base 3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck in extension</source>
        <translation>Cuello en extensión</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent backwards. Base score 4.</source>
        <translation>Cabeza inclinada hacia atrás. Puntuación base 4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Trunk upright, 0°</source>
        <translation>Tronco erguido, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upright trunk. Base score 1.</source>
        <translation>Tronco erguido. Puntuación base 1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trunk 0° to 20° forward</source>
        <translation>Tronco de 0° a 20° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 0° and 20°. Base score 2.</source>
        <translation>Tronco inclinado hacia delante entre 0° y 20°. Puntuación base 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trunk 20° to 60° forward</source>
        <translation>Tronco de 20° a 60° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 20° and 60°. Base score 3.</source>
        <translation>Tronco inclinado hacia delante entre 20° y 60°. Puntuación base 3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trunk over 60° forward</source>
        <translation>Tronco más de 60° adelante</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward more than 60°. Base score 4.</source>
        <translation>Tronco inclinado hacia delante más de 60°. Puntuación base 4.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Arms across the mid-line or out to the side</source>
        <translation>Brazos cruzando la línea media o hacia el lado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Person seen from above: the arms reach across the mid-line of the body or swing out to the side. Adds 1.</source>
        <translation>Persona vista desde arriba: los brazos cruzan la línea media del cuerpo o se abren hacia el lado. Suma 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent away from the mid-line</source>
        <translation>Muñeca desviada de la línea media</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand seen from above, bent to either side of the mid-line. Adds 1.</source>
        <translation>Mano vista desde arriba, desviada hacia uno u otro lado de la línea media. Suma 1.</translation>
    </message>
    <message>
        <location filename="../screens/form1.cpp" line="-36"/>
        <source>Rula logo</source>
        <translation>Logotipo de Rula</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo of the Rula posture assessment program</source>
        <translation>El logotipo del programa de evaluación postural Rula</translation>
    </message>
    <message>
        <location filename="../screens/drawing_module.cpp" line="+39"/>
        <source>in extension</source>
        <translation>en extensión</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryCopy</name>
    <message>
        <location filename="../study/recovery_copy.cpp" line="+176"/>
        <source>%1: no recovery copy can be kept there</source>
        <translation>%1: no se puede guardar ahí una copia de recuperación</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryKeeper</name>
    <message>
        <location filename="../app/recovery_keeper.cpp" line="+154"/>
        <source>Rula closed with unsaved changes at %1. Recover them?</source>
        <translation>Rula se cerró con cambios sin guardar a las %1. ¿Recuperarlos?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rula closed with unsaved changes on %1 at %2. Recover them?</source>
        <translation>Rula se cerró con cambios sin guardar el %1 a las %2. ¿Recuperarlos?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
</context>
<context>
    <name>rula::ScreenShell</name>
    <message>
        <location filename="../screens/screen_shell.cpp" line="+66"/>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm</source>
        <translation>Brazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Antebrazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Giro de muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Cuello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk and legs</source>
        <translation>Tronco y piernas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency and force</source>
        <translation>Frecuencia y fuerza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final score</source>
        <translation>Puntuación final</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart</source>
        <translation>Tabla</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Open a Study</source>
        <translation>Abrir un estudio</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Measure on a &amp;Photo…</source>
        <translation>Medir en una &amp;foto…</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Nothing was printed: %1</source>
        <translation>No se imprimió nada: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close &amp;Without Saving</source>
        <translation>Cerrar &amp;sin guardar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <location line="+180"/>
        <source>&amp;Continue</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <location filename="../screens/screen_shell.h" line="+50"/>
        <source>Rula posture assessment</source>
        <translation>Evaluación postural Rula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software</source>
        <translation>Software libre</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save the changes to the chart before closing?</source>
        <translation>¿Guardar los cambios de la tabla antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>rula::SideField</name>
    <message>
        <location filename="../chart/chart_fields.cpp" line="+191"/>
        <source>Side not said</source>
        <translation>Lado sin indicar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side</source>
        <translation>Lado izquierdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation>Lado derecho</translation>
    </message>
</context>
<context>
    <name>rula::SideLetter</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="-32"/>
        <source>L</source>
        <comment>left side</comment>
        <translation>I</translation>
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
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="-584"/>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a list</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>una lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an object</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>un objeto</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>nothing</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>nada</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1, not a text</source>
        <translation>%1 en lugar de un texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a number</source>
        <translation>%1 en lugar de un número</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not true or false</source>
        <translation>%1 en lugar de true o false</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not [x, y]</source>
        <translation>%1 en lugar de [x, y]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a list</source>
        <translation>%1 en lugar de una lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not an object</source>
        <translation>%1 en lugar de un objeto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a date</source>
        <translation>%1 en lugar de una fecha</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is missing</source>
        <translation>falta %1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>holds a line break</source>
        <translation>contiene un salto de línea</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds a line break other than \n (U+%1)</source>
        <translation>contiene un salto de línea distinto de \n (U+%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>holds a control character (U+%1)</source>
        <translation>contiene un carácter de control (U+%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>holds half a character (a lone surrogate)</source>
        <translation>contiene medio carácter (un sustituto suelto)</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>longer than %n characters (%1)</source>
        <translation>
            <numerusform>de más de %n carácter (%1)</numerusform>
            <numerusform>de más de %n caracteres (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>blank (null), but this score is never blank (%1 to %2)</source>
        <translation>en blanco (null), pero esta puntuación nunca queda en blanco (de %1 a %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+293"/>
        <source>%1 is not a whole number</source>
        <translation>%1 no es un número entero</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>%1 is not a score this program gives (%2 to %3)</source>
        <translation>%1 no es una puntuación que dé este programa (de %2 a %3)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a score of this program</source>
        <translation>%1 no es una puntuación de este programa</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a side (&quot;left&quot;, &quot;right&quot; or null)</source>
        <translation>%1 no es un lado (&quot;left&quot;, &quot;right&quot; o null)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not an answer of this program</source>
        <translation>%1 no es una respuesta de este programa</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 is not one of its answers (null, %2)</source>
        <translation>%1 no es una de sus respuestas (null, %2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not from %2 to %3</source>
        <translation>%1 no está entre %2 y %3</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n numbers, not two ([x, y])</source>
        <translation>
            <numerusform>%n número en lugar de dos ([x, y])</numerusform>
            <numerusform>%n números en lugar de dos ([x, y])</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not a key of a photo</source>
        <translation>%1 no es una clave de una foto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>type %1 is not &quot;image/jpeg&quot;</source>
        <translation>el tipo %1 no es &quot;image/jpeg&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a size in pixels</source>
        <translation>%1 no es un tamaño en píxeles</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the data is not base64</source>
        <translation>los datos no están en base64</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a JPEG</source>
        <translation>no es un JPEG</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the JPEG ends too early (truncated)</source>
        <translation>el JPEG termina antes de tiempo (truncado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the JPEG gives no size</source>
        <translation>el JPEG no indica su tamaño</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 × %2 pixels: too large (at most %3 megapixels)</source>
        <translation>%1 × %2 píxeles: demasiado grande (como máximo %3 megapíxeles)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 × %2 pixels: a study keeps photos of at most %3 pixels on their long side</source>
        <translation>%1 × %2 píxeles: un estudio guarda fotos de %3 píxeles como máximo en su lado largo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the JPEG is to be turned (EXIF orientation %1); a study keeps photos upright</source>
        <translation>el JPEG debe girarse (orientación EXIF %1); un estudio guarda las fotos derechas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the JPEG is %1 × %2 pixels, not %3 × %4 as given</source>
        <translation>el JPEG tiene %1 × %2 píxeles, no %3 × %4 como se indica</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of a measurement</source>
        <translation>%1 no es una clave de una medición</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not &quot;left&quot; or &quot;right&quot;</source>
        <translation>%1 no es &quot;left&quot; ni &quot;right&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a key of the points</source>
        <translation>%1 no es una clave de los puntos</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a key of a plumb line</source>
        <translation>%1 no es una clave de una plomada</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of the angles</source>
        <translation>%1 no es una clave de los ángulos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not the angle its points give (%2)</source>
        <translation>%1 no es el ángulo que dan sus puntos (%2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+4"/>
        <source>%1 is not a key of a row</source>
        <translation>%1 no es una clave de una fila</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the scores are not those of its answers (%1 %2, where its answers give %3)</source>
        <translation>las puntuaciones no son las de sus respuestas (%1 %2, donde sus respuestas dan %3)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a Rula study (no &quot;format&quot;)</source>
        <translation>no es un estudio de Rula (sin &quot;format&quot;)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a Rula study (format %1)</source>
        <translation>no es un estudio de Rula (formato %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>written by a newer Rula: format %1; this one reads format %2</source>
        <translation>escrito por un Rula más reciente: formato %1; este lee el formato %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>version: %1 is not a version of the format</source>
        <translation>version: %1 no es una versión del formato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a key of a study</source>
        <translation>%1 no es una clave de un estudio</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>observed: %1 is not a date (YYYY-MM-DD)</source>
        <translation>observed: %1 no es una fecha (AAAA-MM-DD)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>observed: %1 is not a date the chart shows (%2 to %3)</source>
        <translation>observed: %1 no es una fecha que muestre la tabla (de %2 a %3)</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>rows: %n rows; a chart holds at most %1</source>
        <translation>
            <numerusform>rows: %n fila; una tabla admite como máximo %1</numerusform>
            <numerusform>rows: %n filas; una tabla admite como máximo %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 at byte %2: a whole number is written in digits alone</source>
        <translation>%1 en el byte %2: un número entero se escribe solo con dígitos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 at byte %2: a number is written as %3, the shortest text that reads back as it</source>
        <translation>%1 en el byte %2: un número se escribe como %3, el texto más corto que se lee igual</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is given twice (at byte %2)</source>
        <translation>%1 aparece dos veces (en el byte %2)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>truncated: the JSON ends at byte %1 before it is complete</source>
        <translation>truncado: el JSON termina en el byte %1 antes de estar completo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not JSON: %1 at byte %2</source>
        <translation>no es JSON: %1 en el byte %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>larger than %1 MiB (%2 bytes); a study of ten rows with photos is far smaller</source>
        <translation>mayor de %1 MiB (%2 bytes); un estudio de diez filas con fotos es mucho más pequeño</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>not JSON: the file is empty</source>
        <translation>no es JSON: el archivo está vacío</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is UTF-16; studies are UTF-8</source>
        <translation>el archivo es UTF-16; los estudios son UTF-8</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file starts with a byte-order mark; studies are written without one</source>
        <translation>el archivo empieza con una marca de orden de bytes; los estudios se escriben sin ella</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Rula study (a list, not an object)</source>
        <translation>no es un estudio de Rula (una lista, no un objeto)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a folder, not a study file</source>
        <translation>una carpeta, no un archivo de estudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a named pipe, not a study file</source>
        <translation>una tubería con nombre, no un archivo de estudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device, not a study file</source>
        <translation>un dispositivo, no un archivo de estudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a socket, not a study file</source>
        <translation>un socket, no un archivo de estudio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>not saved: the chart cannot be kept as it is (%1)</source>
        <translation>no se ha guardado: la tabla no se puede guardar tal como está (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not saved: %1</source>
        <translation>no se ha guardado: %1</translation>
    </message>
</context>
<context>
    <name>rula::StudyReport</name>
    <message>
        <location filename="../report/study_report.cpp" line="+68"/>
        <source>Upper arm</source>
        <translation>Brazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Antebrazo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Giro de muñeca</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Cuello</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Piernas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Posture score A (Table A)</source>
        <translation>Puntuación postural A (tabla A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A</source>
        <translation>Actividad muscular A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A</source>
        <translation>Fuerza o carga A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score C</source>
        <translation>Puntuación C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture score B (Table B)</source>
        <translation>Puntuación postural B (tabla B)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B</source>
        <translation>Actividad muscular B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B</source>
        <translation>Fuerza o carga B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score D</source>
        <translation>Puntuación D</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left side</source>
        <translation>Lado izquierdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right side</source>
        <translation>Lado derecho</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Side not said</source>
        <translation>Lado sin indicar</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no posture chosen</source>
        <translation>ninguna postura elegida</translation>
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
        <translation>sin elegir</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Row %L1</source>
        <translation>Fila %L1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row %L1: %2</source>
        <translation>Fila %L1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The photo kept with this row could not be read.</source>
        <translation>No se pudo leer la foto guardada con esta fila.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This row was kept by an earlier version of Rula, without its answers: only its scores are known.</source>
        <translation>Esta fila la guardó una versión anterior de Rula, sin sus respuestas: solo se conocen sus puntuaciones.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Scores</source>
        <translation>Puntuaciones</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>%1 of %L2</source>
        <extracomment>A segment&apos;s score against the worst it can be: &quot;3 of 6&quot;</extracomment>
        <translation>%1 de %L2</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>Final score</source>
        <translation>Puntuación final</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Action level %L1: %2</source>
        <translation>Nivel de actuación %L1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No final score: an answer is missing.</source>
        <translation>Sin puntuación final: falta una respuesta.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No notes.</source>
        <translation>Sin notas.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>acceptable if not maintained or repeated for long periods</source>
        <translation>aceptable si no se mantiene o repite durante largos periodos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>further investigation is needed and changes may be required</source>
        <translation>se necesita una investigación más detallada y pueden requerirse cambios</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>investigation and changes are required soon</source>
        <translation>se requieren investigación y cambios pronto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>investigation and changes are required immediately</source>
        <translation>se requieren investigación y cambios inmediatamente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Upper arm: %1</source>
        <translation>Brazo: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm: %1</source>
        <translation>Antebrazo: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist: %1</source>
        <translation>Muñeca: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist: %1</source>
        <translation>Giro de muñeca: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck: %1</source>
        <translation>Cuello: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk: %1</source>
        <translation>Tronco: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Legs: %1: yes</source>
        <translation>Piernas: %1: sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs: %1: no</source>
        <translation>Piernas: %1: no</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A: %1</source>
        <translation>Actividad muscular A: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A: %1</source>
        <translation>Fuerza o carga A: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B: %1</source>
        <translation>Actividad muscular B: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B: %1</source>
        <translation>Fuerza o carga B: %1</translation>
    </message>
</context>
</TS>
