<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ColumnTitles</name>
    <message>
        <source>Ground</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Striking</source>
        <translation>Golpeo</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Defensa</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Forma física</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Mental</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>Common name</source>
        <translation>Nombre común</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Game plan</source>
        <translation>Estrategia</translation>
    </message>
    <message>
        <source>Ground game plan</source>
        <translation>Estrategia suelo</translation>
    </message>
    <message>
        <source>Clinch game plan</source>
        <translation>Estrategia de clinch</translation>
    </message>
    <message>
        <source>Fight style</source>
        <translation>Estilo de pelea</translation>
    </message>
    <message>
        <source>Fancy strikes</source>
        <translation>Golpes vistosos</translation>
    </message>
    <message>
        <source>Fancy submissions</source>
        <translation>Sumisiones vistosas</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nacionalidad</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Sherdog ID</source>
        <translation>ID Sherdog</translation>
    </message>
    <message>
        <source>Punches</source>
        <translation>Puños</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Patadas</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Clinch</source>
        <translation>Agarres</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidad</translation>
    </message>
    <message>
        <source>Dodge</source>
        <translation>Esquiva</translation>
    </message>
    <message>
        <source>Motivation</source>
        <translation>Motivación</translation>
    </message>
    <message>
        <source>Takedowns</source>
        <translation>Derribo</translation>
    </message>
    <message>
        <source>Takedown defence</source>
        <translation>Def contra derribos</translation>
    </message>
    <message>
        <source>Ground and pound</source>
        <translation>Ground&apos;n&apos;Pound</translation>
    </message>
    <message>
        <source>Submissions</source>
        <translation>Sometimiento</translation>
    </message>
    <message>
        <source>Submission defence</source>
        <translation>Def contra sometimiento</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Fortitude</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Aggressiveness</source>
        <translation>Agresividad</translation>
    </message>
    <message>
        <source>KO resistance</source>
        <translation>Resistencia al KO</translation>
    </message>
    <message>
        <source>Ground game</source>
        <translation>Suelo (juego)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
</context>
<context>
    <name>RefusalWords</name>
    <message>
        <source>%1: a NUL cannot be part of a file name</source>
        <translation>%1: un carácter NUL no puede formar parte de un nombre de archivo</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; leaves the Fighters folder</source>
        <translation>%1: «%2» sale de la carpeta Fighters</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is also the file of another edited fighter</source>
        <translation>%1: «%2» es también el archivo de otro luchador editado</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: no se puede leer el archivo: %2</translation>
    </message>
    <message>
        <source>%1: %2 already exists</source>
        <translation>%1: %2 ya existe</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an integer from %3 to %4</source>
        <translation>%1: «%2» no es un número entero de %3 a %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is neither an entry of the list nor an integer</source>
        <translation>%1: «%2» no es una opción de la lista ni un número entero</translation>
    </message>
    <message>
        <source>%1: JEX fighters cannot have the Go to the ground game plan</source>
        <translation>%1: los luchadores de JEX no pueden tener la estrategia de llevar la pelea al suelo</translation>
    </message>
    <message>
        <source>%1: a line break cannot go into a line of a fighter file</source>
        <translation>%1: un salto de línea no cabe en una línea del archivo del luchador</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is a character a fighter file cannot hold</source>
        <translation>%1: «%2» es un carácter que el archivo del luchador no puede guardar</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has no category folder in %3 mode</source>
        <translation>%1: «%2» no tiene carpeta de categoría en el modo %3</translation>
    </message>
    <message>
        <source>%1: a new fighter needs this field</source>
        <translation>%1: un luchador nuevo necesita este campo</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot name a fighter file</source>
        <translation>%1: «%2» no sirve como nombre de archivo de luchador</translation>
    </message>
</context>
<context>
    <name>beditor::EditorWindow</name>
    <message>
        <source>The fighter was saved, but its old file could not be removed:
%1
The fighter is now in two category folders.</source>
        <translation>El luchador se guardó, pero no se pudo borrar su archivo anterior:
%1
El luchador está ahora en dos carpetas de categoría.</translation>
    </message>
    <message>
        <source>Old file not removed</source>
        <translation>Archivo anterior no borrado</translation>
    </message>
