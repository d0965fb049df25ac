<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>orvanel::NewPersonAction</name>
    <message>
        <source>No person can be added: the identifier %1 made from the register&apos;s Prefix could not be read back.</source>
        <translation>Impossible d’ajouter une personne&#xa0;: l’identifiant %1 formé à partir du Prefix du registre ne pourrait pas être relu.</translation>
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
        <translation>parent</translation>
    </message>
    <message>
        <source>sibling</source>
        <extracomment>A relationship kind (brother or sister), shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>frère ou sœur</translation>
    </message>
    <message>
        <source>twin</source>
        <extracomment>A relationship kind, shown where &quot;is %1 of&quot; puts it.</extracomment>
        <translation>jumeau</translation>
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
        <translation>Êtes-vous absolument sûr de vouloir supprimer cet élément&#xa0;?</translation>
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
        <source>(not readable)</source>
        <translation>(illisible)</translation>
    </message>
    <message>
        <source>Name and surname fields must be filled!</source>
        <translation>Les champs prénom et nom doivent être remplis&#xa0;!</translation>
    </message>
    <message>
        <source>Optional ID</source>
        <translation>Identifiant facultatif</translation>
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
        <translation>&amp;Identifiant facultatif</translation>
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
        <source>Date Of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>OptionalID</source>
        <translation>ID facultatif</translation>
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
        <translation>Êtes-vous absolument sûr de vouloir supprimer cet élément&#xa0;?</translation>
    </message>
</context>
</TS>
