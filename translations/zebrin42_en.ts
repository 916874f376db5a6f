<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Учебная программа</source>
        <translation>Teaching program</translation>
    </message>
    <message>
        <source>Версия:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Вопросы и пожелания:</source>
        <translation>Questions and wishes:</translation>
    </message>
    <message>
        <source>Письмо автору</source>
        <translation>Write to the author</translation>
    </message>
    <message>
        <source>Страничка в сети:</source>
        <translation>Web page:</translation>
    </message>
    <message>
        <source>Сайт Zebrin42</source>
        <translation>Zebrin42 site</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Кликни сюда чтобы написать мне письмо</source>
        <translation>Click here to write me a letter</translation>
    </message>
    <message>
        <source>Кликни сюда и попадешь на мою страничку</source>
        <translation>Click here to visit my page</translation>
    </message>
</context>
<context>
    <name>BatchRun</name>
    <message>
        <source>не та машина</source>
        <translation>wrong machine</translation>
    </message>
    <message>
        <source>заполненных строк %1, а можно не больше %2</source>
        <translation>%1 rows filled, at most %2 allowed</translation>
    </message>
    <message>
        <source>состояний %1, а можно не больше %2</source>
        <translation>%1 states, at most %2 allowed</translation>
    </message>
    <message>
        <source>алфавит "%1", а нужен "%2"</source>
        <translation>alphabet "%1", but "%2" is needed</translation>
    </message>
</context>
<context>
    <name>CaseCheckDialog</name>
    <message>
        <source>Проверка по тестам</source>
        <translation>Check against cases</translation>
    </message>
    <message>
        <source>Файл тестов: </source>
        <translation>Cases file: </translation>
    </message>
    <message>
        <source>%v из %m</source>
        <translation>%v of %m</translation>
    </message>
    <message>
        <source>Двойной щелчок: поставить вход теста на ленту</source>
        <translation>Double click: put the case's input on the tape</translation>
    </message>
    <message>
        <source>превышен предел шагов</source>
        <translation>step limit exceeded</translation>
    </message>
    <message>
        <source>Результаты</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Рост</source>
        <translation>Growth</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Экспорт в PDF...</source>
        <translation>Export to PDF...</translation>
    </message>
    <message>
        <source>Показать результат</source>
        <translation>Show result</translation>
    </message>
    <message>
        <source>Поставить на ленту то, с чем закончилось выполнение выбранного теста</source>
        <translation>Put on the tape what the chosen case's run ended with</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Проверено %1 из %2</source>
        <translation>Checked %1 of %2</translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Документ PDF|*.pdf</source>
        <translation>PDF document|*.pdf</translation>
    </message>
    <message>
        <source>Таблица не записана: </source>
        <translation>Table not written: </translation>
    </message>
    <message>
        <source>Пройдено %1 из %2</source>
        <translation>Passed %1 of %2</translation>
    </message>
    <message>
        <source> (проверка прервана)</source>
        <translation> (check interrupted)</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Без имени</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>CaseRun</name>
    <message>
        <source>символ "%1" не может стоять на ленте</source>
        <translation>the symbol "%1" cannot stand on the tape</translation>
    </message>
    <message>
        <source>лента кончается раньше, на клетке %1</source>
        <translation>the tape ends earlier, at cell %1</translation>
    </message>
    <message>
        <source>"%1" — не клетка ленты машины Поста (1 — метка, 0 или . — пустая клетка)</source>
        <translation>"%1" is not a cell of the Post machine's tape (1 is a mark, 0 or . an empty cell)</translation>
    </message>
    <message>
        <source>символа "%1" нет во внешнем алфавите "%2"</source>
        <translation>the symbol "%1" is not in the alphabet "%2"</translation>
    </message>
    <message>
        <source>клетки %1 для каретки нет на ленте</source>
        <translation>cell %1 for the carriage is not on the tape</translation>
    </message>
    <message>
        <source>Строка</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>Вход</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>С ячейки</source>
        <translation>From cell</translation>
    </message>
    <message>
        <source>Ожидается</source>
        <translation>Expected</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Получено</source>
        <translation>Obtained</translation>
    </message>
    <message>
        <source>Шагов</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>, каретка %1</source>
        <translation>, carriage %1</translation>
    </message>
    <message>
        <source>пройден</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>не пройден</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>превышен предел шагов</source>
        <translation>step limit exceeded</translation>
    </message>
    <message>
        <source>ошибка: </source>
        <translation>error: </translation>
    </message>
</context>
<context>
    <name>CasesFile</name>
    <message>
        <source>у %1 нет значения</source>
        <translation>%1 wants a value</translation>
    </message>
    <message>
        <source>%1 ждёт номер клетки</source>
        <translation>%1 wants a cell number</translation>
    </message>
    <message>
        <source>--weight ждёт целое число от 0</source>
        <translation>--weight wants a whole number of 0 or more</translation>
    </message>
    <message>
        <source>%1 указан дважды</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>--machine ждёт post или turing</source>
        <translation>--machine wants post or turing</translation>
    </message>
    <message>
        <source>%1 ждёт целое число от 1</source>
        <translation>%1 wants a whole number of 1 or more</translation>
    </message>
    <message>
        <source>неизвестный параметр %1: можно --start, --carriage, --weight, --machine, --max-rows, --max-states или --alphabet</source>
        <translation>unknown option %1: expected --start, --carriage, --weight, --machine, --max-rows, --max-states or --alphabet</translation>
    </message>
    <message>
        <source>ожидается ВХОД =&gt; ОЖИДАЕМОЕ</source>
        <translation>expected INPUT =&gt; EXPECTED</translation>
    </message>
    <message>
        <source>нет тестов: ожидаются строки ВХОД =&gt; ОЖИДАЕМОЕ</source>
        <translation>no cases: expected lines INPUT =&gt; EXPECTED</translation>
    </message>
    <message>
        <source>строка %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
</context>
<context>
    <name>CasesPages</name>
    <message>
        <source>Пройдено %1 из %2</source>
        <translation>Passed %1 of %2</translation>
    </message>
    <message>
        <source>Проверка по тестам: </source>
        <translation>Check against cases: </translation>
    </message>
    <message>
        <source>Файл тестов: </source>
        <translation>Cases file: </translation>
    </message>
</context>
<context>
    <name>CommandBars</name>
    <message>
        <source>Строка состояния.  Ее можно спрятать</source>
        <translation>Status bar.  It can be hidden</translation>
    </message>
    <message>
        <source>Восстановить ленту
</source>
        <translation>Restore tape
</translation>
    </message>
</context>
<context>
    <name>DiagramCanvas</name>
    <message>
        <source>Диаграмма программы</source>
        <translation>Program diagram</translation>
    </message>
