<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ArmyFiles</name>
    <message numerus="yes">
        <source>%n counted unit(s) of it are not in this catalogue.</source>
        <translation>
            <numerusform>%n unité comptée dans l’armée est absente de ce catalogue.</numerusform>
            <numerusform>%n unités comptées dans l’armée sont absentes de ce catalogue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It counts %n row(s) past the end of this catalogue.</source>
        <translation>
            <numerusform>L’armée contient des comptes pour %n ligne au-delà de la fin de ce catalogue.</numerusform>
            <numerusform>L’armée contient des comptes pour %n lignes au-delà de la fin de ce catalogue.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its totals are out of their range.</source>
        <translation>Les totaux de l’armée sont hors de leur plage de valeurs.</translation>
    </message>
</context>
<context>
    <name>CountsCsv</name>
    <message>
        <source>The file holds no rows.</source>
        <translation>Le fichier ne contient aucune ligne.</translation>
    </message>
    <message>
        <source>The first row must name the columns: &quot;ID&quot; (or &quot;Name&quot; and &quot;Strength&quot;) and &quot;Count&quot; (or &quot;%1&quot;).</source>
        <translation>La première ligne doit nommer les colonnes&#xa0;: «&#xa0;ID&#xa0;» (ou «&#xa0;Name&#xa0;» et «&#xa0;Strength&#xa0;») et «&#xa0;Count&#xa0;» (ou «&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>the count &quot;%1&quot; is not a whole number from 0 to 32767</source>
        <translation>le compte «&#xa0;%1&#xa0;» n’est pas un nombre entier de 0 à 32767</translation>
    </message>
    <message>
        <source>this catalogue has no unit &quot;%1&quot;</source>
        <translation>ce catalogue n’a aucune unité «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot; is listed on row %2 too</source>
        <translation>l’unité «&#xa0;%1&#xa0;» figure aussi à la ligne %2</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Ligne %1&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the file can&apos;t be read, so nothing was imported:</source>
        <translation>
            <numerusform>%n ligne du fichier ne peut pas être lue&#xa0;; rien n’a donc été importé&#xa0;:</numerusform>
            <numerusform>%n lignes du fichier ne peuvent pas être lues&#xa0;; rien n’a donc été importé&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...et %n autre.</numerusform>
            <numerusform>...et %n autres.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>A quote that opens a field on row %1 is never closed.</source>
        <translation>Un guillemet qui ouvre un champ à la ligne %1 n’est jamais fermé.</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote %1 to &quot;%2&quot;.</source>
        <translation>Écrit dans «&#xa0;%2&#xa0;»&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Import CSV into the army</source>
        <translation>Importer un CSV dans l’armée</translation>
    </message>
    <message>
        <source>Import CSV into the collection</source>
        <translation>Importer un CSV dans la collection</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>Fichiers CSV (*.csv *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Add the counts of &quot;%1&quot; to the army, or replace the army with them?</source>
        <translation>Ajouter les comptes de «&#xa0;%1&#xa0;» à l’armée, ou remplacer l’armée par ces comptes&#xa0;?</translation>
    </message>
    <message>
        <source>Add the counts of &quot;%1&quot; to the collection, or replace the collection with them?</source>
        <translation>Ajouter les comptes de «&#xa0;%1&#xa0;» à la collection, ou remplacer la collection par ces comptes&#xa0;?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;: %2</source>
        <translation>Impossible d’importer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Importing &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation>Importer «&#xa0;%1&#xa0;» porterait %2 hors de sa plage de valeurs&#xa0;; rien n’a donc été modifié.</translation>
    </message>
    <message>
        <source>importing &quot;%1&quot; into the army</source>
        <translation>importation de «&#xa0;%1&#xa0;» dans l’armée</translation>
    </message>
    <message>
        <source>importing &quot;%1&quot; into the collection</source>
        <translation>importation de «&#xa0;%1&#xa0;» dans la collection</translation>
    </message>
    <message>
        <source>Imported %1 of %2 from &quot;%3&quot; into the army.</source>
        <translation>Importation de «&#xa0;%3&#xa0;» dans l’armée&#xa0;: %1 de %2.</translation>
    </message>
    <message>
        <source>Imported %1 of %2 from &quot;%3&quot; into the collection.</source>
        <translation>Importation de «&#xa0;%3&#xa0;» dans la collection&#xa0;: %1 de %2.</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Undo %1</source>
        <translation>Annuler %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Find a Unit...</source>
        <translation>Rechercher une unité...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>Unit commands</source>
        <translation>Commandes d’unité</translation>
    </message>
    <message>
        <source>Undid: %1.</source>
        <translation>Annulé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Redid: %1.</source>
        <translation>Rétabli&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Add One to the army</source>
        <translation>Ajouter une figurine à l’armée</translation>
    </message>
    <message>
        <source>Add One to the collection</source>
        <translation>Ajouter une figurine à la collection</translation>
    </message>
    <message>
        <source>Take One from the army</source>
        <translation>Retirer une figurine de l’armée</translation>
    </message>
    <message>
        <source>Take One from the collection</source>
        <translation>Retirer une figurine de la collection</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>a quoted field starts here and runs on to line %1, so the lines between were read as part of it; a closing quote may be missing.</source>
        <translation>un champ entre guillemets commence ici et se poursuit jusqu’à la ligne %1&#xa0;; les lignes intermédiaires ont donc été lues comme en faisant partie. Il manque peut-être un guillemet fermant.</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote; it runs to the end of the file.</source>
        <translation>un champ entre guillemets n’a pas de guillemet fermant&#xa0;; il se poursuit jusqu’à la fin du fichier.</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>The name holds the control character %1, which is not shown and may not stand in a file name. Type the name without it.</source>
        <translation>Le nom contient le caractère de contrôle %1, qui ne s’affiche pas et n’est pas admis dans un nom de fichier. Saisissez le nom sans ce caractère.</translation>
    </message>
    <message>
        <source>The name holds a folder part (&quot;/&quot; or &quot;\&quot;). Files are kept in the program&apos;s own folder, so type a plain name.</source>
        <translation>Le nom contient une partie de dossier («&#xa0;/&#xa0;» ou «&#xa0;\&#xa0;»). Les fichiers sont conservés dans le dossier du programme lui-même&#xa0;; saisissez donc un simple nom.</translation>
    </message>
    <message>
        <source>Its name is too long for the file system, which takes at most %1 bytes.</source>
        <translation>Son nom est trop long pour le système de fichiers, qui accepte au plus %1 octets.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find a unit by any part of its ID, name or faction</source>
        <translation>Rechercher une unité par une partie de son ID, de son nom ou de sa faction</translation>
    </message>
    <message>
        <source>ID, name or faction</source>
        <translation>ID, nom ou faction</translation>
    </message>
    <message>
        <source>Units found</source>
        <translation>Unités trouvées</translation>
    </message>
    <message>
        <source>No unit matches</source>
        <translation>Aucune unité trouvée</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Units shown</source>
        <translation>Unités affichées</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Toutes les unités</translation>
    </message>
    <message>
        <source>In the collection</source>
        <translation>Dans la collection</translation>
    </message>
    <message>
        <source>In the army</source>
        <translation>Dans l’armée</translation>
    </message>
    <message>
        <source>Lacking for the army</source>
        <translation>Manquantes pour l’armée</translation>
    </message>
    <message>
        <source>Not in the collection</source>
        <translation>Pas dans la collection</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Lacking for the planned armies</source>
        <translation>Manquantes pour les armées planifiées</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>En surplus</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It could not be read: %1.</source>
        <translation>Lecture impossible&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n’existe pas.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>It is not a plain file (it is a pipe, a device or a socket), so it was not read.</source>
        <translation>Ce n’est pas un fichier ordinaire (c’est un tube, un périphérique ou un socket)&#xa0;; il n’a donc pas été lu.</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes; at most %2 are read).</source>
        <translation>Le fichier est trop volumineux (%1 octets&#xa0;; %2 au plus sont lus).</translation>
    </message>
    <message>
        <source>The file is too large (more than %1 bytes).</source>
        <translation>Le fichier est trop volumineux (plus de %1 octets).</translation>
    </message>
</context>
<context>
    <name>InputText</name>
    <message>
        <source>the file is UTF-16 and holds bytes that UTF-16 can&apos;t read; they show as &quot;�&quot;.</source>
        <translation>le fichier est en UTF-16 et contient des octets illisibles en UTF-16&#xa0;; ils s’affichent sous la forme «&#xa0;�&#xa0;».</translation>
    </message>
    <message>
        <source>the byte %1 is not UTF-8, in which the rest of the file is written; it shows as &quot;�&quot; (%2 such byte(s) in the file).</source>
        <translation>l’octet %1 n’est pas de l’UTF-8, dans lequel le reste du fichier est écrit&#xa0;; il s’affiche sous la forme «&#xa0;�&#xa0;» (%2 octet(s) de ce type dans le fichier).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written in UTF-8, but most of the file is not, so the file was read as Windows-1252 and this shows as &quot;%2&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» est écrit en UTF-8, mais la majeure partie du fichier ne l’est pas&#xa0;; le fichier a donc été lu en Windows-1252 et ce texte s’affiche sous la forme «&#xa0;%2&#xa0;».</translation>
    </message>
</context>
<context>
    <name>LoadCatalogue</name>
    <message>
        <source>the file ends inside a record (%1 of its %2 fields); the rest of the file was ignored.</source>
        <translation>le fichier se termine au milieu d’un enregistrement (%1 de ses %2 champs)&#xa0;; le reste du fichier a été ignoré.</translation>
    </message>
    <message>
        <source>the file holds more than %1 units; only the first %1 were loaded.</source>
        <translation>le fichier contient plus de %1 unités&#xa0;; seules les %1 premières ont été chargées.</translation>
    </message>
    <message>
        <source>the point value &quot;%1&quot; of &quot;%2&quot; %3; the totals count it as it reads.</source>
        <translation>la valeur en points «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» %3&#xa0;; les totaux la comptent telle qu’elle est écrite.</translation>
    </message>
</context>
<context>
    <name>LoadPriceGuide</name>
    <message>
        <source>the entry &quot;%1&quot; has no price; it was ignored.</source>
        <translation>l’entrée «&#xa0;%1&#xa0;» n’a pas de prix&#xa0;; elle a été ignorée.</translation>
    </message>
    <message>
        <source>the price &quot;%1&quot; of &quot;%2&quot; %3; the totals count it as it reads.</source>
        <translation>le prix «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» %3&#xa0;; les totaux le comptent tel qu’il est écrit.</translation>
    </message>
</context>
<context>
    <name>LoadProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>n’est pas un nombre</translation>
    </message>
    <message>
        <source>is infinite</source>
        <translation>est un nombre infini</translation>
    </message>
    <message>
        <source>is too large for the totals</source>
        <translation>est un nombre trop grand pour les totaux</translation>
    </message>
    <message>
        <source>is negative</source>
        <translation>est un nombre négatif</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>The disk is full, or the file is too large for it.</source>
        <translation>Le disque est plein, ou le fichier est trop volumineux pour lui.</translation>
    </message>
    <message>
        <source>Its name is too long for the file system.</source>
        <translation>Son nom est trop long pour le système de fichiers.</translation>
    </message>
    <message>
        <source>The disk reported an error while it was being written (%1).</source>
        <translation>Le disque a signalé une erreur pendant l’écriture (%1).</translation>
    </message>
    <message>
        <source>It is a link that leads round in a circle, so there is no file to write.</source>
        <translation>C’est un lien qui tourne en boucle&#xa0;; il n’y a donc aucun fichier à écrire.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written to (%1).</source>
        <translation>Le dossier ou le fichier n’est pas accessible en écriture (%1).</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>C’est un dossier, pas un fichier.</translation>
    </message>
</context>
<context>
    <name>PageLinePrinter</name>
    <message>
        <source>The job could not start.</source>
        <translation>L’impression n’a pas pu démarrer.</translation>
    </message>
    <message>
        <source>The printer could not begin a new page.</source>
        <translation>L’imprimante n’a pas pu commencer une nouvelle page.</translation>
    </message>
</context>
<context>
    <name>PlanArmiesWindow</name>
    <message>
        <source>Played &amp;together</source>
        <translation>&amp;Jouées ensemble</translation>
    </message>
    <message>
        <source>&amp;One at a time</source>
        <translation>&amp;Une à la fois</translation>
    </message>
    <message>
        <source>Write &amp;Shopping List...</source>
        <translation>Écrire la liste de &amp;courses...</translation>
    </message>
    <message>
        <source>Plan Armies</source>
        <translation>Planifier les armées</translation>
    </message>
    <message>
        <source>Armies to plan</source>
        <translation>Armées à planifier</translation>
    </message>
    <message>
        <source>Army</source>
        <translation>Armée</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Figurines</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Lacking</source>
        <translation>Manquantes</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>(%1 without a price)</source>
        <translation>(%1 sans prix)</translation>
    </message>
    <message>
        <source>The army on screen</source>
        <translation>L’armée affichée</translation>
    </message>
    <message>
        <source>%1 (on screen)</source>
        <translation>%1 (affichée)</translation>
    </message>
    <message>
        <source>By position: no record says which unit each row was.</source>
        <translation>Par position&#xa0;: aucun relevé des unités n’indique quelle unité occupait chaque ligne.</translation>
    </message>
    <message>
        <source>Tick the armies to plan against the collection.</source>
        <translation>Cochez les armées à planifier par rapport à la collection.</translation>
    </message>
    <message numerus="yes">
        <source>Played together, the %n ticked army(s) lack %1 of the collection.</source>
        <translation>
            <numerusform>Jouée ensemble, %n armée cochée demande %1 de plus que la collection n’en contient.</numerusform>
            <numerusform>Jouées ensemble, les %n armées cochées demandent %1 de plus que la collection n’en contient.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played one at a time, the %n ticked army(s) lack %1 of the collection.</source>
        <translation>
            <numerusform>Jouée une à la fois, %n armée cochée demande %1 de plus que la collection n’en contient.</numerusform>
            <numerusform>Jouées une à la fois, les %n armées cochées demandent %1 de plus que la collection n’en contient.</numerusform>
        </translation>
    </message>
    <message>
        <source>They cost about %1.</source>
        <translation>Les figurines manquantes coûtent environ %1.</translation>
    </message>
    <message>
        <source>The guide has no price for %1.</source>
        <translation>Le guide des prix n’indique aucun prix pour %1.</translation>
    </message>
    <message>
        <source>Write Shopping List</source>
        <translation>Écrire la liste de courses</translation>
    </message>
    <message>
        <source>Shopping list</source>
        <translation>Liste de courses</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Could not write the shopping list &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire la liste de courses «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote the shopping list &quot;%1&quot;: %2 lacking.</source>
        <translation>La liste de courses «&#xa0;%1&#xa0;» a été écrite&#xa0;: il manque %2.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing the collection...</source>
        <translation>Impression de la collection...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Sending the collection to the printer...</source>
        <translation>Envoi de la collection à l’imprimante...</translation>
    </message>
</context>
<context>
    <name>PrinterLinePrinter</name>
    <message>
        <source>The printer &quot;%1&quot; could not start the job.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu démarrer l’impression.</translation>
    </message>
    <message>
        <source>The document for &quot;%1&quot; could not be finished.</source>
        <translation>Le document destiné à «&#xa0;%1&#xa0;» n’a pas pu être terminé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has stopped accepting jobs, so nothing was printed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’accepte plus d’impressions&#xa0;; rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer there, so nothing was printed.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’est plus disponible&#xa0;; rien n’a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas accepté l’impression&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Could not copy the sample file &quot;%1&quot; into &quot;%2&quot;: %3</source>
        <translation>Impossible de copier le fichier d’exemple «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>Could not make the folder &quot;%1&quot;.</source>
        <translation>Impossible de créer le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;.</source>
        <translation>Impossible d’ouvrir le dossier «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Could not start &quot;%1&quot;: %2</source>
        <translation>Impossible de lancer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The copy is empty.</source>
        <translation>La copie est vide.</translation>
    </message>
    <message>
        <source>It is not a recovery copy of this program.</source>
        <translation>Ce n’est pas une copie de récupération de ce programme.</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program (format %1).</source>
        <translation>Elle a été écrite par une version plus récente du programme (format %1).</translation>
    </message>
    <message>
        <source>The copy is damaged: it was cut short or changed.</source>
        <translation>La copie est endommagée&#xa0;: elle a été tronquée ou modifiée.</translation>
    </message>
    <message>
        <source>The copy is damaged: what it holds does not fit together.</source>
        <translation>La copie est endommagée&#xa0;: son contenu est incohérent.</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>today %1</source>
        <translation>aujourd’hui à %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation>hier à %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>It holds counts for %1 rows, and the catalogue has %2 units.</source>
        <translation>Elle contient des comptes pour %1 lignes, et le catalogue a %2 unités.</translation>
    </message>
    <message>
        <source>Its counts would take %1 out of its range.</source>
        <translation>Ses comptes porteraient %1 hors de sa plage de valeurs.</translation>
    </message>
    <message>
        <source>Counts that an earlier session of Rostermere did not save are waiting in a recovery copy, but it cannot be opened. %1</source>
        <translation>Des comptes qu’une session précédente de Rostermere n’a pas enregistrés attendent dans une copie de récupération, mais celle-ci ne peut pas être ouverte. %1</translation>
    </message>
    <message>
        <source>The counts kept when Rostermere last ended could not be read back, so nothing was restored. %1 The copy was moved aside to &quot;%2&quot;.</source>
        <translation>Les comptes conservés lors de la dernière fermeture de Rostermere n’ont pas pu être relus&#xa0;; rien n’a donc été restauré. %1 La copie a été mise de côté sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not saved when Rostermere last ended (%2), but the counts belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</source>
        <translation>
            <numerusform>%1 n’était pas enregistrée lors de la dernière fermeture de Rostermere (%2), mais ses comptes appartiennent à un autre catalogue que celui qui se trouve maintenant dans «&#xa0;rfarm.txt&#xa0;»&#xa0;; ils n’ont donc pas été remis en place.</numerusform>
            <numerusform>%1 n’étaient pas enregistrées lors de la dernière fermeture de Rostermere (%2), mais leurs comptes appartiennent à un autre catalogue que celui qui se trouve maintenant dans «&#xa0;rfarm.txt&#xa0;»&#xa0;; ils n’ont donc pas été remis en place.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 sessions of Rostermere ended with counts not saved that belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</source>
        <translation>%1 sessions de Rostermere se sont terminées avec des comptes non enregistrés qui appartiennent à un autre catalogue que celui qui se trouve maintenant dans «&#xa0;rfarm.txt&#xa0;»&#xa0;; ils n’ont donc pas été remis en place.</translation>
    </message>
    <message>
        <source>Keep them to be offered again when Rostermere starts here with that catalogue, or discard them?</source>
        <translation>Les conserver pour qu’ils vous soient proposés de nouveau quand Rostermere démarrera ici avec ce catalogue, ou les abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conserver</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not saved when Rostermere last ended (%2). Restore it?</source>
        <translation>
            <numerusform>%1 n’était pas enregistrée lors de la dernière fermeture de Rostermere (%2). La restaurer&#xa0;?</numerusform>
            <numerusform>%1 n’étaient pas enregistrées lors de la dernière fermeture de Rostermere (%2). Les restaurer&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more unsaved session(s) waiting; the next start offers the newest.</source>
        <translation>
            <numerusform>%n autre session non enregistrée attend&#xa0;; elle sera proposée au prochain démarrage.</numerusform>
            <numerusform>%n autres sessions non enregistrées attendent&#xa0;; le prochain démarrage proposera la plus récente.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>restoring %1</source>
        <translation>restauration de %1</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>Restauration de %1 effectuée.</translation>
    </message>
    <message>
        <source>The catalogue has changed since; the counts were put on their units.</source>
        <translation>Le catalogue a changé depuis&#xa0;; les comptes ont été replacés sur leurs unités.</translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Le catalogue n’a aucune unité pour %n unité comptée dans l’armée&#xa0;: %1. Son compte est conservé avec l’armée (hors des totaux) et enregistré avec elle, et retournera à son unité quand le catalogue la contiendra de nouveau.</numerusform>
            <numerusform>Le catalogue n’a aucune unité pour %n unités comptées dans l’armée&#xa0;: %1. Leurs comptes sont conservés avec l’armée (hors des totaux) et enregistrés avec elle, et retourneront à leurs unités quand le catalogue les contiendra de nouveau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Le catalogue n’a aucune unité pour %n unité comptée dans la collection&#xa0;: %1. Son compte est conservé avec la collection (hors des totaux) et enregistré avec elle, et retournera à son unité quand le catalogue la contiendra de nouveau.</numerusform>
            <numerusform>Le catalogue n’a aucune unité pour %n unités comptées dans la collection&#xa0;: %1. Leurs comptes sont conservés avec la collection (hors des totaux) et enregistrés avec elle, et retourneront à leurs unités quand le catalogue les contiendra de nouveau.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>The collection was not printed: %1</source>
        <translation>La collection n’a pas été imprimée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The collection had already gone to the printer when Cancel was chosen, so it is printed.</source>
        <translation>La collection était déjà partie vers l’imprimante quand Annuler a été choisi&#xa0;; elle est donc imprimée.</translation>
    </message>
    <message>
        <source>Could not write the report &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire le rapport «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Wrote the army to &quot;%1&quot;: %2.</source>
        <translation>L’armée a été écrite dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Wrote the collection to &quot;%1&quot;: %2.</source>
        <translation>La collection a été écrite dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The collection is still being printed, so it was not printed again. Print it again once that printout is done.</source>
        <translation>La collection est encore en cours d’impression&#xa0;; elle n’a donc pas été réimprimée. Imprimez-la de nouveau une fois cette impression terminée.</translation>
    </message>
    <message>
        <source>There is no default printer, so the collection was not printed.</source>
        <translation>Il n’y a pas d’imprimante par défaut&#xa0;; la collection n’a donc pas été imprimée.</translation>
    </message>
    <message>
        <source>Sent the collection to the printer &quot;%1&quot;: %2.</source>
        <translation>La collection a été envoyée à l’imprimante «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 Collection</source>
        <translation>Collection %1</translation>
    </message>
    <message>
        <source>Print Preview: %1 Collection</source>
        <translation>Aperçu avant impression&#xa0;: Collection %1</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The document could not be made.</source>
        <translation>Le document n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>Could not write the PDF &quot;%1&quot;: %2</source>
        <translation>Impossible d’écrire le PDF «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>RulesetFiles</name>
    <message>
        <source>It is the catalogue &quot;%1&quot; that the units are read from, so nothing was written. Choose another name.</source>
        <translation>C’est le catalogue «&#xa0;%1&#xa0;», d’où sont lues les unités&#xa0;; rien n’a donc été écrit. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>It is the price guide &quot;%1&quot; that the prices are read from, so nothing was written. Choose another name.</source>
        <translation>C’est le guide des prix «&#xa0;%1&#xa0;», d’où sont lus les prix&#xa0;; rien n’a donc été écrit. Choisissez un autre nom.</translation>
    </message>
</context>
<context>
    <name>RulesetReload</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the army&apos;s number of figures</source>
        <translation>le nombre de figurines de l’armée</translation>
    </message>
    <message>
        <source>the collection&apos;s number of figures</source>
        <translation>le nombre de figurines de la collection</translation>
    </message>
    <message>
        <source>the army&apos;s total point value</source>
        <translation>la valeur totale en points de l’armée</translation>
    </message>
    <message>
        <source>the collection&apos;s total point value</source>
        <translation>la valeur totale en points de la collection</translation>
    </message>
    <message>
        <source>the army&apos;s approximate value</source>
        <translation>la valeur approximative de l’armée</translation>
    </message>
    <message>
        <source>the collection&apos;s approximate value</source>
        <translation>la valeur approximative de la collection</translation>
    </message>
    <message>
        <source>an unnamed army</source>
        <translation>l’armée sans nom</translation>
    </message>
    <message>
        <source>an unnamed collection</source>
        <translation>la collection sans nom</translation>
    </message>
    <message>
        <source>the army &quot;%1&quot;</source>
        <translation>l’armée «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the collection &quot;%1&quot;</source>
        <translation>la collection «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Nothing was reloaded: the units, prices and counts already shown are kept.</source>
        <translation>Rien n’a été rechargé&#xa0;: les unités, les prix et les comptes déjà affichés sont conservés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no units.</source>
        <translation>«&#xa0;%1&#xa0;» ne contient aucune unité.</translation>
    </message>
    <message>
        <source>The units already shown are kept.</source>
        <translation>Les unités déjà affichées sont conservées.</translation>
    </message>
    <message>
        <source>The units are shown without prices.</source>
        <translation>Les unités sont affichées sans prix.</translation>
    </message>
    <message>
        <source>With the new catalogue %1 would be out of its range, so the catalogue was not reloaded.</source>
        <translation>Avec le nouveau catalogue, %1 serait hors de sa plage de valeurs&#xa0;; le catalogue n’a donc pas été rechargé.</translation>
    </message>
    <message numerus="yes">
        <source>The army&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation>
            <numerusform>Le compte de l’armée pour %n unité a suivi son unité jusqu’à sa ligne dans le nouveau catalogue.</numerusform>
            <numerusform>Les comptes de l’armée pour %n unités ont suivi leurs unités jusqu’à leurs lignes dans le nouveau catalogue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation>
            <numerusform>Le compte de la collection pour %n unité a suivi son unité jusqu’à sa ligne dans le nouveau catalogue.</numerusform>
            <numerusform>Les comptes de la collection pour %n unités ont suivi leurs unités jusqu’à leurs lignes dans le nouveau catalogue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Le nouveau catalogue n’a aucune unité pour %n unité comptée dans l’armée&#xa0;: %1. Son compte est conservé avec l’armée (hors des totaux) et enregistré avec elle, et retournera à son unité quand le catalogue la contiendra de nouveau.</numerusform>
            <numerusform>Le nouveau catalogue n’a aucune unité pour %n unités comptées dans l’armée&#xa0;: %1. Leurs comptes sont conservés avec l’armée (hors des totaux) et enregistrés avec elle, et retourneront à leurs unités quand le catalogue les contiendra de nouveau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Le nouveau catalogue n’a aucune unité pour %n unité comptée dans la collection&#xa0;: %1. Son compte est conservé avec la collection (hors des totaux) et enregistré avec elle, et retournera à son unité quand le catalogue la contiendra de nouveau.</numerusform>
            <numerusform>Le nouveau catalogue n’a aucune unité pour %n unités comptées dans la collection&#xa0;: %1. Leurs comptes sont conservés avec la collection (hors des totaux) et enregistrés avec elle, et retourneront à leurs unités quand le catalogue les contiendra de nouveau.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedMarks</name>
    <message>
        <source>Whether the army is saved</source>
        <translation>Indique si l’armée est enregistrée</translation>
    </message>
    <message>
        <source>Whether the collection is saved</source>
        <translation>Indique si la collection est enregistrée</translation>
    </message>
    <message>
        <source>The army keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation>L’armée conserve, hors des totaux, les comptes des unités absentes du catalogue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The collection keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation>La collection conserve, hors des totaux, les comptes des unités absentes du catalogue&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The army is saved in &quot;%1&quot;.</source>
        <translation>L’armée est enregistrée dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The collection is saved in &quot;%1&quot;.</source>
        <translation>La collection est enregistrée dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The army has no changes to save.</source>
        <translation>L’armée n’a aucune modification à enregistrer.</translation>
    </message>
    <message>
        <source>The collection has no changes to save.</source>
        <translation>La collection n’a aucune modification à enregistrer.</translation>
    </message>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation>
            <numerusform>L’armée n’est pas enregistrée&#xa0;: %n unité comptée autrement que dans «&#xa0;%1&#xa0;».</numerusform>
            <numerusform>L’armée n’est pas enregistrée&#xa0;: %n unités comptées autrement que dans «&#xa0;%1&#xa0;».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation>
            <numerusform>La collection n’est pas enregistrée&#xa0;: %n unité comptée autrement que dans «&#xa0;%1&#xa0;».</numerusform>
            <numerusform>La collection n’est pas enregistrée&#xa0;: %n unités comptées autrement que dans «&#xa0;%1&#xa0;».</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted.</source>
        <translation>
            <numerusform>L’armée n’est pas enregistrée&#xa0;: %n unité comptée.</numerusform>
            <numerusform>L’armée n’est pas enregistrée&#xa0;: %n unités comptées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted.</source>
        <translation>
            <numerusform>La collection n’est pas enregistrée&#xa0;: %n unité comptée.</numerusform>
            <numerusform>La collection n’est pas enregistrée&#xa0;: %n unités comptées.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recovery copy keeps the changes until you save them, and offers them back if Rostermere ends first.</source>
        <translation>Une copie de récupération conserve les modifications jusqu’à ce que vous les enregistriez, et vous les propose de nouveau si Rostermere se ferme avant.</translation>
    </message>
    <message>
        <source>They could not be kept in a recovery copy (%1), so save them before Rostermere ends.</source>
        <translation>Elles n’ont pas pu être conservées dans une copie de récupération (%1)&#xa0;; enregistrez-les donc avant de fermer Rostermere.</translation>
    </message>
    <message>
        <source>It keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation>Elle conserve, hors des totaux, les comptes des unités absentes du catalogue&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>SessionKeeper</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to, so the copy in it cannot be opened safely.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’est pas accessible en écriture&#xa0;; la copie qu’il contient ne peut donc pas être ouverte sans risque.</translation>
    </message>
    <message>
        <source>It was kept for another folder (&quot;%1&quot;).</source>
        <translation>Elle a été conservée pour un autre dossier («&#xa0;%1&#xa0;»).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>«&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; could not be removed. Both tallies are saved, so no counts are lost; the next start may offer it.</source>
        <translation>La copie de récupération «&#xa0;%1&#xa0;» n’a pas pu être supprimée. Les deux listes sont enregistrées, aucun compte n’est donc perdu&#xa0;; le prochain démarrage pourra la proposer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be locked for this window.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être verrouillé pour cette fenêtre.</translation>
    </message>
</context>
<context>
    <name>ShoppingList</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>Faction</translation>
    </message>
    <message>
        <source>Lacking</source>
        <translation>Manquantes</translation>
    </message>
    <message>
        <source>Price each</source>
        <translation>Prix unitaire</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1 without a price</source>
        <translation>%1 sans prix</translation>
    </message>
</context>
<context>
    <name>ShowChoice</name>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Showing %1 of %2.</source>
        <translation>Affichage de %1 sur %2.</translation>
    </message>
    <message>
        <source>%1; %2 lacking</source>
        <translation>%1&#xa0;; manque %2</translation>
    </message>
    <message>
        <source>Showing %1 of %2. Lacking 1 figure</source>
        <translation>Affichage de %1 sur %2. Il manque 1 figurine</translation>
    </message>
    <message>
        <source>Showing %1 of %2. Lacking %3 figures</source>
        <translation>Affichage de %1 sur %2. Il manque %3 figurines</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>, about %1</source>
        <translation>, environ %1</translation>
    </message>
    <message>
        <source> (%1 unpriced)</source>
        <translation> (%1 sans prix)</translation>
    </message>
    <message>
        <source> (%1 without a price)</source>
        <translation> (%1 sans prix)</translation>
    </message>
    <message>
        <source>%1; %2 spare</source>
        <translation>%1&#xa0;; %2 en surplus</translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2. The collection holds %3 figure(s) beyond what the planned armies need.</source>
        <translation>
            <numerusform>Affichage de %1 sur %2. La collection contient %3 figurine de plus que ce dont les armées planifiées ont besoin.</numerusform>
            <numerusform>Affichage de %1 sur %2. La collection contient %3 figurines de plus que ce dont les armées planifiées ont besoin.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2. The planned armies lack %3 figure(s)</source>
        <translation>
            <numerusform>Affichage de %1 sur %2. Il manque %3 figurine aux armées planifiées</numerusform>
            <numerusform>Affichage de %1 sur %2. Il manque %3 figurines aux armées planifiées</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShownUnits</name>
    <message>
        <source>%1 spare beyond what the planned armies need</source>
        <translation>En surplus par rapport aux besoins des armées planifiées&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 lacking for the planned armies</source>
        <translation>Manquantes pour les armées planifiées&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>What the last command did</source>
        <translation>Résultat de la dernière commande</translation>
    </message>
    <message numerus="yes">
        <source>%n figure(s)</source>
        <translation>
            <numerusform>%n figurine</numerusform>
            <numerusform>%n figurines</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n unité</numerusform>
            <numerusform>%n unités</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation>%1 figurines</translation>
    </message>
</context>
<context>
    <name>TallyDocument</name>
    <message>
        <source>one %1 counted into the army</source>
        <translation>ajout d’une figurine %1 à l’armée</translation>
    </message>
    <message>
        <source>one %1 counted into the collection</source>
        <translation>ajout d’une figurine %1 à la collection</translation>
    </message>
    <message>
        <source>one %1 taken from the army</source>
        <translation>retrait d’une figurine %1 de l’armée</translation>
    </message>
    <message>
        <source>one %1 taken from the collection</source>
        <translation>retrait d’une figurine %1 de la collection</translation>
    </message>
</context>
<context>
    <name>TallyFile</name>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds bytes that no tally file has.</source>
        <translation>Ce n’est pas un fichier de liste écrit par Rostermere, ou il est endommagé&#xa0;; sa ligne %1 contient des octets qu’aucun fichier de liste ne contient.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds a negative count.</source>
        <translation>Ce n’est pas un fichier de liste écrit par Rostermere, ou il est endommagé&#xa0;; sa ligne %1 contient un compte négatif.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds text that is not a count.</source>
        <translation>Ce n’est pas un fichier de liste écrit par Rostermere, ou il est endommagé&#xa0;; sa ligne %1 contient du texte qui n’est pas un compte.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds 0 bytes.</source>
        <translation>Ce n’est pas un fichier de liste écrit par Rostermere, ou il est endommagé&#xa0;; il contient 0 octet.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds 1 byte.</source>
        <translation>Ce n’est pas un fichier de liste écrit par Rostermere, ou il est endommagé&#xa0;; il contient 1 octet.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds %1 bytes, and its number of rows is negative (%2).</source>
        <translation>Ce n’est pas un fichier de liste écrit par Rostermere, ou il est endommagé&#xa0;; il contient %1 octets, et son nombre de lignes est négatif (%2).</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds %1 bytes, and the %2 rows it names need %3.</source>
        <translation>Ce n’est pas un fichier de liste écrit par Rostermere, ou il est endommagé&#xa0;; il contient %1 octets, et les %2 lignes qu’il annonce en demandent %3.</translation>
    </message>
</context>
<context>
    <name>TallyFileCommands</name>
    <message>
        <source>Could not save the army to &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer l’armée dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not save the collection to &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer la collection dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saved %1 to &quot;%2&quot;: %3, %4.</source>
        <translation>Enregistrement de %1 dans «&#xa0;%2&#xa0;»&#xa0;: %3, %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message>
        <source>The army was saved to &quot;%1&quot;, but the record of its units beside it could not be written, so a later catalogue can match its counts only by position. %2</source>
        <translation>L’armée a été enregistrée dans «&#xa0;%1&#xa0;», mais le relevé de ses unités qui l’accompagne n’a pas pu être écrit&#xa0;; un catalogue ultérieur ne pourra donc faire correspondre ses comptes que par position. %2</translation>
    </message>
    <message>
        <source>The collection was saved to &quot;%1&quot;, but the record of its units beside it could not be written, so a later catalogue can match its counts only by position. %2</source>
        <translation>La collection a été enregistrée dans «&#xa0;%1&#xa0;», mais le relevé de ses unités qui l’accompagne n’a pas pu être écrit&#xa0;; un catalogue ultérieur ne pourra donc faire correspondre ses comptes que par position. %2</translation>
    </message>
    <message>
        <source>Could not load the army from &quot;%1&quot;: %2</source>
        <translation>Impossible de charger l’armée depuis «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Could not load the collection from &quot;%1&quot;: %2</source>
        <translation>Impossible de charger la collection depuis «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Loading &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation>Charger «&#xa0;%1&#xa0;» porterait %2 hors de sa plage de valeurs&#xa0;; rien n’a donc été modifié.</translation>
    </message>
    <message>
        <source>loading &quot;%1&quot; into the army</source>
        <translation>chargement de «&#xa0;%1&#xa0;» dans l’armée</translation>
    </message>
    <message>
        <source>loading &quot;%1&quot; into the collection</source>
        <translation>chargement de «&#xa0;%1&#xa0;» dans la collection</translation>
    </message>
    <message>
        <source>Loaded &quot;%1&quot; into the army: %2.</source>
        <translation>«&#xa0;%1&#xa0;» chargé dans l’armée&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Loaded &quot;%1&quot; into the collection: %2.</source>
        <translation>«&#xa0;%1&#xa0;» chargé dans la collection&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for, so they were not loaded.</source>
        <translation>«&#xa0;%1&#xa0;» contient des comptes pour %2 ligne(s) totalisant %3 figurine(s), pour lesquelles ce catalogue de %4 unités n’a pas d’unité&#xa0;; ces comptes n’ont donc pas été chargés.</translation>
    </message>
    <message>
        <source>Could not add the army &quot;%1&quot; to the collection: %2</source>
        <translation>Impossible d’ajouter l’armée «&#xa0;%1&#xa0;» à la collection&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved as a collection (%2). Add it to the collection as an army?</source>
        <translation>«&#xa0;%1&#xa0;» a été enregistré comme collection (%2). L’ajouter à la collection comme une armée&#xa0;?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Adding &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation>Ajouter «&#xa0;%1&#xa0;» porterait %2 hors de sa plage de valeurs&#xa0;; rien n’a donc été modifié.</translation>
    </message>
    <message>
        <source>adding &quot;%1&quot; to the collection</source>
        <translation>ajout de «&#xa0;%1&#xa0;» à la collection</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot; to the collection: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ajouté à la collection&#xa0;: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for, so they were not added.</source>
        <translation>«&#xa0;%1&#xa0;» contient des comptes pour %2 ligne(s) totalisant %3 figurine(s), pour lesquelles ce catalogue de %4 unités n’a pas d’unité&#xa0;; ces comptes n’ont donc pas été ajoutés.</translation>
    </message>
    <message>
        <source>The record of units beside &quot;%1&quot; could not be read, so its counts are matched by position. %2</source>
        <translation>Le relevé des unités qui accompagne «&#xa0;%1&#xa0;» n’a pas pu être lu&#xa0;; ses comptes sont donc mis en correspondance par position. %2</translation>
    </message>
    <message>
        <source>%1 matched by their ID</source>
        <translation>correspondance par ID pour %1</translation>
    </message>
    <message>
        <source>%1 matched by their ID and %2 by name and strength</source>
        <translation>correspondance par ID pour %1 et par nom et force pour %2</translation>
    </message>
    <message>
        <source>The catalogue has changed since it was saved; %1.</source>
        <translation>Le catalogue a changé depuis l’enregistrement&#xa0;; %1.</translation>
    </message>
    <message>
        <source>It has no record of its units, so its %1 rows were matched by position to the catalogue&apos;s %2 units.</source>
        <translation>Le fichier n’a pas de relevé des unités&#xa0;; ses %1 lignes ont donc été mises en correspondance par position avec les %2 unités du catalogue.</translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the army (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Le catalogue n’a aucune unité pour %n unité comptée dans «&#xa0;%1&#xa0;»&#xa0;: %2. Son compte est conservé avec l’armée (hors des totaux) et enregistré avec elle, et retournera à son unité quand le catalogue la contiendra de nouveau.</numerusform>
            <numerusform>Le catalogue n’a aucune unité pour %n unités comptées dans «&#xa0;%1&#xa0;»&#xa0;: %2. Leurs comptes sont conservés avec l’armée (hors des totaux) et enregistrés avec elle, et retourneront à leurs unités quand le catalogue les contiendra de nouveau.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the collection (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Le catalogue n’a aucune unité pour %n unité comptée dans «&#xa0;%1&#xa0;»&#xa0;: %2. Son compte est conservé avec la collection (hors des totaux) et enregistré avec elle, et retournera à son unité quand le catalogue la contiendra de nouveau.</numerusform>
            <numerusform>Le catalogue n’a aucune unité pour %n unités comptées dans «&#xa0;%1&#xa0;»&#xa0;: %2. Leurs comptes sont conservés avec la collection (hors des totaux) et enregistrés avec elle, et retourneront à leurs unités quand le catalogue les contiendra de nouveau.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file there could not be checked before it is replaced, so nothing was written. %1</source>
        <translation>Le fichier existant n’a pas pu être vérifié avant d’être remplacé&#xa0;; rien n’a donc été écrit. %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 (%3). Replace it with the army (%4)?</source>
        <translation>«&#xa0;%1&#xa0;» contient %2 (%3). Le remplacer par l’armée (%4)&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 (%3). Replace it with the collection (%4)?</source>
        <translation>«&#xa0;%1&#xa0;» contient %2 (%3). Le remplacer par la collection (%4)&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for. Saving the army replaces the file and drops those counts.</source>
        <translation>«&#xa0;%1&#xa0;» contient des comptes pour %2 ligne(s) totalisant %3 figurine(s), pour lesquelles ce catalogue de %4 unités n’a pas d’unité. Enregistrer l’armée remplace le fichier et supprime ces comptes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for. Saving the collection replaces the file and drops those counts.</source>
        <translation>«&#xa0;%1&#xa0;» contient des comptes pour %2 ligne(s) totalisant %3 figurine(s), pour lesquelles ce catalogue de %4 unités n’a pas d’unité. Enregistrer la collection remplace le fichier et supprime ces comptes.</translation>
    </message>
</context>
<context>
    <name>TallyPicker</name>
    <message>
        <source>Saved tally files</source>
        <translation>Fichiers de liste enregistrés</translation>
    </message>
    <message>
        <source>Oops, don&apos;t load</source>
        <translation>Oups, ne pas charger</translation>
    </message>
</context>
<context>
    <name>UnitRecord</name>
    <message>
        <source>Its line %1 is not what Rostermere writes.</source>
        <translation>Sa ligne %1 n’est pas au format qu’écrit Rostermere.</translation>
    </message>
    <message>
        <source>It is not a unit record of this program.</source>
        <translation>Ce n’est pas un relevé des unités de ce programme.</translation>
    </message>
</context>
<context>
    <name>frmLoadArmy</name>
    <message>
        <source>No saved armies in this folder</source>
        <translation>Aucune armée enregistrée dans ce dossier</translation>
    </message>
</context>
<context>
    <name>frmLoadCollection</name>
    <message>
        <source>No saved collections in this folder</source>
        <translation>Aucune collection enregistrée dans ce dossier</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The reports end with a summary of the collection&apos;s totals.</source>
        <translation>Les rapports se terminent par un résumé des totaux de la collection.</translation>
    </message>
    <message>
        <source>The reports end without a summary.</source>
        <translation>Les rapports se terminent sans résumé.</translation>
    </message>
    <message>
        <source>The counts not yet saved could not be kept in a recovery copy, so they are lost if Rostermere ends before you save them. %1</source>
        <translation>Les comptes non encore enregistrés n’ont pas pu être conservés dans une copie de récupération&#xa0;; ils seront donc perdus si Rostermere se ferme avant que vous les enregistriez. %1</translation>
    </message>
    <message>
        <source>Read %1 from &quot;%2&quot;.</source>
        <translation>Lu depuis «&#xa0;%2&#xa0;»&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 undoes the last change to a tally, %2 redoes it.</source>
        <translation>%1 annule la dernière modification d’une liste, %2 la rétablit.</translation>
    </message>
    <message>
        <source>Double-clicks count into this column; double-click or Enter here takes a figure away.</source>
        <translation>Les doubles-clics ajoutent à cette colonne&#xa0;; un double-clic ou Entrée ici retire une figurine.</translation>
    </message>
    <message>
        <source>Double-click or Enter here takes a figure away from the army.</source>
        <translation>Un double-clic ou Entrée ici retire une figurine de l’armée.</translation>
    </message>
    <message>
        <source>Double-click or Enter here takes a figure away from the collection.</source>
        <translation>Un double-clic ou Entrée ici retire une figurine de la collection.</translation>
    </message>
    <message>
        <source>Collection Name  --&gt;</source>
        <translation>Nom de collection  --&gt;</translation>
    </message>
    <message>
        <source>Army Name ---&gt;</source>
        <translation>Nom d’armée ---&gt;</translation>
    </message>
    <message>
        <source>Collection name</source>
        <translation>Nom de la collection</translation>
    </message>
    <message>
        <source>Army name</source>
        <translation>Nom de l’armée</translation>
    </message>
    <message>
        <source>Unit ID Number</source>
        <translation>ID de l’unité</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Nom d’unité</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>Faction</translation>
    </message>
    <message>
        <source>Rarity</source>
        <translation>Rareté</translation>
    </message>
    <message>
        <source>Point Value</source>
        <translation>Valeur (pts)</translation>
    </message>
    <message>
        <source># in Collection</source>
        <translation># en collection</translation>
    </message>
    <message>
        <source># in Current Army</source>
        <translation># dans l’armée</translation>
    </message>
    <message>
        <source>Unit ID number</source>
        <translation>Numéro d’ID de l’unité</translation>
    </message>
    <message>
        <source>Unit name</source>
        <translation>Nom de l’unité</translation>
    </message>
    <message>
        <source>Point value</source>
        <translation>Valeur en points</translation>
    </message>
    <message>
        <source>Number of figures of each unit in the collection</source>
        <translation>Nombre de figurines de chaque unité dans la collection</translation>
    </message>
    <message>
        <source>Number of figures of each unit in the army</source>
        <translation>Nombre de figurines de chaque unité dans l’armée</translation>
    </message>
    <message>
        <source>Add/Subtract To/From</source>
        <translation>Ajouter à / Retirer de</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Collection</translation>
    </message>
    <message>
        <source>Army</source>
        <translation>Armée</translation>
    </message>
    <message>
        <source>Count into the collection</source>
        <translation>Compter dans la collection</translation>
    </message>
    <message>
        <source>Count into the army</source>
        <translation>Compter dans l’armée</translation>
    </message>
    <message>
        <source>Collection Stats</source>
        <translation>Stats de collection</translation>
    </message>
    <message>
        <source>Total Point Value</source>
        <translation>Valeur totale (pts)</translation>
    </message>
    <message>
        <source>Total point value of the collection</source>
        <translation>Valeur totale en points de la collection</translation>
    </message>
    <message>
        <source>Number of Figures</source>
        <translation>Nombre de figurines</translation>
    </message>
    <message>
        <source>Number of figures in the collection</source>
        <translation>Nombre de figurines dans la collection</translation>
    </message>
    <message>
        <source>Aproximate Value ($)</source>
        <translation>Valeur approx. ($)</translation>
    </message>
    <message>
        <source>Tae this with a large grain of salt. The data for any figures (the commons) is very sparse.</source>
        <translation>À prendre avec des pincettes. Les données sur certaines figurines (les communes) sont très lacunaires.</translation>
    </message>
    <message>
        <source>Approximate value of the collection in dollars</source>
        <translation>Valeur approximative de la collection en dollars</translation>
    </message>
    <message>
        <source>Army Stats</source>
        <translation>Stats d’armée</translation>
    </message>
    <message>
        <source>Point value of the army</source>
        <translation>Valeur en points de l’armée</translation>
    </message>
    <message>
        <source>Number of figures in the army</source>
        <translation>Nombre de figurines dans l’armée</translation>
    </message>
    <message>
        <source>Approximate value of the army in dollars</source>
        <translation>Valeur approximative de l’armée en dollars</translation>
    </message>
    <message>
        <source>Priceguide Info</source>
        <translation>Guide des prix</translation>
    </message>
    <message>
        <source>Name in Guide</source>
        <translation>Nom (guide)</translation>
    </message>
    <message>
        <source>Name of the selected unit in the price guide</source>
        <translation>Nom de l’unité sélectionnée dans le guide des prix</translation>
    </message>
    <message>
        <source>Priceguide Value ($)</source>
        <translation>Valeur du guide ($)</translation>
    </message>
    <message>
        <source>Price guide value of the selected unit in dollars</source>
        <translation>Valeur de l’unité sélectionnée dans le guide des prix, en dollars</translation>
    </message>
    <message>
        <source>Load Collection</source>
        <translation>Charger la collection</translation>
    </message>
    <message>
        <source>Save Collection</source>
        <translation>Enregistrer la collection</translation>
    </message>
    <message>
        <source>Print Collection</source>
        <translation>Imprimer la collection</translation>
    </message>
    <message>
        <source>Print Collection To File</source>
        <translation>Imprimer dans un fichier</translation>
    </message>
    <message>
        <source>Print Collection to HTML</source>
        <translation>Imprimer en HTML</translation>
    </message>
    <message>
        <source>Print Collection To Printer</source>
        <translation>Imprimer sur l’imprimante</translation>
    </message>
    <message>
        <source>Army and summary commands</source>
        <translation>Commandes d’armée et de résumé</translation>
    </message>
    <message>
        <source>Add Army To Collection</source>
        <translation>Ajouter l’armée à la collection</translation>
    </message>
    <message>
        <source>Include Summary in Printout</source>
        <translation>Inclure le résumé à l’impression</translation>
    </message>
    <message>
        <source>Load Army</source>
        <translation>Charger l’armée</translation>
    </message>
    <message>
        <source>Save Army</source>
        <translation>Enregistrer l’armée</translation>
    </message>
    <message>
        <source>Print Army To File</source>
        <translation>Imprimer l’armée (fichier)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>%1 (%2 now).</source>
        <translation>%1 (maintenant %2).</translation>
    </message>
    <message>
        <source>There is no %1 in the army to take away.</source>
        <translation>L’armée ne contient aucune figurine %1 à retirer.</translation>
    </message>
    <message>
        <source>There is no %1 in the collection to take away.</source>
        <translation>La collection ne contient aucune figurine %1 à retirer.</translation>
    </message>
    <message>
        <source>This figure would take %1 out of its range, so nothing was changed.</source>
        <translation>Cette figurine porterait %1 hors de sa plage de valeurs&#xa0;; rien n’a donc été modifié.</translation>
    </message>
    <message>
        <source>A collection can hold at most 32767 figures; this figure would make it %1.</source>
        <translation>Une collection peut contenir au plus 32767 figurines&#xa0;; cette figurine en porterait le nombre à %1.</translation>
    </message>
    <message>
        <source>An army can hold at most 32767 figures; this figure would make it %1.</source>
        <translation>Une armée peut contenir au plus 32767 figurines&#xa0;; cette figurine en porterait le nombre à %1.</translation>
    </message>
    <message>
        <source>A collection can hold at most 32767 points; this figure would make it %1.</source>
        <translation>Une collection peut valoir au plus 32767 points&#xa0;; cette figurine en porterait le total à %1.</translation>
    </message>
    <message>
        <source>An army can hold at most 32767 points; this figure would make it %1.</source>
        <translation>Une armée peut valoir au plus 32767 points&#xa0;; cette figurine en porterait le total à %1.</translation>
    </message>
    <message>
        <source>A collection can hold no fewer than -32768 figures; taking this figure away would make it %1.</source>
        <translation>Une collection ne peut pas contenir moins de -32768 figurines&#xa0;; retirer cette figurine en porterait le nombre à %1.</translation>
    </message>
    <message>
        <source>An army can hold no fewer than -32768 figures; taking this figure away would make it %1.</source>
        <translation>Une armée ne peut pas contenir moins de -32768 figurines&#xa0;; retirer cette figurine en porterait le nombre à %1.</translation>
    </message>
    <message>
        <source>A collection can hold no fewer than -32768 points; taking this figure away would make it %1.</source>
        <translation>Une collection ne peut pas valoir moins de -32768 points&#xa0;; retirer cette figurine en porterait le total à %1.</translation>
    </message>
    <message>
        <source>An army can hold no fewer than -32768 points; taking this figure away would make it %1.</source>
        <translation>Une armée ne peut pas valoir moins de -32768 points&#xa0;; retirer cette figurine en porterait le total à %1.</translation>
    </message>
    <message>
        <source>Plan Armies...</source>
        <translation>Planifier les armées...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Aperçu avant impression...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>Exporter en CSV...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>Importer un CSV...</translation>
    </message>
</context>
<context>
    <name>frmWorldPick</name>
    <message>
        <source>Please pick a ruleset</source>
        <translation>Veuillez choisir un jeu de règles</translation>
    </message>
    <message>
        <source>Double click on the rules you want to choose.</source>
        <translation>Double-cliquez sur les règles que vous voulez choisir.</translation>
    </message>
    <message>
        <source>Rulesets</source>
        <translation>Jeux de règles</translation>
    </message>
    <message>
        <source>Current folder</source>
        <translation>Dossier actuel</translation>
    </message>
    <message>
        <source>This folder is open in another Rostermere window too; each window saves what it counts.</source>
        <translation>Ce dossier est aussi ouvert dans une autre fenêtre de Rostermere&#xa0;; chaque fenêtre enregistre ce qu’elle compte.</translation>
    </message>
</context>
</TS>
