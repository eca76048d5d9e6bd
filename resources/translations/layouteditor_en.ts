<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>New layout</source>
        <translation>New layout</translation>
    </message>
    <message>
        <source>Rotate Frame</source>
        <translation>Rotate Frame</translation>
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
    </context>
</TS>