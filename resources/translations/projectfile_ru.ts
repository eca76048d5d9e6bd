<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Save the pages as the project FILE, with copies of the images inside.</source>
        <translation>Сохранить страницы в проект FILE вместе с копиями изображений.</translation>
    </message>
    <message>
        <source>Print the project given as JSON on standard output.</source>
        <translation>Вывести данный проект в формате JSON на стандартный вывод.</translation>
    </message>
    <message>
        <source>Image files to lay out, or one saved project (.vm2).</source>
        <translation>Файлы изображений для раскладки или один сохранённый проект (.vm2).</translation>
    </message>
    <message>
        <source>--list takes one project file.</source>
        <translation>Для --list нужен один файл проекта.</translation>
    </message>
    <message>
        <source>Give --export-jpeg BASE, --print-pdf FILE, --print PRINTER or --save FILE with these options.</source>
        <translation>С этими параметрами укажите --export-jpeg BASE, --print-pdf FILE, --print PRINTER или --save FILE.</translation>
    </message>
    <message>
        <source>A project is given alone, without images or other projects.</source>
        <translation>Проект указывается один, без изображений и других проектов.</translation>
    </message>
    </context>
</TS>