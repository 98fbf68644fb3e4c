<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>EventsEditor</name>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Action parameters</source>
        <translation>Параметры действия</translation>
    </message>
    <message>
        <source>The chosen action</source>
        <translation>Выбранное действие</translation>
    </message>
    <message>
        <source>has no parameters</source>
        <translation>не имеет параметров</translation>
    </message>
    <message>
        <source>Text message</source>
        <translation>Текстовое сообщение</translation>
    </message>
    <message>
        <source>make &amp;automatically</source>
        <translation>составить &amp;автоматически</translation>
    </message>
    <message>
        <source>specify the &amp;message text</source>
        <translation>указать &amp;текст сообщения</translation>
    </message>
    <message>
        <source>Name the busiest process</source>
        <translation>Называть самый активный процесс</translation>
    </message>
    <message>
        <source>A last line names the program using most of the resource: the most processor time, or the most memory of the kind the event watches</source>
        <translation>Последняя строка называет программу, которая больше всех использует ресурс: больше всего процессорного времени или больше всего памяти того вида, за которым следит событие</translation>
    </message>
    <message>
        <source>As a desktop notification</source>
        <translation>Как уведомление рабочего стола</translation>
    </message>
    <message>
        <source>The desktop shows the message in its own way; where it cannot, the box shows</source>
        <translation>Рабочий стол показывает сообщение по-своему; где он этого не умеет, появляется окно сообщения</translation>
    </message>
    <message>
        <source>Sound signal</source>
        <translation>Звуковой сигнал</translation>
    </message>
    <message>
        <source>&amp;Sound signal</source>
        <translation>&amp;Звуковой сигнал</translation>
    </message>
    <message>
        <source>Check up</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Frequency of a signal</source>
        <translation>Частота сигнала</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>Duration of a impulse</source>
        <translation>Длительность импульса</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>Time of a pause</source>
        <translation>Длительность паузы</translation>
    </message>
    <message>
        <source>Play back a signal</source>
        <translation>Воспроизводить сигнал</translation>
    </message>
    <message>
        <source>&amp;during</source>
        <translation>&amp;в течение</translation>
    </message>
    <message>
        <source>exact &amp;number of times</source>
        <translation>заданное &amp;число раз</translation>
    </message>
    <message>
        <source>&amp;permanently</source>
        <translation>&amp;постоянно</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Секунды</translation>
    </message>
    <message>
        <source>hr.</source>
        <translation>ч.</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>часы</translation>
    </message>
    <message>
        <source>min.</source>
        <translation>мин.</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минуты</translation>
    </message>
    <message>
        <source>sec.</source>
        <translation>сек.</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>секунды</translation>
    </message>
    <message>
        <source>Number of times</source>
        <translation>Число раз</translation>
    </message>
    <message>
        <source>Start the application</source>
        <translation>Запустить приложение</translation>
    </message>
    <message>
        <source>Application file:</source>
        <translation>Файл приложения:</translation>
    </message>
    <message>
        <source>Execution parameters:</source>
        <translation>Параметры запуска:</translation>
    </message>
    <message>
        <source>Open the document</source>
        <translation>Открыть документ</translation>
    </message>
    <message>
        <source>Specify the document:</source>
        <translation>Укажите документ:</translation>
    </message>
    <message>
        <source>Open a folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Choose a folder:</source>
        <translation>Выберите папку:</translation>
    </message>
    <message>
        <source>Specify correct parameters of a signal!</source>
        <translation>Укажите правильные параметры сигнала!</translation>
    </message>
    <message>
        <source>Specify the name of event!</source>
        <translation>Укажите название события!</translation>
    </message>
    <message>
        <source>Specify parameter value!</source>
        <translation>Укажите значение параметра!</translation>
    </message>
    <message>
        <source>Specify a correct time interval!</source>
        <translation>Укажите правильный интервал времени!</translation>
    </message>
    <message>
        <source>Enter the message text!</source>
        <translation>Введите текст сообщения!</translation>
    </message>
    <message>
        <source>Specify loop quantity!</source>
        <translation>Укажите число повторений!</translation>
    </message>
    <message>
        <source>Specify an application file!</source>
        <translation>Укажите файл приложения!</translation>
    </message>
    <message>
        <source>Specify an existing application file!</source>
        <translation>Укажите существующий файл приложения!</translation>
    </message>
    <message>
        <source>Specify the document!</source>
        <translation>Укажите документ!</translation>
    </message>
    <message>
        <source>Specify the existing document!</source>
        <translation>Укажите существующий документ!</translation>
    </message>
    <message>
        <source>Choose a folder!</source>
        <translation>Выберите папку!</translation>
    </message>
    <message>
        <source>Processor usage</source>
        <translation>Загрузка процессора</translation>
    </message>
    <message>
        <source>Operative memory usage</source>
        <translation>Использование оперативной памяти</translation>
    </message>
    <message>
        <source>Swap file usage</source>
        <translation>Использование файла подкачки</translation>
    </message>
    <message>
        <source>Virtual memory usage</source>
        <translation>Использование виртуальной памяти</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Event name</source>
        <translation>Название события</translation>
    </message>
    <message>
        <source>Event settings</source>
        <translation>Параметры события</translation>
    </message>
    <message>
        <source>more than</source>
        <translation>больше</translation>
    </message>
    <message>
        <source>less than</source>
        <translation>меньше</translation>
    </message>
    <message>
        <source>MB/MHz</source>
        <translation>МБ/МГц</translation>
    </message>
    <message>
        <source>Resource</source>
        <translation>Ресурс</translation>
    </message>
    <message>
        <source>Condition</source>
        <translation>Условие</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единица</translation>
    </message>
    <message>
        <source>During:</source>
        <translation>Время:</translation>
    </message>
    <message>
        <source>During</source>
        <translation>В течение</translation>
    </message>
    <message>
        <source>Execute action</source>
        <translation>Выполнить действие</translation>
    </message>
    <message>
        <source>No action</source>
        <translation>Нет действия</translation>
    </message>
    <message>
        <source>Text message and sound signal</source>
        <translation>Сообщение и звуковой сигнал</translation>
    </message>
    <message>
        <source>Close Tarnwick</source>
        <translation>Закрыть Tarnwick</translation>
    </message>
    <message>
        <source>Reload a computer</source>
        <translation>Перезагрузить компьютер</translation>
    </message>
    <message>
        <source>Waited mode of a computer</source>
        <translation>Ждущий режим компьютера</translation>
    </message>
    <message>
        <source>Switch off a computer</source>
        <translation>Выключить компьютер</translation>
    </message>
    <message>
        <source>Method of executing</source>
        <translation>Способ выполнения</translation>
    </message>
    <message>
        <source>one time</source>
        <translation>один раз</translation>
    </message>
    <message>
        <source>once per a session</source>
        <translation>раз за сеанс</translation>
    </message>
    <message>
        <source>permanently</source>
        <translation>постоянно</translation>
    </message>
    <message>
        <source>&amp;event is active</source>
        <translation>&amp;событие активно</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>New event</source>
        <translation>Новое событие</translation>
    </message>
    <message>
        <source>Events editor</source>
        <translation>Редактор событий</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Executed files</source>
        <translation>Исполняемые файлы</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Title: %1</source>
        <translation>Название: %1</translation>
    </message>
    <message>
        <source>Author: %1</source>
        <translation>Автор: %1</translation>
    </message>
    <message>
        <source>For Tarnwick version: %1</source>
        <translation>Для версии Tarnwick: %1</translation>
    </message>
    <message>
        <source>Delete event</source>
        <translation>Удалить событие</translation>
    </message>
    <message>
        <source>Events editor</source>
        <translation>Редактор событий</translation>
    </message>
    <message>
        <source>Events list</source>
        <translation>Список событий</translation>
    </message>
    <message>
        <source>Management of events</source>
        <translation>Управление событиями</translation>
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
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Tarnwick Settings</source>
        <translation>Настройки Tarnwick</translation>
    </message>
    <message>
        <source>Main settings</source>
        <translation>Основные настройки</translation>
    </message>
    <message>
        <source>Indicators</source>
        <translation>Индикаторы</translation>
    </message>
    <message>
        <source>Tray icons</source>
        <translation>Значки в трее</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Скины</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>События</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>View mode</source>
        <translation>Режим отображения</translation>
    </message>
    <message>
        <source>&amp;Two indicators</source>
        <translation>&amp;Два индикатора</translation>
    </message>
    <message>
        <source>&amp;One diagram</source>
        <translation>&amp;Одна диаграмма</translation>
    </message>
    <message>
        <source>Main window settings</source>
        <translation>Настройки главного окна</translation>
    </message>
    <message>
        <source>&amp;Always on top</source>
        <translation>&amp;Поверх всех окон</translation>
    </message>
    <message>
        <source>&amp;Fix a window</source>
        <translation>&amp;Закрепить окно</translation>
    </message>
    <message>
        <source>&amp;Dock to screen edges</source>
        <translation>Прилипать к &amp;краям экрана</translation>
    </message>
    <message>
        <source>Dock within</source>
        <translation>Прилипать на расстоянии</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>пикселей</translation>
    </message>
    <message>
        <source>Window transparency</source>
        <translation>Прозрачность окна</translation>
    </message>
    <message>
        <source>Indicator 1</source>
        <translation>Индикатор 1</translation>
    </message>
    <message>
        <source>Indicator 2</source>
        <translation>Индикатор 2</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>&amp;Text showing</source>
        <translation>&amp;Показывать текст</translation>
    </message>
    <message>
        <source>T&amp;ext showing</source>
        <translation>П&amp;оказывать текст</translation>
    </message>
    <message>
        <source>Te&amp;xt showing</source>
        <translation>По&amp;казывать текст</translation>
    </message>
    <message>
        <source>Speed of updating:</source>
        <translation>Обновлять каждые</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>миллисекунд</translation>
    </message>
    <message>
        <source>миллисекунд</source>
        <translation>миллисекунд</translation>
    </message>
    <message>
        <source>Icons in the system tray</source>
        <translation>Значки в области уведомлений</translation>
    </message>
    <message>
        <source>Updating of icons</source>
        <translation>Обновление значков</translation>
    </message>
    <message>
        <source>Speed of updating</source>
        <translation>Обновлять каждые</translation>
    </message>
    <message>
        <source>System parameters</source>
        <translation>Системные параметры</translation>
    </message>
    <message>
        <source>&amp;Automatic loading</source>
        <translation>&amp;Автозагрузка</translation>
    </message>
    <message>
        <source>&amp;Only one copy</source>
        <translation>&amp;Только одна копия</translation>
    </message>
    <message>
        <source>&amp;Low priority</source>
        <translation>&amp;Низкий приоритет</translation>
    </message>
    <message>
        <source>Information hint</source>
        <translation>Информационная подсказка</translation>
    </message>
    <message>
        <source>&amp;Show information hint</source>
        <translation>&amp;Показывать подсказку</translation>
    </message>
    <message>
        <source>Pause before showing</source>
        <translation>Пауза перед показом</translation>
    </message>
    <message>
        <source>Pause before hiding</source>
        <translation>Пауза перед скрытием</translation>
    </message>
    <message>
        <source>Skins editor</source>
        <translation>Редактор скинов</translation>
    </message>
    <message>
        <source>Creating and editing of events:</source>
        <translation>Создание и редактирование событий:</translation>
    </message>
    <message>
        <source>Creating and editing of skins:</source>
        <translation>Создание и редактирование скинов:</translation>
    </message>
    <message>
        <source>Clipboard manager</source>
        <translation>Менеджер буфера обмена</translation>
    </message>
    <message>
        <source>Pastefold - multifunctional clipboard manager</source>
        <translation>Pastefold - многофункциональный менеджер буфера обмена</translation>
    </message>
    <message>
        <source>Visit the program website</source>
        <translation>Посетить сайт программы</translation>
    </message>
    <message>
        <source>Download the new version</source>
        <translation>Скачать новую версию</translation>
    </message>
    <message>
        <source>Simplify your work!</source>
        <translation>Упростите свою работу!</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Version 3.5</source>
        <translation>Версия 3.5</translation>
    </message>
    <message>
        <source>Multifunctional manager of system resources</source>
        <translation>Многофункциональный менеджер системных ресурсов</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Ссылки</translation>
    </message>
    <message>
        <source>Program website</source>
        <translation>Сайт программы</translation>
    </message>
    <message>
        <source>Technical support</source>
        <translation>Техническая поддержка</translation>
    </message>
    <message>
        <source>Developers</source>
        <translation>Разработчики</translation>
    </message>
    <message>
        <source>Made by the Tarnwick developers, free software for Linux desktops.</source>
        <translation>Создано разработчиками Tarnwick, свободная программа для рабочих столов Linux.</translation>
    </message>
    <message>
        <source>&amp;Random skin</source>
        <translation>&amp;Случайный скин</translation>
    </message>
    <message>
        <source>Active skin</source>
        <translation>Активный скин</translation>
    </message>
    <message>
        <source>Information of skin</source>
        <translation>Информация о скине</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Folder with skins:</source>
        <translation>Папка со скинами:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор...</translation>
    </message>
    <message>
        <source>Download new skins</source>
        <translation>Скачать новые скины</translation>
    </message>
    <message>
        <source>Choose a folder:</source>
        <translation>Выберите папку:</translation>
    </message>
