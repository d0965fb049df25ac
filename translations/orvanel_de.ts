<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ExportFileDialog</name>
    <message>
        <source>vCard 4.0 (*.vcf *.vcard)</source>
        <translation>vCard 4.0 (*.vcf *.vcard)</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>Export the listed persons</source>
        <translation>Die aufgelisteten Personen exportieren</translation>
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
</context>
</TS>
