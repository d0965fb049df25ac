<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ExportFileDialog</name>
    <message>
        <source>Export the listed persons</source>
        <translation>Экспортировать людей из списка</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>%1 is the name of a file format, %2 the patterns of its file names (*.vcf *.vcard).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>FamilyBoxText</name>
    <message>
        <source>no record</source>
        <extracomment>A relationship names an ID that no person&apos;s record has.</extracomment>
        <translation>нет записи</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>запись удалена</translation>
    </message>
    <message>
        <source>born %1</source>
        <extracomment>%1 is a year of birth.</extracomment>
        <translation>год рождения: %1</translation>
    </message>
    <message>
        <source>born ?</source>
        <translation>год рождения: ?</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The label of a man&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>М</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The label of a woman&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>Ж</translation>
    </message>
    <message>
        <source>the chosen person</source>
        <translation>выбранный человек</translation>
    </message>
    <message>
        <source>%1 of the chosen person</source>
        <extracomment>%1 is the relation: &quot;mother&quot;, &quot;twin brother&quot;, &quot;grandchild&quot;.</extracomment>
        <translation>%1 выбранного человека</translation>
    </message>
</context>
<context>
    <name>ImportFileDialog</name>
    <message>
        <source>All importable files (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</source>
        <translation>Все файлы для импорта (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</translation>
    </message>
    <message>
        <source>GEDCOM (*.ged *.GED)</source>
        <translation>GEDCOM (*.ged *.GED)</translation>
    </message>
    <message>
        <source>vCard (*.vcf *.VCF *.vcard)</source>
        <translation>vCard (*.vcf *.VCF *.vcard)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv *.CSV)</source>
        <translation>Значения, разделённые запятыми (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>Import persons</source>
        <translation>Импортировать людей</translation>
    </message>
</context>
<context>
    <name>PersonField</name>
    <message>
        <source>Optional ID</source>
        <translation>Дополнительный ID</translation>
    </message>
    <message>
        <source>OptionalID</source>
        <translation>Дополнительный ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Отчество</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Город</translation>
    </message>
    <message>
        <source>County/Province</source>
        <translation>Область/Провинция</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Почтовый индекс</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Страна</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Телефон 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Телефон 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Факс</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Мобильный телефон</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Изображение PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Рисунок SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Документ PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Сохранить изображение</translation>
    </message>
</context>
<context>
    <name>orvanel::ContactTab</name>
    <message>
        <source>Street &amp;Address</source>
        <translation>&amp;Адрес</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>&amp;Город</translation>
    </message>
    <message>
        <source>Co&amp;unty/Province</source>
        <translation>Об&amp;ласть/Провинция</translation>
    </message>
    <message>
        <source>&amp;Post Code</source>
        <translation>&amp;Почтовый индекс</translation>
    </message>
    <message>
        <source>Cou&amp;ntry</source>
        <translation>&amp;Страна</translation>
    </message>
    <message>
        <source>Phone &amp;1</source>
        <translation>Телефон &amp;1</translation>
    </message>
    <message>
        <source>Phone &amp;2</source>
        <translation>Телефон &amp;2</translation>
    </message>
    <message>
        <source>Fa&amp;x</source>
        <translation>&amp;Факс</translation>
    </message>
    <message>
        <source>Mo&amp;bile phone</source>
        <translation>Моб&amp;ильный телефон</translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation>&amp;Эл. почта</translation>
    </message>
</context>
<context>
    <name>orvanel::DateField</name>
    <message>
        <source>Choose a date</source>
        <translation>Выбрать дату</translation>
    </message>
    <message>
        <source>Choose a date (Alt+Down)</source>
        <translation>Выбрать дату (Alt+стрелка вниз)</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; does not hold a whole date. Please type it as year/month/day, for example 1950/12/31.</source>
        <translation>Поле «%1» не содержит полной даты. Введите её в виде год/месяц/день, например 1950/12/31.</translation>
    </message>
    <message>
        <source>Date as yyyy/m/d, for example 1950/12/31; Alt+Down opens a calendar</source>
        <translation>Дата в виде гггг/м/д, например 1950/12/31; Alt+Вниз открывает календарь</translation>
    </message>
</context>
<context>
    <name>orvanel::Export</name>
    <message>
        <source>The register&apos;s own files cannot be replaced by an export: %1</source>
        <extracomment>%1 is the path of the file chosen for the export.</extracomment>
        <translation>Собственные файлы реестра нельзя заменить при экспорте: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) lead to persons outside the export and were left out.</source>
        <translation>
            <numerusform>%n родственная связь ведёт к людям вне экспорта и была пропущена.</numerusform>
            <numerusform>%n родственные связи ведут к людям вне экспорта и были пропущены.</numerusform>
            <numerusform>%n родственных связей ведут к людям вне экспорта и были пропущены.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) of an unknown kind, or of a person with themselves, were left out.</source>
        <translation>
            <numerusform>%n родственная связь неизвестного вида или человека с самим собой была пропущена.</numerusform>
            <numerusform>%n родственные связи неизвестного вида или человека с самим собой были пропущены.</numerusform>
            <numerusform>%n родственных связей неизвестного вида или человека с самим собой были пропущены.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parent(s) beyond a child&apos;s first two were written in families of their own.</source>
        <translation>
            <numerusform>%n родитель сверх первых двух у ребёнка записан в отдельную семью.</numerusform>
            <numerusform>%n родителя сверх первых двух у ребёнка записаны в отдельные семьи.</numerusform>
            <numerusform>%n родителей сверх первых двух у ребёнка записаны в отдельные семьи.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orvanel::ExportFormat</name>
    <message>
        <source>vCard 4.0</source>
        <translation>vCard 4.0</translation>
    </message>
    <message>
        <source>Comma-separated values</source>
        <translation>Значения, разделённые запятыми</translation>
    </message>
    <message>
        <source>GEDCOM 5.5.1</source>
        <translation>GEDCOM 5.5.1</translation>
    </message>
    <message>
        <source>GEDCOM 7.0</source>
        <translation>GEDCOM 7.0</translation>
    </message>
