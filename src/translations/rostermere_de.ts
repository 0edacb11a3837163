<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ArmyFiles</name>
    <message numerus="yes">
        <source>%n counted unit(s) of it are not in this catalogue.</source>
        <translation>
            <numerusform>%n in der Armee gezählte Einheit fehlt in diesem Katalog.</numerusform>
            <numerusform>%n in der Armee gezählte Einheiten fehlen in diesem Katalog.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It counts %n row(s) past the end of this catalogue.</source>
        <translation>
            <numerusform>Die Armee enthält Anzahlen für %n Zeile hinter dem Ende dieses Katalogs.</numerusform>
            <numerusform>Die Armee enthält Anzahlen für %n Zeilen hinter dem Ende dieses Katalogs.</numerusform>
        </translation>
    </message>
    <message>
        <source>Its totals are out of their range.</source>
        <translation>Die Summen der Armee liegen außerhalb des zulässigen Bereichs.</translation>
    </message>
</context>
<context>
    <name>CountsCsv</name>
    <message>
        <source>The file holds no rows.</source>
        <translation>Die Datei enthält keine Zeilen.</translation>
    </message>
    <message>
        <source>The first row must name the columns: &quot;ID&quot; (or &quot;Name&quot; and &quot;Strength&quot;) and &quot;Count&quot; (or &quot;%1&quot;).</source>
        <translation>Die erste Zeile muss die Spalten benennen: „ID“ (oder „Name“ und „Strength“) und „Count“ (oder „%1“).</translation>
    </message>
    <message>
        <source>the count &quot;%1&quot; is not a whole number from 0 to 32767</source>
        <translation>die Anzahl „%1“ ist keine ganze Zahl von 0 bis 32767</translation>
    </message>
    <message>
        <source>this catalogue has no unit &quot;%1&quot;</source>
        <translation>dieser Katalog hat keine Einheit „%1“</translation>
    </message>
    <message>
        <source>the unit &quot;%1&quot; is listed on row %2 too</source>
        <translation>die Einheit „%1“ steht auch in Zeile %2</translation>
    </message>
    <message>
        <source>Row %1: %2.</source>
        <translation>Zeile %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the file can&apos;t be read, so nothing was imported:</source>
        <translation>
            <numerusform>%n Zeile der Datei kann nicht gelesen werden, daher wurde nichts importiert:</numerusform>
            <numerusform>%n Zeilen der Datei können nicht gelesen werden, daher wurde nichts importiert:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...und %n weitere.</numerusform>
            <numerusform>...und %n weitere.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>A quote that opens a field on row %1 is never closed.</source>
        <translation>Ein Anführungszeichen, das in Zeile %1 ein Feld öffnet, wird nie geschlossen.</translation>
    </message>
</context>
<context>
    <name>CsvCommands</name>
    <message>
        <source>Units</source>
        <translation>Einheiten</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote %1 to &quot;%2&quot;.</source>
        <translation>%1 in „%2“ geschrieben.</translation>
    </message>
    <message>
        <source>Import CSV into the army</source>
        <translation>CSV in die Armee importieren</translation>
    </message>
    <message>
        <source>Import CSV into the collection</source>
        <translation>CSV in die Sammlung importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt);;All files (*)</source>
        <translation>CSV-Dateien (*.csv *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Add the counts of &quot;%1&quot; to the army, or replace the army with them?</source>
        <translation>Die Anzahlen aus „%1“ zur Armee hinzufügen oder die Armee durch sie ersetzen?</translation>
    </message>
    <message>
        <source>Add the counts of &quot;%1&quot; to the collection, or replace the collection with them?</source>
        <translation>Die Anzahlen aus „%1“ zur Sammlung hinzufügen oder die Sammlung durch sie ersetzen?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Could not import &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht importiert werden: %2</translation>
    </message>
    <message>
        <source>Importing &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation>Beim Importieren von „%1“ läge %2 außerhalb des zulässigen Bereichs, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>importing &quot;%1&quot; into the army</source>
        <translation>„%1“ in die Armee importiert</translation>
    </message>
    <message>
        <source>importing &quot;%1&quot; into the collection</source>
        <translation>„%1“ in die Sammlung importiert</translation>
    </message>
    <message>
        <source>Imported %1 of %2 from &quot;%3&quot; into the army.</source>
        <translation>%1 von %2 aus „%3“ in die Armee importiert.</translation>
    </message>
    <message>
        <source>Imported %1 of %2 from &quot;%3&quot; into the collection.</source>
        <translation>%1 von %2 aus „%3“ in die Sammlung importiert.</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Find a Unit...</source>
        <translation>Einheit suchen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Unit commands</source>
        <translation>Einheitenbefehle</translation>
    </message>
    <message>
        <source>Undid: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Redid: %1.</source>
        <translation>Wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>Add One to the army</source>
        <translation>Eine zur Armee zählen</translation>
    </message>
    <message>
        <source>Add One to the collection</source>
        <translation>Eine zur Sammlung zählen</translation>
    </message>
    <message>
        <source>Take One from the army</source>
        <translation>Eine aus der Armee nehmen</translation>
    </message>
    <message>
        <source>Take One from the collection</source>
        <translation>Eine aus der Sammlung nehmen</translation>
    </message>
</context>
<context>
    <name>FieldReader</name>
    <message>
        <source>a quoted field starts here and runs on to line %1, so the lines between were read as part of it; a closing quote may be missing.</source>
        <translation>hier beginnt ein Feld in Anführungszeichen, das bis Zeile %1 reicht, daher wurden die Zeilen dazwischen als Teil davon gelesen; vielleicht fehlt ein schließendes Anführungszeichen.</translation>
    </message>
    <message>
        <source>a quoted field has no closing quote; it runs to the end of the file.</source>
        <translation>ein Feld in Anführungszeichen hat kein schließendes Anführungszeichen; es reicht bis zum Ende der Datei.</translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>The name holds the control character %1, which is not shown and may not stand in a file name. Type the name without it.</source>
        <translation>Der Name enthält das Steuerzeichen %1, das nicht angezeigt wird und in keinem Dateinamen stehen darf. Geben Sie den Namen ohne dieses Zeichen ein.</translation>
    </message>
    <message>
        <source>The name holds a folder part (&quot;/&quot; or &quot;\&quot;). Files are kept in the program&apos;s own folder, so type a plain name.</source>
        <translation>Der Name enthält einen Ordnerteil („/“ oder „\“). Dateien werden im eigenen Ordner des Programms abgelegt; geben Sie daher einen einfachen Namen ein.</translation>
    </message>
    <message>
        <source>Its name is too long for the file system, which takes at most %1 bytes.</source>
        <translation>Der Name ist zu lang für das Dateisystem, das höchstens %1 Bytes zulässt.</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find a unit by any part of its ID, name or faction</source>
        <translation>Einheit nach einem Teil von ID, Name oder Fraktion suchen</translation>
    </message>
    <message>
        <source>ID, name or faction</source>
        <translation>ID, Name oder Fraktion</translation>
    </message>
    <message>
        <source>Units found</source>
        <translation>Gefundene Einheiten</translation>
    </message>
    <message>
        <source>No unit matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Anzeigen:</translation>
    </message>
    <message>
        <source>Units shown</source>
        <translation>Angezeigte Einheiten</translation>
    </message>
    <message>
        <source>All units</source>
        <translation>Alle Einheiten</translation>
    </message>
    <message>
        <source>In the collection</source>
        <translation>In der Sammlung</translation>
    </message>
    <message>
        <source>In the army</source>
        <translation>In der Armee</translation>
    </message>
    <message>
        <source>Lacking for the army</source>
        <translation>Fehlt für die Armee</translation>
    </message>
    <message>
        <source>Not in the collection</source>
        <translation>Nicht in der Sammlung</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Lacking for the planned armies</source>
        <translation>Fehlt für die geplanten Armeen</translation>
    </message>
    <message>
        <source>Spare</source>
        <translation>Überzählig</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It could not be read: %1.</source>
        <translation>Die Datei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>It is not a plain file (it is a pipe, a device or a socket), so it was not read.</source>
        <translation>Das ist keine gewöhnliche Datei (sondern eine Pipe, ein Gerät oder ein Socket), daher wurde sie nicht gelesen.</translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes; at most %2 are read).</source>
        <translation>Die Datei ist zu groß (%1 Bytes; höchstens %2 werden gelesen).</translation>
    </message>
    <message>
        <source>The file is too large (more than %1 bytes).</source>
        <translation>Die Datei ist zu groß (mehr als %1 Bytes).</translation>
    </message>
