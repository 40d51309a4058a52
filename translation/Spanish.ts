<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CTavrixXML</name>
    <message>
        <source>The file %1 does not exist</source>
        <translation>El archivo %1 no existe</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened</source>
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>No se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: the disk is full</source>
        <translation>No se puede guardar el archivo %1: el disco está lleno</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2)</source>
        <translation>El archivo %1 está dañado (línea %2)</translation>
    </message>
    <message>
        <source>The file %1 is damaged</source>
        <translation>El archivo %1 está dañado</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): it holds a text longer than %3 KiB, more than any settings file holds</source>
        <translation>El archivo %1 está dañado (línea %2): contiene un texto de más de %3 KiB, más de lo que contiene cualquier archivo de configuración</translation>
    </message>
    <message>
        <source>The file %1 is damaged: it is larger than %2 MiB, more than any settings file holds</source>
        <translation>El archivo %1 está dañado: ocupa más de %2 MiB, más de lo que ocupa cualquier archivo de configuración</translation>
    </message>
    <message>
        <source>its text is not well-formed XML</source>
        <translation>su texto no es XML bien formado</translation>
    </message>
    <message>
        <source>it ends too early, as if its writing was cut short</source>
        <translation>termina demasiado pronto, como si su escritura se hubiera interrumpido</translation>
    </message>
    <message>
        <source>it holds a document type declaration, which no settings file of this program holds</source>
        <translation>contiene una declaración de tipo de documento, que ningún archivo de configuración de este programa contiene</translation>
    </message>
    <message>
        <source>it holds NUL bytes, as binary data does, not text</source>
        <translation>contiene bytes NUL, como los datos binarios, no texto</translation>
    </message>
    <message>
        <source>it holds bytes that are not UTF-8 text</source>
        <translation>contiene bytes que no son texto UTF-8</translation>
    </message>
    <message>
        <source>it is no settings file of this program</source>
        <translation>no es un archivo de configuración de este programa</translation>
    </message>
    <message>
        <source>it was written by a newer version of this program</source>
        <translation>lo escribió una versión más reciente de este programa</translation>
    </message>
    <message>
        <source>it holds an element this program does not know, or one nested where it does not belong</source>
        <translation>contiene un elemento que este programa no conoce, o uno anidado donde no corresponde</translation>
    </message>
    <message>
        <source>a value is missing or cannot be read</source>
        <translation>falta un valor o no se puede leer</translation>
    </message>
    <message>
        <source>a value is not a number or is out of its range</source>
        <translation>un valor no es un número o está fuera de su rango</translation>
    </message>
    <message>
        <source>an entry that must be unique appears twice</source>
        <translation>una entrada que debe ser única aparece dos veces</translation>
    </message>
    <message>
        <source>it holds more profiles or advanced keys than this program allows</source>
        <translation>contiene más perfiles o teclas avanzadas de los que permite este programa</translation>
    </message>
    <message>
        <source>you have no permission for it or its folder</source>
        <translation>no tiene permiso sobre el archivo o su carpeta</translation>
    </message>
    <message>
        <source>it is on a read-only disk</source>
        <translation>está en un disco de solo lectura</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>a part of its path is no folder</source>
        <translation>una parte de su ruta no es una carpeta</translation>
    </message>
    <message>
        <source>the file-size limit of the program is reached</source>
        <translation>se ha alcanzado el límite de tamaño de archivo del programa</translation>
    </message>
    <message>
        <source>the disk reports an input/output error</source>
        <translation>el disco informa de un error de entrada/salida</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>No se puede leer el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be saved: %2</source>
        <translation>No se puede guardar el archivo %1: %2</translation>
    </message>
    <message>
        <source>The file %1 is damaged (line %2): %3</source>
        <translation>El archivo %1 está dañado (línea %2): %3</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>El archivo %1 está dañado: %2</translation>
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
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiales</translation>
    </message>
</context>
<context>
    <name>DCustomEventTipExplain</name>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
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
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Default layer</source>
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Cargando</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
</context>
<context>
    <name>DCustomLightListItem</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Custom Light Item</source>
        <translation>Iluminación personalizada</translation>
    </message>
    <message>
        <source>Use this custom light</source>
        <translation>Usar esta iluminación personalizada</translation>
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
        <translation>No se pudo cambiar el nombre de la luz personalizada</translation>
    </message>
</context>
<context>
    <name>DDeviceKeyboardLink</name>
    <message>
        <source>The text is on the clipboard: press Ctrl+V to paste it</source>
        <translation>El texto está en el portapapeles: pulse Ctrl+V para pegarlo</translation>
    </message>
    <message>
        <source>The keyboard's settings could not be saved</source>
        <translation>No se pudieron guardar los ajustes del teclado</translation>
    </message>
