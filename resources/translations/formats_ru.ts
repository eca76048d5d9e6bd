<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message>
        <source>Page size defined by user</source>
        <translation>Размер страницы задан пользователем</translation>
    </message>
    <message>
        <source> in</source>
        <translation> дюйм</translation>
    </message>
    <message>
        <source> cm</source>
        <translation> см</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> мм</translation>
    </message>
    <message>
        <source>Measurement Units</source>
        <translation>Единицы измерения</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Дюймы</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Миллиметры</translation>
    </message>
    <message>
        <source>Centimeters</source>
        <translation>Сантиметры</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ориентация</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Книжная</translation>
    </message>
    <message>
        <source>LandScape</source>
        <translation>Альбомная</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Размер бумаги</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ширина:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Высота:</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>Borderless</source>
        <translation>Без полей</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Верхнее:</translation>
    </message>
    <message>
        <source>Bottom:</source>
        <translation>Нижнее:</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Левое:</translation>
    </message>
    <message>
        <source>Right:</source>
        <translation>Правое:</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Maximal number of pages per print job:</source>
        <translation>Наибольшее число страниц в одном задании печати:</translation>
    </message>
    <message>
        <source>Print photos in a frame</source>
        <translation>Печатать фотографии в рамке</translation>
    </message>
    <message>
        <source>Add Size</source>
        <translation>Добавить размер</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Do you want to delete the size %1 ?</source>
        <translation>Удалить размер %1?</translation>
    </message>
    <message>
        <source>Size of Icons</source>
        <translation>Размер значков</translation>
    </message>
    <message>
        <source>Keep Aspect Ratio</source>
        <translation>Сохранять пропорции</translation>
    </message>
    <message>
        <source>The file path editor</source>
        <translation>Программа для редактирования</translation>
    </message>
    <message>
        <source>The choice of editing program.</source>
        <translation>Выбор программы для редактирования изображений.</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Page Settings</source>
        <translation>Параметры страницы</translation>
    </message>
    <message>
        <source>Photo Sizes</source>
        <translation>Размеры фотографий</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Show at Startup</source>
        <translation>Показывать при запуске</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
</TS>