</context>
<context>
    <name>InputText</name>
    <message>
        <source>the file is UTF-16 and holds bytes that UTF-16 can&apos;t read; they show as &quot;�&quot;.</source>
        <translation>die Datei ist in UTF-16 geschrieben und enthält Bytes, die UTF-16 nicht lesen kann; sie erscheinen als „�“.</translation>
    </message>
    <message>
        <source>the byte %1 is not UTF-8, in which the rest of the file is written; it shows as &quot;�&quot; (%2 such byte(s) in the file).</source>
        <translation>das Byte %1 ist kein UTF-8, in dem der Rest der Datei geschrieben ist; es erscheint als „�“ (Anzahl solcher Bytes in der Datei: %2).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written in UTF-8, but most of the file is not, so the file was read as Windows-1252 and this shows as &quot;%2&quot;.</source>
        <translation>„%1“ ist in UTF-8 geschrieben, der Großteil der Datei aber nicht, daher wurde die Datei als Windows-1252 gelesen und dies erscheint als „%2“.</translation>
    </message>
</context>
<context>
    <name>LoadCatalogue</name>
    <message>
        <source>the file ends inside a record (%1 of its %2 fields); the rest of the file was ignored.</source>
        <translation>die Datei endet mitten in einem Datensatz (%1 von %2 Feldern); der Rest der Datei wurde ignoriert.</translation>
    </message>
    <message>
        <source>the file holds more than %1 units; only the first %1 were loaded.</source>
        <translation>die Datei enthält mehr als %1 Einheiten; nur die ersten %1 wurden geladen.</translation>
    </message>
    <message>
        <source>the point value &quot;%1&quot; of &quot;%2&quot; %3; the totals count it as it reads.</source>
        <translation>der Punktwert „%1“ von „%2“ %3; er geht mit dem gelesenen Wert in die Summen ein.</translation>
    </message>
</context>
<context>
    <name>LoadPriceGuide</name>
    <message>
        <source>the entry &quot;%1&quot; has no price; it was ignored.</source>
        <translation>der Eintrag „%1“ hat keinen Preis; er wurde ignoriert.</translation>
    </message>
    <message>
        <source>the price &quot;%1&quot; of &quot;%2&quot; %3; the totals count it as it reads.</source>
        <translation>der Preis „%1“ von „%2“ %3; er geht mit dem gelesenen Wert in die Summen ein.</translation>
    </message>
</context>
<context>
    <name>LoadProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>is infinite</source>
        <translation>ist unendlich</translation>
    </message>
    <message>
        <source>is too large for the totals</source>
        <translation>ist zu groß für die Summen</translation>
    </message>
    <message>
        <source>is negative</source>
        <translation>ist negativ</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>The disk is full, or the file is too large for it.</source>
        <translation>Der Datenträger ist voll, oder die Datei ist zu groß für ihn.</translation>
    </message>
    <message>
        <source>Its name is too long for the file system.</source>
        <translation>Der Name ist zu lang für das Dateisystem.</translation>
    </message>
    <message>
        <source>The disk reported an error while it was being written (%1).</source>
        <translation>Der Datenträger hat beim Schreiben einen Fehler gemeldet (%1).</translation>
    </message>
    <message>
        <source>It is a link that leads round in a circle, so there is no file to write.</source>
        <translation>Das ist eine Verknüpfung, die im Kreis führt, daher gibt es keine Datei, die geschrieben werden könnte.</translation>
    </message>
    <message>
        <source>The folder or the file may not be written to (%1).</source>
        <translation>In den Ordner oder die Datei darf nicht geschrieben werden (%1).</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>Das ist ein Ordner, keine Datei.</translation>
    </message>
</context>
<context>
    <name>PageLinePrinter</name>
    <message>
        <source>The job could not start.</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The printer could not begin a new page.</source>
        <translation>Der Drucker konnte keine neue Seite beginnen.</translation>
    </message>