</context>
<context>
    <name>SkinEditor</name>
    <message>
        <source>pixels</source>
        <translation>пикселей</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Рисунки BMP</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Координаты</translation>
    </message>
    <message>
        <source>Top left corner X</source>
        <translation>Левый верхний угол X</translation>
    </message>
    <message>
        <source>Top left corner Y</source>
        <translation>Левый верхний угол Y</translation>
    </message>
    <message>
        <source>Right bottom corner X</source>
        <translation>Правый нижний угол X</translation>
    </message>
    <message>
        <source>Right bottom corner Y</source>
        <translation>Правый нижний угол Y</translation>
    </message>
    <message>
        <source>Top left corner:</source>
        <translation>Левый верхний угол:</translation>
    </message>
    <message>
        <source>Right bottom corner:</source>
        <translation>Правый нижний угол:</translation>
    </message>
    <message>
        <source>from below upwards</source>
        <translation>снизу вверх</translation>
    </message>
    <message>
        <source>from top to down</source>
        <translation>сверху вниз</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Горизонтально</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Вертикально</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Направление:</translation>
    </message>
    <message>
        <source>Orientation:</source>
        <translation>Ориентация:</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>&amp;flat skin</source>
        <translation>&amp;плоский скин</translation>
    </message>
    <message>
        <source>&amp;graphical skin</source>
        <translation>&amp;графический скин</translation>
    </message>
    <message>
        <source>Picture file</source>
        <translation>Файл изображения</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Выбрать изображение</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Фон:</translation>
    </message>
    <message>
        <source>Progress:</source>
        <translation>Заполнение:</translation>
    </message>
    <message>
        <source>Font parameters</source>
        <translation>Параметры шрифта</translation>
    </message>
    <message>
        <source>Angle:</source>
        <translation>Угол:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Шрифт</translation>
    </message>
    <message>
        <source>%1, %2 pt%3, %4</source>
        <translation>%1, %2 пт%3, %4</translation>
    </message>
    <message>
        <source>Font color</source>
        <translation>Цвет шрифта</translation>
    </message>
    <message>
        <source>Skin creation</source>
        <translation>Создание скина</translation>
    </message>
    <message>
        <source>Program window</source>
        <translation>Окно программы</translation>
    </message>
    <message>
        <source>Indicator 1</source>
        <translation>Индикатор 1</translation>
    </message>
    <message>
        <source>Indicator 2</source>
        <translation>Индикатор 2</translation>
    </message>
    <message>
        <source>Diagram</source>
        <translation>Диаграмма</translation>
    </message>
    <message>
        <source>Tray icons</source>
        <translation>Значки в трее</translation>
    </message>
    <message>
        <source>Save skin</source>
        <translation>Сохранение скина</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Шаг %1</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>The folder with pictures of digits
