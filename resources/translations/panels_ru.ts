<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Available%1Images</source>
        <translation>Доступные%1изображения</translation>
    </message>
    <message>
        <source>Select for Printing</source>
        <translation>Выбрать для печати</translation>
    </message>
    <message>
        <source>Select Images for Printing</source>
        <translation>Выбрать изображения для печати</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>В корзину</translation>
    </message>
    <message>
        <source>Move selected images to trash</source>
        <translation>Переместить выбранные изображения в корзину</translation>
    </message>
    <message numerus="yes">
        <source>Available %n Image(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>Доступно %n изображение</numerusform>
            <numerusform>Доступно %n изображения</numerusform>
            <numerusform>Доступно %n изображений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Selected %n Image(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>Выбрано %n изображение</numerusform>
            <numerusform>Выбрано %n изображения</numerusform>
            <numerusform>Выбрано %n изображений</numerusform>
        </translation>
    </message>
    <message>
        <source>There is no image for viewing.</source>
        <translation>Нет изображения для просмотра.</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Select All Images</source>
        <translation>Выбрать все изображения</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>Selecting the Sort Mode</source>
        <translation>Выбор способа сортировки</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Selected Images</source>
        <translation>Выбранные изображения</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete Selected Images</source>
        <translation>Удалить выбранные изображения из списка</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Повернуть</translation>
    </message>
    <message>
        <source>Cancel2</source>
        <translation>Без сортировки</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Extension</source>
        <translation>Расширение</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Date Time</source>
        <translation>Дата и время</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>По возрастанию</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>По убыванию</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>Zoom In (25%)</source>
        <translation>Увеличить (на 25%)</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>Zoom Out (25%)</source>
        <translation>Уменьшить (на 25%)</translation>
    </message>
    <message>
        <source>Normal Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>Best Fit</source>
        <translation>По размеру окна</translation>
    </message>
    <message>
        <source>Best Fit to Window</source>
        <translation>Вписать в окно</translation>
    </message>
    <message>
        <source>Next Image</source>
        <translation>Следующее изображение</translation>
    </message>
    <message>
        <source>Previous Image</source>
        <translation>Предыдущее изображение</translation>
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
        <source>The choice of editing program.</source>
        <translation>Выбор программы для редактирования изображений.</translation>
    </message>
</context>
</TS>
