<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CheckCommand</name>
    <message>
        <source>no answer from the controller: the check did not run</source>
        <translation>контроллер не отвечает: проверка не состоялась</translation>
    </message>
</context>
<context>
    <name>CheckRunner</name>
    <message>
        <source>: expected %1, seen %2</source>
        <translation>: ожидалось %1, получено %2</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ожидает</translation>
    </message>
    <message>
        <source>running</source>
        <translation>выполняется</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>пройден</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>не пройден</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>истекло время</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>пропущен</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>не завершён</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>нет ответа</translation>
    </message>
    <message>
        <source>no answer from the machine</source>
        <translation>автомат не отвечает</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 rises by %2</source>
        <translation>%1 растёт на %2</translation>
    </message>
    <message>
        <source>%1 pulses %2 times</source>
        <translation>%1: %2 импульса</translation>
    </message>
    <message>
        <source>%1 stays %2</source>
        <translation>%1 остаётся %2</translation>
    </message>
    <message>
        <source>%1 rose by %2</source>
        <translation>%1 вырос на %2</translation>
    </message>
    <message>
        <source>%1 pulsed %2 times</source>
        <translation>%1: импульсов %2</translation>
    </message>
</context>
<context>
    <name>CheckTableModel</name>
    <message>
        <source>Step</source>
        <translation>Шаг</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <translation>осталось %1 с</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>expected %1, seen %2</source>
        <translation>ожидалось %1, получено %2</translation>
    </message>
</context>
<context>
    <name>ChecklistReader</name>
    <message>
        <source>&quot;%1&quot;: no such field</source>
        <translation>&quot;%1&quot;: нет такого поля</translation>
    </message>
    <message>
        <source>&quot;id&quot;: missing</source>
        <translation>&quot;id&quot;: нет</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a step sends one of &quot;mode&quot;, &quot;command&quot; and &quot;output&quot;</source>
        <translation>&quot;%1&quot;: шаг посылает что-то одно из &quot;mode&quot;, &quot;command&quot; и &quot;output&quot;</translation>
    </message>
    <message>
        <source>&quot;mode&quot;: no such mode (2 to 6)</source>
        <translation>&quot;mode&quot;: нет такого режима (от 2 до 6)</translation>
    </message>
    <message>
        <source>&quot;command&quot;: unknown command</source>
        <translation>&quot;command&quot;: неизвестная команда</translation>
    </message>
    <message>
        <source>&quot;output&quot;: no such output</source>
        <translation>&quot;output&quot;: нет такого выхода</translation>
    </message>
    <message>
        <source>&quot;value&quot;: 0 or 1 needed</source>
        <translation>&quot;value&quot;: нужно 0 или 1</translation>
    </message>
    <message>
        <source>&quot;parameters&quot;: two numbers, for command 34 only</source>
        <translation>&quot;parameters&quot;: два числа, только для команды 34</translation>
    </message>
    <message>
        <source>&quot;expect&quot;: a question step expects the technician&apos;s answer only</source>
        <translation>&quot;expect&quot;: шаг с вопросом ждёт только ответа техника</translation>
    </message>
    <message>
        <source>&quot;within&quot;: missing or not from 1 to 600000 ms</source>
        <translation>&quot;within&quot;: нет или не от 1 до 600000 мс</translation>
    </message>
    <message>
        <source>&quot;within&quot;: belongs to each condition of &quot;expect&quot;</source>
        <translation>&quot;within&quot;: задаётся в каждом условии &quot;expect&quot;</translation>
    </message>
    <message>
        <source>&quot;expect&quot;: missing; a step expects conditions or asks a &quot;question&quot;</source>
        <translation>&quot;expect&quot;: нет; шаг ждёт условий или задаёт вопрос (&quot;question&quot;)</translation>
    </message>
    <message>
        <source>&quot;expect&quot; %1: %2</source>
        <translation>&quot;expect&quot; %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a whole number needed</source>
        <translation>&quot;%1&quot;: нужно целое число</translation>
    </message>
    <message>
        <source>&quot;field&quot;: no such field in the machine&apos;s answer</source>
        <translation>&quot;field&quot;: в ответе автомата нет такого поля</translation>
    </message>
    <message>
        <source>one of &quot;becomes&quot;, &quot;rises_by&quot;, &quot;pulses&quot; and &quot;stays&quot; needed</source>
        <translation>нужно одно из &quot;becomes&quot;, &quot;rises_by&quot;, &quot;pulses&quot; и &quot;stays&quot;</translation>
    </message>
    <message>
        <source>not JSON at byte %1: %2</source>
        <translation>не JSON в байте %1: %2</translation>
    </message>
    <message>
        <source>&quot;steps&quot;: missing or empty</source>
        <translation>&quot;steps&quot;: нет или пусто</translation>
    </message>
    <message>
        <source>&quot;id&quot;: another step has it</source>
        <translation>&quot;id&quot;: такой уже есть у другого шага</translation>
    </message>
    <message>
        <source>step %1 (%2): %3</source>
        <translation>шаг %1 (%2): %3</translation>
    </message>
    <message>
        <source>no id</source>
        <translation>без id</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ClosingDialog</name>
    <message>
        <source>Discard</source>
        <translation>Отменить изменения</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Продолжить правку</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Service tool for the controller of a vending coffee machine.</source>
        <translation>Сервисная программа для контроллера торгового кофейного автомата.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>Append the trace of the link to the controller to FILE, line by line.</source>
        <translation>Дописывать журнал связи с контроллером в ФАЙЛ, построчно.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ФАЙЛ</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>не удаётся записать файл журнала %1: %2</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Показать версию.</translation>
    </message>
    <message>
        <source>Open the History window of the trace FILE, connecting to nothing.</source>
        <translation>Открыть окно истории для трассы FILE, ни к чему не подключаясь.</translation>
    </message>
    <message>
        <source>Write the history of the trace FILE as CSV to standard output.</source>
        <translation>Вывести историю трассы FILE в формате CSV на стандартный вывод.</translation>
    </message>
    <message>
        <source>the trace file %1 cannot be written, tracing stops: %2</source>
        <translation>файл трассы %1 не удаётся записать, трассировка остановлена: %2</translation>
    </message>
    <message>
        <source>--trace needs a file name</source>
        <translation>для --trace нужно имя файла</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: it is not a regular file</source>
        <translation>не удаётся записать файл трассы %1: это не обычный файл</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, строка %2: %3</translation>
    </message>
    <message>
        <source>Run the machine check with no display, one line per step; exit 0 when every step passed, 1 when one failed, 2 when it could not run.</source>
        <translation>Проверить автомат без экрана, по строке на шаг; код выхода 0, если все шаги пройдены, 1, если какой-то не пройден, 2, если проверка не состоялась.</translation>
    </message>
    <message>
        <source>With --check: the steps of FILE (JSON).</source>
        <translation>С --check: шаги из ФАЙЛА (JSON).</translation>
    </message>
    <message>
        <source>With --check: write the results to FILE as JUnit XML.</source>
        <translation>С --check: записать результаты в ФАЙЛ в формате JUnit XML.</translation>
    </message>
    <message>
        <source>Start with the machine NAME chosen.</source>
        <translation>Начать с выбранной машиной NAME.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Write the service report of the visit in FOLDER to the file of --out.</source>
        <translation>Записать сервисный отчёт о визите из папки FOLDER в файл, указанный в --out.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>The report&apos;s file, .pdf or .html.</source>
        <translation>Файл отчёта, .pdf или .html.</translation>
    </message>
    <message>
        <source>Name the controller&apos;s address in the report.</source>
        <translation>Указать в отчёте адрес контроллера.</translation>
    </message>
    <message>
        <source>--report needs --out FILE</source>
        <translation>для --report нужен --out FILE</translation>
    </message>
    <message>
        <source>there is no machine named &quot;%1&quot;</source>
        <translation>машины с именем «%1» нет</translation>
    </message>