</context>
<context>
    <name>PlanArmiesWindow</name>
    <message>
        <source>Played &amp;together</source>
        <translation>&amp;Zusammen gespielt</translation>
    </message>
    <message>
        <source>&amp;One at a time</source>
        <translation>&amp;Einzeln</translation>
    </message>
    <message>
        <source>Write &amp;Shopping List...</source>
        <translation>Einkaufsliste &amp;schreiben...</translation>
    </message>
    <message>
        <source>Plan Armies</source>
        <translation>Armeen planen</translation>
    </message>
    <message>
        <source>Armies to plan</source>
        <translation>Zu planende Armeen</translation>
    </message>
    <message>
        <source>Army</source>
        <translation>Armee</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Figuren</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Money</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Lacking</source>
        <translation>Fehlend</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>(%1 without a price)</source>
        <translation>(%1 ohne Preis)</translation>
    </message>
    <message>
        <source>The army on screen</source>
        <translation>Die angezeigte Armee</translation>
    </message>
    <message>
        <source>%1 (on screen)</source>
        <translation>%1 (angezeigt)</translation>
    </message>
    <message>
        <source>By position: no record says which unit each row was.</source>
        <translation>Nach Position: Kein Einheitenverzeichnis gibt an, welche Einheit in jeder Zeile stand.</translation>
    </message>
    <message>
        <source>Tick the armies to plan against the collection.</source>
        <translation>Kreuzen Sie die Armeen an, die Sie mit der Sammlung planen möchten.</translation>
    </message>
    <message numerus="yes">
        <source>Played together, the %n ticked army(s) lack %1 of the collection.</source>
        <translation>
            <numerusform>Zusammen gespielt braucht die %n angekreuzte Armee %1 mehr, als die Sammlung enthält.</numerusform>
            <numerusform>Zusammen gespielt brauchen die %n angekreuzten Armeen %1 mehr, als die Sammlung enthält.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played one at a time, the %n ticked army(s) lack %1 of the collection.</source>
        <translation>
            <numerusform>Einzeln gespielt braucht die %n angekreuzte Armee %1 mehr, als die Sammlung enthält.</numerusform>
            <numerusform>Einzeln gespielt brauchen die %n angekreuzten Armeen %1 mehr, als die Sammlung enthält.</numerusform>
        </translation>
    </message>
    <message>
        <source>They cost about %1.</source>
        <translation>Die fehlenden Figuren kosten etwa %1.</translation>
    </message>
    <message>
        <source>The guide has no price for %1.</source>
        <translation>Die Preisliste nennt keinen Preis für %1.</translation>
    </message>
    <message>
        <source>Write Shopping List</source>
        <translation>Einkaufsliste schreiben</translation>
    </message>
    <message>
        <source>Shopping list</source>
        <translation>Einkaufsliste</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Could not write the shopping list &quot;%1&quot;: %2</source>
        <translation>Die Einkaufsliste „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote the shopping list &quot;%1&quot;: %2 lacking.</source>
        <translation>Einkaufsliste „%1“ geschrieben; fehlend: %2.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing the collection...</source>
        <translation>Sammlung wird gedruckt...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Sending the collection to the printer...</source>
        <translation>Sammlung wird an den Drucker gesendet...</translation>
    </message>
