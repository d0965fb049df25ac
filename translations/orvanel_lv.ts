<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Personu nevar pievienot: identifikatoru %1, kas veidots no reģistra Prefix, nevarētu nolasīt atpakaļ.</translation>
    </message>
</context>
<context>
    <name>orvanel::QtMessages</name>
    <message>
        <source>Error</source>
        <translation>Kļūda</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Brīdinājums</translation>
    </message>
</context>
<context>
    <name>orvanel::RelationshipKind</name>
    <message>
        <source>is %1 of</source>
        <extracomment>One person&apos;s relationship to another: &quot;Anna is child of Peter&quot;. %1 is the kind (child, parent, sibling, twin); the person names stand before and after the sentence.</extracomment>
        <translation>ir %1 personai</translation>
    </message>
    <message>
        <source>child</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>bērns</translation>
    </message>
    <message>
        <source>parent</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>vecāks</translation>
    </message>
    <message>
        <source>sibling</source>
        <extracomment>A relationship kind (brother or sister), shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>brālis vai māsa</translation>
    </message>
    <message>
        <source>twin</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>dvīnis</translation>
    </message>
    <message>
        <source>error</source>
        <extracomment>Shown in place of a relationship kind when no kind, or an unknown one, is chosen.</extracomment>
        <translation>(kļūda)</translation>
    </message>
</context>
<context>
    <name>orvanel::RelativesTab</name>
    <message>
        <source>Confirm</source>
        <translation>Apstiprināt</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Vai tiešām esat pārliecināts, ka vēlaties dzēst šo ierakstu?</translation>
    </message>
