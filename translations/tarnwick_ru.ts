<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Culprit</name>
    <message>
        <source>Busiest: unknown</source>
        <translation>Активнее всех: неизвестно</translation>
    </message>
    <message>
        <source>Largest: unknown</source>
        <translation>Больше всех: неизвестно</translation>
    </message>
    <message>
        <source>Busiest: %1 (pid %2) %3 %</source>
        <extracomment>%1 is the process&apos;s name, %2 its number, %3 its share of the processor in percent.</extracomment>
        <translation>Активнее всех: %1 (PID %2) %3 %</translation>
    </message>
    <message>
        <source>Largest: %1 (pid %2) %3 MB</source>
        <extracomment>%1 is the process&apos;s name, %2 its number, %3 its memory in megabytes.</extracomment>
        <translation>Больше всех: %1 (PID %2) %3 МБ</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Событие</source>
        <extracomment>The caption of an event&apos;s message box: &quot;Event&quot;.</extracomment>
        <translation>Событие</translation>
    </message>
    <message>
        <source>Exit Error</source>
        <translation>Ошибка завершения работы</translation>
    </message>
</context>
<context>
    <name>InfoHint</name>
    <message>
        <source>CPU</source>
        <translation>ЦП</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>ОЗУ</translation>
    </message>
    <message>
        <source>Swap</source>
        <translation>Подкачка</translation>
    </message>
    <message>
        <source>Virtual</source>
        <translation>Виртуальная</translation>
    </message>
    <message>
        <source>of</source>
        <translation>из</translation>
    </message>
</context>
<context>
    <name>MonitorMenu</name>
    <message>
        <source>&amp;Minimize</source>
        <translation>Сверн&amp;уть</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>Р&amp;азвернуть</translation>
    </message>
    <message>
        <source>&amp;Very high (200 milliseconds)</source>
        <translation>&amp;Очень высокая (200 миллисекунд)</translation>
    </message>
    <message>
        <source>&amp;High (500 milliseconds)</source>
        <translation>&amp;Высокая (500 миллисекунд)</translation>
    </message>
    <message>
        <source>&amp;Normal (1000 milliseconds)</source>
        <translation>&amp;Нормальная (1000 миллисекунд)</translation>
    </message>
    <message>
        <source>&amp;Low (2000 milliseconds)</source>
        <translation>Н&amp;изкая (2000 миллисекунд)</translation>
    </message>
    <message>
        <source>V&amp;ery low (5000 milliseconds)</source>
        <translation>О&amp;чень низкая (5000 миллисекунд)</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Sp&amp;eed of updating</source>
        <translation>&amp;Скорость обновления</translation>
    </message>
    <message>
        <source>S&amp;uspend</source>
        <translation>&amp;Заморозить</translation>
    </message>
    <message>
        <source>&amp;Text showing</source>
        <translation>Показ &amp;текста</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;О программе</translation>
    </message>
    <message>
        <source>&amp;Manual</source>
        <translation>&amp;Руководство</translation>
    </message>
    <message>
        <source>Program &amp;website</source>
        <translation>&amp;Сайт программы</translation>
    </message>
    <message>
        <source>Technical &amp;support</source>
        <translation>&amp;Техническая поддержка</translation>
    </message>
    <message>
        <source>&amp;Clipboard manager</source>
        <translation>&amp;Менеджер буфера обмена</translation>
    </message>
    <message>
        <source>&amp;Parameters</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>Information &amp;hint</source>
        <translation>&amp;Информационная подсказка</translation>
    </message>
    <message>
        <source>Always on &amp;top</source>
        <translation>Поверх &amp;всех окон</translation>
    </message>
    <message>
        <source>Window &amp;docking</source>
        <translation>&amp;Прилипание окна</translation>
    </message>
    <message>
        <source>&amp;Fix a window</source>
        <translation>&amp;Закрепить окно</translation>
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
        <source>&amp;Settings...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>&amp;Update settings</source>
        <translation>&amp;Обновить настройки</translation>
    </message>
    <message>
        <source>&amp;Events</source>
        <translation>Со&amp;бытия</translation>
    </message>
    <message>
        <source>&amp;Update the list</source>
        <translation>&amp;Обновить список</translation>
    </message>
    <message>
        <source>&amp;Events editor</source>
        <translation>&amp;Редактор событий</translation>
    </message>
    <message>
        <source>&amp;Skins</source>
        <translation>С&amp;кины</translation>
    </message>
    <message>
        <source>&amp;Random skin</source>
        <translation>&amp;Случайный скин</translation>
    </message>
    <message>
        <source>&amp;Skins editor</source>
        <translation>&amp;Редактор скинов</translation>
    </message>
    <message>
        <source>Tr&amp;ay icons</source>
        <translation>&amp;Значки в трее</translation>
    </message>
    <message>
        <source>&amp;Speed of updating</source>
        <translation>&amp;Скорость обновления</translation>
    </message>
    <message>
        <source>&amp;Transparency</source>
        <translation>Прозра&amp;чность</translation>
    </message>
    <message>
        <source>Indicator &amp;1</source>
        <translation>Индикатор &amp;1</translation>
    </message>
    <message>
        <source>Indicator &amp;2</source>
        <translation>Индикатор &amp;2</translation>
    </message>
    <message>
        <source>&amp;Diagram</source>
        <translation>&amp;Диаграмма</translation>
    </message>
    <message>
        <source>T&amp;wo indicators</source>
        <translation>Два &amp;индикатора</translation>
    </message>
    <message>
        <source>&amp;One diagram</source>
        <translation>Одна диа&amp;грамма</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Вы&amp;ход</translation>
    </message>
    <message>
        <source>Se&amp;ttings...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>S&amp;kins editor</source>
        <translation>Редактор с&amp;кинов</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <translation>Всего: %1</translation>
    </message>
