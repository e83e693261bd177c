<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- A test fixture: a few status texts translated in context "QObject", others only in the
     client's class context, which the status texts do not use. -->
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Trade</source>
        <translation>Торговля</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Error boiler</source>
        <translation>Ошибка бойлера</translation>
    </message>
    <message>
        <source>Start mixer</source>
        <translation>Запуск миксера</translation>
    </message>
</context>
<context>
    <name>CM_NetMessge</name>
    <message>
        <source>Master</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>All correct</source>
        <translation>Всё исправно</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Торговля (не тот контекст)</translation>
    </message>
</context>
</TS>