</context>
<context>
    <name>orvanel::FamilyWords</name>
    <message>
        <source>chosen person</source>
        <translation>выбранный человек</translation>
    </message>
    <message>
        <source>father</source>
        <translation>отец</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>мать</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>родитель</translation>
    </message>
    <message numerus="yes">
        <source>%n parent</source>
        <translation>
            <numerusform>%n родитель</numerusform>
            <numerusform>%n родителя</numerusform>
            <numerusform>%n родителей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parents</source>
        <translation>
            <numerusform>%n родитель</numerusform>
            <numerusform>%n родителя</numerusform>
            <numerusform>%n родителей</numerusform>
        </translation>
    </message>
    <message>
        <source>grandfather</source>
        <translation>дедушка</translation>
    </message>
    <message>
        <source>grandmother</source>
        <translation>бабушка</translation>
    </message>
    <message>
        <source>grandparent</source>
        <translation>дедушка или бабушка</translation>
    </message>
    <message numerus="yes">
        <source>%n grandparent</source>
        <translation>
            <numerusform>%n дедушка или бабушка</numerusform>
            <numerusform>%n дедушки или бабушки</numerusform>
            <numerusform>%n дедушек или бабушек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandparents</source>
        <translation>
            <numerusform>%n дедушка или бабушка</numerusform>
            <numerusform>%n дедушки или бабушки</numerusform>
            <numerusform>%n дедушек или бабушек</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandfather</source>
        <translation>прадедушка</translation>
    </message>
    <message>
        <source>great-grandmother</source>
        <translation>прабабушка</translation>
    </message>
    <message>
        <source>great-grandparent</source>
        <translation>прадедушка или прабабушка</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparent</source>
        <translation>
            <numerusform>%n прадедушка или прабабушка</numerusform>
            <numerusform>%n прадедушки или прабабушки</numerusform>
            <numerusform>%n прадедушек или прабабушек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparents</source>
        <translation>
            <numerusform>%n прадедушка или прабабушка</numerusform>
            <numerusform>%n прадедушки или прабабушки</numerusform>
            <numerusform>%n прадедушек или прабабушек</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandfather</source>
        <translation>прапрадедушка</translation>
    </message>
    <message>
        <source>great-great-grandmother</source>
        <translation>прапрабабушка</translation>
    </message>
    <message>
        <source>great-great-grandparent</source>
        <translation>прапрадедушка или прапрабабушка</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparent</source>
        <translation>
            <numerusform>%n прапрадедушка или прапрабабушка</numerusform>
            <numerusform>%n прапрадедушки или прапрабабушки</numerusform>
            <numerusform>%n прапрадедушек или прапрабабушек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparents</source>
        <translation>
            <numerusform>%n прапрадедушка или прапрабабушка</numerusform>
            <numerusform>%n прапрадедушки или прапрабабушки</numerusform>
            <numerusform>%n прапрадедушек или прапрабабушек</numerusform>
        </translation>
    </message>
    <message>
        <source>twin brother</source>
        <translation>брат-близнец</translation>
    </message>
    <message>
        <source>twin sister</source>
        <translation>сестра-близнец</translation>
    </message>
    <message>
        <source>twin</source>
        <translation>близнец</translation>
    </message>
    <message numerus="yes">
        <source>%n twin</source>
        <translation>
            <numerusform>%n близнец</numerusform>
            <numerusform>%n близнеца</numerusform>
            <numerusform>%n близнецов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n twins</source>
        <translation>
            <numerusform>%n близнец</numerusform>
            <numerusform>%n близнеца</numerusform>
            <numerusform>%n близнецов</numerusform>
        </translation>
    </message>
    <message>
        <source>brother</source>
        <translation>брат</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>сестра</translation>
    </message>
    <message>
        <source>sibling</source>
        <translation>брат или сестра</translation>
    </message>
    <message numerus="yes">
        <source>%n sibling</source>
        <translation>
            <numerusform>%n брат или сестра</numerusform>
            <numerusform>%n брата или сестры</numerusform>
            <numerusform>%n братьев или сестёр</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n siblings</source>
        <translation>
            <numerusform>%n брат или сестра</numerusform>
            <numerusform>%n брата или сестры</numerusform>
            <numerusform>%n братьев или сестёр</numerusform>
        </translation>
    </message>
    <message>
        <source>son</source>
        <translation>сын</translation>
    </message>
    <message>
        <source>daughter</source>
        <translation>дочь</translation>
    </message>
    <message>
        <source>child</source>
        <translation>ребёнок</translation>
    </message>
    <message numerus="yes">
        <source>%n child</source>
        <translation>
            <numerusform>%n ребёнок</numerusform>
            <numerusform>%n ребёнка</numerusform>
            <numerusform>%n детей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n children</source>
        <translation>
            <numerusform>%n ребёнок</numerusform>
            <numerusform>%n ребёнка</numerusform>
            <numerusform>%n детей</numerusform>
        </translation>
    </message>
    <message>
        <source>grandson</source>
        <translation>внук</translation>
    </message>
    <message>
        <source>granddaughter</source>
        <translation>внучка</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>внук или внучка</translation>
    </message>
    <message numerus="yes">
        <source>%n grandchild</source>
        <translation>
            <numerusform>%n внук или внучка</numerusform>
            <numerusform>%n внука или внучки</numerusform>
            <numerusform>%n внуков или внучек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandchildren</source>
        <translation>
            <numerusform>%n внук или внучка</numerusform>
            <numerusform>%n внука или внучки</numerusform>
            <numerusform>%n внуков или внучек</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandson</source>
        <translation>правнук</translation>
    </message>
    <message>
        <source>great-granddaughter</source>
        <translation>правнучка</translation>
    </message>
    <message>
        <source>great-grandchild</source>
        <translation>правнук или правнучка</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchild</source>
        <translation>
            <numerusform>%n правнук или правнучка</numerusform>
            <numerusform>%n правнука или правнучки</numerusform>
            <numerusform>%n правнуков или правнучек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchildren</source>
        <translation>
            <numerusform>%n правнук или правнучка</numerusform>
            <numerusform>%n правнука или правнучки</numerusform>
            <numerusform>%n правнуков или правнучек</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandson</source>
        <translation>праправнук</translation>
    </message>
    <message>
        <source>great-great-granddaughter</source>
        <translation>праправнучка</translation>
    </message>
    <message>
        <source>great-great-grandchild</source>
        <translation>праправнук или праправнучка</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchild</source>
        <translation>
            <numerusform>%n праправнук или праправнучка</numerusform>
            <numerusform>%n праправнука или праправнучки</numerusform>
            <numerusform>%n праправнуков или праправнучек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchildren</source>
        <translation>
            <numerusform>%n праправнук или праправнучка</numerusform>
            <numerusform>%n праправнука или праправнучки</numerusform>
            <numerusform>%n праправнуков или праправнучек</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Stands between the counts of the family picture&apos;s summary: &quot;2 parents, 3 siblings&quot;.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>orvanel::GeneralTab</name>
    <message>
        <source>Sex</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>M&amp;ale</source>
        <translation>М&amp;ужской</translation>
    </message>
    <message>
        <source>&amp;Female</source>
        <translation>&amp;Женский</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Optional &amp;ID</source>
        <translation>До&amp;полнительный ID</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>Midd&amp;le Name</source>
        <translation>О&amp;тчество</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Фамилия</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translation>&amp;Дата рождения</translation>
    </message>
    <message>
        <source>(not readable)</source>
        <translation>(не читается)</translation>
    </message>
