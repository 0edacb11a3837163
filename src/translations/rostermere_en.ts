<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ArmyFiles</name>
    <message numerus="yes">
        <source>%n counted unit(s) of it are not in this catalogue.</source>
        <translation>
            <numerusform>%n counted unit of it is not in this catalogue.</numerusform>
            <numerusform>%n counted units of it are not in this catalogue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>It counts %n row(s) past the end of this catalogue.</source>
        <translation>
            <numerusform>It counts %n row past the end of this catalogue.</numerusform>
            <numerusform>It counts %n rows past the end of this catalogue.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CountsCsv</name>
    <message numerus="yes">
        <source>%n row(s) of the file can&apos;t be read, so nothing was imported:</source>
        <translation>
            <numerusform>%n row of the file can&apos;t be read, so nothing was imported:</numerusform>
            <numerusform>%n rows of the file can&apos;t be read, so nothing was imported:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>...and %n more.</source>
        <translation>
            <numerusform>...and %n more.</numerusform>
            <numerusform>...and %n more.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PlanArmiesWindow</name>
    <message numerus="yes">
        <source>Played together, the %n ticked army(s) lack %1 of the collection.</source>
        <translation>
            <numerusform>Played together, the %n ticked army lacks %1 of the collection.</numerusform>
            <numerusform>Played together, the %n ticked armies lack %1 of the collection.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Played one at a time, the %n ticked army(s) lack %1 of the collection.</source>
        <translation>
            <numerusform>Played one at a time, the %n ticked army lacks %1 of the collection.</numerusform>
            <numerusform>Played one at a time, the %n ticked armies lack %1 of the collection.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message numerus="yes">
        <source>%1 was not saved when Rostermere last ended (%2), but the counts belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</source>
        <translation>
            <numerusform>%1 was not saved when Rostermere last ended (%2), but the counts belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</numerusform>
            <numerusform>%1 were not saved when Rostermere last ended (%2), but the counts belong to another catalogue than the one in &quot;rfarm.txt&quot; now, so they were not put back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 was not saved when Rostermere last ended (%2). Restore it?</source>
        <translation>
            <numerusform>%1 was not saved when Rostermere last ended (%2). Restore it?</numerusform>
            <numerusform>%1 were not saved when Rostermere last ended (%2). Restore them?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n more unsaved session(s) waiting; the next start offers the newest.</source>
        <translation>
            <numerusform>%n more unsaved session is waiting; it is offered at the next start.</numerusform>
            <numerusform>%n more unsaved sessions are waiting; the next start offers the newest.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>The catalogue has no unit for %n unit counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
            <numerusform>The catalogue has no unit for %n units counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>The catalogue has no unit for %n unit counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
            <numerusform>The catalogue has no unit for %n units counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RulesetReload</name>
    <message numerus="yes">
        <source>The army&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation>
            <numerusform>The army&apos;s counts of %n unit moved with their units to their rows in the new catalogue.</numerusform>
            <numerusform>The army&apos;s counts of %n units moved with their units to their rows in the new catalogue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection&apos;s counts of %n unit(s) moved with their units to their rows in the new catalogue.</source>
        <translation>
            <numerusform>The collection&apos;s counts of %n unit moved with their units to their rows in the new catalogue.</numerusform>
            <numerusform>The collection&apos;s counts of %n units moved with their units to their rows in the new catalogue.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>The new catalogue has no unit for %n unit counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
            <numerusform>The new catalogue has no unit for %n units counted in the army: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The new catalogue has no unit for %n unit(s) counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>The new catalogue has no unit for %n unit counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
            <numerusform>The new catalogue has no unit for %n units counted in the collection: %1. Their counts are kept with it (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SavedMarks</name>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation>
            <numerusform>The army is not saved: %n unit counted otherwise than in &quot;%1&quot;.</numerusform>
            <numerusform>The army is not saved: %n units counted otherwise than in &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted otherwise than in &quot;%1&quot;.</source>
        <translation>
            <numerusform>The collection is not saved: %n unit counted otherwise than in &quot;%1&quot;.</numerusform>
            <numerusform>The collection is not saved: %n units counted otherwise than in &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The army is not saved: %n unit(s) counted.</source>
        <translation>
            <numerusform>The army is not saved: %n unit counted.</numerusform>
            <numerusform>The army is not saved: %n units counted.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The collection is not saved: %n unit(s) counted.</source>
        <translation>
            <numerusform>The collection is not saved: %n unit counted.</numerusform>
            <numerusform>The collection is not saved: %n units counted.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ShowChoice</name>
    <message numerus="yes">
        <source>Showing %1 of %2. The collection holds %3 figure(s) beyond what the planned armies need.</source>
        <translation>
            <numerusform>Showing %1 of %2. The collection holds %3 figure beyond what the planned armies need.</numerusform>
            <numerusform>Showing %1 of %2. The collection holds %3 figures beyond what the planned armies need.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Showing %1 of %2. The planned armies lack %3 figure(s)</source>
        <translation>
            <numerusform>Showing %1 of %2. The planned armies lack %3 figure</numerusform>
            <numerusform>Showing %1 of %2. The planned armies lack %3 figures</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message numerus="yes">
        <source>%n figure(s)</source>
        <translation>
            <numerusform>%n figure</numerusform>
            <numerusform>%n figures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unit(s)</source>
        <translation>
            <numerusform>%n unit</numerusform>
            <numerusform>%n units</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TallyFileCommands</name>
    <message numerus="yes">
        <source>%n point(s)</source>
        <translation>
            <numerusform>%n point</numerusform>
            <numerusform>%n points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the army (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>The catalogue has no unit for %n unit counted in &quot;%1&quot;: %2. Their counts are kept with the army (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
            <numerusform>The catalogue has no unit for %n units counted in &quot;%1&quot;: %2. Their counts are kept with the army (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The catalogue has no unit for %n unit(s) counted in &quot;%1&quot;: %2. Their counts are kept with the collection (in no total) and saved with it, and go back on their units when the catalogue has them again.</source>
        <translation>
            <numerusform>The catalogue has no unit for %n unit counted in &quot;%1&quot;: %2. Their counts are kept with the collection (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
            <numerusform>The catalogue has no unit for %n units counted in &quot;%1&quot;: %2. Their counts are kept with the collection (in no total) and saved with it, and go back on their units when the catalogue has them again.</numerusform>
        </translation>
    </message>
</context>
</TS>
