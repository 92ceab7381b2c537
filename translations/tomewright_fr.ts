<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BookFile</name>
    <message>
        <location filename="../library/BookFile.cpp" line="+44"/>
        <source>text</source>
        <translation>du texte</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>true or false</source>
        <translation>true ou false</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>a list of texts</source>
        <translation>une liste de textes</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&quot;%1&quot; is not a valid spellbook: %2 %3.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire valide&#xa0;: %2 %3.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the &quot;%1&quot; of %2</source>
        <translation>le champ «&#xa0;%1&#xa0;» de %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a complete spellbook: %2 is missing.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire complet&#xa0;: %2 manque.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>should hold whole numbers from %1 to %2</source>
        <translation>devrait contenir des nombres entiers de %1 à %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>should be %1</source>
        <translation>devrait être %1</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>spell %1</source>
        <translation>sort %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&quot;%1&quot; is not a valid spellbook: %2 should be an object.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire valide&#xa0;: %2 devrait être un objet.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a valid spellbook: %2 has no name.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire valide&#xa0;: %2 n’a pas de nom.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>is &quot;%1&quot;, not a spell level from 1 to 9</source>
        <translation>vaut «&#xa0;%1&#xa0;», et non un niveau de sort de 1 à 9</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+87"/>
        <source>holds a control character (%1)</source>
        <translation>contient un caractère de contrôle (%1)</translation>
    </message>
    <message>
        <location line="-83"/>
        <source>is %1 characters long, more than the %2 allowed</source>
        <translation>fait %1 caractères, plus que les %2 permis</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>line %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>&quot;%1&quot; is not a spellbook: it is not JSON (%2 at %3).</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire&#xa0;: ce n’est pas du JSON (%2 à %3).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is not a spellbook: it holds no JSON object.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire&#xa0;: il ne contient aucun objet JSON.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; is not a spellbook: it has no &quot;format&quot; number.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire&#xa0;: il n’a pas de numéro «&#xa0;format&#xa0;».</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; was saved by a newer version of Tomewright (book format %2); this version reads format %3 and older.</source>
        <translation>«&#xa0;%1&#xa0;» a été enregistré par une version plus récente de Tomewright (format de grimoire %2)&#xa0;; cette version lit le format %3 et les plus anciens.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>is &quot;%1&quot;, not a caster level from 1st to 30th</source>
        <translation>vaut «&#xa0;%1&#xa0;», et non un niveau de lanceur de sorts de 1st à 30th</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>is &quot;%1&quot;, not a class Tomewright knows</source>
        <translation>vaut «&#xa0;%1&#xa0;», et non une classe connue de Tomewright</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>is &quot;%1&quot;, not a volume Tomewright knows</source>
        <translation>vaut «&#xa0;%1&#xa0;», et non un volume connu de Tomewright</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>should hold nine counts, for spell levels 1 to 9</source>
        <translation>devrait contenir neuf nombres, pour les niveaux de sort 1 à 9</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>should go in steps of 10</source>
        <translation>devrait aller de 10 en 10</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>should be a whole number written as text</source>
        <translation>devrait être un nombre entier écrit comme texte</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; is not a spellbook: it holds more than %2, far more than a book does.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un grimoire&#xa0;: il contient plus de %2, bien plus qu’un grimoire.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The spellbook &quot;%1&quot; cannot be opened: %2.</source>
        <translation>Le grimoire «&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+8"/>
        <location line="+9"/>
        <source>The spellbook cannot be saved to &quot;%1&quot;: %2.</source>
        <translation>Le grimoire ne peut pas être enregistré dans «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>BookRequest</name>
    <message>
        <location filename="../library/BookRequest.cpp" line="+14"/>
        <source>You cannot request all Schools to be Excluded</source>
        <translation>Vous ne pouvez pas exclure toutes les écoles</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>You must include at least one Core School for a Specialist</source>
        <translation>Un spécialiste doit garder au moins une école fondamentale</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Caster Name is a required Field</source>
        <translation>Le nom du lanceur de sorts est obligatoire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Caster Level is a required Field</source>
        <translation>Le niveau du lanceur de sorts est obligatoire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Caster Class is a required Field</source>
        <translation>La classe du lanceur de sorts est obligatoire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Spellbook Volume is a required Field</source>
        <translation>Le volume du grimoire est obligatoire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Frequency is a required Field</source>
        <translation>La fréquence est obligatoire</translation>
    </message>