</context>
<context>
    <name>beditor::RosterTableModel</name>
    <message>
        <source>edit %1</source>
        <translation>editar %1</translation>
    </message>
    <message>
        <source>Created the team file Team/%1.txt</source>
        <translation>Creado el archivo de equipo Team/%1.txt</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Guardado %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Movido %1 a %2</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Creado %1</translation>
    </message>
    <message>
        <source>%1 was written to %2, but the old file could not be removed, so the fighter is in both folders: %3</source>
        <translation>%1 se escribió en %2, pero no se pudo borrar el archivo anterior, así que el luchador está en las dos carpetas: %3</translation>
    </message>
    <message>
        <source>Saving stopped while writing %1: %2</source>
        <translation>El guardado se detuvo al escribir %1: %2</translation>
    </message>
    <message>
        <source>%1 is untouched; %2 files were written whole before it; the edits after it are kept.</source>
        <translation>%1 no se ha tocado; antes se escribieron completos %2 archivos; las ediciones posteriores se conservan.</translation>
    </message>
    <message>
        <source>Saved: %1 changed, %2 moved, %3 created</source>
        <translation>Guardado: %1 cambiados, %2 movidos, %3 creados</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>línea %1: %2: %3</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>Changed on disk since it was read, not overwritten: read again, with its edits on top; save again to write them: %1</source>
        <translation>Cambiado en el disco desde que se leyó, no se ha sobrescrito: se ha vuelto a leer con sus ediciones encima; guarde otra vez para escribirlas: %1</translation>
    </message>
    <message>
        <source>Could not be read to check for changes, not saved (its edits are kept): %1</source>
        <translation>No se pudo leer para comprobar si cambió, no se ha guardado (sus ediciones se conservan): %1</translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation>Nada que guardar</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>The file on disk can no longer be loaded: the row shows it as it was read, and its edits are kept, unsaved, until the file is mended.</source>
        <translation>El archivo del disco ya no se puede cargar: la fila lo muestra como se leyó, y sus ediciones se conservan, sin guardar, hasta que se repare el archivo.</translation>
    </message>
    <message>
        <source>Gone from disk (moved or deleted by another program).</source>
        <translation>Ya no está en el disco (otro programa lo movió o lo borró).</translation>
    </message>
    <message>
        <source>Changed here and in the file: here &quot;%1&quot;, in the file &quot;%2&quot;, before &quot;%3&quot;. Keep yours or take the file&apos;s (right-click).</source>
        <translation>Cambiado aquí y en el archivo: aquí «%1», en el archivo «%2», antes «%3». Conserve el suyo o tome el del archivo (clic derecho).</translation>
    </message>
    <message>
        <source>discard the edits of fighters gone from disk</source>
        <translation>descartar las ediciones de luchadores que ya no están en el disco</translation>
    </message>
    <message>
        <source>%1: changed here and in the file to different values in %2; not saved until you keep yours or take the file&apos;s (right-click the marked cell)</source>
        <translation>%1: cambiado aquí y en el archivo a valores distintos en %2; no se guarda hasta que conserve el suyo o tome el del archivo (clic derecho en la celda marcada)</translation>
    </message>
    <message>
        <source>Gone from disk (moved or deleted by another program), its edits cannot be saved: %1. Edit &gt; Discard edits of gone fighters takes them back.</source>
        <translation>Ya no está en el disco (otro programa lo movió o lo borró), sus ediciones no se pueden guardar: %1. Edición &gt; Descartar ediciones de luchadores desaparecidos las deshace.</translation>
    </message>
    <message>
        <source>Can no longer be loaded from disk (another program left it broken): its edits are kept, unsaved, and the row is read again once the file is mended: %1</source>
        <translation>Ya no se puede cargar del disco (otro programa lo dejó dañado): sus ediciones se conservan, sin guardar, y la fila se lee de nuevo cuando se repare el archivo: %1</translation>
    </message>
    <message numerus="yes">
        <source>The edits of %n fighter(s) gone from disk are kept, unsaved (Edit &gt; Discard edits of gone fighters)</source>
        <translation>
            <numerusform>Las ediciones de %n luchador que ya no está en el disco se conservan, sin guardar (Edición &gt; Descartar ediciones de luchadores desaparecidos)</numerusform>
            <numerusform>Las ediciones de %n luchadores que ya no están en el disco se conservan, sin guardar (Edición &gt; Descartar ediciones de luchadores desaparecidos)</numerusform>
        </translation>
    </message>
    <message>
        <source>New fighter from the roster update: the next save creates the file (Keep mine takes it back).</source>
        <translation>Luchador nuevo de la actualización de la plantilla: el próximo guardado crea el archivo (Conservar el mío lo retira).</translation>
    </message>
    <message>
        <source>Changed here and in the roster update: here &quot;%1&quot;, in the update &quot;%2&quot;, before &quot;%3&quot;. Keep yours or take the update&apos;s (right-click).</source>
        <translation>Cambiado aquí y en la actualización de la plantilla: aquí «%1», en la actualización «%2», antes «%3». Conserve el suyo o tome el de la actualización (clic derecho).</translation>
    </message>
    <message>
        <source>From the roster update; before: &quot;%1&quot; (Keep mine takes it back).</source>
        <translation>De la actualización de la plantilla; antes: «%1» (Conservar el mío lo retira).</translation>
    </message>
    <message>
        <source>Save or discard your edits first: a roster update is shown as edits of its own.</source>
        <translation>Guarde o descarte primero sus ediciones: una actualización de la plantilla se muestra como ediciones propias.</translation>
    </message>
    <message>
        <source>The roster is still being read: take the update once it is read.</source>
        <translation>La plantilla aún se está leyendo: tome la actualización cuando esté leída.</translation>
    </message>
    <message>
        <source>The update %1 is not a program folder: it has no Fighters folder.</source>
        <translation>La actualización %1 no es una carpeta del programa: no tiene carpeta Fighters.</translation>
    </message>
    <message>
        <source>%1 is the roster&apos;s own program folder, not an update.</source>
        <translation>%1 es la propia carpeta del programa de la plantilla, no una actualización.</translation>
    </message>
    <message>
        <source>The update %1 is not a folder.</source>
        <translation>La actualización %1 no es una carpeta.</translation>
    </message>
    <message>
        <source>in the update: %1</source>
        <translation>en la actualización: %1</translation>
    </message>
    <message>
        <source>The update was not shown: a category folder could not be listed, and a roster is not compared by half.