</context>
<context>
    <name>DefaultCheck</name>
    <message>
        <source>Master mode</source>
        <translation>Режим «Мастер»</translation>
    </message>
    <message>
        <source>Boiler heating</source>
        <translation>Нагрев бойлера</translation>
    </message>
    <message>
        <source>Boiler pump</source>
        <translation>Насос бойлера</translation>
    </message>
    <message>
        <source>Valve 1</source>
        <translation>Клапан 1</translation>
    </message>
    <message>
        <source>Valve 2</source>
        <translation>Клапан 2</translation>
    </message>
    <message>
        <source>Water to the coffee group</source>
        <translation>Вода в кофегруппу</translation>
    </message>
    <message>
        <source>Water to the mixer</source>
        <translation>Вода в миксер</translation>
    </message>
    <message>
        <source>Water pump and flow sensor</source>
        <translation>Водяной насос и датчик потока</translation>
    </message>
    <message>
        <source>Water selector drive</source>
        <translation>Привод селектора воды</translation>
    </message>
    <message>
        <source>Water selector to position 1</source>
        <translation>Селектор воды в положение 1</translation>
    </message>
    <message>
        <source>Water selector home</source>
        <translation>Селектор воды в исходное положение</translation>
    </message>
    <message>
        <source>Mixer 1 drive</source>
        <translation>Привод миксера 1</translation>
    </message>
    <message>
        <source>Mixer 1 screw</source>
        <translation>Шнек миксера 1</translation>
    </message>
    <message>
        <source>Mixer 2 drive</source>
        <translation>Привод миксера 2</translation>
    </message>
    <message>
        <source>Mixer 2 screw</source>
        <translation>Шнек миксера 2</translation>
    </message>
    <message>
        <source>Mixer 3 drive</source>
        <translation>Привод миксера 3</translation>
    </message>
    <message>
        <source>Mixer 3 screw</source>
        <translation>Шнек миксера 3</translation>
    </message>
    <message>
        <source>Mixer 4 drive</source>
        <translation>Привод миксера 4</translation>
    </message>
    <message>
        <source>Mixer 4 screw</source>
        <translation>Шнек миксера 4</translation>
    </message>
    <message>
        <source>Cup dispenser working cycle</source>
        <translation>Рабочий цикл диспенсера стаканов</translation>
    </message>
    <message>
        <source>Sugar dispenser working cycle</source>
        <translation>Рабочий цикл диспенсера сахара</translation>
    </message>
    <message>
        <source>Coffee group working cycle</source>
        <translation>Рабочий цикл кофегруппы</translation>
    </message>
    <message>
        <source>No error</source>
        <translation>Нет ошибки</translation>
    </message>
    <message>
        <source>Trade mode</source>
        <translation>Режим «Торговля»</translation>
    </message>
</context>
<context>
    <name>FailureTexts</name>
    <message>
        <source>The connection was refused: nothing listens at that port.</source>
        <translation>В соединении отказано: на этом порту никто не принимает подключения.</translation>
    </message>
    <message>
        <source>refused: nothing listens at that port</source>
        <translation>отказано: на этом порту никто не слушает</translation>
    </message>
    <message>
        <source>The host name was not found.</source>
        <translation>Имя хоста не найдено.</translation>
    </message>
    <message>
        <source>the host name was not found</source>
        <translation>имя узла не найдено</translation>
    </message>
    <message>
        <source>The controller closed the connection.</source>
        <translation>Контроллер закрыл соединение.</translation>
    </message>
    <message>
        <source>the controller closed the connection</source>
        <translation>контроллер закрыл соединение</translation>
    </message>
    <message>
        <source>No connection within %1 s (timed out).</source>
        <translation>Соединение не установлено за %1 с (время ожидания истекло).</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>нет соединения за %1 с</translation>
    </message>
    <message>
        <source>The network is unreachable.</source>
        <translation>Сеть недоступна.</translation>
    </message>
    <message>
        <source>the network is unreachable</source>
        <translation>сеть недоступна</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Экспорт CSV…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Inputs and outputs</source>
        <translation>Входы и выходы</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Команды</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Показать:</translation>
    </message>
    <message>
        <source>Oldest events dropped: %1</source>
        <translation>Отброшено самых старых событий: %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Экспорт CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file %1 could not be written: %2</source>
        <translation>Не удалось записать файл CSV %1: %2</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Сохранить рисунок…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Сохранить рисунок</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Рисунки PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture %1 could not be written: %2</source>
        <translation>Не удалось записать рисунок %1: %2</translation>
    </message>
    <message>
        <source>Machine check</source>
        <translation>Проверка автомата</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Lasted</source>
        <translation>Длилось</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Связь</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Код</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>Connected</source>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Связь потеряна</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Не отвечает</translation>
    </message>
    <message>
        <source>Answering</source>
        <translation>Отвечает</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Не отправлено</translation>
    </message>
    <message>
        <source>Make drink %1, sugar %2</source>
        <translation>Приготовить напиток %1, сахар %2</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>ещё не подключено</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>связь потеряна</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>нет соединения</translation>
    </message>
    <message>
        <source>Switch to mode %1</source>
        <translation>Перейти в режим %1</translation>
    </message>
    <message>
        <source>%1 set to %2</source>
        <translation>%1: установлено %2</translation>
    </message>
    <message>
        <source>Water selector</source>
        <translation>Селектор воды</translation>
    </message>
    <message>
        <source>Boiler heating</source>
        <translation>Нагрев бойлера</translation>
    </message>
    <message>
        <source>Boiler pump</source>
        <translation>Насос бойлера</translation>
    </message>
    <message>
        <source>Boiler valve 1</source>
        <translation>Клапан бойлера 1</translation>
    </message>
    <message>
        <source>Boiler valve 2</source>
        <translation>Клапан бойлера 2</translation>
    </message>
    <message>
        <source>Coffe grinder</source>
        <translation>Кофемолка</translation>
    </message>
    <message>
        <source>Cooler</source>
        <translation>Охладитель</translation>
    </message>
    <message>
        <source>Coffe metering unload</source>
        <translation>Выгрузка дозатора кофе</translation>
    </message>
    <message>
        <source>Coffe group</source>
        <translation>Кофегруппа</translation>
    </message>
    <message>
        <source>Dispenser cup rotation</source>
        <translation>Вращение диспенсера стаканов</translation>
    </message>
    <message>
        <source>Dispender cup unload</source>
        <translation>Выдача стакана</translation>
    </message>
    <message>
        <source>Dispenser sugar down</source>
        <translation>Опускание диспенсера сахара</translation>
    </message>
    <message>
        <source>Dispenser sugar screw</source>
        <translation>Шнек диспенсера сахара</translation>
    </message>
    <message>
        <source>Mixer 1 Screw</source>
        <translation>Шнек миксера 1</translation>
    </message>
    <message>
        <source>Mixer 1 Drive</source>
        <translation>Привод миксера 1</translation>
    </message>
    <message>
        <source>Mixer 2 Screw</source>
        <translation>Шнек миксера 2</translation>
    </message>
    <message>
        <source>Mixer 2 Drive</source>
        <translation>Привод миксера 2</translation>
    </message>
    <message>
        <source>Mixer 3 Screw</source>
        <translation>Шнек миксера 3</translation>
    </message>
    <message>
        <source>Mixer 3 Drive</source>
        <translation>Привод миксера 3</translation>
    </message>
    <message>
        <source>Mixer 4 Screw</source>
        <translation>Шнек миксера 4</translation>
    </message>
    <message>
        <source>Mixer 4 Drive</source>
        <translation>Привод миксера 4</translation>
    </message>
    <message>
        <source>Water pump</source>
        <translation>Водяной насос</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Питание</translation>
    </message>
    <message>
        <source>on</source>
        <translation>вкл</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выкл</translation>
    </message>
    <message>
        <source>Check step</source>
        <translation>Шаг проверки</translation>
    </message>