</context>
<context>
    <name>orvanel::Import</name>
    <message>
        <source>Born: %1</source>
        <extracomment>A line added to an imported person&apos;s comment for a birth date that is not an exact day (a year alone, a day without a year, words). %1 is the date as the file wrote it.</extracomment>
        <translation>Дата рождения: %1</translation>
    </message>
    <message>
        <source>expected at most %1 persons in one file</source>
        <extracomment>%1 is a number of persons.</extracomment>
        <translation>ожидалось не более %1 человек в одном файле</translation>
    </message>
    <message>
        <source>expected UTF-16 text, found a broken character</source>
        <translation>ожидался текст в UTF-16, найден повреждённый символ</translation>
    </message>
    <message>
        <source>expected UTF-16 text, the file is cut short</source>
        <translation>ожидался текст в UTF-16, но файл обрывается</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>An import refused. %1 is the line number in the file, %2 what was wrong or expected.</extracomment>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>expected text, found the character %1, which a data file cannot hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>ожидался текст, найден символ %1, который не может храниться в файле данных</translation>
    </message>
    <message>
        <source>expected UTF-8 text (a spreadsheet can save CSV as UTF-8)</source>
        <translation>ожидался текст в UTF-8 (табличный редактор может сохранить CSV в UTF-8)</translation>
    </message>
    <message>
        <source>expected a file of at most %1 MiB</source>
        <extracomment>%1 is a number of mebibytes.</extracomment>
        <translation>ожидался файл размером не более %1 МиБ</translation>
    </message>
    <message>
        <source>expected a header naming the columns, such as First Name, Last Name or E-mail Address</source>
        <translation>ожидалась строка заголовка с названиями столбцов, например First Name, Last Name или E-mail Address</translation>
    </message>
    <message>
        <source>expected %1 fields as the header has, found %2</source>
        <extracomment>%1 and %2 are numbers of fields.</extracomment>
        <translation>ожидалось столько же полей, сколько в заголовке (%1), найдено %2</translation>
    </message>
    <message>
        <source>expected a field of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>ожидалось поле длиной не более %1 байт</translation>
    </message>
    <message>
        <source>expected the closing quote of a field: the file is cut short</source>
        <translation>ожидалась закрывающая кавычка поля: файл обрывается</translation>
    </message>
    <message>
        <source>expected a delimiter after the closing quote</source>
        <translation>ожидался разделитель после закрывающей кавычки</translation>
    </message>
    <message>
        <source>expected a record of at most %1 fields</source>
        <extracomment>%1 is a number of fields.</extracomment>
        <translation>ожидалась запись не более чем из %1 полей</translation>
    </message>
    <message>
        <source>a family of at most %1 children</source>
        <extracomment>%1 is a number of children.</extracomment>
        <translation>не более %1 детей в одной семье</translation>
    </message>
    <message>
        <source>at most %1 relationships in a file</source>
        <extracomment>%1 is a number of relationships.</extracomment>
        <translation>не более %1 родственных связей в файле</translation>
    </message>
    <message>
        <source>GEDCOM version 5.5, 5.5.1 or 7.0, found %1</source>
        <extracomment>%1 is the GEDCOM version a file gives, exactly as written there.</extracomment>
        <translation>GEDCOM версии 5.5, 5.5.1 или 7.0, найдена версия %1</translation>
    </message>
    <message>
        <source>an identifier not used before, found %1 of line %2 again</source>
        <extracomment>%1 is a record&apos;s identifier such as @I1@, %2 the line where it first stood.</extracomment>
        <translation>ещё не использованный идентификатор, а снова найден %1 из строки %2</translation>
    </message>
    <message>
        <source>line %1: expected %2</source>
        <extracomment>%1 is a line number of the file being imported, %2 says what should have been there.</extracomment>
        <translation>строка %1: ожидалось %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB and cannot be imported.</source>
        <extracomment>%1 is the file&apos;s path, %2 the largest size in megabytes.</extracomment>
        <translation>«%1» больше %2 МБ, и его нельзя импортировать.</translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <translation>
            <numerusform>%n человек</numerusform>
            <numerusform>%n человека</numerusform>
            <numerusform>%n человек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationships</source>
        <translation>
            <numerusform>%n родственная связь</numerusform>
            <numerusform>%n родственные связи</numerusform>
            <numerusform>%n родственных связей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n partnerships without children</source>
        <translation>
            <numerusform>%n союз без детей</numerusform>
            <numerusform>%n союза без детей</numerusform>
            <numerusform>%n союзов без детей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events other than birth</source>
        <translation>
            <numerusform>%n событие, кроме рождения</numerusform>
            <numerusform>%n события, кроме рождения</numerusform>
            <numerusform>%n событий, кроме рождения</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sources</source>
        <translation>
            <numerusform>%n источник</numerusform>
            <numerusform>%n источника</numerusform>
            <numerusform>%n источников</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures or other media</source>
        <translation>
            <numerusform>%n снимок или другой медиафайл</numerusform>
            <numerusform>%n снимка или других медиафайла</numerusform>
            <numerusform>%n снимков или других медиафайлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximate birth dates (kept in the comment)</source>
        <translation>
            <numerusform>%n приблизительная дата рождения (сохранена в комментарии)</numerusform>
            <numerusform>%n приблизительные даты рождения (сохранены в комментарии)</numerusform>
            <numerusform>%n приблизительных дат рождения (сохранены в комментарии)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links to records the file does not hold</source>
        <translation>
            <numerusform>%n ссылка на запись, которой нет в файле</numerusform>
            <numerusform>%n ссылки на записи, которых нет в файле</numerusform>
            <numerusform>%n ссылок на записи, которых нет в файле</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links that would make a person their own ancestor</source>
        <translation>
            <numerusform>%n связь, из-за которой человек стал бы своим же предком</numerusform>
            <numerusform>%n связи, из-за которых человек стал бы своим же предком</numerusform>
            <numerusform>%n связей, из-за которых человек стал бы своим же предком</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other details</source>
        <translation>
            <numerusform>%n другая подробность</numerusform>
            <numerusform>%n другие подробности</numerusform>
            <numerusform>%n других подробностей</numerusform>
        </translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Stands between the counted items of the import&apos;s summary.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>%1, %2.</source>
        <extracomment>%1 is a count of persons (&quot;12 persons&quot;), %2 of relationships (&quot;15 relationships&quot;).</extracomment>
        <translation>%1, %2.</translation>
    </message>
    <message>
        <source>Not kept: %1</source>
        <extracomment>%1 is the list of what the register cannot keep, each counted.</extracomment>
        <translation>Не сохранено: %1</translation>
    </message>
    <message>
        <source>Added: %1, %2.</source>
        <extracomment>%1 is a count of persons (&quot;12 persons&quot;), %2 of relationships (&quot;15 relationships&quot;).</extracomment>
        <translation>Добавлено: %1, %2.</translation>
    </message>
    <message>
        <source>expected END:VCARD within %1 properties</source>
        <extracomment>%1 is a number of properties.</extracomment>
        <translation>ожидалось END:VCARD не позже чем через %1 свойств</translation>
    </message>
    <message>
        <source>expected a vCard property (NAME:value)</source>
        <translation>ожидалось свойство vCard (ИМЯ:значение)</translation>
    </message>
    <message>
        <source>expected a property of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>ожидалось свойство длиной не более %1 байт</translation>
    </message>
    <message>
        <source>expected BEGIN:VCARD</source>
        <translation>ожидалось BEGIN:VCARD</translation>
    </message>
    <message>
        <source>expected VERSION 2.1, 3.0 or 4.0</source>
        <translation>ожидалось VERSION 2.1, 3.0 или 4.0</translation>
    </message>
    <message>
        <source>expected END:VCARD: the file is cut short</source>
        <translation>ожидалось END:VCARD: файл обрывается</translation>
    </message>
    <message>
        <source>expected text in the character set %1</source>
        <extracomment>%1 is the name of a character set as the file gives it, such as windows-1257.</extracomment>
        <translation>ожидался текст в кодировке %1</translation>
    </message>
    <message>
        <source>expected UTF-8 text, or a CHARSET naming the character set</source>
        <translation>ожидался текст в UTF-8 или CHARSET с названием кодировки</translation>
    </message>
    <message>
        <source>text in %1, found a byte that it does not hold</source>
        <extracomment>%1 is the name of a character set, such as ANSEL or UTF-8.</extracomment>
        <translation>текст в кодировке %1, найден байт, которого в ней нет</translation>
    </message>
    <message>
        <source>a character set this program knows, found %1</source>
        <extracomment>%1 is the character set a file names, exactly as written there.</extracomment>
        <translation>кодировка, известная этой программе, найдена %1</translation>
    </message>
    <message>
        <source>a file of at most %1 MiB</source>
        <extracomment>%1 is a size in mebibytes.</extracomment>
        <translation>файл размером не более %1 МиБ</translation>
    </message>
    <message>
        <source>text, found the character %1, which no value may hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>текст, найден символ %1, который не может содержаться ни в одном значении</translation>
    </message>
    <message>
        <source>&quot;0 HEAD&quot;, the start of a GEDCOM file</source>
        <translation>«0 HEAD» — начало файла GEDCOM</translation>
    </message>
    <message>
        <source>a line of at most %1 characters</source>
        <extracomment>%1 is a number of characters.</extracomment>
        <translation>строка длиной не более %1 символов</translation>
    </message>
    <message>
        <source>a level number at the start of the line</source>
        <translation>номер уровня в начале строки</translation>
    </message>
    <message>
        <source>a level of at most %1</source>
        <extracomment>%1 is a number: how deep the line may be nested, given the line before.</extracomment>
        <translation>уровень не выше %1</translation>
    </message>
    <message>
        <source>a space and a tag after the level</source>
        <translation>пробел и тег после уровня</translation>
    </message>
    <message>
        <source>an identifier between two @ signs, such as @I1@</source>
        <translation>идентификатор между двумя знаками @, например @I1@</translation>
    </message>
    <message>
        <source>a tag after the level</source>
        <translation>тег после уровня</translation>
    </message>
    <message>
        <source>a value of at most %1 characters</source>
        <translation>значение длиной не более %1 символов</translation>
    </message>
    <message>
        <source>&quot;0 TRLR&quot; at the end of the file, which is cut short</source>
        <translation>«0 TRLR» в конце файла, но файл обрывается</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportChoiceModel</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Фамилия</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>Already in the register</source>
        <translation>Уже в реестре</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Прочитано</translation>
    </message>
    <message>
        <source>Persons found</source>
        <extracomment>The list of the persons found in the file, each with a check box.</extracomment>
        <translation>Найденные люди</translation>
    </message>
    <message>
        <source>Space chooses or leaves out the person; Enter imports the chosen persons</source>
        <translation>Пробел выбирает человека или снимает выбор; Enter импортирует выбранных людей</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Итоги</translation>
    </message>
    <message>
        <source>Choose &amp;all</source>
        <translation>Выбрать &amp;все</translation>
    </message>
    <message>
        <source>Choose &amp;none</source>
        <translation>&amp;Снять выбор</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Отм&amp;ена</translation>
    </message>
    <message>
        <source>Import the chosen persons</source>
        <translation>Импортировать выбранных людей</translation>
    </message>
    <message>
        <source>Chosen: %1 of %2</source>
        <extracomment>%1 is how many persons are chosen, %2 how many the file holds.</extracomment>
        <translation>Выбрано: %1 из %2</translation>
    </message>
    <message>
        <source>Persons in %1</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Люди в файле %1</translation>
    </message>
