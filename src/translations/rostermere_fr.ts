<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>FieldReader</name>
    <message>
        <source>a quoted field starts here and runs on to line %1, so the lines between were read as part of it; a closing quote may be missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a quoted field has no closing quote; it runs to the end of the file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileNames</name>
    <message>
        <source>The name holds the control character %1, which is not shown and may not stand in a file name. Type the name without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name holds a folder part (&quot;/&quot; or &quot;\&quot;). Files are kept in the program&apos;s own folder, so type a plain name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is too long for the file system, which takes at most %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find a unit by any part of its ID, name or faction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID, name or faction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No unit matches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lacking for the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not in the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>It could not be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a plain file (it is a pipe, a device or a socket), so it was not read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large (%1 bytes; at most %2 are read).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large (more than %1 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InputText</name>
    <message>
        <source>the file is UTF-16 and holds bytes that UTF-16 can&apos;t read; they show as &quot;�&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the byte %1 is not UTF-8, in which the rest of the file is written; it shows as &quot;�&quot; (%2 such byte(s) in the file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written in UTF-8, but most of the file is not, so the file was read as Windows-1252 and this shows as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadCatalogue</name>
    <message>
        <source>the file ends inside a record (%1 of its %2 fields); the rest of the file was ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file holds more than %1 units; only the first %1 were loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the point value &quot;%1&quot; of &quot;%2&quot; %3; the totals count it as it reads.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadPriceGuide</name>
    <message>
        <source>the entry &quot;%1&quot; has no price; it was ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the price &quot;%1&quot; of &quot;%2&quot; %3; the totals count it as it reads.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LoadProblem</name>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is infinite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is too large for the totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is negative</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>The disk is full, or the file is too large for it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name is too long for the file system.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk reported an error while it was being written (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a link that leads round in a circle, so there is no file to write.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder or the file may not be written to (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PageLinePrinter</name>
    <message>
        <source>The job could not start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not begin a new page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Printing the collection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending the collection to the printer...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterLinePrinter</name>
    <message>
        <source>The printer &quot;%1&quot; could not start the job.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The document for &quot;%1&quot; could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has stopped accepting jobs, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is no longer there, so nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; did not take the job: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QApplication</name>
    <message>
        <source>Could not copy the sample file &quot;%1&quot; into &quot;%2&quot;: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not make the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open the folder &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not start &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>The copy is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a recovery copy of this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was written by a newer version of the program (format %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy is damaged: it was cut short or changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The copy is damaged: what it holds does not fit together.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesetFiles</name>
    <message>
        <source>It is the catalogue &quot;%1&quot; that the units are read from, so nothing was written. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is the price guide &quot;%1&quot; that the prices are read from, so nothing was written. Choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RulesetReload</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the army&apos;s number of figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the collection&apos;s number of figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the army&apos;s total point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the collection&apos;s total point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the army&apos;s approximate value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the collection&apos;s approximate value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unnamed army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an unnamed collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the army &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the collection &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was reloaded: the units, prices and counts already shown are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds no units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The units already shown are kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The units are shown without prices.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With the new catalogue %1 would be out of its range, so the catalogue was not reloaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The army&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedMarks</name>
    <message>
        <source>Whether the army is saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether the collection is saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The army keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The army is saved in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection is saved in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The army has no changes to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection has no changes to save.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>A recovery copy keeps the changes until you save them, and offers them back if Rostermere ends first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They could not be kept in a recovery copy (%1), so save them before Rostermere ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It keeps the counts of units the catalogue lacks, in no total: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionKeeper</name>
    <message>
        <source>The folder &quot;%1&quot; cannot be written to, so the copy in it cannot be opened safely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was kept for another folder (&quot;%1&quot;).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery copy &quot;%1&quot; could not be removed. Both tallies are saved, so no counts are lost; the next start may offer it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be locked for this window.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>What the last command did</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n figure(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TallyDocument</name>
    <message>
        <source>one %1 counted into the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one %1 counted into the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one %1 taken from the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one %1 taken from the collection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TallyFile</name>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds bytes that no tally file has.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds a negative count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; its row %1 holds text that is not a count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds 0 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds 1 byte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds %1 bytes, and its number of rows is negative (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a tally file Rostermere wrote, or is damaged; it holds %1 bytes, and the %2 rows it names need %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TallyPicker</name>
    <message>
        <source>Saved tally files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops, don&apos;t load</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnitRecord</name>
    <message>
        <source>Its line %1 is not what Rostermere writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a unit record of this program.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLoadArmy</name>
    <message>
        <source>No saved armies in this folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLoadCollection</name>
    <message>
        <source>No saved collections in this folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>The reports end with a summary of the collection&apos;s totals.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reports end without a summary.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counts not yet saved could not be kept in a recovery copy, so they are lost if Rostermere ends before you save them. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection was not printed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection had already gone to the printer when Cancel was chosen, so it is printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write the report &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the army to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrote the collection to &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection is still being printed, so it was not printed again. Print it again once that printout is done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer, so the collection was not printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent the collection to the printer &quot;%1&quot;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read %1 from &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find a Unit...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undid: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redid: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 undoes the last change to a tally, %2 redoes it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-clicks count into this column; double-click or Enter here takes a figure away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click or Enter here takes a figure away from the army.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click or Enter here takes a figure away from the collection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collection Name  --&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Army Name ---&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collection name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Army name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit ID Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Faction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># in Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># in Current Army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit ID number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of figures of each unit in the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of figures of each unit in the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add/Subtract To/From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count into the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count into the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collection Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Point Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total point value of the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of figures in the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aproximate Value ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tae this with a large grain of salt. The data for any figures (the commons) is very sparse.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approximate value of the collection in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Army Stats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Point value of the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of figures in the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Approximate value of the army in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priceguide Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name in Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the selected unit in the price guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priceguide Value ($)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Price guide value of the selected unit in dollars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Collection To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Collection to HTML</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Collection To Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Army and summary commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Army To Collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include Summary in Printout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Army To File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 now).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no %1 in the army to take away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no %1 in the collection to take away.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This figure would take %1 out of its range, so nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A collection can hold at most 32767 figures; this figure would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An army can hold at most 32767 figures; this figure would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A collection can hold at most 32767 points; this figure would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An army can hold at most 32767 points; this figure would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A collection can hold no fewer than -32768 figures; taking this figure away would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An army can hold no fewer than -32768 figures; taking this figure away would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A collection can hold no fewer than -32768 points; taking this figure away would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An army can hold no fewer than -32768 points; taking this figure away would make it %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>today %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yesterday %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It holds counts for %1 rows, and the catalogue has %2 units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its counts would take %1 out of its range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counts that an earlier session of Rostermere did not save are waiting in a recovery copy, but it cannot be opened. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The counts kept when Rostermere last ended could not be read back, so nothing was restored. %1 The copy was moved aside to &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 was not saved when Rostermere last ended (%2), but the counts belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 sessions of Rostermere ended with counts not saved that belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep them to be offered again when Rostermere starts here with that catalogue, or discard them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not saved when Rostermere last ended (%2). Restore it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 were not saved when Rostermere last ended (%2). Restore them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 more unsaved session is waiting; it is offered at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 more unsaved sessions are waiting; the next start offers the newest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restoring %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue has changed since; the counts were put on their units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The file there could not be checked before it is replaced, so nothing was written. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 (%3). Replace it with the army (%4)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 (%3). Replace it with the collection (%4)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for. Saving the army replaces the file and drops those counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for. Saving the collection replaces the file and drops those counts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showing %1 of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2 lacking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showing %1 of %2. Lacking 1 figure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Showing %1 of %2. Lacking %3 figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, about %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 unpriced)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1 without a price)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the army to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save the collection to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 to &quot;%2&quot;: %3, %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The army was saved to &quot;%1&quot;, but the record of its units beside it could not be written, so a later catalogue can match its counts only by position. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The collection was saved to &quot;%1&quot;, but the record of its units beside it could not be written, so a later catalogue can match its counts only by position. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load the army from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not load the collection from &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loading &quot;%1&quot; into the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loading &quot;%1&quot; into the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded &quot;%1&quot; into the army: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded &quot;%1&quot; into the collection: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for, so they were not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not add the army &quot;%1&quot; to the collection: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; was saved as a collection (%2). Add it to the collection as an army?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding &quot;%1&quot; would take %2 out of its range, so nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adding &quot;%1&quot; to the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added &quot;%1&quot; to the collection: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds counts for %2 row(s) with %3 figure(s) that this catalogue of %4 units has no units for, so they were not added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The record of units beside &quot;%1&quot; could not be read, so its counts are matched by position. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matched by their ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 matched by their ID and %2 by name and strength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue has changed since it was saved; %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has no record of its units, so its %1 rows were matched by position to the catalogue&apos;s %2 units.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the army (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the collection (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Add One to the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add One to the collection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take One from the army</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take One from the collection</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmWorldPick</name>
    <message>
        <source>Please pick a ruleset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click on the rules you want to choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rulesets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder is open in another Rostermere window too; each window saves what it counts.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
