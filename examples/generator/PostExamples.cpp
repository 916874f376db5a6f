// The Post machine examples. Rows jump by label; an empty label in a jump
// means the row below. Numbers are unary: n marks in a row stand for n.
// Each cases file's first case is the tape stored in the document.

#include "ExampleSource.h"

namespace {

PostExample AddOne() {
    PostExample e;
    e.name = QStringLiteral("post-add-one");
    e.statement = {
        QStringLiteral("Прибавить к числу единицу."),
        QStringLiteral("На ленте записано число n > 0: n меток подряд. Каретка стоит"),
        QStringLiteral("на пустой клетке где-то левее числа. Нужно найти число"),
        QStringLiteral("и приписать к нему справа ещё одну метку, чтобы на ленте"),
        QStringLiteral("получилось число n + 1."),
    };
    e.tape = QStringLiteral("000111");
    e.program = {
        {QStringLiteral("search"), Right(), QStringLiteral("Шаг вправо: ищем число")},
        {{},
         IfMark(QStringLiteral("search"), QStringLiteral("along")),
         QStringLiteral("Метки нет — ищем дальше, метка есть — число найдено")},
        {QStringLiteral("along"), Right(), QStringLiteral("Шаг вправо по числу")},
        {{},
         IfMark({}, QStringLiteral("along")),
         QStringLiteral("Метка есть — идём дальше, метки нет — число кончилось")},
        {{}, Mark(), QStringLiteral("Ставим новую метку сразу за числом")},
        {{}, Stop(), QStringLiteral("Готово: на ленте число n + 1")},
    };
    e.cases = QStringLiteral(
        "# Прибавить к числу единицу. Лента пишется с клетки 0, каретка стоит\n"
        "# на клетке 0, левее числа.\n"
        "000111 => 1111\n"
        "01 => 11\n"
        "011 => 111\n"
        "0000011111 => 111111\n"
        "011111111 => 111111111\n"
        "0111111111111111 => 1111111111111111\n"
        "# каретка далеко слева от числа\n"
        "--carriage -20\n"
        "1 => 11\n"
        "0111 => 1111\n");
    return e;
}

PostExample Add() {
    PostExample e;
    e.name = QStringLiteral("post-add");
    e.statement = {
        QStringLiteral("Сложить два числа."),
        QStringLiteral("На ленте записаны два числа a и b (a > 0) через одну пустую"),
        QStringLiteral("клетку. Каретка стоит на самой левой метке первого числа."),
        QStringLiteral("Нужно получить на ленте одно число a + b: метки подряд,"),
        QStringLiteral("без пропусков."),
    };
    e.tape = QStringLiteral("111011");
    e.program = {
        {{}, Erase(), QStringLiteral("Стираем левую метку первого числа")},
        {QStringLiteral("right"), Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark({}, QStringLiteral("right")),
         QStringLiteral("Идём вправо до пустой клетки между числами")},
        {{}, Mark(), QStringLiteral("Ставим туда метку: числа слились")},
        {{}, Stop(), QStringLiteral("Готово: a + b меток подряд")},
    };
    e.cases = QStringLiteral(
        "# Сложить два числа, записанные через одну пустую клетку; каретка на\n"
        "# левой метке первого числа (клетка 0).\n"
        "111011 => 11111\n"
        "101 => 11\n"
        "11011 => 1111\n"
        "1011111 => 111111\n"
        "# второе число равно нулю\n"
        "1 => 1\n"
        "111 => 111\n");
    return e;
}

PostExample Join() {
    PostExample e;
    e.name = QStringLiteral("post-join");
    e.statement = {
        QStringLiteral("Соединить два массива."),
        QStringLiteral("На ленте два массива меток, между ними одна или несколько"),
        QStringLiteral("пустых клеток. Каретка стоит на самой левой метке левого"),
        QStringLiteral("массива. Нужно придвинуть левый массив вплотную к правому,"),
        QStringLiteral("чтобы все метки шли подряд, без пропусков."),
    };
    e.tape = QStringLiteral("1100011");
    e.program = {
        {QStringLiteral("take"), Erase(), QStringLiteral("Стираем левую метку левого массива")},
        {QStringLiteral("right"), Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark({}, QStringLiteral("right")),
         QStringLiteral("Идём до правого края левого массива")},
        {{}, Mark(), QStringLiteral("Метка справа: массив сдвинулся на клетку")},
        {{}, Right(), QStringLiteral("Смотрим на следующую клетку")},
        {{},
         IfMark(QStringLiteral("back"), QStringLiteral("done")),
         QStringLiteral("Метка есть — массивы сомкнулись")},
        {QStringLiteral("back"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back")),
         QStringLiteral("Идём влево до пустой клетки перед массивом")},
        {{}, Right(QStringLiteral("take")), QStringLiteral("Встаём на левую метку массива")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: массивы соединены")},
    };
    e.cases = QStringLiteral(
        "# Придвинуть левый массив вплотную к правому; каретка на левой метке\n"
        "# левого массива (клетка 0).\n"
        "1100011 => 1111\n"
        "101 => 11\n"
        "1000001 => 11\n"
        "11101111 => 1111111\n"
        "1000000000000000000011 => 111\n");
    return e;
}

PostExample Copy() {
    PostExample e;
    e.name = QStringLiteral("post-copy");
    e.statement = {
        QStringLiteral("Скопировать массив."),
        QStringLiteral("На ленте массив из n меток (n > 0), каретка стоит на его самой"),
        QStringLiteral("левой метке. Нужно записать справа от массива, через одну"),
        QStringLiteral("пустую клетку, его копию. Сам массив должен остаться на месте."),
        QStringLiteral("Подсказка: стёртая метка отмечает, до какого места массив"),
        QStringLiteral("уже скопирован."),
    };
    e.tape = QStringLiteral("111");
    e.program = {
        {QStringLiteral("take"), Erase(),
         QStringLiteral("Стираем очередную метку: пустая клетка отметит место")},
        {QStringLiteral("rest"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("rest")), QStringLiteral("Проходим остаток массива")},
        {{}, Right(), QStringLiteral("Переходим через пустую клетку к копии")},
        {QStringLiteral("skip"), IfMark(QStringLiteral("put"), {}),
         QStringLiteral("Метки нет — копия кончилась")},
        {{}, Right(QStringLiteral("skip")), QStringLiteral("Шаг вправо по копии")},
        {QStringLiteral("put"), Mark(), QStringLiteral("Дописываем метку в конец копии")},
        {QStringLiteral("back"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back")),
         QStringLiteral("Возвращаемся по копии до пустой клетки")},
        {QStringLiteral("back2"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back2")),
         QStringLiteral("Проходим массив влево до стёртой клетки")},
        {{}, Mark(), QStringLiteral("Восстанавливаем стёртую метку")},
        {{}, Right(), QStringLiteral("Шаг к следующей метке массива")},
        {{},
         IfMark(QStringLiteral("done"), QStringLiteral("take")),
         QStringLiteral("Метка есть — копируем её, нет — массив кончился")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: массив и его копия")},
    };
    e.cases = QStringLiteral(
        "# Копия массива справа через одну пустую клетку; каретка на левой\n"
        "# метке массива (клетка 0).\n"
        "111 => 1110111\n"
        "1 => 101\n"
        "11 => 11011\n"
        "11111 => 11111011111\n"
        "# массив в другом месте ленты\n"
        "--start -30\n"
        "1111 => 111101111\n");
    return e;
}

PostExample Double() {
    PostExample e;
    e.name = QStringLiteral("post-double");
    e.statement = {
        QStringLiteral("Удвоить число."),
        QStringLiteral("На ленте число n > 0 (n меток подряд), каретка стоит на его"),
        QStringLiteral("самой левой метке. Нужно получить на ленте число 2n: 2n меток"),
        QStringLiteral("подряд. Где именно на ленте окажется результат, неважно."),
        QStringLiteral("Подсказка: стирайте метки числа по одной и за каждую"),
        QStringLiteral("дописывайте две метки результата."),
    };
    e.tape = QStringLiteral("111");
    e.program = {
        {QStringLiteral("take"), Erase(), QStringLiteral("Стираем левую метку числа")},
        {QStringLiteral("rest"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("rest")), QStringLiteral("Проходим остаток числа")},
        {{}, Right(), QStringLiteral("Переходим через пустую клетку к результату")},
        {QStringLiteral("skip"), IfMark(QStringLiteral("put"), {}),
         QStringLiteral("Метки нет — результат кончился")},
        {{}, Right(QStringLiteral("skip")), QStringLiteral("Шаг вправо по результату")},
        {QStringLiteral("put"), Mark(), QStringLiteral("Первая из двух новых меток")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{}, Mark(), QStringLiteral("Вторая новая метка")},
        {QStringLiteral("back"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back")),
         QStringLiteral("Возвращаемся по результату до пустой клетки")},
        {QStringLiteral("back2"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back2")),
         QStringLiteral("Проходим остаток числа до стёртой клетки")},
        {{}, Right(), QStringLiteral("Шаг вправо: на левую метку остатка")},
        {{},
         IfMark(QStringLiteral("done"), QStringLiteral("take")),
         QStringLiteral("Метки нет — число исчерпано")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: на ленте 2n меток")},
    };
    e.cases = QStringLiteral(
                  "# Удвоить число; каретка на левой метке числа (клетка 0).\n"
                  "111 => 111111\n"
                  "1 => 11\n"
                  "11 => 1111\n"
                  "1111111 => 11111111111111\n"
                  "11111 => 1111111111\n"
                  "1111111111 => 11111111111111111111\n"
                  "# длинные входы: видно, что шаги растут как n²\n"
                  "%1 => %2\n"
                  "%3 => %4\n")
                  .arg(QString(16, u'1'), QString(32, u'1'), QString(25, u'1'), QString(50, u'1'));
    return e;
}

PostExample Compare() {
    PostExample e;
    e.name = QStringLiteral("post-compare");
    e.statement = {
        QStringLiteral("Сравнить два числа."),
        QStringLiteral("На ленте записаны два числа a > 0 и b > 0 через одну пустую"),
        QStringLiteral("клетку. Каретка стоит на самой левой метке первого числа."),
        QStringLiteral("Программа стирает оба числа и оставляет ответ: одну метку,"),
        QStringLiteral("если числа равны; две метки подряд, если больше первое;"),
        QStringLiteral("три метки подряд, если больше второе."),
        QStringLiteral("Подсказка: вычёркивайте по метке слева у первого числа и"),
        QStringLiteral("справа у второго, пока одно из них не кончится."),
    };
    e.tape = QStringLiteral("1110111");
    e.program = {
        {QStringLiteral("loop"), IfMark(QStringLiteral("aDone"), {}),
         QStringLiteral("Метки нет — первое число кончилось")},
        {{}, Erase(), QStringLiteral("Вычёркиваем левую метку первого числа")},
        {QStringLiteral("skipA"), Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark({}, QStringLiteral("skipA")),
         QStringLiteral("Проходим первое число до промежутка")},
        {{}, Right(), QStringLiteral("Шаг через промежуток ко второму числу")},
        {{},
         IfMark(QStringLiteral("aBigger"), {}),
         QStringLiteral("Метки нет — второе кончилось, первое больше")},
        {QStringLiteral("toEnd"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("toEnd")), QStringLiteral("Идём в конец второго числа")},
        {{}, Left(), QStringLiteral("Встаём на его последнюю метку")},
        {{}, Erase(), QStringLiteral("Вычёркиваем её: пара меток вычеркнута")},
        {QStringLiteral("backB"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("backB")),
         QStringLiteral("Идём влево по второму числу до промежутка")},
        {QStringLiteral("backA"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("backA")),
         QStringLiteral("Идём влево по первому числу до стёртой клетки")},
        {{}, Right(QStringLiteral("loop")), QStringLiteral("Встаём на левую метку первого числа")},
        {QStringLiteral("aDone"), Right(), QStringLiteral("Смотрим на второе число")},
        {{},
         IfMark(QStringLiteral("equal"), {}),
         QStringLiteral("Метки нет — второе тоже кончилось, числа равны")},
        {QStringLiteral("eraseB"), Erase(), QStringLiteral("Стираем остаток второго числа")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("eraseB")), QStringLiteral("Пока есть метки — стираем")},
        {{}, Mark(), QStringLiteral("Ответ — три метки: больше второе число")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{}, Mark(), QStringLiteral("Вторая метка ответа")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{}, Mark(QStringLiteral("done")), QStringLiteral("Третья метка ответа")},
        {QStringLiteral("aBigger"), Left(), QStringLiteral("Возвращаемся к промежутку")},
        {QStringLiteral("eraseA"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark(QStringLiteral("answer2"), {}),
         QStringLiteral("Метки нет — первое число стёрто")},
        {{}, Erase(QStringLiteral("eraseA")), QStringLiteral("Стираем остаток первого числа")},
        {QStringLiteral("answer2"), Mark(), QStringLiteral("Ответ — две метки: больше первое")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{}, Mark(QStringLiteral("done")), QStringLiteral("Вторая метка ответа")},
        {QStringLiteral("equal"), Mark(), QStringLiteral("Ответ — одна метка: числа равны")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: ответ на ленте")},
    };
    e.cases = QStringLiteral(
        "# Сравнить два числа, записанные через одну пустую клетку; каретка на\n"
        "# левой метке первого числа (клетка 0). Ответ: 1 — числа равны,\n"
        "# 11 — больше первое, 111 — больше второе.\n"
        "1110111 => 1\n"
        "101 => 1\n"
        "1101 => 11\n"
        "1011 => 111\n"
        "111101 => 11\n"
        "10111111 => 111\n"
        "1111101111 => 11\n"
        "111110111111 => 111\n");
    return e;
}

PostExample Subtract() {
    PostExample e;
    e.name = QStringLiteral("post-subtract");
    e.statement = {
        QStringLiteral("Вычесть из большего числа меньшее."),
        QStringLiteral("На ленте записаны два числа a и b (a >= b >= 0) через одну"),
        QStringLiteral("пустую клетку. Каретка стоит на самой левой метке первого"),
        QStringLiteral("числа (если a = 0, то на клетке, где оно начиналось бы)."),
        QStringLiteral("Нужно оставить на ленте число a - b. Если a = b, лента"),
        QStringLiteral("остаётся пустой."),
        QStringLiteral("Подсказка: вычёркивайте по метке справа у второго числа и"),
        QStringLiteral("слева у первого, пока второе не кончится."),
    };
    e.tape = QStringLiteral("11111011");
    e.program = {
        {QStringLiteral("skipA"), IfMark(QStringLiteral("gap"), {}),
         QStringLiteral("Метки нет — первое число пройдено, это промежуток")},
        {{}, Right(QStringLiteral("skipA")), QStringLiteral("Шаг вправо по первому числу")},
        {QStringLiteral("gap"), Right(), QStringLiteral("Шаг через промежуток ко второму числу")},
        {{},
         IfMark(QStringLiteral("done"), {}),
         QStringLiteral("Метки нет — второе число кончилось: ответ готов")},
        {QStringLiteral("toEndB"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("toEndB")), QStringLiteral("Идём в конец второго числа")},
        {{}, Left(), QStringLiteral("Встаём на его последнюю метку")},
        {{}, Erase(), QStringLiteral("Вычёркиваем её")},
        {QStringLiteral("backB"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("backB")),
         QStringLiteral("Идём влево по второму числу до промежутка")},
        {QStringLiteral("backA"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("backA")),
         QStringLiteral("Идём влево по первому числу до пустой клетки")},
        {{}, Right(), QStringLiteral("Встаём на левую метку первого числа")},
        {{}, Erase(), QStringLiteral("Вычёркиваем её: пара меток вычеркнута")},
        {{}, Right(QStringLiteral("skipA")), QStringLiteral("Шаг вправо и всё сначала")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: на ленте число a - b")},
    };
    e.cases = QStringLiteral(
        "# Вычесть из первого числа второе (a >= b), числа через одну пустую\n"
        "# клетку; каретка на левой метке первого числа (клетка 0).\n"
        "11111011 => 111\n"
        "11101 => 11\n"
        "1101 => 1\n"
        "111111101111 => 111\n"
        "# b = 0: число a остаётся как есть\n"
        "1 => 1\n"
        "1111 => 1111\n"
        "# a = b: лента становится пустой\n"
        "101 => \n"
        "1110111 => \n"
        "# a = b = 0: пустая лента\n"
        " => \n");
    return e;
}

PostExample Triple() {
    PostExample e;
    e.name = QStringLiteral("post-triple");
    e.statement = {
        QStringLiteral("Умножить число на три."),
        QStringLiteral("На ленте число n >= 0 (n меток подряд), каретка стоит на его"),
        QStringLiteral("самой левой метке (если n = 0 — на пустой клетке). Нужно"),
        QStringLiteral("получить на ленте число 3n: 3n меток подряд. Где именно на"),
        QStringLiteral("ленте окажется результат, неважно."),
        QStringLiteral("Подсказка: стирайте метки числа по одной и за каждую"),
        QStringLiteral("дописывайте справа, через пустую клетку, три метки результата."),
    };
    e.tape = QStringLiteral("11");
    e.program = {
        {QStringLiteral("take"), IfMark(QStringLiteral("done"), {}),
         QStringLiteral("Метки нет — число исчерпано")},
        {{}, Erase(), QStringLiteral("Стираем левую метку числа")},
        {QStringLiteral("rest"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("rest")), QStringLiteral("Проходим остаток числа")},
        {{}, Right(), QStringLiteral("Переходим через пустую клетку к результату")},
        {QStringLiteral("skip"), IfMark(QStringLiteral("put"), {}),
         QStringLiteral("Метки нет — результат кончился")},
        {{}, Right(QStringLiteral("skip")), QStringLiteral("Шаг вправо по результату")},
        {QStringLiteral("put"), Mark(), QStringLiteral("Первая из трёх новых меток")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{}, Mark(), QStringLiteral("Вторая новая метка")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{}, Mark(), QStringLiteral("Третья новая метка")},
        {QStringLiteral("back"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back")),
         QStringLiteral("Возвращаемся по результату до пустой клетки")},
        {QStringLiteral("back2"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back2")),
         QStringLiteral("Проходим остаток числа до стёртой клетки")},
        {{}, Right(QStringLiteral("take")), QStringLiteral("Шаг вправо: на левую метку остатка")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: на ленте 3n меток")},
    };
    e.cases = QStringLiteral(
        "# Умножить число на три; каретка на левой метке числа (клетка 0).\n"
        "11 => 111111\n"
        "1 => 111\n"
        "111 => 111111111\n"
        "11111 => 111111111111111\n"
        "# n = 0: лента пуста и остаётся пустой\n"
        " => \n");
    return e;
}

PostExample Parity() {
    PostExample e;
    e.name = QStringLiteral("post-parity");
    e.statement = {
        QStringLiteral("Определить, чётно ли число."),
        QStringLiteral("На ленте число n >= 0 (n меток подряд), каретка стоит на его"),
        QStringLiteral("самой левой метке (если n = 0 — на пустой клетке). Нужно"),
        QStringLiteral("стереть число и оставить ответ: одну метку, если n нечётно,"),
        QStringLiteral("и пустую ленту, если n чётно (ноль тоже чётный)."),
        QStringLiteral("Подсказка: стирайте метки парами."),
    };
    e.tape = QStringLiteral("11111");
    e.program = {
        {QStringLiteral("pair"), IfMark(QStringLiteral("done"), {}),
         QStringLiteral("Метки нет — число стёрто парами: оно чётное")},
        {{}, Erase(), QStringLiteral("Стираем первую метку пары")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark(QStringLiteral("odd"), {}),
         QStringLiteral("Метки нет — у последней метки нет пары: число нечётное")},
        {{}, Erase(), QStringLiteral("Стираем вторую метку пары")},
        {{}, Right(QStringLiteral("pair")), QStringLiteral("Шаг к следующей паре")},
        {QStringLiteral("odd"), Mark(), QStringLiteral("Ответ — одна метка: число нечётное")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: ответ на ленте")},
    };
    e.cases = QStringLiteral(
        "# Ответ: одна метка — число нечётное, пустая лента — чётное.\n"
        "# Каретка на левой метке числа (клетка 0).\n"
        "11111 => 1\n"
        "1 => 1\n"
        "11 => \n"
        "111 => 1\n"
        "1111 => \n"
        "11111111 => \n"
        "1111111111111 => 1\n"
        "# n = 0: ноль чётный\n"
        " => \n");
    return e;
}

PostExample MoveBlock() {
    PostExample e;
    e.name = QStringLiteral("post-move-block");
    e.statement = {
        QStringLiteral("Сдвинуть массив вправо на k клеток."),
        QStringLiteral("На ленте записано число k >= 0 (k меток подряд), справа от"),
        QStringLiteral("него через одну пустую клетку — массив из n > 0 меток."),
        QStringLiteral("Каретка стоит на самой левой метке числа k (если k = 0 — на"),
        QStringLiteral("пустой клетке перед массивом). Нужно сдвинуть массив на k"),
        QStringLiteral("клеток вправо; число k должно остаться на своём месте."),
        QStringLiteral("Подсказка: пересчитывайте метки числа k, временно стирая"),
        QStringLiteral("одну из них; за каждую сдвигайте массив на одну клетку."),
    };
    e.tape = QStringLiteral("110111");
    e.program = {
        {QStringLiteral("next"), IfMark(QStringLiteral("done"), {}),
         QStringLiteral("Метки нет — k = 0, сдвигать не нужно")},
        {{}, Right(), QStringLiteral("Смотрим на следующую клетку числа k")},
        {{},
         IfMark(QStringLiteral("last"), {}),
         QStringLiteral("Метки нет — это была последняя метка числа k")},
        {{}, Left(), QStringLiteral("Возвращаемся к пересчитываемой метке")},
        {{}, Erase(), QStringLiteral("Стираем её: пустая клетка отметит место счёта")},
        {QStringLiteral("count"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("count")), QStringLiteral("Проходим остаток числа k")},
        {QStringLiteral("gap"), Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark(QStringLiteral("gap"), {}),
         QStringLiteral("Проходим пустые клетки до массива")},
        {{}, Erase(), QStringLiteral("Стираем левую метку массива")},
        {QStringLiteral("block"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("block")), QStringLiteral("Проходим массив до конца")},
        {{}, Mark(), QStringLiteral("Метка справа: массив сдвинулся на клетку")},
        {QStringLiteral("backBlock"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("backBlock")),
         QStringLiteral("Идём влево по массиву до пустой клетки")},
        {QStringLiteral("backGap"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark(QStringLiteral("backGap"), {}),
         QStringLiteral("Идём влево по пустым клеткам до числа k")},
        {QStringLiteral("backCount"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("backCount")),
         QStringLiteral("Идём влево по числу k до стёртой метки")},
        {{}, Mark(), QStringLiteral("Восстанавливаем стёртую метку")},
        {{}, Right(QStringLiteral("next")), QStringLiteral("Переходим к следующей метке числа k")},
        {QStringLiteral("last"), Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark(QStringLiteral("last"), {}),
         QStringLiteral("Проходим пустые клетки до массива")},
        {{}, Erase(), QStringLiteral("Последний сдвиг: стираем левую метку массива")},
        {QStringLiteral("lastBlock"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("lastBlock")), QStringLiteral("Проходим массив до конца")},
        {{}, Mark(), QStringLiteral("Метка справа: массив сдвинут на k клеток")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: массив сдвинут")},
    };
    e.cases = QStringLiteral(
        "# Число k, через одну пустую клетку массив; каретка на левой метке\n"
        "# числа k (клетка 0). Между числом и массивом должно стать k + 1\n"
        "# пустых клеток.\n"
        "110111 => 11000111\n"
        "101 => 1001\n"
        "1011111 => 10011111\n"
        "111011 => 111000011\n"
        "1111101 => 111110000001\n"
        "# k = 0: каретка на пустой клетке перед массивом, массив на месте\n"
        "0111 => 111\n");
    return e;
}

PostExample Halve() {
    PostExample e;
    e.name = QStringLiteral("post-halve");
    e.statement = {
        QStringLiteral("Разделить число пополам."),
        QStringLiteral("На ленте число n >= 0 (n меток подряд), каретка стоит на его"),
        QStringLiteral("самой левой метке (если n = 0 — на пустой клетке). Нужно"),
        QStringLiteral("получить на ленте целую часть от деления n на 2: для чётного"),
        QStringLiteral("n — ровно n/2 меток, для нечётного — (n - 1)/2. Где именно"),
        QStringLiteral("на ленте окажется результат, неважно."),
        QStringLiteral("Подсказка: стирайте метки числа парами и за каждую пару"),
        QStringLiteral("дописывайте справа, через пустую клетку, одну метку результата."),
    };
    e.tape = QStringLiteral("111111");
    e.program = {
        {QStringLiteral("take"), IfMark(QStringLiteral("done"), {}),
         QStringLiteral("Метки нет — число исчерпано")},
        {{}, Erase(), QStringLiteral("Стираем первую метку пары")},
        {{}, Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark(QStringLiteral("done"), {}),
         QStringLiteral("Метки нет — осталась метка без пары, её не считаем")},
        {{}, Erase(), QStringLiteral("Стираем вторую метку пары")},
        {QStringLiteral("rest"), Right(), QStringLiteral("Шаг вправо")},
        {{}, IfMark({}, QStringLiteral("rest")), QStringLiteral("Проходим остаток числа")},
        {{}, Right(), QStringLiteral("Переходим через пустую клетку к результату")},
        {QStringLiteral("skip"), IfMark(QStringLiteral("put"), {}),
         QStringLiteral("Метки нет — результат кончился")},
        {{}, Right(QStringLiteral("skip")), QStringLiteral("Шаг вправо по результату")},
        {QStringLiteral("put"), Mark(), QStringLiteral("Дописываем метку результата")},
        {QStringLiteral("back"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back")),
         QStringLiteral("Возвращаемся по результату до пустой клетки")},
        {QStringLiteral("back2"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("back2")),
         QStringLiteral("Проходим остаток числа до стёртой клетки")},
        {{}, Right(QStringLiteral("take")), QStringLiteral("Шаг вправо: на левую метку остатка")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: на ленте n/2 меток")},
    };
    e.cases = QStringLiteral(
        "# Целая часть половины числа; каретка на левой метке числа (клетка 0).\n"
        "111111 => 111\n"
        "11 => 1\n"
        "1111 => 11\n"
        "11111111111 => 11111\n"
        "# нечётные: лишняя метка отбрасывается\n"
        "111 => 1\n"
        "1111111 => 111\n"
        "# n = 1 и n = 0: результат пустой\n"
        "1 => \n"
        " => \n");
    return e;
}

PostExample EraseBlock() {
    PostExample e;
    e.name = QStringLiteral("post-erase");
    e.statement = {
        QStringLiteral("Стереть массив."),
        QStringLiteral("На ленте массив из n > 0 меток подряд, больше на ленте"),
        QStringLiteral("ничего нет. Каретка стоит на одной из меток массива, неизвестно"),
        QStringLiteral("на какой. Нужно стереть весь массив."),
        QStringLiteral("Подсказка: сначала дойдите до левого края массива."),
    };
    e.tape = QStringLiteral("11111");
    e.carriage = 2;
    e.program = {
        {QStringLiteral("left"), Left(), QStringLiteral("Шаг влево")},
        {{},
         IfMark({}, QStringLiteral("left")),
         QStringLiteral("Идём влево до пустой клетки перед массивом")},
        {QStringLiteral("erase"), Right(), QStringLiteral("Шаг вправо")},
        {{},
         IfMark(QStringLiteral("done"), {}),
         QStringLiteral("Метки нет — массив стёрт целиком")},
        {{}, Erase(QStringLiteral("erase")), QStringLiteral("Стираем метку и идём дальше")},
        {QStringLiteral("done"), Stop(), QStringLiteral("Готово: лента пуста")},
    };
    e.cases = QStringLiteral(
        "# Массив с клетки 0; строка --carriage ставит каретку на нужную метку.\n"
        "--carriage 2\n"
        "11111 => \n"
        "--carriage 0\n"
        "# каретка на левой метке\n"
        "11111 => \n"
        "# единственная метка\n"
        "1 => \n"
        "--carriage 4\n"
        "# каретка на правой метке\n"
        "11111 => \n"
        "--carriage 9\n"
        "1111111111 => \n");
    return e;
}

}  // namespace

QVector<PostExample> PostExamples() {
    return {AddOne(),   Add(),    Join(),   Copy(),      Double(), Compare(),
            Subtract(), Triple(), Parity(), MoveBlock(), Halve(),  EraseBlock()};
}
