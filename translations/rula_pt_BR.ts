<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Printing</name>
    <message>
        <location filename="../printing/cups_printer.cpp" line="+67"/>
        <source>the printer did not answer.</source>
        <translation>a impressora não respondeu.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the printer did not answer. The page may still come out when the printer answers again.</source>
        <translation>a impressora não respondeu. A página ainda pode sair quando a impressora voltar a responder.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the print system (%1) could not be reached.</source>
        <translation>não foi possível contatar o sistema de impressão (%1).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>no default printer is set up on this computer.</source>
        <translation>nenhuma impressora padrão está configurada neste computador.</translation>
    </message>
    <message>
        <location filename="../printing/print_module.cpp" line="+37"/>
        <source>the print module %1 is missing.</source>
        <translation>o módulo de impressão %1 não foi encontrado.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the print module %1 belongs to another version.</source>
        <translation>o módulo de impressão %1 pertence a outra versão.</translation>
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
        <translation>não foi possível gravar o arquivo %1: %2.</translation>
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
        <translation>Local</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Assessor</source>
        <translation>Avaliador</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Observed</source>
        <translation>Observado em</translation>
    </message>
</context>
<context>
    <name>rula::ChartTable</name>
    <message>
        <location line="-45"/>
        <source>Row</source>
        <translation>Linha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Side</source>
        <translation>Lado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Task</source>
        <translation>Tarefa</translation>
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
        <translation>rula: nenhuma tela gráfica foi definida; inicie o programa a partir de uma área de trabalho ou defina DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland) com uma tela gráfica em funcionamento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>rula: cannot open the display (%1); start it from a desktop, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a running display</source>
        <translation>rula: não foi possível abrir a tela gráfica (%1); inicie o programa a partir de uma área de trabalho ou defina DISPLAY (X11) ou WAYLAND_DISPLAY (Wayland) com uma tela gráfica em funcionamento</translation>
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
        <translation>Este programa se baseia nos padrões recomendados em &quot;Rula: a survey method 
for the investigation of work-related upper limb disorders&quot;, de L. McAtamney e
E. N. Corlett, Applied Ergonomics 1993, 24(2), 91-99.  Todo esforço foi feito para 
garantir a exatidão dos cálculos; no entanto, nenhuma garantia, expressa ou implícita, 
é oferecida com este programa.  Avaliação de postura Rula, software livre.
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
        <translation>Introdução</translation>
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
        <translation>Braço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm</source>
        <translation>Antebraço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist Twist</source>
        <translation>Rotação do punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture A</source>
        <translation>Postura A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use A</source>
        <translation>Atividade muscular A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load A</source>
        <translation>Força/ carga A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final A</source>
        <translation>Final A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Pescoço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Pernas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture B</source>
        <translation>Postura B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle Use B</source>
        <translation>Atividade muscular B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force/ Load B</source>
        <translation>Força/ carga B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final B</source>
        <translation>Final B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final Score</source>
        <translation>Pontuação final</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>S&amp;ite:</source>
        <translation>&amp;Local:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Assessed b&amp;y:</source>
        <translation>Avaliado &amp;por:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Observe&amp;d:</source>
        <translation>Observa&amp;do em:</translation>
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
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Clear Chart</source>
        <translation>Limpar &amp;quadro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>S&amp;air</translation>
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
        <translation>&amp;Rever</translation>
    </message>
    <message>
        <location line="-309"/>
        <source>Ne&amp;w Assessment</source>
        <translation>&amp;Nova avaliação</translation>
    </message>
    <message>
        <location line="+15"/>
        <location line="+737"/>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <location line="-736"/>
        <location line="+680"/>
        <source>Save &amp;As…</source>
        <translation>Salvar c&amp;omo…</translation>
    </message>
    <message>
        <location line="-679"/>
        <source>Ope&amp;n…</source>
        <translation>A&amp;brir…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print &amp;Report</source>
        <translation>I&amp;mprimir relatório</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As</source>
        <translation>Salvar como</translation>
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
        <translation>Tarefa</translation>
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
        <translation>Linha %1, %2</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>Task, row %1</source>
        <translation>Tarefa, linha %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Side, row %1</source>
        <translation>Lado, linha %1</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>%1[*] - Rula</source>
        <translation>%1[*] - Rula</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Notes, row %1:</source>
        <translation>Notas, linha %1:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Notes:</source>
        <translation>Notas:</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>Assess the &amp;Other Side</source>
        <translation>Avaliar o o&amp;utro lado</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+91"/>
        <source>&amp;Delete Row</source>
        <translation>&amp;Excluir linha</translation>
    </message>
    <message>
        <location line="-77"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so it cannot be reviewed.</source>
        <translation>A linha %1 guarda só as pontuações: foi gravada por uma versão anterior do Rula, sem as respostas que as originaram, e por isso não pode ser revista.</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Row %1 holds only its scores: it was kept by an earlier version of Rula, without the answers behind them, so its other side cannot be started from it.</source>
        <translation>A linha %1 guarda só as pontuações: foi gravada por uma versão anterior do Rula, sem as respostas que as originaram, e por isso a avaliação do outro lado não pode partir dela.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Which side does row %1 show?</source>
        <translation>Qual lado a linha %1 mostra?</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Left</source>
        <translation>&amp;Esquerdo</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Right</source>
        <translation>&amp;Direito</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Delete row %1? It cannot be brought back.</source>
        <translation>Excluir a linha %1? Ela não poderá ser recuperada.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete row %1, “%2”? It cannot be brought back.</source>
        <translation>Excluir a linha %1, “%2”? Ela não poderá ser recuperada.</translation>
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
        <translation>Quadro</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Title: %1</source>
        <translation>Título: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Site: %1</source>
        <translation>Local: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Assessor: %1</source>
        <translation>Avaliador: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Observed: %1</source>
        <translation>Observado em: %1</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Clear the 1 row of the chart? It cannot be brought back.</source>
        <translation>Limpar a única linha do quadro? Ela não poderá ser recuperada.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Clear all %n rows of the chart? They cannot be brought back.</source>
        <translation>
            <numerusform>Limpar a %n linha do quadro? Ela não poderá ser recuperada.</numerusform>
            <numerusform>Limpar todas as %n linhas do quadro? Elas não poderão ser recuperadas.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Clear All &amp;Rows</source>
        <translation>Limpar &amp;todas as linhas</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Row</source>
        <translation>Linha</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>The study was changed by another program since you opened it.</source>
        <translation>O estudo foi alterado por outro programa depois que você o abriu.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save &amp;Anyway</source>
        <translation>Salvar &amp;mesmo assim</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 já existe. Substituir?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Replace</source>
        <translation>&amp;Substituir</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The study was not saved.