</context>
<context>
    <name>BoundedRead</name>
    <message>
        <location filename="../ui/BoundedRead.cpp" line="+77"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
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
            <numerusform>%1er</numerusform>
            <numerusform>%1e</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1nd</source>
        <comment>A caster level in the level list: 2nd, 22nd</comment>
        <translation>%1e</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1rd</source>
        <comment>A caster level in the level list: 3rd, 23rd</comment>
        <translation>%1e</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1th</source>
        <comment>A caster level in the level list: 4th, 11th, 30th</comment>
        <translation>%1e</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>MAGE</source>
        <comment>The generalist caster class, written in capitals as the classic classes are</comment>
        <translation>MAGE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ABJURER</source>
        <comment>A specialist caster class (of the school Abjuration)</comment>
        <translation>ABJURATEUR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Alchemist</source>
        <comment>A specialist caster class (of the school Alchemy)</comment>
        <translation>Alchimiste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Artificer</source>
        <comment>A specialist caster class (of the school Artifice)</comment>
        <translation>Artificier</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Chronomancer</source>
        <comment>A specialist caster class (of the school Chronomancy)</comment>
        <translation>Chronomancien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CONJURER</source>
        <comment>A specialist caster class (of the schools Conjuration and Summoning)</comment>
        <translation>CONJURATEUR</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Dimensionalist</source>
        <comment>A specialist caster class (of the school Dimension)</comment>
        <translation>Dimensionnaliste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DIVINER</source>
        <comment>A specialist caster class (of the school Divination)</comment>
        <translation>DEVIN</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ENCHANTER</source>
        <comment>A specialist caster class (of the schools Enchantment and Charm)</comment>
        <translation>ENCHANTEUR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Air</source>
        <comment>A specialist caster class (of the element Air)</comment>
        <translation>Élémentaliste - Air</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Earth</source>
        <comment>A specialist caster class (of the element Earth)</comment>
        <translation>Élémentaliste - Terre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Fire</source>
        <comment>A specialist caster class (of the element Fire)</comment>
        <translation>Élémentaliste - Feu</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Elementalist - Water</source>
        <comment>A specialist caster class (of the element Water)</comment>
        <translation>Élémentaliste - Eau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Force Mage</source>
        <comment>A specialist caster class (of the school Force)</comment>
        <translation>Mage de force</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Geometer</source>
        <comment>A specialist caster class (of the school Geometry)</comment>
        <translation>Géomètre</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>ILLUSIONIST</source>
        <comment>A specialist caster class (of the schools Illusion and Phantasm)</comment>
        <translation>ILLUSIONNISTE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>INVOKER</source>
        <comment>A specialist caster class (of the schools Invocation and Evocation)</comment>
        <translation>ÉVOCATEUR</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NECROMANCER</source>
        <comment>A specialist caster class (of the school Necromancy)</comment>
        <translation>NÉCROMANCIEN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Shadow Mage</source>
        <comment>A specialist caster class (of the school Shadow)</comment>
        <translation>Mage des ombres</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TRANSMUTER</source>
        <comment>A specialist caster class (of the school Alteration)</comment>
        <translation>TRANSMUTATEUR</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Wild Mage</source>
        <comment>A specialist caster class (of wild magic)</comment>
        <translation>Mage sauvage</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sparse (1-3 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Maigre (1-3 sorts/niveau)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Low (2-5 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Faible (2-5 sorts/niveau)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average (3-10 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Moyen (3-10 sorts/niveau)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>High (5-15 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Élevé (5-15 sorts/niveau)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Full (10-30 spells/ level)</source>
        <comment>A spellbook volume: how many spells of each level it holds</comment>
        <translation>Complet (10-30 sorts/niveau)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Custom (see Options)</source>
        <comment>A spellbook volume whose counts are set in Tools &gt; Options</comment>
        <translation>Personnalisé (voir Options)</translation>
    </message>
</context>
<context>
    <name>CatalogueUpgrade</name>
    <message numerus="yes">
        <location filename="../library/CatalogueUpgrade.cpp" line="+148"/>
        <source>Your spell catalogue has taken in this Tomewright&apos;s: %n new spell(s), %1 changed, %2 taken out.</source>
        <extracomment>&quot;this Tomewright&apos;s&quot;: the spells of the Tomewright just installed.</extracomment>
        <translation>
            <numerusform>Votre catalogue de sorts a intégré ceux de cette version de Tomewright&#xa0;: %n nouveau sort, %1 modifiés, %2 retirés.</numerusform>
            <numerusform>Votre catalogue de sorts a intégré ceux de cette version de Tomewright&#xa0;: %n nouveaux sorts, %1 modifiés, %2 retirés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+7"/>
        <source> Your own %n spell(s) are kept as they were.</source>
        <extracomment>The user&apos;s own (homebrew) spells; the one-spell form names no number.</extracomment>
        <translation>
            <numerusform> Sort personnel conservé tel quel&#xa0;: %n.</numerusform>
            <numerusform> Sorts personnels conservés tels quels&#xa0;: %n.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Your spell catalogue could not take in this Tomewright&apos;s spells and is used as it was: %1</source>
        <translation>Votre catalogue de sorts n’a pas pu intégrer les sorts de cette version de Tomewright et reste tel quel&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueWindow</name>
    <message>
        <location filename="../dialogs/CatalogueWindow.cpp" line="+34"/>
        <source>Any</source>
        <translation>Tous</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Spell Catalogue</source>
        <translation>Catalogue des sorts</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Words of a name or description</source>
        <translation>Nom ou description</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&amp;Level:</source>
        <translation>&amp;Niveau&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;School:</source>
        <translation>&amp;École&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Rarest:</source>
        <translation>&amp;Fréquence max.&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Book:</source>
        <translation>&amp;Livre&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Origin:</source>
        <translation>&amp;Origine&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Qualifies for the current book</source>
        <translation>&amp;Admis dans le grimoire actuel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Only the spells the main window&apos;s class, excluded schools and rarest frequency can draw</source>
        <translation>Seulement les sorts que la classe, les écoles exclues et la fréquence la plus rare de la fenêtre principale permettent de tirer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Spells</source>
        <translation>Sorts</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Description of the selected spell</source>
        <translation>Description du sort sélectionné</translation>
    </message>
    <message>
        <location line="+144"/>
        <source>The main window has no complete request yet: choose a class, a volume and a rarest frequency there.</source>
        <translation>La demande de la fenêtre principale est incomplète&#xa0;: choisissez-y une classe, un volume et une fréquence la plus rare.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>%1–%2</source>
        <translation>%1–%2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level %1: %2 qualify, %3 asks %4</source>
        <translation>Niveau %1&#xa0;: %2 admis, %3 en demande %4</translation>
    </message>
    <message>
        <location line="+5"/>
        <source> (short)</source>
        <translation> (insuffisant)</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>%1 of 1 spell</source>
        <translation>%1 sur 1 sort</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 of %2 spells</source>
        <translation>%1 sur %2 sorts</translation>
    </message>
    <message>
        <location filename="../dialogs/CatalogueWindow_transfer.cpp" line="+24"/>
        <source>&amp;Import Spells...</source>
        <translation>&amp;Importer des sorts...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Add spells from a CSV file with the columns of spells.csv</source>
        <translation>Ajouter des sorts depuis un fichier CSV aux colonnes de spells.csv</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Write spells to a CSV file with the columns of spells.csv</source>
        <translation>Écrire des sorts dans un fichier CSV aux colonnes de spells.csv</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;All Spells...</source>
        <translation>&amp;Tous les sorts...</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Only the &amp;Shown Spells...</source>
        <translation>Seulement les sorts &amp;affichés...</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Import Spells</source>
        <translation>Importer des sorts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>No spell is shown: there is nothing to export.</source>
        <translation>Aucun sort n’est affiché&#xa0;: il n’y a rien à exporter.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Export the Shown Spells</source>
        <translation>Exporter les sorts affichés</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Export All Spells</source>
        <translation>Exporter tous les sorts</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>The spells were not exported: &quot;%1&quot; cannot be written (%2).</source>
        <translation>Les sorts n’ont pas été exportés&#xa0;: «&#xa0;%1&#xa0;» ne peut pas être écrit (%2).</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Exported %1 to %2.</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 a file.</extracomment>
        <translation>Exportation de %1 vers %2 terminée.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n sort</numerusform>
            <numerusform>%n sorts</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../dialogs/CatalogueWindow_edit.cpp" line="+41"/>
        <source>Catalogue changes</source>
        <translation>Modifications du catalogue</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>New Spell...</source>
        <translation>Nouveau sort...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add a spell of your own to the catalogue</source>
        <translation>Ajouter un sort de votre cru au catalogue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit...</source>
        <translation>Modifier...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Change the selected spell (Enter)</source>
        <translation>Modifier le sort choisi (Entrée)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate...</source>
        <translation>Dupliquer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A new spell that starts as a copy of the selected one</source>
        <translation>Un nouveau sort qui part d’une copie du sort choisi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Take the selected spells out of the catalogue (Delete)</source>
        <translation>Retirer du catalogue les sorts choisis (Suppr)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Restore Shipped Version</source>
        <translation>Version d’origine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Put back the spell as Tomewright ships it, in place of your changes</source>
        <translation>Remettre le sort tel que Tomewright le fournit, à la place de vos modifications</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Undo %1</source>
        <extracomment>A tool tip: what Undo takes back, e.g. &quot;Undo Add Spell &quot;Moth Lantern&quot;&quot;.</extracomment>
        <translation>Annuler «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Redo %1</source>
        <translation>Rétablir «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing to redo</source>
        <translation>Rien à rétablir</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>New Spell</source>
        <translation>Nouveau sort</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Edit Spell</source>
        <translation>Modifier le sort</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 (copy)</source>
        <extracomment>The name a duplicated spell starts with; %1 is the name of the spell it copies.</extracomment>
        <translation>%1 (copie)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Duplicate Spell</source>
        <translation>Dupliquer le sort</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Add Spell &quot;%1&quot;</source>
        <translation>Ajout du sort «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Change Spell &quot;%1&quot;</source>
        <translation>Modification du sort «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Take the spell &quot;%1&quot; out of the catalogue?</source>
        <translation>Retirer le sort «&#xa0;%1&#xa0;» du catalogue&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>and %n more</source>
        <translation>
            <numerusform>et %n autre</numerusform>
            <numerusform>et %n autres</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Take these %n spells out of the catalogue?</source>
        <translation>
            <numerusform>Retirer %n sort du catalogue&#xa0;?</numerusform>
            <numerusform>Retirer ces %n sorts du catalogue&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Remove Spell &quot;%1&quot;</source>
        <translation>Retrait du sort «&#xa0;%1&#xa0;»</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Remove %n Spells</source>
        <translation>
            <numerusform>Retrait de %n sort</numerusform>
            <numerusform>Retrait de %n sorts</numerusform>
        </translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Tomewright does not ship a spell &quot;%1&quot;.</source>
        <translation>Tomewright ne fournit pas de sort «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>The shipped version of &quot;%1&quot; cannot be put back: %2</source>
        <translation>La version d’origine de «&#xa0;%1&#xa0;» ne peut pas être remise&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Restore Shipped &quot;%1&quot;</source>
        <translation>Retour à l’origine du sort «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>&quot;%1&quot; cannot be undone: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être annulé&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&quot;%1&quot; cannot be redone: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être rétabli&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>&quot;%1&quot; is in the catalogue; the filters hide it.</source>
        <translation>«&#xa0;%1&#xa0;» est dans le catalogue&#xa0;; les filtres le masquent.</translation>
    </message>
    <message>
        <location filename="../dialogs/SpellChangeCommand.cpp" line="+14"/>
        <source>These spells have been changed since, by another program.</source>
        <translation>Ces sorts ont été modifiés depuis par un autre programme.</translation>
    </message>
</context>
<context>
    <name>Database</name>
    <message>
        <location filename="../ui/Database.cpp" line="+136"/>
        <source>The spell database &quot;%1&quot; is missing.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» est introuvable.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The spell database &quot;%1&quot; is not a file.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» n’est pas un fichier.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The spell database &quot;%1&quot; cannot be read: %2.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» ne peut pas être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The spell database &quot;%1&quot; is empty.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» est vide.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The spell database &quot;%1&quot; is not encrypted; Tomewright only opens its own password-protected databases.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» n’est pas chiffrée&#xa0;; Tomewright n’ouvre que ses propres bases protégées par mot de passe.</translation>
    </message>
    <message>
        <location line="+9"/>
        <location line="+107"/>
        <source>The spell database &quot;%1&quot; cannot be opened: %2.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» ne peut pas être ouverte&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="-97"/>
        <source>The file &quot;%1&quot; already exists.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The database &quot;%1&quot; cannot be created: %2.</source>
        <translation>La base «&#xa0;%1&#xa0;» ne peut pas être créée&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+82"/>
        <source>The spell database &quot;%1&quot; cannot be opened: the password is wrong or the file is not a Tomewright database.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» ne peut pas être ouverte&#xa0;: le mot de passe est faux ou le fichier n’est pas une base Tomewright.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The spell database &quot;%1&quot; is locked by another program; try again when it has finished.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» est verrouillée par un autre programme&#xa0;; réessayez quand il aura terminé.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the spell database &quot;%1&quot; is locked by another program; try again when it has finished</source>
        <translation>la base de sorts «&#xa0;%1&#xa0;» est verrouillée par un autre programme&#xa0;; réessayez quand il aura terminé</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the spell database &quot;%1&quot; cannot be written (the file or its folder is read-only)</source>
        <translation>la base de sorts «&#xa0;%1&#xa0;» ne peut pas être écrite (le fichier ou son dossier est en lecture seule)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the spell database &quot;%1&quot; is damaged (%2)</source>
        <translation>la base de sorts «&#xa0;%1&#xa0;» est endommagée (%2)</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>A query failed</source>
        <translation>Une requête a échoué</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>A change failed</source>
        <translation>Une modification a échoué</translation>
    </message>
    <message>
        <location line="+109"/>
        <source>A script failed: %1.</source>
        <translation>Un script a échoué&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>DatabaseLocation</name>
    <message>
        <location filename="../ui/DatabaseLocation.cpp" line="+41"/>
        <source>Tomewright cannot make its copy of the spell database &quot;%1&quot; in &quot;%2&quot;: %3.</source>
        <translation>Tomewright ne peut pas faire sa copie de la base de sorts «&#xa0;%1&#xa0;» dans «&#xa0;%2&#xa0;»&#xa0;: %3.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>the folder cannot be made</source>
        <translation>le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>the copy cannot be renamed</source>
        <translation>la copie ne peut pas être renommée</translation>
    </message>
</context>
<context>
    <name>DrawCatalogue</name>
    <message>
        <location filename="../library/DrawCatalogue.cpp" line="+333"/>
        <source>A spell changed in the spell database &quot;%1&quot; while the book was drawn; draw it again.</source>
        <translation>Un sort de la base «&#xa0;%1&#xa0;» a changé pendant le tirage du grimoire&#xa0;; tirez-le de nouveau.</translation>
    </message>
</context>
<context>
    <name>Frm_Main</name>
    <message>
        <location filename="../app/Frm_Main.ui" line="+16"/>
        <source>Exclude the following Schools</source>
        <translation>Exclure les écoles suivantes</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>All</source>
        <translation>Toutes</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Caster Details</source>
        <translation>Lanceur de sorts</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Level</source>
        <comment>The caster&apos;s level</comment>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Lowest Frequency</source>
        <translation>Fréquence la plus rare</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Spells</source>
        <translation>Sorts</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Spell Name</source>
        <translation>Nom du sort</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Level</source>
        <comment>A spell&apos;s level</comment>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Schools</source>
        <translation>Écoles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Find Spell:</source>
        <translation>Chercher un sort&#xa0;:</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Select Spell:</source>
        <translation>Choisir un sort&#xa0;:</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Add the selected spell to the spellbook</source>
        <translation>Ajouter le sort choisi au grimoire</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Open &amp;Recent</source>
        <translation>Ouverts &amp;récemment</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&amp;Generate Spellbook</source>
        <translation>&amp;Générer un grimoire</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;New Spellbook</source>
        <translation>&amp;Nouveau grimoire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Open Spellbook...</source>
        <translation>&amp;Ouvrir un grimoire...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Save Spellbook</source>
        <translation>&amp;Enregistrer le grimoire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save Spellbook &amp;As...</source>
        <translation>Enregistrer le grimoire &amp;sous...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save Spellbook as &amp;PDF...</source>
        <translation>Enregistrer le grimoire en &amp;PDF...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Export Spellbook...</source>
        <translation>E&amp;xporter le grimoire...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Core Schools</source>
        <translation>&amp;Écoles fondamentales</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Spell Catalogue...</source>
        <translation>&amp;Catalogue des sorts...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;About Tomewright</source>
        <translation>À propos de &amp;Tomewright</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main.cpp" line="+79"/>
        <location line="+28"/>
        <source>Print Spellbook</source>
        <translation>Imprimer le grimoire</translation>
    </message>
    <message>
        <location line="-21"/>
        <source>Preview Spellbook</source>
        <translation>Aperçu du grimoire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Preview Spell Cards</source>
        <translation>Aperçu des cartes de sorts</translation>
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
        <translation>Générer un grimoire</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Show What Qualifies...</source>
        <translation>Voir les sorts admis...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Opens the spell catalogue with the spells this book can draw, level by level</source>
        <translation>Ouvre le catalogue des sorts avec les sorts que ce grimoire peut tirer, niveau par niveau</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Remove Spell (s)</source>
        <translation>&amp;Retirer le(s) sort(s)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Replace Spell (s)</source>
        <translation>Re&amp;mplacer le(s) sort(s)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Pin Spell (s)</source>
        <translation>É&amp;pingler le(s) sort(s)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re-roll &amp;Level</source>
        <translation>Relancer le &amp;niveau</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Re-roll &amp;Book</source>
        <translation>Relancer le &amp;grimoire</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>&amp;Add to Spellbook</source>
        <translation>&amp;Ajouter au grimoire</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>Checked schools are left out of the spellbook</source>
        <translation>Les écoles cochées sont exclues du grimoire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude every school</source>
        <translation>Exclure toutes les écoles</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Exclude no school</source>
        <translation>N’exclure aucune école</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The spellbook: name, level, frequency, schools, book and page</source>
        <translation>Le grimoire&#xa0;: nom, niveau, fréquence, écoles, livre et page</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Progress of the spellbook being generated</source>
        <translation>Progression de la génération du grimoire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Status: what Tomewright is doing</source>
        <translation>État&#xa0;: ce que fait Tomewright</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Message: the result of the last request</source>
        <translation>Message&#xa0;: le résultat de la dernière demande</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 (Enter)</source>
        <extracomment>A tool tip: the button&apos;s description and the key that does the same.</extracomment>
        <translation>%1 (Entrée)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add to Spellbook</source>
        <translation>Ajouter au grimoire</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_book.cpp" line="+27"/>
        <source>Tomewright spellbooks (*.twbook)</source>
        <translation>Grimoires Tomewright (*.twbook)</translation>
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
        <translation>un lanceur de sorts sans nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save changes to the spellbook of %1?</source>
        <extracomment>%1 is a caster&apos;s name, or &quot;an unnamed caster&quot;.</extracomment>
        <translation>Enregistrer les modifications du grimoire de %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+84"/>
        <source>Open Spellbook</source>
        <translation>Ouvrir un grimoire</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&quot;%1&quot; asks for the frequency &quot;%2&quot;, which this spell database does not have.</source>
        <translation>«&#xa0;%1&#xa0;» demande la fréquence «&#xa0;%2&#xa0;», que cette base de sorts n’a pas.</translation>
    </message>
    <message>
        <location line="+77"/>
        <source>Spellbook</source>
        <comment>A file name</comment>
        <translation>Grimoire</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Save Spellbook As</source>
        <translation>Enregistrer le grimoire sous</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Pinned</source>
        <translation>Épinglé</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Pick a spell of the level to re-roll.</source>
        <translation>Choisissez un sort du niveau à relancer.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>There are no spells to re-roll.</source>
        <translation>Il n’y a aucun sort à relancer.</translation>
    </message>
    <message>
        <location line="+10"/>
        <location filename="../app/Frm_Main_edit.cpp" line="+30"/>
        <location filename="../app/Frm_Main_generate.cpp" line="+105"/>
        <location filename="../app/Frm_Main_print.cpp" line="+74"/>
        <source>The spell database is not open.</source>
        <translation>La base de sorts n’est pas ouverte.</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_edit.cpp" line="-9"/>
        <source>Spell already exists in List View</source>
        <translation>Ce sort est déjà dans la liste</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_generate.cpp" line="-65"/>
        <source>Building Parameter List...</source>
        <translation>Préparation des paramètres...</translation>
    </message>
    <message>
        <location line="+113"/>
        <source>Drawn with seed %1: tomewright-cli generate --seed %1 with the same details makes this book again.</source>
        <translation>Tiré avec la graine %1&#xa0;: tomewright-cli generate --seed %1 avec les mêmes détails refait ce grimoire.</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_print.cpp" line="-36"/>
        <source>Caster Name and at least one spell in the list is required.</source>
        <translation>Il faut le nom du lanceur de sorts et au moins un sort dans la liste.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Save Spellbook as PDF</source>
        <translation>Enregistrer le grimoire en PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Previewing Spellbook %1</source>
        <translation>Aperçu du grimoire %1</translation>
    </message>
    <message numerus="yes">
        <location line="+14"/>
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (et %n autre)</numerusform>
            <numerusform>%1 (et %n autres)</numerusform>
        </translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Export Spellbook</source>
        <translation>Exporter le grimoire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CSV (*.csv);;JSON (*.json);;Markdown (*.md)</source>
        <translation>CSV (*.csv);;JSON (*.json);;Markdown (*.md)</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The spellbook cannot be exported to &quot;%1&quot;: %2.</source>
        <translation>Le grimoire ne peut pas être exporté vers «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <location filename="../app/Frm_Main_schools.cpp" line="+61"/>
        <source>The following Schools are considered Core Schools:</source>
        <translation>Les écoles suivantes sont considérées comme fondamentales&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Core Schools</source>
        <translation>Écoles fondamentales</translation>
    </message>
</context>
<context>
    <name>Frm_Prefs</name>
    <message>
        <location filename="../dialogs/Frm_Prefs.ui" line="+5"/>
        <source> Options</source>
        <translation> Options</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Default Spells by Level</source>
        <translation>Sorts par niveau (par défaut)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1st:</source>
        <translation>Niveau 1&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>2nd:</source>
        <translation>Niveau 2&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>3rd:</source>
        <translation>Niveau 3&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>4th:</source>
        <translation>Niveau 4&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>5th:</source>
        <translation>Niveau 5&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>6th:</source>
        <translation>Niveau 6&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>7th:</source>
        <translation>Niveau 7&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>8th:</source>
        <translation>Niveau 8&#xa0;:</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>9th:</source>
        <translation>Niveau 9&#xa0;:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Other Options</source>
        <translation>Autres options</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Percentage of Specialist&apos;s Spells that must be in Specialty</source>
        <translation>Part des sorts d’un spécialiste tirés de sa spécialité</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Not Yet Implemented</source>
        <translation>Pas encore disponible</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Limit Spell Selection Percentages by Frequencies</source>
        <translation>Limiter le choix des sorts selon leur fréquence</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location filename="../dialogs/Frm_Prefs.cpp" line="+76"/>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <extracomment>%1 is a spell level (&quot;1st&quot;), %2 what the user typed for it.</extracomment>
        <translation>%1&#xa0;: «&#xa0;%2&#xa0;» n’est pas un nombre.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1: %2 is too large a number of spells.</source>
        <translation>%1&#xa0;: %2 est un nombre de sorts trop grand.</translation>
    </message>
</context>
<context>
    <name>ImportSpellsDialog</name>
    <message>
        <location filename="../dialogs/ImportSpellsDialog.cpp" line="+27"/>
        <source>Import Spells</source>
        <translation>Importer des sorts</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>File:</source>
        <translation>Fichier&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>UTF-8 (what &quot;CSV UTF-8&quot; saves)</source>
        <translation>UTF-8 (ce qu’enregistre «&#xa0;CSV UTF-8&#xa0;»)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Windows-1252 (older Windows programs)</source>
        <translation>Windows-1252 (anciens programmes Windows)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Replace spells of the same name</source>
        <translation>&amp;Remplacer les sorts de même nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A spell of the file whose name the catalogue already has (in any letter case) takes the place of the stored one</source>
        <translation>Un sort du fichier dont le catalogue a déjà le nom (quelle que soit la casse) remplace celui qui est enregistré</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>What the import would do</source>
        <translation>Ce que ferait l’importation</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Check &amp;Again</source>
        <translation>&amp;Vérifier à nouveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Read the file again, after correcting it</source>
        <translation>Relire le fichier après l’avoir corrigé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Would add</source>
        <translation>Serait ajouté</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Would replace</source>
        <translation>Remplacerait</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unchanged</source>
        <translation>Inchangé</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Refused</source>
        <translation>Refusé</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Checking the spells of the file...</source>
        <translation>Vérification des sorts du fichier...</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Nothing was written: %1</source>
        <translation>Rien n’a été écrit&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The check was cancelled; press Check Again to finish it.</source>
        <translation>La vérification a été annulée&#xa0;; «&#xa0;Vérifier à nouveau&#xa0;» la reprend.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The import was cancelled; nothing was written.</source>
        <translation>L’importation a été annulée&#xa0;; rien n’a été écrit.</translation>
    </message>
    <message numerus="yes">
        <location line="+70"/>
        <source>%n row(s) refused. Correct the file, then press Check Again: nothing is imported while a row is refused.</source>
        <translation>
            <numerusform>%n ligne refusée. Corrigez le fichier, puis «&#xa0;Vérifier à nouveau&#xa0;»&#xa0;: rien n’est importé tant qu’une ligne est refusée.</numerusform>
            <numerusform>%n lignes refusées. Corrigez le fichier, puis «&#xa0;Vérifier à nouveau&#xa0;»&#xa0;: rien n’est importé tant qu’une ligne est refusée.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Nothing to import: the catalogue holds every spell of the file as it is.</source>
        <translation>Rien à importer&#xa0;: le catalogue contient déjà chaque sort du fichier tel quel.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Ready to import: %1 to add, %2 to replace, %3 unchanged. Nothing is written until you press Import.</source>
        <translation>Prêt à importer&#xa0;: %1 à ajouter, %2 à remplacer, %3 inchangé(s). Rien n’est écrit avant «&#xa0;Importer&#xa0;».</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This file cannot be imported:
%1</source>
        <translation>Ce fichier ne peut pas être importé&#xa0;:
%1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Importing the spells...</source>
        <translation>Importation des sorts...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Imported %1 from %2 (%3 added, %4 replaced).</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 a file, %3 and %4 numbers.</extracomment>
        <translation>Importation de %1 depuis %2 terminée (%3 ajouté(s), %4 remplacé(s)).</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n sort</numerusform>
            <numerusform>%n sorts</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <location filename="../ui/SaveFileDialog.cpp" line="+64"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>Le fichier %1 existe déjà.
Voulez-vous l’écraser&#xa0;?</translation>
    </message>
</context>
<context>
    <name>RecordSet</name>
    <message>
        <location filename="../ui/RecordSet.cpp" line="+22"/>
        <location line="+27"/>
        <source>No current record.</source>
        <translation>Aucun enregistrement courant.</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>The field &quot;%1&quot; is not in this record set.</source>
        <translation>Le champ «&#xa0;%1&#xa0;» n’est pas dans cet ensemble d’enregistrements.</translation>
    </message>
</context>
<context>
    <name>ReportJob</name>
    <message>
        <location filename="../ui/ReportJob.cpp" line="+87"/>
        <source>The spellbook cannot be saved as &quot;%1&quot;: %2.</source>
        <translation>Le grimoire ne peut pas être enregistré sous «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SchemaUpgrade</name>
    <message>
        <location filename="../library/SchemaUpgrade.cpp" line="+76"/>
        <source>The spell database &quot;%1&quot; was made by an earlier Tomewright and cannot be brought up to date, so it is left as it was: %2</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» a été faite par une version antérieure de Tomewright et ne peut pas être mise à jour&#xa0;; elle reste telle quelle&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SpellForm</name>
    <message>
        <location filename="../dialogs/SpellForm.cpp" line="+85"/>
        <source>&amp;Name:</source>
        <translation>&amp;Nom&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Level:</source>
        <translation>Ni&amp;veau&#xa0;:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Frequency:</source>
        <translation>&amp;Fréquence&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Schools</source>
        <translation>&amp;Écoles</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>&amp;Book:</source>
        <translation>&amp;Livre&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Page:</source>
        <translation>&amp;Page&#xa0;:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Description:</source>
        <translation>&amp;Description&#xa0;:</translation>
    </message>
</context>
<context>
    <name>SpellTableModel</name>
    <message>
        <location filename="../library/catalogue/SpellTableModel.cpp" line="+188"/>
        <source>Shipped</source>
        <translation>Fourni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Yours</source>
        <translation>Le vôtre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Changed by you</source>
        <translation>Modifié par vous</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Schools</source>
        <translation>Écoles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Book</source>
        <translation>Livre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Origin</source>
        <translation>Origine</translation>
    </message>
</context>
<context>
    <name>SpellText</name>
    <message>
        <location filename="../library/SpellText.cpp" line="+26"/>
        <source>the %1 holds a control character (%2)</source>
        <translation>le champ %1 contient un caractère de contrôle (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the %1 is %2 characters long, more than the %3 allowed</source>
        <translation>le champ %1 fait %2 caractères, plus que les %3 permis</translation>
    </message>
</context>
<context>
    <name>SpellbookReport</name>
    <message>
        <location filename="../ui/SpellbookReport.cpp" line="+200"/>
        <source>The report template &quot;%1&quot; cannot be read: it holds more than the %2 a template may.</source>
        <translation>Le modèle de rapport «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: il contient plus que les %2 permis pour un modèle.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The report template &quot;%1&quot; cannot be read: %2.</source>
        <translation>Le modèle de rapport «&#xa0;%1&#xa0;» ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The report template &quot;%1&quot; is not a valid template: %2.</source>
        <translation>Le modèle de rapport «&#xa0;%1&#xa0;» n’est pas un modèle valide&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>The report template &quot;%1&quot; cannot be filled: %2.</source>
        <translation>Le modèle de rapport «&#xa0;%1&#xa0;» ne peut pas être rempli&#xa0;: %2.</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>The spellbook cannot be printed: the printer is not ready.</source>
        <translation>Le grimoire ne peut pas être imprimé&#xa0;: l’imprimante n’est pas prête.</translation>
    </message>
    <message numerus="yes">
        <location line="+85"/>
        <source>%1: no installed font can draw %2; it prints as an empty box(es).</source>
        <extracomment>%1 names a caster or spell, %2 lists the characters; the number of characters decides between &quot;it prints as an empty box&quot; and &quot;they print as empty boxes&quot;.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: aucune police installée ne peut dessiner %2&#xa0;; il s’imprime comme une case vide.</numerusform>
            <numerusform>%1&#xa0;: aucune police installée ne peut dessiner %2&#xa0;; ils s’impriment comme des cases vides.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Caster &quot;%1&quot;</source>
        <translation>Lanceur de sorts «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Spell &quot;%1&quot;</source>
        <translation>Sort «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>StartupLoader</name>
    <message>
        <location filename="../app/StartupLoader.cpp" line="+82"/>
        <source>Tomewright ran out of memory while opening the spell database.</source>
        <translation>Tomewright a manqué de mémoire en ouvrant la base de sorts.</translation>
    </message>
</context>
<context>
    <name>TW_Library</name>
    <message>
        <location filename="../library/TW_Library.cpp" line="+40"/>
        <source>The spell database &quot;%1&quot; is incomplete: it has no &quot;%2&quot; %3.</source>
        <translation>La base de sorts «&#xa0;%1&#xa0;» est incomplète&#xa0;: il lui manque «&#xa0;%2&#xa0;» (%3).</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Following Levels Volume was limited by criteria: %1</source>
        <extracomment>%1 lists spell levels (&quot;2, 5&quot;). Read back from the status bar, so keep %1 at one place.</extracomment>
        <translation>Volume limité par les critères aux niveaux suivants&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../library/TW_Library_generate.cpp" line="+21"/>
        <source>The %1 school list is not a list of quoted school names.</source>
        <translation>La liste d’écoles %1 n’est pas une liste de noms d’écoles entre guillemets.</translation>
    </message>
    <message>
        <location line="+52"/>
        <source>Building List of Level %1 Spells...</source>
        <translation>Liste des sorts de niveau %1 en préparation...</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>A specialist needs at least one core school.</source>
        <translation>Un spécialiste a besoin d’au moins une école fondamentale.</translation>
    </message>
    <message>
        <location line="+106"/>
        <location filename="../library/TW_Library_reroll.cpp" line="+53"/>
        <source>No specialty schools are known for the class &quot;%1&quot;.</source>
        <translation>Aucune école de spécialité n’est connue pour la classe «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location filename="../library/TW_Library_staging.cpp" line="+71"/>
        <source>No current record.</source>
        <translation>Aucun enregistrement courant.</translation>
    </message>
</context>
<context>
    <name>catalogue</name>
    <message>
        <location filename="../library/catalogue/Catalogue.cpp" line="+23"/>
        <source>The database schema is missing from this program.</source>
        <translation>Le schéma de la base manque à ce programme.</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the header must be &quot;%1&quot;, not &quot;%2&quot;</source>
        <translation>l’en-tête doit être «&#xa0;%1&#xa0;», et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>a frequency needs a name and a whole-number ID</source>
        <translation>une fréquence doit avoir un nom et un identifiant entier</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>a school needs one name, given once</source>
        <translation>une école doit avoir un seul nom, donné une seule fois</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>&quot;%1&quot; cannot be written.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être écrit.</translation>
    </message>
    <message>
        <location filename="../library/catalogue/CatalogueCheck.cpp" line="+35"/>
        <source>spell &quot;%1&quot;: level &quot;%2&quot; is not 1 to 9</source>
        <translation>sort «&#xa0;%1&#xa0;»&#xa0;: le niveau «&#xa0;%2&#xa0;» n’est pas entre 1 et 9</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>spell &quot;%1&quot;: unknown frequency &quot;%2&quot;</source>
        <translation>sort «&#xa0;%1&#xa0;»&#xa0;: fréquence inconnue «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>spell &quot;%1&quot;: no school%2</source>
        <translation>sort «&#xa0;%1&#xa0;»&#xa0;: aucune école%2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>spell &quot;%1&quot;: school &quot;%2&quot; is not in the school list</source>
        <translation>sort «&#xa0;%1&#xa0;»&#xa0;: l’école «&#xa0;%2&#xa0;» n’est pas dans la liste des écoles</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>school rows name &quot;%1&quot;, which is no spell%2</source>
        <translation>des lignes d’écoles nomment «&#xa0;%1&#xa0;», qui n’est pas un sort%2</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>spell &quot;%1&quot; is listed %2 times</source>
        <translation>le sort «&#xa0;%1&#xa0;» figure %2 fois</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>spells &quot;%1&quot; differ only in letter case</source>
        <translation>les sorts «&#xa0;%1&#xa0;» ne diffèrent que par la casse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>spells &quot;%1&quot; differ only in letter case, hyphens, blanks or accents</source>
        <translation>les sorts «&#xa0;%1&#xa0;» ne diffèrent que par la casse, les traits d’union, les espaces ou les accents</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+6"/>
        <source>the frequency &quot;%1&quot; is missing</source>
        <translation>la fréquence «&#xa0;%1&#xa0;» manque</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1, level %2: %3 spells to draw from, fewer than %4</source>
        <translation>%1, niveau %2&#xa0;: %3 sorts disponibles, moins de %4</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, level %2: %3 specialty spells, fewer than %4</source>
        <translation>%1, niveau %2&#xa0;: %3 sorts de spécialité, moins de %4</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1, level %2: %3 Common or Uncommon specialty spells, fewer than %4</source>
        <translation>%1, niveau %2&#xa0;: %3 sorts de spécialité de fréquence Common ou Uncommon, moins de %4</translation>
    </message>
    <message>
        <location filename="../library/catalogue/CatalogueEdit.cpp" line="+109"/>
        <source>&quot;%1&quot; is already in the catalogue (tick &quot;Replace spells of the same name&quot; to overwrite it)</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans le catalogue (cochez «&#xa0;Remplacer les sorts de même nom&#xa0;» pour le remplacer)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is already in the catalogue (use --replace to overwrite it)</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans le catalogue (--replace le remplace)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is already in the catalogue as &quot;%2&quot; (names are compared without regard to letter case; tick &quot;Replace spells of the same name&quot; to overwrite it)</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans le catalogue sous le nom «&#xa0;%2&#xa0;» (les noms sont comparés sans tenir compte de la casse&#xa0;; cochez «&#xa0;Remplacer les sorts de même nom&#xa0;» pour le remplacer)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is already in the catalogue as &quot;%2&quot; (names are compared without regard to letter case; use --replace to overwrite it)</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans le catalogue sous le nom «&#xa0;%2&#xa0;» (les noms sont comparés sans tenir compte de la casse&#xa0;; --replace le remplace)</translation>
    </message>
    <message>
        <location line="+143"/>
        <source>the file names no spell</source>
        <translation>le fichier ne nomme aucun sort</translation>
    </message>
    <message>
        <location line="+16"/>
        <location filename="../library/catalogue/SpellStore.cpp" line="+47"/>
        <source>no spell &quot;%1&quot; in the catalogue</source>
        <translation>aucun sort «&#xa0;%1&#xa0;» dans le catalogue</translation>
    </message>
    <message>
        <location filename="../library/catalogue/CsvFile.cpp" line="+89"/>
        <source>a quote inside a field that does not begin with one; a field that holds quotes must be quoted as a whole, with each quote inside it doubled (&quot;say &quot;&quot;hi&quot;&quot;&quot;)</source>
        <translation>un guillemet dans un champ qui ne commence pas par un guillemet&#xa0;; un champ qui contient des guillemets doit être entièrement entre guillemets, chacun d’eux doublé (&quot;dis &quot;&quot;bonjour&quot;&quot;&quot;)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text after the closing quote of a field; a field that holds quotes must be quoted as a whole, with each quote inside it doubled (&quot;say &quot;&quot;hi&quot;&quot;&quot;)</source>
        <translation>du texte après le guillemet fermant d’un champ&#xa0;; un champ qui contient des guillemets doit être entièrement entre guillemets, chacun d’eux doublé (&quot;dis &quot;&quot;bonjour&quot;&quot;&quot;)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>the CSV reader could not start</source>
        <translation>le lecteur CSV n’a pas pu démarrer</translation>
    </message>
    <message>
        <location line="+38"/>
        <source>the quoted field that begins here runs on to line %1: %2</source>
        <translation>le champ entre guillemets qui commence ici se poursuit jusqu’à la ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>a quote opens a field here that is never closed</source>
        <translation>un guillemet ouvre ici un champ qui n’est jamais fermé</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>cannot be read: it holds more than the %1 a CSV file may</source>
        <translation>illisible&#xa0;: il contient plus que les %1 permis pour un fichier CSV</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>cannot be read: %1</source>
        <translation>illisible&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../library/catalogue/SpellFile.cpp" line="+45"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>the header must be &quot;%1&quot; (Description may be left out), not &quot;%2&quot;</source>
        <translation>l’en-tête doit être «&#xa0;%1&#xa0;» (Description peut manquer), et non «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file has no spells, only a header</source>
        <translation>le fichier n’a aucun sort, seulement un en-tête</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 columns instead of %2</source>
        <translation>%1 colonnes au lieu de %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> (in a file separated by %1, a field that holds one, such as &quot;Fire;Evocation&quot;, must be quoted)</source>
        <translation> (dans un fichier séparé par %1, un champ qui en contient un, comme &quot;Fire;Evocation&quot;, doit être entre guillemets)</translation>
    </message>
    <message>
        <location filename="../library/catalogue/SpellRules.cpp" line="+34"/>
        <source>empty name</source>
        <translation>nom vide</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>duplicate name &quot;%1&quot; (first on line %2)</source>
        <translation>nom en double «&#xa0;%1&#xa0;» (d’abord à la ligne %2)</translation>
    </message>
    <message>
        <location line="+75"/>
        <source>level &quot;%1&quot; is not 1 to 9</source>
        <translation>le niveau «&#xa0;%1&#xa0;» n’est pas entre 1 et 9</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>unknown frequency &quot;%1&quot;</source>
        <translation>fréquence inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="-64"/>
        <source>no school</source>
        <translation>aucune école</translation>
    </message>
    <message>
        <location line="-50"/>
        <source>the %1 holds a control character (%2)</source>
        <translation>le champ %1 contient un caractère de contrôle (%2)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the %1 is %2 characters long, more than the %3 allowed</source>
        <translation>le champ %1 fait %2 caractères, plus que les %3 permis</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>name</source>
        <translation>nom</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>&quot;%1&quot; is already in the catalogue</source>
        <translation>«&#xa0;%1&#xa0;» est déjà dans le catalogue</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>&quot;%1&quot; differs from &quot;%2&quot; on line %3 only in letter case</source>
        <translation>«&#xa0;%1&#xa0;» ne diffère de «&#xa0;%2&#xa0;» (ligne %3) que par la casse</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>an empty school name</source>
        <translation>un nom d’école vide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>unknown school &quot;%1&quot;</source>
        <translation>école inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>school &quot;%1&quot; given twice</source>
        <translation>école «&#xa0;%1&#xa0;» donnée deux fois</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>&quot;%1&quot; differs from &quot;%2&quot; on line %3 only in letter case, hyphens, blanks or accents</source>
        <translation>«&#xa0;%1&#xa0;» ne diffère de «&#xa0;%2&#xa0;» (ligne %3) que par la casse, les traits d’union, les espaces ou les accents</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&quot;%1&quot; is too like &quot;%2&quot;, already in the catalogue: names may not differ only in letter case, hyphens, blanks or accents</source>
        <translation>«&#xa0;%1&#xa0;» ressemble trop à «&#xa0;%2&#xa0;», déjà dans le catalogue&#xa0;: les noms ne peuvent différer seulement par la casse, les traits d’union, les espaces ou les accents</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>book</source>
        <translation>livre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>page</source>
        <translation>page</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>description</source>
        <translation>description</translation>
    </message>
    <message>
        <location filename="../library/catalogue/TextDecoding.cpp" line="+36"/>
        <source>the file is UTF-16 text; save it as UTF-8 (in a spreadsheet: &quot;CSV UTF-8&quot;)</source>
        <translation>le fichier est du texte UTF-16&#xa0;; enregistrez-le en UTF-8 (dans un tableur&#xa0;: «&#xa0;CSV UTF-8&#xa0;»)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>the file is UTF-8 (it begins with a UTF-8 byte-order mark); read it without --encoding</source>
        <translation>le fichier est en UTF-8 (il commence par une marque d’ordre des octets UTF-8)&#xa0;; lisez-le sans --encoding</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>the text is not UTF-8; save the file as UTF-8, or read a file from Windows with --encoding windows-1252</source>
        <translation>le texte n’est pas en UTF-8&#xa0;; enregistrez le fichier en UTF-8, ou lisez un fichier de Windows avec --encoding windows-1252</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>this Tomewright cannot read windows-1252 text; save the file as UTF-8</source>
        <translation>ce Tomewright ne sait pas lire le texte windows-1252&#xa0;; enregistrez le fichier en UTF-8</translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message>
        <location filename="../tools/cli/BookOutput.cpp" line="+37"/>
        <source>Report template for pdf (default: filteredspellbook.rpt beside the program; filteredspellbook-compact.rpt and filteredspellbook-cards.rpt lie there too).</source>
        <translation>Modèle de rapport pour pdf (par défaut&#xa0;: filteredspellbook.rpt à côté du programme&#xa0;; filteredspellbook-compact.rpt et filteredspellbook-cards.rpt s’y trouvent aussi).</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Paper for pdf: a4 or letter (default: the default printer&apos;s, else the one of the user&apos;s locale).</source>
        <translation>Papier pour pdf&#xa0;: a4 ou letter (par défaut&#xa0;: celui de l’imprimante par défaut, sinon celui de la langue de l’utilisateur).</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--output &quot;%1&quot; names &quot;%2&quot;, one of the files read to make the output; nothing was written. Choose another file for --output.</source>
        <translation>--output «&#xa0;%1&#xa0;» désigne «&#xa0;%2&#xa0;», l’un des fichiers lus pour produire la sortie&#xa0;; rien n’a été écrit. Choisissez un autre fichier pour --output.</translation>
    </message>
    <message>
        <location line="-21"/>
        <location filename="../tools/cli/CatalogueCommand.cpp" line="+185"/>
        <location filename="../tools/cli/GenerateCommand.cpp" line="+369"/>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être écrit&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <location filename="../tools/cli/CatalogueCommand.cpp" line="-147"/>
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n sort</numerusform>
            <numerusform>%n sorts</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Usage: tomewright-cli catalogue %1 [options]</source>
        <translation>Usage&#xa0;: tomewright-cli catalogue %1 [options]</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 needs --%2.</source>
        <extracomment>%1 is a command (import), %2 an option&apos;s name (from).</extracomment>
        <translation>%1 a besoin de --%2.</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../tools/cli/GenerateCommand.cpp" line="-124"/>
        <source>Unexpected argument &quot;%1&quot;.</source>
        <translation>Argument inattendu «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>--encoding takes utf-8 or windows-1252, not &quot;%1&quot;.</source>
        <translation>--encoding accepte utf-8 ou windows-1252, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>How the CSV text is encoded: utf-8 (default) or windows-1252 (a file saved by an older Windows program).</source>
        <translation>Encodage du texte CSV&#xa0;: utf-8 (par défaut) ou windows-1252 (un fichier enregistré par un ancien programme Windows).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Nothing was written: %1.</source>
        <translation>Rien n’a été écrit&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problème</numerusform>
            <numerusform>%n problèmes</numerusform>
        </translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Builds a new encrypted spell database from the CSV sources in a folder (frequencies.csv, schools.csv, spells.csv).</source>
        <translation>Construit une nouvelle base de sorts chiffrée à partir des sources CSV d’un dossier (frequencies.csv, schools.csv, spells.csv).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Folder of the CSV sources.</source>
        <translation>Dossier des sources CSV.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Database file to write.</source>
        <translation>Fichier de base à écrire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Replace the database file when it exists.</source>
        <translation>Remplacer le fichier de base s’il existe.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&quot;%1&quot; already exists; nothing was written. Add --force to replace it, spells added to it and all.</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà&#xa0;; rien n’a été écrit. Ajoutez --force pour le remplacer, sorts ajoutés compris.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Built %1 with %2.</source>
        <extracomment>%1 is a file, %2 a number of spells (&quot;1,782 spells&quot;).</extracomment>
        <translation>%1 construit avec %2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Writes the catalogue of a spell database as CSV sources (frequencies.csv, schools.csv, spells.csv) into a folder, spells sorted by level and name.</source>
        <translation>Écrit le catalogue d’une base de sorts en sources CSV (frequencies.csv, schools.csv, spells.csv) dans un dossier, sorts triés par niveau et par nom.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Folder to write the files into.</source>
        <translation>Dossier où écrire les fichiers.</translation>
    </message>
    <message>
        <location line="+8"/>
        <location filename="../tools/cli/GenerateCommand.cpp" line="-90"/>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» ne peut pas être créé.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Exported %1 to %2.</source>
        <extracomment>%1 is a number of spells (&quot;1,782 spells&quot;), %2 a folder.</extracomment>
        <translation>Export terminé&#xa0;: %1 vers %2.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Adds the spells of a CSV file (the columns of spells.csv; Description may be left out) to a spell database, all or nothing.</source>
        <translation>Ajoute les sorts d’un fichier CSV (les colonnes de spells.csv&#xa0;; Description peut manquer) à une base de sorts, tout ou rien.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The CSV file of spells.</source>
        <translation>Le fichier CSV des sorts.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Overwrite spells whose names exist (in any letter case).</source>
        <translation>Remplacer les sorts dont le nom existe déjà (quelle que soit la casse).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Check the file and say what would be added and replaced; write nothing.</source>
        <translation>Vérifier le fichier et dire ce qui serait ajouté et remplacé&#xa0;; ne rien écrire.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Importing: %1 of %2 steps</source>
        <extracomment>%1 and %2 are numbers: the steps done, of all (each row is read, checked, then written).</extracomment>
        <translation>Importation&#xa0;: %1 étapes sur %2</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>, %1 unchanged</source>
        <translation>, %1 inchangés</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Dry run: %1 would be imported (%2 added, %3 replaced%4); nothing was written.</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 and %3 numbers, %4 the unchanged ones or nothing.</extracomment>
        <translation>Essai à blanc&#xa0;: %1 à importer (%2 ajoutés, %3 remplacés%4)&#xa0;; rien n’a été écrit.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Imported %1: %2 added, %3 replaced%4.</source>
        <extracomment>%1 is a number of spells (&quot;3 spells&quot;), %2 and %3 numbers, %4 the unchanged ones or nothing.</extracomment>
        <translation>Import terminé&#xa0;: %1, dont %2 ajoutés et %3 remplacés%4.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Imported %1.</source>
        <translation>Import terminé&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Takes spells out of a spell database, all or nothing: the names given (in any letter case), or those of a file. A shipped spell taken out stays out when the program is upgraded.</source>
        <translation>Retire des sorts d’une base de sorts, tout ou rien&#xa0;: les noms donnés (quelle que soit la casse), ou ceux d’un fichier. Un sort livré qui est retiré le reste lors des mises à jour.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>A file of names, one a line, or a spells CSV file (its Name column).</source>
        <translation>Un fichier de noms, un par ligne, ou un fichier CSV de sorts (sa colonne Name).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>A spell to take out.</source>
        <translation>Un sort à retirer.</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>remove needs the names of spells, or --from FILE.</source>
        <translation>remove a besoin de noms de sorts, ou de --from FICHIER.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Removed %1: %2.</source>
        <extracomment>%1 is a number of spells (&quot;2 spells&quot;), %2 their names.</extracomment>
        <translation>Retrait terminé&#xa0;: %1 (%2).</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Checks a spell database: every spell well formed, and enough spells for every class at every level.</source>
        <translation>Vérifie une base de sorts&#xa0;: chaque sort bien formé, et assez de sorts pour chaque classe à chaque niveau.</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Check failed: %1 problem(s), %2 coverage shortfall(s).</source>
        <translation>Échec de la vérification&#xa0;: %1 problème(s), %2 manque(s) de couverture.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Check passed.</source>
        <translation>Vérification réussie.</translation>
    </message>
    <message>
        <location filename="../tools/cli/GenerateCommand.cpp" line="-69"/>
        <source>Unknown level &quot;%1&quot;. Valid: 1 to 30, or 1st to 30th.</source>
        <translation>Niveau inconnu «&#xa0;%1&#xa0;». Valides&#xa0;: 1 à 30, ou 1st à 30th.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>--%1 takes a whole number from %2 to %3, not &quot;%4&quot;.</source>
        <translation>--%1 accepte un nombre entier de %2 à %3, et non «&#xa0;%4&#xa0;».</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>--custom takes LEVEL=COUNT pairs, not &quot;%1&quot;.</source>
        <translation>--custom accepte des paires NIVEAU=NOMBRE, et non «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <location line="+30"/>
        <source>&quot;%1&quot; already exists; no book was written. Add --force to replace it, edits and all, or choose another --output.</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà&#xa0;; aucun grimoire n’a été écrit. Ajoutez --force pour le remplacer, modifications comprises, ou choisissez un autre --output.</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Draws spellbooks as the window does, from the same spell database.
Schools are excluded as the window excludes them: the class&apos;s own exclusions and &quot;Wild&quot; (but for &quot;Wild Mage&quot;), then every --exclude.</source>
        <translation>Tire des grimoires comme la fenêtre, dans la même base de sorts.
Les écoles sont exclues comme dans la fenêtre&#xa0;: les exclusions de la classe et «&#xa0;Wild&#xa0;» (sauf pour «&#xa0;Wild Mage&#xa0;»), puis chaque --exclude.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Caster name (required).</source>
        <translation>Nom du lanceur de sorts (obligatoire).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Caster level, 1 to 30: &quot;12&quot; or &quot;12th&quot; (required).</source>
        <translation>Niveau du lanceur de sorts, 1 à 30&#xa0;: «&#xa0;12&#xa0;» ou «&#xa0;12th&#xa0;» (obligatoire).</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Class, any letter case: MAGE (default), ABJURER, &quot;Elementalist - Fire&quot;, ...</source>
        <translation>Classe, quelle que soit la casse&#xa0;: MAGE (par défaut), ABJURER, «&#xa0;Elementalist - Fire&#xa0;», ...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Volume: sparse, low, average (default), high, full or custom, or the window&apos;s full text.</source>
        <translation>Volume&#xa0;: sparse, low, average (par défaut), high, full ou custom, ou le texte anglais complet de la fenêtre.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Rarest frequency allowed: Common, Uncommon, Rare, &quot;Very Rare&quot; (default), Unique.</source>
        <translation>Fréquence la plus rare permise&#xa0;: Common, Uncommon, Rare, «&#xa0;Very Rare&#xa0;» (par défaut), Unique.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Also exclude this school (repeatable).</source>
        <translation>Exclure aussi cette école (répétable).</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Spells per level for the custom volume, e.g. 1=4,2=3.</source>
        <translation>Sorts par niveau pour le volume personnalisé, par ex. 1=4,2=3.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Share of a specialist&apos;s spells from the specialty: 0 to 100 in steps of 10 (default 50).</source>
        <translation>Part des sorts d’un spécialiste tirés de sa spécialité&#xa0;: 0 à 100 par pas de 10 (50 par défaut).</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Seed of the draw: the same seed, options and catalogue give the same book. Drawn and reported when left out.</source>
        <translation>Graine du tirage&#xa0;: la même graine, les mêmes options et le même catalogue donnent le même grimoire. Tirée et indiquée si elle manque.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Make N books, &quot;NAME 1&quot; .. &quot;NAME N&quot;, book i with seed + i - 1.</source>
        <translation>Faire N grimoires, «&#xa0;NOM 1&#xa0;» .. «&#xa0;NOM N&#xa0;», le grimoire i avec la graine + i - 1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text (default), csv, json, markdown, pdf, or book: a book file the window opens and render prints.</source>
        <translation>text (par défaut), csv, json, markdown, pdf, ou book&#xa0;: un fichier de grimoire que la fenêtre ouvre et que render imprime.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Write to this file (pdf and book need it). With book and --count, a folder that gets one file per book, named after the book.</source>
        <translation>Écrire dans ce fichier (pdf et book en ont besoin). Avec book et --count, un dossier qui reçoit un fichier par grimoire, au nom du grimoire.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>With book: replace book files that exist (they may hold edits).</source>
        <translation>Avec book&#xa0;: remplacer les fichiers de grimoire existants (ils peuvent contenir des modifications).</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Usage: tomewright-cli generate [options]</source>
        <translation>Usage&#xa0;: tomewright-cli generate [options]</translation>
    </message>
    <message>
        <location line="+21"/>
        <location filename="../tools/cli/RenderCommand.cpp" line="+64"/>
        <source>Unknown paper &quot;%1&quot;. Valid: &quot;a4&quot;, &quot;letter&quot;.</source>
        <translation>Papier inconnu «&#xa0;%1&#xa0;». Valides&#xa0;: «&#xa0;a4&#xa0;», «&#xa0;letter&#xa0;».</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>--specialist-percent goes in steps of 10.</source>
        <translation>--specialist-percent va de 10 en 10.</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>--volume custom needs --custom with the spells per level, for example --custom 1=4,2=3,3=2.</source>
        <translation>--volume custom a besoin de --custom avec les sorts par niveau, par exemple --custom 1=4,2=3,3=2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--custom sets the spells per level of the custom volume only; add --volume custom, or leave --custom out for the %1 volume.</source>
        <translation>--custom fixe les sorts par niveau du seul volume custom&#xa0;; ajoutez --volume custom, ou omettez --custom pour le volume %1.</translation>
    </message>
    <message>
        <location line="+58"/>
        <source>Drawing books: %1 of %2</source>
        <extracomment>%1 and %2 are numbers of books.</extracomment>
        <translation>Tirage des livres&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <location line="+44"/>
        <location filename="../tools/cli/RenderCommand.cpp" line="+28"/>
        <source>warning: %1</source>
        <translation>avertissement&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../tools/cli/RenderCommand.cpp" line="-68"/>
        <source>Prints saved spellbooks (.twbook files), edits included, in the formats of generate.</source>
        <translation>Imprime des grimoires enregistrés (fichiers .twbook), modifications comprises, dans les formats de generate.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Book files, in order.</source>
        <translation>Fichiers de grimoire, dans l’ordre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>text (default), csv, json, markdown or pdf.</source>
        <translation>text (par défaut), csv, json, markdown ou pdf.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Write to this file (pdf needs it).</source>
        <translation>Écrire dans ce fichier (pdf en a besoin).</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Usage: tomewright-cli render [options] BOOK...</source>
        <translation>Usage&#xa0;: tomewright-cli render [options] GRIMOIRE...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Unknown format &quot;%1&quot;. Valid: &quot;%2&quot;.</source>
        <translation>Format inconnu «&#xa0;%1&#xa0;». Valides&#xa0;: «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>--format pdf needs --output.</source>
        <translation>--format pdf a besoin de --output.</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Name at least one book file to render.</source>
        <translation>Nommez au moins un fichier de grimoire à imprimer.</translation>
    </message>
    <message>
        <location filename="../tools/cli/CommandDatabase.cpp" line="+14"/>
        <source>Spell database (default: the one the window uses, your copy in the user&apos;s data folder).</source>
        <translation>Base de sorts (par défaut&#xa0;: celle de la fenêtre, votre copie dans le dossier de données de l’utilisateur).</translation>
    </message>
    <message>
        <location filename="../tools/cli/StandardOutput.cpp" line="+44"/>
        <source>The output cannot be written: %1.</source>
        <translation>La sortie ne peut pas être écrite&#xa0;: %1.</translation>
    </message>
    <message>
        <location filename="../tools/cli/BookPdf.cpp" line="+38"/>
        <source>Printing: page %1 of %2</source>
        <extracomment>%1 and %2 are numbers of pages.</extracomment>
        <translation>Impression&#xa0;: page %1 sur %2</translation>
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
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <location filename="../dialogs/frmAbout.cpp" line="+34"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <location line="+7"/>
        <source> About %1</source>
        <translation> À propos de %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Tomewright allows the User to quickly and easily generate a Spellbook for a PC/ NPC using several criteria to determine the types and numbers of spells.</source>
        <extracomment>PC and NPC: a player character and a non-player character of a role-playing game.</extracomment>
        <translation>Tomewright permet de générer rapidement et simplement le grimoire d’un PJ ou d’un PNJ, selon plusieurs critères qui fixent le type et le nombre des sorts.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Disclaimer: This application is not an official product of Gravenhollow, so use at your own risk.</source>
        <translation>Avertissement&#xa0;: cette application n’est pas un produit officiel de Gravenhollow&#xa0;; utilisez-la à vos risques et périls.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Created by: the Tomewright team (tomewright@example.org)</source>
        <translation>Créé par l’équipe Tomewright (tomewright@example.org)</translation>
    </message>
    <message>
        <location line="+22"/>
        <location line="+5"/>
        <location line="+5"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
</TS>
