<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ImageFile</name>
    <message>
        <source>The image cannot be decoded</source>
        <translation>The image cannot be decoded</translation>
    </message>
    <message>
        <source>The image is too large: %1 × %2 pixels, at most %3 megapixels are read</source>
        <translation>The image is too large: %1 × %2 pixels, at most %3 megapixels are read</translation>
    </message>
    <message>
        <source>The file is damaged: it ends before the image does</source>
        <translation>The file is damaged: it ends before the image does</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The page has no area</source>
        <translation>The page has no area</translation>
    </message>
    <message>
        <source>The page image would be %1 × %2 pixels; a JPEG file has at most %3 pixels a side</source>
        <translation>The page image would be %1 × %2 pixels; a JPEG file has at most %3 pixels a side</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Not a regular file</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warning: %1</translation>
    </message>
    <message>
        <source>Unknown option %1: options are written with two dashes; the toolkit's own options are not taken with the output options.</source>
        <translation>Unknown option %1: options are written with two dashes; the toolkit's own options are not taken with the output options.</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>No such folder</translation>
    </message>
    <message>
        <source>has no area</source>
        <translation>has no area</translation>
    </message>
    <message>
        <source>reaches beyond the paper</source>
        <translation>reaches beyond the paper</translation>
    </message>
    <message>
        <source>The layout %1 is not offered: frame %2 (%3 × %4 mm at %5, %6 mm) %7.</source>
        <translation>The layout %1 is not offered: frame %2 (%3 × %4 mm at %5, %6 mm) %7.</translation>
    </message>
    </context>
</TS>