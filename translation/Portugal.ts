<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>O arquivo %1 não existe</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>Não é possível gravar o arquivo %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>Não é possível salvar o arquivo %1: o disco está cheio</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>O arquivo %1 está danificado (linha %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>O arquivo %1 está danificado</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>O ficheiro %1 está danificado (linha %2): contém um texto com mais de %3 KiB, mais do que qualquer ficheiro de definições contém</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>O ficheiro %1 está danificado: tem mais de %2 MiB, mais do que qualquer ficheiro de definições</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>o seu texto não é XML bem formado</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>termina demasiado cedo, como se a sua escrita tivesse sido interrompida</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>contém uma declaração de tipo de documento, que nenhum ficheiro de definições deste programa contém</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>contém bytes NUL, como os dados binários, não texto</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>contém bytes que não são texto UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>não é um ficheiro de definições deste programa</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>foi escrito por uma versão mais recente deste programa</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>contém um elemento que este programa não conhece, ou um aninhado onde não pertence</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>falta um valor ou não é possível lê-lo</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>um valor não é um número ou está fora do seu intervalo</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>uma entrada que deve ser única aparece duas vezes</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>contém mais perfis ou teclas avançadas do que este programa permite</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>não tem permissão para o ficheiro ou a sua pasta</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>está num disco só de leitura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>não é um ficheiro normal</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>uma parte do seu caminho não é uma pasta</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>foi atingido o limite de tamanho de ficheiro do programa</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>o disco comunica um erro de entrada/saída</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Não é possível ler o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Não é possível gravar o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>Não é possível guardar o ficheiro %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>O ficheiro %1 está danificado (linha %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>O ficheiro %1 está danificado: %2</translation>
    </message>
</context>
<context>
    <name>DAllKeysShowPage</name>
    <message>
        <source>DAllKeysShowPage</source>
        <translation>DAllKeysShowPage</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normais</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiais</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predefinido</translation>
    </message>
</context>
<context>
    <name>DCustomKeysPage</name>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espaço</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada predefinida</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>A carregar</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Iluminação personalizada</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Usar esta iluminação personalizada</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Renaming the custom light failed</source>
        <translation>Falha ao renomear a luz personalizada</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>O texto está na área de transferência: prima Ctrl+V para o colar</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>Não foi possível salvar as configurações do teclado</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Lista de produtos</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Botão de teste</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Alternar modo principal</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Nível da bateria</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo não conectado</translation>
    </message>
    <message>
        <source>Device List</source>
        <translation>Lista de dispositivos</translation>
    </message>
    <message>
        <source>Key Custom</source>
        <translation>Personalizar teclas</translation>
    </message>
    <message>
        <source>Light Setting</source>
        <translation>Configuração de iluminação</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Desempenho</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Configuração de acionamento</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>O dispositivo ainda não está pronto</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>O dispositivo está offline</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>O dispositivo já está aberto</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Selecione primeiro uma tecla</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Redefinir o perfil atual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Mude primeiro para o modo de calibração de teclas</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibração da tecla concluída</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrando a tecla</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>A calibração da tecla falhou</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>O teclado foi encontrado, mas não pode ser aberto.
Desligue-o e volte a ligá-lo, ou recarregue as regras de dispositivos:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Ações de pressão dinâmica</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Informação do firmware</translation>
    </message>
</context>
<context>
    <name>DKeyCalibrationExplainDia</name>
    <message>
        <source>DKeyCalibrationExplainDia</source>
        <translation>DKeyCalibrationExplainDia</translation>
    </message>
    <message>
        <source>1.Explain</source>
        <translation>1.Explicação</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explicação</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explicação</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explicação</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explicação</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicação</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DLightsConfigPage</name>
    <message>
        <source>DLightsConfigPage</source>
        <translation>DLightsConfigPage</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de iluminação</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Cor completa</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>G</source>
        <translation>G</translation>
    </message>
    <message>
        <source>255</source>
        <translation>255</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Iluminação personalizada</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Atribuída</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Gravação de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Atraso gravado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sem atraso</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Atraso predefinido</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Gravação vazia</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Inserir evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Inserir depois</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Inserir antes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Keyboard Event</source>
        <translation>Evento de teclado</translation>
    </message>
    <message>
        <source>Mouse Event</source>
        <translation>Evento de rato</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Atraso</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Introduza uma tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduza o atraso</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propriedades</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Modificar</translation>
    </message>
</context>
<context>
    <name>DMainWidget</name>
    <message>
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Hide device list</source>
        <translation>Ocultar lista de dispositivos</translation>
    </message>
    <message>
        <source>Show device list</source>
        <translation>Mostrar lista de dispositivos</translation>
    </message>
    <message>
        <source>The program ended unexpectedly last time. A report was saved in %1</source>
        <translation>O programa terminou inesperadamente da última vez. Foi guardado um relatório em %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>Não foi possível iniciar a biblioteca de dispositivos: nenhum teclado pode ser encontrado.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pressão leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressão forte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinido</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DSeniorKeyEventListItem</name>
    <message>
        <source>DSeniorKeyEventListItem</source>
        <translation>DSeniorKeyEventListItem</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysPage</name>
    <message>
        <source>DSeniorKeysPage</source>
        <translation>DSeniorKeysPage</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
    </message>
    <message>
        <source>DKS</source>
        <translation>DKS</translation>
    </message>
    <message>
        <source>MT</source>
        <translation>MT</translation>
    </message>
    <message>
        <source>TGL</source>
        <translation>TGL</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>1.0mm</source>
        <translation>1.0mm</translation>
    </message>
    <message>
        <source>2.0mm</source>
        <translation>2.0mm</translation>
    </message>
    <message>
        <source>3.0mm</source>
        <translation>3.0mm</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Toque</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duração da pressão mantida</translation>
    </message>
    <message>
        <source>1000MS</source>
        <translation>1000MS</translation>
    </message>
    <message>
        <source>10/40</source>
        <translation>10/40</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Não há teclas avançadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>%1ms</source>
        <translation>%1 ms</translation>
    </message>
</context>
<context>
    <name>DSeniorKeysRecordExplainDia</name>
    <message>
        <source>DSeniorKeysRecordExplainDia</source>
        <translation>DSeniorKeysRecordExplainDia</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration; 
When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Com "Tecla única" selecionada, basta clicar numa tecla para concluir a configuração; 
Com "Combinação de teclas" selecionada, é preciso escolher pelo menos uma tecla modificadora e outra tecla para concluir a combinação, por exemplo L_Shift+A ou L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Curso da tecla</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Início automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar a aplicação quando o sistema arranca (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar para a área de notificação ao fechar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verificar atualização de firmware</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicação</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>&lt;span style=" font-family:'%3'; font-size:12pt; color:#ff6666;"&gt;&lt;/span&gt;&lt;a href="Company|%1|"&gt;&lt;span style=" font-size:12pt; text-decoration: underline; color:rgb(%2);"&gt;%1&lt;/span&gt;&lt;/a&gt;</source>
        <translation>&lt;span style=" font-family:'%3'; font-size:12pt; color:#ff6666;"&gt;&lt;/span&gt;&lt;a href="Company|%1|"&gt;&lt;span style=" font-size:12pt; text-decoration: underline; color:rgb(%2);"&gt;%1&lt;/span&gt;&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>DSoftKeyboardPage</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>DStrokeConfigView</name>
    <message>
        <source>DStrokeConfigView</source>
        <translation>DStrokeConfigView</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Pontos de acionamento das ações DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>DTriggerSettingPage</name>
    <message>
        <source>DTriggerSettingPage</source>
        <translation>DTriggerSettingPage</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Disparo rápido</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personalize o curso de acionamento e o curso de reinício conforme a intenção de premir ou soltar a tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidade secundária</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pode definir separadamente o curso do disparo rápido ao premir (acionamento) e ao soltar (reinício).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Premir/soltar</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirressalto das teclas</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Repor sensibilidade</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar no modo de calibração</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibração</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Acompanhamento da intensidade</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Passos de calibração das teclas</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>Sobre a escala de curso</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
</context>
<context>
    <name>DVirtualKeyboardTool</name>
    <message>
        <source>DVirtualKeyboardTool</source>
        <translation>DVirtualKeyboardTool</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
</context>
<context>
    <name>MagneticReport</name>
    <message>
        <source>Operate successful</source>
        <translation>Operação concluída com sucesso</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>A operação falhou: o teclado não está ligado</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>O número máximo de perfis foi atingido</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Falha ao criar: já existe um perfil com esse índice, verifique</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Falha ao criar o perfil</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil criado com sucesso</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>É necessário manter pelo menos um perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Falha ao excluir o perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil excluído com sucesso</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro a pasta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>Não existe perfil com este índice</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>O nome do perfil não pode ser usado como nome de arquivo</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado com sucesso</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Falha ao exportar o perfil</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Selecione primeiro o arquivo a importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Falha ao importar o perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado com sucesso</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>O nome do perfil não pode ficar vazio</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Falha ao alterar o perfil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil alterado com sucesso</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Falha ao redefinir o perfil atual</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil atual redefinido com sucesso</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>O tempo de repouso da iluminação não pode ser maior que o do teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>O tempo de repouso do teclado é muito curto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Falha ao definir o tempo de repouso</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Falha ao salvar o tempo de repouso</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>O tempo de repouso foi definido</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Perfil importado como "%1": o nome "%2" já existe</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>O nome do perfil não foi alterado</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Unknow</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>Minimize(&amp;N)</source>
        <translation>Minimizar(&amp;N)</translation>
    </message>
    <message>
        <source>Maximize(&amp;X)</source>
        <translation>Maximizar(&amp;X)</translation>
    </message>
    <message>
        <source>Revert(&amp;R)</source>
        <translation>Restaurar(&amp;R)</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>Sair(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Remapear tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinação de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimédia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Rato</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desativar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Mudar perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicação</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atalhos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuração de teclas</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz do teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiente</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avançadas</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volume +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volume -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Faixa seguinte</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Faixa anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Leitor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brilho do ecrã+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brilho do ecrã-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botão central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Deslocar para cima</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Deslocar para baixo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Retroceder</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla sniper</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Fechar janela</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Alternar janelas</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar ambiente de trabalho</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>O meu computador</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear computador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Lock keyboard</source>
        <translation>Bloquear teclado</translation>
    </message>
    <message>
        <source>Lock/Unlock Win</source>
        <translation>Bloquear/desbloquear Win</translation>
    </message>
    <message>
        <source>Lock win</source>
        <translation>Bloquear Win</translation>
    </message>
    <message>
        <source>Unlock win</source>
        <translation>Desbloquear Win</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Camada predefinida</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Camada FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Camada FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar bateria</translation>
    </message>
    <message>
        <source>Bluetooth 1</source>
        <translation>Bluetooth 1</translation>
    </message>
    <message>
        <source>Bluetooth 2</source>
        <translation>Bluetooth 2</translation>
    </message>
    <message>
        <source>Bluetooth 3</source>
        <translation>Bluetooth 3</translation>
    </message>
    <message>
        <source>2.4G switching</source>
        <translation>Mudar para 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Mudar para USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz geral</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interativa</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todas as luzes</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brilho +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brilho -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidade +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidade -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Direção +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Direção -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Ciclo de direção</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Passar a cor total</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Mudar cor superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Mudar cor inferior</translation>
    </message>
    <message>
        <source>Custom 1</source>
        <translation>Personalizado 1</translation>
    </message>
    <message>
        <source>Custom 2</source>
        <translation>Personalizado 2</translation>
    </message>
    <message>
        <source>Close all</source>
        <translation>Desligar tudo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Desligar retroiluminação</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Parar retroiluminação</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Gravação de luz</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Desligar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Parar luz lateral</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinido</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>Nenhum dispositivo atualizável encontrado</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/inglês</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chinês</translation>
    </message>
    <message>
        <source>K14</source>
        <translation>K14</translation>
    </message>
    <message>
        <source>K45</source>
        <translation>K45</translation>
    </message>
    <message>
        <source>K56</source>
        <translation>K56</translation>
    </message>
    <message>
        <source>K131</source>
        <translation>K131</translation>
    </message>
    <message>
        <source>K132</source>
        <translation>K132</translation>
    </message>
    <message>
        <source>K133</source>
        <translation>K133</translation>
    </message>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Teclado virtual</translation>
    </message>
    <message>
        <source>The key layout of %1 could not be read</source>
        <translation>Não foi possível ler a disposição das teclas de %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>Não pode ser remapeada</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Premir</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Acionamento da tecla</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Luz lateral %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Background image</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Início automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar a aplicação quando o sistema arranca (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar para a área de notificação ao fechar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Atualização</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Verificar atualização de firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuração guardada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>Não foi possível guardar a configuração</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Informações do firmware</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>Remapear para qual tecla?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>Introduzir teclas?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Selecione o caminho onde se encontra a aplicação</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Selecionar aplicação</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplicações (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduza o texto...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Teclas do rato</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Função:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Selecione primeiro uma tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operação concluída</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>A operação falhou: não foi possível guardar o perfil</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>A definição falhou porque o texto está vazio</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pressão leve</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pressão forte</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Com o bloqueio do Win ativado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desativar a tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desativar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desativar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desativar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Repouso da iluminação:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Repouso do teclado:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Submit</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Reset current profile</source>
        <translation>Redefinir o perfil atual</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propriedades do teclado</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir o repouso</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Falha ao salvar as opções do bloqueio do Win</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>Não foi possível abrir as configurações de teclado da área de trabalho</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Pasta de destino</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir arquivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Arquivos de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>Redefinir o perfil atual?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 já existe. Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuração transferida com sucesso</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Falha ao transferir a configuração, tente novamente</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Transferência recusada: %1 teclas executam macros, o teclado guarda no máximo %2 macros</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Transferência recusada: %1 teclas estão associadas a teclas avançadas, o teclado guarda no máximo %2 teclas avançadas</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clique esquerdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clique central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clique direito</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar gravação</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Parar gravação</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro adicionada</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>O nome da macro não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nome da macro alterado</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Selecione primeiro uma posição</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Introduza uma tecla</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Foi atingido o limite de eventos</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Inserido</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Selecione primeiro uma macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Gravação da macro limpa</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Selecione primeiro uma pasta de destino</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir ficheiro de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Ficheiros de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Falha na importação: o ficheiro está danificado</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Gravação da macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Gravação da macro parada</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Atribuir macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Atribuir perfil</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reprodução contínua ligada/desligada</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de reproduções</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproduções 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reprodução</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproduzir várias vezes</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproduzir uma vez</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproduzir enquanto a tecla atribuída estiver premida</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>Não há nenhuma macro para atribuir; grave primeiro uma macro</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brilho:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Direção:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Cor completa</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Cor superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Cor inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Iluminação personalizada</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brilho</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/ambiente</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>O dispositivo não tem luz ambiente</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Onda</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>O nome da iluminação personalizada não pode estar vazio</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nome da iluminação personalizada alterado</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiração</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Néon</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reativo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondulação</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Cintilar</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source>Cross</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Speed Respond</source>
        <translation>Resposta à velocidade</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondulação automática</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrias</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fogos de artifício</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisão</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Entre primeiro no modo de calibração das teclas;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Selecione uma tecla;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Clique em "Iniciar calibração";</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Prima a tecla selecionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.É mostrado o resultado da calibração;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Defina o curso de pressão necessário para o acionamento.</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Quick trigger</source>
        <translation>Disparo rápido</translation>
    </message>
    <message>
        <source>Sensitivity of pressing and releasing</source>
        <translation>Sensibilidade ao premir e ao soltar</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Repor sensibilidade</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Taxa de sondagem</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibração das teclas</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibração</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Acionamento</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinício</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personalize o curso de acionamento e o curso de reinício conforme a intenção de premir ou soltar a tecla.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Pode definir separadamente o curso do disparo rápido ao premir (acionamento) e ao soltar (reinício).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Com "Tecla única" selecionada, basta clicar numa tecla para concluir a configuração;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Com "Combinação de teclas" selecionada, é preciso escolher pelo menos uma tecla modificadora e outra tecla para concluir a combinação, por exemplo L_Shift+A ou L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Pontos de acionamento das ações DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normais</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiais</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Toque</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duração da pressão mantida</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>Não há teclas avançadas</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Foi atingido o número máximo de teclas avançadas</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avançada criada</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avançada eliminada</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Atualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>Não desligue o dispositivo enquanto o firmware está a ser atualizado!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Atualização concluída com êxito</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>A atualização falhou</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nome do produto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Diminuir zoom</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Aumentar zoom</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Menu do perfil</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Cor %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direita</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerda</translation>
    </message>
    <message>
        <source>Disperse</source>
        <translation>Dispersar</translation>
    </message>
    <message>
        <source>Gather</source>
        <translation>Reunir</translation>
    </message>
    <message>
        <source>Clockwise</source>
        <translation>Sentido horário</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Sentido anti-horário</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Vermelho</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Tecla %1</translation>
    </message>
    <message>
        <source>Close startup to tray (no system tray found)</source>
        <translation>Minimizar para a área de notificação ao fechar (área de notificação não encontrada)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>A imagem do firmware não é válida para este teclado</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Volte a ligar o teclado</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>Falha ao salvar a macro</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>O nome da macro não pode ser usado como nome de arquivo</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Falha ao exportar a macro: não é possível gravar o arquivo %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Falha ao importar a macro: não é possível abrir o arquivo %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Falha ao importar a macro: o arquivo é maior que %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Falha ao importar a macro: o arquivo contém mais de %1 eventos</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Falha ao importar a macro: já existem %1 macros salvas</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>Falha ao salvar a tecla avançada</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>Falha ao guardar as definições de iluminação</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Tecla %1, ponto %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Manter, como novo toque</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Sem ação</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Outro teclado está no modo de atualização: conclua ou desligue-o e tente novamente</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Selecione uma macro</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Selecione uma tecla avançada</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Crie ou selecione primeiro uma macro</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Seletor de cor</translation>
    </message>
</context>
<context>
    <name>StoreFileQuestion</name>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Move aside and start anew</source>
        <translation>Mover para o lado e começar de novo</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
O conteúdo não pode ser exibido. Manter o arquivo como está (a página fica vazia) ou movê-lo para o lado com a data no nome e começar um novo?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>Não é possível mover o arquivo %1 para o lado</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nome do produto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versão atual:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progresso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nova versão:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Concluído</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>keyColorRgbFrameItem</name>
    <message>
        <source>keyColorRgbFrameItem</source>
        <translation>keyColorRgbFrameItem</translation>
    </message>
</context>
<context>
    <name>keySelectFrame</name>
    <message>
        <source>keySelectFrame</source>
        <translation>keySelectFrame</translation>
    </message>
</context>
<context>
    <name>keyboardImageFrameItem</name>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>O Ritmo musical não consegue ouvir a saída de som: nenhum servidor de som responde</translation>
    </message>
</context>
<context>
    <name>macroMenuToolWidget</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Modify Name</source>
        <translation>Mudar o nome</translation>
    </message>
</context>
</TS>