</context>
<context>
    <name>DiagramExportDialog</name>
    <message>
        <source>Экспорт диаграммы</source>
        <translation>Export diagram</translation>
    </message>
    <message>
        <source>Рисунок SVG|*.svg</source>
        <translation>SVG picture|*.svg</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
</context>
<context>
    <name>DiagramLayout</name>
    <message>
        <source>Без стрелок (запуск на них остановится с ошибкой):</source>
        <translation>Without arrows (a run will stop on them with an error):</translation>
    </message>
    <message>
        <source>… и ещё %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>слишком велика: вершин %1 и стрелок %2 (можно не больше %3 и %4)</source>
        <translation>too large to draw: %1 nodes and %2 arrows (at most %3 and %4)</translation>
    </message>
    <message>
        <source>Graphviz не удалось запустить</source>
        <translation>Graphviz could not start</translation>
    </message>
    <message>
        <source>Graphviz не смог составить граф</source>
        <translation>Graphviz could not make the graph</translation>
    </message>
    <message>
        <source>Graphviz не смог расположить рисунок</source>
        <translation>Graphviz could not lay the picture out</translation>
    </message>
    <message>
        <source>Graphviz не смог записать SVG</source>
        <translation>Graphviz could not write SVG</translation>
    </message>
    <message>
        <source>две вершины названы «%1»</source>
        <translation>two nodes are named "%1"</translation>
    </message>
    <message>
        <source>стрелка ведёт к вершине, которой нет</source>
        <translation>an arrow names a node that does not exist</translation>
    </message>
</context>
<context>
    <name>DiagramPanel</name>
    <message>
        <source>Щелчок по вершине выделяет её в таблице; Ctrl+колесо — масштаб</source>
        <translation>A click on a node selects it in the table; Ctrl+wheel zooms</translation>
    </message>
    <message>
        <source>По размеру</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Уместить диаграмму в панели</source>
        <translation>Fit the diagram into the panel</translation>
    </message>
    <message>
        <source>Диаграмма строится…</source>
        <translation>The diagram is being drawn…</translation>
    </message>
    <message>
        <source>Диаграмму нельзя построить: </source>
        <translation>The diagram cannot be drawn: </translation>
    </message>
    <message>
        <source>Масштаб: %1%</source>
        <translation>Zoom: %1%</translation>
    </message>
    <message>
        <source>диаграмму нельзя построить: </source>
        <translation>the diagram cannot be drawn: </translation>
    </message>
    <message>
        <source>ошибка записи файла: </source>
        <translation>file write error: </translation>
    </message>
</context>
<context>
    <name>DocumentCommands</name>
    <message>
        <source>&lt;Сохранить изменения в файле </source>
        <translation>&lt;Save the changes in file </translation>
    </message>
</context>
<context>
    <name>DocumentFile</name>
    <message>
        <source>нет такого файла</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>это не документ машины Поста или машины Тьюринга</source>
        <translation>not a Post machine or Turing machine document</translation>
    </message>
    <message>
        <source>документ повреждён</source>
        <translation>the document is damaged</translation>
    </message>
    <message>
        <source>это не обычный файл</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>нет прав на чтение</source>
        <translation>no permission to read</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>файл не удалось открыть</source>
        <translation>the file could not be opened</translation>
    </message>
</context>
<context>
    <name>DocumentFormat</name>
    <message>
        <source>Машина Поста|*.pst</source>
        <translation>Post machine|*.pst</translation>
    </message>
    <message>
        <source>Открытие Машины Поста</source>
        <translation>Open Post Machine</translation>
    </message>
    <message>
        <source>Интерпретатор машины Поста</source>
        <translation>Post machine interpreter</translation>
    </message>
    <message>
        <source>&lt;Сохранить машину Поста - </source>
        <translation>&lt;Save the Post machine - </translation>
    </message>
    <message>
        <source>Машина Тьюринга|*.tur</source>
        <translation>Turing machine|*.tur</translation>
    </message>
    <message>
        <source>Открытие Машины Тьюринга</source>
        <translation>Open Turing Machine</translation>
    </message>
    <message>
        <source>Интерпретатор машины Тьюринга</source>
        <translation>Turing machine interpreter</translation>
    </message>
    <message>
        <source>&lt;Сохранить машину Тьюринга - </source>
        <translation>&lt;Save the Turing machine - </translation>
    </message>
</context>
<context>
    <name>DocumentPages</name>
    <message>
        <source>Лента</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Программа</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Диаграмма программы</source>
        <translation>Program diagram</translation>
    </message>
    <message>
        <source>Машина Поста</source>
        <translation>Post machine</translation>
    </message>
    <message>
        <source>Машина Тьюринга</source>
        <translation>Turing machine</translation>
    </message>
    <message>
        <source>Внешний алфавит: </source>
        <translation>Alphabet: </translation>
    </message>
    <message>
        <source>Документ не удалось прочитать: </source>
        <translation>The document could not be read: </translation>
    </message>
</context>
<context>
    <name>EditHistory</name>
    <message>
        <source>Отменить: </source>
        <translation>Undo: </translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить: </source>
        <translation>Redo: </translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
</context>
<context>
    <name>EditKind</name>
    <message>
        <source>вставка строки</source>
        <translation>row insertion</translation>
    </message>
    <message>
        <source>удаление строки</source>
        <translation>row deletion</translation>
    </message>
    <message>
        <source>добавление строки</source>
        <translation>row addition</translation>
    </message>
    <message>
        <source>вставка столбца</source>
        <translation>column insertion</translation>
    </message>
    <message>
        <source>удаление столбца</source>
        <translation>column deletion</translation>
    </message>
    <message>
        <source>добавление столбца</source>
        <translation>column addition</translation>
    </message>
    <message>
        <source>очистка таблицы</source>
        <translation>table clearing</translation>
    </message>
    <message>
        <source>очистка строки</source>
        <translation>row clearing</translation>
    </message>
    <message>
        <source>очистка столбца</source>
        <translation>column clearing</translation>
    </message>
    <message>
        <source>очистка ячейки</source>
        <translation>cell clearing</translation>
    </message>
    <message>
        <source>очистка ячеек</source>
        <translation>cells clearing</translation>
    </message>
    <message>
        <source>изменение меток</source>
        <translation>marks change</translation>
    </message>
    <message>
        <source>запись на ленту</source>
        <translation>tape writing</translation>
    </message>
    <message>
        <source>очистка ленты</source>
        <translation>tape clearing</translation>
    </message>
    <message>
        <source>восстановление ленты</source>
        <translation>tape restoring</translation>
    </message>
    <message>
        <source>сдвиг каретки</source>
        <translation>carriage move</translation>
    </message>
    <message>
        <source>загрузка теста</source>
        <translation>case loading</translation>
    </message>
    <message>
        <source>результат теста</source>
        <translation>case result</translation>
    </message>
    <message>
        <source>очистка условия задачи</source>
        <translation>statement clearing</translation>
    </message>
    <message>
        <source>очистка комментариев</source>
        <translation>comments clearing</translation>
    </message>
    <message>
        <source>очистка алфавита</source>
        <translation>alphabet clearing</translation>
    </message>
    <message>
        <source>очистка всего</source>
        <translation>clearing everything</translation>
    </message>
    <message>
        <source>выполнение программы</source>
        <translation>program run</translation>
    </message>
    <message>
        <source>изменение ленты</source>
        <translation>tape change</translation>
    </message>
    <message>
        <source>изменение алфавита</source>
        <translation>alphabet change</translation>
    </message>
    <message>
        <source>изменение таблицы</source>
        <translation>table change</translation>
    </message>
    <message>
        <source>изменение комментариев</source>
        <translation>comments change</translation>
    </message>
    <message>
        <source>изменение условия задачи</source>
        <translation>statement change</translation>
    </message>