</context>
<context>
    <name>orvanel::Store</name>
    <message>
        <source>Node &quot;%1&quot; not found</source>
        <extracomment>%1 is the name of an element of the data file, shown as it is.</extracomment>
        <translation>Mezgls &quot;%1&quot; nav atrasts</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <extracomment>%1 is the text that was read; dates are written year/month/day.</extracomment>
        <translation>&apos;%1&apos; nav derīgs datums</translation>
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
        <translation>&amp;Jauna persona</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Meklēt</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Aizvērt</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Apstiprināt</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Vai saglabāt izmaiņas?</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Filter</name>
    <message>
        <source>Filter</source>
        <translation>Filtrs</translation>
    </message>
    <message>
        <source>Person &amp;ID contains:</source>
        <translation>Personas &amp;ID satur:</translation>
    </message>
    <message>
        <source>Person &amp;name contains:</source>
        <translation>&amp;Vārds satur:</translation>
    </message>
    <message>
        <source>Person &amp;middle name contains:</source>
        <translation>Ot&amp;rais vārds satur:</translation>
    </message>
    <message>
        <source>Person &amp;surname contains:</source>
        <translation>&amp;Uzvārds satur:</translation>
    </message>
    <message>
        <source>Person birth &amp;date is from:</source>
        <translation>&amp;Dzimšanas datums no:</translation>
    </message>
    <message>
        <source>Person birth date is from:</source>
        <translation>Dzimšanas datums no:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;līdz:</translation>
    </message>
    <message>
        <source>Person &amp;contact info contains:</source>
        <translation>&amp;Kontaktinformācija satur:</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Dzimums</translation>
    </message>
    <message>
        <source>An&amp;y</source>
        <translation>&amp;Jebkurš</translation>
    </message>
    <message>
        <source>Ma&amp;les</source>
        <translation>V&amp;īrieši</translation>
    </message>
    <message>
        <source>&amp;Females</source>
        <translation>&amp;Sievietes</translation>
    </message>
    <message>
        <source>Clea&amp;r all</source>
        <translation>No&amp;tīrīt visu</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>&amp;Atcelt</translation>
    </message>
    <message>
        <source>&quot;From&quot; date is after &quot;To&quot; date!</source>
        <translation>&quot;No&quot; datums ir vēlāks par &quot;Līdz&quot; datumu!</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_MB</name>
    <message>
        <source>Confirm</source>
        <translation>Apstiprināt</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jā</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nē</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Person</name>
    <message>
        <source>Person</source>
        <translation>Persona</translation>
    </message>
    <message>
        <source>Person &quot;%1&quot; not found</source>
        <translation>Persona &quot;%1&quot; nav atrasta</translation>
    </message>
    <message>
        <source>(not readable)</source>
        <translation>(nav nolasāms)</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Laukiem &quot;Vārds&quot; un &quot;Uzvārds&quot; jābūt aizpildītiem!</translation>
    </message>
    <message>
        <source>Optional ID</source>
        <translation>Papildu ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Otrais vārds</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Uzvārds</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Adrese</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Pilsēta</translation>
    </message>
    <message>
        <source>County/Province</source>
        <translation>Novads/Province</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Pasta indekss</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Valsts</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Tālrunis 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Tālrunis 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fakss</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Mobilais tālrunis</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-pasts</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Komentārs</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a character that cannot be stored (U+%2). Please remove it.</source>
        <translation>Laukā &quot;%1&quot; ir rakstzīme, ko nevar saglabāt (U+%2). Lūdzu, izdzēsiet to.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Atcelt</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Vispārīgi</translation>
    </message>
    <message>
        <source>Con&amp;tact</source>
        <translation>&amp;Kontakti</translation>
    </message>
    <message>
        <source>&amp;Relatives</source>
        <translation>&amp;Radinieki</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Ko&amp;mentārs</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Dzimums</translation>
    </message>
    <message>
        <source>M&amp;ale</source>
        <translation>V&amp;īrietis</translation>
    </message>
    <message>
        <source>&amp;Female</source>
        <translation>&amp;Sieviete</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Optional &amp;ID</source>
        <translation>Papildu &amp;ID</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>Vār&amp;ds</translation>
    </message>
    <message>
        <source>Midd&amp;le Name</source>
        <translation>O&amp;trais vārds</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Uzvārds</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translation>D&amp;zimšanas datums</translation>
    </message>
    <message>
        <source>Street &amp;Address</source>
        <translation>Adr&amp;ese</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>&amp;Pilsēta</translation>
    </message>
    <message>
        <source>Co&amp;unty/Province</source>
        <translation>&amp;Novads/Province</translation>
    </message>
    <message>
        <source>&amp;Post Code</source>
        <translation>Pasta &amp;indekss</translation>
    </message>
    <message>
        <source>Cou&amp;ntry</source>
        <translation>Val&amp;sts</translation>
    </message>
    <message>
        <source>Phone &amp;1</source>
        <translation>Tālrunis &amp;1</translation>
    </message>
    <message>
        <source>Phone &amp;2</source>
        <translation>Tālrunis &amp;2</translation>
    </message>
    <message>
        <source>Fa&amp;x</source>
        <translation>&amp;Fakss</translation>
    </message>
    <message>
        <source>Mo&amp;bile phone</source>
        <translation>Mo&amp;bilais tālrunis</translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation>E-pas&amp;ts</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Pievienot</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Labot</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Dzēst</translation>
    </message>
    <message>
        <source>This person is ...</source>
        <translation>Šī persona ir ...</translation>
    </message>
    <message>
        <source>of ...</source>
        <translation>personai ...</translation>
    </message>
    <message>
        <source>Relatives</source>
        <translation>Radinieki</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Relationship</name>
    <message>
        <source>Relationship</source>
        <translation>Radniecība</translation>
    </message>
    <message>
        <source>Direct Relationship</source>
        <translation>Tiešā radniecība</translation>
    </message>
    <message>
        <source>Person1</source>
        <translation>Persona1</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Veids</translation>
    </message>
    <message>
        <source>&amp;Person2</source>
        <translation>&amp;Persona2</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Otrais vārds</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Uzvārds</translation>
    </message>
    <message>
        <source>Inverse Relationship</source>
        <translation>Apgrieztā radniecība</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Atcelt</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Search</name>
    <message>
        <source>Search</source>
        <translation>Meklēšana</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filtrs...</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Otrais vārds</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Uzvārds</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Dzimums</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Dzimšanas datums</translation>
    </message>
    <message>
        <source>OptionalID</source>
        <translation>Papildu ID</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Pievienot</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Labot</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Dzēst</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Aizvērt</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Apstiprināt</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Vai tiešām esat pārliecināts, ka vēlaties dzēst šo ierakstu?</translation>
    </message>
</context>
</TS>
