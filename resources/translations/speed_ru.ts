<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>The page image was not complete</source>
        <translation>Изображение страницы получено не полностью</translation>
    </message>
</context>
</TS>