</context>
<context>
    <name>PrinterLinePrinter</name>
    <message>
        <source>The printer &quot;%1&quot; could not start the job.</source>
        <translation>Der Drucker „%1“ konnte den Auftrag nicht starten.</translation>
    </message>
    <message>
        <source>The document for &quot;%1&quot; could not be finished.</source>
        <translation>Das Dokument für „%1“ konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has stopped accepting jobs, so nothing was printed.</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge mehr an, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer there, so nothing was printed.</source>
        <translation>Der Drucker „%1“ ist nicht mehr vorhanden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation>Der Drucker „%1“ hat den Auftrag nicht angenommen: %2</translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Could not copy the sample file &quot;%1&quot; into &quot;%2&quot;: %3</source>
        <translation>Die Beispieldatei „%1“ konnte nicht nach „%2“ kopiert werden: %3</translation>
    </message>
    <message>
        <source>Could not make the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Could not start &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gestartet werden: %2</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The copy is empty.</source>
        <translation>Die Kopie ist leer.</translation>
    </message>
    <message>
        <source>It is not a recovery copy of this program.</source>
        <translation>Das ist keine Wiederherstellungskopie dieses Programms.</translation>
    </message>
    <message>
        <source>It was written by a newer version of the program (format %1).</source>
        <translation>Die Kopie wurde von einer neueren Version des Programms geschrieben (Format %1).</translation>
    </message>
    <message>
        <source>The copy is damaged: it was cut short or changed.</source>
        <translation>Die Kopie ist beschädigt, weil sie gekürzt oder verändert wurde.</translation>
    </message>
    <message>
        <source>The copy is damaged: what it holds does not fit together.</source>
        <translation>Die Kopie ist beschädigt, weil ihr Inhalt nicht zusammenpasst.</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>today %1</source>
        <translation>heute um %1</translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation>gestern um %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>It holds counts for %1 rows, and the catalogue has %2 units.</source>
        <translation>Die Kopie enthält Anzahlen für %1 Zeilen, der Katalog hat aber %2 Einheiten.</translation>
    </message>
    <message>
        <source>Its counts would take %1 out of its range.</source>
        <translation>Mit den Anzahlen der Kopie läge %1 außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Counts that an earlier session of Rostermere did not save are waiting in a recovery copy, but it cannot be opened. %1</source>
        <translation>Anzahlen, die eine frühere Sitzung von Rostermere nicht gespeichert hat, warten in einer Wiederherstellungskopie, aber diese kann nicht geöffnet werden. %1</translation>
    </message>
    <message>
        <source>The counts kept when Rostermere last ended could not be read back, so nothing was restored. %1 The copy was moved aside to &quot;%2&quot;.</source>
        <translation>Die beim letzten Beenden von Rostermere aufbewahrten Anzahlen konnten nicht zurückgelesen werden, daher wurde nichts wiederhergestellt. %1 Die Kopie wurde nach „%2“ beiseitegelegt.</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not saved when Rostermere last ended (%2), but the counts belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</source>
        <translation>
            <numerusform>%1 wurde beim letzten Beenden von Rostermere (%2) nicht gespeichert, aber die Anzahlen gehören zu einem anderen Katalog als dem jetzt in „rfarm.txt“, daher wurden sie nicht zurückgeholt.</numerusform>
            <numerusform>%1 wurden beim letzten Beenden von Rostermere (%2) nicht gespeichert, aber die Anzahlen gehören zu einem anderen Katalog als dem jetzt in „rfarm.txt“, daher wurden sie nicht zurückgeholt.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 sessions of Rostermere ended with counts not saved that belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</source>
        <translation>%1 Sitzungen von Rostermere endeten mit nicht gespeicherten Anzahlen, die zu einem anderen Katalog gehören als dem jetzt in „rfarm.txt“, daher wurden sie nicht zurückgeholt.</translation>
    </message>
    <message>
        <source>Keep them to be offered again when Rostermere starts here with that catalogue, or discard them?</source>
        <translation>Möchten Sie sie behalten, damit sie wieder angeboten werden, wenn Rostermere hier mit jenem Katalog startet, oder sie verwerfen?</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message numerus="yes">
        <source>%1 was not saved when Rostermere last ended (%2). Restore it?</source>
        <translation>
            <numerusform>%1 wurde beim letzten Beenden von Rostermere (%2) nicht gespeichert. Wiederherstellen?</numerusform>
            <numerusform>%1 wurden beim letzten Beenden von Rostermere (%2) nicht gespeichert. Wiederherstellen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more unsaved session(s) waiting; the next start offers the newest.</source>
        <translation>
            <numerusform>%n weitere nicht gespeicherte Sitzung wartet; sie wird beim nächsten Start angeboten.</numerusform>
            <numerusform>%n weitere nicht gespeicherte Sitzungen warten; der nächste Start bietet die neueste an.</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>restoring %1</source>
        <translation>%1 wiederhergestellt</translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation>Wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>The catalogue has changed since; the counts were put on their units.</source>
        <translation>Der Katalog hat sich seitdem geändert; die Anzahlen wurden ihren Einheiten zugeordnet.</translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Im Katalog fehlt %n in der Armee gezählte Einheit: %1. Ihre Anzahl wird mit der Armee aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehrt zu ihrer Einheit zurück, sobald der Katalog sie wieder enthält.</numerusform>
            <numerusform>Im Katalog fehlen %n in der Armee gezählte Einheiten: %1. Ihre Anzahlen werden mit der Armee aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehren zu ihren Einheiten zurück, sobald der Katalog sie wieder enthält.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Im Katalog fehlt %n in der Sammlung gezählte Einheit: %1. Ihre Anzahl wird mit der Sammlung aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehrt zu ihrer Einheit zurück, sobald der Katalog sie wieder enthält.</numerusform>
            <numerusform>Im Katalog fehlen %n in der Sammlung gezählte Einheiten: %1. Ihre Anzahlen werden mit der Sammlung aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehren zu ihren Einheiten zurück, sobald der Katalog sie wieder enthält.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReportCommands</name>
    <message>
        <source>The collection was not printed: %1</source>
        <translation>Die Sammlung wurde nicht gedruckt: %1</translation>
    </message>
    <message>
        <source>The collection had already gone to the printer when Cancel was chosen, so it is printed.</source>
        <translation>Die Sammlung war schon an den Drucker gegangen, als „Abbrechen“ gewählt wurde, daher wird sie gedruckt.</translation>
    </message>
    <message>
        <source>Could not write the report &quot;%1&quot;: %2</source>
        <translation>Der Bericht „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Wrote the army to &quot;%1&quot;: %2.</source>
        <translation>Armee in „%1“ geschrieben: %2.</translation>
    </message>
    <message>
        <source>Wrote the collection to &quot;%1&quot;: %2.</source>
        <translation>Sammlung in „%1“ geschrieben: %2.</translation>
    </message>
    <message>
        <source>The collection is still being printed, so it was not printed again. Print it again once that printout is done.</source>
        <translation>Die Sammlung wird noch gedruckt, daher wurde sie nicht erneut gedruckt. Drucken Sie sie erneut, sobald dieser Ausdruck fertig ist.</translation>
    </message>
    <message>
        <source>There is no default printer, so the collection was not printed.</source>
        <translation>Es gibt keinen Standarddrucker, daher wurde die Sammlung nicht gedruckt.</translation>
    </message>
    <message>
        <source>Sent the collection to the printer &quot;%1&quot;: %2.</source>
        <translation>Sammlung an den Drucker „%1“ gesendet: %2.</translation>
    </message>
    <message>
        <source>%1 Collection</source>
        <translation>Sammlung %1</translation>
    </message>
    <message>
        <source>Print Preview: %1 Collection</source>
        <translation>Druckvorschau: Sammlung %1</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>The document could not be made.</source>
        <translation>Das Dokument konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Could not write the PDF &quot;%1&quot;: %2</source>
        <translation>Die PDF-Datei „%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>RulesetFiles</name>
    <message>
        <source>It is the catalogue &quot;%1&quot; that the units are read from, so nothing was written. Choose another name.</source>
        <translation>Das ist der Katalog „%1“, aus dem die Einheiten gelesen werden, daher wurde nichts geschrieben. Wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>It is the price guide &quot;%1&quot; that the prices are read from, so nothing was written. Choose another name.</source>
        <translation>Das ist die Preisliste „%1“, aus der die Preise gelesen werden, daher wurde nichts geschrieben. Wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>RulesetReload</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the army&apos;s number of figures</source>
        <translation>die Figurenanzahl der Armee</translation>
    </message>
    <message>
        <source>the collection&apos;s number of figures</source>
        <translation>die Figurenanzahl der Sammlung</translation>
    </message>
    <message>
        <source>the army&apos;s total point value</source>
        <translation>der Gesamtpunktwert der Armee</translation>
    </message>
    <message>
        <source>the collection&apos;s total point value</source>
        <translation>der Gesamtpunktwert der Sammlung</translation>
    </message>
    <message>
        <source>the army&apos;s approximate value</source>
        <translation>der ungefähre Wert der Armee</translation>
    </message>
    <message>
        <source>the collection&apos;s approximate value</source>
        <translation>der ungefähre Wert der Sammlung</translation>
    </message>
    <message>
        <source>an unnamed army</source>
        <translation>eine unbenannte Armee</translation>
    </message>
    <message>
        <source>an unnamed collection</source>
        <translation>eine unbenannte Sammlung</translation>
    </message>
    <message>
        <source>the army &quot;%1&quot;</source>
        <translation>die Armee „%1“</translation>
    </message>
    <message>
        <source>the collection &quot;%1&quot;</source>
        <translation>die Sammlung „%1“</translation>
    </message>
    <message>
        <source>Nothing was reloaded: the units, prices and counts already shown are kept.</source>
        <translation>Nichts wurde neu geladen: Die bereits angezeigten Einheiten, Preise und Anzahlen bleiben erhalten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no units.</source>
        <translation>„%1“ enthält keine Einheiten.</translation>
    </message>
    <message>
        <source>The units already shown are kept.</source>
        <translation>Die bereits angezeigten Einheiten bleiben erhalten.</translation>
    </message>
    <message>
        <source>The units are shown without prices.</source>
        <translation>Die Einheiten werden ohne Preise angezeigt.</translation>
    </message>
    <message>
        <source>With the new catalogue %1 would be out of its range, so the catalogue was not reloaded.</source>
        <translation>Mit dem neuen Katalog läge %1 außerhalb des zulässigen Bereichs, daher wurde der Katalog nicht neu geladen.</translation>
    </message>
    <message numerus="yes">
        <source>The army&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation>
            <numerusform>Die Anzahl der Armee für %n Einheit ist mit ihrer Einheit in deren Zeile im neuen Katalog gewandert.</numerusform>
            <numerusform>Die Anzahlen der Armee für %n Einheiten sind mit ihren Einheiten in deren Zeilen im neuen Katalog gewandert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation>
            <numerusform>Die Anzahl der Sammlung für %n Einheit ist mit ihrer Einheit in deren Zeile im neuen Katalog gewandert.</numerusform>
            <numerusform>Die Anzahlen der Sammlung für %n Einheiten sind mit ihren Einheiten in deren Zeilen im neuen Katalog gewandert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Im neuen Katalog fehlt %n in der Armee gezählte Einheit: %1. Ihre Anzahl wird mit der Armee aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehrt zu ihrer Einheit zurück, sobald der Katalog sie wieder enthält.</numerusform>
            <numerusform>Im neuen Katalog fehlen %n in der Armee gezählte Einheiten: %1. Ihre Anzahlen werden mit der Armee aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehren zu ihren Einheiten zurück, sobald der Katalog sie wieder enthält.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Im neuen Katalog fehlt %n in der Sammlung gezählte Einheit: %1. Ihre Anzahl wird mit der Sammlung aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehrt zu ihrer Einheit zurück, sobald der Katalog sie wieder enthält.</numerusform>
            <numerusform>Im neuen Katalog fehlen %n in der Sammlung gezählte Einheiten: %1. Ihre Anzahlen werden mit der Sammlung aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehren zu ihren Einheiten zurück, sobald der Katalog sie wieder enthält.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedMarks</name>
    <message>
        <source>Whether the army is saved</source>
        <translation>Ob die Armee gespeichert ist</translation>
    </message>
    <message>
        <source>Whether the collection is saved</source>
        <translation>Ob die Sammlung gespeichert ist</translation>
    </message>
    <message>
        <source>The army keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation>Die Armee bewahrt die Anzahlen von Einheiten auf, die im Katalog fehlen (in keiner Summe): %1.</translation>
    </message>
    <message>
        <source>The collection keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation>Die Sammlung bewahrt die Anzahlen von Einheiten auf, die im Katalog fehlen (in keiner Summe): %1.</translation>
    </message>
    <message>
        <source>The army is saved in &quot;%1&quot;.</source>
        <translation>Die Armee ist in „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The collection is saved in &quot;%1&quot;.</source>
        <translation>Die Sammlung ist in „%1“ gespeichert.</translation>
    </message>
    <message>
        <source>The army has no changes to save.</source>
        <translation>Die Armee hat keine Änderungen zu speichern.</translation>
    </message>
    <message>
        <source>The collection has no changes to save.</source>
        <translation>Die Sammlung hat keine Änderungen zu speichern.</translation>
    </message>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation>
            <numerusform>Die Armee ist nicht gespeichert: %n Einheit anders gezählt als in „%1“.</numerusform>
            <numerusform>Die Armee ist nicht gespeichert: %n Einheiten anders gezählt als in „%1“.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation>
            <numerusform>Die Sammlung ist nicht gespeichert: %n Einheit anders gezählt als in „%1“.</numerusform>
            <numerusform>Die Sammlung ist nicht gespeichert: %n Einheiten anders gezählt als in „%1“.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted.</source>
        <translation>
            <numerusform>Die Armee ist nicht gespeichert: %n Einheit gezählt.</numerusform>
            <numerusform>Die Armee ist nicht gespeichert: %n Einheiten gezählt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted.</source>
        <translation>
            <numerusform>Die Sammlung ist nicht gespeichert: %n Einheit gezählt.</numerusform>
            <numerusform>Die Sammlung ist nicht gespeichert: %n Einheiten gezählt.</numerusform>
        </translation>
    </message>
    <message>
        <source>A recovery copy keeps the changes until you save them, and offers them back if Rostermere ends first.</source>
        <translation>Eine Wiederherstellungskopie bewahrt die Änderungen auf, bis Sie sie speichern, und bietet sie wieder an, falls Rostermere vorher beendet wird.</translation>
    </message>
    <message>
        <source>They could not be kept in a recovery copy (%1), so save them before Rostermere ends.</source>
        <translation>Die Änderungen konnten nicht in einer Wiederherstellungskopie aufbewahrt werden (%1); speichern Sie sie daher, bevor Rostermere beendet wird.</translation>
    </message>
    <message>
        <source>It keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation>Aufbewahrt werden auch die Anzahlen von Einheiten, die im Katalog fehlen (in keiner Summe): %1.</translation>
    </message>
