<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BoundedRead</name>
    <message numerus="yes">
        <source>%n byte(s)</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CasterClasses</name>
    <message numerus="yes">
        <source>%1st</source>
        <comment>A caster level in the level list: 1st, 21st, 31st</comment>
        <translation>
            <numerusform>%1st</numerusform>
            <numerusform>%1st</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CatalogueUpgrade</name>
    <message numerus="yes">
        <source>Your spell catalogue has taken in this Tomewright&apos;s: %n new spell(s), %1 changed, %2 taken out.</source>
        <extracomment>&quot;this Tomewright&apos;s&quot;: the spells of the Tomewright just installed.</extracomment>
        <translation>
            <numerusform>Your spell catalogue has taken in this Tomewright&apos;s: %n new spell, %1 changed, %2 taken out.</numerusform>
            <numerusform>Your spell catalogue has taken in this Tomewright&apos;s: %n new spells, %1 changed, %2 taken out.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> Your own %n spell(s) are kept as they were.</source>
        <extracomment>The user&apos;s own (homebrew) spells; the one-spell form names no number.</extracomment>
        <translation>
            <numerusform> Your own spell is kept as it was.</numerusform>
            <numerusform> Your own %n spells are kept as they were.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CatalogueWindow</name>
    <message numerus="yes">
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n spell</numerusform>
            <numerusform>%n spells</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Frm_Main</name>
    <message numerus="yes">
        <source>%1 (and %n more)</source>
        <translation>
            <numerusform>%1 (and %n more)</numerusform>
            <numerusform>%1 (and %n more)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportSpellsDialog</name>
    <message numerus="yes">
        <source>%n row(s) refused. Correct the file, then press Check Again: nothing is imported while a row is refused.</source>
        <translation>
            <numerusform>%n row refused. Correct the file, then press Check Again: nothing is imported while a row is refused.</numerusform>
            <numerusform>%n rows refused. Correct the file, then press Check Again: nothing is imported while a row is refused.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n spell</numerusform>
            <numerusform>%n spells</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SpellbookReport</name>
    <message numerus="yes">
        <source>%1: no installed font can draw %2; it prints as an empty box(es).</source>
        <extracomment>%1 names a caster or spell, %2 lists the characters; the number of characters decides between &quot;it prints as an empty box&quot; and &quot;they print as empty boxes&quot;.</extracomment>
        <translation>
            <numerusform>%1: no installed font can draw %2; it prints as an empty box.</numerusform>
            <numerusform>%1: no installed font can draw %2; they print as empty boxes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>cli</name>
    <message numerus="yes">
        <source>%n spell(s)</source>
        <translation>
            <numerusform>%n spell</numerusform>
            <numerusform>%n spells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n problem(s)</source>
        <translation>
            <numerusform>%n problem</numerusform>
            <numerusform>%n problems</numerusform>
        </translation>
    </message>
</context>
</TS>
