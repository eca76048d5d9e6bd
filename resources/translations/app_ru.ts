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
        <source>Printing</source>
        <translation>Печать</translation>
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
</context>
</TS>