</context>
<context>
    <name>MachineCheckDialog</name>
    <message>
        <source>Machine check</source>
        <translation>Проверка автомата</translation>
    </message>
    <message>
        <source>Run all</source>
        <translation>Запустить все</translation>
    </message>
    <message>
        <source>Run step</source>
        <translation>Запустить шаг</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>No connection to the controller: no step starts until it is back.</source>
        <translation>Нет связи с контроллером: пока её нет, шаги не начинаются.</translation>
    </message>
</context>
<context>
    <name>MachineForm</name>
    <message>
        <source>New machine</source>
        <translation>Новая машина</translation>
    </message>
    <message>
        <source>Machine %1</source>
        <translation>Машина %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Controller address</source>
        <translation>Адрес контроллера</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The machine was not saved: %1.</source>
        <translation>Машина не сохранена: %1.</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>it is not a machine file</source>
        <translation>это не файл машины</translation>
    </message>
    <message>
        <source>its version %1 is not known</source>
        <translation>его версия %1 неизвестна</translation>
    </message>
    <message>
        <source>the machine has no name</source>
        <translation>у машины нет имени</translation>
    </message>
    <message>
        <source>the address &quot;%1&quot; cannot be used</source>
        <translation>адрес «%1» нельзя использовать</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>порт «%1» не является числом от 1 до 65535</translation>
    </message>
    <message>
        <source>it is too large for a machine file</source>
        <translation>он слишком велик для файла машины</translation>
    </message>
    <message>
        <source>it is not JSON: %1 at byte %2</source>
        <translation>это не JSON: %1 в байте %2</translation>
    </message>
    <message>
        <source>a machine named &quot;%1&quot; is there already</source>
        <translation>машина с именем «%1» уже есть</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>папку %1 нельзя создать</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 нельзя записать: %2</translation>
    </message>
    <message>
        <source>the machine &quot;%1&quot; is gone</source>
        <translation>машины «%1» больше нет</translation>
    </message>
    <message>
        <source>the machine file %1 cannot be read</source>
        <translation>файл машины %1 нельзя прочитать</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (копия)</translation>
    </message>
    <message>
        <source>%1 (copy %2)</source>
        <translation>%1 (копия %2)</translation>
    </message>
    <message>
        <source>%1 cannot be removed</source>
        <translation>%1 нельзя удалить</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 не импортирован: %2</translation>
    </message>
    <message>
        <source>another file imported names &quot;%1&quot; too</source>
        <translation>другой импортируемый файл тоже называет «%1»</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation>файл настроек %1 нельзя записать</translation>
    </message>
    <message>
        <source>Machine 1</source>
        <translation>Машина 1</translation>
    </message>
</context>
<context>
    <name>MachinesDialog</name>
    <message>
        <source>Machines</source>
        <translation>Машины</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Последний визит</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Note to this visit, e.g. replaced pump seal</source>
        <translation>Заметка к этому визиту, например: заменено уплотнение насоса</translation>
    </message>
    <message>
        <source>Include the controller&apos;s address</source>
        <translation>Указать адрес контроллера</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Отчёт…</translation>
    </message>
    <message>
        <source>Save the report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Визит</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> МБ</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Предел</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Добавить…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Изменить…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Удалить…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Импорт…</translation>
    </message>
    <message>
        <source>Import machines</source>
        <translation>Импорт машин</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Export the machines to a folder</source>
        <translation>Экспорт машин в папку</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>never</source>
        <translation>не было</translation>
    </message>
    <message>
        <source>under way</source>
        <translation>идёт</translation>
    </message>
    <message>
        <source>The visits use %1 MB of their limit of %2 MB.</source>
        <translation>Визиты занимают %1 МБ из предела %2 МБ.</translation>
    </message>
    <message>
        <source>The machine was not chosen: %1.</source>
        <translation>Машина не выбрана: %1.</translation>
    </message>
    <message>
        <source>The machine was not duplicated: %1.</source>
        <translation>Машина не скопирована: %1.</translation>
    </message>
    <message>
        <source>Remove the machine &quot;%1&quot; and everything kept of its visits?</source>
        <translation>Удалить машину «%1» и всё, что сохранено о её визитах?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Оставить</translation>
    </message>
    <message>
        <source>The machine was not removed: %1.</source>
        <translation>Машина не удалена: %1.</translation>
    </message>
    <message>
        <source>Machine files (*.json)</source>
        <translation>Файлы машин (*.json)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>HTML (*.html)</source>
        <translation>HTML (*.html)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Ничего не импортировано: %1.</translation>
    </message>
    <message>
        <source>The machines were not exported: %1.</source>
        <translation>Машины не экспортированы: %1.</translation>
    </message>
    <message>
        <source>The selected machine has no visit to report.</source>
        <translation>У выбранной машины нет визита для отчёта.</translation>
    </message>
    <message>
        <source>The report was not written: %1.</source>
        <translation>Отчёт не записан: %1.</translation>
    </message>