</context>
<context>
    <name>DDevicePage</name>
    <message>
        <source>产品列表</source>
        <translation>Lista de productos</translation>
    </message>
    <message>
        <source>测试按键</source>
        <translation>Botón de prueba</translation>
    </message>
    <message>
        <source>切换主模式</source>
        <translation>Cambiar modo principal</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>电量显示</source>
        <translation>Nivel de batería</translation>
    </message>
    <message>
        <source>Device not connected</source>
        <translation>Dispositivo no conectado</translation>
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
        <translation>Ajustes de iluminación</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Performance</source>
        <translation>Rendimiento</translation>
    </message>
    <message>
        <source>Trigger Setting</source>
        <translation>Ajustes de activación</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avanzadas</translation>
    </message>
    <message>
        <source>The device is not ready</source>
        <translation>El dispositivo aún no está listo</translation>
    </message>
    <message>
        <source>The device is offline</source>
        <translation>El dispositivo está desconectado</translation>
    </message>
    <message>
        <source>The device has been turned on</source>
        <translation>El dispositivo ya está abierto</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleccione primero una tecla</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Restablecer el perfil actual?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Please switch to key calibration mode first</source>
        <translation>Cambie primero al modo de calibración de teclas</translation>
    </message>
    <message>
        <source>The key calibration successful</source>
        <translation>Calibración de la tecla correcta</translation>
    </message>
    <message>
        <source>The key calibration runing</source>
        <translation>Calibrando la tecla</translation>
    </message>
    <message>
        <source>The key calibration failed</source>
        <translation>La calibración de la tecla ha fallado</translation>
    </message>
    <message>
        <source>Unknow</source>
        <translation>Desconocido</translation>
    </message>
    <message>
        <source>The keyboard was found but cannot be opened.
Unplug it and plug it in again, or reload the device rules:</source>
        <translation>Se encontró el teclado, pero no se puede abrir.
Desconéctelo y vuelva a conectarlo, o recargue las reglas de dispositivos:</translation>
    </message>
</context>
<context>
    <name>DDksShowWidget</name>
    <message>
        <source>Dynamic keystroke actions</source>
        <translation>Acciones de pulsación dinámica</translation>
    </message>
</context>
<context>
    <name>DFirmwareInfoShow</name>
    <message>
        <source>Firmware Info</source>
        <translation>Información del firmware</translation>
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
        <translation>1.Explicación</translation>
    </message>
    <message>
        <source>2.Explain</source>
        <translation>2.Explicación</translation>
    </message>
    <message>
        <source>3.Explain</source>
        <translation>3.Explicación</translation>
    </message>
    <message>
        <source>4.Explain</source>
        <translation>4.Explicación</translation>
    </message>
    <message>
        <source>5.Explain</source>
        <translation>5.Explicación</translation>
    </message>
    <message>
        <source>Explain</source>
        <translation>Explicación</translation>
    </message>
</context>
<context>
    <name>DKeyDisablePage</name>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Light mode</source>
        <translation>Modo de iluminación</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Todos los colores</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
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
        <translation>Iluminación personalizada</translation>
    </message>
</context>
<context>
    <name>DMacroListItem</name>
    <message>
        <source>Binding</source>
        <translation>Asignada</translation>
    </message>
</context>
<context>
    <name>DMacroPage</name>
    <message>
        <source>Macro Record</source>
        <translation>Grabación de macro</translation>
    </message>
    <message>
        <source>Macro Group</source>
        <translation>Macros</translation>
    </message>
    <message>
        <source>Delay Setting</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Recording delay</source>
        <translation>Retardo grabado</translation>
    </message>
    <message>
        <source>No delay</source>
        <translation>Sin retardo</translation>
    </message>
    <message>
        <source>Default delay</source>
        <translation>Retardo predeterminado</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>ms</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Event List</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Record is empty</source>
        <translation>Grabación vacía</translation>
    </message>
    <message>
        <source>Insert Event</source>
        <translation>Insertar evento</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Insert event after</source>
        <translation>Insertar después</translation>
    </message>
    <message>
        <source>Insert event before</source>
        <translation>Insertar antes</translation>
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
        <translation>Evento de ratón</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Retardo</translation>
    </message>
    <message>
        <source>Operate</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Introduzca una tecla</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Please enter delay number</source>
        <translation>Introduzca el retardo</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Press Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
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
        <translation>Configuración</translation>
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
        <translation>Cerrar</translation>
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
        <translation>El programa se cerró inesperadamente la última vez. Se guardó un informe en %1</translation>
    </message>
    <message>
        <source>The device library could not be started: no keyboard can be found.</source>
        <translation>No se pudo iniciar la biblioteca de dispositivos: no se puede encontrar ningún teclado.</translation>
    </message>
</context>
<context>
    <name>DResetDefaultPage</name>
    <message>
        <source>Light Press</source>
        <translation>Pulsación ligera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Teclas avanzadas</translation>
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
        <translation>Crear</translation>
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
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulsación</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duración de la pulsación mantenida</translation>
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
        <translation>No hay teclas avanzadas</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
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
        <translation>Con "Tecla única" seleccionada, basta con hacer clic en una tecla para completar la configuración; 