</context>
<context>
    <name>ExampleMenu</name>
    <message>
        <source>Машина Поста</source>
        <translation>Post machine</translation>
    </message>
    <message>
        <source>Машина Тьюринга</source>
        <translation>Turing machine</translation>
    </message>
    <message>
        <source>Открыть пример без имени: </source>
        <translation>Open an untitled example: </translation>
    </message>
</context>
<context>
    <name>GrowthFit</name>
    <message>
        <source>примерно n</source>
        <translation>about n</translation>
    </message>
    <message>
        <source>примерно n·log n</source>
        <translation>about n·log n</translation>
    </message>
    <message>
        <source>примерно n²</source>
        <translation>about n²</translation>
    </message>
    <message>
        <source>примерно n³</source>
        <translation>about n³</translation>
    </message>
    <message>
        <source>примерно 2^n</source>
        <translation>about 2^n</translation>
    </message>
    <message>
        <source>Кривая не подобрана: нет пройденных тестов со входом от двух клеток и хотя бы одним шагом.</source>
        <translation>No curve fitted: no passed case has an input of two cells or more and at least one step.</translation>
    </message>
    <message>
        <source>Кривая не подобрана: разных длин входа (от двух клеток) у пройденных тестов — %1, а нужно не меньше %2.</source>
        <translation>No curve fitted: the passed cases have %1 distinct input lengths (of two cells or more), and at least %2 are needed.</translation>
    </message>
</context>
<context>
    <name>GrowthPanel</name>
    <message>
        <source>Тесты</source>
        <translation>Cases</translation>
    </message>
    <message>
        <source>Больше входов</source>
        <translation>More inputs</translation>
    </message>
    <message>
        <source>Длина входа, клеток</source>
        <translation>Input length, cells</translation>
    </message>
    <message>
        <source>Шагов</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Выполнить программу на более длинных входах, повторив узор входов пройденных тестов, пока хватает ленты и предела шагов</source>
        <translation>Run the program on longer inputs, repeating the pattern of the passed cases' inputs while the tape and the step limit allow</translation>
    </message>
    <message>
        <source>Выполняется...</source>
        <translation>Running...</translation>
    </message>
    <message>
        <source>
Больше входов: выполнено запусков — %1, остановились — %2%3.</source>
        <translation>
More inputs: %1 runs made, %2 stopped%3.</translation>
    </message>
    <message>
        <source> (прервано)</source>
        <translation> (interrupted)</translation>
    </message>
    <message>
        <source>Рост шагов: %1, c ≈ %2 (разных длин входа: %3).</source>
        <translation>Steps grow %1, c ≈ %2 (distinct input lengths: %3).</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Справка Zebrin42</source>
        <translation>Zebrin42 Help</translation>
    </message>
    <message>
        <source>Содержание</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Вперёд</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Справка Zebrin42 - %1</source>
        <translation>Zebrin42 Help - %1</translation>
    </message>
</context>
<context>
    <name>InterpreterSwitch</name>
    <message>
        <source>Шаг:</source>
        <translation>Step:</translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Сообщение</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Шаг</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Левая граница занятых ячеек</source>
        <translation>Left bound of the used cells</translation>
    </message>
    <message>
        <source>Правая граница занятых ячеек</source>
        <translation>Right bound of the used cells</translation>
    </message>
    <message>
        <source>Изменения документа</source>
        <translation>Document changes</translation>
    </message>
    <message>
        <source>Условие задачи машины Поста</source>
        <translation>The Post machine's statement</translation>
    </message>
    <message>
        <source>Условие задачи машины Тьюринга</source>
        <translation>The Turing machine's statement</translation>
    </message>
    <message>
        <source>Комментарии к программе</source>
        <translation>Comments on the program</translation>
    </message>
    <message>
        <source>Лента машины Поста</source>
        <translation>The Post machine's tape</translation>
    </message>
    <message>
        <source>Лента машины Тьюринга</source>
        <translation>The Turing machine's tape</translation>
    </message>
    <message>
        <source>Перейти к ячейке</source>
        <translation>Go to cell</translation>
    </message>
    <message>
        <source>Лента влево</source>
        <translation>Tape left</translation>
    </message>
    <message>
        <source>Лента вправо</source>
        <translation>Tape right</translation>
    </message>
    <message>
        <source>К левой границе занятых ячеек</source>
        <translation>To the left bound of the used cells</translation>
    </message>
    <message>
        <source>К правой границе занятых ячеек</source>
        <translation>To the right bound of the used cells</translation>
    </message>
    <message>
        <source>Внешний алфавит</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>Таблица машины Поста</source>
        <translation>The Post machine table</translation>
    </message>
    <message>
        <source>Стрелки выбирают ячейку, Enter открывает выбор команды или правку</source>
        <translation>The arrows choose a cell, Enter opens the choice of command or the editing</translation>
    </message>
    <message>
        <source>Таблица машины Тьюринга</source>
        <translation>The Turing machine table</translation>
    </message>
    <message>
        <source>Стрелки выбирают ячейку, F2 или ввод символа открывает правку, Enter проверяет команду</source>
        <translation>The arrows choose a cell, F2 or typing a symbol opens the editing, Enter checks the command</translation>
    </message>
    <message>
        <source>Стрелки выбирают вершину, Enter выделяет её в таблице</source>
        <translation>The arrows choose a node, Enter selects it in the table</translation>
    </message>
