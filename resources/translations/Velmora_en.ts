<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>QObject</name>
    <message>
        <source>There is no room on the disk for the pages.</source>
        <translation>There is no room on the disk for the pages.</translation>
    </message>
    <message>
        <source>They take at least %1, %2 are free there</source>
        <translation>They take at least %1, %2 are free there</translation>
    </message>
    <message>
        <source>WorkLanguage</source>
        <translation>English</translation>
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
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>The program web page</source>
        <translation>The program web page</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
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
        <source>Unknown option %1: options are written with two dashes; the toolkit&apos;s own options are not taken with the output options.</source>
        <translation>Unknown option %1: options are written with two dashes; the toolkit&apos;s own options are not taken with the output options.</translation>
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
    <message>
        <source>New layout</source>
        <translation>New layout</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Add Frame</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Delete Frame</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>The layout has no frames, so it cannot be saved. Add at least one frame first.</source>
        <translation>The layout has no frames, so it cannot be saved. Add at least one frame first.</translation>
    </message>
    <message>
        <source>The layout was drawn for another paper (%1)</source>
        <translation>The layout was drawn for another paper (%1)</translation>
    </message>
    <message>
        <source>A frame has no area or reaches beyond the paper.</source>
        <translation>A frame has no area or reaches beyond the paper.</translation>
    </message>
    <message>
        <source>Left:</source>
        <comment>position of a frame</comment>
        <translation>Left:</translation>
    </message>
    <message>
        <source>Top:</source>
        <comment>position of a frame</comment>
        <translation>Top:</translation>
    </message>
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
        <translation>
            <numerusform>Printing was cancelled. %n page of finished jobs went to the printer.</numerusform>
            <numerusform>Printing was cancelled. %n pages of finished jobs went to the printer.</numerusform>
        </translation>
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
    <message>
        <source>The page image was not complete</source>
        <translation>The page image was not complete</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>project never saved</comment>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>This image is too large to be shown: %1 × %2 pixels.</source>
        <translation>This image is too large to be shown: %1 × %2 pixels.</translation>
    </message>
    <message>
        <source>Loading the photograph…</source>
        <translation>Loading the photograph…</translation>
    </message>
    <message>
        <source>It has been taken off the Recent list.</source>
        <translation>It has been taken off the Recent list.</translation>
    </message>
    <message>
        <source>The file is larger than a layout can be (%1 bytes)</source>
        <translation>The file is larger than a layout can be (%1 bytes)</translation>
    </message>
    <message>
        <source>The project holds %1 pages; at most %2 are read.</source>
        <translation>The project holds %1 pages; at most %2 are read.</translation>
    </message>
    <message>
        <source>The project holds more than %1 frames.</source>
        <translation>The project holds more than %1 frames.</translation>
    </message>
    <message>
        <source>Write and print pages without photographs as well.</source>
        <translation>Write and print pages without photographs as well.</translation>
    </message>
    <message>
        <source>No page holds a photograph; --empty-pages writes them all.</source>
        <translation>No page holds a photograph; --empty-pages writes them all.</translation>
    </message>
    <message>
        <source>The colour profile is damaged</source>
        <translation>The colour profile is damaged</translation>
    </message>
    <message>
        <source>The colour profile is not one of RGB colours</source>
        <translation>The colour profile is not one of RGB colours</translation>
    </message>
    <message>
        <source>Perceptual</source>
        <translation>Perceptual</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Absolute colorimetric</source>
        <translation>Absolute colorimetric</translation>
    </message>
    <message>
        <source>Relative colorimetric with black-point compensation</source>
        <translation>Relative colorimetric with black-point compensation</translation>
    </message>
    <message>
        <source>The colour profile of %1 is ignored (%2); its colours are taken as sRGB.</source>
        <translation>The colour profile of %1 is ignored (%2); its colours are taken as sRGB.</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Printer profile:</source>
        <translation>Printer profile:</translation>
    </message>
    <message>
        <source>Rendering intent:</source>
        <translation>Rendering intent:</translation>
    </message>
    <message>
        <source>None (sRGB)</source>
        <translation>None (sRGB)</translation>
    </message>
    <message>
        <source>Printer profile</source>
        <translation>Printer profile</translation>
    </message>
    <message>
        <source>ICC profiles (*.icc *.icm *.ICC *.ICM)</source>
        <translation>ICC profiles (*.icc *.icm *.ICC *.ICM)</translation>
    </message>
    <message>
        <source>Convert the photographs to the ICC profile FILE (a printer on its paper) and, in JPEG files, embed it.</source>
        <translation>Convert the photographs to the ICC profile FILE (a printer on its paper) and, in JPEG files, embed it.</translation>
    </message>
    <message>
        <source>Rendering intent of the conversion: perceptual, relative (with black-point compensation, the default), saturation or absolute.</source>
        <translation>Rendering intent of the conversion: perceptual, relative (with black-point compensation, the default), saturation or absolute.</translation>
    </message>
    <message>
        <source>--output-profile and --intent apply to --export-jpeg, --print-pdf and --print.</source>
        <translation>--output-profile and --intent apply to --export-jpeg, --print-pdf and --print.</translation>
    </message>
    <message>
        <source>Unknown rendering intent %1: give perceptual, relative, saturation or absolute.</source>
        <translation>Unknown rendering intent %1: give perceptual, relative, saturation or absolute.</translation>
    </message>
    <message>
        <source>The output profile %1 cannot be used: %2</source>
        <translation>The output profile %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>Proof Colours</source>
        <translation>Proof Colours</translation>
    </message>
    <message>
        <source>Show the page as the printer profile of the paper prints it</source>
        <translation>Show the page as the printer profile of the paper prints it</translation>
    </message>
    <message>
        <source>Mark Colours Out of Gamut</source>
        <translation>Mark Colours Out of Gamut</translation>
    </message>
    <message>
        <source>Show in grey the colours the printer cannot print on this paper</source>
        <translation>Show in grey the colours the printer cannot print on this paper</translation>
    </message>