Con "Combinación de teclas" seleccionada, hay que elegir al menos una tecla modificadora y otra tecla para completar la combinación, por ejemplo L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
</context>
<context>
    <name>DSensitivityShowWidget</name>
    <message>
        <source>Key travel</source>
        <translation>Recorrido de la tecla</translation>
    </message>
</context>
<context>
    <name>DSettingsDia</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar la aplicación al arrancar el sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar a la bandeja al cerrar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualización de firmware</translation>
    </message>
    <message>
        <source>Application software</source>
        <translation>Software de aplicación</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Oscuro</translation>
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
        <translation>Otro</translation>
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
        <translation>Formulario</translation>
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
        <translation>Puntos de activación de las acciones DKS</translation>
    </message>
    <message>
        <source>4.0mm</source>
        <translation>4.0mm</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>Personaliza el recorrido de activación y el de reinicio según tu intención de pulsar o soltar la tecla.</translation>
    </message>
    <message>
        <source>Secondary sensitivity</source>
        <translation>Sensibilidad secundaria</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puedes ajustar por separado el recorrido del disparo rápido al pulsar (activación) y al soltar (reinicio).</translation>
    </message>
    <message>
        <source>Press/Release</source>
        <translation>Pulsar/soltar</translation>
    </message>
    <message>
        <source>0.1mm</source>
        <translation>0.1mm</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key anti shake</source>
        <translation>Antirrebote de teclas</translation>
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
        <translation>Restablecer sensibilidad</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>1K</source>
        <translation>1K</translation>
    </message>
    <message>
        <source>Into calibration mode</source>
        <translation>Entrar en modo de calibración</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>Intensity tracking</source>
        <translation>Seguimiento de intensidad</translation>
    </message>
    <message>
        <source>Report rate</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>Key calibration steps</source>
        <translation>Pasos de calibración de teclas</translation>
    </message>
    <message>
        <source>About the travel scale</source>
        <translation>Acerca de la escala de recorrido</translation>
    </message>
</context>
<context>
    <name>DUpdateFirmwareDia</name>
    <message>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
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
        <translation>Operación realizada con éxito</translation>
    </message>
    <message>
        <source>Operate failed: the keyboard is not connected</source>
        <translation>La operación ha fallado: el teclado no está conectado</translation>
    </message>