%1</source>
        <translation>O estudo não foi salvo.

%1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Save the changes to the chart before opening another study?</source>
        <translation>Salvar as alterações do quadro antes de abrir outro estudo?</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Open &amp;Without Saving</source>
        <translation>&amp;Abrir sem salvar</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>The study was not opened.

%1</source>
        <translation>O estudo não foi aberto.

%1</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The chart was not exported.

%1</source>
        <translation>O quadro não foi exportado.

%1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Study</source>
        <translation>Estudo</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Rula studies (*.rula)</source>
        <translation>Estudos do Rula (*.rula)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV table (*.csv)</source>
        <translation>Tabela CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Save Study As</source>
        <translation>Salvar estudo como</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Open Study</source>
        <translation>Abrir estudo</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Export Chart</source>
        <translation>Exportar quadro</translation>
    </message>
</context>
<context>
    <name>rula::Form2</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+137"/>
        <source>Shoulder is raised</source>
        <translation>Ombro elevado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper arm is abducted</source>
        <translation>Braço abduzido</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Leaning or supporting the weight of the arm</source>
        <translation>Pessoa inclinada ou peso do braço apoiado</translation>
    </message>
    <message>
        <location filename="../screens/form2.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (braços e punhos)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Upper Arm Posture</source>
        <translation>Postura do braço</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Upper Arm Adjustments</source>
        <translation>Ajustes do braço</translation>
    </message>
</context>
<context>
    <name>rula::Form3</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+3"/>
        <source>Working across the mid-line or out to the side of body</source>
        <translation>Trabalho cruzando a linha média ou ao lado do corpo</translation>
    </message>
    <message>
        <location filename="../screens/form3.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (braços e punhos)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower Arm Posture</source>
        <translation>Postura do antebraço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower Arm Adjustments</source>
        <translation>Ajustes do antebraço</translation>
    </message>
</context>
<context>
    <name>rula::Form4</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Wrist is bent away from the mid-line</source>
        <translation>Punho desviado da linha média</translation>
    </message>
    <message>
        <location filename="../screens/form4.cpp" line="+17"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (braços e punhos)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Posture</source>
        <translation>Postura do punho</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Wrist Adjustments</source>
        <translation>Ajustes do punho</translation>
    </message>
</context>
<context>
    <name>rula::Form5</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+16"/>
        <source>Mainly in mid-range of twist</source>
        <translation>Principalmente na amplitude média de rotação</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>At or near the end of twisting range</source>
        <translation>No limite da amplitude de rotação ou perto dele</translation>
    </message>
    <message>
        <location filename="../screens/form5.cpp" line="+12"/>
        <source>Posture - Group A (Arms and Wrists)</source>
        <translation>Postura - Grupo A (braços e punhos)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist Twist Posture</source>
        <translation>Rotação do punho</translation>
    </message>
</context>
<context>
    <name>rula::Form6</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-15"/>
        <source>Neck is twisting</source>
        <translation>Pescoço em rotação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck is side-bending</source>
        <translation>Pescoço inclinado lateralmente</translation>
    </message>
    <message>
        <location filename="../screens/form6.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Postura - Grupo B (pescoço, tronco e pernas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Neck Posture</source>
        <translation>Postura do pescoço</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Neck Adjustments</source>
        <translation>Ajustes do pescoço</translation>
    </message>
</context>
<context>
    <name>rula::Form7</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+2"/>
        <source>Trunk is twisting</source>
        <translation>Tronco em rotação</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is side-bending</source>
        <translation>Tronco inclinado lateralmente</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk is well supported while seated</source>
        <translation>Tronco bem apoiado na posição sentada</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Are legs and feet supported and balanced</source>
        <translation>Pernas e pés apoiados e equilibrados</translation>
    </message>
    <message>
        <location filename="../screens/form7.cpp" line="+17"/>
        <source>Posture - Group B (Neck, Trunk, and Legs)</source>
        <translation>Postura - Grupo B (pescoço, tronco e pernas)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk Posture</source>
        <translation>Postura do tronco</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Trunk Adjustments</source>
        <translation>Ajustes do tronco</translation>
    </message>