</context>
<context>
    <name>PollingDialog</name>
    <message>
        <source>Controller address or port in the settings is not valid</source>
        <translation>Адрес или порт контроллера в настройках неверны</translation>
    </message>
    <message>
        <source>No connection to the controller at %1</source>
        <translation>Нет связи с контроллером по адресу %1</translation>
    </message>
    <message>
        <source>The controller at %1 does not answer</source>
        <translation>Контроллер по адресу %1 не отвечает</translation>
    </message>
    <message>
        <source>Unknown mode %1</source>
        <translation>Неизвестный режим %1</translation>
    </message>
    <message>
        <source>Unknown state %1</source>
        <translation>Неизвестное состояние %1</translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation>Неизвестная ошибка %1</translation>
    </message>
    <message>
        <source>Values as of %1</source>
        <translation>Значения на %1</translation>
    </message>
    <message>
        <source>Trying again now (attempt %1).</source>
        <translation>Новая попытка сейчас (попытка %1).</translation>
    </message>
    <message>
        <source>Trying again in %1 s (attempt %2).</source>
        <translation>Новая попытка через %1 с (попытка %2).</translation>
    </message>
    <message>
        <source>“%1” was not sent: no connection to the controller.</source>
        <translation>«%1» не отправлено: нет связи с контроллером.</translation>
    </message>
    <message>
        <source>The trace file cannot be written: %1</source>
        <translation>Файл трассы не удаётся записать: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Выключен</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Инициализация</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Торговля</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Washing</source>
        <translation>Промывка</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Начальный режим</translation>
    </message>
    <message>
        <source>Water systerm diagnostic</source>
        <translation>Диагностика системы водоснабжения</translation>
    </message>
    <message>
        <source>Boiler diagnostic</source>
        <translation>Диагностика бойлера</translation>
    </message>
    <message>
        <source>Sugar dispenser diagnostic</source>
        <translation>Диагностика дозатора сахара</translation>
    </message>
    <message>
        <source>Cup dispenser diagnostic</source>
        <translation>Диагностика диспенсера стаканов</translation>
    </message>
    <message>
        <source>Cofe group diagnostic</source>
        <translation>Диагностика кофейной группы</translation>
    </message>
    <message>
        <source>Garbage container diagnostic</source>
        <translation>Диагностика контейнера отходов</translation>
    </message>
    <message>
        <source>Mixer 1 diagnostic</source>
        <translation>Диагностика миксера 1</translation>
    </message>
    <message>
        <source>Mixer 2 diagnostic</source>
        <translation>Диагностика миксера 2</translation>
    </message>
    <message>
        <source>Mixer 3 diagnostic</source>
        <translation>Диагностика миксера 3</translation>
    </message>
    <message>
        <source>Mixer 4 diagnostic</source>
        <translation>Диагностика миксера 4</translation>
    </message>
    <message>
        <source>Water selector diagnostic</source>
        <translation>Диагностика селектора воды</translation>
    </message>
    <message>
        <source>Start cooking cycle</source>
        <translation>Запуск цикла приготовления</translation>
    </message>
    <message>
        <source>Going in initial state at the beginning of the cooking cycle</source>
        <translation>Переход в исходное состояние в начале цикла приготовления</translation>
    </message>
    <message>
        <source>Strait of water after inactivity</source>
        <translation>Пролив воды после простоя</translation>
    </message>
    <message>
        <source>Strait of water in progress</source>
        <translation>Идёт пролив воды</translation>
    </message>
    <message>
        <source>Cycle start issuing cup</source>
        <translation>Запуск цикла выдачи стакана</translation>
    </message>
    <message>
        <source>Cycle issuing cup in progress</source>
        <translation>Идёт цикл выдачи стакана</translation>
    </message>
    <message>
        <source>Cycle start issuing sugar</source>
        <translation>Запуск цикла выдачи сахара</translation>
    </message>
    <message>
        <source>Cycle issuing sugar in progress</source>
        <translation>Идёт цикл выдачи сахара</translation>
    </message>
    <message>
        <source>Issuance of sugar</source>
        <translation>Выдача сахара</translation>
    </message>
    <message>
        <source>Start the cycle of ingredients prepare</source>
        <translation>Запуск цикла приготовления ингредиентов</translation>
    </message>
    <message>
        <source>Start pause before the next ingredient</source>
        <translation>Начало паузы перед следующим ингредиентом</translation>
    </message>
    <message>
        <source>Pause before the next ingredien</source>
        <translation>Пауза перед следующим ингредиентом</translation>
    </message>
    <message>
        <source>Starting the cycle of coffee group</source>
        <translation>Запуск цикла кофейной группы</translation>
    </message>
    <message>
        <source>Waiting the cycle of cofefe group</source>
        <translation>Ожидание цикла кофейной группы</translation>
    </message>
    <message>
        <source>Heating water for coffee group</source>
        <translation>Нагрев воды для кофейной группы</translation>
    </message>
    <message>
        <source>Strait water in coffee group</source>
        <translation>Пролив воды в кофейную группу</translation>
    </message>
    <message>
        <source>Coffee group going in initial state</source>
        <translation>Кофейная группа переходит в исходное состояние</translation>
    </message>
    <message>
        <source>Start mixer</source>
        <translation>Запуск миксера</translation>
    </message>
    <message>
        <source>Wait mixer</source>
        <translation>Ожидание миксера</translation>
    </message>
    <message>
        <source>Heating water for mixer</source>
        <translation>Нагрев воды для миксера</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>All correct</source>
        <translation>Всё исправно</translation>
    </message>
    <message>
        <source>Timeout diagnosis</source>
        <translation>Тайм-аут диагностики</translation>
    </message>
    <message>
        <source>The faulty temperature sensor</source>
        <translation>Неисправен датчик температуры</translation>
    </message>
    <message>
        <source>Coffee group not ready at the beginning of the cooking cycle</source>
        <translation>Кофейная группа не готова в начале цикла приготовления</translation>
    </message>
    <message>
        <source>Water selector not ready at the beginning of the cooking cycle</source>
        <translation>Селектор воды не готов в начале цикла приготовления</translation>
    </message>
    <message>
        <source>Sugar dispenser not ready at the beginning of the cooking cycle</source>
        <translation>Дозатор сахара не готов в начале цикла приготовления</translation>
    </message>
    <message>
        <source>Cup dispenser not ready at the beginning of the cooking cycle</source>
        <translation>Диспенсер стаканов не готов в начале цикла приготовления</translation>
    </message>
    <message>
        <source>Timeout devices go in initial state</source>
        <translation>Тайм-аут перехода устройств в исходное состояние</translation>
    </message>
    <message>
        <source>Boiler not ready at the beginning of the cooking cycle</source>
        <translation>Бойлер не готов в начале цикла приготовления</translation>
    </message>
    <message>
        <source>Timeout Cup waiting</source>
        <translation>Тайм-аут ожидания стакана</translation>
    </message>
    <message>
        <source>Mixer not ready</source>
        <translation>Миксер не готов</translation>
    </message>
    <message>
        <source>Timeout heating</source>
        <translation>Тайм-аут нагрева</translation>
    </message>
    <message>
        <source>Error water system</source>
        <translation>Ошибка системы водоснабжения</translation>
    </message>
    <message>
        <source>Error boiler</source>
        <translation>Ошибка бойлера</translation>
    </message>
    <message>
        <source>Error sugar dispenser</source>
        <translation>Ошибка дозатора сахара</translation>
    </message>
    <message>
        <source>Error cup dispenser</source>
        <translation>Ошибка диспенсера стаканов</translation>
    </message>
    <message>
        <source>Error coffee group</source>
        <translation>Ошибка кофейной группы</translation>
    </message>
    <message>
        <source>Error garbage container</source>
        <translation>Ошибка контейнера отходов</translation>
    </message>
    <message>
        <source>Error mixer 1</source>
        <translation>Ошибка миксера 1</translation>
    </message>
    <message>
        <source>Error mixer 2</source>
        <translation>Ошибка миксера 2</translation>
    </message>
    <message>
        <source>Error mixer 3</source>
        <translation>Ошибка миксера 3</translation>
    </message>
    <message>
        <source>Error mixer 4</source>
        <translation>Ошибка миксера 4</translation>
    </message>
    <message>
        <source>Error water selector</source>
        <translation>Ошибка селектора воды</translation>
    </message>
    <message>
        <source> Recept </source>
        <translation> Рецепт </translation>
    </message>
