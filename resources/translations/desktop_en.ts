<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Prints at %1 ppi: below %2 ppi it looks soft.</source>
        <translation>Prints at %1 ppi: below %2 ppi it looks soft.</translation>
    </message>
    <message>
        <source>Largest print at %1 ppi: %2 x %3 cm (%4 x %5 in).</source>
        <translation>Largest print at %1 ppi: %2 x %3 cm (%4 x %5 in).</translation>
    </message>
    <message>
        <source>Warning: %1 prints at %2 ppi on page %3 (below %4 ppi).</source>
        <translation>Warning: %1 prints at %2 ppi on page %3 (below %4 ppi).</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Fit Page</translation>
    </message>
    <message>
        <source>%1 ppi</source>
        <translation>%1 ppi</translation>
    </message>
    <message>
        <source>Some photographs will print below %1 ppi and may look soft or blocky. Pages: %2.</source>
        <translation>Some photographs will print below %1 ppi and may look soft or blocky. Pages: %2.</translation>
    </message>
    <message>
        <source>Print them anyway?</source>
        <translation>Print them anyway?</translation>
    </message>
    <message>
        <source>Export them anyway?</source>
        <translation>Export them anyway?</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>Print Anyway</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Export Anyway</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Writing page %1 (%2 of %3)</source>
        <translation>Writing page %1 (%2 of %3)</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Trim marks for cutting</source>
        <translation>Trim marks for cutting</translation>
    </message>
    <message>
        <source>Short lines beside the photographs that continue their edges, for cutting stacks of prints</source>
        <translation>Short lines beside the photographs that continue their edges, for cutting stacks of prints</translation>
    </message>
    <message>
        <source>Write the pages into one PDF file, the photographs at full resolution</source>
        <translation>Write the pages into one PDF file, the photographs at full resolution</translation>
    </message>
    <message>
        <source>Draw trim marks beside the photographs, continuing their edges, for cutting the prints.</source>
        <translation>Draw trim marks beside the photographs, continuing their edges, for cutting the prints.</translation>
    </message>
    </context>
</TS>