</context>
<context>
    <name>orvanel::LoadWindow</name>
    <message>
        <source>Opening the register</source>
        <translation>Открытие реестра</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <extracomment>%1 is the path of the data file being read.</extracomment>
        <translation>Чтение %1</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Прочитано</translation>
    </message>
</context>
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Нельзя добавить человека: идентификатор %1, составленный из Prefix реестра, не удалось бы прочитать обратно.</translation>
    </message>
</context>
<context>
    <name>orvanel::PictureFile</name>
    <message>
        <source>The picture could not be made.</source>
        <translation>Не удалось создать изображение.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Семья</translation>
    </message>
    <message>
        <source>The register&apos;s own files cannot be replaced by a picture: %1</source>
        <extracomment>%1 is the path of the file chosen for the picture.</extracomment>
        <translation>Собственные файлы реестра нельзя заменить изображением: %1</translation>
    </message>
</context>
<context>
    <name>orvanel::QtMessages</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
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
        <source>Information</source>
        <translation>Информация</translation>
    </message>
</context>
<context>
    <name>orvanel::RelationshipKind</name>
    <message>
        <source>is %1 of</source>
        <extracomment>One person&apos;s relationship to another: &quot;Anna is child of Peter&quot;. %1 is the kind (child, parent, sibling, twin); the person names stand before and after the sentence.</extracomment>
        <translation>— %1 для</translation>
    </message>
    <message>
        <source>child</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>ребёнок</translation>
    </message>
    <message>
        <source>parent</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>родитель</translation>
    </message>
    <message>
        <source>sibling</source>
        <extracomment>A relationship kind (brother or sister), shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>брат или сестра</translation>
    </message>
    <message>
        <source>twin</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>близнец</translation>
    </message>
    <message>
        <source>error</source>
        <extracomment>Shown in place of a relationship kind when no kind, or an unknown one, is chosen.</extracomment>
        <translation>(ошибка)</translation>
    </message>