</context>
<context>
    <name>rula::Form8</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="+7"/>
        <source>Moderate posture, not static, not lightly repetitive</source>
        <translation>Postura moderada, nem estática nem repetitiva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is mainly static (held longer than 1 minute)</source>
        <translation>Atividade principalmente estática (mantida por mais de 1 minuto)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Activity is repeated more than 4 times/minute</source>
        <translation>Atividade repetida mais de 4 vezes/minuto</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Load &lt; 5 lbs. ( 2 kg ); intermittent</source>
        <translation>Carga &lt; 5 lb (2 kg); intermitente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); intermittent</source>
        <translation>Carga de 5-25 lb (2-10 kg); intermitente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load is 5-25 lbs. ( 2-10 kg ); static or repeated</source>
        <translation>Carga de 5-25 lb (2-10 kg); estática ou repetida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load &gt; 25 lbs. ( 10 kg ); repeated or shocks</source>
        <translation>Carga &gt; 25 lb (10 kg); repetida ou com choques</translation>
    </message>
    <message>
        <location filename="../screens/form8.cpp" line="+18"/>
        <source>Frequency and Force</source>
        <translation>Frequência e força</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+15"/>
        <source>Muscle Use</source>
        <translation>Atividade muscular</translation>
    </message>
    <message>
        <location line="-8"/>
        <location line="+15"/>
        <source>Force</source>
        <translation>Força</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Group A (Arm, Wrist)</source>
        <translation>Grupo A (braço, punho)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group B (Neck, Trunk, Legs)</source>
        <translation>Grupo B (pescoço, tronco, pernas)</translation>
    </message>
</context>
<context>
    <name>rula::Form9</name>
    <message>
        <location filename="../screens/form9.cpp" line="+35"/>
        <source>Final Upper Arm Score =</source>
        <translation>Pontuação final do braço =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Lower Arm Score =</source>
        <translation>Pontuação final do antebraço =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Wrist Score =</source>
        <translation>Pontuação final do punho =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Wrist Twist Score =</source>
        <translation>Pontuação da rotação do punho =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture A Score =</source>
        <translation>Pontuação da postura A =</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+35"/>
        <source>Muscle Use Score =</source>
        <translation>Atividade muscular =</translation>
    </message>
    <message>
        <location line="-30"/>
        <location line="+35"/>
        <source>Force/load Score =</source>
        <translation>Força/carga =</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>Final Wrist and Arm Score =</source>
        <translation>Pontuação final de braço e punho =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Neck Score =</source>
        <translation>Pontuação final do pescoço =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Trunk Score =</source>
        <translation>Pontuação final do tronco =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Final Legs Score =</source>
        <translation>Pontuação final das pernas =</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Posture B Score =</source>
        <translation>Pontuação da postura B =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Final Neck, Trunk and Leg Score =</source>
        <translation>Pontuação final de pescoço, tronco e pernas =</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>1 or 2 = Minimum Risk</source>
        <translation>1 ou 2 = Risco mínimo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3 or 4 = Low Risk</source>
        <translation>3 ou 4 = Risco baixo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>5 or 6 = Moderate Risk</source>
        <translation>5 ou 6 = Risco moderado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>7 = High Risk</source>
        <translation>7 = Risco alto</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Rula - Final</source>
        <translation>Rula - Resultado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Add to chart</source>
        <translation>A&amp;dicionar ao quadro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Goto Chart</source>
        <translation>Ir para o &amp;quadro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>S&amp;air</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Complete: A. Arm and Wrist Analysis</source>
        <translation>Concluída: A. Análise de braço e punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> Complete: B. Neck, Trunk and Leg Analysis</source>
        <translation> Concluída: B. Análise de pescoço, tronco e pernas</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <source>Final Score</source>
        <translation>Pontuação final</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;New Assessment</source>
        <translation>&amp;Nova avaliação</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>&amp;Update Row %L1</source>
        <translation>A&amp;tualizar linha %L1</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Assess the &amp;Other Side</source>
        <translation>Avaliar o o&amp;utro lado</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>upper arm</source>
        <translation>braço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>antebraço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist</source>
        <translation>punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>wrist twist</source>
        <translation>rotação do punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>pescoço</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>trunk</source>
        <translation>tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group A</source>
        <translation>atividade muscular do grupo A</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group A</source>
        <translation>força ou carga do grupo A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>muscle use of group B</source>
        <translation>atividade muscular do grupo B</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>force or load of group B</source>
        <translation>força ou carga do grupo B</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Not answered: %1</source>
        <translation>Sem resposta: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The answers changed after these scores: press Continue on the frequency and force screen again</source>
        <translation>As respostas mudaram depois destas pontuações: pressione Continuar de novo na tela de frequência e força</translation>
    </message>
