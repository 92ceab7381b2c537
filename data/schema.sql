-- The spell database. Catalogue tables first, then the view the spell details read, then where
-- the spells came from, then the three staging tables the report template reads.

CREATE TABLE Frequency (
    Frequency   TEXT    NOT NULL UNIQUE,
    FrequencyID INTEGER NOT NULL
);

-- The school catalogue, in the order its rows were stored.
CREATE TABLE [Sphere Names] (
    Sphere_Name TEXT NOT NULL
);

CREATE TABLE Spells (
    Name      TEXT NOT NULL PRIMARY KEY,
    Lvl       TEXT NOT NULL,
    Frequency TEXT NOT NULL,
    Book      TEXT NOT NULL DEFAULT '',
    Page      TEXT NOT NULL DEFAULT '',
    -- What the spell does, in one to three sentences; empty when the catalogue has none.
    Description TEXT
);

-- One row per spell and school; a spell's schools keep the order they were stored in.
CREATE TABLE SpellandSphere (
    Name   TEXT NOT NULL,
    Sphere TEXT NOT NULL
);

-- Each level's query reads only that level's spells, in name order, from the index alone, and
-- each spell's schools from the index alone (the query puts them back in stored order).
CREATE INDEX SpellsByLevel ON Spells (Lvl, Name, Frequency, Book, Page);
CREATE INDEX SpheresByName ON SpellandSphere (Name, Sphere);

CREATE VIEW AddSpheres AS
    SELECT Spells.Name, Spells.Lvl, Spells.Frequency, SpellandSphere.Sphere, Spells.Book,
           Spells.Page, Spells.Description
    FROM Spells INNER JOIN SpellandSphere ON SpellandSphere.Name = Spells.Name
    ORDER BY Spells.Name, SpellandSphere.rowid;

-- Where each spell came from: "shipped" with the program, "user" when the user added or
-- replaced it, "removed" for a shipped spell the user took out (it has no Spells row). An upgrade
-- of the program brings its new and changed spells into a user's copy and leaves the user's own
-- alone by these marks.
CREATE TABLE SpellOrigin (
    Name   TEXT NOT NULL PRIMARY KEY,
    Origin TEXT NOT NULL
);

-- The shipped catalogue the file holds: "Version" (of the program that built it) and
-- "Fingerprint" (of its contents). A user's copy keeps the values of the catalogue it last took in.
CREATE TABLE CatalogueInfo (
    Item  TEXT NOT NULL PRIMARY KEY,
    Value TEXT NOT NULL
);

CREATE TABLE SpellbookFiltered (
    Caster     TEXT,
    SpellName  TEXT,
    SpellLevel TEXT
);

CREATE TABLE CasterHold (
    Caster       TEXT,
    CasterFilter TEXT
);

CREATE TABLE SpellCasters (
    Spellbook TEXT,
    Lvl, Race, Class,
    First, Second, Third, Fourth, Fifth, Sixth, Seventh, Eighth, Ninth
);