%1</source>
        <translation>La actualización no se mostró: no se pudo listar una carpeta de categoría, y una plantilla no se compara a medias.
%1</translation>
    </message>
    <message>
        <source>The update was not shown:
%1</source>
        <translation>La actualización no se mostró:
%1</translation>
    </message>
    <message>
        <source>The roster update changes nothing here.</source>
        <translation>La actualización de la plantilla no cambia nada aquí.</translation>
    </message>
    <message>
        <source>take the roster update</source>
        <translation>tomar la actualización de la plantilla</translation>
    </message>
    <message>
        <source>Roster update shown, to save or undo: %1 changed fields in %2 fighters (%3 moved by their category), %4 new fighters, %5 team files to copy.</source>
        <translation>Actualización de la plantilla mostrada, para guardar o deshacer: %1 campos cambiados en %2 luchadores (%3 movidos por su categoría), %4 luchadores nuevos, %5 archivos de equipo por copiar.</translation>
    </message>
    <message>
        <source>The update puts these fighters under another file name, or in a folder other than their category&apos;s, which the window cannot do as an edit; their other changes are shown:
%1</source>
        <translation>La actualización pone a estos luchadores con otro nombre de archivo, o en una carpeta distinta de la de su categoría, lo que la ventana no puede hacer como edición; sus demás cambios se muestran:
%1</translation>
    </message>
    <message>
        <source>new fighter</source>
        <translation>luchador nuevo</translation>
    </message>
    <message>
        <source>take back a new fighter</source>
        <translation>retirar un luchador nuevo</translation>
    </message>
    <message>
        <source>team files to copy</source>
        <translation>archivos de equipo por copiar</translation>
    </message>
    <message numerus="yes">
        <source>%n team file(s) created</source>
        <translation>
            <numerusform>%n archivo de equipo creado</numerusform>
            <numerusform>%n archivos de equipo creados</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>beditor::RosterWindow</name>
    <message>
        <source>Filter by name, team or nationality</source>
        <translation>Filtrar por nombre, equipo o nacionalidad</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>Todas las categorías</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>F&amp;iltro:</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>The roster has unsaved edits.</source>
        <translation>La plantilla tiene ediciones sin guardar.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Open in editor</source>
        <translation>A&amp;brir en el editor</translation>
    </message>
    <message>
        <source>E&amp;xport to spreadsheet...</source>
        <translation>E&amp;xportar a hoja de cálculo...</translation>
    </message>
    <message>
        <source>Export to spreadsheet</source>
        <translation>Exportar a hoja de cálculo</translation>
    </message>
    <message>
        <source>Spreadsheet workbook (*.xlsx)</source>
        <translation>Libro de hoja de cálculo (*.xlsx)</translation>
    </message>
    <message>
        <source>%1 fighters exported to %2</source>
        <translation>%1 luchadores exportados a %2</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filtrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>%1 %2
The fighters of a BEditor program folder in one table.</source>
        <translation>%1 %2
Los luchadores de una carpeta de BEditor en una tabla.</translation>
    </message>
    <message>
        <source>Reading the roster... (Esc stops)</source>
        <translation>Leyendo la plantilla... (Esc detiene)</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 fighters read</source>
        <translation>Detenido: leídos %1 de %2 luchadores</translation>
    </message>
    <message>
        <source>%1 of %2 fighters</source>
        <translation>%1 de %2 luchadores</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errores</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 aviso</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avisos</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>There is no editor in the roster&apos;s program folder, so the fighter was not opened: %1</source>
        <translation>No hay editor en la carpeta del programa de la plantilla, así que no se abrió el luchador: %1</translation>
    </message>
    <message>
        <source>Opened %1 in the editor</source>
        <translation>Abierto %1 en el editor</translation>
    </message>
    <message>
        <source>The editor could not be started: %1</source>
        <translation>No se pudo iniciar el editor: %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Conservar el mío</translation>
    </message>
    <message>
        <source>Your value is kept: the next save writes it</source>
        <translation>Se conserva su valor: el próximo guardado lo escribe</translation>
    </message>
    <message>
        <source>&amp;Take the file&apos;s</source>
        <translation>&amp;Tomar el del archivo</translation>
    </message>
    <message>
        <source>&amp;Discard edits of gone fighters</source>
        <translation>&amp;Descartar ediciones de luchadores desaparecidos</translation>
    </message>
    <message numerus="yes">
        <source>The edits of %n fighter(s) gone from disk are discarded</source>
        <translation>
            <numerusform>Se descartaron las ediciones de %n luchador que ya no está en el disco</numerusform>
            <numerusform>Se descartaron las ediciones de %n luchadores que ya no están en el disco</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed here and in the file, keep yours or take the file&apos;s: %1</source>
        <translation>Cambiado aquí y en el archivo, conserve el suyo o tome el del archivo: %1</translation>
    </message>
    <message>
        <source>Take a roster &amp;update...</source>
        <translation>Tomar una act&amp;ualización de la plantilla...</translation>
    </message>
    <message>
        <source>The update&apos;s change is taken back</source>
        <translation>El cambio de la actualización se ha retirado</translation>
    </message>
    <message>
        <source>The roster is still being read: take the update once it is read.</source>
        <translation>La plantilla aún se está leyendo: tome la actualización cuando esté leída.</translation>
    </message>
    <message>
        <source>Save or discard your edits first: a roster update is shown as edits of its own.</source>
        <translation>Guarde o descarte primero sus ediciones: una actualización de la plantilla se muestra como ediciones propias.</translation>
    </message>
    <message>
        <source>The roster update&apos;s folder (a copy of its Fighters and Team folders)</source>
        <translation>Carpeta de la actualización de la plantilla (una copia de sus carpetas Fighters y Team)</translation>
    </message>
    <message>
        <source>%1 is a new fighter of the roster update: save it before opening it in the editor</source>
        <translation>%1 es un luchador nuevo de la actualización de la plantilla: guárdelo antes de abrirlo en el editor</translation>
    </message>
</context>
</TS>