</context>
<context>
    <name>LoopReporter</name>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>Machine</name>
    <message>
        <source>Шаг:  </source>
        <translation>Step:  </translation>
    </message>
    <message>
        <source>Шаг:   </source>
        <translation>Step:   </translation>
    </message>
    <message>
        <source>Без имени</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Изменить скорость выполнения алгоритма</source>
        <translation>Change the speed of running the algorithm</translation>
    </message>
    <message>
        <source>Вернуть машину на шаг назад</source>
        <translation>Take the machine one step back</translation>
    </message>
    <message>
        <source>Отменить последнее изменение</source>
        <translation>Undo the last change</translation>
    </message>
    <message>
        <source>Повторить отмененное изменение</source>
        <translation>Redo the undone change</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Операции с файлами</source>
        <translation>File operations</translation>
    </message>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Создает машину Поста</source>
        <translation>Creates a Post machine</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Загрузить файл машины Поста с диска</source>
        <translation>Load a Post machine file from disk</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Записать файл машины Поста на диск</source>
        <translation>Write the Post machine file to disk</translation>
    </message>
    <message>
        <source>Сохранить как...</source>
        <translation>Save as...</translation>
    </message>
    <message>
        <source>Записать файл машины Поста на диск с новым именем</source>
        <translation>Write the Post machine file to disk under a new name</translation>
    </message>
    <message>
        <source>Примеры</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>Экспорт диаграммы...</source>
        <translation>Export diagram...</translation>
    </message>
    <message>
        <source>Записать диаграмму программы в файл SVG или PNG</source>
        <translation>Write the program's diagram to an SVG or PNG file</translation>
    </message>
    <message>
        <source>Экспорт истории...</source>
        <translation>Export history...</translation>
    </message>
    <message>
        <source>Записать историю ленты в файл PNG</source>
        <translation>Write the tape's history to a PNG file</translation>
    </message>
    <message>
        <source>Экспорт в PDF...</source>
        <translation>Export to PDF...</translation>
    </message>
    <message>
        <source>Записать документ машины в файл PDF</source>
        <translation>Write the machine's document to a PDF file</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Показать, как документ машины будет напечатан</source>
        <translation>Show how the machine's document will be printed</translation>
    </message>
    <message>
        <source>Печать...</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>Напечатать документ машины</source>
        <translation>Print the machine's document</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Выйти из программы Zebrin42</source>
        <translation>Quit Zebrin42</translation>
    </message>
    <message>
        <source>&amp;Правка</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Отмена и повтор изменений</source>
        <translation>Undo and redo changes</translation>
    </message>
    <message>
        <source>Отменить</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Повторить</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>&amp;Интерпретатор</source>
        <translation>&amp;Interpreter</translation>
    </message>
    <message>
        <source>Выбрать интерпретатор</source>
        <translation>Choose the interpreter</translation>
    </message>
    <message>
        <source>Машина Поста</source>
        <translation>Post machine</translation>
    </message>
    <message>
        <source>Перейти к машине Поста</source>
        <translation>Go to the Post machine</translation>
    </message>
    <message>
        <source>Машина Тьюринга</source>
        <translation>Turing machine</translation>
    </message>
    <message>
        <source>Перейти к машине Тьюринга</source>
        <translation>Go to the Turing machine</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Настройки интерфейса программы</source>
        <translation>Interface settings</translation>
    </message>
    <message>
        <source>Панель инструментов</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>Скрыть/ показать панель инструментов</source>
        <translation>Hide/ show the toolbar</translation>
    </message>
    <message>
        <source>Условие задачи</source>
        <translation>Statement</translation>
    </message>
    <message>
        <source>Скрыть/ показать редактор "Условие задачи"</source>
        <translation>Hide/ show the "Statement" editor</translation>
    </message>
    <message>
        <source>Внешний алфавит</source>
        <translation>Alphabet</translation>
    </message>
    <message>
        <source>Скрыть/ показать редактор "Внешний алфавит"</source>
        <translation>Hide/ show the "Alphabet" editor</translation>
    </message>
    <message>
        <source>Строка состояния</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Скрыть/ показать строку состояния</source>
        <translation>Hide/ show the status bar</translation>
    </message>
    <message>
        <source>Диаграмма</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Показать диаграмму программы</source>
        <translation>Show the program's diagram</translation>
    </message>
    <message>
        <source>История ленты</source>
        <translation>Tape history</translation>
    </message>
    <message>
        <source>Показать историю ленты</source>
        <translation>Show the tape's history</translation>
    </message>
    <message>
        <source>Крупнее</source>
        <translation>Larger</translation>
    </message>
    <message>
        <source>Увеличить ленту и таблицы</source>
        <translation>Enlarge the tape and the tables</translation>
    </message>
    <message>
        <source>Мельче</source>
        <translation>Smaller</translation>
    </message>
    <message>
        <source>Уменьшить ленту и таблицы</source>
        <translation>Shrink the tape and the tables</translation>
    </message>
    <message>
        <source>Обычный размер</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <source>Вернуть ленте и таблицам обычный размер</source>
        <translation>Give the tape and the tables their normal size</translation>
    </message>
    <message>
        <source>&amp;Команды</source>
        <translation>&amp;Commands</translation>
    </message>
    <message>
        <source>Каретка влево</source>
        <translation>Carriage left</translation>
    </message>
    <message>
        <source>Сдвинуть каретку влево на одну ячейку</source>
        <translation>Move the carriage one cell left</translation>
    </message>
    <message>
        <source>Каретка вправо</source>
        <translation>Carriage right</translation>
    </message>
    <message>
        <source>Сдвинуть каретку вправо на одну ячейку</source>
        <translation>Move the carriage one cell right</translation>
    </message>
    <message>
        <source>Поставить / удалить метки</source>
        <translation>Set / remove marks</translation>
    </message>
    <message>
        <source>Поставить/ удалить метки в выделенных ячейках ленты</source>
        <translation>Set/ remove marks in the tape's selected cells</translation>
    </message>
    <message>
        <source>Отметить символ на ленте</source>
        <translation>Write symbol on tape</translation>
    </message>
    <message>
        <source>Записывает текущий символ внешнего алфавита в выделенные ячейки ленты</source>
        <translation>Writes the alphabet's current symbol into the tape's selected cells</translation>
    </message>
    <message>
        <source>Изменить символ</source>
        <translation>Change symbol</translation>
    </message>
    <message>
        <source>Изменить текущий символ внешнего алфавита</source>
        <translation>Change the alphabet's current symbol</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Очищает содержимое редактора "Условие задачи"</source>
        <translation>Clears the "Statement" editor</translation>
    </message>
    <message>
        <source>Информационную ленту</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Очищает содержимое ленты</source>
        <translation>Clears the tape</translation>
    </message>
    <message>
        <source>Таблицу</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Очищает содержимое таблицы</source>
        <translation>Clears the table</translation>
    </message>
    <message>
        <source>Строку</source>
        <translation>Row</translation>
    </message>
    <message>
        <source>Очищает содержимое строки таблицы</source>
        <translation>Clears the table row</translation>
    </message>
    <message>
        <source>Столбец</source>
        <translation>Column</translation>
    </message>
    <message>
        <source>Очищает содержимое столбца таблицы</source>
        <translation>Clears the table column</translation>
    </message>
    <message>
        <source>Очищает содержимое редактора  "Внешний алфавит"</source>
        <translation>Clears the  "Alphabet" editor</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Очищает содержимое редактора "Комментарии"</source>
        <translation>Clears the "Comments" editor</translation>
    </message>
    <message>
        <source>Всё</source>
        <translation>Everything</translation>
    </message>
    <message>
        <source>Очищает все</source>
        <translation>Clears everything</translation>
    </message>
    <message>
        <source>Удалить строку</source>
        <translation>Delete row</translation>
    </message>
    <message>
        <source>Удалить строку из таблицы</source>
        <translation>Delete a row from the table</translation>
    </message>
    <message>
        <source>Вставить строку</source>
        <translation>Insert row</translation>
    </message>
    <message>
        <source>Вставить строку в таблицу</source>
        <translation>Insert a row into the table</translation>
    </message>
    <message>
        <source>Добавить строку</source>
        <translation>Append row</translation>
    </message>
    <message>
        <source>Добавить строку в таблицу</source>
        <translation>Append a row to the table</translation>
    </message>
    <message>
        <source>Удалить столбец</source>
        <translation>Delete column</translation>
    </message>
    <message>
        <source>Удалить столбец из таблицы</source>
        <translation>Delete a column from the table</translation>
    </message>
    <message>
        <source>Вставить столбец</source>
        <translation>Insert column</translation>
    </message>
    <message>
        <source>Вставить столбец в таблицы</source>
        <translation>Insert a column into the table</translation>
    </message>
    <message>
        <source>Добавить столбец</source>
        <translation>Append column</translation>
    </message>
    <message>
        <source>Добавить столбец в таблицы</source>
        <translation>Append a column to the table</translation>
    </message>
    <message>
        <source>Запомнить ленту</source>
        <translation>Memorise tape</translation>
    </message>
    <message>
        <source>Запомнить текущее состояние ленты</source>
        <translation>Memorise the tape as it is now</translation>
    </message>
    <message>
        <source>Восстановить ленту</source>
        <translation>Restore tape</translation>
    </message>
    <message>
        <source>Восстановить запомненную ленту</source>
        <translation>Restore the memorised tape</translation>
    </message>
    <message>
        <source>&amp;Пуск</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>Запустить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Запустить алгоритм на исполнение</source>
        <translation>Run the algorithm</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Приостановить исполнение алгоритма</source>
        <translation>Pause the algorithm</translation>
    </message>
    <message>
        <source>Выполнить до курсора</source>
        <translation>Run to cursor</translation>
    </message>
    <message>
        <source>Исполнять алгоритм до команды под курсором таблицы</source>
        <translation>Run the algorithm up to the command at the table's cursor</translation>
    </message>
    <message>
        <source>Пошагово</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Выполнить очередной шаг алгоритма</source>
        <translation>Run the algorithm's next step</translation>
    </message>
    <message>
        <source>Шаг назад</source>
        <translation>Step back</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>Прервать исполнение алгоритма</source>
        <translation>Break off the algorithm</translation>
    </message>
    <message>
        <source>Точка останова</source>
        <translation>Breakpoint</translation>
    </message>
    <message>
        <source>Поставить/ убрать точку останова на текущей команде таблицы</source>
        <translation>Set/ remove a breakpoint on the table's current command</translation>
    </message>
    <message>
        <source>Убрать все точки останова</source>
        <translation>Remove all breakpoints</translation>
    </message>
    <message>
        <source>Убрать все точки останова из таблицы</source>
        <translation>Remove all breakpoints from the table</translation>
    </message>
    <message>
        <source>Проверить по тестам</source>
        <translation>Check against cases</translation>
    </message>
    <message>
        <source>Проверить программу на тестах из файла</source>
        <translation>Check the program on the cases of a file</translation>
    </message>
    <message>
        <source>&amp;Скорость</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>Мгновенно</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>Очень быстро</source>
        <translation>Very fast</translation>
    </message>
    <message>
        <source>Быстро</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Средне</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Медленно</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Очень медленно</source>
        <translation>Very slow</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Помощь по программе</source>
        <translation>Help on the program</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Вызвать файл справки по программе</source>
        <translation>Open the program's help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Информация о программе Zebrin42</source>
        <translation>About Zebrin42</translation>
    </message>
    <message>
        <source>Очистить таблицу</source>
        <translation>Clear table</translation>
    </message>
    <message>
        <source>Очистить строку</source>
        <translation>Clear row</translation>
    </message>
    <message>
        <source>Очистить столбец</source>
        <translation>Clear column</translation>
    </message>
    <message>
        <source>Спрятать</source>
        <translation>Hide</translation>
    </message>
    <message>
        <source>Очистить ленту</source>
        <translation>Clear tape</translation>
    </message>
    <message>
        <source> (помнятся только последние %1 шагов)</source>
        <translation> (only the last %1 steps are kept)</translation>
    </message>
