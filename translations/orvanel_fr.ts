<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ExportFileDialog</name>
    <message>
        <source>Export the listed persons</source>
        <translation>Exporter les personnes listées</translation>
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
        <translation>sans fiche</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>fiche supprimée</translation>
    </message>
    <message>
        <source>born %1</source>
        <extracomment>%1 is a year of birth.</extracomment>
        <translation>né(e) en %1</translation>
    </message>
    <message>
        <source>born ?</source>
        <translation>né(e) en ?</translation>
    </message>
    <message>
        <source>M</source>
        <extracomment>The label of a man&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>H</translation>
    </message>
    <message>
        <source>F</source>
        <extracomment>The label of a woman&apos;s box: the letter the Sex field stores.</extracomment>
        <translation>F</translation>
    </message>
    <message>
        <source>the chosen person</source>
        <translation>la personne choisie</translation>
    </message>
    <message>
        <source>%1 of the chosen person</source>
        <extracomment>%1 is the relation: &quot;mother&quot;, &quot;twin brother&quot;, &quot;grandchild&quot;.</extracomment>
        <translation>%1 de la personne choisie</translation>
    </message>
</context>
<context>
    <name>ImportFileDialog</name>
    <message>
        <source>All importable files (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</source>
        <translation>Tous les fichiers importables (*.ged *.GED *.vcf *.VCF *.vcard *.csv *.CSV)</translation>
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
        <translation>Valeurs séparées par des virgules (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Import persons</source>
        <translation>Importer des personnes</translation>
    </message>
</context>
<context>
    <name>PersonField</name>
    <message>
        <source>Optional ID</source>
        <translation>ID facultatif</translation>
    </message>
    <message>
        <source>OptionalID</source>
        <translation>ID facultatif</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Middle Name</source>
        <translation>Deuxième prénom</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Date Of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Street Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>County/Province</source>
        <translation>Département/Province</translation>
    </message>
    <message>
        <source>Post Code</source>
        <translation>Code postal</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>Phone 1</source>
        <translation>Téléphone 1</translation>
    </message>
    <message>
        <source>Phone 2</source>
        <translation>Téléphone 2</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>Mobile phone</source>
        <translation>Téléphone portable</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
</context>
<context>
    <name>PictureFileDialog</name>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer l’image</translation>
    </message>
</context>
<context>
    <name>orvanel::ContactTab</name>
    <message>
        <source>Street &amp;Address</source>
        <translation>A&amp;dresse</translation>
    </message>
    <message>
        <source>C&amp;ity</source>
        <translation>&amp;Ville</translation>
    </message>
    <message>
        <source>Co&amp;unty/Province</source>
        <translation>Dépar&amp;tement/Province</translation>
    </message>
    <message>
        <source>&amp;Post Code</source>
        <translation>Code &amp;postal</translation>
    </message>
    <message>
        <source>Cou&amp;ntry</source>
        <translation>Pa&amp;ys</translation>
    </message>
    <message>
        <source>Phone &amp;1</source>
        <translation>Téléphone &amp;1</translation>
    </message>
    <message>
        <source>Phone &amp;2</source>
        <translation>Téléphone &amp;2</translation>
    </message>
    <message>
        <source>Fa&amp;x</source>
        <translation>Fa&amp;x</translation>
    </message>
    <message>
        <source>Mo&amp;bile phone</source>
        <translation>Téléphone portab&amp;le</translation>
    </message>
    <message>
        <source>&amp;E-mail</source>
        <translation>&amp;E-mail</translation>
    </message>
</context>
<context>
    <name>orvanel::DateField</name>
    <message>
        <source>Choose a date</source>
        <translation>Choisir une date</translation>
    </message>
    <message>
        <source>Choose a date (Alt+Down)</source>
        <translation>Choisir une date (Alt+flèche vers le bas)</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; does not hold a whole date. Please type it as year/month/day, for example 1950/12/31.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» ne contient pas une date complète. Saisissez-la sous la forme année/mois/jour, par exemple 1950/12/31.</translation>
    </message>
    <message>
        <source>Date as yyyy/m/d, for example 1950/12/31; Alt+Down opens a calendar</source>
        <translation>Date au format aaaa/m/j, par exemple 1950/12/31 ; Alt+Bas ouvre un calendrier</translation>
    </message>
</context>
<context>
    <name>orvanel::Export</name>
    <message>
        <source>The register&apos;s own files cannot be replaced by an export: %1</source>
        <extracomment>%1 is the path of the file chosen for the export.</extracomment>
        <translation>Les fichiers du registre lui-même ne peuvent pas être remplacés par une exportation&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) lead to persons outside the export and were left out.</source>
        <translation>
            <numerusform>%n lien de parenté mène à des personnes hors de l’exportation et a été omis.</numerusform>
            <numerusform>%n liens de parenté mènent à des personnes hors de l’exportation et ont été omis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationship(s) of an unknown kind, or of a person with themselves, were left out.</source>
        <translation>
            <numerusform>%n lien de parenté d’un type inconnu, ou d’une personne avec elle-même, a été omis.</numerusform>
            <numerusform>%n liens de parenté d’un type inconnu, ou d’une personne avec elle-même, ont été omis.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parent(s) beyond a child&apos;s first two were written in families of their own.</source>
        <translation>
            <numerusform>%n père ou mère au-delà des deux premiers d’un enfant a été écrit dans une famille à part.</numerusform>
            <numerusform>%n pères ou mères au-delà des deux premiers d’un enfant ont été écrits dans des familles à part.</numerusform>
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
        <translation>Valeurs séparées par des virgules</translation>
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
        <translation>personne choisie</translation>
    </message>
    <message>
        <source>father</source>
        <translation>père</translation>
    </message>
    <message>
        <source>mother</source>
        <translation>mère</translation>
    </message>
    <message>
        <source>parent</source>
        <translation>père ou mère</translation>
    </message>
    <message numerus="yes">
        <source>%n parent</source>
        <translation>
            <numerusform>%n père ou mère</numerusform>
            <numerusform>%n pères ou mères</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n parents</source>
        <translation>
            <numerusform>%n père ou mère</numerusform>
            <numerusform>%n pères ou mères</numerusform>
        </translation>
    </message>
    <message>
        <source>grandfather</source>
        <translation>grand-père</translation>
    </message>
    <message>
        <source>grandmother</source>
        <translation>grand-mère</translation>
    </message>
    <message>
        <source>grandparent</source>
        <translation>grand-père ou grand-mère</translation>
    </message>
    <message numerus="yes">
        <source>%n grandparent</source>
        <translation>
            <numerusform>%n grand-père ou grand-mère</numerusform>
            <numerusform>%n grands-parents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandparents</source>
        <translation>
            <numerusform>%n grand-père ou grand-mère</numerusform>
            <numerusform>%n grands-parents</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandfather</source>
        <translation>arrière-grand-père</translation>
    </message>
    <message>
        <source>great-grandmother</source>
        <translation>arrière-grand-mère</translation>
    </message>
    <message>
        <source>great-grandparent</source>
        <translation>arrière-grand-père ou arrière-grand-mère</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparent</source>
        <translation>
            <numerusform>%n arrière-grand-père ou arrière-grand-mère</numerusform>
            <numerusform>%n arrière-grands-parents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandparents</source>
        <translation>
            <numerusform>%n arrière-grand-père ou arrière-grand-mère</numerusform>
            <numerusform>%n arrière-grands-parents</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandfather</source>
        <translation>arrière-arrière-grand-père</translation>
    </message>
    <message>
        <source>great-great-grandmother</source>
        <translation>arrière-arrière-grand-mère</translation>
    </message>
    <message>
        <source>great-great-grandparent</source>
        <translation>arrière-arrière-grand-père ou arrière-arrière-grand-mère</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparent</source>
        <translation>
            <numerusform>%n arrière-arrière-grand-père ou arrière-arrière-grand-mère</numerusform>
            <numerusform>%n arrière-arrière-grands-parents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandparents</source>
        <translation>
            <numerusform>%n arrière-arrière-grand-père ou arrière-arrière-grand-mère</numerusform>
            <numerusform>%n arrière-arrière-grands-parents</numerusform>
        </translation>
    </message>
    <message>
        <source>twin brother</source>
        <translation>frère jumeau</translation>
    </message>
    <message>
        <source>twin sister</source>
        <translation>sœur jumelle</translation>
    </message>
    <message>
        <source>twin</source>
        <translation>jumeau ou jumelle</translation>
    </message>
    <message numerus="yes">
        <source>%n twin</source>
        <translation>
            <numerusform>%n jumeau ou jumelle</numerusform>
            <numerusform>%n jumeaux ou jumelles</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n twins</source>
        <translation>
            <numerusform>%n jumeau ou jumelle</numerusform>
            <numerusform>%n jumeaux ou jumelles</numerusform>
        </translation>
    </message>
    <message>
        <source>brother</source>
        <translation>frère</translation>
    </message>
    <message>
        <source>sister</source>
        <translation>sœur</translation>
    </message>
    <message>
        <source>sibling</source>
        <translation>frère ou sœur</translation>
    </message>
    <message numerus="yes">
        <source>%n sibling</source>
        <translation>
            <numerusform>%n frère ou sœur</numerusform>
            <numerusform>%n frères ou sœurs</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n siblings</source>
        <translation>
            <numerusform>%n frère ou sœur</numerusform>
            <numerusform>%n frères ou sœurs</numerusform>
        </translation>
    </message>
    <message>
        <source>son</source>
        <translation>fils</translation>
    </message>
    <message>
        <source>daughter</source>
        <translation>fille</translation>
    </message>
    <message>
        <source>child</source>
        <translation>enfant</translation>
    </message>
    <message numerus="yes">
        <source>%n child</source>
        <translation>
            <numerusform>%n enfant</numerusform>
            <numerusform>%n enfants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n children</source>
        <translation>
            <numerusform>%n enfant</numerusform>
            <numerusform>%n enfants</numerusform>
        </translation>
    </message>
    <message>
        <source>grandson</source>
        <translation>petit-fils</translation>
    </message>
    <message>
        <source>granddaughter</source>
        <translation>petite-fille</translation>
    </message>
    <message>
        <source>grandchild</source>
        <translation>petit-enfant</translation>
    </message>
    <message numerus="yes">
        <source>%n grandchild</source>
        <translation>
            <numerusform>%n petit-enfant</numerusform>
            <numerusform>%n petits-enfants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grandchildren</source>
        <translation>
            <numerusform>%n petit-enfant</numerusform>
            <numerusform>%n petits-enfants</numerusform>
        </translation>
    </message>
    <message>
        <source>great-grandson</source>
        <translation>arrière-petit-fils</translation>
    </message>
    <message>
        <source>great-granddaughter</source>
        <translation>arrière-petite-fille</translation>
    </message>
    <message>
        <source>great-grandchild</source>
        <translation>arrière-petit-enfant</translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchild</source>
        <translation>
            <numerusform>%n arrière-petit-enfant</numerusform>
            <numerusform>%n arrière-petits-enfants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-grandchildren</source>
        <translation>
            <numerusform>%n arrière-petit-enfant</numerusform>
            <numerusform>%n arrière-petits-enfants</numerusform>
        </translation>
    </message>
    <message>
        <source>great-great-grandson</source>
        <translation>arrière-arrière-petit-fils</translation>
    </message>
    <message>
        <source>great-great-granddaughter</source>
        <translation>arrière-arrière-petite-fille</translation>
    </message>
    <message>
        <source>great-great-grandchild</source>
        <translation>arrière-arrière-petit-enfant</translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchild</source>
        <translation>
            <numerusform>%n arrière-arrière-petit-enfant</numerusform>
            <numerusform>%n arrière-arrière-petits-enfants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n great-great-grandchildren</source>
        <translation>
            <numerusform>%n arrière-arrière-petit-enfant</numerusform>
            <numerusform>%n arrière-arrière-petits-enfants</numerusform>
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
        <translation>Sexe</translation>
    </message>
    <message>
        <source>M&amp;ale</source>
        <translation>&amp;Homme</translation>
    </message>
    <message>
        <source>&amp;Female</source>
        <translation>F&amp;emme</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Optional &amp;ID</source>
        <translation>&amp;ID facultatif</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Prénom</translation>
    </message>
    <message>
        <source>Midd&amp;le Name</source>
        <translation>&amp;Deuxième prénom</translation>
    </message>
    <message>
        <source>&amp;Surname</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>Date of &amp;Birth</source>
        <translation>Date de nai&amp;ssance</translation>
    </message>
    <message>
        <source>(not readable)</source>
        <translation>(illisible)</translation>
    </message>
</context>
<context>
    <name>orvanel::Import</name>
    <message>
        <source>Born: %1</source>
        <extracomment>A line added to an imported person&apos;s comment for a birth date that is not an exact day (a year alone, a day without a year, words). %1 is the date as the file wrote it.</extracomment>
        <translation>Naissance&#xa0;: %1</translation>
    </message>
    <message>
        <source>expected at most %1 persons in one file</source>
        <extracomment>%1 is a number of persons.</extracomment>
        <translation>on attendait au plus %1 personnes dans un fichier</translation>
    </message>
    <message>
        <source>expected UTF-16 text, found a broken character</source>
        <translation>on attendait du texte UTF-16, un caractère endommagé a été trouvé</translation>
    </message>
    <message>
        <source>expected UTF-16 text, the file is cut short</source>
        <translation>on attendait du texte UTF-16, le fichier est tronqué</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>An import refused. %1 is the line number in the file, %2 what was wrong or expected.</extracomment>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>expected text, found the character %1, which a data file cannot hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>on attendait du texte, le caractère %1 a été trouvé, qu’un fichier de données ne peut pas contenir</translation>
    </message>
    <message>
        <source>expected UTF-8 text (a spreadsheet can save CSV as UTF-8)</source>
        <translation>on attendait du texte UTF-8 (un tableur peut enregistrer le CSV en UTF-8)</translation>
    </message>
    <message>
        <source>expected a file of at most %1 MiB</source>
        <extracomment>%1 is a number of mebibytes.</extracomment>
        <translation>on attendait un fichier d’au plus %1&#xa0;Mio</translation>
    </message>
    <message>
        <source>expected a header naming the columns, such as First Name, Last Name or E-mail Address</source>
        <translation>on attendait un en-tête nommant les colonnes, par exemple First Name, Last Name ou E-mail Address</translation>
    </message>
    <message>
        <source>expected %1 fields as the header has, found %2</source>
        <extracomment>%1 and %2 are numbers of fields.</extracomment>
        <translation>on attendait %1 champs comme dans l’en-tête, %2 ont été trouvés</translation>
    </message>
    <message>
        <source>expected a field of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>on attendait un champ d’au plus %1 octets</translation>
    </message>
    <message>
        <source>expected the closing quote of a field: the file is cut short</source>
        <translation>on attendait le guillemet fermant d’un champ&#xa0;: le fichier est tronqué</translation>
    </message>
    <message>
        <source>expected a delimiter after the closing quote</source>
        <translation>on attendait un séparateur après le guillemet fermant</translation>
    </message>
    <message>
        <source>expected a record of at most %1 fields</source>
        <extracomment>%1 is a number of fields.</extracomment>
        <translation>on attendait un enregistrement d’au plus %1 champs</translation>
    </message>
    <message>
        <source>a family of at most %1 children</source>
        <extracomment>%1 is a number of children.</extracomment>
        <translation>une famille d’au plus %1 enfants</translation>
    </message>
    <message>
        <source>at most %1 relationships in a file</source>
        <extracomment>%1 is a number of relationships.</extracomment>
        <translation>au plus %1 liens de parenté dans un fichier</translation>
    </message>
    <message>
        <source>GEDCOM version 5.5, 5.5.1 or 7.0, found %1</source>
        <extracomment>%1 is the GEDCOM version a file gives, exactly as written there.</extracomment>
        <translation>la version 5.5, 5.5.1 ou 7.0 de GEDCOM, la version %1 a été trouvée</translation>
    </message>
    <message>
        <source>an identifier not used before, found %1 of line %2 again</source>
        <extracomment>%1 is a record&apos;s identifier such as @I1@, %2 the line where it first stood.</extracomment>
        <translation>un identifiant pas encore utilisé, %1 de la ligne %2 a été retrouvé</translation>
    </message>
    <message>
        <source>line %1: expected %2</source>
        <extracomment>%1 is a line number of the file being imported, %2 says what should have been there.</extracomment>
        <translation>ligne %1&#xa0;: on attendait %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is larger than %2 MB and cannot be imported.</source>
        <extracomment>%1 is the file&apos;s path, %2 the largest size in megabytes.</extracomment>
        <translation>«&#xa0;%1&#xa0;» dépasse %2&#xa0;Mo et ne peut pas être importé.</translation>
    </message>
    <message numerus="yes">
        <source>%n persons</source>
        <translation>
            <numerusform>%n personne</numerusform>
            <numerusform>%n personnes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n relationships</source>
        <translation>
            <numerusform>%n lien de parenté</numerusform>
            <numerusform>%n liens de parenté</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n partnerships without children</source>
        <translation>
            <numerusform>%n union sans enfants</numerusform>
            <numerusform>%n unions sans enfants</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n events other than birth</source>
        <translation>
            <numerusform>%n événement autre que la naissance</numerusform>
            <numerusform>%n événements autres que la naissance</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n sources</source>
        <translation>
            <numerusform>%n source</numerusform>
            <numerusform>%n sources</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures or other media</source>
        <translation>
            <numerusform>%n image ou autre média</numerusform>
            <numerusform>%n images ou autres médias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n approximate birth dates (kept in the comment)</source>
        <translation>
            <numerusform>%n date de naissance approximative (conservée dans le commentaire)</numerusform>
            <numerusform>%n dates de naissance approximatives (conservées dans le commentaire)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links to records the file does not hold</source>
        <translation>
            <numerusform>%n renvoi vers un enregistrement absent du fichier</numerusform>
            <numerusform>%n renvois vers des enregistrements absents du fichier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n links that would make a person their own ancestor</source>
        <translation>
            <numerusform>%n lien qui ferait d’une personne son propre ancêtre</numerusform>
            <numerusform>%n liens qui feraient d’une personne son propre ancêtre</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other details</source>
        <translation>
            <numerusform>%n autre détail</numerusform>
            <numerusform>%n autres détails</numerusform>
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
        <translation>Non conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Added: %1, %2.</source>
        <extracomment>%1 is a count of persons (&quot;12 persons&quot;), %2 of relationships (&quot;15 relationships&quot;).</extracomment>
        <translation>Ajouté&#xa0;: %1, %2.</translation>
    </message>
    <message>
        <source>expected END:VCARD within %1 properties</source>
        <extracomment>%1 is a number of properties.</extracomment>
        <translation>on attendait END:VCARD en au plus %1 propriétés</translation>
    </message>
    <message>
        <source>expected a vCard property (NAME:value)</source>
        <translation>on attendait une propriété vCard (NOM:valeur)</translation>
    </message>
    <message>
        <source>expected a property of at most %1 bytes</source>
        <extracomment>%1 is a number of bytes.</extracomment>
        <translation>on attendait une propriété d’au plus %1 octets</translation>
    </message>
    <message>
        <source>expected BEGIN:VCARD</source>
        <translation>on attendait BEGIN:VCARD</translation>
    </message>
    <message>
        <source>expected VERSION 2.1, 3.0 or 4.0</source>
        <translation>on attendait VERSION 2.1, 3.0 ou 4.0</translation>
    </message>
    <message>
        <source>expected END:VCARD: the file is cut short</source>
        <translation>on attendait END:VCARD&#xa0;: le fichier est tronqué</translation>
    </message>
    <message>
        <source>expected text in the character set %1</source>
        <extracomment>%1 is the name of a character set as the file gives it, such as windows-1257.</extracomment>
        <translation>on attendait du texte dans le jeu de caractères %1</translation>
    </message>
    <message>
        <source>expected UTF-8 text, or a CHARSET naming the character set</source>
        <translation>on attendait du texte UTF-8, ou un CHARSET nommant le jeu de caractères</translation>
    </message>
    <message>
        <source>text in %1, found a byte that it does not hold</source>
        <extracomment>%1 is the name of a character set, such as ANSEL or UTF-8.</extracomment>
        <translation>du texte en %1, un octet que ce jeu de caractères ne contient pas a été trouvé</translation>
    </message>
    <message>
        <source>a character set this program knows, found %1</source>
        <extracomment>%1 is the character set a file names, exactly as written there.</extracomment>
        <translation>un jeu de caractères que ce programme connaît, %1 a été trouvé</translation>
    </message>
    <message>
        <source>a file of at most %1 MiB</source>
        <extracomment>%1 is a size in mebibytes.</extracomment>
        <translation>un fichier d’au plus %1&#xa0;Mio</translation>
    </message>
    <message>
        <source>text, found the character %1, which no value may hold</source>
        <extracomment>%1 is the code of a character, such as U+0007.</extracomment>
        <translation>du texte, le caractère %1 a été trouvé, qu’aucune valeur ne peut contenir</translation>
    </message>
    <message>
        <source>&quot;0 HEAD&quot;, the start of a GEDCOM file</source>
        <translation>«&#xa0;0 HEAD&#xa0;», le début d’un fichier GEDCOM</translation>
    </message>
    <message>
        <source>a line of at most %1 characters</source>
        <extracomment>%1 is a number of characters.</extracomment>
        <translation>une ligne d’au plus %1 caractères</translation>
    </message>
    <message>
        <source>a level number at the start of the line</source>
        <translation>un numéro de niveau en début de ligne</translation>
    </message>
    <message>
        <source>a level of at most %1</source>
        <extracomment>%1 is a number: how deep the line may be nested, given the line before.</extracomment>
        <translation>un niveau d’au plus %1</translation>
    </message>
    <message>
        <source>a space and a tag after the level</source>
        <translation>un espace et une balise après le niveau</translation>
    </message>
    <message>
        <source>an identifier between two @ signs, such as @I1@</source>
        <translation>un identifiant entre deux signes @, par exemple @I1@</translation>
    </message>
    <message>
        <source>a tag after the level</source>
        <translation>une balise après le niveau</translation>
    </message>
    <message>
        <source>a value of at most %1 characters</source>
        <translation>une valeur d’au plus %1 caractères</translation>
    </message>
    <message>
        <source>&quot;0 TRLR&quot; at the end of the file, which is cut short</source>
        <translation>«&#xa0;0 TRLR&#xa0;» à la fin du fichier, qui est tronqué</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportChoiceModel</name>
    <message>
        <source>Name</source>
        <translation>Prénom</translation>
    </message>
    <message>
        <source>Surname</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Already in the register</source>
        <translation>Déjà dans le registre</translation>
    </message>
</context>
<context>
    <name>orvanel::ImportWindow</name>
    <message>
        <source>Import</source>
        <translation>Importation</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Lu jusqu’ici</translation>
    </message>
    <message>
        <source>Persons found</source>
        <extracomment>The list of the persons found in the file, each with a check box.</extracomment>
        <translation>Personnes trouvées</translation>
    </message>
    <message>
        <source>Space chooses or leaves out the person; Enter imports the chosen persons</source>
        <translation>Espace choisit ou écarte la personne&#xa0;; Entrée importe les personnes choisies</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Choose &amp;all</source>
        <translation>&amp;Tout choisir</translation>
    </message>
    <message>
        <source>Choose &amp;none</source>
        <translation>Ne choisir &amp;personne</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Import the chosen persons</source>
        <translation>Importer les personnes choisies</translation>
    </message>
    <message>
        <source>Chosen: %1 of %2</source>
        <extracomment>%1 is how many persons are chosen, %2 how many the file holds.</extracomment>
        <translation>Personnes choisies&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Persons in %1</source>
        <extracomment>%1 is the name of the file being imported.</extracomment>
        <translation>Personnes dans %1</translation>
    </message>
</context>
<context>
    <name>orvanel::LoadWindow</name>
    <message>
        <source>Opening the register</source>
        <translation>Ouverture du registre</translation>
    </message>
    <message>
        <source>Reading %1</source>
        <extracomment>%1 is the path of the data file being read.</extracomment>
        <translation>Lecture de %1</translation>
    </message>
    <message>
        <source>Read so far</source>
        <translation>Lu jusqu’ici</translation>
    </message>
</context>
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Impossible d’ajouter une personne&#xa0;: l’identifiant %1 formé à partir du Prefix du registre ne pourrait pas être relu.</translation>
    </message>
</context>
<context>
    <name>orvanel::PictureFile</name>
    <message>
        <source>The picture could not be made.</source>
        <translation>L’image n’a pas pu être créée.</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>The register&apos;s own files cannot be replaced by a picture: %1</source>
        <extracomment>%1 is the path of the file chosen for the picture.</extracomment>
        <translation>Les fichiers du registre lui-même ne peuvent pas être remplacés par une image&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>orvanel::QtMessages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>est %1 de</translation>
    </message>
    <message>
        <source>child</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>enfant</translation>
    </message>
    <message>
        <source>parent</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>père ou mère</translation>
    </message>
    <message>
        <source>sibling</source>
        <extracomment>A relationship kind (brother or sister), shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>frère ou sœur</translation>
    </message>
    <message>
        <source>twin</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>jumeau ou jumelle</translation>
    </message>
    <message>
        <source>error</source>
        <extracomment>Shown in place of a relationship kind when no kind, or an unknown one, is chosen.</extracomment>
        <translation>(erreur)</translation>
    </message>
</context>
<context>
    <name>orvanel::RelativesTab</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Êtes-vous absolument sûr(e) de vouloir supprimer cet élément&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Modi&amp;fier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>This person is ...</source>
        <translation>Cette personne est ...</translation>
    </message>
    <message>
        <source>of ...</source>
        <translation>de ...</translation>
    </message>
    <message>
        <source>Relatives</source>
        <translation>Proches</translation>
    </message>
    <message>
        <source>&amp;Family...</source>
        <translation>Fam&amp;ille...</translation>
    </message>
    <message>
        <source>The person&apos;s family as the register holds it, without changes not yet saved with OK</source>
        <translation>La famille de la personne telle que le registre la contient, sans les modifications pas encore enregistrées avec OK</translation>
    </message>
</context>
<context>
    <name>orvanel::RowListModel</name>
    <message>
        <source>sorted descending</source>
        <translation>trié par ordre décroissant</translation>
    </message>
    <message>
        <source>sorted ascending</source>
        <translation>trié par ordre croissant</translation>
    </message>
</context>
<context>
    <name>orvanel::SortableHeader</name>
    <message>
        <source>Ctrl+1 to Ctrl+%1 sort the list by that column; pressed again, in reverse order.</source>
        <translation>Ctrl+1 à Ctrl+%1 trient la liste selon la colonne correspondante ; pressées à nouveau, dans l&apos;ordre inverse.</translation>
    </message>
    <message>
        <source>Sorted by %1, descending</source>
        <translation>Trié par %1, ordre décroissant</translation>
    </message>
    <message>
        <source>Sorted by %1, ascending</source>
        <translation>Trié par %1, ordre croissant</translation>
    </message>
</context>
<context>
    <name>orvanel::Store</name>
    <message>
        <source>Node &quot;%1&quot; not found</source>
        <extracomment>%1 is the name of an element of the data file, shown as it is.</extracomment>
        <translation>Nœud «&#xa0;%1&#xa0;» introuvable</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid date</source>
        <extracomment>%1 is the text that was read; dates are written year/month/day.</extracomment>
        <translation>«&#xa0;%1&#xa0;» n’est pas une date valide</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Input/output error&quot;.</extracomment>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; not found!</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (&quot;%1&quot; is not a regular file)!</source>
        <translation>Contenu du fichier de données non valide («&#xa0;%1&#xa0;» n’est pas un fichier ordinaire)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is too large)!</source>
        <translation>Contenu du fichier de données non valide (le fichier est trop volumineux)&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: the file changed while it was read</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: le fichier a changé pendant sa lecture</translation>
    </message>
    <message>
        <source>Cannot write the register in encoding %1</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Impossible d’écrire le registre dans l’encodage %1</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding %1 cannot be written back)!</source>
        <extracomment>%1 is the name of an encoding, such as ISO-8859-1.</extracomment>
        <translation>Contenu du fichier de données non valide (le fichier ne peut pas être réécrit dans l’encodage %1)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (the encoding of the file cannot be written back)!</source>
        <translation>Contenu du fichier de données non valide (le fichier ne peut pas être réécrit dans son encodage)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (the file is not in the encoding %1 it declares)!</source>
        <extracomment>%1 is the name of an encoding, such as UTF-16.</extracomment>
        <translation>Contenu du fichier de données non valide (le fichier n’est pas dans l’encodage %1 qu’il déclare)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (out of memory)!</source>
        <translation>Contenu du fichier de données non valide (mémoire insuffisante)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (elements nested deeper than %1)!</source>
        <translation>Contenu du fichier de données non valide (éléments imbriqués sur plus de %1 niveaux)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (more than %1 different names or short texts)!</source>
        <translation>Contenu du fichier de données non valide (plus de %1 noms ou textes courts différents)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (not well-formed XML)!</source>
        <translation>Contenu du fichier de données non valide (XML mal formé)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (line %1: %2)!</source>
        <extracomment>%1 is a line number; %2 is the XML parser&apos;s own description of the fault, in English.</extracomment>
        <translation>Contenu du fichier de données non valide (ligne %1&#xa0;: %2)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (no root element)!</source>
        <translation>Contenu du fichier de données non valide (aucun élément racine)&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;No space left on device&quot;.
----------
%2 is the reason, a whole sentence of its own.</extracomment>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free name for a temporary file</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: aucun nom libre pour un fichier temporaire</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: cannot set its permissions: %2</source>
        <translation>Impossible de créer «&#xa0;%1&#xa0;»&#xa0;: impossible de définir ses permissions&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: only %2 of %3 bytes could be written (is the disk full?)</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: seuls %2 octets sur %3 ont pu être écrits (le disque est-il plein&#xa0;?)</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is in place, but the folder could not be flushed to disk: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: le fichier est en place, mais le dossier n’a pas pu être écrit sur le disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>The register in this folder is already open in another Orvanel window.</source>
        <translation>Le registre de ce dossier est déjà ouvert dans une autre fenêtre d’Orvanel.</translation>
    </message>
    <message>
        <source>Invalid data file content (the root has no %1)!</source>
        <extracomment>%1 is the name of an attribute of the data file&apos;s root (Prefix, DateModified), shown as it is.</extracomment>
        <translation>Contenu du fichier de données non valide (la racine n’a pas de %1)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 without %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Contenu du fichier de données non valide (un élément %1 sans attribut %2)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (a %1 with an empty %2)!</source>
        <extracomment>%1 and %2 are names of the data file&apos;s records and attributes (Person, ID1), shown as they are.</extracomment>
        <translation>Contenu du fichier de données non valide (un élément %1 avec un attribut %2 vide)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (wrong ID : %1 )!</source>
        <extracomment>%1 is the identifier as the file has it.</extracomment>
        <translation>Contenu du fichier de données non valide (ID incorrect&#xa0;: %1)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (%1: &apos;%2&apos; is not a valid date)!</source>
        <extracomment>%1 is the name of an attribute of the data file (DateModified), shown as it is; %2 is the text that was read. Dates are written year/month/day.</extracomment>
        <translation>Contenu du fichier de données non valide (%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas une date valide)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content!</source>
        <translation>Contenu du fichier de données non valide&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (entity declarations are not allowed)!</source>
        <translation>Contenu du fichier de données non valide (les déclarations d’entités ne sont pas autorisées)&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid data file content (an element with more than %1 attributes)!</source>
        <translation>Contenu du fichier de données non valide (un élément avec plus de %1 attributs)&#xa0;!</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <extracomment>%2 is the system&apos;s own reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The register was not loaded, so it cannot be saved.</source>
        <translation>Le registre n’a pas été chargé, il ne peut donc pas être enregistré.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: it is no longer a regular file; nothing was saved</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: ce n’est plus un fichier ordinaire&#xa0;; rien n’a été enregistré</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: the name now leads to another file than the one opened at start (was a link put in its place?); nothing was saved</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: ce nom mène maintenant à un autre fichier que celui ouvert au démarrage (un lien a-t-il été mis à sa place&#xa0;?)&#xa0;; rien n’a été enregistré</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; needs about %2 MB of memory to open, but only %3 MB are free (%4 MB of memory and %5 MB of swap space). Close other programs and start again, or open the register on a computer with more memory.</source>
        <extracomment>%1 is the data file&apos;s name; %2, %3, %4 and %5 are amounts in megabytes: what the register needs, what is free in all, and how much of that is memory and how much swap space.</extracomment>
        <translation>Le registre «&#xa0;%1&#xa0;» a besoin d’environ %2 Mo de mémoire pour s’ouvrir, mais seuls %3 Mo sont libres (%4 Mo de mémoire et %5 Mo d’espace d’échange). Fermez d’autres programmes et relancez, ou ouvrez le registre sur un ordinateur doté de plus de mémoire.</translation>
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
        <translation>&amp;Nouvelle fiche</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Do you want to save changes?</source>
        <translation>Voulez-vous enregistrer les modifications&#xa0;?</translation>
    </message>
    <message>
        <source>zok.xml was changed by another program since Orvanel opened it. Save anyway? Its version will be kept in zok.bak.</source>
        <translation>zok.xml a été modifié par un autre programme depuis qu’Orvanel l’a ouvert. Enregistrer quand même&#xa0;? Sa version sera conservée dans zok.bak.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Family</name>
    <message>
        <source>Family</source>
        <translation>Famille</translation>
    </message>
    <message>
        <source>&amp;Generations:</source>
        <translation>&amp;Générations&#xa0;:</translation>
    </message>
    <message>
        <source>Generations up and down</source>
        <translation>Générations vers le haut et vers le bas</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>The person centred before (Alt+Left)</source>
        <translation>La personne placée au centre auparavant (Alt+Gauche)</translation>
    </message>
    <message>
        <source>F&amp;orward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>The person centred after (Alt+Right)</source>
        <translation>La personne placée au centre ensuite (Alt+Droite)</translation>
    </message>
    <message>
        <source>Family picture</source>
        <translation>Image de la famille</translation>
    </message>
    <message>
        <source>Arrow keys move between relatives, Enter centres on one, F2 opens one, Ctrl and the mouse wheel zoom</source>
        <translation>Les flèches passent d’un proche à l’autre, Entrée en place un au centre, F2 en ouvre un, Ctrl et la molette de la souris règlent le zoom</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>&amp;Save Picture...</source>
        <translation>Enregistrer l’i&amp;mage...</translation>
    </message>
    <message>
        <source>Save the picture as a PNG, SVG or PDF file</source>
        <translation>Enregistrer l’image dans un fichier PNG, SVG ou PDF</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>No relatives are recorded.</source>
        <translation>Aucun proche n’est enregistré.</translation>
    </message>
    <message>
        <source>Centred on %1. %2</source>
        <extracomment>%1 describes the person now in the middle, %2 is the summary of their family.</extracomment>
        <translation>Au centre&#xa0;: %1. %2</translation>
    </message>
    <message>
        <source>No person&apos;s record has the ID %1.</source>
        <translation>Aucune fiche de personne n’a l’ID %1.</translation>
    </message>
    <message>
        <source>%1 is deleted, and deleted persons are not opened.</source>
        <translation>La fiche %1 est supprimée, et les fiches supprimées ne sont pas ouvertes.</translation>
    </message>
    <message>
        <source>This window was opened from the person dialog, which shows one person at a time.</source>
        <translation>Cette fenêtre a été ouverte depuis la fenêtre «&#xa0;Personne&#xa0;», qui n’affiche qu’une personne à la fois.</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by a picture. Choose another file.</source>
        <translation>Le registre «&#xa0;%1&#xa0;» et sa sauvegarde «&#xa0;%2&#xa0;» ne peuvent pas être remplacés par une image. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Picture saved to %1</source>
        <translation>Image enregistrée dans %1</translation>
    </message>
    <message>
        <source>Picture sent to the printer.</source>
        <translation>Image envoyée à l’imprimante.</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Filter</name>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Person &amp;ID contains:</source>
        <translation>&amp;Identifiant contient&#xa0;:</translation>
    </message>
    <message>
        <source>Person &amp;name contains:</source>
        <translation>&amp;Prénom contient&#xa0;:</translation>
    </message>
    <message>
        <source>Person &amp;middle name contains:</source>
        <translation>Deu&amp;xième prénom contient&#xa0;:</translation>
    </message>
    <message>
        <source>Person &amp;surname contains:</source>
        <translation>&amp;Nom contient&#xa0;:</translation>
    </message>
    <message>
        <source>Person birth &amp;date is from:</source>
        <translation>Date de naissance &amp;du&#xa0;:</translation>
    </message>
    <message>
        <source>Person birth date is from:</source>
        <translation>Date de naissance du&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;to:</source>
        <translation>&amp;au&#xa0;:</translation>
    </message>
    <message>
        <source>Person &amp;contact info contains:</source>
        <translation>&amp;Coordonnées contiennent&#xa0;:</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Sexe</translation>
    </message>
    <message>
        <source>An&amp;y</source>
        <translation>&amp;Tous</translation>
    </message>
    <message>
        <source>Ma&amp;les</source>
        <translation>&amp;Hommes</translation>
    </message>
    <message>
        <source>&amp;Females</source>
        <translation>&amp;Femmes</translation>
    </message>
    <message>
        <source>Clea&amp;r all</source>
        <translation>Tout &amp;effacer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>C&amp;ancel</source>
        <translation>Annu&amp;ler</translation>
    </message>
    <message>
        <source>&quot;From&quot; date is after &quot;To&quot; date!</source>
        <translation>La date «&#xa0;du&#xa0;» est postérieure à la date «&#xa0;au&#xa0;»&#xa0;!</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_MB</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Person</name>
    <message>
        <source>Person</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Person &quot;%1&quot; not found</source>
        <translation>Personne «&#xa0;%1&#xa0;» introuvable</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Les champs prénom et nom doivent être remplis&#xa0;!</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds a character that cannot be stored (U+%2). Please remove it.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» contient un caractère qui ne peut pas être enregistré (U+%2). Veuillez le supprimer.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>&amp;Général</translation>
    </message>
    <message>
        <source>Con&amp;tact</source>
        <translation>&amp;Coordonnées</translation>
    </message>
    <message>
        <source>&amp;Relatives</source>
        <translation>P&amp;roches</translation>
    </message>
    <message>
        <source>Co&amp;mment</source>
        <translation>Co&amp;mmentaire</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Relationship</name>
    <message>
        <source>Relationship</source>
        <translation>Lien de parenté</translation>
    </message>
    <message>
        <source>Direct Relationship</source>
        <translation>Lien direct</translation>
    </message>
    <message>
        <source>Person1</source>
        <translation>Personne1</translation>
    </message>
    <message>
        <source>&amp;Kind</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>&amp;Person2</source>
        <translation>&amp;Personne2</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Inverse Relationship</source>
        <translation>Lien inverse</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Person2</source>
        <translation>Personne2</translation>
    </message>
</context>
<context>
    <name>orvanel::TForm_Search</name>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>&amp;Filter...</source>
        <translation>Fi&amp;ltrer...</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Persons</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Are you absolutely sure that you want to delete this item?</source>
        <translation>Êtes-vous absolument sûr(e) de vouloir supprimer cet élément&#xa0;?</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>Export the listed persons</source>
        <translation>Exporter les personnes listées</translation>
    </message>
    <message>
        <source>Write the persons now listed to a vCard or CSV file</source>
        <translation>Écrire les personnes actuellement listées dans un fichier vCard ou CSV</translation>
    </message>
    <message>
        <source>The register &quot;%1&quot; and its backup &quot;%2&quot; cannot be replaced by an export. Choose another file.</source>
        <translation>Le registre «&#xa0;%1&#xa0;» et sa sauvegarde «&#xa0;%2&#xa0;» ne peuvent pas être remplacés par une exportation. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>Persons listed: %1</source>
        <translation>Personnes listées : %1</translation>
    </message>
    <message>
        <source>Person %1 deleted. Persons listed: %2</source>
        <translation>Personne %1 supprimée. Personnes listées : %2</translation>
    </message>
    <message>
        <source>Persons exported to %1: %2</source>
        <translation>Personnes exportées vers %1 : %2</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>Add persons from a file of another program</source>
        <translation>Ajouter des personnes à partir du fichier d’un autre programme</translation>
    </message>
    <message>
        <source>Read persons from a GEDCOM, vCard or CSV file</source>
        <translation>Lire des personnes depuis un fichier GEDCOM, vCard ou CSV</translation>
    </message>
    <message>
        <source>Fa&amp;mily...</source>
        <translation>F&amp;amille...</translation>
    </message>
    <message>
        <source>Show the selected person&apos;s family as a picture</source>
        <translation>Afficher la famille de la personne sélectionnée sous forme d’image</translation>
    </message>
</context>
</TS>
