#pragma once

// The program's own speed layers, each on unless a benchmark turns it off to measure what it
// gains (bench/). The program itself never changes these, and nothing a user sets reaches them.
namespace SpeedLayers {

// The database key derived here rather than by the engine (KeyDerivation).
inline bool ownKeyDerivation = true;
// The key of the program's own password with the program's salt, written down ahead rather than
// derived at each start (KeyDerivation::knownKey); it needs the own key derivation's way of
// giving the engine a raw key.
inline bool knownKey = true;

} // namespace SpeedLayers
