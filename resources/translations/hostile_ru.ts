<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ImageFile</name>
    <message>
        <source>The image cannot be decoded</source>
        <translation>Изображение не удаётся декодировать</translation>
    </message>
    <message>
        <source>The image is too large: %1 × %2 pixels, at most %3 megapixels are read</source>
        <translation>Изображение слишком велико: %1 × %2 пикселей, читается не более %3 мегапикселей</translation>
    </message>
    <message>
        <source>The file is damaged: it ends before the image does</source>
        <translation>Файл повреждён: он обрывается раньше, чем изображение</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The page has no area</source>
        <translation>У страницы нет площади</translation>
    </message>
    <message>
        <source>The page image would be %1 × %2 pixels; a JPEG file has at most %3 pixels a side</source>
        <translation>Изображение страницы было бы %1 × %2 пикселей; в файле JPEG не более %3 пикселей по стороне</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Не обычный файл</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Предупреждение: %1</translation>
    </message>
    <message>
        <source>Unknown option %1: options are written with two dashes; the toolkit's own options are not taken with the output options.</source>
        <translation>Неизвестный параметр %1: параметры пишутся с двумя дефисами; собственные параметры библиотеки интерфейса вместе с параметрами вывода не принимаются.</translation>
    </message>
    <message>
        <source>No such folder</source>
        <translation>Нет такой папки</translation>
    </message>
    <message>
        <source>has no area</source>
        <translation>не имеет площади</translation>
    </message>
    <message>
        <source>reaches beyond the paper</source>
        <translation>выходит за пределы бумаги</translation>
    </message>
    <message>
        <source>The layout %1 is not offered: frame %2 (%3 × %4 mm at %5, %6 mm) %7.</source>
        <translation>Макет %1 не предлагается: рамка %2 (%3 × %4 мм в точке %5, %6 мм) %7.</translation>
    </message>
    </context>
</TS>