</context>
<context>
    <name>rula::PhotoFile</name>
    <message>
        <location filename="../photo/decoder_module.cpp" line="+26"/>
        <source>the decoder module %1 belongs to another version.</source>
        <translation>o módulo decodificador %1 pertence a outra versão.</translation>
    </message>
    <message>
        <location filename="../photo/decoder_module.h" line="+44"/>
        <source>%1 is not a photo Rula can open</source>
        <translation>%1 não é uma foto que o Rula consiga abrir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 ends too early (truncated)</source>
        <translation>%1 termina cedo demais (truncado)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 cannot be decoded: %2</source>
        <translation>%1 não pode ser decodificado: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is %2 × %3 pixels: too large to open (at most %4 megapixels)</source>
        <translation>%1 tem %2 × %3 pixels: grande demais para abrir (no máximo %4 megapixels)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>out of memory</source>
        <translation>memória insuficiente</translation>
    </message>
    <message>
        <location filename="../photo/kept_photo.cpp" line="+66"/>
        <location line="+10"/>
        <source>The kept photo cannot be opened: %1</source>
        <translation>A foto guardada não pode ser aberta: %1</translation>
    </message>
    <message>
        <location filename="../photo/photo_file.cpp" line="+31"/>
        <source>%1 cannot be read: %2</source>
        <translation>%1 não pode ser lido: %2</translation>
    </message>
    <message>
        <location line="+229"/>
        <source>%1 is a folder</source>
        <translation>%1 é uma pasta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a named pipe</source>
        <translation>%1 é um pipe nomeado</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a device</source>
        <translation>%1 é um dispositivo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a socket</source>
        <translation>%1 é um socket</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is empty</source>
        <translation>%1 está vazio</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>%1 is a HEIC photo, and the decoder for HEIC is missing: %2</source>
        <translation>%1 é uma foto HEIC, e o decodificador de HEIC não foi encontrado: %2</translation>
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
        <translation>fio de prumo</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>No photo is open.</source>
        <translation>Nenhuma foto está aberta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for the other end of the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter.</source>
        <translation>Pede a outra ponta do fio de prumo: mova a cruz com as setas, Shift para passos maiores, e pressione Enter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Asks for one end of something vertical for the plumb line: move the cross with the arrow keys, Shift for larger steps, and press Enter. Esc gives up.</source>
        <translation>Pede uma ponta de algo vertical para o fio de prumo: mova a cruz com as setas, Shift para passos maiores, e pressione Enter. Esc desiste.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point, Esc goes back to placing the %2.</source>
        <translation>O ponto %1 está selecionado: as setas o movem, Shift para passos maiores. N e P selecionam o ponto seguinte e o anterior, Esc volta a colocar o ponto %2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The %1 is selected: the arrow keys move it, Shift for larger steps. N and P select the next and previous point.</source>
        <translation>O ponto %1 está selecionado: as setas o movem, Shift para passos maiores. N e P selecionam o ponto seguinte e o anterior.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks for the %1: move the cross with the arrow keys, Shift for larger steps, and press Enter to place it. N and P select a point placed.</source>
        <translation>Pede o ponto %1: mova a cruz com as setas, Shift para passos maiores, e pressione Enter para colocá-lo. N e P selecionam um ponto já colocado.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Asks which way the worker faces first.</source>
        <translation>Pergunta primeiro para que lado o trabalhador está voltado.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All six points are placed. N and P select a point to move with the arrow keys.</source>
        <translation>Os seis pontos estão colocados. N e P selecionam um ponto para mover com as setas.</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>Open a photo, or drop one here.</source>
        <translation>Abra uma foto ou solte uma aqui.</translation>
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
        <translation>%1: flexão de %2</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1: leaning back %2</source>
        <translation>%1: inclinado %2 para trás</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+8"/>
        <location line="+16"/>
        <location line="+1"/>
        <source>%1 of flexion</source>
        <translation>%1 de flexão</translation>
    </message>
    <message>
        <location line="-24"/>
        <source>%1 leaning back</source>
        <translation>%1 para trás</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck</source>
        <translation>Pescoço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>neck</source>
        <translation>pescoço</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1: extension %2</source>
        <translation>%1: extensão de %2</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 of extension</source>
        <translation>%1 de extensão</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Upper arm</source>
        <translation>Braço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>upper arm</source>
        <translation>braço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised forward %2</source>
        <translation>%1: elevado %2 à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1: raised behind the trunk %2</source>
        <translation>%1: elevado %2 atrás do tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised forward</source>
        <translation>%1 à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 raised behind the trunk</source>
        <translation>%1 atrás do tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 forward or behind the trunk</source>
        <translation>%1 à frente ou atrás do tronco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lower arm</source>
        <translation>Antebraço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>lower arm</source>
        <translation>antebraço</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Wrist</source>
        <translation>Punho</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+1"/>
        <source>%1: flexion or extension %2</source>
        <translation>%1: flexão ou extensão de %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+1"/>
        <location line="+1"/>
        <source>%1 of flexion or extension</source>
        <translation>%1 de flexão ou extensão</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1°</source>
        <translation>%1°</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 or more</source>
        <translation>%1 ou mais</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1</source>
        <translation>mais de %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 or less</source>
        <translation>%1 ou menos</translation>
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
        <translation>mais de %1 a %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>more than %1 and under %2</source>
        <translation>mais de %1 e menos de %2</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>%1: not measured yet</source>
        <translation>%1: ainda não medido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>band %1, base score %2</source>
        <translation>faixa %1, pontuação base %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>no option of the %1 screen fits; choose it by eye</source>
        <translation>nenhuma opção da tela do %1 corresponde; escolha a olho</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1; on an edge, which counts in the band with the higher score</source>
        <translation>%1; no limite, que conta na faixa de pontuação maior</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; near the edge of a band</source>
        <translation>%1; perto do limite de uma faixa</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1; check by eye: rounded shoulders can read as extension</source>
        <translation>%1; confira a olho: ombros curvados podem parecer extensão</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1: not measured; the %2 screen is left as it was</source>
        <translation>%1: não medido; a tela do %2 fica como estava</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: chosen on the %2 screen</source>
        <translation>%1: escolhido na tela do %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: no option of the %2 screen fits; choose it by eye</source>
        <translation>%1: nenhuma opção da tela do %2 corresponde; escolha a olho</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1: not chosen; check by eye: rounded shoulders can read as extension</source>
        <translation>%1: não escolhido; confira a olho: ombros curvados podem parecer extensão</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A click on a screen changes the choice there.</source>
        <translation>Um clique em uma tela muda a escolha nela.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Plumb line: camera tilted %1: corrected</source>
        <translation>Fio de prumo: câmera inclinada %1: corrigido</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+174"/>
        <source>hip</source>
        <translation>quadril</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>shoulder</source>
        <translation>ombro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ear</source>
        <translation>orelha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>elbow</source>
        <translation>cotovelo</translation>
    </message>
    <message>
        <location filename="../photo/angle_words.cpp" line="-168"/>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>wrist</source>
        <translation>punho</translation>
    </message>
    <message>
        <location filename="../photo/measurement_drawing.cpp" line="+1"/>
        <source>knuckle</source>
        <translation>nó dos dedos</translation>
    </message>
    <message>
        <location filename="../photo/photo_window.cpp" line="+113"/>
        <source>Open a photo of the worker seen from the side.</source>
        <translation>Abra uma foto do trabalhador visto de lado.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the other end of the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Clique na outra ponta do fio de prumo ou leve a cruz até lá com as setas e pressione Enter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click one end of something vertical for the plumb line, or move the cross there with the arrow keys and press Enter</source>
        <translation>Clique em uma ponta de algo vertical para o fio de prumo ou leve a cruz até lá com as setas e pressione Enter</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Which way does the worker face?</source>
        <translation>Para que lado o trabalhador está voltado?</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Click the %1, or press Esc, move the cross with the arrow keys and press Enter</source>
        <translation>Clique no ponto %1 ou pressione Esc, mova a cruz com as setas e pressione Enter</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Click the %1, or move the cross with the arrow keys and press Enter</source>
        <translation>Clique no ponto %1 ou mova a cruz com as setas e pressione Enter</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Drag a point to move it, or select it (N and P select from the keyboard) and use the arrow keys.</source>
        <translation>Arraste um ponto para movê-lo ou selecione-o (N e P selecionam pelo teclado) e use as setas.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing not chosen</source>
        <translation>Orientação não escolhida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing left</source>
        <translation>Voltado para a esquerda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing right</source>
        <translation>Voltado para a direita</translation>
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
        <translation>&amp;Abrir uma foto…</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Take the photo from the side, with the camera at shoulder height and square to the body, and the whole worker in the frame.</source>
        <translation>Tire a foto de lado, com a câmera na altura do ombro e perpendicular ao corpo, e o trabalhador inteiro no quadro.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Facing &amp;left</source>
        <translation>Voltado para a &amp;esquerda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Facing &amp;right</source>
        <translation>Voltado para a di&amp;reita</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Draw a Plum&amp;b Line</source>
        <translation>Traçar um &amp;fio de prumo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Un&amp;do</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Right side facing the camera</source>
        <translation>Lado direito voltado para a câmera</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side facing the camera</source>
        <translation>Lado esquerdo voltado para a câmera</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Side:</source>
        <translation>&amp;Lado:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Angles</source>
        <translation>Ângulos</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The upper arm is measured against the trunk line, as the shoulder&apos;s flexion is; so is the neck, from the shoulder to the ear, taking the ear to be over the shoulder when the neck is upright. Only the trunk is measured against the vertical.