</context>
<context>
    <name>Quellaro</name>
    <message>
        <source>Modes</source>
        <translation>Режимы</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Тесты</translation>
    </message>
    <message>
        <source>Recepts</source>
        <translation>Рецепты</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Machines…</source>
        <translation>Машины…</translation>
    </message>
    <message>
        <source>Machine: %1 (%2:%3)</source>
        <translation>Машина: %1 (%2:%3)</translation>
    </message>
    <message>
        <source>No machine chosen</source>
        <translation>Машина не выбрана</translation>
    </message>
</context>
<context>
    <name>ReceptForm</name>
    <message>
        <source>Recept</source>
        <translation>Рецепт</translation>
    </message>
    <message>
        <source>The composition of the drink</source>
        <translation>Состав напитка</translation>
    </message>
    <message>
        <source>Component 1</source>
        <translation>Компонент 1</translation>
    </message>
    <message>
        <source>Component 2</source>
        <translation>Компонент 2</translation>
    </message>
    <message>
        <source>Component 3</source>
        <translation>Компонент 3</translation>
    </message>
    <message>
        <source>Component 4</source>
        <translation>Компонент 4</translation>
    </message>
    <message>
        <source>The consumption of coffee</source>
        <translation>Расход кофе</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Вода</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Сахар</translation>
    </message>
    <message>
        <source>The name of the drink</source>
        <translation>Название напитка</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Полное название</translation>
    </message>
    <message>
        <source>Short name</source>
        <translation>Краткое название</translation>
    </message>
    <message>
        <source>Consumption ingredient 1</source>
        <translation>Расход ингредиента 1</translation>
    </message>
    <message>
        <source>Ingredient 1</source>
        <translation>Ингредиент 1</translation>
    </message>
    <message>
        <source>Consumption ingredient 2</source>
        <translation>Расход ингредиента 2</translation>
    </message>
    <message>
        <source>Ingredient 2</source>
        <translation>Ингредиент 2</translation>
    </message>
    <message>
        <source>Consumption ingredient 3</source>
        <translation>Расход ингредиента 3</translation>
    </message>
    <message>
        <source>Ingredient 3</source>
        <translation>Ингредиент 3</translation>
    </message>
    <message>
        <source>Consumption ingredient 4</source>
        <translation>Расход ингредиента 4</translation>
    </message>
    <message>
        <source>Ingredient 4</source>
        <translation>Ингредиент 4</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Кофе</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Молоко</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Шоколад</translation>
    </message>
    <message>
        <source>Vanilla</source>
        <translation>Ваниль</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Чай</translation>
    </message>
    <message>
        <source>Stored value: %1. It is saved unchanged unless you change this field.</source>
        <translation>Значение в файле: %1. Оно сохраняется без изменений, пока вы не измените это поле.</translation>
    </message>
