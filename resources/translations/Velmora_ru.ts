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
        <source>The image is too large to decode: %1 × %2 pixels in this format take more than %3 MB of memory</source>
        <translation>Изображение слишком велико для декодирования: %1 × %2 пикселей в этом формате занимают больше %3 МБ памяти</translation>
    </message>
    <message>
        <source>The file is damaged: it ends before the image does</source>
        <translation>Файл повреждён: он обрывается раньше, чем изображение</translation>
    </message>
    <message>
        <source>The file is damaged: its picture cannot be decoded</source>
        <translation>Файл повреждён: его изображение не удаётся декодировать</translation>
    </message>
    <message>
        <source>The file is damaged: it holds more than %1 scans, only the first are read</source>
        <translation>Файл повреждён: в нём больше %1 проходов, читаются только первые</translation>
    </message>
    <message>
        <source>The file cannot be read: it is missing, not a plain file, not an image or larger than %1 MB</source>
        <translation>Файл не удаётся прочитать: его нет, это не обычный файл, не изображение или он больше %1 МБ</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>There is no room on the disk for the pages.</source>
        <translation>На диске нет места для страниц.</translation>
    </message>
    <message>
        <source>They take at least %1, %2 are free there</source>
        <translation>Им нужно не меньше %1, а свободно там %2</translation>
    </message>
    <message>
        <source>[*]</source>
        <translation>[*]</translation>
    </message>
    <message>
        <source>WorkLanguage</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Open an existing project</source>
        <translation>Открыть существующий проект</translation>
    </message>
    <message>
        <source>Export to Jpeg</source>
        <translation>Экспорт в JPEG</translation>
    </message>
    <message>
        <source>Project %1 has been modified. Do you want to save your changes?</source>
        <translation>Проект %1 изменён. Сохранить изменения?</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Новый</translation>
    </message>
    <message>
        <source>Create a new project</source>
        <translation>Создать новый проект</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save the project to disk</source>
        <translation>Сохранить проект на диск</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>Save the project under a new name</source>
        <translation>Сохранить проект под новым именем</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Options of the current project</source>
        <translation>Настройки текущего проекта</translation>
    </message>
    <message>
        <source>Available%1Images</source>
        <translation>Доступные%1изображения</translation>
    </message>
    <message>
        <source>Arrange%1on Layout</source>
        <translation>Разместить%1на макете</translation>
    </message>
    <message>
        <source>Arrange Images in the Layout</source>
        <translation>Размещение изображений на макете</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>Print the current project</source>
        <translation>Напечатать текущий проект</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Exit the application</source>
        <translation>Выйти из программы</translation>
    </message>
    <message>
        <source>Vertical Windows</source>
        <translation>Окна по вертикали</translation>
    </message>
    <message>
        <source>Vertical layout of the application windows</source>
        <translation>Расположить окна программы рядом по вертикали</translation>
    </message>
    <message>
        <source>Horizontal Windows</source>
        <translation>Окна по горизонтали</translation>
    </message>
    <message>
        <source>Horizontal layout of the application windows</source>
        <translation>Расположить окна программы одно над другим</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Displays contents of Help</source>
        <translation>Показать содержание справки</translation>
    </message>
    <message>
        <source>Getting Started</source>
        <translation>Начало работы</translation>
    </message>
    <message>
        <source>Technical Support</source>
        <translation>Техническая поддержка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>О &amp;программе</translation>
    </message>
    <message>
        <source>Show the About box</source>
        <translation>Показать сведения о программе</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Recent...</source>
        <translation>Недавние...</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Available Images window</source>
        <translation>Окно «Доступные изображения»</translation>
    </message>
    <message>
        <source>Show the Available Images window</source>
        <translation>Показать окно «Доступные изображения»</translation>
    </message>
    <message>
        <source>Selected Images window</source>
        <translation>Окно «Выбранные изображения»</translation>
    </message>
    <message>
        <source>Show the Selected Images window</source>
        <translation>Показать окно «Выбранные изображения»</translation>
    </message>
    <message>
        <source>Arrange Images window</source>
        <translation>Окно «Размещение изображений»</translation>
    </message>
    <message>
        <source>Show the Arrange Images window</source>
        <translation>Показать окно «Размещение изображений»</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель инструментов</translation>
    </message>
    <message>
        <source>Show Toolbar</source>
        <translation>Показать панель инструментов</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>The selected paper size differs from the size of pages in the layout.</source>
        <translation>Выбранный размер бумаги отличается от размера страниц макета.</translation>
    </message>
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
        <source>The paper size can be changed on the tab &quot;%1&quot;.</source>
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
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Show at Startup</source>
        <translation>Показывать при запуске</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>байт</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>КБ</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
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
        <source>Copies must be a whole number of one or more: %1.</source>
        <translation>Число копий должно быть целым, не меньше одного: %1.</translation>
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
        <source>Margins must be a number of zero or more: %1.</source>
        <translation>Поля должны быть числом не меньше нуля: %1.</translation>
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
        <source>There is no current page to export.</source>
        <translation>Нет текущей страницы для экспорта.</translation>
    </message>
    <message>
        <source>Writing %1 (%2 of %3)</source>
        <translation>Запись %1 (%2 из %3)</translation>
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
        <source>There is no current page to print.</source>
        <translation>Нет текущей страницы для печати.</translation>
    </message>
    <message>
        <source>Printing page %1 (%2 of %3)</source>
        <translation>Печать страницы %1 (%2 из %3)</translation>
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
        <source>Selected Images</source>
        <translation>Выбранные изображения</translation>
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
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>The program web page</source>
        <translation>Веб-страница программы</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
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
        <source>Unknown option %1: options are written with two dashes; the toolkit&apos;s own options are not taken with the output options.</source>
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
    <message>
        <source>New layout</source>
        <translation>Новая раскладка</translation>
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
            <numerusform>Печать отменена. На принтер ушла %n страница завершённых заданий.</numerusform>
            <numerusform>Печать отменена. На принтер ушли %n страницы завершённых заданий.</numerusform>
            <numerusform>Печать отменена. На принтер ушли %n страниц завершённых заданий.</numerusform>
        </translation>
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
    <message>
        <source>The page image was not complete</source>
        <translation>Изображение страницы получено не полностью</translation>
    </message>
    <message>
        <source>Untitled</source>
        <comment>project never saved</comment>
        <translation>Без имени</translation>
    </message>
    <message>
        <source>This image is too large to be shown: %1 × %2 pixels.</source>
        <translation>Изображение слишком велико для показа: %1 × %2 пикс.</translation>
    </message>
    <message>
        <source>Loading the photograph…</source>
        <translation>Загрузка снимка…</translation>
    </message>
    <message>
        <source>It has been taken off the Recent list.</source>
        <translation>Он убран из списка недавних проектов.</translation>
        <source>The project file is damaged and cannot be opened.</source>
        <translation>Файл проекта повреждён, открыть его нельзя.</translation>
    </message>
    <message>
        <source>The file is not a Velmora project, or it was made by a newer version of the program.</source>
        <translation>Этот файл не является проектом Velmora или создан более новой версией программы.</translation>
    </message>
    <message>
        <source>The project file cannot be opened.</source>
        <translation>Файл проекта не удаётся открыть.</translation>
    </message>
    <message>
        <source>The project could not be saved; a project file that was there is unchanged.</source>
        <translation>Проект не удалось сохранить; прежний файл проекта, если он был, не изменён.</translation>
    </message>
    <message>
        <source>The list of images could not be written.</source>
        <translation>Список изображений не удалось записать.</translation>
    </message>
    <message>
        <source>The list of images is damaged.</source>
        <translation>Список изображений повреждён.</translation>
    </message>
    <message>
        <source>The pages could not be written.</source>
        <translation>Страницы не удалось записать.</translation>
    </message>
    <message>
        <source>The pages are damaged.</source>
        <translation>Страницы повреждены.</translation>
    </message>
    <message>
        <source>The file could not be written; a file that was there is unchanged.</source>
        <translation>Файл не удалось записать; прежний файл, если он был, не изменён.</translation>
    </message>
    <message>
        <source>The layout could not be saved.</source>
        <translation>Макет не удалось сохранить.</translation>
    </message>
    <message>
        <source>The layout file is damaged and cannot be opened.</source>
        <translation>Файл макета повреждён, открыть его нельзя.</translation>
    </message>
    <message>
        <source>The file is not a Velmora layout.</source>
        <translation>Этот файл не является макетом Velmora.</translation>
    </message>
    <message>
        <source>The layout file cannot be opened.</source>
        <translation>Файл макета не удаётся открыть.</translation>
    </message>
    <message>
        <source>The layout was drawn for another paper.</source>
        <translation>Макет нарисован для бумаги другого размера.</translation>
    </message>
    <message>
        <source>The page could not be compressed as a JPEG image.</source>
        <translation>Страницу не удалось сжать в изображение JPEG.</translation>
    </message>
    <message>
        <source>The page cannot be made into a JPEG image.</source>
        <translation>Из этой страницы нельзя сделать изображение JPEG.</translation>
    </message>
    <message>
        <source>The page could not be exported as a JPEG file; a file that was there is unchanged.</source>
        <translation>Страницу не удалось экспортировать в файл JPEG; прежний файл, если он был, не изменён.</translation>
    </message>
    <message>
        <source>The pages could not be printed.</source>
        <translation>Страницы не удалось напечатать.</translation>
    </message>
    <message>
        <source>The PDF file could not be written; a file that was there is unchanged.</source>
        <translation>Файл PDF не удалось записать; прежний файл, если он был, не изменён.</translation>
    </message>
    <message>
        <source>A photograph cannot be read, so no pages were made.</source>
        <translation>Фотографию не удаётся прочитать, поэтому страницы не созданы.</translation>
    </message>
    <message>
        <source>The logo picture cannot be read, so no pages were made.</source>
        <translation>Рисунок логотипа не удаётся прочитать, поэтому страницы не созданы.</translation>
    </message>
    <message>
        <source>The pages cannot be written to that place.</source>
        <translation>Страницы нельзя записать в это место.</translation>
    </message>
    <message>
        <source>The logo picture cannot be read; choose another file or turn the logo off.</source>
        <translation>Рисунок логотипа не удаётся прочитать; выберите другой файл или отключите логотип.</translation>
    </message>
    <message>
        <source>Some stored photo sizes are damaged and were left out.</source>
        <translation>Некоторые сохранённые размеры фотографий повреждены и пропущены.</translation>
    </message>
    <message>
        <source>The stored page settings are damaged; the default page is used.</source>
        <translation>Сохранённые параметры страницы повреждены; используется страница по умолчанию.</translation>
    </message>
    <message>
        <source>The images handed over are damaged.</source>
        <translation>Переданные изображения повреждены.</translation>
    </message>
    <message>
        <source>The file is larger than a layout can be (%1 bytes)</source>
        <translation>Файл больше, чем может быть макет (%1 байт)</translation>
    </message>
    <message>
        <source>The project holds %1 pages; at most %2 are read.</source>
        <translation>В проекте %1 страниц; читается не более %2.</translation>
    </message>
    <message>
        <source>The project holds more than %1 frames.</source>
        <translation>В проекте больше %1 рамок.</translation>
    </message>
    <message>
        <source>Write and print pages without photographs as well.</source>
        <translation>Записывать и печатать также страницы без фотографий.</translation>
    </message>
    <message>
        <source>No page holds a photograph; --empty-pages writes them all.</source>
        <translation>Ни на одной странице нет фотографии; --empty-pages записывает все страницы.</translation>
    </message>
    <message>
        <source>Page written to %1.</source>
        <translation>Страница записана в %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) written to the folder %1: %2 to %3.</source>
        <translation>
            <numerusform>%n страница записана в папку %1: от %2 до %3.</numerusform>
            <numerusform>%n страницы записаны в папку %1: от %2 до %3.</numerusform>
            <numerusform>%n страниц записано в папку %1: от %2 до %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) written to %1.</source>
        <translation>
            <numerusform>%n страница записана в %1.</numerusform>
            <numerusform>%n страницы записаны в %1.</numerusform>
            <numerusform>%n страниц записано в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The colour profile is damaged</source>
        <translation>Цветовой профиль повреждён</translation>
    </message>
    <message>
        <source>The colour profile is not one of RGB colours</source>
        <translation>Цветовой профиль описывает не цвета RGB</translation>
    </message>
    <message>
        <source>Perceptual</source>
        <translation>Перцепционный</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Насыщенность</translation>
    </message>
    <message>
        <source>Absolute colorimetric</source>
        <translation>Абсолютный колориметрический</translation>
    </message>
    <message>
        <source>Relative colorimetric with black-point compensation</source>
        <translation>Относительный колориметрический с компенсацией точки чёрного</translation>
    </message>
    <message>
        <source>The colour profile of %1 is ignored (%2); its colours are taken as sRGB.</source>
        <translation>Цветовой профиль файла %1 не используется (%2); его цвета считаются цветами sRGB.</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>Printer profile:</source>
        <translation>Профиль принтера:</translation>
    </message>
    <message>
        <source>Rendering intent:</source>
        <translation>Метод цветопередачи:</translation>
    </message>
    <message>
        <source>None (sRGB)</source>
        <translation>Нет (sRGB)</translation>
    </message>
    <message>
        <source>Printer profile</source>
        <translation>Профиль принтера</translation>
    </message>
    <message>
        <source>ICC profiles (*.icc *.icm *.ICC *.ICM)</source>
        <translation>Профили ICC (*.icc *.icm *.ICC *.ICM)</translation>
    </message>
    <message>
        <source>Convert the photographs to the ICC profile FILE (a printer on its paper) and, in JPEG files, embed it.</source>
        <translation>Перевести фотографии в профиль ICC FILE (принтера на его бумаге) и встроить его в файлы JPEG.</translation>
    </message>
    <message>
        <source>Rendering intent of the conversion: perceptual, relative (with black-point compensation, the default), saturation or absolute.</source>
        <translation>Метод цветопередачи при переводе: perceptual (перцепционный), relative (относительный с компенсацией точки чёрного, по умолчанию), saturation (насыщенность) или absolute (абсолютный).</translation>
    </message>
    <message>
        <source>--output-profile and --intent apply to --export-jpeg, --print-pdf and --print.</source>
        <translation>--output-profile и --intent применяются только к --export-jpeg, --print-pdf и --print.</translation>
    </message>
    <message>
        <source>Unknown rendering intent %1: give perceptual, relative, saturation or absolute.</source>
        <translation>Неизвестный метод цветопередачи %1: укажите perceptual, relative, saturation или absolute.</translation>
    </message>
    <message>
        <source>The output profile %1 cannot be used: %2</source>
        <translation>Выходной профиль %1 нельзя использовать: %2</translation>
    </message>
    <message>
        <source>Proof Colours</source>
        <translation>Цветопроба</translation>
    </message>
    <message>
        <source>Show the page as the printer profile of the paper prints it</source>
        <translation>Показать страницу такой, какой её напечатает профиль принтера для этой бумаги</translation>
    </message>
    <message>
        <source>Mark Colours Out of Gamut</source>
        <translation>Отметить цвета вне охвата</translation>
    </message>
    <message>
        <source>Show in grey the colours the printer cannot print on this paper</source>
        <translation>Показать серым цвета, которые принтер не может напечатать на этой бумаге</translation>
    </message>
    <message>
        <source>%1: the size must be WIDTHxHEIGHT, two numbers above zero: %2.</source>
        <translation>%1: размер должен быть задан как ШИРИНАxВЫСОТА, двумя числами больше нуля: %2.</translation>
    </message>
    <message>
        <source>%1: the count must be a whole number from 1 to %2: %3.</source>
        <translation>%1: количество должно быть целым числом от 1 до %2: %3.</translation>
    </message>
    <message>
        <source>%1: a print of %2 does not fit the printable area of %3 x %4 either way.</source>
        <translation>%1: отпечаток %2 не помещается в область печати %3 x %4 ни вдоль, ни поперёк.</translation>
    </message>
    <message>
        <source>%1: cannot read file %2:
%3.</source>
        <translation>%1: не удаётся прочитать файл %2:
%3.</translation>
    </message>
    <message>
        <source>The gutter must be a number of zero or more, less than the printable area: %1.</source>
        <translation>Промежуток должен быть числом не меньше нуля и меньше области печати: %1.</translation>
    </message>
    <message>
        <source>Line %1 of %2</source>
        <translation>Строка %1 файла %2</translation>
    </message>
    <message>
        <source>%1 is not PHOTO,WIDTHxHEIGHT,COUNT: %2</source>
        <translation>%1 не имеет вида СНИМОК,ШИРИНАxВЫСОТА,КОЛИЧЕСТВО: %2</translation>
    </message>
    <message>
        <source>Package entry %1</source>
        <translation>Элемент пакета %1</translation>
    </message>
    <message>
        <source>%1 is not SIZE:COUNT, as in 10x15:2.</source>
        <translation>%1 не имеет вида РАЗМЕР:КОЛИЧЕСТВО, например 10x15:2.</translation>
    </message>
    <message>
        <source>The order %1 holds no prints.</source>
        <translation>В заказе %1 нет ни одного отпечатка.</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Заказ</translation>
    </message>
    <message>
        <source>Pack the order FILE.csv onto the fewest sheets: lines PHOTO,WIDTHxHEIGHT,COUNT, sizes in the unit, photographs relative to the file's folder.</source>
        <translation>Разместить заказ FILE.csv на наименьшем числе листов: строки СНИМОК,ШИРИНАxВЫСОТА,КОЛИЧЕСТВО, размеры в единицах измерения, снимки относительно папки файла.</translation>
    </message>
    <message>
        <source>Pack every IMAGE in each size and count, as in 10x15:2,9x13:4 (sizes in the unit).</source>
        <translation>Разместить каждое IMAGE в каждом размере и количестве, например 10x15:2,9x13:4 (размеры в единицах измерения).</translation>
    </message>
    <message>
        <source>Space between the prints of an order, in the unit (2 mm unless given).</source>
        <translation>Промежуток между отпечатками заказа в единицах измерения (по умолчанию 2 мм).</translation>
    </message>
    <message>
        <source>The order is empty.</source>
        <translation>Заказ пуст.</translation>
    </message>
    <message>
        <source>An order makes its own pages: give neither --photo-size nor --layout with it.</source>
        <translation>Заказ сам составляет страницы: не указывайте с ним ни --photo-size, ни --layout.</translation>
    </message>
    <message>
        <source>--gutter applies to --order and --package only.</source>
        <translation>--gutter действует только с --order и --package.</translation>
    </message>
    <message>
        <source>The order file names its photographs: give images with --package only.</source>
        <translation>Файл заказа сам называет снимки: изображения указываются только с --package.</translation>
    </message>
    <message>
        <source>--package needs the images to print.</source>
        <translation>Для --package нужны изображения для печати.</translation>
    </message>
    <message>
        <source>No print of the order fits the paper.</source>
        <translation>Ни один отпечаток заказа не помещается на бумагу.</translation>
    </message>
    <message>
        <source>%1 sheets, %2 % of the paper used</source>
        <translation>Листов: %1, использовано %2 % бумаги</translation>
    </message>
    <message>
        <source>Photograph</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>Print size</source>
        <translation>Размер отпечатка</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Gutter between the prints:</source>
        <translation>Промежуток между отпечатками:</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить «%1»</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить «%1»</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Правка</translation>
    </message>
    <message>
        <source>Drop Images</source>
        <translation>Перетащить изображения</translation>
    </message>
    <message>
        <source>Move Images</source>
        <translation>Переместить изображения</translation>
    </message>
    <message>
        <source>Change Layout</source>
        <translation>Изменить макет</translation>
    </message>
</context>
</TS>
