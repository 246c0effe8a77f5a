<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The toolkit's own texts that the game's windows show and Qt's Spanish catalogue (qtbase_es)
     lacks: the print dialog's options and properties as Qt 6.4 words them. Loaded after Qt's. -->
<TS version="2.1" language="es_ES">
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Impresión a doble cara</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Encuadernado por el lado largo</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Encuadernado por el lado corto</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Advanced</source>
        <translation>Avanzadas</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Algunas opciones están en conflicto. Corrígelas.</translation>
    </message>
</context>
</TS>