</context>
<context>
    <name>ReceptsDialog</name>
    <message>
        <source>Recepts</source>
        <translation>Рецепты</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Файл не удаётся открыть.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Файл не удаётся прочитать.</translation>
    </message>
    <message>
        <source>The file cannot be opened for writing.</source>
        <translation>Файл не удаётся открыть для записи.</translation>
    </message>
    <message>
        <source>Not all of the file could be written.</source>
        <translation>Файл удалось записать не полностью.</translation>
    </message>
    <message>
        <source>The new file could not replace the old one.</source>
        <translation>Новый файл не удалось поставить на место старого.</translation>
    </message>
    <message>
        <source>The elements are nested deeper than %1 levels.</source>
        <translation>Элементы вложены глубже %1 уровней.</translation>
    </message>
    <message>
        <source>The file declares entities, which a recipes file never does.</source>
        <translation>В файле объявлены сущности, которых в файле рецептов не бывает.</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1 (строка %2, столбец %3)</translation>
    </message>
    <message>
        <source>The recipes file %1 cannot be read: %2</source>
        <translation>Файл рецептов %1 не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>Saving is disabled until the file can be read.</source>
        <translation>Сохранение недоступно, пока файл не удастся прочитать.</translation>
    </message>
    <message>
        <source>The recipes could not be saved to %1: %2</source>
        <translation>Не удалось сохранить рецепты в %1: %2</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, the most the program reads.</source>
        <translation>Файл больше %1 МБ — наибольшего размера, который читает программа.</translation>
    </message>
    <message>
        <source>The file&apos;s owner, group and permissions could not be kept.</source>
        <translation>Не удалось сохранить владельца, группу и права доступа файла.</translation>
    </message>
    <message>
        <source>The file holds more than %1 recipes, the most the program shows.</source>
        <translation>В файле больше %1 рецептов — наибольшего числа, которое показывает программа.</translation>
    </message>
    <message>
        <source>The recipes file was changed by another program after it was shown. Overwrite it with what you see here?</source>
        <translation>Файл рецептов был изменён другой программой после того, как был показан. Перезаписать его тем, что показано здесь?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезаписать</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n thing(s) that the forms cannot show: other elements, attributes or comments, or values beyond a field&apos;s range, which are marked. Save writes them back unchanged; a marked field keeps its value unless you change it.</source>
        <translation>
            <numerusform>Файл содержит %n фрагмент, который формы не могут показать: другие элементы, атрибуты или комментарии либо значения вне диапазона поля (такие поля отмечены). При сохранении всё это записывается без изменений; отмеченное поле сохраняет своё значение, пока вы его не измените.</numerusform>
            <numerusform>Файл содержит %n фрагмента, которые формы не могут показать: другие элементы, атрибуты или комментарии либо значения вне диапазона поля (такие поля отмечены). При сохранении всё это записывается без изменений; отмеченное поле сохраняет своё значение, пока вы его не измените.</numerusform>
            <numerusform>Файл содержит %n фрагментов, которые формы не могут показать: другие элементы, атрибуты или комментарии либо значения вне диапазона поля (такие поля отмечены). При сохранении всё это записывается без изменений; отмеченное поле сохраняет своё значение, пока вы его не измените.</numerusform>
        </translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Файл: %1</translation>
    </message>
    <message numerus="yes">
        <source>Discard your changes to %n recipe(s)?</source>
        <translation>
            <numerusform>Отменить изменения в %n рецепте?</numerusform>
            <numerusform>Отменить изменения в %n рецептах?</numerusform>
            <numerusform>Отменить изменения в %n рецептах?</numerusform>
        </translation>
    </message>
    <message>
        <source> (shares ID %1)</source>
        <translation> (общий ID %1)</translation>
    </message>
    <message>
        <source>The recipes would make a file of %1 bytes, larger than the %2 MB the program reads. Shorten the names or save fewer changes.</source>
        <translation>Рецепты заняли бы файл в %1 байт, больше %2 МБ, которые читает программа. Сократите названия или сохраните меньше изменений.</translation>
    </message>
    <message>
        <source>The file is not valid %1 text.</source>
        <translation>Файл не является правильным текстом в кодировке %1.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>The controller reported no mode, state or error.</source>
        <translation>Контроллер не сообщил ни режима, ни состояния, ни ошибки.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>What</source>
        <translation>Что</translation>
    </message>
    <message>
        <source>Times seen</source>
        <translation>Сколько раз</translation>
    </message>
    <message>
        <source>Lasted (h:mm:ss)</source>
        <translation>Длительность (ч:мм:сс)</translation>
    </message>
    <message>
        <source>No command was sent.</source>
        <translation>Команды не отправлялись.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Команда</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Байты</translation>
    </message>
    <message>
        <source>No boiler temperature was read.</source>
        <translation>Температура бойлера не считывалась.</translation>
    </message>
    <message>
        <source>Boiler temperature curve</source>
        <translation>Кривая температуры бойлера</translation>
    </message>
    <message>
        <source>Lowest %1 °C, highest %2 °C.</source>
        <translation>Наименьшая %1 °C, наибольшая %2 °C.</translation>
    </message>
    <message>
        <source>No machine check was made.</source>
        <translation>Проверка машины не проводилась.</translation>
    </message>
    <message>
        <source>The file holds no results.</source>
        <translation>В файле нет результатов.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>No recipe value was changed.</source>
        <translation>Значения рецептов не менялись.</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Рецепт</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Было</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Стало</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Controller address</source>
        <translation>Адрес контроллера</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>%1 (the program stopped without ending the visit)</source>
        <translation>%1 (программа остановилась, не завершив визит)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>%1 holds no visit (no readable %2)</source>
        <translation>в %1 нет визита (нет читаемого %2)</translation>
    </message>
    <message>
        <source>Service report: %1</source>
        <translation>Сервисный отчёт: %1</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Машина</translation>
    </message>
    <message>
        <source>Technician&apos;s note</source>
        <translation>Заметка техника</translation>
    </message>
    <message>
        <source>No note.</source>
        <translation>Заметки нет.</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Визит</translation>
    </message>
    <message>
        <source>Modes, states and errors</source>
        <translation>Режимы, состояния и ошибки</translation>
    </message>
    <message>
        <source>Commands sent</source>
        <translation>Отправленные команды</translation>
    </message>
    <message>
        <source>Boiler temperature</source>
        <translation>Температура бойлера</translation>
    </message>
    <message>
        <source>Machine check</source>
        <translation>Проверка автомата</translation>
    </message>
    <message>
        <source>Recipe values changed</source>
        <translation>Изменённые значения рецептов</translation>
    </message>
    <message>
        <source>%1: the report is written as .pdf or .html</source>
        <translation>%1: отчёт записывается как .pdf или .html</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>Сервисный отчёт</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 нельзя записать</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 нельзя записать: %2</translation>
    </message>
    <message>
        <source>expected %1, seen %2</source>
        <translation>ожидалось %1, получено %2</translation>
    </message>
    <message>
        <source> (%1 s)</source>
        <translation> (%1 с)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Шаг</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Настройки сети</translation>
    </message>
    <message>
        <source>IP Adress</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>Temperature settings</source>
        <translation>Настройки температуры</translation>
    </message>
    <message>
        <source>Boiler temperature C</source>
        <translation>Температура бойлера, °C</translation>
    </message>
    <message>
        <source>Recepts file path</source>
        <translation>Путь к файлу рецептов</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Open Recepts file</source>
        <translation>Открыть файл рецептов</translation>
    </message>
    <message>
        <source>Recepts files (*.xml);;</source>
        <translation>Файлы рецептов (*.xml);;</translation>
    </message>
    <message>
        <source>The port %1 cannot be used: give a number from 1 to 65535.</source>
        <translation>Порт %1 не подходит: укажите число от 1 до 65535.</translation>
    </message>
    <message>
        <source>The settings were not saved: the settings file %1 could not be written.</source>
        <translation>Настройки не сохранены: не удалось записать файл настроек %1.</translation>
    </message>
    <message>
        <source>The stored temperature %1 is outside the range from 0 to %2: it is kept unless you change it.</source>
        <translation>Сохранённая температура %1 вне диапазона от 0 до %2: она останется прежней, пока вы её не измените.</translation>
    </message>
    <message>
        <source>The recipes dialog uses a new path from the program&apos;s next start.</source>
        <translation>Окно рецептов использует новый путь со следующего запуска программы.</translation>
    </message>
    <message>
        <source>Discard your changes to the settings?</source>
        <translation>Отменить изменения настроек?</translation>
    </message>
    <message>
        <source>The stored temperature %1 is not a whole number from 0 to %2: it is kept unless you change it.</source>
        <translation>Сохранённая температура %1 не является целым числом от 0 до %2: она сохраняется, пока вы её не измените.</translation>
    </message>
    <message>
        <source>The address %1 cannot be used: give four numbers from 0 to 255 separated by dots, a host name or an IPv6 address.</source>
        <translation>Адрес %1 нельзя использовать: укажите четыре числа от 0 до 255 через точку, имя хоста или адрес IPv6.</translation>
    </message>
    <message>
        <source>The address %1 holds a port: give the address alone here and the port in the port field.</source>
        <translation>Адрес %1 содержит порт: укажите здесь только адрес, а порт — в поле порта.</translation>
    </message>
