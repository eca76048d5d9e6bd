<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QObject</name>
    <message>
        <source>The page list and canvas are not part of this build yet.</source>
        <translation>The page list and canvas are not part of this build yet.</translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>%n Page</numerusform><numerusform>%n Pages</numerusform></translation>
    </message>
    <message>
        <source>Arrange Images in the Layout</source>
        <translation>Arrange Images in the Layout</translation>
    </message>
    <message>
        <source>Change current image arrangement in the layout?</source>
        <translation>Change current image arrangement in the layout?</translation>
    </message>
    <message>
        <source>Apply:</source>
        <translation>Apply:</translation>
    </message>
    <message>
        <source>For the Selected Pages</source>
        <translation>For the Selected Pages</translation>
    </message>
    <message>
        <source>For All Pages</source>
        <translation>For All Pages</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>Total %n Arrangement(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>Total %n Arrangement</numerusform><numerusform>Total %n Arrangements</numerusform></translation>
    </message>
    <message numerus="yes">
        <source> of %n Image(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform> of %n Image</numerusform><numerusform> of %n Images</numerusform></translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Page </translation>
    </message>
    <message>
        <source>No file name given.</source>
        <translation>No file name given.</translation>
    </message>
    <message>
        <source>This is an unsupported file format.</source>
        <translation>This is an unsupported file format.</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Paper Size</translation>
    </message>
    <message>
        <source>The printable area of this paper is too small: no layout can be offered.</source>
        <translation>The printable area of this paper is too small: no layout can be offered.</translation>
    </message>
    <message>
        <source>When you add a page, the paper size cannot be changed.</source>
        <translation>When you add a page, the paper size cannot be changed.</translation>
    </message>
    <message>
        <source>In this mode, the paper size cannot be changed.</source>
        <translation>In this mode, the paper size cannot be changed.</translation>
    </message>
    <message>
        <source>The paper size can be changed on the tab "%1".</source>
        <translation>The paper size can be changed on the tab "%1".</translation>
    </message>
    <message>
        <source>Page Settings</source>
        <translation>Page Settings</translation>
    </message>
    <message>
        <source>Select image size for printing and how they will be arranged on the page.</source>
        <translation>Select image size for printing and how they will be arranged on the page.</translation>
    </message>
    <message>
        <source>Placing photos closely</source>
        <translation>Placing photos closely</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Add Images</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Auto Crop</translation>
    </message>
    <message>
        <source>Editor of placements</source>
        <translation>Editor of placements</translation>
    </message>
    <message>
        <source>Add:</source>
        <translation>Add:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Add Pages</source>
        <translation>Add Pages</translation>
    </message>
    <message>
        <source>Choose Layout</source>
        <translation>Choose Layout</translation>
    </message>
    <message>
        <source>Photo Sizes</source>
        <translation>Photo Sizes</translation>
    </message>
</context>
</TS>