<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>It is a folder; give the image files in it</source>
        <translation>It is a folder; give the image files in it</translation>
    </message>
    <message>
        <source>--copies applies to --print only: a PDF or JPEG file is written once.</source>
        <translation>--copies applies to --print only: a PDF or JPEG file is written once.</translation>
    </message>
    <message>
        <source>Paper %1 is too large: each side can be at most %2 of the unit.</source>
        <translation>Paper %1 is too large: each side can be at most %2 of the unit.</translation>
    </message>
    <message>
        <source>Unknown paper %1: give a catalogue paper such as A4 or Letter, or WIDTHxHEIGHT in the unit.</source>
        <translation>Unknown paper %1: give a catalogue paper such as A4 or Letter, or WIDTHxHEIGHT in the unit.</translation>
    </message>
    <message>
        <source>Margins of %1 leave no printable area on a paper of %2 x %3.</source>
        <translation>Margins of %1 leave no printable area on a paper of %2 x %3.</translation>
    </message>
    <message>
        <source>JPEG quality must be a whole number from 0 to 100: %1.</source>
        <translation>JPEG quality must be a whole number from 0 to 100: %1.</translation>
    </message>
    <message>
        <source>Photo size must be SHORTxLONG, two numbers above zero: %1.</source>
        <translation>Photo size must be SHORTxLONG, two numbers above zero: %1.</translation>
    </message>
    <message>
        <source>Photo size %1 is too large: each side can be at most %2 of the unit.</source>
        <translation>Photo size %1 is too large: each side can be at most %2 of the unit.</translation>
    </message>
    <message>
        <source>Printing was cancelled. Nothing was printed.</source>
        <translation>Printing was cancelled. Nothing was printed.</translation>
    </message>
    <message numerus="yes">
        <source>Printing was cancelled. %n page(s) of finished jobs went to the printer.</source>
        <translation><numerusform>Printing was cancelled. %n page of finished jobs went to the printer.</numerusform><numerusform>Printing was cancelled. %n pages of finished jobs went to the printer.</numerusform></translation>
    </message>
    <message>
        <source>The chosen pages are not in the document: nothing was printed.</source>
        <translation>The chosen pages are not in the document: nothing was printed.</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>It is not a regular file</translation>
    </message>
    <message>
        <source>The PDF file came out incomplete</source>
        <translation>The PDF file came out incomplete</translation>
    </message>
    <message>
        <source>The printer %1 did not take the print job.</source>
        <translation>The printer %1 did not take the print job.</translation>
    </message>
    <message>
        <source>The finished file could not be moved into place</source>
        <translation>The finished file could not be moved into place</translation>
    </message>
    <message>
        <source>The printer %1 did not take the print job:
%2.</source>
        <translation>The printer %1 did not take the print job:
%2.</translation>
    </message>
    <message>
        <source>The window needs a display. Without one, write pages with --export-jpeg, --print-pdf or --print; see --help.</source>
        <translation>The window needs a display. Without one, write pages with --export-jpeg, --print-pdf or --print; see --help.</translation>
    </message>
    <message>
        <source>No print service is available</source>
        <translation>No print service is available</translation>
    </message>
</context>
</TS>