</context>
<context>
    <name>ProfileController</name>
    <message>
        <source>The number of profile has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de perfiles</translation>
    </message>
    <message>
        <source>Create failed, the index node is already existence, please checked</source>
        <translation>Error al crear: ya existe un perfil con ese índice, compruébelo</translation>
    </message>
    <message>
        <source>Create profile failed</source>
        <translation>Error al crear el perfil</translation>
    </message>
    <message>
        <source>Create profile successful</source>
        <translation>Perfil creado correctamente</translation>
    </message>
    <message>
        <source>Need keep at least one profile</source>
        <translation>Debe conservar al menos un perfil</translation>
    </message>
    <message>
        <source>Delete profile failed</source>
        <translation>Error al eliminar el perfil</translation>
    </message>
    <message>
        <source>Delete profile successful</source>
        <translation>Perfil eliminado correctamente</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero la carpeta de destino</translation>
    </message>
    <message>
        <source>This index node non-existent</source>
        <translation>No existe ningún perfil con este índice</translation>
    </message>
    <message>
        <source>The profile name cannot be used as a file name</source>
        <translation>El nombre del perfil no puede usarse como nombre de archivo</translation>
    </message>
    <message>
        <source>Export profile successful</source>
        <translation>Perfil exportado correctamente</translation>
    </message>
    <message>
        <source>Export profile failed</source>
        <translation>Error al exportar el perfil</translation>
    </message>
    <message>
        <source>Please select import file first</source>
        <translation>Seleccione primero el archivo que desea importar</translation>
    </message>
    <message>
        <source>Import profile failed</source>
        <translation>Error al importar el perfil</translation>
    </message>
    <message>
        <source>Import profile successful</source>
        <translation>Perfil importado correctamente</translation>
    </message>
    <message>
        <source>Profile name can't empty</source>
        <translation>El nombre del perfil no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify profile info failed</source>
        <translation>Error al modificar el perfil</translation>
    </message>
    <message>
        <source>Modify profile info successful</source>
        <translation>Perfil modificado correctamente</translation>
    </message>
    <message>
        <source>Reset the current profile failed</source>
        <translation>Error al restablecer el perfil actual</translation>
    </message>
    <message>
        <source>Reset the current profile successful</source>
        <translation>Perfil actual restablecido correctamente</translation>
    </message>
    <message>
        <source>The time when the light enters sleep cannot be longer than the keyboard enters sleep</source>
        <translation>El tiempo de reposo de la iluminación no puede ser mayor que el del teclado</translation>
    </message>
    <message>
        <source>Keyboard enters sleep time is too short</source>
        <translation>El tiempo de reposo del teclado es demasiado corto</translation>
    </message>
    <message>
        <source>Sleep time set failed</source>
        <translation>Error al configurar el tiempo de reposo</translation>
    </message>
    <message>
        <source>Saving the sleep time failed</source>
        <translation>Error al guardar el tiempo de reposo</translation>
    </message>
    <message>
        <source>Sleep time has been set</source>
        <translation>Se ha configurado el tiempo de reposo</translation>
    </message>
    <message>
        <source>Import profile successful, as "%1": the name "%2" is taken</source>
        <translation>Perfil importado como "%1": el nombre "%2" ya existe</translation>
    </message>
    <message>
        <source>The profile name is unchanged</source>
        <translation>El nombre del perfil no ha cambiado</translation>
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
        <translation>Desconocido</translation>
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
        <translation>Salir(&amp;Q)</translation>
    </message>
    <message>
        <source>Remap Key</source>
        <translation>Reasignar tecla</translation>
    </message>
    <message>
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message>
        <source>Key Combination</source>
        <translation>Combinación de teclas</translation>
    </message>
    <message>
        <source>Multimedia</source>
        <translation>Multimedia</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Desactivar</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Switch Profile</source>
        <translation>Cambiar perfil</translation>
    </message>
    <message>
        <source>Launch Application</source>
        <translation>Abrir aplicación</translation>
    </message>
    <message>
        <source>Shortcuts</source>
        <translation>Atajos</translation>
    </message>
    <message>
        <source>Key Config</source>
        <translation>Configuración de teclas</translation>
    </message>
    <message>
        <source>Keyboard Light</source>
        <translation>Luz del teclado</translation>
    </message>
    <message>
        <source>Atmosphere Light</source>
        <translation>Luz ambiental</translation>
    </message>
    <message>
        <source>Senior Keys</source>
        <translation>Teclas avanzadas</translation>
    </message>
    <message>
        <source>Volume +</source>
        <translation>Volumen +</translation>
    </message>
    <message>
        <source>Volume -</source>
        <translation>Volumen -</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silenciar</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/pausa</translation>
    </message>
    <message>
        <source>Next track</source>
        <translation>Pista siguiente</translation>
    </message>
    <message>
        <source>Prev track</source>
        <translation>Pista anterior</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Reproductor</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculadora</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Browser</source>
        <translation>Navegador</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Screen brightness+</source>
        <translation>Brillo de pantalla+</translation>
    </message>
    <message>
        <source>Screen brightness-</source>
        <translation>Brillo de pantalla-</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Mouse Left</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Mouse Center</source>
        <translation>Botón central</translation>
    </message>
    <message>
        <source>Mouse Right</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Scroll Up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Scroll Down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Sniper Key</source>
        <translation>Tecla francotirador</translation>
    </message>
    <message>
        <source>Close window</source>
        <translation>Cerrar ventana</translation>
    </message>
    <message>
        <source>Switch windows</source>
        <translation>Cambiar de ventana</translation>
    </message>
    <message>
        <source>Show desktop</source>
        <translation>Mostrar escritorio</translation>
    </message>
    <message>
        <source>My computer</source>
        <translation>Mi equipo</translation>
    </message>
    <message>
        <source>Lock computer</source>
        <translation>Bloquear equipo</translation>
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
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
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
        <translation>Capa predeterminada</translation>
    </message>
    <message>
        <source>FN layer</source>
        <translation>Capa FN</translation>
    </message>
    <message>
        <source>FN1 layer</source>
        <translation>Capa FN1</translation>
    </message>
    <message>
        <source>Power query</source>
        <translation>Consultar batería</translation>
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
        <translation>Cambiar a 2.4G</translation>
    </message>
    <message>
        <source>USB switching</source>
        <translation>Cambiar a USB</translation>
    </message>
    <message>
        <source>Overall light</source>
        <translation>Luz general</translation>
    </message>
    <message>
        <source>Interaction light</source>
        <translation>Luz interactiva</translation>
    </message>
    <message>
        <source>All light</source>
        <translation>Todas las luces</translation>
    </message>
    <message>
        <source>Static</source>
        <translation>Estático</translation>
    </message>
    <message>
        <source>Brightness +</source>
        <translation>Brillo +</translation>
    </message>
    <message>
        <source>Brightness -</source>
        <translation>Brillo -</translation>
    </message>
    <message>
        <source>Speed +</source>
        <translation>Velocidad +</translation>
    </message>
    <message>
        <source>Speed -</source>
        <translation>Velocidad -</translation>
    </message>
    <message>
        <source>Direction +1</source>
        <translation>Dirección +1</translation>
    </message>
    <message>
        <source>Direction -1</source>
        <translation>Dirección -1</translation>
    </message>
    <message>
        <source>Direction Loop</source>
        <translation>Ciclo de dirección</translation>
    </message>
    <message>
        <source>Into full color</source>
        <translation>Pasar a todo color</translation>
    </message>
    <message>
        <source>Top color changed</source>
        <translation>Cambiar color superior</translation>
    </message>
    <message>
        <source>Bottom color changed</source>
        <translation>Cambiar color inferior</translation>
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
        <translation>Apagar todo</translation>
    </message>
    <message>
        <source>Close back light</source>
        <translation>Apagar retroiluminación</translation>
    </message>
    <message>
        <source>Stop back light</source>
        <translation>Detener retroiluminación</translation>
    </message>
    <message>
        <source>Light recording</source>
        <translation>Grabación de luz</translation>
    </message>
    <message>
        <source>Close side light</source>
        <translation>Apagar luz lateral</translation>
    </message>
    <message>
        <source>Stop side light</source>
        <translation>Detener luz lateral</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>No upgradeable devices found</source>
        <translation>No se encontraron dispositivos actualizables</translation>
    </message>
    <message>
        <source>Korean/English</source>
        <translation>Coreano/inglés</translation>
    </message>
    <message>
        <source>Chinese</source>
        <translation>Chino</translation>
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
        <translation>No se pudo leer la distribución de teclas de %1</translation>
    </message>
    <message>
        <source>Cannot remapped</source>
        <translation>No se puede reasignar</translation>
    </message>
    <message>
        <source>Press</source>
        <translation>Pulsar</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Soltar</translation>
    </message>
    <message>
        <source>Key triggered</source>
        <translation>Activación de tecla</translation>
    </message>
    <message>
        <source>Side light %1</source>
        <translation>Luz lateral %1</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Imagen de fondo</translation>
    </message>
    <message>
        <source>Auto start</source>
        <translation>Inicio automático</translation>
    </message>
    <message>
        <source>Launch applications when the system starts (Minimized)</source>
        <translation>Iniciar la aplicación al arrancar el sistema (minimizada)</translation>
    </message>
    <message>
        <source>Close startup to tray</source>
        <translation>Minimizar a la bandeja al cerrar</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Actualización</translation>
    </message>
    <message>
        <source>Firmware upgrade check</source>
        <translation>Buscar actualización de firmware</translation>
    </message>
    <message>
        <source>Set config success</source>
        <translation>Configuración guardada</translation>
    </message>
    <message>
        <source>Set config failed</source>
        <translation>No se pudo guardar la configuración</translation>
    </message>
    <message>
        <source>Firmware Info</source>
        <translation>Información del firmware</translation>
    </message>
    <message>
        <source>Remap with key?</source>
        <translation>¿Reasignar a qué tecla?</translation>
    </message>
    <message>
        <source>Enter key?</source>
        <translation>¿Introducir teclas?</translation>
    </message>
    <message>
        <source>Select App</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Please select the path where your app is located</source>
        <translation>Seleccione la ruta donde se encuentra la aplicación</translation>
    </message>
    <message>
        <source>Select application</source>
        <translation>Seleccionar aplicación</translation>
    </message>
    <message>
        <source>Applications (*.desktop)</source>
        <translation>Aplicaciones (*.desktop)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Enter text ...</source>
        <translation>Introduzca el texto...</translation>
    </message>
    <message>
        <source>Mouse Key</source>
        <translation>Teclas de ratón</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tipo:</translation>
    </message>
    <message>
        <source>Function:</source>
        <translation>Función:</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Please select one Key first</source>
        <translation>Seleccione primero una tecla</translation>
    </message>
    <message>
        <source>Operate successful</source>
        <translation>Operación correcta</translation>
    </message>
    <message>
        <source>Operate failed, the profile could not be saved</source>
        <translation>Error en la operación: no se pudo guardar el perfil</translation>
    </message>
    <message>
        <source>Setting failed because the text is empty</source>
        <translation>Error de configuración: el texto está vacío</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Light Press</source>
        <translation>Pulsación ligera</translation>
    </message>
    <message>
        <source>Heavy Press</source>
        <translation>Pulsación fuerte</translation>
    </message>
    <message>
        <source>If Win Lock is on:</source>
        <translation>Con el bloqueo de Win activado:</translation>
    </message>
    <message>
        <source>Disable Windows key</source>
        <translation>Desactivar la tecla Windows</translation>
    </message>
    <message>
        <source>Disable SHIFT+TAB</source>
        <translation>Desactivar SHIFT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+TAB</source>
        <translation>Desactivar ALT+TAB</translation>
    </message>
    <message>
        <source>Disable ALT+F4</source>
        <translation>Desactivar ALT+F4</translation>
    </message>
    <message>
        <source>Light into sleep:</source>
        <translation>Reposo de la iluminación:</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Keyboard into sleep:</source>
        <translation>Reposo del teclado:</translation>
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
        <translation>Restablecer el perfil actual</translation>
    </message>
    <message>
        <source>Keyboard properties</source>
        <translation>Propiedades del teclado</translation>
    </message>
    <message>
        <source>Prohibit Sleep</source>
        <translation>Impedir el reposo</translation>
    </message>
    <message>
        <source>Saving the Win lock choices failed</source>
        <translation>Error al guardar las opciones del bloqueo de Win</translation>
    </message>
    <message>
        <source>The desktop's keyboard settings could not be opened</source>
        <translation>No se pudo abrir la configuración del teclado del escritorio</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
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
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Save directory</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Open profile file</source>
        <translation>Abrir archivo de perfil</translation>
    </message>
    <message>
        <source>Profile files(*.xml)</source>
        <translation>Archivos de perfil(*.xml)</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Whether to reset the current profile?</source>
        <translation>¿Restablecer el perfil actual?</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Download config successful</source>
        <translation>Configuración descargada correctamente</translation>
    </message>
    <message>
        <source>Download config failed, Please try again</source>
        <translation>Error al descargar la configuración, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Download refused: %1 keys play macros, the keyboard holds %2 macros</source>
        <translation>Descarga rechazada: %1 teclas reproducen macros, el teclado admite como máximo %2 macros</translation>
    </message>
    <message>
        <source>Download refused: %1 keys are bound to advanced keys, the keyboard holds %2 advanced keys</source>
        <translation>Descarga rechazada: %1 teclas están asignadas a teclas avanzadas, el teclado admite como máximo %2 teclas avanzadas</translation>
    </message>
    <message>
        <source>Left Click</source>
        <translation>Clic izquierdo</translation>
    </message>
    <message>
        <source>Center Click</source>
        <translation>Clic central</translation>
    </message>
    <message>
        <source>Right Click</source>
        <translation>Clic derecho</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Start record</source>
        <translation>Iniciar grabación</translation>
    </message>
    <message>
        <source>Stop record</source>
        <translation>Detener grabación</translation>
    </message>
    <message>
        <source>Add macro successful</source>
        <translation>Macro añadida</translation>
    </message>
    <message>
        <source>Delete macro successful</source>
        <translation>Macro eliminada</translation>
    </message>
    <message>
        <source>Macro name can't be empty</source>
        <translation>El nombre de la macro no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify macro name successful</source>
        <translation>Nombre de la macro cambiado</translation>
    </message>
    <message>
        <source>Please select a specific location first</source>
        <translation>Seleccione primero una posición</translation>
    </message>
    <message>
        <source>Please enter a key</source>
        <translation>Introduzca una tecla</translation>
    </message>
    <message>
        <source>The record of events has reached the limit</source>
        <translation>Se ha alcanzado el límite de eventos</translation>
    </message>
    <message>
        <source>Insert successful</source>
        <translation>Insertado</translation>
    </message>
    <message>
        <source>Modify successful</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Please select a macro first</source>
        <translation>Seleccione primero una macro</translation>
    </message>
    <message>
        <source>Clear record macro successful</source>
        <translation>Grabación de la macro vaciada</translation>
    </message>
    <message>
        <source>Please select save directory first</source>
        <translation>Seleccione primero una carpeta de destino</translation>
    </message>
    <message>
        <source>Export macro successful</source>
        <translation>Macro exportada</translation>
    </message>
    <message>
        <source>Open macro file</source>
        <translation>Abrir archivo de macro</translation>
    </message>
    <message>
        <source>Macro files(*.xml)</source>
        <translation>Archivos de macro(*.xml)</translation>
    </message>
    <message>
        <source>Import macro failed: the file is damaged</source>
        <translation>Error al importar: el archivo está dañado</translation>
    </message>
    <message>
        <source>Import macro successful</source>
        <translation>Macro importada</translation>
    </message>
    <message>
        <source>Start record macro</source>
        <translation>Grabación de la macro iniciada</translation>
    </message>
    <message>
        <source>Stop record macro</source>
        <translation>Grabación de la macro detenida</translation>
    </message>
    <message>
        <source>Assign Macro</source>
        <translation>Asignar macro</translation>
    </message>
    <message>
        <source>Assign Profile</source>
        <translation>Asignar perfil</translation>
    </message>
    <message>
        <source>Continous playback on/off</source>
        <translation>Reproducción continua activada/desactivada</translation>
    </message>
    <message>
        <source>Play Number</source>
        <translation>Número de reproducciones</translation>
    </message>
    <message>
        <source>Play Number 1,2,3...</source>
        <translation>Número de reproducciones 1,2,3...</translation>
    </message>
    <message>
        <source>Play Type</source>
        <translation>Modo de reproducción</translation>
    </message>
    <message>
        <source>Play multiple times</source>
        <translation>Reproducir varias veces</translation>
    </message>
    <message>
        <source>Play once</source>
        <translation>Reproducir una vez</translation>
    </message>
    <message>
        <source>Play while assigned key is pressed</source>
        <translation>Reproducir mientras se pulsa la tecla asignada</translation>
    </message>
    <message>
        <source>There is no macro to assign, please record a macro first</source>
        <translation>No hay ninguna macro para asignar; grabe primero una macro</translation>
    </message>
    <message>
        <source>Brightness:</source>
        <translation>Brillo:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Dirección:</translation>
    </message>
    <message>
        <source>Full color</source>
        <translation>Todos los colores</translation>
    </message>
    <message>
        <source>Top color</source>
        <translation>Color superior</translation>
    </message>
    <message>
        <source>Bottom color</source>
        <translation>Color inferior</translation>
    </message>
    <message>
        <source>Custom light</source>
        <translation>Iluminación personalizada</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Keyboard/Ambient</source>
        <translation>Teclado/ambiente</translation>
    </message>
    <message>
        <source>The device has no atmosphere lamp</source>
        <translation>El dispositivo no tiene luz ambiental</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Wave</source>
        <translation>Ola</translation>
    </message>
    <message>
        <source>Custom light name can't be empty</source>
        <translation>El nombre de la iluminación personalizada no puede estar vacío</translation>
    </message>
    <message>
        <source>Modify custom light name successful</source>
        <translation>Nombre de la iluminación personalizada cambiado</translation>
    </message>
    <message>
        <source>Breath</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>Neon</source>
        <translation>Neón</translation>
    </message>
    <message>
        <source>Radar</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>Snake</source>
        <translation>Serpiente</translation>
    </message>
    <message>
        <source>Reactive</source>
        <translation>Reactivo</translation>
    </message>
    <message>
        <source>Aurora</source>
        <translation>Aurora</translation>
    </message>
    <message>
        <source>Ripple</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Twinkle</source>
        <translation>Centelleo</translation>
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
        <translation>Respuesta a la velocidad</translation>
    </message>
    <message>
        <source>Auto Ripple</source>
        <translation>Ondas automáticas</translation>
    </message>
    <message>
        <source>Striation</source>
        <translation>Estrías</translation>
    </message>
    <message>
        <source>Fireworks</source>
        <translation>Fuegos artificiales</translation>
    </message>
    <message>
        <source>Musical Rhythm</source>
        <translation>Ritmo musical</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Colisión</translation>
    </message>
    <message>
        <source>1.Into key calibration mode first;</source>
        <translation>1.Entra primero en el modo de calibración de teclas;</translation>
    </message>
    <message>
        <source>2.Select one key;</source>
        <translation>2.Selecciona una tecla;</translation>
    </message>
    <message>
        <source>3.Clicked "Start calibration";</source>
        <translation>3.Haz clic en "Iniciar calibración";</translation>
    </message>
    <message>
        <source>4.Press the selected key;</source>
        <translation>4.Pulsa la tecla seleccionada;</translation>
    </message>
    <message>
        <source>5.Return key calibration results;</source>
        <translation>5.Se muestra el resultado de la calibración;</translation>
    </message>
    <message>
        <source>Set the required press key duration for triggering.</source>
        <translation>Ajusta el recorrido de pulsación necesario para la activación.</translation>
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
        <translation>Sensibilidad al pulsar y al soltar</translation>
    </message>
    <message>
        <source>Reset sensitivity</source>
        <translation>Restablecer sensibilidad</translation>
    </message>
    <message>
        <source>Rate return</source>
        <translation>Tasa de sondeo</translation>
    </message>
    <message>
        <source>Key calibration mode</source>
        <translation>Modo de calibración de teclas</translation>
    </message>
    <message>
        <source>Start calibration</source>
        <translation>Iniciar calibración</translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation>Activación</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reinicio</translation>
    </message>
    <message>
        <source>Customize and adjust your trigger stroke and reset stroke based on your intention to press or release the button.</source>
        <translation>Personaliza el recorrido de activación y el de reinicio según tu intención de pulsar o soltar la tecla.</translation>
    </message>
    <message>
        <source>You can separately set the stroke values for quick trigger pressing (triggering) and releasing (resetting).</source>
        <translation>Puedes ajustar por separado el recorrido del disparo rápido al pulsar (activación) y al soltar (reinicio).</translation>
    </message>
    <message>
        <source>When "Single Key" is selected, simply click a certain key to complete key configuration;</source>
        <translation>Con "Tecla única" seleccionada, basta con hacer clic en una tecla para completar la configuración;</translation>
    </message>
    <message>
        <source>When "Key Combination" is selected, at least one combination key and one other key need to be selected to complete the input of the combination key, such as L_Shift+A or L_Shift+L_Ctrl+A;</source>
        <translation>Con "Combinación de teclas" seleccionada, hay que elegir al menos una tecla modificadora y otra tecla para completar la combinación, por ejemplo L_Shift+A o L_Shift+L_Ctrl+A;</translation>
    </message>
    <message>
        <source>Trigger points for DKS actions</source>
        <translation>Puntos de activación de las acciones DKS</translation>
    </message>
    <message>
        <source>Normal Keys</source>
        <translation>Teclas normales</translation>
    </message>
    <message>
        <source>Special Keys</source>
        <translation>Teclas especiales</translation>
    </message>
    <message>
        <source>Single Key</source>
        <translation>Tecla única</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>Mantener</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Pulsación</translation>
    </message>
    <message>
        <source>Hold Duration</source>
        <translation>Duración de la pulsación mantenida</translation>
    </message>
    <message>
        <source>Senior keys is empty</source>
        <translation>No hay teclas avanzadas</translation>
    </message>
    <message>
        <source>The number of senior keys has reached the maximum</source>
        <translation>Se ha alcanzado el número máximo de teclas avanzadas</translation>
    </message>
    <message>
        <source>Create senior keys successful</source>
        <translation>Tecla avanzada creada</translation>
    </message>
    <message>
        <source>Delete senior keys successful</source>
        <translation>Tecla avanzada eliminada</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>If the firmware is being updated, do not unplug the device!</source>
        <translation>¡No desconecte el dispositivo mientras se actualiza el firmware!</translation>
    </message>
    <message>
        <source>Update successful</source>
        <translation>Actualización correcta</translation>
    </message>
    <message>
        <source>Update failed</source>
        <translation>Error de actualización</translation>
    </message>
    <message>
        <source>Product name:</source>
        <translation>Nombre del producto:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nueva versión:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Alejar</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Acercar</translation>
    </message>
    <message>
        <source>Profile menu</source>
        <translation>Menú de perfil</translation>
    </message>
    <message>
        <source>Colour %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
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
        <translation>Sentido horario</translation>
    </message>
    <message>
        <source>Anticlockwise</source>
        <translation>Sentido antihorario</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
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
        <translation>Minimizar a la bandeja al cerrar (no se encontró la bandeja del sistema)</translation>
    </message>
    <message>
        <source>The firmware image is not valid for this keyboard</source>
        <translation>La imagen de firmware no es válida para este teclado</translation>
    </message>
    <message>
        <source>Reconnect the keyboard</source>
        <translation>Vuelva a conectar el teclado</translation>
    </message>
    <message>
        <source>Copyright © %1. All rights reserved.</source>
        <translation>Copyright © %1. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Saving the macro failed</source>
        <translation>No se pudo guardar la macro</translation>
    </message>
    <message>
        <source>The macro name cannot be used as a file name</source>
        <translation>El nombre de la macro no se puede usar como nombre de archivo</translation>
    </message>
    <message>
        <source>Export macro failed: the file %1 cannot be written</source>
        <translation>Error al exportar la macro: no se puede escribir el archivo %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file %1 cannot be opened</source>
        <translation>Error al importar la macro: no se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Import macro failed: the file is larger than %1 KiB</source>
        <translation>Error al importar la macro: el archivo supera los %1 KiB</translation>
    </message>
    <message>
        <source>Import macro failed: the file holds more than %1 events</source>
        <translation>Error al importar la macro: el archivo contiene más de %1 eventos</translation>
    </message>
    <message>
        <source>Import macro failed: the store already holds %1 macros</source>
        <translation>Error al importar la macro: ya hay %1 macros guardadas</translation>
    </message>
    <message>
        <source>Saving the advanced key failed</source>
        <translation>No se pudo guardar la tecla avanzada</translation>
    </message>
    <message>
        <source>Saving the light settings failed</source>
        <translation>No se pudo guardar la configuración de iluminación</translation>
    </message>
    <message>
        <source>Key %1, point %2</source>
        <translation>Tecla %1, punto %2</translation>
    </message>
    <message>
        <source>Hold, as a new press</source>
        <translation>Mantener, como nueva pulsación</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Sin acción</translation>
    </message>
    <message>
        <source>Another keyboard is in update mode: finish or unplug it, then try again</source>
        <translation>Otro teclado está en modo de actualización: termine o desconéctelo y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>Select a macro</source>
        <translation>Seleccione una macro</translation>
    </message>
    <message>
        <source>Select an advanced key</source>
        <translation>Seleccione una tecla avanzada</translation>
    </message>
    <message>
        <source>Please create or select a macro first</source>
        <translation>Primero cree o seleccione una macro</translation>
    </message>
