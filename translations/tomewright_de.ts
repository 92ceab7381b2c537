<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BookFile</name>
    <message>
        <location filename="../library/BookFile.cpp" line="+44"/>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>true or false</source>
        <translation>true oder false</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a list of texts</source>
        <translation>eine Liste von Texten</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&quot;%1&quot; is not a valid spellbook: %2 %3.</source>
        <translation>„%1“ ist kein gültiges Zauberbuch: %2 %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the &quot;%1&quot; of %2</source>
        <translation>„%1“ von %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a complete spellbook: %2 is missing.</source>
        <translation>„%1“ ist kein vollständiges Zauberbuch: %2 fehlt.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>should hold whole numbers from %1 to %2</source>
        <translation>sollte ganze Zahlen von %1 bis %2 enthalten</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>should be %1</source>
        <translation>sollte %1 sein</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>spell %1</source>
        <translation>Zauber %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a valid spellbook: %2 should be an object.</source>
        <translation>„%1“ ist kein gültiges Zauberbuch: %2 sollte ein Objekt sein.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a valid spellbook: %2 has no name.</source>
        <translation>„%1“ ist kein gültiges Zauberbuch: %2 hat keinen Namen.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>is &quot;%1&quot;, not a spell level from 1 to 9</source>
        <translation>ist „%1“, kein Zaubergrad von 1 bis 9</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+87"/>
        <source>holds a control character (%1)</source>
        <translation>enthält ein Steuerzeichen (%1)</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>is %1 characters long, more than the %2 allowed</source>
        <translation>ist %1 Zeichen lang, mehr als die erlaubten %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&quot;%1&quot; is not a spellbook: it is not JSON (%2 at %3).</source>
        <translation>„%1“ ist kein Zauberbuch: Die Datei ist kein JSON (%2 bei %3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a spellbook: it holds no JSON object.</source>
        <translation>„%1“ ist kein Zauberbuch: Die Datei enthält kein JSON-Objekt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a spellbook: it has no &quot;format&quot; number.</source>
        <translation>„%1“ ist kein Zauberbuch: Die Datei hat keine „format“-Nummer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; was saved by a newer version of Tomewright (book format %2); this version reads format %3 and older.</source>
        <translation>„%1“ wurde von einer neueren Version von Tomewright gespeichert (Buchformat %2); diese Version liest Format %3 und ältere.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>is &quot;%1&quot;, not a caster level from 1st to 30th</source>
        <translation>ist „%1“, keine Zauberwirkerstufe von 1st bis 30th</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>is &quot;%1&quot;, not a class Tomewright knows</source>
        <translation>ist „%1“, keine Klasse, die Tomewright kennt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>is &quot;%1&quot;, not a volume Tomewright knows</source>
        <translation>ist „%1“, kein Umfang, den Tomewright kennt</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>should hold nine counts, for spell levels 1 to 9</source>
        <translation>sollte neun Anzahlen enthalten, für die Zaubergrade 1 bis 9</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>should go in steps of 10</source>
        <translation>sollte in Zehnerschritten gehen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>should be a whole number written as text</source>
        <translation>sollte eine als Text geschriebene ganze Zahl sein</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; is not a spellbook: it holds more than %2, far more than a book does.</source>
        <translation>„%1“ ist kein Zauberbuch: Die Datei enthält mehr als %2, weit mehr als ein Buch.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The spellbook &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Das Zauberbuch „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+9"/>
        <source>The spellbook cannot be saved to &quot;%1&quot;: %2.</source>
        <translation>Das Zauberbuch kann nicht unter „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>BookRequest</name>
    <message>
        <location filename="../library/BookRequest.cpp" line="+14"/>
        <source>You cannot request all Schools to be Excluded</source>
        <translation>Es können nicht alle Schulen ausgeschlossen werden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You must include at least one Core School for a Specialist</source>
        <translation>Ein Spezialist braucht mindestens eine Kernschule</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Caster Name is a required Field</source>
        <translation>Der Name des Zauberwirkers ist ein Pflichtfeld</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Caster Level is a required Field</source>
        <translation>Die Stufe des Zauberwirkers ist ein Pflichtfeld</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Caster Class is a required Field</source>
        <translation>Die Klasse des Zauberwirkers ist ein Pflichtfeld</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spellbook Volume is a required Field</source>
        <translation>Der Umfang des Zauberbuchs ist ein Pflichtfeld</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Frequency is a required Field</source>
        <translation>Die Häufigkeit ist ein Pflichtfeld</translation>
    </message>
</context>
<context>
    <name>BoundedRead</name>
    <message>
        <location filename="../ui/BoundedRead.cpp" line="+77"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n Byte</numerusform>
            <numerusform>%n Byte</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CasterClasses</name>
    <message numerus="yes">
        <location filename="../library/CasterClasses.cpp" line="+36"/>
        <source>%1st</source>
        <comment>A caster level in the level list: 1st, 21st, 31st</comment>
        <translation>
            <numerusform>%1.</numerusform>
            <numerusform>%1.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1nd</source>
        <comment>A caster level in the level list: 2nd, 22nd</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1rd</source>
        <comment>A caster level in the level list: 3rd, 23rd</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1th</source>
        <comment>A caster level in the level list: 4th, 11th, 30th</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>MAGE</source>
        <comment>The generalist caster class, written in capitals as the classic classes are</comment>
        <translation>MAGIER</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ABJURER</source>
        <comment>A specialist caster class (of the school Abjuration)</comment>
        <translation>BANNMAGIER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alchemist</source>
        <comment>A specialist caster class (of the school Alchemy)</comment>
        <translation>Alchemist</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Artificer</source>
        <comment>A specialist caster class (of the school Artifice)</comment>
        <translation>Artefaktmagier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chronomancer</source>
        <comment>A specialist caster class (of the school Chronomancy)</comment>
        <translation>Chronomant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CONJURER</source>
        <comment>A specialist caster class (of the schools Conjuration and Summoning)</comment>
        <translation>BESCHWÖRER</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dimensionalist</source>
        <comment>A specialist caster class (of the school Dimension)</comment>
        <translation>Dimensionsmagier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIVINER</source>
        <comment>A specialist caster class (of the school Divination)</comment>
        <translation>WAHRSAGER</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ENCHANTER</source>
        <comment>A specialist caster class (of the schools Enchantment and Charm)</comment>
        <translation>VERZAUBERER</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Air</source>
        <comment>A specialist caster class (of the element Air)</comment>
        <translation>Elementarist - Luft</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Earth</source>
        <comment>A specialist caster class (of the element Earth)</comment>
        <translation>Elementarist - Erde</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Fire</source>
        <comment>A specialist caster class (of the element Fire)</comment>
        <translation>Elementarist - Feuer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Water</source>
        <comment>A specialist caster class (of the element Water)</comment>
        <translation>Elementarist - Wasser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Force Mage</source>
        <comment>A specialist caster class (of the school Force)</comment>
        <translation>Kraftmagier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Geometer</source>
        <comment>A specialist caster class (of the school Geometry)</comment>
        <translation>Geometer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ILLUSIONIST</source>
        <comment>A specialist caster class (of the schools Illusion and Phantasm)</comment>
        <translation>ILLUSIONIST</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>INVOKER</source>
        <comment>A specialist caster class (of the schools Invocation and Evocation)</comment>
        <translation>HERVORRUFER</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NECROMANCER</source>
        <comment>A specialist caster class (of the school Necromancy)</comment>
        <translation>NEKROMANT</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shadow Mage</source>
        <comment>A specialist caster class (of the school Shadow)</comment>
        <translation>Schattenmagier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TRANSMUTER</source>
        <comment>A specialist caster class (of the school Alteration)</comment>
        <translation>VERWANDLER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wild Mage</source>
        <comment>A specialist caster class (of wild magic)</comment>
        <translation>Wilder Magier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sparse (1-3 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Spärlich (1-3 Zauber/Grad)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Low (2-5 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Gering (2-5 Zauber/Grad)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average (3-10 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Mittel (3-10 Zauber/Grad)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High (5-15 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Hoch (5-15 Zauber/Grad)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Full (10-30 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Voll (10-30 Zauber/Grad)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Custom (see Options)</source>
        <comment>A spellbook volume whose counts are set in Tools &gt; Options</comment>
        <translation>Eigene (siehe Optionen)</translation>
    </message>
</context>
<context>
    <name>CatalogueUpgrade</name>
    <message numerus="yes">
        <location filename="../library/CatalogueUpgrade.cpp" line="+148"/>
        <source>Your spell catalogue has taken in this Tomewright&apos;s: %n new spell(s), %1 changed, %2 taken out.</source>
        <extracomment>&quot;this Tomewright&apos;s&quot;: the spells of the Tomewright just installed.</extracomment>
        <translation>
            <numerusform>Ihr Zauberkatalog hat die Zauber dieser Tomewright-Version übernommen: %n neuer Zauber, %1 geändert, %2 entfernt.</numerusform>
            <numerusform>Ihr Zauberkatalog hat die Zauber dieser Tomewright-Version übernommen: %n neue Zauber, %1 geändert, %2 entfernt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source> Your own %n spell(s) are kept as they were.</source>
        <extracomment>The user&apos;s own (homebrew) spells; the one-spell form names no number.</extracomment>
        <translation>
            <numerusform> Ihr eigener Zauber bleibt, wie er war.</numerusform>
            <numerusform> Ihre eigenen %n Zauber bleiben, wie sie waren.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your spell catalogue could not take in this Tomewright&apos;s spells and is used as it was: %1</source>
        <translation>Ihr Zauberkatalog konnte die Zauber dieser Tomewright-Version nicht übernehmen und wird unverändert verwendet: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueWindow</name>
    <message>
        <location filename="../dialogs/CatalogueWindow.cpp" line="+34"/>
        <source>Any</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Spell Catalogue</source>
        <translation>Zauberkatalog</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Words of a name or description</source>
        <translation>Name oder Beschreibung</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Level:</source>
        <translation>&amp;Grad:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;School:</source>
        <translation>S&amp;chule:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rarest:</source>
        <translation>Se&amp;ltenste:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Book:</source>
        <translation>&amp;Buch:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Origin:</source>
        <translation>&amp;Herkunft:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Qualifies for the current book</source>
        <translation>&amp;Passt zum aktuellen Zauberbuch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only the spells the main window&apos;s class, excluded schools and rarest frequency can draw</source>
        <translation>Nur die Zauber, die Klasse, ausgeschlossene Schulen und seltenste Häufigkeit des Hauptfensters zulassen</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Spells</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Description of the selected spell</source>
        <translation>Beschreibung des gewählten Zaubers</translation>
    </message>
    <message>
        <location line="+144"/>
        <source>The main window has no complete request yet: choose a class, a volume and a rarest frequency there.</source>
        <translation>Im Hauptfenster fehlen noch Angaben: Wählen Sie dort eine Klasse, einen Umfang und eine seltenste Häufigkeit.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level %1: %2 qualify, %3 asks %4</source>
        <translation>Grad %1: %2 passen, %3 verlangt %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> (short)</source>
        <translation> (zu wenige)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 of 1 spell</source>
        <translation>%1 von 1 Zauber</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 spells</source>
        <translation>%1 von %2 Zaubern</translation>
    </message>
    <message>
        <location filename="../dialogs/CatalogueWindow_transfer.cpp" line="+24"/>
        <source>&amp;Import Spells...</source>
        <translation>Zauber &amp;importieren...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add spells from a CSV file with the columns of spells.csv</source>
        <translation>Zauber aus einer CSV-Datei mit den Spalten von spells.csv hinzufügen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xport</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write spells to a CSV file with the columns of spells.csv</source>
        <translation>Zauber in eine CSV-Datei mit den Spalten von spells.csv schreiben</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;All Spells...</source>
        <translation>&amp;Alle Zauber...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the &amp;Shown Spells...</source>
        <translation>Nur die an&amp;gezeigten Zauber...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Import Spells</source>
        <translation>Zauber importieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No spell is shown: there is nothing to export.</source>
        <translation>Es wird kein Zauber angezeigt: Es gibt nichts zu exportieren.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export the Shown Spells</source>
        <translation>Angezeigte Zauber exportieren</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export All Spells</source>
        <translation>Alle Zauber exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The spells were not exported: &quot;%1&quot; cannot be written (%2).</source>
        <translation>Die Zauber wurden nicht exportiert: „%1“ kann nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported %1 to %2.</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 a file.</extracomment>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n Zauber</numerusform>
            <numerusform>%n Zauber</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../dialogs/CatalogueWindow_edit.cpp" line="+41"/>
        <source>Catalogue changes</source>
        <translation>Änderungen am Katalog</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Spell...</source>
        <translation>Neuer Zauber...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a spell of your own to the catalogue</source>
        <translation>Einen eigenen Zauber in den Katalog aufnehmen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit...</source>
        <translation>Bearbeiten...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the selected spell (Enter)</source>
        <translation>Den gewählten Zauber ändern (Eingabetaste)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate...</source>
        <translation>Duplizieren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new spell that starts as a copy of the selected one</source>
        <translation>Ein neuer Zauber, der als Kopie des gewählten beginnt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take the selected spells out of the catalogue (Delete)</source>
        <translation>Die gewählten Zauber aus dem Katalog nehmen (Entf)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore Shipped Version</source>
        <translation>Mitgelieferte Fassung</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put back the spell as Tomewright ships it, in place of your changes</source>
        <translation>Den Zauber so zurückholen, wie Tomewright ihn mitliefert, anstelle Ihrer Änderungen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Undo %1</source>
        <extracomment>A tool tip: what Undo takes back, e.g. &quot;Undo Add Spell &quot;Moth Lantern&quot;&quot;.</extracomment>
        <translation>%1 rückgängig machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing to undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing to redo</source>
        <translation>Nichts zu wiederholen</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>New Spell</source>
        <translation>Neuer Zauber</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Spell</source>
        <translation>Zauber bearbeiten</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 (copy)</source>
        <extracomment>The name a duplicated spell starts with; %1 is the name of the spell it copies.</extracomment>
        <translation>%1 (Kopie)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Spell</source>
        <translation>Zauber duplizieren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add Spell &quot;%1&quot;</source>
        <translation>Zauber „%1“ hinzufügen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change Spell &quot;%1&quot;</source>
        <translation>Zauber „%1“ ändern</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Take the spell &quot;%1&quot; out of the catalogue?</source>
        <translation>Den Zauber „%1“ aus dem Katalog nehmen?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>and %n more</source>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Take these %n spells out of the catalogue?</source>
        <translation>
            <numerusform>Diesen %n Zauber aus dem Katalog nehmen?</numerusform>
            <numerusform>Diese %n Zauber aus dem Katalog nehmen?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove Spell &quot;%1&quot;</source>
        <translation>Zauber „%1“ entfernen</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Remove %n Spells</source>
        <translation>
            <numerusform>%n Zauber entfernen</numerusform>
            <numerusform>%n Zauber entfernen</numerusform>
        </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Tomewright does not ship a spell &quot;%1&quot;.</source>
        <translation>Tomewright liefert keinen Zauber „%1“ mit.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The shipped version of &quot;%1&quot; cannot be put back: %2</source>
        <translation>Die mitgelieferte Fassung von „%1“ lässt sich nicht zurückholen: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Restore Shipped &quot;%1&quot;</source>
        <translation>Mitgelieferten Zauber „%1“ zurückholen</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&quot;%1&quot; cannot be undone: %2</source>
        <translation>„%1“ lässt sich nicht rückgängig machen: %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&quot;%1&quot; cannot be redone: %2</source>
        <translation>„%1“ lässt sich nicht wiederholen: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&quot;%1&quot; is in the catalogue; the filters hide it.</source>
        <translation>„%1“ steht im Katalog; die Filter blenden ihn aus.</translation>
    </message>
    <message>
        <location filename="../dialogs/SpellChangeCommand.cpp" line="+14"/>
        <source>These spells have been changed since, by another program.</source>
        <translation>Diese Zauber wurden inzwischen von einem anderen Programm geändert.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../ui/Database.cpp" line="+136"/>
        <source>The spell database &quot;%1&quot; is missing.</source>
        <translation>Die Zauberdatenbank „%1“ fehlt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The spell database &quot;%1&quot; is not a file.</source>
        <translation>Die Zauberdatenbank „%1“ ist keine Datei.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The spell database &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Zauberdatenbank „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The spell database &quot;%1&quot; is empty.</source>
        <translation>Die Zauberdatenbank „%1“ ist leer.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The spell database &quot;%1&quot; is not encrypted; Tomewright only opens its own password-protected databases.</source>
        <translation>Die Zauberdatenbank „%1“ ist nicht verschlüsselt; Tomewright öffnet nur seine eigenen, passwortgeschützten Datenbanken.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+107"/>
        <source>The spell database &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Die Zauberdatenbank „%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>Die Datei „%1“ existiert bereits.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database &quot;%1&quot; cannot be created: %2.</source>
        <translation>Die Datenbank „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The spell database &quot;%1&quot; cannot be opened: the password is wrong or the file is not a Tomewright database.</source>
        <translation>Die Zauberdatenbank „%1“ kann nicht geöffnet werden: Das Passwort ist falsch oder die Datei ist keine Tomewright-Datenbank.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The spell database &quot;%1&quot; is locked by another program; try again when it has finished.</source>
        <translation>Die Zauberdatenbank „%1“ ist von einem anderen Programm gesperrt; versuchen Sie es erneut, wenn es fertig ist.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the spell database &quot;%1&quot; is locked by another program; try again when it has finished</source>
        <translation>die Zauberdatenbank „%1“ ist von einem anderen Programm gesperrt; versuchen Sie es erneut, wenn es fertig ist</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the spell database &quot;%1&quot; cannot be written (the file or its folder is read-only)</source>
        <translation>in die Zauberdatenbank „%1“ kann nicht geschrieben werden (die Datei oder ihr Ordner ist schreibgeschützt)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the spell database &quot;%1&quot; is damaged (%2)</source>
        <translation>die Zauberdatenbank „%1“ ist beschädigt (%2)</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>A query failed</source>
        <translation>Eine Abfrage ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>A change failed</source>
        <translation>Eine Änderung ist fehlgeschlagen</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>A script failed: %1.</source>
        <translation>Ein Skript ist fehlgeschlagen: %1.</translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <location filename="../ui/DatabaseLocation.cpp" line="+41"/>
        <source>Tomewright cannot make its copy of the spell database &quot;%1&quot; in &quot;%2&quot;: %3.</source>
        <translation>Tomewright kann seine Kopie der Zauberdatenbank „%1“ nicht in „%2“ anlegen: %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the copy cannot be renamed</source>
        <translation>die Kopie kann nicht umbenannt werden</translation>
    </message>
</context>
<context>
    <name>DrawCatalogue</name>
    <message>
        <location filename="../library/DrawCatalogue.cpp" line="+333"/>
        <source>A spell changed in the spell database &quot;%1&quot; while the book was drawn; draw it again.</source>
        <translation>Ein Zauber in der Zauberdatenbank „%1“ hat sich geändert, während das Buch ausgewürfelt wurde; würfeln Sie es neu aus.</translation>
    </message>
</context>
<context>
    <name>Frm_Main</name>
    <message>
        <location filename="../app/Frm_Main.ui" line="+16"/>
        <source>Exclude the following Schools</source>
        <translation>Diese Schulen ausschließen</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Caster Details</source>
        <translation>Zauberwirker</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Level</source>
        <comment>The caster&apos;s level</comment>
        <translation>Stufe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Volume</source>
        <translation>Umfang</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Lowest Frequency</source>
        <translation>Seltenste Häufigkeit</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Spells</source>
        <translation>Zauber</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Spell Name</source>
        <translation>Zaubername</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level</source>
        <comment>A spell&apos;s level</comment>
        <translation>Grad</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schools</source>
        <translation>Schulen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Find Spell:</source>
        <translation>Zauber suchen:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Select Spell:</source>
        <translation>Zauber wählen:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Add the selected spell to the spellbook</source>
        <translation>Den gewählten Zauber ins Zauberbuch aufnehmen</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Generate Spellbook</source>
        <translation>Zauberbuch &amp;erstellen</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;New Spellbook</source>
        <translation>&amp;Neues Zauberbuch</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Open Spellbook...</source>
        <translation>Zauberbuch ö&amp;ffnen...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Save Spellbook</source>
        <translation>Zauberbuch &amp;speichern</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save Spellbook &amp;As...</source>
        <translation>Zauberbuch speichern &amp;unter...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save Spellbook as &amp;PDF...</source>
        <translation>Zauberbuch als &amp;PDF speichern...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Spellbook...</source>
        <translation>Zauberbuch e&amp;xportieren...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Core Schools</source>
        <translation>&amp;Kernschulen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Spell Catalogue...</source>
        <translation>&amp;Zauberkatalog...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;About Tomewright</source>
        <translation>&amp;Über Tomewright</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main.cpp" line="+79"/>
        <location line="+28"/>
        <source>Print Spellbook</source>
        <translation>Zauberbuch drucken</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Preview Spellbook</source>
        <translation>Zauberbuch-Vorschau</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Preview Spell Cards</source>
        <translation>Zauberkarten-Vorschau</translation>
    </message>
    <message>
        <location line="+19"/>
        <location line="+17"/>
        <source>%1 (%2)</source>
        <extracomment>A tool tip: a button&apos;s text and, in brackets, its key (&quot;Print Spellbook (Ctrl+P)&quot;).
----------
A tool tip: a button&apos;s text and, in brackets, its key (&quot;Generate Spellbook (Ctrl+G)&quot;).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <location line="-3"/>
        <source>Generate Spellbook</source>
        <translation>Zauberbuch erstellen</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Show What Qualifies...</source>
        <translation>Passende Zauber zeigen...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens the spell catalogue with the spells this book can draw, level by level</source>
        <translation>Öffnet den Zauberkatalog mit den Zaubern, die dieses Zauberbuch ziehen kann, Grad für Grad</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Remove Spell (s)</source>
        <translation>Zauber &amp;entfernen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Replace Spell (s)</source>
        <translation>Zauber e&amp;rsetzen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Pin Spell (s)</source>
        <translation>Zauber an&amp;heften</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re-roll &amp;Level</source>
        <translation>&amp;Grad neu würfeln</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re-roll &amp;Book</source>
        <translation>&amp;Buch neu würfeln</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Add to Spellbook</source>
        <translation>Zum Zauberbuch &amp;hinzufügen</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Checked schools are left out of the spellbook</source>
        <translation>Angekreuzte Schulen kommen nicht ins Zauberbuch</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude every school</source>
        <translation>Alle Schulen ausschließen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude no school</source>
        <translation>Keine Schule ausschließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The spellbook: name, level, frequency, schools, book and page</source>
        <translation>Das Zauberbuch: Name, Grad, Häufigkeit, Schulen, Buch und Seite</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress of the spellbook being generated</source>
        <translation>Fortschritt beim Erstellen des Zauberbuchs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status: what Tomewright is doing</source>
        <translation>Status: Was Tomewright gerade tut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message: the result of the last request</source>
        <translation>Meldung: Das Ergebnis der letzten Anfrage</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (Enter)</source>
        <extracomment>A tool tip: the button&apos;s description and the key that does the same.</extracomment>
        <translation>%1 (Eingabetaste)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add to Spellbook</source>
        <translation>Zum Zauberbuch hinzufügen</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_book.cpp" line="+27"/>
        <source>Tomewright spellbooks (*.twbook)</source>
        <translation>Tomewright-Zauberbücher (*.twbook)</translation>
    </message>
    <message>
        <location line="+59"/>
        <source>&amp;%1 %2</source>
        <extracomment>An entry of File &gt; Open Recent: its number (the key that picks it) and file name.</extracomment>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>an unnamed caster</source>
        <translation>einen namenlosen Zauberwirker</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save changes to the spellbook of %1?</source>
        <extracomment>%1 is a caster&apos;s name, or &quot;an unnamed caster&quot;.</extracomment>
        <translation>Änderungen am Zauberbuch für %1 speichern?</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Open Spellbook</source>
        <translation>Zauberbuch öffnen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; asks for the frequency &quot;%2&quot;, which this spell database does not have.</source>
        <translation>„%1“ verlangt die Häufigkeit „%2“, die diese Zauberdatenbank nicht hat.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Spellbook</source>
        <comment>A file name</comment>
        <translation>Zauberbuch</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Spellbook As</source>
        <translation>Zauberbuch speichern unter</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pinned</source>
        <translation>Angeheftet</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Pick a spell of the level to re-roll.</source>
        <translation>Wählen Sie einen Zauber des Grades, der neu gewürfelt werden soll.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There are no spells to re-roll.</source>
        <translation>Es gibt keine Zauber zum Neuwürfeln.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../app/Frm_Main_edit.cpp" line="+30"/>
        <location filename="../app/Frm_Main_generate.cpp" line="+105"/>
        <location filename="../app/Frm_Main_print.cpp" line="+74"/>
        <source>The spell database is not open.</source>
        <translation>Die Zauberdatenbank ist nicht geöffnet.</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_edit.cpp" line="-9"/>
        <source>Spell already exists in List View</source>
        <translation>Der Zauber steht schon in der Liste</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_generate.cpp" line="-65"/>
        <source>Building Parameter List...</source>
        <translation>Parameterliste wird erstellt...</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>Drawn with seed %1: tomewright-cli generate --seed %1 with the same details makes this book again.</source>
        <translation>Ausgewürfelt mit Startwert %1: tomewright-cli generate --seed %1 mit denselben Angaben erzeugt dieses Buch erneut.</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_print.cpp" line="-36"/>
        <source>Caster Name and at least one spell in the list is required.</source>
        <translation>Der Name des Zauberwirkers und mindestens ein Zauber in der Liste sind nötig.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Save Spellbook as PDF</source>
        <translation>Zauberbuch als PDF speichern</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Previewing Spellbook %1</source>
        <translation>Vorschau des Zauberbuchs %1</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (und %n weiterer)</numerusform>
            <numerusform>%1 (und %n weitere)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Export Spellbook</source>
        <translation>Zauberbuch exportieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV (*.csv);;JSON (*.json);;Markdown (*.md)</source>
        <translation>CSV (*.csv);;JSON (*.json);;Markdown (*.md)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The spellbook cannot be exported to &quot;%1&quot;: %2.</source>
        <translation>Das Zauberbuch kann nicht nach „%1“ exportiert werden: %2.</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_schools.cpp" line="+61"/>
        <source>The following Schools are considered Core Schools:</source>
        <translation>Diese Schulen gelten als Kernschulen:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Core Schools</source>
        <translation>Kernschulen</translation>
    </message>
</context>
<context>
    <name>Frm_Prefs</name>
    <message>
        <location filename="../dialogs/Frm_Prefs.ui" line="+5"/>
        <source> Options</source>
        <translation> Optionen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Default Spells by Level</source>
        <translation>Zauber je Grad (Vorgabe)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1st:</source>
        <translation>1. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>2nd:</source>
        <translation>2. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>3rd:</source>
        <translation>3. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>4th:</source>
        <translation>4. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>5th:</source>
        <translation>5. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>6th:</source>
        <translation>6. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>7th:</source>
        <translation>7. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>8th:</source>
        <translation>8. Grad:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>9th:</source>
        <translation>9. Grad:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Other Options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Percentage of Specialist&apos;s Spells that must be in Specialty</source>
        <translation>Anteil der Zauber eines Spezialisten aus seinem Spezialgebiet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not Yet Implemented</source>
        <translation>Noch nicht umgesetzt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Spell Selection Percentages by Frequencies</source>
        <translation>Zauberauswahl nach Häufigkeit begrenzen</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Apply</source>
        <translation>&amp;Übernehmen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <location filename="../dialogs/Frm_Prefs.cpp" line="+76"/>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <extracomment>%1 is a spell level (&quot;1st&quot;), %2 what the user typed for it.</extracomment>
        <translation>%1: „%2“ ist keine Zahl.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2 is too large a number of spells.</source>
        <translation>%1: %2 sind zu viele Zauber.</translation>
    </message>
</context>
<context>
    <name>ImportSpellsDialog</name>
    <message>
        <location filename="../dialogs/ImportSpellsDialog.cpp" line="+27"/>
        <source>Import Spells</source>
        <translation>Zauber importieren</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UTF-8 (what &quot;CSV UTF-8&quot; saves)</source>
        <translation>UTF-8 (was „CSV UTF-8“ speichert)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows-1252 (older Windows programs)</source>
        <translation>Windows-1252 (ältere Windows-Programme)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Replace spells of the same name</source>
        <translation>&amp;Gleichnamige Zauber ersetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A spell of the file whose name the catalogue already has (in any letter case) takes the place of the stored one</source>
        <translation>Ein Zauber der Datei, dessen Namen der Katalog schon hat (in beliebiger Groß- und Kleinschreibung), tritt an die Stelle des gespeicherten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What the import would do</source>
        <translation>Was der Import täte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check &amp;Again</source>
        <translation>Erneut &amp;prüfen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read the file again, after correcting it</source>
        <translation>Die Datei nach dem Korrigieren erneut lesen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Would add</source>
        <translation>Würde hinzugefügt</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Would replace</source>
        <translation>Würde ersetzen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refused</source>
        <translation>Abgelehnt</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Checking the spells of the file...</source>
        <translation>Die Zauber der Datei werden geprüft...</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Nothing was written: %1</source>
        <translation>Nichts wurde geschrieben: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The check was cancelled; press Check Again to finish it.</source>
        <translation>Die Prüfung wurde abgebrochen; „Erneut prüfen“ führt sie zu Ende.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The import was cancelled; nothing was written.</source>
        <translation>Der Import wurde abgebrochen; nichts wurde geschrieben.</translation>
    </message>
    <message numerus="yes">
        <location line="+70"/>
        <source>%n row(s) refused. Correct the file, then press Check Again: nothing is imported while a row is refused.</source>
        <translation>
            <numerusform>%n Zeile abgelehnt. Korrigieren Sie die Datei, dann „Erneut prüfen“: Solange eine Zeile abgelehnt wird, wird nichts importiert.</numerusform>
            <numerusform>%n Zeilen abgelehnt. Korrigieren Sie die Datei, dann „Erneut prüfen“: Solange eine Zeile abgelehnt wird, wird nichts importiert.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing to import: the catalogue holds every spell of the file as it is.</source>
        <translation>Nichts zu importieren: Der Katalog enthält jeden Zauber der Datei bereits so, wie er ist.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ready to import: %1 to add, %2 to replace, %3 unchanged. Nothing is written until you press Import.</source>
        <translation>Bereit zum Import: %1 hinzuzufügen, %2 zu ersetzen, %3 unverändert. Erst „Importieren“ schreibt etwas.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This file cannot be imported:
%1</source>
        <translation>Diese Datei kann nicht importiert werden:
%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Importing the spells...</source>
        <translation>Die Zauber werden importiert...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Imported %1 from %2 (%3 added, %4 replaced).</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 a file, %3 and %4 numbers.</extracomment>
        <translation>%1 aus %2 importiert (%3 hinzugefügt, %4 ersetzt).</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n Zauber</numerusform>
            <numerusform>%n Zauber</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../ui/SaveFileDialog.cpp" line="+64"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Die Datei %1 existiert bereits.
Soll sie überschrieben werden?</translation>
    </message>
</context>
<context>
    <name>RecordSet</name>
    <message>
        <location filename="../ui/RecordSet.cpp" line="+22"/>
        <location line="+27"/>
        <source>No current record.</source>
        <translation>Kein aktueller Datensatz.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The field &quot;%1&quot; is not in this record set.</source>
        <translation>Das Feld „%1“ ist nicht in dieser Datensatzmenge.</translation>
    </message>
</context>
<context>
    <name>ReportJob</name>
    <message>
        <location filename="../ui/ReportJob.cpp" line="+87"/>
        <source>The spellbook cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>Das Zauberbuch kann nicht als „%1“ gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>SchemaUpgrade</name>
    <message>
        <location filename="../library/SchemaUpgrade.cpp" line="+76"/>
        <source>The spell database &quot;%1&quot; was made by an earlier Tomewright and cannot be brought up to date, so it is left as it was: %2</source>
        <translation>Die Zauberdatenbank „%1“ stammt von einer früheren Tomewright-Version und kann nicht aktualisiert werden; sie bleibt, wie sie war: %2</translation>
    </message>
</context>
<context>
    <name>SpellForm</name>
    <message>
        <location filename="../dialogs/SpellForm.cpp" line="+85"/>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Level:</source>
        <translation>&amp;Grad:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Frequency:</source>
        <translation>&amp;Häufigkeit:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Schools</source>
        <translation>&amp;Schulen</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Book:</source>
        <translation>&amp;Buch:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Page:</source>
        <translation>S&amp;eite:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Description:</source>
        <translation>Bes&amp;chreibung:</translation>
    </message>
</context>
<context>
    <name>SpellTableModel</name>
    <message>
        <location filename="../library/catalogue/SpellTableModel.cpp" line="+188"/>
        <source>Shipped</source>
        <translation>Mitgeliefert</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours</source>
        <translation>Eigener</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed by you</source>
        <translation>Von Ihnen geändert</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level</source>
        <translation>Grad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schools</source>
        <translation>Schulen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequency</source>
        <translation>Häufigkeit</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Origin</source>
        <translation>Herkunft</translation>
    </message>
</context>
<context>
    <name>SpellText</name>
    <message>
        <location filename="../library/SpellText.cpp" line="+26"/>
        <source>the %1 holds a control character (%2)</source>
        <translation>das Feld %1 enthält ein Steuerzeichen (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the %1 is %2 characters long, more than the %3 allowed</source>
        <translation>das Feld %1 ist %2 Zeichen lang, mehr als die erlaubten %3</translation>
    </message>
</context>
<context>
    <name>SpellbookReport</name>
    <message>
        <location filename="../ui/SpellbookReport.cpp" line="+200"/>
        <source>The report template &quot;%1&quot; cannot be read: it holds more than the %2 a template may.</source>
        <translation>Die Berichtsvorlage „%1“ kann nicht gelesen werden: Sie enthält mehr als die %2, die eine Vorlage haben darf.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The report template &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Berichtsvorlage „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The report template &quot;%1&quot; is not a valid template: %2.</source>
        <translation>Die Berichtsvorlage „%1“ ist keine gültige Vorlage: %2.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The report template &quot;%1&quot; cannot be filled: %2.</source>
        <translation>Die Berichtsvorlage „%1“ kann nicht ausgefüllt werden: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The spellbook cannot be printed: the printer is not ready.</source>
        <translation>Das Zauberbuch kann nicht gedruckt werden: Der Drucker ist nicht bereit.</translation>
    </message>
    <message numerus="yes">
        <location line="+85"/>
        <source>%1: no installed font can draw %2; it prints as an empty box(es).</source>
        <extracomment>%1 names a caster or spell, %2 lists the characters; the number of characters decides between &quot;it prints as an empty box&quot; and &quot;they print as empty boxes&quot;.</extracomment>
        <translation>
            <numerusform>%1: Keine installierte Schrift kann %2 darstellen; es wird als leeres Kästchen gedruckt.</numerusform>
            <numerusform>%1: Keine installierte Schrift kann %2 darstellen; sie werden als leere Kästchen gedruckt.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Caster &quot;%1&quot;</source>
        <translation>Zauberwirker „%1“</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Spell &quot;%1&quot;</source>
        <translation>Zauber „%1“</translation>
    </message>
</context>
<context>
    <name>StartupLoader</name>
    <message>
        <location filename="../app/StartupLoader.cpp" line="+82"/>
        <source>Tomewright ran out of memory while opening the spell database.</source>
        <translation>Tomewright hatte beim Öffnen der Zauberdatenbank nicht genug Speicher.</translation>
    </message>
</context>
<context>
    <name>TW_Library</name>
    <message>
        <location filename="../library/TW_Library.cpp" line="+40"/>
        <source>The spell database &quot;%1&quot; is incomplete: it has no &quot;%2&quot; %3.</source>
        <translation>Die Zauberdatenbank „%1“ ist unvollständig: Ihr fehlt „%2“ (%3).</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Following Levels Volume was limited by criteria: %1</source>
        <extracomment>%1 lists spell levels (&quot;2, 5&quot;). Read back from the status bar, so keep %1 at one place.</extracomment>
        <translation>Bei diesen Graden begrenzten die Kriterien den Umfang: %1</translation>
    </message>
    <message>
        <location filename="../library/TW_Library_generate.cpp" line="+21"/>
        <source>The %1 school list is not a list of quoted school names.</source>
        <translation>Die Schulliste %1 ist keine Liste von Schulnamen in Anführungszeichen.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Building List of Level %1 Spells...</source>
        <translation>Liste der Zauber des %1. Grades wird erstellt...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A specialist needs at least one core school.</source>
        <translation>Ein Spezialist braucht mindestens eine Kernschule.</translation>
    </message>
    <message>
        <location line="+106"/>
        <location filename="../library/TW_Library_reroll.cpp" line="+53"/>
        <source>No specialty schools are known for the class &quot;%1&quot;.</source>
        <translation>Für die Klasse „%1“ sind keine Spezialschulen bekannt.</translation>
    </message>
    <message>
        <location filename="../library/TW_Library_staging.cpp" line="+71"/>
        <source>No current record.</source>
        <translation>Kein aktueller Datensatz.</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../library/catalogue/Catalogue.cpp" line="+23"/>
        <source>The database schema is missing from this program.</source>
        <translation>Diesem Programm fehlt das Datenbankschema.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the header must be &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>die Kopfzeile muss „%1“ lauten, nicht „%2“</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>a frequency needs a name and a whole-number ID</source>
        <translation>eine Häufigkeit braucht einen Namen und eine ganzzahlige ID</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a school needs one name, given once</source>
        <translation>eine Schule braucht genau einen Namen, nur einmal angegeben</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>&quot;%1&quot; cannot be written.</source>
        <translation>„%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../library/catalogue/CatalogueCheck.cpp" line="+35"/>
        <source>spell &quot;%1&quot;: level &quot;%2&quot; is not 1 to 9</source>
        <translation>Zauber „%1“: Grad „%2“ liegt nicht zwischen 1 und 9</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>spell &quot;%1&quot;: unknown frequency &quot;%2&quot;</source>
        <translation>Zauber „%1“: unbekannte Häufigkeit „%2“</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>spell &quot;%1&quot;: no school%2</source>
        <translation>Zauber „%1“: keine Schule%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>spell &quot;%1&quot;: school &quot;%2&quot; is not in the school list</source>
        <translation>Zauber „%1“: Schule „%2“ steht nicht in der Schulliste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>school rows name &quot;%1&quot;, which is no spell%2</source>
        <translation>Schulzeilen nennen „%1“, das kein Zauber ist%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>spell &quot;%1&quot; is listed %2 times</source>
        <translation>Zauber „%1“ ist %2-mal aufgeführt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>spells &quot;%1&quot; differ only in letter case</source>
        <translation>die Zauber „%1“ unterscheiden sich nur in der Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>spells &quot;%1&quot; differ only in letter case, hyphens, blanks or accents</source>
        <translation>die Zauber „%1“ unterscheiden sich nur in Groß- und Kleinschreibung, Bindestrichen, Leerzeichen oder Akzenten</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+6"/>
        <source>the frequency &quot;%1&quot; is missing</source>
        <translation>die Häufigkeit „%1“ fehlt</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1, level %2: %3 spells to draw from, fewer than %4</source>
        <translation>%1, Grad %2: %3 Zauber zur Auswahl, weniger als %4</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, level %2: %3 specialty spells, fewer than %4</source>
        <translation>%1, Grad %2: %3 Zauber des Spezialgebiets, weniger als %4</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, level %2: %3 Common or Uncommon specialty spells, fewer than %4</source>
        <translation>%1, Grad %2: %3 Zauber des Spezialgebiets der Häufigkeit Common oder Uncommon, weniger als %4</translation>
    </message>
    <message>
        <location filename="../library/catalogue/CatalogueEdit.cpp" line="+109"/>
        <source>&quot;%1&quot; is already in the catalogue (tick &quot;Replace spells of the same name&quot; to overwrite it)</source>
        <translation>„%1“ ist bereits im Katalog (mit „Gleichnamige Zauber ersetzen“ wird er überschrieben)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is already in the catalogue (use --replace to overwrite it)</source>
        <translation>„%1“ ist bereits im Katalog (mit --replace wird er überschrieben)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is already in the catalogue as &quot;%2&quot; (names are compared without regard to letter case; tick &quot;Replace spells of the same name&quot; to overwrite it)</source>
        <translation>„%1“ ist bereits als „%2“ im Katalog (Namen werden ohne Rücksicht auf Groß- und Kleinschreibung verglichen; mit „Gleichnamige Zauber ersetzen“ wird er überschrieben)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is already in the catalogue as &quot;%2&quot; (names are compared without regard to letter case; use --replace to overwrite it)</source>
        <translation>„%1“ ist bereits als „%2“ im Katalog (Namen werden ohne Rücksicht auf Groß- und Kleinschreibung verglichen; mit --replace wird er überschrieben)</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>the file names no spell</source>
        <translation>die Datei nennt keinen Zauber</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../library/catalogue/SpellStore.cpp" line="+47"/>
        <source>no spell &quot;%1&quot; in the catalogue</source>
        <translation>kein Zauber „%1“ im Katalog</translation>
    </message>
    <message>
        <location filename="../library/catalogue/CsvFile.cpp" line="+89"/>
        <source>a quote inside a field that does not begin with one; a field that holds quotes must be quoted as a whole, with each quote inside it doubled (&quot;say &quot;&quot;hi&quot;&quot;&quot;)</source>
        <translation>ein Anführungszeichen in einem Feld, das nicht mit einem beginnt; ein Feld mit Anführungszeichen muss als Ganzes in Anführungszeichen stehen, jedes darin verdoppelt (&quot;sag &quot;&quot;hallo&quot;&quot;&quot;)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text after the closing quote of a field; a field that holds quotes must be quoted as a whole, with each quote inside it doubled (&quot;say &quot;&quot;hi&quot;&quot;&quot;)</source>
        <translation>Text nach dem schließenden Anführungszeichen eines Feldes; ein Feld mit Anführungszeichen muss als Ganzes in Anführungszeichen stehen, jedes darin verdoppelt (&quot;sag &quot;&quot;hallo&quot;&quot;&quot;)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the CSV reader could not start</source>
        <translation>der CSV-Leser konnte nicht starten</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>the quoted field that begins here runs on to line %1: %2</source>
        <translation>das hier beginnende Feld in Anführungszeichen läuft bis Zeile %1 weiter: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>a quote opens a field here that is never closed</source>
        <translation>hier öffnet ein Anführungszeichen ein Feld, das nie geschlossen wird</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: it holds more than the %1 a CSV file may</source>
        <translation>kann nicht gelesen werden: Die Datei enthält mehr als die %1, die eine CSV-Datei haben darf</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <location filename="../library/catalogue/SpellFile.cpp" line="+45"/>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the header must be &quot;%1&quot; (Description may be left out), not &quot;%2&quot;</source>
        <translation>die Kopfzeile muss „%1“ lauten (Description darf fehlen), nicht „%2“</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file has no spells, only a header</source>
        <translation>die Datei hat keine Zauber, nur eine Kopfzeile</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 columns instead of %2</source>
        <translation>%1 Spalten statt %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (in a file separated by %1, a field that holds one, such as &quot;Fire;Evocation&quot;, must be quoted)</source>
        <translation> (in einer durch %1 getrennten Datei muss ein Feld, das eines enthält, wie &quot;Fire;Evocation&quot;, in Anführungszeichen stehen)</translation>
    </message>
    <message>
        <location filename="../library/catalogue/SpellRules.cpp" line="+34"/>
        <source>empty name</source>
        <translation>leerer Name</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>duplicate name &quot;%1&quot; (first on line %2)</source>
        <translation>doppelter Name „%1“ (zuerst in Zeile %2)</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>level &quot;%1&quot; is not 1 to 9</source>
        <translation>Grad „%1“ liegt nicht zwischen 1 und 9</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown frequency &quot;%1&quot;</source>
        <translation>unbekannte Häufigkeit „%1“</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>no school</source>
        <translation>keine Schule</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>the %1 holds a control character (%2)</source>
        <translation>das Feld %1 enthält ein Steuerzeichen (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the %1 is %2 characters long, more than the %3 allowed</source>
        <translation>das Feld %1 ist %2 Zeichen lang, mehr als die erlaubten %3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; is already in the catalogue</source>
        <translation>„%1“ ist bereits im Katalog</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; differs from &quot;%2&quot; on line %3 only in letter case</source>
        <translation>„%1“ unterscheidet sich von „%2“ in Zeile %3 nur in der Groß- und Kleinschreibung</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>an empty school name</source>
        <translation>ein leerer Schulname</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown school &quot;%1&quot;</source>
        <translation>unbekannte Schule „%1“</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>school &quot;%1&quot; given twice</source>
        <translation>Schule „%1“ doppelt angegeben</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot; differs from &quot;%2&quot; on line %3 only in letter case, hyphens, blanks or accents</source>
        <translation>„%1“ unterscheidet sich von „%2“ in Zeile %3 nur in Groß- und Kleinschreibung, Bindestrichen, Leerzeichen oder Akzenten</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is too like &quot;%2&quot;, already in the catalogue: names may not differ only in letter case, hyphens, blanks or accents</source>
        <translation>„%1“ ähnelt zu sehr „%2“, das bereits im Katalog ist: Namen dürfen sich nicht nur in Groß- und Kleinschreibung, Bindestrichen, Leerzeichen oder Akzenten unterscheiden</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>book</source>
        <translation>Buch</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <location filename="../library/catalogue/TextDecoding.cpp" line="+36"/>
        <source>the file is UTF-16 text; save it as UTF-8 (in a spreadsheet: &quot;CSV UTF-8&quot;)</source>
        <translation>die Datei ist UTF-16-Text; speichern Sie sie als UTF-8 (in einer Tabellenkalkulation: „CSV UTF-8“)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file is UTF-8 (it begins with a UTF-8 byte-order mark); read it without --encoding</source>
        <translation>die Datei ist UTF-8 (sie beginnt mit einer UTF-8-Bytereihenfolge-Markierung); lesen Sie sie ohne --encoding</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the text is not UTF-8; save the file as UTF-8, or read a file from Windows with --encoding windows-1252</source>
        <translation>der Text ist kein UTF-8; speichern Sie die Datei als UTF-8 oder lesen Sie eine Windows-Datei mit --encoding windows-1252</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>this Tomewright cannot read windows-1252 text; save the file as UTF-8</source>
        <translation>dieses Tomewright kann keinen windows-1252-Text lesen; speichern Sie die Datei als UTF-8</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <location filename="../tools/cli/BookOutput.cpp" line="+37"/>
        <source>Report template for pdf (default: filteredspellbook.rpt beside the program; filteredspellbook-compact.rpt and filteredspellbook-cards.rpt lie there too).</source>
        <translation>Berichtsvorlage für pdf (Vorgabe: filteredspellbook.rpt neben dem Programm; filteredspellbook-compact.rpt und filteredspellbook-cards.rpt liegen dort auch).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paper for pdf: a4 or letter (default: the default printer&apos;s, else the one of the user&apos;s locale).</source>
        <translation>Papier für pdf: a4 oder letter (Vorgabe: das des Standarddruckers, sonst das des Gebietsschemas).</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--output &quot;%1&quot; names &quot;%2&quot;, one of the files read to make the output; nothing was written. Choose another file for --output.</source>
        <translation>--output „%1“ nennt „%2“, eine der Dateien, aus denen die Ausgabe entsteht; nichts wurde geschrieben. Wählen Sie eine andere Datei für --output.</translation>
    </message>
    <message>
        <location line="-21"/>
        <location filename="../tools/cli/CatalogueCommand.cpp" line="+185"/>
        <location filename="../tools/cli/GenerateCommand.cpp" line="+369"/>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/cli/CatalogueCommand.cpp" line="-147"/>
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n Zauber</numerusform>
            <numerusform>%n Zauber</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Usage: tomewright-cli catalogue %1 [options]</source>
        <translation>Aufruf: tomewright-cli catalogue %1 [Optionen]</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs --%2.</source>
        <extracomment>%1 is a command (import), %2 an option&apos;s name (from).</extracomment>
        <translation>%1 braucht --%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../tools/cli/GenerateCommand.cpp" line="-124"/>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--encoding takes utf-8 or windows-1252, not &quot;%1&quot;.</source>
        <translation>--encoding nimmt utf-8 oder windows-1252, nicht „%1“.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>How the CSV text is encoded: utf-8 (default) or windows-1252 (a file saved by an older Windows program).</source>
        <translation>Kodierung des CSV-Textes: utf-8 (Vorgabe) oder windows-1252 (eine Datei aus einem älteren Windows-Programm).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nothing was written: %1.</source>
        <translation>Nichts wurde geschrieben: %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n Problem</numerusform>
            <numerusform>%n Probleme</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Builds a new encrypted spell database from the CSV sources in a folder (frequencies.csv, schools.csv, spells.csv).</source>
        <translation>Erstellt eine neue verschlüsselte Zauberdatenbank aus den CSV-Quellen eines Ordners (frequencies.csv, schools.csv, spells.csv).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder of the CSV sources.</source>
        <translation>Ordner der CSV-Quellen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Database file to write.</source>
        <translation>Zu schreibende Datenbankdatei.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace the database file when it exists.</source>
        <translation>Die Datenbankdatei ersetzen, wenn es sie gibt.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; already exists; nothing was written. Add --force to replace it, spells added to it and all.</source>
        <translation>„%1“ gibt es bereits; nichts wurde geschrieben. Mit --force wird die Datei ersetzt, samt der hinzugefügten Zauber.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Built %1 with %2.</source>
        <extracomment>%1 is a file, %2 a number of spells (&quot;1,782 spells&quot;).</extracomment>
        <translation>%1 mit %2 erstellt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Writes the catalogue of a spell database as CSV sources (frequencies.csv, schools.csv, spells.csv) into a folder, spells sorted by level and name.</source>
        <translation>Schreibt den Katalog einer Zauberdatenbank als CSV-Quellen (frequencies.csv, schools.csv, spells.csv) in einen Ordner, die Zauber nach Grad und Name sortiert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Folder to write the files into.</source>
        <translation>Ordner, in den die Dateien geschrieben werden.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../tools/cli/GenerateCommand.cpp" line="-90"/>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Exported %1 to %2.</source>
        <extracomment>%1 is a number of spells (&quot;1,782 spells&quot;), %2 a folder.</extracomment>
        <translation>%1 nach %2 exportiert.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Adds the spells of a CSV file (the columns of spells.csv; Description may be left out) to a spell database, all or nothing.</source>
        <translation>Fügt die Zauber einer CSV-Datei (die Spalten von spells.csv; Description darf fehlen) einer Zauberdatenbank hinzu, alle oder keinen.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The CSV file of spells.</source>
        <translation>Die CSV-Datei der Zauber.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Overwrite spells whose names exist (in any letter case).</source>
        <translation>Zauber überschreiben, deren Namen es schon gibt (in beliebiger Schreibung).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check the file and say what would be added and replaced; write nothing.</source>
        <translation>Die Datei prüfen und sagen, was hinzugefügt und ersetzt würde; nichts schreiben.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Importing: %1 of %2 steps</source>
        <extracomment>%1 and %2 are numbers: the steps done, of all (each row is read, checked, then written).</extracomment>
        <translation>Import: %1 von %2 Schritten</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>, %1 unchanged</source>
        <translation>, %1 unverändert</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Dry run: %1 would be imported (%2 added, %3 replaced%4); nothing was written.</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 and %3 numbers, %4 the unchanged ones or nothing.</extracomment>
        <translation>Probelauf: %1 würden importiert (%2 hinzugefügt, %3 ersetzt%4); nichts wurde geschrieben.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Imported %1: %2 added, %3 replaced%4.</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 and %3 numbers, %4 the unchanged ones or nothing.</extracomment>
        <translation>%1 importiert: %2 hinzugefügt, %3 ersetzt%4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Imported %1.</source>
        <translation>%1 importiert.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Takes spells out of a spell database, all or nothing: the names given (in any letter case), or those of a file. A shipped spell taken out stays out when the program is upgraded.</source>
        <translation>Entfernt Zauber aus einer Zauberdatenbank, alle oder keinen: die genannten Namen (in beliebiger Schreibung) oder die einer Datei. Ein entfernter mitgelieferter Zauber bleibt auch nach einem Update entfernt.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A file of names, one a line, or a spells CSV file (its Name column).</source>
        <translation>Eine Datei mit Namen, einer je Zeile, oder eine Zauber-CSV-Datei (ihre Spalte Name).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A spell to take out.</source>
        <translation>Ein zu entfernender Zauber.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>remove needs the names of spells, or --from FILE.</source>
        <translation>remove braucht die Namen von Zaubern oder --from DATEI.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Removed %1: %2.</source>
        <extracomment>%1 is a number of spells (&quot;2 spells&quot;), %2 their names.</extracomment>
        <translation>%1 entfernt: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Checks a spell database: every spell well formed, and enough spells for every class at every level.</source>
        <translation>Prüft eine Zauberdatenbank: jeder Zauber wohlgeformt und genug Zauber für jede Klasse auf jedem Grad.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Check failed: %1 problem(s), %2 coverage shortfall(s).</source>
        <translation>Prüfung fehlgeschlagen: %1 Problem(e), %2 Lücke(n) in der Abdeckung.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check passed.</source>
        <translation>Prüfung bestanden.</translation>
    </message>
    <message>
        <location filename="../tools/cli/GenerateCommand.cpp" line="-69"/>
        <source>Unknown level &quot;%1&quot;. Valid: 1 to 30, or 1st to 30th.</source>
        <translation>Unbekannte Stufe „%1“. Gültig: 1 bis 30 oder 1st bis 30th.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--custom takes LEVEL=COUNT pairs, not &quot;%1&quot;.</source>
        <translation>--custom nimmt Paare GRAD=ANZAHL, nicht „%1“.</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&quot;%1&quot; already exists; no book was written. Add --force to replace it, edits and all, or choose another --output.</source>
        <translation>„%1“ gibt es bereits; kein Buch wurde geschrieben. Fügen Sie --force hinzu, um sie samt aller Änderungen zu ersetzen, oder wählen Sie ein anderes --output.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Draws spellbooks as the window does, from the same spell database.
Schools are excluded as the window excludes them: the class&apos;s own exclusions and &quot;Wild&quot; (but for &quot;Wild Mage&quot;), then every --exclude.</source>
        <translation>Würfelt Zauberbücher aus wie das Fenster, aus derselben Zauberdatenbank.
Schulen werden ausgeschlossen wie im Fenster: die Ausschlüsse der Klasse und „Wild“ (außer für „Wild Mage“), dann jedes --exclude.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Caster name (required).</source>
        <translation>Name des Zauberwirkers (Pflicht).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Caster level, 1 to 30: &quot;12&quot; or &quot;12th&quot; (required).</source>
        <translation>Stufe des Zauberwirkers, 1 bis 30: „12“ oder „12th“ (Pflicht).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Class, any letter case: MAGE (default), ABJURER, &quot;Elementalist - Fire&quot;, ...</source>
        <translation>Klasse, in beliebiger Schreibung: MAGE (Vorgabe), ABJURER, „Elementalist - Fire“, ...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume: sparse, low, average (default), high, full or custom, or the window&apos;s full text.</source>
        <translation>Umfang: sparse, low, average (Vorgabe), high, full oder custom, oder der volle englische Text des Fensters.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rarest frequency allowed: Common, Uncommon, Rare, &quot;Very Rare&quot; (default), Unique.</source>
        <translation>Seltenste erlaubte Häufigkeit: Common, Uncommon, Rare, „Very Rare“ (Vorgabe), Unique.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Also exclude this school (repeatable).</source>
        <translation>Auch diese Schule ausschließen (wiederholbar).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Spells per level for the custom volume, e.g. 1=4,2=3.</source>
        <translation>Zauber je Grad für den eigenen Umfang, z. B. 1=4,2=3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Share of a specialist&apos;s spells from the specialty: 0 to 100 in steps of 10 (default 50).</source>
        <translation>Anteil der Zauber eines Spezialisten aus dem Spezialgebiet: 0 bis 100 in Zehnerschritten (Vorgabe 50).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Seed of the draw: the same seed, options and catalogue give the same book. Drawn and reported when left out.</source>
        <translation>Startwert der Auswahl: derselbe Startwert, dieselben Optionen und derselbe Katalog ergeben dasselbe Buch. Fehlt er, wird er ausgewürfelt und gemeldet.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make N books, &quot;NAME 1&quot; .. &quot;NAME N&quot;, book i with seed + i - 1.</source>
        <translation>N Bücher erstellen, „NAME 1“ .. „NAME N“, Buch i mit Startwert + i - 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text (default), csv, json, markdown, pdf, or book: a book file the window opens and render prints.</source>
        <translation>text (Vorgabe), csv, json, markdown, pdf oder book: eine Buchdatei, die das Fenster öffnet und render ausgibt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Write to this file (pdf and book need it). With book and --count, a folder that gets one file per book, named after the book.</source>
        <translation>In diese Datei schreiben (pdf und book brauchen sie). Mit book und --count ein Ordner, der je Buch eine Datei erhält, nach dem Buch benannt.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With book: replace book files that exist (they may hold edits).</source>
        <translation>Mit book: vorhandene Buchdateien ersetzen (sie können Änderungen enthalten).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Usage: tomewright-cli generate [options]</source>
        <translation>Aufruf: tomewright-cli generate [Optionen]</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../tools/cli/RenderCommand.cpp" line="+64"/>
        <source>Unknown paper &quot;%1&quot;. Valid: &quot;a4&quot;, &quot;letter&quot;.</source>
        <translation>Unbekanntes Papier „%1“. Gültig: „a4“, „letter“.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--specialist-percent goes in steps of 10.</source>
        <translation>--specialist-percent geht in Zehnerschritten.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>--volume custom needs --custom with the spells per level, for example --custom 1=4,2=3,3=2.</source>
        <translation>--volume custom braucht --custom mit den Zaubern je Grad, zum Beispiel --custom 1=4,2=3,3=2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--custom sets the spells per level of the custom volume only; add --volume custom, or leave --custom out for the %1 volume.</source>
        <translation>--custom legt nur die Zauber je Grad des Umfangs custom fest; fügen Sie --volume custom hinzu oder lassen Sie --custom für den Umfang %1 weg.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Drawing books: %1 of %2</source>
        <extracomment>%1 and %2 are numbers of books.</extracomment>
        <translation>Bücher werden gezogen: %1 von %2</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../tools/cli/RenderCommand.cpp" line="+28"/>
        <source>warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/RenderCommand.cpp" line="-68"/>
        <source>Prints saved spellbooks (.twbook files), edits included, in the formats of generate.</source>
        <translation>Gibt gespeicherte Zauberbücher (.twbook-Dateien) samt Änderungen in den Formaten von generate aus.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Book files, in order.</source>
        <translation>Buchdateien, in Reihenfolge.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text (default), csv, json, markdown or pdf.</source>
        <translation>text (Vorgabe), csv, json, markdown oder pdf.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to this file (pdf needs it).</source>
        <translation>In diese Datei schreiben (pdf braucht sie).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Usage: tomewright-cli render [options] BOOK...</source>
        <translation>Aufruf: tomewright-cli render [Optionen] BUCH...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unknown format &quot;%1&quot;. Valid: &quot;%2&quot;.</source>
        <translation>Unbekanntes Format „%1“. Gültig: „%2“.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--format pdf needs --output.</source>
        <translation>--format pdf braucht --output.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name at least one book file to render.</source>
        <translation>Nennen Sie mindestens eine Buchdatei zur Ausgabe.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CommandDatabase.cpp" line="+14"/>
        <source>Spell database (default: the one the window uses, your copy in the user&apos;s data folder).</source>
        <translation>Zauberdatenbank (Vorgabe: die des Fensters, Ihre Kopie im Datenordner des Benutzers).</translation>
    </message>
    <message>
        <location filename="../tools/cli/StandardOutput.cpp" line="+44"/>
        <source>The output cannot be written: %1.</source>
        <translation>Die Ausgabe kann nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <location filename="../tools/cli/BookPdf.cpp" line="+38"/>
        <source>Printing: page %1 of %2</source>
        <extracomment>%1 and %2 are numbers of pages.</extracomment>
        <translation>Druck: Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../dialogs/frmAbout.ui" line="+45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen...</translation>
    </message>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+34"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> About %1</source>
        <translation> Über %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tomewright allows the User to quickly and easily generate a Spellbook for a PC/ NPC using several criteria to determine the types and numbers of spells.</source>
        <extracomment>PC and NPC: a player character and a non-player character of a role-playing game.</extracomment>
        <translation>Mit Tomewright erstellen Sie schnell und einfach ein Zauberbuch für einen SC oder NSC; mehrere Kriterien bestimmen Art und Anzahl der Zauber.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Disclaimer: This application is not an official product of Gravenhollow, so use at your own risk.</source>
        <translation>Haftungsausschluss: Dieses Programm ist kein offizielles Produkt von Gravenhollow; die Benutzung erfolgt auf eigene Gefahr.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Created by: the Tomewright team (tomewright@example.org)</source>
        <translation>Erstellt vom Tomewright-Team (tomewright@example.org)</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <location line="+5"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
</TS>