A side view cannot show a raised shoulder, abduction, a supported arm, working across the mid-line or out to the side, wrist deviation and twist, neck or trunk twist and side-bend, the legs&apos; support, or whether a seated trunk is well supported: these stay yours to judge. A limb moving out of the photo&apos;s plane reads smaller than it is: an arm raised %1° in the scapular plane reads about %2°.</source>
        <translation>O braço é medido em relação à linha do tronco, como a flexão do ombro; o pescoço também, do ombro à orelha, considerando a orelha sobre o ombro quando o pescoço está ereto. Só o tronco é medido em relação à vertical.
Uma vista lateral não mostra ombro elevado, abdução, braço apoiado, trabalho além da linha média ou para o lado, desvio e rotação do punho, rotação e inclinação lateral do pescoço ou do tronco, o apoio das pernas, nem se um tronco sentado está bem apoiado: isso fica a seu critério. Um membro que sai do plano da foto parece menor do que é: um braço elevado %1° no plano da escápula aparece com cerca de %2°.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Use These Angles</source>
        <translation>&amp;Usar estes ângulos</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Chooses the posture on the upper arm, lower arm, wrist, neck and trunk screens; the frequency and force screen stays yours.</source>
        <translation>Escolhe a postura nas telas do braço, antebraço, punho, pescoço e tronco; a tela de frequência e força fica com você.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+79"/>
        <source>Opening %1… Esc gives up.</source>
        <translation>Abrindo %1… Esc desiste.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment… Esc gives up.</source>
        <translation>Abrindo a foto guardada com a avaliação… Esc desiste.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Opening %1…</source>
        <translation>Abrindo %1…</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opening the photo kept with the assessment…</source>
        <translation>Abrindo a foto guardada com a avaliação…</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Open a Photo</source>
        <translation>Abrir uma foto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Photos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;All files (*)</source>
        <translation>Fotos (*.jpg *.jpeg *.png *.webp *.tif *.tiff *.bmp *.heic *.heif);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <location line="+265"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was printed: %1</source>
        <translation>Nada foi impresso: %1</translation>
    </message>