</context>
<context>
    <name>MainToolBar</name>
    <message>
        <source>Новый</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Открыть</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Запомнить ленту</source>
        <translation>Memorise tape</translation>
    </message>
    <message>
        <source>Восстановить ленту</source>
        <translation>Restore tape</translation>
    </message>
    <message>
        <source>Запустить</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Пауза</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Пошагово</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Прервать</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>Поставить / удалить метки </source>
        <translation>Set / remove marks </translation>
    </message>
    <message>
        <source>Отметить символ на ленте </source>
        <translation>Write symbol on tape </translation>
    </message>
    <message>
        <source>Изменить символ </source>
        <translation>Change symbol </translation>
    </message>
    <message>
        <source>|Панель инструментов. Её можно спрятать</source>
        <translation>|Toolbar. It can be hidden</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Условие задачи машины Поста. Его можно спрятать</source>
        <translation>The Post machine's statement. It can be hidden</translation>
    </message>
    <message>
        <source>Условие задачи машины Тьюринга. Его можно спрятать</source>
        <translation>The Turing machine's statement. It can be hidden</translation>
    </message>
    <message>
        <source>Скрыть историю ленты</source>
        <translation>Hide the tape's history</translation>
    </message>
    <message>
        <source>Показать историю ленты</source>
        <translation>Show the tape's history</translation>
    </message>
    <message>
        <source>Диаграмма</source>
        <translation>Diagram</translation>
    </message>
    <message>
        <source>Скрыть диаграмму программы</source>
        <translation>Hide the program's diagram</translation>
    </message>
    <message>
        <source>Показать диаграмму программы</source>
        <translation>Show the program's diagram</translation>
    </message>
    <message>
        <source>Экспорт диаграммы</source>
        <translation>Export diagram</translation>
    </message>
    <message>
        <source>Диаграмма не записана: </source>
        <translation>Diagram not written: </translation>
    </message>
    <message>
        <source>Экспорт истории</source>
        <translation>Export history</translation>
    </message>
    <message>
        <source>Рисунок PNG|*.png</source>
        <translation>PNG picture|*.png</translation>
    </message>
    <message>
        <source>История не записана: </source>
        <translation>History not written: </translation>
    </message>
    <message>
        <source>Экспорт в PDF</source>
        <translation>Export to PDF</translation>
    </message>
    <message>
        <source>Документ PDF|*.pdf</source>
        <translation>PDF document|*.pdf</translation>
    </message>
    <message>
        <source>Документ не записан: </source>
        <translation>Document not written: </translation>
    </message>
    <message>
        <source>Файл тестов</source>
        <translation>Cases file</translation>
    </message>
    <message>
        <source>Тесты|*.cases</source>
        <translation>Cases|*.cases</translation>
    </message>
    <message>
        <source>Проверка по тестам</source>
        <translation>Check against cases</translation>
    </message>
    <message>
        <source>Файл тестов не удалось прочитать: </source>
        <translation>The cases file could not be read: </translation>
    </message>
    <message>
        <source>Ошибка в файле тестов: </source>
        <translation>Error in the cases file: </translation>
    </message>
    <message>
        <source>Тест из строки %1 нельзя поставить на ленту: %2.</source>
        <translation>The case from line %1 cannot be put on the tape: %2.</translation>
    </message>
    <message>
        <source>Результат теста из строки %1 на ленте</source>
        <translation>The result of the case from line %1 on the tape</translation>
    </message>
    <message>
        <source>Тест из строки %1 на ленте. F8 - выполнить по шагам</source>
        <translation>The case from line %1 on the tape. F8 - run step by step</translation>
    </message>
    <message>
        <source>Изменен</source>
        <translation>Modified</translation>
    </message>
