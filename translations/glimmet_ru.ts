<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Files</name>
    <message>
        <source>Choose the picture you need</source>
        <translation>Выберите нужное изображение</translation>
    </message>
    <message>
        <source>Could not open the picture:
</source>
        <translation>Не удалось открыть рисунок:
</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Файл не читается.</translation>
    </message>
    <message>
        <source>This is not a picture in a format the program knows.</source>
        <translation>Это не рисунок в известном программе формате.</translation>
    </message>
    <message>
        <source>The picture is damaged or cut short.</source>
        <translation>Рисунок повреждён или обрезан.</translation>
    </message>
    <message>
        <source>The picture is larger than the program reads.</source>
        <translation>Рисунок больше, чем читает программа.</translation>
    </message>
    <message>
        <source>There was not enough memory to read the picture.</source>
        <translation>Не хватило памяти, чтобы прочитать рисунок.</translation>
    </message>
    <message>
        <source>The picture shown has not changed.</source>
        <translation>Показанный рисунок остался прежним.</translation>
    </message>
    <message>
        <source>Could not save the picture:
</source>
        <translation>Не удалось сохранить рисунок:
</translation>
    </message>
    <message>
        <source>No file was written.</source>
        <translation>Файл не записан.</translation>
    </message>
    <message>
        <source>The picture could not be encoded.</source>
        <translation>Рисунок не удалось закодировать.</translation>
    </message>
    <message>
        <source>The old content of the file is lost.</source>
        <translation>Прежнее содержимое файла утрачено.</translation>
    </message>
    <message>
        <source>This file is the picture open in the window now:
</source>
        <translation>Этот файл — рисунок, открытый сейчас в окне:
</translation>
    </message>
    <message>
        <source>This file is the page of the HTML export:
</source>
        <translation>Этот файл — страница экспорта в HTML:
</translation>
    </message>
    <message>
        <source>Replace it with the picture being saved?</source>
        <translation>Заменить его сохраняемым рисунком?</translation>
    </message>
    <message>
        <source>Do you really want to write the picture into a file?</source>
        <translation>Вы действительно хотите записать рисунок в файл?</translation>
    </message>
    <message>
        <source>Could not open the file for appending:
</source>
        <translation>Не удалось открыть файл для дописывания:
</translation>
    </message>
    <message>
        <source>Nothing was exported.</source>
        <translation>Экспорт не выполнен.</translation>
    </message>
    <message>
        <source>The HTML page will not be appended to this file:
</source>
        <translation>Страница HTML не будет дописана в этот файл:
</translation>
    </message>
    <message>
        <source>This is the picture open in the window now.</source>
        <translation>Это рисунок, открытый сейчас в окне.</translation>
    </message>
    <message>
        <source>This is the picture last saved from the window.</source>
        <translation>Это рисунок, сохранённый из окна последним.</translation>
    </message>
    <message>
        <source>It holds a %1 picture, which a page would damage.</source>
        <translation>В нём рисунок формата %1, страница испортила бы его.</translation>
    </message>
</context>
<context>
    <name>Images</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>RGB key</source>
        <translation>RGB-ключ</translation>
    </message>
    <message>
        <source>Step X</source>
        <extracomment>The Russian has a Latin X here.</extracomment>
        <translation>Шаг X</translation>
    </message>
    <message>
        <source>Step Y</source>
        <extracomment>The Russian has a Cyrillic У here, as designed.</extracomment>
        <translation>Шаг У</translation>
    </message>
    <message>
        <source>ZOOM</source>
        <translation>ЗУМ</translation>
    </message>
    <message>
        <source>Fill text</source>
        <translation>Текст-Заполнение</translation>
    </message>
    <message>
        <source>Load the file you need...</source>
        <translation>Загрузите нужный вам файл...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Reason: </source>
        <translation>Причина: </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>The message box&apos;s OK button, in Cyrillic letters (Qt&apos;s own Russian keeps the Latin &quot;OK&quot;).</extracomment>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Файл или каталог не существует</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Доступ запрещён</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Нет свободного места на устройстве</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Слишком много открытых файлов</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Файловая система доступна только для чтения</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Файл слишком велик</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Это папка, а не файл</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Часть пути не является папкой</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Слишком длинное имя файла</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Файл уже существует</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Превышена дисковая квота</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Слишком много уровней символических ссылок</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Операция не разрешена</translation>
    </message>
    <message>
        <source>Too many open files in system</source>
        <translation>Слишком много открытых файлов в системе</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Устройство или ресурс заняты</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Файл занят</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Недопустимый аргумент</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Недостаточно памяти</translation>
    </message>
