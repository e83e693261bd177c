<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A test fixture: marks which translation file was loaded. -->
<TS version="2.1" language="ru_RU">
<context>
    <name>Quellaro</name>
    <message>
        <source>Modes</source>
        <translation>PROGRAM</translation>
    </message>
</context>
</TS>
