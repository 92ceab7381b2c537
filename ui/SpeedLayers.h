#pragma once

// The program's own speed layers, each on unless a benchmark turns it off to measure what it
// gains (bench/). The program itself never changes these, and nothing a user sets reaches them.
namespace SpeedLayers {

// The database key derived here rather than by the engine (KeyDerivation); the second
// connections below need the key it keeps, so without it they are not opened either.
inline bool ownKeyDerivation = true;
// The key of the program's own password with the program's salt, written down ahead rather than
// derived at each start (KeyDerivation::knownKey); it needs the own key derivation's way of
// giving the engine a raw key.
inline bool knownKey = true;
// The start-up loader reads the spell chooser's rows on a connection of its own while the
// window is shown.
inline bool chooserConnection = true;

} // namespace SpeedLayers