</context>
<context>
    <name>PictureFaults</name>
    <message>
        <source>it is a folder, not a file</source>
        <translation>это папка, а не файл</translation>
    </message>
    <message>
        <source>its first bytes are the signature of none of them</source>
        <translation>в начале файла нет подписи ни одного из читаемых форматов</translation>
    </message>
    <message>
        <source>the file ends inside its header</source>
        <translation>файл обрывается в заголовке</translation>
    </message>
    <message>
        <source>the pixel data is said to start beyond the end of the file</source>
        <translation>данные точек указаны за концом файла</translation>
    </message>
    <message>
        <source>the file ends after %1 of %2 bytes of pixel data</source>
        <translation>файл обрывается после %1 из %2 байт данных точек</translation>
    </message>
    <message>
        <source>the file ends inside its compressed pixel data, before the end marker</source>
        <translation>файл обрывается в сжатых данных точек, до метки конца</translation>
    </message>
    <message>
        <source>the file ends inside its first frame</source>
        <translation>файл обрывается в первом кадре</translation>
    </message>
    <message>
        <source>the file holds no frame</source>
        <translation>в файле нет ни одного кадра</translation>
    </message>
    <message>
        <source>unexpected block %1 at byte %2</source>
        <translation>неизвестный блок %1 в байте %2</translation>
    </message>
    <message>
        <source>the file does not start with a start-of-image marker</source>
        <translation>файл не начинается с метки начала рисунка</translation>
    </message>
    <message>
        <source>invalid segment length at byte %1</source>
        <translation>неверная длина сегмента в байте %1</translation>
    </message>
    <message>
        <source>the file ends before its end-of-image marker</source>
        <translation>файл обрывается до метки конца рисунка</translation>
    </message>
    <message>
        <source>the file ends before its closing IEND chunk</source>
        <translation>файл обрывается до завершающего блока IEND</translation>
    </message>
    <message>
        <source>invalid chunk length at byte %1</source>
        <translation>неверная длина блока в байте %1</translation>
    </message>
    <message>
        <source>a bitmap header of %1 bytes, a size no bitmap variant has</source>
        <translation>заголовка BMP длиной %1 байт не бывает</translation>
    </message>
    <message>
        <source>the header gives the size %1 x %2 pixels, which holds no pixel</source>
        <translation>в заголовке указан размер %1 × %2 точек, в нём нет ни одной точки</translation>
    </message>
    <message>
        <source>%1 bits per pixel with compression %2 is no bitmap variant</source>
        <translation>BMP с %1 битами на точку и сжатием %2 не бывает</translation>
    </message>
    <message>
        <source>the pixel data is said to start at byte %1, but the header, colour masks and colour table end at byte %2</source>
        <translation>данные точек указаны с байта %1, а заголовок, маски и таблица цветов кончаются только на байте %2</translation>
    </message>
    <message>
        <source>a colour table of %1 entries where the pixels can use %2</source>
        <translation>в таблице цветов %1 цветов, а точки могут ссылаться лишь на %2</translation>
    </message>
    <message>
        <source>the colour bit masks are all zero, overlap, have gaps or exceed the pixel</source>
        <translation>маски цветов пусты, перекрываются, имеют разрывы или выходят за точку</translation>
    </message>
    <message>
        <source>the compressed pixel data at byte %1 runs or jumps outside the picture</source>
        <translation>сжатые данные в байте %1 выходят за строку или за рисунок</translation>
    </message>
    <message>
        <source>colour index %1 beyond the colour table of %2 entries</source>
        <translation>номер цвета %1 вне таблицы из %2 цветов</translation>
    </message>
    <message>
        <source>the compressed pixel data stops before the picture is complete</source>
        <translation>сжатые данные точек кончаются раньше рисунка</translation>
    </message>
    <message>
        <source>the compressed pixel data is corrupt</source>
        <translation>сжатые данные точек испорчены</translation>
    </message>
    <message>
        <source>the compressed pixel data holds more than the picture</source>
        <translation>в сжатых данных точек больше, чем в рисунке</translation>
    </message>
    <message>
        <source>a part of the file does not match its checksum</source>
        <translation>часть файла не сходится со своей контрольной суммой</translation>
    </message>
    <message>
        <source>the header gives %1 colour planes where a bitmap has 1</source>
        <translation>в заголовке указано плоскостей цвета: %1, а в BMP бывает одна</translation>
    </message>
    <message>
        <source>it has more than %1 progressive scans, beyond the limit of %1 scans that are read</source>
        <translation>в рисунке больше %1 проходов, а предел программы — %1 проходов</translation>
    </message>
    <message>
        <source>the format&apos;s decoder refuses it</source>
        <translation>декодер формата отказался его читать</translation>
    </message>
    <message>
        <source>it is %1 x %2 pixels; at most %3 pixels (%4 x %4) in all are read</source>
        <translation>в нём %1 × %2 точек, а читаются рисунки не больше %3 точек (%4 × %4) всего</translation>
    </message>
    <message>
        <source>not enough memory to decode its %1 x %2 pixels</source>
        <translation>в нём %1 × %2 точек</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Size of the selected area: </source>
        <translation>Размеры выделенной области: </translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The file was written successfully !</source>
        <translation>Файл успешно записан !</translation>
    </message>
    <message>
        <source>The page was not written in full: lines lost: </source>
        <translation>Страница записана не полностью: потеряно строк: </translation>
    </message>
    <message>
        <source>Cannot transfer: no HTML page file is chosen. Choose it with “Export to HTML” or choose another fill.</source>
        <translation>Перенос невозможен: файл HTML-страницы не выбран. Выберите его командой «Экспорт в HTML» или выберите другой способ заполнения.</translation>
    </message>
    <message>
        <source>Cannot transfer: the bounds of the selected area go beyond -32768 to 32767.</source>
        <translation>Перенос невозможен: границы выделенной области выходят за пределы от -32768 до 32767.</translation>
    </message>
    <message>
        <source>Cannot transfer: the output picture would be too large. At most 16384 pixels a side and at most 64 million pixels in all are allowed; make the selected area or the zoom smaller.</source>
        <translation>Перенос невозможен: выходной рисунок был бы слишком велик. Допустимо не больше 16384 точек по каждой стороне и не больше 64 миллионов точек всего; уменьшите выделенную область или зум.</translation>
    </message>
    <message>
        <source>Cannot transfer: not enough memory for the output picture.</source>
        <translation>Перенос невозможен: не хватает памяти для выходного рисунка.</translation>
    </message>
    <message>
        <source>Transfer stopped: the sampling step is zero.</source>
        <translation>Перенос прерван: шаг выборки равен нулю.</translation>
    </message>
    <message>
        <source>Transfer stopped: the size of the selected area goes beyond 16 bits.</source>
        <translation>Перенос прерван: размеры выделенной области выходят за пределы 16 бит.</translation>
    </message>
    <message>
        <source>Transfer stopped: the position or size of a mark on the output picture goes beyond -32768 to 32767; make the zoom or the selected area smaller.</source>
        <translation>Перенос прерван: положение или размер отметки на выходном рисунке выходит за пределы от -32768 до 32767; уменьшите зум или выделенную область.</translation>
    </message>
    <message>
        <source>Transfer stopped: a sample coordinate went beyond -32768 to 32767.</source>
        <translation>Перенос прерван: координата выборки вышла за пределы от -32768 до 32767.</translation>
    </message>
    <message>
        <source>Transfer stopped: not enough memory. The lines already written to the HTML page stay in it.</source>
        <translation>Перенос прерван: не хватает памяти. Строки, уже записанные в HTML-страницу, остаются в ней.</translation>
    </message>
    <message>
        <source>Cannot transfer: another program is writing to the HTML page file “</source>
        <translation>Перенос невозможен: в файл HTML-страницы «</translation>
    </message>
    <message>
        <source>” now. Wait until it ends or choose another file.</source>
        <translation>» сейчас пишет другая программа. Дождитесь её окончания или выберите другой файл.</translation>
    </message>
    <message>
        <source>Transfer stopped: the count of samples or the character number of the fill text overflowed.</source>
        <translation>Перенос прерван: счётчик выборок или номер символа текста-заполнения переполнился.</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Actions</source>
        <translation>Действия</translation>
    </message>
    <message>
        <source>Waiting for your actions.</source>
        <extracomment>The Russian &quot;дейстивий&quot; is misspelt in the design and kept so on purpose.</extracomment>
        <translation>Жду ваших дейстивий.</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Точки</translation>
    </message>
    <message>
        <source>Circles</source>
        <translation>Круги</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Квадраты</translation>
    </message>
    <message>
        <source>Text </source>
        <extracomment>Followed by the fill text.</extracomment>
        <translation>Текст </translation>
    </message>
    <message>
        <source>Equal</source>
        <translation>Равно</translation>
    </message>
    <message>
        <source>Not equal</source>
        <translation>Не равно</translation>
    </message>
    <message>
        <source>Greater</source>
        <translation>Больше</translation>
    </message>
    <message>
        <source>Lesser</source>
        <translation>Меньше</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Обратить</translation>
    </message>
    <message>
        <source>Tolerance…</source>
        <translation>Допуск…</translation>
    </message>
    <message>
        <source>Colour tolerance</source>
        <translation>Допуск цвета</translation>
    </message>
    <message>
        <source>For the comparisons “Equal” and “Not equal”:
how much each component of the colour
(red, green, blue) may differ, from 0 to 255</source>
        <translation>Для сравнений «Равно» и «Не равно»:
на сколько может отличаться каждая составляющая цвета
(красная, зелёная, синяя), от 0 до 255</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
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
        <source>Export to HTML</source>
        <translation>Экспорт в HTML</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Заполнение</translation>
    </message>
    <message>
        <source>With points</source>
        <translation>Точками</translation>
    </message>
    <message>
        <source>With circles</source>
        <translation>Кругами</translation>
    </message>
    <message>
        <source>With squares</source>
        <translation>Квадратами</translation>
    </message>
    <message>
        <source>With text</source>
        <translation>Текстом</translation>
    </message>
    <message>
        <source>Colour comparison</source>
        <translation>Тип выборки цвета</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
</context>
</TS>
