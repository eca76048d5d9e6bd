<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Prints at %1 ppi: below %2 ppi it looks soft.</source>
        <translation>Печать с разрешением %1 ppi: ниже %2 ppi снимок выглядит нерезким.</translation>
    </message>
    <message>
        <source>Largest print at %1 ppi: %2 x %3 cm (%4 x %5 in).</source>
        <translation>Наибольший отпечаток при %1 ppi: %2 x %3 см (%4 x %5 дюйма).</translation>
    </message>
    <message>
        <source>Warning: %1 prints at %2 ppi on page %3 (below %4 ppi).</source>
        <translation>Предупреждение: %1 печатается с разрешением %2 ppi на странице %3 (ниже %4 ppi).</translation>
    </message>
    <message>
        <source>Fit Page</source>
        <translation>Страница целиком</translation>
    </message>
    <message>
        <source>%1 ppi</source>
        <translation>%1 ppi</translation>
    </message>
    <message>
        <source>Some photographs will print below %1 ppi and may look soft or blocky. Pages: %2.</source>
        <translation>Некоторые фотографии напечатаются с разрешением ниже %1 ppi и могут выглядеть нерезкими или зернистыми. Страницы: %2.</translation>
    </message>
    <message>
        <source>Print them anyway?</source>
        <translation>Всё равно печатать?</translation>
    </message>
    <message>
        <source>Export them anyway?</source>
        <translation>Всё равно экспортировать?</translation>
    </message>
    <message>
        <source>Print Anyway</source>
        <translation>Всё равно печатать</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Всё равно экспортировать</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Экспорт в PDF</translation>
    </message>
    <message>
        <source>Writing page %1 (%2 of %3)</source>
        <translation>Запись страницы %1 (%2 из %3)</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Trim marks for cutting</source>
        <translation>Метки обреза</translation>
    </message>
    <message>
        <source>Short lines beside the photographs that continue their edges, for cutting stacks of prints</source>
        <translation>Короткие линии рядом с фотографиями, продолжающие их края, — чтобы резать стопки отпечатков</translation>
    </message>
    <message>
        <source>Write the pages into one PDF file, the photographs at full resolution</source>
        <translation>Записать страницы в один файл PDF, фотографии в полном разрешении</translation>
    </message>
    <message>
        <source>Draw trim marks beside the photographs, continuing their edges, for cutting the prints.</source>
        <translation>Рисовать метки обреза рядом с фотографиями, продолжая их края, чтобы резать отпечатки.</translation>
    </message>
    </context>
</TS>