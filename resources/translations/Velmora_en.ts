<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QObject</name>
    <message>
        <source>WorkLanguage</source>
        <translation>English</translation>
    </message>
    <message>
        <source>The page list and canvas are not part of this build yet.</source>
        <translation>The page list and canvas are not part of this build yet.</translation>
    </message>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>%n Page</numerusform>
            <numerusform>%n Pages</numerusform>
        </translation>
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
            <numerusform>Total %n Arrangement</numerusform>
            <numerusform>Total %n Arrangements</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> of %n Image(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform> of %n Image</numerusform>
            <numerusform> of %n Images</numerusform>
        </translation>
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
        <source>The paper size can be changed on the tab &quot;%1&quot;.</source>
        <translation>The paper size can be changed on the tab &quot;%1&quot;.</translation>
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
    <message>
        <source>Available%1Images</source>
        <translation>Available%1Images</translation>
    </message>
    <message>
        <source>Select for Printing</source>
        <translation>Select for Printing</translation>
    </message>
    <message>
        <source>Select Images for Printing</source>
        <translation>Select Images for Printing</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Move selected images to trash</source>
        <translation>Move selected images to trash</translation>
    </message>
    <message numerus="yes">
        <source>Available %n Image(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>Available %n Image</numerusform>
            <numerusform>Available %n Images</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected %n Image(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>Selected %n Image</numerusform>
            <numerusform>Selected %n Images</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no image for viewing.</source>
        <translation>There is no image for viewing.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Select All Images</source>
        <translation>Select All Images</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sort</translation>
    </message>
    <message>
        <source>Selecting the Sort Mode</source>
        <translation>Selecting the Sort Mode</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Selected Images</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete Selected Images</source>
        <translation>Delete Selected Images</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Rotate</translation>
    </message>
    <message>
        <source>Cancel2</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Extension</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Date Time</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Reverse</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom In (25%)</source>
        <translation>Zoom In (25%)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Zoom Out (25%)</source>
        <translation>Zoom Out (25%)</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Normal Size</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Actual Size</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>Best Fit</translation>
    </message>
    <message>
        <source>Best Fit to Window</source>
        <translation>Best Fit to Window</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Next Image</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Previous Image</translation>
    </message>
    <message>
        <source>The choice of editing program.</source>
        <translation>The choice of editing program.</translation>
    </message>
</context>
</TS>
