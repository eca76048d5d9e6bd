<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Save the pages as the project FILE, with copies of the images inside.</source>
        <translation>Save the pages as the project FILE, with copies of the images inside.</translation>
    </message>
    <message>
        <source>Print the project given as JSON on standard output.</source>
        <translation>Print the project given as JSON on standard output.</translation>
    </message>
    <message>
        <source>Image files to lay out, or one saved project (.vm2).</source>
        <translation>Image files to lay out, or one saved project (.vm2).</translation>
    </message>
    <message>
        <source>--list takes one project file.</source>
        <translation>--list takes one project file.</translation>
    </message>
    <message>
        <source>Give --export-jpeg BASE, --print-pdf FILE, --print PRINTER or --save FILE with these options.</source>
        <translation>Give --export-jpeg BASE, --print-pdf FILE, --print PRINTER or --save FILE with these options.</translation>
    </message>
    <message>
        <source>A project is given alone, without images or other projects.</source>
        <translation>A project is given alone, without images or other projects.</translation>
    </message>
    </context>
</TS>