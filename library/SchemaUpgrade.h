#pragma once

class Database;

// Spell databases made to an earlier table design brought up to the current one: a Spells
// table without Description (the first design, or a copy an early Tomewright made) gets the
// column and the AddSpheres view shows it; the tables that record where spells came from and
// which shipped catalogue the file holds are added. Nothing else is touched.
namespace SchemaUpgrade {

// Whether the database already has the current design.
bool isCurrent(const Database& database);

// Brings the design up to date inside the caller's transaction; nothing when it is current.
void apply(Database& database);

// Brings the design up to date in a transaction of its own: all of it or, on failure, none of
// it. Throws TwError naming the file when the database needs it and it cannot be done.
void bringUpToDate(Database& database);

} // namespace SchemaUpgrade
