<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Lays photographs out on printed pages. Without options, the paths given open in the window (projects and images).</source>
        <translation>Размещает фотографии на печатных страницах. Без параметров указанные пути открываются в окне (проекты и изображения).</translation>
    </message>
    <message>
        <source>Write the pages as JPEG files BASE001.jpg, BASE002.jpg, ...</source>
        <translation>Записать страницы в файлы JPEG BASE001.jpg, BASE002.jpg, ...</translation>
    </message>
    <message>
        <source>Print the pages to the PDF file FILE.</source>
        <translation>Напечатать страницы в файл PDF FILE.</translation>
    </message>
    <message>
        <source>Print the pages on the system printer PRINTER.</source>
        <translation>Напечатать страницы на системном принтере PRINTER.</translation>
    </message>
    <message>
        <source>Copies to print, each a print job of its own.</source>
        <translation>Число копий; каждая копия — отдельное задание печати.</translation>
    </message>
    <message>
        <source>Paper: a catalogue paper by its first word (A4, Letter, ...) or WIDTHxHEIGHT in the unit.</source>
        <translation>Бумага: формат из списка по первому слову (A4, Letter, ...) или ШИРИНАxВЫСОТА в единицах измерения.</translation>
    </message>
    <message>
        <source>Unit of lengths: mm, cm or in.</source>
        <translation>Единица длины: mm, cm или in.</translation>
    </message>
    <message>
        <source>Landscape paper.</source>
        <translation>Альбомная ориентация бумаги.</translation>
    </message>
    <message>
        <source>Print without margins.</source>
        <translation>Печать без полей.</translation>
    </message>
    <message>
        <source>All four margins, in the unit.</source>
        <translation>Все четыре поля, в единицах измерения.</translation>
    </message>
    <message>
        <source>Lay the photographs out upright in frames SxL, in the unit.</source>
        <translation>Разместить фотографии вертикально в рамках SxL, в единицах измерения.</translation>
    </message>
    <message>
        <source>The layout of the catalogue named NAME, user layouts included.</source>
        <translation>Макет из списка с именем NAME, включая макеты пользователя.</translation>
    </message>
    <message>
        <source>Show whole photographs with white bands instead of filling the frames.</source>
        <translation>Показывать фотографии целиком с белыми полосами, а не заполнять рамки.</translation>
    </message>
    <message>
        <source>JPEG quality, 0 to 100.</source>
        <translation>Качество JPEG, от 0 до 100.</translation>
    </message>
    <message>
        <source>Image files to lay out.</source>
        <translation>Файлы изображений для размещения.</translation>
    </message>
    <message>
        <source>Copies must be a whole number of one or more: %1.</source>
        <translation>Число копий должно быть целым, не меньше одного: %1.</translation>
    </message>
    <message>
        <source>Give --export-jpeg BASE, --print-pdf FILE or --print PRINTER with these options.</source>
        <translation>С этими параметрами укажите --export-jpeg BASE, --print-pdf FILE или --print PRINTER.</translation>
    </message>
    <message>
        <source>The name of the output is empty.</source>
        <translation>Имя вывода пустое.</translation>
    </message>
    <message>
        <source>Give either --photo-size or --layout, not both.</source>
        <translation>Укажите либо --photo-size, либо --layout, но не оба.</translation>
    </message>
    <message>
        <source>No images given.</source>
        <translation>Изображения не указаны.</translation>
    </message>
    <message>
        <source>Unknown unit %1: use mm, cm or in.</source>
        <translation>Неизвестная единица %1: используйте mm, cm или in.</translation>
    </message>
    <message>
        <source>Unknown paper %1.</source>
        <translation>Неизвестная бумага %1.</translation>
    </message>
    <message>
        <source>Margins must be a number of zero or more: %1.</source>
        <translation>Поля должны быть числом не меньше нуля: %1.</translation>
    </message>
    <message>
        <source>JPEG quality must be 0 to 100: %1.</source>
        <translation>Качество JPEG должно быть от 0 до 100: %1.</translation>
    </message>
    <message>
        <source>The printable area of this paper is too small: no layout can be offered.</source>
        <translation>Область печати этой бумаги слишком мала: макет предложить нельзя.</translation>
    </message>
    <message>
        <source>Photo size must be SHORTxLONG: %1.</source>
        <translation>Размер фото должен быть в виде КОРОТКАЯxДЛИННАЯ: %1.</translation>
    </message>
    <message>
        <source>Photos of %1 do not fit on the paper %2.</source>
        <translation>Фотографии %1 не помещаются на бумаге %2.</translation>
    </message>
    <message>
        <source>Unknown layout %1. Layouts for the paper %2:
%3</source>
        <translation>Неизвестный макет %1. Макеты для бумаги %2:
%3</translation>
    </message>
    <message>
        <source>No layout fits the paper %1.</source>
        <translation>Ни один макет не подходит для бумаги %1.</translation>
    </message>
    <message>
        <source>Cannot read file %1:
%2.</source>
        <translation>Не удаётся прочитать файл %1:
%2.</translation>
    </message>
    <message>
        <source>No such file</source>
        <translation>Файл не существует</translation>
    </message>
    <message>
        <source>The image cannot be decoded</source>
        <translation>Изображение не удаётся декодировать</translation>
    </message>
    <message>
        <source>Cannot write file %1:
%2.</source>
        <translation>Не удаётся записать файл %1:
%2.</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>страница %1</translation>
    </message>
    <message>
        <source>The PDF could not be started</source>
        <translation>Не удалось начать файл PDF</translation>
    </message>
    <message>
        <source>Unknown printer %1.</source>
        <translation>Неизвестный принтер %1.</translation>
    </message>
    <message>
        <source>The printer %1 could not start a print job.</source>
        <translation>Принтер %1 не смог начать задание печати.</translation>
    </message>
    <message>
        <source>Run with --help for the options.</source>
        <translation>Запустите с --help, чтобы увидеть параметры.</translation>
    </message>
    <message>
        <source>Export to Jpeg</source>
        <translation>Экспорт в JPEG</translation>
    </message>
    <message>
        <source>There is no current page to export.</source>
        <translation>Нет текущей страницы для экспорта.</translation>
    </message>
    <message>
        <source>Writing %1 (%2 of %3)</source>
        <translation>Запись %1 (%2 из %3)</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Страница </translation>
    </message>
    <message>
        <source>Not enough memory for the page image</source>
        <translation>Недостаточно памяти для изображения страницы</translation>
    </message>
    <message>
        <source>File names:</source>
        <translation>Имена файлов:</translation>
    </message>
    <message>
        <source>Page range</source>
        <translation>Диапазон страниц</translation>
    </message>
    <message>
        <source>All pages</source>
        <translation>Все страницы</translation>
    </message>
    <message>
        <source>Current page</source>
        <translation>Текущая страница</translation>
    </message>
    <message>
        <source>Selected pages</source>
        <translation>Выбранные страницы</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>to</source>
        <translation>по</translation>
    </message>
    <message>
        <source>JPEG quality:</source>
        <translation>Качество JPEG:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>There is no current page to print.</source>
        <translation>Нет текущей страницы для печати.</translation>
    </message>
    <message>
        <source>Printing page %1 (%2 of %3)</source>
        <translation>Печать страницы %1 (%2 из %3)</translation>
    </message>
</context>
</TS>