</context>
<context>
    <name>OpenLink</name>
    <message>
        <source>Unable to open %1
No program on this desktop opens it.</source>
        <extracomment>%1 is the address of a web page or a mail address.</extracomment>
        <translation>Не удалось открыть %1
На этом рабочем столе нет программы, которая его открывает.</translation>
    </message>
    <message>
        <source>The help page %1 is not installed with this copy of the program.</source>
        <translation>Страница справки %1 не установлена вместе с этой копией программы.</translation>
    </message>
</context>
<context>
    <name>PicturePreview</name>
    <message>
        <source>Preview</source>
        <translation>Предпросмотр</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 пикселей</translation>
    </message>
    <message>
        <source>No picture</source>
        <translation>Нет изображения</translation>
    </message>
</context>
<context>
    <name>ScreenReadings</name>
    <message>
        <source>Processor usage</source>
        <translation>Процессор занят</translation>
    </message>
    <message>
        <source>Processor free</source>
        <translation>Процессор свободен</translation>
    </message>
    <message>
        <source>Operative memory usage</source>
        <translation>Оперативная память занята</translation>
    </message>
    <message>
        <source>Operative memory free</source>
        <translation>Оперативная память свободна</translation>
    </message>
    <message>
        <source>Swap file usage</source>
        <translation>Файл подкачки занят</translation>
    </message>
    <message>
        <source>Swap file free</source>
        <translation>Файл подкачки свободен</translation>
    </message>
    <message>
        <source>Virtual memory usage</source>
        <translation>Виртуальная память занята</translation>
    </message>
    <message>
        <source>Virtual memory free</source>
        <translation>Виртуальная память свободна</translation>
    </message>
</context>
<context>
    <name>SystemPower</name>
    <message>
        <source>%1() Failed</source>
        <extracomment>%1 is the name of the step of the power manager that failed.</extracomment>
        <translation>Сбой %1()</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>&amp;Processor</source>
        <translation>&amp;Процессор</translation>
    </message>
    <message>
        <source>&amp;Operative memory</source>
        <translation>&amp;Оперативная память</translation>
    </message>
    <message>
        <source>&amp;Swap file</source>
        <translation>&amp;Файл подкачки</translation>
    </message>
    <message>
        <source>&amp;Virtual memory</source>
        <translation>&amp;Виртуальная память</translation>
    </message>
    <message>
        <source>&amp;Usage, %</source>
        <translation>&amp;Занято, %</translation>
    </message>
    <message>
        <source>&amp;Freely, %</source>
        <translation>&amp;Свободно, %</translation>
    </message>
    <message>
        <source>U&amp;sage, MHz</source>
        <translation>З&amp;анято, МГц</translation>
    </message>
    <message>
        <source>Fr&amp;eely, MHz</source>
        <translation>Св&amp;ободно, МГц</translation>
    </message>
    <message>
        <source>U&amp;sage, MB</source>
        <translation>З&amp;анято, МБ</translation>
    </message>
    <message>
        <source>Fr&amp;eely, MB</source>
        <translation>Св&amp;ободно, МБ</translation>
    </message>
    <message>
        <source>Processor usage</source>
        <translation>Загрузка процессора</translation>
    </message>
    <message>
        <source>Operation memory usage</source>
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
        <source>Processor pressure</source>
        <translation>Давление на процессор</translation>
    </message>
    <message>
        <source>Memory pressure</source>
        <translation>Давление на память</translation>
    </message>
    <message>
        <source>Input/output pressure</source>
        <translation>Давление на ввод-вывод</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>МГц</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>МБ</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The byte sign after an amount: 512 B, 1.5 kB.</extracomment>
        <translation>Б</translation>
    </message>
    <message>
        <source>k</source>
        <extracomment>Kilo before the byte sign: 1.5 kB.</extracomment>
        <translation>К</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>Mega before the byte sign: 512 MB.</extracomment>
        <translation>М</translation>
    </message>
    <message>
        <source>during %1 hours, %2 minutes and %3 seconds</source>
        <translation>в течение %1 ч, %2 мин и %3 с</translation>
    </message>
    <message>
        <source>was more than %1</source>
        <translation>выше %1</translation>
    </message>
    <message>
        <source>was less than %1</source>
        <translation>ниже %1</translation>
    </message>
</context>
<context>
    <name>UserError</name>
    <message>
        <source>Unable to write to %1</source>
        <extracomment>%1 is the path of the file.</extracomment>
        <translation>Не удаётся записать в %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» не является допустимым целым числом</translation>
    </message>
</context>
<context>
    <name>tarnwick::TfrMain</name>
    <message>
        <source>There is no system tray on this desktop, so the window cannot be hidden</source>
        <translation>На этом рабочем столе нет системного лотка, поэтому окно нельзя скрыть</translation>
    </message>
    <message>
        <source>The Wayland compositor places this window itself; docking and fixing work when the monitor runs on X11 (QT_QPA_PLATFORM=xcb)</source>
        <translation>Композитор Wayland сам размещает это окно; прилипание и закрепление работают, когда монитор запущен под X11 (QT_QPA_PLATFORM=xcb)</translation>
    </message>
    <message>
        <source>Error!</source>
        <translation>Ошибка!</translation>
    </message>
    <message>
        <source>The file TarnwickCfg is not found!
It should be in the same folder, as Tarnwick
Reinstall the program Tarnwick</source>
        <translation>Файл TarnwickCfg не найден!
Он должен находиться в той же папке, что и Tarnwick
Переустановите программу Tarnwick</translation>
    </message>
</context>
</TS>