</context>
<context>
    <name>rula::PictureBox</name>
    <message>
        <location filename="../screens/answer_words.cpp" line="-153"/>
        <source>Upper arm 20° back to 20° forward</source>
        <translation>Braço de 20° para trás a 20° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm hanging down, between 20° behind and 20° in front of the vertical. Base score 1.</source>
        <translation>Braço pendente, entre 20° atrás e 20° à frente da vertical. Pontuação base 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm in extension beyond 20°</source>
        <translation>Braço em extensão acima de 20°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm reaching behind the body, more than 20° of extension. Base score 2.</source>
        <translation>Braço estendido para trás do corpo, mais de 20° de extensão. Pontuação base 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Upper arm 20° to 45° forward</source>
        <translation>Braço de 20° a 45° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 20° and 45°. Base score 2.</source>
        <translation>Braço elevado à frente entre 20° e 45°. Pontuação base 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm 45° to 90° forward</source>
        <translation>Braço de 45° a 90° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward between 45° and 90°. Base score 3.</source>
        <translation>Braço elevado à frente entre 45° e 90°. Pontuação base 3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Upper arm over 90° forward</source>
        <translation>Braço acima de 90° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm raised forward beyond 90°, above the shoulder. Base score 4.</source>
        <translation>Braço elevado à frente além de 90°, acima do ombro. Pontuação base 4.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Lower arm 60° to 100° of elbow flexion</source>
        <translation>Antebraço com 60° a 100° de flexão do cotovelo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standing figure with the elbow bent between 60° and 100°. Base score 1.</source>
        <translation>Figura em pé com o cotovelo fletido entre 60° e 100°. Pontuação base 1.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm below 60° or beyond 100°</source>
        <translation>Antebraço abaixo de 60° ou acima de 100°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm raised beyond 100° or lowered to between 0° and 60° of elbow flexion. Base score 2.</source>
        <translation>Antebraço elevado além de 100° ou abaixado entre 0° e 60° de flexão do cotovelo. Pontuação base 2.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Wrist neutral, 0°</source>
        <translation>Punho neutro, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand and forearm in a straight line: the wrist is not bent. Base score 1.</source>
        <translation>Mão e antebraço em linha reta: o punho não está fletido. Pontuação base 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent up to 15°</source>
        <translation>Punho fletido até 15°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by up to 15°. Base score 2.</source>
        <translation>Punho fletido para cima ou para baixo até 15°. Pontuação base 2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Wrist bent more than 15°</source>
        <translation>Punho fletido mais de 15°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist bent up or down by more than 15°. Base score 3.</source>
        <translation>Punho fletido para cima ou para baixo mais de 15°. Pontuação base 3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Neck 0° to 10° forward</source>
        <translation>Pescoço de 0° a 10° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 0° and 10°. Base score 1.</source>
        <translation>Cabeça inclinada à frente entre 0° e 10°. Pontuação base 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Neck 10° to 20° forward</source>
        <translation>Pescoço de 10° a 20° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward between 10° and 20°. Base score 2.</source>
        <translation>Cabeça inclinada à frente entre 10° e 20°. Pontuação base 2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Neck over 20° forward</source>
        <translation>Pescoço acima de 20° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent forward more than 20°. Base score 3.</source>
        <translation>Cabeça inclinada à frente mais de 20°. Pontuação base 3.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Neck in extension</source>
        <translation>Pescoço em extensão</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Head bent backwards. Base score 4.</source>
        <translation>Cabeça inclinada para trás. Pontuação base 4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Trunk upright, 0°</source>
        <translation>Tronco ereto, 0°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upright trunk. Base score 1.</source>
        <translation>Tronco ereto. Pontuação base 1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Trunk 0° to 20° forward</source>
        <translation>Tronco de 0° a 20° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 0° and 20°. Base score 2.</source>
        <translation>Tronco inclinado à frente entre 0° e 20°. Pontuação base 2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Trunk 20° to 60° forward</source>
        <translation>Tronco de 20° a 60° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward between 20° and 60°. Base score 3.</source>
        <translation>Tronco inclinado à frente entre 20° e 60°. Pontuação base 3.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Trunk over 60° forward</source>
        <translation>Tronco acima de 60° à frente</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk bent forward more than 60°. Base score 4.</source>
        <translation>Tronco inclinado à frente mais de 60°. Pontuação base 4.</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Arms across the mid-line or out to the side</source>
        <translation>Braços cruzando a linha média ou para o lado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Person seen from above: the arms reach across the mid-line of the body or swing out to the side. Adds 1.</source>
        <translation>Pessoa vista de cima: os braços cruzam a linha média do corpo ou se afastam para o lado. Soma 1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Wrist bent away from the mid-line</source>
        <translation>Punho desviado da linha média</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hand seen from above, bent to either side of the mid-line. Adds 1.</source>
        <translation>Mão vista de cima, desviada para um dos lados da linha média. Soma 1.</translation>
    </message>
    <message>
        <location filename="../screens/form1.cpp" line="-36"/>
        <source>Rula logo</source>
        <translation>Logotipo do Rula</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The logo of the Rula posture assessment program</source>
        <translation>O logotipo do programa de avaliação de postura Rula</translation>
    </message>
    <message>
        <location filename="../screens/drawing_module.cpp" line="+39"/>
        <source>in extension</source>
        <translation>em extensão</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryCopy</name>
    <message>
        <location filename="../study/recovery_copy.cpp" line="+176"/>
        <source>%1: no recovery copy can be kept there</source>
        <translation>%1: não é possível manter uma cópia de recuperação ali</translation>
    </message>
</context>
<context>
    <name>rula::RecoveryKeeper</name>
    <message>
        <location filename="../app/recovery_keeper.cpp" line="+154"/>
        <source>Rula closed with unsaved changes at %1. Recover them?</source>
        <translation>O Rula foi fechado com alterações não salvas às %1. Recuperá-las?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rula closed with unsaved changes on %1 at %2. Recover them?</source>
        <translation>O Rula foi fechado com alterações não salvas em %1 às %2. Recuperá-las?</translation>
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
        <translation>Introdução</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Upper arm</source>
        <translation>Braço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Antebraço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Rotação do punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Pescoço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk and legs</source>
        <translation>Tronco e pernas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency and force</source>
        <translation>Frequência e força</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Final score</source>
        <translation>Pontuação final</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Chart</source>
        <translation>Quadro</translation>
    </message>
    <message>
        <location line="+130"/>
        <source>Open a Study</source>
        <translation>Abrir um estudo</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Measure on a &amp;Photo…</source>
        <translation>Medir em uma &amp;foto…</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>Nothing was printed: %1</source>
        <translation>Nada foi impresso: %1</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close &amp;Without Saving</source>
        <translation>&amp;Fechar sem salvar</translation>
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
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>S&amp;air</translation>
    </message>
    <message>
        <location filename="../screens/screen_shell.h" line="+50"/>
        <source>Rula posture assessment</source>
        <translation>Avaliação de postura Rula</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Free software</source>
        <translation>Software livre</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>Save the changes to the chart before closing?</source>
        <translation>Salvar as alterações do quadro antes de fechar?</translation>
    </message>
