<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>It is a folder; give the image files in it</source>
        <translation>Это папка; укажите файлы изображений из неё</translation>
    </message>
    <message>
        <source>--copies applies to --print only: a PDF or JPEG file is written once.</source>
        <translation>--copies действует только с --print: файл PDF или JPEG записывается один раз.</translation>
    </message>
    <message>
        <source>Paper %1 is too large: each side can be at most %2 of the unit.</source>
        <translation>Бумага %1 слишком велика: каждая сторона может быть не больше %2 в выбранных единицах.</translation>
    </message>
    <message>
        <source>Unknown paper %1: give a catalogue paper such as A4 or Letter, or WIDTHxHEIGHT in the unit.</source>
        <translation>Неизвестная бумага %1: укажите бумагу из каталога, например A4 или Letter, или ШИРИНАxВЫСОТА в выбранных единицах.</translation>
    </message>
    <message>
        <source>Margins of %1 leave no printable area on a paper of %2 x %3.</source>
        <translation>Поля %1 не оставляют области печати на бумаге %2 x %3.</translation>
    </message>
    <message>
        <source>JPEG quality must be a whole number from 0 to 100: %1.</source>
        <translation>Качество JPEG должно быть целым числом от 0 до 100: %1.</translation>
    </message>
    <message>
        <source>Photo size must be SHORTxLONG, two numbers above zero: %1.</source>
        <translation>Размер фото должен быть в виде КОРОТКАЯxДЛИННАЯ, два числа больше нуля: %1.</translation>
    </message>
    <message>
        <source>Photo size %1 is too large: each side can be at most %2 of the unit.</source>
        <translation>Размер фото %1 слишком велик: каждая сторона может быть не больше %2 в выбранных единицах.</translation>
    </message>
    <message>
        <source>Printing was cancelled. Nothing was printed.</source>
        <translation>Печать отменена. Ничего не напечатано.</translation>
    </message>
    <message numerus="yes">
        <source>Printing was cancelled. %n page(s) of finished jobs went to the printer.</source>
        <translation>
            <numerusform>Печать отменена. На принтер ушла %n страница завершённых заданий.</numerusform><numerusform>Печать отменена. На принтер ушли %n страницы завершённых заданий.</numerusform><numerusform>Печать отменена. На принтер ушли %n страниц завершённых заданий.</numerusform></translation>
    </message>
    <message>
        <source>The chosen pages are not in the document: nothing was printed.</source>
        <translation>Выбранных страниц в документе нет: ничего не напечатано.</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Это не обычный файл</translation>
    </message>
    <message>
        <source>The PDF file came out incomplete</source>
        <translation>Файл PDF записан не полностью</translation>
    </message>
    <message>
        <source>The printer %1 did not take the print job.</source>
        <translation>Принтер %1 не принял задание печати.</translation>
    </message>
    <message>
        <source>The finished file could not be moved into place</source>
        <translation>Готовый файл не удалось переместить на место</translation>
    </message>
    <message>
        <source>The printer %1 did not take the print job:
%2.</source>
        <translation>Принтер %1 не принял задание печати:
%2.</translation>
    </message>
    <message>
        <source>The window needs a display. Without one, write pages with --export-jpeg, --print-pdf or --print; see --help.</source>
        <translation>Окну нужен дисплей. Без него записывайте страницы с помощью --export-jpeg, --print-pdf или --print; см. --help.</translation>
    </message>
    <message>
        <source>No print service is available</source>
        <translation>Служба печати недоступна</translation>
    </message>
</context>
</TS>