</context>
<context>
    <name>ShowInputsDialog</name>
    <message>
        <source>Test inputs</source>
        <translation>Тест входов</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Входы</translation>
    </message>
    <message>
        <source>Power is On</source>
        <translation>Питание включено</translation>
    </message>
    <message>
        <source>Water level is full</source>
        <translation>Уровень воды полный</translation>
    </message>
    <message>
        <source>Water selector in initial state</source>
        <translation>Селектор воды в исходном положении</translation>
    </message>
    <message>
        <source>Water selector in referent point</source>
        <translation>Селектор воды в опорной точке</translation>
    </message>
    <message>
        <source>Water sensor counter</source>
        <translation>Счётчик датчика воды</translation>
    </message>
    <message>
        <source>Dispenser cup in initial state</source>
        <translation>Диспенсер стаканов в исходном положении</translation>
    </message>
    <message>
        <source>Dispenser cup (cup found)</source>
        <translation>Диспенсер стаканов (стакан найден)</translation>
    </message>
    <message>
        <source>Dispenser cup (cup in position for out)</source>
        <translation>Диспенсер стаканов (стакан в позиции выдачи)</translation>
    </message>
    <message>
        <source>Dispenser sugar in initial state</source>
        <translation>Диспенсер сахара в исходном положении</translation>
    </message>
    <message>
        <source>Coffee metering is full</source>
        <translation>Дозатор кофе полон</translation>
    </message>
    <message>
        <source>Cofee group in initial state</source>
        <translation>Кофегруппа в исходном положении</translation>
    </message>
    <message>
        <source>Cofee group in work state</source>
        <translation>Кофегруппа в рабочем положении</translation>
    </message>
    <message>
        <source>Garbage container is full</source>
        <translation>Контейнер отходов полон</translation>
    </message>
    <message>
        <source>Diagnostic Button</source>
        <translation>Кнопка «Диагностика»</translation>
    </message>
    <message>
        <source>Trade Button</source>
        <translation>Кнопка «Торговля»</translation>
    </message>
    <message>
        <source>Master Button</source>
        <translation>Кнопка «Мастер»</translation>
    </message>
    <message>
        <source>Operator Button</source>
        <translation>Кнопка «Оператор»</translation>
    </message>
    <message>
        <source>Washing Button</source>
        <translation>Кнопка «Промывка»</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>ShowOutputsDialog</name>
    <message>
        <source>Test outputs</source>
        <translation>Тест выходов</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>Water selector On</source>
        <translation>Селектор воды включён</translation>
    </message>
    <message>
        <source>Boiler heating On</source>
        <translation>Нагрев бойлера включён</translation>
    </message>
    <message>
        <source>Boiler pump On</source>
        <translation>Насос бойлера включён</translation>
    </message>
    <message>
        <source>Boiler valve 1 On</source>
        <translation>Клапан бойлера 1 открыт</translation>
    </message>
    <message>
        <source>Boiler valve 2 On</source>
        <translation>Клапан бойлера 2 открыт</translation>
    </message>
    <message>
        <source>Coffe grinder On</source>
        <translation>Кофемолка включена</translation>
    </message>
    <message>
        <source>Cooler On</source>
        <translation>Охладитель включён</translation>
    </message>
    <message>
        <source>Coffe metering unload</source>
        <translation>Выгрузка дозатора кофе</translation>
    </message>
    <message>
        <source>Coffe group On</source>
        <translation>Кофегруппа включена</translation>
    </message>
    <message>
        <source>Dispenser cup rotation</source>
        <translation>Вращение диспенсера стаканов</translation>
    </message>
    <message>
        <source>Dispender cup unload</source>
        <translation>Выдача стакана</translation>
    </message>
    <message>
        <source>Dispenser sugar down</source>
        <translation>Опускание диспенсера сахара</translation>
    </message>
    <message>
        <source>Dispenser sugar screw On</source>
        <translation>Шнек диспенсера сахара включён</translation>
    </message>
    <message>
        <source>Mixer 1 Drive On</source>
        <translation>Привод миксера 1 включён</translation>
    </message>
    <message>
        <source>Mixer 1 Screw On</source>
        <translation>Шнек миксера 1 включён</translation>
    </message>
    <message>
        <source>Mixer 2 Drive On</source>
        <translation>Привод миксера 2 включён</translation>
    </message>
    <message>
        <source>Mixer 2  Screw On</source>
        <translation>Шнек миксера 2 включён</translation>
    </message>
    <message>
        <source>Mixer 3 Drive On</source>
        <translation>Привод миксера 3 включён</translation>
    </message>
    <message>
        <source>Mixer 3 Screw On</source>
        <translation>Шнек миксера 3 включён</translation>
    </message>
    <message>
        <source>Mixer 4  Drive On</source>
        <translation>Привод миксера 4 включён</translation>
    </message>
    <message>
        <source>Mixer 4  Screw On</source>
        <translation>Шнек миксера 4 включён</translation>
    </message>
    <message>
        <source>Water pump On</source>
        <translation>Водяной насос включён</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>SwitchModeDialog</name>
    <message>
        <source>Modes</source>
        <translation>Режимы</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Диагностика</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Торговля</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Мастер</translation>
    </message>
    <message>
        <source>Washing</source>
        <translation>Промывка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>TemperatureChart</name>
    <message>
        <source>No temperature yet</source>
        <translation>Температуры пока нет</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Setpoint %1</source>
        <translation>Уставка %1</translation>
    </message>
</context>
<context>
    <name>TestBoilerDialog</name>
    <message>
        <source>Test boiler</source>
        <translation>Тест бойлера</translation>
    </message>
    <message>
        <source>The temperature of the boiler</source>
        <translation>Температура бойлера</translation>
    </message>
    <message>
        <source>Valve 1</source>
        <translation>Клапан 1</translation>
    </message>
    <message>
        <source>Valve 2</source>
        <translation>Клапан 2</translation>
    </message>
    <message>
        <source>Boiler On</source>
        <translation>Включить бойлер</translation>
    </message>
    <message>
        <source>Pump On</source>
        <translation>Включить насос</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Входы/Выходы</translation>
    </message>
    <message>
        <source>Water sensor</source>
        <translation>Датчик воды</translation>
    </message>
    <message>
        <source>Boiler heating On</source>
        <translation>Нагрев бойлера включён</translation>
    </message>
    <message>
        <source>Boiler pump On</source>
        <translation>Насос бойлера включён</translation>
    </message>
    <message>
        <source>Cofegroup valve  On</source>
        <translation>Клапан кофегруппы  включён</translation>
    </message>
    <message>
        <source>Mixer valve On</source>
        <translation>Клапан миксера включён</translation>
    </message>
    <message>
        <source>Water pump On</source>
        <translation>Водяной насос вкл.</translation>
    </message>
    <message>
        <source>Water in mixer</source>
        <translation>Вода в миксер</translation>
    </message>
    <message>
        <source>Water in cofegroup</source>
        <translation>Вода в кофегруппу</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>TestCofeGroupDialog</name>
    <message>
        <source>Test coffee group</source>
        <translation>Тест кофегруппы</translation>
    </message>
    <message>
        <source>Coffee grinder</source>
        <translation>Кофемолка</translation>
    </message>
    <message>
        <source>Coffee metering</source>
        <translation>Дозатор кофе</translation>
    </message>
    <message>
        <source>Coffee group</source>
        <translation>Кофегруппа</translation>
    </message>
    <message>
        <source>Working cycle</source>
        <translation>Рабочий цикл</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Входы/Выходы</translation>
    </message>
    <message>
        <source>Coffee group in the initial state</source>
        <translation>Кофегруппа в исходном положении</translation>
    </message>
    <message>
        <source>Coffee group in working condition</source>
        <translation>Кофегруппа в рабочем положении</translation>
    </message>
    <message>
        <source>Cofee metering is full</source>
        <translation>Дозатор кофе заполнен</translation>
    </message>
    <message>
        <source>Coffee grinder is ON</source>
        <translation>Кофемолка включена</translation>
    </message>
    <message>
        <source>Coffee metering is ON</source>
        <translation>Дозатор кофе включён</translation>
    </message>
    <message>
        <source>Coffee group is ON</source>
        <translation>Кофегруппа включена</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>TestCofeMashineDialog</name>
    <message>
        <source>Тестирование</source>
        <translation>Тестирование</translation>
    </message>
    <message>
        <source>Test devices</source>
        <translation>Тест устройств</translation>
    </message>
    <message>
        <source>Test water selector</source>
        <translation>Тест селектора воды</translation>
    </message>
    <message>
        <source>Test mixers</source>
        <translation>Тест миксеров</translation>
    </message>
    <message>
        <source>Test mechanism for issuing</source>
        <translation>Тест механизма выдачи</translation>
    </message>
    <message>
        <source>Test boiler</source>
        <translation>Тест бойлера</translation>
    </message>
    <message>
        <source>Test coffeegroup</source>
        <translation>Тест кофегруппы</translation>
    </message>
    <message>
        <source>Test drinks</source>
        <translation>Тест напитков</translation>
    </message>
    <message>
        <source>Test coffee</source>
        <translation>Тест кофе</translation>
    </message>
    <message>
        <source>Test drink 1</source>
        <translation>Тест напитка 1</translation>
    </message>
    <message>
        <source>Test drink 2</source>
        <translation>Тест напитка 2</translation>
    </message>
    <message>
        <source>Test drink 3</source>
        <translation>Тест напитка 3</translation>
    </message>
    <message>
        <source>Test drink 4</source>
        <translation>Тест напитка 4</translation>
    </message>
    <message>
        <source>Test drink 5</source>
        <translation>Тест напитка 5</translation>
    </message>
    <message>
        <source>Test drink 6</source>
        <translation>Тест напитка 6</translation>
    </message>
    <message>
        <source>Test outputs</source>
        <translation>Тест выходов</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>Test inputs</source>
        <translation>Тест входов</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Входы</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Machine check</source>
        <translation>Проверка автомата</translation>
    </message>