</context>
<context>
    <name>SessionKeeper</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to, so the copy in it cannot be opened safely.</source>
        <translation>In den Ordner „%1“ kann nicht geschrieben werden, daher kann die Kopie darin nicht sicher geöffnet werden.</translation>
    </message>
    <message>
        <source>It was kept for another folder (&quot;%1&quot;).</source>
        <translation>Die Kopie wurde für einen anderen Ordner angelegt („%1“).</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>„%1“: %2</translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; could not be removed. Both tallies are saved, so no counts are lost; the next start may offer it.</source>
        <translation>Die Wiederherstellungskopie „%1“ konnte nicht entfernt werden. Beide Listen sind gespeichert, daher gehen keine Anzahlen verloren; beim nächsten Start wird sie eventuell angeboten.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be locked for this window.</source>
        <translation>„%1“ konnte für dieses Fenster nicht gesperrt werden.</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>Fraktion</translation>
    </message>
    <message>
        <source>Lacking</source>
        <translation>Fehlend</translation>
    </message>
    <message>
        <source>Price each</source>
        <translation>Stückpreis</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>%1 without a price</source>
        <translation>%1 ohne Preis</translation>
    </message>
</context>
<context>
    <name>ShowChoice</name>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Showing %1 of %2.</source>
        <translation>Angezeigt: %1 von %2.</translation>
    </message>
    <message>
        <source>%1; %2 lacking</source>
        <translation>%1; fehlend: %2</translation>
    </message>
    <message>
        <source>Showing %1 of %2. Lacking 1 figure</source>
        <translation>Angezeigt: %1 von %2. Es fehlt 1 Figur</translation>
    </message>
    <message>
        <source>Showing %1 of %2. Lacking %3 figures</source>
        <translation>Angezeigt: %1 von %2. Es fehlen %3 Figuren</translation>
    </message>
    <message>
        <source>, %1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>, about %1</source>
        <translation>, etwa %1</translation>
    </message>
    <message>
        <source> (%1 unpriced)</source>
        <translation> (%1 ohne Preis)</translation>
    </message>
    <message>
        <source> (%1 without a price)</source>
        <translation> (%1 ohne Preis)</translation>
    </message>
    <message>
        <source>%1; %2 spare</source>
        <translation>%1; überzählig: %2</translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2. The collection holds %3 figure(s) beyond what the planned armies need.</source>
        <translation>
            <numerusform>Angezeigt: %1 von %2. Die Sammlung enthält %3 Figur mehr, als die geplanten Armeen brauchen.</numerusform>
            <numerusform>Angezeigt: %1 von %2. Die Sammlung enthält %3 Figuren mehr, als die geplanten Armeen brauchen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2. The planned armies lack %3 figure(s)</source>
        <translation>
            <numerusform>Angezeigt: %1 von %2. Den geplanten Armeen fehlt %3 Figur</numerusform>
            <numerusform>Angezeigt: %1 von %2. Den geplanten Armeen fehlen %3 Figuren</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShownUnits</name>
    <message>
        <source>%1 spare beyond what the planned armies need</source>
        <translation>Überzählig über den Bedarf der geplanten Armeen hinaus: %1</translation>
    </message>
    <message>
        <source>%1 lacking for the planned armies</source>
        <translation>Fehlend für die geplanten Armeen: %1</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>What the last command did</source>
        <translation>Was der letzte Befehl bewirkt hat</translation>
    </message>
    <message numerus="yes">
        <source>%n figure(s)</source>
        <translation>
            <numerusform>%n Figur</numerusform>
            <numerusform>%n Figuren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n Einheit</numerusform>
            <numerusform>%n Einheiten</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 figures</source>
        <translation>%1 Figuren</translation>
    </message>
