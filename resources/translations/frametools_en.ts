<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>Rotate Frame</source>
        <translation>Rotate Frame</translation>
    </message>
    <message>
        <source>Outside the Image</source>
        <translation>Outside the Image</translation>
    </message>
    <message>
        <source>The mode in which the crop rectangle can be outside the image area.</source>
        <translation>The mode in which the crop rectangle can be outside the image area.</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Top Left Corner</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Top Right Corner</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Bottom Left Corner</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Bottom Right Corner</translation>
    </message>
    <message>
        <source>Top Left Vertical</source>
        <translation>Top Left Vertical</translation>
    </message>
    <message>
        <source>Top Right Vertical</source>
        <translation>Top Right Vertical</translation>
    </message>
    <message>
        <source>Bottom Left Vertical</source>
        <translation>Bottom Left Vertical</translation>
    </message>
    <message>
        <source>Bottom Right Vertical</source>
        <translation>Bottom Right Vertical</translation>
    </message>
    <message>
        <source>Stamp Settings</source>
        <translation>Stamp Settings</translation>
    </message>
    <message>
        <source>Print The File Name</source>
        <translation>Print The File Name</translation>
    </message>
    <message>
        <source>Print Date Stamp</source>
        <translation>Print Date Stamp</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Stamp Location:</source>
        <translation>Stamp Location:</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Print logo</source>
        <translation>Print logo</translation>
    </message>
    <message>
        <source>From the left edge</source>
        <translation>From the left edge</translation>
    </message>
    <message>
        <source>From the centre</source>
        <translation>From the centre</translation>
    </message>
    <message>
        <source>From the right edge</source>
        <translation>From the right edge</translation>
    </message>
    <message>
        <source>From the top edge</source>
        <translation>From the top edge</translation>
    </message>
    <message>
        <source>From the bottom edge</source>
        <translation>From the bottom edge</translation>
    </message>
    <message>
        <source>Horizontally:</source>
        <translation>Horizontally:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Vertically:</source>
        <translation>Vertically:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Logo placement:</source>
        <translation>Logo placement:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Select the logo file.</source>
        <translation>Select the logo file.</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>No file is chosen</translation>
    </message>
    <message>
        <source>The file is not an image</source>
        <translation>The file is not an image</translation>
    </message>
    <message>
        <source>For the Selected Images</source>
        <translation>For the Selected Images</translation>
    </message>
    <message>
        <source>Print the credit line on photographs</source>
        <translation>Print the credit line on photographs</translation>
    </message>
    <message>
        <source>Leave the credit line off the photographs.</source>
        <translation>Leave the credit line off the photographs.</translation>
    </message>
    <message>
        <source>Print the date each photograph was taken on it.</source>
        <translation>Print the date each photograph was taken on it.</translation>
    </message>
    <message>
        <source>Print the file name of each photograph on it.</source>
        <translation>Print the file name of each photograph on it.</translation>
    </message>
    <message>
        <source>Print the picture FILE (PNG or JPEG) on every photograph.</source>
        <translation>Print the picture FILE (PNG or JPEG) on every photograph.</translation>
    </message>
    <message>
        <source>The name of the logo file is empty.</source>
        <translation>The name of the logo file is empty.</translation>
    </message>
    </context>
</TS>