</context>
<context>
    <name>MessageLayout</name>
    <message>
        <source>Ок</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Заново</source>
        <translation>Again</translation>
    </message>
    <message>
        <source>Продолжить так</source>
        <translation>Go on like this</translation>
    </message>
</context>
<context>
    <name>OutcomeReporter</name>
    <message>
        <source>Предупреждение!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Программа и/или лента были изменены.  Выполнить: </source>
        <translation>The program and/or the tape were changed.  Run: </translation>
    </message>
    <message>
        <source>Программа выполнила %1 шагов. Продолжить?</source>
        <translation>The program has executed %1 steps. Go on?</translation>
    </message>
    <message>
        <source>Программа завершена!</source>
        <translation>The program has ended!</translation>
    </message>
    <message>
        <source>  -  программа завершена</source>
        <translation>  -  the program has ended</translation>
    </message>
    <message>
        <source>Ошибка</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Каретка вышла за пределы ленты</source>
        <translation>The carriage has left the tape</translation>
    </message>
</context>
<context>
    <name>PaperCommands</name>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>ошибка записи файла: </source>
        <translation>file write error: </translation>
    </message>
</context>
<context>
    <name>PostDiagram</name>
    <message>
        <source>код </source>
        <translation>code </translation>
    </message>
    <message>
        <source>нет команды</source>
        <translation>no command</translation>
    </message>
    <message>
        <source>Строка %1: </source>
        <translation>Row %1: </translation>
    </message>
    <message>
        <source>не указан номер отсылки</source>
        <translation>no jump number given</translation>
    </message>
    <message>
        <source> — неверно указан номер отсылки</source>
        <translation> — wrong jump number</translation>
    </message>
    <message>
        <source>нет строки</source>
        <translation>no row</translation>
    </message>
    <message>
        <source>есть метка</source>
        <translation>mark</translation>
    </message>
    <message>
        <source>нет метки</source>
        <translation>no mark</translation>
    </message>
</context>
<context>
    <name>PostFile</name>
    <message>
        <source>Интерпретатор машины Поста</source>
        <translation>Post machine interpreter</translation>
    </message>
    <message>
        <source>Файл не является файлом машины Поста или поврежден!</source>
        <translation>The file is not a Post machine file or is damaged!</translation>
    </message>
    <message>
        <source> Ошибка: файл не является файлом машины Поста или поврежден!</source>
        <translation> Error: the file is not a Post machine file or is damaged!</translation>
    </message>
    <message>
        <source>Ошибка чтения файла! </source>
        <translation>File read error! </translation>
    </message>
    <message>
        <source>  Ошибка чтения файла!</source>
        <translation>  File read error!</translation>
    </message>
    <message>
        <source>Ошибка записи файла!</source>
        <translation>File write error!</translation>
    </message>
    <message>
        <source>  Ошибка записи файла!</source>
        <translation>  File write error!</translation>
    </message>
</context>
<context>
    <name>PostMachine</name>
    <message>
        <source>строка %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>Машина Поста</source>
        <translation>Post machine</translation>
    </message>
</context>
<context>
    <name>PostTable</name>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Команда</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Отсылка</source>
        <translation>Jump</translation>
    </message>
    <message>
        <source>Комментарии</source>
        <translation>Comments</translation>
    </message>
    <message>
        <source>Влево</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Вправо</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Метка</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>Удал.</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>Перех.</source>
        <translation>Jump</translation>
    </message>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>PostTableViewModel</name>
    <message>
        <source>Таблица машины Поста. Сюда вписывается алгоритм.</source>
        <translation>The Post machine's table. The algorithm is written here.</translation>
    </message>
</context>
<context>
    <name>RunController</name>
    <message>
        <source>Очень медленно</source>
        <translation>Very slow</translation>
    </message>
    <message>
        <source>Медленно</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Быстро</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>Очень быстро</source>
        <translation>Very fast</translation>
    </message>
    <message>
        <source>Мгновенно</source>
        <translation>Instant</translation>
    </message>
    <message>
        <source>Средне</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>  -  точка останова</source>
        <translation>  -  breakpoint</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>влево</source>
        <translation>left</translation>
    </message>
    <message>
        <source>вправо</source>
        <translation>right</translation>
    </message>
    <message>
        <source>поставить метку</source>
        <translation>set a mark</translation>
    </message>
    <message>
        <source>стереть метку</source>
        <translation>erase the mark</translation>
    </message>
    <message>
        <source>переход по метке</source>
        <translation>jump on the mark</translation>
    </message>
    <message>
        <source>стоп</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>пусто</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>метка</source>
        <translation>mark</translation>
    </message>
    <message>
        <source>пробел</source>
        <translation>blank</translation>
    </message>
    <message>
        <source>ячейка %1, %2</source>
        <translation>cell %1, %2</translation>
    </message>
    <message>
        <source>, каретка</source>
        <translation>, carriage</translation>
    </message>
    <message>
        <source>если нет метки — %1, иначе %2</source>
        <translation>if no mark %1, else %2</translation>
    </message>
    <message>
        <source>%1, затем %2</source>
        <translation>%1, then %2</translation>
    </message>
    <message>
        <source>%1, переход не указан</source>
        <translation>%1, no jump given</translation>
    </message>
    <message>
        <source>%1, переход «%2»</source>
        <translation>%1, jump "%2"</translation>
    </message>
    <message>
        <source>записать %1, %2, в Q%3</source>
        <translation>write %1, %2, to Q%3</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>шаг:</source>
        <translation>step:</translation>
    </message>
    <message>
        <source>мин:</source>
        <translation>min:</translation>
    </message>
    <message>
        <source>макс:</source>
        <translation>max:</translation>
    </message>
    <message>
        <source>Изменен</source>
        <translation>Modified</translation>
    </message>