</context>
<context>
    <name>TallyDocument</name>
    <message>
        <source>one %1 counted into the army</source>
        <translation>eine Figur „%1“ zur Armee gezählt</translation>
    </message>
    <message>
        <source>one %1 counted into the collection</source>
        <translation>eine Figur „%1“ zur Sammlung gezählt</translation>
    </message>
    <message>
        <source>one %1 taken from the army</source>
        <translation>eine Figur „%1“ aus der Armee genommen</translation>
    </message>
    <message>
        <source>one %1 taken from the collection</source>
        <translation>eine Figur „%1“ aus der Sammlung genommen</translation>
    </message>
</context>
<context>
    <name>TallyFile</name>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds bytes that no tally file has.</source>
        <translation>Das ist keine von Rostermere geschriebene Listendatei, oder sie ist beschädigt; ihre Zeile %1 enthält Bytes, die in keiner Listendatei vorkommen.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds a negative count.</source>
        <translation>Das ist keine von Rostermere geschriebene Listendatei, oder sie ist beschädigt; ihre Zeile %1 enthält eine negative Anzahl.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds text that is not a count.</source>
        <translation>Das ist keine von Rostermere geschriebene Listendatei, oder sie ist beschädigt; ihre Zeile %1 enthält Text, der keine Anzahl ist.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds 0 bytes.</source>
        <translation>Das ist keine von Rostermere geschriebene Listendatei, oder sie ist beschädigt; sie enthält 0 Bytes.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds 1 byte.</source>
        <translation>Das ist keine von Rostermere geschriebene Listendatei, oder sie ist beschädigt; sie enthält 1 Byte.</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds %1 bytes, and its number of rows is negative (%2).</source>
        <translation>Das ist keine von Rostermere geschriebene Listendatei, oder sie ist beschädigt; sie enthält %1 Bytes, und ihre Zeilenzahl ist negativ (%2).</translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds %1 bytes, and the %2 rows it names need %3.</source>
        <translation>Das ist keine von Rostermere geschriebene Listendatei, oder sie ist beschädigt; sie enthält %1 Bytes, aber die %2 Zeilen, die sie angibt, brauchen %3.</translation>
    </message>