</context>
<context>
    <name>orvanel::RelativesTab</name>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Вы абсолютно уверены, что хотите удалить эту запись?</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>This person is ...</source>
        <translation>Этот человек — ...</translation>
    </message>
    <message>
        <source>of ...</source>
        <translation>для ...</translation>
    </message>
    <message>
        <source>Relatives</source>
        <translation>Родственники</translation>
    </message>
    <message>
        <source>&amp;Family...</source>
        <translation>&amp;Семья...</translation>
    </message>
    <message>
        <source>The person&apos;s family as the register holds it, without changes not yet saved with OK</source>
        <translation>Семья человека в том виде, в каком она записана в реестре, без изменений, ещё не сохранённых кнопкой ОК</translation>
    </message>
</context>
<context>
    <name>orvanel::RowListModel</name>
    <message>
        <source>sorted descending</source>
        <translation>отсортировано по убыванию</translation>
    </message>
    <message>
        <source>sorted ascending</source>
        <translation>отсортировано по возрастанию</translation>
    </message>
</context>
<context>
    <name>orvanel::SortableHeader</name>
    <message>
        <source>Ctrl+1 to Ctrl+%1 sort the list by that column; pressed again, in reverse order.</source>
        <translation>Ctrl+1 … Ctrl+%1 сортируют список по соответствующему столбцу; повторное нажатие — в обратном порядке.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending</source>
        <translation>Сортировка: %1, по убыванию</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending</source>
        <translation>Сортировка: %1, по возрастанию</translation>
    </message>
