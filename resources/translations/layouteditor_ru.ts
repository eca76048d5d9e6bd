<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>New layout</source>
        <translation>Новая раскладка</translation>
    </message>
    <message>
        <source>Rotate Frame</source>
        <translation>Повернуть рамку</translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation>Добавить рамку</translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation>Удалить рамку</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>The layout has no frames, so it cannot be saved. Add at least one frame first.</source>
        <translation>В раскладке нет ни одной рамки, поэтому её нельзя сохранить. Сначала добавьте хотя бы одну рамку.</translation>
    </message>
    <message>
        <source>The layout was drawn for another paper (%1)</source>
        <translation>Раскладка сделана для другой бумаги (%1)</translation>
    </message>
    <message>
        <source>A frame has no area or reaches beyond the paper.</source>
        <translation>Рамка имеет нулевой размер или выходит за край бумаги.</translation>
    </message>
    <message>
        <source>Left:</source>
        <comment>position of a frame</comment>
        <translation>Слева:</translation>
    </message>
    <message>
        <source>Top:</source>
        <comment>position of a frame</comment>
        <translation>Сверху:</translation>
    </message>
    </context>
</TS>