<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
    <message numerus="yes">
        <source>%n Page(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>%n страница</numerusform>
            <numerusform>%n страницы</numerusform>
            <numerusform>%n страниц</numerusform>
        </translation>
    </message>
    <message>
        <source>Arrange Images in the Layout</source>
        <translation>Размещение изображений на макете</translation>
    </message>
    <message>
        <source>Change current image arrangement in the layout?</source>
        <translation>Изменить текущее размещение изображений на макете?</translation>
    </message>
    <message>
        <source>Apply:</source>
        <translation>Применить:</translation>
    </message>
    <message>
        <source>For the Selected Pages</source>
        <translation>К выбранным страницам</translation>
    </message>
    <message>
        <source>For All Pages</source>
        <translation>Ко всем страницам</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message numerus="yes">
        <source>Total %n Arrangement(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform>Всего %n размещение</numerusform>
            <numerusform>Всего %n размещения</numerusform>
            <numerusform>Всего %n размещений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> of %n Image(s)</source>
        <comment>Plural or singular</comment>
        <translation>
            <numerusform> из %n изображения</numerusform>
            <numerusform> из %n изображений</numerusform>
            <numerusform> из %n изображений</numerusform>
        </translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Страница </translation>
    </message>
    <message>
        <source>No file name given.</source>
        <translation>Не указано имя файла.</translation>
    </message>
    <message>
        <source>This is an unsupported file format.</source>
        <translation>Этот формат файла не поддерживается.</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Размер бумаги</translation>
    </message>
    <message>
        <source>The printable area of this paper is too small: no layout can be offered.</source>
        <translation>Область печати этой бумаги слишком мала: макет предложить нельзя.</translation>
    </message>
    <message>
        <source>When you add a page, the paper size cannot be changed.</source>
        <translation>При добавлении страниц размер бумаги изменить нельзя.</translation>
    </message>
    <message>
        <source>In this mode, the paper size cannot be changed.</source>
        <translation>В этом режиме размер бумаги изменить нельзя.</translation>
    </message>
    <message>
        <source>The paper size can be changed on the tab "%1".</source>
        <translation>Размер бумаги можно изменить на вкладке «%1».</translation>
    </message>
    <message>
        <source>Page Settings</source>
        <translation>Параметры страницы</translation>
    </message>
    <message>
        <source>Select image size for printing and how they will be arranged on the page.</source>
        <translation>Выберите размер изображений для печати и способ их размещения на странице.</translation>
    </message>
    <message>
        <source>Placing photos closely</source>
        <translation>Размещать фотографии вплотную</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Добавить изображения</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Автокадрирование</translation>
    </message>
    <message>
        <source>Editor of placements</source>
        <translation>Редактор размещений</translation>
    </message>
    <message>
        <source>Add:</source>
        <translation>Добавить:</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Add Pages</source>
        <translation>Добавить страницы</translation>
    </message>
    <message>
        <source>Choose Layout</source>
        <translation>Выбрать макет</translation>
    </message>
    <message>
        <source>Photo Sizes</source>
        <translation>Размеры фотографий</translation>
    </message>
    <message>
        <source>Selecting a page format for image arrangement</source>
        <translation>Выбор формата страницы для размещения изображений</translation>
    </message>
    <message>
        <source>Remove Pages</source>
        <translation>Удалить страницы</translation>
    </message>
    <message>
        <source>Delete selected pages</source>
        <translation>Удалить выбранные страницы</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Кадрировать</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Штамп</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Print the logo</source>
        <translation>Печатать логотип</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
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
        <source>Drag desired
images to
the layout.</source>
        <translation>Перетащите
нужные снимки
в макет.</translation>
    </message>
</context>
</TS>