<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>The page image was not complete</source>
        <translation>The page image was not complete</translation>
    </message>
</context>
</TS>