</context>
<context>
    <name>StepOutcome</name>
    <message>
        <source>  -  перевод каретки влево</source>
        <translation>  -  carriage left</translation>
    </message>
    <message>
        <source>  -  перевод каретки вправо</source>
        <translation>  -  carriage right</translation>
    </message>
    <message>
        <source>  -  ставим метку</source>
        <translation>  -  setting a mark</translation>
    </message>
    <message>
        <source>  -  удаляем метку</source>
        <translation>  -  erasing the mark</translation>
    </message>
    <message>
        <source>  -  метка есть, переход на строку </source>
        <translation>  -  a mark, jump to row </translation>
    </message>
    <message>
        <source>  -  метки нет,  переход на строку </source>
        <translation>  -  no mark,  jump to row </translation>
    </message>
    <message>
        <source>  -  метки нет, переход на строку </source>
        <translation>  -  no mark, jump to row </translation>
    </message>
    <message>
        <source>  -  завершение программы</source>
        <translation>  -  end of the program</translation>
    </message>
    <message>
        <source>Символ: </source>
        <translation>Symbol: </translation>
    </message>
    <message>
        <source>.   Состояние: q</source>
        <translation>.   State: q</translation>
    </message>
    <message>
        <source>   Перевод каретки вправо.</source>
        <translation>   Carriage right.</translation>
    </message>
    <message>
        <source>   Перевод каретки влево.</source>
        <translation>   Carriage left.</translation>
    </message>
    <message>
        <source>   Остановка машины.</source>
        <translation>   The machine stops.</translation>
    </message>
    <message>
        <source>Не указана команда!</source>
        <translation>No command given!</translation>
    </message>
    <message>
        <source>  -  ошибка:  не указана команда!</source>
        <translation>  -  error:  no command given!</translation>
    </message>
    <message>
        <source>Не указан номер отсылки!</source>
        <translation>No jump number given!</translation>
    </message>
    <message>
        <source>  -  ошибка:  не указан номер отсылки!</source>
        <translation>  -  error:  no jump number given!</translation>
    </message>
    <message>
        <source>Неверно указан номер отсылки!</source>
        <translation>Wrong jump number!</translation>
    </message>
    <message>
        <source>  -  ошибка: неверно указан номер отсылки</source>
        <translation>  -  error: wrong jump number</translation>
    </message>
    <message>
        <source>  -  ошибка:  неверно указан номер отсылки</source>
        <translation>  -  error:  wrong jump number</translation>
    </message>
    <message>
        <source>Команды с таким номером не существует!</source>
        <translation>There is no command with this number!</translation>
    </message>
    <message>
        <source>  -  ошибка:  команды с таким номером не существует</source>
        <translation>  -  error:  there is no command with this number</translation>
    </message>
    <message>
        <source>Нельзя ставить метку, где она уже есть!</source>
        <translation>A mark cannot be set where there is one!</translation>
    </message>
    <message>
        <source>  -  ошибка:  нельзя ставить метку, где она уже есть</source>
        <translation>  -  error:  a mark cannot be set where there is one</translation>
    </message>
    <message>
        <source>Нельзя стереть метку, где ее нет!</source>
        <translation>A mark cannot be erased where there is none!</translation>
    </message>
    <message>
        <source>  -  ошибка:  нельзя стереть метку, где ее нет</source>
        <translation>  -  error:  a mark cannot be erased where there is none</translation>
    </message>
    <message>
        <source>Cимвола &lt;</source>
        <translation>The symbol &lt;</translation>
    </message>
    <message>
        <source>&gt; нет в алфавите</source>
        <translation>&gt; is not in the alphabet</translation>
    </message>
    <message>
        <source>  -  ошибка:  данного символа нет в алфавите</source>
        <translation>  -  error:  this symbol is not in the alphabet</translation>
    </message>
    <message>
        <source>Не указана команда</source>
        <translation>No command given</translation>
    </message>
    <message>
        <source>  -  ошибка:  не указана команда</source>
        <translation>  -  error:  no command given</translation>
    </message>
    <message>
        <source>Неверная запись команды</source>
        <translation>Wrong command notation</translation>
    </message>
    <message>
        <source>  -  ошибка:  неверная запись команды</source>
        <translation>  -  error:  wrong command notation</translation>
    </message>
    <message>
        <source>Состояние  Q</source>
        <translation>State  Q</translation>
    </message>
    <message>
        <source>  отсутствует</source>
        <translation>  is missing</translation>
    </message>
    <message>
        <source>  -  ошибка:  cостояние  Q</source>
        <translation>  -  error:  state  Q</translation>
    </message>
    <message>
        <source>Программа зациклилась: с шага %1 машина повторяет одни и те же %2 шагов.</source>
        <translation>The program is looping: from step %1 the machine repeats the same %2 steps.</translation>
    </message>
    <message>
        <source>  -  ошибка:  программа зациклилась</source>
        <translation>  -  error:  the program is looping</translation>
    </message>
</context>
<context>
    <name>TapeAccessible</name>
    <message>
        <source>Информационная лента</source>
        <translation>Tape</translation>
    </message>
    <message>
        <source>Стрелки выбирают ячейку, Ctrl+стрелки двигают каретку, Home и End — края</source>
        <translation>The arrows choose a cell, Ctrl+arrows move the carriage, Home and End go to the ends</translation>
    </message>
</context>
<context>
    <name>TapeEditing</name>
    <message>
        <source>Интерпретатор машины Тьюринга</source>
        <translation>Turing machine interpreter</translation>
    </message>
    <message>
        <source>Вводимый символ &lt; </source>
        <translation>The symbol &lt; </translation>
    </message>
    <message>
        <source> &gt; отсутствует во внешнем алфавите. Добавить его в алфавит?</source>
        <translation> &gt; is not in the alphabet. Add it to the alphabet?</translation>
    </message>
</context>
<context>
    <name>TapeGridWidget</name>
    <message>
        <source>Информационная лента</source>
        <translation>Tape</translation>
    </message>