</context>
<context>
    <name>TestDispensorDialog</name>
    <message>
        <source>Test dispensers</source>
        <translation>Тест диспенсеров</translation>
    </message>
    <message>
        <source>Dispenser Paper Cup</source>
        <translation>Диспенсер бумажных стаканов</translation>
    </message>
    <message>
        <source>Rotation On</source>
        <translation>Вращение вкл.</translation>
    </message>
    <message>
        <source>Paper cup out</source>
        <translation>Выдача стакана</translation>
    </message>
    <message>
        <source>Working cycle</source>
        <translation>Рабочий цикл</translation>
    </message>
    <message>
        <source>Dispenser sugar</source>
        <translation>Диспенсер сахара</translation>
    </message>
    <message>
        <source>Drive On</source>
        <translation>Привод вкл.</translation>
    </message>
    <message>
        <source>Screw On</source>
        <translation>Шнек вкл.</translation>
    </message>
    <message>
        <source>Dispenser Paper Cup ( Inputs/Outputs)</source>
        <translation>Диспенсер бумажных стаканов ( Входы/Выходы)</translation>
    </message>
    <message>
        <source>Paper cup in initial state</source>
        <translation>Стакан в исходном положении</translation>
    </message>
    <message>
        <source>Dispenser paper cup in initial state</source>
        <translation>Диспенсер стаканов в исходном положении</translation>
    </message>
    <message>
        <source>Paper cup in position out</source>
        <translation>Стакан в позиции выдачи</translation>
    </message>
    <message>
        <source>Rotation tubes</source>
        <translation>Вращение туб</translation>
    </message>
    <message>
        <source>Dispenser sugar ( Inputs/Outputs)</source>
        <translation>Диспенсер сахара ( Входы/Выходы)</translation>
    </message>
    <message>
        <source>Dispenser sugar in initial state</source>
        <translation>Диспенсер сахара в исходном положении</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>TestDrinkDialog</name>
    <message>
        <source>Test make drinks</source>
        <translation>Тест приготовления напитков</translation>
    </message>
    <message>
        <source>Number of drinks</source>
        <translation>Номер напитка</translation>
    </message>
    <message>
        <source>Amount of sugar</source>
        <translation>Количество сахара</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Приготовить</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>TestMixerDialog</name>
    <message>
        <source>Test mixers</source>
        <translation>Тест миксеров</translation>
    </message>
    <message>
        <source>Mixer 1</source>
        <translation>Миксер 1</translation>
    </message>
    <message>
        <source>Drive On</source>
        <translation>Привод вкл.</translation>
    </message>
    <message>
        <source>Screw On</source>
        <translation>Шнек вкл.</translation>
    </message>
    <message>
        <source>Mixer 2</source>
        <translation>Миксер 2</translation>
    </message>
    <message>
        <source>Mixer 3</source>
        <translation>Миксер 3</translation>
    </message>
    <message>
        <source>Mixer 4</source>
        <translation>Миксер 4</translation>
    </message>
    <message>
        <source>Mixer 1 (Outputs)</source>
        <translation>Миксер 1 (Выходы)</translation>
    </message>
    <message>
        <source>Mixer 2 (Outputs)</source>
        <translation>Миксер 2 (Выходы)</translation>
    </message>
    <message>
        <source>Mixer 3 (Outputs)</source>
        <translation>Миксер 3 (Выходы)</translation>
    </message>
    <message>
        <source>Mixer 4 (Outputs)</source>
        <translation>Миксер 4 (Выходы)</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>TestSelectorWaterDialog</name>
    <message>
        <source>Test water selector</source>
        <translation>Тест селектора воды</translation>
    </message>
    <message>
        <source>Test selector 1</source>
        <translation>Тест селектора 1</translation>
    </message>
    <message>
        <source>Test selector 2</source>
        <translation>Тест селектора 2</translation>
    </message>
    <message>
        <source>Test selector 3</source>
        <translation>Тест селектора 3</translation>
    </message>
    <message>
        <source>Test selector 4</source>
        <translation>Тест селектора 4</translation>
    </message>
    <message>
        <source>Test selector cofee</source>
        <translation>Тест селектора кофе</translation>
    </message>
    <message>
        <source>Test drive</source>
        <translation>Тест привода</translation>
    </message>
    <message>
        <source>Selector in initial state</source>
        <translation>Селектор в исходное положение</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Входы/Выходы</translation>
    </message>
    <message>
        <source>Selector in referent point</source>
        <translation>Селектор в опорной точке</translation>
    </message>
    <message>
        <source>Water sensor</source>
        <translation>Датчик воды</translation>
    </message>
    <message>
        <source>Drive selector is On</source>
        <translation>Привод селектора включён</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Текущий режим</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>No errors</source>
        <translation>Без ошибок</translation>
    </message>
    <message>
        <source>Errors seen</source>
        <translation>Были ошибки</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>Нет связи</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Не завершён</translation>
    </message>
</context>
</TS>