</context>
<context>
    <name>rula::SideField</name>
    <message>
        <location filename="../chart/chart_fields.cpp" line="+191"/>
        <source>Side not said</source>
        <translation>Lado não informado</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Left side</source>
        <translation>Lado esquerdo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Right side</source>
        <translation>Lado direito</translation>
    </message>
</context>
<context>
    <name>rula::SideLetter</name>
    <message>
        <location filename="../study/delimited_text.cpp" line="-32"/>
        <source>L</source>
        <comment>left side</comment>
        <translation>E</translation>
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
        <translation>linha %1</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a list</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>uma lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an object</source>
        <extracomment>A value found in the file, as %1 of the messages about it</extracomment>
        <translation>um objeto</translation>
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
        <translation>%1, não um texto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a number</source>
        <translation>%1, não um número</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not true or false</source>
        <translation>%1, não verdadeiro ou falso</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not [x, y]</source>
        <translation>%1, não [x, y]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a list</source>
        <translation>%1, não uma lista</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not an object</source>
        <translation>%1, não um objeto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1, not a date</source>
        <translation>%1, não uma data</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is missing</source>
        <translation>%1 está faltando</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>holds a line break</source>
        <translation>contém uma quebra de linha</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>holds a line break other than \n (U+%1)</source>
        <translation>contém uma quebra de linha diferente de \n (U+%1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>holds a control character (U+%1)</source>
        <translation>contém um caractere de controle (U+%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>holds half a character (a lone surrogate)</source>
        <translation>contém meio caractere (um surrogate isolado)</translation>
    </message>
    <message numerus="yes">
        <location line="+8"/>
        <source>longer than %n characters (%1)</source>
        <translation>
            <numerusform>mais longo que %n caractere (%1)</numerusform>
            <numerusform>mais longo que %n caracteres (%1)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>blank (null), but this score is never blank (%1 to %2)</source>
        <translation>em branco (null), mas esta pontuação nunca fica em branco (%1 a %2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+293"/>
        <source>%1 is not a whole number</source>
        <translation>%1 não é um número inteiro</translation>
    </message>
    <message>
        <location line="-290"/>
        <source>%1 is not a score this program gives (%2 to %3)</source>
        <translation>%1 não é uma pontuação que este programa dá (%2 a %3)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a score of this program</source>
        <translation>%1 não é uma pontuação deste programa</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not a side (&quot;left&quot;, &quot;right&quot; or null)</source>
        <translation>%1 não é um lado (&quot;left&quot;, &quot;right&quot; ou null)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 is not an answer of this program</source>
        <translation>%1 não é uma resposta deste programa</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>%1 is not one of its answers (null, %2)</source>
        <translation>%1 não é uma das respostas possíveis (null, %2)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 is not from %2 to %3</source>
        <translation>%1 não está entre %2 e %3</translation>
    </message>
    <message numerus="yes">
        <location line="+10"/>
        <source>%n numbers, not two ([x, y])</source>
        <translation>
            <numerusform>%n número, não dois ([x, y])</numerusform>
            <numerusform>%n números, não dois ([x, y])</numerusform>
        </translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not a key of a photo</source>
        <translation>%1 não é uma chave de uma foto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>type %1 is not &quot;image/jpeg&quot;</source>
        <translation>o tipo %1 não é &quot;image/jpeg&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a size in pixels</source>
        <translation>%1 não é um tamanho em pixels</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the data is not base64</source>
        <translation>os dados não estão em base64</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>not a JPEG</source>
        <translation>não é um JPEG</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the JPEG ends too early (truncated)</source>
        <translation>o JPEG termina cedo demais (truncado)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the JPEG gives no size</source>
        <translation>o JPEG não informa o tamanho</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 × %2 pixels: too large (at most %3 megapixels)</source>
        <translation>%1 × %2 pixels: grande demais (no máximo %3 megapixels)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 × %2 pixels: a study keeps photos of at most %3 pixels on their long side</source>
        <translation>%1 × %2 pixels: um estudo guarda fotos de no máximo %3 pixels no lado maior</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the JPEG is to be turned (EXIF orientation %1); a study keeps photos upright</source>
        <translation>o JPEG precisa ser girado (orientação EXIF %1); um estudo guarda as fotos na posição correta</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the JPEG is %1 × %2 pixels, not %3 × %4 as given</source>
        <translation>o JPEG tem %1 × %2 pixels, não %3 × %4 como informado</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of a measurement</source>
        <translation>%1 não é uma chave de uma medição</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 is not &quot;left&quot; or &quot;right&quot;</source>
        <translation>%1 não é &quot;left&quot; nem &quot;right&quot;</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 is not a key of the points</source>
        <translation>%1 não é uma chave dos pontos</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1 is not a key of a plumb line</source>
        <translation>%1 não é uma chave de um fio de prumo</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 is not a key of the angles</source>
        <translation>%1 não é uma chave dos ângulos</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 is not the angle its points give (%2)</source>
        <translation>%1 não é o ângulo que os seus pontos dão (%2)</translation>
    </message>
    <message>
        <location line="+12"/>
        <location line="+4"/>
        <source>%1 is not a key of a row</source>
        <translation>%1 não é uma chave de uma linha</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>the scores are not those of its answers (%1 %2, where its answers give %3)</source>
        <translation>as pontuações não são as das suas respostas (%1 %2, onde as respostas dão %3)</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>not a Rula study (no &quot;format&quot;)</source>
        <translation>não é um estudo do Rula (sem &quot;format&quot;)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a Rula study (format %1)</source>
        <translation>não é um estudo do Rula (format %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>written by a newer Rula: format %1; this one reads format %2</source>
        <translation>gravado por um Rula mais novo: format %1; este lê o format %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>version: %1 is not a version of the format</source>
        <translation>version: %1 não é uma versão do formato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 is not a key of a study</source>
        <translation>%1 não é uma chave de um estudo</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>observed: %1 is not a date (YYYY-MM-DD)</source>
        <translation>observed: %1 não é uma data (AAAA-MM-DD)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>observed: %1 is not a date the chart shows (%2 to %3)</source>
        <translation>observed: %1 não é uma data que o quadro mostre (%2 a %3)</translation>
    </message>
    <message numerus="yes">
        <location line="+9"/>
        <source>rows: %n rows; a chart holds at most %1</source>
        <translation>
            <numerusform>rows: %n linha; um quadro comporta no máximo %1</numerusform>
            <numerusform>rows: %n linhas; um quadro comporta no máximo %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+38"/>
        <source>%1 at byte %2: a whole number is written in digits alone</source>
        <translation>%1 no byte %2: um número inteiro se escreve só com dígitos</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 at byte %2: a number is written as %3, the shortest text that reads back as it</source>
        <translation>%1 no byte %2: um número se escreve como %3, o texto mais curto que se lê de volta como ele</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>%1 is given twice (at byte %2)</source>
        <translation>%1 aparece duas vezes (no byte %2)</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>truncated: the JSON ends at byte %1 before it is complete</source>
        <translation>truncado: o JSON termina no byte %1 antes de estar completo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not JSON: %1 at byte %2</source>
        <translation>não é JSON: %1 no byte %2</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>larger than %1 MiB (%2 bytes); a study of ten rows with photos is far smaller</source>
        <translation>maior que %1 MiB (%2 bytes); um estudo de dez linhas com fotos é bem menor</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>not JSON: the file is empty</source>
        <translation>não é JSON: o arquivo está vazio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the file is UTF-16; studies are UTF-8</source>
        <translation>o arquivo está em UTF-16; os estudos são UTF-8</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the file starts with a byte-order mark; studies are written without one</source>
        <translation>o arquivo começa com uma marca de ordem de bytes (BOM); os estudos são gravados sem ela</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>not a Rula study (a list, not an object)</source>
        <translation>não é um estudo do Rula (uma lista, não um objeto)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>a folder, not a study file</source>
        <translation>uma pasta, não um arquivo de estudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a named pipe, not a study file</source>
        <translation>um pipe nomeado, não um arquivo de estudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a device, not a study file</source>
        <translation>um dispositivo, não um arquivo de estudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>a socket, not a study file</source>
        <translation>um socket, não um arquivo de estudo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>not saved: the chart cannot be kept as it is (%1)</source>
        <translation>não salvo: o quadro não pode ser guardado como está (%1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>not saved: %1</source>
        <translation>não salvo: %1</translation>
    </message>
</context>
<context>
    <name>rula::StudyReport</name>
    <message>
        <location filename="../report/study_report.cpp" line="+68"/>
        <source>Upper arm</source>
        <translation>Braço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lower arm</source>
        <translation>Antebraço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist</source>
        <translation>Punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist</source>
        <translation>Rotação do punho</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck</source>
        <translation>Pescoço</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Trunk</source>
        <translation>Tronco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs</source>
        <translation>Pernas</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Posture score A (Table A)</source>
        <translation>Pontuação da postura A (Tabela A)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A</source>
        <translation>Atividade muscular A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A</source>
        <translation>Força ou carga A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score C</source>
        <translation>Pontuação C</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Posture score B (Table B)</source>
        <translation>Pontuação da postura B (Tabela B)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B</source>
        <translation>Atividade muscular B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B</source>
        <translation>Força ou carga B</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Score D</source>
        <translation>Pontuação D</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Left side</source>
        <translation>Lado esquerdo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Right side</source>
        <translation>Lado direito</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Side not said</source>
        <translation>Lado não informado</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>no posture chosen</source>
        <translation>nenhuma postura escolhida</translation>
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
        <translation>não escolhido</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Row %L1</source>
        <translation>Linha %L1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Row %L1: %2</source>
        <translation>Linha %L1: %2</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>The photo kept with this row could not be read.</source>
        <translation>Não foi possível ler a foto guardada com esta linha.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>This row was kept by an earlier version of Rula, without its answers: only its scores are known.</source>
        <translation>Esta linha foi gravada por uma versão anterior do Rula, sem as respostas: só as pontuações são conhecidas.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Scores</source>
        <translation>Pontuações</translation>
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
        <translation>Pontuação final</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Action level %L1: %2</source>
        <translation>Nível de ação %L1: %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>No final score: an answer is missing.</source>
        <translation>Sem pontuação final: falta uma resposta.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No notes.</source>
        <translation>Sem notas.</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>acceptable if not maintained or repeated for long periods</source>
        <translation>aceitável se não for mantida ou repetida por longos períodos</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>further investigation is needed and changes may be required</source>
        <translation>é necessária uma investigação mais detalhada e mudanças podem ser necessárias</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>investigation and changes are required soon</source>
        <translation>investigação e mudanças são necessárias em breve</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>investigation and changes are required immediately</source>
        <translation>investigação e mudanças são necessárias imediatamente</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Upper arm: %1</source>
        <translation>Braço: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Lower arm: %1</source>
        <translation>Antebraço: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wrist: %1</source>
        <translation>Punho: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Wrist twist: %1</source>
        <translation>Rotação do punho: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Neck: %1</source>
        <translation>Pescoço: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Trunk: %1</source>
        <translation>Tronco: %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Legs: %1: yes</source>
        <translation>Pernas: %1: sim</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Legs: %1: no</source>
        <translation>Pernas: %1: não</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use A: %1</source>
        <translation>Atividade muscular A: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load A: %1</source>
        <translation>Força ou carga A: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Muscle use B: %1</source>
        <translation>Atividade muscular B: %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Force or load B: %1</source>
        <translation>Força ou carga B: %1</translation>
    </message>
</context>
</TS>
