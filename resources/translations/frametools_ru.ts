<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Rotate Frame</source>
        <translation>Повернуть рамку</translation>
    </message>
    <message>
        <source>Outside the Image</source>
        <translation>За пределами изображения</translation>
    </message>
    <message>
        <source>The mode in which the crop rectangle can be outside the image area.</source>
        <translation>Режим, в котором рамка кадрирования может выходить за пределы изображения.</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Левый верхний угол</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Правый верхний угол</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Левый нижний угол</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Правый нижний угол</translation>
    </message>
    <message>
        <source>Top Left Vertical</source>
        <translation>Слева вверху, вертикально</translation>
    </message>
    <message>
        <source>Top Right Vertical</source>
        <translation>Справа вверху, вертикально</translation>
    </message>
    <message>
        <source>Bottom Left Vertical</source>
        <translation>Слева внизу, вертикально</translation>
    </message>
    <message>
        <source>Bottom Right Vertical</source>
        <translation>Справа внизу, вертикально</translation>
    </message>
    <message>
        <source>Stamp Settings</source>
        <translation>Настройки штампа</translation>
    </message>
    <message>
        <source>Print The File Name</source>
        <translation>Печатать имя файла</translation>
    </message>
    <message>
        <source>Print Date Stamp</source>
        <translation>Печатать дату съёмки</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Stamp Location:</source>
        <translation>Расположение штампа:</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>курсив</translation>
    </message>
    <message>
        <source>Print logo</source>
        <translation>Печатать логотип</translation>
    </message>
    <message>
        <source>From the left edge</source>
        <translation>От левого края</translation>
    </message>
    <message>
        <source>From the centre</source>
        <translation>От центра</translation>
    </message>
    <message>
        <source>From the right edge</source>
        <translation>От правого края</translation>
    </message>
    <message>
        <source>From the top edge</source>
        <translation>От верхнего края</translation>
    </message>
    <message>
        <source>From the bottom edge</source>
        <translation>От нижнего края</translation>
    </message>
    <message>
        <source>Horizontally:</source>
        <translation>По горизонтали:</translation>
    </message>
    <message>
        <source>X:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Vertically:</source>
        <translation>По вертикали:</translation>
    </message>
    <message>
        <source>Y:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>Logo placement:</source>
        <translation>Расположение логотипа:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Select the logo file.</source>
        <translation>Выберите файл логотипа.</translation>
    </message>
    <message>
        <source>No file is chosen</source>
        <translation>Файл не выбран</translation>
    </message>
    <message>
        <source>The file is not an image</source>
        <translation>Файл не является изображением</translation>
    </message>
    <message>
        <source>For the Selected Images</source>
        <translation>К выбранным изображениям</translation>
    </message>
    <message>
        <source>Print the credit line on photographs</source>
        <translation>Печатать подпись программы на снимках</translation>
    </message>
    <message>
        <source>Leave the credit line off the photographs.</source>
        <translation>Не печатать подпись программы на снимках.</translation>
    </message>
    <message>
        <source>Print the date each photograph was taken on it.</source>
        <translation>Печатать на каждом снимке дату съёмки.</translation>
    </message>
    <message>
        <source>Print the file name of each photograph on it.</source>
        <translation>Печатать на каждом снимке имя его файла.</translation>
    </message>
    <message>
        <source>Print the picture FILE (PNG or JPEG) on every photograph.</source>
        <translation>Печатать рисунок FILE (PNG или JPEG) на каждом снимке.</translation>
    </message>
    <message>
        <source>The name of the logo file is empty.</source>
        <translation>Имя файла логотипа не задано.</translation>
    </message>
    </context>
</TS>