</context>
<context>
    <name>TapeHistoryPanel</name>
    <message>
        <source>влево</source>
        <translation>left</translation>
    </message>
    <message>
        <source>вправо</source>
        <translation>right</translation>
    </message>
    <message>
        <source>метка</source>
        <translation>mark</translation>
    </message>
    <message>
        <source>стереть</source>
        <translation>erase</translation>
    </message>
    <message>
        <source>переход</source>
        <translation>jump</translation>
    </message>
    <message>
        <source>стоп</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>исполнение не записано</source>
        <translation>the run was not recorded</translation>
    </message>
    <message>
        <source>рисунок слишком велик</source>
        <translation>the picture is too large</translation>
    </message>
    <message>
        <source>ошибка записи файла: </source>
        <translation>file write error: </translation>
    </message>
</context>
<context>
    <name>TapePanel</name>
    <message>
        <source>Перейти к ячейке номер...</source>
        <translation>Go to cell number...</translation>
    </message>
    <message>
        <source>Прокрутить до мининального значения</source>
        <translation>Scroll to the lowest cell</translation>
    </message>
    <message>
        <source>Прокрутить ленту влево</source>
        <translation>Scroll the tape left</translation>
    </message>
    <message>
        <source>Прокрутить ленту вправо</source>
        <translation>Scroll the tape right</translation>
    </message>
    <message>
        <source>Прокрутить до максимального значения</source>
        <translation>Scroll to the highest cell</translation>
    </message>
</context>
<context>
    <name>ToolPictures</name>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
</context>
<context>
    <name>TuringAlphabetPanel</name>
    <message>
        <source>Внешний алфавит: </source>
        <translation>Alphabet: </translation>
    </message>
    <message>
        <source>Редактор внешнего алфавит машины Тьюринга. Его можно спрятать</source>
        <translation>The Turing machine's alphabet editor. It can be hidden</translation>
    </message>
</context>
<context>
    <name>TuringDiagram</name>
    <message>
        <source>неверная запись команды</source>
        <translation>wrong command notation</translation>
    </message>
    <message>
        <source>символа </source>
        <translation>the symbol </translation>
    </message>
    <message>
        <source> нет в алфавите</source>
        <translation> is not in the alphabet</translation>
    </message>
    <message>
        <source>состояние </source>
        <translation>state </translation>
    </message>
    <message>
        <source> отсутствует</source>
        <translation> is missing</translation>
    </message>
    <message>
        <source>стоп</source>
        <translation>stop</translation>
    </message>
    <message>
        <source>строка </source>
        <translation>row </translation>
    </message>
    <message>
        <source>строка не относится к символу алфавита</source>
        <translation>the row belongs to no symbol of the alphabet</translation>
    </message>
</context>
<context>
    <name>TuringFile</name>
    <message>
        <source>Интерпретатор машины Тьюринга</source>
        <translation>Turing machine interpreter</translation>
    </message>
    <message>
        <source>Ошибка чтения файла! </source>
        <translation>File read error! </translation>
    </message>
    <message>
        <source>  Ошибка чтения файла!</source>
        <translation>  File read error!</translation>
    </message>
    <message>
        <source>Файл не является файлом машины Тьюринга или поврежден!</source>
        <translation>The file is not a Turing machine file or is damaged!</translation>
    </message>
    <message>
        <source> Ошибка: файл не является файлом машины Тьюринга или поврежден!</source>
        <translation> Error: the file is not a Turing machine file or is damaged!</translation>
    </message>
    <message>
        <source>Ошибка записи файла!</source>
        <translation>File write error!</translation>
    </message>
    <message>
        <source>  Ошибка записи файла!</source>
        <translation>  File write error!</translation>
    </message>
</context>
<context>
    <name>TuringMachine</name>
    <message>
        <source>, символ </source>
        <translation>, symbol </translation>
    </message>
    <message>
        <source>пробел</source>
        <translation>blank</translation>
    </message>
    <message>
        <source>символ </source>
        <translation>symbol </translation>
    </message>
    <message>
        <source>нет</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Машина Тьюринга</source>
        <translation>Turing machine</translation>
    </message>
</context>
<context>
    <name>TuringTable</name>
    <message>
        <source>Пробел</source>
        <translation>Blank</translation>
    </message>
</context>
<context>
    <name>TuringTableAccessible</name>
    <message>
        <source>Таблица машины Тьюринга</source>
        <translation>The Turing machine table</translation>
    </message>
</context>
<context>
    <name>TuringTablePanel</name>
    <message>
        <source>Шторка</source>
        <translation>Blind</translation>
    </message>
    <message>
        <source>Сюда можно записать пояснения к задаче</source>
        <translation>Notes on the task can be written here</translation>
    </message>
</context>
<context>
    <name>TuringTableView</name>
    <message>
        <source>Таблица машины Тьюринга. Сюда вписывается алгоритм.</source>
        <translation>The Turing machine's table. The algorithm is written here.</translation>
    </message>
</context>
<context>
    <name>ViewToggles</name>
    <message>
        <source>Показать панель инструментов</source>
        <translation>Show the toolbar</translation>
    </message>
    <message>
        <source>Скрыть панель инструментов</source>
        <translation>Hide the toolbar</translation>
    </message>
    <message>
        <source>Показать условие задачи</source>
        <translation>Show the statement</translation>
    </message>
    <message>
        <source>Скрыть условие задачи</source>
        <translation>Hide the statement</translation>
    </message>
    <message>
        <source>Показать алфавит</source>
        <translation>Show the alphabet</translation>
    </message>
    <message>
        <source>Скрыть алфавит</source>
        <translation>Hide the alphabet</translation>
    </message>
    <message>
        <source>Показать строку состояния</source>
        <translation>Show the status bar</translation>
    </message>
    <message>
        <source>Скрыть строку состояния</source>
        <translation>Hide the status bar</translation>
    </message>
</context>
<context>
    <name>Workbench</name>
    <message>
        <source>Сохранение файла машины Поста</source>
        <translation>Saving the Post machine file</translation>
    </message>
    <message>
        <source>Машина Поста|*.pst</source>
        <translation>Post machine|*.pst</translation>
    </message>
    <message>
        <source>Сохранение Машины Поста</source>
        <translation>Save Post Machine</translation>
    </message>
    <message>
        <source>Сохранение Машины Тьюринга</source>
        <translation>Save Turing Machine</translation>
    </message>
    <message>
        <source>Машина Тьюринга|*.tur</source>
        <translation>Turing machine|*.tur</translation>
    </message>
    <message>
        <source>Zebrin42 [машина Поста] - </source>
        <translation>Zebrin42 [Post machine] - </translation>
    </message>
    <message>
        <source>Zebrin42 [машина Тьюринга] - </source>
        <translation>Zebrin42 [Turing machine] - </translation>
    </message>
</context>
</TS>
