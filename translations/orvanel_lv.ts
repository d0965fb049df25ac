<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lv_LV">
<context>
    <name>ExportFileDialog</name>
    <message>
        <source>Export the listed persons</source>
        <translation>Eksportēt sarakstā redzamās personas</translation>
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
        <translation>nav ieraksta</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>ieraksts dzēsts</translation>
    </message>
    <message>
        <source>born %1</source>
        <extracomment>%1 is a year of birth.</extracomment>
        <translation>dzimšanas gads: %1</translation>
    </message>
    <message>
        <source>born ?</source>
        <translation>dzimšanas gads: ?</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The label of a man&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The label of a woman&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>S</translation>
    </message>
    <message>
        <source>the chosen person</source>
        <translation>izvēlētā persona</translation>
    </message>
    <message>
        <source>%1 of the chosen person</source>
        <extracomment>%1 is the relation: &quot;mother&quot;, &quot;twin brother&quot;, &quot;grandchild&quot;.</extracomment>
        <translation>izvēlētās personas %1</translation>
    </message>
</context>
<context>
    <name>ImportFileDialog</name>
    <message>
        <source>All importable files (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</source>
        <translation>Visi importējamie faili (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</translation>
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
        <translation>Ar komatu atdalītas vērtības (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Visi faili (*)</translation>
    </message>
    <message>
        <source>Import persons</source>
        <translation>Importēt personas</translation>
    </message>
</context>
<context>
    <name>PersonField</name>
    <message>
        <source>Optional ID</source>
        <translation>Papildu ID</translation>
    </message>
    <message>
        <source>OptionalID</source>
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
        <source>Sex</source>
        <translation>Dzimums</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Dzimšanas datums</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Dzimšanas datums</translation>
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
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG attēls (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG zīmējums (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF dokuments (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Saglabāt attēlu</translation>
    </message>
</context>
<context>
    <name>orvanel::ContactTab</name>
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
</context>
<context>
    <name>orvanel::DateField</name>
    <message>
        <source>Choose a date</source>
        <translation>Izvēlēties datumu</translation>
    </message>
    <message>
        <source>Choose a date (Alt+Down)</source>
        <translation>Izvēlēties datumu (Alt+bultiņa uz leju)</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; does not hold a whole date. Please type it as year/month/day, for example 1950/12/31.</source>
        <translation>Laukā „%1“ nav pilna datuma. Lūdzu, ievadiet to kā gads/mēnesis/diena, piemēram, 1950/12/31.</translation>
    </message>
    <message>
        <source>Date as yyyy/m/d, for example 1950/12/31; Alt+Down opens a calendar</source>
        <translation>Datums formā gggg/m/d, piemēram, 1950/12/31; Alt+Lejup atver kalendāru</translation>
    </message>
</context>
<context>
    <name>orvanel::Export</name>
    <message>
        <source>The register&apos;s own files cannot be replaced by an export: %1</source>
        <extracomment>%1 is the path of the file chosen for the export.</extracomment>
        <translation>Reģistra paša failus nevar aizstāt ar eksportu: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) lead to persons outside the export and were left out.</source>
        <translation>
            <numerusform>%n radniecības saite ved pie personām ārpus eksporta un netika iekļauta.</numerusform>
            <numerusform>%n radniecības saites ved pie personām ārpus eksporta un netika iekļautas.</numerusform>
            <numerusform>%n radniecības saites ved pie personām ārpus eksporta un netika iekļautas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) of an unknown kind, or of a person with themselves, were left out.</source>
        <translation>
            <numerusform>%n radniecības saite nezināma veida vai personai pašai ar sevi netika iekļauta.</numerusform>
            <numerusform>%n radniecības saites nezināma veida vai personai pašai ar sevi netika iekļautas.</numerusform>
            <numerusform>%n radniecības saites nezināma veida vai personai pašai ar sevi netika iekļautas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parent(s) beyond a child&apos;s first two were written in families of their own.</source>
        <translation>
            <numerusform>%n tēvs vai māte papildus bērna pirmajiem diviem ierakstīts atsevišķā ģimenē.</numerusform>
            <numerusform>%n tēvi vai mātes papildus bērna pirmajiem diviem ierakstīti atsevišķās ģimenēs.</numerusform>
            <numerusform>%n tēvi vai mātes papildus bērna pirmajiem diviem ierakstīti atsevišķās ģimenēs.</numerusform>
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
        <translation>Ar komatu atdalītas vērtības</translation>
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
        <translation>izvēlētā persona</translation>
    </message>
    <message>
        <source>father</source>
        <translation>tēvs</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>māte</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>tēvs vai māte</translation>
    </message>
    <message numerus="yes">
        <source>%n parent</source>
        <translation>
            <numerusform>%n tēvs vai māte</numerusform>
            <numerusform>%n tēvi vai mātes</numerusform>
            <numerusform>%n tēvi vai mātes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parents</source>
        <translation>
            <numerusform>%n tēvs vai māte</numerusform>
            <numerusform>%n tēvi vai mātes</numerusform>
            <numerusform>%n tēvi vai mātes</numerusform>
        </translation>
    </message>
    <message>
        <source>grandfather</source>
        <translation>vectēvs</translation>
    </message>
    <message>
        <source>grandmother</source>
        <translation>vecmāmiņa</translation>
    </message>
    <message>
        <source>grandparent</source>
        <translation>vectēvs vai vecmāmiņa</translation>
    </message>
    <message numerus="yes">
        <source>%n grandparent</source>
        <translation>
            <numerusform>%n vectēvs vai vecmāmiņa</numerusform>
            <numerusform>%n vectēvi vai vecmāmiņas</numerusform>
            <numerusform>%n vectēvi vai vecmāmiņas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandparents</source>
        <translation>
            <numerusform>%n vectēvs vai vecmāmiņa</numerusform>
            <numerusform>%n vectēvi vai vecmāmiņas</numerusform>
            <numerusform>%n vectēvi vai vecmāmiņas</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandfather</source>
        <translation>vecvectēvs</translation>
    </message>
    <message>
        <source>great-grandmother</source>
        <translation>vecvecmāmiņa</translation>
    </message>
    <message>
        <source>great-grandparent</source>
        <translation>vecvectēvs vai vecvecmāmiņa</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparent</source>
        <translation>
            <numerusform>%n vecvectēvs vai vecvecmāmiņa</numerusform>
            <numerusform>%n vecvectēvi vai vecvecmāmiņas</numerusform>
            <numerusform>%n vecvectēvi vai vecvecmāmiņas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparents</source>
        <translation>
            <numerusform>%n vecvectēvs vai vecvecmāmiņa</numerusform>
            <numerusform>%n vecvectēvi vai vecvecmāmiņas</numerusform>
            <numerusform>%n vecvectēvi vai vecvecmāmiņas</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandfather</source>
        <translation>vecvecvectēvs</translation>
    </message>
    <message>
        <source>great-great-grandmother</source>
        <translation>vecvecvecmāmiņa</translation>
    </message>
    <message>
        <source>great-great-grandparent</source>
        <translation>vecvecvectēvs vai vecvecvecmāmiņa</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparent</source>
        <translation>
            <numerusform>%n vecvecvectēvs vai vecvecvecmāmiņa</numerusform>
            <numerusform>%n vecvecvectēvi vai vecvecvecmāmiņas</numerusform>
            <numerusform>%n vecvecvectēvi vai vecvecvecmāmiņas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparents</source>
        <translation>
            <numerusform>%n vecvecvectēvs vai vecvecvecmāmiņa</numerusform>
            <numerusform>%n vecvecvectēvi vai vecvecvecmāmiņas</numerusform>
            <numerusform>%n vecvecvectēvi vai vecvecvecmāmiņas</numerusform>
        </translation>
    </message>
    <message>
        <source>twin brother</source>
        <translation>dvīņubrālis</translation>
    </message>
    <message>
        <source>twin sister</source>
        <translation>dvīņumāsa</translation>
    </message>
    <message>
        <source>twin</source>
        <translation>dvīnis vai dvīne</translation>
    </message>
    <message numerus="yes">
        <source>%n twin</source>
        <translation>
            <numerusform>%n dvīnis vai dvīne</numerusform>
            <numerusform>%n dvīņi</numerusform>
            <numerusform>%n dvīņi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n twins</source>
        <translation>
            <numerusform>%n dvīnis vai dvīne</numerusform>
            <numerusform>%n dvīņi</numerusform>
            <numerusform>%n dvīņi</numerusform>
        </translation>
    </message>
    <message>
        <source>brother</source>
        <translation>brālis</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>māsa</translation>
    </message>
    <message>
        <source>sibling</source>
        <translation>brālis vai māsa</translation>
    </message>
    <message numerus="yes">
        <source>%n sibling</source>
        <translation>
            <numerusform>%n brālis vai māsa</numerusform>
            <numerusform>%n brāļi vai māsas</numerusform>
            <numerusform>%n brāļi vai māsas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n siblings</source>
        <translation>
            <numerusform>%n brālis vai māsa</numerusform>
            <numerusform>%n brāļi vai māsas</numerusform>
            <numerusform>%n brāļi vai māsas</numerusform>
        </translation>
    </message>
    <message>
        <source>son</source>
        <translation>dēls</translation>
    </message>
    <message>
        <source>daughter</source>
        <translation>meita</translation>
    </message>
    <message>
        <source>child</source>
        <translation>bērns</translation>
    </message>
    <message numerus="yes">
        <source>%n child</source>
        <translation>
            <numerusform>%n bērns</numerusform>
            <numerusform>%n bērni</numerusform>
            <numerusform>%n bērni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n children</source>
        <translation>
            <numerusform>%n bērns</numerusform>
            <numerusform>%n bērni</numerusform>
            <numerusform>%n bērni</numerusform>
        </translation>
    </message>
    <message>
        <source>grandson</source>
        <translation>mazdēls</translation>
    </message>
    <message>
        <source>granddaughter</source>
        <translation>mazmeita</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>mazbērns</translation>
    </message>
    <message numerus="yes">
        <source>%n grandchild</source>
        <translation>
            <numerusform>%n mazbērns</numerusform>
            <numerusform>%n mazbērni</numerusform>
            <numerusform>%n mazbērni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandchildren</source>
        <translation>
            <numerusform>%n mazbērns</numerusform>
            <numerusform>%n mazbērni</numerusform>
            <numerusform>%n mazbērni</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandson</source>
        <translation>mazmazdēls</translation>
    </message>
    <message>
        <source>great-granddaughter</source>
        <translation>mazmazmeita</translation>
    </message>
    <message>
        <source>great-grandchild</source>
        <translation>mazmazbērns</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchild</source>
        <translation>
            <numerusform>%n mazmazbērns</numerusform>
            <numerusform>%n mazmazbērni</numerusform>
            <numerusform>%n mazmazbērni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchildren</source>
        <translation>
            <numerusform>%n mazmazbērns</numerusform>
            <numerusform>%n mazmazbērni</numerusform>
            <numerusform>%n mazmazbērni</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandson</source>
        <translation>mazmazmazdēls</translation>
    </message>
    <message>
        <source>great-great-granddaughter</source>
        <translation>mazmazmazmeita</translation>
    </message>
    <message>
        <source>great-great-grandchild</source>
        <translation>mazmazmazbērns</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchild</source>
        <translation>
            <numerusform>%n mazmazmazbērns</numerusform>
            <numerusform>%n mazmazmazbērni</numerusform>
            <numerusform>%n mazmazmazbērni</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchildren</source>
        <translation>
            <numerusform>%n mazmazmazbērns</numerusform>
            <numerusform>%n mazmazmazbērni</numerusform>
            <numerusform>%n mazmazmazbērni</numerusform>
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
        <translation>Dzimums</translation>
    </message>
    <message>
        <source>M&amp;ale</source>
        <translation>Vīri&amp;etis</translation>
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
        <source>(not readable)</source>
        <translation>(nav nolasāms)</translation>
    </message>
</context>
<context>
    <name>orvanel::Import</name>
    <message>
        <source>Born: %1</source>
        <extracomment>A line added to an imported person&apos;s comment for a birth date that is not an exact day (a year alone, a day without a year, words). %1 is the date as the file wrote it.</extracomment>
        <translation>Dzimšanas datums: %1</translation>
    </message>
    <message>
        <source>expected at most %1 persons in one file</source>
        <extracomment>%1 is a number of persons.</extracomment>
        <translation>gaidītas ne vairāk kā %1 personas vienā failā</translation>
    </message>
    <message>
        <source>expected UTF-16 text, found a broken character</source>
        <translation>gaidīts UTF-16 teksts, atrasta bojāta rakstzīme</translation>
    </message>
    <message>
        <source>expected UTF-16 text, the file is cut short</source>
        <translation>gaidīts UTF-16 teksts, bet fails beidzas pāragri</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>An import refused. %1 is the line number in the file, %2 what was wrong or expected.</extracomment>
        <translation>%1. rinda: %2</translation>
    </message>
    <message>
        <source>expected text, found the character %1, which a data file cannot hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>gaidīts teksts, atrasta rakstzīme %1, ko datu fails nevar saturēt</translation>
    </message>
    <message>
        <source>expected UTF-8 text (a spreadsheet can save CSV as UTF-8)</source>
        <translation>gaidīts UTF-8 teksts (izklājlapu programma var saglabāt CSV kā UTF-8)</translation>
    </message>
    <message>
        <source>expected a file of at most %1 MiB</source>
        <extracomment>%1 is a number of mebibytes.</extracomment>
        <translation>gaidīts fails, kas nav lielāks par %1 MiB</translation>
    </message>
    <message>
        <source>expected a header naming the columns, such as First Name, Last Name or E-mail Address</source>
        <translation>gaidīta galvene ar kolonnu nosaukumiem, piemēram, First Name, Last Name vai E-mail Address</translation>
    </message>
    <message>
        <source>expected %1 fields as the header has, found %2</source>
        <extracomment>%1 and %2 are numbers of fields.</extracomment>
        <translation>gaidīts tikpat lauku kā galvenē (%1), atrasti %2</translation>
    </message>
    <message>
        <source>expected a field of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>gaidīts lauks, kas nav garāks par %1 baitiem</translation>
    </message>
    <message>
        <source>expected the closing quote of a field: the file is cut short</source>
        <translation>gaidītas lauka noslēdzošās pēdiņas: fails beidzas pāragri</translation>
    </message>
    <message>
        <source>expected a delimiter after the closing quote</source>
        <translation>pēc noslēdzošajām pēdiņām gaidīts atdalītājs</translation>
    </message>
    <message>
        <source>expected a record of at most %1 fields</source>
        <extracomment>%1 is a number of fields.</extracomment>
        <translation>gaidīts ieraksts ar ne vairāk kā %1 laukiem</translation>
    </message>
    <message>
        <source>a family of at most %1 children</source>
        <extracomment>%1 is a number of children.</extracomment>
        <translation>ģimene ar ne vairāk kā %1 bērniem</translation>
    </message>
    <message>
        <source>at most %1 relationships in a file</source>
        <extracomment>%1 is a number of relationships.</extracomment>
        <translation>ne vairāk kā %1 radniecības saites failā</translation>
    </message>
    <message>
        <source>GEDCOM version 5.5, 5.5.1 or 7.0, found %1</source>
        <extracomment>%1 is the GEDCOM version a file gives, exactly as written there.</extracomment>
        <translation>GEDCOM versija 5.5, 5.5.1 vai 7.0, atrasta %1</translation>
    </message>
    <message>
        <source>an identifier not used before, found %1 of line %2 again</source>
        <extracomment>%1 is a record&apos;s identifier such as @I1@, %2 the line where it first stood.</extracomment>
        <translation>identifikators, kas vēl nav lietots, bet atkal atrasts %1 no %2. rindas</translation>
    </message>
    <message>
        <source>line %1: expected %2</source>
        <extracomment>%1 is a line number of the file being imported, %2 says what should have been there.</extracomment>
        <translation>%1. rinda: gaidīts %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB and cannot be imported.</source>
        <extracomment>%1 is the file&apos;s path, %2 the largest size in megabytes.</extracomment>
        <translation>„%1“ ir lielāks par %2 MB, un to nevar importēt.</translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <translation>
            <numerusform>%n persona</numerusform>
            <numerusform>%n personas</numerusform>
            <numerusform>%n personas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationships</source>
        <translation>
            <numerusform>%n radniecības saite</numerusform>
            <numerusform>%n radniecības saites</numerusform>
            <numerusform>%n radniecības saites</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n partnerships without children</source>
        <translation>
            <numerusform>%n pāris bez bērniem</numerusform>
            <numerusform>%n pāri bez bērniem</numerusform>
            <numerusform>%n pāri bez bērniem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events other than birth</source>
        <translation>
            <numerusform>%n notikums, kas nav dzimšana</numerusform>
            <numerusform>%n notikumi, kas nav dzimšana</numerusform>
            <numerusform>%n notikumi, kas nav dzimšana</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sources</source>
        <translation>
            <numerusform>%n avots</numerusform>
            <numerusform>%n avoti</numerusform>
            <numerusform>%n avoti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures or other media</source>
        <translation>
            <numerusform>%n attēls vai cits multivides fails</numerusform>
            <numerusform>%n attēli vai citi multivides faili</numerusform>
            <numerusform>%n attēli vai citi multivides faili</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximate birth dates (kept in the comment)</source>
        <translation>
            <numerusform>%n aptuvens dzimšanas datums (saglabāts komentārā)</numerusform>
            <numerusform>%n aptuveni dzimšanas datumi (saglabāti komentārā)</numerusform>
            <numerusform>%n aptuveni dzimšanas datumi (saglabāti komentārā)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links to records the file does not hold</source>
        <translation>
            <numerusform>%n atsauce uz ierakstu, kura failā nav</numerusform>
            <numerusform>%n atsauces uz ierakstiem, kuru failā nav</numerusform>
            <numerusform>%n atsauces uz ierakstiem, kuru failā nav</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links that would make a person their own ancestor</source>
        <translation>
            <numerusform>%n saite, kas padarītu personu par tās pašas senci</numerusform>
            <numerusform>%n saites, kas padarītu personu par tās pašas senci</numerusform>
            <numerusform>%n saites, kas padarītu personu par tās pašas senci</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other details</source>
        <translation>
            <numerusform>%n cita ziņa</numerusform>
            <numerusform>%n citas ziņas</numerusform>
            <numerusform>%n citas ziņas</numerusform>
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
        <translation>Nav saglabāts: %1</translation>
    </message>
    <message>
        <source>Added: %1, %2.</source>
        <extracomment>%1 is a count of persons (&quot;12 persons&quot;), %2 of relationships (&quot;15 relationships&quot;).</extracomment>
        <translation>Pievienots: %1, %2.</translation>
    </message>
    <message>
        <source>expected END:VCARD within %1 properties</source>
        <extracomment>%1 is a number of properties.</extracomment>
        <translation>gaidīts END:VCARD ne vēlāk kā pēc %1 īpašībām</translation>
    </message>
    <message>
        <source>expected a vCard property (NAME:value)</source>
        <translation>gaidīta vCard īpašība (NOSAUKUMS:vērtība)</translation>
    </message>
    <message>
        <source>expected a property of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>gaidīta īpašība, kas nav garāka par %1 baitiem</translation>
    </message>
    <message>
        <source>expected BEGIN:VCARD</source>
        <translation>gaidīts BEGIN:VCARD</translation>
    </message>
    <message>
        <source>expected VERSION 2.1, 3.0 or 4.0</source>
        <translation>gaidīts VERSION 2.1, 3.0 vai 4.0</translation>
    </message>
    <message>
        <source>expected END:VCARD: the file is cut short</source>
        <translation>gaidīts END:VCARD: fails beidzas pāragri</translation>
    </message>
    <message>
        <source>expected text in the character set %1</source>
        <extracomment>%1 is the name of a character set as the file gives it, such as windows-1257.</extracomment>
        <translation>gaidīts teksts rakstzīmju kopā %1</translation>
    </message>
    <message>
        <source>expected UTF-8 text, or a CHARSET naming the character set</source>
        <translation>gaidīts UTF-8 teksts vai CHARSET, kas norāda rakstzīmju kopu</translation>
    </message>
    <message>
        <source>text in %1, found a byte that it does not hold</source>
        <extracomment>%1 is the name of a character set, such as ANSEL or UTF-8.</extracomment>
        <translation>teksts rakstzīmju kopā %1, atrasts baits, kura tajā nav</translation>
    </message>
    <message>
        <source>a character set this program knows, found %1</source>
        <extracomment>%1 is the character set a file names, exactly as written there.</extracomment>
        <translation>šai programmai zināma rakstzīmju kopa, atrasta %1</translation>
    </message>
    <message>
        <source>a file of at most %1 MiB</source>
        <extracomment>%1 is a size in mebibytes.</extracomment>
        <translation>fails, kas nav lielāks par %1 MiB</translation>
    </message>
    <message>
        <source>text, found the character %1, which no value may hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>teksts, atrasta rakstzīme %1, ko nedrīkst saturēt neviena vērtība</translation>
    </message>
    <message>
        <source>&quot;0 HEAD&quot;, the start of a GEDCOM file</source>
        <translation>„0 HEAD“ – GEDCOM faila sākums</translation>
    </message>
    <message>
        <source>a line of at most %1 characters</source>
        <extracomment>%1 is a number of characters.</extracomment>
        <translation>rinda ar ne vairāk kā %1 rakstzīmēm</translation>
    </message>
    <message>
        <source>a level number at the start of the line</source>
        <translation>līmeņa numurs rindas sākumā</translation>
    </message>
    <message>
        <source>a level of at most %1</source>
        <extracomment>%1 is a number: how deep the line may be nested, given the line before.</extracomment>
        <translation>līmenis, kas nav lielāks par %1</translation>
    </message>
    <message>
        <source>a space and a tag after the level</source>
        <translation>atstarpe un tags pēc līmeņa</translation>
    </message>
    <message>
        <source>an identifier between two @ signs, such as @I1@</source>
        <translation>identifikators starp divām @ zīmēm, piemēram, @I1@</translation>
    </message>
    <message>
        <source>a tag after the level</source>
        <translation>tags pēc līmeņa</translation>
    </message>
    <message>
        <source>a value of at most %1 characters</source>
        <translation>vērtība ar ne vairāk kā %1 rakstzīmēm</translation>
    </message>
    <message>
        <source>&quot;0 TRLR&quot; at the end of the file, which is cut short</source>
        <translation>„0 TRLR“ faila beigās, bet fails beidzas pāragri</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportChoiceModel</name>
    <message>
        <source>Name</source>
        <translation>Vārds</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Uzvārds</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Dzimšanas datums</translation>
    </message>
    <message>
        <source>Already in the register</source>
        <translation>Jau reģistrā</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Imports</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Nolasīts līdz šim</translation>
    </message>
    <message>
        <source>Persons found</source>
        <extracomment>The list of the persons found in the file, each with a check box.</extracomment>
        <translation>Atrastās personas</translation>
    </message>
    <message>
        <source>Space chooses or leaves out the person; Enter imports the chosen persons</source>
        <translation>Atstarpe izvēlas personu vai atceļ tās izvēli; Enter importē izvēlētās personas</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Kopsavilkums</translation>
    </message>
    <message>
        <source>Choose &amp;all</source>
        <translation>Izvēlēties &amp;visus</translation>
    </message>
    <message>
        <source>Choose &amp;none</source>
        <translation>Izvēlēties &amp;nevienu</translation>
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
        <source>Import the chosen persons</source>
        <translation>Importēt izvēlētās personas</translation>
    </message>
    <message>
        <source>Chosen: %1 of %2</source>
        <extracomment>%1 is how many persons are chosen, %2 how many the file holds.</extracomment>
        <translation>Izvēlētas: %1 no %2</translation>
    </message>
    <message>
        <source>Persons in %1</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Personas failā %1</translation>
    </message>
</context>
<context>
    <name>orvanel::LoadWindow</name>
    <message>
        <source>Opening the register</source>
        <translation>Atver reģistru</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <extracomment>%1 is the path of the data file being read.</extracomment>
        <translation>Nolasa %1</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Nolasīts līdz šim</translation>
    </message>
</context>
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Personu nevar pievienot: identifikatoru %1, kas veidots no reģistra Prefix, nevarētu nolasīt atpakaļ.</translation>
    </message>
</context>
<context>
    <name>orvanel::PictureFile</name>
    <message>
        <source>The picture could not be made.</source>
        <translation>Attēlu neizdevās izveidot.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Ģimene</translation>
    </message>
    <message>
        <source>The register&apos;s own files cannot be replaced by a picture: %1</source>
        <extracomment>%1 is the path of the file chosen for the picture.</extracomment>
        <translation>Reģistra paša failus nevar aizstāt ar attēlu: %1</translation>
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
    <message>
        <source>Yes</source>
        <translation>Jā</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nē</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informācija</translation>
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
        <translation>tēvs vai māte</translation>
    </message>
    <message>
        <source>sibling</source>
        <extracomment>A relationship kind (brother or sister), shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>brālis vai māsa</translation>
    </message>
    <message>
        <source>twin</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>dvīnis vai dvīne</translation>
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
        <translation>Vai tiešām vēlaties dzēst šo ierakstu?</translation>
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
    <message>
        <source>&amp;Family...</source>
        <translation>Ģ&amp;imene...</translation>
    </message>
    <message>
        <source>The person&apos;s family as the register holds it, without changes not yet saved with OK</source>
        <translation>Personas ģimene, kāda tā ir reģistrā, bez izmaiņām, kas vēl nav saglabātas ar OK</translation>
    </message>
</context>
<context>
    <name>orvanel::RowListModel</name>
    <message>
        <source>sorted descending</source>
        <translation>kārtots dilstošā secībā</translation>
    </message>
    <message>
        <source>sorted ascending</source>
        <translation>kārtots augošā secībā</translation>
    </message>
</context>
<context>
    <name>orvanel::SortableHeader</name>
    <message>
        <source>Ctrl+1 to Ctrl+%1 sort the list by that column; pressed again, in reverse order.</source>
        <translation>Ctrl+1 līdz Ctrl+%1 kārto sarakstu pēc attiecīgās kolonnas; nospiežot vēlreiz — apgrieztā secībā.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending</source>
        <translation>Kārtots pēc: %1, dilstošā secībā</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending</source>
        <translation>Kārtots pēc: %1, augošā secībā</translation>
    </message>
</context>
<context>
    <name>orvanel::Store</name>
    <message>
        <source>Node &quot;%1&quot; not found</source>
        <extracomment>%1 is the name of an element of the data file, shown as it is.</extracomment>
        <translation>Mezgls „%1“ nav atrasts</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <extracomment>%1 is the text that was read; dates are written year/month/day.</extracomment>
        <translation>„%1“ nav derīgs datums</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>Nevar nolasīt „%1“: %2</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; not found!</source>
        <translation>Fails „%1“ nav atrasts!</translation>
    </message>
    <message>
        <source>Invalid data file content (&quot;%1&quot; is not a regular file)!</source>
        <translation>Nederīgs datu faila saturs („%1“ nav parasts fails)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is too large)!</source>
        <translation>Nederīgs datu faila saturs (fails ir pārāk liels)!</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: the file changed while it was read</source>
        <translation>Nevar nolasīt „%1“: fails mainījās, kamēr to lasīja</translation>
    </message>
    <message>
        <source>Cannot write the register in encoding %1</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Reģistru nevar ierakstīt kodējumā %1</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding %1 cannot be written back)!</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Nederīgs datu faila saturs (kodējumā %1 nevar ierakstīt atpakaļ)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding of the file cannot be written back)!</source>
        <translation>Nederīgs datu faila saturs (faila kodējumā nevar ierakstīt atpakaļ)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is not in the encoding %1 it declares)!</source>
        <extracomment>%1 is the name of an encoding, such as UTF-16.</extracomment>
        <translation>Nederīgs datu faila saturs (fails nav tajā kodējumā %1, kuru tas norāda)!</translation>
    </message>
    <message>
        <source>Invalid data file content (out of memory)!</source>
        <translation>Nederīgs datu faila saturs (nepietiek atmiņas)!</translation>
    </message>
    <message>
        <source>Invalid data file content (elements nested deeper than %1)!</source>
        <translation>Nederīgs datu faila saturs (elementi ligzdoti dziļāk par %1 līmeņiem)!</translation>
    </message>
    <message>
        <source>Invalid data file content (more than %1 different names or short texts)!</source>
        <translation>Nederīgs datu faila saturs (vairāk nekā %1 dažādu nosaukumu vai īsu tekstu)!</translation>
    </message>
    <message>
        <source>Invalid data file content (not well-formed XML)!</source>
        <translation>Nederīgs datu faila saturs (XML nav pareizi veidots)!</translation>
    </message>
    <message>
        <source>Invalid data file content (line %1: %2)!</source>
        <extracomment>%1 is a line number; %2 is the XML parser&apos;s own description of the fault, in English.</extracomment>
        <translation>Nederīgs datu faila saturs (%1. rinda: %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (no root element)!</source>
        <translation>Nederīgs datu faila saturs (nav saknes elementa)!</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;No space left on device&quot;.
----------
%2 is the reason, a whole sentence of its own.</extracomment>
        <translation>Nevar ierakstīt „%1“: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Nevar izveidot „%1“: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free name for a temporary file</source>
        <translation>Nevar izveidot „%1“: nav brīva nosaukuma pagaidu failam</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: cannot set its permissions: %2</source>
        <translation>Nevar izveidot „%1“: nevar iestatīt tā atļaujas: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: only %2 of %3 bytes could be written (is the disk full?)</source>
        <translation>Nevar ierakstīt „%1“: varēja ierakstīt tikai %2 no %3 baitiem (vai disks ir pilns?)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is in place, but the folder could not be flushed to disk: %2</source>
        <translation>Nevar ierakstīt „%1“: fails ir vietā, taču mapi nevarēja saglabāt diskā: %2</translation>
    </message>
    <message>
        <source>The register in this folder is already open in another Orvanel window.</source>
        <translation>Šīs mapes reģistrs jau ir atvērts citā Orvanel logā.</translation>
    </message>
    <message>
        <source>Invalid data file content (the root has no %1)!</source>
        <extracomment>%1 is the name of an attribute of the data file&apos;s root (Prefix, DateModified), shown as it is.</extracomment>
        <translation>Nederīgs datu faila saturs (saknes elementam nav %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 without %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Nederīgs datu faila saturs (%1 bez %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 with an empty %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Nederīgs datu faila saturs (%1 ar tukšu %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (wrong ID : %1 )!</source>
        <extracomment>%1 is the identifier as the file has it.</extracomment>
        <translation>Nederīgs datu faila saturs (nepareizs ID: %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (%1: &apos;%2&apos; is not a valid date)!</source>
        <extracomment>%1 is the name of an attribute of the data file (DateModified), shown as it is; %2 is the text that was read. Dates are written year/month/day.</extracomment>
        <translation>Nederīgs datu faila saturs (%1: „%2“ nav derīgs datums)!</translation>
    </message>
    <message>
        <source>Invalid data file content!</source>
        <translation>Nederīgs datu faila saturs!</translation>
    </message>
    <message>
        <source>Invalid data file content (entity declarations are not allowed)!</source>
        <translation>Nederīgs datu faila saturs (entītiju deklarācijas nav atļautas)!</translation>
    </message>
    <message>
        <source>Invalid data file content (an element with more than %1 attributes)!</source>
        <translation>Nederīgs datu faila saturs (elements ar vairāk nekā %1 atribūtiem)!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Nevar atvērt „%1“: %2</translation>
    </message>
    <message>
        <source>The register was not loaded, so it cannot be saved.</source>
        <translation>Reģistrs netika ielādēts, tāpēc to nevar saglabāt.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is no longer a regular file; nothing was saved</source>
        <translation>Nevar ierakstīt „%1“: tas vairs nav parasts fails; nekas netika saglabāts</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the name now leads to another file than the one opened at start (was a link put in its place?); nothing was saved</source>
        <translation>Nevar ierakstīt „%1“: nosaukums tagad ved uz citu failu, nevis to, kas tika atvērts sākumā (vai tā vietā ielikta saite?); nekas netika saglabāts</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; needs about %2 MB of memory to open, but only %3 MB are free (%4 MB of memory and %5 MB of swap space). Close other programs and start again, or open the register on a computer with more memory.</source>
        <extracomment>%1 is the data file&apos;s name; %2, %3, %4 and %5 are amounts in megabytes: what the register needs, what is free in all, and how much of that is memory and how much swap space.</extracomment>
        <translation>Reģistra „%1“ atvēršanai vajag aptuveni %2 MB atmiņas, bet brīvi ir tikai %3 MB (%4 MB atmiņas un %5 MB mijmaiņas vietas). Aizveriet citas programmas un palaidiet vēlreiz vai atveriet reģistru datorā ar vairāk atmiņas.</translation>
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
    <message>
        <source>zok.xml was changed by another program since Orvanel opened it. Save anyway? Its version will be kept in zok.bak.</source>
        <translation>Kopš Orvanel atvēra zok.xml, to ir mainījusi cita programma. Vai tomēr saglabāt? Tās versija tiks paturēta failā zok.bak.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Family</name>
    <message>
        <source>Family</source>
        <translation>Ģimene</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Paaudzes:</translation>
    </message>
    <message>
        <source>Generations up and down</source>
        <translation>Paaudzes uz augšu un uz leju</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;tpakaļ</translation>
    </message>
    <message>
        <source>The person centred before (Alt+Left)</source>
        <translation>Persona, kas iepriekš bija centrā (Alt+bultiņa pa kreisi)</translation>
    </message>
    <message>
        <source>F&amp;orward</source>
        <translation>&amp;Uz priekšu</translation>
    </message>
    <message>
        <source>The person centred after (Alt+Right)</source>
        <translation>Persona, kas pēc tam bija centrā (Alt+bultiņa pa labi)</translation>
    </message>
    <message>
        <source>Family picture</source>
        <translation>Ģimenes attēls</translation>
    </message>
    <message>
        <source>Arrow keys move between relatives, Enter centres on one, F2 opens one, Ctrl and the mouse wheel zoom</source>
        <translation>Bultiņas pārvietojas starp radiniekiem, Enter novieto radinieku centrā, F2 to atver, Ctrl un peles ritenis tuvina un attālina</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Kopsavilkums</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>&amp;Saglabāt attēlu...</translation>
    </message>
    <message>
        <source>Save the picture as a PNG, SVG or PDF file</source>
        <translation>Saglabāt attēlu PNG, SVG vai PDF failā</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukāt...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Aizvērt</translation>
    </message>
    <message>
        <source>No relatives are recorded.</source>
        <translation>Nav reģistrētu radinieku.</translation>
    </message>
    <message>
        <source>Centred on %1. %2</source>
        <extracomment>%1 describes the person now in the middle, %2 is the summary of their family.</extracomment>
        <translation>Centrā: %1. %2</translation>
    </message>
    <message>
        <source>No person&apos;s record has the ID %1.</source>
        <translation>Nav neviena personas ieraksta ar ID %1.</translation>
    </message>
    <message>
        <source>%1 is deleted, and deleted persons are not opened.</source>
        <translation>Ieraksts %1 ir dzēsts, un dzēstas personas netiek atvērtas.</translation>
    </message>
    <message>
        <source>This window was opened from the person dialog, which shows one person at a time.</source>
        <translation>Šis logs ir atvērts no loga „Persona“, kas vienlaikus rāda tikai vienu personu.</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by a picture. Choose another file.</source>
        <translation>Reģistru „%1“ un tā rezerves kopiju „%2“ nevar aizstāt ar attēlu. Izvēlieties citu failu.</translation>
    </message>
    <message>
        <source>Picture saved to %1</source>
        <translation>Attēls saglabāts failā %1</translation>
    </message>
    <message>
        <source>Picture sent to the printer.</source>
        <translation>Attēls nosūtīts uz printeri.</translation>
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
        <translation>Vīri&amp;eši</translation>
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
        <translation>„No“ datums ir vēlāks par „Līdz“ datumu!</translation>
    </message>
    <message>
        <source>From</source>
        <translation>No</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Līdz</translation>
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
        <translation>Persona „%1“ nav atrasta</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Laukiem „Vārds“ un „Uzvārds“ jābūt aizpildītiem!</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a character that cannot be stored (U+%2). Please remove it.</source>
        <translation>Laukā „%1“ ir rakstzīme, ko nevar saglabāt (U+%2). Lūdzu, izdzēsiet to.</translation>
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
    <message>
        <source>Person2</source>
        <translation>Persona2</translation>
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
        <translation>Vai tiešām vēlaties dzēst šo ierakstu?</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;ksportēt...</translation>
    </message>
    <message>
        <source>Export the listed persons</source>
        <translation>Eksportēt sarakstā redzamās personas</translation>
    </message>
    <message>
        <source>Write the persons now listed to a vCard or CSV file</source>
        <translation>Ierakstīt pašlaik sarakstā redzamās personas vCard vai CSV failā</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by an export. Choose another file.</source>
        <translation>Reģistru „%1“ un tā rezerves kopiju „%2“ nevar aizstāt ar eksportu. Izvēlieties citu failu.</translation>
    </message>
    <message>
        <source>Persons listed: %1</source>
        <translation>Sarakstā personu: %1</translation>
    </message>
    <message>
        <source>Person %1 deleted. Persons listed: %2</source>
        <translation>Persona %1 dzēsta. Sarakstā personu: %2</translation>
    </message>
    <message>
        <source>Persons exported to %1: %2</source>
        <translation>Uz %1 eksportēto personu: %2</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importēt...</translation>
    </message>
    <message>
        <source>Add persons from a file of another program</source>
        <translation>Pievienot personas no citas programmas faila</translation>
    </message>
    <message>
        <source>Read persons from a GEDCOM, vCard or CSV file</source>
        <translation>Nolasīt personas no GEDCOM, vCard vai CSV faila</translation>
    </message>
    <message>
        <source>Fa&amp;mily...</source>
        <translation>Ģi&amp;mene...</translation>
    </message>
    <message>
        <source>Show the selected person&apos;s family as a picture</source>
        <translation>Parādīt atlasītās personas ģimeni attēlā</translation>
    </message>
</context>
</TS>
