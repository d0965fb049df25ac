<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Es kann keine Person hinzugefügt werden: Die aus dem Prefix des Registers gebildete Kennung %1 ließe sich nicht wieder einlesen.</translation>
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
        <translation>Geschwister</translation>
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
</context>
<context>
    <name>orvanel::Store</name>
    <message>
        <source>Node &quot;%1&quot; not found</source>
        <extracomment>%1 is the name of an element of the data file, shown as it is.</extracomment>
        <translation>Knoten &quot;%1&quot; nicht gefunden</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <extracomment>%1 is the text that was read; dates are written year/month/day.</extracomment>
        <translation>&apos;%1&apos; ist kein gültiges Datum</translation>
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
        <translation>Person &quot;%1&quot; nicht gefunden</translation>
    </message>
    <message>
        <source>(not readable)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Die Felder Vorname und Nachname müssen ausgefüllt sein!</translation>
    </message>
    <message>
        <source>Optional ID</source>
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
    <message>
        <source>The field &quot;%1&quot; holds a character that cannot be stored (U+%2). Please remove it.</source>
        <translation>Das Feld &quot;%1&quot; enthält ein Zeichen, das nicht gespeichert werden kann (U+%2). Bitte entfernen Sie es.</translation>
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
        <source>Date Of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>OptionalID</source>
        <translation>Optionale ID</translation>
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
</context>
</TS>