</context>
<context>
    <name>SVColorArea</name>
    <message>
        <source>Colour picker</source>
        <translation>Selector de color</translation>
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
        <translation>Apartarlo y empezar de nuevo</translation>
    </message>
    <message>
        <source>Keep it</source>
        <translation>Conservarlo</translation>
    </message>
    <message>
        <source>%1.
Its content cannot be shown. Keep the file as it is (the page stays empty), or move it aside with the date in its name and start a new one?</source>
        <translation>%1.
No se puede mostrar su contenido. ¿Conservar el archivo tal cual (la página queda vacía) o apartarlo con la fecha en su nombre y empezar uno nuevo?</translation>
    </message>
    <message>
        <source>The file %1 cannot be moved aside</source>
        <translation>No se puede apartar el archivo %1</translation>
    </message>
</context>
<context>
    <name>UpdateFirmwareInfoItem</name>
    <message>
        <source>Product name:</source>
        <translation>Nombre del producto:</translation>
    </message>
    <message>
        <source>Current version:</source>
        <translation>Versión actual:</translation>
    </message>
    <message>
        <source>Update progress:</source>
        <translation>Progreso:</translation>
    </message>
    <message>
        <source>New version:</source>
        <translation>Nueva versión:</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Complete</source>
        <translation>Completado</translation>
    </message>
</context>
<context>
    <name>hidDeviceJoinFrame</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
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
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>lightDealMain</name>
    <message>
        <source>Musical Rhythm cannot hear the sound output: no sound server answers</source>
        <translation>Ritmo musical no puede oír la salida de sonido: ningún servidor de sonido responde</translation>
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
        <translation>Cambiar nombre</translation>
    </message>
</context>
</TS>