</context>
<context>
    <name>TallyFileCommands</name>
    <message>
        <source>Could not save the army to &quot;%1&quot;: %2</source>
        <translation>Die Armee konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not save the collection to &quot;%1&quot;: %2</source>
        <translation>Die Sammlung konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Saved %1 to &quot;%2&quot;: %3, %4.</source>
        <translation>In „%2“ gespeichert: %1 (%3, %4).</translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n Punkt</numerusform>
            <numerusform>%n Punkte</numerusform>
        </translation>
    </message>
    <message>
        <source>The army was saved to &quot;%1&quot;, but the record of its units beside it could not be written, so a later catalogue can match its counts only by position. %2</source>
        <translation>Die Armee wurde in „%1“ gespeichert, aber das Einheitenverzeichnis daneben konnte nicht geschrieben werden, daher kann ein späterer Katalog ihre Anzahlen nur nach Position zuordnen. %2</translation>
    </message>
    <message>
        <source>The collection was saved to &quot;%1&quot;, but the record of its units beside it could not be written, so a later catalogue can match its counts only by position. %2</source>
        <translation>Die Sammlung wurde in „%1“ gespeichert, aber das Einheitenverzeichnis daneben konnte nicht geschrieben werden, daher kann ein späterer Katalog ihre Anzahlen nur nach Position zuordnen. %2</translation>
    </message>
    <message>
        <source>Could not load the army from &quot;%1&quot;: %2</source>
        <translation>Die Armee konnte nicht aus „%1“ geladen werden: %2</translation>
    </message>
    <message>
        <source>Could not load the collection from &quot;%1&quot;: %2</source>
        <translation>Die Sammlung konnte nicht aus „%1“ geladen werden: %2</translation>
    </message>
    <message>
        <source>Loading &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation>Beim Laden von „%1“ läge %2 außerhalb des zulässigen Bereichs, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>loading &quot;%1&quot; into the army</source>
        <translation>„%1“ in die Armee geladen</translation>
    </message>
    <message>
        <source>loading &quot;%1&quot; into the collection</source>
        <translation>„%1“ in die Sammlung geladen</translation>
    </message>
    <message>
        <source>Loaded &quot;%1&quot; into the army: %2.</source>
        <translation>„%1“ in die Armee geladen: %2.</translation>
    </message>
    <message>
        <source>Loaded &quot;%1&quot; into the collection: %2.</source>
        <translation>„%1“ in die Sammlung geladen: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for, so they were not loaded.</source>
        <translation>„%1“ enthält Anzahlen für %2 Zeile(n) mit %3 Figur(en), für die dieser Katalog mit %4 Einheiten keine Einheiten hat, daher wurden sie nicht geladen.</translation>
    </message>
    <message>
        <source>Could not add the army &quot;%1&quot; to the collection: %2</source>
        <translation>Die Armee „%1“ konnte nicht zur Sammlung hinzugefügt werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved as a collection (%2). Add it to the collection as an army?</source>
        <translation>„%1“ wurde als Sammlung gespeichert (%2). Als Armee zur Sammlung hinzufügen?</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Adding &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation>Beim Hinzufügen von „%1“ läge %2 außerhalb des zulässigen Bereichs, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>adding &quot;%1&quot; to the collection</source>
        <translation>„%1“ zur Sammlung hinzugefügt</translation>
    </message>
    <message>
        <source>Added &quot;%1&quot; to the collection: %2.</source>
        <translation>„%1“ zur Sammlung hinzugefügt: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for, so they were not added.</source>
        <translation>„%1“ enthält Anzahlen für %2 Zeile(n) mit %3 Figur(en), für die dieser Katalog mit %4 Einheiten keine Einheiten hat, daher wurden sie nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>The record of units beside &quot;%1&quot; could not be read, so its counts are matched by position. %2</source>
        <translation>Das Einheitenverzeichnis zu „%1“ konnte nicht gelesen werden, daher werden die Anzahlen nach Position zugeordnet. %2</translation>
    </message>
    <message>
        <source>%1 matched by their ID</source>
        <translation>%1 anhand ihrer ID zugeordnet</translation>
    </message>
    <message>
        <source>%1 matched by their ID and %2 by name and strength</source>
        <translation>%1 anhand ihrer ID und %2 anhand von Name und Stärke zugeordnet</translation>
    </message>
    <message>
        <source>The catalogue has changed since it was saved; %1.</source>
        <translation>Der Katalog hat sich seit dem Speichern geändert; %1.</translation>
    </message>
    <message>
        <source>It has no record of its units, so its %1 rows were matched by position to the catalogue&apos;s %2 units.</source>
        <translation>Zur Datei gibt es kein Einheitenverzeichnis, daher wurden ihre %1 Zeilen nach Position den %2 Einheiten des Katalogs zugeordnet.</translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the army (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Im Katalog fehlt %n in „%1“ gezählte Einheit: %2. Ihre Anzahl wird mit der Armee aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehrt zu ihrer Einheit zurück, sobald der Katalog sie wieder enthält.</numerusform>
            <numerusform>Im Katalog fehlen %n in „%1“ gezählte Einheiten: %2. Ihre Anzahlen werden mit der Armee aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehren zu ihren Einheiten zurück, sobald der Katalog sie wieder enthält.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the collection (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>Im Katalog fehlt %n in „%1“ gezählte Einheit: %2. Ihre Anzahl wird mit der Sammlung aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehrt zu ihrer Einheit zurück, sobald der Katalog sie wieder enthält.</numerusform>
            <numerusform>Im Katalog fehlen %n in „%1“ gezählte Einheiten: %2. Ihre Anzahlen werden mit der Sammlung aufbewahrt (in keiner Summe) und mit ihr gespeichert und kehren zu ihren Einheiten zurück, sobald der Katalog sie wieder enthält.</numerusform>
        </translation>
    </message>
    <message>
        <source>The file there could not be checked before it is replaced, so nothing was written. %1</source>
        <translation>Die vorhandene Datei konnte vor dem Ersetzen nicht geprüft werden, daher wurde nichts geschrieben. %1</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 (%3). Replace it with the army (%4)?</source>
        <translation>„%1“ enthält %2 (%3). Durch die Armee (%4) ersetzen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 (%3). Replace it with the collection (%4)?</source>
        <translation>„%1“ enthält %2 (%3). Durch die Sammlung (%4) ersetzen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for. Saving the army replaces the file and drops those counts.</source>
        <translation>„%1“ enthält Anzahlen für %2 Zeile(n) mit %3 Figur(en), für die dieser Katalog mit %4 Einheiten keine Einheiten hat. Das Speichern der Armee ersetzt die Datei und verwirft diese Anzahlen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for. Saving the collection replaces the file and drops those counts.</source>
        <translation>„%1“ enthält Anzahlen für %2 Zeile(n) mit %3 Figur(en), für die dieser Katalog mit %4 Einheiten keine Einheiten hat. Das Speichern der Sammlung ersetzt die Datei und verwirft diese Anzahlen.</translation>
    </message>
</context>
<context>
    <name>TallyPicker</name>
    <message>
        <source>Saved tally files</source>
        <translation>Gespeicherte Listendateien</translation>
    </message>
    <message>
        <source>Oops, don&apos;t load</source>
        <translation>Hoppla, nicht laden</translation>
    </message>
</context>
<context>
    <name>UnitRecord</name>
    <message>
        <source>Its line %1 is not what Rostermere writes.</source>
        <translation>Die Zeile %1 entspricht nicht dem, was Rostermere schreibt.</translation>
    </message>
    <message>
        <source>It is not a unit record of this program.</source>
        <translation>Das ist kein Einheitenverzeichnis dieses Programms.</translation>
    </message>
</context>
<context>
    <name>frmLoadArmy</name>
    <message>
        <source>No saved armies in this folder</source>
        <translation>Keine gespeicherten Armeen in diesem Ordner</translation>
    </message>
</context>
<context>
    <name>frmLoadCollection</name>
    <message>
        <source>No saved collections in this folder</source>
        <translation>Keine gespeicherten Sammlungen in diesem Ordner</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The reports end with a summary of the collection&apos;s totals.</source>
        <translation>Die Berichte enden mit einer Zusammenfassung der Summen der Sammlung.</translation>
    </message>
    <message>
        <source>The reports end without a summary.</source>
        <translation>Die Berichte enden ohne Zusammenfassung.</translation>
    </message>
    <message>
        <source>The counts not yet saved could not be kept in a recovery copy, so they are lost if Rostermere ends before you save them. %1</source>
        <translation>Die noch nicht gespeicherten Anzahlen konnten nicht in einer Wiederherstellungskopie aufbewahrt werden; sie gehen verloren, wenn Rostermere beendet wird, bevor Sie sie speichern. %1</translation>
    </message>
    <message>
        <source>Read %1 from &quot;%2&quot;.</source>
        <translation>%1 aus „%2“ gelesen.</translation>
    </message>
    <message>
        <source>%1 undoes the last change to a tally, %2 redoes it.</source>
        <translation>%1 macht die letzte Änderung an einer Liste rückgängig, %2 stellt sie wieder her.</translation>
    </message>
    <message>
        <source>Double-clicks count into this column; double-click or Enter here takes a figure away.</source>
        <translation>Doppelklicks zählen in diese Spalte; ein Doppelklick oder die Eingabetaste hier nimmt eine Figur weg.</translation>
    </message>
    <message>
        <source>Double-click or Enter here takes a figure away from the army.</source>
        <translation>Ein Doppelklick oder die Eingabetaste hier nimmt eine Figur aus der Armee weg.</translation>
    </message>
    <message>
        <source>Double-click or Enter here takes a figure away from the collection.</source>
        <translation>Ein Doppelklick oder die Eingabetaste hier nimmt eine Figur aus der Sammlung weg.</translation>
    </message>
    <message>
        <source>Collection Name  --&gt;</source>
        <translation>Sammlungsname  --&gt;</translation>
    </message>
    <message>
        <source>Army Name ---&gt;</source>
        <translation>Armeename ---&gt;</translation>
    </message>
    <message>
        <source>Collection name</source>
        <translation>Name der Sammlung</translation>
    </message>
    <message>
        <source>Army name</source>
        <translation>Name der Armee</translation>
    </message>
    <message>
        <source>Unit ID Number</source>
        <translation>Einheit ID-Nr.</translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation>Einheitenname</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Stärke</translation>
    </message>
    <message>
        <source>Faction</source>
        <translation>Fraktion</translation>
    </message>
    <message>
        <source>Rarity</source>
        <translation>Selt.</translation>
    </message>
    <message>
        <source>Point Value</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source># in Collection</source>
        <translation># Samml.</translation>
    </message>
    <message>
        <source># in Current Army</source>
        <translation># Armee</translation>
    </message>
    <message>
        <source>Unit ID number</source>
        <translation>ID-Nummer der Einheit</translation>
    </message>
    <message>
        <source>Unit name</source>
        <translation>Name der Einheit</translation>
    </message>
    <message>
        <source>Point value</source>
        <translation>Punktwert</translation>
    </message>
    <message>
        <source>Number of figures of each unit in the collection</source>
        <translation>Anzahl der Figuren jeder Einheit in der Sammlung</translation>
    </message>
    <message>
        <source>Number of figures of each unit in the army</source>
        <translation>Anzahl der Figuren jeder Einheit in der Armee</translation>
    </message>
    <message>
        <source>Add/Subtract To/From</source>
        <translation>Addieren/Abziehen in</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Sammlung</translation>
    </message>
    <message>
        <source>Army</source>
        <translation>Armee</translation>
    </message>
    <message>
        <source>Count into the collection</source>
        <translation>In die Sammlung zählen</translation>
    </message>
    <message>
        <source>Count into the army</source>
        <translation>In die Armee zählen</translation>
    </message>
    <message>
        <source>Collection Stats</source>
        <translation>Sammlungsstatistik</translation>
    </message>
    <message>
        <source>Total Point Value</source>
        <translation>Gesamtpunktwert</translation>
    </message>
    <message>
        <source>Total point value of the collection</source>
        <translation>Gesamtpunktwert der Sammlung</translation>
    </message>
    <message>
        <source>Number of Figures</source>
        <translation>Anzahl Figuren</translation>
    </message>
    <message>
        <source>Number of figures in the collection</source>
        <translation>Anzahl der Figuren in der Sammlung</translation>
    </message>
    <message>
        <source>Aproximate Value ($)</source>
        <translation>Ungefährer Wert ($)</translation>
    </message>
    <message>
        <source>Tae this with a large grain of salt. The data for any figures (the commons) is very sparse.</source>
        <translation>Dieser Wert ist mit großer Vorsicht zu genießen. Für viele Figuren (die häufigen) gibt es nur sehr wenige Daten.</translation>
    </message>
    <message>
        <source>Approximate value of the collection in dollars</source>
        <translation>Ungefährer Wert der Sammlung in Dollar</translation>
    </message>
    <message>
        <source>Army Stats</source>
        <translation>Armeestatistik</translation>
    </message>
    <message>
        <source>Point value of the army</source>
        <translation>Punktwert der Armee</translation>
    </message>
    <message>
        <source>Number of figures in the army</source>
        <translation>Anzahl der Figuren in der Armee</translation>
    </message>
    <message>
        <source>Approximate value of the army in dollars</source>
        <translation>Ungefährer Wert der Armee in Dollar</translation>
    </message>
    <message>
        <source>Priceguide Info</source>
        <translation>Preislisten-Info</translation>
    </message>
    <message>
        <source>Name in Guide</source>
        <translation>Name (Liste)</translation>
    </message>
    <message>
        <source>Name of the selected unit in the price guide</source>
        <translation>Name der ausgewählten Einheit in der Preisliste</translation>
    </message>
    <message>
        <source>Priceguide Value ($)</source>
        <translation>Listenpreis ($)</translation>
    </message>
    <message>
        <source>Price guide value of the selected unit in dollars</source>
        <translation>Preis der ausgewählten Einheit laut Preisliste in Dollar</translation>
    </message>
    <message>
        <source>Load Collection</source>
        <translation>Sammlung laden</translation>
    </message>
    <message>
        <source>Save Collection</source>
        <translation>Sammlung speichern</translation>
    </message>
    <message>
        <source>Print Collection</source>
        <translation>Sammlung drucken</translation>
    </message>
    <message>
        <source>Print Collection To File</source>
        <translation>Sammlung in Datei drucken</translation>
    </message>
    <message>
        <source>Print Collection to HTML</source>
        <translation>Sammlung als HTML drucken</translation>
    </message>
    <message>
        <source>Print Collection To Printer</source>
        <translation>Sammlung an Drucker senden</translation>
    </message>
    <message>
        <source>Army and summary commands</source>
        <translation>Armee- und Zusammenfassungsbefehle</translation>
    </message>
    <message>
        <source>Add Army To Collection</source>
        <translation>Armee zur Sammlung addieren</translation>
    </message>
    <message>
        <source>Include Summary in Printout</source>
        <translation>Zusammenfassung mitdrucken</translation>
    </message>
    <message>
        <source>Load Army</source>
        <translation>Armee laden</translation>
    </message>
    <message>
        <source>Save Army</source>
        <translation>Armee speichern</translation>
    </message>
    <message>
        <source>Print Army To File</source>
        <translation>Armee in Datei drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>%1 (%2 now).</source>
        <translation>%1 (jetzt %2).</translation>
    </message>
    <message>
        <source>There is no %1 in the army to take away.</source>
        <translation>In der Armee gibt es keine Figur „%1“, die weggenommen werden könnte.</translation>
    </message>
    <message>
        <source>There is no %1 in the collection to take away.</source>
        <translation>In der Sammlung gibt es keine Figur „%1“, die weggenommen werden könnte.</translation>
    </message>
    <message>
        <source>This figure would take %1 out of its range, so nothing was changed.</source>
        <translation>Durch diese Figur läge %1 außerhalb des zulässigen Bereichs, daher wurde nichts geändert.</translation>
    </message>
    <message>
        <source>A collection can hold at most 32767 figures; this figure would make it %1.</source>
        <translation>Eine Sammlung kann höchstens 32767 Figuren enthalten; mit dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>An army can hold at most 32767 figures; this figure would make it %1.</source>
        <translation>Eine Armee kann höchstens 32767 Figuren enthalten; mit dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>A collection can hold at most 32767 points; this figure would make it %1.</source>
        <translation>Eine Sammlung kann höchstens 32767 Punkte haben; mit dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>An army can hold at most 32767 points; this figure would make it %1.</source>
        <translation>Eine Armee kann höchstens 32767 Punkte haben; mit dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>A collection can hold no fewer than -32768 figures; taking this figure away would make it %1.</source>
        <translation>Eine Sammlung kann nicht weniger als -32768 Figuren enthalten; nach dem Wegnehmen dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>An army can hold no fewer than -32768 figures; taking this figure away would make it %1.</source>
        <translation>Eine Armee kann nicht weniger als -32768 Figuren enthalten; nach dem Wegnehmen dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>A collection can hold no fewer than -32768 points; taking this figure away would make it %1.</source>
        <translation>Eine Sammlung kann nicht weniger als -32768 Punkte haben; nach dem Wegnehmen dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>An army can hold no fewer than -32768 points; taking this figure away would make it %1.</source>
        <translation>Eine Armee kann nicht weniger als -32768 Punkte haben; nach dem Wegnehmen dieser Figur wären es %1.</translation>
    </message>
    <message>
        <source>Plan Armies...</source>
        <translation>Armeen planen...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>Druckvorschau...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation>CSV exportieren...</translation>
    </message>
    <message>
        <source>Import CSV...</source>
        <translation>CSV importieren...</translation>
    </message>
</context>
<context>
    <name>frmWorldPick</name>
    <message>
        <source>Please pick a ruleset</source>
        <translation>Bitte ein Regelwerk wählen</translation>
    </message>
    <message>
        <source>Double click on the rules you want to choose.</source>
        <translation>Doppelklicken Sie auf das gewünschte Regelwerk.</translation>
    </message>
    <message>
        <source>Rulesets</source>
        <translation>Regelwerke</translation>
    </message>
    <message>
        <source>Current folder</source>
        <translation>Aktueller Ordner</translation>
    </message>
    <message>
        <source>This folder is open in another Rostermere window too; each window saves what it counts.</source>
        <translation>Dieser Ordner ist auch in einem anderen Rostermere-Fenster geöffnet; jedes Fenster speichert, was es zählt.</translation>
    </message>
</context>
</TS>
