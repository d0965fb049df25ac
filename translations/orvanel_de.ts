<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ExportFileDialog</name>
    <message>
        <source>Export the listed persons</source>
        <translation>Die aufgelisteten Personen exportieren</translation>
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
        <translation>kein Eintrag</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>gelöscht</translation>
    </message>
    <message>
        <source>born %1</source>
        <extracomment>%1 is a year of birth.</extracomment>
        <translation>geboren %1</translation>
    </message>
    <message>
        <source>born ?</source>
        <translation>geboren ?</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The label of a man&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>M</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The label of a woman&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>W</translation>
    </message>
    <message>
        <source>the chosen person</source>
        <translation>die gewählte Person</translation>
    </message>
    <message>
        <source>%1 of the chosen person</source>
        <extracomment>%1 is the relation: &quot;mother&quot;, &quot;twin brother&quot;, &quot;grandchild&quot;.</extracomment>
        <translation>%1 der gewählten Person</translation>
    </message>
</context>
<context>
    <name>ImportFileDialog</name>
    <message>
        <source>All importable files (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</source>
        <translation>Alle importierbaren Dateien (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</translation>
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
        <translation>Kommagetrennte Werte (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Import persons</source>
        <translation>Personen importieren</translation>
    </message>
</context>
<context>
    <name>PersonField</name>
    <message>
        <source>Optional ID</source>
        <translation>Optionale ID</translation>
    </message>
    <message>
        <source>OptionalID</source>
        <translation>Optionale ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Zweiter Vorname</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Straße und Hausnummer</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>County/Province</source>
        <translation>Bezirk/Provinz</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Postleitzahl</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Telefon 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Telefon 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Mobiltelefon</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
</context>
<context>
    <name>orvanel::ContactTab</name>
    <message>
        <source>Street &amp;Address</source>
        <translation>&amp;Straße und Hausnummer</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>Or&amp;t</translation>
    </message>
    <message>
        <source>Co&amp;unty/Province</source>
        <translation>&amp;Bezirk/Provinz</translation>
    </message>
    <message>
        <source>&amp;Post Code</source>
        <translation>&amp;Postleitzahl</translation>
    </message>
    <message>
        <source>Cou&amp;ntry</source>
        <translation>&amp;Land</translation>
    </message>
    <message>
        <source>Phone &amp;1</source>
        <translation>Telefon &amp;1</translation>
    </message>
    <message>
        <source>Phone &amp;2</source>
        <translation>Telefon &amp;2</translation>
    </message>
    <message>
        <source>Fa&amp;x</source>
        <translation>&amp;Fax</translation>
    </message>
    <message>
        <source>Mo&amp;bile phone</source>
        <translation>Mob&amp;iltelefon</translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation>&amp;E-Mail</translation>
    </message>
</context>
<context>
    <name>orvanel::DateField</name>
    <message>
        <source>Choose a date</source>
        <translation>Datum wählen</translation>
    </message>
    <message>
        <source>Choose a date (Alt+Down)</source>
        <translation>Datum wählen (Alt+Pfeil nach unten)</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; does not hold a whole date. Please type it as year/month/day, for example 1950/12/31.</source>
        <translation>Das Feld „%1“ enthält kein vollständiges Datum. Bitte geben Sie es als Jahr/Monat/Tag ein, zum Beispiel 1950/12/31.</translation>
    </message>
    <message>
        <source>Date as yyyy/m/d, for example 1950/12/31; Alt+Down opens a calendar</source>
        <translation>Datum als JJJJ/M/T, zum Beispiel 1950/12/31; Alt+Nach-unten öffnet einen Kalender</translation>
    </message>
</context>
<context>
    <name>orvanel::Export</name>
    <message>
        <source>The register&apos;s own files cannot be replaced by an export: %1</source>
        <extracomment>%1 is the path of the file chosen for the export.</extracomment>
        <translation>Die eigenen Dateien des Registers können nicht durch einen Export ersetzt werden: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) lead to persons outside the export and were left out.</source>
        <translation>
            <numerusform>%n Beziehung führt zu Personen außerhalb des Exports und wurde ausgelassen.</numerusform>
            <numerusform>%n Beziehungen führen zu Personen außerhalb des Exports und wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) of an unknown kind, or of a person with themselves, were left out.</source>
        <translation>
            <numerusform>%n Beziehung unbekannter Art oder einer Person zu sich selbst wurde ausgelassen.</numerusform>
            <numerusform>%n Beziehungen unbekannter Art oder einer Person zu sich selbst wurden ausgelassen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parent(s) beyond a child&apos;s first two were written in families of their own.</source>
        <translation>
            <numerusform>%n Elternteil über die ersten zwei eines Kindes hinaus wurde in eine eigene Familie geschrieben.</numerusform>
            <numerusform>%n Elternteile über die ersten zwei eines Kindes hinaus wurden in eigene Familien geschrieben.</numerusform>
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
        <translation>Kommagetrennte Werte</translation>
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
        <translation>gewählte Person</translation>
    </message>
    <message>
        <source>father</source>
        <translation>Vater</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>Mutter</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>Elternteil</translation>
    </message>
    <message numerus="yes">
        <source>%n parent</source>
        <translation>
            <numerusform>%n Elternteil</numerusform>
            <numerusform>%n Elternteile</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parents</source>
        <translation>
            <numerusform>%n Elternteil</numerusform>
            <numerusform>%n Elternteile</numerusform>
        </translation>
    </message>
    <message>
        <source>grandfather</source>
        <translation>Großvater</translation>
    </message>
    <message>
        <source>grandmother</source>
        <translation>Großmutter</translation>
    </message>
    <message>
        <source>grandparent</source>
        <translation>Großelternteil</translation>
    </message>
    <message numerus="yes">
        <source>%n grandparent</source>
        <translation>
            <numerusform>%n Großelternteil</numerusform>
            <numerusform>%n Großeltern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandparents</source>
        <translation>
            <numerusform>%n Großelternteil</numerusform>
            <numerusform>%n Großeltern</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandfather</source>
        <translation>Urgroßvater</translation>
    </message>
    <message>
        <source>great-grandmother</source>
        <translation>Urgroßmutter</translation>
    </message>
    <message>
        <source>great-grandparent</source>
        <translation>Urgroßelternteil</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparent</source>
        <translation>
            <numerusform>%n Urgroßelternteil</numerusform>
            <numerusform>%n Urgroßeltern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparents</source>
        <translation>
            <numerusform>%n Urgroßelternteil</numerusform>
            <numerusform>%n Urgroßeltern</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandfather</source>
        <translation>Ururgroßvater</translation>
    </message>
    <message>
        <source>great-great-grandmother</source>
        <translation>Ururgroßmutter</translation>
    </message>
    <message>
        <source>great-great-grandparent</source>
        <translation>Ururgroßelternteil</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparent</source>
        <translation>
            <numerusform>%n Ururgroßelternteil</numerusform>
            <numerusform>%n Ururgroßeltern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparents</source>
        <translation>
            <numerusform>%n Ururgroßelternteil</numerusform>
            <numerusform>%n Ururgroßeltern</numerusform>
        </translation>
    </message>
    <message>
        <source>twin brother</source>
        <translation>Zwillingsbruder</translation>
    </message>
    <message>
        <source>twin sister</source>
        <translation>Zwillingsschwester</translation>
    </message>
    <message>
        <source>twin</source>
        <translation>Zwilling</translation>
    </message>
    <message numerus="yes">
        <source>%n twin</source>
        <translation>
            <numerusform>%n Zwilling</numerusform>
            <numerusform>%n Zwillinge</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n twins</source>
        <translation>
            <numerusform>%n Zwilling</numerusform>
            <numerusform>%n Zwillinge</numerusform>
        </translation>
    </message>
    <message>
        <source>brother</source>
        <translation>Bruder</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>Schwester</translation>
    </message>
    <message>
        <source>sibling</source>
        <translation>Bruder oder Schwester</translation>
    </message>
    <message numerus="yes">
        <source>%n sibling</source>
        <translation>
            <numerusform>%n Bruder oder Schwester</numerusform>
            <numerusform>%n Brüder oder Schwestern</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n siblings</source>
        <translation>
            <numerusform>%n Bruder oder Schwester</numerusform>
            <numerusform>%n Brüder oder Schwestern</numerusform>
        </translation>
    </message>
    <message>
        <source>son</source>
        <translation>Sohn</translation>
    </message>
    <message>
        <source>daughter</source>
        <translation>Tochter</translation>
    </message>
    <message>
        <source>child</source>
        <translation>Kind</translation>
    </message>
    <message numerus="yes">
        <source>%n child</source>
        <translation>
            <numerusform>%n Kind</numerusform>
            <numerusform>%n Kinder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n children</source>
        <translation>
            <numerusform>%n Kind</numerusform>
            <numerusform>%n Kinder</numerusform>
        </translation>
    </message>
    <message>
        <source>grandson</source>
        <translation>Enkel</translation>
    </message>
    <message>
        <source>granddaughter</source>
        <translation>Enkelin</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>Enkelkind</translation>
    </message>
    <message numerus="yes">
        <source>%n grandchild</source>
        <translation>
            <numerusform>%n Enkelkind</numerusform>
            <numerusform>%n Enkelkinder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandchildren</source>
        <translation>
            <numerusform>%n Enkelkind</numerusform>
            <numerusform>%n Enkelkinder</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandson</source>
        <translation>Urenkel</translation>
    </message>
    <message>
        <source>great-granddaughter</source>
        <translation>Urenkelin</translation>
    </message>
    <message>
        <source>great-grandchild</source>
        <translation>Urenkelkind</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchild</source>
        <translation>
            <numerusform>%n Urenkelkind</numerusform>
            <numerusform>%n Urenkelkinder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchildren</source>
        <translation>
            <numerusform>%n Urenkelkind</numerusform>
            <numerusform>%n Urenkelkinder</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandson</source>
        <translation>Ururenkel</translation>
    </message>
    <message>
        <source>great-great-granddaughter</source>
        <translation>Ururenkelin</translation>
    </message>
    <message>
        <source>great-great-grandchild</source>
        <translation>Ururenkelkind</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchild</source>
        <translation>
            <numerusform>%n Ururenkelkind</numerusform>
            <numerusform>%n Ururenkelkinder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchildren</source>
        <translation>
            <numerusform>%n Ururenkelkind</numerusform>
            <numerusform>%n Ururenkelkinder</numerusform>
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
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>M&amp;ale</source>
        <translation>M&amp;ännlich</translation>
    </message>
    <message>
        <source>&amp;Female</source>
        <translation>&amp;Weiblich</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Optional &amp;ID</source>
        <translation>Optionale &amp;ID</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>Vor&amp;name</translation>
    </message>
    <message>
        <source>Midd&amp;le Name</source>
        <translation>&amp;Zweiter Vorname</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>Na&amp;chname</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translation>&amp;Geburtsdatum</translation>
    </message>
    <message>
        <source>(not readable)</source>
        <translation>(nicht lesbar)</translation>
    </message>
</context>
<context>
    <name>orvanel::Import</name>
    <message>
        <source>Born: %1</source>
        <extracomment>A line added to an imported person&apos;s comment for a birth date that is not an exact day (a year alone, a day without a year, words). %1 is the date as the file wrote it.</extracomment>
        <translation>Geboren: %1</translation>
    </message>
    <message>
        <source>expected at most %1 persons in one file</source>
        <extracomment>%1 is a number of persons.</extracomment>
        <translation>erwartet höchstens %1 Personen in einer Datei</translation>
    </message>
    <message>
        <source>expected UTF-16 text, found a broken character</source>
        <translation>erwartet UTF-16-Text, gefunden ein beschädigtes Zeichen</translation>
    </message>
    <message>
        <source>expected UTF-16 text, the file is cut short</source>
        <translation>erwartet UTF-16-Text, die Datei bricht aber vorzeitig ab</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>An import refused. %1 is the line number in the file, %2 what was wrong or expected.</extracomment>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>expected text, found the character %1, which a data file cannot hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>erwartet Text, gefunden das Zeichen %1, das eine Datendatei nicht enthalten kann</translation>
    </message>
    <message>
        <source>expected UTF-8 text (a spreadsheet can save CSV as UTF-8)</source>
        <translation>erwartet UTF-8-Text (eine Tabellenkalkulation kann CSV als UTF-8 speichern)</translation>
    </message>
    <message>
        <source>expected a file of at most %1 MiB</source>
        <extracomment>%1 is a number of mebibytes.</extracomment>
        <translation>erwartet eine Datei von höchstens %1 MiB</translation>
    </message>
    <message>
        <source>expected a header naming the columns, such as First Name, Last Name or E-mail Address</source>
        <translation>erwartet eine Kopfzeile mit den Spaltennamen, etwa First Name, Last Name oder E-mail Address</translation>
    </message>
    <message>
        <source>expected %1 fields as the header has, found %2</source>
        <extracomment>%1 and %2 are numbers of fields.</extracomment>
        <translation>erwartet %1 Felder wie in der Kopfzeile, gefunden %2</translation>
    </message>
    <message>
        <source>expected a field of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>erwartet ein Feld von höchstens %1 Bytes</translation>
    </message>
    <message>
        <source>expected the closing quote of a field: the file is cut short</source>
        <translation>erwartet das schließende Anführungszeichen eines Felds: Die Datei bricht vorzeitig ab</translation>
    </message>
    <message>
        <source>expected a delimiter after the closing quote</source>
        <translation>erwartet ein Trennzeichen nach dem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>expected a record of at most %1 fields</source>
        <extracomment>%1 is a number of fields.</extracomment>
        <translation>erwartet einen Datensatz mit höchstens %1 Feldern</translation>
    </message>
    <message>
        <source>a family of at most %1 children</source>
        <extracomment>%1 is a number of children.</extracomment>
        <translation>eine Familie mit höchstens %1 Kindern</translation>
    </message>
    <message>
        <source>at most %1 relationships in a file</source>
        <extracomment>%1 is a number of relationships.</extracomment>
        <translation>höchstens %1 Beziehungen in einer Datei</translation>
    </message>
    <message>
        <source>GEDCOM version 5.5, 5.5.1 or 7.0, found %1</source>
        <extracomment>%1 is the GEDCOM version a file gives, exactly as written there.</extracomment>
        <translation>GEDCOM-Version 5.5, 5.5.1 oder 7.0, gefunden %1</translation>
    </message>
    <message>
        <source>an identifier not used before, found %1 of line %2 again</source>
        <extracomment>%1 is a record&apos;s identifier such as @I1@, %2 the line where it first stood.</extracomment>
        <translation>eine noch nicht verwendete Kennung, gefunden erneut %1 aus Zeile %2</translation>
    </message>
    <message>
        <source>line %1: expected %2</source>
        <extracomment>%1 is a line number of the file being imported, %2 says what should have been there.</extracomment>
        <translation>Zeile %1: erwartet %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB and cannot be imported.</source>
        <extracomment>%1 is the file&apos;s path, %2 the largest size in megabytes.</extracomment>
        <translation>„%1“ ist größer als %2 MB und kann nicht importiert werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <translation>
            <numerusform>%n Person</numerusform>
            <numerusform>%n Personen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationships</source>
        <translation>
            <numerusform>%n Beziehung</numerusform>
            <numerusform>%n Beziehungen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n partnerships without children</source>
        <translation>
            <numerusform>%n Partnerschaft ohne Kinder</numerusform>
            <numerusform>%n Partnerschaften ohne Kinder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events other than birth</source>
        <translation>
            <numerusform>%n Ereignis außer der Geburt</numerusform>
            <numerusform>%n Ereignisse außer der Geburt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sources</source>
        <translation>
            <numerusform>%n Quelle</numerusform>
            <numerusform>%n Quellen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures or other media</source>
        <translation>
            <numerusform>%n Bild oder anderes Medium</numerusform>
            <numerusform>%n Bilder oder andere Medien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximate birth dates (kept in the comment)</source>
        <translation>
            <numerusform>%n ungefähres Geburtsdatum (im Kommentar aufbewahrt)</numerusform>
            <numerusform>%n ungefähre Geburtsdaten (im Kommentar aufbewahrt)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links to records the file does not hold</source>
        <translation>
            <numerusform>%n Verweis auf einen Datensatz, den die Datei nicht enthält</numerusform>
            <numerusform>%n Verweise auf Datensätze, die die Datei nicht enthält</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links that would make a person their own ancestor</source>
        <translation>
            <numerusform>%n Verbindung, die eine Person zu ihrem eigenen Vorfahren machen würde</numerusform>
            <numerusform>%n Verbindungen, die eine Person zu ihrem eigenen Vorfahren machen würden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other details</source>
        <translation>
            <numerusform>%n weitere Angabe</numerusform>
            <numerusform>%n weitere Angaben</numerusform>
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
        <translation>Nicht übernommen: %1</translation>
    </message>
    <message>
        <source>Added: %1, %2.</source>
        <extracomment>%1 is a count of persons (&quot;12 persons&quot;), %2 of relationships (&quot;15 relationships&quot;).</extracomment>
        <translation>Hinzugefügt: %1, %2.</translation>
    </message>
    <message>
        <source>expected END:VCARD within %1 properties</source>
        <extracomment>%1 is a number of properties.</extracomment>
        <translation>erwartet END:VCARD innerhalb von %1 Eigenschaften</translation>
    </message>
    <message>
        <source>expected a vCard property (NAME:value)</source>
        <translation>erwartet eine vCard-Eigenschaft (NAME:Wert)</translation>
    </message>
    <message>
        <source>expected a property of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>erwartet eine Eigenschaft von höchstens %1 Bytes</translation>
    </message>
    <message>
        <source>expected BEGIN:VCARD</source>
        <translation>erwartet BEGIN:VCARD</translation>
    </message>
    <message>
        <source>expected VERSION 2.1, 3.0 or 4.0</source>
        <translation>erwartet VERSION 2.1, 3.0 oder 4.0</translation>
    </message>
    <message>
        <source>expected END:VCARD: the file is cut short</source>
        <translation>erwartet END:VCARD: Die Datei bricht vorzeitig ab</translation>
    </message>
    <message>
        <source>expected text in the character set %1</source>
        <extracomment>%1 is the name of a character set as the file gives it, such as windows-1257.</extracomment>
        <translation>erwartet Text im Zeichensatz %1</translation>
    </message>
    <message>
        <source>expected UTF-8 text, or a CHARSET naming the character set</source>
        <translation>erwartet UTF-8-Text oder ein CHARSET, das den Zeichensatz nennt</translation>
    </message>
    <message>
        <source>text in %1, found a byte that it does not hold</source>
        <extracomment>%1 is the name of a character set, such as ANSEL or UTF-8.</extracomment>
        <translation>Text in %1, gefunden ein Byte, das dieser Zeichensatz nicht enthält</translation>
    </message>
    <message>
        <source>a character set this program knows, found %1</source>
        <extracomment>%1 is the character set a file names, exactly as written there.</extracomment>
        <translation>einen Zeichensatz, den dieses Programm kennt, gefunden %1</translation>
    </message>
    <message>
        <source>a file of at most %1 MiB</source>
        <extracomment>%1 is a size in mebibytes.</extracomment>
        <translation>eine Datei von höchstens %1 MiB</translation>
    </message>
    <message>
        <source>text, found the character %1, which no value may hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>Text, gefunden das Zeichen %1, das kein Wert enthalten darf</translation>
    </message>
    <message>
        <source>&quot;0 HEAD&quot;, the start of a GEDCOM file</source>
        <translation>„0 HEAD“, den Anfang einer GEDCOM-Datei</translation>
    </message>
    <message>
        <source>a line of at most %1 characters</source>
        <extracomment>%1 is a number of characters.</extracomment>
        <translation>eine Zeile mit höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>a level number at the start of the line</source>
        <translation>eine Ebenennummer am Zeilenanfang</translation>
    </message>
    <message>
        <source>a level of at most %1</source>
        <extracomment>%1 is a number: how deep the line may be nested, given the line before.</extracomment>
        <translation>eine Ebene von höchstens %1</translation>
    </message>
    <message>
        <source>a space and a tag after the level</source>
        <translation>ein Leerzeichen und ein Tag nach der Ebene</translation>
    </message>
    <message>
        <source>an identifier between two @ signs, such as @I1@</source>
        <translation>eine Kennung zwischen zwei @-Zeichen, etwa @I1@</translation>
    </message>
    <message>
        <source>a tag after the level</source>
        <translation>ein Tag nach der Ebene</translation>
    </message>
    <message>
        <source>a value of at most %1 characters</source>
        <translation>einen Wert mit höchstens %1 Zeichen</translation>
    </message>
    <message>
        <source>&quot;0 TRLR&quot; at the end of the file, which is cut short</source>
        <translation>„0 TRLR“ am Dateiende, die Datei bricht aber vorzeitig ab</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportChoiceModel</name>
    <message>
        <source>Name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Already in the register</source>
        <translation>Bereits im Register</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Bisher gelesen</translation>
    </message>
    <message>
        <source>Persons found</source>
        <extracomment>The list of the persons found in the file, each with a check box.</extracomment>
        <translation>Gefundene Personen</translation>
    </message>
    <message>
        <source>Space chooses or leaves out the person; Enter imports the chosen persons</source>
        <translation>Leertaste wählt die Person aus oder ab; Eingabetaste importiert die ausgewählten Personen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Choose &amp;all</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>Choose &amp;none</source>
        <translation>&amp;Keine auswählen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Import the chosen persons</source>
        <translation>Die ausgewählten Personen importieren</translation>
    </message>
    <message>
        <source>Chosen: %1 of %2</source>
        <extracomment>%1 is how many persons are chosen, %2 how many the file holds.</extracomment>
        <translation>Ausgewählt: %1 von %2</translation>
    </message>
    <message>
        <source>Persons in %1</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Personen in %1</translation>
    </message>
</context>
<context>
    <name>orvanel::LoadWindow</name>
    <message>
        <source>Opening the register</source>
        <translation>Register wird geöffnet</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <extracomment>%1 is the path of the data file being read.</extracomment>
        <translation>Lese %1</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Bisher gelesen</translation>
    </message>
</context>
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Es kann keine Person hinzugefügt werden: Die aus dem Prefix des Registers gebildete Kennung %1 ließe sich nicht wieder einlesen.</translation>
    </message>
</context>
<context>
    <name>orvanel::PictureFile</name>
    <message>
        <source>The picture could not be made.</source>
        <translation>Das Bild konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>The register&apos;s own files cannot be replaced by a picture: %1</source>
        <extracomment>%1 is the path of the file chosen for the picture.</extracomment>
        <translation>Die eigenen Dateien des Registers können nicht durch ein Bild ersetzt werden: %1</translation>
    </message>
</context>
<context>
    <name>orvanel::QtMessages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>orvanel::RelationshipKind</name>
    <message>
        <source>is %1 of</source>
        <extracomment>One person&apos;s relationship to another: &quot;Anna is child of Peter&quot;. %1 is the kind (child, parent, sibling, twin); the person names stand before and after the sentence.</extracomment>
        <translation>ist %1 von</translation>
    </message>
    <message>
        <source>child</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>Kind</translation>
    </message>
    <message>
        <source>parent</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>Elternteil</translation>
    </message>
    <message>
        <source>sibling</source>
        <extracomment>A relationship kind (brother or sister), shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>Bruder oder Schwester</translation>
    </message>
    <message>
        <source>twin</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>Zwilling</translation>
    </message>
    <message>
        <source>error</source>
        <extracomment>Shown in place of a relationship kind when no kind, or an unknown one, is chosen.</extracomment>
        <translation>(Fehler)</translation>
    </message>
</context>
<context>
    <name>orvanel::RelativesTab</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Sind Sie ganz sicher, dass Sie diesen Eintrag löschen möchten?</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>This person is ...</source>
        <translation>Diese Person ist ...</translation>
    </message>
    <message>
        <source>of ...</source>
        <translation>von ...</translation>
    </message>
    <message>
        <source>Relatives</source>
        <translation>Verwandte</translation>
    </message>
    <message>
        <source>&amp;Family...</source>
        <translation>&amp;Familie...</translation>
    </message>
    <message>
        <source>The person&apos;s family as the register holds it, without changes not yet saved with OK</source>
        <translation>Die Familie der Person, wie sie im Register steht, ohne die noch nicht mit OK gespeicherten Änderungen</translation>
    </message>
</context>
<context>
    <name>orvanel::RowListModel</name>
    <message>
        <source>sorted descending</source>
        <translation>absteigend sortiert</translation>
    </message>
    <message>
        <source>sorted ascending</source>
        <translation>aufsteigend sortiert</translation>
    </message>
</context>
<context>
    <name>orvanel::SortableHeader</name>
    <message>
        <source>Ctrl+1 to Ctrl+%1 sort the list by that column; pressed again, in reverse order.</source>
        <translation>Strg+1 bis Strg+%1 sortieren die Liste nach der jeweiligen Spalte; erneut gedrückt in umgekehrter Reihenfolge.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending</source>
        <translation>Sortiert nach %1, absteigend</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending</source>
        <translation>Sortiert nach %1, aufsteigend</translation>
    </message>
</context>
<context>
    <name>orvanel::Store</name>
    <message>
        <source>Node &quot;%1&quot; not found</source>
        <extracomment>%1 is the name of an element of the data file, shown as it is.</extracomment>
        <translation>Knoten „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <extracomment>%1 is the text that was read; dates are written year/month/day.</extracomment>
        <translation>„%1“ ist kein gültiges Datum</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; not found!</source>
        <translation>Datei „%1“ nicht gefunden!</translation>
    </message>
    <message>
        <source>Invalid data file content (&quot;%1&quot; is not a regular file)!</source>
        <translation>Ungültiger Inhalt der Datendatei („%1“ ist keine gewöhnliche Datei)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is too large)!</source>
        <translation>Ungültiger Inhalt der Datendatei (die Datei ist zu groß)!</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: the file changed while it was read</source>
        <translation>„%1“ kann nicht gelesen werden: Die Datei hat sich beim Lesen geändert</translation>
    </message>
    <message>
        <source>Cannot write the register in encoding %1</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Das Register kann nicht in der Kodierung %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding %1 cannot be written back)!</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (in der Kodierung %1 kann nicht zurückgeschrieben werden)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding of the file cannot be written back)!</source>
        <translation>Ungültiger Inhalt der Datendatei (in der Kodierung der Datei kann nicht zurückgeschrieben werden)!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is not in the encoding %1 it declares)!</source>
        <extracomment>%1 is the name of an encoding, such as UTF-16.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (die Datei ist nicht in der angegebenen Kodierung %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (out of memory)!</source>
        <translation>Ungültiger Inhalt der Datendatei (nicht genügend Speicher)!</translation>
    </message>
    <message>
        <source>Invalid data file content (elements nested deeper than %1)!</source>
        <translation>Ungültiger Inhalt der Datendatei (Elemente tiefer als %1 Ebenen verschachtelt)!</translation>
    </message>
    <message>
        <source>Invalid data file content (more than %1 different names or short texts)!</source>
        <translation>Ungültiger Inhalt der Datendatei (mehr als %1 verschiedene Namen oder kurze Texte)!</translation>
    </message>
    <message>
        <source>Invalid data file content (not well-formed XML)!</source>
        <translation>Ungültiger Inhalt der Datendatei (kein wohlgeformtes XML)!</translation>
    </message>
    <message>
        <source>Invalid data file content (line %1: %2)!</source>
        <extracomment>%1 is a line number; %2 is the XML parser&apos;s own description of the fault, in English.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (Zeile %1: %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (no root element)!</source>
        <translation>Ungültiger Inhalt der Datendatei (kein Wurzelelement)!</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;No space left on device&quot;.
----------
%2 is the reason, a whole sentence of its own.</extracomment>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>„%1“ kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free name for a temporary file</source>
        <translation>„%1“ kann nicht angelegt werden: Kein freier Name für eine temporäre Datei</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: cannot set its permissions: %2</source>
        <translation>„%1“ kann nicht angelegt werden: Die Zugriffsrechte der Datei lassen sich nicht setzen: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: only %2 of %3 bytes could be written (is the disk full?)</source>
        <translation>„%1“ kann nicht geschrieben werden: Nur %2 von %3 Bytes konnten geschrieben werden (ist der Datenträger voll?)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is in place, but the folder could not be flushed to disk: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: Die Datei steht an ihrem Platz, aber der Ordner konnte nicht auf den Datenträger geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The register in this folder is already open in another Orvanel window.</source>
        <translation>Das Register in diesem Ordner ist bereits in einem anderen Orvanel-Fenster geöffnet.</translation>
    </message>
    <message>
        <source>Invalid data file content (the root has no %1)!</source>
        <extracomment>%1 is the name of an attribute of the data file&apos;s root (Prefix, DateModified), shown as it is.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (dem Wurzelelement fehlt %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 without %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (ein %1-Element ohne Attribut %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 with an empty %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (ein %1-Element mit leerem Attribut %2)!</translation>
    </message>
    <message>
        <source>Invalid data file content (wrong ID : %1 )!</source>
        <extracomment>%1 is the identifier as the file has it.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (falsche ID: %1)!</translation>
    </message>
    <message>
        <source>Invalid data file content (%1: &apos;%2&apos; is not a valid date)!</source>
        <extracomment>%1 is the name of an attribute of the data file (DateModified), shown as it is; %2 is the text that was read. Dates are written year/month/day.</extracomment>
        <translation>Ungültiger Inhalt der Datendatei (%1: „%2“ ist kein gültiges Datum)!</translation>
    </message>
    <message>
        <source>Invalid data file content!</source>
        <translation>Ungültiger Inhalt der Datendatei!</translation>
    </message>
    <message>
        <source>Invalid data file content (entity declarations are not allowed)!</source>
        <translation>Ungültiger Inhalt der Datendatei (Entity-Deklarationen sind nicht erlaubt)!</translation>
    </message>
    <message>
        <source>Invalid data file content (an element with more than %1 attributes)!</source>
        <translation>Ungültiger Inhalt der Datendatei (ein Element mit mehr als %1 Attributen)!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>The register was not loaded, so it cannot be saved.</source>
        <translation>Das Register wurde nicht geladen und kann daher nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is no longer a regular file; nothing was saved</source>
        <translation>„%1“ kann nicht geschrieben werden: Es ist keine gewöhnliche Datei mehr; nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the name now leads to another file than the one opened at start (was a link put in its place?); nothing was saved</source>
        <translation>„%1“ kann nicht geschrieben werden: Der Name führt jetzt zu einer anderen Datei als der beim Start geöffneten (wurde ein Link an ihre Stelle gesetzt?); nichts wurde gespeichert</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; needs about %2 MB of memory to open, but only %3 MB are free (%4 MB of memory and %5 MB of swap space). Close other programs and start again, or open the register on a computer with more memory.</source>
        <extracomment>%1 is the data file&apos;s name; %2, %3, %4 and %5 are amounts in megabytes: what the register needs, what is free in all, and how much of that is memory and how much swap space.</extracomment>
        <translation>Das Register „%1“ braucht zum Öffnen etwa %2 MB Arbeitsspeicher, frei sind aber nur %3 MB (%4 MB Arbeitsspeicher und %5 MB Auslagerungsspeicher). Schließen Sie andere Programme und starten Sie erneut, oder öffnen Sie das Register auf einem Rechner mit mehr Arbeitsspeicher.</translation>
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
        <translation>&amp;Neue Person</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>zok.xml was changed by another program since Orvanel opened it. Save anyway? Its version will be kept in zok.bak.</source>
        <translation>zok.xml wurde von einem anderen Programm geändert, seit Orvanel die Datei geöffnet hat. Trotzdem speichern? Die Fassung des anderen Programms wird in zok.bak aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Family</name>
    <message>
        <source>Family</source>
        <translation>Familie</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Generationen:</translation>
    </message>
    <message>
        <source>Generations up and down</source>
        <translation>Generationen nach oben und unten</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>The person centred before (Alt+Left)</source>
        <translation>Die zuvor in die Mitte gerückte Person (Alt+Links)</translation>
    </message>
    <message>
        <source>F&amp;orward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>The person centred after (Alt+Right)</source>
        <translation>Die danach in die Mitte gerückte Person (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Family picture</source>
        <translation>Familienbild</translation>
    </message>
    <message>
        <source>Arrow keys move between relatives, Enter centres on one, F2 opens one, Ctrl and the mouse wheel zoom</source>
        <translation>Pfeiltasten wechseln zwischen Verwandten, Eingabetaste rückt einen in die Mitte, F2 öffnet einen, Strg und Mausrad zoomen</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>Save the picture as a PNG, SVG or PDF file</source>
        <translation>Das Bild als PNG-, SVG- oder PDF-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>No relatives are recorded.</source>
        <translation>Es sind keine Verwandten erfasst.</translation>
    </message>
    <message>
        <source>Centred on %1. %2</source>
        <extracomment>%1 describes the person now in the middle, %2 is the summary of their family.</extracomment>
        <translation>In der Mitte: %1. %2</translation>
    </message>
    <message>
        <source>No person&apos;s record has the ID %1.</source>
        <translation>Es gibt keinen Personeneintrag mit der ID %1.</translation>
    </message>
    <message>
        <source>%1 is deleted, and deleted persons are not opened.</source>
        <translation>%1 ist gelöscht, und gelöschte Personen werden nicht geöffnet.</translation>
    </message>
    <message>
        <source>This window was opened from the person dialog, which shows one person at a time.</source>
        <translation>Dieses Fenster wurde aus dem Fenster „Person“ geöffnet, das immer nur eine Person zeigt.</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by a picture. Choose another file.</source>
        <translation>Das Register „%1“ und seine Sicherung „%2“ können nicht durch ein Bild ersetzt werden. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Picture saved to %1</source>
        <translation>Bild gespeichert in %1</translation>
    </message>
    <message>
        <source>Picture sent to the printer.</source>
        <translation>Bild an den Drucker gesendet.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Filter</name>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Person &amp;ID contains:</source>
        <translation>Personen-&amp;ID enthält:</translation>
    </message>
    <message>
        <source>Person &amp;name contains:</source>
        <translation>&amp;Vorname enthält:</translation>
    </message>
    <message>
        <source>Person &amp;middle name contains:</source>
        <translation>&amp;Zweiter Vorname enthält:</translation>
    </message>
    <message>
        <source>Person &amp;surname contains:</source>
        <translation>&amp;Nachname enthält:</translation>
    </message>
    <message>
        <source>Person birth &amp;date is from:</source>
        <translation>&amp;Geburtsdatum von:</translation>
    </message>
    <message>
        <source>Person birth date is from:</source>
        <translation>Geburtsdatum von:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;bis:</translation>
    </message>
    <message>
        <source>Person &amp;contact info contains:</source>
        <translation>&amp;Kontaktangaben enthalten:</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Geschlecht</translation>
    </message>
    <message>
        <source>An&amp;y</source>
        <translation>&amp;Alle</translation>
    </message>
    <message>
        <source>Ma&amp;les</source>
        <translation>&amp;Männer</translation>
    </message>
    <message>
        <source>&amp;Females</source>
        <translation>&amp;Frauen</translation>
    </message>
    <message>
        <source>Clea&amp;r all</source>
        <translation>Alles &amp;leeren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&quot;From&quot; date is after &quot;To&quot; date!</source>
        <translation>Das Datum „von“ liegt nach dem Datum „bis“!</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Bis</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_MB</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Person</name>
    <message>
        <source>Person</source>
        <translation>Person</translation>
    </message>
    <message>
        <source>Person &quot;%1&quot; not found</source>
        <translation>Person „%1“ nicht gefunden</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Die Felder Vorname und Nachname müssen ausgefüllt sein!</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a character that cannot be stored (U+%2). Please remove it.</source>
        <translation>Das Feld „%1“ enthält ein Zeichen, das nicht gespeichert werden kann (U+%2). Bitte entfernen Sie es.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Allgemein</translation>
    </message>
    <message>
        <source>Con&amp;tact</source>
        <translation>&amp;Kontakt</translation>
    </message>
    <message>
        <source>&amp;Relatives</source>
        <translation>&amp;Verwandte</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Ko&amp;mmentar</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Relationship</name>
    <message>
        <source>Relationship</source>
        <translation>Beziehung</translation>
    </message>
    <message>
        <source>Direct Relationship</source>
        <translation>Direkte Beziehung</translation>
    </message>
    <message>
        <source>Person1</source>
        <translation>Person1</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Art</translation>
    </message>
    <message>
        <source>&amp;Person2</source>
        <translation>&amp;Person2</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Inverse Relationship</source>
        <translation>Umgekehrte Beziehung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Person2</source>
        <translation>Person2</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Search</name>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>&amp;Filter...</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Personen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Sind Sie ganz sicher, dass Sie diesen Eintrag löschen möchten?</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xportieren...</translation>
    </message>
    <message>
        <source>Export the listed persons</source>
        <translation>Die aufgelisteten Personen exportieren</translation>
    </message>
    <message>
        <source>Write the persons now listed to a vCard or CSV file</source>
        <translation>Die jetzt aufgelisteten Personen in eine vCard- oder CSV-Datei schreiben</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by an export. Choose another file.</source>
        <translation>Das Register „%1“ und seine Sicherung „%2“ können nicht durch einen Export ersetzt werden. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>Persons listed: %1</source>
        <translation>Aufgelistete Personen: %1</translation>
    </message>
    <message>
        <source>Person %1 deleted. Persons listed: %2</source>
        <translation>Person %1 gelöscht. Aufgelistete Personen: %2</translation>
    </message>
    <message>
        <source>Persons exported to %1: %2</source>
        <translation>Nach %1 exportierte Personen: %2</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importieren...</translation>
    </message>
    <message>
        <source>Add persons from a file of another program</source>
        <translation>Personen aus der Datei eines anderen Programms hinzufügen</translation>
    </message>
    <message>
        <source>Read persons from a GEDCOM, vCard or CSV file</source>
        <translation>Personen aus einer GEDCOM-, vCard- oder CSV-Datei lesen</translation>
    </message>
    <message>
        <source>Fa&amp;mily...</source>
        <translation>Fa&amp;milie...</translation>
    </message>
    <message>
        <source>Show the selected person&apos;s family as a picture</source>
        <translation>Die Familie der ausgewählten Person als Bild zeigen</translation>
    </message>
</context>
</TS>