</context>
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
        <source>The image is too large to decode: %1 × %2 pixels in this format take more than %3 MB of memory</source>
        <translation>The image is too large to decode: %1 × %2 pixels in this format take more than %3 MB of memory</translation>
    </message>
    <message>
        <source>The file is damaged: it ends before the image does</source>
        <translation>The file is damaged: it ends before the image does</translation>
    </message>
    <message>
        <source>The file is damaged: its picture cannot be decoded</source>
        <translation>The file is damaged: its picture cannot be decoded</translation>
    </message>
    <message>
        <source>The project file is damaged and cannot be opened.</source>
        <translation>The project file is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>The file is not a Velmora project, or it was made by a newer version of the program.</source>
        <translation>The file is not a Velmora project, or it was made by a newer version of the program.</translation>
    </message>
    <message>
        <source>The project file cannot be opened.</source>
        <translation>The project file cannot be opened.</translation>
    </message>
    <message>
        <source>The project could not be saved; a project file that was there is unchanged.</source>
        <translation>The project could not be saved; a project file that was there is unchanged.</translation>
    </message>
    <message>
        <source>The list of images could not be written.</source>
        <translation>The list of images could not be written.</translation>
    </message>
    <message>
        <source>The list of images is damaged.</source>
        <translation>The list of images is damaged.</translation>
    </message>
    <message>
        <source>The pages could not be written.</source>
        <translation>The pages could not be written.</translation>
    </message>
    <message>
        <source>The pages are damaged.</source>
        <translation>The pages are damaged.</translation>
    </message>
    <message>
        <source>The file could not be written; a file that was there is unchanged.</source>
        <translation>The file could not be written; a file that was there is unchanged.</translation>
    </message>
    <message>
        <source>The layout could not be saved.</source>
        <translation>The layout could not be saved.</translation>
    </message>
    <message>
        <source>The layout file is damaged and cannot be opened.</source>
        <translation>The layout file is damaged and cannot be opened.</translation>
    </message>
    <message>
        <source>The file is not a Velmora layout.</source>
        <translation>The file is not a Velmora layout.</translation>
    </message>
    <message>
        <source>The layout file cannot be opened.</source>
        <translation>The layout file cannot be opened.</translation>
    </message>
    <message>
        <source>The layout was drawn for another paper.</source>
        <translation>The layout was drawn for another paper.</translation>
    </message>
    <message>
        <source>The page could not be compressed as a JPEG image.</source>
        <translation>The page could not be compressed as a JPEG image.</translation>
    </message>
    <message>
        <source>The page cannot be made into a JPEG image.</source>
        <translation>The page cannot be made into a JPEG image.</translation>
    </message>
    <message>
        <source>The page could not be exported as a JPEG file; a file that was there is unchanged.</source>
        <translation>The page could not be exported as a JPEG file; a file that was there is unchanged.</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>The pages could not be printed.</translation>
    </message>
    <message>
        <source>The PDF file could not be written; a file that was there is unchanged.</source>
        <translation>The PDF file could not be written; a file that was there is unchanged.</translation>
    </message>
    <message>
        <source>A photograph cannot be read, so no pages were made.</source>
        <translation>A photograph cannot be read, so no pages were made.</translation>
    </message>
    <message>
        <source>The logo picture cannot be read, so no pages were made.</source>
        <translation>The logo picture cannot be read, so no pages were made.</translation>
    </message>
    <message>
        <source>The pages cannot be written to that place.</source>
        <translation>The pages cannot be written to that place.</translation>
    </message>
    <message>
        <source>The logo picture cannot be read; choose another file or turn the logo off.</source>
        <translation>The logo picture cannot be read; choose another file or turn the logo off.</translation>
    </message>
    <message>
        <source>Some stored photo sizes are damaged and were left out.</source>
        <translation>Some stored photo sizes are damaged and were left out.</translation>
    </message>
    <message>
        <source>The stored page settings are damaged; the default page is used.</source>
        <translation>The stored page settings are damaged; the default page is used.</translation>
    </message>
    <message>
        <source>The images handed over are damaged.</source>
        <translation>The images handed over are damaged.</translation>
    </message>
    <message>
        <source>The file is damaged: it holds more than %1 scans, only the first are read</source>
        <translation>The file is damaged: it holds more than %1 scans, only the first are read</translation>
    </message>
    <message>
        <source>The file cannot be read: it is missing, not a plain file, not an image or larger than %1 MB</source>
        <translation>The file cannot be read: it is missing, not a plain file, not an image or larger than %1 MB</translation>
    </message>
    <message>
        <source>Page written to %1.</source>
        <translation>Page written to %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) written to the folder %1: %2 to %3.</source>
        <translation>
            <numerusform>%n page written to the folder %1: %2 to %3.</numerusform>
            <numerusform>%n pages written to the folder %1: %2 to %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) written to %1.</source>
        <translation>
            <numerusform>%n page written to %1.</numerusform>
            <numerusform>%n pages written to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Drop Images</source>
        <translation>Drop Images</translation>
    </message>
    <message>
        <source>Move Images</source>
        <translation>Move Images</translation>
    </message>
    <message>
        <source>Change Layout</source>
        <translation>Change Layout</translation>
    </message>
</context>
</TS>