should contain the following files:
    0.bmp
    1.bmp
    ...
    8.bmp
    9.bmp
Each of these files should be the correct
bitmap in the size 8 x 16 pixels.
Files should contain picture of digit,
specified in a filename.
Also in this folder should be a file
100.bmp with such parameters:
    sizes 16 x 16 pixels
    number represented on picture - 100</source>
        <translation>Папка с изображениями цифр
должна содержать следующие файлы:
    0.bmp
    1.bmp
    ...
    8.bmp
    9.bmp
Каждый из этих файлов должен быть
правильным рисунком BMP размером 8 x 16 пикселей.
Файл должен содержать изображение цифры,
указанной в его имени.
Кроме того, в этой папке должен быть файл
100.bmp со следующими параметрами:
    размер 16 x 16 пикселей
    изображённое число - 100</translation>
    </message>
    <message>
        <source>Skins editor</source>
        <translation>Редактор скинов</translation>
    </message>
    <message>
        <source>Method of creation</source>
        <translation>Способ создания</translation>
    </message>
    <message>
        <source>&amp;Create a new skin</source>
        <translation>&amp;Создать новый скин</translation>
    </message>
    <message>
        <source>&amp;Modify an existing skin</source>
        <translation>&amp;Изменить существующий скин</translation>
    </message>
    <message>
        <source>Choose a skin file</source>
        <translation>Выбрать файл скина</translation>
    </message>
    <message>
        <source>Specify a skin file:</source>
        <translation>Укажите файл скина:</translation>
    </message>
    <message>
        <source>Skins</source>
        <translation>Скины</translation>
    </message>
    <message>
        <source>Window size</source>
        <translation>Размер окна</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Цвета</translation>
    </message>
    <message>
        <source>&amp;Transparent color</source>
        <translation>&amp;Прозрачный цвет</translation>
    </message>
    <message>
        <source>Transparent color</source>
        <translation>Прозрачный цвет</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Цвет фона</translation>
    </message>
    <message>
        <source>Icons settings</source>
        <translation>Настройки значков</translation>
    </message>
    <message>
        <source>&amp;Create an icons file</source>
        <translation>&amp;Создать файл значков</translation>
    </message>
    <message>
        <source>Choose the folder with images of digits</source>
        <translation>Выбрать папку с изображениями цифр</translation>
    </message>
    <message>
        <source>Help on the folder with images of digits</source>
        <translation>Справка о папке с изображениями цифр</translation>
    </message>
    <message>
        <source>24 bit</source>
        <translation>24 бита</translation>
    </message>
    <message>
        <source>16 bit</source>
        <translation>16 бит</translation>
    </message>
    <message>
        <source>8 bit (256 colors)</source>
        <translation>8 бит (256 цветов)</translation>
    </message>
    <message>
        <source>4 bit (16 colors)</source>
        <translation>4 бита (16 цветов)</translation>
    </message>
    <message>
        <source>&amp;Open the icons file</source>
        <translation>&amp;Открыть файл значков</translation>
    </message>
    <message>
        <source>Choose an icons file</source>
        <translation>Выбрать файл значков</translation>
    </message>
    <message>
        <source>Help on the icons file</source>
        <translation>Справка о файле значков</translation>
    </message>
    <message>
        <source>&amp;Use standard icons</source>
        <translation>&amp;Использовать стандартные значки</translation>
    </message>
    <message>
        <source>Background color:</source>
        <translation>Цвет фона:</translation>
    </message>
    <message>
        <source>Color depth:</source>
        <translation>Глубина цвета:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Folder with images of digits:</source>
        <translation>Папка с изображениями цифр:</translation>
    </message>
    <message>
        <source>Specify icons file</source>
        <translation>Укажите файл значков</translation>
    </message>
    <message>
        <source>Choose a folder:</source>
        <translation>Выберите папку:</translation>
    </message>
    <message>
        <source>The image of icons should have the sizes 1616 x 16 pixels</source>
        <translation>Изображение значков должно иметь размер 1616 x 16 пикселей</translation>
    </message>
    <message>
        <source>Choose a file to save as</source>
        <translation>Выбрать файл для сохранения</translation>
    </message>
    <message>
        <source>Skin title</source>
        <translation>Название скина</translation>
    </message>
    <message>
        <source>Author name</source>
        <translation>Имя автора</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Skin</source>
        <translation>Скин</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Недопустимое изображение BMP</translation>
    </message>
    <message>
        <source>Specify a file of icons!</source>
        <translation>Укажите файл значков!</translation>
    </message>
    <message>
        <source>The image of icons should have the sizes 1616 x 16 pixels!</source>
        <translation>Изображение значков должно иметь размер 1616 x 16 пикселей!</translation>
    </message>
    <message>
        <source>The folder with pictures of digits is not specified!</source>
        <translation>Не указана папка с изображениями цифр!</translation>
    </message>
    <message>
        <source>The file %1 is not found!</source>
        <translation>Файл %1 не найден!</translation>
    </message>
    <message>
        <source>The filename is not specified!</source>
        <translation>Не указано имя файла!</translation>
    </message>
    <message>
        <source>The picture %1 is smaller than %2 x 16 pixels!</source>
        <translation>Изображение %1 меньше %2 x 16 пикселей!</translation>
    </message>
    <message>
        <source>Specify an existing skin!</source>
        <translation>Укажите существующий скин!</translation>
    </message>
    <message>
        <source>Specify a file of the image!</source>
        <translation>Укажите файл изображения!</translation>
    </message>
    <message>
        <source>Specify the title of a skin!</source>
        <translation>Укажите название скина!</translation>
    </message>
    <message>
        <source>Specify a file for saving!</source>
        <translation>Укажите файл для сохранения!</translation>
    </message>
</context>
</TS>
