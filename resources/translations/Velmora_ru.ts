<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>QObject</name>
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
        <source>Saving projects</source>
        <translation>Сохранение проектов</translation>
    </message>
    <message>
        <source>Opening projects</source>
        <translation>Открытие проектов</translation>
    </message>
    <message>
        <source>Export to Jpeg</source>
        <translation>Экспорт в JPEG</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе %1</translation>
    </message>
    <message>
        <source>&lt;h2&gt;%1 %2&lt;/h2&gt;&lt;p&gt;Lays photographs out on printed pages.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;%1 %2&lt;/h2&gt;&lt;p&gt;Раскладывает фотографии по печатным страницам.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>%1 is not available in this version yet.</source>
        <translation>%1 — пока недоступно в этой версии.</translation>
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
        <source>Ready</source>
        <translation>Готово</translation>
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
</context>
</TS>
