<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Untitled</source>
        <comment>project never saved</comment>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>This image is too large to be shown: %1 × %2 pixels.</source>
        <translation>Изображение слишком велико для показа: %1 × %2 пикс.</translation>
    </message>
</context>
</TS>