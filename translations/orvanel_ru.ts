<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Нельзя добавить человека: идентификатор %1, составленный из Prefix реестра, не удалось бы прочитать обратно.</translation>
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
</context>
<context>
    <name>orvanel::RelationshipKind</name>
    <message>
        <source>is %1 of</source>
        <extracomment>One person&apos;s relationship to another: &quot;Anna is child of Peter&quot;. %1 is the kind (child, parent, sibling, twin); the person names stand before and after the sentence.</extracomment>
        <translation>является %1 для</translation>
    </message>
    <message>
        <source>child</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>ребёнком</translation>
    </message>
    <message>
        <source>parent</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>родителем</translation>
    </message>
    <message>
        <source>sibling</source>
        <extracomment>A relationship kind (brother or sister), shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>братом или сестрой</translation>
    </message>
    <message>
        <source>twin</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>близнецом</translation>
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
</context>
<context>
    <name>orvanel::TForm1</name>
    <message>
        <source>Orvanel</source>
        <translation>Orvanel</translation>
    </message>
    <message>
        <source>&amp;New Person</source>
        <translation>&amp;Новый человек</translation>
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
        <translation>&amp;Отчество содержит:</translation>
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
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Отм&amp;ена</translation>
    </message>
    <message>
        <source>&quot;From&quot; date is after &quot;To&quot; date!</source>
        <translation>Дата «с» позже даты «по»!</translation>
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
        <source>(not readable)</source>
        <translation>(не читается)</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Поля «Имя» и «Фамилия» должны быть заполнены!</translation>
    </message>
    <message>
        <source>Optional ID</source>
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
    <message>
        <source>The field &quot;%1&quot; holds a character that cannot be stored (U+%2). Please remove it.</source>
        <translation>Поле «%1» содержит символ, который нельзя сохранить (U+%2). Удалите его.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
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
        <translation>Этот человек является ...</translation>
    </message>
    <message>
        <source>of ...</source>
        <translation>для ...</translation>
    </message>
    <message>
        <source>Relatives</source>
        <translation>Родственники</translation>
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
        <translation>Прямая связь</translation>
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
        <source>Inverse Relationship</source>
        <translation>Обратная связь</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
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
        <source>Date Of Birth</source>
        <translation>Дата рождения</translation>
    </message>
    <message>
        <source>OptionalID</source>
        <translation>Доп. ID</translation>
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
</context>
</TS>
