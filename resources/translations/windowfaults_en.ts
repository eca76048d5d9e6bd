<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Untitled</source>
        <comment>project never saved</comment>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>This image is too large to be shown: %1 × %2 pixels.</source>
        <translation>This image is too large to be shown: %1 × %2 pixels.</translation>
    </message>
</context>
</TS>