</context>
<context>
    <name>orvanel::Store</name>
    <message>
        <source>Node &quot;%1&quot; not found</source>
        <extracomment>%1 is the name of an element of the data file, shown as it is.</extracomment>
        <translation>Узел «%1» не найден</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <extracomment>%1 is the text that was read; dates are written year/month/day.</extracomment>
        <translation>«%1» не является допустимой датой</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>Не удаётся прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; not found!</source>
        <translation>Файл «%1» не найден!</translation>
    </message>
    <message>
        <source>Invalid data file content (&quot;%1&quot; is not a regular file)!</source>
        <translation>Недопустимое содержимое файла данных («%1» не является обычным файлом)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is too large)!</source>
        <translation>Недопустимое содержимое файла данных (файл слишком велик)!</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: the file changed while it was read</source>
        <translation>Не удаётся прочитать «%1»: файл изменился во время чтения</translation>
    </message>
    <message>
        <source>Cannot write the register in encoding %1</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Не удаётся записать реестр в кодировке %1</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding %1 cannot be written back)!</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Недопустимое содержимое файла данных (в кодировке %1 файл нельзя записать обратно)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding of the file cannot be written back)!</source>
        <translation>Недопустимое содержимое файла данных (в кодировке файла его нельзя записать обратно)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is not in the encoding %1 it declares)!</source>
        <extracomment>%1 is the name of an encoding, such as UTF-16.</extracomment>
        <translation>Недопустимое содержимое файла данных (файл не в заявленной в нём кодировке %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (out of memory)!</source>
        <translation>Недопустимое содержимое файла данных (недостаточно памяти)!</translation>
    </message>
    <message>
        <source>Invalid data file content (elements nested deeper than %1)!</source>
        <translation>Недопустимое содержимое файла данных (элементы вложены глубже %1 уровней)!</translation>
    </message>
    <message>
        <source>Invalid data file content (more than %1 different names or short texts)!</source>
        <translation>Недопустимое содержимое файла данных (более %1 различных имён или коротких текстов)!</translation>
    </message>
    <message>
        <source>Invalid data file content (not well-formed XML)!</source>
        <translation>Недопустимое содержимое файла данных (XML сформирован неправильно)!</translation>
    </message>
    <message>
        <source>Invalid data file content (line %1: %2)!</source>
        <extracomment>%1 is a line number; %2 is the XML parser&apos;s own description of the fault, in English.</extracomment>
        <translation>Недопустимое содержимое файла данных (строка %1: %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (no root element)!</source>
        <translation>Недопустимое содержимое файла данных (нет корневого элемента)!</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;No space left on device&quot;.
----------
%2 is the reason, a whole sentence of its own.</extracomment>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Не удаётся создать «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free name for a temporary file</source>
        <translation>Не удаётся создать «%1»: нет свободного имени для временного файла</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: cannot set its permissions: %2</source>
        <translation>Не удаётся создать «%1»: не удаётся задать права доступа: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: only %2 of %3 bytes could be written (is the disk full?)</source>
        <translation>Не удаётся записать «%1»: записано только %2 из %3 байт (диск заполнен?)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is in place, but the folder could not be flushed to disk: %2</source>
        <translation>Не удаётся записать «%1»: файл на месте, но папку не удалось сбросить на диск: %2</translation>
    </message>
    <message>
        <source>The register in this folder is already open in another Orvanel window.</source>
        <translation>Реестр в этой папке уже открыт в другом окне Orvanel.</translation>
    </message>
    <message>
        <source>Invalid data file content (the root has no %1)!</source>
        <extracomment>%1 is the name of an attribute of the data file&apos;s root (Prefix, DateModified), shown as it is.</extracomment>
        <translation>Недопустимое содержимое файла данных (у корневого элемента нет %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 without %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Недопустимое содержимое файла данных (%1 без %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 with an empty %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Недопустимое содержимое файла данных (%1 с пустым %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (wrong ID : %1 )!</source>
        <extracomment>%1 is the identifier as the file has it.</extracomment>
        <translation>Недопустимое содержимое файла данных (неверный ID: %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (%1: &apos;%2&apos; is not a valid date)!</source>
        <extracomment>%1 is the name of an attribute of the data file (DateModified), shown as it is; %2 is the text that was read. Dates are written year/month/day.</extracomment>
        <translation>Недопустимое содержимое файла данных (%1: «%2» не является допустимой датой)!</translation>
    </message>
    <message>
        <source>Invalid data file content!</source>
        <translation>Недопустимое содержимое файла данных!</translation>
    </message>
    <message>
        <source>Invalid data file content (entity declarations are not allowed)!</source>
        <translation>Недопустимое содержимое файла данных (объявления сущностей не допускаются)!</translation>
    </message>
    <message>
        <source>Invalid data file content (an element with more than %1 attributes)!</source>
        <translation>Недопустимое содержимое файла данных (элемент с более чем %1 атрибутами)!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Не удаётся открыть «%1»: %2</translation>
    </message>
    <message>
        <source>The register was not loaded, so it cannot be saved.</source>
        <translation>Реестр не был загружен, поэтому его нельзя сохранить.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is no longer a regular file; nothing was saved</source>
        <translation>Не удаётся записать «%1»: это больше не обычный файл; ничего не сохранено</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the name now leads to another file than the one opened at start (was a link put in its place?); nothing was saved</source>
        <translation>Не удаётся записать «%1»: имя теперь ведёт к другому файлу, а не к открытому при запуске (не подставлена ли на его место ссылка?); ничего не сохранено</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; needs about %2 MB of memory to open, but only %3 MB are free (%4 MB of memory and %5 MB of swap space). Close other programs and start again, or open the register on a computer with more memory.</source>
        <extracomment>%1 is the data file&apos;s name; %2, %3, %4 and %5 are amounts in megabytes: what the register needs, what is free in all, and how much of that is memory and how much swap space.</extracomment>
        <translation>Для открытия реестра «%1» нужно около %2 МБ памяти, но свободно только %3 МБ (%4 МБ памяти и %5 МБ пространства подкачки). Закройте другие программы и запустите снова или откройте реестр на компьютере с большим объёмом памяти.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm1</name>
    <message>
        <source>Orvanel</source>
        <translation>Orvanel</translation>
    </message>
    <message>
        <source>&amp;New Person</source>
        <translation>&amp;Новая запись</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Поиск</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>zok.xml was changed by another program since Orvanel opened it. Save anyway? Its version will be kept in zok.bak.</source>
        <translation>Файл zok.xml был изменён другой программой после того, как Orvanel его открыл. Всё равно сохранить? Версия той программы будет сохранена в zok.bak.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Family</name>
    <message>
        <source>Family</source>
        <translation>Семья</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>По&amp;коления:</translation>
    </message>
    <message>
        <source>Generations up and down</source>
        <translation>Поколения вверх и вниз</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Назад</translation>
    </message>
    <message>
        <source>The person centred before (Alt+Left)</source>
        <translation>Человек, который был в центре до этого (Alt+Влево)</translation>
    </message>
    <message>
        <source>F&amp;orward</source>
        <translation>&amp;Вперёд</translation>
    </message>
    <message>
        <source>The person centred after (Alt+Right)</source>
        <translation>Человек, который был в центре после этого (Alt+Вправо)</translation>
    </message>
    <message>
        <source>Family picture</source>
        <translation>Изображение семьи</translation>
    </message>
    <message>
        <source>Arrow keys move between relatives, Enter centres on one, F2 opens one, Ctrl and the mouse wheel zoom</source>
        <translation>Стрелки переходят между родственниками, Enter ставит родственника в центр, F2 открывает его, Ctrl и колёсико мыши меняют масштаб</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Итоги</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Сохранить изображение...</translation>
    </message>
    <message>
        <source>Save the picture as a PNG, SVG or PDF file</source>
        <translation>Сохранить изображение в файл PNG, SVG или PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Печать...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>No relatives are recorded.</source>
        <translation>Родственники не записаны.</translation>
    </message>
    <message>
        <source>Centred on %1. %2</source>
        <extracomment>%1 describes the person now in the middle, %2 is the summary of their family.</extracomment>
        <translation>В центре: %1. %2</translation>
    </message>
    <message>
        <source>No person&apos;s record has the ID %1.</source>
        <translation>Нет записи о человеке с ID %1.</translation>
    </message>
    <message>
        <source>%1 is deleted, and deleted persons are not opened.</source>
        <translation>Запись %1 удалена, а удалённые записи не открываются.</translation>
    </message>
    <message>
        <source>This window was opened from the person dialog, which shows one person at a time.</source>
        <translation>Это окно открыто из окна «Человек», которое показывает только одного человека за раз.</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by a picture. Choose another file.</source>
        <translation>Реестр «%1» и его резервную копию «%2» нельзя заменить изображением. Выберите другой файл.</translation>
    </message>
    <message>
        <source>Picture saved to %1</source>
        <translation>Изображение сохранено в %1</translation>
    </message>
    <message>
        <source>Picture sent to the printer.</source>
        <translation>Изображение отправлено на принтер.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Filter</name>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Person &amp;ID contains:</source>
        <translation>&amp;Идентификатор содержит:</translation>
    </message>
    <message>
        <source>Person &amp;name contains:</source>
        <translation>И&amp;мя содержит:</translation>
    </message>
    <message>
        <source>Person &amp;middle name contains:</source>
        <translation>О&amp;тчество содержит:</translation>
    </message>
    <message>
        <source>Person &amp;surname contains:</source>
        <translation>&amp;Фамилия содержит:</translation>
    </message>
    <message>
        <source>Person birth &amp;date is from:</source>
        <translation>&amp;Дата рождения с:</translation>
    </message>
    <message>
        <source>Person birth date is from:</source>
        <translation>Дата рождения с:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;по:</translation>
    </message>
    <message>
        <source>Person &amp;contact info contains:</source>
        <translation>&amp;Контакты содержат:</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>An&amp;y</source>
        <translation>&amp;Любой</translation>
    </message>
    <message>
        <source>Ma&amp;les</source>
        <translation>М&amp;ужчины</translation>
    </message>
    <message>
        <source>&amp;Females</source>
        <translation>&amp;Женщины</translation>
    </message>
    <message>
        <source>Clea&amp;r all</source>
        <translation>О&amp;чистить всё</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Отм&amp;ена</translation>
    </message>
    <message>
        <source>&quot;From&quot; date is after &quot;To&quot; date!</source>
        <translation>Дата «с» позже даты «по»!</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Дата с</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Дата по</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_MB</name>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Person</name>
    <message>
        <source>Person</source>
        <translation>Человек</translation>
    </message>
    <message>
        <source>Person &quot;%1&quot; not found</source>
        <translation>Человек «%1» не найден</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Поля «Имя» и «Фамилия» должны быть заполнены!</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a character that cannot be stored (U+%2). Please remove it.</source>
        <translation>Поле «%1» содержит символ, который нельзя сохранить (U+%2). Удалите его.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Отм&amp;ена</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>О&amp;бщие</translation>
    </message>
    <message>
        <source>Con&amp;tact</source>
        <translation>&amp;Контакты</translation>
    </message>
    <message>
        <source>&amp;Relatives</source>
        <translation>&amp;Родственники</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Ко&amp;мментарий</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Relationship</name>
    <message>
        <source>Relationship</source>
        <translation>Родственная связь</translation>
    </message>
    <message>
        <source>Direct Relationship</source>
        <translation>Прямое родство</translation>
    </message>
    <message>
        <source>Person1</source>
        <translation>Человек 1</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Person2</source>
        <translation>&amp;Человек 2</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Inverse Relationship</source>
        <translation>Обратное родство</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Отм&amp;ена</translation>
    </message>
    <message>
        <source>Person2</source>
        <translation>Человек 2</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Search</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Фильтр...</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Люди</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Вы абсолютно уверены, что хотите удалить эту запись?</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>&amp;Экспорт...</translation>
    </message>
    <message>
        <source>Export the listed persons</source>
        <translation>Экспортировать людей из списка</translation>
    </message>
    <message>
        <source>Write the persons now listed to a vCard or CSV file</source>
        <translation>Записать людей из текущего списка в файл vCard или CSV</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by an export. Choose another file.</source>
        <translation>Реестр «%1» и его резервную копию «%2» нельзя заменить при экспорте. Выберите другой файл.</translation>
    </message>
    <message>
        <source>Persons listed: %1</source>
        <translation>Людей в списке: %1</translation>
    </message>
    <message>
        <source>Person %1 deleted. Persons listed: %2</source>
        <translation>Человек %1 удалён. Людей в списке: %2</translation>
    </message>
    <message>
        <source>Persons exported to %1: %2</source>
        <translation>Экспортировано людей в %1: %2</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>И&amp;мпорт...</translation>
    </message>
    <message>
        <source>Add persons from a file of another program</source>
        <translation>Добавить людей из файла другой программы</translation>
    </message>
    <message>
        <source>Read persons from a GEDCOM, vCard or CSV file</source>
        <translation>Прочитать людей из файла GEDCOM, vCard или CSV</translation>
    </message>
    <message>
        <source>Fa&amp;mily...</source>
        <translation>&amp;Семья...</translation>
    </message>
    <message>
        <source>Show the selected person&apos;s family as a picture</source>
        <translation>Показать семью выбранного человека в виде изображения</translation>
    </message>
</context>
</TS>
